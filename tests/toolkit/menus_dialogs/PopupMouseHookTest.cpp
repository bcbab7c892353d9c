// Real mouse input through the thread hook (SendInput with the owner in the foreground): a press
// outside every menu closes the chain and still reaches the window below, its release does not.
#include "PopupTestSupport.h"
#include <gtest/gtest.h>

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
