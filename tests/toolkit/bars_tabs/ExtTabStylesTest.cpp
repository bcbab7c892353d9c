// OneNote and Whidbey strips: metrics and measuring, the automatic colour pairs, moved tabs keeping
// their colours, and the pixels of their backgrounds.
#include "TabTestSupport.h"
#include "support/DibCanvas.h"
#include "toolkit/bars_tabs/ExtTabOneNoteWnd.h"
#include "toolkit/bars_tabs/ExtTabWhidbeyWnd.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

using tabtest::CreateStrip;
using tabtest::HostFrame;
using tabtest::TextSize;
using ONE = CExtTabOneNoteWnd::TAB_ITEM_INFO_ONENOTE;

namespace
{

// Reports a display depth for its lifetime.
struct ScopedDepth
{
    int nOld;
    explicit ScopedDepth(int n) : nOld(CExtPaintManager::GetBitsPerPixelOverride())
    {
        CExtPaintManager::SetBitsPerPixelOverride(n);
    }
    ~ScopedDepth() { CExtPaintManager::SetBitsPerPixelOverride(nOld); }
};

} // namespace

TEST(TabStyles, OneNoteAndWhidbeyMetricsAndTheLongerFirstTab)
{
    HostFrame frame;
    CExtTabOneNoteWnd one;
    CExtTabWhidbeyWnd whid;
    ASSERT_TRUE(CreateStrip(one, frame.Get(), CRect(0, 0, 500, 40), 0, 101));
    ASSERT_TRUE(CreateStrip(whid, frame.Get(), CRect(0, 40, 500, 80), 0, 102));
    for (CExtTabWnd* p : {static_cast<CExtTabWnd*>(&one), static_cast<CExtTabWnd*>(&whid)})
    {
        int a = 0, b = 0, c = 0;
        p->OnTabWndQueryMetrics(a, b, c);
        EXPECT_EQ(a, 1);
        EXPECT_EQ(b, 2);
        EXPECT_EQ(c, 3);
        p->ItemInsert(L"Same");
        p->ItemInsert(L"Same");
        p->UpdateTabWnd(true);
        EXPECT_EQ(p->GetItemsArea().top, 3);
    }
    const int nText = TextSize(L"Same").cx;
    EXPECT_EQ(one.ItemGet(1)->m_sizeItem, CSize(nText + 7 + 3, 19));
    EXPECT_EQ(one.ItemGet(0)->m_sizeItem.cx, one.ItemGet(1)->m_sizeItem.cx + 16);
    EXPECT_EQ(whid.ItemGet(1)->m_sizeItem, CSize(nText + 7, 17));
    EXPECT_EQ(whid.ItemGet(0)->m_sizeItem.cx, whid.ItemGet(1)->m_sizeItem.cx + 9);
    CExtTabOneNoteWnd vert;
    ASSERT_TRUE(CreateStrip(vert, frame.Get(), CRect(0, 80, 40, 400), CExtTabWnd::kOrientLeft, 103));
    vert.ItemInsert(L"Same");
    vert.UpdateTabWnd(true);
    EXPECT_EQ(vert.ItemGet(0)->m_sizeItem, CSize(19, nText + 10 + 7 + 3 + 16));
}

TEST(TabStyles, TheEighthAutoColouredTabGetsTheFirstPairAndMovedTabsKeepTheirColours)
{
    CExtTabOneNoteWnd one;
    for (int i = 0; i < 8; ++i)
        one.ItemInsert(L"t", nullptr, false, 0, -1, i);
    auto colors = [&](int n) {
        const ONE* p = static_cast<const ONE*>(one.ItemGet(n));
        return std::make_pair(p->m_clrLight, p->m_clrDark);
    };
    EXPECT_EQ(colors(0), std::make_pair((COLORREF)0xF7E6DD, (COLORREF)0xE4A88A));
    EXPECT_EQ(colors(6), std::make_pair((COLORREF)0xD9E9FC, (COLORREF)0x78B0F6));
    EXPECT_EQ(colors(7), colors(0));
    EXPECT_EQ(one.GetColorCounter(), 8);
    // Given colours do not use the palette; either one -1 takes the next pair.
    one.ItemInsertWithColors(L"own", nullptr, false, 0, -1, 99, RGB(1, 2, 3), RGB(4, 5, 6));
    EXPECT_EQ(one.GetColorCounter(), 8);
    one.ItemInsertWithColors(L"half", nullptr, false, 0, -1, 98, RGB(1, 2, 3), (COLORREF)-1);
    EXPECT_EQ(colors(9), std::make_pair((COLORREF)0xD5F4FF, (COLORREF)0x69D8FF));
    const auto moved = colors(1);
    ASSERT_TRUE(one.ItemMove(1, 5));
    EXPECT_EQ(one.ItemGet(5)->m_lParam, 1);
    EXPECT_EQ(colors(5), moved);
    ASSERT_TRUE(one.ItemMoveWithNotifications(8, 0, false));
    EXPECT_EQ(colors(0), std::make_pair(RGB(1, 2, 3), RGB(4, 5, 6)));
    EXPECT_EQ(one.GetColorCounter(), 9);
}

