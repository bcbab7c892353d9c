// CExtDockBar: the toolkit dock bar.
#pragma once
#include "platform/DockBar.h"

class CExtDockBar : public CDockBar
{
    DECLARE_DYNAMIC(CExtDockBar)
public:
    explicit CExtDockBar(BOOL bFloating = FALSE);
    ~CExtDockBar() override;
};
