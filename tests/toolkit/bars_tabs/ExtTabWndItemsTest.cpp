// Tab window items and selection: insert and remove move the selection, the refused pre-test, the
// group bits, finding items and moving them; the mended range checks.
#include "TabTestSupport.h"

namespace
{

using TII = CExtTabWnd::TAB_ITEM_INFO;

// A strip that refuses selection changes on request and counts notifications.
class CRefusingTabs : public CExtTabWnd
{
public:
    bool m_bRefuse = false;
    int m_nPreTests = 0, m_nAfter = 0;
    bool OnTabWndSelectionChange(int nOld, int nNew, bool bPre) override
    {
        (bPre ? m_nPreTests : m_nAfter)++;
        return !(bPre && m_bRefuse);
    }
};

void Fill(CExtTabWnd& tabs, int n, DWORD dwStyle = 0)
{
    for (int i = 0; i < n; ++i)
    {
        CString s;
        s.Format(L"T%d", i);
        tabs.ItemInsert(s, nullptr, false, dwStyle, -1, 1000 + i);
    }
}

} // namespace

TEST(TabItems, InsertAndRemoveMoveTheSelectionAndRemovingTheSelectedLeavesNone)
{
    CExtTabWnd tabs;
    Fill(tabs, 5);
    EXPECT_EQ(tabs.SelectionSet(3), -1);
    tabs.ItemInsert(L"new", nullptr, false, 0, 1, 7);
    EXPECT_EQ(tabs.SelectionGet(), 4);
    EXPECT_TRUE(tabs.ItemGet(4)->IsSelected());
    EXPECT_EQ(tabs.ItemRemove(0, 2), 2);
    EXPECT_EQ(tabs.SelectionGet(), 2);
    // The links mirror the array after the run is removed.
    EXPECT_EQ(tabs.ItemGet(0)->m_pPrev, nullptr);
    EXPECT_EQ(tabs.ItemGet(0)->m_pNext, tabs.ItemGet(1));
    EXPECT_EQ(tabs.ItemGet(1)->m_pPrev, tabs.ItemGet(0));
    EXPECT_EQ(tabs.ItemRemove(2, 1), 1);
    EXPECT_EQ(tabs.SelectionGet(), -1);
    EXPECT_EQ(tabs.ItemGetCount(), 3);
    // Counts beyond the end are cut; a visible item lowers the visible count.
    tabs.ItemGet(0)->ModifyItemStyle(0, TII::kHidden);
    EXPECT_EQ(tabs.ItemGetVisibleCount(), 2);
    EXPECT_EQ(tabs.ItemRemove(1, 10), 2);
    EXPECT_EQ(tabs.ItemGetVisibleCount(), 0);
}

TEST(TabItems, AFirstIndexOutsideTheItemsRemovesNothingAndAnIndexBeyondTheCountIsNotSelected)
{
    CRefusingTabs tabs;
    Fill(tabs, 3);
    tabs.SelectionSet(1);
    EXPECT_EQ(tabs.ItemRemove(-1, 1, true), 0);
    EXPECT_EQ(tabs.ItemRemove(3, 1, true), 0);
    EXPECT_EQ(tabs.ItemGetCount(), 3);
    const int nPre = tabs.m_nPreTests;
    EXPECT_EQ(tabs.SelectionSet(3), 1);
    EXPECT_EQ(tabs.SelectionSet(99), 1);
    EXPECT_EQ(tabs.SelectionGet(), 1);
    EXPECT_EQ(tabs.m_nPreTests, nPre);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(tabs.ItemGet(i)->IsSelected(), i == 1);
}

TEST(TabItems, ARefusedPreTestLeavesTheBitsAndTheSelectionAlone)
{
    CRefusingTabs tabs;
    Fill(tabs, 3);
    tabs.SelectionSet(0);
    const DWORD dw0 = tabs.ItemGet(0)->m_dwItemStyle, dw2 = tabs.ItemGet(2)->m_dwItemStyle;
    tabs.m_bRefuse = true;
    const int nAfter = tabs.m_nAfter;
    EXPECT_EQ(tabs.SelectionSet(2), 0);
    EXPECT_EQ(tabs.SelectionGet(), 0);
    EXPECT_EQ(tabs.ItemGet(0)->m_dwItemStyle, dw0);
    EXPECT_EQ(tabs.ItemGet(2)->m_dwItemStyle, dw2);
    EXPECT_EQ(tabs.m_nAfter, nAfter);
}

