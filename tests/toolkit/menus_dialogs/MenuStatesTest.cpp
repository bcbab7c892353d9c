// Item states from the command targets of the receiver frame, and the system commands' states
// from the receiver window's placement and styles.
#include "MenuTestIds.h"
#include "MenuTestSupport.h"
#include <gtest/gtest.h>

typedef CExtPopupMenuWnd::MENUITEMDATA MENUITEMDATA;

namespace
{
bool Clicked(CExtPopupMenuWnd*, MENUITEMDATA&) { return true; }
} // namespace

TEST_F(MenuTest, ItemStatesComeFromTheFramesUpdateHandlers)
{
    for (UINT nID : {ID_TEST_ENABLE_OFF, ID_TEST_CHECKED, ID_TEST_RADIO, ID_TEST_RETEXT, ID_TEST_HANDLED,
                     ID_TEST_UNHANDLED, ID_TEST_ALWAYS})
        AddCommand(nID, L"&Perintah");
    CExtPopupMenuWnd menu;
    ASSERT_TRUE(menu.CreatePopupMenu(Frame()));
    for (UINT nID : {ID_TEST_ENABLE_OFF, ID_TEST_CHECKED, ID_TEST_RADIO, ID_TEST_RETEXT, ID_TEST_HANDLED,
                     ID_TEST_UNHANDLED, ID_TEST_ALWAYS})
        ASSERT_TRUE(menu.InsertItem((int)nID));
    menu.GetItemAt(6).SetAlwaysEnabled(true);
    const int nWidthBefore = menu.GetItemAt(3).GetMeasuredWidth();
    menu.UpdateItemStates();
    EXPECT_FALSE(menu.GetItemAt(0).IsEnabled());
    EXPECT_TRUE(menu.GetItemAt(1).IsEnabled());
    EXPECT_TRUE(menu.GetItemAt(1).GetCheck());
    EXPECT_TRUE(menu.GetItemAt(2).GetRadio());
    EXPECT_EQ(menu.ItemGetText(3), m_pFrame->m_sRetext);
    EXPECT_GT(menu.GetItemAt(3).GetMeasuredWidth(), nWidthBefore);
    EXPECT_EQ(menu.GetItemAt(3).GetMeasuredWidth(), MenuTextSize(m_pFrame->m_sRetext).cx + 26 + 24 + 16);
    EXPECT_TRUE(menu.GetItemAt(4).IsEnabled());
    EXPECT_FALSE(menu.GetItemAt(5).IsEnabled()); // no handler
    EXPECT_TRUE(menu.GetItemAt(6).IsEnabled());  // always enabled
}

TEST_F(MenuTest, ItemStatesCopyAcceleratorTextsAndWalkSubMenus)
{
    AddCommand(ID_TEST_HANDLED, L"&Kerjakan");
    AddCommand(ID_TEST_UNHANDLED, L"&Diam");
    CExtPopupMenuWnd menu;
    ASSERT_TRUE(menu.CreatePopupMenu(Frame()));
    ASSERT_TRUE(menu.InsertItem(ID_TEST_HANDLED));
    ASSERT_TRUE(menu.InsertSubMenu(nullptr, -1, L"Sub"));
    ASSERT_TRUE(menu.ItemGetPopup(1)->InsertItem(ID_TEST_UNHANDLED));
    Command(ID_TEST_HANDLED)->m_sAccelText = L"Ctrl+K";
    menu.UpdateItemStates();
    EXPECT_EQ(menu.ItemGetAccelText(0), CString(L"Ctrl+K"));
    EXPECT_EQ(menu.GetItemAt(0).GetMeasuredWidth(), MenuTextSize(L"KerjakanCtrl+K").cx + 26 + 24 + 16);
    EXPECT_TRUE(menu.GetItemAt(1).IsEnabled());
    EXPECT_FALSE(menu.ItemGetPopup(1)->GetItemAt(0).IsEnabled());
}

