// The control bar with tab groups, auto-hide areas and floating frames: a member's new text, the slider as the
// window of an auto-hidden bar's caption buttons, the toggle command sliding a bar out, the slider closed when a
// bar leaves auto-hide mode, a hidden container hiding the containers inside it, a press on a floating bar, and a
// docked bar's lit pin button going dark when the pointer leaves.
#include "toolkit/bars_tabs/DynTabsFixture.h"
#include "toolkit/docking/ExtBarNcAreaButton.h"
#include "toolkit/docking/ExtBarNcAreaButtonAutoHide.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"

namespace
{
class ControlBarTabsAutoHide : public DynTabsFixture
{
protected:
    // The bar auto-hidden (no animation); the slider closed.
    void AutoHide(CExtControlBar* pBar)
    {
        CExtDynAutoHideSlider::g_nAnimationSteps = 0;
        ASSERT_TRUE(pBar->SwitchAutoHide(true, false, true, true));
        Settle();
        ASSERT_TRUE(pBar->IsAutoHideMode());
    }
    // The bar slid out; the slider's screen rectangle.
    CRect SlideOut(CExtControlBar* pBar)
    {
        m_pSlider->SlideRun(pBar, true, false);
        PumpMessages();
        EXPECT_TRUE(m_pSlider->IsShown());
        EXPECT_EQ(m_pSlider->GetBar(), pBar);
        return WindowRectOf(m_pSlider);
    }
    CRect SliderCaption() const
    {
        CRect rcClient, rcCaption;
        m_pSlider->CalcNcRects(WindowRectOf(m_pSlider).Size(), rcClient, rcCaption);
        return rcCaption;
    }
};

bool g_bTimerRan = false;
HWND g_hCaptureSeen = nullptr;
HWND g_hPressed = nullptr;

// Runs inside the press's loop: notes the capture and ends the loop.
void CALLBACK CaptureTimer(HWND, UINT, UINT_PTR nID, DWORD)
{
    ::KillTimer(nullptr, nID);
    g_bTimerRan = true;
    g_hCaptureSeen = ::GetCapture();
    if (g_hPressed != nullptr)
        ::PostMessage(g_hPressed, WM_CANCELMODE, 0, 0);
}
} // namespace

TEST_F(ControlBarTabsAutoHide, AMembersNewTextGoesToTheGroupBarOnlyWhenItsTabIsSelected)
{
    ASSERT_TRUE(m_pA->DockAsTabWith(m_pB));
    Settle();
    CExtDynTabControlBar* pGroup = GroupOf(m_pA);
    ASSERT_NE(pGroup, nullptr);
    CExtControlBar* pSelected = DYNAMIC_DOWNCAST(CExtControlBar, pGroup->GetSelectedBar());
    ASSERT_TRUE(pSelected == m_pA || pSelected == m_pB);
    CExtControlBar* pOther = pSelected == m_pA ? m_pB : m_pA;
    pSelected->SetWindowText(L"Zeta");
    CString sText;
    pGroup->GetWindowText(sText);
    EXPECT_EQ(sText, CString(L"Zeta"));
    pOther->SetWindowText(L"Omega");
    pGroup->GetWindowText(sText);
    EXPECT_EQ(sText, CString(L"Zeta"));
    PumpMessages();
}

TEST_F(ControlBarTabsAutoHide, AnAutoHiddenBarsNewTextMeasuresItsTabAgain)
{
    AutoHide(m_pA);
    m_pLeft->UpdateTabWnd(true);
    const int nBefore = m_pLeft->ItemGet(0)->m_rcItem.Height();
    m_pA->SetWindowText(L"Alpha with a much longer caption text");
    PumpMessages();
    EXPECT_GT(m_pLeft->ItemGet(0)->m_rcItem.Height(), nBefore + 40);
}

