// DibCanvas: a top-down 32-bit DIB section selected into a memory DC, with its pixels readable.
#pragma once
#include "platform/Dc.h"
#include <gtest/gtest.h>
#include <memory>
#include <vector>

class DibCanvas
{
public:
    // The header of a top-down 32-bit DIB of cx x cy.
    static BITMAPINFO TopDownInfo(int cx, int cy)
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bmi.bmiHeader.biWidth = cx;
        bmi.bmiHeader.biHeight = -cy;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        bmi.bmiHeader.biCompression = BI_RGB;
        return bmi;
    }

    DibCanvas(int cx, int cy, COLORREF clrBackground = RGB(255, 255, 255)) : m_cx(cx), m_cy(cy)
    {
        BITMAPINFO bmi = TopDownInfo(cx, cy);
        HBITMAP hBmp = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, (void**)&m_bits, nullptr, 0);
        EXPECT_NE(hBmp, nullptr);
        m_bitmap.Attach(hBmp);
        EXPECT_TRUE(dc.CreateCompatibleDC(nullptr));
        m_pOld = dc.SelectObject(&m_bitmap);
        dc.FillSolidRect(0, 0, cx, cy, clrBackground);
    }
    ~DibCanvas() { dc.SelectObject(m_pOld); }
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    COLORREF At(int x, int y) const
    {
        ::GdiFlush();
        DWORD v = m_bits[y * m_cx + x];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    // Number of pixels of the colour inside r.
    int Count(const CRect& r, COLORREF c) const
    {
        int n = 0;
        for (int y = r.top; y < r.bottom; y++)
            for (int x = r.left; x < r.right; x++)
                n += At(x, y) == c;
        return n;
    }
    int Width() const { return m_cx; }
    int Height() const { return m_cy; }
    // The pixels, top row first, each 0x00RRGGBB.
    const DWORD* Bits() const
    {
        ::GdiFlush();
        return m_bits;
    }
    CDC dc;

private:
    int m_cx, m_cy;
    DWORD* m_bits = nullptr;
    CBitmap m_bitmap;
    CBitmap* m_pOld = nullptr;
};

// The window's client area as its surface holds it now; nothing is painted first.
inline std::unique_ptr<DibCanvas> ReadClientSurface(HWND hWnd)
{
    RECT rc = {};
    ::GetClientRect(hWnd, &rc);
    auto canvas = std::make_unique<DibCanvas>(rc.right, rc.bottom, RGB(1, 2, 3));
    HDC hDC = ::GetDC(hWnd);
    ::BitBlt(canvas->dc.GetSafeHdc(), 0, 0, rc.right, rc.bottom, hDC, 0, 0, SRCCOPY);
    ::ReleaseDC(hWnd, hDC);
    return canvas;
}

// The screen's pixels in the rectangle, top row first, each 0x00RRGGBB.
inline std::vector<DWORD> GrabScreen(const RECT& rc)
{
    const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    DibCanvas canvas(cx, cy);
    HDC hScreen = ::GetDC(nullptr);
    ::BitBlt(canvas.dc.GetSafeHdc(), 0, 0, cx, cy, hScreen, rc.left, rc.top, SRCCOPY);
    ::ReleaseDC(nullptr, hScreen);
    return std::vector<DWORD>(canvas.Bits(), canvas.Bits() + cx * cy);
}

// Pixels that differ between two grabs of one rectangle.
inline int CountDiffs(const std::vector<DWORD>& a, const std::vector<DWORD>& b)
{
    int n = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        n += a[i] != b[i];
    return n;
}
