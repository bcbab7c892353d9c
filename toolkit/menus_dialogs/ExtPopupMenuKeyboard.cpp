// CExtPopupMenuWnd: the keys the keyboard hook hands the menu (menu keys, access characters and the
// editing keys of a focused in-place edit) and the mouse moves of the mouse hook (hover highlight,
// the delayed sub-menu, the chevron, the scroll bands and the item tips).
#include "toolkit/menus_dialogs/ExtControlHelpers.h"
#include "toolkit/menus_dialogs/ExtPopupMenuInplaceEdit.h"
#include "toolkit/menus_dialogs/ExtPopupMenuTrackingSite.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

typedef CExtPopupMenuWnd::MENUITEMDATA MENUITEMDATA;

bool CExtPopupMenuWnd::g_bExpandOnHover = true;
bool CExtPopupMenuWnd::g_bShowItemTips = true;
bool CExtPopupMenuWnd::g_bAccessByFirstLetter = false;

namespace
{
bool IsKeyHeld(int nVirtKey) { return (::GetKeyState(nVirtKey) & 0x8000) != 0; }

// The focused window when it is a child of the popup (an item's in-place edit), else null.
HWND FocusedChildOf(HWND hWndPopup)
{
    HWND hWndFocus = ::GetFocus();
    if (hWndFocus == nullptr || hWndFocus == hWndPopup || !::IsChild(hWndPopup, hWndFocus))
        return nullptr;
    return hWndFocus;
}

// A colour or undo/redo sub-menu: its item acts as a button (the classes are looked up by name, as
// they register themselves).
bool IsSplitButtonSubMenu(const CExtPopupMenuWnd* pSub)
{
    static const char* const kNames[] = {"CExtPopupColorMenuWnd", "CExtPopupUndoRedoMenuWnd"};
    for (const char* pszName : kNames)
    {
        CRuntimeClass* pClass = CRuntimeClass::FromName(pszName);
        if (pClass != nullptr && pSub->IsKindOf(pClass))
            return true;
    }
    return false;
}

wchar_t UpperChar(wchar_t ch) { return (wchar_t)(UINT_PTR)::CharUpperW((LPWSTR)(UINT_PTR)ch); }
} // namespace

// ---- access characters -------------------------------------------------------------------------------

int CExtPopupMenuWnd::ItemFindByAccessChar(wchar_t chrAccess, int nStartIndex, bool bRestartAt0) const
{
    (void)bRestartAt0;
    if (chrAccess == L'0' || chrAccess == 0)
        return -1;
    const wchar_t chr = UpperChar(chrAccess);
    const int nCount = GetItemCount();
    auto matches = [&](int i) {
        const MENUITEMDATA& mi = m_items[i];
        if (mi.IsSeparator() || !mi.IsDisplayed())
            return false;
        if (!mi.IsPopup() && !mi.IsEnabled() && !mi.IsAlwaysEnabled())
            return false;
        wchar_t chrItem = mi.GetAccelChar();
        if (chrItem == 0 && g_bAccessByFirstLetter && !mi.m_sItemText.IsEmpty())
            chrItem = UpperChar(mi.m_sItemText[0]);
        return chrItem != 0 && chrItem == chr;
    };
    for (int i = nStartIndex + 1; i < nCount; ++i)
        if (i >= 0 && matches(i))
            return i;
    for (int i = 0; i < nStartIndex && i < nCount; ++i)
        if (matches(i))
            return i;
    return -1;
}

// ---- keys ------------------------------------------------------------------------------------------------

