// CExtControlBar: the window: message map, window procedure, mouse and focus handling, the idle
// update, pre-translation, tool hits and the cursor.
#include "platform/CmdTarget.h"
#include "platform/DockBar.h"
#include "platform/DockContext.h"
#include "platform/FrameWnd.h"
#include "platform/MiniFrameWnd.h"
#include "toolkit/docking/ExtDockingKindOf.h"
#include "toolkit/docking/ExtBarNcAreaButton.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/docking/ExtDockDynBar.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtMenuKindOf.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

BEGIN_MESSAGE_MAP(CExtControlBar, CControlBar)
ON_WM_NCHITTEST()
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_WM_CANCELMODE()
ON_WM_CAPTURECHANGED()
ON_WM_MOUSEMOVE()
ON_WM_NCLBUTTONDOWN()
ON_WM_NCLBUTTONUP()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_RBUTTONUP()
ON_WM_SIZE()
ON_WM_NCLBUTTONDBLCLK()
ON_WM_NCRBUTTONUP()
ON_WM_SHOWWINDOW()
ON_WM_SETFOCUS()
ON_WM_CONTEXTMENU()
ON_MESSAGE(WM_SETTEXT, OnSetText)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUIBar)
ON_MESSAGE(WM_SIZEPARENT, OnSizeParentBar)
ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTestBar)
ON_WM_SYSCOLORCHANGE()
ON_WM_SETTINGCHANGE()
ON_WM_DISPLAYCHANGE()
ON_MESSAGE(WM_THEMECHANGED, OnThemeChangedBar)
END_MESSAGE_MAP()

static CFrameWnd* NearestDockingFrame(CWnd* pWnd)
{
    for (CWnd* p = pWnd != nullptr ? pWnd->GetParent() : nullptr; p != nullptr; p = p->GetParent())
    {
        if (p->IsKindOf(RUNTIME_CLASS(CMiniFrameWnd)))
            return p->GetParentFrame();
        if (p->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            return static_cast<CFrameWnd*>(p);
    }
    return nullptr;
}

namespace
{
// The docked bar whose lit caption button waits for the pointer's leave (TrackMouseEvent), null when none does.
HWND g_hNcLeaveTracked = nullptr;

// A docked bar's caption button lit by the pointer goes dark when the pointer leaves it to any window, another
// program's too: the system tells the bar (WM_NCMOUSELEAVE), where no message of its thread would. The bar is marked
// first: the tracking's own hit test comes back to the bar. Only the bar under the pointer waits (a window over it
// would end the wait at once, and the next idle update would start it again).
void TrackNcButtonLeave(CExtControlBar* pBar)
{
    if (g_hNcLeaveTracked == pBar->GetSafeHwnd() || CExtControlBar::IsFloating(pBar) || pBar->IsAutoHideMode())
        return;
    CPoint pt;
    if (!::GetCursorPos(&pt) || ::WindowFromPoint(pt) != pBar->GetSafeHwnd())
        return;
    g_hNcLeaveTracked = pBar->GetSafeHwnd();
    TRACKMOUSEEVENT tme = {sizeof tme, TME_LEAVE | TME_NONCLIENT, pBar->GetSafeHwnd(), 0};
    if (!::TrackMouseEvent(&tme))
        g_hNcLeaveTracked = nullptr;
}

// The pointer left the bar's caption buttons: none stays lit.
void EndNcButtonHover(CExtControlBar* pBar)
{
    if (g_hNcLeaveTracked == pBar->GetSafeHwnd())
        g_hNcLeaveTracked = nullptr;
    bool bChanged = (pBar->m_bfRuntimeState & CExtControlBar::kStateNcButtonHover) != 0;
    pBar->m_bfRuntimeState &= ~CExtControlBar::kStateNcButtonHover;
    for (INT_PTR i = 0; i < pBar->NcButtonGetCount(); ++i)
    {
        CExtBarNcAreaButton* pBtn = pBar->NcButtonGet((int)i);
        bChanged = bChanged || (pBtn->m_bfState & CExtBarNcAreaButton::kHover) != 0;
        pBtn->m_bfState &= ~(CExtBarNcAreaButton::kHover | CExtBarNcAreaButton::kPressed);
    }
    if (bChanged)
        pBar->SendMessage(WM_NCPAINT);
}
} // namespace

LRESULT CExtControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_ERASEBKGND: return OnEraseBkgndMsg(wParam, lParam);
    case WM_CREATE: OnCreateMsg(); break;
    case WM_DESTROY: m_bfBarFlags |= kBarBusy; break;
    case WM_NCDESTROY: OnNcDestroyMsg(); break;
    case WM_CLOSE: m_bfBarFlags |= kBarBusy; return 0; // a bar is hidden, never closed
    case WM_WINDOWPOSCHANGING: OnWindowPosChangingMsg(reinterpret_cast<WINDOWPOS*>(lParam)); break;
    case WM_WINDOWPOSCHANGED: return OnWindowPosChangedMsg(wParam, lParam);
    case WM_TIMER: return OnTimerMsg(wParam, lParam);
    case WM_NCMOUSELEAVE: EndNcButtonHover(this); break;
    default: break;
    }
    return CControlBar::WindowProc(message, wParam, lParam);
}

