// CExtMouseCaptureSink: taking the mouse capture.
#include "toolkit/foundation/ExtMouseCaptureSink.h"

void CExtMouseCaptureSink::SetCapture(HWND hWnd)
{
    if (hWnd != nullptr && ::GetCapture() != hWnd)
        ::SetCapture(hWnd);
}

HWND CExtMouseCaptureSink::GetCaptureHWND() { return ::GetCapture(); }

void CExtMouseCaptureSink::ReleaseCapture()
{
    if (::GetCapture() != nullptr)
        ::ReleaseCapture();
}
