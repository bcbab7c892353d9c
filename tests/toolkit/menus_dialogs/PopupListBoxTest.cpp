// The list popup: content, ends and changes through callbacks and messages, the mouse with and
// without capture, the keys and the wheel handed over by the popup, and the combo-like menu item.
#include "SpecialPopupTestSupport.h"
#include "support/InputScript.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/menus_dialogs/ExtPopupListBoxMenuWnd.h"
#include <gtest/gtest.h>

typedef CExtPopupInplaceListBox L;
typedef CExtPopupListBoxMenuWnd LBP;

namespace
{
const LPARAM kHighCookie = (LPARAM)0x7123456789ABLL;
const int kItemHeight = 16;

struct CallbackLog
{
    std::vector<int> m_kinds;
    bool m_bAnswer = false;
    int m_nDrawn = 0;
    int m_nMeasured = 0;
};

bool OnSelection(L& wndListBox, LPVOID pCookie, int nKind)
{
    (void)wndListBox;
    auto* pLog = (CallbackLog*)pCookie;
    pLog->m_kinds.push_back(nKind);
    return pLog->m_bAnswer;
}

bool OnDraw(L& wndListBox, LPVOID pCookie, LPDRAWITEMSTRUCT pDIS)
{
    (void)wndListBox;
    (void)pDIS;
    ++((CallbackLog*)pCookie)->m_nDrawn;
    return true;
}

bool OnMeasure(L& wndListBox, LPVOID pCookie, LPMEASUREITEMSTRUCT pMIS)
{
    (void)wndListBox;
    pMIS->itemHeight = kItemHeight;
    ++((CallbackLog*)pCookie)->m_nMeasured;
    return true;
}

INPUT WheelInput(int nDelta)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.mouseData = (DWORD)nDelta;
    in.mi.dwFlags = MOUSEEVENTF_WHEEL;
    return in;
}
} // namespace

class PopupListBoxTest : public SpecialPopupTest
{
protected:
    void SetUp() override
    {
        SpecialPopupTest::SetUp();
        // The receiver fills the list with m_nItems strings, measures the items and records the ends.
        m_recorder.m_onMessage = [this](UINT nMsg, WPARAM wParam, LPARAM lParam) -> LRESULT {
            const bool bListMessage =
                nMsg == L::g_nMsgPopupListBoxInitContent || nMsg == L::g_nMsgPopupListBoxItemMeasure ||
                nMsg == L::g_nMsgPopupListBoxItemDraw || nMsg == L::g_nMsgPopupListBoxSelEndOK ||
                nMsg == L::g_nMsgPopupListBoxSelEndCancel || nMsg == L::g_nMsgPopupListBoxSelChange;
            if (bListMessage)
            {
                EXPECT_EQ(lParam, kHighCookie);
            }
            if (nMsg == L::g_nMsgPopupListBoxInitContent)
            {
                for (int i = 0; i < m_nItems; ++i)
                {
                    CString s;
                    s.Format(L"Butir %d", i);
                    ((L*)wParam)->AddString(s);
                }
            }
            else if (nMsg == L::g_nMsgPopupListBoxItemMeasure)
                ((L::ItemMeasureInfo_t*)wParam)->m_pMIS->itemHeight = kItemHeight;
            else if (nMsg == L::g_nMsgPopupListBoxSelEndOK || nMsg == L::g_nMsgPopupListBoxSelEndCancel ||
                     nMsg == L::g_nMsgPopupListBoxSelChange)
                m_ends.emplace_back(nMsg, (int)((L::SelectionInfo_t*)wParam)->m_nIndex);
            return 0;
        };
        g_PaintManagerHolder.m_bWheelLinesCached = true;
        g_PaintManagerHolder.m_nWheelScrollLines = 3;
    }
    void TearDown() override
    {
        SpecialPopupTest::TearDown();
        g_PaintManagerHolder.m_bWheelLinesCached = false;
    }
    LBP* NewPopup(int nItems, bool bCallbacks = false)
    {
        m_nItems = nItems;
        auto* pPopup = new LBP(kHighCookie);
        EXPECT_TRUE(pPopup->CreatePopupMenu(m_recorder.m_hWnd));
        pPopup->m_nControlHeight = 10 * kItemHeight;
        if (bCallbacks)
        {
            pPopup->m_pCbSelection = &OnSelection;
            pPopup->m_pSelectionCookie = &m_log;
            pPopup->m_pCbDraw = &OnDraw;
            pPopup->m_pCbMeasure = &OnMeasure;
            pPopup->m_pDrawingCookie = &m_log;
        }
        return pPopup;
    }
    static bool Key(CExtPopupMenuWnd* pPopup, UINT nChar)
    {
        bool bPassOn = false;
        return pPopup->HandleKey(nChar, 1, 0, bPassOn);
    }
    // Whether the tracking hook eats the wheel: a true answer, or false without pass-on.
    static bool Wheel(CExtPopupMenuWnd* pPopup, int nDelta)
    {
        MOUSEHOOKSTRUCTEX mhs = {};
        mhs.mouseData = MAKELONG(0, (WORD)(short)nDelta);
        bool bWheelPassOn = false;
        return pPopup->OnMouseWheel(WM_MOUSEWHEEL, (LPARAM)&mhs, bWheelPassOn) || !bWheelPassOn;
    }
    static LPARAM At(int x, int y) { return MAKELPARAM((WORD)(short)x, (WORD)(short)y); }
    size_t Ends(UINT nMsg) const
    {
        size_t n = 0;
        for (const auto& e : m_ends)
            n += e.first == nMsg ? 1 : 0;
        return n;
    }