LRESULT CExtControlBar::OnEraseBkgndMsg(WPARAM wParam, LPARAM lParam)
{
    if ((m_bfBarFlags & kBarEraseBkgnd) == 0)
        return 1;
    CExtPaintManager::ExcludeChildAreas((HDC)wParam, GetSafeHwnd());
    return CControlBar::WindowProc(WM_ERASEBKGND, wParam, lParam);
}

void CExtControlBar::OnCreateMsg()
{
    if (IsDialogMode() || IsFixedSize())
        return;
    if (CFrameWnd* pFrame = NearestDockingFrame(this))
        SetupFrameDocking(pFrame, CBRS_ALIGN_ANY, true);
}

void CExtControlBar::OnNcDestroyMsg()
{
    m_bfBarFlags |= kBarBusy;
    NcButtonsRemoveAll();
}

void CExtControlBar::OnWindowPosChangingMsg(WINDOWPOS* pWndPos)
{
    if (GetDockBarSafe() != nullptr || IsDialogMode())
        pWndPos->flags |= SWP_FRAMECHANGED;
}

LRESULT CExtControlBar::OnWindowPosChangedMsg(WPARAM wParam, LPARAM lParam)
{
    if (GetDockBarSafe() == nullptr && !IsDialogMode())
        return CControlBar::WindowProc(WM_WINDOWPOSCHANGED, wParam, lParam);
    const WINDOWPOS* pWndPos = reinterpret_cast<WINDOWPOS*>(lParam);
    if (!IsFixedSize())
        SyncVisibility((pWndPos->flags & SWP_HIDEWINDOW) != 0 ? 0 : -1);
    if ((pWndPos->flags & SWP_FRAMECHANGED) != 0)
        LayoutNcButtons();
    else
        RefreshNonClientFrame();
    const LRESULT lResult = CControlBar::WindowProc(WM_WINDOWPOSCHANGED, wParam, lParam);
    // A changed frame may change the client without a WM_SIZE.
    if ((pWndPos->flags & SWP_FRAMECHANGED) != 0 && (m_bfTracking & kTrackLayoutSuspended) == 0)
        RepositionChildWindow();
    return lResult;
}

LRESULT CExtControlBar::OnTimerMsg(WPARAM wParam, LPARAM lParam)
{
    if (wParam != kTimerRedrawAll)
        return CControlBar::WindowProc(WM_TIMER, wParam, lParam);
    RedrawWindow(nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW | RDW_FRAME);
    return 0;
}

// ---- text and focus -------------------------------------------------------------------------------------------

LRESULT CExtControlBar::OnSetText(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    const LRESULT lResult = Default();
    (void)lParam;
    bool bDone = false;
    CExtDynTabControlBar* pTabs = GetTabbedContainer();
    if (pTabs != nullptr && !IsFixedSize())
    {
        CExtControlBar* pGroup = CExtDockingKindOf::AsControlBar(pTabs);
        CExtDockingKindOf::InvalidateTabStrip(pGroup);
        if (CFrameWnd* pFrame = GetDockingFrame())
        {
            pFrame->m_nIdleFlags |= 0x0C;
            pFrame->PostMessage(WM_NULL);
        }
        if (CExtDockingKindOf::SelectedBarOf(pGroup) == this)
        {
            CString sText;
            GetWindowText(sText);
            pGroup->SetWindowText(sText);
        }
        pGroup->RefreshNonClientFrame();
        bDone = true;
    }
    if (IsAutoHideMode())
    {
        CExtDockingKindOf::UpdateAutoHideTab(this);
        bDone = true;
    }
    if (!bDone && IsWindowVisible())
        RefreshNonClientFrame();
    if (IsFloating(this) && IsSingleVisibleInFloatingFrame(this))
    {
        CString sText;
        GetWindowText(sText);
        if (CFrameWnd* pMini = GetParentFrame())
        {
            if (CWnd* pDock = GetParent())
                pDock->SetWindowText(sText);
            pMini->SetWindowText(sText);
            pMini->m_nIdleFlags |= 0x0C;
            pMini->SendMessage(WM_NCPAINT);
        }
    }
    if (QueryGripperPresence())
        SendMessage(WM_NCPAINT);
    return lResult;
}

