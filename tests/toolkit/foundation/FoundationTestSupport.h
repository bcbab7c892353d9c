// Helpers shared by the toolkit foundation tests: the application object of the test programs, a
// 32-bit DIB to draw into, and a guard that ends a modal run that went wrong.
#pragma once
#include "platform/Platform.h"
#include <vector>

// Answers every visible dialog of the thread with IDCANCEL once ms have passed, so that a modal
// run whose script failed ends the test instead of hanging it.
class CModalGuard
{
public:
    explicit CModalGuard(UINT ms = 15000);
    ~CModalGuard();

private:
    UINT_PTR m_nTimer;
};

// A top-down 32-bit DIB section selected into a memory DC.
class CTestDib
{
public:
    CTestDib(int cx, int cy, COLORREF clrFill);
    ~CTestDib();
    CTestDib(const CTestDib&) = delete;
    CTestDib& operator=(const CTestDib&) = delete;
    HDC GetDC() const { return m_hDC; }
    COLORREF GetPixel(int x, int y) const;
    std::vector<COLORREF> Pixels() const;

private:
    int m_cx, m_cy;
    HDC m_hDC = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
    const DWORD* m_pBits = nullptr;
};

// A plain top-level window of a class whose procedure counts and records messages.
struct CRecordingWindow
{
    CRecordingWindow();
    ~CRecordingWindow();
    HWND m_hWnd = nullptr;
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    // What the window's own procedure saw.
    static std::vector<UINT>& Messages(HWND hWnd);
    static WPARAM& LastWParam(HWND hWnd);
    // The window's procedure when its own procedure received WM_NCDESTROY (null: never).
    static WNDPROC& ProcAtNcDestroy(HWND hWnd);
    static bool Saw(HWND hWnd, UINT message);
    static void Forget(HWND hWnd);
};
