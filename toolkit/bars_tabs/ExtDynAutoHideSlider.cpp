// CExtDynAutoHideSlider: sliding out and in, the non-client parts, painting, timers, resizing and the mouse hook.
#include "toolkit/bars_tabs/ExtDynAutoHideSlider.h"
#include "platform/Dc.h"
#include "platform/FrameWnd.h"
#include "toolkit/bars_tabs/ExtDynAutoHideArea.h"
#include "toolkit/bars_tabs/ExtDynTabControlBar.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/docking/ExtBarNcAreaButton.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/foundation/ExtMemoryDC.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <algorithm>
#include <vector>

IMPLEMENT_DYNCREATE(CExtDynAutoHideSlider, CWnd)

BEGIN_MESSAGE_MAP(CExtDynAutoHideSlider, CWnd)
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_WM_NCHITTEST()
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_WM_CONTEXTMENU()
ON_WM_CANCELMODE()
ON_WM_CLOSE()
ON_WM_DESTROY()
ON_WM_TIMER()
ON_WM_SETFOCUS()
ON_WM_SIZE()
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

const wchar_t* const CExtDynAutoHideSlider::kWndClassName = L"Nimbal-AutohideSlider";
int CExtDynAutoHideSlider::g_nAnimationSteps = 5;
int CExtDynAutoHideSlider::g_nAnimationStepTime = 10;
CExtDynAutoHideSlider* CExtDynAutoHideSlider::g_pHookOwner = nullptr;
HHOOK CExtDynAutoHideSlider::g_hMouseHook = nullptr;

