// Auto-hide areas and the slider: switching bars to auto-hide, sliding out and in, the close delay, resizing,
// caption buttons, groups in areas, the keyboard, the Z order, the hook's life and painting.
#include "DynTabsFixture.h"
#include "support/DibCanvas.h"
#include "tests/support/ReferenceTimer.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/docking/ExtBarNcAreaButtonAutoHide.h"
#include "toolkit/docking/ExtBarNcAreaButtonClose.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
#include <algorithm>

namespace
{
// The slider closes 500 ms after the pointer left it.
const DWORD kStatedCloseMs = 500;

class DynAutoHide : public DynTabsFixture
{};
} // namespace

TEST_F(DynAutoHide, SwitchAutoHideListsTheBarOnItsEdgesAreaAndHidesIt)
{
    EXPECT_FALSE(m_pLeft->IsWindowVisible());
    EXPECT_EQ(m_pLeft->GetTabWndStyle() & 0xFFFF, CExtTabWnd::kOrientLeft | 0xC080u);
    EXPECT_EQ(m_pRight->GetTabWndStyle() & 0xFFFF, CExtTabWnd::kOrientRight | 0xC080u);
    EXPECT_EQ(m_pTop->GetTabWndStyle() & 0xFFFF, CExtTabWnd::kOrientTop | 0xC080u);
    EXPECT_EQ(m_pBottom->GetTabWndStyle() & 0xFFFF, CExtTabWnd::kOrientBottom | 0xC080u);
    ASSERT_TRUE(m_pA->SwitchAutoHide(true, false, true, true));
    Settle();
    EXPECT_TRUE(m_pA->IsAutoHideMode());
    EXPECT_FALSE(m_pA->IsWindowVisible());
    EXPECT_EQ(AreaBars(m_pLeft), (std::vector<CExtControlBar*>{m_pA}));
    EXPECT_TRUE(m_pLeft->ItemGet(0)->IsGroupStart());
    EXPECT_TRUE(m_pLeft->IsWindowVisible());
    int nIndex = -2;
    EXPECT_EQ(CExtDynAutoHideArea::FindAreaOfBar(m_pA, &nIndex), m_pLeft);
    EXPECT_EQ(nIndex, 0);
    EXPECT_EQ(CExtDynAutoHideArea::FindAreaOfBar(m_pC, &nIndex), nullptr);
    EXPECT_EQ(nIndex, -1);
    // The area takes its slice at the frame's left edge.
    const CRect rcArea = WindowRectOf(m_pLeft);
    EXPECT_EQ(rcArea.left, ClientScreenRectOf(m_pFrame).left);
    EXPECT_GT(rcArea.Width(), 10);
    // The last tab gone, the area hides; the bar, too wide for the view, leaves the view a part.
    m_pA->m_sizeVertDocked.cx = 5000;
    ASSERT_TRUE(m_pA->SwitchAutoHide(false, false, true, true));
    Settle();
    EXPECT_GT(WindowRectOf(&m_pFrame->m_wndView).Width(), 0);
    EXPECT_FALSE(m_pA->IsAutoHideMode());
    EXPECT_TRUE(m_pA->IsWindowVisible());
    EXPECT_EQ(m_pLeft->ItemGetCount(), 0);
    EXPECT_FALSE(m_pLeft->IsWindowVisible());
}

TEST_F(DynAutoHide, TheFourAreasKeepTheirSiblingOrderAfterTheRightDockBar)
{
    CExtDockBar* pRight = Outer(AFX_IDW_DOCKBAR_RIGHT);
    ASSERT_NE(pRight, nullptr);
    // Disturbed, then put back.
    m_pLeft->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_pTop->AdjustOrder();
    HWND h = pRight->GetSafeHwnd();
    for (CExtDynAutoHideArea* p : {m_pTop, m_pBottom, m_pLeft, m_pRight})
    {
        h = ::GetWindow(h, GW_HWNDNEXT);
        EXPECT_EQ(h, p->GetSafeHwnd());
    }
    // Every dock bar of an edge knows its area; a second set-up makes nothing new.
    EXPECT_EQ(Outer(AFX_IDW_DOCKBAR_LEFT)->GetAutoHideArea(), m_pLeft);
    EXPECT_EQ(Circle(1, AFX_IDW_DOCKBAR_LEFT)->GetAutoHideArea(), m_pLeft);
    EXPECT_TRUE(CExtDynAutoHideArea::CreateFrameAreas(m_pFrame));
    CExtDynAutoHideArea* pTop = nullptr;
    CExtDynAutoHideArea::FindFrameAreas(m_pA, &pTop, nullptr, nullptr, nullptr);
    EXPECT_EQ(pTop, m_pTop);
}

