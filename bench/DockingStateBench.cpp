// A docking host of 50 bars (30 resizable bars in three circles and two docked containers, five
// floating containers, 15 fixed bars): LoadFrameBarState from the registry against building the
// same layout from the default one with the docking calls. Target: at most 1.5x. Also prints the
// stored block's size and the save time.
#include "bench/BenchSupport.h"
#include "platform/File.h"
#include "tests/toolkit/docking/DockingHost.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/docking/ExtDockDynBar.h"
#include "toolkit/docking/ExtDynControlBar.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include <chrono>
#include <cstdio>
#include <vector>

namespace
{
using bench::Seconds;
const UINT kSides[4] = {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT};

struct Host
{
    CDockingHostFrame* pFrame = nullptr;
    std::vector<CHostResizableBar*> resizable;
    std::vector<CHostFixedBar*> fixed;
};

// The frame with its 45 bars, all in the default layout: resizable bars parked on the top side,
// fixed bars docked on the top side.
Host MakeDefault()
{
    Host h;
    h.pFrame = new CDockingHostFrame;
    h.pFrame->CreateHost(0, 0, 1100, 800, false);
    CExtControlBar::SetupFrameDocking(h.pFrame);
    for (int i = 0; i < 30; i++)
    {
        auto* p = new CHostResizableBar;
        h.pFrame->m_arrBars.push_back(p);
        p->CreateInFrame(h.pFrame, h.pFrame->m_nNextId++, L"Bar");
        h.resizable.push_back(p);
    }
    for (int i = 0; i < 15; i++)
    {
        auto* p = new CHostFixedBar;
        h.pFrame->m_arrBars.push_back(p);
        p->CreateInFrame(h.pFrame, h.pFrame->m_nNextFixedId++, L"Tools", 4);
        h.pFrame->DockControlBar(p, AFX_IDW_DOCKBAR_TOP);
        h.fixed.push_back(p);
    }
    h.pFrame->RecalcLayout();
    return h;
}

CExtDynControlBar* NewContainer(CFrameWnd* pFrame, CDockBar* pDockBar, UINT nID)
{
    auto* pDyn = new CExtDynControlBar;
    pDyn->m_pDockSite = pFrame;
    if (!pDyn->Create(nullptr, pFrame, nID,
                      WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC | CBRS_BORDER_ANY))
        return nullptr;
    pDyn->EnableDocking(CBRS_ALIGN_ANY);
    CExtDockBar::DockBarInto(pDockBar, pDyn, nullptr, false);
    return pDyn;
}

// The measured layout built with the docking calls.
void BuildLayout(Host& h)
{
    CFrameWnd* pFrame = h.pFrame;
    int n = 0;
    // 14 bars in three circles: 4 in circle 1 and 2, 6 in circle 3.
    for (int nCircle = 1; nCircle <= 3; nCircle++)
        for (int i = 0; i < (nCircle == 3 ? 6 : 4); i++)
            h.resizable[n++]->DockAtSideCircle(kSides[i % 4], nCircle, pFrame, false);
    // Two docked containers of three bars each.
    for (int c = 0; c < 2; c++)
    {
        CExtDockBar* pDock =
            CExtDockBar::FindCircleDockBar(pFrame, 1, c == 0 ? AFX_IDW_DOCKBAR_LEFT : AFX_IDW_DOCKBAR_BOTTOM, true);
        CExtDynControlBar* pDyn = NewContainer(pFrame, pDock, c == 0 ? AFX_IDW_DOCKBAR_LEFT : AFX_IDW_DOCKBAR_BOTTOM);
        for (int i = 0; i < 3; i++)
            CExtDockBar::DockBarInto(pDyn->m_pWndDynDocker, h.resizable[n++], nullptr, false);
    }
    // Five floating containers: a container docked with two bars, then floated.
    for (int c = 0; c < 5; c++)
    {
        CExtDockBar* pDock = CExtDockBar::FindCircleDockBar(pFrame, 1, AFX_IDW_DOCKBAR_TOP, true);
        CExtDynControlBar* pDyn = NewContainer(pFrame, pDock, AFX_IDW_DOCKBAR_TOP);
        CExtDockBar::DockBarInto(pDyn->m_pWndDynDocker, h.resizable[n++], nullptr, false);
        CExtDockBar::DockBarInto(pDyn->m_pWndDynDocker, h.resizable[n++], nullptr, false);
        pDyn->FloatAtPoint(CPoint(100 + 120 * c, 500));
    }
    // Fixed bars spread over the four sides.
    for (size_t i = 0; i < h.fixed.size(); i++)
        pFrame->DockControlBar(h.fixed[i], kSides[i % 4]);
    pFrame->RecalcLayout();
}

void Destroy(Host& h)
{
    h.pFrame->DestroyWindow();
    h.pFrame = nullptr;
}
} // namespace

int wmain()
{
    CWinApp app(L"DockingStateBench");
    CString sKey;
    sKey.Format(L"CorvaneStateBench%lu", ::GetCurrentProcessId());
    std::vector<double> ratios;
    double dSave = 0;
    ULONGLONG nBlock = 0;
    for (int run = 0; run < bench::kRuns; run++)
    {
        Host h = MakeDefault();
        auto t0 = std::chrono::steady_clock::now();
        BuildLayout(h);
        const double dBuild = Seconds(t0);
        t0 = std::chrono::steady_clock::now();
        if (!CExtControlBar::SaveFrameBarState(h.pFrame, sKey, kHostProfile, kHostProfile))
        {
            std::printf("save failed\n");
            return 1;
        }
        dSave = Seconds(t0);
        CString sPath;
        CExtCmdManager::BuildRegistryPath(sPath, L"ControlBar", kHostProfile, sKey, kHostProfile);
        CMemFile file;
        if (CExtCmdManager::RegistryArchiveRead(file, sPath))
            nBlock = file.GetLength();
        Destroy(h);

        Host h2 = MakeDefault();
        t0 = std::chrono::steady_clock::now();
        const bool bLoaded = CExtControlBar::LoadFrameBarState(h2.pFrame, sKey, kHostProfile, kHostProfile);
        const double dLoad = Seconds(t0);
        Destroy(h2);
        if (!bLoaded)
        {
            std::printf("load failed\n");
            return 1;
        }
        ratios.push_back(dLoad / dBuild);
        std::printf("run %d: build %.1f ms, load %.1f ms\n", run + 1, dBuild * 1000, dLoad * 1000);
    }
    CString sRoot = L"Software\\" + sKey;
    ::RegDeleteTreeW(HKEY_CURRENT_USER, sRoot);
    std::printf("block %llu bytes, save %.1f ms\n", nBlock, dSave * 1000);
    bench::PrintRatios("LoadFrameBarState / docking calls", ratios, 1.5);
    return 0;
}
