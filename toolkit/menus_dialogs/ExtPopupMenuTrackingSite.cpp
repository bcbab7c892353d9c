// CExtPopupMenuTrackingSite: binding and reset of the tracked menu chain, the thread hooks that
// route input to the menus, the menus' registered messages and the tracking statics.
#include "toolkit/menus_dialogs/ExtPopupMenuTrackingSite.h"
#include "platform/WinThread.h"
#include "toolkit/menus_dialogs/ExtMenuKindOf.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

CExtPopupMenuTrackingSite g_TrackingSite;
CExtPopupMenuTrackingSite::SetHookFn_t CExtPopupMenuTrackingSite::g_pfnSetWindowsHookEx = &::SetWindowsHookExW;
DWORD CExtPopupMenuTrackingSite::g_dwLastKeyTick = 0;

#define CORVANE_POPUP_MSG(name)                                                                                        \
    const UINT CExtPopupMenuWnd::name = ::RegisterWindowMessageW(L"CExtPopupMenuWnd::" #name)
CORVANE_POPUP_MSG(g_nMsgPrepareMenu);
CORVANE_POPUP_MSG(g_nMsgPopupNext);
CORVANE_POPUP_MSG(g_nMsgPopupPrev);
CORVANE_POPUP_MSG(g_nMsgNotifyMenuExpanded);
CORVANE_POPUP_MSG(g_nMsgNotifyMenuClosed);
CORVANE_POPUP_MSG(g_nMsgPopupDrawItem);
CORVANE_POPUP_MSG(g_nMsgPopupDrawLeftArea);
CORVANE_POPUP_MSG(g_nMsgCreateInplaceEdit);
CORVANE_POPUP_MSG(g_nMsgItemCoveringNotification);
#undef CORVANE_POPUP_MSG

CExtPopupMenuTrackingSite::CExtPopupMenuTrackingSite()
    : m_nFlags(0), m_pTopMenu(nullptr), m_pWndKeyboard(nullptr), m_pWndAnimation(nullptr), m_hHookMouse(nullptr),
      m_hHookKeyboard(nullptr), m_pResultCmdID(nullptr), m_nEatButtonUp(0), m_nBinding(0)
{}

CExtPopupMenuTrackingSite::~CExtPopupMenuTrackingSite() { Reset(); }

bool CExtPopupMenuTrackingSite::SetInstance(CExtPopupMenuWnd* pPopup)
{
    if (pPopup != nullptr && pPopup == m_pTopMenu)
        return true;
    if (m_pTopMenu != nullptr)
        Reset();
    if (pPopup == nullptr)
        return true;
    m_pTopMenu = pPopup;
    ++m_nBinding;
    if (!SetHooks(true))
    {
        SetHooks(false);
        m_pTopMenu = nullptr;
        return false;
    }
    return true;
}

void CExtPopupMenuTrackingSite::Reset()
{
    if (IsClosing())
        return;
    m_pWndKeyboard = nullptr;
    m_pWndAnimation = nullptr;
    m_pResultCmdID = nullptr;
    m_nFlags |= SITE_FLAG_CLOSING;
    if (m_pTopMenu != nullptr)
    {
        CExtPopupMenuWnd* pPopup = m_pTopMenu;
        pPopup->LoadFromMenu(nullptr, true);
        if (pPopup->GetSafeHwnd() != nullptr)
        {
            CWnd* pWndStatus = pPopup->GetOwnerForStatus();
            if (pWndStatus != nullptr)
                CExtMenuKindOf::SetFrameMessageString(pWndStatus, CExtPopupMenuWnd::IDS_IDLE_MESSAGE);
            pPopup->DestroyWindow();
            CExtPopupMenuWnd::PumpPendingMessages();
        }
        m_pTopMenu = nullptr;
        delete pPopup;
    }
    SetHooks(false);
    m_nFlags &= ~SITE_FLAG_CLOSING;
}

void CExtPopupMenuTrackingSite::Release()
{
    CExtPopupMenuWnd* pPopup = m_pTopMenu;
    m_pTopMenu = nullptr;
    m_pWndKeyboard = nullptr;
    m_pWndAnimation = nullptr;
    m_pResultCmdID = nullptr;
    SetHooks(false);
    if (pPopup != nullptr && pPopup->GetSafeHwnd() != nullptr)
        pPopup->DestroyWindow();
}

bool CExtPopupMenuTrackingSite::SetHooks(bool bInstall)
{
    if (!bInstall)
    {
        // A pending release to eat keeps the mouse hook until it comes.
        if (m_hHookMouse != nullptr && m_nEatButtonUp == 0)
        {
            ::UnhookWindowsHookEx(m_hHookMouse);
            m_hHookMouse = nullptr;
        }
        if (m_hHookKeyboard != nullptr)
            ::UnhookWindowsHookEx(m_hHookKeyboard);
        m_hHookKeyboard = nullptr;
        return true;
    }
    const DWORD dwThread = ::GetCurrentThreadId();
    if (m_hHookMouse == nullptr)
        m_hHookMouse = g_pfnSetWindowsHookEx(WH_MOUSE, &MouseHookProc, nullptr, dwThread);
    if (m_hHookKeyboard == nullptr)
        m_hHookKeyboard = g_pfnSetWindowsHookEx(WH_KEYBOARD, &KeyboardHookProc, nullptr, dwThread);
    return HooksInstalled();
}

namespace
{
// 1 left, 2 right, 3 middle; 0 for other messages.
int ButtonOf(UINT message)
{
    switch (message)
    {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP: return 1;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP: return 2;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP: return 3;
    default: return 0;
    }
}

bool IsButtonUp(UINT message)
{
    return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP || message == WM_NCLBUTTONUP ||
           message == WM_NCRBUTTONUP || message == WM_NCMBUTTONUP;
}

// The button message (and its screen point) that the mouse hook is handing to a menu now; 0 when
// none.
UINT g_nHandlingButton = 0;
POINT g_ptHandlingButton = {0, 0};
} // namespace

LRESULT CALLBACK CExtPopupMenuTrackingSite::MouseHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    CExtPopupMenuTrackingSite& site = g_TrackingSite;
    if (nCode == HC_ACTION && site.m_nEatButtonUp != 0 && ButtonOf((UINT)wParam) != 0)
    {
        // The release of the press that closed the menus is eaten; any other press ends the wait.
        const bool bEat = IsButtonUp((UINT)wParam) && ButtonOf((UINT)wParam) == site.m_nEatButtonUp;
        site.m_nEatButtonUp = 0;
        const HHOOK hHook = site.m_hHookMouse;
        if (site.IsEmpty() && !site.IsClosing() && site.m_hHookMouse != nullptr)
        {
            ::UnhookWindowsHookEx(site.m_hHookMouse);
            site.m_hHookMouse = nullptr;
        }
        if (bEat)
            return 1;
        if (site.IsEmpty() || site.IsClosing())
            return ::CallNextHookEx(hHook, nCode, wParam, lParam);
    }
    if (nCode != HC_ACTION || site.IsEmpty() || site.IsClosing())
        return ::CallNextHookEx(site.m_hHookMouse, nCode, wParam, lParam);
    CExtPopupMenuWnd* pPopup = site.GetKeyboardPopup();
    if (pPopup == nullptr || pPopup->GetSafeHwnd() == nullptr)
        return 1;
    const UINT message = (UINT)wParam;
    const MOUSEHOOKSTRUCT* pMHS = (const MOUSEHOOKSTRUCT*)lParam;
    POINT pt = pMHS->pt;
    ::ScreenToClient(pPopup->GetSafeHwnd(), &pt);
    bool bPassOn = false;
    switch (message)
    {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
        if (pPopup->HandleMouseMove(message, pt.x, pt.y, bPassOn))
            return 1;
        return ::CallNextHookEx(site.m_hHookMouse, nCode, wParam, lParam);
    case WM_MOUSEWHEEL:
    {
        if (pPopup->OnMouseWheel(wParam, lParam, bPassOn) || !bPassOn)
            return 1;
        return ::CallNextHookEx(site.m_hHookMouse, nCode, wParam, lParam);
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
    {
        // A message pump run while the click is handled (under Wine a monitor query of the new
        // layout runs one) hands the same button message, not yet removed, over again, addressed
        // to the window now under the cursor: it is eaten.
        if (g_nHandlingButton == message && g_ptHandlingButton.x == pMHS->pt.x && g_ptHandlingButton.y == pMHS->pt.y)
            return 1;
        const HWND hWndPopup = pPopup->GetSafeHwnd();
        const UINT nOuterButton = g_nHandlingButton;
        const POINT ptOuterButton = g_ptHandlingButton;
        g_nHandlingButton = message;
        g_ptHandlingButton = pMHS->pt;
        const bool bHandled = pPopup->HandleMouseClick(message, pt.x, pt.y, bPassOn);
        g_nHandlingButton = nOuterButton;
        g_ptHandlingButton = ptOuterButton;
        if (bHandled || !::IsWindow(hWndPopup))
            return 1;
        if (bPassOn)
            return ::CallNextHookEx(site.m_hHookMouse, nCode, wParam, lParam);
        if (site.IsEmpty() || site.IsClosing())
            return 1;
        const HWND hWndUnder = ::WindowFromPoint(pMHS->pt);
        for (CExtPopupMenuWnd* p = site.GetKeyboardPopup(); p != nullptr; p = p->GetParentMenu())
        {
            if (p->GetSafeHwnd() == nullptr)
                continue;
            POINT ptClient = pMHS->pt;
            ::ScreenToClient(p->GetSafeHwnd(), &ptClient);
            if (p->IsOwnWindowAtPoint(CPoint(ptClient)))
                return 1;
            if (hWndUnder != nullptr && hWndUnder == p->m_wndToolTip.GetSafeHwnd())
                return 1;
        }
        const bool bPress = !IsButtonUp(message);
        if (bPress)
            site.m_nEatButtonUp = ButtonOf(message);
        if (CExtPopupMenuWnd* pTop = site.GetInstance())
            pTop->CloseMenu(false);
        if (bPress)
            return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
        return 1;
    }
    default: return ::CallNextHookEx(site.m_hHookMouse, nCode, wParam, lParam);
    }
}

LRESULT CALLBACK CExtPopupMenuTrackingSite::KeyboardHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    CExtPopupMenuTrackingSite& site = g_TrackingSite;
    if (nCode != HC_ACTION)
        return ::CallNextHookEx(site.m_hHookKeyboard, nCode, wParam, lParam);
    const bool bRelease = (lParam & 0x80000000) != 0;
    CExtPopupMenuWnd* pPopup = site.GetKeyboardPopup();
    if (!site.IsEmpty() && !site.IsClosing() && pPopup != nullptr && pPopup->GetSafeHwnd() != nullptr)
    {
        if (bRelease)
            return 1;
        bool bInEdit = false;
        HWND hWndFocus = ::GetFocus();
        if (hWndFocus != nullptr)
        {
            CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(hWndFocus));
            bInEdit = pParent != nullptr && pParent->IsKindOf(RUNTIME_CLASS(CExtPopupMenuWnd));
        }
        // Only auto-repeat is thinned out: every fresh press counts, however fast it comes.
        const DWORD dwNow = ::GetTickCount();
        if ((lParam & KEY_REPEAT_BIT) != 0 && !bInEdit && dwNow - g_dwLastKeyTick < KEY_DEBOUNCE_MS)
            return 1;
        g_dwLastKeyTick = dwNow;
        // The key has left the queue: a running animation jumps to its end rather than eat it.
        if (CExtPopupMenuWnd* pAnimating = site.GetAnimatingPopup())
        {
            pAnimating->FinishAnimationNow();
            pPopup = site.GetKeyboardPopup();
            if (site.IsEmpty() || site.IsClosing() || pPopup == nullptr || pPopup->GetSafeHwnd() == nullptr)
                return 1;
        }
        bool bPassOn = false;
        if (pPopup->HandleKey((UINT)wParam, LOWORD(lParam), HIWORD(lParam), bPassOn) || !bPassOn)
            return 1;
        return ::CallNextHookEx(site.m_hHookKeyboard, nCode, wParam, lParam);
    }
    if (CExtMenuKindOf::IsToolBarMenuTracking() || !bRelease)
        return 1;
    if (CExtPopupMenuWnd::IsKeyEventWithModifier(lParam))
    {
        CExtPopupMenuWnd::CancelMenuTracking();
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
    return 1;
}

