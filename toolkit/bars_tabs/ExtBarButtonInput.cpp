// CExtBarButton: the drop-down menu, hover, clicks, command delivery, tips, context help and command UI.
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/bars_tabs/ExtBarButtonMenuSteps.h"
#include "toolkit/bars_tabs/ExtBarContentExpandButton.h"
#include "toolkit/bars_tabs/ExtMenuControlBar.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

namespace
{
const UINT kIdlePrompt = 0xE001;
}

void CExtBarButton::ShowPrompt(bool bIdle)
{
    if (m_pBar == nullptr || m_pBar->GetSafeHwnd() == nullptr)
        return;
    const int nCmd = (int)GetCmdID(true);
    const bool bIdleText = bIdle || nCmd <= 0 || m_pBar->IsKindOf(RUNTIME_CLASS(CExtMenuControlBar)) ||
                           IsKindOf(RUNTIME_CLASS(CExtBarContentExpandButton));
    CExtControlBar::SetFrameMessageString(m_pBar, bIdleText ? kIdlePrompt : (UINT)nCmd);
}

bool CExtBarButton::PutToPopupMenu(CExtPopupMenuWnd* pPopup)
{
    if (pPopup == nullptr)
        return false;
    if (m_pCtrl != nullptr && m_pCtrl->GetSafeHwnd() != nullptr)
    {
        if (::SendMessageW(m_pCtrl->GetSafeHwnd(), CExtControlBar::g_nMsgPutToPopupMenu, (WPARAM)pPopup, 0) != 0)
            return true;
    }
    CWnd* pTarget = GetCmdTargetWnd();
    const HWND hWndTarget = pTarget != nullptr ? pTarget->GetSafeHwnd() : nullptr;
    if (IsMenuButton(0) && m_hMenu != nullptr)
    {
        CString sText;
        CExtCmdItem* pItem = GetCmdItem();
        if (pItem != nullptr)
            sText = pItem->m_sMenuText;
        if (sText.IsEmpty())
            sText = GetText();
        const HICON hIcon = barmenu::MenuIconOf(GetIconPtr());
        CExtPopupMenuWnd* pSub = new CExtPopupMenuWnd;
        pSub->CreatePopupMenu(hWndTarget);
        pSub->UpdateFromMenu(hWndTarget, m_hMenu, IsMenuPopup(), true);
        return barmenu::InsertSubMenu(pPopup, pSub, sText, hIcon);
    }
    return pPopup->InsertItem((int)GetCmdID(true), -1, nullptr, nullptr, hWndTarget);
}

