// Pixel helpers of the command icons.
#include "toolkit/foundation/ExtCmdIconSupport.h"

namespace ExtCmdIconSupport
{
namespace
{
BITMAPINFOHEADER Header32(int cx, int cy)
{
    BITMAPINFOHEADER bih = {};
    bih.biSize = sizeof(BITMAPINFOHEADER);
    bih.biWidth = cx;
    bih.biHeight = cy;
    bih.biPlanes = 1;
    bih.biBitCount = 32;
    bih.biCompression = BI_RGB;
    bih.biSizeImage = (DWORD)(cx * cy);
    return bih;
}
} // namespace

HBITMAP CreateDib32(int cx, int cy, COLORREF** ppBits)
{
    if (cx <= 0 || cy <= 0)
        return nullptr;
    BITMAPINFO bi = {};
    bi.bmiHeader = Header32(cx, cy);
    void* pBits = nullptr;
    HBITMAP hDib = ::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (hDib == nullptr || pBits == nullptr)
    {
        if (hDib != nullptr)
            ::DeleteObject(hDib);
        return nullptr;
    }
    if (ppBits != nullptr)
        *ppBits = (COLORREF*)pBits;
    return hDib;
}

bool ReadDibPixels(HBITMAP hBitmap, int cx, int cy, COLORREF* pBits)
{
    BITMAPINFO bi = {};
    bi.bmiHeader = Header32(cx, cy);
    HDC hDC = ::GetDC(nullptr);
    if (hDC == nullptr)
        return false;
    const int nLines = ::GetDIBits(hDC, hBitmap, 0, (UINT)cy, pBits, &bi, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hDC);
    return nLines == cy;
}

bool ChooseUnusedColor(const CMap<COLORREF, COLORREF, DWORD, DWORD>& mapColors, COLORREF& clr)
{
    static const COLORREF s_fixed[] = {RGB(255, 0, 255), RGB(0, 255, 0), RGB(192, 192, 192)};
    for (COLORREF c : s_fixed)
        if (mapColors.PLookup(c) == nullptr)
        {
            clr = c;
            return true;
        }
    for (COLORREF c = 1; c <= 0xFFFFFD; ++c)
        if (mapColors.PLookup(c) == nullptr)
        {
            clr = c;
            return true;
        }
    return false;
}
} // namespace ExtCmdIconSupport
