// CColourLabel: a text control drawn with its own text and background colours.
#pragma once
#include "platform/Platform.h"

class CColourLabel : public CStatic
{
public:
    CColourLabel();
    ~CColourLabel() override;

    // Stores the colour, makes the background brush of it and repaints.
    void SetBkColour(COLORREF clr);
    // Stores the colour and repaints.
    void SetTextColour(COLORREF clr);
    COLORREF GetBkColour() const { return m_clrBk; }
    COLORREF GetTextColour() const { return m_clrText; }

protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()

    COLORREF m_clrText;
    COLORREF m_clrBk;
    CBrush m_brBk; // none until a background colour is set
};
