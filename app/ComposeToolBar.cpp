// CComposeToolBar: the bar on the window's placeholder, its buttons from resource 149.
#include "app/ComposeToolBar.h"
#include "res/app_ids.h"

IMPLEMENT_DYNAMIC(CComposeToolBar, CExtToolControlBar)

CComposeToolBar::CComposeToolBar() {}

CComposeToolBar::~CComposeToolBar() {}

BOOL CComposeToolBar::CreateComposeBar(CWnd* pParent, UINT nID)
{
    // The placeholder of the window's template becomes the bar (a bar in a dialog keeps the
    // placeholder's place and styles).
    if (GetSafeHwnd() == nullptr && !SubclassDlgItem(nID, pParent))
        return FALSE;
    if (!LoadToolBar(IDR_COMPOSE_TOOLBAR, RGB(192, 192, 192)))
        return FALSE;
    SetBarStyle(GetBarStyle() & ~CBRS_GRIPPER);
    return TRUE;
}
