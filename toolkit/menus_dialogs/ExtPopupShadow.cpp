// CExtPopupShadow: the pixel method on a 32-bit DIB, the pattern method for palette displays,
// the exclusions next to a combined popup's owner and the strip cache.
#include "toolkit/menus_dialogs/ExtPopupShadow.h"
#include "platform/Dc.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include <algorithm>
#include <cmath>

namespace
{
// Copies a screen area of the DC into a new compatible bitmap.
bool CopyToBitmap(CBitmap& bmp, HDC hDC, int x, int y, int cx, int cy)
{
    bmp.DeleteObject();
    if (cx <= 0 || cy <= 0)
        return false;
    HBITMAP hBmp = ::CreateCompatibleBitmap(hDC, cx, cy);
    if (hBmp == nullptr)
        return false;
    HDC hMem = ::CreateCompatibleDC(hDC);
    HGDIOBJ hOld = ::SelectObject(hMem, hBmp);
    ::BitBlt(hMem, 0, 0, cx, cy, hDC, x, y, SRCCOPY);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    bmp.Attach(hBmp);
    return true;
}
} // namespace

CExtPopupShadow::CExtPopupShadow()
    : m_pHelperDibSurface(nullptr), m_rcWndArea(0, 0, 0, 0), m_rcExclude1(0, 0, 0, 0), m_rcExclude2(0, 0, 0, 0),
      m_nShadowSize(0), m_nInnerPercent(75), m_nOuterPercent(100), m_nFlags(0)
{}

CExtPopupShadow::~CExtPopupShadow() { Reset(); }

void CExtPopupShadow::Reset()
{
    m_bmpCacheRight.DeleteObject();
    m_bmpCacheBottom.DeleteObject();
    m_rcWndArea.SetRectEmpty();
    m_rgnClip.DeleteObject();
    m_nFlags = 0;
}

bool CExtPopupShadow::IsCached() const
{
    return m_nShadowSize > 0 && !m_rcWndArea.IsRectEmpty() && m_bmpCacheRight.GetSafeHandle() != nullptr &&
           m_bmpCacheBottom.GetSafeHandle() != nullptr;
}

int CExtPopupShadow::DarkenChannel(int nChannel, int nPercent, int nTintChannel)
{
    if (nTintChannel < 0)
        return nChannel * nPercent / 100;
    const int nKeep = std::min(100, nPercent + (100 - nPercent) * nTintChannel / 255);
    return nChannel * nKeep / 100;
}

COLORREF CExtPopupShadow::DarkenPixel(COLORREF clr, int nPercent, COLORREF clrTint)
{
    const bool bTint = clrTint != (COLORREF)-1;
    const int r = DarkenChannel(GetRValue(clr), nPercent, bTint ? GetRValue(clrTint) : -1);
    const int g = DarkenChannel(GetGValue(clr), nPercent, bTint ? GetGValue(clrTint) : -1);
    const int b = DarkenChannel(GetBValue(clr), nPercent, bTint ? GetBValue(clrTint) : -1);
    return RGB(r, g, b);
}

bool CExtPopupShadow::IsExcluded(int x, int y) const
{
    const POINT pt = {x, y};
    return (!m_rcExclude1.IsRectEmpty() && ::PtInRect(&m_rcExclude1, pt)) ||
           (!m_rcExclude2.IsRectEmpty() && ::PtInRect(&m_rcExclude2, pt));
}

