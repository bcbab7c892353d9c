// Command profiles: registration, removal and icon indexes, filling from menus, tool-bar resources and
// a real tool bar, the usage archive byte by byte, and its round trip through the registry.
#include "ExtCmdTestIds.h"
#include "ExtCmdTestSupport.h"
#include "support/DibCanvas.h"
#include "platform/Platform.h"
#include "platform/Archive.h"
#include "platform/File.h"
#include "platform/ToolBar.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include <gtest/gtest.h>
#include <vector>

using namespace ExtCmdTest;

namespace
{
HBITMAP SolidBitmap(COLORREF clr, int cx = 16, int cy = 16)
{
    return MakeBitmap(cx, cy, [clr](int, int) { return clr; });
}

CExtCmdIcon* SolidIcon(COLORREF clr) { return new CExtCmdIcon(SolidBitmap(clr), RGB(1, 2, 3), nullptr, false); }

// The colour at the centre of an icon drawn on white.
COLORREF CentreOf(CExtCmdIcon* pIcon)
{
    DibCanvas canvas(16, 16, RGB(255, 255, 255));
    CDC* pDC = &canvas.dc;
    pIcon->Draw(pDC, POINT{0, 0}, CExtCmdIcon::DRAW_NORMAL);
    return canvas.At(8, 8);
}

std::vector<BYTE> Store(CExtCmdProfile& profile)
{
    return StoredBytes([&](CArchive& ar) { EXPECT_TRUE(profile.SerializeProfile(ar)); });
}

bool Load(CExtCmdProfile& profile, const std::vector<BYTE>& bytes)
{
    CMemFile file;
    FillFile(file, bytes);
    CArchive ar(&file, CArchive::load);
    return profile.SerializeProfile(ar);
}

void PutDword(std::vector<BYTE>& v, DWORD dw)
{
    for (int i = 0; i < 4; ++i)
        v.push_back((BYTE)(dw >> (8 * i)));
}

// The archive written out by hand: header text, version words, total, pairs, end.
std::vector<BYTE> HandWrittenArchive(DWORD dwShortVersion, DWORD dwTotal, const std::vector<DWORD>& pairs)
{
    std::vector<BYTE> v = {0xFF, 0xFE, 0xFF, 0x23};
    for (const wchar_t* p = L"Nimbal (v. 2.3.0.0) command profile"; *p; ++p)
    {
        v.push_back((BYTE)(*p & 0xFF));
        v.push_back((BYTE)(*p >> 8));
    }
    PutDword(v, 0x02030000);
    PutDword(v, dwShortVersion);
    for (int i = 0; i < 4; ++i)
        PutDword(v, 0);
    PutDword(v, dwTotal);
    for (DWORD dw : pairs)
        PutDword(v, dw);
    PutDword(v, 0);
    return v;
}
} // namespace

TEST(CmdProfile, AllocateCommandCountsDownFrom65534)
{
    CExtCmdProfile profile(L"p");
    CExtCmdItem* a = profile.AllocateCommand(0);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->m_nCmdID, 65534u);
    EXPECT_EQ(a->m_pProfile, &profile);
    profile.AllocateCommand(65533);
    EXPECT_EQ(profile.AllocateCommand(0)->m_nCmdID, 65532u);
    profile.AllocateCommand(5);
    EXPECT_EQ(profile.AllocateCommand(5), nullptr);
    EXPECT_EQ(profile.LookupCommand(0), nullptr);
    EXPECT_EQ(profile.LookupCommand((UINT)-3), nullptr);
    EXPECT_TRUE(profile.IsCommandRegistered(5));
}

