// Start-up: from constructing the application object until its windows have painted and no
// message waits (splash off, empty data file, the Outlook stand-in answering with no contacts),
// against the reference: the same windows built from the system's own controls (ReferenceWindows.h),
// created, shown and painted until the same point; and against a bare program that registers a class
// and creates, shows and paints one window. Each run takes five interleaved starts of each; the
// ratios of the medians are reported (targets: at most 1.25x the reference, 8x the bare window).
// Then the same starts again with message hooks that mark each start-up step, whose median times
// follow, with the frame's layouts and the status bar's text changes, so that the next cost is
// visible; the hooks cost time of their own, so these starts are not the timed ones.
// Last, the start as a user meets it: CorvaneSms.exe launched as a process (a copy in a folder of
// its own, on its own registry key kept and given back, splash off, the Outlook box answered at
// once) until its main window has painted and its thread waits with nothing to do, against the
// reference program and the bare window program launched the same way in the same Wine session,
// interleaved (targets: at most 1.25x the reference, 2x the bare window).
#include "BareWindow.h"
#include "BenchSupport.h"
#include "ReferenceWindows.h"
#include "app/Corvane_sms.h"
#include "app/Corvane_smsView.h"
#include "app/MainFrm.h"
#include "app/SystemTray.h"
#include "phone/FakeOutlook.h"
#include "phone/StoreHelpers.h"
#include "res/app_ids.h"
#include "res/platform_ids.h"
#include "support/KeptKey.h"
#include "toolkit/bars_tabs/ExtDynAutoHideArea.h"
#include "toolkit/docking/ExtDockBar.h"
#include <algorithm>
#include <commctrl.h>
#include <functional>
#include <vector>
#if defined(CORVANE_HAVE_CALLGRIND)
#include <callgrind.h>
#endif

