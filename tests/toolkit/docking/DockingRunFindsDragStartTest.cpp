// Drags the run found not starting on a busy machine: the pointer moved on before the bar's thread saw the press, or
// the move that passed a tab's drag threshold was the last one.
#include "DockingRunFinds.h"

TEST_F(DockingRunFinds, ACaptionDragStartsWhenThePointerMovedOnBeforeThePressWasHandled)
{
    ASSERT_TRUE(ShowInFront(m_pFrame));
    Rest();
    CPoint pt;
    ASSERT_TRUE(CaptionPoint(m_pC, pt));
    RunInputScript([&] { SendMouse(pt.x, pt.y, 0); });
    // The press and a move away queued before this thread looks at either: the loop the press starts finds the
    // pointer already moved, and the move is the last one.
    const CPoint ptTo(pt.x + 30, pt.y + 34);
    SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTDOWN);
    SendMouse(ptTo.x, ptTo.y, 0);
    bool bDragged = false;
    RunInputScript([&] {
        bDragged = WaitFor([] { return CExtControlBar::GetDraggedBar() != nullptr; });
        SendMouse(ptTo.x, ptTo.y, MOUSEEVENTF_LEFTUP);
        WaitFor([&] { return CExtControlBar::GetDraggedBar() == nullptr && CaptureOf(m_dwGui) == nullptr; });
    });
    EXPECT_TRUE(bDragged) << "the press on Gamma's caption started no drag";
    Rest();
}

TEST_F(DockingRunFinds, ATabDragStartsAtTheMoveThatPassesTheDragThreshold)
{
    ASSERT_TRUE(m_pA->DockAsTabWith(m_pE));
    Settle();
    ASSERT_TRUE(ShowInFront(m_pFrame));
    Rest();
    CExtDynTabControlBar* pGroup = m_pE->GetTabbedContainer();
    ASSERT_NE(pGroup, nullptr);
    const int nTab = pGroup->m_wndTabs.FindBar(m_pE);
    ASSERT_GE(nTab, 0);
    const CPoint pt = TabCentre(pGroup->m_wndTabs, nTab);
    ASSERT_TRUE(Reaches(pt, &pGroup->m_wndTabs));
    // One move past the threshold, and the pointer rests there.
    bool bDragged = false;
    RunInputScript([&] {
        SendMouse(pt.x, pt.y, 0);
        SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTDOWN);
        SendMouse(pt.x + 30, pt.y + 34, 0);
        bDragged = WaitFor([] { return CExtControlBar::GetDraggedBar() != nullptr; });
        SendMouse(pt.x + 30, pt.y + 34, MOUSEEVENTF_LEFTUP);
        WaitFor([&] { return CExtControlBar::GetDraggedBar() == nullptr && CaptureOf(m_dwGui) == nullptr; });
    });
    EXPECT_TRUE(bDragged) << "the tab of Epsilon moved past the drag threshold started no drag";
    Rest();
}
