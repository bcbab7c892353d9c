// Sizes after docking gestures made with real input on the docking host: a bar taken out of a column to a frame
// side (dragged by its docked or floating caption, the column's other bar closed, shown or gone), the view and the
// frame after it, the stored state read back over the live layout; a floating tab group closed and the stored state
// read back; a tab of a floating group of two dropped on another floating bar.
#include "toolkit/bars_tabs/DynTabsFixture.h"
#include "toolkit/bars_tabs/WatchedGroups.h"
#include <string>
#include "toolkit/docking/ExtBarNcAreaButtonClose.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "toolkit/foundation/ExtDynDockMarkerWnd.h"

namespace
{
class DockingLayoutSizes : public DynTabsFixture
{
protected:
    CDockingHostFrame* NewHostFrame() override { return new CWatchedGroupsFrame; }
    void SetUp() override
    {
        CExtControlBar::g_nDraggingStyleOverride = 0;
        g_nStaleCalls = 0;
        g_arrStale.clear();
        DynTabsFixture::SetUp();
        m_sKey.Format(L"CorvaneLayoutSizes%lu_%lu", ::GetCurrentProcessId(), ::GetTickCount());
        ASSERT_TRUE(ShowInFront(m_pFrame));
        Rest();
    }
    void TearDown() override
    {
        DynTabsFixture::TearDown();
        CExtControlBar::g_nDraggingStyleOverride = -1;
        ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\" + m_sKey);
    }
    // The pointer away from every window, the queue empty.
    void Rest()
    {
        RunInputScript([] { SendMouse(1275, 1019, 0); });
        SettleInput(PumpMessages, 60);
    }
    // A point of the caption that carries the bar (its floating frame's when it floats alone), screen.
    static CPoint CaptionPoint(CExtControlBar* pBar)
    {
        CRect rc = pBar->GetCaptionRect();
        CRect rcWnd = WindowRectOf(pBar);
        CExtMiniDockFrameWnd* pMini = DYNAMIC_DOWNCAST(CExtMiniDockFrameWnd, pBar->GetParentFrame());
        if (rc.IsRectEmpty() && pMini != nullptr)
        {
            rc = pMini->GetCaptionRect();
            rcWnd = WindowRectOf(pMini);
        }
        rc.OffsetRect(rcWnd.TopLeft());
        return rc.Width() >= rc.Height() ? CPoint(rc.left + 8, rc.CenterPoint().y)
                                         : CPoint(rc.CenterPoint().x, rc.bottom - 8);
    }
    // The centre of the visible caption button of the kind on the bar or on its floating frame, screen.
    static bool ButtonPoint(CExtControlBar* pBar, CRuntimeClass* pKind, CPoint& pt)
    {
        CWnd* pOrigin = pBar;
        if (CExtControlBar::IsFloating(pBar))
            pOrigin = pBar->GetParentFrame();
        for (INT_PTR i = 0; i < pBar->NcButtonGetCount(); ++i)
        {
            CExtBarNcAreaButton* pBtn = pBar->NcButtonGet((int)i);
            if (pBtn->IsKindOf(pKind) && pBtn->IsVisible() && !pBtn->m_rc.IsRectEmpty())
            {
                pt = pBtn->m_rc.CenterPoint() + WindowRectOf(pOrigin).TopLeft();
                return true;
            }
        }
        return false;
    }
    // Inside an input script: the left button pressed at ptFrom and the pointer pulled past the drag threshold.
    static void PressAndPull(CPoint ptFrom)
    {
        SendMouse(ptFrom.x, ptFrom.y, 0);
        SendMouse(ptFrom.x, ptFrom.y, MOUSEEVENTF_LEFTDOWN);
        SendMouse(ptFrom.x + 12, ptFrom.y + 14, 0);
        SendMouse(ptFrom.x + 30, ptFrom.y + 34, 0);
    }
    // A left-button drag by real input from ptFrom to ptTo, the thread idle afterwards; false when no drag ran.
    bool Drag(CPoint ptFrom, CPoint ptTo)
    {
        bool bDragged = false;
        RunInputScript([&] {
            PressAndPull(ptFrom);
            bDragged = WaitFor([] { return CExtControlBar::GetDraggedBar() != nullptr; });
            SendMouse((ptFrom.x + ptTo.x) / 2, (ptFrom.y + ptTo.y) / 2, 0);
            SendMouse(ptTo.x - 1, ptTo.y, 0);
            SendMouse(ptTo.x, ptTo.y, 0);
            SendMouse(ptTo.x, ptTo.y, MOUSEEVENTF_LEFTUP);
            WaitFor([] { return CExtControlBar::GetDraggedBar() == nullptr; });
        });
        Settle();
        Rest();
        return bDragged;
    }
    // A drag under the marker style from ptFrom onto the outer marker of the side (0 top, 1 bottom, 2 left, 3
    // right); false when no drag ran or the markers did not show.
    bool DragOntoOuterMarker(CPoint ptFrom, int nSide)
    {
        bool bDropped = false;
        RunInputScript([&] {
            PressAndPull(ptFrom);
            CPoint ptTo(ptFrom.x + 30, ptFrom.y + 34);
            if (WaitFor([] { return CExtControlBar::GetDraggedBar() != nullptr; }) &&
                WaitFor([] { return CExtDynDockMarkerWnd::g_arrOuterSet.GetSize() == 4; }))
            {
                CRect rc;
                CExtDynDockMarkerWnd::g_arrOuterSet[nSide]->GetWindowRect(&rc);
                ptTo = rc.CenterPoint();
                SendMouse(ptTo.x - 1, ptTo.y, 0);
                SendMouse(ptTo.x, ptTo.y, 0);
                bDropped = true;
            }
            SendMouse(ptTo.x, ptTo.y, MOUSEEVENTF_LEFTUP);
            WaitFor([] { return CExtControlBar::GetDraggedBar() == nullptr; });
        });
        Settle();
        Rest();
        return bDropped;
    }
    void Click(CPoint pt, bool bDouble = false)
    {
        RunInputScript([&] {
            SendMouse(pt.x, pt.y, 0);
            for (int i = 0; i < (bDouble ? 2 : 1); ++i)
            {
                SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTDOWN);
                SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTUP);
            }
        });
        Settle();
        Rest();
    }
    CRect View() const { return WindowRectOf(&m_pFrame->m_wndView); }
    // Gamma dropped by its caption on the lower band of Alpha: one column of the two on the left.
    void ColumnOfAlphaAndGamma()
    {
        const CRect rcA = WindowRectOf(m_pA);
        ASSERT_TRUE(Drag(CaptionPoint(m_pC), CPoint(rcA.CenterPoint().x, rcA.bottom - 6)));
        ASSERT_NE(DYNAMIC_DOWNCAST(CExtDockDynBar, m_pA->m_pDockBar), nullptr);
        ASSERT_EQ(m_pA->m_pDockBar, m_pC->m_pDockBar);
    }
    // The height a bar docked at the bottom for the first time takes in a view of the height given: its stored
    // height, at most three quarters of the view's.
    int NewBarHeightAtTheBottom(int nViewHeight)
    {
        CHostResizableBar* pFresh = NewResizable(L"Fresh");
        EXPECT_NE(pFresh, nullptr);
        const int nStored = pFresh != nullptr ? (int)pFresh->m_sizeHorzDocked.cy : 0;
        if (pFresh != nullptr)
        {
            m_pFrame->ShowControlBar(pFresh, FALSE, FALSE);
            Settle();
        }
        return std::min(nStored, ::MulDiv(nViewHeight, 3, 4));
    }
    // pBar dragged by its caption to the view's lower edge: it lies where the view ended, as high as a bar newly
    // docked there, and the view keeps its place above it.
    void ExpectDraggedToTheBottomAsANewBar(CExtControlBar* pBar)
    {
        const CRect rcView = View();
        const int nExpected = NewBarHeightAtTheBottom(rcView.Height());
        ASSERT_TRUE(Drag(CaptionPoint(pBar), CPoint(rcView.CenterPoint().x, rcView.bottom - 4)));
        ASSERT_EQ(CExtControlBar::GetDockBarId(pBar), (UINT)AFX_IDW_DOCKBAR_BOTTOM);
        const CRect rcBar = WindowRectOf(pBar);
        EXPECT_EQ(rcBar.Height(), nExpected);
        EXPECT_EQ(rcBar.bottom, rcView.bottom);
        EXPECT_EQ(View().bottom, rcBar.top);
        EXPECT_EQ(View().top, rcView.top);
        ExpectLayoutSound();
    }
    // Every docked bar shown lies inside the frame's client area; the view is there, not covered, and keeps at least
    // a quarter of the client's height.
    void ExpectLayoutSound()
    {
        const CRect rcClient = ClientScreenRectOf(m_pFrame);
        for (CExtControlBar* p :
             {(CExtControlBar*)m_pA, (CExtControlBar*)m_pB, (CExtControlBar*)m_pC, (CExtControlBar*)m_pD})
        {
            if (!p->IsWindowVisible() || CExtControlBar::IsFloating(p))
                continue;
            CRect rcIn;
            rcIn.IntersectRect(WindowRectOf(p), rcClient);
            EXPECT_EQ(rcIn, WindowRectOf(p)) << Name(p) << " reaches out of the frame";
        }
        const CRect rcView = View();
        EXPECT_GE(rcView.Height(), rcClient.Height() / 4);
        EXPECT_GT(rcView.Width(), 0);
        // The user sees the view: its background at its centre, no window over it.
        EXPECT_EQ(::WindowFromPoint(rcView.CenterPoint()), m_pFrame->m_wndView.GetSafeHwnd());
        EXPECT_EQ(ScreenPixel(rcView.CenterPoint().x, rcView.CenterPoint().y), ::GetSysColor(COLOR_WINDOW));
    }
    static bool Within(HWND h, CWnd* pWnd) { return h == pWnd->GetSafeHwnd() || ::IsChild(pWnd->GetSafeHwnd(), h); }
    static std::string Name(CExtControlBar* pBar)
    {
        CString s;
        pBar->GetWindowText(s);
        return std::string(CStringA(s));
    }
    // The windows of the frame where they are on the screen: the view and the bars shown.
    std::string Places() const
    {
        std::string s;
        for (CWnd* p : {(CWnd*)&m_pFrame->m_wndView, (CWnd*)m_pA, (CWnd*)m_pB, (CWnd*)m_pC, (CWnd*)m_pD})
        {
            const CRect rc = WindowRectOf(p);
            if (!p->IsWindowVisible())
                s += "hidden ";
            else
                s += std::to_string(rc.left) + "," + std::to_string(rc.top) + "," + std::to_string(rc.right) + "," +
                     std::to_string(rc.bottom) + " ";
        }
        return s;
    }
    void ReadStoredStateBack()
    {
        ASSERT_TRUE(CExtControlBar::SaveFrameBarState(m_pFrame, m_sKey, kHostProfile, kHostProfile));
        ASSERT_TRUE(CExtControlBar::LoadFrameBarState(m_pFrame, m_sKey, kHostProfile, kHostProfile));
        Settle();
        Rest();
    }
    static void ExpectNoGroupOfOne()
    {
        for (INT_PTR i = 0; i < CExtControlBar::g_arrAllControlBars.GetSize(); ++i)
        {
            auto* pGroup = DYNAMIC_DOWNCAST(CExtDynTabControlBar, CExtControlBar::g_arrAllControlBars[i]);
            if (pGroup != nullptr && ::IsWindow(pGroup->GetSafeHwnd()))
            {
                EXPECT_GE(TabBars(pGroup).size(), 2u) << "a group of one bar stays";
            }
        }
    }
    // Alpha and Beta in one group floating at pt, Beta's tab selected.
    CExtDynTabControlBar* FloatingGroupOfAlphaAndBeta(CPoint pt)
    {
        EXPECT_TRUE(m_pA->DockAsTabWith(m_pB));
        Settle();
        CExtDynTabControlBar* pGroup = GroupOf(m_pA);
        if (pGroup == nullptr)
            return nullptr;
        EXPECT_TRUE(pGroup->FloatAtPoint(pt, CBRS_ALIGN_TOP));
        pGroup->m_wndTabs.SelectionSet(pGroup->m_wndTabs.FindBar(m_pB), true, true);
        Settle();
        Rest();
        return CExtControlBar::IsFloating(pGroup) ? pGroup : nullptr;
    }

    CString m_sKey;
};
} // namespace

