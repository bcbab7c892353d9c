// CExtControlBar: searches of a frame's bars, the toggle commands, frame helpers, repositioning
// with the query message, and the helpers for bars placed on dialogs.
#include "platform/CmdTarget.h"
#include "platform/DockBar.h"
#include "platform/FrameWnd.h"
#include "platform/MiniDockFrameWnd.h"
#include "platform/MiniFrameWnd.h"
#include "toolkit/docking/ExtDockingKindOf.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/docking/ExtDynControlBar.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

// ---- searches ---------------------------------------------------------------------------------------------

CFrameWnd* CExtControlBar::FindDockingFrame(const CControlBar* pBar)
{
    if (pBar == nullptr)
        return nullptr;
    if (pBar->m_pDockSite != nullptr)
        return pBar->m_pDockSite;
    if (pBar->GetSafeHwnd() == nullptr)
        return nullptr;
    CFrameWnd* pFrame = pBar->GetParentFrame();
    if (pFrame != nullptr && pFrame->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)))
        pFrame = pFrame->GetParentFrame();
    return pFrame;
}

CFrameWnd* CExtControlBar::GetDockingFrame() const { return FindDockingFrame(this); }

bool CExtControlBar::IsSingleVisibleInFloatingFrame(const CControlBar* pBar)
{
    if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr)
        return false;
    CMiniFrameWnd* pMini = DYNAMIC_DOWNCAST(CMiniFrameWnd, pBar->GetParentFrame());
    if (pMini == nullptr || !IsFloating(pBar))
        return false;
    bool bSingle = true;
    ::EnterCriticalSection(&g_csAllControlBars);
    for (INT_PTR i = 0; i < g_arrAllControlBars.GetSize() && bSingle; ++i)
    {
        CExtControlBar* pOther = g_arrAllControlBars[i];
        if (pOther == pBar || pOther->GetSafeHwnd() == nullptr || pOther->IsFixedSize() || !pOther->IsVisible())
            continue;
        if (pOther->GetParentFrame() == pMini)
            bSingle = false;
    }
    ::LeaveCriticalSection(&g_csAllControlBars);
    return bSingle;
}

static bool IsDescendantOf(CWnd* pWnd, CWnd* pAncestor)
{
    return pWnd != nullptr && pAncestor != nullptr && pAncestor->GetSafeHwnd() != nullptr &&
           (pWnd->GetSafeHwnd() == pAncestor->GetSafeHwnd() ||
            ::IsChild(pAncestor->GetSafeHwnd(), pWnd->GetSafeHwnd()));
}

