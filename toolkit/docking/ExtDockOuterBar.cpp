// CExtDockOuterBar: class record and construction.
#include "toolkit/docking/ExtDockOuterBar.h"

IMPLEMENT_DYNCREATE(CExtDockOuterBar, CExtDockBar)

CExtDockOuterBar::CExtDockOuterBar() : CExtDockBar(0) {}

CExtDockOuterBar::~CExtDockOuterBar() {}
