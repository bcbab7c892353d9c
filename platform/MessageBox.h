// The one road of every message box of the program, and AfxMessageBox on top of it.
#pragma once
#include "platform/Core.h"
#include <functional>

// Shows a message box (MessageBoxW unless a handler is installed) owned by PlatformModalOwner(owner)
// and answers its result.
int PlatformMessageBox(HWND owner, LPCWSTR text, LPCWSTR title, UINT type);

using MessageBoxHandler = std::function<int(HWND owner, LPCWSTR text, LPCWSTR title, UINT type)>;
// Installs a handler for every message box of the process; empty restores MessageBoxW.
// Returns the handler installed before. Thread-safe.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler h);

// Where AfxMessageBox finds the owner window when none is given (the window layer sets it to the
// main window); default: the active window of the calling thread.
using MessageBoxOwnerProvider = HWND (*)();
void SetMessageBoxOwnerProvider(MessageBoxOwnerProvider p);
HWND PlatformMessageBoxOwner();

// A modal run of the calling thread for the life of the object: entered with the member that holds
// its window (the window may ask for boxes while it is being created), left when the object goes,
// whatever ends the run. Runs nest; the innermost is the last entered.
class CPlatformModalRun
{
public:
    explicit CPlatformModalRun(const HWND* phWnd);
    ~CPlatformModalRun();
    CPlatformModalRun(const CPlatformModalRun&) = delete;
    CPlatformModalRun& operator=(const CPlatformModalRun&) = delete;

private:
    const HWND* m_phWnd; // the run's window member; outlives the object
};

// The splash window of the calling thread (top-most, shown while the program starts), or nullptr.
void PlatformSetSplashWindow(HWND hWnd);
HWND PlatformSplashWindow();

// The owner for a box or modal window meant for hWnd, so that the new window lies above what it blocks.
// When hWnd's top-level window is not shown (or there is none) while the splash is shown: the splash.
// While hWnd's top-level window is disabled by a modal window: that modal window (the enabled, shown
// last active popup of the top owner, else the window of the innermost modal run, shown first while it
// is created), so that the new window's end gives the keyboard and the enabled state back to it and the
// program stays blocked until its last modal window ends. Otherwise hWnd.
HWND PlatformModalOwner(HWND hWnd);

// The application's box: owner from PlatformMessageBoxOwner(); without an icon bit, OK and
// OK/Cancel boxes get the exclamation icon and Yes/No boxes the question icon.
int PlatformAppMessageBox(LPCTSTR lpszText, UINT nType, LPCTSTR lpszTitle);

// Box with the application's name as title; without an icon bit, OK/OK-Cancel boxes get the
// exclamation icon and Yes/No boxes the question icon.
int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
