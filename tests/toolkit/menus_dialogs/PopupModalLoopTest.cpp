// The modal tracking loop, driven from a timer callback that runs inside it: commands, system
// commands, undelivered commands, cancels, application switches, WM_QUIT and a command handler
// that opens another menu.
#include "PopupTestSupport.h"
#include <gtest/gtest.h>

typedef CExtPopupMenuWnd M;

class PopupModalLoopTest : public PopupTest
{
protected:
    static constexpr UINT kModal = M::TRACK_NO_ANIMATION | M::TRACK_DO_MESSAGE_LOOP;
};

TEST_F(PopupModalLoopTest, CommandClickEndsTheLoopWithTheIdAndOneCommand)
{
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN, ID_TEST_SAVE});
    bool bEaten = false;
    RunInLoop([&]() { bEaten = ClickItem(Site().GetInstance(), 1); });
    UINT nResult = 12345;
    ASSERT_TRUE(pMenu->TrackPopupMenu(kModal, 100, 100, nullptr, nullptr, nullptr, &nResult));
    EXPECT_TRUE(bEaten);
    EXPECT_EQ(nResult, (UINT)ID_TEST_SAVE);
    ASSERT_EQ(Recv().m_commands.size(), 1u);
    EXPECT_EQ(Recv().m_commands[0], (UINT)ID_TEST_SAVE);
    EXPECT_FALSE(M::IsMenuTracking());
    EXPECT_EQ(CCountedPopup::s_nLive, 0);
}

TEST_F(PopupModalLoopTest, UndeliveredCommandOnlyReachesTheResult)
{
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN, ID_TEST_SAVE});
    RunInLoop([&]() { ClickItem(Site().GetInstance(), 0); });
    UINT nResult = 0;
    ASSERT_TRUE(
        pMenu->TrackPopupMenu(kModal | M::TRACK_NO_CMD_DELIVERY, 100, 100, nullptr, nullptr, nullptr, &nResult));
    Pump();
    EXPECT_EQ(nResult, (UINT)ID_TEST_OPEN);
    EXPECT_TRUE(Recv().m_commands.empty());
    EXPECT_EQ(CCountedPopup::s_nLive, 0);
}

TEST_F(PopupModalLoopTest, SystemCommandIsSentAsSysCommand)
{
    AddCommand(SC_MINIMIZE, L"&Kecilkan");
    CCountedPopup* pMenu = NewMenu({SC_MINIMIZE});
    RunInLoop([&]() { ClickItem(Site().GetInstance(), 0); });
    UINT nResult = 0;
    ASSERT_TRUE(pMenu->TrackPopupMenu(kModal, 100, 100, nullptr, nullptr, nullptr, &nResult));
    EXPECT_EQ(nResult, (UINT)SC_MINIMIZE);
    ASSERT_EQ(Recv().m_sysCommands.size(), 1u);
    EXPECT_EQ(Recv().m_sysCommands[0], (UINT)SC_MINIMIZE);
    EXPECT_TRUE(Recv().m_commands.empty());
}

TEST_F(PopupModalLoopTest, CancelModeEndsTheLoopWithZero)
{
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN});
    RunInLoop([&]() { ::SendMessageW(Site().GetInstance()->GetSafeHwnd(), WM_CANCELMODE, 0, 0); });
    UINT nResult = 77;
    ASSERT_TRUE(pMenu->TrackPopupMenu(kModal, 100, 100, nullptr, nullptr, nullptr, &nResult));
    EXPECT_EQ(nResult, 0u);
    EXPECT_TRUE(Recv().m_commands.empty());
    EXPECT_FALSE(M::IsMenuTracking());
    EXPECT_EQ(CCountedPopup::s_nLive, 0);
}

TEST_F(PopupModalLoopTest, CancelMenuTrackingEndsTheLoop)
{
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN});
    RunInLoop([&]() { M::CancelMenuTracking(); });
    UINT nResult = 77;
    ASSERT_TRUE(pMenu->TrackPopupMenu(kModal, 100, 100, nullptr, nullptr, nullptr, &nResult));
    EXPECT_EQ(nResult, 0u);
    EXPECT_EQ(CCountedPopup::s_nLive, 0);
    EXPECT_EQ(Recv().m_nMenuClosed, 1);
}

TEST_F(PopupModalLoopTest, ApplicationDeactivationEndsTheLoop)
{
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN});
    RunInLoop([&]() { ::SendMessageW(Site().GetInstance()->GetSafeHwnd(), WM_ACTIVATEAPP, FALSE, 0); });
    UINT nResult = 77;
    ASSERT_TRUE(pMenu->TrackPopupMenu(kModal, 100, 100, nullptr, nullptr, nullptr, &nResult));
    EXPECT_EQ(nResult, 0u);
    EXPECT_FALSE(M::IsMenuTracking());
    EXPECT_EQ(CCountedPopup::s_nLive, 0);
}

TEST_F(PopupModalLoopTest, QuitInsideEndsTrackingAndReachesTheOuterLoop)
{
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN});
    RunInLoop([&]() { ::PostQuitMessage(7); });
    ASSERT_TRUE(pMenu->TrackPopupMenu(kModal, 100, 100));
    EXPECT_FALSE(M::IsMenuTracking());
    EXPECT_EQ(CCountedPopup::s_nLive, 0);
    MSG msg;
    bool bQuit = false;
    for (int i = 0; i < 100 && !bQuit && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i)
    {
        if (msg.message == WM_QUIT)
            bQuit = true;
        else
            ::DispatchMessageW(&msg);
    }
    EXPECT_TRUE(bQuit);
}

TEST_F(PopupModalLoopTest, MenuOpenedByTheCommandHandlerStaysOpen)
{
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN});
    CCountedPopup* pNext = nullptr;
    Recv().m_onCommand = [&](UINT) {
        pNext = NewMenu({ID_TEST_SAVE});
        EXPECT_TRUE(pNext->TrackPopupMenu(M::TRACK_NO_ANIMATION, 200, 200));
    };
    RunInLoop([&]() { ClickItem(Site().GetInstance(), 0); });
    UINT nResult = 0;
    ASSERT_TRUE(pMenu->TrackPopupMenu(kModal, 100, 100, nullptr, nullptr, nullptr, &nResult));
    EXPECT_EQ(nResult, (UINT)ID_TEST_OPEN);
    ASSERT_NE(pNext, nullptr);
    EXPECT_TRUE(M::IsMenuTracking());
    EXPECT_EQ(Site().GetInstance(), pNext);
    ASSERT_NE(pNext->GetSafeHwnd(), nullptr);
    EXPECT_TRUE(pNext->IsWindowVisible());
    EXPECT_EQ(CCountedPopup::s_nLive, 1);
}

TEST_F(PopupModalLoopTest, EndingWithIdZeroClosesWithoutACommand)
{
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN});
    RunInLoop([&]() { Site().GetInstance()->EndTrackingWithCommand(0, nullptr); });
    UINT nResult = 77;
    ASSERT_TRUE(pMenu->TrackPopupMenu(kModal, 100, 100, nullptr, nullptr, nullptr, &nResult));
    Pump();
    EXPECT_EQ(nResult, 0u);
    EXPECT_TRUE(Recv().m_commands.empty());
    EXPECT_EQ(CCountedPopup::s_nLive, 0);
}
