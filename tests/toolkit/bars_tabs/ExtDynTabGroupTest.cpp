// Tabbed bar groups: made by DockAsTabWith, the strip's presence and place, selection as bars hide and show, groups
// dropped onto groups, Ctrl+PgDn, double clicks, the context menu, caption, minimum size and focus, the docking
// state, the drop target and the temporary tabs of a drag; the colours of the tab texts and of an inactive bar's
// caption glyphs on the screen.
#include "DynTabsFixture.h"
#include <algorithm>
#include "support/DibCanvas.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/docking/ExtBarNcAreaButtonClose.h"
#include "toolkit/docking/ExtBarNcAreaButtonAutoHide.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
#include "toolkit/foundation/ExtPaintManagerXP.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

namespace
{
class DynTabGroup : public DynTabsFixture
{
protected:
    // a and b in one group on the left; the group.
    CExtDynTabControlBar* MakeGroup()
    {
        EXPECT_TRUE(m_pA->DockAsTabWith(m_pB));
        Settle();
        return GroupOf(m_pA);
    }
    static bool FocusIn(CWnd* pWnd)
    {
        const HWND hFocus = ::GetFocus();
        return hFocus != nullptr && (hFocus == pWnd->GetSafeHwnd() || ::IsChild(pWnd->GetSafeHwnd(), hFocus));
    }
};
} // namespace

TEST_F(DynTabGroup, DockAsTabWithMakesOneGroupWhoseStripShowsOnlyWithTwoVisibleTabs)
{
    CExtDynTabControlBar* pGroup = MakeGroup();
    ASSERT_NE(pGroup, nullptr);
    EXPECT_EQ(GroupOf(m_pB), pGroup);
    EXPECT_EQ(TabBars(pGroup), (std::vector<CExtControlBar*>{m_pA, m_pB}));
    EXPECT_TRUE(pGroup->IsWindowVisible());
    CExtDynTabWnd& tabs = pGroup->m_wndTabs;
    ASSERT_TRUE(tabs.IsWindowVisible());
    // The strip lies along the bottom, its item area's height + 6 + 1 high; the bars fill the rest.
    CRect rcClient = ClientScreenRectOf(pGroup);
    CRect rcStrip = WindowRectOf(&tabs);
    EXPECT_EQ(rcStrip.bottom, rcClient.bottom);
    EXPECT_EQ(rcStrip.left, rcClient.left);
    EXPECT_EQ(rcStrip.right, rcClient.right);
    EXPECT_EQ(rcStrip.Height(), tabs.GetItemsArea().Height() + 6 + 1);
    EXPECT_GT(tabs.GetItemsArea().Height(), 10);
    CRect rcA = WindowRectOf(m_pA);
    EXPECT_EQ(rcA.bottom, rcStrip.top);
    EXPECT_EQ(rcA, WindowRectOf(m_pB));

    // One visible tab: no strip, the bar fills the group.
    m_pFrame->ShowControlBar(m_pB, FALSE, FALSE);
    Settle();
    EXPECT_FALSE(tabs.IsWindowVisible());
    EXPECT_EQ(tabs.ItemGetVisibleCount(), 1);
    EXPECT_EQ(WindowRectOf(m_pA).bottom, ClientScreenRectOf(pGroup).bottom);
    // A second visible tab brings it back.
    m_pFrame->ShowControlBar(m_pB, TRUE, FALSE);
    Settle();
    EXPECT_TRUE(tabs.IsWindowVisible());
    EXPECT_EQ(tabs.ItemGetVisibleCount(), 2);
}

TEST_F(DynTabGroup, HidingTheSelectedBarSelectsTheNextVisibleSiblingsTabOrNone)
{
    CExtDynTabControlBar* pGroup = MakeGroup();
    ASSERT_NE(pGroup, nullptr);
    ASSERT_TRUE(m_pA->DockAsTabWith(m_pC));
    Settle();
    ASSERT_EQ(TabBars(pGroup).size(), 3u);
    CExtDynTabWnd& tabs = pGroup->m_wndTabs;
    tabs.SelectionSet(tabs.FindBar(m_pB), true, true);
    ASSERT_EQ(pGroup->GetSelectedBar(), m_pB);
    EXPECT_EQ(pGroup->m_nSelIndex, tabs.FindBar(m_pB));

    m_pFrame->ShowControlBar(m_pB, FALSE, FALSE);
    Settle();
    CControlBar* pNext = pGroup->GetSelectedBar();
    ASSERT_NE(pNext, nullptr);
    EXPECT_NE(pNext, m_pB);
    EXPECT_TRUE(pNext->IsWindowVisible());
    // The rest hidden: no tab stays selected.
    m_pFrame->ShowControlBar(m_pA, FALSE, FALSE);
    m_pFrame->ShowControlBar(m_pC, FALSE, FALSE);
    PumpMessages();
    EXPECT_EQ(tabs.SelectionGet(), -1);
    EXPECT_EQ(pGroup->GetSelectedBar(), nullptr);
    // A bar shown again gets its tab selected.
    m_pFrame->ShowControlBar(m_pC, TRUE, FALSE);
    Settle();
    EXPECT_EQ(pGroup->GetSelectedBar(), m_pC);
}

