// Popup-menu painting: items (rarely used runs, icon column, selection, check and radio marks,
// accelerators, sub-menu arrows), separators, the menu border and the combined border, and the menu
// metrics, in the base, XP and Office 2003 forms.
#include "BarMenuPainterSupport.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <vector>

using namespace barmenupainters;

namespace
{

typedef CExtPaintManager::MenuItemPaintData MI;
const COLORREF kWhite = RGB(255, 255, 255);

MI Item(const CRect& rc, int nIconArea, LPCTSTR pszText, LPCTSTR pszAccel, bool bSelected, bool bChecked, bool bRadio,
        bool bRarely = false, bool bPrev = false, bool bNext = false, bool bPopup = false)
{
    return MI(nullptr, rc, rc, nIconArea, pszText, pszAccel, nullptr, bPopup, bSelected, bChecked, bRadio, false, true,
              bRarely, bPrev, bNext, 100);
}

} // namespace

TEST(MenuMetrics, GapsBordersAndCombiningPerStyle)
{
    for (int nKind = 1; nKind <= 4; nKind++)
    {
        auto pm = Make(nKind);
        EXPECT_EQ(pm->GetMetric47(), 4);
        EXPECT_EQ(pm->GetMetric48(), nKind == 1 ? 2 : 1);
        EXPECT_EQ(pm->GetPopupMenuItemGap(), nKind == 1 ? 6 : 1);
        EXPECT_EQ(pm->IsMenuCombinedWithOwner(), nKind != 1);
    }
}

TEST(MenuItem, AnEmptyItemOrSeparatorDrawsNothing)
{
    for (int nKind = 1; nKind <= 3; nKind++)
    {
        auto pm = Make(nKind);
        DibCanvas c(60, 30, kWhite);
        MI mi(nullptr, CRect(0, 0, 0, 20), CRect(0, 0, 60, 20), 20, L"x", L"", nullptr, false, true, true, false, false,
              true, false, false, false, 1);
        pm->PaintMenuItem(c.dc, mi);
        pm->PaintMenuSeparator(c.dc, CRect(0, 5, 60, 5), 20, false, nullptr, 0);
        EXPECT_EQ(CountColor(c, CRect(0, 0, 60, 30), kWhite), 60 * 30) << nKind;
    }
}

TEST(MenuItem, BaseRarelyUsedRunsHaveTheirLinesOnlyAtTheirEnds)
{
    auto pm = Make(1);
    const COLORREF clrShadow = pm->GetTranslatedColor(COLOR_3DSHADOW);
    const COLORREF clrHilight = pm->GetTranslatedColor(COLOR_3DHILIGHT);
    DibCanvas c(100, 60, kWhite), ref(100, 60, kWhite);
    ::FillRect(ref.dc.GetSafeHdc(), CRect(0, 0, 100, 60), (HBRUSH)pm->m_brushLight50.GetSafeHandle());
    for (int i = 0; i < 3; i++)
    {
        MI mi = Item(CRect(0, i * 20, 100, i * 20 + 20), 0, L"", L"", false, false, false, true, i > 0, i < 2);
        pm->PaintMenuItem(c.dc, mi);
    }
    EXPECT_EQ(c.At(50, 0), clrShadow);
    EXPECT_EQ(c.At(50, 20), ref.At(50, 20)); // no line between the run's items
    EXPECT_EQ(c.At(50, 19), ref.At(50, 19));
    EXPECT_EQ(c.At(50, 39), ref.At(50, 39));
    EXPECT_EQ(c.At(50, 40), ref.At(50, 40));
    EXPECT_EQ(c.At(50, 59), clrHilight);
    EXPECT_EQ(c.At(50, 30), ref.At(50, 30));
    // A selected rarely used item takes the selection colour.
    MI sel = Item(CRect(0, 20, 100, 40), 0, L"", L"", true, false, false, true, true, true);
    pm->PaintMenuItem(c.dc, sel);
    EXPECT_EQ(c.At(50, 30), pm->GetTranslatedColor(COLOR_HIGHLIGHT));
}

