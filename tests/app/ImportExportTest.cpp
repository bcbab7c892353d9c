// Export and import of messages: the backup file's bytes, the round trip, the four encodings, the
// three layouts, refused and broken lines, and the errors of unwritable and unopenable files.
#include "app/DlgExportSms.h"
#include "app/DlgImportSms.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/SmsRecord.h"
#include "phone/StoreHelpers.h"
#include "phone/UnicodeTextFile.h"
#include "phone/StoreTestSupport.h"
#include "res/app_tools_ids.h"
#include "support/MessageBoxCapture.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <string>
#include <vector>

using storetest::ReadAll;
using storetest::ScratchDir;

namespace
{
CSMS* MakeSms(LPCWSTR folder, LPCWSTR day, LPCWSTR month, LPCWSTR year, LPCWSTR hour, LPCWSTR minute, LPCWSTR second,
              LPCWSTR number, LPCWSTR name, LPCWSTR text)
{
    CSMS* p = new CSMS;
    p->m_strFolder = folder;
    p->m_strDay = day;
    p->m_strMonth = month;
    p->m_strYear = year;
    p->m_strHour = hour;
    p->m_strMinute = minute;
    p->m_strSecond = second;
    if (CString(folder) == SMS_FOLDER_INBOX)
    {
        p->m_strSenderNumber = number;
        p->m_strSenderName = name;
    }
    else
    {
        p->m_strRecipientNumber = number;
        p->m_strRecipientName = name;
    }
    p->m_strText = text;
    p->RebuildKey();
    return p;
}

std::vector<CSMS*> Records(CCorvane_smsDoc& doc)
{
    std::vector<CSMS*> v;
    for (POSITION pos = doc.m_listSms.GetHeadPosition(); pos != nullptr;)
        v.push_back((CSMS*)doc.m_listSms.GetNext(pos));
    return v;
}

// The file as UTF-16 text after its byte-order mark.
std::wstring Utf16Body(const std::vector<unsigned char>& bytes)
{
    std::wstring s;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2)
        s += (wchar_t)(bytes[i] | bytes[i + 1] << 8);
    return s;
}

// A document whose texts hold line breaks, tabs, blanks and characters outside the ANSI code page.
void FillFourFolders(CCorvane_smsDoc& doc)
{
    doc.m_listSms.AddTail(
        MakeSms(SMS_FOLDER_INBOX, L"01", L"02", L"05", L"10", L"11", L"12", L"0811", L"Ani", L"halo apa kabar"));
    doc.m_listSms.AddTail(MakeSms(SMS_FOLDER_OUTBOX, L"03", L"04", L"06", L"13", L"14", L"15", L"0812;0813",
                                  L"Budi;Cici", L"baris satu\r\nbaris dua"));
    doc.m_listSms.AddTail(
        MakeSms(SMS_FOLDER_SENT, L"05", L"06", L"07", L"16", L"17", L"18", L"0814", L"Dodi", L"  kiri dan kanan  "));
    doc.m_listSms.AddTail(MakeSms(SMS_FOLDER_DRAFTS, L"07", L"08", L"08", L"19", L"20", L"21", L"0815", L"Eka\tF",
                                  L"tab\tdi tengah \x0416\x4E2D\xD83D\xDE00"));
    // No hour and no second: not written, but counted.
    doc.m_listSms.AddTail(MakeSms(SMS_FOLDER_INBOX, L"09", L"10", L"09", L"", L"22", L"", L"0816", L"Gina", L"x"));
}

CString ImportFile(CCorvane_smsDoc& doc, const CString& path, int layout, CDlgImportSms::SImportResult& result)
{
    CStringArray lines;
    int encoding = TEXTFILE_UNI16_LE;
    if (!CDlgImportSms::ReadFileLines(path, lines, FALSE, &encoding))
        return L"unopened";
    CDlgImportSms::ImportLines(doc, lines, layout, result, nullptr, encoding);
    return L"";
}

// A message-only window of a class of its own with this window procedure.
HWND MessageWindow(const wchar_t* pszClass, WNDPROC pfnProc)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = pfnProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = pszClass;
    ::RegisterClassW(&wc);
    return ::CreateWindowW(pszClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
}

// The import dialog on the document, created and with the file's path typed in, as it stands before "OK".
bool OpenImportDialog(CDlgImportSms& dlg, CCorvane_smsDoc& doc, const CString& path)
{
    dlg.SetDocument(&doc);
    if (!dlg.Create(IDD_IMPORT_SMS, nullptr))
        return false;
    dlg.OnInitDialog();
    dlg.m_wndPath.SetWindowText(path);
    return true;
}

void WriteBytes(const CString& path, const std::string& bytes)
{
    storetest::WriteAll(path, std::vector<unsigned char>(bytes.begin(), bytes.end()));
}
} // namespace

TEST(ImportExportTest, ExportWritesTheBackupFormatInUtf16LeAndCountsEveryRecord)
{
    ScratchDir dir;
    CCorvane_smsDoc doc;
    FillFourFolders(doc);
    MessageBoxCapture boxes;
    CDlgExportSms dlg;
    dlg.SetDocument(&doc);
    ASSERT_TRUE(dlg.Create(IDD_EXPORT_SMS, nullptr));
    dlg.OnInitDialog();
    CString name, type, folder;
    dlg.m_wndName.GetWindowText(name);
    dlg.m_wndType.GetWindowText(type);
    dlg.m_wndFolder.GetWindowText(folder);
    EXPECT_EQ(name, L"CorvaneSms.bck.txt");
    EXPECT_EQ(type, L"*.txt");
    EXPECT_EQ(folder, L"C:\\");
    // A folder without its backslash and a name without ".txt".
    CString strFolder = dir.Folder();
    strFolder.TrimRight(L'\\');
    dlg.m_wndFolder.SetWindowText(strFolder);
    dlg.m_wndName.SetWindowText(L"backup");
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_EXPORT_RUN, BN_CLICKED), (LPARAM)dlg.m_wndExport.GetSafeHwnd());
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().title, L"Info");
    EXPECT_EQ(boxes.Last().text, L"Proses export sudah selesai. 5 pesan telah diproses.");
    EXPECT_EQ(dlg.m_nModalResult, IDOK);

    const std::vector<unsigned char> bytes = ReadAll(dir.Path(L"backup.txt"));
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xFE);
    const std::wstring expected =
        L"Inbox\t01/02/05  10:11:12\t0811\tAni\thalo apa kabar \r\n"
        L"Outbox\t03/04/06  13:14:15\t0812;0813\tBudi;Cici\tbaris satu  baris dua \r\n"
        L"Sent\t05/06/07  16:17:18\t0814\tDodi\t  kiri dan kanan   \r\n"
        L"Drafts\t07/08/08  19:20:21\t0815\tEka F\ttab di tengah \x0416\x4E2D\xD83D\xDE00 \r\n";
    EXPECT_EQ(Utf16Body(bytes), expected);
    dlg.DestroyWindow();
}

