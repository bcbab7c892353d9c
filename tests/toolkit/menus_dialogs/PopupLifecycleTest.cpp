// Who owns a tracked menu and when it dies: non-modal tracking, refused shows, a second tracking,
// resets, the closed notification, and the mended ownership faults.
#include "PopupTestSupport.h"
#include <gtest/gtest.h>

typedef CExtPopupMenuWnd M;

namespace
{
HHOOK WINAPI FailingSetHook(int, HOOKPROC, HINSTANCE, DWORD) { return nullptr; }
} // namespace

class PopupLifecycleTest : public PopupTest
{};

TEST_F(PopupLifecycleTest, NonModalTrackingReturnsAtOnceAndTheSiteDeletesTheMenuAfterItCloses)
{
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN, ID_TEST_SAVE});
    ASSERT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION, 100, 100));
    EXPECT_TRUE(M::IsMenuTracking());
    EXPECT_EQ(Site().GetInstance(), pMenu);
    ASSERT_NE(pMenu->GetSafeHwnd(), nullptr);
    EXPECT_TRUE(pMenu->IsWindowVisible());
    EXPECT_EQ(Site().GetKeyboardPopup(), pMenu);
    EXPECT_TRUE(Site().HooksInstalled());
    EXPECT_EQ(CCountedPopup::s_nLive, 1);
    M::CancelMenuTracking();
    EXPECT_FALSE(M::IsMenuTracking());
    EXPECT_EQ(CCountedPopup::s_nLive, 0);
    EXPECT_FALSE(Site().HooksInstalled());
}

TEST_F(PopupLifecycleTest, ReceiverCancellingThePreparationRefusesTheShowAndTheCallerDeletesOnce)
{
    Recv().m_nPrepareAnswer = M::MsgPrepareMenuData_t::PREPARE_CANCEL;
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN});
    EXPECT_FALSE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION, 100, 100));
    EXPECT_EQ(Recv().m_nPrepared, 1);
    EXPECT_EQ(pMenu->GetSafeHwnd(), nullptr);
    EXPECT_FALSE(M::IsMenuTracking());
    EXPECT_FALSE(Site().HooksInstalled());
    EXPECT_EQ(CCountedPopup::s_nLive, 1);
    delete pMenu;
    EXPECT_EQ(CCountedPopup::s_nLive, 0);
    EXPECT_EQ(Recv().m_nMenuClosed, 0);
}

TEST_F(PopupLifecycleTest, EmptyPlacementRefusesTheShow)
{
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN});
    pMenu->m_bEmptyPlacement = true;
    EXPECT_FALSE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION, 100, 100));
    EXPECT_EQ(pMenu->GetSafeHwnd(), nullptr);
    EXPECT_FALSE(M::IsMenuTracking());
    delete pMenu;
    EXPECT_EQ(CCountedPopup::s_nLive, 0);
}

TEST_F(PopupLifecycleTest, SecondTrackingClosesAndDeletesTheFirst)
{
    CCountedPopup* pFirst = NewMenu({ID_TEST_OPEN});
    ASSERT_TRUE(pFirst->TrackPopupMenu(M::TRACK_NO_ANIMATION, 100, 100));
    const HWND hWndFirst = pFirst->GetSafeHwnd();
    CCountedPopup* pSecond = NewMenu({ID_TEST_SAVE});
    ASSERT_TRUE(pSecond->TrackPopupMenu(M::TRACK_NO_ANIMATION, 200, 200));
    EXPECT_FALSE(::IsWindow(hWndFirst));
    EXPECT_EQ(CCountedPopup::s_nLive, 1);
    EXPECT_EQ(Site().GetInstance(), pSecond);
    EXPECT_EQ(Recv().m_nMenuClosed, 1);
}

TEST_F(PopupLifecycleTest, DuringAResetTrackingFailsAndCancellingDoesNothing)
{
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN});
    ASSERT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION, 100, 100));
    CCountedPopup* pOther = NewMenu({ID_TEST_SAVE});
    bool bTracked = true;
    bool bClosing = false;
    Recv().m_onMenuClosed = [&]() {
        bClosing = Site().IsClosing();
        M::CancelMenuTracking();
        bTracked = pOther->TrackPopupMenu(M::TRACK_NO_ANIMATION, 150, 150);
    };
    M::CancelMenuTracking();
    EXPECT_TRUE(bClosing);
    EXPECT_FALSE(bTracked);
    EXPECT_EQ(pOther->GetSafeHwnd(), nullptr);
    EXPECT_FALSE(M::IsMenuTracking());
    EXPECT_EQ(CCountedPopup::s_nLive, 1);
    EXPECT_EQ(Recv().m_nMenuClosed, 1);
    delete pOther;
}

