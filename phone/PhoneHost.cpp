// The phone link's view of the application: the installed host, status lines, message boxes, sounds.
#include "phone/PhoneHost.h"
#include "phone/StoreHelpers.h"
#include "phone/PostedText.h"
#include "phone/AppSettings.h"
#include "phone/SmsComposer.h"
#include "platform/MessageBox.h"
#include "res/phone_ids.h"
#include <mmsystem.h>
#include <algorithm>
#include <atomic>
#include <memory>

namespace
{
std::atomic<CPhoneHost*> g_pHost{nullptr};
const UINT WM_GUI_CALL = WM_APP + 0x1F0;
// A box another thread asked for; lParam: a heap std::shared_ptr<BoxRequest_t>, deleted by the
// handler.
const UINT WM_GUI_BOX = WM_APP + 0x1F1;
const wchar_t kCallClass[] = L"CorvanePhoneGuiCall";
// The box being shown for another thread, while its creation is watched (GUI thread).
thread_local std::vector<HWND>* t_pBoxes = nullptr;
} // namespace

// Shared by the asking thread and the GUI thread: the asker may stop waiting at shutdown while
// the box is still up.
struct CPhoneHost::BoxRequest_t
{
    CString strText, strTitle;
    UINT nType = MB_OK;
    volatile LONG nResult = IDCANCEL;
    HANDLE hDone = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ~BoxRequest_t()
    {
        if (hDone)
            CloseHandle(hDone);
    }
};

CPhoneHost* GetPhoneHost() { return g_pHost.load(); }

void SetPhoneHost(CPhoneHost* pHost) { g_pHost.store(pHost); }

CPhoneHost::CPhoneHost()
    : m_dwGuiThread(0), m_hCallWnd(nullptr), m_hShutdown(CreateEventW(nullptr, TRUE, FALSE, nullptr))
{
    AttachGuiThread();
}

CPhoneHost::~CPhoneHost()
{
    if (GetPhoneHost() == this)
        SetPhoneHost(nullptr);
    DetachGuiThread();
    if (m_hShutdown)
        CloseHandle(m_hShutdown);
}

LRESULT CALLBACK CPhoneHost::CallWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_GUI_CALL)
    {
        (*(const std::function<void()>*)lParam)();
        return 1;
    }
    if (nMsg == WM_GUI_BOX)
    {
        std::unique_ptr<std::shared_ptr<BoxRequest_t>> pRequest((std::shared_ptr<BoxRequest_t>*)lParam);
        std::shared_ptr<BoxRequest_t> request = *pRequest;
        if (CPhoneHost* pHost = (CPhoneHost*)GetWindowLongPtrW(hWnd, GWLP_USERDATA))
            pHost->ShowRequestedBox(*request);
        SetEvent(request->hDone);
        return 1;
    }
    return DefWindowProcW(hWnd, nMsg, wParam, lParam);
}

LRESULT CALLBACK CPhoneHost::BoxCreationHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_CREATEWND && t_pBoxes != nullptr)
    {
        // The dialog class (WC_DIALOG, by atom or by name): the box itself.
        const LPCWSTR pszClass = ((const CBT_CREATEWNDW*)lParam)->lpcs->lpszClass;
        if (IS_INTRESOURCE(pszClass) ? pszClass == MAKEINTATOM(32770) : wcscmp(pszClass, L"#32770") == 0)
        {
            t_pBoxes->push_back((HWND)wParam);
            t_pBoxes = nullptr; // dialogs its loop may open are not the box
        }
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void CPhoneHost::ShowRequestedBox(BoxRequest_t& request)
{
    if (IsShuttingDown())
        return;
    // The box's window is noted so that a shutdown can end it.
    const size_t nBefore = m_arrRequestedBoxes.size();
    std::vector<HWND>* pOuter = t_pBoxes;
    t_pBoxes = &m_arrRequestedBoxes;
    HHOOK hHook = SetWindowsHookExW(WH_CBT, &CPhoneHost::BoxCreationHook, nullptr, GetCurrentThreadId());
    const int nResult = PlatformMessageBox(GetMainViewWnd(), request.strText, request.strTitle, request.nType);
    if (hHook)
        UnhookWindowsHookEx(hHook);
    t_pBoxes = pOuter;
    m_arrRequestedBoxes.resize(std::min(nBefore, m_arrRequestedBoxes.size()));
    request.nResult = nResult;
}

void CPhoneHost::BeginShutdown()
{
    if (m_hShutdown)
        SetEvent(m_hShutdown);
    // A box shown for a worker lies lower on this thread's stack; it ends once this returns.
    for (HWND hBox : m_arrRequestedBoxes)
        if (IsWindow(hBox))
            EndDialog(hBox, IDCANCEL);
}

void CPhoneHost::EndShutdown()
{
    if (m_hShutdown)
        ResetEvent(m_hShutdown);
}

BOOL CPhoneHost::IsShuttingDown() const { return m_hShutdown && WaitForSingleObject(m_hShutdown, 0) == WAIT_OBJECT_0; }

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
    if (m_hShutdown)
        ResetEvent(m_hShutdown);
    m_hCallWnd =
        CreateWindowExW(0, kCallClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (m_hCallWnd)
        SetWindowLongPtrW(m_hCallWnd, GWLP_USERDATA, (LONG_PTR)this);
}

void CPhoneHost::DetachGuiThread()
{
    HWND h = m_hCallWnd;
    m_hCallWnd = nullptr;
    // Threads waiting for a box's answer stop waiting.
    if (h && m_hShutdown)
        SetEvent(m_hShutdown);
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
    // A box without a text tells nothing; during shutdown no box is shown (callers have logged).
    if (strText.IsEmpty() || IsShuttingDown())
        return IDCANCEL;
    auto request = std::make_shared<BoxRequest_t>();
    request->strText = strText;
    request->strTitle = pszTitle;
    request->nType = nType;
    if (IsGuiThread())
    {
        ShowRequestedBox(*request);
        return request->nResult;
    }
    // Sent without waiting for the box: the wait below also ends at shutdown, when the GUI thread
    // may be waiting for this thread with the box still up beneath.
    HWND h = m_hCallWnd;
    auto* pCopy = new std::shared_ptr<BoxRequest_t>(request);
    if (!h || !request->hDone || !SendNotifyMessageW(h, WM_GUI_BOX, 0, (LPARAM)pCopy))
    {
        delete pCopy;
        return PlatformMessageBox(nullptr, strText, pszTitle, nType);
    }
    HANDLE waits[2] = {request->hDone, m_hShutdown};
    const DWORD dw = WaitForMultipleObjects(m_hShutdown ? 2 : 1, waits, FALSE, INFINITE);
    return dw == WAIT_OBJECT_0 ? (int)request->nResult : IDCANCEL;
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
