// Tool-bar mouse handling, menu tracking, the help loop and the mended faults. Tests with the shown frame,
// captures, popup menus or input run alone (their suite names hold "Screen").
#include <atomic>
#include <gtest/gtest.h>
#include "ToolBarHost.h"
#include "platform/Dc.h"
#include "platform/MiniDockFrameWnd.h"
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/bars_tabs/ExtBarContentExpandButton.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "toolkit/menus_dialogs/ExtPopupMenuTrackingSite.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

namespace
{
class ToolBarHostTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CToolBarHostFrame;
        ASSERT_TRUE(m_pFrame->CreateHost());
        m_hFrame = m_pFrame->GetSafeHwnd();
    }
    void TearDown() override
    {
        CExtToolControlBar::CloseTrackingMenus();
        PumpMessages();
        if (::IsWindow(m_hFrame))
            m_pFrame->DestroyWindow();
        PumpMessages();
    }
    CChevronToolBar& Bar() { return m_pFrame->m_wndToolBar; }
    int Index(UINT nCmdID) const { return m_pFrame->IndexOf(nCmdID); }
    CPoint Center(int nIndex) { return Bar().GetButton(nIndex)->GetRect().CenterPoint(); }
    void Show()
    {
        m_pFrame->ShowWindow(SW_SHOWNORMAL);
        m_pFrame->SetForegroundWindow();
        m_pFrame->RecalcLayout();
        m_pFrame->UpdateWindow();
        PumpMessages();
    }
    void Click(int nIndex, CPoint pt = CPoint(-1, -1))
    {
        if (pt.x < 0)
            pt = Center(nIndex);
        SendBarMouse(Bar(), WM_LBUTTONDOWN, pt, MK_LBUTTON);
        SendBarMouse(Bar(), WM_LBUTTONUP, pt);
        PumpMessages();
    }
    HMENU LoadTestMenu(UINT nID) { return ::LoadMenuW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(nID)); }
    static CExtPopupMenuWnd* OpenPopup() { return g_TrackingSite.GetInstance(); }

    CToolBarHostFrame* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
};

class ToolBarScreen : public ToolBarHostTest
{};

// The open menu once it is shown and done animating its opening (it eats every move until then); null before.
CExtPopupMenuWnd* ShownMenu()
{
    CExtPopupMenuWnd* pPopup = g_TrackingSite.GetInstance();
    if (pPopup == nullptr || pPopup->GetSafeHwnd() == nullptr || !::IsWindowVisible(pPopup->GetSafeHwnd()) ||
        g_TrackingSite.GetAnimatingPopup() != nullptr)
        return nullptr;
    return pPopup;
}

// From a script: a click on the screen point of a menu button, then the wait for its menu (false when none came).
bool OpenMenuByClick(CPoint pt, CExtPopupMenuWnd*& pPopup)
{
    SendMouse(pt.x, pt.y, 0);
    SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTDOWN);
    SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTUP);
    return WaitFor([&]() { return (pPopup = ShownMenu()) != nullptr; });
}

// From a script: a click on the first item of the shown menu ("Pick A").
void PickFirstItem(CExtPopupMenuWnd* pPopup)
{
    CRect rcPopup;
    ::GetWindowRect(pPopup->GetSafeHwnd(), &rcPopup);
    const CPoint ptItem(rcPopup.left + rcPopup.Width() / 2, rcPopup.top + 4 + 11);
    SendMouse(ptItem.x, ptItem.y, 0);
    SendMouse(ptItem.x, ptItem.y, MOUSEEVENTF_LEFTDOWN);
    SendMouse(ptItem.x, ptItem.y, MOUSEEVENTF_LEFTUP);
}

class ToolBarHelpLoop : public ToolBarHostTest
{};
class ToolBarMends : public ToolBarHostTest
{};
} // namespace

TEST_F(ToolBarScreen, AClickDeliversTheCommandAndCheckboxesToggle)
{
    Show();
    Click(Index(ID_TBT_FIRST + 2));
    ASSERT_EQ(m_pFrame->m_arrCommands.size(), 1u);
    EXPECT_EQ(m_pFrame->m_arrCommands[0], (UINT)(ID_TBT_FIRST + 2));
    EXPECT_EQ(Bar().GetButtonStyle(Index(ID_TBT_FIRST + 2)) & TBBS_PRESSED, 0u);
    EXPECT_EQ(CExtMouseCaptureSink::GetCaptureHWND(), nullptr);
    const int nCheck = Index(ID_TBT_FIRST + 1);
    Bar().SetButtonStyle(nCheck, TBBS_CHECKBOX);
    Click(nCheck);
    EXPECT_EQ(Bar().GetButtonStyle(nCheck) & (TBBS_CHECKED | TBBS_PRESSED), (UINT)TBBS_CHECKED);
    Click(nCheck);
    EXPECT_EQ(Bar().GetButtonStyle(nCheck) & TBBS_CHECKED, 0u);
    Bar().SetButtonStyle(nCheck, TBBS_CHECKBOX | TBBS_INDETERMINATE);
    Click(nCheck);
    EXPECT_EQ(Bar().GetButtonStyle(nCheck) & (TBBS_CHECKED | TBBS_INDETERMINATE), (UINT)TBBS_CHECKED);
    // A disabled button ignores the click (the press asks the frame's command UI first).
    const int nOff = Index(ID_TBT_FIRST + 7);
    m_pFrame->m_mapEnable[ID_TBT_FIRST + 7] = 0;
    m_pFrame->m_arrCommands.clear();
    Click(nOff);
    EXPECT_TRUE(m_pFrame->m_arrCommands.empty());
    // A press released elsewhere sends nothing.
    SendBarMouse(Bar(), WM_LBUTTONDOWN, Center(2), MK_LBUTTON);
    SendBarMouse(Bar(), WM_LBUTTONUP, Center(5));
    EXPECT_TRUE(m_pFrame->m_arrCommands.empty());
}

