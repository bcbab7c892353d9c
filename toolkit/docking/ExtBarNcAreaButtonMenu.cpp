// CExtBarNcAreaButtonMenu: class record and construction.
#include "toolkit/docking/ExtBarNcAreaButtonMenu.h"

IMPLEMENT_DYNAMIC(CExtBarNcAreaButtonMenu, CExtBarNcAreaButton)

CExtBarNcAreaButtonMenu::CExtBarNcAreaButtonMenu(CExtControlBar* pBar) : CExtBarNcAreaButton(pBar) {}

CExtBarNcAreaButtonMenu::~CExtBarNcAreaButtonMenu() {}
