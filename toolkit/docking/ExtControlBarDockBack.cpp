// CExtControlBar: remembering where a bar was docked when it floats, and docking a floating bar
// back there.
#include <algorithm>
#include "platform/DockContext.h"
#include "platform/FrameWnd.h"
#include "toolkit/docking/ExtBarContainerSteps.h"
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

bool IsHorzSide(UINT nDockBarId) { return nDockBarId == AFX_IDW_DOCKBAR_TOP || nDockBarId == AFX_IDW_DOCKBAR_BOTTOM; }

// The side's circle dock bar (1, 2, ...) that spans the screen point across the side; NULL when none does,
// and nNewCircle the number a new circle there takes: one more than the circles holding bars that lie
// between the frame's edge and the point.
CExtDockBar* CircleDockBarAt(CFrameWnd* pSite, UINT nDockBarId, CPoint pt, UINT& nNewCircle)
{
    nNewCircle = 1;
    for (UINT nCircle = 1; nCircle < (UINT)kMaxNesting; nCircle++)
    {
        CExtDockBar* pDockBar = CExtDockBar::FindCircleDockBar(pSite, nCircle, nDockBarId, false);
        if (pDockBar == nullptr)
            break;
        if (pDockBar->IsEmpty())
            continue;
        CRect rc;
        pDockBar->GetWindowRect(&rc);
        bool bOutside = false;
        switch (nDockBarId)
        {
        case AFX_IDW_DOCKBAR_TOP: bOutside = pt.y >= rc.bottom; break;
        case AFX_IDW_DOCKBAR_BOTTOM: bOutside = pt.y < rc.top; break;
        case AFX_IDW_DOCKBAR_LEFT: bOutside = pt.x >= rc.right; break;
        default: bOutside = pt.x < rc.left; break;
        }
        const bool bAcross =
            IsHorzSide(nDockBarId) ? (pt.y >= rc.top && pt.y < rc.bottom) : (pt.x >= rc.left && pt.x < rc.right);
        if (bAcross)
            return pDockBar;
        if (bOutside)
            nNewCircle = nCircle + 1;
    }
    return nullptr;
}

LONG& ExtentOf(CExtControlBar* pBar, bool bHorz)
{
    return bHorz ? pBar->m_sizeHorzDocked.cx : pBar->m_sizeVertDocked.cy;
}

