// Faults the docking run found in squeezed rows and columns: a container left its least length below a bar docked
// back above it, and a group squeezed to its least height.
#include "DockingRunFinds.h"

TEST_F(DockingRunFinds, AContainerSqueezedBelowABarDockedBackKeepsItsBarsInsideIt)
{
    // Delta floats; Alpha beside Gamma makes a container of the two in the right column, which it fills.
    CPoint pt;
    ASSERT_TRUE(CaptionPoint(m_pD, pt));
    Click(pt, true);
    ASSERT_TRUE(WaitFor([&] { return CExtControlBar::IsFloating(m_pD); }));
    KeepFramesClear();
    ASSERT_TRUE(m_pA->DockNextToBar(50, m_pC, AFX_IDW_DOCKBAR_LEFT));
    Settle();
    ASSERT_TRUE(ShowInFront(m_pFrame));
    Rest();
    auto* pContainer = DYNAMIC_DOWNCAST(CExtDynControlBar, OuterCarrier(m_pA));
    ASSERT_NE(pContainer, nullptr);
    ASSERT_EQ(OuterCarrier(m_pC), pContainer);
    // Delta docked back above it takes its length back, the container down to its least length; the container's
    // splitter above it is part of that length.
    ASSERT_TRUE(CaptionPoint(m_pD, pt));
    Click(pt, true);
    ASSERT_TRUE(WaitFor([&] { return !CExtControlBar::IsFloating(m_pD); }));
    Rest();
    ASSERT_EQ(OuterCarrier(m_pA), pContainer);
    ASSERT_EQ(OuterSide(m_pD), (UINT)AFX_IDW_DOCKBAR_RIGHT);
    const CRect rcInside = ClientScreenRectOf(pContainer);
    ASSERT_FALSE(pContainer->GetSplitterBeforeRect().IsRectEmpty());
    for (CExtControlBar* p : {m_pA, m_pC})
    {
        const CRect rc = WindowRectOf(p);
        EXPECT_TRUE(rc.left >= rcInside.left && rc.top >= rcInside.top && rc.right <= rcInside.right &&
                    rc.bottom <= rcInside.bottom)
            << Name(p) << " at (" << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom
            << ") reaches out of its container's client area (" << rcInside.left << "," << rcInside.top << ","
            << rcInside.right << "," << rcInside.bottom << ")";
    }
    const CRect rcColumn = ClientScreenRectOf(m_pD->m_pDockBar);
    EXPECT_LE(WindowRectOf(pContainer).bottom, rcColumn.bottom);
    CheckLayout("after Delta was docked back above the container");
}

TEST_F(DockingRunFinds, AGroupSqueezedToItsLeastHeightLiesInsideTheFrame)
{
    // Bottom: Epsilon above Beta in a container, at its least height; Alpha dropped onto it makes a group there.
    ASSERT_TRUE(m_pB->DockNextToBar(50, m_pE, AFX_IDW_DOCKBAR_BOTTOM));
    Settle();
    m_pE->m_sizeHorzDocked.cy = 1;
    m_pFrame->RecalcLayout();
    Settle();
    ASSERT_TRUE(m_pE->DockAsTabWith(m_pA));
    Settle();
    ASSERT_TRUE(ShowInFront(m_pFrame));
    Rest();
    CExtDynTabControlBar* pGroup = m_pA->GetTabbedContainer();
    ASSERT_NE(pGroup, nullptr);
    ASSERT_EQ(m_pE->GetTabbedContainer(), pGroup);
    ASSERT_EQ(OuterSide(pGroup), (UINT)AFX_IDW_DOCKBAR_BOTTOM);
    // The tab strip takes what the caption leaves of the group: its bars are left no height, inside the frame.
    const CRect rcGroup = WindowRectOf(pGroup);
    EXPECT_GE(rcGroup.Height(), pGroup->CalcMinHeight());
    ASSERT_EQ(WindowRectOf(m_pA).Height(), 0);
    CheckLayout("after Alpha was grouped with Epsilon at its least height");
}
