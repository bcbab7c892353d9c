// CExtPopupMenuWnd: item operations, the items' command-UI object and the display computation.
#include "platform/Exceptions.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <algorithm>

typedef CExtPopupMenuWnd::MENUITEMDATA MENUITEMDATA;

// ---- the record array ---------------------------------------------------------------------------

MENUITEMDATA& CExtPopupMenuWnd::GetItemAt(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetItemCount())
        AfxThrowNotSupportedException();
    return m_items.ElementAt(nIndex);
}

const MENUITEMDATA& CExtPopupMenuWnd::GetItemAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetItemCount())
        AfxThrowNotSupportedException();
    return m_items.ElementAt(nIndex);
}

int CExtPopupMenuWnd::GetItemCount() const { return (int)m_items.GetSize(); }

void CExtPopupMenuWnd::GrowItems()
{
    const int nStep = std::min(std::max(GetItemCount() / 8, 4), 1024);
    m_items.SetSize(m_items.GetSize(), nStep);
}

bool CExtPopupMenuWnd::InsertItemRecord(int nPos, const MENUITEMDATA& mi)
{
    const int nCount = GetItemCount();
    if (nPos == -1)
        nPos = nCount;
    if (nPos < 0 || nPos > nCount)
        return false;
    GrowItems();
    if (nPos == nCount)
    {
        // Assigned in place: one copy of the record instead of two.
        m_items.SetSize(nCount + 1);
        m_items.ElementAt(nCount) = mi;
    }
    else
        m_items.InsertAt(nPos, mi);
    return true;
}

void CExtPopupMenuWnd::RemoveAllItems()
{
    for (int i = 0; i < GetItemCount(); ++i)
    {
        MENUITEMDATA& mi = m_items.ElementAt(i);
        if (mi.m_pWndChild != nullptr)
        {
            mi.m_pWndChild->m_hWndCmdReceiver = m_hWndCmdReceiver;
            mi.m_pWndChild->CloseMenu(false);
            mi.m_pWndChild->LoadFromMenu(nullptr, false);
        }
        mi.DestroyPopup();
    }
    m_items.RemoveAll();
}

void CExtPopupMenuWnd::RecalcAfterInsert()
{
    if (IsTopLevel())
        UpdateDisplayedItems();
    else if (m_pWndParentMenu != nullptr)
        m_pWndParentMenu->UpdateDisplayedItems();
}

bool CExtPopupMenuWnd::CreatePopupMenu(HWND hWndCmdReceiver)
{
    if (IsTopLevel() || m_pWndParentMenu != nullptr || GetItemCount() != 0)
        return false;
    m_nStateFlags |= STATE_TOP_LEVEL;
    m_nContentWidth = 1;
    m_nContentHeight = 1;
    m_pWndParentMenu = nullptr;
    m_hWndCmdReceiver = hWndCmdReceiver;
    return true;
}

// ---- reading items --------------------------------------------------------------------------------

int CExtPopupMenuWnd::ItemGetCmdID(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetItemCount())
        return 0;
    return m_items[nIndex].GetCmdID();
}

HICON CExtPopupMenuWnd::ItemGetIcon(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetItemCount())
        return nullptr;
    MENUITEMDATA& mi = const_cast<MENUITEMDATA&>(m_items[nIndex]);
    CExtCmdIcon* pIcon = mi.IsPopup() ? (mi.m_iconPopup.IsEmpty() ? nullptr : &mi.m_iconPopup) : mi.GetIcon();
    if (pIcon == nullptr || pIcon->IsEmpty())
        return nullptr;
    return pIcon->GetIcon();
}

CString CExtPopupMenuWnd::ItemGetText(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetItemCount())
        return CString();
    return m_items[nIndex].GetText();
}

CString CExtPopupMenuWnd::ItemGetAccelText(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetItemCount())
        return CString();
    return m_items[nIndex].GetAccelText();
}

int CExtPopupMenuWnd::FindItemByCmdId(int nCmdID, int nStartIndex) const
{
    for (int i = std::max(nStartIndex + 1, 0); i < GetItemCount(); ++i)
        if (m_items[i].GetCmdID() == nCmdID)
            return i;
    return -1;
}

int CExtPopupMenuWnd::ItemFindByText(LPCTSTR lpszText, int nStartIndex, bool) const
{
    if (lpszText == nullptr || *lpszText == 0)
        return -1;
    const int nCount = GetItemCount();
    const int nFirst = nStartIndex < 0 ? 0 : nStartIndex + 1;
    for (int i = nFirst; i < nCount; ++i)
        if (m_items[i].GetText() == lpszText)
            return i;
    for (int i = 0; i < nStartIndex && i < nCount; ++i)
        if (m_items[i].GetText() == lpszText)
            return i;
    return -1;
}