bool CExtPopupMenuWnd::HandleKey(UINT nChar, UINT nRepCnt, UINT nFlags, bool& bPassOn)
{
    (void)nRepCnt;
    bPassOn = false;
    CExtPopupMenuTrackingSite& site = g_TrackingSite;
    const HWND hWnd = GetSafeHwnd();
    if (hWnd == nullptr || !::IsWindowVisible(hWnd) || site.IsClosing() || site.IsEmpty() ||
        site.GetAnimatingPopup() != nullptr)
        return true;
    const int nCount = GetItemCount();
    const int nCur = (m_nCurIndex >= 0 && m_nCurIndex < nCount) ? m_nCurIndex : -1;

    // The editing keys of a focused in-place edit.
    const HWND hWndEdit = FocusedChildOf(hWnd);
    const bool bEnterOnEditItem = nChar == VK_RETURN && nCur >= 0 && m_items[nCur].IsInplaceEdit();
    if (hWndEdit != nullptr && !bEnterOnEditItem)
    {
        const bool bCtrl = IsKeyHeld(VK_CONTROL);
        const bool bShift = IsKeyHeld(VK_SHIFT);
        UINT nMsgToEdit = 0;
        if (nChar == VK_MENU || IsKeyHeld(VK_MENU))
        {
            ::PostMessageW(hWnd, WM_CANCELMODE, 0, 0);
            return true;
        }
        if (nChar == VK_ESCAPE)
        {
            ::SetFocus(hWnd);
            return true;
        }
        if ((nChar == VK_INSERT || nChar == 'C') && bCtrl)
            nMsgToEdit = WM_COPY;
        else if (nChar == 'X')
            nMsgToEdit = bCtrl ? WM_CUT : 0;
        else if (nChar == VK_DELETE)
            nMsgToEdit = bShift ? WM_CUT : CInPlaceEditWnd::g_nMsgDeleteSelection;
        else if (nChar == 'V')
            nMsgToEdit = bCtrl ? WM_PASTE : 0;
        else if (nChar == VK_INSERT && !bCtrl && bShift)
            nMsgToEdit = WM_PASTE;
        else if (nChar == 'A' && bCtrl)
            nMsgToEdit = CInPlaceEditWnd::g_nMsgSelectAll;
        if (nMsgToEdit == 0)
        {
            bPassOn = true;
            return false;
        }
        ::SendMessageW(hWndEdit, nMsgToEdit, 0, 0);
        return true;
    }

    switch (nChar)
    {
    case VK_RETURN:
        if (nCur >= 0)
            ActivateItemByKey(nCur, bPassOn);
        return !bPassOn;
    case VK_MENU:
    case VK_ESCAPE: EndTrackingWithCommand(0, nullptr); return true;
    case VK_SPACE: return true;
    case VK_UP: MoveByKey(3); return true;
    case VK_DOWN:
        if (IsKeyHeld(VK_CONTROL))
        {
            if (HasHiddenItems() && !IsExpanded())
                ExpandRarelyUsedItems();
            return true;
        }
        MoveByKey(2);
        return true;
    case VK_PRIOR: MoveByKey(4); return true;
    case VK_NEXT: MoveByKey(5); return true;
    case VK_RIGHT: OnKeyRight(); return true;
    case VK_LEFT: OnKeyLeft(); return true;
    default: break;
    }

    // Access character.
    if (IsKeyHeld(VK_SHIFT) || IsKeyHeld(VK_CONTROL))
        return true;
    BYTE keyState[256] = {};
    ::GetKeyboardState(keyState);
    wchar_t szChar[4] = {};
    const int nChars = ::ToUnicodeEx(nChar, nFlags & 0xFF, keyState, szChar, 4, 0, ::GetKeyboardLayout(0));
    const wchar_t chr = nChars == 1 ? szChar[0] : 0;
    const int nNext = ItemFindByAccessChar(chr, nCur);
    if (nNext < 0)
    {
        if (nCur >= 0 && ItemFindByAccessChar(chr, -1) == nCur)
            ActivateItemByKey(nCur, bPassOn);
        return !bPassOn;
    }
    if (nNext == nCur)
        return true;
    SetCurrentItem(nNext, true, true, true);
    if (!::IsWindow(hWnd))
        return true;
    if (ItemFindByAccessChar(chr, nNext) < 0)
        ActivateItemByKey(nNext, bPassOn);
    return !bPassOn;
}

void CExtPopupMenuWnd::MoveByKey(int nDirection)
{
    const HWND hWnd = GetSafeHwnd();
    const int nIndex = FindNextSelectableItem(nDirection);
    if (GetItemCount() > 0 && nIndex >= 0)
    {
        if (nIndex != m_nCurIndex)
            SetCurrentItem(nIndex, false, true, true);
        return;
    }
    if (nIndex != AREA_EXPAND)
        return;
    const int nOld = m_nCurIndex;
    ExpandRarelyUsedItems();
    if (!::IsWindow(hWnd))
        return;
    if (nOld < 0)
        return;
    const bool bRepaint = g_TrackingSite.GetAnimatingPopup() == nullptr;
    SetCurrentItem(nOld, false, bRepaint, true);
    if (!::IsWindow(hWnd))
        return;
    const int nNext = FindNextSelectableItem(2);
    if (nNext > 0)
        SetCurrentItem(nNext, false, bRepaint, true);
}

