// Menu sound player through replaced platform calls: which ids play what with which flags, one
// sound at a time, creation failures that free the token, and no event shared between processes.
#include <gtest/gtest.h>
#include "toolkit/foundation/ExtSoundPlayer.h"
#include <mutex>
#include <string>
#include <vector>

namespace
{
struct PlayCall
{
    std::wstring sound; // empty: a null name
    DWORD flags;
};

// The replaced calls: PlaySoundW records (and may hold "MenuCommand" until released), thread
// creation goes to the real call but keeps a handle for the test to wait on.
struct FakeSound
{
    std::mutex lock;
    std::vector<PlayCall> calls;
    HANDLE hRelease = nullptr; // while non-signalled, a "MenuCommand" play is held
    HANDLE hHeld = nullptr;    // signalled once a held play has started
    std::vector<HANDLE> threads;
    int nThreadsCreated = 0;
    bool bFailThread = false;
    bool bFailEvent = false;
    HANDLE hDelayStart = nullptr; // when set, each sound thread waits for it before it runs
};
FakeSound* g_pFake = nullptr;

BOOL WINAPI FakePlaySound(LPCWSTR pszSound, HMODULE, DWORD fdwSound)
{
    {
        std::lock_guard<std::mutex> guard(g_pFake->lock);
        g_pFake->calls.push_back({pszSound ? pszSound : L"", fdwSound});
    }
    if (pszSound != nullptr && wcscmp(pszSound, L"MenuCommand") == 0 && g_pFake->hRelease != nullptr)
    {
        ::SetEvent(g_pFake->hHeld);
        ::WaitForSingleObject(g_pFake->hRelease, 10000);
    }
    return TRUE;
}

// A sound thread held back until the test lets it start.
struct DelayedStart
{
    LPTHREAD_START_ROUTINE proc;
    LPVOID param;
    HANDLE hStart;
};

DWORD WINAPI DelayedThreadProc(LPVOID p)
{
    DelayedStart start = *(DelayedStart*)p;
    delete (DelayedStart*)p;
    ::WaitForSingleObject(start.hStart, 10000);
    return start.proc(start.param);
}

HANDLE WINAPI FakeCreateThread(LPSECURITY_ATTRIBUTES sa, SIZE_T stack, LPTHREAD_START_ROUTINE proc, LPVOID param,
                               DWORD flags, LPDWORD pId)
{
    if (g_pFake->bFailThread)
        return nullptr;
    if (g_pFake->hDelayStart != nullptr)
    {
        param = new DelayedStart{proc, param, g_pFake->hDelayStart};
        proc = &DelayedThreadProc;
    }
    HANDLE h = ::CreateThread(sa, stack, proc, param, flags, pId);
    if (h != nullptr)
    {
        HANDLE hDup = nullptr;
        ::DuplicateHandle(::GetCurrentProcess(), h, ::GetCurrentProcess(), &hDup, SYNCHRONIZE, FALSE, 0);
        g_pFake->threads.push_back(hDup);
        ++g_pFake->nThreadsCreated;
    }
    return h;
}

HANDLE WINAPI FakeCreateEvent(LPSECURITY_ATTRIBUTES sa, BOOL manual, BOOL initial, LPCWSTR name)
{
    if (g_pFake->bFailEvent)
        return nullptr;
    return ::CreateEventW(sa, manual, initial, name);
}

class SoundPlayerTest : public testing::Test
{
protected:
    FakeSound fake;
    CExtSoundPlayer player;
    void SetUp() override
    {
        g_pFake = &fake;
        CExtSoundPlayer::SoundApi() = {&FakePlaySound, &FakeCreateThread, &FakeCreateEvent};
    }
    void TearDown() override
    {
        WaitForSoundThreads();
        CExtSoundPlayer::ResetSoundApi();
        if (fake.hRelease)
            ::CloseHandle(fake.hRelease);
        if (fake.hHeld)
            ::CloseHandle(fake.hHeld);
        if (fake.hDelayStart)
            ::CloseHandle(fake.hDelayStart);
        g_pFake = nullptr;
    }
    // Every sound thread started so far has ended (and released the token).
    void WaitForSoundThreads()
    {
        for (HANDLE h : fake.threads)
        {
            EXPECT_EQ(::WaitForSingleObject(h, 10000), WAIT_OBJECT_0);
            ::CloseHandle(h);
        }
        fake.threads.clear();
    }
    std::vector<PlayCall> Calls()
    {
        std::lock_guard<std::mutex> guard(fake.lock);
        return fake.calls;
    }
};
} // namespace

TEST_F(SoundPlayerTest, IdsOutsideOneToThreeStartNoThread)
{
    player.PlaySound(CExtSoundPlayer::__NO_SOUND);
    player.PlaySound((CExtSoundPlayer::e_ui_sounds_t)-1);
    player.PlaySound((CExtSoundPlayer::e_ui_sounds_t)4);
    EXPECT_EQ(fake.nThreadsCreated, 0);
    EXPECT_TRUE(Calls().empty());
}