TEST(ImportExportTest, ABackupComesBackEqualUpToBlanksAndAddsNothingToTheRecordsItCameFromInAnyEncoding)
{
    ScratchDir dir;
    CCorvane_smsDoc doc;
    FillFourFolders(doc);
    int count = 0;
    ASSERT_TRUE(CDlgExportSms::WriteBackupFile(doc, dir.Path(L"b.txt"), count));
    EXPECT_EQ(count, 5);

    CCorvane_smsDoc fresh;
    CDlgImportSms::SImportResult result;
    ASSERT_EQ(ImportFile(fresh, dir.Path(L"b.txt"), CDlgImportSms::kLayoutBackup, result), L"");
    EXPECT_EQ(result.nLines, 4);
    EXPECT_EQ(result.nAdded, 4);
    EXPECT_EQ(result.nRefused, 0);
    const std::vector<CSMS*> in = Records(doc), out = Records(fresh);
    ASSERT_EQ(out.size(), 4u);
    for (size_t i = 0; i < 4; ++i)
    {
        CString text = in[i]->m_strText;
        text.Replace(L'\r', L' ');
        text.Replace(L'\n', L' ');
        text.Replace(L'\t', L' ');
        text.Trim();
        EXPECT_EQ(out[i]->m_strText, text) << i;
        EXPECT_EQ(out[i]->m_strFolder, in[i]->m_strFolder);
        EXPECT_EQ(out[i]->m_strDay + out[i]->m_strMonth + out[i]->m_strYear,
                  in[i]->m_strDay + in[i]->m_strMonth + in[i]->m_strYear);
        EXPECT_EQ(out[i]->m_strHour + out[i]->m_strMinute + out[i]->m_strSecond,
                  in[i]->m_strHour + in[i]->m_strMinute + in[i]->m_strSecond);
        EXPECT_EQ(out[i]->m_strSenderNumber, in[i]->m_strSenderNumber);
        EXPECT_EQ(out[i]->m_strRecipientNumber, in[i]->m_strRecipientNumber);
        EXPECT_EQ(out[i]->m_strSenderName, in[i]->m_strSenderName);
        EXPECT_EQ(out[i]->m_bRead, 1);
        EXPECT_EQ(out[i]->m_strKey, CSMS::MakeKey(*out[i]));
    }
    EXPECT_EQ(out[3]->m_strRecipientName, L"Eka F");

    // Into the records it came from, as exported and saved again in each encoding: nothing is new.
    // A Sent line like an Inbox record but for its folder is its own message.
    CStringArray lines;
    ASSERT_TRUE(CDlgImportSms::ReadFileLines(dir.Path(L"b.txt"), lines));
    lines.Add(L"Sent\t01/02/05  10:11:12\t0811\tAni\thalo apa kabar ");
    for (int encoding : {TEXTFILE_UNI16_LE, TEXTFILE_UNI16_BE, TEXTFILE_UTF_8, TEXTFILE_ASCII})
    {
        CUnicodeTextWriter writer(dir.Path(L"again.txt"), encoding);
        for (int i = 0; i < lines.GetSize(); ++i)
            writer.WriteLine(lines[i] + L"\r\n");
        writer.Close();
        ASSERT_EQ(ImportFile(doc, dir.Path(L"again.txt"), CDlgImportSms::kLayoutBackup, result), L"");
        EXPECT_EQ(result.nAdded, encoding == TEXTFILE_UNI16_LE ? 1 : 0) << encoding;
        EXPECT_EQ(result.nDuplicates, encoding == TEXTFILE_UNI16_LE ? 4 : 5) << encoding;
    }
    EXPECT_EQ(doc.m_listSms.GetCount(), 6);
}

TEST(ImportExportTest, TheFourEncodingsImportToIdenticalRecords)
{
    ScratchDir dir;
    const std::wstring text = L"Inbox\t1/2/05  10:11:12\t0811\tAni\thalo caf\xE9 \r\n"
                              L"Sent\t3/4/06  13:14:15\t0812\tBudi\tsampai jumpa \r\n";
    std::string ansi, le = "\xFF\xFE", be = "\xFE\xFF", utf8 = "\xEF\xBB\xBF";
    for (wchar_t c : text)
    {
        ansi += (char)(unsigned char)c;
        le += (char)(c & 0xFF);
        le += (char)(c >> 8);
        be += (char)(c >> 8);
        be += (char)(c & 0xFF);
    }
    std::string u8;
    WideToMultiByte(text.c_str(), u8, CP_UTF8);
    utf8 += u8;
    WriteBytes(dir.Path(L"a.txt"), ansi);
    WriteBytes(dir.Path(L"le.txt"), le);
    WriteBytes(dir.Path(L"be.txt"), be);
    WriteBytes(dir.Path(L"u8.txt"), utf8);
    std::vector<std::vector<CString>> all;
    for (LPCWSTR name : {L"a.txt", L"le.txt", L"be.txt", L"u8.txt"})
    {
        CCorvane_smsDoc doc;
        CDlgImportSms::SImportResult result;
        ASSERT_EQ(ImportFile(doc, dir.Path(name), CDlgImportSms::kLayoutBackup, result), L"");
        std::vector<CString> keys;
        for (CSMS* p : Records(doc))
            keys.push_back(p->m_strFolder + L"|" + p->m_strKey + L"|" + p->m_strSenderName + p->m_strRecipientName +
                           L"|" + p->m_strSenderNumber + p->m_strRecipientNumber);
        all.push_back(keys);
    }
    ASSERT_EQ(all[0].size(), 2u);
    EXPECT_EQ(all[0][0], L"Inbox|010205101112halo caf\xE9|Ani|0811");
    EXPECT_EQ(all[0][1], L"Sent|030406131415sampai jumpa|Budi|0812");
    for (size_t i = 1; i < all.size(); ++i)
        EXPECT_EQ(all[i], all[0]) << i;
}

