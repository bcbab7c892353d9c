// Menu bar and status bar, two ratios, each over three runs (min/median/max printed):
// (1) 1,000 pane-text updates, each with UpdateWindow, on the themed status bar against the same on the platform's
//     native status bar with the same panes; target 3x;
// (2) resizing a frame through 200 widths (RecalcLayout + UpdateWindow) with the menu bar, two tool bars and the
//     themed status bar against the same frame with a native menu, a native tool bar and a native status bar;
//     target 4x.
// Run under xvfb-run: build/wine-run.sh build/bench/menu_status_bench.exe
#include "bench/BenchSupport.h"
#include "platform/FrameWnd.h"
#include "platform/StatusBar.h"
#include "platform/ToolBar.h"
#include "res/app_ids.h"
#include "toolkit/bars_tabs/ExtMenuControlBar.h"
#include "toolkit/bars_tabs/ExtStatusControlBar.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include <vector>

namespace
{

const UINT kPanes[] = {0, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
const UINT kButtons[] = {0xE100, 0xE101, 0xE103, 0, 0xE122, 0xE123, 0xE125, 0, 0xE140};
constexpr int kUpdates = 1000;
constexpr int kWidths = 200;

void Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

// The frame deletes itself with its window.
CFrameWnd* NewFrame(bool bMenu)
{
    auto* pFrame = new CFrameWnd;
    if (!pFrame->Create(nullptr, L"Bench", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CRect(0, 0, 800, 500), nullptr,
                        bMenu ? MAKEINTRESOURCEW(IDR_MAINFRAME) : nullptr))
        return nullptr;
    pFrame->ShowWindow(SW_SHOW);
    return pFrame;
}

double TextUpdates(CStatusBar& bar)
{
    CString sText;
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < kUpdates; ++i)
    {
        sText.Format(L"Pesan %d", i);
        bar.SetPaneText(i % 2 == 0 ? 0 : 2, sText);
        bar.UpdateWindow();
    }
    return bench::Seconds(t0);
}

double Resizes(CFrameWnd& frame)
{
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < kWidths; ++i)
    {
        frame.SetWindowPos(nullptr, 0, 0, 400 + (i * 3) % 500, 500, SWP_NOMOVE | SWP_NOZORDER);
        frame.RecalcLayout();
        frame.UpdateWindow();
    }
    Pump();
    return bench::Seconds(t0);
}

} // namespace

int wmain()
{
    g_PaintManagerHolder.InstallPaintManager(new CExtPaintManager);
    std::vector<double> statusRatios, resizeRatios;
    for (int nRun = 0; nRun < bench::kRuns; ++nRun)
    {
        // (1) pane texts.
        {
            auto pFrame = NewFrame(false);
            CExtStatusControlBar themed;
            themed.Create(pFrame);
            themed.SetIndicators(kPanes, 4);
            pFrame->RecalcLayout();
            Pump();
            const double dThemed = TextUpdates(themed);
            themed.DestroyWindow();
            CStatusBar native;
            native.Create(pFrame);
            native.SetIndicators(kPanes, 4);
            pFrame->RecalcLayout();
            Pump();
            const double dNative = TextUpdates(native);
            native.DestroyWindow();
            statusRatios.push_back(dThemed / dNative);
            pFrame->DestroyWindow();
        }
        // (2) frame resizing.
        {
            auto pFrame = NewFrame(true);
            g_CmdManagerHolder->CreateProfile(L"MenuStatusBench", pFrame->m_hWnd);
            CExtControlBar::SetupFrameDocking(pFrame);
            CExtMenuControlBar menu;
            menu.Create(L"Menu", pFrame, 0xA300);
            CExtToolControlBar tools1, tools2;
            tools1.Create(L"Tools 1", pFrame, 0xA301);
            tools1.SetButtons(kButtons, 9);
            tools2.Create(L"Tools 2", pFrame, 0xA302);
            tools2.SetButtons(kButtons, 9);
            for (CControlBar* pBar : {(CControlBar*)&menu, (CControlBar*)&tools1, (CControlBar*)&tools2})
            {
                pBar->EnableDocking(CBRS_ALIGN_ANY);
                pFrame->DockControlBar(pBar, AFX_IDW_DOCKBAR_TOP);
            }
            CExtStatusControlBar status;
            status.Create(pFrame);
            status.SetIndicators(kPanes, 4);
            pFrame->RecalcLayout();
            Pump();
            const double dThemed = Resizes(*pFrame);
            pFrame->DestroyWindow();

            auto pNative = NewFrame(true);
            CToolBar toolBar;
            toolBar.Create(pNative);
            toolBar.SetButtons(kButtons, 9);
            CStatusBar nativeStatus;
            nativeStatus.Create(pNative);
            nativeStatus.SetIndicators(kPanes, 4);
            pNative->RecalcLayout();
            Pump();
            const double dNative = Resizes(*pNative);
            pNative->DestroyWindow();
            resizeRatios.push_back(dThemed / dNative);
        }
    }
    bench::PrintRatios("status bar pane texts, themed / native", statusRatios, 3.0);
    bench::PrintRatios("frame resizing with menu bar, tool bars and status bar / native", resizeRatios, 4.0);
    return 0;
}