namespace
{
const int kStarts = 5; // starts of each side per run
const double kReferenceTarget = 1.25;
const wchar_t kAppName[] = L"CorvaneStartupBench";
const wchar_t kProfileKey[] = L"Software\\Corvane\\CorvaneStartupBench";

// The steps of a start, each ending at a mark the hooks or the start itself note.
enum Step
{
    kStepApp,    // application object and InitInstance up to the frame's WM_CREATE
    kStepView,   // the frame's base creation: the view, the Outlook contacts, the data file
    kStepBars,   // the stored bar state read, the menu bar, tool bars, resizable bars and their contents, the
                 // frame's dock bars (made for the first bar the state docks, or the first resizable bar)
    kStepAreas,  // the auto-hide areas and their slider
    kStepStatus, // the status bar, the command icons
    kStepState,  // the stored bar state applied (from its first message to a dock bar)
    kStepTray,   // the tray icon, the frame's one layout
    kStepUpdate, // the view's initial update (the first folder shown)
    kStepShow,   // activation and show
    kStepPaint,  // painting until no message waits
    kStepCount
};
const char* const kStepNames[kStepCount] = {
    "app object, InitInstance to frame create",
    "frame base: view, contacts, data file",
    "state read, bars and contents, dock bars",
    "auto-hide areas",
    "status bar, command icons",
    "stored bar state applied",
    "tray icon, frame layout",
    "view initial update",
    "activation, show",
    "painting until idle",
};

using Clock = std::chrono::steady_clock;
Clock::time_point g_marks[kStepCount];
bool g_bMarked[kStepCount];
HWND g_hFrame = nullptr;
HWND g_hStatus = nullptr;
int g_nStatusTexts = 0;
HHOOK g_hPre = nullptr;
HHOOK g_hPost = nullptr;

bool g_bCountSteps = false; // under callgrind: each mark dumps the instructions since the last
bool g_bDumpAtIdle = false; // under callgrind: a start dumps its instructions once its windows are idle

void Mark(Step step)
{
    if (!g_bMarked[step])
    {
        g_marks[step] = Clock::now();
        g_bMarked[step] = true;
#if defined(CORVANE_HAVE_CALLGRIND)
        if (g_bCountSteps)
            CALLGRIND_DUMP_STATS;
#endif
    }
}

bool IsFrameChild(HWND hWnd, int nID)
{
    return g_hFrame != nullptr && ::GetParent(hWnd) == g_hFrame && ::GetDlgCtrlID(hWnd) == nID;
}

bool IsView(HWND hWnd) { return dynamic_cast<CCorvane_smsView*>(CWnd::FromHandlePermanent(hWnd)) != nullptr; }

bool IsAutoHideArea(HWND hWnd)
{
    return dynamic_cast<CExtDynAutoHideArea*>(CWnd::FromHandlePermanent(hWnd)) != nullptr;
}

// Before a message: the frame's creation, the creation of its auto-hide areas, its status bar, the
// first message to a dock bar after it (the stored state's load, which docks the bars) and the tray
// icon's window, the frame's first show; the status bar's text changes.
LRESULT CALLBACK BeforeMessage(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* p = (const CWPSTRUCT*)lParam;
    if (nCode == HC_ACTION && p->message == WM_CREATE)
    {
        if (g_hFrame == nullptr && dynamic_cast<CMainFrame*>(CWnd::FromHandlePermanent(p->hwnd)) != nullptr)
        {
            g_hFrame = p->hwnd;
            Mark(kStepApp);
        }
        else if (g_hFrame != nullptr && ::GetParent(p->hwnd) == g_hFrame && IsAutoHideArea(p->hwnd))
            Mark(kStepBars);
        else if (IsFrameChild(p->hwnd, AFX_IDW_STATUS_BAR))
        {
            g_hStatus = p->hwnd;
            Mark(kStepAreas);
        }
        else if (dynamic_cast<CSystemTray*>(CWnd::FromHandlePermanent(p->hwnd)) != nullptr)
            Mark(kStepState);
    }
    if (nCode == HC_ACTION && g_hStatus != nullptr && !g_bMarked[kStepStatus] && p->hwnd != g_hStatus &&
        dynamic_cast<CExtDockBar*>(CWnd::FromHandlePermanent(p->hwnd)) != nullptr)
        Mark(kStepStatus);
    if (nCode == HC_ACTION && p->hwnd == g_hFrame && g_hFrame != nullptr && p->message == WM_SHOWWINDOW &&
        p->wParam != 0)
        Mark(kStepUpdate);
    if (nCode == HC_ACTION && p->hwnd == g_hStatus && g_hStatus != nullptr &&
        (p->message == SB_SETTEXTW || p->message == WM_SETTEXT))
        ++g_nStatusTexts;
    return ::CallNextHookEx(g_hPre, nCode, wParam, lParam);
}

// After a message: the view's creation, the frame's creation.
LRESULT CALLBACK AfterMessage(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPRETSTRUCT* p = (const CWPRETSTRUCT*)lParam;
    if (nCode == HC_ACTION)
    {
        if (p->message == WM_CREATE && IsView(p->hwnd))
            Mark(kStepView);
        else if (p->message == WM_CREATE && p->hwnd == g_hFrame && g_hFrame != nullptr)
            Mark(kStepTray);
    }
    return ::CallNextHookEx(g_hPost, nCode, wParam, lParam);
}

// Handles messages until none waits (paints included), at most 10 s.
void PumpUntilIdle()
{
    const auto t0 = Clock::now();
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE) && bench::Seconds(t0) < 10)
    {
        if (msg.message == WM_QUIT)
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

// The main window's status bar and tool bars: the program's by their ids, the reference program's by their classes.
std::vector<HWND> ThemedBands(HWND hMain)
{
    std::vector<HWND> bands;
    ::EnumChildWindows(
        hMain,
        [](HWND c, LPARAM lp) -> BOOL {
            wchar_t szClass[32] = {};
            ::GetClassNameW(c, szClass, 32);
            const int nId = ::GetDlgCtrlID(c);
            if (::IsWindowVisible(c) &&
                (wcscmp(szClass, STATUSCLASSNAMEW) == 0 || wcscmp(szClass, TOOLBARCLASSNAMEW) == 0 ||
                 nId == AFX_IDW_STATUS_BAR || nId == ID_VIEW_TOOLBAR || nId == ID_VIEW_CORVANE_TOOLBAR))
                ((std::vector<HWND>*)lp)->push_back(c);
            return TRUE;
        },
        (LPARAM)&bands);
    return bands;
}

// The screen's pixels in the rectangle.
std::vector<DWORD> GrabScreen(const RECT& rc)
{
    const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    std::vector<DWORD> pixels((size_t)std::max(cx * cy, 0));
    HDC hScreen = ::GetDC(nullptr);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HBITMAP hBmp = ::CreateCompatibleBitmap(hScreen, cx, cy);
    HGDIOBJ hOld = ::SelectObject(hMem, hBmp);
    ::BitBlt(hMem, 0, 0, cx, cy, hScreen, rc.left, rc.top, SRCCOPY);
    ::SelectObject(hMem, hOld);
    BITMAPINFO bi = {{sizeof(BITMAPINFOHEADER), cx, -cy, 1, 32, BI_RGB}};
    ::GetDIBits(hMem, hBmp, 0, (UINT)cy, pixels.data(), &bi, DIB_RGB_COLORS);
    ::DeleteObject(hBmp);
    ::DeleteDC(hMem);
    ::ReleaseDC(nullptr, hScreen);
    return pixels;
}

// The screen at the window once it stops changing (Wine puts a paint there when the painting thread looks at its
// queue again), at most 2 s; settle lets that thread run.
std::vector<DWORD> SettledBand(HWND hWnd, const std::function<void()>& settle)
{
    RECT rc = {};
    ::GetWindowRect(hWnd, &rc);
    std::vector<DWORD> grab = GrabScreen(rc);
    for (const auto t0 = Clock::now(); bench::Seconds(t0) < 2;)
    {
        settle();
        ::Sleep(20);
        std::vector<DWORD> again = GrabScreen(rc);
        if (again == grab)
            break;
        grab.swap(again);
    }
    return grab;
}

// A start counts as painted only when the screen shows the main window's status bar and tool bars as they paint
// themselves: their pixels stay through a full repaint (a bar left unpainted shows what lay there before, black on a
// fresh screen). settle lets the painting thread run.
bool BandsShowTheirPaint(HWND hMain, const std::function<void()>& settle)
{
    const std::vector<HWND> bands = ThemedBands(hMain);
    std::vector<std::vector<DWORD>> seen;
    for (HWND h : bands)
        seen.push_back(SettledBand(h, settle));
    for (HWND h : bands)
        ::RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    for (size_t i = 0; i < bands.size(); ++i)
    {
        const std::vector<DWORD> painted = SettledBand(bands[i], settle);
        size_t nDiffs = 0;
        for (size_t p = 0; p < painted.size() && p < seen[i].size(); ++p)
            nDiffs += painted[p] != seen[i][p];
        if (nDiffs > seen[i].size() / 200)
            return false;
    }
    return !bands.empty();
}

struct ProgramStart
{
    double dSeconds = -1;
    double steps[kStepCount] = {};
    int nLayouts = -1;
    int nStatusTexts = 0;
};

// Starts the program in this process and closes it again; with the hooks set, the marks of its steps are noted.
ProgramStart StartProgram()
{
    ::DeleteFileW(GetAppFolder() + CORVANE_DATA_FILE_NAME);
    g_hFrame = g_hStatus = nullptr;
    g_nStatusTexts = 0;
    std::fill(g_bMarked, g_bMarked + kStepCount, false);
    ProgramStart start;
    const auto t0 = Clock::now();
    CCorvane_smsApp* app = new CCorvane_smsApp;
    free((void*)app->m_pszAppName);
    app->m_pszAppName = _wcsdup(kAppName);
    app->SetRegistryKey(L"Corvane");
    if (app->InitInstance())
    {
        Mark(kStepShow);
        PumpUntilIdle();
        Mark(kStepPaint);
#if defined(CORVANE_HAVE_CALLGRIND)
        if (g_bDumpAtIdle)
            CALLGRIND_DUMP_STATS;
#endif
        start.dSeconds = bench::Seconds(t0);
        if (!g_bCountSteps && !BandsShowTheirPaint(app->m_pMainWnd->GetSafeHwnd(), PumpUntilIdle))
            start.dSeconds = -1;
        auto prev = t0;
        for (int i = 0; i < kStepCount; ++i)
        {
            // A step whose mark was not seen joins the next.
            if (!g_bMarked[i])
                continue;
            start.steps[i] = std::chrono::duration<double>(g_marks[i] - prev).count();
            prev = g_marks[i];
        }
        if (CMainFrame* pFrame = app->GetMainFrame())
            start.nLayouts = pFrame->GetLayoutCount();
        start.nStatusTexts = g_nStatusTexts;
    }
    g_hStatus = nullptr;
    if (app->m_pMainWnd != nullptr)
        app->m_pMainWnd->DestroyWindow();
    PumpUntilIdle();
    delete app;
    return start;
}

LRESULT CALLBACK BareProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_PAINT)
    {
        PaintBareWindow(hWnd);
        return 0;
    }
    return ::DefWindowProcW(hWnd, nMsg, wParam, lParam);
}

