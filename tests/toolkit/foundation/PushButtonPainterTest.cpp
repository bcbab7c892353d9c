// Push buttons in the base and XP forms (and Office 2003 through the XP form): state bits, faces,
// frames, caption colours, fonts and mnemonics, drop-down parts, focus and the DC left as found.
#include "BarMenuPainterSupport.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
#include <gtest/gtest.h>

using namespace barmenupainters;

namespace
{

typedef CExtPaintManager::PushButtonPaintData PB;
const COLORREF kWhite = RGB(255, 255, 255);

PB Record(const CRect& rc, LPCTSTR pszText, bool bFlat, bool bHot, bool bPushed, bool bEnabled, bool bBorder = true,
          bool bFocus = false, bool bDefault = false, int nAlign = 5, bool bDropDown = false)
{
    return PB(nullptr, true, rc, pszText, nullptr, bFlat, bHot, bPushed, false, bEnabled, bBorder, bFocus, bDefault,
              nAlign, nullptr, bDropDown);
}

// Columns spanned by pixels that differ from clrFace inside r; (-1, -1) when none.
CPoint InkColumns(const DibCanvas& c, const CRect& r, COLORREF clrFace)
{
    CPoint span(-1, -1);
    for (int x = r.left; x < r.right; x++)
        for (int y = r.top; y < r.bottom; y++)
            if (c.At(x, y) != clrFace)
            {
                if (span.x < 0)
                    span.x = x;
                span.y = x;
                break;
            }
    return span;
}

CSize InkExtent(const DibCanvas& c, const CRect& r, COLORREF clrFace)
{
    const CRect box = InkBox(c, r, clrFace);
    return box.left == INT_MAX ? CSize(0, 0) : box.Size();
}

} // namespace

TEST(PushButton, AnEmptyRectangleDrawsNothingAndLeavesTheDcUntouched)
{
    for (int nKind = 1; nKind <= 2; nKind++)
    {
        auto pm = Make(nKind);
        DibCanvas c(40, 40, kWhite);
        const DCState before = Snapshot(c.dc.GetSafeHdc());
        PB data = Record(CRect(10, 10, 10, 30), L"Text", false, true, false, false, true, true);
        pm->PaintPushButton(c.dc, data);
        EXPECT_TRUE(Snapshot(c.dc.GetSafeHdc()) == before) << nKind;
        EXPECT_EQ(CountColor(c, CRect(0, 0, 40, 40), kWhite), 40 * 40) << nKind;
        EXPECT_TRUE(data.m_bHot); // not even the record changes
    }
}

TEST(PushButton, EveryFormLeavesTheDcAsItFoundIt)
{
    for (int nKind = 1; nKind <= 5; nKind++)
    {
        auto pm = Make(nKind);
        DibCanvas c(120, 120, kWhite);
        HDC hDC = c.dc.GetSafeHdc();
        ::IntersectClipRect(hDC, 0, 0, 110, 110);
        ::SetTextColor(hDC, RGB(1, 2, 3));
        ::SetBkColor(hDC, RGB(4, 5, 6));
        ::SetTextAlign(hDC, TA_BASELINE);
        const DCState before = Snapshot(hDC);
        PB h = Record(CRect(0, 0, 100, 24), L"&File", false, true, true, true, true, true, true, 5, true);
        h.m_bSplitDropDown = true;
        pm->PaintPushButton(c.dc, h);
        PB v(nullptr, false, CRect(0, 30, 24, 110), L"&Vertical", nullptr, true, false, false, false, false, true,
             false, false, 5, pm->m_fontNormal, true);
        pm->PaintPushButton(c.dc, v);
        EXPECT_TRUE(Snapshot(hDC) == before) << StyleName(nKind);
    }
}

TEST(PushButton, ADisabledRecordLosesItsHotStateBit4AndFocusBits)
{
    for (int nKind = 1; nKind <= 2; nKind++)
    {
        auto pm = Make(nKind);
        DibCanvas c(60, 30, kWhite);
        PB data = Record(CRect(0, 0, 60, 30), L"", false, true, false, false, true, true);
        data.m_bStateBit4 = true;
        pm->PaintPushButton(c.dc, data);
        EXPECT_FALSE(data.m_bHot);
        EXPECT_FALSE(data.m_bStateBit4);
        EXPECT_FALSE(data.m_bFocusRect);
        // Drawn not hot: the base style's single raised frame, the XP idle frame.
        if (nKind == 1)
            EXPECT_EQ(c.At(0, 0), pm->GetTranslatedColor(XCLR_HILIGHT_NORMAL));
        else
            EXPECT_EQ(c.At(0, 0), pm->GetTranslatedColor(COLOR_3DDKSHADOW));
    }
}

