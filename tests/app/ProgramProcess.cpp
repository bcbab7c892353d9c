// The built program as a process of its own, seen and driven from outside.
#include "ProgramProcess.h"

#include "phone/Corvane_smsDoc.h"
#include "phone/SmsRecord.h"
#include "phone/StoreHelpers.h"
#include "res/app_ids.h"
#include "res/platform_ids.h"
#include "support/DibCanvas.h"
#include "support/RandomRun.h"

#include <algorithm>

using namespace phonetest;

namespace programtest
{
const BarId kBars[5] = {{"Folders", IDW_FOLDER_TREE, true},
                        {"SMS List", IDW_SMS_LIST, true},
                        {"Standard Toolbar", ID_VIEW_TOOLBAR, false},
                        {"Corvane Toolbar", ID_VIEW_CORVANE_TOOLBAR, false},
                        {"menu bar", 104, false}};

const wchar_t kBarStateKey[] = L"Software\\Corvane\\Corvane SMS\\Nimbal230\\Profiles\\Corvane SMS\\ControlBar";

namespace
{
const wchar_t kAppKey[] = L"Software\\Corvane\\Corvane SMS";
const wchar_t kKeptKey[] = L"Software\\Corvane\\CorvaneTestKept";
const wchar_t kSettingsKey[] = L"Software\\Corvane\\Corvane SMS\\Settings";
const wchar_t kBarClass[] = L"Nimbal-ControlBar";
// The least width of a caption or gripper band: a bar's plain border is thinner.
constexpr int kLeastBand = 6;

bool IsClass(HWND h, const wchar_t* pszClass)
{
    wchar_t cls[64] = {};
    GetClassNameW(h, cls, 64);
    return wcscmp(cls, pszClass) == 0;
}
DWORD ProcessOf(HWND h)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    return pid;
}
// The top-level windows of the process, top of the window order first. Taken as one list: a walk window by window
// misses a frame the program restacks meanwhile.
std::vector<HWND> TopLevels(DWORD pid)
{
    struct Scan
    {
        DWORD pid;
        std::vector<HWND> v;
    } scan = {pid, {}};
    EnumWindows(
        [](HWND h, LPARAM lp) -> BOOL {
            Scan* s = (Scan*)lp;
            if (ProcessOf(h) == s->pid)
                s->v.push_back(h);
            return TRUE;
        },
        (LPARAM)&scan);
    return scan.v;
}
// The descendant of hParent of the class with the control id, or null.
HWND FindDescendant(HWND hParent, const wchar_t* pszClass, UINT nId)
{
    struct Scan
    {
        const wchar_t* cls;
        UINT id;
        HWND found;
    } scan = {pszClass, nId, nullptr};
    EnumChildWindows(
        hParent,
        [](HWND c, LPARAM lp) -> BOOL {
            Scan* s = (Scan*)lp;
            if ((UINT)GetDlgCtrlID(c) == s->id && IsClass(c, s->cls))
                s->found = c;
            return s->found == nullptr;
        },
        (LPARAM)&scan);
    return scan.found;
}
// The caption or gripper bands of the window: its non-client widths on top and at the left.
void Bands(HWND h, RECT& w, RECT& c, int& nTop, int& nLeft)
{
    GetWindowRect(h, &w);
    GetClientRect(h, &c);
    MapWindowPoints(h, nullptr, (POINT*)&c, 2);
    nTop = c.top - w.top;
    nLeft = c.left - w.left;
}
RECT OnTheScreen(HWND hWnd)
{
    RECT rc = {};
    GetWindowRect(hWnd, &rc);
    const RECT rcScreen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    IntersectRect(&rc, &rc, &rcScreen);
    return rc;
}
} // namespace

// ---- the process ---------------------------------------------------------------------------------------------------

ProgramProcess::ProgramProcess() : m_key(kAppKey, kKeptKey) {}

