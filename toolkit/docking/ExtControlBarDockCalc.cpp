// CExtControlBar::InternalDraggingState_t::CalcTarget: where a dragged resizable bar would land: at a dock marker,
// beside or into a floating or docked bar, at a frame side in the outermost or innermost circle, or floating.
#include <algorithm>
#include "platform/DockBar.h"
#include "platform/FrameWnd.h"
#include "toolkit/docking/ExtBarContainerSteps.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/docking/ExtDockingKindOf.h"
#include "toolkit/docking/ExtDynControlBar.h"
#include "toolkit/foundation/ExtDynDockMarkerWnd.h"

namespace
{
// The four frame sides in the order every walk over them takes.
struct SideEntry
{
    UINT nDockBarID;
    DWORD dwAlign; // the alignment bit the dragged bar must allow
};
const SideEntry kSideTable[4] = {{AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP},
                                 {AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM},
                                 {AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT},
                                 {AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT}};

const int kBand = 32;        // band of a target bar that selects a kind
const int kMaxSplitMin = 64; // a docked target with a larger minimum cannot be split that way
const int kOuterReach = 12;  // the outermost circle's band reaches this far over the edge dock bars
const int kOuterBand = 16;   // and is this thick
const int kInnerBand = 12;   // the innermost circle's band inside the view
const int kFrameSlack = 32;  // the innermost circle is looked for this far around the frame
const int kMinExtent = 8;    // minimum sizes count at least this much

DWORD AlignOf(const CExtControlBar* pBar) { return pBar->m_dwDockStyle & CBRS_ALIGN_ANY; }

// The alignment bit of the side pBar is docked at; floating counts as top.
DWORD SideAlignOf(const CExtControlBar* pBar)
{
    switch (CExtControlBar::GetDockBarId(pBar))
    {
    case AFX_IDW_DOCKBAR_BOTTOM: return CBRS_ALIGN_BOTTOM;
    case AFX_IDW_DOCKBAR_LEFT: return CBRS_ALIGN_LEFT;
    case AFX_IDW_DOCKBAR_RIGHT: return CBRS_ALIGN_RIGHT;
    default: return CBRS_ALIGN_TOP;
    }
}

bool DockBarHoldsBars(const CDockBar* pDockBar)
{
    if (pDockBar == nullptr)
        return false;
    for (INT_PTR i = 0; i < pDockBar->m_arrBars.GetSize(); ++i)
    {
        void* p = pDockBar->m_arrBars[i];
        if (p != nullptr && !CDockBar::IsPlaceHolder(p))
            return true;
    }
    return false;
}

bool IsOverDockedBar(CExtControlBar* pBar, int x, int y)
{
    CArray<CExtControlBar*, CExtControlBar*> arrBars;
    CExtControlBar::FindFrameControlBars(nullptr, pBar->m_pDockSite, arrBars, 0x7 | 0x100 | 0x400 | 0x78 | 0x8000, x,
                                         y);
    return arrBars.GetSize() != 0;
}

UINT OwnCircle(const CExtControlBar* pBar)
{
    const CExtDockBar* pDock = DYNAMIC_DOWNCAST(CExtDockBar, pBar->m_pDockBar);
    return pDock != nullptr && !pDock->m_bFloating ? pDock->m_nCircle : 0;
}

// Splits a target rectangle into the beside-bar and tab kinds. rcWiden is the rectangle the half rectangles are
// widened to include (empty: no widening). Returns the kind, 0 when no band holds the point.
int SplitKind(const CPoint& pt, const CRect& R, const CRect& rcWiden, bool bTab, CExtControlBar* pTarget, bool bVert,
              bool bHorz, CRect& rcOut, int& nTabIndex)
{
    const bool bStrip = bTab && CExtDockingKindOf::IsTabStripVisible(pTarget);
    CRect rcStrip(0, 0, 0, 0);
    if (bStrip)
        CExtDockingKindOf::GetTabStripRect(pTarget, rcStrip);
    auto widenX = [&](CRect rc) {
        if (!rcWiden.IsRectEmpty())
        {
            rc.left = std::min(rc.left, rcWiden.left);
            rc.right = std::max(rc.right, rcWiden.right);
        }
        return rc;
    };
    auto widenY = [&](CRect rc) {
        if (!rcWiden.IsRectEmpty())
        {
            rc.top = std::min(rc.top, rcWiden.top);
            rc.bottom = std::max(rc.bottom, rcWiden.bottom);
        }
        return rc;
    };
    if (bVert)
    {
        // The strip goes first: in a low group it reaches into the bands below the top.
        if (bStrip && rcStrip.PtInRect(pt))
        {
            rcOut = R;
            nTabIndex = CExtDockingKindOf::TabIndexAtScreen(pTarget, pt.x, pt.y);
            return CExtControlBar::InternalDraggingState_t::kTabAtIndex;
        }
        if (bTab && pt.y >= R.top && pt.y < R.top + kBand)
        {
            rcOut = R;
            return bStrip ? CExtControlBar::InternalDraggingState_t::kTabAppendStrip
                          : CExtControlBar::InternalDraggingState_t::kTabAppend;
        }
        const int nTop = R.top + (bTab ? kBand : 0);
        if (pt.y >= nTop && pt.y < nTop + kBand)
        {
            rcOut = widenX(CRect(R.left, R.top, R.right, R.top + R.Height() / 2));
            return 1;
        }
        const int nBottom = bStrip ? rcStrip.top : R.bottom;
        if (pt.y >= nBottom - kBand && pt.y < nBottom)
        {
            rcOut = widenX(CRect(R.left, R.top + R.Height() / 2, R.right, nBottom));
            return 2;
        }
    }
    if (bHorz)
    {
        if (pt.x >= R.left && pt.x < R.left + kBand)
        {
            rcOut = widenY(CRect(R.left, R.top, R.left + R.Width() / 2, R.bottom));
            return 3;
        }
        if (pt.x >= R.right - kBand && pt.x < R.right)
        {
            rcOut = widenY(CRect(R.left + R.Width() / 2, R.top, R.right, R.bottom));
            return 4;
        }
    }
    return 0;
}
} // namespace

