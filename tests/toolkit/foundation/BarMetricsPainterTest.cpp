// Bar metrics and small bar parts: item spacing, deflation, gradient areas, menu shadow, auto-hide
// metric, bar background part, tab frames, the scroll and list parts, the bar-button gradient
// background and the three colour icons, in every style.
#include "BarMenuPainterSupport.h"
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/bars_tabs/ExtBarContentExpandButton.h"
#include "toolkit/bars_tabs/ExtMenuControlBar.h"
#include "toolkit/bars_tabs/ExtPanelControlBar.h"
#include "toolkit/foundation/ExtCmdIcon.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
#include <gtest/gtest.h>

using namespace barmenupainters;

namespace
{

const COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0);
typedef CExtPaintManager::ListItemPaintData LI;

// Draws the icon on a white and on a black 16 x 16 canvas.
void DrawIconTwice(HICON hIcon, DibCanvas& onWhite, DibCanvas& onBlack)
{
    ::DrawIconEx(onWhite.dc.GetSafeHdc(), 0, 0, hIcon, 16, 16, 0, nullptr, DI_NORMAL);
    ::DrawIconEx(onBlack.dc.GetSafeHdc(), 0, 0, hIcon, 16, 16, 0, nullptr, DI_NORMAL);
}

} // namespace

TEST(BarMetrics, ItemSpacingPerStyleAndBarState)
{
    DockedBars bars;
    ASSERT_TRUE(bars.IsValid());
    CExtMenuControlBar menuBar;
    for (int nKind = 1; nKind <= 4; nKind++)
    {
        auto pm = Make(nKind);
        EXPECT_EQ(pm->GetBarItemSpacing(&menuBar), 0) << nKind;
        EXPECT_EQ(pm->GetBarItemSpacing(&bars.m_barTop), 6) << nKind;
        EXPECT_EQ(pm->GetBarItemSpacing(&bars.m_barFloat), nKind >= 3 ? 0 : 6) << nKind;
    }
    auto pm = Make(3);
    bars.m_barFloat.m_nBarFlags |= CExtToolControlBar::kBarFlagPanelMode;
    EXPECT_EQ(pm->GetBarItemSpacing(&bars.m_barFloat), 6);
    bars.m_barFloat.m_nBarFlags &= ~CExtToolControlBar::kBarFlagPanelMode;
    painthost::ScopedBitsPerPixel depth(8);
    EXPECT_EQ(pm->GetBarItemSpacing(&bars.m_barFloat), 6);
}

TEST(BarMetrics, DeflationByOrientationAndOffice2003sNetOnePixelAtEightBits)
{
    DockedBars bars;
    ASSERT_TRUE(bars.IsValid());
    for (int nKind = 1; nKind <= 2; nKind++)
    {
        auto pm = Make(nKind);
        CRect h(0, 0, 100, 30), v(0, 0, 30, 100);
        pm->DeflateControlBarRect(&bars.m_barTop, h);
        pm->DeflateControlBarRect(&bars.m_barLeft, v);
        EXPECT_EQ(h, CRect(3, 1, 97, 29));
        EXPECT_EQ(v, CRect(1, 3, 29, 97));
    }
    auto pm = Make(3);
    CRect h(0, 0, 100, 30), v(0, 0, 30, 100);
    pm->DeflateControlBarRect(&bars.m_barTop, h);
    EXPECT_EQ(h, CRect(0, 0, 100, 30));
    painthost::ScopedBitsPerPixel depth(8);
    pm->DeflateControlBarRect(&bars.m_barTop, h);
    pm->DeflateControlBarRect(&bars.m_barLeft, v);
    EXPECT_EQ(h, CRect(1, 1, 99, 29));
    EXPECT_EQ(v, CRect(1, 1, 29, 99));
}

