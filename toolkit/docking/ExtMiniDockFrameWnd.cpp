// CExtMiniDockFrameWnd: creation and style stripping, the bar it holds, non-client geometry and size, painting,
// timers and tool tips (the pointer: ExtMiniDockFrameWndMouse.cpp).
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "platform/Dc.h"
#include "toolkit/docking/ExtBarNcAreaButton.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/docking/ExtDockingKindOf.h"
#include "toolkit/docking/ExtDynControlBar.h"
#include "toolkit/foundation/ExtMemoryDC.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtMenuKindOf.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(CExtMiniDockFrameWnd, CMiniDockFrameWnd)

namespace
{
bool g_bInPositionFix = false;

const DWORD kStrippedStyles = WS_CAPTION | WS_THICKFRAME | MFS_4THICKFRAME;
const DWORD kStrippedExStyles = WS_EX_STATICEDGE | WS_EX_WINDOWEDGE | WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME;
const UINT kStyleSwpFlags = 0x73F;

// The top of a frame whose caption stays reachable in the work area.
int ReachableTop(int nTop, const CRect& rcWork)
{
    const int cyCaption = ::GetSystemMetrics(SM_CYSMCAPTION);
    if (nTop < rcWork.top)
        return rcWork.top;
    if (nTop + cyCaption > rcWork.bottom)
        return std::max((int)rcWork.top, (int)rcWork.bottom - cyCaption);
    return nTop;
}
} // namespace

BEGIN_MESSAGE_MAP(CExtMiniDockFrameWnd, CMiniDockFrameWnd)
ON_WM_NCMOUSEMOVE()
ON_WM_TIMER()
ON_WM_CLOSE()
ON_WM_NCPAINT()
ON_WM_NCACTIVATE()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_MOUSEACTIVATE()
ON_WM_NCLBUTTONDOWN()
ON_WM_NCLBUTTONUP()
ON_WM_NCRBUTTONDOWN()
ON_WM_GETMINMAXINFO()
ON_WM_WINDOWPOSCHANGING()
ON_WM_WINDOWPOSCHANGED()
ON_WM_SIZE()
ON_WM_MOUSEMOVE()
ON_WM_CAPTURECHANGED()
ON_WM_LBUTTONUP()
ON_WM_RBUTTONDOWN()
ON_WM_ERASEBKGND()
ON_WM_NCHITTEST()
ON_WM_NCLBUTTONDBLCLK()
ON_WM_CANCELMODE()
ON_WM_PAINT()
ON_WM_NCCALCSIZE()
ON_REGISTERED_MESSAGE(CExtOriginPutBack::g_nMsgBackFromOrigin, OnBackFromOrigin)
END_MESSAGE_MAP()

CExtMiniDockFrameWnd::CExtMiniDockFrameWnd()
    : m_rcCaptionButton(0, 0, 0, 0), m_bCaptionButtonHover(0), m_rcFrameCaption(0, 0, 0, 0), m_ptResizePrev(-1, -1),
      m_nResizingHitTest(0), m_rcResizeStart(0, 0, 0, 0)
{}

CExtMiniDockFrameWnd::~CExtMiniDockFrameWnd() {}

CRect CExtMiniDockFrameWnd::WorkAreaOf(CWnd* pWnd)
{
    CExtPaintManager::MonitorParms mp;
    CExtPaintManager::GetMonitorParmsFromWnd(mp, pWnd);
    return mp.m_rcWorkArea;
}

CPoint CExtMiniDockFrameWnd::WindowPoint(CWnd* pWnd, CPoint ptScreen)
{
    CRect rcWnd;
    pWnd->GetWindowRect(&rcWnd);
    return CPoint(ptScreen.x - rcWnd.left, ptScreen.y - rcWnd.top);
}

// ---- creation ----------------------------------------------------------------------------------------------

