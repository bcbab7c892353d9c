// CExtControlBar: row queries and row operations, the visibility synchronisation of docked bars,
// reclaiming row space and the auto-hide switch.
#include "platform/DockBar.h"
#include "platform/FrameWnd.h"
#include "platform/MiniFrameWnd.h"
#include "toolkit/docking/ExtBarContainerSteps.h"
#include "toolkit/docking/ExtDockingKindOf.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/docking/ExtDockDynBar.h"
#include "toolkit/docking/ExtDynControlBar.h"
#include "toolkit/foundation/ExtPaintManager.h"

namespace
{
bool IsRealBar(void* pEntry) { return pEntry != nullptr && !CDockBar::IsPlaceHolder(pEntry); }

bool IsVisibleResizable(CControlBar* pBar)
{
    CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, pBar);
    return pExt != nullptr && pExt->GetSafeHwnd() != nullptr && pExt->IsVisible() && !pExt->IsFixedSize();
}

// Takes nNeed pixels, one at a time and round robin, from bars above their row minimum; a bar at
// its minimum leaves the round. Answers the pixels taken.
int TakeRowSpace(CArray<CExtControlBar*, CExtControlBar*>& arrBars, int nNeed)
{
    int nTaken = 0;
    bool bAny = true;
    while (nTaken < nNeed && bAny)
    {
        bAny = false;
        for (INT_PTR i = 0; i < arrBars.GetSize() && nTaken < nNeed; ++i)
        {
            CExtControlBar* pBar = arrBars[i];
            const int nExtent = pBar->GetRowExtent();
            if (nExtent <= pBar->GetRowMinExtent())
                continue;
            pBar->SetRowExtent(nExtent - 1);
            ++nTaken;
            bAny = true;
        }
    }
    return nTaken;
}

// A bar in a container's rows (not a tab group's, whose bars share one place) brings its row back, if it is alone
// there, from the container's other rows.
void ReclaimContainerRow(CExtControlBar* pBar)
{
    CExtDockDynBar* pInner = DYNAMIC_DOWNCAST(CExtDockDynBar, pBar->GetParent());
    if (pInner != nullptr && !CExtDockingKindOf::IsDockDynTabBar(pInner))
        pInner->ReclaimRowThickness(pBar);
}
} // namespace

// ---- row queries ----------------------------------------------------------------------------------------

CDockBar* CExtControlBar::GetDockBarSafe() const
{
    if (GetSafeHwnd() == nullptr)
        return nullptr;
    return DYNAMIC_DOWNCAST(CDockBar, GetParent());
}

void CExtControlBar::GetRowBars(CArray<CControlBar*, CControlBar*>& arrBars) const
{
    arrBars.RemoveAll();
    CDockBar* pDockBar = GetDockBarSafe();
    if (pDockBar == nullptr)
        return;
    const int nPos = pDockBar->FindBar(const_cast<CExtControlBar*>(this));
    if (nPos < 0)
        return;
    int nFirst = nPos;
    while (nFirst > 0 && pDockBar->m_arrBars[nFirst - 1] != nullptr)
        --nFirst;
    for (int i = nFirst; i < pDockBar->m_arrBars.GetSize() && pDockBar->m_arrBars[i] != nullptr; ++i)
    {
        if (IsRealBar(pDockBar->m_arrBars[i]))
            arrBars.Add(static_cast<CControlBar*>(pDockBar->m_arrBars[i]));
    }
}

void CExtControlBar::GetRowResizableBars(CArray<CExtControlBar*, CExtControlBar*>& arrBars, bool bVisibleOnly) const
{
    arrBars.RemoveAll();
    CArray<CControlBar*, CControlBar*> arrRow;
    GetRowBars(arrRow);
    for (INT_PTR i = 0; i < arrRow.GetSize(); ++i)
    {
        CExtControlBar* pBar = DYNAMIC_DOWNCAST(CExtControlBar, arrRow[i]);
        if (pBar == nullptr || pBar->IsFixedSize() || pBar->GetSafeHwnd() == nullptr)
            continue;
        if (bVisibleOnly && !pBar->IsVisible())
            continue;
        arrBars.Add(pBar);
    }
}

