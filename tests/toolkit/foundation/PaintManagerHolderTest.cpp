// The paint-manager holder: version flags and description, visual-style scheme, colour scheme
// from task-bar colours, wheel lines, the real holder under Wine and installing paint managers.
#include "toolkit/foundation/ExtPaintManagerGlyph.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/support/PaintHost.h"
#include <gtest/gtest.h>
#include <climits>

namespace
{

struct VersionCase
{
    DWORD platform, major, minor, build;
    const wchar_t* csd;
    BYTE a, b;
    const wchar_t* description;
};

} // namespace

// A paint manager counting its initialisations; tells when it is deleted.
class CCountingPaintManager : public CExtPaintManagerXP
{
    DECLARE_DYNCREATE(CCountingPaintManager)
public:
    ~CCountingPaintManager() override
    {
        if (m_pbDeleted != nullptr)
            *m_pbDeleted = true;
    }
    void InitColors() override
    {
        m_nInitColors++;
        CExtPaintManagerXP::InitColors();
    }
    int m_nInitColors = 0;
    bool* m_pbDeleted = nullptr;
};
IMPLEMENT_DYNCREATE(CCountingPaintManager, CExtPaintManagerXP)

// Not a paint manager at all.
class CNotAPaintManager : public CObject
{
    DECLARE_DYNCREATE(CNotAPaintManager)
public:
    ~CNotAPaintManager() override { s_nDeleted++; }
    static int s_nDeleted;
};
int CNotAPaintManager::s_nDeleted = 0;
IMPLEMENT_DYNCREATE(CNotAPaintManager, CObject)

// A paint-manager class that cannot create objects.
class CAbstractStyle : public CExtPaintManagerXP
{
    DECLARE_DYNAMIC(CAbstractStyle)
};
IMPLEMENT_DYNAMIC(CAbstractStyle, CExtPaintManagerXP)

namespace
{

// Looks at the holder and a turned glyph while this file's statics are built.
struct StaticInitProbe
{
    bool bManager = g_PaintManagerHolder.GetPM() != nullptr;
    bool bGlyph = g_glyphExpandArrowV.GetWidth() == 3 && g_glyphExpandArrowV.GetSurface() != nullptr;
} g_staticInitProbe;

} // namespace

TEST(PaintManagerHolder, OtherStaticsFindTheManagerInstalledAndTheGlyphsBuilt)
{
    EXPECT_TRUE(g_staticInitProbe.bManager);
    EXPECT_TRUE(g_staticInitProbe.bGlyph);
}

TEST(PaintManagerHolder, VersionFlagsAndDescriptionFollowTheVersionTable)
{
    const VersionCase cases[] = {
        {1, 4, 0, 950, L"", 0x06, 0x00, L"Windows 95 v.4.0 (build 950) "},
        {1, 4, 10, 2222, L"A", 0x1A, 0x00, L"Windows 98 v.4.10 (build 2222) A"},
        {1, 4, 90, 3000, L" ", 0x1A, 0x00, L"Windows 98 v.4.90 (build 3000)  "},
        {2, 4, 0, 1381, L"Service Pack 6", 0x60, 0x02, L"Windows NT v.4.0 (build 1381) Service Pack 6"},
        {2, 5, 0, 2195, L"Service Pack 4", 0xA0, 0x06, L"Windows 2000 v.5.0 (build 2195) Service Pack 4"},
        {2, 5, 1, 2600, L"Service Pack 2", 0x20, 0x0F, L"Windows XP v.5.1 (build 2600) Service Pack 2"},
        {2, 5, 2, 3790, L"Service Pack 2", 0x20, 0x0E, L" v.5.2 (build 3790) Service Pack 2"},
        {2, 6, 1, 7601, L"Service Pack 1", 0x20, 0x0E, L"Windows NT v.6.1 (build 7601) Service Pack 1"},
        {0, 3, 10, 0, L"", 0x01, 0x00, L"Win32s v.3.10 (build 0) "},
        {7, 1, 0, 0, L"", 0x00, 0x00, L" v.1.0 (build 0) "},
    };
    for (const VersionCase& c : cases)
    {
        BYTE a = 0xFF, b = 0xFF;
        CString desc;
        CExtPaintManagerHolder::DescribeVersion(c.platform, c.major, c.minor, c.build, c.csd, a, b, desc);
        EXPECT_EQ(a, c.a) << c.platform << "." << c.major << "." << c.minor;
        EXPECT_EQ(b, c.b) << c.platform << "." << c.major << "." << c.minor;
        EXPECT_STREQ((LPCWSTR)desc, c.description);
    }
    // Windows 98 of a later major version is "98 or later" without the 98 flag.
    BYTE a, b;
    CString desc;
    CExtPaintManagerHolder::DescribeVersion(1, 5, 0, 1, L"", a, b, desc);
    EXPECT_EQ(a, 0x12);
    EXPECT_STREQ((LPCWSTR)desc, L"Windows 98 or later v.5.0 (build 1) ");
}