// The docked bar takes its extent along its row back from the resizable bars of the row, the nearest after it
// first, then the nearest before it, none below its minimum.
bool TakeBackExtent(CExtControlBar* pBar, int nExtent, bool bHorz)
{
    CArray<CExtControlBar*, CExtControlBar*> arrRow;
    pBar->GetRowResizableBars(arrRow, true);
    int nSelf = -1;
    for (int i = 0; i < (int)arrRow.GetSize(); i++)
    {
        if (arrRow[i] == pBar)
            nSelf = i;
    }
    int nNeed = nExtent - ExtentOf(pBar, bHorz);
    if (nSelf < 0 || nNeed <= 0)
        return false;
    const int nCount = (int)arrRow.GetSize();
    for (int nStep = 1; nStep < nCount && nNeed > 0; nStep++)
    {
        for (int nAt : {nSelf + nStep, nSelf - nStep})
        {
            if (nAt < 0 || nAt >= nCount || nNeed <= 0)
                continue;
            CExtControlBar* pMate = arrRow[nAt];
            const int nMin = bHorz ? pMate->CalcMinWidth() : pMate->CalcMinHeight();
            const int nTake = std::min(nNeed, std::max(0, (int)ExtentOf(pMate, bHorz) - nMin));
            ExtentOf(pMate, bHorz) -= nTake;
            ExtentOf(pBar, bHorz) += nTake;
            nNeed -= nTake;
        }
    }
    return true;
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
    if (CExtControlBar* pMate = TabMateOf(this))
    {
        place.m_nTabMateId = (UINT)pMate->GetDlgCtrlID();
        place.m_nTabIndex = CExtDockingKindOf::TabOrderOf(CExtDockingKindOf::AsControlBar(GetTabbedContainer()), this);
    }
    m_lastDockedPlace = place;
    CExtDockBar* pOuter =
        m_pDockSite != nullptr ? CExtDockBar::FindCircleDockBar(m_pDockSite, 0, place.m_nDockBarId, false) : nullptr;
    if (m_pDockContext != nullptr && pOuter != nullptr && IsSideId(place.m_nDockBarId))
    {
        CRect rc;
        GetWindowRect(&rc);
        pOuter->ScreenToClient(&rc);
        m_pDockContext->m_uMRUDockID = place.m_nDockBarId;
        m_pDockContext->m_rectMRUDockPos = rc;
    }
    // The bars of a group or container leave the place with it: each remembers it for when it floats on its own.
    CExtDynControlBar* pDyn = DYNAMIC_DOWNCAST(CExtDynControlBar, this);
    CDockBar* pInner = pDyn != nullptr ? pDyn->m_pWndDynDocker : nullptr;
    if (pInner == nullptr || pInner->GetSafeHwnd() == nullptr)
        return;
    for (INT_PTR i = 0; i < pInner->m_arrBars.GetSize(); i++)
    {
        void* pEntry = pInner->m_arrBars[i];
        if (pEntry == nullptr || CDockBar::IsPlaceHolder(pEntry))
            continue;
        if (CExtControlBar* pMember = DYNAMIC_DOWNCAST(CExtControlBar, static_cast<CControlBar*>(pEntry)))
            pMember->RememberDockedPlace();
    }
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
        // Into the group while its bar is still docked at the side; a group moved to another side is not the place.
        CExtControlBar* pMate = DYNAMIC_DOWNCAST(CExtControlBar, pSite->GetControlBar(place.m_nTabMateId));
        CExtDockBar* pMateEdge = pMate != nullptr ? EdgeDockBarOf(pMate) : nullptr;
        if (pMate != nullptr && pMate != this && pMate->GetSafeHwnd() != nullptr && !IsFloating(pMate) &&
            pMate->m_pDockBar != nullptr && pMate->IsVisible() && !pMate->IsAutoHideMode() && pMateEdge != nullptr &&
            (UINT)pMateEdge->GetDlgCtrlID() == place.m_nDockBarId &&
            pMate->DockAsTabWith(this, place.m_nTabIndex, true) && !IsFloating(this))
            return true;
    }
    // The side: the remembered place's, else (after a restart) the dock context's.
    const UINT nMRUDockId = m_pDockContext != nullptr ? m_pDockContext->m_uMRUDockID : 0;
    UINT nDockBarId = IsSideId(place.m_nDockBarId) ? place.m_nDockBarId : nMRUDockId;
    // The docked rectangle on the screen, from the side's frame-edge dock bar where the frame is now.
    CRect rcScreen;
    bool bRect = false;
    if (IsSideId(nDockBarId) && nMRUDockId == nDockBarId && !m_pDockContext->m_rectMRUDockPos.IsRectEmpty())
    {
        if (CExtDockBar* pOuter = CExtDockBar::FindCircleDockBar(pSite, 0, nDockBarId, false))
        {
            rcScreen = m_pDockContext->m_rectMRUDockPos;
            pOuter->ClientToScreen(&rcScreen);
            bRect = true;
        }
    }
    UINT nCircle = place.m_nCircle;
    // Its dock bar while it lives; else its circle emptied and was dropped: a new one takes its number.
    CExtDockBar* pDockBar = nullptr;
    bool bNewCircle = false;
    if (IsSideId(place.m_nDockBarId))
    {
        if (::IsWindow(place.m_hDockBar))
        {
            pDockBar = DYNAMIC_DOWNCAST(CExtDockBar, CWnd::FromHandlePermanent(place.m_hDockBar));
            if (pDockBar != nullptr && (pDockBar->IsKindOf(RUNTIME_CLASS(CExtDockDynBar)) ||
                                        (UINT)pDockBar->GetDlgCtrlID() != nDockBarId || pDockBar->m_bFloating))
                pDockBar = nullptr;
        }
        bNewCircle = pDockBar == nullptr && nCircle > 0;
    }
    else if (bRect)
    {
        // No place known: the circle under the rectangle, or a new one where it lay.
        pDockBar = CircleDockBarAt(pSite, nDockBarId, rcScreen.CenterPoint(), nCircle);
        bNewCircle = pDockBar == nullptr;
    }
    else
    {
        if (!IsSideId(nDockBarId))
            nDockBarId = AFX_IDW_DOCKBAR_TOP;
        nCircle = 1;
    }
    if (bNewCircle)
        CExtDockBar::InsertCircle(pSite, nCircle);
    if (pDockBar == nullptr)
        pDockBar = CExtDockBar::FindCircleDockBar(pSite, nCircle, nDockBarId, true);
    if (pDockBar == nullptr)
        return false;
    // Docked at its size: across the row at once, along it taken back from the row after the layout; across it never
    // more than the view can give.
    const bool bHorz = IsHorzSide(nDockBarId);
    if (bRect)
    {
        if (bHorz)
            m_sizeHorzDocked = rcScreen.Size();
        else
            m_sizeVertDocked = rcScreen.Size();
    }
    barcontainer::FitThicknessToSide(this, bHorz, pSite);
    if (bRect)
    {
        const int nThickness = bHorz ? m_sizeHorzDocked.cy : m_sizeVertDocked.cx;
        switch (nDockBarId)
        {
        case AFX_IDW_DOCKBAR_TOP: rcScreen.bottom = rcScreen.top + nThickness; break;
        case AFX_IDW_DOCKBAR_BOTTOM: rcScreen.top = rcScreen.bottom - nThickness; break;
        case AFX_IDW_DOCKBAR_LEFT: rcScreen.right = rcScreen.left + nThickness; break;
        default: rcScreen.left = rcScreen.right - nThickness; break;
        }
    }
    const HWND hDockBar = pDockBar->GetSafeHwnd();
    pDockBar->DockBarInto(this, bRect ? &rcScreen : nullptr, false);
    // Leaving its floating frame destroys that frame; the dock bar is checked before it is used again.
    if (!::IsWindow(hDockBar) || CWnd::FromHandlePermanent(hDockBar) != pDockBar || m_pDockBar != pDockBar)
        return false;
    pSite->RecalcLayout();
    if (bRect && !IsFloating(this) && m_pDockBar == pDockBar &&
        TakeBackExtent(this, bHorz ? rcScreen.Width() : rcScreen.Height(), bHorz))
        pSite->RecalcLayout();
    return !IsFloating(this);
}
