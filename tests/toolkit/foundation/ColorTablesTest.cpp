// The XP and Office 2003 colour tables built from given inputs (classic colours, the running
// prefix's colours, display depth, theme use, scheme and base colours), and the application's
// blue theme through the real installation path.
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/support/PaintHost.h"
#include <gtest/gtest.h>
#include <set>

using painthost::ColorText;
using painthost::MakeInputs;
using painthost::Near;

namespace
{

typedef CExtPaintManager PM;

std::vector<int> AllIds()
{
    std::vector<int> ids;
    for (int i = 1000; i <= 1011; i++)
        ids.push_back(i);
    for (int i = 2000; i <= 2011; i++)
        ids.push_back(i);
    for (int i = 3000; i <= 3035; i++)
        ids.push_back(i);
    return ids;
}

// Ids whose colours differ between two managers.
std::set<int> Differences(CExtPaintManager& a, CExtPaintManager& b)
{
    std::set<int> diff;
    for (int id : AllIds())
        if (a.GetTranslatedColor(id) != b.GetTranslatedColor(id))
            diff.insert(id);
    return diff;
}

COLORREF Scale(COLORREF c, int r, int g, int b)
{
    return RGB(GetRValue(c) * r / 1000, GetGValue(c) * g / 1000, GetBValue(c) * b / 1000);
}

void ExpectXpAboveEightBits(CExtPaintManagerXP& pm, const PM::ColorInputs& in)
{
    const COLORREF c5 = in.m_clrSys[5], c15 = in.m_clrSys[15], c16 = in.m_clrSys[16], c21 = in.m_clrSys[21];
    EXPECT_EQ(pm.m_nDisabledTextStateFlags, DSS_MONO);
    EXPECT_EQ(pm.GetTranslatedColor(XCLR_FACE_NORMAL), PM::AdjustHls(c15, 0, 0.2, 0));
    EXPECT_EQ(pm.GetTranslatedColor(XCLR_TEXT_ACTIVE), RGB(0, 0, 0));
    const COLORREF v3 = RGB((3 * GetRValue(c16) + GetRValue(c21)) / 4, (3 * GetGValue(c16) + GetGValue(c21)) / 4,
                            (3 * GetBValue(c16) + GetBValue(c21)) / 4);
    const int nShared = pm.GetTranslatedColorIndex(XCLR_LIGHT_NORMAL);
    EXPECT_GE(nShared, 50);
    for (int id : {1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009})
    {
        EXPECT_EQ(pm.GetTranslatedColorIndex(id), nShared) << id;
        EXPECT_EQ(pm.GetTranslatedColor(id), v3) << id;
    }
    EXPECT_EQ(pm.GetTranslatedColorIndex(XCLR_TEXT_NORMAL), COLOR_WINDOWTEXT);
    EXPECT_EQ(pm.GetTranslatedColorIndex(XCLR_TEXT_DISABLED), COLOR_3DFACE);
    EXPECT_EQ(pm.GetTranslatedColorIndex(XCLR_SHADOW_DISABLED), COLOR_HIGHLIGHTTEXT);
    // 2000 and 2002 are second entries of the colours of 1000 and 2011.
    EXPECT_NE(pm.GetTranslatedColorIndex(XCLR_FACE_DISABLED), pm.GetTranslatedColorIndex(XCLR_FACE_NORMAL));
    EXPECT_EQ(pm.GetTranslatedColor(XCLR_FACE_DISABLED), pm.GetTranslatedColor(XCLR_FACE_NORMAL));
    EXPECT_EQ(pm.GetTranslatedColor(XCLR_TEXT_ALT), Scale(c15, 857, 857, 857));
    EXPECT_EQ(pm.GetTranslatedColor(XCLR_LIGHT_DISABLED), Scale(c15, 857, 857, 857));
    EXPECT_NE(pm.GetTranslatedColorIndex(XCLR_LIGHT_DISABLED), pm.GetTranslatedColorIndex(XCLR_TEXT_ALT));
    const int r = GetRValue(c5), g = GetGValue(c5), b = GetBValue(c5);
    const COLORREF v4 =
        PM::AdjustHls(RGB(r - ::MulDiv(r, 2, 85), g - ::MulDiv(g, 5, 182), b - ::MulDiv(b, 10, 319)), 0, 0.1, -0.08);
    EXPECT_EQ(pm.GetTranslatedColor(XCLR_FACE_ALT), v4);
    EXPECT_EQ(pm.GetTranslatedColor(XCLR_DKSHADOW_DISABLED), v4);
    EXPECT_EQ(pm.GetTranslatedColor(XCLR_HILIGHT_DISABLED), in.m_clrSys[COLOR_HIGHLIGHT]);
    EXPECT_EQ(pm.GetTranslatedColor(XCLR_HILIGHT_ALT), Scale(c15, 999, 995, 995));
    EXPECT_EQ(pm.GetTranslatedColor(XCLR_SHADOW_ALT), PM::AdjustHls(c16, 0, -0.24, 0));
    EXPECT_EQ(pm.GetTranslatedColor(XCLR_DKSHADOW_ALT), pm.GetTranslatedColor(XCLR_FACE_NORMAL));
}

} // namespace

