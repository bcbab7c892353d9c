// The main frame's start-up in the running program: the bars are created where the stored state docks
// them, the frame is laid out once, stays hidden until it is activated with everything in it, and its
// status bar shows the settled texts from the first paint, so that the idle updates after the start
// change none of them.
#include "phone/PhoneLinkTestSupport.h"
#include "FrameAppFixture.h"
#include "app/Corvane_sms.h"
#include "app/Corvane_smsView.h"
#include "app/MainFrm.h"
#include "app/SmsListCtrl.h"
#include "platform/Collections.h"
#include "tests/support/InputScript.h"
#include <algorithm>
#include <commctrl.h>
#include <vector>

using namespace phonetest;

namespace
{

// Messages of the thread seen before their window handles them: the frame's visibility when the
// view's initial update fills the message list, the texts sent to the status bar.
struct StartProbe
{
    static StartProbe* s_pProbe;
    HHOOK hHook = nullptr;
    CMap<HWND, HWND, HWND, HWND> barParents; // each bar's parent at its last message
    int nBarReparentings = 0;
    int nBarHides = 0;
    int nBarFrameRefreshes = 0; // frame changes asked of a bar without a move or new size

    int nListFills = 0;
    bool bFrameVisibleAtListFill = false;
    HWND hStatus = nullptr;
    int nStatusTexts = 0;
    int nTextsBeforeShow = 0;       // texts any status bar got while its frame was hidden
    std::vector<HHOOK> createHooks; // the layer's creation hooks seen at the windows' creation
    int nFrameOrderMoves = 0;       // changes of the main frame's place in the window order
    int nHeaderItemChanges = 0;     // items changed in the message list's column header

    static LRESULT CALLBACK Hook(int nCode, WPARAM wParam, LPARAM lParam)
    {
        const CWPSTRUCT* p = (const CWPSTRUCT*)lParam;
        StartProbe* self = s_pProbe;
        if (nCode == HC_ACTION && self != nullptr)
        {
            if (p->message == LVM_SETITEMCOUNT && dynamic_cast<CSmsListCtrl*>(CWnd::FromHandlePermanent(p->hwnd)))
            {
                ++self->nListFills;
                self->bFrameVisibleAtListFill |= ::IsWindowVisible(::GetAncestor(p->hwnd, GA_ROOT)) != FALSE;
            }
            if (p->message == SB_SETTEXTW && dynamic_cast<CStatusBar*>(CWnd::FromHandlePermanent(p->hwnd)) &&
                !::IsWindowVisible(::GetAncestor(p->hwnd, GA_ROOT)))
                ++self->nTextsBeforeShow;
            const HHOOK hCreateHook = AfxGetThreadState()->m_hHookOldCbtFilter;
            if (p->message == WM_CREATE && hCreateHook != nullptr &&
                std::find(self->createHooks.begin(), self->createHooks.end(), hCreateHook) == self->createHooks.end())
                self->createHooks.push_back(hCreateHook);
            if (p->message == WM_WINDOWPOSCHANGING && dynamic_cast<CMainFrame*>(CWnd::FromHandlePermanent(p->hwnd)) &&
                (((const WINDOWPOS*)p->lParam)->flags & SWP_NOZORDER) == 0)
                ++self->nFrameOrderMoves;
            if (p->message == HDM_SETITEMW &&
                dynamic_cast<CSmsListCtrl*>(CWnd::FromHandlePermanent(::GetParent(p->hwnd))) != nullptr)
                ++self->nHeaderItemChanges;
            if (p->hwnd == self->hStatus && self->hStatus != nullptr &&
                (p->message == SB_SETTEXTW || p->message == WM_SETTEXT))
                ++self->nStatusTexts;
            if (dynamic_cast<CControlBar*>(CWnd::FromHandlePermanent(p->hwnd)) != nullptr)
            {
                const HWND hParent = ::GetParent(p->hwnd);
                HWND hLastParent = nullptr;
                if (self->barParents.Lookup(p->hwnd, hLastParent) && hLastParent != hParent)
                    ++self->nBarReparentings;
                self->barParents.SetAt(p->hwnd, hParent);
                if (p->message == WM_SHOWWINDOW && p->wParam == FALSE)
                    ++self->nBarHides;
                const UINT nRefresh = SWP_FRAMECHANGED | SWP_NOSIZE | SWP_NOMOVE;
                if (p->message == WM_WINDOWPOSCHANGING && (((WINDOWPOS*)p->lParam)->flags & nRefresh) == nRefresh)
                    ++self->nBarFrameRefreshes;
            }
        }
        return ::CallNextHookEx(self != nullptr ? self->hHook : nullptr, nCode, wParam, lParam);
    }
    StartProbe()
    {
        s_pProbe = this;
        hHook = ::SetWindowsHookExW(WH_CALLWNDPROC, Hook, nullptr, ::GetCurrentThreadId());
    }
    ~StartProbe()
    {
        ::UnhookWindowsHookEx(hHook);
        s_pProbe = nullptr;
    }
};
StartProbe* StartProbe::s_pProbe = nullptr;

struct MainFrameStartupTest : FrameAppFixture
{
    MainFrameStartupTest() : FrameAppFixture(L"CorvaneMainFrameStartupTest") {}

