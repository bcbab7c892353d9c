// CExtMenuControlBar: the keyboard of a menu line: Alt alone, Alt with Space or minus, the arrows, Enter and Esc in
// flat tracking, and mnemonics of this bar and of the frame's other tool bars.
#include "toolkit/bars_tabs/ExtMenuControlBar.h"
#include "platform/FrameWnd.h"
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/bars_tabs/ExtBarMdiDocButton.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <vector>

namespace
{
const LPARAM kContextAltBit = 1 << 29;
const UINT kMdiWindowCmdFirst = 0xE130; // window commands swallowed while in-place active
const UINT kMdiWindowCmdLast = 0xE135;
const UINT kMdiWindowCmdA = 0xE150;
const UINT kMdiWindowCmdB = 0xE151;

bool IsKeyDown(int nVirtKey) { return (::GetKeyState(nVirtKey) & 0x8000) != 0; }

bool IsDroppedComboFocus()
{
    HWND hWndFocus = ::GetFocus();
    for (HWND hWnd = hWndFocus; hWnd != nullptr; hWnd = ::GetParent(hWnd))
    {
        wchar_t szClass[16] = {};
        ::GetClassNameW(hWnd, szClass, 15);
        if (::lstrcmpiW(szClass, L"ComboBox") == 0)
            return ::SendMessageW(hWnd, CB_GETDROPPEDSTATE, 0, 0) != 0;
        if (hWnd != hWndFocus)
            break;
    }
    return false;
}

void CancelModeOfFocus()
{
    HWND hWndFocus = ::GetFocus();
    if (hWndFocus != nullptr)
        ::SendMessageW(hWndFocus, WM_CANCELMODE, 0, 0);
}
} // namespace

BOOL CExtMenuControlBar::PreTranslateMessage(MSG* pMsg)
{
    if (IsDialogMode() && GetSafeHwnd() != nullptr && TranslateMainFrameKeyboard(pMsg))
        return TRUE;
    return CExtToolControlBar::PreTranslateMessage(pMsg);
}

BOOL CExtMenuControlBar::PreTranslateFrameKey(MSG* pMsg)
{
    if (GetSafeHwnd() == nullptr || IsDialogMode() || !IsVisible())
        return FALSE;
    return TranslateMainFrameKeyboard(pMsg) ? TRUE : FALSE;
}

bool CExtMenuControlBar::TranslateMainFrameKeyboard(MSG* pMsg)
{
    if (pMsg == nullptr || GetSafeHwnd() == nullptr)
        return false;
    const UINT nMessage = pMsg->message;
    switch (nMessage)
    {
    case WM_ACTIVATE:
    case WM_ACTIVATEAPP:
    case WM_SETFOCUS:
    case WM_KILLFOCUS: g_bAltConsumed = true; return false;
    default: break;
    }
    CFrameWnd* pFrame = GetMenuFrame();
    if (IsMdiMode() && pFrame != nullptr && CExtControlBar::IsFrameOleInPlaceActive(pFrame))
    {
        const UINT nCmd = LOWORD(pMsg->wParam);
        if (nMessage == WM_COMMAND && ((nCmd >= kMdiWindowCmdFirst && nCmd <= kMdiWindowCmdLast) ||
                                       nCmd == kMdiWindowCmdA || nCmd == kMdiWindowCmdB))
            return true;
        if (nMessage >= WM_MDIACTIVATE && nMessage <= WM_MDIICONARRANGE)
            return true;
    }
    if (nMessage == WM_COMMAND && (HIWORD(pMsg->wParam) == 0 || HIWORD(pMsg->wParam) == 1))
    {
        g_bAltConsumed = IsKeyDown(VK_MENU);
        return false;
    }
    if (nMessage == WM_CONTEXTMENU && (CExtPopupMenuWnd::IsMenuTracking() || IsFlatTracking()))
        return true;
    if (nMessage >= WM_LBUTTONDOWN && nMessage <= WM_MBUTTONDBLCLK && IsFlatTracking())
    {
        SetFlatTracking(false);
        return false;
    }
    if (nMessage != WM_KEYDOWN && nMessage != WM_KEYUP && nMessage != WM_SYSKEYDOWN && nMessage != WM_SYSKEYUP)
        return false;
    const bool bUp = nMessage == WM_KEYUP || nMessage == WM_SYSKEYUP;
    const UINT nVirtKey = (UINT)pMsg->wParam;
    const bool bKeysOff = CExtControlBar::IsPrintPreviewFrame(pFrame) || IsDroppedComboFocus();
    if (nVirtKey == VK_MENU && !IsKeyDown(VK_CONTROL) && !IsKeyDown(VK_SHIFT))
        return bKeysOff ? false : TranslateAltAlone(!bUp, nMessage == WM_KEYUP);
    const bool bAltHeld = (pMsg->lParam & kContextAltBit) != 0;
    if (bAltHeld && !IsDialogMode() &&
        (nVirtKey == VK_SPACE || (IsMdiMode() && (nVirtKey == VK_SUBTRACT || nVirtKey == VK_OEM_MINUS))))
        return TranslateSystemKey(pMsg, bUp);
    if (bKeysOff)
        return false;
    if (IsFlatTracking() && !bAltHeld)
    {
        if (TranslateFlatKey(nVirtKey, bUp))
            return true;
    }
    if (bUp)
        return false;
    if (bAltHeld || IsFlatTracking())
        return TranslateCharKey(pMsg, bAltHeld);
    return false;
}