TEST(PushButton, BaseFramesRaisedSunkenAndHotDouble)
{
    auto pm = Make(1);
    auto clr = [&](int n) { return pm->GetTranslatedColor(n); };
    const CRect rc(0, 0, 60, 30);
    {
        DibCanvas c(60, 30, kWhite);
        PB d = Record(rc, L"", false, false, false, true);
        pm->PaintPushButton(c.dc, d);
        EXPECT_EQ(c.At(0, 0), clr(XCLR_HILIGHT_NORMAL));
        EXPECT_EQ(c.At(0, 28), clr(XCLR_HILIGHT_NORMAL));
        EXPECT_EQ(c.At(59, 29), clr(XCLR_SHADOW_NORMAL));
        EXPECT_EQ(c.At(59, 0), clr(XCLR_SHADOW_NORMAL));
        EXPECT_EQ(c.At(10, 10), clr(XCLR_FACE_NORMAL));
    }
    {
        DibCanvas c(60, 30, kWhite);
        PB d = Record(rc, L"", false, false, true, true);
        pm->PaintPushButton(c.dc, d);
        EXPECT_EQ(c.At(0, 0), clr(XCLR_SHADOW_ACTIVE));
        EXPECT_EQ(c.At(59, 29), clr(XCLR_HILIGHT_ACTIVE));
        EXPECT_EQ(c.At(10, 10), clr(XCLR_FACE_ACTIVE));
    }
    {
        DibCanvas c(60, 30, kWhite);
        PB d = Record(rc, L"", false, true, false, true);
        pm->PaintPushButton(c.dc, d);
        EXPECT_EQ(c.At(0, 0), clr(XCLR_SHADOW_NORMAL));
        EXPECT_EQ(c.At(59, 29), clr(XCLR_DKSHADOW_NORMAL));
        EXPECT_EQ(c.At(1, 1), clr(XCLR_HILIGHT_NORMAL));
        EXPECT_EQ(c.At(58, 28), clr(XCLR_SHADOW_NORMAL));
    }
    {
        // Flat: framed only when hot and bordered; pushed and hot fills with the half-tone brush.
        DibCanvas c(60, 30, kWhite), ref(60, 30, kWhite);
        PB idle = Record(rc, L"", true, false, false, true);
        pm->PaintPushButton(c.dc, idle);
        EXPECT_EQ(c.At(0, 0), clr(XCLR_FACE_NORMAL));
        PB hotPushed = Record(rc, L"", true, true, true, true, false);
        pm->PaintPushButton(c.dc, hotPushed);
        ::FillRect(ref.dc.GetSafeHdc(), rc, (HBRUSH)pm->m_brushLight50.GetSafeHandle());
        EXPECT_EQ(c.At(0, 0), ref.At(0, 0)); // not bordered: no frame
        EXPECT_EQ(c.At(10, 10), ref.At(10, 10));
    }
}

TEST(PushButton, XpFramesAreOneColourOnAllSides)
{
    auto pm = Make(2);
    auto clr = [&](int n) { return pm->GetTranslatedColor(n); };
    const CRect rc(0, 0, 60, 30);
    struct
    {
        bool bFlat, bHot, bPushed, bBorder;
        int nFrame; // -1: no frame, the face shows
        int nFace;
    } cases[] = {
        {false, false, false, true, COLOR_3DDKSHADOW, COLOR_3DFACE},
        {false, true, false, true, XCLR_HILIGHT_DISABLED, XCLR_FACE_ACTIVE},
        {false, false, true, true, XCLR_HILIGHT_DISABLED, XCLR_FACE_ACTIVE},
        {false, true, true, true, XCLR_HILIGHT_DISABLED, XCLR_LIGHT_ALT},
        {true, false, false, true, -1, XCLR_FACE_NORMAL},
        {true, true, false, false, -1, XCLR_FACE_ACTIVE},
        {true, true, false, true, XCLR_HILIGHT_DISABLED, XCLR_FACE_ACTIVE},
        {true, false, true, true, XCLR_HILIGHT_DISABLED, XCLR_FACE_ACTIVE},
    };
    for (const auto& t : cases)
    {
        DibCanvas c(60, 30, kWhite);
        PB d = Record(rc, L"", t.bFlat, t.bHot, t.bPushed, true, t.bBorder);
        pm->PaintPushButton(c.dc, d);
        const COLORREF clrEdge = t.nFrame < 0 ? clr(t.nFace) : clr(t.nFrame);
        for (CPoint pt : {CPoint(0, 0), CPoint(59, 0), CPoint(0, 29), CPoint(59, 29), CPoint(30, 0), CPoint(0, 15)})
            EXPECT_EQ(c.At(pt.x, pt.y), clrEdge) << t.bFlat << t.bHot << t.bPushed << t.bBorder;
        EXPECT_EQ(c.At(20, 10), clr(t.nFace)) << t.bFlat << t.bHot << t.bPushed << t.bBorder;
    }
}

