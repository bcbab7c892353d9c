// CExtDynDockMarkerWnd: creation, ownership of the images and region, hover watch, highlights, painting, the
// process-wide sets and their parent window.
#include "toolkit/foundation/ExtDynDockMarkerWnd.h"
#include "platform/Dc.h"
#include "toolkit/foundation/ExtDynDockHighlightWnd.h"
#include "toolkit/foundation/ExtKindOf.h"
#include "toolkit/foundation/ExtPaintManager.h"

IMPLEMENT_DYNAMIC(CExtDynDockMarkerWnd, CWnd)

BEGIN_MESSAGE_MAP(CExtDynDockMarkerWnd, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_TIMER()
ON_WM_MOUSEACTIVATE()
END_MESSAGE_MAP()

const wchar_t* const CExtDynDockMarkerWnd::kWndClassName = L"Nimbal-DynDockMarker";
CExtDynDockMarkerWnd::MarkerArray CExtDynDockMarkerWnd::g_arrOuterSet;
CExtDynDockMarkerWnd::MarkerArray CExtDynDockMarkerWnd::g_arrTargetSet;
HWND CExtDynDockMarkerWnd::g_hWndTargetSet = nullptr;

namespace
{
HWND g_hWndMarkerParent = nullptr;
const UINT kHoverMs = 50;
int g_nMarkerWindows = 0;
} // namespace

bool CExtDynDockMarkerWnd::RegisterMarkerClass(const wchar_t* pszClassName)
{
    WNDCLASSW wcExisting = {};
    if (::GetClassInfoW(AfxGetInstanceHandle(), pszClassName, &wcExisting))
        return true;
    WNDCLASSW wc = {};
    wc.style = CS_GLOBALCLASS;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = pszClassName;
    return AfxRegisterClass(&wc) != FALSE;
}

HWND CExtDynDockMarkerWnd::GetMarkerParent()
{
    if (g_hWndMarkerParent != nullptr && ::IsWindow(g_hWndMarkerParent))
        return g_hWndMarkerParent;
    g_hWndMarkerParent = nullptr;
    if (!RegisterMarkerClass(kWndClassName))
        return nullptr;
    g_hWndMarkerParent = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kWndClassName, L"", WS_POPUP, 0, 0, 0, 0,
                                           ::GetDesktopWindow(), nullptr, AfxGetInstanceHandle(), nullptr);
    return g_hWndMarkerParent;
}

CExtDynDockMarkerWnd::CExtDynDockMarkerWnd(HWND hWndTarget, int eMarkerType, HBITMAP hBmpHover, HBITMAP hBmpNormal,
                                           HRGN hRgn, int nLeft, int nTop, int nRight, int nBottom)
    : m_pHighlight(nullptr), m_hWndTarget(hWndTarget), m_eMarkerType(eMarkerType), m_hRgn(hRgn), m_nHoverState(0),
      m_bCounted(false)
{
    if (hBmpHover != nullptr)
        m_bmpHover.Attach(hBmpHover);
    if (hBmpNormal != nullptr)
        m_bmpNormal.Attach(hBmpNormal);
    HWND hParent = GetMarkerParent();
    if (hParent == nullptr || !CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kWndClassName, L"", WS_POPUP, nLeft, nTop,
                                        nRight - nLeft, nBottom - nTop, hParent, nullptr))
    {
        // A creation refused after the window was attached leaves a dead handle behind.
        if (m_hWnd != nullptr && !::IsWindow(m_hWnd))
            Detach();
        return;
    }
    m_bCounted = true;
    ++g_nMarkerWindows;
    // The system owns the region once the window holds it.
    if (m_hRgn != nullptr && SetWindowRgn(m_hRgn, FALSE) != 0)
        m_hRgn = nullptr;
    SetTimer(kTimerHover, kHoverMs, nullptr);
}

CExtDynDockMarkerWnd::~CExtDynDockMarkerWnd()
{
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
    delete m_pHighlight;
    if (m_hRgn != nullptr)
        ::DeleteObject(m_hRgn);
}

void CExtDynDockMarkerWnd::PostNcDestroy()
{
    if (m_bCounted)
    {
        m_bCounted = false;
        --g_nMarkerWindows;
    }
    CWnd::PostNcDestroy();
}

bool CExtDynDockMarkerWnd::HasMarkerWindows() { return g_nMarkerWindows > 0; }

