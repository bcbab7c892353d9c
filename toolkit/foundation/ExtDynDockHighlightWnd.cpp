// CExtDynDockHighlightWnd: preview rectangle, screen capture, tinting and painting.
#include "toolkit/foundation/ExtDynDockHighlightWnd.h"
#include <algorithm>
#include "platform/Dc.h"
#include "toolkit/foundation/ExtDynDockMarkerWnd.h"
#include "toolkit/foundation/ExtKindOf.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

BEGIN_MESSAGE_MAP(CExtDynDockHighlightWnd, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_MOUSEACTIVATE()
END_MESSAGE_MAP()

const wchar_t* const CExtDynDockHighlightWnd::kWndClassName = L"Nimbal-DynDockHighlightWnd";

CRect CExtDynDockHighlightWnd::CalcPreviewRect(const CExtDynDockMarkerWnd* pMarker)
{
    CRect rc(0, 0, 0, 0);
    CWnd* pBar = CExtKindOf::DraggedBar();
    if (pMarker == nullptr || pBar == nullptr)
        return rc;
    const HWND hTarget = pMarker->GetTargetWnd();
    bool bBarTarget = false;
    if (hTarget != nullptr)
    {
        if (!::IsWindow(hTarget))
            return rc;
        ::GetWindowRect(hTarget, &rc);
        bBarTarget = CExtKindOf::IsControlBar(CWnd::FromHandlePermanent(hTarget));
    }
    else
    {
        const CExtDynDockMarkerWnd::MarkerArray& arr = CExtDynDockMarkerWnd::g_arrOuterSet;
        if (arr.GetSize() != 4)
            return CRect(0, 0, 0, 0);
        CRect r[4];
        for (int i = 0; i < 4; i++)
            arr[i]->GetWindowRect(&r[i]);
        rc = CRect(r[2].left, r[0].top, r[3].right, r[1].bottom);
    }
    const CSize sizeExtent = CExtKindOf::DockedExtents(pBar);
    const int nHorz = bBarTarget ? rc.Height() / 2 : std::max((int)sizeExtent.cy, kMinBand);
    const int nVert = bBarTarget ? rc.Width() / 2 : std::max((int)sizeExtent.cx, kMinBand);
    switch (pMarker->GetMarkerType())
    {
    case CExtDynDockMarkerWnd::kTypeTop: rc.bottom = rc.top + nHorz; break;
    case CExtDynDockMarkerWnd::kTypeBottom: rc.top = rc.bottom - nHorz; break;
    case CExtDynDockMarkerWnd::kTypeLeft: rc.right = rc.left + nVert; break;
    case CExtDynDockMarkerWnd::kTypeRight: rc.left = rc.right - nVert; break;
    case CExtDynDockMarkerWnd::kTypeCentre: break;
    default: return CRect(0, 0, 0, 0);
    }
    return rc;
}

void CExtDynDockHighlightWnd::CalcTabShape(const CSize& size, CRect& rcBody, CRect& rcTab)
{
    const int nTab = size.cy < 2 * kTabHeight ? size.cy / 2 : kTabHeight;
    rcBody = CRect(0, 0, size.cx, size.cy - nTab);
    const int nWidth = size.cx - kTabInset < kTabWidth ? (size.cx - kTabInset) / 2 : kTabWidth;
    rcTab = CRect(kTabInset, size.cy - nTab, kTabInset + std::max(nWidth, 0), size.cy);
}

CExtDynDockHighlightWnd::CExtDynDockHighlightWnd(CExtDynDockMarkerWnd* pMarker) : m_pMarker(pMarker), m_pPixels(nullptr)
{
    const CRect rc = CalcPreviewRect(pMarker);
    HWND hParent = CExtDynDockMarkerWnd::GetMarkerParent();
    if (rc.IsRectEmpty() || hParent == nullptr || !CExtDynDockMarkerWnd::RegisterMarkerClass(kWndClassName))
        return;
    // The screen under the preview is taken before the window covers it.
    CaptureScreen(rc);
    if (!CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kWndClassName, L"", WS_POPUP, rc.left, rc.top, rc.Width(),
                  rc.Height(), hParent, nullptr))
    {
        if (m_hWnd != nullptr && !::IsWindow(m_hWnd))
            Detach();
        return;
    }
    ExcludeMarkers(rc);
    // Below every marker window: the markers stay in sight over their preview.
    HWND hAfter = HWND_TOP;
    for (HWND h = ::GetWindow(m_hWnd, GW_HWNDFIRST); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
        if (CExtDynDockMarkerWnd::IsMarkerWindow(h))
            hAfter = h;
    ::SetWindowPos(m_hWnd, hAfter, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

CExtDynDockHighlightWnd::~CExtDynDockHighlightWnd()
{
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
}

void CExtDynDockHighlightWnd::ExcludeMarkers(const CRect& rcScreen)
{
    HRGN hShape = ::CreateRectRgn(0, 0, rcScreen.Width(), rcScreen.Height());
    HRGN hMarker = ::CreateRectRgn(0, 0, 0, 0);
    bool bCut = false;
    for (const CExtDynDockMarkerWnd::MarkerArray* pArr :
         {&CExtDynDockMarkerWnd::g_arrOuterSet, &CExtDynDockMarkerWnd::g_arrTargetSet})
    {
        for (INT_PTR i = 0; i < pArr->GetSize() && hShape != nullptr && hMarker != nullptr; i++)
        {
            const HWND hWnd = (*pArr)[i]->GetSafeHwnd();
            CRect rcMarker, rcCommon;
            if (hWnd == nullptr || !::IsWindowVisible(hWnd) || !::GetWindowRect(hWnd, &rcMarker) ||
                !rcCommon.IntersectRect(&rcMarker, &rcScreen))
                continue;
            if (::GetWindowRgn(hWnd, hMarker) == ERROR)
                ::SetRectRgn(hMarker, 0, 0, rcMarker.Width(), rcMarker.Height());
            ::OffsetRgn(hMarker, rcMarker.left - rcScreen.left, rcMarker.top - rcScreen.top);
            ::CombineRgn(hShape, hShape, hMarker, RGN_DIFF);
            bCut = true;
        }
    }
    if (hMarker != nullptr)
        ::DeleteObject(hMarker);
    // The system owns the region once the window holds it.
    if (hShape != nullptr && (!bCut || SetWindowRgn(hShape, FALSE) == 0))
        ::DeleteObject(hShape);
}

void CExtDynDockHighlightWnd::CaptureScreen(const CRect& rcScreen)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = rcScreen.Width();
    bmi.bmiHeader.biHeight = rcScreen.Height(); // bottom-up
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hBmp = ::CreateDIBSection(hScreen, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (hBmp == nullptr || pBits == nullptr)
    {
        ::ReleaseDC(nullptr, hScreen);
        return;
    }
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HGDIOBJ hOld = ::SelectObject(hMem, hBmp);
    ::BitBlt(hMem, 0, 0, rcScreen.Width(), rcScreen.Height(), hScreen, rcScreen.left, rcScreen.top, SRCCOPY);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    ::ReleaseDC(nullptr, hScreen);
    ::GdiFlush();
    m_bmpPreview.Attach(hBmp);
    m_pPixels = (COLORREF*)pBits;
    const bool bTab = m_pMarker->GetMarkerType() == CExtDynDockMarkerWnd::kTypeCentre;
    CRect rcBody(0, 0, rcScreen.Width(), rcScreen.Height()), rcTab(0, 0, 0, 0);
    if (bTab)
        CalcTabShape(rcScreen.Size(), rcBody, rcTab);
    if (CExtPaintManager* pPM = g_PaintManagerHolder.GetPM())
        pPM->PaintDockingPreview(m_pPixels, rcScreen.Width(), rcScreen.Height(), bTab, rcBody, rcTab, (COLORREF)-1,
                                 (COLORREF)-1, 2);
    ::GdiFlush();
}

void CExtDynDockHighlightWnd::DoPaint(CDC& dc)
{
    if (m_bmpPreview.GetSafeHandle() == nullptr)
        return;
    BITMAP bm = {};
    m_bmpPreview.GetBitmap(&bm);
    CDC dcMem;
    if (!dcMem.CreateCompatibleDC(&dc))
        return;
    CBitmap* pOld = dcMem.SelectObject(&m_bmpPreview);
    dc.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &dcMem, 0, 0, SRCCOPY);
    dcMem.SelectObject(pOld);
}

void CExtDynDockHighlightWnd::OnPaint()
{
    CPaintDC dc(this);
    DoPaint(dc);
}

BOOL CExtDynDockHighlightWnd::OnEraseBkgnd(CDC* pDC)
{
    (void)pDC;
    return TRUE;
}

int CExtDynDockHighlightWnd::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    (void)pDesktopWnd;
    (void)nHitTest;
    (void)message;
    return MA_NOACTIVATEANDEAT;
}