bool CExtPopupShadow::Paint(CDC& dc, const CRect& rcWindow, const CRect& rcExclude1, const CRect& rcExclude2,
                            int nShadowSize, int nInnerPercent, int nOuterPercent, bool bCache, bool bUseColor,
                            bool bUseBuffer)
{
    if (nShadowSize <= 0 || rcWindow.IsRectEmpty())
        return true;
    const bool bWasCached = IsCached() && m_rcWndArea == rcWindow && m_nShadowSize == nShadowSize;
    if (!bWasCached)
    {
        m_bmpCacheRight.DeleteObject();
        m_bmpCacheBottom.DeleteObject();
    }
    m_rcWndArea = rcWindow;
    m_rcExclude1 = rcExclude1;
    m_rcExclude2 = rcExclude2;
    m_rcExclude1.NormalizeRect();
    m_rcExclude2.NormalizeRect();
    m_nShadowSize = nShadowSize;
    m_nInnerPercent = nInnerPercent;
    m_nOuterPercent = nOuterPercent;
    m_nFlags = (BYTE)((bCache ? SHADOW_FLAG_CACHE : 0) | (bUseColor ? SHADOW_FLAG_USE_COLOR : 0));
    if (!bWasCached)
        BuildClipRegion();
    if (bWasCached)
    {
        HDC hDC = dc.GetSafeHdc();
        const int nSaved = ::SaveDC(hDC);
        ExcludeClipRegion(hDC);
        const bool bOk = RestoreFromCache(dc);
        ::RestoreDC(hDC, nSaved);
        return bOk;
    }
    if (bUseBuffer && bCache)
        return PaintBuffered(dc);
    return PaintClipped(dc);
}

void CExtPopupShadow::BuildClipRegion()
{
    m_rgnClip.DeleteObject();
    if (m_rcExclude1.IsRectEmpty() || m_rcExclude2.IsRectEmpty())
        return;
    // Both shadow-free areas, grown on their far (right and bottom) sides by the shadow.
    CRect rc1 = m_rcExclude1;
    CRect rc2 = m_rcExclude2;
    rc1.right += m_nShadowSize;
    rc1.bottom += m_nShadowSize;
    rc2.right += m_nShadowSize;
    rc2.bottom += m_nShadowSize;
    CRgn rgn2;
    if (!m_rgnClip.CreateRectRgnIndirect(&rc1) || !rgn2.CreateRectRgnIndirect(&rc2) ||
        ::CombineRgn(m_rgnClip, m_rgnClip, rgn2, RGN_OR) == ERROR)
        m_rgnClip.DeleteObject();
}

void CExtPopupShadow::ExcludeClipRegion(HDC hDC) const
{
    if (m_rgnClip.GetSafeHandle() == nullptr)
        return;
    // Clip regions are in device units: the region follows the DC's origin.
    CRgn rgnDevice;
    if (!rgnDevice.CreateRectRgn(0, 0, 0, 0) || ::CombineRgn(rgnDevice, m_rgnClip, nullptr, RGN_COPY) == ERROR)
        return;
    POINT ptOrg = {0, 0};
    ::LPtoDP(hDC, &ptOrg, 1);
    ::OffsetRgn(rgnDevice, ptOrg.x, ptOrg.y);
    ::ExtSelectClipRgn(hDC, rgnDevice, RGN_DIFF);
}

bool CExtPopupShadow::PaintClipped(CDC& dc)
{
    // Exclusions are also skipped pixel by pixel; the region keeps their grown margins free.
    HDC hDC = dc.GetSafeHdc();
    const int nSaved = ::SaveDC(hDC);
    ExcludeClipRegion(hDC);
    const bool bOk = PaintShadow(dc);
    ::RestoreDC(hDC, nSaved);
    return bOk;
}

bool CExtPopupShadow::PaintBuffered(CDC& dc)
{
    // The screen under the window and its shadow is painted on in memory; the two strips go back.
    const int n = m_nShadowSize;
    const CRect rc = m_rcWndArea;
    const int cx = rc.Width() + n;
    const int cy = rc.Height() + n;
    HDC hDC = dc.GetSafeHdc();
    HBITMAP hBmp = ::CreateCompatibleBitmap(hDC, cx, cy);
    if (hBmp == nullptr)
        return PaintClipped(dc);
    CDC dcMem;
    dcMem.Attach(::CreateCompatibleDC(hDC));
    HGDIOBJ hOld = ::SelectObject(dcMem.GetSafeHdc(), hBmp);
    ::BitBlt(dcMem.GetSafeHdc(), 0, 0, cx, cy, hDC, rc.left, rc.top, SRCCOPY);
    ::SetViewportOrgEx(dcMem.GetSafeHdc(), -rc.left, -rc.top, nullptr);
    const bool bOk = PaintClipped(dcMem);
    ::SetViewportOrgEx(dcMem.GetSafeHdc(), 0, 0, nullptr);
    if (bOk)
    {
        ::BitBlt(hDC, rc.right, rc.top, n, cy, dcMem.GetSafeHdc(), rc.Width(), 0, SRCCOPY);
        ::BitBlt(hDC, rc.left, rc.bottom, rc.Width(), n, dcMem.GetSafeHdc(), 0, rc.Height(), SRCCOPY);
    }
    ::SelectObject(dcMem.GetSafeHdc(), hOld);
    ::DeleteObject(hBmp);
    return bOk;
}