namespace
{
const UINT kFlagsStep = 0x140; // show, no copy bits
const UINT kFlagsContentShow = 0x273;
const UINT kFlagsHide = 0x283;
const UINT kFlagsResize = 0x304;
const UINT kRedrawFlags = 0xB85; // invalidate, erase, frame, all children, update now, erase now

bool IsHorzEdge(DWORD dwEdge) { return dwEdge == 0 || dwEdge == 1; }

// The remembered auto-hide extent of a bar: its tabbed group's when it sits in one.
LONG& RememberedExtent(CExtControlBar* pBar, DWORD dwEdge)
{
    CExtControlBar* pOwner = pBar;
    if (CExtDynTabControlBar* pGroup = pBar->GetTabbedContainer())
        pOwner = pGroup;
    return IsHorzEdge(dwEdge) ? pOwner->m_sizeHorzDocked.cy : pOwner->m_sizeVertDocked.cx;
}

// The slider lies on the frame's pane: every other window of the frame clips its siblings, or a pane made
// without WS_CLIPSIBLINGS would paint itself and its children (a focused edit's border, its caret) over the slider.
void ClipSiblingsOf(HWND hWnd)
{
    // The style change reaches each window's handlers: the list is taken first, each window checked before use.
    std::vector<HWND> arrSiblings;
    for (HWND h = ::GetWindow(::GetParent(hWnd), GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
    {
        if (h != hWnd && (::GetWindowLongPtrW(h, GWL_STYLE) & WS_CLIPSIBLINGS) == 0)
            arrSiblings.push_back(h);
    }
    for (HWND h : arrSiblings)
    {
        if (::IsWindow(h))
            ::SetWindowLongPtrW(h, GWL_STYLE, ::GetWindowLongPtrW(h, GWL_STYLE) | WS_CLIPSIBLINGS);
    }
}
} // namespace

CExtDynAutoHideSlider::CExtDynAutoHideSlider()
    : m_bAutoDeleteSlider(false), m_pArea(nullptr), m_pBar(nullptr), m_hWndBar(nullptr), m_hWndContent(nullptr),
      m_sizeInner(0, 0), m_bfFlags(0), m_nResizeMode(kResizeNone), m_ptResizeStart(0, 0), m_pHoverBtn(nullptr),
      m_pPressedBtn(nullptr), m_pLastTipBtn(nullptr), m_rcFree(0, 0, 0, 0)
{}

CExtDynAutoHideSlider::~CExtDynAutoHideSlider()
{
    if (g_pHookOwner == this)
        RemoveHook();
}

bool CExtDynAutoHideSlider::Create(CFrameWnd* pFrame)
{
    static bool s_bRegistered = false;
    if (!s_bRegistered)
        s_bRegistered = CExtControlBar::RegisterBarClass(kWndClassName, CS_DBLCLKS | CS_GLOBALCLASS);
    if (!s_bRegistered || pFrame == nullptr || pFrame->GetSafeHwnd() == nullptr)
        return false;
    if (!CWnd::CreateEx(0, kWndClassName, L"", WS_CHILD, 0, 0, 0, 0, pFrame->GetSafeHwnd(), (HMENU)(INT_PTR)-1,
                        nullptr))
        return false;
    // The tip control, a window of its own, is made when the slider first slides out.
    EnableToolTips();
    return true;
}

void CExtDynAutoHideSlider::PostNcDestroy()
{
    CWnd::PostNcDestroy();
    if (m_bAutoDeleteSlider)
        delete this;
}

CExtControlBar* CExtDynAutoHideSlider::GetBar() const
{
    if (m_pBar == nullptr || !::IsWindow(m_hWndBar) || CWnd::FromHandlePermanent(m_hWndBar) != m_pBar)
        return nullptr;
    return m_pBar;
}

DWORD CExtDynAutoHideSlider::GetEdge() const
{
    return m_pArea != nullptr && ::IsWindow(m_pArea->GetSafeHwnd()) ? m_pArea->OrientationGet() : 0;
}

// ---- geometry ----------------------------------------------------------------------------------------------------

CRect CExtDynAutoHideSlider::CalcFreeRect(CFrameWnd* pFrame)
{
    CRect rc(0, 0, 0, 0);
    if (pFrame == nullptr || pFrame->GetSafeHwnd() == nullptr)
        return rc;
    // The pane keeps the place the dock bars and the areas leave.
    if (CWnd* pPane = pFrame->GetDlgItem(AFX_IDW_PANE_FIRST))
    {
        if (pPane->IsWindowVisible())
        {
            pPane->GetWindowRect(&rc);
            pFrame->ScreenToClient(&rc);
            return rc;
        }
    }
    pFrame->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &rc, nullptr, TRUE);
    return rc;
}

void CExtDynAutoHideSlider::CalcNcRects(const CSize& sizeWnd, CRect& rcClient, CRect& rcCaption) const
{
    rcClient.SetRect(0, 0, sizeWnd.cx, sizeWnd.cy);
    rcClient.DeflateRect(kBorder, kBorder);
    switch (GetEdge())
    {
    case 0: rcClient.bottom -= kInnerEdgeExtra; break;
    case 1: rcClient.top += kInnerEdgeExtra; break;
    case 2: rcClient.right -= kInnerEdgeExtra; break;
    default: rcClient.left += kInnerEdgeExtra; break;
    }
    rcCaption.SetRectEmpty();
    CExtControlBar* pBar = GetBar();
    bool bHorzCaption = true;
    if (pBar == nullptr || !pBar->QueryGripperPresence(&bHorzCaption))
        return;
    rcCaption = rcClient;
    if (bHorzCaption)
    {
        rcCaption.bottom = rcCaption.top + pBar->m_nCaptionHorz + 1;
        rcClient.top = rcCaption.bottom;
    }
    else
    {
        rcCaption.right = rcCaption.left + pBar->m_nCaptionVert + 1;
        rcClient.left = rcCaption.right;
    }
}

int CExtDynAutoHideSlider::CalcNcThickness() const
{
    CRect rcClient, rcCaption;
    CalcNcRects(CSize(1000, 1000), rcClient, rcCaption);
    return IsHorzEdge(GetEdge()) ? 1000 - rcClient.Height() : 1000 - rcClient.Width();
}

CRect CExtDynAutoHideSlider::CalcFullRect(int nThickness) const
{
    CRect rc(m_rcFree);
    switch (GetEdge())
    {
    case 0: rc.bottom = rc.top + nThickness; break;
    case 1: rc.top = rc.bottom - nThickness; break;
    case 2: rc.right = rc.left + nThickness; break;
    default: rc.left = rc.right - nThickness; break;
    }
    return rc;
}

void CExtDynAutoHideSlider::PlaceStep(const CRect& rcFull, int nExtent, bool bFirst)
{
    const DWORD dwEdge = GetEdge();
    CRect rc(rcFull);
    switch (dwEdge)
    {
    case 0: rc.bottom = rc.top + nExtent; break;
    case 1: rc.top = rc.bottom - nExtent; break;
    case 2: rc.right = rc.left + nExtent; break;
    default: rc.left = rc.right - nExtent; break;
    }
    SetWindowPos(&CWnd::wndTop, rc.left, rc.top, rc.Width(), rc.Height(), kFlagsStep | (bFirst ? 0x20 : 0));
    if (::IsWindow(m_hWndContent))
    {
        // Left and top: the content's far edge stays at the leading edge; right and bottom: it stays put.
        const int nHidden = (IsHorzEdge(dwEdge) ? rcFull.Height() : rcFull.Width()) - nExtent;
        int x = 0, y = 0;
        if (dwEdge == 0)
            y = -nHidden;
        else if (dwEdge == 2)
            x = -nHidden;
        ::SetWindowPos(m_hWndContent, nullptr, x, y, m_sizeInner.cx, m_sizeInner.cy,
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    RedrawWindow(nullptr, nullptr, kRedrawFlags);
}

void CExtDynAutoHideSlider::RunAnimation(const CRect& rcFull, bool bOut)
{
    const int nSteps = g_nAnimationSteps;
    const int nFull = IsHorzEdge(GetEdge()) ? rcFull.Height() : rcFull.Width();
    const HWND hOwn = m_hWnd;
    m_bfFlags |= kAnimating;
    LARGE_INTEGER liFreq;
    ::QueryPerformanceFrequency(&liFreq);
    for (int i = 0; i < nSteps; ++i)
    {
        LARGE_INTEGER liStart;
        ::QueryPerformanceCounter(&liStart);
        const int nExtent = ::MulDiv(nFull, bOut ? i : nSteps - 1 - i, nSteps + 1);
        PlaceStep(rcFull, nExtent, i == 0);
        CExtPaintManager::PumpPaintMessages();
        if (!::IsWindow(hOwn))
            return;
        // The rest of the step's time slice, measured finely; the last millisecond is waited out.
        for (;;)
        {
            LARGE_INTEGER liNow;
            ::QueryPerformanceCounter(&liNow);
            const long long nSpentUs = (liNow.QuadPart - liStart.QuadPart) * 1000000LL / liFreq.QuadPart;
            const long long nLeftUs = (long long)g_nAnimationStepTime * 1000 - nSpentUs;
            if (nLeftUs <= 0)
                break;
            ::Sleep(nLeftUs > 1500 ? (DWORD)(nLeftUs / 1000 - 1) : 0);
        }
    }
    m_bfFlags &= ~kAnimating;
}

// ---- sliding -----------------------------------------------------------------------------------------------------

void CExtDynAutoHideSlider::SlideRun(CExtControlBar* pBar, bool bShow, bool bAnimate)
{
    if (GetSafeHwnd() == nullptr)
        return;
    if (g_nAnimationSteps <= 0 || g_nAnimationStepTime <= 0)
        bAnimate = false;
    if (!bShow)
    {
        if (!IsShown())
            return;
        CExtDynAutoHideArea* pArea = m_pArea != nullptr && ::IsWindow(m_pArea->GetSafeHwnd()) ? m_pArea : nullptr;
        if (pArea != nullptr && pArea->SelectionGet() >= 0)
            pArea->SelectionSet(-1, false, true);
        if (g_pHookOwner == this)
            RemoveHook();
        EndResizing();
        if (bAnimate)
        {
            CRect rcFull;
            GetWindowRect(&rcFull);
            GetParent()->ScreenToClient(&rcFull);
            RunAnimation(rcFull, false);
            if (GetSafeHwnd() == nullptr)
                return;
        }
        ClearButtonStates();
        SetButtonTip(nullptr);
        KillTimer(kTimerWatch);
        KillTimer(kTimerClose);
        m_bfFlags &= ~kCloseTimer;
        CExtControlBar* pLiveBar = GetBar();
        bool bHadFocus = false;
        const HWND hContent = m_hWndContent;
        if (::IsWindow(hContent))
        {
            const HWND hFocus = ::GetFocus();
            bHadFocus = hFocus != nullptr && (hFocus == hContent || ::IsChild(hContent, hFocus));
            if (pLiveBar != nullptr)
            {
                ::SetParent(hContent, pLiveBar->GetSafeHwnd());
                CRect rcBarClient;
                pLiveBar->GetClientRect(&rcBarClient);
                ::SetWindowPos(hContent, nullptr, 0, 0, rcBarClient.Width(), rcBarClient.Height(),
                               SWP_NOZORDER | kFlagsStep);
            }
            else
            {
                // The bar went away while shown: its content goes with it.
                ::DestroyWindow(hContent);
                bHadFocus = false;
            }
        }
        SetWindowPos(nullptr, 0, 0, 0, 0, kFlagsHide);
        if (pArea != nullptr)
        {
            if (pArea->SelectionGet() >= 0)
                pArea->SelectionSet(-1, false, true);
            if (pLiveBar == nullptr)
                pArea->RemoveDeadTabs();
        }
        if (pLiveBar != nullptr)
            pLiveBar->LayoutNcButtons();
        m_pBar = nullptr;
        m_hWndBar = nullptr;
        m_pArea = nullptr;
        m_hWndContent = nullptr;
        m_bfFlags &= ~(kShown | kFocusInside | kCloseTimer);
        m_nResizeMode = kResizeNone;
        m_pHoverBtn = m_pPressedBtn = m_pLastTipBtn = nullptr;
        m_rcFree.SetRectEmpty();
        if (bHadFocus && ::IsWindow(hContent))
            ::SetFocus(hContent);
        return;
    }

    if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr)
        return;
    CExtPopupMenuWnd::CancelMenuTracking();
    CWnd::CancelToolTips();
    if (IsShown() && GetBar() == pBar)
        return;
    if (IsShown())
        SlideRun(m_pBar, false, bAnimate);
    int nTab = -1;
    CExtDynAutoHideArea* pArea = CExtDynAutoHideArea::FindAreaOfBar(pBar, &nTab);
    CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, GetParent());
    if (pArea == nullptr || pFrame == nullptr)
        return;
    const CRect rcFree = CalcFreeRect(pFrame);
    if (rcFree.Width() < (int)kMinExtent || rcFree.Height() < (int)kMinExtent)
        return;
    if (m_wndToolTip.GetSafeHwnd() == nullptr && m_wndToolTip.Create(this))
        m_wndToolTip.Activate(TRUE);
    m_pArea = pArea; // the edge decides the extents below
    const DWORD dwEdge = GetEdge();
    const int nFree = IsHorzEdge(dwEdge) ? rcFree.Height() : rcFree.Width();
    LONG& nRemembered = RememberedExtent(pBar, dwEdge);
    const int nThickness = std::min(std::max((int)nRemembered, (int)kMinExtent), nFree);
    if (nThickness < (int)kMinExtent)
    {
        m_pArea = nullptr;
        return;
    }
    m_pBar = pBar;
    m_hWndBar = pBar->GetSafeHwnd();
    m_rcFree = rcFree;
    m_bfFlags |= kShown;
    const CRect rcFull = CalcFullRect(nThickness);
    CRect rcClient, rcCaption;
    CalcNcRects(rcFull.Size(), rcClient, rcCaption);
    m_sizeInner = rcClient.Size();
    ClipSiblingsOf(m_hWnd);
    CWnd* pContent = pBar->GetWindow(GW_CHILD);
    m_hWndContent = pContent != nullptr ? pContent->GetSafeHwnd() : nullptr;
    if (m_hWndContent != nullptr)
    {
        ::SetParent(m_hWndContent, m_hWnd);
        ::SetWindowPos(m_hWndContent, nullptr, 0, 0, 0, 0, kFlagsContentShow);
    }
    // A content that keeps the focus brings it along: the caption paints active from the first frame
    // on, not from the watch timer's first tick.
    SyncFocusInside();
    if (bAnimate)
    {
        const HWND hOwn = m_hWnd;
        RunAnimation(rcFull, true);
        if (!::IsWindow(hOwn))
            return;
    }
    if (::IsWindow(m_hWndContent))
        ::SetWindowPos(m_hWndContent, nullptr, 0, 0, m_sizeInner.cx, m_sizeInner.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(&CWnd::wndTop, rcFull.left, rcFull.top, rcFull.Width(), rcFull.Height(), kFlagsStep | 0x20);
    LayoutCaptionButtons();
    RedrawWindow(nullptr, nullptr, kRedrawFlags);
    g_pHookOwner = this;
    if (g_hMouseHook == nullptr)
        g_hMouseHook = ::SetWindowsHookExW(WH_MOUSE, MouseHookProc, nullptr, ::GetCurrentThreadId());
    ClearButtonStates();
    SetTimer(kTimerWatch, kWatchPeriod, nullptr);
}

void CExtDynAutoHideSlider::RemoveHook()
{
    if (g_hMouseHook != nullptr)
        ::UnhookWindowsHookEx(g_hMouseHook);
    g_hMouseHook = nullptr;
    g_pHookOwner = nullptr;
}

void CExtDynAutoHideSlider::EndResizing()
{
    if (m_nResizeMode == kResizeNone)
        return;
    m_nResizeMode = kResizeNone;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

// ---- caption buttons ---------------------------------------------------------------------------------------------

void CExtDynAutoHideSlider::LayoutCaptionButtons()
{
    CExtControlBar* pBar = GetBar();
    if (pBar == nullptr || GetSafeHwnd() == nullptr)
        return;
    CRect rcWnd, rcClient, rcCaption;
    GetWindowRect(&rcWnd);
    CalcNcRects(rcWnd.Size(), rcClient, rcCaption);
    // The bar's buttons lay themselves out along the caption they are shown in.
    pBar->m_rcCaption = rcCaption;
    CExtBarNcAreaButton* pPrev = nullptr;
    for (INT_PTR i = 0; i < pBar->NcButtonGetCount(); ++i)
    {
        CExtBarNcAreaButton* pBtn = pBar->NcButtonGet((int)i);
        pBtn->LayoutRect(pPrev);
        if (pBtn->IsVisible())
            pPrev = pBtn;
    }
}

CExtBarNcAreaButton* CExtDynAutoHideSlider::ButtonAt(const CPoint& ptWnd) const
{
    CExtControlBar* pBar = GetBar();
    if (pBar == nullptr)
        return nullptr;
    for (INT_PTR i = 0; i < pBar->NcButtonGetCount(); ++i)
    {
        CExtBarNcAreaButton* pBtn = pBar->NcButtonGet((int)i);
        if (pBtn->IsVisible() && pBtn->m_rc.PtInRect(ptWnd))
            return pBtn;
    }
    return nullptr;
}

void CExtDynAutoHideSlider::ClearButtonStates()
{
    CExtControlBar* pBar = GetBar();
    if (pBar != nullptr)
    {
        for (INT_PTR i = 0; i < pBar->NcButtonGetCount(); ++i)
            pBar->NcButtonGet((int)i)->m_bfState &=
                (BYTE) ~(CExtBarNcAreaButton::kHover | CExtBarNcAreaButton::kPressed);
    }
    m_pHoverBtn = nullptr;
    m_pPressedBtn = nullptr;
}

// ---- the mouse hook ----------------------------------------------------------------------------------------------

LRESULT CALLBACK CExtDynAutoHideSlider::MouseHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    CExtDynAutoHideSlider* pOwner = g_pHookOwner;
    if (nCode == HC_ACTION && pOwner != nullptr && ::IsWindow(pOwner->GetSafeHwnd()) && pOwner->IsShown() &&
        pOwner->IsWindowVisible())
    {
        // The message's own point: a press handled after the pointer moved on still lands where it was made.
        const CPoint pt(reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam)->pt);
        bool bEat = false;
        switch (wParam)
        {
        case WM_MOUSEMOVE:
        case WM_NCMOUSEMOVE: bEat = pOwner->OnHookMouseMove(pt); break;
        case WM_LBUTTONDOWN:
        case WM_NCLBUTTONDOWN: bEat = pOwner->OnHookButton(1, true, pt); break;
        case WM_LBUTTONUP:
        case WM_NCLBUTTONUP: bEat = pOwner->OnHookButton(1, false, pt); break;
        case WM_RBUTTONDOWN:
        case WM_NCRBUTTONDOWN: bEat = pOwner->OnHookButton(2, true, pt); break;
        case WM_RBUTTONUP:
        case WM_NCRBUTTONUP: bEat = pOwner->OnHookButton(2, false, pt); break;
        case WM_MBUTTONDOWN:
        case WM_NCMBUTTONDOWN: bEat = pOwner->OnHookButton(16, true, pt); break;
        case WM_MBUTTONUP:
        case WM_NCMBUTTONUP: bEat = pOwner->OnHookButton(16, false, pt); break;
        default: break;
        }
        if (bEat)
            return 1;
    }
    return ::CallNextHookEx(g_hMouseHook, nCode, wParam, lParam);
}

bool CExtDynAutoHideSlider::OnHookMouseMove(const CPoint& ptScreen)
{
    CWnd* pParent = GetParent();
    if (IsResizing() && pParent != nullptr)
    {
        CPoint pt(ptScreen);
        pParent->ScreenToClient(&pt);
        CRect rcWnd;
        GetWindowRect(&rcWnd);
        pParent->ScreenToClient(&rcWnd);
        CRect rcLimit(m_rcFree);
        rcLimit.DeflateRect(kMinExtent, kMinExtent);
        CRect rc(rcWnd);
        switch (m_nResizeMode)
        {
        case HTBOTTOM: rc.bottom = std::min(std::max((int)pt.y, (int)rcLimit.top), (int)rcLimit.bottom); break;
        case HTTOP: rc.top = std::min(std::max((int)pt.y, (int)rcLimit.top), (int)rcLimit.bottom); break;
        case HTRIGHT: rc.right = std::min(std::max((int)pt.x, (int)rcLimit.left), (int)rcLimit.right); break;
        default: rc.left = std::min(std::max((int)pt.x, (int)rcLimit.left), (int)rcLimit.right); break;
        }
        if (rc != rcWnd)
        {
            SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(), kFlagsResize);
            RedrawWindow(nullptr, nullptr, kRedrawFlags);
        }
        return true;
    }
    CExtBarNcAreaButton* pHover = nullptr;
    if (!CExtPopupMenuWnd::IsMenuTracking() && CExtControlBar::GetDraggedBar() == nullptr)
    {
        CRect rcWnd;
        GetWindowRect(&rcWnd);
        if (rcWnd.PtInRect(ptScreen))
            pHover = ButtonAt(CPoint(ptScreen.x - rcWnd.left, ptScreen.y - rcWnd.top));
    }
    if (pHover != m_pHoverBtn)
    {
        if (m_pHoverBtn != nullptr)
            m_pHoverBtn->m_bfState &= (BYTE)~CExtBarNcAreaButton::kHover;
        m_pHoverBtn = pHover;
        if (pHover != nullptr)
            pHover->m_bfState |= CExtBarNcAreaButton::kHover;
        SendMessage(WM_NCPAINT);
    }
    return false;
}

