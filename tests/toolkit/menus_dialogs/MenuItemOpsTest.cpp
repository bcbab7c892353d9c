// Item operations of popup menus: inserting at positions, removing with sub-menus, reading and
// changing single items, searching, receivers and array growth.
#include "MenuTestIds.h"
#include "MenuTestSupport.h"
#include "platform/Exceptions.h"
#include <gtest/gtest.h>

typedef CExtPopupMenuWnd::MENUITEMDATA MENUITEMDATA;

namespace
{
int g_nCountedAlive = 0;
// A sub-menu whose objects are counted.
class CCountedMenu : public CExtPopupMenuWnd
{
public:
    CCountedMenu() { ++g_nCountedAlive; }
    ~CCountedMenu() override { --g_nCountedAlive; }
};
} // namespace

class MenuOpsTest : public MenuTest
{
protected:
    void SetUp() override
    {
        MenuTest::SetUp();
        AddCommand(ID_TEST_OPEN, L"&Buka", L"Ctrl+O");
        AddCommand(ID_TEST_SAVE, L"&Simpan", L"Ctrl+S");
        AddCommand(ID_TEST_EXIT, L"&Keluar");
        ASSERT_TRUE(m_menu.CreatePopupMenu(Frame()));
    }
    CExtPopupMenuWnd m_menu;
};

TEST_F(MenuOpsTest, InsertPositionsMinusOneCountAndBeyondCount)
{
    EXPECT_TRUE(m_menu.InsertItem(ID_TEST_OPEN, -1));
    EXPECT_TRUE(m_menu.InsertItem(ID_TEST_EXIT, 1));  // = count: appends
    EXPECT_TRUE(m_menu.InsertItem(ID_TEST_SAVE, 1));  // in the middle
    EXPECT_FALSE(m_menu.InsertItem(ID_TEST_SAVE, 4)); // count + 1
    EXPECT_FALSE(m_menu.InsertItem(ID_TEST_SAVE, -2));
    ASSERT_EQ(m_menu.GetItemCount(), 3);
    EXPECT_EQ(m_menu.ItemGetCmdID(0), (int)ID_TEST_OPEN);
    EXPECT_EQ(m_menu.ItemGetCmdID(1), (int)ID_TEST_SAVE);
    EXPECT_EQ(m_menu.ItemGetCmdID(2), (int)ID_TEST_EXIT);
    EXPECT_EQ(m_menu.ItemGetText(1), CString(L"&Simpan"));
    EXPECT_EQ(m_menu.ItemGetAccelText(1), CString(L"Ctrl+S"));
    EXPECT_EQ(m_menu.GetItemAt(2).m_nItemIndex, 2);
}

TEST_F(MenuOpsTest, InsertingAnUnregisteredCommandFailsAndChangesNothing)
{
    EXPECT_FALSE(m_menu.InsertItem(ID_TEST_FIRST_FREE, -1, L"tidak dipakai"));
    EXPECT_EQ(m_menu.GetItemCount(), 0);
    EXPECT_TRUE(m_menu.InsertItem(0));
    EXPECT_TRUE(m_menu.InsertItem(-1, -1, L"&Sub\tF4"));
    ASSERT_EQ(m_menu.GetItemCount(), 2);
    EXPECT_EQ(m_menu.ItemGetText(1), CString(L"&Sub"));
    EXPECT_EQ(m_menu.ItemGetAccelText(1), CString(L"F4"));
    ASSERT_NE(m_menu.ItemGetPopup(1), nullptr);
    EXPECT_EQ(m_menu.ItemGetPopup(1)->GetParentMenu(), &m_menu);
}

