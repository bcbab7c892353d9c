// The menu keys handed to a shown menu: moving over disabled items, page keys, the chevron,
// access characters, Enter, Right and Left in sub-menus, Escape, modifiers, the neighbour-menu
// messages of the tool bars, and Escape and a letter typed for real into a modal menu.
#include "PopupTestSupport.h"
#include "support/InputScript.h"
#include <gtest/gtest.h>

typedef CExtPopupMenuWnd M;

namespace
{
const UINT ID_NEW = ID_TEST_DEEP;   // "&Baru": shares B with "&Buka"
const UINT ID_ZERO = ID_TEST_SUB_A; // "&0 Nol"

// The thread's key state with the given keys held and every other key up.
void HoldKeys(std::initializer_list<int> keys)
{
    BYTE state[256] = {};
    for (int nKey : keys)
        state[nKey] = 0x80;
    ::SetKeyboardState(state);
}
} // namespace

class PopupKeysTest : public PopupTest
{
protected:
    void SetUp() override
    {
        PopupTest::SetUp();
        HoldKeys({});
    }
    void TearDown() override
    {
        HoldKeys({});
        M::g_bAccessByFirstLetter = false;
        PopupTest::TearDown();
    }
    CCountedPopup* Show(CCountedPopup* pMenu)
    {
        EXPECT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION, 100, 100));
        Site().SetAnimatingPopup(nullptr);
        pMenu->StopAnimation();
        return pMenu;
    }
    // A key handed over as the keyboard hook does; answers whether it was eaten. An opening
    // animation still marked running (its timer has not ticked here) is taken as finished.
    // The modifiers are set into the thread's key state just before.
    static bool Key(CExtPopupMenuWnd* pPopup, UINT vk, std::initializer_list<int> modifiers = {})
    {
        Site().SetAnimatingPopup(nullptr);
        HoldKeys(modifiers);
        bool bPassOn = false;
        return pPopup->HandleKey(vk, 1, ::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC), bPassOn) && !bPassOn;
    }
};

TEST_F(PopupKeysTest, UpAndDownSkipDisabledItemsAndWrapToTheNeighbourOfTheCurrentItem)
{
    CCountedPopup* pMenu = Show(NewMenu({ID_TEST_ENABLE_OFF, ID_TEST_SAVE, ID_TEST_EXIT}));
    ASSERT_FALSE(pMenu->GetItemAt(0).IsEnabled());
    pMenu->SetCurrentItem(2);
    EXPECT_TRUE(Key(pMenu, VK_DOWN));
    EXPECT_EQ(pMenu->GetCurrentItem(), 1);
    M::CancelMenuTracking();

    pMenu = Show(NewMenu({ID_TEST_OPEN, ID_TEST_SAVE, ID_TEST_ENABLE_OFF}));
    pMenu->SetCurrentItem(0);
    EXPECT_TRUE(Key(pMenu, VK_UP));
    EXPECT_EQ(pMenu->GetCurrentItem(), 1);
    M::CancelMenuTracking();

    pMenu = Show(NewMenu({ID_TEST_OPEN}));
    pMenu->SetCurrentItem(0);
    EXPECT_TRUE(Key(pMenu, VK_DOWN));
    EXPECT_TRUE(Key(pMenu, VK_UP));
    EXPECT_EQ(pMenu->GetCurrentItem(), 0);
    EXPECT_TRUE(M::IsMenuTracking());
}

TEST_F(PopupKeysTest, HomeEndAndSpaceDoNothingAndPageKeysOnlySelectTheFirstItem)
{
    CCountedPopup* pMenu = Show(NewMenu({ID_TEST_OPEN, ID_TEST_SAVE, ID_TEST_EXIT}));
    for (UINT vk : {VK_HOME, VK_END, VK_SPACE})
    {
        EXPECT_TRUE(Key(pMenu, vk));
        EXPECT_EQ(pMenu->GetCurrentItem(), -1);
    }
    EXPECT_TRUE(Key(pMenu, VK_NEXT));
    EXPECT_EQ(pMenu->GetCurrentItem(), 0);
    pMenu->SetCurrentItem(1);
    EXPECT_TRUE(Key(pMenu, VK_PRIOR));
    EXPECT_TRUE(Key(pMenu, VK_NEXT));
    EXPECT_TRUE(Key(pMenu, VK_END));
    EXPECT_EQ(pMenu->GetCurrentItem(), 1);
    Pump();
    EXPECT_TRUE(M::IsMenuTracking());
    EXPECT_TRUE(Recv().m_commands.empty());
}

