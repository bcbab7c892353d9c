// CExtPaintManagerXP painting slots; each does what its base class does until its painter is written.
#include "toolkit/foundation/ExtPaintManagerXP.h"

void CExtPaintManagerXP::PaintTabButton(CDC& dc, const RECT& rcButton, LONG nHitTest, bool bTopLeft, bool bBar,
                                        bool bEnabled, bool bHover, bool bPushed, bool bGroupedMode,
                                        CObject* pHelperSrc, LPARAM lParam)
{
    CExtPaintManager::PaintTabButton(dc, rcButton, nHitTest, bTopLeft, bBar, bEnabled, bHover, bPushed, bGroupedMode,
                                     pHelperSrc, lParam);
}
