// CExtMiniDockFrameWnd: the pointer on the floating frame: its hit test, the caption and border presses, the
// client-area mouse and the resize loop.
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "platform/DockContext.h"
#include "platform/MessageBox.h"
#include "platform/WinThread.h"
#include "toolkit/docking/ExtBarNcAreaButton.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/docking/ExtDockingKindOf.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <algorithm>

namespace
{
bool g_bInResizeStep = false;

bool IsBorderCode(UINT nHit) { return nHit >= HTLEFT && nHit <= HTBOTTOMRIGHT; }
} // namespace

// ---- hit testing --------------------------------------------------------------------------------------------

LRESULT CExtMiniDockFrameWnd::OnNcHitTest(CPoint point)
{
    if (CExtControlBar::GetDraggedBar() != nullptr)
        return HTNOWHERE;
    if ((GetStyle() & MFS_MOVEFRAME) != 0)
        ModifyStyle(MFS_MOVEFRAME, 0);
    CRect rc;
    GetWindowRect(&rc);
    if (!rc.PtInRect(point))
        return HTNOWHERE;
    const int cxFrame = ::GetSystemMetrics(SM_CXFRAME), cyFrame = ::GetSystemMetrics(SM_CYFRAME);
    const int cyCaption = ::GetSystemMetrics(SM_CYSMCAPTION);
    UINT nHit = HTCLIENT;
    if (CRect(rc.left, rc.top, rc.right, rc.top + cyFrame).PtInRect(point))
        nHit = HTTOP;
    else if (CRect(rc.left, rc.bottom - cyFrame, rc.right, rc.bottom).PtInRect(point))
        nHit = HTBOTTOM;
    else if (CRect(rc.left, rc.top, rc.left + cxFrame, rc.bottom).PtInRect(point))
        nHit = HTLEFT;
    else if (CRect(rc.right - cxFrame, rc.top, rc.right, rc.bottom).PtInRect(point))
        nHit = HTRIGHT;
    else if (CRect(rc.left, rc.top + cyFrame, rc.right, rc.top + cyFrame + cyCaption).PtInRect(point))
        nHit = HTCAPTION;
    switch (nHit)
    {
    case HTLEFT:
        if (CRect(rc.left, rc.top, rc.left + cxFrame, rc.top + cyCaption).PtInRect(point))
            nHit = HTTOPLEFT;
        else if (CRect(rc.left, rc.bottom - cyCaption, rc.left + cxFrame, rc.bottom).PtInRect(point))
            nHit = HTBOTTOMLEFT;
        break;
    case HTRIGHT:
        if (CRect(rc.right - cxFrame, rc.top, rc.right, rc.top + cyCaption).PtInRect(point))
            nHit = HTTOPRIGHT;
        else if (CRect(rc.right - cxFrame, rc.bottom - cyCaption, rc.right, rc.bottom).PtInRect(point))
            nHit = HTBOTTOMRIGHT;
        break;
    case HTTOP:
        if (CRect(rc.left, rc.top, rc.left + cyCaption, rc.top + cyFrame).PtInRect(point))
            nHit = HTTOPLEFT;
        else if (CRect(rc.right - cyFrame, rc.top, rc.right, rc.top + cyFrame).PtInRect(point))
            nHit = HTTOPRIGHT;
        break;
    case HTBOTTOM:
        if (CRect(rc.left, rc.bottom - cyFrame, rc.left + cyCaption, rc.bottom).PtInRect(point))
            nHit = HTBOTTOMLEFT;
        else if (CRect(rc.right - cyFrame, rc.bottom - cyFrame, rc.right, rc.bottom).PtInRect(point))
            nHit = HTBOTTOMRIGHT;
        break;
    default: break;
    }
    CExtControlBar* pBar = GetFloatingExtBar();
    if (pBar == nullptr)
        return nHit;
    const UINT nButton = pBar->NcButtonsHitTest(point);
    if (nButton == HTCLIENT)
    {
        pBar->m_bfRuntimeState &= ~CExtControlBar::kStateNcButtonHover;
        if (pBar->IsFixedSize())
        {
            if (nHit == HTTOPLEFT || nHit == HTTOPRIGHT)
                nHit = HTTOP;
            else if (nHit == HTBOTTOMLEFT || nHit == HTBOTTOMRIGHT)
                nHit = HTBOTTOM;
            if (IsBorderCode(nHit) && CExtDockingKindOf::IsToolBarWithoutBorderSizing(pBar))
                nHit = HTCAPTION;
        }
        SendMessage(WM_NCPAINT);
        return nHit;
    }
    pBar->m_bfRuntimeState |= CExtControlBar::kStateNcButtonHover;
    if (pBar->QueryExtraFeature())
        SetTimer(kTimerButtonsHover, 20, nullptr);
    return nButton;
}

