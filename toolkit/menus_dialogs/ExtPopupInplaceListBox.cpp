// CExtPopupInplaceListBox: content, owner drawing, the selection ends and changes, the mouse and the
// input the hosting popup hands over.
#include "toolkit/menus_dialogs/ExtPopupInplaceListBox.h"
#include "platform/Dc.h"
#include "toolkit/menus_dialogs/ExtMenuKindOf.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupControlMenuWnd.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <algorithm>
#include <cwctype>

IMPLEMENT_DYNCREATE(CExtPopupInplaceListBox, CListBox)

typedef CExtPopupControlMenuWnd::CONTROLINPUTRETRANSLATEINFO InputInfo;

const UINT CExtPopupInplaceListBox::g_nMsgPopupListBoxInitContent =
    ::RegisterWindowMessageW(L"CExtPopupInplaceListBox::g_nMsgPopupListBoxInitContent");
const UINT CExtPopupInplaceListBox::g_nMsgPopupListBoxItemMeasure =
    ::RegisterWindowMessageW(L"CExtPopupInplaceListBox::g_nMsgPopupListBoxItemMeasure");
const UINT CExtPopupInplaceListBox::g_nMsgPopupListBoxItemDraw =
    ::RegisterWindowMessageW(L"CExtPopupInplaceListBox::g_nMsgPopupListBoxItemDraw");
const UINT CExtPopupInplaceListBox::g_nMsgPopupListBoxSelEndOK =
    ::RegisterWindowMessageW(L"CExtPopupInplaceListBox::g_nMsgPopupListBoxSelEndOK");
const UINT CExtPopupInplaceListBox::g_nMsgPopupListBoxSelEndCancel =
    ::RegisterWindowMessageW(L"CExtPopupInplaceListBox::g_nMsgPopupListBoxSelEndCancel");
const UINT CExtPopupInplaceListBox::g_nMsgPopupListBoxSelChange =
    ::RegisterWindowMessageW(L"CExtPopupInplaceListBox::g_nMsgPopupListBoxSelChange");

CExtPopupInplaceListBox::CExtPopupInplaceListBox()
    : m_pCbSelection(nullptr), m_pSelectionCookie(nullptr), m_pCbContent(nullptr), m_pContentCookie(nullptr),
      m_pCbDraw(nullptr), m_pCbMeasure(nullptr), m_pDrawingCookie(nullptr), m_lMessageCookie(0),
      m_bSelectionFinished(false), m_bAutoDelete(false)
{}

CExtPopupInplaceListBox::~CExtPopupInplaceListBox() {}

void CExtPopupInplaceListBox::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

CExtPopupMenuWnd* CExtPopupInplaceListBox::GetParentPopup() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(m_hWnd));
    if (pParent == nullptr || !pParent->IsKindOf(RUNTIME_CLASS(CExtPopupMenuWnd)))
        return nullptr;
    return (CExtPopupMenuWnd*)pParent;
}

HWND CExtPopupInplaceListBox::GetCmdReceiver() const
{
    CExtPopupMenuWnd* pPopup = GetParentPopup();
    return pPopup != nullptr ? pPopup->GetCmdReceiverHWND() : nullptr;
}

// ---- drawing -------------------------------------------------------------------------------------

void CExtPopupInplaceListBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (m_pCbDraw != nullptr && m_pCbDraw(*this, m_pDrawingCookie, lpDrawItemStruct))
        return;
    HWND hWndReceiver = GetCmdReceiver();
    if (hWndReceiver == nullptr)
        return;
    ItemDrawInfo_t info = {this, lpDrawItemStruct};
    ::SendMessageW(hWndReceiver, g_nMsgPopupListBoxItemDraw, (WPARAM)&info, m_lMessageCookie);
}

void CExtPopupInplaceListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (m_pCbMeasure != nullptr && m_pCbMeasure(*this, m_pDrawingCookie, lpMeasureItemStruct))
        return;
    HWND hWndReceiver = GetCmdReceiver();
    if (hWndReceiver == nullptr)
        return;
    ItemMeasureInfo_t info = {this, lpMeasureItemStruct};
    ::SendMessageW(hWndReceiver, g_nMsgPopupListBoxItemMeasure, (WPARAM)&info, m_lMessageCookie);
}

// ---- selection -------------------------------------------------------------------------------------

void CExtPopupInplaceListBox::SendSelectionMessage(UINT nMsg)
{
    const HWND hWndReceiver = GetCmdReceiver();
    if (m_hWnd == nullptr || !::IsWindow(m_hWnd) || hWndReceiver == nullptr)
        return;
    SelectionInfo_t info = {this, (INT_PTR)GetCurSel()};
    ::SendMessageW(hWndReceiver, nMsg, (WPARAM)&info, m_lMessageCookie);
}

