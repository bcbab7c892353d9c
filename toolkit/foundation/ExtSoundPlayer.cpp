// CExtSoundPlayer: the sound token, the request hand-over and the sound thread.
#include "toolkit/foundation/ExtSoundPlayer.h"
#include <mmsystem.h>

IMPLEMENT_DYNCREATE(CExtSoundPlayer, CObject)

namespace
{
// The sound token (free while no sound thread holds it) and the lock of the requests. The token
// is local to the process: an unnamed auto-reset event, signalled at creation.
struct SoundPlayerStatics
{
    HANDLE m_hToken;
    CRITICAL_SECTION m_cs;
    SoundPlayerStatics()
    {
        m_hToken = ::CreateEventW(nullptr, FALSE, TRUE, nullptr);
        ::InitializeCriticalSection(&m_cs);
    }
    ~SoundPlayerStatics()
    {
        ::DeleteCriticalSection(&m_cs);
        if (m_hToken != nullptr)
            ::CloseHandle(m_hToken);
    }
    void ReleaseToken()
    {
        if (m_hToken != nullptr)
            ::SetEvent(m_hToken);
    }
};
SoundPlayerStatics g_SoundStatics;

CExtSoundPlayer::InternalSoundApi_t RealSoundApi() { return {&::PlaySoundW, &::CreateThread, &::CreateEventW}; }
} // namespace

CExtSoundPlayerHolder g_SoundPlayerHolder;

CExtSoundPlayer::InternalSoundApi_t& CExtSoundPlayer::SoundApi()
{
    static InternalSoundApi_t api = RealSoundApi();
    return api;
}

void CExtSoundPlayer::ResetSoundApi() { SoundApi() = RealSoundApi(); }

CExtSoundPlayer::InternalSoundEventInitDone_t::InternalSoundEventInitDone_t()
    : m_hEvent(SoundApi().pfnCreateEvent(nullptr, TRUE, FALSE, nullptr))
{}

CExtSoundPlayer::InternalSoundEventInitDone_t::~InternalSoundEventInitDone_t()
{
    if (m_hEvent != nullptr)
        ::CloseHandle(m_hEvent);
}

CExtSoundPlayer::InternalSoundThredadParms_t::InternalSoundThredadParms_t(LPCWSTR sSoundSpec, HMODULE hModule,
                                                                          DWORD dwPlayerFlags)
    : m_hModule(hModule), m_dwPlayerFlags(dwPlayerFlags)
{
    if (sSoundSpec != nullptr)
        ::lstrcpynW(m_sSoundSpecBuffer, sSoundSpec, 1024);
}

CExtSoundPlayer::InternalSoundThredadParms_t::~InternalSoundThredadParms_t() { delete m_pEventInitDone; }

CExtSoundPlayer::CExtSoundPlayer() {}

CExtSoundPlayer::~CExtSoundPlayer() {}

void CExtSoundPlayer::PlaySound(e_ui_sounds_t eSoundID)
{
    LPCWSTR sSound = nullptr;
    DWORD dwFlags = 0;
    switch (eSoundID)
    {
    case __ON_MENU_EXPAND_CLICKED:
    case __ON_MENU_POPUP_DISPLAYED:
        sSound = L"MenuPopup";
        dwFlags = kPopupSoundFlags;
        break;
    case __ON_MENU_CMD_CLICKED:
        sSound = L"MenuCommand";
        dwFlags = kCommandSoundFlags;
        break;
    default: return;
    }
    RunSoundThread(new InternalSoundThredadParms_t(sSound, nullptr, dwFlags));
}

void CExtSoundPlayer::RunSoundThread(InternalSoundThredadParms_t* pParms)
{
    ::EnterCriticalSection(&g_SoundStatics.m_cs);
    if (g_SoundStatics.m_hToken == nullptr || ::WaitForSingleObject(g_SoundStatics.m_hToken, 0) != WAIT_OBJECT_0)
    {
        // Another sound plays: this one is dropped.
        ::LeaveCriticalSection(&g_SoundStatics.m_cs);
        pParms->Release();
        return;
    }
    pParms->m_pEventInitDone = new InternalSoundEventInitDone_t;
    if (!pParms->m_pEventInitDone->IsValid())
    {
        g_SoundStatics.ReleaseToken();
        ::LeaveCriticalSection(&g_SoundStatics.m_cs);
        pParms->Release();
        return;
    }
    pParms->AddRef(); // the sound thread's share
    HANDLE hThread = SoundApi().pfnCreateThread(nullptr, 0, &CExtSoundPlayer::SoundThreadProc, pParms, CREATE_SUSPENDED,
                                                &pParms->m_dwThreadID);
    if (hThread == nullptr)
    {
        pParms->Release();
        g_SoundStatics.ReleaseToken();
    }
    else
    {
        pParms->m_hThread = hThread;
        ::SetThreadPriority(hThread, THREAD_PRIORITY_BELOW_NORMAL);
        ::ResumeThread(hThread);
        pParms->m_pEventInitDone->WaitInitDone(kHandOverTimeoutMs);
        ::CloseHandle(hThread);
    }
    ::LeaveCriticalSection(&g_SoundStatics.m_cs);
    pParms->Release();
}

DWORD WINAPI CExtSoundPlayer::SoundThreadProc(LPVOID lpParameter)
{
    InternalSoundThredadParms_t* pParms = (InternalSoundThredadParms_t*)lpParameter;
    WCHAR sSound[1024];
    ::lstrcpynW(sSound, pParms->m_sSoundSpecBuffer, 1024);
    const HMODULE hModule = pParms->m_hModule;
    const DWORD dwFlags = pParms->m_dwPlayerFlags;
    pParms->m_pEventInitDone->SetInitDone();
    pParms->Release();
    if (dwFlags & SND_ASYNC)
        SoundApi().pfnPlaySound(nullptr, nullptr, SND_PURGE);
    SoundApi().pfnPlaySound(sSound, hModule, dwFlags);
    g_SoundStatics.ReleaseToken();
    return 0;
}

CExtSoundPlayerHolder::CExtSoundPlayerHolder() : m_pPlayer(new CExtSoundPlayer) {}

CExtSoundPlayerHolder::~CExtSoundPlayerHolder()
{
    delete m_pPlayer;
    m_pPlayer = nullptr;
}