// ---- caption and border presses ------------------------------------------------------------------------------

void CExtMiniDockFrameWnd::BringFloatingFrameToTop(CControlBar* pBar)
{
    if (pBar == nullptr || !CExtControlBar::IsFloating(pBar))
        return;
    if (CFrameWnd* pFrame = pBar->GetParentFrame())
        pFrame->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

int CExtMiniDockFrameWnd::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    // A press on the caption or a border moves or sizes the frame: the activation stays where it is, and the
    // press's handler activates the top-level parent when another window had it. The frame has no menu: a press
    // there is the window manager offering the frame the keys as it maps it, or at a press that then comes as
    // itself (Wine asks so); the window that has them keeps them.
    if (nHitTest == HTMENU)
    {
        NoteFocusOffer();
        PlatformNoteFocusOffer(m_hWnd);
    }
    if (nHitTest == HTCAPTION || nHitTest == HTMENU || IsBorderCode(nHitTest))
        return MA_NOACTIVATE;
    return CMiniDockFrameWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
}

void CExtMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (m_rcCaptionButton.PtInRect(WindowPoint(this, point)))
        return;
    CExtControlBar* pBar = GetFloatingExtBar();
    if (nHitTest == HTCAPTION)
    {
        ActivateTopParent();
        if (pBar != nullptr && !pBar->QueryExtraFeature())
            BringFloatingFrameToTop(pBar);
        if ((m_wndDockBar.m_dwStyle & CBRS_FLOAT_MULTI) != 0)
        {
            CMiniDockFrameWnd::OnNcLButtonDown(nHitTest, point);
            return;
        }
        if (pBar != nullptr)
        {
            if (pBar->IsFixedSize() && !pBar->IsLiveDragMode())
            {
                if (pBar->m_pDockContext != nullptr)
                    pBar->m_pDockContext->StartDrag(point);
                return;
            }
            CRect rcWnd;
            GetWindowRect(&rcWnd);
            const CRect& rcCaption = pBar->GetCaptionRect();
            const int t = std::min(rcCaption.Width(), rcCaption.Height());
            pBar->DraggingLoop(point, CPoint(point.x - rcWnd.left - t, point.y - rcWnd.top - t / 2), 1, 1);
            return;
        }
        CControlBar* pFirst = GetFloatingBar();
        if (pFirst != nullptr && pFirst->m_pDockContext != nullptr)
            pFirst->m_pDockContext->StartDrag(point);
        return;
    }
    if (IsBorderCode(nHitTest))
    {
        ActivateTopParent();
        if (pBar == nullptr)
        {
            CMiniDockFrameWnd::OnNcLButtonDown(nHitTest, point);
            return;
        }
        if (pBar->IsFixedSize() && !pBar->IsLiveDragMode())
        {
            if (pBar->m_pDockContext != nullptr)
                pBar->m_pDockContext->StartResize((int)nHitTest, point);
            return;
        }
        ResizeLoop(nHitTest, point);
        return;
    }
    if (nHitTest == HTMINBUTTON || nHitTest == HTMAXBUTTON || nHitTest == HTSYSMENU)
        return;
    CMiniDockFrameWnd::OnNcLButtonDown(nHitTest, point);
}

void CExtMiniDockFrameWnd::OnNcLButtonUp(UINT nHitTest, CPoint point)
{
    if (IsResizing())
    {
        EndResize();
        return;
    }
    if (CExtControlBar::GetDraggedBar() != nullptr)
        return;
    CExtControlBar* pBar = GetFloatingExtBar();
    if (pBar != nullptr && (pBar->m_bfRuntimeState & CExtControlBar::kStateNcButtonHover) != 0)
    {
        const CPoint ptWnd = WindowPoint(this, point);
        for (INT_PTR i = 0; i < pBar->NcButtonGetCount(); i++)
        {
            CExtBarNcAreaButton* pBtn = pBar->NcButtonGet((int)i);
            if (pBtn->IsVisible() && pBtn->OnClick(ptWnd))
                break;
        }
        return;
    }
    CMiniDockFrameWnd::OnNcLButtonUp(nHitTest, point);
}

void CExtMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint point)
{
    if (nHitTest == HTCAPTION && m_rcCaptionButton.PtInRect(WindowPoint(this, point)))
        return;
    if (CExtControlBar* pBar = GetFloatingExtBar())
    {
        // The frame may be destroyed on the way: nothing of it is used afterwards.
        if (nHitTest == HTCAPTION)
            pBar->DockBackFromFloating();
        return;
    }
    CMiniDockFrameWnd::OnNcLButtonDblClk(nHitTest, point);
}

void CExtMiniDockFrameWnd::OnNcRButtonDown(UINT nHitTest, CPoint point)
{
    if (IsResizing())
    {
        EndResize();
        return;
    }
    CExtControlBar* pBar = GetFloatingExtBar();
    if (nHitTest == HTCAPTION && pBar != nullptr)
    {
        if (CExtControlBar::IsFrameInHelpMode(this))
            return;
        CFrameWnd* pFrame = pBar->GetDockingFrame();
        if (pFrame == nullptr)
            return;
        CExtDockBar::TrackBarsPopupMenuAtCursor(
            pFrame, CExtControlBar::POPUP_MENU_EVENT_DATA::kBarsMenuFromFloatCaption, pBar, WM_NCRBUTTONDOWN);
        return;
    }
    Default();
}

void CExtMiniDockFrameWnd::OnNcMouseMove(UINT nHitTest, CPoint point)
{
    (void)nHitTest;
    if (IsResizing())
        return;
    Default();
    UpdateCaptionButtonHover(point);
}

void CExtMiniDockFrameWnd::UpdateCaptionButtonHover(CPoint ptScreen)
{
    if (CExtControlBar* pBar = GetFloatingExtBar())
    {
        pBar->NcButtonsHitTest(ptScreen);
        return;
    }
    const BYTE bHover = m_rcCaptionButton.PtInRect(WindowPoint(this, ptScreen)) ? 1 : 0;
    if (bHover != m_bCaptionButtonHover)
    {
        m_bCaptionButtonHover = bHover;
        SendMessage(WM_NCPAINT);
    }
    if (bHover != 0)
        SetTimer(kTimerCaptionHover, 20, nullptr);
    else
        KillTimer(kTimerCaptionHover);
}

// ---- client-area mouse -----------------------------------------------------------------------------------------

void CExtMiniDockFrameWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (IsResizing())
    {
        ClientToScreen(&point);
        ResizeStep(point);
        return;
    }
    CMiniDockFrameWnd::OnMouseMove(nFlags, point);
}

void CExtMiniDockFrameWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (IsResizing())
    {
        EndResize();
        return;
    }
    CMiniDockFrameWnd::OnLButtonUp(nFlags, point);
}

void CExtMiniDockFrameWnd::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (IsResizing())
    {
        EndResize();
        return;
    }
    CMiniDockFrameWnd::OnRButtonDown(nFlags, point);
}

void CExtMiniDockFrameWnd::OnCaptureChanged(CWnd* pWnd)
{
    if (IsResizing() && pWnd != this)
    {
        EndResize();
        return;
    }
    Default();
}

void CExtMiniDockFrameWnd::OnCancelMode()
{
    Default();
    CExtPopupMenuWnd::CancelMenuTracking();
    CWnd::CancelToolTips();
    EndResize();
}

// ---- the resize loop -------------------------------------------------------------------------------------------

