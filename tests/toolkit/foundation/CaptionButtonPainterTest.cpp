// Caption buttons of control bars, system-command glyphs, separators between bar items and the icon
// placement of push buttons and tab items, in every style.
#include "BarMenuPainterSupport.h"
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/bars_tabs/ExtStatusControlBar.h"
#include "toolkit/docking/ExtBarNcAreaButtonMenu.h"
#include "toolkit/foundation/ExtCmdIcon.h"
#include "toolkit/foundation/ExtPaintManagerStudio2005.h"
#include <gtest/gtest.h>

using namespace barmenupainters;

namespace
{

typedef CExtPaintManager::CaptionButtonPaintData CB;
const COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0), kRed = RGB(255, 0, 0);

const CExtPaintManagerGlyph& Sys(int n) { return *g_arrSysCmdGlyphs[n]; }

CPoint Centred(const CRect& r, const CExtPaintManagerGlyph& g)
{
    return CPoint(r.left + (r.Width() - g.GetWidth()) / 2, r.top + (r.Height() - g.GetHeight()) / 2);
}

// A 16 x 16 red icon.
void MakeRedIcon(CExtCmdIcon& icon)
{
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, 16, 16);
    HDC hDC = ::CreateCompatibleDC(hScreen);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    const RECT rc = {0, 0, 16, 16};
    HBRUSH hBrush = ::CreateSolidBrush(kRed);
    ::FillRect(hDC, &rc, hBrush);
    ::DeleteObject(hBrush);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    ::ReleaseDC(nullptr, hScreen);
    icon.AssignFromHBITMAP(hBitmap, RGB(255, 0, 255), nullptr, false);
}

} // namespace

TEST(CaptionButton, BaseEvensAnOddWidthAndDrawsTheAlternativeCloseGlyph)
{
    auto pm = Make(1);
    DibCanvas c(40, 40, kWhite);
    CB data(nullptr, CRect(10, 10, 27, 26), 1, false, false, true, false, false, false);
    pm->PaintCaptionButton(c.dc, data);
    EXPECT_EQ(data.m_nGlyphIndex, 21);
    // Left edge moved right by the odd width, grown by one, then left and top moved in by one.
    const CRect r(11, 10, 28, 27);
    EXPECT_EQ(c.At(r.left, r.top), pm->GetTranslatedColor(COLOR_3DHILIGHT));
    EXPECT_EQ(c.At(r.right - 1, r.bottom - 1), pm->GetTranslatedColor(COLOR_3DSHADOW));
    EXPECT_EQ(c.At(r.left - 1, r.top + 5), kWhite);
    EXPECT_EQ(c.At(r.left, r.top + 5), pm->GetTranslatedColor(COLOR_3DHILIGHT));
    const CPoint pt = Centred(r, Sys(21));
    EXPECT_TRUE(GlyphShows(c, Sys(21), pt.x, pt.y, kBlack));
    // With style bit 5 it shrinks instead: one pixel in at the left and top.
    DibCanvas s(40, 40, kWhite);
    CB small(nullptr, CRect(10, 10, 26, 26), 6, false, false, true, false, false, true);
    pm->PaintCaptionButton(s.dc, small);
    EXPECT_EQ(s.At(10, 10), kWhite);
    EXPECT_EQ(s.At(11, 11), pm->GetTranslatedColor(COLOR_3DHILIGHT));
    EXPECT_EQ(s.At(25, 25), pm->GetTranslatedColor(COLOR_3DSHADOW));
}

