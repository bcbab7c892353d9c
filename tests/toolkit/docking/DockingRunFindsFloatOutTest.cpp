// Faults the docking run found when a bar floats out of a row or joins a floating bar: the bar left in the row stays
// shown; a floating container made by a drop is laid out as one read from the stored state; a bar in a floating
// container closes by its own caption's button; a floating frame that a drop turned into a container's shows the
// container's caption buttons.
#include "DockingRunFinds.h"
#include <algorithm>
#include "toolkit/foundation/ExtDynDockMarkerWnd.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtPaintManagerStudio2005.h"

TEST_F(DockingRunFinds, ABarSqueezedAtTheEndOfARowFloatedByItsCaptionLeavesTheOtherBarOfTheRowShown)
{
    // Bottom: Epsilon with Alpha after it in its row, Alpha squeezed to a sliver at the row's end.
    CRect rcAfter = WindowRectOf(m_pE);
    rcAfter.left = rcAfter.right - 10;
    m_pFrame->DockControlBar(m_pA, m_pE->m_pDockBar, &rcAfter);
    Settle();
    m_pA->m_sizeHorzDocked.cx = 1;
    m_pFrame->RecalcLayout();
    Settle();
    ASSERT_TRUE(ShowInFront(m_pFrame));
    Rest();
    ASSERT_EQ(OuterSide(m_pA), (UINT)AFX_IDW_DOCKBAR_BOTTOM);
    ASSERT_EQ(WindowRectOf(m_pA).top, WindowRectOf(m_pE).top) << Describe();
    CPoint pt;
    ASSERT_TRUE(CaptionPoint(m_pA, pt));
    Click(pt, true);
    ASSERT_TRUE(WaitFor([&] { return CExtControlBar::IsFloating(m_pA); })) << Describe();
    Rest();
    EXPECT_TRUE(m_pE->IsWindowVisible()) << Describe();
    CheckLayout("after Alpha floated out of Epsilon's row");
}

TEST_F(DockingRunFinds, AFloatingContainerMadeByDroppingAFloatingBarBelowAnotherComesBackFromTheStoredStateAsItWas)
{
    // Delta and Epsilon floating side by side; Epsilon dropped by its caption onto the lower part of Delta makes a
    // container of the two in Delta's frame.
    ASSERT_NO_FATAL_FAILURE(FloatSideBySideBelow(m_pD, m_pE));
    CPoint ptFrom;
    ASSERT_TRUE(CaptionPoint(m_pE, ptFrom));
    const CRect rcD = WindowRectOf(m_pD);
    ASSERT_TRUE(Drag(
        ptFrom,
        [&](CPoint& pt) {
            pt = CPoint(rcD.CenterPoint().x, rcD.bottom - 6);
            return true;
        },
        60));
    Rest();
    ASSERT_FALSE(CExtControlBar::IsFloating(m_pE)) << Describe();
    ASSERT_EQ(OuterSide(m_pE), 0u) << Describe();
    ASSERT_EQ(m_pE->GetParentFrame(), m_pD->GetParentFrame()) << Describe();
    CheckStateRoundTrip();
}

TEST_F(DockingRunFinds, TheCloseButtonOfABarBesideAnotherInAFloatingFrameIsSeenInItsCaptionAndHidesIt)
{
    ASSERT_TRUE(ShowInFront(m_pFrame));
    Rest();
    // Epsilon docked below Delta in Delta's floating frame: a container of the two, each with its own caption.
    ASSERT_TRUE(m_pD->FloatAtPoint(CPoint(100, WindowRectOf(m_pFrame).bottom + 20), CBRS_ALIGN_TOP));
    ASSERT_TRUE(m_pE->DockNextToBar(50, m_pD, AFX_IDW_DOCKBAR_BOTTOM));
    Rest();
    ASSERT_EQ(m_pE->GetParentFrame(), m_pD->GetParentFrame()) << Describe();
    CPoint pt;
    ASSERT_TRUE(ButtonPoint(m_pE, RUNTIME_CLASS(CExtBarNcAreaButtonClose), pt)) << Describe();
    // The button is drawn there, inside Epsilon's caption.
    CRect rcCaption = m_pE->GetCaptionRect();
    rcCaption.OffsetRect(WindowRectOf(m_pE).TopLeft());
    EXPECT_TRUE(rcCaption.PtInRect(pt)) << Describe();
    const std::vector<DWORD> px = GrabScreen(CRect(pt.x - 4, pt.y - 4, pt.x + 4, pt.y + 4));
    EXPECT_NE(std::count(px.begin(), px.end(), px.front()), (std::ptrdiff_t)px.size()) << "nothing drawn at the button";
    Click(pt);
    ASSERT_TRUE(WaitFor([&] { return !m_pE->IsWindowVisible(); })) << Describe();
    m_shown[m_pE] = false;
    Rest();
    EXPECT_TRUE(m_pD->IsWindowVisible()) << Describe();
    CheckLayout("after Epsilon's close button in Delta's floating frame");
}

TEST_F(DockingRunFinds, AFloatingBarDroppedOnAnotherFloatingBarsTopMarkerLeavesTheFramesCloseButtonOnTheScreen)
{
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManagerByClass(RUNTIME_CLASS(CExtPaintManagerStudio2005)));
    ASSERT_NO_FATAL_FAILURE(FloatSideBySideBelow(m_pB, m_pA));
    CExtMiniDockFrameWnd* pMini = MiniOf(m_pB);
    ASSERT_NE(pMini, nullptr);
    // Alpha dragged by its floating caption onto the top marker of the set around Beta.
    CPoint ptFrom;
    ASSERT_TRUE(CaptionPoint(m_pA, ptFrom));
    const HWND hTarget = m_pB->GetSafeHwnd();
    ASSERT_TRUE(Drag(
        ptFrom,
        [&](CPoint& pt) {
            SendMouse(WindowRectOf(m_pB).CenterPoint().x, WindowRectOf(m_pB).CenterPoint().y, 0);
            const HWND hMarker = TargetSetMarker(hTarget, CExtDynDockMarkerWnd::kTypeTop);
            if (hMarker == nullptr)
                return false;
            pt = PointInMarker(hMarker);
            return true;
        },
        60));
    Rest();
    ASSERT_EQ(m_pA->GetParentFrame(), pMini) << Describe();
    ASSERT_TRUE(WindowRectOf(m_pA).bottom <= WindowRectOf(m_pB).top + 2) << Describe();
    // The frame's caption shows the close button of the container it now holds, as a full repaint draws it.
    // The button's place from its rectangle alone: a hit test there would change its state.
    CExtControlBar* pHeld = pMini->GetFloatingExtBar();
    ASSERT_NE(pHeld, nullptr);
    CRect rcButton;
    for (INT_PTR i = 0; i < pHeld->NcButtonGetCount(); ++i)
        if (pHeld->NcButtonGet((int)i)->IsKindOf(RUNTIME_CLASS(CExtBarNcAreaButtonClose)))
            rcButton = pHeld->NcButtonGet((int)i)->m_rc;
    ASSERT_FALSE(rcButton.IsRectEmpty()) << Describe();
    rcButton.OffsetRect(WindowRectOf(pMini).TopLeft());
    const std::vector<DWORD> px = GrabScreen(rcButton);
    EXPECT_NE(std::count(px.begin(), px.end(), px.front()), (std::ptrdiff_t)px.size()) << "no close button drawn";
    EXPECT_TRUE(CaptionAsRepainted(pMini)) << "the floating caption shows what it held before the drop";
}