void CExtMiniDockFrameWnd::ResizeLoop(UINT nHitTest, CPoint ptScreen)
{
    (void)ptScreen;
    CExtPopupMenuWnd::CancelMenuTracking();
    CWnd::CancelToolTips();
    CExtControlBar* pBar = GetFloatingExtBar();
    if (pBar != nullptr && pBar->IsFixedSize() && !pBar->IsLiveDragMode())
    {
        if (pBar->m_pDockContext != nullptr)
            pBar->m_pDockContext->StartResize((int)nHitTest, ptScreen);
        return;
    }
    if (!IsBorderCode(nHitTest))
        return;
    m_nResizingHitTest = (int)nHitTest;
    const bool bResizable = pBar != nullptr && !pBar->IsFixedSize();
    if (bResizable)
        ModifyStyle(FWS_SNAPTOBARS, 0);
    // Raised without activation: the top parent activated above keeps the focus.
    SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    CExtMouseCaptureSink::SetCapture(m_hWnd);
    GetWindowRect(&m_rcResizeStart);
    // The frame may be destroyed by a message dispatched here: only the handle is kept.
    const HWND hWnd = m_hWnd;
    for (;;)
    {
        if (!::IsWindow(hWnd))
            return;
        if (m_nResizingHitTest == 0)
            break;
        ::WaitMessage();
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (msg.message == WM_ACTIVATEAPP || msg.message == WM_COMMAND ||
                (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST))
            {
                EndResize();
                return;
            }
            if (msg.message == WM_MOUSEMOVE)
            {
                while (::PeekMessageW(&msg, nullptr, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE))
                {}
                CPoint ptCursor;
                ::GetCursorPos(&ptCursor);
                ResizeStep(ptCursor);
                if (!::IsWindow(hWnd))
                    return;
                continue;
            }
            if (CExtMouseCaptureSink::GetCaptureHWND() != hWnd)
            {
                EndResize();
                return;
            }
            if (msg.message == WM_QUIT)
            {
                ::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
                EndResize();
                ::PostQuitMessage((int)msg.wParam);
                return;
            }
            if (!AfxPumpPeekedMessage(msg))
            {
                // The pump took WM_QUIT: it is posted again with its own exit code.
                if (::IsWindow(hWnd))
                    EndResize();
                ::PostQuitMessage(
                    AfxGetThreadState()->m_msgCur.message == WM_QUIT ? (int)AfxGetThreadState()->m_msgCur.wParam : 0);
                return;
            }
            if (!::IsWindow(hWnd))
                return;
            if (m_nResizingHitTest == 0)
                return;
        }
    }
}

void CExtMiniDockFrameWnd::EndResize()
{
    m_ptResizePrev = CPoint(-1, -1);
    if (!IsResizing())
        return;
    if (CExtMouseCaptureSink::GetCaptureHWND() == m_hWnd)
        CExtMouseCaptureSink::ReleaseCapture();
    CExtControlBar* pBar = GetFloatingExtBar();
    if (pBar != nullptr && !pBar->IsFixedSize())
        ModifyStyle(0, FWS_SNAPTOBARS);
    m_nResizingHitTest = 0;
}

