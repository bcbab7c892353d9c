// The drag loop driven by real input (SendInput from a helper thread, the host frame in front): docking at a side,
// beside a bar, floating and docking back, a drop at the release point, cancels, Ctrl, a click without movement,
// refreshes at rest, and the mends: a quit request, a bar destroyed while dragged, a float that failed.
#include "DockingDragFixture.h"
#include <algorithm>
#include "res/toolkit_docking_ids.h"

namespace
{
void KeyInput(WORD wVk, bool bUp)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = wVk;
    in.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &in, sizeof(in));
}

// Timer procedures run on the GUI thread inside the drag loop; they act on these.
CExtControlBar* g_pTimerBar = nullptr;
CDockingHostFrame* g_pTimerFrame = nullptr;
const int kSamples = 3;
int g_nKindAt[kSamples] = {};
CExtControlBar* g_pTargetAt[kSamples] = {};
int g_nPaintsAt[kSamples] = {};
int g_nSample = 0;

void CALLBACK SampleTimer(HWND, UINT, UINT_PTR nID, DWORD)
{
    ::KillTimer(nullptr, nID);
    if (g_nSample < kSamples)
    {
        g_nKindAt[g_nSample] =
            CExtControlBar::g_DragStateShown.IsEmpty() ? -1 : CExtControlBar::g_DragStateShown.m_nTargetKind;
        g_pTargetAt[g_nSample] = CExtControlBar::g_DragStateShown.m_pBarTarget;
        g_nPaintsAt[g_nSample] = g_pTimerFrame != nullptr ? g_pTimerFrame->m_nTrackerPaints : 0;
        ++g_nSample;
    }
}

void CALLBACK HideTimer(HWND, UINT, UINT_PTR nID, DWORD)
{
    ::KillTimer(nullptr, nID);
    if (g_pTimerFrame != nullptr && g_pTimerBar != nullptr)
        g_pTimerFrame->ShowControlBar(g_pTimerBar, FALSE, FALSE);
}

void CALLBACK QuitTimer(HWND, UINT, UINT_PTR nID, DWORD)
{
    ::KillTimer(nullptr, nID);
    ::PostQuitMessage(7);
}

void CALLBACK DestroyTimer(HWND, UINT, UINT_PTR nID, DWORD)
{
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
        g_pTimerBar = nullptr;
        g_nSample = 0;
        for (int i = 0; i < kSamples; ++i)
        {
            g_nKindAt[i] = -1;
            g_pTargetAt[i] = nullptr;
            g_nPaintsAt[i] = 0;
        }
    }
    void TearDown() override
    {
        g_pTimerFrame = nullptr;
        g_pTimerBar = nullptr;
        DockingDragFixture::TearDown();
    }
    // A point on the bar's caption, away from its buttons.
    static CPoint CaptionPoint(CExtControlBar* pBar)
    {
        CRect rc(pBar->GetCaptionRect());
        rc.OffsetRect(WindowRectOf(pBar).TopLeft());
        return CPoint(rc.left + 8, rc.CenterPoint().y);
    }
    // Presses at ptFrom, moves through the points (resting nRestMs at the last one), runs pAtRest there and
    // releases unless bRelease is false (the caller's pAtRest then ends the drag).
    void Drag(CPoint ptFrom, std::initializer_list<CPoint> path, int nRestMs = 120,
              const std::function<void()>& pAtRest = {}, bool bRelease = true)
    {
        std::vector<CPoint> pts(path);
        RunInputScript([&]() {
            SendMouse(ptFrom.x, ptFrom.y, 0);
            ::Sleep(40);
            SendMouse(ptFrom.x, ptFrom.y, MOUSEEVENTF_LEFTDOWN);
            ::Sleep(60);
            for (const CPoint& pt : pts)
            {
                SendMouse(pt.x, pt.y, 0);
                ::Sleep(60);
            }
            ::Sleep(nRestMs);
            if (pAtRest)
                pAtRest();
            if (bRelease)
                SendMouse(pts.empty() ? ptFrom.x : pts.back().x, pts.empty() ? ptFrom.y : pts.back().y,
                          MOUSEEVENTF_LEFTUP);
            ::Sleep(60);
        });
        PumpMessages();
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
};
} // namespace

