// The harness itself: a window on the X display and the registry of the prefix.
#include <gtest/gtest.h>
#include <windows.h>

TEST(Harness, CreatesAWindowAndUsesTheRegistry)
{
    HWND hwnd = CreateWindowExW(0, L"STATIC", L"probe", WS_POPUP | WS_VISIBLE, 0, 0, 50, 20, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(hwnd, nullptr);
    wchar_t text[16] = {};
    GetWindowTextW(hwnd, text, 16);
    EXPECT_STREQ(text, L"probe");
    DestroyWindow(hwnd);

    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\CorvaneHarnessProbe", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    DWORD v = 42;
    EXPECT_EQ(RegSetValueExW(key, L"v", 0, REG_DWORD, (const BYTE*)&v, sizeof v), ERROR_SUCCESS);
    DWORD out = 0, size = sizeof out;
    EXPECT_EQ(RegQueryValueExW(key, L"v", nullptr, nullptr, (BYTE*)&out, &size), ERROR_SUCCESS);
    EXPECT_EQ(out, 42u);
    RegCloseKey(key);
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\CorvaneHarnessProbe");
}