TEST_F(MenuTest, ItemStatesAreSkippedForATopLevelMenuTrackedWithoutUpdates)
{
    AddCommand(ID_TEST_UNHANDLED, L"&Diam");
    CExtPopupMenuWnd menu;
    ASSERT_TRUE(menu.CreatePopupMenu(Frame()));
    ASSERT_TRUE(menu.InsertItem(ID_TEST_UNHANDLED));
    menu.m_nTrackFlags = CExtPopupMenuWnd::TRACK_NO_UPDATE_CMD_UI;
    menu.UpdateItemStates();
    EXPECT_TRUE(menu.GetItemAt(0).IsEnabled());
    menu.m_nTrackFlags = 0;
    menu.UpdateItemStates();
    EXPECT_FALSE(menu.GetItemAt(0).IsEnabled());
}

TEST_F(MenuTest, ItemsWithActivationCallbacksAndOwnItemsAreNotAskedForState)
{
    AddCommand(ID_TEST_UNHANDLED, L"&Diam");
    CExtPopupMenuWnd menu;
    ASSERT_TRUE(menu.CreatePopupMenu(Frame()));
    ASSERT_TRUE(menu.InsertItem(ID_TEST_UNHANDLED));
    menu.GetItemAt(0).m_pCbItemClick = &Clicked;
    ASSERT_TRUE(menu.InsertItemWithIconHandle(ID_TEST_FIRST_FREE, -1, L"Sendiri", nullptr, nullptr));
    menu.UpdateItemStates();
    EXPECT_TRUE(menu.GetItemAt(0).IsEnabled());
    EXPECT_TRUE(menu.GetItemAt(1).IsEnabled());
}

// ---- system commands -----------------------------------------------------------------------------

class MenuSysCmdTest : public MenuTest
{
protected:
    void TearDown() override
    {
        if (m_hWnd != nullptr)
        {
            g_CmdManagerHolder->UnbindWindowFromProfile(m_hWnd);
            ::DestroyWindow(m_hWnd);
        }
        MenuTest::TearDown();
    }
    // A window of the styles bound to the profile and a menu of the system commands for it.
    void Make(DWORD dwStyle, DWORD dwExStyle = 0)
    {
        m_hWnd = ::CreateWindowExW(dwExStyle, L"STATIC", L"Sistem", dwStyle, 20, 20, 300, 200, nullptr, nullptr,
                                   nullptr, nullptr);
        ASSERT_NE(m_hWnd, nullptr);
        ASSERT_TRUE(g_CmdManagerHolder->BindWindowToProfile(Profile(), m_hWnd));
        const std::vector<std::pair<UINT, const wchar_t*>> items = {
            {SC_RESTORE, L"&Pulihkan"},  {SC_MOVE, L"Pi&ndah"}, {SC_SIZE, L"&Ukuran"}, {SC_MINIMIZE, L"Per&kecil"},
            {SC_MAXIMIZE, L"Per&besar"}, {0, nullptr},          {SC_CLOSE, L"&Tutup"}, {SC_CONTEXTHELP, L"&Bantuan"}};
        HMENU hMenu = BuildMenu(items);
        Register(hMenu);
        ASSERT_TRUE(m_menu.CreatePopupMenu(m_hWnd));
        ASSERT_TRUE(m_menu.UpdateFromMenu(m_hWnd, hMenu, false));
        ::DestroyMenu(hMenu);
    }
    bool Enabled(UINT nCmdID)
    {
        const int i = m_menu.FindItemByCmdId((int)nCmdID);
        EXPECT_GE(i, 0);
        const bool bItem = i >= 0 && m_menu.GetItemAt(i).IsEnabled();
        EXPECT_EQ(Command(nCmdID)->IsEnabled(), bItem) << nCmdID;
        return bItem;
    }
    HWND m_hWnd = nullptr;
    CExtPopupMenuWnd m_menu;
};