void CExtMiniDockFrameWnd::StripStyles()
{
    if (GetSafeHwnd() == nullptr)
        return;
    const DWORD dwStyle = (DWORD)::GetWindowLongW(m_hWnd, GWL_STYLE);
    if ((dwStyle & kStrippedStyles) != 0)
    {
        ::SetWindowLongW(m_hWnd, GWL_STYLE, (LONG)(dwStyle & ~kStrippedStyles));
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, kStyleSwpFlags);
    }
    const DWORD dwExStyle = (DWORD)::GetWindowLongW(m_hWnd, GWL_EXSTYLE);
    if ((dwExStyle & kStrippedExStyles) != 0)
    {
        ::SetWindowLongW(m_hWnd, GWL_EXSTYLE, (LONG)(dwExStyle & ~kStrippedExStyles));
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, kStyleSwpFlags);
    }
}

BOOL CExtMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle, LPCRECT lpPlace)
{
    // Made where its caption is reachable, as a move there would put it.
    CRect rcPlace = lpPlace != nullptr ? CRect(*lpPlace) : CRect(0, 0, 0, 0);
    if (lpPlace != nullptr)
    {
        CExtPaintManager::MonitorParms mp;
        CExtPaintManager::GetMonitorParmsFromRect(mp, rcPlace);
        rcPlace.OffsetRect(0, ReachableTop(rcPlace.top, mp.m_rcWorkArea) - rcPlace.top);
    }
    if (!CMiniDockFrameWnd::Create(pParent, dwBarStyle, lpPlace != nullptr ? &rcPlace : nullptr))
        return FALSE;
    ModifyStyle(0, WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    if (m_wndDockBar.GetSafeHwnd() != nullptr)
        m_wndDockBar.ModifyStyle(0, WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    StripStyles();
    SetTimer(kTimerLayoutButtons, 1, nullptr);
    EnableToolTips();
    if (m_wndToolTip.Create(this))
        m_wndToolTip.Activate(TRUE);
    return TRUE;
}

void CExtMiniDockFrameWnd::RecalcLayout(BOOL bNotify)
{
    CMiniDockFrameWnd::RecalcLayout(bNotify);
    // A frame made at its full size before its bar came in (a stored state read back) had its size message while
    // empty: the bar's caption buttons, made at a size, are made here once the bar is in. A frame on the screen (a
    // container made in it by a drop beside its bar) painted its caption without them: it shows them now.
    CExtControlBar* pBar = GetFloatingExtBar();
    if (pBar != nullptr && pBar->NcButtonGetCount() == 0)
    {
        pBar->MakeNcButtons();
        if (IsOnScreen())
            SendMessage(WM_NCPAINT);
    }
}

void CExtMiniDockFrameWnd::OnWindowPosChanging(WINDOWPOS* lpWndPos)
{
    // A show held back holds back the raise that comes with it: a hidden frame is left as it stands.
    if ((lpWndPos->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) != 0 && HoldShow((lpWndPos->flags & SWP_SHOWWINDOW) != 0))
        lpWndPos->flags = (lpWndPos->flags & ~SWP_SHOWWINDOW) | SWP_NOZORDER;
    CMiniDockFrameWnd::OnWindowPosChanging(lpWndPos);
    StripStyles();
}

// ---- the bar ------------------------------------------------------------------------------------------------

CControlBar* CExtMiniDockFrameWnd::GetFloatingBar() const
{
    if (GetSafeHwnd() == nullptr)
        return nullptr;
    HWND hDockBar = ::GetWindow(m_hWnd, GW_CHILD);
    HWND hBar = hDockBar != nullptr ? ::GetWindow(hDockBar, GW_CHILD) : nullptr;
    if (hBar == nullptr)
        return nullptr;
    return DYNAMIC_DOWNCAST(CControlBar, CWnd::FromHandlePermanent(hBar));
}

CExtControlBar* CExtMiniDockFrameWnd::GetFloatingExtBar() const
{
    return DYNAMIC_DOWNCAST(CExtControlBar, GetFloatingBar());
}

// ---- non-client geometry ---------------------------------------------------------------------------------------

void CExtMiniDockFrameWnd::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    (void)bCalcValidRects;
    RECT& rc = lpncsp->rgrc[0];
    rc.left += ::GetSystemMetrics(SM_CXFRAME);
    rc.right -= ::GetSystemMetrics(SM_CXFRAME);
    rc.top += ::GetSystemMetrics(SM_CYFRAME) + ::GetSystemMetrics(SM_CYSMCAPTION);
    rc.bottom -= ::GetSystemMetrics(SM_CYFRAME);
}

static void AddBorders(LPRECT lpClientRect)
{
    lpClientRect->left -= ::GetSystemMetrics(SM_CXFRAME);
    lpClientRect->right += ::GetSystemMetrics(SM_CXFRAME);
    lpClientRect->top -= ::GetSystemMetrics(SM_CYFRAME) + ::GetSystemMetrics(SM_CYSMCAPTION);
    lpClientRect->bottom += ::GetSystemMetrics(SM_CYFRAME);
}

void CExtMiniDockFrameWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    (void)nAdjustType;
    AddBorders(lpClientRect);
}

