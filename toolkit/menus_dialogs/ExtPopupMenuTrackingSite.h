// CExtPopupMenuTrackingSite: the one process-wide holder of the tracked popup menu chain, its
// thread-local mouse and keyboard hooks, the keyboard and animating popups and the result pointer.
#pragma once
#include "platform/Platform.h"

class CExtPopupMenuWnd;

class CExtPopupMenuTrackingSite
{
public:
    enum : UINT
    {
        SITE_FLAG_CLOSING = 0x01, // a reset runs
    };
    // Installs a hook; replaceable so that a failed installation can be exercised.
    typedef HHOOK(WINAPI* SetHookFn_t)(int idHook, HOOKPROC lpfn, HINSTANCE hmod, DWORD dwThreadId);
    static SetHookFn_t g_pfnSetWindowsHookEx;
    // Tick count of the last key the keyboard hook handed to a menu.
    static DWORD g_dwLastKeyTick;
    enum : DWORD
    {
        KEY_DEBOUNCE_MS = 20,        // auto-repeat faster than this is thinned out; fresh presses never are
        KEY_REPEAT_BIT = 0x40000000, // LPARAM of a key press: the key was already down (auto-repeat)
    };

    CExtPopupMenuTrackingSite();
    ~CExtPopupMenuTrackingSite();
    CExtPopupMenuTrackingSite(const CExtPopupMenuTrackingSite&) = delete;
    CExtPopupMenuTrackingSite& operator=(const CExtPopupMenuTrackingSite&) = delete;

    // Binds a top-level popup (resetting a different one first) and installs the hooks; false when
    // a hook cannot be installed (the site is then released again).
    bool SetInstance(CExtPopupMenuWnd* pPopup);
    // Closes, destroys and deletes the held menu chain and removes the hooks.
    void Reset();
    // Drops the held menu without deleting it: its window is destroyed and the hooks removed.
    void Release();
    bool IsTopLevel(const CExtPopupMenuWnd* pPopup) const { return pPopup != nullptr && pPopup == m_pTopMenu; }
    bool IsClosing() const { return (m_nFlags & SITE_FLAG_CLOSING) != 0; }
    bool IsEmpty() const { return m_pTopMenu == nullptr; }
    CExtPopupMenuWnd* GetInstance() const { return m_pTopMenu; }
    CExtPopupMenuWnd* GetKeyboardPopup() const { return m_pWndKeyboard; }
    void SetKeyboardPopup(CExtPopupMenuWnd* pPopup) { m_pWndKeyboard = pPopup; }
    CExtPopupMenuWnd* GetAnimatingPopup() const { return m_pWndAnimation; }
    void SetAnimatingPopup(CExtPopupMenuWnd* pPopup) { m_pWndAnimation = pPopup; }
    UINT* GetResultPointer() const { return m_pResultCmdID; }
    void SetResultPointer(UINT* pResult) { m_pResultCmdID = pResult; }
    // Installs each missing hook or removes each present one; false when an installation failed.
    bool SetHooks(bool bInstall);
    bool HooksInstalled() const { return m_hHookMouse != nullptr && m_hHookKeyboard != nullptr; }

    static LRESULT CALLBACK MouseHookProc(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK KeyboardHookProc(int nCode, WPARAM wParam, LPARAM lParam);

    // ---- fields, in order ----------------------------------------------------------------------
    UINT m_nFlags;                     // SITE_FLAG_...
    CExtPopupMenuWnd* m_pTopMenu;      // owned while held
    CExtPopupMenuWnd* m_pWndKeyboard;  // innermost open menu (not owned)
    CExtPopupMenuWnd* m_pWndAnimation; // menu whose opening animation runs (not owned)
    HHOOK m_hHookMouse;
    HHOOK m_hHookKeyboard;
    UINT* m_pResultCmdID;
    // Button (1 left, 2 right, 3 middle) whose release after a press that closed the menus is
    // eaten; the mouse hook stays until it comes.
    int m_nEatButtonUp;
    // Counts the bindings: a menu object at a reused address is still another tracking.
    UINT m_nBinding;
};

extern CExtPopupMenuTrackingSite g_TrackingSite;