TEST(XpColorTable, ClassicColoursAboveEightBitsFollowTheDerivations)
{
    CExtPaintManagerXP pm;
    PM::ColorInputs in = MakeInputs(true, 32);
    pm.BuildXpColorTable(in);
    ExpectXpAboveEightBits(pm, in);
    // Classic shadow (128) and dark shadow (64): V3 = 112.
    EXPECT_EQ(pm.GetTranslatedColor(XCLR_SHADOW_NORMAL), RGB(112, 112, 112));
    const COLORREF c13 = in.m_clrSys[COLOR_HIGHLIGHT];
    EXPECT_EQ(pm.GetTranslatedColor(XCLR_FACE_ACTIVE), PM::AdjustHls(c13, 0, 0.7, -0.7));
    EXPECT_EQ(pm.GetTranslatedColor(XCLR_LIGHT_ALT), PM::AdjustHls(c13, 0, 0.5, -0.7));
}

TEST(XpColorTable, TheRunningPrefixsColoursFollowTheSameDerivations)
{
    CExtPaintManagerXP pm;
    PM::ColorInputs in = MakeInputs(false, 32);
    pm.BuildXpColorTable(in);
    ExpectXpAboveEightBits(pm, in);
}

TEST(XpColorTable, AtEightBitsTheWorkingColoursArePlainSystemColours)
{
    for (bool bClassic : {true, false})
    {
        CExtPaintManagerXP pm;
        PM::ColorInputs in = MakeInputs(bClassic, 8);
        pm.BuildXpColorTable(in);
        EXPECT_EQ(pm.GetTranslatedColor(XCLR_FACE_NORMAL), in.m_clrSys[COLOR_3DFACE]);
        EXPECT_EQ(pm.GetTranslatedColor(XCLR_FACE_DISABLED), in.m_clrSys[COLOR_3DFACE]);
        EXPECT_EQ(pm.GetTranslatedColor(XCLR_FACE_ACTIVE), in.m_clrSys[COLOR_3DFACE]);
        EXPECT_EQ(pm.GetTranslatedColor(XCLR_FACE_ALT), in.m_clrSys[COLOR_WINDOW]);
        EXPECT_EQ(pm.GetTranslatedColor(XCLR_DKSHADOW_DISABLED), in.m_clrSys[COLOR_WINDOW]);
        EXPECT_EQ(pm.GetTranslatedColor(XCLR_HILIGHT_DISABLED), in.m_clrSys[COLOR_BTNTEXT]);
        EXPECT_EQ(pm.GetTranslatedColor(XCLR_TEXT_ACTIVE), in.m_clrSys[COLOR_3DHILIGHT]);
        EXPECT_EQ(pm.GetTranslatedColor(XCLR_SHADOW_NORMAL), in.m_clrSys[COLOR_3DSHADOW]);
        // Only 2007 is still derived.
        EXPECT_EQ(pm.GetTranslatedColor(XCLR_SHADOW_ALT), PM::AdjustHls(in.m_clrSys[COLOR_3DSHADOW], 0, -0.24, 0));
    }
}

TEST(XpColorTable, ThemedAndClassicFormsDifferOnlyInTheActiveFaceAndAlternateLight)
{
    CExtPaintManagerXP classic, themed;
    classic.BuildXpColorTable(MakeInputs(true, 32, false));
    themed.BuildXpColorTable(MakeInputs(true, 32, true));
    EXPECT_EQ(Differences(classic, themed), (std::set<int>{XCLR_FACE_ACTIVE, XCLR_LIGHT_ALT}));
    const COLORREF c13 = classic.GetTranslatedColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(themed.GetTranslatedColor(XCLR_FACE_ACTIVE), PM::AdjustHls(c13, 0, 0.65, 0));
    EXPECT_EQ(themed.GetTranslatedColor(XCLR_LIGHT_ALT), PM::AdjustHls(c13, 0, 0.4, 0));
}