void CExtPopupMenuWnd::ActivateItemByKey(int nIndex, bool& bPassOn)
{
    const HWND hWnd = GetSafeHwnd();
    if (nIndex < 0 || nIndex >= GetItemCount())
        return;
    MENUITEMDATA& mi = m_items[nIndex];
    if (mi.IsInplaceEdit())
    {
        CInPlaceEditWnd* pEdit = mi.m_pInplaceEditWnd;
        if (pEdit == nullptr || pEdit->GetSafeHwnd() == nullptr || (mi.m_nEditFlags & MENUITEMDATA::kEditAllowed) == 0)
            return;
        if (pEdit->IsWindowVisible())
        {
            bPassOn = true;
            return;
        }
        ShowItemEdit(nIndex);
        return;
    }
    if (mi.GetCmdID() != 0 && mi.m_pCbItemClick != nullptr && !IsContextHelpMode())
    {
        mi.m_pCbItemClick(this, mi);
        if (::IsWindow(hWnd) && IsOnScreen())
        {
            CClientDC dc(this);
            PaintMenu(dc, true);
        }
        return;
    }
    if (mi.IsExecutableCmdID() || (mi.IsPopup() && mi.GetPopup() != nullptr && IsSplitButtonSubMenu(mi.GetPopup())))
    {
        if (mi.m_pCbCmdDeliver != nullptr && mi.m_pCbCmdDeliver(this, mi))
            return;
        if (!::IsWindow(hWnd))
            return;
        EndTrackingWithCommand((UINT)mi.GetCmdID(), mi.GetCmdReceiver());
        return;
    }
    if (mi.IsPopup())
        OnKeyRight();
}

void CExtPopupMenuWnd::OnKeyRight()
{
    const int nCount = GetItemCount();
    const int nCur = (m_nCurIndex >= 0 && m_nCurIndex < nCount) ? m_nCurIndex : -1;
    if (nCur < 0 && nCount == 0)
        return;
    if (nCur >= 0 && m_items[nCur].IsPopup())
    {
        CExtPopupMenuWnd* pSub = m_items[nCur].GetPopup();
        if (pSub != nullptr && pSub->GetSafeHwnd() != nullptr)
            return;
        SetDelayedSubMenuItem(-1);
        SetCurrentItem(nCur, true, true, true);
        return;
    }
    if (CExtControlHelpers::IsToolBarMenuTracking() && m_hWndCmdReceiver != nullptr && ::IsWindow(m_hWndCmdReceiver))
        ::PostMessageW(m_hWndCmdReceiver, g_nMsgPopupNext, 0, (LPARAM)this);
}

void CExtPopupMenuWnd::OnKeyLeft()
{
    CExtPopupMenuWnd* pParent = m_pWndParentMenu;
    if (pParent != nullptr)
    {
        const HWND hWndParent = pParent->GetSafeHwnd();
        if (hWndParent == nullptr)
            return;
        const int nParentItem = pParent->m_nCurIndex;
        // Releasing the parent's item closes this popup's window (the object stays).
        pParent->ReleaseCurrentItem(false);
        if (!::IsWindow(hWndParent))
            return;
        pParent->SetCurrentItem(nParentItem, false, true, false);
        if (!::IsWindow(hWndParent))
            return;
        pParent->CaptureKeyboard();
        return;
    }
    if (CExtControlHelpers::IsToolBarMenuTracking() && m_hWndCmdReceiver != nullptr && ::IsWindow(m_hWndCmdReceiver))
        ::PostMessageW(m_hWndCmdReceiver, g_nMsgPopupPrev, 0, (LPARAM)this);
}

