// Containers: sharing their size among the held bars, dissolving, hiding with their bars, the lock
// chain and layouts that must finish.
#include "DockBarsFixture.h"

namespace
{
class DockContainers : public DockBarsFixture
{
protected:
    // A container in circle 1 on the left holding a and b in one row.
    void MakePair()
    {
        m_pDyn = NewContainer(Circle(1, AFX_IDW_DOCKBAR_LEFT));
        ASSERT_NE(m_pDyn, nullptr);
        ASSERT_NE(m_pDyn->m_pWndDynDocker, nullptr);
        m_pA = NewResizable(L"A");
        m_pB = NewResizable(L"B");
        m_pDyn->m_pWndDynDocker->DockBarInto(m_pA);
        m_pDyn->m_pWndDynDocker->DockBarInto(m_pB);
        MakeOneRow(m_pDyn->m_pWndDynDocker, {m_pA, m_pB});
    }
    // Lays the inner rows out in a client of cx x cy.
    void LayoutInner(int cx, int cy)
    {
        m_pDyn->m_pWndDynDocker->SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
        m_pDyn->m_pWndDynDocker->CalcFixedLayout(TRUE, TRUE);
    }
    CExtDynControlBar* m_pDyn = nullptr;
    CHostResizableBar* m_pA = nullptr;
    CHostResizableBar* m_pB = nullptr;
};
} // namespace

TEST_F(DockContainers, TwoBarsGiveBackTheExcessOnePixelAtATimeInTurn)
{
    MakePair();
    m_pA->m_sizeHorzDocked = CSize(200, 80);
    m_pB->m_sizeHorzDocked = CSize(150, 80);
    LayoutInner(300, 80);
    EXPECT_EQ(m_pA->m_sizeHorzDocked.cx, 175);
    EXPECT_EQ(m_pB->m_sizeHorzDocked.cx, 125);
    EXPECT_EQ(ClientRectIn(m_pB, m_pDyn->m_pWndDynDocker).left, 175);
    EXPECT_EQ(ClientRectIn(m_pA, m_pDyn->m_pWndDynDocker).Height(), 80);

    // b reaches its minimum first: a gives the rest.
    m_pB->m_nMinLength = 140;
    m_pA->m_sizeHorzDocked.cx = 200;
    m_pB->m_sizeHorzDocked.cx = 150;
    LayoutInner(300, 80);
    EXPECT_EQ(m_pB->m_sizeHorzDocked.cx, 140);
    EXPECT_EQ(m_pA->m_sizeHorzDocked.cx, 160);
}

TEST_F(DockContainers, AContainerLeftWithOneBarDissolvesAndTheBarTakesItsPlaceAndSize)
{
    MakePair();
    CExtDockBar* pOuter = Circle(1, AFX_IDW_DOCKBAR_LEFT);
    m_pFrame->RecalcLayout();
    const CRect rcContainer = ClientRectIn(m_pDyn, pOuter);
    const int nContainers = CountContainers();
    const int nDockWindows = CountDockBarWindows(m_pFrame->GetSafeHwnd());
    // b leaves for the right side: the container keeps a alone and dissolves.
    Outer(AFX_IDW_DOCKBAR_RIGHT)->DockBarInto(m_pB);
    EXPECT_EQ(CountContainers(), nContainers - 1);
    EXPECT_EQ(CountDockBarWindows(m_pFrame->GetSafeHwnd()), nDockWindows - 1);
    EXPECT_EQ(m_pA->m_pDockBar, pOuter);
    EXPECT_EQ(m_pA->GetParent(), pOuter);
    EXPECT_GT(pOuter->FindBar(m_pA), 0);
    EXPECT_EQ(ClientRectIn(m_pA, pOuter), rcContainer);
    EXPECT_EQ(CSize(m_pA->m_sizeVertDocked), rcContainer.Size());
}

TEST_F(DockContainers, AContainerLeftEmptyIsRemovedFromItsRow)
{
    CExtDockBar* pOuter = Circle(1, AFX_IDW_DOCKBAR_LEFT);
    CExtDynControlBar* pDyn = NewContainer(pOuter);
    ASSERT_NE(pDyn, nullptr);
    CHostResizableBar* pA = NewResizable(L"A");
    pDyn->m_pWndDynDocker->DockBarInto(pA);
    const int nContainers = CountContainers();
    const HWND hDyn = pDyn->GetSafeHwnd();
    EXPECT_TRUE(pDyn->m_pWndDynDocker->RemoveBarFromRows(pA, -1, 0, false));
    Outer(AFX_IDW_DOCKBAR_TOP)->DockBarInto(pA);
    pDyn->m_pWndDynDocker->CleanRows();
    EXPECT_FALSE(::IsWindow(hDyn));
    EXPECT_EQ(CountContainers(), nContainers - 1);
    EXPECT_TRUE(pOuter->IsEmpty());
}

