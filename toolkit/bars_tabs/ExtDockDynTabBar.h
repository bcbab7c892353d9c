// CExtDockDynTabBar: the inner dock bar of a tabbed group of bars.
#pragma once
#include "toolkit/docking/ExtDockDynBar.h"

class CExtDockDynTabBar : public CExtDockDynBar
{
    DECLARE_DYNCREATE(CExtDockDynTabBar)
public:
    CExtDockDynTabBar();
    ~CExtDockDynTabBar() override;
};
