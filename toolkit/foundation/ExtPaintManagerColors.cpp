// CExtPaintManager colour helpers: inversion, RGB <-> HLS, HLS shifts, blends and display depth.
#include "toolkit/foundation/ExtPaintManager.h"
#include <algorithm>
#include <atomic>

namespace
{

std::atomic<int> g_nBitsPerPixelOverride{0};
// The screen's depth once asked, 0 while unknown; only a display change alters it.
std::atomic<int> g_nKeptDisplayBitsPerPixel{0};

BYTE ToByte(double v)
{
    // Components are truncated, as the conversion table expects (0.5 * 255 -> 127).
    int n = (int)(v * 255.0);
    return (BYTE)std::clamp(n, 0, 255);
}

double Shift(double x, double d)
{
    if (d > 0.0)
        x = x + (1.0 - x) * d;
    else if (d < 0.0)
        x = x * (1.0 + d);
    return std::clamp(x, 0.0, 1.0);
}

} // namespace

COLORREF CExtPaintManager::InvertColor(COLORREF clr)
{
    return RGB(255 - GetRValue(clr), 255 - GetGValue(clr), 255 - GetBValue(clr));
}

void CExtPaintManager::RgbToHls(COLORREF clr, double* pHue, double* pSaturation, double* pLightness)
{
    const double r = GetRValue(clr) / 255.0, g = GetGValue(clr) / 255.0, b = GetBValue(clr) / 255.0;
    const double mx = std::max({r, g, b}), mn = std::min({r, g, b});
    double h = 0.0, s = 0.0;
    const double l = (mx + mn) / 2.0;
    if (mx != mn)
    {
        const double d = mx - mn;
        s = l < 0.5 ? d / (mx + mn) : d / (2.0 - mx - mn);
        if (r == mx)
            h = (g - b) / d;
        else if (g == mx)
            h = 2.0 + (b - r) / d;
        else
            h = 4.0 + (r - g) / d;
        h /= 6.0;
        if (h < 0.0)
            h += 1.0;
    }
    if (pHue != nullptr)
        *pHue = h;
    if (pSaturation != nullptr)
        *pSaturation = s;
    if (pLightness != nullptr)
        *pLightness = l;
}

double CExtPaintManager::HueToRgb(double m1, double m2, double h)
{
    if (h < 0.0)
        h += 1.0;
    if (h > 1.0)
        h -= 1.0;
    if (6.0 * h < 1.0)
        return m1 + (m2 - m1) * h * 6.0;
    if (2.0 * h < 1.0)
        return m2;
    if (3.0 * h < 2.0)
        return m1 + (m2 - m1) * (2.0 / 3.0 - h) * 6.0;
    return m1;
}

COLORREF CExtPaintManager::HlsToRgb(double h, double l, double s)
{
    if (s == 0.0)
    {
        BYTE v = ToByte(l);
        return RGB(v, v, v);
    }
    const double m2 = l <= 0.5 ? l * (1.0 + s) : l + s - l * s;
    const double m1 = 2.0 * l - m2;
    return RGB(ToByte(HueToRgb(m1, m2, h + 1.0 / 3.0)), ToByte(HueToRgb(m1, m2, h)),
               ToByte(HueToRgb(m1, m2, h - 1.0 / 3.0)));
}

int CExtPaintManager::HueToRgbDegrees(float m1, float m2, float h)
{
    if (h >= 360.0f)
        h -= 360.0f;
    if (h < 0.0f)
        h += 360.0f;
    float v;
    if (h < 60.0f)
        v = m1 + (m2 - m1) * h / 60.0f;
    else if (h < 180.0f)
        v = m2;
    else if (h < 240.0f)
        v = m1 + (m2 - m1) * (240.0f - h) / 60.0f;
    else
        v = m1;
    return std::clamp((int)(v * 255.0f), 0, 255);
}

COLORREF CExtPaintManager::HlsToRgbDegrees(float h, float l, float s)
{
    if (s == 0.0f)
    {
        BYTE v = (BYTE)std::clamp((int)(l * 255.0f), 0, 255);
        return RGB(v, v, v);
    }
    const float m2 = l <= 0.5f ? l * (1.0f + s) : l + s - l * s;
    const float m1 = 2.0f * l - m2;
    return RGB(HueToRgbDegrees(m1, m2, h + 120.0f), HueToRgbDegrees(m1, m2, h), HueToRgbDegrees(m1, m2, h - 120.0f));
}

COLORREF CExtPaintManager::AdjustHls(COLORREF clr, double dh, double dl, double ds)
{
    double h = 0.0, s = 0.0, l = 0.0;
    RgbToHls(clr, &h, &s, &l);
    return HlsToRgb(Shift(h, dh), Shift(l, dl), Shift(s, ds));
}

COLORREF CExtPaintManager::BlendColors(COLORREF clr1, COLORREF clr2, int nShare)
{
    const int nScale = nShare < 100 ? 100 : 1000;
    auto blend = [nShare, nScale](int c1, int c2) -> int {
        return std::clamp((c1 * nShare + c2 * (nScale - nShare) + nScale / 2) / nScale, 0, 255);
    };
    return RGB(blend(GetRValue(clr1), GetRValue(clr2)), blend(GetGValue(clr1), GetGValue(clr2)),
               blend(GetBValue(clr1), GetBValue(clr2)));
}

void CExtPaintManager::SetBitsPerPixelOverride(int nBitsPerPixel)
{
    g_nBitsPerPixelOverride = nBitsPerPixel > 0 ? nBitsPerPixel : 0;
}

int CExtPaintManager::GetBitsPerPixelOverride() { return g_nBitsPerPixelOverride; }

int CExtPaintManager::GetDisplayBitsPerPixel()
{
    if (int n = g_nBitsPerPixelOverride; n > 0)
        return n;
    if (int n = g_nKeptDisplayBitsPerPixel; n > 0)
        return n;
    HDC hDC = ::GetDC(nullptr);
    if (hDC == nullptr)
        return 0;
    int n = ::GetDeviceCaps(hDC, BITSPIXEL);
    ::ReleaseDC(nullptr, hDC);
    g_nKeptDisplayBitsPerPixel = n;
    return n;
}

void CExtPaintManager::DropKeptDisplayBitsPerPixel() { g_nKeptDisplayBitsPerPixel = 0; }

bool CExtPaintManager::IsDisplayBitsPerPixelKept() { return g_nKeptDisplayBitsPerPixel > 0; }

int CExtPaintManager::GetDeviceBitsPerPixel(HDC hDC)
{
    if (int n = g_nBitsPerPixelOverride; n > 0)
        return n;
    if (hDC == nullptr)
        return GetDisplayBitsPerPixel();
    // A display DC, and a memory DC made compatible with one, report the display's depth whatever
    // bitmap is selected: the kept answer saves the round trip that BITSPIXEL costs.
    if (::GetDeviceCaps(hDC, TECHNOLOGY) == DT_RASDISPLAY)
        return GetDisplayBitsPerPixel();
    return ::GetDeviceCaps(hDC, BITSPIXEL);
}
