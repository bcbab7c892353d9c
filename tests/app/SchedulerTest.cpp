// The view's fetch timers in the running program: the scheduler armed from the settings (never
// below a minute), its text shown before the fetch that follows two seconds later, the one fetch
// after start, and two quick fetch commands running one after the other.
#include "phone/PhoneLinkTestSupport.h"
#include "FrameAppFixture.h"
#include "app/Corvane_sms.h"
#include "app/Corvane_smsView.h"
#include "app/MainFrm.h"
#include "res/app_ids.h"

using namespace phonetest;

namespace
{
const wchar_t kAutoReceiveText[] = L"mempersiapkan auto receive sms";

struct SchedulerTest : FrameAppFixture
{
    SchedulerTest() : FrameAppFixture(L"CorvaneSchedulerTest") {}
    void SetUp() override
    {
        FrameAppFixture::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(SimPhone::LoadJson("demo_fast", R"({"extends": "demo", "baud": 0})"));
    }
    void Schedule(UINT nOn, UINT nHour, UINT nMinute)
    {
        app->WriteProfileInt(L"Scheduler", L"IsScheduled", nOn);
        app->WriteProfileInt(L"Scheduler", L"SchedulerHour", nHour);
        app->WriteProfileInt(L"Scheduler", L"SchedulerMinute", nMinute);
    }
    void Start()
    {
        ASSERT_NO_FATAL_FAILURE(StartFrame());
        view = app->GetView();
        ASSERT_NE(view, nullptr);
    }
    // Whether the view's timer was armed (killing it).
    bool KillViewTimer(UINT_PTR nID) { return ::KillTimer(view->GetSafeHwnd(), nID) != FALSE; }
    static size_t Commands() { return SimPhone::GetState().commands.size(); }

    CCorvane_smsView* view = nullptr;
};

// Opens the view's job queue to the tests.
struct CViewJobs : CCorvane_smsView
{
    using CCorvane_smsView::QueueJob;
};

// A job that holds the phone's worker until its event is set: the commands queued meanwhile find the
// port closed, whatever the machine's load.
class CGateJob : public CPhoneJob
{
public:
    explicit CGateJob(HANDLE hOpen) : m_hOpen(hOpen) {}
    void Run(ULONG_PTR) override
    {
        ::WaitForSingleObject(m_hOpen, 30000);
        delete this;
    }
    void Discard() override { delete this; }

private:
    HANDLE m_hOpen; // not owned
};
} // namespace

TEST_F(SchedulerTest, TheSchedulerIsArmedFromTheSettingsAndNeverBelowAMinute)
{
    Schedule(1, 0, 5);
    Start();
    EXPECT_EQ(view->GetSchedulerPeriod(), 300000u);
    EXPECT_TRUE(KillViewTimer(CCorvane_smsView::kSchedulerTimerId));
    EXPECT_FALSE(KillViewTimer(CCorvane_smsView::kStartupFetchTimerId));
    // Off: no timer; 0 h 0 min: one minute; a huge hour stays a valid period.
    view->RearmScheduler(FALSE, 0, 5);
    EXPECT_FALSE(KillViewTimer(CCorvane_smsView::kSchedulerTimerId));
    EXPECT_EQ(view->GetSchedulerPeriod(), 0u);
    view->RearmScheduler(TRUE, 0, 0);
    EXPECT_EQ(view->GetSchedulerPeriod(), 60000u);
    EXPECT_TRUE(KillViewTimer(CCorvane_smsView::kSchedulerTimerId));
    EXPECT_EQ(CCorvane_smsView::SchedulerPeriod(100000, 0), (UINT)USER_TIMER_MAXIMUM);
    EXPECT_EQ(CCorvane_smsView::SchedulerPeriod(1, 30), 5400000u);
}

TEST_F(SchedulerTest, NoSchedulerWhenOffAndOneMinuteForAZeroPeriod)
{
    Schedule(0, 0, 5);
    Start();
    EXPECT_EQ(view->GetSchedulerPeriod(), 0u);
    EXPECT_FALSE(KillViewTimer(CCorvane_smsView::kSchedulerTimerId));
    frame->DestroyWindow();
    Schedule(1, 0, 0);
    app->OnFileNew();
    frame = dynamic_cast<CMainFrame*>(app->m_pMainWnd);
    view = app->GetView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetSchedulerPeriod(), 60000u);
    EXPECT_TRUE(KillViewTimer(CCorvane_smsView::kSchedulerTimerId));
}

