// CSystemTray: the program's icon in the task bar's notification area, its menu on a right click
// and its default command on a left click; hides a frame to the tray and brings it back with the
// caption animation between the window and the tray.
#pragma once
#include "platform/Wnd.h"

#include <shellapi.h>

class CSystemTray : public CWnd
{
    DECLARE_DYNAMIC(CSystemTray)
public:
    CSystemTray();
    // Removes the icon and destroys the window.
    ~CSystemTray() override;

    // ---- the icon -------------------------------------------------------------------------
    // Creates the invisible window and, unless bHidden, adds the icon; the notifications go to
    // uCallbackMessage of pParent (of this window without a parent), the tip is cut to 63
    // characters. The last four values are accepted and not used. Answers FALSE when the window
    // cannot be made or the shell refuses the icon; in the second case the window lives on and
    // the icon is added when the task bar announces itself ("TaskbarCreated").
    BOOL Create(CWnd* pParent, UINT uCallbackMessage, LPCTSTR lpszTip, HICON hIcon, UINT uID, BOOL bHidden = FALSE,
                LPCTSTR lpszBalloonTip = nullptr, LPCTSTR lpszBalloonTitle = nullptr, DWORD dwBalloonIcon = 0,
                UINT uBalloonTimeout = 10);
    // Adds the icon again after RemoveIcon or a refused first add.
    BOOL AddIcon();
    // Takes the icon out of the tray when it is there and not removed already.
    BOOL RemoveIcon();
    // Changes the icon; the tray shows the new one at once.
    BOOL SetIcon(HICON hIcon);
    HICON GetIcon() const { return m_tnd.hIcon; }
    // Whether the shell holds the icon now: while it does not, hiding a window to the tray would
    // leave no way back to it.
    bool IsIconInTray() const { return m_bInTray; }

    // ---- notifications --------------------------------------------------------------------
    // The window the menu and the default command go to; null: the main window.
    void SetTargetWnd(CWnd* pTargetWnd) { m_pTargetWnd = pTargetWnd; }
    CWnd* GetTargetWnd() const;
    // The callback message's handler: a right button release opens the first popup of the menu
    // resource with the icon's id (its default item in bold), a left button press posts that
    // popup's default command to the target. Answers 0 when the notice is not for this icon.
    LRESULT OnTrayNotification(WPARAM wParam, LPARAM lParam);

    // ---- hiding a window to the tray ------------------------------------------------------
    // Hides pWnd, a top-level window, which then has no task-bar button, after the caption
    // animation into the tray when bForceAnimation or the system animates windows. Answers FALSE
    // and leaves the window alone while the icon is not in the tray. The window stays top-level:
    // under Wine a re-parent of a top-level window destroys its X window, and the window manager
    // is left with the windows it owns as transients of a window gone (xfwm4 maps them again by
    // itself; metacity offers the new X window no focus).
    BOOL MinimiseToTray(CWnd* pWnd, BOOL bForceAnimation = FALSE);
    // Animates from the tray when asked or set, shows, redraws and activates pWnd.
    static void MaximiseFromTray(CWnd* pWnd, BOOL bForceAnimation = FALSE);

    // ---- the tray's rectangle -------------------------------------------------------------
    // The notification area in screen coordinates, for the animation.
    static CRect GetTrayWndRect();
    // From the notification window's rectangle, less the clock when there is one: a clock that
    // reaches the area's bottom (within 5 pixels) cuts the right part, else the top part.
    static CRect TrayRectFromNotifyArea(const CRect& rcNotify, const CRect* prcClock);
    // From the task bar's edge (ABE_*) and rectangle: its last 100 to 16 pixels along the bar.
    static CRect TrayRectFromTaskBar(UINT uEdge, const CRect& rcBar);
    // The 150 x 30 pixels at the bottom-right corner of the work area.
    static CRect TrayRectFromWorkArea(const CRect& rcWork);
    // Whether the system animates minimising and restoring windows.
    static BOOL GetDoWndAnimation();

    // The registered message the shell broadcasts when the task bar (re)starts.
    static const UINT s_uTaskbarCreatedMsg;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // "TaskbarCreated" and the task bar's setting change: the icon comes (back) unless hidden or
    // removed.
    void InstallIconPending();
    void OnDestroyWindow();

    NOTIFYICONDATAW m_tnd;   // cbSize NOTIFYICONDATAW_V1_SIZE: the fields up to the 64-character tip
    BOOL m_bEnabled;         // the system has a notification area (major version 4 or later)
    BOOL m_bHidden;          // the icon is not to be shown
    BOOL m_bRemoved;         // RemoveIcon took it out
    BOOL m_bShowIconPending; // to be added when the task bar comes
    bool m_bInTray;          // the shell accepted the icon and it was not removed since
    CWnd* m_pTargetWnd;      // not owned; null: the main window
    UINT m_uDefaultMenuItemID;
    BOOL m_bDefaultMenuItemByPos;
    UINT m_uCreationFlags; // the flags last used with the shell
};
