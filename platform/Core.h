// Core types and helpers of the class-library layer.
#pragma once
#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <new>

// A class object passed through "..." (e.g. a CString to Format) is a silent fault on x64:
// make it a compile error everywhere. Pass (LPCTSTR)str or str.GetString() instead.
#pragma GCC diagnostic error "-Wconditionally-supported"

#ifndef _T
#define _T(x) L##x
#endif
#ifndef TEXT
#define TEXT(x) L##x
#endif

#ifdef _DEBUG
void PlatformAssertFailed(const char* file, int line, const char* expr);
#define ASSERT(f) ((f) ? (void)0 : PlatformAssertFailed(__FILE__, __LINE__, #f))
#define VERIFY(f) ASSERT(f)
#else
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#endif
#define ASSERT_VALID(p)                   ((void)0)
#define ASSERT_KINDOF(class_name, object) ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))
#define ASSERT_POINTER(p, type)           ASSERT((p) != nullptr)
#define ASSERT_NULL_OR_POINTER(p, type)   ((void)0)
#define UNUSED(x)                         (void)(x)
#define UNUSED_ALWAYS(x)                  (void)(x)
#define DEBUG_ONLY(f)                     ((void)0)

// Diagnostic trace: goes to the debugger (OutputDebugString) in debug builds only.
void PlatformTrace(const wchar_t* fmt, ...);
#ifdef _DEBUG
#define TRACE PlatformTrace
#else
#define TRACE(...) ((void)0)
#endif
#define TRACE0(s)          TRACE(L"%s", L##s)
#define TRACE1(s, a)       TRACE(L##s, a)
#define TRACE2(s, a, b)    TRACE(L##s, a, b)
#define TRACE3(s, a, b, c) TRACE(L##s, a, b, c)

inline BOOL AfxIsValidAddress(const void* p, UINT_PTR nBytes, BOOL bReadWrite = TRUE)
{
    (void)bReadWrite;
    return p != nullptr || nBytes == 0;
}
inline BOOL AfxIsValidString(LPCWSTR s, int nLength = -1)
{
    (void)nLength;
    return s != nullptr;
}

// Position of an element in a list or map; opaque to callers.
struct __POSITION
{};
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION ((POSITION)-1L)

// Module handles: the executable unless set otherwise.
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstResource);
void AfxSetInstanceHandle(HINSTANCE hInst);
HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);
