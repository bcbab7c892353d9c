// Services: the search of a frame's bars, toggle commands, repositioning with the query message,
// the child fit, showing by command, caption-button creation, and the mended faults of the menu
// announcement, the Close button on a dialog and the auto-hide switch.
#include <gtest/gtest.h>
#include <set>
#include "DockingHost.h"
#include "platform/DocTemplate.h"
#include "platform/OleDocument.h"
#include "platform/View.h"
#include "toolkit/bars_tabs/ExtDynAutoHideArea.h"
#include "toolkit/docking/ExtBarNcAreaButtonClose.h"
#include "toolkit/docking/ExtDockBar.h"

namespace
{
class ControlBarServices : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CDockingHostFrame;
        ASSERT_TRUE(m_pFrame->CreateHost());
        m_pTop1 = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, L"Top one");
        m_pTop2 = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, L"Top two", m_pTop1);
        m_pLeft = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Left", nullptr, CHostResizableBar::kList);
        m_pTools = m_pFrame->AddFixedBar(AFX_IDW_DOCKBAR_BOTTOM, L"Tools");
        ASSERT_NE(m_pTools, nullptr);
    }
    void TearDown() override { m_pFrame->DestroyWindow(); }
    std::set<CExtControlBar*> Find(DWORD dwMask, int x = CExtControlBar::kNoPoint, int y = CExtControlBar::kNoPoint)
    {
        CArray<CExtControlBar*, CExtControlBar*> arr;
        CExtControlBar::FindFrameControlBars(nullptr, m_pFrame, arr, dwMask, x, y);
        std::set<CExtControlBar*> result;
        for (INT_PTR i = 0; i < arr.GetSize(); ++i)
        {
            EXPECT_TRUE(result.insert(arr[i]).second) << "a bar appears twice";
        }
        return result;
    }
    CDockingHostFrame* m_pFrame = nullptr;
    CHostResizableBar* m_pTop1 = nullptr;
    CHostResizableBar* m_pTop2 = nullptr;
    CHostResizableBar* m_pLeft = nullptr;
    CHostFixedBar* m_pTools = nullptr;
};

CRect RectIn(CWnd& parent, CWnd& child)
{
    CRect rc = WindowRectOf(&child);
    parent.ScreenToClient(&rc);
    return rc;
}

// A child that leaves itself out of query-mode layouts.
class CExcludingChild : public CWnd
{
public:
    int m_nSizeParent = 0;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == CExtControlBar::g_nMsgQueryRepositionCalcEffect)
        {
            reinterpret_cast<CExtControlBar::QUERY_REPOSITION_CALC_EFFECT_DATA*>(wParam)->ExcludeFromCalc();
            return 0;
        }
        if (message == WM_SIZEPARENT)
        {
            ++m_nSizeParent;
            auto* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
            pLayout->rect.top += 30;
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};
} // namespace

TEST_F(ControlBarServices, FindWithAllBitsListsEachLiveBarOfTheFrameOnce)
{
    const std::set<CExtControlBar*> expected{m_pTop1, m_pTop2, m_pLeft, m_pTools};
    EXPECT_EQ(Find(0xFFF), expected);
    // Bars of another frame and dead bars are left out.
    CExtControlBar loose;
    EXPECT_EQ(Find(0xFFF), expected);
}

TEST_F(ControlBarServices, FindFiltersBySideAndKind)
{
    EXPECT_EQ(Find(0x7 | 0x300 | 0xC00 | 0x08), (std::set<CExtControlBar*>{m_pTop1, m_pTop2}));
    EXPECT_EQ(Find(0x7 | 0x300 | 0xC00 | 0x20), (std::set<CExtControlBar*>{m_pLeft}));
    EXPECT_EQ(Find(0x1 | 0x300 | 0xC00), (std::set<CExtControlBar*>{m_pTools}));
    EXPECT_EQ(Find(0x6 | 0x300 | 0xC00 | 0x10), (std::set<CExtControlBar*>{}));
    m_pFrame->ShowWindow(SW_SHOWNA);
    m_pFrame->ShowControlBar(m_pLeft, FALSE, FALSE);
    EXPECT_EQ(Find(0x7 | 0x300 | 0x800), (std::set<CExtControlBar*>{m_pLeft}));
    EXPECT_EQ(Find(0x7 | 0x200 | 0xC00), (std::set<CExtControlBar*>{m_pLeft}));
}

