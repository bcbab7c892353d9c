// Points, sizes and rectangles: thin value types over POINT, SIZE and RECT.
#pragma once
#include <windows.h>

class CSize;
class CRect;

class CPoint : public tagPOINT
{
public:
    CPoint() noexcept
    {
        x = 0;
        y = 0;
    }
    CPoint(int initX, int initY) noexcept
    {
        x = initX;
        y = initY;
    }
    CPoint(POINT pt) noexcept
    {
        x = pt.x;
        y = pt.y;
    }
    CPoint(SIZE sz) noexcept
    {
        x = sz.cx;
        y = sz.cy;
    }
    CPoint(LPARAM dwPoint) noexcept // packed x, y as in a mouse message's lParam
    {
        x = (short)LOWORD(dwPoint);
        y = (short)HIWORD(dwPoint);
    }

    void Offset(int xOffset, int yOffset) noexcept
    {
        x += xOffset;
        y += yOffset;
    }
    void Offset(POINT pt) noexcept
    {
        x += pt.x;
        y += pt.y;
    }
    void Offset(SIZE sz) noexcept
    {
        x += sz.cx;
        y += sz.cy;
    }
    void SetPoint(int X, int Y) noexcept
    {
        x = X;
        y = Y;
    }

    bool operator==(POINT pt) const noexcept { return x == pt.x && y == pt.y; }
    bool operator!=(POINT pt) const noexcept { return !(*this == pt); }
    void operator+=(SIZE sz) noexcept
    {
        x += sz.cx;
        y += sz.cy;
    }
    void operator-=(SIZE sz) noexcept
    {
        x -= sz.cx;
        y -= sz.cy;
    }
    void operator+=(POINT pt) noexcept
    {
        x += pt.x;
        y += pt.y;
    }
    void operator-=(POINT pt) noexcept
    {
        x -= pt.x;
        y -= pt.y;
    }

    CPoint operator+(SIZE sz) const noexcept { return CPoint(x + sz.cx, y + sz.cy); }
    CPoint operator-(SIZE sz) const noexcept { return CPoint(x - sz.cx, y - sz.cy); }
    CPoint operator-() const noexcept { return CPoint(-x, -y); }
    CPoint operator+(POINT pt) const noexcept { return CPoint(x + pt.x, y + pt.y); }
    inline CSize operator-(POINT pt) const noexcept;
    inline CRect operator+(const RECT* lpRect) const noexcept;
    inline CRect operator-(const RECT* lpRect) const noexcept;
};

class CSize : public tagSIZE
{
public:
    CSize() noexcept
    {
        cx = 0;
        cy = 0;
    }
    CSize(int initCX, int initCY) noexcept
    {
        cx = initCX;
        cy = initCY;
    }
    CSize(SIZE sz) noexcept
    {
        cx = sz.cx;
        cy = sz.cy;
    }
    CSize(POINT pt) noexcept
    {
        cx = pt.x;
        cy = pt.y;
    }
    CSize(DWORD dwSize) noexcept
    {
        cx = (short)LOWORD(dwSize);
        cy = (short)HIWORD(dwSize);
    }

    bool operator==(SIZE sz) const noexcept { return cx == sz.cx && cy == sz.cy; }
    bool operator!=(SIZE sz) const noexcept { return !(*this == sz); }
    void operator+=(SIZE sz) noexcept
    {
        cx += sz.cx;
        cy += sz.cy;
    }
    void operator-=(SIZE sz) noexcept
    {
        cx -= sz.cx;
        cy -= sz.cy;
    }
    void SetSize(int CX, int CY) noexcept
    {
        cx = CX;
        cy = CY;
    }

    CSize operator+(SIZE sz) const noexcept { return CSize(cx + sz.cx, cy + sz.cy); }
    CSize operator-(SIZE sz) const noexcept { return CSize(cx - sz.cx, cy - sz.cy); }
    CSize operator-() const noexcept { return CSize(-cx, -cy); }
    CPoint operator+(POINT pt) const noexcept { return CPoint(cx + pt.x, cy + pt.y); }
    CPoint operator-(POINT pt) const noexcept { return CPoint(cx - pt.x, cy - pt.y); }
    inline CRect operator+(const RECT* lpRect) const noexcept;
    inline CRect operator-(const RECT* lpRect) const noexcept;
};

