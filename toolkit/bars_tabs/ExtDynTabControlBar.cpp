// CExtDynTabControlBar: creation, docking bars into the group, temporary tabs, showing tabs, selection, layout,
// caption, minimum size and focus.
#include "toolkit/bars_tabs/ExtDynTabControlBar.h"
#include "platform/FrameWnd.h"
#include "platform/MiniDockFrameWnd.h"
#include "platform/MiniFrameWnd.h"
#include "toolkit/bars_tabs/ExtDockDynTabBar.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(CExtDynTabControlBar, CExtDynControlBar)

BEGIN_MESSAGE_MAP(CExtDynTabControlBar, CExtDynControlBar)
ON_WM_CREATE()
ON_WM_SETFOCUS()
END_MESSAGE_MAP()

namespace
{
const UINT kIdleLayoutFlags = 0x0C;
const DWORD kStripTabStyle = CExtTabWnd::kOrientBottom | CExtTabWnd::kStyleFit; // 5
const int kStripCreateHeight = 14;
const int kStripExtra = 6;

bool IsInFloatingDockBar(const CControlBar* pBar)
{
    return pBar->m_pDockBar != nullptr && pBar->m_pDockBar->GetSafeHwnd() != nullptr &&
           DYNAMIC_DOWNCAST(CMiniFrameWnd, pBar->m_pDockBar->GetParent()) != nullptr;
}
} // namespace

CExtDynTabControlBar::CExtDynTabControlBar() : m_nSelIndex(-1), m_nTrackedTabIndex(-1) {}

CExtDynTabControlBar::~CExtDynTabControlBar() {}

CExtDockDynBar* CExtDynTabControlBar::CreateInnerDockBar() { return new CExtDockDynTabBar; }

CExtDockDynTabBar* CExtDynTabControlBar::GetTabDockBar() const
{
    return m_pWndDynDocker != nullptr ? DYNAMIC_DOWNCAST(CExtDockDynTabBar, m_pWndDynDocker) : nullptr;
}

CControlBar* CExtDynTabControlBar::GetSelectedBar() const
{
    if (m_wndTabs.GetSafeHwnd() == nullptr)
        return nullptr;
    return m_wndTabs.GetBarAt(m_wndTabs.SelectionGet(), false);
}

// ---- creation and messages ---------------------------------------------------------------------------------------

int CExtDynTabControlBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CExtDynControlBar::OnCreate(lpcs) == -1)
        return -1;
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.Width() <= 0)
        rcClient.right = rcClient.left + 10;
    const CRect rcStrip(rcClient.left, rcClient.bottom - kStripCreateHeight, rcClient.right, rcClient.bottom);
    if (!m_wndTabs.Create(this, rcStrip, (UINT)-1, WS_CHILD | WS_VISIBLE, kStripTabStyle))
        return -1;
    return 0;
}

void CExtDynTabControlBar::OnSetFocus(CWnd* pOldWnd)
{
    CExtDynControlBar::OnSetFocus(pOldWnd);
    CControlBar* pBar = GetSelectedBar();
    if (pBar != nullptr && ::IsWindow(pBar->GetSafeHwnd()) && pBar->IsWindowVisible())
        pBar->SetFocus();
}

BOOL CExtDynTabControlBar::PreTranslateMessage(MSG* pMsg)
{
    if (m_wndTabs.GetSafeHwnd() != nullptr && m_wndTabs.PreTranslateMessage(pMsg))
        return TRUE;
    return CExtDynControlBar::PreTranslateMessage(pMsg);
}

// ---- docking bars into the group ---------------------------------------------------------------------------------

