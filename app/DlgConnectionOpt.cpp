// CDlgConnectionOpt: the port list, the stores at close, the connection test and the
// service-centre exchanges over the shared port, each under the phone-use claim.
#include "platform/DialogDataExchange.h"
#include "app/DlgConnectionOpt.h"
#include "phone/AppSettings.h"
#include "phone/IrdaPort.h"
#include "phone/PhoneSession.h"
#include "phone/PhoneUse.h"
#include "phone/StoreHelpers.h"
#include "res/phone_ids.h"
#include "res/settings_ids.h"

BEGIN_MESSAGE_MAP(CDlgConnectionOpt, CExtResizableDialog)
ON_WM_DESTROY()
ON_BN_CLICKED(IDC_CONN_TEST, OnTestConnection)
ON_BN_CLICKED(IDC_CONN_READ_SMSC, OnReadSmsc)
ON_BN_CLICKED(IDC_CONN_WRITE_SMSC, OnWriteSmsc)
ON_BN_CLICKED(IDC_CONN_SMSC_HELP, OnSmscHelp)
END_MESSAGE_MAP()

namespace
{
CString PortName(int nIndex)
{
    CString str;
    str.Format(L"COM%d:", nIndex);
    return str;
}

void SetArrowCursor() { ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW)); }
void SetWaitCursor() { ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT)); }
} // namespace

CDlgConnectionOpt::CDlgConnectionOpt() : CExtResizableDialog(IDD_CONNECTION_OPT, nullptr), m_bInitialized(false) {}

BOOL CDlgConnectionOpt::IsAllDigits(const CString& strText) { return strText.IsEmpty() || ::IsAllDigits(strText); }

DWORD CDlgConnectionOpt::TimeoutFromText(const CString& strText)
{
    const DWORD dwMaxSeconds = MAXDWORD / 1000;
    DWORD dwSeconds = 0;
    for (int i = 0; i < strText.GetLength() && strText[i] >= L'0' && strText[i] <= L'9'; ++i)
    {
        dwSeconds = dwSeconds * 10 + (DWORD)(strText[i] - L'0');
        if (dwSeconds > dwMaxSeconds)
            return dwMaxSeconds * 1000;
    }
    return dwSeconds * 1000;
}

void CDlgConnectionOpt::DoDataExchange(CDataExchange* pDX)
{
    CExtResizableDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CONN_GROUP, m_wndGroupConnection);
    DDX_Control(pDX, IDC_CONN_PORT, m_wndPort);
    DDX_Control(pDX, IDC_CONN_TEST, m_wndTest);
    DDX_Control(pDX, IDC_CONN_ADVANCED, m_wndAdvanced);
    DDX_Control(pDX, IDC_CONN_SMSC_GROUP, m_wndGroupSmsc);
    DDX_Control(pDX, IDC_CONN_SMSC, m_wndSmsc);
    DDX_Control(pDX, IDC_CONN_READ_SMSC, m_wndReadSmsc);
    DDX_Control(pDX, IDC_CONN_WRITE_SMSC, m_wndWriteSmsc);
    DDX_Control(pDX, IDC_CONN_SMSC_HELP, m_wndHelp);
    DDX_Control(pDX, IDC_CONN_OTHER_GROUP, m_wndGroupOther);
    DDX_Control(pDX, IDC_CONN_TIMEOUT_LABEL, m_wndTimeoutLabel);
    DDX_Control(pDX, IDC_CONN_TIMEOUT, m_wndTimeout);
    DDX_Control(pDX, IDC_CONN_TIMEOUT_UNIT, m_wndTimeoutUnit);
    DDX_Control(pDX, IDC_CONN_DELETE_FETCHED, m_wndDeleteFetched);
    DDX_Control(pDX, IDC_CONN_SAVE_TO_SENT, m_wndSaveToSent);
    DDX_Text(pDX, IDC_CONN_SMSC, m_strSmsc);
    DDX_Text(pDX, IDC_CONN_TIMEOUT, m_strTimeout);
}

BOOL CDlgConnectionOpt::OnInitDialog()
{
    CExtResizableDialog::OnInitDialog();
    m_bInitialized = true;
    CAppSettings settings;
    const CString strStored = settings.GetConnection();
    m_wndPort.ResetContent();
    int nSelect = 0;
    for (int i = 0; i < kPortCount; ++i)
    {
        m_wndPort.AddString(PortName(i));
        if (PortName(i) == strStored)
            nSelect = i;
    }
    m_wndPort.SetCurSel(nSelect);
    m_strTimeout.Format(L"%d", (int)(settings.GetTimeout() / 1000));
    m_wndDeleteFetched.SetCheck(settings.GetIsHapus() != 0 ? BST_CHECKED : BST_UNCHECKED);
    m_wndSaveToSent.SetCheck(settings.GetIsSaveToSent() != 0 ? BST_CHECKED : BST_UNCHECKED);
    UpdateData(FALSE);
    return TRUE;
}

void CDlgConnectionOpt::OnDestroy()
{
    CExtResizableDialog::OnDestroy();
    // The children still exist here: their values are stored however the sheet closed.
    if (!m_bInitialized)
        return;
    CString strTimeout;
    m_wndTimeout.GetWindowText(strTimeout);
    CAppSettings settings;
    settings.SetConnection(PortName(m_wndPort.GetCurSel() < 0 ? 0 : m_wndPort.GetCurSel()));
    settings.SetTimeout(TimeoutFromText(strTimeout));
    settings.SetIsHapus(m_wndDeleteFetched.GetCheck() == BST_CHECKED ? 1 : 0);
    settings.SetIsSaveToSent(m_wndSaveToSent.GetCheck() == BST_CHECKED ? 1 : 0);
}

