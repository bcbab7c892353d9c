// CExtToolControlBar: window messages, hover, capture, clicks, menu tracking, tips and the help loop.
#include "platform/DockContext.h"
#include "platform/FrameWnd.h"
#include "platform/MiniDockFrameWnd.h"
#include "platform/WinThread.h"
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/bars_tabs/ExtBarContentExpandButton.h"
#include "toolkit/bars_tabs/ExtBarMdiRightButton.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

namespace
{
const BYTE kBaseTrackingMask =
    CExtControlBar::kTrackRowExtent | CExtControlBar::kTrackInRow | CExtControlBar::kTrackDragging;
}

// ---- overrides of the control bar ------------------------------------------------------------------

INT_PTR CExtToolControlBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    if (!IsShowTips() || g_bMenuTracking || CExtPopupMenuWnd::IsMenuTracking())
        return -1;
    const int nIndex = HitTestButton(point);
    if (nIndex >= 0)
    {
        const INT_PTR nHit = m_buttons[nIndex]->BuildTipText(point, pTI);
        if (nHit != -1)
            return nHit;
    }
    return CExtControlBar::OnToolHitTest(point, pTI);
}

void CExtToolControlBar::RepaintIfShown()
{
    // A bar not on screen is painted whole when it shows.
    InvalidateIfOnScreen(TRUE, m_pDockContext == nullptr);
}

LRESULT CExtToolControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_TIMER:
        if (wParam != kTimerDelayedLayout)
            break;
        if (CExtPopupMenuWnd::IsMenuTracking() || g_bMenuTracking || GetDraggedBar() != nullptr)
            return 0;
        KillTimer(kTimerDelayedLayout);
        if (CFrameWnd* pFrame = GetParentFrame())
        {
            pFrame->RecalcLayout(TRUE);
            if (pFrame->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)))
                pFrame->SendMessage(WM_NCPAINT, 0, 0);
        }
        return 0;
    case WM_WINDOWPOSCHANGED:
        if (GetDraggedBar() != this)
            RequestFrameLayout();
        RepaintIfShown();
        break;
    case WM_SIZE: RepaintIfShown(); break;
    default: break;
    }
    return CExtControlBar::WindowProc(message, wParam, lParam);
}

void CExtToolControlBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CWnd* pCmdTarget = pTarget;
    if (IsDialogMode())
    {
        if (pTarget != nullptr)
            return;
        pCmdTarget = GetOwner();
        if (pCmdTarget == nullptr)
            pCmdTarget = GetParent();
    }
    else
    {
        CExtControlBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
        if (IsAnyBarDragged() || pTarget == nullptr)
            return;
    }
    if (pCmdTarget == nullptr || GetSafeHwnd() == nullptr || !IsWindowVisible())
        return;
    const HWND hWnd = GetSafeHwnd();
    for (int i = 0; i < GetButtonsCount(); i++)
    {
        m_buttons[i]->OnUpdateCmdUI(pCmdTarget, bDisableIfNoHndler, i);
        if (!::IsWindow(hWnd))
            return;
    }
    UpdateDialogControls(pCmdTarget, bDisableIfNoHndler);
}

BOOL CExtToolControlBar::RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout)
{
    const BOOL bVisible = CExtControlBar::RecalcDelayShow(lpLayout);
    if (!IsFloating(this) && IsVisible())
        RecalcButtonPositions();
    return bVisible;
}

bool CExtToolControlBar::IsFullRowBar() const { return (m_nLayoutFlags & kLayoutWrapped) != 0; }

CExtControlBar::OuterRowPlacement_t* CExtToolControlBar::GetOuterRowPlacement() { return &m_outerRowPlacement; }

void CExtToolControlBar::SetOuterRowPlacement(const OuterRowPlacement_t& placement) { m_outerRowPlacement = placement; }

bool CExtToolControlBar::IsRowThicknessShared() const { return (m_nBarFlags & kBarFlagPanelMode) == 0; }

void CExtToolControlBar::RequestFrameLayout()
{
    if (GetSafeHwnd() == nullptr || !::IsWindow(GetSafeHwnd()))
        return;
    CExtControlBar::RequestFrameLayout();
    RecalcButtonPositions();
    if (IsDialogMode())
    {
        Invalidate();
        UpdateWindow();
    }
}

