// CDlgLogin: keypad font and keys, the 10-character cut and the digest check.
#include "app/DlgLogin.h"
#include "platform/DialogDataExchange.h"
#include "app/DlgPasswordOpt.h"
#include "phone/AppSettings.h"
#include "phone/StoreHelpers.h"
#include "res/settings_ids.h"
#include <cmath>

BEGIN_MESSAGE_MAP(CDlgLogin, CDialog)
ON_COMMAND_RANGE(IDC_LOGIN_KEY_1, IDC_LOGIN_KEY_0, OnKey)
ON_BN_CLICKED(IDC_LOGIN_KEY_BACK, OnBackspace)
ON_EN_CHANGE(IDC_LOGIN_PASSWORD, OnPasswordChange)
END_MESSAGE_MAP()

CDlgLogin::CDlgLogin(CWnd* pParent) : CDialog(IDD_LOGIN, pParent), m_bMask(FALSE) {}

void CDlgLogin::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LOGIN_PASSWORD, m_wndPassword);
    DDX_Control(pDX, IDOK, m_wndLogin);
    DDX_Control(pDX, IDCANCEL, m_wndExit);
    for (int i = 0; i < 12; ++i)
        DDX_Control(pDX, IDC_LOGIN_KEY_1 + i, m_wndKeys[i]);
    DDX_Text(pDX, IDC_LOGIN_PASSWORD, m_strPassword);
    DDV_MaxChars(pDX, m_strPassword, CDlgPasswordOpt::kMaxPassword);
}

BOOL CDlgLogin::OnInitDialog()
{
    CDialog::OnInitDialog();
    LOGFONTW lf = {};
    {
        CClientDC dc(this);
        lf.lfHeight = -(LONG)std::lround(kKeypadPoints * dc.GetDeviceCaps(LOGPIXELSY) / 72.0);
    }
    lf.lfWeight = 600;
    lf.lfPitchAndFamily = FF_SWISS | DEFAULT_PITCH;
    wcscpy_s(lf.lfFaceName, L"Arial");
    m_fontKeypad.CreateFontIndirect(&lf);
    for (CLoginKeyButton& key : m_wndKeys)
        key.SetFont(&m_fontKeypad);
    m_wndPassword.SetPasswordChar(m_bMask ? L'*' : 0);
    m_wndPassword.SetFocus();
    return FALSE;
}

void CDlgLogin::AppendKey(WCHAR ch)
{
    CString strText;
    m_wndPassword.GetWindowText(strText);
    strText += ch;
    m_wndPassword.SetWindowText(strText);
}

void CDlgLogin::OnKey(UINT nID)
{
    // Keys 1126 .. 1134 are "1" .. "9", then "*" and "0".
    if (nID <= IDC_LOGIN_KEY_9)
        AppendKey((WCHAR)(L'1' + (nID - IDC_LOGIN_KEY_1)));
    else
        AppendKey(nID == IDC_LOGIN_KEY_STAR ? L'*' : L'0');
}

void CDlgLogin::OnBackspace()
{
    CString strText;
    m_wndPassword.GetWindowText(strText);
    if (strText.IsEmpty())
        return;
    m_wndPassword.SetWindowText(strText.Left(strText.GetLength() - 1));
}

void CDlgLogin::OnPasswordChange()
{
    CString strText;
    m_wndPassword.GetWindowText(strText);
    if (strText.GetLength() <= CDlgPasswordOpt::kMaxPassword)
        return;
    m_wndPassword.SetWindowText(strText.Left(CDlgPasswordOpt::kMaxPassword));
    m_wndPassword.SetSel(CDlgPasswordOpt::kMaxPassword, CDlgPasswordOpt::kMaxPassword);
}

void CDlgLogin::OnOK()
{
    m_wndPassword.GetWindowText(m_strPassword);
    CAppSettings settings;
    const CString strStored = settings.GetPassword();
    if (CDlgPasswordOpt::DigestText(m_strPassword) == strStored)
    {
        EndDialog(IDOK);
        return;
    }
    // A digest stored by an older version hashed only half of the bytes: it opens once and is
    // then replaced by the full form.
    if (!strStored.IsEmpty() && CDlgPasswordOpt::LegacyDigestText(m_strPassword) == strStored)
    {
        settings.SetPassword(CDlgPasswordOpt::DigestText(m_strPassword));
        EndDialog(IDOK);
        return;
    }
    MessageBox(LoadResourceText(IDS_LOGIN_WRONG), L"Info");
    m_wndPassword.SetSel(0, -1);
    m_wndPassword.SendMessage(EM_SCROLLCARET);
    m_wndPassword.SetFocus();
}
