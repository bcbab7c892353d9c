// Glyph painting, the small glyph metrics, the popup menu's expand item and the tool bar's
// content-expand button in every style, on DIB pixels and on tool bars docked in a real frame.
#include "BarMenuPainterSupport.h"
#include "toolkit/bars_tabs/ExtBarContentExpandButton.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
#include <gtest/gtest.h>

using namespace barmenupainters;

namespace
{

const COLORREF kWhite = RGB(255, 255, 255), kRed = RGB(255, 0, 0);

} // namespace

TEST(PaintGlyph, SetsTheGlyphsPixelsAndLeavesIndexZeroAlone)
{
    auto pm = Make(1);
    DibCanvas c(40, 40, kWhite);
    const COLORREF clrs[2] = {RGB(1, 2, 3), kRed};
    pm->PaintGlyph(c.dc, 10, 12, g_glyphExpandArrowH, clrs);
    for (int y = 0; y < g_glyphExpandArrowH.GetHeight(); y++)
        for (int x = 0; x < g_glyphExpandArrowH.GetWidth(); x++)
            EXPECT_EQ(c.At(10 + x, 12 + y), g_glyphExpandArrowH.GetPixel(x, y) != 0 ? kRed : kWhite) << x << "," << y;
    EXPECT_EQ(CountColor(c, CRect(0, 0, 40, 40), kRed), 9); // 5 + 3 + 1
}

TEST(PaintGlyph, AGlyphOutsideTheClipSetsNothing)
{
    auto pm = Make(2);
    DibCanvas c(40, 40, kWhite);
    const COLORREF clrs[2] = {0, kRed};
    ::IntersectClipRect(c.dc.GetSafeHdc(), 0, 0, 10, 10);
    pm->PaintGlyph(c.dc, 20, 20, g_glyphExpandChevronH, clrs);
    EXPECT_EQ(CountColor(c, CRect(0, 0, 40, 40), kRed), 0);
    // Partly inside: only the visible part is set.
    pm->PaintGlyph(c.dc, 7, 7, g_glyphExpandArrowH, clrs);
    EXPECT_EQ(CountColor(c, CRect(0, 0, 40, 40), kRed), 3 + 3); // rows 0 and 1 up to x = 9
    EXPECT_EQ(CountColor(c, CRect(10, 0, 40, 40), kRed), 0);
}

TEST(PaintGlyphCentered, SmallRectanglesOverhangEquallyTruncatingTowardTheTopLeft)
{
    auto pm = Make(1);
    const COLORREF clrs[2] = {0, kRed};
    struct
    {
        CRect rc;
        CPoint pt;
    } cases[] = {{CRect(10, 10, 13, 12), CPoint(10 + (3 - 5) / 2, 10 + (2 - 3) / 2)}, // (9, 10)
                 {CRect(10, 10, 18, 15), CPoint(11, 11)},
                 {CRect(18, 15, 10, 10), CPoint(11, 11)}}; // normalised first
    for (const auto& t : cases)
    {
        DibCanvas c(40, 40, kWhite);
        pm->PaintGlyphCentered(c.dc, t.rc, g_glyphExpandArrowH, clrs);
        EXPECT_TRUE(GlyphShows(c, g_glyphExpandArrowH, t.pt.x, t.pt.y, kRed)) << t.pt.x << "," << t.pt.y;
        EXPECT_EQ(CountColor(c, CRect(0, 0, 40, 40), kRed), 9);
    }
    DibCanvas c(40, 40, kWhite);
    pm->PaintGlyphCentered(c.dc, CRect(10, 10, 10, 20), g_glyphExpandArrowH, clrs);
    EXPECT_EQ(CountColor(c, CRect(0, 0, 40, 40), kRed), 0);
}

TEST(GlyphMetrics, CheckMarkWidthExtraSizeAndPushedOffsetPerStyle)
{
    const int nCheck = ::GetSystemMetrics(SM_CYMENUCHECK);
    EXPECT_EQ(CExtPaintManagerOffice2003::CheckMarkWidthAtLeast18(13), 18);
    EXPECT_EQ(CExtPaintManagerOffice2003::CheckMarkWidthAtLeast18(20), 20);
    for (int nKind = 1; nKind <= 4; nKind++)
    {
        auto pm = Make(nKind);
        const bool b2003 = nKind >= 3;
        EXPECT_EQ(pm->GetMenuCheckMarkWidth(), b2003 ? std::max(nCheck, 18) : nCheck) << nKind;
        EXPECT_EQ(pm->GetBarButtonExtraSize(), b2003 ? CSize(4, 4) : CSize(0, 0)) << nKind;
        CSize size(7, 7);
        pm->GetPushedOffset(size);
        EXPECT_EQ(size, nKind == 1 ? CSize(1, 1) : CSize(0, 0)) << nKind;
    }
}