TEST(BarMetrics, ToolBarGradientAreaRules)
{
    DockedBars bars;
    ASSERT_TRUE(bars.IsValid());
    auto base = Make(2);
    EXPECT_FALSE(base->IsToolBarGradientArea(&bars.m_barTop));
    auto pm = Make(3);
    CExtToolControlBar& bar = bars.m_barTop;
    EXPECT_TRUE(pm->IsToolBarGradientArea(&bar));
    EXPECT_FALSE(pm->IsToolBarGradientArea(&bars.m_dockTop));
    EXPECT_FALSE(pm->IsToolBarGradientArea(nullptr));
    bar.m_nBarFlags |= CExtToolControlBar::kBarFlagPanelMode;
    EXPECT_FALSE(pm->IsToolBarGradientArea(&bar));
    bar.m_nBarFlags &= ~CExtToolControlBar::kBarFlagPanelMode;
    // With the bar style CBRS_SIZE_DYNAMIC the tool-bar flag 0x04 decides, also without a dock bar.
    bar.m_dwStyle |= CBRS_SIZE_DYNAMIC;
    EXPECT_FALSE(pm->IsToolBarGradientArea(&bar));
    bar.m_nBarFlags |= CExtToolControlBar::kBarFlagBit2;
    EXPECT_TRUE(pm->IsToolBarGradientArea(&bar));
    bar.m_dwStyle &= ~0x04;
    CDockBar* pDockBar = bar.m_pDockBar;
    bar.m_pDockBar = nullptr;
    EXPECT_TRUE(pm->IsToolBarGradientArea(&bar));
    bar.m_nBarFlags &= ~CExtToolControlBar::kBarFlagBit2;
    EXPECT_FALSE(pm->IsToolBarGradientArea(&bar));
    bar.m_pDockBar = pDockBar;
    CFrameWnd* pSite = bar.m_pDockSite;
    bar.m_pDockSite = nullptr;
    EXPECT_FALSE(pm->IsToolBarGradientArea(&bar));
    bar.m_pDockSite = pSite;
    CExtMenuControlBar menuBar;
    CExtPanelControlBar panel;
    menuBar.m_pDockSite = panel.m_pDockSite = bars.m_pFrame;
    EXPECT_FALSE(pm->IsToolBarGradientArea(&menuBar));
    EXPECT_FALSE(pm->IsToolBarGradientArea(&panel));
    painthost::ScopedBitsPerPixel depth(8);
    EXPECT_FALSE(pm->IsToolBarGradientArea(&bar));
}

TEST(BarMetrics, MenuShadowAndAutoHideMetric)
{
    for (int nKind = 1; nKind <= 4; nKind++)
        EXPECT_EQ(Make(nKind)->GetAutoHideMetric(), nKind == 4 ? 1 : 0);
    EXPECT_EQ(Make(1)->GetMenuShadowColor(nullptr), (COLORREF)-1);
    EXPECT_EQ(Make(2)->GetMenuShadowColor(nullptr), (COLORREF)-1);
    EXPECT_EQ(Make(5)->GetMenuShadowColor(nullptr),
              CExtPaintManager::AdjustHls(painthost::CTestThemeColor::BlueThemeA(), 0.0, -0.6, 0.5));
}

