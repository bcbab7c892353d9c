// CExtToolControlBar: class record, construction and the group-background record.
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/menus_dialogs/ExtPopupMenuTrackingSite.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

IMPLEMENT_DYNCREATE(CExtToolControlBar, CExtControlBar)

CExtToolControlBar::CExtToolControlBar() : m_nBarFlags(kBarFlagPanelsMenu)
{
    m_bfBarFlags = (BYTE)((m_bfBarFlags & ~kBarResizableCaption) | kBarFixedSize);
    m_bfTracking &= ~kTrackRepositionChild;
}

bool CExtToolControlBar::IsLiveDragMode() const { return true; }

bool CExtToolControlBar::IsDockTargetBar() const { return false; }

bool CExtToolControlBar::IsMarkerDockingAllowed() const { return false; }

CExtControlBar::OuterRowPlacement_t* CExtToolControlBar::GetOuterRowPlacement() { return &m_outerRowPlacement; }

void CExtToolControlBar::SetOuterRowPlacement(const OuterRowPlacement_t& placement) { m_outerRowPlacement = placement; }

CExtToolControlBar::~CExtToolControlBar() {}

CExtToolControlBar::GroupBkgndRects::GroupBkgndRects() {}

CExtToolControlBar::GroupBkgndRects::~GroupBkgndRects() {}

// Stand-in: the bar does not yet place child windows in button groups, so Collect finds no group and Paint draws
// nothing; the painters then fill the child's background themselves.
bool CExtToolControlBar::GroupBkgndRects::Collect(CWnd* pChild)
{
    m_arrRects.RemoveAll();
    m_arrButtonIndices.RemoveAll();
    m_pToolBar = nullptr;
    m_pChild = pChild;
    return false;
}

void CExtToolControlBar::GroupBkgndRects::Paint(CDC& dc) { (void)dc; }

// ---- menu tracking -----------------------------------------------------------------------------

bool CExtToolControlBar::g_bMenuTracking = false;
const UINT CExtToolControlBar::g_nMsgContinueTrackMenu =
    ::RegisterWindowMessageW(L"CExtToolControlBar::g_nMsgContinueTrackMenu");

void CExtToolControlBar::CloseTrackingMenus()
{
    g_bMenuTracking = false;
    CExtPopupMenuTrackingSite& site = g_TrackingSite;
    CExtPopupMenuWnd* pPopup = site.GetInstance();
    if (pPopup != nullptr && pPopup->GetSafeHwnd() != nullptr)
        ::PostMessageW(pPopup->GetSafeHwnd(), WM_CANCELMODE, 0, 0);
}

CExtBarButton* CExtToolControlBar::GetButtonPtr(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_buttons.GetSize())
        return nullptr;
    return m_buttons[nIndex];
}
