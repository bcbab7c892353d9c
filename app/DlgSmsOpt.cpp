// CDlgSmsOpt: the nine values read from and stored to the section "Sms"; every click and edit
// reads all of them back from the controls.
#include "platform/DialogDataExchange.h"
#include "app/DlgSmsOpt.h"
#include "phone/AppSettings.h"
#include "res/settings_ids.h"

IMPLEMENT_DYNCREATE(CDlgSmsOpt, CExtResizableDialog)

BEGIN_MESSAGE_MAP(CDlgSmsOpt, CExtResizableDialog)
ON_BN_CLICKED(IDC_SMS_PREFIX_ON, OnReadBack)
ON_BN_CLICKED(IDC_SMS_SAVE_PREFIX, OnReadBack)
ON_BN_CLICKED(IDC_SMS_QUOTE, OnReadBack)
ON_BN_CLICKED(IDC_SMS_CUT_QUOTE, OnReadBack)
ON_BN_CLICKED(IDC_SMS_CONFIRM_DELETE, OnReadBack)
ON_BN_CLICKED(IDC_SMS_FORWARD_SENDER, OnReadBack)
ON_EN_CHANGE(IDC_SMS_PREFIX, OnReadBack)
ON_EN_CHANGE(IDC_SMS_CUT_LENGTH, OnReadBack)
ON_EN_CHANGE(IDC_SMS_SIGNATURE, OnReadBack)
END_MESSAGE_MAP()

CDlgSmsOpt::CDlgSmsOpt()
    : CExtResizableDialog(IDD_SMS_OPT, nullptr), m_nSmsPrefix(0), m_nSaveSmsPrefix(0), m_nQuoteSms(0),
      m_nCutQuotedSms(0), m_nNumCutQuotedSms(40), m_nConfirmDelSms(0), m_nShowSenderForwardSms(0), m_bInitialized(false)
{}

void CDlgSmsOpt::DoDataExchange(CDataExchange* pDX)
{
    CExtResizableDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SMS_SIGNATURE_LABEL, m_wndSignatureLabel);
    DDX_Control(pDX, IDC_SMS_CUT_UNIT, m_wndCutUnit);
    DDX_Control(pDX, IDC_SMS_SIGNATURE, m_wndSignature);
    DDX_Control(pDX, IDC_SMS_PREFIX, m_wndPrefix);
    DDX_Control(pDX, IDC_SMS_CUT_LENGTH, m_wndCutLength);
    DDX_Control(pDX, IDC_SMS_PREFIX_ON, m_wndPrefixOn);
    DDX_Control(pDX, IDC_SMS_SAVE_PREFIX, m_wndSavePrefix);
    DDX_Control(pDX, IDC_SMS_QUOTE, m_wndQuote);
    DDX_Control(pDX, IDC_SMS_CUT_QUOTE, m_wndCutQuote);
    DDX_Control(pDX, IDC_SMS_CONFIRM_DELETE, m_wndConfirmDelete);
    DDX_Control(pDX, IDC_SMS_FORWARD_SENDER, m_wndForwardSender);
    DDX_Text(pDX, IDC_SMS_SIGNATURE, m_strSignature);
    DDX_Check(pDX, IDC_SMS_PREFIX_ON, m_nSmsPrefix);
    DDX_Text(pDX, IDC_SMS_PREFIX, m_strSmsPrefix);
    DDX_Check(pDX, IDC_SMS_SAVE_PREFIX, m_nSaveSmsPrefix);
    DDX_Check(pDX, IDC_SMS_QUOTE, m_nQuoteSms);
    DDX_Check(pDX, IDC_SMS_CUT_QUOTE, m_nCutQuotedSms);
    DDX_Check(pDX, IDC_SMS_CONFIRM_DELETE, m_nConfirmDelSms);
    DDX_Check(pDX, IDC_SMS_FORWARD_SENDER, m_nShowSenderForwardSms);
    // The number: leading digits, 0 when none (a half-typed number never stops the read-back).
    if (pDX->m_bSaveAndValidate)
    {
        CString strNumber;
        m_wndCutLength.GetWindowText(strNumber);
        m_nNumCutQuotedSms = _wtoi(strNumber);
    }
    else
    {
        CString strNumber;
        strNumber.Format(L"%d", m_nNumCutQuotedSms);
        m_wndCutLength.SetWindowText(strNumber);
    }
}

BOOL CDlgSmsOpt::OnInitDialog()
{
    CExtResizableDialog::OnInitDialog();
    ShowSizeGrip(false);
    CAppSettings settings;
    m_strSignature = settings.GetSignature();
    m_nSmsPrefix = settings.GetIsSmsPrefix() != 0;
    m_strSmsPrefix = settings.GetSmsPrefix();
    m_nSaveSmsPrefix = settings.GetIsSaveSmsPrefix() != 0;
    m_nQuoteSms = settings.GetIsQuoteSms() != 0;
    m_nCutQuotedSms = settings.GetIsCutQuotedSms() != 0;
    m_nNumCutQuotedSms = (int)settings.GetNumCutQuotedSms();
    m_nConfirmDelSms = settings.GetIsConfirmDelSms() != 0;
    m_nShowSenderForwardSms = settings.GetIsShowSenderForwardSms() != 0;
    UpdateData(FALSE);
    m_bInitialized = true;
    return TRUE;
}

void CDlgSmsOpt::OnReadBack()
{
    // Setting the texts at initialisation notifies too; nothing is read before that is done.
    if (m_bInitialized)
        UpdateData(TRUE);
}

void CDlgSmsOpt::StoreSettings() const
{
    CAppSettings settings;
    settings.SetIsQuoteSms(m_nQuoteSms ? 1 : 0);
    settings.SetIsShowSenderForwardSms(m_nShowSenderForwardSms ? 1 : 0);
    settings.SetSignature(m_strSignature);
    settings.SetIsCutQuotedSms(m_nCutQuotedSms ? 1 : 0);
    settings.SetNumCutQuotedSms((UINT)m_nNumCutQuotedSms);
    settings.SetIsConfirmDelSms(m_nConfirmDelSms ? 1 : 0);
    settings.SetIsSmsPrefix(m_nSmsPrefix ? 1 : 0);
    settings.SetSmsPrefix(m_strSmsPrefix);
    settings.SetIsSaveSmsPrefix(m_nSaveSmsPrefix ? 1 : 0);
}
