// Docking layout: bars on each side, rows by centre, wrapping, row heights, empty dock bars and
// the status bar's strip.
#include "DockingTestSupport.h"
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace
{
const UINT kBarA = 0xE850, kBarB = 0xE851, kBarC = 0xE852, kBarD = 0xE853;

// A screen rectangle given in the client coordinates of pWnd.
CRect ToScreen(CWnd* pWnd, CRect rect)
{
    pWnd->ClientToScreen(&rect);
    return rect;
}
} // namespace

TEST(DockLayout, BarsDockedOnEachSideLandAlongItAndTheViewGetsTheRest)
{
    CDockTestFrame* pFrame = MakeDockFrame();
    ASSERT_NE(pFrame, nullptr);
    CFixedBar top, bottom, left, right;
    ASSERT_TRUE(top.CreateBar(pFrame, kBarA));
    ASSERT_TRUE(bottom.CreateBar(pFrame, kBarB));
    ASSERT_TRUE(left.CreateBar(pFrame, kBarC));
    ASSERT_TRUE(right.CreateBar(pFrame, kBarD));
    pFrame->DockControlBar(&top, AFX_IDW_DOCKBAR_TOP);
    pFrame->DockControlBar(&bottom, AFX_IDW_DOCKBAR_BOTTOM);
    pFrame->DockControlBar(&left, AFX_IDW_DOCKBAR_LEFT);
    pFrame->DockControlBar(&right, AFX_IDW_DOCKBAR_RIGHT);
    pFrame->RecalcLayout();

    CRect client = ClientRect(pFrame);
    HWND hFrame = pFrame->m_hWnd;
    EXPECT_EQ(RectIn(hFrame, DockBarOf(pFrame, AFX_IDW_DOCKBAR_TOP)->m_hWnd), CRect(0, 0, client.right, 24));
    EXPECT_EQ(RectIn(hFrame, DockBarOf(pFrame, AFX_IDW_DOCKBAR_BOTTOM)->m_hWnd),
              CRect(0, client.bottom - 24, client.right, client.bottom));
    EXPECT_EQ(RectIn(hFrame, DockBarOf(pFrame, AFX_IDW_DOCKBAR_LEFT)->m_hWnd), CRect(0, 24, 24, client.bottom - 24));
    EXPECT_EQ(RectIn(hFrame, DockBarOf(pFrame, AFX_IDW_DOCKBAR_RIGHT)->m_hWnd),
              CRect(client.right - 24, 24, client.right, client.bottom - 24));
    EXPECT_EQ(RectIn(hFrame, pFrame->m_pView->m_hWnd), CRect(24, 24, client.right - 24, client.bottom - 24));
    // Each bar takes the side's alignment and its own orientation.
    EXPECT_EQ(RectIn(top.GetParent()->m_hWnd, top.m_hWnd), CRect(0, 0, 80, 24));
    EXPECT_EQ(RectIn(left.GetParent()->m_hWnd, left.m_hWnd), CRect(0, 0, 24, 80));
    EXPECT_EQ(left.GetBarStyle() & CBRS_ALIGN_ANY, (DWORD)CBRS_ALIGN_LEFT);
    EXPECT_EQ(bottom.GetBarStyle() & CBRS_BORDER_ANY, (DWORD)CBRS_BORDER_ANY);
    EXPECT_EQ(right.m_pDockBar, DockBarOf(pFrame, AFX_IDW_DOCKBAR_RIGHT));
    EXPECT_FALSE(right.IsFloating());
    pFrame->DestroyWindow();
}

TEST(DockLayout, DockBarsAreMadeOnceInTheirOrderAndBarsGoToTheFirstSideAllowed)
{
    CDockTestFrame* pFrame = MakeDockFrame(FALSE);
    ASSERT_NE(pFrame, nullptr);
    pFrame->EnableDocking(CBRS_ALIGN_LEFT | CBRS_ALIGN_BOTTOM);
    EXPECT_NE(DockBarOf(pFrame, AFX_IDW_DOCKBAR_LEFT), nullptr);
    EXPECT_NE(DockBarOf(pFrame, AFX_IDW_DOCKBAR_BOTTOM), nullptr);
    EXPECT_EQ(DockBarOf(pFrame, AFX_IDW_DOCKBAR_TOP), nullptr);
    CDockBar* pLeft = DockBarOf(pFrame, AFX_IDW_DOCKBAR_LEFT);
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    EXPECT_EQ(DockBarOf(pFrame, AFX_IDW_DOCKBAR_LEFT), pLeft);
    EXPECT_EQ(pFrame->m_pFloatingFrameClass, RUNTIME_CLASS(CMiniDockFrameWnd));

    CFixedBar bar;
    ASSERT_TRUE(bar.CreateBar(pFrame, kBarA));
    bar.EnableDocking(CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT);
    pFrame->DockControlBar(&bar); // 0: top and bottom are not allowed, left is
    EXPECT_EQ(bar.m_pDockBar, pLeft);
    // An unknown dock bar id changes nothing.
    pFrame->DockControlBar(&bar, 0x1234);
    EXPECT_EQ(bar.m_pDockBar, pLeft);
    pFrame->DestroyWindow();
}

