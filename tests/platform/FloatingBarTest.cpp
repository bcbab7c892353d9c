// Floating bars: floating frames made for them, docking back and forth, closing, and showing or
// hiding bars now or at the idle pass.
#include "DockingTestSupport.h"
#include <gtest/gtest.h>
#include <algorithm>

namespace
{
const UINT kBarA = 0xE850, kBarB = 0xE851;

BOOL IsLiveFrame(CFrameWnd* pFrame)
{
    const std::vector<CFrameWnd*>& frames = AfxGetThreadState()->m_frameList;
    return std::find(frames.begin(), frames.end(), pFrame) != frames.end();
}
} // namespace

TEST(FloatingBars, FloatControlBarMakesAFloatingFrameOwnedByTheFrameAroundTheBar)
{
    CDockTestFrame* pFrame = MakeDockFrame();
    ASSERT_NE(pFrame, nullptr);
    CFixedBar bar;
    ASSERT_TRUE(bar.CreateBar(pFrame, kBarA));
    bar.SetWindowText(L"Alat");
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    pFrame->FloatControlBar(&bar, CPoint(500, 400));
    CMiniDockFrameWnd* pMini = FloatingFrameOf(&bar);
    ASSERT_NE(pMini, nullptr);
    EXPECT_TRUE(bar.IsFloating());
    EXPECT_EQ(::GetWindow(pMini->m_hWnd, GW_OWNER), pFrame->m_hWnd);
    EXPECT_TRUE(pMini->IsWindowVisible());
    EXPECT_EQ(ScreenRect(pMini).TopLeft(), CPoint(500, 400));
    // The bar sits at the client's corner with its across size; the dock bar fills the client,
    // its row layout adding the one pixel every dock bar adds along an unstretched row.
    EXPECT_EQ(RectIn(pMini->m_hWnd, bar.m_hWnd), CRect(0, 0, 80, 24));
    EXPECT_EQ(RectIn(pMini->m_hWnd, pMini->m_wndDockBar.m_hWnd), ClientRect(pMini));
    EXPECT_EQ(ClientRect(pMini).Size(), CSize(81, 24));
    EXPECT_EQ(bar.GetBarStyle() & (CBRS_FLOATING | CBRS_ALIGN_ANY), (DWORD)(CBRS_FLOATING | CBRS_ALIGN_TOP));
    // The frame takes the bar's text as its title.
    CString title;
    pMini->GetWindowText(title);
    EXPECT_STREQ(title, L"Alat");
    // The docked place is kept as a placeholder; the dock context remembers both places.
    EXPECT_STREQ(Rows(DockBarOf(pFrame, AFX_IDW_DOCKBAR_TOP)), L"|pE850|");
    EXPECT_EQ(bar.m_pDockContext->m_uMRUDockID, (UINT)AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(bar.m_pDockContext->m_ptMRUFloatPos, CPoint(500, 400));
    // Floating it again only moves its frame.
    pFrame->FloatControlBar(&bar, CPoint(520, 410));
    EXPECT_EQ(FloatingFrameOf(&bar), pMini);
    EXPECT_EQ(ScreenRect(pMini).TopLeft(), CPoint(520, 410));
    pFrame->DestroyWindow();
}

TEST(FloatingBars, ToggleDockingGoesBackToTheDockedPlaceAndAgainToTheFloatingPlace)
{
    CDockTestFrame* pFrame = MakeDockFrame();
    ASSERT_NE(pFrame, nullptr);
    CDockBar* pTop = DockBarOf(pFrame, AFX_IDW_DOCKBAR_TOP);
    CFixedBar other, bar;
    ASSERT_TRUE(other.CreateBar(pFrame, kBarB));
    ASSERT_TRUE(bar.CreateBar(pFrame, kBarA));
    pFrame->DockControlBar(&other, AFX_IDW_DOCKBAR_TOP);
    CRect rect(120, 0, 200, 24);
    pTop->ClientToScreen(&rect);
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP, &rect);
    pFrame->RecalcLayout();
    ASSERT_EQ(RectIn(pTop->m_hWnd, bar.m_hWnd), CRect(120, 0, 200, 24));

    pFrame->FloatControlBar(&bar, CPoint(500, 400));
    CMiniDockFrameWnd* pMini = FloatingFrameOf(&bar);
    ASSERT_NE(pMini, nullptr);
    HWND hMini = pMini->m_hWnd;
    bar.m_pDockContext->ToggleDocking();
    EXPECT_EQ(bar.m_pDockBar, pTop);
    EXPECT_FALSE(bar.IsFloating());
    EXPECT_STREQ(Rows(pTop), L"|E851,E850|");
    EXPECT_EQ(RectIn(pTop->m_hWnd, bar.m_hWnd), CRect(120, 0, 200, 24));
    // The emptied floating frame is destroyed and deleted.
    EXPECT_FALSE(::IsWindow(hMini));
    EXPECT_FALSE(IsLiveFrame(pMini));

    bar.m_pDockContext->ToggleDocking();
    pMini = FloatingFrameOf(&bar);
    ASSERT_NE(pMini, nullptr);
    EXPECT_EQ(ScreenRect(pMini).TopLeft(), CPoint(500, 400));
    // A double click on the floating frame's caption docks it back.
    hMini = pMini->m_hWnd;
    pMini->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(505, 402));
    EXPECT_EQ(bar.m_pDockBar, pTop);
    EXPECT_FALSE(::IsWindow(hMini));
    pFrame->DestroyWindow();
}

