// Bitmap helpers of the command icons and profiles (copies, colours, DIBs, BMP archive form, resource
// bitmaps) and the few facts the icons take from the installed paint manager.
#pragma once
#include "platform/Core.h"
#include "platform/Collections.h"

class CArchive;
class CControlBar;

namespace ExtCmdIconSupport
{
// A COLORREF as the value of a 32-bit DIB pixel (blue in the low byte), and back.
inline DWORD ColorToPixel(COLORREF clr)
{
    return ((clr & 0xFF) << 16) | (clr & 0xFF00) | ((clr >> 16) & 0xFF);
}
inline COLORREF PixelToColor(DWORD px)
{
    return RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF);
}

// A 32-bit bottom-up DIB section of cx x cy; *ppBits receives its pixels.
HBITMAP CreateDib32(int cx, int cy, COLORREF** ppBits);
// Reads a bitmap's pixels as 32-bit bottom-up rows into pBits (cx x cy).
bool ReadDibPixels(HBITMAP hBitmap, int cx, int cy, COLORREF* pBits);
// Copies the bitmap (or its part): a 32-bit DIB section when ppBits is given, else a bitmap
// compatible with the screen. Null on failure.
HBITMAP CopyBitmap(HBITMAP hBitmap, const RECT* pRcPart, COLORREF** ppBits);
// Counts the colours of a bitmap; answers its bits per pixel, 0 on failure.
int CountBitmapColors(HBITMAP hBitmap, CMap<COLORREF, COLORREF, DWORD, DWORD>& mapColors);
// A colour none of mapColors: 0xFF00FF, 0x00FF00, 0xC0C0C0, then counting up from 1.
bool ChooseUnusedColor(const CMap<COLORREF, COLORREF, DWORD, DWORD>& mapColors, COLORREF& clr);
// An icon of the bitmap (or its part) with one colour transparent; system greys replaced on demand.
HICON CreateIconFromBitmap(HBITMAP hBitmap, COLORREF clrTransparent, const RECT* pRcPart, bool bReplaceSysColors);
// Stores a bitmap as BMP file data, or loads one (hBitmap receives it). False on failure;
// archive errors are thrown.
bool SerializeBitmap(CArchive& ar, HBITMAP& hBitmap);
// A bitmap resource (a DIB without file header) as a DIB section.
HBITMAP LoadBitmapFromResource(HMODULE hModule, HRSRC hResource);
// Draws the source area with one colour transparent.
void TransparentBltMasked(HDC hDst, int x, int y, int cx, int cy, HDC hSrc, int xSrc, int ySrc, int cxSrc, int cySrc,
                          COLORREF clrTransparent);
// The small check mark and radio dot (7 x 7 cells) with a one-pixel shadow in the inverse colour.
void PaintCheckMark(HDC hDC, int x, int y, COLORREF clr);
void PaintRadioDot(HDC hDC, int x, int y, COLORREF clr);

// ---- facts from the installed paint manager and the system ----
// The variant colour and factor of the installed paint manager; false when there is none.
bool QueryPaintManagerVariant(COLORREF& clr, double& lfFactor);
// The text colour the installed paint manager gives glyphs (its normal text colour).
COLORREF TranslatedTextColor();
bool IsWinXPOrLater();
bool IsWin2000OrLater();
// Whether the bar forwards system events for its frame.
bool IsFrameEventTarget(CControlBar* pBar);
// Bits per pixel of the display the device draws on.
int DeviceBitsPerPixel(HDC hDC);
} // namespace ExtCmdIconSupport
