// Placement with real windows, the delayed sub-menu and auto-scrolling of a menu taller than the
// work area.
#include "PopupTestSupport.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include <gtest/gtest.h>

typedef CExtPopupMenuWnd M;

class PopupGeometryTest : public PopupTest
{
protected:
    static CRect WorkArea()
    {
        CExtPaintManager::MonitorParms mp;
        CExtPaintManager::GetMonitorParmsFromPoint(mp, CPoint(10, 10));
        return mp.m_rcWorkArea;
    }
    static void Settle(CExtPopupMenuWnd* pMenu)
    {
        Site().SetAnimatingPopup(nullptr);
        pMenu->StopAnimation();
    }
};

TEST_F(PopupGeometryTest, DropDownNearTheBottomReopensAbove)
{
    const CRect rcArea = WorkArea();
    const CRect rcOwner(200, rcArea.bottom - 30, 280, rcArea.bottom - 6);
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN, ID_TEST_SAVE, ID_TEST_EXIT});
    ASSERT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION | M::TRACK_ALIGN_BELOW, 0, 0, &rcOwner));
    CRect rc;
    pMenu->GetWindowRect(&rc);
    EXPECT_LE(rc.bottom - pMenu->GetShadowSize(), rcOwner.top + 1);
    EXPECT_LE(rc.bottom, rcArea.bottom);
    EXPECT_TRUE(pMenu->IsWindowVisible());
}

TEST_F(PopupGeometryTest, SubMenuOfAMenuThatOpenedLeftOpensLeft)
{
    const CRect rcArea = WorkArea();
    CCountedPopup* pMenu = NewMenuWithSubMenus();
    ASSERT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION, rcArea.right - 150, 100));
    Settle(pMenu);
    pMenu->SetCurrentItem(2, true, false, false);
    CExtPopupMenuWnd* pMore = pMenu->ItemGetPopup(2);
    ASSERT_NE(pMore->GetSafeHwnd(), nullptr);
    Settle(pMore);
    CRect rcMenu, rcMore;
    pMenu->GetWindowRect(&rcMenu);
    pMore->GetWindowRect(&rcMore);
    ASSERT_LT(rcMore.left, rcMenu.left) << "the sub-menu had no room on the right";
    pMore->SetCurrentItem(2, true, false, false);
    CExtPopupMenuWnd* pDeep = pMore->ItemGetPopup(2);
    ASSERT_NE(pDeep->GetSafeHwnd(), nullptr);
    CRect rcDeep;
    pDeep->GetWindowRect(&rcDeep);
    EXPECT_LT(rcDeep.left, rcMore.left);
}

TEST_F(PopupGeometryTest, DelayedSubMenuOpensOnlyWhileTheCursorIsOnItsItem)
{
    CCountedPopup* pMenu = NewMenuWithSubMenus();
    ASSERT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION, 100, 100));
    Settle(pMenu);
    CExtPopupMenuWnd* pMore = pMenu->ItemGetPopup(2);

    // Cursor elsewhere: nothing opens.
    ::SetCursorPos(5, 5);
    pMenu->SetDelayedSubMenuItem(2);
    EXPECT_EQ(pMenu->m_nDelayedSubMenuIndex, 2);
    pMenu->OnTimerDelayedSubMenu();
    EXPECT_EQ(pMore->GetSafeHwnd(), nullptr);
    EXPECT_EQ(pMenu->m_nDelayedSubMenuIndex, -1);

    // Cancelled with -1: nothing opens even over the item.
    CPoint pt = ItemCenter(pMenu, 2);
    pMenu->ClientToScreen(&pt);
    ::SetCursorPos(pt.x, pt.y);
    pMenu->SetDelayedSubMenuItem(2);
    pMenu->SetDelayedSubMenuItem(-1);
    EXPECT_EQ(pMenu->m_nDelayedSubMenuIndex, -1);
    pMenu->OnTimerDelayedSubMenu();
    EXPECT_EQ(pMore->GetSafeHwnd(), nullptr);

    // Over the item: it opens without selecting its first item.
    pMenu->SetDelayedSubMenuItem(2);
    pMenu->OnTimerDelayedSubMenu();
    ASSERT_NE(pMore->GetSafeHwnd(), nullptr);
    EXPECT_EQ(pMenu->GetCurrentItem(), 2);
    EXPECT_EQ(pMore->GetCurrentItem(), -1);
    ::SetCursorPos(5, 5);
}

TEST_F(PopupGeometryTest, TallMenuScrollsFivePixelsPerTickAndStopsAtBothEnds)
{
    std::vector<UINT> ids;
    for (int i = 0; i < 80; ++i)
    {
        AddCommand(ID_TEST_FIRST_FREE + i, L"Baris panjang");
        ids.push_back(ID_TEST_FIRST_FREE + i);
    }
    CCountedPopup* pMenu = NewMenu(ids);
    ASSERT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION, 100, 10));
    Settle(pMenu);
    ASSERT_TRUE(pMenu->IsScrollingOn());
    CRect rcUp, rcDown;
    pMenu->GetItemRect(M::AREA_SCROLL_UP, rcUp);
    pMenu->GetItemRect(M::AREA_SCROLL_DOWN, rcDown);
    ASSERT_FALSE(rcUp.IsRectEmpty());
    ASSERT_FALSE(rcDown.IsRectEmpty());
    // At the top the scroll-up band is not hit.
    EXPECT_NE(pMenu->ItemHitTest(rcUp.CenterPoint()), M::AREA_SCROLL_UP);
    EXPECT_EQ(pMenu->ItemHitTest(rcDown.CenterPoint()), M::AREA_SCROLL_DOWN);

    CPoint pt = rcDown.CenterPoint();
    pMenu->ClientToScreen(&pt);
    ::SetCursorPos(pt.x, pt.y);
    ASSERT_TRUE(pMenu->StartScrolling(M::AREA_SCROLL_DOWN));
    pMenu->OnTimerScrolling();
    EXPECT_EQ(pMenu->m_nScrollPos, -5);
    EXPECT_EQ(pMenu->m_nScrollStep, -5);
    pMenu->OnTimerScrolling();
    EXPECT_EQ(pMenu->m_nScrollPos, -10);
    const int nMin = pMenu->GetMinScrollPos();
    ASSERT_LT(nMin, -10);
    for (int i = 0; i < 2000 && pMenu->m_nScrollStep != 0; ++i)
        pMenu->OnTimerScrolling();
    EXPECT_EQ(pMenu->m_nScrollPos, nMin);
    EXPECT_EQ(pMenu->m_nScrollStep, 0);
    EXPECT_EQ(pMenu->ItemHitTest(rcUp.CenterPoint()), M::AREA_SCROLL_UP);

    pt = rcUp.CenterPoint();
    pMenu->ClientToScreen(&pt);
    ::SetCursorPos(pt.x, pt.y);
    ASSERT_TRUE(pMenu->StartScrolling(M::AREA_SCROLL_UP));
    pMenu->OnTimerScrolling();
    EXPECT_EQ(pMenu->m_nScrollPos, nMin + 5);
    for (int i = 0; i < 2000 && pMenu->m_nScrollStep != 0; ++i)
        pMenu->OnTimerScrolling();
    EXPECT_EQ(pMenu->m_nScrollPos, 0);
    EXPECT_FALSE(pMenu->StartScrolling(3));
    ::SetCursorPos(5, 5);
}
