// Backgrounds behind bars on real windows: the frame's docker gradient, window backgrounds relative
// to what lies behind them, docked and floating tool bars, dock-bar client areas and a tool bar in a
// dialog, in the base, XP and Office 2003 forms.
#include "BarMenuPainterSupport.h"
#include "toolkit/bars_tabs/ExtBarContentExpandButton.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
#include <gtest/gtest.h>

using namespace barmenupainters;

namespace
{

const COLORREF kWhite = RGB(255, 255, 255);

COLORREF Mix(COLORREF a, COLORREF b, int num, int den)
{
    return RGB(GetRValue(a) + (GetRValue(b) - GetRValue(a)) * num / den,
               GetGValue(a) + (GetGValue(b) - GetGValue(a)) * num / den,
               GetBValue(a) + (GetBValue(b) - GetBValue(a)) * num / den);
}

CSize ClientSize(CWnd& wnd)
{
    CRect rc;
    wnd.GetClientRect(&rc);
    return rc.Size();
}

} // namespace

TEST(DockerArea, BaseAndXpFillWithTheFaceAndAnswerFalse)
{
    DockedBars bars;
    ASSERT_TRUE(bars.IsValid());
    CWnd child;
    ASSERT_TRUE(CreateChild(child, bars.m_pFrame, 0x100, CRect(100, 60, 150, 80)));
    for (int nKind = 1; nKind <= 2; nKind++)
    {
        auto pm = Make(nKind);
        EXPECT_FALSE(pm->IsDockerGradientAvailable(nullptr));
        DibCanvas c(60, 30, kWhite);
        EXPECT_FALSE(pm->PaintDockerArea(true, c.dc, CRect(0, 0, 40, 10), CRect(0, 0, 0, 0)));
        EXPECT_EQ(c.At(39, 9), pm->GetTranslatedColor(XCLR_FACE_NORMAL));
        EXPECT_EQ(c.At(40, 10), kWhite);
        DibCanvas b(60, 30, kWhite);
        EXPECT_FALSE(pm->PaintDockerBackground(true, b.dc, &child));
        // The base style paints the window's rectangle even though it answers false; XP paints nothing.
        EXPECT_EQ(b.At(49, 19), nKind == 1 ? pm->GetTranslatedColor(XCLR_FACE_NORMAL) : kWhite) << nKind;
        EXPECT_EQ(b.At(50, 20), kWhite);
        DibCanvas cb(60, 30, kWhite);
        pm->PaintControlBarClientArea(cb.dc, CRect(0, 0, 30, 20), &bars.m_barTop, 0);
        EXPECT_EQ(cb.At(29, 19), pm->GetTranslatedColor(XCLR_FACE_NORMAL));
        DibCanvas db(60, 30, kWhite);
        pm->PaintDockBarClientArea(db.dc, CRect(0, 0, 30, 20), &bars.m_dockTop, 0);
        EXPECT_EQ(db.At(29, 19), pm->GetTranslatedColor(COLOR_3DFACE));
    }
}

TEST(DockerArea, Office2003GradientSpans686PixelsThenTurnsFlat)
{
    auto pm = Make(5);
    const COLORREF c00 = pm->GetTranslatedColor(XCLR_O2003_00), c01 = pm->GetTranslatedColor(XCLR_O2003_01);
    ASSERT_FALSE(painthost::Near(c00, c01, 12));
    EXPECT_TRUE(pm->IsDockerGradientAvailable(nullptr));
    {
        DibCanvas c(686, 4, kWhite);
        EXPECT_TRUE(pm->PaintDockerArea(true, c.dc, CRect(0, 0, 686, 4), CRect(0, 0, 0, 0)));
        EXPECT_TRUE(painthost::Near(c.At(0, 1), c01, 4)) << painthost::ColorText(c.At(0, 1));
        EXPECT_TRUE(painthost::Near(c.At(685, 1), c00, 4)) << painthost::ColorText(c.At(685, 1));
        EXPECT_TRUE(painthost::Near(c.At(343, 1), Mix(c01, c00, 1, 2), 6)) << painthost::ColorText(c.At(343, 1));
    }
    {
        DibCanvas c(700, 4, kWhite);
        EXPECT_TRUE(pm->PaintDockerArea(true, c.dc, CRect(0, 0, 700, 4), CRect(0, 0, 0, 0)));
        EXPECT_EQ(CountColor(c, CRect(686, 0, 700, 4), c00), 14 * 4);
        EXPECT_TRUE(painthost::Near(c.At(343, 1), Mix(c01, c00, 1, 2), 6));
    }
    painthost::ScopedBitsPerPixel depth(8);
    EXPECT_FALSE(pm->IsDockerGradientAvailable(nullptr));
    DibCanvas c(100, 4, kWhite);
    EXPECT_FALSE(pm->PaintDockerArea(true, c.dc, CRect(0, 0, 100, 4), CRect(0, 0, 0, 0)));
    EXPECT_EQ(c.At(0, 0), pm->GetTranslatedColor(XCLR_FACE_NORMAL));
}

