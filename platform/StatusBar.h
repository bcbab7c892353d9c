// The status bar: the frame's bottom strip of panes.
#pragma once
#include "platform/ControlBar.h"
#include "res/platform_ids.h"

class CStatusBar : public CControlBar
{
    DECLARE_DYNAMIC(CStatusBar)
public:
    CStatusBar();

    // Creates the bar as a child of pParentWnd along its bottom (id AFX_IDW_STATUS_BAR).
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                        UINT nID = AFX_IDW_STATUS_BAR);
};