TEST(TabItems, InGroupedModeOnlyTheSameGroupsActiveBitMoves)
{
    CExtTabWnd tabs;
    tabs.SetTabWndStyle(CExtTabWnd::kStyleGrouped);
    // Groups: 0 1 2 | 3 4
    Fill(tabs, 5);
    tabs.ItemGet(0)->ModifyItemStyle(0, TII::kGroupStart);
    tabs.ItemGet(3)->ModifyItemStyle(0, TII::kGroupStart);
    tabs.SelectionSet(4);
    tabs.SelectionSet(1);
    EXPECT_TRUE(tabs.ItemGet(4)->IsGroupCurrent());
    EXPECT_TRUE(tabs.ItemGet(1)->IsGroupCurrent());
    tabs.SelectionSet(2);
    EXPECT_FALSE(tabs.ItemGet(1)->IsGroupCurrent());
    EXPECT_TRUE(tabs.ItemGet(2)->IsGroupCurrent());
    EXPECT_TRUE(tabs.ItemGet(4)->IsGroupCurrent());
    EXPECT_FALSE(tabs.ItemGet(4)->IsSelected());
    // Selecting the group start finds the active item forwards.
    tabs.SelectionSet(0);
    EXPECT_FALSE(tabs.ItemGet(2)->IsGroupCurrent());
    EXPECT_TRUE(tabs.ItemGet(4)->IsGroupCurrent());
    tabs.SelectionSet(3);
    EXPECT_FALSE(tabs.ItemGet(4)->IsGroupCurrent());
    EXPECT_TRUE(tabs.ItemGet(0)->IsGroupCurrent());
}

TEST(TabItems, FindByLParamFlagsAndByStyle)
{
    CExtTabWnd tabs;
    tabs.ItemInsert(L"a", nullptr, false, TII::kHidden, -1, 5);
    tabs.ItemInsert(L"b", nullptr, false, 0, -1, 5);
    tabs.ItemInsert(L"c", nullptr, false, 0x100, -1, 6);
    EXPECT_EQ(tabs.ItemFindByLParam(5, -1, true, false), 1);
    EXPECT_EQ(tabs.ItemFindByLParam(5, -1, false, true), 0);
    EXPECT_EQ(tabs.ItemFindByLParam(5, -1, true, true), 0);
    EXPECT_EQ(tabs.ItemFindByLParam(5, -1, false, false), 0);
    EXPECT_EQ(tabs.ItemFindByLParam(5, 0), 1);
    EXPECT_EQ(tabs.ItemFindByLParam(5, 1), -1);
    EXPECT_EQ(tabs.ItemFindByLParam(7), -1);
    EXPECT_EQ(tabs.ItemFindByStyle(0x100), 2);
    EXPECT_EQ(tabs.ItemFindByStyle(0, TII::kHidden), 1);
    EXPECT_EQ(tabs.ItemFindByStyle(0, 0, 1), 2);
    EXPECT_EQ(tabs.ItemFindByStyle(0x200), -1);
}

TEST(TabItems, ItemMoveKeepsTextIconStyleAndLParamAndSelectsTheTarget)
{
    CExtTabWnd tabs;
    Fill(tabs, 4);
    CExtCmdIcon icon;
    icon.AssignFromHICON((HICON)::LoadImageW(nullptr, IDI_APPLICATION, IMAGE_ICON, 16, 16, LR_SHARED), true);
    tabs.ItemInsert(L"moved", &icon, true, 0x100, 1, 42);
    ASSERT_TRUE(tabs.ItemMove(1, 3));
    TII* p = tabs.ItemGet(3);
    EXPECT_STREQ(p->GetText(), L"moved");
    EXPECT_EQ(p->m_lParam, 42);
    EXPECT_NE(p->m_dwItemStyle & 0x100, 0u);
    EXPECT_EQ(CSize(p->GetIconSize()), CSize(16, 16));
    EXPECT_EQ(tabs.SelectionGet(), 3);
    EXPECT_STREQ(tabs.ItemGet(1)->GetText(), L"T1");
    ASSERT_TRUE(tabs.ItemMove(3, 0));
    EXPECT_EQ(tabs.ItemGet(0)->m_lParam, 42);
    EXPECT_EQ(tabs.SelectionGet(), 0);
    EXPECT_EQ(tabs.ItemGetCount(), 5);
    EXPECT_FALSE(tabs.ItemMove(0, 0));
    EXPECT_FALSE(tabs.ItemMove(0, 5));
}