TEST_F(DockingLayoutSizes, ABarDraggedToTheBottomFromAColumnWhoseOtherBarIsClosedIsAsHighAsANewlyDockedBar)
{
    ASSERT_NO_FATAL_FAILURE(ColumnOfAlphaAndGamma());
    CPoint pt;
    ASSERT_TRUE(ButtonPoint(m_pC, RUNTIME_CLASS(CExtBarNcAreaButtonClose), pt));
    Click(pt);
    ASSERT_FALSE(m_pC->IsWindowVisible());
    // Alpha fills the column now; dragged to the bottom it does not bring the column's length along.
    ASSERT_NO_FATAL_FAILURE(ExpectDraggedToTheBottomAsANewBar(m_pA));
    // The stored state read back gives what the screen shows.
    const std::string before = Places();
    ASSERT_NO_FATAL_FAILURE(ReadStoredStateBack());
    EXPECT_EQ(Places(), before);
    ExpectLayoutSound();
}

TEST_F(DockingLayoutSizes, ABarDraggedToTheBottomFromAColumnOfTwoIsAsHighAsANewlyDockedBar)
{
    ASSERT_NO_FATAL_FAILURE(ColumnOfAlphaAndGamma());
    ASSERT_NO_FATAL_FAILURE(ExpectDraggedToTheBottomAsANewBar(m_pA));
    // Gamma fills the column Alpha left.
    EXPECT_EQ(WindowRectOf(m_pC).top, View().top);
    const std::string before = Places();
    ASSERT_NO_FATAL_FAILURE(ReadStoredStateBack());
    EXPECT_EQ(Places(), before);
}

