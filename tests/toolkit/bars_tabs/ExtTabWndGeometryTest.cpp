// Tab window geometry on real windows: measuring, fit lengths, grouped items, buttons, scrolling
// range, the slice a strip takes from its parent, and the layout of a strip resized under a hidden parent.
#include "TabTestSupport.h"
#include "platform/Dc.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerGlyph.h"

using tabtest::CreateStrip;
using tabtest::HostFrame;
using tabtest::TextSize;
using TII = CExtTabWnd::TAB_ITEM_INFO;

namespace
{

CExtCmdIcon& AppIcon()
{
    static CExtCmdIcon icon;
    if (icon.IsEmpty())
        icon.AssignFromHICON((HICON)::LoadImageW(nullptr, IDI_APPLICATION, IMAGE_ICON, 16, 16, LR_SHARED), true);
    return icon;
}

int ButtonSize()
{
    return std::max(std::min(::GetSystemMetrics(SM_CXSMSIZE), ::GetSystemMetrics(SM_CYSMSIZE)) + 1, 12);
}

} // namespace

TEST(TabGeometry, ItemsMeasureTextPlusSevenIconPlusThreeAndEmptySixByTwenty)
{
    HostFrame frame;
    CExtTabWnd tabs;
    ASSERT_TRUE(CreateStrip(tabs, frame.Get(), CRect(0, 0, 500, 60), CExtTabWnd::kOrientTop));
    tabs.ItemInsert(L"Inbox");
    tabs.ItemInsert(L"Inbox", &AppIcon());
    tabs.ItemInsert(L"");
    tabs.UpdateTabWnd(true);
    const CSize sizeText = TextSize(L"Inbox");
    EXPECT_EQ(tabs.ItemGet(0)->m_sizeItem.cx, sizeText.cx + 7);
    EXPECT_EQ(tabs.ItemGet(0)->m_sizeItem.cy, std::max((int)sizeText.cy + 4, 20));
    EXPECT_EQ(tabs.ItemGet(1)->m_sizeItem.cx, sizeText.cx + 16 + 3 + 7);
    EXPECT_EQ(tabs.ItemGet(2)->m_sizeItem, CSize(6, 20));
    // Along the strip the items follow each other from the item area's start.
    EXPECT_EQ(tabs.ItemGet(1)->m_rcItem.left, tabs.ItemGet(0)->m_rcItem.right);

    CExtTabWnd vert;
    ASSERT_TRUE(CreateStrip(vert, frame.Get(), CRect(0, 60, 60, 400), CExtTabWnd::kOrientLeft, 101));
    vert.ItemInsert(L"Inbox");
    vert.ItemInsert(L"");
    vert.UpdateTabWnd(true);
    EXPECT_EQ(vert.ItemGet(0)->m_sizeLastMeasuredText, CSize(sizeText.cx + 10, sizeText.cy + 2));
    EXPECT_EQ(vert.ItemGet(0)->m_sizeItem.cy, sizeText.cx + 10 + 7);
    EXPECT_EQ(vert.ItemGet(0)->m_sizeItem.cx, std::max((int)sizeText.cy + 2 + 4, 20));
    EXPECT_EQ(vert.ItemGet(1)->m_sizeItem, CSize(20, 6));
}

TEST(TabGeometry, FitWithFullWidthSharesTheItemAreaButNeverBelowSix)
{
    HostFrame frame;
    CExtTabWnd tabs;
    int nInset = 0, nMargin = 0, nOffset = 0;
    tabs.OnTabWndQueryMetrics(nInset, nMargin, nOffset);
    ASSERT_TRUE(CreateStrip(tabs, frame.Get(), CRect(0, 0, 100 + nInset + nMargin, 40),
                            CExtTabWnd::kStyleFit | CExtTabWnd::kStyleFullWidth));
    for (int i = 0; i < 4; ++i)
        tabs.ItemInsert(i == 0 ? L"A much longer text than fits" : L"x");
    tabs.UpdateTabWnd(true);
    ASSERT_EQ(tabs.GetItemsArea().Width(), 100);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(tabs.ItemGet(i)->m_rcItem.Width(), 25) << i;
    EXPECT_TRUE(tabs.ItemGet(0)->IsNarrowed());
    EXPECT_FALSE(tabs.ItemGet(1)->IsNarrowed());
    EXPECT_FALSE(tabs.IsButtonShown(CExtTabWnd::kHitPrev));
    for (int i = 0; i < 36; ++i)
        tabs.ItemInsert(L"x");
    tabs.UpdateTabWnd(true);
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(tabs.ItemGet(i)->m_rcItem.Width(), 6) << i;
}