bool ProgramProcess::Prepare(CString& strWhy)
{
    wchar_t build[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"CORVANE_BINARY_DIR", build, MAX_PATH) == 0)
    {
        strWhy = L"CORVANE_BINARY_DIR is not set";
        return false;
    }
    // CTest gives the build folder's Unix path; Wine shows it on Z:.
    CString source = CString(L"Z:") + build + L"/CorvaneSms.exe";
    source.Replace(L'/', L'\\');
    folder = SimPhone::WorkFolder() + L"program\\";
    CreateDirectoryW(folder, nullptr);
    exe = folder + L"CorvaneSms.exe";
    if (!CopyFileW(source, exe, FALSE))
    {
        strWhy.Format(L"the program was not copied (%lu)", GetLastError());
        return false;
    }
    dataFile = folder + CORVANE_DATA_FILE_NAME;
    DeleteFileW(dataFile);
    if (!m_key.Keep())
    {
        strWhy = L"the program's registry key was not kept aside";
        return false;
    }
    m_bPrepared = true;
    RegDeleteTreeW(HKEY_CURRENT_USER, kBarStateKey);
    for (const wchar_t* name : {L"isSuaraOn", L"IsActivePass", L"IsShowSplash", L"isHapus", L"IsScheduled",
                                L"IsGetSmsWhenActive", L"IsTopWindow"})
        SetInt(name, 0);
    SetInt(L"isSaveToSent", 1);
    SetText(L"Connection", SimPhone::PortName());
    return true;
}

void ProgramProcess::GiveBack()
{
    EndProcess();
    if (!m_bPrepared)
        return;
    m_key.GiveBack();
    m_bPrepared = false;
}

void ProgramProcess::SetInt(const wchar_t* name, DWORD value)
{
    RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, name, REG_DWORD, &value, sizeof value);
}

void ProgramProcess::SetText(const wchar_t* name, const CString& value)
{
    RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, name, REG_SZ, (LPCWSTR)value,
                    (DWORD)(value.GetLength() + 1) * sizeof(wchar_t));
}

bool ProgramProcess::StartFailed(const CString& strWhy)
{
    startWhy = strWhy;
    printf("the program's start failed: %s\n", (const char*)CStringA(strWhy));
    fflush(stdout);
    return false;
}

bool ProgramProcess::StartProgram()
{
    EndProcess();
    STARTUPINFOW si = {sizeof si};
    CString cmd = L"\"" + exe + L"\"", strWhy;
    m_dwStarted = GetTickCount();
    if (!CreateProcessW(exe, cmd.GetBuffer(), nullptr, nullptr, FALSE, 0, nullptr, folder, &si, &pi))
    {
        strWhy.Format(L"CreateProcess failed with error %lu", GetLastError());
        return StartFailed(strWhy);
    }
    CloseHandle(pi.hThread);
    pi.hThread = nullptr;
    return true;
}

HWND ProgramProcess::WaitForMainWindow(DWORD ms, const wchar_t* stopAt)
{
    const DWORD dwStart = GetTickCount();
    while (GetTickCount() - dwStart < ms && Running())
    {
        std::vector<SeenBox> found;
        HWND hMain = nullptr;
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
        if (hMain != nullptr && GetDlgItem(hMain, AFX_IDW_PANE_FIRST) != nullptr && (stopAt == nullptr || bStop))
        {
            m_hMain = hMain;
            m_dwThread = GetWindowThreadProcessId(hMain, nullptr);
            return hMain;
        }
        Sleep(50);
    }
    CString strWhy;
    DWORD dwCode = 0;
    const DWORD dwWait = WaitForSingleObject(pi.hProcess, 0);
    if (dwWait == WAIT_TIMEOUT)
        strWhy.Format(L"no main window with its view%s%s within %lu ms", stopAt ? L" and a box with " : L"",
                      stopAt ? stopAt : L"", ms);
    else if (dwWait != WAIT_OBJECT_0 || !GetExitCodeProcess(pi.hProcess, &dwCode))
        // Not the program's end: the handle to it no longer answers.
        strWhy.Format(L"the handle to the program's process %lu no longer answers (wait 0x%lx, error %lu) %lu ms "
                      L"after its start, before its main window",
                      pi.dwProcessId, dwWait, GetLastError(), GetTickCount() - m_dwStarted);
    else
        strWhy.Format(L"the program ended with code 0x%lx %lu ms after its start, before its main window", dwCode,
                      GetTickCount() - m_dwStarted);
    StartFailed(strWhy);
    return nullptr;
}

