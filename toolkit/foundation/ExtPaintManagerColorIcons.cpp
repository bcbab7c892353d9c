// CExtPaintManager colour icons of colour buttons: a filled square, a colour frame and a character
// over a colour bar, each 16 x 16 and owned by the caller.
#include "toolkit/foundation/ExtPaintManager.h"
#include <type_traits>

namespace
{

const int kIconSize = 16;
int g_nFailStep = 0; // test hook: the creation step that fails, 0 none

// A created handle, or null when the test hook makes this creation step fail.
template <typename T> T Created(T h, int nStep)
{
    if (g_nFailStep == nStep && h != nullptr)
    {
        if constexpr (std::is_same<T, HDC>::value)
            ::DeleteDC(h);
        else if constexpr (std::is_same<T, HICON>::value)
            ::DestroyIcon(h);
        else
            ::DeleteObject(h);
        return nullptr;
    }
    return h;
}

// Paints the colour picture into hColorDC and the mask into hMaskDC (white = transparent).
typedef void (*PaintIconFn)(HDC hColorDC, HDC hMaskDC, COLORREF clr, HFONT hFont, TCHAR ch);

void FillRectColor(HDC hDC, int l, int t, int r, int b, COLORREF clr)
{
    const RECT rc = {l, t, r, b};
    HBRUSH hBrush = ::CreateSolidBrush(clr);
    if (hBrush != nullptr)
    {
        ::FillRect(hDC, &rc, hBrush);
        ::DeleteObject(hBrush);
    }
}

// Builds the icon from the two pictures; every failed step frees what was made and answers null.
HICON BuildIcon(PaintIconFn pfnPaint, COLORREF clr, HFONT hFont, TCHAR ch)
{
    HICON hIcon = nullptr;
    HDC hScreen = ::GetDC(nullptr);
    if (hScreen == nullptr)
        return nullptr;
    HDC hColorDC = Created(::CreateCompatibleDC(hScreen), 1);
    HDC hMaskDC = Created(::CreateCompatibleDC(hScreen), 2);
    HBITMAP hColor = Created(::CreateCompatibleBitmap(hScreen, kIconSize, kIconSize), 3);
    HBITMAP hMask = Created(::CreateBitmap(kIconSize, kIconSize, 1, 1, nullptr), 4);
    if (hColorDC != nullptr && hMaskDC != nullptr && hColor != nullptr && hMask != nullptr)
    {
        HGDIOBJ hOldColor = ::SelectObject(hColorDC, hColor);
        HGDIOBJ hOldMask = ::SelectObject(hMaskDC, hMask);
        if (hOldColor != nullptr && hOldMask != nullptr)
        {
            FillRectColor(hColorDC, 0, 0, kIconSize, kIconSize, RGB(0, 0, 0));
            FillRectColor(hMaskDC, 0, 0, kIconSize, kIconSize, RGB(255, 255, 255));
            pfnPaint(hColorDC, hMaskDC, clr, hFont, ch);
            ::GdiFlush();
        }
        if (hOldColor != nullptr)
            ::SelectObject(hColorDC, hOldColor);
        if (hOldMask != nullptr)
            ::SelectObject(hMaskDC, hOldMask);
        if (hOldColor != nullptr && hOldMask != nullptr)
        {
            ICONINFO ii = {};
            ii.fIcon = TRUE;
            ii.hbmColor = hColor;
            ii.hbmMask = hMask;
            hIcon = Created(::CreateIconIndirect(&ii), 5);
        }
    }
    if (hColor != nullptr)
        ::DeleteObject(hColor);
    if (hMask != nullptr)
        ::DeleteObject(hMask);
    if (hColorDC != nullptr)
        ::DeleteDC(hColorDC);
    if (hMaskDC != nullptr)
        ::DeleteDC(hMaskDC);
    ::ReleaseDC(nullptr, hScreen);
    return hIcon;
}

void PaintSquare(HDC hColorDC, HDC hMaskDC, COLORREF clr, HFONT, TCHAR)
{
    FillRectColor(hColorDC, 0, 0, kIconSize, kIconSize, clr);
    FillRectColor(hMaskDC, 0, 0, kIconSize, kIconSize, RGB(0, 0, 0));
}

void PaintFrame(HDC hColorDC, HDC hMaskDC, COLORREF clr, HFONT, TCHAR)
{
    // A frame two pixels wide over (1, 2)-(15, 14).
    const RECT parts[4] = {{1, 2, 15, 4}, {1, 12, 15, 14}, {1, 4, 3, 12}, {13, 4, 15, 12}};
    for (const RECT& r : parts)
    {
        FillRectColor(hColorDC, r.left, r.top, r.right, r.bottom, clr);
        FillRectColor(hMaskDC, r.left, r.top, r.right, r.bottom, RGB(0, 0, 0));
    }
}

void PaintChar(HDC hColorDC, HDC hMaskDC, COLORREF clr, HFONT hFont, TCHAR ch)
{
    const TCHAR sz[2] = {ch, 0};
    RECT rcText = {0, 0, kIconSize, 12};
    // The character: black on the colour picture (its background stays black too), black on the
    // mask where it is opaque.
    for (HDC hDC : {hColorDC, hMaskDC})
    {
        HGDIOBJ hOldFont = hFont != nullptr ? ::SelectObject(hDC, hFont) : nullptr;
        const int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
        const COLORREF clrOld = ::SetTextColor(hDC, RGB(0, 0, 0));
        RECT r = rcText;
        ::DrawTextW(hDC, sz, 1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        ::SetTextColor(hDC, clrOld);
        ::SetBkMode(hDC, nOldMode);
        if (hOldFont != nullptr)
            ::SelectObject(hDC, hOldFont);
    }
    FillRectColor(hColorDC, 2, 13, 14, 16, clr);
    FillRectColor(hMaskDC, 2, 13, 14, 16, RGB(0, 0, 0));
}

} // namespace

HICON CExtPaintManager::CreateColorIcon(COLORREF clr) { return BuildIcon(PaintSquare, clr, nullptr, 0); }

HICON CExtPaintManager::CreateColorFrameIcon(COLORREF clr) { return BuildIcon(PaintFrame, clr, nullptr, 0); }

HICON CExtPaintManager::CreateColorCharIcon(COLORREF clr, HFONT hFont, TCHAR ch)
{
    return BuildIcon(PaintChar, clr, hFont, ch);
}

void CExtPaintManager::SetColorIconFailStep(int nStep) { g_nFailStep = nStep; }