TEST(CaptionButton, BaseHoverCountsOnlyWhenEnabledAndPushedIsSunken)
{
    auto pm = Make(1);
    auto clr = [&](int n) { return pm->GetTranslatedColor(n); };
    const CRect r(10, 10, 27, 27); // (10, 10, 26, 26) grown by one, then moved in at the left and top
    {
        DibCanvas c(40, 40, kWhite);
        CB data(nullptr, CRect(10, 10, 26, 26), 6, true, false, false, false, false, false);
        pm->PaintCaptionButton(c.dc, data);
        EXPECT_EQ(c.At(r.left, r.top), clr(COLOR_3DHILIGHT));
        const CPoint pt = Centred(r, Sys(6));
        EXPECT_TRUE(GlyphShows(c, Sys(6), pt.x, pt.y, clr(COLOR_3DSHADOW)));
    }
    {
        DibCanvas c(40, 40, kWhite);
        CB data(nullptr, CRect(10, 10, 26, 26), 6, true, false, true, false, false, false);
        pm->PaintCaptionButton(c.dc, data);
        EXPECT_EQ(c.At(r.left, r.top), clr(COLOR_3DFACE));
        EXPECT_EQ(c.At(r.right - 1, r.bottom - 1), clr(COLOR_3DDKSHADOW));
        EXPECT_EQ(c.At(r.left + 1, r.top + 1), clr(COLOR_3DHILIGHT));
    }
    {
        DibCanvas c(40, 40, kWhite);
        CB data(nullptr, CRect(10, 10, 26, 26), 6, false, true, true, false, false, false);
        pm->PaintCaptionButton(c.dc, data);
        EXPECT_EQ(c.At(r.left, r.top), clr(COLOR_3DSHADOW));
        EXPECT_EQ(c.At(r.right - 1, r.bottom - 1), clr(COLOR_3DHILIGHT));
        CRect moved(r);
        moved.OffsetRect(1, 1);
        const CPoint pt = Centred(moved, Sys(6));
        EXPECT_TRUE(GlyphShows(c, Sys(6), pt.x, pt.y, kBlack));
    }
}

TEST(CaptionButton, XpFillsFramesAndGlyphColoursFollowTheStyleBits)
{
    auto pm = Make(2);
    auto clr = [&](int n) { return pm->GetTranslatedColor(n); };
    const CRect rc(10, 10, 26, 26);
    struct
    {
        bool bHover, bPushed, bEnabled, b3, b4;
        int nFill, nFrame, nGlyph; // -1: nothing (white)
    } cases[] = {
        {false, false, true, false, false, -1, -1, COLOR_HIGHLIGHTTEXT},
        {false, false, true, true, false, -1, -1, COLOR_3DDKSHADOW},
        {false, false, true, false, true, -1, -1, COLOR_HIGHLIGHTTEXT},
        {false, false, true, true, true, -1, -1, COLOR_HIGHLIGHTTEXT},
        {true, false, true, false, false, XCLR_FACE_ACTIVE, XCLR_HILIGHT_DISABLED, -2},
        {true, false, true, false, true, XCLR_FACE_ACTIVE, XCLR_LIGHT_ALT, -2},
        {false, true, true, false, false, XCLR_LIGHT_ALT, XCLR_HILIGHT_DISABLED, -2},
        {true, false, false, false, false, -1, -1, COLOR_3DSHADOW},
    };
    for (const auto& t : cases)
    {
        DibCanvas c(40, 40, kWhite);
        CB data(nullptr, rc, 6, t.bHover, t.bPushed, t.bEnabled, t.b3, t.b4, false);
        pm->PaintCaptionButton(c.dc, data);
        EXPECT_EQ(c.At(10, 10), t.nFrame < 0 ? kWhite : clr(t.nFrame)) << t.bHover << t.bPushed << t.b3 << t.b4;
        EXPECT_EQ(c.At(12, 12), t.nFill < 0 ? kWhite : clr(t.nFill)) << t.bHover << t.bPushed << t.b3 << t.b4;
        const CPoint pt = Centred(rc, Sys(6));
        EXPECT_TRUE(GlyphShows(c, Sys(6), pt.x, pt.y, t.nGlyph == -2 ? kBlack : clr(t.nGlyph)))
            << t.bHover << t.bPushed << t.b3 << t.b4;
    }
    CB close(nullptr, rc, 1, false, false, true, true, false, false);
    DibCanvas c(40, 40, kWhite);
    pm->PaintCaptionButton(c.dc, close);
    EXPECT_EQ(close.m_nGlyphIndex, 16);
    CB keep(nullptr, rc, 1, false, false, true, true, false, true);
    pm->PaintCaptionButton(c.dc, keep);
    EXPECT_EQ(keep.m_nGlyphIndex, 1);
}