TEST(MenuSeparator, BaseEtchedLineAndTheFlatTopRowOfARarelyUsedOne)
{
    auto pm = Make(1);
    const int nIndent = ::GetSystemMetrics(SM_CXSMICON) / 2;
    DibCanvas c(100, 20, kWhite), ref(100, 20, kWhite);
    pm->PaintMenuSeparator(c.dc, CRect(0, 0, 100, 10), 20, false, nullptr, 0);
    const int yTop = (10 - 2) / 2;
    EXPECT_EQ(c.At(nIndent + 5, yTop), pm->GetTranslatedColor(XCLR_SHADOW_NORMAL));
    EXPECT_EQ(c.At(nIndent + 5, yTop + 1), pm->GetTranslatedColor(XCLR_HILIGHT_NORMAL));
    EXPECT_EQ(c.At(nIndent - 1, yTop), pm->GetTranslatedColor(XCLR_FACE_NORMAL));
    pm->PaintMenuSeparator(c.dc, CRect(0, 10, 100, 20), 20, true, nullptr, 0);
    ::FillRect(ref.dc.GetSafeHdc(), CRect(0, 0, 100, 20), (HBRUSH)pm->m_brushLight50.GetSafeHandle());
    EXPECT_EQ(c.At(2, 12), ref.At(2, 12));
    EXPECT_EQ(c.At(nIndent + 5, 10 + yTop), pm->GetTranslatedColor(XCLR_FACE_NORMAL));
    EXPECT_EQ(c.At(nIndent + 5, 10 + yTop + 1), pm->GetTranslatedColor(XCLR_HILIGHT_NORMAL));
}

TEST(MenuItem, Office2003IconColumnRunsFrom3015Through3017To3016OnTheMenuBackground)
{
    auto pm = Make(5);
    const COLORREF c15 = pm->GetTranslatedColor(XCLR_O2003_15), c16 = pm->GetTranslatedColor(XCLR_O2003_16);
    const COLORREF c17 = pm->GetTranslatedColor(XCLR_O2003_17);
    DibCanvas c(160, 24, kWhite);
    MI mi = Item(CRect(0, 0, 160, 24), 30, L"", L"", false, false, false);
    pm->PaintMenuItem(c.dc, mi);
    EXPECT_TRUE(painthost::Near(c.At(0, 12), c15, 8)) << painthost::ColorText(c.At(0, 12));
    EXPECT_TRUE(painthost::Near(c.At(29, 12), c16, 8)) << painthost::ColorText(c.At(29, 12));
    EXPECT_TRUE(painthost::Near(c.At(15, 12), c17, 8)) << painthost::ColorText(c.At(15, 12));
    EXPECT_EQ(c.At(30, 12), pm->GetTranslatedColor(XCLR_FACE_ALT));
    EXPECT_EQ(c.At(159, 0), pm->GetTranslatedColor(XCLR_FACE_ALT));
    // No icon column: the whole row in the menu background.
    DibCanvas n(160, 24, kWhite);
    MI none = Item(CRect(0, 0, 160, 24), 30, L"", L"", false, false, false);
    none.m_bNoIconColumn = true;
    pm->PaintMenuItem(n.dc, none);
    EXPECT_EQ(n.At(0, 12), pm->GetTranslatedColor(XCLR_FACE_ALT));
    // At 8 bits per pixel the column is one colour.
    painthost::ScopedBitsPerPixel depth(8);
    DibCanvas low(160, 24, kWhite);
    pm->PaintMenuItem(low.dc, mi);
    EXPECT_EQ(low.At(0, 12), pm->GetTranslatedColor(XCLR_FACE_NORMAL));
    EXPECT_EQ(low.At(29, 12), pm->GetTranslatedColor(XCLR_FACE_NORMAL));
}

TEST(MenuItem, XpSelectionIsFramedAndFilledWithTheActiveFace)
{
    auto pm = Make(2);
    DibCanvas c(160, 24, kWhite);
    MI mi = Item(CRect(0, 0, 160, 24), 24, L"Open", L"", true, false, false);
    pm->PaintMenuItem(c.dc, mi);
    const COLORREF clrFrame = pm->GetTranslatedColor(XCLR_HILIGHT_DISABLED);
    for (CPoint pt : {CPoint(0, 0), CPoint(159, 0), CPoint(0, 23), CPoint(159, 23), CPoint(80, 0), CPoint(80, 23)})
        EXPECT_EQ(c.At(pt.x, pt.y), clrFrame);
    EXPECT_EQ(c.At(2, 2), pm->GetTranslatedColor(XCLR_FACE_ACTIVE));
    EXPECT_EQ(c.At(150, 20), pm->GetTranslatedColor(XCLR_FACE_ACTIVE));
}