TEST(PaintManagerHolder, FlagBytesReadBackTheNamedFlags)
{
    CExtPaintManagerHolder& h = g_PaintManagerHolder;
    const BYTE a = h.GetVersionFlagsA(), b = h.GetVersionFlagsB();
    h.SetVersionFlags(0xA0, 0x06);
    EXPECT_TRUE(h.m_bIsWinNT && h.m_bIsWin2000 && h.m_bIsWinNT4OrLater && h.m_bIsWin2000OrLater);
    EXPECT_FALSE(h.m_bIsWinXP || h.m_bIsWinXPOrLater || h.m_bIsWin9x || h.m_bIsWinNT4);
    EXPECT_EQ(h.GetVersionFlagsA(), 0xA0);
    EXPECT_EQ(h.GetVersionFlagsB(), 0x06);
    h.SetVersionFlags(a, b);
    EXPECT_EQ(h.GetVersionFlagsA(), a);
}

TEST(PaintManagerHolder, LunaSchemeComesFromTheThemeFileAndColourName)
{
    EXPECT_EQ(CExtPaintManagerHolder::LunaSchemeFromTheme(L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles",
                                                          L"NormalColor"),
              1);
    EXPECT_EQ(CExtPaintManagerHolder::LunaSchemeFromTheme(L"luna.msstyles", L"HomeStead"), 2);
    EXPECT_EQ(CExtPaintManagerHolder::LunaSchemeFromTheme(L"Luna.msstyles", L"Metallic"), 3);
    EXPECT_EQ(CExtPaintManagerHolder::LunaSchemeFromTheme(L"Luna.msstyles", L"Royale"), 0);
    EXPECT_EQ(CExtPaintManagerHolder::LunaSchemeFromTheme(L"light.msstyles", L"NormalColor"), 0);
    EXPECT_EQ(CExtPaintManagerHolder::LunaSchemeFromTheme(L"light.msstyles", L"Blue"), 0);
}

TEST(PaintManagerHolder, ColorSchemeComesFromTheTaskbarColours)
{
    // Lightness (200 + 50) / 2 / 255 of colours 0 and 2, hue and saturation of colour 5 (pure
    // blue): m2 = 250 / 255 -> blue 250. Colour 6 (red) with its hue moved by 0.01: green 0.06 * 255 = 15.
    COLORREF taskband[7] = {RGB(200, 200, 200), RGB(1, 2, 3),   RGB(50, 50, 50), RGB(4, 5, 6),
                            RGB(7, 8, 9),       RGB(0, 0, 255), RGB(255, 0, 0)};
    COLORREF a = 1, b = 2;
    CExtPaintManagerOffice2003::ColorSchemeFromTaskband(taskband, &a, &b);
    EXPECT_EQ(a, RGB(0, 0, 250));
    EXPECT_EQ(b, RGB(255, 15, 0));
    COLORREF only = 7;
    CExtPaintManagerOffice2003::ColorSchemeFromTaskband(taskband, nullptr, &only);
    EXPECT_EQ(only, RGB(255, 15, 0));
    CExtPaintManagerOffice2003::ColorSchemeFromTaskband(taskband, nullptr, nullptr);
}

TEST(PaintManagerHolder, WheelLinesAreAtLeastTwoAndThreeOnNineX)
{
    EXPECT_EQ(CExtPaintManagerHolder::ResolveWheelScrollLines(6, false, 0), 2u);
    EXPECT_EQ(CExtPaintManagerHolder::ResolveWheelScrollLines(6, false, 1), 2u);
    EXPECT_EQ(CExtPaintManagerHolder::ResolveWheelScrollLines(6, false, 5), 5u);
    EXPECT_EQ(CExtPaintManagerHolder::ResolveWheelScrollLines(6, false, WHEEL_PAGESCROLL), (UINT)WHEEL_PAGESCROLL);
    EXPECT_EQ(CExtPaintManagerHolder::ResolveWheelScrollLines(4, true, 10), 3u);
    EXPECT_EQ(CExtPaintManagerHolder::ResolveWheelScrollLines(3, false, 0), 2u);

    UINT nSystem = 0;
    ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &nSystem, 0);
    g_PaintManagerHolder.m_bWheelLinesCached = false;
    EXPECT_EQ(g_PaintManagerHolder.GetWheelScrollLines(), nSystem < 2 ? 2u : nSystem);
    EXPECT_TRUE(g_PaintManagerHolder.m_bWheelLinesCached);
}

