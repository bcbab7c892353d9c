// Floating a bar: the caption double click, floating at a point and at the stored position, and a
// floating frame that cannot be made.
#include "DockingStateFixture.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"

namespace
{
using DockingFloat = DockingStateFixture;

} // namespace

TEST_F(DockingFloat, ACaptionDoubleClickFloatsADockedBarWhereItFloatedLast)
{
    CHostResizableBar* pA = NewResizable(L"A");
    ASSERT_TRUE(pA->DockAtSideCircle(AFX_IDW_DOCKBAR_LEFT, 1, m_pFrame, true));
    pA->m_ptFloatPos = CPoint(220, 160);
    pA->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(0, 0));
    ASSERT_TRUE(CExtControlBar::IsFloating(pA));
    CExtMiniDockFrameWnd* pMini = DYNAMIC_DOWNCAST(CExtMiniDockFrameWnd, pA->GetParentFrame());
    ASSERT_NE(pMini, nullptr);
    EXPECT_EQ(WindowRectOf(pMini).TopLeft(), CPoint(220, 160));
    EXPECT_EQ(pMini->GetOwner(), m_pFrame);
    EXPECT_EQ((UINT)pA->m_pDockBar->GetDlgCtrlID(), (UINT)AFX_IDW_DOCKBAR_FLOAT);
    EXPECT_EQ(CExtControlBar::GetBarBeingFloated(), nullptr);
    // The left circle no longer holds it.
    EXPECT_LT(Circle(1, AFX_IDW_DOCKBAR_LEFT)->FindBar(pA), 0);

    // Floating again while alone only moves the frame.
    EXPECT_TRUE(pA->FloatAtPoint(CPoint(260, 180)));
    EXPECT_EQ(pA->GetParentFrame(), pMini);
    EXPECT_EQ(WindowRectOf(pMini).TopLeft(), CPoint(260, 180));
    EXPECT_EQ(pA->m_ptFloatPos, CPoint(260, 180));

    // A double click on a floating bar leaves it as it is.
    pA->ToggleDocking();
    EXPECT_EQ(pA->GetParentFrame(), pMini);
}

TEST_F(DockingFloat, AFloatingFrameThatCannotBeMadeLeavesTheBarWhereItWas)
{
    CHostResizableBar* pA = NewResizable(L"A");
    ASSERT_TRUE(pA->DockAtSideCircle(AFX_IDW_DOCKBAR_LEFT, 1, m_pFrame, true));
    CDockBar* pDockBar = pA->m_pDockBar;
    const CRect rcBefore = WindowRectOf(pA);
    {
        CRefuseWindows refuse;
        EXPECT_EQ(pA->CreateFloatingFrame(CBRS_ALIGN_TOP), nullptr);
        EXPECT_FALSE(pA->FloatAtPoint(CPoint(200, 200)));
        pA->FloatAtStoredPosition();
    }
    EXPECT_EQ(pA->m_pDockBar, pDockBar);
    EXPECT_GT(pDockBar->FindBar(pA), 0);
    EXPECT_EQ(WindowRectOf(pA), rcBefore);
    EXPECT_EQ(CExtControlBar::GetBarBeingFloated(), nullptr);
}

TEST_F(DockingFloat, AStoredFloatingFixedBarComesBackFloatingThroughTheRegistry)
{
    CHostFixedBar* pT = NewFixed(6, L"Tools");
    m_pFrame->DockControlBar(pT, AFX_IDW_DOCKBAR_TOP);
    ASSERT_TRUE(pT->FloatAtPoint(CPoint(300, 240)));
    CFrameWnd* pMini = pT->GetParentFrame();
    ASSERT_TRUE(pMini != nullptr && pMini->IsKindOf(RUNTIME_CLASS(CExtMiniDockFrameWnd)));
    const CRect rcFrame = WindowRectOf(pMini);
    ASSERT_TRUE(Save());

    RebuildFrame();
    pT = NewFixed(6, L"Tools");
    m_pFrame->DockControlBar(pT, AFX_IDW_DOCKBAR_TOP);
    m_pFrame->RecalcLayout();
    CPopupBirthPlaces births;
    ASSERT_TRUE(Load());
    EXPECT_TRUE(CExtControlBar::IsFloating(pT));
    pMini = pT->GetParentFrame();
    ASSERT_NE(pMini, nullptr);
    EXPECT_EQ(WindowRectOf(pMini), rcFrame);
    EXPECT_EQ(births.Of(pMini), rcFrame); // made there, not moved or sized there
    EXPECT_EQ(births.HiddenChangesOf(pMini), 0);
}
