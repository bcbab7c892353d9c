// Resource manager: strings, menus, accelerators and bitmaps in U.S. English and Indonesian with
// the language lookup off and on, string-named resources, the locale order, resource buffers,
// the holder, and the string-table walk fed truncated, garbage and mutated blocks.
#include <gtest/gtest.h>
#include "foundation_test_ids.h"
#include "platform/Menu.h"
#include "toolkit/foundation/ExtResourceManager.h"
#include <random>
#include <vector>

namespace
{
const WORD kEnglish = 0x0409;
const WORD kIndonesian = 0x0421;
const WORD kGerman = 0x0407; // no resources in this language

HINSTANCE Module() { return ::GetModuleHandleW(nullptr); }

CExtResourceManager LookupOn(WORD nPreferred) { return CExtResourceManager(true, nPreferred); }

CString MenuItemText(CMenu& menu, int nPopup, int nItem)
{
    wchar_t text[64] = {};
    ::GetMenuStringW(::GetSubMenu(menu.m_hMenu, nPopup), (UINT)nItem, text, 63, MF_BYPOSITION);
    return text;
}

std::vector<ACCEL> AccelEntries(HACCEL hAccel)
{
    std::vector<ACCEL> v((size_t)::CopyAcceleratorTableW(hAccel, nullptr, 0));
    if (!v.empty())
        ::CopyAcceleratorTableW(hAccel, v.data(), (int)v.size());
    return v;
}

// The colour of the top-left pixel of a bitmap.
COLORREF TopLeftPixel(HBITMAP hBitmap)
{
    HDC hDC = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    COLORREF clr = ::GetPixel(hDC, 0, 0);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    return clr;
}

// A string-table block from a list of entries.
std::vector<BYTE> StringBlock(const std::vector<std::wstring>& entries)
{
    std::vector<BYTE> block;
    for (const std::wstring& s : entries)
    {
        WORD n = (WORD)s.size();
        block.push_back((BYTE)(n & 0xFF));
        block.push_back((BYTE)(n >> 8));
        for (wchar_t ch : s)
        {
            block.push_back((BYTE)(ch & 0xFF));
            block.push_back((BYTE)(ch >> 8));
        }
    }
    return block;
}
} // namespace

TEST(ResourceManagerLookupOff, PlainLoadsAnswerTheDefaultLanguageAndTheModule)
{
    CExtResourceManager mgr; // as the holder makes it
    ASSERT_FALSE(mgr.IsLanguageLookupEnabled());
    mgr.SetPreferredLanguage(kIndonesian); // no effect while the lookup is off

    WORD nLang = 0;
    HINSTANCE hModule = nullptr;
    CString s;
    EXPECT_TRUE(mgr.LoadStringRes(s, IDS_FT_ONLY_ENGLISH, &nLang, &hModule));
    EXPECT_EQ(s, L"Only English");
    EXPECT_EQ(nLang, kEnglish);

    CExtResourceBuffer buffer;
    hModule = nullptr;
    EXPECT_TRUE(mgr.LoadResourceToBuffer(buffer, RT_MENU, MAKEINTRESOURCEW(IDR_FT_MENU), &nLang, &hModule));
    EXPECT_EQ(nLang, kEnglish);
    EXPECT_EQ(hModule, Module());
    EXPECT_GT(buffer.GetSize(), 0u);

    HRSRC hInfo = nullptr;
    EXPECT_EQ(mgr.FindResourcePreferred(RT_DIALOG, MAKEINTRESOURCEW(IDD_FT_LISTS), &nLang, &hInfo), Module());
    EXPECT_NE(hInfo, nullptr);
    EXPECT_EQ(nLang, kEnglish);
    EXPECT_EQ(mgr.FindResourcePreferred(RT_DIALOG, MAKEINTRESOURCEW(IDD_FT_LISTS + 77), &nLang, &hInfo), nullptr);
    EXPECT_EQ(hInfo, nullptr);

    HACCEL hAccel = mgr.LoadAccelerators(IDR_FT_ACCEL, &nLang, &hModule);
    ASSERT_NE(hAccel, nullptr);
    EXPECT_EQ(hModule, Module());
    EXPECT_FALSE(AccelEntries(hAccel).empty());
    ::DestroyAcceleratorTable(hAccel);

    HBITMAP hBitmap = mgr.LoadBitmap(IDB_FT_FLAG, &nLang, &hModule);
    ASSERT_NE(hBitmap, nullptr);
    EXPECT_EQ(hModule, Module());
    ::DeleteObject(hBitmap);

    CMenu menu;
    hModule = nullptr;
    EXPECT_TRUE(mgr.LoadMenu(menu, IDR_FT_MENU, &nLang, &hModule));
    EXPECT_NE(menu.m_hMenu, nullptr);
    EXPECT_EQ(hModule, Module());
}

