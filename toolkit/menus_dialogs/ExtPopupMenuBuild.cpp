// CExtPopupMenuWnd: building from Windows menus and menu resources, the recent-file and MDI window
// lists, export to a Windows menu, and the item states asked of the command targets.
#include "platform/Menu.h"
#include "platform/MdiFrameWnd.h"
#include "platform/RecentFileList.h"
#include "platform/WinApp.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtResourceManager.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <algorithm>

typedef CExtPopupMenuWnd::MENUITEMDATA MENUITEMDATA;

namespace
{
// Windows menus may nest themselves; deeper levels than this are not loaded.
constexpr int kMaxMenuDepth = 32;
int g_nLoadDepth = 0;

// The resource string nID formatted with the arguments, else the default format.
template <class... Args> CString FormatResource(UINT nID, const wchar_t* pszDefault, Args... args)
{
    CString sFormat;
    if (!g_ResourceManagerHolder->LoadStringRes(sFormat, nID) || sFormat.IsEmpty())
        sFormat = pszDefault;
    CString sText;
    sText.Format(sFormat, args...);
    return sText;
}

CExtCmdItem* LookupOrAllocate(LPCTSTR lpszProfile, UINT nCmdID)
{
    if (lpszProfile == nullptr)
        return nullptr;
    CExtCmdItem* pCmdItem = g_CmdManagerHolder->LookupCommand(lpszProfile, nCmdID);
    if (pCmdItem == nullptr)
        pCmdItem = g_CmdManagerHolder->AllocateCommand(lpszProfile, nCmdID);
    return pCmdItem;
}

CWnd* PermanentOrTemporary(HWND hWnd)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    return pWnd != nullptr ? pWnd : CWnd::FromHandle(hWnd);
}
} // namespace

bool CExtPopupMenuWnd::LoadMenuResource(HWND hWndCmdReceiver, UINT nIDResource, bool bPopOver)
{
    CMenu menu;
    if (!g_ResourceManagerHolder->LoadMenu(menu, nIDResource))
        return false;
    return UpdateFromMenu(hWndCmdReceiver, menu.GetSafeHmenu(), bPopOver, true);
}

bool CExtPopupMenuWnd::UpdateFromMenu(HWND hWndCmdReceiver, HMENU hMenu, bool bPopOver, bool bTopLevel)
{
    if (hWndCmdReceiver != nullptr)
        m_hWndCmdReceiver = hWndCmdReceiver;
    if (hMenu == nullptr || !::IsMenu(hMenu))
        return false;
    if (bPopOver)
    {
        hMenu = ::GetSubMenu(hMenu, 0);
        if (hMenu == nullptr)
            return false;
    }
    LPCTSTR lpszProfile = g_CmdManagerHolder->FindProfileNameForWindow(m_hWndCmdReceiver);
    if (lpszProfile == nullptr || !g_CmdManagerHolder->UpdateFromMenu(lpszProfile, hMenu))
        return false;
    return LoadFromMenu(hMenu, bTopLevel);
}