TEST(CmdProfile, RegisteringAgainFillsOrReplacesTexts)
{
    CExtCmdProfile profile(L"p");
    CExtCmdItem first(7);
    first.m_sMenuText = L"First";
    bool bNew = false;
    ASSERT_TRUE(profile.SetupCommand(first, false, &bNew));
    EXPECT_TRUE(bNew);
    CExtCmdItem second(7);
    second.m_sMenuText = L"Second";
    second.m_sTipTool = L"Tip";
    ASSERT_TRUE(profile.SetupCommand(second, false, &bNew));
    EXPECT_FALSE(bNew);
    EXPECT_STREQ(profile.LookupCommand(7)->m_sMenuText, L"First");
    EXPECT_STREQ(profile.LookupCommand(7)->m_sTipTool, L"Tip");
    second.m_sTipTool.Empty();
    ASSERT_TRUE(profile.SetupCommand(second, true));
    EXPECT_STREQ(profile.LookupCommand(7)->m_sMenuText, L"Second");
    EXPECT_STREQ(profile.LookupCommand(7)->m_sTipTool, L"Tip");
    EXPECT_FALSE(profile.SetupCommand(CExtCmdItem(0)));
    EXPECT_FALSE(profile.SetupCommand(CExtCmdItem((UINT)-1)));
}

TEST(CmdProfile, RemovingACommandDeletesItsIconAndShiftsTheIndexesAbove)
{
    CExtCmdProfile profile(L"p");
    for (UINT id : {1u, 2u, 3u})
    {
        profile.AllocateCommand(id);
        ASSERT_TRUE(profile.SetCommandIcon(id, SolidIcon(RGB(id * 40, 0, 0)), true));
    }
    EXPECT_EQ(profile.LookupCommand(3)->m_nIconIdx, 2);
    bool bRemoved = false;
    EXPECT_TRUE(profile.RemoveCommand(1, &bRemoved));
    EXPECT_TRUE(bRemoved);
    EXPECT_EQ(profile.m_icons.GetSize(), 2);
    EXPECT_EQ(profile.LookupCommand(2)->m_nIconIdx, 0);
    EXPECT_EQ(profile.LookupCommand(3)->m_nIconIdx, 1);
    EXPECT_EQ(CentreOf(profile.GetCommandIcon(3)), RGB(120, 0, 0));
    EXPECT_TRUE(profile.RemoveCommand(99, &bRemoved));
    EXPECT_FALSE(bRemoved);
    EXPECT_FALSE(profile.RemoveCommand(0, &bRemoved));
}

TEST(CmdProfile, SetCommandIconCopiesOrTakesOverAndNullRemoves)
{
    CExtCmdProfile profile(L"p");
    profile.AllocateCommand(1);
    profile.AllocateCommand(2);
    CExtCmdIcon given(SolidBitmap(RGB(0, 200, 0)), RGB(1, 2, 3), nullptr, false);
    ASSERT_TRUE(profile.SetCommandIcon(1, &given, false));
    EXPECT_NE(profile.GetCommandIcon(1), &given);
    EXPECT_EQ(CentreOf(profile.GetCommandIcon(1)), RGB(0, 200, 0));
    CExtCmdIcon* pStored = profile.GetCommandIcon(1);
    CExtCmdIcon other(SolidBitmap(RGB(0, 0, 200)), RGB(1, 2, 3), nullptr, false);
    ASSERT_TRUE(profile.SetCommandIcon(1, &other, false));
    EXPECT_EQ(profile.GetCommandIcon(1), pStored);
    EXPECT_EQ(CentreOf(pStored), RGB(0, 0, 200));
    CExtCmdIcon* pOwned = SolidIcon(RGB(90, 90, 0));
    ASSERT_TRUE(profile.SetCommandIcon(1, pOwned, true));
    EXPECT_EQ(profile.GetCommandIcon(1), pOwned);
    EXPECT_EQ(profile.m_icons.GetSize(), 1);
    ASSERT_TRUE(profile.SetCommandIcon(2, SolidIcon(RGB(9, 9, 9)), true));
    ASSERT_TRUE(profile.SetCommandIcon(1, (CExtCmdIcon*)nullptr, false));
    EXPECT_EQ(profile.LookupCommand(1)->m_nIconIdx, -1);
    EXPECT_EQ(profile.LookupCommand(2)->m_nIconIdx, 0);
    EXPECT_FALSE(profile.SetCommandIcon(0, &other, false));
    EXPECT_FALSE(profile.SetCommandIcon(77, &other, false));
    EXPECT_FALSE(profile.SetCommandIcon(77, SolidIcon(RGB(1, 1, 1)), true)); // deleted, not leaked
}