TEST_F(ToolBarScreen, ADoubleClickOnAButtonIsTwoClicksAndElsewhereFloatsTheBar)
{
    Show();
    const int n = Index(ID_TBT_FIRST + 4);
    const CPoint pt = Center(n);
    SendBarMouse(Bar(), WM_LBUTTONDOWN, pt, MK_LBUTTON);
    SendBarMouse(Bar(), WM_LBUTTONUP, pt);
    SendBarMouse(Bar(), WM_LBUTTONDBLCLK, pt, MK_LBUTTON);
    SendBarMouse(Bar(), WM_LBUTTONUP, pt);
    PumpMessages();
    EXPECT_EQ(m_pFrame->m_arrCommands, std::vector<UINT>(2, (UINT)(ID_TBT_FIRST + 4)));
    // Off the buttons the base toggles docking: the bar floats in the toolkit's frame.
    SendBarMouse(Bar(), WM_LBUTTONDBLCLK, CPoint(0, 0), MK_LBUTTON);
    PumpMessages();
    ASSERT_TRUE(CExtControlBar::IsFloating(&Bar()));
    EXPECT_TRUE(Bar().GetParentFrame()->IsKindOf(RUNTIME_CLASS(CExtMiniDockFrameWnd)));
}

TEST_F(ToolBarScreen, SplitDropDownsOpenFromTheArrowAndSendFromTheMainPart)
{
    const int n = Index(ID_TBT_FIRST + 3);
    ASSERT_TRUE(Bar().SetButtonMenu(n, LoadTestMenu(IDR_TBT_MENU)));
    Bar().GetButton(n)->SetSplitDropDown(true);
    Show();
    CExtBarButton* pButton = Bar().GetButton(n);
    const CRect rcDrop = pButton->GetDropDownRect();
    const CRect rc = pButton->GetRect();
    // The main part sends the command.
    Click(n, CPoint(rc.left + 4, rc.CenterPoint().y));
    EXPECT_EQ(m_pFrame->m_arrCommands, std::vector<UINT>(1, (UINT)(ID_TBT_FIRST + 3)));
    EXPECT_EQ(OpenPopup(), nullptr);
    // The arrow opens the menu; the bar tracks it.
    SendBarMouse(Bar(), WM_LBUTTONDOWN, rcDrop.CenterPoint(), MK_LBUTTON);
    EXPECT_TRUE(CExtToolControlBar::g_bMenuTracking);
    EXPECT_EQ(Bar().GetMenuTrackingButton(), n);
    ASSERT_NE(OpenPopup(), nullptr);
    EXPECT_EQ(OpenPopup()->GetItemCount(), 2);
    CExtToolControlBar::CloseTrackingMenus();
    PumpMessages();
    EXPECT_EQ(Bar().GetMenuTrackingButton(), -1);
    EXPECT_FALSE(CExtToolControlBar::g_bMenuTracking);
    EXPECT_EQ(pButton->GetStyle() & TBBS_PRESSED, 0u);
    // Disabled, the arrow still opens the menu; the main part does nothing.
    m_pFrame->m_mapEnable[ID_TBT_FIRST + 3] = 0;
    pButton->ModifyStyle(TBBS_DISABLED);
    m_pFrame->m_arrCommands.clear();
    Click(n, CPoint(rc.left + 4, rc.CenterPoint().y));
    EXPECT_TRUE(m_pFrame->m_arrCommands.empty());
    SendBarMouse(Bar(), WM_LBUTTONDOWN, rcDrop.CenterPoint(), MK_LBUTTON);
    EXPECT_NE(OpenPopup(), nullptr);
    EXPECT_EQ(Bar().GetMenuTrackingButton(), n);
}

