// Colour helpers of the paint manager against hand-computed vectors: HLS conversions with their
// truncations, HLS shifts, per-cent and per-mille blends, inversion and the display depth.
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/support/PaintHost.h"
#include <gtest/gtest.h>

using painthost::ColorText;

TEST(ColorHelpers, GreyHasHueAndSaturationZeroAndItsLightness)
{
    double h = -1, s = -1, l = -1;
    CExtPaintManager::RgbToHls(RGB(128, 128, 128), &h, &s, &l);
    EXPECT_EQ(h, 0.0);
    EXPECT_EQ(s, 0.0);
    EXPECT_NEAR(l, 128.0 / 255.0, 1e-12);
}

TEST(ColorHelpers, PureColoursHaveTheirHueFullSaturationAndHalfLightness)
{
    double h, s, l;
    CExtPaintManager::RgbToHls(RGB(255, 0, 0), &h, &s, &l);
    EXPECT_DOUBLE_EQ(h, 0.0);
    EXPECT_DOUBLE_EQ(s, 1.0);
    EXPECT_DOUBLE_EQ(l, 0.5);
    CExtPaintManager::RgbToHls(RGB(0, 0, 255), &h, &s, &l);
    EXPECT_NEAR(h, 2.0 / 3.0, 1e-12);
    // Magenta: red is the maximum, (g - b) / d = -1 -> -1/6 + 1.
    CExtPaintManager::RgbToHls(RGB(255, 0, 255), &h, &s, &l);
    EXPECT_NEAR(h, 5.0 / 6.0, 1e-12);
    // Light colours take the second saturation form: d / (2 - max - min).
    CExtPaintManager::RgbToHls(RGB(255, 128, 128), &h, &s, &l);
    EXPECT_NEAR(s, (127.0 / 255.0) / (2.0 - 1.0 - 128.0 / 255.0), 1e-12);
}

TEST(ColorHelpers, HlsToRgbTruncatesEachChannel)
{
    for (double hue : {0.0, 0.3, 0.9})
        EXPECT_EQ(CExtPaintManager::HlsToRgb(hue, 0.5, 0.0), RGB(127, 127, 127));
    EXPECT_EQ(CExtPaintManager::HlsToRgb(0.0, 0.5, 1.0), RGB(255, 0, 0));
    // m2 = 0.98, m1 = 0: blue = 0.98 * 255 = 249.9 -> 249.
    EXPECT_EQ(CExtPaintManager::HlsToRgb(2.0 / 3.0, 0.49, 1.0), RGB(0, 0, 249));
    // 1.5 wraps to 0.5 (third branch); -0.1 wraps to 0.9 (m1); 0.1 is on the rising edge.
    EXPECT_NEAR(CExtPaintManager::HueToRgb(0.2, 0.8, 1.5), 0.8, 1e-12);
    EXPECT_NEAR(CExtPaintManager::HueToRgb(0.2, 0.8, -0.1), 0.2, 1e-12);
    EXPECT_NEAR(CExtPaintManager::HueToRgb(0.2, 0.8, 0.1), 0.2 + 0.6 * 0.6, 1e-12);
}

TEST(ColorHelpers, DegreeFormsMatchTheUnitForms)
{
    EXPECT_EQ(CExtPaintManager::HueToRgbDegrees(0.0f, 1.0f, 30.0f), 127);
    EXPECT_EQ(CExtPaintManager::HueToRgbDegrees(0.0f, 1.0f, 120.0f), 255);
    EXPECT_EQ(CExtPaintManager::HueToRgbDegrees(0.0f, 1.0f, 420.0f), 255); // 420 - 360 = 60
    EXPECT_EQ(CExtPaintManager::HlsToRgbDegrees(0.0f, 0.5f, 1.0f), RGB(255, 0, 0));
    EXPECT_EQ(CExtPaintManager::HlsToRgbDegrees(240.0f, 0.5f, 1.0f), RGB(0, 0, 255));
    EXPECT_EQ(CExtPaintManager::HlsToRgbDegrees(77.0f, 0.5f, 0.0f), RGB(127, 127, 127));
}

TEST(ColorHelpers, AdjustHlsMovesTowardsTheEndsAndClamps)
{
    // The application's blue theme colour.
    EXPECT_TRUE(painthost::Near(CExtPaintManager::AdjustHls(RGB(151, 190, 244), 0.0, -0.07, -0.1), RGB(131, 175, 235)))
        << ColorText(CExtPaintManager::AdjustHls(RGB(151, 190, 244), 0.0, -0.07, -0.1));
    EXPECT_EQ(CExtPaintManager::AdjustHls(RGB(10, 20, 30), 0.0, 1.0, 0.0), RGB(255, 255, 255));
    EXPECT_EQ(CExtPaintManager::AdjustHls(RGB(10, 20, 30), 0.0, -1.0, 0.0), RGB(0, 0, 0));
    EXPECT_EQ(CExtPaintManager::AdjustHls(RGB(12, 34, 56), 0.0, 0.0, -1.0),
              CExtPaintManager::HlsToRgb(0.0, (56 + 12) / 510.0, 0.0));
    // Red lightened half way: l 0.5 -> 0.75, m2 = 1, m1 = 0.5: (255, 127, 127).
    EXPECT_EQ(CExtPaintManager::AdjustHls(RGB(255, 0, 0), 0.0, 0.5, 0.0), RGB(255, 127, 127));
}

TEST(ColorHelpers, BlendUsesPerCentBelowOneHundredAndPerMilleFromThere)
{
    const COLORREF a = RGB(200, 100, 0), b = RGB(0, 100, 200);
    // 99 per cent of a: (200 * 99 + 0 + 50) / 100 = 198.
    EXPECT_EQ(CExtPaintManager::BlendColors(a, b, 99), RGB(198, 100, 2));
    // 100 is 100 per mille: (200 * 100 + 500) / 1000 = 20; (200 * 900 + 500) / 1000 = 180.
    EXPECT_EQ(CExtPaintManager::BlendColors(a, b, 100), RGB(20, 100, 180));
    EXPECT_EQ(CExtPaintManager::BlendColors(a, b, 1000), a);
    EXPECT_EQ(CExtPaintManager::BlendColors(a, b, 0), b);
}

TEST(ColorHelpers, InvertColorReplacesEachChannelBy255MinusItself)
{
    EXPECT_EQ(CExtPaintManager::InvertColor(RGB(0, 0, 0)), RGB(255, 255, 255));
    EXPECT_EQ(CExtPaintManager::InvertColor(RGB(10, 200, 255)), RGB(245, 55, 0));
}

TEST(ColorHelpers, DisplayDepthIsTheScreensUnlessOverridden)
{
    HDC hDC = ::GetDC(nullptr);
    const int nReal = ::GetDeviceCaps(hDC, BITSPIXEL);
    ::ReleaseDC(nullptr, hDC);
    EXPECT_EQ(CExtPaintManager::GetDisplayBitsPerPixel(), nReal);
    {
        painthost::ScopedBitsPerPixel depth(8);
        EXPECT_EQ(CExtPaintManager::GetDisplayBitsPerPixel(), 8);
        DibCanvas canvas(4, 4);
        EXPECT_EQ(CExtPaintManager::GetDeviceBitsPerPixel(canvas.dc.GetSafeHdc()), 8);
    }
    EXPECT_EQ(CExtPaintManager::GetDisplayBitsPerPixel(), nReal);
}