TEST(CmdProfile, GivingTheProfileItsOwnIconChangesNothing)
{
    CExtCmdProfile profile(L"p");
    profile.AllocateCommand(1);
    ASSERT_TRUE(profile.SetCommandIcon(1, SolidIcon(RGB(200, 0, 0)), true));
    CExtCmdIcon* pHeld = profile.GetCommandIcon(1);
    EXPECT_TRUE(profile.SetCommandIcon(1, pHeld, true));
    EXPECT_EQ(profile.GetCommandIcon(1), pHeld);
    EXPECT_EQ(profile.m_icons.GetSize(), 1);
    EXPECT_EQ(CentreOf(pHeld), RGB(200, 0, 0));
}

TEST(CmdProfile, TheHandleFormCopiesOrTakesOverTheIcon)
{
    CExtCmdProfile profile(L"p");
    profile.AllocateCommand(1);
    CExtCmdIcon source(SolidBitmap(RGB(0, 100, 200)), RGB(1, 2, 3), nullptr, false);
    HICON hIcon = source.ExtractHICON(false);
    ASSERT_TRUE(profile.SetCommandIcon(1, hIcon, true));
    EXPECT_FALSE(profile.GetCommandIcon(1)->IsBitmapBased());
    EXPECT_EQ(CentreOf(profile.GetCommandIcon(1)), RGB(0, 100, 200));
    ICONINFO ii = {};
    EXPECT_TRUE(::GetIconInfo(hIcon, &ii)); // the caller still has its handle
    ::DeleteObject(ii.hbmColor);
    ::DeleteObject(ii.hbmMask);
    ASSERT_TRUE(profile.SetCommandIcon(1, hIcon, false));
    ASSERT_TRUE(profile.SetCommandIcon(1, (HICON) nullptr, false));
    EXPECT_EQ(profile.GetCommandIcon(1), nullptr);
}

TEST(CmdProfile, RemoveCommandsByFlagsMatchesAnyOrAllBitsOfTheMask)
{
    CExtCmdProfile profile(L"p");
    profile.AllocateCommand(1)->m_dwStateFlags = 0x80;
    profile.AllocateCommand(2)->m_dwStateFlags = 0x180;
    profile.AllocateCommand(3)->m_dwStateFlags = 0x200;
    profile.RemoveCommandsByFlags(0x180, true);
    EXPECT_TRUE(profile.IsCommandRegistered(1));
    EXPECT_FALSE(profile.IsCommandRegistered(2));
    profile.RemoveCommandsByFlags(0x280, false);
    EXPECT_FALSE(profile.IsCommandRegistered(1));
    EXPECT_FALSE(profile.IsCommandRegistered(3));
}

TEST(CmdProfile, SetAlwaysShownCommandsSkipsSystemAndUnknownIds)
{
    CExtCmdProfile profile(L"p");
    profile.AllocateCommand(5);
    profile.AllocateCommand(0xF060);
    const UINT ids[] = {0xF060, 5, 0};
    EXPECT_FALSE(profile.SetAlwaysShownCommands(ids));
    EXPECT_TRUE(profile.LookupCommand(5)->IsAlwaysShown());
    EXPECT_EQ(profile.LookupCommand(0xF060)->m_dwStateFlags & 0x10, 0u);
    const UINT known[] = {5, 0};
    EXPECT_TRUE(profile.SetAlwaysShownCommands(known, false));
    EXPECT_EQ(profile.LookupCommand(5)->m_dwStateFlags & 0x10, 0u);
    const UINT none[] = {0};
    EXPECT_TRUE(profile.SetAlwaysShownCommands(none));
    EXPECT_FALSE(profile.SetAlwaysShownCommands(nullptr));
}