TEST(MenuItem, CheckAndRadioMarksSitThreePixelsUpAndLeftOfTheBoxCentre)
{
    DibCanvas refCheck(40, 40, kWhite), refRadio(40, 40, kWhite);
    CExtPaintManager::PaintCheckMark(refCheck.dc, 10, 10, RGB(0, 0, 0));
    CExtPaintManager::PaintRadioDot(refRadio.dc, 10, 10, RGB(0, 0, 0));
    const CRect boxCheck = BoxOf(refCheck, CRect(0, 0, 40, 40), RGB(0, 0, 0));
    const CRect boxRadio = BoxOf(refRadio, CRect(0, 0, 40, 40), RGB(0, 0, 0));
    for (int nKind = 1; nKind <= 3; nKind++)
    {
        auto pm = Make(nKind);
        const COLORREF clrMark = pm->GetTranslatedColor(XCLR_TEXT_NORMAL);
        for (bool bRadio : {false, true})
        {
            DibCanvas c(160, 24, kWhite);
            MI mi = Item(CRect(0, 0, 160, 24), 24, L"", L"", false, !bRadio, bRadio);
            pm->PaintMenuItem(c.dc, mi);
            const CPoint centre = CRect(0, 0, 24, 24).CenterPoint();
            const CRect& ref = bRadio ? boxRadio : boxCheck;
            const CRect box = BoxOf(c, CRect(0, 0, 24, 24), clrMark);
            EXPECT_EQ(box.TopLeft(), CPoint(centre.x - 3 + ref.left - 10, centre.y - 3 + ref.top - 10))
                << StyleName(nKind) << bRadio;
            EXPECT_EQ(box.Size(), ref.Size()) << StyleName(nKind) << bRadio;
        }
    }
    // The base box is half-tone with a sunken frame.
    auto pm = Make(1);
    DibCanvas c(160, 24, kWhite);
    MI mi = Item(CRect(0, 0, 160, 24), 24, L"", L"", false, true, false);
    pm->PaintMenuItem(c.dc, mi);
    EXPECT_EQ(c.At(0, 0), pm->GetTranslatedColor(XCLR_SHADOW_NORMAL));
    EXPECT_EQ(c.At(23, 23), pm->GetTranslatedColor(XCLR_HILIGHT_NORMAL));
}

TEST(MenuItem, TheAcceleratorEndsSixteenPixelsBeforeTheTextAreasEnd)
{
    for (int nKind = 1; nKind <= 2; nKind++)
    {
        auto pm = Make(nKind);
        DibCanvas c(200, 24, kWhite);
        MI mi = Item(CRect(0, 0, 200, 24), 24, L"", L"Ctrl+M", false, false, false);
        pm->PaintMenuItem(c.dc, mi);
        const CRect box = InkBox(c, CRect(24, 0, 200, 24), c.At(199, 1));
        ASSERT_LT(box.left, box.right) << nKind;
        // The same text drawn at x = 0: how far its ink ends before its measured width.
        DibCanvas ref(200, 24, kWhite);
        CFont* pOld = ref.dc.SelectObject(&pm->m_fontNormal);
        CRect rcCalc(0, 0, 0, 0);
        ref.dc.DrawText(L"Ctrl+M", -1, &rcCalc, DT_CALCRECT | DT_SINGLELINE);
        CRect rcRef(0, 0, 200, 24);
        ref.dc.DrawText(L"Ctrl+M", -1, &rcRef, DT_SINGLELINE);
        ref.dc.SelectObject(pOld);
        const int nBearing = rcCalc.Width() - InkBox(ref, CRect(0, 0, 200, 24), kWhite).right;
        EXPECT_EQ(box.right, 200 - 3 - 16 - nBearing) << nKind;
    }
}

