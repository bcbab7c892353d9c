// CComposeToolBar: creation and loading.
#include "app/ComposeToolBar.h"
#include "res/app_ids.h"

IMPLEMENT_DYNAMIC(CComposeToolBar, CExtToolControlBar)

CComposeToolBar::CComposeToolBar() {}

CComposeToolBar::~CComposeToolBar() {}

BOOL CComposeToolBar::CreateComposeBar(CWnd* pParent, UINT nID)
{
    (void)pParent;
    (void)nID;
    return FALSE;
}
