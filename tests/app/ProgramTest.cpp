// The program end to end: the application's start-up (document template, frame, view, document
// with its data file beside the program), a fetch from the simulated phone through the menu
// command, the list, the shutdown through the main window's close, and a second File New that
// shows what the first run saved.
#include "ProgramTestSupport.h"
#include "res/app_ids.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

#include <atomic>
#include <cstdlib>
#include <map>
#include <thread>

using namespace phonetest;

namespace
{
// The texts of the demo scenario as the Inbox shows them, by sender.
std::map<CString, CString> DemoInbox()
{
    return {
        {L"6281234567890", L"Mas, nanti sore jadi ketemu di kantor jam 4? Kabari ya."},
        {L"6285712345678",
         L"Paket Anda sudah dikirim via kurir, no resi 0123456789. Estimasi tiba 2-3 hari kerja. Terima kasih."},
        {L"Telkomsel", L"Sisa kuota internet Anda 1,2GB berlaku s/d 31/12/2026. Cek kuota: *363#"},
        {L"6281398765432", L"Selamat ulang tahun, Dik! Semoga sehat selalu dan makin sukses \x263A"},
        {L"6287855501234", L"Rapat RT hari Minggu besok dipindah ke balai warga jam 19.30. Mohon kehadiran "
                           L"Bapak/Ibu sekalian, ada pembahasan iuran kebersihan dan jadwal ronda. Terima kasih. "
                           L"- Pak RT"},
    };
}

// The list's name and text columns, by name as filed (a number shows with its "+").
std::map<CString, CString> ListedInbox(CMainFrame* pFrame)
{
    std::map<CString, CString> rows;
    for (int i = 0; i < pFrame->GetListCount(); ++i)
    {
        CString strName = pFrame->GetListItemText(i, 3);
        if (strName.Left(1) == L"+")
            strName = strName.Mid(1);
        rows[strName] = pFrame->GetListItemText(i, 4);
    }
    return rows;
}

std::map<CString, CString> FiledInbox(CCorvane_smsDoc* pDoc)
{
    std::map<CString, CString> rows;
    CSmsRecordsLock lock(pDoc);
    for (POSITION pos = pDoc->m_listSms.GetHeadPosition(); pos;)
    {
        CSMS* p = (CSMS*)pDoc->m_listSms.GetNext(pos);
        if (p->m_strFolder == L"Inbox")
            rows[p->m_strSenderName] = p->m_strText;
    }
    return rows;
}

struct ProgramTest : programtest::ProgramFixture
{
    ProgramTest() : ProgramFixture(L"CorvaneProgramTest") {}

    CMainFrame* Frame() { return dynamic_cast<CMainFrame*>(app->m_pMainWnd); }
    // Closes the main window as its close box does; the time it took, in ms.
    DWORD Close()
    {
        HWND hFrame = app->m_pMainWnd->GetSafeHwnd();
        DWORD start = GetTickCount();
        ::SendMessageW(hFrame, WM_CLOSE, 0, 0);
        DWORD took = GetTickCount() - start;
        EXPECT_FALSE(::IsWindow(hFrame));
        EXPECT_EQ(app->m_pMainWnd, nullptr);
        // The closed main window ended the message loop: take its quit message away.
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            ;
        return took;
    }

    // The boxes shown besides the start's note that Outlook is missing (always so under Wine).
    CString OtherBoxes()
    {
        CString s;
        for (const MessageBoxLog::Box& b : boxes.Boxes())
            if (b.text != L"Unable to instantiate Outlook.")
                s += L"[" + b.text + L"] ";
        return s;
    }
};
} // namespace

