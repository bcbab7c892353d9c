// A control bar with no command-UI pass of its own, for tests that need a bare bar window.
#pragma once
#include "platform/ControlBar.h"

class CPlainControlBar : public CControlBar
{
public:
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
};
