// The dock context: drag and resize loops with an outline on the screen, and toggling a bar
// between its docked and floating places.
#include "platform/Platform.h"
#include "platform/DockContext.h"
#include "platform/ControlBar.h"
#include "platform/DockBar.h"
#include "platform/FrameWnd.h"
#include "platform/MiniDockFrameWnd.h"
#include <algorithm>

namespace
{
const int kThinOutline = 1;  // outline of a docked form
const int kThickOutline = 3; // outline of a floating form

// The alignment a floating bar takes from its remembered style.
DWORD FloatAlignment(DWORD dwStyle)
{
    DWORD dwAlign = dwStyle & CBRS_ALIGN_ANY;
    return dwAlign != 0 ? dwAlign : (DWORD)CBRS_ALIGN_TOP;
}

// The bar's placeholder entry (its control id), NULL when its id cannot stand as one.
void* PlaceHolderOf(CControlBar* pBar)
{
    UINT_PTR nID = (UINT_PTR)(UINT)pBar->GetDlgCtrlID();
    return nID != 0 && nID < 0x10000 ? reinterpret_cast<void*>(nID) : nullptr;
}

std::vector<void*> EntriesOf(const CDockBar* pDockBar)
{
    std::vector<void*> entries;
    for (int i = 0; i < pDockBar->m_arrBars.GetSize(); i++)
        entries.push_back(pDockBar->m_arrBars[i]);
    return entries;
}

// The entries without pEntry, and without the row it leaves empty.
std::vector<void*> EntriesWithout(const std::vector<void*>& entries, void* pEntry)
{
    std::vector<void*> rest;
    for (void* p : entries)
        if (p != pEntry && (p != nullptr || rest.empty() || rest.back() != nullptr))
            rest.push_back(p);
    return rest;
}
} // namespace

CDockContext::CDockContext(CControlBar* pBar)
    : m_pBar(pBar), m_pDockSite(pBar != nullptr ? pBar->m_pDockSite : nullptr), m_ptMRUFloatPos(-1, -1)
{}

CDockContext::~CDockContext() {}

// ---- dock bars ------------------------------------------------------------------------------------

CDockBar* CDockContext::FirstAllowedDockBar() const
{
    CFrameWnd* pSite = m_pBar->GetDockingFrame();
    if (pSite == nullptr)
        return nullptr;
    for (int i = 0; i < 4; i++)
    {
        if (!(m_pBar->m_dwDockStyle & CFrameWnd::dwDockBarMap[i][1] & CBRS_ALIGN_ANY))
            continue;
        CControlBar* pDock = pSite->GetControlBar(CFrameWnd::dwDockBarMap[i][0]);
        if (pDock != nullptr && pDock->IsDockBar())
            return static_cast<CDockBar*>(pDock);
    }
    return nullptr;
}

CDockBar* CDockContext::FindDockBar(const CRect& rectHorz, const CRect& rectVert) const
{
    CFrameWnd* pSite = m_pBar->GetDockingFrame();
    if (pSite == nullptr || (::GetKeyState(VK_CONTROL) < 0))
        return nullptr;
    for (int i = 0; i < 4; i++)
    {
        DWORD dwSide = CFrameWnd::dwDockBarMap[i][1] & CBRS_ALIGN_ANY;
        if (!(m_pBar->m_dwDockStyle & dwSide))
            continue;
        CControlBar* pDock = pSite->GetControlBar(CFrameWnd::dwDockBarMap[i][0]);
        if (pDock == nullptr || !pDock->IsDockBar() || !pDock->IsWindowVisible())
            continue;
        CRect rectDock;
        pDock->GetWindowRect(&rectDock);
        // An empty dock bar still catches a bar along its edge.
        if (rectDock.Width() == 0)
            rectDock.right++;
        if (rectDock.Height() == 0)
            rectDock.bottom++;
        CRect rectTest = (dwSide & CBRS_ORIENT_HORZ) ? rectHorz : rectVert;
        CRect rectHit;
        if (rectHit.IntersectRect(&rectDock, &rectTest))
            return static_cast<CDockBar*>(pDock);
    }
    return nullptr;
}

// ---- outline --------------------------------------------------------------------------------------