TEST_F(ControlBarServices, FindGivesNothingWhenAMaskLacksANeededGroup)
{
    EXPECT_TRUE(Find(0xFFF & ~0x7).empty());
    EXPECT_TRUE(Find(0xFFF & ~0x300).empty());
    EXPECT_TRUE(Find(0xFFF & ~0xC00).empty());
}

TEST_F(ControlBarServices, FindByPointAndHitCode)
{
    const CRect rcLeft = WindowRectOf(m_pLeft);
    const CPoint ptMid = rcLeft.CenterPoint();
    EXPECT_EQ(Find(0xFFF | 0x8000, ptMid.x, ptMid.y), (std::set<CExtControlBar*>{m_pLeft}));
    EXPECT_EQ(Find(0xFFF | 0x10000, ptMid.x, ptMid.y), (std::set<CExtControlBar*>{m_pLeft}));
    EXPECT_EQ(Find(0xFFF | 0x10000 | 0x80000000, ptMid.x, ptMid.y), (std::set<CExtControlBar*>{m_pLeft}));
    const CRect rcSplit = m_pLeft->GetRowSplitterRect() + rcLeft.TopLeft();
    const CPoint ptSplit = rcSplit.CenterPoint();
    EXPECT_EQ(Find(0xFFF | 0x80000, ptSplit.x, ptSplit.y), (std::set<CExtControlBar*>{m_pLeft}));
    EXPECT_TRUE(Find(0xFFF | 0x10000 | 0x80000000, ptSplit.x, ptSplit.y).empty());
    const CRect rcCaption = m_pLeft->GetCaptionRect() + rcLeft.TopLeft();
    EXPECT_EQ(Find(0xFFF | 0x20000, rcCaption.left + 3, rcCaption.top + 3), (std::set<CExtControlBar*>{m_pLeft}));
}

TEST_F(ControlBarServices, ToggleCommandsHideShowWithFocusAndRefuseUnknownIds)
{
    const UINT nID = (UINT)m_pLeft->GetDlgCtrlID();
    m_pFrame->ShowWindow(SW_SHOWNORMAL);
    ASSERT_TRUE(CExtControlBar::HandleBarToggleCommand(m_pFrame, nID, true));
    EXPECT_FALSE(m_pLeft->IsWindowVisible());
    ASSERT_TRUE(CExtControlBar::HandleBarToggleCommand(m_pFrame, nID, true));
    EXPECT_TRUE(m_pLeft->IsWindowVisible());
    HWND hFocus = ::GetFocus();
    EXPECT_TRUE(hFocus == m_pLeft->GetSafeHwnd() || ::IsChild(m_pLeft->GetSafeHwnd(), hFocus));
    EXPECT_FALSE(CExtControlBar::HandleBarToggleCommand(m_pFrame, 0x7777, true));
    // Through the frame's command routing.
    m_pFrame->SendMessage(WM_COMMAND, nID);
    EXPECT_FALSE(m_pLeft->IsWindowVisible());
}

TEST_F(ControlBarServices, ToggleItemIsEnabledWithoutCheckMarkUnlessForced)
{
    struct CTestCmdUI : public CCmdUI
    {
        int m_nCheck = -1;
        BOOL m_bEnabled = FALSE;
        void Enable(BOOL bOn) override { m_bEnabled = bOn; }
        void SetCheck(int nCheck) override { m_nCheck = nCheck; }
    };
    m_pFrame->ShowWindow(SW_SHOWNA);
    CTestCmdUI ui;
    ui.m_nID = (UINT)m_pLeft->GetDlgCtrlID();
    CExtControlBar::UpdateBarToggleCommand(m_pFrame, &ui, false);
    EXPECT_TRUE(ui.m_bEnabled);
    EXPECT_EQ(ui.m_nCheck, -1);
    CExtControlBar::UpdateBarToggleCommand(m_pFrame, &ui, true);
    EXPECT_EQ(ui.m_nCheck, 1);
    CTestCmdUI fixed;
    fixed.m_nID = (UINT)m_pTools->GetDlgCtrlID();
    CExtControlBar::UpdateBarToggleCommand(m_pFrame, &fixed, false);
    EXPECT_EQ(fixed.m_nCheck, 1);
    CTestCmdUI unknown;
    unknown.m_nID = 0x7777;
    unknown.m_bContinueRouting = FALSE;
    CExtControlBar::UpdateBarToggleCommand(m_pFrame, &unknown, false);
    EXPECT_TRUE(unknown.m_bContinueRouting);
}

