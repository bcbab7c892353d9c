// CExtDynAutoHideArea: the strip of auto-hidden bars at one edge of a frame.
#pragma once
#include "toolkit/bars_tabs/ExtTabWnd.h"

class CExtDynAutoHideArea : public CExtTabWnd
{
    DECLARE_DYNCREATE(CExtDynAutoHideArea)
public:
    CExtDynAutoHideArea();
    ~CExtDynAutoHideArea() override;
};
