// Control-bar captions, grippers and docking frames on DIB pixels in the base, XP and Office 2003
// styles.
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/foundation/PainterProbe.h"
#include <gtest/gtest.h>

using namespace probe;
typedef CExtPaintManager PM;

namespace
{

const CRect kWindow(10, 10, 70, 50);
const CRect kClient(16, 16, 64, 44);

} // namespace

TEST(DockingFrame, AnEmptyWindowRectanglePaintsNothingInEveryForm)
{
    painthost::ScopedStyle restore;
    ForEachStyle([](CExtPaintManager& pm, const char* pszStyle) {
        for (int nFlags = 0; nFlags < 8; nFlags++)
        {
            DibCanvas c(80, 60);
            PM::DockingFramePaintData data(nullptr, CRect(10, 10, 10, 50), kClient, (nFlags & 1) != 0,
                                           (nFlags & 2) != 0, (nFlags & 4) != 0);
            pm.PaintDockingFrame(c.dc, data);
            EXPECT_EQ(c.Count(CRect(0, 0, 80, 60), kWhite), 80 * 60) << pszStyle << " flags " << nFlags;
        }
    });
}

TEST(DockingFrame, BaseFormsDrawOneOrTwoRectanglesOrOnlyTheFill)
{
    painthost::ScopedStyle restore;
    auto& pm = *Install<CExtPaintManager>();
    {
        DibCanvas c(80, 60);
        PM::DockingFramePaintData data(nullptr, kWindow, kClient, false, false, false);
        pm.PaintDockingFrame(c.dc, data);
        EXPECT_EQ(c.At(10, 30), T(pm, XCLR_HILIGHT_NORMAL));
        EXPECT_EQ(c.At(69, 30), T(pm, XCLR_SHADOW_NORMAL));
        EXPECT_EQ(c.At(11, 30), T(pm, XCLR_FACE_NORMAL));
        EXPECT_EQ(c.At(30, 30), kWhite); // the client area is never painted
    }
    {
        DibCanvas c(80, 60);
        PM::DockingFramePaintData data(nullptr, kWindow, kClient, false, true, false);
        pm.PaintDockingFrame(c.dc, data);
        EXPECT_EQ(c.At(10, 30), T(pm, XCLR_FACE_NORMAL));
        EXPECT_EQ(c.At(69, 30), T(pm, XCLR_FACE_NORMAL));
    }
    {
        DibCanvas c(80, 60);
        PM::DockingFramePaintData data(nullptr, kWindow, kClient, true, false, false);
        pm.PaintDockingFrame(c.dc, data);
        EXPECT_EQ(c.At(10, 30), T(pm, XCLR_FACE_NORMAL));
        EXPECT_EQ(c.At(69, 30), T(pm, XCLR_DKSHADOW_NORMAL));
        EXPECT_EQ(c.At(11, 30), T(pm, XCLR_HILIGHT_NORMAL));
        EXPECT_EQ(c.At(68, 30), T(pm, XCLR_SHADOW_NORMAL));
        // The DC stays clipped to the frame band.
        c.dc.FillSolidRect(CRect(0, 0, 80, 60), RGB(9, 9, 9));
        EXPECT_EQ(c.At(30, 30), kWhite);
        EXPECT_EQ(c.At(2, 2), kWhite);
    }
}

TEST(DockingFrame, XpOuterFrameFillsByTheSecondFlagAndLeavesTheDcUnclipped)
{
    painthost::ScopedStyle restore;
    auto& pm = *Install<CExtPaintManagerXP>();
    for (int nResizable = 0; nResizable < 2; nResizable++)
    {
        DibCanvas c(80, 60);
        PM::DockingFramePaintData data(nullptr, kWindow, kClient, true, nResizable != 0, false);
        const COLORREF clrBkBefore = c.dc.GetBkColor();
        pm.PaintDockingFrame(c.dc, data);
        const COLORREF clrShadow = T(pm, COLOR_3DSHADOW);
        EXPECT_EQ(c.At(10, 30), clrShadow);
        EXPECT_EQ(c.At(11, 30), clrShadow);
        EXPECT_EQ(c.At(12, 12), clrShadow); // corner of the second inner rectangle
        EXPECT_EQ(c.At(13, 30), T(pm, nResizable ? XCLR_DKSHADOW_DISABLED : XCLR_DKSHADOW_ALT));
        EXPECT_EQ(c.dc.GetBkColor(), clrBkBefore);
        c.dc.FillSolidRect(CRect(0, 0, 80, 60), RGB(9, 9, 9));
        EXPECT_EQ(c.At(30, 30), RGB(9, 9, 9));
    }
    DibCanvas c(80, 60);
    PM::DockingFramePaintData data(nullptr, kWindow, kClient, false, false, true);
    pm.PaintDockingFrame(c.dc, data);
    EXPECT_EQ(c.At(10, 30), T(pm, COLOR_3DFACE));
    EXPECT_EQ(c.At(12, 30), T(pm, XCLR_FACE_NORMAL));
}

