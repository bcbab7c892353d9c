// The application's side of the phone link: the app object's shared port and document, the view's
// commands, status handler and shutdown, the frame's message list and the compose window's send
// without a window, with a real frame and view under Xvfb and the simulated phone.
#include "PhoneLinkTestSupport.h"
#include "app/Corvane_sms.h"
#include "app/Corvane_smsView.h"
#include "app/DlgComposeSms.h"
#include "app/MainFrm.h"
#include "phone/PhoneJobs.h"
#include "phone/PostedText.h"

using namespace phonetest;

namespace
{
CCorvane_smsApp& App()
{
    static CCorvane_smsApp* s_app = [] {
        CCorvane_smsApp* p = new CCorvane_smsApp;
        p->SetRegistryKey(L"CorvanePhoneLinkAppTest");
        return p;
    }();
    return *s_app;
}

struct AppTest : ::testing::Test
{
    void SetUp() override
    {
        REQUIRE_SIM();
        CCorvane_smsApp& app = App();
        folder = TestScratchFolder();
        app.WriteProfileString(L"Settings", L"Connection", SimPhone::PortName());
        app.WriteProfileInt(L"Settings", L"isSuaraOn", 0);
        app.WriteProfileInt(L"Settings", L"IsShowSplash", 0);
        app.WriteProfileInt(L"Settings", L"isHapus", 0);
        doc = new CCorvane_smsDoc;
        doc->m_bAutoDelete = FALSE; // the test owns it
        doc->SetDataFilePath(folder + L"CorvaneSms.dat");
        CCreateContext ctx;
        ctx.m_pNewViewClass = RUNTIME_CLASS(CCorvane_smsView);
        ctx.m_pCurrentDoc = doc;
        frame = new CMainFrame;
        const BOOL bCreated = frame->Create(nullptr, L"Corvane SMS", WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 400),
                                            nullptr, nullptr, 0, &ctx);
        if (!bCreated)
            frame = nullptr; // a frame whose window fails to create deletes itself
        ASSERT_TRUE(bCreated);
        app.m_pMainWnd = frame;
        frame->SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE); // the initial update, hidden
        frame->RecalcLayout();
        view = app.GetView();
        ASSERT_NE(view, nullptr);
        ASSERT_EQ(app.GetDoc(), doc);
        frame->SetActiveView(view);
    }
    void TearDown() override
    {
        if (frame)
            frame->DestroyWindow();
        App().m_pMainWnd = nullptr;
        delete doc;
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
    // A menu command: to the frame, which routes it to its active view.
    void Command(UINT id) { ::SendMessageW(frame->GetSafeHwnd(), WM_COMMAND, id, 0); }

    CString folder;
    CCorvane_smsDoc* doc = nullptr;
    CMainFrame* frame = nullptr;
    CCorvane_smsView* view = nullptr;
    MessageBoxLog boxes;
};
} // namespace

TEST_F(AppTest, ReceiveCommandFetchesOnTheWorkerAndShowsTheFolder)
{
    ASSERT_TRUE(SimPhone::Load("fetch_full"));
    Command(ID_RECEIVE_SMS);
    ASSERT_TRUE(PumpUntil(
        [&] { return frame->GetStatusText(CMainFrame::kPaneStatus) == L"ada 7 sms baru." && !frame->IsPhoneBusy(); },
        20000))
        << ::testing::PrintToString(frame->GetStatusText(CMainFrame::kPaneStatus));
    EXPECT_EQ(doc->m_listSms.GetCount(), 7);
    // The list shows the Inbox again after the fetch: six received messages (the sent one is not there).
    ASSERT_TRUE(PumpUntil([&] { return frame->GetListCount() == 6; }, 5000));
    EXPECT_EQ(view->m_strStatus, L"ada 7 sms baru.");
    EXPECT_FALSE(App().m_port.IsOpen());
    EXPECT_TRUE(OtherBoxes().IsEmpty()) << boxes.All();
    EXPECT_EQ(CPostedText::GetLiveCount(), 0);

    // A pointer that is no live status text is answered with -99998 and not touched.
    CString notText(L"bukan");
    EXPECT_EQ(::SendMessageW(view->GetSafeHwnd(), WM_APP_STATUS_TEXT, (WPARAM)&notText, 0), (LRESULT)-99998);
    EXPECT_EQ(frame->GetStatusText(CMainFrame::kPaneStatus), L"ada 7 sms baru.");
    EXPECT_EQ(notText, L"bukan");
}

