// 1,000,000 SendMessage round trips to a window hooked by three sinks that answer false, against
// the same kind of window unhooked; prints both rates and their ratio (target: at most 1.5).
#include "toolkit/foundation/ExtHookSink.h"
#include <chrono>
#include <cstdio>

namespace
{
const UINT WM_BENCH = WM_APP + 1;
const int kRoundTrips = 1000000;

class CPassSink : public CExtHookSink
{
public:
    bool OnHookWndMsg(LRESULT& lResult, HWND hWnd, UINT message, WPARAM& wParam, LPARAM& lParam) override
    {
        return CExtHookSink::OnHookWndMsg(lResult, hWnd, message, wParam, lParam);
    }
};

LRESULT CALLBACK BenchWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_BENCH)
        return (LRESULT)wParam + 1;
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

HWND MakeWindow()
{
    return ::CreateWindowExW(0, L"HookSinkBench", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             ::GetModuleHandleW(nullptr), nullptr);
}

// Seconds for nCount round trips.
double Run(HWND hWnd, int nCount)
{
    const auto t0 = std::chrono::steady_clock::now();
    LRESULT sum = 0;
    for (int i = 0; i < nCount; ++i)
        sum += ::SendMessageW(hWnd, WM_BENCH, (WPARAM)(i & 7), 0);
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    if (sum != (LRESULT)nCount / 8 * 36)
        std::printf("unexpected results: %lld\n", (long long)sum);
    return s;
}
} // namespace

int wmain()
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &BenchWndProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"HookSinkBench";
    ::RegisterClassW(&wc);
    HWND hPlain = MakeWindow();
    HWND hHooked = MakeWindow();
    if (hPlain == nullptr || hHooked == nullptr)
    {
        std::printf("no window (run it on a display, e.g. under xvfb-run)\n");
        return 1;
    }
    CPassSink sinks[3];
    for (CPassSink& s : sinks)
        s.AttachToWindow(hHooked);

    // Blocks of both kinds alternate, so that the load of a shared machine falls on both alike.
    const int kBlocks = 20;
    Run(hPlain, kRoundTrips / kBlocks); // warm-up
    Run(hHooked, kRoundTrips / kBlocks);
    double plain = 0, hooked = 0;
    for (int b = 0; b < kBlocks; ++b)
    {
        plain += Run(hPlain, kRoundTrips / kBlocks);
        hooked += Run(hHooked, kRoundTrips / kBlocks);
    }
    std::printf("unhooked: %.0f round trips/s\n", kRoundTrips / plain);
    std::printf("3 sinks:  %.0f round trips/s\n", kRoundTrips / hooked);
    std::printf("ratio (hooked / unhooked time): %.2f (target <= 1.50)\n", hooked / plain);
    for (CPassSink& s : sinks)
        s.RemoveAllWndHooks();
    ::DestroyWindow(hHooked);
    ::DestroyWindow(hPlain);
    return 0;
}
