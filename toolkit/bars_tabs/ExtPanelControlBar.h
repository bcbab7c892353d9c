// CExtPanelControlBar: the panel bar, a tool bar in panel mode.
#pragma once
#include "toolkit/bars_tabs/ExtToolControlBar.h"

class CExtPanelControlBar : public CExtToolControlBar
{
    DECLARE_DYNCREATE(CExtPanelControlBar)
public:
    CExtPanelControlBar();
    ~CExtPanelControlBar() override;
};