    CMessageRecorder m_recorder;
    int m_nItems = 0;
    std::vector<std::pair<UINT, int>> m_ends;
    CallbackLog m_log;
};

TEST_F(PopupListBoxTest, AnEmptyListIgnoresButtonsEatsTheWheelAndEndsWithMinus1OnEnter)
{
    LBP* pPopup = NewPopup(0);
    ASSERT_TRUE(Show(pPopup));
    L* pList = pPopup->GetListBox();
    ASSERT_NE(pList, nullptr);
    EXPECT_EQ(pPopup->GetControlWnd(), pList->GetSafeHwnd());
    pList->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    EXPECT_NE(::GetCapture(), pList->GetSafeHwnd());
    pList->SendMessage(WM_LBUTTONUP, 0, At(10, 10));
    EXPECT_TRUE(m_ends.empty());
    EXPECT_TRUE(Wheel(pPopup, -WHEEL_DELTA));
    EXPECT_TRUE(Key(pPopup, VK_RETURN));
    Pump();
    ASSERT_EQ(m_ends.size(), 1u);
    EXPECT_EQ(m_ends[0], std::make_pair(L::g_nMsgPopupListBoxSelEndOK, -1));
    EXPECT_TRUE(Site().IsEmpty());
}

TEST_F(PopupListBoxTest, DraggingAboveOrBelowTheListScrollsOneItemPerMove)
{
    LBP* pPopup = NewPopup(50);
    ASSERT_TRUE(Show(pPopup));
    L* pList = pPopup->GetListBox();
    ASSERT_EQ(pList->GetCount(), 50);
    pList->SetTopIndex(10);
    pList->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(10, 5));
    ASSERT_EQ(::GetCapture(), pList->GetSafeHwnd());
    pList->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(10, -5));
    EXPECT_EQ(pList->GetCurSel(), 9);
    EXPECT_EQ(pList->GetTopIndex(), 9);
    pList->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(10, -5));
    EXPECT_EQ(pList->GetTopIndex(), 8);
    CRect rcClient;
    pList->GetClientRect(&rcClient);
    const int nTop = pList->GetTopIndex();
    pList->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(10, rcClient.bottom + 5));
    EXPECT_EQ(pList->GetCurSel(), nTop + rcClient.Height() / kItemHeight);
    EXPECT_EQ(pList->GetTopIndex(), nTop + 1);
    pList->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(10, rcClient.bottom + 5));
    EXPECT_EQ(pList->GetTopIndex(), nTop + 2);
    // A release outside the items ends nothing, on an item it ends with OK.
    pList->SendMessage(WM_LBUTTONUP, 0, At(10, -5));
    EXPECT_EQ(Ends(L::g_nMsgPopupListBoxSelEndOK), 0u);
    pList->SendMessage(WM_LBUTTONUP, 0, At(10, kItemHeight / 2));
    Pump();
    EXPECT_EQ(Ends(L::g_nMsgPopupListBoxSelEndOK), 1u);
    EXPECT_EQ(Ends(L::g_nMsgPopupListBoxSelEndCancel), 0u);
    EXPECT_TRUE(Site().IsEmpty());
}

