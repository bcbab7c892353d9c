// The reference program the start-up bench launches beside CorvaneSms.exe: the program's first windows built from the
// system's own controls (ReferenceWindows.h), shown and painted, then waiting for input until the main window is
// closed.
#include "ReferenceWindows.h"

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int nCmdShow)
{
    ReferenceWindows windows;
    if (!CreateReferenceWindows(hInstance, windows, 0, nCmdShow))
        return 1;
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0)
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    windows.hMain = nullptr;
    DestroyReferenceWindows(windows);
    return 0;
}