TEST_F(MenuOpsTest, OutOfRangeIndexesGiveNeutralAnswersAndGetItemAtThrows)
{
    m_menu.InsertItem(ID_TEST_OPEN);
    for (int n : {-1, 1, 100})
    {
        EXPECT_EQ(m_menu.ItemGetCmdID(n), 0);
        EXPECT_EQ(m_menu.ItemGetIcon(n), nullptr);
        EXPECT_EQ(m_menu.ItemGetText(n), CString());
        EXPECT_EQ(m_menu.ItemGetAccelText(n), CString());
        EXPECT_FALSE(m_menu.ItemSetText(n, L"x"));
        EXPECT_FALSE(m_menu.ItemSetAccelText(n, L"x"));
        EXPECT_FALSE(m_menu.ItemSetIcon(n, nullptr));
        EXPECT_EQ(m_menu.ItemGetPopup(n), nullptr);
        EXPECT_FALSE(m_menu.ItemIsDisplayed(n));
        EXPECT_FALSE(m_menu.RemoveItem(n == -1 ? 5 : n));
        bool bThrown = false;
        try
        {
            m_menu.GetItemAt(n);
        }
        catch (CNotSupportedException* e)
        {
            bThrown = true;
            e->Delete();
        }
        EXPECT_TRUE(bThrown);
    }
    EXPECT_EQ(m_menu.GetItemCount(), 1);
}

TEST_F(MenuOpsTest, SetTextSplitsAtTabAndWithoutTabKeepsTheAcceleratorText)
{
    m_menu.InsertItem(ID_TEST_OPEN);
    ASSERT_TRUE(m_menu.ItemSetText(0, L"&Lihat\tF5"));
    EXPECT_EQ(m_menu.ItemGetText(0), CString(L"&Lihat"));
    EXPECT_EQ(m_menu.ItemGetAccelText(0), CString(L"F5"));
    EXPECT_EQ(m_menu.GetItemAt(0).GetAccelChar(), L'L');
    ASSERT_TRUE(m_menu.ItemSetText(0, L"Pe&riksa"));
    EXPECT_EQ(m_menu.ItemGetAccelText(0), CString(L"F5"));
    EXPECT_EQ(m_menu.GetItemAt(0).GetAccelChar(), L'R');
    EXPECT_EQ(m_menu.GetItemAt(0).GetMeasuredWidth(), MenuTextSize(L"PeriksaF5").cx + 26 + 24 + 16);
    ASSERT_TRUE(m_menu.ItemSetText(0, nullptr));
    EXPECT_EQ(m_menu.ItemGetText(0), CString());
    ASSERT_TRUE(m_menu.ItemSetAccelText(0, L"Alt+X"));
    EXPECT_EQ(m_menu.ItemGetAccelText(0), CString(L"Alt+X"));
}

TEST_F(MenuOpsTest, SetIconWorksOnOwnAndSubMenuItemsOnly)
{
    m_menu.InsertItem(ID_TEST_OPEN);
    m_menu.InsertItemWithIconHandle(ID_TEST_FIRST_FREE, -1, L"Sendiri", nullptr, nullptr);
    m_menu.InsertSubMenu(nullptr, -1, L"Sub");
    HICON hIcon = ::LoadIconW(nullptr, MAKEINTRESOURCEW(32512)); // IDI_APPLICATION
    EXPECT_FALSE(m_menu.ItemSetIcon(0, hIcon));
    EXPECT_TRUE(m_menu.ItemSetIcon(1, hIcon));
    EXPECT_TRUE(m_menu.ItemSetIcon(2, hIcon));
    EXPECT_NE(m_menu.ItemGetIcon(1), nullptr);
    EXPECT_NE(m_menu.ItemGetIcon(2), nullptr);
    EXPECT_TRUE(m_menu.ItemSetIcon(1, nullptr));
    EXPECT_EQ(m_menu.ItemGetIcon(1), nullptr);
    EXPECT_EQ(m_menu.ItemGetIcon(0), nullptr); // the command has no icon
}

