// The control-bar base: dock-site membership, layout within the frame, idle updates, fly-by
// prompts, painting and the saved bar state.
#include "platform/Platform.h"
#include "platform/ControlBar.h"
#include "platform/DockBar.h"
#include "platform/DockContext.h"
#include "platform/DockState.h"
#include "platform/FrameWnd.h"
#include "platform/MiniDockFrameWnd.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_TIMER()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
END_MESSAGE_MAP()

namespace
{
const UINT kFlyByWait = 300;  // resting time before a tool's prompt shows
const UINT kFlyByCheck = 200; // how often the bar checks that the cursor left it
const int kBorderEdge = 2;    // width of a drawn CBRS_BORDER_ edge
} // namespace

CControlBar::CControlBar() {}

CControlBar::~CControlBar()
{
    LeaveDockSite();
    delete m_pDockContext;
    m_pDockContext = nullptr;
}

// ---- style ----------------------------------------------------------------------------------------

void CControlBar::SetBarStyle(DWORD dwStyle)
{
    DWORD dwOld = m_dwStyle;
    m_dwStyle = dwStyle;
    if (dwOld != dwStyle)
        OnBarStyleChange(dwOld, dwStyle);
}

void CControlBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
{
    (void)dwOldStyle;
    if (dwNewStyle & CBRS_TOOLTIPS)
        m_nFlags |= WF_TOOLTIPS;
    else
        m_nFlags &= ~WF_TOOLTIPS;
}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    m_cxLeftBorder = cxLeft;
    m_cyTopBorder = cyTop;
    m_cxRightBorder = cxRight;
    m_cyBottomBorder = cyBottom;
}

// ---- docking --------------------------------------------------------------------------------------

void CControlBar::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle;
    if (m_pDockContext == nullptr)
        m_pDockContext = new CDockContext(this);
    // A floating bar still reports to the frame it came from.
    DecideCommandOwner();
}

void CControlBar::DecideCommandOwner()
{
    if (m_hWndOwner != nullptr || m_hWnd == nullptr)
        return;
    CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(m_hWnd));
    m_hWndOwner = pParent != nullptr && pParent->IsKindOf(RUNTIME_CLASS(CDockBar)) && m_pDockSite != nullptr
                      ? m_pDockSite->GetSafeHwnd()
                      : ::GetParent(m_hWnd);
}

BOOL CControlBar::IsFloating() const
{
    if (IsDockBar())
        return static_cast<const CDockBar*>(this)->m_bFloating;
    return m_pDockBar != nullptr && m_pDockBar->m_bFloating;
}

BOOL CControlBar::IsVisible() const
{
    if (m_nStateFlags & delayHide)
        return FALSE;
    if (m_nStateFlags & delayShow)
        return TRUE;
    return m_hWnd != nullptr && (::GetWindowLongPtrW(m_hWnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

CFrameWnd* CControlBar::GetDockingFrame() const
{
    CFrameWnd* pFrame = m_hWnd != nullptr ? GetParentFrame() : nullptr;
    if (pFrame == nullptr)
        pFrame = m_pDockSite;
    if (pFrame != nullptr && pFrame->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)))
    {
        CFrameWnd* pOuter = pFrame->GetParentFrame();
        pFrame = pOuter != nullptr ? pOuter : m_pDockSite;
    }
    return pFrame;
}

void CControlBar::DelayShow(BOOL bShow)
{
    BOOL bVisible = m_hWnd != nullptr && (GetStyle() & WS_VISIBLE) != 0;
    m_nStateFlags &= ~(delayHide | delayShow);
    if (bShow && !bVisible)
        m_nStateFlags |= delayShow;
    else if (!bShow && bVisible)
        m_nStateFlags |= delayHide;
}

BOOL CControlBar::RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout)
{
    BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
    if (!(m_nStateFlags & (delayHide | delayShow)))
        return bVisible;
    BOOL bWanted = (m_nStateFlags & delayShow) != 0;
    if (lpLayout != nullptr && lpLayout->hDWP == nullptr)
        return bWanted; // a query: the bar seems as it will be, nothing changes yet
    m_nStateFlags &= ~(delayHide | delayShow);
    if (bWanted == bVisible)
        return bVisible;
    UINT nFlags = (bWanted ? SWP_SHOWWINDOW : SWP_HIDEWINDOW) | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    if (lpLayout != nullptr && lpLayout->hDWP != nullptr)
        lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, m_hWnd, nullptr, 0, 0, 0, 0, nFlags);
    else
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, nFlags);
    return bWanted;
}