TEST(ImportExportTest, SimpleAndMPhoneLayoutsReadTheirFields)
{
    CCorvane_smsDoc doc;
    doc.AddContact(L"Ani", L"0812345", L"MOB", L"");
    CSMS sms;
    // A simple line with one blank between date and time: no time.
    EXPECT_EQ(CDlgImportSms::ParseLine(L"Sent\t1/2/2005 10:11:12\t0811\tBudi\t teks ", CDlgImportSms::kLayoutSimple,
                                       &doc, sms),
              CDlgImportSms::kParsed);
    EXPECT_EQ(sms.m_strFolder, L"Sent");
    EXPECT_EQ(sms.m_strDay + L"/" + sms.m_strMonth + L"/" + sms.m_strYear, L"01/02/05");
    EXPECT_EQ(sms.m_strHour + sms.m_strMinute + sms.m_strSecond, L"");
    EXPECT_EQ(sms.m_strRecipientNumber, L"0811");
    EXPECT_EQ(sms.m_strRecipientName, L"Budi");
    EXPECT_EQ(sms.m_strSenderNumber, L"");
    EXPECT_EQ(sms.m_strText, L"teks");

    CSMS mp;
    EXPECT_EQ(
        CDlgImportSms::ParseLine(L"a\\,b,x,0812345,2005/04/29 10:11:12,extra", CDlgImportSms::kLayoutMPhone, &doc, mp),
        CDlgImportSms::kParsed);
    EXPECT_EQ(mp.m_strText, L"a,b");
    EXPECT_EQ(mp.m_strFolder, L"Inbox");
    EXPECT_EQ(mp.m_strSenderNumber, L"0812345");
    EXPECT_EQ(mp.m_strSenderName, L"Ani");
    EXPECT_EQ(mp.m_strYear + mp.m_strMonth + mp.m_strDay, L"050429");
    EXPECT_EQ(mp.m_strHour + L":" + mp.m_strMinute + L":" + mp.m_strSecond, L"10:11:12");
    EXPECT_EQ(mp.m_strRecipientNumber + mp.m_strRecipientName, L"");

    // A "Head:" line is skipped but counted; an unknown number is its own name.
    CStringArray lines;
    lines.Add(L"Head: text,x,number,date");
    lines.Add(L"hai,x,0899,2006/1/2 3:4:5");
    lines.Add(L"");
    CDlgImportSms::SImportResult result;
    CDlgImportSms::ImportLines(doc, lines, CDlgImportSms::kLayoutMPhone, result);
    EXPECT_EQ(result.nLines, 3);
    EXPECT_EQ(result.nAdded, 1);
    ASSERT_EQ(doc.m_listSms.GetCount(), 1);
    const CSMS* p = (const CSMS*)doc.m_listSms.GetTail();
    EXPECT_EQ(p->m_strSenderName, L"0899");
    EXPECT_EQ(p->m_strDay + p->m_strMonth + p->m_strYear + p->m_strHour + p->m_strMinute + p->m_strSecond,
              L"020106030405");
}

TEST(ImportExportTest, UnknownFoldersAreRefusedAndShortLinesCarryNothingOver)
{
    CCorvane_smsDoc doc;
    CStringArray lines;
    lines.Add(L"Inbox\t1/2/05  9:5:3\t0811\tAni\tpertama");
    lines.Add(L"Trash\t1/2/05  10:00:00\t0812\tBudi\tdibuang");
    lines.Add(L"sent\t3/4/06  1:2:3");
    lines.Add(L"Kotak\tx");
    CDlgImportSms::SImportResult result;
    CDlgImportSms::ImportLines(doc, lines, CDlgImportSms::kLayoutBackup, result);
    EXPECT_EQ(result.nLines, 4);
    EXPECT_EQ(result.nAdded, 2);
    EXPECT_EQ(result.nRefused, 2);
    EXPECT_EQ(result.nFirstRefused, 2);
    const std::vector<CSMS*> v = Records(doc);
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(v[0]->m_strHour + L":" + v[0]->m_strMinute + L":" + v[0]->m_strSecond, L"09:05:03");
    EXPECT_EQ(v[0]->m_strDay + v[0]->m_strMonth, L"0102");
    // The short line: its folder's spelling, nothing of the line before.
    EXPECT_EQ(v[1]->m_strFolder, L"Sent");
    EXPECT_EQ(v[1]->m_strText, L"");
    EXPECT_EQ(v[1]->m_strSenderName + v[1]->m_strSenderNumber + v[1]->m_strRecipientName + v[1]->m_strRecipientNumber,
              L"");
    EXPECT_EQ(CDlgImportSms::TwoDigits(L"2005"), L"05");
    EXPECT_EQ(CDlgImportSms::TwoDigits(L"7"), L"07");
    EXPECT_EQ(CDlgImportSms::TwoDigits(L""), L"");
}

