// CColourLabel: text and background colours answered to the parent's colour request.
#include "app/ColourLabel.h"

BEGIN_MESSAGE_MAP(CColourLabel, CStatic)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CColourLabel::CColourLabel() : m_clrText(0), m_clrBk(::GetSysColor(COLOR_BTNFACE)) {}

CColourLabel::~CColourLabel() {}

void CColourLabel::SetBkColour(COLORREF clr)
{
    m_clrBk = clr;
    m_brBk.DeleteObject();
    m_brBk.CreateSolidBrush(clr);
    if (GetSafeHwnd() != nullptr)
        Invalidate();
}

void CColourLabel::SetTextColour(COLORREF clr)
{
    m_clrText = clr;
    if (GetSafeHwnd() != nullptr)
        Invalidate();
}

HBRUSH CColourLabel::CtlColor(CDC* pDC, UINT)
{
    // Without a background colour the parent's default drawing stays.
    if (m_brBk.GetSafeHandle() == nullptr)
        return nullptr;
    pDC->SetTextColor(m_clrText);
    pDC->SetBkColor(m_clrBk);
    return (HBRUSH)m_brBk.GetSafeHandle();
}
