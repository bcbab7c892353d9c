// Helpers shared by the toolkit foundation tests: the application object of the test programs, a
// window that records its messages, and a guard that ends a modal run that went wrong.
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
