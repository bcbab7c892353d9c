// CExtControlBar::InternalDraggingState_t: the record of a drag target, the two process-wide states and how a state
// is shown (tracker, temporary tab, floating frame visibility).
#include "platform/Dc.h"
#include "platform/DockBar.h"
#include "platform/FrameWnd.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDockingKindOf.h"

CExtControlBar::InternalDraggingState_t CExtControlBar::g_DragStateComputed;
CExtControlBar::InternalDraggingState_t CExtControlBar::g_DragStateShown;
bool CExtControlBar::g_bUpdatingDragState = false;

CExtControlBar::InternalDraggingState_t::InternalDraggingState_t(CExtControlBar* pBarSource)
    : m_bEmpty(true), m_nTargetKind(kFloat), m_nCursorKind(0), m_nCircleNo(0), m_rcTrack(0, 0, 0, 0),
      m_pBarSource(pBarSource), m_pBarTarget(nullptr), m_nTabIndex(0)
{}

CExtControlBar::InternalDraggingState_t::InternalDraggingState_t(const InternalDraggingState_t& other)
    : CObject(), m_bEmpty(other.m_bEmpty), m_nTargetKind(other.m_nTargetKind), m_nCursorKind(other.m_nCursorKind),
      m_nCircleNo(other.m_nCircleNo), m_rcTrack(other.m_rcTrack), m_pBarSource(other.m_pBarSource),
      m_pBarTarget(other.m_pBarTarget), m_nTabIndex(other.m_nTabIndex)
{}

CExtControlBar::InternalDraggingState_t::~InternalDraggingState_t() {}

CExtControlBar::InternalDraggingState_t&
CExtControlBar::InternalDraggingState_t::operator=(const InternalDraggingState_t& other)
{
    if (this == &other)
        return *this;
    if (m_pBarTarget != nullptr && m_pBarTarget != other.m_pBarTarget)
        SetTargetBar(other.m_pBarTarget, false);
    m_bEmpty = other.m_bEmpty;
    m_nTargetKind = other.m_nTargetKind;
    m_nCursorKind = other.m_nCursorKind;
    m_nCircleNo = other.m_nCircleNo;
    m_rcTrack = other.m_rcTrack;
    m_pBarSource = other.m_pBarSource;
    m_pBarTarget = other.m_pBarTarget;
    m_nTabIndex = other.m_nTabIndex;
    return *this;
}

bool CExtControlBar::InternalDraggingState_t::operator==(const InternalDraggingState_t& other) const
{
    return m_bEmpty == other.m_bEmpty && m_nTargetKind == other.m_nTargetKind && m_nCircleNo == other.m_nCircleNo &&
           m_rcTrack == other.m_rcTrack && m_pBarSource == other.m_pBarSource && m_pBarTarget == other.m_pBarTarget &&
           m_nTabIndex == other.m_nTabIndex;
}

void CExtControlBar::InternalDraggingState_t::SetEmpty(bool bEmpty)
{
    m_nCursorKind = 0;
    if (bEmpty)
        SetTargetBar(nullptr, false);
    m_bEmpty = bEmpty;
    if (bEmpty)
        m_rcTrack.SetRectEmpty();
    m_nTabIndex = 0;
}

CExtControlBar* CExtControlBar::InternalDraggingState_t::SetTargetBar(CExtControlBar* pBar, bool bKeepTemporaryTabs)
{
    CExtControlBar* pOld = m_pBarTarget;
    m_pBarTarget = pBar;
    m_nTabIndex = 0;
    // A target may have been destroyed meanwhile: only a registered bar with a window is asked.
    if (pOld != nullptr && pOld != pBar && !bKeepTemporaryTabs && CExtDockingKindOf::IsDynTabControlBar(pOld) &&
        pOld->GetSafeHwnd() != nullptr)
        CExtDockingKindOf::RemoveTemporaryTabs(pOld);
    return pOld;
}

void CExtControlBar::InternalDraggingState_t::SetTabIndexFromPoint(int x, int y)
{
    m_nTabIndex = CExtDockingKindOf::TabIndexAtScreen(m_pBarTarget, x, y);
}

CExtControlBar* CExtControlBar::GetDraggedBar()
{
    return g_DragStateShown.IsEmpty() ? nullptr : g_DragStateShown.m_pBarSource;
}