namespace
{
// Whether the shown marker's shape (its window region, else its window rectangle) holds the screen point.
bool ShapeHolds(const CExtDynDockMarkerWnd* pMarker, const POINT& pt)
{
    const HWND hWnd = pMarker->GetSafeHwnd();
    RECT rc;
    if (hWnd == nullptr || !::IsWindowVisible(hWnd) || !::GetWindowRect(hWnd, &rc) || !::PtInRect(&rc, pt))
        return false;
    HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
    if (hRgn == nullptr)
        return true;
    const int nRgn = ::GetWindowRgn(hWnd, hRgn);
    const bool bHolds = nRgn == ERROR || ::PtInRegion(hRgn, pt.x - rc.left, pt.y - rc.top) != FALSE;
    ::DeleteObject(hRgn);
    return bHolds;
}

// Whether hUpper lies above hLower in the window order.
bool IsAbove(HWND hUpper, HWND hLower)
{
    for (HWND h = ::GetWindow(hLower, GW_HWNDPREV); h != nullptr; h = ::GetWindow(h, GW_HWNDPREV))
        if (h == hUpper)
            return true;
    return false;
}
} // namespace

CExtDynDockMarkerWnd* CExtDynDockMarkerWnd::MarkerFromPoint(const POINT& ptScreen)
{
    if (!HasMarkerWindows())
        return nullptr;
    CExtDynDockMarkerWnd* pFound = nullptr;
    for (const MarkerArray* pArr : {&g_arrOuterSet, &g_arrTargetSet})
    {
        for (INT_PTR i = 0; i < pArr->GetSize(); i++)
        {
            CExtDynDockMarkerWnd* pMarker = (*pArr)[i];
            if (!ShapeHolds(pMarker, ptScreen))
                continue;
            if (pFound == nullptr || (pMarker->IsActiveMarker() && !pFound->IsActiveMarker()) ||
                (pMarker->IsActiveMarker() == pFound->IsActiveMarker() &&
                 IsAbove(pMarker->GetSafeHwnd(), pFound->GetSafeHwnd())))
                pFound = pMarker;
        }
    }
    return pFound;
}

bool CExtDynDockMarkerWnd::IsMarkerWindow(HWND hWnd)
{
    return hWnd != nullptr && DYNAMIC_DOWNCAST(CExtDynDockMarkerWnd, CWnd::FromHandlePermanent(hWnd)) != nullptr;
}

BOOL CExtDynDockMarkerWnd::DestroyWindow()
{
    ShowHighlight(false);
    return CWnd::DestroyWindow();
}

int CExtDynDockMarkerWnd::GetMarkerKind() const
{
    if (!IsActiveMarker())
        return 0;
    if (m_eMarkerType == kTypeCentre)
    {
        CWnd* pTarget = m_hWndTarget != nullptr ? CWnd::FromHandlePermanent(m_hWndTarget) : nullptr;
        return CExtKindOf::IsControlBar(pTarget) ? 26 : 0;
    }
    if (m_hWndTarget == nullptr)
        return 14 + m_eMarkerType;
    CWnd* pTarget = CWnd::FromHandlePermanent(m_hWndTarget);
    return (CExtKindOf::IsControlBar(pTarget) ? 22 : 18) + m_eMarkerType;
}

bool CExtDynDockMarkerWnd::IsActiveMarker() const
{
    return (m_eMarkerType >= kTypeTop && m_eMarkerType <= kTypeRight) || m_eMarkerType == kTypeCentre;
}

bool CExtDynDockMarkerWnd::ShowHighlight(bool bShow)
{
    if (m_pHighlight != nullptr)
    {
        CExtDynDockHighlightWnd* pOld = m_pHighlight;
        m_pHighlight = nullptr;
        delete pOld;
    }
    if (!bShow)
        return true;
    HideHighlights(this, false);
    auto* pHighlight = new CExtDynDockHighlightWnd(this);
    if (pHighlight->GetSafeHwnd() == nullptr)
    {
        delete pHighlight;
        return false;
    }
    m_pHighlight = pHighlight;
    return true;
}

