// The auto-hide areas in the frame's layout: a visible strip counts in the part of its edge dock bar, and a frame
// in print preview shows no strips (and closes the slider).
#include "DynTabsFixture.h"
#include "platform/PreviewView.h"

namespace
{
class DynAutoHideLayout : public DynTabsFixture
{
protected:
    // The inner edge lines of the four frame-edge dock bars: left x, top y, right x, bottom y (screen).
    CRect InnerEdges() const
    {
        return CRect(Outer(AFX_IDW_DOCKBAR_LEFT)->m_rcInnerEdge.left, Outer(AFX_IDW_DOCKBAR_TOP)->m_rcInnerEdge.top,
                     Outer(AFX_IDW_DOCKBAR_RIGHT)->m_rcInnerEdge.left,
                     Outer(AFX_IDW_DOCKBAR_BOTTOM)->m_rcInnerEdge.top);
    }
};
} // namespace

TEST_F(DynAutoHideLayout, AVisibleStripCountsInThePartOfItsEdgeDockBar)
{
    Settle();
    const CRect rcBefore = InnerEdges();
    // Without strips the edge dock bars (holding no bars) end at the client edges.
    EXPECT_EQ(rcBefore.left, ClientScreenRectOf(m_pFrame).left);
    EXPECT_EQ(rcBefore.right, ClientScreenRectOf(m_pFrame).right);

    ASSERT_TRUE(m_pA->SwitchAutoHide(true, false, true, true));
    ASSERT_TRUE(m_pC->SwitchAutoHide(true, false, true, true));
    Settle();
    ASSERT_TRUE(m_pLeft->IsWindowVisible() && m_pRight->IsWindowVisible());
    const CRect rcLeft = WindowRectOf(m_pLeft), rcRight = WindowRectOf(m_pRight);
    const CRect rcEdges = InnerEdges();
    EXPECT_EQ(rcEdges.left, rcLeft.right);
    EXPECT_EQ(rcEdges.right, rcRight.left);
    // The hidden top and bottom strips take nothing.
    EXPECT_EQ(rcEdges.top, rcBefore.top);
    EXPECT_EQ(rcEdges.bottom, rcBefore.bottom);
    // The circle inside starts where the edge dock bar's part ends.
    EXPECT_EQ(WindowRectOf(Circle(1, AFX_IDW_DOCKBAR_LEFT, false)).left, rcEdges.left);
    EXPECT_EQ(WindowRectOf(Circle(1, AFX_IDW_DOCKBAR_RIGHT, false)).right, rcEdges.right);
    // A layout query leaves the same lines.
    CRect rcQuery(0, 0, 0, 0);
    m_pFrame->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &rcQuery, nullptr, TRUE);
    EXPECT_EQ(InnerEdges(), rcEdges);

    // The strips gone, the edges are back.
    ASSERT_TRUE(m_pA->SwitchAutoHide(false, false, true, true));
    ASSERT_TRUE(m_pC->SwitchAutoHide(false, false, true, true));
    Settle();
    EXPECT_FALSE(m_pLeft->IsWindowVisible());
    EXPECT_EQ(InnerEdges(), rcBefore);
}

TEST_F(DynAutoHideLayout, ABarDraggedToTheSideOfAStripDocksBesideItNotOverIt)
{
    using State = CExtControlBar::InternalDraggingState_t;
    ASSERT_TRUE(m_pA->SwitchAutoHide(true, false, true, true));
    ASSERT_TRUE(m_pB->SwitchAutoHide(true, false, true, true));
    Settle();
    ASSERT_TRUE(m_pLeft->IsWindowVisible());
    const CRect rcLeft = WindowRectOf(m_pLeft);
    ASSERT_EQ(InnerEdges().left, rcLeft.right);
    // Three pixels inside the strip's inner side lie in the outermost circle's band.
    State s(m_pD);
    s.SetEmpty(false);
    s.CalcTarget(rcLeft.right + 3, WindowRectOf(&m_pFrame->m_wndView).CenterPoint().y, false);
    EXPECT_EQ(s.m_nTargetKind, State::kOuterTop + 2);
    EXPECT_EQ(s.m_nCircleNo, 1);
    EXPECT_EQ(s.m_rcTrack.left, rcLeft.right);
    EXPECT_EQ(s.m_rcTrack.Width(), m_pD->m_sizeVertDocked.cx);
    s.SetTargetBar(nullptr, true);
}

TEST_F(DynAutoHideLayout, AFrameInPrintPreviewShowsNoStripsAndClosesTheSlider)
{
    CExtDynAutoHideSlider::g_nAnimationSteps = 0;
    ASSERT_TRUE(m_pA->SwitchAutoHide(true, false, true, true));
    Settle();
    ASSERT_TRUE(m_pLeft->IsWindowVisible());
    m_pSlider->SlideRun(m_pA, true, false);
    ASSERT_TRUE(m_pSlider->IsShown());

    // The active view becomes a print-preview view.
    CView* pOldView = m_pFrame->GetActiveView();
    auto* pPreview = new CPreviewView;
    ASSERT_TRUE(pPreview->CreateEx(0, AfxRegisterWndClass(0), L"", WS_CHILD, CRect(0, 0, 40, 40), m_pFrame, 0x7F00));
    m_pFrame->SetActiveView(pPreview, FALSE);
    ASSERT_TRUE(CExtControlBar::IsPrintPreviewFrame(m_pFrame));
    Settle();
    EXPECT_FALSE(m_pLeft->IsWindowVisible());
    EXPECT_EQ(m_pLeft->ItemGetCount(), 1);
    // The slider's watch closes it.
    EXPECT_TRUE(WaitFor([&] { return !m_pSlider->IsShown(); }));
    EXPECT_EQ(m_pA->m_wndChild.GetParent(), m_pA);
    // A bar switched meanwhile is listed, its strip stays hidden.
    ASSERT_TRUE(m_pC->SwitchAutoHide(true, false, true, true));
    Settle();
    EXPECT_EQ(m_pRight->ItemGetCount(), 1);
    EXPECT_FALSE(m_pRight->IsWindowVisible());

    // Out of print preview both strips come back.
    m_pFrame->SetActiveView(pOldView, FALSE);
    pPreview->DestroyWindow();
    EXPECT_FALSE(CExtControlBar::IsPrintPreviewFrame(m_pFrame));
    Settle();
    EXPECT_TRUE(m_pLeft->IsWindowVisible());
    EXPECT_TRUE(m_pRight->IsWindowVisible());
}
