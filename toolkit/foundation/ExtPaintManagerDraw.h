// Drawing helpers shared by the paint manager's painters: brush fills, rectangle arithmetic, tab labels and a
// guard that gives a DC back in the state it was found in. None of them changes the DC's state. Solid fills and
// frames are the DC's own (CDC::FillSolidRect, CDC::Draw3dRect).
#pragma once
#include "platform/Core.h"
#include "platform/Dc.h"
#include "platform/Geometry.h"

namespace extpaint
{

inline void FillBrush(HDC hDC, const RECT& rc, HBRUSH hBrush)
{
    if (rc.right > rc.left && rc.bottom > rc.top && hBrush != nullptr)
        ::FillRect(hDC, &rc, hBrush);
}

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
