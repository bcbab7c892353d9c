// The bars as they are left at the close come back so at the next start, in the running program: the frame reads
// its stored state while it is created, before its first layout and show.
#include "phone/PhoneLinkTestSupport.h"
#include "FrameAppFixture.h"
#include "app/Corvane_sms.h"
#include "app/MainFrm.h"
#include "res/app_ids.h"
#include "res/mainframe_ids.h"
#include "tests/support/InputScript.h"
#include "toolkit/bars_tabs/ExtDynAutoHideArea.h"
#include "toolkit/bars_tabs/ExtDynTabControlBar.h"
#include "toolkit/docking/ExtDockOuterBar.h"

using namespace phonetest;

namespace
{
struct MainFrameRestartTest : FrameAppFixture
{
    MainFrameRestartTest() : FrameAppFixture(L"CorvaneMainFrameRestartTest") {}
    void SetUp() override
    {
        FrameAppFixture::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(SimPhone::LoadJson("demo_fast", R"({"extends": "demo", "baud": 0})"));
    }
    // Handles messages as the program's loop does, idle updates included, until nothing is left to do.
    void Settle()
    {
        const DWORD dwStart = ::GetTickCount();
        LONG nIdle = 0;
        while (::GetTickCount() - dwStart < 5000)
        {
            MSG msg;
            if (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
                nIdle = 0;
                continue;
            }
            if (!app->OnIdle(nIdle++))
                break;
        }
    }
    void Start()
    {
        ASSERT_NO_FATAL_FAILURE(StartFrame());
        Settle();
    }
    void Restart()
    {
        Stop();
        NewApp();
        ASSERT_NO_FATAL_FAILURE(Start());
    }
    // The tabs the auto-hide area of the bar shows, -1 when no area lists it.
    static int ShownTabsOfArea(CExtControlBar* pBar)
    {
        CExtDynAutoHideArea* pArea = CExtDynAutoHideArea::FindAreaOfBar(pBar);
        return pArea != nullptr ? pArea->ItemGetVisibleCount() : -1;
    }
    // A floating bar docked back as a double click on its caption does lands at the side, the view keeping a quarter
    // of its extent at least; answers the bar's thickness there.
    int DocksBackAt(CExtControlBar* pBar, UINT nSide)
    {
        CWnd* pView = frame->GetDlgItem(AFX_IDW_PANE_FIRST);
        CRect rcBefore, rcView, rcBar;
        pView->GetWindowRect(&rcBefore);
        EXPECT_TRUE(pBar->DockBackFromFloating());
        Settle();
        pView->GetWindowRect(&rcView);
        pBar->GetWindowRect(&rcBar);
        EXPECT_EQ(CExtControlBar::GetDockBarId(pBar), nSide) << rcBar.Width() << "x" << rcBar.Height();
        EXPECT_GE(rcView.Width(), rcBefore.Width() / 4) << "view " << rcView.Width() << "x" << rcView.Height();
        EXPECT_GE(rcView.Height(), rcBefore.Height() / 4) << "view " << rcView.Width() << "x" << rcView.Height();
        return nSide == AFX_IDW_DOCKBAR_TOP || nSide == AFX_IDW_DOCKBAR_BOTTOM ? rcBar.Height() : rcBar.Width();
    }
};
} // namespace

// The Corvane tool bar floating at the close comes back in a frame of the same size: its buttons have their
// icons when the stored state sizes the frame around them.
TEST_F(MainFrameRestartTest, AFloatingToolBarComesBackInAFrameOfItsSize)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(frame->m_wndCorvaneBar.FloatAtPoint(CPoint(300, 500)));
    Settle();
    CRect rcFrame;
    frame->m_wndCorvaneBar.GetParentFrame()->GetWindowRect(&rcFrame);
    const INT_PTR nCaptionButtons = frame->m_wndCorvaneBar.NcButtonGetCount();
    ASSERT_GT(nCaptionButtons, 0);

    ASSERT_NO_FATAL_FAILURE(Restart());
    ASSERT_TRUE(CExtControlBar::IsFloating(&frame->m_wndCorvaneBar));
    // Its caption's buttons (menu, close) come back with it.
    EXPECT_EQ(frame->m_wndCorvaneBar.NcButtonGetCount(), nCaptionButtons);
    CRect rcAfter;
    frame->m_wndCorvaneBar.GetParentFrame()->GetWindowRect(&rcAfter);
    EXPECT_EQ(rcAfter, rcFrame) << "(" << rcAfter.left << "," << rcAfter.top << ")-(" << rcAfter.right << ","
                                << rcAfter.bottom << ") after the start";
}