bool CExtDynAutoHideSlider::OnHookButton(int nButton, bool bDown, const CPoint& ptScreen)
{
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    const HWND hUnder = ::WindowFromPoint(ptScreen);
    const bool bInside = rcWnd.PtInRect(ptScreen) && (hUnder == m_hWnd || ::IsChild(m_hWnd, hUnder));
    const CPoint ptWnd(ptScreen.x - rcWnd.left, ptScreen.y - rcWnd.top);
    if (nButton == 1 && bDown)
    {
        if (!bInside)
            return false;
        const LRESULT nHit = SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptScreen.x, ptScreen.y));
        if (nHit == HTTOP || nHit == HTBOTTOM || nHit == HTLEFT || nHit == HTRIGHT)
        {
            m_nResizeMode = (UINT)nHit;
            m_ptResizeStart = ptScreen;
            ::SetCapture(m_hWnd);
            return true;
        }
        if (CExtBarNcAreaButton* pBtn = ButtonAt(ptWnd))
        {
            m_pPressedBtn = pBtn;
            pBtn->m_bfState |= CExtBarNcAreaButton::kPressed;
            SendMessage(WM_NCPAINT);
            return true;
        }
        CRect rcClient, rcCaption;
        CalcNcRects(rcWnd.Size(), rcClient, rcCaption);
        if (rcCaption.PtInRect(ptWnd))
        {
            if (::IsWindow(m_hWndContent))
                ::SetFocus(m_hWndContent);
            else
                SetFocus();
            return true;
        }
        return false;
    }
    if (nButton == 1 && !bDown)
    {
        if (IsResizing())
        {
            EndResizing();
            return true;
        }
        CExtBarNcAreaButton* pPressed = m_pPressedBtn;
        if (pPressed != nullptr && bInside && ButtonAt(ptWnd) == pPressed)
        {
            // The slider closes first; then the button does its work.
            CExtControlBar* pBar = GetBar();
            SlideRun(pBar, false, false);
            pPressed->m_bfState &= (BYTE) ~(CExtBarNcAreaButton::kPressed | CExtBarNcAreaButton::kHover);
            pPressed->OnClick(ptWnd);
            return true;
        }
        if (pPressed != nullptr)
        {
            pPressed->m_bfState &= (BYTE)~CExtBarNcAreaButton::kPressed;
            m_pPressedBtn = nullptr;
            SendMessage(WM_NCPAINT);
        }
        return false;
    }
    if (nButton == 2 && bDown && bInside)
    {
        const HWND hFocus = ::GetFocus();
        if (hFocus != m_hWnd && !::IsChild(m_hWnd, hFocus))
            SetFocus();
    }
    return false;
}

