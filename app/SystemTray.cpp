// CSystemTray: the icon's record and its life in the tray, the notifications, hiding to the tray
// and the tray's rectangle.
#include "app/SystemTray.h"
#include "platform/Menu.h"
#include "platform/WinThread.h"

IMPLEMENT_DYNAMIC(CSystemTray, CWnd)

const UINT CSystemTray::s_uTaskbarCreatedMsg = ::RegisterWindowMessageW(L"TaskbarCreated");

CSystemTray::CSystemTray()
    : m_tnd(), m_bEnabled(FALSE), m_bHidden(TRUE), m_bRemoved(TRUE), m_bShowIconPending(FALSE), m_bInTray(false),
      m_pTargetWnd(nullptr), m_uDefaultMenuItemID(0), m_bDefaultMenuItemByPos(TRUE), m_uCreationFlags(0)
{
    m_tnd.cbSize = NOTIFYICONDATAW_V1_SIZE;
}

CSystemTray::~CSystemTray()
{
    RemoveIcon();
    if (m_hWnd != nullptr)
        DestroyWindow();
}

BOOL CSystemTray::Create(CWnd* pParent, UINT uCallbackMessage, LPCTSTR lpszTip, HICON hIcon, UINT uID, BOOL bHidden,
                         LPCTSTR, LPCTSTR, DWORD, UINT)
{
    m_bEnabled = LOBYTE(LOWORD(::GetVersion())) >= 4;
    if (!m_bEnabled)
        return FALSE;
    if (m_hWnd == nullptr && !CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr))
        return FALSE;

    m_tnd = NOTIFYICONDATAW();
    m_tnd.cbSize = NOTIFYICONDATAW_V1_SIZE;
    m_tnd.hWnd = pParent != nullptr && pParent->GetSafeHwnd() != nullptr ? pParent->GetSafeHwnd() : m_hWnd;
    m_tnd.uID = uID;
    m_tnd.hIcon = hIcon;
    m_tnd.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_tnd.uCallbackMessage = uCallbackMessage;
    ::lstrcpynW(m_tnd.szTip, lpszTip != nullptr ? lpszTip : L"", 64);
    m_uCreationFlags = m_tnd.uFlags;

    m_bHidden = bHidden;
    m_bRemoved = FALSE;
    m_bInTray = false;
    m_bShowIconPending = FALSE;
    if (m_bHidden)
        return TRUE;
    return AddIcon();
}

BOOL CSystemTray::AddIcon()
{
    if (!m_bEnabled || m_hWnd == nullptr)
        return FALSE;
    m_tnd.uFlags = m_uCreationFlags;
    m_bHidden = FALSE;
    m_bRemoved = FALSE;
    m_bInTray = ::Shell_NotifyIconW(NIM_ADD, &m_tnd) != FALSE;
    m_bShowIconPending = !m_bInTray;
    return m_bInTray;
}

BOOL CSystemTray::RemoveIcon()
{
    m_bShowIconPending = FALSE;
    if (!m_bEnabled || m_bRemoved || m_hWnd == nullptr)
        return TRUE;
    m_bRemoved = TRUE;
    // An icon the shell never took is not deleted: another one may carry its window and id.
    if (!m_bInTray)
        return TRUE;
    m_bInTray = false;
    m_tnd.uFlags = 0;
    const BOOL bResult = ::Shell_NotifyIconW(NIM_DELETE, &m_tnd);
    m_tnd.uFlags = m_uCreationFlags;
    return bResult;
}

BOOL CSystemTray::SetIcon(HICON hIcon)
{
    m_tnd.hIcon = hIcon;
    if (!m_bInTray)
        return TRUE;
    m_tnd.uFlags = NIF_ICON;
    const BOOL bResult = ::Shell_NotifyIconW(NIM_MODIFY, &m_tnd);
    m_tnd.uFlags = m_uCreationFlags;
    return bResult;
}

void CSystemTray::InstallIconPending()
{
    if (!m_bEnabled || m_bHidden || m_bRemoved || m_hWnd == nullptr)
        return;
    // A restarted task bar has lost the icon; one that merely changed its settings may still
    // hold it, and then the shell refuses a second add and accepts the modification.
    m_tnd.uFlags = m_uCreationFlags;
    m_bInTray = ::Shell_NotifyIconW(NIM_ADD, &m_tnd) || ::Shell_NotifyIconW(NIM_MODIFY, &m_tnd);
    m_bShowIconPending = !m_bInTray;
}

CWnd* CSystemTray::GetTargetWnd() const { return m_pTargetWnd != nullptr ? m_pTargetWnd : AfxGetMainWnd(); }

LRESULT CSystemTray::OnTrayNotification(WPARAM wParam, LPARAM lParam)
{
    if (wParam != m_tnd.uID)
        return 0;
    CWnd* pTarget = GetTargetWnd();
    if (pTarget == nullptr || pTarget->GetSafeHwnd() == nullptr)
        return 0;
    const UINT uMouse = LOWORD(lParam);
    if (uMouse != WM_RBUTTONUP && uMouse != WM_LBUTTONDOWN)
        return 1;
    CMenu menu;
    if (!menu.LoadMenu(m_tnd.uID))
        return 0;
    HMENU hPopup = ::GetSubMenu(menu.GetSafeHmenu(), 0);
    if (hPopup == nullptr)
        return 0;
    if (uMouse == WM_RBUTTONUP)
    {
        ::SetMenuDefaultItem(hPopup, m_uDefaultMenuItemID, m_bDefaultMenuItemByPos);
        CPoint pt;
        ::GetCursorPos(&pt);
        pTarget->SetForegroundWindow();
        ::TrackPopupMenu(hPopup, 0, pt.x, pt.y, 0, pTarget->GetSafeHwnd(), nullptr);
        // Lets the menu close when the user clicks elsewhere next time.
        pTarget->PostMessage(WM_NULL, 0, 0);
    }
    else
    {
        pTarget->SetForegroundWindow();
        const UINT uCmd =
            m_bDefaultMenuItemByPos ? ::GetMenuItemID(hPopup, (int)m_uDefaultMenuItemID) : m_uDefaultMenuItemID;
        pTarget->PostMessage(WM_COMMAND, uCmd, 0);
    }
    return 1;
}

