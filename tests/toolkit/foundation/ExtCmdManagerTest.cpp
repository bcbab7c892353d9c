// The command manager: profiles by name and by window on real windows, command operations through
// profile names, registry paths, version words, system events and the global holder.
#include "ExtCmdTestSupport.h"
#include "platform/Platform.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include <gtest/gtest.h>

using namespace ExtCmdTest;

TEST(CmdManager, TheHolderStartsWithTheDefaultProfile)
{
    CExtCmdManager* pManager = g_CmdManagerHolder.GetCmdManager();
    ASSERT_NE(pManager, nullptr);
    EXPECT_EQ(g_CmdManagerHolder.operator->(), pManager);
    CExtCmdProfile* pDefault = pManager->FindProfileByName(L"default");
    ASSERT_NE(pDefault, nullptr);
    EXPECT_EQ(pManager->FindProfileByName(nullptr), pDefault);
    EXPECT_STREQ(pDefault->m_sName, L"default");
}

TEST(CmdManager, CreateProfileWithAnEmptyNameAndAWindowBindsItToDefault)
{
    CExtCmdManager manager;
    RecordingWindow wnd;
    ASSERT_TRUE(manager.CreateProfile(L"", wnd.Hwnd()));
    EXPECT_STREQ(manager.FindProfileNameForWindow(wnd.Hwnd()), L"default");
    EXPECT_TRUE(manager.CreateProfile(L"other"));
    EXPECT_NE(manager.FindProfileByName(L"other"), nullptr);
}

TEST(CmdManager, AnOfferedProfileIsAdoptedOrDeleted)
{
    CExtCmdManager manager;
    auto* pAdopted = new CExtCmdProfile(L"mine");
    ASSERT_TRUE(manager.CreateProfile(L"mine", nullptr, pAdopted));
    EXPECT_EQ(manager.FindProfileByName(L"mine"), pAdopted);
    // The name exists: the offer is deleted (checked with a heap-checking run), the stored one stays.
    ASSERT_TRUE(manager.CreateProfile(L"mine", nullptr, new CExtCmdProfile(L"mine")));
    EXPECT_EQ(manager.FindProfileByName(L"mine"), pAdopted);
    // Offering the stored profile itself keeps it.
    ASSERT_TRUE(manager.CreateProfile(L"mine", nullptr, pAdopted));
    EXPECT_EQ(manager.FindProfileByName(L"mine"), pAdopted);
    EXPECT_TRUE(manager.SetupCommand(L"mine", CExtCmdItem(5)));
}

TEST(CmdManager, ABoundWindowKeepsItsFirstProfile)
{
    CExtCmdManager manager;
    manager.CreateProfile(L"a");
    manager.CreateProfile(L"b");
    RecordingWindow wnd;
    ASSERT_TRUE(manager.BindWindowToProfile(L"a", wnd.Hwnd()));
    EXPECT_TRUE(manager.BindWindowToProfile(L"b", wnd.Hwnd()));
    EXPECT_STREQ(manager.FindProfileNameForWindow(wnd.Hwnd()), L"a");
    EXPECT_FALSE(manager.BindWindowToProfile(L"missing", wnd.Hwnd()));
    EXPECT_FALSE(manager.BindWindowToProfile(L"a", nullptr));
}

TEST(CmdManager, UnbindingTheLastWindowDeletesTheProfileWhenAsked)
{
    CExtCmdManager manager;
    RecordingWindow first, second;
    manager.CreateProfile(L"shared", first.Hwnd());
    manager.BindWindowToProfile(L"shared", second.Hwnd());
    bool bDeleted = true;
    ASSERT_TRUE(manager.UnbindWindowFromProfile(first.Hwnd(), true, &bDeleted));
    EXPECT_FALSE(bDeleted);
    EXPECT_NE(manager.FindProfileByName(L"shared"), nullptr);
    ASSERT_TRUE(manager.UnbindWindowFromProfile(second.Hwnd(), true, &bDeleted));
    EXPECT_TRUE(bDeleted);
    EXPECT_EQ(manager.FindProfileByName(L"shared"), nullptr);
    EXPECT_FALSE(manager.UnbindWindowFromProfile(second.Hwnd(), true, &bDeleted));
    EXPECT_FALSE(bDeleted);
    EXPECT_FALSE(manager.UnbindWindowFromProfile(nullptr));

    manager.CreateProfile(L"kept", first.Hwnd());
    ASSERT_TRUE(manager.UnbindWindowFromProfile(first.Hwnd(), false, &bDeleted));
    EXPECT_FALSE(bDeleted);
    EXPECT_NE(manager.FindProfileByName(L"kept"), nullptr);
    EXPECT_EQ(manager.FindProfileNameForWindow(first.Hwnd()), nullptr);
}

TEST(CmdManager, AChildFindsTheProfileOfItsBoundGrandparent)
{
    CExtCmdManager manager;
    RecordingWindow top;
    RecordingWindow middle(top.Hwnd(), true);
    RecordingWindow child(middle.Hwnd(), true);
    manager.CreateProfile(L"frame", top.Hwnd());
    EXPECT_STREQ(manager.FindProfileNameForWindow(child.Hwnd()), L"frame");
    EXPECT_EQ(manager.FindProfileNameForWindow(nullptr), nullptr);
    RecordingWindow unbound;
    EXPECT_EQ(manager.FindProfileNameForWindow(unbound.Hwnd()), nullptr);
}

