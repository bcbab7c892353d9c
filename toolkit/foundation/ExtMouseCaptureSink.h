// CExtMouseCaptureSink: the small interface of toolkit windows that take the mouse capture.
#pragma once
#include "platform/Core.h"

class CExtMouseCaptureSink
{
public:
    virtual ~CExtMouseCaptureSink() {}
    // Takes the mouse capture for the window.
    virtual void SetCapture(HWND hWnd);
    // The window holding the mouse capture on this thread, NULL when none.
    static HWND GetCaptureHWND();
    // Drops the capture whoever holds it.
    static void ReleaseCapture();
};