TEST(DockingFrame, XpDrawsItsGripPatternOnlyAtLowColour)
{
    painthost::ScopedStyle restore;
    auto& pm = *Install<CExtPaintManagerXP>();
    const CRect rcBand(11, 11, 69, 15);
    {
        DibCanvas c(80, 60);
        PM::DockingFramePaintData data(nullptr, kWindow, kClient, false, true, false);
        pm.PaintDockingFrame(c.dc, data);
        EXPECT_EQ(c.Count(rcBand, T(pm, XCLR_FACE_NORMAL)), rcBand.Width() * rcBand.Height());
    }
    painthost::ScopedBitsPerPixel depth(8);
    DibCanvas c(80, 60);
    PM::DockingFramePaintData data(nullptr, kWindow, kClient, false, true, false);
    pm.PaintDockingFrame(c.dc, data);
    EXPECT_GT(c.Count(rcBand, T(pm, COLOR_3DSHADOW)), 0);
    PM::DockingFramePaintData noGrip(nullptr, kWindow, kClient, false, true, true);
    DibCanvas c2(80, 60);
    pm.PaintDockingFrame(c2.dc, noGrip);
    EXPECT_EQ(c2.Count(rcBand, T(pm, COLOR_3DSHADOW)), 0);
}

TEST(DockingFrame, Office2003DockedBarsHaveNoFrameAboveLowColour)
{
    painthost::ScopedStyle restore;
    painthost::ScopedBitsPerPixel depth(32);
    auto& pm = *Install<CExtPaintManagerOffice2003>();
    CExtControlBar bar;
    DibCanvas c(80, 60);
    PM::DockingFramePaintData docked(&bar, kWindow, kClient, false, false, false);
    pm.PaintDockingFrame(c.dc, docked);
    EXPECT_EQ(c.Count(CRect(0, 0, 80, 60), kWhite), 80 * 60);
    PM::DockingFramePaintData floating(&bar, kWindow, kClient, true, false, false);
    pm.PaintDockingFrame(c.dc, floating);
    EXPECT_EQ(c.At(10, 30), T(pm, COLOR_3DSHADOW));
    painthost::ScopedBitsPerPixel low(8);
    DibCanvas c8(80, 60);
    pm.PaintDockingFrame(c8.dc, docked);
    EXPECT_EQ(c8.At(10, 30), T(pm, COLOR_3DFACE));
}

// ---- captions and grippers ---------------------------------------------------------------------

TEST(ControlBarFrame, BaseGripperIsTwoRidgesAndNoTextWhateverTheText)
{
    painthost::ScopedStyle restore;
    auto& pm = *Install<CExtPaintManager>();
    const COLORREF kBg = RGB(90, 0, 90);
    DibCanvas c(120, 30, kBg);
    const CRect rc(0, 0, 100, 20);
    PM::CaptionPaintData data(nullptr, rc, rc, false, false, false, false, L"Folders");
    pm.PaintControlBarFrame(c.dc, data);
    const COLORREF clrHi = T(pm, XCLR_HILIGHT_NORMAL), clrSh = T(pm, XCLR_SHADOW_NORMAL);
    EXPECT_EQ(c.At(10, 4), clrHi);
    EXPECT_EQ(c.At(98, 6), clrSh);
    EXPECT_EQ(c.At(10, 7), clrHi);
    EXPECT_EQ(c.At(98, 9), clrSh);
    // Everything else stays: two ridges of 3 pixels and nothing more.
    const int nPainted = 120 * 30 - c.Count(CRect(0, 0, 120, 30), kBg);
    EXPECT_EQ(nPainted, CountOther(c, CRect(0, 4, 99, 10), kBg));
    EXPECT_EQ(c.Count(CRect(0, 10, 120, 30), kBg), 120 * 20);

    DibCanvas v(30, 120, kBg);
    PM::CaptionPaintData vert(nullptr, CRect(0, 0, 20, 100), CRect(0, 0, 20, 100), false, false, true, false, L"x");
    pm.PaintControlBarFrame(v.dc, vert);
    EXPECT_EQ(v.At(4, 50), clrHi);
    EXPECT_EQ(v.At(6, 50), clrSh);
    EXPECT_EQ(v.At(7, 50), clrHi);
    EXPECT_EQ(v.At(9, 50), clrSh);
    EXPECT_EQ(v.Count(CRect(10, 0, 30, 120), kBg), 20 * 120);
}

