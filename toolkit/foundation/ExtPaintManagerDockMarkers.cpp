// Docking markers: the marker record and its layout, the marker windows, the per-style tints of the
// images and of the docking preview, and the bitmap statics they use (HLS shifts, key-colour regions).
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
#include "toolkit/foundation/ExtPaintManagerStudio2005.h"
#include "toolkit/foundation/ExtDynDockMarkerWnd.h"
#include <algorithm>
#include <vector>

namespace
{

// The per-channel key range: from the key's component to that plus the tolerance's, capped at 255.
struct KeyRange
{
    int lo[3], hi[3]; // red, green, blue

    KeyRange(COLORREF clrKey, COLORREF clrTolerance)
    {
        const int k[3] = {GetRValue(clrKey), GetGValue(clrKey), GetBValue(clrKey)};
        const int t[3] = {GetRValue(clrTolerance), GetGValue(clrTolerance), GetBValue(clrTolerance)};
        for (int i = 0; i < 3; i++)
        {
            lo[i] = k[i];
            hi[i] = std::min(255, k[i] + t[i]);
        }
    }
    // A DIB pixel 0x00RRGGBB: blue is its byte 0.
    bool IsKey(DWORD px) const
    {
        const int r = (int)((px >> 16) & 0xFF), g = (int)((px >> 8) & 0xFF), b = (int)(px & 0xFF);
        return r >= lo[0] && r <= hi[0] && g >= lo[1] && g <= hi[1] && b >= lo[2] && b <= hi[2];
    }
};

inline COLORREF DibToColor(DWORD px) { return RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF); }

inline DWORD ColorToDib(COLORREF clr)
{
    return ((DWORD)GetRValue(clr) << 16) | ((DWORD)GetGValue(clr) << 8) | (DWORD)GetBValue(clr);
}

bool BitmapSize(HBITMAP hBitmap, int& cx, int& cy)
{
    BITMAP bm = {};
    if (hBitmap == nullptr || ::GetObjectW(hBitmap, sizeof(bm), &bm) != (int)sizeof(bm))
        return false;
    cx = bm.bmWidth;
    cy = bm.bmHeight;
    return cx > 0 && cy > 0;
}

const int kRegionBlock = 2000; // rectangles per ExtCreateRegion call
const int kRegionGrow = 200;   // growth step of the rectangle buffer

// Makes a region of the collected rectangles and ORs it into hRgnResult (created on first use).
bool FlushRegionBlock(std::vector<RECT>& rects, HRGN& hRgnResult)
{
    if (rects.empty())
        return true;
    std::vector<BYTE> block(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    RGNDATA* pData = (RGNDATA*)block.data();
    pData->rdh.dwSize = sizeof(RGNDATAHEADER);
    pData->rdh.iType = RDH_RECTANGLES;
    pData->rdh.nCount = (DWORD)rects.size();
    pData->rdh.nRgnSize = (DWORD)(rects.size() * sizeof(RECT));
    CRect rcBound(rects[0]);
    for (const RECT& r : rects)
        rcBound.UnionRect(rcBound, &r);
    pData->rdh.rcBound = rcBound;
    memcpy(pData->Buffer, rects.data(), rects.size() * sizeof(RECT));
    HRGN hRgn = ::ExtCreateRegion(nullptr, (DWORD)block.size(), pData);
    rects.clear();
    if (hRgn == nullptr)
        return false;
    if (hRgnResult == nullptr)
    {
        hRgnResult = hRgn;
        return true;
    }
    ::CombineRgn(hRgnResult, hRgnResult, hRgn, RGN_OR);
    ::DeleteObject(hRgn);
    return true;
}

} // namespace

// ---- bitmap statics -----------------------------------------------------------------------------