bool CExtDynAutoHideSlider::IsCursorOutside() const
{
    CPoint pt;
    if (!::GetCursorPos(&pt))
        return false;
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    if (rcWnd.PtInRect(pt))
        return false;
    if (m_pArea != nullptr && ::IsWindow(m_pArea->GetSafeHwnd()))
    {
        CRect rcArea;
        m_pArea->GetWindowRect(&rcArea);
        rcArea.InflateRect(2, 2);
        if (rcArea.PtInRect(pt))
            return false;
    }
    return true;
}

// ---- messages ----------------------------------------------------------------------------------------------------

BOOL CExtDynAutoHideSlider::OnEraseBkgnd(CDC* pDC)
{
    (void)pDC;
    return TRUE;
}

void CExtDynAutoHideSlider::OnPaint()
{
    CPaintDC dc(this);
    if (::IsWindow(m_hWndContent) && ::GetParent(m_hWndContent) == m_hWnd)
        return;
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(&rc, g_PaintManagerHolder->GetTranslatedColor(15, this));
}

LRESULT CExtDynAutoHideSlider::OnNcHitTest(CPoint point)
{
    if (!IsShown() || IsAnimating() || IsResizing())
        return HTCLIENT;
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    switch (GetEdge())
    {
    case 0: return point.y >= rcWnd.bottom - (int)kResizeStrip ? HTBOTTOM : HTCLIENT;
    case 1: return point.y < rcWnd.top + (int)kResizeStrip ? HTTOP : HTCLIENT;
    case 2: return point.x >= rcWnd.right - (int)kResizeStrip ? HTRIGHT : HTCLIENT;
    default: return point.x < rcWnd.left + (int)kResizeStrip ? HTLEFT : HTCLIENT;
    }
}

