// The program's wide entry point (GUI subsystem): the application object, a global, was built by
// the runtime; AfxWinMain runs it. A program that defines its own wWinMain keeps that one (this
// object file is then never linked in).
#include "platform/WinApp.h"

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
