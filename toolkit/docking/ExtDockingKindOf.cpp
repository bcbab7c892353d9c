// CExtDockingKindOf: the questions of docking, answered with the tab-container, auto-hide and tool-bar classes.
#include "toolkit/docking/ExtDockingKindOf.h"
#include "platform/FrameWnd.h"
#include "toolkit/bars_tabs/ExtDockDynTabBar.h"
#include "toolkit/bars_tabs/ExtDynAutoHideArea.h"
#include "toolkit/bars_tabs/ExtDynAutoHideSlider.h"
#include "toolkit/bars_tabs/ExtDynTabControlBar.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"

bool CExtDockingKindOf::IsDockDynTabBar(const CObject* p)
{
    return p != nullptr && p->IsKindOf(RUNTIME_CLASS(CExtDockDynTabBar));
}

bool CExtDockingKindOf::IsDynTabControlBar(const CObject* p)
{
    return p != nullptr && p->IsKindOf(RUNTIME_CLASS(CExtDynTabControlBar));
}

CExtDynTabControlBar* CExtDockingKindOf::AsDynTabControlBar(CWnd* pWnd)
{
    return DYNAMIC_DOWNCAST(CExtDynTabControlBar, pWnd);
}

CExtControlBar* CExtDockingKindOf::AsControlBar(CExtDynTabControlBar* pTabs) { return pTabs; }

CControlBar* CExtDockingKindOf::SelectedBarOf(CObject* p)
{
    CExtDynTabControlBar* pTabs = DYNAMIC_DOWNCAST(CExtDynTabControlBar, p);
    return pTabs != nullptr ? pTabs->GetSelectedBar() : nullptr;
}

void CExtDockingKindOf::SelectTabOf(CExtDynTabControlBar* pTabs, const CExtControlBar* pMember)
{
    const int nIndex = pTabs->m_wndTabs.ItemFindByLParam((LPARAM)pMember);
    if (nIndex >= 0)
        pTabs->m_wndTabs.SelectionSet(nIndex, true, true);
}

CExtDynControlBar* CExtDockingKindOf::NewTabContainer() { return new CExtDynTabControlBar; }

CExtDynControlBar* CExtDockingKindOf::AsDynControlBar(CExtDynTabControlBar* pTabs) { return pTabs; }

void CExtDockingKindOf::InsertIntoTabContainer(CExtDynControlBar* pGroup, CExtControlBar* pBar, int nIndex,
                                               bool bRecalc)
{
    CExtDynTabControlBar* pTabs = DYNAMIC_DOWNCAST(CExtDynTabControlBar, pGroup);
    if (pTabs != nullptr)
        pTabs->InsertBar(pBar, nIndex, bRecalc);
}

int CExtDockingKindOf::TabOrderOf(CObject* pContainer, const CExtControlBar* pMember)
{
    CExtDynTabControlBar* pTabs = DYNAMIC_DOWNCAST(CExtDynTabControlBar, pContainer);
    if (pTabs == nullptr || pTabs->m_wndTabs.GetSafeHwnd() == nullptr)
        return -1;
    for (int i = 0, n = 0; i < pTabs->m_wndTabs.ItemGetCount(); ++i)
    {
        CExtControlBar* pBar = pTabs->m_wndTabs.GetBarAt(i, true);
        if (pBar == nullptr)
            continue;
        if (pBar == pMember)
            return n;
        ++n;
    }
    return -1;
}

void CExtDockingKindOf::ShowTabOf(CExtDynTabControlBar* pTabs, CExtControlBar* pMember)
{
    if (pTabs != nullptr)
        pTabs->ShowBarTab(pMember);
}

void CExtDockingKindOf::AppendToAutoHideArea(CExtDynAutoHideArea* pArea, CExtControlBar* pBar, bool bAnimate)
{
    pArea->AppendControlBar(pBar, bAnimate);
}

void CExtDockingKindOf::RemoveFromAutoHideArea(CExtDynAutoHideArea* pArea, CExtControlBar* pBar, bool bAnimate)
{
    pArea->RemoveControlBar(pBar, bAnimate);
}

void CExtDockingKindOf::CollectAutoHideCurrentIds(CExtDynAutoHideArea* pArea, CArray<UINT, UINT>& arrIds)
{
    if (pArea == nullptr || pArea->GetSafeHwnd() == nullptr)
        return;
    for (int i = 0; i < pArea->ItemGetCount(); ++i)
    {
        CExtControlBar* pBar = pArea->GetBarAt(i);
        if (pBar != nullptr && pArea->ItemGet(i)->IsGroupCurrent())
            arrIds.Add((UINT)pBar->GetDlgCtrlID());
    }
}

void CExtDockingKindOf::MarkAutoHideTabCurrent(CExtDynAutoHideArea* pArea, CExtControlBar* pBar)
{
    if (pArea != nullptr && pArea->GetSafeHwnd() != nullptr)
        pArea->MarkGroupCurrent(pArea->ItemFindByLParam((LPARAM)pBar, -1, true, true));
}