    // Handles messages as the program's loop does, idle updates included, for the given time.
    void RunLoopFor(DWORD ms)
    {
        const DWORD start = ::GetTickCount();
        while (::GetTickCount() - start < ms)
        {
            MSG msg;
            if (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
                continue;
            }
            for (LONG n = 0; app->OnIdle(n); ++n)
                ;
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }
};

} // namespace

// The bars, their stored state, the status bar and the command icons are all in place before the
// one layout at the end of the frame's creation; the first show, at the same size, lays out nothing.
TEST_F(MainFrameStartupTest, TheFrameIsLaidOutOnceAtTheFirstAndAtTheNextStart)
{
    ASSERT_NO_FATAL_FAILURE(StartFrame());
    RunLoopFor(300);
    EXPECT_EQ(frame->GetLayoutCount(), 1);
    Stop();

    // The next start applies the stored bar state and placement, onto the bars as they are created: each is made in
    // its dock bar, and none is moved there, hidden on the way or given a frame the layout replaces unseen.
    NewApp();
    StartProbe probe;
    ASSERT_NO_FATAL_FAILURE(StartFrame());
    EXPECT_EQ(probe.nBarReparentings, 0);
    EXPECT_EQ(probe.nBarHides, 0);
    EXPECT_EQ(probe.nBarFrameRefreshes, 0);
    RunLoopFor(300);
    EXPECT_EQ(frame->GetLayoutCount(), 1);
    EXPECT_TRUE(frame->IsWindowVisible());
    EXPECT_TRUE(frame->m_wndFoldersBar.IsVisible());
    EXPECT_TRUE(frame->m_wndSmsListBar.IsVisible());
}

// The view's initial update fills the message list of a hidden frame; the frame shows once, when
// it is activated. The status bar's texts wait for its first paint: none is replaced unseen.
TEST_F(MainFrameStartupTest, TheFrameShowsOnlyAfterTheViewsInitialUpdate)
{
    StartProbe probe;
    ASSERT_NO_FATAL_FAILURE(StartFrame());
    EXPECT_GE(probe.nListFills, 1);
    EXPECT_FALSE(probe.bFrameVisibleAtListFill);
    EXPECT_EQ(probe.nTextsBeforeShow, 0);
    EXPECT_TRUE(frame->IsWindowVisible());
    // The windows created at the start share one creation hook; the frame's show is its one move in the window
    // order (already out of the topmost band, it is not moved there, nor brought to the top it took at its show).
    EXPECT_EQ(probe.createHooks.size(), 1u);
    EXPECT_EQ(probe.nFrameOrderMoves, 1);
    // The column header changes only the columns that show an image (the first column's, a sorted one's arrow) and
    // the sender column, which the Inbox titles "Dari".
    CHeaderCtrl* pHeader = frame->GetSmsListCtrl()->GetHeaderCtrl();
    int nWithImage = 0;
    for (int i = 0; i < pHeader->GetItemCount(); ++i)
    {
        HDITEMW hdi = {};
        hdi.mask = HDI_FORMAT;
        pHeader->GetItem(i, &hdi);
        nWithImage += (hdi.fmt & HDF_IMAGE) != 0 ? 1 : 0;
    }
    EXPECT_EQ(probe.nHeaderItemChanges, nWithImage + 1);
}

// The key indicators take their states while the frame is created: the idle updates after the
// start send the status bar no text, and the panes show what the keys say.
TEST_F(MainFrameStartupTest, TheStatusBarTextsAreSettledBeforeTheFrameShows)
{
    // A pointer resting over the new frame's bars (where the last test left it) would rightly
    // bring their flyby texts: it is put in the screen's far corner, away from the frame.
    const POINT ptAway = {::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1};
    POINT ptCursor = {};
    EXPECT_TRUE(WaitFor([&] {
        if (::GetCursorPos(&ptCursor) && ptCursor.x == ptAway.x && ptCursor.y == ptAway.y)
            return true;
        ::SetCursorPos(ptAway.x, ptAway.y);
        return false;
    }));
    StartProbe probe;
    ASSERT_NO_FATAL_FAILURE(StartFrame());
    CRect rcFrame;
    frame->GetWindowRect(&rcFrame);
    ASSERT_TRUE(::GetCursorPos(&ptCursor));
    ASSERT_FALSE(rcFrame.PtInRect(ptCursor)) << ptCursor.x << "," << ptCursor.y;
    probe.hStatus = frame->m_wndStatus.GetSafeHwnd();
    ASSERT_NE(probe.hStatus, nullptr);
    CExtStatusControlBar& status = frame->m_wndStatus;
    const struct
    {
        UINT nID;
        int nKey;
    } indicators[] = {{ID_INDICATOR_CAPS, VK_CAPITAL}, {ID_INDICATOR_NUM, VK_NUMLOCK}};
    // The display's own key states can reach the thread late (its focus events); an indicator may
    // then follow its key once, and nothing else may change.
    bool bShownOn[2] = {};
    for (int i = 0; i < 2; ++i)
        bShownOn[i] = (status.GetPaneStyle(status.CommandToIndex(indicators[i].nID)) & SBPS_DISABLED) == 0;
    RunLoopFor(300);
    int nFollowed = 0;
    for (int i = 0; i < 2; ++i)
        nFollowed += bShownOn[i] != ((::GetKeyState(indicators[i].nKey) & 1) != 0) ? 1 : 0;
    EXPECT_EQ(probe.nStatusTexts, nFollowed);
    for (const auto& ind : indicators)
    {
        const int nIndex = status.CommandToIndex(ind.nID);
        ASSERT_GE(nIndex, 0) << ind.nID;
        const bool bOn = (::GetKeyState(ind.nKey) & 1) != 0;
        EXPECT_EQ((status.GetPaneStyle(nIndex) & SBPS_DISABLED) == 0, bOn) << ind.nID;
        wchar_t text[32] = {};
        ::SendMessageW(probe.hStatus, SB_GETTEXTW, (WPARAM)nIndex, (LPARAM)text);
        EXPECT_EQ(text[0] != 0, bOn) << ind.nID;
    }
}
