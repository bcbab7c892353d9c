// CWinApp profile functions on the real registry (and on an .ini file without a registry key),
// and message boxes through the one redirectable function.
#include <gtest/gtest.h>
#include "platform/Platform.h"
#include "support/MessageBoxCapture.h"
#include "core_test_ids.h"
#include <thread>

namespace
{

CString UniqueKey()
{
    CString k;
    k.Format(L"CorvaneCoreTest_%lu_%lu", GetCurrentProcessId(), GetTickCount());
    return k;
}

// Raw view of one registry value: type and bytes.
bool ReadRaw(const CString& path, LPCWSTR name, DWORD& type, std::vector<BYTE>& data)
{
    HKEY k;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &k) != ERROR_SUCCESS)
        return false;
    DWORD size = 0;
    bool ok = RegQueryValueExW(k, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
    if (ok)
    {
        data.resize(size);
        ok = RegQueryValueExW(k, name, nullptr, &type, data.data(), &size) == ERROR_SUCCESS;
    }
    RegCloseKey(k);
    return ok;
}

bool KeyExists(const CString& path)
{
    HKEY k;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &k) != ERROR_SUCCESS)
        return false;
    RegCloseKey(k);
    return true;
}

struct RegistryCleanup
{
    CString key;
    CWinApp* app;
    ~RegistryCleanup()
    {
        HKEY soft;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_ALL_ACCESS, &soft) == ERROR_SUCCESS)
        {
            app->DelRegTree(soft, key);
            RegCloseKey(soft);
        }
    }
};

// The key handles this process holds open on HKCU\path, by the names the system gives them.
int OpenHandlesOn(const CString& path)
{
    using QueryKey = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
    const auto query = reinterpret_cast<QueryKey>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryKey"));
    const int kKeyNameInformation = 3; // a ULONG length in bytes, then the full name
    const CString tail = L"\\" + path;
    int n = 0;
    for (ULONG_PTR h = 4; query != nullptr && h < 0x4000; h += 4)
    {
        ULONG info[1024] = {}, size = 0;
        if (query((HANDLE)h, kKeyNameInformation, info, sizeof info, &size) != 0)
            continue;
        const CString name((const wchar_t*)(info + 1), (int)(info[0] / sizeof(wchar_t)));
        n += name.Right(tail.GetLength()).CompareNoCase(tail) == 0 ? 1 : 0;
    }
    return n;
}

} // namespace

TEST(Profile, RegistryValuesWithThePlatformTypes)
{
    CWinApp app(L"CorvaneCoreApp");
    ASSERT_EQ(AfxGetApp(), &app);
    CString key = UniqueKey();
    RegistryCleanup cleanup{key, &app};
    app.SetRegistryKey(key);
    EXPECT_STREQ(app.m_pszRegistryKey, key);
    EXPECT_STREQ(app.m_pszProfileName, L"CorvaneCoreApp");
    CString section = L"Software\\" + key + L"\\CorvaneCoreApp\\Settings";

    // Missing values give the defaults.
    EXPECT_EQ((int)app.GetProfileInt(L"Settings", L"Missing", -3), -3);
    EXPECT_EQ(app.GetProfileString(L"Settings", L"Missing", L"def"), L"def");
    EXPECT_EQ(app.GetProfileString(L"Settings", L"Missing"), L"");

    EXPECT_TRUE(app.WriteProfileInt(L"Settings", L"Number", -7));
    EXPECT_TRUE(app.WriteProfileString(L"Settings", L"Text", L"Halo \x263A dunia"));
    BYTE blob[] = {0, 1, 2, 0xFE, 0xFF};
    EXPECT_TRUE(app.WriteProfileBinary(L"Settings", L"Blob", blob, sizeof blob));

    DWORD type = 0;
    std::vector<BYTE> data;
    ASSERT_TRUE(ReadRaw(section, L"Number", type, data));
    EXPECT_EQ(type, (DWORD)REG_DWORD);
    ASSERT_EQ(data.size(), 4u);
    EXPECT_EQ(*(DWORD*)data.data(), 0xFFFFFFF9u);
    ASSERT_TRUE(ReadRaw(section, L"Text", type, data));
    EXPECT_EQ(type, (DWORD)REG_SZ);
    EXPECT_EQ(data.size(), (wcslen(L"Halo \x263A dunia") + 1) * 2);
    ASSERT_TRUE(ReadRaw(section, L"Blob", type, data));
    EXPECT_EQ(type, (DWORD)REG_BINARY);
    EXPECT_EQ(data, std::vector<BYTE>(blob, blob + sizeof blob));

    EXPECT_EQ((int)app.GetProfileInt(L"Settings", L"Number", 0), -7);
    EXPECT_EQ(app.GetProfileString(L"Settings", L"Text", L""), L"Halo \x263A dunia");
    BYTE* back = nullptr;
    UINT n = 0;
    ASSERT_TRUE(app.GetProfileBinary(L"Settings", L"Blob", &back, &n));
    ASSERT_EQ(n, sizeof blob);
    EXPECT_EQ(memcmp(back, blob, n), 0);
    delete[] back;

    // A value of another type is not taken for the one asked.
    EXPECT_EQ(app.GetProfileInt(L"Settings", L"Text", 11), 11u);
    EXPECT_EQ(app.GetProfileString(L"Settings", L"Number", L"x"), L"x");
    EXPECT_FALSE(app.GetProfileBinary(L"Settings", L"Text", &back, &n));
    EXPECT_EQ(back, nullptr);

    // A stored text without its terminator reads back whole.
    HKEY sec = app.GetSectionKey(L"Settings");
    ASSERT_NE(sec, nullptr);
    RegSetValueExW(sec, L"Bare", 0, REG_SZ, (const BYTE*)L"abc", 6);
    RegCloseKey(sec);
    EXPECT_EQ(app.GetProfileString(L"Settings", L"Bare"), L"abc");

    // Deleting a value, then the whole section.
    EXPECT_TRUE(app.WriteProfileString(L"Settings", L"Text", nullptr));
    EXPECT_EQ(app.GetProfileString(L"Settings", L"Text", L"gone"), L"gone");
    app.WriteProfileInt(L"Other\\Nested", L"v", 1);
    app.WriteProfileInt(L"Other", L"v", 1);
    EXPECT_TRUE(app.WriteProfileString(L"Other", nullptr, nullptr));
    EXPECT_FALSE(KeyExists(L"Software\\" + key + L"\\CorvaneCoreApp\\Other"));
    EXPECT_TRUE(KeyExists(section));
    // A section deleted after its use is made again by the next write.
    EXPECT_TRUE(app.WriteProfileInt(L"Other", L"v", 2));
    EXPECT_EQ(app.GetProfileInt(L"Other", L"v", 0), 2u);
}

