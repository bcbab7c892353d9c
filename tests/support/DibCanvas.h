// DibCanvas: a top-down 32-bit DIB section selected into a memory DC, with its pixels readable.
#pragma once
#include "platform/Dc.h"
#include <gtest/gtest.h>

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
