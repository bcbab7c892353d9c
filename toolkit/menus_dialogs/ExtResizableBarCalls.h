// What the resizable windows ask of the toolkit bars they hold or sit in: the one place of
// menus_dialogs' resizable windows that reaches the bar folders above it.
#pragma once
#include "platform/Wnd.h"

// True when the window's object is a control bar or an auto-hidden bar's slider, whose key
// handling a dialog inside it lets go first.
bool ExtIsKeyHandlingBarHost(CWnd* pWnd);
// Offers the message to each child control bar of pWnd; true at the first that takes it.
bool ExtPreTranslateChildBars(CWnd* pWnd, MSG* pMsg);
// Runs the command-UI update of each child control bar of pWnd.
void ExtUpdateChildBarsCmdUI(CWnd* pWnd);