TEST_F(ProgramTest, StartsFetchesThroughTheMenuSavesAtCloseAndShowsTheSavedMessagesAtTheNextStart)
{
    // The demo messages, without the serial line's pace.
    ASSERT_TRUE(SimPhone::LoadJson("demo_fast", R"({"extends": "demo", "baud": 0})"));
    ASSERT_TRUE(app->InitInstance()) << boxes.All();

    // Start-up: frame, view and document made by the template; the document's data file lies
    // beside the program; the frame carries the menu and the title of resource 128.
    CMainFrame* pFrame = Frame();
    ASSERT_NE(pFrame, nullptr);
    EXPECT_TRUE(::IsWindowVisible(pFrame->GetSafeHwnd()));
    CCorvane_smsView* pView = app->GetView();
    CCorvane_smsDoc* pDoc = app->GetDoc();
    ASSERT_NE(pView, nullptr);
    ASSERT_NE(pDoc, nullptr);
    EXPECT_EQ(pFrame->GetActiveView(), pView);
    EXPECT_EQ(pView->GetDocument(), pDoc);
    EXPECT_EQ(pDoc->GetDataFilePath(), dataFile);
    EXPECT_EQ(pDoc->m_listSms.GetCount(), 0);
    EXPECT_EQ(pFrame->GetListCount(), 0);
    // The menu bar holds menu 128 (the frame keeps no menu of its own); the title of resource 128.
    wchar_t text[128] = {};
    EXPECT_EQ(::GetMenu(pFrame->GetSafeHwnd()), nullptr);
    HMENU hMenu = pFrame->m_wndMenuBar.GetCurrentMenu();
    ASSERT_NE(hMenu, nullptr);
    ASSERT_GT(::GetMenuStringW(hMenu, ID_RECEIVE_SMS, text, 128, MF_BYCOMMAND), 0);
    EXPECT_STREQ(text, L"Terima");
    ASSERT_GT(::GetMenuStringW(hMenu, ID_APP_EXIT, text, 128, MF_BYCOMMAND), 0);
    EXPECT_STREQ(text, L"Keluar");
    ::GetWindowTextW(pFrame->GetSafeHwnd(), text, 128);
    EXPECT_NE(wcsstr(text, L"corvane_sms"), nullptr) << text;
    EXPECT_NE(::GetClassLongPtrW(pFrame->GetSafeHwnd(), GCLP_HICON), 0u);
    EXPECT_EQ(app->GetProfileString(L"Settings", L"Connection"), SimPhone::PortName());
    // The frame's layout: the "Folders" bar on the left, the "SMS List" bar above the view, the
    // status bar at the bottom.
    auto placed = [&](CWnd* pWnd) {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        ::MapWindowPoints(nullptr, pFrame->GetSafeHwnd(), (LPPOINT)&rect, 2);
        return rect;
    };
    CRect client;
    ::GetClientRect(pFrame->GetSafeHwnd(), &client);
    CRect rectView = placed(pView), rectList = placed(&pFrame->m_wndSmsListBar),
          rectTree = placed(&pFrame->m_wndFoldersBar), rectStatus = placed(&pFrame->m_wndStatus);
    EXPECT_EQ(rectTree.left, 0);
    EXPECT_LE(rectTree.bottom, rectStatus.top);
    EXPECT_GE(rectList.left, rectTree.right);
    EXPECT_LE(rectList.bottom, rectView.top);
    EXPECT_GE(rectView.left, rectTree.right);
    EXPECT_EQ(rectStatus.bottom, client.bottom);
    EXPECT_GT(rectList.Height(), 0);
    EXPECT_GT(rectView.Width(), 0);
    EXPECT_GT(rectView.Height(), 0);

    // The fetch, as the menu item sends it.
    ::PostMessageW(pFrame->GetSafeHwnd(), WM_COMMAND, ID_RECEIVE_SMS, 0);
    // Every status line lands on the status pane; the "LOG" pane stays empty.
    bool bLogPaneTouched = false;
    ASSERT_TRUE(PumpUntil(
        [&] {
            bLogPaneTouched |=
                !pFrame->GetStatusText(pFrame->m_wndStatus.CommandToIndex(CMainFrame::kIdLogPane)).IsEmpty();
            return pFrame->GetStatusText(CMainFrame::kPaneStatus) == L"ada 6 sms baru." && !pFrame->IsPhoneBusy();
        },
        20000))
        << ::testing::PrintToString(pFrame->GetStatusText(CMainFrame::kPaneStatus)) << boxes.All();
    EXPECT_FALSE(bLogPaneTouched);
    EXPECT_EQ(FiledInbox(pDoc), DemoInbox());
    EXPECT_EQ(pDoc->m_listSms.GetCount(), 6); // the five received and the sent one
    ASSERT_TRUE(PumpUntil([&] { return pFrame->GetListCount() == 5; }, 5000));
    EXPECT_EQ(ListedInbox(pFrame), DemoInbox());
    EXPECT_FALSE(app->m_port.IsOpen());
    EXPECT_TRUE(OtherBoxes().IsEmpty()) << boxes.All();

    // Closing the main window ends the run: the view and the document go, the file is written.
    EXPECT_LT(Close(), 5000u);
    EXPECT_EQ(app->GetView(), nullptr);
    {
        CCorvane_smsDoc saved;
        saved.SetDataFilePath(dataFile);
        ASSERT_TRUE(saved.LoadData());
        EXPECT_EQ(saved.m_listSms.GetCount(), 6);
        EXPECT_EQ(FiledInbox(&saved), DemoInbox());
    }

    // File New again (as the next start does): the list shows the saved Inbox at once. A fetch
    // that hangs on a silent phone does not hold up the close, and the records are kept.
    ASSERT_TRUE(SimPhone::LoadJson("silent", R"({"extends": "demo", "baud": 0,
        "faults": [{"command": "AT+CMGL=4", "action": "silence"}]})"));
    app->OnFileNew();
    pFrame = Frame();
    ASSERT_NE(pFrame, nullptr);
    ASSERT_NE(app->GetDoc(), nullptr);
    EXPECT_EQ(app->GetDoc()->m_listSms.GetCount(), 6);
    EXPECT_EQ(ListedInbox(pFrame), DemoInbox());
    ::PostMessageW(pFrame->GetSafeHwnd(), WM_COMMAND, ID_RECEIVE_SMS, 0);
    ASSERT_TRUE(PumpUntil([] { return SimPhone::GetState().Count("AT+CMGL=4") == 1; }, 10000));
    EXPECT_LT(Close(), 5000u);
    {
        CCorvane_smsDoc saved;
        saved.SetDataFilePath(dataFile);
        ASSERT_TRUE(saved.LoadData());
        EXPECT_EQ(FiledInbox(&saved), DemoInbox());
    }
    EXPECT_FALSE(app->m_port.IsOpen());

    // The recent-file list is stored at exit.
    app->ExitInstance();
}