TEST_F(DynTabGroup, AGroupDroppedOntoAGroupMovesEveryBarInOrder)
{
    ASSERT_TRUE(m_pA->DockAsTabWith(m_pB));
    ASSERT_TRUE(m_pC->DockAsTabWith(m_pD));
    Settle();
    CExtDynTabControlBar* pLeft = GroupOf(m_pA);
    CExtDynTabControlBar* pRight = GroupOf(m_pC);
    ASSERT_TRUE(pLeft != nullptr && pRight != nullptr && pLeft != pRight);
    const HWND hRight = pRight->GetSafeHwnd();
    pLeft->InsertBar(pRight, -1, true);
    Settle();
    EXPECT_EQ(TabBars(pLeft), (std::vector<CExtControlBar*>{m_pA, m_pB, m_pC, m_pD}));
    for (CExtControlBar* p : {m_pA, m_pB, m_pC, m_pD})
        EXPECT_EQ(GroupOf(p), pLeft);
    // The emptied group is gone.
    EXPECT_FALSE(::IsWindow(hRight));
}

TEST_F(DynTabGroup, CtrlPageDownOnTheLastTabSelectsTheFirstQualifyingOne)
{
    CExtDynTabControlBar* pGroup = MakeGroup();
    ASSERT_TRUE(m_pA->DockAsTabWith(m_pC));
    Settle();
    CExtDynTabWnd& tabs = pGroup->m_wndTabs;
    tabs.SelectionSet(2, true, true);
    // The first tab's bar is hidden: the second qualifies.
    m_pFrame->ShowControlBar(m_pA, FALSE, FALSE);
    Settle();
    tabs.SelectionSet(2, true, true);
    EXPECT_TRUE(tabs.HandleCtrlPage(true));
    EXPECT_EQ(tabs.SelectionGet(), 1);
    EXPECT_TRUE(tabs.HandleCtrlPage(false));
    EXPECT_EQ(tabs.SelectionGet(), 2);
    // Nothing else qualifies: handled, one round at most, the selection stays.
    m_pFrame->ShowControlBar(m_pB, FALSE, FALSE);
    Settle();
    const int nSel = tabs.SelectionGet();
    EXPECT_TRUE(tabs.HandleCtrlPage(true));
    EXPECT_EQ(tabs.SelectionGet(), nSel);

    // Through the group's message pre-translation, with the keys really down.
    m_pFrame->ShowControlBar(m_pA, TRUE, FALSE);
    Settle();
    tabs.SelectionSet(tabs.FindBar(m_pC), true, true);
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    MSG msg = {m_pA->m_wndChild.GetSafeHwnd(), WM_KEYDOWN, VK_NEXT, 0};
    EXPECT_TRUE(pGroup->PreTranslateMessage(&msg));
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    EXPECT_EQ(pGroup->GetSelectedBar(), m_pA);
}

TEST_F(DynTabGroup, ADoubleClickOnATabFloatsThatBarAtItsStoredPosition)
{
    CExtDynTabControlBar* pGroup = MakeGroup();
    ASSERT_TRUE(m_pA->DockAsTabWith(m_pC));
    Settle();
    CExtDynTabWnd& tabs = pGroup->m_wndTabs;
    m_pB->m_ptFloatPos = CPoint(300, 260);
    CPoint pt = TabCentre(tabs, tabs.FindBar(m_pB));
    tabs.ScreenToClient(&pt);
    tabs.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    PumpMessages();
    EXPECT_TRUE(CExtControlBar::IsFloating(m_pB));
    EXPECT_EQ(GroupOf(m_pB), nullptr);
    CFrameWnd* pMini = m_pB->GetParentFrame();
    ASSERT_NE(pMini, nullptr);
    EXPECT_NE(pMini, m_pFrame);
    EXPECT_EQ(WindowRectOf(pMini).TopLeft(), CPoint(300, 260));
    EXPECT_EQ(TabBars(pGroup), (std::vector<CExtControlBar*>{m_pA, m_pC}));
}