void CExtDynDockMarkerWnd::OnHoverTimer()
{
    if (!IsWindowVisible())
        return;
    if (m_hWndTarget != nullptr && !::IsWindow(m_hWndTarget))
    {
        ShowMarkerSet(g_arrTargetSet, false);
        CWnd* pBar = CExtKindOf::DraggedBar();
        if (pBar != nullptr && pBar->GetSafeHwnd() != nullptr)
        {
            CPoint pt;
            ::GetCursorPos(&pt);
            pBar->ScreenToClient(&pt);
            // The dragged bar steps its last point so that the resting cursor is looked at again.
            CExtKindOf::StepDragPoint(pBar);
            pBar->PostMessage(WM_MOUSEMOVE, (::GetKeyState(VK_CONTROL) & 0x8000) != 0 ? MK_CONTROL : 0,
                              MAKELPARAM(pt.x, pt.y));
        }
        return;
    }
    CPoint pt;
    ::GetCursorPos(&pt);
    const int nState = MarkerFromPoint(pt) == this ? 1 : 2;
    if (nState == m_nHoverState)
        return;
    m_nHoverState = nState;
    if (nState != 1)
        ShowHighlight(false);
    InvalidateRect(nullptr, FALSE);
    UpdateWindow();
}

void CExtDynDockMarkerWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kTimerHover)
        OnHoverTimer();
    else
        CWnd::OnTimer(nIDEvent);
}

int CExtDynDockMarkerWnd::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    (void)pDesktopWnd;
    (void)nHitTest;
    (void)message;
    return MA_NOACTIVATEANDEAT;
}

void CExtDynDockMarkerWnd::DoPaint(CDC& dc)
{
    CBitmap& bmp = m_nHoverState == 1 && m_bmpHover.GetSafeHandle() != nullptr ? m_bmpHover : m_bmpNormal;
    if (bmp.GetSafeHandle() == nullptr)
        return;
    BITMAP bm = {};
    bmp.GetBitmap(&bm);
    CDC dcMem;
    if (!dcMem.CreateCompatibleDC(&dc))
        return;
    CBitmap* pOld = dcMem.SelectObject(&bmp);
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

// ---- the sets -------------------------------------------------------------------------------------------

void CExtDynDockMarkerWnd::DestroyMarkerSet(MarkerArray& arrMarkers)
{
    MarkerArray arr;
    arr.Copy(arrMarkers);
    arrMarkers.RemoveAll();
    for (INT_PTR i = 0; i < arr.GetSize(); i++)
        delete arr[i];
}

void CExtDynDockMarkerWnd::ShowMarkerSet(MarkerArray& arrMarkers, bool bShow)
{
    bool bChanged = false;
    for (INT_PTR i = 0; i < arrMarkers.GetSize(); i++)
    {
        CExtDynDockMarkerWnd* pMarker = arrMarkers[i];
        if (pMarker->GetSafeHwnd() == nullptr || (pMarker->IsWindowVisible() != FALSE) == bShow)
            continue;
        if (!bShow)
            pMarker->ShowHighlight(false);
        pMarker->ShowWindow(bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
        bChanged = true;
    }
    if (bChanged)
        CExtPaintManager::PumpPaintMessages(true, true, true);
}

void CExtDynDockMarkerWnd::HideHighlights(CExtDynDockMarkerWnd* pExcept, bool bPump)
{
    for (MarkerArray* pArr : {&g_arrOuterSet, &g_arrTargetSet})
    {
        for (INT_PTR i = 0; i < pArr->GetSize(); i++)
        {
            CExtDynDockMarkerWnd* pMarker = (*pArr)[i];
            if (pMarker != pExcept && pMarker->m_pHighlight != nullptr)
                pMarker->ShowHighlight(false);
        }
    }
    if (bPump)
        CExtPaintManager::PumpPaintMessages(true, true, true);
}

void CExtDynDockMarkerWnd::ShowBothSets(bool bShow)
{
    ShowMarkerSet(g_arrOuterSet, bShow);
    ShowMarkerSet(g_arrTargetSet, bShow);
}

void CExtDynDockMarkerWnd::DestroyAll()
{
    DestroyMarkerSet(g_arrOuterSet);
    DestroyMarkerSet(g_arrTargetSet);
    g_hWndTargetSet = nullptr;
    if (g_hWndMarkerParent != nullptr && ::IsWindow(g_hWndMarkerParent))
        ::DestroyWindow(g_hWndMarkerParent);
    g_hWndMarkerParent = nullptr;
}
