// The program ends while the compose window's send holds the phone and a fetch job waits for it:
// the shutdown's abort ends the waiting job, which never touches the phone, and the program
// closes instead of waiting for the send forever.
#include "ProgramTestSupport.h"

#include "app/DlgComposeSms.h"
#include "platform/MessageBox.h"
#include "phone/PhoneUse.h"
#include "res/app_ids.h"

#include <cstdio>
#include <memory>

using namespace phonetest;

namespace
{
DWORD WINAPI Watchdog(LPVOID pDone)
{
    if (::WaitForSingleObject((HANDLE)pDone, 60000) == WAIT_OBJECT_0)
        return 0;
    fprintf(stderr, "FAILED: the shutdown still waits for the job that waits for the phone\n");
    fflush(stderr);
    ::ExitProcess(1);
}

struct ShutdownAbortTest : programtest::ProgramFixture
{
    ShutdownAbortTest() : ProgramFixture(L"CorvaneShutdownAbortTest") {}
};
} // namespace

TEST_F(ShutdownAbortTest, TheShutdownEndsAFetchJobWaitingBehindTheComposeWindowsSend)
{
    ASSERT_TRUE(SimPhone::Load("basic"));
    ASSERT_NO_FATAL_FAILURE(Start());
    // The compose window as the view opens it, owned by the frame.
    std::unique_ptr<CDlgComposeSms> dlg(new CDlgComposeSms);
    dlg->m_strMode = L"Baru";
    ASSERT_TRUE(dlg->Create(IDD_COMPOSE_SMS, nullptr));
    dlg->ShowWindow(SW_SHOW);
    dlg->m_wndRecipients.SetWindowText(L"0811");
    dlg->m_wndText.SetWindowText(L"");

    // The send asks whether to send an empty message while it holds the phone; meanwhile the
    // user fetches and then ends the program.
    bool bAsked = false, bClosed = false;
    CPhoneUse::EHolder holderWhileAsked = CPhoneUse::kFree;
    int nQueuedAfterTake = -1;
    HWND hFrame = frame->GetSafeHwnd();
    MessageBoxHandler previous = SetMessageBoxHandler([&](HWND, LPCWSTR text, LPCWSTR, UINT) {
        if (bAsked || wcsstr(text, L"belum diisi") == nullptr)
            return IDOK;
        bAsked = true;
        holderWhileAsked = CPhoneUse::GetHolder();
        view->SendMessage(WM_COMMAND, ID_RECEIVE_SMS);
        // The worker takes the job, which then waits for the phone.
        PumpUntil([&] { return view->m_pool.GetQueuedCount() == 0; }, 5000);
        nQueuedAfterTake = view->m_pool.GetQueuedCount();
        // A shutdown that waited for the job would wait for ever: the watchdog ends the program.
        HANDLE hDone = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
        HANDLE hWatchdog = ::CreateThread(nullptr, 0, &Watchdog, hDone, 0, nullptr);
        ::SendMessageW(hFrame, WM_CLOSE, 0, 0);
        ::SetEvent(hDone);
        ::WaitForSingleObject(hWatchdog, INFINITE);
        ::CloseHandle(hWatchdog);
        ::CloseHandle(hDone);
        bClosed = !::IsWindow(hFrame);
        return IDNO;
    });
    dlg->SendMessage(WM_COMMAND, ID_COMPOSE_SEND);
    SetMessageBoxHandler(std::move(previous));
    frame = nullptr;
    view = nullptr;

    ASSERT_TRUE(bAsked) << boxes.All();
    EXPECT_EQ(holderWhileAsked, CPhoneUse::kGui);
    EXPECT_EQ(nQueuedAfterTake, 0);
    // The frame went while the send still held the phone: the job did not hold up the shutdown.
    EXPECT_TRUE(bClosed);
    EXPECT_EQ(dlg->GetSafeHwnd(), nullptr);
    // The job ended without a word to the phone, and the send's claim is gone with the send.
    const SimPhone::State st = SimPhone::GetState();
    EXPECT_TRUE(st.commands.empty()) << st.commands.size();
    EXPECT_EQ(CPhoneUse::GetHolder(), CPhoneUse::kFree);
    EXPECT_FALSE(app->m_port.IsOpen());
    EXPECT_FALSE(app->m_port.IsAborted());
    // The rest of the shutdown ran: the data file was saved.
    EXPECT_NE(::GetFileAttributesW(dataFile), INVALID_FILE_ATTRIBUTES);
}