bool CExtControlBar::IsRowHoldingFullRowBar() const
{
    CArray<CControlBar*, CControlBar*> arrRow;
    GetRowBars(arrRow);
    for (INT_PTR i = 0; i < arrRow.GetSize(); ++i)
    {
        CExtControlBar* pBar = DYNAMIC_DOWNCAST(CExtControlBar, arrRow[i]);
        if (pBar != nullptr && pBar->IsFullRowBar())
            return true;
    }
    return false;
}

// Walks the bar's row from its own place towards the end (bForward) or the start and answers the first bar that
// bMatch accepts; null when none does or the bar is not in its row.
template <class TMatch> static CControlBar* FindInRowFrom(const CExtControlBar* pSelf, bool bForward, TMatch bMatch)
{
    CArray<CControlBar*, CControlBar*> arrRow;
    pSelf->GetRowBars(arrRow);
    INT_PTR nSelf = -1;
    for (INT_PTR i = 0; i < arrRow.GetSize(); ++i)
    {
        if (arrRow[i] == pSelf)
            nSelf = i;
    }
    if (nSelf < 0)
        return nullptr;
    for (INT_PTR i = nSelf + (bForward ? 1 : -1); i >= 0 && i < arrRow.GetSize(); i += bForward ? 1 : -1)
    {
        if (bMatch(arrRow[i]))
            return arrRow[i];
    }
    return nullptr;
}

CExtControlBar* CExtControlBar::FindNeighbourResizableBar(bool bAfter) const
{
    return static_cast<CExtControlBar*>(FindInRowFrom(this, bAfter, IsVisibleResizable));
}

bool CExtControlBar::HasSplitterBefore() const
{
    return !IsFixedSize() && GetDockBarId(this) != kDockBarFloat && FindNeighbourResizableBar(false) != nullptr;
}

static bool IsEndOfRow(const CExtControlBar* pSelf, bool bFirst, bool bVisibleOnly)
{
    return FindInRowFrom(pSelf, !bFirst, [bVisibleOnly](CControlBar* pBar) {
               return !bVisibleOnly || (pBar->GetSafeHwnd() != nullptr && pBar->IsVisible());
           }) == nullptr;
}

bool CExtControlBar::IsFirstInRow(bool bVisibleOnly) const { return IsEndOfRow(this, true, bVisibleOnly); }

bool CExtControlBar::IsLastInRow(bool bVisibleOnly) const { return IsEndOfRow(this, false, bVisibleOnly); }

bool CExtControlBar::IsAloneInRow(bool bOnlyFixed, bool bOnlyResizable) const
{
    CArray<CControlBar*, CControlBar*> arrRow;
    GetRowBars(arrRow);
    int nCount = 0;
    for (INT_PTR i = 0; i < arrRow.GetSize(); ++i)
    {
        CControlBar* pBar = arrRow[i];
        if (pBar->GetSafeHwnd() == nullptr || !pBar->IsVisible())
            continue;
        CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, pBar);
        if (bOnlyFixed)
        {
            if (pExt == nullptr || pExt->IsFixedSize())
                ++nCount;
        }
        else if (bOnlyResizable)
        {
            if (pExt != nullptr && !pExt->IsFixedSize())
                ++nCount;
        }
        else
            ++nCount;
    }
    return nCount == 1;
}

int CExtControlBar::GetRowExtent() const
{
    return IsDockedVertically(this) ? m_sizeVertDocked.cy : m_sizeHorzDocked.cx;
}

void CExtControlBar::SetRowExtent(int nExtent)
{
    if (IsDockedVertically(this))
        m_sizeVertDocked.cy = nExtent;
    else
        m_sizeHorzDocked.cx = nExtent;
}

int CExtControlBar::GetRowMinExtent() const { return IsDockedVertically(this) ? CalcMinHeight() : CalcMinWidth(); }

bool CExtControlBar::IsAtMinimumInRow() const { return GetRowExtent() <= GetRowMinExtent(); }

bool CExtControlBar::IsExpandedInRow() const
{
    if (IsFloating(this) || IsAtMinimumInRow())
        return false;
    CArray<CExtControlBar*, CExtControlBar*> arrBars;
    GetRowResizableBars(arrBars);
    for (INT_PTR i = 0; i < arrBars.GetSize(); ++i)
    {
        if (arrBars[i] != this && !arrBars[i]->IsAtMinimumInRow())
            return false;
    }
    return true;
}

