// Real keys typed into an open menu without a pause between them: every press moves the highlight
// and Enter delivers the command of the item reached.
#include "PopupTestSupport.h"
#include "support/InputScript.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include <gtest/gtest.h>

typedef CExtPopupMenuWnd M;

namespace
{
// Presses and releases each key in turn, all in one batch of input.
void TypeKeys(const std::vector<WORD>& keys)
{
    std::vector<INPUT> input;
    for (WORD vk : keys)
        for (DWORD dwFlags : {(DWORD)0, (DWORD)KEYEVENTF_KEYUP})
        {
            INPUT in = {};
            in.type = INPUT_KEYBOARD;
            in.ki.wVk = vk;
            in.ki.wScan = (WORD)::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
            in.ki.dwFlags = dwFlags;
            input.push_back(in);
        }
    ::SendInput((UINT)input.size(), input.data(), sizeof(INPUT));
}
} // namespace

class PopupTypeAheadTest : public PopupTest
{
protected:
    void SetUp() override
    {
        PopupTest::SetUp();
        // The keys go to the thread of the foreground window.
        ASSERT_TRUE(m_focus.CreateEx(0, AfxRegisterWndClass(0), L"fokus", WS_POPUP | WS_VISIBLE,
                                     CRect(1000, 900, 1040, 940), nullptr, 0));
        ::SetForegroundWindow(m_focus.GetSafeHwnd());
        m_focus.SetFocus();
        Pump();
    }
    void TearDown() override
    {
        PopupTest::TearDown();
        m_focus.DestroyWindow();
    }
    CWnd m_focus;
};

TEST_F(PopupTypeAheadTest, FourDownsAndEnterTypedAtOnceDeliverTheFifthItemsCommand)
{
    const std::vector<UINT> ids = {ID_TEST_OPEN,  ID_TEST_SAVE,  ID_TEST_EXIT,
                                   ID_TEST_SUB_A, ID_TEST_SUB_B, ID_TEST_DEEP};
    for (UINT nFlags : {(UINT)M::TRACK_NO_ANIMATION, (UINT)0})
    {
        Recv().m_commands.clear();
        CCountedPopup* pMenu = NewMenu(ids);
        ASSERT_TRUE(pMenu->TrackPopupMenu(nFlags | M::TRACK_SELECT_ANY, 100, 100));
        ASSERT_EQ(pMenu->GetCurrentItem(), 0);
        RunInputScript([]() {
            TypeKeys({VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
            EXPECT_TRUE(SyncInput());
        });
        EXPECT_TRUE(WaitFor([]() { return !M::IsMenuTracking(); })) << nFlags;
        Pump();
        EXPECT_EQ(Recv().m_commands, std::vector<UINT>{ID_TEST_SUB_B}) << nFlags;
        M::CancelMenuTracking();
    }
}

// Keys already waiting when a drop-down has no room below and opens again above: the menu handles
// them once it is placed, none goes to another window meanwhile.
TEST_F(PopupTypeAheadTest, KeysWaitingWhileADropDownMovesAboveItsOwnerMoveItsHighlight)
{
    CExtPaintManager::MonitorParms mp;
    CExtPaintManager::GetMonitorParmsFromPoint(mp, CPoint(10, 10));
    const CRect rcOwner(200, mp.m_rcWorkArea.bottom - 30, 280, mp.m_rcWorkArea.bottom - 6);
    TypeKeys({VK_DOWN, VK_DOWN});
    // Not pumped: the keys wait in this thread's queue until the menu is placed.
    for (DWORD dwStart = ::GetTickCount(); (HIWORD(::GetQueueStatus(QS_KEY)) & QS_KEY) == 0;)
    {
        ASSERT_LT(::GetTickCount() - dwStart, kInputWaitMs) << "the keys never reached the thread";
        ::Sleep(5);
    }
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN, ID_TEST_SAVE, ID_TEST_EXIT, ID_TEST_SUB_A});
    ASSERT_TRUE(
        pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION | M::TRACK_SELECT_ANY | M::TRACK_ALIGN_BELOW, 0, 0, &rcOwner));
    CRect rc;
    pMenu->GetWindowRect(&rc);
    ASSERT_LE(rc.bottom - pMenu->GetShadowSize(), rcOwner.top + 1) << "the menu did not move above";
    EXPECT_TRUE(WaitFor([pMenu]() { return pMenu->GetCurrentItem() == 2; })) << pMenu->GetCurrentItem();
    M::CancelMenuTracking();
}
