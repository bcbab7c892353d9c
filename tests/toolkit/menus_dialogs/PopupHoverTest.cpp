// Mouse moves handed to a shown menu, with the cursor placed where they happen and the menu's
// timers called directly: highlight, the delayed sub-menu, leaving a sub-menu, the scroll bands,
// the chevron and the item tips.
#include "PopupTestSupport.h"
#include <gtest/gtest.h>

typedef CExtPopupMenuWnd M;

class PopupHoverTest : public PopupTest
{
protected:
    void TearDown() override
    {
        M::g_bExpandOnHover = true;
        M::g_bShowItemTips = true;
        ::SetCursorPos(1200, 1000);
        PopupTest::TearDown();
    }
    CCountedPopup* Show(CCountedPopup* pMenu, int x = 100, int y = 100)
    {
        EXPECT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION, x, y));
        Site().SetAnimatingPopup(nullptr);
        pMenu->StopAnimation();
        return pMenu;
    }
    // Puts the cursor on a client point of the popup and hands the move over; answers the result.
    // An opening animation still marked running (its timer has not ticked here) counts as finished.
    static bool MoveTo(CExtPopupMenuWnd* pPopup, CPoint ptClient)
    {
        Site().SetAnimatingPopup(nullptr);
        CPoint ptScreen(ptClient);
        pPopup->ClientToScreen(&ptScreen);
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        bool bPassOn = false;
        return pPopup->HandleMouseMove(WM_MOUSEMOVE, ptClient.x, ptClient.y, bPassOn);
    }
    static bool MoveToItem(CExtPopupMenuWnd* pPopup, int nIndex) { return MoveTo(pPopup, ItemCenter(pPopup, nIndex)); }
    static bool IsHighlighted(CExtPopupMenuWnd* pPopup, int nIndex)
    {
        return (pPopup->GetItemAt(nIndex).m_nFlags & M::MENUITEMDATA::kFlagHighlighted) != 0;
    }
};

TEST_F(PopupHoverTest, AnEnabledItemIsHighlightedWithNotificationAndStatusTextButNoSeparatorOrDisabledItem)
{
    CCountedPopup* pMenu = Show(NewMenu({ID_TEST_OPEN, 0, ID_TEST_ENABLE_OFF}));
    Recv().m_messageStrings.clear();
    EXPECT_TRUE(MoveToItem(pMenu, 0));
    EXPECT_EQ(pMenu->GetCurrentItem(), 0);
    EXPECT_TRUE(IsHighlighted(pMenu, 0));
    ASSERT_FALSE(Recv().m_coverings.empty());
    EXPECT_EQ(Recv().m_coverings.back(), std::make_pair(1, 0));
    ASSERT_FALSE(Recv().m_messageStrings.empty());
    EXPECT_EQ(Recv().m_messageStrings.back(), (UINT)ID_TEST_OPEN);
    // The same item again changes nothing.
    EXPECT_FALSE(MoveToItem(pMenu, 0));

    for (int nIndex : {1, 2})
    {
        EXPECT_FALSE(MoveToItem(pMenu, nIndex));
        EXPECT_FALSE(IsHighlighted(pMenu, nIndex));
        EXPECT_NE(pMenu->GetCurrentItem(), nIndex);
    }
}