TEST(BarParts, BackgroundPartTabFramesAndPart60)
{
    auto base = Make(1), xp = Make(2), o3 = Make(5);
    {
        DibCanvas c(40, 40, kWhite);
        base->PaintBarBackgroundPart(c.dc, nullptr, 0, CRect(0, 0, 40, 40));
        xp->PaintBarBackgroundPart(c.dc, nullptr, 0, CRect(0, 0, 40, 40));
        EXPECT_EQ(CountColor(c, CRect(0, 0, 40, 40), kWhite), 1600);
        o3->PaintBarBackgroundPart(c.dc, nullptr, 7, CRect(0, 0, 40, 40));
        EXPECT_TRUE(painthost::Near(c.At(20, 39), o3->GetTranslatedColor(XCLR_O2003_17), 6));
        EXPECT_TRUE(painthost::Near(c.At(20, 0), o3->GetTranslatedColor(XCLR_O2003_10), 6));
    }
    for (int nKind = 1; nKind <= 3; nKind++)
    {
        auto pm = Make(nKind);
        const COLORREF clrShadow = pm->GetTranslatedColor(COLOR_3DSHADOW);
        const COLORREF clrBottomRight = nKind == 1 ? pm->GetTranslatedColor(COLOR_3DHILIGHT) : clrShadow;
        DibCanvas a(40, 40, kWhite), b(40, 40, kWhite);
        pm->PaintTabNcArea(a.dc, CRect(0, 0, 40, 40), nullptr, 0);
        pm->PaintControlAreaRect(b.dc, CRect(0, 0, 40, 40), nullptr, 0);
        for (const DibCanvas* c : {&a, &b})
        {
            EXPECT_EQ(c->At(0, 10), clrShadow) << nKind;
            EXPECT_EQ(c->At(10, 0), clrShadow) << nKind;
            EXPECT_EQ(c->At(39, 10), clrBottomRight) << nKind;
            EXPECT_EQ(c->At(10, 39), clrBottomRight) << nKind;
            EXPECT_EQ(c->At(1, 1), kWhite) << nKind;
        }
        DibCanvas p(40, 40, kWhite);
        pm->PaintPart60(p.dc, CRect(5, 5, 35, 35), nullptr, 0);
        pm->PaintPart60(p.dc, CRect(0, 0, 0, 40), nullptr, 0);
        EXPECT_EQ(p.At(20, 20), pm->GetTranslatedColor(nKind == 1 ? COLOR_3DSHADOW : XCLR_FACE_NORMAL));
        EXPECT_EQ(p.At(2, 2), kWhite);
    }
}

TEST(BarParts, Part61ChoosesOneOfFourArrowsAndFramesByState)
{
    auto pm = Make(1);
    auto clr = [&](int n) { return pm->GetTranslatedColor(n); };
    const CRect rc(0, 0, 20, 20);
    struct
    {
        bool bHorizontal, bForward;
        int nGlyph;
    } arrows[] = {{true, true, 4}, {true, false, 5}, {false, true, 2}, {false, false, 3}};
    for (const auto& a : arrows)
    {
        const CExtPaintManagerGlyph& g = *g_arrSysCmdGlyphs[a.nGlyph];
        DibCanvas c(20, 20, kWhite);
        pm->PaintPart61(c.dc, a.bHorizontal, rc, a.bForward, false, false, nullptr, 0);
        EXPECT_TRUE(GlyphShows(c, g, (20 - g.GetWidth()) / 2, (20 - g.GetHeight()) / 2, clr(COLOR_BTNTEXT)))
            << a.nGlyph;
        EXPECT_EQ(c.At(0, 0), clr(COLOR_3DHILIGHT));
        EXPECT_EQ(c.At(19, 19), clr(COLOR_3DSHADOW));
        EXPECT_EQ(c.At(1, 1), clr(COLOR_3DFACE));
    }
    DibCanvas p(20, 20, kWhite);
    pm->PaintPart61(p.dc, true, rc, true, true, true, nullptr, 0);
    const CExtPaintManagerGlyph& g4 = *g_arrSysCmdGlyphs[4];
    EXPECT_TRUE(GlyphShows(p, g4, (20 - g4.GetWidth()) / 2 + 1, (20 - g4.GetHeight()) / 2 + 1, clr(COLOR_BTNTEXT)));
    EXPECT_EQ(p.At(0, 0), clr(COLOR_3DDKSHADOW));
    EXPECT_EQ(p.At(19, 19), clr(COLOR_3DHILIGHT));
    EXPECT_EQ(p.At(1, 1), clr(COLOR_3DSHADOW));
    DibCanvas h(20, 20, kWhite);
    pm->PaintPart61(h.dc, true, rc, true, true, false, nullptr, 0);
    EXPECT_EQ(h.At(19, 19), clr(COLOR_3DDKSHADOW));
    EXPECT_EQ(h.At(1, 1), clr(COLOR_3DHILIGHT));
    EXPECT_EQ(h.At(18, 18), clr(COLOR_3DSHADOW));
}

