// CExtStatusControlBar: class record and construction.
#include "toolkit/bars_tabs/ExtStatusControlBar.h"

IMPLEMENT_DYNCREATE(CExtStatusControlBar, CStatusBar)

CExtStatusControlBar::CExtStatusControlBar() {}

CExtStatusControlBar::~CExtStatusControlBar() {}