bool ProgramProcess::Start(CString& strWhy)
{
    if (!StartProgram() || WaitForMainWindow(60000) == nullptr)
    {
        strWhy = startWhy;
        return false;
    }
    WaitPainted(30000);
    return true;
}

HWND ProgramProcess::StartInFront()
{
    CString strWhy;
    if (!Start(strWhy))
        return nullptr;
    SetForegroundWindow(m_hMain);
    if (!PumpUntil([&] { return GetForegroundWindow() == m_hMain; }, 10000))
        StartFailed(L"the main window did not come to the foreground within 10 s");
    else if (WaitForInputIdle(pi.hProcess, 30000) != 0)
        StartFailed(L"the program's thread did not wait for input within 30 s");
    else
        return m_hMain;
    return nullptr;
}

bool ProgramProcess::Exit(CString& strWhy)
{
    PostMessageW(m_hMain, WM_COMMAND, ID_APP_EXIT, 0);
    if (!Ended(30000))
    {
        strWhy = L"the program still runs 30 s after File > Keluar";
        for (const CString& box : Boxes())
            strWhy += L"; box " + box;
        EndProcess();
        return false;
    }
    const DWORD dwCode = ExitCode();
    EndProcess();
    if (dwCode != 0)
    {
        strWhy.Format(L"the program ended with code 0x%lx", dwCode);
        return false;
    }
    return true;
}

void ProgramProcess::EndProcess()
{
    if (pi.hProcess == nullptr)
        return;
    if (Running())
    {
        TerminateProcess(pi.hProcess, 1);
        WaitForSingleObject(pi.hProcess, 10000);
    }
    CloseHandle(pi.hProcess);
    pi = PROCESS_INFORMATION();
    m_hMain = nullptr;
}

bool ProgramProcess::Running() const
{
    return pi.hProcess != nullptr && WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD ProgramProcess::ExitCode() const
{
    DWORD dwCode = 0;
    GetExitCodeProcess(pi.hProcess, &dwCode);
    return dwCode;
}

void ProcessFixture::SetUp()
{
    REQUIRE_SIM();
    CString strWhy;
    ASSERT_TRUE(Prepare(strWhy)) << CStringA(strWhy).GetString();
}

// ---- what it shows ---------------------------------------------------------------------------------------------------

void ProgramProcess::Look(std::vector<SeenBox>& found, HWND& hMain) const
{
    found.clear();
    hMain = nullptr;
    for (HWND h : TopLevels(pi.dwProcessId))
    {
        if (!IsWindowVisible(h))
            continue;
        if (IsClass(h, L"#32770"))
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
            found.push_back(box);
        }
        else if (GetWindow(h, GW_CHILD) != nullptr && GetWindow(h, GW_OWNER) == nullptr)
            hMain = h;
    }
}

void ProgramProcess::Note(const SeenBox& b)
{
    for (const SeenBox& s : seen)
        if (s.hWnd == b.hWnd && s.text == b.text)
            return;
    seen.push_back(b);
}

std::vector<CString> ProgramProcess::Boxes() const
{
    std::vector<SeenBox> found;
    HWND hMain = nullptr;
    Look(found, hMain);
    std::vector<CString> v;
    for (const SeenBox& b : found)
        v.push_back(b.title + L": " + b.text);
    return v;
}