CExtPopupMenuWnd* CExtPopupMenuWnd::ItemGetPopup(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetItemCount() || !m_items[nIndex].IsPopup())
        return nullptr;
    return m_items[nIndex].m_pWndChild;
}

const CExtPopupMenuWnd* CExtPopupMenuWnd::ItemGetPopupConst(int nIndex) const
{
    return const_cast<CExtPopupMenuWnd*>(this)->ItemGetPopup(nIndex);
}

bool CExtPopupMenuWnd::ItemIsDisplayed(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetItemCount())
        return false;
    return m_items[nIndex].IsDisplayed();
}

// ---- changing items -------------------------------------------------------------------------------

bool CExtPopupMenuWnd::ItemSetIcon(int nIndex, HICON hIcon)
{
    if (nIndex < 0 || nIndex >= GetItemCount())
        return false;
    MENUITEMDATA& mi = m_items.ElementAt(nIndex);
    if (!mi.IsPopup() && !mi.IsOwnItem())
        return false;
    if (hIcon != nullptr)
        mi.m_iconPopup.AssignFromHICON(hIcon, true);
    else
        mi.m_iconPopup.Empty();
    return true;
}

bool CExtPopupMenuWnd::ItemSetText(int nIndex, LPCTSTR lpszText)
{
    if (nIndex < 0 || nIndex >= GetItemCount())
        return false;
    MENUITEMDATA& mi = m_items.ElementAt(nIndex);
    mi.SetText(lpszText);
    mi.MeasureItem();
    return true;
}

bool CExtPopupMenuWnd::ItemSetAccelText(int nIndex, LPCTSTR lpszText)
{
    if (nIndex < 0 || nIndex >= GetItemCount())
        return false;
    m_items.ElementAt(nIndex).SetAccelText(lpszText);
    return true;
}

void CExtPopupMenuWnd::ItemSetDisplayed(int nIndex, bool bForceDisplayed)
{
    if (nIndex < 0 || nIndex >= GetItemCount())
        return;
    m_items.ElementAt(nIndex).SetForceDisplayed(bForceDisplayed);
    UpdateDisplayedItems();
}

void CExtPopupMenuWnd::SetItemsCmdReceiver(HWND hWndCmdReceiver, bool bOnlyThisLevel)
{
    for (int i = 0; i < GetItemCount(); ++i)
    {
        MENUITEMDATA& mi = m_items.ElementAt(i);
        if (mi.IsPopup())
        {
            if (!bOnlyThisLevel && mi.m_pWndChild != nullptr)
                mi.m_pWndChild->SetItemsCmdReceiver(hWndCmdReceiver, true);
            continue;
        }
        if (!mi.IsSeparator())
            mi.SetCmdReceiver(hWndCmdReceiver);
    }
}

bool CExtPopupMenuWnd::RemoveItem(int nIndex)
{
    if (nIndex == -1)
    {
        RemoveAllItems();
        UpdateDisplayedItems();
        return true;
    }
    if (nIndex < 0 || nIndex >= GetItemCount())
        return false;
    MENUITEMDATA& mi = m_items.ElementAt(nIndex);
    if (mi.m_pWndChild != nullptr)
    {
        mi.m_pWndChild->DestroyWindow();
        mi.m_pWndChild->LoadFromMenu(nullptr, false);
    }
    mi.DestroyPopup();
    m_items.RemoveAt(nIndex);
    m_nCurIndex = -1;
    UpdateDisplayedItems();
    return true;
}

bool CExtPopupMenuWnd::InsertItem(int nCmdID, int nPos, LPCTSTR lpszText, HICON hIcon, HWND hWndSpecCmdReceiver)
{
    if (nPos < -1 || nPos > GetItemCount())
        return false;
    MENUITEMDATA mi;
    mi.SetCmdReceiver(hWndSpecCmdReceiver != nullptr ? hWndSpecCmdReceiver : m_hWndCmdReceiver);
    if (nCmdID == MENUITEMDATA::CMD_SEPARATOR)
    {
        mi.MeasureItem();
    }
    else if (nCmdID == MENUITEMDATA::CMD_POPUP)
    {
        mi.SetCmdID(MENUITEMDATA::CMD_POPUP);
        mi.ConstructPopup();
        if (hIcon != nullptr)
            mi.m_iconPopup.AssignFromHICON(hIcon, true);
        mi.SetText(lpszText);
        mi.MeasureItem();
        mi.m_pWndChild->m_pWndParentMenu = this;
    }
    else
    {
        mi.SetCmdID(nCmdID);
        CExtCmdItem* pCmdItem = mi.GetCmdItem();
        if (pCmdItem == nullptr || !mi.LoadFromCmdItem(pCmdItem, -1))
            return false;
    }
    if (!InsertItemRecord(nPos, mi))
    {
        mi.DestroyPopup();
        return false;
    }
    RecalcAfterInsert();
    return true;
}

