// Sends that must not lose or repeat a message: the data file holds a sent message at once, a
// recipient without a number never reaches the phone, and a send that stops while the program
// closes shows no box (and never an empty one).
#include "PhoneLinkTestSupport.h"
#include "phone/PhoneSession.h"
#include "phone/WorkerPool.h"
#include "platform/MessageBox.h"

#include <atomic>
#include <functional>
#include <map>

using namespace phonetest;

namespace
{
struct SendSafetyTest : HostTest
{
    void SetUp() override
    {
        HostTest::SetUp();
        if (IsSkipped())
            return;
        SetSetting(L"isSaveToSent", 1);
        ASSERT_TRUE(SimPhone::Load("basic"));
    }

    // The folders of the records the data file on disk holds, by text.
    std::map<CString, CString> SavedFolders()
    {
        CCorvane_smsDoc doc;
        doc.SetDataFilePath(folder + L"CorvaneSms.dat");
        std::map<CString, CString> out;
        if (GetFileAttributesW(folder + L"CorvaneSms.dat") == INVALID_FILE_ATTRIBUTES || !doc.LoadData())
            return out;
        for (POSITION pos = doc.m_listSms.GetHeadPosition(); pos;)
        {
            const CSMS* p = (const CSMS*)doc.m_listSms.GetNext(pos);
            out[p->m_strText] = p->m_strFolder;
        }
        return out;
    }
};

// The "AT+CMGS=" commands the phone received.
int SendCommands(const SimPhone::State& st)
{
    int n = 0;
    for (const std::string& c : st.commands)
        n += c.rfind("AT+CMGS=", 0) == 0 ? 1 : 0;
    return n;
}

// Waits for the job (at most 10 s) as the view's close waits for the worker: handling the calls
// sent to this thread, nothing else.
bool WaitAsTheCloseDoes(const std::atomic<int>& done)
{
    const DWORD start = GetTickCount();
    while (!done && GetTickCount() - start < 10000)
    {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_SENDMESSAGE);
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    return done != 0;
}

// Runs one function as a job of a worker pool; Done() once it has returned.
struct OneJob : CPhoneJob
{
    explicit OneJob(std::function<void()> fn, std::atomic<int>& done) : m_fn(std::move(fn)), m_done(done) {}
    void Run(ULONG_PTR) override
    {
        m_fn();
        m_done = 1;
        delete this;
    }
    void Discard() override { delete this; }
    std::function<void()> m_fn;
    std::atomic<int>& m_done;
};
} // namespace

TEST_F(SendSafetyTest, TheOutboxJobSavesEachSentMessageInTheDataFileAtOnce)
{
    host->AddRecord(Outbox(L"A", L"628111", L"satu"));
    host->AddRecord(Outbox(L"B", L"628222", L"dua"));
    CPhoneSession session;
    EXPECT_EQ(session.SendOutbox(), 2) << boxes.All();
    EXPECT_EQ(SimPhone::GetState().sent.size(), 2u);
    // On disk, without any further save: both in "Sent", none left in the Outbox.
    std::map<CString, CString> saved = SavedFolders();
    EXPECT_EQ(saved[L"satu"], L"Sent");
    EXPECT_EQ(saved[L"dua"], L"Sent");
}

TEST_F(SendSafetyTest, TheOutboxJobRefusesARecipientWithoutADigitAndSendsTheRest)
{
    host->AddRecord(Outbox(L"Budi", L"Budi", L"tanpa nomor"));
    host->AddRecord(Outbox(L"A", L"628111", L"dengan nomor"));
    CPhoneSession session;
    EXPECT_EQ(session.SendOutbox(), 1) << boxes.All();

    // Only the good one reached the phone.
    SimPhone::State st = SimPhone::GetState();
    EXPECT_EQ(st.sent.size(), 1u);
    EXPECT_EQ(SendCommands(st), 1);
    std::vector<MessageBoxLog::Box> b = boxes.Boxes();
    ASSERT_EQ(b.size(), 1u) << boxes.All();
    EXPECT_EQ(b[0].text, L"Nomor tujuan tidak valid: Budi");
    EXPECT_TRUE(host->HasStatus(L"1 sms dari Outbox gagal dikirim."));

    // The refused one stays where it was.
    std::vector<CSMS> outbox = host->Folder(L"Outbox");
    ASSERT_EQ(outbox.size(), 1u);
    EXPECT_EQ(outbox[0].m_strText, L"tanpa nomor");
}

