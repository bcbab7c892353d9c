// Start-up: from constructing the application object to the end of the main frame's first
// WM_PAINT (splash off, empty data file, the Outlook stand-in answering with no contacts), against
// a bare program that registers a class and creates, shows and paints one window. Each run takes
// five alternating starts of each; the ratio of the medians is reported. Target: at most 2x.
#include "BenchSupport.h"
#include "app/Corvane_sms.h"
#include "phone/FakeOutlook.h"
#include "phone/StoreHelpers.h"
#include <algorithm>
#include <vector>

namespace
{
const int kStarts = 5; // starts of each side per run
const wchar_t kAppName[] = L"CorvaneStartupBench";
const wchar_t kProfileKey[] = L"Software\\Corvane\\CorvaneStartupBench";

HWND g_hWatched = nullptr;
bool g_bPainted = false;
HHOOK g_hHook = nullptr;

// Notes the end of the first WM_PAINT of the watched window (or of the main window once there).
LRESULT CALLBACK PaintDone(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPRETSTRUCT* p = (const CWPRETSTRUCT*)lParam;
    if (nCode == HC_ACTION && p->message == WM_PAINT && !g_bPainted)
    {
        HWND hMain = AfxGetMainWnd() != nullptr ? AfxGetMainWnd()->GetSafeHwnd() : nullptr;
        if (p->hwnd == g_hWatched || (g_hWatched == nullptr && p->hwnd == hMain))
            g_bPainted = true;
    }
    return ::CallNextHookEx(g_hHook, nCode, wParam, lParam);
}

void PumpUntilPainted()
{
    const auto t0 = std::chrono::steady_clock::now();
    while (!g_bPainted && bench::Seconds(t0) < 10)
    {
        MSG msg;
        while (!g_bPainted && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        if (!g_bPainted)
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
}

void Drain()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        if (msg.message != WM_QUIT)
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
}

double StartProgram()
{
    ::DeleteFileW(GetAppFolder() + CORVANE_DATA_FILE_NAME);
    g_hWatched = nullptr;
    g_bPainted = false;
    const auto t0 = std::chrono::steady_clock::now();
    CCorvane_smsApp* app = new CCorvane_smsApp;
    free((void*)app->m_pszAppName);
    app->m_pszAppName = _wcsdup(kAppName);
    app->SetRegistryKey(L"Corvane");
    app->WriteProfileInt(L"Settings", L"IsShowSplash", 0);
    app->WriteProfileInt(L"Settings", L"isSuaraOn", 0);
    double dSeconds = -1;
    if (app->InitInstance())
    {
        PumpUntilPainted();
        dSeconds = bench::Seconds(t0);
    }
    if (app->m_pMainWnd != nullptr)
        app->m_pMainWnd->DestroyWindow();
    Drain();
    delete app;
    return dSeconds;
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
    g_bPainted = false;
    wchar_t szClass[32];
    wsprintfW(szClass, L"StartupBenchBare%d", nIndex);
    const auto t0 = std::chrono::steady_clock::now();
    WNDCLASSW wc = {};
    wc.lpfnWndProc = BareProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = szClass;
    ::RegisterClassW(&wc);
    HWND hWnd = ::CreateWindowExW(0, szClass, L"Bare", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 800, 600,
                                  nullptr, nullptr, wc.hInstance, nullptr);
    g_hWatched = hWnd;
    ::ShowWindow(hWnd, SW_SHOW);
    ::UpdateWindow(hWnd);
    PumpUntilPainted();
    const double dSeconds = bench::Seconds(t0);
    ::DestroyWindow(hWnd);
    ::UnregisterClassW(szClass, wc.hInstance);
    Drain();
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
    g_hHook = ::SetWindowsHookExW(WH_CALLWNDPROCRET, PaintDone, nullptr, ::GetCurrentThreadId());
    std::vector<double> ratios;
    {
        fake::OutlookServer outlook;
        if (!outlook.Registered())
            std::printf("the Outlook stand-in could not be registered\n");
        // One start each before timing: classes, fonts and resources loaded.
        StartProgram();
        StartBare(0);
        int nBare = 1;
        for (int run = 0; run < bench::kRuns; ++run)
        {
            std::vector<double> program, bare;
            for (int i = 0; i < kStarts; ++i)
            {
                program.push_back(StartProgram());
                bare.push_back(StartBare(nBare++));
            }
            const double dProgram = Median(program), dBare = Median(bare);
            std::printf("run %d: program %.1f ms, bare window %.1f ms (medians of %d)\n", run + 1, dProgram * 1000,
                        dBare * 1000, kStarts);
            ratios.push_back(dProgram / dBare);
        }
    }
    bench::PrintRatios("program start-up against a bare window", ratios, 2.0);
    ::UnhookWindowsHookEx(g_hHook);
    RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey);
    ::DeleteFileW(GetAppFolder() + CORVANE_DATA_FILE_NAME);
    ::CoUninitialize();
    return 0;
}