double StartBare(int nIndex)
{
    wchar_t szClass[32];
    wsprintfW(szClass, L"StartupBenchBare%d", nIndex);
    const auto t0 = Clock::now();
    WNDCLASSW wc = {};
    wc.lpfnWndProc = BareProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = szClass;
    ::RegisterClassW(&wc);
    HWND hWnd = ::CreateWindowExW(0, szClass, L"Bare", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 800, 600,
                                  nullptr, nullptr, wc.hInstance, nullptr);
    ::ShowWindow(hWnd, SW_SHOW);
    ::UpdateWindow(hWnd);
    PumpUntilIdle();
    const double dSeconds = bench::Seconds(t0);
    ::DestroyWindow(hWnd);
    ::UnregisterClassW(szClass, wc.hInstance);
    PumpUntilIdle();
    return dSeconds;
}

double StartReference(int nIndex)
{
    ReferenceWindows windows;
    const auto t0 = Clock::now();
    const bool bCreated = CreateReferenceWindows(::GetModuleHandleW(nullptr), windows, nIndex, SW_SHOW);
    PumpUntilIdle();
#if defined(CORVANE_HAVE_CALLGRIND)
    if (g_bDumpAtIdle)
        CALLGRIND_DUMP_STATS;
#endif
    double dSeconds = bCreated ? bench::Seconds(t0) : -1;
    if (bCreated && !g_bDumpAtIdle && !BandsShowTheirPaint(windows.hMain, PumpUntilIdle))
        dSeconds = -1;
    DestroyReferenceWindows(windows);
    PumpUntilIdle();
    return dSeconds;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void SetSetting(const wchar_t* pszKey, const wchar_t* pszName, DWORD dwValue)
{
    ::RegSetKeyValueW(HKEY_CURRENT_USER, CString(pszKey) + L"\\Settings", pszName, REG_DWORD, &dwValue, sizeof dwValue);
}

// ---- the start as a user meets it -------------------------------------------------------------

const wchar_t kProgramKey[] = L"Software\\Corvane\\Corvane SMS";
const wchar_t kKeptKey[] = L"Software\\Corvane\\CorvaneStartupBenchKept";
const wchar_t kOutlookBoxText[] = L"Unable to instantiate Outlook.";
const DWORD kLaunchWaitMs = 60000;

// The program's registry key, kept while the bench starts the program on quiet settings and given back after; a copy
// a killed run left is given back first.
class KeptProgramKey
{
public:
    bool Keep()
    {
        if (!m_key.Keep())
            return false;
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kProgramKey);
        for (const wchar_t* pszName :
             {L"isSuaraOn", L"IsActivePass", L"IsShowSplash", L"IsScheduled", L"IsGetSmsWhenActive", L"IsTopWindow"})
            SetSetting(kProgramKey, pszName, 0);
        return true;
    }

private:
    KeptKey m_key{kProgramKey, kKeptKey};
};

