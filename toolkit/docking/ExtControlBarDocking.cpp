// CExtControlBar: docking at a frame side, at a side of a given circle, and as a tab with another
// bar.
#include "platform/FrameWnd.h"
#include "toolkit/docking/ExtBarContainerSteps.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/docking/ExtDockingKindOf.h"
#include "toolkit/docking/ExtDynControlBar.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"

namespace
{
// Window style bits a tab group adds: caption, four borders and tool tips.
const DWORD kTabGroupStyle = 0x400F10;
} // namespace

bool CExtControlBar::DockAtSide(UINT nDockBarID, bool bNewCircle, CFrameWnd* pFrame, bool bRecalc)
{
    if (pFrame == nullptr)
        pFrame = m_pDockSite;
    if (pFrame == nullptr || GetSafeHwnd() == nullptr)
        return false;
    // A bar floating in a toolkit floating frame: the frame goes out of sight first and comes
    // back when the bar cannot be docked.
    CExtMiniDockFrameWnd* pMini = DYNAMIC_DOWNCAST(CExtMiniDockFrameWnd, GetParentFrame());
    const HWND hMini = pMini != nullptr ? pMini->GetSafeHwnd() : nullptr;
    const bool bMiniVisible = pMini != nullptr && pMini->IsWindowVisible();
    if (bMiniVisible)
        pMini->ShowWindow(SW_HIDE);
    UINT nCircle = 1;
    if (bNewCircle)
        nCircle = CExtDockBar::CreateInnerCircle(pFrame);
    const bool bDocked = DockAtSideCircle(nDockBarID, (int)nCircle, pFrame, bRecalc);
    if (!bDocked && bMiniVisible && ::IsWindow(hMini))
        pMini->ShowWindow(SW_SHOWNA);
    return bDocked;
}

bool CExtControlBar::DockAtSideCircle(UINT nDockBarID, int nCircle, CFrameWnd* pFrame, bool bRecalc)
{
    if (pFrame == nullptr)
        pFrame = m_pDockSite;
    if (pFrame == nullptr || GetSafeHwnd() == nullptr || nCircle < 0)
        return false;
    CExtDockBar* pDockBar = CExtDockBar::FindCircleDockBar(pFrame, (UINT)nCircle, nDockBarID, true);
    if (pDockBar == nullptr)
        return false;
    pDockBar->DockBarInto(this, nullptr, false);
    if (bRecalc)
        pFrame->RecalcLayout();
    return m_pDockBar == pDockBar && pDockBar->FindBar(this) > 0;
}

