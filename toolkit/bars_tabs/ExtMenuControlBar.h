// Stand-in: class record and the members read so far.
// CExtMenuControlBar: the menu bar that replaces the frame's menu; so far its bases and the full-row answer.
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
