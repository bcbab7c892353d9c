// Module handles and diagnostics.
#include "platform/Core.h"
#include <cstdarg>
#include <cstdio>

namespace
{
HINSTANCE g_hInstance = nullptr;
HINSTANCE g_hResource = nullptr;
} // namespace

HINSTANCE AfxGetInstanceHandle() { return g_hInstance ? g_hInstance : GetModuleHandleW(nullptr); }

HINSTANCE AfxGetResourceHandle() { return g_hResource ? g_hResource : AfxGetInstanceHandle(); }

void AfxSetResourceHandle(HINSTANCE hInstResource) { g_hResource = hInstResource; }

void AfxSetInstanceHandle(HINSTANCE hInst) { g_hInstance = hInst; }

HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
    HINSTANCE h = AfxGetResourceHandle();
    if (FindResourceW(h, lpszName, lpszType))
        return h;
    return AfxGetInstanceHandle();
}

void PlatformTrace(const wchar_t* fmt, ...)
{
    wchar_t buf[1024];
    va_list a;
    va_start(a, fmt);
    _vsnwprintf(buf, 1023, fmt, a);
    va_end(a);
    buf[1023] = 0;
    OutputDebugStringW(buf);
}

void PlatformAssertFailed(const char* file, int line, const char* expr)
{
    char buf[512];
    _snprintf(buf, sizeof buf - 1, "Assertion failed: %s (%s:%d)\n", expr, file, line);
    buf[sizeof buf - 1] = 0;
    OutputDebugStringA(buf);
}