bool CExtMenuControlBar::TranslateAltAlone(bool bDown, bool bAfterKey)
{
    if (bDown)
    {
        if (IsFlatTracking())
            return true;
        g_bAltConsumed = false;
        return false;
    }
    if (IsFlatTracking())
    {
        SetFlatTracking(false);
        return true;
    }
    // Wine's default window procedure takes any release of Alt for a lone Alt when it did not see the key
    // pressed in between (this bar may have handled it) and starts its own menu mode on the frame, which has
    // no menu line; Windows ignores a release after another key. Such a release is swallowed.
    if (g_bAltConsumed)
        return bAfterKey;
    if (GetButtonsCount() == 0)
        return true;
    if (CExtToolControlBar::g_bMenuTracking)
        return true;
    if (!CExtPopupMenuWnd::IsMenuTracking())
        CancelModeOfFocus();
    if (IsFrameForeground())
    {
        const int nFirst = GetNextVisibleButton(-1, true);
        TrackButtonMenu(nFirst >= 0 ? nFirst : 0, false, false, true);
    }
    return true;
}

bool CExtMenuControlBar::TranslateSystemKey(MSG* pMsg, bool bUp)
{
    if (bUp || pMsg->message != WM_SYSKEYDOWN)
        return true;
    CFrameWnd* pFrame = GetMenuFrame();
    CWnd* pTop = pFrame != nullptr ? CExtControlBar::GetTopLevelNonChild(pFrame) : nullptr;
    HWND hWndActive = ::GetActiveWindow();
    // A popup window other than the frame is active (a modeless dialog): its system keys are its own.
    if (hWndActive != nullptr && pFrame != nullptr && hWndActive != pFrame->m_hWnd &&
        (::GetWindowLongW(hWndActive, GWL_STYLE) & WS_POPUP) != 0 && (pTop == nullptr || pTop->m_hWnd != hWndActive))
        return true;
    SetFlatTracking(false);
    if (pMsg->wParam == VK_SPACE)
    {
        CExtToolControlBar::CloseTrackingMenus();
        TrackFrameSystemMenu(nullptr, true);
        return true;
    }
    bool bMaximized = false;
    HWND hWndChild = GetActiveMdiChild(&bMaximized);
    if (hWndChild == nullptr || !bMaximized)
    {
        g_bAltConsumed = true;
        return true;
    }
    CExtToolControlBar::CloseTrackingMenus();
    TrackChildSystemMenu(nullptr, true);
    return true;
}