void CExtDynAutoHideSlider::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    (void)bCalcValidRects;
    RECT& rc = lpncsp->rgrc[0];
    CRect rcClient, rcCaption;
    CalcNcRects(CSize(rc.right - rc.left, rc.bottom - rc.top), rcClient, rcCaption);
    const int x = rc.left, y = rc.top;
    rc.left = x + rcClient.left;
    rc.top = y + rcClient.top;
    rc.right = std::max((int)rc.left, x + (int)rcClient.right);
    rc.bottom = std::max((int)rc.top, y + (int)rcClient.bottom);
}

void CExtDynAutoHideSlider::OnNcPaint()
{
    // The bar's own layout (its caption while docked) may have run since the slider laid its buttons out.
    LayoutCaptionButtons();
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    rcWnd.OffsetRect(-rcWnd.left, -rcWnd.top);
    CRect rcClient, rcCaption;
    CalcNcRects(rcWnd.Size(), rcClient, rcCaption);
    CDC* pWndDC = GetWindowDC();
    if (pWndDC == nullptr)
        return;
    pWndDC->ExcludeClipRect(&rcClient);
    {
        CExtMemoryDC dc(pWndDC, &rcWnd);
        CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
        dc.FillSolidRect(&rcWnd, pPM->GetTranslatedColor(15, this));
        CRect rcBorder(rcWnd);
        const COLORREF clrLight = pPM->GetTranslatedColor(20, this);
        const COLORREF clrDark = pPM->GetTranslatedColor(21, this);
        for (int i = 0; i < (int)kBorder; ++i)
        {
            dc.Draw3dRect(&rcBorder, clrLight, clrDark);
            rcBorder.DeflateRect(1, 1);
        }
        CExtControlBar* pBar = GetBar();
        if (pBar != nullptr && !rcCaption.IsRectEmpty())
        {
            bool bHorzCaption = true;
            pBar->QueryGripperPresence(&bHorzCaption);
            CString sText;
            pBar->GetCaptionText(sText);
            CRect rcText(rcCaption);
            CRect rcButtons(rcCaption);
            pBar->CalcNcButtonsExtent(rcButtons);
            if (bHorzCaption)
                rcText.right = rcButtons.right;
            else
                rcText.bottom = rcButtons.bottom;
            rcText.DeflateRect(3, 0);
            CExtPaintManager::CaptionPaintData caption(pBar, rcCaption, rcText, IsFocusInside(), false, !bHorzCaption,
                                                       true, sText.IsEmpty() ? nullptr : (LPCTSTR)sText);
            const int nSaved = dc.SaveDC();
            dc.IntersectClipRect(&rcCaption);
            pPM->PaintControlBarFrame(dc, caption);
            dc.RestoreDC(nSaved);
            pBar->NcButtonsPaint(dc);
        }
    }
    ReleaseDC(pWndDC);
}

