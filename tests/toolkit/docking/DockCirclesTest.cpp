// Circles of dock bars, their inner edges, the default layout and docking as tabs.
#include "DockBarsFixture.h"
#include "toolkit/bars_tabs/ExtDockDynTabBar.h"
#include "toolkit/bars_tabs/ExtDynTabControlBar.h"

namespace
{
const UINT kSides[4] = {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT};

using DockCircles = DockBarsFixture;

// The frame answering "CExtControlBar::g_nMsgCreateTabbedBar" with a record it keeps.
class CTabbedHostFrame : public CDockingHostFrame
{
public:
    CExtControlBar::CREATE_TABBED_BAR_DATA m_last = {};
    int m_nAsked = 0;

protected:
    afx_msg LRESULT OnCreateTabbedBar(WPARAM wParam, LPARAM lParam)
    {
        (void)lParam;
        ++m_nAsked;
        m_last = *reinterpret_cast<CExtControlBar::CREATE_TABBED_BAR_DATA*>(wParam);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTabbedHostFrame, CDockingHostFrame)
ON_REGISTERED_MESSAGE(CExtControlBar::g_nMsgCreateTabbedBar, OnCreateTabbedBar)
END_MESSAGE_MAP()
} // namespace

TEST_F(DockCircles, ANewCircleGetsTheNextNumberAndFollowsTheOldInnermostRightDockBar)
{
    ASSERT_NE(Circle(1, AFX_IDW_DOCKBAR_TOP), nullptr);
    EXPECT_EQ(CExtDockBar::CreateInnerCircle(m_pFrame), 2u);
    HWND hPrev = Circle(1, AFX_IDW_DOCKBAR_RIGHT, false)->GetSafeHwnd();
    for (UINT nSide : kSides)
    {
        CExtDockBar* pBar = Circle(2, nSide, false);
        ASSERT_NE(pBar, nullptr);
        EXPECT_EQ(pBar->m_pOuterCircleBar, Circle(1, nSide, false));
        EXPECT_EQ(Circle(1, nSide, false)->m_pInnerCircleBar, pBar);
        EXPECT_EQ(::GetWindow(hPrev, GW_HWNDNEXT), pBar->GetSafeHwnd());
        hPrev = pBar->GetSafeHwnd();
    }
    EXPECT_EQ(Outer(AFX_IDW_DOCKBAR_TOP)->GetNextCircle(), 1u);
}

TEST_F(DockCircles, AnEmptyCircleIsDroppedAndTheOnesInsideAreRenumbered)
{
    CExtDockBar* pTop2 = Circle(2, AFX_IDW_DOCKBAR_TOP);
    ASSERT_NE(pTop2, nullptr);
    CHostResizableBar* pA = NewResizable(L"A");
    pTop2->DockBarInto(pA);
    const int nWindows = CountDockBarWindows(m_pFrame->GetSafeHwnd());
    CExtDockBar::DropEmptyContainers(m_pFrame);
    EXPECT_EQ(CountDockBarWindows(m_pFrame->GetSafeHwnd()), nWindows - 4);
    EXPECT_EQ(pTop2->GetCircleNo(), 1u);
    EXPECT_EQ(Circle(1, AFX_IDW_DOCKBAR_TOP, false), pTop2);
    EXPECT_EQ(Circle(2, AFX_IDW_DOCKBAR_TOP, false), nullptr);
    EXPECT_EQ(pTop2->m_pOuterCircleBar, Outer(AFX_IDW_DOCKBAR_TOP));
    EXPECT_EQ(pA->m_pDockBar, pTop2);
}

TEST_F(DockCircles, InsertingAnEmptyCircleCreatesNothingAndAFullOneMovesInwards)
{
    CExtDockBar* pLeft1 = Circle(1, AFX_IDW_DOCKBAR_LEFT);
    const int nWindows = CountDockBarWindows(m_pFrame->GetSafeHwnd());
    CExtDockBar::InsertCircle(m_pFrame, 1);
    EXPECT_EQ(CountDockBarWindows(m_pFrame->GetSafeHwnd()), nWindows);
    CHostResizableBar* pA = NewResizable(L"A");
    pLeft1->DockBarInto(pA);
    Outer(AFX_IDW_DOCKBAR_LEFT)->InsertCircleAt(1);
    EXPECT_EQ(CountDockBarWindows(m_pFrame->GetSafeHwnd()), nWindows + 4);
    EXPECT_EQ(pLeft1->GetCircleNo(), 2u);
    CExtDockBar* pNew = Circle(1, AFX_IDW_DOCKBAR_LEFT, false);
    ASSERT_NE(pNew, nullptr);
    EXPECT_NE(pNew, pLeft1);
    EXPECT_EQ(pNew->m_pInnerCircleBar, pLeft1);
    EXPECT_TRUE(pNew->IsEmpty());
}

TEST_F(DockCircles, AFrameWithoutInnerCirclesIsLeftAlone)
{
    CExtDynControlBar* pDyn = NewContainer(Outer(AFX_IDW_DOCKBAR_LEFT));
    ASSERT_NE(pDyn, nullptr);
    const HWND hDyn = pDyn->GetSafeHwnd();
    CExtDockBar::DropEmptyContainers(m_pFrame);
    EXPECT_TRUE(::IsWindow(hDyn));
    // With an inner circle the empty container goes.
    ASSERT_NE(Circle(1, AFX_IDW_DOCKBAR_TOP), nullptr);
    CExtDockBar::DropEmptyContainers(m_pFrame);
    EXPECT_FALSE(::IsWindow(hDyn));
}

TEST_F(DockCircles, TheDefaultLayoutNestsTheBarsAndEachDockBarKeepsItsInnerEdge)
{
    CHostResizableBar* pFolders = NewResizable(L"Folders");
    CHostResizableBar* pList = NewResizable(L"List");
    EXPECT_TRUE(pFolders->DockAtSideCircle(AFX_IDW_DOCKBAR_LEFT, 1, nullptr, false));
    EXPECT_TRUE(pList->DockAtSideCircle(AFX_IDW_DOCKBAR_TOP, 2, nullptr, true));
    const CRect rcFolders = WindowRectOf(pFolders), rcList = WindowRectOf(pList);
    const CRect rcView = WindowRectOf(&m_pFrame->m_wndView);
    EXPECT_GE(rcList.left, rcFolders.right);
    EXPECT_EQ(rcList.top, rcFolders.top);
    EXPECT_GE(rcView.left, rcFolders.right);
    EXPECT_GE(rcView.top, rcList.bottom);
    EXPECT_EQ(rcView.right, rcList.right);
    // The inner edge lines: left of circle 1 at the folders' right, top of circle 2 at the
    // list's bottom.
    const CRect rcLeftEdge = Circle(1, AFX_IDW_DOCKBAR_LEFT, false)->m_rcInnerEdge;
    const CRect rcTopEdge = Circle(2, AFX_IDW_DOCKBAR_TOP, false)->m_rcInnerEdge;
    EXPECT_EQ(rcLeftEdge.Width(), 0);
    EXPECT_EQ(rcLeftEdge.left, WindowRectOf(Circle(1, AFX_IDW_DOCKBAR_LEFT, false)).right);
    EXPECT_EQ(rcTopEdge.Height(), 0);
    EXPECT_EQ(rcTopEdge.top, WindowRectOf(Circle(2, AFX_IDW_DOCKBAR_TOP, false)).bottom);
    // No such dock bar: false.
    EXPECT_FALSE(pList->DockAtSideCircle(0xE8FF, 1, nullptr, false));
    EXPECT_EQ(pList->m_pDockBar, Circle(2, AFX_IDW_DOCKBAR_TOP, false));
}

TEST(DockAsTab, BothBarsGoIntoOneTabGroupThatTakesTheFirstBarsPlace)
{
    auto* pFrame = new CTabbedHostFrame;
    ASSERT_TRUE(pFrame->CreateHost());
    CHostResizableBar* pA = pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"A");
    CHostResizableBar* pB = pFrame->AddResizableBar(AFX_IDW_DOCKBAR_RIGHT, L"B");
    ASSERT_NE(pB, nullptr);
    CDockBar* pDock = pA->m_pDockBar;
    const int nPos = pDock->FindBar(pA);
    const CRect rcA = WindowRectOf(pA);
    EXPECT_TRUE(pA->DockAsTabWith(pB, -1, true));
    EXPECT_EQ(pFrame->m_nAsked, 1);
    EXPECT_EQ(pFrame->m_last.m_pTabbedBar, nullptr);
    EXPECT_EQ(pFrame->m_last.m_nDockBarIndex, nPos);
    EXPECT_EQ(pFrame->m_last.m_nDockBarID, (UINT)AFX_IDW_DOCKBAR_LEFT);
    EXPECT_EQ(pFrame->m_last.m_rcWindow, rcA);
    CExtDynTabControlBar* pTabs = pA->GetTabbedContainer();
    ASSERT_NE(pTabs, nullptr);
    EXPECT_EQ(pB->GetTabbedContainer(), pTabs);
    EXPECT_EQ(pDock->m_arrBars[nPos], pTabs);
    EXPECT_TRUE(pTabs->m_pWndDynDocker->IsKindOf(RUNTIME_CLASS(CExtDockDynTabBar)));
    CArray<CExtControlBar*, CExtControlBar*> arrBars;
    CExtControlBar::FindFrameControlBars(nullptr, pFrame, arrBars, 0xFFF);
    int nTabs = 0, nMembers = 0;
    for (INT_PTR i = 0; i < arrBars.GetSize(); ++i)
    {
        nTabs += arrBars[i] == pTabs ? 1 : 0;
        nMembers += arrBars[i] == pA || arrBars[i] == pB ? 1 : 0;
    }
    EXPECT_EQ(nTabs, 1);
    EXPECT_EQ(nMembers, 0);
    // A bar leaving the group lets the group refresh itself; the last one left dissolves it.
    const HWND hTabs = pTabs->GetSafeHwnd();
    CExtDockBar* pRight = CExtDockBar::FindCircleDockBar(pFrame, 0, AFX_IDW_DOCKBAR_RIGHT);
    pRight->DockBarInto(pB);
    EXPECT_FALSE(::IsWindow(hTabs));
    EXPECT_EQ(pA->m_pDockBar, pDock);
    pFrame->DestroyWindow();
}