// ---- menu expand item -------------------------------------------------------------------------

TEST(MenuExpandButton, BaseSelectedIsAHalfToneRaisedBoxWithTheChevron)
{
    auto pm = Make(1);
    DibCanvas c(40, 20, kWhite), ref(40, 20, kWhite);
    pm->PaintMenuExpandButton(c.dc, CRect(0, 0, 40, 20), true, false, nullptr, 0);
    ::FillRect(ref.dc.GetSafeHdc(), CRect(0, 0, 40, 20), (HBRUSH)pm->m_brushLight50.GetSafeHandle());
    EXPECT_EQ(c.At(0, 5), kWhite);
    EXPECT_EQ(c.At(39, 5), kWhite);
    EXPECT_EQ(c.At(1, 0), pm->GetTranslatedColor(XCLR_HILIGHT_NORMAL));
    EXPECT_EQ(c.At(38, 19), pm->GetTranslatedColor(XCLR_SHADOW_NORMAL));
    EXPECT_EQ(c.At(4, 4), ref.At(4, 4));
    const CExtPaintManagerGlyph& g = g_glyphExpandChevronV;
    EXPECT_TRUE(GlyphShows(c, g, 1 + (38 - g.GetWidth()) / 2, (20 - g.GetHeight()) / 2,
                           pm->GetTranslatedColor(XCLR_TEXT_NORMAL)));
}

TEST(MenuExpandButton, BaseIdleIsAnEmptyMenuItem)
{
    auto pm = Make(1);
    DibCanvas c(40, 20, kWhite);
    pm->PaintMenuExpandButton(c.dc, CRect(0, 0, 40, 20), false, false, nullptr, 0);
    EXPECT_EQ(c.At(0, 0), pm->GetTranslatedColor(XCLR_FACE_NORMAL)); // the row is the whole rectangle
    EXPECT_EQ(c.At(2, 2), pm->GetTranslatedColor(XCLR_FACE_NORMAL));
}

TEST(MenuExpandButton, XpTakesTheLastItemsIconBoxWidth)
{
    auto pm = Make(2);
    const COLORREF clrColumn = pm->GetTranslatedColor(XCLR_FACE_NORMAL);
    const COLORREF clrMenu = pm->GetTranslatedColor(XCLR_FACE_ALT);
    ASSERT_NE(clrColumn, clrMenu);
    CTestPopup popup;
    popup.AddItem(10, 0);
    popup.AddItem(24, 0);
    DibCanvas c(60, 20, kWhite);
    pm->PaintMenuExpandButton(c.dc, CRect(0, 0, 60, 20), false, false, &popup, 0);
    EXPECT_EQ(c.At(1 + 23, 1), clrColumn);
    EXPECT_EQ(c.At(1 + 24, 1), clrMenu);
    // An item without an icon box gives no column.
    CTestPopup noBox;
    noBox.AddItem(24, CExtPopupMenuWnd::MENUITEMDATA::kFlagNoIconBox);
    DibCanvas c2(60, 20, kWhite);
    pm->PaintMenuExpandButton(c2.dc, CRect(0, 0, 60, 20), false, false, &noBox, 0);
    EXPECT_EQ(c2.At(5, 1), clrMenu);
    // An empty popup, or none at all, gives no column either.
    CTestPopup empty;
    DibCanvas c3(60, 20, kWhite);
    pm->PaintMenuExpandButton(c3.dc, CRect(0, 0, 60, 20), false, false, &empty, 0);
    EXPECT_EQ(c3.At(5, 1), clrMenu);
    const CExtPaintManagerGlyph& g = g_glyphExpandChevronV;
    EXPECT_TRUE(GlyphShows(c, g, 1 + (58 - g.GetWidth()) / 2, (20 - g.GetHeight()) / 2,
                           pm->GetTranslatedColor(XCLR_TEXT_NORMAL)));
}

