// CExtMiniDockFrameWnd: the floating frame of toolkit bars.
#pragma once
#include "platform/MiniDockFrameWnd.h"
#include "toolkit/bars_tabs/ExtMouseCaptureSink.h"

class CExtMiniDockFrameWnd : public CMiniDockFrameWnd, public CExtMouseCaptureSink
{
    DECLARE_DYNCREATE(CExtMiniDockFrameWnd)
public:
    CExtMiniDockFrameWnd();
    ~CExtMiniDockFrameWnd() override;
};
