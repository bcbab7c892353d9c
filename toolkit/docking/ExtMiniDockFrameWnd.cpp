// CExtMiniDockFrameWnd: creation and style stripping, non-client geometry and hit test, the
// caption and border presses, the resize loop, painting, timers and tool tips.
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "platform/Dc.h"
#include "platform/DockContext.h"
#include "platform/WinThread.h"
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
bool g_bInResizeStep = false;
bool g_bInPositionFix = false;

const DWORD kStrippedStyles = WS_CAPTION | WS_THICKFRAME | MFS_4THICKFRAME;
const DWORD kStrippedExStyles = WS_EX_STATICEDGE | WS_EX_WINDOWEDGE | WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME;
const UINT kStyleSwpFlags = 0x73F;
// How long after its show a move of the frame to the screen's origin may be Wine's (see OnWindowPosChanged): Wine
// reads the window manager's event once the program's thread looks at its queue, seconds later on a slow start.
const DWORD kWineOriginMoveMs = 5000;

bool IsBorderCode(UINT nHit) { return nHit >= HTLEFT && nHit <= HTBOTTOMRIGHT; }

CRect WorkAreaOf(CWnd* pWnd)
{
    CExtPaintManager::MonitorParms mp;
    CExtPaintManager::GetMonitorParmsFromWnd(mp, pWnd);
    return mp.m_rcWorkArea;
}

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
ON_REGISTERED_MESSAGE(CExtMiniDockFrameWnd::g_nMsgBackFromOrigin, OnBackFromOrigin)
END_MESSAGE_MAP()

const UINT CExtMiniDockFrameWnd::g_nMsgBackFromOrigin =
    ::RegisterWindowMessageW(L"CExtMiniDockFrameWnd::BackFromOrigin");

CExtMiniDockFrameWnd::CExtMiniDockFrameWnd()
    : m_rcCaptionButton(0, 0, 0, 0), m_bCaptionButtonHover(0), m_rcFrameCaption(0, 0, 0, 0), m_ptResizePrev(-1, -1),
      m_nResizingHitTest(0), m_rcResizeStart(0, 0, 0, 0)
{}

CExtMiniDockFrameWnd::~CExtMiniDockFrameWnd() {}

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
    // empty: the bar's caption buttons, made at a size, are made here once the bar is in.
    CExtControlBar* pBar = GetFloatingExtBar();
    if (pBar != nullptr && pBar->NcButtonGetCount() == 0)
    {
        pBar->CreateDefaultNcButtons();
        pBar->LayoutNcButtons();
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
    {
        pBar->CreateDefaultNcButtons();
        pBar->LayoutNcButtons();
    }
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
    CRect rcNow;
    GetWindowRect(&rcNow);
    if ((lpWndPos->flags & SWP_SHOWWINDOW) != 0)
    {
        m_dwShownAt = ::GetTickCount();
        m_ptShown = rcNow.TopLeft();
    }
    else if ((lpWndPos->flags & SWP_NOMOVE) == 0 && m_dwShownAt != 0)
    {
        if (::GetTickCount() - m_dwShownAt > kWineOriginMoveMs)
            m_dwShownAt = 0;
        else if (rcNow.TopLeft() != CPoint(0, 0))
            m_ptShown = rcNow.TopLeft();
        else if (m_ptShown != CPoint(0, 0) && IsWindowVisible() && !IsResizing() && ::GetCapture() == nullptr &&
                 CExtControlBar::GetDraggedBar() == nullptr)
        {
            // Wine under openbox: a frame moved to the screen's origin within moments of its show, with no drag under
            // way, was moved there by Wine reading the manager's configure event sent before it framed the window
            // just mapped (plain Win32 owned pop-ups shown again with their owner under load 73 of 680; no way of
            // showing avoids it). The program itself does not move a shown floating frame there. Posted: a move made
            // while Wine handles that event does not reach the X window.
            PostMessage(g_nMsgBackFromOrigin);
        }
    }
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
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    if (rcWnd.TopLeft() == CPoint(0, 0))
        SetWindowPos(nullptr, m_ptShown.x, m_ptShown.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

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

static CPoint WindowPoint(CWnd* pWnd, CPoint ptScreen)
{
    CRect rcWnd;
    pWnd->GetWindowRect(&rcWnd);
    return CPoint(ptScreen.x - rcWnd.left, ptScreen.y - rcWnd.top);
}

int CExtMiniDockFrameWnd::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    // A press on the caption or a border moves or sizes the frame: the activation stays where it is, and the
    // press's handler activates the top-level parent when another window had it. The frame has no menu: a press
    // there is the window manager offering the frame the keys as it maps it, or at a press that then comes as
    // itself (Wine asks so); the window that has them keeps them.
    if (nHitTest == HTMENU)
        NoteFocusOffer();
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
        CExtPopupMenuWnd* pPopup = new CExtPopupMenuWnd;
        if (!pPopup->CreatePopupMenu(pFrame->GetSafeHwnd()) ||
            !CExtDockBar::BuildBarsPopupMenu(pFrame, pPopup, 5, pBar, WM_NCRBUTTONDOWN, 0) ||
            pPopup->GetItemCount() == 0)
        {
            delete pPopup;
            return;
        }
        CPoint ptCursor;
        ::GetCursorPos(&ptCursor);
        if (!pPopup->TrackPopupMenu(0x800, ptCursor.x, ptCursor.y))
            delete pPopup;
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
    if (IsWindowVisible())
        SendMessage(WM_NCPAINT);
}

void CExtMiniDockFrameWnd::OnKillFocus(CWnd* pNewWnd)
{
    CMiniDockFrameWnd::OnKillFocus(pNewWnd);
    if (IsWindowVisible())
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
            if (IsWindowVisible())
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
