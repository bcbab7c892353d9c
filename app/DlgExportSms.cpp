// CDlgExportSms: the backup line, the file written under the records lock and the dialog's buttons.
#include "app/DlgExportSms.h"
#include "app/Corvane_sms.h"
#include "app/DlgBrowseFolder.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/StoreHelpers.h"
#include "phone/UnicodeTextFile.h"
#include "res/app_tools_ids.h"

BEGIN_MESSAGE_MAP(CDlgExportSms, CExtResizableDialog)
ON_BN_CLICKED(IDC_BROWSE_BUTTON, OnBrowse)
ON_BN_CLICKED(IDC_EXPORT_RUN, OnExport)
END_MESSAGE_MAP()

namespace
{
const wchar_t kDefaultFileName[] = L"CorvaneSms.bck.txt";
const wchar_t kFileType[] = L"*.txt";
const wchar_t kDefaultFolder[] = L"C:\\";
const wchar_t kExtension[] = L".txt";

// Appends the field with every tab, CR and LF turned into a blank.
void AppendOneLine(CString& strLine, const CString& strField)
{
    const int nAt = strLine.GetLength();
    strLine += strField;
    if (wcspbrk(strField.GetString(), L"\t\r\n") == nullptr)
        return;
    for (int i = nAt; i < strLine.GetLength(); ++i)
    {
        const wchar_t ch = strLine[i];
        if (ch == L'\t' || ch == L'\r' || ch == L'\n')
            strLine.SetAt(i, L' ');
    }
}
} // namespace

CDlgExportSms::CDlgExportSms(CWnd* pParent)
    : CExtResizableDialog(IDD_EXPORT_SMS, pParent), m_strFolder(kDefaultFolder), m_pDoc(nullptr)
{}

void CDlgExportSms::DoDataExchange(CDataExchange* pDX)
{
    CExtResizableDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_EXPORT_SAVE_AS, m_wndSaveAs);
    DDX_Control(pDX, IDC_EXPORT_NAME_LABEL, m_wndNameLabel);
    DDX_Control(pDX, IDC_EXPORT_TYPE_LABEL, m_wndTypeLabel);
    DDX_Control(pDX, IDC_EXPORT_FOLDER_LABEL, m_wndFolderLabel);
    DDX_Control(pDX, IDC_EXPORT_NAME, m_wndName);
    DDX_Control(pDX, IDC_EXPORT_TYPE, m_wndType);
    DDX_Control(pDX, IDC_EXPORT_FOLDER, m_wndFolder);
    DDX_Control(pDX, IDC_BROWSE_BUTTON, m_wndBrowse);
    DDX_Control(pDX, IDC_EXPORT_RUN, m_wndExport);
    DDX_Control(pDX, IDCANCEL, m_wndCancel);
    DDX_Text(pDX, IDC_EXPORT_NAME, m_strFileName);
    DDX_Text(pDX, IDC_EXPORT_TYPE, m_strFileType);
    DDX_Text(pDX, IDC_EXPORT_FOLDER, m_strFolder);
}

BOOL CDlgExportSms::OnInitDialog()
{
    CExtResizableDialog::OnInitDialog();
    m_strFileName = kDefaultFileName;
    m_strFileType = kFileType;
    UpdateData(FALSE);
    return TRUE;
}

CCorvane_smsDoc* CDlgExportSms::GetDocument() const
{
    if (m_pDoc != nullptr)
        return m_pDoc;
    CCorvane_smsApp* pApp = GetCorvaneApp();
    return pApp ? pApp->GetDoc() : nullptr;
}

CString CDlgExportSms::FormatBackupLine(const CSMS& sms)
{
    CString strLine;
    AppendBackupLine(strLine, sms);
    return strLine;
}

void CDlgExportSms::AppendBackupLine(CString& strLine, const CSMS& sms)
{
    const bool bInbox = sms.m_strFolder == SMS_FOLDER_INBOX;
    AppendOneLine(strLine, sms.m_strFolder);
    strLine += L'\t';
    AppendOneLine(strLine, sms.m_strDay);
    strLine += L'/';
    AppendOneLine(strLine, sms.m_strMonth);
    strLine += L'/';
    AppendOneLine(strLine, sms.m_strYear);
    strLine += L"  ";
    AppendOneLine(strLine, sms.m_strHour);
    strLine += L':';
    AppendOneLine(strLine, sms.m_strMinute);
    strLine += L':';
    AppendOneLine(strLine, sms.m_strSecond);
    strLine += L'\t';
    AppendOneLine(strLine, bInbox ? sms.m_strSenderNumber : sms.m_strRecipientNumber);
    strLine += L'\t';
    AppendOneLine(strLine, bInbox ? sms.m_strSenderName : sms.m_strRecipientName);
    strLine += L'\t';
    AppendOneLine(strLine, sms.m_strText);
    strLine += L" \r\n";
}

BOOL CDlgExportSms::WriteBackupFile(CCorvane_smsDoc& doc, const CString& strPath, int& nCount)
{
    nCount = 0;
    // A backup the user had is replaced only by a whole new one.
    CUnicodeTextWriter writer;
    writer.OpenReplacing(strPath, TEXTFILE_UNI16_LE);
    if (!writer.IsOpen())
        return FALSE;
    {
        CSmsRecordsLock lock(&doc);
        CString strLine; // one buffer for every line
        nCount = (int)doc.m_listSms.GetCount();
        for (POSITION pos = doc.m_listSms.GetHeadPosition(); pos != nullptr;)
        {
            const CSMS* pSms = (const CSMS*)doc.m_listSms.GetNext(pos);
            if (pSms->m_strHour.IsEmpty() && pSms->m_strSecond.IsEmpty())
                continue;
            strLine.Empty();
            AppendBackupLine(strLine, *pSms);
            writer.WriteLine(strLine);
        }
    }
    return writer.Commit();
}

CString CDlgExportSms::MakeExportPath(const CString& strFolder, CString strFileName)
{
    if (strFileName.Right(4) != kExtension)
        strFileName += kExtension;
    CString strPath = strFolder;
    if (strPath.Right(1) != L"\\")
        strPath += L'\\';
    return strPath + strFileName;
}

void CDlgExportSms::OnBrowse()
{
    // What the user typed is kept when the browse gives no folder.
    UpdateData(TRUE);
    CDlgBrowseFolder dlg(this);
    if (dlg.DoModal() == IDOK && !dlg.m_strPath.IsEmpty())
        m_strFolder = dlg.m_strPath;
    UpdateData(FALSE);
}

void CDlgExportSms::OnExport()
{
    ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    CCorvane_smsDoc* pDoc = GetDocument();
    UpdateData(TRUE);
    if (m_strFileName.IsEmpty() || pDoc == nullptr)
    {
        ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
        return;
    }
    const CString strPath = MakeExportPath(m_strFolder, m_strFileName);
    int nCount = 0;
    const BOOL bWritten = WriteBackupFile(*pDoc, strPath, nCount);
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    if (!bWritten)
    {
        // The dialog stays open: the user may choose another place.
        MessageBox(FormatResourceText(IDS_EXPORT_WRITE_FAILED, strPath), L"Error", MB_OK | MB_ICONERROR);
        return;
    }
    CString strCount;
    strCount.Format(L"%d", nCount);
    MessageBox(FormatResourceText(IDS_EXPORT_DONE, strCount), L"Info", MB_OK);
    EndDialog(IDOK);
}
