// Splitter drags with real mouse input on a shown host: row limits, in-row neighbours, the near
// splitter, cancelling and live resizing; the tracking cursors; the dock bar's painted face.
#include "DockBarsFixture.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

namespace
{
// A resizable bar whose splitters resize live.
class CLiveBar : public CHostResizableBar
{
public:
    bool IsLiveResizeModeRowExtent() const override { return true; }
    bool IsLiveResizeModeInRow() const override { return true; }
};

class SplitterTracking : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CDockingHostFrame;
        ASSERT_TRUE(m_pFrame->CreateHost(60, 60, 640, 480, true));
        m_pA = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, L"A");
        m_pB = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, L"B", m_pA);
        ASSERT_NE(m_pB, nullptr);
        CArray<CControlBar*, CControlBar*> row;
        m_pA->GetRowBars(row);
        ASSERT_EQ(row.GetSize(), 2);
        ASSERT_TRUE(ShowInFront(m_pFrame));
    }
    void TearDown() override { m_pFrame->DestroyWindow(); }
    // The centre of a splitter rectangle (window coordinates of pBar) on the screen.
    static CPoint Centre(CExtControlBar* pBar, const CRect& rcSplitter)
    {
        return rcSplitter.CenterPoint() + WindowRectOf(pBar).TopLeft();
    }
    // Presses at ptFrom on a splitter of pBar, which starts its tracking loop, moves to ptTo; during runs (on the
    // script thread) before the release; bEscape presses Esc before the release, which ends the loop.
    void Drag(CExtControlBar* pBar, CPoint ptFrom, CPoint ptTo, bool bEscape = false,
              const std::function<void()>& during = nullptr)
    {
        const BYTE nTracking = CExtControlBar::kTrackRowExtent | CExtControlBar::kTrackInRow;
        RunInputScript([&]() {
            SendMouse(ptFrom.x, ptFrom.y, 0);
            SendMouse(ptFrom.x, ptFrom.y, MOUSEEVENTF_LEFTDOWN);
            // The press starts the tracking loop; it takes the capture before it waits.
            ASSERT_TRUE(WaitFor([&]() { return (pBar->m_bfTracking & nTracking) != 0; }));
            ASSERT_TRUE(WaitForWindowThread(pBar->GetSafeHwnd()));
            // Each move is handled (the step is taken) before the next input goes.
            SendMouse((ptFrom.x + ptTo.x) / 2, (ptFrom.y + ptTo.y) / 2, 0);
            SendMouse(ptTo.x, ptTo.y, 0);
            if (during)
                during();
            if (bEscape)
            {
                SendKeyInput(VK_ESCAPE, true);
                SendKeyInput(VK_ESCAPE, false);
                EXPECT_TRUE(WaitFor([&]() { return (pBar->m_bfTracking & nTracking) == 0; }));
            }
            SendMouse(ptTo.x, ptTo.y, MOUSEEVENTF_LEFTUP);
            EXPECT_TRUE(WaitFor([&]() { return (pBar->m_bfTracking & nTracking) == 0; }));
        });
        PumpMessages();
    }
    CDockingHostFrame* m_pFrame = nullptr;
    CHostResizableBar* m_pA = nullptr;
    CHostResizableBar* m_pB = nullptr;
};
} // namespace

TEST_F(SplitterTracking, ARowStaysBetweenTwiceTheMinimumAndTheDockSiteLessOneMinimum)
{
    const int nMin = m_pA->CalcMinHeight();
    const CRect rcSite = WindowRectOf(m_pFrame);
    ASSERT_FALSE(m_pA->GetRowSplitterRect().IsRectEmpty());
    CPoint pt = Centre(m_pA, m_pA->GetRowSplitterRect());
    Drag(m_pA, pt, CPoint(pt.x, rcSite.bottom + 300));
    EXPECT_EQ(m_pA->m_sizeHorzDocked.cy, rcSite.Height() - nMin);
    EXPECT_EQ(m_pB->m_sizeHorzDocked.cy, rcSite.Height() - nMin);
    EXPECT_EQ(m_pA->m_bfTracking & CExtControlBar::kTrackRowExtent, 0);
    // Pressing the same place again must not make a double click: the double-click time passes first.
    ::Sleep(::GetDoubleClickTime() + 50);
    m_pA->m_sizeHorzDocked.cy = m_pB->m_sizeHorzDocked.cy = 150;
    m_pFrame->RecalcLayout();
    PumpMessages();
    pt = Centre(m_pA, m_pA->GetRowSplitterRect());
    Drag(m_pA, pt, CPoint(pt.x, WindowRectOf(m_pA).top - 50));
    EXPECT_EQ(m_pA->m_sizeHorzDocked.cy, 2 * nMin);
}

