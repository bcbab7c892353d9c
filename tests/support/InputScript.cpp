// Input scripts for tests on real windows: pump, helper-thread steps, mouse input, waits.
#include "InputScript.h"

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        if (msg.message == WM_QUIT)
            break;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

namespace
{
DWORD WINAPI ScriptThread(LPVOID pParam)
{
    (*static_cast<const std::function<void()>*>(pParam))();
    return 0;
}
} // namespace

void RunInputScript(const std::function<void()>& script)
{
    HANDLE hThread = ::CreateThread(nullptr, 0, ScriptThread, (LPVOID)&script, 0, nullptr);
    if (hThread == nullptr)
        return;
    for (;;)
    {
        const DWORD dw = ::MsgWaitForMultipleObjects(1, &hThread, FALSE, 10000, QS_ALLINPUT);
        if (dw == WAIT_OBJECT_0 || dw == WAIT_TIMEOUT)
            break;
        PumpMessages();
    }
    ::CloseHandle(hThread);
    PumpMessages();
}

void SendMouse(int x, int y, DWORD dwFlags)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    in.mi.dx = (x * 65535 + cx / 2) / (cx - 1);
    in.mi.dy = (y * 65535 + cy / 2) / (cy - 1);
    in.mi.dwFlags = dwFlags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    ::SendInput(1, &in, sizeof(in));
}

bool WaitFor(const std::function<bool()>& pred)
{
    const DWORD dwStart = ::GetTickCount();
    while (!pred())
    {
        if (::GetTickCount() - dwStart > 2000)
            return false;
        PumpMessages();
        ::Sleep(5);
    }
    return true;
}

bool SettleInput(const std::function<void()>& pump, DWORD dwQuietMs)
{
    const DWORD dwStart = ::GetTickCount();
    for (;;)
    {
        pump();
        if (::MsgWaitForMultipleObjectsEx(0, nullptr, dwQuietMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE) == WAIT_TIMEOUT)
            return true;
        if (::GetTickCount() - dwStart > 2000)
            return false;
    }
}