// A folder of its own under the temporary folder holding copies of the two programs (the program keeps its data
// file beside itself); removed with all it holds at the end.
class LaunchFolder
{
public:
    bool Prepare(CString& strWhy)
    {
        wchar_t szExe[MAX_PATH] = {}, szTemp[MAX_PATH] = {};
        ::GetModuleFileNameW(nullptr, szExe, MAX_PATH);
        ::GetTempPathW(MAX_PATH, szTemp);
        CString strBench(szExe);
        strBench = strBench.Left(strBench.ReverseFind(L'\\') + 1);
        m_strFolder = CString(szTemp) + L"CorvaneStartupBench\\";
        Remove();
        ::CreateDirectoryW(m_strFolder, nullptr);
        program = m_strFolder + L"CorvaneSms.exe";
        bare = m_strFolder + L"startup_bare_program.exe";
        reference = m_strFolder + L"startup_reference_program.exe";
        if (!::CopyFileW(strBench + L"..\\CorvaneSms.exe", program, FALSE) ||
            !::CopyFileW(strBench + L"startup_bare_program.exe", bare, FALSE) ||
            !::CopyFileW(strBench + L"startup_reference_program.exe", reference, FALSE))
        {
            strWhy.Format(L"the programs were not copied beside each other (%lu); build CorvaneSms, "
                          L"startup_reference_program and startup_bare_program",
                          ::GetLastError());
            return false;
        }
        return true;
    }
    ~LaunchFolder() { Remove(); }
    const CString& Folder() const { return m_strFolder; }
    CString program, bare, reference;

private:
    void Remove()
    {
        if (m_strFolder.IsEmpty())
            return;
        WIN32_FIND_DATAW fd;
        HANDLE hFind = ::FindFirstFileW(m_strFolder + L"*", &fd);
        if (hFind != INVALID_HANDLE_VALUE)
        {
            do
                if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
                    ::DeleteFileW(m_strFolder + fd.cFileName);
            while (::FindNextFileW(hFind, &fd));
            ::FindClose(hFind);
        }
        ::RemoveDirectoryW(m_strFolder);
    }
    CString m_strFolder;
};

