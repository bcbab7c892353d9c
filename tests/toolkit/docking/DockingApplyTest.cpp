// Carrying out drag states: each kind from a constructed state, the 50 % split into a container, a container that
// cannot be created, a tab group that cannot be created, and docking beside a bar through a built state.
#include "DockingDragFixture.h"

namespace
{
class DockingApply : public DockingDragFixture
{
protected:
    State Make(CExtControlBar* pSource, int nKind, CExtControlBar* pTarget = nullptr, CRect rc = CRect(0, 0, 0, 0))
    {
        State s(pSource);
        s.SetEmpty(false);
        s.m_nTargetKind = nKind;
        s.m_pBarTarget = pTarget;
        s.m_rcTrack = rc;
        return s;
    }
    static UINT CircleOf(CExtControlBar* pBar)
    {
        CExtDockBar* pDock = DYNAMIC_DOWNCAST(CExtDockBar, pBar->m_pDockBar);
        return pDock != nullptr ? pDock->m_nCircle : 0xFFFF;
    }
    // The container that holds pBar, NULL when it is not in one.
    static CExtDynControlBar* ContainerOf(CExtControlBar* pBar)
    {
        CWnd* pParent = pBar->GetParent();
        return pParent != nullptr ? DYNAMIC_DOWNCAST(CExtDynControlBar, pParent->GetParent()) : nullptr;
    }
};
} // namespace

TEST_F(DockingApply, ASplitPutsAContainerInTheTargetsPlaceWithTheInsertedBarFirstForTopAndLeft)
{
    // The inserted bar comes from the right side, which leaves the target's place as it is.
    CHostResizableBar* pC = NewResizable(L"C");
    ASSERT_TRUE(pC->DockAtSideCircle(AFX_IDW_DOCKBAR_RIGHT, 1, m_pFrame, true));
    CDockBar* pDock = m_pA->m_pDockBar;
    const int nPos = pDock->FindBar(m_pA);
    const CRect R = WindowRectOf(m_pA);
    ASSERT_TRUE(m_pA->DockBesideBar(pC, AFX_IDW_DOCKBAR_TOP, 50));
    CExtDynControlBar* pDyn = ContainerOf(m_pA);
    ASSERT_NE(pDyn, nullptr);
    EXPECT_EQ(ContainerOf(pC), pDyn);
    EXPECT_EQ(pDock->m_arrBars[nPos], pDyn);
    EXPECT_EQ(pDyn->m_pDockBar, pDock);
    EXPECT_EQ(WindowRectOf(pDyn), R);
    const std::string sExpected =
        "|b" + std::to_string(pC->GetDlgCtrlID()) + " |b" + std::to_string(m_pA->GetDlgCtrlID()) + " |";
    EXPECT_EQ(Entries(pDyn->m_pWndDynDocker), sExpected);
    const CRect rcB = WindowRectOf(pC), rcA = WindowRectOf(m_pA);
    EXPECT_EQ(rcB.top, R.top);
    EXPECT_LE(rcB.bottom, rcA.top);
    EXPECT_NEAR(rcB.Height(), rcA.Height(), 4);
    EXPECT_NEAR(rcB.Height(), R.Height() / 2, 4);
}

TEST_F(DockingApply, ARightSplitKeepsTheTargetFirstAndHalvesTheWidth)
{
    CHostResizableBar* pC = NewResizable(L"C");
    ASSERT_TRUE(pC->DockAtSideCircle(AFX_IDW_DOCKBAR_RIGHT, 1, m_pFrame, true));
    const CRect R = WindowRectOf(m_pA);
    ASSERT_TRUE(m_pA->DockBesideBar(pC, AFX_IDW_DOCKBAR_RIGHT, 50));
    CExtDynControlBar* pDyn = ContainerOf(m_pA);
    ASSERT_NE(pDyn, nullptr);
    const std::string sExpected =
        "|b" + std::to_string(m_pA->GetDlgCtrlID()) + " |b" + std::to_string(pC->GetDlgCtrlID()) + " |";
    EXPECT_EQ(Entries(pDyn->m_pWndDynDocker), sExpected);
    const CRect rcA = WindowRectOf(m_pA), rcB = WindowRectOf(pC);
    EXPECT_EQ(rcA.left, R.left);
    EXPECT_LE(rcA.right, rcB.left);
    EXPECT_NEAR(rcA.Width(), R.Width() / 2, 4);
    EXPECT_NEAR(rcB.Width(), R.Width() / 2, 4);
}