TEST(MenuExpandButton, XpSelectedIsAPushedFlatButton)
{
    auto pm = Make(2);
    DibCanvas c(40, 20, kWhite);
    pm->PaintMenuExpandButton(c.dc, CRect(0, 0, 40, 20), true, false, nullptr, 0);
    EXPECT_EQ(c.At(1, 0), pm->GetTranslatedColor(XCLR_HILIGHT_DISABLED));
    EXPECT_EQ(c.At(38, 19), pm->GetTranslatedColor(XCLR_HILIGHT_DISABLED));
    EXPECT_EQ(c.At(3, 3), pm->GetTranslatedColor(XCLR_FACE_ACTIVE));
    EXPECT_EQ(c.At(0, 3), kWhite);
}

TEST(MenuExpandButton, Office2003DiscFollowsTheTableAndKeepsItsCorners)
{
    for (int nKind : {3, 5})
    {
        auto pm = Make(nKind);
        const COLORREF a = pm->GetTranslatedColor(XCLR_O2003_34), b = pm->GetTranslatedColor(XCLR_O2003_35);
        DibCanvas c(42, 20, kWhite);
        pm->PaintMenuExpandButton(c.dc, CRect(0, 0, 42, 20), false, false, nullptr, 0);
        const CRect rcWork(1, 0, 41, 20);
        const int x0 = rcWork.left + (rcWork.Width() - 16) / 2, y0 = (20 - 16) / 2;
        const CExtPaintManagerGlyph& g = g_glyphExpandChevronV;
        const int gx = rcWork.left + (rcWork.Width() - g.GetWidth()) / 2, gy = (20 - g.GetHeight()) / 2;
        const COLORREF clrBackground = c.At(2, 1);
        int nChecked = 0;
        for (int x = 0; x < 16; x++)
            for (int y = 0; y < 16; y++)
            {
                if (g.GetPixel(x0 + x - gx, y0 + y - gy) != 0)
                    continue; // the chevron lies over the disc
                const int nIntensity = CExtPaintManagerOffice2003::ExpandDiscIntensity(x, y);
                const COLORREF expected =
                    nIntensity == 255 ? clrBackground : CExtPaintManagerOffice2003::ExpandDiscColor(a, b, nIntensity);
                EXPECT_EQ(c.At(x0 + x, y0 + y), expected) << StyleName(nKind) << " " << x << "," << y;
                nChecked++;
            }
        EXPECT_GT(nChecked, 200);
        EXPECT_TRUE(GlyphShows(c, g, gx, gy, pm->GetTranslatedColor(XCLR_TEXT_NORMAL)));
    }
    // The table's own values: the corners are transparent, the darkest entries give a.
    EXPECT_EQ(CExtPaintManagerOffice2003::ExpandDiscIntensity(0, 0), 255);
    EXPECT_EQ(CExtPaintManagerOffice2003::ExpandDiscIntensity(8, 15), 0);
    EXPECT_EQ(CExtPaintManagerOffice2003::ExpandDiscIntensity(0, 5), 234);
    EXPECT_EQ(CExtPaintManagerOffice2003::ExpandDiscColor(RGB(10, 20, 30), RGB(200, 100, 50), 0), RGB(200, 100, 50));
    EXPECT_EQ(CExtPaintManagerOffice2003::ExpandDiscColor(RGB(10, 20, 30), RGB(200, 100, 50), 255), RGB(10, 20, 30));
    EXPECT_EQ(CExtPaintManagerOffice2003::ExpandDiscColor(RGB(10, 20, 30), RGB(200, 100, 50), 90),
              RGB(200 - 190 * 90 / 255, 100 - 80 * 90 / 255, 50 - 20 * 90 / 255));
}

TEST(MenuExpandButton, Office2003OddWidthLosesItsLastColumnAndLowColourDrawsTheXpForm)
{
    auto pm = Make(3);
    const CExtPaintManagerGlyph& g = g_glyphExpandChevronV;
    DibCanvas c(43, 20, kWhite);
    pm->PaintMenuExpandButton(c.dc, CRect(0, 0, 43, 20), false, false, nullptr, 0);
    // Working rectangle (0, 0, 42, 20) shrunk by one on each side.
    const int gx = 1 + (40 - g.GetWidth()) / 2;
    EXPECT_TRUE(GlyphShows(c, g, gx, (20 - g.GetHeight()) / 2, pm->GetTranslatedColor(XCLR_TEXT_NORMAL)));

    painthost::ScopedBitsPerPixel depth(8);
    DibCanvas low(43, 20, kWhite);
    pm->PaintMenuExpandButton(low.dc, CRect(0, 0, 43, 20), false, false, nullptr, 0);
    // The XP drawing: no odd-width correction, and the style's own (Office 2003) chevron.
    const CExtPaintManagerGlyph& gXp = g_glyphExpandChevronV2003;
    const int gxXp = 1 + (41 - gXp.GetWidth()) / 2;
    EXPECT_TRUE(GlyphShows(low, gXp, gxXp, (20 - gXp.GetHeight()) / 2, pm->GetTranslatedColor(XCLR_TEXT_NORMAL)));
    const COLORREF a = pm->GetTranslatedColor(XCLR_O2003_34), b = pm->GetTranslatedColor(XCLR_O2003_35);
    const COLORREF clrDarkest = CExtPaintManagerOffice2003::ExpandDiscColor(a, b, 0);
    EXPECT_EQ(CountColor(low, CRect(0, 0, 43, 20), clrDarkest), CountColor(low, CRect(0, 0, 43, 20), b));
}

