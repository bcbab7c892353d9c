// CExtControlBar: carrying out a drag state (DockOrFloat), splitting a bar into a container with another
// (DockBesideBar, DockNextToBar) and docking beside a bar through a built state (DockViaDragState).
#include <algorithm>
#include "platform/DockBar.h"
#include "platform/DockContext.h"
#include "platform/FrameWnd.h"
#include "toolkit/docking/ExtBarContainerSteps.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/docking/ExtDockDynBar.h"
#include "toolkit/docking/ExtDockingKindOf.h"
#include "toolkit/docking/ExtDynControlBar.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "toolkit/foundation/ExtDynDockMarkerWnd.h"

namespace
{
// Side ids in the order of the kinds: top, bottom, left, right.
const UINT kKindSides[4] = {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT};

// A docked bar leaving its row gives its length along the row to the nearest visible neighbour.
void GiveExtentToNeighbour(CExtControlBar* pBar)
{
    if (!CExtControlBar::IsDocked(pBar) || CExtControlBar::IsFloating(pBar))
        return;
    CExtControlBar* pNext = pBar->FindNeighbourResizableBar(true);
    if (pNext == nullptr)
        pNext = pBar->FindNeighbourResizableBar(false);
    if (pNext == nullptr)
        return;
    if (CExtControlBar::IsDockedHorizontally(pBar))
        pNext->m_sizeHorzDocked.cx += pBar->m_sizeHorzDocked.cx;
    else
        pNext->m_sizeVertDocked.cy += pBar->m_sizeVertDocked.cy;
}
} // namespace

