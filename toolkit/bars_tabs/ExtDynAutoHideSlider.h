// Stand-in: class record and the members read so far.
// CExtDynAutoHideSlider: the window that slides an auto-hidden bar out of its strip; so far its runtime class.
#pragma once
#include "platform/Wnd.h"

class CExtDynAutoHideSlider : public CWnd
{
    DECLARE_DYNCREATE(CExtDynAutoHideSlider)
public:
    CExtDynAutoHideSlider();
    ~CExtDynAutoHideSlider() override;
};