void CExtDynTabControlBar::InsertBar(CExtControlBar* pBar, int nIndex, bool bUpdate)
{
    if (pBar == nullptr || pBar == this || pBar->GetSafeHwnd() == nullptr || m_pWndDynDocker == nullptr ||
        m_wndTabs.GetSafeHwnd() == nullptr)
        return;
    m_wndTabs.RemoveTemporaryItems(false);
    if (nIndex < 0 || nIndex > m_wndTabs.ItemGetCount())
        nIndex = m_wndTabs.ItemGetCount();
    // The group or container the bar leaves is cleaned once the bar is in: left with one bar it dissolves (it may be
    // in another floating frame, which no layout of this group's frame reaches). Not one this group lies in, which
    // the caller may still use, and not while this group's layout is locked (a stored state being read cleans up
    // after itself).
    CExtDockDynBar* pOldInner = DYNAMIC_DOWNCAST(CExtDockDynBar, pBar->m_pDockBar);
    if (pOldInner == m_pWndDynDocker || DYNAMIC_DOWNCAST(CExtDynControlBar, pBar) != nullptr ||
        m_pWndDynDocker->IsLayoutLocked() ||
        (pOldInner != nullptr && ::IsChild(pOldInner->GetSafeHwnd(), GetSafeHwnd())))
        pOldInner = nullptr;
    const HWND hOldInner = pOldInner != nullptr ? pOldInner->GetSafeHwnd() : nullptr;
    DockIntoGroup(pBar, nIndex);
    if (hOldInner != nullptr && ::IsWindow(hOldInner) && CWnd::FromHandlePermanent(hOldInner) == pOldInner &&
        !pOldInner->IsLayoutLocked())
        pOldInner->CleanRows();
    if (m_wndTabs.GetSafeHwnd() == nullptr)
        return;
    // A bar put into the group lies over the others; the selected tab's bar goes back on top.
    CExtControlBar* pSel = m_wndTabs.GetBarAt(m_wndTabs.SelectionGet(), false);
    if (pSel != nullptr && ::IsWindow(pSel->GetSafeHwnd()) && pSel->m_pDockBar == m_pWndDynDocker)
    {
        const bool bWasLocked = m_pWndDynDocker->CExtDockBar::SetLayoutLocked(true);
        pSel->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (!bWasLocked)
            m_pWndDynDocker->CExtDockBar::SetLayoutLocked(false);
    }
    m_wndTabs.UpdateTabWnd(true);
    if (!bUpdate)
    {
        RepositionChildWindow(-1, -1, false);
        return;
    }
    if (m_pDockSite != nullptr)
        CExtDockBar::DropEmptyContainers(m_pDockSite);
    RepositionChildWindow();
    CExtPaintManager::PumpPaintMessages();
}

