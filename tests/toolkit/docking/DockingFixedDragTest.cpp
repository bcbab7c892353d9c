// The drag of fixed test bars (tool-bar style): floating outside the frame, docking near an edge dock bar, moving
// along a row with the sizing cursor, and leaving a row for a new one, the neighbouring one or a swap.
#include "DockingDragFixture.h"

namespace
{
class DockingFixedDrag : public DockingDragFixture
{
protected:
    CHostFixedBar* DockedFixed(int nCells, UINT nSide = AFX_IDW_DOCKBAR_TOP)
    {
        CHostFixedBar* pBar = NewFixed(nCells);
        m_pFrame->DockControlBar(pBar, nSide);
        m_pFrame->RecalcLayout();
        pBar->m_ptGrabHorz = pBar->m_ptGrabVert = pBar->m_ptGrabFloating = CPoint(4, 4);
        return pBar;
    }
    void Drag(CExtControlBar* pBar, int x, int y)
    {
        State s(pBar);
        s.SetEmpty(false);
        s.CalcTarget(x, y, false);
        PumpMessages();
    }
    std::string Id(CControlBar* pBar) const { return "b" + std::to_string(pBar->GetDlgCtrlID()) + " "; }
};
} // namespace

TEST_F(DockingFixedDrag, MoreThanTwoPixelsOutsideTheFrameFloatsAndNearAnEdgeDockBarDocksThere)
{
    CHostFixedBar* pT = DockedFixed(6);
    const CRect rcFrame = WindowRectOf(m_pFrame);
    // The frame's last column is right - 1: right + 1 is two pixels outside.
    Drag(pT, rcFrame.right + 1, WindowRectOf(pT).CenterPoint().y);
    EXPECT_FALSE(CExtControlBar::IsFloating(pT));
    Drag(pT, rcFrame.right + 2, WindowRectOf(pT).CenterPoint().y);
    ASSERT_TRUE(CExtControlBar::IsFloating(pT));

    // Within 12 + 18 pixels of the left edge dock bar's inner edge it docks there.
    CExtDockBar* pLeft = Outer(AFX_IDW_DOCKBAR_LEFT);
    const int x0 = pLeft->IsWindowVisible() ? WindowRectOf(pLeft).right : rcFrame.left;
    const int y = WindowRectOf(&m_pFrame->m_wndView).CenterPoint().y;
    Drag(pT, x0 + 31, y);
    EXPECT_TRUE(CExtControlBar::IsFloating(pT));
    Drag(pT, x0 + 29, y);
    EXPECT_EQ(CExtControlBar::GetDockBarId(pT), (UINT)AFX_IDW_DOCKBAR_LEFT);
    EXPECT_EQ(pT->m_pDockBar, pLeft);
}

TEST_F(DockingFixedDrag, InsideItsRowTheBarMovesAlongItWithTheSizingCursor)
{
    CHostFixedBar* pT = DockedFixed(6);
    const CRect rc = WindowRectOf(pT);
    CExtControlBar::g_DragStateShown.m_nCursorKind = 0;
    Drag(pT, rc.left + 4 + 40, rc.CenterPoint().y);
    EXPECT_NEAR(WindowRectOf(pT).left, rc.left + 40, 2);
    EXPECT_EQ(CExtControlBar::g_DragStateShown.m_nCursorKind, 1);
    EXPECT_EQ(CExtControlBar::GetDockBarId(pT), (UINT)AFX_IDW_DOCKBAR_TOP);
    CExtControlBar::g_DragStateShown.m_nCursorKind = 0;
}

TEST_F(DockingFixedDrag, LeavingItsRowMakesANewRowAndComingBackJoinsTheRowWithRoom)
{
    CHostFixedBar* p1 = DockedFixed(6);
    CHostFixedBar* p2 = DockedFixed(6);
    CExtDockBar* pTop = Outer(AFX_IDW_DOCKBAR_TOP);
    MakeOneRow(pTop, {p1, p2});
    m_pFrame->RecalcLayout();
    ASSERT_EQ(Entries(pTop), "|" + Id(p1) + Id(p2) + "|");
    const CRect rcRow = WindowRectOf(p2);
    Drag(p2, rcRow.left + 4, rcRow.bottom + 1);
    EXPECT_EQ(Entries(pTop), "|" + Id(p1) + "|" + Id(p2) + "|");
    const CRect rc2 = WindowRectOf(p2);
    EXPECT_GE(rc2.top, rcRow.bottom - 1);
    Drag(p2, rc2.left + 4, rc2.top + 1);
    EXPECT_EQ(Entries(pTop), "|" + Id(p1) + Id(p2) + "|");
}

TEST_F(DockingFixedDrag, ABarAloneInItsRowSwapsRowsWhenTheNeighbourHasNoRoomOnceItCrossesItsMiddle)
{
    CHostFixedBar* p1 = DockedFixed(26);
    CHostFixedBar* p2 = DockedFixed(6);
    p1->m_nMinWidthBase = 560;
    p2->m_nMinWidthBase = 100;
    CExtDockBar* pTop = Outer(AFX_IDW_DOCKBAR_TOP);
    m_pFrame->RecalcLayout();
    ASSERT_EQ(Entries(pTop), "|" + Id(p1) + "|" + Id(p2) + "|");
    const CRect r1 = WindowRectOf(p1);
    const int x = WindowRectOf(p2).left + 4;
    Drag(p2, x, r1.bottom - 2);
    EXPECT_EQ(Entries(pTop), "|" + Id(p1) + "|" + Id(p2) + "|");
    Drag(p2, x, r1.CenterPoint().y - 1);
    EXPECT_EQ(Entries(pTop), "|" + Id(p2) + "|" + Id(p1) + "|");
}