// The group of the SMS list and the folders pinned at the close has a tab for each of them at the next start:
// the group's members are shown by the stored state before the frame's first layout shows their windows.
TEST_F(MainFrameRestartTest, APinnedGroupHasATabForEachOfItsBarsAtTheNextStart)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(frame->m_wndSmsListBar.DockAsTabWith(&frame->m_wndFoldersBar));
    frame->RecalcLayout();
    Settle();
    CExtDynTabControlBar* pGroup = frame->m_wndFoldersBar.GetTabbedContainer();
    ASSERT_NE(pGroup, nullptr);
    ASSERT_TRUE(pGroup->SwitchAutoHide(true));
    Settle();
    ASSERT_EQ(ShownTabsOfArea(&frame->m_wndFoldersBar), 2);

    ASSERT_NO_FATAL_FAILURE(Restart());
    EXPECT_TRUE(frame->m_wndFoldersBar.IsAutoHideMode());
    EXPECT_TRUE(frame->m_wndSmsListBar.IsAutoHideMode());
    EXPECT_EQ(ShownTabsOfArea(&frame->m_wndFoldersBar), 2);
}

// The group pinned at the close and unpinned after the start shows its bars as tabs, with no caption band of their
// own: its members took their frames in it while it was hidden.
TEST_F(MainFrameRestartTest, AGroupPinnedAtTheCloseAndUnpinnedAfterTheStartShowsItsBarsWithoutCaptionsOfTheirOwn)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(frame->m_wndFoldersBar.DockAsTabWith(&frame->m_wndSmsListBar));
    frame->RecalcLayout();
    Settle();
    ASSERT_TRUE(frame->m_wndSmsListBar.SwitchAutoHide(true));
    Settle();

    ASSERT_NO_FATAL_FAILURE(Restart());
    ASSERT_TRUE(frame->m_wndFoldersBar.IsAutoHideMode());
    ASSERT_TRUE(frame->m_wndFoldersBar.SwitchAutoHide(false));
    Settle();
    CExtDynTabControlBar* pGroup = frame->m_wndFoldersBar.GetTabbedContainer();
    ASSERT_NE(pGroup, nullptr);
    ASSERT_TRUE(pGroup->IsWindowVisible());
    for (CControlBar* pBar : {(CControlBar*)&frame->m_wndFoldersBar, (CControlBar*)&frame->m_wndSmsListBar})
    {
        CRect rcWindow, rcClient;
        pBar->GetWindowRect(&rcWindow);
        pBar->GetClientRect(&rcClient);
        pBar->ClientToScreen(&rcClient);
        EXPECT_EQ(rcClient.top, rcWindow.top) << "bar " << pBar->GetDlgCtrlID() << " keeps a caption band of "
                                              << rcClient.top - rcWindow.top << " px in its group";
    }
    // Where the selected bar's caption band would be the user sees its content.
    CControlBar* pSelected = pGroup->GetSelectedBar();
    ASSERT_NE(pSelected, nullptr);
    CRect rcSelected;
    pSelected->GetWindowRect(&rcSelected);
    const HWND hAt = ::WindowFromPoint(CPoint(rcSelected.CenterPoint().x, rcSelected.top + 4));
    EXPECT_TRUE(::IsChild(pSelected->GetSafeHwnd(), hAt));
}