TEST(BarParts, Part62TipModeNeedsTheTipColoursAndItemsFrameTheirIcon)
{
    CExtCmdIcon icon;
    HICON hIcon = CExtPaintManager::CreateColorIcon(RGB(255, 0, 0));
    ASSERT_NE(hIcon, nullptr);
    icon.AssignFromHICON(hIcon, false);
    for (int nKind = 1; nKind <= 2; nKind++)
    {
        auto pm = Make(nKind);
        auto clr = [&](int n) { return pm->GetTranslatedColor(n); };
        const CRect rcItem(0, 0, 120, 30), rcIcon(4, 7, 20, 23), rcText(26, 4, 116, 26);
        {
            DibCanvas c(120, 30, kWhite);
            LI tip(nullptr, 0, &icon, nullptr, rcItem, rcIcon, rcText, rcText, L"Tip", 0x80, 0, nullptr);
            pm->PaintPart62(c.dc, tip);
            EXPECT_EQ(CountColor(c, rcItem, kWhite), 120 * 30) << nKind;
            LI tip2(nullptr, 0, &icon, nullptr, rcItem, rcIcon, rcText, rcText, L"Tip", 0x90, 0, nullptr);
            pm->PaintPart62(c.dc, tip2);
            EXPECT_EQ(c.At(24, 2), clr(COLOR_3DDKSHADOW)) << nKind;
            EXPECT_EQ(c.At(40, 10), clr(COLOR_INFOBK)) << nKind;
            EXPECT_EQ(c.At(10, 10), kWhite) << nKind; // nothing else drawn
        }
        {
            DibCanvas c(120, 30, kWhite);
            LI item(nullptr, 0, &icon, nullptr, rcItem, rcIcon, rcText, rcText, L"Item", 0x01, 0,
                    (HFONT)pm->m_fontNormal.GetSafeHandle());
            pm->PaintPart62(c.dc, item);
            EXPECT_EQ(c.At(10, 15), RGB(255, 0, 0)) << nKind;
            EXPECT_EQ(c.At(3, 6), clr(nKind == 1 ? COLOR_3DSHADOW : XCLR_LIGHT_ALT)) << nKind;
            EXPECT_EQ(c.At(2, 5), clr(nKind == 1 ? COLOR_3DFACE : XCLR_HILIGHT_DISABLED)) << nKind;
            EXPECT_EQ(c.At(21, 24), clr(nKind == 1 ? COLOR_3DDKSHADOW : XCLR_HILIGHT_DISABLED)) << nKind;
            EXPECT_GT(CountColor(c, rcText, clr(nKind == 1 ? COLOR_3DHILIGHT : COLOR_BTNTEXT)), 5) << nKind;
        }
    }
}

