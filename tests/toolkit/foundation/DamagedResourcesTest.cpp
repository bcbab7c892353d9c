// Damaged resources and bitmaps fed to the toolkit's readers: dialog and page templates, menus,
// string blocks, tool-bar resources and BMP data, each the smallest input that once ended the
// process, hung it or exhausted its memory. Every case ends in a plain refusal. The resources live
// in a module the test writes for itself; in-memory data sits against a page that cannot be read.
#include <gtest/gtest.h>
#include "FoundationTestSupport.h"
#include "damaged_test_ids.h"
#include "platform/Core.h"
#include "platform/DialogTemplate.h"
#include "platform/Menu.h"
#include "toolkit/foundation/ExtCmdIcon.h"
#include "toolkit/foundation/ExtCmdProfile.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtResDlg.h"
#include "toolkit/foundation/ExtResPP.h"
#include "toolkit/foundation/ExtResPS.h"
#include "toolkit/foundation/ExtResourceManager.h"
#include <psapi.h>
#include <algorithm>
#include <vector>

namespace
{
typedef std::vector<BYTE> Bytes;

const WORD kEnglish = 0x0409;
// Ids of the resources the tests write: damaged ones count up from 300, sound ones from 400.
const UINT kDamagedId = 300;
const UINT kSoundId = 400;
const UINT kPageId = 500;

void Put16(Bytes& v, WORD w)
{
    v.push_back((BYTE)w);
    v.push_back((BYTE)(w >> 8));
}

void Put32(Bytes& v, DWORD dw)
{
    Put16(v, LOWORD(dw));
    Put16(v, HIWORD(dw));
}

void PutText(Bytes& v, const wchar_t* psz)
{
    do
        Put16(v, *psz);
    while (*psz++ != 0);
}

void Align4(Bytes& v)
{
    while (v.size() % 4 != 0)
        v.push_back(0);
}

// A module of the test's own making that holds only the resources given to it; it is the resource
// module while the object lives.
class CResourceModule
{
public:
    CResourceModule() : m_hOldResource(AfxGetResourceHandle())
    {
        wchar_t szExe[MAX_PATH] = {}, szDir[MAX_PATH] = {};
        ::GetModuleFileNameW(nullptr, szExe, MAX_PATH);
        ::GetTempPathW(MAX_PATH, szDir);
        ::GetTempFileNameW(szDir, L"dmg", 0, m_szPath);
        ::CopyFileW(szExe, m_szPath, FALSE);
        m_hUpdate = ::BeginUpdateResourceW(m_szPath, TRUE);
    }
    ~CResourceModule()
    {
        AfxSetResourceHandle(m_hOldResource);
        if (m_hModule != nullptr)
            ::FreeLibrary(m_hModule);
        ::DeleteFileW(m_szPath);
    }
    // At least one byte (the test program's own resources hold those of 0 bytes).
    void Add(LPCWSTR lpszType, UINT nID, const Bytes& data)
    {
        ASSERT_TRUE(::UpdateResourceW(m_hUpdate, lpszType, MAKEINTRESOURCEW(nID), kEnglish, (void*)data.data(),
                                      (DWORD)data.size()));
    }
    // Writes the module and makes it the resource module.
    HMODULE Use()
    {
        EXPECT_TRUE(::EndUpdateResourceW(m_hUpdate, FALSE));
        m_hModule = ::LoadLibraryExW(m_szPath, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        EXPECT_NE(m_hModule, nullptr);
        AfxSetResourceHandle(m_hModule);
        return m_hModule;
    }

private:
    HINSTANCE m_hOldResource;
    wchar_t m_szPath[MAX_PATH] = {};
    HANDLE m_hUpdate = nullptr;
    HMODULE m_hModule = nullptr;
};

// Bytes placed so that the first byte after them cannot be read: a read past their end faults.
class CGuardedBytes
{
public:
    explicit CGuardedBytes(const Bytes& data)
    {
        SYSTEM_INFO si;
        ::GetSystemInfo(&si);
        const size_t nPage = si.dwPageSize, nPages = (data.size() + nPage - 1) / nPage + 1;
        m_pBase = (BYTE*)::VirtualAlloc(nullptr, nPages * nPage, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
        DWORD dwOld;
        ::VirtualProtect(m_pBase + (nPages - 1) * nPage, nPage, PAGE_NOACCESS, &dwOld);
        m_pData = m_pBase + (nPages - 1) * nPage - data.size();
        if (!data.empty())
            memcpy(m_pData, data.data(), data.size());
    }
    ~CGuardedBytes() { ::VirtualFree(m_pBase, 0, MEM_RELEASE); }
    const BYTE* Get() const { return m_pData; }
    const DLGTEMPLATE* Template() const { return (const DLGTEMPLATE*)m_pData; }

private:
    BYTE* m_pBase = nullptr;
    BYTE* m_pData = nullptr;
};

// A plain template in "MS Shell Dlg" 8 with nItems edit boxes.
Bytes DialogTemplate(WORD nItems)
{
    Bytes v;
    Put32(v, DS_SETFONT | WS_POPUP | WS_CAPTION);
    Put32(v, 0);
    Put16(v, nItems);
    for (int i = 0; i < 4; ++i)
        Put16(v, i == 2 ? 120 : i == 3 ? 40 : 0);
    Put16(v, 0); // no menu
    Put16(v, 0); // the dialog class
    PutText(v, L"Rusak");
    Put16(v, 8);
    PutText(v, L"MS Shell Dlg");
    for (WORD i = 0; i < nItems; ++i)
    {
        Align4(v);
        Put32(v, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL);
        Put32(v, 0);
        Put16(v, 5);
        Put16(v, (WORD)(5 + 8 * i));
        Put16(v, 100);
        Put16(v, 8);
        Put16(v, (WORD)(1000 + i));
        Put16(v, 0xFFFF);
        Put16(v, 0x0081); // edit
        Put16(v, 0);      // no title
        Put16(v, 0);      // no creation data
    }
    return v;
}

// A plain menu template of nItems commands; the last carries the end flag when bEnd is set.
Bytes MenuTemplate(int nItems, bool bEnd)
{
    Bytes v;
    Put16(v, 0); // version
    Put16(v, 0); // items right after the header
    for (int i = 0; i < nItems; ++i)
    {
        Put16(v, (WORD)(bEnd && i == nItems - 1 ? MF_END : 0));
        Put16(v, (WORD)(500 + i));
        PutText(v, L"Butir");
    }
    return v;
}

// An extended menu template: a popup "&Berkas" holding the command "&Buka" (62 bytes).
Bytes MenuExTemplate()
{
    Bytes v;
    Put16(v, 1); // version
    Put16(v, 4); // the items follow the help id
    Put32(v, 0);
    Put32(v, MFT_STRING);
    Put32(v, MFS_ENABLED);
    Put32(v, 0);
    Put16(v, 0x01 | MF_END); // a popup, the last of its level
    PutText(v, L"&Berkas");
    Align4(v);
    Put32(v, 0); // help id of the popup
    Put32(v, MFT_STRING);
    Put32(v, MFS_ENABLED);
    Put32(v, 500);
    Put16(v, MF_END);
    PutText(v, L"&Buka");
    return v;
}

// A tool-bar resource: version 1, button size, the count and the ids (none of them 0).
Bytes ToolBarResource(WORD cx, WORD cy, UINT nIDs)
{
    Bytes v;
    Put16(v, 1);
    Put16(v, cx);
    Put16(v, cy);
    Put16(v, (WORD)nIDs);
    for (UINT i = 0; i < nIDs; ++i)
        Put16(v, (WORD)(1 + i % 0xFFFE));
    return v;
}

// A bitmap resource (a DIB without file header) of cx x 1 red pixels, 24 bits each.
Bytes RedDib(LONG cx)
{
    Bytes v;
    Put32(v, sizeof(BITMAPINFOHEADER));
    Put32(v, (DWORD)cx);
    Put32(v, 1);
    Put16(v, 1);
    Put16(v, 24);
    for (int i = 0; i < 6; ++i)
        Put32(v, 0);
    for (LONG x = 0; x < cx; ++x)
    {
        v.push_back(0);
        v.push_back(0);
        v.push_back(0xFF);
    }
    Align4(v);
    return v;
}

// BMP file data of a 16-bit bit-field picture (4 x 2, red) whose header is cbHeader bytes: the
// masks follow a 40-byte header and lie inside headers of 52 bytes and more.
Bytes BitFieldBmp(DWORD cbHeader)
{
    const DWORD cbMasks = cbHeader == sizeof(BITMAPINFOHEADER) ? 12 : 0, cbPixels = 8 * 2;
    Bytes v;
    Put16(v, 0x4D42);
    Put32(v, 14 + cbHeader + cbMasks + cbPixels);
    Put32(v, 0);
    Put32(v, 14 + cbHeader + cbMasks);
    Put32(v, cbHeader);
    Put32(v, 4);
    Put32(v, 2);
    Put16(v, 1);
    Put16(v, 16);
    Put32(v, BI_BITFIELDS);
    for (int i = 0; i < 5; ++i)
        Put32(v, 0);
    if (cbMasks != 0 || cbHeader >= 52)
    {
        Put32(v, 0xF800);
        Put32(v, 0x07E0);
        Put32(v, 0x001F);
    }
    v.resize(std::max<size_t>(v.size(), 14 + cbHeader), 0);
    for (DWORD i = 0; i < cbPixels / 2; ++i)
        Put16(v, 0xF800);
    return v;
}

// BMP file data of a 1-bit picture, all of it white.
Bytes MonochromeBmp(LONG cx, LONG cy)
{
    const DWORD cbStride = (DWORD)((cx + 31) / 32 * 4), cbPixels = cbStride * (DWORD)cy;
    Bytes v;
    Put16(v, 0x4D42);
    Put32(v, 14 + 40 + 8 + cbPixels);
    Put32(v, 0);
    Put32(v, 14 + 40 + 8);
    Put32(v, 40);
    Put32(v, (DWORD)cx);
    Put32(v, (DWORD)cy);
    Put16(v, 1);
    Put16(v, 1);
    for (int i = 0; i < 6; ++i)
        Put32(v, 0);
    Put32(v, 0);
    Put32(v, 0x00FFFFFF);
    v.resize(v.size() + cbPixels, 0xFF);
    return v;
}

// The most memory the process has held so far.
SIZE_T PeakMemory()
{
    PROCESS_MEMORY_COUNTERS pmc = {};
    pmc.cb = sizeof pmc;
    ::K32GetProcessMemoryInfo(::GetCurrentProcess(), &pmc, sizeof pmc);
    return pmc.PeakWorkingSetSize;
}
} // namespace

// --------------------------------------------------------------------------- dialog templates

TEST(DamagedDialog, TemplatesThatDoNotFitTheirResourceFailAsMissingOnes)
{
    Bytes overCount = DialogTemplate(4);
    overCount[8] = 200; // says 200 items, holds 4
    const Bytes sound = DialogTemplate(4);
    const Bytes fontCut(sound.begin(), sound.begin() + 50); // ends inside the face name
    CModalGuard guard;
    auto expectRefused = [](UINT nID) {
        DWORD cb = 0;
        HINSTANCE hModule = nullptr;
        EXPECT_EQ(ExtFindDialogTemplate(MAKEINTRESOURCEW(nID), cb, hModule), nullptr) << nID;
        CExtResDlg modeless;
        EXPECT_FALSE(modeless.Create(nID)) << nID;
        EXPECT_EQ(modeless.m_hWnd, nullptr);
        CExtResDlg modal(nID);
        EXPECT_EQ(modal.DoModal(), -1) << nID;
    };
    expectRefused(IDD_DMG_EMPTY);
    CResourceModule module;
    module.Add(RT_DIALOG, kDamagedId, Bytes{0x80, 0x00});
    module.Add(RT_DIALOG, kDamagedId + 1, overCount);
    module.Add(RT_DIALOG, kDamagedId + 2, fontCut);
    module.Add(RT_DIALOG, kSoundId, sound);
    module.Use();
    for (UINT nID = kDamagedId; nID <= kDamagedId + 2; ++nID)
        expectRefused(nID);

    CExtResDlg dlg;
    ASSERT_TRUE(dlg.Create(kSoundId));
    EXPECT_NE(::GetDlgItem(dlg.m_hWnd, 1003), nullptr); // the fourth item
    dlg.DestroyWindow();
}

TEST(DamagedDialog, APageWhoseTemplateDoesNotFitIsNotCreatedAndTheOthersAre)
{
    CResourceModule module;
    module.Add(RT_DIALOG, kPageId, Bytes{0x80, 0x00});
    module.Add(RT_DIALOG, kSoundId, DialogTemplate(2));
    module.Use();
    CExtResPS sheet(L"Lembar");
    CExtResPP damaged(kPageId), sound(kSoundId);
    CPropertyPage plainDamaged(kPageId);
    sheet.AddPage(&damaged);
    sheet.AddPage(&plainDamaged);
    sheet.AddPage(&sound);
    ASSERT_TRUE(sheet.Create());
    EXPECT_TRUE(sheet.SetActivePage(&sound));
    EXPECT_NE(sound.m_hWnd, nullptr);
    EXPECT_NE(::GetDlgItem(sound.m_hWnd, 1001), nullptr);
    sheet.SetActivePage(&damaged);
    sheet.SetActivePage(&plainDamaged);
    EXPECT_EQ(damaged.m_hWnd, nullptr);
    EXPECT_EQ(plainDamaged.m_hWnd, nullptr);
    sheet.DestroyWindow();
}

TEST(DamagedDialog, TemplateWalksReadNothingPastTheBytesGiven)
{
    // Each template sits right before a memory page that cannot be read.
    const CGuardedBytes two(Bytes{0x80, 0x00});
    EXPECT_EQ(CDialogTemplate::GetTemplateSize(two.Template(), 2), 0u);
    CString face;
    WORD nSize = 0;
    EXPECT_FALSE(ExtReadDialogTemplateFont(two.Template(), 2, face, nSize));
    EXPECT_EQ(CDialogTemplate::CopyWithFont(two.Template(), 2, L"Tahoma", 8), nullptr);
    EXPECT_EQ(CExtResDlg::AdjustTemplateFont(two.Template(), 2), nullptr);
    EXPECT_EQ(CExtResPP::ChangePropPageFont(two.Template(), false, 2), nullptr);
    CDialogTemplate copy;
    ASSERT_TRUE(copy.SetTemplate(two.Template(), 2));
    EXPECT_FALSE(copy.HasFont());
    EXPECT_FALSE(copy.GetFont(face, nSize));
    EXPECT_FALSE(copy.SetSystemFont());
    EXPECT_FALSE(copy.SetFont(L"Tahoma", 8));
    EXPECT_FALSE(copy.SetClassName(L"Kelas"));

    // Every cut of a sound template is refused; the whole one is measured to its last item.
    const Bytes sound = DialogTemplate(4);
    for (size_t n = 0; n < sound.size(); ++n)
    {
        const CGuardedBytes cut(Bytes(sound.begin(), sound.begin() + n));
        EXPECT_EQ(CDialogTemplate::GetTemplateSize(cut.Template(), (UINT)n), 0u) << n;
        EXPECT_EQ(CDialogTemplate::CopyWithFont(cut.Template(), (UINT)n, L"Tahoma", 8), nullptr) << n;
    }
    const CGuardedBytes whole(sound);
    EXPECT_EQ(CDialogTemplate::GetTemplateSize(whole.Template(), (UINT)sound.size()), (UINT)sound.size());
    Bytes overCount = sound;
    overCount[8] = 200;
    const CGuardedBytes over(overCount);
    EXPECT_EQ(CDialogTemplate::GetTemplateSize(over.Template(), (UINT)overCount.size()), 0u);
    HGLOBAL hCopy = CDialogTemplate::CopyWithFont(whole.Template(), (UINT)sound.size(), L"Tahoma", 9);
    ASSERT_NE(hCopy, nullptr);
    ASSERT_TRUE(CDialogTemplate::GetFont((const DLGTEMPLATE*)hCopy, face, nSize));
    EXPECT_EQ(face, L"Tahoma");
    EXPECT_EQ(nSize, 9);
    ::GlobalFree(hCopy);
}

TEST(DamagedDialog, InMemoryTemplatesThatDoNotFitTheirGivenSizeAreRefusedLikeResources)
{
    CModalGuard guard;
    auto create = [](const Bytes& data) {
        const CGuardedBytes bytes(data);
        CExtResDlg dlg;
        const BOOL bCreated =
            dlg.CreateFromTemplate(bytes.Template(), nullptr, AfxGetInstanceHandle(), (DWORD)data.size());
        const bool bWindow = dlg.m_hWnd != nullptr;
        if (bWindow)
            dlg.DestroyWindow();
        return bCreated && bWindow;
    };
    // The damaged templates of the resource test, each right before a page that cannot be read.
    const Bytes sound = DialogTemplate(4);
    Bytes overCount = sound;
    overCount[8] = 200;
    EXPECT_FALSE(create(Bytes{0x80, 0x00}));
    EXPECT_FALSE(create(overCount));
    for (size_t n = 1; n < sound.size(); ++n)
        EXPECT_FALSE(create(Bytes(sound.begin(), sound.begin() + n))) << n;
    Bytes aligned = sound; // a template starts on a DWORD
    Align4(aligned);
    EXPECT_TRUE(create(aligned));
}

TEST(DamagedDialog, OnlyVersionOneWithTheSignatureIsAnExtendedTemplate)
{
    // A plain template whose style has the signature in its high word and 2 in its low word.
    Bytes plain;
    Put32(plain, 0xFFFF0002);
    Put32(plain, 0);
    Put16(plain, 0);
    for (int i = 0; i < 4; ++i)
        Put16(plain, 10);
    Put16(plain, 0);
    Put16(plain, 0);
    PutText(plain, L"");
    const CGuardedBytes t(plain);
    EXPECT_FALSE(CDialogTemplate::IsDialogEx(t.Template()));
    EXPECT_EQ(CDialogTemplate::GetTemplateSize(t.Template(), (UINT)plain.size()), (UINT)plain.size());
    plain[0] = 1;
    const CGuardedBytes ex(plain);
    EXPECT_TRUE(CDialogTemplate::IsDialogEx(ex.Template()));
    EXPECT_EQ(CDialogTemplate::GetTemplateSize(ex.Template(), (UINT)plain.size()), 0u); // header too short
}

// ------------------------------------------------------------------------------------ menus

TEST(DamagedMenu, TemplatesThatDoNotEndInsideTheirResourceAreRefused)
{
    const Bytes ex = MenuExTemplate();
    for (bool bLookup : {false, true})
    {
        CExtResourceManager mgr(bLookup, kEnglish);
        CMenu menu;
        EXPECT_FALSE(mgr.LoadMenu(menu, IDR_DMG_EMPTY)) << bLookup;
        EXPECT_EQ(menu.m_hMenu, nullptr);
    }
    CResourceModule module;
    module.Add(RT_MENU, kDamagedId, Bytes{0x01, 0x00, 0x04});
    module.Add(RT_MENU, kDamagedId + 1, Bytes{0x00});             // less than a header
    module.Add(RT_MENU, kDamagedId + 2, MenuTemplate(20, false)); // no end flag
    Bytes deep;
    Put32(deep, 0);
    for (int i = 0; i < 1000; ++i)
    {
        Put16(deep, MF_POPUP | MF_END);
        PutText(deep, L"x");
    }
    Put16(deep, MF_END);
    Put16(deep, 500);
    PutText(deep, L"x");
    module.Add(RT_MENU, kDamagedId + 3, deep);
    const UINT nFirstCut = kDamagedId + 10;
    for (size_t n = 1; n < ex.size(); ++n)
        module.Add(RT_MENU, nFirstCut + (UINT)n, Bytes(ex.begin(), ex.begin() + n));
    module.Add(RT_MENU, kSoundId, MenuTemplate(20, true));
    module.Add(RT_MENU, kSoundId + 1, ex);
    module.Use();
    for (bool bLookup : {false, true})
    {
        CExtResourceManager mgr(bLookup, kEnglish);
        CMenu menu;
        for (UINT nID = kDamagedId; nID <= kDamagedId + 3; ++nID)
        {
            EXPECT_FALSE(mgr.LoadMenu(menu, nID)) << nID << " lookup " << bLookup;
            EXPECT_EQ(menu.m_hMenu, nullptr);
        }
        for (size_t n = 1; n < ex.size(); ++n)
            EXPECT_FALSE(mgr.LoadMenu(menu, nFirstCut + (UINT)n)) << n << " lookup " << bLookup;
        CExtCmdProfile profile;
        EXPECT_FALSE(profile.UpdateFromMenuResource(kDamagedId + 2, false, false));

        ASSERT_TRUE(mgr.LoadMenu(menu, kSoundId)) << bLookup;
        EXPECT_EQ(::GetMenuItemCount(menu.m_hMenu), 20);
        ASSERT_TRUE(mgr.LoadMenu(menu, kSoundId + 1)) << bLookup;
        ASSERT_EQ(::GetMenuItemCount(menu.m_hMenu), 1);
        EXPECT_EQ(::GetMenuItemID(::GetSubMenu(menu.m_hMenu, 0), 0), 500u);
        menu.DestroyMenu();
    }
}

// ---------------------------------------------------------------------------------- strings

TEST(DamagedString, AnEntryThatDoesNotFitItsBlockIsNotFound)
{
    const UINT nOdd = 16 * 20 + 1, nLong = 16 * 21 + 1, nSound = 16 * 22 + 1;
    Bytes tooLong;
    Put16(tooLong, 0);
    Put16(tooLong, 5); // five characters, two present
    PutText(tooLong, L"a");
    Bytes sound;
    Put16(sound, 0);
    Put16(sound, 4);
    for (const wchar_t* p = L"Halo"; *p; ++p)
        Put16(sound, *p);
    CResourceModule module;
    module.Add(RT_STRING, (nOdd >> 4) + 1, Bytes{0x00, 0x00, 0x07});
    module.Add(RT_STRING, (nLong >> 4) + 1, tooLong);
    module.Add(RT_STRING, (nSound >> 4) + 1, sound);
    HMODULE hModule = module.Use();
    for (UINT nID : {nOdd, nLong})
    {
        CString str(L"sebelumnya");
        EXPECT_FALSE(str.LoadString(hModule, nID)) << nID;
        EXPECT_TRUE(str.IsEmpty());
        for (bool bLookup : {false, true})
        {
            CExtResourceManager mgr(bLookup, kEnglish);
            str = L"sebelumnya";
            EXPECT_FALSE(mgr.LoadStringRes(str, nID)) << nID << " lookup " << bLookup;
            EXPECT_TRUE(str.IsEmpty());
        }
    }
    CString str;
    EXPECT_TRUE(str.LoadString(hModule, nSound));
    EXPECT_EQ(str, L"Halo");
}

// -------------------------------------------------------------------------------- tool bars

TEST(DamagedToolBar, ImagesOutsideTheBitmapGiveNoIconsWhateverTheSizesSay)
{
    const UINT nWide = 310, nHuge = 311, nSound = 312;
    CResourceModule module;
    module.Add(MAKEINTRESOURCEW(CExtCmdProfile::RESOURCE_TYPE_TOOLBAR), nWide, ToolBarResource(65535, 1, 32770));
    module.Add(RT_BITMAP, nWide, RedDib(1));
    module.Add(MAKEINTRESOURCEW(CExtCmdProfile::RESOURCE_TYPE_TOOLBAR), nHuge, ToolBarResource(40000, 16, 65535));
    module.Add(RT_BITMAP, nHuge, RedDib(1));
    module.Add(MAKEINTRESOURCEW(CExtCmdProfile::RESOURCE_TYPE_TOOLBAR), nSound, ToolBarResource(1, 1, 3));
    module.Add(RT_BITMAP, nSound, RedDib(2));
    module.Use();
    for (UINT nID : {nWide, nHuge})
    {
        CExtCmdProfile profile;
        UINT* pIDs = nullptr;
        INT nCount = 0;
        EXPECT_TRUE(profile.UpdateFromToolBarResource(nID, &pIDs, &nCount));
        EXPECT_EQ(nCount, nID == nWide ? 32770 : 65535);
        EXPECT_EQ(profile.m_icons.GetSize(), 0) << nID;
        EXPECT_EQ(profile.LookupCommand(1), nullptr);
        delete[] pIDs;
    }
    // Two one-pixel images in a two-pixel bitmap: the third id has none.
    CExtCmdProfile profile;
    EXPECT_TRUE(profile.UpdateFromToolBarResource(nSound, nullptr, nullptr));
    EXPECT_EQ(profile.m_icons.GetSize(), 2);
    EXPECT_NE(profile.GetCommandIcon(1), nullptr);
    EXPECT_NE(profile.GetCommandIcon(2), nullptr);
    EXPECT_EQ(profile.LookupCommand(3), nullptr);
}

// ---------------------------------------------------------------------------------- bitmaps

TEST(DamagedBitmap, AHugePictureIsRefusedByThePixelHelpersInsteadOfPaidFor)
{
    // A 2 MB 1-bit BMP of 4096 x 4096 pixels: the loader's cost is the file's.
    const Bytes bmp = MonochromeBmp(4096, 4096);
    const SIZE_T nPeakBefore = PeakMemory();
    HBITMAP hBitmap = CExtPaintManager::LoadBitmapFromMemory(bmp.data(), (DWORD)bmp.size());
    ASSERT_NE(hBitmap, nullptr);
    const COLORREF clrTransparent = RGB(255, 0, 255);
    EXPECT_EQ(CExtPaintManager::CreateIconFromBitmap(hBitmap, clrTransparent), nullptr);
    COLORREF* pSurface = nullptr;
    EXPECT_EQ(CExtPaintManager::CopyBitmap(hBitmap, nullptr, &pSurface), nullptr);
    CMap<COLORREF, COLORREF, DWORD, DWORD> mapColors;
    EXPECT_EQ(CExtPaintManager::CountBitmapColors(hBitmap, mapColors), 0);
    CExtCmdIcon copied(hBitmap, clrTransparent, nullptr, true);
    EXPECT_TRUE(copied.IsEmpty());
    {
        HBITMAP hOwn = CExtPaintManager::LoadBitmapFromMemory(bmp.data(), (DWORD)bmp.size());
        CExtCmdIcon icon(hOwn, clrTransparent, nullptr, false);
        EXPECT_EQ(icon.ExtractHICON(), nullptr);
    }
    EXPECT_LT(PeakMemory() - nPeakBefore, (SIZE_T)64 * 1024 * 1024);

    // A part of it is an icon as any.
    const RECT rcPart = {100, 100, 132, 132};
    HICON hIcon = CExtPaintManager::CreateIconFromBitmap(hBitmap, clrTransparent, &rcPart);
    EXPECT_NE(hIcon, nullptr);
    ::DestroyIcon(hIcon);
    ::DeleteObject(hBitmap);
}

TEST(DamagedBitmap, AGiantPictureCostsTheLoadersASmallMultipleOfItsFile)
{
    // A 33 MB 1-bit BMP of 16384 x 16384 pixels, read from memory and from an archive.
    const Bytes bmp = MonochromeBmp(16384, 16384);
    const SIZE_T nFile = bmp.size();
    const SIZE_T nPeakBefore = PeakMemory();
    HBITMAP hBitmap = CExtPaintManager::LoadBitmapFromMemory(bmp.data(), (DWORD)nFile);
    ASSERT_NE(hBitmap, nullptr);
    BITMAP bm = {};
    ::GetObjectW(hBitmap, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    ::DeleteObject(hBitmap);
    {
        CMemFile file(const_cast<BYTE*>(bmp.data()), (UINT)nFile);
        CArchive ar(&file, CArchive::load);
        HBITMAP hRead = nullptr;
        EXPECT_TRUE(CExtPaintManager::SerializeBitmap(ar, &hRead));
        if (hRead != nullptr)
            ::DeleteObject(hRead);
        ar.Close();
        file.Detach();
    }
    // One bitmap of the picture's own depth at a time, and little besides.
    EXPECT_LT(PeakMemory() - nPeakBefore, nFile + nFile / 2);
}

TEST(DamagedBitmap, BitFieldMasksMustFollowThePlainHeaderOrLieInsideALongerOne)
{
    for (DWORD cbHeader : {40u, 41u, 44u, 51u, 52u, 56u})
    {
        const Bytes bmp = BitFieldBmp(cbHeader);
        const CGuardedBytes data(bmp);
        HBITMAP hBitmap = CExtPaintManager::LoadBitmapFromMemory(data.Get(), (DWORD)bmp.size());
        if (cbHeader > 40 && cbHeader < 52)
            EXPECT_EQ(hBitmap, nullptr) << cbHeader;
        else
            EXPECT_NE(hBitmap, nullptr) << cbHeader;
        if (hBitmap != nullptr)
            ::DeleteObject(hBitmap);
    }
}
