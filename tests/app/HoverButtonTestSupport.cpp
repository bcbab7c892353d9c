// The hover button's tests: mouse input, the pump and the parent window.
#include "HoverButtonTestSupport.h"

namespace hovertest
{
namespace
{
// Dispatches every pending message, each through the pre-translation of its window.
void PumpPending()
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
}

// Sends the input and pumps until it is handled.
void SendAndPump(INPUT* pInputs, UINT nInputs)
{
    ::SendInput(nInputs, pInputs, sizeof(INPUT));
    EXPECT_TRUE(PumpUntilInputHandled(PumpPending)) << "the input was not handled within the wait's bound";
}
} // namespace

void Pump(DWORD ms)
{
    const DWORD start = GetTickCount();
    do
    {
        PumpPending();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (GetTickCount() - start < ms);
}

bool PumpUntil(const std::function<bool()>& pred, DWORD ms)
{
    const DWORD start = GetTickCount();
    for (;;)
    {
        PumpPending();
        if (pred())
            return true;
        if (GetTickCount() - start > ms)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

bool PumpPosted() { return PumpUntilPostedHandled(PumpPending); }

void MoveMouseTo(HWND hWnd, CPoint ptClient)
{
    ::ClientToScreen(hWnd, &ptClient);
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = (LONG)(ptClient.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1));
    in.mi.dy = (LONG)(ptClient.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1));
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendAndPump(&in, 1);
}

void ClickAt(HWND hWnd, CPoint ptClient)
{
    MoveMouseTo(hWnd, ptClient);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendAndPump(in, 2);
}

BOOL ButtonParent::CreateParent()
{
    // Top-most, so that windows another program shows meanwhile on the same display never come between
    // the pointer and the button, neither for the input nor for the button's own test of what lies under it.
    return CreateEx(WS_EX_TOPMOST, AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW)), L"parent",
                    WS_POPUP | WS_VISIBLE, 100, 100, 400, 300, nullptr, nullptr);
}
} // namespace hovertest