// ---- showing a state --------------------------------------------------------------------------------------------

void CExtControlBar::InternalDraggingState_t::DrawState(bool bErase)
{
    CExtControlBar* pBar = m_pBarSource;
    if (m_nTargetKind == kStay || pBar == nullptr || pBar->GetSafeHwnd() == nullptr || pBar->IsFixedSize())
        return;
    const int nStyle = QueryDraggingStyle();
    const bool bLive = pBar->IsLiveDragMode();
    if (bLive && nStyle != 1)
        return;
    if (!bLive && m_rcTrack.IsRectEmpty())
        return;
    CFrameWnd* pFloatFrame = IsFloating(pBar) ? pBar->GetParentFrame() : nullptr;
    if (IsTabKind(m_nTargetKind) && m_pBarTarget != nullptr)
    {
        if (nStyle == 1 && pFloatFrame != nullptr)
            pFloatFrame->ShowWindow(SW_HIDE);
        if (m_nTargetKind != kTabAppendStrip)
            CExtDockingKindOf::RemoveTemporaryTabs(m_pBarTarget);
        CExtDockingKindOf::InsertTemporaryTab(m_pBarTarget, pBar, m_nTargetKind == kTabAppendStrip ? -1 : m_nTabIndex);
        return;
    }
    if (nStyle == 1)
    {
        if (pFloatFrame != nullptr && !pFloatFrame->IsWindowVisible())
            pFloatFrame->ShowWindow(SW_SHOWNOACTIVATE);
        return;
    }
    CFrameWnd* pSite = pBar->m_pDockSite;
    if (pSite == nullptr || pSite->GetSafeHwnd() == nullptr)
        return;
    CRect rcSite;
    pSite->GetWindowRect(&rcSite);
    CRect rc(m_rcTrack);
    rc.OffsetRect(-rcSite.left, -rcSite.top);
    CWnd* pDrawOn = nullptr;
    if (m_pBarTarget != nullptr && m_pBarTarget->GetSafeHwnd() != nullptr)
    {
        CDockBar* pTargetDock = m_pBarTarget->GetDockBarSafe();
        if (pTargetDock == nullptr || pTargetDock->GetSafeHwnd() == nullptr)
            return;
        CRect rcDock;
        pTargetDock->GetWindowRect(&rcDock);
        rcDock.OffsetRect(-rcSite.left, -rcSite.top);
        if (rcDock.IsRectEmpty() || !rc.IntersectRect(rc, rcDock))
            return;
        CFrameWnd* pTop = m_pBarTarget->GetTopLevelFrame();
        if (pTop != nullptr && pTop != pSite)
        {
            CRect rcTop;
            pTop->GetWindowRect(&rcTop);
            rc.OffsetRect(rcSite.left - rcTop.left - 1, rcSite.top - rcTop.top - 1);
        }
        pDrawOn = pTop;
    }
    else if (m_nTargetKind >= kInnerTop && m_nTargetKind < kStay)
        pDrawOn = pSite;
    else
        pDrawOn = CWnd::GetDesktopWindow();
    if (pDrawOn == nullptr || rc.Width() < 2 * ::GetSystemMetrics(SM_CXFRAME) + 1 ||
        rc.Height() < 2 * ::GetSystemMetrics(SM_CYFRAME) + 1)
        return;
    HDC hDC =
        ::GetDCEx(pDrawOn->GetSafeHwnd(), nullptr, DCX_WINDOW | DCX_CACHE | DCX_CLIPSIBLINGS | DCX_LOCKWINDOWUPDATE);
    if (hDC == nullptr)
        return;
    if (::RectVisible(hDC, &rc))
    {
        CDC dc;
        dc.Attach(hDC);
        TRACKER_PAINT_DATA data = {pBar, &dc,
                                   m_nTargetKind == kTabAppend ? (int)TRACKER_PAINT_DATA::kModeTabbedFrame
                                                               : (int)TRACKER_PAINT_DATA::kModeFrame,
                                   rc, bErase ? (DWORD)TRACKER_PAINT_DATA::kErase : 0};
        PaintTracker(data);
        dc.Detach();
    }
    ::ReleaseDC(pDrawOn->GetSafeHwnd(), hDC);
}