TEST_F(PopupListBoxTest, WithoutCaptureAMoveOutsideTheItemsChangesNothing)
{
    LBP* pPopup = NewPopup(3);
    ASSERT_TRUE(Show(pPopup));
    L* pList = pPopup->GetListBox();
    pList->SendMessage(WM_MOUSEMOVE, 0, At(10, kItemHeight + 3));
    EXPECT_EQ(pList->GetCurSel(), 1);
    pList->SendMessage(WM_MOUSEMOVE, 0, At(10, 8 * kItemHeight));
    EXPECT_EQ(pList->GetCurSel(), 1);
    EXPECT_EQ(Ends(L::g_nMsgPopupListBoxSelChange), 1u);
}

TEST_F(PopupListBoxTest, AClickOutsideGivesOneCancelADestructionAfterAnEndGivesNone)
{
    LBP* pPopup = NewPopup(5, true);
    ASSERT_TRUE(Show(pPopup));
    bool bPassOn = false;
    EXPECT_FALSE(pPopup->HandleMouseClick(WM_LBUTTONDOWN, -300, -300, bPassOn));
    Pump();
    EXPECT_TRUE(Site().IsEmpty());
    EXPECT_EQ(m_log.m_kinds, std::vector<int>{L::SEL_END_CANCEL});

    m_log.m_kinds.clear();
    m_log.m_bAnswer = true;
    pPopup = NewPopup(5, true);
    ASSERT_TRUE(Show(pPopup));
    EXPECT_FALSE(Key(pPopup, VK_DOWN));
    EXPECT_TRUE(Key(pPopup, VK_RETURN));
    ASSERT_FALSE(Site().IsEmpty()); // the callback took the end: the popup stays
    EXPECT_EQ(m_log.m_kinds, (std::vector<int>{L::SEL_CHANGED, L::SEL_END_OK}));
    EXPECT_TRUE(m_ends.empty());
    CExtPopupMenuWnd::CancelMenuTracking();
    EXPECT_EQ(m_log.m_kinds.size(), 2u);
}

TEST_F(PopupListBoxTest, CallbacksThatAnswerTrueSuppressTheMessages)
{
    m_log.m_bAnswer = true;
    LBP* pPopup = NewPopup(5, true);
    ASSERT_TRUE(Show(pPopup));
    EXPECT_GT(m_log.m_nMeasured, 0);
    EXPECT_GT(m_log.m_nDrawn, 0);
    EXPECT_EQ(m_recorder.Count(L::g_nMsgPopupListBoxItemMeasure), 0u);
    EXPECT_EQ(m_recorder.Count(L::g_nMsgPopupListBoxItemDraw), 0u);
    EXPECT_FALSE(Key(pPopup, VK_DOWN));
    EXPECT_TRUE(Key(pPopup, VK_ESCAPE));
    EXPECT_FALSE(Site().IsEmpty());
    EXPECT_TRUE(m_ends.empty());
}

TEST_F(PopupListBoxTest, MessagesCarryTheMessageCookieAboveFourGigabytes)
{
    LBP* pPopup = NewPopup(5);
    ASSERT_TRUE(Show(pPopup));
    EXPECT_EQ(m_recorder.Count(L::g_nMsgPopupListBoxInitContent), 1u);
    EXPECT_GT(m_recorder.Count(L::g_nMsgPopupListBoxItemMeasure), 0u);
    EXPECT_GT(m_recorder.Count(L::g_nMsgPopupListBoxItemDraw), 0u);
    for (UINT nMsg :
         {L::g_nMsgPopupListBoxInitContent, L::g_nMsgPopupListBoxItemMeasure, L::g_nMsgPopupListBoxItemDraw})
        for (const RecordedMessage& m : m_recorder.Of(nMsg))
            EXPECT_EQ(m.m_lParam, kHighCookie);
}

