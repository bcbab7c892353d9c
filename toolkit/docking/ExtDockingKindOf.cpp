// CExtDockingKindOf: the questions of docking, answered with the tab-container, auto-hide and tool-bar classes.
#include "toolkit/docking/ExtDockingKindOf.h"
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

void CExtDockingKindOf::CloseToolBarMenus() { CExtToolControlBar::CloseTrackingMenus(); }

void CExtDockingKindOf::AdjustAutoHideOrder(CExtDynAutoHideArea* pArea)
{
    if (pArea != nullptr && pArea->GetSafeHwnd() != nullptr)
        pArea->AdjustOrder();
}

bool CExtDockingKindOf::IsToolBarWithoutBorderSizing(const CObject* p)
{
    const CExtToolControlBar* pToolBar = DYNAMIC_DOWNCAST(CExtToolControlBar, const_cast<CObject*>(p));
    return pToolBar != nullptr && (pToolBar->m_nBarFlags & CExtToolControlBar::kBarFlagPanelMode) != 0;
}
