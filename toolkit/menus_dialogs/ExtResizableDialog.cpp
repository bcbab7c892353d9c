// CExtResizableDialog: idle update of child bars, key routing to bars, quiet embedding.
#include "toolkit/menus_dialogs/ExtResizableDialog.h"
#include "platform/WinThread.h"
#include "toolkit/menus_dialogs/ExtMenuKindOf.h"

IMPLEMENT_DYNCREATE(CExtResizableDialog, CExtResDlg)

CExtResizableDialog::CExtResizableDialog() { m_nWsFlags |= kWsGripper; }

CExtResizableDialog::CExtResizableDialog(UINT nIDTemplate, CWnd* pParentWnd) : Layers_t(nIDTemplate, pParentWnd)
{
    m_nWsFlags |= kWsGripper;
}

CExtResizableDialog::~CExtResizableDialog() { m_mapAnchors.RemoveAll(); }

bool CExtResizableDialog::IsIdleNow()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr && pThread->IsIdleMessage(AfxGetCurrentMessage());
}

void CExtResizableDialog::RunIdleUpdate(CWnd* pWnd, HWND hWnd, bool bIdle, BYTE& nFlags)
{
    // The handle is checked first: after WM_NCDESTROY the object may be gone.
    if (!bIdle || !::IsWindow(hWnd) || CWnd::FromHandlePermanent(hWnd) != pWnd || (nFlags & kDlgIdleUpdateRunning) != 0)
        return;
    nFlags |= kDlgIdleUpdateRunning;
    CExtMenuKindOf::UpdateChildBarsCmdUI(pWnd);
    nFlags &= ~kDlgIdleUpdateRunning;
}

void CExtResizableDialog::PreSubclassWindow()
{
    Layers_t::PreSubclassWindow();
    m_nDlgFlags |= kDlgIdleUpdate;
    EnableToolTips(TRUE);
}

BOOL CExtResizableDialog::PreTranslateMessage(MSG* pMsg)
{
    const DWORD dwChildVisible = WS_CHILD | WS_VISIBLE;
    if (pMsg->message >= WM_KEYFIRST && pMsg->message < WM_UNICHAR && GetSafeHwnd() != nullptr &&
        (GetStyle() & dwChildVisible) == dwChildVisible)
    {
        CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(m_hWnd));
        if (CExtMenuKindOf::IsKeyHandlingBarHost(pParent) && pParent->PreTranslateMessage(pMsg))
            return TRUE;
    }
    if (CExtMenuKindOf::PreTranslateChildBars(this, pMsg))
        return TRUE;
    return Layers_t::PreTranslateMessage(pMsg);
}

LRESULT CExtResizableDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY)
        m_nDlgFlags &= ~kDlgIdleUpdate;
    const bool bIdle = (m_nDlgFlags & kDlgIdleUpdate) != 0 && IsIdleNow();
    HWND hWnd = m_hWnd;
    const LRESULT lResult = Layers_t::WindowProc(message, wParam, lParam);
    RunIdleUpdate(this, hWnd, bIdle, m_nDlgFlags);
    return lResult;
}

void CExtResizableDialog::OnOK()
{
    if ((GetStyle() & WS_CHILD) != 0)
        return;
    CDialog::OnOK();
}

void CExtResizableDialog::OnCancel()
{
    if ((GetStyle() & WS_CHILD) != 0)
        return;
    CDialog::OnCancel();
}