void CDockContext::DrawOutline(const CRect& rect, BOOL bThick)
{
    HDC hDC = ::GetDCEx(nullptr, nullptr, DCX_WINDOW | DCX_CACHE);
    if (hDC == nullptr)
        return;
    static const WORD kHalftone[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
    HBITMAP hBits = ::CreateBitmap(8, 8, 1, 1, kHalftone);
    HBRUSH hBrush = ::CreatePatternBrush(hBits);
    HGDIOBJ hOld = ::SelectObject(hDC, hBrush);
    int n = bThick ? kThickOutline : kThinOutline;
    // Inverting twice restores the screen: the same call draws and erases.
    ::PatBlt(hDC, rect.left, rect.top, rect.Width(), n, PATINVERT);
    ::PatBlt(hDC, rect.left, rect.bottom - n, rect.Width(), n, PATINVERT);
    ::PatBlt(hDC, rect.left, rect.top + n, n, rect.Height() - 2 * n, PATINVERT);
    ::PatBlt(hDC, rect.right - n, rect.top + n, n, rect.Height() - 2 * n, PATINVERT);
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hBrush);
    ::DeleteObject(hBits);
    ::ReleaseDC(nullptr, hDC);
}

// ---- the capture loop ---------------------------------------------------------------------------------

BOOL CDockContext::Track(CPoint ptStart, CPoint& ptEnd, void (CDockContext::*pfnMove)(CPoint))
{
    ptEnd = ptStart;
    if (m_pBar->m_hWnd == nullptr)
        return FALSE;
    m_pBar->SetCapture();
    if (::GetCapture() != m_pBar->m_hWnd)
        return FALSE;
    BOOL bDone = FALSE;
    MSG msg;
    while (::GetCapture() == m_pBar->m_hWnd)
    {
        if (!::GetMessageW(&msg, nullptr, 0, 0))
        {
            ::PostQuitMessage((int)msg.wParam);
            break;
        }
        switch (msg.message)
        {
        case WM_LBUTTONUP:
            ptEnd = msg.pt;
            (this->*pfnMove)(msg.pt);
            bDone = TRUE;
            break;
        case WM_MOUSEMOVE:
            ptEnd = msg.pt;
            (this->*pfnMove)(msg.pt);
            break;
        case WM_LBUTTONDOWN: break;
        case WM_KEYDOWN:
        case WM_KEYUP:
            if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)
            {
                ::ReleaseCapture();
                return FALSE;
            }
            if (msg.wParam == VK_CONTROL)
                (this->*pfnMove)(ptEnd); // Ctrl changes where the bar would go
            break;
        case WM_RBUTTONDOWN:
        case WM_CANCELMODE: ::ReleaseCapture(); return FALSE;
        default: ::DispatchMessageW(&msg); break;
        }
        if (bDone)
            break;
    }
    if (!bDone)
        return FALSE; // the capture went elsewhere
    ::ReleaseCapture();
    return TRUE;
}

// ---- dragging -------------------------------------------------------------------------------------

void CDockContext::OnDragMove(CPoint pt)
{
    CPoint offset = pt - m_ptLast;
    m_ptLast = pt;
    m_rectDragHorz.OffsetRect(offset);
    m_rectDragVert.OffsetRect(offset);
    m_rectFrameDrag.OffsetRect(offset);
    m_pOverDockBar = FindDockBar(m_rectDragHorz, m_rectDragVert);
    CRect rect;
    BOOL bThick;
    if (m_pOverDockBar != nullptr)
    {
        rect = (m_pOverDockBar->m_dwStyle & CBRS_ORIENT_HORZ) ? m_rectDragHorz : m_rectDragVert;
        bThick = FALSE;
    }
    else
    {
        rect = m_rectFrameDrag;
        bThick = TRUE;
    }
    if (m_bOutline && rect == m_rectShown && bThick == m_bShownThick)
        return;
    if (m_bOutline)
        DrawOutline(m_rectShown, m_bShownThick);
    DrawOutline(rect, bThick);
    m_rectShown = rect;
    m_bShownThick = bThick;
    m_bOutline = TRUE;
}

