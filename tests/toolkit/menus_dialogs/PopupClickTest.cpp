// Clicks handed over by the mouse hook: disabled items and separators, opening sub-menus by a
// click, switching to another parent item, the expand button, a press on a combined menu's owner
// and the first item selected on opening.
#include "PopupTestSupport.h"
#include <gtest/gtest.h>

typedef CExtPopupMenuWnd M;

class PopupClickTest : public PopupTest
{
protected:
    CCountedPopup* Show(CCountedPopup* pMenu, UINT nFlags = 0, LPCRECT pExclude = nullptr, int x = 100, int y = 100)
    {
        EXPECT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION | nFlags, x, y, pExclude));
        Site().SetAnimatingPopup(nullptr);
        pMenu->StopAnimation();
        return pMenu;
    }
};

TEST_F(PopupClickTest, DisabledItemAndSeparatorKeepTheMenuOpen)
{
    CCountedPopup* pMenu = Show(NewMenu({ID_TEST_OPEN, 0, ID_TEST_ENABLE_OFF}));
    ASSERT_FALSE(pMenu->GetItemAt(2).IsEnabled());
    EXPECT_TRUE(ClickItem(pMenu, 2));
    EXPECT_TRUE(ClickItem(pMenu, 1));
    Pump();
    EXPECT_TRUE(M::IsMenuTracking());
    EXPECT_NE(pMenu->GetSafeHwnd(), nullptr);
    EXPECT_TRUE(Recv().m_commands.empty());
}

TEST_F(PopupClickTest, PressOnAnItemIsEatenAndDoesNothing)
{
    CCountedPopup* pMenu = Show(NewMenu({ID_TEST_OPEN, ID_TEST_SAVE}));
    EXPECT_TRUE(ClickItem(pMenu, 0, WM_LBUTTONDOWN));
    Pump();
    EXPECT_TRUE(M::IsMenuTracking());
    EXPECT_TRUE(Recv().m_commands.empty());
}

TEST_F(PopupClickTest, ClickOpensSubMenusWithTheirFirstItemSelected)
{
    CCountedPopup* pMenu = Show(NewMenuWithSubMenus());
    EXPECT_TRUE(ClickItem(pMenu, 2));
    CExtPopupMenuWnd* pMore = pMenu->ItemGetPopup(2);
    ASSERT_NE(pMore->GetSafeHwnd(), nullptr);
    EXPECT_TRUE(pMore->IsWindowVisible());
    EXPECT_EQ(pMenu->GetCurrentItem(), 2);
    EXPECT_EQ(pMore->GetCurrentItem(), 0);
    EXPECT_EQ(Site().GetKeyboardPopup(), pMore);
    Site().SetAnimatingPopup(nullptr);
    EXPECT_TRUE(ClickItem(pMore, 2));
    CExtPopupMenuWnd* pDeep = pMore->ItemGetPopup(2);
    ASSERT_NE(pDeep->GetSafeHwnd(), nullptr);
    EXPECT_EQ(pDeep->GetCurrentItem(), 0);
    EXPECT_EQ(Site().GetKeyboardPopup(), pDeep);
    // The sub-menu opens beside its item.
    CRect rcMenu, rcMore;
    pMenu->GetWindowRect(&rcMenu);
    pMore->GetWindowRect(&rcMore);
    EXPECT_GT(rcMore.left, rcMenu.CenterPoint().x);
}

TEST_F(PopupClickTest, ClickOnAnotherParentItemClosesOnlyTheOpenSubMenu)
{
    CCountedPopup* pMenu = NewMenuWithSubMenus();
    ASSERT_TRUE(pMenu->InsertSubMenu(nullptr, -1, L"&Kedua"));
    ASSERT_TRUE(pMenu->ItemGetPopup(4)->InsertItem(ID_TEST_SUB_A));
    Show(pMenu);
    EXPECT_TRUE(ClickItem(pMenu, 2));
    CExtPopupMenuWnd* pMore = pMenu->ItemGetPopup(2);
    ASSERT_NE(pMore->GetSafeHwnd(), nullptr);
    Site().SetAnimatingPopup(nullptr);
    // The release reaches the open sub-menu first, which hands it to its parent.
    const CPoint pt = ItemCenter(pMenu, 4);
    CPoint ptSub(pt);
    pMenu->ClientToScreen(&ptSub);
    pMore->ScreenToClient(&ptSub);
    bool bPassOn = false;
    EXPECT_TRUE(pMore->HandleMouseClick(WM_LBUTTONUP, ptSub.x, ptSub.y, bPassOn));
    EXPECT_EQ(pMore->GetSafeHwnd(), nullptr);
    CExtPopupMenuWnd* pSecond = pMenu->ItemGetPopup(4);
    ASSERT_NE(pSecond->GetSafeHwnd(), nullptr);
    EXPECT_EQ(pMenu->GetCurrentItem(), 4);
    EXPECT_TRUE(M::IsMenuTracking());
    EXPECT_NE(pMenu->GetSafeHwnd(), nullptr);
}

