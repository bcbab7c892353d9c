// The keyboard hook procedure called directly: releases, the 20 ms thinning of auto-repeat, fresh
// presses at once, a key during the opening animation, the keyboard popup, and modifier releases with
// no menu.
#include "PopupTestSupport.h"
#include <gtest/gtest.h>

typedef CExtPopupMenuWnd M;
typedef CExtPopupMenuTrackingSite S;

namespace
{
const LPARAM kPress = 1;
const LPARAM kRepeat = (LPARAM)0x40000001; // the key was already down
const LPARAM kRelease = (LPARAM)0xC0000001;
} // namespace

class PopupKeyboardHookTest : public PopupTest
{
protected:
    // A key long after the last one.
    static LRESULT Key(WPARAM vk, LPARAM lParam = kPress)
    {
        S::g_dwLastKeyTick = ::GetTickCount() - 1000;
        return S::KeyboardHookProc(HC_ACTION, vk, lParam);
    }
    // An auto-repeat of vk right after the last key (the handling of that key may take longer on a busy machine).
    static LRESULT RepeatAtOnce(WPARAM vk)
    {
        S::g_dwLastKeyTick = ::GetTickCount();
        return S::KeyboardHookProc(HC_ACTION, vk, kRepeat);
    }
};

TEST_F(PopupKeyboardHookTest, ReleasesAreEatenAndNotHandedOver)
{
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN});
    ASSERT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION, 100, 100));
    EXPECT_EQ(Key(VK_DOWN, kRelease), 1);
    EXPECT_TRUE(pMenu->m_keys.empty());
    EXPECT_EQ(Key(VK_DOWN), 1);
    ASSERT_EQ(pMenu->m_keys.size(), 1u);
    EXPECT_EQ(pMenu->m_keys[0], (UINT)VK_DOWN);
}

TEST_F(PopupKeyboardHookTest, AnAutoRepeatAtOnceIsEatenUnlessTheFocusIsInAPopupsChild)
{
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN});
    ASSERT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION, 100, 100));
    EXPECT_EQ(Key(VK_DOWN), 1);
    EXPECT_EQ(RepeatAtOnce(VK_DOWN), 1);
    ASSERT_EQ(pMenu->m_keys.size(), 1u);

    CWnd edit;
    ASSERT_TRUE(edit.Create(L"EDIT", L"", WS_CHILD | WS_VISIBLE, CRect(2, 2, 40, 16), pMenu, 5));
    edit.SetFocus();
    if (::GetFocus() != edit.GetSafeHwnd())
        GTEST_SKIP() << "the focus cannot be put into the popup's child here";
    // The menu hands the arrow on to the focused edit.
    EXPECT_EQ(RepeatAtOnce(VK_UP), 0);
    ASSERT_EQ(pMenu->m_keys.size(), 2u);
    EXPECT_EQ(pMenu->m_keys[1], (UINT)VK_UP);
    edit.DestroyWindow();
}

TEST_F(PopupKeyboardHookTest, FreshPressesAtOnceAreAllHandedOverInOrder)
{
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN, ID_TEST_SAVE});
    ASSERT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION, 100, 100));
    EXPECT_EQ(Key(VK_DOWN), 1);
    EXPECT_EQ(S::KeyboardHookProc(HC_ACTION, VK_DOWN, kPress), 1);
    EXPECT_EQ(S::KeyboardHookProc(HC_ACTION, VK_UP, kPress), 1);
    EXPECT_EQ(pMenu->m_keys, (std::vector<UINT>{VK_DOWN, VK_DOWN, VK_UP}));
    EXPECT_EQ(pMenu->GetCurrentItem(), 0);
}

TEST_F(PopupKeyboardHookTest, AKeyDuringTheOpeningAnimationEndsItAndIsHandled)
{
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN, ID_TEST_SAVE, ID_TEST_EXIT});
    ASSERT_TRUE(pMenu->TrackPopupMenu(0, 100, 100));
    ASSERT_EQ(Site().GetAnimatingPopup(), pMenu);
    EXPECT_EQ(Key(VK_DOWN), 1);
    EXPECT_TRUE(pMenu->IsAnimationFinished());
    EXPECT_EQ(Site().GetAnimatingPopup(), nullptr);
    EXPECT_EQ(S::KeyboardHookProc(HC_ACTION, VK_DOWN, kPress), 1);
    EXPECT_EQ(pMenu->m_keys, (std::vector<UINT>{VK_DOWN, VK_DOWN}));
    EXPECT_EQ(pMenu->GetCurrentItem(), 1);
}

TEST_F(PopupKeyboardHookTest, KeysGoToTheKeyboardPopup)
{
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN});
    auto* pSub = new CCountedPopup;
    ASSERT_TRUE(pMenu->InsertSubMenu(pSub, -1, L"&Lainnya"));
    ASSERT_TRUE(pSub->InsertItem(ID_TEST_SUB_A));
    ASSERT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION, 100, 100));
    pMenu->SetCurrentItem(1, true, false, true);
    ASSERT_EQ(Site().GetKeyboardPopup(), pSub);
    EXPECT_EQ(Key(VK_RIGHT), 1);
    EXPECT_TRUE(pMenu->m_keys.empty());
    ASSERT_EQ(pSub->m_keys.size(), 1u);
    EXPECT_EQ(pSub->m_keys[0], (UINT)VK_RIGHT);
}

TEST_F(PopupKeyboardHookTest, WithNoMenuPressesAreEatenAndAModifierReleasePassesOn)
{
    ASSERT_FALSE(M::IsMenuTracking());
    EXPECT_EQ(Key(VK_DOWN), 1);
    // Plain release: eaten; a release with the Alt context bit: passed on.
    EXPECT_EQ(Key(VK_DOWN, kRelease), 1);
    EXPECT_EQ(Key(VK_MENU, kRelease | (1 << 29)), 0);
    CExtToolControlBar::g_bMenuTracking = true;
    EXPECT_EQ(Key(VK_MENU, kRelease | (1 << 29)), 1);
    CExtToolControlBar::g_bMenuTracking = false;
    EXPECT_TRUE(M::IsKeyEventWithModifier(1 << 29));
}