bool CExtControlBar::DockOrFloat(InternalDraggingState_t& state, bool bFinal)
{
    CExtDynDockMarkerWnd::HideHighlights(nullptr, false);
    if (state.IsEmpty() || IsFixedDockStyle() || GetSafeHwnd() == nullptr)
        return false;
    const int nKind = state.m_nTargetKind;
    CExtControlBar* pTarget = state.m_pBarTarget;
    if (pTarget != nullptr && !barcontainer::IsRegisteredBar(pTarget))
        pTarget = nullptr;
    CFrameWnd* pSite = m_pDockSite;
    if (pSite == nullptr)
        return false;
    if (nKind >= InternalDraggingState_t::kMarkerOuterTop && nKind <= InternalDraggingState_t::kMarkerCentre && !bFinal)
    {
        // Resting on a marker: its preview appears.
        CPoint pt;
        ::GetCursorPos(&pt);
        CExtDynDockMarkerWnd* pMarker = CExtDynDockMarkerWnd::MarkerFromPoint(pt);
        if (pMarker != nullptr && pMarker->GetMarkerKind() == nKind)
            pMarker->ShowHighlight(true);
        return true;
    }
    switch (nKind)
    {
    case InternalDraggingState_t::kMarkerOuterTop:
    case InternalDraggingState_t::kMarkerOuterTop + 1:
    case InternalDraggingState_t::kMarkerOuterTop + 2:
    case InternalDraggingState_t::kMarkerOuterTop + 3:
    case InternalDraggingState_t::kMarkerViewTop:
    case InternalDraggingState_t::kMarkerViewTop + 1:
    case InternalDraggingState_t::kMarkerViewTop + 2:
    case InternalDraggingState_t::kMarkerViewTop + 3:
    {
        const bool bView = nKind >= InternalDraggingState_t::kMarkerViewTop;
        const int nSide =
            nKind - (bView ? InternalDraggingState_t::kMarkerViewTop : InternalDraggingState_t::kMarkerOuterTop);
        // As thick as a bar newly docked there, the view keeping a quarter.
        barcontainer::FitThicknessToSide(this, nSide < 2, pSite);
        return DockAtSide(kKindSides[nSide], bView, nullptr, true);
    }
    case InternalDraggingState_t::kMarkerBarTop:
    case InternalDraggingState_t::kMarkerBarTop + 1:
    case InternalDraggingState_t::kMarkerBarTop + 2:
    case InternalDraggingState_t::kMarkerBarTop + 3:
        return pTarget != nullptr &&
               DockNextToBar(50, pTarget, kKindSides[nKind - InternalDraggingState_t::kMarkerBarTop], true);
    case InternalDraggingState_t::kMarkerCentre: return pTarget != nullptr && pTarget->DockAsTabWith(this, 0, true);
    case InternalDraggingState_t::kFloat:
    {
        CRect rcSite;
        pSite->GetWindowRect(&rcSite);
        CRect rc(state.m_rcTrack);
        rc.OffsetRect(-rcSite.left, -rcSite.top);
        // A bar that cannot float (no floating frame) stays where it is, with its row untouched.
        const CSize sizeHorz = m_sizeHorzDocked, sizeVert = m_sizeVertDocked;
        CExtControlBar* pNext = FindNeighbourResizableBar(true);
        if (pNext == nullptr)
            pNext = FindNeighbourResizableBar(false);
        const CSize sizeNextHorz = pNext != nullptr ? CSize(pNext->m_sizeHorzDocked) : CSize(0, 0);
        const CSize sizeNextVert = pNext != nullptr ? CSize(pNext->m_sizeVertDocked) : CSize(0, 0);
        GiveExtentToNeighbour(this);
        if (!FloatAtPoint(rc.TopLeft(), CBRS_ALIGN_TOP))
        {
            m_sizeHorzDocked = sizeHorz;
            m_sizeVertDocked = sizeVert;
            if (pNext != nullptr)
            {
                pNext->m_sizeHorzDocked = sizeNextHorz;
                pNext->m_sizeVertDocked = sizeNextVert;
            }
            return false;
        }
        if (m_pDockContext != nullptr)
            m_pDockContext->m_ptMRUFloatPos = rc.TopLeft();
        if (!IsLiveDragMode())
            pSite->RecalcLayout();
        else
            pSite->DelayRecalcLayout();
        return true;
    }
    case 1:
    case 2:
    case 3:
    case 4: return pTarget != nullptr && DockNextToBar(50, pTarget, kKindSides[nKind - 1], true);
    case InternalDraggingState_t::kStay: pSite->DelayRecalcLayout(); return true;
    case InternalDraggingState_t::kTabAppend:
    case InternalDraggingState_t::kTabAppendStrip:
    case InternalDraggingState_t::kTabAtIndex:
    case InternalDraggingState_t::kTabMarkerAtIndex:
        return pTarget != nullptr &&
               pTarget->DockAsTabWith(this, nKind >= InternalDraggingState_t::kTabAtIndex ? state.m_nTabIndex : -1,
                                      true);
    default: break;
    }
    if (nKind < InternalDraggingState_t::kInnerTop || nKind >= InternalDraggingState_t::kStay)
        return false;
    // Kinds 5..12: a frame side in the innermost (5..8) or the outermost (9..12) circle.
    const bool bOuter = nKind >= InternalDraggingState_t::kOuterTop;
    const int nSide = (nKind - InternalDraggingState_t::kInnerTop) % 4;
    const UINT nSideId = kKindSides[nSide];
    // Out of a container the bar's sizes were its share of the container's rows; the side's were taken for the track.
    barcontainer::TakeSideThicknesses(this);
    if (nSide < 2)
        m_sizeHorzDocked.cy = state.m_rcTrack.Height();
    else
        m_sizeVertDocked.cx = state.m_rcTrack.Width();
    CExtDockBar* pEdge = CExtDockBar::FindCircleDockBar(pSite, 0, nSideId, false);
    if (pEdge == nullptr)
        return false;
    if (bOuter && nSide >= 2)
        pEdge->InsertCircleInside();
    const UINT nCircle = bOuter ? 1 : (UINT)std::max(state.m_nCircleNo, 1);
    CExtDockBar* pDockBar = pEdge->GetCircleDockBar(nCircle);
    if (pDockBar == nullptr)
        return false;
    // The floating frame this bar leaves closes when it empties.
    CFrameWnd* pOldFrame = GetParentFrame();
    const HWND hOldFrame = pOldFrame != nullptr ? pOldFrame->GetSafeHwnd() : nullptr;
    CExtDockBar::DockBarAtEdgeRow(pDockBar, this, !bOuter);
    pSite->RecalcLayout();
    if (pOldFrame != nullptr && pOldFrame != pSite && ::IsWindow(hOldFrame) &&
        CWnd::FromHandlePermanent(hOldFrame) == pOldFrame)
    {
        if (pOldFrame->IsKindOf(RUNTIME_CLASS(CExtMiniDockFrameWnd)))
            pOldFrame->RecalcLayout();
        else
            pOldFrame->DelayRecalcLayout();
    }
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return m_pDockBar == pDockBar;
}

