// CExtMenuControlBar: class record and construction.
#include "toolkit/bars_tabs/ExtMenuControlBar.h"

IMPLEMENT_DYNCREATE(CExtMenuControlBar, CExtToolControlBar)

CExtMenuControlBar::CExtMenuControlBar() {}

CExtMenuControlBar::~CExtMenuControlBar() {}

bool CExtMenuControlBar::IsFullRowBar() const { return true; }
