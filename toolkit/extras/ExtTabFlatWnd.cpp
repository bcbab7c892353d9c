// Stand-in: class record and the members read so far.
// CExtTabFlatWnd: class record.
#include "toolkit/extras/ExtTabFlatWnd.h"

IMPLEMENT_DYNCREATE(CExtTabFlatWnd, CExtTabWnd)

CExtTabFlatWnd::CExtTabFlatWnd() {}

CExtTabFlatWnd::~CExtTabFlatWnd() {}