TEST(PushButton, Office2003ThemedFacesAreGradientsOfThePushButtonIdsAndClassicFacesAreSolid)
{
    auto pm = Make(5);
    auto* xp = static_cast<CExtPaintManagerXP*>(pm.get());
    ASSERT_EQ(xp->m_nPushButtonClrIds[CExtPaintManagerXP::kHotFrom], XCLR_O2003_23);
    const CRect rc(0, 0, 60, 40);
    struct
    {
        bool bHot, bPushed;
        int nFrom, nTo;
    } cases[] = {{true, false, CExtPaintManagerXP::kHotFrom, CExtPaintManagerXP::kHotTo},
                 {false, true, CExtPaintManagerXP::kPushedFrom, CExtPaintManagerXP::kPushedTo},
                 {true, true, CExtPaintManagerXP::kPushedHotFrom, CExtPaintManagerXP::kPushedHotTo}};
    for (const auto& t : cases)
    {
        DibCanvas c(60, 40, kWhite);
        PB d = Record(rc, L"", true, t.bHot, t.bPushed, true, false);
        pm->PaintPushButton(c.dc, d);
        const COLORREF clrFirst = pm->GetTranslatedColor(xp->m_nPushButtonClrIds[t.nFrom]);
        const COLORREF clrSecond = pm->GetTranslatedColor(xp->m_nPushButtonClrIds[t.nTo]);
        EXPECT_TRUE(painthost::Near(c.At(30, 0), clrFirst, 6)) << painthost::ColorText(c.At(30, 0));
        EXPECT_TRUE(painthost::Near(c.At(30, 39), clrSecond, 6)) << painthost::ColorText(c.At(30, 39));
        // A vertical button runs the pair the other way, across it.
        DibCanvas v(40, 60, kWhite);
        PB dv(nullptr, false, CRect(0, 0, 40, 60), L"", nullptr, true, t.bHot, t.bPushed, false, true, false, false,
              false, 5);
        pm->PaintPushButton(v.dc, dv);
        EXPECT_TRUE(painthost::Near(v.At(0, 30), clrSecond, 6)) << painthost::ColorText(v.At(0, 30));
        EXPECT_TRUE(painthost::Near(v.At(39, 30), clrFirst, 6)) << painthost::ColorText(v.At(39, 30));
    }

    CExtPaintManagerOffice2003 classic;
    classic.InitFonts();
    classic.BuildOffice2003ColorTable(painthost::MakeInputs(true, 32));
    classic.InitBrushes();
    for (int n : classic.m_nPushButtonClrIds)
        EXPECT_EQ(n, -1);
    DibCanvas c(60, 40, kWhite);
    PB d = Record(rc, L"", true, true, false, true, false);
    classic.PaintPushButton(c.dc, d);
    EXPECT_EQ(c.At(30, 1), classic.GetTranslatedColor(XCLR_FACE_ACTIVE));
    EXPECT_EQ(c.At(30, 38), classic.GetTranslatedColor(XCLR_FACE_ACTIVE));
}

