// CExtBarButton: class record, construction, rectangle and separator test.
#include "toolkit/bars_tabs/ExtBarButton.h"

IMPLEMENT_DYNCREATE(CExtBarButton, CObject)

CExtBarButton::CExtBarButton(CExtToolControlBar* pBar, UINT nCmdID, UINT nStyle)
    : m_pBar(pBar), m_nCmdID(nCmdID), m_nStyle(nStyle), m_rc(0, 0, 0, 0)
{
    if (nCmdID == 0)
        m_nStyle |= kStyleSeparator;
}

CExtBarButton::~CExtBarButton() {}

CRect CExtBarButton::GetRect() const { return m_rc; }

bool CExtBarButton::IsSeparator() const { return (GetStyle() & kStyleSeparator) != 0; }
