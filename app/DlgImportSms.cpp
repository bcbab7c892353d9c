// CDlgImportSms: the three layouts, the duplicate test by key under the records lock, the file
// chooser and the final messages.
#include "app/DlgImportSms.h"
#include "app/Corvane_sms.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/StoreHelpers.h"
#include "phone/StringSplitter.h"
#include "phone/UnicodeTextFile.h"
#include "res/app_tools_ids.h"

#include <cwctype>
#include <string_view>
#include <unordered_set>

BEGIN_MESSAGE_MAP(CDlgImportSms, CExtResizableDialog)
ON_BN_CLICKED(IDC_BROWSE_BUTTON, OnBrowse)
END_MESSAGE_MAP()

namespace
{
const wchar_t kCommaMarker[] = L"##koma!!";
const wchar_t kMPhoneHead[] = L"Head:";
const wchar_t kTextFilter[] = L"Text Files (*.txt)|*.txt|All Files (*.*)|*.*||";
const wchar_t kCsvFilter[] = L"CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||";
const wchar_t* const kFolders[] = {SMS_FOLDER_INBOX, SMS_FOLDER_OUTBOX, SMS_FOLDER_SENT, SMS_FOLDER_DRAFTS};

void ReplaceFirstMarker(CString& strText, const CString& strValue)
{
    const int nAt = strText.Find(L"##");
    if (nAt >= 0)
        strText = strText.Left(nAt) + strValue + strText.Mid(nAt + 2);
}

CString Trimmed(CString str)
{
    str.Trim();
    return str;
}

// Day, month, year of "d/m/y"; the year as written.
void SplitDate(const CString& strDate, CString& strDay, CString& strMonth, CString& strYear)
{
    CStringSplitter parts(strDate, L"/");
    strDay = parts.GetField(0);
    strMonth = parts.GetField(1);
    strYear = parts.GetField(2);
}

void SplitTime(const CString& strTime, CSMS& sms)
{
    CStringSplitter parts(strTime, L":");
    sms.m_strHour = CDlgImportSms::TwoDigits(parts.GetField(0));
    sms.m_strMinute = CDlgImportSms::TwoDigits(parts.GetField(1));
    sms.m_strSecond = CDlgImportSms::TwoDigits(parts.GetField(2));
}

// A piece of a line: [p, p + n).
struct SRange
{
    const wchar_t* p;
    int n;
};

SRange TrimRange(SRange r)
{
    while (r.n > 0 && iswspace(r.p[0]))
        ++r.p, --r.n;
    while (r.n > 0 && iswspace(r.p[r.n - 1]))
        --r.n;
    return r;
}

// Piece i of the range cut at every occurrence of the character; empty beyond the last.
SRange Piece(SRange r, wchar_t ch, int i)
{
    const wchar_t* p = r.p;
    const wchar_t* const pEnd = r.p + r.n;
    for (; i > 0; --i)
    {
        while (p < pEnd && *p != ch)
            ++p;
        if (p == pEnd)
            return SRange{pEnd, 0};
        ++p;
    }
    const wchar_t* q = p;
    while (q < pEnd && *q != ch)
        ++q;
    return SRange{p, (int)(q - p)};
}

CString Text(SRange r) { return CString(r.p, r.n); }

// "5" -> "05"; a longer piece keeps its last two characters.
CString TwoDigitText(SRange r)
{
    if (r.n == 1)
    {
        const wchar_t buf[2] = {L'0', r.p[0]};
        return CString(buf, 2);
    }
    return r.n > 2 ? CString(r.p + r.n - 2, 2) : CString(r.p, r.n);
}

// Folder, date and time, number, name, text, split at tabs; fields after the fifth are ignored.
CDlgImportSms::EParse ParseTabbedLine(const CString& strLine, CSMS& sms)
{
    const SRange line = {strLine.GetString(), strLine.GetLength()};
    const SRange folder = TrimRange(Piece(line, L'\t', 0));
    const wchar_t* pszFolder = nullptr;
    for (const wchar_t* pszName : kFolders)
        if ((int)wcslen(pszName) == folder.n && _wcsnicmp(pszName, folder.p, (size_t)folder.n) == 0)
            pszFolder = pszName;
    if (pszFolder == nullptr)
        return CDlgImportSms::kRefused;
    sms.m_strFolder = pszFolder;
    // The backup's two blanks leave part 1 empty; part 2 is the time.
    const SRange dateTime = TrimRange(Piece(line, L'\t', 1));
    const SRange date = Piece(dateTime, L' ', 0);
    const SRange time = Piece(dateTime, L' ', 2);
    sms.m_strDay = TwoDigitText(Piece(date, L'/', 0));
    sms.m_strMonth = TwoDigitText(Piece(date, L'/', 1));
    sms.m_strYear = TwoDigitText(Piece(date, L'/', 2));
    sms.m_strHour = TwoDigitText(Piece(time, L':', 0));
    sms.m_strMinute = TwoDigitText(Piece(time, L':', 1));
    sms.m_strSecond = TwoDigitText(Piece(time, L':', 2));
    const bool bInbox = pszFolder == kFolders[0];
    (bInbox ? sms.m_strSenderNumber : sms.m_strRecipientNumber) = Text(TrimRange(Piece(line, L'\t', 2)));
    (bInbox ? sms.m_strSenderName : sms.m_strRecipientName) = Text(TrimRange(Piece(line, L'\t', 3)));
    sms.m_strText = Text(TrimRange(Piece(line, L'\t', 4)));
    return CDlgImportSms::kParsed;
}

// Text, (ignored), number, "yyyy/mm/dd hh:mm:ss", split at commas not escaped as "\,".
CDlgImportSms::EParse ParseMPhoneLine(CString strLine, CCorvane_smsDoc* pDoc, CSMS& sms)
{
    strLine.Trim();
    if (strLine.Find(kMPhoneHead) != -1)
        return CDlgImportSms::kSkipped;
    strLine.Replace(L"\\,", kCommaMarker);
    CStringSplitter fields(strLine, L",");
    sms.m_strFolder = SMS_FOLDER_INBOX;
    sms.m_strText = fields.GetField(0);
    sms.m_strText.Replace(kCommaMarker, L",");
    sms.m_strSenderNumber = Trimmed(fields.GetField(2));
    sms.m_strSenderName =
        pDoc ? pDoc->FindContactName(sms.m_strSenderNumber) : FilterPhoneNumber(sms.m_strSenderNumber);
    CStringSplitter dateTime(Trimmed(fields.GetField(3)), L" ");
    CString strYear, strMonth, strDay;
    SplitDate(dateTime.GetField(0), strYear, strMonth, strDay);
    sms.m_strYear = CDlgImportSms::TwoDigits(strYear);
    sms.m_strMonth = CDlgImportSms::TwoDigits(strMonth);
    sms.m_strDay = CDlgImportSms::TwoDigits(strDay);
    SplitTime(dateTime.GetField(1), sms);
    return CDlgImportSms::kParsed;
}
} // namespace

