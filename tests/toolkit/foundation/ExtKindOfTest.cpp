// CExtKindOf: the kinds of the higher toolkit objects and their answers as foundation's painters see them.
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/bars_tabs/ExtBarContentExpandButton.h"
#include "toolkit/bars_tabs/ExtDynAutoHideArea.h"
#include "toolkit/bars_tabs/ExtDynTabWnd.h"
#include "toolkit/bars_tabs/ExtMenuControlBar.h"
#include "toolkit/bars_tabs/ExtPanelControlBar.h"
#include "toolkit/bars_tabs/ExtStatusControlBar.h"
#include "toolkit/bars_tabs/ExtTabMdiWnd.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/foundation/ExtKindOf.h"
#include <gtest/gtest.h>

TEST(ExtKindOf, EveryQuestionAnswersNoForNull)
{
    EXPECT_FALSE(CExtKindOf::IsControlBar(nullptr));
    EXPECT_FALSE(CExtKindOf::IsToolBar(nullptr));
    EXPECT_FALSE(CExtKindOf::IsMenuBar(nullptr));
    EXPECT_FALSE(CExtKindOf::IsStatusBar(nullptr));
    EXPECT_FALSE(CExtKindOf::IsBarButton(nullptr));
    EXPECT_FALSE(CExtKindOf::IsTabWnd(nullptr));
    EXPECT_FALSE(CExtKindOf::IsPopupMenu(nullptr));
    EXPECT_FALSE(CExtKindOf::IsMdiTabWindow(nullptr));
    EXPECT_FALSE(CExtKindOf::IsPanelModeToolBar(nullptr));
    EXPECT_EQ(CExtKindOf::BarOfButton(static_cast<const CObject*>(nullptr)), nullptr);
    EXPECT_EQ(CExtKindOf::AsTabWnd(nullptr), nullptr);
    EXPECT_EQ(CExtKindOf::TabWndStyle(static_cast<const CObject*>(nullptr)), 0u);
    EXPECT_EQ(CExtKindOf::LastMenuItemIconAreaWidth(nullptr), 0);
}

TEST(ExtKindOf, MenuAndPanelBarsAreToolBarsOfTheirOwnKind)
{
    CExtToolControlBar toolBar;
    CExtMenuControlBar menuBar;
    CExtPanelControlBar panelBar;
    CExtStatusControlBar statusBar;
    EXPECT_TRUE(CExtKindOf::IsControlBar(&toolBar));
    EXPECT_TRUE(CExtKindOf::IsToolBar(&menuBar));
    EXPECT_TRUE(CExtKindOf::IsMenuBar(&menuBar));
    EXPECT_FALSE(CExtKindOf::IsMenuBar(&toolBar));
    EXPECT_TRUE(CExtKindOf::IsToolBar(&panelBar));
    EXPECT_TRUE(CExtKindOf::IsPanelBar(&panelBar));
    EXPECT_FALSE(CExtKindOf::IsPanelBar(&menuBar));
    EXPECT_TRUE(CExtKindOf::IsStatusBar(&statusBar));
    EXPECT_FALSE(CExtKindOf::IsControlBar(&statusBar));
    // The panel bar's flag, the tool bar's flag 0x04.
    EXPECT_TRUE(CExtKindOf::IsPanelModeToolBar(&panelBar));
    EXPECT_FALSE(CExtKindOf::IsPanelModeToolBar(&toolBar));
    EXPECT_FALSE(CExtKindOf::HasToolBarFlagBit2(&toolBar));
    toolBar.m_nBarFlags |= CExtToolControlBar::kBarFlagBit2;
    EXPECT_TRUE(CExtKindOf::HasToolBarFlagBit2(&toolBar));
    EXPECT_FALSE(CExtKindOf::HasToolBarFlagBit2(&statusBar));
}

TEST(ExtKindOf, ButtonsTellTheirBarRectangleAndSeparation)
{
    CExtToolControlBar bar;
    CExtBarButton button(&bar, 100);
    button.SetRect(CRect(3, 4, 27, 26));
    CExtBarButton separator(&bar, 0);
    CExtBarContentExpandButton chevron(&bar);
    CExtBarButton detached;
    EXPECT_TRUE(CExtKindOf::IsBarButton(&button));
    EXPECT_TRUE(CExtKindOf::IsBarButton(&chevron));
    EXPECT_TRUE(CExtKindOf::IsContentExpandButton(&chevron));
    EXPECT_FALSE(CExtKindOf::IsContentExpandButton(&button));
    EXPECT_EQ(CExtKindOf::BarOfButton(&button), static_cast<CControlBar*>(&bar));
    EXPECT_EQ(CExtKindOf::BarOfButton(static_cast<const CObject*>(&chevron)), static_cast<CControlBar*>(&bar));
    EXPECT_EQ(CExtKindOf::BarOfButton(&detached), nullptr);
    EXPECT_EQ(CExtKindOf::BarOfButton(static_cast<const CObject*>(&bar)), nullptr);
    EXPECT_EQ(CExtKindOf::AsObject(&button), static_cast<CObject*>(&button));
    EXPECT_EQ(CExtKindOf::ButtonRect(&button), CRect(3, 4, 27, 26));
    EXPECT_FALSE(CExtKindOf::IsSeparatorButton(&button));
    EXPECT_TRUE(CExtKindOf::IsSeparatorButton(&separator));
}

TEST(ExtKindOf, TabWindowsTellTheirStyleAndStripKind)
{
    CExtTabWnd tabs;
    tabs.SetTabWndStyle(0x00800080);
    CExtDynTabWnd dynTabs;
    CExtDynAutoHideArea area;
    CExtTabMdiWnd mdiTabs;
    CExtToolControlBar bar;
    EXPECT_EQ(CExtKindOf::AsTabWnd(&tabs), static_cast<CWnd*>(&tabs));
    EXPECT_EQ(CExtKindOf::AsTabWnd(&bar), nullptr);
    EXPECT_EQ(CExtKindOf::TabWndStyle(static_cast<const CObject*>(&tabs)), 0x00800080u);
    EXPECT_EQ(CExtKindOf::TabWndStyle(&tabs), 0x00800080u);
    EXPECT_EQ(CExtKindOf::TabWndStyle(static_cast<const CObject*>(&bar)), 0u);
    EXPECT_TRUE(CExtKindOf::IsDynTabWnd(&dynTabs));
    EXPECT_FALSE(CExtKindOf::IsDynTabWnd(&area));
    EXPECT_TRUE(CExtKindOf::IsAutoHideArea(&area));
    EXPECT_TRUE(CExtKindOf::IsTabWnd(&area));
    EXPECT_TRUE(CExtKindOf::IsMdiTabWindow(&mdiTabs));
    EXPECT_FALSE(CExtKindOf::IsMdiTabWindow(&tabs));
    EXPECT_EQ(CExtKindOf::LastMenuItemIconAreaWidth(&tabs), 0);
}

TEST(ExtKindOf, ABarWithoutDockSiteCountsAsDockedOnNoSide)
{
    CExtToolControlBar bar; // as in a dialog
    EXPECT_TRUE(CExtKindOf::IsDocked(&bar));
    EXPECT_FALSE(CExtKindOf::IsFloating(&bar));
    EXPECT_FALSE(CExtKindOf::IsDockedVertically(&bar));
    EXPECT_FALSE(CExtKindOf::IsDockedHorizontally(&bar));
    EXPECT_EQ(CExtKindOf::IsFloating(&bar), CExtControlBar::IsFloating(&bar));
}
