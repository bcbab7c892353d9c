// Closing a menu that ends from inside the close: a receiver ending the tracking at the status message, or the
// application deactivated while the menu hides or a sub-menu is destroyed. The close touches nothing of a deleted
// menu or of a window on its way out.
#include "PopupTestSupport.h"
#include <cstring>
#include <gtest/gtest.h>

typedef CExtPopupMenuWnd M;

namespace
{
// A menu whose memory is overwritten when it is deleted, so that any later use of it faults at once. The block is
// not handed back: nothing else can take its place meanwhile.
class CPoisonedPopup : public CCountedPopup
{
public:
    static void operator delete(void* p, std::size_t nSize) { std::memset(p, 0xDD, nSize); }
};
} // namespace

class PopupCloseReentryTest : public PopupTest
{};

TEST_F(PopupCloseReentryTest, AReceiverEndingTheTrackingInsideTheCloseLeavesTheDeletedMenuUntouched)
{
    auto* pMenu = new CPoisonedPopup;
    ASSERT_TRUE(pMenu->CreatePopupMenu(Frame()));
    ASSERT_TRUE(pMenu->InsertItem(ID_TEST_OPEN));
    ASSERT_TRUE(pMenu->InsertItem(ID_TEST_SAVE));
    ASSERT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION, 100, 100));
    ASSERT_TRUE(M::IsMenuTracking());
    const HWND hMenu = pMenu->GetSafeHwnd();
    int nCalls = 0;
    Recv().m_onMessageString = [&](UINT) {
        if (nCalls++ == 0)
            M::CancelMenuTracking();
    };
    EXPECT_TRUE(pMenu->CloseMenu(false));
    Recv().m_onMessageString = nullptr;
    EXPECT_GE(nCalls, 1);
    EXPECT_EQ(CCountedPopup::s_nLive, 0);
    EXPECT_FALSE(::IsWindow(hMenu));
    EXPECT_FALSE(M::IsMenuTracking());
    EXPECT_FALSE(Site().HooksInstalled());
    Pump();
}

namespace
{
// Tells every top-level window of the thread that the application lost the activation, as the
// system does when the active window goes away.
BOOL CALLBACK SendDeactivation(HWND hWnd, LPARAM)
{
    ::SendMessageW(hWnd, WM_ACTIVATEAPP, FALSE, 0);
    return TRUE;
}

// A sub-menu whose window, while it is being destroyed, deactivates the application.
class CDeactivatingSubMenu : public CPoisonedPopup
{
public:
    static int s_nDestroys;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_DESTROY && s_nDestroys++ == 0)
            ::EnumThreadWindows(::GetCurrentThreadId(), &SendDeactivation, 0);
        return CPoisonedPopup::WindowProc(message, wParam, lParam);
    }
};
int CDeactivatingSubMenu::s_nDestroys = 0;
} // namespace

TEST_F(PopupCloseReentryTest, DeactivatingTheApplicationWhileASubMenuClosesClosesTheMenusOnceAfterIt)
{
    CDeactivatingSubMenu::s_nDestroys = 0;
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN});
    auto* pSub = new CDeactivatingSubMenu;
    ASSERT_TRUE(pMenu->InsertSubMenu(pSub, -1, L"&Lainnya"));
    ASSERT_TRUE(pSub->InsertItem(ID_TEST_SUB_A));
    ASSERT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION, 100, 100));
    pMenu->SetCurrentItem(1, true, false, true);
    const HWND hSub = pSub->GetSafeHwnd();
    ASSERT_NE(hSub, nullptr);
    ASSERT_EQ(CCountedPopup::s_nLive, 2);

    EXPECT_TRUE(pSub->CloseMenu(false));
    EXPECT_FALSE(::IsWindow(hSub));
    EXPECT_EQ(CDeactivatingSubMenu::s_nDestroys, 1);
    // The deactivation closes the rest of the menus once the sub-menu is gone.
    Pump();
    EXPECT_FALSE(M::IsMenuTracking());
    EXPECT_EQ(CCountedPopup::s_nLive, 0);
    EXPECT_EQ(Recv().m_nMenuClosed, 1);
    EXPECT_FALSE(Site().HooksInstalled());
}

namespace
{
// A menu that, once its window has been hidden, deactivates the application, as hiding the active
// window does.
class CDeactivatingWhenHidden : public CPoisonedPopup
{
public:
    static int s_nHides;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        const bool bHidden =
            message == WM_WINDOWPOSCHANGED && (((const WINDOWPOS*)lParam)->flags & SWP_HIDEWINDOW) != 0;
        const LRESULT lResult = CPoisonedPopup::WindowProc(message, wParam, lParam);
        if (bHidden && s_nHides++ == 0)
            ::EnumThreadWindows(::GetCurrentThreadId(), &SendDeactivation, 0);
        return lResult;
    }
};
int CDeactivatingWhenHidden::s_nHides = 0;
} // namespace

TEST_F(PopupCloseReentryTest, DeactivatingTheApplicationWhileTheMenuHidesLeavesTheDeletedMenuUntouched)
{
    CDeactivatingWhenHidden::s_nHides = 0;
    auto* pMenu = new CDeactivatingWhenHidden;
    ASSERT_TRUE(pMenu->CreatePopupMenu(Frame()));
    ASSERT_TRUE(pMenu->InsertItem(ID_TEST_OPEN));
    ASSERT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION, 100, 100));
    const HWND hMenu = pMenu->GetSafeHwnd();
    EXPECT_TRUE(pMenu->CloseMenu(false));
    EXPECT_EQ(CDeactivatingWhenHidden::s_nHides, 1);
    EXPECT_FALSE(::IsWindow(hMenu));
    EXPECT_FALSE(M::IsMenuTracking());
    EXPECT_EQ(Recv().m_nMenuClosed, 1);
    Pump();
}