void CExtControlBar::InternalDraggingState_t::CalcTarget(int x, int y, bool bCtrl)
{
    CExtControlBar* pBar = m_pBarSource;
    if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr)
        return;
    if (pBar->IsFixedDockStyle())
    {
        CalcFixedBarTarget(x, y, false);
        return;
    }
    const CPoint pt(x, y);
    const int nStyle = QueryDraggingStyle();
    const bool bLive = pBar->IsLiveDragMode();
    if (bLive && nStyle != 1 && IsDocked(pBar) && !IsFloating(pBar) && pBar->m_pDockBar != nullptr)
    {
        CRect rcOwn;
        pBar->m_pDockBar->GetWindowRect(&rcOwn);
        if (rcOwn.PtInRect(pt))
            return;
    }

    m_rcTrack.SetRectEmpty();
    m_nTargetKind = kFloat;
    m_nCircleNo = 0;
    SetTargetBar(nullptr, false);
    const int nMinW = std::max(pBar->CalcMinWidth(), kMinExtent);
    const int nMinH = std::max(pBar->CalcMinHeight(), kMinExtent);
    const bool bFloating = IsFloating(pBar);

    // Dock markers, also for a docked bar: one whose drag has not torn it off yet (the pointer having stayed over it
    // or reached the marker in one move) docks where the marker under the pointer says.
    if (nStyle == 1 && !bCtrl && CExtDynDockMarkerWnd::HasMarkerWindows())
    {
        CExtDynDockMarkerWnd* pMarker = CExtDynDockMarkerWnd::MarkerFromPoint(pt);
        if (pMarker != nullptr && pMarker->IsActiveMarker())
        {
            int nKind = pMarker->GetMarkerKind();
            const HWND hTarget = pMarker->GetTargetWnd();
            CExtControlBar* pTarget = nullptr;
            if (hTarget != nullptr)
            {
                if (!::IsWindow(hTarget))
                    nKind = kFloat;
                else
                    pTarget = DYNAMIC_DOWNCAST(CExtControlBar, CWnd::FromHandlePermanent(hTarget));
            }
            if (nKind == kMarkerCentre)
            {
                if (pTarget != nullptr && pTarget->IsMarkerDockingAllowed() && pBar->IsMarkerDockingAllowed())
                {
                    SetTargetBar(pTarget, false);
                    if (CExtDockingKindOf::IsDynTabControlBar(pTarget) && CExtDockingKindOf::IsTabStripVisible(pTarget))
                    {
                        CRect rcStrip;
                        CExtDockingKindOf::GetTabStripRect(pTarget, rcStrip);
                        nKind = kTabMarkerAtIndex;
                        SetTabIndexFromPoint(rcStrip.left + 2, rcStrip.CenterPoint().y);
                    }
                }
                else
                    nKind = kFloat;
            }
            else if (nKind >= kMarkerBarTop && nKind < kMarkerCentre)
            {
                if (pTarget != nullptr)
                    SetTargetBar(pTarget, false);
                else
                    nKind = kFloat;
            }
            else if (!(nKind >= kMarkerOuterTop && nKind < kMarkerBarTop))
                nKind = kFloat;
            if (nKind != kFloat)
            {
                m_nTargetKind = nKind;
                if (pTarget != nullptr)
                    pTarget->GetWindowRect(&m_rcTrack);
                return;
            }
            SetTargetBar(nullptr, false);
        }
    }

    bool bSuppress = bCtrl || (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
    if (!bSuppress && nStyle != 1 && bFloating && (pBar->IsKindOf(RUNTIME_CLASS(CExtDynControlBar)) || !bLive))
    {
        CFrameWnd* pOwnFrame = pBar->GetParentFrame();
        CRect rcOwn;
        if (pOwnFrame != nullptr)
        {
            pOwnFrame->GetWindowRect(&rcOwn);
            bSuppress = rcOwn.PtInRect(pt) != FALSE;
        }
    }
    if (!bSuppress)
    {
        bool bFound = pBar->IsDockTargetBar() && CalcBesideFloatingBar(x, y, nMinW, nMinH);
        if (!bFound)
            bFound = CalcOuterCircle(x, y);
        // The view's area never holds a docked bar: over one, the layout query of the innermost circle is spared.
        if (!bFound && !IsOverDockedBar(pBar, x, y))
            bFound = CalcInnerCircle(x, y);
        if (!bFound)
            bFound = CalcBesideDockedBar(x, y, nMinW, nMinH);
        if (bFound && m_nTargetKind == kStay)
            return;
        if (bFound && nStyle == 1 && !IsTabKind(m_nTargetKind))
            bFound = false;
        if (bFound)
            return;
    }
    CalcFloatingRect(x, y);
}

