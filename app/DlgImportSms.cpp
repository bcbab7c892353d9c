// CDlgImportSms: the three layouts, the duplicate test by key under the records lock, the file
// chooser and the final messages.
#include "app/DlgImportSms.h"
#include "app/Corvane_sms.h"
#include "app/DlgExportSms.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/StoreHelpers.h"
#include "phone/UnicodeTextFile.h"
#include "res/app_tools_ids.h"

#include <cwctype>
#include <string>
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

// Dispatches what waits in the thread's queue, through the pre-translation a modal loop gives it; a
// quit request is put back for the loop that ends the thread. A bounded number per call, so that a
// window that keeps posting to itself cannot hold the import up.
void AnswerWaitingMessages()
{
    const int kMostPerCall = 1000;
    MSG msg;
    for (int i = 0; i < kMostPerCall && ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE); ++i)
    {
        if (!AfxPumpMessage())
        {
            ::PostQuitMessage((int)AfxGetCurrentMessage()->wParam);
            return;
        }
    }
}

// True for the first call and then once kProgressIntervalMs has passed since it last was, or since
// the last Restart (the interval counts from the end of the messages answered).
class CPacer
{
public:
    bool Due()
    {
        const ULONGLONG now = ::GetTickCount64();
        if (m_bStarted && now - m_nLast < CDlgImportSms::kProgressIntervalMs)
            return false;
        m_bStarted = true;
        m_nLast = now;
        return true;
    }
    void Restart() { m_nLast = ::GetTickCount64(); }

private:
    bool m_bStarted = false;
    ULONGLONG m_nLast = 0;
};

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

// Hour, minute and second from "hh:mm:ss", each as two digits.
void ReadTime(const SRange& time, CSMS& sms)
{
    sms.m_strHour = TwoDigitText(Piece(time, L':', 0));
    sms.m_strMinute = TwoDigitText(Piece(time, L':', 1));
    sms.m_strSecond = TwoDigitText(Piece(time, L':', 2));
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
    ReadTime(time, sms);
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
    const SRange line = {strLine.GetString(), strLine.GetLength()};
    sms.m_strFolder = SMS_FOLDER_INBOX;
    sms.m_strText = Text(Piece(line, L',', 0));
    sms.m_strText.Replace(kCommaMarker, L",");
    sms.m_strSenderNumber = Text(TrimRange(Piece(line, L',', 2)));
    sms.m_strSenderName =
        pDoc ? pDoc->FindContactName(sms.m_strSenderNumber) : FilterPhoneNumber(sms.m_strSenderNumber);
    const SRange dateTime = TrimRange(Piece(line, L',', 3));
    const SRange date = Piece(dateTime, L' ', 0);
    const SRange time = Piece(dateTime, L' ', 1);
    sms.m_strYear = TwoDigitText(Piece(date, L'/', 0));
    sms.m_strMonth = TwoDigitText(Piece(date, L'/', 1));
    sms.m_strDay = TwoDigitText(Piece(date, L'/', 2));
    ReadTime(time, sms);
    return CDlgImportSms::kParsed;
}
} // namespace

int CDlgImportSms::s_nRunning = 0;
BOOL CDlgImportSms::s_bCloseAsked = FALSE;

BOOL CDlgImportSms::StopRunningImportForClose()
{
    if (s_nRunning == 0)
        return FALSE;
    s_bCloseAsked = TRUE;
    return TRUE;
}

CDlgImportSms::CDlgImportSms(CWnd* pParent)
    : CExtResizableDialog(IDD_IMPORT_SMS, pParent), m_pDoc(nullptr), m_bImporting(FALSE)
{}

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

