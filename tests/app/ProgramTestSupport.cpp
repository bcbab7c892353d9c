// The running program's test fixture and records.
#include "ProgramTestSupport.h"
#include "app/DlgComposeSms.h"
#include "phone/StoreHelpers.h"

using namespace phonetest;

namespace programtest
{
CSMS* NewSms(const wchar_t* folder, const wchar_t* name, const wchar_t* number, const wchar_t* text,
             const wchar_t* date, const wchar_t* time, int read)
{
    CSMS* p = new CSMS;
    p->m_strFolder = folder;
    // A received message carries the sender, a written one the recipient.
    if (wcscmp(folder, SMS_FOLDER_INBOX) == 0)
    {
        p->m_strSenderName = name;
        p->m_strSenderNumber = number;
    }
    else
    {
        p->m_strRecipientName = name;
        p->m_strRecipientNumber = number;
    }
    p->m_strText = text;
    CString d(date), t(time);
    p->m_strDay = d.Mid(0, 2);
    p->m_strMonth = d.Mid(3, 2);
    p->m_strYear = d.Mid(6, 2);
    p->m_strHour = t.Mid(0, 2);
    p->m_strMinute = t.Mid(3, 2);
    p->m_strSecond = t.Mid(6, 2);
    p->m_bRead = read;
    p->RebuildKey();
    return p;
}

ProgramFixture::ProgramFixture(const wchar_t* pszAppName)
    : appName(pszAppName), profileKey(CString(L"Software\\Corvane\\") + pszAppName)
{}

void ProgramFixture::SetUp()
{
    REQUIRE_SIM();
    app = new CCorvane_smsApp;
    free((void*)app->m_pszAppName);
    app->m_pszAppName = _wcsdup(appName);
    RegDeleteTreeW(HKEY_CURRENT_USER, profileKey);
    app->SetRegistryKey(L"Corvane");
    app->WriteProfileString(L"Settings", L"Connection", SimPhone::PortName());
    app->WriteProfileInt(L"Settings", L"isSuaraOn", 0);
    app->WriteProfileInt(L"Settings", L"IsShowSplash", 0);
    dataFile = GetAppFolder() + CORVANE_DATA_FILE_NAME;
    DeleteFileW(dataFile);
}

void ProgramFixture::TearDown()
{
    if (app && app->m_pMainWnd)
        app->m_pMainWnd->DestroyWindow();
    delete app;
    app = nullptr;
    RegDeleteTreeW(HKEY_CURRENT_USER, profileKey);
    if (!dataFile.IsEmpty())
        DeleteFileW(dataFile);
}

void ProgramFixture::Start()
{
    ASSERT_TRUE(app->InitInstance()) << boxes.All();
    frame = dynamic_cast<CMainFrame*>(app->m_pMainWnd);
    ASSERT_NE(frame, nullptr);
    view = app->GetView();
    ASSERT_NE(view, nullptr);
    doc = app->GetDoc();
    list = frame->GetSmsListCtrl();
    tree = frame->GetFolderTree();
}

void ProgramFixture::File(std::vector<CSMS*> records, const wchar_t* folder)
{
    for (CSMS* p : records)
        doc->m_listSms.AddTail(p);
    SelectFolder(folder);
    view->RefreshList();
}

void ProgramFixture::SelectFolder(const wchar_t* folder)
{
    for (HTREEITEM h = tree->GetRootItem(); h; h = tree->GetNextSiblingItem(h))
        if (tree->GetItemText(h) == folder)
            tree->SelectItem(h);
}

CDlgComposeSms* ShownCompose()
{
    HWND hWnd = ::FindWindowW(nullptr, L"Tulis SMS");
    if (hWnd == nullptr || !::IsWindowVisible(hWnd))
        return nullptr;
    return dynamic_cast<CDlgComposeSms*>(CWnd::FromHandlePermanent(hWnd));
}
} // namespace programtest

// ---- the built program as a process of its own ----------------------------------------------------------

namespace
{
const wchar_t kSettingsKey[] = L"Software\\Corvane\\Corvane SMS\\Settings";
} // namespace

