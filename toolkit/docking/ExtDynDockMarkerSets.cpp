// CExtDynDockMarkerWnd: the marker sets of a drag built around a frame: the outer set around the area left for the
// view, and the per-target set around the view or the bar under the cursor (docking's part of the class).
#include "platform/DockBar.h"
#include "platform/FrameWnd.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/docking/ExtDockDynBar.h"
#include "toolkit/docking/ExtDockingKindOf.h"
#include "toolkit/docking/ExtDynControlBar.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "toolkit/foundation/ExtDynDockMarkerWnd.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

namespace
{
bool IsPlainResizable(CExtControlBar* pBar)
{
    return pBar != nullptr && pBar->GetSafeHwnd() != nullptr && pBar->IsWindowVisible() && !pBar->IsFixedSize() &&
           !pBar->IsFixedDockStyle();
}

bool ContainsPoint(CWnd* pWnd, const CPoint& pt)
{
    CRect rc;
    pWnd->GetWindowRect(&rc);
    return rc.PtInRect(pt) != FALSE;
}

// A bar found under the cursor stands for its tab group, or for the innermost bar of a container.
CExtControlBar* ResolveTarget(CExtControlBar* pBar, const CPoint& pt)
{
    if (CExtDynTabControlBar* pTabs = pBar->GetTabbedContainer())
        return CExtDockingKindOf::AsControlBar(pTabs);
    if (CExtDockingKindOf::IsDynTabControlBar(pBar))
        return pBar;
    if (pBar->IsKindOf(RUNTIME_CLASS(CExtDynControlBar)))
        return CExtDynDockMarkerWnd::FindBarInContainer(pBar, pt.x, pt.y);
    return pBar;
}

int SetTypeOf(HWND hTarget)
{
    return CWnd::FromHandlePermanent(hTarget) != nullptr &&
                   CWnd::FromHandlePermanent(hTarget)->IsKindOf(RUNTIME_CLASS(CExtControlBar))
               ? CExtPaintManager::DockMarker::kSetWithTab
               : CExtPaintManager::DockMarker::kSetWithCentre;
}
} // namespace

void CExtDynDockMarkerWnd::BuildOuterSet(CFrameWnd* pFrame, bool bShow)
{
    if (pFrame == nullptr || pFrame->GetSafeHwnd() == nullptr)
        return;
    AFX_SIZEPARENTPARAMS layout = {};
    pFrame->GetClientRect(&layout.rect);
    layout.bStretch = TRUE;
    for (HWND hChild = ::GetTopWindow(pFrame->GetSafeHwnd()); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        if ((UINT)::GetDlgCtrlID(hChild) == AFX_IDW_PANE_FIRST)
            continue;
        CWnd* pChild = CWnd::FromHandlePermanent(hChild);
        CExtDockBar* pDock = DYNAMIC_DOWNCAST(CExtDockBar, pChild);
        if (pDock != nullptr && pDock->m_nCircle >= 1)
            break;
        CRect rcClient;
        pFrame->GetClientRect(&rcClient);
        CExtControlBar::QUERY_REPOSITION_CALC_EFFECT_DATA data(1, pFrame, 0, 0xFFFF, AFX_IDW_PANE_FIRST, nullptr,
                                                               &rcClient, true);
        ::SendMessageW(hChild, CExtControlBar::g_nMsgQueryRepositionCalcEffect, (WPARAM)&data, 0);
        if (data.IsExcludedFromCalc())
            continue;
        ::SendMessageW(hChild, WM_SIZEPARENT, 0, (LPARAM)&layout);
    }
    CRect rc(layout.rect);
    pFrame->ClientToScreen(&rc);
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    if (pPM == nullptr || !pPM->LoadDockMarker(nullptr, CExtPaintManager::DockMarker::kSetOfArrows, rc.left, rc.top,
                                               rc.right, rc.bottom, g_arrOuterSet))
        DestroyMarkerSet(g_arrOuterSet);
    ShowMarkerSet(g_arrOuterSet, bShow);
}

