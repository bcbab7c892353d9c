// CMainControlBar: the caption buttons of the main frame's resizable bars.
#include "app/MainControlBar.h"
#include "toolkit/docking/ExtBarNcAreaButtonAutoHide.h"
#include "toolkit/docking/ExtBarNcAreaButtonMenu.h"

void CMainControlBar::CreateDefaultNcButtons()
{
    if (NcButtonGetCount() != 0)
        return;
    NcButtonAdd(new CExtBarNcAreaButtonAutoHide(this));
    NcButtonAdd(new CExtBarNcAreaButtonMenu(this));
}