// The visible top-level windows of the process, and the text of a box's static child.
std::vector<HWND> VisibleTopLevels(DWORD dwPid)
{
    struct Scan
    {
        DWORD dwPid;
        std::vector<HWND> v;
    } scan = {dwPid, {}};
    ::EnumWindows(
        [](HWND h, LPARAM lp) -> BOOL {
            Scan* s = (Scan*)lp;
            DWORD dwPid = 0;
            ::GetWindowThreadProcessId(h, &dwPid);
            if (dwPid == s->dwPid && ::IsWindowVisible(h))
                s->v.push_back(h);
            return TRUE;
        },
        (LPARAM)&scan);
    return scan.v;
}

bool IsBoxWithText(HWND hWnd, const wchar_t* pszText)
{
    wchar_t szClass[16] = {};
    ::GetClassNameW(hWnd, szClass, 16);
    if (wcscmp(szClass, L"#32770") != 0)
        return false;
    for (HWND c = ::GetWindow(hWnd, GW_CHILD); c != nullptr; c = ::GetWindow(c, GW_HWNDNEXT))
    {
        wchar_t szText[128] = {};
        ::GetWindowTextW(c, szText, 128);
        if (wcscmp(szText, pszText) == 0)
            return true;
    }
    return false;
}

// Some visible window of the process waits for a paint.
bool AnyUnpainted(DWORD dwPid)
{
    bool bAny = false;
    for (HWND h : VisibleTopLevels(dwPid))
    {
        bAny = bAny || ::GetUpdateRect(h, nullptr, FALSE);
        ::EnumChildWindows(
            h,
            [](HWND c, LPARAM lp) -> BOOL {
                if (::IsWindowVisible(c) && ::GetUpdateRect(c, nullptr, FALSE))
                    *(bool*)lp = true;
                return TRUE;
            },
            (LPARAM)&bAny);
    }
    return bAny;
}