TEST_F(DynAutoHide, SelectingTheTabSlidesTheBarOutAgainstTheEdgeWithItsThicknessClamped)
{
    CExtDynAutoHideSlider::g_nAnimationSteps = 0;
    ASSERT_TRUE(m_pA->SwitchAutoHide(true, false, true, true));
    Settle();
    const CRect rcFree = CExtDynAutoHideSlider::CalcFreeRect(m_pFrame);
    m_pA->m_sizeVertDocked.cx = 150;
    m_pLeft->SelectionSet(0, true, true);
    PumpMessages();
    ASSERT_TRUE(m_pSlider->IsShown());
    EXPECT_EQ(m_pSlider->GetBar(), m_pA);
    CRect rc = WindowRectOf(m_pSlider);
    m_pFrame->ScreenToClient(&rc);
    EXPECT_EQ(rc, CRect(rcFree.left, rcFree.top, rcFree.left + 150, rcFree.bottom));
    // The content window lives in the slider meanwhile.
    EXPECT_EQ(m_pA->m_wndChild.GetParent(), m_pSlider);
    EXPECT_TRUE(m_pA->m_wndChild.IsWindowVisible());
    m_pSlider->SlideRun(m_pA, false, false);
    EXPECT_FALSE(m_pSlider->IsShown());
    EXPECT_FALSE(m_pSlider->IsWindowVisible());
    EXPECT_EQ(m_pA->m_wndChild.GetParent(), m_pA);
    EXPECT_EQ(m_pLeft->SelectionGet(), -1);

    // Too thin a remembered thickness becomes 20; too thick one the free width, and the bar keeps its own.
    m_pA->m_sizeVertDocked.cx = 3;
    m_pSlider->SlideRun(m_pA, true, false);
    EXPECT_EQ(WindowRectOf(m_pSlider).Width(), 20);
    m_pSlider->SlideRun(m_pA, false, false);
    m_pA->m_sizeVertDocked.cx = 5000;
    m_pSlider->SlideRun(m_pA, true, false);
    EXPECT_EQ(WindowRectOf(m_pSlider).Width(), rcFree.Width());
    m_pSlider->SlideRun(m_pA, false, false);
    EXPECT_EQ(m_pA->m_sizeVertDocked.cx, 5000);

    // A bar on the right slides against the right edge.
    ASSERT_TRUE(m_pC->SwitchAutoHide(true, false, true, true));
    Settle();
    const CRect rcFree2 = CExtDynAutoHideSlider::CalcFreeRect(m_pFrame);
    m_pC->m_sizeVertDocked.cx = 120;
    m_pSlider->SlideRun(m_pC, true, false);
    rc = WindowRectOf(m_pSlider);
    m_pFrame->ScreenToClient(&rc);
    EXPECT_EQ(rc, CRect(rcFree2.right - 120, rcFree2.top, rcFree2.right, rcFree2.bottom));
    m_pSlider->SlideRun(m_pC, false, false);
}

