// The menu bar on a frame: taking and loading menus, who owns them, the buttons of a build and the window-menu
// name.
#include <gtest/gtest.h>
#include "MenuBarTestSupport.h"
#include "platform/Menu.h"
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/bars_tabs/ExtMenuControlBar.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"

using namespace menutest;

namespace
{

class MenuBar : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = Host();
        m_hMenu = ::GetMenu(m_pFrame->m_hWnd);
        ASSERT_NE(m_hMenu, nullptr);
        m_pBar = CreateMenuBar(m_pFrame);
        ASSERT_NE(m_pBar, nullptr);
    }
    void TearDown() override { DestroyMenuBar(m_pBar); }
    std::vector<CString> Texts() const
    {
        std::vector<CString> texts;
        for (int i = 0; i < m_pBar->GetButtonsCount(); ++i)
            texts.push_back(m_pBar->GetButton(i)->GetText());
        return texts;
    }

    CMenuHostFrame* m_pFrame = nullptr;
    CExtMenuControlBar* m_pBar = nullptr;
    HMENU m_hMenu = nullptr;
};

// A hidden frame of its own (cheap to destroy) with the test menu and a profile named for it.
CMenuHostFrame* NewHiddenFrame(LPCTSTR pszProfile)
{
    auto* pFrame = new CMenuHostFrame; // deletes itself with its window
    EXPECT_TRUE(pFrame->CreateHost(CRect(0, 0, 500, 300)));
    g_CmdManagerHolder->UnbindWindowFromProfile(pFrame->m_hWnd);
    if (pszProfile != nullptr)
        g_CmdManagerHolder->CreateProfile(pszProfile, pFrame->m_hWnd);
    return pFrame;
}

} // namespace

TEST_F(MenuBar, TakesTheFramesMenuAndShowsItsTopLevelItemsAsButtons)
{
    EXPECT_EQ(::GetMenu(m_pFrame->m_hWnd), nullptr);
    EXPECT_EQ(m_pBar->GetCurrentMenu(), m_hMenu);
    EXPECT_EQ(Texts(), (std::vector<CString>{L"&File", L"&Edit", L"&View", L"&Window", L"&Help"}));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(m_pBar->GetButton(i)->GetMenu(), ::GetSubMenu(m_hMenu, i));
    EXPECT_TRUE(m_pBar->IsFullRowBar());
    EXPECT_FALSE(m_pBar->IsMdiMode());
    EXPECT_EQ(m_pBar->GetDefaultButtonSize(), CSize(23, 20));
    // No chevron while the bar wraps, and an SDI frame runs no timer looking for an MDI client.
    EXPECT_EQ(m_pBar->GetRightButton(), nullptr);
    EXPECT_FALSE(::KillTimer(m_pBar->m_hWnd, CExtMenuControlBar::kTimerFindClient));
    // The build registered the menu's commands and marked the popups' own commands.
    CExtCmdItem* pOpen = g_CmdManagerHolder->LookupCommand(kProfile, ID_MS_FILE_OPEN);
    ASSERT_NE(pOpen, nullptr);
    CExtCmdItem* pFile = g_CmdManagerHolder->LookupCommand(kProfile, m_pBar->GetButton(0)->GetCmdID());
    ASSERT_NE(pFile, nullptr);
    EXPECT_NE(pFile->m_dwStateFlags & CExtMenuControlBar::kAllocatedCmdFlag, 0u);
}

TEST_F(MenuBar, LoadMenuBarBuildsFromAResourceAndAFailedLoadKeepsTheMenuAndButtons)
{
    ASSERT_TRUE(m_pBar->LoadMenuBar(IDR_MS_MENU_ALT));
    EXPECT_EQ(Texts(), (std::vector<CString>{L"&Alpha", L"&Beta"}));
    HMENU hLoaded = m_pBar->GetCurrentMenu();
    EXPECT_FALSE(m_pBar->LoadMenuBar(0x7AFF)); // no such menu
    EXPECT_EQ(m_pBar->GetCurrentMenu(), hLoaded);
    EXPECT_TRUE(::IsMenu(hLoaded));
    ASSERT_EQ(m_pBar->GetButtonsCount(), 2);
    EXPECT_EQ(m_pBar->GetButton(1)->GetMenu(), ::GetSubMenu(hLoaded, 1));
    EXPECT_TRUE(::IsMenu(m_pBar->GetButton(1)->GetMenu()));
    // The taken menu stays the frame's: alive after the bar loaded another one.
    EXPECT_TRUE(::IsMenu(m_hMenu));
}

TEST_F(MenuBar, TheWindowMenuNameIsStoredTrimmedAndWithoutAmpersands)
{
    m_pBar->SetMdiWindowPopupName(L"  &Win&dow \t");
    EXPECT_EQ(m_pBar->GetMdiWindowPopupName(), CString(L"Window"));
    m_pBar->SetMdiWindowPopupName(nullptr);
    EXPECT_TRUE(m_pBar->GetMdiWindowPopupName().IsEmpty());
}

TEST(MenuBarOwnership, TheFramesMenuDiesWithTheFrameAndALoadedMenuWithTheBar)
{
    CMenuHostFrame* pFrame = NewHiddenFrame(L"MenuBarOwnership");
    HMENU hTaken = ::GetMenu(pFrame->m_hWnd);
    CExtMenuControlBar* pBar = CreateMenuBar(pFrame);
    ASSERT_NE(pBar, nullptr);
    ASSERT_TRUE(pBar->LoadMenuBar(IDR_MS_MENU_ALT));
    HMENU hLoaded = pBar->GetCurrentMenu();
    EXPECT_TRUE(::IsMenu(hTaken));
    // The frame puts its own menu back at WM_DESTROY and destroys it; the bar takes nothing away then.
    pFrame->DestroyWindow();
    PumpPlatform(10);
    EXPECT_FALSE(::IsMenu(hTaken));
    EXPECT_TRUE(::IsMenu(hLoaded));
    delete pBar;
    EXPECT_FALSE(::IsMenu(hLoaded));
}

TEST(MenuBarOwnership, AFrameMenuNeverRegisteredStillGivesItsButtons)
{
    CMenuHostFrame* pFrame = NewHiddenFrame(L"MenuBarFresh");
    CExtMenuControlBar* pBar = CreateMenuBar(pFrame);
    ASSERT_NE(pBar, nullptr);
    EXPECT_EQ(pBar->GetButtonsCount(), 5);
    EXPECT_NE(g_CmdManagerHolder->LookupCommand(L"MenuBarFresh", ID_MS_EDIT_COPY), nullptr);
    pFrame->DestroyWindow();
    delete pBar;
}

TEST(MenuBarOwnership, WithoutAProfileTheBuildFailsWithoutButtons)
{
    CMenuHostFrame* pFrame = NewHiddenFrame(nullptr);
    CExtMenuControlBar* pBar = CreateMenuBar(pFrame);
    ASSERT_NE(pBar, nullptr);
    EXPECT_EQ(::GetMenu(pFrame->m_hWnd), nullptr);
    EXPECT_FALSE(pBar->RebuildButtons(false));
    EXPECT_EQ(pBar->GetButtonsCount(), 0);
    pFrame->DestroyWindow();
    delete pBar;
}
