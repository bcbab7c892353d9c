// The panel-and-bar models of the colour control: HSL from panel and bar positions, the wheel, the modifier
// keys, the six channel axes, and panels too small to draw.
#include "ColorTestSupport.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include <cmath>

using namespace colortest;
typedef CExtColorCtrl C;

namespace
{
const int kM = C::hsl_panel_data_t::kMargin;

// Press on the panel at panel coordinates and release.
void PressPanel(C::hsl_panel_data_t& m, int x, int y, UINT nFlags = 0)
{
    m.OnButtonDown(nFlags, kM + x, kM + y);
    m.OnButtonUp(0, 0, 0);
}

void PressBar(C::hsl_panel_data_t& m, int x)
{
    m.OnButtonDown(0, kM + x, m.m_nPanelHeight + 2 * kM + 5);
    m.OnButtonUp(0, 0, 0);
}
} // namespace

TEST(ColorPanelModels, MixerPanelGivesHueAndSaturationAndBarLuminance)
{
    C::hsl_panel_data_t m;
    LayoutModel(m, 208, 232, RGB(128, 128, 128));
    ASSERT_EQ(m.m_nPanelWidth, 200);
    ASSERT_EQ(m.m_nPanelHeight, 200);
    PressPanel(m, 50, 150);
    EXPECT_NEAR(m.m_fHue, 0.25, 1e-9);
    EXPECT_NEAR(m.m_fSaturation, 0.25, 1e-9);
    EXPECT_EQ(m.m_clr, CExtPaintManager::HlsToRgb(0.25, m.m_fLuminance, 0.25));
    PressBar(m, 150);
    EXPECT_NEAR(m.m_fLuminance, 0.75, 1e-9);
    EXPECT_NEAR(m.m_fHue, 0.25, 1e-9);
}

TEST(ColorPanelModels, BasicHuePanelGivesSaturationAndLuminanceAndBarHue)
{
    C::hsl_basic_hue_data_t m;
    LayoutModel(m, 208, 232, RGB(255, 0, 0));
    PressPanel(m, 100, 50);
    EXPECT_NEAR(m.m_fSaturation, 0.5, 1e-9);
    EXPECT_NEAR(m.m_fLuminance, 0.75, 1e-9);
    EXPECT_NEAR(m.m_fHue, 0.0, 1e-9);
    PressBar(m, 100);
    EXPECT_NEAR(m.m_fHue, 0.5, 1e-9);
    EXPECT_NEAR(m.m_fLuminance, 0.75, 1e-9);
}

TEST(ColorPanelModels, ShiftKeepsTheVerticalAndControlTheHorizontalCoordinate)
{
    C::hsl_panel_data_t m;
    LayoutModel(m, 208, 232, RGB(128, 128, 128));
    m.OnButtonDown(0, kM + 50, kM + 100);
    m.OnMouseMove(MK_LBUTTON | MK_SHIFT, kM + 150, kM + 20);
    EXPECT_NEAR(m.m_fHue, 0.75, 1e-9);
    EXPECT_NEAR(m.m_fSaturation, 0.5, 1e-9);
    m.OnMouseMove(MK_LBUTTON | MK_CONTROL, kM + 10, kM + 40);
    EXPECT_NEAR(m.m_fHue, 0.75, 1e-9);
    EXPECT_NEAR(m.m_fSaturation, 0.8, 1e-9);
    // Without the left button nothing moves.
    m.OnMouseMove(0, kM + 10, kM + 10);
    EXPECT_NEAR(m.m_fHue, 0.75, 1e-9);
}

TEST(ColorPanelModels, WheelGivesHueByAngleAndSaturationBySquaredDistance)
{
    C::hsl_roller_data_t m;
    LayoutModel(m, 208, 232, RGB(128, 128, 128));
    const int r = m.Radius(), cx = m.m_nPanelWidth / 2, cy = m.m_nPanelHeight / 2;
    ASSERT_EQ(r, 98);
    // Left of the centre at half the radius: angle 0, saturation a quarter.
    m.OnButtonDown(0, kM + cx - r / 2, kM + cy);
    EXPECT_NEAR(m.m_fHue, 0.0, 1e-9);
    EXPECT_NEAR(m.m_fSaturation, 0.25, 1e-9);
    // Above the centre: a quarter turn.
    m.OnMouseMove(MK_LBUTTON, kM + cx, kM + cy - r / 2);
    EXPECT_NEAR(m.m_fHue, 0.25, 1e-9);
    // Outside the wheel but inside its grip: saturation 1.
    m.OnMouseMove(MK_LBUTTON, kM + cx + r + 10, kM + cy);
    EXPECT_NEAR(m.m_fSaturation, 1.0, 1e-9);
    EXPECT_NEAR(m.m_fHue, 0.5, 1e-9);
    m.OnButtonUp(0, 0, 0);
}