// ---- hiding to the tray ---------------------------------------------------------------------------

BOOL CSystemTray::MinimiseToTray(CWnd* pWnd, BOOL bForceAnimation)
{
    if (pWnd == nullptr || !::IsWindow(pWnd->GetSafeHwnd()) || !m_bInTray)
        return FALSE;
    if (bForceAnimation || GetDoWndAnimation())
    {
        CRect rcFrom;
        pWnd->GetWindowRect(&rcFrom);
        const CRect rcTo = GetTrayWndRect();
        ::DrawAnimatedRects(pWnd->GetSafeHwnd(), IDANI_CAPTION, &rcFrom, &rcTo);
    }
    pWnd->ShowWindow(SW_HIDE);
    return TRUE;
}

void CSystemTray::MaximiseFromTray(CWnd* pWnd, BOOL bForceAnimation)
{
    if (pWnd == nullptr || !::IsWindow(pWnd->GetSafeHwnd()))
        return;
    if (bForceAnimation || GetDoWndAnimation())
    {
        const CRect rcFrom = GetTrayWndRect();
        CRect rcTo;
        pWnd->GetWindowRect(&rcTo);
        ::DrawAnimatedRects(pWnd->GetSafeHwnd(), IDANI_CAPTION, &rcFrom, &rcTo);
    }
    pWnd->ShowWindow(SW_SHOWNA);
    pWnd->RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
    ::SetActiveWindow(pWnd->GetSafeHwnd());
    ::SetForegroundWindow(pWnd->GetSafeHwnd());
}

BOOL CSystemTray::GetDoWndAnimation()
{
    ANIMATIONINFO ai = {sizeof ai};
    return ::SystemParametersInfoW(SPI_GETANIMATION, sizeof ai, &ai, 0) && ai.iMinAnimate != 0;
}

// ---- the tray's rectangle -------------------------------------------------------------------------

CRect CSystemTray::TrayRectFromNotifyArea(const CRect& rcNotify, const CRect* prcClock)
{
    CRect rc = rcNotify;
    if (prcClock != nullptr)
    {
        if (prcClock->bottom >= rc.bottom - 5)
            rc.right = prcClock->left;
        else
            rc.top = prcClock->bottom;
    }
    return rc;
}

CRect CSystemTray::TrayRectFromTaskBar(UINT uEdge, const CRect& rcBar)
{
    if (uEdge == ABE_LEFT || uEdge == ABE_RIGHT)
        return CRect(rcBar.left, rcBar.bottom - 100, rcBar.right, rcBar.bottom - 16);
    return CRect(rcBar.right - 100, rcBar.top, rcBar.right - 16, rcBar.bottom);
}

CRect CSystemTray::TrayRectFromWorkArea(const CRect& rcWork)
{
    return CRect(rcWork.right - 150, rcWork.bottom - 30, rcWork.right, rcWork.bottom);
}

CRect CSystemTray::GetTrayWndRect()
{
    if (HWND hShellTray = ::FindWindowW(L"Shell_TrayWnd", nullptr))
    {
        CRect rc;
        ::GetWindowRect(hShellTray, &rc);
        if (HWND hNotify = ::FindWindowExW(hShellTray, nullptr, L"TrayNotifyWnd", nullptr))
        {
            ::GetWindowRect(hNotify, &rc);
            CRect rcClock;
            HWND hClock = ::FindWindowExW(hNotify, nullptr, L"TrayClockWClass", nullptr);
            if (hClock != nullptr && ::GetWindowRect(hClock, &rcClock))
                return TrayRectFromNotifyArea(rc, &rcClock);
            return TrayRectFromNotifyArea(rc, nullptr);
        }
        return rc;
    }
    APPBARDATA abd = {sizeof abd};
    if (::SHAppBarMessage(ABM_GETTASKBARPOS, &abd))
        return TrayRectFromTaskBar(abd.uEdge, CRect(abd.rc));
    CRect rcWork;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0);
    return TrayRectFromWorkArea(rcWork);
}

// ---- the window -----------------------------------------------------------------------------------

void CSystemTray::OnDestroyWindow() { RemoveIcon(); }

LRESULT CSystemTray::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Notices of an icon without a parent come to this window itself.
    if (message == m_tnd.uCallbackMessage && m_tnd.hWnd == m_hWnd && message != 0)
        return OnTrayNotification(wParam, lParam);
    if (message == s_uTaskbarCreatedMsg)
        InstallIconPending();
    else if (message == WM_SETTINGCHANGE && wParam == SPI_SETWORKAREA)
        InstallIconPending();
    else if (message == WM_DESTROY)
        OnDestroyWindow();
    return CWnd::WindowProc(message, wParam, lParam);
}