// The Corvane tool bar floating in one column, its frame narrowed by the user, comes back in one column: the stored
// state keeps the bar's own wrap width, not its frame's, which would take a second column of buttons.
TEST_F(MainFrameRestartTest, AFloatingToolBarNarrowedToOneColumnComesBackInOneColumn)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    frame->ShowWindow(SW_SHOWNORMAL);
    frame->SetForegroundWindow();
    Settle();
    SettleInput();
    ASSERT_TRUE(frame->m_wndCorvaneBar.FloatAtPoint(CPoint(300, 300)));
    Settle();
    CFrameWnd* pMini = frame->m_wndCorvaneBar.GetParentFrame();
    CRect rcFrame;
    pMini->GetWindowRect(&rcFrame);
    ASSERT_GT(rcFrame.Width(), rcFrame.Height());
    const CPoint ptFrom(rcFrame.right - 2, rcFrame.CenterPoint().y);
    const CPoint ptTo(rcFrame.left + 10, ptFrom.y);
    RunInputScript([&] { SendMouseDrag(ptFrom, ptTo); });
    const auto inOneColumn = [&] {
        pMini->GetWindowRect(&rcFrame);
        return rcFrame.Height() > 3 * rcFrame.Width();
    };
    ASSERT_TRUE(WaitFor(inOneColumn)) << "the frame is " << rcFrame.Width() << "x" << rcFrame.Height()
                                      << " after the narrowing";
    Settle();
    pMini->GetWindowRect(&rcFrame);

    ASSERT_NO_FATAL_FAILURE(Restart());
    ASSERT_TRUE(CExtControlBar::IsFloating(&frame->m_wndCorvaneBar));
    CRect rcAfter;
    frame->m_wndCorvaneBar.GetParentFrame()->GetWindowRect(&rcAfter);
    EXPECT_EQ(rcAfter, rcFrame) << rcAfter.Width() << "x" << rcAfter.Height() << " after the start, " << rcFrame.Width()
                                << "x" << rcFrame.Height() << " before";
}

// "Folders" floated from the left, grouped with "SMS List" in a floating frame and taken out of the group docks back
// at the left after the next start: in the group it did not take the group's side as the one it came from.
TEST_F(MainFrameRestartTest, ABarTakenOutOfAFloatingGroupDocksBackAtItsSideAfterTheStart)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    CRect rcDocked;
    frame->m_wndFoldersBar.GetWindowRect(&rcDocked);
    ASSERT_TRUE(frame->m_wndFoldersBar.FloatAtPoint(CPoint(400, 300)));
    ASSERT_TRUE(frame->m_wndSmsListBar.FloatAtPoint(CPoint(500, 400)));
    ASSERT_TRUE(frame->m_wndFoldersBar.DockAsTabWith(&frame->m_wndSmsListBar));
    Settle();
    ASSERT_TRUE(frame->m_wndFoldersBar.FloatAtPoint(CPoint(400, 300)));
    Settle();

    ASSERT_NO_FATAL_FAILURE(Restart());
    EXPECT_EQ(DocksBackAt(&frame->m_wndFoldersBar, AFX_IDW_DOCKBAR_LEFT), rcDocked.Width());
}

// A group floated from the left docks back there after the next start: the stored state gives the group made anew
// the side its docked rectangle belongs to.
TEST_F(MainFrameRestartTest, AGroupFloatedFromASideDocksBackThereAfterTheStart)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(frame->m_wndFoldersBar.DockAsTabWith(&frame->m_wndSmsListBar));
    Settle();
    CRect rcDocked;
    frame->m_wndFoldersBar.GetTabbedContainer()->GetWindowRect(&rcDocked);
    ASSERT_TRUE(frame->m_wndFoldersBar.GetTabbedContainer()->FloatAtPoint(CPoint(400, 300)));
    Settle();

    ASSERT_NO_FATAL_FAILURE(Restart());
    CExtDynTabControlBar* pGroup = frame->m_wndFoldersBar.GetTabbedContainer();
    ASSERT_TRUE(pGroup != nullptr && CExtControlBar::IsFloating(pGroup));
    EXPECT_EQ(DocksBackAt(pGroup, AFX_IDW_DOCKBAR_LEFT), rcDocked.Width());
}

// A bar floated from the left docks back there in the window narrowed meanwhile, leaving the view a quarter.
TEST_F(MainFrameRestartTest, ABarDockedBackIntoANarrowedWindowLeavesTheViewAQuarter)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(frame->m_wndFoldersBar.FloatAtPoint(CPoint(400, 300)));
    frame->SetWindowPos(nullptr, 0, 0, 180, 600, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle();
    DocksBackAt(&frame->m_wndFoldersBar, AFX_IDW_DOCKBAR_LEFT);
}

