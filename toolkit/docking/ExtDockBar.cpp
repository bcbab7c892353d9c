// CExtDockBar: class record and construction.
#include "toolkit/docking/ExtDockBar.h"

IMPLEMENT_DYNAMIC(CExtDockBar, CDockBar)

CExtDockBar::CExtDockBar(BOOL bFloating) : CDockBar(bFloating) {}

CExtDockBar::~CExtDockBar() {}