TEST_F(DockContainers, HidingAllBarsHidesTheContainerAndShowingOneShowsItAgain)
{
    MakePair();
    m_pFrame->RecalcLayout();
    ASSERT_NE(m_pDyn->GetStyle() & WS_VISIBLE, 0u);
    m_pFrame->ShowControlBar(m_pA, FALSE, FALSE);
    m_pFrame->ShowControlBar(m_pB, FALSE, FALSE);
    m_pDyn->m_pDockBar->m_bLayoutQuery = FALSE;
    EXPECT_EQ(m_pDyn->CalcDynamicLayout(-1, LM_VERTDOCK), CSize(0, 0));
    EXPECT_EQ(m_pDyn->GetStyle() & WS_VISIBLE, 0u);
    m_pFrame->ShowControlBar(m_pB, TRUE, FALSE);
    EXPECT_TRUE(m_pDyn->IsVisible());
}

TEST_F(DockContainers, LockingAnInnerDockBarTwoLevelsDeepLocksTheDockBarsAbove)
{
    MakePair();
    CExtDynControlBar* pInner = NewContainer(m_pDyn->m_pWndDynDocker);
    ASSERT_NE(pInner, nullptr);
    CExtDockBar* pOuter = Circle(1, AFX_IDW_DOCKBAR_LEFT);
    EXPECT_FALSE(pInner->m_pWndDynDocker->SetLayoutLocked(true));
    EXPECT_TRUE(pInner->m_pWndDynDocker->IsLayoutLocked());
    EXPECT_TRUE(m_pDyn->m_pWndDynDocker->IsLayoutLocked());
    EXPECT_TRUE(pOuter->IsLayoutLocked());
    // Locked: no row pass, no dissolving.
    const int nContainers = CountContainers();
    pInner->m_pWndDynDocker->CleanRows();
    EXPECT_EQ(CountContainers(), nContainers);
    EXPECT_TRUE(pInner->m_pWndDynDocker->SetLayoutLocked(false));
    EXPECT_FALSE(pOuter->IsLayoutLocked());
}

TEST_F(DockContainers, LayoutsWithoutRoomOrWithoutVisibleBarsFinish)
{
    MakePair();
    // A last row of hidden bars, the other rows made too thin: they stop at their minimum.
    CHostResizableBar* pC = NewResizable(L"C");
    m_pDyn->m_pWndDynDocker->DockBarInto(pC);
    m_pFrame->ShowControlBar(pC, FALSE, FALSE);
    m_pA->m_sizeHorzDocked.cy = 80;
    m_pB->m_sizeHorzDocked.cy = 80;
    LayoutInner(300, 5);
    EXPECT_EQ(m_pA->m_sizeHorzDocked.cy, m_pA->CalcMinHeight());
    EXPECT_EQ(m_pB->m_sizeHorzDocked.cy, m_pA->CalcMinHeight());

    // Growth when no row holds a visible bar.
    m_pFrame->ShowControlBar(m_pA, FALSE, FALSE);
    m_pFrame->ShowControlBar(m_pB, FALSE, FALSE);
    CExtDockDynBar::VisibleLayout_t layout;
    m_pDyn->m_pWndDynDocker->BuildVisibleLayout(layout);
    EXPECT_TRUE(layout.IsEmpty());
    LayoutInner(600, 600);
    SUCCEED();
}

TEST_F(DockContainers, TheMinimumSizeComesFromTheVisibleLayout)
{
    MakePair();
    m_pA->m_nMinLength = 40;
    m_pB->m_nMinLength = 50;
    const CSize size = m_pDyn->CalcInnerMinSize();
    EXPECT_EQ(size.cx, 90); // rows run horizontally: the longest row's minimum lengths
    EXPECT_EQ(size.cy, std::max(m_pA->CalcMinHeight(), 40));
    EXPECT_EQ(m_pDyn->CalcMinWidth(), size.cx);
    EXPECT_FALSE(m_pDyn->QueryGripperPresence());
}
