// CExtControlBar: remembering where a bar was docked when it floats, and docking a floating bar
// back there.
#include "platform/DockContext.h"
#include "platform/FrameWnd.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/docking/ExtDockDynBar.h"
#include "toolkit/docking/ExtDockingKindOf.h"
#include "toolkit/docking/ExtDynControlBar.h"

namespace
{
// Containers nested deeper than this are not followed.
const int kMaxNesting = 32;

bool IsSideId(UINT nID) { return nID >= AFX_IDW_DOCKBAR_TOP && nID <= AFX_IDW_DOCKBAR_BOTTOM; }

// The frame-edge dock bar that holds the bar, through the containers it is nested in; NULL when the
// bar is not docked in the frame.
CExtDockBar* EdgeDockBarOf(CControlBar* pBar)
{
    for (int nDepth = 0; pBar != nullptr && nDepth < kMaxNesting; nDepth++)
    {
        CDockBar* pDockBar = pBar->m_pDockBar;
        if (pDockBar == nullptr || pDockBar->m_bFloating || pDockBar->GetSafeHwnd() == nullptr)
            return nullptr;
        if (!pDockBar->IsKindOf(RUNTIME_CLASS(CExtDockDynBar)))
            return DYNAMIC_DOWNCAST(CExtDockBar, pDockBar);
        // An inner dock bar: its container is the next one out.
        pBar = DYNAMIC_DOWNCAST(CControlBar, pDockBar->GetParent());
    }
    return nullptr;
}

// Another bar of the bar's tab group, or NULL.
CExtControlBar* TabMateOf(const CExtControlBar* pBar)
{
    CExtDynTabControlBar* pTabs = pBar->GetTabbedContainer();
    CExtDynControlBar* pGroup = pTabs != nullptr ? CExtDockingKindOf::AsDynControlBar(pTabs) : nullptr;
    CDockBar* pInner = pGroup != nullptr ? pGroup->m_pWndDynDocker : nullptr;
    if (pInner == nullptr)
        return nullptr;
    for (INT_PTR i = 1; i < pInner->m_arrBars.GetSize(); i++)
    {
        void* pEntry = pInner->m_arrBars[i];
        if (pEntry == nullptr || CDockBar::IsPlaceHolder(pEntry))
            continue;
        CExtControlBar* pMate = DYNAMIC_DOWNCAST(CExtControlBar, static_cast<CControlBar*>(pEntry));
        if (pMate != nullptr && pMate != pBar && pMate->GetSafeHwnd() != nullptr)
            return pMate;
    }
    return nullptr;
}
} // namespace

void CExtControlBar::RememberDockedPlace()
{
    if (GetSafeHwnd() == nullptr)
        return;
    CExtDockBar* pEdge = EdgeDockBarOf(this);
    if (pEdge == nullptr)
        return;
    DockedPlace_t place;
    place.m_hDockBar = pEdge->GetSafeHwnd();
    place.m_nDockBarId = (UINT)pEdge->GetDlgCtrlID();
    place.m_nCircle = pEdge->GetCircleNo();
    GetWindowRect(&place.m_rcScreen);
    if (CExtControlBar* pMate = TabMateOf(this))
        place.m_nTabMateId = (UINT)pMate->GetDlgCtrlID();
    m_lastDockedPlace = place;
}

bool CExtControlBar::DockBackFromFloating()
{
    CFrameWnd* pSite = m_pDockSite;
    if (GetSafeHwnd() == nullptr || pSite == nullptr || !IsFloating(this))
        return false;
    if (IsFixedDockStyle())
    {
        ToggleDocking();
        return !IsFloating(this);
    }
    const DockedPlace_t place = m_lastDockedPlace;
    if (place.m_nTabMateId != 0)
    {
        CExtControlBar* pMate = DYNAMIC_DOWNCAST(CExtControlBar, pSite->GetControlBar(place.m_nTabMateId));
        if (pMate != nullptr && pMate != this && pMate->GetSafeHwnd() != nullptr && !IsFloating(pMate) &&
            pMate->m_pDockBar != nullptr && pMate->IsVisible() && !pMate->IsAutoHideMode() &&
            pMate->DockAsTabWith(this, -1, true) && !IsFloating(this))
            return true;
    }
    UINT nDockBarId = place.m_nDockBarId;
    UINT nCircle = place.m_nCircle;
    const CRect* pRect = &place.m_rcScreen;
    if (!IsSideId(nDockBarId))
    {
        nDockBarId = m_pDockContext != nullptr && IsSideId(m_pDockContext->m_uMRUDockID) ? m_pDockContext->m_uMRUDockID
                                                                                         : (UINT)AFX_IDW_DOCKBAR_TOP;
        nCircle = 1;
        pRect = nullptr;
    }
    // Its dock bar while it lives; else its circle emptied and was dropped: a new one takes its number.
    CExtDockBar* pDockBar = nullptr;
    if (pRect != nullptr && ::IsWindow(place.m_hDockBar))
    {
        pDockBar = DYNAMIC_DOWNCAST(CExtDockBar, CWnd::FromHandlePermanent(place.m_hDockBar));
        if (pDockBar != nullptr && (pDockBar->IsKindOf(RUNTIME_CLASS(CExtDockDynBar)) ||
                                    (UINT)pDockBar->GetDlgCtrlID() != nDockBarId || pDockBar->m_bFloating))
            pDockBar = nullptr;
    }
    if (pDockBar == nullptr && pRect != nullptr && nCircle > 0)
        CExtDockBar::InsertCircle(pSite, nCircle);
    if (pDockBar == nullptr)
        pDockBar = CExtDockBar::FindCircleDockBar(pSite, nCircle, nDockBarId, true);
    if (pDockBar == nullptr)
        return false;
    const HWND hDockBar = pDockBar->GetSafeHwnd();
    pDockBar->DockBarInto(this, pRect, false);
    // Leaving its floating frame destroys that frame; the dock bar is checked before it is used again.
    if (!::IsWindow(hDockBar) || CWnd::FromHandlePermanent(hDockBar) != pDockBar || m_pDockBar != pDockBar)
        return false;
    pSite->RecalcLayout();
    return !IsFloating(this);
}