HBITMAP CExtPaintManager::AdjustBitmapHls(HBITMAP hBitmap, COLORREF clrKey, COLORREF clrKeyTolerance, double dHue,
                                          double dLightness, double dSaturation)
{
    if (dHue == 0.0 && dLightness == 0.0 && dSaturation == 0.0)
        return nullptr;
    int cx = 0, cy = 0;
    if (!BitmapSize(hBitmap, cx, cy))
        return nullptr;
    COLORREF* pSurface = nullptr;
    HBITMAP hNew = CopyBitmap(hBitmap, nullptr, &pSurface);
    if (hNew == nullptr || pSurface == nullptr)
    {
        if (hNew != nullptr)
            ::DeleteObject(hNew);
        return nullptr;
    }
    const KeyRange key(clrKey, clrKeyTolerance);
    DWORD* pPixels = (DWORD*)pSurface;
    for (int y = cy - 1; y >= 0; y--) // image top row first (bottom-up DIB)
    {
        DWORD* pRow = pPixels + (size_t)y * cx;
        for (int x = 0; x < cx; x++)
        {
            if (key.IsKey(pRow[x]))
                continue;
            pRow[x] = ColorToDib(AdjustHls(DibToColor(pRow[x]), dHue, dLightness, dSaturation));
        }
    }
    ::GdiFlush();
    return hNew;
}

bool CExtPaintManager::AdjustBitmapHlsInPlace(CBitmap& bmp, COLORREF clrKey, COLORREF clrKeyTolerance, double dHue,
                                              double dLightness, double dSaturation)
{
    if (dHue == 0.0 && dLightness == 0.0 && dSaturation == 0.0)
        return true;
    if (bmp.GetSafeHandle() == nullptr)
        return false;
    HBITMAP hNew =
        AdjustBitmapHls((HBITMAP)bmp.GetSafeHandle(), clrKey, clrKeyTolerance, dHue, dLightness, dSaturation);
    if (hNew == nullptr)
        return false;
    bmp.DeleteObject();
    bmp.Attach(hNew);
    return true;
}

HRGN CExtPaintManager::CreateRegionFromBitmap(HBITMAP hBitmap, COLORREF clrKey, COLORREF clrKeyTolerance)
{
    int cx = 0, cy = 0;
    if (!BitmapSize(hBitmap, cx, cy))
        return nullptr;
    COLORREF* pSurface = nullptr;
    HBITMAP hCopy = CopyBitmap(hBitmap, nullptr, &pSurface);
    if (hCopy == nullptr || pSurface == nullptr)
    {
        if (hCopy != nullptr)
            ::DeleteObject(hCopy);
        return nullptr;
    }
    const KeyRange key(clrKey, clrKeyTolerance);
    const DWORD* pPixels = (const DWORD*)pSurface;
    std::vector<RECT> rects;
    rects.reserve(kRegionGrow);
    HRGN hRgn = nullptr;
    bool bOk = true;
    for (int y = 0; y < cy && bOk; y++)
    {
        const DWORD* pRow = pPixels + (size_t)(cy - 1 - y) * cx; // image row y of a bottom-up DIB
        for (int x = 0; x < cx;)
        {
            while (x < cx && key.IsKey(pRow[x]))
                x++;
            const int x0 = x;
            while (x < cx && !key.IsKey(pRow[x]))
                x++;
            if (x == x0)
                continue;
            if (rects.size() == rects.capacity())
                rects.reserve(rects.capacity() + kRegionGrow);
            rects.push_back(RECT{x0, y, x, y + 1});
            if ((int)rects.size() == kRegionBlock && !FlushRegionBlock(rects, hRgn))
                bOk = false;
        }
    }
    if (bOk)
        bOk = FlushRegionBlock(rects, hRgn);
    ::DeleteObject(hCopy);
    if (!bOk)
    {
        if (hRgn != nullptr)
            ::DeleteObject(hRgn);
        return nullptr;
    }
    // An image of key colour only still gets a (empty) region.
    return hRgn != nullptr ? hRgn : ::CreateRectRgn(0, 0, 0, 0);
}

// ---- the marker record -------------------------------------------------------------------------

void CExtPaintManager::DockMarker::Reset()
{
    m_bmp1.DeleteObject();
    m_bmp2.DeleteObject();
    m_rgn.DeleteObject();
    m_eMarkerType = kNone;
    m_size = CSize(0, 0);
    m_rc.SetRectEmpty();
    for (INT_PTR i = 0; i < m_arrChildren.GetSize(); i++)
        delete m_arrChildren[i];
    m_arrChildren.RemoveAll();
}