namespace
{

// Paints "MWMW" with the forced colours given (-1 for none) and answers the colour list order
// in which they were found: the colour that has text pixels.
COLORREF CaptionColor(CExtPaintManager& pm, bool bEnabled, bool bHot, bool bPushed, const COLORREF forced[4],
                      const std::vector<COLORREF>& candidates)
{
    DibCanvas c(120, 30, kWhite);
    PB d = Record(CRect(0, 0, 120, 30), L"MWMW", true, bHot, bPushed, bEnabled, false);
    d.m_clrTextDisabled = forced[0];
    d.m_clrTextNormal = forced[1];
    d.m_clrTextHot = forced[2];
    d.m_clrTextPushed = forced[3];
    pm.PaintPushButton(c.dc, d);
    COLORREF best = (COLORREF)-2;
    int nBest = 0;
    for (COLORREF clr : candidates)
    {
        const int n = c.Count(CRect(4, 4, 116, 26), clr);
        if (n > nBest)
            best = clr, nBest = n;
    }
    return best;
}

} // namespace

TEST(PushButton, BaseCaptionColoursTakeTheFirstForcedColourOfTheStatesList)
{
    auto pm = Make(1);
    const COLORREF dis = RGB(200, 0, 0), nor = RGB(0, 150, 0), hot = RGB(0, 0, 180), pus = RGB(120, 0, 120);
    const COLORREF btnText = pm->GetTranslatedColor(COLOR_BTNTEXT);
    const std::vector<COLORREF> all = {dis, nor, hot, pus, btnText};
    const COLORREF none = (COLORREF)-1;
    const COLORREF f1[4] = {dis, nor, hot, pus};
    EXPECT_EQ(CaptionColor(*pm, true, true, true, f1, all), pus);
    EXPECT_EQ(CaptionColor(*pm, true, false, true, f1, all), pus);
    EXPECT_EQ(CaptionColor(*pm, true, true, false, f1, all), hot);
    EXPECT_EQ(CaptionColor(*pm, true, false, false, f1, all), nor);
    EXPECT_EQ(CaptionColor(*pm, false, false, false, f1, all), dis);
    const COLORREF f2[4] = {none, nor, hot, none};
    EXPECT_EQ(CaptionColor(*pm, true, true, true, f2, all), hot);
    EXPECT_EQ(CaptionColor(*pm, true, false, true, f2, all), nor);
    const COLORREF f3[4] = {none, nor, none, none};
    EXPECT_EQ(CaptionColor(*pm, true, true, false, f3, all), nor);
    const COLORREF f4[4] = {none, none, none, none};
    EXPECT_EQ(CaptionColor(*pm, true, true, true, f4, all), btnText);
    EXPECT_EQ(CaptionColor(*pm, true, false, false, f4, all), btnText);
}

TEST(PushButton, XpCaptionColoursIgnoreTheHotColour)
{
    auto pm = Make(2);
    const COLORREF dis = RGB(200, 0, 0), nor = RGB(0, 150, 0), hot = RGB(0, 0, 180), pus = RGB(120, 0, 120);
    const COLORREF btnText = pm->GetTranslatedColor(COLOR_BTNTEXT);
    const COLORREF shadowDisabled = pm->GetTranslatedColor(XCLR_SHADOW_DISABLED);
    const COLORREF shadow = pm->GetTranslatedColor(COLOR_3DSHADOW);
    const std::vector<COLORREF> all = {dis, nor, hot, pus, btnText, shadowDisabled, shadow};
    const COLORREF none = (COLORREF)-1;
    const COLORREF f1[4] = {dis, nor, hot, pus};
    EXPECT_EQ(CaptionColor(*pm, true, true, true, f1, all), pus);
    EXPECT_EQ(CaptionColor(*pm, true, false, true, f1, all), nor);
    EXPECT_EQ(CaptionColor(*pm, true, true, false, f1, all), nor);
    EXPECT_EQ(CaptionColor(*pm, false, false, false, f1, all), dis);
    const COLORREF f2[4] = {none, nor, hot, none};
    EXPECT_EQ(CaptionColor(*pm, true, true, true, f2, all), nor);
    const COLORREF f3[4] = {none, none, hot, none};
    EXPECT_EQ(CaptionColor(*pm, true, true, true, f3, all), shadowDisabled);
    EXPECT_EQ(CaptionColor(*pm, true, true, false, f3, all), btnText);
    EXPECT_EQ(CaptionColor(*pm, false, false, false, f3, all), shadow);
}