TEST_F(PopupClickTest, ExpandButtonShowsTheHiddenItemsAndNotifies)
{
    CExtPopupMenuWnd::g_bHideRarelyUsed = true;
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN, ID_TEST_SAVE, ID_TEST_EXIT});
    // Open and Exit are used often, Save never.
    for (int i = 0; i < 20; ++i)
    {
        Command(ID_TEST_OPEN)->IncrementUsage();
        Command(ID_TEST_EXIT)->IncrementUsage();
    }
    ASSERT_TRUE(Command(ID_TEST_SAVE)->IsRarelyUsed());
    Show(pMenu);
    ASSERT_TRUE(pMenu->HasHiddenItems());
    ASSERT_FALSE(pMenu->ItemIsDisplayed(1));
    const CRect rcBefore = pMenu->GetClientRectStored();
    CRect rcExpand;
    pMenu->GetItemRect(M::AREA_EXPAND, rcExpand);
    ASSERT_FALSE(rcExpand.IsRectEmpty());
    bool bPassOn = false;
    EXPECT_TRUE(pMenu->HandleMouseClick(WM_LBUTTONUP, rcExpand.CenterPoint().x, rcExpand.CenterPoint().y, bPassOn));
    EXPECT_TRUE(pMenu->IsExpanded());
    EXPECT_FALSE(pMenu->HasHiddenItems());
    EXPECT_TRUE(pMenu->ItemIsDisplayed(1));
    EXPECT_GT(pMenu->GetClientRectStored().Height(), rcBefore.Height());
    EXPECT_EQ(Recv().m_nMenuExpanded, 1);
}

TEST_F(PopupClickTest, PressOnTheOwnerOfACombinedTopLevelMenuClosesIt)
{
    const CRect rcOwner(300, 200, 380, 224);
    CCountedPopup* pMenu =
        Show(NewMenu({ID_TEST_OPEN, ID_TEST_SAVE}), M::TRACK_ALIGN_BELOW | M::TRACK_COMBINE, &rcOwner);
    ASSERT_EQ(pMenu->GetCombinedSide(), M::COMBINE_BELOW);
    CPoint pt(rcOwner.CenterPoint());
    pMenu->ScreenToClient(&pt);
    bool bPassOn = false;
    EXPECT_TRUE(pMenu->HandleMouseClick(WM_LBUTTONDOWN, pt.x, pt.y, bPassOn));
    EXPECT_FALSE(M::IsMenuTracking());
    EXPECT_EQ(CCountedPopup::s_nLive, 0);
}

TEST_F(PopupClickTest, SelectAnyHighlightsTheFirstSelectableItem)
{
    CCountedPopup* pMenu = Show(NewMenu({0, ID_TEST_ENABLE_OFF, ID_TEST_SAVE, ID_TEST_EXIT}), M::TRACK_SELECT_ANY);
    EXPECT_EQ(pMenu->GetCurrentItem(), 2);
    EXPECT_NE(pMenu->GetItemAt(2).m_nFlags & CExtPopupMenuWnd::MENUITEMDATA::kFlagHighlighted, 0);
}

TEST_F(PopupClickTest, FindNextSelectableItemWrapsAndSkipsDisabledItems)
{
    CCountedPopup* pMenu = Show(NewMenu({ID_TEST_OPEN, 0, ID_TEST_ENABLE_OFF, ID_TEST_SAVE}));
    EXPECT_EQ(pMenu->FindNextSelectableItem(2), 0);
    pMenu->SetCurrentItem(0, false, false);
    EXPECT_EQ(pMenu->FindNextSelectableItem(1), 0);
    EXPECT_EQ(pMenu->FindNextSelectableItem(2), 3);
    EXPECT_EQ(pMenu->FindNextSelectableItem(3), 3);
    EXPECT_EQ(pMenu->FindNextSelectableItem(4), -1);
    EXPECT_EQ(pMenu->FindNextSelectableItem(0), -1);
    pMenu->SetCurrentItem(3, false, false);
    EXPECT_EQ(pMenu->FindNextSelectableItem(2), 0);
    EXPECT_EQ(pMenu->FindNextSelectableItem(3), 0);
}
