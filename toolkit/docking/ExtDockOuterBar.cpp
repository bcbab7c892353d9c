// CExtDockOuterBar: class record and construction.
#include "toolkit/docking/ExtDockOuterBar.h"

IMPLEMENT_DYNAMIC(CExtDockOuterBar, CExtDockBar)

CExtDockOuterBar::CExtDockOuterBar() {}

CExtDockOuterBar::~CExtDockOuterBar() {}