TEST(ColorPanelModels, WheelPaintsItsColoursAndMarker)
{
    C::hsl_roller_data_t m;
    LayoutModel(m, 208, 232, RGB(255, 0, 0));
    DibCanvas canvas(208, 232);
    PaintModel(m, canvas);
    const int cx = kM + m.m_nPanelWidth / 2, cy = kM + m.m_nPanelHeight / 2;
    // Full saturation at the rim: right of the centre is hue 0.5 (cyan).
    const COLORREF clr = canvas.At(cx + m.Radius() - 2, cy);
    EXPECT_LT(GetRValue(clr), 40);
    EXPECT_GT(GetGValue(clr), 200);
    // Outside the wheel the background shows through.
    EXPECT_EQ(canvas.At(kM + 1, kM + 1), RGB(128, 128, 128));
}

TEST(ColorPanelModels, AxesMapTheirChannels)
{
    struct Case
    {
        int nAxis;
        COLORREF clrPanel; // after a press at panel (51, 200 - 102) on black (white for CMY)
    };
    // Panel x 51/200 of 255 is 65; y 102/200 from the bottom is 130.
    const Case cases[6] = {{0, RGB(0, 65, 130)},    {1, RGB(65, 0, 130)},    {2, RGB(65, 130, 0)},
                           {3, RGB(255, 190, 125)}, {4, RGB(190, 255, 125)}, {5, RGB(190, 125, 255)}};
    for (const Case& c : cases)
    {
        C::xyz_plain_data_t m(c.nAxis);
        LayoutModel(m, 208, 232, c.nAxis < 3 ? RGB(0, 0, 0) : RGB(255, 255, 255));
        PressPanel(m, 51, 200 - 102);
        EXPECT_EQ(m.m_clr, c.clrPanel) << "axis " << c.nAxis;
        PressBar(m, 200);
        const COLORREF clrAxis = c.nAxis < 3 ? m.m_clr : CExtPaintManager::InvertColor(m.m_clr);
        const int arrBar[6] = {GetRValue(clrAxis), GetGValue(clrAxis), GetBValue(clrAxis)};
        EXPECT_EQ(arrBar[c.nAxis % 3], 255) << "axis " << c.nAxis;
    }
}

TEST(ColorPanelModels, TooSmallPanelsPaintNothingAndIgnoreTheMouse)
{
    C::hsl_panel_data_t a;
    C::hsl_roller_data_t b;
    C::xyz_plain_data_t c(2);
    C::hsl_panel_data_t* models[3] = {&a, &b, &c};
    const CSize sizes[4] = {CSize(8, 300), CSize(300, 32), CSize(3, 3), CSize(11, 40)};
    for (C::hsl_panel_data_t* m : models)
        for (const CSize& sz : sizes)
        {
            // 11 x 40 leaves a panel of 3 x 8: usable, but too small for a wheel of radius 1.
            if (sz.cx == 11 && m != &b)
                continue;
            LayoutModel(*m, sz.cx, sz.cy, RGB(1, 2, 3));
            DibCanvas canvas(std::max(1, (int)sz.cx), std::max(1, (int)sz.cy));
            PaintModel(*m, canvas);
            EXPECT_EQ(canvas.At(0, 0), RGB(128, 128, 128));
            for (int y = -2; y < sz.cy + 2; y++)
            {
                m->OnButtonDown(0, 2, y);
                m->OnMouseMove(MK_LBUTTON, 3, y);
            }
            EXPECT_EQ(m->m_clr, RGB(1, 2, 3)) << sz.cx << " x " << sz.cy;
        }
}
