// CDlgBrowseFolder: the tree rooted at the desktop, folders only, and the chosen path.
#include "app/DlgBrowseFolder.h"
#include "res/app_tools_ids.h"

CDlgBrowseFolder::CDlgBrowseFolder(CWnd* pParent) : CDialog(IDD_BROWSE_FOLDER, pParent), m_hBusyCursor(nullptr)
{
    m_wndTree.SetFeedbackPeriod(kFeedbackPeriod);
    m_wndTree.SetShowFeedback(TRUE);
    m_hBusyCursor = (HCURSOR)::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_BROWSE_ANIMATION), IMAGE_CURSOR,
                                          0, 0, LR_DEFAULTSIZE);
    m_wndTree.SetAnimatedCursor(m_hBusyCursor);
}

CDlgBrowseFolder::~CDlgBrowseFolder()
{
    if (m_wndTree.GetSafeHwnd() != nullptr)
        m_wndTree.DestroyWindow();
    if (m_hBusyCursor != nullptr)
        ::DestroyCursor(m_hBusyCursor);
}

void CDlgBrowseFolder::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BROWSE_TREE, m_wndTree);
}

BOOL CDlgBrowseFolder::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_wndTree.SetWindowText(L"ShellTree Control");
    m_wndTree.Initialise(nullptr, FALSE);
    return TRUE;
}

void CDlgBrowseFolder::OnOK()
{
    // No selected item, or one without a file-system path: an empty path.
    m_strPath = m_wndTree.GetItemPath(m_wndTree.GetSelectedItem());
    EndDialog(IDOK);
}
