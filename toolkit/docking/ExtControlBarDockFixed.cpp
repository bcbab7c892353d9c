// CExtControlBar::InternalDraggingState_t: the drag of bars of fixed dock style (tool bars): docking into an edge dock
// bar near the cursor, moving along and between its rows, and floating.
#include <algorithm>
#include "platform/DockBar.h"
#include "platform/DockContext.h"
#include "platform/FrameWnd.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/docking/ExtDockOuterBar.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "toolkit/foundation/ExtPaintManager.h"

namespace
{
const UINT kFixedSides[4] = {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT};
const int kReach = 12;      // a side's rectangle reaches this far inward past its dock bar
const int kFrameBorder = 2; // the frame's doubled border: farther outside, the bar floats
const int kRowEdge = 2;     // a cursor this close to a row's far edge has left it

// Flags of a side record.
enum : DWORD
{
    kSideCurrent = 0x1,
    kSideVisible = 0x2,
    kSideFar = 0x4
};
struct SideRecord
{
    UINT nDockBarID;
    DWORD dwFlags;
    CRect rc;
    CDockBar* pDockBar;
};

bool IsHorzSide(UINT nID) { return nID == AFX_IDW_DOCKBAR_TOP || nID == AFX_IDW_DOCKBAR_BOTTOM; }

// The entries [nFirst, nEnd) of the row holding index nPos (between its row breaks).
void RowBounds(const CPtrArray& arr, int nPos, int& nFirst, int& nEnd)
{
    nFirst = nPos;
    while (nFirst > 0 && arr[nFirst - 1] != nullptr)
        --nFirst;
    nEnd = nPos;
    while (nEnd < arr.GetSize() && arr[nEnd] != nullptr)
        ++nEnd;
}

void RowBarsAt(const CPtrArray& arr, int nFirst, int nEnd, CArray<CControlBar*, CControlBar*>& arrBars)
{
    for (int i = nFirst; i < nEnd; ++i)
    {
        if (arr[i] != nullptr && !CDockBar::IsPlaceHolder(arr[i]))
            arrBars.Add(static_cast<CControlBar*>(arr[i]));
    }
}

CRect RowRect(const CArray<CControlBar*, CControlBar*>& arrBars)
{
    CRect rcRow(0, 0, 0, 0);
    for (INT_PTR i = 0; i < arrBars.GetSize(); ++i)
    {
        if (arrBars[i]->GetSafeHwnd() == nullptr || !arrBars[i]->IsWindowVisible())
            continue;
        CRect rc;
        arrBars[i]->GetWindowRect(&rc);
        if (rcRow.IsRectEmpty())
            rcRow = rc;
        else
            rcRow.UnionRect(rcRow, rc);
    }
    return rcRow;
}

// Swaps the row [nFirst1, nEnd1) with the row after it [nFirst2, nEnd2) (nFirst2 == nEnd1 + 1).
void SwapRows(CPtrArray& arr, int nFirst1, int nEnd1, int nFirst2, int nEnd2)
{
    CPtrArray arrNew;
    for (int i = nFirst2; i < nEnd2; ++i)
        arrNew.Add(arr[i]);
    arrNew.Add(nullptr);
    for (int i = nFirst1; i < nEnd1; ++i)
        arrNew.Add(arr[i]);
    for (INT_PTR i = 0; i < arrNew.GetSize(); ++i)
        arr[nFirst1 + i] = arrNew[i];
}
} // namespace