TEST_F(DockingDragLoop, ALeftBarDroppedOnTheTopBandOfTheEnclosedAreaDocksAtTheTopInCircleOne)
{
    const CRect E = Enclosed();
    const CPoint pt(E.CenterPoint().x, E.top + 2);
    Drag(CaptionPoint(m_pA), {CPoint(pt.x - 30, pt.y + 20), pt});
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
    Drag(CaptionPoint(m_pA), {CPoint(pt.x - 40, pt.y + 30), pt});
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
    Drag(CaptionPoint(m_pA), {CPoint(rcFrame.right - 20, pt.y), pt});
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
    Drag(ptCaption, {CPoint(ptCaption.x - 60, ptCaption.y + 10), ptLeft});
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
        CaptionPoint(m_pA), {CPoint(ptRest.x - 30, ptRest.y - 20), ptRest}, 120,
        [&]() {
            // The release arrives at the top band with no move before it; the real button goes up after.
            CPoint pt(ptDrop);
            ::ScreenToClient(hBar, &pt);
            ::PostMessageW(hBar, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
            ::Sleep(150);
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
    for (int nWay = 0; nWay < 3; ++nWay)
    {
        SCOPED_TRACE(nWay);
        Drag(
            CaptionPoint(m_pA), {CPoint(pt.x - 40, pt.y + 30), pt}, 120,
            [&]() {
                if (nWay == 0)
                {
                    KeyInput(VK_ESCAPE, false);
                    KeyInput(VK_ESCAPE, true);
                }
                else if (nWay == 1)
                {
                    SendMouse(pt.x, pt.y, MOUSEEVENTF_RIGHTDOWN);
                    SendMouse(pt.x, pt.y, MOUSEEVENTF_RIGHTUP);
                }
                else
                    ::PostMessageW(hFrame, WM_ACTIVATEAPP, FALSE, 0);
                ::Sleep(100);
                SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTUP);
                if (nWay == 1)
                {
                    // The right button's release opens the bars menu once the drag is over: Esc closes it.
                    ::Sleep(300);
                    KeyInput(VK_ESCAPE, false);
                    KeyInput(VK_ESCAPE, true);
                    ::Sleep(100);
                }
            },
            false);
        PumpMessages();
        EXPECT_EQ(Entries(m_pA->m_pDockBar), sLeft);
        EXPECT_EQ(Entries(m_pB->m_pDockBar), sTop);
        EXPECT_EQ(WindowRectOf(m_pA), rcA);
        ExpectNoDragLeft(m_pA);
        m_pFrame->SetForegroundWindow();
    }
}

TEST_F(DockingDragLoop, CtrlHeldFloatsAndAPressWithoutMovementStartsNoDrag)
{
    const CRect R = WindowRectOf(m_pB);
    const CPoint pt(R.CenterPoint().x, R.bottom - 10);
    // A click on the caption: nothing moves, no tracker.
    const std::string sLeft = Entries(m_pA->m_pDockBar);
    Drag(CaptionPoint(m_pA), {}, 40);
    EXPECT_EQ(Entries(m_pA->m_pDockBar), sLeft);
    EXPECT_EQ(m_pFrame->m_nTrackerPaints, 0);
    ExpectNoDragLeft(m_pA);
    // Ctrl pressed at rest over the band: the target is recomputed, the drop floats.
    Drag(CaptionPoint(m_pA), {CPoint(pt.x - 40, pt.y + 30), pt}, 150, [&]() {
        KeyInput(VK_CONTROL, false);
        ::Sleep(200);
    });
    RunInputScript([]() { KeyInput(VK_CONTROL, true); });
    EXPECT_TRUE(CExtControlBar::IsFloating(m_pA));
    ExpectNoDragLeft(m_pA);
}

TEST_F(DockingDragLoop, AtRestATimerThatHidesTheTargetMovesTheTrackerAndEqualPointsDrawNothingNew)
{
    const CRect R = WindowRectOf(m_pB);
    const CPoint pt(R.CenterPoint().x, R.bottom - 10);
    g_pTimerBar = m_pB;
    // GUI-thread timers, run by the drag loop: two samples at rest, then B hidden, then a last sample.
    ::SetTimer(nullptr, 0, 600, SampleTimer);
    ::SetTimer(nullptr, 0, 1000, SampleTimer);
    ::SetTimer(nullptr, 0, 1100, HideTimer);
    ::SetTimer(nullptr, 0, 1500, SampleTimer);
    Drag(CaptionPoint(m_pA), {CPoint(pt.x - 40, pt.y + 30), pt}, 1500, [&]() {
        KeyInput(VK_ESCAPE, false);
        KeyInput(VK_ESCAPE, true);
        ::Sleep(60);
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
    ::SetTimer(nullptr, 0, 500, QuitTimer);
    const CPoint ptFrom = CaptionPoint(m_pA);
    // The script's own loop: it keeps the WM_QUIT it meets instead of dispatching.
    std::function<void()> script = [&]() {
        SendMouse(ptFrom.x, ptFrom.y, 0);
        ::Sleep(40);
        SendMouse(ptFrom.x, ptFrom.y, MOUSEEVENTF_LEFTDOWN);
        ::Sleep(60);
        SendMouse(pt.x - 40, pt.y + 30, 0);
        ::Sleep(60);
        SendMouse(pt.x, pt.y, 0);
        ::Sleep(700);
        SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTUP);
        ::Sleep(60);
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
    g_pTimerBar = m_pA;
    ::SetTimer(nullptr, 0, 500, DestroyTimer);
    Drag(CaptionPoint(m_pA), {CPoint(pt.x - 40, pt.y + 30), pt}, 600);
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
        Drag(CaptionPoint(m_pA), {CPoint(rcFrame.right - 20, pt.y), pt});
    }
    EXPECT_FALSE(CExtControlBar::IsFloating(m_pA));
    EXPECT_EQ(Entries(m_pA->m_pDockBar), sLeft);
    ExpectNoDragLeft(m_pA);
    m_pFrame->SetForegroundWindow();
    Drag(CaptionPoint(m_pA), {CPoint(rcFrame.right - 20, pt.y), pt});
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
        Drag(CaptionPoint(m_pA), {CPoint(rcFrame.right - 20, pt.y), CPoint(pt.x - 30, pt.y), pt});
    }
    EXPECT_FALSE(CExtControlBar::IsFloating(m_pA));
    EXPECT_EQ(Entries(m_pA->m_pDockBar), sLeft);
    ExpectNoDragLeft(m_pA);
    m_pFrame->SetForegroundWindow();
    Drag(CaptionPoint(m_pA), {CPoint(rcFrame.right - 20, pt.y), CPoint(pt.x - 30, pt.y), pt});
    EXPECT_TRUE(CExtControlBar::IsFloating(m_pA));
    ExpectNoDragLeft(m_pA);
}
