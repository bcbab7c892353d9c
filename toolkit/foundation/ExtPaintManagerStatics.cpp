// CExtPaintManager static drawing routines: paint-message pumping, child clipping, masked blits,
// dither bitmaps, gradients, check marks and radio dots.
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include <algorithm>

void CExtPaintManager::PumpPaintMessages(bool bNcPaint, bool bEraseBkgnd, bool bPaint)
{
    const UINT kinds[] = {WM_NCPAINT, WM_ERASEBKGND, WM_PAINT};
    const bool asked[] = {bNcPaint, bEraseBkgnd, bPaint};
    for (int k = 0; k < 3; k++)
    {
        if (!asked[k])
            continue;
        // A window that invalidates itself while painting would keep a paint message pending
        // for ever: each kind is dispatched a bounded number of times per call.
        MSG msg;
        for (int n = 0; n < kPumpMaxDispatchPerKind; n++)
        {
            if (!::PeekMessageW(&msg, nullptr, kinds[k], kinds[k], PM_NOREMOVE))
                break;
            if (!::PeekMessageW(&msg, nullptr, kinds[k], kinds[k], PM_REMOVE))
                break;
            ::DispatchMessageW(&msg);
        }
    }
}

void CExtPaintManager::ExcludeChildAreas(HDC hDC, HWND hWndParent, ExcludeFilterFn pfnFilter, LPARAM lParam)
{
    if (hDC == nullptr || !::IsWindow(hWndParent))
        return;
    // The window's own DC of a window that clips its children leaves their areas out already: the walk
    // over the children (a query of the window tree each) would exclude nothing more.
    if (pfnFilter == nullptr && ::WindowFromDC(hDC) == hWndParent &&
        (::GetWindowLongW(hWndParent, GWL_STYLE) & WS_CLIPCHILDREN) != 0 &&
        (::GetClassLongW(hWndParent, GCL_STYLE) & CS_PARENTDC) == 0)
        return;
    for (HWND hWnd = ::GetWindow(hWndParent, GW_CHILD); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        if (!::IsWindowVisible(hWnd))
            continue;
        if ((::GetWindowLongW(hWnd, GWL_STYLE) & WS_CHILD) == 0)
            continue;
        RECT rc;
        if (!::GetWindowRect(hWnd, &rc))
            continue;
        if (!::ScreenToClient(hWndParent, reinterpret_cast<POINT*>(&rc.left)) ||
            !::ScreenToClient(hWndParent, reinterpret_cast<POINT*>(&rc.right)))
            continue;
        if (pfnFilter != nullptr && pfnFilter(hDC, hWndParent, hWnd, lParam))
            continue;
        ::ExcludeClipRect(hDC, rc.left, rc.top, rc.right, rc.bottom);
    }
}

void CExtPaintManager::TransparentBltMasked(HDC hDst, int x, int y, int cx, int cy, HDC hSrc, int xSrc, int ySrc,
                                            int cxSrc, int cySrc, COLORREF clrTransparent)
{
    const int nWidth = cx >= 0 ? cx : cxSrc;
    const int nHeight = cy >= 0 ? cy : cySrc;
    if (nWidth <= 0 || nHeight <= 0)
        return;
    HDC hColorDC = ::CreateCompatibleDC(hDst);
    HDC hMaskDC = ::CreateCompatibleDC(hDst);
    HBITMAP hColorBmp = ::CreateCompatibleBitmap(hDst, nWidth, nHeight);
    HBITMAP hMaskBmp = ::CreateBitmap(nWidth, nHeight, 1, 1, nullptr);
    if (hColorDC == nullptr || hMaskDC == nullptr || hColorBmp == nullptr || hMaskBmp == nullptr)
    {
        if (hColorBmp != nullptr)
            ::DeleteObject(hColorBmp);
        if (hMaskBmp != nullptr)
            ::DeleteObject(hMaskBmp);
        if (hColorDC != nullptr)
            ::DeleteDC(hColorDC);
        if (hMaskDC != nullptr)
            ::DeleteDC(hMaskDC);
        return;
    }
    HGDIOBJ hOldColor = ::SelectObject(hColorDC, hColorBmp);
    HGDIOBJ hOldMask = ::SelectObject(hMaskDC, hMaskBmp);

    if ((cx != cxSrc || cy != cySrc) && cx >= 0 && cy >= 0)
        ::StretchBlt(hColorDC, 0, 0, nWidth, nHeight, hSrc, xSrc, ySrc, cxSrc, cySrc, SRCCOPY);
    else
        ::BitBlt(hColorDC, 0, 0, nWidth, nHeight, hSrc, xSrc, ySrc, SRCCOPY);

    ::SetBkColor(hColorDC, clrTransparent);
    ::BitBlt(hMaskDC, 0, 0, nWidth, nHeight, hColorDC, 0, 0, SRCCOPY);

    ::SetBkColor(hColorDC, RGB(0, 0, 0));
    ::SetTextColor(hColorDC, RGB(255, 255, 255));
    ::BitBlt(hColorDC, 0, 0, nWidth, nHeight, hMaskDC, 0, 0, SRCAND);

    const COLORREF clrOldBk = ::SetBkColor(hDst, RGB(255, 255, 255));
    const COLORREF clrOldText = ::SetTextColor(hDst, RGB(0, 0, 0));
    ::BitBlt(hDst, x, y, nWidth, nHeight, hMaskDC, 0, 0, SRCAND);
    ::BitBlt(hDst, x, y, nWidth, nHeight, hColorDC, 0, 0, SRCPAINT);
    ::SetBkColor(hDst, clrOldBk);
    ::SetTextColor(hDst, clrOldText);

    ::SelectObject(hColorDC, hOldColor);
    ::SelectObject(hMaskDC, hOldMask);
    ::DeleteObject(hColorBmp);
    ::DeleteObject(hMaskBmp);
    ::DeleteDC(hColorDC);
    ::DeleteDC(hMaskDC);
}

