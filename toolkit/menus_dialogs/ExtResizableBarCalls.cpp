// What the resizable windows ask of the toolkit bars: answered by the bar classes themselves.
#include "toolkit/menus_dialogs/ExtResizableBarCalls.h"
#include "toolkit/bars_tabs/ExtDynAutoHideSlider.h"
#include "toolkit/docking/ExtControlBar.h"

bool ExtIsKeyHandlingBarHost(CWnd* pWnd)
{
    return pWnd != nullptr &&
           (pWnd->IsKindOf(RUNTIME_CLASS(CExtControlBar)) || pWnd->IsKindOf(RUNTIME_CLASS(CExtDynAutoHideSlider)));
}

bool ExtPreTranslateChildBars(CWnd* pWnd, MSG* pMsg) { return CExtControlBar::PreTranslateChildBars(pWnd, pMsg); }

void ExtUpdateChildBarsCmdUI(CWnd* pWnd) { CExtControlBar::UpdateChildBarsCmdUI(pWnd, false); }