bool CExtControlBar::IsSplitterAfterMovable() const
{
    CExtControlBar* pNext = FindNeighbourResizableBar(true);
    return !(IsAtMinimumInRow() && (pNext == nullptr || pNext->IsAtMinimumInRow()));
}

bool CExtControlBar::IsSplitterBeforeMovable() const
{
    CExtControlBar* pPrev = FindNeighbourResizableBar(false);
    return !(IsAtMinimumInRow() && (pPrev == nullptr || pPrev->IsAtMinimumInRow()));
}

// ---- row operations -------------------------------------------------------------------------------------------

void CExtControlBar::ContractInRow()
{
    if (!IsDocked(this) || IsFloating(this) || IsAloneInRow())
        return;
    CArray<CExtControlBar*, CExtControlBar*> arrOthers;
    GetRowResizableBars(arrOthers);
    for (INT_PTR i = arrOthers.GetSize() - 1; i >= 0; --i)
    {
        if (arrOthers[i] == this)
            arrOthers.RemoveAt(i);
    }
    const int nMin = GetRowMinExtent();
    int nFreed = GetRowExtent() - nMin;
    SetRowExtent(nMin);
    for (INT_PTR i = 0; nFreed > 0 && arrOthers.GetSize() > 0; i = (i + 1) % arrOthers.GetSize())
    {
        arrOthers[i]->SetRowExtent(arrOthers[i]->GetRowExtent() + 1);
        --nFreed;
    }
    if (CFrameWnd* pFrame = GetDockingFrame())
        pFrame->RecalcLayout();
    FocusDockSite();
}

void CExtControlBar::ExpandInRow()
{
    if (!IsDocked(this) || IsFloating(this) || IsAloneInRow())
        return;
    CArray<CExtControlBar*, CExtControlBar*> arrBars;
    GetRowResizableBars(arrBars);
    int nGain = 0;
    for (INT_PTR i = 0; i < arrBars.GetSize(); ++i)
    {
        CExtControlBar* pBar = arrBars[i];
        if (pBar == this)
            continue;
        const int nMin = pBar->GetRowMinExtent();
        nGain += pBar->GetRowExtent() - nMin;
        pBar->SetRowExtent(nMin);
    }
    SetRowExtent(GetRowExtent() + nGain);
    if (CFrameWnd* pFrame = GetDockingFrame())
        pFrame->RecalcLayout();
}

void CExtControlBar::PlaceInOwnRow()
{
    CDockBar* pDockBar = GetDockBarSafe();
    if (pDockBar == nullptr)
        return;
    int nPos = pDockBar->FindBar(this);
    if (nPos < 0)
        return;
    if (nPos + 1 < pDockBar->m_arrBars.GetSize() && IsRealBar(pDockBar->m_arrBars[nPos + 1]))
        pDockBar->m_arrBars.InsertAt(nPos + 1, (void*)nullptr);
    if (nPos > 0 && IsRealBar(pDockBar->m_arrBars[nPos - 1]))
        pDockBar->m_arrBars.InsertAt(nPos, (void*)nullptr);
    SetRowExtent(32767);
    if (CFrameWnd* pFrame = GetDockingFrame())
        pFrame->RecalcLayout();
}

// ---- visibility synchronisation ---------------------------------------------------------------------------------

// A hidden container hides the containers docked inside it.
static void HideInnerContainers(CExtDynControlBar* pDyn, CFrameWnd* pDockSite)
{
    CExtDockDynBar* pInner = pDyn->m_pWndDynDocker;
    if (pInner == nullptr || pInner->GetSafeHwnd() == nullptr || pDockSite == nullptr)
        return;
    // Collected first: hiding a container may change the array.
    CArray<CExtDynControlBar*, CExtDynControlBar*> arrInner;
    for (INT_PTR i = 0; i < pInner->m_arrBars.GetSize(); ++i)
    {
        void* p = pInner->m_arrBars[i];
        if ((UINT_PTR)p < 0x10000)
            continue;
        CExtDynControlBar* pDyn = DYNAMIC_DOWNCAST(CExtDynControlBar, (CObject*)p);
        if (pDyn != nullptr && pDyn->GetSafeHwnd() != nullptr && (pDyn->GetStyle() & WS_VISIBLE) != 0)
            arrInner.Add(pDyn);
    }
    for (INT_PTR i = 0; i < arrInner.GetSize(); ++i)
    {
        if (::IsWindow(arrInner[i]->GetSafeHwnd()))
            pDockSite->ShowControlBar(arrInner[i], FALSE, FALSE);
    }
}