TEST_F(DockingLayoutSizes, ABarDraggedFromAColumnOntoTheViewsLowerEdgeAboveABottomBarIsAsHighAsANewlyDockedBar)
{
    // Delta at the bottom: the drop lands in the innermost circle, between the view and Delta.
    ASSERT_TRUE(m_pD->DockAtSideCircle(AFX_IDW_DOCKBAR_BOTTOM, 1, m_pFrame, true));
    Settle();
    Rest();
    ASSERT_NO_FATAL_FAILURE(ColumnOfAlphaAndGamma());
    CPoint pt;
    ASSERT_TRUE(ButtonPoint(m_pC, RUNTIME_CLASS(CExtBarNcAreaButtonClose), pt));
    Click(pt);
    ASSERT_NO_FATAL_FAILURE(ExpectDraggedToTheBottomAsANewBar(m_pA));
    EXPECT_EQ(WindowRectOf(m_pA).bottom, WindowRectOf(m_pD).top);
    const std::string before = Places();
    ASSERT_NO_FATAL_FAILURE(ReadStoredStateBack());
    EXPECT_EQ(Places(), before);
}

TEST_F(DockingLayoutSizes, ABarLeftAloneInAColumnAndDraggedToTheBottomIsAsHighAsANewlyDockedBar)
{
    // Gamma dragged back out of the column to the right side: the column goes and Alpha takes its place.
    ASSERT_NO_FATAL_FAILURE(ColumnOfAlphaAndGamma());
    const CRect rcView = View();
    ASSERT_TRUE(Drag(CaptionPoint(m_pC), CPoint(rcView.right - 4, rcView.CenterPoint().y)));
    ASSERT_EQ(CExtControlBar::GetDockBarId(m_pC), (UINT)AFX_IDW_DOCKBAR_RIGHT);
    ASSERT_EQ(DYNAMIC_DOWNCAST(CExtDockDynBar, m_pA->m_pDockBar), nullptr);
    ASSERT_NO_FATAL_FAILURE(ExpectDraggedToTheBottomAsANewBar(m_pA));
}

