// The undo/redo popup: the chosen run of actions by hover, keys, drag timers and scrolling, the
// caption that counts it, and how the list ends.
#include "SpecialPopupTestSupport.h"
#include "toolkit/menus_dialogs/ExtPopupUndoRedoListBox.h"
#include "toolkit/menus_dialogs/ExtPopupUndoRedoMenuWnd.h"
#include <gtest/gtest.h>

typedef CExtPopupInplaceListBox L;
typedef CExtPopupUndoRedoListBox UL;
typedef CExtPopupUndoRedoMenuWnd UP;

namespace
{
const int kItemHeight = 16;
const int kVisible = 5; // items the list shows
} // namespace

class PopupUndoRedoTest : public SpecialPopupTest
{
protected:
    void SetUp() override
    {
        SpecialPopupTest::SetUp();
        m_recorder.m_onMessage = [this](UINT nMsg, WPARAM wParam, LPARAM lParam) -> LRESULT {
            (void)lParam;
            if (nMsg == L::g_nMsgPopupListBoxInitContent)
            {
                for (int i = 0; i < m_nItems; ++i)
                {
                    CString s;
                    s.Format(L"Aksi %d", i);
                    ((L*)wParam)->AddString(s);
                }
            }
            else if (nMsg == L::g_nMsgPopupListBoxItemMeasure)
                ((L::ItemMeasureInfo_t*)wParam)->m_pMIS->itemHeight = kItemHeight;
            else if (nMsg == L::g_nMsgPopupListBoxSelEndOK || nMsg == L::g_nMsgPopupListBoxSelEndCancel)
                m_ends.push_back(nMsg);
            return 0;
        };
    }
    // A shown undo popup of n actions with the first one chosen.
    UL* ShowList(int nItems)
    {
        m_nItems = nItems;
        m_pPopup = new UP;
        EXPECT_TRUE(m_pPopup->CreatePopupMenu(m_recorder.m_hWnd));
        m_pPopup->m_nControlHeight = kVisible * kItemHeight;
        EXPECT_TRUE(Show(m_pPopup));
        UL* pList = (UL*)m_pPopup->GetListBox();
        EXPECT_NE(pList, nullptr);
        if (pList != nullptr)
            pList->ChooseUpTo(0);
        return pList;
    }
    bool Key(UINT nChar)
    {
        bool bPassOn = false;
        return m_pPopup->HandleKey(nChar, 1, 0, bPassOn);
    }
    static LPARAM At(int x, int y) { return MAKELPARAM((WORD)(short)x, (WORD)(short)y); }

    CMessageRecorder m_recorder;
    int m_nItems = 0;
    UP* m_pPopup = nullptr;
    std::vector<UINT> m_ends;
};