// ---- layout ---------------------------------------------------------------------------------------

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    if (m_dwStyle & CBRS_BORDER_LEFT)
        rect.left += kBorderEdge;
    if (m_dwStyle & CBRS_BORDER_TOP)
        rect.top += kBorderEdge;
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        rect.right -= kBorderEdge;
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom -= kBorderEdge;
    if (bHorz)
    {
        rect.left += m_cxLeftBorder;
        rect.top += m_cyTopBorder;
        rect.right -= m_cxRightBorder;
        rect.bottom -= m_cyBottomBorder;
    }
    else
    {
        rect.left += m_cyTopBorder;
        rect.top += m_cxLeftBorder;
        rect.right -= m_cyBottomBorder;
        rect.bottom -= m_cxRightBorder;
    }
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size(bStretch && bHorz ? 32767 : 0, bStretch && !bHorz ? 32767 : 0);
    CRect inside(0, 0, 0, 0);
    CalcInsideRect(inside, bHorz);
    // The inside of an empty rectangle is "negative": its extents are the insets.
    size.cx -= inside.Width();
    size.cy -= inside.Height();
    return size;
}

CSize CControlBar::CalcDynamicLayout(int nLength, DWORD nMode)
{
    (void)nLength;
    return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZ) != 0);
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    auto* lpLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    BOOL bVisible = RecalcDelayShow(lpLayout);
    DWORD dwAlign = m_dwStyle & CBRS_ALIGN_ANY;
    if (!bVisible || dwAlign == 0)
        return 0;
    CRect rect(lpLayout->rect);
    CSize sizeAvail = rect.Size();
    DWORD dwMode = lpLayout->bStretch ? LM_STRETCH : 0;
    if ((m_dwStyle & CBRS_SIZE_DYNAMIC) && (m_dwStyle & CBRS_FLOATING))
        dwMode |= LM_HORZ | LM_MRUWIDTH;
    else if (dwAlign & CBRS_ORIENT_HORZ)
        dwMode |= LM_HORZ | LM_HORZDOCK;
    else
        dwMode |= LM_VERTDOCK;
    CSize size = CalcDynamicLayout(-1, dwMode);
    size.cx = std::max(0L, std::min(size.cx, sizeAvail.cx));
    size.cy = std::max(0L, std::min(size.cy, sizeAvail.cy));
    if (dwAlign & CBRS_ORIENT_HORZ)
    {
        lpLayout->sizeTotal.cy += size.cy;
        lpLayout->sizeTotal.cx = std::max(lpLayout->sizeTotal.cx, size.cx);
        if (dwAlign & CBRS_ALIGN_TOP)
            lpLayout->rect.top += size.cy;
        else
        {
            rect.top = rect.bottom - size.cy;
            lpLayout->rect.bottom -= size.cy;
        }
    }
    else
    {
        lpLayout->sizeTotal.cx += size.cx;
        lpLayout->sizeTotal.cy = std::max(lpLayout->sizeTotal.cy, size.cy);
        if (dwAlign & CBRS_ALIGN_LEFT)
            lpLayout->rect.left += size.cx;
        else
        {
            rect.left = rect.right - size.cx;
            lpLayout->rect.right -= size.cx;
        }
    }
    rect.right = rect.left + size.cx;
    rect.bottom = rect.top + size.cy;
    AfxRepositionWindow(lpLayout, m_hWnd, &rect);
    return 0;
}

// ---- creation and destruction -------------------------------------------------------------------------

int CControlBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    OnBarStyleChange(m_dwStyle, m_dwStyle);
    CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(m_hWnd));
    if (m_pDockSite == nullptr && pParent != nullptr && pParent->IsFrameWnd())
        m_pDockSite = static_cast<CFrameWnd*>(pParent);
    // A bar made in a dock bar is docked as it is made: its command owner is decided now, before anything asks for
    // it (the dock bar answers no command); any other bar's as it is made dockable.
    if (pParent != nullptr && pParent->IsKindOf(RUNTIME_CLASS(CDockBar)))
        DecideCommandOwner();
    if (m_pDockSite != nullptr)
        m_pDockSite->AddControlBar(this);
    return 0;
}

void CControlBar::OnDestroy()
{
    KillTimer(ID_TIMER_WAIT);
    KillTimer(ID_TIMER_CHECK);
    // Out of the dock bar (no placeholder) and out of every frame's list.
    if (m_pDockBar != nullptr)
    {
        CDockBar* pDockBar = m_pDockBar;
        m_pDockBar = nullptr;
        if (pDockBar->m_hWnd != nullptr)
            pDockBar->RemoveControlBar(this, -1, -1);
    }
    LeaveDockSite();
    CWnd::OnDestroy();
}

void CControlBar::LeaveDockSite() { CFrameWnd::RemoveFromAllLists(this); }

void CControlBar::PostNcDestroy()
{
    CWnd::PostNcDestroy();
    if (m_bAutoDelete)
        delete this;
}

