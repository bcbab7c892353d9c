// CComposeToolBar: the compose window's tool bar: tool-bar resource 149 (cut, copy, paste, save to
// "Drafts", save to "Outbox", send; 24 x 24 buttons on RGB(192, 192, 192)) without a gripper.
#pragma once
#include "toolkit/bars_tabs/ExtToolControlBar.h"

class CComposeToolBar : public CExtToolControlBar
{
    DECLARE_DYNAMIC(CComposeToolBar)
public:
    CComposeToolBar();
    ~CComposeToolBar() override;

    // Creates the bar on the parent's top edge, loads resource 149 and drops the gripper; FALSE
    // when the bar or its resource cannot be made.
    BOOL CreateComposeBar(CWnd* pParent, UINT nID);
};
