// CExtBarNcAreaButtonExpand: expands or contracts its bar in the bar's row.
#include "toolkit/docking/ExtBarNcAreaButtonExpand.h"
#include "toolkit/docking/ExtControlBar.h"

IMPLEMENT_DYNCREATE(CExtBarNcAreaButtonExpand, CExtBarNcAreaButton)

CExtBarNcAreaButtonExpand::CExtBarNcAreaButtonExpand(CExtControlBar* pBar) : CExtBarNcAreaButton(pBar) {}

CExtBarNcAreaButtonExpand::~CExtBarNcAreaButtonExpand() {}

void CExtBarNcAreaButtonExpand::LayoutRect(CExtBarNcAreaButton* pPrevBtn) { CExtBarNcAreaButton::LayoutRect(pPrevBtn); }

bool CExtBarNcAreaButtonExpand::IsVisible() const
{
    return CExtBarNcAreaButton::IsVisible() && !IsBarAutoHideMode() && !IsBarFixedSize() && !IsBarFloating();
}

bool CExtBarNcAreaButtonExpand::Draw(CDC& dc)
{
    if (CExtBarNcAreaButton::Draw(dc))
        return true;
    if (IsBarAutoHideMode() || IsBarAloneInRow())
        m_bfState |= kDisabled;
    else
        m_bfState &= ~kDisabled;
    const bool bExpanded = IsBarExpandedInRow();
    const int nGlyph = IsBarDockedHorizontally() ? (bExpanded ? 5 : 4) : (bExpanded ? 3 : 2);
    PaintButton(dc, nGlyph);
    return false;
}

UINT CExtBarNcAreaButtonExpand::HitTest(const CPoint& point)
{
    if (IsBarAutoHideMode() || IsBarAloneInRow())
        return HTCLIENT;
    return CExtBarNcAreaButton::HitTest(point) == HTCLIENT ? HTCLIENT : HTMINBUTTON;
}

bool CExtBarNcAreaButtonExpand::OnClick(const CPoint& point)
{
    if (!m_rc.PtInRect(point))
        return false;
    m_bfState &= ~(kHover | kPressed);
    if (IsBarAutoHideMode())
        return false;
    if (!IsBarAloneInRow())
    {
        if (m_pBar->IsExpandedInRow())
        {
            m_pBar->ContractInRow();
            return true;
        }
        m_pBar->ExpandInRow();
        m_pBar->SetFocus();
        return true;
    }
    if ((m_pBar->m_bfRuntimeState & CExtControlBar::kStateFocus) == 0)
        m_pBar->SetFocus();
    return true;
}

INT_PTR CExtBarNcAreaButtonExpand::OnToolHitTest(const CPoint& point, TOOLINFO* pTI)
{
    if (IsBarExpandedInRow())
        return DoToolHitTest(point, pTI, 30047, L"Contract");
    return DoToolHitTest(point, pTI, 30046, L"Expand");
}
