// Faults the docking runs found around auto-hidden bars: the slider while another bar is handled.
#include "DockingRunFinds.h"
#include "res/toolkit_docking_ids.h"
#include "toolkit/docking/ExtBarNcAreaButtonAutoHide.h"

namespace
{
// Whether the auto-hide slider was on the screen when the frame was told a drag began.
HWND g_hWatchedSlider = nullptr;
WNDPROC g_pfnFrameProc = nullptr;
int g_nDragStarts = 0;
bool g_bSliderAtDragStart = false;
LRESULT CALLBACK WatchDragStart(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_SETMESSAGESTRING && wParam == IDS_EXT_DRAG_HINT)
    {
        ++g_nDragStarts;
        g_bSliderAtDragStart = g_bSliderAtDragStart || ::IsWindowVisible(g_hWatchedSlider);
    }
    return ::CallWindowProcW(g_pfnFrameProc, hWnd, nMsg, wParam, lParam);
}
} // namespace

TEST_F(DockingRunFinds, AnAutoHideSliderHoldingTheFocusClosesAsAnotherBarsDragStarts)
{
    // Gamma floats below the main window; Alpha, pinned, is slid out with the focus in its edit, where it stays
    // out after the pointer leaves it.
    GiveEdit(m_pA);
    const CRect rcMain = WindowRectOf(m_pFrame);
    m_pFrame->FloatControlBar(m_pC, CPoint(rcMain.left + 80, rcMain.bottom + 40));
    Settle();
    ASSERT_TRUE(m_pA->SwitchAutoHide(true, false, true, false));
    Settle();
    ASSERT_TRUE(ShowInFront(m_pFrame));
    m_pSlider->SlideRun(m_pA, true, false);
    m_pA->m_wndChild.SetFocus();
    ASSERT_TRUE(WaitFor([&] { return m_pSlider->IsShown() && m_pSlider->IsFocusInside(); }));
    CPoint ptFrom;
    ASSERT_TRUE(CaptionPoint(m_pC, ptFrom));
    RunInputScript([&] { SendMouse(ptFrom.x, ptFrom.y, 0); });
    SettleInput(PumpMessages, 60);
    ASSERT_TRUE(m_pSlider->IsWindowVisible());

    // Gamma's floating frame dragged by its caption: the slider is gone as the drag begins, before anything is
    // dropped where it lay.
    g_hWatchedSlider = m_pSlider->GetSafeHwnd();
    g_nDragStarts = 0;
    g_bSliderAtDragStart = false;
    g_pfnFrameProc =
        (WNDPROC)::SetWindowLongPtrW(m_pFrame->GetSafeHwnd(), GWLP_WNDPROC, (LONG_PTR)(WNDPROC)WatchDragStart);
    const bool bDragged = Drag(
        ptFrom,
        [&](CPoint& pt) {
            pt = ptFrom + CSize(60, 12);
            return true;
        },
        0);
    ::SetWindowLongPtrW(m_pFrame->GetSafeHwnd(), GWLP_WNDPROC, (LONG_PTR)g_pfnFrameProc);
    EXPECT_TRUE(bDragged);
    EXPECT_EQ(g_nDragStarts, 1);
    EXPECT_FALSE(g_bSliderAtDragStart) << "the slider still showed Alpha when Gamma's drag began";
    EXPECT_FALSE(m_pSlider->IsWindowVisible());
    EXPECT_TRUE(CExtControlBar::IsFloating(m_pC));
    EXPECT_TRUE(m_pA->IsAutoHideMode());
}

TEST_F(DockingRunFinds, ABarPinnedAfterItsContainerMateWasClosedIsHiddenWithTheContainer)
{
    // Beta beside Epsilon at the bottom: a container of the two. Beta closed, then Epsilon pinned.
    ASSERT_TRUE(m_pB->DockNextToBar(50, m_pE, AFX_IDW_DOCKBAR_BOTTOM));
    Settle();
    ASSERT_TRUE(ShowInFront(m_pFrame));
    Rest();
    auto* pContainer = DYNAMIC_DOWNCAST(CExtDynControlBar, OuterCarrier(m_pB));
    ASSERT_NE(pContainer, nullptr);
    CPoint pt;
    ASSERT_TRUE(ButtonPoint(m_pB, RUNTIME_CLASS(CExtBarNcAreaButtonClose), pt));
    Click(pt);
    m_shown[m_pB] = false;
    Rest();
    ASSERT_TRUE(ButtonPoint(m_pE, RUNTIME_CLASS(CExtBarNcAreaButtonAutoHide), pt));
    Click(pt);
    Rest();
    // The hidden container leaves no hide pending inside it: Epsilon's window is hidden too.
    ASSERT_TRUE(m_pE->IsAutoHideMode());
    EXPECT_FALSE(pContainer->IsWindowVisible());
    EXPECT_EQ(m_pE->GetStyle() & WS_VISIBLE, 0u) << Describe();
    CheckLayout("after Beta was closed and Epsilon pinned");
}