void CExtControlBar::InternalDraggingState_t::CalcFloatingRect(int x, int y)
{
    CExtControlBar* pBar = m_pBarSource;
    m_nTargetKind = kFloat;
    m_nCircleNo = 0;
    SetTargetBar(nullptr, false);
    const CPoint ptTopLeft = CPoint(x, y) - pBar->m_ptGrabFloating;
    CFrameWnd* pFrame = IsFloating(pBar) ? pBar->GetParentFrame() : nullptr;
    if (pFrame != nullptr)
    {
        CRect rc;
        pFrame->GetWindowRect(&rc);
        rc.OffsetRect(ptTopLeft - rc.TopLeft());
        const int t = std::min(pBar->m_rcCaption.Width(), pBar->m_rcCaption.Height());
        rc.OffsetRect(-t, -t / 2);
        m_rcTrack = rc;
    }
    else
        m_rcTrack = CRect(ptTopLeft, pBar->m_sizeFloating);
    if (CFrameWnd* pSite = pBar->m_pDockSite)
    {
        CRect rcSite;
        pSite->GetWindowRect(&rcSite);
        m_rcTrack.OffsetRect(rcSite.TopLeft());
    }
}

bool CExtControlBar::InternalDraggingState_t::CalcBesideFloatingBar(int x, int y, int nMinW, int nMinH)
{
    CExtControlBar* pBar = m_pBarSource;
    CArray<CExtControlBar*, CExtControlBar*> arrBars;
    FindFrameControlBars(pBar, pBar->m_pDockSite, arrBars, 0x4 | 0x100 | 0x400 | 0x80 | 0x8000, x, y);
    CExtControlBar* pTarget = nullptr;
    for (INT_PTR i = 0; i < arrBars.GetSize() && pTarget == nullptr; ++i)
        if (arrBars[i] != pBar)
            pTarget = arrBars[i];
    if (pTarget == nullptr || AlignOf(pBar) == 0)
        return false;
    CFrameWnd* pTargetFrame = pTarget->GetParentFrame();
    CDockBar* pTargetDock = pTarget->GetDockBarSafe();
    if (pTargetFrame == nullptr || pTargetDock == nullptr)
        return false;
    CRect R, D;
    pTargetFrame->GetWindowRect(&R);
    pTargetDock->GetWindowRect(&D);
    const int nTMinW = std::max(pTarget->CalcMinWidth(), kMinExtent);
    const int nTMinH = std::max(pTarget->CalcMinHeight(), kMinExtent);
    const bool bTab = pBar->IsMarkerDockingAllowed() && pTarget->IsMarkerDockingAllowed();
    const bool bVert = R.Width() >= nMinW && R.Height() / 2 >= nMinH && R.Height() / 2 >= nTMinH;
    const bool bHorz = R.Height() >= nMinH && R.Width() / 2 >= nMinW && R.Width() / 2 >= nTMinW;
    CRect rc;
    int nTabIndex = 0;
    int nKind = SplitKind(CPoint(x, y), R, D, bTab, pTarget, bVert, false, rc, nTabIndex);
    if (nKind == 0)
        nKind = SplitKind(CPoint(x, y), R, D, bTab, pTarget, false, bHorz, rc, nTabIndex);
    if (nKind == 0 || rc.Width() < nMinW || rc.Height() < nMinH)
        return false;
    SetTargetBar(pTarget, false);
    m_nTargetKind = nKind;
    m_nTabIndex = nTabIndex;
    m_rcTrack = rc;
    return true;
}

