// The colour theme: the scheme answer for every "ThemeColor" value against the adjusted table
// colours, the custom colour, and the toolkit's colours following the theme.
#include "app/Corvane_sms.h"
#include "app/ThemeColor.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

#include <gtest/gtest.h>

namespace
{
const wchar_t kAppName[] = L"CorvaneThemeTest";
const wchar_t kProfileKey[] = L"Software\\Corvane\\CorvaneThemeTest";

struct ThemeColorTest : ::testing::Test
{
    void SetUp() override
    {
        app = new CCorvane_smsApp;
        free((void*)app->m_pszAppName);
        app->m_pszAppName = _wcsdup(kAppName);
        RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey);
        app->SetRegistryKey(L"Corvane");
    }
    void TearDown() override
    {
        delete app;
        RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey);
    }
    CCorvane_smsApp* app = nullptr;
};
} // namespace

TEST_F(ThemeColorTest, TheSchemeAnswersTheAdjustedThemeColour)
{
    const COLORREF bases[] = {RGB(151, 190, 244), RGB(234, 141, 188), RGB(225, 225, 210), RGB(140, 192, 143)};
    CThemeColor theme;
    // Nothing stored: blue.
    COLORREF a = 0, b = 0;
    EXPECT_TRUE(theme.ApplyColorScheme(&a, &b));
    EXPECT_EQ(a, CExtPaintManager::AdjustHls(bases[0], 0.0, -0.07, -0.1));
    EXPECT_EQ(b, RGB(255, 200, 91));
    for (int i = 0; i < 4; ++i)
    {
        app->WriteProfileInt(L"Settings", L"ThemeColor", i);
        EXPECT_TRUE(theme.ApplyColorScheme(&a, nullptr));
        EXPECT_EQ(a, CExtPaintManager::AdjustHls(bases[i], 0.0, -0.07, -0.1)) << i;
    }
    EXPECT_NE(CThemeColor::AdjustThemeColor(bases[1]), bases[1]);
    // An unknown value keeps the last colour (green).
    app->WriteProfileInt(L"Settings", L"ThemeColor", 7);
    EXPECT_TRUE(theme.ApplyColorScheme(&a, &b));
    EXPECT_EQ(a, CExtPaintManager::AdjustHls(bases[3], 0.0, -0.07, -0.1));
    // Custom: the default colour, then the stored one.
    app->WriteProfileInt(L"Settings", L"ThemeColor", 4);
    EXPECT_TRUE(theme.ApplyColorScheme(&a, nullptr));
    EXPECT_EQ(a, CExtPaintManager::AdjustHls(RGB(189, 243, 255), 0.0, -0.07, -0.1));
    app->WriteProfileInt(L"Theme", L"bgColor", (int)RGB(10, 120, 40));
    EXPECT_TRUE(theme.ApplyColorScheme(&a, nullptr));
    EXPECT_EQ(a, CExtPaintManager::AdjustHls(RGB(10, 120, 40), 0.0, -0.07, -0.1));
    EXPECT_TRUE(theme.UseSystemThemeColors());
    EXPECT_EQ(theme.GetSystemThemeScheme(), 0);
}

// Installed, the theme decides the toolkit's colours: blue and pink give different tables.
TEST_F(ThemeColorTest, TheToolkitColoursFollowTheTheme)
{
    auto colours = [&](int nTheme) {
        app->WriteProfileInt(L"Settings", L"ThemeColor", nTheme);
        EXPECT_TRUE(g_PaintManagerHolder.InstallPaintManagerByClass(RUNTIME_CLASS(CThemeColor)));
        EXPECT_TRUE(g_PaintManagerHolder->IsKindOf(RUNTIME_CLASS(CThemeColor)));
        std::vector<COLORREF> v;
        for (int id = 1000; id < 1100; ++id)
            v.push_back(g_PaintManagerHolder->GetTranslatedColor(id));
        for (int id = 3000; id < 3100; ++id)
            v.push_back(g_PaintManagerHolder->GetTranslatedColor(id));
        return v;
    };
    const std::vector<COLORREF> blue = colours(0), pink = colours(1), blueAgain = colours(0);
    EXPECT_EQ(blue, blueAgain);
    int nDiffer = 0;
    for (size_t i = 0; i < blue.size(); ++i)
        nDiffer += blue[i] != pink[i];
    EXPECT_GT(nDiffer, 0);
}