TEST(FloatingBars, ABarFloatedWithoutAFloatingPlaceFloatsWhereItWasDocked)
{
    CDockTestFrame* pFrame = MakeDockFrame();
    ASSERT_NE(pFrame, nullptr);
    CFixedBar bar;
    ASSERT_TRUE(bar.CreateBar(pFrame, kBarA));
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
    pFrame->RecalcLayout();
    CRect docked = ScreenRect(&bar);
    EXPECT_EQ(bar.m_pDockContext->m_ptMRUFloatPos, CPoint(-1, -1));
    bar.m_pDockContext->ToggleDocking();
    CMiniDockFrameWnd* pMini = FloatingFrameOf(&bar);
    ASSERT_NE(pMini, nullptr);
    EXPECT_EQ(ScreenRect(pMini).TopLeft(), docked.TopLeft());
    // Docked back into the left dock bar it came from, upright again.
    bar.m_pDockContext->ToggleDocking();
    EXPECT_EQ(bar.m_pDockBar, DockBarOf(pFrame, AFX_IDW_DOCKBAR_LEFT));
    EXPECT_EQ(bar.GetBarStyle() & CBRS_ALIGN_ANY, (DWORD)CBRS_ALIGN_LEFT);
    pFrame->DestroyWindow();
}

TEST(FloatingBars, ClosingAFloatingFrameHidesItsBarsAndKeepsTheFrame)
{
    CDockTestFrame* pFrame = MakeDockFrame();
    ASSERT_NE(pFrame, nullptr);
    CFixedBar bar;
    ASSERT_TRUE(bar.CreateBar(pFrame, kBarA));
    pFrame->FloatControlBar(&bar, CPoint(500, 400));
    CMiniDockFrameWnd* pMini = FloatingFrameOf(&bar);
    ASSERT_NE(pMini, nullptr);
    pMini->SendMessage(WM_CLOSE);
    EXPECT_TRUE(::IsWindow(pMini->m_hWnd));
    EXPECT_FALSE(bar.IsWindowVisible());
    EXPECT_FALSE(pMini->IsWindowVisible());
    EXPECT_EQ(FloatingFrameOf(&bar), pMini);
    // Showing the bar brings its frame back.
    pFrame->ShowControlBar(&bar, TRUE, FALSE);
    EXPECT_TRUE(bar.IsWindowVisible());
    EXPECT_TRUE(pMini->IsWindowVisible());
    pFrame->DestroyWindow();
}

TEST(FloatingBars, ADelayedShowActsOnlyAtTheIdlePass)
{
    CDockTestFrame* pFrame = MakeDockFrame();
    ASSERT_NE(pFrame, nullptr);
    pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    CFixedBar bar;
    ASSERT_TRUE(bar.CreateBar(pFrame, kBarA));
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    pFrame->RecalcLayout();
    ASSERT_EQ(RectIn(pFrame->m_hWnd, pFrame->m_pView->m_hWnd).top, 24);

    pFrame->ShowControlBar(&bar, FALSE, TRUE);
    EXPECT_TRUE(bar.IsWindowVisible());
    EXPECT_FALSE(bar.IsVisible()); // a hide is pending
    EXPECT_EQ(bar.m_nStateFlags, (UINT)CControlBar::delayHide);
    RunIdle();
    EXPECT_FALSE(bar.IsWindowVisible());
    EXPECT_EQ(bar.m_nStateFlags, 0u);
    EXPECT_EQ(RectIn(pFrame->m_hWnd, pFrame->m_pView->m_hWnd).top, 0);

    pFrame->ShowControlBar(&bar, TRUE, TRUE);
    EXPECT_FALSE(bar.IsWindowVisible());
    EXPECT_TRUE(bar.IsVisible()); // a show is pending
    RunIdle();
    EXPECT_TRUE(bar.IsWindowVisible());
    EXPECT_EQ(RectIn(pFrame->m_hWnd, pFrame->m_pView->m_hWnd).top, 24);
    // A pending show cancelled by a pending hide leaves nothing to do.
    bar.DelayShow(FALSE);
    bar.DelayShow(TRUE);
    EXPECT_EQ(bar.m_nStateFlags, 0u);
    pFrame->DestroyWindow();
}