TEST(ResourceManagerLookupOn, PreferredLanguageFirstThenUSEnglish)
{
    CExtResourceManager mgr = LookupOn(kIndonesian);
    WORD nLang = 0;
    HINSTANCE hModule = nullptr;
    CString s;
    EXPECT_TRUE(mgr.LoadStringRes(s, IDS_FT_HELLO, &nLang, &hModule));
    EXPECT_EQ(s, L"Halo");
    EXPECT_EQ(nLang, kIndonesian);
    EXPECT_EQ(hModule, Module());

    // The Indonesian block lacks this entry: true and empty (the entry exists with length 0).
    EXPECT_TRUE(mgr.LoadStringRes(s, IDS_FT_ONLY_ENGLISH, &nLang, &hModule));
    EXPECT_EQ(s, L"");

    CMenu menu;
    ASSERT_TRUE(mgr.LoadMenu(menu, IDR_FT_MENU, &nLang, &hModule));
    EXPECT_EQ(nLang, kIndonesian);
    EXPECT_EQ(MenuItemText(menu, 0, 2), L"&Halo");

    HACCEL hAccel = mgr.LoadAccelerators(IDR_FT_ACCEL, &nLang, &hModule);
    ASSERT_NE(hAccel, nullptr);
    std::vector<ACCEL> entries = AccelEntries(hAccel);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].key, 'B');
    EXPECT_EQ(entries[0].cmd, ID_FT_CMD_OPEN);
    EXPECT_EQ(entries[0].fVirt & (FVIRTKEY | FCONTROL), FVIRTKEY | FCONTROL);
    ::DestroyAcceleratorTable(hAccel);

    HBITMAP hBitmap = mgr.LoadBitmap(IDB_FT_FLAG, &nLang, &hModule);
    ASSERT_NE(hBitmap, nullptr);
    EXPECT_EQ(nLang, kIndonesian);
    EXPECT_EQ(TopLeftPixel(hBitmap), RGB(0, 0, 255));
    ::DeleteObject(hBitmap);
}

TEST(ResourceManagerLookupOn, MissingPreferredLanguageFallsBackToUSEnglish)
{
    CExtResourceManager mgr = LookupOn(kGerman);
    WORD nLang = 0;
    CString s;
    EXPECT_TRUE(mgr.LoadStringRes(s, IDS_FT_HELLO, &nLang));
    EXPECT_EQ(s, L"Hello");
    EXPECT_EQ(nLang, kEnglish);

    CMenu menu;
    ASSERT_TRUE(mgr.LoadMenu(menu, IDR_FT_MENU, &nLang));
    EXPECT_EQ(nLang, kEnglish);
    EXPECT_EQ(MenuItemText(menu, 0, 0), L"&Open");

    HBITMAP hBitmap = mgr.LoadBitmap(IDB_FT_FLAG, &nLang);
    ASSERT_NE(hBitmap, nullptr);
    EXPECT_EQ(TopLeftPixel(hBitmap), RGB(255, 0, 0));
    ::DeleteObject(hBitmap);

    // Only in Indonesian: neither German nor U.S. English has it.
    HINSTANCE hModule = (HINSTANCE)1;
    EXPECT_EQ(mgr.LoadBitmap(IDB_FT_ONLY_INDONESIAN, &nLang, &hModule), nullptr);
    EXPECT_EQ(nLang, kEnglish);
    EXPECT_EQ(hModule, nullptr);
    EXPECT_FALSE(mgr.LoadStringRes(s, IDS_FT_MISSING, &nLang));
}