UINT CExtBarButton::TrackButtonMenu(CPoint point, bool bSelectFirst, bool bNoAnimation)
{
    (void)point;
    if (m_pBar == nullptr || m_pBar->GetSafeHwnd() == nullptr)
        return (UINT)-1;
    if (IsDisabled() && !IsMenuButton(0))
        return (UINT)-1;
    if (m_pCtrl != nullptr && m_pCtrl->GetSafeHwnd() != nullptr)
    {
        ::SendMessageW(m_pCtrl->GetSafeHwnd(), CExtToolControlBar::g_nMsgContinueTrackMenu, (WPARAM)this,
                       bSelectFirst ? 1 : 0);
        return 0;
    }
    if (!IsMenuButton(0))
        return (UINT)-1;
    const int nIndex = GetIndexInBar();
    if (nIndex < 0)
        return (UINT)-1;
    if (CExtToolControlBar::g_bMenuTracking && m_pBar->m_nBtnIdxMenuTracking == nIndex)
        return 0;
    CExtToolControlBar* pBar = m_pBar;
    const HWND hWndBar = pBar->GetSafeHwnd();
    barmenu::BringFloatingFrameToTop(pBar);
    CExtToolControlBar::CloseTrackingMenus();
    if (m_hMenu == nullptr)
        return (UINT)-1;
    CWnd* pTarget = GetCmdTargetWnd();
    const HWND hWndTarget = pTarget != nullptr ? pTarget->GetSafeHwnd() : nullptr;
    CExtPopupMenuWnd* pPopup = new CExtPopupMenuWnd;
    if (!pPopup->UpdateFromMenu(hWndTarget, m_hMenu, IsMenuPopup(), true))
    {
        delete pPopup;
        return (UINT)-1;
    }
    if (IsMdiWindowsListAppended())
        pPopup->AppendMdiWindowsList(pTarget);
    CRect rcExclude = m_rc;
    pBar->ClientToScreen(&rcExclude);
    const UINT nFlags = barmenu::TrackFlags(GetMenuAlignment(), bSelectFirst, bNoAnimation);
    // The popup cancels any window that holds the capture; the bar lets it go first so that its
    // tracking state survives.
    if (CExtMouseCaptureSink::GetCaptureHWND() == hWndBar)
        CExtMouseCaptureSink::ReleaseCapture();
    pBar->SetTrackedButton(nIndex);
    if (IsAdoptPickedCmd() && !CExtControlBar::IsFrameInHelpMode(pBar))
    {
        const UINT nSerial = GetSerial();
        CExtToolControlBar::g_bMenuTracking = true;
        const CPoint ptTrack = rcExclude.CenterPoint();
        UINT nPicked = 0;
        if (!pPopup->TrackPopupMenu(
                nFlags | CExtPopupMenuWnd::TRACK_DO_MESSAGE_LOOP | CExtPopupMenuWnd::TRACK_NO_CMD_DELIVERY, ptTrack.x,
                ptTrack.y, &rcExclude, pBar, CExtToolControlBar::PaintTrackedButtonCallback, &nPicked))
        {
            delete pPopup;
            CExtToolControlBar::CloseTrackingMenus();
            return (UINT)-1;
        }
        // A message pumped inside the popup may have rebuilt or destroyed the bar: touch nothing
        // of this button unless the bar still holds it (not a new button made at its address).
        if (!::IsWindow(hWndBar) || !pBar->HoldsButton(this, nSerial))
            return nPicked;
        if (nPicked != 0)
        {
            SetCmdID(nPicked, true, true);
            if (!::IsWindow(hWndBar) || !pBar->HoldsButton(this, nSerial))
                return nPicked;
            OnDeliverCmd();
            if (::IsWindow(hWndBar) && pBar->HoldsButton(this, nSerial))
                RedrawButton(false);
        }
        return nPicked;
    }
    return barmenu::TrackAgainstButton(pPopup, nFlags, rcExclude, pBar, hWndBar, nIndex);
}

void CExtBarButton::OnHover(CPoint point, bool bEntering)
{
    if (m_pBar == nullptr || m_pBar->GetSafeHwnd() == nullptr)
        return;
    CExtToolControlBar* pBar = m_pBar;
    const HWND hWndBar = pBar->GetSafeHwnd();
    if (!CExtControlBar::IsFrameInHelpMode(pBar))
    {
        CExtPopupMenuWnd::ItemCoveringNotification notification(nullptr, this, bEntering ? 1 : 0, -1);
        notification.Notify();
        if (!::IsWindow(hWndBar))
            return;
    }
    if (!bEntering)
    {
        ShowPrompt(true);
        if (CExtMouseCaptureSink::GetCaptureHWND() == hWndBar)
            CExtMouseCaptureSink::ReleaseCapture();
        return;
    }
    if (!CExtToolControlBar::g_bMenuTracking)
        ShowPrompt(false);
    else if (pBar->m_nBtnIdxMenuTracking != GetIndexInBar())
    {
        TrackButtonMenu(point, false, false);
        if (!::IsWindow(hWndBar) || pBar->GetButtonIndex(this) < 0)
            return;
    }
    if (m_pCtrl == nullptr || m_pCtrl->GetSafeHwnd() == nullptr || !m_pCtrl->IsWindowVisible())
        pBar->CExtMouseCaptureSink::SetCapture(hWndBar);
}

