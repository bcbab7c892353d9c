// Stand-in: class record and the members read so far.
// CExtDockDynTabBar: the inner dock bar of a tabbed group of bars; so far its runtime class.
#pragma once
#include "toolkit/docking/ExtDockDynBar.h"

class CExtDockDynTabBar : public CExtDockDynBar
{
    DECLARE_DYNCREATE(CExtDockDynTabBar)
public:
    CExtDockDynTabBar();
    ~CExtDockDynTabBar() override;
};
