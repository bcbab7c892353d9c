// CExtDockBar: docking bars into rows and taking them out, over toolkit dock bars and over the
// platform dock bar of a floating frame (which counts as unlocked and has no circles).
#include "platform/FrameWnd.h"
#include "platform/MiniFrameWnd.h"
#include "platform/DockContext.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/docking/ExtDockDynBar.h"
#include "toolkit/docking/ExtDockingKindOf.h"
#include "toolkit/docking/ExtDynControlBar.h"
#include "toolkit/foundation/ExtPaintManager.h"

namespace
{
const UINT kIdleLayoutFlags = 0x0C; // idle layout and notify

CExtDockBar* AsExt(CDockBar* pDockBar) { return DYNAMIC_DOWNCAST(CExtDockBar, pDockBar); }

bool IsLocked(CDockBar* pDockBar)
{
    CExtDockBar* pExt = AsExt(pDockBar);
    return pExt != nullptr && pExt->IsLayoutLocked();
}

// The dock bar object behind hWnd when that window still exists with it attached.
CDockBar* DockBarStillThere(HWND hWnd, CDockBar* pDockBar) { return StillAttached(hWnd, pDockBar); }

CFrameWnd* DockSiteOf(CDockBar* pDockBar, CControlBar* pBar)
{
    if (pBar != nullptr && pBar->m_pDockSite != nullptr)
        return pBar->m_pDockSite;
    if (pDockBar->m_pDockSite != nullptr)
        return pDockBar->m_pDockSite;
    return pDockBar->GetSafeHwnd() != nullptr ? pDockBar->GetDockingFrame() : nullptr;
}

void MarkIdleLayout(CFrameWnd* pFrame)
{
    if (pFrame != nullptr)
        pFrame->m_nIdleFlags |= kIdleLayoutFlags;
}

// Removes the entry at nPos and a row it leaves empty; index 0 stays.
void RemoveEntryAt(CDockBar* pDockBar, int nPos)
{
    CPtrArray& arr = pDockBar->m_arrBars;
    if (nPos <= 0 || nPos >= arr.GetSize())
        return;
    arr.RemoveAt(nPos);
    if (nPos < arr.GetSize() && arr[nPos - 1] == nullptr && arr[nPos] == nullptr)
        arr.RemoveAt(nPos);
}

UINT BarIdOf(CControlBar* pBar)
{
    if (CDockBar::IsPlaceHolder(pBar))
        return (UINT)(UINT_PTR)pBar;
    return pBar->GetSafeHwnd() != nullptr ? (UINT)pBar->GetDlgCtrlID() & 0xFFFF : 0;
}

bool WantsOwnRow(void* pEntry)
{
    if (pEntry == nullptr || CDockBar::IsPlaceHolder(pEntry))
        return false;
    CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, static_cast<CControlBar*>(pEntry));
    return pExt != nullptr && pExt->IsFixedDockStyle() && pExt->IsFullRowBar();
}

// Steps 2 and 3 of docking: the dock bar takes the bar's sizing and title, the bar takes the
// dock bar's side, borders and floating bit.
void TakeStyles(CDockBar* pDockBar, CControlBar* pBar)
{
    if (pDockBar->m_bFloating && (pBar->m_dwDockStyle & CBRS_FLOAT_MULTI) != 0)
        pDockBar->m_dwStyle |= CBRS_FLOAT_MULTI;
    pDockBar->m_dwStyle &= ~(CBRS_SIZE_FIXED | CBRS_SIZE_DYNAMIC);
    pDockBar->m_dwStyle |= pBar->m_dwStyle & (CBRS_SIZE_FIXED | CBRS_SIZE_DYNAMIC);
    if ((pDockBar->m_dwStyle & CBRS_FLOAT_MULTI) == 0)
    {
        CString sTitle;
        pBar->GetWindowText(sTitle);
        pDockBar->SetWindowText(sTitle);
    }
    DWORD dwStyle = (pBar->GetBarStyle() & ~CBRS_ALIGN_ANY) | (pDockBar->m_dwStyle & CBRS_ALIGN_ANY) | CBRS_BORDER_ANY;
    dwStyle = pDockBar->m_bFloating ? (dwStyle | CBRS_FLOATING) : (dwStyle & ~CBRS_FLOATING);
    pBar->SetBarStyle(dwStyle);
}

