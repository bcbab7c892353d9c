// Menu items with a text field: the edit created with the popup's window (or supplied by the
// receiver), activation by Enter, by the access character and by a click, validation of typed and
// pasted text, the popup's editing keys, Escape, Alt, Enter with and without a change callback,
// a rejected Enter, no context menu, a cookie above 4 GB, the edit's own deletion and its item's
// pointer cleared when the system destroys it with the popup's window.
#include "PopupTestSupport.h"
#include "toolkit/menus_dialogs/ExtPopupMenuInplaceEdit.h"
#include <gtest/gtest.h>

typedef CExtPopupMenuWnd M;
typedef M::CInPlaceEditWnd E;

namespace
{
// Counts its live objects: the edit deletes itself with its window.
class CCountedEdit : public E
{
public:
    static int s_nLive;
    using E::E;
    ~CCountedEdit() override { --s_nLive; }
};
int CCountedEdit::s_nLive = 0;

// What the callbacks saw.
struct CallbackLog
{
    std::vector<LPVOID> cookies;
    std::vector<CString> changed;
    bool bRejectAll = false;
};
CallbackLog* g_pLog = nullptr;

bool DigitsOnly(E&, LPVOID pCookie, CString& sTextNew, CString)
{
    g_pLog->cookies.push_back(pCookie);
    if (g_pLog->bRejectAll)
        return false;
    for (int i = 0; i < sTextNew.GetLength(); ++i)
        if (sTextNew[i] < L'0' || sTextNew[i] > L'9')
            return false;
    return true;
}

void Changed(E&, LPVOID pCookie, CString& sText)
{
    g_pLog->cookies.push_back(pCookie);
    g_pLog->changed.push_back(sText);
}

bool WndProcHook(LRESULT&, UINT, WPARAM, LPARAM, E&, LPVOID pCookie)
{
    g_pLog->cookies.push_back(pCookie);
    return false;
}

void PutOnClipboard(HWND hWnd, LPCWSTR lpszText)
{
    ASSERT_TRUE(::OpenClipboard(hWnd));
    ::EmptyClipboard();
    const size_t cb = (wcslen(lpszText) + 1) * sizeof(wchar_t);
    HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, cb);
    memcpy(::GlobalLock(hMem), lpszText, cb);
    ::GlobalUnlock(hMem);
    ::SetClipboardData(CF_UNICODETEXT, hMem);
    ::CloseClipboard();
}

CString TextOf(CWnd* pWnd)
{
    CString s;
    pWnd->GetWindowText(s);
    return s;
}

const LPVOID kHighCookie = (LPVOID)(UINT_PTR)0x123456789ABCull;
} // namespace

class PopupInplaceEditTest : public PopupTest
{
protected:
    void SetUp() override
    {
        PopupTest::SetUp();
        g_pLog = &m_log;
        CCountedEdit::s_nLive = 0;
        ::SetCursorPos(1200, 1000);
        m_sTarget = L"10";
    }
    void TearDown() override
    {
        PopupTest::TearDown();
        g_pLog = nullptr;
    }
    // Open, then "&Simpan" with a text field of 80 pixels on m_sTarget.
    CCountedPopup* ShowEditMenu(bool bCallbacks = false)
    {
        CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN, ID_TEST_SAVE});
        M::MENUITEMDATA& mi = pMenu->GetItemAt(1);
        mi.m_pEditTextTarget = &m_sTarget;
        mi.m_nInplaceEditWidth = 80;
        if (bCallbacks)
        {
            mi.m_pCbVerifyTextInput = &DigitsOnly;
            mi.m_pCbPutTextInputResult = &Changed;
            mi.m_pCbInplaceEditWndProc = &WndProcHook;
            mi.m_pInplaceEditCbCookie = kHighCookie;
        }
        mi.MeasureItem();
        pMenu->UpdateDisplayedItems();
        EXPECT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION, 100, 100));
        Site().SetAnimatingPopup(nullptr);
        pMenu->StopAnimation();
        return pMenu;
    }
    static E* EditOf(CExtPopupMenuWnd* pMenu) { return pMenu->GetItemAt(1).m_pInplaceEditWnd; }
    static bool Key(CExtPopupMenuWnd* pPopup, UINT vk, std::initializer_list<int> modifiers = {})
    {
        BYTE state[256] = {};
        for (int nKey : modifiers)
            state[nKey] = 0x80;
        ::SetKeyboardState(state);
        bool bPassOn = false;
        const bool bEaten = pPopup->HandleKey(vk, 1, ::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC), bPassOn) && !bPassOn;
        BYTE none[256] = {};
        ::SetKeyboardState(none);
        return bEaten;
    }
    // Activates the field by Enter on its item; answers the edit when it has the focus.
    E* StartEditing(CExtPopupMenuWnd* pMenu)
    {
        pMenu->SetCurrentItem(1);
        Key(pMenu, VK_RETURN);
        E* pEdit = EditOf(pMenu);
        if (pEdit == nullptr || ::GetFocus() != pEdit->GetSafeHwnd())
            return nullptr;
        return pEdit;
    }

    CString m_sTarget;
    CallbackLog m_log;
};