void CDockContext::StartDrag(CPoint pt)
{
    if (m_pBar == nullptr || m_pBar->m_hWnd == nullptr)
        return;
    CFrameWnd* pSite = m_pBar->GetDockingFrame();
    if (pSite == nullptr)
        return;
    m_pDockSite = pSite;
    CRect rect;
    m_pBar->GetWindowRect(&rect);
    BOOL bFloating = m_pBar->IsFloating();

    // The forms the bar would take: docked across, docked down, floating.
    CSize sizeHorz = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK);
    CSize sizeVert = m_pBar->CalcDynamicLayout(0, LM_VERTDOCK);
    m_rectDragHorz = CRect(rect.TopLeft(), sizeHorz);
    m_rectDragVert = CRect(rect.TopLeft(), sizeVert);
    if (!bFloating)
    {
        if (m_pBar->m_dwStyle & CBRS_ORIENT_HORZ)
            m_rectDragHorz = rect;
        else
            m_rectDragVert = rect;
    }
    if (bFloating && m_pBar->GetParentFrame() != nullptr)
        m_pBar->GetParentFrame()->GetWindowRect(&m_rectFrameDrag);
    else
    {
        BOOL bFloatHorz = (FloatAlignment(m_dwMRUFloatStyle) & CBRS_ORIENT_HORZ) != 0;
        CSize sizeFloat = (m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) ? m_pBar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH)
                                                                  : m_pBar->CalcFixedLayout(FALSE, bFloatHorz);
        // The floating frame around the bar where it lies now.
        m_rectFrameDrag = CRect(rect.TopLeft(), sizeFloat);
        CMiniDockFrameWnd::CalcBorders(m_rectFrameDrag);
    }

    m_ptLast = pt;
    m_bOutline = FALSE;
    m_pOverDockBar = nullptr;
    OnDragMove(pt);
    CPoint ptEnd;
    BOOL bDrop = Track(pt, ptEnd, &CDockContext::OnDragMove);
    if (m_bOutline)
        DrawOutline(m_rectShown, m_bShownThick);
    m_bOutline = FALSE;
    if (!bDrop)
        return;

    if (m_pOverDockBar != nullptr)
    {
        CRect rectDock = (m_pOverDockBar->m_dwStyle & CBRS_ORIENT_HORZ) ? m_rectDragHorz : m_rectDragVert;
        pSite->DockControlBar(m_pBar, m_pOverDockBar, &rectDock);
        pSite->RecalcLayout();
    }
    else
    {
        DWORD dwFloat = FloatAlignment(bFloating ? m_pBar->m_dwStyle : m_dwMRUFloatStyle);
        pSite->FloatControlBar(m_pBar, m_rectFrameDrag.TopLeft(), dwFloat);
    }
}

// ---- resizing -------------------------------------------------------------------------------------

CSize CDockContext::ResizedSize(CPoint pt, BOOL bCommit)
{
    int dx = pt.x - m_ptStart.x, dy = pt.y - m_ptStart.y;
    DWORD dwCommit = bCommit ? LM_COMMIT : 0;
    switch (m_nHitTest)
    {
    case HTLEFT: return m_pBar->CalcDynamicLayout(std::max(0, (int)m_sizeBarStart.cx - dx), LM_HORZ | dwCommit);
    case HTRIGHT: return m_pBar->CalcDynamicLayout(std::max(0, (int)m_sizeBarStart.cx + dx), LM_HORZ | dwCommit);
    case HTTOP: return m_pBar->CalcDynamicLayout(std::max(0, (int)m_sizeBarStart.cy - dy), LM_LENGTHY | dwCommit);
    default: return m_pBar->CalcDynamicLayout(std::max(0, (int)m_sizeBarStart.cy + dy), LM_LENGTHY | dwCommit);
    }
}

void CDockContext::OnResizeMove(CPoint pt)
{
    CSize size = ResizedSize(pt, FALSE);
    CRect rect(0, 0, size.cx, size.cy);
    CMiniDockFrameWnd::CalcBorders(rect);
    // The border opposite the dragged one stays.
    CRect frame = m_rectFrameStart;
    if (m_nHitTest == HTLEFT)
        frame.left = frame.right - rect.Width();
    else
        frame.right = frame.left + rect.Width();
    if (m_nHitTest == HTTOP)
        frame.top = frame.bottom - rect.Height();
    else
        frame.bottom = frame.top + rect.Height();
    if (m_bOutline && frame == m_rectShown)
        return;
    if (m_bOutline)
        DrawOutline(m_rectShown, TRUE);
    DrawOutline(frame, TRUE);
    m_rectShown = frame;
    m_bShownThick = TRUE;
    m_bOutline = TRUE;
}