CRect CExtMiniDockFrameWnd::RectAround(CPoint ptPlace, CSize sizeBar, BOOL bHorz)
{
    CRect rc(CPoint(0, 0), CDockBar::CalcSizeAroundOne(sizeBar, bHorz));
    AddBorders(&rc);
    CExtPaintManager::MonitorParms mp;
    CExtPaintManager::GetMonitorParmsFromRect(mp, CRect(ptPlace, rc.Size()));
    return CRect(ptPlace,
                 CSize(std::min(rc.Width(), mp.m_rcWorkArea.Width()), std::min(rc.Height(), mp.m_rcWorkArea.Height())));
}

CRect CExtMiniDockFrameWnd::CalcRectAround(CPoint ptPlace, CControlBar* pBar, DWORD dwBarStyle)
{
    const CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, pBar);
    if (pExt == nullptr)
        return CMiniDockFrameWnd::CalcRectAround(ptPlace, pBar, dwBarStyle);
    return RectAround(ptPlace, pExt->m_sizeFloating, (dwBarStyle & CBRS_ORIENT_HORZ) != 0);
}

void CExtMiniDockFrameWnd::LayoutCaption(int cx, int cy)
{
    (void)cy;
    const int cxFrame = ::GetSystemMetrics(SM_CXFRAME), cyFrame = ::GetSystemMetrics(SM_CYFRAME);
    m_rcFrameCaption = CRect(cxFrame, cyFrame, cx - cxFrame, cyFrame + ::GetSystemMetrics(SM_CYSMSIZE));
    const int n = ::GetSystemMetrics(SM_CXSMSIZE) - 1;
    const int x = m_rcFrameCaption.right - n - 1;
    m_rcCaptionButton = CRect(x, m_rcFrameCaption.top + 2, x + n - 2, m_rcFrameCaption.bottom - 2);
}

void CExtMiniDockFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    const CRect rcWork = WorkAreaOf(this);
    if (cx > rcWork.Width() || cy > rcWork.Height())
    {
        CRect rcWnd;
        GetWindowRect(&rcWnd);
        SetWindowPos(nullptr, rcWnd.left, rcWnd.top, std::min(cx, rcWork.Width()), std::min(cy, rcWork.Height()),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    CMiniDockFrameWnd::OnSize(nType, cx, cy);
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    LayoutCaption(rcWnd.Width(), rcWnd.Height());
    if (CExtControlBar* pBar = GetFloatingExtBar())
        pBar->MakeNcButtons();
    CExtPaintManager::PumpPaintMessages();
}

void CExtMiniDockFrameWnd::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    CMiniDockFrameWnd::OnGetMinMaxInfo(lpMMI);
    const CRect rcWork = WorkAreaOf(this);
    lpMMI->ptMaxTrackSize.x = std::min<LONG>(lpMMI->ptMaxTrackSize.x, rcWork.Width());
    lpMMI->ptMaxTrackSize.y = std::min<LONG>(lpMMI->ptMaxTrackSize.y, rcWork.Height());
}

