// CExtControlBar: the modal drag loop, the update of the drag target, the drop or cancel, and the start and end
// notifications.
#include "platform/DockContext.h"
#include "platform/FrameWnd.h"
#include "platform/WinThread.h"
#include "res/toolkit_docking_ids.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDockingKindOf.h"
#include "toolkit/foundation/ExtDynDockMarkerWnd.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

namespace
{
const UINT kDragRefreshMs = 50;

bool IsKeyMessage(UINT nMsg) { return nMsg >= WM_KEYFIRST && nMsg <= WM_KEYLAST; }
bool IsMouseMessage(UINT nMsg)
{
    return (nMsg >= WM_MOUSEFIRST && nMsg <= WM_MOUSELAST) || (nMsg >= WM_NCMOUSEMOVE && nMsg <= WM_NCXBUTTONDBLCLK);
}
bool IsCtrlKeyDown(const MSG& msg) { return msg.message == WM_KEYDOWN && msg.wParam == VK_CONTROL; }

bool IsDragCancelMessage(UINT nMsg)
{
    switch (nMsg)
    {
    case WM_ACTIVATEAPP:
    case WM_CANCELMODE:
    case WM_CONTEXTMENU:
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: return true;
    default: return false;
    }
}

// Waits until a message is queued. WaitMessage alone waits for input newer than the last look at the queue,
// so input queued before (a quick click's release behind its press) would wait for the next input.
void WaitForQueuedMessage()
{
    MSG msg;
    if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
        ::WaitMessage();
}

bool IsCtrlDown() { return (::GetKeyState(VK_CONTROL) & 0x8000) != 0; }

// Clears the update guard however an update ends.
struct UpdateGuard
{
    UpdateGuard() { CExtControlBar::g_bUpdatingDragState = true; }
    ~UpdateGuard() { CExtControlBar::g_bUpdatingDragState = false; }
    UpdateGuard(const UpdateGuard&) = delete;
    UpdateGuard& operator=(const UpdateGuard&) = delete;
};

void PumpPaints() { CExtPaintManager::PumpPaintMessages(true, true, true); }

// Empties both drag states and removes the marker windows; used on every way out of a drag.
void ResetDragStates()
{
    CExtDynDockMarkerWnd::DestroyAll();
    CExtControlBar::g_DragStateShown.SetTargetBar(nullptr, true);
    CExtControlBar::g_DragStateComputed.SetTargetBar(nullptr, true);
    CExtControlBar::g_DragStateShown.SetEmpty(true);
    CExtControlBar::g_DragStateComputed.SetEmpty(true);
    CExtControlBar::g_DragStateShown.m_pBarSource = nullptr;
    CExtControlBar::g_DragStateComputed.m_pBarSource = nullptr;
}
} // namespace