TEST(BarGradientBackground, Office2003GradientAndTheFrameOfButtonsOnVerticalBars)
{
    DockedBars bars;
    ASSERT_TRUE(bars.IsValid());
    auto pm = Make(5);
    const COLORREF clrFrame = pm->GetTranslatedColor(XCLR_SHADOW_ALT);
    CExtBarButton onLeft(&bars.m_barLeft, 100), onTop(&bars.m_barTop, 100), separator(&bars.m_barLeft, 0),
        detached(nullptr, 100);
    for (CExtBarButton* p : {&onLeft, &onTop, &separator, &detached})
        p->SetRect(CRect(2, 2, 26, 26));
    for (CExtBarButton* p : {&onLeft, &onTop, &separator, &detached})
    {
        DibCanvas c(30, 30, kWhite);
        pm->PaintBarGradientBackground(c.dc, p, 0);
        EXPECT_TRUE(painthost::Near(c.At(14, 24), pm->GetTranslatedColor(XCLR_O2003_17), 6));
        EXPECT_TRUE(painthost::Near(c.At(14, 3), pm->GetTranslatedColor(XCLR_O2003_15), 6));
        EXPECT_EQ(c.At(2, 14), p == &onLeft ? clrFrame : kWhite);
        EXPECT_EQ(c.At(25, 25), p == &onLeft ? clrFrame : kWhite);
    }
    DibCanvas c(30, 30, kWhite);
    pm->PaintBarGradientBackground(c.dc, nullptr, 0);
    Make(2)->PaintBarGradientBackground(c.dc, &onLeft, 0);
    {
        painthost::ScopedBitsPerPixel depth(8);
        pm->PaintBarGradientBackground(c.dc, &onLeft, 0);
    }
    EXPECT_EQ(CountColor(c, CRect(0, 0, 30, 30), kWhite), 900);
}

TEST(ColorIcons, SquareFrameAndCharacterWithTheirTransparency)
{
    const COLORREF clr = RGB(10, 160, 90);
    {
        HICON h = CExtPaintManager::CreateColorIcon(clr);
        ASSERT_NE(h, nullptr);
        DibCanvas w(16, 16, kWhite), b(16, 16, kBlack);
        DrawIconTwice(h, w, b);
        EXPECT_EQ(CountColor(w, CRect(0, 0, 16, 16), clr), 256);
        EXPECT_EQ(CountColor(b, CRect(0, 0, 16, 16), clr), 256);
        ::DestroyIcon(h);
    }
    {
        HICON h = CExtPaintManager::CreateColorFrameIcon(clr);
        ASSERT_NE(h, nullptr);
        DibCanvas w(16, 16, kWhite), b(16, 16, kBlack);
        DrawIconTwice(h, w, b);
        const CRect outer(1, 2, 15, 14), inner(3, 4, 13, 12);
        for (int y = 0; y < 16; y++)
            for (int x = 0; x < 16; x++)
            {
                const bool bFrame = outer.PtInRect(CPoint(x, y)) && !inner.PtInRect(CPoint(x, y));
                EXPECT_EQ(w.At(x, y), bFrame ? clr : kWhite) << x << "," << y;
                EXPECT_EQ(b.At(x, y), bFrame ? clr : kBlack) << x << "," << y;
            }
        ::DestroyIcon(h);
    }
    {
        auto pm = Make(1);
        CFont font;
        ASSERT_TRUE(
            font.CreateFont(-12, 0, 0, 0, 900, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"Times New Roman"));
        HICON h = CExtPaintManager::CreateColorCharIcon(clr, font, L'A');
        ASSERT_NE(h, nullptr);
        DibCanvas w(16, 16, kWhite), b(16, 16, kBlack);
        DrawIconTwice(h, w, b);
        EXPECT_EQ(CountColor(w, CRect(2, 13, 14, 16), clr), 12 * 3);
        EXPECT_EQ(w.At(0, 15), kWhite);
        EXPECT_EQ(b.At(15, 15), kBlack);
        EXPECT_EQ(w.At(0, 0), kWhite);
        EXPECT_EQ(b.At(0, 0), kBlack);
        EXPECT_GT(CountColor(w, CRect(0, 0, 16, 12), kBlack), 10); // the black "A"
        EXPECT_EQ(CountColor(b, CRect(0, 0, 16, 12), kWhite), 0);
        ::DestroyIcon(h);
    }
}