void CExtControlBar::FindFrameControlBars(CExtControlBar* pBarExclude, CFrameWnd* pFrame,
                                          CArray<CExtControlBar*, CExtControlBar*>& arrBars, DWORD dwMask, int x, int y)
{
    arrBars.RemoveAll();
    if (pFrame == nullptr || (dwMask & 0x7) == 0 || (dwMask & 0x300) == 0 || (dwMask & 0xC00) == 0)
        return;
    const CPoint pt(x, y);
    const bool bPoint = x != kNoPoint || y != kNoPoint;
    ::EnterCriticalSection(&g_csAllControlBars);
    for (INT_PTR i = 0; i < g_arrAllControlBars.GetSize(); ++i)
    {
        CExtControlBar* pBar = g_arrAllControlBars[i];
        if (pBar->GetSafeHwnd() == nullptr || !::IsWindow(pBar->GetSafeHwnd()))
            continue;
        if (pBarExclude != nullptr && IsDescendantOf(pBar, pBarExclude))
            continue;
        if (pBar->IsKindOf(RUNTIME_CLASS(CExtDynControlBar)) && !CExtDockingKindOf::IsDynTabControlBar(pBar))
            continue;
        if (pBar->IsDialogMode() || FindDockingFrame(pBar) != pFrame)
            continue;
        if (pBar->GetTabbedContainer() != nullptr)
            continue; // its tab group stands for it
        if (pBar->IsFixedSize())
        {
            if ((dwMask & 0x1) == 0)
                continue;
        }
        else if ((dwMask & (pBar->IsAtMinimumInRow() ? 0x2 : 0x4)) == 0)
            continue;
        if ((dwMask & (pBar->IsVisible() ? 0x100 : 0x200)) == 0)
            continue;
        if ((dwMask & (pBar->IsWindowVisible() ? 0x400 : 0x800)) == 0)
            continue;
        if ((dwMask & 0xF8) != 0)
        {
            const UINT nId = GetDockBarId(pBar);
            bool bSide = false;
            if (nId == kDockBarFloat)
                bSide = (dwMask & 0x80) != 0 && IsFloating(pBar);
            else
                bSide = (nId == kDockBarTop && (dwMask & 0x08) != 0) ||
                        (nId == kDockBarBottom && (dwMask & 0x10) != 0) ||
                        (nId == kDockBarLeft && (dwMask & 0x20) != 0) || (nId == kDockBarRight && (dwMask & 0x40) != 0);
            if (!bSide)
                continue;
        }
        if (bPoint)
        {
            if ((dwMask & 0x8000) != 0)
            {
                CWnd* pHolder = IsFloating(pBar) ? static_cast<CWnd*>(pBar->GetParentFrame()) : pBar;
                CRect rc;
                if (pHolder != nullptr)
                    pHolder->GetWindowRect(&rc);
                if (pHolder != nullptr && rc.PtInRect(pt))
                {
                    arrBars.Add(pBar);
                    break;
                }
                continue;
            }
            if ((dwMask & 0x10000) != 0)
            {
                CRect rc;
                pBar->GetClientRect(&rc);
                pBar->ClientToScreen(&rc);
                if (!rc.PtInRect(pt))
                    continue;
            }
            if ((dwMask & 0x20000) != 0)
            {
                CRect rcWnd;
                pBar->GetWindowRect(&rcWnd);
                CRect rc(pBar->m_rcCaption);
                rc.OffsetRect(rcWnd.TopLeft());
                if (!rc.PtInRect(pt))
                    continue;
            }
            static const struct
            {
                DWORD dwBit;
                LRESULT nHit;
            } kHits[] = {{0x40000, HTLEFT},         {0x80000, HTRIGHT},         {0x100000, HTTOP},
                         {0x200000, HTBOTTOM},      {0x400000, HTTOPLEFT},      {0x800000, HTTOPRIGHT},
                         {0x1000000, HTBOTTOMLEFT}, {0x2000000, HTBOTTOMRIGHT}, {0x4000000, HTNOWHERE},
                         {0x10000000, HTSIZE},      {0x20000000, HTMINBUTTON},  {0x40000000, HTMAXBUTTON},
                         {0x80000000, HTCLIENT}};
            DWORD dwHitMask = 0;
            for (const auto& h : kHits)
                dwHitMask |= dwMask & h.dwBit;
            if (dwHitMask != 0)
            {
                const LRESULT nHit = pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(x, y));
                bool bMatch = false;
                for (const auto& h : kHits)
                {
                    if ((dwHitMask & h.dwBit) != 0 && h.nHit == nHit)
                        bMatch = true;
                }
                if (!bMatch)
                    continue;
            }
        }
        arrBars.Add(pBar);
    }
    ::LeaveCriticalSection(&g_csAllControlBars);
}

void CExtControlBar::GetFrameControlBars(bool bExcludeThis, CArray<CExtControlBar*, CExtControlBar*>& arrBars,
                                         DWORD dwMask, int x, int y) const
{
    FindFrameControlBars(bExcludeThis ? const_cast<CExtControlBar*>(this) : nullptr, GetDockingFrame(), arrBars, dwMask,
                         x, y);
}

// ---- toggle commands ------------------------------------------------------------------------------------------

bool CExtControlBar::HandleBarToggleCommand(CFrameWnd* pFrame, UINT nID, bool bAllowHide)
{
    if (pFrame == nullptr || pFrame->GetSafeHwnd() == nullptr)
        return false;
    CControlBar* pBar = pFrame->GetControlBar(nID);
    if (pBar == nullptr)
        return false;
    CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, pBar);
    if (pExt == nullptr)
        pFrame->ShowControlBar(pBar, !pBar->IsVisible(), FALSE);
    else
        pExt->HandleToggleCommand(bAllowHide);
    return true;
}