bool CExtPopupMenuWnd::LoadFromMenu(HMENU hMenu, bool bTopLevel)
{
    RemoveAllItems();
    if (hMenu == nullptr)
        return true;
    if (IsTopLevel() != bTopLevel)
        m_pWndParentMenu = nullptr;
    MENUITEMDATA::SetBit(m_nStateFlags, STATE_TOP_LEVEL, bTopLevel);
    if (g_nLoadDepth >= kMaxMenuDepth)
        return false;
    ++g_nLoadDepth;

    int nRecentFilePos = -1;
    const int nCount = ::GetMenuItemCount(hMenu);
    // Room for every record at once: each time the array grows it copies the records made so far.
    if (nCount > 0)
    {
        m_items.SetSize(nCount);
        m_items.SetSize(0);
    }
    for (int nPos = 0; nPos < nCount; ++nPos)
    {
        const UINT nID = ::GetMenuItemID(hMenu, nPos);
        if (nID >= CMD_RECENT_FILE_FIRST && nID <= CMD_RECENT_FILE_LAST)
        {
            if (nRecentFilePos < 0)
                nRecentFilePos = GetItemCount();
            continue;
        }
        MENUITEMDATA mi;
        mi.SetCmdReceiver(m_hWndCmdReceiver);
        mi.LoadFromMenuItem(m_hWndCmdReceiver, hMenu, nPos);
        if (mi.IsSeparator() && GetItemCount() > 0 && m_items[GetItemCount() - 1].IsSeparator())
            continue;
        if (mi.IsPopup() && mi.m_pWndChild != nullptr)
        {
            mi.m_pWndChild->m_hWndCmdReceiver = m_hWndCmdReceiver;
            mi.m_pWndChild->LoadFromMenu(::GetSubMenu(hMenu, nPos), false);
            mi.m_pWndChild->m_pWndParentMenu = this;
        }
        InsertItemRecord(-1, mi);
    }
    --g_nLoadDepth;

    CRecentFileList* pRecentFiles = AfxGetApp() != nullptr ? AfxGetApp()->m_pRecentFileList : nullptr;
    if (nRecentFilePos < 0 || pRecentFiles == nullptr || pRecentFiles->GetSize() == 0)
    {
        UpdateDisplayedItems();
        return true;
    }

    wchar_t szCurDir[MAX_PATH + 1] = {};
    ::GetCurrentDirectoryW(MAX_PATH, szCurDir);
    const int nCurDir = lstrlenW(szCurDir);
    LPCTSTR lpszProfile = g_CmdManagerHolder->FindProfileNameForWindow(m_hWndCmdReceiver);
    // Only 0xE110..0xE11F are recent-file commands; the ids after them are edit commands.
    const int nFiles = std::min(pRecentFiles->GetSize(), (int)MAX_RECENT_FILES);
    int nInserted = 0;
    for (int n = 1; n <= nFiles; ++n)
    {
        CString sName;
        if (!pRecentFiles->GetDisplayName(sName, n - 1, szCurDir, nCurDir, TRUE) || sName.IsEmpty())
            continue;
        const UINT nCmdID = CMD_RECENT_FILE_FIRST - 1 + (UINT)n;
        CExtCmdItem* pCmdItem = LookupOrAllocate(lpszProfile, nCmdID);
        if (pCmdItem == nullptr)
            return false;
        if (n < 10)
            pCmdItem->m_sMenuText.Format(L"&%d %s", n, (LPCTSTR)sName);
        else
            pCmdItem->m_sMenuText.Format(L"%d&%d %s", n / 10, n % 10, (LPCTSTR)sName);
        pCmdItem->m_sToolbarText = FormatResource(IDS_RECENT_FILE_TOOLBAR, L"Recent file %d", n);
        pCmdItem->m_sTipTool = FormatResource(IDS_RECENT_FILE_TIP, L"Recent file %d (\"%s\")", n, (LPCTSTR)sName);
        pCmdItem->m_sTipStatus = pCmdItem->m_sTipTool;
        // Placed after the files inserted so far, so that a skipped entry leaves no gap.
        if (!InsertItem((int)nCmdID, nRecentFilePos + nInserted))
            return false;
        ++nInserted;
    }
    if (nInserted == 0)
    {
        UpdateDisplayedItems();
        return true;
    }
    const bool bResult = InsertItem(MENUITEMDATA::CMD_SEPARATOR, nRecentFilePos + nInserted);
    UpdateDisplayedItems();
    return bResult;
}