void CExtDockingKindOf::QueryAutoHideSlider(const CExtControlBar* pBar, bool* pbShown, bool* pbActive)
{
    if (pbShown != nullptr)
        *pbShown = false;
    if (pbActive != nullptr)
        *pbActive = false;
    CExtControlBar* pLive = const_cast<CExtControlBar*>(pBar);
    CExtDynAutoHideArea* pArea = CExtDynAutoHideArea::FindAreaOfBar(pLive);
    CExtDynAutoHideSlider* pSlider = pArea != nullptr ? pArea->GetAutoHideSlider() : nullptr;
    if (pSlider == nullptr || pSlider->GetSafeHwnd() == nullptr || !pSlider->IsShown() || pSlider->GetBar() != pLive)
        return;
    if (pbShown != nullptr)
        *pbShown = true;
    if (pbActive != nullptr)
        *pbActive = pSlider->IsFocusInside();
}

CWnd* CExtDockingKindOf::AutoHideSliderShowing(const CExtControlBar* pBar, RECT* pRcCaption)
{
    if (pRcCaption != nullptr)
        ::SetRectEmpty(pRcCaption);
    CExtControlBar* pLive = const_cast<CExtControlBar*>(pBar);
    CExtDynAutoHideArea* pArea = pLive != nullptr ? CExtDynAutoHideArea::FindAreaOfBar(pLive) : nullptr;
    CExtDynAutoHideSlider* pSlider = pArea != nullptr ? pArea->GetAutoHideSlider() : nullptr;
    if (pSlider == nullptr || pSlider->GetSafeHwnd() == nullptr || !pSlider->IsWindowVisible() || !pSlider->IsShown() ||
        pSlider->GetBar() != pLive)
        return nullptr;
    if (pRcCaption != nullptr)
    {
        CRect rcWnd, rcClient, rcCaption;
        pSlider->GetWindowRect(&rcWnd);
        pSlider->CalcNcRects(rcWnd.Size(), rcClient, rcCaption);
        *pRcCaption = rcCaption;
    }
    return pSlider;
}

void CExtDockingKindOf::CloseAutoHideSlider(CFrameWnd* pFrame)
{
    CExtDynAutoHideArea* pAreas[4] = {};
    CExtDynAutoHideArea::FindFrameAreas(pFrame, &pAreas[0], &pAreas[1], &pAreas[2], &pAreas[3]);
    for (CExtDynAutoHideArea* pArea : pAreas)
    {
        CExtDynAutoHideSlider* pSlider = pArea != nullptr ? pArea->GetAutoHideSlider() : nullptr;
        if (pSlider != nullptr && pSlider->GetSafeHwnd() != nullptr && pSlider->IsShown() && !pSlider->IsAnimating())
        {
            pSlider->SlideRun(pSlider->GetBar(), false, false);
            return;
        }
    }
}

CWnd* CExtDockingKindOf::SelectAutoHideTab(CExtDynAutoHideArea* pArea, CExtControlBar* pBar)
{
    if (pArea == nullptr)
        pArea = CExtDynAutoHideArea::FindAreaOfBar(pBar);
    if (pArea == nullptr || pArea->GetSafeHwnd() == nullptr)
        return nullptr;
    const int nIndex = pArea->ItemFindByLParam((LPARAM)pBar, -1, true, true);
    if (nIndex >= 0)
    {
        // The tab of a closed group member shows again with its bar. The bar is visible again inside its hidden
        // group, as the shown members are: the group shows it when unpinned, the stored state keeps it shown.
        if (!pArea->ItemGet(nIndex)->IsVisible())
        {
            pArea->ItemGet(nIndex)->ModifyItemStyle(CExtTabWnd::TAB_ITEM_INFO::kHidden, 0);
            pArea->UpdateTabWnd(true);
            if ((pBar->GetStyle() & WS_VISIBLE) == 0)
                pBar->ShowWindow(SW_SHOWNA);
        }
        pArea->SelectionSet(nIndex, true, true);
    }
    return pArea->GetAutoHideSlider();
}

void CExtDockingKindOf::UpdateAutoHideTab(CExtControlBar* pBar)
{
    CExtDynAutoHideArea* pArea = CExtDynAutoHideArea::FindAreaOfBar(pBar);
    if (pArea == nullptr || pArea->GetSafeHwnd() == nullptr)
        return;
    pArea->UpdateTabWnd(true);
    CExtDynAutoHideSlider* pSlider = pArea->GetAutoHideSlider();
    if (pSlider != nullptr && pSlider->GetSafeHwnd() != nullptr && pSlider->IsWindowVisible())
        pSlider->SendMessage(WM_NCPAINT);
}