TEST_F(DynAutoHide, AFreeAreaUnderTwentyPixelsShowsNothing)
{
    ASSERT_TRUE(m_pA->SwitchAutoHide(true, false, true, true));
    Settle();
    // The view pane squeezed to a sliver stands for the free area.
    m_pFrame->m_wndView.SetWindowPos(nullptr, 300, 100, 15, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    m_pSlider->SlideRun(m_pA, true, false);
    EXPECT_FALSE(m_pSlider->IsShown());
    EXPECT_FALSE(m_pSlider->IsWindowVisible());
    EXPECT_EQ(m_pA->m_wndChild.GetParent(), m_pA);
}

namespace
{
// Records the sizes of one window's WM_WINDOWPOSCHANGED on this thread, and the top child of s_hInner as it shows.
class CPosSpy
{
public:
    explicit CPosSpy(HWND hWnd)
    {
        s_hWnd = hWnd;
        s_sizes.clear();
        s_hTopAtShow = nullptr;
        m_hHook = ::SetWindowsHookExW(WH_CALLWNDPROC, Proc, nullptr, ::GetCurrentThreadId());
    }
    ~CPosSpy() { ::UnhookWindowsHookEx(m_hHook); }
    static inline std::vector<CSize> s_sizes;
    static inline HWND s_hInner = nullptr, s_hTopAtShow = nullptr;

private:
    static LRESULT CALLBACK Proc(int nCode, WPARAM wParam, LPARAM lParam)
    {
        const CWPSTRUCT* p = reinterpret_cast<CWPSTRUCT*>(lParam);
        if (nCode == HC_ACTION && p->hwnd == s_hWnd && p->message == WM_WINDOWPOSCHANGED)
        {
            const WINDOWPOS* pos = reinterpret_cast<WINDOWPOS*>(p->lParam);
            if ((pos->flags & SWP_NOSIZE) == 0)
                s_sizes.push_back(CSize(pos->cx, pos->cy));
            if ((pos->flags & SWP_SHOWWINDOW) != 0)
                s_hTopAtShow = ::GetWindow(s_hInner, GW_CHILD);
        }
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
    HHOOK m_hHook;
    static inline HWND s_hWnd = nullptr;
};
} // namespace

TEST_F(DynAutoHide, TheAnimationsExtentsFollowMulDivOfTheFullExtentBySixths)
{
    ASSERT_TRUE(m_pA->SwitchAutoHide(true, false, true, true));
    Settle();
    m_pA->m_sizeVertDocked.cx = 180;
    {
        CPosSpy spy(m_pSlider->GetSafeHwnd());
        m_pSlider->SlideRun(m_pA, true, true);
        std::vector<int> widths;
        for (const CSize& s : CPosSpy::s_sizes)
            widths.push_back(s.cx);
        EXPECT_EQ(widths, (std::vector<int>{0, 30, 60, 90, 120, 180}));
    }
    {
        CPosSpy spy(m_pSlider->GetSafeHwnd());
        m_pSlider->SlideRun(m_pA, false, true);
        std::vector<int> widths;
        for (const CSize& s : CPosSpy::s_sizes)
            widths.push_back(s.cx);
        EXPECT_EQ(widths, (std::vector<int>{120, 90, 60, 30, 0}));
    }
    EXPECT_FALSE(m_pSlider->IsShown());
}

namespace
{
class DynAutoHideOut : public DynTabsFixture
{
protected:
    // a auto-hidden and slid out without animation, 150 pixels wide, with the pointer in its middle, so that
    // no close starts before the test moves it; the slider's rectangle on the screen.
    CRect SlideOutA()
    {
        CExtDynAutoHideSlider::g_nAnimationSteps = 0;
        EXPECT_TRUE(m_pA->SwitchAutoHide(true, false, true, true));
        Settle();
        m_pA->m_sizeVertDocked.cx = 150;
        const CRect rcFree = CExtDynAutoHideSlider::CalcFreeRect(m_pFrame);
        CPoint ptInside(rcFree.left + 75, rcFree.CenterPoint().y);
        m_pFrame->ClientToScreen(&ptInside);
        RunInputScript([&] { SendMouse(ptInside.x, ptInside.y, 0); });
        m_pSlider->SlideRun(m_pA, true, false);
        PumpMessages();
        EXPECT_TRUE(m_pSlider->IsShown());
        return WindowRectOf(m_pSlider);
    }
    CPoint FarInView() const
    {
        CRect rc = ClientScreenRectOf(&m_pFrame->m_wndView);
        return CPoint(rc.right - 20, rc.CenterPoint().y);
    }
    // Pumps for dwMs: for checks that nothing happens within that time.
    static void PumpFor(DWORD dwMs)
    {
        const DWORD dwStart = ::GetTickCount();
        while (::GetTickCount() - dwStart < dwMs)
        {
            PumpMessages();
            ::Sleep(5);
        }
    }
};
} // namespace

TEST_F(DynAutoHideOut, LeavingWithTheMouseClosesTheSliderNotBefore500Milliseconds)
{
    const CRect rc = SlideOutA();
    m_pFrame->m_wndView.SetFocus();
    RunInputScript([&] { SendMouse(rc.CenterPoint().x, rc.CenterPoint().y, 0); });
    PumpFor(250);
    EXPECT_TRUE(m_pSlider->IsShown());
    // The pointer is outside from the moment it is sent there: the close comes no sooner than 500 ms after,
    // and no later than two ticks after the fourth of a reference timer of a quarter of it, started with the
    // move out.
    const CPoint ptOut = FarInView();
    DWORD dwLeft = 0;
    CReferenceTimer ref;
    RunInputScript([&] {
        dwLeft = ::GetTickCount();
        SendMouse(ptOut.x, ptOut.y, 0);
        ref.Start(kStatedCloseMs / 4, [&] { return m_pSlider->IsShown() ? 0L : 1L; });
    });
    EXPECT_TRUE(WaitFor([&] { return !m_pSlider->IsShown(); }));
    EXPECT_GE(::GetTickCount() - dwLeft, kStatedCloseMs);
    EXPECT_TRUE(WaitFor([&] { return ref.FirstTickReaching(1) > 0; }));
    ref.Stop();
    EXPECT_LE(ref.FirstTickReaching(1), kQuarterTicksToAct);
    EXPECT_EQ(m_pA->m_wndChild.GetParent(), m_pA);

    // With the focus inside, the slider stays.
    SlideOutA();
    m_pA->m_wndChild.SetFocus();
    EXPECT_TRUE(WaitFor([&] { return m_pSlider->IsFocusInside(); }));
    RunInputScript([&] { SendMouse(ptOut.x + 5, ptOut.y, 0); });
    PumpFor(900);
    EXPECT_TRUE(m_pSlider->IsShown());
    EXPECT_TRUE(m_pSlider->IsFocusInside());
    // While a menu is open it stays too.
    CExtToolControlBar::g_bMenuTracking = true;
    m_pFrame->m_wndView.SetFocus();
    EXPECT_TRUE(WaitFor([&] { return !m_pSlider->IsFocusInside(); }));
    RunInputScript([&] { SendMouse(ptOut.x, ptOut.y + 5, 0); });
    PumpFor(900);
    EXPECT_TRUE(m_pSlider->IsShown());
    CExtToolControlBar::g_bMenuTracking = false;
    EXPECT_TRUE(WaitFor([&] { return !m_pSlider->IsShown(); }));
}

TEST_F(DynAutoHideOut, DraggingTheInnerEdgeStopsTwentyPixelsBeforeTheFarSide)
{
    const CRect rc = SlideOutA();
    const CRect rcFree = m_pSlider->GetFreeRect();
    CRect rcFreeScreen(rcFree);
    m_pFrame->ClientToScreen(&rcFreeScreen);
    const int y = rc.CenterPoint().y;
    bool bResizingFar = false;
    int nRightFar = 0;
    // One script from press to release: no press outlives it.
    RunInputScript([&] {
        SendMouse(rc.right - 2, y, 0);
        SendMouse(rc.right - 2, y, MOUSEEVENTF_LEFTDOWN);
        ASSERT_TRUE(m_pSlider->IsResizing());
        SendMouse(rc.right + 60, y, 0);
        SendMouse(rcFreeScreen.right + 100, y, 0);
        bResizingFar = m_pSlider->IsResizing();
        nRightFar = WindowRectOf(m_pSlider).right;
        SendMouse(rc.right + 40, y, 0);
        SendMouse(rc.right + 40, y, MOUSEEVENTF_LEFTUP);
    });
    EXPECT_TRUE(bResizingFar);
    EXPECT_EQ(nRightFar, rcFreeScreen.right - 20);
    EXPECT_FALSE(m_pSlider->IsResizing());
    const int nWidth = WindowRectOf(m_pSlider).Width();
    EXPECT_EQ(nWidth, 150 + 40);
    // The new thickness is remembered.
    EXPECT_EQ(m_pA->m_sizeVertDocked.cx, nWidth);
    m_pSlider->SlideRun(m_pA, false, false);
}

TEST_F(DynAutoHideOut, APressOnTheInnerEdgeHandledAfterThePointerMovedOnStillResizes)
{
    const CRect rc = SlideOutA();
    const int y = rc.CenterPoint().y;
    RunInputScript([&] { SendMouse(rc.right - 2, y, 0); });
    // Press and move are queued before this thread takes either: the press is handled with the pointer
    // already 40 pixels further.
    SendMouse(rc.right - 2, y, MOUSEEVENTF_LEFTDOWN);
    SendMouse(rc.right + 40, y, 0);
    bool bResizing = false, bOwnLoop = false;
    RunInputScript([&] {
        WaitFor([&] {
            bResizing = m_pSlider->IsResizing() && WindowRectOf(m_pSlider).right == rc.right + 40;
            bOwnLoop = IsScriptThreadInNestedLoop();
            return bResizing || bOwnLoop;
        });
        SendMouse(rc.right + 40, y, MOUSEEVENTF_LEFTUP);
    });
    EXPECT_TRUE(bResizing);
    EXPECT_FALSE(bOwnLoop) << "the press went past the slider into a loop of its own";
    EXPECT_FALSE(m_pSlider->IsResizing());
    EXPECT_EQ(WindowRectOf(m_pSlider).Width(), 150 + 40);
    m_pSlider->SlideRun(m_pA, false, false);
}

TEST_F(DynAutoHideOut, ACaptionButtonClickFirstSlidesInThenRunsTheButton)
{
    const CRect rc = SlideOutA();
    CExtBarNcAreaButton* pAutoHide = nullptr;
    for (INT_PTR i = 0; i < m_pA->NcButtonGetCount(); ++i)
    {
        if (m_pA->NcButtonGet((int)i)->IsKindOf(RUNTIME_CLASS(CExtBarNcAreaButtonAutoHide)))
            pAutoHide = m_pA->NcButtonGet((int)i);
    }
    ASSERT_NE(pAutoHide, nullptr);
    ASSERT_TRUE(pAutoHide->IsVisible());
    const CPoint pt = pAutoHide->m_rc.CenterPoint() + rc.TopLeft();
    ASSERT_TRUE(rc.PtInRect(pt));
    RunInputScript([&] {
        SendMouse(pt.x, pt.y, 0);
        SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTDOWN);
        SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTUP);
    });
    EXPECT_FALSE(m_pSlider->IsShown());
    EXPECT_FALSE(m_pA->IsAutoHideMode());
    EXPECT_TRUE(m_pA->IsWindowVisible());
    EXPECT_EQ(m_pLeft->ItemGetCount(), 0);
    EXPECT_EQ(m_pA->m_wndChild.GetParent(), m_pA);
}