TEST(TabGeometry, AGroupOfThreeWithTheSecondActiveShowsOneFullAndTwoIconOnlyItemsWithGaps)
{
    HostFrame frame;
    CExtTabWnd tabs;
    ASSERT_TRUE(CreateStrip(tabs, frame.Get(), CRect(0, 0, 560, 40), CExtTabWnd::kStyleGrouped));
    tabs.ItemInsert(L"Alpha", &AppIcon(), true, TII::kGroupStart);
    tabs.ItemInsert(L"Beta", &AppIcon());
    tabs.ItemInsert(L"Gamma", &AppIcon());
    tabs.ItemInsert(L"Delta", &AppIcon(), true, TII::kGroupStart);
    tabs.SelectionSet(3);
    tabs.SelectionSet(1);
    tabs.UpdateTabWnd(true);
    const int nShort = 16 + 7;
    const int nFull = std::max({TextSize(L"Alpha").cx, TextSize(L"Beta").cx, TextSize(L"Gamma").cx}) + 16 + 3 + 7;
    EXPECT_EQ(tabs.ItemGet(0)->m_rcItem.Width(), nShort);
    EXPECT_EQ(tabs.ItemGet(1)->m_rcItem.Width(), nFull);
    EXPECT_EQ(tabs.ItemGet(2)->m_rcItem.Width(), nShort);
    EXPECT_EQ(tabs.ItemGet(3)->m_rcItem.Width(), TextSize(L"Delta").cx + 16 + 3 + 7);
    EXPECT_EQ(tabs.ItemGet(3)->m_rcItem.left, tabs.ItemGet(2)->m_rcItem.right + 20);
    EXPECT_EQ(tabs.GetContentLength(), 10 + 2 * nShort + nFull + 20 + tabs.ItemGet(3)->m_rcItem.Width());
}

TEST(TabGeometry, ButtonsRunPreviousNextHelpTabListCloseFromTheItemsOutwards)
{
    HostFrame frame;
    CExtTabWnd tabs;
    const DWORD dwStyle = CExtTabWnd::kStyleShowHelp | CExtTabWnd::kStyleShowClose | CExtTabWnd::kStyleShowTabList;
    ASSERT_TRUE(CreateStrip(tabs, frame.Get(), CRect(0, 0, 400, 40), dwStyle));
    tabs.ItemInsert(L"one");
    tabs.UpdateTabWnd(true);
    const int b = ButtonSize();
    const LONG order[] = {CExtTabWnd::kHitPrev, CExtTabWnd::kHitNext, CExtTabWnd::kHitHelp, CExtTabWnd::kHitTabList,
                          CExtTabWnd::kHitClose};
    for (int i = 0; i < 5; ++i)
    {
        const CRect rc = tabs.GetButtonRect(order[i]);
        EXPECT_EQ(rc.Size(), CSize(b, b)) << i;
        if (i > 0)
        {
            EXPECT_EQ(rc.left, tabs.GetButtonRect(order[i - 1]).right + 2) << i;
        }
        EXPECT_EQ(tabs.ItemHitTest(rc.CenterPoint()), order[i]);
    }
    int nInset = 0, nMargin = 0, nOffset = 0;
    tabs.OnTabWndQueryMetrics(nInset, nMargin, nOffset);
    EXPECT_EQ(tabs.GetButtonRect(CExtTabWnd::kHitClose).right, 400 - nMargin - 2);
    EXPECT_LE(tabs.GetItemsArea().right, tabs.GetButtonRect(CExtTabWnd::kHitPrev).left);
    // With 0x4000 and nothing to scroll Previous and Next go, but the area keeps their length.
    const int nAreaRight = tabs.GetItemsArea().right;
    tabs.ModifyTabWndStyle(0, CExtTabWnd::kStyleAutoHideScroll, true);
    EXPECT_FALSE(tabs.IsButtonShown(CExtTabWnd::kHitPrev));
    EXPECT_FALSE(tabs.IsButtonShown(CExtTabWnd::kHitNext));
    EXPECT_TRUE(tabs.IsButtonShown(CExtTabWnd::kHitHelp));
    EXPECT_EQ(tabs.GetItemsArea().right, nAreaRight);
}

TEST(TabGeometry, ScrollMaximumEnableBitsAndTheVisibleRange)
{
    HostFrame frame;
    CExtTabWnd tabs;
    ASSERT_TRUE(CreateStrip(tabs, frame.Get(), CRect(0, 0, 300, 40), 0));
    for (int i = 0; i < 30; ++i)
        tabs.ItemInsert(L"Item text");
    tabs.UpdateTabWnd(true);
    const int nArea = tabs.GetItemsArea().Width();
    EXPECT_EQ(tabs.ScrollMaxGet(), tabs.GetContentLength() - nArea);
    EXPECT_EQ(tabs.GetFirstVisibleIndex(), 0);
    const int nItem = tabs.ItemGet(0)->m_rcItem.Width();
    EXPECT_EQ(tabs.GetLastVisibleIndex(), std::min(29, (nArea + 8) / nItem));
    EXPECT_EQ(tabs.GetTabWndStyle() & (CExtTabWnd::kStyleEnabledPrev | CExtTabWnd::kStyleEnabledNext),
              (DWORD)CExtTabWnd::kStyleEnabledNext);
    tabs.ScrollPosSet(nItem * 5 + 1, true);
    EXPECT_EQ(tabs.GetFirstVisibleIndex(), 5);
    EXPECT_NE(tabs.GetTabWndStyle() & CExtTabWnd::kStyleEnabledPrev, 0u);
    tabs.ScrollPosSet(100000, true);
    EXPECT_EQ(tabs.ScrollPosGet(), tabs.ScrollMaxGet());
    EXPECT_EQ(tabs.GetLastVisibleIndex(), 29);
    EXPECT_EQ(tabs.GetTabWndStyle() & CExtTabWnd::kStyleEnabledNext, 0u);
    // Ensuring an item visible scrolls back to it.
    tabs.ItemEnsureVisible(0, true);
    EXPECT_EQ(tabs.ScrollPosGet(), 0);
}