TEST(Office2003ColorTable, AtEightBitsOnlyTheShadowCopyIsBound)
{
    CExtPaintManagerXP xp;
    CExtPaintManagerOffice2003 pm;
    PM::ColorInputs in = MakeInputs(true, 8);
    xp.BuildXpColorTable(in);
    pm.BuildOffice2003ColorTable(in);
    for (int id = 3000; id <= 3035; id++)
    {
        if (id == XCLR_O2003_14)
            continue;
        EXPECT_EQ(pm.GetTranslatedColorIndex(id), -1) << id;
        EXPECT_EQ(pm.GetTranslatedColor(id), in.m_clrSys[COLOR_3DFACE]) << id;
    }
    EXPECT_GE(pm.GetTranslatedColorIndex(XCLR_O2003_14), 50);
    EXPECT_EQ(pm.GetTranslatedColor(XCLR_O2003_14), in.m_clrSys[COLOR_3DSHADOW]);
    for (int id : AllIds())
    {
        if (id < 3000)
        {
            EXPECT_EQ(pm.GetTranslatedColor(id), xp.GetTranslatedColor(id)) << id;
        }
    }
}

TEST(Office2003ColorTable, ClassicTableSharesAndCopiesAsItsTableSays)
{
    for (bool bClassic : {true, false})
    {
        CExtPaintManagerOffice2003 pm;
        PM::ColorInputs in = MakeInputs(bClassic, 32);
        pm.BuildOffice2003ColorTable(in);
        auto T = [&](int id) { return pm.GetTranslatedColor(id); };
        const COLORREF c5 = in.m_clrSys[5], c15 = in.m_clrSys[15], c16 = in.m_clrSys[16];
        EXPECT_EQ(T(3000), PM::BlendColors(c15, c5, 222));
        EXPECT_EQ(pm.GetTranslatedColorIndex(3001), COLOR_3DFACE);
        EXPECT_EQ(pm.GetTranslatedColorIndex(3002), COLOR_WINDOW);
        EXPECT_EQ(pm.GetTranslatedColorIndex(3012), COLOR_WINDOW);
        EXPECT_EQ(pm.GetTranslatedColorIndex(3013), COLOR_BTNTEXT);
        EXPECT_EQ(pm.GetTranslatedColorIndex(3014), COLOR_3DSHADOW);
        EXPECT_EQ(T(3010), RGB(255, 255, 255));
        EXPECT_EQ(T(3011), PM::AdjustHls(c5, 0, -0.36, -0.8));
        EXPECT_EQ(T(3003), PM::AdjustHls(c16, 0, 0.2, 0));
        EXPECT_EQ(T(3004), PM::AdjustHls(c16, 0, 0.7, 0.1));
        EXPECT_EQ(T(3005), PM::AdjustHls(c16, 0, -0.05, 0));
        EXPECT_EQ(pm.GetTranslatedColorIndex(3006), pm.GetTranslatedColorIndex(3007));
        EXPECT_EQ(pm.GetTranslatedColorIndex(3008), pm.GetTranslatedColorIndex(3009));
        EXPECT_NE(pm.GetTranslatedColorIndex(3006), pm.GetTranslatedColorIndex(3008));
        EXPECT_EQ(T(3007), PM::AdjustHls(T(2003), 0, 0.3, 0));
        EXPECT_EQ(T(3009), PM::AdjustHls(T(2003), 0, 0.6, 0));
        EXPECT_EQ(T(3015), T(2001)); // a mix with weight 0 is an exact copy
        EXPECT_EQ(T(3016), PM::AdjustHls(T(2000), 0, 0.4, 0));
        EXPECT_EQ(T(3017), PM::AdjustHls(T(2000), 0, -0.04, 0));
        EXPECT_EQ(T(3018), PM::BlendColors(c5, T(2000), 500));
        EXPECT_EQ(T(3019), PM::AdjustHls(T(3017), 0, 0.3, 0));
        EXPECT_EQ(T(3020), PM::AdjustHls(T(3017), 0, -0.04, 0));
        const int kCopies[][2] = {{3027, 16}, {3028, 22}, {3029, 16}, {3030, 20}, {3031, 22}, {3032, 20}, {3033, 22}};
        for (const auto& c : kCopies)
        {
            EXPECT_EQ(T(c[0]), in.m_clrSys[c[1]]) << c[0];
            EXPECT_GE(pm.GetTranslatedColorIndex(c[0]), 50) << c[0];
        }
        EXPECT_EQ(T(3034), T(2001));
        EXPECT_EQ(T(3035), PM::BlendColors(c5, c15, 550));
        for (int id = 3021; id <= 3026; id++)
        {
            EXPECT_EQ(pm.GetTranslatedColorIndex(id), -1) << id;
            EXPECT_EQ(T(id), c15) << id;
        }
        for (int n : pm.m_nPushButtonClrIds)
            EXPECT_EQ(n, -1);
    }
}

