// Which items a popup menu displays: rarely used commands, separators, sub-menus, the shared icon
// column, the content size and the visible-item list of painting.
#include "MenuTestIds.h"
#include "MenuTestSupport.h"
#include <gtest/gtest.h>

typedef CExtPopupMenuWnd::MENUITEMDATA MENUITEMDATA;
typedef CExtPopupMenuWnd::VisibleItemDefinition_t VID;

namespace
{
bool Clicked(CExtPopupMenuWnd*, MENUITEMDATA&) { return true; }
} // namespace

class MenuDisplayTest : public MenuTest
{
protected:
    void SetUp() override
    {
        MenuTest::SetUp();
        // Open and Exit are used often, Save and Deep never: those two are rarely used.
        for (UINT nID : {ID_TEST_OPEN, ID_TEST_SAVE, ID_TEST_EXIT, ID_TEST_DEEP})
            AddCommand(nID, nID == ID_TEST_SAVE ? L"&Simpan" : L"&Perintah");
        for (int i = 0; i < 20; ++i)
        {
            Command(ID_TEST_OPEN)->IncrementUsage();
            Command(ID_TEST_EXIT)->IncrementUsage();
        }
        ASSERT_FALSE(Command(ID_TEST_OPEN)->IsRarelyUsed());
        ASSERT_TRUE(Command(ID_TEST_SAVE)->IsRarelyUsed());
        CExtPopupMenuWnd::g_bHideRarelyUsed = true;
        ASSERT_TRUE(m_menu.CreatePopupMenu(Frame()));
    }
    int FullHeight(int i) { return m_menu.GetItemAt(i).GetFullHeight(); }
    CExtPopupMenuWnd m_menu;
};

TEST_F(MenuDisplayTest, RarelyUsedCommandsAreHiddenUntilShownByOptionFlagOrExpansion)
{
    m_menu.InsertItem(ID_TEST_OPEN);
    m_menu.InsertItem(ID_TEST_SAVE);
    m_menu.InsertItem(ID_TEST_EXIT);
    EXPECT_TRUE(m_menu.ItemIsDisplayed(0));
    EXPECT_FALSE(m_menu.ItemIsDisplayed(1));
    EXPECT_TRUE(m_menu.ItemIsDisplayed(2));
    EXPECT_TRUE(m_menu.HasHiddenItems());
    EXPECT_EQ(m_menu.m_nContentHeight, FullHeight(0) + FullHeight(2));

    CExtPopupMenuWnd::g_bHideRarelyUsed = false;
    m_menu.UpdateDisplayedItems();
    EXPECT_TRUE(m_menu.ItemIsDisplayed(1));
    EXPECT_FALSE(m_menu.HasHiddenItems());
    EXPECT_EQ(m_menu.m_nContentHeight, FullHeight(0) + FullHeight(1) + FullHeight(2));

    CExtPopupMenuWnd::g_bHideRarelyUsed = true;
    m_menu.m_nTrackFlags = CExtPopupMenuWnd::TRACK_ALL_ITEMS;
    m_menu.UpdateDisplayedItems();
    EXPECT_TRUE(m_menu.ItemIsDisplayed(1));

    m_menu.m_nTrackFlags = 0;
    m_menu.m_nStateFlags |= CExtPopupMenuWnd::STATE_EXPANDED;
    m_menu.UpdateDisplayedItems();
    EXPECT_TRUE(m_menu.ItemIsDisplayed(1));
}

TEST_F(MenuDisplayTest, ForcedDisplayShowsARarelyUsedCommand)
{
    m_menu.InsertItem(ID_TEST_SAVE);
    EXPECT_FALSE(m_menu.ItemIsDisplayed(0));
    m_menu.ItemSetDisplayed(0, true);
    EXPECT_TRUE(m_menu.ItemIsDisplayed(0));
    EXPECT_EQ(m_menu.m_nContentHeight, FullHeight(0));
    m_menu.ItemSetDisplayed(0, false);
    EXPECT_FALSE(m_menu.ItemIsDisplayed(0));
}