bool CExtControlBar::InternalDraggingState_t::CalcOuterCircle(int x, int y)
{
    CExtControlBar* pBar = m_pBarSource;
    CFrameWnd* pFrame = pBar->m_pDockSite;
    CExtDockBar* arrEdge[4] = {};
    for (int i = 0; i < 4; ++i)
    {
        arrEdge[i] = CExtDockBar::FindCircleDockBar(pFrame, 0, kSideTable[i].nDockBarID, false);
        if (arrEdge[i] == nullptr)
            return false;
    }
    // The enclosed area: inside the strips the edge dock bars occupied at the last layout.
    const CRect E(arrEdge[2]->m_rcInnerEdge.left, arrEdge[0]->m_rcInnerEdge.top, arrEdge[3]->m_rcInnerEdge.left,
                  arrEdge[1]->m_rcInnerEdge.top);
    if (E.IsRectEmpty())
        return false;
    CRect A(E);
    A.InflateRect(kOuterReach, kOuterReach);
    if (!A.PtInRect(CPoint(x, y)))
        return false;
    const DWORD dwAlign = AlignOf(pBar);
    const CRect V = barcontainer::ViewArea(pFrame);
    for (int i = 0; i < 4; ++i)
    {
        if ((dwAlign & kSideTable[i].dwAlign) == 0)
            continue;
        bool bIn = false;
        CRect rc(E);
        switch (i)
        {
        case 0:
            bIn = y < A.top + kOuterBand;
            rc.bottom = rc.top + barcontainer::SideThicknessInView(pBar, true, V);
            break;
        case 1:
            bIn = y >= A.bottom - kOuterBand;
            rc.top = rc.bottom - barcontainer::SideThicknessInView(pBar, true, V);
            break;
        case 2:
            bIn = x < A.left + kOuterBand;
            rc.right = rc.left + barcontainer::SideThicknessInView(pBar, false, V);
            break;
        default:
            bIn = x >= A.right - kOuterBand;
            rc.left = rc.right - barcontainer::SideThicknessInView(pBar, false, V);
            break;
        }
        if (!bIn)
            continue;
        m_nTargetKind = kOuterTop + i;
        m_nCircleNo = 1;
        m_rcTrack = rc;
        return true;
    }
    return false;
}