TEST(PushButton, ADefaultButtonsCaptionIsBoldAndSoWider)
{
    for (int nKind = 1; nKind <= 2; nKind++)
    {
        auto pm = Make(nKind);
        DibCanvas a(160, 30, kWhite), b(160, 30, kWhite);
        PB normal = Record(CRect(0, 0, 160, 30), L"Default Button", true, false, false, true, false);
        PB bold = Record(CRect(0, 0, 160, 30), L"Default Button", true, false, false, true, false, false, true);
        pm->PaintPushButton(a.dc, normal);
        pm->PaintPushButton(b.dc, bold);
        const COLORREF clrFace = a.At(1, 1);
        const CPoint spanNormal = InkColumns(a, CRect(0, 0, 160, 30), clrFace);
        const CPoint spanBold = InkColumns(b, CRect(0, 0, 160, 30), clrFace);
        ASSERT_GE(spanNormal.x, 0);
        EXPECT_GT(spanBold.y - spanBold.x, spanNormal.y - spanNormal.x) << nKind;
    }
}

TEST(PushButton, AMnemonicIsMeasuredWithoutItsAmpersandAndUnderlined)
{
    for (int nKind = 1; nKind <= 2; nKind++)
    {
        auto pm = Make(nKind);
        DibCanvas a(120, 30, kWhite), b(120, 30, kWhite);
        PB plain = Record(CRect(0, 0, 120, 30), L"File", true, false, false, true, false);
        PB prefixed = Record(CRect(0, 0, 120, 30), L"&File", true, false, false, true, false);
        pm->PaintPushButton(a.dc, plain);
        pm->PaintPushButton(b.dc, prefixed);
        const COLORREF clrFace = a.At(1, 1);
        const CPoint span = InkColumns(a, CRect(0, 0, 120, 30), clrFace);
        ASSERT_GE(span.x, 0);
        EXPECT_EQ(InkColumns(b, CRect(0, 0, 120, 30), clrFace).x, span.x) << nKind; // centred alike
        // The only extra ink is the underline, under the "F".
        CSize sizeF;
        {
            CFont* pOld = a.dc.SelectObject(&pm->m_fontNormal);
            sizeF = a.dc.GetTextExtent(L"F", 1);
            a.dc.SelectObject(pOld);
        }
        int nExtra = 0;
        for (int y = 0; y < 30; y++)
            for (int x = 0; x < 120; x++)
                if (a.At(x, y) != b.At(x, y))
                {
                    nExtra++;
                    EXPECT_LT(x, span.x + sizeF.cx + 1) << nKind;
                }
        EXPECT_GE(nExtra, sizeF.cx - 2) << nKind;
    }
}

TEST(PushButton, AVerticalCaptionRunsDownTheButton)
{
    for (int nKind = 1; nKind <= 2; nKind++)
    {
        auto pm = Make(nKind);
        for (bool bOwnFont : {false, true})
        {
            DibCanvas c(30, 150, kWhite);
            PB d(nullptr, false, CRect(0, 0, 30, 150), L"&Vertical", nullptr, true, false, false, false, true, false,
                 false, false, 5, bOwnFont ? (HFONT)pm->m_fontNormal.GetSafeHandle() : nullptr);
            pm->PaintPushButton(c.dc, d);
            const CSize ink = InkExtent(c, CRect(0, 0, 30, 150), c.At(1, 1));
            EXPECT_GT(ink.cy, 2 * ink.cx) << nKind << bOwnFont;
            EXPECT_GT(ink.cx, 4) << nKind << bOwnFont;
        }
    }
}