TEST(TabGeometry, ADockedStripTakesThicknessPlusNineAtTopAndLeftAndPlusEightAtBottomAndRight)
{
    HostFrame frame;
    const DWORD orient[] = {CExtTabWnd::kOrientTop, CExtTabWnd::kOrientBottom, CExtTabWnd::kOrientLeft,
                            CExtTabWnd::kOrientRight};
    for (DWORD o : orient)
    {
        CExtTabWnd tabs;
        tabs.SetDocksToParent(true);
        ASSERT_TRUE(CreateStrip(tabs, frame.Get(), CRect(0, 0, 0, 0), o, 200 + o));
        tabs.ItemInsert(L"Docked");
        AFX_SIZEPARENTPARAMS layout = {};
        layout.rect = CRect(10, 10, 410, 310);
        layout.bStretch = TRUE;
        tabs.SendMessage(WM_SIZEPARENT, 0, (LPARAM)&layout);
        const int nTake =
            tabs.GetStripThickness() + (o == CExtTabWnd::kOrientTop || o == CExtTabWnd::kOrientLeft ? 9 : 8);
        EXPECT_GE(tabs.GetStripThickness(), 20);
        const CRect rcLeft(layout.rect);
        switch (o)
        {
        case CExtTabWnd::kOrientTop: EXPECT_EQ(rcLeft, CRect(10, 10 + nTake, 410, 310)); break;
        case CExtTabWnd::kOrientBottom: EXPECT_EQ(rcLeft, CRect(10, 10, 410, 310 - nTake)); break;
        case CExtTabWnd::kOrientLeft: EXPECT_EQ(rcLeft, CRect(10 + nTake, 10, 410, 310)); break;
        default: EXPECT_EQ(rcLeft, CRect(10, 10, 410 - nTake, 310)); break;
        }
        EXPECT_EQ(layout.sizeTotal.cx + layout.sizeTotal.cy, nTake);
        tabs.DestroyWindow();
    }
}

TEST(TabGeometry, HelpAndTabListButtonsAreDrawnWithTheHelpAndListGlyphs)
{
    EXPECT_EQ(CExtPaintManager::GetTabButtonGlyph(CExtTabWnd::kHitHelp, true, true), g_arrSysCmdGlyphs[9]);
    EXPECT_EQ(CExtPaintManager::GetTabButtonGlyph(CExtTabWnd::kHitTabList, true, true), g_arrSysCmdGlyphs[45]);
    EXPECT_EQ(CExtPaintManager::GetTabButtonGlyph(CExtTabWnd::kHitClose, true, true), g_arrSysCmdGlyphs[1]);
}

TEST(TabGeometry, ScreenAStripResizedWhileItsParentIsHiddenShowsTheLayoutOfItsNewSize)
{
    HostFrame frame;
    CWnd panel;
    ASSERT_TRUE(panel.CreateEx(0, AfxRegisterWndClass(0), L"panel", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                               CRect(0, 0, 560, 80), frame.Get(), 0x1200));
    CExtTabWnd tabs;
    ASSERT_TRUE(CreateStrip(tabs, &panel, CRect(0, 0, 120, 40), CExtTabWnd::kOrientTop));
    for (LPCTSTR psz : {L"Satu", L"Dua", L"Tiga", L"Empat", L"Lima"})
        tabs.ItemInsert(psz);
    tabs.UpdateTabWnd(true);
    ASSERT_TRUE(tabtest::PumpUntil([] { return HIWORD(::GetQueueStatus(QS_PAINT)) == 0; }));
    const CRect rcNarrow = tabs.GetItemsArea();
    // The parent is hidden (a page not selected), the strip grows, the parent shows again.
    panel.ShowWindow(SW_HIDE);
    tabs.SetWindowPos(nullptr, 0, 0, 520, 40, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    panel.ShowWindow(SW_SHOW);
    ASSERT_TRUE(tabtest::PumpUntil([] { return HIWORD(::GetQueueStatus(QS_PAINT)) == 0; }));
    const CRect rcShown = tabs.GetItemsArea();
    EXPECT_GT(rcShown.Width(), rcNarrow.Width());
    // The layout shown is the one the strip makes afresh at its size.
    tabs.UpdateTabWnd(true);
    EXPECT_EQ(rcShown, tabs.GetItemsArea());
    tabs.DestroyWindow();
    panel.DestroyWindow();
}