bool CExtToolControlBar::IsLiveDragMode() const { return true; }

// A tool bar shows no docking highlight, which the base already skips for fixed-size bars; the target is still
// computed and applied by the base, or the bar could not be dragged at all.
void CExtToolControlBar::UpdateDragState(const POINT& ptScreen, bool bCtrl)
{
    CExtControlBar::UpdateDragState(ptScreen, bCtrl);
}

void CExtToolControlBar::UpdateCursorAt(const POINT& ptClient)
{
    const int nIndex = HitTestButtonImpl(CPoint(ptClient), 0, 0);
    if (nIndex >= 0 && m_buttons[nIndex]->OnSetCursor(CPoint(ptClient)))
        return;
    CExtControlBar::UpdateCursorAt(ptClient);
}

bool CExtToolControlBar::IsDockTargetBar() const { return false; }

bool CExtToolControlBar::IsMarkerDockingAllowed() const { return false; }

void CExtToolControlBar::ToggleDocking()
{
    if (m_pDockContext == nullptr)
        return;
    m_pDockContext->ToggleDocking();
    if (CFrameWnd* pFrame = GetDockingFrame())
        pFrame->DelayRecalcLayout(TRUE);
    RefreshNonClientFrame();
}

int CExtToolControlBar::HitTestItem(CPoint ptClient) const
{
    const int nIndex = HitTestButton(ptClient);
    if (nIndex < 0)
        return CExtControlBar::HitTestItem(ptClient);
    const int nHit = m_buttons[nIndex]->OnHelpHitTest(ptClient);
    return (nHit == -1 || nHit == -2) ? -2 : nHit;
}

bool CExtToolControlBar::ProcessMouseMove(UINT nFlags, CPoint ptClient)
{
    if (CExtPopupMenuWnd::IsMenuTracking() && !g_bMenuTracking)
        return true;
    if ((m_bfTracking & kBaseTrackingMask) == 0)
    {
        const HWND hWnd = GetSafeHwnd();
        if (m_nBtnIdxCapture >= 0)
        {
            CExtBarButton* pButton = GetButton(m_nBtnIdxCapture);
            if (pButton == nullptr)
                m_nBtnIdxCapture = -1;
            else
            {
                const bool bHold = CExtMouseCaptureSink::GetCaptureHWND() == hWnd;
                const bool bOver = bHold && HitTestButton(ptClient) == m_nBtnIdxCapture;
                UINT nStyle = pButton->GetStyle();
                nStyle = bOver ? (nStyle | TBBS_PRESSED) : (nStyle & ~TBBS_PRESSED);
                const int nIndex = m_nBtnIdxCapture;
                if (!bHold)
                    m_nBtnIdxCapture = -1;
                SetButtonStyle(nIndex, nStyle);
                UpdateWindow();
                return true;
            }
        }
        const bool bChanged = UpdateHoverButton(ptClient);
        if (!::IsWindow(hWnd))
            return true;
        if (CExtMouseCaptureSink::GetCaptureHWND() == hWnd && m_nBtnIdxCapture < 0 && m_nBtnIdxHover < 0 &&
            m_nBtnIdxMenuTracking < 0)
        {
            CPoint ptScreen;
            ::GetCursorPos(&ptScreen);
            CRect rcWnd;
            GetWindowRect(&rcWnd);
            if (!rcWnd.PtInRect(ptScreen))
                CExtMouseCaptureSink::ReleaseCapture();
        }
        if (bChanged)
            return true;
    }
    return CExtControlBar::ProcessMouseMove(nFlags, ptClient);
}

// ---- hit tests and hover ---------------------------------------------------------------------------