TEST_F(PopupListBoxTest, KeysReachTheListThroughThePopup)
{
    LBP* pPopup = NewPopup(20);
    ASSERT_TRUE(Show(pPopup));
    L* pList = pPopup->GetListBox();
    EXPECT_FALSE(Key(pPopup, VK_DOWN));
    EXPECT_FALSE(Key(pPopup, VK_DOWN));
    EXPECT_EQ(pList->GetCurSel(), 1);
    EXPECT_FALSE(Key(pPopup, VK_END));
    EXPECT_EQ(pList->GetCurSel(), 19);
    EXPECT_FALSE(Key(pPopup, VK_UP));
    EXPECT_EQ(pList->GetCurSel(), 18);
    EXPECT_EQ(Ends(L::g_nMsgPopupListBoxSelChange), 4u);
    EXPECT_EQ(m_ends.back().second, 18);
    // Typing jumps to the first item of the letter after the current one ("Butir 19" after 18).
    EXPECT_FALSE(Key(pPopup, 'B'));
    EXPECT_EQ(pList->GetCurSel(), 19);
    // Right does nothing.
    EXPECT_TRUE(Key(pPopup, VK_RIGHT));
    EXPECT_EQ(pList->GetCurSel(), 19);
    EXPECT_FALSE(Site().IsEmpty());
    EXPECT_EQ(Ends(L::g_nMsgPopupListBoxSelEndOK) + Ends(L::g_nMsgPopupListBoxSelEndCancel), 0u);
}

TEST_F(PopupListBoxTest, OneNotchWithThreeScrollLinesMovesTwoItems)
{
    LBP* pPopup = NewPopup(40);
    ASSERT_TRUE(Show(pPopup));
    L* pList = pPopup->GetListBox();
    EXPECT_TRUE(Wheel(pPopup, -WHEEL_DELTA));
    EXPECT_EQ(pList->GetTopIndex(), 2);
    EXPECT_TRUE(Wheel(pPopup, WHEEL_DELTA));
    EXPECT_EQ(pList->GetTopIndex(), 0);
    EXPECT_TRUE(Wheel(pPopup, WHEEL_DELTA)); // at the top: moves nothing, still eaten
    EXPECT_EQ(pList->GetTopIndex(), 0);
}

TEST_F(PopupListBoxTest, ARealWheelTurnMovesTheListAndReachesNoOtherWindow)
{
    CWheelCounter below;
    ASSERT_TRUE(below.Create());
    below.SetForegroundWindow();
    below.SetFocus();
    Pump();
    LBP* pPopup = NewPopup(40);
    ASSERT_TRUE(Show(pPopup, 550, 250));
    L* pList = pPopup->GetListBox();
    CRect rcList;
    pList->GetWindowRect(&rcList);
    const CPoint pt = rcList.CenterPoint();
    RunInputScript([&]() {
        SendMouse(pt.x, pt.y, 0);
        INPUT in = WheelInput(-WHEEL_DELTA);
        ASSERT_EQ(::SendInput(1, &in, sizeof(INPUT)), 1u);
        EXPECT_TRUE(SyncInput());
    });
    EXPECT_TRUE(WaitFor([pList]() { return pList->GetTopIndex() != 0; }));
    EXPECT_EQ(pList->GetTopIndex(), 2);
    EXPECT_EQ(below.m_nWheels, 0);
    CExtPopupMenuWnd::CancelMenuTracking();
    below.DestroyWindow();
}

TEST_F(PopupListBoxTest, LeftInASubMenuListReturnsToTheParentItem)
{
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN});
    LBP* pList = NewPopup(5);
    ASSERT_TRUE(pMenu->InsertSubMenu(pList, -1, L"&Daftar"));
    ASSERT_TRUE(Show(pMenu, 300, 300));
    pMenu->SetCurrentItem(1, true);
    ASSERT_NE(pList->GetSafeHwnd(), nullptr);
    pList->OnTimerAnimation();
    pList->CaptureKeyboard();
    EXPECT_TRUE(Key(pList, VK_LEFT));
    Pump();
    EXPECT_EQ(pList->GetSafeHwnd(), nullptr);
    EXPECT_EQ(pMenu->GetCurrentItem(), 1);
    EXPECT_EQ(Site().GetKeyboardPopup(), pMenu);
    EXPECT_FALSE(Site().IsEmpty());
}

