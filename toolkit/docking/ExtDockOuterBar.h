// CExtDockOuterBar: the outer dock bar (circle 0) that replaces a frame's edge dock bars.
#pragma once
#include "toolkit/docking/ExtDockBar.h"

class CExtDockOuterBar : public CExtDockBar
{
    DECLARE_DYNCREATE(CExtDockOuterBar)
public:
    CExtDockOuterBar();
    ~CExtDockOuterBar() override;
};
