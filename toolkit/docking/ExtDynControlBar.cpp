// CExtDynControlBar: class record, construction and self-deletion.
#include "toolkit/docking/ExtDynControlBar.h"

IMPLEMENT_DYNCREATE(CExtDynControlBar, CExtControlBar)

CExtDynControlBar::CExtDynControlBar() : m_pWndDynDocker(nullptr) { m_bfBarFlags &= ~kBarInBarsMenu; }

CExtDynControlBar::~CExtDynControlBar() {}

void CExtDynControlBar::PostNcDestroy()
{
    m_pWndDynDocker = nullptr;
    delete this;
}
