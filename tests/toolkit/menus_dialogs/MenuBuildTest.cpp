// Building popup menus from Windows menus and menu resources: separators, sub-menus, the recent
// file list, the MDI window list and export back to a Windows menu.
#include "MenuTestIds.h"
#include "MenuTestSupport.h"
#include "platform/MdiFrameWnd.h"
#include <gtest/gtest.h>
#include <memory>

typedef CExtPopupMenuWnd::MENUITEMDATA MENUITEMDATA;

namespace
{
// A menu with a three-level sub-menu chain: Atas > Tengah > Bawah > Dalam.
HMENU ThreeLevels()
{
    HMENU hDeep = BuildMenu({{ID_TEST_DEEP, L"Dalam"}});
    HMENU hMiddle = ::CreatePopupMenu();
    ::AppendMenuW(hMiddle, MF_STRING, ID_TEST_SUB_B, L"Sub B");
    ::AppendMenuW(hMiddle, MF_POPUP, (UINT_PTR)hDeep, L"&Bawah");
    HMENU hTop = ::CreatePopupMenu();
    ::AppendMenuW(hTop, MF_STRING, ID_TEST_SUB_A, L"Sub A");
    ::AppendMenuW(hTop, MF_POPUP, (UINT_PTR)hMiddle, L"&Tengah\tF9");
    HMENU hMenu = BuildMenu({{ID_TEST_OPEN, L"&Buka\tCtrl+O"}, {0, nullptr}});
    ::AppendMenuW(hMenu, MF_POPUP, (UINT_PTR)hTop, L"&Atas");
    ::AppendMenuW(hMenu, MF_STRING, ID_TEST_EXIT, L"&Keluar");
    return hMenu;
}

std::vector<CString> Files(int n)
{
    std::vector<CString> files;
    for (int i = 1; i <= n; ++i)
    {
        CString s;
        s.Format(L"C:\\data\\f%d.txt", i);
        files.push_back(s);
    }
    return files;
}
} // namespace

TEST_F(MenuTest, DoubledSeparatorLoadsOnceAndALeadingOneIsKept)
{
    HMENU hMenu =
        BuildMenu({{0, nullptr}, {ID_TEST_OPEN, L"Buka"}, {0, nullptr}, {0, nullptr}, {ID_TEST_SAVE, L"Simpan"}});
    Register(hMenu);
    CExtPopupMenuWnd menu;
    ASSERT_TRUE(menu.CreatePopupMenu(Frame()));
    ASSERT_TRUE(menu.UpdateFromMenu(Frame(), hMenu, false));
    ASSERT_EQ(menu.GetItemCount(), 4);
    EXPECT_EQ(menu.ItemGetCmdID(0), 0);
    EXPECT_EQ(menu.ItemGetCmdID(1), (int)ID_TEST_OPEN);
    EXPECT_EQ(menu.ItemGetCmdID(2), 0);
    EXPECT_EQ(menu.ItemGetCmdID(3), (int)ID_TEST_SAVE);
    // All items show (rarely used ones are not hidden here): the leading separator shows too.
    EXPECT_TRUE(menu.ItemIsDisplayed(0));
    EXPECT_TRUE(menu.ItemIsDisplayed(2));
    ::DestroyMenu(hMenu);
}