void CExtPaintManager::DockMarker::Layout(const RECT& rc)
{
    CRect r(rc);
    const int w = m_size.cx, h = m_size.cy;
    switch (m_eMarkerType)
    {
    case kArrowTop:
    case kArrowBottom:
        if (m_eMarkerType == kArrowTop)
            r.bottom = r.top + h;
        else
            r.top = r.bottom - h;
        r.OffsetRect((r.right - w - r.left) / 2, 0);
        r.right = r.left + w;
        break;
    case kArrowLeft:
    case kArrowRight:
        if (m_eMarkerType == kArrowLeft)
            r.right = r.left + w;
        else
            r.left = r.right - w;
        r.OffsetRect(0, (r.bottom - r.top - h) / 2);
        r.bottom = r.top + h;
        break;
    case kCentre:
    case kCentreTab:
        r.OffsetRect((r.Width() - w) / 2, (r.Height() - h) / 2);
        r.right = r.left + w;
        r.bottom = r.top + h;
        break;
    default: break;
    }
    m_rc = r;
}

bool CExtPaintManager::DockMarker::LoadImage(int eMarkerType, const RECT& rc)
{
    DWORD dwSize = 0;
    const BYTE* pData = GetImageData(eMarkerType, &dwSize);
    if (pData == nullptr)
        return false;
    HBITMAP h1 = LoadBitmapFromMemory(pData, dwSize);
    HBITMAP h2 = LoadBitmapFromMemory(pData, dwSize);
    int cx1 = 0, cy1 = 0, cx2 = 0, cy2 = 0;
    HRGN hRgn = nullptr;
    if (h1 != nullptr && h2 != nullptr && BitmapSize(h1, cx1, cy1) && BitmapSize(h2, cx2, cy2) && cx1 == cx2 &&
        cy1 == cy2)
        hRgn = CreateRegionFromBitmap(h1, kKeyColor, 0);
    if (hRgn == nullptr)
    {
        if (h1 != nullptr)
            ::DeleteObject(h1);
        if (h2 != nullptr)
            ::DeleteObject(h2);
        return false;
    }
    m_size = CSize(cx1, cy1);
    m_bmp1.Attach(h1);
    m_bmp2.Attach(h2);
    m_rgn.Attach(hRgn);
    m_eMarkerType = eMarkerType;
    Layout(rc);
    if (CExtPaintManager* pPM = g_PaintManagerHolder.GetPM())
        pPM->AdjustDockMarkerColors(eMarkerType, m_bmp1, kKeyColor, m_bmp2, kKeyColor);
    return true;
}

bool CExtPaintManager::DockMarker::AddChild(int eMarkerType, const RECT& rc, int nInsertAt)
{
    DockMarker* pChild = new DockMarker;
    if (!pChild->Load(eMarkerType, rc))
    {
        delete pChild;
        return false;
    }
    if (nInsertAt >= 0)
        m_arrChildren.InsertAt(nInsertAt, pChild);
    else
        m_arrChildren.Add(pChild);
    return true;
}