TEST_F(SoundPlayerTest, PopupIdsPurgeAndPlayMenuPopupAsynchronously)
{
    for (auto id : {CExtSoundPlayer::__ON_MENU_EXPAND_CLICKED, CExtSoundPlayer::__ON_MENU_POPUP_DISPLAYED})
    {
        fake.calls.clear();
        player.PlaySound(id);
        WaitForSoundThreads();
        std::vector<PlayCall> calls = Calls();
        ASSERT_EQ(calls.size(), 2u);
        EXPECT_EQ(calls[0].sound, L"");
        EXPECT_EQ(calls[0].flags, (DWORD)SND_PURGE);
        EXPECT_EQ(calls[1].sound, L"MenuPopup");
        EXPECT_EQ(calls[1].flags, 0x12003u);
    }
}

TEST_F(SoundPlayerTest, CommandIdPlaysMenuCommandSynchronously)
{
    player.PlaySound(CExtSoundPlayer::__ON_MENU_CMD_CLICKED);
    WaitForSoundThreads();
    std::vector<PlayCall> calls = Calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].sound, L"MenuCommand");
    EXPECT_EQ(calls[0].flags, 0x12002u);
}

TEST_F(SoundPlayerTest, ASecondCommandWhileTheFirstSoundsIsDroppedAndALaterOnePlays)
{
    fake.hRelease = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    fake.hHeld = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    player.PlaySound(CExtSoundPlayer::__ON_MENU_CMD_CLICKED);
    ASSERT_EQ(::WaitForSingleObject(fake.hHeld, 10000), WAIT_OBJECT_0);
    // Dropped at once: no thread, no wait for the sound that plays.
    const DWORD dwStart = ::GetTickCount();
    player.PlaySound(CExtSoundPlayer::__ON_MENU_CMD_CLICKED);
    player.PlaySound(CExtSoundPlayer::__ON_MENU_POPUP_DISPLAYED);
    EXPECT_LT(::GetTickCount() - dwStart, 1000u);
    EXPECT_EQ(fake.nThreadsCreated, 1);
    ::SetEvent(fake.hRelease);
    WaitForSoundThreads();
    ::ResetEvent(fake.hRelease);
    ::CloseHandle(fake.hRelease);
    fake.hRelease = nullptr;
    player.PlaySound(CExtSoundPlayer::__ON_MENU_CMD_CLICKED);
    WaitForSoundThreads();
    EXPECT_EQ(fake.nThreadsCreated, 2);
    std::vector<PlayCall> calls = Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].sound, L"MenuCommand");
}

TEST_F(SoundPlayerTest, FailedThreadOrEventCreationFreesTheToken)
{
    fake.bFailThread = true;
    player.PlaySound(CExtSoundPlayer::__ON_MENU_CMD_CLICKED);
    EXPECT_TRUE(Calls().empty());
    fake.bFailThread = false;
    fake.bFailEvent = true;
    player.PlaySound(CExtSoundPlayer::__ON_MENU_CMD_CLICKED);
    EXPECT_TRUE(Calls().empty());
    EXPECT_EQ(fake.nThreadsCreated, 0);
    fake.bFailEvent = false;
    player.PlaySound(CExtSoundPlayer::__ON_MENU_CMD_CLICKED);
    WaitForSoundThreads();
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_EQ(Calls()[0].sound, L"MenuCommand");
}

TEST(SoundPlayerToken, NoEventSharedBetweenProcessesExists)
{
    ASSERT_NE(g_SoundPlayerHolder.Get(), nullptr);
    EXPECT_TRUE(g_SoundPlayerHolder->IsKindOf(RUNTIME_CLASS(CExtSoundPlayer)));
    HANDLE h = ::OpenEventW(SYNCHRONIZE, FALSE, L"CExtSoundPlayer__InternalSoundThredadParms_t");
    EXPECT_EQ(h, nullptr);
    if (h != nullptr)
        ::CloseHandle(h);
}

TEST_F(SoundPlayerTest, AThreadThatStartsLateBoundsTheHandOverAndStillOwnsItsRequest)
{
    fake.hDelayStart = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    // The hand-over gives up waiting (after its bound) although the thread has not taken the request.
    player.PlaySound(CExtSoundPlayer::__ON_MENU_CMD_CLICKED);
    EXPECT_TRUE(Calls().empty());
    EXPECT_EQ(fake.nThreadsCreated, 1);
    // The request the player let go of is still whole when the thread reads it.
    ::SetEvent(fake.hDelayStart);
    WaitForSoundThreads();
    const std::vector<PlayCall> calls = Calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].sound, L"MenuCommand");
    // The token came back: the next sound plays.
    player.PlaySound(CExtSoundPlayer::__ON_MENU_CMD_CLICKED);
    WaitForSoundThreads();
    EXPECT_EQ(Calls().size(), 2u);
}
