// CExtPanelControlBar: class record and construction.
#include "toolkit/bars_tabs/ExtPanelControlBar.h"

IMPLEMENT_DYNCREATE(CExtPanelControlBar, CExtToolControlBar)

CExtPanelControlBar::CExtPanelControlBar() { m_nBarFlags |= kBarFlagPanelMode; }

CExtPanelControlBar::~CExtPanelControlBar() {}
