// The menu item record: texts, access characters, measuring, loading from a Windows menu and
// copying with pointer-sized in-place edit words.
#include "MenuTestIds.h"
#include "MenuTestSupport.h"
#include <gtest/gtest.h>

typedef CExtPopupMenuWnd::MENUITEMDATA MENUITEMDATA;

namespace
{
HICON MakeIcon(int cx, int cy)
{
    HDC hDC = ::GetDC(nullptr);
    HBITMAP hColor = ::CreateCompatibleBitmap(hDC, cx, cy);
    ::ReleaseDC(nullptr, hDC);
    HBITMAP hMask = ::CreateBitmap(cx, cy, 1, 1, nullptr);
    ICONINFO ii = {TRUE, 0, 0, hMask, hColor};
    HICON hIcon = ::CreateIconIndirect(&ii);
    ::DeleteObject(hColor);
    ::DeleteObject(hMask);
    return hIcon;
}

bool AlwaysTrue(CExtPopupMenuWnd*, MENUITEMDATA&) { return true; }

// An own item of the given text, measured.
MENUITEMDATA OwnItem(int nCmdID, LPCTSTR lpszText, HICON hIcon = nullptr)
{
    MENUITEMDATA mi;
    mi.m_nFlags2 |= MENUITEMDATA::kFlag2OwnItem;
    mi.SetCmdID(nCmdID);
    mi.SetText(lpszText);
    if (hIcon != nullptr)
        mi.m_iconPopup.AssignFromHICON(hIcon, true);
    mi.MeasureItem();
    return mi;
}
} // namespace

TEST_F(MenuTest, ItemTextSplitsAtTabAndTakesTheAccessCharacter)
{
    MENUITEMDATA mi;
    mi.SetCmdID(ID_TEST_OPEN);
    mi.SetText(L"&Open\tCtrl+O");
    mi.UpdateAccelChar();
    EXPECT_EQ(mi.GetText(), CString(L"&Open"));
    EXPECT_EQ(mi.GetAccelText(), CString(L"Ctrl+O"));
    EXPECT_EQ(mi.GetAccelChar(), L'O');
    EXPECT_EQ(MENUITEMDATA::AccelCharFromText(L"e&xit"), L'X');
    EXPECT_EQ(MENUITEMDATA::AccelCharFromText(L"Open&"), 0);
    EXPECT_EQ(MENUITEMDATA::AccelCharFromText(L"Open"), 0);
}

TEST_F(MenuTest, SeparatorHasNoTextsAndTheGapAsHeight)
{
    MENUITEMDATA mi;
    mi.SetText(L"ignored\tx");
    mi.MeasureItem();
    EXPECT_TRUE(mi.IsSeparator());
    EXPECT_EQ(mi.GetText(), CString());
    EXPECT_EQ(mi.GetAccelText(), CString());
    EXPECT_EQ(mi.GetMeasuredWidth(), 0);
    EXPECT_EQ(mi.GetMeasuredHeight(), 6);
}

TEST_F(MenuTest, NewRecordIsUnplacedEnabledWithDefaultMargins)
{
    MENUITEMDATA mi;
    EXPECT_EQ(mi.m_nItemIndex, MENUITEMDATA::INDEX_NOT_PLACED);
    EXPECT_TRUE(mi.IsEnabled());
    EXPECT_EQ(mi.m_nEditFlags, MENUITEMDATA::kEditAllowed);
    EXPECT_EQ(mi.GetMarginLeft(), 1);
    EXPECT_EQ(mi.GetMarginTop(), 0);
    EXPECT_EQ(mi.GetMarginRight(), 1);
    EXPECT_EQ(mi.GetMarginBottom(), 1);
    mi.m_nWidth = 50;
    mi.m_nHeight = 22;
    EXPECT_EQ(mi.GetFullWidth(), 52);
    EXPECT_EQ(mi.GetFullHeight(), 23);
}

TEST_F(MenuTest, ItemWithSixteenPixelIconIsTwentyTwoHighAndWidthFollowsTheFormula)
{
    HICON hIcon = MakeIcon(16, 16);
    MENUITEMDATA mi = OwnItem(ID_TEST_FIRST_FREE, L"&Buka\tCtrl+O", hIcon);
    EXPECT_EQ(mi.GetMeasuredHeight(), 22);
    EXPECT_EQ(mi.GetIconAreaWidth(), 24);
    EXPECT_EQ(mi.GetMeasuredWidth(), MenuTextSize(L"BukaCtrl+O").cx + 26 + 24 + 16);
    ::DestroyIcon(hIcon);
}