TEST(ResourceManagerLookupOn, TwoLanguageFormsTryTheSecondOnlyWhenTheFirstFails)
{
    CExtResourceManager mgr = LookupOn(kEnglish);
    WORD nLang = 0;
    CString s;
    EXPECT_TRUE(mgr.LoadStringFromTable(s, IDS_FT_HELLO, kGerman, kIndonesian, &nLang));
    EXPECT_EQ(s, L"Halo");
    EXPECT_EQ(nLang, kIndonesian);
    EXPECT_TRUE(mgr.LoadStringFromTable(s, IDS_FT_HELLO, kEnglish, kIndonesian, &nLang));
    EXPECT_EQ(s, L"Hello");
    EXPECT_EQ(nLang, kEnglish);

    HRSRC hInfo = nullptr;
    EXPECT_EQ(mgr.FindResourceWithFallback(RT_BITMAP, MAKEINTRESOURCEW(IDB_FT_ONLY_INDONESIAN), kGerman, kIndonesian,
                                           &nLang, &hInfo),
              Module());
    EXPECT_EQ(nLang, kIndonesian);
    EXPECT_EQ(
        mgr.FindResourceWithLanguage(RT_BITMAP, MAKEINTRESOURCEW(IDB_FT_ONLY_INDONESIAN), kEnglish, &nLang, &hInfo),
        nullptr);
    EXPECT_EQ(hInfo, nullptr);

    CMenu menu;
    EXPECT_TRUE(mgr.LoadMenu(menu, MAKEINTRESOURCEW(IDR_FT_MENU), kGerman, kIndonesian, &nLang));
    EXPECT_EQ(MenuItemText(menu, 0, 0), L"&Buka");
    HBITMAP hBitmap = mgr.LoadBitmap(MAKEINTRESOURCEW(IDB_FT_FLAG), kGerman, kIndonesian, &nLang);
    ASSERT_NE(hBitmap, nullptr);
    EXPECT_EQ(TopLeftPixel(hBitmap), RGB(0, 0, 255));
    ::DeleteObject(hBitmap);
}

namespace
{
class CCountingManager : public CExtResourceManager
{
public:
    CCountingManager() : CExtResourceManager(true, kEnglish) {}
    std::vector<WORD> m_languagesTried;
    HINSTANCE FindResourceWithLanguage(LPCTSTR lpszType, LPCTSTR lpszName, WORD nLangID, WORD* pLangOut,
                                       HRSRC* pResInfoOut) override
    {
        m_languagesTried.push_back(nLangID);
        return CExtResourceManager::FindResourceWithLanguage(lpszType, lpszName, nLangID, pLangOut, pResInfoOut);
    }
};
} // namespace

TEST(ResourceManagerLookupOn, PreferredUSEnglishLooksForAMissingResourceOnce)
{
    CCountingManager mgr;
    EXPECT_EQ(mgr.FindResourcePreferred(RT_DIALOG, MAKEINTRESOURCEW(4242)), nullptr);
    EXPECT_EQ(mgr.m_languagesTried, std::vector<WORD>{kEnglish});
    mgr.m_languagesTried.clear();
    mgr.SetPreferredLanguage(kIndonesian);
    EXPECT_EQ(mgr.FindResourcePreferred(RT_DIALOG, MAKEINTRESOURCEW(4242)), nullptr);
    EXPECT_EQ(mgr.m_languagesTried, (std::vector<WORD>{kIndonesian, kEnglish}));
}

TEST(ResourceManagerStrings, AnEmptyEntryOfAPresentBlockIsTrueWithLookupAndFalseWithout)
{
    CString s = L"old";
    CExtResourceManager on = LookupOn(kEnglish);
    EXPECT_TRUE(on.LoadStringRes(s, IDS_FT_EMPTY_ENTRY));
    EXPECT_EQ(s, L"");
    CExtResourceManager off;
    s = L"old";
    EXPECT_FALSE(off.LoadStringRes(s, IDS_FT_EMPTY_ENTRY));
}

