// The dock bar.
#include "platform/Platform.h"
#include "platform/DockBar.h"

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

CDockBar::CDockBar(BOOL bFloating) : m_bFloating(bFloating) {}