void CExtControlBar::DraggingLoop(const POINT& ptScreen, const POINT& ptGrabOffset, int cxStart, int cyStart)
{
    if (GetSafeHwnd() == nullptr || QueryFrameStateOperation(GetDockingFrame()))
        return;
    const HWND hWnd = GetSafeHwnd();
    // The bar may be destroyed by any dispatched message: only its handle is asked then.
    auto alive = [&]() { return ::IsWindow(hWnd) && CWnd::FromHandlePermanent(hWnd) == this; };
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE))
    {}
    CExtMouseCaptureSink::SetCapture(hWnd);
    bool bQuit = false;
    int nQuitCode = 0;

    if (cxStart >= 1 && cyStart >= 1)
    {
        bool bStart = false, bEnd = false;
        // Measured from where the gesture began: the pointer may have moved on before the loop runs.
        const CPoint ptStart(ptScreen);
        while (!bStart && !bEnd && alive())
        {
            WaitForQueuedMessage();
            while (!bStart && !bEnd && ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
            {
                if (!alive())
                {
                    bEnd = true;
                    break;
                }
                const UINT nMsg = msg.message;
                if (IsCtrlKeyDown(msg))
                {
                    ::PeekMessageW(&msg, msg.hwnd, nMsg, nMsg, PM_REMOVE);
                    continue;
                }
                if (msg.hwnd == hWnd && nMsg == WM_MOUSEMOVE)
                {
                    CPoint pt;
                    ::GetCursorPos(&pt);
                    if (abs(pt.x - ptStart.x) >= cxStart || abs(pt.y - ptStart.y) >= cyStart)
                        bStart = true;
                    else
                        ::PeekMessageW(&msg, hWnd, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE);
                    continue;
                }
                if (msg.hwnd == hWnd && nMsg == WM_CAPTURECHANGED)
                {
                    if ((HWND)msg.lParam != hWnd)
                        bEnd = true;
                    else
                        AfxPumpPeekedMessage(msg);
                    continue;
                }
                if (nMsg == WM_ACTIVATEAPP || nMsg == WM_CANCELMODE || nMsg == WM_CONTEXTMENU || IsKeyMessage(nMsg) ||
                    IsMouseMessage(nMsg))
                {
                    bEnd = true;
                    break;
                }
                if (!AfxPumpPeekedMessage(msg))
                {
                    bQuit = true;
                    nQuitCode = (int)AfxGetCurrentMessage()->wParam;
                    bEnd = true;
                }
            }
        }
        if (!bStart)
        {
            if (bQuit)
                ::PostQuitMessage(nQuitCode);
            if (::IsWindow(hWnd) && ::GetCapture() == hWnd)
                ::ReleaseCapture();
            return;
        }
    }

    // A floating frame moved past the dock bars docks the bar on its way: where it was docked stays, its place
    // along its row included.
    CDockContext* pMoveContext = IsFixedDockStyle() && IsFloating(this) ? m_pDockContext : nullptr;
    const OuterRowPlacement_t* pPlacement = pMoveContext != nullptr ? GetOuterRowPlacement() : nullptr;
    const OuterRowPlacement_t placement = pPlacement != nullptr ? *pPlacement : OuterRowPlacement_t();
    if (pMoveContext != nullptr)
        pMoveContext->BeginFloatingMove();
    g_DragStateComputed.m_pBarSource = this;
    g_DragStateShown.m_pBarSource = this;
    g_DragStateComputed.SetEmpty(false);
    NotifyDragStart();
    if (!alive())
    {
        ResetDragStates();
        return;
    }
    m_bfTracking |= kTrackDragging;
    const int t = std::min(m_rcCaption.Width(), m_rcCaption.Height());
    const CPoint ptDefault =
        t > 2 ? CPoint(t, t / 2)
              : CPoint(::GetSystemMetrics(SM_CYSMCAPTION) / 2, ::GetSystemMetrics(SM_CYSMCAPTION) / 2);
    m_ptGrabFloating = m_ptGrabHorz = m_ptGrabVert = ptDefault;
    if (ptGrabOffset.x != 0 || ptGrabOffset.y != 0)
    {
        if (IsFloating(this))
            m_ptGrabFloating = ptGrabOffset;
        else if (IsDockedHorizontally(this))
            m_ptGrabHorz = ptGrabOffset;
        else
            m_ptGrabVert = ptGrabOffset;
    }
    const bool bMarkers = QueryDraggingStyle() == 1 && !IsFixedSize() && !IsFixedDockStyle();
    UpdateDragState(ptScreen, IsCtrlDown());
    if (bMarkers && alive() && (m_bfTracking & kTrackDragging) != 0)
    {
        if (g_DragStateComputed.m_nTargetKind == InternalDraggingState_t::kFloat && !IsFloating(this))
        {
            DockOrFloat(g_DragStateComputed, false);
            g_DragStateShown = g_DragStateComputed;
        }
        if (alive())
        {
            CExtDynDockMarkerWnd::BuildOuterSet(m_pDockSite, false);
            CExtDynDockMarkerWnd::UpdateTargetSet(m_pDockSite, false);
        }
    }
    if (alive())
        ::SetTimer(hWnd, kTimerDragRefresh, kDragRefreshMs, nullptr);

    bool bCancel = false;
    while (!bQuit && !bCancel && alive() && (m_bfTracking & kTrackDragging) != 0)
    {
        WaitForQueuedMessage();
        while (!bQuit && !bCancel && ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (!alive() || (m_bfTracking & kTrackDragging) == 0)
                break;
            const UINT nMsg = msg.message;
            if (IsDragCancelMessage(nMsg))
            {
                bCancel = true;
                break;
            }
            if (nMsg == WM_TIMER && msg.hwnd == hWnd && msg.wParam == kTimerDragRefresh)
            {
                ::PeekMessageW(&msg, hWnd, WM_TIMER, WM_TIMER, PM_REMOVE);
                CPoint pt;
                ::GetCursorPos(&pt);
                // A bar that is not of fixed dock style recomputes its target even at rest.
                if (!IsFixedDockStyle() && m_ptDragPrev == pt)
                    m_ptDragPrev.x--;
                ::ScreenToClient(hWnd, &pt);
                ::PostMessageW(hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
                continue;
            }
            if (nMsg == WM_MOUSEMOVE)
            {
                MSG msgLast = msg;
                while (::PeekMessageW(&msg, nullptr, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE))
                    msgLast = msg;
                CPoint pt((short)LOWORD(msgLast.lParam), (short)HIWORD(msgLast.lParam));
                if (msgLast.hwnd != hWnd && msgLast.hwnd != nullptr)
                    ::MapWindowPoints(msgLast.hwnd, hWnd, &pt, 1);
                ProcessMouseMove((UINT)msgLast.wParam, pt);
                continue;
            }
            if (IsKeyMessage(nMsg))
            {
                if (!g_bUpdatingDragState)
                {
                    if ((nMsg == WM_KEYDOWN || nMsg == WM_KEYUP) && msg.wParam == VK_CONTROL)
                    {
                        ::PeekMessageW(&msg, msg.hwnd, nMsg, nMsg, PM_REMOVE);
                        CPoint pt;
                        ::GetCursorPos(&pt);
                        if (m_ptDragPrev == pt)
                            m_ptDragPrev.x--;
                        ::ScreenToClient(hWnd, &pt);
                        ::PostMessageW(hWnd, WM_MOUSEMOVE, nMsg == WM_KEYDOWN ? MK_CONTROL : 0, MAKELPARAM(pt.x, pt.y));
                        continue;
                    }
                    bCancel = true;
                    break;
                }
            }
            else if (::GetCapture() != hWnd || (::GetKeyState(VK_LBUTTON) & 0x8000) == 0 ||
                     (::GetKeyState(VK_RBUTTON) & 0x8000) != 0 || (::GetKeyState(VK_MBUTTON) & 0x8000) != 0)
            {
                // The drop arrives as WM_LBUTTONUP, which the bar turns into the end of the drag.
                if (!(nMsg == WM_LBUTTONUP && msg.hwnd == hWnd))
                {
                    bCancel = true;
                    break;
                }
            }
            if (nMsg == WM_LBUTTONUP && msg.hwnd == hWnd && !g_bUpdatingDragState)
            {
                // The drop lands where the button was released, also when the move there was consumed by a
                // message pump nested in the previous update.
                CPoint pt((short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam));
                CPoint ptDrop(pt);
                ::ClientToScreen(hWnd, &ptDrop);
                if (ptDrop != m_ptDragPrev)
                    ProcessMouseMove((UINT)msg.wParam, pt);
                if (!alive() || (m_bfTracking & kTrackDragging) == 0)
                    break;
            }
            if (!AfxPumpPeekedMessage(msg))
            {
                bQuit = true;
                nQuitCode = (int)AfxGetCurrentMessage()->wParam;
            }
        }
    }
    if (alive())
    {
        if ((m_bfTracking & kTrackDragging) != 0)
            DraggingEnd(true);
        if (alive())
        {
            ::KillTimer(hWnd, kTimerDragRefresh);
            m_bfTracking &= ~kTrackDragging;
            m_ptDragPrev = CPoint(-1, -1);
        }
    }
    else if (::IsWindow(hWnd))
        ::KillTimer(hWnd, kTimerDragRefresh);
    ResetDragStates();
    if (pMoveContext != nullptr && alive() && IsFloating(this))
    {
        pMoveContext->EndFloatingMove();
        if (pPlacement != nullptr)
            SetOuterRowPlacement(placement);
    }
    if (::GetCapture() == hWnd && hWnd != nullptr)
        ::ReleaseCapture();
    if (bQuit)
        ::PostQuitMessage(nQuitCode);
}

void CExtControlBar::UpdateDragState(const POINT& ptScreen, bool bCtrl)
{
    if (g_bUpdatingDragState || m_ptDragPrev == ptScreen)
        return;
    m_ptDragPrev = ptScreen;
    UpdateGuard guard;
    const HWND hWnd = GetSafeHwnd();
    InternalDraggingState_t& computed = g_DragStateComputed;
    InternalDraggingState_t& shown = g_DragStateShown;
    const int nStyle = QueryDraggingStyle();
    const bool bMarkerBar = !IsFixedSize() && !IsFixedDockStyle();
    computed.CalcTarget(ptScreen.x, ptScreen.y, bCtrl);
    if (!::IsWindow(hWnd))
        return;
    const int nKind = computed.m_nTargetKind;
    const bool bTabKind = InternalDraggingState_t::IsTabKind(nKind);
    if (computed == shown)
    {
        if (!bCtrl)
        {
            if (bTabKind)
            {
                if (nStyle == 1)
                    CExtDynDockMarkerWnd::HideHighlights(nullptr, false);
                if (nKind != InternalDraggingState_t::kTabMarkerAtIndex)
                    CExtDynDockMarkerWnd::ShowBothSets(false);
            }
            else if (nStyle == 1)
            {
                if (bMarkerBar)
                    CExtDynDockMarkerWnd::UpdateTargetSet(m_pDockSite, true);
                CExtDynDockMarkerWnd::ShowBothSets(true);
            }
        }
        else
            CExtDynDockMarkerWnd::ShowBothSets(false);
    }
    else
    {
        const bool bKeepShown = !shown.IsEmpty() && !computed.IsEmpty() &&
                                (shown.m_nTargetKind == InternalDraggingState_t::kTabAtIndex ||
                                 shown.m_nTargetKind == InternalDraggingState_t::kTabMarkerAtIndex) &&
                                shown.m_pBarTarget == computed.m_pBarTarget;
        // With markers a state that is not a tab draws nothing over the screen: the paints pending before and
        // after its erasing wait for the one pump before the new state is shown.
        const bool bPaintOnce =
            nStyle == 1 && !InternalDraggingState_t::IsTabKind(shown.m_nTargetKind) && !computed.IsEmpty() && !bTabKind;
        if (!shown.IsEmpty() && !bKeepShown)
        {
            if (!InternalDraggingState_t::IsTabKind(shown.m_nTargetKind) && !bPaintOnce)
                PumpPaints();
            shown.DrawState(true);
            if (!bPaintOnce)
                PumpPaints();
            CArray<CExtControlBar*, CExtControlBar*> arrBars;
            FindFrameControlBars(nullptr, m_pDockSite, arrBars, 0x7 | 0x100 | 0x400);
            for (INT_PTR i = 0; i < arrBars.GetSize(); ++i)
                if (CExtDockingKindOf::IsDynTabControlBar(arrBars[i]))
                    CExtDockingKindOf::InvalidateTabStrip(arrBars[i]);
        }
        if (!computed.IsEmpty())
        {
            if (!shown.IsEmpty() && InternalDraggingState_t::IsTabKind(shown.m_nTargetKind))
                shown.SetTargetBar(nullptr, false);
            if (!bTabKind)
                PumpPaints();
            computed.DrawState(false);
        }
        if (IsLiveDragMode() && ::IsWindow(hWnd))
        {
            if (bTabKind && nStyle == 1)
            {
                if (nKind != InternalDraggingState_t::kTabMarkerAtIndex)
                    CExtDynDockMarkerWnd::ShowBothSets(false);
                CExtDynDockMarkerWnd::HideHighlights(nullptr, false);
            }
            else
            {
                if (nStyle == 1 && bMarkerBar && nKind != InternalDraggingState_t::kMarkerCentre)
                {
                    CExtDynDockMarkerWnd::UpdateTargetSet(m_pDockSite, !bCtrl);
                    if (!bCtrl)
                        CExtDynDockMarkerWnd::ShowBothSets(true);
                }
                if (!shown.IsEmpty() && shown != computed)
                    DockOrFloat(computed, false);
            }
        }
        if (::IsWindow(hWnd))
            shown = computed;
    }
    if (::IsWindow(hWnd) && ::GetCapture() != hWnd && (m_bfTracking & kTrackDragging) != 0)
        CExtMouseCaptureSink::SetCapture(hWnd);
}

void CExtControlBar::DraggingEnd(bool bCancel)
{
    CExtDynDockMarkerWnd::DestroyAll();
    if ((m_bfTracking & kTrackDragging) == 0)
        return;
    const HWND hWnd = GetSafeHwnd();
    m_bfTracking &= ~kTrackDragging;
    m_ptDragPrev = CPoint(-1, -1);
    if (hWnd != nullptr)
        ::KillTimer(hWnd, kTimerDragRefresh);
    InternalDraggingState_t& computed = g_DragStateComputed;
    InternalDraggingState_t& shown = g_DragStateShown;
    const bool bShownEmpty = shown.IsEmpty();
    const bool bEqual = shown == computed;
    const bool bLive = IsLiveDragMode();
    const int nStyle = QueryDraggingStyle();
    // With markers a cancel still docks where the markers said.
    if (nStyle == 1)
        bCancel = false;
    const bool bWasCancel = bCancel;
    if (!computed.IsEmpty())
    {
        if (!bShownEmpty)
        {
            if (!InternalDraggingState_t::IsTabKind(shown.m_nTargetKind))
                PumpPaints();
            shown.DrawState(true);
        }
        NotifyDragEnd(shown, computed, bCancel);
        if (!bCancel && ::IsWindow(hWnd))
        {
            if (!(bLive && (bShownEmpty || bEqual)) || nStyle == 1)
                DockOrFloat(computed, true);
        }
    }
    ResetDragStates();
    if (!::IsWindow(hWnd))
        return;
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    if (IsFloating(this) && !bLive)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    if (bWasCancel && m_pDockSite != nullptr)
        m_pDockSite->DelayRecalcLayout(TRUE);
}

void CExtControlBar::NotifyDragStart()
{
    CWnd::CancelToolTips();
    CExtPopupMenuWnd::CancelMenuTracking();
    CExtDockingKindOf::RememberTabIndex(GetTabbedContainer(), this);
    // A bar slid out of its auto-hide tab, kept out by the focus inside it, goes in: the drag may drop where it lies.
    // Its content's handlers run there: the bar is asked again afterwards.
    const HWND hWnd = GetSafeHwnd();
    if (m_pDockSite != nullptr && m_pDockSite->GetSafeHwnd() != nullptr)
        CExtDockingKindOf::CloseAutoHideSlider(m_pDockSite);
    if (!::IsWindow(hWnd) || CWnd::FromHandlePermanent(hWnd) != this)
        return;
    CFrameWnd* pFrame = m_pDockSite != nullptr ? m_pDockSite : GetParentFrame();
    if (pFrame != nullptr && pFrame->GetSafeHwnd() != nullptr)
        pFrame->SendMessage(WM_SETMESSAGESTRING, IDS_EXT_DRAG_HINT);
}

void CExtControlBar::NotifyDragEnd(InternalDraggingState_t& shown, InternalDraggingState_t& computed, bool bCancel)
{
    (void)shown;
    CFrameWnd* pFrame = m_pDockSite != nullptr ? m_pDockSite : GetParentFrame();
    if (pFrame != nullptr && pFrame->GetSafeHwnd() != nullptr)
        pFrame->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    if (!IsFixedSize())
        CExtDockingKindOf::RestoreTabIndex(GetTabbedContainer(), this, bCancel);
    if (bCancel && computed.m_pBarTarget != nullptr && CExtDockingKindOf::IsDynTabControlBar(computed.m_pBarTarget))
        CExtDockingKindOf::RemoveTemporaryTabs(computed.m_pBarTarget);
}
