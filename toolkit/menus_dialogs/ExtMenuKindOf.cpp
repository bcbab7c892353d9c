// CExtMenuKindOf: the bar questions of menus_dialogs, answered with the docking and bar classes.
#include "toolkit/menus_dialogs/ExtMenuKindOf.h"
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/bars_tabs/ExtDynAutoHideSlider.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "toolkit/extras/ExtColorDlg.h"

bool CExtMenuKindOf::IsToolBar(const CObject* p)
{
    return p != nullptr && p->IsKindOf(RUNTIME_CLASS(CExtToolControlBar));
}

bool CExtMenuKindOf::IsMiniDockFrame(const CObject* p)
{
    return p != nullptr && p->IsKindOf(RUNTIME_CLASS(CExtMiniDockFrameWnd));
}

bool CExtMenuKindOf::IsDocked(const CControlBar* pBar) { return CExtControlBar::IsDocked(pBar); }

bool CExtMenuKindOf::IsFloating(const CControlBar* pBar) { return CExtControlBar::IsFloating(pBar); }

UINT CExtMenuKindOf::DockBarId(const CControlBar* pBar) { return CExtControlBar::GetDockBarId(pBar); }

bool CExtMenuKindOf::IsToolBarMenuTracking() { return CExtToolControlBar::g_bMenuTracking; }

void CExtMenuKindOf::SetToolBarMenuTracking(bool bOn) { CExtToolControlBar::g_bMenuTracking = bOn; }

void CExtMenuKindOf::CloseToolBarMenus() { CExtToolControlBar::CloseTrackingMenus(); }

bool CExtMenuKindOf::TrackedButtonRect(const CObject* pBar, CRect& rc)
{
    if (!IsToolBar(pBar))
        return false;
    const CExtToolControlBar* pToolBar = static_cast<const CExtToolControlBar*>(pBar);
    CExtBarButton* pTBB = pToolBar->GetButtonPtr(pToolBar->m_nBtnIdxMenuTracking);
    if (pTBB == nullptr)
        return false;
    rc = pTBB->GetRect();
    return true;
}

CWnd* CExtMenuKindOf::FrameOfButton(const CExtBarButton* pButton)
{
    CExtToolControlBar* pBar = pButton != nullptr ? pButton->GetBar() : nullptr;
    if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr)
        return nullptr;
    return (CWnd*)pBar->GetParentFrame();
}

UINT CExtMenuKindOf::MsgPutToPopupMenu() { return CExtControlBar::g_nMsgPutToPopupMenu; }

UINT CExtMenuKindOf::MsgContinueTrackMenu() { return CExtToolControlBar::g_nMsgContinueTrackMenu; }

void CExtMenuKindOf::SetFrameMessageString(CWnd* pWnd, UINT nID) { CExtControlBar::SetFrameMessageString(pWnd, nID); }

bool CExtMenuKindOf::IsFrameInHelpMode(CWnd* pWnd) { return CExtControlBar::IsFrameInHelpMode(pWnd); }

bool CExtMenuKindOf::IsKeyHandlingBarHost(const CObject* p)
{
    return p != nullptr &&
           (p->IsKindOf(RUNTIME_CLASS(CExtControlBar)) || p->IsKindOf(RUNTIME_CLASS(CExtDynAutoHideSlider)));
}

bool CExtMenuKindOf::PreTranslateChildBars(CWnd* pWnd, MSG* pMsg)
{
    return CExtControlBar::PreTranslateChildBars(pWnd, pMsg);
}

void CExtMenuKindOf::UpdateChildBarsCmdUI(CWnd* pWnd) { CExtControlBar::UpdateChildBarsCmdUI(pWnd, false); }

bool CExtMenuKindOf::RunColorDialog(CWnd* pParent, COLORREF clrInit, COLORREF& clrNew)
{
    CExtColorDlg dlg(clrInit, clrInit, pParent);
    if (dlg.DoModal() != IDOK)
        return false;
    clrNew = dlg.m_clrNew;
    return true;
}