void CExtControlBar::UpdateBarToggleCommand(CFrameWnd* pFrame, CCmdUI* pCmdUI, bool bForce)
{
    if (pCmdUI == nullptr)
        return;
    CControlBar* pBar = pFrame != nullptr ? pFrame->GetControlBar(pCmdUI->m_nID) : nullptr;
    if (pBar == nullptr)
    {
        pCmdUI->m_bContinueRouting = TRUE;
        return;
    }
    CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, pBar);
    if (pExt == nullptr)
    {
        pCmdUI->SetCheck(pBar->IsWindowVisible() ? 1 : 0);
        return;
    }
    pExt->UpdateToggleCommand(pCmdUI, bForce);
}

void CExtControlBar::HandleToggleCommand(bool bAllowHide)
{
    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame == nullptr || GetSafeHwnd() == nullptr)
        return;
    if (IsFixedDockStyle())
    {
        pFrame->ShowControlBar(this, !IsVisible(), FALSE);
        return;
    }
    if (IsWindowVisible() && bAllowHide)
    {
        pFrame->ShowControlBar(this, FALSE, FALSE);
        return;
    }
    if (IsAutoHideMode())
    {
        // Slid out through its tab, unless the slider shows it already.
        if (CExtDockingKindOf::AutoHideSliderShowing(this) != nullptr)
            return;
        CExtDockBar* pDockBar = DYNAMIC_DOWNCAST(CExtDockBar, GetParent());
        CWnd* pSlider =
            CExtDockingKindOf::SelectAutoHideTab(pDockBar != nullptr ? pDockBar->GetAutoHideArea() : nullptr, this);
        if (pSlider != nullptr && pSlider->GetSafeHwnd() != nullptr)
            pSlider->SetFocus();
        return;
    }
    if (!IsWindowVisible())
    {
        pFrame->ShowControlBar(this, TRUE, FALSE);
        if (CMiniDockFrameWnd* pMini = DYNAMIC_DOWNCAST(CMiniDockFrameWnd, GetParentFrame()))
        {
            SyncVisibility();
            pMini->RecalcLayout();
        }
    }
    if (CExtDynTabControlBar* pTabs = GetTabbedContainer())
    {
        CExtDockingKindOf::SelectTabOf(pTabs, this);
    }
    else if (CMiniFrameWnd* pMini = DYNAMIC_DOWNCAST(CMiniFrameWnd, GetParentFrame()))
        pMini->BringWindowToTop();
    SetFocus();
}

void CExtControlBar::UpdateToggleCommand(CCmdUI* pCmdUI, bool bForce)
{
    if (pCmdUI == nullptr)
        return;
    pCmdUI->Enable(TRUE);
    if (bForce || IsFixedDockStyle())
        pCmdUI->SetCheck(GetSafeHwnd() != nullptr && IsWindowVisible() ? 1 : 0);
}

// ---- frame helpers ---------------------------------------------------------------------------------------------

void CExtControlBar::FocusDockSite()
{
    CWnd* pTarget = IsDialogMode() ? GetParent() : static_cast<CWnd*>(GetDockingFrame());
    if (pTarget == nullptr)
        pTarget = this;
    if (pTarget->GetSafeHwnd() == nullptr)
        return;
    HWND hFocus = ::GetFocus();
    if (hFocus == nullptr)
    {
        pTarget->SetFocus();
        return;
    }
    if (hFocus == pTarget->GetSafeHwnd() || ::IsChild(pTarget->GetSafeHwnd(), hFocus))
        return;
    // The focus stays where it is while the bar's window tree is the active one.
    if (CExtPopupMenuWnd::IsHoverAllowed(GetSafeHwnd(), ::GetActiveWindow(), true, true, true))
        return;
    pTarget->SetFocus();
}