TEST_F(SplitterTracking, ACancelledDragLeavesEverySize)
{
    const CSize sizeA = m_pA->m_sizeHorzDocked, sizeB = m_pB->m_sizeHorzDocked;
    const CPoint pt = Centre(m_pA, m_pA->GetRowSplitterRect());
    Drag(m_pA, pt, CPoint(pt.x, pt.y + 60), true);
    EXPECT_EQ(CSize(m_pA->m_sizeHorzDocked), sizeA);
    EXPECT_EQ(CSize(m_pB->m_sizeHorzDocked), sizeB);
    EXPECT_EQ(m_pA->m_bfTracking & CExtControlBar::kTrackRowExtent, 0);
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(SplitterTracking, AnInRowSplitterStopsAtANeighbourAtItsMinimum)
{
    m_pB->m_nMinLength = m_pB->m_sizeHorzDocked.cx;
    const int nA = m_pA->m_sizeHorzDocked.cx, nB = m_pB->m_sizeHorzDocked.cx;
    ASSERT_FALSE(m_pA->GetSplitterAfterRect().IsRectEmpty());
    const CPoint pt = Centre(m_pA, m_pA->GetSplitterAfterRect());
    Drag(m_pA, pt, CPoint(pt.x + 100, pt.y));
    EXPECT_EQ(m_pA->m_sizeHorzDocked.cx, nA);
    EXPECT_EQ(m_pB->m_sizeHorzDocked.cx, nB);
}

TEST_F(SplitterTracking, TheNearSplitterTakesLengthFromThePreviousBar)
{
    const int nA = m_pA->m_sizeHorzDocked.cx, nB = m_pB->m_sizeHorzDocked.cx;
    ASSERT_FALSE(m_pB->GetSplitterBeforeRect().IsRectEmpty());
    const CPoint pt = Centre(m_pB, m_pB->GetSplitterBeforeRect());
    Drag(m_pB, pt, CPoint(pt.x - 40, pt.y));
    EXPECT_NEAR(m_pA->m_sizeHorzDocked.cx, nA - 40, 3);
    EXPECT_EQ(m_pA->m_sizeHorzDocked.cx + m_pB->m_sizeHorzDocked.cx, nA + nB);
}

TEST_F(SplitterTracking, ALiveBarFollowsTheMouse)
{
    auto* pLive = new CLiveBar;
    m_pFrame->m_arrBars.push_back(pLive);
    ASSERT_TRUE(pLive->CreateInFrame(m_pFrame, m_pFrame->m_nNextId++, L"Live"));
    m_pFrame->DockControlBar(pLive, AFX_IDW_DOCKBAR_BOTTOM);
    ASSERT_TRUE(ShowInFront(m_pFrame));
    const CPoint pt = Centre(pLive, pLive->GetRowSplitterRect());
    const int nTop = WindowRectOf(pLive).top;
    const int nBefore = pLive->m_sizeHorzDocked.cy;
    bool bFollowed = false;
    // Bottom row: 40 pixels up makes the row 40 thicker while the button is still down.
    Drag(pLive, pt, CPoint(pt.x, pt.y - 40), false,
         [&]() { bFollowed = WaitFor([&]() { return std::abs(pLive->m_sizeHorzDocked.cy - (nBefore + 40)) <= 2; }); });
    EXPECT_TRUE(bFollowed) << pLive->m_sizeHorzDocked.cy << " from " << nBefore << " top " << nTop;
}

TEST(SplitterCursor, TheTrackingCursorsFollowTheSideAndTheSplitter)
{
    auto* pFrame = new CDockingHostFrame;
    ASSERT_TRUE(pFrame->CreateHost());
    CHostResizableBar* pTop = pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, L"T");
    CHostResizableBar* pLeft = pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"L");
    ASSERT_NE(pLeft, nullptr);
    struct
    {
        CHostResizableBar* pBar;
        BYTE nBit;
        HCURSOR hExpected;
    } cases[] = {{pTop, CExtControlBar::kTrackRowExtent, CExtControlBar::g_hCursorResizeV},
                 {pTop, CExtControlBar::kTrackInRow, CExtControlBar::g_hCursorResizeH},
                 {pLeft, CExtControlBar::kTrackRowExtent, CExtControlBar::g_hCursorResizeH},
                 {pLeft, CExtControlBar::kTrackInRow, CExtControlBar::g_hCursorResizeV}};
    for (const auto& c : cases)
    {
        ::SetCursor(CExtControlBar::g_hCursorArrow);
        c.pBar->m_bfTracking |= c.nBit;
        c.pBar->UpdateCursorAt(CPoint(1, 1));
        c.pBar->m_bfTracking &= ~c.nBit;
        EXPECT_EQ(::GetCursor(), c.hExpected);
    }
    pFrame->DestroyWindow();
}