TEST_F(DynAutoHideOut, AGroupIsARunHeadedByAGroupStartAndComesBackWithItsSelectedTab)
{
    ASSERT_TRUE(m_pA->DockAsTabWith(m_pB));
    Settle();
    CExtDynTabControlBar* pGroup = GroupOf(m_pA);
    ASSERT_NE(pGroup, nullptr);
    pGroup->m_wndTabs.SelectionSet(pGroup->m_wndTabs.FindBar(m_pB), true, true);
    ASSERT_TRUE(m_pC->SwitchAutoHide(true, false, true, true));
    ASSERT_TRUE(m_pA->SwitchAutoHide(true, false, true, true));
    Settle();
    EXPECT_TRUE(m_pA->IsAutoHideMode());
    EXPECT_TRUE(m_pB->IsAutoHideMode());
    EXPECT_EQ(AreaBars(m_pLeft), (std::vector<CExtControlBar*>{m_pA, m_pB}));
    EXPECT_TRUE(m_pLeft->ItemGet(0)->IsGroupStart());
    EXPECT_FALSE(m_pLeft->ItemGet(1)->IsGroupStart());
    EXPECT_TRUE(m_pLeft->ItemGet(1)->IsGroupCurrent());
    EXPECT_FALSE(m_pLeft->ItemGet(0)->IsGroupCurrent());
    EXPECT_EQ(m_pLeft->SelectionGet(), -1);
    EXPECT_FALSE(pGroup->IsWindowVisible());

    // Ctrl+PgDn between runs of two areas' worth: without animation (one size change).
    m_pLeft->SelectionSet(0, true, true);
    ASSERT_EQ(m_pSlider->GetBar(), m_pA);
    const int nFull = WindowRectOf(m_pSlider).Width();
    {
        CPosSpy spy(m_pSlider->GetSafeHwnd());
        EXPECT_TRUE(m_pLeft->HandleCtrlPage(true));
        EXPECT_EQ(m_pSlider->GetBar(), m_pB);
        for (const CSize& s : CPosSpy::s_sizes)
            EXPECT_EQ(s.cx, nFull);
    }
    EXPECT_EQ(m_pLeft->SelectionGet(), 1);
    m_pSlider->SlideRun(m_pB, false, false);

    // Back: the group shows again with the tab that was current in the run.
    m_pLeft->MarkGroupCurrent(0);
    ASSERT_TRUE(m_pB->SwitchAutoHide(false, false, true, true));
    Settle();
    EXPECT_FALSE(m_pA->IsAutoHideMode());
    EXPECT_FALSE(m_pB->IsAutoHideMode());
    EXPECT_TRUE(pGroup->IsWindowVisible());
    EXPECT_EQ(pGroup->GetSelectedBar(), m_pA);
    EXPECT_EQ(m_pLeft->ItemGetCount(), 0);
}