bool CExtPopupMenuWnd::InsertItemWithIcon(int nCmdID, int nPos, LPCTSTR lpszText, LPCTSTR lpszAccelText,
                                          const CExtCmdIcon& icon, int nCheck, HWND hWndSpecCmdReceiver)
{
    if (nPos < -1 || nPos > GetItemCount())
        return false;
    MENUITEMDATA mi;
    mi.SetCmdReceiver(hWndSpecCmdReceiver != nullptr ? hWndSpecCmdReceiver : m_hWndCmdReceiver);
    mi.m_nFlags2 |= MENUITEMDATA::kFlag2OwnItem;
    mi.SetDisplayed(true);
    mi.SetCmdID(nCmdID);
    if (nCmdID == MENUITEMDATA::CMD_POPUP)
    {
        mi.ConstructPopup();
        mi.SetText(lpszText);
        mi.m_iconPopup.AssignFrom(icon);
        mi.m_pWndChild->m_pWndParentMenu = this;
    }
    else if (nCmdID != MENUITEMDATA::CMD_SEPARATOR)
    {
        mi.m_sItemText = lpszText != nullptr ? lpszText : L"";
        mi.m_sAccelText = lpszAccelText != nullptr ? lpszAccelText : L"";
        mi.UpdateAccelChar();
        mi.m_iconPopup.AssignFrom(icon);
        if (nCheck == 1)
            mi.Check(true);
        else if (nCheck == 2)
            mi.Indeterminate(true);
        else if (nCheck == 3)
            mi.Radio(true);
    }
    mi.MeasureItem();
    if (!InsertItemRecord(nPos, mi))
    {
        mi.DestroyPopup();
        return false;
    }
    RecalcAfterInsert();
    return true;
}

bool CExtPopupMenuWnd::InsertItemWithIconHandle(int nCmdID, int nPos, LPCTSTR lpszText, LPCTSTR lpszAccelText,
                                                HICON hIcon, int nCheck, HWND hWndSpecCmdReceiver)
{
    CExtCmdIcon icon;
    if (hIcon != nullptr)
        icon.AssignFromHICON(hIcon, true);
    return InsertItemWithIcon(nCmdID, nPos, lpszText, lpszAccelText, icon, nCheck, hWndSpecCmdReceiver);
}

bool CExtPopupMenuWnd::InsertSubMenu(CExtPopupMenuWnd* pSubMenu, int nPos, LPCTSTR lpszText, HICON hIcon)
{
    if (nPos < -1 || nPos > GetItemCount())
        return false;
    MENUITEMDATA mi;
    mi.SetCmdReceiver(m_hWndCmdReceiver);
    mi.SetCmdID(MENUITEMDATA::CMD_POPUP);
    if (pSubMenu != nullptr)
    {
        pSubMenu->m_nStateFlags &= ~STATE_TOP_LEVEL;
        pSubMenu->m_hWndCmdReceiver = m_hWndCmdReceiver;
        mi.m_pWndChild = pSubMenu;
    }
    else
    {
        mi.ConstructPopup();
    }
    mi.m_sAccelText.Empty();
    if (hIcon != nullptr)
        mi.m_iconPopup.AssignFromHICON(hIcon, true);
    mi.SetText(lpszText);
    mi.MeasureItem();
    mi.m_pWndChild->m_pWndParentMenu = this;
    mi.SetDisplayed(true);
    if (!InsertItemRecord(nPos, mi))
    {
        // A given sub-menu stays the caller's.
        if (pSubMenu == nullptr)
            mi.DestroyPopup();
        return false;
    }
    RecalcAfterInsert();
    return true;
}

// ---- command-UI object of the items ---------------------------------------------------------------

CExtPopupMenuWnd::CExtPopupMenuCmdUI::CExtPopupMenuCmdUI(CExtPopupMenuWnd* pPopup, int nItemIndex) : m_pPopup(pPopup)
{
    m_nIndex = (UINT)nItemIndex;
    m_nIndexMax = (UINT)pPopup->GetItemCount();
    m_nID = (UINT)pPopup->ItemGetCmdID(nItemIndex);
}

void CExtPopupMenuWnd::CExtPopupMenuCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    MENUITEMDATA& mi = m_pPopup->GetItemAt((int)m_nIndex);
    if (mi.IsPopup())
        return;
    mi.Enable(bOn || mi.IsAlwaysEnabled());
}