TEST_F(PopupInplaceEditTest, TheEditIsCreatedHiddenOverTheEditRectangleAndShownByEnter)
{
    CCountedPopup* pMenu = ShowEditMenu();
    E* pEdit = EditOf(pMenu);
    ASSERT_NE(pEdit, nullptr);
    ASSERT_NE(pEdit->GetSafeHwnd(), nullptr);
    EXPECT_FALSE(pEdit->IsWindowVisible());
    EXPECT_EQ(pEdit->GetPopupMenu(), pMenu);
    EXPECT_EQ(pEdit->GetDlgCtrlID(), ID_TEST_SAVE);
    EXPECT_EQ(TextOf(pEdit), CString(L"10"));
    CRect rcEdit, rcWnd;
    pMenu->GetItemEditRect(1, rcEdit);
    pEdit->GetWindowRect(&rcWnd);
    pMenu->ScreenToClient(&rcWnd);
    EXPECT_EQ(rcWnd, rcEdit);
    // Client area: one pixel off the left and top, two off the bottom.
    CRect rcClient;
    pEdit->GetClientRect(&rcClient);
    EXPECT_EQ(rcClient.Width(), rcEdit.Width() - 1);
    EXPECT_EQ(rcClient.Height(), rcEdit.Height() - 3);

    ASSERT_EQ(StartEditing(pMenu), pEdit);
    EXPECT_TRUE(pEdit->IsWindowVisible());
    // The popup became active with the field; the menu stays open.
    Pump();
    EXPECT_TRUE(M::IsMenuTracking());
    EXPECT_TRUE(pEdit->IsWindowVisible());
    // Enter on a visible field is the field's own key.
    bool bPassOn = false;
    EXPECT_FALSE(pMenu->HandleKey(VK_RETURN, 1, 0, bPassOn));
    EXPECT_TRUE(bPassOn);
}

TEST_F(PopupInplaceEditTest, TheAccessCharacterAndAClickInTheEditPartActivateTheField)
{
    CCountedPopup* pMenu = ShowEditMenu();
    EXPECT_TRUE(Key(pMenu, 'S'));
    E* pEdit = EditOf(pMenu);
    ASSERT_NE(pEdit, nullptr);
    EXPECT_TRUE(pEdit->IsWindowVisible());
    EXPECT_EQ(::GetFocus(), pEdit->GetSafeHwnd());
    EXPECT_EQ(pMenu->GetCurrentItem(), 1);
    M::CancelMenuTracking();

    pMenu = ShowEditMenu();
    pEdit = EditOf(pMenu);
    CRect rcEdit;
    pMenu->GetItemEditRect(1, rcEdit);
    bool bPassOn = false;
    EXPECT_TRUE(pMenu->HandleMouseClick(WM_LBUTTONUP, rcEdit.CenterPoint().x, rcEdit.CenterPoint().y, bPassOn));
    EXPECT_TRUE(pEdit->IsWindowVisible());
    EXPECT_EQ(::GetFocus(), pEdit->GetSafeHwnd());
    EXPECT_TRUE(M::IsMenuTracking());
}

TEST_F(PopupInplaceEditTest, ADigitsValidatorKeepsLettersOutWhetherTypedOrPasted)
{
    CCountedPopup* pMenu = ShowEditMenu(true);
    E* pEdit = StartEditing(pMenu);
    ASSERT_NE(pEdit, nullptr);
    pEdit->SetSel(2, 2);
    pEdit->SendMessage(WM_CHAR, L'a', 1);
    EXPECT_EQ(TextOf(pEdit), CString(L"10"));
    pEdit->SendMessage(WM_CHAR, L'7', 1);
    EXPECT_EQ(TextOf(pEdit), CString(L"107"));

    PutOnClipboard(pMenu->GetSafeHwnd(), L"4x");
    EXPECT_TRUE(Key(pMenu, 'V', {VK_CONTROL}));
    EXPECT_TRUE(Key(pMenu, VK_INSERT, {VK_SHIFT}));
    EXPECT_EQ(TextOf(pEdit), CString(L"107"));
    int nStart = -1, nEnd = -1;
    pEdit->GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 3);
    PutOnClipboard(pMenu->GetSafeHwnd(), L"42");
    EXPECT_TRUE(Key(pMenu, 'V', {VK_CONTROL}));
    EXPECT_EQ(TextOf(pEdit), CString(L"10742"));
    // A plain V is the field's own key.
    EXPECT_FALSE(Key(pMenu, 'V'));
}