class CRect : public tagRECT
{
public:
    CRect() noexcept { left = top = right = bottom = 0; }
    CRect(int l, int t, int r, int b) noexcept
    {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    CRect(const RECT& src) noexcept { ::CopyRect(this, &src); }
    CRect(const RECT* lpSrc) noexcept { ::CopyRect(this, lpSrc); }
    CRect(POINT point, SIZE size) noexcept
    {
        right = (left = point.x) + size.cx;
        bottom = (top = point.y) + size.cy;
    }
    CRect(POINT topLeft, POINT bottomRight) noexcept
    {
        left = topLeft.x;
        top = topLeft.y;
        right = bottomRight.x;
        bottom = bottomRight.y;
    }

    int Width() const noexcept { return right - left; }
    int Height() const noexcept { return bottom - top; }
    CSize Size() const noexcept { return CSize(right - left, bottom - top); }
    CPoint& TopLeft() noexcept { return *reinterpret_cast<CPoint*>(this); }
    CPoint& BottomRight() noexcept { return *(reinterpret_cast<CPoint*>(this) + 1); }
    const CPoint& TopLeft() const noexcept { return *reinterpret_cast<const CPoint*>(this); }
    const CPoint& BottomRight() const noexcept { return *(reinterpret_cast<const CPoint*>(this) + 1); }
    CPoint CenterPoint() const noexcept { return CPoint((left + right) / 2, (top + bottom) / 2); }
    void SwapLeftRight() noexcept
    {
        LONG t = left;
        left = right;
        right = t;
    }

    operator LPRECT() noexcept { return this; }
    operator LPCRECT() const noexcept { return this; }

    BOOL IsRectEmpty() const noexcept { return ::IsRectEmpty(this); }
    BOOL IsRectNull() const noexcept { return left == 0 && right == 0 && top == 0 && bottom == 0; }
    BOOL PtInRect(POINT point) const noexcept { return ::PtInRect(this, point); }

    void SetRect(int x1, int y1, int x2, int y2) noexcept { ::SetRect(this, x1, y1, x2, y2); }
    void SetRect(POINT topLeft, POINT bottomRight) noexcept
    {
        ::SetRect(this, topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
    }
    void SetRectEmpty() noexcept { ::SetRectEmpty(this); }
    void CopyRect(LPCRECT lpSrcRect) noexcept { ::CopyRect(this, lpSrcRect); }
    BOOL EqualRect(LPCRECT lpRect) const noexcept { return ::EqualRect(this, lpRect); }

    void InflateRect(int x, int y) noexcept { ::InflateRect(this, x, y); }
    void InflateRect(SIZE size) noexcept { ::InflateRect(this, size.cx, size.cy); }
    void InflateRect(LPCRECT lpRect) noexcept
    {
        left -= lpRect->left;
        top -= lpRect->top;
        right += lpRect->right;
        bottom += lpRect->bottom;
    }
    void InflateRect(int l, int t, int r, int b) noexcept
    {
        left -= l;
        top -= t;
        right += r;
        bottom += b;
    }
    void DeflateRect(int x, int y) noexcept { ::InflateRect(this, -x, -y); }
    void DeflateRect(SIZE size) noexcept { ::InflateRect(this, -size.cx, -size.cy); }
    void DeflateRect(LPCRECT lpRect) noexcept
    {
        left += lpRect->left;
        top += lpRect->top;
        right -= lpRect->right;
        bottom -= lpRect->bottom;
    }
    void DeflateRect(int l, int t, int r, int b) noexcept
    {
        left += l;
        top += t;
        right -= r;
        bottom -= b;
    }

    void OffsetRect(int x, int y) noexcept { ::OffsetRect(this, x, y); }
    void OffsetRect(SIZE size) noexcept { ::OffsetRect(this, size.cx, size.cy); }
    void OffsetRect(POINT point) noexcept { ::OffsetRect(this, point.x, point.y); }
    void NormalizeRect() noexcept
    {
        if (left > right)
        {
            LONG t = left;
            left = right;
            right = t;
        }
        if (top > bottom)
        {
            LONG t = top;
            top = bottom;
            bottom = t;
        }
    }
    void MoveToY(int y) noexcept
    {
        bottom = Height() + y;
        top = y;
    }
    void MoveToX(int x) noexcept
    {
        right = Width() + x;
        left = x;
    }
    void MoveToXY(int x, int y) noexcept
    {
        MoveToX(x);
        MoveToY(y);
    }
    void MoveToXY(POINT point) noexcept
    {
        MoveToX(point.x);
        MoveToY(point.y);
    }

    BOOL IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2) noexcept { return ::IntersectRect(this, lpRect1, lpRect2); }
    BOOL UnionRect(LPCRECT lpRect1, LPCRECT lpRect2) noexcept { return ::UnionRect(this, lpRect1, lpRect2); }
    BOOL SubtractRect(LPCRECT lpRectSrc1, LPCRECT lpRectSrc2) noexcept
    {
        return ::SubtractRect(this, lpRectSrc1, lpRectSrc2);
    }

    CRect& operator=(const RECT& src) noexcept
    {
        ::CopyRect(this, &src);
        return *this;
    }
    bool operator==(const RECT& rect) const noexcept { return ::EqualRect(this, &rect) != FALSE; }
    bool operator!=(const RECT& rect) const noexcept { return !(*this == rect); }
    void operator+=(POINT point) noexcept { OffsetRect(point); }
    void operator+=(SIZE size) noexcept { OffsetRect(size); }
    void operator+=(LPCRECT lpRect) noexcept { InflateRect(lpRect); }
    void operator-=(POINT point) noexcept { OffsetRect(-point.x, -point.y); }
    void operator-=(SIZE size) noexcept { OffsetRect(-size.cx, -size.cy); }
    void operator-=(LPCRECT lpRect) noexcept { DeflateRect(lpRect); }
    void operator&=(const RECT& rect) noexcept { ::IntersectRect(this, this, &rect); }
    void operator|=(const RECT& rect) noexcept { ::UnionRect(this, this, &rect); }

    CRect operator+(POINT pt) const noexcept
    {
        CRect r(*this);
        r.OffsetRect(pt);
        return r;
    }
    CRect operator-(POINT pt) const noexcept
    {
        CRect r(*this);
        r.OffsetRect(-pt.x, -pt.y);
        return r;
    }
    CRect operator+(SIZE sz) const noexcept
    {
        CRect r(*this);
        r.OffsetRect(sz);
        return r;
    }
    CRect operator-(SIZE sz) const noexcept
    {
        CRect r(*this);
        r.OffsetRect(-sz.cx, -sz.cy);
        return r;
    }
    CRect operator+(LPCRECT lpRect) const noexcept
    {
        CRect r(*this);
        r.InflateRect(lpRect);
        return r;
    }
    CRect operator-(LPCRECT lpRect) const noexcept
    {
        CRect r(*this);
        r.DeflateRect(lpRect);
        return r;
    }
    CRect operator&(const RECT& rect2) const noexcept
    {
        CRect r;
        ::IntersectRect(&r, this, &rect2);
        return r;
    }
    CRect operator|(const RECT& rect2) const noexcept
    {
        CRect r;
        ::UnionRect(&r, this, &rect2);
        return r;
    }
};

inline CSize CPoint::operator-(POINT pt) const noexcept { return CSize(x - pt.x, y - pt.y); }
inline CRect CPoint::operator+(const RECT* lpRect) const noexcept { return CRect(lpRect) + *this; }
inline CRect CPoint::operator-(const RECT* lpRect) const noexcept { return CRect(lpRect) - *this; }
inline CRect CSize::operator+(const RECT* lpRect) const noexcept { return CRect(lpRect) + *this; }
inline CRect CSize::operator-(const RECT* lpRect) const noexcept { return CRect(lpRect) - *this; }