CDlgImportSms::CDlgImportSms(CWnd* pParent) : CExtResizableDialog(IDD_IMPORT_SMS, pParent), m_pDoc(nullptr) {}

void CDlgImportSms::DoDataExchange(CDataExchange* pDX)
{
    CExtResizableDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_IMPORT_KIND_LABEL, m_wndKindLabel);
    DDX_Control(pDX, IDC_IMPORT_BACKUP, m_wndBackup);
    DDX_Control(pDX, IDC_IMPORT_SIMPLE, m_wndSimple);
    DDX_Control(pDX, IDC_IMPORT_MPHONE, m_wndMPhone);
    DDX_Control(pDX, IDC_IMPORT_FILE_LABEL, m_wndFileLabel);
    DDX_Control(pDX, IDC_IMPORT_FILE, m_wndPath);
    DDX_Control(pDX, IDC_BROWSE_BUTTON, m_wndBrowse);
    DDX_Control(pDX, IDOK, m_wndOk);
    DDX_Control(pDX, IDCANCEL, m_wndCancel);
    DDX_Control(pDX, IDC_IMPORT_PROGRESS, m_wndProgress);
    DDX_Text(pDX, IDC_IMPORT_FILE, m_strPath);
}

BOOL CDlgImportSms::OnInitDialog()
{
    CExtResizableDialog::OnInitDialog();
    CheckRadioButton(IDC_IMPORT_BACKUP, IDC_IMPORT_MPHONE, IDC_IMPORT_BACKUP);
    m_wndPath.SetFocus();
    return FALSE;
}

CCorvane_smsDoc* CDlgImportSms::GetDocument() const
{
    if (m_pDoc != nullptr)
        return m_pDoc;
    CCorvane_smsApp* pApp = GetCorvaneApp();
    return pApp ? pApp->GetDoc() : nullptr;
}

int CDlgImportSms::GetCheckedLayout() const
{
    if (IsDlgButtonChecked(IDC_IMPORT_BACKUP))
        return kLayoutBackup;
    if (IsDlgButtonChecked(IDC_IMPORT_SIMPLE))
        return kLayoutSimple;
    if (IsDlgButtonChecked(IDC_IMPORT_MPHONE))
        return kLayoutMPhone;
    return -1;
}

CString CDlgImportSms::TwoDigits(const CString& str)
{
    if (str.GetLength() == 1)
        return L"0" + str;
    return str.GetLength() > 2 ? str.Right(2) : str;
}

BOOL CDlgImportSms::ReadFileLines(const CString& strPath, CStringArray& lines)
{
    CUnicodeTextReader reader(strPath);
    if (!reader.IsOpen())
        return FALSE;
    CString strLine;
    while (reader.ReadLine(strLine))
        lines.Add(strLine);
    return TRUE;
}