// Timer 1224 shows its text and returns; the fetch follows no sooner than two seconds later and
// the scheduler is armed again with the current settings.
TEST_F(SchedulerTest, TheScheduledFetchFollowsItsTextAfterTwoSeconds)
{
    Schedule(1, 0, 5);
    Start();
    const size_t nBefore = Commands();
    view->SendMessage(WM_TIMER, CCorvane_smsView::kSchedulerTimerId);
    EXPECT_EQ(Commands(), nBefore);
    EXPECT_FALSE(app->m_port.IsOpen());
    EXPECT_EQ(frame->GetStatusText(frame->GetStatusPaneIndex()), kAutoReceiveText);
    EXPECT_TRUE(KillViewTimer(CCorvane_smsView::kSchedulerWaitTimerId));

    Schedule(1, 0, 7);
    const DWORD shown = GetTickCount();
    view->SendMessage(WM_TIMER, CCorvane_smsView::kSchedulerTimerId);
    ASSERT_TRUE(PumpUntil([&] { return Commands() > nBefore; }, 10000)) << boxes.All();
    EXPECT_GE(GetTickCount() - shown, 1990u);
    EXPECT_EQ(view->GetSchedulerPeriod(), 420000u);
    // One fetch lists both memories.
    ASSERT_TRUE(PumpUntil([&] { return !frame->IsPhoneBusy() && SimPhone::GetState().Count("AT+CMGL=4") == 2; }, 20000))
        << SimPhone::GetState().Count("AT+CMGL=4");
    EXPECT_FALSE(KillViewTimer(CCorvane_smsView::kSchedulerWaitTimerId));
}

// "IsGetSmsWhenActive": exactly one fetch, no sooner than five seconds after start; timer 1227 is
// gone afterwards.
TEST_F(SchedulerTest, OneFetchFollowsTheStartWhenSet)
{
    app->WriteProfileInt(L"Settings", L"IsGetSmsWhenActive", 1);
    const DWORD start = GetTickCount();
    Start();
    EXPECT_EQ(frame->GetStatusText(1), kAutoReceiveText);
    const size_t nBefore = Commands();
    ASSERT_TRUE(PumpUntil([&] { return Commands() > nBefore; }, 15000)) << boxes.All();
    EXPECT_GE(GetTickCount() - start, 4990u);
    ASSERT_TRUE(PumpUntil([&] { return !frame->IsPhoneBusy() && !app->m_port.IsOpen(); }, 20000));
    EXPECT_EQ(SimPhone::GetState().Count("AT+CMGL=4"), 2); // one fetch: both memories
    // Only the start's timer would fetch again: it is gone.
    EXPECT_FALSE(KillViewTimer(CCorvane_smsView::kStartupFetchTimerId));
}

// Two quick "Terima": two fetches, one after the other.
TEST_F(SchedulerTest, TwoQuickFetchCommandsRunOneAfterTheOther)
{
    Start();
    // Both commands come while the worker is still busy before them, as two quick clicks do.
    HANDLE hOpen = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(hOpen, nullptr);
    ASSERT_TRUE((view->*(&CViewJobs::QueueJob))(new CGateJob(hOpen)));
    frame->SendMessage(WM_COMMAND, ID_RECEIVE_SMS);
    frame->SendMessage(WM_COMMAND, ID_RECEIVE_SMS);
    ::SetEvent(hOpen);
    // Each fetch lists both memories; the second starts after the first has ended, with its own
    // set-up commands between the two pairs of listings.
    ASSERT_TRUE(PumpUntil([&] { return SimPhone::GetState().Count("AT+CMGL=4") == 4 && !frame->IsPhoneBusy(); }, 30000))
        << SimPhone::GetState().Count("AT+CMGL=4") << boxes.All();
    const std::vector<std::string> cmds = SimPhone::GetState().commands;
    std::vector<size_t> lists;
    for (size_t i = 0; i < cmds.size(); ++i)
        if (cmds[i] == "AT+CMGL=4")
            lists.push_back(i);
    ASSERT_EQ(lists.size(), 4u);
    EXPECT_GT(lists[2] - lists[1], 1u);
    EXPECT_FALSE(app->m_port.IsOpen());
    ::CloseHandle(hOpen);
}
