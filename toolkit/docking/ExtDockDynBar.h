// Stand-in: class record and the members read so far.
// CExtDockDynBar: the inner dock bar of a dynamic container bar; so far its runtime class.
#pragma once
#include "toolkit/docking/ExtDockBar.h"

class CExtDockDynBar : public CExtDockBar
{
    DECLARE_DYNCREATE(CExtDockDynBar)
public:
    explicit CExtDockDynBar(UINT nCircle = 0);
    ~CExtDockDynBar() override;
};