TEST(DockerBackground, TwoWindowsShowTheSameColourAtTheSameFrameX)
{
    DockedBars bars;
    ASSERT_TRUE(bars.IsValid());
    CWnd a, b;
    ASSERT_TRUE(CreateChild(a, bars.m_pFrame, 0x100, CRect(100, 60, 400, 80)));
    ASSERT_TRUE(CreateChild(b, bars.m_pFrame, 0x101, CRect(300, 200, 500, 220)));
    auto pm = Make(5);
    DibCanvas ca(300, 20, kWhite), cb(200, 20, kWhite);
    EXPECT_TRUE(pm->PaintDockerBackground(true, ca.dc, &a));
    EXPECT_TRUE(pm->PaintDockerBackground(true, cb.dc, &b));
    EXPECT_EQ(ca.At(250, 5), cb.At(50, 5)); // frame x = 350
    EXPECT_EQ(ca.At(200, 0), cb.At(0, 19)); // frame x = 300
    EXPECT_NE(ca.At(0, 5), ca.At(250, 5));
    // The same piece in window coordinates of a window without a border.
    DibCanvas cw(300, 20, kWhite);
    EXPECT_TRUE(pm->PaintDockerBackground(false, cw.dc, &a));
    EXPECT_EQ(cw.At(250, 5), ca.At(250, 5));
    // Not at 8 bits per pixel.
    painthost::ScopedBitsPerPixel depth(8);
    DibCanvas low(300, 20, kWhite);
    EXPECT_FALSE(pm->PaintDockerBackground(true, low.dc, &a));
    EXPECT_EQ(low.At(10, 10), kWhite);
}

TEST(DockerBackground, AWindowOnAFloatingToolBarShowsItsTopToBottomGradient)
{
    DockedBars bars;
    ASSERT_TRUE(bars.IsValid());
    ASSERT_TRUE(CExtControlBar::IsFloating(&bars.m_barFloat));
    CWnd child;
    ASSERT_TRUE(CreateChild(child, &bars.m_barFloat, 0x100, CRect(10, 10, 60, 30)));
    auto pm = Make(5);
    const COLORREF c00 = pm->GetTranslatedColor(XCLR_O2003_00), c01 = pm->GetTranslatedColor(XCLR_O2003_01);
    DibCanvas c(50, 20, kWhite);
    EXPECT_TRUE(pm->PaintDockerBackground(true, c.dc, &child));
    const int nBar = ClientSize(bars.m_barFloat).cy; // 60: rows -10 .. 49 of the child
    for (int y : {0, 10, 19})
    {
        const COLORREF expected = Mix(c00, c01, y + 10, nBar);
        EXPECT_TRUE(painthost::Near(c.At(25, y), expected, 6)) << y << " " << painthost::ColorText(c.At(25, y));
        EXPECT_EQ(c.At(0, y), c.At(49, y));
    }
}

