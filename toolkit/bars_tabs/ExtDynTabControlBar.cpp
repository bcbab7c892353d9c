// CExtDynTabControlBar: class record, construction and the selected bar.
#include "toolkit/bars_tabs/ExtDynTabControlBar.h"

IMPLEMENT_DYNCREATE(CExtDynTabControlBar, CExtDynControlBar)

CExtDynTabControlBar::CExtDynTabControlBar() : m_nSelIndex(-1), m_nTrackedTabIndex(-1) {}

CExtDynTabControlBar::~CExtDynTabControlBar() {}

CControlBar* CExtDynTabControlBar::GetSelectedBar() const
{
    return nullptr; // no tabs until the tab strip holds bars
}
