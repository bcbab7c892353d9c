// Stand-in: class record and the members read so far.
// CExtPanelControlBar: the panel bar, a tool bar in panel mode; so far the panel-mode flag.
#pragma once
#include "toolkit/bars_tabs/ExtToolControlBar.h"

class CExtPanelControlBar : public CExtToolControlBar
{
    DECLARE_DYNCREATE(CExtPanelControlBar)
public:
    CExtPanelControlBar();
    ~CExtPanelControlBar() override;
};
