// Non-client geometry from the system metrics: splitters, captions, caption buttons, hit codes,
// and the row layout that shares a row's length.
#include <gtest/gtest.h>
#include "DockingHost.h"
#include "toolkit/docking/ExtBarNcAreaButton.h"
#include "toolkit/docking/ExtBarNcAreaButtonClose.h"

namespace
{
class ControlBarGeometry : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CDockingHostFrame;
        ASSERT_TRUE(m_pFrame->CreateHost());
    }
    void TearDown() override { m_pFrame->DestroyWindow(); }
    // The hit code at a point given in the bar's window coordinates.
    static LRESULT HitAt(CExtControlBar* pBar, CPoint ptWindow)
    {
        const CRect rc = WindowRectOf(pBar);
        return pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rc.left + ptWindow.x, rc.top + ptWindow.y));
    }
    static int Splitter() { return ::GetSystemMetrics(SM_CYFRAME) >= 5 ? 4 : ::GetSystemMetrics(SM_CYFRAME); }
    CDockingHostFrame* m_pFrame = nullptr;
};
} // namespace

TEST_F(ControlBarGeometry, MetricsFollowTheSystem)
{
    CExtControlBar bar;
    const int nCaption = ::GetSystemMetrics(SM_CYSMCAPTION) + 1;
    EXPECT_EQ(bar.m_nCaptionHorz, nCaption);
    EXPECT_EQ(bar.m_nCaptionVert, nCaption);
    EXPECT_EQ(bar.m_nSplitterY, Splitter());
    EXPECT_EQ(bar.m_nMinWidthBase, ::GetSystemMetrics(SM_CYSMCAPTION) + bar.m_nSplitterY + 1);
    EXPECT_EQ(bar.m_sizeHorzDocked, CSize(200, 150));
    EXPECT_EQ(bar.m_sizeVertDocked, CSize(150, 200));
    EXPECT_EQ(bar.m_bfBarFlags,
              CExtControlBar::kBarResizableCaption | CExtControlBar::kBarIdleWork | CExtControlBar::kBarInBarsMenu);
    EXPECT_EQ(bar.m_ptDragPrev, CPoint(-1, -1));
}

TEST_F(ControlBarGeometry, ABarAloneAtTheTopHasARowSplitterAtItsBottomOnly)
{
    CHostResizableBar* pBar = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, L"Top");
    ASSERT_NE(pBar, nullptr);
    const CRect rcWnd = WindowRectOf(pBar);
    EXPECT_FALSE(pBar->GetRowSplitterRect().IsRectEmpty());
    EXPECT_EQ(pBar->GetRowSplitterRect().bottom, rcWnd.Height());
    EXPECT_EQ(pBar->GetRowSplitterRect().Height(), Splitter());
    EXPECT_TRUE(pBar->GetSplitterAfterRect().IsRectEmpty());
    EXPECT_TRUE(pBar->GetSplitterBeforeRect().IsRectEmpty());
    const CRect rcRow = pBar->GetRowSplitterRect();
    EXPECT_EQ(HitAt(pBar, rcRow.CenterPoint()), HTBOTTOM);
    EXPECT_EQ(HitAt(pBar, CPoint(rcWnd.Width() / 2, rcWnd.Height() / 2)), HTCLIENT);
}

TEST_F(ControlBarGeometry, CaptionRunsAlongTheTopAndTheClientLosesIt)
{
    CHostResizableBar* pBar = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Left");
    ASSERT_NE(pBar, nullptr);
    const CRect rcCaption = pBar->GetCaptionRect();
    EXPECT_EQ(rcCaption.top, 0);
    EXPECT_EQ(rcCaption.Height(), pBar->m_nCaptionHorz);
    const CRect rcWnd = WindowRectOf(pBar), rcClient = ClientScreenRectOf(pBar);
    EXPECT_EQ(rcClient.top - rcWnd.top, pBar->m_nCaptionHorz + 1);
    // Left side: the row splitter is at the right, across the full height.
    EXPECT_EQ(pBar->GetRowSplitterRect().right, rcWnd.Width());
    EXPECT_EQ(HitAt(pBar, pBar->GetRowSplitterRect().CenterPoint()), HTRIGHT);
}

TEST_F(ControlBarGeometry, ASizeMessageWithANegativeClientLeavesTheChildWithinTheClient)
{
    CHostResizableBar* pBar = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Left");
    ASSERT_NE(pBar, nullptr);
    // A bar created smaller than its frame gets a negative client, which WM_SIZE carries as 16-bit words
    // (65534 for -2): the child must not become 65534 pixels large.
    pBar->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(0xFFFE, 0xFFFE));
    CRect rcClient, rcChild;
    pBar->GetClientRect(&rcClient);
    pBar->m_wndChild.GetWindowRect(&rcChild);
    EXPECT_LE(rcChild.Width(), rcClient.Width());
    EXPECT_LE(rcChild.Height(), rcClient.Height());
}