TEST(CmdProfile, AssignFromCopiesItemsAndIconsSoThatIndexesStayValid)
{
    CExtCmdProfile source(L"src");
    source.m_nRarelyUsedThreshold = 30;
    source.m_nTotalTickCount = 12;
    source.m_dwFurther = 4;
    source.AllocateCommand(1);
    source.AllocateCommand(2);
    source.SetCommandIcon(2, SolidIcon(RGB(10, 20, 30)), true);
    source.SetCommandIcon(1, SolidIcon(RGB(40, 50, 60)), true);
    CExtCmdProfile copy(L"dst");
    copy.AllocateCommand(9);
    copy.AssignFrom(source);
    EXPECT_STREQ(copy.m_sName, L"src");
    EXPECT_EQ(copy.m_nRarelyUsedThreshold, 30u);
    EXPECT_EQ(copy.m_nTotalTickCount, 12u);
    EXPECT_EQ(copy.m_dwFurther, 4u);
    EXPECT_FALSE(copy.IsCommandRegistered(9));
    ASSERT_NE(copy.LookupCommand(1), nullptr);
    EXPECT_EQ(copy.LookupCommand(1)->m_pProfile, &copy);
    EXPECT_NE(copy.GetCommandIcon(1), source.GetCommandIcon(1));
    EXPECT_EQ(CentreOf(copy.GetCommandIcon(1)), RGB(40, 50, 60));
    EXPECT_EQ(CentreOf(copy.GetCommandIcon(2)), RGB(10, 20, 30));
}

TEST(CmdProfileResources, AToolBarResourceGivesEachIdItsImageAndReturnsAllIds)
{
    CExtCmdProfile profile(L"p");
    UINT* pIDs = nullptr;
    INT nCount = 0;
    ASSERT_TRUE(profile.UpdateFromToolBarResource(IDR_CMDT_TOOLBAR, &pIDs, &nCount, false, true, RGB(192, 192, 192)));
    ASSERT_EQ(nCount, 3);
    EXPECT_EQ(pIDs[0], (UINT)ID_CMDT_TWO_PHRASES);
    EXPECT_EQ(pIDs[1], 0u);
    EXPECT_EQ(pIDs[2], (UINT)ID_CMDT_STATUS_ONLY);
    delete[] pIDs;
    CExtCmdIcon* p10 = profile.GetCommandIcon(ID_CMDT_TWO_PHRASES);
    CExtCmdIcon* p11 = profile.GetCommandIcon(ID_CMDT_STATUS_ONLY);
    ASSERT_NE(p10, nullptr);
    ASSERT_NE(p11, nullptr);
    EXPECT_EQ(p10->GetSize().cx, 16);
    DibCanvas canvas(32, 16, RGB(255, 255, 255));
    p10->Draw(&canvas.dc, POINT{0, 0}, CExtCmdIcon::DRAW_NORMAL);
    p11->Draw(&canvas.dc, POINT{16, 0}, CExtCmdIcon::DRAW_NORMAL);
    EXPECT_EQ(canvas.At(8, 8), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(1, 1), RGB(255, 255, 255)); // silver is transparent
    EXPECT_EQ(canvas.At(24, 8), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(17, 1), RGB(255, 255, 255));
    EXPECT_STREQ(profile.LookupCommand(ID_CMDT_TWO_PHRASES)->m_sTipTool, L"Open");

    // A command that holds an icon keeps it (no image is cut for it) unless the images replace the icons.
    CExtCmdProfile held(L"held");
    ASSERT_TRUE(held.UpdateFromMenuResource(IDR_CMDT_MENU));
    ASSERT_TRUE(held.SetCommandIcon(ID_CMDT_TWO_PHRASES, SolidIcon(RGB(0, 160, 0)), true));
    CExtCmdIcon* pHeld = held.GetCommandIcon(ID_CMDT_TWO_PHRASES);
    ASSERT_TRUE(held.UpdateFromToolBarResource(IDR_CMDT_TOOLBAR, nullptr, nullptr, false, true, RGB(192, 192, 192)));
    EXPECT_EQ(held.GetCommandIcon(ID_CMDT_TWO_PHRASES), pHeld);
    EXPECT_EQ(CentreOf(held.GetCommandIcon(ID_CMDT_TWO_PHRASES)), RGB(0, 160, 0));
    ASSERT_NE(held.GetCommandIcon(ID_CMDT_STATUS_ONLY), nullptr);
    EXPECT_EQ(CentreOf(held.GetCommandIcon(ID_CMDT_STATUS_ONLY)), RGB(0, 0, 255));
    ASSERT_TRUE(held.UpdateFromToolBarResource(IDR_CMDT_TOOLBAR, nullptr, nullptr, true, true, RGB(192, 192, 192)));
    EXPECT_EQ(CentreOf(held.GetCommandIcon(ID_CMDT_TWO_PHRASES)), RGB(255, 0, 0));
}