TEST_F(DockingLayoutSizes, ABarFloatedOutOfAColumnAndDraggedToTheBottomIsAsHighAsANewlyDockedBar)
{
    // Alpha floated by a double click on its caption, then dragged by its floating frame's caption.
    ASSERT_NO_FATAL_FAILURE(ColumnOfAlphaAndGamma());
    m_pA->m_ptFloatPos = CPoint(420, 200);
    Click(CaptionPoint(m_pA), true);
    ASSERT_TRUE(CExtControlBar::IsFloating(m_pA));
    // Gamma fills the column Alpha left.
    EXPECT_EQ(WindowRectOf(m_pC).top, View().top);
    EXPECT_EQ(WindowRectOf(m_pC).bottom, ClientScreenRectOf(m_pFrame).bottom);
    ASSERT_NO_FATAL_FAILURE(ExpectDraggedToTheBottomAsANewBar(m_pA));
}

TEST_F(DockingLayoutSizes, ABarStoredHigherThanTheViewDraggedToTheFramesEdgeLeavesTheViewAQuarter)
{
    // A stored height from a larger frame: the bar takes three quarters of the view at most.
    m_pB->m_sizeHorzDocked.cy = 2000;
    const CRect rcView = View();
    // The outer band of the bottom edge (the enclosed area's edge is the view's here).
    ASSERT_TRUE(Drag(CaptionPoint(m_pB), CPoint(rcView.CenterPoint().x, rcView.bottom - 4)));
    ASSERT_EQ(CExtControlBar::GetDockBarId(m_pB), (UINT)AFX_IDW_DOCKBAR_BOTTOM);
    EXPECT_LE(WindowRectOf(m_pB).Height(), ::MulDiv(rcView.Height(), 3, 4));
    ExpectLayoutSound();
}