TEST_F(ControlBarGeometry, TwoBarsInARowHaveTheFarAndNearSplitters)
{
    CHostResizableBar* pA = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, L"A");
    CHostResizableBar* pB = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, L"B", pA);
    ASSERT_NE(pB, nullptr);
    m_pFrame->RecalcLayout();
    ASSERT_EQ(pA->GetParent(), pB->GetParent());
    CArray<CControlBar*, CControlBar*> row;
    pA->GetRowBars(row);
    ASSERT_EQ(row.GetSize(), 2);
    EXPECT_FALSE(pA->GetSplitterAfterRect().IsRectEmpty());
    EXPECT_FALSE(pB->GetSplitterBeforeRect().IsRectEmpty());
    EXPECT_TRUE(pB->GetSplitterAfterRect().IsRectEmpty());
    EXPECT_EQ(HitAt(pA, pA->GetSplitterAfterRect().CenterPoint()), HTRIGHT);
    EXPECT_EQ(HitAt(pB, pB->GetSplitterBeforeRect().CenterPoint()), HTLEFT);
    // Both at their minimum: the splitters between them no longer move.
    pA->m_sizeHorzDocked.cx = pA->CalcMinWidth();
    pB->m_sizeHorzDocked.cx = pB->CalcMinWidth();
    EXPECT_EQ(HitAt(pA, pA->GetSplitterAfterRect().CenterPoint()), HTCLIENT);
    EXPECT_EQ(HitAt(pB, pB->GetSplitterBeforeRect().CenterPoint()), HTCLIENT);
}

TEST_F(ControlBarGeometry, OnlyTheCloseButtonShowsWithoutAutoHideAreas)
{
    CHostResizableBar* pBar = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, L"Top");
    ASSERT_NE(pBar, nullptr);
    ASSERT_EQ(pBar->NcButtonGetCount(), 3);
    EXPECT_TRUE(pBar->NcButtonGet(0)->IsKindOf(RUNTIME_CLASS(CExtBarNcAreaButtonClose)));
    EXPECT_TRUE(pBar->NcButtonGet(0)->IsVisible());
    EXPECT_FALSE(pBar->NcButtonGet(1)->IsVisible());
    EXPECT_FALSE(pBar->NcButtonGet(2)->IsVisible());
    // A square at the caption's right end: deflated by 2 and 3, moved one pixel left.
    const CRect rcCaption = pBar->GetCaptionRect();
    const CRect rcBtn = pBar->NcButtonGet(0)->m_rc;
    EXPECT_EQ(rcBtn.Width(), rcBtn.Height());
    EXPECT_EQ(rcBtn.right, rcCaption.right - 2 - 1);
    EXPECT_EQ(rcBtn.top, rcCaption.top + 3);
    EXPECT_EQ(rcBtn.Height(), rcCaption.Height() - 6);
}

TEST_F(ControlBarGeometry, ButtonsLineUpLeftwardsWithThreePixelGaps)
{
    CHostResizableBar* pBar = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, L"Top");
    ASSERT_NE(pBar, nullptr);
    CExtBarNcAreaButton* pFirst = pBar->NcButtonGet(0);
    CExtBarNcAreaButtonClose second(pBar);
    second.LayoutRect(pFirst);
    EXPECT_EQ(second.m_rc.right, pFirst->m_rc.left - 3);
    EXPECT_EQ(second.m_rc.Width(), pFirst->m_rc.Width());
    // The caption text stops before the last visible button.
    CRect rcText = pBar->GetCaptionRect();
    pBar->CalcNcButtonsExtent(rcText);
    EXPECT_EQ(rcText.right, pFirst->m_rc.left - 1);
}