TEST(ControlBarFrame, BaseCaptionGradientRunsFromTheCaptionColourAndIsFlatAtLowColour)
{
    painthost::ScopedStyle restore;
    painthost::ScopedBitsPerPixel depth(32);
    auto& pm = *Install<CExtPaintManager>();
    const CRect rc(0, 0, 200, 20);
    DibCanvas c(200, 20);
    PM::CaptionPaintData active(nullptr, rc, CRect(0, 0, 0, 0), true, false, false, true, L"Folders");
    pm.PaintControlBarFrame(c.dc, active);
    EXPECT_EQ(c.At(0, 0), kWhite); // shrunk by 1
    EXPECT_TRUE(painthost::Near(c.At(1, 10), T(pm, COLOR_ACTIVECAPTION), 4));
    EXPECT_TRUE(painthost::Near(c.At(198, 10), T(pm, COLOR_GRADIENTACTIVECAPTION), 4));
    DibCanvas iv(200, 20);
    PM::CaptionPaintData inactive(nullptr, rc, CRect(0, 0, 0, 0), false, false, false, true, L"Folders");
    pm.PaintControlBarFrame(iv.dc, inactive);
    EXPECT_TRUE(painthost::Near(iv.At(1, 10), T(pm, COLOR_INACTIVECAPTION), 4));
    painthost::ScopedBitsPerPixel low(8);
    DibCanvas flat(200, 20);
    pm.PaintControlBarFrame(flat.dc, active);
    EXPECT_EQ(flat.Count(CRect(1, 1, 199, 19), T(pm, COLOR_ACTIVECAPTION)), 198 * 18);
}

TEST(ControlBarFrame, ACaptionWithAnEmptyTextRectangleGetsItsBackgroundButNoText)
{
    painthost::ScopedStyle restore;
    ForEachStyle([](CExtPaintManager& pm, const char* pszStyle) {
        const CRect rc(0, 0, 200, 20);
        DibCanvas withText(200, 20), noText(200, 20), empty(200, 20);
        PM::CaptionPaintData a(nullptr, rc, CRect(2, 2, 198, 18), true, false, false, true, L"Folders");
        pm.PaintControlBarFrame(withText.dc, a);
        PM::CaptionPaintData b(nullptr, rc, CRect(2, 2, 2, 18), true, false, false, true, L"Folders");
        pm.PaintControlBarFrame(noText.dc, b);
        PM::CaptionPaintData d(nullptr, rc, CRect(2, 2, 198, 18), true, false, false, true, L"");
        pm.PaintControlBarFrame(empty.dc, d);
        EXPECT_NE(memcmp(withText.Bits(), noText.Bits(), 200 * 20 * 4), 0) << pszStyle;
        EXPECT_EQ(memcmp(empty.Bits(), noText.Bits(), 200 * 20 * 4), 0) << pszStyle;
        EXPECT_NE(noText.At(100, 10), kWhite) << pszStyle;
    });
}

TEST(ControlBarFrame, XpCaptionFillsFollowTheFlagsAndTheInactiveFrameKeepsItsCorners)
{
    painthost::ScopedStyle restore;
    auto& pm = *Install<CExtPaintManagerXP>();
    const CRect rc(0, 0, 100, 20);
    DibCanvas c(100, 20);
    PM::CaptionPaintData inactive(nullptr, rc, CRect(0, 0, 0, 0), false, false, false, true);
    pm.PaintControlBarFrame(c.dc, inactive);
    EXPECT_EQ(c.At(0, 0), T(pm, XCLR_FACE_DISABLED));
    EXPECT_EQ(c.At(50, 0), T(pm, COLOR_3DSHADOW));
    EXPECT_EQ(c.At(0, 10), T(pm, COLOR_3DSHADOW));
    EXPECT_EQ(c.At(50, 10), T(pm, XCLR_FACE_DISABLED));
    PM::CaptionPaintData active(nullptr, rc, CRect(0, 0, 0, 0), true, false, false, true);
    pm.PaintControlBarFrame(c.dc, active);
    EXPECT_EQ(c.At(0, 0), T(pm, COLOR_HIGHLIGHT));
    EXPECT_EQ(c.At(50, 0), T(pm, COLOR_HIGHLIGHT));
    DibCanvas bare(100, 20);
    PM::CaptionPaintData unfilled(nullptr, rc, CRect(0, 0, 0, 0), false, false, false, true);
    unfilled.m_bNoBackground = true;
    pm.PaintControlBarFrame(bare.dc, unfilled);
    EXPECT_EQ(bare.Count(rc, kWhite), 100 * 20);
}

