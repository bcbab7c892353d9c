// CExtMenuKindOf: the bar questions of the popup menus and controls, with the bars' registered messages.
#include "res/platform_ids.h"
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "toolkit/menus_dialogs/ExtMenuKindOf.h"
#include <gtest/gtest.h>

TEST(ExtMenuKindOf, KindsOfBarsAndFloatingFrames)
{
    CExtToolControlBar bar;
    CExtMiniDockFrameWnd frame;
    EXPECT_TRUE(CExtMenuKindOf::IsToolBar(&bar));
    EXPECT_FALSE(CExtMenuKindOf::IsToolBar(&frame));
    EXPECT_TRUE(CExtMenuKindOf::IsMiniDockFrame(&frame));
    EXPECT_FALSE(CExtMenuKindOf::IsMiniDockFrame(&bar));
    EXPECT_FALSE(CExtMenuKindOf::IsToolBar(nullptr));
    EXPECT_FALSE(CExtMenuKindOf::IsMiniDockFrame(nullptr));
}

TEST(ExtMenuKindOf, RegisteredMessagesAreTheBarsOwn)
{
    EXPECT_EQ(CExtMenuKindOf::MsgPutToPopupMenu(), ::RegisterWindowMessageW(L"CExtControlBar::g_nMsgPutToPopupMenu"));
    EXPECT_EQ(CExtMenuKindOf::MsgContinueTrackMenu(),
              ::RegisterWindowMessageW(L"CExtToolControlBar::g_nMsgContinueTrackMenu"));
    EXPECT_NE(CExtMenuKindOf::MsgPutToPopupMenu(), CExtMenuKindOf::MsgContinueTrackMenu());
}

TEST(ExtMenuKindOf, TrackedButtonRectComesFromTheTrackingButton)
{
    CExtToolControlBar bar;
    CExtBarButton first(&bar, 100), second(&bar, 101);
    first.SetRect(CRect(0, 0, 23, 22));
    second.SetRect(CRect(23, 0, 46, 22));
    bar.m_buttons.Add(&first);
    bar.m_buttons.Add(&second);
    CRect rc(-1, -1, -1, -1);
    EXPECT_FALSE(CExtMenuKindOf::TrackedButtonRect(&bar, rc)); // no button tracks a menu
    bar.m_nBtnIdxMenuTracking = 1;
    ASSERT_TRUE(CExtMenuKindOf::TrackedButtonRect(&bar, rc));
    EXPECT_EQ(rc, CRect(23, 0, 46, 22));
    bar.m_nBtnIdxMenuTracking = 2;
    EXPECT_FALSE(CExtMenuKindOf::TrackedButtonRect(&bar, rc));
    EXPECT_FALSE(CExtMenuKindOf::TrackedButtonRect(&first, rc));
    bar.m_buttons.RemoveAll();
}

TEST(ExtMenuKindOf, ToolBarTrackingFlagAndWindowlessBars)
{
    const bool bWas = CExtMenuKindOf::IsToolBarMenuTracking();
    CExtMenuKindOf::SetToolBarMenuTracking(true);
    EXPECT_TRUE(CExtToolControlBar::g_bMenuTracking);
    CExtMenuKindOf::CloseToolBarMenus();
    EXPECT_FALSE(CExtMenuKindOf::IsToolBarMenuTracking());
    CExtMenuKindOf::SetToolBarMenuTracking(bWas);

    CExtToolControlBar bar;
    CExtBarButton button(&bar, 100), detached;
    EXPECT_TRUE(CExtMenuKindOf::IsDocked(&bar)); // without dock site, as in a dialog
    EXPECT_FALSE(CExtMenuKindOf::IsFloating(&bar));
    EXPECT_EQ(CExtMenuKindOf::DockBarId(&bar), (UINT)AFX_IDW_DOCKBAR_FLOAT);
    EXPECT_EQ(CExtMenuKindOf::FrameOfButton(&button), nullptr); // its bar has no window
    EXPECT_EQ(CExtMenuKindOf::FrameOfButton(&detached), nullptr);
    EXPECT_EQ(CExtMenuKindOf::FrameOfButton(nullptr), nullptr);
}
