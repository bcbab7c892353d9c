// CDlgSmsLog: every line of the log in file order, the caret at the top.
#include "app/DlgSmsLog.h"
#include "app/Corvane_sms.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/UnicodeTextFile.h"
#include "res/app_tools_ids.h"

CDlgSmsLog::CDlgSmsLog(CWnd* pParent) : CExtResizableDialog(IDD_SMS_LOG, pParent) {}

void CDlgSmsLog::DoDataExchange(CDataExchange* pDX)
{
    CExtResizableDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SMS_LOG_TEXT, m_wndText);
}

BOOL CDlgSmsLog::OnInitDialog()
{
    CExtResizableDialog::OnInitDialog();
    CRect rcClient;
    GetClientRect(&rcClient);
    m_wndText.MoveWindow(&rcClient);
    AddAnchor(m_wndText.GetSafeHwnd(), CSize(0, 0), CSize(100, 100));
    if (m_strLogPath.IsEmpty())
    {
        CCorvane_smsApp* pApp = GetCorvaneApp();
        if (pApp != nullptr && pApp->GetDoc() != nullptr)
            m_strLogPath = pApp->GetDoc()->GetLogFilePath();
    }
    CString strText;
    if (!m_strLogPath.IsEmpty())
    {
        CUnicodeTextReader reader(m_strLogPath);
        CString strLine;
        while (reader.ReadLine(strLine))
        {
            strText += strLine;
            strText += L"\r\n";
        }
    }
    m_wndText.SetWindowText(strText);
    m_wndText.SetSel(0, 0);
    m_wndText.SendMessage(EM_SCROLLCARET);
    m_wndText.SetFocus();
    return FALSE;
}