TEST_F(DockingLayoutSizes, ABarDroppedOnTheBottomMarkerFromAColumnIsAsHighAsANewlyDockedBar)
{
    ASSERT_TRUE(m_pC->DockNextToBar(50, m_pA, AFX_IDW_DOCKBAR_BOTTOM));
    Settle();
    Rest();
    ASSERT_EQ(m_pA->m_pDockBar, m_pC->m_pDockBar);
    CExtControlBar::g_nDraggingStyleOverride = 1;
    const CRect rcView = View();
    const int nExpected = NewBarHeightAtTheBottom(rcView.Height());
    ASSERT_TRUE(DragOntoOuterMarker(CaptionPoint(m_pA), 1));
    ASSERT_EQ(CExtControlBar::GetDockBarId(m_pA), (UINT)AFX_IDW_DOCKBAR_BOTTOM);
    EXPECT_EQ(WindowRectOf(m_pA).Height(), nExpected);
    ExpectLayoutSound();
}

TEST_F(DockingLayoutSizes, ABarStoredHigherThanTheViewDroppedOnTheBottomMarkerLeavesTheViewAQuarter)
{
    m_pB->m_sizeHorzDocked.cy = 2000;
    CExtControlBar::g_nDraggingStyleOverride = 1;
    const CRect rcView = View();
    ASSERT_TRUE(DragOntoOuterMarker(CaptionPoint(m_pB), 1));
    ASSERT_EQ(CExtControlBar::GetDockBarId(m_pB), (UINT)AFX_IDW_DOCKBAR_BOTTOM);
    EXPECT_LE(WindowRectOf(m_pB).Height(), ::MulDiv(rcView.Height(), 3, 4));
    ExpectLayoutSound();
}

TEST_F(DockingLayoutSizes, AFloatingGroupClosedByItsCloseButtonStaysClosedWhenTheStoredStateIsReadBack)
{
    CExtDynTabControlBar* pGroup = FloatingGroupOfAlphaAndBeta(CPoint(420, 300));
    ASSERT_NE(pGroup, nullptr);
    CExtMiniDockFrameWnd* pMini = DYNAMIC_DOWNCAST(CExtMiniDockFrameWnd, pGroup->GetParentFrame());
    ASSERT_NE(pMini, nullptr);
    // Over the main window, where the screen shows it once the group is gone.
    const CPoint ptCaption = CaptionPoint(pGroup);
    ASSERT_TRUE(Within(::WindowFromPoint(ptCaption), pMini));
    CPoint pt;
    ASSERT_TRUE(ButtonPoint(pGroup, RUNTIME_CLASS(CExtBarNcAreaButtonClose), pt));
    Click(pt);
    ASSERT_FALSE(m_pA->IsWindowVisible());
    ASSERT_TRUE(Within(::WindowFromPoint(ptCaption), m_pFrame));
    // Read back over the live layout: nothing of the group is on the screen.
    ASSERT_NO_FATAL_FAILURE(ReadStoredStateBack());
    EXPECT_FALSE(m_pA->IsWindowVisible());
    EXPECT_FALSE(m_pB->IsWindowVisible());
    for (CExtControlBar* p : {(CExtControlBar*)m_pA, (CExtControlBar*)m_pB})
    {
        CFrameWnd* pFrame = p->GetParentFrame();
        ASSERT_NE(pFrame, nullptr);
        EXPECT_FALSE(pFrame->IsWindowVisible()) << Name(p) << "'s floating frame shows";
    }
    EXPECT_TRUE(Within(::WindowFromPoint(ptCaption), m_pFrame)) << "the closed group's frame is on the screen";
    EXPECT_EQ(StaleUses(), 0);
    // Alpha's command shows it again, in its group, and Beta stays closed.
    m_pFrame->SendMessage(WM_COMMAND, m_pA->GetDlgCtrlID(), 0);
    Settle();
    Rest();
    EXPECT_TRUE(m_pA->IsWindowVisible());
    EXPECT_NE(GroupOf(m_pA), nullptr);
    EXPECT_FALSE(m_pB->IsWindowVisible()) << "Beta, closed with its group, came back with Alpha";
}

