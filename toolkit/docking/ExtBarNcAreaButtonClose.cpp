// CExtBarNcAreaButtonClose: hides its bar.
#include "toolkit/docking/ExtBarNcAreaButtonClose.h"
#include "platform/FrameWnd.h"
#include "toolkit/docking/ExtDockingKindOf.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDockDynBar.h"
#include "toolkit/docking/ExtDynControlBar.h"
#include <vector>

IMPLEMENT_DYNCREATE(CExtBarNcAreaButtonClose, CExtBarNcAreaButton)

CExtBarNcAreaButtonClose::CExtBarNcAreaButtonClose(CExtControlBar* pBar) : CExtBarNcAreaButton(pBar) {}

CExtBarNcAreaButtonClose::~CExtBarNcAreaButtonClose() {}

void CExtBarNcAreaButtonClose::LayoutRect(CExtBarNcAreaButton* pPrevBtn) { CExtBarNcAreaButton::LayoutRect(pPrevBtn); }

bool CExtBarNcAreaButtonClose::IsVisible() const
{
    if (!CExtBarNcAreaButton::IsVisible())
        return false;
    return !IsBarFixedSize() || IsBarFloating();
}

bool CExtBarNcAreaButtonClose::Draw(CDC& dc)
{
    if (CExtBarNcAreaButton::Draw(dc))
        return true;
    PaintButton(dc, 1);
    return false;
}

UINT CExtBarNcAreaButtonClose::HitTest(const CPoint& point)
{
    return CExtBarNcAreaButton::HitTest(point) == HTCLIENT ? HTCLIENT : HTMINBUTTON;
}

bool CExtBarNcAreaButtonClose::OnClick(const CPoint& point)
{
    if (!m_rc.PtInRect(point))
        return false;
    m_bfState &= ~(kHover | kPressed);
    if (m_pBar->IsAutoHideMode() && !m_pBar->IsFixedSize())
        m_pBar->SwitchAutoHide(false, false, true, false);
    CControlBar* pBarToHide = m_pBar;
    if (!IsBarFloating())
    {
        if (CControlBar* pSel = CExtDockingKindOf::SelectedBarOf(m_pBar))
            pBarToHide = pSel;
    }
    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame != nullptr && IsBarFloating() && CExtDockingKindOf::IsDynTabControlBar(m_pBar))
    {
        // A floating group closes its bars with it: none counts as shown while the group is closed, and one shown
        // again by its command comes back alone. By window: a hide lets handlers run.
        const HWND hGroup = m_pBar->GetSafeHwnd();
        CArray<CExtControlBar*, CExtControlBar*> arrBars;
        if (CExtDockDynBar* pInner = static_cast<CExtDynControlBar*>(m_pBar)->m_pWndDynDocker)
            pInner->CollectBars(arrBars);
        std::vector<HWND> bars;
        for (INT_PTR i = 0; i < arrBars.GetSize(); ++i)
            bars.push_back(arrBars[i]->GetSafeHwnd());
        for (HWND hBar : bars)
        {
            CControlBar* pMember = DYNAMIC_DOWNCAST(CControlBar, CWnd::FromHandlePermanent(hBar));
            if (pMember != nullptr && ::IsWindow(hBar) && pMember->IsVisible())
                pFrame->ShowControlBar(pMember, FALSE, FALSE);
        }
        if (!::IsWindow(hGroup) || CWnd::FromHandlePermanent(hGroup) != pBarToHide)
            return true;
    }
    if (pFrame != nullptr && !m_pBar->IsDialogMode())
        pFrame->ShowControlBar(pBarToHide, FALSE, FALSE);
    else
        pBarToHide->ShowWindow(SW_HIDE); // a bar on a dialog has no frame to hide it
    return true;
}

INT_PTR CExtBarNcAreaButtonClose::OnToolHitTest(const CPoint& point, TOOLINFO* pTI)
{
    return DoToolHitTest(point, pTI, kTipTextID, kTipDefault);
}
