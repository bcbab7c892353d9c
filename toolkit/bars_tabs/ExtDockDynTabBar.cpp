// CExtDockDynTabBar: the stacked layout of the grouped bars, their listing in tab order and the row passes.
#include "toolkit/bars_tabs/ExtDockDynTabBar.h"
#include "toolkit/bars_tabs/ExtDynTabControlBar.h"
#include "toolkit/docking/ExtControlBar.h"

IMPLEMENT_DYNCREATE(CExtDockDynTabBar, CExtDockDynBar)

namespace
{
// Positioning flags of the layout batch: no Z order, no activation, no owner Z order, no frame redraw.
const UINT kLayoutBatchFlags = 0x234;
} // namespace

CExtDockDynTabBar::CExtDockDynTabBar() {}

CExtDockDynTabBar::~CExtDockDynTabBar() {}

CExtDynTabControlBar* CExtDockDynTabBar::GetTabControlBar() const
{
    return GetSafeHwnd() != nullptr ? DYNAMIC_DOWNCAST(CExtDynTabControlBar, GetParent()) : nullptr;
}

CSize CExtDockDynTabBar::LayoutTabbedBars(bool bRepositionChildren)
{
    if (GetSafeHwnd() == nullptr)
        return CSize(0, 0);
    CRect rcWnd, rcClient;
    GetWindowRect(&rcWnd);
    GetClientRect(&rcClient);
    CArray<CExtControlBar*, CExtControlBar*> arrBars;
    CollectBars(arrBars);
    if (arrBars.GetSize() == 0)
        return rcWnd.Size();
    // Delayed showing and hiding (a restored state) takes effect here, as in any dock bar's layout.
    for (INT_PTR i = 0; i < arrBars.GetSize(); ++i)
    {
        if (arrBars[i]->GetSafeHwnd() != nullptr)
            arrBars[i]->RecalcDelayShow(nullptr);
    }
    // Bars already in place are left alone.
    for (INT_PTR i = arrBars.GetSize() - 1; i >= 0; --i)
    {
        CExtControlBar* pBar = arrBars[i];
        CRect rcBar(0, 0, 0, 0);
        if (pBar->GetSafeHwnd() != nullptr)
        {
            pBar->GetWindowRect(&rcBar);
            ScreenToClient(&rcBar);
        }
        if (pBar->GetSafeHwnd() == nullptr || rcBar == rcClient)
            arrBars.RemoveAt(i);
    }
    if (arrBars.GetSize() == 0)
        return rcWnd.Size();
    HDWP hDwp = ::BeginDeferWindowPos((int)arrBars.GetSize());
    for (INT_PTR i = 0; i < arrBars.GetSize(); ++i)
    {
        CExtControlBar* pBar = arrBars[i];
        if (bRepositionChildren)
            pBar->m_bfTracking |= CExtControlBar::kTrackLayoutSuspended;
        if (hDwp != nullptr)
            hDwp = ::DeferWindowPos(hDwp, pBar->GetSafeHwnd(), nullptr, rcClient.left, rcClient.top, rcClient.Width(),
                                    rcClient.Height(), kLayoutBatchFlags);
        else
            pBar->SetWindowPos(nullptr, rcClient.left, rcClient.top, rcClient.Width(), rcClient.Height(),
                               kLayoutBatchFlags);
    }
    if (hDwp != nullptr)
        ::EndDeferWindowPos(hDwp);
    if (bRepositionChildren)
    {
        for (INT_PTR i = 0; i < arrBars.GetSize(); ++i)
        {
            CExtControlBar* pBar = arrBars[i];
            if (pBar->GetSafeHwnd() == nullptr)
                continue;
            pBar->m_bfTracking &= ~CExtControlBar::kTrackLayoutSuspended;
            pBar->RepositionChildWindow();
        }
    }
    return rcWnd.Size();
}

void CExtDockDynTabBar::CollectTabbedBars(CArray<CExtControlBar*, CExtControlBar*>& arrBars) const
{
    CExtDynTabControlBar* pGroup = GetTabControlBar();
    if (pGroup == nullptr)
        return;
    const CExtDynTabWnd& tabs = pGroup->m_wndTabs;
    for (int i = 0; i < tabs.ItemGetCount(); ++i)
    {
        if (CExtControlBar* pBar = tabs.GetBarAt(i, true))
            arrBars.Add(pBar);
    }
}

CSize CExtDockDynTabBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    (void)bHorz;
    if (!bStretch)
    {
        CRect rcWnd(0, 0, 0, 0);
        if (GetSafeHwnd() != nullptr)
            GetWindowRect(&rcWnd);
        return rcWnd.Size();
    }
    return LayoutTabbedBars(false);
}

void CExtDockDynTabBar::TakeGroupSizes()
{
    CExtDynTabControlBar* pGroup = GetTabControlBar();
    if (pGroup == nullptr)
        return;
    CArray<CExtControlBar*, CExtControlBar*> arrBars;
    CollectBars(arrBars);
    for (INT_PTR i = 0; i < arrBars.GetSize(); ++i)
    {
        arrBars[i]->m_sizeHorzDocked = pGroup->m_sizeHorzDocked;
        arrBars[i]->m_sizeVertDocked = pGroup->m_sizeVertDocked;
        arrBars[i]->m_sizeFloating = pGroup->m_sizeFloating;
    }
}

void CExtDockDynTabBar::RecalcRows()
{
    if (IsLayoutLocked() || GetSafeHwnd() == nullptr)
        return;
    TakeGroupSizes();
    LayoutTabbedBars(true);
}

void CExtDockDynTabBar::CleanRows()
{
    if (IsLayoutLocked() || GetSafeHwnd() == nullptr)
        return;
    TakeGroupSizes();
    const HWND hOwn = m_hWnd;
    CExtDynTabControlBar* pGroup = GetTabControlBar();
    CleanInnerRows();
    // Cleaning may have dissolved the group together with this dock bar.
    if (!::IsWindow(hOwn) || CWnd::FromHandlePermanent(hOwn) != this || pGroup == nullptr)
        return;
    CExtDynTabWnd& tabs = pGroup->m_wndTabs;
    if (tabs.GetSafeHwnd() == nullptr || tabs.ItemGetCount() < 2 || tabs.SelectionGet() >= 0)
        return;
    for (CWnd* pChild = GetWindow(GW_CHILD); pChild != nullptr; pChild = pChild->GetWindow(GW_HWNDNEXT))
    {
        const int nIndex = tabs.FindBar(DYNAMIC_DOWNCAST(CExtControlBar, pChild));
        if (nIndex < 0)
            continue;
        tabs.SelectionSet(nIndex, true, true);
        break;
    }
}
