// CExtTabMdiFlatWnd: runtime class of the flat MDI tab window.
#include "toolkit/extras/ExtTabMdiFlatWnd.h"

IMPLEMENT_DYNCREATE(CExtTabMdiFlatWnd, CExtTabFlatWnd)

CExtTabMdiFlatWnd::CExtTabMdiFlatWnd() {}

CExtTabMdiFlatWnd::~CExtTabMdiFlatWnd() {}