void CExtControlBar::InternalDraggingState_t::CalcFixedBarTarget(int x, int y, bool bForceFloat)
{
    CExtControlBar* pBar = m_pBarSource;
    m_rcTrack.SetRectEmpty();
    m_nTargetKind = kFloat;
    CFrameWnd* pFrame = pBar->m_pDockSite;
    if (bForceFloat || (::GetKeyState(VK_CONTROL) & 0x8000) != 0 || pFrame == nullptr)
    {
        FloatFixedBarAt(x, y);
        return;
    }
    const CPoint pt(x, y);
    CRect rcFrame;
    pFrame->GetWindowRect(&rcFrame);
    CRect rcNear(rcFrame);
    rcNear.InflateRect(kFrameBorder, kFrameBorder);
    if (!rcNear.PtInRect(pt))
    {
        FloatFixedBarAt(x, y);
        return;
    }
    SideRecord sides[4];
    for (int i = 0; i < 4; ++i)
    {
        SideRecord& s = sides[i];
        s.nDockBarID = kFixedSides[i];
        s.pDockBar = CExtDockBar::FindCircleDockBar(pFrame, 0, s.nDockBarID, false);
        s.dwFlags = 0;
        if (s.pDockBar == nullptr)
            s.pDockBar = pFrame->GetControlBar(s.nDockBarID) != nullptr
                             ? DYNAMIC_DOWNCAST(CDockBar, pFrame->GetControlBar(s.nDockBarID))
                             : nullptr;
        if (s.pDockBar != nullptr && s.pDockBar == pBar->m_pDockBar)
            s.dwFlags |= kSideCurrent;
        if (s.pDockBar != nullptr && s.pDockBar->IsWindowVisible())
        {
            s.dwFlags |= kSideVisible;
            s.pDockBar->GetWindowRect(&s.rc);
        }
        else
        {
            s.rc = rcFrame;
            switch (i)
            {
            case 0: s.rc.bottom = s.rc.top; break;
            case 1: s.rc.top = s.rc.bottom; break;
            case 2: s.rc.right = s.rc.left; break;
            default: s.rc.left = s.rc.right; break;
            }
        }
    }
    const int nTopEdge = sides[0].rc.bottom, nBottomEdge = sides[1].rc.top;
    for (int i = 0; i < 4; ++i)
    {
        CRect& rc = sides[i].rc;
        switch (i)
        {
        case 0: rc = CRect(rcFrame.left, rcFrame.top, rcFrame.right, rc.bottom + kReach); break;
        case 1: rc = CRect(rcFrame.left, rc.top - kReach, rcFrame.right, rcFrame.bottom); break;
        case 2: rc = CRect(rcFrame.left, nTopEdge, rc.right + kReach, nBottomEdge); break;
        default: rc = CRect(rc.left - kReach, nTopEdge, rcFrame.right, nBottomEdge); break;
        }
        CRect rcInflated(rc);
        const int nNear = ::MulDiv(kReach, 3, 2);
        rcInflated.InflateRect(nNear, nNear);
        if (!rcInflated.PtInRect(pt))
            sides[i].dwFlags |= kSideFar;
    }
    for (SideRecord& s : sides)
    {
        if ((s.dwFlags & kSideCurrent) == 0)
            continue;
        if ((s.dwFlags & kSideFar) != 0)
            s.dwFlags &= ~kSideCurrent;
        else if (DockFixedBarInto(x, y, s.pDockBar))
            return;
    }
    for (int nPass = 0; nPass < 2; ++nPass)
    {
        const DWORD dwVisible = nPass == 0 ? kSideVisible : 0;
        for (SideRecord& s : sides)
        {
            if ((s.dwFlags & (kSideCurrent | kSideFar)) != 0 || (s.dwFlags & kSideVisible) != dwVisible ||
                s.pDockBar == nullptr)
                continue;
            if (DockFixedBarInto(x, y, s.pDockBar))
                return;
        }
    }
    FloatFixedBarAt(x, y);
}

