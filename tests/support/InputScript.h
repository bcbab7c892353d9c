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