TEST_F(MenuTest, ItemWithoutIconBoxAndIconIsTwentyHighAndTenWider)
{
    MENUITEMDATA mi;
    mi.m_nFlags2 |= MENUITEMDATA::kFlag2OwnItem;
    mi.m_nFlags |= MENUITEMDATA::kFlagNoIconBox;
    mi.SetCmdID(ID_TEST_FIRST_FREE);
    mi.SetText(L"Tanpa ikon");
    mi.MeasureItem();
    EXPECT_EQ(mi.GetMeasuredHeight(), 20);
    EXPECT_EQ(mi.GetMeasuredWidth(), MenuTextSize(L"Tanpa ikon").cx + 36);
}

TEST_F(MenuTest, IconSixteenByTenIsTreatedAsSixteenSquare)
{
    HICON hIcon = MakeIcon(16, 10);
    MENUITEMDATA mi = OwnItem(ID_TEST_FIRST_FREE, L"Ikon pipih", hIcon);
    EXPECT_EQ(mi.GetMeasuredHeight(), 22);
    EXPECT_EQ(mi.GetIconAreaWidth(), 24);
    EXPECT_EQ(mi.GetMeasuredWidth(), MenuTextSize(L"Ikon pipih").cx + 26 + 24 + 16);
    ::DestroyIcon(hIcon);
}

TEST_F(MenuTest, TallIconRaisesTheItemAndWidensTheIconBox)
{
    HICON hIcon = MakeIcon(32, 32);
    MENUITEMDATA mi = OwnItem(ID_TEST_FIRST_FREE, L"Besar", hIcon);
    EXPECT_EQ(mi.GetMeasuredHeight(), 36);
    EXPECT_EQ(mi.GetIconAreaWidth(), 38);
    EXPECT_EQ(mi.GetMeasuredWidth(), MenuTextSize(L"Besar").cx + 26 + 38 + 16);
    ::DestroyIcon(hIcon);
}

TEST_F(MenuTest, ActivationCallbackDoublesTheIconBox)
{
    MENUITEMDATA mi;
    mi.m_nFlags2 |= MENUITEMDATA::kFlag2OwnItem;
    mi.SetCmdID(ID_TEST_FIRST_FREE);
    mi.SetText(L"Tombol");
    mi.m_pCbItemClick = &AlwaysTrue;
    mi.MeasureItem();
    EXPECT_EQ(mi.GetIconAreaWidth(), 22 * 2 + 4 + 2);
    EXPECT_EQ(mi.GetMeasuredWidth(), MenuTextSize(L"Tombol").cx + 26 + 50 + 16);
}

TEST_F(MenuTest, InPlaceEditItemAddsTheEditWidthAndIsTwoLower)
{
    CString sTarget;
    MENUITEMDATA mi;
    mi.m_nFlags2 |= MENUITEMDATA::kFlag2OwnItem;
    mi.SetCmdID(ID_TEST_FIRST_FREE);
    mi.SetText(L"Nama\tCtrl+N");
    mi.m_pEditTextTarget = &sTarget;
    mi.m_nInplaceEditWidth = 100;
    mi.MeasureItem();
    EXPECT_EQ(mi.GetMeasuredHeight(), 20);
    EXPECT_EQ(mi.GetMeasuredWidth(), MenuTextSize(L"Nama").cx + 26 + 100 + 12);
    EXPECT_FALSE(mi.IsExecutableCmdID());
}

TEST_F(MenuTest, BoundCommandTakesTextsAndIconFromTheProfile)
{
    CExtCmdItem* pCmd = AddCommand(ID_TEST_OPEN, L"&Buka", L"Ctrl+O");
    ASSERT_NE(pCmd, nullptr);
    pCmd->m_sTipStatus = L"Membuka berkas";
    HICON hIcon = MakeIcon(16, 16);
    ASSERT_TRUE(g_CmdManagerHolder->SetCommandIcon(Profile(), ID_TEST_OPEN, hIcon, true));
    ::DestroyIcon(hIcon);
    MENUITEMDATA mi;
    mi.SetCmdReceiver(Frame());
    ASSERT_TRUE(mi.LoadFromCmdItem(pCmd, 3));
    EXPECT_EQ(mi.m_nItemIndex, 3);
    EXPECT_EQ(mi.GetCmdItem(), pCmd);
    EXPECT_EQ(mi.GetIcon(), g_CmdManagerHolder->GetCommandIcon(Profile(), ID_TEST_OPEN));
    EXPECT_EQ(mi.GetText(), CString(L"&Buka"));
    EXPECT_EQ(mi.GetAccelChar(), L'B');
    EXPECT_EQ(mi.GetTipText(), CString(L"Membuka berkas"));
    EXPECT_EQ(mi.GetMeasuredWidth(), MenuTextSize(L"BukaCtrl+O").cx + 26 + 24 + 16);

    CExtCmdItem none(0);
    EXPECT_FALSE(mi.LoadFromCmdItem(&none, 1));
    EXPECT_TRUE(mi.IsSeparator());
    EXPECT_EQ(mi.m_nItemIndex, MENUITEMDATA::INDEX_NOT_PLACED);
}