void CExtDynTabControlBar::DockIntoGroup(CExtControlBar* pBar, int& nIndex)
{
    if (CExtDynControlBar* pNested = DYNAMIC_DOWNCAST(CExtDynControlBar, pBar))
    {
        // A nested container is dissolved: its bars come over one by one, in its order.
        CExtDockDynBar* pInner = pNested->m_pWndDynDocker;
        if (pInner == nullptr || pInner->GetSafeHwnd() == nullptr)
            return;
        pInner->RemoveAllPlaceHolders();
        CArray<CExtControlBar*, CExtControlBar*> arrBars;
        pInner->CollectBars(arrBars);
        const HWND hInner = pInner->GetSafeHwnd();
        for (INT_PTR i = 0; i < arrBars.GetSize(); ++i)
        {
            if (::IsWindow(arrBars[i]->GetSafeHwnd()))
                DockIntoGroup(arrBars[i], nIndex);
        }
        // The emptied container goes (its window deletes it).
        if (::IsWindow(hInner) && CWnd::FromHandlePermanent(hInner) == pInner)
        {
            pInner->RemoveAllPlaceHolders();
            CArray<CExtControlBar*, CExtControlBar*> arrLeft;
            pInner->CollectBars(arrLeft);
            if (arrLeft.GetSize() == 0 && !pInner->IsLayoutLocked())
                pInner->CleanInnerRows();
        }
        return;
    }
    CExtDockBar* pOldDock = DYNAMIC_DOWNCAST(CExtDockBar, pBar->m_pDockBar);
    const HWND hOldDock = pOldDock != nullptr ? pOldDock->GetSafeHwnd() : nullptr;
    const bool bWasLocked = pOldDock != nullptr && pOldDock->SetLayoutLocked(true);
    const bool bVisible = (pBar->GetStyle() & WS_VISIBLE) != 0;
    const BYTE bfTracking = pBar->m_bfTracking;
    pBar->m_bfTracking |= kTrackLayoutSuspended;
    if (bVisible)
        pBar->SetWindowPos(nullptr, 0, 0, 0, 0,
                           SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_pWndDynDocker->DockBarInto(pBar, nullptr, false);
    CRect rcInner;
    m_pWndDynDocker->GetClientRect(&rcInner);
    if ((m_wndTabs.GetStyle() & WS_VISIBLE) == 0 && m_wndTabs.ItemGetCount() > 0)
        rcInner.bottom = std::max(rcInner.top, rcInner.bottom - StripExtent());
    pBar->SetWindowPos(nullptr, rcInner.left, rcInner.top, rcInner.Width(), rcInner.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
    pBar->m_bfTracking = bfTracking;
    pBar->RepositionChildWindow();
    if (bVisible)
        pBar->SetWindowPos(nullptr, 0, 0, 0, 0,
                           SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_pDockSite != nullptr)
        CExtDockBar::RemovePlaceHolderInFrame(m_pDockSite, (UINT)pBar->GetDlgCtrlID() & 0xFFFF);
    m_wndTabs.InsertBar(pBar, nIndex, false, false);
    ++nIndex;
    if (pOldDock != nullptr && !bWasLocked && ::IsWindow(hOldDock) && CWnd::FromHandlePermanent(hOldDock) == pOldDock)
        pOldDock->SetLayoutLocked(false);
}

void CExtDynTabControlBar::InsertTemporaryBar(CExtControlBar* pBar, int nIndex, bool bUpdate)
{
    if (pBar == nullptr || m_wndTabs.GetSafeHwnd() == nullptr)
        return;
    if (nIndex < 0 || nIndex > m_wndTabs.ItemGetCount())
        nIndex = m_wndTabs.ItemGetCount();
    if (CExtDynControlBar* pNested = DYNAMIC_DOWNCAST(CExtDynControlBar, pBar))
    {
        if (pNested->m_pWndDynDocker == nullptr)
            return;
        CArray<CExtControlBar*, CExtControlBar*> arrBars;
        pNested->m_pWndDynDocker->CollectBars(arrBars);
        for (INT_PTR i = 0; i < arrBars.GetSize(); ++i)
        {
            if (arrBars[i]->GetSafeHwnd() == nullptr || !arrBars[i]->IsVisible())
                continue;
            if (DYNAMIC_DOWNCAST(CExtDynControlBar, arrBars[i]) != nullptr)
            {
                InsertTemporaryBar(arrBars[i], nIndex, false);
                nIndex = m_wndTabs.ItemGetCount();
                continue;
            }
            if (m_wndTabs.FindBar(arrBars[i]) < 0)
                m_wndTabs.InsertBar(arrBars[i], nIndex++, true, false);
        }
    }
    else
        m_wndTabs.InsertBar(pBar, nIndex, true, false);
    m_wndTabs.UpdateTabWnd(bUpdate);
    if (bUpdate)
        RepositionChildWindow(-1, -1, false);
}

void CExtDynTabControlBar::RemoveSelectedTab()
{
    const int nSel = m_wndTabs.GetSafeHwnd() != nullptr ? m_wndTabs.SelectionGet() : -1;
    if (nSel >= 0)
        m_wndTabs.ItemRemove(nSel, 1, false);
}

void CExtDynTabControlBar::RemoveTabsOfDepartedBars()
{
    if (m_wndTabs.GetSafeHwnd() == nullptr || m_pWndDynDocker == nullptr)
        return;
    for (int i = m_wndTabs.ItemGetCount() - 1; i >= 0; --i)
    {
        const CExtTabWnd::TAB_ITEM_INFO* pTii = m_wndTabs.ItemGet(i);
        if ((pTii->m_dwItemStyle & CExtTabWnd::TAB_ITEM_INFO::kTemporary) != 0)
            continue;
        CExtControlBar* pBar = reinterpret_cast<CExtControlBar*>(pTii->m_lParam);
        bool bDeparted = pBar == nullptr || !::IsWindow(pBar->GetSafeHwnd()) || pBar->GetParent() != m_pWndDynDocker ||
                         m_pWndDynDocker->FindBar(pBar) <= 0;
        if (bDeparted)
        {
            m_wndTabs.ItemRemove(i, 1, false);
            continue;
        }
        // The hidden mark follows the bar.
        const bool bVisible = (pBar->GetStyle() & WS_VISIBLE) != 0;
        if (bVisible != m_wndTabs.ItemGet(i)->IsVisible())
            m_wndTabs.ItemGet(i)->ModifyItemStyle(bVisible ? CExtTabWnd::TAB_ITEM_INFO::kHidden : 0,
                                                  bVisible ? 0 : CExtTabWnd::TAB_ITEM_INFO::kHidden);
    }
}

// ---- showing tabs and selection ----------------------------------------------------------------------------------

void CExtDynTabControlBar::ShowBarTab(CExtControlBar* pBar)
{
    if (pBar == nullptr || m_wndTabs.GetSafeHwnd() == nullptr || pBar->m_pDockBar != m_pWndDynDocker)
        return;
    const int nIndex = m_wndTabs.FindBar(pBar);
    if (nIndex < 0)
        return;
    CExtTabWnd::TAB_ITEM_INFO* pTii = m_wndTabs.ItemGet(nIndex);
    const bool bVisible = (pBar->GetStyle() & WS_VISIBLE) != 0;
    if (pTii->IsVisible() == bVisible)
        return;
    if (!bVisible && m_wndTabs.SelectionGet() == nIndex)
    {
        // The next visible sibling window's tab, or none.
        int nNext = -1;
        for (CWnd* p = pBar->GetWindow(GW_HWNDNEXT); p != nullptr && nNext < 0; p = p->GetWindow(GW_HWNDNEXT))
        {
            if ((p->GetStyle() & WS_VISIBLE) != 0)
                nNext = m_wndTabs.FindBar(DYNAMIC_DOWNCAST(CExtControlBar, p));
        }
        for (CWnd* p = pBar->GetWindow(GW_HWNDPREV); p != nullptr && nNext < 0; p = p->GetWindow(GW_HWNDPREV))
        {
            if ((p->GetStyle() & WS_VISIBLE) != 0)
                nNext = m_wndTabs.FindBar(DYNAMIC_DOWNCAST(CExtControlBar, p));
        }
        pTii->ModifyItemStyle(0, CExtTabWnd::TAB_ITEM_INFO::kHidden);
        m_wndTabs.SelectionSet(nNext, true, false);
    }
    else if (!bVisible)
        pTii->ModifyItemStyle(0, CExtTabWnd::TAB_ITEM_INFO::kHidden);
    else
    {
        pTii->ModifyItemStyle(CExtTabWnd::TAB_ITEM_INFO::kHidden, 0);
        m_wndTabs.SelectionSet(nIndex, true, false);
    }
    m_wndTabs.UpdateTabWnd(true);
    if (CMiniFrameWnd* pMini = DYNAMIC_DOWNCAST(CMiniFrameWnd, GetParentFrame()))
        pMini->m_nIdleFlags |= kIdleLayoutFlags;
    RepositionChildWindow(-1, -1, false);
}

void CExtDynTabControlBar::OnTabSelected(int nIndex)
{
    m_nSelIndex = nIndex;
    CExtControlBar* pBar = m_wndTabs.GetBarAt(nIndex, false);
    if (pBar == nullptr || m_wndTabs.ItemGetVisibleCount() == 0 || !::IsWindow(pBar->GetSafeHwnd()) ||
        m_pWndDynDocker == nullptr)
        return;
    const bool bWasLocked = m_pWndDynDocker->CExtDockBar::SetLayoutLocked(true);
    pBar->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (!bWasLocked)
        m_pWndDynDocker->CExtDockBar::SetLayoutLocked(false);
    if (pBar->IsWindowVisible())
        pBar->SetFocus();
    RefreshNonClientFrame();
    if (CExtDockDynTabBar* pInner = GetTabDockBar())
        pInner->LayoutTabbedBars(true);
    CString sText, sOld;
    pBar->GetWindowText(sText);
    GetWindowText(sOld);
    if (sOld != sText)
        SetWindowText(sText);
    if (m_pDockBar != nullptr && m_pDockBar->GetSafeHwnd() != nullptr)
    {
        m_pDockBar->GetWindowText(sOld);
        if (sOld != sText)
            m_pDockBar->SetWindowText(sText);
        // A floating frame takes its dock bar's text as its title at its layout; the selection changes it now.
        if (CMiniDockFrameWnd* pMini = DYNAMIC_DOWNCAST(CMiniDockFrameWnd, m_pDockBar->GetParent()))
        {
            pMini->GetWindowText(sOld);
            if (sOld != sText)
                pMini->SetWindowText(sText);
        }
    }
    if (IsFloating(this))
    {
        if (CFrameWnd* pMini = GetParentFrame())
            pMini->SendMessage(WM_NCPAINT);
    }
}

// ---- layout ------------------------------------------------------------------------------------------------------

int CExtDynTabControlBar::StripExtent()
{
    int nHeight = m_wndTabs.GetItemsArea().Height();
    if (nHeight <= 0)
    {
        CRect rc;
        m_wndTabs.GetWindowRect(&rc);
        nHeight = rc.Height();
    }
    return nHeight + kStripExtra + 1;
}

void CExtDynTabControlBar::RepositionChildWindow(int cx, int cy, bool bRecalcRows)
{
    if (GetSafeHwnd() == nullptr || m_pWndDynDocker == nullptr || m_pWndDynDocker->GetSafeHwnd() == nullptr ||
        m_wndTabs.GetSafeHwnd() == nullptr)
        return;
    if (cx < 0 && cy < 0 && bRecalcRows)
        RemoveTabsOfDepartedBars();
    CRect rc;
    GetClientRect(&rc);
    if (cx >= 0 && cy >= 0)
        rc.SetRect(0, 0, cx, cy);
    if (IsInFloatingDockBar(this))
        rc.DeflateRect(1, 1);
    const bool bShowStrip = m_wndTabs.ItemGetVisibleCount() >= 2;
    CRect rcInner(rc);
    if (bShowStrip)
    {
        // The item area's height follows the strip's: a few passes settle it.
        for (int nPass = 0; nPass < 3; ++nPass)
        {
            const int nExtent = StripExtent();
            const CRect rcStrip(rc.left, rc.bottom - nExtent, rc.right, rc.bottom);
            CRect rcOld;
            m_wndTabs.GetWindowRect(&rcOld);
            ScreenToClient(&rcOld);
            if (rcOld == rcStrip && (m_wndTabs.GetStyle() & WS_VISIBLE) != 0)
                break;
            m_wndTabs.SetWindowPos(nullptr, rcStrip.left, rcStrip.top, rcStrip.Width(), rcStrip.Height(),
                                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
            m_wndTabs.UpdateTabWnd(true);
            if (StripExtent() == nExtent)
                break;
        }
        rcInner.bottom = std::max(rc.top, rc.bottom - StripExtent());
    }
    else if ((m_wndTabs.GetStyle() & WS_VISIBLE) != 0)
        m_wndTabs.SetWindowPos(nullptr, 0, 0, 0, 0,
                               SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rcInnerOld;
    m_pWndDynDocker->GetWindowRect(&rcInnerOld);
    ScreenToClient(&rcInnerOld);
    if (rcInnerOld != rcInner)
        m_pWndDynDocker->SetWindowPos(nullptr, rcInner.left, rcInner.top, rcInner.Width(), rcInner.Height(),
                                      SWP_NOZORDER | SWP_NOACTIVATE);
    if (CExtDockDynTabBar* pInner = GetTabDockBar())
        pInner->LayoutTabbedBars(true);
    m_wndTabs.UpdateTabWnd(true);
    m_wndTabs.Invalidate();
    if (bRecalcRows)
        m_pWndDynDocker->RecalcRows();
}

// ---- caption, gripper, minimum size ------------------------------------------------------------------------------

void CExtDynTabControlBar::GetCaptionText(CString& sText) const
{
    sText.Empty();
    CControlBar* pBar = GetSelectedBar();
    if (pBar == nullptr && m_pWndDynDocker != nullptr && m_pWndDynDocker->GetSafeHwnd() != nullptr)
        pBar = DYNAMIC_DOWNCAST(CControlBar, m_pWndDynDocker->GetWindow(GW_CHILD));
    if (pBar == nullptr || !::IsWindow(pBar->GetSafeHwnd()))
    {
        if (GetSafeHwnd() != nullptr)
            GetWindowText(sText);
        return;
    }
    if (CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, pBar))
        pExt->GetCaptionText(sText);
    else
        pBar->GetWindowText(sText);
}

bool CExtDynTabControlBar::QueryGripperPresence(bool* pbCaptionHorz, bool* pbCaptionVert) const
{
    const bool bPresent = !IsSingleVisibleInFloatingFrame(this);
    if (pbCaptionHorz != nullptr)
        *pbCaptionHorz = bPresent;
    if (pbCaptionVert != nullptr)
        *pbCaptionVert = bPresent;
    return bPresent;
}

CSize CExtDynTabControlBar::CalcGroupMinSize() const
{
    CSize size(CExtControlBar::CalcMinWidth(), CExtControlBar::CalcMinHeight());
    if (m_pWndDynDocker == nullptr)
        return size;
    CArray<CExtControlBar*, CExtControlBar*> arrBars;
    m_pWndDynDocker->CollectBars(arrBars);
    for (INT_PTR i = 0; i < arrBars.GetSize(); ++i)
    {
        CExtControlBar* pBar = arrBars[i];
        if (pBar->GetSafeHwnd() == nullptr || !pBar->IsVisible())
            continue;
        size.cx = std::max((int)size.cx, pBar->CalcMinWidth());
        size.cy = std::max((int)size.cy, pBar->CalcMinHeight());
    }
    return size;
}

int CExtDynTabControlBar::CalcMinWidth() const { return CalcGroupMinSize().cx; }

int CExtDynTabControlBar::CalcMinHeight() const { return CalcGroupMinSize().cy; }