TEST_F(DynTabGroup, TheContextMenuListsTheBarsIds)
{
    CExtDynTabControlBar* pGroup = MakeGroup();
    ASSERT_NE(pGroup, nullptr);
    m_pFrame->m_nLastPostKind = -1;
    CPoint pt = TabCentre(pGroup->m_wndTabs, 0);
    pGroup->m_wndTabs.SendMessage(WM_CONTEXTMENU, (WPARAM)pGroup->m_wndTabs.GetSafeHwnd(), MAKELPARAM(pt.x, pt.y));
    PumpMessages();
    EXPECT_EQ(m_pFrame->m_nLastPostKind, 9);
    EXPECT_EQ(m_pFrame->m_nLastPostItemCount, 2);
    CExtPopupMenuWnd::CancelMenuTracking();
    PumpMessages();
}

TEST_F(DynTabGroup, TheContextMenuPassesOverATabWithoutABar)
{
    CExtDynTabControlBar* pGroup = MakeGroup();
    ASSERT_NE(pGroup, nullptr);
    pGroup->m_wndTabs.ItemInsert(L"Loose"); // a tab a caller inserted with no bar behind it
    m_pFrame->m_nLastPostKind = -1;
    CPoint pt = TabCentre(pGroup->m_wndTabs, 0);
    pGroup->m_wndTabs.SendMessage(WM_CONTEXTMENU, (WPARAM)pGroup->m_wndTabs.GetSafeHwnd(), MAKELPARAM(pt.x, pt.y));
    PumpMessages();
    EXPECT_EQ(m_pFrame->m_nLastPostKind, 9);
    EXPECT_EQ(m_pFrame->m_nLastPostItemCount, 2);
    CExtPopupMenuWnd::CancelMenuTracking();
    PumpMessages();
}

TEST_F(DynTabGroup, CaptionMinimumSizeAndFocusFollowTheSelectedBar)
{
    CExtDynTabControlBar* pGroup = MakeGroup();
    ASSERT_NE(pGroup, nullptr);
    CExtDynTabWnd& tabs = pGroup->m_wndTabs;
    m_pB->m_nMinLength = 150;
    tabs.SelectionSet(tabs.FindBar(m_pA), true, true);
    CString sText;
    pGroup->GetCaptionText(sText);
    EXPECT_EQ(sText, L"Alpha");
    EXPECT_TRUE(FocusIn(m_pA));
    tabs.SelectionSet(tabs.FindBar(m_pB), true, true);
    pGroup->GetCaptionText(sText);
    EXPECT_EQ(sText, L"Beta");
    pGroup->GetWindowText(sText);
    EXPECT_EQ(sText, L"Beta");
    EXPECT_TRUE(FocusIn(m_pB));
    EXPECT_EQ(tabs.ItemGet(tabs.FindBar(m_pA))->GetText(), CString(L"Alpha"));
    // The largest minimum of the visible bars.
    EXPECT_GE(pGroup->CalcMinWidth(), 150);
    EXPECT_GE(pGroup->CalcMinHeight(), 150);
    m_pFrame->ShowControlBar(m_pB, FALSE, FALSE);
    Settle();
    EXPECT_LT(pGroup->CalcMinWidth(), 150);
    // The group's focus passes on to the selected bar.
    m_pFrame->m_wndView.SetFocus();
    pGroup->SetFocus();
    EXPECT_TRUE(FocusIn(m_pA));
}

TEST_F(DynTabGroup, DragOverATabSelectsItAndAnswersNoDropEffect)
{
    CExtDynTabControlBar* pGroup = MakeGroup();
    ASSERT_NE(pGroup, nullptr);
    CExtDynTabWnd& tabs = pGroup->m_wndTabs;
    tabs.SelectionSet(0, true, true);
    CPoint pt = TabCentre(tabs, 1);
    tabs.ScreenToClient(&pt);
    EXPECT_EQ(tabs.m_dropTarget.OnDragEnter(&tabs, nullptr, 0, pt), DROPEFFECT_NONE);
    EXPECT_EQ(tabs.SelectionGet(), 1);
    tabs.SelectionSet(0, true, true);
    EXPECT_EQ(tabs.m_dropTarget.OnDragOver(&tabs, nullptr, 0, pt), DROPEFFECT_NONE);
    EXPECT_EQ(tabs.SelectionGet(), 1);
    // Beside the tabs nothing changes.
    EXPECT_EQ(tabs.m_dropTarget.OnDragOver(&tabs, nullptr, 0, CPoint(-5, -5)), DROPEFFECT_NONE);
    EXPECT_EQ(tabs.SelectionGet(), 1);
}