TEST_F(DockingApply, AContainerThatCannotBeCreatedLeavesTheLayoutAsItWas)
{
    const std::string sLeft = Entries(m_pA->m_pDockBar), sTop = Entries(m_pB->m_pDockBar);
    const CRect rcA = WindowRectOf(m_pA), rcB = WindowRectOf(m_pB);
    const int nContainers = CountContainers();
    {
        CRefuseWindows refuse;
        EXPECT_FALSE(m_pA->DockBesideBar(m_pB, AFX_IDW_DOCKBAR_LEFT, 50));
        State s = Make(m_pB, 3, m_pA);
        EXPECT_FALSE(m_pB->DockOrFloat(s, true));
    }
    EXPECT_EQ(Entries(m_pA->m_pDockBar), sLeft);
    EXPECT_EQ(Entries(m_pB->m_pDockBar), sTop);
    EXPECT_EQ(WindowRectOf(m_pA), rcA);
    EXPECT_EQ(WindowRectOf(m_pB), rcB);
    EXPECT_EQ(CountContainers(), nContainers);
}

TEST_F(DockingApply, FloatingStaysAndSidesTakeTheCircleOfTheirKind)
{
    // Kind 0: floats at the rectangle less the site's origin.
    const CPoint ptOrigin = SiteOrigin();
    State s = Make(m_pB, State::kFloat, nullptr, CRect(300 + ptOrigin.x, 200 + ptOrigin.y, 500, 400));
    ASSERT_TRUE(m_pB->DockOrFloat(s, true));
    ASSERT_TRUE(CExtControlBar::IsFloating(m_pB));
    EXPECT_EQ(WindowRectOf(m_pB->GetParentFrame()).TopLeft(), CPoint(300, 200));
    // Kind 6: the bottom side in the state's circle, as thick as the rectangle.
    s = Make(m_pB, 6, nullptr, CRect(0, 0, 100, 66));
    s.m_nCircleNo = 2;
    ASSERT_TRUE(m_pB->DockOrFloat(s, true));
    EXPECT_EQ(CExtControlBar::GetDockBarId(m_pB), (UINT)AFX_IDW_DOCKBAR_BOTTOM);
    EXPECT_EQ(CircleOf(m_pB), 2u);
    EXPECT_EQ(m_pB->m_sizeHorzDocked.cy, 66);
    // Kind 11: the left side in circle 1, the bars there moving one circle in.
    s = Make(m_pB, 11, nullptr, CRect(0, 0, 90, 100));
    s.m_nCircleNo = 1;
    ASSERT_TRUE(m_pB->DockOrFloat(s, true));
    EXPECT_EQ(CExtControlBar::GetDockBarId(m_pB), (UINT)AFX_IDW_DOCKBAR_LEFT);
    EXPECT_EQ(CircleOf(m_pB), 1u);
    EXPECT_EQ(CircleOf(m_pA), 2u);
    EXPECT_EQ(m_pB->m_sizeVertDocked.cx, 90);
    // Kind 13 changes nothing; an empty state is not carried out.
    const std::string sLeft = Entries(m_pB->m_pDockBar);
    s = Make(m_pB, State::kStay);
    EXPECT_TRUE(m_pB->DockOrFloat(s, true));
    EXPECT_EQ(Entries(m_pB->m_pDockBar), sLeft);
    s.SetEmpty(true);
    EXPECT_FALSE(m_pB->DockOrFloat(s, true));
}

