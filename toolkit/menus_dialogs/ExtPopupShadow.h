// CExtPopupShadow: the soft drop shadow right of and below a popup, painted by darkening the
// screen there and cached as two strips for later paints.
#pragma once
#include "platform/Gdi.h"

class CDC;

class CExtPopupShadow
{
public:
    enum : BYTE
    {
        SHADOW_FLAG_CACHE = 0x01,
        SHADOW_FLAG_USE_COLOR = 0x02,
    };

    CExtPopupShadow();
    ~CExtPopupShadow();
    CExtPopupShadow(const CExtPopupShadow&) = delete;
    CExtPopupShadow& operator=(const CExtPopupShadow&) = delete;

    // Rectangles are in the DC's coordinates; empty exclusions exclude nothing.
    bool Paint(CDC& dc, const CRect& rcWindow, const CRect& rcExclude1 = CRect(0, 0, 0, 0),
               const CRect& rcExclude2 = CRect(0, 0, 0, 0), int nShadowSize = 4, int nInnerPercent = 75,
               int nOuterPercent = 100, bool bCache = true, bool bUseColor = true, bool bUseBuffer = true);
    void Reset();
    bool IsCached() const;
    bool RestoreFromCache(CDC& dc);

    // Darkens one channel value by the percentage, tinted by the tint channel when it is >= 0.
    static int DarkenChannel(int nChannel, int nPercent, int nTintChannel);
    static COLORREF DarkenPixel(COLORREF clr, int nPercent, COLORREF clrTint);

    // ---- fields, in order --------------------------------------------------------------------------
    CBitmap m_bmpCacheRight;
    CBitmap m_bmpCacheBottom;
    COLORREF* m_pHelperDibSurface;
    CRect m_rcWndArea;
    CRect m_rcExclude1;
    CRect m_rcExclude2;
    int m_nShadowSize;
    int m_nInnerPercent;
    int m_nOuterPercent;
    BYTE m_nFlags;
    CRgn m_rgnClip;

protected:
    // The region of the two exclusions when both are given; none otherwise.
    void BuildClipRegion();
    void ExcludeClipRegion(HDC hDC) const;
    // Paints on the DC with the region excluded.
    bool PaintClipped(CDC& dc);
    // Paints on a memory copy of the screen area and copies the strips back.
    bool PaintBuffered(CDC& dc);
    bool PaintShadow(CDC& dc);
    bool PaintPixels(CDC& dc);
    bool PaintPattern(CDC& dc);
    void CacheStrips(CDC& dc);
    // Whether the screen point (in the DC's coordinates) lies in an exclusion.
    bool IsExcluded(int x, int y) const;
};
