// Steps shared by the tab group's strip and the auto-hide areas.
#include "toolkit/bars_tabs/ExtDynTabSteps.h"
#include "platform/FrameWnd.h"
#include "toolkit/bars_tabs/ExtTabWnd.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

namespace dyntabs
{

namespace
{
const UINT kMenuSourceMessage = 0x7B; // WM_CONTEXTMENU
}

void SelectTabUnder(CExtTabWnd* pTabs, CPoint point)
{
    if (pTabs == nullptr || pTabs->GetSafeHwnd() == nullptr)
        return;
    const LONG nHit = pTabs->ItemHitTest(point);
    if (nHit >= 0 && nHit != pTabs->SelectionGet())
        pTabs->SelectionSet((int)nHit, true, true);
}

bool IsCtrlPageKey(const MSG& msg)
{
    return msg.message == WM_KEYDOWN && (msg.wParam == VK_PRIOR || msg.wParam == VK_NEXT) &&
           (::GetKeyState(VK_CONTROL) & 0x8000) != 0 && (::GetKeyState(VK_SHIFT) & 0x8000) == 0 &&
           (::GetKeyState(VK_MENU) & 0x8000) == 0;
}

int FindCtrlPageTab(const CExtTabWnd& tabs, bool bNext, const std::function<bool(int)>& accept)
{
    const int nCount = tabs.ItemGetCount();
    const int nSel = tabs.SelectionGet();
    if (nSel < 0 || nCount == 0)
        return -1;
    // One round at most: the walk stops back at the selection.
    for (int nStep = 1; nStep < nCount; ++nStep)
    {
        const int i = bNext ? (nSel + nStep) % nCount : (nSel - nStep + nCount) % nCount;
        const CExtTabWnd::TAB_ITEM_INFO* pTii = tabs.ItemGet(i);
        if ((pTii->m_dwItemStyle & (CExtTabWnd::TAB_ITEM_INFO::kHidden | CExtTabWnd::TAB_ITEM_INFO::kTemporary)) != 0)
            continue;
        if (accept(i))
            return i;
    }
    return -1;
}

void TrackBarsMenu(CFrameWnd* pFrame, WORD nMenuKind, CWnd* pSource, CPoint point,
                   const std::function<void(CExtPopupMenuWnd& popup, LPCTSTR pszProfile)>& fill)
{
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    if (point.x == -1 && point.y == -1)
        point = ptCursor;
    CExtPopupMenuWnd* pPopup = new CExtPopupMenuWnd;
    if (!pPopup->CreatePopupMenu(pFrame->GetSafeHwnd()))
    {
        delete pPopup;
        return;
    }
    CExtControlBar::POPUP_MENU_EVENT_DATA data(nMenuKind, pPopup, pSource, point, kMenuSourceMessage, 0);
    if (!data.NotifyTarget(false))
        fill(*pPopup, g_CmdManagerHolder->FindProfileNameForWindow(pFrame->GetSafeHwnd()));
    data.NotifyTarget(true);
    if (pPopup->GetItemCount() == 0)
    {
        delete pPopup;
        return;
    }
    pFrame->SetFocus();
    if (!pPopup->TrackPopupMenu(CExtPopupMenuWnd::TRACK_OWNER_DRAW, ptCursor.x, ptCursor.y))
        delete pPopup;
}

void SetupBarCommand(LPCTSTR pszProfile, CExtControlBar* pBar)
{
    if (pszProfile == nullptr)
        return;
    // The bar's command carries its window text.
    CExtCmdItem cmd((UINT)pBar->GetDlgCtrlID());
    pBar->GetWindowText(cmd.m_sMenuText);
    cmd.LoadTextsFromResource();
    g_CmdManagerHolder->SetupCommand(pszProfile, cmd, true);
}

CExtCmdIcon* BarCommandIcon(const CWnd& tabs, CExtControlBar* pBar)
{
    if (tabs.GetSafeHwnd() == nullptr)
        return nullptr;
    LPCTSTR pszProfile = g_CmdManagerHolder->FindProfileNameForWindow(tabs.GetSafeHwnd());
    if (pszProfile == nullptr)
        return nullptr;
    return g_CmdManagerHolder->GetCommandIcon(pszProfile, (UINT)pBar->GetDlgCtrlID());
}

} // namespace dyntabs