void CDockContext::StartResize(int nHitTest, CPoint pt)
{
    if (m_pBar == nullptr || m_pBar->m_hWnd == nullptr || !m_pBar->IsFloating() ||
        !(m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC))
        return;
    if (nHitTest != HTLEFT && nHitTest != HTRIGHT && nHitTest != HTTOP && nHitTest != HTBOTTOM)
        return;
    CFrameWnd* pMini = m_pBar->GetParentFrame();
    if (pMini == nullptr)
        return;
    m_nHitTest = nHitTest;
    m_ptStart = pt;
    pMini->GetWindowRect(&m_rectFrameStart);
    CRect rectBar;
    m_pBar->GetWindowRect(&rectBar);
    m_sizeBarStart = rectBar.Size();
    m_bOutline = FALSE;
    OnResizeMove(pt);
    CPoint ptEnd;
    BOOL bDone = Track(pt, ptEnd, &CDockContext::OnResizeMove);
    if (m_bOutline)
        DrawOutline(m_rectShown, TRUE);
    m_bOutline = FALSE;
    if (!bDone)
        return;
    ResizedSize(ptEnd, TRUE);
    // The frame snaps to the bar's new layout; the dragged border's opposite stays.
    CRect before;
    pMini->GetWindowRect(&before);
    pMini->RecalcLayout();
    CRect after;
    pMini->GetWindowRect(&after);
    int x = nHitTest == HTLEFT ? before.right - after.Width() : after.left;
    int y = nHitTest == HTTOP ? before.bottom - after.Height() : after.top;
    if (x != after.left || y != after.top)
        pMini->SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- toggling -------------------------------------------------------------------------------------

void CDockContext::ToggleDocking()
{
    if (m_pBar == nullptr || m_pBar->m_hWnd == nullptr)
        return;
    CFrameWnd* pSite = m_pBar->GetDockingFrame();
    if (pSite == nullptr)
        return;
    m_pDockSite = pSite;
    if (m_pBar->IsFloating())
    {
        // Back to the last dock bar, at its place there; else the first side allowed.
        CDockBar* pDockBar = nullptr;
        CControlBar* pMRU = m_uMRUDockID != 0 ? pSite->GetControlBar(m_uMRUDockID) : nullptr;
        if (pMRU != nullptr && pMRU->IsDockBar() && !static_cast<CDockBar*>(pMRU)->m_bFloating &&
            (m_pBar->m_dwDockStyle & pMRU->m_dwStyle & CBRS_ALIGN_ANY))
            pDockBar = static_cast<CDockBar*>(pMRU);
        if (pDockBar != nullptr)
        {
            CRect rect = m_rectMRUDockPos;
            pDockBar->ClientToScreen(&rect);
            pDockBar->ReDockControlBar(m_pBar, rect.IsRectEmpty() ? nullptr : &rect);
        }
        else if ((pDockBar = FirstAllowedDockBar()) != nullptr)
            pSite->DockControlBar(m_pBar, pDockBar, nullptr);
        else
            return;
        pSite->RecalcLayout();
        return;
    }
    // Floating: at the last floating place, else where the bar lies docked now.
    CPoint pt = m_ptMRUFloatPos;
    if (pt.x == -1 && pt.y == -1)
    {
        CRect rect;
        m_pBar->GetWindowRect(&rect);
        pt = rect.TopLeft();
    }
    pSite->FloatControlBar(m_pBar, pt, FloatAlignment(m_dwMRUFloatStyle));
}

// ---- moving a floating frame ----------------------------------------------------------------------------

void CDockContext::BeginFloatingMove()
{
    m_bMoveKept = FALSE;
    m_hKeptDockBar = nullptr;
    m_arrKeptBars.clear();
    if (m_pBar == nullptr || m_pBar->m_hWnd == nullptr || !m_pBar->IsFloating())
        return;
    m_bMoveKept = TRUE;
    m_uKeptDockID = m_uMRUDockID;
    m_rectKeptDockPos = m_rectMRUDockPos;
    CFrameWnd* pSite = m_pBar->GetDockingFrame();
    CControlBar* pDock = pSite != nullptr && m_uMRUDockID != 0 ? pSite->GetControlBar(m_uMRUDockID) : nullptr;
    void* pPlaceHolder = PlaceHolderOf(m_pBar);
    if (pDock == nullptr || !pDock->IsDockBar() || pPlaceHolder == nullptr ||
        static_cast<CDockBar*>(pDock)->FindBar(static_cast<CControlBar*>(pPlaceHolder)) <= 0)
        return;
    m_hKeptDockBar = pDock->m_hWnd;
    m_arrKeptBars = EntriesOf(static_cast<CDockBar*>(pDock));
}

void CDockContext::EndFloatingMove()
{
    if (!m_bMoveKept)
        return;
    m_bMoveKept = FALSE;
    std::vector<void*> kept;
    kept.swap(m_arrKeptBars);
    // Docked at the end: that is its place now.
    if (m_pBar == nullptr || m_pBar->m_hWnd == nullptr || !m_pBar->IsFloating())
        return;
    m_uMRUDockID = m_uKeptDockID;
    m_rectMRUDockPos = m_rectKeptDockPos;
    CDockBar* pDockBar = DYNAMIC_DOWNCAST(CDockBar, CWnd::FromHandlePermanent(m_hKeptDockBar));
    void* pPlaceHolder = PlaceHolderOf(m_pBar);
    if (pDockBar == nullptr || kept.empty() || pPlaceHolder == nullptr)
        return;
    // Docking on the way took the placeholder; it goes back only into rows the move left as they were.
    std::vector<void*> now = EntriesOf(pDockBar);
    if (std::find(now.begin(), now.end(), pPlaceHolder) != now.end() || EntriesWithout(kept, pPlaceHolder) != now)
        return;
    pDockBar->m_arrBars.RemoveAll();
    for (void* p : kept)
        pDockBar->m_arrBars.Add(p);
}
