// Drawing primitives shared by the paint manager's painters: solid fills, one- and two-colour frames,
// tab labels and a guard that gives a DC back in the state it was found in. None of them changes the
// DC's state.
#pragma once
#include "platform/Core.h"
#include "platform/Dc.h"
#include "platform/Geometry.h"

namespace extpaint
{

// Fills rc with clr (an opaque empty text output; the DC's background colour is restored).
inline void FillSolid(HDC hDC, const RECT& rc, COLORREF clr)
{
    if (rc.right <= rc.left || rc.bottom <= rc.top)
        return;
    const COLORREF clrOld = ::SetBkColor(hDC, clr);
    ::ExtTextOutW(hDC, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
    ::SetBkColor(hDC, clrOld);
}

inline void FillSolid(HDC hDC, int x, int y, int cx, int cy, COLORREF clr)
{
    const RECT rc = {x, y, x + cx, y + cy};
    FillSolid(hDC, rc, clr);
}

inline void FillBrush(HDC hDC, const RECT& rc, HBRUSH hBrush)
{
    if (rc.right > rc.left && rc.bottom > rc.top && hBrush != nullptr)
        ::FillRect(hDC, &rc, hBrush);
}

// A one-pixel frame: top and left rows in clrTopLeft, bottom and right in clrBottomRight (the
// top-right and bottom-left corner pixels belong to the bottom-right colour).
inline void Frame3d(HDC hDC, const RECT& rc, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    if (cx <= 0 || cy <= 0)
        return;
    FillSolid(hDC, rc.left, rc.top, cx - 1, 1, clrTopLeft);
    FillSolid(hDC, rc.left, rc.top, 1, cy - 1, clrTopLeft);
    FillSolid(hDC, rc.right - 1, rc.top, 1, cy, clrBottomRight);
    FillSolid(hDC, rc.left, rc.bottom - 1, cx, 1, clrBottomRight);
}

inline void Frame(HDC hDC, const RECT& rc, COLORREF clr) { Frame3d(hDC, rc, clr, clr); }

inline CRect Deflated(const RECT& rc, int dx, int dy)
{
    return CRect(rc.left + dx, rc.top + dy, rc.right - dx, rc.bottom - dy);
}

inline bool IsEmptyRect(const RECT& rc) { return rc.right <= rc.left || rc.bottom <= rc.top; }

// Intersects the DC's clip region with hRgn given in logical coordinates (clip regions are kept in
// device coordinates, so the region is moved by the DC's mapping first). The caller keeps hRgn.
inline void IntersectClipLogical(HDC hDC, HRGN hRgn)
{
    POINT pt = {0, 0};
    ::LPtoDP(hDC, &pt, 1);
    ::OffsetRgn(hRgn, pt.x, pt.y);
    ::ExtSelectClipRgn(hDC, hRgn, RGN_AND);
    ::OffsetRgn(hRgn, -pt.x, -pt.y);
}

// A tab's label in clrText: centred on one line (cut with an ellipsis) across a horizontal tab; on a
// vertical one, drawn from the baseline near the top in the font given (a rotated one), clipped to rcText.
inline void DrawTabLabel(CDC& dc, CRect rcText, const CString& sText, CFont* pFont, COLORREF clrText, bool bHorz)
{
    const COLORREF clrOldText = dc.SetTextColor(clrText);
    const int nOldMode = dc.SetBkMode(TRANSPARENT);
    CFont* pOldFont = pFont != nullptr ? dc.SelectObject(pFont) : nullptr;
    const UINT nOldAlign = dc.GetTextAlign();
    if (bHorz)
        dc.DrawText(sText, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    else
    {
        dc.SetTextAlign(TA_BASELINE);
        dc.ExtTextOut(rcText.CenterPoint().x, rcText.top + 4, ETO_CLIPPED, &rcText, sText, sText.GetLength(), nullptr);
    }
    dc.SetTextAlign(nOldAlign);
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
    dc.SetBkMode(nOldMode);
    dc.SetTextColor(clrOldText);
}

// Saves the DC's whole state and restores it when it goes out of scope.
class ScopedDCState
{
public:
    explicit ScopedDCState(HDC hDC) : m_hDC(hDC), m_nSaved(::SaveDC(hDC)) {}
    ~ScopedDCState()
    {
        if (m_nSaved != 0)
            ::RestoreDC(m_hDC, m_nSaved);
    }
    ScopedDCState(const ScopedDCState&) = delete;
    ScopedDCState& operator=(const ScopedDCState&) = delete;

private:
    HDC m_hDC;
    int m_nSaved;
};

} // namespace extpaint