TEST_F(DynTabGroup, TemporaryTabsComeAndGoAndAreSkippedOnRequest)
{
    CExtDynTabControlBar* pGroup = MakeGroup();
    ASSERT_NE(pGroup, nullptr);
    CExtDynTabWnd& tabs = pGroup->m_wndTabs;
    ASSERT_TRUE(m_pC->DockAsTabWith(m_pD));
    Settle();
    CExtDynTabControlBar* pOther = GroupOf(m_pC);
    ASSERT_NE(pOther, nullptr);
    // A nested group: every visible bar of it, from the index on.
    pGroup->InsertTemporaryBar(pOther, 1, true);
    EXPECT_EQ(TabBars(pGroup), (std::vector<CExtControlBar*>{m_pA, m_pC, m_pD, m_pB}));
    EXPECT_EQ(tabs.GetBarAt(1, true), nullptr);
    EXPECT_EQ(tabs.GetBarAt(1, false), m_pC);
    EXPECT_EQ(tabs.GetBarAt(3, true), m_pB);
    EXPECT_EQ(tabs.GetBarAt(7, false), nullptr);
    CArray<CExtControlBar*, CExtControlBar*> arrBars;
    pGroup->GetTabDockBar()->CollectTabbedBars(arrBars);
    ASSERT_EQ(arrBars.GetSize(), 2);
    EXPECT_EQ(arrBars[0], m_pA);
    EXPECT_EQ(arrBars[1], m_pB);
    // Hit test by screen point.
    const CPoint pt = TabCentre(tabs, 2);
    EXPECT_EQ(tabs.ItemHitTestScreen(pt.x, pt.y), 2);
    EXPECT_EQ(tabs.ItemHitTestScreen(CPoint(-30000, -30000)), -1);
    tabs.RemoveTemporaryItems(true);
    EXPECT_EQ(TabBars(pGroup), (std::vector<CExtControlBar*>{m_pA, m_pB}));
    // A real insert drops the temporary tabs first.
    pGroup->InsertTemporaryBar(m_pC, -1, false);
    pGroup->InsertBar(m_pC, 0, true);
    Settle();
    EXPECT_EQ(TabBars(pGroup), (std::vector<CExtControlBar*>{m_pC, m_pA, m_pB}));
    EXPECT_EQ(GroupOf(m_pC), pGroup);
}

namespace
{
class DynTabState : public DynTabGroup
{
protected:
    void SetUp() override
    {
        DynTabGroup::SetUp();
        m_sKey.Format(L"CorvaneDynTabsTest%lu_%lu", ::GetCurrentProcessId(), ::GetTickCount());
    }
    void TearDown() override
    {
        DynTabGroup::TearDown();
        ::RegDeleteTreeW(HKEY_CURRENT_USER, CString(L"Software\\") + m_sKey);
    }
    bool Save() { return CExtControlBar::SaveFrameBarState(m_pFrame, m_sKey, kHostProfile, kHostProfile); }
    bool Load() { return CExtControlBar::LoadFrameBarState(m_pFrame, m_sKey, kHostProfile, kHostProfile); }
    CString m_sKey;
};
} // namespace

TEST_F(DynTabState, SaveAndRestoreKeepMembersOrderAndSelection)
{
    CExtDynTabControlBar* pGroup = MakeGroup();
    ASSERT_TRUE(m_pA->DockAsTabWith(m_pC));
    Settle();
    pGroup->m_wndTabs.SelectionSet(pGroup->m_wndTabs.FindBar(m_pB), true, true);
    ASSERT_TRUE(Save());
    // Taken apart: b floats, c goes right.
    m_pB->FloatAtPoint(CPoint(400, 300));
    m_pC->DockAtSideCircle(AFX_IDW_DOCKBAR_RIGHT, 1, m_pFrame, true);
    Settle();
    ASSERT_EQ(GroupOf(m_pA), nullptr);
    ASSERT_TRUE(Load());
    Settle();
    CExtDynTabControlBar* pLoaded = GroupOf(m_pA);
    ASSERT_NE(pLoaded, nullptr);
    EXPECT_EQ(TabBars(pLoaded), (std::vector<CExtControlBar*>{m_pA, m_pB, m_pC}));
    EXPECT_EQ(pLoaded->GetSelectedBar(), m_pB);
    EXPECT_TRUE(pLoaded->m_wndTabs.IsWindowVisible());
    EXPECT_TRUE(m_pB->IsWindowVisible());
}