TEST_F(ControlBarGeometry, AHoveredButtonIsPressedOnlyWhileTheLeftButtonAloneIsDown)
{
    m_pFrame->ShowWindow(SW_SHOWNORMAL);
    CHostResizableBar* pBar = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, L"Top");
    ASSERT_NE(pBar, nullptr);
    ShowAndPaint(m_pFrame);
    CExtBarNcAreaButton* pClose = pBar->NcButtonGet(0);
    const CRect rcWnd = WindowRectOf(pBar);
    const CPoint ptScreen = pClose->m_rc.CenterPoint() + rcWnd.TopLeft();
    const CPoint ptWindow = pClose->m_rc.CenterPoint();
    bool bPressedLeft = false, bPressedBoth = false, bHover = false;
    // The right button is kept down for the check here; it is released off the frame, so no context menu opens.
    RunInputScriptKeepingHeld([&]() {
        SendMouse(ptScreen.x, ptScreen.y, 0);
        SendMouse(ptScreen.x, ptScreen.y, MOUSEEVENTF_RIGHTDOWN);
        EXPECT_TRUE(WaitFor([]() { return (::GetAsyncKeyState(VK_RBUTTON) & 0x8000) != 0; }));
    });
    // The right button is down: hover without press.
    pClose->HitTest(ptWindow);
    bHover = (pClose->m_bfState & CExtBarNcAreaButton::kHover) != 0;
    bPressedBoth = (pClose->m_bfState & CExtBarNcAreaButton::kPressed) != 0;
    RunInputScript([&]() {
        SendMouse(1100, 950, MOUSEEVENTF_RIGHTUP);
        EXPECT_TRUE(WaitFor([]() { return (::GetAsyncKeyState(VK_RBUTTON) & 0x8000) == 0; }));
    });
    ::ReleaseCapture();
    // Only the left button: hover and press. The button state is probed without releasing the
    // press over the button, so no click hides the bar.
    RunInputScriptKeepingHeld([&]() {
        SendMouse(1100, 950, MOUSEEVENTF_LEFTDOWN);
        EXPECT_TRUE(WaitFor([]() { return (::GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0; }));
    });
    pClose->HitTest(ptWindow);
    bPressedLeft = (pClose->m_bfState & CExtBarNcAreaButton::kPressed) != 0;
    RunInputScript([&]() {
        SendMouse(1100, 950, MOUSEEVENTF_LEFTUP);
        EXPECT_TRUE(WaitFor([]() { return (::GetAsyncKeyState(VK_LBUTTON) & 0x8000) == 0; }));
    });
    EXPECT_TRUE(bHover);
    EXPECT_FALSE(bPressedBoth);
    EXPECT_TRUE(bPressedLeft);
    pClose->HitTest(CPoint(-100, -100));
    EXPECT_EQ(pClose->m_bfState & (CExtBarNcAreaButton::kHover | CExtBarNcAreaButton::kPressed), 0);
}

TEST_F(ControlBarGeometry, TwoAndThreeBarsShareTheRowByOnePixelSteps)
{
    CHostResizableBar* pA = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, L"A");
    CHostResizableBar* pB = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, L"B", pA);
    ASSERT_NE(pB, nullptr);
    CDockBar* pDock = static_cast<CDockBar*>(pA->GetParent());
    auto rowLength = [&]() {
        CRect rc;
        pDock->GetClientRect(&rc);
        return rc.Width();
    };
    auto check = [&](std::initializer_list<CHostResizableBar*> bars) {
        m_pFrame->RecalcLayout();
        int nSum = 0;
        for (CHostResizableBar* p : bars)
        {
            EXPECT_GE(p->m_sizeHorzDocked.cx, p->CalcMinWidth());
            nSum += p->m_sizeHorzDocked.cx;
        }
        EXPECT_EQ(nSum + 2 * ::GetSystemMetrics(SM_CXBORDER), rowLength());
    };
    check({pA, pB});
    CHostResizableBar* pC = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, L"C", pB);
    ASSERT_NE(pC, nullptr);
    check({pA, pB, pC});
    // A bar asking for more than the row takes the rest, the others keep their minimum.
    pC->m_sizeHorzDocked.cx = 5000;
    check({pA, pB, pC});
}

TEST_F(ControlBarGeometry, AFixedSizeBarFloatingHasItsWholeWindowAsClient)
{
    CHostFixedBar* pBar = m_pFrame->AddFixedBar(AFX_IDW_DOCKBAR_TOP, L"Tools");
    ASSERT_NE(pBar, nullptr);
    m_pFrame->FloatControlBar(pBar, CPoint(300, 300));
    ASSERT_TRUE(CExtControlBar::IsFloating(pBar));
    pBar->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    EXPECT_EQ(WindowRectOf(pBar), ClientScreenRectOf(pBar));
    EXPECT_EQ(pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(WindowRectOf(pBar).left + 2, WindowRectOf(pBar).top + 2)),
              HTCLIENT);
}

