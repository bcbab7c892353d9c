// CExtDockDynBar: class record and construction.
#include "toolkit/docking/ExtDockDynBar.h"

IMPLEMENT_DYNCREATE(CExtDockDynBar, CExtDockBar)

CExtDockDynBar::CExtDockDynBar(UINT nCircle) : CExtDockBar(nCircle) {}

CExtDockDynBar::~CExtDockDynBar() {}