TEST(DockBarPaint, TheEmptyPartOfADockBarShowsTheFaceColour)
{
    auto* pFrame = new CDockingHostFrame;
    ASSERT_TRUE(pFrame->CreateHost(60, 60, 640, 480, true));
    ASSERT_TRUE(CExtControlBar::SetupFrameDocking(pFrame));
    CHostFixedBar* pTools = pFrame->AddFixedBar(AFX_IDW_DOCKBAR_TOP, L"Tools", 2);
    ASSERT_NE(pTools, nullptr);
    ShowAndPaint(pFrame);
    CWnd* pDock = pTools->GetParent();
    pDock->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const CRect rcDock = ClientScreenRectOf(pDock);
    const CRect rcTools = WindowRectOf(pTools);
    ASSERT_GT(rcDock.right - rcTools.right, 20);
    const COLORREF clrFace = g_PaintManagerHolder->GetTranslatedColor(COLOR_3DFACE, pDock);
    const CPoint pt(rcTools.right + 10, rcDock.CenterPoint().y);
    EXPECT_TRUE(WaitFor([&]() { return ScreenPixel(pt.x, pt.y) == clrFace; }));
    EXPECT_EQ(ScreenPixel(rcDock.right - 3, rcDock.top + 1), clrFace);
    pFrame->DestroyWindow();
}

TEST_F(SplitterTracking, ARowSplitterMovesByWhatThePointerMovedWhenTheStoredThicknessIsNotLaidOutYet)
{
    // A bottom row: the drag works from the far edge, so the row's extent counts.
    CHostResizableBar* pBottom = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_BOTTOM, L"Bottom");
    ASSERT_TRUE(ShowInFront(m_pFrame));
    const int nShown = WindowRectOf(pBottom).Height();
    // The stored thickness changes; the layout that shows it has not run.
    pBottom->m_sizeHorzDocked.cy = nShown + 120;
    ASSERT_EQ(WindowRectOf(pBottom).Height(), nShown);
    const CPoint pt = Centre(pBottom, pBottom->GetRowSplitterRect());
    Drag(pBottom, pt, CPoint(pt.x, pt.y - 30));
    m_pFrame->RecalcLayout();
    PumpMessages();
    EXPECT_NEAR(WindowRectOf(pBottom).Height(), nShown + 30, 3);
}

TEST_F(SplitterTracking, TheRowSplitterOfABarNotFirstInItsRowMovesTheRowsEdgeByWhatThePointerMoved)
{
    // B follows A in the top row; L2 follows L1 in a left column.
    CHostResizableBar* pL1 = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"L1");
    CHostResizableBar* pL2 = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"L2", pL1);
    ASSERT_NE(pL2, nullptr);
    CArray<CControlBar*, CControlBar*> column;
    pL1->GetRowBars(column);
    ASSERT_EQ(column.GetSize(), 2);
    ASSERT_TRUE(ShowInFront(m_pFrame));
    for (const int nBy : {30, -30})
    {
        ASSERT_FALSE(m_pB->GetSplitterBeforeRect().IsRectEmpty());
        const int nBottom = WindowRectOf(m_pB).bottom;
        CPoint pt = Centre(m_pB, m_pB->GetRowSplitterRect());
        Drag(m_pB, pt, CPoint(pt.x, pt.y + nBy));
        EXPECT_TRUE(WaitFor([&]() { return std::abs(WindowRectOf(m_pB).bottom - (nBottom + nBy)) <= 2; }))
            << "the row's edge went from " << nBottom << " to " << WindowRectOf(m_pB).bottom << " by " << nBy;

        ASSERT_FALSE(pL2->GetSplitterBeforeRect().IsRectEmpty());
        const int nRight = WindowRectOf(pL2).right;
        pt = Centre(pL2, pL2->GetRowSplitterRect());
        Drag(pL2, pt, CPoint(pt.x + nBy, pt.y));
        EXPECT_TRUE(WaitFor([&]() { return std::abs(WindowRectOf(pL2).right - (nRight + nBy)) <= 2; }))
            << "the column's edge went from " << nRight << " to " << WindowRectOf(pL2).right << " by " << nBy;
    }
}
