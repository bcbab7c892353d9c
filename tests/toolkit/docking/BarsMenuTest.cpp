// The bars menu: its items, groups and separators, the frame's own filling, and the dock bar's
// context menu.
#include <gtest/gtest.h>
#include "DockingHost.h"
#include "toolkit/bars_tabs/ExtDynTabControlBar.h"
#include "toolkit/docking/ExtBarNcAreaButtonMenu.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

namespace
{
class BarsMenu : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CDockingHostFrame;
        ASSERT_TRUE(m_pFrame->CreateHost());
    }
    void TearDown() override
    {
        delete m_pPopup;
        m_pFrame->DestroyWindow();
    }
    // The command ids of the built menu; 0 for separators.
    std::vector<int> Build()
    {
        delete m_pPopup;
        m_pPopup = new CExtPopupMenuWnd;
        EXPECT_TRUE(m_pPopup->CreatePopupMenu(m_pFrame->GetSafeHwnd()));
        // The source is a dock bar of the frame, as for the dock bar's own context menu.
        CWnd* pSrc = m_pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP);
        m_bBuilt = CExtDockBar::BuildBarsPopupMenu(m_pFrame, m_pPopup, 0, pSrc, WM_CONTEXTMENU, 0);
        std::vector<int> ids;
        for (int i = 0; i < m_pPopup->GetItemCount(); ++i)
            ids.push_back(m_pPopup->ItemGetCmdID(i));
        return ids;
    }
    static int Id(CWnd* pBar) { return pBar->GetDlgCtrlID(); }
    CDockingHostFrame* m_pFrame = nullptr;
    CExtPopupMenuWnd* m_pPopup = nullptr;
    bool m_bBuilt = false;
};
} // namespace

TEST_F(BarsMenu, ListsEachBarOnceWithOneSeparatorBetweenToolBarsAndResizableBars)
{
    CHostFixedBar* pTools = m_pFrame->AddFixedBar(AFX_IDW_DOCKBAR_TOP, L"Tools");
    CHostResizableBar* pA = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Folders");
    CHostResizableBar* pB = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_BOTTOM, L"Messages");
    ASSERT_NE(pB, nullptr);
    EXPECT_EQ(Build(), (std::vector<int>{Id(pTools), 0, Id(pA), Id(pB)}));
    EXPECT_TRUE(m_bBuilt);
    EXPECT_EQ(m_pPopup->ItemGetText(2), CString(L"Folders"));
}

TEST_F(BarsMenu, LeavesOutContainersAndBarsWithoutTextAndEndsWithoutSeparator)
{
    CHostResizableBar* pA = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Folders");
    m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"");
    auto* pTabs = new CExtDynTabControlBar; // deletes itself with its window
    ASSERT_TRUE(pTabs->Create(L"Group", m_pFrame, 0xA1E0));
    // A tool bar without text: its separator is dropped as trailing.
    m_pFrame->AddFixedBar(AFX_IDW_DOCKBAR_TOP, L"");
    EXPECT_EQ(Build(), (std::vector<int>{Id(pA)}));
    pTabs->DestroyWindow();
}

TEST_F(BarsMenu, IsEmptyAndAnswersFalseWithoutBars)
{
    m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
    EXPECT_TRUE(Build().empty());
    EXPECT_FALSE(m_bBuilt);
}

TEST_F(BarsMenu, AFrameAnsweringTheBeforeAnnouncementFillsItAlone)
{
    m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Folders");
    m_pFrame->m_bFillBarsMenu = true;
    const int nBefore = m_pFrame->m_nMenuAnnouncements;
    EXPECT_EQ(Build(), (std::vector<int>{0xB000}));
    EXPECT_EQ(m_pFrame->m_nMenuAnnouncements, nBefore + 2); // before and after
}

TEST_F(BarsMenu, ARightClickOnAnEmptyDockBarShowsNothing)
{
    CHostResizableBar* pA = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Folders");
    ASSERT_NE(pA, nullptr);
    CControlBar* pEmpty = m_pFrame->GetControlBar(AFX_IDW_DOCKBAR_RIGHT);
    ASSERT_NE(pEmpty, nullptr);
    const int nBefore = m_pFrame->m_nMenuAnnouncements;
    pEmpty->SendMessage(WM_CONTEXTMENU, (WPARAM)pEmpty->GetSafeHwnd(), MAKELPARAM(300, 300));
    EXPECT_EQ(m_pFrame->m_nMenuAnnouncements, nBefore);
}

TEST_F(BarsMenu, TheOptionsButtonDropsItsSubMenuItemWhenNoBarIsListed)
{
    CHostFixedBar* pTools = m_pFrame->AddFixedBar(AFX_IDW_DOCKBAR_TOP, L"");
    ASSERT_NE(pTools, nullptr);
    CExtBarNcAreaButtonMenu button(pTools);
    button.m_rc = CRect(2, 2, 14, 14);
    EXPECT_FALSE(button.OnClick(CPoint(5, 5)));
    EXPECT_EQ(m_pFrame->m_nLastPostKind, 10);
    EXPECT_EQ(m_pFrame->m_nLastPostItemCount, 0);
}