void CExtPopupInplaceListBox::OnSelEndOK()
{
    if (m_bSelectionFinished)
        return;
    m_bSelectionFinished = true;
    if (m_pCbSelection != nullptr && m_pCbSelection(*this, m_pSelectionCookie, SEL_END_OK))
        return;
    // Closing the popup deletes this object: what follows uses only locals.
    const HWND hWnd = m_hWnd;
    if (hWnd != nullptr && ::IsWindow(hWnd))
    {
        const HWND hWndPopup = ::GetParent(hWnd);
        SendSelectionMessage(g_nMsgPopupListBoxSelEndOK);
        if (hWndPopup != nullptr && ::IsWindow(hWndPopup) && ::IsWindow(hWnd))
            ::SendMessageW(hWndPopup, WM_CANCELMODE, 0, 0);
    }
    CExtMenuKindOf::CloseToolBarMenus();
}

void CExtPopupInplaceListBox::OnSelEndCancel(bool bSilent)
{
    if (m_bSelectionFinished)
        return;
    m_bSelectionFinished = true;
    if (m_pCbSelection != nullptr && m_pCbSelection(*this, m_pSelectionCookie, SEL_END_CANCEL))
        return;
    if (bSilent)
        return;
    const HWND hWnd = m_hWnd;
    if (hWnd != nullptr && ::IsWindow(hWnd))
    {
        const HWND hWndPopup = ::GetParent(hWnd);
        SendSelectionMessage(g_nMsgPopupListBoxSelEndCancel);
        if (hWndPopup != nullptr && ::IsWindow(hWndPopup) && ::IsWindow(hWnd))
            ::SendMessageW(hWndPopup, WM_CANCELMODE, 0, 0);
    }
    CExtMenuKindOf::CloseToolBarMenus();
}

bool CExtPopupInplaceListBox::SelChangeGoesOn()
{
    const HWND hWnd = m_hWnd;
    if (m_pCbSelection != nullptr && m_pCbSelection(*this, m_pSelectionCookie, SEL_CHANGED))
        return false;
    return hWnd != nullptr && ::IsWindow(hWnd);
}

void CExtPopupInplaceListBox::OnSelChange()
{
    if (!SelChangeGoesOn())
        return;
    CExtPopupMenuWnd* pPopup = GetParentPopup();
    CExtPopupMenuWnd* pParentMenu = pPopup != nullptr ? pPopup->GetParentMenu() : nullptr;
    const int nItem = pParentMenu != nullptr ? pParentMenu->GetCurrentItem() : -1;
    if (pParentMenu != nullptr && nItem >= 0 && nItem < pParentMenu->GetItemCount())
    {
        CExtPopupMenuWnd::MENUITEMDATA& mi = pParentMenu->GetItemAt(nItem);
        CString sText;
        const int nSel = GetCurSel();
        if ((GetStyle() & LBS_HASSTRINGS) != 0 && GetCount() > 0 && nSel >= 0)
            GetText(nSel, sText);
        mi.m_nEditFlags &= ~CExtPopupMenuWnd::MENUITEMDATA::kEditUseOwnText;
        mi.m_sInplaceEditText.Empty();
        if (!sText.IsEmpty() && mi.IsInplaceEdit())
        {
            mi.m_nEditFlags |= CExtPopupMenuWnd::MENUITEMDATA::kEditUseOwnText;
            mi.m_sInplaceEditText = sText;
        }
        if (pParentMenu->GetSafeHwnd() != nullptr && pParentMenu->IsWindowVisible())
        {
            CClientDC dc(pParentMenu);
            pParentMenu->PaintMenu(dc, true);
        }
    }
    SendSelectionMessage(g_nMsgPopupListBoxSelChange);
}

// ---- window procedure --------------------------------------------------------------------------------

LRESULT CExtPopupInplaceListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_CREATE: return OnCreateMsg(wParam, lParam);
    case WM_DESTROY: OnSelEndCancel(true); break;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_MOUSEMOVE: return OnMouseMoveMsg(lParam);
    case WM_LBUTTONDOWN: return OnLButtonDownMsg();
    case WM_LBUTTONUP: return OnLButtonUpMsg(lParam);
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: return 0;
    case WM_CANCELMODE: return OnCancelModeMsg();
    default:
        if (message == CExtPopupControlMenuWnd::g_nMsgControlInputRetranslate)
            return OnInputRetranslate(wParam);
        break;
    }
    return CListBox::WindowProc(message, wParam, lParam);
}

LRESULT CExtPopupInplaceListBox::OnCreateMsg(WPARAM wParam, LPARAM lParam)
{
    m_bSelectionFinished = false;
    const LRESULT lResult = CListBox::WindowProc(WM_CREATE, wParam, lParam);
    if (lResult == -1)
        return lResult;
    ::SendMessageW(m_hWnd, WM_SETFONT, (WPARAM)g_PaintManagerHolder->m_fontNormal.GetSafeHandle(), TRUE);
    if (m_pCbContent == nullptr || !m_pCbContent(*this, m_pContentCookie))
    {
        const HWND hWndReceiver = GetCmdReceiver();
        if (hWndReceiver != nullptr)
            ::SendMessageW(hWndReceiver, g_nMsgPopupListBoxInitContent, (WPARAM)this, m_lMessageCookie);
    }
    return lResult;
}

