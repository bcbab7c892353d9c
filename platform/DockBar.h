// The dock bar: the strip along a frame side (or inside a floating frame) that holds docked bars.
#pragma once
#include "platform/ControlBar.h"

class CDockBar : public CControlBar
{
    DECLARE_DYNAMIC(CDockBar)
public:
    explicit CDockBar(BOOL bFloating = FALSE);

    BOOL m_bFloating; // the dock bar of a floating frame
};
