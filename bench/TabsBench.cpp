// Tab windows, three ratios, each over three runs (min/median/max printed):
// (1) laying out a strip of 200 measured tabs against measuring the same 200 texts with
//     GetTextExtentPoint32W in the same font; target 3x;
// (2) painting that strip scrolled to its middle against painting a strip that holds only the ~20
//     tabs visible there; target 1.5x (only the visible range is drawn);
// (3) switching among 10 pages of 20 controls each through the page container (SelectionSet, the
//     hooks moved, the layout) against hiding and showing the same pages directly; target 3x.
#include "bench/BenchSupport.h"
#include "platform/Dc.h"
#include "platform/FrameWnd.h"
#include "toolkit/bars_tabs/ExtTabPageContainerWnd.h"
#include "toolkit/bars_tabs/ExtTabWnd.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{

constexpr int kTabs = 200;
constexpr int kRepeat = 50;

CString TabText(int i)
{
    CString s;
    s.Format(L"Pesan %d", i);
    return s;
}

void Report(const char* pszWhat, std::vector<double> ratios, double dTarget)
{
    std::sort(ratios.begin(), ratios.end());
    std::printf("%s: ratio min %.2f median %.2f max %.2f (target <= %.1f)\n", pszWhat, ratios.front(), ratios[1],
                ratios.back(), dTarget);
}

double LayoutRatio(CExtTabWnd& tabs)
{
    CWindowDC dc(nullptr);
    CFont* pFont = tabs.GetItemFont(false);
    std::vector<CString> texts;
    for (int i = 0; i < kTabs; ++i)
        texts.push_back(TabText(i));
    auto t0 = std::chrono::steady_clock::now();
    for (int r = 0; r < kRepeat; ++r)
    {
        tabs.UpdateTabWnd(false);
        tabs.RecalcLayout();
    }
    const double tLayout = bench::Seconds(t0);
    t0 = std::chrono::steady_clock::now();
    for (int r = 0; r < kRepeat; ++r)
    {
        CFont* pOld = dc.SelectObject(pFont);
        for (const CString& s : texts)
        {
            SIZE size;
            ::GetTextExtentPoint32W(dc.GetSafeHdc(), s, s.GetLength(), &size);
        }
        dc.SelectObject(pOld);
    }
    return tLayout / bench::Seconds(t0);
}

double PaintTime(CExtTabWnd& tabs)
{
    CWindowDC dcScreen(nullptr);
    CDC dc;
    dc.CreateCompatibleDC(&dcScreen);
    CBitmap bmp;
    bmp.CreateCompatibleBitmap(&dcScreen, 800, 40);
    CBitmap* pOld = dc.SelectObject(&bmp);
    auto t0 = std::chrono::steady_clock::now();
    for (int r = 0; r < kRepeat; ++r)
        tabs.DoPaint(dc);
    const double t = bench::Seconds(t0);
    dc.SelectObject(pOld);
    return t;
}

} // namespace

int wmain()
{
    g_PaintManagerHolder.InstallPaintManager(nullptr);
    CFrameWnd* pFrame = new CFrameWnd;
    pFrame->Create(nullptr, L"bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 900, 500));
    CExtTabWnd big, small;
    big.Create(pFrame, CRect(0, 0, 800, 40), 100, WS_CHILD | WS_VISIBLE, 0);
    small.Create(pFrame, CRect(0, 50, 800, 90), 101, WS_CHILD | WS_VISIBLE, 0);
    for (int i = 0; i < kTabs; ++i)
        big.ItemInsert(TabText(i));
    big.UpdateTabWnd(true);
    big.ScrollPosSet(big.ScrollMaxGet() / 2, true);
    for (int i = big.GetFirstVisibleIndex(); i <= big.GetLastVisibleIndex(); ++i)
        small.ItemInsert(TabText(i));
    small.UpdateTabWnd(true);

    std::vector<double> layout, paint, pages;
    for (int run = 0; run < 3; ++run)
    {
        layout.push_back(LayoutRatio(big));
        big.ScrollPosSet(big.ScrollMaxGet() / 2, true);
        paint.push_back(PaintTime(big) / PaintTime(small));
    }
    std::printf("(%d tabs, %d visible in the middle)\n", kTabs,
                big.GetLastVisibleIndex() - big.GetFirstVisibleIndex() + 1);

    // Pages: 10 of 20 edits each.
    CExtTabPageContainerWnd box;
    box.Create(pFrame, CRect(0, 100, 800, 480), 102);
    std::vector<HWND> pageWnds;
    for (int p = 0; p < 10; ++p)
    {
        HWND hPage = ::CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD, 0, 0, 600, 300, pFrame->m_hWnd, nullptr,
                                       ::GetModuleHandleW(nullptr), nullptr);
        for (int c = 0; c < 20; ++c)
            ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, (c % 4) * 120, (c / 4) * 30, 110, 24, hPage,
                              nullptr, ::GetModuleHandleW(nullptr), nullptr);
        box.PageInsert(hPage, L"Halaman");
        pageWnds.push_back(hPage);
    }
    for (int run = 0; run < 3; ++run)
    {
        auto t0 = std::chrono::steady_clock::now();
        for (int r = 0; r < kRepeat; ++r)
            box.GetSafeTabWindow()->SelectionSet(r % 10, true, true);
        const double tBox = bench::Seconds(t0);
        t0 = std::chrono::steady_clock::now();
        int nShown = 0;
        for (int r = 0; r < kRepeat; ++r)
        {
            ::ShowWindow(pageWnds[nShown], SW_HIDE);
            nShown = r % 10;
            ::ShowWindow(pageWnds[nShown], SW_SHOW);
            ::UpdateWindow(pageWnds[nShown]);
        }
        pages.push_back(tBox / bench::Seconds(t0));
    }
    Report("layout of 200 tabs / measuring their texts", layout, 3.0);
    Report("painting the middle of 200 tabs / painting the ~20 visible tabs alone", paint, 1.5);
    Report("switching 10 pages by the container / hiding and showing them", pages, 3.0);
    return 0;
}