bool CExtMenuControlBar::TranslateFlatKey(UINT nVirtKey, bool bUp)
{
    switch (nVirtKey)
    {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_ESCAPE:
    case VK_RETURN:
    case VK_UP:
    case VK_DOWN: break;
    default: return bUp; // releases are handled without effect
    }
    if (bUp)
        return true;
    const int nCount = GetButtonsCount();
    switch (nVirtKey)
    {
    case VK_LEFT:
    case VK_RIGHT:
    {
        const bool bForward = nVirtKey == VK_RIGHT;
        int nNext = GetNextVisibleButton(m_nFlatTrackingIndex, bForward);
        if (nNext < 0)
            nNext = bForward ? GetNextVisibleButton(-1, true) : GetNextVisibleButton(nCount, false);
        if (nNext >= 0)
        {
            m_nFlatTrackingIndex = nNext;
            SyncFlatTrackingHighlight(true);
        }
        return true;
    }
    case VK_ESCAPE: SetFlatTracking(false); return true;
    default:
    {
        const int nIndex = m_nFlatTrackingIndex;
        CExtBarButton* pButton = GetButton(nIndex);
        SetFlatTracking(false);
        if (pButton == nullptr)
            return true;
        if (pButton->CanTrackMenu())
            CExtToolControlBar::TrackButtonMenu(nIndex, (m_nOptionFlags & kOptSelectFirst) != 0, false, true);
        else if (nVirtKey == VK_RETURN)
            pButton->OnDeliverCmd();
        return true;
    }
    }
}

bool CExtMenuControlBar::FindMnemonicElsewhere(wchar_t ch, CExtToolControlBar*& pBar, int& nIndex) const
{
    CFrameWnd* pFrame = GetMenuFrame();
    std::vector<CExtToolControlBar*> bars;
    if (pFrame != nullptr)
    {
        for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;)
        {
            CControlBar* p = pFrame->m_listControlBars.GetNext(pos);
            if (p != this && p->IsKindOf(RUNTIME_CLASS(CExtToolControlBar)))
                bars.push_back(static_cast<CExtToolControlBar*>(p));
        }
    }
    else if (GetParent() != nullptr)
    {
        for (HWND hWnd = ::GetWindow(GetParent()->m_hWnd, GW_CHILD); hWnd != nullptr;
             hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
        {
            CWnd* p = CWnd::FromHandlePermanent(hWnd);
            if (p != nullptr && p != this && p->IsKindOf(RUNTIME_CLASS(CExtToolControlBar)))
                bars.push_back(static_cast<CExtToolControlBar*>(p));
        }
    }
    for (CExtToolControlBar* p : bars)
    {
        if (p->GetSafeHwnd() == nullptr || !p->IsVisible())
            continue;
        const int n = p->FindButtonByAccelChar(ch);
        if (n >= 0)
        {
            pBar = p;
            nIndex = n;
            return true;
        }
    }
    return false;
}

bool CExtMenuControlBar::TranslateCharKey(MSG* pMsg, bool bAlt)
{
    BYTE keyState[256] = {};
    ::GetKeyboardState(keyState);
    // The mnemonic is the plain character of the key.
    keyState[VK_MENU] = keyState[VK_CONTROL] = keyState[VK_LMENU] = keyState[VK_RMENU] = 0;
    keyState[VK_LCONTROL] = keyState[VK_RCONTROL] = 0;
    wchar_t szChars[8] = {};
    const UINT nScan = ::MapVirtualKeyW((UINT)pMsg->wParam, 0);
    const int nChars = ::ToUnicodeEx((UINT)pMsg->wParam, nScan, keyState, szChars, 7, 0, ::GetKeyboardLayout(0));
    if (nChars <= 0 || szChars[0] < L' ')
    {
        g_bAltConsumed = true;
        return IsFlatTracking();
    }
    const wchar_t ch = (wchar_t)(UINT_PTR)::CharUpperW((LPWSTR)(UINT_PTR)szChars[0]);
    CExtToolControlBar* pBar = this;
    int nIndex = FindButtonByAccelChar(ch);
    if (nIndex < 0 && !FindMnemonicElsewhere(ch, pBar, nIndex))
    {
        g_bAltConsumed = true;
        return false;
    }
    CExtBarButton* pButton = pBar->GetButton(nIndex);
    if (pButton == nullptr)
        return false;
    CancelModeOfFocus();
    SetFlatTracking(false);
    if (pButton->CanTrackMenu())
    {
        const bool bSelectFirst = (m_nOptionFlags & kOptSelectFirst) != 0;
        if (pBar == this)
            CExtToolControlBar::TrackButtonMenu(nIndex, bSelectFirst, false, true);
        else
            pBar->TrackButtonMenu(nIndex, bSelectFirst, false, true);
        return true;
    }
    g_bAltConsumed = bAlt && IsKeyDown(VK_MENU);
    pButton->OnDeliverCmd();
    return true;
}