// The group of the SMS list and the folders made before a restart and pinned after it shows each of its bars as a
// tab with the bar's caption in the auto-hide area: a bar without an icon is not cut to an empty tab.
TEST_F(MainFrameRestartTest, AGroupPinnedAfterTheStartShowsATabWithItsCaptionForEachOfItsBars)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(frame->m_wndSmsListBar.DockAsTabWith(&frame->m_wndFoldersBar));
    frame->RecalcLayout();
    Settle();

    ASSERT_NO_FATAL_FAILURE(Restart());
    CExtDynTabControlBar* pGroup = frame->m_wndFoldersBar.GetTabbedContainer();
    ASSERT_NE(pGroup, nullptr);
    ASSERT_TRUE(pGroup->SwitchAutoHide(true));
    Settle();
    for (CExtControlBar* pBar : {(CExtControlBar*)&frame->m_wndFoldersBar, (CExtControlBar*)&frame->m_wndSmsListBar})
    {
        int nIndex = -1;
        CExtDynAutoHideArea* pArea = CExtDynAutoHideArea::FindAreaOfBar(pBar, &nIndex);
        ASSERT_NE(pArea, nullptr);
        const CExtTabWnd::TAB_ITEM_INFO* pTii = pArea->ItemGet(nIndex);
        CString sCaption;
        pBar->GetCaptionText(sCaption);
        EXPECT_TRUE(pTii->IsVisible() && sCaption == pTii->GetText()) << CStringA(sCaption).GetString();
        // Along the strip the tab holds its text (a vertical text's measure includes its pad).
        const CSize sizeTab = pTii->m_rcItem.Size();
        const int nAlong = pArea->OrientationIsHorizontal() ? sizeTab.cx : sizeTab.cy;
        EXPECT_GT(nAlong, pTii->m_sizeLastMeasuredText.cx) << "the tab of " << CStringA(sCaption).GetString();
    }
}

// The group of the SMS list and the folders docked at the close with the folders' tab selected shows the folders
// after the start: the other bar, shown by the stored state after the selection was made, does not take it.
TEST_F(MainFrameRestartTest, ADockedGroupShowsTheBarWhoseTabWasSelectedAtTheClose)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(frame->m_wndFoldersBar.DockAsTabWith(&frame->m_wndSmsListBar));
    CExtDynTabControlBar* pGroup = frame->m_wndFoldersBar.GetTabbedContainer();
    ASSERT_NE(pGroup, nullptr);
    pGroup->m_wndTabs.SelectionSet(pGroup->m_wndTabs.FindBar(&frame->m_wndFoldersBar), true, true);
    Settle();

    ASSERT_NO_FATAL_FAILURE(Restart());
    CRect rcBar;
    frame->m_wndFoldersBar.GetWindowRect(&rcBar);
    const HWND hAt = ::WindowFromPoint(rcBar.CenterPoint());
    EXPECT_TRUE(::IsChild(frame->m_wndFoldersBar.GetSafeHwnd(), hAt)) << "the folders are covered by window " << hAt;
}

// The SMS list docked below the folders in their column, the folders a little above their least height: the next
// start gives both bars their heights back to the pixel.
TEST_F(MainFrameRestartTest, AColumnOfTwoBarsComesBackWithTheHeightsItWasLeftWith)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    CRect rcBelow;
    frame->m_wndFoldersBar.GetWindowRect(&rcBelow);
    rcBelow.top = rcBelow.CenterPoint().y;
    CExtDockBar::DockBarInto(frame->m_wndFoldersBar.m_pDockBar, &frame->m_wndSmsListBar, &rcBelow, false);
    const auto heights = [&] {
        frame->RecalcLayout();
        Settle();
        CRect rcFolders, rcList;
        frame->m_wndFoldersBar.GetWindowRect(&rcFolders);
        frame->m_wndSmsListBar.GetWindowRect(&rcList);
        const bool bColumn = rcList.left == rcFolders.left && rcList.top == rcFolders.bottom;
        return bColumn ? std::make_pair(rcFolders.Height(), rcList.Height()) : std::make_pair(0, 0);
    };
    // The splitter between them dragged up to a little above the folders' least height.
    const std::pair<int, int> docked = heights();
    frame->m_wndFoldersBar.m_sizeVertDocked.cy = frame->m_wndFoldersBar.CalcMinHeight() + 8;
    frame->m_wndSmsListBar.m_sizeVertDocked.cy =
        docked.first + docked.second - frame->m_wndFoldersBar.m_sizeVertDocked.cy;
    const std::pair<int, int> before = heights();
    ASSERT_GT(before.first, frame->m_wndFoldersBar.CalcMinHeight());
    ASSERT_NO_FATAL_FAILURE(Restart());
    EXPECT_EQ(heights(), before) << "the folders' and the list's heights";
}

