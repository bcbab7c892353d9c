// The hover button's tests: mouse input, the pump and the parent window.
#include "HoverButtonTestSupport.h"

namespace hovertest
{
void Pump(DWORD ms)
{
    const DWORD start = GetTickCount();
    do
    {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            if (!CWnd::WalkPreTranslateTree(nullptr, &msg))
            {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (GetTickCount() - start < ms);
}

void MoveMouseTo(HWND hWnd, CPoint ptClient)
{
    ::ClientToScreen(hWnd, &ptClient);
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = (LONG)(ptClient.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1));
    in.mi.dy = (LONG)(ptClient.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1));
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &in, sizeof in);
    Pump();
}

void ClickAt(HWND hWnd, CPoint ptClient)
{
    MoveMouseTo(hWnd, ptClient);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, in, sizeof(INPUT));
    Pump();
}

BOOL ButtonParent::CreateParent()
{
    return CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW)), L"parent",
                    WS_POPUP | WS_VISIBLE, 100, 100, 400, 300, nullptr, nullptr);
}
} // namespace hovertest