TEST_F(ControlBarTabsAutoHide, TheSliderCarriesTheButtonsOfTheBarItShows)
{
    AutoHide(m_pA);
    m_pA->m_sizeVertDocked.cx = 150;
    const CRect rcSlider = SlideOut(m_pA);
    // A frame change of the hidden bar lays its buttons out again: along the slider's caption.
    m_pA->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    const CRect rcCaption = SliderCaption();
    ASSERT_FALSE(rcCaption.IsRectEmpty());
    ASSERT_GT(m_pA->NcButtonGetCount(), 0);
    CExtBarNcAreaButton* pFirst = m_pA->NcButtonGet(0);
    ASSERT_TRUE(pFirst->IsVisible());
    CRect rcInfo;
    EXPECT_TRUE(pFirst->GetBarNcAreaInfo(&rcInfo));
    EXPECT_EQ(rcInfo, rcCaption);
    CRect rcBoth;
    EXPECT_TRUE(rcBoth.IntersectRect(&pFirst->m_rc, &rcCaption) && rcBoth == pFirst->m_rc);

    // The button's auto-hide query: shown by the slider, the slider's own active flag.
    bool bShown = false, bActive = true;
    EXPECT_TRUE(pFirst->IsBarAutoHideMode(&bShown, &bActive));
    EXPECT_TRUE(bShown);
    EXPECT_EQ(bActive, m_pSlider->IsFocusInside());

    // The hit test takes the point relative to the slider.
    const CPoint pt = pFirst->m_rc.CenterPoint() + rcSlider.TopLeft();
    CExtBarNcAreaButton* pHit = nullptr;
    EXPECT_NE(m_pA->NcButtonsHitTest(pt, &pHit), (UINT)HTCLIENT);
    EXPECT_EQ(pHit, pFirst);
    // The slider closed, nothing carries them.
    m_pSlider->SlideRun(m_pA, false, false);
    PumpMessages();
    EXPECT_EQ(m_pA->NcButtonsHitTest(pt, &pHit), (UINT)HTCLIENT);
    EXPECT_EQ(pHit, nullptr);
    bShown = true;
    EXPECT_TRUE(pFirst->IsBarAutoHideMode(&bShown, &bActive));
    EXPECT_FALSE(bShown);
    EXPECT_FALSE(bActive);
    ASSERT_GT(m_pC->NcButtonGetCount(), 0);
    EXPECT_FALSE(m_pC->NcButtonGet(0)->IsBarAutoHideMode(&bShown, &bActive));
    EXPECT_FALSE(bShown);
}

TEST_F(ControlBarTabsAutoHide, TheToggleCommandSlidesAnAutoHiddenBarOutAndFocusesTheSlider)
{
    AutoHide(m_pA);
    EXPECT_FALSE(m_pSlider->IsShown());
    m_pFrame->m_wndView.SetFocus();
    m_pA->HandleToggleCommand(true);
    PumpMessages();
    EXPECT_TRUE(m_pSlider->IsShown());
    EXPECT_EQ(m_pSlider->GetBar(), m_pA);
    const HWND hFocus = ::GetFocus();
    EXPECT_TRUE(hFocus == m_pSlider->GetSafeHwnd() || ::IsChild(m_pSlider->GetSafeHwnd(), hFocus));
    // Shown already: it stays out, still an auto-hidden bar.
    EXPECT_TRUE(CExtControlBar::HandleBarToggleCommand(m_pFrame, m_pA->GetDlgCtrlID(), true));
    PumpMessages();
    EXPECT_TRUE(m_pSlider->IsShown());
    EXPECT_TRUE(m_pA->IsAutoHideMode());
    m_pSlider->SlideRun(m_pA, false, false);
    PumpMessages();
}

TEST_F(ControlBarTabsAutoHide, LeavingAutoHideModeWithAnimationClosesTheSliderShowingAnotherBar)
{
    AutoHide(m_pA);
    AutoHide(m_pC);
    const CPoint ptSlider = SlideOut(m_pC).CenterPoint();
    // The pointer rests on the slider, so its own close timer keeps it out whatever the time the steps take.
    RunInputScript([&] { SendMouse(ptSlider.x, ptSlider.y, 0); });
    // Without animation the slider is left alone.
    ASSERT_TRUE(m_pA->SwitchAutoHide(false, false, true, false));
    Settle();
    EXPECT_TRUE(m_pSlider->IsShown());
    AutoHide(m_pA);
    SlideOut(m_pC);
    ASSERT_TRUE(m_pA->SwitchAutoHide(false, false, true, true));
    Settle();
    EXPECT_FALSE(m_pSlider->IsShown());
    EXPECT_TRUE(m_pC->IsAutoHideMode());
    EXPECT_TRUE(m_pA->IsWindowVisible());
}