TEST_F(PopupHoverTest, ASubMenuOpensAfterTheDelayOnlyWhileTheCursorStaysOnItsItem)
{
    CCountedPopup* pMenu = Show(NewMenuWithSubMenus());
    CExtPopupMenuWnd* pMore = pMenu->ItemGetPopup(2);
    EXPECT_TRUE(MoveToItem(pMenu, 2));
    EXPECT_EQ(pMenu->m_nDelayedSubMenuIndex, 2);
    EXPECT_EQ(Recv().m_coverings.back(), std::make_pair(2, 2));
    EXPECT_EQ(pMore->GetSafeHwnd(), nullptr);
    pMenu->OnTimerDelayedSubMenu();
    ASSERT_NE(pMore->GetSafeHwnd(), nullptr);
    EXPECT_TRUE(pMore->IsWindowVisible());

    // Leaving for another item cancels the delay; a cursor elsewhere when it fires opens nothing.
    EXPECT_TRUE(MoveToItem(pMenu, 0));
    EXPECT_EQ(pMore->GetSafeHwnd(), nullptr);
    EXPECT_TRUE(MoveToItem(pMenu, 2));
    EXPECT_TRUE(MoveToItem(pMenu, 1));
    EXPECT_EQ(pMenu->m_nDelayedSubMenuIndex, -1);
    EXPECT_TRUE(MoveToItem(pMenu, 2));
    const CPoint ptOther = ItemCenter(pMenu, 0);
    CPoint ptScreen(ptOther);
    pMenu->ClientToScreen(&ptScreen);
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    pMenu->OnTimerDelayedSubMenu();
    EXPECT_EQ(pMore->GetSafeHwnd(), nullptr);
    EXPECT_EQ(pMenu->m_nDelayedSubMenuIndex, -1);
}

TEST_F(PopupHoverTest, MovingFromASubMenuToAnotherParentItemClosesTheSubMenu)
{
    CCountedPopup* pMenu = Show(NewMenuWithSubMenus());
    pMenu->SetCurrentItem(2, true, true, true);
    CExtPopupMenuWnd* pMore = pMenu->ItemGetPopup(2);
    ASSERT_NE(pMore->GetSafeHwnd(), nullptr);
    ASSERT_EQ(Site().GetKeyboardPopup(), pMore);
    // The move reaches the keyboard popup, the sub-menu, in its own coordinates.
    CPoint pt = ItemCenter(pMenu, 0);
    pMenu->ClientToScreen(&pt);
    ::SetCursorPos(pt.x, pt.y);
    pMore->ScreenToClient(&pt);
    Site().SetAnimatingPopup(nullptr);
    bool bPassOn = false;
    EXPECT_TRUE(pMore->HandleMouseMove(WM_MOUSEMOVE, pt.x, pt.y, bPassOn));
    EXPECT_EQ(pMore->GetSafeHwnd(), nullptr);
    EXPECT_EQ(pMenu->GetCurrentItem(), 0);
    EXPECT_EQ(Site().GetKeyboardPopup(), pMenu);
    EXPECT_TRUE(M::IsMenuTracking());
}

TEST_F(PopupHoverTest, AScrollBandScrollsWhileHoveredAndStopsWhenLeft)
{
    std::vector<UINT> ids;
    for (UINT i = 0; i < 70; ++i)
    {
        AddCommand(ID_TEST_FIRST_FREE + 10 + i, L"Perintah panjang");
        ids.push_back(ID_TEST_FIRST_FREE + 10 + i);
    }
    CCountedPopup* pMenu = Show(NewMenu(ids), 100, 10);
    ASSERT_TRUE(pMenu->IsScrollingOn());
    CRect rcDown;
    pMenu->GetItemRect(M::AREA_SCROLL_DOWN, rcDown);
    ASSERT_FALSE(rcDown.IsRectEmpty());
    EXPECT_TRUE(MoveTo(pMenu, rcDown.CenterPoint()));
    EXPECT_EQ(pMenu->GetCurrentItem(), (int)M::AREA_SCROLL_DOWN);
    pMenu->OnTimerScrolling();
    pMenu->OnTimerScrolling();
    EXPECT_EQ(pMenu->m_nScrollPos, -2 * (int)M::SCROLL_STEP);
    // Off the band the next tick stops scrolling.
    CPoint ptOff = rcDown.CenterPoint();
    ptOff.y = (rcDown.top + pMenu->GetClientRectStored().top) / 2;
    pMenu->ClientToScreen(&ptOff);
    ::SetCursorPos(ptOff.x, ptOff.y);
    pMenu->OnTimerScrolling();
    EXPECT_EQ(pMenu->m_nScrollStep, 0);
    const int nPos = pMenu->m_nScrollPos;
    pMenu->OnTimerScrolling();
    EXPECT_EQ(pMenu->m_nScrollPos, nPos);
}