TEST_F(ControlBarServices, RepositionQueryLeavesOutAnExcludingChildAndMovesNothing)
{
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), L"host", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr));
    CExcludingChild child;
    ASSERT_TRUE(child.CreateEx(0, AfxRegisterWndClass(0), L"child", WS_CHILD | WS_VISIBLE, 5, 5, 20, 20,
                               host.GetSafeHwnd(), (HMENU)(UINT_PTR)0x100, nullptr));
    CWnd leftOver;
    ASSERT_TRUE(leftOver.CreateEx(0, AfxRegisterWndClass(0), L"rest", WS_CHILD | WS_VISIBLE, 7, 7, 30, 30,
                                  host.GetSafeHwnd(), (HMENU)(UINT_PTR)0x200, nullptr));
    CRect rcParam(0, 0, 0, 0);
    CExtControlBar::RepositionBarsEx(&host, 0, 0xFFFF, 0x200, reposQuery, &rcParam, nullptr, true);
    EXPECT_EQ(child.m_nSizeParent, 0);
    EXPECT_EQ(rcParam, CRect(0, 0, 200, 200));
    EXPECT_EQ(RectIn(host, leftOver), CRect(7, 7, 37, 37));
    // Outside query mode the child takes its part and the rest moves.
    CExtControlBar::RepositionBarsEx(&host, 0, 0xFFFF, 0x200, reposDefault, &rcParam, nullptr, true);
    EXPECT_EQ(child.m_nSizeParent, 1);
    EXPECT_EQ(RectIn(host, leftOver), CRect(0, 30, 200, 200));
    leftOver.DestroyWindow();
    child.DestroyWindow();
    host.DestroyWindow();
}

TEST_F(ControlBarServices, TheChildFillsTheClientAndIsInsetWhenFloating)
{
    m_pFrame->RecalcLayout();
    auto str = [](const CRect& r) {
        return ::testing::PrintToString(std::vector<int>{r.left, r.top, r.right, r.bottom});
    };
    EXPECT_EQ(str(ClientScreenRectOf(m_pLeft)), str(WindowRectOf(&m_pLeft->m_wndChild)));
    m_pFrame->SetWindowPos(nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);
    m_pFrame->RecalcLayout();
    EXPECT_EQ(str(ClientScreenRectOf(m_pLeft)), str(WindowRectOf(&m_pLeft->m_wndChild)));
    // A child already in place is not moved.
    const CRect rcBefore = WindowRectOf(&m_pLeft->m_wndChild);
    m_pLeft->RepositionChildWindow();
    EXPECT_EQ(WindowRectOf(&m_pLeft->m_wndChild), rcBefore);
    m_pFrame->FloatControlBar(m_pLeft, CPoint(500, 300));
    ASSERT_TRUE(CExtControlBar::IsFloating(m_pLeft));
    m_pLeft->RepositionChildWindow();
    CRect rcExpected = ClientScreenRectOf(m_pLeft);
    rcExpected.DeflateRect(::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME));
    EXPECT_EQ(str(WindowRectOf(&m_pLeft->m_wndChild)), str(rcExpected));
}

TEST_F(ControlBarServices, CreatingTheDefaultButtonsTwiceMakesThree)
{
    CExtControlBar bar;
    bar.CreateDefaultNcButtons();
    bar.CreateDefaultNcButtons();
    EXPECT_EQ(bar.NcButtonGetCount(), 3);
}

TEST_F(ControlBarServices, EnsureVisibleShowsAHiddenBarByCommand)
{
    m_pFrame->ShowWindow(SW_SHOWNA);
    m_pFrame->ShowControlBar(m_pLeft, FALSE, FALSE);
    EXPECT_TRUE(m_pLeft->EnsureVisibleByCommand());
    EXPECT_TRUE(m_pLeft->IsWindowVisible());
    m_pLeft->m_nStateFlags |= CControlBar::tempHide;
    m_pFrame->ShowControlBar(m_pLeft, FALSE, FALSE);
    EXPECT_FALSE(m_pLeft->EnsureVisibleByCommand());
    m_pLeft->m_nStateFlags &= ~CControlBar::tempHide;
}