TEST(ColorIcons, AnyFailedCreationAnswersNull)
{
    for (int nStep = 1; nStep <= 5; nStep++)
    {
        CExtPaintManager::SetColorIconFailStep(nStep);
        EXPECT_EQ(CExtPaintManager::CreateColorIcon(RGB(1, 2, 3)), nullptr) << nStep;
        EXPECT_EQ(CExtPaintManager::CreateColorFrameIcon(RGB(1, 2, 3)), nullptr) << nStep;
        EXPECT_EQ(CExtPaintManager::CreateColorCharIcon(RGB(1, 2, 3), nullptr, L'A'), nullptr) << nStep;
    }
    CExtPaintManager::SetColorIconFailStep(0);
    HICON h = CExtPaintManager::CreateColorIcon(RGB(1, 2, 3));
    EXPECT_NE(h, nullptr);
    ::DestroyIcon(h);
}

TEST(PainterDcState, EveryPainterGivesTheDcBackAsItFoundIt)
{
    DockedBars bars;
    ASSERT_TRUE(bars.IsValid());
    CExtBarContentExpandButton chevron(&bars.m_barTop);
    CExtBarButton button(&bars.m_barLeft, 100);
    button.SetRect(CRect(2, 2, 26, 26));
    for (int nKind = 1; nKind <= 5; nKind++)
    {
        auto pm = Make(nKind);
        DibCanvas c(300, 200, kWhite);
        const HDC hDC = c.dc.GetSafeHdc();
        ::IntersectClipRect(hDC, 0, 0, 290, 190);
        ::SetTextColor(hDC, RGB(1, 2, 3));
        ::SetBkColor(hDC, RGB(4, 5, 6));
        ::SetTextAlign(hDC, TA_UPDATECP);
        const DCState before = Snapshot(hDC);
        CExtPaintManager::MenuItemPaintData mi(nullptr, CRect(0, 0, 200, 22), CRect(0, 0, 200, 22), 24, L"&Item",
                                               L"Ctrl+I", nullptr, true, true, true, false, false, false, true, false,
                                               false, SC_CLOSE);
        pm->PaintMenuItem(c.dc, mi);
        pm->PaintMenuSeparator(c.dc, CRect(0, 22, 200, 30), 24, true, nullptr, 0);
        pm->PaintMenuPart49(c.dc, CRect(0, 0, 200, 100), nullptr, 0);
        pm->PaintMenuPart51(c.dc, CRect(0, 0, 200, 100), CRect(0, 0, 0, 0), 2, nullptr, 0);
        pm->PaintMenuExpandButton(c.dc, CRect(0, 30, 200, 52), true, false, nullptr, 0);
        pm->PaintContentExpandButton(c.dc, CRect(186, 0, 200, 26), true, false, true, false, true, &chevron, 0, false);
        CExtPaintManager::CaptionButtonPaintData cb(nullptr, CRect(210, 0, 226, 16), 1, true, false, true, true, false,
                                                    false);
        pm->PaintCaptionButton(c.dc, cb);
        pm->PaintSysCmdGlyph(c.dc, SC_CLOSE, CRect(230, 0, 250, 20), true, false, false);
        pm->PaintSeparator(c.dc, CRect(250, 0, 258, 24), true, false, &bars.m_barTop, 0);
        pm->PaintControlBarClientArea(c.dc, CRect(0, 60, 200, 86), &bars.m_barTop, 0);
        pm->PaintDockBarClientArea(c.dc, CRect(0, 90, 200, 120), &bars.m_dockTop, 0);
        pm->PaintDockerBackground(true, c.dc, &bars.m_barFloat);
        pm->PaintBarGradientBackground(c.dc, &button, 0);
        CExtPaintManager::ListItemPaintData li(
            nullptr, 0, nullptr, nullptr, CRect(0, 120, 100, 150), CRect(2, 122, 18, 138), CRect(20, 120, 100, 150),
            CRect(20, 120, 100, 150), L"Vertical", 0x21, 0x10, pm->m_fontNormalRot90);
        pm->PaintPart62(c.dc, li);
        pm->PaintPart61(c.dc, true, CRect(100, 120, 120, 140), true, true, true, nullptr, 0);
        EXPECT_TRUE(Snapshot(hDC) == before) << StyleName(nKind);
    }
}