void CExtMiniDockFrameWnd::OnWindowPosChanged(WINDOWPOS* lpWndPos)
{
    CMiniDockFrameWnd::OnWindowPosChanged(lpWndPos);
    // Wine's move to the origin is undone as a whole: no move of the frame's own takes that place for its own.
    if (m_originPutBack.OnWindowPosChanged(this, lpWndPos))
        return;
    if (IsResizing() || g_bInPositionFix || (lpWndPos->flags & SWP_NOMOVE) != 0)
        return;
    // The caption stays reachable. The bar is looked up (a walk over child windows) only when the frame must move.
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    const int nTop = ReachableTop(rcWnd.top, WorkAreaOf(this));
    if (nTop == rcWnd.top)
        return;
    // A frame still empty (a bar being floated is placed before it moves in) follows the rule too, or it would
    // keep a place no later move (a read-back of the stored state) gives it again.
    CExtControlBar* pBar = GetFloatingExtBar();
    if (pBar != nullptr && !CExtControlBar::IsFloating(pBar))
        return;
    g_bInPositionFix = true;
    SetWindowPos(nullptr, rcWnd.left, nTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (pBar != nullptr)
        pBar->LayoutNcButtons();
    PostMessage(WM_NCPAINT);
    CExtPaintManager::PumpPaintMessages();
    g_bInPositionFix = false;
}

LRESULT CExtMiniDockFrameWnd::OnBackFromOrigin(WPARAM, LPARAM)
{
    m_originPutBack.OnBackFromOrigin(this);
    return 0;
}

// ---- painting ------------------------------------------------------------------------------------------------

bool CExtMiniDockFrameWnd::GetContainerCaption(CString& sText) const
{
    sText.Empty();
    CFrameWnd* pDockSite = m_wndDockBar.m_pDockSite != nullptr ? m_wndDockBar.m_pDockSite : GetParentFrame();
    if (pDockSite == nullptr)
        return false;
    // The only visible resizable bar of this frame names it; the containers themselves do not count.
    CExtControlBar* pSingle = nullptr;
    int nVisible = 0;
    for (POSITION pos = pDockSite->m_listControlBars.GetHeadPosition(); pos != nullptr;)
    {
        CExtControlBar* pBar = DYNAMIC_DOWNCAST(CExtControlBar, pDockSite->m_listControlBars.GetNext(pos));
        if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr || pBar->m_pDockSite == nullptr || pBar->IsFixedSize())
            continue;
        if (pBar->GetRuntimeClass() == RUNTIME_CLASS(CExtDynControlBar))
            continue;
        if (pBar->GetParentFrame() != this || !pBar->IsVisible() || pBar->m_pDockBar == nullptr)
            continue;
        if (!pBar->m_pDockBar->IsKindOf(RUNTIME_CLASS(CExtDockBar)) ||
            CExtDockingKindOf::IsDockDynTabBar(pBar->m_pDockBar))
            continue;
        pSingle = pBar;
        nVisible++;
    }
    if (nVisible == 1)
        pSingle->GetCaptionText(sText);
    return !sText.IsEmpty();
}

void CExtMiniDockFrameWnd::OnNcPaint() { PaintNcArea(); }