TEST_F(MenuDisplayTest, SeparatorsAtTheTopDoubledAroundHiddenItemsAndAtTheEndAreHidden)
{
    for (int nID : {0, ID_TEST_OPEN, 0, 0, ID_TEST_SAVE, 0, ID_TEST_EXIT, 0})
        ASSERT_TRUE(m_menu.InsertItem((int)nID));
    const bool expected[] = {false, true, true, false, false, false, true, false};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(m_menu.ItemIsDisplayed(i), expected[i]) << i;
    EXPECT_EQ(m_menu.m_nContentHeight, FullHeight(1) + FullHeight(2) + FullHeight(6));
}

// Showing all items (rarely used ones not hidden, the track flag, or an expanded menu) displays
// every separator as it stands.
TEST_F(MenuDisplayTest, ShowingAllItemsDisplaysEverySeparator)
{
    for (int nID : {0, ID_TEST_OPEN, 0, 0, ID_TEST_SAVE, 0, ID_TEST_EXIT, 0})
        ASSERT_TRUE(m_menu.InsertItem((int)nID));
    auto expectAllShown = [&](const char* pszHow) {
        m_menu.UpdateDisplayedItems();
        int nHeight = 0;
        for (int i = 0; i < 8; ++i)
        {
            EXPECT_TRUE(m_menu.ItemIsDisplayed(i)) << pszHow << " " << i;
            nHeight += FullHeight(i);
        }
        EXPECT_FALSE(m_menu.HasHiddenItems()) << pszHow;
        EXPECT_EQ(m_menu.m_nContentHeight, nHeight) << pszHow;
    };
    CExtPopupMenuWnd::g_bHideRarelyUsed = false;
    expectAllShown("rarely used shown");
    CExtPopupMenuWnd::g_bHideRarelyUsed = true;
    m_menu.m_nTrackFlags = CExtPopupMenuWnd::TRACK_ALL_ITEMS;
    expectAllShown("track flag");
    m_menu.m_nTrackFlags = 0;
    m_menu.m_nStateFlags |= CExtPopupMenuWnd::STATE_EXPANDED;
    expectAllShown("expanded");
}

TEST_F(MenuDisplayTest, OnlyRarelyUsedCommandsLeaveNoSeparatorAtTheEnds)
{
    for (int nID : {ID_TEST_SAVE, 0, ID_TEST_OPEN, 0, ID_TEST_SAVE})
        ASSERT_TRUE(m_menu.InsertItem((int)nID));
    EXPECT_FALSE(m_menu.ItemIsDisplayed(1));
    EXPECT_TRUE(m_menu.ItemIsDisplayed(2));
    EXPECT_FALSE(m_menu.ItemIsDisplayed(3));
    EXPECT_EQ(m_menu.m_nContentHeight, FullHeight(2));
}

TEST_F(MenuDisplayTest, SubMenuOfOnlyRarelyUsedCommandsIsHiddenUnlessItIsAnOwnItem)
{
    m_menu.InsertItem(ID_TEST_OPEN);
    ASSERT_TRUE(m_menu.InsertSubMenu(nullptr, -1, L"Jarang"));
    m_menu.ItemGetPopup(1)->InsertItem(ID_TEST_SAVE);
    m_menu.ItemGetPopup(1)->InsertItem(ID_TEST_DEEP);
    CExtCmdIcon none;
    ASSERT_TRUE(m_menu.InsertItemWithIcon(-1, -1, L"Sendiri", nullptr, none));
    m_menu.ItemGetPopup(2)->InsertItem(ID_TEST_SAVE);
    ASSERT_TRUE(m_menu.InsertSubMenu(nullptr, -1, L"Campur"));
    m_menu.ItemGetPopup(3)->InsertItem(ID_TEST_SAVE);
    m_menu.ItemGetPopup(3)->InsertItem(ID_TEST_EXIT);
    m_menu.UpdateDisplayedItems();
    EXPECT_TRUE(m_menu.ItemGetPopup(1)->IsAllItemsHidden());
    EXPECT_FALSE(m_menu.ItemIsDisplayed(1));
    EXPECT_TRUE(m_menu.ItemIsDisplayed(2));
    EXPECT_TRUE(m_menu.ItemIsDisplayed(3));
    EXPECT_FALSE(m_menu.ItemGetPopup(3)->ItemIsDisplayed(0));
    EXPECT_TRUE(m_menu.ItemGetPopup(3)->ItemIsDisplayed(1));
}

