// Input scripts for tests on real windows: a pump of this thread's messages, steps run from a helper
// thread (SendInput there) while this thread pumps, absolute mouse input and bounded waits.
#pragma once
#include <functional>
#include "platform/Core.h"

// Pumps every pending message of this thread; a WM_QUIT met on the way ends the pump and is dropped.
void PumpMessages();
// Runs the steps from a helper thread (SendInput there), pumping messages here until the thread
// ends; each step may wait (bounded) for a condition checked on the GUI thread's state.
void RunInputScript(const std::function<void()>& script);
// A mouse move to the screen point (x, y), with the button flags given.
void SendMouse(int x, int y, DWORD dwFlags);
// Waits up to 2 seconds (pumping when called on the GUI thread) until pred holds.
bool WaitFor(const std::function<bool()>& pred);
// Pumps (with pump) until no message and no window-system event has come for dwQuietMs, at most 2 seconds;
// false when it never went quiet. Call it after activating a window and before holding a modifier with
// SendInput: Wine sets the X focus itself when there is no window manager, and on the focus events that
// come back it resyncs the modifiers from the X keyboard, where keys sent by SendInput were never down
// (a held Alt would be released under the test).
bool SettleInput(const std::function<void()>& pump = PumpMessages, DWORD dwQuietMs = 50);
