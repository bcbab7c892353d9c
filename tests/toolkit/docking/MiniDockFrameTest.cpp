// The floating mini frame: its non-client geometry and hit test, its timers, and through real
// input its resize loop, the screen after a resize, the caption double click and keeping the
// caption on the work area.
#include "DockingStateFixture.h"
#include "support/DibCanvas.h"
#include "platform/ToolBar.h"
#include "toolkit/docking/ExtDockingKindOf.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include <algorithm>
#include <map>

namespace
{
using MiniDockFrame = DockingStateFixture;
struct MiniDockFrameInput : DockingStateFixture
{
    void CheckDockBackAfter(const std::function<void()>& change);
    // A, B and C in a tab group at the left, A's tab first; the frame shown in front.
    void GroupOfThreeAtTheLeft(CHostResizableBar*& pA, CHostResizableBar*& pB, CHostResizableBar*& pC)
    {
        ASSERT_TRUE(ShowInFront(m_pFrame));
        pA = NewResizable(L"A");
        pB = NewResizable(L"B");
        pC = NewResizable(L"C");
        ASSERT_TRUE(pA->DockAtSideCircle(AFX_IDW_DOCKBAR_LEFT, 1, m_pFrame, false));
        ASSERT_TRUE(pA->DockAsTabWith(pB, -1, true));
        ASSERT_TRUE(pA->DockAsTabWith(pC, -1, true));
        m_pFrame->RecalcLayout();
        PumpMessages();
    }
};

CExtMiniDockFrameWnd* FloatBar(CExtControlBar* pBar, CPoint pt)
{
    if (!pBar->FloatAtPoint(pt))
        return nullptr;
    return DYNAMIC_DOWNCAST(CExtMiniDockFrameWnd, pBar->GetParentFrame());
}

const UINT kSwpMoveOnly = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;

UINT HitAt(CWnd* pWnd, int x, int y) { return (UINT)pWnd->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(x, y)); }

// A drag with the left button from a border of the floating frame (the press starts its resize loop) to another
// screen point.
void DragFromTo(CExtMiniDockFrameWnd* pMini, CPoint ptFrom, CPoint ptTo)
{
    RunInputScript([&]() {
        SendMouse(ptFrom.x, ptFrom.y, 0);
        SendMouse(ptFrom.x, ptFrom.y, MOUSEEVENTF_LEFTDOWN);
        // The press starts the resize loop; it takes the capture before it waits.
        ASSERT_TRUE(WaitFor([&]() { return pMini->IsResizing(); }));
        ASSERT_TRUE(WaitForWindowThread(pMini->GetSafeHwnd()));
        // Each move is handled (the resize step is taken) before the next input goes.
        SendMouse((ptFrom.x + ptTo.x) / 2, (ptFrom.y + ptTo.y) / 2, 0);
        SendMouse(ptTo.x, ptTo.y, 0);
        SendMouse(ptTo.x, ptTo.y, MOUSEEVENTF_LEFTUP);
        EXPECT_TRUE(WaitFor([&]() { return !pMini->IsResizing(); }));
    });
    PumpMessages();
}

// Pumps this thread's messages for the time given.
void PumpFor(DWORD dwMs)
{
    const DWORD dwStart = ::GetTickCount();
    do
    {
        PumpMessages();
        ::Sleep(5);
    } while (::GetTickCount() - dwStart < dwMs);
    PumpMessages();
}

// Counts, per window, the layout timer's messages this thread takes from its queue while it lives.
class CLayoutTicks
{
public:
    CLayoutTicks()
    {
        s_pThis = this;
        m_hHook = ::SetWindowsHookExW(WH_GETMESSAGE, Proc, nullptr, ::GetCurrentThreadId());
    }
    ~CLayoutTicks()
    {
        ::UnhookWindowsHookEx(m_hHook);
        s_pThis = nullptr;
    }
    CLayoutTicks(const CLayoutTicks&) = delete;
    CLayoutTicks& operator=(const CLayoutTicks&) = delete;
    bool Hooked() const { return m_hHook != nullptr; }
    int Count(HWND hWnd) const
    {
        const auto it = m_mapTicks.find(hWnd);
        return it != m_mapTicks.end() ? it->second : 0;
    }

private:
    static LRESULT CALLBACK Proc(int nCode, WPARAM wParam, LPARAM lParam)
    {
        const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
        if (nCode == HC_ACTION && (wParam & PM_REMOVE) != 0 && s_pThis != nullptr && pMsg->message == WM_TIMER &&
            pMsg->wParam == CExtMiniDockFrameWnd::kTimerLayoutButtons)
            ++s_pThis->m_mapTicks[pMsg->hwnd];
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
    static CLayoutTicks* s_pThis;
    HHOOK m_hHook = nullptr;
    std::map<HWND, int> m_mapTicks;
};
CLayoutTicks* CLayoutTicks::s_pThis = nullptr;
} // namespace

TEST_F(MiniDockFrame, TheNonClientAreaIsTheInverseOfTheWindowRectAndThePlatformStylesAreGone)
{
    CLayoutTicks ticks;
    ASSERT_TRUE(ticks.Hooked());
    CHostResizableBar* pA = NewResizable(L"A");
    CExtMiniDockFrameWnd* pMini = FloatBar(pA, CPoint(200, 150));
    ASSERT_NE(pMini, nullptr);
    EXPECT_EQ(pMini->GetStyle() & (WS_CAPTION | WS_THICKFRAME | MFS_4THICKFRAME), 0u);
    EXPECT_EQ(pMini->GetExStyle() & (WS_EX_STATICEDGE | WS_EX_WINDOWEDGE | WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME), 0u);
    EXPECT_NE(pMini->GetStyle() & WS_CLIPCHILDREN, 0u);
    // Styles set again are stripped by the next position change.
    pMini->ModifyStyle(0, WS_CAPTION);
    pMini->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(pMini->GetStyle() & WS_CAPTION, 0u);

    const CRect rcClient(10, 20, 110, 220);
    CRect rc(rcClient);
    pMini->CalcWindowRect(&rc);
    const int cxFrame = ::GetSystemMetrics(SM_CXFRAME), cyFrame = ::GetSystemMetrics(SM_CYFRAME);
    EXPECT_EQ(rc, CRect(10 - cxFrame, 20 - cyFrame - ::GetSystemMetrics(SM_CYSMCAPTION), 110 + cxFrame, 220 + cyFrame));
    NCCALCSIZE_PARAMS params = {};
    params.rgrc[0] = rc;
    pMini->SendMessage(WM_NCCALCSIZE, FALSE, (LPARAM)&params);
    EXPECT_EQ(CRect(params.rgrc[0]), rcClient);

    // Timer 1 stopped with a bar inside once it ran: a second kill reports no timer.
    EXPECT_TRUE(WaitFor([&]() { return ticks.Count(pMini->GetSafeHwnd()) > 0; }));
    EXPECT_FALSE(::KillTimer(pMini->GetSafeHwnd(), CExtMiniDockFrameWnd::kTimerLayoutButtons));
}