void CExtDynAutoHideSlider::OnContextMenu(CWnd* pWnd, CPoint point)
{
    (void)pWnd;
    CExtControlBar* pBar = GetBar();
    CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, GetParent());
    if (pBar == nullptr || pFrame == nullptr || CExtControlBar::IsFrameInHelpMode(this))
        return;
    (void)point;
    CExtDockBar::TrackBarsPopupMenuAtCursor(pFrame, CExtControlBar::POPUP_MENU_EVENT_DATA::kBarsMenuFromSlider, pBar,
                                            WM_CONTEXTMENU);
}

void CExtDynAutoHideSlider::OnCancelMode()
{
    if (IsShown() && !IsAnimating() && !IsResizing())
        SlideRun(GetBar(), false, false);
}

void CExtDynAutoHideSlider::OnClose() {}

void CExtDynAutoHideSlider::OnDestroy()
{
    // A slider being resized still closes, and leaves no hook behind.
    EndResizing();
    m_bfFlags &= ~kAnimating;
    if (IsShown())
        SlideRun(GetBar(), false, false);
    if (g_pHookOwner == this)
        RemoveHook();
    if (m_wndToolTip.GetSafeHwnd() != nullptr)
        m_wndToolTip.DestroyWindow();
    CWnd::OnDestroy();
}

