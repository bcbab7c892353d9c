// Faults the docking run found in drops onto a bar's caption and in tab drags along a group's own strip.
#include "DockingRunFinds.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"

TEST_F(DockingRunFinds, AFloatingBarDroppedOnAnotherFloatingBarsCaptionMakesAGroupWithASelectedTab)
{
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManagerByClass(RUNTIME_CLASS(CExtPaintManagerOffice2003)));
    ASSERT_TRUE(ShowInFront(m_pFrame));
    Rest();
    // Alpha and Epsilon floating side by side below the main window.
    const int nBelow = WindowRectOf(m_pFrame).bottom + 20;
    ASSERT_TRUE(m_pA->FloatAtPoint(CPoint(100, nBelow), CBRS_ALIGN_TOP));
    ASSERT_TRUE(m_pE->FloatAtPoint(CPoint(600, nBelow), CBRS_ALIGN_TOP));
    Rest();
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