void CExtControlBar::InternalDraggingState_t::FloatFixedBarAt(int x, int y)
{
    CExtControlBar* pBar = m_pBarSource;
    g_DragStateShown.m_nCursorKind = 0;
    m_nTargetKind = kFloat;
    const int t = std::min(pBar->m_rcCaption.Width(), pBar->m_rcCaption.Height());
    const CPoint ptPos(x - t, y - t / 2);
    if (IsFloating(pBar))
    {
        if (CFrameWnd* pMini = pBar->GetParentFrame())
        {
            const CPoint ptFrame = ptPos - pBar->m_ptGrabFloating;
            pMini->SetWindowPos(nullptr, ptFrame.x, ptFrame.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            if (!pBar->QueryExtraFeature())
                CExtMiniDockFrameWnd::BringFloatingFrameToTop(pBar);
            pMini->DelayRecalcLayout();
            if (pBar->m_pDockContext != nullptr)
                pBar->m_pDockContext->m_ptMRUFloatPos = ptFrame;
        }
    }
    else
    {
        pBar->m_ptFloatPos = ptPos;
        pBar->FloatAtStoredPosition(CBRS_ALIGN_TOP);
        if (pBar->m_pDockContext != nullptr)
            pBar->m_pDockContext->m_ptMRUFloatPos = ptPos;
    }
    if (pBar->GetSafeHwnd() != nullptr && ::GetCapture() != pBar->GetSafeHwnd())
        pBar->CExtMouseCaptureSink::SetCapture(pBar->GetSafeHwnd());
}

bool CExtControlBar::InternalDraggingState_t::DockFixedBarInto(int x, int y, CDockBar* pDockBar)
{
    CExtControlBar* pBar = m_pBarSource;
    g_DragStateShown.m_nCursorKind = 0;
    if (pDockBar == nullptr || pDockBar->GetSafeHwnd() == nullptr)
        return false;
    const UINT nID = (UINT)pDockBar->GetDlgCtrlID();
    if ((pBar->m_dwDockStyle & CExtDockBar::AlignStyleOfSide(nID)) == 0)
        return false;
    const bool bHorz = IsHorzSide(nID);
    const CPoint ptGrab = bHorz ? pBar->m_ptGrabHorz : pBar->m_ptGrabVert;
    CFrameWnd* pFrame = pBar->m_pDockSite;
    m_nTargetKind = kStay;
    if (pDockBar != pBar->m_pDockBar)
    {
        const CSize size = pBar->CalcFixedLayout(FALSE, bHorz ? TRUE : FALSE);
        const CRect rc(CPoint(x - ptGrab.x, y - ptGrab.y), size);
        pBar->ResetOuterRowPlacement();
        CExtDockBar::DockBarInto(pDockBar, pBar, &rc, false);
        if (pBar->QueryExtraFeature() && !pBar->IsAloneInRow())
            pBar->PlaceInOwnRow();
        pBar->OnOuterRowPlacementChanged();
        if (pFrame != nullptr)
            pFrame->RecalcLayout();
        return true;
    }
    CPtrArray& arr = pDockBar->m_arrBars;
    const int nPos = pDockBar->FindBar(pBar);
    if (nPos <= 0)
        return true;
    int nFirst = 0, nEnd = 0;
    RowBounds(arr, nPos, nFirst, nEnd);
    CArray<CControlBar*, CControlBar*> arrRow;
    RowBarsAt(arr, nFirst, nEnd, arrRow);
    CRect rcRow = RowRect(arrRow);
    if (bHorz)
        rcRow.InflateRect(0, 1);
    else
        rcRow.InflateRect(1, 0);
    const int c = bHorz ? y : x;
    const int nStart = bHorz ? rcRow.top : rcRow.left;
    const int nEndAcross = bHorz ? rcRow.bottom : rcRow.right;
    const bool bNearSide = nID == AFX_IDW_DOCKBAR_TOP || nID == AFX_IDW_DOCKBAR_LEFT;
    const bool bInside =
        bNearSide ? (c > nStart + kRowEdge && c < nEndAcross) : (c > nStart && c < nEndAcross - kRowEdge);
    CRect rcWnd;
    pBar->GetWindowRect(&rcWnd);
    const int nOffset = bHorz ? (x - ptGrab.x) - rcWnd.left : (y - ptGrab.y) - rcWnd.top;
    CExtDockOuterBar* pOuter = DYNAMIC_DOWNCAST(CExtDockOuterBar, pDockBar);
    if (bInside)
    {
        if (pOuter != nullptr && nOffset != 0)
        {
            bool bExtent = false;
            pOuter->CalcDragLayout(pBar, nOffset, &bExtent);
            g_DragStateShown.m_nCursorKind = bHorz ? 1 : 2;
            CExtPaintManager::PumpPaintMessages(true, true, true);
        }
        return true;
    }
    const bool bBefore = c <= nStart + (bNearSide ? kRowEdge : 0);
    if (arrRow.GetSize() > 1)
    {
        CControlBar* pRef = arrRow[0] != pBar ? arrRow[0] : arrRow[1];
        pBar->ResetOuterRowPlacement();
        CExtDockBar::DockBarInNewRow(pDockBar, pRef, pBar, bBefore);
        pBar->OnOuterRowPlacementChanged();
        if (pFrame != nullptr)
            pFrame->RecalcLayout();
        return true;
    }
    // Alone in its row: into the neighbouring row when it has room, else the rows change places once the cursor
    // crosses the middle of the neighbouring row.
    int nFirst2 = 0, nEnd2 = 0;
    if (bBefore)
    {
        if (nFirst < 2)
            return true;
        RowBounds(arr, nFirst - 2, nFirst2, nEnd2);
    }
    else
    {
        if (nEnd + 1 >= arr.GetSize())
            return true;
        RowBounds(arr, nEnd + 1, nFirst2, nEnd2);
    }
    CArray<CControlBar*, CControlBar*> arrOther;
    RowBarsAt(arr, nFirst2, nEnd2, arrOther);
    if (arrOther.GetSize() == 0)
        return true;
    if (pOuter != nullptr && pOuter->MoveBarToRow(pBar, arrOther, nOffset))
    {
        pBar->OnOuterRowPlacementChanged();
        if (pFrame != nullptr)
            pFrame->RecalcLayout();
        return true;
    }
    const CRect rcOther = RowRect(arrOther);
    const int nMiddle = bHorz ? rcOther.CenterPoint().y : rcOther.CenterPoint().x;
    if (bBefore ? c < nMiddle : c > nMiddle)
    {
        if (bBefore)
            SwapRows(arr, nFirst2, nEnd2, nFirst, nEnd);
        else
            SwapRows(arr, nFirst, nEnd, nFirst2, nEnd2);
        if (pFrame != nullptr)
            pFrame->RecalcLayout();
    }
    return true;
}
