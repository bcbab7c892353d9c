// Where a dragged resizable bar would land: bands of a docked target, the outermost and innermost circles, the
// marker style, live mode and the floating rectangle, computed at exact points of a real frame.
#include "DockingDragFixture.h"

using DockingCalcTarget = DockingDragFixture;

TEST_F(DockingCalcTarget, TheTopBandsOfATargetMeanTabbingThenDockingAboveAndTheOtherSidesBeside)
{
    const CRect R = WindowRectOf(m_pA);
    const int cx = R.CenterPoint().x, cy = R.CenterPoint().y;
    State s = Calc(m_pB, cx, R.top + 5);
    EXPECT_EQ(s.m_nTargetKind, State::kTabAppend); // no tab strip is visible yet
    EXPECT_EQ(s.m_pBarTarget, m_pA);
    EXPECT_EQ(s.m_rcTrack, R);
    EXPECT_EQ(Calc(m_pB, cx, R.top + 31).m_nTargetKind, State::kTabAppend);
    s = Calc(m_pB, cx, R.top + 32);
    EXPECT_EQ(s.m_nTargetKind, 1);
    EXPECT_EQ(s.m_rcTrack, CRect(R.left, R.top, R.right, R.top + R.Height() / 2));
    EXPECT_EQ(Calc(m_pB, cx, R.top + 63).m_nTargetKind, 1);
    s = Calc(m_pB, cx, R.bottom - 10); // the lowest pixels are the outermost circle's band
    EXPECT_EQ(s.m_nTargetKind, 2);
    EXPECT_EQ(s.m_rcTrack, CRect(R.left, R.top + R.Height() / 2, R.right, R.bottom));
    s = Calc(m_pB, R.left + 5, cy);
    EXPECT_EQ(s.m_nTargetKind, 3);
    EXPECT_EQ(s.m_rcTrack, CRect(R.left, R.top, R.left + R.Width() / 2, R.bottom));
    EXPECT_EQ(Calc(m_pB, R.right - 1, cy).m_nTargetKind, 4);
    // Its own window means staying.
    EXPECT_EQ(Calc(m_pA, cx, cy).m_nTargetKind, State::kStay);

    // Without tabbing the top band already docks above.
    m_pB->m_bNoMarkerDocking = true;
    EXPECT_EQ(Calc(m_pB, cx, R.top + 5).m_nTargetKind, 1);
    EXPECT_EQ(Calc(m_pB, cx, R.top + 32).m_nTargetKind, State::kFloat);
}

TEST_F(DockingCalcTarget, ATargetWithAMinimumAboveSixtyFourCannotBeSplitThatWay)
{
    const CRect R = WindowRectOf(m_pA);
    const int cx = R.CenterPoint().x, cy = R.CenterPoint().y;
    m_pA->m_nMinLength = 65; // both minimums above 64
    EXPECT_EQ(Calc(m_pB, cx, R.top + 40).m_nTargetKind, State::kFloat);
    EXPECT_EQ(Calc(m_pB, R.left + 5, cy).m_nTargetKind, State::kFloat);
    m_pA->m_nMinLength = 64;
    EXPECT_EQ(Calc(m_pB, cx, R.top + 40).m_nTargetKind, 1);
    EXPECT_EQ(Calc(m_pB, R.left + 5, cy).m_nTargetKind, 3);
    // A target narrower than the dragged bar's minimum takes no top or bottom kind.
    m_pA->m_nMinLength = 0;
    m_pB->m_nMinLength = R.Width() + 1;
    EXPECT_EQ(Calc(m_pB, cx, R.top + 40).m_nTargetKind, State::kFloat);
}