namespace programtest
{
void ProcessFixture::SetUp()
{
    REQUIRE_SIM();
    // The build folder (CTest gives its Unix path; Wine shows it on Z:).
    wchar_t build[MAX_PATH] = {};
    ASSERT_GT(GetEnvironmentVariableW(L"CORVANE_BINARY_DIR", build, MAX_PATH), 0u);
    CString source = CString(L"Z:") + build + L"/CorvaneSms.exe";
    source.Replace(L'/', L'\\');
    folder = SimPhone::WorkFolder() + L"program_process\\";
    CreateDirectoryW(folder, nullptr);
    exe = folder + L"CorvaneSms.exe";
    ASSERT_TRUE(CopyFileW(source, exe, FALSE)) << GetLastError();
    dataFile = folder + CORVANE_DATA_FILE_NAME;
    DeleteFileW(dataFile);
    for (const wchar_t* name : {L"Connection", L"isSuaraOn", L"IsGetSmsWhenActive", L"isSaveToSent", L"IsActivePass",
                                L"IsShowSplash", L"isHapus", L"IsScheduled"})
        Keep(name);
    SetInt(L"isSuaraOn", 0);
    SetInt(L"IsActivePass", 0);
    SetInt(L"IsShowSplash", 0);
    SetInt(L"isHapus", 0);
    SetInt(L"IsScheduled", 0);
    SetInt(L"isSaveToSent", 1);
    SetInt(L"IsGetSmsWhenActive", 0);
    SetText(L"Connection", SimPhone::PortName());
}

void ProcessFixture::TearDown()
{
    if (pi.hProcess)
        EndProcess();
    HKEY hKey = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr) ==
        ERROR_SUCCESS)
    {
        for (const KeptValue& v : kept)
            if (v.present)
                RegSetValueExW(hKey, v.name, 0, v.type, v.data.data(), (DWORD)v.data.size());
            else
                RegDeleteValueW(hKey, v.name);
        RegCloseKey(hKey);
    }
}

void ProcessFixture::Keep(const wchar_t* name)
{
    KeptValue v;
    v.name = name;
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_ANY, &v.type, nullptr, &size) == ERROR_SUCCESS)
    {
        v.data.resize(size);
        v.present = RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_ANY, &v.type, v.data.data(), &size) ==
                    ERROR_SUCCESS;
    }
    kept.push_back(v);
}

void ProcessFixture::SetInt(const wchar_t* name, DWORD value)
{
    RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, name, REG_DWORD, &value, sizeof value);
}

void ProcessFixture::SetText(const wchar_t* name, const CString& value)
{
    RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, name, REG_SZ, (LPCWSTR)value,
                    (DWORD)(value.GetLength() + 1) * sizeof(wchar_t));
}

bool ProcessFixture::StartProgram()
{
    STARTUPINFOW si = {sizeof si};
    CString cmd = L"\"" + exe + L"\"";
    if (!CreateProcessW(exe, cmd.GetBuffer(), nullptr, nullptr, FALSE, 0, nullptr, folder, &si, &pi))
        return false;
    CloseHandle(pi.hThread);
    pi.hThread = nullptr;
    return true;
}

void ProcessFixture::EndProcess()
{
    if (WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT)
    {
        TerminateProcess(pi.hProcess, 1);
        WaitForSingleObject(pi.hProcess, 10000);
    }
    CloseHandle(pi.hProcess);
    pi = PROCESS_INFORMATION();
}

