// Building a 50-item popup menu with 16 x 16 command icons and two sub-menus from a Windows menu
// (loading, item states, displayed items, placement) against reading the same menu with
// GetMenuItemInfoW and measuring the same texts with DrawTextW in the same font. Target: 3x.
#include "bench/BenchSupport.h"
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

using bench::Seconds;
constexpr UINT kFirstCmd = 5000;
constexpr int kRounds = 40;
constexpr int kBatches = 5;

// 50 items: 40 commands in the top menu with two sub-menus of 5 commands each.
HMENU MakeMenu()
{
    HMENU hMenu = ::CreatePopupMenu();
    UINT nCmd = kFirstCmd;
    for (int nSub = 0; nSub < 2; ++nSub)
    {
        HMENU hSub = ::CreatePopupMenu();
        for (int i = 0; i < 5; ++i, ++nCmd)
        {
            wchar_t sz[64];
            swprintf(sz, 64, L"Perintah &sub %u\tCtrl+%d", nCmd, i);
            ::AppendMenuW(hSub, MF_STRING, nCmd, sz);
        }
        ::AppendMenuW(hMenu, MF_POPUP, (UINT_PTR)hSub, nSub == 0 ? L"&Lainnya" : L"&Tambahan");
    }
    for (int i = 0; i < 38; ++i, ++nCmd)
    {
        wchar_t sz[64];
        swprintf(sz, 64, L"Perintah &nomor %u\tAlt+%d", nCmd, i);
        if (i % 10 == 9)
            ::AppendMenuW(hMenu, MF_SEPARATOR, 0, nullptr);
        else
            ::AppendMenuW(hMenu, MF_STRING, nCmd, sz);
    }
    return hMenu;
}

HICON MakeIcon()
{
    HDC hDC = ::GetDC(nullptr);
    HBITMAP hColor = ::CreateCompatibleBitmap(hDC, 16, 16);
    ::ReleaseDC(nullptr, hDC);
    HBITMAP hMask = ::CreateBitmap(16, 16, 1, 1, nullptr);
    ICONINFO ii = {TRUE, 0, 0, hMask, hColor};
    HICON hIcon = ::CreateIconIndirect(&ii);
    ::DeleteObject(hColor);
    ::DeleteObject(hMask);
    return hIcon;
}

// What a plain Windows menu costs: every item read, every text measured in the menu font.
int ReadAndMeasure(HMENU hMenu, HDC hDC)
{
    int nWidth = 0;
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i)
    {
        wchar_t sz[1024] = {};
        MENUITEMINFOW mii = {};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_TYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_CHECKMARKS | MIIM_DATA;
        mii.dwTypeData = sz;
        mii.cch = 1023;
        ::GetMenuItemInfoW(hMenu, i, TRUE, &mii);
        if (mii.hSubMenu != nullptr)
            nWidth += ReadAndMeasure(mii.hSubMenu, hDC);
        RECT rc = {0, 0, 0, 0};
        ::DrawTextW(hDC, sz, -1, &rc, DT_CALCRECT | DT_SINGLELINE);
        nWidth += rc.right;
    }
    return nWidth;
}
} // namespace

int wmain()
{
    g_PaintManagerHolder.InstallPaintManager(nullptr);
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    HWND hWnd = ::CreateWindowExW(0, L"STATIC", L"bench", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    g_CmdManagerHolder->CreateProfile(L"MenuBench", hWnd);
    HMENU hMenu = MakeMenu();
    g_CmdManagerHolder->UpdateFromMenu(L"MenuBench", hMenu);
    HICON hIcon = MakeIcon();
    for (UINT n = kFirstCmd; n < kFirstCmd + 50; ++n)
        g_CmdManagerHolder->SetCommandIcon(L"MenuBench", n, hIcon, true);
    CExtPopupMenuWnd::g_bHideRarelyUsed = false;

    // Each side of a run: the best of several batches, so that other work on the machine counts less.
    int nSink = 0;
    HDC hDC = ::GetDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, pPM->m_fontNormal.GetSafeHandle());
    std::vector<double> ratios;
    for (int nRun = 0; nRun < bench::kRuns; nRun++)
    {
        double tMenu = 1e9, tPlain = 1e9;
        for (int nBatch = 0; nBatch < kBatches; ++nBatch)
        {
            auto t0 = std::chrono::steady_clock::now();
            for (int r = 0; r < kRounds; ++r)
            {
                CExtPopupMenuWnd menu;
                menu.CreatePopupMenu(hWnd);
                menu.UpdateFromMenu(hWnd, hMenu, false, true);
                menu.UpdateItemStates();
                menu.UpdateDisplayedItems();
                menu.m_ptTrack = CPoint(100, 100);
                CRect rc;
                menu.CalcWindowRect(rc);
                nSink += rc.Width() + menu.GetItemCount();
            }
            tMenu = std::min(tMenu, Seconds(t0) / kRounds);

            t0 = std::chrono::steady_clock::now();
            for (int r = 0; r < kRounds; ++r)
                nSink += ReadAndMeasure(hMenu, hDC);
            tPlain = std::min(tPlain, Seconds(t0) / kRounds);
        }
        std::printf("run %d: menu build %.3f ms per menu; Windows menu read and measured %.3f ms; ratio %.2f\n",
                    nRun + 1, tMenu * 1000.0, tPlain * 1000.0, tMenu / tPlain);
        ratios.push_back(tMenu / tPlain);
    }
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(nullptr, hDC);
    bench::PrintRatios("50-item menu build against reading and measuring the Windows menu", ratios, 3.0);
    std::printf("[%d]\n", nSink % 10);
    ::DestroyMenu(hMenu);
    ::DestroyIcon(hIcon);
    g_CmdManagerHolder->UnbindWindowFromProfile(hWnd, true);
    ::DestroyWindow(hWnd);
    return 0;
}
