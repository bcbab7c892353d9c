// CExtStatusControlBar: the toolkit status bar; alone forwards system events for its frame.
#pragma once
#include "platform/StatusBar.h"

class CExtStatusControlBar : public CStatusBar
{
    DECLARE_DYNCREATE(CExtStatusControlBar)
public:
    CExtStatusControlBar();
    ~CExtStatusControlBar() override;
};