void CExtControlBar::SyncVisibility(int nVisible)
{
    if (GetSafeHwnd() == nullptr || IsAutoHideMode() || GetBarBeingFloated() != nullptr || GetDraggedBar() != nullptr ||
        IsFixedSize() || IsFixedDockStyle() || (m_bfTracking & kTrackLayoutSuspended) != 0)
        return;
    CDockBar* pDockBar = GetDockBarSafe();
    if (!IsDialogMode() && pDockBar == nullptr)
        return;
    if (m_pDockSite == nullptr || pDockBar == nullptr || IsDockSiteInPrintPreview())
        return;
    m_bfTracking |= kTrackLayoutSuspended;
    if (CExtDynTabControlBar* pTabs = GetTabbedContainer())
        CExtDockingKindOf::ShowTabOf(pTabs, this);
    const int nReclaim = m_nRowSpaceToReclaim;
    m_nRowSpaceToReclaim = 0;
    const bool bVisible = nVisible < 0 ? (GetStyle() & WS_VISIBLE) != 0 : nVisible != 0;
    if (IsDocked(this) && !IsKindOf(RUNTIME_CLASS(CExtDynControlBar)))
    {
        m_nRowSpaceToReclaim = nReclaim;
        if (!bVisible)
            m_nRowSpaceToReclaim = GetRowExtent();
        else if (m_nRowSpaceToReclaim != 0)
        {
            const int nNeed = m_nRowSpaceToReclaim;
            m_nRowSpaceToReclaim = 0;
            CArray<CExtControlBar*, CExtControlBar*> arrOthers;
            GetRowResizableBars(arrOthers);
            for (INT_PTR i = arrOthers.GetSize() - 1; i >= 0; --i)
            {
                if (arrOthers[i] == this)
                    arrOthers.RemoveAt(i);
            }
            TakeRowSpace(arrOthers, nNeed);
            ReclaimContainerRow(this);
        }
    }
    if (pDockBar->IsKindOf(RUNTIME_CLASS(CExtDockDynBar)))
    {
        CControlBar* pContainer = DYNAMIC_DOWNCAST(CControlBar, pDockBar->GetParent());
        if (pContainer != nullptr && pContainer->GetSafeHwnd() != nullptr)
        {
            const bool bContainerVisible = (pContainer->GetStyle() & WS_VISIBLE) != 0;
            // Shown at once: a delayed show lands only with a layout of the container's own dock bar, which does
            // not come while a container around it is hidden too; the show runs this up the chain.
            if (bVisible && !bContainerVisible)
                m_pDockSite->ShowControlBar(pContainer, TRUE, FALSE);
            else if (!bVisible && bContainerVisible && pDockBar->GetDockedVisibleCount() == 0)
                m_pDockSite->ShowControlBar(pContainer, FALSE, TRUE);
        }
    }
    // Only as it is hidden: a hidden container is moved by layouts too, also one whose show is pending, and the
    // containers inside it may have been shown since.
    if (nVisible == 0 && IsKindOf(RUNTIME_CLASS(CExtDynControlBar)))
        HideInnerContainers(static_cast<CExtDynControlBar*>(this), m_pDockSite);
    if (CMiniFrameWnd* pMini = DYNAMIC_DOWNCAST(CMiniFrameWnd, GetParentFrame()))
        pMini->RecalcLayout();
    m_bfTracking &= ~kTrackLayoutSuspended;
}