// Unpinned from the slider showing Beta, the group shows Beta's page from its show on.
TEST_F(DynAutoHideOut, AGroupUnpinnedFromTheSliderShowsTheSlidBarsPageFromItsShowOn)
{
    CExtDynAutoHideSlider::g_nAnimationSteps = 0;
    ASSERT_TRUE(m_pA->DockAsTabWith(m_pB));
    Settle();
    CExtDynTabControlBar* pGroup = GroupOf(m_pA);
    ASSERT_NE(pGroup, nullptr);
    pGroup->m_wndTabs.SelectionSet(pGroup->m_wndTabs.FindBar(m_pA), true, true);
    ASSERT_TRUE(m_pA->SwitchAutoHide(true, false, true, true));
    Settle();
    // Beta's tab rested on, then the slider's pin clicked.
    m_pLeft->SelectionSet(m_pLeft->ItemFindByLParam((LPARAM)m_pB), true, true);
    ASSERT_EQ(m_pSlider->GetBar(), m_pB);
    CPosSpy spy(pGroup->GetSafeHwnd());
    CPosSpy::s_hInner = pGroup->m_pWndDynDocker->GetSafeHwnd();
    ASSERT_TRUE(m_pB->SwitchAutoHide(false));
    EXPECT_EQ(CPosSpy::s_hTopAtShow, m_pB->GetSafeHwnd());
}