TEST_F(MenuTest, SubMenusLoadThreeLevelsWithParentsAndReceivers)
{
    HMENU hMenu = ThreeLevels();
    Register(hMenu);
    CExtPopupMenuWnd menu;
    ASSERT_TRUE(menu.CreatePopupMenu(Frame()));
    ASSERT_TRUE(menu.UpdateFromMenu(Frame(), hMenu, false));
    ASSERT_EQ(menu.GetItemCount(), 4);
    EXPECT_TRUE(menu.IsTopLevel());
    CExtPopupMenuWnd* pTop = menu.ItemGetPopup(2);
    ASSERT_NE(pTop, nullptr);
    EXPECT_EQ(menu.ItemGetCmdID(2), -1);
    EXPECT_EQ(menu.ItemGetText(2), CString(L"&Atas"));
    EXPECT_EQ(pTop->GetParentMenu(), &menu);
    EXPECT_FALSE(pTop->IsTopLevel());
    EXPECT_EQ(pTop->GetCmdReceiverHWND(), Frame());
    ASSERT_EQ(pTop->GetItemCount(), 2);
    EXPECT_EQ(pTop->ItemGetText(1), CString(L"&Tengah"));
    EXPECT_EQ(pTop->ItemGetAccelText(1), CString(L"F9"));
    CExtPopupMenuWnd* pMiddle = pTop->ItemGetPopup(1);
    ASSERT_NE(pMiddle, nullptr);
    EXPECT_EQ(pMiddle->GetParentMenu(), pTop);
    CExtPopupMenuWnd* pDeep = pMiddle->ItemGetPopup(1);
    ASSERT_NE(pDeep, nullptr);
    EXPECT_EQ(pDeep->GetParentMenu(), pMiddle);
    EXPECT_EQ(pDeep->GetCmdReceiverHWND(), Frame());
    ASSERT_EQ(pDeep->GetItemCount(), 1);
    EXPECT_EQ(pDeep->ItemGetCmdID(0), (int)ID_TEST_DEEP);
    EXPECT_EQ(pDeep->GetItemAt(0).GetCmdReceiver(), Frame());
    EXPECT_EQ(menu.ItemGetPopup(0), nullptr);
    ::DestroyMenu(hMenu);
}

TEST_F(MenuTest, UpdateFromMenuRejectsBadMenusAndRegistersCommands)
{
    CExtPopupMenuWnd menu;
    ASSERT_TRUE(menu.CreatePopupMenu(Frame()));
    EXPECT_FALSE(menu.UpdateFromMenu(Frame(), nullptr, false));
    EXPECT_FALSE(menu.UpdateFromMenu(Frame(), (HMENU)(UINT_PTR)0x7654, false));
    HMENU hFlat = BuildMenu({{ID_TEST_OPEN, L"Buka"}});
    EXPECT_FALSE(menu.UpdateFromMenu(Frame(), hFlat, true)); // no first sub-menu
    ASSERT_TRUE(menu.UpdateFromMenu(Frame(), hFlat, false));
    ASSERT_NE(Command(ID_TEST_OPEN), nullptr);
    EXPECT_EQ(Command(ID_TEST_OPEN)->m_sMenuText, CString(L"Buka"));
    ::DestroyMenu(hFlat);
}

TEST_F(MenuTest, MenuResourceLoadsItsFirstPopupWithPopOver)
{
    CExtPopupMenuWnd menu;
    ASSERT_TRUE(menu.CreatePopupMenu(Frame()));
    ASSERT_TRUE(menu.LoadMenuResource(Frame(), IDR_TEST_MENU, true));
    // Buka, Simpan, separator, Lainnya, separator, (recent files: none), separator dropped, Keluar
    ASSERT_EQ(menu.GetItemCount(), 6);
    EXPECT_EQ(menu.ItemGetCmdID(0), (int)ID_TEST_OPEN);
    EXPECT_EQ(menu.ItemGetAccelText(0), CString(L"Ctrl+O"));
    EXPECT_EQ(menu.ItemGetCmdID(3), -1);
    ASSERT_NE(menu.ItemGetPopup(3), nullptr);
    EXPECT_EQ(menu.ItemGetPopup(3)->GetItemCount(), 2);
    EXPECT_EQ(menu.ItemGetCmdID(4), 0);
    EXPECT_EQ(menu.ItemGetCmdID(5), (int)ID_TEST_EXIT);
    EXPECT_FALSE(menu.LoadMenuResource(Frame(), 9999, true));
}