BarSeen ProgramProcess::Bar(const BarId& bar) const
{
    BarSeen seen;
    for (HWND h : TopLevels(pi.dwProcessId))
        if (HWND hBar = FindDescendant(h, kBarClass, bar.nId))
        {
            seen.hBar = hBar;
            break;
        }
    if (seen.hBar == nullptr)
        return seen;
    seen.hTop = GetAncestor(seen.hBar, GA_ROOT);
    seen.bFloating = seen.hTop != m_hMain;
    seen.bShown = IsWindowVisible(seen.hBar) != FALSE;
    GetWindowRect(seen.hBar, &seen.rcBar);
    GetWindowRect(seen.hTop, &seen.rcTop);
    // A tab of a group has no caption of its own: the group's carries it.
    seen.hCarrier = seen.hBar;
    RECT w, c;
    int nTop = 0, nLeft = 0;
    Bands(seen.hBar, w, c, nTop, nLeft);
    if (bar.bResizable && std::max(nTop, nLeft) < kLeastBand)
        for (HWND p = GetParent(seen.hBar); p && p != seen.hTop; p = GetParent(p))
            if (IsClass(p, kBarClass))
            {
                seen.hCarrier = p;
                break;
            }
    return seen;
}

bool ProgramProcess::IsFloatingShown(const BarWindows& w) const
{
    return w.hBar != nullptr && w.hTopLevel != m_hMain && GetWindow(w.hTopLevel, GW_OWNER) == m_hMain &&
           IsWindowVisible(w.hTopLevel) && IsWindowVisible(w.hBar);
}

HWND ProgramProcess::View() const { return m_hMain ? GetDlgItem(m_hMain, AFX_IDW_PANE_FIRST) : nullptr; }

