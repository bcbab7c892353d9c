// Pixel helpers of the command icons: 32-bit DIBs, COLORREF and pixel values, the bitmaps of an icon
// record, a key colour that a picture does not use.
#pragma once
#include "platform/Core.h"
#include "platform/Collections.h"

namespace ExtCmdIconSupport
{
// A COLORREF as the value of a 32-bit DIB pixel (blue in the low byte), and back.
inline DWORD ColorToPixel(COLORREF clr) { return ((clr & 0xFF) << 16) | (clr & 0xFF00) | ((clr >> 16) & 0xFF); }
inline COLORREF PixelToColor(DWORD px) { return RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF); }

// A 32-bit bottom-up DIB section of cx x cy; *ppBits receives its pixels.
HBITMAP CreateDib32(int cx, int cy, COLORREF** ppBits);
// Reads a bitmap's pixels as 32-bit bottom-up rows into pBits (cx x cy).
bool ReadDibPixels(HBITMAP hBitmap, int cx, int cy, COLORREF* pBits);
// Deletes the colour and mask bitmaps GetIconInfo made (either may be null).
void DeleteIconInfoBitmaps(ICONINFO& ii);
// A colour none of mapColors: 0xFF00FF, 0x00FF00, 0xC0C0C0, then counting up from 1.
bool ChooseUnusedColor(const CMap<COLORREF, COLORREF, DWORD, DWORD>& mapColors, COLORREF& clr);
} // namespace ExtCmdIconSupport