TEST_F(MenuDisplayTest, AllItemsHiddenCountsActivationCallbacksAsVisible)
{
    EXPECT_TRUE(m_menu.IsAllItemsHidden());
    m_menu.InsertItem(ID_TEST_SAVE);
    EXPECT_TRUE(m_menu.IsAllItemsHidden());
    m_menu.GetItemAt(0).m_pCbItemClick = &Clicked;
    EXPECT_FALSE(m_menu.IsAllItemsHidden());
    m_menu.UpdateDisplayedItems();
    EXPECT_TRUE(m_menu.ItemIsDisplayed(0)); // a command with a callback is never hidden as rare
}

TEST_F(MenuDisplayTest, ContentIsAtLeastEightyPixelsWide)
{
    CExtCmdIcon none;
    m_menu.InsertItemWithIcon(ID_TEST_FIRST_FREE, -1, L"A", nullptr, none);
    m_menu.GetItemAt(0).m_nFlags |= MENUITEMDATA::kFlagNoIconBox;
    m_menu.GetItemAt(0).MeasureItem();
    m_menu.UpdateDisplayedItems();
    ASSERT_LT(m_menu.GetItemAt(0).GetFullWidth(), 80);
    EXPECT_EQ(m_menu.m_nContentWidth, 80);
}

TEST_F(MenuDisplayTest, IconColumnTakesTheWidestIconAreaAndWidensTheItemsByTheSameAmount)
{
    CExtPopupMenuWnd::g_bHideRarelyUsed = false;
    m_menu.InsertItem(ID_TEST_OPEN);
    m_menu.InsertItem(0);
    const int nPlainWidth = m_menu.GetItemAt(0).GetMeasuredWidth();
    EXPECT_EQ(m_menu.GetItemAt(0).GetIconAreaWidth(), 24);
    EXPECT_EQ(m_menu.GetItemAt(1).GetIconAreaWidth(), 24); // a separator joins the column (16 before)
    EXPECT_EQ(m_menu.GetItemAt(1).GetMeasuredWidth(), 0);

    HDC hDC = ::GetDC(nullptr);
    HBITMAP hColor = ::CreateCompatibleBitmap(hDC, 32, 32);
    ::ReleaseDC(nullptr, hDC);
    HBITMAP hMask = ::CreateBitmap(32, 32, 1, 1, nullptr);
    ICONINFO ii = {TRUE, 0, 0, hMask, hColor};
    HICON hIcon = ::CreateIconIndirect(&ii);
    ASSERT_TRUE(m_menu.InsertItemWithIconHandle(ID_TEST_FIRST_FREE, -1, L"Besar", nullptr, hIcon));
    EXPECT_EQ(m_menu.GetItemAt(2).GetIconAreaWidth(), 38);
    EXPECT_EQ(m_menu.GetItemAt(0).GetIconAreaWidth(), 38);
    EXPECT_EQ(m_menu.GetItemAt(1).GetIconAreaWidth(), 38);
    EXPECT_EQ(m_menu.GetItemAt(0).GetMeasuredWidth(), nPlainWidth + 14);
    EXPECT_EQ(m_menu.GetItemAt(1).GetMeasuredWidth(), 0);
    EXPECT_EQ(m_menu.m_nContentWidth,
              std::max({80, m_menu.GetItemAt(0).GetFullWidth(), m_menu.GetItemAt(2).GetFullWidth()}));
    ::DestroyIcon(hIcon);
    ::DeleteObject(hColor);
    ::DeleteObject(hMask);
}

