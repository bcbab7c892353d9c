// CDlgAbout: binding the text and the button, no size gripper.
#include "app/DlgAbout.h"
#include "platform/Platform.h"
#include "res/app_ids.h"

CDlgAbout::CDlgAbout(CWnd* pParent) : CExtResizableDialog(IDD_ABOUTBOX, pParent) {}

void CDlgAbout::DoDataExchange(CDataExchange* pDX)
{
    CExtResizableDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ABOUT_TEXT, m_wndText);
    DDX_Control(pDX, IDOK, m_wndOk);
}

BOOL CDlgAbout::OnInitDialog()
{
    CExtResizableDialog::OnInitDialog();
    ShowSizeGrip(false);
    return TRUE;
}