bool CExtPaintManager::DockMarker::Load(int eMarkerType, const RECT& rc)
{
    Reset();
    if (eMarkerType == kNone)
        return true;
    if (eMarkerType < kNone || eMarkerType > kCentreTab)
        return false;
    bool bOk = true;
    switch (eMarkerType)
    {
    case kSetOfArrows:
        m_rc = rc;
        for (int t = kArrowTop; t <= kArrowRight && bOk; t++)
            bOk = AddChild(t, rc);
        if (bOk)
            m_eMarkerType = kSetOfArrows;
        break;
    case kSetWithCentre:
    {
        bOk = Load(kSetOfArrows, rc);
        DockMarker* pCentre = nullptr;
        if (bOk)
        {
            pCentre = new DockMarker;
            bOk = pCentre->Load(kCentre, rc);
        }
        if (bOk)
        {
            const CRect r(rc);
            const int nBox = pCentre->m_size.cx + kCentreMargin;
            const int nBoxY = pCentre->m_size.cy + kCentreMargin;
            CRect rcBox(r.left + (r.Width() - nBox) / 2, r.top + (r.Height() - nBoxY) / 2, 0, 0);
            rcBox.right = rcBox.left + nBox;
            rcBox.bottom = rcBox.top + nBoxY;
            for (INT_PTR i = 0; i < m_arrChildren.GetSize(); i++)
                m_arrChildren[i]->Layout(rcBox);
            pCentre->Layout(rcBox);
            m_eMarkerType = kSetWithCentre;
            m_arrChildren.InsertAt(0, pCentre);
        }
        else
            delete pCentre;
        break;
    }
    case kSetWithTab:
        bOk = Load(kSetWithCentre, rc) && AddChild(kCentreTab, rc);
        if (bOk)
            m_eMarkerType = kSetWithTab;
        break;
    default: bOk = LoadImage(eMarkerType, rc); break;
    }
    if (!bOk)
        Reset();
    return bOk;
}

namespace
{

// Hands the marker's images to a window, then does the same for each child.
bool CreateMarkerWindows(HWND hWndTarget, CExtPaintManager::DockMarker& marker,
                         CArray<CExtDynDockMarkerWnd*, CExtDynDockMarkerWnd*>& arrMarkers)
{
    bool bOk = true;
    if (marker.m_bmp1.GetSafeHandle() != nullptr)
    {
        const CRect rc = marker.m_rc;
        const int eType = marker.m_eMarkerType;
        HBITMAP hBmp1 = (HBITMAP)marker.m_bmp1.Detach();
        HBITMAP hBmp2 = (HBITMAP)marker.m_bmp2.Detach();
        HRGN hRgn = (HRGN)marker.m_rgn.Detach();
        CExtDynDockMarkerWnd* pWnd =
            new CExtDynDockMarkerWnd(hWndTarget, eType, hBmp1, hBmp2, hRgn, rc.left, rc.top, rc.right, rc.bottom);
        if (pWnd->GetSafeHwnd() != nullptr)
            arrMarkers.Add(pWnd);
        else
        {
            delete pWnd; // frees the images and region it was given
            bOk = false;
        }
        marker.m_eMarkerType = CExtPaintManager::DockMarker::kNone;
        marker.m_size = CSize(0, 0);
        marker.m_rc.SetRectEmpty();
    }
    for (INT_PTR i = 0; i < marker.m_arrChildren.GetSize(); i++)
        bOk = CreateMarkerWindows(hWndTarget, *marker.m_arrChildren[i], arrMarkers) && bOk;
    return bOk;
}

} // namespace

bool CExtPaintManager::LoadDockMarker(HWND hWndTarget, int eMarkerType, int nLeft, int nTop, int nRight, int nBottom,
                                      CArray<CExtDynDockMarkerWnd*, CExtDynDockMarkerWnd*>& arrMarkers)
{
    CExtDynDockMarkerWnd::DestroyMarkerSet(arrMarkers);
    DockMarker marker;
    if (!marker.Load(eMarkerType, CRect(nLeft, nTop, nRight, nBottom)))
        return false;
    return CreateMarkerWindows(hWndTarget, marker, arrMarkers);
}

// ---- tints -------------------------------------------------------------------------------------

void CExtPaintManager::AdjustDockMarkerColors(int eMarkerType, CBitmap& bmp1, COLORREF clrKey1, CBitmap& bmp2,
                                              COLORREF clrKey2)
{
    if (eMarkerType == DockMarker::kCentre)
        return;
    if (GetDisplayBitsPerPixel() <= 8)
    {
        AdjustBitmapHlsInPlace(bmp2, clrKey2, 0, 0.0, 0.3, -1.0);
        AdjustBitmapHlsInPlace(bmp1, clrKey1, 0, 0.0, -0.15, -1.0);
        return;
    }
    AdjustBitmapHlsInPlace(bmp2, clrKey2, 0, 0.0, 0.35, 0.0);
}