BOOL CDlgImportSms::ReadFileLines(const CString& strPath, CStringArray& lines, BOOL bAnswerMessages, int* pnEncoding)
{
    CUnicodeTextReader reader(strPath);
    if (!reader.IsOpen())
        return FALSE;
    if (pnEncoding != nullptr)
        *pnEncoding = reader.GetEncoding();
    CPacer pacer;
    CString strLine;
    while (reader.ReadLine(strLine))
    {
        lines.ElementAt(lines.Add(L"")) = strLine; // whole: Add's text argument would stop at a NUL
        if (bAnswerMessages && pacer.Due())
        {
            AnswerWaitingMessages();
            pacer.Restart();
            if (s_bCloseAsked)
                break;
        }
    }
    return TRUE;
}

CDlgImportSms::EParse CDlgImportSms::ParseLine(const CString& strLine, int nLayout, CCorvane_smsDoc* pDoc, CSMS& sms)
{
    if (strLine.IsEmpty())
        return kSkipped;
    return nLayout == kLayoutMPhone ? ParseMPhoneLine(strLine, pDoc, sms) : ParseTabbedLine(strLine, sms);
}

namespace
{
// What makes two messages one: the folder, the number a backup line carries (the sender's for "Inbox",
// else the recipients'), the date, the time and the whole text.
std::wstring DuplicateKey(const CSMS& sms)
{
    const bool bInbox = sms.m_strFolder == SMS_FOLDER_INBOX;
    const CString strKey = sms.m_strFolder + L"\n" + (bInbox ? sms.m_strSenderNumber : sms.m_strRecipientNumber) +
                           L"\n" + sms.m_strDay + L"/" + sms.m_strMonth + L"/" + sms.m_strYear + L" " + sms.m_strHour +
                           L":" + sms.m_strMinute + L":" + sms.m_strSecond + L"\n" + sms.m_strText;
    return std::wstring(strKey.GetString(), (size_t)strKey.GetLength());
}

// The text as a file in the ANSI code page holds it: written as the program's ANSI writer writes it
// (a character the code page lacks becomes its default character) and read back.
CString ThroughAnsi(const CString& str)
{
    const CStringA bytes = PlatformWideToAnsi(str.GetString(), str.GetLength(), CP_ACP);
    return PlatformAnsiToWide(bytes.GetString(), bytes.GetLength(), CP_ACP);
}

// A record's key as a line of the file would give it: the line the export writes for the record,
// in the file's encoding, read back by the layout. So the program's own export imported back into
// the records it came from matches each of them, whatever the export made of its blanks, line
// breaks and tabs. An MPhone file is no export of the program: its records are compared as held.
std::wstring RecordKey(const CSMS& record, int nLayout, int nEncoding, CSMS& scratch)
{
    if (nLayout == CDlgImportSms::kLayoutMPhone)
        return DuplicateKey(record);
    CString strLine;
    CDlgExportSms::AppendBackupLine(strLine, record);
    if (nEncoding == TEXTFILE_ASCII)
        strLine = ThroughAnsi(strLine);
    strLine.TrimRight(L"\r\n");
    scratch.Clear();
    return ParseTabbedLine(strLine, scratch) == CDlgImportSms::kParsed ? DuplicateKey(scratch) : DuplicateKey(record);
}

// The keys of every record of the list.
void CollectKeys(CCorvane_smsDoc& doc, int nLayout, int nEncoding, std::unordered_set<std::wstring>& keys)
{
    keys.clear();
    CSMS scratch;
    for (POSITION pos = doc.m_listSms.GetHeadPosition(); pos != nullptr;)
        keys.insert(RecordKey(*(const CSMS*)doc.m_listSms.GetNext(pos), nLayout, nEncoding, scratch));
}
} // namespace

