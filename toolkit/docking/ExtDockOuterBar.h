// CExtDockOuterBar: the outer dock bar that replaces a frame's edge dock bars.
#pragma once
#include "toolkit/docking/ExtDockBar.h"

class CExtDockOuterBar : public CExtDockBar
{
    DECLARE_DYNAMIC(CExtDockOuterBar)
public:
    CExtDockOuterBar();
    ~CExtDockOuterBar() override;
};