// ---- statics of the menu that speak of the site ---------------------------------------------------

bool CExtPopupMenuWnd::IsMenuTracking() { return !g_TrackingSite.IsEmpty(); }

void CExtPopupMenuWnd::CancelMenuTracking()
{
    if (!g_TrackingSite.IsEmpty() && !g_TrackingSite.IsClosing())
        g_TrackingSite.Reset();
}

bool CExtPopupMenuWnd::PumpPendingMessages()
{
    // Messages are taken without waiting: a message that a hook eats must not leave the loop
    // blocked in GetMessage until the next one comes.
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
    {
        if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            continue;
        if (msg.message == WM_QUIT)
        {
            ::PostQuitMessage((int)msg.wParam);
            return false;
        }
        if (msg.message == WM_KICKIDLE)
            continue;
        CWinThread* pThread = AfxGetThread();
        const BOOL bHandled =
            pThread != nullptr ? pThread->PreTranslateMessage(&msg) : CWnd::WalkPreTranslateTree(nullptr, &msg);
        if (!bHandled)
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return true;
}

bool CExtPopupMenuWnd::IsHoverAllowed(HWND hWnd, HWND hWndActive, bool bCheckEnabled, bool bCheckVisible,
                                      bool bCheckNoMenu)
{
    if (bCheckNoMenu && IsMenuTracking())
        return false;
    if (hWnd == nullptr || hWndActive == nullptr || !::IsWindow(hWnd) || !::IsWindow(hWndActive))
        return false;
    if (bCheckEnabled && (!::IsWindowEnabled(hWnd) || !::IsWindowEnabled(hWndActive)))
        return false;
    auto hasStyle = [](HWND h) { return (::GetWindowLongW(h, GWL_STYLE) & (WS_POPUP | WS_VISIBLE)) != 0; };
    if (bCheckVisible && ((::GetWindowLongW(hWnd, GWL_STYLE) & WS_VISIBLE) == 0 ||
                          (::GetWindowLongW(hWndActive, GWL_STYLE) & WS_VISIBLE) == 0))
        return false;
    for (HWND h = hWnd; h != nullptr; h = ::GetParent(h))
    {
        if (!hasStyle(h))
            continue;
        for (HWND hA = hWndActive; hA != nullptr; hA = ::GetParent(hA))
        {
            if (hA == h)
                return true;
            if (!hasStyle(hA))
                break;
        }
    }
    return false;
}

bool CExtPopupMenuWnd::IsKeyEventWithModifier(LPARAM lParam)
{
    if ((lParam & (1 << 29)) != 0)
        return true;
    static const int kKeys[] = {VK_MENU,     VK_RMENU, VK_LMENU,  VK_CONTROL, VK_RCONTROL,
                                VK_LCONTROL, VK_SHIFT, VK_RSHIFT, VK_LSHIFT};
    for (int nKey : kKeys)
        if ((::GetAsyncKeyState(nKey) & 0x8000) != 0)
            return true;
    return false;
}

// ---- covering notification -----------------------------------------------------------------------

CExtPopupMenuWnd::ItemCoveringNotification::ItemCoveringNotification(CExtPopupMenuWnd* pPopup, CExtBarButton* pTBB,
                                                                     int nValue, int nItemIndex, bool bOpenSubMenu,
                                                                     bool bSelectFirst)
    : m_pPopup(pPopup), m_pTBB(pTBB), m_nItemIndex(nItemIndex), m_nValue(nValue), m_bOpenSubMenu(bOpenSubMenu),
      m_bSelectFirst(bSelectFirst)
{}

bool CExtPopupMenuWnd::ItemCoveringNotification::Notify()
{
    HWND hWndTarget = nullptr;
    if (m_pPopup != nullptr)
    {
        hWndTarget = m_pPopup->GetCmdReceiverHWND();
        if (hWndTarget == nullptr || !::IsWindow(hWndTarget) || m_pPopup->IsContextHelpMode())
            return false;
    }
    else if (CWnd* pFrame = CExtMenuKindOf::FrameOfButton(m_pTBB))
        hWndTarget = pFrame->GetSafeHwnd();
    if (hWndTarget == nullptr)
        return false;
    ::SendMessageW(hWndTarget, g_nMsgItemCoveringNotification, (WPARAM)this, 0);
    return true;
}
