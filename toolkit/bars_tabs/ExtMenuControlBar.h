// CExtMenuControlBar: the menu bar that replaces the frame's menu.
#pragma once
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/foundation/ExtHookSink.h"

class CExtMenuControlBar : public CExtToolControlBar, public CExtHookSink
{
    DECLARE_DYNCREATE(CExtMenuControlBar)
public:
    CExtMenuControlBar();
    ~CExtMenuControlBar() override;

    bool IsFullRowBar() const override;
};