TEST(CaptionButton, Studio2005PaintsBits3And5InTheBaseLookExceptForTheMenuButton)
{
    auto pm = Make(4);
    const CRect rc(10, 10, 26, 26);
    CExtBarNcAreaButton plain;
    CExtBarNcAreaButtonMenu menu;
    CB a(&plain, rc, 1, false, false, true, true, false, true);
    DibCanvas ca(40, 40, kWhite);
    pm->PaintCaptionButton(ca.dc, a);
    EXPECT_EQ(a.m_nGlyphIndex, 21); // the base form
    EXPECT_EQ(ca.At(11, 11), pm->GetTranslatedColor(COLOR_3DHILIGHT));
    CB b(&menu, rc, 1, false, false, true, true, false, true);
    DibCanvas cb(40, 40, kWhite);
    pm->PaintCaptionButton(cb.dc, b);
    EXPECT_EQ(b.m_nGlyphIndex, 1); // the XP form
    EXPECT_EQ(cb.At(11, 11), kWhite);
    CB c(&plain, rc, 1, false, false, true, true, false, false);
    DibCanvas cc(40, 40, kWhite);
    pm->PaintCaptionButton(cc.dc, c);
    EXPECT_EQ(c.m_nGlyphIndex, 16); // the XP form too
}

TEST(SysCmdGlyph, FiveCommandsHaveGlyphsAndAnyOtherDrawsNothing)
{
    const UINT ids[] = {SC_CLOSE, SC_MINIMIZE, SC_RESTORE, SC_MAXIMIZE, SC_CONTEXTHELP};
    const int glyphs[] = {1, 6, 7, 8, 9};
    const CRect rc(5, 5, 35, 35);
    for (int nKind = 1; nKind <= 2; nKind++)
    {
        auto pm = Make(nKind);
        const COLORREF clrText = pm->GetTranslatedColor(XCLR_TEXT_NORMAL);
        for (int i = 0; i < 5; i++)
        {
            EXPECT_EQ(CExtPaintManager::SysCmdGlyphIndex(ids[i]), glyphs[i]);
            DibCanvas c(40, 40, kWhite);
            pm->PaintSysCmdGlyph(c.dc, ids[i], rc, false, false, true);
            const CPoint pt = Centred(rc, Sys(glyphs[i]));
            EXPECT_TRUE(GlyphShows(c, Sys(glyphs[i]), pt.x, pt.y, clrText)) << nKind << " " << i;
        }
        for (UINT id : {(UINT)SC_MOVE, (UINT)SC_SIZE, 0u, 100u})
        {
            DibCanvas c(40, 40, kWhite);
            pm->PaintSysCmdGlyph(c.dc, id, rc, true, true, false);
            EXPECT_EQ(CountColor(c, CRect(0, 0, 40, 40), kWhite), 1600) << nKind << " " << id;
        }
    }
}