TEST_F(MiniDockFrame, TimerOneRunsUntilTheFrameHoldsABarOfAnyKind)
{
    CLayoutTicks ticks;
    ASSERT_TRUE(ticks.Hooked());
    CExtMiniDockFrameWnd* pEmpty = new CExtMiniDockFrameWnd;
    ASSERT_TRUE(pEmpty->Create(m_pFrame, CBRS_ALIGN_TOP));
    CExtMiniDockFrameWnd* pPlain = new CExtMiniDockFrameWnd;
    ASSERT_TRUE(pPlain->Create(m_pFrame, CBRS_ALIGN_TOP));
    // A platform bar, owned by the frame's window tree.
    CToolBar* pToolBar = new CToolBar;
    pToolBar->m_bAutoDelete = TRUE;
    ASSERT_TRUE(pToolBar->Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xA1F0));
    pToolBar->EnableDocking(CBRS_ALIGN_ANY);
    pPlain->m_wndDockBar.DockControlBar(pToolBar);
    ASSERT_EQ(pPlain->GetFloatingBar(), pToolBar);
    EXPECT_EQ(pPlain->GetFloatingExtBar(), nullptr);
    // Both timers ran: the empty frame's runs on, the other one stopped.
    EXPECT_TRUE(
        WaitFor([&]() { return ticks.Count(pEmpty->GetSafeHwnd()) > 0 && ticks.Count(pPlain->GetSafeHwnd()) > 0; }));
    // A second kill of a stopped timer fails.
    EXPECT_TRUE(::KillTimer(pEmpty->GetSafeHwnd(), CExtMiniDockFrameWnd::kTimerLayoutButtons));
    EXPECT_FALSE(::KillTimer(pPlain->GetSafeHwnd(), CExtMiniDockFrameWnd::kTimerLayoutButtons));
    pEmpty->DestroyWindow();
}

TEST_F(MiniDockFrame, BandsAndCornerZonesAtExactCoordinatesAndFixedBarsReduceCorners)
{
    CHostResizableBar* pA = NewResizable(L"A");
    CExtMiniDockFrameWnd* pMini = FloatBar(pA, CPoint(200, 150));
    ASSERT_NE(pMini, nullptr);
    pMini->SetWindowPos(nullptr, 200, 150, 300, 240, SWP_NOZORDER | SWP_NOACTIVATE);
    const CRect w = WindowRectOf(pMini);
    const int cx = ::GetSystemMetrics(SM_CXFRAME), cy = ::GetSystemMetrics(SM_CYFRAME);
    const int cap = ::GetSystemMetrics(SM_CYSMCAPTION);
    EXPECT_EQ(HitAt(pMini, w.left - 1, w.top + 50), (UINT)HTNOWHERE);
    EXPECT_EQ(HitAt(pMini, w.left + 60, w.top), (UINT)HTTOP);
    EXPECT_EQ(HitAt(pMini, w.left + 60, w.top + cy - 1), (UINT)HTTOP);
    EXPECT_EQ(HitAt(pMini, w.left + cx + 2, w.top + cy), (UINT)HTCAPTION);
    EXPECT_EQ(HitAt(pMini, w.left + cx + 2, w.top + cy + cap - 1), (UINT)HTCAPTION);
    EXPECT_EQ(HitAt(pMini, w.left + 60, w.top + cy + cap + 5), (UINT)HTCLIENT);
    EXPECT_EQ(HitAt(pMini, w.left, w.top + cap + 10), (UINT)HTLEFT);
    EXPECT_EQ(HitAt(pMini, w.right - 1, w.top + cap + 10), (UINT)HTRIGHT);
    EXPECT_EQ(HitAt(pMini, w.left + 60, w.bottom - 1), (UINT)HTBOTTOM);
    EXPECT_EQ(HitAt(pMini, w.left, w.top + cap - 1), (UINT)HTTOPLEFT);
    EXPECT_EQ(HitAt(pMini, w.left + cap - 1, w.top), (UINT)HTTOPLEFT);
    EXPECT_EQ(HitAt(pMini, w.left + cap, w.top), (UINT)HTTOP);
    EXPECT_EQ(HitAt(pMini, w.right - cy, w.top), (UINT)HTTOPRIGHT);
    EXPECT_EQ(HitAt(pMini, w.right - 1, w.top + cap - 1), (UINT)HTTOPRIGHT);
    EXPECT_EQ(HitAt(pMini, w.left, w.bottom - cap), (UINT)HTBOTTOMLEFT);
    EXPECT_EQ(HitAt(pMini, w.left, w.bottom - cap - 1), (UINT)HTLEFT);
    EXPECT_EQ(HitAt(pMini, w.right - 1, w.bottom - 1), (UINT)HTBOTTOMRIGHT);
    EXPECT_EQ(HitAt(pMini, w.left + cap - 1, w.bottom - 1), (UINT)HTBOTTOMLEFT);

    CHostFixedBar* pT = NewFixed(6, L"Tools");
    CExtMiniDockFrameWnd* pFixedMini = FloatBar(pT, CPoint(600, 300));
    ASSERT_NE(pFixedMini, nullptr);
    const CRect f = WindowRectOf(pFixedMini);
    EXPECT_EQ(HitAt(pFixedMini, f.left, f.top + 1), (UINT)HTTOP);
    EXPECT_EQ(HitAt(pFixedMini, f.right - 1, f.top), (UINT)HTTOP);
    EXPECT_EQ(HitAt(pFixedMini, f.left, f.bottom - 1), (UINT)HTBOTTOM);
    EXPECT_EQ(HitAt(pFixedMini, f.right - 1, f.bottom - 1), (UINT)HTBOTTOM);
}

TEST_F(MiniDockFrame, ACaptionDoubleClickDocksTheBarBackButNotOnTheReservedButtonArea)
{
    CHostFixedBar* pT = NewFixed(6, L"Tools");
    m_pFrame->DockControlBar(pT, AFX_IDW_DOCKBAR_TOP);
    m_pFrame->RecalcLayout();
    CExtMiniDockFrameWnd* pMini = FloatBar(pT, CPoint(250, 200));
    ASSERT_NE(pMini, nullptr);
    const CRect w = WindowRectOf(pMini);
    const CRect& rcButton = pMini->m_rcCaptionButton;
    ASSERT_FALSE(rcButton.IsRectEmpty());
    pMini->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION,
                       MAKELPARAM(w.left + rcButton.CenterPoint().x, w.top + rcButton.CenterPoint().y));
    EXPECT_TRUE(CExtControlBar::IsFloating(pT));
    pMini->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(w.left + 10, w.top + 8));
    EXPECT_FALSE(CExtControlBar::IsFloating(pT));
    EXPECT_TRUE(CExtControlBar::IsDocked(pT));
}

TEST_F(MiniDockFrame, AContainerCaptionNamesItsOnlyVisibleBar)
{
    CHostResizableBar* pA = NewResizable(L"Alpha");
    CHostResizableBar* pB = NewResizable(L"Beta");
    CExtMiniDockFrameWnd* pMini = nullptr;
    CExtDynControlBar* pDyn = NewFloatingContainer({pA, pB}, pMini);
    ASSERT_NE(pDyn, nullptr);
    pMini->RecalcLayout();
    CString sText;
    EXPECT_FALSE(pMini->GetContainerCaption(sText));
    EXPECT_TRUE(sText.IsEmpty());
    m_pFrame->ShowControlBar(pB, FALSE, FALSE);
    EXPECT_TRUE(pMini->GetContainerCaption(sText));
    EXPECT_EQ(sText, CString(L"Alpha"));
}