void CExtDynAutoHideSlider::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kTimerWatch)
    {
        if (!IsShown() || !IsWindowVisible())
        {
            KillTimer(kTimerWatch);
            return;
        }
        CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, GetParent());
        if (GetBar() == nullptr || CExtControlBar::GetDraggedBar() != nullptr ||
            (pFrame != nullptr && CExtControlBar::IsPrintPreviewFrame(pFrame)))
        {
            if (GetBar() == nullptr)
                m_nResizeMode = kResizeNone;
            SendMessage(WM_CANCELMODE);
            return;
        }
        if (IsResizing() || IsAnimating())
            return;
        if (SyncFocusInside())
        {
            SendMessage(WM_NCPAINT);
            return;
        }
        if (IsFocusInside() || (m_bfFlags & kCloseTimer) != 0)
            return;
        if (IsCursorOutside())
        {
            m_bfFlags |= kCloseTimer;
            SetTimer(kTimerClose, kClosePeriod, nullptr);
        }
        return;
    }
    if (nIDEvent == kTimerClose)
    {
        if (CExtPopupMenuWnd::IsMenuTracking() || CExtToolControlBar::g_bMenuTracking)
            return;
        m_bfFlags &= ~kCloseTimer;
        KillTimer(kTimerClose);
        if (IsShown() && !IsResizing() && !IsFocusInside() && IsCursorOutside())
            SlideRun(GetBar(), false, true);
        return;
    }
    CWnd::OnTimer(nIDEvent);
}

