// Helpers of the command-system tests.
#include "ExtCmdTestSupport.h"

namespace ExtCmdTest
{
std::vector<DWORD> ReadPixels(HBITMAP hBitmap, int& cx, int& cy)
{
    BITMAP bm = {};
    ::GetObjectW(hBitmap, sizeof(bm), &bm);
    cx = bm.bmWidth;
    cy = bm.bmHeight;
    std::vector<DWORD> pixels((size_t)(cx * cy));
    BITMAPINFO bi = DibCanvas::TopDownInfo(cx, cy);
    HDC hDC = ::GetDC(nullptr);
    ::GetDIBits(hDC, hBitmap, 0, (UINT)cy, pixels.data(), &bi, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hDC);
    for (DWORD& px : pixels)
        px = (px & 0xFF000000) | RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF);
    return pixels;
}

TestKey::TestKey(LPCWSTR lpszName)
{
    static int s_nNext = 0;
    m_sPath.Format(L"Software\\CorvaneTests\\%s_%lu_%d", lpszName, ::GetCurrentProcessId(), ++s_nNext);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, m_sPath);
}

TestKey::~TestKey() { ::RegDeleteTreeW(HKEY_CURRENT_USER, m_sPath); }

std::vector<CString> TestKey::Names(const CString& sPath, bool bValues)
{
    std::vector<CString> names;
    HKEY hKey = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, sPath, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return names;
    wchar_t sz[256];
    for (DWORD i = 0;; ++i)
    {
        DWORD n = 255;
        const LONG nResult = bValues ? ::RegEnumValueW(hKey, i, sz, &n, nullptr, nullptr, nullptr, nullptr)
                                     : ::RegEnumKeyExW(hKey, i, sz, &n, nullptr, nullptr, nullptr, nullptr);
        if (nResult != ERROR_SUCCESS)
            break;
        names.emplace_back(sz);
    }
    ::RegCloseKey(hKey);
    return names;
}

std::vector<BYTE> FileBytes(CMemFile& file)
{
    std::vector<BYTE> bytes((size_t)file.GetLength());
    file.SeekToBegin();
    if (!bytes.empty())
        file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

void FillFile(CMemFile& file, const std::vector<BYTE>& bytes)
{
    if (!bytes.empty())
        file.Write(bytes.data(), (UINT)bytes.size());
    file.SeekToBegin();
}

RecordingWindow::RecordingWindow(HWND hParent, bool bChild)
{
    static ATOM s_atom = 0;
    if (s_atom == 0)
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = &RecordingWindow::WndProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"CorvaneCmdTestRecorder";
        s_atom = ::RegisterClassW(&wc);
    }
    m_hWnd = ::CreateWindowExW(0, L"CorvaneCmdTestRecorder", L"", bChild ? WS_CHILD : WS_OVERLAPPED, 0, 0, 50, 50,
                               hParent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, (LONG_PTR)this);
}

RecordingWindow::~RecordingWindow() { ::DestroyWindow(m_hWnd); }

void RecordingWindow::Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageW(&msg);
}

LRESULT CALLBACK RecordingWindow::WndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_COMMAND || nMsg == WM_SYSCOMMAND)
    {
        auto* pThis = (RecordingWindow*)::GetWindowLongPtrW(hWnd, GWLP_USERDATA);
        if (pThis != nullptr)
            pThis->m_received.push_back(Received{nMsg, wParam, lParam});
        return 1;
    }
    return ::DefWindowProcW(hWnd, nMsg, wParam, lParam);
}
} // namespace ExtCmdTest
