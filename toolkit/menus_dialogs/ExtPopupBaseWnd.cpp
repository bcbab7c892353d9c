// CExtPopupBaseWnd: class record and construction.
#include "toolkit/menus_dialogs/ExtPopupBaseWnd.h"

IMPLEMENT_DYNCREATE(CExtPopupBaseWnd, CWnd)

CExtPopupBaseWnd::CExtPopupBaseWnd() {}

CExtPopupBaseWnd::~CExtPopupBaseWnd() {}
