// Showing a 50-item popup menu with 16 x 16 command icons, no animation: from TrackPopupMenu to
// the end of its first paint, against the system's TrackPopupMenu of the same items with the same
// bitmaps, from the call to the owner's first WM_ENTERIDLE. Median of 20 each; target: 3x.
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace
{
constexpr UINT kFirstCmd = 6000;
constexpr int kItems = 50;
constexpr int kRuns = 20;

std::chrono::steady_clock::time_point g_tStart;
double g_tIdle = -1.0;

double Since(std::chrono::steady_clock::time_point t0)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

LRESULT CALLBACK OwnerProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ENTERIDLE && g_tIdle < 0)
    {
        g_tIdle = Since(g_tStart);
        ::EndMenu();
        return 0;
    }
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

HBITMAP MakeBitmap(int n)
{
    HDC hDC = ::GetDC(nullptr);
    HBITMAP hBmp = ::CreateCompatibleBitmap(hDC, 16, 16);
    HDC hMem = ::CreateCompatibleDC(hDC);
    HGDIOBJ hOld = ::SelectObject(hMem, hBmp);
    RECT rc = {0, 0, 16, 16};
    HBRUSH hBrush = ::CreateSolidBrush(RGB(40 + n * 4, 120, 200 - n * 3));
    ::FillRect(hMem, &rc, hBrush);
    ::DeleteObject(hBrush);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    ::ReleaseDC(nullptr, hDC);
    return hBmp;
}

HICON IconFromBitmap(HBITMAP hBmp)
{
    HBITMAP hMask = ::CreateBitmap(16, 16, 1, 1, nullptr);
    ICONINFO ii = {TRUE, 0, 0, hMask, hBmp};
    HICON hIcon = ::CreateIconIndirect(&ii);
    ::DeleteObject(hMask);
    return hIcon;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return (v[v.size() / 2] + v[(v.size() - 1) / 2]) / 2.0;
}
} // namespace

int wmain()
{
    g_PaintManagerHolder.InstallPaintManager(nullptr);
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &OwnerProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"CorvanePopupBenchOwner";
    ::RegisterClassW(&wc);
    HWND hWnd = ::CreateWindowExW(0, wc.lpszClassName, L"bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300,
                                  nullptr, nullptr, wc.hInstance, nullptr);
    ::SetForegroundWindow(hWnd);
    g_CmdManagerHolder->CreateProfile(L"PopupBench", hWnd);
    HMENU hMenu = ::CreatePopupMenu();
    std::vector<HBITMAP> bitmaps;
    for (int i = 0; i < kItems; ++i)
    {
        wchar_t sz[64];
        swprintf(sz, 64, L"Perintah &nomor %d\tCtrl+%d", i, i % 10);
        ::AppendMenuW(hMenu, MF_STRING, kFirstCmd + i, sz);
        bitmaps.push_back(MakeBitmap(i));
        MENUITEMINFOW mii = {};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_BITMAP;
        mii.hbmpItem = bitmaps.back();
        ::SetMenuItemInfoW(hMenu, i, TRUE, &mii);
    }
    g_CmdManagerHolder->UpdateFromMenu(L"PopupBench", hMenu);
    std::vector<HICON> icons;
    for (int i = 0; i < kItems; ++i)
    {
        icons.push_back(IconFromBitmap(bitmaps[i]));
        g_CmdManagerHolder->SetCommandIcon(L"PopupBench", kFirstCmd + i, icons.back(), true);
    }
    CExtPopupMenuWnd::g_bHideRarelyUsed = false;

    std::vector<double> menuTimes, systemTimes;
    for (int r = 0; r < kRuns + 2; ++r)
    {
        auto* pMenu = new CExtPopupMenuWnd;
        pMenu->CreatePopupMenu(hWnd);
        pMenu->UpdateFromMenu(hWnd, hMenu, false, true);
        const auto t0 = std::chrono::steady_clock::now();
        const bool bShown = pMenu->TrackPopupMenu(CExtPopupMenuWnd::TRACK_NO_ANIMATION, 100, 20);
        if (!bShown)
        {
            delete pMenu;
            std::printf("the toolkit menu could not be shown\n");
            return 1;
        }
        pMenu->UpdateWindow();
        const double t = Since(t0);
        CExtPopupMenuWnd::CancelMenuTracking();
        if (r >= 2)
            menuTimes.push_back(t);

        g_tIdle = -1.0;
        g_tStart = std::chrono::steady_clock::now();
        ::TrackPopupMenu(hMenu, TPM_RETURNCMD | TPM_LEFTALIGN, 100, 20, 0, hWnd, nullptr);
        if (r >= 2 && g_tIdle >= 0)
            systemTimes.push_back(g_tIdle);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&msg);
    }
    const double tMenu = Median(menuTimes);
    if (systemTimes.empty())
    {
        std::printf("toolkit menu to its first paint: %.3f ms; the system menu sent no WM_ENTERIDLE\n", tMenu * 1000.0);
        return 0;
    }
    const double tSystem = Median(systemTimes);
    const double ratio = tMenu / tSystem;
    std::printf("toolkit menu to its first paint: %.3f ms; system menu to WM_ENTERIDLE: %.3f ms; ratio %.2f "
                "(target <= 3) %s\n",
                tMenu * 1000.0, tSystem * 1000.0, ratio, ratio <= 3.0 ? "OK" : "OVER");
    ::DestroyMenu(hMenu);
    for (HICON h : icons)
        ::DestroyIcon(h);
    for (HBITMAP h : bitmaps)
        ::DeleteObject(h);
    g_CmdManagerHolder->UnbindWindowFromProfile(hWnd, true);
    ::DestroyWindow(hWnd);
    return 0;
}
