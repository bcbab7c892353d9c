// The one road of every message box of the program, and AfxMessageBox on top of it.
#pragma once
#include "platform/Core.h"
#include <functional>

// Shows a message box (MessageBoxW unless a handler is installed) owned by PlatformModalOwner(owner)
// and answers its result. Where that is the splash, the box is owned by none and the splash is hidden
// until the box ends.
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

// Where the keys go at the end of a modal run (a box or a modal window) owned by a popup of a top-level window (a
// floating frame) that blocked the top-level window too: back to the popup, the run's owner, unless the user clicks
// the top-level window. Under Wine a window manager offers the focus at the run's end (WM_TAKE_FOCUS, which Wine passes
// on as WM_MOUSEACTIVATE with HTMENU) to the run's owner or to the blocked window (xfwm4: the owner's owner, a plain
// probe 20 of 20; openbox: the run's owner 40 of 40, the blocked window now and then under load). Wine reads the offer
// at the thread's next look at its queue: read while the blocked window is disabled, it goes to the active window, the
// owner; read later, it activates the blocked window. Windows makes no such offer.
// Reads the offers waiting in the thread's queue: before a run's window is destroyed (the offer made at its hide goes
// with it unread) and before a window the run blocked is enabled again. On Windows the look only reads the queue's
// state.
void PlatformReadModalEndOffers();
// Enables hTop again, blocked by a modal run that a popup of it owned, the offers read first; the run's owner is the
// active window then.
void PlatformEndModalBlock(HWND hTop);
// Whether an offer of the focus to hWnd is the end's offer, to be declined: the first offer to the window the last
// such run blocked or to the run's owner after the end, to the blocked window, within 250 ms of the end, while the
// owner is still the active window and the pointer is not over hWnd. A user's click on hWnd's title comes with the
// pointer over it (a plain probe: 5 of 5; the end's offers 0 of 36); a user's activation from a task bar or pager
// comes later, and after any offer, and is taken.
bool PlatformIsModalEndOffer(HWND hWnd);
// An offer of the focus to hWnd, a window of the thread: when hWnd is the last such run's owner or the window it
// blocked, it is the end's offer, and no later offer is.
void PlatformNoteFocusOffer(HWND hWnd);

// The application's box: owner from PlatformMessageBoxOwner(); without an icon bit, OK and
// OK/Cancel boxes get the exclamation icon and Yes/No boxes the question icon.
int PlatformAppMessageBox(LPCTSTR lpszText, UINT nType, LPCTSTR lpszTitle);

// Box with the application's name as title; without an icon bit, OK/OK-Cancel boxes get the
// exclamation icon and Yes/No boxes the question icon.
int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