bool CExtControlBar::DockBesideBar(CExtControlBar* pBarInsert, int nSide, int nPercent)
{
    CDockBar* pDockBar = GetDockBarSafe();
    CFrameWnd* pSite = m_pDockSite;
    if (pBarInsert == nullptr || pBarInsert == this || pBarInsert->GetSafeHwnd() == nullptr ||
        GetSafeHwnd() == nullptr || pDockBar == nullptr || pSite == nullptr)
        return false;
    const int nPos = pDockBar->FindBar(this);
    if (nPos <= 0)
        return false;
    const bool bStacked = nSide == (int)AFX_IDW_DOCKBAR_TOP || nSide == (int)AFX_IDW_DOCKBAR_BOTTOM;
    const bool bInsertFirst = nSide == (int)AFX_IDW_DOCKBAR_TOP || nSide == (int)AFX_IDW_DOCKBAR_LEFT;
    CRect R;
    GetWindowRect(&R);
    pDockBar->ScreenToClient(&R);
    const int nLength = bStacked ? R.Height() : R.Width();
    const int nInsertLength = ::MulDiv(nLength, nPercent, 100);

    auto* pDyn = new CExtDynControlBar;
    pDyn->m_pDockSite = pSite;
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | (m_dwStyle & CBRS_ALIGN_ANY) | CBRS_SIZE_DYNAMIC | CBRS_BORDER_ANY;
    if (!pDyn->Create(nullptr, pSite, bStacked ? AFX_IDW_DOCKBAR_TOP : AFX_IDW_DOCKBAR_LEFT, dwStyle) ||
        pDyn->m_pWndDynDocker == nullptr)
    {
        // The layout stays as it was.
        barcontainer::DisposeUnmade(pDyn);
        return false;
    }
    barcontainer::TakeOverSizes(pDyn, this, pSite);
    CExtDockDynBar* pInner = pDyn->m_pWndDynDocker;

    pDyn->m_bfTracking |= kTrackLayoutSuspended;
    m_bfTracking |= kTrackLayoutSuspended;
    pBarInsert->m_bfTracking |= kTrackLayoutSuspended;
    // The container takes this bar's entry and place.
    pDockBar->m_arrBars[nPos] = pDyn;
    pDyn->SetParent(pDockBar);
    pDyn->m_pDockBar = pDockBar;
    pDyn->SetWindowPos(nullptr, R.left, R.top, R.Width(), R.Height(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    m_pDockBar = nullptr;
    const HWND hSelf = m_hWnd;
    CExtDockBar::DockBarInto(pInner, this, nullptr, false);
    CExtDockBar::DockBarInto(pInner, pBarInsert, nullptr, false);
    // A bar taken from this tab group of two (its tab dropped beside the group) dissolves the group: this object is
    // gone, and the bar left in the group has taken its entry in the new container.
    CExtControlBar* pSelf = this;
    if (!::IsWindow(hSelf) || CWnd::FromHandlePermanent(hSelf) != this)
    {
        pSelf = nullptr;
        for (INT_PTR i = 1; i < pInner->m_arrBars.GetSize() && pSelf == nullptr; ++i)
        {
            void* pEntry = pInner->m_arrBars[i];
            if (pEntry != nullptr && pEntry != pBarInsert && !CDockBar::IsPlaceHolder(pEntry))
                pSelf = DYNAMIC_DOWNCAST(CExtControlBar, static_cast<CControlBar*>(pEntry));
        }
        if (pSelf == nullptr)
        {
            pBarInsert->m_bfTracking &= ~kTrackLayoutSuspended;
            pDyn->m_bfTracking &= ~kTrackLayoutSuspended;
            pSite->RecalcLayout();
            return true;
        }
    }
    CExtControlBar* pFirst = bInsertFirst ? pBarInsert : pSelf;
    CExtControlBar* pSecond = bInsertFirst ? pSelf : pBarInsert;
    pInner->m_arrBars.RemoveAll();
    pInner->m_arrBars.Add(nullptr);
    pInner->m_arrBars.Add(pFirst);
    pInner->m_arrBars.Add(nullptr);
    pInner->m_arrBars.Add(pSecond);
    pInner->m_arrBars.Add(nullptr);
    // Sizes and rectangles of the two parts (container client coordinates).
    const int nFirstLength = bInsertFirst ? nInsertLength : nLength - nInsertLength;
    CRect rcFirst(0, 0, R.Width(), R.Height()), rcSecond(rcFirst);
    if (bStacked)
    {
        rcFirst.bottom = nFirstLength;
        rcSecond.top = nFirstLength;
    }
    else
    {
        rcFirst.right = nFirstLength;
        rcSecond.left = nFirstLength;
    }
    for (CExtControlBar* p : {pFirst, pSecond})
    {
        const CRect& rc = p == pFirst ? rcFirst : rcSecond;
        p->m_sizeHorzDocked = rc.Size();
        p->m_sizeVertDocked = rc.Size();
        p->SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    pBarInsert->m_bfTracking &= ~kTrackLayoutSuspended;
    pSelf->m_bfTracking &= ~kTrackLayoutSuspended;
    pDyn->m_bfTracking &= ~kTrackLayoutSuspended;
    CExtDockBar::RemovePlaceHolderInFrame(pSite, (UINT)pBarInsert->GetDlgCtrlID() & 0xFFFF, nullptr);
    pSite->RecalcLayout();
    // The inner dock bar fills the container as a bar's child fills the bar (inside the frame's border where the
    // container floats, as a container read from the stored state does) and shares it between the two rows.
    pDyn->RepositionChildWindow(-1, -1, false);
    pInner->RecalcInnerRows();
    return true;
}

bool CExtControlBar::DockNextToBar(int nPercent, CExtControlBar* pBarTarget, UINT nSide, bool bRecalc)
{
    if (pBarTarget == nullptr || pBarTarget == this || pBarTarget->GetSafeHwnd() == nullptr)
        return false;
    CExtControlBar* pTarget = pBarTarget;
    if (CExtDynTabControlBar* pTabs = pBarTarget->GetTabbedContainer())
        pTarget = CExtDockingKindOf::AsControlBar(pTabs);
    // The target may go with the step (this bar's own tab group dissolved), and the floating frame this bar leaves
    // closes when it empties: neither is asked anything afterwards; this bar now shares the target's frame.
    CFrameWnd* pSite = pTarget->m_pDockSite;
    CFrameWnd* pOldFrame = GetParentFrame();
    const HWND hOldFrame = pOldFrame != nullptr ? pOldFrame->GetSafeHwnd() : nullptr;
    if (!pTarget->DockBesideBar(this, (int)nSide, nPercent))
        return false;
    if (bRecalc)
    {
        if (pSite != nullptr)
            pSite->RecalcLayout();
        if (CFrameWnd* pTargetFrame = GetParentFrame())
            if (pTargetFrame != pSite)
                pTargetFrame->RecalcLayout();
        if (hOldFrame != nullptr && ::IsWindow(hOldFrame) && CWnd::FromHandlePermanent(hOldFrame) == pOldFrame &&
            pOldFrame != pSite)
            pOldFrame->DelayRecalcLayout();
    }
    return true;
}

bool CExtControlBar::DockNextToBar(CExtControlBar* pBarTarget, UINT nSide, bool bRecalc)
{
    return DockNextToBar(50, pBarTarget, nSide, bRecalc);
}

bool CExtControlBar::DockViaDragState(CExtControlBar* pBarTarget, bool bInRow, bool bFirst, CFrameWnd* pFrame,
                                      bool bRecalc)
{
    if (CExtDynTabControlBar* pTabs = GetTabbedContainer())
        return CExtDockingKindOf::AsControlBar(pTabs)->DockViaDragState(pBarTarget, bInRow, bFirst, pFrame, bRecalc);
    if (pBarTarget == nullptr || GetSafeHwnd() == nullptr)
        return false;
    if (pFrame == nullptr)
        pFrame = m_pDockSite;
    InternalDraggingState_t state(this);
    state.SetTargetBar(pBarTarget, true);
    GetWindowRect(&state.m_rcTrack);
    state.m_bEmpty = false;
    const UINT nOwn = GetDockBarId(this);
    const bool bHorzSide = nOwn == kDockBarTop || nOwn == kDockBarBottom;
    int nKind = 0;
    if (bInRow)
        nKind = bHorzSide ? (bFirst ? 3 : 4) : (bFirst ? 1 : 2);
    else
    {
        // Facing the frame's centre, or away from it.
        int nToward = 3;
        switch (nOwn)
        {
        case kDockBarTop: nToward = 2; break;
        case kDockBarBottom: nToward = 1; break;
        case kDockBarLeft: nToward = 4; break;
        default: nToward = 3; break;
        }
        static const int kOpposite[5] = {0, 2, 1, 4, 3};
        nKind = bFirst ? nToward : kOpposite[nToward];
    }
    state.m_nTargetKind = nKind;
    const bool bDone = DockOrFloat(state, true);
    state.SetTargetBar(nullptr, true);
    if (pFrame != nullptr)
    {
        if (bRecalc)
            pFrame->RecalcLayout();
        else
            pFrame->m_nIdleFlags |= 0x0C;
    }
    return bDone;
}
