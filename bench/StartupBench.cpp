// Start-up: from constructing the application object until its windows have painted and no
// message waits (splash off, empty data file, the Outlook stand-in answering with no contacts),
// against a bare program that registers a class and creates, shows and paints one window until
// the same point. Each run takes five alternating starts of each; the ratio of the medians is
// reported, then the median time of each start-up step, the frame's layouts and the status bar's
// text changes, so that the next cost is visible. Target: at most 8x.
#include "BenchSupport.h"
#include "app/Corvane_sms.h"
#include "app/Corvane_smsView.h"
#include "app/MainFrm.h"
#include "phone/FakeOutlook.h"
#include "phone/StoreHelpers.h"
#include <algorithm>
#include <commctrl.h>
#include <vector>

namespace
{
const int kStarts = 5; // starts of each side per run
const wchar_t kAppName[] = L"CorvaneStartupBench";
const wchar_t kProfileKey[] = L"Software\\Corvane\\CorvaneStartupBench";

// The steps of a start, each ending at a mark the hooks or the start itself note.
enum Step
{
    kStepApp,    // application object and InitInstance up to the frame's WM_CREATE
    kStepView,   // the frame's base creation: the view, the Outlook contacts, the data file
    kStepBars,   // the menu bar, tool bars, resizable bars and their contents
    kStepState,  // docking enabled, the stored bar state applied
    kStepStatus, // status bar, command icons, band, tray icon, the frame's layout
    kStepShow,   // the view's initial update (the first folder shown), activation and show
    kStepPaint,  // painting until no message waits
    kStepCount
};
const char* const kStepNames[kStepCount] = {
    "app object, InitInstance to frame create",
    "frame base: view, contacts, data file",
    "bars and their contents",
    "docking, stored bar state",
    "status bar, icons, band, tray, layout",
    "view initial update, activation, show",
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

void Mark(Step step)
{
    if (!g_bMarked[step])
    {
        g_marks[step] = Clock::now();
        g_bMarked[step] = true;
    }
}

bool IsFrameChild(HWND hWnd, int nID)
{
    return g_hFrame != nullptr && ::GetParent(hWnd) == g_hFrame && ::GetDlgCtrlID(hWnd) == nID;
}

bool IsView(HWND hWnd) { return dynamic_cast<CCorvane_smsView*>(CWnd::FromHandlePermanent(hWnd)) != nullptr; }

// Before a message: the frame's creation and the creation of its dock bars and status bar; the
// status bar's text changes.
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
        else if (IsFrameChild(p->hwnd, AFX_IDW_DOCKBAR_TOP))
            Mark(kStepBars);
        else if (IsFrameChild(p->hwnd, AFX_IDW_STATUS_BAR))
        {
            g_hStatus = p->hwnd;
            Mark(kStepState);
        }
    }
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
            Mark(kStepStatus);
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

struct ProgramStart
{
    double dSeconds = -1;
    double steps[kStepCount] = {};
    int nLayouts = -1;
    int nStatusTexts = 0;
};

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
    app->WriteProfileInt(L"Settings", L"IsShowSplash", 0);
    app->WriteProfileInt(L"Settings", L"isSuaraOn", 0);
    if (app->InitInstance())
    {
        Mark(kStepShow);
        PumpUntilIdle();
        Mark(kStepPaint);
        start.dSeconds = bench::Seconds(t0);
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
        PAINTSTRUCT ps;
        HDC hdc = ::BeginPaint(hWnd, &ps);
        RECT rc;
        ::GetClientRect(hWnd, &rc);
        ::FillRect(hdc, &rc, (HBRUSH)(COLOR_WINDOW + 1));
        ::EndPaint(hWnd, &ps);
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

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
} // namespace

int wmain()
{
    SetMessageBoxHandler([](HWND, LPCWSTR, LPCWSTR, UINT) { return IDOK; });
    ::CoInitialize(nullptr);
    RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey);
    g_hPre = ::SetWindowsHookExW(WH_CALLWNDPROC, BeforeMessage, nullptr, ::GetCurrentThreadId());
    g_hPost = ::SetWindowsHookExW(WH_CALLWNDPROCRET, AfterMessage, nullptr, ::GetCurrentThreadId());
    std::vector<double> ratios;
    std::vector<ProgramStart> starts;
    {
        fake::OutlookServer outlook;
        if (!outlook.Registered())
            std::printf("the Outlook stand-in could not be registered\n");
        // One start each before timing: classes, fonts and resources loaded, the bar state stored.
        StartProgram();
        StartBare(0);
        int nBare = 1;
        for (int run = 0; run < bench::kRuns; ++run)
        {
            std::vector<double> program, bare;
            for (int i = 0; i < kStarts; ++i)
            {
                starts.push_back(StartProgram());
                program.push_back(starts.back().dSeconds);
                bare.push_back(StartBare(nBare++));
            }
            const double dProgram = Median(program), dBare = Median(bare);
            std::printf("run %d: program %.1f ms, bare window %.1f ms (medians of %d)\n", run + 1, dProgram * 1000,
                        dBare * 1000, kStarts);
            ratios.push_back(dProgram / dBare);
        }
    }
    bench::PrintRatios("program start-up against a bare window", ratios, 8.0);
    std::printf("program start-up steps (medians of %d starts):\n", (int)starts.size());
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
    ::UnhookWindowsHookEx(g_hPost);
    ::UnhookWindowsHookEx(g_hPre);
    RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey);
    ::DeleteFileW(GetAppFolder() + CORVANE_DATA_FILE_NAME);
    ::CoUninitialize();
    return 0;
}