TEST(MenuItem, SubmenuArrowsAreGlyphsOrMarlettCharacters)
{
    for (int nKind = 1; nKind <= 2; nKind++)
    {
        auto pm = Make(nKind);
        const CRect rcArrow(200 - 3 - 16, 3, 200 - 3, 21);
        for (bool bSelected : {false, true})
        {
            const COLORREF clrArrow = pm->GetTranslatedColor(bSelected ? COLOR_HIGHLIGHTTEXT : XCLR_TEXT_NORMAL);
            for (bool bApart : {false, true})
            {
                DibCanvas c(200, 24, kWhite);
                MI mi = Item(CRect(0, 0, 200, 24), 24, L"", L"", bSelected, false, false, false, false, false, true);
                mi.m_bSubmenuGlyph = true;
                mi.m_bSubmenuApart = bApart;
                pm->PaintMenuItem(c.dc, mi);
                const CExtPaintManagerGlyph& g = bApart ? g_glyphMenuSubmenuArrowBar : g_glyphMenuSubmenuArrow;
                EXPECT_TRUE(GlyphShows(c, g, rcArrow.left + (16 - g.GetWidth()) / 2,
                                       rcArrow.top + (rcArrow.Height() - g.GetHeight()) / 2, clrArrow))
                    << nKind << bSelected << bApart;
            }
            DibCanvas m(200, 24, kWhite);
            MI mi = Item(CRect(0, 0, 200, 24), 24, L"", L"", bSelected, false, false, false, false, false, true);
            pm->PaintMenuItem(m.dc, mi);
            const COLORREF clrBack = m.At(rcArrow.left + 1, rcArrow.top);
            int nInk = 0;
            for (int y = rcArrow.top; y < rcArrow.bottom; y++)
                for (int x = rcArrow.left; x < rcArrow.right; x++)
                    nInk += m.At(x, y) != clrBack;
            EXPECT_GT(nInk, 3) << nKind << bSelected;
            EXPECT_EQ(CountColor(m, CRect(30, 0, rcArrow.left - 4, 24), clrArrow), 0) << nKind << bSelected;
        }
    }
}

// The Marlett arrow points right: its leftmost column is its tallest and it narrows to the right.
TEST(MenuItem, TheMarlettSubmenuArrowPointsRight)
{
    for (int nKind = 1; nKind <= 2; nKind++)
    {
        auto pm = Make(nKind);
        DibCanvas c(200, 24, kWhite);
        MI mi = Item(CRect(0, 0, 200, 24), 24, L"", L"", false, false, false, false, false, false, true);
        pm->PaintMenuItem(c.dc, mi);
        const CRect rcArrow(200 - 3 - 16, 3, 200 - 3, 21);
        const COLORREF clrArrow = pm->GetTranslatedColor(XCLR_TEXT_NORMAL);
        std::vector<int> heights;
        for (int x = rcArrow.left; x < rcArrow.right; x++)
        {
            int nTop = -1, nBottom = -1;
            for (int y = rcArrow.top; y < rcArrow.bottom; y++)
                if (c.At(x, y) == clrArrow)
                {
                    if (nTop < 0)
                        nTop = y;
                    nBottom = y;
                }
            if (nTop >= 0)
                heights.push_back(nBottom - nTop + 1);
        }
        ASSERT_GE(heights.size(), 2u) << nKind;
        EXPECT_GE(heights.front(), 5) << nKind;
        EXPECT_LE(heights.back(), 2) << nKind;
        for (size_t i = 1; i < heights.size(); i++)
            EXPECT_LE(heights[i], heights[i - 1]) << nKind << " column " << i;
    }
}

