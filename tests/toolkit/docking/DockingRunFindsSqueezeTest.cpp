// Faults the docking run found in squeezed rows and columns: a container left its least length below a bar docked
// back above it, a group squeezed to its least height, and a bar or a container squeezed by a bar shown again before
// it in its column.
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

TEST_F(DockingRunFinds, ABarSqueezedByABarShownBeforeItInItsColumnKeepsTheLeastHeightOfItsSplitter)
{
    // Right: Delta below Gamma in its column; Gamma closed, so Delta is alone there with no splitter before it.
    CRect rcBelow = WindowRectOf(m_pC);
    rcBelow.top = rcBelow.CenterPoint().y + 1;
    m_pFrame->DockControlBar(m_pD, m_pC->m_pDockBar, &rcBelow);
    Settle();
    ASSERT_TRUE(ShowInFront(m_pFrame));
    Rest();
    ASSERT_EQ(WindowRectOf(m_pD).left, WindowRectOf(m_pC).left) << Describe();
    m_pFrame->SendMessage(WM_COMMAND, m_pC->GetDlgCtrlID(), 0);
    m_shown[m_pC] = false;
    Rest();
    ASSERT_TRUE(m_pD->GetSplitterBeforeRect().IsRectEmpty());
    // Gamma shown again, remembering more than the column's height: Delta is squeezed, and the splitter it now has
    // before it is part of its least height.
    m_pC->m_sizeVertDocked.cy = 2000;
    m_pFrame->SendMessage(WM_COMMAND, m_pC->GetDlgCtrlID(), 0);
    m_shown[m_pC] = true;
    Rest();
    ASSERT_FALSE(m_pD->GetSplitterBeforeRect().IsRectEmpty()) << Describe();
    EXPECT_GE(WindowRectOf(m_pD).Height(), m_pD->CalcMinHeight());
    // A second frame reading the stored state gives the same layout.
    CheckStateRoundTrip();
}

TEST_F(DockingRunFinds, AContainerSqueezedByABarShownBeforeItInItsColumnKeepsTheLeastHeightOfItsSplitter)
{
    // Right: Delta, then Gamma and Alpha in a container; Delta closed and shown again, remembering a great height.
    CRect rcBelow = WindowRectOf(m_pD);
    rcBelow.top = rcBelow.CenterPoint().y + 1;
    m_pFrame->DockControlBar(m_pC, m_pD->m_pDockBar, &rcBelow);
    Settle();
    ASSERT_TRUE(m_pA->DockNextToBar(50, m_pC, AFX_IDW_DOCKBAR_BOTTOM) && ShowInFront(m_pFrame));
    m_pFrame->SendMessage(WM_COMMAND, m_pD->GetDlgCtrlID(), 0);
    Rest();
    m_pD->m_sizeVertDocked.cy = 2000;
    m_pFrame->SendMessage(WM_COMMAND, m_pD->GetDlgCtrlID(), 0);
    Rest();
    auto* pContainer = DYNAMIC_DOWNCAST(CExtControlBar, OuterCarrier(m_pA));
    ASSERT_TRUE(pContainer != nullptr && pContainer != m_pA && !pContainer->GetSplitterBeforeRect().IsRectEmpty())
        << Describe();
    EXPECT_GE(WindowRectOf(pContainer).Height(), pContainer->CalcMinHeight()) << Describe();
    CheckStateRoundTrip();
}