void HideBar(CControlBar* pBar)
{
    pBar->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
}

void ReparentInto(CDockBar* pDockBar, CControlBar* pBar)
{
    if (pBar->GetParent() == pDockBar)
        return;
    CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, pBar);
    if (pExt != nullptr && pExt->IsFixedSize() && pExt->IsFixedDockStyle())
    {
        // It floated alone in a mini frame: that frame goes out of sight first.
        CFrameWnd* pParentFrame = pBar->GetParentFrame();
        if (pParentFrame != nullptr && pParentFrame != pBar->m_pDockSite)
        {
            pParentFrame->ShowWindow(SW_HIDE);
            CExtPaintManager::PumpPaintMessages(true, true, true);
        }
    }
    // Layout and visibility synchronisation wait while the window changes its parent.
    const BYTE bfOld = pExt != nullptr ? pExt->m_bfTracking : 0;
    if (pExt != nullptr)
        pExt->m_bfTracking |= CExtControlBar::kTrackLayoutSuspended;
    pBar->SetParent(pDockBar);
    if (pExt != nullptr)
        pExt->m_bfTracking = (BYTE)((pExt->m_bfTracking & ~CExtControlBar::kTrackLayoutSuspended) |
                                    (bfOld & CExtControlBar::kTrackLayoutSuspended));
}

// Takes the bar out of its previous dock bar pOld (not pDockBar). Answers the old dock bar's
// window, NULL when it went with the removal.
HWND UndockFromOld(CDockBar* pDockBar, CControlBar* pBar, CDockBar* pOld, int nPlaceHolderMode, bool bDelay,
                   bool bCleanOld)
{
    const HWND hOld = pOld->GetSafeHwnd();
    const bool bOldFloating = pOld->m_bFloating != FALSE;
    if (AsExt(pOld) != nullptr)
    {
        CExtDockBar::RemoveBarFromRows(pOld, pBar, -1, nPlaceHolderMode, bDelay);
        if (bCleanOld && !bOldFloating && !IsLocked(pDockBar))
        {
            if (CDockBar* pStill = DockBarStillThere(hOld, pOld))
                AsExt(pStill)->CleanRows();
        }
    }
    else
        pOld->RemoveControlBar(pBar, -1, nPlaceHolderMode);
    return DockBarStillThere(hOld, pOld) != nullptr ? hOld : nullptr;
}
} // namespace

// ---- members ----------------------------------------------------------------------------------------------------

void CExtDockBar::DockBarInto(CControlBar* pBar, LPCRECT lpRectScreen, bool bMoveNow)
{
    DockBarInto(this, pBar, lpRectScreen, bMoveNow);
}

void CExtDockBar::DockBarInNewRow(CControlBar* pBarRef, CControlBar* pBar, bool bBefore)
{
    DockBarInNewRow(this, pBarRef, pBar, bBefore);
}

void CExtDockBar::DockBarAtEdgeRow(CControlBar* pBar, bool bInner) { DockBarAtEdgeRow(this, pBar, bInner); }

void CExtDockBar::DockNewChildBar(CControlBar* pBar)
{
    CPtrArray& arr = m_arrBars;
    if (arr.GetSize() == 0 || arr[arr.GetSize() - 1] != nullptr)
        arr.Add(nullptr);
    arr.Add(pBar);
    arr.Add(nullptr);
    pBar->m_pDockBar = this;
}

bool CExtDockBar::RemoveBarFromRows(CControlBar* pBar, int nPosExclude, int nPlaceHolderMode, bool bDelayLayout)
{
    return RemoveBarFromRows(this, pBar, nPosExclude, nPlaceHolderMode, bDelayLayout);
}

void CExtDockBar::RemovePlaceHolder(CControlBar* pBarOrId, bool bSearchFrame, bool* pbFound)
{
    if (pBarOrId == nullptr)
        return;
    RemovePlaceHolder(this, BarIdOf(pBarOrId), bSearchFrame, pbFound);
}

void CExtDockBar::RemoveAllPlaceHolders(bool bSearchFrame)
{
    CArray<UINT, UINT> arrIds;
    for (INT_PTR i = 1; i < m_arrBars.GetSize(); ++i)
    {
        if (IsPlaceHolder(m_arrBars[i]))
            arrIds.Add((UINT)(UINT_PTR)m_arrBars[i]);
    }
    for (INT_PTR i = 0; i < arrIds.GetSize(); ++i)
        RemovePlaceHolder(this, arrIds[i], bSearchFrame, nullptr);
}