namespace
{

// Builds the themed table of the blue theme with a scheme.
void BuildBlue(CExtPaintManagerOffice2003& pm, int nScheme, bool bClassic = false)
{
    pm.BuildOffice2003ColorTable(MakeInputs(bClassic, 32, true, nScheme, painthost::CTestThemeColor::BlueThemeA(),
                                            painthost::CTestThemeColor::BlueThemeB()));
}

} // namespace

TEST(Office2003ColorTable, BlueThemeGivesTheIndependentlyComputedColours)
{
    EXPECT_TRUE(Near(painthost::CTestThemeColor::BlueThemeA(), RGB(131, 175, 235)));
    for (bool bClassic : {true, false})
    {
        CExtPaintManagerOffice2003 pm;
        BuildBlue(pm, 0, bClassic);
        EXPECT_TRUE(Near(pm.GetTranslatedColor(1000), RGB(155, 190, 238))) << ColorText(pm.GetTranslatedColor(1000));
        EXPECT_TRUE(Near(pm.GetTranslatedColor(1001), RGB(255, 240, 189))) << ColorText(pm.GetTranslatedColor(1001));
        EXPECT_TRUE(Near(pm.GetTranslatedColor(3000), RGB(184, 209, 243))) << ColorText(pm.GetTranslatedColor(3000));
        EXPECT_TRUE(Near(pm.GetTranslatedColor(3001), RGB(139, 175, 236))) << ColorText(pm.GetTranslatedColor(3001));
        EXPECT_TRUE(Near(pm.GetTranslatedColor(3010), RGB(252, 253, 254))) << ColorText(pm.GetTranslatedColor(3010));
    }
}