bool CExtControlBar::InternalDraggingState_t::CalcInnerCircle(int x, int y)
{
    CExtControlBar* pBar = m_pBarSource;
    CFrameWnd* pFrame = pBar->m_pDockSite;
    const CPoint pt(x, y);
    CRect rcFrame;
    pFrame->GetWindowRect(&rcFrame);
    rcFrame.InflateRect(kFrameSlack, kFrameSlack);
    if (!rcFrame.PtInRect(pt))
        return false;
    const CRect V = barcontainer::ViewArea(pFrame);
    if (V.IsRectEmpty() || !V.PtInRect(pt))
        return false;
    const DWORD dwAlign = AlignOf(pBar);
    const bool bLive = pBar->IsLiveDragMode();
    const bool bDocked = IsDocked(pBar) && !IsFloating(pBar);
    const UINT nOwnCircle = OwnCircle(pBar);
    for (int i = 0; i < 4; ++i)
    {
        if ((dwAlign & kSideTable[i].dwAlign) == 0)
            continue;
        CExtDockBar* pEdge = CExtDockBar::FindCircleDockBar(pFrame, 0, kSideTable[i].nDockBarID, false);
        if (pEdge == nullptr)
            continue;
        if (bLive && bDocked && GetDockBarId(pBar) == kSideTable[i].nDockBarID)
        {
            CRect rcOwn;
            pBar->m_pDockBar->GetWindowRect(&rcOwn);
            if (rcOwn.PtInRect(pt))
            {
                m_nTargetKind = kStay;
                return true;
            }
            continue;
        }
        bool bIn = false;
        CRect rc(V);
        switch (i)
        {
        case 0:
            bIn = y < V.top + kInnerBand;
            rc.bottom = rc.top + barcontainer::SideThicknessInView(pBar, true, V);
            break;
        case 1:
            bIn = y >= V.bottom - kInnerBand;
            rc.top = rc.bottom - barcontainer::SideThicknessInView(pBar, true, V);
            break;
        case 2:
            bIn = x < V.left + kInnerBand;
            rc.right = rc.left + barcontainer::SideThicknessInView(pBar, false, V);
            break;
        default:
            bIn = x >= V.right - kInnerBand;
            rc.left = rc.right - barcontainer::SideThicknessInView(pBar, false, V);
            break;
        }
        if (!bIn)
            continue;
        CExtDockBar* pInnermost = pEdge;
        while (pInnermost->m_pInnerCircleBar != nullptr)
            pInnermost = pInnermost->m_pInnerCircleBar;
        const UINT n = pInnermost->m_nCircle;
        bool bReuse = n > nOwnCircle + 2;
        if (bReuse)
        {
            const int nPerp1 = i < 2 ? 2 : 0, nPerp2 = i < 2 ? 3 : 1;
            bReuse = !DockBarHoldsBars(CExtDockBar::FindCircleDockBar(pFrame, n, kSideTable[nPerp1].nDockBarID)) &&
                     !DockBarHoldsBars(CExtDockBar::FindCircleDockBar(pFrame, n, kSideTable[nPerp2].nDockBarID));
        }
        m_nTargetKind = kInnerTop + i;
        m_nCircleNo = (int)(bReuse ? n : n + 1);
        m_rcTrack = rc;
        return true;
    }
    return false;
}

bool CExtControlBar::InternalDraggingState_t::CalcBesideDockedBar(int x, int y, int nMinW, int nMinH)
{
    CExtControlBar* pBar = m_pBarSource;
    CArray<CExtControlBar*, CExtControlBar*> arrBars;
    FindFrameControlBars(nullptr, pBar->m_pDockSite, arrBars, 0x4 | 0x100 | 0x400 | 0x78 | 0x8000, x, y);
    if (arrBars.GetSize() != 1)
        return false;
    CExtControlBar* pTarget = arrBars[0];
    if (pTarget == pBar)
    {
        m_nTargetKind = kStay;
        return true;
    }
    if (!pBar->IsDockTargetBar())
    {
        const CExtDockBar* pDock = DYNAMIC_DOWNCAST(CExtDockBar, pTarget->GetDockBarSafe());
        if (pDock == nullptr || pDock->m_nCircle != 0)
            return false;
    }
    const DWORD dwAlign = AlignOf(pBar);
    if (dwAlign == 0 || (dwAlign & SideAlignOf(pTarget)) == 0)
        return false;
    CRect R;
    pTarget->GetWindowRect(&R);
    const int nTMinW = std::max(pTarget->CalcMinWidth(), kMinExtent);
    const int nTMinH = std::max(pTarget->CalcMinHeight(), kMinExtent);
    const bool bTab = pBar->IsMarkerDockingAllowed() && pTarget->IsMarkerDockingAllowed();
    bool bVert = R.Width() >= nMinW && nMinH <= kMaxSplitMin && nTMinH <= kMaxSplitMin;
    bool bHorz = R.Height() >= nMinH && nMinW <= kMaxSplitMin && nTMinW <= kMaxSplitMin;
    const bool bTargetHorz = IsDockedHorizontally(pTarget);
    // In live mode the bar can only join the target's row.
    const bool bLive = pBar->IsLiveDragMode();
    CRect rc;
    int nTabIndex = 0;
    int nKind = SplitKind(CPoint(x, y), R, CRect(0, 0, 0, 0), bTab, pTarget, bVert, false, rc, nTabIndex);
    if (nKind == 0)
        nKind = SplitKind(CPoint(x, y), R, CRect(0, 0, 0, 0), bTab, pTarget, false, bHorz, rc, nTabIndex);
    if (bLive && ((bTargetHorz && (nKind == 1 || nKind == 2)) || (!bTargetHorz && (nKind == 3 || nKind == 4))))
        nKind = 0;
    if (nKind == 0)
        return false;
    if (nKind >= 1 && nKind <= 4 && (bTargetHorz ? rc.Width() < nMinW : rc.Height() < nMinH))
        return false;
    SetTargetBar(pTarget, false);
    m_nTargetKind = nKind;
    m_nTabIndex = nTabIndex;
    m_rcTrack = rc;
    return true;
}
