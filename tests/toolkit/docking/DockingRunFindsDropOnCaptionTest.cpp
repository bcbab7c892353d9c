// Faults the docking run found in drops onto a bar's caption and in tab drags along a group's own strip.
#include "DockingRunFinds.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"

TEST_F(DockingRunFinds, AFloatingBarDroppedOnAnotherFloatingBarsCaptionMakesAGroupWithASelectedTab)
{
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManagerByClass(RUNTIME_CLASS(CExtPaintManagerOffice2003)));
    ASSERT_NO_FATAL_FAILURE(FloatSideBySideBelow(m_pA, m_pE));
    CExtMiniDockFrameWnd* pMiniA = MiniOf(m_pA);
    ASSERT_NE(pMiniA, nullptr);
    ASSERT_NE(MiniOf(m_pE), nullptr);
    // Epsilon dragged by its floating caption onto Alpha's.
    CPoint ptFrom, ptTo;
    ASSERT_TRUE(CaptionPoint(m_pE, ptFrom));
    ASSERT_TRUE(CaptionPoint(m_pA, ptTo));
    ASSERT_TRUE(Drag(
        ptFrom,
        [&](CPoint& pt) {
            pt = ptTo;
            return true;
        },
        60));
    Rest();
    CExtDynTabControlBar* pGroup = m_pA->GetTabbedContainer();
    ASSERT_NE(pGroup, nullptr) << Describe();
    ASSERT_EQ(m_pE->GetTabbedContainer(), pGroup) << Describe();
    // A tab is selected, and its bar is what the group shows.
    auto* pSel = DYNAMIC_DOWNCAST(CExtControlBar, pGroup->GetSelectedBar());
    ASSERT_NE(pSel, nullptr) << "no tab selected: " << Describe();
    EXPECT_EQ(pSel, m_pE) << Name(pSel) << " selected, not the bar dropped";
    EXPECT_TRUE(Reaches(WindowRectOf(pSel).CenterPoint(), pSel))
        << "the group shows " << WindowsAt(WindowRectOf(pSel).CenterPoint());
    CheckLayout("after the floating bar was dropped on the other's caption");
}

TEST_F(DockingRunFinds, ATabDraggedAlongTheStripOfALowGroupOntoAnotherTabStaysInTheGroup)
{
    // Epsilon and Gamma in one group at the bottom, so low that its strip lies in the band below its top band, under
    // the tracker.
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManagerByClass(RUNTIME_CLASS(CExtPaintManagerOffice2003)));
    ASSERT_TRUE(m_pE->DockAsTabWith(m_pC));
    Settle();
    CExtDynTabControlBar* pGroup = m_pE->GetTabbedContainer();
    ASSERT_NE(pGroup, nullptr);
    ASSERT_EQ(OuterSide(pGroup), (UINT)AFX_IDW_DOCKBAR_BOTTOM);
    pGroup->m_sizeHorzDocked.cy = 56;
    m_pFrame->RecalcLayout();
    ASSERT_TRUE(ShowInFront(m_pFrame));
    Rest();
    ASSERT_LT(WindowRectOf(pGroup).Height(), 76) << Describe();
    const int nFrom = pGroup->m_wndTabs.FindBar(m_pC), nTo = pGroup->m_wndTabs.FindBar(m_pE);
    ASSERT_GE(nFrom, 0);
    ASSERT_GE(nTo, 0);
    const CPoint ptFrom = TabCentre(pGroup->m_wndTabs, nFrom), ptAim = TabCentre(pGroup->m_wndTabs, nTo);
    ASSERT_TRUE(Reaches(ptFrom, &pGroup->m_wndTabs)) << WindowsAt(ptFrom);
    ASSERT_TRUE(Reaches(ptAim, &pGroup->m_wndTabs)) << WindowsAt(ptAim);
    // Gamma's tab dragged up off the strip, then back onto Epsilon's tab. The strip keeps the pointer while it
    // hovers there, so the drop waits for the drag alone.
    bool bDragged = false;
    RunInputScript([&] {
        SendMouse(ptFrom.x, ptFrom.y, 0);
        SendMouse(ptFrom.x, ptFrom.y, MOUSEEVENTF_LEFTDOWN);
        SendMouse(ptFrom.x + 6, ptFrom.y - 16, 0);
        SendMouse(ptFrom.x + 12, ptFrom.y - 30, 0);
        bDragged = WaitFor([] { return CExtControlBar::GetDraggedBar() != nullptr; });
        SendMouse(ptAim.x - 1, ptAim.y, 0);
        SendMouse(ptAim.x, ptAim.y, 0);
        WaitForWindowThread(m_pFrame->GetSafeHwnd());
        SendMouse(ptAim.x, ptAim.y, MOUSEEVENTF_LEFTUP);
        WaitFor([] { return CExtControlBar::GetDraggedBar() == nullptr; });
    });
    ASSERT_TRUE(bDragged) << "the press on Gamma's tab started no drag";
    Rest();
    CExtDynTabControlBar* pNow = m_pC->GetTabbedContainer();
    EXPECT_TRUE(pNow != nullptr && pNow == m_pE->GetTabbedContainer())
        << "Gamma's tab dropped onto Epsilon's left the group: " << Describe();
    CheckLayout("after the tab was dragged along its strip");
}