TEST(CmdManager, CommandOperationsOnAnUnknownProfileTouchNothing)
{
    CExtCmdManager manager;
    bool bFlag = true;
    EXPECT_FALSE(manager.SetupCommand(L"none", CExtCmdItem(5), false, &bFlag));
    EXPECT_FALSE(bFlag);
    bFlag = true;
    EXPECT_FALSE(manager.RemoveCommand(L"none", 5, &bFlag));
    EXPECT_FALSE(bFlag);
    EXPECT_FALSE(manager.RemoveCommandsByFlags(L"none", 1, false));
    EXPECT_EQ(manager.AllocateCommand(L"none"), nullptr);
    EXPECT_EQ(manager.LookupCommand(L"none", 5), nullptr);
    EXPECT_FALSE(manager.SetCommandIcon(L"none", 5, nullptr, false));
    EXPECT_EQ(manager.GetCommandIcon(L"none", 5), nullptr);
    EXPECT_FALSE(manager.UpdateFromMenu(L"none", nullptr));
    EXPECT_FALSE(manager.UpdateFromMenuResource(L"none", 400));
    UINT* pIDs = (UINT*)1;
    INT nCount = 7;
    EXPECT_FALSE(manager.UpdateFromToolBarResource(L"none", 300, &pIDs, &nCount));
    EXPECT_EQ(pIDs, nullptr);
    EXPECT_EQ(nCount, 0);
    manager.RemoveAllCommands(L"none");
    EXPECT_EQ(manager.FindProfileByName(L"none"), nullptr);
    EXPECT_EQ(manager.FindProfileByName(L"default")->m_cmds.GetCount(), 0);
}

TEST(CmdManager, CommandOperationsReachTheNamedProfile)
{
    CExtCmdManager manager;
    manager.CreateProfile(L"p");
    bool bNew = false;
    ASSERT_TRUE(manager.SetupCommand(L"p", CExtCmdItem(8), false, &bNew));
    EXPECT_TRUE(bNew);
    EXPECT_NE(manager.LookupCommand(L"p", 8), nullptr);
    EXPECT_EQ(manager.LookupCommand(nullptr, 8), nullptr);
    EXPECT_EQ(manager.AllocateCommand(L"p")->m_nCmdID, 65534u);
    manager.LookupCommand(L"p", 8)->m_dwStateFlags = 0x80;
    EXPECT_TRUE(manager.RemoveCommandsByFlags(L"p", 0x80, false));
    EXPECT_EQ(manager.LookupCommand(L"p", 8), nullptr);
    manager.RemoveAllCommands(L"p");
    EXPECT_EQ(manager.FindProfileByName(L"p")->m_cmds.GetCount(), 0);
}

TEST(CmdManager, RegistryPathsReplaceControlCharactersAndWildcards)
{
    CString sPath;
    CExtCmdManager::BuildRegistryPath(sPath, L"CommandManager", L"my\tprof*le?", L"Corvane", L"Corvane SMS");
    EXPECT_STREQ(sPath, L"Software\\Corvane\\Corvane SMS\\Nimbal230\\Profiles\\my_prof_le_\\CommandManager");
    CExtCmdManager::BuildRegistryPath(sPath, L"Control\r\nBar", L"p", L"c", L"d");
    EXPECT_STREQ(sPath, L"Software\\c\\d\\Nimbal230\\Profiles\\p\\Control__Bar");
}

TEST(CmdManager, VersionWordsAndText)
{
    EXPECT_EQ(CExtCmdManager::ToolkitVersion(false), 0x02030000u);
    EXPECT_EQ(CExtCmdManager::ToolkitVersion(true), 0x00000203u);
    CString s;
    EXPECT_STREQ(CExtCmdManager::ToolkitVersionText(s, L'.'), L"2.3.0.0");
    EXPECT_STREQ(CExtCmdManager::ToolkitVersionText(s, L','), L"2,3,0,0");
}

TEST(CmdManager, SystemEventsReachTheIconsOfEveryProfile)
{
    CExtCmdManager manager;
    manager.CreateProfile(L"p");
    manager.AllocateCommand(L"p", 3);
    CExtCmdProfile* pProfile = manager.FindProfileByName(L"p");
    BITMAPINFO bi = {};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, 16, 1, 32, BI_RGB};
    void* pv = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &pv, nullptr, 0);
    ASSERT_TRUE(pProfile->SetCommandIcon(3, new CExtCmdIcon(hBitmap, RGB(1, 1, 1), nullptr, false), true));
    CExtCmdIcon* pIcon = pProfile->GetCommandIcon(3);
    ASSERT_NE(pIcon->GetIcon(), nullptr);
    // A bitmap icon drops its cached icon so that the next request rebuilds it.
    manager.OnSysColorChange();
    EXPECT_EQ(pIcon->m_icon.m_hIcon, nullptr);
    pIcon->GetIcon();
    manager.OnSettingChange(0, L"x");
    EXPECT_EQ(pIcon->m_icon.m_hIcon, nullptr);
    pIcon->GetIcon();
    manager.OnDisplayChange(32, 640, 480);
    EXPECT_EQ(pIcon->m_icon.m_hIcon, nullptr);
    pIcon->GetIcon();
    manager.OnThemeChanged(0, 0);
    EXPECT_EQ(pIcon->m_icon.m_hIcon, nullptr);
}
