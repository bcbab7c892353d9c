// Stand-in: class record and the members read so far.
// CExtDockOuterBar: the outer dock bar (circle 0) that replaces a frame's edge dock bars; so far its runtime class.
#pragma once
#include "toolkit/docking/ExtDockBar.h"

class CExtDockOuterBar : public CExtDockBar
{
    DECLARE_DYNCREATE(CExtDockOuterBar)
public:
    CExtDockOuterBar();
    ~CExtDockOuterBar() override;
};
