// The worker pool, the phone jobs on it, and the posted status texts.
#include "PhoneLinkTestSupport.h"
#include "phone/PhoneJobs.h"
#include "phone/PostedText.h"
#include "phone/WorkerPool.h"

#include <atomic>
#include <mutex>

using namespace phonetest;

namespace
{
struct Journal
{
    std::mutex m;
    std::vector<std::string> events;
    void Add(const std::string& e)
    {
        std::lock_guard<std::mutex> l(m);
        events.push_back(e);
    }
    std::vector<std::string> Get()
    {
        std::lock_guard<std::mutex> l(m);
        return events;
    }
};

class RecordingJob : public CPhoneJob
{
public:
    RecordingJob(Journal& j, std::string name, DWORD ms, CPhoneHost* pGui = nullptr)
        : m_j(j), m_name(std::move(name)), m_ms(ms), m_pGui(pGui)
    {}
    void Run(ULONG_PTR nParam) override
    {
        m_j.Add("start " + m_name + " " + std::to_string(nParam));
        Sleep(m_ms);
        if (m_pGui)
        {
            DWORD t = 0;
            m_pGui->RunOnGuiThread([&] { t = GetCurrentThreadId(); });
            m_j.Add("gui " + std::to_string(t));
        }
        m_j.Add("end " + m_name);
        delete this;
    }
    void Discard() override
    {
        m_j.Add("discard " + m_name);
        delete this;
    }

private:
    Journal& m_j;
    std::string m_name;
    DWORD m_ms;
    CPhoneHost* m_pGui;
};
} // namespace

TEST(WorkerPool, RunsJobsInQueueOrderOneAtATime)
{
    Journal j;
    CWorkerPool pool;
    ULONG_PTR params[1] = {7};
    ASSERT_TRUE(pool.Start(1, params));
    for (const char* n : {"a", "b", "c", "d"})
        ASSERT_TRUE(pool.Enqueue(new RecordingJob(j, n, 20)));
    ASSERT_TRUE(PumpUntil([&] { return j.Get().size() == 8; }, 5000));
    pool.Shutdown();
    EXPECT_EQ(j.Get(), (std::vector<std::string>{"start a 7", "end a", "start b 7", "end b", "start c 7", "end c",
                                                 "start d 7", "end d"}));
    EXPECT_FALSE(pool.IsRunning());
}

TEST(WorkerPool, ShutdownFinishesTheRunningJobAndDiscardsTheQueue)
{
    Journal j;
    TestHost host;
    CWorkerPool pool;
    ASSERT_TRUE(pool.Start(1));
    // The running job needs the GUI thread while that thread is inside Shutdown.
    ASSERT_TRUE(pool.Enqueue(new RecordingJob(j, "running", 200, &host)));
    ASSERT_TRUE(PumpUntil([&] { return !j.Get().empty(); }, 5000));
    for (const char* n : {"q1", "q2", "q3"})
        ASSERT_TRUE(pool.Enqueue(new RecordingJob(j, n, 0)));
    pool.Shutdown();
    std::vector<std::string> e = j.Get();
    ASSERT_EQ(e.size(), 6u);
    EXPECT_EQ(e[0], "start running 0");
    EXPECT_EQ(e[1], "gui " + std::to_string(GetCurrentThreadId()));
    EXPECT_EQ(e[2], "end running");
    EXPECT_EQ(e[3], "discard q1");
    EXPECT_EQ(e[4], "discard q2");
    EXPECT_EQ(e[5], "discard q3");
    // A pool that is not running refuses (and discards) new jobs.
    EXPECT_FALSE(pool.Enqueue(new RecordingJob(j, "late", 0)));
    EXPECT_EQ(j.Get().back(), "discard late");
}

TEST(WorkerPool, StartsWithoutThreads)
{
    Journal j;
    CWorkerPool pool;
    ASSERT_TRUE(pool.Start(0));
    EXPECT_TRUE(pool.Enqueue(new RecordingJob(j, "never", 0)));
    EXPECT_EQ(pool.GetQueuedCount(), 1);
    pool.Shutdown();
    EXPECT_EQ(j.Get(), (std::vector<std::string>{"discard never"}));
}