TEST_F(DynTabState, AnAutoHiddenGroupComesBackWithItsCurrentTab)
{
    CExtDynTabControlBar* pGroup = MakeGroup();
    ASSERT_NE(pGroup, nullptr);
    pGroup->m_wndTabs.SelectionSet(pGroup->m_wndTabs.FindBar(m_pB), true, true);
    ASSERT_TRUE(m_pA->SwitchAutoHide(true, false, true, true));
    Settle();
    ASSERT_TRUE(m_pLeft->ItemGet(1)->IsGroupCurrent());
    ASSERT_TRUE(Save());
    ASSERT_TRUE(m_pA->SwitchAutoHide(false, false, true, true));
    Settle();
    GroupOf(m_pA)->m_wndTabs.SelectionSet(0, true, true);
    ASSERT_FALSE(m_pA->IsAutoHideMode());
    ASSERT_TRUE(Load());
    Settle();
    EXPECT_TRUE(m_pA->IsAutoHideMode());
    EXPECT_TRUE(m_pB->IsAutoHideMode());
    EXPECT_EQ(AreaBars(m_pLeft), (std::vector<CExtControlBar*>{m_pA, m_pB}));
    ASSERT_EQ(m_pLeft->ItemGetCount(), 2);
    EXPECT_TRUE(m_pLeft->ItemGet(0)->IsGroupStart());
    EXPECT_TRUE(m_pLeft->ItemGet(1)->IsGroupCurrent());
    EXPECT_FALSE(m_pLeft->ItemGet(0)->IsGroupCurrent());
}

namespace
{
class DynTabDrag : public DynTabGroup
{
protected:
    void SetUp() override
    {
        CExtControlBar::g_nDraggingStyleOverride = 0;
        DynTabGroup::SetUp();
        m_dwGuiThread = ::GetCurrentThreadId();
    }
    void TearDown() override
    {
        DynTabGroup::TearDown();
        CExtControlBar::g_nDraggingStyleOverride = -1;
    }
    static CPoint CaptionPoint(CExtControlBar* pBar)
    {
        CRect rc(pBar->GetCaptionRect());
        rc.OffsetRect(WindowRectOf(pBar).TopLeft());
        return CPoint(rc.left + 8, rc.CenterPoint().y);
    }
    // The capture of the test's thread, asked from a script.
    HWND GuiCapture() const
    {
        GUITHREADINFO gui = {sizeof(gui)};
        return ::GetGUIThreadInfo(m_dwGuiThread, &gui) ? gui.hwndCapture : nullptr;
    }
    // Whether the drag's target, as last computed, is the bar.
    static bool TargetIs(CExtControlBar* pBar)
    {
        const CExtControlBar::InternalDraggingState_t& state = CExtControlBar::g_DragStateComputed;
        return !state.IsEmpty() && state.m_pBarTarget == pBar;
    }
    DWORD m_dwGuiThread = 0;
};
} // namespace

TEST_F(DynTabDrag, DroppingABarOntoAnotherMakesOneGroupWithTabsAtItsBottom)
{
    const CPoint ptFrom = CaptionPoint(m_pC);
    const CRect rcA = WindowRectOf(m_pA);
    const CPoint ptTo(rcA.CenterPoint().x, rcA.top + 10);
    RunInputScript([&] {
        SendMouse(ptFrom.x, ptFrom.y, 0);
        SendMouse(ptFrom.x, ptFrom.y, MOUSEEVENTF_LEFTDOWN);
        // The press runs the bar's drag loop, which waits for the pointer to move.
        ASSERT_TRUE(WaitFor([&] { return GuiCapture() == m_pC->GetSafeHwnd(); }));
        SendMouse(ptFrom.x - 40, ptFrom.y + 30, 0);
        ASSERT_TRUE(WaitFor([&] { return CExtControlBar::GetDraggedBar() == m_pC; }));
        SendMouse(ptTo.x, ptTo.y + 2, 0);
        SendMouse(ptTo.x, ptTo.y, 0);
        ASSERT_TRUE(WaitFor([&] { return TargetIs(m_pA); }));
        SendMouse(ptTo.x, ptTo.y, MOUSEEVENTF_LEFTUP);
    });
    ASSERT_TRUE(WaitFor([&] { return CExtControlBar::GetDraggedBar() == nullptr && GroupOf(m_pC) != nullptr; }));
    Settle();
    CExtDynTabControlBar* pGroup = GroupOf(m_pC);
    ASSERT_NE(pGroup, nullptr);
    EXPECT_EQ(GroupOf(m_pA), pGroup);
    EXPECT_EQ(TabBars(pGroup), (std::vector<CExtControlBar*>{m_pA, m_pC}));
    EXPECT_TRUE(pGroup->m_wndTabs.IsWindowVisible());
    EXPECT_EQ(WindowRectOf(&pGroup->m_wndTabs).bottom, ClientScreenRectOf(pGroup).bottom);
    EXPECT_EQ(CExtControlBar::GetDraggedBar(), nullptr);
}