TEST_F(MenuOpsTest, OwnItemsTakeTextsAndCheckKinds)
{
    CExtCmdIcon none;
    ASSERT_TRUE(m_menu.InsertItemWithIcon(ID_TEST_FIRST_FREE, -1, L"&Cek", L"F6", none, 1));
    ASSERT_TRUE(m_menu.InsertItemWithIcon(ID_TEST_FIRST_FREE + 1, -1, L"Ragu", nullptr, none, 2));
    ASSERT_TRUE(m_menu.InsertItemWithIcon(ID_TEST_FIRST_FREE + 2, -1, nullptr, nullptr, none, 3));
    EXPECT_TRUE(m_menu.GetItemAt(0).GetCheck());
    EXPECT_TRUE(m_menu.GetItemAt(0).IsOwnItem());
    EXPECT_EQ(m_menu.ItemGetAccelText(0), CString(L"F6"));
    EXPECT_EQ(m_menu.GetItemAt(0).GetAccelChar(), L'C');
    EXPECT_TRUE(m_menu.GetItemAt(1).GetIndeterminate());
    EXPECT_TRUE(m_menu.GetItemAt(2).GetRadio());
    EXPECT_EQ(m_menu.ItemGetText(2), CString());
    EXPECT_EQ(m_menu.GetItemAt(0).GetCmdItem(), nullptr);
}

TEST_F(MenuOpsTest, CreatePopupMenuFailsOnAMenuWithItemsOrOnASubMenu)
{
    EXPECT_FALSE(m_menu.CreatePopupMenu(Frame())); // already top-level
    CExtPopupMenuWnd plain;
    plain.InsertItemRecord(-1, MENUITEMDATA());
    EXPECT_FALSE(plain.CreatePopupMenu(Frame()));
    m_menu.InsertSubMenu(nullptr, -1, L"Sub");
    EXPECT_FALSE(m_menu.ItemGetPopup(0)->CreatePopupMenu(Frame()));
}

TEST_F(MenuOpsTest, RemovingASubMenuItemDeletesItsSubMenusAndClearsTheCurrentItem)
{
    m_menu.InsertItem(ID_TEST_OPEN);
    CCountedMenu* pSub = new CCountedMenu;
    ASSERT_TRUE(m_menu.InsertSubMenu(pSub, -1, L"&Hitung"));
    ASSERT_TRUE(pSub->InsertSubMenu(new CCountedMenu, -1, L"Dalam"));
    EXPECT_EQ(g_nCountedAlive, 2);
    EXPECT_EQ(pSub->GetParentMenu(), &m_menu);
    EXPECT_FALSE(pSub->IsTopLevel());
    EXPECT_EQ(pSub->GetCmdReceiverHWND(), Frame());
    m_menu.InsertItem(ID_TEST_EXIT);
    m_menu.m_nCurIndex = 2;
    ASSERT_TRUE(m_menu.RemoveItem(1));
    EXPECT_EQ(g_nCountedAlive, 0);
    EXPECT_EQ(m_menu.GetCurrentItem(), -1);
    ASSERT_EQ(m_menu.GetItemCount(), 2);
    EXPECT_EQ(m_menu.ItemGetCmdID(1), (int)ID_TEST_EXIT);
    EXPECT_EQ(m_menu.GetItemAt(1).m_nItemIndex, 1);
}

TEST_F(MenuOpsTest, RemoveAllDeletesEverySubMenuAndDestructionFreesTheRest)
{
    m_menu.InsertSubMenu(new CCountedMenu, -1, L"Satu");
    m_menu.InsertSubMenu(new CCountedMenu, -1, L"Dua");
    EXPECT_EQ(g_nCountedAlive, 2);
    ASSERT_TRUE(m_menu.RemoveItem(-1));
    EXPECT_EQ(g_nCountedAlive, 0);
    EXPECT_EQ(m_menu.GetItemCount(), 0);
    {
        CExtPopupMenuWnd* pMenu = new CExtPopupMenuWnd;
        ASSERT_TRUE(pMenu->CreatePopupMenu(Frame()));
        CCountedMenu* pSub = new CCountedMenu;
        pMenu->InsertSubMenu(pSub, -1, L"Tiga");
        pSub->InsertSubMenu(new CCountedMenu, -1, L"Empat");
        EXPECT_EQ(g_nCountedAlive, 2);
        delete pMenu;
    }
    EXPECT_EQ(g_nCountedAlive, 0);
}