TEST(ImportExportTest, TheImportDialogReportsRefusedLinesAndUnopenableFiles)
{
    ScratchDir dir;
    CCorvane_smsDoc doc;
    doc.SetDataFilePath(dir.Path(L"CorvaneSms.dat"));
    MessageBoxCapture boxes;
    CDlgImportSms dlg;
    dlg.SetDocument(&doc);
    ASSERT_TRUE(dlg.Create(IDD_IMPORT_SMS, nullptr));
    dlg.OnInitDialog();
    EXPECT_EQ(dlg.GetCheckedLayout(), CDlgImportSms::kLayoutBackup);
    const WPARAM ok = MAKEWPARAM(IDOK, BN_CLICKED);

    // No path.
    dlg.SendMessage(WM_COMMAND, ok, (LPARAM)dlg.m_wndOk.GetSafeHwnd());
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, L"File yang akan diimport belum diisi !");
    EXPECT_EQ(boxes.Last().title, L"Info");

    // A file that is not there: the error, nothing saved, the dialog stays.
    dlg.m_wndPath.SetWindowText(dir.Path(L"missing.txt"));
    dlg.SendMessage(WM_COMMAND, ok, (LPARAM)dlg.m_wndOk.GetSafeHwnd());
    ASSERT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(CString(boxes.Last().text.c_str()),
              CString(L"File ") + dir.Path(L"missing.txt") + L" tidak dapat dibuka.");
    EXPECT_EQ(boxes.Last().title, L"Error");
    EXPECT_FALSE(storetest::Exists(dir.Path(L"CorvaneSms.dat")));
    EXPECT_NE(dlg.m_nModalResult, IDOK);

    // Refused lines: the count message, then the warning. Another sender's message at the same time
    // with the same text is filed; the same sender's again is left out.
    WriteBytes(dir.Path(L"in.txt"), "Inbox\t1/2/05  1:2:3\t08\tA\tx\r\n\r\nSampah\t1/2/05  1:2:3\t08\tA\ty\r\n"
                                    "Inbox\t1/2/05  1:2:3\t09\tB\tx\r\nInbox\t1/2/05  1:2:3\t08\tA\tx\r\n");
    dlg.m_wndPath.SetWindowText(dir.Path(L"in.txt"));
    dlg.SendMessage(WM_COMMAND, ok, (LPARAM)dlg.m_wndOk.GetSafeHwnd());
    ASSERT_EQ(boxes.Count(), 4u);
    EXPECT_EQ(boxes.Boxes()[2].text, L"proses import SMS telah selesai. 5 pesan telah diproses. 2 pesan disimpan, 1 "
                                     L"pesan sudah ada dan tidak disimpan.");
    EXPECT_EQ(boxes.Boxes()[3].text, L"1 baris tidak dapat diimport (baris pertama: 3).");
    EXPECT_EQ(boxes.Boxes()[3].title, L"Warning");
    CString progress;
    dlg.m_wndProgress.GetWindowText(progress);
    EXPECT_EQ(progress, L"memproses sms no 5/5");
    EXPECT_EQ(doc.m_listSms.GetCount(), 2);
    EXPECT_TRUE(storetest::Exists(dir.Path(L"CorvaneSms.dat")));
    EXPECT_EQ(dlg.m_nModalResult, IDOK);
    dlg.DestroyWindow();
}

TEST(ImportExportTest, AnUnwritableExportPathIsAnErrorAndTheDialogStays)
{
    ScratchDir dir;
    ASSERT_TRUE(::CreateDirectoryW(dir.Path(L"taken.txt"), nullptr));
    CCorvane_smsDoc doc;
    doc.SetDataFilePath(dir.Path(L"CorvaneSms.dat"));
    FillFourFolders(doc);
    MessageBoxCapture boxes;
    CDlgExportSms dlg;
    dlg.SetDocument(&doc);
    ASSERT_TRUE(dlg.Create(IDD_EXPORT_SMS, nullptr));
    dlg.OnInitDialog();
    dlg.m_wndFolder.SetWindowText(dir.Folder());
    dlg.m_wndName.SetWindowText(L"taken.txt");
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_EXPORT_RUN, BN_CLICKED), (LPARAM)dlg.m_wndExport.GetSafeHwnd());
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().title, L"Error");
    EXPECT_EQ(CString(boxes.Last().text.c_str()),
              CString(L"File ") + dir.Path(L"taken.txt") + L" tidak dapat ditulis.");
    EXPECT_NE(dlg.m_nModalResult, IDOK);
    EXPECT_FALSE(storetest::Exists(dir.Path(L"CorvaneSms.dat")));
    // An empty name does nothing at all.
    dlg.m_wndName.SetWindowText(L"");
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_EXPORT_RUN, BN_CLICKED), (LPARAM)dlg.m_wndExport.GetSafeHwnd());
    EXPECT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(CDlgExportSms::MakeExportPath(L"C:\\", L"a.TXT"), L"C:\\a.TXT.txt");
    dlg.DestroyWindow();
}

namespace
{
// While the export dialog's browse runs: selects the first root item whose path is (or is not)
// empty and presses OK.
bool g_wantVirtual = false;
CString g_picked;

void CALLBACK PickFolder(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND hDlg = ::FindWindowW(nullptr, L"Browse Folder");
    if (hDlg == nullptr)
        return;
    ::KillTimer(nullptr, id);
    HWND hTree = ::GetDlgItem(hDlg, IDC_BROWSE_TREE);
    g_picked = L"-";
    for (HTREEITEM h = (HTREEITEM)::SendMessageW(hTree, TVM_GETNEXTITEM, TVGN_ROOT, 0); h;
         h = (HTREEITEM)::SendMessageW(hTree, TVM_GETNEXTITEM, TVGN_NEXT, (LPARAM)h))
    {
        // The root items and, for a file-system folder, the children of the expanded first one.
        for (HTREEITEM c = h; c; c = (HTREEITEM)::SendMessageW(hTree, TVM_GETNEXTITEM, TVGN_NEXT, (LPARAM)c))
        {
            TVITEMW item = {TVIF_PARAM | TVIF_HANDLE, c};
            ::SendMessageW(hTree, TVM_GETITEMW, 0, (LPARAM)&item);
            wchar_t path[MAX_PATH] = {};
            const bool bPath = item.lParam && ::SHGetPathFromIDListW((LPCITEMIDLIST)item.lParam, path);
            if (bPath != g_wantVirtual)
            {
                ::SendMessageW(hTree, TVM_SELECTITEM, TVGN_CARET, (LPARAM)c);
                g_picked = path;
                ::PostMessageW(hDlg, WM_COMMAND, IDOK, 0);
                return;
            }
            if (c == h)
                break;
        }
        HTREEITEM child = (HTREEITEM)::SendMessageW(hTree, TVM_GETNEXTITEM, TVGN_CHILD, (LPARAM)h);
        for (; child; child = (HTREEITEM)::SendMessageW(hTree, TVM_GETNEXTITEM, TVGN_NEXT, (LPARAM)child))
        {
            TVITEMW item = {TVIF_PARAM | TVIF_HANDLE, child};
            ::SendMessageW(hTree, TVM_GETITEMW, 0, (LPARAM)&item);
            wchar_t path[MAX_PATH] = {};
            const bool bPath = item.lParam && ::SHGetPathFromIDListW((LPCITEMIDLIST)item.lParam, path);
            if (bPath != g_wantVirtual)
            {
                ::SendMessageW(hTree, TVM_SELECTITEM, TVGN_CARET, (LPARAM)child);
                g_picked = path;
                ::PostMessageW(hDlg, WM_COMMAND, IDOK, 0);
                return;
            }
        }
    }
    ::PostMessageW(hDlg, WM_COMMAND, IDCANCEL, 0);
}
} // namespace