namespace
{
// The error box of this process titled "Error", or null.
HWND FindErrorBox()
{
    struct Search
    {
        HWND hFound = nullptr;
        static BOOL CALLBACK Visit(HWND hWnd, LPARAM lParam)
        {
            DWORD pid = 0;
            ::GetWindowThreadProcessId(hWnd, &pid);
            wchar_t cls[32] = {}, title[32] = {};
            ::GetClassNameW(hWnd, cls, 32);
            ::GetWindowTextW(hWnd, title, 32);
            if (pid != ::GetCurrentProcessId() || wcscmp(cls, L"#32770") != 0 || wcscmp(title, L"Error") != 0 ||
                !::IsWindowVisible(hWnd))
                return TRUE;
            reinterpret_cast<Search*>(lParam)->hFound = hWnd;
            return FALSE;
        }
    } search;
    ::EnumWindows(&Search::Visit, (LPARAM)&search);
    return search.hFound;
}
} // namespace

// The save at exit that fails is shown and answered before the program ends; the file another
// program holds keeps its bytes.
TEST_F(ProgramTest, AFailedSaveAtExitIsShownBeforeTheProgramEnds)
{
    ASSERT_TRUE(SimPhone::LoadJson("demo_fast", R"({"extends": "demo", "baud": 0})"));
    ASSERT_TRUE(app->InitInstance()) << boxes.All();
    CCorvane_smsDoc* pDoc = app->GetDoc();
    ASSERT_NE(pDoc, nullptr);
    ASSERT_TRUE(pDoc->SaveData());
    const std::vector<unsigned char> before = ReadFileBytes(dataFile);
    CSMS* pRecord = new CSMS;
    pRecord->m_strFolder = L"Inbox";
    pRecord->m_strText = L"belum tersimpan";
    pDoc->m_listSms.AddTail(pRecord);
    // Another program now holds the data file with no sharing: the exit save cannot replace it.
    HANDLE hHeld = CreateFileW(dataFile, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hHeld, INVALID_HANDLE_VALUE);

    // The real box, answered from another thread as a user would.
    std::atomic<bool> bDone{false};
    CString strSeen;
    std::thread answerer([&] {
        for (DWORD start = GetTickCount(); !bDone && GetTickCount() - start < 10000; Sleep(20))
        {
            HWND hBox = FindErrorBox();
            if (hBox == nullptr)
                continue;
            wchar_t text[512] = {};
            ::GetDlgItemTextW(hBox, 0xFFFF, text, 512);
            strSeen = text;
            ::PostMessageW(hBox, WM_COMMAND, IDOK, 0);
            return;
        }
    });
    std::vector<int> answers;
    MessageBoxHandler previous = SetMessageBoxHandler([&](HWND owner, LPCWSTR text, LPCWSTR title, UINT type) {
        const int nAnswer = ::MessageBoxW(owner, text, title, type);
        answers.push_back(nAnswer);
        return nAnswer;
    });
    HWND hFrame = app->m_pMainWnd->GetSafeHwnd();
    ::SendMessageW(hFrame, WM_CLOSE, 0, 0);
    bDone = true;
    answerer.join();
    SetMessageBoxHandler(std::move(previous));
    CloseHandle(hHeld);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        ;

    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_EQ(answers, std::vector<int>{IDOK});
    EXPECT_NE(strSeen.Find(L"tidak dapat disimpan"), -1) << ::testing::PrintToString(strSeen);
    EXPECT_NE(strSeen.Find(dataFile), -1) << ::testing::PrintToString(strSeen);
    EXPECT_TRUE(ReadFileBytes(dataFile) == before);
}

