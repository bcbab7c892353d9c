// Stand-in: class record and the members read so far.
// CExtStatusControlBar: the toolkit status bar (alone forwards system events for its frame); so far its runtime
// class.
#pragma once
#include "platform/StatusBar.h"

class CExtStatusControlBar : public CStatusBar
{
    DECLARE_DYNCREATE(CExtStatusControlBar)
public:
    CExtStatusControlBar();
    ~CExtStatusControlBar() override;
};
