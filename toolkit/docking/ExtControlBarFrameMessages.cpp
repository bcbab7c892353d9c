// CExtControlBar: the frame helpers that show status texts and tell context-help mode.
#include "platform/FrameWnd.h"
#include "platform/MiniFrameWnd.h"
#include "platform/StatusBar.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"

bool CExtControlBar::g_bUseCmdManagerForSetMessageString = true;

namespace
{
constexpr UINT kIdleMessage = 0xE001;
constexpr UINT kStatusBarId = 0xE801;

// The window that shows the status text of pWnd.
CWnd* StatusTarget(CWnd* pWnd)
{
    CWnd* pTarget = pWnd;
    if (!pWnd->IsFrameWnd())
    {
        CWnd* pFrame = (CWnd*)pWnd->GetParentFrame();
        if (pFrame != nullptr)
            pTarget = pFrame;
        else if ((pWnd->GetStyle() & WS_CHILD) != 0)
            pTarget = pWnd->GetTopLevelParent();
    }
    if (pTarget != nullptr && pTarget->IsKindOf(RUNTIME_CLASS(CExtMiniDockFrameWnd)))
    {
        CWnd* pParentFrame = (CWnd*)pTarget->GetParentFrame();
        if (pParentFrame != nullptr)
            pTarget = pParentFrame;
    }
    return pTarget;
}
} // namespace

void CExtControlBar::SetFrameMessageString(CWnd* pWnd, UINT nID)
{
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr || !::IsWindow(pWnd->GetSafeHwnd()))
        return;
    CWnd* pTarget = StatusTarget(pWnd);
    if (pTarget == nullptr || pTarget->GetSafeHwnd() == nullptr)
        return;
    if (g_bUseCmdManagerForSetMessageString && nID != kIdleMessage)
    {
        CExtCmdItem* pCmdItem = nullptr;
        LPCTSTR lpszProfile = g_CmdManagerHolder->FindProfileNameForWindow(pTarget->GetSafeHwnd());
        if (lpszProfile != nullptr)
            pCmdItem = g_CmdManagerHolder->LookupCommand(lpszProfile, nID);
        CWnd* pStatus = nullptr;
        if (pTarget->IsFrameWnd())
            pStatus = (CWnd*)((CFrameWnd*)pTarget)->GetControlBar(kStatusBarId);
        else
            pStatus = pTarget->GetDlgItem(kStatusBarId);
        // Only a status bar takes the text directly; anything else gets the message.
        if (pCmdItem != nullptr && pStatus != nullptr && pStatus->IsKindOf(RUNTIME_CLASS(CStatusBar)))
        {
            CStatusBar* pBar = (CStatusBar*)pStatus;
            const int nPane = pBar->CommandToIndex(0);
            if (nPane >= 0)
                pBar->SetPaneText(nPane, pCmdItem->m_sTipStatus, TRUE);
            return;
        }
    }
    pTarget->SendMessage(WM_SETMESSAGESTRING, nID, 0);
}

bool CExtControlBar::IsFrameInHelpMode(CWnd* pWnd)
{
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return false;
    CFrameWnd* pFrame = pWnd->IsFrameWnd() ? (CFrameWnd*)pWnd : pWnd->GetParentFrame();
    while (pFrame != nullptr)
    {
        if (pFrame->m_bHelpMode)
            return true;
        pFrame = pFrame->GetParentFrame();
    }
    return false;
}