// The main view is the anchored form of its template: its labels and fields, no size gripper, the
// sender field on the theme's face colour, the message text following the frame's size; the start
// reads the contacts first (Outlook is missing here: its note is the one box).
TEST_F(ProgramTest, TheMainViewIsTheAnchoredFormWithTheMessageFields)
{
    ASSERT_TRUE(SimPhone::LoadJson("demo_fast", R"({"extends": "demo", "baud": 0})"));
    ASSERT_TRUE(app->InitInstance()) << boxes.All();
    CMainFrame* pFrame = Frame();
    CCorvane_smsView* pView = app->GetView();
    ASSERT_NE(pFrame, nullptr);
    ASSERT_NE(pView, nullptr);
    EXPECT_EQ(app->GetDoc(), pView->GetDocument());
    EXPECT_TRUE(pView->IsKindOf(RUNTIME_CLASS(CExtFormViewBase)));
    EXPECT_STREQ(pView->GetRuntimeClass()->m_lpszClassName, "CCorvane_smsView");
    EXPECT_TRUE(OtherBoxes().IsEmpty()) << boxes.All();
    EXPECT_TRUE(boxes.Any(L"Unable to instantiate Outlook.")) << boxes.All();

    auto text = [&](int nID) {
        wchar_t buf[64] = {};
        ::GetDlgItemTextW(pView->GetSafeHwnd(), nID, buf, 64);
        return CString(buf);
    };
    EXPECT_EQ(text(IDC_LABEL_NEW), L"Baru:");
    EXPECT_EQ(text(IDC_LABEL_TOTAL), L"Total:");
    for (int nID : {IDC_LABEL_NEW, IDC_COUNT_NEW, IDC_LABEL_TOTAL, IDC_COUNT_TOTAL, IDC_SENDER_CAPTION, IDC_SENDER,
                    IDC_MESSAGE_TEXT, IDC_TEST_PDU})
        ASSERT_NE(::GetDlgItem(pView->GetSafeHwnd(), nID), nullptr) << nID;
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(pView->GetSafeHwnd(), IDC_TEST_PDU)));
    const LONG textStyle = ::GetWindowLongW(pView->m_wndText.GetSafeHwnd(), GWL_STYLE);
    EXPECT_TRUE((textStyle & ES_MULTILINE) && (textStyle & ES_READONLY) && (textStyle & WS_VSCROLL));
    EXPECT_EQ(pView->m_wndSender.GetSafeHwnd(), ::GetDlgItem(pView->GetSafeHwnd(), IDC_SENDER));
    EXPECT_FALSE(pView->IsSizeGripShown());
    EXPECT_EQ(pView->m_wndSender.GetBkColour(), g_PaintManagerHolder->GetTranslatedColor(XCLR_FACE_NORMAL));

    // The message text keeps its distance to the view's right and bottom edges as the frame grows.
    auto edges = [&] {
        CRect rcView, rcText;
        pView->GetClientRect(&rcView);
        ::GetWindowRect(pView->m_wndText.GetSafeHwnd(), &rcText);
        ::MapWindowPoints(nullptr, pView->GetSafeHwnd(), (LPPOINT)&rcText, 2);
        return CSize(rcView.right - rcText.right, rcView.bottom - rcText.bottom);
    };
    const CSize before = edges();
    CRect rcFrame;
    pFrame->GetWindowRect(&rcFrame);
    pFrame->SetWindowPos(nullptr, 0, 0, rcFrame.Width() + 120, rcFrame.Height() + 160,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    pFrame->RecalcLayout();
    EXPECT_EQ(edges(), before);
    // The form never scrolls.
    EXPECT_FALSE(pView->GetStyle() & (WS_HSCROLL | WS_VSCROLL));
    Close();
}