TEST(SysCmdGlyph, BaseDisabledIsEngravedAndXpHoverCastsAShadowTwoPixelsAway)
{
    const CRect rc(5, 5, 35, 35);
    const CExtPaintManagerGlyph& g = Sys(1);
    const CPoint pt = Centred(rc, g);
    {
        auto pm = Make(1);
        DibCanvas c(40, 40, kWhite);
        pm->PaintSysCmdGlyph(c.dc, SC_CLOSE, rc, false, false, false);
        EXPECT_TRUE(GlyphShows(c, g, pt.x, pt.y, pm->GetTranslatedColor(XCLR_SHADOW_NORMAL)));
        EXPECT_GT(CountColor(c, CRect(0, 0, 40, 40), pm->GetTranslatedColor(XCLR_HILIGHT_NORMAL)), 0);
        DibCanvas h(40, 40, kWhite);
        pm->PaintSysCmdGlyph(h.dc, SC_CLOSE, rc, true, true, true);
        EXPECT_TRUE(GlyphShows(h, g, pt.x + 1, pt.y + 1, pm->GetTranslatedColor(COLOR_HIGHLIGHTTEXT)));
    }
    {
        auto pm = Make(2);
        DibCanvas c(40, 40, kWhite);
        pm->PaintSysCmdGlyph(c.dc, SC_CLOSE, rc, true, false, true);
        EXPECT_TRUE(GlyphShows(c, g, pt.x - 2, pt.y - 2, pm->GetTranslatedColor(XCLR_TEXT_NORMAL)));
        EXPECT_GT(CountColor(c, CRect(0, 0, 40, 40), pm->GetTranslatedColor(COLOR_3DSHADOW)), 0);
        DibCanvas d(40, 40, kWhite);
        pm->PaintSysCmdGlyph(d.dc, SC_CLOSE, rc, false, false, false);
        EXPECT_TRUE(GlyphShows(d, g, pt.x, pt.y, pm->GetTranslatedColor(COLOR_3DSHADOW)));
        EXPECT_EQ(CountColor(d, CRect(0, 0, 40, 40), pm->GetTranslatedColor(COLOR_3DSHADOW)),
                  1600 - CountColor(d, CRect(0, 0, 40, 40), kWhite));
        // The Office 2003 style has no hover shadow.
        auto pm3 = Make(3);
        DibCanvas o(40, 40, kWhite);
        pm3->PaintSysCmdGlyph(o.dc, SC_CLOSE, rc, true, false, true);
        EXPECT_TRUE(GlyphShows(o, g, pt.x, pt.y, pm3->GetTranslatedColor(XCLR_TEXT_NORMAL)));
    }
}

TEST(Separator, BaseEtchedLineAcrossTheBar)
{
    auto pm = Make(1);
    auto clr = [&](int n) { return pm->GetTranslatedColor(n); };
    DibCanvas c(40, 40, kWhite);
    pm->PaintSeparator(c.dc, CRect(0, 0, 8, 20), true, false, nullptr, 0);
    EXPECT_EQ(c.At(3, 5), clr(XCLR_SHADOW_NORMAL));
    EXPECT_EQ(c.At(4, 5), clr(XCLR_HILIGHT_NORMAL));
    EXPECT_EQ(c.At(3, 18), clr(XCLR_HILIGHT_NORMAL));
    EXPECT_EQ(c.At(3, 19), clr(XCLR_FACE_NORMAL)); // shortened by one at the bottom
    EXPECT_EQ(c.At(1, 5), clr(XCLR_FACE_NORMAL));
    pm->PaintSeparator(c.dc, CRect(10, 20, 40, 28), false, true, nullptr, 0);
    EXPECT_EQ(c.At(20, 23), clr(XCLR_SHADOW_NORMAL));
    EXPECT_EQ(c.At(20, 24), clr(XCLR_HILIGHT_NORMAL));
    EXPECT_EQ(c.At(39, 23), kWhite); // right end shortened; transparent background
    EXPECT_EQ(c.At(20, 21), kWhite);
}

