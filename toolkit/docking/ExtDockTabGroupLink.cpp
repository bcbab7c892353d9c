// The dock bars' questions to the tab groups and auto-hide areas.
#include "toolkit/docking/ExtDockTabGroupLink.h"
#include "toolkit/bars_tabs/ExtDockDynTabBar.h"
#include "toolkit/bars_tabs/ExtDynAutoHideArea.h"
#include "toolkit/bars_tabs/ExtDynTabControlBar.h"

namespace ExtDockTabGroupLink
{
bool IsTabGroupDockBar(const CWnd* pWnd) { return pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CExtDockDynTabBar)); }

bool IsTabGroupBar(const CWnd* pWnd) { return pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CExtDynTabControlBar)); }

CExtDynControlBar* NewTabGroupBar() { return new CExtDynTabControlBar; }

CExtDynControlBar* AsContainer(CExtDynTabControlBar* pTabs) { return pTabs; }

void InsertIntoTabGroup(CExtDynControlBar* pGroup, CExtControlBar* pBar, int nIndex, bool bRecalc)
{
    CExtDynTabControlBar* pTabs = DYNAMIC_DOWNCAST(CExtDynTabControlBar, pGroup);
    if (pTabs != nullptr)
        pTabs->InsertBar(pBar, nIndex, bRecalc);
}

void AdjustAutoHideOrder(CExtDynAutoHideArea* pArea)
{
    if (pArea != nullptr && pArea->GetSafeHwnd() != nullptr)
        pArea->AdjustOrder();
}
} // namespace ExtDockTabGroupLink