bool CExtPopupShadow::RestoreFromCache(CDC& dc)
{
    if (!IsCached())
        return false;
    const int n = m_nShadowSize;
    const CRect& rc = m_rcWndArea;
    HDC hDC = dc.GetSafeHdc();
    HDC hMem = ::CreateCompatibleDC(hDC);
    HGDIOBJ hOld = ::SelectObject(hMem, (HBITMAP)m_bmpCacheRight);
    ::BitBlt(hDC, rc.right, rc.top, n, rc.Height() + n, hMem, 0, 0, SRCCOPY);
    ::SelectObject(hMem, (HBITMAP)m_bmpCacheBottom);
    ::BitBlt(hDC, rc.left, rc.bottom, rc.Width() + n, n, hMem, 0, 0, SRCCOPY);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    return true;
}

bool CExtPopupShadow::PaintShadow(CDC& dc)
{
    bool bOk;
    if (CExtPaintManager::GetDisplayBitsPerPixel() < 9)
        bOk = PaintPattern(dc);
    else
        bOk = PaintPixels(dc);
    if (bOk && (m_nFlags & SHADOW_FLAG_CACHE) != 0)
        CacheStrips(dc);
    return bOk;
}

void CExtPopupShadow::CacheStrips(CDC& dc)
{
    const int n = m_nShadowSize;
    const CRect& rc = m_rcWndArea;
    HDC hDC = dc.GetSafeHdc();
    if (!CopyToBitmap(m_bmpCacheRight, hDC, rc.right, rc.top, n, rc.Height() + n) ||
        !CopyToBitmap(m_bmpCacheBottom, hDC, rc.left, rc.bottom, rc.Width() + n, n))
    {
        m_bmpCacheRight.DeleteObject();
        m_bmpCacheBottom.DeleteObject();
    }
}

bool CExtPopupShadow::PaintPixels(CDC& dc)
{
    const int n = m_nShadowSize;
    const CRect& rc = m_rcWndArea;
    const int cx = rc.Width() + n;
    const int cy = rc.Height() + n;
    HDC hDC = dc.GetSafeHdc();
    COLORREF* pBits = nullptr;
    HBITMAP hDib = PlatformCreateTopDownDib32(hDC, cx, cy, &pBits);
    if (hDib == nullptr)
        return false;
    HDC hMem = ::CreateCompatibleDC(hDC);
    HGDIOBJ hOld = ::SelectObject(hMem, hDib);
    ::BitBlt(hMem, 0, 0, cx, cy, hDC, rc.left, rc.top, SRCCOPY);
    ::GdiFlush();
    m_pHelperDibSurface = pBits;

    COLORREF clrTint = (COLORREF)-1;
    if ((m_nFlags & SHADOW_FLAG_USE_COLOR) != 0)
        clrTint = g_PaintManagerHolder->GetMenuShadowColor(nullptr);
    // DIB pixels are 0x00RRGGBB; the tint is a COLORREF.
    auto darken = [&](int x, int y, int nPercent) {
        if (x < 0 || y < 0 || x >= cx || y >= cy || IsExcluded(rc.left + x, rc.top + y))
            return;
        COLORREF& px = pBits[y * cx + x];
        const COLORREF clr = RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF);
        const COLORREF out = DarkenPixel(clr, nPercent, clrTint);
        px = (GetRValue(out) << 16) | (GetGValue(out) << 8) | GetBValue(out);
    };
    const int w = rc.Width();
    const int h = rc.Height();
    const int nSpan = m_nOuterPercent - m_nInnerPercent;
    for (int d = 0; d < n; ++d)
    {
        const int p = m_nInnerPercent + d * nSpan / n;
        for (int y = 2 * n; y < h; ++y)
            darken(w + d, y, p);
        for (int x = 2 * n; x < w; ++x)
            darken(x, h + d, p);
    }
    // Rounded corners: top-right (below 2n), bottom-right and bottom-left (left of 2n).
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
        {
            if (i * i + j * j > n * n)
                continue;
            const int p = m_nInnerPercent + (int)std::floor(std::sqrt((double)(i * i + j * j))) * nSpan / n;
            const int pClamped = std::min(p, 100);
            darken(w + i, 2 * n - 1 - j, pClamped);
            darken(w + i, h + j, pClamped);
            darken(2 * n - 1 - i, h + j, pClamped);
        }
    ::GdiFlush();
    // Only the two strips go back: the window's own area is left as it is.
    ::BitBlt(hDC, rc.right, rc.top, n, cy, hMem, w, 0, SRCCOPY);
    ::BitBlt(hDC, rc.left, rc.bottom, w, n, hMem, 0, h, SRCCOPY);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    ::DeleteObject(hDib);
    m_pHelperDibSurface = nullptr;
    return true;
}