HBITMAP CExtPaintManager::CreateDitherBitmap(COLORREF clr0, COLORREF clr1, int nStepX, int nStepY, int nOffX, int nOffY,
                                             COLORREF clrExtra)
{
    if (clr0 == (COLORREF)-1)
        clr0 = ::GetSysColor(COLOR_3DFACE);
    if (clr1 == (COLORREF)-1)
        clr1 = ::GetSysColor(COLOR_3DHILIGHT);
    if (clrExtra == (COLORREF)-1)
        clrExtra = clr0;
    HDC hScreen = ::GetDC(nullptr);
    if (hScreen == nullptr)
        return nullptr;
    HDC hDC = ::CreateCompatibleDC(hScreen);
    HBITMAP hBmp = hDC != nullptr ? ::CreateCompatibleBitmap(hScreen, 16, 16) : nullptr;
    ::ReleaseDC(nullptr, hScreen);
    if (hBmp == nullptr)
    {
        if (hDC != nullptr)
            ::DeleteDC(hDC);
        return nullptr;
    }
    HGDIOBJ hOld = ::SelectObject(hDC, hBmp);
    for (int y = 0; y < 16; y++)
        for (int x = 0; x < 16; x++)
        {
            COLORREF clr;
            if ((x & nOffX) != 0 || (y & nOffY) != 0)
                clr = clrExtra;
            else if ((y & nStepY) != 0)
                clr = (x & nStepX) != 0 ? clr0 : clr1;
            else
                clr = (x & nStepX) != 0 ? clr1 : clr0;
            ::SetPixelV(hDC, x, y, clr);
        }
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    return hBmp;
}

