// CExtControlBar's docking state applied: a snapshot's records restored on the frame (docked, in containers, floating,
// auto-hidden), after the entries the frame cannot take are dropped.
#include "toolkit/docking/ExtControlBar.h"
#include "platform/DockBar.h"
#include "platform/DockContext.h"
#include "platform/DockState.h"
#include "platform/FrameWnd.h"
#include "platform/MiniDockFrameWnd.h"
#include "platform/ThreadState.h"
#include "toolkit/docking/ExtBarContainerSteps.h"
#include "toolkit/docking/ExtControlBarStateSteps.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/docking/ExtDockDynBar.h"
#include "toolkit/docking/ExtDockingKindOf.h"
#include "toolkit/docking/ExtDynControlBar.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include <algorithm>
#include <set>
#include <vector>

using dockstate::FrameBars;
using dockstate::IsContainer;
using dockstate::IsEdgeDockBarId;

namespace
{
typedef CExtControlBar::InternalDockStateBar StateBar;

// Locks a dock bar's layout for the scope; unlocked on every path.
class CLayoutLock
{
public:
    explicit CLayoutLock(CDockBar* pDockBar) : m_pDockBar(DYNAMIC_DOWNCAST(CExtDockBar, pDockBar))
    {
        if (m_pDockBar != nullptr)
            m_pDockBar->SetLayoutLocked(true);
    }
    ~CLayoutLock()
    {
        if (m_pDockBar != nullptr && ::IsWindow(m_pDockBar->GetSafeHwnd()))
            m_pDockBar->SetLayoutLocked(false);
    }
    CLayoutLock(const CLayoutLock&) = delete;
    CLayoutLock& operator=(const CLayoutLock&) = delete;

private:
    CExtDockBar* m_pDockBar;
};

// Sets the frame's in-layout flag for the scope; cleared on every path.
class CInRecalcGuard
{
public:
    explicit CInRecalcGuard(CFrameWnd* pFrame) : m_pFrame(pFrame) { m_pFrame->m_bInRecalcLayout = TRUE; }
    ~CInRecalcGuard() { m_pFrame->m_bInRecalcLayout = FALSE; }
    CInRecalcGuard(const CInRecalcGuard&) = delete;
    CInRecalcGuard& operator=(const CInRecalcGuard&) = delete;

private:
    CFrameWnd* m_pFrame;
};

// The inner dock bar leaves the frame's bar list once; the mark keeps it out.
void TakeInnerDockBarOutOfList(CFrameWnd* pFrame, CExtDynControlBar* pContainer)
{
    CExtDockDynBar* pInner = pContainer->m_pWndDynDocker;
    if (pInner == nullptr || (pInner->m_bfDynFlags & 1) != 0)
        return;
    if (POSITION pos = pFrame->m_listControlBars.Find(pInner))
        pFrame->m_listControlBars.RemoveAt(pos);
    pInner->m_bfDynFlags |= 1;
}

// The floating frame made for a container takes the name its caption shows as its title: the only visible bar's
// (a tab group's selected bar's), else the first bar's. The frame's layout copies the title from its dock bar.
void TitleFloatingFrame(CFrameWnd* pFrame, CExtControlBar* pContainer, const CArray<StateBar*, StateBar*>& arrNested)
{
    CExtMiniDockFrameWnd* pMini = DYNAMIC_DOWNCAST(CExtMiniDockFrameWnd, pFrame);
    if (pMini == nullptr)
        return;
    CString sText;
    if (CExtDockingKindOf::IsDynTabControlBar(pContainer))
        pContainer->GetCaptionText(sText);
    else
        pMini->GetContainerCaption(sText);
    for (INT_PTR i = 0; i < arrNested.GetSize() && sText.IsEmpty(); i++)
        if (arrNested[i]->m_pLiveBar != nullptr && arrNested[i]->m_pLiveBar->GetSafeHwnd() != nullptr)
            arrNested[i]->m_pLiveBar->GetWindowText(sText);
    if (sText.IsEmpty())
        return;
    pMini->m_wndDockBar.SetWindowText(sText);
    pMini->SetWindowText(sText);
}

// The bars the stored state docks itself: a record's, or one a dock bar's entries name.
void CollectRecordBarIds(const CArray<StateBar*, StateBar*>& arrStates, std::set<UINT>& setIds)
{
    for (INT_PTR i = 0; i < arrStates.GetSize(); i++)
    {
        if (arrStates[i]->GetKind() == StateBar::kKindBar)
            setIds.insert(arrStates[i]->m_nBarId);
        CollectRecordBarIds(arrStates[i]->m_arrNestedStates, setIds);
    }
}

std::set<UINT> BarIdsDockedByState(const CArray<StateBar*, StateBar*>& arrStates, const CDockState& state)
{
    std::set<UINT> setIds;
    CollectRecordBarIds(arrStates, setIds);
    for (INT_PTR i = 0; i < state.m_arrBarInfo.GetSize(); i++)
    {
        const CControlBarInfo* pInfo = static_cast<const CControlBarInfo*>(state.m_arrBarInfo[i]);
        if (!pInfo->m_bDockBar)
            continue;
        for (INT_PTR n = 0; n < pInfo->m_arrBarID.GetSize(); n++)
            if (pInfo->m_arrBarID[n] != 0 && (pInfo->m_arrBarID[n] & CControlBarInfo::kPlaceHolderBit) == 0)
                setIds.insert((UINT)pInfo->m_arrBarID[n]);
    }
    return setIds;
}

// A bar not docked yet goes to its side hidden.
void DockHidden(CFrameWnd* pFrame, CControlBar* pBar)
{
    pFrame->DockControlBar(pBar, (UINT)0);
    pFrame->ShowControlBar(pBar, FALSE, TRUE);
}

// A docked bar no layout has sized yet (a state applied as its frame is created): its first sizing computes its
// frame, so a refresh of that frame now would be replaced unseen.
bool AwaitsFirstSizing(CControlBar* pBar)
{
    CRect rc;
    pBar->GetWindowRect(&rc);
    return rc.IsRectEmpty() && !pBar->IsFloating();
}

// A fixed-size bar docked by the read state that no layout has sized yet takes its stored docked size, which gives it
// its frame: the row layout measures the bar's least extent with its frame (window less client), and without one the
// start's layout would squeeze it below the extent it was left with.
void TakeStoredDockedSize(CExtControlBar* pBar)
{
    if (pBar->m_pDockBar == nullptr)
        return;
    const bool bHorz = (pBar->m_pDockBar->m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    const CSize size = bHorz ? pBar->m_sizeHorzDocked : pBar->m_sizeVertDocked;
    if (size.cx > 0 && size.cy > 0)
        pBar->SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}
} // namespace

// ---- restore -------------------------------------------------------------------------------------------

bool CExtControlBar::InternalDockStateBar::IsApplicable(CFrameWnd* pFrame, const InternalDockStateBar* pParent) const
{
    const DWORD nKind = GetKind();
    if (nKind == kKindBar)
    {
        CControlBar* pBar = pFrame->GetControlBar(m_nBarId);
        if (pBar == nullptr || pBar->IsDockBar() || IsContainer(pBar) || !pBar->IsKindOf(RUNTIME_CLASS(CExtControlBar)))
            return false;
    }
    else if (nKind != kKindDynContainer && nKind != kKindTabContainer)
        return false;
    if (pParent == nullptr)
    {
        const bool bFloatingContainer = nKind != kKindBar && (m_dwStateFlags & kFloatingContainer) != 0;
        if (!IsEdgeDockBarId(m_nDockBarId) && !(bFloatingContainer && m_nDockBarId == kDockBarFloat))
            return false;
    }
    return true;
}

// Drops records the frame cannot take, nested ones included, and repeated bar ids.
static void DropInapplicableRecords(CFrameWnd* pFrame, CArray<StateBar*, StateBar*>& arrStates, StateBar* pParent,
                                    int nMaxCircle, std::set<UINT>& setSeen)
{
    for (INT_PTR i = 0; i < arrStates.GetSize();)
    {
        StateBar* pState = arrStates[i];
        bool bKeep = pState->IsApplicable(pFrame, pParent);
        if (bKeep && pParent == nullptr)
            bKeep = pState->m_nCircle >= 0 && pState->m_nCircle <= nMaxCircle;
        if (bKeep && pState->GetKind() == StateBar::kKindBar)
            bKeep = setSeen.insert(pState->m_nBarId).second;
        if (!bKeep)
        {
            delete pState;
            arrStates.RemoveAt(i);
            continue;
        }
        DropInapplicableRecords(pFrame, pState->m_arrNestedStates, pState, nMaxCircle, setSeen);
        i++;
    }
}

void CExtControlBar::InternalDockStateSite::DropInapplicable()
{
    std::set<UINT> setSeen;
    int nTopBars = 0;
    for (INT_PTR i = 0; i < m_arrBarStates.GetSize(); i++)
        if (m_arrBarStates[i]->GetKind() == InternalDockStateBar::kKindBar ||
            m_arrBarStates[i]->GetKind() == InternalDockStateBar::kKindDynContainer ||
            m_arrBarStates[i]->GetKind() == InternalDockStateBar::kKindTabContainer)
            nTopBars++;
    DropInapplicableRecords(m_pFrame, m_arrBarStates, nullptr, nTopBars, setSeen);
    for (INT_PTR i = 0; i < m_arrOuterItems.GetSize();)
    {
        CControlBar* pBar = m_pFrame->GetControlBar(m_arrOuterItems[i].m_nBarId);
        if (pBar == nullptr || !pBar->IsKindOf(RUNTIME_CLASS(CExtControlBar)) || IsContainer(pBar))
            m_arrOuterItems.RemoveAt(i);
        else
            i++;
    }
    for (INT_PTR i = 0; i < m_arrAutoHideIds.GetSize();)
    {
        CControlBar* pBar = m_pFrame->GetControlBar(m_arrAutoHideIds[i]);
        if (pBar == nullptr || !pBar->IsKindOf(RUNTIME_CLASS(CExtControlBar)) || pBar->IsDockBar())
            m_arrAutoHideIds.RemoveAt(i);
        else
            i++;
    }
}

bool CExtControlBar::InternalDockStateSite::ApplyState(bool bPlacementRequested)
{
    CFrameWnd* pFrame = m_pFrame;
    DropInapplicable();

    // 1. The frame's own placement, kept on a monitor.
    if (bPlacementRequested)
    {
        CRect rc(m_wpFrame.rcNormalPosition);
        const UINT nShow = m_wpFrame.showCmd;
        if (nShow == SW_HIDE || nShow == SW_SHOWMINIMIZED || nShow == SW_SHOWMAXIMIZED || nShow == SW_SHOWMINNOACTIVE ||
            nShow == SW_FORCEMINIMIZE)
        {
            CExtPaintManager::MonitorParms mp;
            CExtPaintManager::GetMonitorParmsFromRect(mp, rc);
            rc = mp.m_rcWorkArea;
        }
        else
            rc = CExtPaintManager::AlignRectToMonitor(rc, true, false);
        CWnd* pTop = GetTopLevelNonChild(pFrame);
        if (pTop != nullptr && pTop != pFrame)
        {
            pFrame->SetWindowPos(nullptr, 0, 0, rc.Width(), rc.Height(), 0x61E);
            pTop->SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(), 0x614);
        }
        else
            pFrame->SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(), 0x61C);
    }

    // 2. Clean-up: resizable bars off the inner circles and containers, floating bars remembered. A bar not docked
    // yet that the state docks is left to it: it is moved once, where it ends.
    std::vector<CExtControlBar*> floatingBars;
    const std::set<UINT> setDockedByState = BarIdsDockedByState(m_arrBarStates, *m_pDockState);
    std::vector<HWND> undockedBars;
    for (CControlBar* pBar : FrameBars(pFrame))
    {
        if (pBar->GetSafeHwnd() == nullptr)
            continue;
        CFrameWnd* pParentFrame = pBar->GetParentFrame();
        if (pParentFrame != nullptr && pParentFrame->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)))
        {
            CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, pBar);
            if (pExt != nullptr && !IsContainer(pExt))
                floatingBars.push_back(pExt);
            continue;
        }
        if (pBar->IsDockBar() || pBar->m_pDockSite == nullptr || pBar->m_pDockContext == nullptr)
            continue;
        if (pBar->m_pDockBar == nullptr)
        {
            if (setDockedByState.count((UINT)pBar->GetDlgCtrlID()) != 0)
                undockedBars.push_back(pBar->GetSafeHwnd());
            else
                DockHidden(pFrame, pBar);
            continue;
        }
        CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, pBar);
        if (pExt == nullptr || IsContainer(pExt) || pExt->IsFixedSize())
            continue;
        CExtDockBar* pDock = DYNAMIC_DOWNCAST(CExtDockBar, pBar->m_pDockBar);
        if (pDock != nullptr && (pDock->GetCircleNo() != 0 || pDock->IsKindOf(RUNTIME_CLASS(CExtDockDynBar))))
        {
            if (pExt->IsAutoHideMode())
                pExt->SwitchAutoHide(false, false, false, true);
            pFrame->ShowControlBar(pExt, FALSE, TRUE);
        }
    }

    // 3. Floating bars go back to their sides, hidden.
    for (CExtControlBar* pBar : floatingBars)
    {
        if (!barcontainer::IsRegisteredBar(pBar) || pBar->GetSafeHwnd() == nullptr)
            continue;
        const DWORD dwStyle = pBar->m_dwStyle;
        const UINT nSide = (dwStyle & CBRS_ALIGN_BOTTOM)  ? kDockBarBottom
                           : (dwStyle & CBRS_ALIGN_LEFT)  ? kDockBarLeft
                           : (dwStyle & CBRS_ALIGN_RIGHT) ? kDockBarRight
                                                          : kDockBarTop;
        if (pBar->IsFixedSize())
        {
            if (IsFloating(pBar))
                pFrame->ShowControlBar(pBar, FALSE, FALSE);
            pFrame->DockControlBar(pBar, nSide);
        }
        else
            pBar->DockAtSideCircle(nSide, 1, pFrame, false);
        pFrame->ShowControlBar(pBar, FALSE, TRUE);
    }

    // 4.
    CExtDockBar::DropEmptyContainers(pFrame);
    pFrame->RecalcLayout(TRUE);

    // 5. The bar records, with no frame layout meanwhile.
    bool bAllRestored = true;
    {
        CInRecalcGuard guard(pFrame);
        for (INT_PTR i = 0; i < m_arrBarStates.GetSize(); i++)
            if (!m_arrBarStates[i]->Restore(pFrame, nullptr))
                bAllRestored = false;
    }
    // The records took their bars out of the groups and containers of the live layout while the dock bars they
    // went to were locked, so those were not cleaned: one left empty or with a single bar goes now.
    CExtDockBar::DropEmptyContainers(pFrame);

    // 6. Auto-hidden bars.
    for (INT_PTR i = 0; i < m_arrAutoHideIds.GetSize(); i++)
    {
        CExtControlBar* pBar = DYNAMIC_DOWNCAST(CExtControlBar, pFrame->GetControlBar(m_arrAutoHideIds[i]));
        if (pBar == nullptr || pBar->m_pDockBar == nullptr)
            continue;
        if (!pBar->IsAutoHideMode())
            pBar->SwitchAutoHide(true, false, false, true);
        CWnd* pEdge = pBar->m_pDockBar;
        while (pEdge != nullptr &&
               (!pEdge->IsKindOf(RUNTIME_CLASS(CExtDockBar)) || pEdge->IsKindOf(RUNTIME_CLASS(CExtDockDynBar))))
            pEdge = pEdge->GetParent();
        if (CExtDockBar* pEdgeBar = DYNAMIC_DOWNCAST(CExtDockBar, pEdge))
            CExtDockingKindOf::MarkAutoHideTabCurrent(pEdgeBar->GetAutoHideArea(), pBar);
    }

    // 7. - 9.
    SetFrameDockState(pFrame, *m_pDockState, m_arrOuterItems);
    // A bar the state meant to dock and did not (its dock bar or floating frame failed) goes to its side hidden.
    for (HWND hBar : undockedBars)
    {
        CControlBar* pBar = DYNAMIC_DOWNCAST(CControlBar, CWnd::FromHandlePermanent(hBar));
        if (pBar != nullptr && ::IsWindow(hBar) && pBar->m_pDockBar == nullptr)
            DockHidden(pFrame, pBar);
    }
    for (INT_PTR i = 0; i < m_arrBarStates.GetSize(); i++)
        m_arrBarStates[i]->ApplyMetrics(pFrame, nullptr);
    pFrame->RecalcLayout(TRUE);
    for (INT_PTR i = 0; i < m_arrBarStates.GetSize(); i++)
    {
        InternalDockStateBar* pState = m_arrBarStates[i];
        pState->FinishRestore(pFrame, nullptr);
        if ((pState->m_dwStateFlags & InternalDockStateBar::kFloatingContainer) != 0 && pState->m_pLiveBar != nullptr &&
            pState->m_pLiveBar->GetSafeHwnd() != nullptr)
        {
            pState->m_pLiveBar->RefreshNonClientFrame();
            pState->m_pLiveBar->RepositionChildWindow(-1, -1, true);
            if (CFrameWnd* pFloatingFrame = pState->m_pLiveBar->GetParentFrame())
            {
                pFloatingFrame->RecalcLayout(TRUE);
                // A container that was visible brings its new floating frame on screen.
                if ((pState->m_dwStateFlags & InternalDockStateBar::kVisible) != 0 &&
                    !pFloatingFrame->IsWindowVisible())
                    pFloatingFrame->ShowWindow(SW_SHOWNA);
            }
        }
    }

    // The members of auto-hidden groups are shown or closed as the records said only now: their tabs follow.
    for (CControlBar* pBar : FrameBars(pFrame))
    {
        CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, pBar);
        if (pExt != nullptr && pExt->GetSafeHwnd() != nullptr && pExt->IsAutoHideMode())
            CExtDockingKindOf::FollowAutoHideTabOf(pExt);
    }

    // A docked bar's splitters follow the visible bars beside it in its row. Bars restored or shown after it in
    // the load changed those without moving its window, which is what recomputes its frame: each docked
    // resizable bar recomputes it now, and the frame lays out the clients it gave. By window handle: a
    // recomputed frame lets handlers run that may take bars away.
    std::vector<HWND> docked;
    for (CControlBar* pBar : FrameBars(pFrame))
    {
        CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, pBar);
        if (pExt != nullptr && pExt->GetSafeHwnd() != nullptr && !pExt->IsDockBar() && !pExt->IsFixedSize() &&
            !IsFloating(pExt) && pExt->GetDockBarSafe() != nullptr && !AwaitsFirstSizing(pExt))
            docked.push_back(pExt->GetSafeHwnd());
    }
    for (HWND hBar : docked)
    {
        CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, CWnd::FromHandlePermanent(hBar));
        if (pExt != nullptr && ::IsWindow(hBar))
            pExt->RefreshNonClientFrame();
    }
    if (!docked.empty() && ::IsWindow(pFrame->GetSafeHwnd()))
        pFrame->RecalcLayout(TRUE);

    // 10. Fixed-size bars.
    for (CControlBar* pBar : FrameBars(pFrame))
    {
        CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, pBar);
        if (pExt == nullptr || pExt->GetSafeHwnd() == nullptr || pExt->IsDockBar() || IsContainer(pExt) ||
            !pExt->IsFixedSize())
            continue;
        if (!AwaitsFirstSizing(pExt))
            pExt->RefreshNonClientFrame();
        else
            TakeStoredDockedSize(pExt);
        if (pExt->CControlBar::IsFloating())
            pExt->RequestFrameLayout();
    }

    // 11. The bars' command states, once: the frame's bars are the windows that answer the message (a dock bar updates
    // nothing), so they get it without a walk over every window of the frame. By window handle, as above.
    std::vector<HWND> updated;
    for (CControlBar* pBar : FrameBars(pFrame))
        if (pBar->GetSafeHwnd() != nullptr && !pBar->IsDockBar())
            updated.push_back(pBar->GetSafeHwnd());
    for (HWND hBar : updated)
        if (CWnd* pBar = CWnd::FromHandlePermanent(hBar))
            AfxCallWndProc(pBar, hBar, WM_IDLEUPDATECMDUI, TRUE, 0);
    pFrame->SendMessage(WM_SETMESSAGESTRING, 0xE001);
    return bAllRestored;
}