TEST_F(MenuTest, RecentFilesAreListedInPlaceOfThePlaceholder)
{
    for (int nFiles : {0, 4, 12, 20})
    {
        SCOPED_TRACE(nFiles);
        MenuTestApp().SetRecentFiles(Files(nFiles), std::max(nFiles, 1));
        CExtPopupMenuWnd menu;
        ASSERT_TRUE(menu.CreatePopupMenu(Frame()));
        ASSERT_TRUE(menu.LoadMenuResource(Frame(), IDR_TEST_MENU, true));
        const int nListed = std::min(nFiles, 16);
        // Placeholder after "Lainnya" and its separator (position 5); one separator after the files.
        ASSERT_EQ(menu.GetItemCount(), 6 + nListed + (nListed > 0 ? 1 : 0));
        for (int n = 1; n <= nListed; ++n)
        {
            CString sName, sExpected;
            sName.Format(L"C:\\data\\f%d.txt", n);
            if (n < 10)
                sExpected.Format(L"&%d %s", n, (LPCTSTR)sName);
            else
                sExpected.Format(L"%d&%d %s", n / 10, n % 10, (LPCTSTR)sName);
            EXPECT_EQ(menu.ItemGetCmdID(4 + n), (int)(0xE10F + n));
            EXPECT_EQ(menu.ItemGetText(4 + n), sExpected);
            CExtCmdItem* pCmd = Command(0xE10F + n);
            ASSERT_NE(pCmd, nullptr);
            CString sToolbar, sTip;
            sToolbar.Format(L"Recent file %d", n);
            sTip.Format(L"Recent file %d (\"%s\")", n, (LPCTSTR)sName);
            EXPECT_EQ(pCmd->m_sToolbarText, sToolbar);
            EXPECT_EQ(pCmd->m_sTipTool, sTip);
            EXPECT_EQ(pCmd->m_sTipStatus, sTip);
        }
        if (nListed > 0)
        {
            EXPECT_EQ(menu.ItemGetCmdID(5 + nListed), 0);
        }
        EXPECT_EQ(menu.ItemGetCmdID(menu.GetItemCount() - 1), (int)ID_TEST_EXIT);
        EXPECT_EQ(menu.FindItemByCmdId(0xE120), -1);
        EXPECT_EQ(Command(0xE120), nullptr); // the edit command "Clear" is never made
    }
}

TEST_F(MenuTest, WithoutRecentFileListThePlaceholderIsDropped)
{
    MenuTestApp().SetRecentFiles({}, -1);
    CExtPopupMenuWnd menu;
    ASSERT_TRUE(menu.CreatePopupMenu(Frame()));
    ASSERT_TRUE(menu.LoadMenuResource(Frame(), IDR_TEST_MENU, true));
    EXPECT_EQ(menu.GetItemCount(), 6);
    EXPECT_EQ(menu.FindItemByCmdId(ID_TEST_RECENT_FIRST), -1);
}

TEST_F(MenuTest, ExportToMenuGivesTheSameItemsDeepAndShallow)
{
    HMENU hMenu = ThreeLevels();
    Register(hMenu);
    CExtPopupMenuWnd menu;
    ASSERT_TRUE(menu.CreatePopupMenu(Frame()));
    ASSERT_TRUE(menu.UpdateFromMenu(Frame(), hMenu, false));
    // Compares the menu with the exported one item by item, sub-menus down to nDepth levels.
    std::function<void(const CExtPopupMenuWnd&, HMENU, int)> compare = [&](const CExtPopupMenuWnd& m, HMENU h,
                                                                           int nDepth) {
        ASSERT_EQ(::GetMenuItemCount(h), m.GetItemCount());
        for (int i = 0; i < m.GetItemCount(); ++i)
        {
            wchar_t sz[256] = {};
            MENUITEMINFOW mii = {};
            mii.cbSize = sizeof(mii);
            mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
            mii.dwTypeData = sz;
            mii.cch = 255;
            ASSERT_TRUE(::GetMenuItemInfoW(h, i, TRUE, &mii));
            const MENUITEMDATA& mi = m.GetItemAt(i);
            if (mi.IsSeparator())
            {
                EXPECT_NE(mii.fType & MFT_SEPARATOR, 0u);
                continue;
            }
            CString sExpected = mi.GetText();
            if (!mi.GetAccelText().IsEmpty())
                sExpected += L"\t" + mi.GetAccelText();
            EXPECT_EQ(CString(sz), sExpected);
            if (mi.IsPopup())
            {
                ASSERT_NE(mii.hSubMenu, nullptr);
                if (nDepth > 0)
                    compare(*mi.GetPopup(), mii.hSubMenu, nDepth - 1);
                else
                    EXPECT_EQ(::GetMenuItemCount(mii.hSubMenu), 0);
            }
            else
            {
                EXPECT_EQ(mii.hSubMenu, nullptr);
                EXPECT_EQ((int)mii.wID, mi.GetCmdID());
            }
        }
    };
    HMENU hDeep = menu.ExportToMenu(true);
    ASSERT_NE(hDeep, nullptr);
    compare(menu, hDeep, 10);
    HMENU hShallow = menu.ExportToMenu(false);
    ASSERT_NE(hShallow, nullptr);
    compare(menu, hShallow, 0);
    ::DestroyMenu(hDeep);
    ::DestroyMenu(hShallow);
    ::DestroyMenu(hMenu);
}