int CExtToolControlBar::HitTestButtonImpl(CPoint point, UINT nIncludeStyle, UINT nExcludeStyle) const
{
    const HWND hWnd = GetSafeHwnd();
    if (hWnd == nullptr || !::IsWindow(hWnd))
        return -1;
    if (CExtMouseCaptureSink::GetCaptureHWND() == hWnd)
    {
        CPoint ptScreen(point);
        ClientToScreen(&ptScreen);
        if (::WindowFromPoint(ptScreen) != hWnd)
            return -1;
    }
    for (int i = 0; i < GetButtonsCount(); i++)
    {
        CExtBarButton* pButton = m_buttons[i];
        if (!pButton->IsVisible() || IsButtonHiddenByStyle(i))
            continue;
        const UINT nStyle = pButton->GetStyle();
        if (nIncludeStyle != 0 && (nStyle & nIncludeStyle) == 0)
            continue;
        if ((nStyle & nExcludeStyle) != 0)
            continue;
        if (pButton->GetRect().PtInRect(point))
            return i;
    }
    return -1;
}

int CExtToolControlBar::HitTestButton(CPoint point) const { return HitTestButtonImpl(point, 0, TBBS_SEPARATOR); }

bool CExtToolControlBar::UpdateHoverButton(CPoint point)
{
    const HWND hWnd = GetSafeHwnd();
    if (hWnd == nullptr)
        return false;
    if (point.x == -1 && point.y == -1)
    {
        ::GetCursorPos(&point);
        ScreenToClient(&point);
    }
    const bool bAllowed =
        CExtPopupMenuWnd::IsHoverAllowed(hWnd, ::GetActiveWindow()) || CExtPopupMenuWnd::IsMenuTracking();
    int nCandidate = bAllowed ? HitTestButton(point) : -1;
    if (nCandidate == m_nBtnIdxHover)
        return false;
    // One update paints both buttons: the old one's look changes with the new one's.
    if (CExtBarButton* pOld = GetButton(m_nBtnIdxHover))
    {
        const int nOld = m_nBtnIdxHover;
        m_nBtnIdxHover = -1;
        pOld->SetHover(false);
        InvalidateButton(nOld);
        pOld->OnHover(point, false);
        if (!::IsWindow(hWnd))
            return true;
    }
    m_nBtnIdxHover = -1;
    CExtBarButton* pNew = GetButton(nCandidate);
    // In help mode a menu button opens nothing on hover; while menus track, an MDI right button
    // or a disabled button gets no hover look.
    if (pNew == nullptr || (IsFrameInHelpMode(this) && pNew->CanTrackMenu()))
    {
        UpdateWindow();
        return true;
    }
    m_nBtnIdxHover = nCandidate;
    if (g_bMenuTracking && (pNew->IsKindOf(RUNTIME_CLASS(CExtBarMdiRightButton)) || pNew->IsDisabled()))
    {
        UpdateWindow();
        return true;
    }
    pNew->SetHover(true);
    InvalidateButton(nCandidate);
    UpdateWindow();
    pNew->OnHover(point, true);
    return true;
}

// ---- menu tracking ---------------------------------------------------------------------------------

bool CExtToolControlBar::TrackButtonMenu(int nIndex, bool bSelectAny, bool bDelayed, bool bKeyboard)
{
    if ((m_nBarFlags & kBarFlagPanelMode) != 0 || QueryExtraFeature())
        return false;
    if (g_bMenuTracking && m_nBtnIdxMenuTracking == nIndex)
        return true;
    if (!EnsureVisibleByCommand())
        return false;
    CExtBarButton* pButton = GetButton(nIndex);
    // A menu button asked with flag 0: the colour and undo/redo buttons open their own popups, though
    // CanTrackMenu says no for them.
    if (pButton == nullptr || (pButton->GetStyle() & (TBBS_DISABLED | TBBS_HIDDEN)) != 0 || !pButton->IsMenuButton(0))
        return false;
    CPoint point;
    if (!::GetCursorPos(&point))
        return false;
    ScreenToClient(&point);
    if (bDelayed)
    {
        PostMessage(g_nMsgTrackButtonMenu, (WPARAM)nIndex, bKeyboard ? 1 : 0);
        return true;
    }
    pButton->TrackButtonMenu(point, bSelectAny, bKeyboard);
    return true;
}

// ---- help mode -------------------------------------------------------------------------------------

