// Real mouse input through the thread hook (SendInput with the owner in the foreground): a press
// outside every menu closes the chain and still reaches the window below, its release does not.
#include "PopupTestSupport.h"
#include "support/InputScript.h"
#include <gtest/gtest.h>
#include <functional>
#include <thread>

typedef CExtPopupMenuWnd M;

namespace
{
INPUT MouseInput(CPoint pt, DWORD dwFlags)
{
    const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = (pt.x * 65536 + cx - 1) / cx;
    in.mi.dy = (pt.y * 65536 + cy - 1) / cy;
    in.mi.dwFlags = dwFlags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    return in;
}

// A top-level window that counts its button messages.
struct CClickCounter : public CWnd
{
    int m_nDown = 0;
    int m_nUp = 0;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_LBUTTONDOWN)
            ++m_nDown;
        if (message == WM_LBUTTONUP)
            ++m_nUp;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};
} // namespace

class PopupMouseHookTest : public PopupTest
{};

TEST_F(PopupMouseHookTest, PressOutsideClosesTheMenuAndReachesTheWindowBelowButNotItsRelease)
{
    CClickCounter child;
    ASSERT_TRUE(
        child.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP | WS_VISIBLE, CRect(50, 50, 450, 350), nullptr, 0));
    child.SetForegroundWindow();
    Pump();
    CRect rcChild;
    child.GetWindowRect(&rcChild);
    const CPoint ptOutside(rcChild.left + 20, rcChild.top + 20);

    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN, ID_TEST_SAVE});
    RunInLoop([&]() {
        INPUT in[2] = {MouseInput(ptOutside, MOUSEEVENTF_LEFTDOWN), MouseInput(ptOutside, MOUSEEVENTF_LEFTUP)};
        ::SendInput(2, in, sizeof(INPUT));
    });
    UINT nResult = 77;
    ASSERT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION | M::TRACK_DO_MESSAGE_LOOP, rcChild.left + 200,
                                      rcChild.top + 60, nullptr, nullptr, nullptr, &nResult));
    Pump();
    EXPECT_EQ(nResult, 0u);
    EXPECT_FALSE(M::IsMenuTracking());
    EXPECT_EQ(CCountedPopup::s_nLive, 0);
    EXPECT_EQ(child.m_nDown, 1);
    EXPECT_EQ(child.m_nUp, 0);
    child.DestroyWindow();
}

// A menu whose every item is rarely used opens as its expand button alone; a real click on it
// expands the menu (here into a scrolling one) and chooses no item.
TEST_F(PopupMouseHookTest, AClickOnALoneExpandButtonExpandsTheMenuAndChoosesNothing)
{
    CExtPopupMenuWnd::g_bHideRarelyUsed = true;
    std::vector<UINT> ids;
    for (UINT n = 0; n < 80; ++n)
    {
        AddCommand(ID_TEST_FIRST_FREE + n, L"Long menu item");
        ids.push_back(ID_TEST_FIRST_FREE + n);
    }
    // Another command takes all the uses.
    for (int i = 0; i < 20; ++i)
        Command(ID_TEST_OPEN)->IncrementUsage();
    // The menu's owner is on screen under the menu, as the page that opened it is.
    m_pFrame->SetWindowPos(nullptr, 50, 50, 600, 600, SWP_NOZORDER | SWP_SHOWWINDOW);
    m_pFrame->SetForegroundWindow();
    Pump();
    CCountedPopup* pMenu = NewMenu(ids);
    bool bAllHidden = true, bExpanded = false, bFirstShown = false, bScrolling = false;
    // The expanded menu no longer fits below the button: it is hidden and placed again, and the
    // loop's timers run meanwhile. It is read once it shows again.
    DWORD dwClickTick = 0;
    std::function<void()> fnRead = [&]() {
        if ((!pMenu->IsWindowVisible() || !pMenu->IsExpanded()) && ::GetTickCount() - dwClickTick < kInputWaitMs)
        {
            RunInLoop(fnRead);
            return;
        }
        bExpanded = pMenu->IsExpanded();
        bFirstShown = pMenu->ItemIsDisplayed(0);
        bScrolling = pMenu->IsScrollingOn();
        M::CancelMenuTracking();
    };
    RunInLoop([&]() {
        for (int i = 0; i < 80; ++i)
            bAllHidden = bAllHidden && !pMenu->ItemIsDisplayed(i);
        CRect rcExpand;
        pMenu->GetItemRect(M::AREA_EXPAND, rcExpand);
        pMenu->ClientToScreen(&rcExpand);
        const CPoint pt = rcExpand.CenterPoint();
        // From another thread, as input from outside the program comes.
        std::thread([pt]() {
            INPUT in[2] = {MouseInput(pt, MOUSEEVENTF_LEFTDOWN), MouseInput(pt, MOUSEEVENTF_LEFTUP)};
            ::SendInput(2, in, sizeof(INPUT));
        }).join();
        dwClickTick = ::GetTickCount();
        RunInLoop(fnRead);
    });
    // Below a button, as a drop-down menu opens.
    const CRect rcButton(300, 176, 460, 200);
    UINT nResult = 77;
    ASSERT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION | M::TRACK_DO_MESSAGE_LOOP | M::TRACK_ALIGN_BELOW |
                                          M::TRACK_NO_UPDATE_CMD_UI,
                                      0, 0, &rcButton, nullptr, nullptr, &nResult));
    Pump();
    EXPECT_TRUE(bAllHidden);
    EXPECT_EQ(nResult, 0u);
    EXPECT_TRUE(Recv().m_commands.empty());
    EXPECT_TRUE(bExpanded);
    EXPECT_TRUE(bFirstShown);
    EXPECT_TRUE(bScrolling);
    EXPECT_FALSE(s_bLoopStuck);
    m_pFrame->ShowWindow(SW_HIDE);
}