TEST_F(PopupLifecycleTest, ClosedNotificationComesOncePerTopLevelMenu)
{
    CCountedPopup* pMenu = NewMenuWithSubMenus();
    ASSERT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION, 100, 100));
    pMenu->SetCurrentItem(2, true, false, true);
    ASSERT_NE(pMenu->ItemGetPopup(2)->GetSafeHwnd(), nullptr);
    pMenu->ItemGetPopup(2)->SetCurrentItem(2, true, false, true);
    ASSERT_NE(pMenu->ItemGetPopup(2)->ItemGetPopup(2)->GetSafeHwnd(), nullptr);
    M::CancelMenuTracking();
    EXPECT_EQ(Recv().m_nMenuClosed, 1);
    EXPECT_EQ(CCountedPopup::s_nLive, 0);
}

TEST_F(PopupLifecycleTest, TrackingTheMenuTheSiteHoldsFailsAndLeavesItOpen)
{
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN});
    ASSERT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION, 100, 100));
    EXPECT_FALSE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION, 100, 100));
    EXPECT_EQ(CCountedPopup::s_nLive, 1);
    EXPECT_EQ(Site().GetInstance(), pMenu);
    ASSERT_NE(pMenu->GetSafeHwnd(), nullptr);
    EXPECT_TRUE(pMenu->IsWindowVisible());
}

TEST_F(PopupLifecycleTest, ReleasingAnOpenSubMenuLeavesTheParentOpen)
{
    CCountedPopup* pMenu = NewMenuWithSubMenus();
    ASSERT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION, 100, 100));
    pMenu->SetCurrentItem(2, true, false, true);
    CExtPopupMenuWnd* pSub = pMenu->ItemGetPopup(2);
    ASSERT_NE(pSub->GetSafeHwnd(), nullptr);
    EXPECT_EQ(Site().GetKeyboardPopup(), pSub);
    pMenu->ReleaseCurrentItem(false);
    EXPECT_EQ(pSub->GetSafeHwnd(), nullptr);
    EXPECT_EQ(pMenu->ItemGetPopup(2), pSub);
    EXPECT_TRUE(M::IsMenuTracking());
    ASSERT_NE(pMenu->GetSafeHwnd(), nullptr);
    EXPECT_TRUE(pMenu->IsWindowVisible());
    EXPECT_EQ(Site().GetKeyboardPopup(), pMenu);
    EXPECT_EQ(CCountedPopup::s_nLive, 1);
    EXPECT_EQ(Recv().m_nMenuClosed, 0);
}

TEST_F(PopupLifecycleTest, SubMenuClosingItselfLeavesTheChainOpen)
{
    CCountedPopup* pMenu = NewMenuWithSubMenus();
    ASSERT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION, 100, 100));
    pMenu->SetCurrentItem(2, true, false, true);
    CExtPopupMenuWnd* pSub = pMenu->ItemGetPopup(2);
    ASSERT_NE(pSub->GetSafeHwnd(), nullptr);
    pSub->CloseMenu(false);
    EXPECT_EQ(pSub->GetSafeHwnd(), nullptr);
    EXPECT_TRUE(M::IsMenuTracking());
    EXPECT_NE(pMenu->GetSafeHwnd(), nullptr);
    EXPECT_EQ(CCountedPopup::s_nLive, 1);
}

TEST_F(PopupLifecycleTest, HookThatCannotBeInstalledRefusesTheShow)
{
    CExtPopupMenuTrackingSite::g_pfnSetWindowsHookEx = &FailingSetHook;
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN});
    EXPECT_FALSE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION, 100, 100));
    EXPECT_EQ(pMenu->GetSafeHwnd(), nullptr);
    EXPECT_FALSE(M::IsMenuTracking());
    EXPECT_FALSE(Site().HooksInstalled());
    delete pMenu;
    EXPECT_EQ(CCountedPopup::s_nLive, 0);
}

TEST_F(PopupLifecycleTest, SharedInformationIconOutlivesATipsMenu)
{
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN});
    ASSERT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION, 100, 100));
    pMenu->m_wndToolTip.SetText(L"Petunjuk");
    ASSERT_TRUE(pMenu->m_wndToolTip.ShowTip(pMenu, CRect(300, 300, 400, 320)));
    const HICON hIcon = pMenu->m_wndToolTip.m_hIcon;
    ASSERT_NE(hIcon, nullptr);
    M::CancelMenuTracking();
    EXPECT_EQ(CCountedPopup::s_nLive, 0);
    ICONINFO ii = {};
    ASSERT_TRUE(::GetIconInfo(hIcon, &ii));
    if (ii.hbmMask != nullptr)
        ::DeleteObject(ii.hbmMask);
    if (ii.hbmColor != nullptr)
        ::DeleteObject(ii.hbmColor);
    EXPECT_EQ(hIcon, ::LoadIconW(nullptr, (LPCWSTR)IDI_INFORMATION));
}
