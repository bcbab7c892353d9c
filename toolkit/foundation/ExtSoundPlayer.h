// CExtSoundPlayer: plays the menu sounds, each on a short-lived thread of its own, one at a time;
// CExtSoundPlayerHolder and g_SoundPlayerHolder own the process's player.
#pragma once
#include "platform/Object.h"
#include <windows.h>
#include <mmsystem.h>

class CExtSoundPlayer : public CObject
{
    DECLARE_DYNCREATE(CExtSoundPlayer)
public:
    enum e_ui_sounds_t
    {
        __NO_SOUND = 0,
        __ON_MENU_EXPAND_CLICKED = 1,
        __ON_MENU_POPUP_DISPLAYED = 2,
        __ON_MENU_CMD_CLICKED = 3,
    };
    static const DWORD kPopupSoundFlags = SND_ALIAS | SND_NOWAIT | SND_NODEFAULT | SND_ASYNC; // 0x12003
    static const DWORD kCommandSoundFlags = SND_ALIAS | SND_NOWAIT | SND_NODEFAULT;           // 0x12002
    // How long a requester waits for the sound thread to take its request.
    static const DWORD kHandOverTimeoutMs = 2000;

    // The hand-over event of one request: the sound thread signals it once it has its copy.
    class InternalSoundEventInitDone_t
    {
    public:
        InternalSoundEventInitDone_t();
        ~InternalSoundEventInitDone_t();
        InternalSoundEventInitDone_t(const InternalSoundEventInitDone_t&) = delete;
        InternalSoundEventInitDone_t& operator=(const InternalSoundEventInitDone_t&) = delete;
        bool IsValid() const { return m_hEvent != nullptr; }
        void SetInitDone() { ::SetEvent(m_hEvent); }
        bool WaitInitDone(DWORD dwMilliseconds)
        {
            return ::WaitForSingleObject(m_hEvent, dwMilliseconds) == WAIT_OBJECT_0;
        }

    private:
        HANDLE m_hEvent;
    };

    // One request. It lives on the heap and is shared by the requester and the sound thread; the
    // last of the two to let go frees it (with its event), so a late thread never reads freed memory.
    struct InternalSoundThredadParms_t
    {
        InternalSoundEventInitDone_t* m_pEventInitDone = nullptr; // owned
        WCHAR m_sSoundSpecBuffer[1024] = {};
        HMODULE m_hModule = nullptr;
        DWORD m_dwPlayerFlags = 0;
        HANDLE m_hThread = nullptr;
        DWORD m_dwThreadID = 0;
        LONG m_nRefs = 1;

        InternalSoundThredadParms_t(LPCWSTR sSoundSpec, HMODULE hModule, DWORD dwPlayerFlags);
        ~InternalSoundThredadParms_t();
        void AddRef() { ::InterlockedIncrement(&m_nRefs); }
        void Release()
        {
            if (::InterlockedDecrement(&m_nRefs) == 0)
                delete this;
        }
    };

    // The platform calls of the player; tests replace them. The real calls by default.
    struct InternalSoundApi_t
    {
        BOOL(WINAPI* pfnPlaySound)(LPCWSTR pszSound, HMODULE hmod, DWORD fdwSound);
        HANDLE(WINAPI* pfnCreateThread)(LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE, LPVOID, DWORD, LPDWORD);
        HANDLE(WINAPI* pfnCreateEvent)(LPSECURITY_ATTRIBUTES, BOOL, BOOL, LPCWSTR);
    };
    static InternalSoundApi_t& SoundApi();
    static void ResetSoundApi();

    CExtSoundPlayer();
    ~CExtSoundPlayer() override;

    // Ids 1 and 2 play "MenuPopup", 3 "MenuCommand"; others nothing. Returns once the sound
    // thread has taken the request, at once when the request is dropped.
    virtual void PlaySound(e_ui_sounds_t eSoundID);

protected:
    static void RunSoundThread(InternalSoundThredadParms_t* pParms);
    static DWORD WINAPI SoundThreadProc(LPVOID lpParameter);
};

class CExtSoundPlayerHolder
{
public:
    CExtSoundPlayerHolder();
    ~CExtSoundPlayerHolder();
    CExtSoundPlayerHolder(const CExtSoundPlayerHolder&) = delete;
    CExtSoundPlayerHolder& operator=(const CExtSoundPlayerHolder&) = delete;
    CExtSoundPlayer* operator->() { return m_pPlayer; }
    CExtSoundPlayer* Get() { return m_pPlayer; }

private:
    CExtSoundPlayer* m_pPlayer; // owned
};

extern CExtSoundPlayerHolder g_SoundPlayerHolder;