// The mnemonic's underline lies under its character, also when it is the last one.
TEST(MenuItem, TheUnderlineOfAMnemonicOnTheLastLetterLiesUnderIt)
{
    for (int nKind = 1; nKind <= 2; nKind++)
    {
        auto pm = Make(nKind);
        DibCanvas c(200, 24, kWhite);
        MI mi = Item(CRect(0, 0, 200, 24), 24, L"Radio &A", L"", false, false, false);
        pm->PaintMenuItem(c.dc, mi);
        const COLORREF clrBack = c.At(199, 1);
        const CRect rcText(24, 0, 180, 24);
        // The underline is the lowest row with ink ("Radio A" has no descenders).
        int nUnderline = -1;
        for (int y = rcText.top; y < rcText.bottom; y++)
            for (int x = rcText.left; x < rcText.right; x++)
                if (c.At(x, y) != clrBack)
                    nUnderline = y;
        ASSERT_GT(nUnderline, 0) << nKind;
        int nLineLeft = rcText.right, nLineRight = -1, nTextRight = -1;
        for (int x = rcText.left; x < rcText.right; x++)
        {
            if (c.At(x, nUnderline) != clrBack)
            {
                nLineLeft = std::min(nLineLeft, x);
                nLineRight = x;
            }
            for (int y = rcText.top; y < nUnderline - 1; y++)
                if (c.At(x, y) != clrBack)
                    nTextRight = x;
        }
        ASSERT_GE(nLineRight - nLineLeft, 3) << nKind;
        EXPECT_LE(nLineRight, nTextRight + 1) << nKind;
        EXPECT_GE(nLineLeft, nTextRight - 9) << nKind;
    }
}

// Items as the popup hands them over (the full row is the item less its margins, one pixel at the
// bottom): the icon column's gradient runs on through the margins, unbroken from item to item.
TEST(MenuItem, TheOffice2003IconColumnRunsOnThroughTheItemMargins)
{
    auto pm = Make(3);
    DibCanvas c(200, 48, kWhite);
    for (int i = 0; i < 2; i++)
    {
        const CRect rcItem(0, i * 24, 200, i * 24 + 24);
        const CRect rcInner(1, rcItem.top, 199, rcItem.bottom - 1);
        MI mi(nullptr, rcItem, rcInner, 24, L"", L"", nullptr, false, false, false, false, false, true, false, false,
              false, 100);
        pm->PaintMenuItem(c.dc, mi);
    }
    for (int x = 2; x < 24; x += 5)
        for (int y = 1; y < 48; y++)
            EXPECT_EQ(c.At(x, y), c.At(x, 0)) << x << "," << y;
}

TEST(MenuItem, TheItemTextIsDrawnAfterTheIconColumn)
{
    for (int nKind = 1; nKind <= 2; nKind++)
    {
        auto pm = Make(nKind);
        DibCanvas c(200, 24, kWhite);
        MI mi = Item(CRect(0, 0, 200, 24), 24, L"Menu", L"", false, true, false);
        pm->PaintMenuItem(c.dc, mi);
        const CRect box = BoxOf(c, CRect(24, 0, 200, 24), pm->GetTranslatedColor(XCLR_TEXT_NORMAL));
        EXPECT_GE(box.left, 24 + 3) << nKind;
        EXPECT_LE(box.left, 24 + 6) << nKind;
    }
}

TEST(MenuBorder, Part49RingsInTheBaseAndXpStyles)
{
    {
        auto pm = Make(1);
        DibCanvas c(60, 60, kWhite);
        pm->PaintMenuPart49(c.dc, CRect(0, 0, 60, 60), nullptr, 0);
        EXPECT_EQ(c.At(0, 0), pm->GetTranslatedColor(XCLR_FACE_NORMAL));
        EXPECT_EQ(c.At(59, 59), pm->GetTranslatedColor(XCLR_DKSHADOW_NORMAL));
        EXPECT_EQ(c.At(1, 1), pm->GetTranslatedColor(XCLR_HILIGHT_NORMAL));
        EXPECT_EQ(c.At(58, 58), pm->GetTranslatedColor(XCLR_SHADOW_NORMAL));
        EXPECT_EQ(c.At(2, 30), pm->GetTranslatedColor(XCLR_FACE_NORMAL));
        EXPECT_EQ(c.At(3, 30), pm->GetTranslatedColor(XCLR_FACE_NORMAL));
        EXPECT_EQ(c.At(4, 30), kWhite);
    }
    {
        auto pm = Make(2);
        DibCanvas c(60, 60, kWhite);
        pm->PaintMenuPart49(c.dc, CRect(0, 0, 60, 60), nullptr, 0);
        EXPECT_EQ(c.At(0, 30), pm->GetTranslatedColor(XCLR_SHADOW_ALT));
        EXPECT_EQ(c.At(59, 30), pm->GetTranslatedColor(XCLR_SHADOW_ALT));
        EXPECT_EQ(c.At(1, 30), pm->GetTranslatedColor(XCLR_FACE_ALT));
        EXPECT_EQ(c.At(2, 30), pm->GetTranslatedColor(XCLR_FACE_ALT));
        EXPECT_EQ(c.At(3, 30), kWhite);
    }
}