TEST(ControlBarFrame, XpGripperLaysItsDotsOverTheFaceFill)
{
    painthost::ScopedStyle restore;
    for (int nDepth : {32, 8})
    {
        painthost::ScopedBitsPerPixel depth(nDepth);
        auto& pm = *Install<CExtPaintManagerXP>();
        DibCanvas c(20, 100);
        const CRect rc(0, 0, 12, 100); // a horizontal bar's gripper: vertical, its strip runs top to bottom
        PM::CaptionPaintData grip(nullptr, rc, rc, false, false, true, false);
        pm.PaintControlBarFrame(c.dc, grip);
        const COLORREF clrFace = T(pm, XCLR_FACE_NORMAL);
        EXPECT_EQ(c.At(0, 0), clrFace) << nDepth;
        EXPECT_EQ(c.At(11, 99), clrFace) << nDepth;
        const CRect rcStrip(4, 2, 8, 98);
        EXPECT_GT(CountOther(c, rcStrip, clrFace), 10) << nDepth;
        EXPECT_EQ(c.Count(CRect(12, 0, 20, 100), kWhite), 8 * 100) << nDepth;
    }
}

TEST(ControlBarFrame, Draw3dFrameNoCornersLeavesTheFourCorners)
{
    DibCanvas c(20, 20);
    PM::Draw3dFrameNoCorners(c.dc, CRect(2, 2, 12, 10), RGB(255, 0, 0), RGB(0, 0, 255));
    EXPECT_EQ(c.At(2, 2), kWhite);
    EXPECT_EQ(c.At(11, 2), kWhite);
    EXPECT_EQ(c.At(2, 9), kWhite);
    EXPECT_EQ(c.At(11, 9), kWhite);
    EXPECT_EQ(c.At(5, 2), RGB(255, 0, 0));
    EXPECT_EQ(c.At(2, 5), RGB(255, 0, 0));
    EXPECT_EQ(c.At(11, 5), RGB(0, 0, 255));
    EXPECT_EQ(c.At(5, 9), RGB(0, 0, 255));
    EXPECT_EQ(c.At(5, 5), kWhite);
}

TEST(ControlBarFrame, Office2003GripperIsABandWithDotsEveryFourPixels)
{
    painthost::ScopedStyle restore;
    painthost::ScopedBitsPerPixel depth(32);
    auto& pm = *Install<CExtPaintManagerOffice2003>();
    CExtControlBar bar;
    DibCanvas c(20, 60);
    const CRect rc(0, 0, 11, 60); // a horizontal bar's gripper: vertical
    PM::CaptionPaintData grip(&bar, rc, rc, false, false, true, false, L"Folders");
    pm.PaintControlBarFrame(c.dc, grip);
    const COLORREF clrDark = T(pm, XCLR_O2003_03), clrLight = T(pm, XCLR_O2003_02);
    // Find the first dot on the column the dots are centred on.
    const int x = (rc.Width() - 3) / 2;
    int y0 = -1;
    for (int y = 0; y < 60 && y0 < 0; y++)
        if (c.At(x, y) == clrDark)
            y0 = y;
    ASSERT_GE(y0, 0);
    int nDots = 0;
    for (int y = y0; y + 2 < 60; y += CExtPaintManagerOffice2003::kGripperDotPitch)
    {
        if (c.At(x, y) != clrDark)
            break;
        EXPECT_EQ(c.At(x + 1, y + 1), clrDark);
        EXPECT_EQ(c.At(x + 2, y + 2), clrLight);
        nDots++;
    }
    EXPECT_EQ(nDots, (60 - 2) / 4);
    // The band: the classic gradient's ends top to bottom, the border line at the right, nothing beyond.
    EXPECT_TRUE(painthost::Near(c.At(5, 0), T(pm, XCLR_O2003_15), 12));
    EXPECT_TRUE(painthost::Near(c.At(5, 59), T(pm, XCLR_O2003_17), 12));
    EXPECT_EQ(c.At(10, 30), T(pm, COLOR_3DSHADOW));
    EXPECT_EQ(c.Count(CRect(11, 0, 20, 60), kWhite), 9 * 60);
    EXPECT_EQ(c.At(0, 0), kWhite); // the rounded start corner
}