// ---- over any dock bar -----------------------------------------------------------------------------------------

void CExtDockBar::RemovePlaceHolder(CDockBar* pDockBar, UINT nID, bool bSearchFrame, bool* pbFound)
{
    if (pbFound != nullptr)
        *pbFound = false;
    if (pDockBar == nullptr || nID == 0 || nID >= 0x10000)
        return;
    const int nPos = pDockBar->FindBar(reinterpret_cast<CControlBar*>((UINT_PTR)nID));
    if (nPos > 0)
    {
        RemoveEntryAt(pDockBar, nPos);
        if (pbFound != nullptr)
            *pbFound = true;
        return;
    }
    if (bSearchFrame)
        RemovePlaceHolderInFrame(DockSiteOf(pDockBar, nullptr), nID, pbFound);
}

void CExtDockBar::RemovePlaceHolderInFrame(CFrameWnd* pFrame, UINT nID, bool* pbFound)
{
    if (pbFound != nullptr)
        *pbFound = false;
    if (pFrame == nullptr)
        return;
    // Dock bars and the inner dock bars of containers, which the frame's list does not hold.
    CArray<CDockBar*, CDockBar*> arrDockBars;
    for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;)
    {
        CControlBar* pBar = pFrame->m_listControlBars.GetNext(pos);
        if (CDockBar* pDockBar = DYNAMIC_DOWNCAST(CDockBar, pBar))
            arrDockBars.Add(pDockBar);
        else if (CExtDynControlBar* pDyn = DYNAMIC_DOWNCAST(CExtDynControlBar, pBar))
        {
            if (pDyn->m_pWndDynDocker != nullptr)
                arrDockBars.Add(pDyn->m_pWndDynDocker);
        }
    }
    for (INT_PTR i = 0; i < arrDockBars.GetSize(); ++i)
    {
        bool bFound = false;
        RemovePlaceHolder(arrDockBars[i], nID, false, &bFound);
        if (bFound)
        {
            if (pbFound != nullptr)
                *pbFound = true;
            return;
        }
    }
}

bool CExtDockBar::RemoveBarFromRows(CDockBar* pDockBar, CControlBar* pBar, int nPosExclude, int nPlaceHolderMode,
                                    bool bDelayLayout)
{
    if (pDockBar == nullptr || pBar == nullptr)
        return false;
    CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, pBar);
    if (pExt != nullptr && !pExt->IsFixedDockStyle())
        nPlaceHolderMode = 0;
    // A bar that is not in the array leaves the array as it is.
    const int nPos = pDockBar->FindBar(pBar, nPosExclude);
    if (nPos <= 0)
        return false;
    const UINT nID = BarIdOf(pBar);
    if (nPlaceHolderMode == 1 && nID != 0)
    {
        pDockBar->m_arrBars[nPos] = reinterpret_cast<void*>((UINT_PTR)nID);
        if (pDockBar->FindBar(reinterpret_cast<CControlBar*>((UINT_PTR)nID), nPos) > 0)
            RemoveEntryAt(pDockBar, nPos);
    }
    else
    {
        RemoveEntryAt(pDockBar, nPos);
        if (nPlaceHolderMode != -1 && nID != 0)
            RemovePlaceHolderInFrame(DockSiteOf(pDockBar, pBar), nID, nullptr);
    }
    if (pBar->m_pDockBar == pDockBar && nPosExclude == -1)
        pBar->m_pDockBar = nullptr;
    if (pBar->m_pDockContext == nullptr)
        return false;
    if (pDockBar->m_bFloating && pDockBar->GetSafeHwnd() != nullptr && pDockBar->GetDockedVisibleCount() == 0)
    {
        if (CWnd* pMini = pDockBar->GetParent())
        {
            if (pDockBar->GetDockedCount() != 0)
                pMini->ShowWindow(SW_HIDE);
            else
                pMini->DestroyWindow();
        }
        return true;
    }
    if (CExtDockingKindOf::IsDockDynTabBar(pDockBar))
    {
        if (CExtControlBar* pGroup = DYNAMIC_DOWNCAST(CExtControlBar, pDockBar->GetParent()))
            pGroup->RepositionChildWindow(-1, -1, true);
    }
    if (bDelayLayout)
        MarkIdleLayout(DockSiteOf(pDockBar, pBar));
    return true;
}