void CExtControlBar::OnSetFocus(CWnd* pOldWnd)
{
    CControlBar::OnSetFocus(pOldWnd);
    if (!IsFixedSize() && IsDocked(this) && GetDockBarSafe() != nullptr && IsAtMinimumInRow() && !IsAloneInRow())
        ExpandInRow();
    if (!IsFixedSize())
    {
        if (CWnd* pChild = GetWindow(GW_CHILD))
            pChild->SetFocus();
    }
}

// ---- idle update ------------------------------------------------------------------------------------------------

LRESULT CExtControlBar::OnIdleUpdateCmdUIBar(WPARAM wParam, LPARAM lParam)
{
    if ((m_bfBarFlags & kBarIdleWork) == 0)
        return 0;
    return CControlBar::OnIdleUpdateCmdUI(wParam, lParam);
}

LRESULT CExtControlBar::OnSizeParentBar(WPARAM wParam, LPARAM lParam)
{
    if ((m_bfBarFlags & kBarIdleWork) == 0)
        return 0;
    return CControlBar::OnSizeParent(wParam, lParam);
}

void CExtControlBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    (void)pTarget;
    (void)bDisableIfNoHndler;
    if (IsDialogMode() || (m_bfTracking & (kTrackRowExtent | kTrackInRow | kTrackDragging)) != 0 || IsAnyBarDragged() ||
        GetSafeHwnd() == nullptr || !IsVisible())
        return;
    const BYTE bfOld = m_bfRuntimeState;
    CPoint pt;
    ::GetCursorPos(&pt);
    CExtBarNcAreaButton* pBtn = nullptr;
    NcButtonsHitTest(pt, &pBtn);
    if (pBtn != nullptr)
    {
        m_bfRuntimeState |= kStateNcButtonHover;
        TrackNcButtonLeave(this);
    }
    else
        m_bfRuntimeState &= ~kStateNcButtonHover;
    HWND hFocus = ::GetFocus();
    if (hFocus != nullptr && (hFocus == GetSafeHwnd() || ::IsChild(GetSafeHwnd(), hFocus)))
        m_bfRuntimeState |= kStateFocus;
    else
        m_bfRuntimeState &= ~kStateFocus;
    if (((bfOld ^ m_bfRuntimeState) & (kStateFocus | kStateNcButtonHover)) != 0)
    {
        SendMessage(WM_NCPAINT);
        if (CWnd* pParent = GetParent())
            pParent->SendMessage(WM_NCPAINT);
        // A floating frame draws the caption of the bar it holds, active while the focus is inside.
        if (CMiniFrameWnd* pMini = DYNAMIC_DOWNCAST(CMiniFrameWnd, GetParentFrame()))
            pMini->SendMessage(WM_NCPAINT);
    }
}

// ---- mouse --------------------------------------------------------------------------------------------------------

bool CExtControlBar::ProcessMouseMove(UINT nFlags, CPoint ptClient)
{
    (void)nFlags;
    UpdateCursorAt(ptClient);
    if ((m_bfTracking & kTrackDragging) != 0)
    {
        CPoint ptScreen(ptClient);
        ClientToScreen(&ptScreen);
        UpdateDragState(ptScreen, (::GetKeyState(VK_CONTROL) & 0x8000) != 0);
        return true;
    }
    if ((m_bfTracking & kTrackRowExtent) != 0)
    {
        RowExtentTrackStep();
        return true;
    }
    if ((m_bfTracking & kTrackInRow) != 0)
    {
        InRowSplitterTrackStep();
        return true;
    }
    return false;
}