// ---- MDI window list ---------------------------------------------------------------------------

class MenuMdiTest : public MenuTest
{
protected:
    void SetUp() override
    {
        MenuTest::SetUp();
        m_pMdi = new CMDIFrameWnd;
        m_hMenu = ::CreateMenu();
        HMENU hWindow = ::CreatePopupMenu();
        ::AppendMenuW(hWindow, MF_STRING, ID_TEST_OPEN, L"Buka");
        ::AppendMenuW(m_hMenu, MF_POPUP, (UINT_PTR)hWindow, L"Jendela");
        ASSERT_TRUE(m_pMdi->CreateEx(0, nullptr, L"Induk", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, nullptr, m_hMenu));
        m_pMdi->m_hMenuDefault = m_hMenu;
        ASSERT_TRUE(g_CmdManagerHolder->BindWindowToProfile(Profile(), m_pMdi->GetSafeHwnd()));
    }
    void TearDown() override
    {
        if (m_pMdi != nullptr && m_pMdi->GetSafeHwnd() != nullptr)
        {
            g_CmdManagerHolder->UnbindWindowFromProfile(m_pMdi->GetSafeHwnd());
            m_pMdi->DestroyWindow();
        }
        MenuTest::TearDown();
    }
    CMDIChildWnd* AddChild(LPCTSTR lpszTitle)
    {
        CMDIChildWnd* pChild = new CMDIChildWnd;
        if (!pChild->Create(nullptr, lpszTitle, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault,
                            m_pMdi))
            return nullptr;
        return pChild;
    }
    CMDIFrameWnd* m_pMdi = nullptr;
    HMENU m_hMenu = nullptr;
};

TEST_F(MenuMdiTest, ThreeChildrenGiveASeparatorAndThreeItemsWithTheActiveOneMarked)
{
    CMDIChildWnd* pChildren[3];
    const wchar_t* titles[3] = {L"Satu", L"Dua", L"Tiga"};
    for (int i = 0; i < 3; ++i)
        ASSERT_NE(pChildren[i] = AddChild(titles[i]), nullptr);
    ::SendMessageW(m_pMdi->m_hWndMDIClient, WM_MDIACTIVATE, (WPARAM)pChildren[1]->GetSafeHwnd(), 0);
    CExtPopupMenuWnd menu;
    ASSERT_TRUE(menu.CreatePopupMenu(m_pMdi->GetSafeHwnd()));
    AddCommand(ID_TEST_OPEN, L"Buka");
    ASSERT_TRUE(menu.InsertItem(ID_TEST_OPEN));
    ASSERT_TRUE(menu.AppendMdiWindowsList(m_pMdi));
    ASSERT_EQ(menu.GetItemCount(), 5);
    EXPECT_EQ(menu.ItemGetCmdID(1), 0);
    for (int i = 0; i < 3; ++i)
    {
        const int nItem = 2 + i;
        const int nCmdID = menu.ItemGetCmdID(nItem);
        ASSERT_GE(nCmdID, 0xFF00);
        ASSERT_LE(nCmdID, 0xFF02);
        CString sTitle;
        ::GetWindowTextW(::GetDlgItem(m_pMdi->m_hWndMDIClient, nCmdID), sTitle.GetBuffer(64), 64);
        sTitle.ReleaseBuffer();
        CString sExpected;
        sExpected.Format(L"&%d %s", nCmdID - 0xFEFF, (LPCTSTR)sTitle);
        EXPECT_EQ(menu.ItemGetText(nItem), sExpected);
        const bool bActive = ::GetDlgItem(m_pMdi->m_hWndMDIClient, nCmdID) == pChildren[1]->GetSafeHwnd();
        EXPECT_EQ(menu.GetItemAt(nItem).GetRadio(), bActive);
        EXPECT_EQ(Command(nCmdID)->IsRadio(), bActive);
        CString sTip;
        sTip.Format(L"Document \"%s\"", (LPCTSTR)sTitle);
        EXPECT_EQ(Command(nCmdID)->m_sTipStatus, sTip);
    }
}