void CExtBarButton::OnClick(CPoint point, bool bDown)
{
    if (m_pBar == nullptr || m_pBar->GetSafeHwnd() == nullptr)
        return;
    bool bInDropDown = false;
    if (IsSplitDropDown())
        bInDropDown = GetDropDownRect().PtInRect(point) != FALSE;
    if (IsDisabled() && !(IsMenuButton(0) && bInDropDown))
        return;
    if (bDown)
    {
        CExtToolControlBar::CloseTrackingMenus();
        m_bf2 &= ~kPressedOnDropDown;
        if (IsSplitDropDown() && bInDropDown)
            m_bf2 |= kPressedOnDropDown;
        if (IsMenuButton(0) && (!IsSplitDropDown() || bInDropDown))
        {
            CExtToolControlBar::g_bKeyboardTracking = false;
            TrackButtonMenu(point, false, false);
            return;
        }
        ShowPrompt(false);
        return;
    }
    ShowPrompt(true);
    const bool bPressedOnDropDown = (m_bf2 & kPressedOnDropDown) != 0 && bInDropDown;
    m_bf2 &= ~kPressedOnDropDown;
    if (IsMenuButton(0) && !IsSplitDropDown())
        return;
    if (bPressedOnDropDown)
        return;
    if (m_pCtrl != nullptr && m_pCtrl->GetSafeHwnd() != nullptr && m_pCtrl->IsWindowVisible())
    {
        if (CExtMouseCaptureSink::GetCaptureHWND() == m_pBar->GetSafeHwnd())
            m_pBar->SendMessage(WM_CANCELMODE);
        return;
    }
    OnDeliverCmd();
}

void CExtBarButton::OnDeliverCmd()
{
    if ((int)m_nCmdID < 1 || m_pBar == nullptr)
        return;
    CExtCmdItem* pItem = GetCmdItem();
    if (pItem != nullptr)
        pItem->DeliverToBarOwner(m_pBar, true);
}

INT_PTR CExtBarButton::BuildTipText(CPoint point, TOOLINFO* pTI) const
{
    (void)point;
    if (!IsShowTips())
        return -1;
    CExtCmdItem* pItem = GetCmdItem();
    if (pItem == nullptr || pItem->m_sTipTool.IsEmpty())
        return -1;
    const UINT nCmd = GetCmdID(true);
    if (pTI != nullptr)
    {
        CString sTip = pItem->m_sTipTool;
        if (IsShowTipAccelerators() && !pItem->m_sAccelText.IsEmpty())
            sTip += L" (" + pItem->m_sAccelText + L")";
        pTI->rect = m_rc;
        pTI->uId = nCmd;
        pTI->hwnd = m_pBar->GetSafeHwnd();
        LPTSTR lpszText = AfxAllocToolTipText(sTip);
        pTI->lpszText = lpszText != nullptr ? lpszText : LPSTR_TEXTCALLBACKW;
    }
    return (INT_PTR)nCmd;
}

int CExtBarButton::OnHelpHitTest(CPoint point)
{
    if (IsSeparator())
        return -1;
    if (IsMenuButton(0))
    {
        if (m_pBar == nullptr || !CExtControlBar::IsFrameInHelpMode(m_pBar))
            return -3;
        TrackButtonMenu(point, false, false);
        return CExtToolControlBar::DoHelpModeLoop(m_pBar);
    }
    return HasCmdItem() ? (int)GetCmdID(true) : -1;
}

void CExtBarButton::OnUpdateCmdUI(CWnd* pTarget, BOOL bDisableIfNoHandler, int nIndex)
{
    if (IsSeparator() || m_pBar == nullptr)
        return;
    if (IsMenuButton(0) && m_pBar->IsKindOf(RUNTIME_CLASS(CExtMenuControlBar)))
        return;
    CExtToolControlBar::CExtToolControlBarCmdUI state;
    state.m_pOther = m_pBar;
    state.m_nID = GetCmdID(false);
    state.m_nIndex = (UINT)nIndex;
    state.m_nIndexMax = (UINT)m_pBar->GetButtonsCount();
    state.DoUpdate(pTarget, bDisableIfNoHandler);
}
