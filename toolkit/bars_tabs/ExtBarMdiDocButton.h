// Stand-in: class record and the members read so far.
// CExtBarMdiDocButton: the menu bar's button of a maximized MDI child's icon and system menu.
#pragma once
#include "toolkit/bars_tabs/ExtBarButton.h"

class CExtBarMdiDocButton : public CExtBarButton
{
    DECLARE_DYNCREATE(CExtBarMdiDocButton)
public:
    explicit CExtBarMdiDocButton(CExtToolControlBar* pBar = nullptr, UINT nCmdID = 0, UINT nStyle = 0);
    ~CExtBarMdiDocButton() override;
};
