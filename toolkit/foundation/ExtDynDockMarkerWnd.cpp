// CExtDynDockMarkerWnd: creation, ownership of the images and region, painting and set teardown.
#include "toolkit/foundation/ExtDynDockMarkerWnd.h"
#include "platform/Dc.h"

IMPLEMENT_DYNAMIC(CExtDynDockMarkerWnd, CWnd)

BEGIN_MESSAGE_MAP(CExtDynDockMarkerWnd, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CExtDynDockMarkerWnd::CExtDynDockMarkerWnd(HWND hWndTarget, int eMarkerType, HBITMAP hBmpHover, HBITMAP hBmpNormal,
                                           HRGN hRgn, int nLeft, int nTop, int nRight, int nBottom)
    : m_hWndTarget(hWndTarget), m_eMarkerType(eMarkerType), m_hRgn(hRgn)
{
    if (hBmpHover != nullptr)
        m_bmpHover.Attach(hBmpHover);
    if (hBmpNormal != nullptr)
        m_bmpNormal.Attach(hBmpNormal);
    LPCTSTR pszClass = ::AfxRegisterWndClass(CS_SAVEBITS, ::LoadCursor(nullptr, IDC_ARROW));
    if (!CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, pszClass, L"", WS_POPUP, nLeft, nTop, nRight - nLeft,
                  nBottom - nTop, nullptr, nullptr))
    {
        // A creation refused after the window was attached leaves a dead handle behind.
        if (m_hWnd != nullptr && !::IsWindow(m_hWnd))
            Detach();
        return;
    }
    // The system owns the region once the window holds it.
    if (m_hRgn != nullptr && SetWindowRgn(m_hRgn, FALSE) != 0)
        m_hRgn = nullptr;
}

CExtDynDockMarkerWnd::~CExtDynDockMarkerWnd()
{
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
    if (m_hRgn != nullptr)
        ::DeleteObject(m_hRgn);
}

void CExtDynDockMarkerWnd::DoPaint(CDC& dc)
{
    if (m_bmpNormal.GetSafeHandle() == nullptr)
        return;
    BITMAP bm = {};
    m_bmpNormal.GetBitmap(&bm);
    CDC dcMem;
    if (!dcMem.CreateCompatibleDC(&dc))
        return;
    CBitmap* pOld = dcMem.SelectObject(&m_bmpNormal);
    dc.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &dcMem, 0, 0, SRCCOPY);
    dcMem.SelectObject(pOld);
}

void CExtDynDockMarkerWnd::OnPaint()
{
    CPaintDC dc(this);
    DoPaint(dc);
}

BOOL CExtDynDockMarkerWnd::OnEraseBkgnd(CDC* pDC)
{
    (void)pDC;
    return TRUE;
}

void CExtDynDockMarkerWnd::DestroyMarkerSet(CArray<CExtDynDockMarkerWnd*, CExtDynDockMarkerWnd*>& arrMarkers)
{
    for (INT_PTR i = 0; i < arrMarkers.GetSize(); i++)
        delete arrMarkers[i];
    arrMarkers.RemoveAll();
}