TEST(ImportExportTest, TheBrowsedFolderReplacesTheFolderTextUnlessItHasNoPath)
{
    CDlgExportSms dlg;
    ASSERT_TRUE(dlg.Create(IDD_EXPORT_SMS, nullptr));
    dlg.OnInitDialog();
    dlg.m_wndFolder.SetWindowText(L"C:\\lama");
    // A virtual item (no file-system path): the folder text stays.
    g_wantVirtual = true;
    ::SetTimer(nullptr, 0, 100, PickFolder);
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BROWSE_BUTTON, BN_CLICKED), (LPARAM)dlg.m_wndBrowse.GetSafeHwnd());
    EXPECT_EQ(g_picked, L"");
    CString folder;
    dlg.m_wndFolder.GetWindowText(folder);
    EXPECT_EQ(folder, L"C:\\lama");
    // A folder: its path.
    g_wantVirtual = false;
    ::SetTimer(nullptr, 0, 100, PickFolder);
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BROWSE_BUTTON, BN_CLICKED), (LPARAM)dlg.m_wndBrowse.GetSafeHwnd());
    ASSERT_NE(g_picked, L"-");
    ASSERT_FALSE(g_picked.IsEmpty());
    dlg.m_wndFolder.GetWindowText(folder);
    EXPECT_EQ(folder, g_picked);
    dlg.DestroyWindow();
}

namespace
{
// Runs the import dialog's OK on the file with the layout checked; the records saved in the data file.
std::vector<CString> ImportThroughDialog(const ScratchDir& dir, const CString& file, UINT nLayoutButton,
                                         MessageBoxCapture& boxes)
{
    ::DeleteFileW(dir.Path(L"CorvaneSms.dat"));
    std::vector<CString> texts;
    {
        CCorvane_smsDoc doc;
        doc.SetDataFilePath(dir.Path(L"CorvaneSms.dat"));
        CDlgImportSms dlg;
        dlg.SetDocument(&doc);
        if (!dlg.Create(IDD_IMPORT_SMS, nullptr))
            return texts;
        dlg.OnInitDialog();
        dlg.CheckRadioButton(IDC_IMPORT_BACKUP, IDC_IMPORT_MPHONE, nLayoutButton);
        dlg.m_wndPath.SetWindowText(file);
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)dlg.m_wndOk.GetSafeHwnd());
        EXPECT_EQ(dlg.m_nModalResult, IDOK);
        dlg.DestroyWindow();
    }
    CCorvane_smsDoc saved;
    saved.SetDataFilePath(dir.Path(L"CorvaneSms.dat"));
    EXPECT_TRUE(saved.LoadData());
    for (CSMS* p : Records(saved))
        texts.push_back(p->m_strFolder + L"|" + p->m_strHour + p->m_strMinute + p->m_strSecond + L"|" + p->m_strText);
    return texts;
}

std::wstring Whole(const CString& s) { return std::wstring(s.GetString(), (size_t)s.GetLength()); }

// A literal with the NULs inside it.
template <class C, size_t N> std::basic_string<C> Lit(const C (&s)[N]) { return std::basic_string<C>(s, N - 1); }
} // namespace

TEST(ImportExportTest, AUtf8CharacterCutBeforeALineEndLosesNoRecord)
{
    ScratchDir dir;
    MessageBoxCapture boxes;
    WriteBytes(dir.Path(L"u8.txt"), "\xEF\xBB\xBFInbox\t1/2/3  4:5:6\t1\t2\ta\xE4\r\nSent\t1/2/3  4:5:7\t1\t2\tb\r\n");
    const std::vector<CString> texts = ImportThroughDialog(dir, dir.Path(L"u8.txt"), IDC_IMPORT_BACKUP, boxes);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], L"Inbox|040506|a\xFFFD");
    EXPECT_EQ(texts[1], L"Sent|040507|b");
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, L"proses import SMS telah selesai. 2 pesan telah diproses. 2 pesan disimpan, 0 "
                                 L"pesan sudah ada dan tidak disimpan.");

    // An overlong line feed inside a text splits nothing and adds no record of its own.
    WriteBytes(dir.Path(L"over.txt"),
               "\xEF\xBB\xBFInbox\t1/2/3  4:5:6\t1\t2\tx\xC0\x8ASent\t1/2/3  4:5:7\t1\t2\ty\r\n");
    const std::vector<CString> one = ImportThroughDialog(dir, dir.Path(L"over.txt"), IDC_IMPORT_BACKUP, boxes);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0], L"Inbox|040506|x\xFFFD\xFFFDSent");
}