TEST_F(MenuOpsTest, FindByTextNeverReturnsTheStartAndWrapsAround)
{
    m_menu.InsertItem(ID_TEST_OPEN);
    m_menu.InsertItem(ID_TEST_SAVE);
    m_menu.InsertItem(ID_TEST_OPEN);
    EXPECT_EQ(m_menu.ItemFindByText(L"&Buka"), 0);
    EXPECT_EQ(m_menu.ItemFindByText(L"&Buka", 0), 2);
    EXPECT_EQ(m_menu.ItemFindByText(L"&Buka", 2), 0);
    EXPECT_EQ(m_menu.ItemFindByText(L"&Simpan", 1), -1);
    EXPECT_EQ(m_menu.ItemFindByText(L"Buka"), -1); // exact, with the ampersand
    EXPECT_EQ(m_menu.ItemFindByText(L""), -1);
    EXPECT_EQ(m_menu.ItemFindByText(nullptr), -1);
}

TEST_F(MenuOpsTest, FindByCommandSearchesOnlyAfterTheStart)
{
    m_menu.InsertItem(ID_TEST_OPEN);
    m_menu.InsertItem(ID_TEST_SAVE);
    m_menu.InsertItem(ID_TEST_OPEN);
    EXPECT_EQ(m_menu.FindItemByCmdId(ID_TEST_OPEN), 0);
    EXPECT_EQ(m_menu.FindItemByCmdId(ID_TEST_OPEN, 0), 2);
    EXPECT_EQ(m_menu.FindItemByCmdId(ID_TEST_OPEN, 2), -1);
    EXPECT_EQ(m_menu.FindItemByCmdId(ID_TEST_SAVE, 1), -1);
}

TEST_F(MenuOpsTest, ReceiverGoesToCommandItemsOfThisLevelAndOneSubMenuLevel)
{
    HWND hOther = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    m_menu.InsertItem(ID_TEST_OPEN);
    m_menu.InsertSubMenu(nullptr, -1, L"Sub");
    CExtPopupMenuWnd* pSub = m_menu.ItemGetPopup(1);
    pSub->InsertItem(ID_TEST_SAVE);
    pSub->InsertSubMenu(nullptr, -1, L"Dalam");
    pSub->ItemGetPopup(1)->InsertItem(ID_TEST_EXIT);

    m_menu.SetItemsCmdReceiver(hOther, true);
    EXPECT_EQ(m_menu.GetItemAt(0).GetCmdReceiver(), hOther);
    EXPECT_EQ(pSub->GetItemAt(0).GetCmdReceiver(), Frame());
    m_menu.SetItemsCmdReceiver(hOther, false);
    EXPECT_EQ(pSub->GetItemAt(0).GetCmdReceiver(), hOther);
    EXPECT_EQ(pSub->ItemGetPopup(1)->GetItemAt(0).GetCmdReceiver(), Frame());
    EXPECT_EQ(m_menu.GetCmdReceiverHWND(), Frame());
    ::DestroyWindow(hOther);
}

TEST_F(MenuOpsTest, ItemArrayGrowsPastOneThousandTwentyFourItems)
{
    CExtCmdIcon none;
    for (int i = 0; i < 1100; ++i)
        ASSERT_TRUE(
            m_menu.InsertItemWithIcon(ID_TEST_FIRST_FREE + i, i % 2 == 0 ? -1 : i / 2, L"Butir", nullptr, none));
    ASSERT_EQ(m_menu.GetItemCount(), 1100);
    int nOdd = 0;
    for (int i = 0; i < 1100; ++i)
    {
        EXPECT_EQ(m_menu.GetItemAt(i).m_nItemIndex, i);
        nOdd += (m_menu.ItemGetCmdID(i) - ID_TEST_FIRST_FREE) % 2;
    }
    EXPECT_EQ(nOdd, 550);
    EXPECT_EQ(m_menu.ItemGetCmdID(1099), (int)ID_TEST_FIRST_FREE + 1098);
}

TEST_F(MenuOpsTest, MenusAreMadeDynamicallyInTheirResetState)
{
    CObject* pObject = RUNTIME_CLASS(CExtPopupMenuWnd)->CreateObject();
    ASSERT_NE(pObject, nullptr);
    ASSERT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CExtPopupBaseWnd)));
    CExtPopupMenuWnd* pMenu = static_cast<CExtPopupMenuWnd*>(pObject);
    EXPECT_EQ(pMenu->GetCurrentItem(), -1);
    EXPECT_EQ(pMenu->m_nContentWidth, 1);
    EXPECT_EQ(pMenu->m_nContentHeight, 1);
    EXPECT_EQ(pMenu->GetItemCount(), 0);
    EXPECT_FALSE(pMenu->IsTopLevel());
    EXPECT_TRUE(pMenu->m_rcExclude.IsRectEmpty());
    delete pMenu;
}