// ---- content-expand button -------------------------------------------------------------------

namespace
{

// Where the arrow and chevron glyphs land by the gap rule (d = 3 here).
void ExpectedGlyphs(const CRect& rc, bool bHorizontal, const CExtPaintManagerGlyph& arrow,
                    const CExtPaintManagerGlyph& chevron, CSize pushed, int nShift, CPoint& ptArrow, CPoint& ptChevron)
{
    const int d = 3;
    CRect ra(rc.TopLeft(), arrow.GetSize());
    ra.OffsetRect(pushed);
    CRect rcv(ra);
    if (bHorizontal)
    {
        ra.OffsetRect((rc.Width() - arrow.GetWidth()) / 2, rc.Height() - arrow.GetHeight() - d);
        rcv.OffsetRect((rc.Width() - arrow.GetWidth()) / 2 + nShift, d);
    }
    else
    {
        ra.OffsetRect(d, (rc.Height() - arrow.GetHeight()) / 2);
        rcv.OffsetRect(rc.Width() - arrow.GetWidth() - d, (rc.Height() - arrow.GetHeight()) / 2 + nShift);
    }
    ptArrow = CPoint(ra.left + (ra.Width() - arrow.GetWidth()) / 2, ra.top + (ra.Height() - arrow.GetHeight()) / 2);
    ptChevron =
        CPoint(rcv.left + (rcv.Width() - chevron.GetWidth()) / 2, rcv.top + (rcv.Height() - chevron.GetHeight()) / 2);
}

} // namespace

TEST(ContentExpandButton, BaseArrowAndChevronFollowTheGapRuleAndThePushedOffset)
{
    auto pm = Make(1);
    const COLORREF clrText = pm->GetTranslatedColor(XCLR_TEXT_NORMAL);
    for (bool bHorizontal : {true, false})
        for (bool bPushed : {false, true})
        {
            const CRect rc = bHorizontal ? CRect(10, 5, 30, 35) : CRect(10, 5, 40, 25);
            const CExtPaintManagerGlyph& arrow = bHorizontal ? g_glyphExpandArrowH : g_glyphExpandArrowV;
            const CExtPaintManagerGlyph& chevron = bHorizontal ? g_glyphExpandChevronH : g_glyphExpandChevronV;
            DibCanvas c(50, 50, kWhite);
            pm->PaintContentExpandButton(c.dc, rc, bHorizontal, false, true, bPushed, false, nullptr, 0, false);
            CPoint ptArrow, ptChevron;
            ExpectedGlyphs(rc, bHorizontal, arrow, chevron, bPushed ? CSize(1, 1) : CSize(0, 0), 0, ptArrow, ptChevron);
            EXPECT_TRUE(GlyphShows(c, arrow, ptArrow.x, ptArrow.y, clrText)) << bHorizontal << bPushed;
            EXPECT_TRUE(GlyphShows(c, chevron, ptChevron.x, ptChevron.y, clrText)) << bHorizontal << bPushed;
            // The button body around them: a flat button, framed sunken when pushed.
            EXPECT_EQ(c.At(rc.left, rc.top),
                      bPushed ? pm->GetTranslatedColor(XCLR_SHADOW_ACTIVE) : pm->GetTranslatedColor(XCLR_FACE_NORMAL));
        }
}

TEST(ContentExpandButton, AllVisibleDrawsOnlyTheArrow)
{
    for (int nKind : {1, 2})
    {
        auto pm = Make(nKind);
        const CRect rc(10, 5, 30, 35);
        DibCanvas c(50, 50, kWhite);
        pm->PaintContentExpandButton(c.dc, rc, true, true, true, false, false, nullptr, 0, false);
        const COLORREF clrText = pm->GetTranslatedColor(XCLR_TEXT_NORMAL);
        EXPECT_EQ(CountColor(c, rc, clrText), 9) << nKind; // the arrow's pixels alone
    }
}