TEST(TabStyles, WhidbeyClientAreaHasColour22AndALineInColour16AboveTheItems)
{
    HostFrame frame;
    CExtTabWhidbeyWnd whid;
    ASSERT_TRUE(CreateStrip(whid, frame.Get(), CRect(0, 0, 400, 40), 0));
    whid.ItemInsert(L"One");
    whid.UpdateTabWnd(true);
    DibCanvas c(400, 40, RGB(1, 2, 3));
    whid.PrintClient(&c.dc, PRF_CLIENT);
    const COLORREF clr22 = g_PaintManagerHolder->GetTranslatedColor(COLOR_3DLIGHT, &whid);
    const COLORREF clr16 = g_PaintManagerHolder->GetTranslatedColor(COLOR_3DSHADOW, &whid);
    const CRect rcItems = whid.GetItemsArea();
    const int x = whid.ItemGet(0)->m_rcItem.right + rcItems.left + 20;
    ASSERT_LT(x, rcItems.right);
    EXPECT_EQ(c.At(x, rcItems.top - 1), clr16);
    EXPECT_EQ(c.At(x, rcItems.top + 5), clr22);
    EXPECT_EQ(c.At(x, 38), clr22);
    EXPECT_EQ(c.At(x, 0), clr22);
}

TEST(TabStyles, AboveEightBitsTheOneNoteBandHasTheSelectedTabsDarkColour)
{
    HostFrame frame;
    ScopedDepth depth(32);
    for (DWORD o :
         {CExtTabWnd::kOrientTop, CExtTabWnd::kOrientBottom, CExtTabWnd::kOrientLeft, CExtTabWnd::kOrientRight})
    {
        CExtTabOneNoteWnd one;
        const bool bHorz = o <= CExtTabWnd::kOrientBottom;
        const CSize size = bHorz ? CSize(400, 40) : CSize(40, 400);
        ASSERT_TRUE(CreateStrip(one, frame.Get(), CRect(CPoint(0, 0), size), o));
        one.ItemInsert(L"First");
        one.ItemInsert(L"Second");
        one.SelectionSet(0);
        one.UpdateTabWnd(true);
        DibCanvas c(size.cx, size.cy, RGB(1, 2, 3));
        one.PrintClient(&c.dc, PRF_CLIENT);
        CRect rcClient(CPoint(0, 0), size);
        const CRect rcBand = CExtTabOneNoteWnd::BandRect(rcClient, one.GetItemsArea(), o);
        ASSERT_FALSE(rcBand.IsRectEmpty()) << o;
        EXPECT_EQ(c.At(rcBand.CenterPoint().x, rcBand.CenterPoint().y), (COLORREF)0xE4A88A) << o;
        const CRect rcLine = CExtTabOneNoteWnd::EdgeLineRect(one.GetItemsArea(), o);
        const CPoint ptLine = bHorz ? CPoint(rcLine.right - 3, rcLine.top) : CPoint(rcLine.left, rcLine.bottom - 3);
        EXPECT_EQ(c.At(ptLine.x, ptLine.y), g_PaintManagerHolder->GetTranslatedColor(COLOR_3DSHADOW, &one)) << o;
        // Selecting the second tab takes its pair.
        one.SelectionSet(1);
        one.PrintClient(&c.dc, PRF_CLIENT);
        EXPECT_EQ(c.At(rcBand.CenterPoint().x, rcBand.CenterPoint().y), (COLORREF)0x69D8FF) << o;
        one.DestroyWindow();
    }
}
