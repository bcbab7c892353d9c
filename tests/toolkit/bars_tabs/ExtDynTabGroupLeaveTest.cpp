// A bar taken out of a tab group of two: its tab double-clicked, dragged out or dropped beside the group,
// FloatAtPoint, FloatAtStoredPosition, its close button, a stored layout loaded over the group. The group's dock bar and
// the group go with the step; their memory is kept marked, so that a use of either after the step is seen whether or
// not it would have crashed.
#include "DynTabsFixture.h"
#include "WatchedGroups.h"
#include "toolkit/docking/ExtBarNcAreaButtonClose.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include <vector>

namespace
{
class DynTabLeave : public DynTabsFixture
{
protected:
    // Where the group was: its window, its dock bar and its rectangle.
    struct Place
    {
        HWND hGroup = nullptr;
        CDockBar* pDockBar = nullptr;
        CRect rc;
    };

    CDockingHostFrame* NewHostFrame() override { return new CWatchedGroupsFrame; }
    void SetUp() override
    {
        CExtControlBar::g_nDraggingStyleOverride = 0;
        g_nStaleCalls = 0;
        g_arrStale.clear();
        DynTabsFixture::SetUp();
        m_dwGuiThread = ::GetCurrentThreadId();
    }
    void TearDown() override
    {
        DynTabsFixture::TearDown();
        CExtControlBar::g_nDraggingStyleOverride = -1;
    }
    // Alpha and Beta in one group at Alpha's place on the left, Beta's tab selected.
    Place MakeGroupOfTwo()
    {
        Place place;
        EXPECT_TRUE(m_pA->DockAsTabWith(m_pB));
        Settle();
        CExtDynTabControlBar* pGroup = GroupOf(m_pA);
        EXPECT_NE(pGroup, nullptr);
        if (pGroup == nullptr)
            return place;
        EXPECT_NE(dynamic_cast<CWatchedTabGroup*>(pGroup), nullptr);
        EXPECT_EQ(TabBars(pGroup), (std::vector<CExtControlBar*>{m_pA, m_pB}));
        pGroup->m_wndTabs.SelectionSet(pGroup->m_wndTabs.FindBar(m_pB), true, true);
        Settle();
        place.hGroup = pGroup->GetSafeHwnd();
        place.pDockBar = pGroup->m_pDockBar;
        place.rc = WindowRectOf(pGroup);
        return place;
    }
    // The group is gone; pStay is docked in its place, visible; pTaken floats in a shown floating frame; nothing
    // deleted on the way was used, and no group of one is left.
    void ExpectLeftGroup(const Place& place, CExtControlBar* pStay, CExtControlBar* pTaken)
    {
        // The group and its dock bar were deleted, and are watched.
        EXPECT_GE(g_arrStale.size(), 2u);
        EXPECT_EQ(StaleUses(), 0);
        EXPECT_FALSE(::IsWindow(place.hGroup));
        EXPECT_EQ(GroupOf(pStay), nullptr);
        EXPECT_EQ(GroupOf(pTaken), nullptr);
        EXPECT_FALSE(CExtControlBar::IsFloating(pStay));
        EXPECT_EQ(pStay->m_pDockBar, place.pDockBar);
        EXPECT_EQ(pStay->GetParent(), place.pDockBar);
        EXPECT_GT(place.pDockBar->FindBar(pStay), 0);
        EXPECT_TRUE(pStay->IsWindowVisible());
        EXPECT_EQ(WindowRectOf(pStay), place.rc);
        EXPECT_TRUE(CExtControlBar::IsFloating(pTaken));
        CExtMiniDockFrameWnd* pMini = DYNAMIC_DOWNCAST(CExtMiniDockFrameWnd, pTaken->GetParentFrame());
        ASSERT_NE(pMini, nullptr);
        EXPECT_TRUE(pMini->IsWindowVisible());
        EXPECT_TRUE(pTaken->IsWindowVisible());
        EXPECT_GT(pMini->m_wndDockBar.FindBar(pTaken), 0);
        ExpectNoGroupOfOne();
    }
    static void ExpectNoGroupOfOne()
    {
        for (INT_PTR i = 0; i < CExtControlBar::g_arrAllControlBars.GetSize(); ++i)
        {
            auto* pGroup = DYNAMIC_DOWNCAST(CExtDynTabControlBar, CExtControlBar::g_arrAllControlBars[i]);
            if (pGroup != nullptr && ::IsWindow(pGroup->GetSafeHwnd()))
            {
                EXPECT_GE(TabBars(pGroup).size(), 2u);
            }
        }
    }
    HWND GuiCapture() const
    {
        GUITHREADINFO gui = {sizeof(gui)};
        return ::GetGUIThreadInfo(m_dwGuiThread, &gui) ? gui.hwndCapture : nullptr;
    }
    DWORD m_dwGuiThread = 0;
};
} // namespace