TEST_F(ToolBarScreen, MovingOntoAnotherMenuButtonSwitchesMenusAndCloseResetsEveryBar)
{
    const int nA = Index(ID_TBT_FIRST + 3), nB = Index(ID_TBT_FIRST + 4);
    Bar().SetButtonMenu(nA, LoadTestMenu(IDR_TBT_MENU));
    Bar().SetButtonMenu(nB, LoadTestMenu(IDR_TBT_MENU2));
    Show();
    const CPoint ptA = ButtonCenterOnScreen(Bar(), nA), ptB = ButtonCenterOnScreen(Bar(), nB);
    // The script reads the tracked index (a plain int the GUI thread writes) while that thread pumps.
    volatile int* pTracked = &Bar().m_nBtnIdxMenuTracking;
    volatile bool* pMenuTracking = &CExtToolControlBar::g_bMenuTracking;
    RunInputScript([&]() {
        SendMouse(ptA.x, ptA.y, 0);
        SendMouse(ptA.x, ptA.y, MOUSEEVENTF_LEFTDOWN);
        SendMouse(ptA.x, ptA.y, MOUSEEVENTF_LEFTUP);
        // Moves are eaten until the menu is shown and done animating its opening.
        ASSERT_TRUE(WaitFor([&]() { return *pTracked == nA && *pMenuTracking && ShownMenu() != nullptr; }))
            << "the first menu did not open";
        SendMouse((ptA.x + ptB.x) / 2, ptB.y, 0);
        SendMouse(ptB.x, ptB.y, 0);
        EXPECT_TRUE(WaitFor([&]() { return *pTracked == nB; })) << "the menus did not switch";
    });
    // The script ran while this thread pumped; check the state it left.
    EXPECT_TRUE(WaitFor([&]() { return Bar().GetMenuTrackingButton() == nB; }));
    EXPECT_EQ(Bar().GetMenuTrackingButton(), nB);
    ASSERT_NE(OpenPopup(), nullptr);
    EXPECT_EQ(OpenPopup()->GetItemCount(), 1); // the second menu
    EXPECT_TRUE(CExtToolControlBar::g_bMenuTracking);
    EXPECT_NE(Bar().GetButtonStyle(nB) & TBBS_PRESSED, 0u);
    EXPECT_EQ(Bar().GetButtonStyle(nA) & TBBS_PRESSED, 0u);
    CExtToolControlBar::CloseTrackingMenus();
    PumpMessages();
    EXPECT_EQ(Bar().GetMenuTrackingButton(), -1);
    EXPECT_EQ(Bar().GetButtonStyle(nB) & TBBS_PRESSED, 0u);
}

TEST_F(ToolBarScreen, AnAdoptingButtonTakesThePickedCommandItsIconAndTipAndSendsIt)
{
    const int n = Index(ID_TBT_FIRST + 3);
    Bar().SetButtonMenu(n, LoadTestMenu(IDR_TBT_MENU));
    CExtBarButton* pButton = Bar().GetButton(n);
    pButton->SetAdoptPickedCmd(true);
    // Never-used commands would hide behind the menu's expand row.
    for (UINT nID : {ID_TBT_PICK_A, ID_TBT_PICK_B})
        g_CmdManagerHolder->LookupCommand(kToolBarHostProfile, nID)->SetAlwaysShown(true);
    Show();
    const CPoint pt = ButtonCenterOnScreen(Bar(), n);
    RunInputScript([&]() {
        CExtPopupMenuWnd* pPopup = nullptr;
        ASSERT_TRUE(OpenMenuByClick(pt, pPopup)) << "the button's menu did not open";
        PickFirstItem(pPopup);
        // The pick closes the menu; never leave one behind.
        WaitFor([]() { return g_TrackingSite.GetInstance() == nullptr; });
        if (CExtPopupMenuWnd* pLeft = g_TrackingSite.GetInstance())
            ::PostMessageW(pLeft->GetSafeHwnd(), WM_CANCELMODE, 0, 0);
    });
    EXPECT_TRUE(WaitFor([&]() { return !m_pFrame->m_arrCommands.empty(); }));
    ASSERT_FALSE(m_pFrame->m_arrCommands.empty());
    const UINT nPicked = m_pFrame->m_arrCommands.back();
    EXPECT_EQ(nPicked, (UINT)ID_TBT_PICK_A);
    EXPECT_EQ(pButton->GetCmdID(true), nPicked);
    EXPECT_EQ(pButton->GetCmdID(false), (UINT)(ID_TBT_FIRST + 3));
    TOOLINFO ti = {};
    ti.cbSize = sizeof(ti);
    ASSERT_EQ(pButton->BuildTipText(CPoint(0, 0), &ti), (INT_PTR)nPicked);
    EXPECT_STREQ(ti.lpszText, nPicked == ID_TBT_PICK_A ? L"Pick A" : L"Pick B");
    free(ti.lpszText);
}

