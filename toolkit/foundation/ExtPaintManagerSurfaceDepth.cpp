// CExtPaintManager::GetSurfaceBitsPerPixel: the colour depth of a DC, remembered for memory DCs.
#include "toolkit/foundation/ExtPaintManager.h"

int CExtPaintManager::GetSurfaceBitsPerPixel(HDC hDC)
{
    if (const int n = GetBitsPerPixelOverride(); n > 0)
        return n;
    if (hDC == nullptr || ::GetObjectType(hDC) != OBJ_MEMDC)
        return GetDeviceBitsPerPixel(hDC);
    // BITSPIXEL is a slow query on some systems, and one frame's painters ask it many times for the
    // same memory DC. A memory DC's depth stays while the same bitmap is selected (GUI thread only).
    static HDC s_hDC = nullptr;
    static HGDIOBJ s_hBitmap = nullptr;
    static int s_nBitsPerPixel = 0;
    HGDIOBJ hBitmap = ::GetCurrentObject(hDC, OBJ_BITMAP);
    if (hDC != s_hDC || hBitmap != s_hBitmap || s_nBitsPerPixel <= 0)
    {
        s_hDC = hDC;
        s_hBitmap = hBitmap;
        s_nBitsPerPixel = GetDeviceBitsPerPixel(hDC);
    }
    return s_nBitsPerPixel;
}