TEST_F(AppTest, CommandsWaitWhileThePortIsOpen)
{
    ASSERT_TRUE(SimPhone::Load("fetch_full"));
    ASSERT_TRUE(App().m_port.Open(SimPhone::PortName()));
    Command(ID_RECEIVE_SMS);
    Command(ID_SEND_SMS);
    Command(ID_SEND_RECEIVE_SMS);
    PumpUntil([] { return false; }, 200);
    EXPECT_TRUE(SimPhone::GetState().commands.empty());
    App().m_port.Close();
}

TEST_F(AppTest, SendCommandSendsTheOutboxThroughTheComposeWindow)
{
    ASSERT_TRUE(SimPhone::Load("basic"));
    CSMS r;
    r.m_strRecipientName = L"Budi";
    r.m_strRecipientNumber = L"628123";
    r.m_strText = L"Halo dari Outbox";
    r.m_strFolder = L"Outbox";
    r.m_strHour = L"01", r.m_strMinute = L"02", r.m_strSecond = L"03";
    doc->m_listSms.AddTail(new CSMS(r));
    Command(ID_SEND_SMS);
    ASSERT_TRUE(PumpUntil(
        [&] { return frame->GetStatusText(CMainFrame::kPaneStatus) == L"SMS dari Outbox telah terkirim"; }, 20000))
        << boxes.All();
    ASSERT_TRUE(PumpUntil([&] { return !frame->IsPhoneBusy(); }, 5000));
    EXPECT_EQ(SimPhone::GetState().sent.size(), 1u);
    CSMS* p = (CSMS*)doc->m_listSms.GetHead();
    EXPECT_EQ(p->m_strFolder, L"Sent");

    // The compose window, built without a window, sends a record on its own.
    CDlgComposeSms dlg;
    dlg.m_source = r;
    EXPECT_EQ(dlg.SendWithoutWindow(), 1) << boxes.All();
    EXPECT_EQ(SimPhone::GetState().sent.size(), 2u);
}

// A number too long to send: the recipient check's message box, asked for by the job on the worker
// thread, is shown by the GUI thread, and nothing goes to the phone.
TEST_F(AppTest, TheRecipientCheckMessageBoxInAJobIsShownByTheGuiThread)
{
    ASSERT_TRUE(SimPhone::Load("basic"));
    CSMS r;
    r.m_strRecipientNumber = CString(L'1', 30);
    r.m_strText = L"nomor terlalu panjang";
    r.m_strFolder = L"Outbox";
    doc->m_listSms.AddTail(new CSMS(r));
    Command(ID_SEND_SMS);
    ASSERT_TRUE(PumpUntil([&] { return boxes.Any(L"Nomor tujuan tidak valid: 1111"); }, 20000)) << boxes.All();
    ASSERT_TRUE(PumpUntil([&] { return !frame->IsPhoneBusy() && !App().m_port.IsOpen(); }, 5000));
    for (const MessageBoxLog::Box& b : boxes.Boxes())
        EXPECT_EQ(b.thread, GetCurrentThreadId()) << CStringA(b.text).GetString();
    EXPECT_TRUE(SimPhone::GetState().sent.empty());
    EXPECT_EQ(((CSMS*)doc->m_listSms.GetHead())->m_strFolder, L"Outbox");
}

TEST_F(AppTest, ClosingTheViewStopsARunningJobAndDropsTheQueue)
{
    ASSERT_TRUE(SimPhone::LoadJson("hang", R"({"extends": "fetch_full",
        "faults": [{"command": "AT+CMGL=4", "action": "silence"}]})"));
    Command(ID_RECEIVE_SMS);
    // Wait until the job hangs in the listing, then queue more and close the window.
    ASSERT_TRUE(PumpUntil([] { return SimPhone::GetState().Count("AT+CMGL=4") == 1; }, 10000));
    view->m_pool.Enqueue(new CReceiveJob);
    // The shell takes about 2 s to drop a tray icon under Wine: taken out first, the timing is the job's stop.
    frame->GetTrayIcon()->RemoveIcon();
    DWORD start = GetTickCount();
    frame->DestroyWindow();
    frame = nullptr;
    App().m_pMainWnd = nullptr;
    EXPECT_LT(GetTickCount() - start, 3000u);
    SimPhone::State st = SimPhone::GetState();
    EXPECT_EQ(st.Count("AT"), 1); // the queued job never started
    EXPECT_FALSE(App().m_port.IsOpen());
    // The document was saved on the way out.
    EXPECT_FALSE(ReadFileBytes(folder + L"CorvaneSms.dat").empty());
    // The port works again for the next window.
    EXPECT_FALSE(App().m_port.IsAborted());
}
