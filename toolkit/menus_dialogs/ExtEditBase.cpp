// CExtEditBase: the edit commands, the themed context menu and the tool tip of the toolkit's edits.
#include "toolkit/menus_dialogs/ExtEditBase.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtResourceManager.h"
#include "toolkit/menus_dialogs/ExtControlHelpers.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

IMPLEMENT_DYNCREATE(CExtEditBase, CEdit)

const CExtEditBase::ContextMenuRow_t CExtEditBase::g_contextMenu[CONTEXT_MENU_ROWS] = {
    {ID_CMD_UNDO, L"&Undo"},
    {0, nullptr},
    {ID_CMD_CUT, L"Cu&t"},
    {ID_CMD_COPY, L"&Copy"},
    {ID_CMD_PASTE, L"&Paste"},
    {ID_CMD_CLEAR, L"Cl&ear"},
    {0, nullptr},
    {ID_CMD_SELECT_ALL, L"Select &All"},
};

namespace
{
// The menu text of a command from its string resource: tabs become spaces, carriage returns go,
// and of a "prompt\ntip" string the part after the newline is kept.
CString MenuTextFromResource(UINT nCmdID)
{
    CString sText;
    if (!g_ResourceManagerHolder->LoadStringRes(sText, nCmdID))
        return CString();
    sText.Replace(L"\t", L" ");
    sText.Remove(L'\r');
    sText.Trim();
    const int nNewLine = sText.Find(L'\n');
    if (nNewLine >= 0)
    {
        sText = sText.Mid(nNewLine + 1);
        sText.Trim();
    }
    return sText;
}
} // namespace

CExtEditBase::CExtEditBase() : m_nEditBaseFlags(kHandleEditCommands) {}

CExtEditBase::~CExtEditBase()
{
    if (m_wndToolTip.GetSafeHwnd() != nullptr)
        m_wndToolTip.DestroyWindow();
}

// ---- tool tip ------------------------------------------------------------------------------------------

void CExtEditBase::InitToolTip() { CExtControlHelpers::InitToolTip(m_wndToolTip, this); }

void CExtEditBase::SetTooltipText(LPCTSTR lpszText, bool bActivate)
{
    CExtControlHelpers::SetToolTipText(m_wndToolTip, this, lpszText, bActivate);
}

void CExtEditBase::ActivateTooltip(bool bActivate) { CExtControlHelpers::ActivateToolTip(m_wndToolTip, bActivate); }

INT_PTR CExtEditBase::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    (void)pTI;
    CExtControlHelpers::TakeToolBarTip(this, point, const_cast<CToolTipCtrl&>(m_wndToolTip),
                                       const_cast<CExtEditBase*>(this));
    return -1;
}

BOOL CExtEditBase::PreTranslateMessage(MSG* pMsg)
{
    CExtControlHelpers::RelayToolTipEvent(m_wndToolTip, this, pMsg);
    return CEdit::PreTranslateMessage(pMsg);
}

// ---- edit commands -------------------------------------------------------------------------------------

bool CExtEditBase::IsEditCommandEnabled(UINT nCmdID) const
{
    const bool bWritable = (GetStyle() & ES_READONLY) == 0;
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    const bool bSelection = nStart != nEnd;
    switch (nCmdID)
    {
    case ID_CMD_UNDO: return CanUndo() && bWritable;
    case ID_CMD_CUT:
    case ID_CMD_CLEAR: return bSelection && bWritable;
    case ID_CMD_COPY: return bSelection;
    case ID_CMD_PASTE: return ::IsClipboardFormatAvailable(CF_TEXT) && bWritable;
    case ID_CMD_SELECT_ALL:
    {
        const int nLength = GetWindowTextLength();
        return nLength > 0 && !(nStart == 0 && nEnd == nLength);
    }
    default: return false;
    }
}

bool CExtEditBase::DoEditCommand(UINT nCmdID)
{
    switch (nCmdID)
    {
    case ID_CMD_UNDO: SendMessage(EM_UNDO, 0, 0); return true;
    case ID_CMD_CUT: SendMessage(WM_CUT, 0, 0); return true;
    case ID_CMD_COPY: SendMessage(WM_COPY, 0, 0); return true;
    case ID_CMD_PASTE: SendMessage(WM_PASTE, 0, 0); return true;
    case ID_CMD_CLEAR: SendMessage(WM_CLEAR, 0, 0); return true;
    case ID_CMD_SELECT_ALL:
        SetSel(0, -1);
        SendMessage(EM_SCROLLCARET, 0, 0);
        return true;
    default: return false;
    }
}