TEST(DockLayout, BarsDockedByRectanglesShareARowOrStartOneByTheirCentres)
{
    CDockTestFrame* pFrame = MakeDockFrame();
    ASSERT_NE(pFrame, nullptr);
    CDockBar* pTop = DockBarOf(pFrame, AFX_IDW_DOCKBAR_TOP);
    CFixedBar a, b, c;
    ASSERT_TRUE(a.CreateBar(pFrame, kBarA));
    ASSERT_TRUE(b.CreateBar(pFrame, kBarB));
    ASSERT_TRUE(c.CreateBar(pFrame, kBarC));
    pFrame->DockControlBar(&a, AFX_IDW_DOCKBAR_TOP);
    pFrame->RecalcLayout();
    // Centre 14 pixels down: inside the first row.
    CRect rectB = ToScreen(pTop, CRect(150, 2, 230, 26));
    pFrame->DockControlBar(&b, AFX_IDW_DOCKBAR_TOP, &rectB);
    // Centre 42 pixels down: below it, a row of its own.
    CRect rectC = ToScreen(pTop, CRect(10, 30, 90, 54));
    pFrame->DockControlBar(&c, AFX_IDW_DOCKBAR_TOP, &rectC);
    EXPECT_STREQ(Rows(pTop), L"|E850,E851|E852|");
    pFrame->RecalcLayout();
    // A bar keeps the place it was given along its row.
    EXPECT_EQ(RectIn(pTop->m_hWnd, b.m_hWnd), CRect(150, 0, 230, 24));
    EXPECT_EQ(RectIn(pTop->m_hWnd, c.m_hWnd), CRect(10, 24, 90, 48));
    EXPECT_EQ(ClientRect(pTop).Height(), 48);
    // Above the first row: a new first row.
    CRect rectAbove = ToScreen(pTop, CRect(0, -40, 80, -16));
    pFrame->DockControlBar(&b, AFX_IDW_DOCKBAR_TOP, &rectAbove);
    EXPECT_STREQ(Rows(pTop), L"|E851|E850|E852|");
    pFrame->DestroyWindow();
}

TEST(DockLayout, ABarPushedPastTheEndOfItsRowWraps)
{
    CDockTestFrame* pFrame = MakeDockFrame();
    ASSERT_NE(pFrame, nullptr);
    CDockBar* pTop = DockBarOf(pFrame, AFX_IDW_DOCKBAR_TOP);
    int cxClient = ClientRect(pFrame).Width();
    int nBars = cxClient / 80 + 2;
    std::vector<std::unique_ptr<CFixedBar>> bars;
    for (int i = 0; i < nBars; i++)
    {
        bars.emplace_back(new CFixedBar);
        ASSERT_TRUE(bars.back()->CreateBar(pFrame, kBarA + i));
        CRect rect = ToScreen(pTop, CRect(i * 80, 0, i * 80 + 80, 24));
        pFrame->DockControlBar(bars.back().get(), AFX_IDW_DOCKBAR_TOP, &rect);
    }
    EXPECT_EQ(pTop->FindBar(nullptr, 0), pTop->m_arrBars.GetSize() - 1); // one row so far
    pFrame->RecalcLayout();
    // The last bar starts at or past the end: a break goes in front of it and it starts row 2.
    CFixedBar* pLast = bars.back().get();
    int nLast = pTop->FindBar(pLast);
    ASSERT_GT(nLast, 1);
    EXPECT_EQ(pTop->m_arrBars[nLast - 1], nullptr);
    EXPECT_EQ(RectIn(pTop->m_hWnd, pLast->m_hWnd), CRect(0, 24, 80, 48));
    // The bar before it is clipped at the end of the first row.
    EXPECT_EQ(RectIn(pTop->m_hWnd, bars[nBars - 2]->m_hWnd).right, cxClient);
    EXPECT_EQ(ClientRect(pTop).Height(), 48);
    // A bar that starts its row never wraps: another layout adds no empty row.
    INT_PTR nEntries = pTop->m_arrBars.GetSize();
    pFrame->RecalcLayout();
    EXPECT_EQ(pTop->m_arrBars.GetSize(), nEntries);
    pFrame->DestroyWindow();
}

