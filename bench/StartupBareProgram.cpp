// The bare window program the start-up bench launches beside CorvaneSms.exe: it registers a class and creates,
// shows and paints one window, then waits for input until the window is closed.
#include "BareWindow.h"

namespace
{
LRESULT CALLBACK BareProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg)
    {
    case WM_PAINT: PaintBareWindow(hWnd); return 0;
    case WM_DESTROY: ::PostQuitMessage(0); return 0;
    default: return ::DefWindowProcW(hWnd, nMsg, wParam, lParam);
    }
}
} // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int nCmdShow)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = BareProc;
    wc.hInstance = hInstance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"StartupBenchBareProgram";
    if (!::RegisterClassW(&wc))
        return 1;
    HWND hWnd = ::CreateWindowExW(0, wc.lpszClassName, L"Bare", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 800,
                                  600, nullptr, nullptr, hInstance, nullptr);
    if (hWnd == nullptr)
        return 1;
    ::ShowWindow(hWnd, nCmdShow);
    ::UpdateWindow(hWnd);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0)
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}