TEST(ControlBarClientArea, ADockedToolBarsBandIsRoundedOnlyAtItsFarEnd)
{
    DockedBars bars;
    ASSERT_TRUE(bars.IsValid());
    auto pm = Make(5);
    auto* o3 = static_cast<CExtPaintManagerOffice2003*>(pm.get());
    const COLORREF clrA = painthost::CTestThemeColor::BlueThemeA();
    const COLORREF c1 = CExtPaintManager::AdjustHls(clrA, 0, 0.75, 0.15);
    const COLORREF c2 = CExtPaintManager::AdjustHls(clrA, 0, 0.65, 0.15);
    const COLORREF clrShadow = pm->GetTranslatedColor(o3->m_nPushButtonClrIds[CExtPaintManagerXP::kBorder]);
    for (bool bHorizontal : {true, false})
    {
        CExtToolControlBar& bar = bHorizontal ? bars.m_barTop : bars.m_barLeft;
        const CSize size = ClientSize(bar);
        DibCanvas c(size.cx, size.cy, kWhite), ref(size.cx, size.cy, kWhite);
        pm->PaintControlBarClientArea(c.dc, CRect(CPoint(0, 0), size), &bar, 0);
        pm->PaintDockerBackground(true, ref.dc, &bar);
        const CPoint farA = bHorizontal ? CPoint(size.cx - 1, 0) : CPoint(0, size.cy - 1);
        const CPoint farB(size.cx - 1, size.cy - 1);
        EXPECT_EQ(c.At(farA.x, farA.y), ref.At(farA.x, farA.y)) << bHorizontal;
        EXPECT_EQ(c.At(farB.x, farB.y), ref.At(farB.x, farB.y)) << bHorizontal;
        EXPECT_TRUE(painthost::Near(c.At(0, 0), c1, 6)) << bHorizontal << painthost::ColorText(c.At(0, 0));
        // c2 at the 2/5 line across the bar.
        const int nSplit = ::MulDiv(bHorizontal ? size.cy : size.cx, 2, 5);
        const CPoint ptSplit = bHorizontal ? CPoint(size.cx / 2, nSplit) : CPoint(nSplit, size.cy / 2);
        EXPECT_TRUE(painthost::Near(c.At(ptSplit.x, ptSplit.y), c2, 6))
            << bHorizontal << painthost::ColorText(c.At(ptSplit.x, ptSplit.y));
        // The shadow lines: one pixel inside the far end, and along the bottom (right) edge.
        const CPoint ptEnd = bHorizontal ? CPoint(size.cx - 2, size.cy / 2) : CPoint(size.cx / 2, size.cy - 2);
        const CPoint ptEdge = bHorizontal ? CPoint(size.cx / 2, size.cy - 1) : CPoint(size.cx - 1, size.cy / 2);
        EXPECT_EQ(c.At(ptEnd.x, ptEnd.y), clrShadow) << bHorizontal;
        EXPECT_EQ(c.At(ptEdge.x, ptEdge.y), clrShadow) << bHorizontal;
    }
}

namespace
{

// The Office 2003 style on a desktop without system theme colours: the classic table.
class CClassic2003 : public CExtPaintManagerOffice2003
{
public:
    bool UseSystemThemeColors() override { return false; }
};

} // namespace

TEST(ControlBarClientArea, ClassicBandsRunFrom3015AtTheTopOrLeftTo3017)
{
    DockedBars bars;
    ASSERT_TRUE(bars.IsValid());
    CClassic2003 pm;
    pm.InitFonts();
    pm.BuildOffice2003ColorTable(painthost::MakeInputs(true, 32));
    pm.InitBrushes();
    const COLORREF c15 = pm.GetTranslatedColor(XCLR_O2003_15), c17 = pm.GetTranslatedColor(XCLR_O2003_17);
    ASSERT_FALSE(painthost::Near(c15, c17, 12));
    for (bool bHorizontal : {true, false})
    {
        CExtToolControlBar& bar = bHorizontal ? bars.m_barTop : bars.m_barLeft;
        const CSize size = ClientSize(bar);
        DibCanvas c(size.cx, size.cy, kWhite);
        pm.PaintControlBarClientArea(c.dc, CRect(CPoint(0, 0), size), &bar, 0);
        const CPoint ptStart = bHorizontal ? CPoint(size.cx / 2, 0) : CPoint(0, size.cy / 2);
        const CPoint ptEnd = bHorizontal ? CPoint(size.cx / 2, size.cy - 1) : CPoint(size.cx - 1, size.cy / 2);
        EXPECT_TRUE(painthost::Near(c.At(ptStart.x, ptStart.y), c15, 6)) << bHorizontal;
        EXPECT_TRUE(painthost::Near(c.At(ptEnd.x, ptEnd.y), c17, 6)) << bHorizontal;
    }
}

TEST(ControlBarClientArea, FloatingBarsAndOtherSubjectsGetTheFace)
{
    DockedBars bars;
    ASSERT_TRUE(bars.IsValid());
    auto pm = Make(5);
    DibCanvas c(60, 30, kWhite);
    pm->PaintControlBarClientArea(c.dc, CRect(0, 0, 60, 30), &bars.m_barFloat, 0);
    EXPECT_EQ(c.At(30, 15), pm->GetTranslatedColor(XCLR_FACE_NORMAL));
    DibCanvas d(60, 30, kWhite);
    pm->PaintControlBarClientArea(d.dc, CRect(0, 0, 60, 30), &bars.m_dockTop, 0);
    EXPECT_EQ(d.At(30, 15), pm->GetTranslatedColor(XCLR_FACE_NORMAL));
    DibCanvas e(60, 30, kWhite);
    pm->PaintControlBarClientArea(e.dc, CRect(0, 0, 0, 30), &bars.m_barTop, 0);
    EXPECT_EQ(CountColor(e, CRect(0, 0, 60, 30), kWhite), 60 * 30);
}