// "Jendela Paling Depan" on at the close: the main window is topmost at the next start, its floating bar in the
// topmost band with it. (Which of the two lies above is the window manager's: unmanaged, Wine puts the main window
// above at its X focus.)
TEST_F(MainFrameRestartTest, TheMainWindowSetAlwaysOnTopIsTopmostAtTheNextStartWithItsFloatingBarInItsBand)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(frame->m_wndFoldersBar.FloatAtPoint(CPoint(300, 200)));
    frame->SendMessage(WM_COMMAND, ID_VIEW_TOPMOST);
    ASSERT_NO_FATAL_FAILURE(Restart());
    ASSERT_TRUE(frame->IsTopMost());
    EXPECT_NE(frame->GetExStyle() & WS_EX_TOPMOST, 0u) << "the main window is not topmost";
    CFrameWnd* pFloating = frame->m_wndFoldersBar.GetParentFrame();
    ASSERT_TRUE(pFloating != frame && pFloating->IsWindowVisible());
    EXPECT_NE(pFloating->GetExStyle() & WS_EX_TOPMOST, 0u) << "the floating frame is not in the topmost band";
}

// A window closed minimized starts minimized: its floating bar waits hidden until it is restored, then shows above it.
TEST_F(MainFrameRestartTest, AFloatingBarOfAWindowClosedMinimizedShowsOnlyWhenTheWindowIsRestored)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(frame->m_wndFoldersBar.FloatAtPoint(CPoint(300, 200)));
    frame->ShowWindow(SW_MINIMIZE);
    ASSERT_NO_FATAL_FAILURE(Restart());
    ASSERT_TRUE(frame->IsIconic());
    CFrameWnd* pFloating = frame->m_wndFoldersBar.GetParentFrame();
    ASSERT_NE(pFloating, frame);
    EXPECT_FALSE(pFloating->IsWindowVisible()) << "the floating bar stands alone beside the minimized window";
    frame->ShowWindow(SW_RESTORE);
    Settle();
    EXPECT_TRUE(pFloating->IsWindowVisible() && IsAbove(pFloating->m_hWnd, frame->m_hWnd));
}

// Hidden to the tray, the floating bar goes with the window and comes back with it; closed from the tray, it floats
// shown at the next start.
TEST_F(MainFrameRestartTest, AFloatingBarFollowsTheMainWindowToTheTrayAndBack)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(frame->m_wndFoldersBar.FloatAtPoint(CPoint(300, 200)));
    CFrameWnd* pFloating = frame->m_wndFoldersBar.GetParentFrame();
    app->WriteProfileInt(L"Settings", L"IsHideToTray", 1);
    frame->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
    Settle();
    ASSERT_TRUE(frame->IsHiddenToTray());
    EXPECT_FALSE(pFloating->IsWindowVisible()) << "the floating bar stays on the desktop";
    frame->SendMessage(WM_COMMAND, ID_SHOW_HIDE_WINDOW);
    Settle();
    // Which of the two lies above once the activation came back is Wine's business without a window manager.
    EXPECT_TRUE(pFloating->IsWindowVisible()) << "the floating bar stays hidden after the tray";
    frame->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
    ASSERT_NO_FATAL_FAILURE(Restart());
    pFloating = frame->m_wndFoldersBar.GetParentFrame();
    EXPECT_TRUE(pFloating != frame && pFloating->IsWindowVisible()) << "closed from the tray, the bar is lost";
}