void CDlgImportSms::ImportLines(CCorvane_smsDoc& doc, const CStringArray& lines, int nLayout, SImportResult& result,
                                CWnd* pProgress, int nEncoding)
{
    result = SImportResult();
    const int nLines = (int)lines.GetSize();
    result.nLines = nLines;
    CSmsRecordsLock lock(&doc);
    // The keys held, those of records appended here included.
    std::unordered_set<std::wstring> keys;
    keys.reserve((size_t)doc.m_listSms.GetCount() + (size_t)nLines);
    CollectKeys(doc, nLayout, nEncoding, keys);
    const CString strProgressFormat = LoadResourceText(IDS_IMPORT_PROGRESS);
    CPacer pacer;
    CSMS record; // emptied for every line; its buffers are reused
    for (int i = 0; i < nLines; ++i)
    {
        if (pProgress != nullptr && pProgress->GetSafeHwnd() != nullptr && (pacer.Due() || i == nLines - 1))
        {
            CString strStep, strText = strProgressFormat;
            strStep.Format(L"%d/%d", i + 1, nLines);
            strText.Replace(L"##", strStep);
            pProgress->SetWindowText(strText);
            pProgress->UpdateWindow();
            // Between two lines the list is as between two messages: the phone worker may append
            // and the window's handlers may run. When the records changed meanwhile in any way, the
            // keys are taken anew (a removed or re-keyed record's old key must not be looked at,
            // and a new key must count).
            const ULONG nChangesBefore = doc.GetRecordsChanges();
            doc.UnlockRecords();
            AnswerWaitingMessages();
            pacer.Restart();
            doc.LockRecords();
            if (s_bCloseAsked)
                break;
            if (doc.GetRecordsChanges() != nChangesBefore)
                CollectKeys(doc, nLayout, nEncoding, keys);
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
        if (!keys.insert(DuplicateKey(record)).second)
        {
            ++result.nDuplicates;
            continue;
        }
        doc.m_listSms.AddTail(new CSMS(record));
        doc.NoteRecordsChanged();
        ++result.nAdded;
    }
}

void CDlgImportSms::OnBrowse()
{
    if (m_bImporting)
        return;
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

void CDlgImportSms::OnCancel()
{
    if (!m_bImporting)
        CExtResizableDialog::OnCancel();
}

void CDlgImportSms::OnOK()
{
    if (m_bImporting)
        return;
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
    // The window keeps answering during a long read and import; its buttons wait for the end, and
    // a close of the program meanwhile makes it stop.
    m_bImporting = TRUE;
    ++s_nRunning;
    CStringArray lines;
    int nEncoding = TEXTFILE_UNI16_LE;
    const BOOL bRead = ReadFileLines(m_strPath, lines, TRUE, &nEncoding);
    SImportResult result;
    if (bRead && !s_bCloseAsked)
        ImportLines(*pDoc, lines, GetCheckedLayout(), result, &m_wndProgress, nEncoding);
    const BOOL bCloseAsked = s_bCloseAsked;
    if (--s_nRunning == 0)
        s_bCloseAsked = FALSE;
    m_bImporting = FALSE;
    if (bCloseAsked)
    {
        // The program is closing: no box waits for an answer, and the close goes on once the dialog
        // has ended (its exit save keeps the records filed).
        ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
        EndDialog(IDCANCEL);
        CWinApp* pApp = AfxGetApp();
        if (s_nRunning == 0 && pApp != nullptr && pApp->m_pMainWnd != nullptr)
            pApp->m_pMainWnd->PostMessage(WM_CLOSE);
        return;
    }
    if (!bRead)
    {
        // Nothing read, nothing saved; the dialog stays for another path.
        ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
        MessageBox(FormatResourceText(IDS_IMPORT_OPEN_FAILED, m_strPath), L"Error", MB_OK | MB_ICONERROR);
        return;
    }
    pDoc->SaveData();
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    // The lines read, then the messages filed and those left out as already held.
    CString strCount, strCounts = LoadResourceText(IDS_IMPORT_FILED_COUNTS);
    strCount.Format(L"%d", result.nLines);
    const CString strDone = FormatResourceText(IDS_IMPORT_DONE, strCount);
    strCount.Format(L"%d", result.nAdded);
    ReplaceFirstMarker(strCounts, strCount);
    strCount.Format(L"%d", result.nDuplicates);
    ReplaceFirstMarker(strCounts, strCount);
    MessageBox(strDone + L" " + strCounts, L"Info", MB_OK);
    // A close of the program while a box was up has taken the dialog with it.
    if (GetSafeHwnd() == nullptr)
        return;
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
