// Shared pieces of the extra-control tests: the host windows made once per test program, message
// pumping, real input through SendInput, and painting a window's client area into a 32-bit DIB.
#pragma once
#include "ExtrasHost.h"
#include "platform/FrameWnd.h"
#include "support/DibCanvas.h"
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>

namespace extrastest
{

// A shown, foreground frame for strips and bars made by the tests (kept for the program's life:
// destroying a foreground window costs Wine about two seconds).
CFrameWnd* PlainFrame();
// The host's MDI frame and page dialog, made once and brought to the foreground.
extrashost::CExtrasMdiFrame* MdiFrame();
extrashost::CExtrasPagesDialog* PagesDialog();

// Dispatches the thread's messages for about nMilliseconds.
void PumpFor(DWORD nMilliseconds);
template <class F> bool PumpUntil(F condition, DWORD nMilliseconds = 2000)
{
    const DWORD nStart = ::GetTickCount();
    while (!condition())
    {
        if (::GetTickCount() - nStart > nMilliseconds)
            return false;
        PumpFor(5);
    }
    return true;
}

// Real input: the pointer to a client point of hWnd, a left click there, keys pressed in order and
// released in reverse (a combination such as Ctrl+PageDown).
void MoveMouseTo(HWND hWnd, CPoint ptClient);
void ClickAt(HWND hWnd, CPoint ptClient);
void SendKeys(std::initializer_list<WORD> keys);
// Types the characters as key input (letters, digits and spaces).
void TypeText(LPCWSTR pszText);

// The window's client area painted through WM_PRINTCLIENT into a DIB of its size.
std::unique_ptr<DibCanvas> PaintClient(HWND hWnd);

} // namespace extrastest
