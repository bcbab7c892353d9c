// CExtTabMdiWnd: class record and the MDI-tab query.
#include "toolkit/bars_tabs/ExtTabMdiWnd.h"

IMPLEMENT_DYNCREATE(CExtTabMdiWnd, CExtTabWnd)

CExtTabMdiWnd::CExtTabMdiWnd() {}

CExtTabMdiWnd::~CExtTabMdiWnd() {}

bool CExtTabMdiWnd::IsMdiTabWindow() const { return true; }