void CExtControlBar::ReclaimRowSpace()
{
    if (GetSafeHwnd() == nullptr || (GetStyle() & WS_VISIBLE) != 0 || IsFloating(this) || GetDockBarSafe() == nullptr)
        return;
    int nNeed = GetRowExtent();
    if (nNeed == 0)
    {
        nNeed = GetRowMinExtent();
        SetRowExtent(nNeed);
    }
    CArray<CExtControlBar*, CExtControlBar*> arrOthers;
    GetRowResizableBars(arrOthers);
    for (INT_PTR i = arrOthers.GetSize() - 1; i >= 0; --i)
    {
        if (arrOthers[i] == this)
            arrOthers.RemoveAt(i);
    }
    TakeRowSpace(arrOthers, nNeed);
    ReclaimContainerRow(this);
    // Its extent is back: the show that follows does not take what the bar gave up at its hide a second time.
    m_nRowSpaceToReclaim = 0;
}

// ---- auto-hide -----------------------------------------------------------------------------------------------------

bool CExtControlBar::SwitchAutoHide(bool bAutoHide, bool bOption, bool bRecalcFrame, bool bAnimate)
{
    // The answer is whether the bar is in the requested mode afterwards.
    if (IsAutoHideMode() == bAutoHide)
        return true;
    if (IsFixedSize() || IsFixedDockStyle() || IsFloating(this) || GetSafeHwnd() == nullptr)
        return false;
    if (CExtDynTabControlBar* pTabs = GetTabbedContainer())
    {
        CExtControlBar* pContainer = CExtDockingKindOf::AsControlBar(pTabs);
        pContainer->m_nRowSpaceToReclaim = 0;
        return pContainer->SwitchAutoHide(bAutoHide, bOption, bRecalcFrame, bAutoHide ? true : bAnimate);
    }
    CExtDockBar* pDockBar = DYNAMIC_DOWNCAST(CExtDockBar, GetParent());
    CExtDynAutoHideArea* pArea = pDockBar != nullptr ? pDockBar->GetAutoHideArea() : nullptr;
    CFrameWnd* pFrame = GetDockingFrame();
    if (pArea == nullptr || pFrame == nullptr)
        return false;
    if (bAutoHide)
    {
        if (IsWindowVisible())
        {
            pFrame->ShowControlBar(this, FALSE, TRUE);
            pFrame->m_nIdleFlags |= 0x0C;
        }
        CExtDockingKindOf::AppendToAutoHideArea(pArea, this, bAnimate);
    }
    else
    {
        // Back at a frame side as a bar docked there: across never more than the view the user sees can give.
        if (bRecalcFrame && !pDockBar->IsKindOf(RUNTIME_CLASS(CExtDockDynBar)))
            barcontainer::FitThicknessToSide(this, IsDockedHorizontally(this), pFrame);
        pFrame->m_nIdleFlags |= 0x0C;
        CExtDockingKindOf::RemoveFromAutoHideArea(pArea, this, bAnimate);
        if (bAnimate)
        {
            // The areas and the slider are siblings under the frame.
            for (HWND h = ::GetWindow(pFrame->GetSafeHwnd(), GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
            {
                wchar_t szClass[64] = {};
                ::GetClassNameW(h, szClass, 64);
                if (::lstrcmpiW(szClass, L"Nimbal-AutohideSlider") == 0)
                {
                    ::SendMessage(h, WM_CANCELMODE, 0, 0);
                    break;
                }
            }
        }
    }
    if (bAutoHide)
        m_bfRuntimeState |= kStateAutoHide;
    else
        m_bfRuntimeState &= ~kStateAutoHide;
    if (bRecalcFrame)
    {
        const BYTE bfOld = m_bfRuntimeState;
        const BOOL bOldInRecalc = pFrame->m_bInRecalcLayout;
        m_bfRuntimeState &= ~kStateAutoHide;
        pFrame->m_bInRecalcLayout = TRUE;
        SyncVisibility();
        m_bfRuntimeState = bfOld;
        pFrame->m_bInRecalcLayout = bOldInRecalc;
        pFrame->RecalcLayout();
        if (!bAutoHide)
        {
            LayoutNcButtons();
            PostMessage(WM_NCPAINT);
            PostMessage(WM_TIMER, kTimerRedrawAll);
        }
        CExtPaintManager::PumpPaintMessages();
    }
    return IsAutoHideMode() == bAutoHide;
}