TEST_F(DockingLayoutSizes, AFloatingGroupTheProgramHidesStaysHiddenWhenTheStoredStateIsReadBack)
{
    // The group hidden itself, its bars still shown in it (as a state stored so reads).
    CExtDynTabControlBar* pGroup = FloatingGroupOfAlphaAndBeta(CPoint(420, 300));
    ASSERT_NE(pGroup, nullptr);
    const CPoint ptCaption = CaptionPoint(pGroup);
    m_pFrame->ShowControlBar(pGroup, FALSE, FALSE);
    Settle();
    Rest();
    ASSERT_TRUE(Within(::WindowFromPoint(ptCaption), m_pFrame));
    ASSERT_TRUE((m_pA->GetStyle() & WS_VISIBLE) != 0);
    ASSERT_NO_FATAL_FAILURE(ReadStoredStateBack());
    EXPECT_FALSE(m_pA->IsWindowVisible());
    EXPECT_FALSE(m_pB->IsWindowVisible());
    EXPECT_FALSE(m_pA->GetParentFrame()->IsWindowVisible());
    EXPECT_TRUE(Within(::WindowFromPoint(ptCaption), m_pFrame)) << "the hidden group's frame is on the screen";
    EXPECT_EQ(StaleUses(), 0);
}

TEST_F(DockingLayoutSizes, ATabOfAFloatingGroupOfTwoDroppedOnAnotherFloatingBarLeavesNoGroupOfOne)
{
    CExtDynTabControlBar* pGroup = FloatingGroupOfAlphaAndBeta(CPoint(420, 200));
    ASSERT_NE(pGroup, nullptr);
    const HWND hGroup = pGroup->GetSafeHwnd();
    ASSERT_TRUE(m_pC->FloatAtPoint(CPoint(420, 600), CBRS_ALIGN_TOP));
    Settle();
    Rest();
    // Beta's tab dragged onto Gamma's top band: Beta and Gamma in one group.
    const CPoint ptTab = TabCentre(pGroup->m_wndTabs, pGroup->m_wndTabs.FindBar(m_pB));
    const CRect rcC = WindowRectOf(m_pC);
    ASSERT_TRUE(Drag(ptTab, CPoint(rcC.CenterPoint().x, rcC.top + 10)));
    ASSERT_NE(GroupOf(m_pB), nullptr);
    EXPECT_EQ(GroupOf(m_pB), GroupOf(m_pC));
    // Alpha floats alone, shown; its group went.
    EXPECT_FALSE(::IsWindow(hGroup));
    EXPECT_EQ(GroupOf(m_pA), nullptr);
    EXPECT_TRUE(CExtControlBar::IsFloating(m_pA));
    EXPECT_TRUE(m_pA->IsWindowVisible());
    ExpectNoGroupOfOne();
    EXPECT_EQ(StaleUses(), 0);
}

TEST_F(DockingLayoutSizes, ABarOfAColumnDroppedOnTheOtherBarsCaptionMakesAGroupOfTwoInTheColumnsPlace)
{
    ASSERT_NO_FATAL_FAILURE(ColumnOfAlphaAndGamma());
    const CRect rcColumn(WindowRectOf(m_pA).TopLeft(), WindowRectOf(m_pC).BottomRight());
    const CRect rcA = WindowRectOf(m_pA);
    ASSERT_TRUE(Drag(CaptionPoint(m_pC), CPoint(rcA.CenterPoint().x, rcA.top + 10)));
    CExtDynTabControlBar* pGroup = GroupOf(m_pA);
    ASSERT_NE(pGroup, nullptr);
    EXPECT_EQ(GroupOf(m_pC), pGroup);
    EXPECT_EQ(TabBars(pGroup).size(), 2u);
    // The column went with its second bar: the group takes its place whole.
    EXPECT_EQ(DYNAMIC_DOWNCAST(CExtDockDynBar, pGroup->m_pDockBar), nullptr);
    EXPECT_EQ(WindowRectOf(pGroup).top, rcColumn.top);
    EXPECT_EQ(WindowRectOf(pGroup).bottom, rcColumn.bottom);
    ExpectNoGroupOfOne();
    ExpectLayoutSound();
    EXPECT_EQ(StaleUses(), 0);
}