// The floating frames of a window that has never been shown wait for it: a minimized show keeps them waiting, a
// bar hidden meanwhile keeps its frame hidden, and the others show above the window in the order they were asked.
// Then they follow it: hidden while it is minimized or its visible style is taken away (the tray), back above it
// in their order, also restored with activation, shown as far as a state saved meanwhile goes, and in its band,
// never leaving them or a tip unowned a moment (under Wine a frame then gets a task-bar button). On a screen of its
// own: another program's window taking the focus would hand the activation back to the window, which Wine then puts
// above its popups without a window manager.
TEST_F(MiniDockFrameInput, FloatingFramesWaitForTheirOwnersShowAndFollowItMinimizedHiddenAndInItsBand)
{
    CExtMiniDockFrameWnd::HoldShowsUntilFirstShow(m_pFrame);
    CHostResizableBar* pBars[3] = {NewResizable(L"A"), NewResizable(L"B"), NewResizable(L"C")};
    CExtMiniDockFrameWnd* pMinis[3] = {};
    for (int i = 0; i < 3; i++)
        ASSERT_NE(pMinis[i] = FloatBar(pBars[i], CPoint(700 + 60 * i, 100 + 60 * i)), nullptr);
    m_pFrame->ShowControlBar(pBars[2], FALSE, FALSE);
    const HWND hTop = m_pFrame->GetSafeHwnd(), hA = pMinis[0]->GetSafeHwnd(), hB = pMinis[1]->GetSafeHwnd();
    const auto shownInOrder = [&] {
        return ::IsWindowVisible(hA) && ::IsWindowVisible(hB) && IsAbove(hA, hTop) && IsAbove(hB, hA);
    };
    const auto hidden = [&] { return !::IsWindowVisible(hA) && !::IsWindowVisible(hB); };
    m_pFrame->ShowWindow(SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(PumpUntilPostedHandled());
    EXPECT_TRUE(hidden() && pMinis[0]->IsWaitingForOwnerShow()) << "frames shown beside a minimized window";
    // Restored without activation: an activation coming back to the window puts it above its popups under Wine
    // without a window manager, whatever the program does.
    m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    EXPECT_TRUE(WaitFor(shownInOrder)) << "not shown above the window in their order at its first show";
    // A window manager's offer of the focus (Wine's press on the menu) and a press after it: no frame is hidden and
    // shown again in this show of the window (a blink on the screen).
    static HWND s_frames[2];
    static int s_nHides;
    s_frames[0] = hA, s_frames[1] = hB, s_nHides = 0;
    HHOOK hHidesHook = ::SetWindowsHookExW(
        WH_CALLWNDPROC,
        [](int nCode, WPARAM wParam, LPARAM lParam) -> LRESULT {
            const CWPSTRUCT& m = *reinterpret_cast<CWPSTRUCT*>(lParam);
            s_nHides += m.message == WM_WINDOWPOSCHANGING && (m.hwnd == s_frames[0] || m.hwnd == s_frames[1]) &&
                        (reinterpret_cast<WINDOWPOS*>(m.lParam)->flags & SWP_HIDEWINDOW) != 0;
            return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
        },
        nullptr, ::GetCurrentThreadId());
    for (UINT nHit : {HTMENU, HTCLIENT})
        ::SendMessageW(hTop, WM_MOUSEACTIVATE, (WPARAM)hTop, MAKELPARAM(nHit, WM_LBUTTONDOWN));
    EXPECT_TRUE(PumpUntilPostedHandled());
    ::UnhookWindowsHookEx(hHidesHook);
    EXPECT_EQ(s_nHides, 0) << "a floating frame was hidden and shown again in one show of its window";
    EXPECT_TRUE(shownInOrder());
    EXPECT_FALSE(pMinis[2]->IsWindowVisible()) << "the frame of a bar hidden while it waited is shown";
    m_pFrame->ShowWindow(SW_SHOWMINNOACTIVE);
    EXPECT_TRUE(WaitFor(hidden)) << "frames shown while the window is minimized";
    EXPECT_TRUE(pMinis[0]->IsWaitingForOwnerShow() && pMinis[1]->IsWaitingForOwnerShow());
    m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    EXPECT_TRUE(WaitFor(shownInOrder)) << "not back above the restored window in their order";
    m_pFrame->ShowWindow(SW_SHOWMINNOACTIVE);
    EXPECT_TRUE(WaitFor(hidden)) << "frames shown while the window is minimized";
    m_pFrame->ShowWindow(SW_RESTORE);
    EXPECT_TRUE(WaitFor(shownInOrder)) << "not back above the window restored with activation";
    // Counted: messages sent while the frames or a tip of the window (topmost, owned, hidden) are not owned by it.
    static HWND s_owned[3], s_hTop;
    static int s_nUnowned;
    s_owned[0] = hA, s_owned[1] = hB, s_hTop = hTop, s_nUnowned = 0;
    s_owned[2] = ::CreateWindowExW(WS_EX_TOPMOST, L"Static", L"", WS_POPUP, 0, 0, 0, 0, hTop, 0, 0, 0);
    const HHOOK hHook = ::SetWindowsHookExW(
        WH_CALLWNDPROC,
        [](int nCode, WPARAM wParam, LPARAM lParam) -> LRESULT {
            s_nUnowned += std::any_of(std::begin(s_owned), std::end(s_owned),
                                      [](HWND h) { return ::GetWindow(h, GW_OWNER) != s_hTop; });
            return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
        },
        nullptr, ::GetCurrentThreadId());
    for (HWND hAfter : {HWND_TOPMOST, HWND_NOTOPMOST, HWND_TOPMOST, HWND_NOTOPMOST})
    {
        ::SetWindowPos(hTop, hAfter, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        const LONG_PTR band = ::GetWindowLongPtrW(hTop, GWL_EXSTYLE) & WS_EX_TOPMOST;
        EXPECT_EQ(band, hAfter == HWND_TOPMOST ? WS_EX_TOPMOST : 0);
        EXPECT_EQ(::GetWindowLongPtrW(hA, GWL_EXSTYLE) & WS_EX_TOPMOST, band);
        EXPECT_EQ(::GetWindowLongPtrW(hB, GWL_EXSTYLE) & WS_EX_TOPMOST, band);
        EXPECT_TRUE(shownInOrder()) << "not above the window in their order in its band";
    }
    ::UnhookWindowsHookEx(hHook);
    EXPECT_EQ(s_nUnowned, 0) << "a window the window owns was taken from it during a band change";
    ::DestroyWindow(s_owned[2]);
    m_pFrame->ModifyStyle(WS_VISIBLE, 0);
    EXPECT_TRUE(WaitFor(hidden)) << "frames shown while the window is hidden";
    m_pFrame->ModifyStyle(0, WS_VISIBLE);
    EXPECT_TRUE(WaitFor(shownInOrder)) << "not back above the window shown again";
}

// Windows hides the windows an owner owns as it is minimized and shows them at the restore (done here as it does):
// a state saved meanwhile has the bar shown, and the frame is back above the window at the restore and after a load.
TEST_F(MiniDockFrameInput, AFrameHiddenWithItsMinimizedOwnerAsOnWindowsIsStoredShown)
{
    ASSERT_TRUE(ShowInFront(m_pFrame));
    CExtMiniDockFrameWnd* pMini = FloatBar(NewResizable(L"A"), CPoint(700, 100));
    ASSERT_NE(pMini, nullptr);
    const HWND hTop = m_pFrame->GetSafeHwnd(), hMini = pMini->GetSafeHwnd();
    ::ShowOwnedPopups(hTop, FALSE);
    m_pFrame->ShowWindow(SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(PumpUntilPostedHandled());
    ASSERT_TRUE(Save());
    m_pFrame->ShowWindow(SW_RESTORE);
    ::ShowOwnedPopups(hTop, TRUE);
    EXPECT_TRUE(WaitFor([&] { return ::IsWindowVisible(hMini) && IsAbove(hMini, hTop); })) << "not back at the restore";
    RebuildFrame();
    CHostResizableBar* pA = NewResizable(L"A");
    ASSERT_TRUE(Load());
    m_pFrame->ShowWindow(SW_SHOWNA);
    CFrameWnd* pFloating = pA->GetParentFrame();
    ASSERT_TRUE(CExtControlBar::IsFloating(pA));
    EXPECT_TRUE(WaitFor([&] { return pFloating->IsWindowVisible() != FALSE; })) << "stored hidden";
}

TEST_F(MiniDockFrameInput, DraggingTheLeftBorderKeepsTheRightEdgeAndStopsAtTheMinimumWidth)
{
    ASSERT_TRUE(ShowInFront(m_pFrame));
    CHostResizableBar* pA = NewResizable(L"A");
    CExtMiniDockFrameWnd* pMini = FloatBar(pA, CPoint(400, 300));
    ASSERT_NE(pMini, nullptr);
    pMini->SetWindowPos(nullptr, 400, 300, 320, 240, SWP_NOZORDER | SWP_NOACTIVATE);
    pMini->ShowWindow(SW_SHOWNA);
    PumpMessages();
    const CRect r0 = WindowRectOf(pMini);
    const CPoint ptFrom(r0.left + 1, r0.top + r0.Height() / 2);
    ASSERT_EQ(HitAt(pMini, ptFrom.x, ptFrom.y), (UINT)HTLEFT);
    DragFromTo(pMini, ptFrom, CPoint(ptFrom.x - 60, ptFrom.y));
    const CRect r1 = WindowRectOf(pMini);
    EXPECT_EQ(r1.right, r0.right);
    EXPECT_EQ(r1.left, ptFrom.x - 60);
    EXPECT_EQ(pMini->m_nResizingHitTest, 0);
    // Far past the right edge: the window stops at its minimum width, the right edge holds.
    DragFromTo(pMini, CPoint(r1.left + 1, ptFrom.y), CPoint(r1.right + 100, ptFrom.y));
    const CRect r2 = WindowRectOf(pMini);
    EXPECT_EQ(r2.right, r0.right);
    EXPECT_GE(r2.Width(), pA->GetDefaultSize().cx);
    EXPECT_LT(r2.Width(), r1.Width());
}

// Wine's move of a shown frame to the origin is a move from outside the frame's code, with no gesture of the user's:
// the test makes it so. The user's own resize to the origin is kept.
TEST_F(MiniDockFrameInput, AFrameMovedToTheOriginUnaskedGoesBackToItsPlaceAndOnePutThereByTheUserStays)
{
    ASSERT_TRUE(ShowInFront(m_pFrame));
    CHostResizableBar* pA = NewResizable(L"A");
    CExtMiniDockFrameWnd* pMini = FloatBar(pA, CPoint(400, 300));
    ASSERT_NE(pMini, nullptr);
    pMini->SetWindowPos(nullptr, 400, 300, 320, 240, SWP_NOZORDER | SWP_NOACTIVATE);
    pMini->ShowWindow(SW_SHOWNA);
    PumpMessages();
    const HWND hMini = pMini->GetSafeHwnd();
    const auto moveToOrigin = [&] { ::SetWindowPos(hMini, nullptr, 0, 0, 0, 0, kSwpMoveOnly); };
    // Moved there, then hidden and shown again (a trip to the tray) before the frame looked at its queue: the show
    // finds it at the origin.
    moveToOrigin();
    ::ShowWindow(hMini, SW_HIDE);
    ::ShowWindow(hMini, SW_SHOWNA);
    ASSERT_TRUE(PumpUntilPostedHandled());
    EXPECT_EQ(WindowRectOf(pMini).TopLeft(), CPoint(400, 300)) << "after a show at the origin";
    // And again, at any time later.
    moveToOrigin();
    ASSERT_TRUE(PumpUntilPostedHandled());
    EXPECT_EQ(WindowRectOf(pMini).TopLeft(), CPoint(400, 300)) << "after a second move";

    // At the screen's top, the user's resize by the left border to the origin stays, a later unasked move there too.
    // The X server's expose of the main window where the frame stood, read after the frame came back there, makes Wine
    // put the main window above the frame (update_window_zorder); once read, the frame is put in front for the press.
    ASSERT_TRUE(SettleInput(PumpMessages, 120));
    pMini->SetWindowPos(&CWnd::wndTop, 400, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_TRUE(IsAbove(hMini, m_pFrame->GetSafeHwnd()));
    const CRect r0 = WindowRectOf(pMini);
    const CPoint ptFrom(r0.left + 1, r0.top + r0.Height() / 2);
    ASSERT_EQ(HitAt(pMini, ptFrom.x, ptFrom.y), (UINT)HTLEFT);
    DragFromTo(pMini, ptFrom, CPoint(1, ptFrom.y));
    ASSERT_TRUE(PumpUntilPostedHandled());
    EXPECT_EQ(WindowRectOf(pMini).TopLeft(), CPoint(0, 0)) << "after the user's resize";
    moveToOrigin();
    ASSERT_TRUE(PumpUntilPostedHandled());
    EXPECT_EQ(WindowRectOf(pMini).TopLeft(), CPoint(0, 0)) << "after the user's resize and a move";
}

TEST_F(MiniDockFrameInput, AFrameMovedBelowTheWorkAreaKeepsItsCaptionOnItAndHoverKeepsTheZOrder)
{
    ASSERT_TRUE(ShowInFront(m_pFrame));
    CHostResizableBar* pA = NewResizable(L"A");
    CExtMiniDockFrameWnd* pMini = FloatBar(pA, CPoint(300, 200));
    ASSERT_NE(pMini, nullptr);
    pMini->ShowWindow(SW_SHOWNA);
    CExtPaintManager::MonitorParms mp;
    CExtPaintManager::GetMonitorParmsFromWnd(mp, pMini);
    pMini->SetWindowPos(nullptr, 300, mp.m_rcWorkArea.bottom - 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(WindowRectOf(pMini).top, mp.m_rcWorkArea.bottom - ::GetSystemMetrics(SM_CYSMCAPTION));
    pMini->SetWindowPos(nullptr, 300, mp.m_rcWorkArea.top - 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(WindowRectOf(pMini).top, mp.m_rcWorkArea.top);

    pMini->SetWindowPos(nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpMessages();
    HWND hAbove = ::GetWindow(pMini->GetSafeHwnd(), GW_HWNDPREV);
    const CRect w = WindowRectOf(pMini);
    RunInputScript([&]() {
        SendMouse(w.left + 20, w.top + 10, 0);
        SendMouse(w.left + 40, w.top + w.Height() / 2, 0);
    });
    // The moves are handled; what they start later (hover timers) has a while to act.
    PumpFor(150);
    EXPECT_EQ(::GetWindow(pMini->GetSafeHwnd(), GW_HWNDPREV), hAbove);
}

namespace
{
HWND g_hFrameToDestroy = nullptr;
void CALLBACK DestroyFrameTimer(HWND hWnd, UINT nMsg, UINT_PTR nId, DWORD dwTime)
{
    (void)hWnd;
    (void)nMsg;
    (void)dwTime;
    ::KillTimer(nullptr, nId);
    ::DestroyWindow(g_hFrameToDestroy);
}
} // namespace

TEST_F(MiniDockFrameInput, TheResizeLoopPostsAQuitAgainAndLeavesAFrameDestroyedUnderIt)
{
    CHostResizableBar* pA = NewResizable(L"A");
    CExtMiniDockFrameWnd* pMini = FloatBar(pA, CPoint(300, 200));
    ASSERT_NE(pMini, nullptr);
    pMini->ShowWindow(SW_SHOWNA);
    PumpMessages();
    const CRect w = WindowRectOf(pMini);

    ::PostQuitMessage(7);
    pMini->ResizeLoop(HTLEFT, CPoint(w.left + 1, w.top + 40));
    EXPECT_EQ(pMini->m_nResizingHitTest, 0);
    EXPECT_NE(::GetCapture(), pMini->GetSafeHwnd());
    MSG msg = {};
    ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);

    // The frame goes while the loop dispatches a message: the loop leaves without touching it.
    pA->DockAtSideCircle(AFX_IDW_DOCKBAR_LEFT, 1, m_pFrame, true);
    CExtMiniDockFrameWnd* pOther = new CExtMiniDockFrameWnd;
    ASSERT_TRUE(pOther->Create(m_pFrame, CBRS_ALIGN_TOP));
    pOther->SetWindowPos(nullptr, 300, 200, 200, 150, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    g_hFrameToDestroy = pOther->GetSafeHwnd();
    ::SetTimer(nullptr, 0, 10, DestroyFrameTimer);
    pOther->ResizeLoop(HTRIGHT, CPoint(499, 250));
    EXPECT_FALSE(::IsWindow(g_hFrameToDestroy));
    EXPECT_EQ(::GetCapture(), (HWND) nullptr);
}

namespace
{
// A fixed test bar that also takes a height to wrap to (LM_LENGTHY), remembering the last mode.
class CHeightWrappingBar : public CHostFixedBar
{
public:
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override
    {
        if ((nMode & LM_LENGTHY) == 0 || nLength <= 0)
            return m_bWrapped ? m_sizeWrapped : CHostFixedBar::CalcDynamicLayout(nLength, nMode);
        m_nLastMode = nMode;
        const int nRows = std::max(1, std::min(m_nCells, (nLength - 8) / m_nCellSize));
        const int nPerRow = (m_nCells + nRows - 1) / nRows;
        const CSize size = SizeForLength(nPerRow * m_nCellSize + 8, true);
        if ((nMode & LM_COMMIT) != 0)
        {
            m_bWrapped = true;
            m_sizeWrapped = size;
        }
        return size;
    }
    DWORD m_nLastMode = 0;
    bool m_bWrapped = false;
    CSize m_sizeWrapped;
};
} // namespace

TEST_F(MiniDockFrameInput, AFixedBarDraggedAtATopCornerResizesByItsTopEdgeWithTheBottomHeld)
{
    ASSERT_TRUE(ShowInFront(m_pFrame));
    auto* pT = new CHeightWrappingBar;
    m_pFrame->m_arrBars.push_back(pT);
    ASSERT_TRUE(pT->CreateInFrame(m_pFrame, m_pFrame->m_nNextFixedId++, L"Tools", 12));
    m_pFrame->DockControlBar(pT, AFX_IDW_DOCKBAR_TOP);
    CExtMiniDockFrameWnd* pMini = FloatBar(pT, CPoint(400, 400));
    ASSERT_NE(pMini, nullptr);
    pMini->ShowWindow(SW_SHOWNA);
    PumpMessages();
    const CRect r0 = WindowRectOf(pMini);
    const CPoint ptFrom(r0.left + 1, r0.top + 1);
    ASSERT_EQ(HitAt(pMini, ptFrom.x, ptFrom.y), (UINT)HTTOP);
    // Upwards by three cells: the strip wraps into more rows, the bottom edge holds.
    DragFromTo(pMini, ptFrom, CPoint(ptFrom.x, ptFrom.y - 3 * pT->m_nCellSize));
    const CRect r1 = WindowRectOf(pMini);
    EXPECT_EQ(pT->m_nLastMode & (LM_LENGTHY | LM_COMMIT), (DWORD)(LM_LENGTHY | LM_COMMIT));
    EXPECT_EQ(r1.bottom, r0.bottom);
    EXPECT_LT(r1.top, r0.top);
    EXPECT_LT(r1.Width(), r0.Width());
}

TEST_F(MiniDockFrame, RecalculatingAllFloatingFramesAlsoReachesFramesHoldingOnlyPlatformBars)
{
    CExtMiniDockFrameWnd* pPlain = new CExtMiniDockFrameWnd;
    ASSERT_TRUE(pPlain->Create(m_pFrame, CBRS_ALIGN_TOP));
    CToolBar* pToolBar = new CToolBar;
    pToolBar->m_bAutoDelete = TRUE;
    ASSERT_TRUE(pToolBar->Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xA1F1));
    pToolBar->EnableDocking(CBRS_ALIGN_ANY);
    pPlain->m_wndDockBar.DockControlBar(pToolBar);
    pPlain->RecalcLayout();
    // A floating frame's layout takes its title from its dock bar.
    pPlain->m_wndDockBar.SetWindowText(L"Alat");
    CString strTitle;
    pPlain->GetWindowText(strTitle);
    ASSERT_NE(strTitle, L"Alat");
    CExtControlBar::RecalcAllFloatingFrames(m_pFrame);
    pPlain->GetWindowText(strTitle);
    EXPECT_EQ(strTitle, L"Alat");
}

namespace
{
// Whether every screen pixel of the rectangle has the colour.
bool ScreenAll(const CRect& rc, COLORREF clr)
{
    const DWORD dw = RGB(GetBValue(clr), GetGValue(clr), GetRValue(clr)); // a DIB pixel is 0x00RRGGBB
    for (DWORD d : GrabScreen(rc))
    {
        if (d != dw)
            return false;
    }
    return true;
}
} // namespace

TEST_F(MiniDockFrameInput, AFrameGrownByItsRightAndBottomEdgesPaintsTheRingAroundItsBar)
{
    ASSERT_TRUE(ShowInFront(m_pFrame));
    CHostResizableBar* pA = NewResizable(L"Notes");
    CExtMiniDockFrameWnd* pMini = FloatBar(pA, CPoint(300, 200));
    ASSERT_NE(pMini, nullptr);
    pMini->ShowWindow(SW_SHOWNA);
    PumpMessages();
    // The right edge 80 pixels out, then the bottom edge 60 pixels down, each in steps.
    const auto resizing = [&]() { return pMini->IsResizing(); };
    const CRect r0 = WindowRectOf(pMini);
    const CPoint ptRight(r0.right - 1, r0.top + r0.Height() / 2);
    RunInputScript([&]() { SendMouseDrag(ptRight, CPoint(ptRight.x + 80, ptRight.y), resizing); });
    const CRect r1 = WindowRectOf(pMini);
    ASSERT_EQ(r1.right, ptRight.x + 80);
    const CPoint ptBottom(r1.left + r1.Width() / 2, r1.bottom - 1);
    RunInputScript([&]() { SendMouseDrag(ptBottom, CPoint(ptBottom.x, ptBottom.y + 60), resizing); });
    ASSERT_EQ(WindowRectOf(pMini).bottom, ptBottom.y + 60);

    // The bar's one-pixel ring inside the frame's client area: its top row runs under the caption, its left
    // column along the left border. All of it is in the face colour, the parts the frame grew by too.
    const CRect rcBar = WindowRectOf(pA);
    const CRect rcInside = ClientScreenRectOf(pMini);
    ASSERT_EQ(ClientScreenRectOf(pA).TopLeft(), rcBar.TopLeft() + CSize(1, 1));
    const COLORREF clrFace = g_PaintManagerHolder->GetTranslatedColor(XCLR_FACE_NORMAL, pA);
    const CRect rcTop(rcBar.left, rcBar.top, rcInside.right, rcBar.top + 1);
    const CRect rcLeft(rcBar.left, rcBar.top, rcBar.left + 1, rcInside.bottom);
    EXPECT_TRUE(WaitFor([&]() { return ScreenAll(rcTop, clrFace) && ScreenAll(rcLeft, clrFace); }));

    // Nothing else is stale either: a full repaint of the frame and its windows changes no pixel.
    const CRect rcFrame = WindowRectOf(pMini);
    const std::vector<DWORD> before = GrabScreen(rcFrame);
    pMini->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
    EXPECT_TRUE(before == GrabScreen(rcFrame));
}

namespace
{
// A real double click at the screen point; the press may start a drag loop, which the release ends.
void DoubleClickAt(CPoint pt)
{
    RunInputScript([&]() {
        SendMouse(pt.x, pt.y, 0);
        for (int i = 0; i < 2; i++)
        {
            SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTDOWN);
            SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTUP);
        }
    });
    PumpMessages();
}

// A screen point on the docked bar's own caption.
CPoint DockedCaptionPoint(CExtControlBar* pBar)
{
    CRect rcCaption = pBar->GetCaptionRect();
    rcCaption.OffsetRect(WindowRectOf(pBar).TopLeft());
    return CPoint(rcCaption.left + 12, rcCaption.CenterPoint().y);
}

// The frame-edge circle that holds the bar: its dock bar's circle number, or -1 when it is not docked
// straight on one.
int CircleOf(CControlBar* pBar)
{
    CExtDockBar* pDockBar = DYNAMIC_DOWNCAST(CExtDockBar, pBar->m_pDockBar);
    return pDockBar != nullptr && !pDockBar->IsKindOf(RUNTIME_CLASS(CExtDockDynBar)) ? (int)pDockBar->GetCircleNo()
                                                                                     : -1;
}

// A point on the floating frame's caption, left of its buttons.
CPoint FloatingCaptionPoint(CFrameWnd* pMini)
{
    const CRect w = WindowRectOf(pMini);
    return CPoint(w.left + 12, w.top + ::GetSystemMetrics(SM_CYFRAME) + ::GetSystemMetrics(SM_CYSMCAPTION) / 2);
}
} // namespace

TEST_F(MiniDockFrameInput, ACaptionDoubleClickFloatsADockedBarAndOnItsFloatingFrameDocksItBackWhereItWas)
{
    ASSERT_TRUE(ShowInFront(m_pFrame));
    CHostResizableBar* pA = NewResizable(L"A");
    CHostResizableBar* pB = NewResizable(L"B");
    ASSERT_TRUE(pA->DockAtSideCircle(AFX_IDW_DOCKBAR_LEFT, 1, m_pFrame, false));
    ASSERT_TRUE(pB->DockAtSideCircle(AFX_IDW_DOCKBAR_TOP, 2, m_pFrame, false));
    m_pFrame->RecalcLayout();
    PumpMessages();
    const int nCircle = CircleOf(pA);
    ASSERT_GE(nCircle, 1);
    const CRect rcDocked = WindowRectOf(pA);
    // The docked caption's double click floats the bar.
    CRect rcCaption = pA->GetCaptionRect();
    rcCaption.OffsetRect(rcDocked.TopLeft());
    DoubleClickAt(CPoint(rcCaption.left + 12, rcCaption.CenterPoint().y));
    ASSERT_TRUE(CExtControlBar::IsFloating(pA));
    CFrameWnd* pMini = pA->GetParentFrame();
    ASSERT_TRUE(pMini != nullptr && pMini->IsWindowVisible());
    // The floating caption's double click docks it back: same side, circle and place.
    DoubleClickAt(FloatingCaptionPoint(pMini));
    EXPECT_FALSE(CExtControlBar::IsFloating(pA));
    EXPECT_EQ(CExtControlBar::GetDockBarId(pA), (UINT)AFX_IDW_DOCKBAR_LEFT);
    EXPECT_EQ(CircleOf(pA), nCircle);
    EXPECT_TRUE(pA->IsWindowVisible());
    const CRect rcBack = WindowRectOf(pA);
    EXPECT_EQ(rcBack.TopLeft(), rcDocked.TopLeft());
    EXPECT_EQ(rcBack.Size(), rcDocked.Size());
    EXPECT_EQ(CExtControlBar::GetDockBarId(pB), (UINT)AFX_IDW_DOCKBAR_TOP);
}

// A floated bar keeps no caption of its own: the caption it reports is where a double click docks it back,
// not a strip of its floating content left from its docked layout.
TEST_F(MiniDockFrameInput, AFloatedBarReportsNoCaptionOfItsOwnSoTheCaptionItShowsDocksItBack)
{
    ASSERT_TRUE(ShowInFront(m_pFrame));
    CHostResizableBar* pA = NewResizable(L"A");
    ASSERT_TRUE(pA->DockAtSideCircle(AFX_IDW_DOCKBAR_LEFT, 1, m_pFrame, false));
    m_pFrame->RecalcLayout();
    PumpMessages();
    ASSERT_FALSE(pA->GetCaptionRect().IsRectEmpty());
    DoubleClickAt(DockedCaptionPoint(pA));
    ASSERT_TRUE(WaitFor([&] { return CExtControlBar::IsFloating(pA) && pA->IsWindowVisible(); }));
    CExtMiniDockFrameWnd* pMini = DYNAMIC_DOWNCAST(CExtMiniDockFrameWnd, pA->GetParentFrame());
    ASSERT_NE(pMini, nullptr);
    EXPECT_TRUE(pA->GetCaptionRect().IsRectEmpty());
    // The caption shown for the bar: its own while it has one, else its floating frame's.
    CRect rcShown = pA->GetCaptionRect();
    CRect rcWnd = WindowRectOf(pA);
    if (rcShown.IsRectEmpty())
    {
        rcShown = pMini->GetCaptionRect();
        rcWnd = WindowRectOf(pMini);
    }
    rcShown.OffsetRect(rcWnd.TopLeft());
    DoubleClickAt(CPoint(rcShown.left + 8, rcShown.CenterPoint().y));
    EXPECT_TRUE(WaitFor([&] { return !CExtControlBar::IsFloating(pA); }, 2000));
    EXPECT_EQ(CExtControlBar::GetDockBarId(pA), (UINT)AFX_IDW_DOCKBAR_LEFT);
}

// A double click whose four messages are all queued before the thread takes the first (it was busy): the press
// starts the drag loop's wait for a move, which must look at the release already queued rather than wait for
// input still to come.
TEST_F(MiniDockFrameInput, ADoubleClickQueuedWhileTheThreadWasBusyDocksAFloatingBarBackAtOnce)
{
    ASSERT_TRUE(ShowInFront(m_pFrame));
    CHostResizableBar* pA = NewResizable(L"A");
    ASSERT_TRUE(pA->DockAtSideCircle(AFX_IDW_DOCKBAR_LEFT, 1, m_pFrame, false));
    m_pFrame->RecalcLayout();
    PumpMessages();
    DoubleClickAt(DockedCaptionPoint(pA));
    ASSERT_TRUE(WaitFor([&] { return CExtControlBar::IsFloating(pA) && pA->IsWindowVisible(); }));
    const CPoint pt = FloatingCaptionPoint(pA->GetParentFrame());
    // Wakes a loop that waits for new input, so that such a wait shows as a delay instead of a hang.
    const UINT_PTR nWake = ::SetTimer(nullptr, 0, 4000, nullptr);
    const DWORD dwStart = ::GetTickCount();
    // On this thread, the input is queued whole before any of it is taken.
    SendMouse(pt.x, pt.y, 0);
    for (int i = 0; i < 2; i++)
    {
        SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTDOWN);
        SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTUP);
    }
    EXPECT_TRUE(PumpUntilInputHandled());
    const DWORD dwTaken = ::GetTickCount() - dwStart;
    ::KillTimer(nullptr, nWake);
    EXPECT_LT(dwTaken, 2000u) << "the press's loop waited for input past the release already queued";
    EXPECT_FALSE(CExtControlBar::IsFloating(pA));
    EXPECT_EQ(CExtControlBar::GetDockBarId(pA), (UINT)AFX_IDW_DOCKBAR_LEFT);
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(MiniDockFrameInput, ACaptionDoubleClickOnAFloatingToolBarDocksItBackAtItsSide)
{
    ASSERT_TRUE(ShowInFront(m_pFrame));
    CHostFixedBar* pT = NewFixed(6, L"Tools");
    m_pFrame->DockControlBar(pT, AFX_IDW_DOCKBAR_BOTTOM);
    m_pFrame->RecalcLayout();
    PumpMessages();
    CExtMiniDockFrameWnd* pMini = FloatBar(pT, CPoint(250, 200));
    ASSERT_NE(pMini, nullptr);
    pMini->ShowWindow(SW_SHOWNA);
    PumpMessages();
    DoubleClickAt(FloatingCaptionPoint(pMini));
    EXPECT_FALSE(CExtControlBar::IsFloating(pT));
    EXPECT_EQ(CExtControlBar::GetDockBarId(pT), (UINT)AFX_IDW_DOCKBAR_BOTTOM);
}

TEST_F(MiniDockFrameInput, ACaptionDoubleClickDocksABarFloatedOutOfATabGroupBackIntoThatGroup)
{
    CHostResizableBar *pA = nullptr, *pB = nullptr, *pC = nullptr;
    ASSERT_NO_FATAL_FAILURE(GroupOfThreeAtTheLeft(pA, pB, pC));
    CExtDynTabControlBar* pTabs = pB->GetTabbedContainer();
    ASSERT_NE(pTabs, nullptr);
    ASSERT_EQ(pA->GetTabbedContainer(), pTabs);
    CExtMiniDockFrameWnd* pMini = FloatBar(pA, CPoint(420, 260));
    ASSERT_NE(pMini, nullptr);
    ASSERT_EQ(pA->GetTabbedContainer(), nullptr);
    PumpMessages();
    DoubleClickAt(FloatingCaptionPoint(pMini));
    EXPECT_FALSE(CExtControlBar::IsFloating(pA));
    EXPECT_EQ(pA->GetTabbedContainer(), pTabs);
    EXPECT_EQ(pB->GetTabbedContainer(), pTabs);
    EXPECT_EQ(pC->GetTabbedContainer(), pTabs);
}

namespace
{
// Types the letter by real keys; the window's thread has handled them when it returns.
void TypeLetter(WORD wVk)
{
    RunInputScript([&]() {
        SendKeyInput(wVk, true);
        SendKeyInput(wVk, false);
    });
    PumpMessages();
}

CString TextOf(CWnd* pWnd)
{
    CString s;
    pWnd->GetWindowText(s);
    return s;
}
} // namespace

// Pressing a floating frame's caption, dragging it by its caption or resizing it by its border leaves the main
// window active: the frame comes to the top without the activation, and the keys typed next reach the edit that
// had the focus. The same for a floating tool bar dragged by its caption.
TEST_F(MiniDockFrameInput, AFloatingFramePressedDraggedOrResizedLeavesTheKeysWithTheWindowThatHadThem)
{
    ASSERT_TRUE(ShowInFront(m_pFrame));
    CHostResizableBar* pA = NewResizable(L"A");
    ASSERT_TRUE(pA->DockAtSideCircle(AFX_IDW_DOCKBAR_LEFT, 1, m_pFrame, false));
    CHostResizableBar* pN = NewResizable(L"Notes");
    CExtMiniDockFrameWnd* pMini = FloatBar(pN, CPoint(760, 200));
    ASSERT_NE(pMini, nullptr);
    pMini->ShowWindow(SW_SHOWNA);
    CHostFixedBar* pT = NewFixed(6, L"Tools");
    CExtMiniDockFrameWnd* pToolMini = FloatBar(pT, CPoint(760, 600));
    ASSERT_NE(pToolMini, nullptr);
    pToolMini->ShowWindow(SW_SHOWNA);
    m_pFrame->RecalcLayout();
    PumpMessages();
    ASSERT_TRUE(BringInFront(m_pFrame));
    pA->m_wndChild.SetFocus();
    ASSERT_EQ(::GetFocus(), pA->m_wndChild.GetSafeHwnd());
    TypeLetter('A');
    ASSERT_EQ(TextOf(&pA->m_wndChild), L"a");

    const HWND hMain = m_pFrame->GetSafeHwnd();
    const auto check = [&](CFrameWnd* pFloating, const wchar_t* pszGesture, const wchar_t* pszTyped, WORD wVk) {
        const CPoint ptCaption = FloatingCaptionPoint(pFloating);
        EXPECT_EQ(::GetActiveWindow(), hMain) << pszGesture;
        EXPECT_EQ(::GetForegroundWindow(), hMain) << pszGesture;
        // The frame is on the top: its caption is what the screen shows there.
        EXPECT_EQ(::WindowFromPoint(ptCaption), pFloating->GetSafeHwnd()) << pszGesture;
        TypeLetter(wVk);
        EXPECT_STREQ((LPCWSTR)TextOf(&pA->m_wndChild), pszTyped) << pszGesture;
    };

    // A press and release on the caption.
    CPoint pt = FloatingCaptionPoint(pMini);
    RunInputScript([&]() {
        SendMouse(pt.x, pt.y, 0);
        SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTDOWN);
        SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTUP);
    });
    PumpMessages();
    check(pMini, L"caption pressed", L"ab", 'B');

    // A drag by the caption, away from the main window; it starts further along the caption, so that its press
    // makes no double click with the one before.
    const CRect rcBefore = WindowRectOf(pMini);
    pt = FloatingCaptionPoint(pMini) + CSize(3 * ::GetSystemMetrics(SM_CXDOUBLECLK), 0);
    RunInputScript([&]() { SendMouseDrag(pt, CPoint(pt.x + 40, pt.y + 30)); });
    PumpMessages();
    ASSERT_TRUE(CExtControlBar::IsFloating(pN));
    ASSERT_NE(WindowRectOf(pMini).TopLeft(), rcBefore.TopLeft());
    check(pMini, L"caption dragged", L"abc", 'C');

    // A resize by the right border.
    const CRect rcFrame = WindowRectOf(pMini);
    const CPoint ptRight(rcFrame.right - 1, rcFrame.top + rcFrame.Height() / 2);
    RunInputScript(
        [&]() { SendMouseDrag(ptRight, CPoint(ptRight.x + 30, ptRight.y), [&]() { return pMini->IsResizing(); }); });
    PumpMessages();
    ASSERT_EQ(WindowRectOf(pMini).right, ptRight.x + 30);
    check(pMini, L"border dragged", L"abcd", 'D');

    // The floating tool bar dragged by its caption.
    const CRect rcToolBefore = WindowRectOf(pToolMini);
    pt = FloatingCaptionPoint(pToolMini);
    RunInputScript([&]() { SendMouseDrag(pt, CPoint(pt.x + 40, pt.y - 30)); });
    PumpMessages();
    ASSERT_TRUE(CExtControlBar::IsFloating(pT));
    ASSERT_NE(WindowRectOf(pToolMini).TopLeft(), rcToolBefore.TopLeft());
    check(pToolMini, L"tool bar dragged", L"abcde", 'E');
}

namespace
{
// The window rectangle relative to the frame's client area.
CRect InFrame(CWnd* pFrame, CWnd* pWnd)
{
    CRect rc = WindowRectOf(pWnd);
    pFrame->ScreenToClient(&rc);
    return rc;
}

// The entry of the frame-edge dock bar that holds the bar: the bar, or the container it is nested in.
CWnd* ColumnOf(CControlBar* pBar)
{
    CWnd* pWnd = pBar;
    while (pWnd->GetParent() != nullptr && pWnd->GetParent()->IsKindOf(RUNTIME_CLASS(CExtDockDynBar)))
        pWnd = pWnd->GetParent()->GetParent();
    return pWnd;
}
} // namespace

// Bars A above B in one column at the left (B dropped on A's bottom band), A floated by a double click on its
// caption, the frame changed, and A docked back by a double click on its floating caption: it comes back at the
// top of that column, at its height, B below it.
void MiniDockFrameInput::CheckDockBackAfter(const std::function<void()>& change)
{
    ASSERT_TRUE(ShowInFront(m_pFrame));
    CHostResizableBar* pA = NewResizable(L"A");
    CHostResizableBar* pB = NewResizable(L"B");
    ASSERT_TRUE(pA->DockAtSideCircle(AFX_IDW_DOCKBAR_LEFT, 1, m_pFrame, false));
    ASSERT_TRUE(pB->DockNextToBar(pA, AFX_IDW_DOCKBAR_BOTTOM, true));
    m_pFrame->RecalcLayout();
    PumpMessages();
    const CRect rcColumn = InFrame(m_pFrame, ColumnOf(pA));
    const CRect rcA = InFrame(m_pFrame, pA);
    ASSERT_EQ(ColumnOf(pB), ColumnOf(pA));
    ASSERT_LT(rcA.top, InFrame(m_pFrame, pB).top);
    const UINT nIdA = (UINT)pA->GetDlgCtrlID(), nIdB = (UINT)pB->GetDlgCtrlID();
    DoubleClickAt(DockedCaptionPoint(pA));
    ASSERT_TRUE(WaitFor([&] { return CExtControlBar::IsFloating(pA) && pA->IsWindowVisible(); }));
    change();
    // The change may have made the frame and its bars anew.
    pA = DYNAMIC_DOWNCAST(CHostResizableBar, m_pFrame->GetControlBar(nIdA));
    pB = DYNAMIC_DOWNCAST(CHostResizableBar, m_pFrame->GetControlBar(nIdB));
    ASSERT_TRUE(pA != nullptr && pB != nullptr);
    ASSERT_TRUE(CExtControlBar::IsFloating(pA));
    DoubleClickAt(FloatingCaptionPoint(pA->GetParentFrame()));
    ASSERT_TRUE(WaitFor([&] { return !CExtControlBar::IsFloating(pA); }));
    m_pFrame->RecalcLayout();
    PumpMessages();
    EXPECT_EQ(CExtControlBar::GetDockBarId(pA), (UINT)AFX_IDW_DOCKBAR_LEFT);
    const CRect rcBackA = InFrame(m_pFrame, pA), rcBackB = InFrame(m_pFrame, pB);
    EXPECT_EQ(rcBackA.TopLeft(), rcColumn.TopLeft());
    EXPECT_EQ(rcBackA.Height(), rcA.Height());
    EXPECT_EQ(rcBackA.right, rcColumn.right);
    EXPECT_EQ(rcBackB.left, rcBackA.left);
    EXPECT_EQ(rcBackB.right, rcBackA.right);
    EXPECT_EQ(rcBackB.top, rcBackA.bottom);
}

TEST_F(MiniDockFrameInput, ABarDockedBackAfterTheFrameMovedAndGrewTakesItsPlaceAndHeightInItsColumn)
{
    CheckDockBackAfter([&]() {
        const CRect rc = WindowRectOf(m_pFrame);
        m_pFrame->SetWindowPos(nullptr, rc.left + 200, rc.top + 60, rc.Width() + 60, rc.Height() + 40,
                               SWP_NOZORDER | SWP_NOACTIVATE);
        m_pFrame->RecalcLayout();
        PumpMessages();
    });
}

TEST_F(MiniDockFrameInput, ABarFloatingAtARestartDocksBackAtItsPlaceAndHeightInItsColumn)
{
    CheckDockBackAfter([&]() {
        ASSERT_TRUE(Save());
        RebuildFrame();
        // The bars made again in the same order take the same ids; the stored state places them.
        CHostResizableBar* pA = NewResizable(L"A");
        CHostResizableBar* pB = NewResizable(L"B");
        ASSERT_TRUE(pA->DockAtSideCircle(AFX_IDW_DOCKBAR_LEFT, 1, m_pFrame, false));
        ASSERT_TRUE(pB->DockAtSideCircle(AFX_IDW_DOCKBAR_TOP, 2, m_pFrame, false));
        ASSERT_TRUE(Load());
        m_pFrame->RecalcLayout();
        ASSERT_TRUE(ShowInFront(m_pFrame));
        CFrameWnd* pMini = pA->GetParentFrame();
        ASSERT_TRUE(pMini != nullptr && pMini != m_pFrame);
        pMini->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        PumpMessages();
    });
}

// The first tab of a group floated out and docked back by its floating caption is the group's first tab again.
TEST_F(MiniDockFrameInput, TheFirstTabOfAGroupDockedBackByItsFloatingCaptionIsTheFirstTabAgain)
{
    CHostResizableBar *pA = nullptr, *pB = nullptr, *pC = nullptr;
    ASSERT_NO_FATAL_FAILURE(GroupOfThreeAtTheLeft(pA, pB, pC));
    CExtDynTabControlBar* pTabs = pA->GetTabbedContainer();
    ASSERT_NE(pTabs, nullptr);
    CObject* pGroup = CExtDockingKindOf::AsControlBar(pTabs);
    ASSERT_EQ(CExtDockingKindOf::TabOrderOf(pGroup, pA), 0);
    CExtMiniDockFrameWnd* pMini = FloatBar(pA, CPoint(420, 260));
    ASSERT_NE(pMini, nullptr);
    PumpMessages();
    DoubleClickAt(FloatingCaptionPoint(pMini));
    ASSERT_TRUE(WaitFor([&] { return !CExtControlBar::IsFloating(pA); }));
    ASSERT_EQ(pA->GetTabbedContainer(), pTabs);
    EXPECT_EQ(CExtDockingKindOf::TabOrderOf(pGroup, pA), 0);
    EXPECT_EQ(CExtDockingKindOf::TabOrderOf(pGroup, pB), 1);
    EXPECT_EQ(CExtDockingKindOf::TabOrderOf(pGroup, pC), 2);
}