TEST_F(DynTabLeave, ADoubleClickOnATabOfAGroupOfTwoFloatsThatBarAndLeavesTheOtherWhereTheGroupWas)
{
    const Place place = MakeGroupOfTwo();
    ASSERT_NE(place.hGroup, nullptr);
    m_pB->m_ptFloatPos = CPoint(420, 260);
    CExtDynTabWnd& tabs = GroupOf(m_pB)->m_wndTabs;
    const CPoint ptTab = TabCentre(tabs, tabs.FindBar(m_pB));
    RunInputScript([&] {
        SendMouse(ptTab.x, ptTab.y, 0);
        for (int i = 0; i < 2; ++i)
        {
            SendMouse(ptTab.x, ptTab.y, MOUSEEVENTF_LEFTDOWN);
            SendMouse(ptTab.x, ptTab.y, MOUSEEVENTF_LEFTUP);
        }
    });
    ASSERT_TRUE(WaitFor([&] { return CExtControlBar::IsFloating(m_pB) && !::IsWindow(place.hGroup); }));
    Settle();
    ExpectLeftGroup(place, m_pA, m_pB);
    EXPECT_EQ(WindowRectOf(m_pB->GetParentFrame()).TopLeft(), CPoint(420, 260));
}

TEST_F(DynTabLeave, ATabOfAGroupOfTwoDraggedOutFloatsThatBarAndLeavesTheOtherWhereTheGroupWas)
{
    // Into the view with the tracker; out of the frame's window with the markers, whose drag floats the bar while it
    // moves.
    for (int nStyle = 0; nStyle < 2; ++nStyle)
    {
        SCOPED_TRACE(nStyle);
        CExtControlBar::g_nDraggingStyleOverride = nStyle;
        const Place place = MakeGroupOfTwo();
        ASSERT_NE(place.hGroup, nullptr);
        CExtDynTabWnd& tabs = GroupOf(m_pB)->m_wndTabs;
        const CPoint ptTab = TabCentre(tabs, tabs.FindBar(m_pB));
        const CRect rcFrame = WindowRectOf(m_pFrame);
        const CPoint ptTo = nStyle == 0 ? ClientScreenRectOf(&m_pFrame->m_wndView).CenterPoint()
                                        : CPoint(rcFrame.right + 120, rcFrame.CenterPoint().y);
        RunInputScript([&] {
            SendMouse(ptTab.x, ptTab.y, 0);
            SendMouse(ptTab.x, ptTab.y, MOUSEEVENTF_LEFTDOWN);
            // Past the drag threshold the tab hands the press over to its bar's drag loop.
            SendMouse(ptTab.x + 12, ptTab.y - 20, 0);
            ASSERT_TRUE(WaitFor([&] { return GuiCapture() == m_pB->GetSafeHwnd(); }));
            SendMouse(ptTo.x - 2, ptTo.y, 0);
            ASSERT_TRUE(WaitFor([&] { return CExtControlBar::GetDraggedBar() == m_pB; }));
            SendMouse(ptTo.x, ptTo.y, 0);
            ASSERT_TRUE(WaitFor([&] {
                const CExtControlBar::InternalDraggingState_t& state = CExtControlBar::g_DragStateComputed;
                return !state.IsEmpty() && state.m_nTargetKind == CExtControlBar::InternalDraggingState_t::kFloat;
            }));
            SendMouse(ptTo.x, ptTo.y, MOUSEEVENTF_LEFTUP);
        });
        ASSERT_TRUE(WaitFor([&] { return CExtControlBar::GetDraggedBar() == nullptr && !::IsWindow(place.hGroup); }));
        Settle();
        ExpectLeftGroup(place, m_pA, m_pB);
        EXPECT_EQ(CExtControlBar::GetDraggedBar(), nullptr);
        // Back to the left side for the next style.
        ASSERT_TRUE(m_pB->DockAtSideCircle(AFX_IDW_DOCKBAR_LEFT, 1, m_pFrame, true));
        Settle();
    }
}