bool CExtPopupMenuWnd::AppendMdiWindowsList(CWnd* pWndStart)
{
    HWND hWndStart = pWndStart != nullptr ? pWndStart->GetSafeHwnd() : m_hWndCmdReceiver;
    CMDIFrameWnd* pFrame = nullptr;
    for (HWND hWnd = hWndStart; hWnd != nullptr && pFrame == nullptr; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
            pFrame = (CMDIFrameWnd*)pWnd;
    }
    if (pFrame == nullptr || pFrame->m_hWndMDIClient == nullptr)
        return false;
    if (GetItemCount() > 0 && !m_items[GetItemCount() - 1].IsSeparator())
        InsertItem(MENUITEMDATA::CMD_SEPARATOR, -1);

    HWND hWndActive = (HWND)::SendMessageW(pFrame->m_hWndMDIClient, WM_MDIGETACTIVE, 0, 0);
    if (hWndActive != nullptr)
    {
        CWnd* pActive = CWnd::FromHandlePermanent(hWndActive);
        // The child's own visibility: a frame not shown yet still has an active child.
        if (pActive != nullptr && pActive->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)) &&
            (pActive->GetStyle() & WS_VISIBLE) == 0)
            hWndActive = nullptr;
    }
    LPCTSTR lpszProfile = g_CmdManagerHolder->FindProfileNameForWindow(hWndStart);
    UINT nCmdID = CMD_MDI_FIRST_CHILD;
    for (; nCmdID < CMD_MDI_FIRST_CHILD + MAX_MDI_WINDOW_ITEMS; ++nCmdID)
    {
        HWND hWndChild = ::GetDlgItem(pFrame->m_hWndMDIClient, (int)nCmdID);
        if (hWndChild == nullptr)
            break;
        CExtCmdItem* pCmdItem = LookupOrAllocate(lpszProfile, nCmdID);
        if (pCmdItem == nullptr)
            return false;
        CString sTitle;
        PermanentOrTemporary(hWndChild)->GetWindowText(sTitle);
        pCmdItem->m_sMenuText.Format(L"&%d %s", (int)(nCmdID - (CMD_MDI_FIRST_CHILD - 1)), (LPCTSTR)sTitle);
        pCmdItem->m_sToolbarText = pCmdItem->m_sMenuText;
        pCmdItem->m_sTipTool = FormatResource(IDS_MDI_DOCUMENT_TIP, L"Document \"%s\"", (LPCTSTR)sTitle);
        pCmdItem->m_sTipStatus = pCmdItem->m_sTipTool;
        const bool bActive = hWndChild == hWndActive;
        pCmdItem->SetRadio(bActive);
        if (!InsertItem((int)nCmdID, -1, nullptr, nullptr, hWndStart))
            return false;
        m_items.ElementAt(GetItemCount() - 1).Radio(bActive);
    }
    if (nCmdID == CMD_MDI_MORE_WINDOWS && ::GetDlgItem(pFrame->m_hWndMDIClient, (int)nCmdID) != nullptr)
    {
        CExtCmdItem* pCmdItem = LookupOrAllocate(lpszProfile, CMD_MDI_MORE_WINDOWS);
        if (pCmdItem == nullptr)
            return false;
        pCmdItem->m_sMenuText = FormatResource(IDS_MDI_MORE_WINDOWS, L"More Windows");
        pCmdItem->m_sToolbarText = pCmdItem->m_sMenuText;
        pCmdItem->m_sTipTool = FormatResource(IDS_MDI_MORE_WINDOWS_TIP, L"Manage opened document windows");
        pCmdItem->m_sTipStatus = pCmdItem->m_sTipTool;
        InsertItem(MENUITEMDATA::CMD_SEPARATOR, -1);
        if (!InsertItem((int)CMD_MDI_MORE_WINDOWS, -1, nullptr, nullptr, hWndStart))
            return false;
    }
    UpdateDisplayedItems();
    return true;
}

HMENU CExtPopupMenuWnd::ExportToMenu(bool bDeep) const
{
    HMENU hMenu = ::CreatePopupMenu();
    if (hMenu == nullptr)
        return nullptr;
    for (int i = 0; i < GetItemCount(); ++i)
    {
        const MENUITEMDATA& mi = m_items[i];
        CString sText = mi.GetText();
        if (!mi.GetAccelText().IsEmpty())
            sText += L"\t" + mi.GetAccelText();
        BOOL bAppended = FALSE;
        if (mi.IsSeparator())
        {
            bAppended = ::AppendMenuW(hMenu, MF_SEPARATOR, 0, nullptr);
        }
        else if (mi.IsPopup())
        {
            HMENU hSubMenu =
                (bDeep && mi.m_pWndChild != nullptr) ? mi.m_pWndChild->ExportToMenu(true) : ::CreatePopupMenu();
            if (hSubMenu != nullptr)
            {
                bAppended = ::AppendMenuW(hMenu, MF_POPUP | MF_STRING, (UINT_PTR)hSubMenu, sText);
                if (!bAppended)
                    ::DestroyMenu(hSubMenu);
            }
        }
        else
        {
            bAppended = ::AppendMenuW(hMenu, MF_STRING, (UINT_PTR)(UINT)mi.GetCmdID(), sText);
        }
        if (!bAppended)
        {
            ::DestroyMenu(hMenu); // with the sub-menus appended so far
            return nullptr;
        }
    }
    return hMenu;
}