TEST(ResourceManagerNames, StringNamedResourcesAreFoundInBothModes)
{
    for (bool bLookup : {false, true})
    {
        CExtResourceManager mgr(bLookup, kIndonesian);
        CMenu menu;
        ASSERT_TRUE(mgr.LoadMenu(menu, L"FTNAMEDMENU")) << bLookup;
        wchar_t text[32] = {};
        ::GetMenuStringW(menu.m_hMenu, 0, text, 31, MF_BYPOSITION);
        EXPECT_STREQ(text, L"Named");

        HACCEL hAccel = mgr.LoadAccelerators(L"FTNAMEDACCEL");
        ASSERT_NE(hAccel, nullptr) << bLookup;
        std::vector<ACCEL> entries = AccelEntries(hAccel);
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(entries[0].key, 'N');
        ::DestroyAcceleratorTable(hAccel);

        HBITMAP hBitmap = mgr.LoadBitmap(L"FTNAMEDBITMAP");
        ASSERT_NE(hBitmap, nullptr) << bLookup;
        BITMAP bm;
        ::GetObjectW(hBitmap, sizeof bm, &bm);
        EXPECT_EQ(bm.bmWidth, 3);
        EXPECT_EQ(bm.bmHeight, 2);
        EXPECT_EQ(TopLeftPixel(hBitmap), RGB(0, 128, 0));
        ::DeleteObject(hBitmap);

        // A name that is not there finds nothing (not some resource with a similar pointer).
        EXPECT_FALSE(mgr.LoadMenu(menu, L"FTNOSUCHMENU"));
    }
}

TEST(ResourceManagerLocale, PreferredThenDefaultThenSystemLocale)
{
    wchar_t buf[128] = {};
    CExtResourceManager on = LookupOn(kIndonesian);
    ASSERT_GT(on.GetLocaleInfo(LOCALE_SENGLANGUAGE, buf, 128), 0);
    EXPECT_STREQ(buf, L"Indonesian");

    // A language the platform does not know: the default language answers.
    on.SetPreferredLanguage(0x00FF);
    ASSERT_GT(on.GetLocaleInfo(LOCALE_SENGLANGUAGE, buf, 128), 0);
    EXPECT_STREQ(buf, L"English");

    // Lookup off: the system locale, whatever the preferred language.
    wchar_t sys[128] = {};
    ASSERT_GT(::GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_SENGLANGUAGE, sys, 128), 0);
    CExtResourceManager off(false, kIndonesian);
    ASSERT_GT(off.GetLocaleInfo(LOCALE_SENGLANGUAGE, buf, 128), 0);
    EXPECT_STREQ(buf, sys);
}

TEST(ResourceBuffer, AllocRulesAndEmptyResources)
{
    CExtResourceBuffer buffer;
    EXPECT_FALSE(buffer.Alloc(0));
    ASSERT_TRUE(buffer.Alloc(16, true));
    EXPECT_EQ(buffer.GetSize(), 16u);
    EXPECT_EQ(buffer.GetBuffer()[15], 0);
    EXPECT_FALSE(buffer.Alloc(0)); // keeps the block
    EXPECT_EQ(buffer.GetSize(), 16u);
    buffer.Empty();
    EXPECT_TRUE(buffer.IsEmpty());
    EXPECT_EQ(buffer.GetSize(), 0u);

    // A resource of 0 bytes: true and an empty buffer.
    ASSERT_TRUE(buffer.Alloc(8));
    EXPECT_TRUE(buffer.FindAndLoad(Module(), RT_RCDATA, MAKEINTRESOURCEW(IDR_FT_EMPTY_DATA), kEnglish));
    EXPECT_TRUE(buffer.IsEmpty());
    EXPECT_FALSE(buffer.FindAndLoad(Module(), RT_RCDATA, MAKEINTRESOURCEW(IDR_FT_EMPTY_DATA + 99), kEnglish));

    // An accelerator resource of 0 bytes gives a table of 0 entries (or none), never garbage.
    CExtResourceManager mgr = LookupOn(kIndonesian);
    ASSERT_TRUE(mgr.LoadResourceToBuffer(buffer, RT_ACCELERATOR, MAKEINTRESOURCEW(IDR_FT_ACCEL_EMPTY)));
    EXPECT_EQ(buffer.GetSize(), 0u);
    HACCEL hAccel = mgr.LoadAccelerators(IDR_FT_ACCEL_EMPTY);
    if (hAccel != nullptr)
    {
        EXPECT_TRUE(AccelEntries(hAccel).empty());
        ::DestroyAcceleratorTable(hAccel);
    }
}

