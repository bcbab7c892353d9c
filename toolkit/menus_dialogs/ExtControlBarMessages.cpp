// The registered messages by which bars and tool bars talk to the controls on them.
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/docking/ExtControlBar.h"

const UINT CExtControlBar::g_nMsgPutToPopupMenu = ::RegisterWindowMessageW(L"CExtControlBar::g_nMsgPutToPopupMenu");

const UINT CExtToolControlBar::g_nMsgContinueTrackMenu =
    ::RegisterWindowMessageW(L"CExtToolControlBar::g_nMsgContinueTrackMenu");
