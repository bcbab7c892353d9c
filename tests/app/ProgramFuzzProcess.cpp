// The built program as a process of its own, seen and driven from outside.
#include "ProgramFuzzProcess.h"
#include "ProgramTestSupport.h"

#include "phone/SmsRecord.h"
#include "phone/StoreHelpers.h"
#include "res/app_ids.h"
#include "res/platform_ids.h"
#include "support/DibCanvas.h"

#include <algorithm>

using namespace phonetest;
using programtest::CopyKey;

namespace programfuzz
{
const BarId kBars[5] = {{"Folders", IDW_FOLDER_TREE, true},
                        {"SMS List", IDW_SMS_LIST, true},
                        {"Standard Toolbar", ID_VIEW_TOOLBAR, false},
                        {"Corvane Toolbar", ID_VIEW_CORVANE_TOOLBAR, false},
                        {"menu bar", 104, false}};

namespace
{
const wchar_t kAppKey[] = L"Software\\Corvane\\Corvane SMS";
const wchar_t kKeptKey[] = L"Software\\Corvane\\CorvaneProgramFuzzKept";
const wchar_t kSettingsKey[] = L"Software\\Corvane\\Corvane SMS\\Settings";
const wchar_t kBarStateKey[] = L"Software\\Corvane\\Corvane SMS\\Nimbal230\\Profiles\\Corvane SMS\\ControlBar";
const wchar_t kBarClass[] = L"Nimbal-ControlBar";
// The least width of a caption or gripper band: a bar's plain border is thinner.
constexpr int kLeastBand = 6;

void SetInt(const wchar_t* name, DWORD value)
{
    RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, name, REG_DWORD, &value, sizeof value);
}
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
// The top-level windows of the process, top of the window order first.
std::vector<HWND> TopLevels(DWORD pid)
{
    std::vector<HWND> v;
    for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT))
        if (ProcessOf(h) == pid)
            v.push_back(h);
    return v;
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
} // namespace

bool ProgramProcess::Prepare(CString& strWhy)
{
    wchar_t build[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"CORVANE_BINARY_DIR", build, MAX_PATH) == 0)
    {
        strWhy = L"CORVANE_BINARY_DIR is not set";
        return false;
    }
    CString source = CString(L"Z:") + build + L"/CorvaneSms.exe";
    source.Replace(L'/', L'\\');
    m_strFolder = SimPhone::WorkFolder() + L"program_fuzz\\";
    CreateDirectoryW(m_strFolder, nullptr);
    m_strExe = m_strFolder + L"CorvaneSms.exe";
    if (!CopyFileW(source, m_strExe, FALSE))
    {
        strWhy.Format(L"the program was not copied (%lu)", GetLastError());
        return false;
    }
    DeleteFileW(DataFile());
    RegDeleteTreeW(HKEY_CURRENT_USER, kKeptKey);
    m_bKeyKept = CopyKey(kAppKey, kKeptKey);
    RegDeleteTreeW(HKEY_CURRENT_USER, kBarStateKey);
    for (const wchar_t* name : {L"isSuaraOn", L"IsActivePass", L"IsShowSplash", L"isHapus", L"IsScheduled",
                                L"IsGetSmsWhenActive", L"IsTopWindow"})
        SetInt(name, 0);
    SetInt(L"isSaveToSent", 1);
    const CString port = SimPhone::PortName();
    RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"Connection", REG_SZ, (LPCWSTR)port,
                    (DWORD)(port.GetLength() + 1) * sizeof(wchar_t));
    return true;
}

ProgramProcess::~ProgramProcess()
{
    Kill();
    RegDeleteTreeW(HKEY_CURRENT_USER, kAppKey);
    if (m_bKeyKept)
        CopyKey(kKeptKey, kAppKey);
    RegDeleteTreeW(HKEY_CURRENT_USER, kKeptKey);
}

CString ProgramProcess::DataFile() const { return m_strFolder + CORVANE_DATA_FILE_NAME; }