TEST_F(DynTabDrag, DraggingATabOutRunsTheBarsDragAndEscapeLeavesTabsAndMarksAsBefore)
{
    CExtDynTabControlBar* pGroup = MakeGroup();
    ASSERT_TRUE(m_pA->DockAsTabWith(m_pC));
    Settle();
    CExtDynTabWnd& tabs = pGroup->m_wndTabs;
    tabs.SelectionSet(tabs.FindBar(m_pB), true, true);
    const std::vector<CExtControlBar*> before = TabBars(pGroup);
    std::vector<DWORD> styles;
    for (int i = 0; i < tabs.ItemGetCount(); ++i)
        styles.push_back(tabs.ItemGet(i)->m_dwItemStyle);
    const CPoint ptTab = TabCentre(tabs, tabs.FindBar(m_pB));
    CExtControlBar* pDraggedMeanwhile = nullptr;
    bool bTabMeanwhile = false;
    RunInputScript([&] {
        SendMouse(ptTab.x, ptTab.y, 0);
        SendMouse(ptTab.x, ptTab.y, MOUSEEVENTF_LEFTDOWN);
        // Past the drag threshold the tab hands the press over to its bar's drag loop.
        SendMouse(ptTab.x + 12, ptTab.y - 20, 0);
        ASSERT_TRUE(WaitFor([&] { return GuiCapture() == m_pB->GetSafeHwnd(); }));
        SendMouse(ptTab.x + 200, ptTab.y - 150, 0);
        EXPECT_TRUE(WaitFor([&] { return CExtControlBar::GetDraggedBar() != nullptr; }));
        pDraggedMeanwhile = CExtControlBar::GetDraggedBar();
        // The drag drops temporary tabs as it goes; the member's own tab stays.
        bTabMeanwhile = tabs.FindBar(m_pB) >= 0;
        SendKeyInput(VK_ESCAPE, true);
        SendKeyInput(VK_ESCAPE, false);
        EXPECT_TRUE(WaitFor([&] { return CExtControlBar::GetDraggedBar() == nullptr; }));
        SendMouse(ptTab.x + 200, ptTab.y - 150, MOUSEEVENTF_LEFTUP);
    });
    ASSERT_TRUE(WaitFor([&] { return CExtControlBar::GetDraggedBar() == nullptr; }));
    Settle();
    EXPECT_EQ(pDraggedMeanwhile, m_pB);
    EXPECT_TRUE(bTabMeanwhile);
    EXPECT_EQ(CExtControlBar::GetDraggedBar(), nullptr);
    ASSERT_EQ(GroupOf(m_pB), pGroup);
    EXPECT_EQ(TabBars(pGroup), before);
    for (int i = 0; i < tabs.ItemGetCount(); ++i)
        EXPECT_EQ(tabs.ItemGet(i)->m_dwItemStyle, styles[i]) << i;
    EXPECT_EQ(pGroup->GetSelectedBar(), m_pB);
}

