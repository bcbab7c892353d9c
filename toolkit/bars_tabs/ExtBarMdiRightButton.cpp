// CExtBarMdiRightButton: class record and construction.
#include "toolkit/bars_tabs/ExtBarMdiRightButton.h"

IMPLEMENT_DYNCREATE(CExtBarMdiRightButton, CExtBarMdiDocButton)

CExtBarMdiRightButton::CExtBarMdiRightButton(CExtToolControlBar* pBar, UINT nCmdID, UINT nStyle)
    : CExtBarMdiDocButton(pBar, nCmdID, nStyle)
{}

CExtBarMdiRightButton::~CExtBarMdiRightButton() {}