// The thread of the window has come back to its queue: it answered a message sent to it.
bool Answers(HWND hWnd)
{
    DWORD_PTR r = 0;
    return ::SendMessageTimeoutW(hWnd, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &r) != 0;
}

// How a launch ended: settled (its seconds count), idle with a band not shown painted, or not idle in time.
enum class LaunchEnd
{
    kSettled,
    kUnpainted,
    kNotSettled
};

struct LaunchResult
{
    LaunchEnd end = LaunchEnd::kNotSettled;
    double dSeconds = -1; // from the launch until idle; set for a settled and for an unpainted launch
};

// Launches the program, answers the Outlook box at once, and waits until the main window (for the program: the
// unowned window holding its view) shows, no window of the process waits for a paint and its thread has come back
// to its queue twice with none waiting meanwhile; the process is closed again and waited for.
LaunchResult Launch(const CString& strExe, const CString& strFolder, bool bProgram)
{
    STARTUPINFOW si = {sizeof si};
    PROCESS_INFORMATION pi = {};
    CString strCmd = L"\"" + strExe + L"\"";
    const auto t0 = Clock::now();
    LaunchResult result;
    if (!::CreateProcessW(strExe, strCmd.GetBuffer(), nullptr, nullptr, FALSE, 0, nullptr, strFolder, &si, &pi))
        return result;
    ::CloseHandle(pi.hThread);
    HWND hMain = nullptr;
    while (bench::Seconds(t0) * 1000 < kLaunchWaitMs && ::WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT)
    {
        for (HWND h : VisibleTopLevels(pi.dwProcessId))
        {
            if (bProgram && IsBoxWithText(h, kOutlookBoxText))
                ::PostMessageW(h, WM_COMMAND, IDOK, 0);
            else if (::GetWindow(h, GW_OWNER) == nullptr &&
                     (!bProgram || ::GetDlgItem(h, AFX_IDW_PANE_FIRST) != nullptr))
                hMain = h;
        }
        if (hMain != nullptr && !AnyUnpainted(pi.dwProcessId) && Answers(hMain) && !AnyUnpainted(pi.dwProcessId) &&
            Answers(hMain) && !AnyUnpainted(pi.dwProcessId))
        {
            result.dSeconds = bench::Seconds(t0);
            // The bare window has no bars; the program has them always.
            const bool bBands = bProgram || !ThemedBands(hMain).empty();
            result.end = bBands && !BandsShowTheirPaint(hMain, [&] { Answers(hMain); }) ? LaunchEnd::kUnpainted
                                                                                        : LaunchEnd::kSettled;
            break;
        }
        ::Sleep(1);
    }
    if (hMain != nullptr && bProgram)
        ::PostMessageW(hMain, WM_COMMAND, ID_APP_EXIT, 0);
    else if (hMain != nullptr)
        ::PostMessageW(hMain, WM_CLOSE, 0, 0);
    if (hMain == nullptr || ::WaitForSingleObject(pi.hProcess, 30000) != WAIT_OBJECT_0)
    {
        ::TerminateProcess(pi.hProcess, 1);
        ::WaitForSingleObject(pi.hProcess, 10000);
    }
    ::CloseHandle(pi.hProcess);
    return result;
}