namespace
{
// A document whose in-place active item the test decides.
class CActiveItemDoc : public COleDocument
{
public:
    COleClientItem* m_pActive = nullptr;
    COleClientItem* GetInPlaceActiveItem(CWnd* pWnd) override
    {
        (void)pWnd;
        return m_pActive;
    }
};

const UINT kMsgDestroySelf = WM_USER + 77;
WNDPROC g_pfnBarProc = nullptr;
LRESULT CALLBACK DestroyingProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == kMsgDestroySelf)
    {
        ::DestroyWindow(hWnd);
        return 0;
    }
    return ::CallWindowProcW(g_pfnBarProc, hWnd, msg, wParam, lParam);
}

class CPlainView : public CView
{
public:
    void OnDraw(CDC*) override {}
    void AttachDocument(CDocument* pDoc) { m_pDocument = pDoc; }
};
} // namespace

TEST_F(ControlBarServices, EnsureVisibleKeepsAHideInPlaceBarHiddenWhileAnItemIsActive)
{
    CActiveItemDoc doc;
    CPlainView* pView = new CPlainView;
    ASSERT_TRUE(pView->Create(nullptr, L"view", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), m_pFrame, 0xE901));
    pView->AttachDocument(&doc);
    m_pFrame->SetActiveView(pView, FALSE);
    m_pFrame->ShowControlBar(m_pLeft, FALSE, FALSE);
    ASSERT_NE(m_pLeft->m_dwStyle & CBRS_HIDE_INPLACE, 0u);
    COleClientItem item;
    doc.m_pActive = &item;
    EXPECT_TRUE(CExtControlBar::IsFrameOleInPlaceActive(m_pFrame));
    EXPECT_FALSE(m_pLeft->EnsureVisibleByCommand());
    EXPECT_FALSE(m_pLeft->IsWindowVisible());
    doc.m_pActive = nullptr;
    m_pFrame->SetActiveView(nullptr, FALSE);
    pView->AttachDocument(nullptr);
    pView->DestroyWindow();
}

TEST_F(ControlBarServices, EnsureVisibleAnswersFromTheHandleWhenPumpingDestroysTheBar)
{
    m_pFrame->ShowControlBar(m_pTop2, FALSE, FALSE);
    // The next pumped message destroys the bar.
    m_pTop2->PostMessage(kMsgDestroySelf);
    g_pfnBarProc = (WNDPROC)::SetWindowLongPtrW(m_pTop2->GetSafeHwnd(), GWLP_WNDPROC, (LONG_PTR)&DestroyingProc);
    EXPECT_FALSE(m_pTop2->EnsureVisibleByCommand());
    EXPECT_EQ(m_pTop2->GetSafeHwnd(), nullptr);
}

TEST_F(ControlBarServices, TheMenuAnnouncementWithoutTargetSendsNothing)
{
    CExtControlBar::POPUP_MENU_EVENT_DATA none(0, nullptr, nullptr, CPoint(-1, -1), WM_CONTEXTMENU, 0);
    EXPECT_FALSE(none.NotifyTarget(false));
    EXPECT_EQ(none.m_pWndInitiatorFrame, nullptr);
    // A bar on a dialog: the dialog is told, but no frame is the initiator.
    CWnd dlg;
    ASSERT_TRUE(
        dlg.CreateEx(0, AfxRegisterWndClass(0), L"dialog", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr));
    CWnd src;
    ASSERT_TRUE(
        src.CreateEx(0, AfxRegisterWndClass(0), L"src", WS_CHILD, 0, 0, 10, 10, dlg.GetSafeHwnd(), nullptr, nullptr));
    CExtControlBar::POPUP_MENU_EVENT_DATA onDialog(1, nullptr, &src, CPoint(5, 5), WM_RBUTTONUP, 0);
    EXPECT_FALSE(onDialog.NotifyTarget(true));
    EXPECT_TRUE(onDialog.m_bPostNotification);
    EXPECT_EQ(onDialog.m_pWndInitiatorFrame, nullptr);
    // A bar of the frame: the frame answers and is the initiator.
    CExtControlBar::POPUP_MENU_EVENT_DATA ofFrame(2, nullptr, m_pLeft, CPoint(5, 5), WM_RBUTTONUP, 0);
    const int nBefore = m_pFrame->m_nMenuAnnouncements;
    ofFrame.NotifyTarget(false);
    EXPECT_EQ(ofFrame.m_pWndInitiatorFrame, m_pFrame);
    EXPECT_EQ(m_pFrame->m_nMenuAnnouncements, nBefore + 1);
    EXPECT_TRUE(ofFrame.IsControlBarMenuListNotification());
    src.DestroyWindow();
    dlg.DestroyWindow();
}