TEST(CmdProfileResources, MalformedToolBarResourcesGiveFalseAndRegisterNothing)
{
    for (UINT nID :
         {(UINT)IDR_CMDT_TOOLBAR_COUNT_TOO_BIG, (UINT)IDR_CMDT_TOOLBAR_ZERO_WIDTH, (UINT)IDR_CMDT_TOOLBAR_SHORT,
          (UINT)IDR_CMDT_TOOLBAR_ZERO_HEIGHT, (UINT)IDR_CMDT_TOOLBAR_NO_BITMAP, 999u, 0u})
    {
        CExtCmdProfile profile(L"p");
        UINT* pIDs = nullptr;
        INT nCount = -1;
        EXPECT_FALSE(profile.UpdateFromToolBarResource(nID, &pIDs, &nCount)) << nID;
        EXPECT_EQ(pIDs, nullptr) << nID;
        EXPECT_EQ(nCount, 0) << nID;
        EXPECT_EQ(profile.m_cmds.GetCount(), 0) << nID;
    }
}

TEST(CmdProfileResources, AnImageOutsideTheBitmapGivesNoIcon)
{
    CExtCmdProfile profile(L"p");
    UINT* pIDs = nullptr;
    INT nCount = 0;
    ASSERT_TRUE(profile.UpdateFromToolBarResource(IDR_CMDT_TOOLBAR_OUTSIDE, &pIDs, &nCount));
    EXPECT_EQ(nCount, 3);
    delete[] pIDs;
    EXPECT_NE(profile.GetCommandIcon(ID_CMDT_OUTSIDE_A), nullptr);
    EXPECT_NE(profile.GetCommandIcon(ID_CMDT_OUTSIDE_B), nullptr);
    EXPECT_EQ(profile.GetCommandIcon(ID_CMDT_OUTSIDE_C), nullptr);
}

TEST(CmdProfileResources, AMenuResourceRegistersItsEntriesWithTextsAndAccelerators)
{
    CExtCmdProfile profile(L"p");
    ASSERT_TRUE(profile.UpdateFromMenuResource(IDR_CMDT_MENU));
    EXPECT_EQ(profile.m_cmds.GetCount(), 4);
    CExtCmdItem* pOpen = profile.LookupCommand(ID_CMDT_TWO_PHRASES);
    ASSERT_NE(pOpen, nullptr);
    EXPECT_STREQ(pOpen->m_sMenuText, L"&Open");
    EXPECT_STREQ(pOpen->m_sAccelText, L"Ctrl+O");
    EXPECT_STREQ(pOpen->m_sTipStatus, L"Opens a file");
    CExtCmdItem* pDeep = profile.LookupCommand(ID_CMDT_DEEP);
    ASSERT_NE(pDeep, nullptr);
    EXPECT_STREQ(pDeep->m_sMenuText, L"Deep");
    EXPECT_STREQ(pDeep->m_sTipTool, L"Deep tip");
    EXPECT_STREQ(profile.LookupCommand(ID_CMDT_TOP)->m_sMenuText, L"Top");
    EXPECT_TRUE(profile.LookupCommand(ID_CMDT_STATUS_ONLY)->m_sAccelText.IsEmpty());
    EXPECT_FALSE(profile.UpdateFromMenuResource(4711));
    EXPECT_FALSE(profile.UpdateFromMenu(nullptr));
}