TEST(MenuBorder, Part51LeavesTheSideTouchingTheButtonOpen)
{
    // For each side: a pixel on that side's outer edge and one on the opposite edge.
    struct
    {
        int nSide;
        CPoint ptOpen, ptOpposite;
    } sides[] = {{1, CPoint(30, 59), CPoint(30, 0)},
                 {2, CPoint(30, 0), CPoint(30, 59)},
                 {3, CPoint(0, 30), CPoint(59, 30)},
                 {4, CPoint(59, 30), CPoint(0, 30)}};
    {
        auto pm = Make(1);
        const COLORREF clrFace = pm->GetTranslatedColor(XCLR_FACE_NORMAL);
        for (const auto& s : sides)
        {
            DibCanvas c(60, 60, kWhite);
            pm->PaintMenuPart51(c.dc, CRect(0, 0, 60, 60), CRect(0, 0, 0, 0), s.nSide, nullptr, 0);
            EXPECT_EQ(c.At(s.ptOpen.x, s.ptOpen.y), clrFace) << s.nSide;
            // One pixel further in, still no edge line on the open side.
            const CPoint ptIn(s.ptOpen.x + (s.nSide == 3) - (s.nSide == 4),
                              s.ptOpen.y + (s.nSide == 2) - (s.nSide == 1));
            EXPECT_EQ(c.At(ptIn.x, ptIn.y), clrFace) << s.nSide;
            const bool bBottomRight = s.nSide == 2 || s.nSide == 3;
            EXPECT_EQ(c.At(s.ptOpposite.x, s.ptOpposite.y),
                      bBottomRight ? pm->GetTranslatedColor(XCLR_DKSHADOW_NORMAL) : clrFace)
                << s.nSide;
        }
    }
    for (int nKind : {2, 5})
    {
        auto pm = Make(nKind);
        const COLORREF clrFill = pm->GetTranslatedColor(nKind == 2 ? XCLR_FACE_DISABLED : XCLR_O2003_08);
        const COLORREF clrBorder = pm->GetTranslatedColor(XCLR_SHADOW_ALT);
        ASSERT_NE(clrFill, clrBorder);
        for (const auto& s : sides)
        {
            DibCanvas c(60, 60, kWhite);
            pm->PaintMenuPart51(c.dc, CRect(0, 0, 60, 60), CRect(0, 0, 0, 0), s.nSide, nullptr, 0);
            EXPECT_EQ(c.At(s.ptOpen.x, s.ptOpen.y), clrFill) << nKind << s.nSide;
            EXPECT_EQ(c.At(s.ptOpposite.x, s.ptOpposite.y), clrBorder) << nKind << s.nSide;
            EXPECT_EQ(c.At(30, 30), clrFill);
        }
    }
}

TEST(MenuSeparator, XpLineStartsThreePixelsRightOfTheIconColumn)
{
    auto pm = Make(5);
    DibCanvas c(120, 10, kWhite);
    pm->PaintMenuSeparator(c.dc, CRect(0, 0, 120, 10), 24, false, nullptr, 0);
    const int y = -1 + 10 / 2;
    const COLORREF clrLine = pm->GetTranslatedColor(XCLR_LIGHT_DISABLED);
    EXPECT_EQ(c.At(24 + 3, y), clrLine);
    EXPECT_EQ(c.At(119, y), clrLine);
    EXPECT_EQ(c.At(24 + 2, y), pm->GetTranslatedColor(XCLR_FACE_ALT));
    EXPECT_EQ(c.At(60, y + 1), pm->GetTranslatedColor(XCLR_FACE_ALT));
    EXPECT_TRUE(painthost::Near(c.At(0, y), pm->GetTranslatedColor(XCLR_O2003_15), 8));
}
