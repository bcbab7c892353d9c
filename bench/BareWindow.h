// The start-up bench's bare window, in the bench and in the program it launches: painted with the window colour.
#pragma once
#include <windows.h>

inline void PaintBareWindow(HWND hWnd)
{
    PAINTSTRUCT ps;
    HDC hdc = ::BeginPaint(hWnd, &ps);
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    ::FillRect(hdc, &rc, (HBRUSH)(COLOR_WINDOW + 1));
    ::EndPaint(hWnd, &ps);
}
