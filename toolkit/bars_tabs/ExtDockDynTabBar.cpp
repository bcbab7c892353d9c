// CExtDockDynTabBar: class record and construction.
#include "toolkit/bars_tabs/ExtDockDynTabBar.h"

IMPLEMENT_DYNCREATE(CExtDockDynTabBar, CExtDockDynBar)

CExtDockDynTabBar::CExtDockDynTabBar() {}

CExtDockDynTabBar::~CExtDockDynTabBar() {}