TEST_F(PopupKeysTest, DownAtTheLastDisplayedItemExpandsAndCtrlDownExpandsAtOnce)
{
    CExtPopupMenuWnd::g_bHideRarelyUsed = true;
    for (int i = 0; i < 20; ++i)
    {
        Command(ID_TEST_OPEN)->IncrementUsage();
        Command(ID_TEST_EXIT)->IncrementUsage();
    }
    ASSERT_TRUE(Command(ID_TEST_SAVE)->IsRarelyUsed());
    CCountedPopup* pMenu = Show(NewMenu({ID_TEST_OPEN, ID_TEST_EXIT, ID_TEST_SAVE}));
    ASSERT_TRUE(pMenu->HasHiddenItems());
    pMenu->SetCurrentItem(1);
    EXPECT_TRUE(Key(pMenu, VK_DOWN));
    EXPECT_TRUE(pMenu->IsExpanded());
    EXPECT_EQ(pMenu->GetCurrentItem(), 2);
    EXPECT_EQ(Recv().m_nMenuExpanded, 1);
    M::CancelMenuTracking();

    pMenu = Show(NewMenu({ID_TEST_OPEN, ID_TEST_SAVE}));
    ASSERT_TRUE(pMenu->HasHiddenItems());
    EXPECT_TRUE(Key(pMenu, VK_DOWN, {VK_CONTROL}));
    EXPECT_TRUE(pMenu->IsExpanded());
    EXPECT_EQ(pMenu->GetCurrentItem(), -1);
    // Expanded: Ctrl+Down does nothing more.
    EXPECT_TRUE(Key(pMenu, VK_DOWN, {VK_CONTROL}));
    EXPECT_EQ(pMenu->GetCurrentItem(), -1);
}

TEST_F(PopupKeysTest, ZeroNeverSelectsAndASharedLetterMovesBetweenItsItems)
{
    Command(ID_NEW)->m_sMenuText = L"&Baru";
    Command(ID_ZERO)->m_sMenuText = L"&0 Nol";
    CCountedPopup* pMenu = Show(NewMenu({ID_TEST_OPEN, ID_TEST_SAVE, ID_NEW, ID_ZERO}));
    EXPECT_EQ(pMenu->ItemFindByAccessChar(L'0'), -1);
    EXPECT_TRUE(Key(pMenu, '0'));
    EXPECT_EQ(pMenu->GetCurrentItem(), -1);
    EXPECT_EQ(pMenu->ItemFindByAccessChar(L'b'), 0);
    EXPECT_EQ(pMenu->ItemFindByAccessChar(L'B', 0), 2);
    EXPECT_EQ(pMenu->ItemFindByAccessChar(L'B', 2), 0);
    EXPECT_TRUE(Key(pMenu, 'B'));
    EXPECT_EQ(pMenu->GetCurrentItem(), 0);
    EXPECT_TRUE(Key(pMenu, 'B'));
    EXPECT_EQ(pMenu->GetCurrentItem(), 2);
    EXPECT_TRUE(Key(pMenu, 'B'));
    EXPECT_EQ(pMenu->GetCurrentItem(), 0);
    Pump();
    EXPECT_TRUE(M::IsMenuTracking());
    EXPECT_TRUE(Recv().m_commands.empty());
}

TEST_F(PopupKeysTest, AnItemWithoutAmpersandIsReachedByItsFirstLetterOnlyWithTheOptionOn)
{
    Command(ID_TEST_EXIT)->m_sMenuText = L"Tutup";
    CCountedPopup* pMenu = Show(NewMenu({ID_TEST_OPEN, ID_TEST_EXIT}));
    ASSERT_FALSE(M::g_bAccessByFirstLetter);
    EXPECT_EQ(pMenu->ItemFindByAccessChar(L't'), -1);
    EXPECT_TRUE(Key(pMenu, 'T'));
    EXPECT_EQ(pMenu->GetCurrentItem(), -1);
    M::g_bAccessByFirstLetter = true;
    EXPECT_EQ(pMenu->ItemFindByAccessChar(L't'), 1);
    M::g_bAccessByFirstLetter = false;
}