TEST_F(DynAutoHideOut, ABarDestroyedWhileShownClosesTheSliderAndLosesItsTab)
{
    SlideOutA();
    ASSERT_TRUE(m_pB->SwitchAutoHide(true, false, true, true));
    Settle();
    ASSERT_EQ(m_pLeft->ItemGetCount(), 2);
    m_pSlider->SlideRun(m_pA, true, false);
    ASSERT_EQ(m_pSlider->GetBar(), m_pA);
    m_pA->DestroyWindow();
    EXPECT_EQ(m_pSlider->GetBar(), nullptr);
    EXPECT_TRUE(WaitFor([&] { return !m_pSlider->IsShown(); }));
    EXPECT_EQ(AreaBars(m_pLeft), (std::vector<CExtControlBar*>{m_pB}));
    EXPECT_TRUE(m_pLeft->ItemGet(0)->IsGroupStart());
    // The area still paints and the other bar still slides out.
    m_pLeft->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    m_pSlider->SlideRun(m_pB, true, false);
    EXPECT_EQ(m_pSlider->GetBar(), m_pB);
    m_pSlider->SlideRun(m_pB, false, false);
}

namespace
{
// A top-level window that counts the left clicks it gets.
class CClickCounter : public CWnd
{
public:
    int m_nClicks = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_LBUTTONDOWN)
            ++m_nClicks;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};
} // namespace

TEST_F(DynAutoHideOut, DestroyingTheFrameWhileResizingLeavesNoHookAndTheMouseStillWorks)
{
    const CRect rc = SlideOutA();
    ASSERT_NE(CExtDynAutoHideSlider::g_hMouseHook, nullptr);
    const int y = rc.CenterPoint().y;
    // The button stays down for the frame's destruction: resizing runs no loop of its own.
    RunInputScriptKeepingHeld([&] {
        SendMouse(rc.right - 2, y, 0);
        SendMouse(rc.right - 2, y, MOUSEEVENTF_LEFTDOWN);
        SendMouse(rc.right + 10, y, 0);
    });
    ASSERT_TRUE(m_pSlider->IsResizing());
    m_pFrame->DestroyWindow();
    m_pFrame = nullptr;
    PumpMessages();
    EXPECT_EQ(CExtDynAutoHideSlider::g_hMouseHook, nullptr);
    EXPECT_EQ(CExtDynAutoHideSlider::g_pHookOwner, nullptr);
    RunInputScript([&] { SendMouse(rc.right + 10, y, MOUSEEVENTF_LEFTUP); });

    CClickCounter wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), L"clicks", WS_POPUP | WS_VISIBLE, 200, 200, 200, 150, nullptr,
                             nullptr));
    wnd.SetForegroundWindow();
    PumpMessages();
    RunInputScript([&] {
        SendMouse(300, 275, 0);
        SendMouse(300, 275, MOUSEEVENTF_LEFTDOWN);
        SendMouse(300, 275, MOUSEEVENTF_LEFTUP);
    });
    EXPECT_EQ(wnd.m_nClicks, 1);
    wnd.DestroyWindow();
}

TEST_F(DynAutoHideOut, WithoutAContentWindowTheClientHasColour15AndTheBorderColours20And21)
{
    CExtDynAutoHideSlider::g_nAnimationSteps = 0;
    m_pC->m_wndChild.DestroyWindow();
    ASSERT_TRUE(m_pC->SwitchAutoHide(true, false, true, true));
    Settle();
    m_pC->m_sizeVertDocked.cx = 160;
    m_pSlider->SlideRun(m_pC, true, false);
    ASSERT_TRUE(m_pSlider->IsShown());
    m_pSlider->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ERASENOW);
    PumpMessages();
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    const CRect rcWnd = WindowRectOf(m_pSlider);
    const CRect rcClient = ClientScreenRectOf(m_pSlider);
    const int yMid = rcClient.CenterPoint().y;
    // The painting reaches the screen when the window system gets to it.
    EXPECT_TRUE(WaitFor([&] {
        return ScreenPixel(rcClient.CenterPoint().x, yMid) == pPM->GetTranslatedColor(15) &&
               ScreenPixel(rcWnd.left, yMid) == pPM->GetTranslatedColor(20) &&
               ScreenPixel(rcWnd.right - 1, yMid) == pPM->GetTranslatedColor(21);
    }));
    EXPECT_EQ(ScreenPixel(rcClient.CenterPoint().x, rcClient.CenterPoint().y), pPM->GetTranslatedColor(15));
    EXPECT_EQ(ScreenPixel(rcWnd.left, yMid), pPM->GetTranslatedColor(20));
    EXPECT_EQ(ScreenPixel(rcWnd.right - 1, yMid), pPM->GetTranslatedColor(21));
    m_pSlider->SlideRun(m_pC, false, false);
}

