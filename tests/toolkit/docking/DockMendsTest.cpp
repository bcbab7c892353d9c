// Docking operations where a floating frame, a container or a tab group goes away under them, or
// where nothing can change: each ends in a sound state.
#include "DockBarsFixture.h"
#include "platform/MiniDockFrameWnd.h"
#include "toolkit/bars_tabs/ExtDynTabControlBar.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"

namespace
{
using DockMends = DockBarsFixture;

// A tab group whose window cannot be made.
class CFailingTabs : public CExtDynTabControlBar
{
public:
    CExtDockDynBar* CreateInnerDockBar() override { return nullptr; }
};

class CFailingTabsFrame : public CDockingHostFrame
{
public:
    CFailingTabsFrame()
    {
        m_fnNewTabGroup = [] { return new CFailingTabs; };
    }
};
} // namespace

TEST_F(DockMends, RemovingABarThatIsNotInTheArrayChangesNothing)
{
    CHostResizableBar* pA = NewResizable(L"A");
    CHostFixedBar* pF = NewFixed(3);
    Outer(AFX_IDW_DOCKBAR_LEFT)->DockBarInto(pA);
    Outer(AFX_IDW_DOCKBAR_TOP)->DockBarInto(pF);
    const std::string sBefore = Entries(Outer(AFX_IDW_DOCKBAR_TOP));
    for (int nMode : {-1, 0, 1})
        EXPECT_FALSE(Outer(AFX_IDW_DOCKBAR_TOP)->RemoveBarFromRows(pA, -1, nMode, true));
    EXPECT_EQ(Entries(Outer(AFX_IDW_DOCKBAR_TOP)), sBefore);
    EXPECT_EQ(pA->m_pDockBar, Outer(AFX_IDW_DOCKBAR_LEFT));
}

TEST_F(DockMends, DockingOutOfAFloatingFrameThatGoesAwayIsSafe)
{
    for (int nKind = 0; nKind < 2; ++nKind)
    {
        auto* pMini = new CMiniDockFrameWnd;
        ASSERT_TRUE(pMini->Create(m_pFrame, CBRS_ALIGN_TOP));
        CHostResizableBar* pA = NewResizable(L"A");
        CExtDockBar::DockBarInto(&pMini->m_wndDockBar, pA, nullptr, false);
        const HWND hMini = pMini->GetSafeHwnd();
        CExtDockBar* pLeft = Outer(AFX_IDW_DOCKBAR_LEFT);
        if (nKind == 0)
            pLeft->DockBarInNewRow(pA, pA, true);
        else
            pLeft->DockBarAtEdgeRow(pA, false);
        EXPECT_FALSE(::IsWindow(hMini)) << nKind;
        EXPECT_EQ(pA->m_pDockBar, pLeft) << nKind;
        EXPECT_GT(pLeft->FindBar(pA), 0) << nKind;
        EXPECT_EQ(pLeft->m_arrBars[pLeft->m_arrBars.GetSize() - 1], nullptr);
    }
}

TEST_F(DockMends, DockingAtAMissingSideFailsAndShowsTheFloatingFrameAgain)
{
    auto* pMini = new CExtMiniDockFrameWnd;
    ASSERT_TRUE(pMini->Create(m_pFrame, CBRS_ALIGN_TOP));
    CHostResizableBar* pA = NewResizable(L"A");
    CExtDockBar::DockBarInto(&pMini->m_wndDockBar, pA, nullptr, false);
    pMini->ShowWindow(SW_SHOWNA);
    EXPECT_FALSE(pA->DockAtSide(0xE8FF, false, nullptr, false));
    EXPECT_TRUE(pMini->IsWindowVisible());
    EXPECT_EQ(pA->m_pDockBar, &pMini->m_wndDockBar);
    EXPECT_TRUE(pA->DockAtSide(AFX_IDW_DOCKBAR_RIGHT, true, nullptr, true));
    EXPECT_EQ(pA->m_pDockBar, Circle(1, AFX_IDW_DOCKBAR_RIGHT, false));
}

TEST_F(DockMends, ATabGroupThatCannotBeMadeLeavesBothBarsWhereTheyWere)
{
    auto* pFrame = new CFailingTabsFrame;
    ASSERT_TRUE(pFrame->CreateHost());
    CHostResizableBar* pA = pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"A");
    CHostResizableBar* pB = pFrame->AddResizableBar(AFX_IDW_DOCKBAR_RIGHT, L"B");
    ASSERT_NE(pB, nullptr);
    const int nBars = (int)CExtControlBar::g_arrAllControlBars.GetSize();
    CDockBar* pDockA = pA->m_pDockBar;
    CDockBar* pDockB = pB->m_pDockBar;
    const int nPosA = pDockA->FindBar(pA);
    EXPECT_FALSE(pA->DockAsTabWith(pB, -1, true));
    EXPECT_EQ(pA->m_pDockBar, pDockA);
    EXPECT_EQ(pDockA->FindBar(pA), nPosA);
    EXPECT_EQ(pB->m_pDockBar, pDockB);
    EXPECT_EQ(pA->GetParent(), pDockA);
    EXPECT_EQ(pA->GetTabbedContainer(), nullptr);
    EXPECT_EQ((int)CExtControlBar::g_arrAllControlBars.GetSize(), nBars);
    pFrame->DestroyWindow();
}

TEST_F(DockMends, DroppingContainersEndsWhenHiddenOrLockedOnesCannotGo)
{
    CExtDockBar* pLeft1 = Circle(1, AFX_IDW_DOCKBAR_LEFT);
    CExtDynControlBar* pHidden = NewContainer(pLeft1);
    CExtDynControlBar* pLocked = NewContainer(pLeft1);
    ASSERT_NE(pLocked, nullptr);
    for (CExtDynControlBar* pDyn : {pHidden, pLocked})
    {
        CHostResizableBar* pA = NewResizable(L"A");
        CHostResizableBar* pB = NewResizable(L"B");
        pDyn->m_pWndDynDocker->DockBarInto(pA);
        pDyn->m_pWndDynDocker->DockBarInto(pB);
        m_pFrame->ShowControlBar(pA, FALSE, FALSE);
        m_pFrame->ShowControlBar(pB, FALSE, FALSE);
    }
    CExtDockDynBar* pLockedInner = pLocked->m_pWndDynDocker;
    pLockedInner->m_bLayoutLocked = 1; // its own lock only
    const int nContainers = CountContainers();
    CExtDockBar::DropEmptyContainers(m_pFrame);
    EXPECT_EQ(CountContainers(), nContainers);
    pLockedInner->m_bLayoutLocked = 0;
}