TEST(CmdProfileResources, WithoutRecursionSubMenusAreSkipped)
{
    CExtCmdProfile profile(L"p");
    HMENU hMenu = ::LoadMenuW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_CMDT_MENU));
    ASSERT_NE(hMenu, nullptr);
    ASSERT_TRUE(profile.UpdateFromMenu(hMenu, false, false, false));
    EXPECT_EQ(profile.m_cmds.GetCount(), 1);
    EXPECT_TRUE(profile.IsCommandRegistered(ID_CMDT_TOP));
    HMENU hEmpty = ::CreatePopupMenu();
    EXPECT_TRUE(profile.UpdateFromMenu(hEmpty));
    ::DestroyMenu(hEmpty);
    ::DestroyMenu(hMenu);
}

TEST(CmdProfileResources, ARealToolBarGivesButtonTextsAndImagesFromItsImageList)
{
    RecordingWindow parent;
    CToolBar toolBar;
    ASSERT_TRUE(toolBar.Create(CWnd::FromHandle(parent.Hwnd())));
    CExtCmdProfile profile(L"p");
    EXPECT_FALSE(profile.UpdateFromToolBarWindow(&toolBar)); // no image list yet
    HIMAGELIST hList = ::ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 0, 2);
    HBITMAP hRed = SolidBitmap(RGB(250, 0, 0));
    HBITMAP hBlue = SolidBitmap(RGB(0, 0, 250));
    ::ImageList_Add(hList, hRed, nullptr);
    ::ImageList_Add(hList, hBlue, nullptr);
    toolBar.SetImageList(hList);
    const UINT ids[] = {501, 0, 502};
    ASSERT_TRUE(toolBar.SetButtons(ids, 3));
    EXPECT_EQ(toolBar.GetCount(), 3);
    EXPECT_EQ(toolBar.GetItemID(1), 0u);
    ASSERT_TRUE(toolBar.SetButtonText(2, L"Second"));
    EXPECT_STREQ(toolBar.GetButtonText(2), L"Second");
    UINT nID = 0, nStyle = 0;
    int nImage = -1;
    toolBar.GetButtonInfo(2, nID, nStyle, nImage);
    EXPECT_EQ(nID, 502u);
    EXPECT_EQ(nImage, 1);
    ASSERT_TRUE(profile.UpdateFromToolBarWindow(&toolBar, false, false));
    EXPECT_EQ(profile.m_cmds.GetCount(), 2);
    EXPECT_STREQ(profile.LookupCommand(502)->m_sToolbarText, L"Second");
    ASSERT_NE(profile.GetCommandIcon(501), nullptr);
    EXPECT_EQ(CentreOf(profile.GetCommandIcon(501)), RGB(250, 0, 0));
    EXPECT_EQ(CentreOf(profile.GetCommandIcon(502)), RGB(0, 0, 250));
    // An item that has an icon keeps it.
    ASSERT_TRUE(profile.UpdateFromToolBarWindow(&toolBar, true, false));
    EXPECT_EQ(profile.m_icons.GetSize(), 2);
    toolBar.DestroyWindow();
    ::ImageList_Destroy(hList);
    ::DeleteObject(hRed);
    ::DeleteObject(hBlue);
    EXPECT_FALSE(profile.UpdateFromToolBarWindow(nullptr));
}

TEST(CmdProfileArchive, TheStoredBytesAreTheHandWrittenArchive)
{
    CExtCmdProfile profile(L"p");
    profile.AllocateCommand(0x11)->m_nUsageTickCount = 5;
    profile.AllocateCommand(0x12); // no uses: not stored
    profile.AllocateCommand(0x13)->m_nUsageTickCount = 7;
    profile.LookupCommand(0x13)->SetUsageNotStored(true); // not stored
    profile.AllocateCommand(0x100)->m_nUsageTickCount = 2;
    profile.m_nTotalTickCount = 14;
    // Map order: buckets by id >> 4 modulo 17, so 0x11 (bucket 1) before 0x100 (bucket 16).
    EXPECT_EQ(Store(profile), HandWrittenArchive(0x203, 14, {0x11, 5, 0x100, 2}));
}