TEST(ControlBarFrame, Office2003FallsBackToXpForFloatingToolBarsOtherSubjectsAndLowColour)
{
    painthost::ScopedStyle restore;
    auto& pm = *Install<CExtPaintManagerOffice2003>();
    auto* pXp = new CExtPaintManagerXP;
    pXp->InitFonts();
    pXp->InitColors();
    const CRect rc(0, 0, 11, 60);
    auto Same = [&](CObject* pSubject) {
        DibCanvas a(20, 60), b(20, 60);
        PM::CaptionPaintData d1(pSubject, rc, rc, false, false, false, false);
        pm.PaintControlBarFrame(a.dc, d1);
        PM::CaptionPaintData d2(pSubject, rc, rc, false, false, false, false);
        pXp->PaintControlBarFrame(b.dc, d2);
        return memcmp(a.Bits(), b.Bits(), 20 * 60 * 4) == 0;
    };
    painthost::ScopedBitsPerPixel depth(32);
    EXPECT_TRUE(Same(nullptr));
    CExtControlBar bar;
    EXPECT_FALSE(Same(&bar));
    {
        painthost::ScopedBitsPerPixel low(8);
        EXPECT_TRUE(Same(&bar));
    }
    delete pXp;
}

TEST(ControlBarFrame, ThemeManagerGripperBandRunsThroughTheThreeSchemeColours)
{
    painthost::ScopedStyle restore;
    painthost::ScopedBitsPerPixel depth(32);
    auto* pTheme = new painthost::CTestThemeColor;
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManager(pTheme));
    COLORREF clrA = 0;
    ASSERT_TRUE(pTheme->ApplyColorScheme(&clrA, nullptr));
    CExtControlBar bar;
    DibCanvas c(120, 20);
    const CRect rc(0, 0, 100, 9); // a vertical bar's gripper: horizontal, the band runs left to right
    PM::CaptionPaintData grip(&bar, rc, rc, false, false, false, false);
    pTheme->PaintControlBarFrame(c.dc, grip);
    EXPECT_TRUE(painthost::Near(c.At(2, 1), PM::AdjustHls(clrA, 0.0, 0.75, 0.15), 12))
        << painthost::ColorText(c.At(2, 1));
    auto Sum = [](COLORREF x) { return GetRValue(x) + GetGValue(x) + GetBValue(x); };
    EXPECT_LT(Sum(c.At(97, 1)), Sum(c.At(2, 1)));                      // towards the dark third colour
    EXPECT_EQ(c.At(50, 8), pTheme->GetTranslatedColor(XCLR_O2003_05)); // the border id's line at the far side
    // The dots run along the gripper.
    EXPECT_GT(c.Count(rc, pTheme->GetTranslatedColor(XCLR_O2003_03)), 4 * 20);
    // Panes, the size gripper and docked frames of the theme.
    DibCanvas s(60, 30, RGB(90, 0, 90));
    PM::StatusBarPanePaintData pane(nullptr, 2, 0, CRect(5, 5, 55, 25));
    pTheme->PaintStatusBarPane(s.dc, pane);
    EXPECT_EQ(s.At(5, 15), pTheme->GetTranslatedColor(XCLR_O2003_14));
    pTheme->PaintResizingGripper(s.dc, CRect(30, 5, 55, 25), nullptr, 0);
    EXPECT_EQ(s.At(53, 23), pTheme->GetTranslatedColor(XCLR_O2003_03));
    DibCanvas d(80, 60, RGB(90, 0, 90));
    PM::DockingFramePaintData docked(&bar, kWindow, kClient, false, false, false);
    pTheme->PaintDockingFrame(d.dc, docked);
    EXPECT_EQ(d.Count(CRect(0, 0, 80, 60), RGB(90, 0, 90)), 80 * 60);
}