namespace
{

// The Office 2003 and Studio 2005 tints: by the system colour scheme above 8 bits per pixel.
bool AdjustDockMarkerColorsByScheme(CExtPaintManager& pm, int eMarkerType, CBitmap& bmp1, COLORREF clrKey1,
                                    CBitmap& bmp2, COLORREF clrKey2)
{
    const int nScheme = pm.GetSystemThemeScheme();
    if (nScheme == 0 || CExtPaintManager::GetDisplayBitsPerPixel() <= 8)
        return false;
    if (eMarkerType == CExtPaintManager::DockMarker::kCentre)
        return true;
    CExtPaintManager::AdjustBitmapHlsInPlace(bmp2, clrKey2, 0, 0.0, 0.35, 0.0);
    if (nScheme == 2)
    {
        CExtPaintManager::AdjustBitmapHlsInPlace(bmp1, clrKey1, 0, 0.6, 0.0, -0.45);
        CExtPaintManager::AdjustBitmapHlsInPlace(bmp2, clrKey2, 0, 0.6, 0.0, -0.45);
    }
    else if (nScheme == 3)
    {
        CExtPaintManager::AdjustBitmapHlsInPlace(bmp1, clrKey1, 0, 0.0, 0.0, -0.85);
        CExtPaintManager::AdjustBitmapHlsInPlace(bmp2, clrKey2, 0, 0.0, 0.0, -0.85);
    }
    return true;
}

COLORREF SchemePreviewFill(CExtPaintManager& pm, COLORREF clrFill)
{
    if (clrFill != (COLORREF)-1 || CExtPaintManager::GetDisplayBitsPerPixel() <= 8)
        return clrFill;
    switch (pm.GetSystemThemeScheme())
    {
    case 1: return RGB(0, 0, 128);
    case 2: return RGB(170, 187, 131);
    case 3: return RGB(96, 96, 144);
    default: return clrFill;
    }
}

} // namespace

void CExtPaintManagerOffice2003::AdjustDockMarkerColors(int eMarkerType, CBitmap& bmp1, COLORREF clrKey1, CBitmap& bmp2,
                                                        COLORREF clrKey2)
{
    if (!AdjustDockMarkerColorsByScheme(*this, eMarkerType, bmp1, clrKey1, bmp2, clrKey2))
        CExtPaintManagerXP::AdjustDockMarkerColors(eMarkerType, bmp1, clrKey1, bmp2, clrKey2);
}

void CExtPaintManagerStudio2005::AdjustDockMarkerColors(int eMarkerType, CBitmap& bmp1, COLORREF clrKey1, CBitmap& bmp2,
                                                        COLORREF clrKey2)
{
    CExtPaintManagerOffice2003::AdjustDockMarkerColors(eMarkerType, bmp1, clrKey1, bmp2, clrKey2);
}

// ---- the docking preview -----------------------------------------------------------------------