void CExtControlBar::RecalcAllFloatingFrames(CFrameWnd* pFrame)
{
    if (pFrame == nullptr)
        return;
    CArray<CMiniFrameWnd*, CMiniFrameWnd*> arrFrames;
    auto addFrameOf = [&arrFrames](CControlBar* pBar) {
        if (pBar->GetSafeHwnd() == nullptr)
            return;
        CMiniFrameWnd* pMini = DYNAMIC_DOWNCAST(CMiniFrameWnd, pBar->GetParentFrame());
        bool bKnown = false;
        for (INT_PTR k = 0; k < arrFrames.GetSize(); ++k)
            bKnown = bKnown || arrFrames[k] == pMini;
        if (pMini != nullptr && !bKnown)
            arrFrames.Add(pMini);
    };
    ::EnterCriticalSection(&g_csAllControlBars);
    for (INT_PTR i = 0; i < g_arrAllControlBars.GetSize(); ++i)
    {
        if (FindDockingFrame(g_arrAllControlBars[i]) == pFrame)
            addFrameOf(g_arrAllControlBars[i]);
    }
    ::LeaveCriticalSection(&g_csAllControlBars);
    // Floating frames that hold only platform bars are found through the frame's bar list.
    for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;)
        addFrameOf(pFrame->m_listControlBars.GetNext(pos));
    for (INT_PTR i = 0; i < arrFrames.GetSize(); ++i)
    {
        arrFrames[i]->RecalcLayout();
        arrFrames[i]->RedrawWindow(nullptr, nullptr,
                                   RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    }
}

void CExtControlBar::RecalcAllBarFrames(CFrameWnd* pFrame)
{
    if (pFrame == nullptr)
        return;
    POSITION pos = pFrame->m_listControlBars.GetHeadPosition();
    while (pos != nullptr)
    {
        CControlBar* pBar = pFrame->m_listControlBars.GetNext(pos);
        if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr || pBar->IsDockBar() || !IsDocked(pBar))
            continue;
        pBar->SetWindowPos(nullptr, 0, 0, 0, 0,
                           SWP_FRAMECHANGED | SWP_NOOWNERZORDER | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
        pBar->Invalidate();
    }
}

CWnd* CExtControlBar::GetTopLevelNonChild(CWnd* pWnd)
{
    HWND hWnd = pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr;
    while (hWnd != nullptr && (::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_CHILD) != 0)
        hWnd = ::GetParent(hWnd);
    return hWnd != nullptr ? CWnd::FromHandle(hWnd) : nullptr;
}

void CExtControlBar::RequestFrameLayout()
{
    if ((m_bfBarFlags & kBarIdleWork) == 0 || IsDialogMode() || GetSafeHwnd() == nullptr)
        return;
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame == nullptr)
        return;
    CWnd* pTop = pFrame->GetTopLevelParent();
    if ((pTop != nullptr && pTop->IsIconic()) || pFrame->m_bInRecalcLayout)
        return;
    if (IsFixedSize() && IsFloating(this) && pFrame->IsWindowVisible() && !QueryFrameStateOperation(pFrame))
    {
        pFrame->RecalcLayout();
        return;
    }
    pFrame->m_nIdleFlags |= 0x0C;
}

void CExtControlBar::RefreshNonClientFrame()
{
    // A shown bar in a frame not shown yet (a stored state read before the first show) is refreshed too.
    // A bar shown in a frame not shown yet (a stored state read before the first show) is refreshed too; a bar
    // inside a hidden group or container is not: its refresh would show what holds it.
    if (GetSafeHwnd() == nullptr)
        return;
    for (HWND h = m_hWnd; h != nullptr && (::GetWindowLongPtrW(h, GWL_STYLE) & WS_CHILD) != 0; h = ::GetParent(h))
    {
        if ((::GetWindowLongPtrW(h, GWL_STYLE) & WS_VISIBLE) == 0)
            return;
    }
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
}

// ---- repositioning -----------------------------------------------------------------------------------------------