HWND ProgramProcess::ShownSlider(int& nBar) const
{
    nBar = -1;
    for (HWND c = GetWindow(m_hMain, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    {
        RECT rc = {};
        if (!IsClass(c, L"Nimbal-AutohideSlider") || !IsWindowVisible(c) || !GetWindowRect(c, &rc) || IsRectEmpty(&rc))
            continue;
        for (HWND h = GetWindow(c, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
            for (int i = 0; i < kBarCount; ++i)
                if (IsWindowVisible(h) && (UINT)GetDlgCtrlID(h) == kBars[i].nId)
                    nBar = i;
        return c;
    }
    return nullptr;
}

HWND ProgramProcess::AutoHideArea(UINT nSide) const
{
    for (HWND c = GetWindow(m_hMain, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if ((UINT)GetDlgCtrlID(c) == nSide && IsClass(c, L"Nimbal-TabWindow"))
            return c;
    return nullptr;
}

int ProgramProcess::ListCount() const
{
    for (HWND h : TopLevels(pi.dwProcessId))
        if (HWND hList = FindDescendant(h, L"SysListView32", IDW_SMS_LIST))
        {
            DWORD_PTR r = 0;
            if (!SendMessageTimeoutW(hList, LVM_GETITEMCOUNT, 0, 0, SMTO_NORMAL, 5000, &r))
                return -1;
            return (int)r;
        }
    return -1;
}

std::vector<HWND> ProgramProcess::FloatingFrames() const
{
    std::vector<HWND> v;
    for (HWND h : TopLevels(pi.dwProcessId))
        if (h != m_hMain && IsWindowVisible(h) && GetWindow(h, GW_OWNER) == m_hMain)
            for (const BarId& bar : kBars)
                if (FindDescendant(h, kBarClass, bar.nId) != nullptr)
                {
                    v.push_back(h);
                    break;
                }
    return v;
}

namespace
{
void DescribeTree(HWND h, int nDepth, std::string& out)
{
    wchar_t cls[64] = {}, text[64] = {};
    GetClassNameW(h, cls, 64);
    GetWindowTextW(h, text, 64);
    RECT rc = {};
    GetWindowRect(h, &rc);
    char line[300];
    snprintf(line, sizeof line, "%*s%ls %d \"%ls\" (%ld,%ld)-(%ld,%ld)%s\n", nDepth * 2, "", cls, GetDlgCtrlID(h), text,
             rc.left, rc.top, rc.right, rc.bottom, IsWindowVisible(h) ? "" : " hidden");
    out += line;
    for (HWND c = GetWindow(h, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        DescribeTree(c, nDepth + 1, out);
}
} // namespace

std::string ProgramProcess::DescribeWindows() const
{
    std::string out;
    for (HWND h : TopLevels(pi.dwProcessId))
        if (IsWindowVisible(h) || GetWindow(h, GW_OWNER) == m_hMain)
            DescribeTree(h, 0, out);
    return out;
}

std::string ProgramProcess::DescribeWindowAt(POINT pt)
{
    std::string out;
    for (HWND h = WindowFromPoint(pt); h != nullptr; h = GetParent(h))
    {
        wchar_t cls[64] = {}, text[64] = {};
        GetClassNameW(h, cls, 64);
        GetWindowTextW(h, text, 64);
        char part[200];
        snprintf(part, sizeof part, "%ls %d \"%ls\" < ", cls, GetDlgCtrlID(h), text);
        out += part;
    }
    return out;
}

// ---- its thread --------------------------------------------------------------------------------------------------

bool ProgramProcess::WaitIdle(DWORD ms) const
{
    // Wine signals a process's input idle once, when it first waits for input, and keeps it so: the program's
    // thread is asked twice instead. It answers a sent message where it next looks at its queue, before it takes
    // the input queued there; the second answer comes once it has taken that input and looks again (the input's
    // handler returned, or a loop of its own started from it runs).
    if (pi.hProcess == nullptr || WaitForInputIdle(pi.hProcess, ms) != 0)
        return false;
    const DWORD dwStart = GetTickCount();
    for (int i = 0; i < 2; ++i)
    {
        const DWORD dwSpent = GetTickCount() - dwStart;
        DWORD_PTR r = 0;
        if (dwSpent >= ms || !SendMessageTimeoutW(m_hMain, WM_NULL, 0, 0, SMTO_NORMAL, ms - dwSpent, &r))
            return false;
    }
    return true;
}

bool ProgramProcess::WaitPainted(DWORD ms) const
{
    const DWORD dwStart = GetTickCount();
    const auto left = [&] { return ms - std::min(ms, GetTickCount() - dwStart); };
    const bool bIdle = WaitIdle(left());
    const auto unpainted = [&] {
        bool bAny = false;
        for (HWND h : TopLevels(pi.dwProcessId))
            if (IsWindowVisible(h))
            {
                bAny = bAny || GetUpdateRect(h, nullptr, FALSE);
                EnumChildWindows(
                    h,
                    [](HWND c, LPARAM lp) -> BOOL {
                        if (IsWindowVisible(c) && GetUpdateRect(c, nullptr, FALSE))
                            *(bool*)lp = true;
                        return TRUE;
                    },
                    (LPARAM)&bAny);
            }
        return bAny;
    };
    if (!PumpUntil([&] { return !unpainted(); }, left()) || !WaitIdle(left()))
        return false;
    RECT rc = OnTheScreen(m_hMain);
    for (HWND h : FloatingFrames())
    {
        const RECT r = OnTheScreen(h);
        UnionRect(&rc, &rc, &r);
    }
    if (IsRectEmpty(&rc)) // minimized or hidden: nothing of it on the screen
        return bIdle;
    std::vector<DWORD> last = GrabScreen(rc);
    int nSame = 0;
    return PumpUntil(
               [&] {
                   Sleep(20);
                   std::vector<DWORD> now = GrabScreen(rc);
                   nSame = now == last ? nSame + 1 : 0;
                   last.swap(now);
                   return nSame >= 3;
               },
               left()) &&
           bIdle;
}

HWND ProgramProcess::Capture() const { return CaptureOf(m_dwThread); }

HWND ProgramProcess::Focus() const
{
    GUITHREADINFO gti = {sizeof gti};
    return GetGUIThreadInfo(m_dwThread, &gti) ? gti.hwndFocus : nullptr;
}

bool ProgramProcess::InMoveSize() const
{
    GUITHREADINFO gti = {sizeof gti};
    return GetGUIThreadInfo(m_dwThread, &gti) && (gti.flags & GUI_INMOVESIZE);
}

bool ProgramProcess::InMenu() const
{
    GUITHREADINFO gti = {sizeof gti};
    return GetGUIThreadInfo(m_dwThread, &gti) && (gti.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE));
}

// ---- its data file -------------------------------------------------------------------------------------------------

bool ProgramProcess::LoadSaved(CCorvane_smsDoc& saved) const
{
    const CString copy = folder + L"copy_of_data.dat";
    DeleteFileW(copy);
    saved.SetDataFilePath(copy);
    return CopyFileW(dataFile, copy, FALSE) && saved.LoadData();
}

int ProgramProcess::SavedInboxCount() const
{
    if (GetFileAttributesW(dataFile) == INVALID_FILE_ATTRIBUTES)
        return 0;
    CCorvane_smsDoc saved;
    if (!LoadSaved(saved))
        return -1;
    int n = 0;
    for (POSITION pos = saved.m_listSms.GetHeadPosition(); pos;)
        n += ((const CSMS*)saved.m_listSms.GetNext(pos))->m_strFolder == SMS_FOLDER_INBOX ? 1 : 0;
    return n;
}

// ---- bars and input -------------------------------------------------------------------------------------------------

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
            if (ProcessOf(h) != s->pid)
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

POINT CaptionPoint(HWND hBar)
{
    RECT w, c;
    int nTop = 0, nLeft = 0;
    Bands(hBar, w, c, nTop, nLeft);
    if (nTop >= nLeft)
        return POINT{c.left + (c.right - c.left) / 3, (w.top + c.top) / 2};
    return POINT{(w.left + c.left) / 2, c.top + (c.bottom - c.top) / 3};
}

bool CaptionPoint(const BarSeen& bar, POINT& pt)
{
    if (!bar.bShown)
        return false;
    RECT w, c;
    int nTop = 0, nLeft = 0;
    HWND hBand = bar.hCarrier;
    Bands(hBand, w, c, nTop, nLeft);
    if (bar.bFloating && std::max(nTop, nLeft) < kLeastBand)
        Bands(hBand = bar.hTop, w, c, nTop, nLeft);
    if (std::max(nTop, nLeft) < kLeastBand)
        return false;
    pt = CaptionPoint(hBand);
    return true;
}

bool CaptionButtonPoint(HWND hCarrier, int nIndex, POINT& pt)
{
    RECT w, c;
    int nTop = 0, nLeft = 0;
    Bands(hCarrier, w, c, nTop, nLeft);
    const int nBand = std::max(nTop, nLeft), nButton = nBand - 6;
    if (nBand < 12)
        return false;
    if (nTop >= nLeft)
        pt = POINT{w.right - 3 - nButton / 2 - nIndex * (nButton + 3), w.top + nBand / 2};
    else
        pt = POINT{w.left + nBand / 2, w.top + 3 + nButton / 2 + nIndex * (nButton + 3)};
    return true;
}

bool SendMouseAt(POINT pt, DWORD dwFlags)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = pt.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = pt.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = dwFlags | MOUSEEVENTF_ABSOLUTE;
    return SendInput(1, &in, sizeof in) == 1;
}

bool MouseAt(POINT pt, DWORD dwFlags) { return SendMouseAt(pt, dwFlags | MOUSEEVENTF_MOVE); }

HWND CaptureOf(DWORD dwThread)
{
    GUITHREADINFO gti = {sizeof gti};
    return GetGUIThreadInfo(dwThread, &gti) ? gti.hwndCapture : nullptr;
}

// ---- what the user sees ------------------------------------------------------------------------------------------

std::vector<RECT> RectsAbove(HWND hWnd)
{
    std::vector<RECT> v;
    for (HWND h = GetTopWindow(nullptr); h && h != hWnd; h = GetWindow(h, GW_HWNDNEXT))
    {
        RECT rc = {};
        if (IsWindowVisible(h) && GetWindowRect(h, &rc) && !IsRectEmpty(&rc))
            v.push_back(rc);
    }
    return v;
}

std::vector<DWORD> SettledScreen(const RECT& rc, DWORD ms)
{
    std::vector<DWORD> grab = GrabScreen(rc);
    PumpUntil(
        [&] {
            std::vector<DWORD> again = GrabScreen(rc);
            const bool bSettled = again == grab;
            grab.swap(again);
            return bSettled;
        },
        ms);
    return grab;
}

int PixelsUnlikeTheWindow(HWND hWnd, RECT& rcWhere, POINT& ptFirst, HWND hMayCover)
{
    const RECT rc = rcWhere = OnTheScreen(hWnd);
    if (IsRectEmpty(&rc))
        return 0;
    std::vector<RECT> covers = RectsAbove(hWnd);
    RECT rcCover = {};
    if (hMayCover != nullptr && GetWindowRect(hMayCover, &rcCover))
        covers.push_back(rcCover);
    const std::vector<DWORD> before = GrabScreen(rc);
    SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // Raised and drawn: the screen there no longer changes.
    const randomrun::PictureDiff d = randomrun::ComparePictures(before, SettledScreen(rc, 3000), rc, 0, covers);
    ptFirst = d.nCount > 0 ? d.ptFirst : ptFirst;
    return d.nCount;
}

namespace
{
// The scroll bars of the window and of its visible descendants, on the screen (with the border beside each).
std::vector<RECT> ScrollBarRects(HWND hWnd)
{
    std::vector<RECT> v;
    const auto add = [&](HWND h) {
        const LONG style = GetWindowLongW(h, GWL_STYLE);
        if ((style & (WS_VSCROLL | WS_HSCROLL)) == 0 || !IsWindowVisible(h))
            return;
        RECT w = {}, c = {};
        GetWindowRect(h, &w);
        GetClientRect(h, &c);
        MapWindowPoints(h, nullptr, (POINT*)&c, 2);
        if (style & WS_VSCROLL)
            v.push_back((GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR)
                            ? RECT{w.left, w.top, c.left, w.bottom}
                            : RECT{c.right, w.top, w.right, w.bottom});
        if (style & WS_HSCROLL)
            v.push_back(RECT{w.left, c.bottom, w.right, w.bottom});
    };
    add(hWnd);
    std::vector<HWND> children;
    EnumChildWindows(
        hWnd,
        [](HWND c, LPARAM lp) -> BOOL {
            ((std::vector<HWND>*)lp)->push_back(c);
            return TRUE;
        },
        (LPARAM)&children);
    for (HWND h : children)
        add(h);
    return v;
}

// Whether the rectangle lies in one scroll bar of the window or its descendants that the pointer is off.
bool InAScrollBarThePointerLeft(HWND hWnd, const RECT& rcDiff)
{
    POINT ptCursor = {};
    GetCursorPos(&ptCursor);
    const std::vector<RECT> bars = ScrollBarRects(hWnd);
    return std::any_of(bars.begin(), bars.end(), [&](const RECT& r) {
        RECT rcIn = {};
        IntersectRect(&rcIn, &rcDiff, &r);
        return EqualRect(&rcIn, &rcDiff) && !PtInRect(&r, ptCursor);
    });
}
} // namespace

int PixelsUnlikeARepaint(const ProgramProcess& program, HWND hWnd, RECT& rcWhere, POINT& ptFirst)
{
    const RECT rc = rcWhere = OnTheScreen(hWnd);
    if (IsRectEmpty(&rc))
        return 0;
    const std::vector<RECT> covers = RectsAbove(GetAncestor(hWnd, GA_ROOT));
    // A control's scroll bar keeps its hover look until the program's thread notices that the pointer left it, which
    // under Wine comes with the thread's next mouse-tracking tick, a while after the pointer moved away: the look may
    // end between the grab and the repaint. A difference that lies within one scroll bar the pointer is off is taken
    // again, until the screen there holds still under a repaint (or the bound).
    const DWORD dwStart = GetTickCount();
    randomrun::PictureDiff d;
    do
    {
        const std::vector<DWORD> before = GrabScreen(rc);
        RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        program.WaitPainted();
        // A shade or two of slack: gradients computed over a bar's place come out a level apart after a layout that
        // moved nothing visible.
        d = randomrun::ComparePictures(before, GrabScreen(rc), rc, 3, covers);
    } while (d.nCount > 0 && InAScrollBarThePointerLeft(hWnd, d.rcAround) && GetTickCount() - dwStart < 3000);
    ptFirst = d.nCount > 0 ? d.ptFirst : ptFirst;
    return d.nCount;
}
} // namespace programtest
