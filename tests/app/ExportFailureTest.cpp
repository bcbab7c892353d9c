// An export whose writing fails when the disk fills up (a small tmpfs the runner mounts,
// tests/app/full_disk_run.py): the error is shown, the dialog stays open, a second export to another
// folder from the same dialog succeeds, and a file written over (a backup, the MyText list) stays as
// it was.
#include "app/DlgExportSms.h"
#include "app/DlgMyText.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/SmsRecord.h"
#include "phone/StoreTestSupport.h"
#include "res/app_tools_ids.h"
#include "support/MessageBoxCapture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using storetest::ScratchDir;

namespace
{
// The mounted small disk (Windows path without trailing backslash), or empty.
CString FullDisk()
{
    wchar_t buf[MAX_PATH] = {};
    const DWORD n = ::GetEnvironmentVariableW(L"CORVANE_FULL_DISK", buf, MAX_PATH);
    return n > 0 && n < MAX_PATH ? CString(buf) : CString();
}

// Records enough for a file far larger than the small disk.
void Fill(CCorvane_smsDoc& doc, int nCount)
{
    for (int i = 0; i < nCount; ++i)
    {
        CSMS* p = new CSMS;
        p->m_strFolder = SMS_FOLDER_INBOX;
        p->m_strDay = L"07";
        p->m_strMonth = L"12";
        p->m_strYear = L"26";
        p->m_strHour = L"10";
        p->m_strMinute.Format(L"%02d", i % 60);
        p->m_strSecond.Format(L"%02d", i / 60 % 60);
        p->m_strSenderNumber = L"62811000111";
        p->m_strSenderName = L"Budi";
        p->m_strText.Format(L"pesan nomor %d dengan teks yang cukup panjang untuk mengisi disk kecil", i);
        p->RebuildKey();
        doc.m_listSms.AddTail(p);
    }
}

ULONGLONG FileSize(const CString& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!::GetFileAttributesExW(path, GetFileExInfoStandard, &data))
        return 0;
    return ((ULONGLONG)data.nFileSizeHigh << 32) | data.nFileSizeLow;
}

// The names of the files in the folder, sorted.
std::vector<std::wstring> Files(const CString& strFolder)
{
    std::vector<std::wstring> v;
    WIN32_FIND_DATAW fd;
    HANDLE h = ::FindFirstFileW(strFolder + L"\\*", &fd);
    for (BOOL b = h != INVALID_HANDLE_VALUE; b; b = ::FindNextFileW(h, &fd))
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            v.push_back(fd.cFileName);
    if (h != INVALID_HANDLE_VALUE)
        ::FindClose(h);
    std::sort(v.begin(), v.end());
    return v;
}

void RunExport(CDlgExportSms& dlg)
{
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_EXPORT_RUN, BN_CLICKED), (LPARAM)dlg.m_wndExport.GetSafeHwnd());
}
} // namespace

TEST(ExportFailureTest, AWriteThatFailsAfterTheFileIsCreatedShowsTheErrorAndKeepsTheDialog)
{
    const CString strDisk = FullDisk();
    if (strDisk.IsEmpty())
        GTEST_SKIP() << "no small disk mounted (run through the CTest entry as root)";
    const int nRecords = 1000;
    CCorvane_smsDoc doc;
    Fill(doc, nRecords);
    MessageBoxCapture boxes;
    CDlgExportSms dlg;
    dlg.SetDocument(&doc);
    ASSERT_TRUE(dlg.Create(IDD_EXPORT_SMS, nullptr));
    dlg.OnInitDialog();
    dlg.m_wndFolder.SetWindowText(strDisk);
    dlg.m_wndName.SetWindowText(L"penuh.txt");
    const CString strPath = strDisk + L"\\penuh.txt";
    RunExport(dlg);

    // Nothing cut is left under the name or beside it.
    EXPECT_FALSE(storetest::Exists(strPath));
    EXPECT_EQ(Files(strDisk), std::vector<std::wstring>());
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().title, L"Error");
    EXPECT_EQ(boxes.Last().Icon(), (UINT)MB_ICONERROR);
    EXPECT_EQ(CString(boxes.Last().text.c_str()), L"File " + strPath + L" tidak dapat ditulis.");
    EXPECT_NE(dlg.m_nModalResult, IDOK);
    EXPECT_TRUE(::IsWindow(dlg.GetSafeHwnd()));

    // Another folder from the same dialog: the whole file and the count.
    ScratchDir dir;
    dlg.m_wndFolder.SetWindowText(dir.Folder());
    RunExport(dlg);
    ASSERT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(boxes.Last().title, L"Info");
    CString strDone;
    strDone.Format(L"Proses export sudah selesai. %d pesan telah diproses.", nRecords);
    EXPECT_EQ(CString(boxes.Last().text.c_str()), strDone);
    EXPECT_EQ(dlg.m_nModalResult, IDOK);
    EXPECT_GT(FileSize(dir.Path(L"penuh.txt")), 16384u);
    dlg.DestroyWindow();
}

TEST(ExportFailureTest, ABackupOrListWrittenOverWhenTheDiskFillsUpStaysByteForByte)
{
    const CString strDisk = FullDisk();
    if (strDisk.IsEmpty())
        GTEST_SKIP() << "no small disk mounted (run through the CTest entry as root)";
    for (const std::wstring& name : Files(strDisk))
        ::DeleteFileW(strDisk + L"\\" + name.c_str());
    // A backup of 30 messages, then an export of 1000 over it.
    const CString strBackup = strDisk + L"\\CorvaneSms.bck.txt";
    CCorvane_smsDoc small, big;
    Fill(small, 30);
    Fill(big, 1000);
    int nCount = 0;
    ASSERT_TRUE(CDlgExportSms::WriteBackupFile(small, strBackup, nCount));
    const std::vector<unsigned char> backup = storetest::ReadAll(strBackup);
    EXPECT_FALSE(CDlgExportSms::WriteBackupFile(big, strBackup, nCount));
    EXPECT_TRUE(storetest::ReadAll(strBackup) == backup) << FileSize(strBackup) << " bytes, were " << backup.size();
    EXPECT_EQ(Files(strDisk), std::vector<std::wstring>{L"CorvaneSms.bck.txt"});
    ::DeleteFileW(strBackup);

    // The MyText list: a long list written over a short one; the box says so.
    const CString strList = strDisk + L"\\MyText.txt";
    CStringArray arrShort, arrLong;
    arrShort.Add(L"Halo");
    for (int i = 0; i < 1000; ++i)
        arrLong.Add(L"Teks siap pakai yang cukup panjang untuk mengisi disk kecil");
    ASSERT_TRUE(CDlgMyText::WriteList(strList, arrShort));
    const std::vector<unsigned char> list = storetest::ReadAll(strList);
    MessageBoxCapture boxes;
    EXPECT_FALSE(CDlgMyText::StoreList(nullptr, strList, arrLong));
    EXPECT_TRUE(storetest::ReadAll(strList) == list) << FileSize(strList) << " bytes, were " << list.size();
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(CString(boxes.Last().text.c_str()), L"File " + strList + L" tidak dapat ditulis.");
    EXPECT_EQ(Files(strDisk), std::vector<std::wstring>{L"MyText.txt"});
    ::DeleteFileW(strList);
}
