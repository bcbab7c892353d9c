// CExtBarMdiDocButton: class record and construction.
#include "toolkit/bars_tabs/ExtBarMdiDocButton.h"

IMPLEMENT_DYNCREATE(CExtBarMdiDocButton, CExtBarButton)

CExtBarMdiDocButton::CExtBarMdiDocButton(CExtToolControlBar* pBar, UINT nCmdID, UINT nStyle)
    : CExtBarButton(pBar, nCmdID, nStyle)
{}

CExtBarMdiDocButton::~CExtBarMdiDocButton() {}
