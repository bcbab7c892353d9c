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

    // Makes the parent's placeholder control nID the bar, loads resource 149 and drops the
    // gripper; FALSE when the placeholder or the resource is missing.
    BOOL CreateComposeBar(CWnd* pParent, UINT nID);
};
