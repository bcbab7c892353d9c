// One drag step on a host frame with 10 docked resizable bars: UpdateDragState at a new point whose target changes
// every step, against one RecalcLayout of the same frame; target at most 1x in tracker style and at most 2x in
// marker style. Also prints the drag steps per second.
#include "tests/toolkit/docking/DockingHost.h"
#include "bench/BenchSupport.h"
#include <chrono>
#include <cstdio>
#include <vector>

namespace
{
using bench::Seconds;

// Points on the bottom band of each bar but the dragged one: each step names another target.
std::vector<CPoint> BandPoints(CDockingHostFrame* pFrame, CExtControlBar* pDragged)
{
    std::vector<CPoint> pts;
    for (CExtControlBar* p : pFrame->m_arrBars)
    {
        if (p == pDragged || p->GetSafeHwnd() == nullptr || !p->IsWindowVisible())
            continue;
        CRect rc;
        p->GetWindowRect(&rc);
        pts.push_back(CPoint(rc.CenterPoint().x, rc.bottom - 10));
    }
    return pts;
}

// The ratio of one drag step to one layout, over nSteps steps.
double Measure(CDockingHostFrame* pFrame, CExtControlBar* pBar, int nSteps, double* pdStepsPerSecond)
{
    std::vector<CPoint> pts = BandPoints(pFrame, pBar);
    CExtControlBar::g_DragStateComputed.m_pBarSource = pBar;
    CExtControlBar::g_DragStateShown.m_pBarSource = pBar;
    CExtControlBar::g_DragStateComputed.SetEmpty(false);
    pBar->m_bfTracking |= CExtControlBar::kTrackDragging;
    auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < nSteps; ++i)
    {
        CPoint pt = pts[i % pts.size()];
        pt.x += (i / (int)pts.size()) % 5; // never the previous point
        pBar->UpdateDragState(pt, false);
    }
    const double dDrag = Seconds(t0) / nSteps;
    pBar->DraggingEnd(true);
    PumpMessages();
    const int kLayouts = 200;
    t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < kLayouts; ++i)
        pFrame->RecalcLayout();
    const double dLayout = Seconds(t0) / kLayouts;
    if (pdStepsPerSecond != nullptr)
        *pdStepsPerSecond = dDrag > 0 ? 1.0 / dDrag : 0;
    return dDrag / dLayout;
}
} // namespace

int wmain()
{
    CWinApp app(L"DockingDragBench");
    auto* pFrame = new CDockingHostFrame;
    if (!pFrame->CreateHost(0, 0, 1000, 760, true))
        return 1;
    const UINT sides[4] = {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT};
    CHostResizableBar* pDragged = nullptr;
    for (int i = 0; i < 10; ++i)
    {
        CHostResizableBar* p = pFrame->AddResizableBar(sides[i % 4], L"Bar");
        if (i == 9)
            pDragged = p;
    }
    pFrame->RecalcLayout();
    pFrame->SetForegroundWindow();
    PumpMessages();
    if (pDragged == nullptr)
        return 1;

    std::vector<double> tracker, markers;
    double dTrackerSteps = 0, dMarkerSteps = 0;
    for (int nRun = 0; nRun < bench::kRuns; ++nRun)
    {
        CExtControlBar::g_nDraggingStyleOverride = 0;
        tracker.push_back(Measure(pFrame, pDragged, 400, &dTrackerSteps));
        // Markers meet a floating bar.
        CExtControlBar::g_nDraggingStyleOverride = 1;
        if (!CExtControlBar::IsFloating(pDragged))
            pDragged->FloatAtPoint(CPoint(400, 300));
        markers.push_back(Measure(pFrame, pDragged, 200, &dMarkerSteps));
        pDragged->DockAtSideCircle(AFX_IDW_DOCKBAR_RIGHT, 1, pFrame, true);
    }
    CExtControlBar::g_nDraggingStyleOverride = -1;
    bench::PrintRatios("drag step / RecalcLayout, tracker style", tracker, 1.0);
    bench::PrintRatios("drag step / RecalcLayout, marker style", markers, 2.0);
    std::printf("drag steps per second: tracker style %.0f, marker style %.0f\n", dTrackerSteps, dMarkerSteps);
    pFrame->DestroyWindow();
    return 0;
}