TEST(ImportExportTest, ANulInsideALineKeepsTheWholeTextInEveryEncodingAndLayout)
{
    ScratchDir dir;
    MessageBoxCapture boxes;
    const std::wstring backup =
        Lit(L"Inbox\t1/2/05  1:2:3\t0811\tAni\tab\0cd ef \r\nSent\t1/2/05  1:2:4\t0812\tBo\tz\r\n");
    std::string ansi, le = "\xFF\xFE";
    for (wchar_t c : backup)
    {
        ansi += (char)c;
        le += (char)(c & 0xFF);
        le += (char)(c >> 8);
    }
    WriteBytes(dir.Path(L"a.txt"), ansi);
    WriteBytes(dir.Path(L"le.txt"), le);
    for (LPCWSTR name : {L"a.txt", L"le.txt"})
    {
        const std::vector<CString> texts = ImportThroughDialog(dir, dir.Path(name), IDC_IMPORT_BACKUP, boxes);
        ASSERT_EQ(texts.size(), 2u) << name;
        EXPECT_EQ(Whole(texts[0]), Lit(L"Inbox|010203|ab\0cd ef")) << name;
        EXPECT_EQ(Whole(texts[1]), L"Sent|010204|z") << name;
    }
    // The comma-separated layout: the text field before the number and the date.
    const std::string csv = Lit("ha\0lo,x,0811,2005/04/29 10:11:12\r\n");
    WriteBytes(dir.Path(L"m.csv"), csv);
    const std::vector<CString> texts = ImportThroughDialog(dir, dir.Path(L"m.csv"), IDC_IMPORT_MPHONE, boxes);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(Whole(texts[0]), Lit(L"Inbox|101112|ha\0lo"));
}

namespace
{
// During an import: a probe thread sends WM_GETTEXT to the progress label once the label has been
// set for the first time, and keeps what the label answered (with "timed out" when the window did
// not answer within the time after which a window counts as not responding).
struct ResponsivenessProbe
{
    static ResponsivenessProbe* s_pThis;
    HWND hLabel = nullptr;
    HHOOK hHook = nullptr;
    HANDLE hStart = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE hThread = nullptr;
    std::wstring answer;
    int nLabelSets = 0;

    explicit ResponsivenessProbe(HWND label) : hLabel(label)
    {
        s_pThis = this;
        hHook = ::SetWindowsHookExW(WH_CALLWNDPROC, Hook, nullptr, ::GetCurrentThreadId());
        hThread = ::CreateThread(nullptr, 0, Probe, this, 0, nullptr);
    }
    ~ResponsivenessProbe()
    {
        ::UnhookWindowsHookEx(hHook);
        ::SetEvent(hStart);
        // The probe may still wait for the label: answer it while waiting for the thread.
        while (::MsgWaitForMultipleObjects(1, &hThread, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0)
        {
            MSG msg;
            while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                ::DispatchMessageW(&msg);
        }
        ::CloseHandle(hThread);
        ::CloseHandle(hStart);
        s_pThis = nullptr;
    }
    static DWORD WINAPI Probe(LPVOID p)
    {
        ResponsivenessProbe* self = (ResponsivenessProbe*)p;
        ::WaitForSingleObject(self->hStart, INFINITE);
        wchar_t buf[128] = {};
        DWORD_PTR result = 0;
        if (::SendMessageTimeoutW(self->hLabel, WM_GETTEXT, 128, (LPARAM)buf, SMTO_NORMAL, 5000, &result))
            self->answer = buf;
        else
            self->answer = L"timed out";
        return 0;
    }
    // On the GUI thread: at the label's first new text, presses "Keluar" and "OK" once more (both
    // must wait for the import), starts the probe and returns only once its message waits in this
    // thread's queue.
    static LRESULT CALLBACK Hook(int nCode, WPARAM wParam, LPARAM lParam)
    {
        const CWPSTRUCT* p = (const CWPSTRUCT*)lParam;
        ResponsivenessProbe* self = s_pThis;
        if (nCode == HC_ACTION && self != nullptr && p->hwnd == self->hLabel && p->message == WM_SETTEXT &&
            self->nLabelSets++ == 0)
        {
            const HWND hDlg = ::GetParent(self->hLabel);
            ::PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), (LPARAM)::GetDlgItem(hDlg, IDCANCEL));
            ::PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)::GetDlgItem(hDlg, IDOK));
            ::SetEvent(self->hStart);
            for (int i = 0; i < 10000 && (HIWORD(::GetQueueStatus(QS_SENDMESSAGE)) & QS_SENDMESSAGE) == 0; ++i)
                ::Sleep(1);
        }
        return ::CallNextHookEx(self ? self->hHook : nullptr, nCode, wParam, lParam);
    }
};
ResponsivenessProbe* ResponsivenessProbe::s_pThis = nullptr;
} // namespace