TEST_F(DynTabLeave, FloatAtPointAndFloatAtStoredPositionTakeEitherBarOutOfAGroupOfTwo)
{
    for (int nCase = 0; nCase < 4; ++nCase)
    {
        SCOPED_TRACE(nCase);
        const Place place = MakeGroupOfTwo();
        ASSERT_NE(place.hGroup, nullptr);
        CExtControlBar* pTaken = (nCase & 1) == 0 ? m_pB : m_pA;
        CExtControlBar* pStay = pTaken == m_pB ? m_pA : m_pB;
        const CPoint pt(380 + 10 * nCase, 240);
        if (nCase < 2)
        {
            ASSERT_TRUE(pTaken->FloatAtPoint(pt));
        }
        else
        {
            pTaken->m_ptFloatPos = pt;
            pTaken->FloatAtStoredPosition();
        }
        Settle();
        ExpectLeftGroup(place, pStay, pTaken);
        EXPECT_EQ(WindowRectOf(pTaken->GetParentFrame()).TopLeft(), pt);
        // Back to the left side for the next case.
        ASSERT_TRUE(pTaken->DockAtSideCircle(AFX_IDW_DOCKBAR_LEFT, 1, m_pFrame, true));
        ASSERT_TRUE(pStay->DockAtSideCircle(AFX_IDW_DOCKBAR_LEFT, 1, m_pFrame, true));
        Settle();
    }
}

TEST_F(DynTabLeave, ClosingTheSelectedBarOfAGroupOfTwoLeavesTheOtherShownWhereTheGroupWas)
{
    const Place place = MakeGroupOfTwo();
    ASSERT_NE(place.hGroup, nullptr);
    CExtDynTabControlBar* pGroup = GroupOf(m_pB);
    ASSERT_EQ(pGroup->GetSelectedBar(), m_pB);
    // The close button on the group's caption closes the selected bar.
    CExtBarNcAreaButton* pClose = nullptr;
    for (int i = 0; i < pGroup->NcButtonGetCount() && pClose == nullptr; ++i)
    {
        if (pGroup->NcButtonGet(i)->IsKindOf(RUNTIME_CLASS(CExtBarNcAreaButtonClose)))
            pClose = pGroup->NcButtonGet(i);
    }
    ASSERT_NE(pClose, nullptr);
    ASSERT_TRUE(pClose->IsVisible());
    const CPoint pt = pClose->m_rc.CenterPoint() + WindowRectOf(pGroup).TopLeft();
    RunInputScript([&] {
        SendMouse(pt.x, pt.y, 0);
        SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTDOWN);
        SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTUP);
    });
    ASSERT_TRUE(WaitFor([&] { return !m_pB->IsWindowVisible(); }));
    Settle();
    EXPECT_EQ(StaleUses(), 0);
    EXPECT_FALSE(m_pB->IsWindowVisible());
    EXPECT_TRUE(m_pA->IsWindowVisible());
    EXPECT_TRUE(pGroup->IsWindowVisible());
    EXPECT_EQ(pGroup->m_pDockBar, place.pDockBar);
    EXPECT_EQ(WindowRectOf(pGroup), place.rc);
    EXPECT_EQ(pGroup->GetSelectedBar(), m_pA);
    // Shown again, it is back in its group; floated then, it leaves it as from a shown tab.
    m_pFrame->ShowControlBar(m_pB, TRUE, FALSE);
    Settle();
    EXPECT_EQ(GroupOf(m_pB), pGroup);
    EXPECT_TRUE(m_pB->IsWindowVisible());
    ASSERT_TRUE(m_pB->FloatAtPoint(CPoint(400, 250)));
    Settle();
    ExpectLeftGroup(place, m_pA, m_pB);
}

