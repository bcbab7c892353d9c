// CExtBarContentExpandButton: class record and construction.
#include "toolkit/bars_tabs/ExtBarContentExpandButton.h"

IMPLEMENT_DYNAMIC(CExtBarContentExpandButton, CExtBarButton)

CExtBarContentExpandButton::CExtBarContentExpandButton(CExtToolControlBar* pBar) : CExtBarButton(pBar, kCmdId) {}

CExtBarContentExpandButton::~CExtBarContentExpandButton() {}