TEST(ImportExportTest, ALargeImportKeepsTheWindowAnsweringAndEndsWithTheLastLineShown)
{
    ScratchDir dir;
    const int nRecords = 200000;
    {
        CUnicodeTextWriter writer(dir.Path(L"big.txt"), TEXTFILE_UNI16_LE);
        CString line;
        for (int i = 0; i < nRecords; ++i)
        {
            line.Format(L"Inbox\t%02d/%02d/%02d  %02d:%02d:%02d\t08%09d\tKontak\tpesan nomor %d \r\n", 1 + i % 28,
                        1 + i / 28 % 12, i / 336 % 100, i / 3600 % 24, i / 60 % 60, i % 60, i, i);
            writer.WriteLine(line);
        }
    }
    CCorvane_smsDoc doc;
    doc.SetDataFilePath(dir.Path(L"CorvaneSms.dat"));
    MessageBoxCapture boxes;
    CDlgImportSms dlg;
    dlg.SetDocument(&doc);
    ASSERT_TRUE(dlg.Create(IDD_IMPORT_SMS, nullptr));
    dlg.OnInitDialog();
    dlg.ShowWindow(SW_SHOW);
    dlg.m_wndPath.SetWindowText(dir.Path(L"big.txt"));
    std::wstring answer;
    int nLabelSets = 0;
    const ULONGLONG nStart = ::GetTickCount64();
    {
        ResponsivenessProbe probe(dlg.m_wndProgress.GetSafeHwnd());
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)dlg.m_wndOk.GetSafeHwnd());
        nLabelSets = probe.nLabelSets;
        answer = probe.answer;
    }
    const ULONGLONG nElapsed = ::GetTickCount64() - nStart;
    // The window answered while the import ran: the label still showed an earlier line.
    const std::wstring prefix = L"memproses sms no ";
    ASSERT_EQ(answer.compare(0, prefix.size(), prefix), 0) << answer;
    const int nShown = _wtoi(answer.c_str() + prefix.size());
    EXPECT_GE(nShown, 1);
    EXPECT_LT(nShown, nRecords);
    // The label was not set for every line; at the end it shows the last one.
    EXPECT_LE((ULONGLONG)nLabelSets, nElapsed / CDlgImportSms::kProgressIntervalMs + 2);
    CString progress;
    dlg.m_wndProgress.GetWindowText(progress);
    EXPECT_EQ(progress, L"memproses sms no 200000/200000");
    // One import, ended by itself.
    EXPECT_EQ(doc.m_listSms.GetCount(), nRecords);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, L"proses import SMS telah selesai. 200000 pesan telah diproses. 200000 pesan "
                                 L"disimpan, 0 pesan sudah ada dan tidak disimpan.");
    EXPECT_EQ(dlg.m_nModalResult, IDOK);
    dlg.DestroyWindow();
}

namespace
{
// A window of the test thread that files a record into the document when it gets WM_APP, as the
// phone job's messages do while an import waits between two lines: s_pRecord is appended, or
// s_pResent, a record of the document, becomes s_resentAs as a send that ends files its message.
struct FilingWindow
{
    static CCorvane_smsDoc* s_pDoc;
    static CSMS* s_pRecord;
    static CSMS* s_pResent;
    static CSMS s_resentAs;
    HWND hWnd = nullptr;
    FilingWindow() { hWnd = MessageWindow(L"ImportExportTestFiling", Proc); }
    ~FilingWindow() { ::DestroyWindow(hWnd); }
    static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM w, LPARAM l)
    {
        if (msg == WM_APP && (s_pRecord != nullptr || s_pResent != nullptr))
        {
            CSmsRecordsLock lock(s_pDoc);
            if (s_pRecord != nullptr)
                s_pDoc->m_listSms.AddTail(s_pRecord);
            else
                s_pResent->SetOwnMessage(s_resentAs, s_resentAs.m_strText, L"0811", L"Ani", SMS_FOLDER_SENT, 0);
            s_pDoc->NoteRecordsChanged();
            s_pRecord = s_pResent = nullptr;
            return 0;
        }
        return ::DefWindowProcW(h, msg, w, l);
    }
};
CCorvane_smsDoc* FilingWindow::s_pDoc = nullptr;
CSMS* FilingWindow::s_pRecord = nullptr;
CSMS* FilingWindow::s_pResent = nullptr;
CSMS FilingWindow::s_resentAs;

HWND g_hFiling = nullptr;
HHOOK g_hFilingHook = nullptr;

// At the progress label's first text: the filing window's message is posted.
LRESULT CALLBACK PostFilingAtFirstProgress(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* p = (const CWPSTRUCT*)lParam;
    if (nCode == HC_ACTION && p->message == WM_SETTEXT && ::GetDlgCtrlID(p->hwnd) == IDC_IMPORT_PROGRESS &&
        g_hFiling != nullptr)
    {
        ::PostMessageW(g_hFiling, WM_APP, 0, 0);
        g_hFiling = nullptr;
    }
    return ::CallNextHookEx(g_hFilingHook, nCode, wParam, lParam);
}

// Presses the dialog's OK; the filing window's message is posted when the progress label first shows.
void PressOkFilingAtFirstProgress(CDlgImportSms& dlg, HWND hFiling)
{
    g_hFiling = hFiling;
    g_hFilingHook = ::SetWindowsHookExW(WH_CALLWNDPROC, PostFilingAtFirstProgress, nullptr, ::GetCurrentThreadId());
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)dlg.m_wndOk.GetSafeHwnd());
    ::UnhookWindowsHookEx(g_hFilingHook);
}

int CountText(CCorvane_smsDoc& doc, const wchar_t* pszText)
{
    int n = 0;
    for (CSMS* p : Records(doc))
        n += p->m_strText == pszText ? 1 : 0;
    return n;
}

// Inbox lines "pesan i", line nSent (from 0) a Sent one.
void WriteBackupLines(const CString& path, int nRecords, int nSent = -1)
{
    CUnicodeTextWriter writer(path, TEXTFILE_UNI16_LE);
    CString line;
    for (int i = 0; i < nRecords; ++i)
    {
        line.Format(L"%s\t01/01/26  10:%02d:%02d\t0811\tAni\tpesan %d \r\n", i == nSent ? L"Sent" : L"Inbox",
                    i / 60 % 60, i % 60, i);
        writer.WriteLine(line);
    }
}
} // namespace

TEST(ImportExportTest, ARecordFiledWhileTheImportAnswersMessagesIsNotImportedAgain)
{
    ScratchDir dir;
    WriteBackupLines(dir.Path(L"in.txt"), 10);
    CCorvane_smsDoc doc;
    doc.SetDataFilePath(dir.Path(L"CorvaneSms.dat"));
    MessageBoxCapture boxes;
    CDlgImportSms dlg;
    ASSERT_TRUE(OpenImportDialog(dlg, doc, dir.Path(L"in.txt")));
    // What the phone files meanwhile: the file's sixth message.
    FilingWindow filing;
    FilingWindow::s_pDoc = &doc;
    FilingWindow::s_pRecord = new CSMS;
    ASSERT_EQ(CDlgImportSms::ParseLine(L"Inbox\t01/01/26  10:00:05\t0811\tAni\tpesan 5", CDlgImportSms::kLayoutBackup,
                                       &doc, *FilingWindow::s_pRecord),
              CDlgImportSms::kParsed);
    FilingWindow::s_pRecord->RebuildKey();
    PressOkFilingAtFirstProgress(dlg, filing.hWnd);
    // Filed during the import, so the import found its key.
    EXPECT_EQ(FilingWindow::s_pRecord, nullptr);
    ::SendMessageW(filing.hWnd, WM_APP, 0, 0);
    EXPECT_EQ(doc.m_listSms.GetCount(), 10);
    EXPECT_EQ(CountText(doc, L"pesan 5"), 1);
    dlg.DestroyWindow();
}