TEST_F(DynTabLeave, ATabOfAGroupOfTwoDroppedOnTheGroupsTopBandDocksThatBarAboveTheOther)
{
    const Place place = MakeGroupOfTwo();
    ASSERT_NE(place.hGroup, nullptr);
    CExtDynTabControlBar* pGroup = GroupOf(m_pB);
    CExtDynTabWnd& tabs = pGroup->m_wndTabs;
    const CPoint ptTab = TabCentre(tabs, tabs.FindBar(m_pB));
    // Below the band that tabs a bar in, on the band that splits the group.
    const CPoint ptTo(place.rc.CenterPoint().x, place.rc.top + 45);
    RunInputScript([&] {
        SendMouse(ptTab.x, ptTab.y, 0);
        SendMouse(ptTab.x, ptTab.y, MOUSEEVENTF_LEFTDOWN);
        SendMouse(ptTab.x + 12, ptTab.y - 20, 0);
        ASSERT_TRUE(WaitFor([&] { return GuiCapture() == m_pB->GetSafeHwnd(); }));
        SendMouse(ptTo.x, ptTo.y + 2, 0);
        ASSERT_TRUE(WaitFor([&] { return CExtControlBar::GetDraggedBar() == m_pB; }));
        SendMouse(ptTo.x, ptTo.y, 0);
        ASSERT_TRUE(WaitFor([&] {
            const CExtControlBar::InternalDraggingState_t& state = CExtControlBar::g_DragStateComputed;
            return !state.IsEmpty() && state.m_pBarTarget == pGroup && state.m_nTargetKind == 1;
        }));
        SendMouse(ptTo.x, ptTo.y, MOUSEEVENTF_LEFTUP);
    });
    ASSERT_TRUE(WaitFor([&] { return CExtControlBar::GetDraggedBar() == nullptr && !::IsWindow(place.hGroup); }));
    Settle();
    EXPECT_EQ(StaleUses(), 0);
    EXPECT_EQ(GroupOf(m_pA), nullptr);
    EXPECT_EQ(GroupOf(m_pB), nullptr);
    EXPECT_FALSE(CExtControlBar::IsFloating(m_pB));
    // Both in one new container where the group was, the dropped bar above.
    ASSERT_NE(m_pA->m_pDockBar, nullptr);
    EXPECT_EQ(m_pA->m_pDockBar, m_pB->m_pDockBar);
    EXPECT_GT(m_pA->m_pDockBar->FindBar(m_pA), 0);
    EXPECT_GT(m_pA->m_pDockBar->FindBar(m_pB), 0);
    CExtDynControlBar* pContainer = DYNAMIC_DOWNCAST(CExtDynControlBar, m_pA->m_pDockBar->GetParent());
    ASSERT_NE(pContainer, nullptr);
    EXPECT_EQ(pContainer->m_pDockBar, place.pDockBar);
    EXPECT_EQ(WindowRectOf(pContainer), place.rc);
    EXPECT_LT(WindowRectOf(m_pB).top, WindowRectOf(m_pA).top);
    EXPECT_TRUE(m_pA->IsWindowVisible());
    EXPECT_TRUE(m_pB->IsWindowVisible());
    ExpectNoGroupOfOne();
}

namespace
{
class DynTabLeaveState : public DynTabLeave
{
protected:
    void SetUp() override
    {
        DynTabLeave::SetUp();
        m_sKey.Format(L"CorvaneDynTabsLeaveTest%lu_%lu", ::GetCurrentProcessId(), ::GetTickCount());
    }
    void TearDown() override
    {
        DynTabLeave::TearDown();
        ::RegDeleteTreeW(HKEY_CURRENT_USER, CString(L"Software\\") + m_sKey);
    }
    bool Save() { return CExtControlBar::SaveFrameBarState(m_pFrame, m_sKey, kHostProfile, kHostProfile); }
    bool Load() { return CExtControlBar::LoadFrameBarState(m_pFrame, m_sKey, kHostProfile, kHostProfile); }
    CString m_sKey;
};
} // namespace