void CExtPopupMenuWnd::UpdateItemStates()
{
    if (IsTopLevel() && (m_nTrackFlags & TRACK_NO_UPDATE_CMD_UI) != 0)
        return;
    bool bUpdateDisplayed = false;
    for (int i = 0; i < GetItemCount(); ++i)
    {
        MENUITEMDATA& mi = m_items.ElementAt(i);
        const UINT nCmdID = (UINT)mi.GetCmdID();
        if (mi.IsSeparator())
            continue;
        if (!mi.IsPopup() && !CExtCmdItem::IsSystemCommand(nCmdID))
        {
            // Measuring again gives the same size while the accelerator text is the same.
            CExtCmdItem* pCmdItem = mi.GetCmdItem();
            if (pCmdItem != nullptr && mi.m_sAccelText != pCmdItem->m_sAccelText)
            {
                mi.m_sAccelText = pCmdItem->m_sAccelText;
                mi.MeasureItem();
            }
        }
        if (mi.IsOwnItem())
            continue;
        if (mi.IsPopup())
        {
            if (mi.m_pWndChild != nullptr)
                mi.m_pWndChild->UpdateItemStates();
            continue;
        }
        if (mi.m_pCbItemClick != nullptr)
        {
            bUpdateDisplayed = true;
            continue;
        }
        if (CExtCmdItem::IsSystemCommand(nCmdID) || CExtCmdItem::IsMdiWindowCommand(nCmdID))
            continue;
        HWND hWndReceiver = mi.GetCmdReceiver() != nullptr ? mi.GetCmdReceiver() : m_hWndCmdReceiver;
        if (hWndReceiver == nullptr || !::IsWindow(hWndReceiver))
            continue;
        CExtPopupMenuCmdUI cmdUI(this, i);
        cmdUI.DoUpdate(PermanentOrTemporary(hWndReceiver), TRUE);
    }
    if (bUpdateDisplayed)
        UpdateDisplayedItems();
}

void CExtPopupMenuWnd::UpdateSystemCommandStates()
{
    if (IsEmbeddedTracking() || m_hWndCmdReceiver == nullptr || !::IsWindow(m_hWndCmdReceiver))
        return;
    const HWND hWnd = m_hWndCmdReceiver;
    const DWORD dwStyle = (DWORD)::GetWindowLongPtrW(hWnd, GWL_STYLE);
    const DWORD dwExStyle = (DWORD)::GetWindowLongPtrW(hWnd, GWL_EXSTYLE);
    const bool bMinimized = ::IsIconic(hWnd) != FALSE;
    const bool bMaximized = ::IsZoomed(hWnd) != FALSE;
    const bool bMinBox = (dwStyle & WS_MINIMIZEBOX) != 0;
    const bool bMaxBox = (dwStyle & WS_MAXIMIZEBOX) != 0;
    for (int i = 0; i < GetItemCount(); ++i)
    {
        MENUITEMDATA& mi = m_items.ElementAt(i);
        const UINT nCmdID = (UINT)mi.GetCmdID();
        if (mi.IsPopup() || !CExtCmdItem::IsSystemCommand(nCmdID))
            continue;
        bool bEnable;
        switch (nCmdID)
        {
        case SC_SIZE:
        case SC_MOVE: bEnable = g_bAllowSystemSizeMove && !bMinimized && !bMaximized; break;
        case SC_MINIMIZE: bEnable = bMinBox && !bMinimized; break;
        case SC_MAXIMIZE: bEnable = bMaxBox && !bMaximized; break;
        case SC_RESTORE: bEnable = (bMinBox || bMaxBox) && (bMinimized || bMaximized); break;
        case SC_CLOSE:
        {
            bEnable = true;
            HMENU hSysMenu = ::GetSystemMenu(hWnd, FALSE);
            if (hSysMenu != nullptr)
            {
                const UINT nState = ::GetMenuState(hSysMenu, SC_CLOSE, MF_BYCOMMAND);
                if (nState != (UINT)-1 && (nState & (MF_GRAYED | MF_DISABLED)) != 0)
                    bEnable = false;
            }
            break;
        }
        case SC_CONTEXTHELP: bEnable = (dwExStyle & WS_EX_CONTEXTHELP) != 0; break;
        default: continue;
        }
        if (CExtCmdItem* pCmdItem = mi.GetCmdItem())
            pCmdItem->Enable(bEnable);
        mi.Enable(bEnable);
    }
}