TEST_F(DockingApply, MarkerKindsDockOnlyWhenFinal)
{
    State s = Make(m_pB, 17);
    ASSERT_TRUE(m_pB->DockOrFloat(s, false));
    EXPECT_EQ(CExtControlBar::GetDockBarId(m_pB), (UINT)AFX_IDW_DOCKBAR_TOP);
    ASSERT_TRUE(m_pB->DockOrFloat(s, true));
    EXPECT_EQ(CExtControlBar::GetDockBarId(m_pB), (UINT)AFX_IDW_DOCKBAR_RIGHT);
    EXPECT_EQ(CircleOf(m_pB), 1u);
    // The view's bottom marker: a new inner circle.
    s = Make(m_pB, 19);
    ASSERT_TRUE(m_pB->DockOrFloat(s, true));
    EXPECT_EQ(CExtControlBar::GetDockBarId(m_pB), (UINT)AFX_IDW_DOCKBAR_BOTTOM);
    EXPECT_GE(CircleOf(m_pB), 2u);
    // A bar's bottom marker: beside it, the target first.
    s = Make(m_pB, 23, m_pA);
    ASSERT_TRUE(m_pB->DockOrFloat(s, true));
    CExtDynControlBar* pDyn = ContainerOf(m_pA);
    ASSERT_NE(pDyn, nullptr);
    EXPECT_EQ(ContainerOf(m_pB), pDyn);
    EXPECT_LT(WindowRectOf(m_pA).top, WindowRectOf(m_pB).top);
}

TEST_F(DockingApply, TabKindsMakeOneTabGroupOfBothBars)
{
    for (int nKind : {26, 27})
    {
        SCOPED_TRACE(nKind);
        CHostResizableBar* pC = NewResizable(L"C");
        ASSERT_TRUE(pC->DockAtSideCircle(AFX_IDW_DOCKBAR_RIGHT, 1, m_pFrame, true));
        State s = Make(pC, nKind, m_pA);
        ASSERT_TRUE(pC->DockOrFloat(s, true));
        ASSERT_NE(pC->GetTabbedContainer(), nullptr);
        EXPECT_EQ(pC->GetTabbedContainer(), m_pA->GetTabbedContainer());
    }
}

TEST_F(DockingApply, ATabGroupThatCannotBeCreatedLeavesNeitherTheLayoutNorAnObjectBehind)
{
    const std::string sLeft = Entries(m_pA->m_pDockBar), sTop = Entries(m_pB->m_pDockBar);
    const CRect rcA = WindowRectOf(m_pA), rcB = WindowRectOf(m_pB);
    const INT_PTR nBars = CExtControlBar::g_arrAllControlBars.GetSize();
    {
        CRefuseWindows refuse;
        EXPECT_FALSE(m_pA->DockAsTabWith(m_pB, -1, true));
        State s = Make(m_pB, 27, m_pA);
        EXPECT_FALSE(m_pB->DockOrFloat(s, true));
    }
    EXPECT_EQ(Entries(m_pA->m_pDockBar), sLeft);
    EXPECT_EQ(Entries(m_pB->m_pDockBar), sTop);
    EXPECT_EQ(WindowRectOf(m_pA), rcA);
    EXPECT_EQ(WindowRectOf(m_pB), rcB);
    EXPECT_EQ(m_pA->GetTabbedContainer(), nullptr);
    EXPECT_EQ(m_pB->GetTabbedContainer(), nullptr);
    // No container object stays registered, and no bar holds a handle whose window is gone.
    EXPECT_EQ(CExtControlBar::g_arrAllControlBars.GetSize(), nBars);
    for (INT_PTR i = 0; i < CExtControlBar::g_arrAllControlBars.GetSize(); ++i)
    {
        const HWND hWnd = CExtControlBar::g_arrAllControlBars[i]->GetSafeHwnd();
        EXPECT_TRUE(hWnd == nullptr || ::IsWindow(hWnd)) << i;
    }
    // With windows allowed again the same call makes the group.
    ASSERT_TRUE(m_pA->DockAsTabWith(m_pB, -1, true));
    EXPECT_NE(m_pA->GetTabbedContainer(), nullptr);
    EXPECT_EQ(m_pA->GetTabbedContainer(), m_pB->GetTabbedContainer());
}

TEST_F(DockingApply, DockingThroughABuiltStatePutsTheBarOnTheSideTheRulesName)
{
    // B sits at the top: across rows and first, it goes on the target's side facing the frame's centre (below).
    ASSERT_TRUE(m_pB->DockViaDragState(m_pA, false, true));
    ASSERT_NE(ContainerOf(m_pA), nullptr);
    EXPECT_EQ(ContainerOf(m_pB), ContainerOf(m_pA));
    EXPECT_LT(WindowRectOf(m_pA).top, WindowRectOf(m_pB).top);
    EXPECT_EQ(CExtControlBar::GetDraggedBar(), nullptr);
}
