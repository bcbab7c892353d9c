// Test entry: GoogleTest driven from the wide-character entry point. No test ever blocks on a
// message box: unless a test installs its own handler, every box is logged and answered IDOK.
#include <gtest/gtest.h>
#include <windows.h>
#include <cstdio>
#include "platform/MessageBox.h"

namespace
{
// A crash ends the test program at once with a line on stderr, instead of starting Wine's
// debugger and waiting for the test's time-out.
LONG WINAPI EndOnCrash(EXCEPTION_POINTERS* p)
{
    std::fprintf(stderr, "unhandled exception %08lx at %p\n", p->ExceptionRecord->ExceptionCode,
                 p->ExceptionRecord->ExceptionAddress);
    std::fflush(stderr);
    ::ExitProcess(3);
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    ::SetUnhandledExceptionFilter(&EndOnCrash);
    testing::InitGoogleTest(&argc, argv);
    SetMessageBoxHandler([](HWND, LPCWSTR text, LPCWSTR title, UINT type) {
        fwprintf(stderr, L"[message box %ls, type 0x%x] %ls\n", title ? title : L"", type, text ? text : L"");
        return IDOK;
    });
    return RUN_ALL_TESTS();
}