TEST_F(MenuTest, MenuPositionOfAnUnregisteredCommandFailsAfterStoringItsId)
{
    HMENU hMenu = BuildMenu({{ID_TEST_SAVE, L"&Simpan"}});
    MENUITEMDATA mi;
    EXPECT_FALSE(mi.LoadFromMenuItem(Frame(), hMenu, 0));
    EXPECT_EQ(mi.GetCmdID(), (int)ID_TEST_SAVE);
    EXPECT_EQ(mi.GetText(), CString());
    EXPECT_EQ(mi.GetMeasuredWidth(), 0);
    EXPECT_EQ(mi.GetMeasuredHeight(), 0);
    EXPECT_FALSE(mi.LoadFromMenuItem(Frame(), hMenu, 5));
    ::DestroyMenu(hMenu);
}

TEST_F(MenuTest, MenuPositionWithoutTextTakesTheCommandsMenuThenToolBarText)
{
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuW(hMenu, MF_STRING, ID_TEST_OPEN, L"");
    ::AppendMenuW(hMenu, MF_STRING, ID_TEST_SAVE, L"");
    AddCommand(ID_TEST_OPEN, L"Dari menu", L"F2");
    AddCommand(ID_TEST_SAVE, L"")->m_sToolbarText = L"Dari bilah";
    MENUITEMDATA a, b;
    ASSERT_TRUE(a.LoadFromMenuItem(Frame(), hMenu, 0));
    ASSERT_TRUE(b.LoadFromMenuItem(Frame(), hMenu, 1));
    EXPECT_EQ(a.GetText(), CString(L"Dari menu"));
    EXPECT_EQ(b.GetText(), CString(L"Dari bilah"));
    ::DestroyMenu(hMenu);
}

TEST_F(MenuTest, CopyKeepsEveryFieldAndPointerSizedEditWordsAboveFourGigabytes)
{
    static_assert(sizeof(MENUITEMDATA().m_pInplaceEditCbCookie) == sizeof(void*), "cookie is pointer-sized");
    static_assert(sizeof(MENUITEMDATA().m_pCbVerifyTextInput) == sizeof(void*), "callback is pointer-sized");
    MENUITEMDATA mi;
    mi.SetCmdID(ID_TEST_OPEN);
    mi.SetText(L"&Isi\tF3");
    mi.m_nFlags = 0xA5;
    mi.m_nFlags2 = 0xE3;
    mi.m_wReserved = 0xBEEF;
    mi.m_nMarginLeft = 7;
    mi.m_pEditTextTarget = reinterpret_cast<CString*>(0x0000123456789AB0ull);
    mi.m_pCbVerifyTextInput = reinterpret_cast<CExtPopupMenuWnd::EditVerifyCallback_t>(0x0000123456789AC0ull);
    mi.m_pCbPutTextInputResult = reinterpret_cast<CExtPopupMenuWnd::EditChangedCallback_t>(0x0000123456789AD0ull);
    mi.m_pCbInplaceEditWndProc = reinterpret_cast<CExtPopupMenuWnd::EditWndProcCallback_t>(0x0000123456789AE0ull);
    mi.m_pInplaceEditCbCookie = reinterpret_cast<LPVOID>(0x0000123456789AF0ull);
    mi.m_nInplaceEditWidth = 77;
    mi.m_sInplaceEditText = L"teks";
    MENUITEMDATA copy(mi);
    MENUITEMDATA assigned;
    assigned = copy;
    for (const MENUITEMDATA* p : {&copy, &assigned})
    {
        EXPECT_EQ(p->m_pEditTextTarget, mi.m_pEditTextTarget);
        EXPECT_EQ(p->m_pCbVerifyTextInput, mi.m_pCbVerifyTextInput);
        EXPECT_EQ(p->m_pCbPutTextInputResult, mi.m_pCbPutTextInputResult);
        EXPECT_EQ(p->m_pCbInplaceEditWndProc, mi.m_pCbInplaceEditWndProc);
        EXPECT_EQ(p->m_pInplaceEditCbCookie, mi.m_pInplaceEditCbCookie);
        EXPECT_EQ(p->m_nInplaceEditWidth, 77);
        EXPECT_EQ(p->m_nFlags, 0xA5);
        EXPECT_EQ(p->m_nFlags2, 0xE3);
        EXPECT_EQ(p->m_wReserved, 0xBEEF);
        EXPECT_EQ(p->m_nMarginLeft, 7);
        EXPECT_EQ(p->GetAccelText(), CString(L"F3"));
        EXPECT_EQ(p->m_sInplaceEditText, CString(L"teks"));
    }
}