bool CExtControlBar::DockAsTabWith(CExtControlBar* pBarAdd, int nIndex, bool bRecalc)
{
    if (pBarAdd == nullptr || pBarAdd == this || pBarAdd->GetSafeHwnd() == nullptr || GetSafeHwnd() == nullptr)
        return false;
    const HWND hAdd = pBarAdd->GetSafeHwnd();
    const UINT nAddId = (UINT)pBarAdd->GetDlgCtrlID() & 0xFFFF;
    if (CExtDockingKindOf::IsDynTabControlBar(this))
    {
        CExtDockingKindOf::InsertIntoTabContainer(static_cast<CExtDynControlBar*>(this), pBarAdd, nIndex, bRecalc);
        // A dissolved container's bars came over one by one.
        return StillAttached(hAdd, pBarAdd) == nullptr || pBarAdd->GetTabbedContainer() != nullptr ||
               pBarAdd->m_pDockBar != nullptr;
    }
    if (CExtDynTabControlBar* pTabs = GetTabbedContainer())
    {
        CExtDynControlBar* pGroup = CExtDockingKindOf::AsDynControlBar(pTabs);
        return pGroup != nullptr && pGroup->DockAsTabWith(pBarAdd, nIndex, bRecalc);
    }
    CDockBar* pDockBar = GetDockBarSafe();
    CFrameWnd* pSite = m_pDockSite;
    const int nPos = pDockBar != nullptr ? pDockBar->FindBar(this) : -1;
    if (pSite == nullptr || nPos <= 0)
        return false;

    CREATE_TABBED_BAR_DATA data = {};
    data.m_pTabbedBar = nullptr;
    GetWindowRect(&data.m_rcWindow);
    data.m_nDockBarIndex = nPos;
    data.m_dwWndStyle = GetStyle();
    data.m_dwBarStyle = m_dwStyle;
    data.m_nDockBarID = (UINT)pDockBar->GetDlgCtrlID();
    pSite->SendMessage(g_nMsgCreateTabbedBar, (WPARAM)&data, 0);
    CExtDynControlBar* pGroup = data.m_pTabbedBar != nullptr ? CExtDockingKindOf::AsDynControlBar(data.m_pTabbedBar)
                                                             : CExtDockingKindOf::NewTabContainer();
    if (pGroup == nullptr)
        return false;
    const DWORD dwStyle = (data.m_dwWndStyle & ~(DWORD)1) | (m_dwStyle & CBRS_ALIGN_ANY) | kTabGroupStyle;
    pGroup->m_pDockSite = pSite;
    if (!pGroup->Create(nullptr, pSite, data.m_nDockBarID, dwStyle) || pGroup->m_pWndDynDocker == nullptr)
    {
        // Both bars stay where they were.
        barcontainer::DisposeUnmade(pGroup);
        return false;
    }
    barcontainer::TakeOverSizes(pGroup, this, pSite);
    pGroup->SetBarStyle((pGroup->GetBarStyle() & ~CBRS_ALIGN_ANY) | (m_dwStyle & CBRS_ALIGN_ANY) | CBRS_BORDER_ANY);

    // The group takes the bar's entry and place.
    CRect rcPlace(data.m_rcWindow);
    pDockBar->ScreenToClient(&rcPlace);
    pDockBar->m_arrBars[nPos] = pGroup;
    pGroup->m_bfTracking |= kTrackLayoutSuspended;
    pGroup->SetParent(pDockBar);
    pGroup->m_bfTracking &= ~kTrackLayoutSuspended;
    pGroup->m_pDockBar = pDockBar;
    pGroup->SetWindowPos(nullptr, rcPlace.left, rcPlace.top, rcPlace.Width(), rcPlace.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    m_pDockBar = nullptr;
    CExtDockingKindOf::InsertIntoTabContainer(pGroup, this, -1, false);
    CExtDockingKindOf::InsertIntoTabContainer(pGroup, pBarAdd, nIndex, false);
    CExtDockBar::RemovePlaceHolderInFrame(pSite, (UINT)GetDlgCtrlID() & 0xFFFF, nullptr);
    CExtDockBar::RemovePlaceHolderInFrame(pSite, nAddId, nullptr);
    const HWND hGroup = pGroup->GetSafeHwnd();
    if (CExtDockBar* pExtDock = DYNAMIC_DOWNCAST(CExtDockBar, pDockBar))
        pExtDock->DropEmptyContainersIfUnlocked();
    else
        CExtDockBar::DropEmptyContainers(pSite);
    // The frame's cleaning selects the new group's tab; a group in a floating frame lies outside the frame's
    // circles, so the added bar's tab is selected here, as there.
    if (::IsWindow(hGroup) && CWnd::FromHandlePermanent(hGroup) == pGroup && ::IsWindow(hAdd) &&
        CExtDockingKindOf::SelectedBarOf(pGroup) == nullptr)
        if (CExtDynTabControlBar* pTabs = CExtDockingKindOf::AsDynTabControlBar(pGroup))
            CExtDockingKindOf::SelectTabOf(pTabs, pBarAdd);
    if (bRecalc)
        pSite->RecalcLayout();
    else
        pSite->m_nIdleFlags |= 0x0C;
    return true;
}
