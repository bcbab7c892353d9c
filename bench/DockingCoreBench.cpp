// The control bar core on a host frame with 12 resizable bars (three per side, two rows at the
// top): RecalcLayout after a one-pixel frame resize against one DeferWindowPos batch moving the same
// windows to the same rectangles (target at most 3x); a docked bar's WM_NCPAINT against filling its
// window rectangle and drawing its caption text with plain GDI into a memory DC (target at most 4x).
#include "tests/toolkit/docking/DockingHost.h"
#include "bench/BenchPlacement.h"
#include <chrono>
#include <cstdio>
#include <vector>

namespace
{
using bench::Placement;
using bench::Seconds;

std::vector<Placement> Snapshot(CFrameWnd* pFrame)
{
    std::vector<Placement> list;
    for (HWND h = ::GetTopWindow(pFrame->GetSafeHwnd()); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
    {
        list.push_back({h, bench::RectInParent(h)});
        // The bars inside the dock bars move too.
        for (HWND hBar = ::GetTopWindow(h); hBar != nullptr; hBar = ::GetWindow(hBar, GW_HWNDNEXT))
        {
            if (CWnd::FromHandlePermanent(hBar) == nullptr ||
                !CWnd::FromHandlePermanent(hBar)->IsKindOf(RUNTIME_CLASS(CExtControlBar)))
                continue;
            list.push_back({hBar, bench::RectInParent(hBar)});
        }
    }
    return list;
}

} // namespace

int wmain()
{
    CWinApp app(L"DockingCoreBench");
    auto* pFrame = new CDockingHostFrame;
    if (!pFrame->CreateHost(0, 0, 1000, 760, true))
        return 1;
    CHostResizableBar* pTop = pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, L"Top one");
    pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, L"Top two", pTop);
    pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, L"Top row two");
    const UINT sides[3] = {AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT};
    for (UINT nSide : sides)
    {
        CHostResizableBar* pFirst = pFrame->AddResizableBar(nSide, L"Side bar");
        CHostResizableBar* pSecond = pFrame->AddResizableBar(nSide, L"Side bar", pFirst);
        pFrame->AddResizableBar(nSide, L"Side bar", pSecond);
    }
    int nBars = 0;
    for (CExtControlBar* p : pFrame->m_arrBars)
        nBars += p != nullptr && p->GetSafeHwnd() != nullptr ? 1 : 0;
    pFrame->RecalcLayout();
    PumpMessages();

    // Layouts of both frame sizes, for the baseline batch.
    bench::ResizeQuietly(pFrame, 1000, 760);
    pFrame->RecalcLayout();
    const std::vector<Placement> allA = Snapshot(pFrame);
    bench::ResizeQuietly(pFrame, 1001, 760);
    pFrame->RecalcLayout();
    const std::vector<Placement> allB = Snapshot(pFrame);
    // The baseline moves the windows the resize moves, to the rectangles the layout gives them.
    std::vector<Placement> layoutA, layoutB;
    bench::KeepMoved(allA, allB, layoutA, layoutB);

    // Only the layout itself is timed; the frame's own resize is not.
    const int kRounds = 200;
    double dLayout = 0, dBatch = 0;
    for (int i = 0; i < kRounds; ++i)
    {
        bench::ResizeQuietly(pFrame, (i & 1) ? 1001 : 1000, 760);
        PumpMessages();
        auto t0 = std::chrono::steady_clock::now();
        pFrame->RecalcLayout();
        dLayout += Seconds(t0);
    }
    for (int i = 0; i < kRounds; ++i)
    {
        bench::ResizeQuietly(pFrame, (i & 1) ? 1001 : 1000, 760);
        PumpMessages();
        dBatch += bench::TimeBatch((i & 1) ? layoutB : layoutA);
    }

    // Non-client painting of one docked bar.
    CExtControlBar* pBar = pTop;
    CRect rcWnd;
    pBar->GetWindowRect(&rcWnd);
    rcWnd.OffsetRect(-rcWnd.left, -rcWnd.top);
    const int kPaints = 500;
    auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < kPaints; ++i)
        pBar->SendMessage(WM_NCPAINT);
    const double dNcPaint = Seconds(t0);
    t0 = std::chrono::steady_clock::now();
    HFONT hFont = (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
    for (int i = 0; i < kPaints; ++i)
    {
        HDC hWndDC = ::GetWindowDC(pBar->GetSafeHwnd());
        HDC hMem = ::CreateCompatibleDC(hWndDC);
        HBITMAP hBmp = ::CreateCompatibleBitmap(hWndDC, rcWnd.Width(), rcWnd.Height());
        HGDIOBJ hOldBmp = ::SelectObject(hMem, hBmp);
        HGDIOBJ hOldFont = ::SelectObject(hMem, hFont);
        ::FillRect(hMem, &rcWnd, ::GetSysColorBrush(COLOR_3DFACE));
        CRect rcCaption = pBar->GetCaptionRect();
        ::DrawTextW(hMem, L"Top one", -1, &rcCaption, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
        ::BitBlt(hWndDC, 0, 0, rcWnd.Width(), rcWnd.Height(), hMem, 0, 0, SRCCOPY);
        ::SelectObject(hMem, hOldFont);
        ::SelectObject(hMem, hOldBmp);
        ::DeleteObject(hBmp);
        ::DeleteDC(hMem);
        ::ReleaseDC(pBar->GetSafeHwnd(), hWndDC);
    }
    const double dGdi = Seconds(t0);

    std::printf("bars: %d\n", nBars);
    std::printf("RecalcLayout after a 1-pixel resize: %.1f us, one DeferWindowPos batch of %d windows: %.1f us, "
                "ratio %.2f (target <= 3)\n",
                dLayout * 1e6 / kRounds, (int)layoutA.size(), dBatch * 1e6 / kRounds, dLayout / dBatch);
    std::printf("docked bar WM_NCPAINT: %.1f us, plain GDI fill + caption text via memory DC: %.1f us, "
                "ratio %.2f (target <= 4)\n",
                dNcPaint * 1e6 / kPaints, dGdi * 1e6 / kPaints, dNcPaint / dGdi);
    pFrame->DestroyWindow();
    return 0;
}