TEST(PostedText, ReachesAWindowOfThisProcessOnly)
{
    TestHost host;
    int before = CPostedText::GetLiveCount();
    CPostedText* p = new CPostedText(L"halo");
    EXPECT_EQ(CPostedText::GetLiveCount(), before + 1);
    EXPECT_TRUE(p->Post(host.m_hView, WM_APP_STATUS_TEXT, 0));
    EXPECT_TRUE(host.HasStatus(L"halo"));
    EXPECT_EQ(CPostedText::GetLiveCount(), before);

    // Another process's window: nothing posted, the sender keeps (and frees) the object.
    HWND other = GetDesktopWindow();
    DWORD pid = 0;
    GetWindowThreadProcessId(other, &pid);
    if (pid != GetCurrentProcessId())
    {
        CPostedText* q = new CPostedText(L"x");
        EXPECT_FALSE(q->PostOrDelete(other, WM_APP_STATUS_TEXT, 0));
        EXPECT_EQ(CPostedText::GetLiveCount(), before);
    }
    // A pointer that is no live object is not touched.
    int dummy = 0;
    EXPECT_EQ(SendMessageW(host.m_hView, WM_APP_STATUS_TEXT, (WPARAM)&dummy, 0), POSTED_TEXT_NOT_ALIVE);
    EXPECT_EQ(SendMessageW(host.m_hView, WM_APP_STATUS_TEXT, (WPARAM)p, 0), POSTED_TEXT_NOT_ALIVE);
}

TEST(PostedText, TheRegistryIsSafeAcrossThreads)
{
    TestHost host;
    std::atomic<int> posted{0};
    auto worker = [](LPVOID pv) -> DWORD {
        auto* h = (std::pair<HWND, std::atomic<int>*>*)pv;
        for (int i = 0; i < 500; ++i)
        {
            CPostedText* t = new CPostedText(L"n");
            if (t->PostOrDelete(h->first, WM_APP_STATUS_TEXT, 0))
                ++*h->second;
            CPostedText* u = new CPostedText(L"tmp");
            delete u;
        }
        return 0;
    };
    std::pair<HWND, std::atomic<int>*> arg(host.m_hView, &posted);
    HANDLE t[2];
    for (HANDLE& h : t)
        h = CreateThread(nullptr, 0, worker, &arg, 0, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return WaitForMultipleObjects(2, t, TRUE, 0) == WAIT_OBJECT_0; }, 20000));
    for (HANDLE h : t)
        CloseHandle(h);
    ASSERT_TRUE(PumpUntil([&] { return (int)host.StatusLines().size() == posted.load(); }, 5000));
    EXPECT_EQ(posted.load(), 1000);
    EXPECT_EQ(CPostedText::GetLiveCount(), 0);
}

// The jobs through the pool: the fetch runs on the worker, every document change and message
// box happens on the GUI thread.
TEST(PhoneJobs, ReceiveJobFilesOnTheGuiThreadAndReportsBusy)
{
    REQUIRE_SIM();
    MessageBoxLog boxes;
    TestHost host;
    CString folder = ScratchFolder(L"jobs");
    host.m_doc.SetDataFilePath(folder + L"CorvaneSms.dat");
    host.m_doc.SetLogFilePath(folder + L"logCorvaneSms.txt");
    SetSettingText(L"Connection", SimPhone::PortName());
    SetSetting(L"isSuaraOn", 0);
    SetSetting(L"isHapus", 0);
    ASSERT_TRUE(SimPhone::Load("fetch_full"));
    CWorkerPool pool;
    ASSERT_TRUE(pool.Start(1));
    ASSERT_TRUE(pool.Enqueue(new CReceiveJob));
    ASSERT_TRUE(PumpUntil([&] { return host.BusyFlags().size() == 2; }, 20000));
    EXPECT_EQ(host.BusyFlags(), (std::vector<WPARAM>{1, 0}));
    EXPECT_EQ(host.Records().size(), 7u);
    ASSERT_FALSE(host.m_insertThreads.empty());
    for (DWORD t : host.m_insertThreads)
        EXPECT_EQ(t, GetCurrentThreadId());
    EXPECT_EQ(host.m_dwRefreshThread, GetCurrentThreadId());

    // A failing job: its message boxes are shown by the GUI thread, and the port ends closed.
    ASSERT_TRUE(SimPhone::LoadJson(
        "jobfail", R"({"extends": "fetch_full", "faults": [{"command": "AT+CMGF=0", "action": "error"}]})"));
    ASSERT_TRUE(pool.Enqueue(new CSendReceiveJob));
    ASSERT_TRUE(PumpUntil([&] { return host.BusyFlags().size() == 4; }, 20000));
    std::vector<MessageBoxLog::Box> b = boxes.Boxes();
    ASSERT_FALSE(b.empty());
    for (const MessageBoxLog::Box& x : b)
        EXPECT_EQ(x.thread, GetCurrentThreadId());
    EXPECT_FALSE(host.m_port.IsOpen());
    pool.Shutdown();
}
