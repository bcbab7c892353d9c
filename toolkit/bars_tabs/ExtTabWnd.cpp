// CExtTabWnd: class record and the MDI-tab query.
#include "toolkit/bars_tabs/ExtTabWnd.h"

IMPLEMENT_DYNCREATE(CExtTabWnd, CWnd)

CExtTabWnd::CExtTabWnd() {}

CExtTabWnd::~CExtTabWnd() {}

bool CExtTabWnd::IsMdiTabWindow() const
{
    return false;
}