TEST_F(PopupKeysTest, AltEndsTrackingWithoutACommand)
{
    CCountedPopup* pMenu = Show(NewMenuWithSubMenus());
    pMenu->SetCurrentItem(0);
    EXPECT_TRUE(Key(pMenu, VK_MENU));
    Pump();
    EXPECT_FALSE(M::IsMenuTracking());
    EXPECT_TRUE(Recv().m_commands.empty());
    EXPECT_EQ(CCountedPopup::s_nLive, 0);
}

TEST_F(PopupKeysTest, AUniqueLetterOpensASubMenuWithItsFirstItemOrChoosesACommand)
{
    CCountedPopup* pMenu = Show(NewMenuWithSubMenus());
    EXPECT_TRUE(Key(pMenu, 'L'));
    CExtPopupMenuWnd* pMore = pMenu->ItemGetPopup(2);
    ASSERT_NE(pMore->GetSafeHwnd(), nullptr);
    EXPECT_EQ(pMenu->GetCurrentItem(), 2);
    EXPECT_EQ(pMore->GetCurrentItem(), 0);
    EXPECT_EQ(Site().GetKeyboardPopup(), pMore);
    // "Sub &B" is unique in the sub-menu: the command ends tracking.
    EXPECT_TRUE(Key(pMore, 'B'));
    Pump();
    EXPECT_FALSE(M::IsMenuTracking());
    ASSERT_EQ(Recv().m_commands.size(), 1u);
    EXPECT_EQ(Recv().m_commands[0], (UINT)ID_TEST_SUB_B);
    EXPECT_EQ(CCountedPopup::s_nLive, 0);
}

TEST_F(PopupKeysTest, EnterChoosesTheCurrentCommandAndDoesNothingWithoutOne)
{
    CCountedPopup* pMenu = Show(NewMenu({ID_TEST_OPEN, ID_TEST_SAVE}));
    EXPECT_TRUE(Key(pMenu, VK_RETURN));
    Pump();
    EXPECT_TRUE(M::IsMenuTracking());
    pMenu->SetCurrentItem(1);
    EXPECT_TRUE(Key(pMenu, VK_RETURN));
    Pump();
    EXPECT_FALSE(M::IsMenuTracking());
    ASSERT_EQ(Recv().m_commands.size(), 1u);
    EXPECT_EQ(Recv().m_commands[0], (UINT)ID_TEST_SAVE);
}

TEST_F(PopupKeysTest, RightOpensTheSubMenuAndLeftClosesOnlyIt)
{
    CCountedPopup* pMenu = Show(NewMenuWithSubMenus());
    pMenu->SetCurrentItem(2);
    CExtPopupMenuWnd* pMore = pMenu->ItemGetPopup(2);
    ASSERT_EQ(pMore->GetSafeHwnd(), nullptr);
    EXPECT_TRUE(Key(pMenu, VK_RIGHT));
    ASSERT_NE(pMore->GetSafeHwnd(), nullptr);
    EXPECT_EQ(pMore->GetCurrentItem(), 0);
    EXPECT_EQ(Site().GetKeyboardPopup(), pMore);
    EXPECT_TRUE(Key(pMore, VK_LEFT));
    EXPECT_EQ(pMore->GetSafeHwnd(), nullptr);
    EXPECT_EQ(pMenu->GetCurrentItem(), 2);
    EXPECT_NE(pMenu->GetItemAt(2).m_nFlags & M::MENUITEMDATA::kFlagHighlighted, 0);
    EXPECT_EQ(Site().GetKeyboardPopup(), pMenu);
    EXPECT_TRUE(M::IsMenuTracking());
}