void CExtControlBar::UpdateCursorAt(const POINT& ptClient)
{
    if (IsFrameInHelpMode(this))
        return; // the help cursor stays
    HCURSOR hClassCursor = (HCURSOR)::GetClassLongPtrW(GetSafeHwnd(), GCLP_HCURSOR);
    HCURSOR hCursor = hClassCursor;
    if (!IsDialogMode())
    {
        if ((m_bfTracking & (kTrackRowExtent | kTrackInRow)) != 0)
        {
            const bool bRow = (m_bfTracking & kTrackRowExtent) != 0;
            const bool bHorz = IsDockedHorizontally(this);
            hCursor = (bRow == bHorz) ? g_hCursorResizeV : g_hCursorResizeH;
        }
        else if ((m_bfTracking & kTrackDragging) != 0)
        {
            if (IsFixedSize())
            {
                const int nKind = g_DragStateShown.m_nCursorKind;
                hCursor = nKind == 1 ? g_hCursorResizeH : nKind == 2 ? g_hCursorResizeV : g_hCursorMove;
            }
        }
        else if (!IsFloating(this))
        {
            CRect rcWnd;
            GetWindowRect(&rcWnd);
            CPoint ptScreen(ptClient);
            ClientToScreen(&ptScreen);
            const CPoint pt(ptScreen.x - rcWnd.left, ptScreen.y - rcWnd.top);
            if (m_rcCaption.PtInRect(pt))
            {
                hCursor = g_hCursorMove;
                for (INT_PTR i = 0; i < m_arrNcButtons.GetSize(); ++i)
                {
                    if (HCURSOR h = m_arrNcButtons[i]->QueryCursor(pt))
                    {
                        hCursor = h;
                        break;
                    }
                }
            }
        }
    }
    if (hCursor != nullptr && ::GetCursor() != hCursor)
        ::SetCursor(hCursor);
}

void CExtControlBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!ProcessMouseMove(nFlags, point))
        Default();
}

void CExtControlBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (IsFixedSize() || IsFloating(this))
        return;
    bool bOnButton = false;
    CExtBarNcAreaButton* pBtn = nullptr;
    NcButtonsHitTest(point, &pBtn);
    bOnButton = pBtn != nullptr;
    if (bOnButton)
        m_bfRuntimeState |= kStateNcButtonPressed;
    else
        m_bfRuntimeState &= ~kStateNcButtonPressed;
    if (nHitTest != HTLEFT && nHitTest != HTBOTTOM && !IsAtMinimumInRow() && !bOnButton)
        SetFocus();
    CRect rcWnd, rcClient;
    GetWindowRect(&rcWnd);
    GetClientRect(&rcClient);
    ClientToScreen(&rcClient);
    if (rcWnd == rcClient)
        return;
    const CPoint pt(point.x - rcWnd.left, point.y - rcWnd.top);
    if (m_rcRowSplitter.PtInRect(pt))
        RowExtentTrackBegin();
    else if (m_rcSplitterAfter.PtInRect(pt))
    {
        m_bfRuntimeState &= ~kStateNearSplitter;
        if (IsSplitterAfterMovable())
            InRowSplitterTrackBegin();
    }
    else if (m_rcSplitterBefore.PtInRect(pt))
    {
        m_bfRuntimeState |= kStateNearSplitter;
        if (IsSplitterBeforeMovable())
            InRowSplitterTrackBegin();
    }
}

void CExtControlBar::OnNcLButtonUp(UINT nHitTest, CPoint point)
{
    (void)nHitTest;
    // A docked bar's button acts on a release only after a press on it: a release whose press went elsewhere (a
    // double click that floated the bar under the pointer) clicks nothing.
    const bool bPressed = (m_bfRuntimeState & kStateNcButtonPressed) != 0 || IsFloating(this);
    m_bfRuntimeState &= ~kStateNcButtonPressed;
    if ((m_bfRuntimeState & kStateNcButtonHover) != 0 && bPressed)
    {
        CWnd* pCarrier = this;
        if (IsFloating(this) && GetParentFrame() != nullptr)
            pCarrier = GetParentFrame();
        CRect rcWnd;
        pCarrier->GetWindowRect(&rcWnd);
        const CPoint pt(point.x - rcWnd.left, point.y - rcWnd.top);
        for (INT_PTR i = 0; i < m_arrNcButtons.GetSize(); ++i)
        {
            CExtBarNcAreaButton* pBtn = m_arrNcButtons[i];
            if (pBtn->IsVisible() && pBtn->OnClick(pt))
                return;
        }
        return;
    }
    if ((m_bfTracking & kTrackRowExtent) != 0)
        RowExtentTrackEnd(false);
    if ((m_bfTracking & kTrackInRow) != 0)
        InRowSplitterTrackEnd(false);
}

void CExtControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    CExtMiniDockFrameWnd* pMini = IsFloating(this) ? DYNAMIC_DOWNCAST(CExtMiniDockFrameWnd, GetParentFrame()) : nullptr;
    if (!IsDocked(this) && pMini == nullptr)
    {
        Default();
        return;
    }
    if (CExtPopupMenuWnd::IsMenuTracking())
        return;
    if (IsFixedSize() && !IsLiveDragMode())
    {
        if (m_pDockContext != nullptr)
        {
            CPoint ptScreen(point);
            ClientToScreen(&ptScreen);
            m_pDockContext->StartDrag(ptScreen);
        }
        return;
    }
    if (pMini != nullptr)
    {
        // The floating frame's caption takes the press.
        CPoint ptScreen(point);
        ClientToScreen(&ptScreen);
        pMini->SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(ptScreen.x, ptScreen.y));
        return;
    }
    if (!IsFixedSize())
        SetFocus();
    CPoint ptScreen(point);
    ClientToScreen(&ptScreen);
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    DraggingLoop(ptScreen, CPoint(ptScreen.x - rcWnd.left, ptScreen.y - rcWnd.top), 1, 1);
    (void)nFlags;
}

void CExtControlBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    (void)nFlags;
    (void)point;
    if ((m_bfTracking & kTrackRowExtent) != 0)
        RowExtentTrackEnd(false);
    else if ((m_bfTracking & kTrackInRow) != 0)
        InRowSplitterTrackEnd(false);
    else if ((m_bfTracking & kTrackDragging) != 0)
        DraggingEnd(false);
    else
        Default();
}

void CExtControlBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    (void)nFlags;
    (void)point;
    if (IsDocked(this) && !IsFloating(this))
        ToggleDocking();
}

void CExtControlBar::OnNcLButtonDblClk(UINT nHitTest, CPoint point)
{
    (void)point;
    if (nHitTest == HTCAPTION && IsDocked(this) && !IsFloating(this))
        ToggleDocking();
}

void CExtControlBar::OpenBarsMenu(CPoint ptClient, bool bCaption)
{
    (void)ptClient;
    if (IsDialogMode())
        return;
    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame == nullptr || IsFrameInHelpMode(pFrame))
        return;
    CWnd* pReceiver = GetOwner();
    if (pReceiver == nullptr)
        pReceiver = GetParent();
    if (pReceiver == nullptr)
        return;
    const WORD nKind =
        bCaption ? POPUP_MENU_EVENT_DATA::kBarsMenuFromBarCaption : POPUP_MENU_EVENT_DATA::kBarsMenuFromBar;
    CExtDockBar::TrackBarsPopupMenuAtCursor(pFrame, nKind, this, WM_RBUTTONUP, pReceiver, GetWindow(GW_CHILD));
}

void CExtControlBar::OnRButtonUp(UINT nFlags, CPoint point)
{
    (void)nFlags;
    OpenBarsMenu(point, false);
}

void CExtControlBar::OnNcRButtonUp(UINT nHitTest, CPoint point)
{
    (void)nHitTest;
    CPoint ptClient(point);
    ScreenToClient(&ptClient);
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    const bool bCaption = m_rcCaption.PtInRect(CPoint(point.x - rcWnd.left, point.y - rcWnd.top)) != FALSE;
    OpenBarsMenu(ptClient, bCaption);
}

void CExtControlBar::OnContextMenu(CWnd* pWnd, CPoint point)
{
    (void)pWnd;
    CPoint ptClient(point);
    ScreenToClient(&ptClient);
    OpenBarsMenu(ptClient, false);
}

void CExtControlBar::OnCancelMode()
{
    if ((m_bfTracking & kTrackRowExtent) != 0)
        RowExtentTrackEnd(true);
    if ((m_bfTracking & kTrackInRow) != 0)
        InRowSplitterTrackEnd(true);
    if ((m_bfTracking & kTrackDragging) != 0)
        DraggingEnd(true);
    if ((m_bfRuntimeState & kStateNcButtonHover) != 0)
    {
        m_bfRuntimeState &= ~kStateNcButtonHover;
        PostMessage(WM_NCPAINT);
    }
    CExtDockingKindOf::CloseToolBarMenus();
    CExtPopupMenuWnd::CancelMenuTracking();
    CControlBar::OnCancelMode();
}

void CExtControlBar::OnCaptureChanged(CWnd* pWnd)
{
    if ((m_bfTracking & kTrackRowExtent) != 0)
        RowExtentTrackEnd(true);
    if ((m_bfTracking & kTrackInRow) != 0)
        InRowSplitterTrackEnd(true);
    CControlBar::OnCaptureChanged(pWnd);
}