TEST_F(PopupListBoxTest, TheComboLikeItemTakesTheChosenTextAndItsEditPartClosesTheList)
{
    CString sTarget = L"awal";
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN});
    LBP* pList = NewPopup(5);
    ASSERT_TRUE(pMenu->InsertSubMenu(pList, -1, L"&Pilih"));
    pList->m_hWndCmdReceiver = m_recorder.m_hWnd; // the list's messages go to the recorder
    CExtPopupMenuWnd::MENUITEMDATA& mi = pMenu->GetItemAt(1);
    mi.m_pEditTextTarget = &sTarget;
    mi.m_nInplaceEditWidth = 80;
    mi.m_nEditFlags = CExtPopupMenuWnd::MENUITEMDATA::kEditAllowed;
    mi.MeasureItem();
    pMenu->UpdateDisplayedItems();
    ASSERT_TRUE(Show(pMenu, 300, 300));
    pMenu->SetCurrentItem(1, true);
    ASSERT_NE(pList->GetSafeHwnd(), nullptr);
    pList->OnTimerAnimation();
    EXPECT_FALSE(Key(pList, VK_DOWN));
    EXPECT_FALSE(Key(pList, VK_DOWN));
    const CExtPopupMenuWnd::MENUITEMDATA& item = pMenu->GetItemAt(1);
    EXPECT_EQ(item.m_sInplaceEditText, CString(L"Butir 1"));
    EXPECT_NE(item.m_nEditFlags & CExtPopupMenuWnd::MENUITEMDATA::kEditUseOwnText, 0);
    // The item's edit part shows the chosen text, not the target's.
    ASSERT_FALSE(CRecordingPaintManager::s_editTexts.empty());
    EXPECT_EQ(CRecordingPaintManager::s_editTexts.back(), CString(L"Butir 1"));
    EXPECT_EQ(sTarget, CString(L"awal"));

    // Back onto the item: the list stays open.
    CRect rcItem;
    pMenu->GetItemRect(1, rcItem);
    pMenu->ClientToScreen(&rcItem);
    CPoint pt(rcItem.left + 5, rcItem.CenterPoint().y);
    pList->ScreenToClient(&pt);
    bool bPassOn = false;
    pList->HandleMouseMove(WM_MOUSEMOVE, pt.x, pt.y, bPassOn);
    EXPECT_NE(pList->GetSafeHwnd(), nullptr);

    // A click into its edit part closes the list and focuses the edit.
    CRect rcEdit;
    pMenu->GetItemEditRect(1, rcEdit);
    pMenu->ClientToScreen(&rcEdit);
    pt = rcEdit.CenterPoint();
    pList->ScreenToClient(&pt);
    EXPECT_TRUE(pList->HandleMouseClick(WM_LBUTTONDOWN, pt.x, pt.y, bPassOn));
    EXPECT_EQ(pList->GetSafeHwnd(), nullptr);
    ASSERT_NE(item.m_pInplaceEditWnd, nullptr);
    EXPECT_EQ(::GetFocus(), ((CWnd*)item.m_pInplaceEditWnd)->GetSafeHwnd());
}

namespace
{
// A list box that counts its deletions and can refuse its creation.
class CCountedListBox : public L
{
public:
    static int s_nDeleted;
    bool m_bFailCreate = false;
    ~CCountedListBox() override { ++s_nDeleted; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CREATE && m_bFailCreate)
            return -1;
        return L::WindowProc(message, wParam, lParam);
    }
};
int CCountedListBox::s_nDeleted = 0;

class CCountedListPopup : public LBP
{
public:
    bool m_bFailCreate = false;

protected:
    L* NewListBox() override
    {
        auto* pList = new CCountedListBox;
        pList->m_bFailCreate = m_bFailCreate;
        return pList;
    }
};
} // namespace

TEST_F(PopupListBoxTest, TheListBoxIsDeletedExactlyOnceWhetherItsCreationFailsOrNot)
{
    CCountedListBox::s_nDeleted = 0;
    for (bool bFail : {true, false})
    {
        auto* pPopup = new CCountedListPopup;
        pPopup->m_bFailCreate = bFail;
        pPopup->m_lMessageCookie = kHighCookie;
        ASSERT_TRUE(pPopup->CreatePopupMenu(m_recorder.m_hWnd));
        ASSERT_TRUE(Show(pPopup));
        EXPECT_EQ(pPopup->GetControlWnd() == nullptr, bFail);
        EXPECT_EQ(CCountedListBox::s_nDeleted, 1) << bFail; // the failed one, by its creator
        CExtPopupMenuWnd::CancelMenuTracking();
        EXPECT_EQ(CCountedListBox::s_nDeleted, bFail ? 1 : 2) << bFail;
    }
}