bool CExtPopupShadow::PaintPattern(CDC& dc)
{
    static const WORD kPattern[8] = {0x55, 0xFF, 0xAA, 0xFF, 0x55, 0xFF, 0xAA, 0xFF};
    const int n = m_nShadowSize;
    const CRect& rc = m_rcWndArea;
    HDC hDC = dc.GetSafeHdc();
    HBITMAP hPat = ::CreateBitmap(8, 8, 1, 1, kPattern);
    if (hPat == nullptr)
        return false;
    HBRUSH hBrush = ::CreatePatternBrush(hPat);
    const int cx = rc.Width() + n;
    const int cy = rc.Height() + n;
    HBITMAP hBmp = ::CreateCompatibleBitmap(hDC, cx, cy);
    bool bOk = hBrush != nullptr && hBmp != nullptr;
    if (bOk)
    {
        HDC hMem = ::CreateCompatibleDC(hDC);
        HGDIOBJ hOld = ::SelectObject(hMem, hBmp);
        ::BitBlt(hMem, 0, 0, cx, cy, hDC, rc.left, rc.top, SRCCOPY);
        HGDIOBJ hOldBrush = ::SelectObject(hMem, hBrush);
        ::SetBrushOrgEx(hMem, rc.left % 8, rc.top % 8, nullptr);
        ::PatBlt(hMem, rc.Width(), 2 * n, n, cy - 2 * n, 0xA000C9);
        ::PatBlt(hMem, 2 * n, rc.Height(), cx - 2 * n - n, n, 0xA000C9);
        ::SelectObject(hMem, hOldBrush);
        // Copy back pixel runs that do not fall on an exclusion.
        for (int y = 0; y < cy; ++y)
            for (int x = rc.Width(); x < cx; ++x)
                if (!IsExcluded(rc.left + x, rc.top + y))
                    ::BitBlt(hDC, rc.left + x, rc.top + y, 1, 1, hMem, x, y, SRCCOPY);
        for (int y = rc.Height(); y < cy; ++y)
            for (int x = 0; x < rc.Width(); ++x)
                if (!IsExcluded(rc.left + x, rc.top + y))
                    ::BitBlt(hDC, rc.left + x, rc.top + y, 1, 1, hMem, x, y, SRCCOPY);
        ::SelectObject(hMem, hOld);
        ::DeleteDC(hMem);
    }
    if (hBmp != nullptr)
        ::DeleteObject(hBmp);
    if (hBrush != nullptr)
        ::DeleteObject(hBrush);
    ::DeleteObject(hPat);
    return bOk;
}
