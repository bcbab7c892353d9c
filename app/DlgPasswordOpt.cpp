// CDlgPasswordOpt: the guard and mask checks, the dependent controls, and storing the digest text.
#include "app/DlgPasswordOpt.h"
#include "platform/DialogDataExchange.h"
#include "phone/AppSettings.h"
#include "phone/Sha1.h"
#include "phone/StoreHelpers.h"
#include "res/settings_ids.h"

BEGIN_MESSAGE_MAP(CDlgPasswordOpt, CExtResizableDialog)
ON_BN_CLICKED(IDC_PASS_ACTIVE, OnActiveClicked)
ON_BN_CLICKED(IDC_PASS_MASK, OnMaskClicked)
ON_BN_CLICKED(IDC_PASS_SAVE, OnSavePassword)
END_MESSAGE_MAP()

namespace
{
CString DigestOfBytes(const CString& strPassword, UINT nBytes)
{
    CSha1 sha;
    sha.Update(reinterpret_cast<const BYTE*>((LPCWSTR)strPassword), nBytes);
    sha.Final();
    CString strDigest;
    sha.ReportHash(strDigest, CSha1::REPORT_HEX);
    return strDigest;
}
} // namespace

CString CDlgPasswordOpt::DigestText(const CString& strPassword)
{
    return DigestOfBytes(strPassword, (UINT)strPassword.GetLength() * sizeof(WCHAR));
}

CString CDlgPasswordOpt::LegacyDigestText(const CString& strPassword)
{
    return DigestOfBytes(strPassword, (UINT)strPassword.GetLength());
}

CDlgPasswordOpt::CDlgPasswordOpt()
    : CExtResizableDialog(IDD_PASSWORD_OPT, nullptr), m_bActive(FALSE), m_bMask(FALSE), m_bInitialized(false)
{}

void CDlgPasswordOpt::DoDataExchange(CDataExchange* pDX)
{
    CExtResizableDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PASS_ACTIVE, m_wndActive);
    DDX_Control(pDX, IDC_PASS_MASK, m_wndMask);
    DDX_Control(pDX, IDC_PASS_GROUP, m_wndGroup);
    DDX_Control(pDX, IDC_PASS_NEW_LABEL, m_wndPasswordLabel);
    DDX_Control(pDX, IDC_PASS_RETYPE_LABEL, m_wndRetypeLabel);
    DDX_Control(pDX, IDC_PASS_NEW, m_wndPassword);
    DDX_Control(pDX, IDC_PASS_RETYPE, m_wndRetype);
    DDX_Control(pDX, IDC_PASS_SAVE, m_wndSave);
    DDX_Text(pDX, IDC_PASS_NEW, m_strPassword);
    DDV_MaxChars(pDX, m_strPassword, kMaxPassword);
    DDX_Text(pDX, IDC_PASS_RETYPE, m_strRetype);
    DDV_MaxChars(pDX, m_strRetype, kMaxPassword);
}

BOOL CDlgPasswordOpt::OnInitDialog()
{
    CExtResizableDialog::OnInitDialog();
    m_bInitialized = true;
    m_wndPassword.LimitText(kMaxPassword);
    m_wndRetype.LimitText(kMaxPassword);
    CAppSettings settings;
    m_bActive = settings.GetIsActivePass() != 0;
    m_bMask = settings.GetIsMaskPass() != 0;
    m_wndActive.SetCheck(m_bActive ? BST_CHECKED : BST_UNCHECKED);
    EnableDependents(m_bActive);
    m_wndMask.SetCheck(m_bMask ? BST_CHECKED : BST_UNCHECKED);
    ApplyMask(m_bMask);
    return TRUE;
}

void CDlgPasswordOpt::EnableDependents(BOOL bEnable)
{
    m_wndMask.EnableWindow(bEnable);
    m_wndPassword.EnableWindow(bEnable);
    m_wndRetype.EnableWindow(bEnable);
    m_wndGroup.EnableWindow(bEnable);
    m_wndPasswordLabel.EnableWindow(bEnable);
    m_wndRetypeLabel.EnableWindow(bEnable);
    m_wndSave.EnableWindow(bEnable);
}

void CDlgPasswordOpt::ApplyMask(BOOL bMask)
{
    m_wndPassword.SetPasswordChar(bMask ? kMaskChar : 0);
    m_wndRetype.SetPasswordChar(bMask ? kMaskChar : 0);
    m_wndPassword.Invalidate();
    m_wndRetype.Invalidate();
}

void CDlgPasswordOpt::OnActiveClicked()
{
    const BOOL bChecked = m_wndActive.GetCheck() == BST_CHECKED;
    if (bChecked)
        MessageBox(LoadResourceText(IDS_PASS_REMEMBER), L"Warning");
    EnableDependents(bChecked);
    m_bActive = bChecked;
}

void CDlgPasswordOpt::OnMaskClicked()
{
    m_bMask = m_wndMask.GetCheck() == BST_CHECKED;
    ApplyMask(m_bMask);
}

void CDlgPasswordOpt::OnSavePassword()
{
    if (!UpdateData(TRUE))
        return;
    if (m_strPassword.IsEmpty() || m_strRetype.IsEmpty())
    {
        MessageBox(LoadResourceText(IDS_PASS_EMPTY), L"Info");
        return;
    }
    if (m_strPassword != m_strRetype)
    {
        MessageBox(LoadResourceText(IDS_PASS_MISMATCH), L"Info");
        return;
    }
    CAppSettings settings;
    settings.SetPassword(DigestText(m_strPassword));
    MessageBox(LoadResourceText(IDS_PASS_SAVED), L"Info");
}
