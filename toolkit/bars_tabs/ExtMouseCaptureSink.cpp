// CExtMouseCaptureSink: taking the mouse capture.
#include "toolkit/bars_tabs/ExtMouseCaptureSink.h"

void CExtMouseCaptureSink::SetCapture(HWND hWnd)
{
    if (hWnd != nullptr && ::GetCapture() != hWnd)
        ::SetCapture(hWnd);
}
