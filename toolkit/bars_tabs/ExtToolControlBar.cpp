// CExtToolControlBar: class record, construction and the group-background record.
#include "toolkit/bars_tabs/ExtToolControlBar.h"

IMPLEMENT_DYNCREATE(CExtToolControlBar, CExtControlBar)

CExtToolControlBar::CExtToolControlBar() : m_nBarFlags(kBarFlagPanelsMenu) {}

CExtToolControlBar::~CExtToolControlBar() {}

CExtToolControlBar::GroupBkgndRects::GroupBkgndRects() {}

CExtToolControlBar::GroupBkgndRects::~GroupBkgndRects() {}

bool CExtToolControlBar::GroupBkgndRects::Collect(CWnd* pChild)
{
    m_arrRects.RemoveAll();
    m_arrButtonIndices.RemoveAll();
    m_pToolBar = nullptr;
    m_pChild = pChild;
    return false;
}

void CExtToolControlBar::GroupBkgndRects::Paint(CDC& dc)
{
    (void)dc;
}