CDlgImportSms::EParse CDlgImportSms::ParseLine(const CString& strLine, int nLayout, CCorvane_smsDoc* pDoc, CSMS& sms)
{
    if (strLine.IsEmpty())
        return kSkipped;
    return nLayout == kLayoutMPhone ? ParseMPhoneLine(strLine, pDoc, sms) : ParseTabbedLine(strLine, sms);
}

void CDlgImportSms::ImportLines(CCorvane_smsDoc& doc, const CStringArray& lines, int nLayout, SImportResult& result,
                                CWnd* pProgress)
{
    result = SImportResult();
    const int nLines = (int)lines.GetSize();
    result.nLines = nLines;
    CSmsRecordsLock lock(&doc);
    // The keys held, those of records appended here included: views of the records' own keys,
    // which stay in place while the records live.
    std::unordered_set<std::wstring_view> keys;
    keys.reserve((size_t)doc.m_listSms.GetCount() + (size_t)nLines);
    for (POSITION pos = doc.m_listSms.GetHeadPosition(); pos != nullptr;)
    {
        CSMS* pSms = (CSMS*)doc.m_listSms.GetNext(pos);
        pSms->RebuildKey();
        keys.insert(std::wstring_view(pSms->m_strKey.GetString(), (size_t)pSms->m_strKey.GetLength()));
    }
    const CString strProgressFormat = LoadResourceText(IDS_IMPORT_PROGRESS);
    CSMS record; // emptied for every line; its buffers are reused
    for (int i = 0; i < nLines; ++i)
    {
        if (pProgress != nullptr && pProgress->GetSafeHwnd() != nullptr)
        {
            CString strStep, strText = strProgressFormat;
            strStep.Format(L"%d/%d", i + 1, nLines);
            strText.Replace(L"##", strStep);
            pProgress->SetWindowText(strText);
            pProgress->UpdateWindow();
        }
        record.Clear();
        const EParse parse = ParseLine(lines[i], nLayout, &doc, record);
        if (parse == kRefused)
        {
            if (result.nRefused++ == 0)
                result.nFirstRefused = i + 1;
            continue;
        }
        if (parse != kParsed)
            continue;
        record.m_bRead = 1;
        record.RebuildKey();
        if (keys.count(std::wstring_view(record.m_strKey.GetString(), (size_t)record.m_strKey.GetLength())) != 0)
            continue;
        CSMS* pNew = new CSMS(record);
        doc.m_listSms.AddTail(pNew);
        keys.insert(std::wstring_view(pNew->m_strKey.GetString(), (size_t)pNew->m_strKey.GetLength()));
        ++result.nAdded;
    }
}

void CDlgImportSms::OnBrowse()
{
    const int nLayout = GetCheckedLayout();
    if (nLayout < 0)
    {
        UpdateData(FALSE);
        return;
    }
    const bool bCsv = nLayout == kLayoutMPhone;
    UpdateData(TRUE);
    CFileDialog dlg(FALSE, bCsv ? L".csv" : L".txt", nullptr, 0, bCsv ? kCsvFilter : kTextFilter, this);
    if (dlg.DoModal() != IDOK)
        return;
    m_strPath = dlg.GetPathName();
    UpdateData(FALSE);
}

void CDlgImportSms::OnOK()
{
    UpdateData(TRUE);
    if (m_strPath.IsEmpty())
    {
        MessageBox(LoadResourceText(IDS_IMPORT_NO_FILE), L"Info", MB_OK);
        return;
    }
    CCorvane_smsDoc* pDoc = GetDocument();
    if (pDoc == nullptr)
        return;
    ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    CStringArray lines;
    if (!ReadFileLines(m_strPath, lines))
    {
        // Nothing read, nothing saved; the dialog stays for another path.
        ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
        MessageBox(FormatResourceText(IDS_IMPORT_OPEN_FAILED, m_strPath), L"Error", MB_OK | MB_ICONERROR);
        return;
    }
    SImportResult result;
    ImportLines(*pDoc, lines, GetCheckedLayout(), result, &m_wndProgress);
    pDoc->SaveData();
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    CString strCount;
    strCount.Format(L"%d", result.nLines);
    MessageBox(FormatResourceText(IDS_IMPORT_DONE, strCount), L"Info", MB_OK);
    if (result.nRefused > 0)
    {
        // "## baris ... (baris pertama: ##)": the count, then the first refused line's number.
        CString strText = LoadResourceText(IDS_IMPORT_LINES_REFUSED), strNumber;
        strNumber.Format(L"%d", result.nRefused);
        ReplaceFirstMarker(strText, strNumber);
        strNumber.Format(L"%d", result.nFirstRefused);
        ReplaceFirstMarker(strText, strNumber);
        MessageBox(strText, L"Warning", MB_OK | MB_ICONWARNING);
    }
    EndDialog(IDOK);
}
