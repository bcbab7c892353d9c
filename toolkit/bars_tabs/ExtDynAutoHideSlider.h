// CExtDynAutoHideSlider: the window that slides an auto-hidden bar out of its strip.
#pragma once
#include "platform/Wnd.h"

class CExtDynAutoHideSlider : public CWnd
{
    DECLARE_DYNCREATE(CExtDynAutoHideSlider)
public:
    CExtDynAutoHideSlider();
    ~CExtDynAutoHideSlider() override;
};