void CExtPopupMenuWnd::CExtPopupMenuCmdUI::SetCheck(int nCheck)
{
    m_pPopup->GetItemAt((int)m_nIndex).Check(nCheck != 0);
}

void CExtPopupMenuWnd::CExtPopupMenuCmdUI::SetRadio(BOOL bOn)
{
    m_pPopup->GetItemAt((int)m_nIndex).Radio(bOn != FALSE);
}

void CExtPopupMenuWnd::CExtPopupMenuCmdUI::SetText(LPCTSTR lpszText)
{
    MENUITEMDATA& mi = m_pPopup->GetItemAt((int)m_nIndex);
    mi.SetText(lpszText);
    mi.MeasureItem();
}

// ---- displayed items --------------------------------------------------------------------------------

bool CExtPopupMenuWnd::IsItemRarelyUsed(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetItemCount())
        return false;
    const MENUITEMDATA& mi = m_items[nIndex];
    if (!mi.IsBoundCommand() || mi.m_pCbItemClick != nullptr)
        return false;
    CExtCmdItem* pCmdItem = mi.GetCmdItem();
    return pCmdItem != nullptr && pCmdItem->IsRarelyUsed();
}

void CExtPopupMenuWnd::UpdateDisplayedItems()
{
    int nIconAreaWidth = MIN_ICON_AREA_WIDTH;
    for (int i = 0; i < GetItemCount(); ++i)
        if (!m_items[i].IsNoIconBox())
            nIconAreaWidth = std::max(nIconAreaWidth, m_items[i].m_nIconAreaWidth);
    for (int i = 0; i < GetItemCount(); ++i)
    {
        MENUITEMDATA& mi = m_items.ElementAt(i);
        if (mi.IsNoIconBox())
            continue;
        const int nGrow = nIconAreaWidth - mi.m_nIconAreaWidth;
        mi.m_nIconAreaWidth = nIconAreaWidth;
        if (nGrow > 0 && !mi.IsSeparator())
            mi.m_nWidth += nGrow;
    }

    m_nStateFlags &= ~STATE_HAS_HIDDEN_ITEMS;
    m_nContentWidth = 0;
    m_nContentHeight = 0;
    const bool bShowAll = IsExpanded() || (m_nTrackFlags & TRACK_ALL_ITEMS) != 0 || !g_bHideRarelyUsed;
    bool bSomeDisplayed = false;
    int nPendingSeparator = -1;
    for (int i = 0; i < GetItemCount(); ++i)
    {
        MENUITEMDATA& mi = m_items.ElementAt(i);
        mi.m_nItemIndex = i;
        bool bDisplay = true;
        if (mi.IsPopup())
        {
            if (mi.m_pWndChild != nullptr)
                mi.m_pWndChild->UpdateDisplayedItems();
            if (!bShowAll && !mi.IsOwnItem() && (mi.m_pWndChild == nullptr || mi.m_pWndChild->IsAllItemsHidden()))
                bDisplay = false;
        }
        else if (mi.IsSeparator())
        {
            // Showing all, every separator shows; hiding rarely used items collapses them: none at
            // the top, none doubled, none at the end.
            bDisplay = bShowAll || (bSomeDisplayed && nPendingSeparator < 0);
        }
        else if (!bShowAll && IsItemRarelyUsed(i))
        {
            bDisplay = false;
        }
        mi.SetDisplayed(bDisplay);
        if (bDisplay && mi.IsSeparator())
            nPendingSeparator = bShowAll ? -1 : i;
        else if (mi.IsDisplayed() && !mi.IsSeparator())
        {
            nPendingSeparator = -1;
            bSomeDisplayed = true;
        }
        if (mi.IsDisplayed())
        {
            m_nContentHeight += mi.GetFullHeight();
            m_nContentWidth = std::max(m_nContentWidth, mi.GetFullWidth());
        }
        else
        {
            m_nStateFlags |= STATE_HAS_HIDDEN_ITEMS;
        }
    }
    if (nPendingSeparator >= 0)
    {
        MENUITEMDATA& mi = m_items.ElementAt(nPendingSeparator);
        mi.SetDisplayed(false);
        if (!mi.IsForceDisplayed())
            m_nContentHeight -= mi.GetFullHeight();
    }
    m_nContentWidth = std::max(m_nContentWidth, (int)MIN_CONTENT_WIDTH);
}

bool CExtPopupMenuWnd::IsAllItemsHidden() const
{
    for (int i = 0; i < GetItemCount(); ++i)
    {
        const MENUITEMDATA& mi = m_items[i];
        if (mi.IsDisplayed())
            return false;
        if (mi.GetCmdID() != 0 && mi.m_pCbItemClick != nullptr)
            return false;
    }
    return true;
}