TEST(CmdProfileArchive, LoadingSetsTheTotalAndTheCountsOfTheStoredItems)
{
    CExtCmdProfile profile(L"p");
    profile.AllocateCommand(0x11);
    profile.AllocateCommand(0x100);
    profile.AllocateCommand(0x55)->m_nUsageTickCount = 3;
    ASSERT_TRUE(Load(profile, HandWrittenArchive(0x203, 14, {0x11, 5, 0x100, 2})));
    EXPECT_EQ(profile.m_nTotalTickCount, 14u);
    EXPECT_EQ(profile.LookupCommand(0x11)->m_nUsageTickCount, 5u);
    EXPECT_EQ(profile.LookupCommand(0x100)->m_nUsageTickCount, 2u);
    EXPECT_EQ(profile.LookupCommand(0x55)->m_nUsageTickCount, 3u);
}

TEST(CmdProfileArchive, AWrongVersionAnUnknownIdOrATruncatedArchiveChangeNothing)
{
    CExtCmdProfile profile(L"p");
    profile.AllocateCommand(0x11)->m_nUsageTickCount = 1;
    profile.AllocateCommand(0x100)->m_nUsageTickCount = 1;
    profile.m_nTotalTickCount = 2;
    std::vector<BYTE> truncated = HandWrittenArchive(0x203, 14, {0x11, 5, 0x100, 2});
    truncated.resize(truncated.size() - 6);
    const std::vector<BYTE> wrongVersion = HandWrittenArchive(0x204, 14, {0x11, 5});
    const std::vector<BYTE> unknownId = HandWrittenArchive(0x203, 14, {0x11, 5, 0x99, 2});
    for (const auto& bytes : {wrongVersion, unknownId, truncated})
    {
        EXPECT_FALSE(Load(profile, bytes));
        EXPECT_EQ(profile.m_nTotalTickCount, 2u);
        EXPECT_EQ(profile.LookupCommand(0x11)->m_nUsageTickCount, 1u);
        EXPECT_EQ(profile.LookupCommand(0x100)->m_nUsageTickCount, 1u);
    }
}

TEST(CmdProfileArchive, SerializeStateRoundTripsThroughTheRegistry)
{
    TestKey key(L"CmdProfileState");
    const CString sCompany = key.Path().Mid(9); // below "Software\"
    CExtCmdProfile saved(L"round\ttrip");
    saved.AllocateCommand(40)->m_nUsageTickCount = 6;
    saved.AllocateCommand(41)->m_nUsageTickCount = 4;
    saved.m_nTotalTickCount = 10;
    ASSERT_TRUE(saved.SerializeState(sCompany, L"Product", true));
    CString sPath;
    CExtCmdManager::BuildRegistryPath(sPath, L"CommandManager", L"round\ttrip", sCompany, L"Product");
    EXPECT_NE(sPath.Find(L"\\Nimbal230\\Profiles\\round_trip\\CommandManager"), -1);
    EXPECT_FALSE(TestKey::Values(sPath).empty());

    CExtCmdProfile loaded(L"round\ttrip");
    loaded.AllocateCommand(40);
    loaded.AllocateCommand(41);
    ASSERT_TRUE(loaded.SerializeState(sCompany, L"Product", false));
    EXPECT_EQ(loaded.m_nTotalTickCount, 10u);
    EXPECT_EQ(loaded.LookupCommand(40)->m_nUsageTickCount, 6u);
    EXPECT_EQ(loaded.LookupCommand(41)->m_nUsageTickCount, 4u);
    CExtCmdProfile missing(L"nobody");
    EXPECT_FALSE(missing.SerializeState(sCompany, L"Product", false));
}

TEST(CmdProfileEvents, ResetUsageCountersClearsCountsAndTotal)
{
    CExtCmdProfile profile(L"p");
    profile.AllocateCommand(1)->m_nUsageTickCount = 3;
    profile.AllocateCommand(2)->m_nUsageTickCount = 4;
    profile.LookupCommand(2)->SetAlwaysShown(true);
    profile.m_nTotalTickCount = 3;
    profile.ResetUsageCounters();
    EXPECT_EQ(profile.m_nTotalTickCount, 0u);
    EXPECT_EQ(profile.LookupCommand(1)->m_nUsageTickCount, 0u);
    EXPECT_EQ(profile.LookupCommand(2)->m_nUsageTickCount, 4u);
}
