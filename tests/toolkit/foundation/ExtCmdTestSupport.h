// Helpers of the command-system tests: bitmaps and their pixels, a throw-away registry key and a
// window that records the commands it receives.
#pragma once
#include "platform/String.h"
#include <vector>
#include <windows.h>

namespace ExtCmdTest
{
// A 32-bit bitmap of cx x cy filled by pixel(x, y) (top-down coordinates).
template <class Fn> HBITMAP MakeBitmap(int cx, int cy, Fn pixel)
{
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = cx;
    bi.bmiHeader.biHeight = -cy;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* pv = nullptr;
    HBITMAP h = ::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &pv, nullptr, 0);
    DWORD* p = (DWORD*)pv;
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
        {
            const COLORREF c = pixel(x, y);
            p[y * cx + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
    return h;
}

// Pixels of any bitmap, top-down, as COLORREFs (alpha in the top byte).
std::vector<DWORD> ReadPixels(HBITMAP hBitmap, int& cx, int& cy);

// A unique key below HKCU\Software\CorvaneTests, removed with everything below it at the end.
class TestKey
{
public:
    explicit TestKey(LPCWSTR lpszName);
    ~TestKey();
    const CString& Path() const { return m_sPath; }
    // Subkey names and value names directly below a path relative to HKCU.
    static std::vector<CString> SubKeys(const CString& sPath);
    static std::vector<CString> Values(const CString& sPath);

private:
    CString m_sPath;
};

// A top-level window that records WM_COMMAND and WM_SYSCOMMAND.
struct Received
{
    UINT nMsg;
    WPARAM wParam;
    LPARAM lParam;
};
class RecordingWindow
{
public:
    explicit RecordingWindow(HWND hParent = nullptr, bool bChild = false);
    ~RecordingWindow();
    HWND Hwnd() const { return m_hWnd; }
    // Dispatches what was posted to this thread.
    static void Pump();
    std::vector<Received> m_received;

private:
    static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);
    HWND m_hWnd = nullptr;
};
} // namespace ExtCmdTest
