// Faults the docking run found when a bar floats out of a row: the bar left in the row stays shown.
#include "DockingRunFinds.h"

TEST_F(DockingRunFinds, ABarSqueezedAtTheEndOfARowFloatedByItsCaptionLeavesTheOtherBarOfTheRowShown)
{
    // Bottom: Epsilon with Alpha after it in its row, Alpha squeezed to a sliver at the row's end.
    CRect rcAfter = WindowRectOf(m_pE);
    rcAfter.left = rcAfter.right - 10;
    m_pFrame->DockControlBar(m_pA, m_pE->m_pDockBar, &rcAfter);
    Settle();
    m_pA->m_sizeHorzDocked.cx = 1;
    m_pFrame->RecalcLayout();
    Settle();
    ASSERT_TRUE(ShowInFront(m_pFrame));
    Rest();
    ASSERT_EQ(OuterSide(m_pA), (UINT)AFX_IDW_DOCKBAR_BOTTOM);
    ASSERT_EQ(WindowRectOf(m_pA).top, WindowRectOf(m_pE).top) << Describe();
    CPoint pt;
    ASSERT_TRUE(CaptionPoint(m_pA, pt));
    Click(pt, true);
    ASSERT_TRUE(WaitFor([&] { return CExtControlBar::IsFloating(m_pA); })) << Describe();
    Rest();
    EXPECT_TRUE(m_pE->IsWindowVisible()) << Describe();
    CheckLayout("after Alpha floated out of Epsilon's row");
}