TEST_F(MenuOpsTest, ResetClearsTrackingStateAndKeepsTheUpperStateBits)
{
    m_menu.m_nStateFlags = 0xFF;
    m_menu.m_nBaseFlags = CExtPopupBaseWnd::BASE_FLAG_COMBINED | CExtPopupBaseWnd::BASE_FLAG_EXCLUDE_RECT;
    m_menu.m_nCurIndex = 3;
    m_menu.m_nHoverIndex = 2;
    m_menu.m_nDelayedSubMenuIndex = 1;
    m_menu.m_nScrollStep = 5;
    m_menu.m_nScrollPos = -40;
    m_menu.m_nTrackFlags = 0x1234;
    m_menu.m_nCombinedSide = CExtPopupMenuWnd::COMBINE_ABOVE;
    m_menu.m_rcScrollUp.SetRect(1, 2, 3, 4);
    m_menu.m_pCbPaintCombinedCookie = &m_menu;
    m_menu.m_bCookieIsObject = true;
    EXPECT_EQ(m_menu.GetCombinedAreaCookie(), &m_menu);
    m_menu.ResetTrackingState();
    EXPECT_EQ(m_menu.m_nStateFlags, 0xF0);
    EXPECT_EQ(m_menu.m_nBaseFlags, CExtPopupBaseWnd::BASE_FLAG_EXCLUDE_RECT);
    EXPECT_EQ(m_menu.m_nCurIndex, -1);
    EXPECT_EQ(m_menu.m_nHoverIndex, -1);
    EXPECT_EQ(m_menu.m_nDelayedSubMenuIndex, -1);
    EXPECT_EQ(m_menu.m_nScrollStep, 0);
    EXPECT_EQ(m_menu.m_nScrollPos, 0);
    EXPECT_EQ(m_menu.GetTrackFlags(), 0u);
    EXPECT_EQ(m_menu.GetCombinedSide(), 0);
    EXPECT_TRUE(m_menu.m_rcScrollUp.IsRectEmpty());
    EXPECT_EQ(m_menu.GetCombinedAreaCookie(), nullptr);
    EXPECT_FALSE(m_menu.m_bCookieIsObject);
}

TEST_F(MenuOpsTest, TrackFlagsDecideShadowEmbeddingAndHelpModeUpTheChain)
{
    m_menu.InsertSubMenu(nullptr, -1, L"Sub");
    CExtPopupMenuWnd* pSub = m_menu.ItemGetPopup(0);
    EXPECT_TRUE(m_menu.IsShadowEnabled());
    EXPECT_EQ(m_menu.GetShadowSize(), 4);
    m_menu.m_nTrackFlags = CExtPopupMenuWnd::TRACK_NO_SHADOW;
    EXPECT_FALSE(m_menu.IsShadowEnabled());
    EXPECT_EQ(m_menu.GetShadowSize(), 0);
    EXPECT_FALSE(pSub->IsEmbeddedTracking());
    m_menu.m_nTrackFlags = CExtPopupMenuWnd::TRACK_EMBEDDED | CExtPopupMenuWnd::TRACK_HELP_MODE;
    EXPECT_TRUE(pSub->IsEmbeddedTracking());
    EXPECT_TRUE(pSub->IsContextHelpMode());
    m_menu.m_nTrackFlags = 0;
    CExtPopupMenuWnd::g_bShadowsOn = false;
    EXPECT_EQ(m_menu.GetShadowSize(), 0);
    CExtPopupMenuWnd::g_bShadowsOn = true;
    EXPECT_EQ(m_menu.GetMenuBorderSize(), 2);
    bool bWheelPassOn = false;
    EXPECT_TRUE(m_menu.OnMouseWheel(0, 0, bWheelPassOn));
    EXPECT_TRUE(m_menu.CanShowAsSubMenu());
}
