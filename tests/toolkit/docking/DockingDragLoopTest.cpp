// The drag loop driven by real input (SendInput from a helper thread, the host frame in front): docking at a side,
// beside a bar, floating and docking back, a drop at the release point, cancels, Ctrl, a click without movement,
// refreshes at rest, and the mends: a quit request, a bar destroyed while dragged, a float that failed.
#include "DockingDragFixture.h"
#include <algorithm>
#include <atomic>
#include <cstdlib>
#include "res/toolkit_docking_ids.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

namespace
{
// The window holding the mouse capture on the thread.
HWND CaptureOf(DWORD dwThread)
{
    GUITHREADINFO info = {sizeof(info)};
    return ::GetGUIThreadInfo(dwThread, &info) ? info.hwndCapture : nullptr;
}

// Whether the thread tracks a menu, of the toolkit or of the system.
bool MenuOpen(DWORD dwThread)
{
    GUITHREADINFO info = {sizeof(info)};
    return CExtPopupMenuWnd::IsMenuTracking() ||
           (::GetGUIThreadInfo(dwThread, &info) && (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE)) != 0);
}

// Whether pBar's drag has taken the move to the screen point: its updates are there (a refresh at rest steps the
// point's x back by one to have the same point computed anew). Read from a script, where an update in progress
// may be seen at any time.
bool TookMove(const CExtControlBar* pBar, CPoint pt)
{
    const CPoint ptPrev = pBar->m_ptDragPrev;
    return (pBar->m_bfTracking & CExtControlBar::kTrackDragging) != 0 && ptPrev.y == pt.y &&
           (ptPrev.x == pt.x || ptPrev.x == pt.x - 1);
}

// Whether pBar's drag has finished its update at the screen point; on the GUI thread, where no update is half done
// between two messages, and a refresh's step back is followed by its update before any timer.
bool UpdatedAt(const CExtControlBar* pBar, CPoint pt)
{
    return (pBar->m_bfTracking & CExtControlBar::kTrackDragging) != 0 && pBar->m_ptDragPrev == pt &&
           !CExtControlBar::g_bUpdatingDragState;
}

// Timer procedures run on the GUI thread inside the drag loop; they act on these. Each is armed by the drag's first
// refresh (no timer of the test runs before the drag does) and ticks until the dragged bar rests at g_ptRest, so
// that it acts during the drag however late the drag gets there.
const UINT kTickMs = 20;
TIMERPROC g_pfnArmOnDrag = nullptr; // armed at the drag's first refresh
UINT_PTR g_nArmedTimer = 0;
CExtControlBar* g_pTimerBar = nullptr; // the bar a timer acts on
CExtControlBar* g_pDragBar = nullptr;  // the dragged bar
CDockingHostFrame* g_pTimerFrame = nullptr;
CPoint g_ptRest;
const int kSamples = 3;
int g_nKindAt[kSamples] = {};
CExtControlBar* g_pTargetAt[kSamples] = {};
int g_nPaintsAt[kSamples] = {};
std::atomic<int> g_nSample{0};
// Refreshes taken by the drag loop (its refresh timer's messages), counted by a hook.
int g_nRefreshes = 0;
int g_nRefreshesAtSample = 0;
DWORD g_dwHiddenAt = 0;
// Refreshes between the first two samples: the updates of all but the last one have run by the second.
const int kRefreshesBetweenSamples = 3;