TEST_F(DynTabDrag, DraggingATabOutOfATwoBarGroupDissolvesItSafely)
{
    CExtDynTabControlBar* pGroup = MakeGroup();
    ASSERT_NE(pGroup, nullptr);
    const HWND hStrip = pGroup->m_wndTabs.GetSafeHwnd();
    const CPoint ptTab = TabCentre(pGroup->m_wndTabs, pGroup->m_wndTabs.FindBar(m_pB));
    const CRect rcC = WindowRectOf(m_pC);
    const CPoint ptTo(rcC.CenterPoint().x, rcC.bottom - 10);
    RunInputScript([&] {
        SendMouse(ptTab.x, ptTab.y, 0);
        SendMouse(ptTab.x, ptTab.y, MOUSEEVENTF_LEFTDOWN);
        SendMouse(ptTab.x + 12, ptTab.y - 20, 0);
        ASSERT_TRUE(WaitFor([&] { return GuiCapture() == m_pB->GetSafeHwnd(); }));
        SendMouse(ptTo.x, ptTo.y - 2, 0);
        ASSERT_TRUE(WaitFor([&] { return CExtControlBar::GetDraggedBar() == m_pB; }));
        SendMouse(ptTo.x, ptTo.y, 0);
        ASSERT_TRUE(WaitFor([&] { return TargetIs(m_pC); }));
        SendMouse(ptTo.x, ptTo.y, MOUSEEVENTF_LEFTUP);
    });
    ASSERT_TRUE(WaitFor([&] { return CExtControlBar::GetDraggedBar() == nullptr && !::IsWindow(hStrip); }));
    Settle();
    // The group is gone with its strip; both bars live on, b beside c.
    EXPECT_FALSE(::IsWindow(hStrip));
    EXPECT_EQ(GroupOf(m_pA), nullptr);
    EXPECT_EQ(GroupOf(m_pB), nullptr);
    EXPECT_TRUE(m_pA->IsWindowVisible());
    EXPECT_TRUE(m_pB->IsWindowVisible());
    EXPECT_FALSE(CExtControlBar::IsFloating(m_pB));
    EXPECT_EQ(CExtControlBar::GetDraggedBar(), nullptr);
}

namespace
{
// Screen pixels inside the rectangle of the colour; with -1, those that stand clearly apart (by over 48 in a
// channel) from the colour at its top-left corner.
int CountOnScreen(const CRect& rc, COLORREF clr)
{
    DibCanvas canvas(rc.Width(), rc.Height());
    HDC hScreen = ::GetDC(nullptr);
    ::BitBlt(canvas.dc.GetSafeHdc(), 0, 0, rc.Width(), rc.Height(), hScreen, rc.left, rc.top, SRCCOPY);
    ::ReleaseDC(nullptr, hScreen);
    int n = 0;
    for (int i = 0; clr == (COLORREF)-1 && i < rc.Width() * rc.Height(); i++)
    {
        const COLORREF c = canvas.At(i % rc.Width(), i / rc.Width()), c0 = canvas.At(0, 0);
        n += std::max({abs(GetRValue(c) - GetRValue(c0)), abs(GetGValue(c) - GetGValue(c0)),
                       abs(GetBValue(c) - GetBValue(c0))}) > 48;
    }
    return clr == (COLORREF)-1 ? n : canvas.Count(CRect(0, 0, rc.Width(), rc.Height()), clr);
}

// The screen rectangle of a tab.
CRect TabRect(CExtTabWnd& tabs, int nIndex)
{
    tabs.UpdateTabWnd(true);
    CRect rc = tabs.ItemGet(nIndex)->m_rcItem;
    const CRect rcArea = tabs.GetItemsArea();
    if (tabs.OrientationIsHorizontal())
        rc.OffsetRect(rcArea.left - tabs.ScrollPosGet(), rcArea.top);
    else
        rc.OffsetRect(rcArea.left, rcArea.top - tabs.ScrollPosGet());
    tabs.ClientToScreen(&rc);
    return rc;
}
} // namespace

TEST_F(DynTabGroup, UnderTheBaseThemeEveryTabOfAGroupShowsItsTextInTheButtonTextColour)
{
    CExtDynTabControlBar* pGroup = MakeGroup();
    ASSERT_NE(pGroup, nullptr);
    ShowAndPaint(m_pFrame);
    CExtDynTabWnd& tabs = pGroup->m_wndTabs;
    ASSERT_TRUE(tabs.IsWindowVisible());
    ASSERT_EQ(tabs.ItemGetCount(), 2);
    const COLORREF clrText = g_PaintManagerHolder->GetTranslatedColor(COLOR_BTNTEXT, &tabs);
    const COLORREF clrFace = g_PaintManagerHolder->GetTranslatedColor(COLOR_3DFACE, &tabs);
    ASSERT_NE(clrText, clrFace);
    // The selected tab and the other one: the text stands out from the face colour both sit on.
    const int nSelected = tabs.SelectionGet();
    ASSERT_GE(nSelected, 0);
    for (int i = 0; i < 2; ++i)
    {
        CRect rc = TabRect(tabs, i);
        rc.DeflateRect(3, 3);
        EXPECT_TRUE(WaitFor([&] { return CountOnScreen(rc, clrText) > 5; })) << i << " selected " << nSelected;
    }
}