void CExtControlBar::RepositionBarsEx(CWnd* pWnd, UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag,
                                      LPRECT lpRectParam, LPCRECT lpRectClient, bool bStretch)
{
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return;
    const UINT nMode = nFlag & 0x0F;
    AFX_SIZEPARENTPARAMS layout = {};
    if (lpRectClient != nullptr)
        layout.rect = *lpRectClient;
    else
        pWnd->GetClientRect(&layout.rect);
    layout.bStretch = bStretch ? TRUE : FALSE;
    layout.sizeTotal = CSize(0, 0);
    if (nMode != reposQuery)
        layout.hDWP = ::BeginDeferWindowPos(8);
    HWND hWndLeftOver = nullptr;
    for (HWND hChild = ::GetTopWindow(pWnd->GetSafeHwnd()); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        const UINT nID = (UINT)::GetDlgCtrlID(hChild);
        if (nID == nIDLeftOver)
        {
            hWndLeftOver = hChild;
            continue;
        }
        CWnd* pChild = CWnd::FromHandlePermanent(hChild);
        if (pChild == nullptr)
            continue;
        QUERY_REPOSITION_CALC_EFFECT_DATA data((WORD)nMode, pWnd, nIDFirst, nIDLast, nIDLeftOver, lpRectParam,
                                               lpRectClient, bStretch);
        ::SendMessageW(hChild, g_nMsgQueryRepositionCalcEffect, (WPARAM)&data, 0);
        if (nMode == reposQuery && data.IsExcludedFromCalc())
            continue;
        if (nID >= nIDFirst && nID <= nIDLast)
            ::SendMessageW(hChild, WM_SIZEPARENT, 0, (LPARAM)&layout);
    }
    if (nMode == reposQuery)
    {
        if (lpRectParam != nullptr)
        {
            if (bStretch)
                ::CopyRect(lpRectParam, &layout.rect);
            else
            {
                lpRectParam->left = lpRectParam->top = 0;
                lpRectParam->right = layout.sizeTotal.cx;
                lpRectParam->bottom = layout.sizeTotal.cy;
            }
        }
        return;
    }
    if (hWndLeftOver != nullptr)
    {
        CRect rc(layout.rect);
        if (nMode == reposExtra && lpRectParam != nullptr)
        {
            rc.left += lpRectParam->left;
            rc.top += lpRectParam->top;
            rc.right -= lpRectParam->right;
            rc.bottom -= lpRectParam->bottom;
        }
        if (CWnd* pLeftOver = CWnd::FromHandle(hWndLeftOver))
            pLeftOver->CalcWindowRect(&rc);
        AfxRepositionWindow(&layout, hWndLeftOver, &rc);
    }
    if (layout.hDWP != nullptr)
        ::EndDeferWindowPos(layout.hDWP);
}

// ---- bars on dialogs -----------------------------------------------------------------------------------------------

bool CExtControlBar::PreTranslateChildBars(CWnd* pWnd, MSG* pMsg)
{
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return false;
    for (HWND hChild = ::GetTopWindow(pWnd->GetSafeHwnd()); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        CExtControlBar* pBar = DYNAMIC_DOWNCAST(CExtControlBar, CWnd::FromHandlePermanent(hChild));
        if (pBar != nullptr && pBar->PreTranslateMessage(pMsg))
            return true;
    }
    return false;
}

void CExtControlBar::UpdateChildBarsCmdUI(CWnd* pWnd, bool bDisableIfNoHandler)
{
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return;
    for (HWND hChild = ::GetTopWindow(pWnd->GetSafeHwnd()); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        CExtControlBar* pBar = DYNAMIC_DOWNCAST(CExtControlBar, CWnd::FromHandlePermanent(hChild));
        if (pBar != nullptr)
            pBar->UpdateBarCmdUI(bDisableIfNoHandler);
    }
}

bool CExtControlBar::UpdateBarCmdUI(bool bDisableIfNoHandler)
{
    if ((m_bfBarFlags & kBarBusy) != 0)
        return true;
    if (GetSafeHwnd() == nullptr)
        return false;
    m_bfBarFlags |= kBarBusy;
    OnUpdateCmdUI(IsDialogMode() ? nullptr : GetDockingFrame(), bDisableIfNoHandler ? TRUE : FALSE);
    m_bfBarFlags &= ~kBarBusy;
    return true;
}