void CExtMiniDockFrameWnd::PaintNcArea()
{
    CRect rcWnd, rcClient;
    GetWindowRect(&rcWnd);
    GetClientRect(&rcClient);
    ClientToScreen(&rcClient);
    rcClient.OffsetRect(-rcWnd.left, -rcWnd.top);
    rcWnd.OffsetRect(-rcWnd.left, -rcWnd.top);
    CDC* pWndDC = GetWindowDC();
    if (pWndDC == nullptr)
        return;
    pWndDC->ExcludeClipRect(&rcClient);
    {
        CExtMemoryDC dc(pWndDC, &rcWnd, CExtMemoryDC::MemDcBuffer | CExtMemoryDC::MemDcFillBackground);
        CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
        CExtControlBar* pBar = GetFloatingExtBar();
        const bool bResizable = pBar != nullptr && !pBar->IsFixedSize();
        CExtPaintManager::DockingFramePaintData frame(this, rcWnd, rcClient, true, bResizable, false);
        pPM->PaintDockingFrame(dc, frame);
        CString sText;
        if (pBar != nullptr && pBar->IsKindOf(RUNTIME_CLASS(CExtDynControlBar)) &&
            !CExtDockingKindOf::IsDynTabControlBar(pBar))
            GetContainerCaption(sText);
        else if (pBar != nullptr)
            pBar->GetCaptionText(sText);
        if (sText.IsEmpty() && pBar == nullptr)
            GetWindowText(sText);
        CRect rcText(m_rcFrameCaption.left, m_rcFrameCaption.top, m_rcCaptionButton.left, m_rcFrameCaption.bottom);
        if (pBar != nullptr)
            pBar->CalcNcButtonsExtent(rcText);
        rcText.DeflateRect(2, 0);
        HWND hFocus = ::GetFocus();
        const bool bActive = hFocus != nullptr && (hFocus == m_hWnd || ::IsChild(m_hWnd, hFocus));
        CExtPaintManager::CaptionPaintData caption(this, m_rcFrameCaption, rcText, bActive, true, false, bResizable,
                                                   sText.IsEmpty() ? nullptr : (LPCTSTR)sText);
        pPM->PaintControlBarFrame(dc, caption);
        if (pBar != nullptr)
            pBar->NcButtonsPaint(dc);
        pPM->EndPaintSession(this);
    }
    ReleaseDC(pWndDC);
}

BOOL CExtMiniDockFrameWnd::OnNcActivate(BOOL bActive)
{
    const BOOL bResult = CMiniDockFrameWnd::OnNcActivate(bActive);
    SendMessage(WM_NCPAINT);
    if (bActive)
    {
        if (CExtControlBar* pBar = GetFloatingExtBar())
            pBar->RedrawWindow(nullptr, nullptr, 0x185);
    }
    return bResult;
}

// The caption is active while the focus is in the frame: the activation comes before the focus moves, and only
// the bar's own focus changes repaint it, so the frame's own focus repaints it too.
void CExtMiniDockFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    CMiniDockFrameWnd::OnSetFocus(pOldWnd);
    if (IsOnScreen())
        SendMessage(WM_NCPAINT);
}

void CExtMiniDockFrameWnd::OnKillFocus(CWnd* pNewWnd)
{
    CMiniDockFrameWnd::OnKillFocus(pNewWnd);
    if (IsOnScreen())
        SendMessage(WM_NCPAINT);
}

void CExtMiniDockFrameWnd::OnPaint() { ValidateRect(nullptr); }

BOOL CExtMiniDockFrameWnd::OnEraseBkgnd(CDC* pDC)
{
    (void)pDC;
    return TRUE;
}

void CExtMiniDockFrameWnd::OnClose() { CMiniDockFrameWnd::OnClose(); }

// ---- timers --------------------------------------------------------------------------------------------------

