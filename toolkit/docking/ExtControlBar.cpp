// CExtControlBar: class record, construction and the dock-side tests.
#include "toolkit/docking/ExtControlBar.h"
#include "platform/DockBar.h"
#include "platform/FrameWnd.h"

IMPLEMENT_DYNAMIC(CExtControlBar, CControlBar)

CExtControlBar::CExtControlBar() {}

CExtControlBar::~CExtControlBar() {}

void CExtControlBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    (void)pTarget;
    (void)bDisableIfNoHndler;
}

UINT CExtControlBar::GetDockBarId(const CControlBar* pBar)
{
    if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr)
        return kDockBarFloat;
    CWnd* pParent = pBar->GetParent();
    if (pParent == nullptr || !pParent->IsKindOf(RUNTIME_CLASS(CDockBar)))
        return kDockBarFloat;
    if (static_cast<CDockBar*>(pParent)->m_bFloating)
        return kDockBarFloat;
    return (UINT)pParent->GetDlgCtrlID();
}

bool CExtControlBar::IsDockedHorizontally(const CControlBar* pBar)
{
    if (pBar == nullptr)
        return false;
    if (pBar->m_pDockSite == nullptr)
        return (pBar->m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    UINT nId = GetDockBarId(pBar);
    return nId == kDockBarTop || nId == kDockBarBottom;
}

bool CExtControlBar::IsDockedVertically(const CControlBar* pBar)
{
    if (pBar == nullptr)
        return false;
    if (pBar->m_pDockSite == nullptr)
        return (pBar->m_dwStyle & CBRS_ORIENT_VERT) != 0;
    UINT nId = GetDockBarId(pBar);
    return nId == kDockBarLeft || nId == kDockBarRight;
}

bool CExtControlBar::IsDocked(const CControlBar* pBar)
{
    if (pBar == nullptr)
        return false;
    if (pBar->m_pDockSite == nullptr)
        return true;
    UINT nId = GetDockBarId(pBar);
    return nId >= kDockBarTop && nId <= kDockBarBottom;
}

bool CExtControlBar::IsFloating(const CControlBar* pBar)
{
    if (pBar == nullptr || IsDocked(pBar))
        return false;
    return pBar->GetSafeHwnd() != nullptr && pBar->GetParentFrame() != nullptr;
}