TEST(Office2003ColorTable, ThemedTableSharesRebindsAndCopiesAsItsTableSays)
{
    CExtPaintManagerOffice2003 pm;
    BuildBlue(pm, 0);
    auto T = [&](int id) { return pm.GetTranslatedColor(id); };
    const COLORREF a = painthost::CTestThemeColor::BlueThemeA(), b = painthost::CTestThemeColor::BlueThemeB();
    const int nShared = pm.GetTranslatedColorIndex(1002);
    for (int id : {1003, 1004, 1005, 1006, 1007, 1008, 1009, 2008})
        EXPECT_EQ(pm.GetTranslatedColorIndex(id), nShared) << id;
    EXPECT_EQ(T(1002), PM::AdjustHls(a, 0, -0.25, 0));
    for (int id : {2002, 2004, 2006})
        EXPECT_NE(pm.GetTranslatedColorIndex(id), nShared) << id;
    EXPECT_EQ(pm.GetTranslatedColorIndex(2006), COLOR_BTNTEXT);
    EXPECT_EQ(pm.GetTranslatedColorIndex(2010), COLOR_3DFACE);
    EXPECT_EQ(pm.GetTranslatedColorIndex(1010), COLOR_WINDOWTEXT);
    EXPECT_EQ(pm.GetTranslatedColorIndex(1011), COLOR_WINDOWTEXT);
    EXPECT_EQ(T(2002), Scale(a, 857, 857, 857));
    EXPECT_EQ(T(2011), Scale(a, 857, 857, 857));
    EXPECT_EQ(T(2005), Scale(a, 999, 995, 995));
    EXPECT_EQ(T(2000), T(1000));
    EXPECT_NE(pm.GetTranslatedColorIndex(2000), pm.GetTranslatedColorIndex(1000));
    EXPECT_EQ(T(2003), PM::AdjustHls(b, 0, -0.3, 0.45));
    EXPECT_EQ(T(2009), PM::AdjustHls(a, 0, 0.5, 0));
    // 3006 to 3009 are separate entries here.
    std::set<int> indices;
    for (int id = 3006; id <= 3009; id++)
        indices.insert(pm.GetTranslatedColorIndex(id));
    EXPECT_EQ(indices.size(), 4u);
    // Scheme 0: the computed row.
    const COLORREF q = PM::AdjustHls(T(1000), 0, -0.1, 0), r = PM::AdjustHls(a, 0, -0.25, 0);
    EXPECT_EQ(T(3015), PM::AdjustHls(a, 0, 0.75, 0));
    EXPECT_EQ(T(3016), PM::AdjustHls(q, 0, 0.55, 0));
    EXPECT_EQ(T(3017), q);
    EXPECT_EQ(T(3018), PM::AdjustHls(a, 0, 0.3, 0));
    EXPECT_EQ(T(3019), PM::AdjustHls(r, 0, 0.55, 0));
    EXPECT_EQ(T(3020), r);
    EXPECT_EQ(T(2007), PM::AdjustHls(a, 0, -0.68, 0));
    EXPECT_EQ(T(3034), T(3015));
    EXPECT_EQ(T(3035), T(3017));
    EXPECT_EQ(pm.GetTranslatedColorIndex(3014), COLOR_3DSHADOW);
    const int kPush[] = {3021, 3022, 3023, 3024, 3025, 3026, 3005};
    for (int i = 0; i < 7; i++)
        EXPECT_EQ(pm.m_nPushButtonClrIds[i], kPush[i]);
    EXPECT_EQ(T(3024), T(3025));
    EXPECT_EQ(T(3023), T(3026));
    // The four overwritten system entries.
    EXPECT_EQ(T(COLOR_3DLIGHT), PM::AdjustHls(a, 0, 0.45, 0.1));
    EXPECT_EQ(T(COLOR_3DHILIGHT), PM::AdjustHls(a, 0, 0.75, 0));
    EXPECT_EQ(T(COLOR_3DSHADOW), PM::AdjustHls(a, 0, -0.45, 0.1));
    EXPECT_EQ(T(COLOR_3DDKSHADOW), PM::AdjustHls(a, 0, -0.75, 0));
}

TEST(Office2003ColorTable, SchemeRowsAreTheFixedGradientColours)
{
    const COLORREF kRows[3][7] = {{0xFFEFE3, 0xFCE1CA, 0xE4AD87, 0xF6DDCB, 0xF8C4A1, 0xDCA179, 0x962D00},
                                  {0xEDFFFF, 0xA7DBCE, 0x92C7B8, 0xD1E6E6, 0x8FC8BA, 0x78B4A4, 0x5E8D75},
                                  {0xFFF9F9, 0xECE2E1, 0xB99D9F, 0xE2D7D7, 0xCAB9B8, 0x9E7E80, 0x947C7C}};
    const int kIds[7] = {3015, 3016, 3017, 3018, 3019, 3020, 2007};
    for (int nScheme = 1; nScheme <= 3; nScheme++)
    {
        CExtPaintManagerOffice2003 pm;
        BuildBlue(pm, nScheme);
        for (int i = 0; i < 7; i++)
            EXPECT_EQ(pm.GetTranslatedColor(kIds[i]), kRows[nScheme - 1][i]) << nScheme << " " << kIds[i];
        EXPECT_EQ(pm.GetTranslatedColor(3034), kRows[nScheme - 1][0]);
        EXPECT_EQ(pm.GetTranslatedColor(3035), kRows[nScheme - 1][2]);
    }
}

TEST(Office2003ColorTable, SilverChangesOnlyTheDockerEndsAndTheRowOthersOnlyTheRow)
{
    CExtPaintManagerOffice2003 blue, olive, silver, none;
    BuildBlue(blue, 1);
    BuildBlue(olive, 2);
    BuildBlue(silver, 3);
    BuildBlue(none, 0);
    const std::set<int> row = {3015, 3016, 3017, 3018, 3019, 3020, 2007, 3034, 3035};
    EXPECT_EQ(Differences(blue, olive), row);
    std::set<int> silverSet = row;
    silverSet.insert(3000);
    silverSet.insert(3001);
    EXPECT_EQ(Differences(blue, silver), silverSet);
    const COLORREF a = painthost::CTestThemeColor::BlueThemeA();
    EXPECT_EQ(silver.GetTranslatedColor(3000), PM::AdjustHls(a, 0, 0.845, 0.1));
    EXPECT_EQ(silver.GetTranslatedColor(3001), PM::AdjustHls(a, 0, 0.45, 0.1));
    EXPECT_EQ(Differences(blue, none), row);
}