TEST_F(PopupHoverTest, TheChevronExpandsAfterThirtyTicksAndNeverWithTheOptionOff)
{
    CExtPopupMenuWnd::g_bHideRarelyUsed = true;
    for (int i = 0; i < 20; ++i)
        Command(ID_TEST_OPEN)->IncrementUsage();
    ASSERT_TRUE(Command(ID_TEST_SAVE)->IsRarelyUsed());
    CCountedPopup* pMenu = Show(NewMenu({ID_TEST_OPEN, ID_TEST_SAVE}));
    ASSERT_TRUE(pMenu->HasHiddenItems());
    CRect rcChevron;
    pMenu->GetItemRect(M::AREA_EXPAND, rcChevron);
    EXPECT_TRUE(MoveTo(pMenu, rcChevron.CenterPoint()));
    EXPECT_EQ(pMenu->m_nChevronCounter, 1);
    for (int i = 0; i < 30; ++i)
        pMenu->OnTimerChevron();
    EXPECT_FALSE(pMenu->IsExpanded());
    pMenu->OnTimerChevron();
    EXPECT_TRUE(pMenu->IsExpanded());
    EXPECT_EQ(pMenu->m_nChevronCounter, 0);
    M::CancelMenuTracking();

    M::g_bExpandOnHover = false;
    pMenu = Show(NewMenu({ID_TEST_OPEN, ID_TEST_SAVE}));
    pMenu->GetItemRect(M::AREA_EXPAND, rcChevron);
    EXPECT_TRUE(MoveTo(pMenu, rcChevron.CenterPoint()));
    EXPECT_EQ(pMenu->m_nChevronCounter, 0);
    EXPECT_FALSE(pMenu->KillTimer(M::ID_TIMER_CHEVRON));
    EXPECT_FALSE(pMenu->IsExpanded());
}

TEST_F(PopupHoverTest, ACommandWithAStatusTextShowsItsTipAfterTheTipTimerUnlessTipsAreOff)
{
    Command(ID_TEST_SAVE)->m_sTipStatus = L"Menyimpan pesan";
    CCountedPopup* pMenu = Show(NewMenu({ID_TEST_OPEN, ID_TEST_SAVE}));
    EXPECT_TRUE(MoveToItem(pMenu, 1));
    ASSERT_NE(pMenu->m_wndToolTip.GetSafeHwnd(), nullptr);
    EXPECT_EQ(pMenu->m_wndToolTip.GetText(), CString(L"Menyimpan pesan"));
    EXPECT_FALSE(pMenu->m_wndToolTip.IsWindowVisible());
    pMenu->m_wndToolTip.OnTimerTipDelay();
    EXPECT_TRUE(pMenu->m_wndToolTip.IsWindowVisible());
    // An item without a status text shows none; moving on hides the tip.
    EXPECT_TRUE(MoveToItem(pMenu, 0));
    EXPECT_FALSE(pMenu->m_wndToolTip.IsWindowVisible());
    M::CancelMenuTracking();

    M::g_bShowItemTips = false;
    pMenu = Show(NewMenu({ID_TEST_OPEN, ID_TEST_SAVE}));
    EXPECT_TRUE(MoveToItem(pMenu, 1));
    if (pMenu->m_wndToolTip.GetSafeHwnd() != nullptr)
    {
        pMenu->m_wndToolTip.OnTimerTipDelay();
        EXPECT_FALSE(pMenu->m_wndToolTip.IsWindowVisible());
    }
    EXPECT_TRUE(pMenu->m_wndToolTip.GetText().IsEmpty());
}