TEST(ImportExportTest, ARecordReKeyedWhileTheImportAnswersMessagesIsNotImportedAgain)
{
    ScratchDir dir;
    WriteBackupLines(dir.Path(L"in.txt"), 10, 5);
    CCorvane_smsDoc doc;
    doc.SetDataFilePath(dir.Path(L"CorvaneSms.dat"));
    // A message waiting in the Outbox; the send that ends meanwhile files it as the file's sixth
    // message: the record count stays, its key changes.
    CSMS* pOutbox =
        MakeSms(SMS_FOLDER_OUTBOX, L"02", L"02", L"26", L"09", L"00", L"00", L"0811", L"Ani", L"belum terkirim");
    doc.m_listSms.AddTail(pOutbox);
    MessageBoxCapture boxes;
    CDlgImportSms dlg;
    ASSERT_TRUE(OpenImportDialog(dlg, doc, dir.Path(L"in.txt")));
    FilingWindow filing;
    FilingWindow::s_pDoc = &doc;
    FilingWindow::s_pResent = pOutbox;
    ASSERT_EQ(CDlgImportSms::ParseLine(L"Sent\t01/01/26  10:00:05\t0811\tAni\tpesan 5", CDlgImportSms::kLayoutBackup,
                                       &doc, FilingWindow::s_resentAs),
              CDlgImportSms::kParsed);
    PressOkFilingAtFirstProgress(dlg, filing.hWnd);
    EXPECT_EQ(FilingWindow::s_pResent, nullptr) << "not re-keyed during the import";
    EXPECT_EQ(doc.m_listSms.GetCount(), 10);
    EXPECT_EQ(CountText(doc, L"pesan 5"), 1);
    dlg.DestroyWindow();
}

TEST(ImportExportTest, TheWindowAnswersWhileTheFileIsStillBeingRead)
{
    ScratchDir dir;
    WriteBackupLines(dir.Path(L"in.txt"), 2000);
    CCorvane_smsDoc doc;
    doc.SetDataFilePath(dir.Path(L"CorvaneSms.dat"));
    MessageBoxCapture boxes;
    CDlgImportSms dlg;
    ASSERT_TRUE(OpenImportDialog(dlg, doc, dir.Path(L"in.txt")));
    // Another thread asks the progress label for its text before "OK" is pressed; the answer comes
    // from the first chance the thread gets to answer.
    struct Ask
    {
        HWND hLabel;
        wchar_t text[128];
        LRESULT nResult;
        static DWORD WINAPI Run(LPVOID p)
        {
            Ask* a = (Ask*)p;
            DWORD_PTR r = 0;
            a->nResult = ::SendMessageTimeoutW(a->hLabel, WM_GETTEXT, 128, (LPARAM)a->text, SMTO_NORMAL, 30000, &r);
            return 0;
        }
    } ask = {dlg.m_wndProgress.GetSafeHwnd(), L"(not answered)", 0};
    HANDLE hThread = ::CreateThread(nullptr, 0, Ask::Run, &ask, 0, nullptr);
    for (int i = 0; i < 10000 && (HIWORD(::GetQueueStatus(QS_SENDMESSAGE)) & QS_SENDMESSAGE) == 0; ++i)
        ::Sleep(1);
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)dlg.m_wndOk.GetSafeHwnd());
    while (::MsgWaitForMultipleObjects(1, &hThread, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0)
    {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&msg);
    }
    ::CloseHandle(hThread);
    // Answered before the first line was parsed: the label had no progress yet.
    EXPECT_NE(ask.nResult, 0);
    EXPECT_STREQ(ask.text, L"");
    EXPECT_EQ(doc.m_listSms.GetCount(), 2000);
    dlg.DestroyWindow();
}

namespace
{
// A window that posts itself a new message for each one it gets, while it is told to.
bool g_bRepost = false;
int g_nReposts = 0;
LRESULT CALLBACK RepostingProc(HWND h, UINT msg, WPARAM w, LPARAM l)
{
    if (msg == WM_APP)
    {
        ++g_nReposts;
        if (g_bRepost)
            ::PostMessageW(h, WM_APP, 0, 0);
        return 0;
    }
    return ::DefWindowProcW(h, msg, w, l);
}
} // namespace

TEST(ImportExportTest, AWindowThatKeepsPostingToItselfDoesNotHoldTheImportUp)
{
    ScratchDir dir;
    WriteBackupLines(dir.Path(L"in.txt"), 500);
    HWND hReposting = MessageWindow(L"ImportExportTestReposting", RepostingProc);
    ASSERT_NE(hReposting, nullptr);
    CCorvane_smsDoc doc;
    doc.SetDataFilePath(dir.Path(L"CorvaneSms.dat"));
    MessageBoxCapture boxes;
    CDlgImportSms dlg;
    ASSERT_TRUE(OpenImportDialog(dlg, doc, dir.Path(L"in.txt")));
    g_bRepost = true;
    g_nReposts = 0;
    ::PostMessageW(hReposting, WM_APP, 0, 0);
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)dlg.m_wndOk.GetSafeHwnd());
    g_bRepost = false;
    // The import ended, having answered the window on its way.
    EXPECT_GT(g_nReposts, 0);
    EXPECT_EQ(doc.m_listSms.GetCount(), 500);
    EXPECT_EQ(dlg.m_nModalResult, IDOK);
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageW(&msg);
    ::DestroyWindow(hReposting);
    dlg.DestroyWindow();
}