TEST(Profile, ASectionIsHeldOpenOnceByEveryReadAndWriteAlsoAfterItWasDeleted)
{
    CWinApp app(L"CorvaneCoreApp3");
    const CString key = UniqueKey();
    RegistryCleanup cleanup{key, &app};
    app.SetRegistryKey(key);
    const CString section = L"Software\\" + key + L"\\CorvaneCoreApp3\\Kept";
    for (int nRound = 0; nRound < 2; ++nRound)
    {
        // The second round after the section was deleted behind the program's back.
        if (nRound == 1)
        {
            ASSERT_EQ(RegDeleteTreeW(HKEY_CURRENT_USER, section), ERROR_SUCCESS);
        }
        BYTE blob[] = {7, 8};
        BYTE* back = nullptr;
        UINT n = 0;
        EXPECT_TRUE(app.WriteProfileInt(L"Kept", L"Number", 3 + nRound));
        EXPECT_EQ(app.GetProfileInt(L"Kept", L"Number", 0), 3u + nRound);
        EXPECT_TRUE(app.WriteProfileString(L"Kept", L"Text", L"satu"));
        EXPECT_EQ(app.GetProfileString(L"Kept", L"Text"), L"satu");
        EXPECT_TRUE(app.WriteProfileBinary(L"Kept", L"Blob", blob, sizeof blob));
        EXPECT_TRUE(app.GetProfileBinary(L"Kept", L"Blob", &back, &n));
        delete[] back;
        EXPECT_EQ(OpenHandlesOn(section), 1) << "round " << nRound;
    }
}

TEST(Profile, RegistryKeyFromTheStringTable)
{
    CWinApp app(L"CorvaneCoreApp2");
    app.SetRegistryKey(IDS_CORE_TEST_REGKEY);
    RegistryCleanup cleanup{L"CorvaneCoreTestKey", &app};
    EXPECT_STREQ(app.m_pszRegistryKey, L"CorvaneCoreTestKey");
    EXPECT_TRUE(app.WriteProfileInt(L"S", L"v", 5));
    EXPECT_TRUE(KeyExists(L"Software\\CorvaneCoreTestKey\\CorvaneCoreApp2\\S"));
    EXPECT_EQ(app.GetProfileInt(L"S", L"v", 0), 5u);
}

TEST(Profile, NamesOfAnApplicationWithoutAGivenName)
{
    CWinApp app;
    EXPECT_STREQ(app.m_pszAppName, L"Corvane Uji"); // the title string of the string table
    EXPECT_STREQ(app.m_pszExeName, L"platform_core_tests");
    EXPECT_STREQ(app.m_pszProfileName, L"platform_core_tests.INI");
    EXPECT_STREQ(AfxGetAppName(), L"Corvane Uji");
    EXPECT_EQ(app.m_hInstance, GetModuleHandleW(nullptr));
}

