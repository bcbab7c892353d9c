// CBusyAnimateCtrl: flicker-free painting of the status bar's busy animation.
#include "app/BusyAnimateCtrl.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include <algorithm>

LRESULT CBusyAnimateCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_ERASEBKGND: return TRUE;
    case WM_PAINT: PaintBuffered(); return 0;
    default: return CAnimateCtrl::WindowProc(message, wParam, lParam);
    }
}

void CBusyAnimateCtrl::PaintBuffered()
{
    PAINTSTRUCT ps;
    HDC hdc = ::BeginPaint(m_hWnd, &ps);
    CRect rc;
    GetClientRect(&rc);
    HDC hMem = ::CreateCompatibleDC(hdc);
    HBITMAP hBmp = ::CreateCompatibleBitmap(hdc, std::max(1, rc.Width()), std::max(1, rc.Height()));
    HGDIOBJ hOld = ::SelectObject(hMem, hBmp);
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    {
        CDC dc;
        dc.Attach(hMem);
        if (pPM == nullptr || !pPM->IsDockerGradientAvailable(this) || !pPM->PaintDockerBackground(true, dc, this))
        {
            const COLORREF clr =
                pPM != nullptr ? pPM->GetTranslatedColor(XCLR_FACE_NORMAL) : ::GetSysColor(COLOR_BTNFACE);
            dc.FillSolidRect(&rc, clr);
        }
        dc.Detach();
    }
    // The control draws its frame over the background, transparent where the frame is.
    ::SetBkMode(hMem, TRANSPARENT);
    CAnimateCtrl::WindowProc(WM_PRINTCLIENT, (WPARAM)hMem, PRF_CLIENT);
    ::BitBlt(hdc, 0, 0, rc.Width(), rc.Height(), hMem, 0, 0, SRCCOPY);
    ::SelectObject(hMem, hOld);
    ::DeleteObject(hBmp);
    ::DeleteDC(hMem);
    ::EndPaint(m_hWnd, &ps);
}