TEST_F(ToolBarHelpLoop, AnswersMinusThreeIdsAndSystemCommandsAndPassesQuitOn)
{
    // Not in help mode: -3 at once.
    EXPECT_EQ(CExtToolControlBar::DoHelpModeLoop(&Bar()), -3);
    m_pFrame->m_bHelpMode = TRUE;
    PumpMessages();
    m_pFrame->PostMessage(WM_COMMAND, ID_TBT_FIRST + 5, 0);
    EXPECT_EQ(CExtToolControlBar::DoHelpModeLoop(&Bar()), ID_TBT_FIRST + 5);
    m_pFrame->PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(CExtToolControlBar::DoHelpModeLoop(&Bar()), 0x1EF06);
    EXPECT_FALSE(CExtToolControlBar::g_bHelpModeLoop);
    // WM_QUIT ends the loop and stays in the queue with its code.
    ::PostQuitMessage(7);
    EXPECT_EQ(CExtToolControlBar::DoHelpModeLoop(&Bar()), -3);
    MSG msg;
    ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
    // A bar without dock site: -3.
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), L"host", WS_POPUP, 0, 0, 300, 60, nullptr, nullptr));
    CExtToolControlBar dialogBar;
    ASSERT_TRUE(dialogBar.Create(L"dialog bar", &host, 0x7001, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    EXPECT_EQ(CExtToolControlBar::DoHelpModeLoop(&dialogBar), -3);
    dialogBar.DestroyWindow();
    host.DestroyWindow();
    m_pFrame->m_bHelpMode = FALSE;
    // The help hit test maps a button's -1 and -2 to -2, and a separator is never hit.
    Bar().RecalcButtonPositions();
    EXPECT_EQ(Bar().HitTestItem(Center(0)), ID_TBT_FIRST);
    CExtBarButton unknown(&Bar(), 0xC1F0);
    EXPECT_EQ(unknown.OnHelpHitTest(CPoint(0, 0)), -1);
    EXPECT_EQ(Bar().HitTestItem(Bar().GetButton(3)->GetRect().CenterPoint()), -1);
}

TEST_F(ToolBarMends, DeletingButtonsTakesThemOutOfTheChevronsList)
{
    Bar().m_bShowChevron = true;
    m_pFrame->RecalcLayout();
    for (int i = 0; i < Bar().GetButtonsCount(); i++)
        Bar().GetButton(i)->SetWrap(CExtToolControlBar::kOrientHorzDocked, false);
    Bar().SetWindowPos(nullptr, 0, 0, 260, 26, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Bar().RecalcButtonPositions();
    CExtBarContentExpandButton* pChevron = Bar().GetRightButton();
    ASSERT_GT(pChevron->GetButtonsCount(), 3);
    CExtBarButton* pHidden = pChevron->GetButton(0);
    const int nIndex = Bar().GetButtonIndex(pHidden);
    ASSERT_GE(nIndex, 0);
    ASSERT_TRUE(Bar().RemoveButton(nIndex, false));
    for (int i = 0; i < pChevron->GetButtonsCount(); i++)
        EXPECT_NE(pChevron->GetButton(i), pHidden);
    // No group break is left at either end or doubled.
    EXPECT_NE(pChevron->GetButton(0), nullptr);
    EXPECT_NE(pChevron->GetButton(pChevron->GetButtonsCount() - 1), nullptr);
    for (int i = 1; i < pChevron->GetButtonsCount(); i++)
        EXPECT_FALSE(pChevron->GetButton(i) == nullptr && pChevron->GetButton(i - 1) == nullptr);
}

TEST_F(ToolBarScreen, TheChevronMenuListsHiddenButtonsWithSeparatorsBetweenGroupsAndThePanelsMenu)
{
    Bar().m_bShowChevron = true;
    Show();
    for (int i = 0; i < Bar().GetButtonsCount(); i++)
        Bar().GetButton(i)->SetWrap(CExtToolControlBar::kOrientHorzDocked, false);
    Bar().SetWindowPos(nullptr, 0, 0, 300, 26, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Bar().RecalcButtonPositions();
    CExtBarContentExpandButton* pChevron = Bar().GetRightButton();
    int nButtons = 0, nBreaks = 0;
    for (int i = 0; i < pChevron->GetButtonsCount(); i++)
        (pChevron->GetButton(i) != nullptr ? nButtons : nBreaks)++;
    ASSERT_GT(nBreaks, 0);
    ASSERT_EQ(pChevron->TrackButtonMenu(CPoint(0, 0)), 0u);
    CExtPopupMenuWnd* pPopup = OpenPopup();
    ASSERT_NE(pPopup, nullptr);
    const int nItems = pPopup->GetItemCount();
    // The buttons, a separator per group break, a separator and the panels sub-menu.
    EXPECT_EQ(nItems, nButtons + nBreaks + 2);
    EXPECT_NE(pPopup->ItemGetCmdID(0), 0);
    for (int i = 1; i < nItems; i++)
        EXPECT_FALSE(pPopup->ItemGetCmdID(i) == 0 && pPopup->ItemGetCmdID(i - 1) == 0) << i;
    EXPECT_EQ(pPopup->ItemGetCmdID(nItems - 2), 0);
    EXPECT_EQ(pPopup->ItemGetText(nItems - 1), CString(L"&Show/hide panels"));
    EXPECT_EQ(Bar().GetMenuTrackingButton(), Bar().GetButtonsCount() - 1);
    // The panels item is marked always displayed: hiding rarely used items keeps it even with nothing shown below.
    EXPECT_TRUE(pPopup->GetItemAt(nItems - 1).IsForceDisplayed());
    EXPECT_GT(pPopup->GetItemAt(nItems - 1).GetMeasuredHeight(), 0);
    {
        const bool bHideRarelyUsed = CExtPopupMenuWnd::g_bHideRarelyUsed;
        CExtPopupMenuWnd::g_bHideRarelyUsed = true;
        ASSERT_NE(pPopup->ItemGetPopup(nItems - 1), nullptr);
        pPopup->ItemGetPopup(nItems - 1)->RemoveItem(-1);
        pPopup->UpdateDisplayedItems();
        EXPECT_TRUE(pPopup->ItemIsDisplayed(nItems - 1));
        CExtPopupMenuWnd::g_bHideRarelyUsed = bHideRarelyUsed;
    }
    CExtToolControlBar::CloseTrackingMenus();
    PumpMessages();
    // Without hidden buttons and without the panels flag: no menu, and an inactive look.
    Bar().SetWindowPos(nullptr, 0, 0, 900, 26, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Bar().RecalcButtonPositions();
    ASSERT_EQ(pChevron->GetButtonsCount(), 0);
    Bar().m_nBarFlags &= ~CExtToolControlBar::kBarFlagPanelsMenu;
    EXPECT_EQ(pChevron->TrackButtonMenu(CPoint(0, 0)), (UINT)-1);
    EXPECT_EQ(OpenPopup(), nullptr);
}

TEST_F(ToolBarScreen, ARebuildInsideTheCommandLeavesTheDeletedButtonUntouched)
{
    Show();
    const int n = Index(ID_TBT_FIRST + 2);
    const UINT ids[] = {ID_TBT_FIRST, ID_TBT_FIRST + 1};
    m_pFrame->m_fnOnCommand = [&]() { Bar().SetButtons(ids, 2); };
    Click(n);
    EXPECT_EQ(m_pFrame->m_arrCommands, std::vector<UINT>(1, (UINT)(ID_TBT_FIRST + 2)));
    EXPECT_EQ(Bar().GetButtonsCount(), 3);
    EXPECT_EQ(Bar().GetButtonStyle(1) & TBBS_PRESSED, 0u);
    // The same when the bar is rebuilt on the press of a checkbox.
    Bar().SetButtonStyle(1, TBBS_CHECKBOX);
    m_pFrame->m_fnOnCommand = [&]() { Bar().SetButtons(ids, 1); };
    Bar().RecalcButtonPositions();
    Click(1);
    EXPECT_EQ(Bar().GetButtonsCount(), 2);
}

TEST_F(ToolBarMends, IndicesThatNameNoButtonPaintAndChangeNothing)
{
    Bar().RecalcButtonPositions();
    Bar().m_nBtnIdxMenuTracking = 99;
    CRect rcBar;
    Bar().GetWindowRect(&rcBar);
    HDC hScreen = ::GetDC(nullptr);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HBITMAP hBmp = ::CreateCompatibleBitmap(hScreen, 64, 64);
    ::ReleaseDC(nullptr, hScreen);
    HGDIOBJ hOld = ::SelectObject(hMem, hBmp);
    CDC dc;
    dc.Attach(hMem);
    dc.FillSolidRect(0, 0, 64, 64, RGB(1, 2, 3));
    CExtToolControlBar::PaintTrackedButtonCallback(&Bar(), dc, *m_pFrame, CRect(0, 0, 64, 64));
    EXPECT_EQ(dc.GetPixel(10, 10), RGB(1, 2, 3));
    dc.Detach();
    ::SelectObject(hMem, hOld);
    ::DeleteObject(hBmp);
    ::DeleteDC(hMem);
    Bar().m_nBtnIdxMenuTracking = -1;
    Bar().SetTrackedButton(99);
    EXPECT_EQ(Bar().GetMenuTrackingButton(), -1);
    Bar().InvalidateButton(99);
    Bar().UpdateButtonCmdUI(99);
    // A control without a window measures like a plain button.
    CExtBarButton* pButton = Bar().GetButton(0);
    CClientDC dcBar(&Bar());
    const CSize sizePlain = pButton->MeasureButton(dcBar, Bar().GetDefaultButtonSize(), true);
    pButton->SetCtrl(new CWnd);
    EXPECT_TRUE(pButton->IsPlainButton());
    EXPECT_EQ(pButton->MeasureButton(dcBar, Bar().GetDefaultButtonSize(), true), sizePlain);
    pButton->SetCtrl(nullptr);
}

namespace
{
int FloatingRows(CExtToolControlBar& bar)
{
    int n = 1;
    for (int i = 0; i < bar.GetButtonsCount() - 2; i++)
        n += bar.GetButton(i)->IsWrap(CExtToolControlBar::kOrientFloating) ? 1 : 0;
    return n;
}
} // namespace

TEST_F(ToolBarScreen, DraggedByItsGripperTheBarDocksAtTheLeftEdge)
{
    m_pFrame->SetWindowPos(nullptr, 100, 100, 900, 600, SWP_NOZORDER);
    Show();
    CRect rcWnd;
    Bar().GetWindowRect(&rcWnd);
    const CRect rcCaption = Bar().GetCaptionRect();
    ASSERT_FALSE(rcCaption.IsRectEmpty());
    const CPoint ptGrip(rcWnd.left + rcCaption.CenterPoint().x, rcWnd.top + rcCaption.CenterPoint().y);
    CRect rcFrameClient;
    m_pFrame->GetClientRect(&rcFrameClient);
    m_pFrame->ClientToScreen(&rcFrameClient);
    // The press runs the bar's drag loop, which starts dragging on the first move.
    RunInputScript([&]() { SendMouseDrag(ptGrip, CPoint(rcFrameClient.left + 4, rcFrameClient.CenterPoint().y)); });
    ASSERT_TRUE(WaitFor([&]() { return CExtControlBar::GetDockBarId(&Bar()) == (UINT)AFX_IDW_DOCKBAR_LEFT; }));
    ASSERT_EQ(CExtControlBar::GetDockBarId(&Bar()), (UINT)AFX_IDW_DOCKBAR_LEFT);
    // One column, the gripper now on top of it.
    CRect rcLeft;
    EXPECT_TRUE(WaitFor([&]() {
        Bar().GetWindowRect(&rcLeft);
        return rcLeft.Height() > rcLeft.Width() && rcLeft.left <= rcFrameClient.left + 4;
    }));
    EXPECT_GT(rcLeft.Height(), rcLeft.Width());
    EXPECT_LE(rcLeft.left, rcFrameClient.left + 4);
    const CRect rcCaptionLeft = Bar().GetCaptionRect();
    ASSERT_FALSE(rcCaptionLeft.IsRectEmpty());
    const CPoint ptGripLeft(rcLeft.left + rcCaptionLeft.CenterPoint().x, rcLeft.top + rcCaptionLeft.CenterPoint().y);
    RunInputScript([&]() { SendMouseDrag(ptGripLeft, CPoint(1100, 300)); });
    EXPECT_TRUE(WaitFor([&]() { return CExtControlBar::IsFloating(&Bar()); }));
    EXPECT_TRUE(CExtControlBar::IsFloating(&Bar()));
}

TEST_F(ToolBarScreen, HoveringAFloatingBarLeavesItsFrameWhereItIsInTheZOrder)
{
    Show();
    m_pFrame->FloatControlBar(&Bar(), CPoint(300, 200));
    m_pFrame->RecalcLayout();
    PumpMessages();
    ASSERT_TRUE(CExtControlBar::IsFloating(&Bar()));
    CFrameWnd* pFloat = Bar().GetParentFrame();
    CRect rcFloat;
    pFloat->GetWindowRect(&rcFloat);
    // A window above the floating frame that leaves the hovered button uncovered.
    CWnd wndAbove;
    ASSERT_TRUE(wndAbove.CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), L"above", WS_POPUP,
                                  CRect(rcFloat.right - 20, rcFloat.top, rcFloat.right + 100, rcFloat.bottom), nullptr,
                                  0));
    wndAbove.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    PumpMessages();
    auto above = [&]() {
        for (HWND h = ::GetWindow(pFloat->GetSafeHwnd(), GW_HWNDPREV); h != nullptr; h = ::GetWindow(h, GW_HWNDPREV))
            if (h == wndAbove.GetSafeHwnd())
                return true;
        return false;
    };
    // The window order of a new window shows once Wine has taken it in, later under load.
    ASSERT_TRUE(WaitFor([&]() { return above(); }));
    const int n = Index(ID_TBT_FIRST);
    SendBarMouse(Bar(), WM_MOUSEMOVE, Center(n));
    PumpMessages();
    EXPECT_EQ(Bar().m_nBtnIdxHover, n);
    EXPECT_TRUE(above());
    wndAbove.DestroyWindow();
}

TEST_F(ToolBarScreen, DockedLeftTheButtonsFormOneColumnAndFloatingTheyWrapToTheFramesWidth)
{
    m_pFrame->SetWindowPos(nullptr, 100, 100, 900, 700, SWP_NOZORDER);
    Show();
    m_pFrame->DockControlBar(&Bar(), AFX_IDW_DOCKBAR_LEFT);
    m_pFrame->RecalcLayout();
    PumpMessages();
    ASSERT_EQ(CExtControlBar::GetDockBarId(&Bar()), (UINT)AFX_IDW_DOCKBAR_LEFT);
    // One column: every visible button starts at the same x, one below the other.
    int nLeft = -1, nBottom = -1;
    for (int i = 0; i < 30; i++)
    {
        CExtBarButton* pButton = Bar().GetButton(i);
        if (!pButton->IsVisible() || pButton->IsSeparator())
            continue;
        const CRect rc = pButton->GetRect();
        if (nLeft < 0)
            nLeft = rc.left;
        EXPECT_EQ(rc.left, nLeft) << i;
        EXPECT_GE(rc.top, nBottom) << i;
        nBottom = rc.bottom;
    }
    CRect rcBar;
    Bar().GetWindowRect(&rcBar);
    EXPECT_GT(rcBar.Height(), rcBar.Width());
    CRect rcClient;
    Bar().GetClientRect(&rcClient);
    EXPECT_LE(nBottom, rcClient.bottom);

    // Floating in the toolkit's frame; its right border dragged inwards wraps the buttons into rows.
    m_pFrame->FloatControlBar(&Bar(), CPoint(300, 200));
    m_pFrame->RecalcLayout();
    PumpMessages();
    ASSERT_TRUE(CExtControlBar::IsFloating(&Bar()));
    CFrameWnd* pFloat = Bar().GetParentFrame();
    ASSERT_TRUE(pFloat->IsKindOf(RUNTIME_CLASS(CExtMiniDockFrameWnd)));
    pFloat->SetForegroundWindow();
    PumpMessages();
    CRect rcFloat;
    pFloat->GetWindowRect(&rcFloat);
    const int nRowsBefore = FloatingRows(Bar());
    const CPoint ptBorder(rcFloat.right - 1, rcFloat.CenterPoint().y);
    // The press on the border runs the frame's resize loop.
    CExtMiniDockFrameWnd* pMini = static_cast<CExtMiniDockFrameWnd*>(pFloat);
    RunInputScript([&]() {
        SendMouseDrag(ptBorder, CPoint(rcFloat.left + rcFloat.Width() / 3, ptBorder.y),
                      [&]() { return pMini->IsResizing(); });
    });
    CRect rcFloatAfter;
    EXPECT_TRUE(WaitFor([&]() {
        pFloat->GetWindowRect(&rcFloatAfter);
        return rcFloatAfter.Width() < rcFloat.Width() && FloatingRows(Bar()) > nRowsBefore && Bar().IsFullRowBar();
    }));
    EXPECT_LT(rcFloatAfter.Width(), rcFloat.Width());
    EXPECT_GT(FloatingRows(Bar()), nRowsBefore);
    EXPECT_TRUE(Bar().IsFullRowBar());
    // No visible button lies outside the bar.
    Bar().GetClientRect(&rcClient);
    for (int i = 0; i < 30; i++)
    {
        CExtBarButton* pButton = Bar().GetButton(i);
        if (pButton->IsVisible())
        {
            EXPECT_LE(pButton->GetRect().right, rcClient.right + 1) << i;
        }
    }
}

TEST_F(ToolBarMends, CloseTrackingMenusResetsTheTrackedButtonOfEveryBar)
{
    CExtToolControlBar second;
    ASSERT_TRUE(second.Create(L"second", m_pFrame, AFX_IDW_TOOLBAR + 1,
                              WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_SIZE_DYNAMIC));
    ASSERT_TRUE(second.LoadToolBar(IDR_TBT_TOOLBAR));
    m_pFrame->DockControlBar(&second, AFX_IDW_DOCKBAR_TOP);
    m_pFrame->RecalcLayout();
    Bar().SetTrackedButton(2);
    second.SetTrackedButton(5);
    EXPECT_NE(second.GetButtonStyle(5) & TBBS_PRESSED, 0u);
    EXPECT_TRUE(second.GetButton(5)->IsMenuTracked());
    CExtToolControlBar::g_bMenuTracking = true;
    CExtToolControlBar::CloseTrackingMenus();
    EXPECT_FALSE(CExtToolControlBar::g_bMenuTracking);
    EXPECT_EQ(Bar().GetMenuTrackingButton(), -1);
    EXPECT_EQ(second.GetMenuTrackingButton(), -1);
    EXPECT_EQ(second.GetButtonStyle(5) & TBBS_PRESSED, 0u);
    EXPECT_FALSE(second.GetButton(5)->IsMenuTracked());
    EXPECT_EQ(Bar().GetButtonStyle(2) & TBBS_PRESSED, 0u);
    second.DestroyWindow();
}

TEST_F(ToolBarScreen, ABarRebuiltInsideTheAdoptingPopupLeavesTheDeletedButtonUntouched)
{
    const int n = Index(ID_TBT_FIRST + 3);
    Bar().SetButtonMenu(n, LoadTestMenu(IDR_TBT_MENU));
    Bar().GetButton(n)->SetAdoptPickedCmd(true);
    for (UINT nID : {ID_TBT_PICK_A, ID_TBT_PICK_B})
        g_CmdManagerHolder->LookupCommand(kToolBarHostProfile, nID)->SetAlwaysShown(true);
    // A command pumped inside the popup's loop rebuilds the bar: the adopting button is deleted.
    const UINT ids[] = {ID_TBT_FIRST, ID_TBT_FIRST + 1};
    std::atomic<bool> bRebuilt{false};
    m_pFrame->m_fnOnCommand = [&]() {
        Bar().SetButtons(ids, 2);
        bRebuilt = true;
    };
    Show();
    const CPoint pt = ButtonCenterOnScreen(Bar(), n);
    const HWND hFrame = m_pFrame->GetSafeHwnd();
    RunInputScript([&]() {
        CExtPopupMenuWnd* pPopup = nullptr;
        ASSERT_TRUE(OpenMenuByClick(pt, pPopup)) << "the button's menu did not open";
        ::PostMessageW(hFrame, WM_COMMAND, ID_TBT_FIRST + 9, 0);
        ASSERT_TRUE(WaitFor([&]() { return bRebuilt.load(); })) << "the posted command did not come";
        // The rebuild may have closed the menu with its button.
        if (g_TrackingSite.GetInstance() == pPopup)
            PickFirstItem(pPopup);
        WaitFor([]() { return g_TrackingSite.GetInstance() == nullptr; });
        if (CExtPopupMenuWnd* pLeft = g_TrackingSite.GetInstance())
            ::PostMessageW(pLeft->GetSafeHwnd(), WM_CANCELMODE, 0, 0);
    });
    EXPECT_TRUE(WaitFor([&]() { return !m_pFrame->m_arrCommands.empty(); }));
    ASSERT_TRUE(::IsWindow(Bar().GetSafeHwnd()));
    EXPECT_EQ(Bar().GetButtonsCount(), 3);
    ASSERT_FALSE(m_pFrame->m_arrCommands.empty());
    EXPECT_EQ(m_pFrame->m_arrCommands.front(), (UINT)(ID_TBT_FIRST + 9));
    // The picked command of the deleted button is not sent on its behalf.
    for (UINT nID : m_pFrame->m_arrCommands)
        EXPECT_NE(nID, (UINT)ID_TBT_PICK_A);
}

TEST_F(ToolBarScreen, ANewButtonMadeWhereTheAdoptingButtonWasTakesNothingFromItsMenu)
{
    const int n = Index(ID_TBT_FIRST + 3);
    Bar().SetButtonMenu(n, LoadTestMenu(IDR_TBT_MENU));
    Bar().GetButton(n)->SetAdoptPickedCmd(true);
    for (UINT nID : {ID_TBT_PICK_A, ID_TBT_PICK_B})
        g_CmdManagerHolder->LookupCommand(kToolBarHostProfile, nID)->SetAlwaysShown(true);
    // A command pumped inside the popup's loop deletes the adopting button and makes a plain one in its
    // place, which the heap gives the freed block: the same address at the same index.
    const CExtBarButton* pOld = Bar().GetButton(n);
    std::atomic<const CExtBarButton*> pNew{nullptr};
    m_pFrame->m_fnOnCommand = [&]() {
        Bar().RemoveButton(n, false);
        Bar().InsertButton(n, ID_TBT_FIRST + 5, false);
        pNew = Bar().GetButton(n);
    };
    Show();
    const CPoint pt = ButtonCenterOnScreen(Bar(), n);
    const HWND hFrame = m_pFrame->GetSafeHwnd();
    bool bPicked = false;
    RunInputScript([&]() {
        CExtPopupMenuWnd* pPopup = nullptr;
        ASSERT_TRUE(OpenMenuByClick(pt, pPopup)) << "the button's menu did not open";
        ::PostMessageW(hFrame, WM_COMMAND, ID_TBT_FIRST + 9, 0);
        ASSERT_TRUE(WaitFor([&]() { return pNew.load() != nullptr; })) << "the posted command did not come";
        if (g_TrackingSite.GetInstance() == pPopup)
        {
            PickFirstItem(pPopup);
            bPicked = true;
        }
        WaitFor([]() { return g_TrackingSite.GetInstance() == nullptr; });
    });
    ASSERT_EQ(pNew.load(), pOld) << "the new button is elsewhere: the case is not made";
    ASSERT_TRUE(bPicked) << "the menu closed before its item was picked";
    EXPECT_TRUE(WaitFor([&]() { return g_TrackingSite.GetInstance() == nullptr; }));
    // The new button keeps its own command, and the picked one is not sent for it.
    EXPECT_EQ(Bar().GetButtonID(n), (UINT)(ID_TBT_FIRST + 5));
    for (UINT nID : m_pFrame->m_arrCommands)
        EXPECT_NE(nID, (UINT)ID_TBT_PICK_A);
}

// A hovered button sees the pointer leave through the capture: when the system takes the capture away as the window
// loses the activation (Wine does so at a minimize to the tray), the hover ends; no message would end it later.
TEST_F(ToolBarScreen, AHoverWhoseCaptureIsReleasedAtADeactivationEnds)
{
    Show();
    const int n = Index(ID_TBT_FIRST);
    SendBarMouse(Bar(), WM_MOUSEMOVE, Center(n));
    PumpMessages();
    ASSERT_EQ(Bar().m_nBtnIdxHover, n);
    ASSERT_EQ(CExtMouseCaptureSink::GetCaptureHWND(), Bar().GetSafeHwnd());
    CWnd wndOther;
    ASSERT_TRUE(
        wndOther.CreateEx(0, AfxRegisterWndClass(0), L"other", WS_POPUP | WS_VISIBLE, CRect(0, 0, 60, 60), nullptr, 0));
    wndOther.SetActiveWindow();
    if (CExtMouseCaptureSink::GetCaptureHWND() == Bar().GetSafeHwnd())
        ::ReleaseCapture();
    PumpMessages();
    EXPECT_EQ(Bar().m_nBtnIdxHover, -1);
    EXPECT_FALSE(Bar().GetButton(n)->IsHover()) << "the button stays drawn hot";
    wndOther.DestroyWindow();
}