TEST(Separator, XpOnePixelLineShortenedAtBothEnds)
{
    auto pm = Make(2);
    const COLORREF clrLine = pm->GetTranslatedColor(XCLR_LIGHT_DISABLED);
    DibCanvas c(40, 40, kWhite);
    pm->PaintSeparator(c.dc, CRect(0, 0, 8, 20), true, false, nullptr, 0);
    EXPECT_EQ(c.At(3, 1), clrLine);
    EXPECT_EQ(c.At(3, 18), clrLine);
    EXPECT_EQ(c.At(3, 0), pm->GetTranslatedColor(XCLR_FACE_NORMAL));
    EXPECT_EQ(c.At(3, 19), pm->GetTranslatedColor(XCLR_FACE_NORMAL));
    EXPECT_EQ(c.At(4, 10), pm->GetTranslatedColor(XCLR_FACE_NORMAL));
    pm->PaintSeparator(c.dc, CRect(10, 20, 40, 28), false, true, nullptr, 0);
    EXPECT_EQ(c.At(11, 23), clrLine);
    EXPECT_EQ(c.At(38, 23), clrLine);
    EXPECT_EQ(c.At(10, 23), kWhite);
    EXPECT_EQ(c.At(39, 23), kWhite);
}

TEST(Separator, Office2003LinesOfToolBarsButtonsAndStatusBars)
{
    auto pm = Make(5);
    const COLORREF c11 = pm->GetTranslatedColor(XCLR_O2003_11), c10 = pm->GetTranslatedColor(XCLR_O2003_10);
    ASSERT_NE(c10, c11);
    CExtToolControlBar bar;
    CExtBarButton button(&bar, 0);
    CExtStatusControlBar status;
    for (CObject* pSrc : {(CObject*)&bar, (CObject*)&button})
    {
        DibCanvas c(40, 40, kWhite);
        pm->PaintSeparator(c.dc, CRect(0, 0, 8, 24), true, false, pSrc, 0);
        EXPECT_EQ(c.At(3, 3), c11);
        EXPECT_EQ(c.At(4, 3), c10);
        EXPECT_EQ(c.At(3, 10), c11);
        EXPECT_EQ(c.At(3, 19), c10);
        EXPECT_EQ(c.At(3, 2), pm->GetTranslatedColor(XCLR_FACE_NORMAL));
        EXPECT_EQ(c.At(3, 20), pm->GetTranslatedColor(XCLR_FACE_NORMAL));
        pm->PaintSeparator(c.dc, CRect(0, 30, 24, 38), false, true, pSrc, 0);
        EXPECT_EQ(c.At(4, 33), c11);
        EXPECT_EQ(c.At(4, 34), c10);
        EXPECT_EQ(c.At(18, 33), c10);
        EXPECT_EQ(c.At(3, 33), kWhite);
        EXPECT_EQ(c.At(19, 33), kWhite);
    }
    DibCanvas s(40, 40, kWhite);
    pm->PaintSeparator(s.dc, CRect(0, 0, 8, 24), true, false, &status, 0);
    EXPECT_EQ(s.At(3, 0), c11);
    EXPECT_EQ(s.At(3, 23), c10);
    // Any other subject, and any subject at 8 bits per pixel: the XP line.
    DibCanvas x(40, 40, kWhite);
    pm->PaintSeparator(x.dc, CRect(0, 0, 8, 24), true, false, nullptr, 0);
    EXPECT_EQ(x.At(3, 5), pm->GetTranslatedColor(XCLR_LIGHT_DISABLED));
    painthost::ScopedBitsPerPixel depth(8);
    DibCanvas low(40, 40, kWhite);
    pm->PaintSeparator(low.dc, CRect(0, 0, 8, 24), true, false, &bar, 0);
    EXPECT_EQ(low.At(3, 5), pm->GetTranslatedColor(XCLR_LIGHT_DISABLED));
}