TEST(DockBarClientArea, Office2003ShowsItsPieceOfTheFrameGradient)
{
    DockedBars bars;
    ASSERT_TRUE(bars.IsValid());
    auto pm = Make(5);
    const CSize sizeFrame = ClientSize(*bars.m_pFrame);
    DibCanvas frame(sizeFrame.cx, sizeFrame.cy, kWhite);
    pm->PaintDockerArea(true, frame.dc, CRect(CPoint(0, 0), sizeFrame), CRect(0, 0, 0, 0));
    DibCanvas top(800, 30, kWhite), left(30, 370, kWhite);
    pm->PaintDockBarClientArea(top.dc, CRect(0, 0, 800, 30), &bars.m_dockTop, 0);
    pm->PaintDockBarClientArea(left.dc, CRect(0, 0, 30, 370), &bars.m_dockLeft, 0);
    for (int x : {0, 200, 500, 700})
        EXPECT_EQ(top.At(x, 10), frame.At(x, 10)) << x;
    EXPECT_EQ(left.At(20, 100), frame.At(20, 130));
    // A plain dock bar subject, or 8 bits per pixel: the face.
    DibCanvas plain(60, 30, kWhite);
    pm->PaintDockBarClientArea(plain.dc, CRect(0, 0, 60, 30), &bars.m_dockFloat, 0);
    EXPECT_EQ(plain.At(30, 15), pm->GetTranslatedColor(COLOR_3DFACE));
    painthost::ScopedBitsPerPixel depth(8);
    DibCanvas low(60, 30, kWhite);
    pm->PaintDockBarClientArea(low.dc, CRect(0, 0, 60, 30), &bars.m_dockTop, 0);
    EXPECT_EQ(low.At(30, 15), pm->GetTranslatedColor(COLOR_3DFACE));
}

TEST(ControlBarClientArea, AToolBarInADialogGetsTheDialogsGradientAndNoBand)
{
    CWnd dialog;
    ASSERT_TRUE(dialog.CWnd::CreateEx(0, AfxRegisterWndClass(0), L"dialog", WS_POPUP | WS_CAPTION, 50, 50, 400, 200,
                                      nullptr, nullptr, nullptr));
    CPlainToolBar bar; // no dock site, no dock bar
    ASSERT_TRUE(CreateChild(bar, &dialog, 0x100, CRect(20, 10, 220, 36)));
    bar.m_dwStyle = CBRS_ALIGN_TOP;
    CWnd child;
    ASSERT_TRUE(CreateChild(child, &bar, 0x101, CRect(50, 2, 100, 22)));
    auto pm = Make(5);
    EXPECT_FALSE(pm->IsToolBarGradientArea(&bar));
    const CSize sizeDialog = ClientSize(dialog);
    DibCanvas ref(sizeDialog.cx, sizeDialog.cy, kWhite);
    pm->PaintDockerArea(true, ref.dc, CRect(CPoint(0, 0), sizeDialog), CRect(0, 0, 0, 0));
    DibCanvas c(200, 26, kWhite);
    pm->PaintControlBarClientArea(c.dc, CRect(0, 0, 200, 26), &bar, 0);
    EXPECT_EQ(c.At(0, 0), ref.At(20, 10));
    EXPECT_EQ(c.At(199, 25), ref.At(219, 35)); // no band, no rounded end
    // A window on that tool bar stops at the bar and shows a band across it.
    DibCanvas cc(50, 20, kWhite);
    EXPECT_TRUE(pm->PaintDockerBackground(true, cc.dc, &child));
    EXPECT_NE(cc.At(25, 0), kWhite);
    // Its chevron keeps the XP look: no gradient end colours of the bar.
    CExtBarContentExpandButton chevron(&bar);
    DibCanvas ch(30, 30, kWhite);
    pm->PaintContentExpandButton(ch.dc, CRect(0, 0, 20, 26), true, true, true, false, true, &chevron, 0, false);
    EXPECT_EQ(ch.At(0, 0), pm->GetTranslatedColor(XCLR_HILIGHT_DISABLED));
    dialog.DestroyWindow();
}