TEST(Office2003ColorTable, RebuildingCutsTheTableBackInsteadOfGrowingIt)
{
    CExtPaintManagerOffice2003 pm;
    BuildBlue(pm, 0);
    const INT_PTR nSize = pm.GetColorTableSize();
    EXPECT_GT(nSize, 50);
    for (int i = 0; i < 5; i++)
        BuildBlue(pm, 0);
    EXPECT_EQ(pm.GetColorTableSize(), nSize);
    pm.BuildOffice2003ColorTable(MakeInputs(true, 32));
    pm.BuildOffice2003ColorTable(MakeInputs(true, 8));
    CExtPaintManagerXP xp;
    xp.BuildXpColorTable(MakeInputs(true, 8));
    EXPECT_EQ(pm.GetColorTableSize(), xp.GetColorTableSize() + 1);
}

TEST(Office2003ColorTable, TheApplicationsThemeInstalledRetintsEveryThemedEntry)
{
    painthost::ScopedStyle restore;
    auto* pTheme = new painthost::CTestThemeColor;
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManager(pTheme));
    ASSERT_EQ(g_PaintManagerHolder.GetPM(), pTheme);
    if (CExtPaintManager::GetDisplayBitsPerPixel() <= 8)
        GTEST_SKIP() << "low-colour display";
    // What users see: every face in the blue theme, the docker gradient's two ends.
    EXPECT_TRUE(Near(pTheme->GetTranslatedColor(XCLR_FACE_NORMAL), RGB(155, 190, 238)));
    EXPECT_TRUE(Near(pTheme->GetTranslatedColor(XCLR_O2003_01), RGB(139, 175, 236)));
    EXPECT_TRUE(Near(pTheme->GetTranslatedColor(XCLR_O2003_00), RGB(184, 209, 243)));
    const COLORREF a = painthost::CTestThemeColor::BlueThemeA();
    EXPECT_EQ(pTheme->GetTranslatedColor(COLOR_3DSHADOW), PM::AdjustHls(a, 0, -0.45, 0.1));

    // Another base colour re-tints the table, the system entries included, at the next event.
    pTheme->m_clrA = RGB(90, 160, 90);
    pTheme->OnSysColorChange();
    EXPECT_EQ(pTheme->GetTranslatedColor(XCLR_FACE_NORMAL), PM::AdjustHls(RGB(90, 160, 90), 0, 0.2, 0));
    EXPECT_EQ(pTheme->GetTranslatedColor(COLOR_3DDKSHADOW), PM::AdjustHls(RGB(90, 160, 90), 0, -0.75, 0));
    EXPECT_EQ(pTheme->GetTranslatedColor(COLOR_3DLIGHT), PM::AdjustHls(RGB(90, 160, 90), 0, 0.45, 0.1));
}

TEST(Office2003ColorTable, UnderWineTheStylesBuildTheirClassicTables)
{
    painthost::ScopedStyle restore;
    if (CExtPaintManager::GetDisplayBitsPerPixel() <= 8)
        GTEST_SKIP() << "low-colour display";
    for (int nKind = 2; nKind <= 4; nKind++)
    {
        ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManagerByClass(painthost::StyleClass(nKind)));
        CExtPaintManager* pm = g_PaintManagerHolder.GetPM();
        EXPECT_FALSE(pm->UseSystemThemeColors()) << nKind;
        EXPECT_EQ(pm->GetTranslatedColor(XCLR_FACE_ACTIVE), PM::AdjustHls(::GetSysColor(COLOR_HIGHLIGHT), 0, 0.7, -0.7))
            << nKind;
        if (nKind >= 3)
        {
            EXPECT_EQ(pm->GetTranslatedColorIndex(XCLR_O2003_01), COLOR_3DFACE) << nKind;
            EXPECT_EQ(pm->GetTranslatedColor(XCLR_O2003_15), pm->GetTranslatedColor(XCLR_FACE_ALT)) << nKind;
        }
    }
}