void CExtMiniDockFrameWnd::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent)
    {
    case kTimerLayoutButtons:
        // Stops once the frame holds a bar of any kind.
        if (GetFloatingBar() == nullptr)
            return;
        KillTimer(kTimerLayoutButtons);
        if (CExtControlBar* pBar = GetFloatingExtBar())
        {
            pBar->LayoutNcButtons();
            if (IsOnScreen())
                SendMessage(WM_NCPAINT);
        }
        return;
    case kTimerCaptionHover:
    {
        CPoint pt;
        ::GetCursorPos(&pt);
        UpdateCaptionButtonHover(pt);
        return;
    }
    case kTimerButtonsHover:
    {
        if (CExtControlBar::GetDraggedBar() != nullptr)
        {
            KillTimer(kTimerButtonsHover);
            return;
        }
        if (CExtControlBar* pBar = GetFloatingExtBar())
        {
            CPoint pt;
            ::GetCursorPos(&pt);
            if (pBar->NcButtonsHitTest(pt) == HTCLIENT)
            {
                PostMessage(WM_NCPAINT);
                pBar->m_bfRuntimeState &= ~CExtControlBar::kStateNcButtonHover;
            }
            if ((pBar->m_bfRuntimeState & CExtControlBar::kStateNcButtonHover) == 0)
                KillTimer(kTimerButtonsHover);
        }
        else
            KillTimer(kTimerButtonsHover);
        return;
    }
    default: CMiniDockFrameWnd::OnTimer(nIDEvent); return;
    }
}

// ---- tool tips -----------------------------------------------------------------------------------------------

BOOL CExtMiniDockFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_wndToolTip.GetSafeHwnd() != nullptr)
        m_wndToolTip.RelayEvent(pMsg);
    return CMiniDockFrameWnd::PreTranslateMessage(pMsg);
}

INT_PTR CExtMiniDockFrameWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    (void)pTI;
    CControlBar* pBar = GetFloatingBar();
    if (m_wndToolTip.GetSafeHwnd() == nullptr || pBar == nullptr || (pBar->m_dwStyle & CBRS_TOOLTIPS) == 0)
        return -1;
    TOOLINFO ti = {};
    ti.cbSize = sizeof(ti);
    CPoint ptScreen(point);
    ClientToScreen(&ptScreen);
    INT_PTR nHit = -1;
    bool bFound = false;
    // The bar's caption buttons lie in this frame's caption, laid out in its window coordinates; their tool
    // rectangles come in its client coordinates.
    CExtControlBar* pExt = GetFloatingExtBar();
    if (pExt != nullptr && !CExtPopupMenuWnd::IsMenuTracking() && !CExtMenuKindOf::IsToolBarMenuTracking())
    {
        const CPoint ptWnd = WindowPoint(const_cast<CExtMiniDockFrameWnd*>(this), ptScreen);
        for (INT_PTR i = 0; i < pExt->NcButtonGetCount() && !bFound; i++)
        {
            CExtBarNcAreaButton* pBtn = pExt->NcButtonGet((int)i);
            if (pBtn->IsVisible() && pBtn->m_rc.PtInRect(ptWnd))
            {
                nHit = pBtn->OnToolHitTest(ptWnd, &ti);
                bFound = true;
            }
        }
    }
    if (!bFound)
    {
        // The bar's own tools, in its client coordinates.
        CPoint ptBar(ptScreen);
        pBar->ScreenToClient(&ptBar);
        nHit = pBar->OnToolHitTest(ptBar, &ti);
        if (nHit != -1)
            ::MapWindowPoints(pBar->GetSafeHwnd(), GetSafeHwnd(), reinterpret_cast<POINT*>(&ti.rect), 2);
    }
    if (ti.lpszText != nullptr && ti.lpszText != LPSTR_TEXTCALLBACKW)
    {
        if (nHit != -1)
        {
            // One tool, replaced on each hit: the hit test runs on every mouse move.
            CExtMiniDockFrameWnd* pThis = const_cast<CExtMiniDockFrameWnd*>(this);
            pThis->m_wndToolTip.DelTool(pThis, 1);
            pThis->m_wndToolTip.AddTool(pThis, ti.lpszText, &ti.rect, 1);
        }
        free(ti.lpszText);
    }
    return -1;
}