bool ProgramProcess::Start(CString& strWhy)
{
    Kill();
    STARTUPINFOW si = {sizeof si};
    CString cmd = L"\"" + m_strExe + L"\"";
    if (!CreateProcessW(m_strExe, cmd.GetBuffer(), nullptr, nullptr, FALSE, 0, nullptr, m_strFolder, &si, &m_pi))
    {
        strWhy.Format(L"the program did not start (%lu)", GetLastError());
        return false;
    }
    CloseHandle(m_pi.hThread);
    m_pi.hThread = nullptr;
    m_hMain = nullptr;
    const DWORD dwStart = GetTickCount();
    while (GetTickCount() - dwStart < 60000 && Running())
    {
        HWND hMain = nullptr;
        for (HWND h : TopLevels(m_pi.dwProcessId))
        {
            if (!IsWindowVisible(h))
                continue;
            if (IsClass(h, L"#32770"))
            {
                wchar_t text[256] = {};
                for (HWND c = GetWindow(h, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
                    if (IsClass(c, L"Static") && GetWindowTextW(c, text, 256) > 0 && wcsstr(text, L"Outlook"))
                        PostMessageW(h, WM_COMMAND, IDOK, 0);
            }
            else if (GetWindow(h, GW_OWNER) == nullptr && GetWindow(h, GW_CHILD) != nullptr)
                hMain = h;
        }
        if (hMain != nullptr && GetDlgItem(hMain, AFX_IDW_PANE_FIRST) != nullptr)
        {
            m_hMain = hMain;
            m_dwThread = GetWindowThreadProcessId(hMain, nullptr);
            WaitPainted(30000);
            return true;
        }
        Sleep(50);
    }
    strWhy = Running() ? L"no main window within 60 s" : L"the program ended while starting";
    return false;
}

bool ProgramProcess::Exit(CString& strWhy)
{
    PostMessageW(m_hMain, WM_COMMAND, ID_APP_EXIT, 0);
    if (WaitForSingleObject(m_pi.hProcess, 30000) != WAIT_OBJECT_0)
    {
        strWhy = L"the program still runs 30 s after File > Keluar";
        for (const CString& box : Boxes())
            strWhy += L"; box " + box;
        Kill();
        return false;
    }
    const DWORD dwCode = ExitCode();
    CloseHandle(m_pi.hProcess);
    m_pi = PROCESS_INFORMATION();
    m_hMain = nullptr;
    if (dwCode != 0)
    {
        strWhy.Format(L"the program ended with code 0x%lx", dwCode);
        return false;
    }
    return true;
}

void ProgramProcess::Kill()
{
    if (m_pi.hProcess == nullptr)
        return;
    if (Running())
    {
        TerminateProcess(m_pi.hProcess, 1);
        WaitForSingleObject(m_pi.hProcess, 10000);
    }
    CloseHandle(m_pi.hProcess);
    m_pi = PROCESS_INFORMATION();
    m_hMain = nullptr;
}

bool ProgramProcess::Running() const
{
    return m_pi.hProcess != nullptr && WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD ProgramProcess::ExitCode() const
{
    DWORD dwCode = 0;
    GetExitCodeProcess(m_pi.hProcess, &dwCode);
    return dwCode;
}

std::vector<CString> ProgramProcess::Boxes() const
{
    std::vector<CString> v;
    for (HWND h : TopLevels(m_pi.dwProcessId))
    {
        if (!IsWindowVisible(h) || !IsClass(h, L"#32770"))
            continue;
        wchar_t title[128] = {}, text[512] = {};
        GetWindowTextW(h, title, 128);
        CString s = CString(title) + L":";
        for (HWND c = GetWindow(h, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            if (IsClass(c, L"Static") && GetWindowTextW(c, text, 512) > 0)
                s += CString(L" ") + text;
        v.push_back(s);
    }
    return v;
}

bool ProgramProcess::WaitIdle(DWORD ms) const
{
    return m_pi.hProcess != nullptr && WaitForInputIdle(m_pi.hProcess, ms) == 0;
}

bool ProgramProcess::WaitPainted(DWORD ms) const
{
    const DWORD dwStart = GetTickCount();
    const auto left = [&] { return ms - std::min(ms, GetTickCount() - dwStart); };
    WaitIdle(left());
    const auto unpainted = [&] {
        bool bAny = false;
        for (HWND h : TopLevels(m_pi.dwProcessId))
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
    if (!PumpUntil([&] { return !unpainted(); }, left()))
        return false;
    RECT rc = {};
    GetWindowRect(m_hMain, &rc);
    for (HWND h : FloatingFrames())
    {
        RECT r = {};
        GetWindowRect(h, &r);
        UnionRect(&rc, &rc, &r);
    }
    const RECT rcScreen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    IntersectRect(&rc, &rc, &rcScreen);
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
        left());
}

HWND ProgramProcess::Capture() const
{
    GUITHREADINFO gti = {sizeof gti};
    return GetGUIThreadInfo(m_dwThread, &gti) ? gti.hwndCapture : nullptr;
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

BarSeen ProgramProcess::Bar(const BarId& bar) const
{
    BarSeen seen;
    for (HWND h : TopLevels(m_pi.dwProcessId))
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
    for (HWND h : TopLevels(m_pi.dwProcessId))
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
    for (HWND h : TopLevels(m_pi.dwProcessId))
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
    for (HWND h : TopLevels(m_pi.dwProcessId))
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

int ProgramProcess::SavedInboxCount() const
{
    if (GetFileAttributesW(DataFile()) == INVALID_FILE_ATTRIBUTES)
        return 0;
    const CString copy = m_strFolder + L"saved_copy.dat";
    DeleteFileW(copy);
    if (!CopyFileW(DataFile(), copy, FALSE))
        return -1;
    CCorvane_smsDoc saved;
    saved.SetDataFilePath(copy);
    if (!saved.LoadData())
        return -1;
    int n = 0;
    for (POSITION pos = saved.m_listSms.GetHeadPosition(); pos;)
        n += ((const CSMS*)saved.m_listSms.GetNext(pos))->m_strFolder == SMS_FOLDER_INBOX ? 1 : 0;
    return n;
}

bool IsAbove(HWND a, HWND b)
{
    for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT))
        if (h == a || h == b)
            return h == a;
    return false;
}

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

bool CaptionPoint(const BarSeen& bar, POINT& pt)
{
    if (!bar.bShown)
        return false;
    RECT w, c;
    int nTop = 0, nLeft = 0;
    Bands(bar.hCarrier, w, c, nTop, nLeft);
    if (bar.bFloating && std::max(nTop, nLeft) < kLeastBand)
        Bands(bar.hTop, w, c, nTop, nLeft);
    if (std::max(nTop, nLeft) < kLeastBand)
        return false;
    if (nTop >= nLeft)
        pt = POINT{c.left + (c.right - c.left) / 3, (w.top + c.top) / 2};
    else
        pt = POINT{(w.left + c.left) / 2, c.top + (c.bottom - c.top) / 3};
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

int PixelsUnlikeTheWindow(HWND hWnd, RECT& rcWhere, POINT& ptFirst, HWND hMayCover)
{
    RECT rc = {};
    GetWindowRect(hWnd, &rc);
    const RECT rcScreen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    IntersectRect(&rc, &rc, &rcScreen);
    rcWhere = rc;
    if (IsRectEmpty(&rc))
        return 0;
    std::vector<RECT> covers = RectsAbove(hWnd);
    RECT rcCover = {};
    if (hMayCover != nullptr && GetWindowRect(hMayCover, &rcCover))
        covers.push_back(rcCover);
    const std::vector<DWORD> before = GrabScreen(rc);
    SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // Raised and drawn: the screen there no longer changes.
    std::vector<DWORD> after = GrabScreen(rc);
    PumpUntil(
        [&] {
            std::vector<DWORD> again = GrabScreen(rc);
            const bool bSame = again == after;
            after.swap(again);
            return bSame;
        },
        3000);
    const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    int nDiff = 0;
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
        {
            const POINT pt = {rc.left + x, rc.top + y};
            if (std::any_of(covers.begin(), covers.end(), [&](const RECT& r) { return PtInRect(&r, pt) != FALSE; }))
                continue;
            if (before[(size_t)y * cx + x] != after[(size_t)y * cx + x] && nDiff++ == 0)
                ptFirst = pt;
        }
    return nDiff;
}

namespace
{
bool SameShade(DWORD a, DWORD b)
{
    for (int nShift = 0; nShift < 24; nShift += 8)
        if (std::abs((int)((a >> nShift) & 0xFF) - (int)((b >> nShift) & 0xFF)) > 3)
            return false;
    return true;
}
} // namespace

int PixelsUnlikeARepaint(const ProgramProcess& program, HWND hWnd, RECT& rcWhere, POINT& ptFirst)
{
    RECT rc = {};
    GetWindowRect(hWnd, &rc);
    const RECT rcScreen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    IntersectRect(&rc, &rc, &rcScreen);
    rcWhere = rc;
    if (IsRectEmpty(&rc))
        return 0;
    const std::vector<RECT> covers = RectsAbove(GetAncestor(hWnd, GA_ROOT));
    const std::vector<DWORD> before = GrabScreen(rc);
    RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    program.WaitPainted();
    const std::vector<DWORD> after = GrabScreen(rc);
    const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    int nDiff = 0;
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
        {
            const POINT pt = {rc.left + x, rc.top + y};
            if (std::any_of(covers.begin(), covers.end(), [&](const RECT& r) { return PtInRect(&r, pt) != FALSE; }))
                continue;
            if (!SameShade(before[(size_t)y * cx + x], after[(size_t)y * cx + x]) && nDiff++ == 0)
                ptFirst = pt;
        }
    return nDiff;
}

bool MouseAt(POINT pt, DWORD dwFlags)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = pt.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = pt.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    // A press or release moves the pointer there too: without the move it lands wherever Wine has the pointer now,
    // which a late motion event of the X server may have put back on an earlier point of the path.
    in.mi.dwFlags = dwFlags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    return SendInput(1, &in, sizeof in) == 1;
}
} // namespace programfuzz
