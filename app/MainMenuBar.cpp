// CMainMenuBar: the tool bar's off-screen painting with an opaque text background.
#include "app/MainMenuBar.h"
#include "platform/Dc.h"

void CMainMenuBar::DoPaint(CDC* pDC)
{
    // The tool bar's painting with an opaque background behind the button texts.
    PaintBar(pDC, OPAQUE);
}
