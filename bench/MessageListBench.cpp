// Showing a folder of 100,000 messages sorted newest first in the owner-data message list, until
// it has painted, against a plain report list that inserts the same rows of five texts.
#include "BenchSupport.h"
#include "app/Corvane_sms.h"
#include "app/Corvane_smsView.h"
#include "app/MainFrm.h"
#include "app/SmsListCtrl.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/StoreHelpers.h"

namespace
{
const int kRecords = 100000;
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

    std::vector<double> ratios;
    for (int run = 0; run < bench::kRuns; ++run)
    {
        auto t0 = std::chrono::steady_clock::now();
        pView->ShowFolder(SMS_FOLDER_INBOX, 0, CString());
        pList->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
        const double dOwnerData = bench::Seconds(t0);
        std::printf("run %d: owner-data list %.3f s\n", run + 1, dOwnerData);
        std::fflush(stdout);

        CListCtrl plain;
        plain.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, rcList, pFrame, 0x7001);
        plain.SetExtendedStyle(LVS_EX_FULLROWSELECT);
        const wchar_t* titles[] = {L"", L"Tgl", L"Jam", L"Dari", L"Isi"};
        for (int c = 0; c < 5; ++c)
            plain.InsertColumn(c, titles[c], LVCFMT_LEFT, 80);
        std::vector<CSMS> rows;
        rows.reserve(kRecords);
        for (POSITION pos = pDoc->m_listSms.GetHeadPosition(); pos;)
            rows.push_back(*(CSMS*)pDoc->m_listSms.GetNext(pos));
        t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < kRecords; ++i)
        {
            const CSMS& r = rows[i];
            const int n = plain.InsertItem(i, L"");
            for (int c = 1; c < 5; ++c)
                plain.SetItemText(n, c, CSmsListCtrl::CellText(r, c));
        }
        plain.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
        const double dPlain = bench::Seconds(t0);
        plain.DestroyWindow();
        Pump();
        std::printf("run %d: plain list %.3f s\n", run + 1, dPlain);
        std::fflush(stdout);
        ratios.push_back(dOwnerData / dPlain);
    }
    bench::PrintRatios("ShowFolder of 100,000 records vs a plain list", ratios, 1.0);
    pFrame->DestroyWindow();
    RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey);
    DeleteFileW(GetAppFolder() + CORVANE_DATA_FILE_NAME);
    return 0;
}