CExtControlBar* CExtDynDockMarkerWnd::FindBarInContainer(CExtControlBar* pContainer, int x, int y)
{
    CExtDynControlBar* pDyn = DYNAMIC_DOWNCAST(CExtDynControlBar, pContainer);
    if (pDyn == nullptr || pDyn->m_pWndDynDocker == nullptr || pDyn->m_pWndDynDocker->GetSafeHwnd() == nullptr)
        return nullptr;
    const CPoint pt(x, y);
    CArray<CExtControlBar*, CExtControlBar*> arrBars;
    pDyn->m_pWndDynDocker->CollectBars(arrBars);
    for (INT_PTR i = 0; i < arrBars.GetSize(); ++i)
    {
        CExtControlBar* pBar = arrBars[i];
        if (!IsPlainResizable(pBar) || !ContainsPoint(pBar, pt))
            continue;
        if (CExtDynTabControlBar* pTabs = pBar->GetTabbedContainer())
            return CExtDockingKindOf::AsControlBar(pTabs);
        if (CExtDockingKindOf::IsDynTabControlBar(pBar))
            return pBar;
        if (pBar->IsKindOf(RUNTIME_CLASS(CExtDynControlBar)))
            return FindBarInContainer(pBar, x, y);
        return pBar;
    }
    return nullptr;
}

void CExtDynDockMarkerWnd::UpdateTargetSet(CFrameWnd* pFrame, bool bShow)
{
    CExtControlBar* pDragged = CExtControlBar::GetDraggedBar();
    if (pFrame == nullptr || pFrame->GetSafeHwnd() == nullptr || pDragged == nullptr)
        return;
    CPoint pt;
    ::GetCursorPos(&pt);
    // Over a marker the set stays, though the marker hides the bar under it.
    if (MarkerFromPoint(pt) != nullptr)
        return;
    HWND hNew = nullptr;
    CFrameWnd* pOwnFrame = CExtControlBar::IsFloating(pDragged) ? pDragged->GetParentFrame() : nullptr;
    CArray<CExtControlBar*, CExtControlBar*> arrBars;
    CExtControlBar::FindFrameControlBars(nullptr, pFrame, arrBars, 0xFFF);
    for (INT_PTR i = 0; i < arrBars.GetSize() && hNew == nullptr; ++i)
    {
        CExtControlBar* pBar = arrBars[i];
        if (pBar == pDragged || !IsPlainResizable(pBar) || !CExtControlBar::IsFloating(pBar))
            continue;
        CExtMiniDockFrameWnd* pMini = DYNAMIC_DOWNCAST(CExtMiniDockFrameWnd, pBar->GetParentFrame());
        if (pMini == nullptr || pMini == pFrame || pMini == pOwnFrame || !pMini->IsWindowVisible() ||
            !ContainsPoint(pMini, pt) || !ContainsPoint(pBar, pt))
            continue;
        if (CExtControlBar* pTarget = ResolveTarget(pBar, pt))
            hNew = pTarget->GetSafeHwnd();
    }
    for (HWND hChild = ::GetTopWindow(pFrame->GetSafeHwnd()); hChild != nullptr && hNew == nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        if (!::IsWindowVisible(hChild))
            continue;
        if ((UINT)::GetDlgCtrlID(hChild) == AFX_IDW_PANE_FIRST)
        {
            CRect rc;
            ::GetWindowRect(hChild, &rc);
            if (rc.PtInRect(pt))
                hNew = hChild;
            continue;
        }
        CExtDockBar* pDock = DYNAMIC_DOWNCAST(CExtDockBar, CWnd::FromHandlePermanent(hChild));
        if (pDock == nullptr || pDock->m_nCircle < 1 || !ContainsPoint(pDock, pt))
            continue;
        for (INT_PTR i = 0; i < pDock->m_arrBars.GetSize() && hNew == nullptr; ++i)
        {
            void* p = pDock->m_arrBars[i];
            if (p == nullptr || CDockBar::IsPlaceHolder(p))
                continue;
            CExtControlBar* pBar = DYNAMIC_DOWNCAST(CExtControlBar, static_cast<CControlBar*>(p));
            if (pBar == nullptr || pBar == pDragged || !IsPlainResizable(pBar) || !ContainsPoint(pBar, pt))
                continue;
            CExtControlBar* pTarget = ResolveTarget(pBar, pt);
            if (pTarget != nullptr && pTarget != pDragged)
                hNew = pTarget->GetSafeHwnd();
        }
    }
    if (g_hWndTargetSet != nullptr && !::IsWindow(g_hWndTargetSet))
        g_hWndTargetSet = nullptr;
    if (hNew == g_hWndTargetSet && (hNew == nullptr || g_arrTargetSet.GetSize() > 0))
        return;
    DestroyMarkerSet(g_arrTargetSet);
    g_hWndTargetSet = hNew;
    if (hNew == nullptr)
        return;
    CRect rc;
    ::GetWindowRect(hNew, &rc);
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    if (pPM == nullptr ||
        !pPM->LoadDockMarker(hNew, SetTypeOf(hNew), rc.left, rc.top, rc.right, rc.bottom, g_arrTargetSet))
        DestroyMarkerSet(g_arrTargetSet);
    ShowMarkerSet(g_arrTargetSet, bShow);
}