TEST(PaintManagerHolder, UnderWineTheThemeApiLoadsWithoutLunaOrTaskbarColours)
{
    CExtPaintManagerHolder& h = g_PaintManagerHolder;
    h.m_bUxThemeApiAvailable = false; // force a reload
    h.LoadThemeApi();
    EXPECT_TRUE(h.m_bUxThemeApiAvailable);
    EXPECT_NE(h.m_hUxTheme, nullptr);
    EXPECT_NE(h.m_pfnOpenThemeData, nullptr);
    EXPECT_NE(h.m_pfnGetCurrentThemeName, nullptr);
    EXPECT_NE(h.m_pfnDrawThemeBackground, nullptr);
    EXPECT_EQ(h.m_eLunaScheme, 0);
    EXPECT_FALSE(h.m_bTaskbandColorsValid);
    EXPECT_TRUE(h.m_bUseSystemThemeColors);
    EXPECT_EQ(h.GetThemeFlags() & 0x0D, 0x09);
    EXPECT_NE(h.m_hMsImg32, nullptr);
    EXPECT_NE(h.m_pfnGradientFill, nullptr);
    EXPECT_NE(h.m_pfnAlphaBlend, nullptr);
    EXPECT_NE(h.m_pfnTransparentBlt, nullptr);
    EXPECT_TRUE(h.m_bIsWinNT && h.m_bIsWin2000OrLater && h.m_bIsWinXPOrLater);
    EXPECT_EQ(CString(h.m_strOsVer).Find(L"Windows NT v.6.1"), 0) << (LPCWSTR)h.m_strOsVer;
    EXPECT_EQ(h.m_osVerInfo.dwOSVersionInfoSize, 276u);
}

TEST(PaintManagerHolder, AManagerIsInstalledBeforeTheTestsStart)
{
    ASSERT_NE(g_PaintManagerHolder.GetPM(), nullptr);
    EXPECT_TRUE(g_PaintManagerHolder->IsKindOf(RUNTIME_CLASS(CExtPaintManager)));
    EXPECT_GE(g_PaintManagerHolder->GetColorTableSize(), 50);
}

TEST(PaintManagerHolder, EachStyleIsCreatableByItsClassWithItsKind)
{
    painthost::ScopedStyle restore;
    const char* kNames[] = {"CExtPaintManager", "CExtPaintManagerXP", "CExtPaintManagerOffice2003",
                            "CExtPaintManagerStudio2005"};
    for (int nKind = 1; nKind <= 4; nKind++)
    {
        CRuntimeClass* pClass = painthost::StyleClass(nKind);
        EXPECT_STREQ(pClass->m_lpszClassName, kNames[nKind - 1]);
        EXPECT_EQ(pClass->m_wSchema, 0xFFFFu);
        ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManagerByClass(pClass));
        EXPECT_EQ(g_PaintManagerHolder->GetRuntimeClass(), pClass);
        EXPECT_EQ(g_PaintManagerHolder->GetThemeKind(), nKind);
    }
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManager(nullptr));
    EXPECT_EQ(g_PaintManagerHolder->GetRuntimeClass(), RUNTIME_CLASS(CExtPaintManagerXP));
}

TEST(PaintManagerHolder, ReinstallingTheInstalledManagerChangesNothing)
{
    painthost::ScopedStyle restore;
    bool bDeleted = false;
    auto* pm = new CCountingPaintManager;
    pm->m_pbDeleted = &bDeleted;
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManager(pm));
    EXPECT_EQ(pm->m_nInitColors, 1);
    EXPECT_TRUE(g_PaintManagerHolder.InstallPaintManager(pm));
    EXPECT_FALSE(bDeleted);
    EXPECT_EQ(g_PaintManagerHolder.GetPM(), pm);
    EXPECT_EQ(pm->m_nInitColors, 1);
    EXPECT_TRUE(g_PaintManagerHolder.EnsurePaintManager());
    EXPECT_EQ(g_PaintManagerHolder.GetPM(), pm);
    // Another install deletes it.
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManagerByClass(RUNTIME_CLASS(CExtPaintManager)));
    EXPECT_TRUE(bDeleted);
}

TEST(PaintManagerHolder, AFailingOrForeignInstallKeepsTheOldManager)
{
    painthost::ScopedStyle restore;
    bool bDeleted = false;
    auto* pm = new CCountingPaintManager;
    pm->m_pbDeleted = &bDeleted;
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManager(pm));

    const int nBefore = CNotAPaintManager::s_nDeleted;
    EXPECT_FALSE(g_PaintManagerHolder.InstallPaintManagerByClass(RUNTIME_CLASS(CNotAPaintManager)));
    EXPECT_EQ(CNotAPaintManager::s_nDeleted, nBefore + 1);
    EXPECT_FALSE(g_PaintManagerHolder.InstallPaintManagerByClass(RUNTIME_CLASS(CAbstractStyle)));
    // A foreign object handed in as a paint manager: rejected and deleted, the holder owning it.
    EXPECT_FALSE(g_PaintManagerHolder.InstallPaintManager(reinterpret_cast<CExtPaintManager*>(new CNotAPaintManager)));
    EXPECT_EQ(CNotAPaintManager::s_nDeleted, nBefore + 2);

    EXPECT_FALSE(bDeleted);
    EXPECT_EQ(g_PaintManagerHolder.GetPM(), pm);
    EXPECT_EQ(pm->m_nInitColors, 1);
}