TEST_F(MenuDisplayTest, VisibleItemsCarryRarelyUsedNeighbourAndKindBits)
{
    for (int nID : {ID_TEST_OPEN, 0, ID_TEST_SAVE, 0, ID_TEST_DEEP, ID_TEST_EXIT})
        m_menu.InsertItem((int)nID);
    m_menu.InsertSubMenu(nullptr, -1, L"Sub");
    m_menu.ItemGetPopup(6)->InsertItem(ID_TEST_SAVE);
    m_menu.m_nStateFlags |= CExtPopupMenuWnd::STATE_EXPANDED;
    m_menu.UpdateDisplayedItems();
    m_menu.m_rcClient.SetRect(0, 0, 300, 400);
    CExtPopupMenuWnd::VisibleItemsList_t list;
    m_menu.CollectVisibleItems(nullptr, list);
    ASSERT_EQ(list.GetSize(), 7);
    for (int i = 0; i < 7; ++i)
    {
        EXPECT_EQ(list[i].m_nIndex, i);
        EXPECT_EQ((int)list[i].m_nCmdID, m_menu.ItemGetCmdID(i));
    }
    EXPECT_EQ(list[0].m_dwFlags, 0u);
    EXPECT_EQ(list[1].m_dwFlags, VID::VIS_SEPARATOR | VID::VIS_NEXT_RARELY_USED);
    EXPECT_EQ(list[2].m_dwFlags, VID::VIS_RARELY_USED);
    // Between two rarely used commands a separator is rarely used too.
    EXPECT_EQ(list[3].m_dwFlags,
              VID::VIS_SEPARATOR | VID::VIS_RARELY_USED | VID::VIS_PREV_RARELY_USED | VID::VIS_NEXT_RARELY_USED);
    EXPECT_EQ(list[4].m_dwFlags, VID::VIS_RARELY_USED | VID::VIS_PREV_RARELY_USED);
    EXPECT_EQ(list[5].m_dwFlags, VID::VIS_PREV_RARELY_USED | VID::VIS_NEXT_RARELY_USED);
    EXPECT_EQ(list[6].m_dwFlags, VID::VIS_POPUP | VID::VIS_RARELY_USED);
    CRect rc;
    m_menu.GetItemRect(2, rc, false);
    EXPECT_EQ(list[2].m_rcItem, rc);
    m_menu.GetItemRect(2, rc, true);
    EXPECT_EQ(list[2].m_rcItemInner, rc);
}

TEST_F(MenuDisplayTest, VisibleItemsSkipItemsOutsideTheClip)
{
    CExtPopupMenuWnd::g_bHideRarelyUsed = false;
    for (int i = 0; i < 6; ++i)
        m_menu.InsertItem(ID_TEST_OPEN);
    m_menu.m_rcClient.SetRect(0, 0, 200, 400);
    CRect rc2;
    m_menu.GetItemRect(2, rc2, false);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap bmp;
    HDC hScreen = ::GetDC(nullptr);
    bmp.Attach(::CreateCompatibleBitmap(hScreen, 200, 400));
    ::ReleaseDC(nullptr, hScreen);
    CBitmap* pOld = dc.SelectObject(&bmp);
    dc.IntersectClipRect(rc2.left, rc2.top + 2, rc2.right, rc2.bottom - 2);
    CExtPopupMenuWnd::VisibleItemsList_t list;
    m_menu.CollectVisibleItems(&dc, list);
    ASSERT_EQ(list.GetSize(), 1);
    EXPECT_EQ(list[0].m_nIndex, 2);
    dc.SelectObject(pOld);
}