TEST_F(DockingCalcTarget, NearTheEnclosedAreasEdgeTheOutermostCircleAndNearTheViewTheInnermost)
{
    const CRect E = Enclosed();
    ASSERT_FALSE(E.IsRectEmpty());
    const CRect V = WindowRectOf(&m_pFrame->m_wndView);
    const int x = V.CenterPoint().x;
    m_pA->m_sizeHorzDocked.cy = 77;
    // The bottom edge: 12 pixels over the bottom edge dock bar and 4 into the enclosed area.
    State s = Calc(m_pA, x, E.bottom - 4);
    EXPECT_EQ(s.m_nTargetKind, 10);
    EXPECT_EQ(s.m_nCircleNo, 1);
    EXPECT_EQ(s.m_rcTrack, CRect(E.left, E.bottom - 77, E.right, E.bottom));
    EXPECT_EQ(Calc(m_pA, x, E.bottom + 11).m_nTargetKind, 10);
    EXPECT_NE(Calc(m_pA, x, E.bottom - 5).m_nTargetKind, 10);
    // Within 12 pixels inside the view's bottom edge: the innermost circle.
    ASSERT_GT(E.bottom - 5, V.bottom - 12);
    s = Calc(m_pA, x, V.bottom - 12);
    EXPECT_EQ(s.m_nTargetKind, 6);
    EXPECT_EQ(s.m_rcTrack, CRect(V.left, V.bottom - 77, V.right, V.bottom));
    EXPECT_GE(s.m_nCircleNo, 2);
    EXPECT_EQ(Calc(m_pA, x, V.bottom - 13).m_nTargetKind, State::kFloat);
    // The right side of the view, its thickness capped at three quarters of the view.
    // (B's docked width takes no part in the layout while it sits at the top.)
    m_pB->m_sizeVertDocked.cx = 5000;
    s = Calc(m_pB, V.right - 8, V.CenterPoint().y);
    EXPECT_EQ(s.m_nTargetKind, 8);
    EXPECT_EQ(s.m_rcTrack, CRect(V.right - ::MulDiv(V.Width(), 3, 4), V.top, V.right, V.bottom));
    // A bar that may not dock at the bottom gets no bottom kinds.
    m_pA->m_dwDockStyle = CBRS_ALIGN_LEFT | CBRS_ALIGN_TOP;
    EXPECT_EQ(Calc(m_pA, x, E.bottom - 4).m_nTargetKind, State::kFloat);
}

TEST_F(DockingCalcTarget, OutsideEverythingTheBarFloatsAtTheGrabOffsetAndCtrlAlwaysFloats)
{
    const CRect rcFrame = WindowRectOf(m_pFrame);
    m_pA->m_ptGrabFloating = CPoint(10, 5);
    m_pA->m_sizeFloating = CSize(200, 150);
    const CPoint pt(rcFrame.right + 100, rcFrame.bottom + 50);
    State s = Calc(m_pA, pt.x, pt.y);
    EXPECT_EQ(s.m_nTargetKind, State::kFloat);
    EXPECT_EQ(s.m_pBarTarget, nullptr);
    CRect rcExpected(CPoint(pt.x - 10, pt.y - 5), CSize(200, 150));
    rcExpected.OffsetRect(SiteOrigin());
    EXPECT_EQ(s.m_rcTrack, rcExpected);
    // Ctrl keeps the bar floating over a target band.
    const CRect R = WindowRectOf(m_pB);
    EXPECT_EQ(Calc(m_pA, R.CenterPoint().x, R.top + 5, true).m_nTargetKind, State::kFloat);
}

TEST_F(DockingCalcTarget, InMarkerStyleOnlyTabKindsComeFromTheBandsAndLiveBarsOnlyJoinTheTargetsRow)
{
    const CRect R = WindowRectOf(m_pA);
    const CRect E = Enclosed();
    CExtControlBar::g_nDraggingStyleOverride = 1;
    EXPECT_EQ(Calc(m_pB, R.CenterPoint().x, R.top + 40).m_nTargetKind, State::kFloat);
    EXPECT_EQ(Calc(m_pB, R.CenterPoint().x, R.top + 5).m_nTargetKind, State::kFloat);
    EXPECT_EQ(Calc(m_pB, E.CenterPoint().x, E.bottom - 2).m_nTargetKind, State::kFloat);
    CExtControlBar::g_nDraggingStyleOverride = 0;
    // Live in tracker style (no tabbing then): the left target takes the bar into its column, not beside it.
    m_pB->m_bLiveDrag = true;
    EXPECT_EQ(Calc(m_pB, R.CenterPoint().x, R.top + 5).m_nTargetKind, 1);
    EXPECT_EQ(Calc(m_pB, R.left + 5, R.CenterPoint().y).m_nTargetKind, State::kFloat);
    // Inside its own dock bar the state is left as it was.
    State s(m_pB);
    s.SetEmpty(false);
    s.m_nTargetKind = 4;
    const CRect rcOwn = WindowRectOf(m_pB->m_pDockBar);
    s.CalcTarget(rcOwn.CenterPoint().x, rcOwn.CenterPoint().y, false);
    EXPECT_EQ(s.m_nTargetKind, 4);
}