TEST(FloatingBars, TheLastHiddenBarHidesItsFloatingFrameAndShowingOneBringsItBack)
{
    CDockTestFrame* pFrame = MakeDockFrame();
    ASSERT_NE(pFrame, nullptr);
    pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    CFixedBar a, b;
    ASSERT_TRUE(a.CreateBar(pFrame, kBarA));
    ASSERT_TRUE(b.CreateBar(pFrame, kBarB));
    pFrame->FloatControlBar(&a, CPoint(500, 400));
    CMiniDockFrameWnd* pMini = FloatingFrameOf(&a);
    ASSERT_NE(pMini, nullptr);
    pMini->m_wndDockBar.DockControlBar(&b);
    pMini->RecalcLayout();
    EXPECT_EQ(ClientRect(pMini).Height(), 48);

    pFrame->ShowControlBar(&a, FALSE, FALSE);
    EXPECT_TRUE(pMini->IsWindowVisible()); // b is still shown
    EXPECT_EQ(ClientRect(pMini).Height(), 24);
    pFrame->ShowControlBar(&b, FALSE, FALSE);
    EXPECT_FALSE(pMini->IsWindowVisible());
    EXPECT_TRUE(::IsWindow(pMini->m_hWnd));

    // Delayed: the frame comes back at the idle pass.
    pFrame->ShowControlBar(&b, TRUE, TRUE);
    EXPECT_FALSE(pMini->IsWindowVisible());
    EXPECT_EQ(pMini->m_nShowDelay, SW_SHOWNA);
    RunIdle();
    EXPECT_TRUE(pMini->IsWindowVisible());
    EXPECT_TRUE(b.IsWindowVisible());
    EXPECT_EQ(pMini->m_nShowDelay, -1);
    pFrame->DestroyWindow();
}

TEST(FloatingBars, AFloatingFramesDelayedLayoutRunsAtIdle)
{
    CDockTestFrame* pFrame = MakeDockFrame();
    ASSERT_NE(pFrame, nullptr);
    pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    CDynamicBar bar;
    ASSERT_TRUE(bar.CreateBar(pFrame, kBarA, CBRS_TOP | CBRS_SIZE_DYNAMIC));
    bar.m_nMRUWidth = 100;
    pFrame->FloatControlBar(&bar, CPoint(500, 400));
    CMiniDockFrameWnd* pMini = FloatingFrameOf(&bar);
    ASSERT_NE(pMini, nullptr);
    EXPECT_TRUE(pMini->GetStyle() & MFS_THICKFRAME);
    EXPECT_EQ(RectIn(pMini->m_hWnd, bar.m_hWnd).Size(), CDynamicBar::SizeForWidth(100));
    bar.m_nMRUWidth = 50;
    pMini->DelayRecalcLayout();
    EXPECT_EQ(RectIn(pMini->m_hWnd, bar.m_hWnd).Size(), CDynamicBar::SizeForWidth(100));
    RunIdle();
    EXPECT_EQ(RectIn(pMini->m_hWnd, bar.m_hWnd).Size(), CDynamicBar::SizeForWidth(50));
    EXPECT_EQ(ClientRect(pMini).Height(), CDynamicBar::SizeForWidth(50).cy);
    pFrame->DestroyWindow();
}

namespace
{
// A modal box that notes whether m_hWatched takes input while the box is up, and ends at once.
class CWatchingBox : public CDialog
{
public:
    HWND m_hWatched = nullptr;
    BOOL m_bWatchedEnabled = TRUE;
    BOOL OnInitDialog() override
    {
        m_bWatchedEnabled = ::IsWindowEnabled(m_hWatched);
        EndDialog(IDOK);
        return TRUE;
    }
};
} // namespace

TEST(FloatingBars, AModalBoxBlocksTheFloatingFramesWithTheFrameAndLeavesOneDisabledElsewhereSo)
{
    CDockTestFrame* pFrame = MakeDockFrame();
    ASSERT_NE(pFrame, nullptr);
    CFixedBar a, b;
    ASSERT_TRUE(a.CreateBar(pFrame, kBarA));
    ASSERT_TRUE(b.CreateBar(pFrame, kBarB));
    pFrame->FloatControlBar(&a, CPoint(500, 400));
    pFrame->FloatControlBar(&b, CPoint(500, 500));
    CWatchingBox box;
    box.m_hWatched = FloatingFrameOf(&a)->m_hWnd;
    const HWND hOther = FloatingFrameOf(&b)->m_hWnd;
    ::EnableWindow(hOther, FALSE); // for a reason of its own
    alignas(4) const WORD tpl[12] = {0, HIWORD(WS_POPUP | WS_CAPTION), 0, 0, 0, 0, 0, 100, 50, 0, 0, 0};
    box.InitModalIndirect(reinterpret_cast<LPCDLGTEMPLATE>(tpl), pFrame);
    EXPECT_EQ(box.DoModal(), IDOK);
    EXPECT_FALSE(box.m_bWatchedEnabled);
    EXPECT_TRUE(::IsWindowEnabled(box.m_hWatched));
    EXPECT_FALSE(::IsWindowEnabled(hOther));
    pFrame->DestroyWindow();
}
