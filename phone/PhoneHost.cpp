// The phone link's view of the application: the installed host, status lines, message boxes, sounds.
#include "phone/PhoneHost.h"
#include "phone/StoreHelpers.h"
#include "phone/PostedText.h"
#include "phone/AppSettings.h"
#include "phone/SmsComposer.h"
#include "platform/MessageBox.h"
#include "res/phone_ids.h"
#include <mmsystem.h>
#include <atomic>

namespace
{
std::atomic<CPhoneHost*> g_pHost{nullptr};
const UINT WM_GUI_CALL = WM_APP + 0x1F0;
const wchar_t kCallClass[] = L"CorvanePhoneGuiCall";
} // namespace

CPhoneHost* GetPhoneHost() { return g_pHost.load(); }

void SetPhoneHost(CPhoneHost* pHost) { g_pHost.store(pHost); }

CPhoneHost::CPhoneHost() : m_dwGuiThread(0), m_hCallWnd(nullptr) { AttachGuiThread(); }

CPhoneHost::~CPhoneHost()
{
    if (GetPhoneHost() == this)
        SetPhoneHost(nullptr);
    DetachGuiThread();
}

LRESULT CALLBACK CPhoneHost::CallWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_GUI_CALL)
    {
        (*(const std::function<void()>*)lParam)();
        return 1;
    }
    return DefWindowProcW(hWnd, nMsg, wParam, lParam);
}

void CPhoneHost::AttachGuiThread()
{
    DetachGuiThread();
    static ATOM s_atom = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = &CPhoneHost::CallWndProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kCallClass;
        return RegisterClassW(&wc);
    }();
    (void)s_atom;
    m_dwGuiThread = GetCurrentThreadId();
    m_hCallWnd =
        CreateWindowExW(0, kCallClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
}

void CPhoneHost::DetachGuiThread()
{
    HWND h = m_hCallWnd;
    m_hCallWnd = nullptr;
    if (h && IsGuiThread())
        DestroyWindow(h);
}

BOOL CPhoneHost::RunOnGuiThread(const std::function<void()>& fn)
{
    if (IsGuiThread())
    {
        fn();
        return TRUE;
    }
    HWND h = m_hCallWnd;
    if (!h)
        return FALSE;
    // The GUI thread handles sent messages whenever it waits for messages, and its waits for the
    // worker pump them, so this cannot deadlock.
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(h, WM_GUI_CALL, 0, (LPARAM)&fn, SMTO_NORMAL, INFINITE, &result))
        return FALSE;
    return result == 1;
}

int CPhoneHost::ShowMessage(const CString& strText, LPCWSTR pszTitle, UINT nType)
{
    int nResult = IDCANCEL;
    if (!RunOnGuiThread([&] { nResult = PlatformMessageBox(GetMainViewWnd(), strText, pszTitle, nType); }))
        nResult = PlatformMessageBox(nullptr, strText, pszTitle, nType);
    return nResult;
}

void PostStatusText(const CString& strText)
{
    CPhoneHost* pHost = GetPhoneHost();
    HWND hView = pHost ? pHost->GetMainViewWnd() : nullptr;
    if (!hView)
        return;
    CPostedText* p = new CPostedText(strText);
    p->PostOrDelete(hView, WM_APP_STATUS_TEXT, 0);
}

int PhoneMessageBox(const CString& strText, LPCWSTR pszTitle, UINT nType)
{
    CPhoneHost* pHost = GetPhoneHost();
    if (pHost)
        return pHost->ShowMessage(strText, pszTitle, nType);
    return PlatformMessageBox(nullptr, strText, pszTitle, nType);
}

namespace
{
// Plays a sound file synchronously when both switches are on; a missing file is reported.
void PlaySettingSound(UINT nOnSwitch, const CString& strFile, UINT nFlags = SND_SYNC)
{
    if (!nOnSwitch)
        return;
    if (GetFileAttributesW(strFile) == INVALID_FILE_ATTRIBUTES)
    {
        PhoneMessageBox(FormatResourceText(IDS_PHONE_SOUND_MISSING, strFile), L"ERROR", MB_OK | MB_ICONWARNING);
        return;
    }
    sndPlaySoundW(strFile, nFlags | SND_NODEFAULT);
}
} // namespace

void CPhoneHost::PlayReceivedSound()
{
    CAppSettings settings;
    PlaySettingSound(settings.GetIsSuaraOn() && settings.GetIsSuaraRecOn(), settings.GetSuaraRec());
}

void CPhoneHost::PlayNewMessageSound()
{
    CAppSettings settings;
    PlaySettingSound(settings.GetIsSuaraOn() && settings.GetIsSuaraNewMsgOn(), settings.GetSuaraNewMsg());
}

void CPhoneHost::PlaySentSound()
{
    CAppSettings settings;
    PlaySettingSound(settings.GetIsSuaraOn() && settings.GetIsSuaraSentOn(), settings.GetSuaraSent(), SND_ASYNC);
}

BOOL CPhoneHost::SendWithoutWindow(const CSMS& record)
{
    CSmsComposer composer;
    composer.m_source = record;
    return composer.SendWithoutWindow() == 1;
}