TEST(TabItemContent, IconPlacementByAlignmentAndText)
{
    const CSize size(16, 16);
    const CRect item(10, 10, 110, 40);
    RECT rcText;
    CRect r = CExtPaintManager::PlaceItemIcon(true, true, size, item, rcText, 4);
    EXPECT_EQ(r, CRect(13, 17, 29, 33));
    EXPECT_EQ(CRect(rcText), CRect(10 + 16 + 3, 10, 110, 40));
    r = CExtPaintManager::PlaceItemIcon(true, false, size, item, rcText, 5);
    EXPECT_EQ(r, CRect(52, 17, 68, 33));
    EXPECT_EQ(CRect(rcText), item);
    r = CExtPaintManager::PlaceItemIcon(true, true, size, item, rcText, 2);
    EXPECT_EQ(r, CRect(110 - 16 - 3, 17, 110 - 3, 33));
    EXPECT_EQ(CRect(rcText), CRect(10, 10, 110 - 16 - 3 - 3, 40));
    r = CExtPaintManager::PlaceItemIcon(true, true, size, item, rcText, 0);
    EXPECT_EQ(r, CRect(13, 10, 29, 26));
    const CRect vitem(10, 10, 40, 110);
    r = CExtPaintManager::PlaceItemIcon(false, true, size, vitem, rcText, 5);
    EXPECT_EQ(r, CRect(17, 13, 33, 29));
    EXPECT_EQ(CRect(rcText), CRect(10, 10 + 16 + 3, 40, 110));
    r = CExtPaintManager::PlaceItemIcon(false, false, size, vitem, rcText, 1);
    EXPECT_EQ(r, CRect(10, 52, 26, 68));
    r = CExtPaintManager::PlaceItemIcon(false, true, size, vitem, rcText, 2);
    EXPECT_EQ(r, CRect(17, 110 - 16 - 3, 33, 110 - 3));
}

TEST(TabItemContent, TheIconIsDrawnAtItsPlaceMovedByTheStyle)
{
    CExtCmdIcon icon;
    MakeRedIcon(icon);
    ASSERT_FALSE(icon.IsEmpty());
    const CRect item(10, 10, 110, 40);
    for (int nKind = 1; nKind <= 2; nKind++)
    {
        auto pm = Make(nKind);
        for (bool bPushed : {false, true})
        {
            DibCanvas c(120, 50, kWhite);
            RECT rcText;
            pm->PaintTabItemContent(c.dc, true, CString(L"Text"), &icon, item, rcText, bPushed, true, false, 4);
            CRect expected(13, 17, 29, 33);
            if (nKind == 1 && bPushed)
                expected.OffsetRect(1, 1);
            if (nKind == 2)
                expected.OffsetRect(1, 1);
            EXPECT_EQ(BoxOf(c, CRect(0, 0, c.Width(), c.Height()), kRed), expected) << nKind << bPushed;
            EXPECT_EQ(CRect(rcText), CRect(29, 10, 110, 40));
        }
        RECT rcText;
        DibCanvas none(120, 50, kWhite);
        pm->PaintTabItemContent(none.dc, true, CString(L"Text"), nullptr, item, rcText, false, true, false, 4);
        EXPECT_EQ(CRect(rcText), item);
        EXPECT_EQ(CountColor(none, CRect(0, 0, 120, 50), kWhite), 120 * 50);
    }
    // XP hover: a shadow silhouette at the place and the icon two pixels up and left of it.
    auto pm = Make(2);
    DibCanvas c(120, 50, kWhite);
    RECT rcText;
    pm->PaintTabItemContent(c.dc, true, CString(L"Text"), &icon, item, rcText, false, true, true, 4);
    EXPECT_EQ(BoxOf(c, CRect(0, 0, c.Width(), c.Height()), kRed), CRect(12, 16, 28, 32));
    EXPECT_EQ(c.At(29, 33), pm->GetTranslatedColor(COLOR_3DSHADOW));
}

TEST(TabItemContent, APushButtonWithAnIconAndNoTextCentresIt)
{
    CExtCmdIcon icon;
    MakeRedIcon(icon);
    auto pm = Make(1);
    DibCanvas c(60, 40, kWhite);
    CExtPaintManager::PushButtonPaintData d(nullptr, true, CRect(0, 0, 60, 40), L"", &icon, true, false, false, false,
                                            true, false, false, false, 5);
    pm->PaintPushButton(c.dc, d);
    EXPECT_EQ(BoxOf(c, CRect(0, 0, c.Width(), c.Height()), kRed), CRect(22, 12, 38, 28));
}
