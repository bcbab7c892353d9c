// CExtOwnedFrames: the floating frames a top-level window owns, in the window order.
#pragma once
#include "platform/Core.h"
#include <vector>

class CExtOwnedFrames
{
public:
    // Whether hWnd is a floating frame of this thread (a CExtMiniDockFrameWnd).
    static bool IsFloatingFrame(HWND hWnd);
    // The floating frames hTop owns, bottom of the window order first. The thread's frames are known (their owners are
    // read without a server call); the window order is walked from the top only until it has passed two or more.
    static std::vector<HWND> Of(HWND hTop);
};
