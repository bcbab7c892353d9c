// CExtDockingKindOf: the tab-container and auto-hide questions of the docking classes.
#include "toolkit/bars_tabs/ExtDockDynTabBar.h"
#include "toolkit/bars_tabs/ExtDynTabControlBar.h"
#include "toolkit/docking/ExtDockingKindOf.h"
#include <gtest/gtest.h>

TEST(ExtDockingKindOf, KindsOfTabContainersAndTheirDockBars)
{
    CExtDockDynTabBar tabDock;
    CExtDockDynBar dynDock;
    CExtDynTabControlBar tabs;
    CExtDynControlBar dyn;
    EXPECT_TRUE(CExtDockingKindOf::IsDockDynTabBar(&tabDock));
    EXPECT_FALSE(CExtDockingKindOf::IsDockDynTabBar(&dynDock));
    EXPECT_TRUE(CExtDockingKindOf::IsDynTabControlBar(&tabs));
    EXPECT_FALSE(CExtDockingKindOf::IsDynTabControlBar(&dyn));
    EXPECT_FALSE(CExtDockingKindOf::IsDockDynTabBar(nullptr));
    EXPECT_FALSE(CExtDockingKindOf::IsDynTabControlBar(nullptr));
    EXPECT_EQ(CExtDockingKindOf::AsDynTabControlBar(&tabs), &tabs);
    EXPECT_EQ(CExtDockingKindOf::AsDynTabControlBar(&dyn), nullptr);
    EXPECT_EQ(CExtDockingKindOf::AsDynTabControlBar(nullptr), nullptr);
    EXPECT_EQ(CExtDockingKindOf::AsControlBar(&tabs), static_cast<CExtControlBar*>(&tabs));
    EXPECT_EQ(CExtDockingKindOf::SelectedBarOf(&dyn), nullptr);
    EXPECT_EQ(CExtDockingKindOf::SelectedBarOf(nullptr), nullptr);
}

TEST(ExtDockingKindOf, SelectTabOfSelectsTheMembersTabOnly)
{
    CExtDynTabControlBar tabs;
    CExtControlBar first, second, stranger;
    tabs.m_wndTabs.ItemInsert(nullptr, nullptr, false, 0, -1, (LPARAM)&first);
    tabs.m_wndTabs.ItemInsert(nullptr, nullptr, false, 0, -1, (LPARAM)&second);
    CExtDockingKindOf::SelectTabOf(&tabs, &second);
    EXPECT_EQ(tabs.m_wndTabs.SelectionGet(), 1);
    CExtDockingKindOf::SelectTabOf(&tabs, &stranger); // no tab: the selection stays
    EXPECT_EQ(tabs.m_wndTabs.SelectionGet(), 1);
    CExtDockingKindOf::SelectTabOf(&tabs, &first);
    EXPECT_EQ(tabs.m_wndTabs.SelectionGet(), 0);
}