TEST(ResourceManagerHolder, MadeOnFirstUseAndInstallingTheInstalledManagerChangesNothing)
{
    CExtResourceManagerHolder holder;
    CExtResourceManager* pFirst = holder.Get();
    ASSERT_NE(pFirst, nullptr);
    EXPECT_FALSE(pFirst->IsLanguageLookupEnabled());
    EXPECT_EQ(pFirst->GetPreferredLanguage(), kEnglish);
    EXPECT_EQ(holder.Get(), pFirst);

    CExtResourceManager* pMine = new CExtResourceManager(true, kIndonesian);
    holder.Install(pMine);
    EXPECT_EQ(holder.Get(), pMine);
    holder.Install(pMine); // must not delete it
    ASSERT_EQ(holder.Get(), pMine);
    EXPECT_EQ(holder->GetPreferredLanguage(), kIndonesian);
    EXPECT_TRUE(holder->IsLanguageLookupEnabled());

    holder.Install(nullptr);
    EXPECT_NE(holder.Get(), nullptr);
    EXPECT_FALSE(holder->IsLanguageLookupEnabled());
    EXPECT_EQ(g_ResourceManagerHolder->GetDefaultLanguage(), kEnglish);
}

TEST(StringTableWalk, EntriesAreBoundedByTheBlock)
{
    std::vector<BYTE> block = StringBlock({L"nol", L"", L"dua"});
    CString s;
    EXPECT_TRUE(CExtResourceManager::ReadStringTableEntry(block.data(), (DWORD)block.size(), 0, s));
    EXPECT_EQ(s, L"nol");
    EXPECT_TRUE(CExtResourceManager::ReadStringTableEntry(block.data(), (DWORD)block.size(), 1, s));
    EXPECT_EQ(s, L"");
    EXPECT_TRUE(CExtResourceManager::ReadStringTableEntry(block.data(), (DWORD)block.size(), 2, s));
    EXPECT_EQ(s, L"dua");
    // The block ends before entry 3.
    EXPECT_FALSE(CExtResourceManager::ReadStringTableEntry(block.data(), (DWORD)block.size(), 3, s));
    EXPECT_EQ(s, L"");
    // Cut inside the last text, and inside a length word.
    EXPECT_FALSE(CExtResourceManager::ReadStringTableEntry(block.data(), (DWORD)block.size() - 1, 2, s));
    EXPECT_FALSE(CExtResourceManager::ReadStringTableEntry(block.data(), 1, 0, s));
    // A length far beyond the block.
    std::vector<BYTE> garbage = {0xFF, 0xFF, 'a', 0};
    EXPECT_FALSE(CExtResourceManager::ReadStringTableEntry(garbage.data(), (DWORD)garbage.size(), 0, s));
    EXPECT_FALSE(CExtResourceManager::ReadStringTableEntry(garbage.data(), (DWORD)garbage.size(), 5, s));
}

TEST(StringTableWalk, MutatedBlocksNeverReadPastTheirEnd)
{
    std::mt19937 rng(12345);
    std::vector<std::wstring> entries;
    for (int i = 0; i < 16; ++i)
        entries.push_back(std::wstring((size_t)(i % 5) * 3, (wchar_t)(L'a' + i)));
    const std::vector<BYTE> good = StringBlock(entries);
    int nFound = 0;
    for (int round = 0; round < 100000; ++round)
    {
        std::vector<BYTE> block = good;
        const int nFlips = 1 + (int)(rng() % 4);
        for (int k = 0; k < nFlips; ++k)
            block[rng() % block.size()] = (BYTE)rng();
        block.resize(rng() % (block.size() + 1));
        // An exact-size heap copy: any read past its end is a read past the block.
        std::vector<BYTE> exact(block.begin(), block.end());
        CString s;
        const UINT nIndex = rng() % 16;
        if (CExtResourceManager::ReadStringTableEntry(exact.empty() ? nullptr : exact.data(), (DWORD)exact.size(),
                                                      nIndex, s))
        {
            ++nFound;
            EXPECT_LE((size_t)s.GetLength() * 2 + 2, exact.size());
        }
    }
    EXPECT_GT(nFound, 0);
}