TEST(ContentExpandButton, DisabledIsEngravedInTheBaseStyleAndFlatInXp)
{
    const CRect rc(10, 5, 30, 35);
    CPoint ptArrow, ptChevron;
    ExpectedGlyphs(rc, true, g_glyphExpandArrowH, g_glyphExpandChevronH, CSize(0, 0), 0, ptArrow, ptChevron);
    {
        auto pm = Make(1);
        DibCanvas c(50, 50, kWhite);
        pm->PaintContentExpandButton(c.dc, rc, true, false, false, false, false, nullptr, 0, false);
        const COLORREF clrShadow = pm->GetTranslatedColor(COLOR_3DSHADOW);
        const COLORREF clrHilight = pm->GetTranslatedColor(COLOR_3DHILIGHT);
        EXPECT_TRUE(GlyphShows(c, g_glyphExpandArrowH, ptArrow.x, ptArrow.y, clrShadow));
        EXPECT_EQ(c.At(ptArrow.x + 5, ptArrow.y + 1), clrHilight); // the highlight copy shows right and down
        EXPECT_EQ(c.At(ptArrow.x + 3, ptArrow.y + 3), clrHilight);
        EXPECT_EQ(CountColor(c, CRect(rc.left, rc.top, rc.right, rc.top + 12), clrShadow), 0); // no chevron
    }
    {
        auto pm = Make(2);
        DibCanvas c(50, 50, kWhite);
        pm->PaintContentExpandButton(c.dc, rc, true, false, false, false, false, nullptr, 0, false);
        const COLORREF clrShadow = pm->GetTranslatedColor(COLOR_3DSHADOW);
        EXPECT_TRUE(GlyphShows(c, g_glyphExpandArrowH, ptArrow.x, ptArrow.y, clrShadow));
        EXPECT_EQ(CountColor(c, rc, clrShadow), 9);
        EXPECT_EQ(CountColor(c, rc, pm->GetTranslatedColor(COLOR_3DHILIGHT)), 0);
    }
}

TEST(ContentExpandButton, XpChevronSitsOnePixelFurtherAndOffice2003SwapsVerticalGlyphs)
{
    {
        auto pm = Make(2);
        const CRect rc(10, 5, 30, 35);
        DibCanvas c(50, 50, kWhite);
        pm->PaintContentExpandButton(c.dc, rc, true, false, true, false, false, nullptr, 0, false);
        CPoint ptArrow, ptChevron;
        ExpectedGlyphs(rc, true, g_glyphExpandArrowH, g_glyphExpandChevronH, CSize(0, 0), 1, ptArrow, ptChevron);
        const COLORREF clrText = pm->GetTranslatedColor(XCLR_TEXT_NORMAL);
        EXPECT_TRUE(GlyphShows(c, g_glyphExpandChevronH, ptChevron.x, ptChevron.y, clrText));
        EXPECT_FALSE(GlyphShows(c, g_glyphExpandChevronH, ptChevron.x - 1, ptChevron.y, clrText));
    }
    {
        auto pm = Make(3); // no tool bar behind it: the XP drawing with the Office 2003 glyphs
        const CRect rc(10, 5, 40, 25);
        DibCanvas c(50, 50, kWhite);
        pm->PaintContentExpandButton(c.dc, rc, false, false, true, false, false, nullptr, 0, false);
        CPoint ptArrow, ptChevron;
        ExpectedGlyphs(rc, false, g_glyphExpandArrowV2003, g_glyphExpandChevronV2003, CSize(0, 0), 1, ptArrow,
                       ptChevron);
        // Exchanged: the arrow stands where the chevron would and the other way round.
        CRect ra(rc.TopLeft(), g_glyphExpandArrowV2003.GetSize()), rcv(ra);
        ra.OffsetRect(3, (rc.Height() - ra.Height()) / 2);
        rcv.OffsetRect(rc.Width() - rcv.Width() - 3, (rc.Height() - rcv.Height()) / 2 + 1);
        const COLORREF clrText = pm->GetTranslatedColor(XCLR_TEXT_NORMAL);
        EXPECT_TRUE(GlyphShows(c, g_glyphExpandArrowV2003, rcv.left, rcv.top, clrText));
        const CExtPaintManagerGlyph& ch = g_glyphExpandChevronV2003;
        EXPECT_TRUE(GlyphShows(c, ch, ra.left + (ra.Width() - ch.GetWidth()) / 2,
                               ra.top + (ra.Height() - ch.GetHeight()) / 2, clrText));
    }
}