int CExtToolControlBar::DoHelpModeLoop(CExtToolControlBar* pBar)
{
    if (pBar == nullptr || pBar->m_pDockSite == nullptr || !pBar->m_pDockSite->m_bHelpMode || g_bHelpModeLoop)
        return -3;
    g_bHelpModeLoop = true;
    int nResult = -3;
    bool bDone = false;
    while (!bDone)
    {
        if (!PumpHelpMessage(pBar, nResult, bDone))
        {
            nResult = -3;
            break;
        }
    }
    g_bHelpModeLoop = false;
    return nResult;
}

bool CExtToolControlBar::PumpHelpMessage(CExtToolControlBar* pBar, int& nResult, bool& bDone)
{
    const HWND hWndBar = pBar->GetSafeHwnd();
    CFrameWnd* pFrame = pBar->m_pDockSite;
    const HWND hWndFrame = pFrame != nullptr ? pFrame->GetSafeHwnd() : nullptr;
    if (hWndBar == nullptr || !::IsWindow(hWndBar) || hWndFrame == nullptr || !::IsWindow(hWndFrame) ||
        !pFrame->m_bHelpMode)
        return false;
    MSG msg;
    if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
    {
        ::WaitMessage();
        return true;
    }
    switch (msg.message)
    {
    case WM_LBUTTONDOWN:
        if (CExtControlBar* pHit = DYNAMIC_DOWNCAST(CExtControlBar, CWnd::FromHandlePermanent(msg.hwnd)))
        {
            const int nHit = pHit->HitTestItem(CPoint((short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam)));
            if (nHit > 0)
            {
                ::PeekMessageW(&msg, msg.hwnd, msg.message, msg.message, PM_REMOVE);
                nResult = nHit;
                bDone = true;
                return true;
            }
        }
        break;
    case WM_MOUSEMOVE:
        if (CExtControlBar* pHit = DYNAMIC_DOWNCAST(CExtControlBar, CWnd::FromHandlePermanent(msg.hwnd)))
        {
            if (pHit->ProcessMouseMove((UINT)msg.wParam, CPoint((short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam))))
            {
                ::PeekMessageW(&msg, msg.hwnd, msg.message, msg.message, PM_REMOVE);
                return true;
            }
        }
        break;
    case WM_COMMAND:
        if (msg.wParam <= 0xFFFF || HIWORD(msg.wParam) == 1)
        {
            ::PeekMessageW(&msg, msg.hwnd, msg.message, msg.message, PM_REMOVE);
            nResult = (int)LOWORD(msg.wParam);
            bDone = true;
            return true;
        }
        break;
    case WM_SYSCOMMAND:
    {
        ::PeekMessageW(&msg, msg.hwnd, msg.message, msg.message, PM_REMOVE);
        const UINT nCmd = (UINT)(msg.wParam & 0xFFF0);
        switch (nCmd)
        {
        case SC_SIZE:
        case SC_MOVE:
        case SC_MINIMIZE:
        case SC_MAXIMIZE:
        case SC_NEXTWINDOW:
        case SC_PREVWINDOW:
        case SC_CLOSE:
        case SC_RESTORE:
        case SC_TASKLIST: nResult = (int)(((nCmd - 0xF000) >> 4) + 0x1EF00); break;
        default: nResult = (int)msg.wParam; break;
        }
        bDone = true;
        return true;
    }
    case WM_QUIT:
        // The application must still quit: the loop ends and the message goes back to the queue.
        ::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        ::PostQuitMessage((int)msg.wParam);
        return false;
    default: break;
    }
    CWinThread* pThread = AfxGetThread();
    if (pThread == nullptr)
    {
        if (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        return true;
    }
    return pThread->PumpMessage() != FALSE;
}

// ---- message handlers ------------------------------------------------------------------------------

void CExtToolControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if ((m_bfTracking & kBaseTrackingMask) != 0)
    {
        CExtControlBar::OnLButtonDown(nFlags, point);
        return;
    }
    FocusDockSite();
    const HWND hWnd = GetSafeHwnd();
    m_nBtnIdxCapture = HitTestButton(point);
    CExtBarButton* pButton = GetButton(m_nBtnIdxCapture);
    if (pButton == nullptr)
    {
        m_nBtnIdxCapture = -1;
        CExtControlBar::OnLButtonDown(nFlags, point);
        return;
    }
    const int nIndex = m_nBtnIdxCapture;
    UpdateButtonCmdUI(nIndex);
    if (!IsButtonAt(nIndex, pButton))
    {
        m_nBtnIdxCapture = -1;
        return;
    }
    if (nIndex != m_nBtnIdxMenuTracking)
    {
        if (pButton->IsDisabled() && !pButton->CanTrackMenu())
        {
            m_nBtnIdxCapture = -1;
            return;
        }
        pButton->ModifyStyle(TBBS_PRESSED);
        InvalidateButton(nIndex);
        UpdateWindow();
        pButton->OnClick(point, true);
        // The click may have run a nested loop that destroyed the bar or the button.
        if (!IsBarWindowAlive(hWnd))
            return;
        if (!IsButtonAt(nIndex, pButton))
        {
            m_nBtnIdxCapture = -1;
            return;
        }
    }
    if (g_bMenuTracking || CExtPopupMenuWnd::IsMenuTracking())
    {
        m_nBtnIdxCapture = -1;
        return;
    }
    CWnd* pCtrl = pButton->GetCtrl();
    if (pCtrl != nullptr && (pCtrl->GetSafeHwnd() == nullptr || pCtrl->IsWindowVisible()))
    {
        m_nBtnIdxCapture = -1;
        return;
    }
    CExtMouseCaptureSink::SetCapture(hWnd);
}

void CExtToolControlBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if ((m_nBtnIdxCapture < 0 && m_nBtnIdxHover < 0) || (m_bfTracking & kBaseTrackingMask) != 0)
    {
        CExtControlBar::OnLButtonUp(nFlags, point);
        return;
    }
    const HWND hWnd = GetSafeHwnd();
    const int nHover = m_nBtnIdxHover;
    CExtBarButton* pHover = GetButton(nHover);
    m_nBtnIdxHover = -1;
    const int nIndex = m_nBtnIdxCapture;
    CExtBarButton* pButton = GetButton(nIndex);
    m_nBtnIdxCapture = -1;
    if (pButton != nullptr)
    {
        if (pButton->IsPressed())
            InvalidateButton(nIndex);
        UINT nNewStyle = pButton->GetStyle() & ~TBBS_PRESSED;
        const bool bOver = HitTestButton(point) == nIndex;
        if (bOver)
        {
            UpdateButtonCmdUI(nIndex);
            if (!IsButtonAt(nIndex, pButton))
                pButton = nullptr;
            else
            {
                nNewStyle = pButton->GetStyle() & ~TBBS_PRESSED;
                if ((nNewStyle & TBBS_CHECKBOX) != 0 && !pButton->IsDisabled())
                {
                    nNewStyle &= ~TBBS_INDETERMINATE;
                    nNewStyle ^= TBBS_CHECKED;
                }
            }
        }
        if (CExtMouseCaptureSink::GetCaptureHWND() == hWnd)
            CExtMouseCaptureSink::ReleaseCapture();
        if (pButton != nullptr && bOver && IsButtonAt(nIndex, pButton))
        {
            pButton->OnClick(point, false);
            if (!IsBarWindowAlive(hWnd))
                return;
        }
        if (!g_bMenuTracking && pButton != nullptr && IsButtonAt(nIndex, pButton))
        {
            SetButtonStyle(nIndex, nNewStyle);
            UpdateButtonCmdUI(nIndex);
        }
    }
    else if (CExtMouseCaptureSink::GetCaptureHWND() == hWnd)
        CExtMouseCaptureSink::ReleaseCapture();
    if (pHover != nullptr && IsButtonAt(nHover, pHover))
    {
        pHover->SetHover(false);
        pHover->OnHover(point, false);
        if (!IsBarWindowAlive(hWnd))
            return;
        InvalidateButton(nHover);
    }
    UpdateWindow();
}

void CExtToolControlBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if ((m_bfTracking & kBaseTrackingMask) == 0 && HitTestButtonImpl(point, 0, 0) >= 0)
    {
        const LPARAM lParam = MAKELPARAM((short)point.x, (short)point.y);
        SendMessage(WM_LBUTTONUP, nFlags, lParam);
        if (::IsWindow(GetSafeHwnd()))
            SendMessage(WM_LBUTTONDOWN, nFlags, lParam);
        return;
    }
    CExtControlBar::OnLButtonDblClk(nFlags, point);
}

void CExtToolControlBar::OnRButtonUp(UINT nFlags, CPoint point) { CExtControlBar::OnRButtonUp(nFlags, point); }

void CExtToolControlBar::OnCancelMode()
{
    CExtControlBar::OnCancelMode();
    const HWND hWnd = GetSafeHwnd();
    if (!::IsWindow(hWnd))
        return;
    const int nCapture = m_nBtnIdxCapture;
    const int nHover = m_nBtnIdxHover;
    m_nBtnIdxCapture = -1;
    m_nBtnIdxHover = -1;
    if (CExtBarButton* pButton = GetButton(nCapture))
    {
        if (nCapture != m_nBtnIdxMenuTracking)
            pButton->ModifyStyle(0, TBBS_PRESSED);
    }
    if (CExtBarButton* pButton = GetButton(nHover))
    {
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        pButton->SetHover(false);
        pButton->OnHover(pt, false);
        if (!::IsWindow(hWnd))
            return;
    }
    if (nCapture < 0 && nHover < 0)
        return;
    if (CExtMouseCaptureSink::GetCaptureHWND() == hWnd)
        CExtMouseCaptureSink::ReleaseCapture();
    Invalidate();
    UpdateWindow();
}

void CExtToolControlBar::OnSize(UINT nType, int cx, int cy)
{
    CExtControlBar::OnSize(nType, cx, cy);
    RecalcButtonPositions();
}

void CExtToolControlBar::OnTimer(UINT_PTR nIDEvent) { CControlBar::OnTimer(nIDEvent); }

void CExtToolControlBar::OnCaptureChanged(CWnd* pWnd)
{
    // Only another window taking the capture cancels; a plain release does not.
    if ((m_nBtnIdxCapture >= 0 || m_nBtnIdxHover >= 0) && pWnd != nullptr && pWnd != this &&
        pWnd->GetSafeHwnd() != GetSafeHwnd())
        SendMessage(WM_CANCELMODE);
    // A hover sees the pointer leave through the capture: released by the system (Wine's deactivation releases it
    // without a cancel), no message would end it. It stays only while the pointer is on the button of an active bar.
    else if (pWnd == nullptr && m_nBtnIdxHover >= 0 && m_nBtnIdxCapture < 0 && !g_bMenuTracking)
        UpdateHoverButton();
    CExtControlBar::OnCaptureChanged(pWnd);
}

void CExtToolControlBar::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CExtControlBar::OnSettingChange(uFlags, lpszSection);
    if (!IsDialogMode())
    {
        if (CFrameWnd* pFrame = GetParentFrame())
            pFrame->DelayRecalcLayout(TRUE);
    }
    else
        RequestFrameLayout();
}

LRESULT CExtToolControlBar::OnTrackButtonMenu(WPARAM wParam, LPARAM lParam)
{
    CWnd* pOwner = nullptr;
    if (!IsDialogMode())
        pOwner = GetParentFrame();
    else
    {
        pOwner = GetOwner();
        if (pOwner == nullptr)
            pOwner = GetParent();
    }
    if (pOwner == nullptr || !pOwner->IsWindowEnabled() || GetButtonsCount() == 0)
        return 0;
    const int nIndex = (int)wParam;
    CExtBarButton* pButton = GetButton(nIndex);
    if (pButton != nullptr && pButton->IsMenuButton(0) && CExtPopupMenuWnd::IsMenuTracking())
    {
        TrackButtonMenu(nIndex, true, false, lParam != 0);
        return 0;
    }
    CloseTrackingMenus();
    if (CExtMouseCaptureSink::GetCaptureHWND() == GetSafeHwnd())
        CExtMouseCaptureSink::ReleaseCapture();
    return 0;
}