void CExtControlBar::InternalDockStateBar::FixRow(CDockBar* pDockBar)
{
    if (pDockBar == nullptr || m_pLiveBar == nullptr)
        return;
    const int n = pDockBar->FindBar(m_pLiveBar);
    if (n <= 1)
        return;
    const bool bBreakBefore = pDockBar->m_arrBars[n - 1] == nullptr;
    if ((m_dwStateFlags & kNewRow) != 0 && !bBreakBefore)
        pDockBar->m_arrBars.InsertAt(n, (void*)nullptr);
    else if ((m_dwStateFlags & kNewRow) == 0 && bBreakBefore)
        pDockBar->m_arrBars.RemoveAt(n - 1);
}

void CExtControlBar::InternalDockStateBar::PlaceInDockBar(CDockBar* pDockBar, bool bLock, bool bFixRow)
{
    if (pDockBar == nullptr || m_pLiveBar == nullptr)
        return;
    {
        CLayoutLock lock(bLock ? pDockBar : nullptr);
        CExtDockBar::DockBarInto(pDockBar, m_pLiveBar, nullptr, false);
        m_pLiveBar->m_bfTracking |= kTrackLayoutSuspended;
        m_pLiveBar->SetWindowPos(nullptr, m_rcBarInDockBar.left, m_rcBarInDockBar.top, m_rcBarInDockBar.Width(),
                                 m_rcBarInDockBar.Height(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
        m_pLiveBar->m_bfTracking &= ~kTrackLayoutSuspended;
    }
    if (bFixRow)
        FixRow(pDockBar);
}

bool CExtControlBar::InternalDockStateBar::Restore(CFrameWnd* pFrame, InternalDockStateBar* pParent)
{
    m_pLiveBar = nullptr;
    const DWORD nKind = GetKind();
    const bool bNested = (m_dwStateFlags & kNested) != 0 && pParent != nullptr;
    CExtDynControlBar* pParentContainer = bNested ? DYNAMIC_DOWNCAST(CExtDynControlBar, pParent->m_pLiveBar) : nullptr;
    if (bNested && (pParentContainer == nullptr || pParentContainer->m_pWndDynDocker == nullptr))
        return false;
    if (nKind == kKindBar)
    {
        m_pLiveBar = DYNAMIC_DOWNCAST(CExtControlBar, pFrame->GetControlBar(m_nBarId));
        if (m_pLiveBar == nullptr)
            return false;
        if (bNested)
        {
            if ((m_dwStateFlags & kInTabContainer) != 0)
            {
                CLayoutLock lock(pParentContainer->m_pWndDynDocker);
                CExtDockingKindOf::InsertIntoTabContainer(pParentContainer, m_pLiveBar, -1, false);
            }
            else
                PlaceInDockBar(pParentContainer->m_pWndDynDocker, true, true);
        }
        else
        {
            CExtDockBar* pDockBar = CExtDockBar::FindCircleDockBar(pFrame, (UINT)m_nCircle, m_nDockBarId, true);
            if (pDockBar == nullptr)
            {
                m_pLiveBar = nullptr;
                return false;
            }
            {
                CLayoutLock lock(pDockBar);
                // A bar still there from before the load goes after the records placed before it, as stored.
                if (m_pLiveBar->m_pDockBar == pDockBar && !m_pLiveBar->IsFixedSize())
                    CExtDockBar::RemoveBarFromRows(pDockBar, m_pLiveBar, -1, 0, true);
                CExtDockBar::DockBarInto(pDockBar, m_pLiveBar, nullptr, false);
            }
            FixRow(pDockBar);
        }
    }
    else
    {
        CMiniDockFrameWnd* pMini = nullptr;
        if ((m_dwStateFlags & kFloatingContainer) != 0 && !bNested)
        {
            // The restore's own floating frame: a failure ends the load.
            // Made hidden at its stored place, as large as its layout makes it around the container, kept on the
            // monitor (see CFrameWnd::FloatControlBar).
            const CRect rcPlace = CExtPaintManager::AlignRectToMonitor(
                CExtMiniDockFrameWnd::RectAround(m_rcFloatingFrame.TopLeft(), m_sizeFloating,
                                                 (m_dwFloatingFrameStyle & CBRS_ORIENT_HORZ) != 0),
                true, false);
            pMini = new CExtMiniDockFrameWnd;
            if (!pMini->Create(pFrame, m_dwFloatingFrameStyle, &rcPlace))
            {
                // A window that was made deletes its object when it goes.
                const std::vector<CFrameWnd*>& frames = AfxGetThreadState()->m_frameList;
                if (std::find(frames.begin(), frames.end(), pMini) != frames.end() && ::IsWindow(pMini->GetSafeHwnd()))
                    pMini->DestroyWindow();
                if (std::find(frames.begin(), frames.end(), pMini) != frames.end())
                {
                    if (pMini->GetSafeHwnd() != nullptr)
                        pMini->Detach();
                    delete pMini;
                }
                AfxThrowResourceException();
            }
            pMini->m_nIdleFlags |= 0x0C;
        }
        CExtDynControlBar* pContainer = nullptr;
        if (nKind == kKindTabContainer)
        {
            CREATE_TABBED_BAR_DATA data = {};
            data.m_pTabbedBar = nullptr;
            data.m_rcWindow = m_rcBarInDockBar;
            data.m_nDockBarIndex = -1;
            data.m_dwWndStyle = 0;
            data.m_dwBarStyle = m_dwBarStyle;
            data.m_nDockBarID = m_nDockBarId;
            pFrame->SendMessage(g_nMsgCreateTabbedBar, (WPARAM)&data, 0);
            pContainer = data.m_pTabbedBar != nullptr ? CExtDockingKindOf::AsDynControlBar(data.m_pTabbedBar)
                                                      : CExtDockingKindOf::NewTabContainer();
        }
        else
            pContainer = new CExtDynControlBar;
        if (pContainer == nullptr)
        {
            if (pMini != nullptr)
                pMini->DestroyWindow();
            return false;
        }
        pContainer->m_sizeHorzDocked = m_sizeHorzDocked;
        pContainer->m_sizeVertDocked = m_sizeVertDocked;
        pContainer->m_sizeFloating = m_sizeFloating;
        pContainer->m_pDockSite = pFrame;
        if (!pContainer->Create(nullptr, pFrame, m_nBarId, 0x40000F10 | (m_dwBarStyle & CBRS_ALIGN_ANY)) ||
            pContainer->m_pWndDynDocker == nullptr)
        {
            // A window that was made and failed has deleted its object already; an object left
            // without a live window is deleted here.
            if (barcontainer::IsRegisteredBar(pContainer) && ::IsWindow(pContainer->GetSafeHwnd()))
                pContainer->DestroyWindow();
            if (barcontainer::IsRegisteredBar(pContainer))
            {
                if (pContainer->GetSafeHwnd() != nullptr)
                    pContainer->Detach();
                delete pContainer;
            }
            if (pMini != nullptr)
                pMini->DestroyWindow();
            return false;
        }
        m_pLiveBar = pContainer;
        pContainer->m_pDockSite = pFrame;
        pContainer->m_pWndDynDocker->m_pDockSite = pFrame;
        pContainer->SetOwner(pFrame);
        pContainer->EnableDocking(CBRS_ALIGN_ANY);
        if (pFrame->m_listControlBars.Find(pContainer) == nullptr)
            pFrame->m_listControlBars.AddTail(pContainer);
        if (pMini != nullptr)
            pContainer->SetParent(pMini->GetWindow(GW_CHILD));
        TakeInnerDockBarOutOfList(pFrame, pContainer);
        if (pMini != nullptr)
            PlaceInDockBar(&pMini->m_wndDockBar, false, false);
        else if (bNested)
            PlaceInDockBar(pParentContainer->m_pWndDynDocker, true, true);
        else
            PlaceInDockBar(CExtDockBar::FindCircleDockBar(pFrame, (UINT)m_nCircle, m_nDockBarId, true), true, true);
        if (nKind == kKindTabContainer)
        {
            m_nSelectedTab = -1;
            for (INT_PTR i = 0; i < m_arrNestedStates.GetSize(); i++)
            {
                InternalDockStateBar* pNested = m_arrNestedStates[i];
                if ((pNested->m_dwStateFlags & (kSelectedTab | kVisible)) == (kSelectedTab | kVisible))
                    m_nSelectedTab = (int)i;
                pNested->Restore(pFrame, this);
            }
        }
        else
        {
            for (INT_PTR i = 0; i < m_arrNestedStates.GetSize(); i++)
                m_arrNestedStates[i]->Restore(pFrame, this);
        }
    }

    pFrame->ShowControlBar(m_pLiveBar, (m_dwStateFlags & kVisible) != 0, TRUE);
    if (CExtMiniDockFrameWnd* pMiniFrame = DYNAMIC_DOWNCAST(CExtMiniDockFrameWnd, m_pLiveBar->GetParentFrame()))
    {
        pMiniFrame->m_listControlBars.RemoveAll();
        CRect rcWnd;
        pMiniFrame->GetWindowRect(&rcWnd);
        const CRect rcAligned = CExtPaintManager::AlignRectToMonitor(rcWnd, true, false);
        if (rcAligned != rcWnd)
        {
            pMiniFrame->SetWindowPos(nullptr, rcAligned.left, rcAligned.top, rcAligned.Width(), rcAligned.Height(),
                                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
            pMiniFrame->m_nIdleFlags |= 0x0C;
        }
    }
    m_pLiveBar->m_dwStyle = m_dwBarStyle;
    CopyMetricsToLiveBar();
    return true;
}

void CExtControlBar::InternalDockStateBar::CopyMetricsToLiveBar()
{
    if (m_pLiveBar == nullptr || !barcontainer::IsRegisteredBar(m_pLiveBar))
        return;
    m_pLiveBar->m_ptFloatPos = m_ptFloatPos;
    m_pLiveBar->m_sizeHorzDocked = m_sizeHorzDocked;
    m_pLiveBar->m_sizeVertDocked = m_sizeVertDocked;
    m_pLiveBar->m_sizeFloating = m_sizeFloating;
    m_pLiveBar->m_nRowSpaceToReclaim = m_nRowSpaceToReclaim;
    m_pLiveBar->m_nMRUWidth = (int)m_nMRUWidth;
    if (CDockContext* pContext = m_pLiveBar->m_pDockContext)
    {
        pContext->m_rectMRUDockPos = m_rcMRUDockPos;
        for (UINT nSide = AFX_IDW_DOCKBAR_TOP; nSide <= AFX_IDW_DOCKBAR_BOTTOM; nSide++)
        {
            if ((m_dwStateFlags & kMRUSideMask) == CExtDockBar::AlignStyleOfSide(nSide))
                pContext->m_uMRUDockID = nSide;
        }
        pContext->m_dwMRUFloatStyle = m_dwMRUFloatStyle;
        pContext->m_ptMRUFloatPos = m_ptMRUFloatPos;
    }
}

void CExtControlBar::InternalDockStateBar::ApplyMetrics(CFrameWnd* pFrame, InternalDockStateBar* pParent)
{
    (void)pParent;
    if (m_pLiveBar == nullptr)
        return;
    CopyMetricsToLiveBar();
    for (INT_PTR i = 0; i < m_arrNestedStates.GetSize(); i++)
        m_arrNestedStates[i]->ApplyMetrics(pFrame, this);
}

void CExtControlBar::InternalDockStateBar::FinishRestore(CFrameWnd* pFrame, InternalDockStateBar* pParent)
{
    (void)pParent;
    if (m_pLiveBar == nullptr || !barcontainer::IsRegisteredBar(m_pLiveBar) || m_pLiveBar->GetSafeHwnd() == nullptr)
        return;
    const DWORD nKind = GetKind();
    if (nKind == kKindDynContainer || nKind == kKindTabContainer)
    {
        CExtDynControlBar* pContainer = static_cast<CExtDynControlBar*>(m_pLiveBar);
        TakeInnerDockBarOutOfList(pFrame, pContainer);
        if ((m_dwStateFlags & kFloatingContainer) != 0)
        {
            if (CFrameWnd* pFloatingFrame = m_pLiveBar->GetParentFrame())
            {
                TitleFloatingFrame(pFloatingFrame, m_pLiveBar, m_arrNestedStates);
                pFloatingFrame->RecalcLayout(TRUE);
            }
        }
        if (nKind == kKindTabContainer && m_nSelectedTab >= 0 && m_nSelectedTab < m_arrNestedStates.GetSize())
        {
            if ((m_pLiveBar->GetStyle() & WS_VISIBLE) == 0 && !IsClosedFloatingGroup())
                m_pLiveBar->ShowWindow(SW_SHOWNA);
            // The members' delayed shows and hides first: a bar shown later would take the selection with its tab.
            if (pContainer->m_pWndDynDocker != nullptr)
                pContainer->m_pWndDynDocker->RecalcDelayedShows();
            if (!barcontainer::IsRegisteredBar(m_pLiveBar) || m_pLiveBar->GetSafeHwnd() == nullptr)
                return;
            CExtControlBar* pSelected = m_arrNestedStates[m_nSelectedTab]->m_pLiveBar;
            if (pSelected != nullptr && barcontainer::IsRegisteredBar(pSelected) && pSelected->IsVisible())
                CExtDockingKindOf::SelectTabOf(CExtDockingKindOf::AsDynTabControlBar(m_pLiveBar), pSelected);
        }
        else if ((m_pLiveBar->GetStyle() & WS_VISIBLE) == 0 && pContainer->m_pWndDynDocker != nullptr)
        {
            // A hidden container gets no layout that would carry out its members' delayed hides: a member closed
            // would keep WS_VISIBLE and its toggle would not show it.
            pContainer->m_pWndDynDocker->RecalcDelayedShows();
            if (!barcontainer::IsRegisteredBar(m_pLiveBar) || m_pLiveBar->GetSafeHwnd() == nullptr)
                return;
        }
        for (INT_PTR i = 0; i < m_arrNestedStates.GetSize(); i++)
            m_arrNestedStates[i]->FinishRestore(pFrame, this);
        // A floating group closed by its close button keeps its members shown; showing them showed the group again.
        if (IsClosedFloatingGroup() && (m_pLiveBar->GetStyle() & WS_VISIBLE) != 0)
            pFrame->ShowControlBar(m_pLiveBar, FALSE, FALSE);
    }
    CopyMetricsToLiveBar();
}

bool CExtControlBar::InternalDockStateBar::IsClosedFloatingGroup() const
{
    return GetKind() == kKindTabContainer && (m_dwStateFlags & (kFloatingContainer | kVisible)) == kFloatingContainer;
}
