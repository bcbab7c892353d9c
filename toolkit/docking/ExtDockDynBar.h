// CExtDockDynBar: the inner dock bar of a dynamic container bar.
#pragma once
#include "toolkit/docking/ExtDockBar.h"

class CExtDockDynBar : public CExtDockBar
{
    DECLARE_DYNCREATE(CExtDockDynBar)
public:
    explicit CExtDockDynBar(UINT nCircle = 0);
    ~CExtDockDynBar() override;
};