bool CExtDynAutoHideSlider::SyncFocusInside()
{
    const HWND hFocus = ::GetFocus();
    const bool bFocusInside = hFocus != nullptr && (hFocus == m_hWnd || ::IsChild(m_hWnd, hFocus));
    if (bFocusInside == IsFocusInside())
        return false;
    if (bFocusInside)
        m_bfFlags |= kFocusInside;
    else
        m_bfFlags &= ~kFocusInside;
    return true;
}

void CExtDynAutoHideSlider::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    if (IsShown() && ::IsWindow(m_hWndContent))
        ::SetFocus(m_hWndContent);
}

void CExtDynAutoHideSlider::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    CExtControlBar* pBar = GetBar();
    if (!IsShown() || IsAnimating() || pBar == nullptr)
        return;
    // Only the user's resize changes the bar's thickness: a slide-out fitted into a smaller free area leaves it.
    const DWORD dwEdge = GetEdge();
    if (IsResizing())
        RememberedExtent(pBar, dwEdge) = (IsHorzEdge(dwEdge) ? cy : cx) + CalcNcThickness();
    m_sizeInner = CSize(cx, cy);
    if (::IsWindow(m_hWndContent))
        ::SetWindowPos(m_hWndContent, nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutCaptionButtons();
}

LRESULT CExtDynAutoHideSlider::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    (void)lParam;
    return 0;
}