// ---- commands ---------------------------------------------------------------------------------------

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    if (m_pDockBar != nullptr && m_pDockBar->m_hWnd != nullptr && !(m_pDockBar->GetStyle() & WS_VISIBLE))
        return 0;
    CWnd* pOwner = GetOwner();
    CFrameWnd* pTarget = pOwner != nullptr && pOwner->IsFrameWnd() ? static_cast<CFrameWnd*>(pOwner) : nullptr;
    if (pTarget == nullptr)
        pTarget = GetParentFrame();
    if (pTarget != nullptr)
        OnUpdateCmdUI(pTarget, (BOOL)wParam);
    return 0;
}

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    {
        // Notifications of the bar's controls: the control itself (reflection) and the bar's
        // map first, then the owner as if the controls were its own.
        LRESULT lResult = 0;
        if (OnWndMsg(message, wParam, lParam, &lResult))
            return lResult;
        CWnd* pOwner = GetOwner();
        if (pOwner != nullptr && pOwner->m_hWnd != nullptr && pOwner->m_hWnd != m_hWnd)
            return pOwner->SendMessage(message, wParam, lParam);
        break;
    }
    default: break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

LRESULT CControlBar::OnHelpHitTest(WPARAM, LPARAM lParam)
{
    CPoint point((short)LOWORD(lParam), (short)HIWORD(lParam));
    INT_PTR nHit = OnToolHitTest(point, nullptr);
    return nHit != -1 ? 0x10000 + nHit : 0;
}

// ---- input and fly-by prompts -------------------------------------------------------------------------

BOOL CControlBar::PreTranslateMessage(MSG* pMsg)
{
    if (m_dwStyle & CBRS_TOOLTIPS)
        FilterToolTipMessage(pMsg);
    if ((m_dwStyle & CBRS_FLYBY) && (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE))
        UpdateFlyBy(pMsg);
    // In help mode the frame takes the input.
    CFrameWnd* pTop = GetTopLevelFrame();
    if (pTop != nullptr && pTop->m_bHelpMode)
        return FALSE;
    // The owner and its frames translate first (accelerators), before the bar's dialog keys.
    for (CWnd* pOwner = GetOwner(); pOwner != nullptr && pOwner != this;)
    {
        if (pOwner->PreTranslateMessage(pMsg))
            return TRUE;
        CWnd* pNext = pOwner->GetParentFrame();
        if (pNext == pOwner)
            break;
        pOwner = pNext;
    }
    return PreTranslateInput(pMsg);
}

BOOL CControlBar::PreTranslateFrameKey(MSG* pMsg)
{
    (void)pMsg;
    return FALSE;
}

CFrameWnd* CControlBar::GetPromptFrame() const
{
    CWnd* pOwner = GetOwner();
    if (pOwner != nullptr && pOwner->IsFrameWnd())
        return static_cast<CFrameWnd*>(pOwner);
    return GetTopLevelFrame();
}

void CControlBar::SetStatusPrompt(int nHit)
{
    CFrameWnd* pFrame = GetPromptFrame();
    if (pFrame == nullptr || pFrame->m_hWnd == nullptr)
        return;
    pFrame->SendMessage(WM_SETMESSAGESTRING, nHit == -1 ? AFX_IDS_IDLEMESSAGE : (WPARAM)nHit);
}

void CControlBar::UpdateFlyBy(MSG* pMsg)
{
    CPoint point = pMsg->pt;
    ScreenToClient(&point);
    CRect client;
    GetClientRect(&client);
    UpdateFlyByHit(client.PtInRect(point) ? (int)OnToolHitTest(point, nullptr) : -1);
}

void CControlBar::UpdateFlyByHit(int nHit)
{
    if (nHit == m_nFlyByHit)
        return;
    m_nFlyByHit = nHit;
    if (nHit != -1)
    {
        if (m_bFlyByShown)
            SetStatusPrompt(nHit); // already showing prompts: follow at once
        else
            SetTimer(ID_TIMER_WAIT, kFlyByWait);
    }
    else
    {
        KillTimer(ID_TIMER_WAIT);
        if (m_bFlyByShown)
            SetTimer(ID_TIMER_CHECK, kFlyByCheck);
    }
}

void CControlBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == ID_TIMER_WAIT)
    {
        KillTimer(ID_TIMER_WAIT);
        if (m_nFlyByHit != -1)
        {
            SetStatusPrompt(m_nFlyByHit);
            m_bFlyByShown = TRUE;
            SetTimer(ID_TIMER_CHECK, kFlyByCheck);
        }
        return;
    }
    if (nIDEvent == ID_TIMER_CHECK)
    {
        // The prompt stays while the cursor rests on a tool of this bar.
        CPoint point;
        ::GetCursorPos(&point);
        HWND hUnder = ::WindowFromPoint(point);
        BOOL bOver = hUnder == m_hWnd || ::IsChild(m_hWnd, hUnder);
        if (bOver && m_nFlyByHit != -1)
            return;
        KillTimer(ID_TIMER_CHECK);
        m_nFlyByHit = -1;
        m_bFlyByShown = FALSE;
        SetStatusPrompt(-1);
        return;
    }
    CWnd::OnTimer(nIDEvent);
}

void CControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_pDockContext != nullptr && !IsFloating() && OnToolHitTest(point, nullptr) == -1)
    {
        ClientToScreen(&point);
        m_pDockContext->StartDrag(point);
        return;
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CControlBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_pDockContext != nullptr && OnToolHitTest(point, nullptr) == -1)
    {
        m_pDockContext->ToggleDocking();
        return; // the bar may now live in another frame: nothing more here
    }
    CWnd::OnLButtonDblClk(nFlags, point);
}

// ---- painting -----------------------------------------------------------------------------------------

BOOL CControlBar::OnEraseBkgnd(CDC*)
{
    return TRUE; // DoPaint fills the whole client area
}

void CControlBar::OnPaint()
{
    CPaintDC dc(this);
    DoPaint(&dc);
}

void CControlBar::DoPaint(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    DrawBorders(pDC, rect);
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
}

void CControlBar::DrawBorders(CDC* pDC, CRect& rect)
{
    COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    // Each edge: an outer shadow line and an inner highlight line (an etched border).
    if (m_dwStyle & CBRS_BORDER_TOP)
    {
        pDC->FillSolidRect(rect.left, rect.top, rect.Width(), 1, clrShadow);
        pDC->FillSolidRect(rect.left, rect.top + 1, rect.Width(), 1, clrHilite);
        rect.top += kBorderEdge;
    }
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
    {
        pDC->FillSolidRect(rect.left, rect.bottom - 2, rect.Width(), 1, clrShadow);
        pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, clrHilite);
        rect.bottom -= kBorderEdge;
    }
    if (m_dwStyle & CBRS_BORDER_LEFT)
    {
        pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), clrShadow);
        pDC->FillSolidRect(rect.left + 1, rect.top, 1, rect.Height(), clrHilite);
        rect.left += kBorderEdge;
    }
    if (m_dwStyle & CBRS_BORDER_RIGHT)
    {
        pDC->FillSolidRect(rect.right - 2, rect.top, 1, rect.Height(), clrShadow);
        pDC->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), clrHilite);
        rect.right -= kBorderEdge;
    }
}

// ---- saved state ----------------------------------------------------------------------------------------

void CControlBar::GetBarInfo(CControlBarInfo* pInfo)
{
    if (pInfo == nullptr || m_hWnd == nullptr)
        return;
    pInfo->m_pBar = this;
    pInfo->m_nBarID = (UINT)GetDlgCtrlID();
    pInfo->m_bVisible = IsVisible();
    pInfo->m_bFloating = IsFloating();
    pInfo->m_bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    pInfo->m_bDockBar = FALSE;
    pInfo->m_nMRUWidth = m_nMRUWidth;
    CRect rect;
    GetWindowRect(&rect);
    if (CWnd* pParent = GetParent())
        pParent->ScreenToClient(&rect);
    pInfo->m_pointPos = rect.TopLeft();
    if (m_pDockContext != nullptr)
    {
        pInfo->m_uMRUDockID = m_pDockContext->m_uMRUDockID;
        pInfo->m_rectMRUDockPos = m_pDockContext->m_rectMRUDockPos;
        pInfo->m_dwMRUFloatStyle = m_pDockContext->m_dwMRUFloatStyle;
        pInfo->m_ptMRUFloatPos = m_pDockContext->m_ptMRUFloatPos;
    }
}

void CControlBar::SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd)
{
    (void)pFrameWnd;
    if (pInfo == nullptr || m_hWnd == nullptr)
        return;
    m_nMRUWidth = pInfo->m_nMRUWidth;
    if (m_pDockContext != nullptr)
    {
        m_pDockContext->m_uMRUDockID = pInfo->m_uMRUDockID;
        m_pDockContext->m_rectMRUDockPos = pInfo->m_rectMRUDockPos;
        m_pDockContext->m_dwMRUFloatStyle = pInfo->m_dwMRUFloatStyle;
        m_pDockContext->m_ptMRUFloatPos = pInfo->m_ptMRUFloatPos;
    }
    // The dock bar's layout keeps bars where they were placed.
    SetWindowPos(nullptr, pInfo->m_pointPos.x, pInfo->m_pointPos.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    DelayShow(pInfo->m_bVisible);
}