LRESULT CExtPopupInplaceListBox::OnMouseMoveMsg(LPARAM lParam)
{
    const int nCount = GetCount();
    if (nCount <= 0)
        return 0;
    BOOL bOutside = FALSE;
    int nItem = (int)ItemFromPoint(CPoint((short)LOWORD(lParam), (short)HIWORD(lParam)), bOutside);
    if (bOutside)
    {
        if (::GetCapture() != m_hWnd)
            return 0;
        const int nTop = GetTopIndex();
        if (nItem <= nTop && nTop > 0)
            --nItem;
        else if (nItem > nTop && nItem < nCount - 1)
            ++nItem;
    }
    if (nItem != GetCurSel())
    {
        SetCurSel(nItem);
        OnSelChange();
    }
    return 0;
}

LRESULT CExtPopupInplaceListBox::OnLButtonDownMsg()
{
    if (GetCount() > 0)
        ::SetCapture(m_hWnd);
    return 0;
}

LRESULT CExtPopupInplaceListBox::OnLButtonUpMsg(LPARAM lParam)
{
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (GetCount() <= 0)
        return 0;
    BOOL bOutside = FALSE;
    ItemFromPoint(CPoint((short)LOWORD(lParam), (short)HIWORD(lParam)), bOutside);
    if (!bOutside)
        OnSelEndOK();
    return 0;
}

LRESULT CExtPopupInplaceListBox::OnCancelModeMsg()
{
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    OnSelEndCancel(false);
    return 0;
}

// ---- input of the hosting popup ----------------------------------------------------------------------

LRESULT CExtPopupInplaceListBox::OnInputRetranslate(WPARAM wParam)
{
    const InputInfo* pInfo = (const InputInfo*)wParam;
    if (pInfo == nullptr)
        return 0;
    switch (pInfo->m_nKind)
    {
    case CExtPopupControlMenuWnd::INPUT_MOUSE_WHEEL: return OnWheelInput(pInfo);
    case CExtPopupControlMenuWnd::INPUT_KEY: return OnKeyInput(pInfo->m_nVirtKey, pInfo->m_nMessage);
    default: return 0;
    }
}

LRESULT CExtPopupInplaceListBox::OnWheelInput(const void* pInfoData)
{
    const InputInfo* pInfo = (const InputInfo*)pInfoData;
    const int nCount = GetCount();
    const short nDelta = pInfo->GetWheelDelta();
    if (::GetSystemMetrics(SM_MOUSEWHEELPRESENT) == 0 || (GetStyle() & WS_VSCROLL) == 0 || nCount <= 0 || nDelta == 0)
        return 1;
    int nStep = (int)g_PaintManagerHolder.GetWheelScrollLines();
    if (nStep > 2)
        --nStep;
    const int nTop = GetTopIndex();
    const int nNewTop = std::max(0, std::min(nCount - 1, nDelta > 0 ? nTop - nStep : nTop + nStep));
    if (nNewTop == nTop)
        return 0;
    SetTopIndex(nNewTop);
    // The turn moved the list: it goes no further (not to the window under the menu).
    return 1;
}

LRESULT CExtPopupInplaceListBox::OnKeyInput(UINT nVirtKey, UINT nKeyFlags)
{
    // The Alt key itself, or any key while Alt is held.
    if (nVirtKey == VK_MENU || (::GetAsyncKeyState(VK_MENU) & 0x8000) != 0)
    {
        OnSelEndCancel(false);
        return 1;
    }
    if ((::GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0 || (::GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0)
        return 0;
    switch (nVirtKey)
    {
    case VK_ESCAPE: OnSelEndCancel(false); return 1;
    case VK_RETURN: OnSelEndOK(); return 1;
    case VK_RIGHT: return 1;
    case VK_LEFT:
    {
        CExtPopupMenuWnd* pPopup = GetParentPopup();
        CExtPopupMenuWnd* pParentMenu = pPopup != nullptr ? pPopup->GetParentMenu() : nullptr;
        if (pParentMenu == nullptr)
            return 1;
        // Releasing the item closes this list: only locals from here on.
        const int nItem = pParentMenu->GetCurrentItem();
        pParentMenu->ReleaseCurrentItem(false);
        if (pParentMenu->GetSafeHwnd() == nullptr)
            return 1;
        pParentMenu->SetCurrentItem(nItem, false, true, false);
        pParentMenu->CaptureKeyboard();
        return 1;
    }
    default: break;
    }
    const int nOldSel = GetCurSel();
    CListBox::DefWindowProc(WM_KEYDOWN, nVirtKey, MAKELPARAM(1, nKeyFlags));
    // Typing: the list searches its strings on characters, which the menu's hook does not deliver.
    const UINT nChar = ::MapVirtualKeyW(nVirtKey, MAPVK_VK_TO_CHAR);
    if (nChar >= L' ' && (nChar & 0x80000000) == 0 && m_hWnd != nullptr && ::IsWindow(m_hWnd))
        CListBox::DefWindowProc(WM_CHAR, (WPARAM)::towlower((wint_t)nChar), MAKELPARAM(1, nKeyFlags));
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd) && GetCurSel() != nOldSel)
        OnSelChange();
    return 0;
}