void CExtDockingKindOf::FollowAutoHideTabOf(CExtControlBar* pMember)
{
    int nIndex = -1;
    CExtDynAutoHideArea* pArea = CExtDynAutoHideArea::FindAreaOfBar(pMember, &nIndex);
    if (pArea == nullptr || pArea->GetSafeHwnd() == nullptr || nIndex < 0 || pMember->GetTabbedContainer() == nullptr)
        return;
    // As the bar will be once the frame's next layout applies a pending show or hide.
    const bool bShown = pMember->IsVisible() != FALSE;
    CExtTabWnd::TAB_ITEM_INFO* pTii = pArea->ItemGet(nIndex);
    if (pTii->IsVisible() == bShown)
        return;
    if (bShown)
        pTii->ModifyItemStyle(CExtTabWnd::TAB_ITEM_INFO::kHidden, 0);
    else
        pTii->ModifyItemStyle(0, CExtTabWnd::TAB_ITEM_INFO::kHidden);
    pArea->UpdateTabWnd(true);
}

void CExtDockingKindOf::CloseToolBarMenus() { CExtToolControlBar::CloseTrackingMenus(); }

bool CExtDockingKindOf::AdjustAutoHideOrder(CExtDynAutoHideArea* pArea)
{
    if (pArea == nullptr || pArea->GetSafeHwnd() == nullptr)
        return false;
    pArea->AdjustOrder();
    return true;
}

bool CExtDockingKindOf::IsToolBarWithoutBorderSizing(const CObject* p)
{
    const CExtToolControlBar* pToolBar = DYNAMIC_DOWNCAST(CExtToolControlBar, const_cast<CObject*>(p));
    return pToolBar != nullptr && (pToolBar->m_nBarFlags & CExtToolControlBar::kBarFlagPanelMode) != 0;
}

namespace
{
CExtDynTabControlBar* AsTabs(CExtControlBar* p) { return DYNAMIC_DOWNCAST(CExtDynTabControlBar, p); }
} // namespace

bool CExtDockingKindOf::IsTabStripVisible(CExtControlBar* pContainer)
{
    CExtDynTabControlBar* pTabs = AsTabs(pContainer);
    return pTabs != nullptr && pTabs->m_wndTabs.GetSafeHwnd() != nullptr && pTabs->m_wndTabs.IsWindowVisible();
}

void CExtDockingKindOf::GetTabStripRect(CExtControlBar* pContainer, RECT& rcScreen)
{
    ::SetRectEmpty(&rcScreen);
    if (IsTabStripVisible(pContainer))
        AsTabs(pContainer)->m_wndTabs.GetWindowRect(&rcScreen);
}

int CExtDockingKindOf::TabIndexAtScreen(CExtControlBar* pContainer, int x, int y)
{
    CExtDynTabControlBar* pTabs = AsTabs(pContainer);
    return pTabs != nullptr ? pTabs->m_wndTabs.ItemHitTestScreen(x, y) : -1;
}

void CExtDockingKindOf::RemoveTemporaryTabs(CExtControlBar* pContainer)
{
    if (CExtDynTabControlBar* pTabs = AsTabs(pContainer))
        pTabs->m_wndTabs.RemoveTemporaryItems(true);
}

void CExtDockingKindOf::InsertTemporaryTab(CExtControlBar* pContainer, CExtControlBar* pBar, int nIndex)
{
    if (CExtDynTabControlBar* pTabs = AsTabs(pContainer))
        pTabs->InsertTemporaryBar(pBar, nIndex, true);
}

void CExtDockingKindOf::InvalidateTabStrip(CExtControlBar* pContainer)
{
    CExtDynTabControlBar* pTabs = AsTabs(pContainer);
    if (pTabs != nullptr && pTabs->m_wndTabs.GetSafeHwnd() != nullptr)
        pTabs->m_wndTabs.Invalidate();
}

void CExtDockingKindOf::RememberTabIndex(CExtDynTabControlBar* pTabs, const CExtControlBar* pMember)
{
    if (pTabs != nullptr)
        pTabs->m_nTrackedTabIndex = pTabs->m_wndTabs.ItemFindByLParam((LPARAM)pMember, -1, true, false);
}

void CExtDockingKindOf::RestoreTabIndex(CExtDynTabControlBar* pTabs, CExtControlBar* pMember, bool bCancel)
{
    if (pTabs == nullptr)
        return;
    pTabs->m_wndTabs.RemoveTemporaryItems(true);
    if (!bCancel)
        return;
    const int nOld = pTabs->m_nTrackedTabIndex;
    const int nNow = pTabs->m_wndTabs.ItemFindByLParam((LPARAM)pMember);
    if (nOld >= 0 && nNow >= 0 && nNow != nOld)
    {
        pTabs->m_wndTabs.ItemRemove(nNow, 1, false);
        pTabs->m_wndTabs.InsertBar(pMember, nOld, false, false);
    }
    pTabs->m_nTrackedTabIndex = -1;
    if (pTabs->m_wndTabs.GetSafeHwnd() != nullptr)
        pTabs->m_wndTabs.UpdateTabWnd(true);
    SelectTabOf(pTabs, pMember);
    if (pMember->GetSafeHwnd() != nullptr)
        pMember->SetFocus();
}
