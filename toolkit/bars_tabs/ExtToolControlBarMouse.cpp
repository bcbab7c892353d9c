// CExtToolControlBar: window messages, hover, capture, clicks, menu tracking, tips and the help loop.
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"

INT_PTR CExtToolControlBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    return CExtControlBar::OnToolHitTest(point, pTI);
}

LRESULT CExtToolControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return CExtControlBar::WindowProc(message, wParam, lParam);
}

void CExtToolControlBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CExtControlBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
}

BOOL CExtToolControlBar::RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout)
{
    return CExtControlBar::RecalcDelayShow(lpLayout);
}

bool CExtToolControlBar::IsFullRowBar() const { return (m_nLayoutFlags & kLayoutWrapped) != 0; }

CExtControlBar::OuterRowPlacement_t* CExtToolControlBar::GetOuterRowPlacement() { return &m_outerRowPlacement; }

void CExtToolControlBar::SetOuterRowPlacement(const OuterRowPlacement_t& placement) { m_outerRowPlacement = placement; }

bool CExtToolControlBar::IsRowThicknessShared() const { return (m_nBarFlags & kBarFlagPanelMode) == 0; }

void CExtToolControlBar::RequestFrameLayout() { CExtControlBar::RequestFrameLayout(); }

bool CExtToolControlBar::IsLiveDragMode() const { return true; }

void CExtToolControlBar::UpdateDragState(const POINT& ptScreen, bool bCtrl)
{
    (void)ptScreen;
    (void)bCtrl;
}

void CExtToolControlBar::UpdateCursorAt(const POINT& ptClient) { CExtControlBar::UpdateCursorAt(ptClient); }

bool CExtToolControlBar::IsDockTargetBar() const { return false; }

bool CExtToolControlBar::IsMarkerDockingAllowed() const { return false; }

void CExtToolControlBar::ToggleDocking() { CExtControlBar::ToggleDocking(); }

int CExtToolControlBar::HitTestItem(CPoint ptClient) const { return CExtControlBar::HitTestItem(ptClient); }

bool CExtToolControlBar::ProcessMouseMove(UINT nFlags, CPoint ptClient)
{
    return CExtControlBar::ProcessMouseMove(nFlags, ptClient);
}

bool CExtToolControlBar::TrackButtonMenu(int nIndex, bool bSelectAny, bool bDelayed, bool bKeyboard)
{
    (void)nIndex;
    (void)bSelectAny;
    (void)bDelayed;
    (void)bKeyboard;
    return false;
}

int CExtToolControlBar::HitTestButtonImpl(CPoint point, UINT nIncludeStyle, UINT nExcludeStyle) const
{
    (void)point;
    (void)nIncludeStyle;
    (void)nExcludeStyle;
    return -1;
}

int CExtToolControlBar::HitTestButton(CPoint point) const { return HitTestButtonImpl(point, 0, TBBS_SEPARATOR); }

bool CExtToolControlBar::UpdateHoverButton(CPoint point)
{
    (void)point;
    return false;
}

int CExtToolControlBar::DoHelpModeLoop(CExtToolControlBar* pBar)
{
    (void)pBar;
    return -3;
}

bool CExtToolControlBar::PumpHelpMessage(CExtToolControlBar* pBar, int& nResult, bool& bDone)
{
    (void)pBar;
    (void)nResult;
    (void)bDone;
    return false;
}

void CExtToolControlBar::OnLButtonDown(UINT nFlags, CPoint point) { CExtControlBar::OnLButtonDown(nFlags, point); }

void CExtToolControlBar::OnLButtonUp(UINT nFlags, CPoint point) { CExtControlBar::OnLButtonUp(nFlags, point); }

void CExtToolControlBar::OnLButtonDblClk(UINT nFlags, CPoint point) { CExtControlBar::OnLButtonDblClk(nFlags, point); }

void CExtToolControlBar::OnRButtonUp(UINT nFlags, CPoint point) { CExtControlBar::OnRButtonUp(nFlags, point); }

void CExtToolControlBar::OnCancelMode() { CExtControlBar::OnCancelMode(); }

void CExtToolControlBar::OnSize(UINT nType, int cx, int cy) { CExtControlBar::OnSize(nType, cx, cy); }

void CExtToolControlBar::OnTimer(UINT_PTR nIDEvent) { CControlBar::OnTimer(nIDEvent); }

void CExtToolControlBar::OnCaptureChanged(CWnd* pWnd) { CExtControlBar::OnCaptureChanged(pWnd); }

void CExtToolControlBar::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CExtControlBar::OnSettingChange(uFlags, lpszSection);
}

LRESULT CExtToolControlBar::OnTrackButtonMenu(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    (void)lParam;
    return 0;
}