TEST(DockLayout, RowsOf26And24PixelsMakeATopDockBar50High)
{
    CDockTestFrame* pFrame = MakeDockFrame();
    ASSERT_NE(pFrame, nullptr);
    CFixedBar a, b;
    a.m_cyAcross = 26;
    ASSERT_TRUE(a.CreateBar(pFrame, kBarA));
    ASSERT_TRUE(b.CreateBar(pFrame, kBarB));
    pFrame->DockControlBar(&a, AFX_IDW_DOCKBAR_TOP);
    pFrame->DockControlBar(&b, AFX_IDW_DOCKBAR_TOP); // without a rectangle: a new last row
    pFrame->RecalcLayout();
    CDockBar* pTop = DockBarOf(pFrame, AFX_IDW_DOCKBAR_TOP);
    EXPECT_STREQ(Rows(pTop), L"|E850|E851|");
    EXPECT_EQ(ClientRect(pTop).Height(), 50);
    EXPECT_EQ(RectIn(pTop->m_hWnd, b.m_hWnd), CRect(0, 26, 80, 50));
    EXPECT_EQ(RectIn(pFrame->m_hWnd, pFrame->m_pView->m_hWnd).top, 50);
    // The dock bar's own answer: stretched across, the rows' height down.
    EXPECT_EQ(pTop->CalcFixedLayout(TRUE, TRUE), CSize(32767, 50));
    pFrame->DestroyWindow();
}

TEST(DockLayout, AnEmptyDockBarIsNothingAcross)
{
    CDockTestFrame* pFrame = MakeDockFrame();
    ASSERT_NE(pFrame, nullptr);
    pFrame->RecalcLayout();
    CRect client = ClientRect(pFrame);
    EXPECT_EQ(ClientRect(DockBarOf(pFrame, AFX_IDW_DOCKBAR_TOP)).Height(), 0);
    EXPECT_EQ(ClientRect(DockBarOf(pFrame, AFX_IDW_DOCKBAR_LEFT)).Width(), 0);
    EXPECT_EQ(RectIn(pFrame->m_hWnd, pFrame->m_pView->m_hWnd), client);
    // A bar docked and taken away again leaves the side empty.
    CFixedBar bar;
    ASSERT_TRUE(bar.CreateBar(pFrame, kBarA));
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
    pFrame->RecalcLayout();
    EXPECT_EQ(ClientRect(DockBarOf(pFrame, AFX_IDW_DOCKBAR_LEFT)).Width(), 24);
    EXPECT_TRUE(DockBarOf(pFrame, AFX_IDW_DOCKBAR_LEFT)->RemoveControlBar(&bar));
    EXPECT_FALSE(DockBarOf(pFrame, AFX_IDW_DOCKBAR_LEFT)->RemoveControlBar(&bar));
    EXPECT_STREQ(Rows(DockBarOf(pFrame, AFX_IDW_DOCKBAR_LEFT)), L"|");
    pFrame->RecalcLayout();
    EXPECT_EQ(ClientRect(DockBarOf(pFrame, AFX_IDW_DOCKBAR_LEFT)).Width(), 0);
    pFrame->DestroyWindow();
}

TEST(DockLayout, TheStatusBarStaysTheBottomStrip)
{
    CDockTestFrame* pFrame = MakeDockFrame(FALSE);
    ASSERT_NE(pFrame, nullptr);
    CStatusBar status;
    ASSERT_TRUE(status.Create(pFrame));
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    CFixedBar bar;
    ASSERT_TRUE(bar.CreateBar(pFrame, kBarA));
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_BOTTOM);
    pFrame->RecalcLayout();
    CRect client = ClientRect(pFrame);
    CRect rectStatus = RectIn(pFrame->m_hWnd, status.m_hWnd);
    int cyStatus = status.CalcFixedLayout(TRUE, TRUE).cy;
    EXPECT_GT(cyStatus, 10);
    EXPECT_EQ(rectStatus, CRect(0, client.bottom - cyStatus, client.right, client.bottom));
    EXPECT_EQ(RectIn(pFrame->m_hWnd, DockBarOf(pFrame, AFX_IDW_DOCKBAR_BOTTOM)->m_hWnd),
              CRect(0, rectStatus.top - 24, client.right, rectStatus.top));
    EXPECT_EQ(RectIn(pFrame->m_hWnd, pFrame->m_pView->m_hWnd).bottom, rectStatus.top - 24);
    pFrame->DestroyWindow();
}