TEST_F(PopupKeysTest, EscapeInASubMenuClosesTheWholeChain)
{
    CCountedPopup* pMenu = Show(NewMenuWithSubMenus());
    pMenu->SetCurrentItem(2, true, true, true);
    CExtPopupMenuWnd* pMore = pMenu->ItemGetPopup(2);
    ASSERT_NE(pMore->GetSafeHwnd(), nullptr);
    EXPECT_TRUE(Key(pMore, VK_ESCAPE));
    Pump();
    EXPECT_FALSE(M::IsMenuTracking());
    EXPECT_TRUE(Recv().m_commands.empty());
    EXPECT_EQ(CCountedPopup::s_nLive, 0);
}

TEST_F(PopupKeysTest, CtrlOrShiftWithALetterIsSwallowed)
{
    CCountedPopup* pMenu = Show(NewMenu({ID_TEST_OPEN, ID_TEST_SAVE}));
    EXPECT_TRUE(Key(pMenu, 'S', {VK_CONTROL}));
    EXPECT_EQ(pMenu->GetCurrentItem(), -1);
    EXPECT_TRUE(Key(pMenu, 'S', {VK_SHIFT}));
    Pump();
    EXPECT_EQ(pMenu->GetCurrentItem(), -1);
    EXPECT_TRUE(M::IsMenuTracking());
    EXPECT_TRUE(Recv().m_commands.empty());
}

TEST_F(PopupKeysTest, NeighbourMenuMessagesArePostedOnlyWhileToolBarsTrack)
{
    CCountedPopup* pMenu = Show(NewMenu({ID_TEST_OPEN, ID_TEST_SAVE}));
    pMenu->SetCurrentItem(0);
    MSG msg;
    auto posted = [&](UINT message) {
        return ::PeekMessageW(&msg, Frame(), message, message, PM_REMOVE) != FALSE && msg.lParam == (LPARAM)pMenu;
    };
    EXPECT_TRUE(Key(pMenu, VK_RIGHT));
    EXPECT_TRUE(Key(pMenu, VK_LEFT));
    EXPECT_FALSE(posted(M::g_nMsgPopupNext));
    EXPECT_FALSE(posted(M::g_nMsgPopupPrev));
    CExtToolControlBar::g_bMenuTracking = true;
    EXPECT_TRUE(Key(pMenu, VK_RIGHT));
    EXPECT_TRUE(posted(M::g_nMsgPopupNext));
    EXPECT_TRUE(Key(pMenu, VK_LEFT));
    EXPECT_TRUE(posted(M::g_nMsgPopupPrev));
    CExtToolControlBar::g_bMenuTracking = false;
    EXPECT_TRUE(M::IsMenuTracking());
}

// Real keys through the keyboard hook: the owner is in the foreground, the menu runs its loop.
class PopupKeysInputTest : public PopupKeysTest
{
protected:
    UINT TrackAndType(CCountedPopup* pMenu, WORD vk)
    {
        CWnd owner;
        EXPECT_TRUE(
            owner.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP | WS_VISIBLE, CRect(40, 40, 400, 300), nullptr, 0));
        owner.SetForegroundWindow();
        Pump();
        RunInLoop([vk]() {
            SendKeyInput(vk, true);
            SendKeyInput(vk, false);
        });
        UINT nResult = 77;
        EXPECT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION | M::TRACK_DO_MESSAGE_LOOP, 120, 80, nullptr, nullptr,
                                          nullptr, &nResult));
        Pump();
        owner.DestroyWindow();
        return nResult;
    }
};

TEST_F(PopupKeysInputTest, EscapeEndsAModalMenuWithZero)
{
    EXPECT_EQ(TrackAndType(NewMenu({ID_TEST_OPEN, ID_TEST_SAVE}), VK_ESCAPE), 0u);
    EXPECT_FALSE(M::IsMenuTracking());
    EXPECT_TRUE(Recv().m_commands.empty());
    EXPECT_EQ(CCountedPopup::s_nLive, 0);
}

TEST_F(PopupKeysInputTest, AUniqueLetterChoosesItsCommand)
{
    EXPECT_EQ(TrackAndType(NewMenu({ID_TEST_OPEN, ID_TEST_SAVE}), 'S'), (UINT)ID_TEST_SAVE);
    ASSERT_EQ(Recv().m_commands.size(), 1u);
    EXPECT_EQ(Recv().m_commands[0], (UINT)ID_TEST_SAVE);
    EXPECT_EQ(CCountedPopup::s_nLive, 0);
}
