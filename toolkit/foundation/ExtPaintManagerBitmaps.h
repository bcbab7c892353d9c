// Bitmap, DIB, BMP and monitor helpers, and the transparent-background test of child controls.
// They are to become statics of CExtPaintManager; until it exists they live in ExtBitmapHelpers.
#pragma once
#include "platform/Collections.h"
#include "platform/Geometry.h"
#include <windows.h>

class CArchive;
class CWnd;

namespace ExtBitmapHelpers
{
// The facts of the paint-manager holder these helpers read (the holder is to supply them).
struct HolderFacts_t
{
    bool m_bIsWin2000OrLater;
    bool m_bIsWin9x;
    bool m_bTaskbandColorsValid;
};
HolderFacts_t& HolderFacts();

struct MonitorParms
{
    CRect m_rcMonitor;  // screen coordinates
    CRect m_rcWorkArea; // screen coordinates
    bool m_bPrimaryMonitor = false;
};

// An icon of the bitmap (or of its part) with clrTransparent see-through; with bReplaceSysColors
// the greys 0x808080, 0xC0C0C0 and 0xDFDFDF become the button shadow, face and light colours.
HICON CreateIconFromBitmap(HBITMAP hBitmap, COLORREF clrTransparent, const RECT* pRectBitmapSrc = nullptr,
                           bool bReplaceSysColors = false);
// A copy of the bitmap or of its part: a 32-bit bottom-up DIB section when ppColorSurface is
// given (it receives the pixels), else a bitmap compatible with the screen.
HBITMAP CopyBitmap(HBITMAP hBitmap, const RECT* pRectBitmapSrc = nullptr, COLORREF** ppColorSurface = nullptr);
// Counts every pixel's colour; answers the bitmap's bits per pixel, 0 on failure.
int CountBitmapColors(HBITMAP hBitmap, CMap<COLORREF, COLORREF, DWORD, DWORD>& mapColors);
int GetBitmapColorArray(HBITMAP hBitmap, CArray<COLORREF, COLORREF>& arrColors, bool bRemoveDuplicates = true);
// A packed DIB (header, colour table, pixels) in global memory that the caller frees.
HGLOBAL GetBitmapDib(HBITMAP hBitmap, HPALETTE hPalette = nullptr);
// Stores the bitmap as a BMP file, or loads one (dwResourceSize 0) or a resource's DIB (its size).
// Loading checks every header field against the bytes present and gives null on anything else.
bool SerializeBitmap(CArchive& ar, HBITMAP* p_hBitmap, DWORD dwResourceSize = 0);
HBITMAP LoadBitmapFromMemory(const BYTE* pData, DWORD dwSize);
HBITMAP LoadBitmapFromResource(HINSTANCE hInst, HRSRC hRsrc);

void GetDesktopMonitorParms(MonitorParms& mp);
void GetMonitorParmsFromPoint(MonitorParms& mp, const POINT& pt);
void GetMonitorParmsFromRect(MonitorParms& mp, const RECT& rc);
void GetMonitorParmsFromHwnd(MonitorParms& mp, HWND hWnd);
void GetMonitorParmsFromWnd(MonitorParms& mp, CWnd* pWnd);
// Keeps the rectangle on the monitor nearest to it (its work area when bUseWorkArea).
CRect AlignRectToMonitor(CRect rc, bool bUseWorkArea = true, bool bNoPartialVisibility = false);
// The same rule over a given area.
CRect AlignRectToArea(CRect rc, const CRect& rcArea, bool bNoPartialVisibility);

bool IsBackgroundTransparentControl(HWND hWnd);
bool IsBackgroundTransparentControl(void* pIgnored, LPARAM lParamIgnored, HWND hWnd);
} // namespace ExtBitmapHelpers