TEST_F(DynTabLeaveState, LoadingAStateWithTheBarsApartLeavesNoGroupOfTheirsBehind)
{
    Settle();
    ASSERT_TRUE(Save());
    const Place place = MakeGroupOfTwo();
    ASSERT_NE(place.hGroup, nullptr);
    ASSERT_TRUE(Load());
    Settle();
    EXPECT_EQ(StaleUses(), 0);
    EXPECT_FALSE(::IsWindow(place.hGroup));
    for (CExtControlBar* pBar : {m_pA, m_pB})
    {
        EXPECT_EQ(GroupOf(pBar), nullptr);
        EXPECT_FALSE(CExtControlBar::IsFloating(pBar));
        EXPECT_EQ(CExtControlBar::GetDockBarId(pBar), (UINT)AFX_IDW_DOCKBAR_LEFT);
        EXPECT_TRUE(pBar->IsWindowVisible());
    }
    ExpectNoGroupOfOne();
}

TEST_F(DynTabLeaveState, LoadingAStateWithABarInAnotherGroupLeavesNoGroupOfOneBehind)
{
    ASSERT_TRUE(m_pA->DockAsTabWith(m_pC));
    Settle();
    ASSERT_TRUE(Save());
    ASSERT_TRUE(m_pC->DockAtSideCircle(AFX_IDW_DOCKBAR_RIGHT, 1, m_pFrame, true));
    Settle();
    const Place place = MakeGroupOfTwo();
    ASSERT_NE(place.hGroup, nullptr);
    ASSERT_TRUE(Load());
    Settle();
    EXPECT_EQ(StaleUses(), 0);
    EXPECT_FALSE(::IsWindow(place.hGroup));
    ASSERT_NE(GroupOf(m_pA), nullptr);
    EXPECT_EQ(TabBars(GroupOf(m_pA)), (std::vector<CExtControlBar*>{m_pA, m_pC}));
    EXPECT_EQ(GroupOf(m_pB), nullptr);
    EXPECT_TRUE(m_pB->IsWindowVisible());
    ExpectNoGroupOfOne();
}

TEST_F(DynTabLeave, ABarFloatedOutOfAFloatingGroupOfTwoLeavesTheOtherInTheGroupsFloatingFrame)
{
    const Place place = MakeGroupOfTwo();
    ASSERT_NE(place.hGroup, nullptr);
    CExtDynTabControlBar* pGroup = GroupOf(m_pA);
    ASSERT_TRUE(pGroup->FloatAtPoint(CPoint(300, 200)));
    Settle();
    ASSERT_TRUE(CExtControlBar::IsFloating(pGroup));
    CFrameWnd* pGroupFrame = pGroup->GetParentFrame();
    ASSERT_TRUE(m_pB->FloatAtPoint(CPoint(500, 300)));
    Settle();
    EXPECT_EQ(StaleUses(), 0);
    EXPECT_FALSE(::IsWindow(place.hGroup));
    EXPECT_EQ(GroupOf(m_pA), nullptr);
    EXPECT_EQ(GroupOf(m_pB), nullptr);
    EXPECT_TRUE(CExtControlBar::IsFloating(m_pA));
    EXPECT_EQ(m_pA->GetParentFrame(), pGroupFrame);
    EXPECT_TRUE(pGroupFrame->IsWindowVisible());
    EXPECT_TRUE(m_pA->IsWindowVisible());
    EXPECT_TRUE(CExtControlBar::IsFloating(m_pB));
    EXPECT_NE(m_pB->GetParentFrame(), pGroupFrame);
    EXPECT_TRUE(m_pB->IsWindowVisible());
    ExpectNoGroupOfOne();
}