void CExtMiniDockFrameWnd::ResizeStep(CPoint ptScreen)
{
    if (g_bInResizeStep || ptScreen == m_ptResizePrev)
        return;
    m_ptResizePrev = ptScreen;
    CExtControlBar* pBar = GetFloatingExtBar();
    if (pBar == nullptr || !IsResizing())
        return;
    g_bInResizeStep = true;
    struct Guard
    {
        ~Guard() { g_bInResizeStep = false; }
    } guard;

    CRect rcWnd, rcClient;
    GetWindowRect(&rcWnd);
    GetClientRect(&rcClient);
    ClientToScreen(&rcClient);
    const int ncW = rcWnd.Width() - rcClient.Width(), ncH = rcWnd.Height() - rcClient.Height();
    const int ncLeft = rcClient.left - rcWnd.left, ncTop = rcClient.top - rcWnd.top;
    const int nMinW = std::max(ncW, pBar->CalcMinWidth()), nMinH = std::max(ncH, pBar->CalcMinHeight());
    const bool bFixed = pBar->IsFixedSize();
    UINT nHit = (UINT)m_nResizingHitTest;
    CPoint pt = ptScreen;
    bool bMirrored = false;
    if (bFixed)
    {
        if (nHit == HTTOPLEFT || nHit == HTTOPRIGHT)
            nHit = HTTOP;
        else if (nHit == HTBOTTOMLEFT || nHit == HTBOTTOMRIGHT)
            nHit = HTBOTTOM;
        if (nHit == HTLEFT)
        {
            nHit = HTRIGHT;
            pt.x = rcWnd.left + rcWnd.right - pt.x;
            bMirrored = true;
        }
        else if (nHit == HTTOP)
        {
            nHit = HTBOTTOM;
            pt.y = rcWnd.top + rcWnd.bottom - pt.y;
            bMirrored = true;
        }
    }
    const bool bLeft = nHit == HTLEFT || nHit == HTTOPLEFT || nHit == HTBOTTOMLEFT;
    const bool bRight = nHit == HTRIGHT || nHit == HTTOPRIGHT || nHit == HTBOTTOMRIGHT;
    const bool bTop = nHit == HTTOP || nHit == HTTOPLEFT || nHit == HTTOPRIGHT;
    const bool bBottom = nHit == HTBOTTOM || nHit == HTBOTTOMLEFT || nHit == HTBOTTOMRIGHT;
    CRect rc(rcWnd);
    if (bLeft)
        rc.left = std::min((int)pt.x, (int)rc.right);
    if (bRight)
        rc.right = std::max((int)pt.x, (int)rc.left);
    if (bTop)
        rc.top = std::min((int)pt.y, (int)rc.bottom);
    if (bBottom)
        rc.bottom = std::max((int)pt.y, (int)rc.top);
    if (rc.Width() < nMinW)
        rc.right = rc.left + nMinW;
    if (rc.Height() < nMinH)
        rc.bottom = rc.top + nMinH;
    if (bLeft && rc.right > rcWnd.right)
        rc.OffsetRect(rcWnd.right - rc.right, 0);
    if (bTop && rc.bottom > rcWnd.bottom)
        rc.OffsetRect(0, rcWnd.bottom - rc.bottom);

    if (!bFixed)
    {
        const CSize sizeDefault = pBar->GetDefaultSize();
        const CRect rcWork = WorkAreaOf(this);
        int cx = std::min(std::max(rc.Width(), (int)sizeDefault.cx), rcWork.Width());
        int cy = std::min(std::max(rc.Height(), (int)sizeDefault.cy), rcWork.Height());
        if (bLeft)
            rc.left = rc.right - cx;
        else
            rc.right = rc.left + cx;
        if (bTop)
            rc.top = rc.bottom - cy;
        else
            rc.bottom = rc.top + cy;
        // The bar's floating size is what its frame's client area holds of it, so that the frame made again for
        // that size (a float, the stored state read back) comes out as large as this one.
        CRect rcBar;
        pBar->GetWindowRect(&rcBar);
        const CSize sizeAround(rcClient.Width() - rcBar.Width(), rcClient.Height() - rcBar.Height());
        pBar->m_sizeFloating = CSize(rc.Width() - ncW - sizeAround.cx, rc.Height() - ncH - sizeAround.cy);
        SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        RecalcLayout();
        SetTimer(kTimerLayoutButtons, 1, nullptr);
        return;
    }
    const int cyFrame = ::GetSystemMetrics(SM_CYFRAME);
    const bool bHorzEdge = bLeft || bRight;
    const CSize size = bHorzEdge
                           ? pBar->CalcDynamicLayout(rc.Width() - ncW, LM_HORZ | LM_COMMIT)
                           : pBar->CalcDynamicLayout(rc.Height() - ncH - cyFrame, LM_HORZ | LM_LENGTHY | LM_COMMIT);
    if (size == pBar->m_sizeFloating)
        return;
    pBar->m_sizeFloating = size;
    CPoint ptTopLeft = rcWnd.TopLeft();
    if (bMirrored)
    {
        ptTopLeft.y = m_rcResizeStart.bottom - size.cy - ncTop;
        ptTopLeft.x = m_rcResizeStart.right - size.cx - ncLeft;
    }
    pBar->m_ptFloatPos = ptTopLeft;
    SetWindowPos(nullptr, ptTopLeft.x, ptTopLeft.y, size.cx + ncW - ::GetSystemMetrics(SM_CXFRAME),
                 size.cy + ncH - cyFrame, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessage(WM_NCPAINT);
    RecalcLayout();
    if (bMirrored)
    {
        // The layout snaps the frame to its dock bar: the start rectangle's right and bottom edges
        // still hold.
        CRect rcNow;
        GetWindowRect(&rcNow);
        if (rcNow.right != m_rcResizeStart.right || rcNow.bottom != m_rcResizeStart.bottom)
        {
            SetWindowPos(nullptr, m_rcResizeStart.right - rcNow.Width(), m_rcResizeStart.bottom - rcNow.Height(), 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            pBar->m_ptFloatPos = CPoint(m_rcResizeStart.right - rcNow.Width(), m_rcResizeStart.bottom - rcNow.Height());
        }
    }
    pBar->RedrawWindow(nullptr, nullptr, 0x385);
}