// The seconds of the settled launches; each other launch is reported with what happened to it.
std::vector<double> SettledSeconds(const std::vector<LaunchResult>& launches, const CString& strExe, int nRun)
{
    std::vector<double> v;
    for (const LaunchResult& r : launches)
    {
        const CString strName = strExe.Mid(strExe.ReverseFind(L'\\') + 1);
        if (r.end == LaunchEnd::kSettled)
            v.push_back(r.dSeconds);
        else if (r.end == LaunchEnd::kUnpainted)
            std::printf("launch run %d: %ls was idle after %.1f ms with its status bar or a tool bar not shown "
                        "painted (left out)\n",
                        nRun, (LPCWSTR)strName, r.dSeconds * 1000);
        else
            std::printf("launch run %d: %ls did not settle within %lu s (left out)\n", nRun, (LPCWSTR)strName,
                        kLaunchWaitMs / 1000);
    }
    return v;
}

// The launched program against the launched reference and bare window programs, as the in-process runs.
void LaunchRuns()
{
    LaunchFolder folder;
    CString strWhy;
    if (!folder.Prepare(strWhy))
    {
        std::printf("launched start-up not measured: %ls\n", (LPCWSTR)strWhy);
        return;
    }
    KeptProgramKey key;
    if (!key.Keep())
    {
        std::printf("launched start-up not measured: the program's registry key was not kept aside\n");
        return;
    }
    // One launch each before timing: the programs' files read once, the bar state stored.
    Launch(folder.program, folder.Folder(), true);
    Launch(folder.reference, folder.Folder(), false);
    Launch(folder.bare, folder.Folder(), false);
    std::vector<double> toReference, toBare;
    for (int run = 0; run < bench::kRuns; ++run)
    {
        std::vector<LaunchResult> programLaunches, referenceLaunches, bareLaunches;
        for (int i = 0; i < kStarts; ++i)
        {
            programLaunches.push_back(Launch(folder.program, folder.Folder(), true));
            referenceLaunches.push_back(Launch(folder.reference, folder.Folder(), false));
            bareLaunches.push_back(Launch(folder.bare, folder.Folder(), false));
        }
        const std::vector<double> program = SettledSeconds(programLaunches, folder.program, run + 1);
        const std::vector<double> reference = SettledSeconds(referenceLaunches, folder.reference, run + 1);
        const std::vector<double> bare = SettledSeconds(bareLaunches, folder.bare, run + 1);
        if (program.empty() || reference.empty() || bare.empty())
        {
            std::printf("launch run %d: no ratio (a program had no settled launch)\n", run + 1);
            continue;
        }
        const double dProgram = Median(program), dReference = Median(reference), dBare = Median(bare);
        std::printf("launch run %d: CorvaneSms.exe %.1f ms, reference program %.1f ms, bare window program %.1f ms "
                    "(medians of %d, %d and %d)\n",
                    run + 1, dProgram * 1000, dReference * 1000, dBare * 1000, (int)program.size(),
                    (int)reference.size(), (int)bare.size());
        toReference.push_back(dProgram / dReference);
        toBare.push_back(dProgram / dBare);
    }
    bench::PrintRatios("launched program against the launched reference program", toReference, kReferenceTarget);
    bench::PrintRatios("launched program against a launched bare window program", toBare, 2.0);
}
} // namespace

