// The enabled state of every command the user meets in the running program: each command of the
// menu bar's menus, of the Standard and Corvane tool bars and of the tray menu is enabled as each
// of them is shown (the menu bar's popups opened, the tool bars' idle update, the tray menu's
// WM_INITMENUPOPUP to the frame).
#include "ProgramTestSupport.h"

#include "res/app_ids.h"
#include "res/mainframe_ids.h"
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/menus_dialogs/ExtPopupMenuTrackingSite.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

#include <algorithm>
#include <map>
#include <set>
#include <vector>

using namespace phonetest;

namespace
{
struct CommandStatesTest : programtest::ProgramFixture
{
    CommandStatesTest() : ProgramFixture(L"CorvaneCommandStatesTest") {}
    void SetUp() override
    {
        ProgramFixture::SetUp();
        if (IsSkipped())
            return;
        ASSERT_NO_FATAL_FAILURE(Start());
    }
};

// A click of the left button at the window's client point, through the system's input queue.
void ClickAt(CWnd& wnd, CPoint pt)
{
    wnd.ClientToScreen(&pt);
    ::SetCursorPos(pt.x, pt.y);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, in, sizeof(INPUT));
}

// Every command of the popup and its sub-menus with its enabled state.
void Collect(CExtPopupMenuWnd* pPopup, std::map<UINT, bool>& states)
{
    for (int i = 0; i < pPopup->GetItemCount(); ++i)
    {
        const CExtPopupMenuWnd::MENUITEMDATA& mi = pPopup->GetItemAt(i);
        if (mi.IsPopup() && mi.GetPopup() != nullptr)
            Collect(mi.GetPopup(), states);
        else if (!mi.IsSeparator())
            states[(UINT)mi.GetCmdID()] = mi.IsEnabled();
    }
}

// The commands of a menu resource, sub-menus included.
void MenuCommands(HMENU hMenu, std::set<UINT>& ids)
{
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
    {
        if (HMENU hSub = ::GetSubMenu(hMenu, i))
            MenuCommands(hSub, ids);
        else if (::GetMenuItemID(hMenu, i) != 0)
            ids.insert(::GetMenuItemID(hMenu, i));
    }
}
} // namespace

TEST_F(CommandStatesTest, EveryCommandOfTheMenuBarsMenusIsEnabled)
{
    HMENU hResource = ::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME));
    ASSERT_NE(hResource, nullptr);
    std::set<UINT> expected;
    MenuCommands(hResource, expected);
    ::DestroyMenu(hResource);
    ASSERT_EQ(expected.size(), 28u);

    // The menu bar shows menu 128: a click on each of its buttons opens its menu, and the popup
    // shown holds the states the frame's command route gave its items.
    ::SetForegroundWindow(frame->GetSafeHwnd());
    std::map<UINT, bool> states;
    int nMenus = 0;
    CExtToolControlBar& bar = frame->m_wndMenuBar;
    for (int i = 0; i < bar.GetButtonsCount(); ++i)
    {
        CExtBarButton* pButton = bar.GetButton(i);
        if (pButton == nullptr || pButton->GetMenu() == nullptr)
            continue;
        ++nMenus;
        CRect rc;
        ASSERT_TRUE(bar.GetButtonRect(i, rc)) << i;
        ClickAt(bar, rc.CenterPoint());
        ASSERT_TRUE(PumpUntil([] { return CExtPopupMenuWnd::IsMenuTracking() && !g_TrackingSite.IsEmpty(); }, 3000))
            << i;
        CExtPopupMenuWnd* pPopup = g_TrackingSite.GetInstance();
        ASSERT_TRUE(::IsWindowVisible(pPopup->GetSafeHwnd())) << i;
        Collect(pPopup, states);
        CExtPopupMenuWnd::CancelMenuTracking();
        PumpUntil([] { return !CExtPopupMenuWnd::IsMenuTracking(); }, 3000);
    }
    EXPECT_EQ(nMenus, 4);
    for (UINT nID : expected)
    {
        ASSERT_TRUE(states.count(nID)) << nID;
        EXPECT_TRUE(states[nID]) << nID;
    }
}

TEST_F(CommandStatesTest, EveryButtonOfBothToolBarsIsEnabled)
{
    const std::vector<UINT> standard = {ID_SMS_NEW,     ID_SMS_REPLY, ID_SMS_FORWARD,     ID_SMS_DELETE,
                                        ID_RECEIVE_SMS, ID_SEND_SMS,  ID_SEND_RECEIVE_SMS};
    const std::vector<UINT> corvane = {ID_CALL,           ID_SEARCH_SMS,   ID_IMPORT_SMS, ID_EXPORT_SMS,
                                       ID_SOUND_SETTINGS, ID_SMS_SETTINGS, ID_SETTINGS,   ID_APP_ABOUT};
    const struct
    {
        CExtToolControlBar* pBar;
        const std::vector<UINT>* pIds;
    } bars[] = {{&frame->m_wndToolBar, &standard}, {&frame->m_wndCorvaneBar, &corvane}};
    for (const auto& b : bars)
    {
        // All disabled first; the idle update the message loop runs decides.
        std::vector<CExtBarButton*> buttons;
        for (int i = 0; i < b.pBar->GetButtonsCount(); ++i)
        {
            CExtBarButton* pButton = b.pBar->GetButton(i);
            if (pButton == nullptr || pButton->IsSeparator() || pButton->GetCmdID(false) == 0)
                continue;
            if (std::find(b.pIds->begin(), b.pIds->end(), pButton->GetCmdID(false)) == b.pIds->end())
                continue; // the bar's own buttons (the chevron)
            pButton->SetStyle(pButton->GetStyle() | TBBS_DISABLED);
            buttons.push_back(pButton);
        }
        ASSERT_EQ(buttons.size(), b.pIds->size());
        for (CExtBarButton* pButton : buttons)
            EXPECT_TRUE(pButton->IsDisabled());
        ASSERT_TRUE(frame->IsWindowVisible());
        app->OnIdle(0);
        for (CExtBarButton* pButton : buttons)
            EXPECT_FALSE(pButton->IsDisabled()) << pButton->GetCmdID(false);
    }
}

TEST_F(CommandStatesTest, EveryCommandOfTheTrayMenuIsEnabled)
{
    // The tray tracks the first popup of menu 216 with the frame as its owner, which gets
    // WM_INITMENUPOPUP before the menu shows.
    HMENU hMenu = ::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_TRAY_MENU));
    ASSERT_NE(hMenu, nullptr);
    HMENU hPopup = ::GetSubMenu(hMenu, 0);
    ASSERT_NE(hPopup, nullptr);
    std::vector<UINT> ids;
    for (int i = 0; i < ::GetMenuItemCount(hPopup); ++i)
        if (::GetMenuItemID(hPopup, i) != 0)
        {
            ids.push_back(::GetMenuItemID(hPopup, i));
            ::EnableMenuItem(hPopup, i, MF_BYPOSITION | MF_GRAYED);
        }
    EXPECT_EQ(ids, (std::vector<UINT>{ID_SHOW_HIDE_WINDOW, ID_APP_ABOUT, ID_APP_EXIT}));
    ::SendMessageW(frame->GetSafeHwnd(), WM_INITMENUPOPUP, (WPARAM)hPopup, 0);
    for (UINT nID : ids)
        EXPECT_EQ(::GetMenuState(hPopup, nID, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED), 0u) << nID;
    ::DestroyMenu(hMenu);
}