TEST_F(PopupInplaceEditTest, DeleteChangesNothingAtTheEndAndRemovesASelection)
{
    m_sTarget = L"12345";
    CCountedPopup* pMenu = ShowEditMenu();
    E* pEdit = StartEditing(pMenu);
    ASSERT_NE(pEdit, nullptr);
    pEdit->SetSel(5, 5);
    EXPECT_TRUE(Key(pMenu, VK_DELETE));
    EXPECT_EQ(TextOf(pEdit), CString(L"12345"));
    pEdit->SetSel(1, 3);
    EXPECT_TRUE(Key(pMenu, VK_DELETE));
    EXPECT_EQ(TextOf(pEdit), CString(L"145"));
    pEdit->SetSel(0, 0);
    pEdit->SendMessage(E::g_nMsgDeleteSelection, 0, 0);
    EXPECT_EQ(TextOf(pEdit), CString(L"45"));
    EXPECT_TRUE(Key(pMenu, 'A', {VK_CONTROL}));
    int nStart = -1, nEnd = -1;
    pEdit->GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 0);
    EXPECT_EQ(nEnd, 2);
}

TEST_F(PopupInplaceEditTest, EscapeGivesTheFocusBackAndTheFieldShowsTheLastCommittedText)
{
    CCountedPopup* pMenu = ShowEditMenu();
    E* pEdit = StartEditing(pMenu);
    ASSERT_NE(pEdit, nullptr);
    pEdit->SetWindowText(L"99");
    pEdit->SendMessage(WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_EQ(::GetFocus(), pMenu->GetSafeHwnd());
    EXPECT_FALSE(pEdit->IsWindowVisible());
    EXPECT_EQ(pMenu->GetCurrentItem(), 1);
    EXPECT_EQ(m_sTarget, CString(L"10"));
    ASSERT_EQ(StartEditing(pMenu), pEdit);
    EXPECT_EQ(TextOf(pEdit), CString(L"10"));
    // The popup's Escape while the field has the focus does the same.
    pEdit->SetWindowText(L"98");
    EXPECT_TRUE(Key(pMenu, VK_ESCAPE));
    EXPECT_EQ(::GetFocus(), pMenu->GetSafeHwnd());
    EXPECT_EQ(TextOf(pEdit), CString(L"10"));
    EXPECT_TRUE(M::IsMenuTracking());
}

TEST_F(PopupInplaceEditTest, AltClosesTheMenuWithoutStoring)
{
    CCountedPopup* pMenu = ShowEditMenu();
    E* pEdit = StartEditing(pMenu);
    ASSERT_NE(pEdit, nullptr);
    pEdit->SetWindowText(L"77");
    EXPECT_TRUE(Key(pMenu, VK_MENU, {VK_MENU}));
    Pump();
    EXPECT_FALSE(M::IsMenuTracking());
    EXPECT_EQ(m_sTarget, CString(L"10"));
    EXPECT_EQ(CCountedPopup::s_nLive, 0);
}

TEST_F(PopupInplaceEditTest, EnterStoresIntoTheTargetAndClosesTheMenu)
{
    CCountedPopup* pMenu = ShowEditMenu();
    E* pEdit = StartEditing(pMenu);
    ASSERT_NE(pEdit, nullptr);
    pEdit->SetWindowText(L"25");
    pEdit->SendMessage(WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_TRUE(pEdit->IsCommitted());
    EXPECT_EQ(m_sTarget, CString(L"25"));
    Pump();
    EXPECT_FALSE(M::IsMenuTracking());
    EXPECT_TRUE(Recv().m_commands.empty());
}

TEST_F(PopupInplaceEditTest, EnterGoesToTheChangeCallbackAndARejectedEnterStoresNothing)
{
    CCountedPopup* pMenu = ShowEditMenu(true);
    E* pEdit = StartEditing(pMenu);
    ASSERT_NE(pEdit, nullptr);
    pEdit->SetWindowText(L"31");
    pEdit->SendMessage(WM_KEYDOWN, VK_RETURN, 1);
    ASSERT_EQ(m_log.changed.size(), 1u);
    EXPECT_EQ(m_log.changed[0], CString(L"31"));
    EXPECT_EQ(m_sTarget, CString(L"10"));
    Pump();
    EXPECT_FALSE(M::IsMenuTracking());

    m_log.changed.clear();
    pMenu = ShowEditMenu(true);
    pEdit = StartEditing(pMenu);
    ASSERT_NE(pEdit, nullptr);
    m_log.bRejectAll = true;
    pEdit->SendMessage(WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_TRUE(m_log.changed.empty());
    Pump();
    EXPECT_FALSE(M::IsMenuTracking());
    EXPECT_EQ(m_sTarget, CString(L"10"));
}

TEST_F(PopupInplaceEditTest, ARightClickShowsNoMenuAndACookieAbove4GBReachesEveryCallback)
{
    CCountedPopup* pMenu = ShowEditMenu(true);
    E* pEdit = StartEditing(pMenu);
    ASSERT_NE(pEdit, nullptr);
    // The system edit would run its own menu's loop here; the field answers at once.
    EXPECT_EQ(pEdit->SendMessage(WM_CONTEXTMENU, (WPARAM)pEdit->GetSafeHwnd(), MAKELPARAM(150, 110)), 0);
    EXPECT_EQ(pEdit->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(3, 3)), 0);
    EXPECT_TRUE(M::IsMenuTracking());

    pEdit->SetSel(2, 2);
    pEdit->SendMessage(WM_CHAR, L'5', 1);
    pEdit->SendMessage(WM_KEYDOWN, VK_RETURN, 1);
    ASSERT_GE(m_log.cookies.size(), 3u);
    for (LPVOID pCookie : m_log.cookies)
        EXPECT_EQ(pCookie, kHighCookie);
    ASSERT_EQ(m_log.changed.size(), 1u);
    EXPECT_EQ(m_log.changed[0], CString(L"105"));
}

TEST_F(PopupInplaceEditTest, AReceiverSuppliesItsOwnEditWhichGoesWithThePopup)
{
    M::InplaceEditCreateData_t seen = {};
    Recv().m_onCreateInplaceEdit = [&](M::InplaceEditCreateData_t* pData) {
        seen = *pData;
        auto* pEdit = new CCountedEdit(pData->m_pEditTextTarget, nullptr, nullptr, nullptr, pData->m_pCbCookie);
        ++CCountedEdit::s_nLive;
        ASSERT_TRUE(pEdit->Create(pData->m_pPopup, CRect(pData->m_rcEdit), 0x55));
        *pData->m_ppEditWnd = pEdit;
    };
    CCountedPopup* pMenu = ShowEditMenu(true);
    EXPECT_EQ(seen.m_pPopup, pMenu);
    EXPECT_EQ(seen.m_pItem, &pMenu->GetItemAt(1));
    EXPECT_EQ(seen.m_pEditTextTarget, &m_sTarget);
    EXPECT_EQ(seen.m_pCbCookie, kHighCookie);
    EXPECT_EQ(seen.m_pCbVerifyTextInput, &DigitsOnly);
    CRect rcEdit;
    pMenu->GetItemEditRect(1, rcEdit);
    EXPECT_EQ(CRect(seen.m_rcEdit), rcEdit);
    E* pEdit = EditOf(pMenu);
    ASSERT_NE(dynamic_cast<CCountedEdit*>(pEdit), nullptr);
    EXPECT_EQ(pEdit->GetDlgCtrlID(), 0x55);
    EXPECT_EQ(CCountedEdit::s_nLive, 1);
    M::CancelMenuTracking();
    EXPECT_EQ(CCountedEdit::s_nLive, 0);
}

TEST_F(PopupInplaceEditTest, AnEditDestroyedWithItsPopupsWindowClearsItsItemsPointer)
{
    CCountedPopup* pMenu = NewMenu({ID_TEST_OPEN});
    auto* pSub = new CCountedPopup;
    ASSERT_TRUE(pMenu->InsertSubMenu(pSub, -1, L"&Lainnya"));
    ASSERT_TRUE(pSub->InsertItem(ID_TEST_SAVE));
    M::MENUITEMDATA& mi = pSub->GetItemAt(0);
    mi.m_pEditTextTarget = &m_sTarget;
    mi.m_nInplaceEditWidth = 80;
    mi.MeasureItem();
    pSub->UpdateDisplayedItems();
    ASSERT_TRUE(pMenu->TrackPopupMenu(M::TRACK_NO_ANIMATION, 100, 100));
    pMenu->SetCurrentItem(1, true, false, true);
    ASSERT_NE(pSub->GetSafeHwnd(), nullptr);
    ASSERT_NE(pSub->GetItemAt(0).m_pInplaceEditWnd, nullptr);
    // The system takes the child edit with the window, past the menu's own clean-up; the edit
    // deletes itself, and its item must not keep pointing at it.
    ::DestroyWindow(pSub->GetSafeHwnd());
    EXPECT_EQ(pSub->GetSafeHwnd(), nullptr);
    EXPECT_EQ(pSub->GetItemAt(0).m_pInplaceEditWnd, nullptr);
}
