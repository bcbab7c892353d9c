// CExtBarNcAreaButtonAutoHide: switches its bar into and out of auto-hide mode.
#include "toolkit/docking/ExtBarNcAreaButtonAutoHide.h"
#include "platform/FrameWnd.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"

IMPLEMENT_DYNCREATE(CExtBarNcAreaButtonAutoHide, CExtBarNcAreaButton)

CExtBarNcAreaButtonAutoHide::CExtBarNcAreaButtonAutoHide(CExtControlBar* pBar) : CExtBarNcAreaButton(pBar) {}

CExtBarNcAreaButtonAutoHide::~CExtBarNcAreaButtonAutoHide() {}

void CExtBarNcAreaButtonAutoHide::LayoutRect(CExtBarNcAreaButton* pPrevBtn)
{
    CExtBarNcAreaButton::LayoutRect(pPrevBtn);
    if (!IsBarAutoHideMode())
        m_bfState &= ~(kHover | kPressed);
}

bool CExtBarNcAreaButtonAutoHide::IsVisible() const
{
    if (!CExtBarNcAreaButton::IsVisible() || IsBarFixedSize() || IsBarFloating())
        return false;
    CExtDockBar* pDockBar = DYNAMIC_DOWNCAST(CExtDockBar, m_pBar->GetParent());
    if (pDockBar == nullptr || pDockBar->GetAutoHideArea() == nullptr)
        return false;
    CFrameWnd* pParentFrame = m_pBar->GetParentFrame();
    return pParentFrame == nullptr || !pParentFrame->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd));
}

bool CExtBarNcAreaButtonAutoHide::Draw(CDC& dc)
{
    if (CExtBarNcAreaButton::Draw(dc))
        return true;
    PaintButton(dc, IsBarAutoHideMode() ? 11 : 10);
    return false;
}

UINT CExtBarNcAreaButtonAutoHide::HitTest(const CPoint& point)
{
    return CExtBarNcAreaButton::HitTest(point) == HTCLIENT ? HTCLIENT : HTMINBUTTON;
}

bool CExtBarNcAreaButtonAutoHide::OnClick(const CPoint& point)
{
    if (!m_rc.PtInRect(point))
        return false;
    m_bfState &= ~(kHover | kPressed);
    m_pBar->SwitchAutoHide(!m_pBar->IsAutoHideMode());
    return true;
}

INT_PTR CExtBarNcAreaButtonAutoHide::OnToolHitTest(const CPoint& point, TOOLINFO* pTI)
{
    return DoToolHitTest(point, pTI, kTipTextID, kTipDefault);
}