void CExtPaintManager::PaintDockingPreview(COLORREF* pClrSurface, int nWidth, int nHeight, bool bUseRects,
                                           const RECT& rcOuter, const RECT& rcInner, COLORREF clrFill,
                                           COLORREF clrBorder, int nBorderWidth)
{
    if (pClrSurface == nullptr || nWidth <= 0 || nHeight <= 0)
        return;
    const CRect rcBuffer(0, 0, nWidth, nHeight);
    const CRect rcArea = bUseRects ? CRect(rcOuter) : rcBuffer;
    CRect rcIn = bUseRects ? CRect(rcInner) : CRect(0, 0, 0, 0);
    rcIn.NormalizeRect();
    // Only pixels inside the buffer are walked, whatever the rectangles say.
    CRect rcWalk = rcArea;
    rcWalk.NormalizeRect();
    if (bUseRects && !rcIn.IsRectEmpty())
        rcWalk.UnionRect(rcWalk, rcIn);
    rcWalk.IntersectRect(rcWalk, rcBuffer);
    if (rcWalk.IsRectEmpty())
        return;
    DWORD* pPixels = (DWORD*)pClrSurface;
    auto TakesPart = [&](int x, int y) {
        if (!bUseRects)
            return true;
        return (x >= rcArea.left && x < rcArea.right && y >= rcArea.top && y < rcArea.bottom) ||
               (x >= rcIn.left && x < rcIn.right && y >= rcIn.top && y < rcIn.bottom);
    };

    if (GetDisplayBitsPerPixel() <= 8)
    {
        const DWORD dwShadow = ColorToDib(GetTranslatedColor(COLOR_3DSHADOW, this, 0));
        for (int y = rcWalk.top; y < rcWalk.bottom; y++)
        {
            const int nRow = nHeight - 1 - y; // rows addressed from the buffer's bottom
            DWORD* pRow = pPixels + (size_t)nRow * nWidth;
            for (int x = rcWalk.left; x < rcWalk.right; x++)
                if (TakesPart(x, y) && ((x + nRow) & 1) != 0)
                    pRow[x] = dwShadow;
        }
        return;
    }

    if (clrFill == (COLORREF)-1)
        clrFill = GetTranslatedColor(COLOR_HIGHLIGHT, this, 0);
    if (nBorderWidth > 0 && clrBorder == (COLORREF)-1)
        clrBorder = GetTranslatedColor(COLOR_3DFACE, this, 0);
    const int bw = std::max(nBorderWidth, 0);
    const bool bInner = bUseRects && !rcIn.IsRectEmpty();
    const CRect rcInnerInterior(rcIn.left + bw, rcIn.top, rcIn.right - bw, rcIn.bottom - bw);
    auto IsBorder = [&](int x, int y) {
        if (bw <= 0)
            return false;
        if (bInner && rcIn.PtInRect(CPoint(x, y)))
            return !rcInnerInterior.PtInRect(CPoint(x, y));
        if (y < rcArea.top + bw || x < rcArea.left + bw || x >= rcArea.right - bw)
            return true;
        if (y >= rcArea.bottom - bw)
            return !bInner || x < rcIn.left + bw || x >= rcIn.right - bw;
        return false;
    };
    for (int y = rcWalk.top; y < rcWalk.bottom; y++)
    {
        DWORD* pRow = pPixels + (size_t)(nHeight - 1 - y) * nWidth;
        for (int x = rcWalk.left; x < rcWalk.right; x++)
        {
            if (!TakesPart(x, y))
                continue;
            const COLORREF clr = IsBorder(x, y) ? clrBorder : clrFill;
            const DWORD px = pRow[x];
            const int b = (int)(px & 0xFF), g = (int)((px >> 8) & 0xFF), r = (int)((px >> 16) & 0xFF);
            const int nb = std::min(255, b + (GetBValue(clr) - b) / 2);
            const int ng = std::min(255, g + (GetGValue(clr) - g) / 2);
            const int nr = std::min(255, r + (GetRValue(clr) - r) / 2);
            pRow[x] = ColorToDib(AdjustHls(RGB(nr, ng, nb), 0.0, 0.1, 0.0));
        }
    }
}

void CExtPaintManagerOffice2003::PaintDockingPreview(COLORREF* pClrSurface, int nWidth, int nHeight, bool bUseRects,
                                                     const RECT& rcOuter, const RECT& rcInner, COLORREF clrFill,
                                                     COLORREF clrBorder, int nBorderWidth)
{
    CExtPaintManagerXP::PaintDockingPreview(pClrSurface, nWidth, nHeight, bUseRects, rcOuter, rcInner,
                                            SchemePreviewFill(*this, clrFill), clrBorder, nBorderWidth);
}

void CExtPaintManagerStudio2005::PaintDockingPreview(COLORREF* pClrSurface, int nWidth, int nHeight, bool bUseRects,
                                                     const RECT& rcOuter, const RECT& rcInner, COLORREF clrFill,
                                                     COLORREF clrBorder, int nBorderWidth)
{
    CExtPaintManagerOffice2003::PaintDockingPreview(pClrSurface, nWidth, nHeight, bUseRects, rcOuter, rcInner, clrFill,
                                                    clrBorder, nBorderWidth);
}