TEST_F(ControlBarTabsAutoHide, AHiddenContainerHidesTheContainersDockedInsideIt)
{
    CExtDynControlBar* pOuter = NewContainer(Circle(1, AFX_IDW_DOCKBAR_TOP), AFX_IDW_DOCKBAR_TOP);
    ASSERT_NE(pOuter, nullptr);
    CExtDynControlBar* pInner = NewContainer(pOuter->m_pWndDynDocker, AFX_IDW_DOCKBAR_TOP);
    ASSERT_NE(pInner, nullptr);
    CHostResizableBar* pE = NewResizable(L"Epsilon");
    ASSERT_NE(pE, nullptr);
    pInner->m_pWndDynDocker->DockBarInto(pE);
    Settle();
    ASSERT_NE(pInner->GetStyle() & WS_VISIBLE, 0u);
    ASSERT_NE(pOuter->GetStyle() & WS_VISIBLE, 0u);
    m_pFrame->ShowControlBar(pOuter, FALSE, FALSE);
    EXPECT_EQ(pOuter->GetStyle() & WS_VISIBLE, 0u);
    EXPECT_EQ(pInner->GetStyle() & WS_VISIBLE, 0u);
    Settle();
}

TEST_F(ControlBarTabsAutoHide, APressInAFloatingBarStartsItsFloatingFramesCaptionDrag)
{
    ASSERT_TRUE(m_pC->FloatAtPoint(CPoint(300, 200)));
    CExtMiniDockFrameWnd* pMini = DYNAMIC_DOWNCAST(CExtMiniDockFrameWnd, m_pC->GetParentFrame());
    ASSERT_NE(pMini, nullptr);
    Settle();
    g_bTimerRan = false;
    g_hCaptureSeen = nullptr;
    g_hPressed = m_pC->GetSafeHwnd();
    const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 40, CaptureTimer);
    ASSERT_NE(nTimer, 0u);
    m_pC->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    // The timer ends the press's loop; had the press run none, it runs here.
    EXPECT_TRUE(WaitFor([] { return g_bTimerRan; }));
    ::KillTimer(nullptr, nTimer);
    g_hPressed = nullptr;
    // The caption's drag loop held the capture on the bar.
    EXPECT_EQ(g_hCaptureSeen, m_pC->GetSafeHwnd());
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(CExtControlBar::GetDraggedBar(), nullptr);
    EXPECT_TRUE(CExtControlBar::IsFloating(m_pC));
}

// A bar unpinned docks with its pin button under the resting pointer: the idle update lights the button, and it goes
// dark once the pointer leaves to no window of the program, with no move over the bar.
TEST_F(ControlBarTabsAutoHide, APinButtonLitUnderTheRestingPointerGoesDarkWhenThePointerLeaves)
{
    CExtBarNcAreaButton* pPin = m_pA->NcButtonGet(1);
    ASSERT_TRUE(pPin->IsKindOf(RUNTIME_CLASS(CExtBarNcAreaButtonAutoHide)));
    const CPoint pt = pPin->m_rc.CenterPoint() + WindowRectOf(m_pA).TopLeft();
    AutoHide(m_pA);
    ASSERT_TRUE(WaitFor([&] {
        CPoint ptNow;
        return ::SetCursorPos(pt.x, pt.y) && ::GetCursorPos(&ptNow) && ptNow == pt;
    }));
    ASSERT_TRUE(m_pA->SwitchAutoHide(false, false, true, true));
    Settle();
    m_pA->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    const auto lit = [&] { return (pPin->m_bfState & CExtBarNcAreaButton::kHover) != 0; };
    ASSERT_TRUE(lit());
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    EXPECT_TRUE(WaitFor([&] { return !lit(); })) << "the pin button stays lit";
}
