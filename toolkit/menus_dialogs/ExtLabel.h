// CExtLabel: a static control that paints its text or icon on the paint manager's background.
#pragma once
#include "platform/Controls.h"

class CExtLabel : public CStatic
{
    DECLARE_DYNCREATE(CExtLabel)
public:
    enum : BYTE
    {
        kFontBold = 0x01,
        kFontItalic = 0x02,
        kFontUnderline = 0x04,
        kFontStrikeOut = 0x08,
    };

    CExtLabel();

    COLORREF GetTextColor(bool bEnabled) const { return bEnabled ? m_clrTextNormal : m_clrTextDisabled; }
    void SetTextColor(bool bEnabled, COLORREF clr) { (bEnabled ? m_clrTextNormal : m_clrTextDisabled) = clr; }
    void SetFontBold(bool bSet) { SetFontFlag(kFontBold, bSet); }
    void SetFontItalic(bool bSet) { SetFontFlag(kFontItalic, bSet); }
    void SetFontUnderline(bool bSet) { SetFontFlag(kFontUnderline, bSet); }
    void SetFontStrikeOut(bool bSet) { SetFontFlag(kFontStrikeOut, bSet); }
    BYTE GetFontFlags() const { return m_nFontFlags; }

    virtual void DrawLabelText(CDC& dc, const RECT& rc, LPCTSTR pszText, UINT nDrawTextFlags, bool bEnabled);
    virtual COLORREF OnQueryTextColor(bool bEnabled);

    // Draw-text flags the label paints its text with, for its current style and text.
    static UINT CalcDrawTextFlags(DWORD dwStyle, const CString& sText);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PaintLabel();
    void SetFontFlag(BYTE nFlag, bool bSet);

    BYTE m_nFontFlags;
    COLORREF m_clrTextNormal;
    COLORREF m_clrTextDisabled;
};

// The font a static control paints with: its own, its parent's, the default GUI font or the
// system font.
HFONT ExtQueryControlFont(HWND hWnd);
