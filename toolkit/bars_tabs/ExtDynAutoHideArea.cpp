// CExtDynAutoHideArea: class record.
#include "toolkit/bars_tabs/ExtDynAutoHideArea.h"

IMPLEMENT_DYNCREATE(CExtDynAutoHideArea, CExtTabWnd)

CExtDynAutoHideArea::CExtDynAutoHideArea() {}

CExtDynAutoHideArea::~CExtDynAutoHideArea() {}