TEST(ContentExpandButton, Office2003OnADockedGradientToolBarPaintsTheHotAndPushedGradients)
{
    DockedBars bars;
    ASSERT_TRUE(bars.IsValid());
    auto pm = Make(5);
    for (bool bHorizontal : {true, false})
    {
        CExtToolControlBar& bar = bHorizontal ? bars.m_barTop : bars.m_barLeft;
        ASSERT_TRUE(pm->IsToolBarGradientArea(&bar));
        CExtBarContentExpandButton chevron(&bar);
        const CRect rc = bHorizontal ? CRect(180, 0, 200, 26) : CRect(0, 180, 26, 200);
        const int nFrom = bHorizontal ? XCLR_O2003_06 : XCLR_O2003_08;
        const int nTo = bHorizontal ? XCLR_O2003_07 : XCLR_O2003_09;
        const COLORREF clrFrom = pm->GetTranslatedColor(nFrom), clrTo = pm->GetTranslatedColor(nTo);
        ASSERT_FALSE(painthost::Near(clrFrom, clrTo, 8));
        for (bool bPushed : {false, true})
        {
            DibCanvas c(220, 220, kWhite);
            pm->PaintContentExpandButton(c.dc, rc, bHorizontal, true, true, bPushed, !bPushed, &chevron, 0, false);
            const COLORREF clrStart = bPushed ? clrTo : clrFrom, clrEnd = bPushed ? clrFrom : clrTo;
            // Sampled away from the glyphs: the first and last line of the face.
            const CPoint ptStart = bHorizontal ? CPoint(rc.left + 2, rc.top + 1) : CPoint(rc.left + 1, rc.top + 2);
            const CPoint ptEnd = bHorizontal ? CPoint(rc.left + 2, rc.bottom - 2) : CPoint(rc.right - 2, rc.top + 2);
            EXPECT_TRUE(painthost::Near(c.At(ptStart.x, ptStart.y), clrStart, 8))
                << bHorizontal << bPushed << " " << painthost::ColorText(c.At(ptStart.x, ptStart.y));
            EXPECT_TRUE(painthost::Near(c.At(ptEnd.x, ptEnd.y), clrEnd, 8))
                << bHorizontal << bPushed << " " << painthost::ColorText(c.At(ptEnd.x, ptEnd.y));
            // The glyph twice: in 3013 one pixel right and down, then in 3012.
            const CExtPaintManagerGlyph& arrow = bHorizontal ? g_glyphExpandArrowH2003 : g_glyphExpandArrowV2003;
            const auto found = FindGlyph(c, arrow, pm->GetTranslatedColor(XCLR_O2003_12), rc);
            ASSERT_EQ(found.size(), 1u) << bHorizontal << bPushed;
            int nShadow = 0;
            for (int y = 0; y < arrow.GetHeight(); y++)
                for (int x = 0; x < arrow.GetWidth(); x++)
                    if (arrow.GetPixel(x, y) != 0 && arrow.GetPixel(x + 1, y + 1) == 0)
                    {
                        EXPECT_EQ(c.At(found[0].x + x + 1, found[0].y + y + 1), pm->GetTranslatedColor(XCLR_O2003_13));
                        nShadow++;
                    }
            EXPECT_GT(nShadow, 0);
        }
    }
}

TEST(ContentExpandButton, Office2003ChevronWithoutABarKeepsTheXpLook)
{
    auto pm = Make(5);
    CExtBarContentExpandButton detached(nullptr);
    const CRect rc(10, 5, 30, 35);
    DibCanvas c(50, 50, kWhite);
    pm->PaintContentExpandButton(c.dc, rc, true, true, true, false, true, &detached, 0, false);
    // The XP look: a framed hot button with the arrow in the text colour, no shadow copy.
    EXPECT_EQ(c.At(rc.left, rc.top), pm->GetTranslatedColor(XCLR_HILIGHT_DISABLED));
    EXPECT_EQ(FindGlyph(c, g_glyphExpandArrowH2003, pm->GetTranslatedColor(XCLR_TEXT_NORMAL), rc).size(), 1u);
    EXPECT_EQ(CountColor(c, rc, pm->GetTranslatedColor(XCLR_O2003_13)), 0);
}