// Counts the drag's refreshes and arms the test's timer at the first one.
LRESULT CALLBACK OnDragRefresh(int nCode, WPARAM wParam, LPARAM lParam)
{
    const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
    if (nCode == HC_ACTION && (wParam & PM_REMOVE) != 0 && pMsg->message == WM_TIMER &&
        pMsg->wParam == CExtControlBar::kTimerDragRefresh && g_pDragBar != nullptr &&
        pMsg->hwnd == g_pDragBar->GetSafeHwnd())
    {
        ++g_nRefreshes;
        if (g_pfnArmOnDrag != nullptr)
        {
            g_nArmedTimer = ::SetTimer(nullptr, 0, kTickMs, g_pfnArmOnDrag);
            g_pfnArmOnDrag = nullptr;
        }
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void TakeSample()
{
    const int n = g_nSample;
    g_nKindAt[n] = CExtControlBar::g_DragStateShown.IsEmpty() ? -1 : CExtControlBar::g_DragStateShown.m_nTargetKind;
    g_pTargetAt[n] = CExtControlBar::g_DragStateShown.m_pBarTarget;
    g_nPaintsAt[n] = g_pTimerFrame != nullptr ? g_pTimerFrame->m_nTrackerPaints : 0;
    g_nRefreshesAtSample = g_nRefreshes;
    g_nSample = n + 1;
}

// Samples the shown state at rest, again after some refreshes at rest (then hides the target), and a last time
// once a refresh replaced the hidden target and drew it, or the wait's bound passed.
void CALLBACK SampleTimer(HWND, UINT, UINT_PTR nID, DWORD)
{
    if (g_pDragBar == nullptr || g_nSample >= kSamples)
    {
        ::KillTimer(nullptr, nID);
        return;
    }
    if (g_nSample == 0)
    {
        if (UpdatedAt(g_pDragBar, g_ptRest))
            TakeSample();
    }
    else if (g_nSample == 1)
    {
        if (g_nRefreshes - g_nRefreshesAtSample < kRefreshesBetweenSamples || CExtControlBar::g_bUpdatingDragState)
            return;
        TakeSample();
        if (g_pTimerFrame != nullptr && g_pTimerBar != nullptr)
            g_pTimerFrame->ShowControlBar(g_pTimerBar, FALSE, FALSE);
        g_dwHiddenAt = ::GetTickCount();
    }
    else
    {
        const bool bRedrawn = CExtControlBar::g_DragStateShown.m_pBarTarget != g_pTimerBar &&
                              g_pTimerFrame != nullptr && g_pTimerFrame->m_nTrackerPaints > g_nPaintsAt[1];
        if ((!bRedrawn || CExtControlBar::g_bUpdatingDragState) && ::GetTickCount() - g_dwHiddenAt < kInputWaitMs)
            return;
        TakeSample();
        ::KillTimer(nullptr, nID);
    }
}

void CALLBACK QuitTimer(HWND, UINT, UINT_PTR nID, DWORD)
{
    if (g_pDragBar != nullptr && !UpdatedAt(g_pDragBar, g_ptRest))
        return;
    ::KillTimer(nullptr, nID);
    if (g_pDragBar != nullptr)
        ::PostQuitMessage(7);
}

void CALLBACK DestroyTimer(HWND, UINT, UINT_PTR nID, DWORD)
{
    if (g_pTimerBar != nullptr && !UpdatedAt(g_pTimerBar, g_ptRest))
        return;
    ::KillTimer(nullptr, nID);
    if (g_pTimerBar != nullptr)
        g_pTimerBar->DestroyWindow();
}

class DockingDragLoop : public DockingDragFixture
{
protected:
    void SetUp() override
    {
        DockingDragFixture::SetUp();
        g_pTimerFrame = m_pFrame;
        g_pTimerBar = g_pDragBar = nullptr;
        g_nSample = 0;
        g_nRefreshes = g_nRefreshesAtSample = 0;
        g_pfnArmOnDrag = nullptr;
        g_nArmedTimer = 0;
        m_hHook = ::SetWindowsHookExW(WH_GETMESSAGE, OnDragRefresh, nullptr, ::GetCurrentThreadId());
        ASSERT_NE(m_hHook, nullptr);
        for (int i = 0; i < kSamples; ++i)
        {
            g_nKindAt[i] = -1;
            g_pTargetAt[i] = nullptr;
            g_nPaintsAt[i] = 0;
        }
    }
    void TearDown() override
    {
        if (g_nArmedTimer != 0)
            ::KillTimer(nullptr, g_nArmedTimer);
        g_nArmedTimer = 0;
        g_pfnArmOnDrag = nullptr;
        if (m_hHook != nullptr)
            ::UnhookWindowsHookEx(m_hHook);
        g_pTimerFrame = nullptr;
        g_pTimerBar = g_pDragBar = nullptr;
        DockingDragFixture::TearDown();
    }
    // A point on the bar's caption, away from its buttons.
    static CPoint CaptionPoint(CExtControlBar* pBar)
    {
        CRect rc(pBar->GetCaptionRect());
        rc.OffsetRect(WindowRectOf(pBar).TopLeft());
        return CPoint(rc.left + 8, rc.CenterPoint().y);
    }
    // Presses at ptFrom, which starts pBar's drag loop, moves through the points, waiting at each until the drag
    // has updated there (or has ended, as a tear-off that failed ends it), runs atRest at the last one and
    // releases there unless bRelease is false (atRest then ends the drag). The waits read the bar and the capture
    // rather than rely on the input being waited for, which needs a window of the script's run: under
    // CRefuseWindows there is none.
    void Drag(CExtControlBar* pBar, CPoint ptFrom, std::initializer_list<CPoint> path,
              const std::function<void()>& atRest = {}, bool bRelease = true)
    {
        std::vector<CPoint> pts(path);
        const DWORD dwGui = ::GetCurrentThreadId();
        const HWND hBar = pBar->GetSafeHwnd();
        RunInputScript([&]() {
            SendMouse(ptFrom.x, ptFrom.y, 0);
            // A press near the last one within the double-click time would be a double click (which toggles the
            // docking): the time passes first.
            const DWORD dwGap = ::GetDoubleClickTime() + 50;
            const bool bNear = std::abs(ptFrom.x - m_ptLastPress.x) <= ::GetSystemMetrics(SM_CXDOUBLECLK) &&
                               std::abs(ptFrom.y - m_ptLastPress.y) <= ::GetSystemMetrics(SM_CYDOUBLECLK);
            if (m_bPressed && bNear && ::GetTickCount() - m_dwLastPress < dwGap)
                ::Sleep(dwGap - (::GetTickCount() - m_dwLastPress));
            SendMouse(ptFrom.x, ptFrom.y, MOUSEEVENTF_LEFTDOWN);
            m_dwLastPress = ::GetTickCount();
            m_ptLastPress = ptFrom;
            m_bPressed = true;
            // The drag loop takes the capture as it starts, then reads where the press was before it waits: the
            // first move goes after that.
            ASSERT_TRUE(WaitFor([&]() { return CaptureOf(dwGui) == hBar; }));
            ASSERT_TRUE(WaitForWindowThread(hBar));
            for (const CPoint& pt : pts)
            {
                SendMouse(pt.x, pt.y, 0);
                EXPECT_TRUE(WaitFor([&]() {
                    return TookMove(pBar, pt) ||
                           ((pBar->m_bfTracking & CExtControlBar::kTrackDragging) == 0 && CaptureOf(dwGui) != hBar);
                })) << "at "
                    << pt.x << "," << pt.y << ": last update at " << pBar->m_ptDragPrev.x << "," << pBar->m_ptDragPrev.y
                    << ", tracking " << (int)pBar->m_bfTracking;
            }
            if (atRest)
                atRest();
            if (bRelease)
            {
                const CPoint ptUp = pts.empty() ? ptFrom : pts.back();
                SendMouse(ptUp.x, ptUp.y, MOUSEEVENTF_LEFTUP);
            }
        });
        PumpMessages();
    }
    // Whether the drag of pBar is over: no update shown, the bar out of its loop.
    static bool DragOver(CExtControlBar* pBar)
    {
        return CExtControlBar::GetDraggedBar() == nullptr && (pBar->m_bfTracking & CExtControlBar::kTrackDragging) == 0;
    }
    static UINT CircleOf(CExtControlBar* pBar)
    {
        CExtDockBar* pDock = DYNAMIC_DOWNCAST(CExtDockBar, pBar->m_pDockBar);
        return pDock != nullptr ? pDock->m_nCircle : 0xFFFF;
    }
    void ExpectNoDragLeft(CExtControlBar* pBar)
    {
        EXPECT_EQ(CExtControlBar::GetDraggedBar(), nullptr);
        EXPECT_EQ(::GetCapture(), nullptr);
        EXPECT_FALSE(CExtControlBar::g_bUpdatingDragState);
        if (pBar != nullptr && ::IsWindow(pBar->GetSafeHwnd()))
        {
            EXPECT_EQ(pBar->m_bfTracking & CExtControlBar::kTrackDragging, 0);
        }
    }

    HHOOK m_hHook = nullptr;
    bool m_bPressed = false;
    DWORD m_dwLastPress = 0; // when the last press was sent, and where
    CPoint m_ptLastPress;
};
} // namespace

TEST_F(DockingDragLoop, ALeftBarDroppedOnTheTopBandOfTheEnclosedAreaDocksAtTheTopInCircleOne)
{
    const CRect E = Enclosed();
    const CPoint pt(E.CenterPoint().x, E.top + 2);
    Drag(m_pA, CaptionPoint(m_pA), {CPoint(pt.x - 30, pt.y + 20), pt});
    EXPECT_EQ(CExtControlBar::GetDockBarId(m_pA), (UINT)AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(CircleOf(m_pA), 1u);
    EXPECT_GT(m_pFrame->m_nTrackerPaints, 0);
    ExpectNoDragLeft(m_pA);
    // The drag hint showed while dragging, the idle text after.
    const std::vector<UINT>& arr = m_pFrame->m_arrMessageStrings;
    EXPECT_NE(std::find(arr.begin(), arr.end(), (UINT)IDS_EXT_DRAG_HINT), arr.end());
    ASSERT_FALSE(arr.empty());
    EXPECT_EQ(arr.back(), (UINT)AFX_IDS_IDLEMESSAGE);
    CString sHint;
    ASSERT_TRUE(sHint.LoadString(IDS_EXT_DRAG_HINT));
    EXPECT_EQ(sHint, CString(L"Tahan Ctrl agar panel tidak menempel"));
}

TEST_F(DockingDragLoop, ABarDroppedOnAnotherBarsBottomBandMakesAContainerOfBoth)
{
    const CRect R = WindowRectOf(m_pB);
    const CPoint pt(R.CenterPoint().x, R.bottom - 10);
    Drag(m_pA, CaptionPoint(m_pA), {CPoint(pt.x - 40, pt.y + 30), pt});
    CWnd* pParentA = m_pA->GetParent();
    ASSERT_NE(pParentA, nullptr);
    CExtDynControlBar* pDyn = DYNAMIC_DOWNCAST(CExtDynControlBar, pParentA->GetParent());
    ASSERT_NE(pDyn, nullptr);
    EXPECT_EQ(m_pB->GetParent(), pParentA);
    EXPECT_LT(WindowRectOf(m_pB).top, WindowRectOf(m_pA).top);
    ExpectNoDragLeft(m_pA);
}

TEST_F(DockingDragLoop, DroppedOutsideItFloatsAtTheComputedPlaceAndItsFrameDragsItBack)
{
    const CRect rcFrame = WindowRectOf(m_pFrame);
    const CPoint pt(rcFrame.right + 150, rcFrame.top + 120);
    Drag(m_pA, CaptionPoint(m_pA), {CPoint(rcFrame.right - 20, pt.y), pt});
    ASSERT_TRUE(CExtControlBar::IsFloating(m_pA));
    CExtMiniDockFrameWnd* pMini = DYNAMIC_DOWNCAST(CExtMiniDockFrameWnd, m_pA->GetParentFrame());
    ASSERT_NE(pMini, nullptr);
    EXPECT_EQ(WindowRectOf(pMini).TopLeft(), CPoint(pt.x - m_pA->m_ptGrabFloating.x, pt.y - m_pA->m_ptGrabFloating.y));
    ExpectNoDragLeft(m_pA);

    // The floating frame's caption dragged onto the left band of the enclosed area.
    const CRect rcMini = WindowRectOf(pMini);
    const CPoint ptCaption(rcMini.left + 20, rcMini.top + ::GetSystemMetrics(SM_CYFRAME) + 5);
    const CRect E = Enclosed();
    const CPoint ptLeft(E.left + 2, E.CenterPoint().y + 40);
    Drag(m_pA, ptCaption, {CPoint(ptCaption.x - 60, ptCaption.y + 10), ptLeft});
    EXPECT_FALSE(CExtControlBar::IsFloating(m_pA));
    EXPECT_EQ(CExtControlBar::GetDockBarId(m_pA), (UINT)AFX_IDW_DOCKBAR_LEFT);
    EXPECT_EQ(CircleOf(m_pA), 1u);
    ExpectNoDragLeft(m_pA);
}

TEST_F(DockingDragLoop, TheDropLandsWhereTheButtonIsReleasedEvenWithoutAMoveThere)
{
    const CRect E = Enclosed();
    const CPoint ptRest = E.CenterPoint();
    const CPoint ptDrop(E.CenterPoint().x, E.top + 2);
    const HWND hBar = m_pA->GetSafeHwnd();
    Drag(
        m_pA, CaptionPoint(m_pA), {CPoint(ptRest.x - 30, ptRest.y - 20), ptRest},
        [&]() {
            // The release arrives at the top band with no move before it; the real button goes up once it has
            // ended the drag.
            CPoint pt(ptDrop);
            ::ScreenToClient(hBar, &pt);
            ::PostMessageW(hBar, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
            EXPECT_TRUE(WaitFor([&]() { return DragOver(m_pA) && !IsScriptThreadInNestedLoop(); }));
            SendMouse(ptRest.x, ptRest.y, MOUSEEVENTF_LEFTUP);
        },
        false);
    EXPECT_EQ(CExtControlBar::GetDockBarId(m_pA), (UINT)AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(CircleOf(m_pA), 1u);
    ExpectNoDragLeft(m_pA);
}

TEST_F(DockingDragLoop, EscapeARightClickOrAnApplicationSwitchCancelsAndChangesNothing)
{
    const std::string sLeft = Entries(m_pA->m_pDockBar), sTop = Entries(m_pB->m_pDockBar);
    const CRect rcA = WindowRectOf(m_pA);
    const CRect R = WindowRectOf(m_pB);
    const CPoint pt(R.CenterPoint().x, R.bottom - 10);
    const HWND hFrame = m_pFrame->GetSafeHwnd();
    const DWORD dwGui = ::GetCurrentThreadId();
    for (int nWay = 0; nWay < 3; ++nWay)
    {
        SCOPED_TRACE(nWay);
        Drag(
            m_pA, CaptionPoint(m_pA), {CPoint(pt.x - 40, pt.y + 30), pt},
            [&]() {
                if (nWay == 0)
                {
                    SendKeyInput(VK_ESCAPE, true);
                    SendKeyInput(VK_ESCAPE, false);
                }
                else if (nWay == 1)
                {
                    SendMouse(pt.x, pt.y, MOUSEEVENTF_RIGHTDOWN);
                    SendMouse(pt.x, pt.y, MOUSEEVENTF_RIGHTUP);
                }
                else
                    ::PostMessageW(hFrame, WM_ACTIVATEAPP, FALSE, 0);
                EXPECT_TRUE(WaitFor([&]() { return DragOver(m_pA); }));
                if (nWay == 1)
                {
                    // Once the drag is over the right button's release opens the context menu of the window
                    // under the pointer.
                    EXPECT_TRUE(WaitFor([&]() { return MenuOpen(dwGui); }));
                }
                SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTUP);
                if (nWay == 1)
                {
                    // Esc closes the menu.
                    SendKeyInput(VK_ESCAPE, true);
                    SendKeyInput(VK_ESCAPE, false);
                    EXPECT_TRUE(WaitFor([&]() { return !MenuOpen(dwGui); }));
                }
            },
            false);
        PumpMessages();
        EXPECT_EQ(Entries(m_pA->m_pDockBar), sLeft);
        EXPECT_EQ(Entries(m_pB->m_pDockBar), sTop);
        EXPECT_EQ(WindowRectOf(m_pA), rcA);
        ExpectNoDragLeft(m_pA);
        ASSERT_TRUE(BringInFront(m_pFrame));
    }
}

TEST_F(DockingDragLoop, CtrlHeldFloatsAndAPressWithoutMovementStartsNoDrag)
{
    const CRect R = WindowRectOf(m_pB);
    const CPoint pt(R.CenterPoint().x, R.bottom - 10);
    // A click on the caption: nothing moves, no tracker.
    const std::string sLeft = Entries(m_pA->m_pDockBar);
    Drag(m_pA, CaptionPoint(m_pA), {});
    EXPECT_EQ(Entries(m_pA->m_pDockBar), sLeft);
    EXPECT_EQ(m_pFrame->m_nTrackerPaints, 0);
    ExpectNoDragLeft(m_pA);
    // Ctrl pressed at rest over the band: the target is recomputed, the drop floats.
    Drag(
        m_pA, CaptionPoint(m_pA), {CPoint(pt.x - 40, pt.y + 30), pt},
        [&]() {
            SendKeyInput(VK_CONTROL, true);
            EXPECT_TRUE(WaitFor([&]() {
                return !CExtControlBar::g_DragStateShown.IsEmpty() &&
                       CExtControlBar::g_DragStateShown.m_nTargetKind == State::kFloat;
            }));
            SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTUP);
            SendKeyInput(VK_CONTROL, false);
        },
        false);
    EXPECT_TRUE(CExtControlBar::IsFloating(m_pA));
    ExpectNoDragLeft(m_pA);
}

TEST_F(DockingDragLoop, AtRestATimerThatHidesTheTargetMovesTheTrackerAndEqualPointsDrawNothingNew)
{
    const CRect R = WindowRectOf(m_pB);
    const CPoint pt(R.CenterPoint().x, R.bottom - 10);
    g_pTimerBar = m_pB;
    g_pDragBar = m_pA;
    g_ptRest = pt;
    // A GUI-thread timer, run by the drag loop: a sample at rest, one after some refreshes at rest, then B hidden,
    // then a last sample.
    g_pfnArmOnDrag = SampleTimer;
    Drag(m_pA, CaptionPoint(m_pA), {CPoint(pt.x - 40, pt.y + 30), pt}, [&]() {
        EXPECT_TRUE(WaitFor([]() { return g_nSample == kSamples; }, 3 * kInputWaitMs));
        SendKeyInput(VK_ESCAPE, true);
        SendKeyInput(VK_ESCAPE, false);
        EXPECT_TRUE(WaitFor([&]() { return DragOver(m_pA); }));
    });
    ASSERT_EQ(g_nSample, kSamples);
    EXPECT_EQ(g_nKindAt[0], 2);
    EXPECT_EQ(g_pTargetAt[0], m_pB);
    // Resting: the 50 ms refreshes recomputed an equal state and drew nothing new.
    EXPECT_EQ(g_nKindAt[1], 2);
    EXPECT_EQ(g_nPaintsAt[1], g_nPaintsAt[0]);
    // Without any input the hidden target gave way to another one, drawn anew.
    EXPECT_NE(g_pTargetAt[2], m_pB);
    EXPECT_GT(g_nPaintsAt[2], g_nPaintsAt[1]);
    ExpectNoDragLeft(m_pA);
}

TEST_F(DockingDragLoop, AQuitRequestDuringADragEndsItAndTheOwnLoopGetsItsExitCode)
{
    const CRect R = WindowRectOf(m_pB);
    const CPoint pt(R.CenterPoint().x, R.bottom - 10);
    g_pDragBar = m_pA;
    g_ptRest = pt;
    g_pfnArmOnDrag = QuitTimer;
    const CPoint ptFrom = CaptionPoint(m_pA);
    const DWORD dwGui = ::GetCurrentThreadId();
    const HWND hA = m_pA->GetSafeHwnd();
    // The test's own loop keeps the WM_QUIT it meets instead of dispatching; its steps run without an input
    // script's run, so that they wait for the bar's state and the capture instead of the input's handling.
    std::function<void()> script = [&]() {
        SendMouse(ptFrom.x, ptFrom.y, 0);
        SendMouse(ptFrom.x, ptFrom.y, MOUSEEVENTF_LEFTDOWN);
        EXPECT_TRUE(WaitFor([&]() { return CaptureOf(dwGui) == hA; }));
        EXPECT_TRUE(WaitForWindowThread(hA));
        const CPoint ptOn(pt.x - 40, pt.y + 30);
        SendMouse(ptOn.x, ptOn.y, 0);
        EXPECT_TRUE(WaitFor([&]() { return TookMove(m_pA, ptOn); }));
        SendMouse(pt.x, pt.y, 0);
        // The quit request, posted once the drag rests at pt, ends it with the button still down.
        EXPECT_TRUE(WaitFor([&]() { return DragOver(m_pA) && CaptureOf(dwGui) != hA; }));
        SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTUP);
        if (HasHeldInput())
            ReleaseHeldInput();
    };
    HANDLE hThread = ::CreateThread(
        nullptr, 0,
        [](LPVOID p) -> DWORD {
            (*static_cast<std::function<void()>*>(p))();
            return 0;
        },
        &script, 0, nullptr);
    ASSERT_NE(hThread, nullptr);
    int nQuitCode = -1;
    for (;;)
    {
        const DWORD dw = ::MsgWaitForMultipleObjects(1, &hThread, FALSE, 10000, QS_ALLINPUT);
        if (dw == WAIT_OBJECT_0 || dw == WAIT_TIMEOUT)
            break;
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            if (msg.message == WM_QUIT)
            {
                nQuitCode = (int)msg.wParam;
                continue;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    // The steps' waits are bounded: they end even without this thread pumping.
    ::WaitForSingleObject(hThread, INFINITE);
    ::CloseHandle(hThread);
    PumpMessages();
    EXPECT_EQ(nQuitCode, 7);
    ExpectNoDragLeft(m_pA);
    // Ended as a cancel: A stayed where it was.
    EXPECT_EQ(CExtControlBar::GetDockBarId(m_pA), (UINT)AFX_IDW_DOCKBAR_LEFT);
}

TEST_F(DockingDragLoop, ABarDestroyedByATimerWhileDraggedEndsTheLoopWithNoCaptureLeft)
{
    const CRect R = WindowRectOf(m_pB);
    const CPoint pt(R.CenterPoint().x, R.bottom - 10);
    const HWND hA = m_pA->GetSafeHwnd();
    g_pTimerBar = g_pDragBar = m_pA;
    g_ptRest = pt;
    g_pfnArmOnDrag = DestroyTimer;
    // The timer destroys A at rest; the button goes up after.
    Drag(m_pA, CaptionPoint(m_pA), {CPoint(pt.x - 40, pt.y + 30), pt},
         [&]() { EXPECT_TRUE(WaitFor([&]() { return !::IsWindow(hA); })); });
    EXPECT_FALSE(::IsWindow(m_pA->GetSafeHwnd()));
    ExpectNoDragLeft(nullptr);
    EXPECT_EQ(CExtControlBar::g_DragStateComputed.m_pBarSource, nullptr);
}

TEST_F(DockingDragLoop, AfterAFloatThatFailedTheNextDragWorks)
{
    const CRect rcFrame = WindowRectOf(m_pFrame);
    const CPoint pt(rcFrame.right + 150, rcFrame.top + 120);
    const std::string sLeft = Entries(m_pA->m_pDockBar);
    {
        CRefuseWindows refuse;
        Drag(m_pA, CaptionPoint(m_pA), {CPoint(rcFrame.right - 20, pt.y), pt});
    }
    EXPECT_FALSE(CExtControlBar::IsFloating(m_pA));
    EXPECT_EQ(Entries(m_pA->m_pDockBar), sLeft);
    ExpectNoDragLeft(m_pA);
    ASSERT_TRUE(BringInFront(m_pFrame));
    Drag(m_pA, CaptionPoint(m_pA), {CPoint(rcFrame.right - 20, pt.y), pt});
    EXPECT_TRUE(CExtControlBar::IsFloating(m_pA));
    ExpectNoDragLeft(m_pA);
}

TEST_F(DockingDragLoop, InMarkerStyleATearOffThatFailsLeavesTheBarAndTheNextDragWorks)
{
    CExtControlBar::g_nDraggingStyleOverride = 1;
    const CRect rcFrame = WindowRectOf(m_pFrame);
    const CPoint pt(rcFrame.right + 150, rcFrame.top + 120);
    const std::string sLeft = Entries(m_pA->m_pDockBar);
    {
        // Neither the floating frame nor the markers can be made: every update that floats fails.
        CRefuseWindows refuse;
        Drag(m_pA, CaptionPoint(m_pA), {CPoint(rcFrame.right - 20, pt.y), CPoint(pt.x - 30, pt.y), pt});
    }
    EXPECT_FALSE(CExtControlBar::IsFloating(m_pA));
    EXPECT_EQ(Entries(m_pA->m_pDockBar), sLeft);
    ExpectNoDragLeft(m_pA);
    ASSERT_TRUE(BringInFront(m_pFrame));
    Drag(m_pA, CaptionPoint(m_pA), {CPoint(rcFrame.right - 20, pt.y), CPoint(pt.x - 30, pt.y), pt});
    EXPECT_TRUE(CExtControlBar::IsFloating(m_pA));
    ExpectNoDragLeft(m_pA);
}
