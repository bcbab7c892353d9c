// Tabbed groups and auto-hide: (1) an animated slide-out against its nominal 5 x 10 ms; (2) 100 selections cycling
// through a group of 8 bars (bring to top, layout, focus) against showing and hiding the same 8 windows directly.
#include "bench/BenchSupport.h"
#include "platform/Platform.h"
#include "toolkit/bars_tabs/ExtDynAutoHideArea.h"
#include "toolkit/bars_tabs/ExtDynAutoHideSlider.h"
#include "toolkit/bars_tabs/ExtDynTabControlBar.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include <chrono>
#include <cstdio>
#include <vector>

namespace
{

using bench::Seconds;

class CBenchBar : public CExtControlBar
{
public:
    bool CreateIn(CFrameWnd* pFrame, UINT nID, LPCTSTR pszText)
    {
        if (!Create(pszText, pFrame, nID,
                    WS_CHILD | WS_VISIBLE | CBRS_LEFT | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_SIZE_DYNAMIC))
            return false;
        if (!m_wndChild.CreateEx(WS_EX_CLIENTEDGE, L"EDIT", pszText, WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0, 10, 10,
                                 GetSafeHwnd(), (HMENU)(UINT_PTR)1, nullptr))
            return false;
        EnableDocking(CBRS_ALIGN_ANY);
        return true;
    }
    CWnd m_wndChild;
};

void Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

} // namespace

int wmain()
{
    CWinApp app(L"DynTabsBench");
    g_PaintManagerHolder.InstallPaintManager(new CExtPaintManager);
    auto* pFrame = new CFrameWnd;
    if (!pFrame->Create(nullptr, L"bench", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CRect(0, 0, 1000, 760)))
        return 1;
    CWnd view;
    view.CreateEx(0, AfxRegisterWndClass(0, nullptr, (HBRUSH)(COLOR_WINDOW + 1)), nullptr, WS_CHILD | WS_VISIBLE, 0, 0,
                  10, 10, pFrame->m_hWnd, (HMENU)(UINT_PTR)AFX_IDW_PANE_FIRST, nullptr);
    if (!CExtControlBar::SetupFrameDocking(pFrame))
        return 1;
    std::vector<CBenchBar*> bars;
    for (int i = 0; i < 9; ++i)
    {
        auto* pBar = new CBenchBar;
        wchar_t sz[32];
        std::swprintf(sz, 32, L"Bar %d", i + 1);
        if (!pBar->CreateIn(pFrame, 0xA100 + i, sz))
            return 1;
        pBar->DockAtSideCircle(i == 8 ? AFX_IDW_DOCKBAR_RIGHT : AFX_IDW_DOCKBAR_LEFT, 1, pFrame, true);
        bars.push_back(pBar);
    }
    if (!CExtDynAutoHideArea::CreateFrameAreas(pFrame))
        return 1;
    for (int i = 1; i < 8; ++i)
        bars[0]->DockAsTabWith(bars[i]);
    pFrame->ShowWindow(SW_SHOW);
    pFrame->RecalcLayout();
    Pump();
    CExtDynTabControlBar* pGroup = bars[0]->GetTabbedContainer();
    CExtDynAutoHideArea *pTop = nullptr, *pBottom = nullptr, *pLeft = nullptr, *pRight = nullptr;
    CExtDynAutoHideArea::FindFrameAreas(pFrame, &pTop, &pBottom, &pLeft, &pRight);
    if (pGroup == nullptr || pRight == nullptr)
        return 1;

    // (1) The animated slide-out of the right bar.
    CBenchBar* pAutoHidden = bars[8];
    pAutoHidden->SwitchAutoHide(true, false, true, true);
    pAutoHidden->m_sizeVertDocked.cx = 260;
    Pump();
    CExtDynAutoHideSlider* pSlider = pRight->GetAutoHideSlider();
    const double dNominal =
        CExtDynAutoHideSlider::g_nAnimationSteps * CExtDynAutoHideSlider::g_nAnimationStepTime / 1000.0;
    std::vector<double> slideRatios;
    for (int nRun = 0; nRun < bench::kRuns; ++nRun)
    {
        const auto t0 = std::chrono::steady_clock::now();
        pSlider->SlideRun(pAutoHidden, true, true);
        const double dSlide = Seconds(t0);
        pSlider->SlideRun(pAutoHidden, false, false);
        Pump();
        slideRatios.push_back(dSlide / dNominal);
    }
    bench::PrintRatios("animated slide-out / nominal 5 x 10 ms", slideRatios, 1.5);

    // (2) Selecting tabs against showing and hiding the windows directly.
    CExtDynTabWnd& tabs = pGroup->m_wndTabs;
    std::vector<double> selectRatios;
    for (int nRun = 0; nRun < bench::kRuns; ++nRun)
    {
        auto t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < 100; ++i)
            tabs.SelectionSet(i % 8, true, true);
        Pump();
        const double dTabs = Seconds(t0);
        // The windows alone: the bars' own visibility handling stays out.
        for (int i = 0; i < 8; ++i)
            bars[i]->m_bfTracking |= CExtControlBar::kTrackLayoutSuspended;
        t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < 100; ++i)
        {
            bars[(i + 7) % 8]->ShowWindow(SW_HIDE);
            bars[i % 8]->ShowWindow(SW_SHOWNA);
            bars[i % 8]->UpdateWindow();
        }
        for (int i = 0; i < 8; ++i)
            bars[i]->ShowWindow(SW_SHOWNA);
        Pump();
        const double dDirect = Seconds(t0);
        for (int i = 0; i < 8; ++i)
            bars[i]->m_bfTracking &= ~CExtControlBar::kTrackLayoutSuspended;
        selectRatios.push_back(dDirect > 0 ? dTabs / dDirect : 0.0);
    }
    bench::PrintRatios("100 tab selections in a group of 8 / showing and hiding directly", selectRatios, 3.0);
    pFrame->DestroyWindow();
    for (CBenchBar* p : bars)
        delete p;
    return 0;
}