TEST(PushButton, TheDropDownStripIsTheArrowWidthPlusSixWithItsArrow)
{
    auto pm = Make(1);
    auto clr = [&](int n) { return pm->GetTranslatedColor(n); };
    const int nStrip = g_glyphExpandArrowH.GetWidth() + 6;
    {
        DibCanvas c(60, 24, kWhite);
        PB d = Record(CRect(0, 0, 60, 24), L"", false, false, false, true, true, false, false, 5, true);
        d.m_bSplitDropDown = true;
        pm->PaintPushButton(c.dc, d);
        EXPECT_EQ(c.At(60 - nStrip, 0), clr(XCLR_HILIGHT_NORMAL));     // the strip's own raised frame
        EXPECT_EQ(c.At(60 - nStrip - 1, 12), clr(XCLR_SHADOW_NORMAL)); // the main part ends before it
        EXPECT_TRUE(
            GlyphShows(c, g_glyphExpandArrowH, 60 - nStrip + (nStrip - 5) / 2, (24 - 3) / 2, clr(XCLR_TEXT_NORMAL)));
    }
    {
        // The arrow part pushed alone: sunken and moved by the pushed offset; the main part not hot.
        DibCanvas c(60, 24, kWhite);
        PB d = Record(CRect(0, 0, 60, 24), L"", false, true, false, true, true, false, false, 5, true);
        d.m_bSplitDropDown = true;
        d.m_bDropDownPushed = true;
        pm->PaintPushButton(c.dc, d);
        EXPECT_FALSE(d.m_bHot);
        EXPECT_EQ(c.At(60 - nStrip, 0), clr(XCLR_SHADOW_ACTIVE));
        EXPECT_EQ(c.At(0, 0), clr(XCLR_HILIGHT_NORMAL));
        EXPECT_EQ(c.At(5, 5), clr(XCLR_FACE_NORMAL));
        EXPECT_TRUE(GlyphShows(c, g_glyphExpandArrowH, 60 - nStrip + (nStrip - 5) / 2 + 1, (24 - 3) / 2 + 1,
                               clr(XCLR_TEXT_NORMAL)));
    }
    {
        // A vertical button's strip lies at the bottom with the turned arrow; disabled in the shadow colour.
        DibCanvas c(24, 60, kWhite);
        PB d(nullptr, false, CRect(0, 0, 24, 60), L"", nullptr, false, false, false, false, false, true, false, false,
             5, nullptr, true);
        pm->PaintPushButton(c.dc, d);
        const CExtPaintManagerGlyph& g = g_glyphDropDownArrowV;
        const int nStripV = g.GetHeight() + 6;
        EXPECT_TRUE(GlyphShows(c, g, (24 - g.GetWidth()) / 2, 60 - nStripV + (nStripV - g.GetHeight()) / 2,
                               clr(XCLR_SHADOW_NORMAL)));
    }
}

TEST(PushButton, TheFocusRectangleLiesThreePixelsInside)
{
    for (int nKind = 1; nKind <= 2; nKind++)
    {
        auto pm = Make(nKind);
        DibCanvas c(60, 30, kWhite);
        PB d = Record(CRect(0, 0, 60, 30), L"", true, false, false, true, false, true);
        pm->PaintPushButton(c.dc, d);
        const COLORREF clrFace = c.At(10, 10);
        int nOnLine = 0;
        for (int y = 3; y < 27; y++)
        {
            nOnLine += c.At(3, y) != clrFace;
            EXPECT_EQ(c.At(2, y), clrFace);
            if (y > 3 && y < 26) // inside the top and bottom lines
            {
                EXPECT_EQ(c.At(4, y), clrFace);
            }
        }
        EXPECT_GT(nOnLine, 8) << nKind;
    }
}

TEST(PushButtonMetrics, MarginTextMeasuringAndThePlainFigures)
{
    auto pm = Make(1);
    for (int nKind = 1; nKind <= 4; nKind++)
        EXPECT_EQ(Make(nKind)->GetPushButtonMargin(), CSize(6, 6));
    DibCanvas c(100, 100, kWhite);
    const HFONT hFont = (HFONT)pm->m_fontNormal.GetSafeHandle();
    const CRect rc = CExtPaintManager::MeasureText(c.dc, hFont, L"Measure");
    EXPECT_EQ(rc.TopLeft(), CPoint(0, 0));
    EXPECT_GT(rc.Width(), 20);
    EXPECT_EQ(CExtPaintManager::MeasureTextWidth(c.dc, hFont, L"Measure"), rc.Width());
    EXPECT_GT(CExtPaintManager::MeasureTextWidth(c.dc, hFont, L"a\tb"),
              CExtPaintManager::MeasureTextWidth(c.dc, hFont, L"ab") + 8);
    EXPECT_EQ(::GetCurrentObject(c.dc.GetSafeHdc(), OBJ_FONT), ::GetStockObject(SYSTEM_FONT));
    const COLORREF clrText = pm->GetTranslatedColor(COLOR_BTNTEXT);
    pm->PaintPart38(c.dc, CRect(10, 10, 40, 40));
    EXPECT_EQ(c.At(10, 10), clrText);
    EXPECT_EQ(c.At(11, 11), clrText);
    EXPECT_EQ(c.At(12, 12), kWhite);
    pm->PaintPart37(c.dc, CRect(50, 50, 90, 70), true, false);
    EXPECT_GT(CountColor(c, CRect(50, 50, 90, 70), clrText), 0);
}