TEST_F(MenuMdiTest, HiddenActiveChildCountsAsNone)
{
    CMDIChildWnd* pFirst = AddChild(L"Satu");
    CMDIChildWnd* pSecond = AddChild(L"Dua");
    ASSERT_NE(pFirst, nullptr);
    ASSERT_NE(pSecond, nullptr);
    ASSERT_EQ((HWND)::SendMessageW(m_pMdi->m_hWndMDIClient, WM_MDIGETACTIVE, 0, 0), pSecond->GetSafeHwnd());
    CExtPopupMenuWnd shown;
    ASSERT_TRUE(shown.CreatePopupMenu(m_pMdi->GetSafeHwnd()));
    ASSERT_TRUE(shown.AppendMdiWindowsList(m_pMdi));
    ASSERT_EQ(shown.GetItemCount(), 2);
    EXPECT_TRUE(shown.GetItemAt(shown.FindItemByCmdId(::GetDlgCtrlID(pSecond->GetSafeHwnd()))).GetRadio());
    pSecond->ShowWindow(SW_HIDE);
    CExtPopupMenuWnd hidden;
    ASSERT_TRUE(hidden.CreatePopupMenu(m_pMdi->GetSafeHwnd()));
    ASSERT_TRUE(hidden.AppendMdiWindowsList(m_pMdi));
    ASSERT_EQ(hidden.GetItemCount(), 2);
    EXPECT_FALSE(hidden.GetItemAt(0).GetRadio());
    EXPECT_FALSE(hidden.GetItemAt(1).GetRadio());
}

TEST_F(MenuMdiTest, ElevenChildrenGiveNineItemsASeparatorAndMoreWindows)
{
    for (int i = 0; i < 11; ++i)
    {
        CString s;
        s.Format(L"Dokumen %d", i + 1);
        ASSERT_NE(AddChild(s), nullptr);
    }
    CExtPopupMenuWnd menu;
    ASSERT_TRUE(menu.CreatePopupMenu(m_pMdi->GetSafeHwnd()));
    ASSERT_TRUE(menu.AppendMdiWindowsList(m_pMdi));
    ASSERT_EQ(menu.GetItemCount(), 11);
    int nRadios = 0;
    for (int i = 0; i < 9; ++i)
    {
        EXPECT_EQ(menu.ItemGetCmdID(i), 0xFF00 + i);
        nRadios += menu.GetItemAt(i).GetRadio() ? 1 : 0;
    }
    EXPECT_LE(nRadios, 1);
    EXPECT_EQ(menu.ItemGetCmdID(9), 0);
    EXPECT_EQ(menu.ItemGetCmdID(10), 0xFF09);
    EXPECT_EQ(menu.ItemGetText(10), CString(L"More Windows"));
    EXPECT_EQ(Command(0xFF09)->m_sTipStatus, CString(L"Manage opened document windows"));
}

TEST_F(MenuTest, MdiListNeedsAnMdiFrame)
{
    CExtPopupMenuWnd menu;
    ASSERT_TRUE(menu.CreatePopupMenu(Frame()));
    EXPECT_FALSE(menu.AppendMdiWindowsList());
    EXPECT_EQ(menu.GetItemCount(), 0);
}