TEST_F(DockCircles, ATabGroupMadeWithTheFloatingIdTakesTheTopId)
{
    auto* pTabs = new CExtDynTabControlBar;
    pTabs->m_pDockSite = m_pFrame;
    ASSERT_TRUE(pTabs->Create(nullptr, m_pFrame, AFX_IDW_DOCKBAR_FLOAT, WS_CHILD | CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC));
    EXPECT_EQ(pTabs->GetDlgCtrlID(), AFX_IDW_DOCKBAR_TOP);
    ASSERT_NE(pTabs->m_pWndDynDocker, nullptr);
    EXPECT_EQ(pTabs->m_pWndDynDocker->GetParent(), pTabs);
    EXPECT_EQ(pTabs->m_pWndDynDocker->GetDlgCtrlID(), AFX_IDW_DOCKBAR_TOP);
    EXPECT_TRUE(pTabs->m_pWndDynDocker->IsHorzRows());
    // A plain container keeps its id.
    CExtDynControlBar* pDyn = NewContainer(nullptr, AFX_IDW_DOCKBAR_FLOAT);
    ASSERT_NE(pDyn, nullptr);
    EXPECT_EQ((UINT)pDyn->GetDlgCtrlID(), (UINT)AFX_IDW_DOCKBAR_FLOAT);
    pTabs->DestroyWindow();
    pDyn->DestroyWindow();
}