int wmain()
{
    SetMessageBoxHandler([](HWND, LPCWSTR, LPCWSTR, UINT) { return IDOK; });
    ::CoInitialize(nullptr);
    RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey);
    SetSetting(kProfileKey, L"IsShowSplash", 0);
    SetSetting(kProfileKey, L"isSuaraOn", 0);
    std::vector<double> toReference, toBare;
    std::vector<ProgramStart> starts;
    {
        fake::OutlookServer outlook;
        if (!outlook.Registered())
            std::printf("the Outlook stand-in could not be registered\n");
#if defined(CORVANE_HAVE_CALLGRIND)
        // Under callgrind: the instructions of one warm start of the program and of the reference until their windows
        // are idle, each in a dump of its own, then one marked start of the program with a dump at each step's end,
        // and nothing else.
        if (RUNNING_ON_VALGRIND)
        {
            StartProgram();
            StartReference(0);
            g_bDumpAtIdle = true;
            CALLGRIND_ZERO_STATS;
            StartProgram(); // first dump: the program's start until idle
            CALLGRIND_ZERO_STATS;
            StartReference(1); // second dump: the reference's
            g_bDumpAtIdle = false;
            g_hPre = ::SetWindowsHookExW(WH_CALLWNDPROC, BeforeMessage, nullptr, ::GetCurrentThreadId());
            g_hPost = ::SetWindowsHookExW(WH_CALLWNDPROCRET, AfterMessage, nullptr, ::GetCurrentThreadId());
            g_bCountSteps = true;
            CALLGRIND_ZERO_STATS;
            StartProgram(); // dumps 3 on: the steps whose marks were seen, in their order, then the close
            CALLGRIND_DUMP_STATS;
            ::UnhookWindowsHookEx(g_hPost);
            ::UnhookWindowsHookEx(g_hPre);
            RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey);
            ::DeleteFileW(GetAppFolder() + CORVANE_DATA_FILE_NAME);
            return 0;
        }
#endif
        // One start each before timing: classes, fonts and resources loaded, the bar state stored.
        StartProgram();
        StartReference(0);
        StartBare(0);
        int nIndex = 1;
        for (int run = 0; run < bench::kRuns; ++run)
        {
            std::vector<double> program, reference, bare;
            for (int i = 0; i < kStarts; ++i, ++nIndex)
            {
                program.push_back(StartProgram().dSeconds);
                reference.push_back(StartReference(nIndex));
                bare.push_back(StartBare(nIndex));
            }
            if (*std::min_element(program.begin(), program.end()) < 0 ||
                *std::min_element(reference.begin(), reference.end()) < 0)
            {
                std::printf("run %d: a start did not show its status bar and tool bars painted when it was idle\n",
                            run + 1);
                continue;
            }
            const double dProgram = Median(program), dReference = Median(reference), dBare = Median(bare);
            std::printf("run %d: program %.1f ms, reference %.1f ms, bare window %.1f ms (medians of %d)\n", run + 1,
                        dProgram * 1000, dReference * 1000, dBare * 1000, kStarts);
            toReference.push_back(dProgram / dReference);
            toBare.push_back(dProgram / dBare);
        }
        // The marked starts.
        g_hPre = ::SetWindowsHookExW(WH_CALLWNDPROC, BeforeMessage, nullptr, ::GetCurrentThreadId());
        g_hPost = ::SetWindowsHookExW(WH_CALLWNDPROCRET, AfterMessage, nullptr, ::GetCurrentThreadId());
        for (int i = 0; i < bench::kRuns * kStarts; ++i)
            starts.push_back(StartProgram());
        ::UnhookWindowsHookEx(g_hPost);
        ::UnhookWindowsHookEx(g_hPre);
    }
    bench::PrintRatios("program start-up against the reference", toReference, kReferenceTarget);
    bench::PrintRatios("program start-up against a bare window", toBare, 8.0);
    std::printf("program start-up steps (medians of %d starts with the marking hooks):\n", (int)starts.size());
    for (int i = 0; i < kStepCount; ++i)
    {
        std::vector<double> v;
        for (const ProgramStart& s : starts)
            v.push_back(s.steps[i]);
        std::printf("  %-42s %7.1f ms\n", kStepNames[i], Median(v) * 1000);
    }
    std::vector<double> layouts, texts;
    for (const ProgramStart& s : starts)
    {
        layouts.push_back(s.nLayouts);
        texts.push_back(s.nStatusTexts);
    }
    std::printf("frame layouts per start: %.0f; status bar text changes per start: %.0f\n", Median(layouts),
                Median(texts));
    RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey);
    ::DeleteFileW(GetAppFolder() + CORVANE_DATA_FILE_NAME);
    LaunchRuns();
    ::CoUninitialize();
    return 0;
}