TEST_F(ControlBarServices, TheCloseButtonOfABarOnADialogHidesTheBar)
{
    CWnd dlg;
    ASSERT_TRUE(
        dlg.CreateEx(0, AfxRegisterWndClass(0), L"dialog", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, nullptr));
    CExtControlBar bar;
    ASSERT_TRUE(bar.Create(L"On dialog", &dlg, 0x4322, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER));
    bar.MoveWindow(0, 0, 200, 100);
    ASSERT_TRUE(bar.IsDialogMode());
    CExtBarNcAreaButtonClose close(&bar);
    close.m_rc = CRect(10, 10, 20, 20);
    EXPECT_TRUE(close.OnClick(CPoint(15, 15)));
    EXPECT_FALSE(bar.IsWindowVisible());
    bar.DestroyWindow();
    dlg.DestroyWindow();
}

TEST_F(ControlBarServices, SwitchAutoHideAnswersWhetherTheModeWasReached)
{
    // No auto-hide area: the switch cannot happen.
    EXPECT_FALSE(m_pLeft->SwitchAutoHide(true));
    EXPECT_FALSE(m_pLeft->IsAutoHideMode());
    EXPECT_FALSE(m_pTools->SwitchAutoHide(true));
    EXPECT_TRUE(m_pLeft->SwitchAutoHide(false)); // already in that mode
    // With an area of its dock bar the bar goes into auto-hide mode and back.
    CExtDynAutoHideArea area;
    auto* pDock = static_cast<CExtDockBar*>(m_pLeft->GetParent());
    pDock->m_pAutoHideArea = &area;
    EXPECT_TRUE(m_pLeft->SwitchAutoHide(true));
    EXPECT_TRUE(m_pLeft->IsAutoHideMode());
    EXPECT_EQ(area.ItemFindByLParam((LPARAM)m_pLeft), 0);
    EXPECT_TRUE(m_pLeft->SwitchAutoHide(false));
    EXPECT_FALSE(m_pLeft->IsAutoHideMode());
    EXPECT_EQ(area.ItemGetCount(), 0);
    pDock->m_pAutoHideArea = nullptr;
    // A floating bar never switches.
    m_pFrame->FloatControlBar(m_pTop2, CPoint(400, 400));
    EXPECT_FALSE(m_pTop2->SwitchAutoHide(true));
}

TEST_F(ControlBarServices, RenamingABarFloatingAloneRenamesItsFloatingFrame)
{
    m_pFrame->FloatControlBar(m_pTop2, CPoint(450, 350));
    ASSERT_TRUE(CExtControlBar::IsFloating(m_pTop2));
    CFrameWnd* pMini = m_pTop2->GetParentFrame();
    ASSERT_NE(pMini, m_pFrame);
    m_pTop2->SetWindowText(L"Renamed");
    CString sText;
    pMini->GetWindowText(sText);
    EXPECT_STREQ((LPCTSTR)sText, L"Renamed");
}

TEST_F(ControlBarServices, FocusingTheDockSiteLeavesTheFocusInAnActiveFloatingFrameOfTheFrame)
{
    m_pFrame->ShowWindow(SW_SHOWNORMAL);
    m_pFrame->SetForegroundWindow();
    m_pFrame->FloatControlBar(m_pLeft, CPoint(500, 300));
    ASSERT_TRUE(CExtControlBar::IsFloating(m_pLeft));
    CFrameWnd* pMini = m_pLeft->GetParentFrame();
    ASSERT_NE(pMini, m_pFrame);
    pMini->SetActiveWindow();
    m_pLeft->m_wndChild.SetFocus();
    ASSERT_EQ(::GetFocus(), m_pLeft->m_wndChild.GetSafeHwnd());
    m_pTop1->FocusDockSite();
    EXPECT_EQ(::GetFocus(), m_pLeft->m_wndChild.GetSafeHwnd());

    // A window outside the frame's tree has the focus: the frame takes it.
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 50, 50), nullptr, 0));
    other.SetActiveWindow();
    other.SetFocus();
    ASSERT_EQ(::GetFocus(), other.GetSafeHwnd());
    m_pTop1->FocusDockSite();
    EXPECT_EQ(::GetFocus(), m_pFrame->GetSafeHwnd());
    other.DestroyWindow();
}
