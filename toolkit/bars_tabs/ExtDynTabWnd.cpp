// CExtDynTabWnd: class record.
#include "toolkit/bars_tabs/ExtDynTabWnd.h"

IMPLEMENT_DYNCREATE(CExtDynTabWnd, CExtTabWnd)

CExtDynTabWnd::CExtDynTabWnd() {}

CExtDynTabWnd::~CExtDynTabWnd() {}