void CExtPaintManager::PaintGradientRect(CDC& dc, const RECT& rc, COLORREF clrFrom, COLORREF clrTo, bool bVertical,
                                         UINT nSteps)
{
    if (g_PaintManagerHolder.m_pfnGradientFill != nullptr && g_PaintManagerHolder.m_bIsWinNT)
    {
        TRIVERTEX v[2] = {};
        const COLORREF clrFirst = bVertical ? clrTo : clrFrom; // left, or top
        const COLORREF clrSecond = bVertical ? clrFrom : clrTo;
        v[0].x = rc.left;
        v[0].y = rc.top;
        v[0].Red = (COLOR16)(GetRValue(clrFirst) << 8);
        v[0].Green = (COLOR16)(GetGValue(clrFirst) << 8);
        v[0].Blue = (COLOR16)(GetBValue(clrFirst) << 8);
        v[1].x = rc.right;
        v[1].y = rc.bottom;
        v[1].Red = (COLOR16)(GetRValue(clrSecond) << 8);
        v[1].Green = (COLOR16)(GetGValue(clrSecond) << 8);
        v[1].Blue = (COLOR16)(GetBValue(clrSecond) << 8);
        GRADIENT_RECT gr = {0, 1};
        g_PaintManagerHolder.m_pfnGradientFill(dc.GetSafeHdc(), v, 2, &gr, 1,
                                               bVertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
        return;
    }

    const int nWidth = rc.right - rc.left, nHeight = rc.bottom - rc.top;
    if (nWidth <= 0 || nHeight <= 0 || nSteps == 0)
        return;
    const int nLength = bVertical ? nHeight : nWidth;
    int nBands = (int)std::min<UINT>(nSteps, (UINT)nLength);
    const bool bLowColor = GetDeviceBitsPerPixel(dc.GetSafeHdc()) <= 8;
    if (bLowColor && nLength / nBands < 4)
        nBands = nLength / 4;
    if (nBands <= 0)
        return;
    for (int i = 0; i < nBands; i++)
    {
        auto channel = [nBands, i](int from, int to) { return (from * (nBands - i) + to * i) / nBands; };
        const COLORREF clr =
            RGB(channel(GetRValue(clrFrom), GetRValue(clrTo)), channel(GetGValue(clrFrom), GetGValue(clrTo)),
                channel(GetBValue(clrFrom), GetBValue(clrTo)));
        CRect rcBand(rc);
        const bool bLast = i == nBands - 1;
        if (bVertical)
        {
            // From the bottom up: clrFrom at the bottom, as on the GradientFill path.
            rcBand.bottom = rc.bottom - ::MulDiv(i, nHeight, nBands);
            rcBand.top = bLast ? rc.top : rc.bottom - ::MulDiv(i + 1, nHeight, nBands) - 1;
            rcBand.top = std::max(rcBand.top, rc.top);
        }
        else
        {
            rcBand.left = rc.left + ::MulDiv(i, nWidth, nBands);
            rcBand.right = bLast ? rc.right : rc.left + ::MulDiv(i + 1, nWidth, nBands) + 1;
            rcBand.right = std::min(rcBand.right, rc.right);
        }
        if (bLowColor)
        {
            HBRUSH hBrush = ::CreateSolidBrush(clr);
            ::FillRect(dc.GetSafeHdc(), &rcBand, hBrush);
            ::DeleteObject(hBrush);
        }
        else
        {
            dc.FillSolidRect(&rcBand, clr);
        }
    }
}

void CExtPaintManager::PaintCheckMark(CDC& dc, int x, int y, COLORREF clr)
{
    const COLORREF clrShadow = dc.GetNearestColor(InvertColor(clr));
    static const struct
    {
        int dx, dy;
        bool bShadow;
    } kPixels[21] = {{0, 2, false}, {0, 3, false}, {0, 4, true}, {1, 3, false}, {1, 4, false}, {1, 5, true},
                     {2, 4, false}, {2, 5, false}, {2, 6, true}, {3, 3, false}, {3, 4, false}, {3, 5, true},
                     {4, 2, false}, {4, 3, false}, {4, 4, true}, {5, 1, false}, {5, 2, false}, {5, 3, true},
                     {6, 0, false}, {6, 1, false}, {6, 2, true}};
    for (const auto& p : kPixels)
        dc.SetPixel(x + p.dx, y + p.dy, p.bShadow ? clrShadow : clr);
}

void CExtPaintManager::PaintRadioDot(CDC& dc, int x, int y, COLORREF clr)
{
    const COLORREF clrShadow = dc.GetNearestColor(InvertColor(clr));
    HBRUSH hBrushShadow = ::CreateSolidBrush(clrShadow);
    HPEN hPenShadow = ::CreatePen(PS_SOLID, 1, clrShadow);
    HBRUSH hBrush = ::CreateSolidBrush(clr);
    HPEN hPen = ::CreatePen(PS_SOLID, 1, clr);
    HDC hDC = dc.GetSafeHdc();
    HGDIOBJ hOldBrush = ::SelectObject(hDC, hBrushShadow);
    HGDIOBJ hOldPen = ::SelectObject(hDC, hPenShadow);
    ::Ellipse(hDC, x + 1, y + 1, x + 7, y + 7);
    ::SelectObject(hDC, hBrush);
    ::SelectObject(hDC, hPen);
    ::Ellipse(hDC, x, y, x + 6, y + 6);
    ::SelectObject(hDC, hOldBrush);
    ::SelectObject(hDC, hOldPen);
    ::DeleteObject(hBrushShadow);
    ::DeleteObject(hPenShadow);
    ::DeleteObject(hBrush);
    ::DeleteObject(hPen);
}