TEST_F(SendSafetyTest, NoPromptFromThePhoneShowsOneBoxWithItsText)
{
    ASSERT_TRUE(SimPhone::LoadJson(
        "noprompt", R"({"extends": "basic", "faults": [{"command": "AT+CMGS=", "action": "silence"}]})"));
    host->AddRecord(Outbox(L"A", L"628111", L"satu"));
    CPhoneSession session;
    EXPECT_EQ(session.SendOutbox(), 0);
    std::vector<MessageBoxLog::Box> b = boxes.Boxes();
    ASSERT_EQ(b.size(), 1u) << boxes.All();
    EXPECT_EQ(b[0].text, L"Timeout, tidak ada respon dari handphone sewaktu mengirim pesan SMS.");
    EXPECT_EQ(host->Folder(L"Outbox").size(), 1u);
}

// The close of the program while a worker's box is up: the GUI thread, inside that box, waits for
// the worker as the view's shutdown does. The worker must not wait for the box's answer.
TEST_F(SendSafetyTest, AWorkerWaitingForItsBoxGoesOnWhenTheProgramCloses)
{
    CWorkerPool pool;
    ASSERT_TRUE(pool.Start(1));
    std::atomic<int> done{0};
    int nAnswer = 0;
    bool bFinishedInsideBox = false;
    int nBoxes = 0;
    MessageBoxHandler previous = SetMessageBoxHandler([&](HWND, LPCWSTR, LPCWSTR, UINT) {
        ++nBoxes;
        // The user closes the program while this box is up.
        host->BeginShutdown();
        bFinishedInsideBox = WaitAsTheCloseDoes(done);
        return IDOK;
    });
    pool.Enqueue(new OneJob(
        [&] {
            nAnswer = PhoneMessageBox(L"gagal membuka koneksi");
            // Boxes asked for after the close are not shown; an empty one never.
            PhoneMessageBox(L"Failed while opening connection.");
            PhoneMessageBox(L"");
        },
        done));
    EXPECT_TRUE(PumpUntil([&] { return done != 0; }, 20000));
    pool.Shutdown(TRUE);
    SetMessageBoxHandler(previous);
    EXPECT_TRUE(bFinishedInsideBox);
    EXPECT_EQ(nAnswer, IDCANCEL);
    EXPECT_EQ(nBoxes, 1);
}

TEST_F(SendSafetyTest, ASendStoppedByTheCloseAtThePromptShowsNoBox)
{
    ASSERT_TRUE(SimPhone::LoadJson(
        "noprompt", R"({"extends": "basic", "faults": [{"command": "AT+CMGS=", "action": "silence"}]})"));
    host->AddRecord(Outbox(L"A", L"628111", L"satu"));
    CWorkerPool pool;
    ASSERT_TRUE(pool.Start(1));
    std::atomic<int> done{0};
    pool.Enqueue(new OneJob(
        [&] {
            CPhoneSession session;
            session.SendOutbox();
        },
        done));
    ASSERT_TRUE(PumpUntil([&] { return SendCommands(SimPhone::GetState()) > 0 || done; }, 20000));
    // What the view's close does.
    host->BeginShutdown();
    host->m_port.Abort();
    pool.Shutdown(TRUE);
    host->m_port.ResetAbort();
    EXPECT_TRUE(done != 0);
    EXPECT_TRUE(boxes.Boxes().empty()) << boxes.All();
    EXPECT_EQ(host->Folder(L"Outbox").size(), 1u);
}

// The data file cannot be saved after a send on the worker: its box comes from the phone link, and
// a close while it is up does not wait for it.
TEST_F(SendSafetyTest, AFailedSaveAfterAJobsSendIsABoxThatACloseEnds)
{
    host->m_doc.SetDataFilePath(folder + L"no such folder\\CorvaneSms.dat");
    host->AddRecord(Outbox(L"A", L"628111", L"satu"));
    CWorkerPool pool;
    ASSERT_TRUE(pool.Start(1));
    std::atomic<int> done{0};
    bool bFinishedInsideBox = false;
    std::vector<CString> texts;
    MessageBoxHandler previous = SetMessageBoxHandler([&](HWND, LPCWSTR text, LPCWSTR, UINT) {
        texts.push_back(text);
        host->BeginShutdown();
        bFinishedInsideBox = WaitAsTheCloseDoes(done);
        return IDOK;
    });
    pool.Enqueue(new OneJob(
        [&] {
            CPhoneSession session;
            session.SendOutbox();
        },
        done));
    EXPECT_TRUE(PumpUntil([&] { return done != 0; }, 30000));
    pool.Shutdown(TRUE);
    SetMessageBoxHandler(previous);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_GE(texts[0].Find(L"no such folder"), 0) << CStringA(texts[0]).GetString();
    EXPECT_TRUE(bFinishedInsideBox);
    EXPECT_EQ(SimPhone::GetState().sent.size(), 1u);
    EXPECT_EQ(host->Folder(L"Sent").size(), 1u);
}