BOOL CExtEditBase::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    const bool bTableCommand = nID == ID_CMD_UNDO || nID == ID_CMD_CUT || nID == ID_CMD_COPY || nID == ID_CMD_PASTE ||
                               nID == ID_CMD_CLEAR || nID == ID_CMD_SELECT_ALL;
    if ((m_nEditBaseFlags & kHandleEditCommands) == 0 || !bTableCommand || GetSafeHwnd() == nullptr ||
        pHandlerInfo != nullptr)
        return CEdit::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    if (nCode == (int)CN_UPDATE_COMMAND_UI && pExtra != nullptr)
    {
        ((CCmdUI*)pExtra)->Enable(IsEditCommandEnabled(nID) ? TRUE : FALSE);
        return TRUE;
    }
    if (nCode == (int)CN_COMMAND)
        return DoEditCommand(nID) ? TRUE : FALSE;
    return CEdit::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// ---- context menu ----------------------------------------------------------------------------------------

bool CExtEditBase::TrackContextMenu(CPoint ptScreen)
{
    if ((m_nEditBaseFlags & kHandleEditCommands) == 0)
        return false;
    LPCTSTR lpszProfile = g_CmdManagerHolder->FindProfileNameForWindow(m_hWnd);
    if (lpszProfile == nullptr)
        return false;
    auto* pPopup = new CExtPopupMenuWnd;
    if (!pPopup->CreatePopupMenu(m_hWnd))
    {
        delete pPopup;
        return false;
    }
    for (const ContextMenuRow_t& row : g_contextMenu)
    {
        if (row.m_nCmdID == 0)
        {
            pPopup->InsertItem(CExtPopupMenuWnd::MENUITEMDATA::CMD_SEPARATOR);
            continue;
        }
        CExtCmdItem* pCmdItem = g_CmdManagerHolder->LookupCommand(lpszProfile, row.m_nCmdID);
        if (pCmdItem == nullptr)
            pCmdItem = g_CmdManagerHolder->AllocateCommand(lpszProfile, row.m_nCmdID);
        if (pCmdItem == nullptr)
            continue;
        if (pCmdItem->m_sMenuText.IsEmpty())
        {
            pCmdItem->m_sMenuText = MenuTextFromResource(row.m_nCmdID);
            if (pCmdItem->m_sMenuText.IsEmpty())
                pCmdItem->m_sMenuText = row.m_lpszDefaultText;
        }
        pCmdItem->SetAlwaysShown(true);
        pPopup->InsertItem((int)row.m_nCmdID);
    }
    CRect rcClient;
    GetClientRect(&rcClient);
    CPoint ptClient(ptScreen);
    ScreenToClient(&ptClient);
    if (!rcClient.PtInRect(ptClient))
    {
        ptScreen = CPoint((rcClient.left + rcClient.right) / 2, (rcClient.top + rcClient.bottom) / 2);
        ClientToScreen(&ptScreen);
    }
    const HWND hWnd = m_hWnd;
    SetFocus();
    if (!pPopup->TrackPopupMenu(CONTEXT_MENU_TRACK_FLAGS, ptScreen.x, ptScreen.y))
    {
        delete pPopup;
        return false;
    }
    if (::IsWindow(hWnd))
        ::RedrawWindow(hWnd, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
    return true;
}

bool CExtEditBase::OnContextMenuMsg(LPARAM lParam)
{
    return TrackContextMenu(CPoint((short)LOWORD(lParam), (short)HIWORD(lParam)));
}

void CExtEditBase::OnNotifyMsg(LPARAM lParam)
{
    const NMHDR* pHdr = (const NMHDR*)lParam;
    if (pHdr != nullptr && pHdr->code == TTN_SHOW && m_wndToolTip.GetSafeHwnd() != nullptr &&
        pHdr->hwndFrom == m_wndToolTip.GetSafeHwnd())
        ::SetWindowPos(pHdr->hwndFrom, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT CExtEditBase::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_CONTEXTMENU:
        if (OnContextMenuMsg(lParam))
            return 0;
        break;
    case WM_NOTIFY: OnNotifyMsg(lParam); break;
    default: break;
    }
    return CEdit::WindowProc(message, wParam, lParam);
}
