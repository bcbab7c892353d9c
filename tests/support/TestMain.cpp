// Test entry: GoogleTest driven from the wide-character entry point. No test ever blocks on a
// message box: unless a test installs its own handler, every box is logged and answered IDOK. Input
// scripts report their failures as the running test's, and a test's end releases what they left down.
#include <gtest/gtest.h>
#include <windows.h>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>
#include "platform/MessageBox.h"
#include "support/InputScript.h"

namespace
{
// A test that runs far longer than any test does is taken as hung: its name and the input state
// are written and the program ends, rather than being killed without a word by the runner.
// CORVANE_HANG_SECONDS sets another limit.
DWORD g_dwHangMs = 90000;
std::mutex g_testLock;
std::string g_strTest; // the running test, empty between tests
DWORD g_dwTestStart = 0;

// A crash ends the test program at once with a line on stderr naming the running test, instead of
// starting Wine's debugger and waiting for the test's time-out.
LONG WINAPI EndOnCrash(EXCEPTION_POINTERS* p)
{
    std::fflush(stdout);
    std::fprintf(stderr, "unhandled exception %08lx at %p in %s\n", p->ExceptionRecord->ExceptionCode,
                 p->ExceptionRecord->ExceptionAddress, g_strTest.empty() ? "no test" : g_strTest.c_str());
    // The frames from the fault outward, as module+offset (addr2line -e <module> <offset+image base>).
    CONTEXT ctx = *p->ContextRecord;
    for (int i = 0; i < 24 && ctx.Rip != 0; ++i)
    {
        HMODULE hModule = nullptr;
        char szModule[MAX_PATH] = "?";
        if (::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                 (LPCSTR)ctx.Rip, &hModule))
            ::GetModuleFileNameA(hModule, szModule, MAX_PATH);
        const char* pszName = std::strrchr(szModule, '\\');
        std::fprintf(stderr, "  at %s+0x%llx\n", pszName ? pszName + 1 : szModule,
                     (unsigned long long)(ctx.Rip - (DWORD64)hModule));
        DWORD64 imageBase = 0;
        PRUNTIME_FUNCTION pFunction = ::RtlLookupFunctionEntry(ctx.Rip, &imageBase, nullptr);
        if (!pFunction)
        {
            ctx.Rip = *(DWORD64*)ctx.Rsp; // a leaf function: its return address is on top of the stack
            ctx.Rsp += 8;
            continue;
        }
        PVOID pHandlerData = nullptr;
        DWORD64 establisher = 0;
        ::RtlVirtualUnwind(UNW_FLAG_NHANDLER, imageBase, ctx.Rip, pFunction, &ctx, &pHandlerData, &establisher,
                           nullptr);
    }
    std::fflush(stderr);
    ::ExitProcess(3);
}

class CHangWatch : public testing::EmptyTestEventListener
{
    void OnTestStart(const testing::TestInfo& info) override
    {
        std::lock_guard<std::mutex> lock(g_testLock);
        g_strTest = std::string(info.test_suite_name()) + "." + info.name();
        g_dwTestStart = ::GetTickCount();
        // Waits that all run to their bound end the test with a third of the guard's time to spare.
        StartInputWaitBudget(g_dwHangMs / 3 * 2);
    }
    void OnTestEnd(const testing::TestInfo&) override
    {
        std::lock_guard<std::mutex> lock(g_testLock);
        g_strTest.clear();
        // A suite's set-up and tear-down, between tests, wait on their own bounds.
        StartInputWaitBudget(0);
    }
};

// Every button or key an input script left down is released when its test ends, so the next test starts
// with clean input whatever the last one did.
class CHeldInputRelease : public testing::EmptyTestEventListener
{
    void OnTestEnd(const testing::TestInfo&) override
    {
        if (!HasHeldInput())
            return;
        ReleaseHeldInput();
        PumpMessages();
    }
};

DWORD WINAPI HangWatchThread(LPVOID)
{
    for (;;)
    {
        ::Sleep(1000);
        std::lock_guard<std::mutex> lock(g_testLock);
        if (g_strTest.empty() || ::GetTickCount() - g_dwTestStart < g_dwHangMs)
            continue;
        GUITHREADINFO gui = {sizeof(gui)};
        ::GetGUIThreadInfo(0, &gui);
        std::fflush(stdout);
        std::fprintf(stderr,
                     "%s has run for %lu s: taken as hung (capture %p, left button %s, foreground %p, menu %s)\n",
                     g_strTest.c_str(), (::GetTickCount() - g_dwTestStart) / 1000, (void*)gui.hwndCapture,
                     (::GetAsyncKeyState(VK_LBUTTON) & 0x8000) ? "down" : "up", (void*)::GetForegroundWindow(),
                     (gui.flags & GUI_INMENUMODE) ? "on" : "off");
        std::fflush(stderr);
        ::TerminateProcess(::GetCurrentProcess(), 4);
    }
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
    wchar_t szHang[16] = {};
    if (::GetEnvironmentVariableW(L"CORVANE_HANG_SECONDS", szHang, 16) > 0 && _wtoi(szHang) > 0)
        g_dwHangMs = (DWORD)_wtoi(szHang) * 1000;
    testing::UnitTest::GetInstance()->listeners().Append(new CHangWatch);
    testing::UnitTest::GetInstance()->listeners().Append(new CHeldInputRelease);
    SetInputScriptFailureReporter([](const char* pszWhat) { ADD_FAILURE() << pszWhat; });
    ::CloseHandle(::CreateThread(nullptr, 0, &HangWatchThread, nullptr, 0, nullptr));
    return RUN_ALL_TESTS();
}