void CExtDockBar::DockBarInto(CDockBar* pDockBar, CControlBar* pBar, LPCRECT lpRectScreen, bool bMoveNow)
{
    if (pDockBar == nullptr || pBar == nullptr || pBar->GetSafeHwnd() == nullptr || pDockBar->GetSafeHwnd() == nullptr)
        return;
    CRect rcBar;
    pBar->GetWindowRect(&rcBar);
    if (pBar->m_pDockBar == pDockBar && pDockBar->FindBar(pBar) > 0 &&
        (lpRectScreen == nullptr || rcBar == *lpRectScreen))
        return;
    TakeStyles(pDockBar, pBar);
    CDockBar* pOld = pBar->m_pDockBar;
    bool bHidden = false;
    if (pOld != pDockBar && pBar->IsWindowVisible())
    {
        HideBar(pBar);
        bHidden = true;
    }
    CPtrArray& arr = pDockBar->m_arrBars;
    int nPos;
    CRect rc;
    if (lpRectScreen != nullptr)
    {
        rc = *lpRectScreen;
        pDockBar->ScreenToClient(&rc);
        nPos = pDockBar->Insert(pBar, rc, rc.CenterPoint());
        if (nPos > 0 && WantsOwnRow(arr[nPos - 1]))
            arr.InsertAt(nPos++, (void*)nullptr);
        if (nPos + 1 < arr.GetSize() && WantsOwnRow(arr[nPos + 1]))
            arr.InsertAt(nPos + 1, (void*)nullptr);
        pBar->SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                           SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    }
    else
    {
        if (arr.GetSize() == 0 || arr[arr.GetSize() - 1] != nullptr)
            arr.Add(nullptr);
        arr.Add(pBar);
        arr.Add(nullptr);
        nPos = (int)arr.GetSize() - 2;
        pBar->SetWindowPos(nullptr, -2 * ::GetSystemMetrics(SM_CXBORDER), -2 * ::GetSystemMetrics(SM_CYBORDER), 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    }
    ReparentInto(pDockBar, pBar);
    if (pOld == pDockBar)
        RemoveBarFromRows(pDockBar, pBar, nPos, -1, true);
    else if (pOld != nullptr)
        UndockFromOld(pDockBar, pBar, pOld, pDockBar->m_bFloating && !pOld->m_bFloating ? 1 : 0, false, true);
    pBar->m_pDockBar = pDockBar;
    if (bHidden)
        pBar->SetWindowPos(nullptr, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    else if (bMoveNow && lpRectScreen != nullptr)
        pBar->SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                           SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_NOSENDCHANGING);
    bool bFound = false;
    RemovePlaceHolder(pDockBar, BarIdOf(pBar), false, &bFound);
    // The frame is the dock bar's own: a bar floated out keeps its place in the frame it left.
    if (!bFound)
        RemovePlaceHolderInFrame(pDockBar->GetParentFrame(), BarIdOf(pBar), nullptr);
    if (WantsOwnRow(pBar))
    {
        nPos = pDockBar->FindBar(pBar);
        if (nPos > 0)
        {
            const bool bStarts = arr[nPos - 1] == nullptr;
            const bool bEnds = nPos + 1 >= arr.GetSize() || arr[nPos + 1] == nullptr;
            if (bEnds && !bStarts)
                arr.InsertAt(nPos, (void*)nullptr);
            else if (bStarts && !bEnds)
                arr.InsertAt(nPos + 1, (void*)nullptr);
            else if (!bStarts && !bEnds)
            {
                arr.RemoveAt(nPos);
                int nBreak = nPos - 1;
                while (nBreak > 0 && arr[nBreak] != nullptr)
                    --nBreak;
                arr.InsertAt(nBreak + 1, (void*)nullptr);
                arr.InsertAt(nBreak + 1, pBar);
            }
        }
    }
    MarkIdleLayout(DockSiteOf(pDockBar, pBar));
}

void CExtDockBar::DockBarInNewRow(CDockBar* pDockBar, CControlBar* pBarRef, CControlBar* pBar, bool bBefore)
{
    if (pDockBar == nullptr || pBar == nullptr || pBar->GetSafeHwnd() == nullptr || pDockBar->GetSafeHwnd() == nullptr)
        return;
    TakeStyles(pDockBar, pBar);
    CDockBar* pOld = pBar->m_pDockBar;
    if (pOld != nullptr && pOld->GetSafeHwnd() == nullptr)
        pOld = nullptr;
    ReparentInto(pDockBar, pBar);
    HWND hOld = nullptr;
    if (pOld == pDockBar)
    {
        if (pBarRef != pBar)
            RemoveEntryAt(pDockBar, pDockBar->FindBar(pBar));
    }
    else if (pOld != nullptr)
        hOld = UndockFromOld(pDockBar, pBar, pOld, 0, true, false);
    CPtrArray& arr = pDockBar->m_arrBars;
    const int nRef = pBarRef != nullptr ? pDockBar->FindBar(pBarRef) : -1;
    int nInsert;
    if (nRef > 0)
    {
        int nBreak = nRef;
        if (bBefore)
        {
            while (nBreak > 0 && arr[nBreak] != nullptr)
                --nBreak;
        }
        else
        {
            while (nBreak < arr.GetSize() && arr[nBreak] != nullptr)
                ++nBreak;
            if (nBreak >= arr.GetSize())
                arr.Add(nullptr);
        }
        nInsert = nBreak + 1;
    }
    else
    {
        if (arr[arr.GetSize() - 1] != nullptr)
            arr.Add(nullptr);
        nInsert = (int)arr.GetSize();
    }
    arr.InsertAt(nInsert, (void*)nullptr);
    arr.InsertAt(nInsert, pBar);
    pBar->m_pDockBar = pDockBar;
    if (pBarRef == pBar && pOld == pDockBar)
        RemoveEntryAt(pDockBar, pDockBar->FindBar(pBar, nInsert));
    pBar->SetWindowPos(nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_FRAMECHANGED);
    if (CExtDockBar* pExt = AsExt(pDockBar))
        pExt->RecalcRows();
    if (CDockBar* pStill = DockBarStillThere(hOld, pOld))
    {
        if (CExtDockBar* pOldExt = AsExt(pStill))
            pOldExt->RecalcRows();
    }
    CExtDockBar* pExt = AsExt(pDockBar);
    if (pExt != nullptr && DYNAMIC_DOWNCAST(CMiniFrameWnd, pDockBar->GetParentFrame()) == nullptr)
        pExt->DropEmptyContainersIfUnlocked();
}

void CExtDockBar::DockBarAtEdgeRow(CDockBar* pDockBar, CControlBar* pBar, bool bInner)
{
    if (pDockBar == nullptr || pBar == nullptr || pBar->GetSafeHwnd() == nullptr || pDockBar->GetSafeHwnd() == nullptr)
        return;
    const UINT nID = (UINT)pDockBar->GetDlgCtrlID();
    const bool bFirstRow = bInner && (nID == AFX_IDW_DOCKBAR_RIGHT || nID == AFX_IDW_DOCKBAR_BOTTOM);
    CPtrArray& arr = pDockBar->m_arrBars;
    const int nHere = pDockBar->FindBar(pBar);
    if (pBar->m_pDockBar == pDockBar && nHere > 0)
    {
        if (nHere == 1)
            return;
        RemoveEntryAt(pDockBar, nHere);
    }
    else
    {
        CDockBar* pOld = pBar->m_pDockBar;
        if (pOld != nullptr && pOld->GetSafeHwnd() == nullptr)
            pOld = nullptr;
        HideBar(pBar);
        ReparentInto(pDockBar, pBar);
        TakeStyles(pDockBar, pBar);
        if (pOld != nullptr && pOld != pDockBar)
            UndockFromOld(pDockBar, pBar, pOld, 0, true, true);
    }
    if (bFirstRow)
    {
        if (arr.GetSize() < 2 || arr[1] != nullptr)
            arr.InsertAt(1, (void*)nullptr);
        arr.InsertAt(1, pBar);
    }
    else
    {
        if (arr.GetSize() > 1 && arr[arr.GetSize() - 1] == nullptr)
            arr.RemoveAt(arr.GetSize() - 1);
        arr.Add(pBar);
        arr.Add(nullptr);
    }
    pBar->m_pDockBar = pDockBar;
    pBar->SetWindowPos(nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_FRAMECHANGED);
    if (CExtDockBar* pExt = AsExt(pDockBar))
        pExt->DropEmptyContainersIfUnlocked();
}