TEST_F(PopupUndoRedoTest, HoveringItem4ChoosesFiveActionsAndTheCaptionSaysSo)
{
    UL* pList = ShowList(10);
    CRecordingPaintManager::s_captions.clear();
    pList->SendMessage(WM_MOUSEMOVE, 0, At(10, 4 * kItemHeight + 3));
    EXPECT_EQ(pList->GetSelCount(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_NE(pList->GetSel(i), 0) << i;
    EXPECT_EQ(pList->GetSel(5), 0);
    EXPECT_EQ(m_pPopup->GetChosenCount(), 5);
    ASSERT_FALSE(CRecordingPaintManager::s_captions.empty());
    EXPECT_EQ(CRecordingPaintManager::s_captions.back().first, CString(L"Undo 5 Actions"));
}

TEST_F(PopupUndoRedoTest, TheCaptionLies24PixelsHighUnderTheList)
{
    UL* pList = ShowList(3);
    CRect rcList;
    pList->GetWindowRect(&rcList);
    m_pPopup->ScreenToClient(&rcList);
    const CRect rcCaption = m_pPopup->GetCaptionRect();
    EXPECT_EQ(rcCaption, CRect(rcList.left, rcList.bottom, rcList.right, rcList.bottom + 24));
    CRecordingPaintManager::s_captions.clear();
    m_pPopup->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_FALSE(CRecordingPaintManager::s_captions.empty());
    EXPECT_EQ(CRecordingPaintManager::s_captions.back().second, rcCaption);
    EXPECT_EQ(CRecordingPaintManager::s_captions.back().first, CString(L"Undo 1 Actions"));
    CSize size;
    m_pPopup->CalcWindowSize(size);
    const int nFrame = 2 * m_pPopup->GetMenuBorderSize() + m_pPopup->GetShadowSize();
    EXPECT_EQ(size, CSize(150 + nFrame + 2, kVisible * kItemHeight + nFrame + 24 + 2));
}

TEST_F(PopupUndoRedoTest, UpKeepsOneHomeLeavesOneEndChoosesAll)
{
    UL* pList = ShowList(7);
    EXPECT_FALSE(Key(VK_UP));
    EXPECT_EQ(pList->GetSelCount(), 1);
    EXPECT_FALSE(Key(VK_DOWN));
    EXPECT_FALSE(Key(VK_DOWN));
    EXPECT_EQ(pList->GetSelCount(), 3);
    EXPECT_FALSE(Key(VK_HOME));
    EXPECT_EQ(pList->GetSelCount(), 1);
    EXPECT_EQ(pList->GetTopIndex(), 0);
    EXPECT_FALSE(Key(VK_END));
    EXPECT_EQ(pList->GetSelCount(), 7);
    EXPECT_EQ(m_pPopup->GetChosenCount(), 7);
    EXPECT_FALSE(Key(VK_DOWN)); // nothing beyond the last
    EXPECT_EQ(pList->GetSelCount(), 7);
}

TEST_F(PopupUndoRedoTest, PageKeysMoveByAPageAndNeverBeyondTheLastItem)
{
    UL* pList = ShowList(12);
    const int v = pList->GetLastVisibleItem();
    ASSERT_EQ(v, kVisible - 1);
    EXPECT_FALSE(Key(VK_NEXT)); // s 1, page 5: up to 1 + 5 - 2 = 4
    EXPECT_EQ(pList->GetSelCount(), 5);
    EXPECT_EQ(pList->GetTopIndex(), 0);
    EXPECT_FALSE(Key(VK_NEXT)); // up to 8, top 8 - 5 + 1 = 4
    EXPECT_EQ(pList->GetSelCount(), 9);
    EXPECT_EQ(pList->GetTopIndex(), 4);
    EXPECT_FALSE(Key(VK_NEXT)); // 9 + 5 - 2 = 12, at most 11
    EXPECT_EQ(pList->GetSelCount(), 12);
    const int t = pList->GetTopIndex(), vNow = pList->GetLastVisibleItem();
    EXPECT_FALSE(Key(VK_PRIOR)); // 12 - 1 - (v - t)
    EXPECT_EQ(pList->GetSelCount(), std::max(0, 12 - 1 - (vNow - t)) + 1);
    EXPECT_FALSE(Key(VK_PRIOR));
    EXPECT_FALSE(Key(VK_PRIOR));
    EXPECT_EQ(pList->GetSelCount(), 1);
    EXPECT_EQ(pList->GetTopIndex(), 0);
}

TEST_F(PopupUndoRedoTest, DraggingOutsideRunsTheScrollTimersAtTheirIntervals)
{
    UL* pList = ShowList(20);
    CRect rcClient;
    pList->GetClientRect(&rcClient);
    pList->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(10, 3));
    ASSERT_TRUE(pList->m_bTracking);
    pList->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(10, -25));
    EXPECT_EQ(pList->m_nTimerFlags, UL::TIMER_FLAG_UP);
    EXPECT_EQ(pList->m_nUpInterval, 200);
    pList->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(10, rcClient.bottom + 45));
    EXPECT_EQ(pList->m_nTimerFlags, UL::TIMER_FLAG_UP | UL::TIMER_FLAG_DOWN);
    EXPECT_EQ(pList->m_nDownInterval, 50);
    pList->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(10, 20));
    EXPECT_EQ(pList->m_nTimerFlags, 0);
    EXPECT_EQ(UL::AutoScrollInterval(5), 500);
    EXPECT_EQ(UL::AutoScrollInterval(15), 300);
    EXPECT_EQ(UL::AutoScrollInterval(35), 100);
}

TEST_F(PopupUndoRedoTest, TheTimersMoveTheTopIndexAndTheChoice)
{
    UL* pList = ShowList(20);
    pList->SendMessage(WM_TIMER, UL::ID_TIMER_SCROLL_DOWN, 0);
    EXPECT_EQ(pList->GetTopIndex(), 1);
    EXPECT_EQ(pList->GetSelCount(), kVisible + 1);
    pList->SendMessage(WM_TIMER, UL::ID_TIMER_SCROLL_UP, 0);
    EXPECT_EQ(pList->GetTopIndex(), 0);
    EXPECT_EQ(pList->GetSelCount(), 1);
    pList->SendMessage(WM_TIMER, UL::ID_TIMER_SCROLL_UP, 0); // at the top: nothing
    EXPECT_EQ(pList->GetTopIndex(), 0);
    EXPECT_EQ(pList->GetSelCount(), 1);
}

TEST_F(PopupUndoRedoTest, AReleaseWithoutAPressInTheListEndsNothingWithAPressItEndsWithOK)
{
    UL* pList = ShowList(5);
    pList->SendMessage(WM_LBUTTONUP, 0, At(10, 3));
    Pump();
    EXPECT_TRUE(m_ends.empty());
    EXPECT_FALSE(Site().IsEmpty());
    pList->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(10, 3));
    pList->SendMessage(WM_LBUTTONUP, 0, At(10, 3));
    Pump();
    EXPECT_EQ(m_ends, std::vector<UINT>{L::g_nMsgPopupListBoxSelEndOK});
    EXPECT_TRUE(Site().IsEmpty());
}

TEST_F(PopupUndoRedoTest, EscapeAltAndCancelModeCancel)
{
    ShowList(5);
    EXPECT_TRUE(Key(VK_ESCAPE));
    ShowList(5);
    EXPECT_TRUE(Key(VK_MENU));
    UL* pList = ShowList(5);
    pList->SendMessage(WM_CANCELMODE, 0, 0);
    Pump();
    EXPECT_EQ(m_ends, std::vector<UINT>(3, L::g_nMsgPopupListBoxSelEndCancel));
    EXPECT_TRUE(Site().IsEmpty());
}
