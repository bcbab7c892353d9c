// Stand-in: class record and the members read so far.
// CExtBarMdiRightButton: the menu bar's button of a maximized MDI child's caption buttons.
#pragma once
#include "toolkit/bars_tabs/ExtBarMdiDocButton.h"

class CExtBarMdiRightButton : public CExtBarMdiDocButton
{
    DECLARE_DYNCREATE(CExtBarMdiRightButton)
public:
    explicit CExtBarMdiRightButton(CExtToolControlBar* pBar = nullptr, UINT nCmdID = 0, UINT nStyle = 0);
    ~CExtBarMdiRightButton() override;
};