// "Always on top" switched on and off takes the floating bar into and out of the topmost band with the window.
TEST_F(MainFrameRestartTest, AFloatingBarLeavesTheTopmostBandWithTheMainWindow)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(frame->m_wndFoldersBar.FloatAtPoint(CPoint(300, 200)));
    CFrameWnd* pFloating = frame->m_wndFoldersBar.GetParentFrame();
    frame->SendMessage(WM_COMMAND, ID_VIEW_TOPMOST);
    EXPECT_NE(frame->GetExStyle() & WS_EX_TOPMOST, 0u) << "the main window owning a floating bar is not topmost";
    ASSERT_NE(pFloating->GetExStyle() & WS_EX_TOPMOST, 0u);
    frame->SendMessage(WM_COMMAND, ID_VIEW_TOPMOST);
    ASSERT_EQ(frame->GetExStyle() & WS_EX_TOPMOST, 0u);
    EXPECT_EQ(pFloating->GetExStyle() & WS_EX_TOPMOST, 0u) << "the floating bar stays above every program";
    EXPECT_TRUE(IsAbove(pFloating->m_hWnd, frame->m_hWnd));
}

// A box or dialog asked for while a floating bar's frame was the last active popup is owned by the main window, which
// gets the keys back when it ends.
TEST_F(MainFrameRestartTest, ABoxAskedForAfterAFloatingBarWasActiveIsOwnedByTheMainWindow)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(frame->m_wndFoldersBar.FloatAtPoint(CPoint(300, 200)));
    CFrameWnd* pFloating = frame->m_wndFoldersBar.GetParentFrame();
    pFloating->SetActiveWindow();
    ASSERT_EQ(::GetLastActivePopup(frame->m_hWnd), pFloating->m_hWnd);
    EXPECT_EQ(CWnd::GetSafeOwner_(nullptr, nullptr), frame->m_hWnd) << "the floating frame owns the box";
}

// The SMS list docked under the folders, the folders closed from the bars menu and the list pinned: the next start
// leaves the folders hidden in their hidden column, and the first ask of the bars menu shows them.
TEST_F(MainFrameRestartTest, AClosedBarOfAColumnWhoseMateWasPinnedShowsAtTheFirstAskAfterTheStart)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(frame->m_wndSmsListBar.DockNextToBar(&frame->m_wndFoldersBar, AFX_IDW_DOCKBAR_BOTTOM));
    frame->SendMessage(WM_COMMAND, CMainFrame::kIdFoldersBar);
    ASSERT_TRUE(frame->m_wndSmsListBar.SwitchAutoHide(true));
    ASSERT_NO_FATAL_FAILURE(Restart());
    frame->SendMessage(WM_COMMAND, CMainFrame::kIdFoldersBar);
    Settle();
    EXPECT_TRUE(frame->m_wndFoldersBar.IsWindowVisible()) << "the folders are not shown at the first ask";
}

// The Corvane tool bar moved to the end of the menu bar's row, squeezed there to its least extent: the next start
// gives the menu bar and the tool bar their rectangles back, the tool bar not cut by a wider menu bar.
TEST_F(MainFrameRestartTest, AToolBarSqueezedAtTheEndOfTheMenuBarsRowComesBackAtItsExtent)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    CArray<CControlBar*, CControlBar*> arrRow;
    frame->m_wndMenuBar.GetRowBars(arrRow);
    CExtDockOuterBar* pOuter = DYNAMIC_DOWNCAST(CExtDockOuterBar, frame->m_wndMenuBar.m_pDockBar);
    ASSERT_TRUE(pOuter != nullptr && pOuter->MoveBarToRow(&frame->m_wndCorvaneBar, arrRow, 2000));
    frame->RecalcLayout();
    const auto rects = [&] {
        CRect rcMenu, rcTools;
        frame->m_wndMenuBar.GetWindowRect(&rcMenu);
        frame->m_wndCorvaneBar.GetWindowRect(&rcTools);
        return std::make_pair(rcMenu, rcTools);
    };
    const auto before = rects();
    ASSERT_TRUE(before.second.top == before.first.top && before.second.left == before.first.right);
    ASSERT_NO_FATAL_FAILURE(Restart());
    EXPECT_EQ(rects(), before) << "the tool bar is " << rects().second.Width() << " px wide, " << before.second.Width()
                               << " before";
}