BOOL CDlgConnectionOpt::ExchangeLines(CIrdaPort& port, const CString& strCommand, DWORD dwTimeout, CString& strInfo,
                                      CString& strError)
{
    strError.Empty();
    if (!port.SendCommand(strCommand, dwTimeout))
        return FALSE;
    for (;;)
    {
        CString strLine;
        if (!port.ReadResponse(strLine, dwTimeout, FALSE))
            return FALSE;
        if (strLine == L"OK")
            return TRUE;
        if (strLine == L"ERROR" || strLine.Left(11) == L"+CMS ERROR:" || strLine.Left(11) == L"+CME ERROR:")
        {
            strError = strLine;
            return FALSE;
        }
        if (!strLine.IsEmpty())
            strInfo = strLine;
    }
}

void CDlgConnectionOpt::ReportSmscFailure(const CString& strError)
{
    CPhoneSession::ClosePort();
    SetArrowCursor();
    if (strError.IsEmpty())
        AfxMessageBox(LoadResourceText(IDS_PHONE_TIMEOUT_WRITING_PDU));
    else
        MessageBox(L"Error : " + strError, L"Error", MB_OK | MB_ICONEXCLAMATION);
}

void CDlgConnectionOpt::OnTestConnection()
{
    CPhoneUse phoneUse;
    if (!phoneUse.ClaimForGui())
        return;
    CString strPort;
    if (m_wndPort.GetCurSel() >= 0)
        m_wndPort.GetLBText(m_wndPort.GetCurSel(), strPort);
    SetWaitCursor();
    CPhoneSession session;
    CIrdaPort port;
    UpdateData(TRUE);
    if (!port.Open(strPort))
    {
        SetArrowCursor();
        MessageBox(LoadResourceText(IDS_PHONE_OPEN_FAILED), L"Error", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    CString strInfo, strError;
    if (ExchangeLines(port, L"AT", session.m_dwTimeout, strInfo, strError))
    {
        CString strMaker, strModel;
        if (session.ReadPhoneModel(port, strMaker, strModel))
        {
            MessageBox(LoadResourceText(IDS_CONN_SUCCESS) + L", Merk:" + strMaker + L" \r\nModel:" + strModel,
                       L"Sukses");
            CAppSettings settings;
            settings.SetConnection(strPort);
        }
    }
    port.Close();
    SetArrowCursor();
    SetFocus();
}

void CDlgConnectionOpt::OnReadSmsc()
{
    CPhoneUse phoneUse;
    if (!phoneUse.ClaimForGui())
        return;
    SetWaitCursor();
    if (!CPhoneSession::OpenPort())
    {
        SetArrowCursor();
        return;
    }
    CString strInfo, strError;
    if (!ExchangeLines(CPhoneSession::GetSharedPort(), L"AT+CSCA?", kSmscTimeout, strInfo, strError))
    {
        ReportSmscFailure(strError);
        return;
    }
    CPhoneSession::ClosePort();
    SetArrowCursor();
    // "+CSCA: "<number>",<type>": the number is the text between the first two quotes.
    const int nOpen = strInfo.Find(L'"');
    const int nClose = nOpen >= 0 ? strInfo.Find(L'"', nOpen + 1) : -1;
    if (strInfo.Find(L"+CSCA") < 0 || nClose < 0)
    {
        MessageBox(L"Error : SMSC tidak terbaca", L"Error", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    CString strNumber = strInfo.Mid(nOpen + 1, nClose - nOpen - 1);
    if (!strNumber.IsEmpty() && strNumber[0] != L'0' && strNumber[0] != L'+')
        strNumber = L"+" + strNumber;
    MessageBox(L"SMSC : " + strNumber, L"Success");
    m_strSmsc = strNumber;
    m_wndSmsc.SetWindowText(m_strSmsc);
}

void CDlgConnectionOpt::OnWriteSmsc()
{
    UpdateData(TRUE);
    CString strNumber(m_strSmsc);
    strNumber.Remove(L'+');
    if (strNumber.IsEmpty() || !IsAllDigits(strNumber))
    {
        AfxMessageBox(LoadResourceText(IDS_CONN_SMSC_INVALID));
        return;
    }
    if (MessageBox(LoadResourceText(IDS_CONN_SMSC_WARNING), L"Warning", MB_YESNO | MB_ICONWARNING) != IDYES)
        return;
    m_strSmsc = strNumber;
    m_wndSmsc.SetWindowText(m_strSmsc);
    CPhoneUse phoneUse;
    if (!phoneUse.ClaimForGui())
        return;
    SetWaitCursor();
    if (!CPhoneSession::OpenPort())
    {
        SetArrowCursor();
        return;
    }
    // Type of number: 161 national (a leading "0"), 145 international.
    CString strCommand;
    strCommand.Format(L"AT+CSCA=\"%s\",%s", (LPCWSTR)strNumber, strNumber[0] == L'0' ? L"161" : L"145");
    CString strInfo, strError;
    if (!ExchangeLines(CPhoneSession::GetSharedPort(), strCommand, kSmscTimeout, strInfo, strError))
    {
        ReportSmscFailure(strError);
        return;
    }
    CPhoneSession::ClosePort();
    MessageBox(L"New SMSC : " + strNumber, L"Success");
    SetArrowCursor();
}

void CDlgConnectionOpt::OnSmscHelp() { MessageBox(LoadResourceText(IDS_CONN_SMSC_HELP), L"Info"); }