namespace
{
CExtBarNcAreaButton* PinButtonOf(CExtControlBar* pBar)
{
    for (INT_PTR i = 0; i < pBar->NcButtonGetCount(); ++i)
    {
        if (pBar->NcButtonGet((int)i)->IsKindOf(RUNTIME_CLASS(CExtBarNcAreaButtonAutoHide)))
            return pBar->NcButtonGet((int)i);
    }
    return nullptr;
}
} // namespace

TEST_F(DynAutoHide, APinnedBarsSliderShowsItsCaptionButtonsInPlaceAndTheFrameAsARepaintWould)
{
    CExtDynAutoHideSlider::g_nAnimationSteps = 0;
    ASSERT_TRUE(BringInFront(m_pFrame));
    CExtBarNcAreaButton* pPin = PinButtonOf(m_pC);
    ASSERT_NE(pPin, nullptr);
    ASSERT_TRUE(pPin->IsVisible());
    const CPoint ptPin = pPin->m_rc.CenterPoint() + WindowRectOf(m_pC).TopLeft();
    RunInputScript([&] {
        SendMouse(ptPin.x, ptPin.y, 0);
        SendMouse(ptPin.x, ptPin.y, MOUSEEVENTF_LEFTDOWN);
        SendMouse(ptPin.x, ptPin.y, MOUSEEVENTF_LEFTUP);
    });
    ASSERT_TRUE(WaitFor([&] { return m_pC->IsAutoHideMode() && m_pSlider->IsShown() && m_pSlider->GetBar() == m_pC; }));
    // The pointer rests on the slider's client area, on no caption button.
    const CPoint ptRest = ClientScreenRectOf(m_pSlider).CenterPoint();
    RunInputScript([&] { SendMouse(ptRest.x, ptRest.y, 0); });
    PumpMessages();

    // Every shown caption button lies in the slider's caption, none over another.
    const CRect rcWnd = WindowRectOf(m_pSlider);
    CRect rcClient, rcCaption;
    m_pSlider->CalcNcRects(rcWnd.Size(), rcClient, rcCaption);
    std::vector<CRect> arrShown;
    for (INT_PTR i = 0; i < m_pC->NcButtonGetCount(); ++i)
    {
        CExtBarNcAreaButton* pBtn = m_pC->NcButtonGet((int)i);
        if (!pBtn->IsVisible())
            continue;
        CRect rcIn;
        EXPECT_TRUE(rcIn.IntersectRect(&rcCaption, &pBtn->m_rc) && rcIn == pBtn->m_rc) << i;
        for (const CRect& rcOther : arrShown)
            EXPECT_FALSE(rcIn.IntersectRect(&rcOther, &pBtn->m_rc)) << i;
        arrShown.push_back(pBtn->m_rc);
    }
    EXPECT_GE(arrShown.size(), 2u);
    // The caption on the screen is the one of the same slider opened again from its tab, focus as it was.
    CRect rcCaptionScreen(rcCaption);
    rcCaptionScreen.OffsetRect(rcWnd.TopLeft());
    const std::vector<DWORD> atPin = GrabScreen(rcCaptionScreen);
    // The frame as a full repaint shows it: the view grown into the bar's place included.
    const CRect rcFrame = ClientScreenRectOf(m_pFrame);
    const std::vector<DWORD> frameAtPin = GrabScreen(rcFrame);
    // The slider's watch knows where the focus is before the repaint.
    ASSERT_TRUE(WaitFor([&] {
        const HWND hFocus = ::GetFocus();
        return m_pSlider->IsFocusInside() ==
               (hFocus != nullptr && (hFocus == m_pSlider->m_hWnd || ::IsChild(m_pSlider->m_hWnd, hFocus)));
    }));
    const bool bFocusInside = m_pSlider->IsFocusInside();
    m_pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
    EXPECT_TRUE(frameAtPin == GrabScreen(rcFrame));

    m_pSlider->SlideRun(m_pC, false, false);
    int nTab = -1;
    ASSERT_EQ(CExtDynAutoHideArea::FindAreaOfBar(m_pC, &nTab), m_pRight);
    const CPoint ptTab = TabCentre(*m_pRight, nTab);
    RunInputScript([&] {
        SendMouse(ptTab.x, ptTab.y, 0);
        SendMouse(ptTab.x, ptTab.y + 1, 0);
    });
    ASSERT_TRUE(WaitFor([&] { return m_pSlider->IsShown() && m_pSlider->GetBar() == m_pC; }));
    ASSERT_EQ(WindowRectOf(m_pSlider), rcWnd);
    if (bFocusInside)
    {
        const CPoint ptCaption(rcCaptionScreen.left + 10, rcCaptionScreen.CenterPoint().y);
        RunInputScript([&] {
            SendMouse(ptCaption.x, ptCaption.y, 0);
            SendMouse(ptCaption.x, ptCaption.y, MOUSEEVENTF_LEFTDOWN);
            SendMouse(ptCaption.x, ptCaption.y, MOUSEEVENTF_LEFTUP);
        });
    }
    RunInputScript([&] { SendMouse(ptRest.x, ptRest.y, 0); });
    EXPECT_TRUE(
        WaitFor([&] { return m_pSlider->IsFocusInside() == bFocusInside && GrabScreen(rcCaptionScreen) == atPin; }));
    m_pSlider->SlideRun(m_pC, false, false);
}

