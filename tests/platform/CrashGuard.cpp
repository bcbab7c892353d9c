// A crash in this test program ends it at once with a line on stderr, instead of starting
// Wine's debugger and waiting for the test's time-out.
#include <windows.h>
#include <cstdio>

namespace {
LONG WINAPI EndOnCrash(EXCEPTION_POINTERS* p)
{
    std::fprintf(stderr, "unhandled exception %08lx at %p\n", p->ExceptionRecord->ExceptionCode,
                 p->ExceptionRecord->ExceptionAddress);
    std::fflush(stderr);
    ::ExitProcess(3);
}
const LPTOP_LEVEL_EXCEPTION_FILTER s_previousFilter = ::SetUnhandledExceptionFilter(&EndOnCrash);
} // namespace
