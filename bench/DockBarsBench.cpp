// Dock bars: an outer dock bar holding 30 fixed bars in four rows with stored places, its layout
// (not a query) against one DeferWindowPos batch placing the same windows (target at most 3x); a
// frame with three circles of nested containers holding 24 resizable bars, RecalcLayout after a
// one-pixel resize against one batch moving the windows that layout moves (target at most 3x).
// The frames stay hidden. Each ratio is measured in three runs; min, median and max are printed.
#include "tests/toolkit/docking/DockingHost.h"
#include <algorithm>
#include <cstdio>
#include <vector>
#include "bench/BenchPlacement.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/docking/ExtDockDynBar.h"
#include "toolkit/docking/ExtDockOuterBar.h"
#include "toolkit/docking/ExtDynControlBar.h"

namespace
{
using bench::Placement;
using bench::RectInParent;
using bench::TimeBatch;

// Every bar window below hWnd (nested containers included) with its rectangle.
void CollectBars(HWND hWnd, std::vector<Placement>& list)
{
    for (HWND h = ::GetTopWindow(hWnd); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
    {
        CWnd* p = CWnd::FromHandlePermanent(h);
        if (p != nullptr && p->IsKindOf(RUNTIME_CLASS(CControlBar)))
        {
            list.push_back({h, RectInParent(h)});
            CollectBars(h, list);
        }
    }
}

CHostResizableBar* NewResizable(CDockingHostFrame* pFrame)
{
    auto* pBar = new CHostResizableBar;
    pFrame->m_arrBars.push_back(pBar);
    pBar->CreateInFrame(pFrame, pFrame->m_nNextId++, L"Bar");
    return pBar;
}

CExtDynControlBar* NewContainer(CDockingHostFrame* pFrame, CDockBar* pDockBar, UINT nID)
{
    auto* pDyn = new CExtDynControlBar;
    pDyn->m_pDockSite = pFrame;
    pDyn->Create(nullptr, pFrame, nID, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC | CBRS_BORDER_ANY);
    pDyn->EnableDocking(CBRS_ALIGN_ANY);
    CExtDockBar::DockBarInto(pDockBar, pDyn, nullptr, false);
    return pDyn;
}

double OuterRowsRatio()
{
    auto* pFrame = new CDockingHostFrame;
    pFrame->CreateHost(0, 0, 1000, 760, false);
    CExtControlBar::SetupFrameDocking(pFrame);
    auto* pTop = DYNAMIC_DOWNCAST(CExtDockOuterBar, CExtDockBar::FindCircleDockBar(pFrame, 0, AFX_IDW_DOCKBAR_TOP));
    std::vector<CHostFixedBar*> arrBars;
    for (int i = 0; i < 30; ++i)
        arrBars.push_back(pFrame->AddFixedBar(AFX_IDW_DOCKBAR_TOP, L"Tools", 3 + i % 4));
    // Four rows, each bar with a stored place and an order.
    pTop->m_arrBars.RemoveAll();
    pTop->m_arrBars.Add(nullptr);
    for (int i = 0; i < 30; ++i)
    {
        pTop->m_arrBars.Add(arrBars[i]);
        if (i % 8 == 7 || i == 29)
            pTop->m_arrBars.Add(nullptr);
        CExtControlBar::OuterRowPlacement_t& place = arrBars[i]->m_placement;
        place.m_dwOrder = (DWORD)(30 - i);
        place.m_rc = CRect((i % 8) * 115, 0, (i % 8) * 115 + 100, 30);
    }
    pFrame->RecalcLayout();
    PumpMessages();
    std::vector<Placement> list;
    for (CHostFixedBar* p : arrBars)
        list.push_back({p->GetSafeHwnd(), RectInParent(p->GetSafeHwnd())});
    const int kRounds = 300;
    double dLayout = 0, dBatch = 0;
    for (int i = 0; i < kRounds; ++i)
    {
        pTop->m_rectLayout = CRect(0, 0, 1000, 400);
        pTop->m_bLayoutQuery = FALSE;
        auto t0 = std::chrono::steady_clock::now();
        pTop->CalcFixedLayout(TRUE, TRUE);
        dLayout += bench::Seconds(t0);
        dBatch += TimeBatch(list);
    }
    pTop->m_rectLayout.SetRectEmpty();
    std::printf("outer rows: layout %.1f us, batch of %d windows %.1f us\n", dLayout * 1e6 / kRounds, (int)list.size(),
                dBatch * 1e6 / kRounds);
    pFrame->DestroyWindow();
    return dLayout / dBatch;
}

double CirclesRatio()
{
    auto* pFrame = new CDockingHostFrame;
    pFrame->CreateHost(0, 0, 1000, 760, false);
    CExtControlBar::SetupFrameDocking(pFrame);
    for (UINT nCircle = 1; nCircle <= 3; ++nCircle)
    {
        for (UINT nSide : {AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT})
        {
            CExtDockBar* pDock = CExtDockBar::FindCircleDockBar(pFrame, nCircle, nSide, true);
            CExtDynControlBar* pOuter = NewContainer(pFrame, pDock, AFX_IDW_DOCKBAR_LEFT);
            pOuter->m_sizeVertDocked = CSize(90, 600);
            pOuter->m_pWndDynDocker->DockBarInto(NewResizable(pFrame));
            pOuter->m_pWndDynDocker->DockBarInto(NewResizable(pFrame));
            CExtDynControlBar* pInner = NewContainer(pFrame, pOuter->m_pWndDynDocker, AFX_IDW_DOCKBAR_TOP);
            pInner->m_pWndDynDocker->DockBarInto(NewResizable(pFrame));
            pInner->m_pWndDynDocker->DockBarInto(NewResizable(pFrame));
        }
    }
    pFrame->RecalcLayout();
    PumpMessages();
    bench::ResizeQuietly(pFrame, 1000, 760);
    pFrame->RecalcLayout();
    std::vector<Placement> allA, allB;
    CollectBars(pFrame->GetSafeHwnd(), allA);
    bench::ResizeQuietly(pFrame, 1000, 761);
    pFrame->RecalcLayout();
    CollectBars(pFrame->GetSafeHwnd(), allB);
    std::vector<Placement> layoutA, layoutB;
    bench::KeepMoved(allA, allB, layoutA, layoutB);
    const int kRounds = 200;
    double dLayout = 0, dBatch = 0;
    for (int i = 0; i < kRounds; ++i)
    {
        bench::ResizeQuietly(pFrame, 1000, (i & 1) ? 761 : 760);
        PumpMessages();
        auto t0 = std::chrono::steady_clock::now();
        pFrame->RecalcLayout();
        dLayout += bench::Seconds(t0);
    }
    for (int i = 0; i < kRounds; ++i)
    {
        bench::ResizeQuietly(pFrame, 1000, (i & 1) ? 761 : 760);
        PumpMessages();
        dBatch += TimeBatch((i & 1) ? layoutB : layoutA);
    }
    std::printf("circles: RecalcLayout %.1f us, batch of %d windows %.1f us\n", dLayout * 1e6 / kRounds,
                (int)layoutA.size(), dBatch * 1e6 / kRounds);
    pFrame->DestroyWindow();
    return dLayout / dBatch;
}

void PrintRatios(const char* pszWhat, std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    std::printf("%s ratio: min %.2f median %.2f max %.2f (target <= 3)\n", pszWhat, v.front(), v[v.size() / 2],
                v.back());
}
} // namespace

int wmain()
{
    CWinApp app(L"DockBarsBench");
    std::vector<double> vOuter, vCircles;
    for (int nRun = 0; nRun < 3; ++nRun)
    {
        vOuter.push_back(OuterRowsRatio());
        vCircles.push_back(CirclesRatio());
    }
    PrintRatios("outer dock bar CalcFixedLayout / DeferWindowPos batch", vOuter);
    PrintRatios("three circles RecalcLayout / DeferWindowPos batch", vCircles);
    return 0;
}
