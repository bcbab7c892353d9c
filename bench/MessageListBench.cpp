// Showing a folder of 100,000 messages sorted newest first in the owner-data message list, until
// it has painted, against a plain report list that inserts the same rows of five texts. Under Wine
// each row of the plain list costs about 11.5 ms (the same at 1,000 and at 10,000 rows here), so
// 100,000 would take minutes: it is filled once with the first 1,000 rows and its time scaled to
// 100,000 in proportion.
#include "BenchSupport.h"
#include "app/Corvane_sms.h"
#include "app/Corvane_smsView.h"
#include "app/MainFrm.h"
#include "app/SmsListCtrl.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/StoreHelpers.h"
#include <algorithm>

namespace
{
const int kRecords = 100000;
const int kPlainRows = 1000; // rows of the plain list, whose time is scaled to kRecords
const wchar_t kAppName[] = L"CorvaneMessageListBench";
const wchar_t kProfileKey[] = L"Software\\Corvane\\CorvaneMessageListBench";

CString Two(int n)
{
    CString s;
    s.Format(L"%02d", n % 100);
    return s;
}

void Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}
} // namespace

int wmain()
{
    SetMessageBoxHandler([](HWND, LPCWSTR, LPCWSTR, UINT) { return IDOK; });
    CCorvane_smsApp* app = new CCorvane_smsApp;
    free((void*)app->m_pszAppName);
    app->m_pszAppName = _wcsdup(kAppName);
    RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey);
    app->SetRegistryKey(L"Corvane");
    app->WriteProfileInt(L"Settings", L"IsShowSplash", 0);
    app->WriteProfileInt(L"Settings", L"SortListSms", 2);
    DeleteFileW(GetAppFolder() + CORVANE_DATA_FILE_NAME);
    if (!app->InitInstance())
        return 1;
    std::printf("started\n");
    std::fflush(stdout);
    CMainFrame* pFrame = app->GetMainFrame();
    CCorvane_smsView* pView = app->GetView();
    CCorvane_smsDoc* pDoc = app->GetDoc();
    for (int i = 0; i < kRecords; ++i)
    {
        CSMS* p = new CSMS;
        p->m_strFolder = SMS_FOLDER_INBOX;
        p->m_strSenderName.Format(L"62812%07d", (i * 7919) % kRecords);
        p->m_strSenderNumber = p->m_strSenderName;
        p->m_strText.Format(L"Pesan nomor %d untuk pengukuran daftar sms", i);
        p->m_strYear = Two(20 + i % 7);
        p->m_strMonth = Two(1 + i % 12);
        p->m_strDay = Two(1 + i % 28);
        p->m_strHour = Two(i % 24);
        p->m_strMinute = Two(i % 60);
        p->m_strSecond = Two((i / 60) % 60);
        p->m_bRead = i % 3 == 0;
        pDoc->m_listSms.AddTail(p);
    }
    CSmsListCtrl* pList = pFrame->GetSmsListCtrl();
    CRect rcList;
    pList->GetWindowRect(&rcList);
    pFrame->ScreenToClient(&rcList);

    // The plain side once: a report list with the first kPlainRows rows of five texts.
    std::vector<CSMS> rows;
    rows.reserve(kPlainRows);
    for (POSITION pos = pDoc->m_listSms.GetHeadPosition(); pos && (int)rows.size() < kPlainRows;)
        rows.push_back(*(CSMS*)pDoc->m_listSms.GetNext(pos));
    CListCtrl plain;
    plain.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, rcList, pFrame, 0x7001);
    plain.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    const wchar_t* titles[] = {L"", L"Tgl", L"Jam", L"Dari", L"Isi"};
    for (int c = 0; c < 5; ++c)
        plain.InsertColumn(c, titles[c], LVCFMT_LEFT, 80);
    auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < kPlainRows; ++i)
    {
        const CSMS& r = rows[i];
        const int n = plain.InsertItem(i, L"");
        for (int c = 1; c < 5; ++c)
            plain.SetItemText(n, c, CSmsListCtrl::CellText(r, c));
    }
    plain.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    const double dPlainMeasured = bench::Seconds(t0);
    plain.DestroyWindow();
    Pump();
    const double dPlain = dPlainMeasured * kRecords / kPlainRows;
    std::printf("plain list: %d rows in %.3f s (one run, %.2f ms a row), scaled to %d rows: %.1f s\n", kPlainRows,
                dPlainMeasured, dPlainMeasured * 1000 / kPlainRows, kRecords, dPlain);
    std::fflush(stdout);

    std::vector<double> ratios;
    for (int run = 0; run < bench::kRuns; ++run)
    {
        t0 = std::chrono::steady_clock::now();
        pView->ShowFolder(SMS_FOLDER_INBOX, 0, CString());
        pList->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
        const double dOwnerData = bench::Seconds(t0);
        std::printf("run %d: owner-data list %.3f s for %d records\n", run + 1, dOwnerData, kRecords);
        std::fflush(stdout);
        ratios.push_back(dOwnerData / dPlain);
    }
    bench::PrintRatios("ShowFolder of 100,000 records vs a plain list (scaled from 1,000 rows)", ratios, 1.0);
    std::sort(ratios.begin(), ratios.end());
    std::printf("the plain list takes %.0fx as long (median, scaled)\n", 1 / ratios[ratios.size() / 2]);
    pFrame->DestroyWindow();
    RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey);
    DeleteFileW(GetAppFolder() + CORVANE_DATA_FILE_NAME);
    return 0;
}
