// Input scripts for tests on real windows: a pump of this thread's messages, steps run from a helper
// thread (SendInput there) while this thread pumps, absolute mouse and key input that is waited for until
// the window's thread has handled it, bounded waits for a state drawing on a per-test budget, the release of
// every button or key a script left down, and the end of a loop a script left running.
#pragma once
#include <functional>
#include "platform/Core.h"

// The bound of every wait here: far above what any state takes on a quiet machine, so that load never
// reaches it; a wait that hits it is a failure.
constexpr DWORD kInputWaitMs = 10000;

// Pumps every pending message of this thread; a WM_QUIT met on the way ends the pump and is dropped.
void PumpMessages();
// Runs the steps from a helper thread (SendInput there), pumping messages here until the thread ends.
// Every button and key the steps pressed and did not release is released when they end, a failed
// assertion's early return included, so no press outlives its script into a loop that waits for it.
// A loop of this thread's own still running a moment after that (a menu, a modal dialog, a drag) is
// ended (cancel mode, the menu ended, the modal dialog cancelled) within a few seconds and the test fails.
// The wait for the steps is bounded: a script still running well past the test's wait budget is stopped
// and the test fails.
void RunInputScript(const std::function<void()>& script);
// As RunInputScript, but the buttons and keys still down stay down for this thread's checks after the
// steps; a later script releases them. If this thread runs a loop of its own when the steps end (a drag
// that waits for the release, which no later script could then send), they are released at once and the
// test fails. The test's end releases them at the latest.
void RunInputScriptKeepingHeld(const std::function<void()>& script);
// Whether the thread running the current RunInputScript is inside a loop of its own, started by a
// message its script pump dispatched (a drag, a menu, a modal box). From a script only. A thread that
// does not answer within the wait's bound is taken as in a loop, and the test fails.
bool IsScriptThreadInNestedLoop();
// A mouse move to the screen point (x, y), with the button flags given. From a script, it returns once
// the window's thread has handled it (SyncInput).
void SendMouse(int x, int y, DWORD dwFlags);
// A press (bDown) or release of the virtual key; from a script it returns once it is handled (SyncInput).
void SendKeyInput(WORD wVk, bool bDown);
// Types the text as Unicode key presses and releases, each handled before the next (SyncInput).
void SendTextInput(const wchar_t* pszText);
// A press and release of the virtual key with Ctrl and/or Shift held around it.
void SendKeyPress(WORD wVk, bool bCtrl = false, bool bShift = false);
// From a script: a left-button drag from ptFrom to ptTo in eight moves. The press must start a loop of the
// window's thread (pressTaken says when it runs) and the release must end it; otherwise the test fails, and
// a loop left running is ended with Esc.
void SendMouseDrag(POINT ptFrom, POINT ptTo, const std::function<bool()>& pressTaken = IsScriptThreadInNestedLoop);
// From a script: returns once the thread running the script's RunInputScript has taken every input
// message sent before and is back at retrieving messages (the input's handler returned, or a loop of its
// own started from it runs); false when that did not happen within kInputWaitMs. On that thread itself it
// pumps. What the input starts later (timers, posted messages) is waited for with WaitFor.
bool SyncInput();
// Runs fn on the thread running the script's RunInputScript (from a script, inside whatever loop runs there; on
// that thread itself at once), for reads of state that thread changes; false when it did not answer within
// kInputWaitMs.
bool RunOnGuiThread(const std::function<void()>& fn);
// From a script: waits until the thread running the script's RunInputScript has nothing queued but sent
// messages (no input, posted message, paint or timer), so that a loop running there waits for the next
// input; false when that did not happen within kInputWaitMs.
bool WaitForScriptThreadIdle();
// Waits up to dwMs (pumping when called on the GUI thread) until pred holds. Every wait here draws on the
// running test's budget: once that is spent, waits fail at once and the test fails.
bool WaitFor(const std::function<bool()>& pred, DWORD dwMs = kInputWaitMs);
// On the GUI thread, after SendInput there (which queues the input before it returns): pumps with pump until
// no mouse or key input is left queued, so that the input's handlers have run (a loop they start included);
// false when that did not happen within kInputWaitMs.
bool PumpUntilInputHandled(const std::function<void()>& pump = PumpMessages);
// On the GUI thread: pumps with pump until a marker posted to this thread now has come through, so that
// every message posted before it has been handled; false when that did not happen within kInputWaitMs.
bool PumpUntilPostedHandled(const std::function<void()>& pump = PumpMessages);
// Whether a comes before b in the window order of the top-level windows (above it).
bool IsAbove(HWND a, HWND b);
// Starts a test's wait budget of dwMs (the test entry does it at each test's start, well inside the hang
// guard); 0 takes the budget away.
void StartInputWaitBudget(DWORD dwMs);
// Releases every button and key sent down by SendMouse or SendKeyInput and not yet up.
void ReleaseHeldInput();
// Whether a button or key sent down by SendMouse or SendKeyInput is not yet up.
bool HasHeldInput();
// Where a script's own failures go (the test entry makes them the running test's); without a reporter
// they are written to stderr.
void SetInputScriptFailureReporter(void (*pfnReport)(const char* pszWhat));
// Pumps (with pump) until no message and no window-system event has come for dwQuietMs, at most 2 seconds;
// false when it never went quiet. Call it after activating a window and before holding a modifier with
// SendInput: Wine sets the X focus itself when there is no window manager, and on the focus events that
// come back it resyncs the modifiers from the X keyboard, where keys sent by SendInput were never down
// (a held Alt would be released under the test).
bool SettleInput(const std::function<void()>& pump = PumpMessages, DWORD dwQuietMs = 50);
