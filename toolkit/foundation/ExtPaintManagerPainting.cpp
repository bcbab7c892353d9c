// CExtPaintManager painting slots of the base style; each answers "not handled" until its painter is written.
#include "toolkit/foundation/ExtPaintManager.h"

int CExtPaintManager::PaintAutoHideArea(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam) { return 0; }