namespace
{
// The bar's close button (or the button of the class given), shown, and its rectangle on the screen.
void ShownCloseButton(CExtControlBar* pBar, CExtBarNcAreaButton*& pClose, CRect& rc,
                      CRuntimeClass* pClass = RUNTIME_CLASS(CExtBarNcAreaButtonClose))
{
    for (INT_PTR i = 0; i < pBar->NcButtonGetCount(); ++i)
    {
        if (pBar->NcButtonGet((int)i)->IsKindOf(pClass))
            pClose = pBar->NcButtonGet((int)i);
    }
    ASSERT_NE(pClose, nullptr);
    ASSERT_TRUE(pClose->IsVisible());
    rc = pClose->m_rc;
    rc.OffsetRect(WindowRectOf(pBar).TopLeft());
}
} // namespace

TEST_F(DynTabGroup, UnderTheXpThemeTheCaptionButtonsOfAnInactiveBarAreDarkOnItsLightCaption)
{
    struct Restore
    {
        ~Restore() { g_PaintManagerHolder.InstallPaintManager(new CExtPaintManager); }
    } restore;
    g_PaintManagerHolder.InstallPaintManager(new CExtPaintManagerXP);
    // The focus in the view: no bar is active.
    m_pFrame->m_wndView.SetFocus();
    ShowAndPaint(m_pFrame);
    ASSERT_EQ(m_pA->m_bfRuntimeState & CExtControlBar::kStateFocus, 0);
    CExtBarNcAreaButton* pClose = nullptr;
    CRect rc;
    ASSERT_NO_FATAL_FAILURE(ShownCloseButton(m_pA, pClose, rc));
    // The glyph is in the dark shadow colour, not in the highlight text colour of an active caption.
    const COLORREF clrDark = g_PaintManagerHolder->GetTranslatedColor(COLOR_3DDKSHADOW, pClose);
    const COLORREF clrLight = g_PaintManagerHolder->GetTranslatedColor(COLOR_HIGHLIGHTTEXT, pClose);
    EXPECT_TRUE(WaitFor([&] { return CountOnScreen(rc, clrDark) > 5; }));
    EXPECT_EQ(CountOnScreen(rc, clrLight), 0);
}

// The active bar's caption highlight ends before its buttons: their glyphs stand out from the bar's frame under them.
TEST_F(DynTabGroup, UnderTheXpAndOffice2003ThemesTheActiveBarsCloseAndPinGlyphsStandOutFromWhatLiesUnderThem)
{
    struct Restore
    {
        ~Restore() { g_PaintManagerHolder.InstallPaintManager(new CExtPaintManager); }
    } restore;
    ASSERT_TRUE(BringInFront(m_pFrame));
    for (CRuntimeClass* pTheme : {RUNTIME_CLASS(CExtPaintManagerXP), RUNTIME_CLASS(CExtPaintManagerOffice2003)})
    {
        ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManagerByClass(pTheme));
        // The focus in the bar: it is active after an idle pass.
        m_pA->m_wndChild.SetFocus();
        AfxGetThread()->OnIdle(0);
        ASSERT_NE(m_pA->m_bfRuntimeState & CExtControlBar::kStateFocus, 0);
        ShowAndPaint(m_pFrame);
        for (CRuntimeClass* pKind :
             {RUNTIME_CLASS(CExtBarNcAreaButtonClose), RUNTIME_CLASS(CExtBarNcAreaButtonAutoHide)})
        {
            CExtBarNcAreaButton* pButton = nullptr;
            CRect rc;
            ASSERT_NO_FATAL_FAILURE(ShownCloseButton(m_pA, pButton, rc, pKind));
            EXPECT_TRUE(WaitFor([&] { return CountOnScreen(rc, (COLORREF)-1) > 5; }))
                << pTheme->m_lpszClassName << " " << pKind->m_lpszClassName;
        }
    }
}

// A floating group's frame is titled by the bar whose tab is selected, as the selection is made.
TEST_F(DynTabGroup, AFloatingGroupsFrameIsTitledByTheSelectedBar)
{
    CExtDynTabControlBar* pGroup = MakeGroup();
    ASSERT_TRUE(pGroup != nullptr && pGroup->FloatAtPoint(CPoint(400, 300)));
    pGroup->m_wndTabs.SelectionSet(pGroup->m_wndTabs.FindBar(m_pA), true, true);
    CString sTitle;
    pGroup->GetParentFrame()->GetWindowText(sTitle);
    EXPECT_STREQ(CStringA(sTitle).GetString(), "Alpha");
}
