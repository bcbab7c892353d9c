// CExtDynTabControlBar: class record, construction, the selected bar, the inner dock bar and
// inserting bars.
#include "toolkit/bars_tabs/ExtDynTabControlBar.h"
#include "platform/FrameWnd.h"
#include "toolkit/bars_tabs/ExtDockDynTabBar.h"

IMPLEMENT_DYNCREATE(CExtDynTabControlBar, CExtDynControlBar)

CExtDynTabControlBar::CExtDynTabControlBar() : m_nSelIndex(-1), m_nTrackedTabIndex(-1) {}

CExtDynTabControlBar::~CExtDynTabControlBar() {}

CControlBar* CExtDynTabControlBar::GetSelectedBar() const
{
    return nullptr; // no tabs until the tab strip holds bars
}

CExtDockDynBar* CExtDynTabControlBar::CreateInnerDockBar() { return new CExtDockDynTabBar; }

void CExtDynTabControlBar::InsertBar(CExtControlBar* pBar, int nIndex, bool bRecalc)
{
    (void)nIndex;
    if (pBar == nullptr || m_pWndDynDocker == nullptr || m_pWndDynDocker->GetSafeHwnd() == nullptr)
        return;
    m_pWndDynDocker->DockBarInto(pBar, nullptr, false);
    if (bRecalc)
    {
        if (CFrameWnd* pFrame = GetDockingFrame())
            pFrame->RecalcLayout();
    }
}

void CExtDynTabControlBar::RepositionChildWindow(int cx, int cy, bool bRepaint)
{
    CExtDynControlBar::RepositionChildWindow(cx, cy, bRepaint);
    if (m_pWndDynDocker != nullptr && m_pWndDynDocker->GetSafeHwnd() != nullptr)
        m_pWndDynDocker->RecalcInnerRows();
}

void CExtDynTabControlBar::InsertTemporaryBar(CExtControlBar* pBar, int nIndex, bool bUpdate)
{
    (void)pBar;
    (void)nIndex;
    (void)bUpdate;
}
