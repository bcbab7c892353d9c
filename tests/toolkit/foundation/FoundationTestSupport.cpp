// The application object of the toolkit foundation tests and their shared helpers.
#include "FoundationTestSupport.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <map>

namespace
{
class CFoundationTestApp : public CWinApp
{
public:
    CFoundationTestApp() : CWinApp(L"FoundationTest") {}
};
CFoundationTestApp theApp;

BOOL CALLBACK CancelDialog(HWND hWnd, LPARAM)
{
    wchar_t cls[16] = {};
    ::GetClassNameW(hWnd, cls, 16);
    if (::IsWindowVisible(hWnd) && lstrcmpW(cls, L"#32770") == 0)
        ::PostMessageW(hWnd, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

void CALLBACK OnGuardTimer(HWND, UINT, UINT_PTR, DWORD)
{
    ADD_FAILURE_AT(__FILE__, __LINE__);
    ::EnumThreadWindows(::GetCurrentThreadId(), &CancelDialog, 0);
}

struct Record
{
    std::vector<UINT> messages;
    WPARAM lastWParam = 0;
    WNDPROC procAtNcDestroy = nullptr;
};
std::map<HWND, Record>& Records()
{
    static std::map<HWND, Record> records;
    return records;
}
} // namespace

CModalGuard::CModalGuard(UINT ms) : m_nTimer(::SetTimer(nullptr, 0, ms, &OnGuardTimer)) {}

CModalGuard::~CModalGuard() { ::KillTimer(nullptr, m_nTimer); }

CRecordingWindow::CRecordingWindow()
{
    static ATOM atom = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = &CRecordingWindow::WndProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"FoundationTestRecording";
        return ::RegisterClassW(&wc);
    }();
    (void)atom;
    m_hWnd = ::CreateWindowExW(0, L"FoundationTestRecording", L"", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                               nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

CRecordingWindow::~CRecordingWindow()
{
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd))
        ::DestroyWindow(m_hWnd);
    Forget(m_hWnd);
}

LRESULT CALLBACK CRecordingWindow::WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Record& r = Records()[hWnd];
    r.messages.push_back(message);
    r.lastWParam = wParam;
    if (message == WM_NCDESTROY)
        r.procAtNcDestroy = (WNDPROC)::GetWindowLongPtrW(hWnd, GWLP_WNDPROC);
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

std::vector<UINT>& CRecordingWindow::Messages(HWND hWnd) { return Records()[hWnd].messages; }

WPARAM& CRecordingWindow::LastWParam(HWND hWnd) { return Records()[hWnd].lastWParam; }

WNDPROC& CRecordingWindow::ProcAtNcDestroy(HWND hWnd) { return Records()[hWnd].procAtNcDestroy; }

bool CRecordingWindow::Saw(HWND hWnd, UINT message)
{
    const std::vector<UINT>& v = Records()[hWnd].messages;
    return std::find(v.begin(), v.end(), message) != v.end();
}

void CRecordingWindow::Forget(HWND hWnd) { Records().erase(hWnd); }