TEST(Profile, IniFileWithoutARegistryKey)
{
    CWinApp app(L"CorvaneIniApp");
    EXPECT_EQ(app.m_pszRegistryKey, nullptr);
    wchar_t dir[MAX_PATH], path[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    GetTempFileNameW(dir, L"ini", 0, path);
    free((void*)app.m_pszProfileName);
    app.m_pszProfileName = _wcsdup(path);

    EXPECT_TRUE(app.WriteProfileInt(L"Sec", L"Num", 42));
    EXPECT_TRUE(app.WriteProfileString(L"Sec", L"Text", L"nilai"));
    BYTE blob[] = {0x12, 0xAB};
    EXPECT_TRUE(app.WriteProfileBinary(L"Sec", L"Blob", blob, 2));
    EXPECT_EQ(app.GetProfileInt(L"Sec", L"Num", 0), 42u);
    EXPECT_EQ(app.GetProfileString(L"Sec", L"Text"), L"nilai");
    EXPECT_EQ(app.GetProfileString(L"Sec", L"Blob"), L"CBLK"); // low nibble first, 'A' + nibble
    BYTE* back = nullptr;
    UINT n = 0;
    ASSERT_TRUE(app.GetProfileBinary(L"Sec", L"Blob", &back, &n));
    ASSERT_EQ(n, 2u);
    EXPECT_EQ(back[0], 0x12);
    EXPECT_EQ(back[1], 0xAB);
    delete[] back;
    EXPECT_EQ(app.GetProfileInt(L"Sec", L"Missing", 9), 9u);
    DeleteFileW(path);
}

TEST(MessageBoxes, AfxMessageBoxTitlesIconsAndAnswers)
{
    MessageBoxCapture boxes;
    {
        // Without an application the title is the program's name.
        EXPECT_EQ(AfxMessageBox(L"tanpa aplikasi"), IDOK);
        EXPECT_EQ(boxes.Last().title, L"platform_core_tests");
    }
    CWinApp app(L"Corvane SMS");
    boxes.QueueAnswer(IDNO);
    EXPECT_EQ(AfxMessageBox(L"Hapus pesan?", MB_YESNO), IDNO);
    EXPECT_EQ(AfxMessageBox(L"Gagal"), IDOK);
    EXPECT_EQ(AfxMessageBox(L"Info", MB_OK | MB_ICONINFORMATION), IDOK);
    boxes.SetDefaultAnswer(IDCANCEL);
    EXPECT_EQ(AfxMessageBox(IDS_CORE_TEST_PROMPT, MB_YESNOCANCEL), IDCANCEL);

    auto all = boxes.Boxes();
    ASSERT_EQ(all.size(), 5u);
    EXPECT_EQ(all[1].text, L"Hapus pesan?");
    EXPECT_EQ(all[1].title, L"Corvane SMS");
    EXPECT_EQ(all[1].Buttons(), (UINT)MB_YESNO);
    EXPECT_EQ(all[1].Icon(), (UINT)MB_ICONQUESTION);
    EXPECT_EQ(all[2].Icon(), (UINT)MB_ICONEXCLAMATION);
    EXPECT_EQ(all[3].Icon(), (UINT)MB_ICONINFORMATION);
    EXPECT_EQ(all[4].text, L"Simpan perubahan?");
    EXPECT_EQ(all[4].Icon(), (UINT)MB_ICONQUESTION);

    // Boxes of other threads come through the same function.
    std::thread worker([] { PlatformMessageBox(nullptr, L"dari thread", L"Worker", MB_OK | MB_ICONSTOP); });
    worker.join();
    EXPECT_EQ(boxes.Last().text, L"dari thread");
    EXPECT_EQ(boxes.Last().Icon(), (UINT)MB_ICONSTOP);

    // Exceptions report through it as well, naming the file.
    CArchiveException e(CArchiveException::badSchema, L"C:\\data\\CorvaneSms.dat");
    e.ReportError();
    EXPECT_NE(boxes.Last().text.find(L"CorvaneSms.dat"), std::wstring::npos);
    EXPECT_EQ(boxes.Last().title, L"Corvane SMS");
}

TEST(MessageBoxes, HandlersNestAndRestore)
{
    int outer = 0, inner = 0;
    MessageBoxHandler before = SetMessageBoxHandler([&](HWND, LPCWSTR, LPCWSTR, UINT) {
        ++outer;
        return IDYES;
    });
    {
        MessageBoxCapture capture(IDRETRY);
        EXPECT_EQ(PlatformMessageBox(nullptr, L"a", L"t", MB_RETRYCANCEL), IDRETRY);
        ++inner;
    }
    EXPECT_EQ(PlatformMessageBox(nullptr, L"b", L"t", MB_YESNO), IDYES);
    EXPECT_EQ(outer, 1);
    EXPECT_EQ(inner, 1);
    SetMessageBoxHandler(before);
}