namespace
{
// Perceived lightness of a colour, 0..255.
int Lightness(COLORREF clr) { return (GetRValue(clr) * 30 + GetGValue(clr) * 59 + GetBValue(clr) * 11) / 100; }
} // namespace

TEST_F(DynAutoHideOut, UnderTheOffice2003ThemeTheInactiveSlidersPinAndCloseGlyphsAreDarkOnItsCaption)
{
    struct Restore
    {
        ~Restore() { g_PaintManagerHolder.InstallPaintManager(new CExtPaintManager); }
    } restore;
    g_PaintManagerHolder.InstallPaintManager(new CExtPaintManagerOffice2003);
    SlideOutA();
    // The focus in the view: the slider is not active.
    m_pFrame->m_wndView.SetFocus();
    ASSERT_TRUE(WaitFor([&] { return !m_pSlider->IsFocusInside(); }));
    m_pSlider->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    PumpMessages();
    const CPoint ptOrg = WindowRectOf(m_pSlider).TopLeft();
    int nButtons = 0;
    for (INT_PTR i = 0; i < m_pA->NcButtonGetCount(); ++i)
    {
        CExtBarNcAreaButton* pBtn = m_pA->NcButtonGet((int)i);
        if (!pBtn->IsVisible() || !(pBtn->IsKindOf(RUNTIME_CLASS(CExtBarNcAreaButtonAutoHide)) ||
                                    pBtn->IsKindOf(RUNTIME_CLASS(CExtBarNcAreaButtonClose))))
            continue;
        ++nButtons;
        CRect rc(pBtn->m_rc);
        rc.OffsetRect(ptOrg);
        // The glyph in the dark shadow colour, well apart from the caption behind it; nothing in the light
        // text colour of an active caption.
        const COLORREF clrDark = g_PaintManagerHolder->GetTranslatedColor(COLOR_3DDKSHADOW, pBtn);
        const COLORREF clrLight = g_PaintManagerHolder->GetTranslatedColor(COLOR_HIGHLIGHTTEXT, pBtn);
        EXPECT_TRUE(WaitFor([&] {
            const std::vector<DWORD> px = GrabScreen(rc);
            return std::count(px.begin(), px.end(),
                              (DWORD)RGB(GetBValue(clrDark), GetGValue(clrDark), GetRValue(clrDark))) > 5;
        })) << i;
        const std::vector<DWORD> px = GrabScreen(rc);
        EXPECT_EQ(
            std::count(px.begin(), px.end(), (DWORD)RGB(GetBValue(clrLight), GetGValue(clrLight), GetRValue(clrLight))),
            0)
            << i;
        EXPECT_GE(Lightness(ScreenPixel(rc.left, rc.top)) - Lightness(clrDark), 96) << i;
    }
    EXPECT_EQ(nButtons, 2);
    m_pSlider->SlideRun(m_pA, false, false);
}

// Alpha in a container's column (Beta dropped on its bottom band), Gamma in its own column above Delta: pinned and
// unpinned, then closed and shown, each comes back at its height (a pixel a round may go to Gamma's splitter).
TEST_F(DynAutoHide, ABarOfAColumnComesBackAtItsHeight)
{
    ASSERT_TRUE(m_pB->DockNextToBar(50, m_pA, AFX_IDW_DOCKBAR_BOTTOM));
    CRect rcBelow = WindowRectOf(m_pC);
    rcBelow.top = rcBelow.CenterPoint().y + 1;
    m_pFrame->DockControlBar(m_pD, m_pC->m_pDockBar, &rcBelow);
    Settle();
    for (CExtControlBar* pBar : {static_cast<CExtControlBar*>(m_pA), static_cast<CExtControlBar*>(m_pC)})
    {
        const int nHeight = WindowRectOf(pBar).Height();
        ASSERT_TRUE(pBar->SwitchAutoHide(true) && pBar->SwitchAutoHide(false));
        Settle();
        EXPECT_NEAR(WindowRectOf(pBar).Height(), nHeight, 1) << "bar " << pBar->GetDlgCtrlID();
        m_pFrame->ShowControlBar(pBar, FALSE, FALSE);
        m_pFrame->ShowControlBar(pBar, TRUE, FALSE);
        Settle();
        EXPECT_NEAR(WindowRectOf(pBar).Height(), nHeight, 2) << "bar " << pBar->GetDlgCtrlID();
    }
}