void CExtControlBar::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CControlBar::OnShowWindow(bShow, nStatus);
    if (nStatus == 0)
        SyncVisibility(bShow ? 1 : 0);
}

void CExtControlBar::OnSysColorChange()
{
    CControlBar::OnSysColorChange();
    g_PaintManagerHolder.OnSysColorChange(this);
    g_CmdManagerHolder.OnSysColorChange(this);
    RequestFrameLayout();
}

void CExtControlBar::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CControlBar::OnSettingChange(uFlags, lpszSection);
    g_PaintManagerHolder.OnSettingChange(this, uFlags, lpszSection);
    g_CmdManagerHolder.OnSettingChange(this, uFlags, lpszSection);
    RequestFrameLayout();
}

void CExtControlBar::OnDisplayChange(UINT nBitsPerPixel, int cx, int cy)
{
    CControlBar::OnDisplayChange(nBitsPerPixel, cx, cy);
    g_PaintManagerHolder.OnDisplayChange(this, (int)nBitsPerPixel, cx, cy);
    g_CmdManagerHolder.OnDisplayChange(this, (INT)nBitsPerPixel, cx, cy);
    RequestFrameLayout();
}

LRESULT CExtControlBar::OnThemeChangedBar(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = Default();
    g_PaintManagerHolder.OnThemeChanged(this, wParam, lParam);
    g_CmdManagerHolder.OnThemeChanged(this, wParam, lParam);
    RequestFrameLayout();
    return lResult;
}

LRESULT CExtControlBar::OnHelpHitTestBar(WPARAM wParam, LPARAM lParam)
{
    if (::GetCapture() == GetSafeHwnd())
        SendMessage(WM_CANCELMODE);
    const CPoint pt((short)LOWORD(lParam), (short)HIWORD(lParam));
    const int nHit = HitTestItem(pt);
    if (nHit == -3)
        return 0;
    if (nHit == -2)
        return -1;
    if (nHit == -1)
        return CControlBar::OnHelpHitTest(wParam, lParam);
    return nHit + 0x10000;
}

// ---- pre-translation and tool hits -------------------------------------------------------------------------------

BOOL CExtControlBar::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (CExtDockDynBar* pDyn = DYNAMIC_DOWNCAST(CExtDockDynBar, GetParent()))
    {
        if (pDyn->PreTranslateMessage(pMsg))
            return TRUE;
    }
    // Fly-by prompts also for the caption buttons, which lie outside the client area.
    if ((m_dwStyle & CBRS_FLYBY) != 0 && (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) &&
        !CExtMenuKindOf::IsToolBarMenuTracking() && !CExtPopupMenuWnd::IsMenuTracking())
    {
        CPoint pt(pMsg->pt);
        ScreenToClient(&pt);
        UpdateFlyByHit((int)OnToolHitTest(pt, nullptr));
    }
    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame != nullptr && IsFrameInHelpMode(pFrame))
        return FALSE;
    if (!IsDialogMode())
    {
        for (CWnd* pOwner = GetOwner(); pOwner != nullptr && pOwner->GetSafeHwnd() != nullptr;
             pOwner = pOwner->GetParentFrame())
        {
            if (pOwner->PreTranslateMessage(pMsg))
                return TRUE;
            if (!pOwner->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
                break;
        }
    }
    return PreTranslateInput(pMsg);
}

INT_PTR CExtControlBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    if (CExtMenuKindOf::IsToolBarMenuTracking() || CExtPopupMenuWnd::IsMenuTracking())
        return -1;
    CPoint ptScreen(point);
    ClientToScreen(&ptScreen);
    for (INT_PTR i = 0; i < m_arrNcButtons.GetSize(); ++i)
    {
        CExtBarNcAreaButton* pBtn = m_arrNcButtons[i];
        // Button rectangles are in the carrying window's coordinates (the floating frame, the slider).
        CWnd* pCarrier = pBtn->GetCarrierWnd();
        if (pCarrier == nullptr || pCarrier->GetSafeHwnd() == nullptr || !pBtn->IsVisible())
            continue;
        CRect rcWnd;
        pCarrier->GetWindowRect(&rcWnd);
        const CPoint pt(ptScreen.x - rcWnd.left, ptScreen.y - rcWnd.top);
        if (pBtn->m_rc.PtInRect(pt))
            return pBtn->OnToolHitTest(pt, pTI);
    }
    return -1;
}