void ProcessFixture::Look(std::vector<SeenBox>& found, HWND& hMain)
{
    struct Scan
    {
        DWORD pid;
        std::vector<SeenBox>* boxes;
        HWND main;
    } scan = {pi.dwProcessId, &found, nullptr};
    found.clear();
    EnumWindows(
        [](HWND h, LPARAM lp) -> BOOL {
            Scan* s = (Scan*)lp;
            DWORD pid = 0;
            GetWindowThreadProcessId(h, &pid);
            if (pid != s->pid || !IsWindowVisible(h))
                return TRUE;
            wchar_t cls[64] = {};
            GetClassNameW(h, cls, 64);
            if (wcscmp(cls, L"#32770") == 0)
            {
                SeenBox box = {h};
                wchar_t text[512] = {};
                GetWindowTextW(h, text, 512);
                box.title = text;
                for (HWND c = GetWindow(h, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
                {
                    wchar_t ccls[32] = {};
                    GetClassNameW(c, ccls, 32);
                    text[0] = 0;
                    GetWindowTextW(c, text, 512);
                    if (_wcsicmp(ccls, L"Static") == 0 && text[0])
                        box.text = text;
                }
                s->boxes->push_back(box);
            }
            else if (GetWindow(h, GW_CHILD) != nullptr && GetWindow(h, GW_OWNER) == nullptr)
                s->main = h;
            return TRUE;
        },
        (LPARAM)&scan);
    hMain = scan.main;
}

HWND ProcessFixture::WaitForMainWindow(DWORD ms, const wchar_t* stopAt)
{
    const DWORD start = GetTickCount();
    HWND hMain = nullptr;
    while (GetTickCount() - start < ms && !Ended(0))
    {
        std::vector<SeenBox> found;
        Look(found, hMain);
        bool bStop = false;
        for (const SeenBox& b : found)
        {
            if (b.text == L"Unable to instantiate Outlook.")
                PostMessageW(b.hWnd, WM_COMMAND, IDOK, 0);
            else
            {
                Note(b);
                bStop = bStop || (stopAt && b.text.Find(stopAt) >= 0);
            }
        }
        if (hMain && (stopAt == nullptr || bStop))
            return hMain;
        Sleep(100);
    }
    return nullptr;
}

void ProcessFixture::Note(const SeenBox& b)
{
    for (const SeenBox& s : seen)
        if (s.hWnd == b.hWnd && s.text == b.text)
            return;
    seen.push_back(b);
}

// The program's docking state: kept aside while a test runs from the default layout, given back after.
const wchar_t kBarStateKey[] = L"Software\\Corvane\\Corvane SMS\\Nimbal230\\Profiles\\Corvane SMS\\ControlBar";
const wchar_t kBarStateKeptKey[] = L"Software\\Corvane\\CorvaneTestKeptControlBar";

bool CopyKey(const wchar_t* from, const wchar_t* to)
{
    HKEY hFrom = nullptr, hTo = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, from, 0, KEY_READ, &hFrom) != ERROR_SUCCESS)
        return false;
    bool bCopied = false;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, to, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hTo, nullptr) == ERROR_SUCCESS)
    {
        bCopied = RegCopyTreeW(hFrom, nullptr, hTo) == ERROR_SUCCESS;
        RegCloseKey(hTo);
    }
    RegCloseKey(hFrom);
    return bCopied;
}

// The bar with the text among the windows of the process, and its top-level window.
BarWindows FindBar(DWORD pid, const wchar_t* text)
{
    struct Scan
    {
        DWORD pid;
        const wchar_t* text;
        BarWindows found;
    } scan = {pid, text, {}};
    EnumWindows(
        [](HWND h, LPARAM lp) -> BOOL {
            Scan* s = (Scan*)lp;
            DWORD owner = 0;
            GetWindowThreadProcessId(h, &owner);
            if (owner != s->pid)
                return TRUE;
            s->found.hTopLevel = h;
            EnumChildWindows(
                h,
                [](HWND c, LPARAM lp2) -> BOOL {
                    Scan* s2 = (Scan*)lp2;
                    wchar_t t[64] = {};
                    GetWindowTextW(c, t, 64);
                    if (wcscmp(t, s2->text) != 0)
                        return TRUE;
                    s2->found.hBar = c; // the last one: a floating frame's dock bar takes the title too
                    return TRUE;
                },
                lp);
            return s->found.hBar == nullptr;
        },
        (LPARAM)&scan);
    return scan.found.hBar != nullptr ? scan.found : BarWindows();
}

// A screen point on the docked bar's caption: its widest non-client band (on top of a bar in a column,
// at the left of a bar in a row), a third of the way along it, away from its buttons.
POINT CaptionPoint(HWND hBar)
{
    RECT w = {}, c = {};
    GetWindowRect(hBar, &w);
    GetClientRect(hBar, &c);
    MapWindowPoints(hBar, nullptr, (POINT*)&c, 2);
    if (c.top - w.top >= c.left - w.left)
        return POINT{c.left + (c.right - c.left) / 3, (w.top + c.top) / 2};
    return POINT{(w.left + c.left) / 2, c.top + (c.bottom - c.top) / 3};
}

// Mouse input at the screen point (a move or a button, as the flags say).
bool SendMouseAt(POINT pt, DWORD dwFlags)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = pt.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = pt.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = dwFlags | MOUSEEVENTF_ABSOLUTE;
    return SendInput(1, &in, sizeof in) == 1;
}

// The window holding the mouse capture on the thread, or NULL.
HWND CaptureOf(DWORD dwThread)
{
    GUITHREADINFO gti = {sizeof gti};
    return GetGUIThreadInfo(dwThread, &gti) ? gti.hwndCapture : nullptr;
}
} // namespace programtest