void CExtPopupMenuWnd::ShowItemEdit(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetItemCount())
        return;
    CInPlaceEditWnd* pEdit = m_items[nIndex].m_pInplaceEditWnd;
    if (pEdit == nullptr || pEdit->GetSafeHwnd() == nullptr)
        return;
    if (!pEdit->IsWindowVisible())
    {
        CRect rcEdit;
        GetItemEditRect(nIndex, rcEdit);
        pEdit->SetWindowPos(nullptr, rcEdit.left, rcEdit.top, rcEdit.Width(), rcEdit.Height(),
                            SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    pEdit->SetFocus();
}

// ---- mouse moves -------------------------------------------------------------------------------------------

bool CExtPopupMenuWnd::SelectChildItemAt(HWND hWndUnder, bool bSelectFirst)
{
    const HWND hWnd = GetSafeHwnd();
    if (hWndUnder == nullptr || hWndUnder == hWnd || !::IsChild(hWnd, hWndUnder))
        return false;
    for (int i = 0; i < GetItemCount(); ++i)
    {
        CInPlaceEditWnd* pEdit = m_items[i].m_pInplaceEditWnd;
        if (pEdit != nullptr && pEdit->GetSafeHwnd() == hWndUnder && m_nCurIndex != i)
        {
            SetCurrentItem(i, false, true, bSelectFirst);
            break;
        }
    }
    return true;
}

bool CExtPopupMenuWnd::PassMoveToParentMenu(UINT message, const POINT& ptScreen, bool& bPassOn)
{
    const HWND hWnd = GetSafeHwnd();
    CExtPopupMenuWnd* pParent = m_pWndParentMenu;
    if (pParent == nullptr || pParent->GetSafeHwnd() == nullptr)
        return false;
    POINT ptParent = ptScreen;
    ::ScreenToClient(pParent->GetSafeHwnd(), &ptParent);
    bool bParentPassOn = false;
    if (!pParent->HandleMouseMove(message, ptParent.x, ptParent.y, bParentPassOn) || bParentPassOn)
    {
        bPassOn = bParentPassOn;
        return false;
    }
    if (::IsWindow(hWnd))
        CloseMenu(false);
    return true;
}

bool CExtPopupMenuWnd::HandleMouseMove(UINT message, int x, int y, bool& bPassOn)
{
    CExtPopupMenuTrackingSite& site = g_TrackingSite;
    const HWND hWnd = GetSafeHwnd();
    if (hWnd == nullptr || !::IsWindowVisible(hWnd) || site.IsClosing() || site.IsEmpty() ||
        site.GetAnimatingPopup() != nullptr)
        return true;
    auto gone = [&]() { return !::IsWindow(hWnd); };
    const CPoint ptClient(x, y);
    POINT ptScreen = {x, y};
    ::ClientToScreen(hWnd, &ptScreen);

    // Over a child window (an item's text field).
    if (SelectChildItemAt(::WindowFromPoint(ptScreen), false))
    {
        bPassOn = true;
        return false;
    }
    if (FocusedChildOf(hWnd) != nullptr)
        return true;

    CRect rcWindow;
    GetWindowRect(&rcWindow);
    const bool bInside = rcWindow.PtInRect(ptScreen) && GetPopupClientRect().PtInRect(ptClient);
    if (bInside)
    {
        const int nHit = ItemHitTest(ptClient);
        if (nHit == AREA_EXPAND)
        {
            ReleaseCurrentItem(true);
            if (gone())
                return true;
            if (g_bExpandOnHover)
            {
                CaptureKeyboard();
                if (m_nChevronCounter == 0)
                {
                    SetTimer(ID_TIMER_CHEVRON, CHEVRON_PERIOD, nullptr);
                    m_nChevronCounter = 1;
                }
            }
            return true;
        }
        if (nHit == AREA_SCROLL_UP || nHit == AREA_SCROLL_DOWN)
        {
            if (m_nCurIndex != nHit)
                StartScrolling(nHit);
            return true;
        }
        if (nHit < 0)
            return false;
        {
            const MENUITEMDATA& mi = m_items[nHit];
            if (mi.IsSeparator() || (!mi.IsPopup() && !mi.IsEnabled() && !mi.IsAlwaysEnabled()))
                return false;
        }
        if (nHit == m_nCurIndex)
            return false;
        SetDelayedSubMenuItem(-1);
        CaptureKeyboard();
        SetCurrentItem(nHit, false, true, false);
        if (gone())
            return true;
        m_nHoverIndex = nHit;
        MENUITEMDATA& mi = m_items[nHit];
        if (mi.IsPopup())
        {
            HideTip(false);
            CExtPopupMenuWnd* pSub = mi.GetPopup();
            if (pSub == nullptr || pSub->GetSafeHwnd() == nullptr)
                SetDelayedSubMenuItem(nHit);
        }
        else if (g_bShowItemTips && GetKeyboardPopup() == this)
        {
            const CString sTip = mi.GetTipText();
            if (!sTip.IsEmpty())
            {
                CRect rcItem;
                GetItemRect(nHit, rcItem, false);
                ClientToScreen(&rcItem);
                m_wndToolTip.SetText(sTip);
                m_wndToolTip.ShowTip(this, rcItem);
            }
        }
        return true;
    }

    // Outside: the parent menu may take the move.
    CExtPopupMenuWnd* pParent = m_pWndParentMenu;
    if (pParent != nullptr && pParent->GetSafeHwnd() != nullptr)
    {
        POINT ptParent = ptScreen;
        ::ScreenToClient(pParent->GetSafeHwnd(), &ptParent);
        bool bParentPassOn = false;
        if (pParent->HandleMouseMove(message, ptParent.x, ptParent.y, bParentPassOn))
        {
            m_nHoverIndex = -1;
            if (bParentPassOn)
            {
                bPassOn = true;
                return false;
            }
            if (!gone() && IsWindowVisible())
                CloseMenu(false);
            return true;
        }
        if (gone())
            return true;
    }
    if (GetKeyboardPopup() == this && m_nCurIndex >= 0 && m_nCurIndex < GetItemCount() && m_nHoverIndex >= 0)
    {
        const MENUITEMDATA& mi = m_items[m_nCurIndex];
        CExtPopupMenuWnd* pSub = mi.IsPopup() ? mi.GetPopup() : nullptr;
        if (!mi.IsPopup() || (pSub != nullptr && pSub->GetSafeHwnd() != nullptr && pSub->m_nCurIndex < 0))
            ReleaseCurrentItem(true);
    }
    m_nHoverIndex = -1;
    return false;
}