TEST_F(ControlBarGeometry, TheRowSplitterFacesTheFrameCentreOnEverySide)
{
    struct Side
    {
        UINT nID;
        LRESULT nHit;
    };
    const Side sides[4] = {{AFX_IDW_DOCKBAR_TOP, HTBOTTOM},
                           {AFX_IDW_DOCKBAR_BOTTOM, HTBOTTOM},
                           {AFX_IDW_DOCKBAR_LEFT, HTRIGHT},
                           {AFX_IDW_DOCKBAR_RIGHT, HTRIGHT}};
    for (const Side& side : sides)
    {
        CHostResizableBar* pBar = m_pFrame->AddResizableBar(side.nID, L"Side");
        ASSERT_NE(pBar, nullptr);
        const CRect rcWnd(CPoint(0, 0), WindowRectOf(pBar).Size());
        const CRect rcRow = pBar->GetRowSplitterRect();
        ASSERT_FALSE(rcRow.IsRectEmpty()) << side.nID;
        switch (side.nID)
        {
        case AFX_IDW_DOCKBAR_TOP: EXPECT_EQ(rcRow.bottom, rcWnd.bottom); break;
        case AFX_IDW_DOCKBAR_BOTTOM: EXPECT_EQ(rcRow.top, 0); break;
        case AFX_IDW_DOCKBAR_LEFT: EXPECT_EQ(rcRow.right, rcWnd.right); break;
        default: EXPECT_EQ(rcRow.left, 0); break;
        }
        EXPECT_EQ(HitAt(pBar, rcRow.CenterPoint()), side.nHit) << side.nID;
        EXPECT_TRUE(pBar->GetSplitterAfterRect().IsRectEmpty()) << side.nID;
    }
}

TEST_F(ControlBarGeometry, ARowWhoseMinimumsDoNotFitBreaksBeforeTheBarThatOverflows)
{
    CHostResizableBar* pA = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, L"A");
    CHostResizableBar* pB = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, L"B", pA);
    CHostResizableBar* pC = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, L"C", pB);
    ASSERT_NE(pC, nullptr);
    CDockBar* pDock = static_cast<CDockBar*>(pA->GetParent());
    auto rowOf = [pDock](CControlBar* pBar) {
        int nRow = 0;
        for (int i = 0; i < pDock->FindBar(pBar); ++i)
            nRow += pDock->m_arrBars[i] == nullptr ? 1 : 0;
        return nRow;
    };
    ASSERT_EQ(rowOf(pB), rowOf(pA));
    ASSERT_EQ(rowOf(pC), rowOf(pA));
    // The 640-pixel frame has room for two minimums of 250 and not for three.
    for (CHostResizableBar* p : {pA, pB, pC})
        p->m_nMinLength = 250;
    const int nMin = pA->CalcMinWidth();
    ASSERT_GE(nMin, 250);
    m_pFrame->RecalcLayout();
    m_pFrame->RecalcLayout();
    EXPECT_EQ(rowOf(pB), rowOf(pA));
    EXPECT_EQ(rowOf(pC), rowOf(pA) + 1);
    EXPECT_GE(pA->m_sizeHorzDocked.cx, nMin);
    EXPECT_GE(pB->m_sizeHorzDocked.cx, nMin);
    EXPECT_GE(WindowRectOf(pC).top, WindowRectOf(pA).bottom);
}

TEST_F(ControlBarGeometry, OnlyBarsAboveTheirMinimumTakeOrGiveTheRowsPixels)
{
    CHostResizableBar* pA = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, L"A");
    CHostResizableBar* pB = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, L"B", pA);
    ASSERT_NE(pB, nullptr);
    m_pFrame->RecalcLayout();
    const int nMin = pA->CalcMinWidth();
    CRect rc;
    static_cast<CDockBar*>(pA->GetParent())->GetClientRect(&rc);
    const int nRow = rc.Width() - 2 * ::GetSystemMetrics(SM_CXBORDER);
    // Shrinking and growing: A at its minimum keeps it, B takes the whole difference.
    for (const int nB : {5000, nMin + 10})
    {
        pA->m_sizeHorzDocked.cx = nMin;
        pB->m_sizeHorzDocked.cx = nB;
        m_pFrame->RecalcLayout();
        EXPECT_EQ(pA->m_sizeHorzDocked.cx, nMin) << nB;
        EXPECT_EQ(pB->m_sizeHorzDocked.cx, nRow - nMin) << nB;
    }
    // Both at their minimum: the last bar takes the surplus.
    pA->m_sizeHorzDocked.cx = nMin;
    pB->m_sizeHorzDocked.cx = pB->CalcMinWidth();
    m_pFrame->RecalcLayout();
    EXPECT_EQ(pA->m_sizeHorzDocked.cx, nMin);
    EXPECT_EQ(pB->m_sizeHorzDocked.cx, nRow - nMin);
}