TEST_F(MenuSysCmdTest, NormalWindowWithBoxes)
{
    Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    m_menu.UpdateSystemCommandStates();
    EXPECT_FALSE(Enabled(SC_RESTORE));
    EXPECT_TRUE(Enabled(SC_MOVE));
    EXPECT_TRUE(Enabled(SC_SIZE));
    EXPECT_TRUE(Enabled(SC_MINIMIZE));
    EXPECT_TRUE(Enabled(SC_MAXIMIZE));
    EXPECT_TRUE(Enabled(SC_CLOSE));
    EXPECT_FALSE(Enabled(SC_CONTEXTHELP));
}

TEST_F(MenuSysCmdTest, MaximisedWindow)
{
    Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ::ShowWindow(m_hWnd, SW_SHOWMAXIMIZED);
    ASSERT_TRUE(::IsZoomed(m_hWnd));
    m_menu.UpdateSystemCommandStates();
    EXPECT_TRUE(Enabled(SC_RESTORE));
    EXPECT_FALSE(Enabled(SC_MOVE));
    EXPECT_FALSE(Enabled(SC_SIZE));
    EXPECT_TRUE(Enabled(SC_MINIMIZE));
    EXPECT_FALSE(Enabled(SC_MAXIMIZE));
}

TEST_F(MenuSysCmdTest, MinimisedWindow)
{
    Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ::ShowWindow(m_hWnd, SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(::IsIconic(m_hWnd));
    m_menu.UpdateSystemCommandStates();
    EXPECT_TRUE(Enabled(SC_RESTORE));
    EXPECT_FALSE(Enabled(SC_MOVE));
    EXPECT_FALSE(Enabled(SC_SIZE));
    EXPECT_FALSE(Enabled(SC_MINIMIZE));
    EXPECT_TRUE(Enabled(SC_MAXIMIZE));
}

TEST_F(MenuSysCmdTest, WindowWithoutBoxesAndWithContextHelp)
{
    Make(WS_CAPTION | WS_SYSMENU | WS_VISIBLE, WS_EX_CONTEXTHELP);
    m_menu.UpdateSystemCommandStates();
    EXPECT_FALSE(Enabled(SC_RESTORE));
    EXPECT_TRUE(Enabled(SC_MOVE));
    EXPECT_FALSE(Enabled(SC_MINIMIZE));
    EXPECT_FALSE(Enabled(SC_MAXIMIZE));
    EXPECT_TRUE(Enabled(SC_CONTEXTHELP));
}

TEST_F(MenuSysCmdTest, CloseFollowsTheWindowsOwnSystemMenu)
{
    Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ::EnableMenuItem(::GetSystemMenu(m_hWnd, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    m_menu.UpdateSystemCommandStates();
    EXPECT_FALSE(Enabled(SC_CLOSE));
    EXPECT_TRUE(Enabled(SC_MOVE));
}

TEST_F(MenuSysCmdTest, SizeAndMoveStayDisabledWhenThePopupLayerForbidsThem)
{
    Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    CExtPopupMenuWnd::g_bAllowSystemSizeMove = false;
    m_menu.UpdateSystemCommandStates();
    EXPECT_FALSE(Enabled(SC_MOVE));
    EXPECT_FALSE(Enabled(SC_SIZE));
    EXPECT_TRUE(Enabled(SC_MINIMIZE));
    EXPECT_TRUE(Enabled(SC_CLOSE));
}

TEST_F(MenuSysCmdTest, EmbeddedMenusLeaveSystemCommandsAsTheyAre)
{
    Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    m_menu.m_nTrackFlags = CExtPopupMenuWnd::TRACK_EMBEDDED;
    Command(SC_RESTORE)->Enable(true);
    m_menu.UpdateSystemCommandStates();
    EXPECT_TRUE(Command(SC_RESTORE)->IsEnabled());
}
