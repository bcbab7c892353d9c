// Paint-manager state: colour and brush lookups, InstallColor, the styles' small answers by theme
// state, fonts as built under Wine and the twelve half-tone brushes at both colour depths.
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/support/PaintHost.h"
#include <gtest/gtest.h>
#include <memory>

namespace
{

typedef CExtPaintManager PM;

// Sets the holder's theme facts for a test and restores them.
class ScopedThemeState
{
public:
    ScopedThemeState(BYTE nFlags, int nScheme)
    {
        CExtPaintManagerHolder& h = g_PaintManagerHolder;
        m_bApi = h.m_bUxThemeApiAvailable;
        m_bTaskband = h.m_bTaskbandColorsValid;
        m_bUse = h.m_bUseSystemThemeColors;
        m_nScheme = h.m_eLunaScheme;
        for (int i = 0; i < 7; i++)
            m_clr[i] = h.m_clrTaskband[i];
        h.m_bUxThemeApiAvailable = (nFlags & 0x01) != 0;
        h.m_bTaskbandColorsValid = (nFlags & 0x04) != 0;
        h.m_bUseSystemThemeColors = (nFlags & 0x08) != 0;
        h.m_eLunaScheme = nScheme;
    }
    ~ScopedThemeState()
    {
        CExtPaintManagerHolder& h = g_PaintManagerHolder;
        h.m_bUxThemeApiAvailable = m_bApi;
        h.m_bTaskbandColorsValid = m_bTaskband;
        h.m_bUseSystemThemeColors = m_bUse;
        h.m_eLunaScheme = m_nScheme;
        for (int i = 0; i < 7; i++)
            h.m_clrTaskband[i] = m_clr[i];
    }

private:
    bool m_bApi, m_bTaskband, m_bUse;
    int m_nScheme;
    COLORREF m_clr[7];
};

std::unique_ptr<CExtPaintManager> MakeStyle(int nKind)
{
    return std::unique_ptr<CExtPaintManager>(
        static_cast<CExtPaintManager*>(painthost::StyleClass(nKind)->CreateObject()));
}

std::unique_ptr<CExtPaintManager> MakeInitialised(int nKind)
{
    auto pm = MakeStyle(nKind);
    pm->InitFonts();
    pm->InitColors();
    pm->InitBrushes();
    return pm;
}

} // namespace

TEST(PaintManagerLookups, BeforeInitialisationLookupsAnswerTheSystemFace)
{
    CExtPaintManager pm;
    EXPECT_EQ(pm.GetColorTableSize(), 0);
    EXPECT_EQ(pm.GetTranslatedColor(XCLR_FACE_NORMAL), ::GetSysColor(COLOR_3DFACE));
    EXPECT_EQ(pm.GetTranslatedColor(COLOR_WINDOW), ::GetSysColor(COLOR_3DFACE));
    EXPECT_EQ(pm.GetBrush(COLOR_WINDOW), ::GetSysColorBrush(COLOR_3DFACE));
    EXPECT_EQ(pm.GetBrush(-1), ::GetSysColorBrush(COLOR_3DFACE));
}

TEST(PaintManagerLookups, UnknownIdsAndIndicesAnswerEntryFifteen)
{
    auto base = MakeInitialised(1);
    auto xp = MakeInitialised(2);
    const COLORREF face = ::GetSysColor(COLOR_3DFACE);
    EXPECT_EQ(base->GetTranslatedColor(-5), face);
    EXPECT_EQ(base->GetTranslatedColor(999), face);
    EXPECT_EQ(base->GetTranslatedColor(3020), face);
    EXPECT_EQ(base->GetTranslatedColor(COLOR_WINDOW), ::GetSysColor(COLOR_WINDOW));
    // The alternate ids exist from the XP style on.
    EXPECT_EQ(base->GetTranslatedColor(XCLR_FACE_ALT), face);
    EXPECT_EQ(xp->GetTranslatedColor(XCLR_FACE_ALT), xp->GetTranslatedColor(XCLR_DKSHADOW_DISABLED));
    EXPECT_GE(xp->GetTranslatedColorIndex(XCLR_FACE_ALT), 50);
    // Base bindings.
    EXPECT_EQ(base->GetTranslatedColorIndex(XCLR_LIGHT_ACTIVE), COLOR_3DLIGHT);
    EXPECT_EQ(base->GetTranslatedColorIndex(XCLR_HILIGHT_DISABLED), COLOR_3DHILIGHT);
    EXPECT_EQ(base->GetTranslatedColorIndex(XCLR_DKSHADOW_NORMAL), COLOR_3DDKSHADOW);
    EXPECT_EQ(base->GetTranslatedColorIndex(XCLR_TEXT_ACTIVE), COLOR_WINDOWTEXT);
    EXPECT_EQ(base->GetTranslatedColorIndex(XCLR_TEXT_DISABLED), COLOR_3DSHADOW);
    EXPECT_EQ(base->GetColorTableSize(), 50);
    // Brushes of the system colours, entry 15 outside the table.
    EXPECT_EQ(base->GetBrush(COLOR_WINDOW), ::GetSysColorBrush(COLOR_WINDOW));
    EXPECT_EQ(base->GetBrush(50), ::GetSysColorBrush(COLOR_3DFACE));
    EXPECT_EQ(base->GetBrush(-1), ::GetSysColorBrush(COLOR_3DFACE));
    // The base translated colour: 1000 in the base style, 2001 from XP on.
    EXPECT_EQ(base->GetBaseTranslatedColor(), base->GetTranslatedColor(XCLR_FACE_NORMAL));
    EXPECT_EQ(xp->GetBaseTranslatedColor(), xp->GetTranslatedColor(XCLR_FACE_ALT));
}

TEST(PaintManagerLookups, InstallColorReplacesInsideTheTableAndAppendsOtherwise)
{
    auto pm = MakeInitialised(1);
    EXPECT_EQ(pm->InstallColor(RGB(1, 2, 3), -1), 50);
    EXPECT_EQ(pm->GetColorTableSize(), 51);
    EXPECT_EQ(pm->GetTranslatedColor(50), RGB(1, 2, 3));
    EXPECT_EQ(pm->InstallColor(RGB(4, 5, 6), 20), 20);
    EXPECT_EQ(pm->GetColorTableSize(), 51);
    EXPECT_EQ(pm->GetTranslatedColor(COLOR_3DHILIGHT), RGB(4, 5, 6));
    EXPECT_EQ(pm->InstallColor(RGB(7, 8, 9), 51), 51);
    EXPECT_EQ(pm->GetColorTableSize(), 52);
}

TEST(PaintManagerAnswers, KindsGapsAndFixedAnswersPerStyle)
{
    for (int nKind = 1; nKind <= 4; nKind++)
    {
        auto pm = MakeInitialised(nKind);
        DibCanvas canvas(4, 4);
        EXPECT_EQ(pm->GetThemeKind(), nKind);
        EXPECT_EQ(pm->GetPopupMenuItemGap(), nKind == 1 ? 6 : 1);
        EXPECT_EQ(pm->GetLabelTextColor(canvas.dc, true, false, true, false, nullptr), (COLORREF)-1);
        EXPECT_FALSE(pm->PaintCheckOrRadioBox(canvas.dc, 0, 0, 4, 4, 1, nullptr));
        EXPECT_EQ(pm->GetToolBarLayoutExtra(nullptr), CSize(0, 0));
        EXPECT_EQ(pm->GetToolBarLayoutExtra(pm.get()), nKind >= 3 ? CSize(0, -1) : CSize(0, 0));
        EXPECT_EQ(pm->GetIconVariantFactor(), nKind >= 3 ? 0.7 : 0.0);
        EXPECT_EQ(pm->GetIconVariantColor(), nKind >= 3 ? pm->GetTranslatedColor(COLOR_3DFACE) : (COLORREF)-1);
        EXPECT_EQ(pm->m_nDisabledTextStateFlags, nKind == 1 ? DSS_DISABLED : DSS_MONO);
    }
    // The icon variant colour needs NT 5 or later.
    auto office = MakeInitialised(3);
    const BYTE a = g_PaintManagerHolder.GetVersionFlagsA(), b = g_PaintManagerHolder.GetVersionFlagsB();
    g_PaintManagerHolder.SetVersionFlags(0x60, 0x02); // NT 4
    EXPECT_EQ(office->GetIconVariantColor(), (COLORREF)-1);
    g_PaintManagerHolder.SetVersionFlags(a, b);
}

TEST(PaintManagerAnswers, SystemThemeColoursDependOnTheStyleFlagsAndScheme)
{
    struct Case
    {
        BYTE flags;
        int scheme;
        bool base, xp, office, studio;
    } cases[] = {
        {0x0D, 1, false, true, true, true},    {0x0D, 2, false, true, true, false},
        {0x0D, 3, false, true, true, true},    {0x0D, 0, false, false, false, false},
        {0x09, 1, false, true, false, false},  {0x05, 1, false, false, false, false},
        {0x0C, 1, false, false, false, false}, {0x0D, 4, false, true, false, false},
    };
    for (const Case& c : cases)
    {
        ScopedThemeState state(c.flags, c.scheme);
        const bool expected[] = {c.base, c.xp, c.office, c.studio};
        for (int nKind = 1; nKind <= 4; nKind++)
        {
            auto pm = MakeStyle(nKind);
            EXPECT_EQ(pm->GetSystemThemeScheme(), c.scheme);
            EXPECT_EQ(pm->UseSystemThemeColors(), expected[nKind - 1])
                << "flags " << (int)c.flags << " scheme " << c.scheme << " kind " << nKind;
        }
    }
}

TEST(PaintManagerAnswers, ApplyColorSchemeGivesTheTaskbarPairOrStudiosFixedPair)
{
    const COLORREF taskband[7] = {RGB(200, 200, 200), 0, RGB(50, 50, 50), 0, 0, RGB(0, 0, 255), RGB(255, 0, 0)};
    CExtPaintManagerOffice2003 office;
    CExtPaintManagerStudio2005 studio;
    {
        ScopedThemeState state(0x0D, 1);
        for (int i = 0; i < 7; i++)
            g_PaintManagerHolder.m_clrTaskband[i] = taskband[i];
        COLORREF a = 0, b = 0;
        EXPECT_TRUE(office.ApplyColorScheme(&a, &b));
        EXPECT_EQ(a, RGB(0, 0, 250));
        EXPECT_EQ(b, RGB(255, 15, 0));
        EXPECT_TRUE(studio.ApplyColorScheme(&a, &b));
        EXPECT_EQ(a, RGB(225, 225, 210));
        EXPECT_EQ(b, RGB(49, 106, 197));
        EXPECT_TRUE(office.ApplyColorScheme(nullptr, nullptr));
        EXPECT_TRUE(studio.ApplyColorScheme(nullptr, nullptr));
    }
    {
        ScopedThemeState state(0x0D, 3); // metallic: Studio takes the Office derivation
        for (int i = 0; i < 7; i++)
            g_PaintManagerHolder.m_clrTaskband[i] = taskband[i];
        COLORREF a = 0;
        EXPECT_TRUE(studio.ApplyColorScheme(&a, nullptr));
        EXPECT_EQ(a, RGB(0, 0, 250));
    }
    {
        ScopedThemeState state(0x01, 0); // unthemed: false, nothing written
        COLORREF a = 7, b = 8;
        EXPECT_FALSE(office.ApplyColorScheme(&a, &b));
        EXPECT_FALSE(studio.ApplyColorScheme(&a, &b));
        EXPECT_EQ(a, 7u);
        EXPECT_EQ(b, 8u);
    }
}

TEST(PaintManagerAnswers, MenuShadowAndIconAnswersOnAnUnthemedDesktop)
{
    ScopedThemeState state(0x09, 0);
    for (int nKind = 1; nKind <= 4; nKind++)
        EXPECT_EQ(MakeStyle(nKind)->GetMenuShadowColor(nullptr), (COLORREF)-1) << nKind;
}

TEST(TabItemColors, OneNoteColoursFollowTheSchemeInOffice2003Only)
{
    auto base = MakeInitialised(1);
    auto office = MakeInitialised(3);
    auto studio = MakeInitialised(4);
    COLORREF f1, b1, g1, h1, t1, f2, b2, g2, h2, t2;
    {
        ScopedThemeState state(0x09, 0);
        for (bool bSel : {false, true})
            for (bool bHi : {false, true})
            {
                base->GetOneNoteTabItemColors(bSel, bHi, f1, b1, g1, h1, t1);
                office->GetOneNoteTabItemColors(bSel, bHi, f2, b2, g2, h2, t2);
                EXPECT_EQ(f1, f2);
                EXPECT_EQ(b1, b2);
                EXPECT_EQ(g1, g2);
                EXPECT_EQ(h1, h2);
                EXPECT_EQ(t1, t2);
            }
        base->GetOneNoteTabItemColors(true, false, f1, b1, g1, h1, t1);
        EXPECT_EQ(f1, ::GetSysColor(COLOR_WINDOW));
        base->GetOneNoteTabItemColors(false, false, f1, b1, g1, h1, t1);
        EXPECT_EQ(f1, ::GetSysColor(COLOR_3DFACE));
        EXPECT_EQ(b1, ::GetSysColor(COLOR_3DSHADOW));
        base->GetOneNoteTabItemColors(false, true, f1, b1, g1, h1, t1);
        EXPECT_EQ(t1, RGB(0, 0, 128));
        EXPECT_EQ(g1, RGB(233, 233, 244));
        EXPECT_EQ(h1, RGB(179, 179, 217));
    }
    {
        ScopedThemeState state(0x0D, 2); // homestead
        office->GetOneNoteTabItemColors(false, true, f2, b2, g2, h2, t2);
        EXPECT_EQ(f2, RGB(63, 93, 56));
        EXPECT_EQ(b2, RGB(63, 93, 56));
        EXPECT_EQ(t2, RGB(0, 0, 0));
        EXPECT_EQ(g2, RGB(255, 249, 237));
        EXPECT_EQ(h2, RGB(255, 238, 194));
        office->GetOneNoteTabItemColors(false, false, f2, b2, g2, h2, t2);
        EXPECT_EQ(f2, office->GetTranslatedColor(COLOR_WINDOW)); // not selected, still the window colour
        EXPECT_EQ(b2, RGB(96, 119, 107));
        // Studio 2005 keeps the base colours.
        studio->GetOneNoteTabItemColors(false, true, f2, b2, g2, h2, t2);
        EXPECT_EQ(t2, RGB(0, 0, 128));
    }
    {
        ScopedThemeState state(0x0D, 1);
        office->GetOneNoteTabItemColors(false, false, f2, b2, g2, h2, t2);
        EXPECT_EQ(b2, RGB(0, 53, 154));
        office->GetOneNoteTabItemColors(false, true, f2, b2, g2, h2, t2);
        EXPECT_EQ(f2, RGB(0, 0, 128));
        EXPECT_EQ(t2, RGB(0, 0, 0));
    }
    {
        ScopedThemeState state(0x0D, 3);
        office->GetOneNoteTabItemColors(false, false, f2, b2, g2, h2, t2);
        EXPECT_EQ(b2, RGB(118, 116, 146));
        office->GetOneNoteTabItemColors(false, true, f2, b2, g2, h2, t2);
        EXPECT_EQ(b2, RGB(75, 75, 111));
    }
}

TEST(TabItemColors, WhidbeySelectedItemsAreFlatAndSchemesLightenTheOthers)
{
    for (int nScheme : {0, 1})
    {
        for (int nKind = 1; nKind <= 4; nKind++)
        {
            auto pm = MakeInitialised(nKind); // before the theme facts: initialising reloads them
            ScopedThemeState state(0x0D, nScheme);
            COLORREF border, g1, g2, text;
            pm->GetWhidbeyTabItemColors(true, false, border, g1, g2, text);
            EXPECT_EQ(g1, pm->GetTranslatedColor(COLOR_WINDOW));
            EXPECT_EQ(g2, g1);
            EXPECT_EQ(border, pm->GetTranslatedColor(COLOR_3DSHADOW));
            EXPECT_EQ(text, pm->GetTranslatedColor(COLOR_BTNTEXT));
            pm->GetWhidbeyTabItemColors(false, true, border, g1, g2, text);
            EXPECT_EQ(g2, pm->GetTranslatedColor(COLOR_3DLIGHT));
            const bool bLighter = nKind >= 3 && nScheme != 0;
            EXPECT_EQ(g1, pm->GetTranslatedColor(bLighter ? COLOR_3DHILIGHT : COLOR_3DLIGHT)) << nKind << nScheme;
        }
    }
}

TEST(PaintManagerFonts, FontsAreBuiltFromTheMenuFontAsTheRulesSay)
{
    auto pm = MakeInitialised(2);
    LOGFONTW normal = {}, lf = {};
    ASSERT_NE(pm->m_fontNormal.GetSafeHandle(), nullptr);
    pm->m_fontNormal.GetLogFont(&normal);

    bool bTahoma = false;
    HDC hDC = ::GetDC(nullptr);
    LOGFONTW query = {};
    query.lfCharSet = DEFAULT_CHARSET;
    ::lstrcpyW(query.lfFaceName, L"Tahoma");
    ::EnumFontFamiliesExW(
        hDC, &query, [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM p) -> int { return *(bool*)p = true, 0; },
        (LPARAM)&bTahoma, 0);
    ::ReleaseDC(nullptr, hDC);
    ASSERT_TRUE(pm->m_bUseTahomaMenuFont);
    if (bTahoma)
        EXPECT_STREQ(normal.lfFaceName, L"Tahoma");
    else
        EXPECT_STRNE(normal.lfFaceName, L"Tahoma");

    // The menu font of the non-client metrics, read with the older structure size.
    NONCLIENTMETRICSW ncm = {};
    ncm.cbSize = 500;
    ASSERT_TRUE(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, 500, &ncm, 0));
    EXPECT_EQ(normal.lfHeight, ncm.lfMenuFont.lfHeight);
    EXPECT_EQ(normal.lfWeight, ncm.lfMenuFont.lfWeight);

    pm->m_fontBold.GetLogFont(&lf);
    EXPECT_EQ(lf.lfWeight, 900);
    EXPECT_EQ(lf.lfHeight, normal.lfHeight);
    struct Rot
    {
        CFont* font;
        LONG escapement;
        LONG weight;
    } rotated[] = {{&pm->m_fontNormalRot270, 2700, normal.lfWeight},
                   {&pm->m_fontNormalRot90, 900, normal.lfWeight},
                   {&pm->m_fontBoldRot270, 2700, 900},
                   {&pm->m_fontBoldRot90, 900, 900}};
    for (const Rot& r : rotated)
    {
        r.font->GetLogFont(&lf);
        EXPECT_EQ(lf.lfEscapement, r.escapement);
        EXPECT_EQ(lf.lfWeight, r.weight);
        EXPECT_STREQ(lf.lfFaceName, normal.lfFaceName);
    }
    CFont* small[][2] = {{&pm->m_fontSmall, &pm->m_fontNormal},
                         {&pm->m_fontSmallRot270, &pm->m_fontNormalRot270},
                         {&pm->m_fontSmallRot90, &pm->m_fontNormalRot90},
                         {&pm->m_fontSmallBold, &pm->m_fontBold},
                         {&pm->m_fontSmallBoldRot270, &pm->m_fontBoldRot270},
                         {&pm->m_fontSmallBoldRot90, &pm->m_fontBoldRot90}};
    for (auto& pair : small)
    {
        LOGFONTW source = {};
        pair[1]->GetLogFont(&source);
        pair[0]->GetLogFont(&lf);
        EXPECT_EQ(lf.lfHeight, source.lfHeight < -11 ? -11 : source.lfHeight);
        EXPECT_EQ(lf.lfEscapement, source.lfEscapement);
        EXPECT_EQ(lf.lfWeight, source.lfWeight);
    }
    pm->m_fontMarlett.GetLogFont(&lf);
    EXPECT_STREQ(lf.lfFaceName, L"Marlett");
    EXPECT_EQ(lf.lfCharSet, SYMBOL_CHARSET);
    EXPECT_EQ(lf.lfHeight, ::GetSystemMetrics(SM_CYMENUCHECK) - 1);
    EXPECT_EQ(lf.lfWeight, 0);
    // Text height: the normal font's cell height plus 2, for either flag.
    EXPECT_EQ(pm->GetTextHeight(true), pm->GetTextHeight(false));
    EXPECT_GT(pm->GetTextHeight(true), 2);
}

TEST(PaintManagerFonts, ReinitialisingDeletesAndReplacesEveryFont)
{
    CExtPaintManager pm;
    pm.InitFonts();
    CFont* fonts[] = {&pm.m_fontNormal,     &pm.m_fontNormalRot270, &pm.m_fontNormalRot90,     &pm.m_fontBold,
                      &pm.m_fontBoldRot270, &pm.m_fontBoldRot90,    &pm.m_fontSmall,           &pm.m_fontSmallRot270,
                      &pm.m_fontSmallRot90, &pm.m_fontSmallBold,    &pm.m_fontSmallBoldRot270, &pm.m_fontSmallBoldRot90,
                      &pm.m_fontMarlett};
    std::vector<HGDIOBJ> old;
    for (CFont* f : fonts)
    {
        ASSERT_NE(f->GetSafeHandle(), nullptr);
        old.push_back(f->GetSafeHandle());
    }
    pm.InitFonts();
    for (size_t i = 0; i < old.size(); i++)
    {
        EXPECT_NE(fonts[i]->GetSafeHandle(), nullptr);
        if (fonts[i]->GetSafeHandle() != old[i])
        {
            EXPECT_EQ(::GetObjectType(old[i]), 0u) << i; // the old font was deleted
        }
    }
    EXPECT_EQ(pm.GetColorTableSize(), 50);
}

namespace
{

COLORREF Mix(COLORREF a, COLORREF b, int p, int q)
{
    auto ch = [p, q](int x, int y) { return q == 2 ? x + (y - x) / 2 : x + ::MulDiv(y - x, p, q); };
    return RGB(ch(GetRValue(a), GetRValue(b)), ch(GetGValue(a), GetGValue(b)), ch(GetBValue(a), GetBValue(b)));
}

COLORREF FillPixel(CBrush& brush, int x = 0, int y = 0)
{
    DibCanvas canvas(16, 16, RGB(1, 2, 3));
    ::FillRect(canvas.dc.GetSafeHdc(), CRect(0, 0, 16, 16), (HBRUSH)brush.GetSafeHandle());
    return canvas.At(x, y);
}

} // namespace

TEST(HalfToneBrushes, AboveEightBitsEachBrushFillsWithItsMixedColour)
{
    painthost::ScopedBitsPerPixel depth(32);
    auto pm = MakeInitialised(3);
    const COLORREF face = pm->GetTranslatedColor(15), hil = pm->GetTranslatedColor(20), sh = pm->GetTranslatedColor(16);
    const COLORREF sface = ::GetSysColor(15), shil = ::GetSysColor(20), ssh = ::GetSysColor(16);
    struct Case
    {
        CBrush* brush;
        COLORREF expected;
    } cases[] = {
        {&pm->m_brushLight50, Mix(face, hil, 1, 2)}, {&pm->m_brushLight50Sys, Mix(sface, shil, 1, 2)},
        {&pm->m_brushDark50, Mix(sh, face, 1, 2)},   {&pm->m_brushDark50Sys, Mix(ssh, sface, 1, 2)},
        {&pm->m_brushLight60, Mix(face, hil, 3, 5)}, {&pm->m_brushLight60Sys, Mix(sface, shil, 3, 5)},
        {&pm->m_brushDark40, Mix(sh, face, 2, 5)},   {&pm->m_brushDark40Sys, Mix(ssh, sface, 2, 5)},
        {&pm->m_brushLight80, Mix(face, hil, 4, 5)}, {&pm->m_brushLight80Sys, Mix(sface, shil, 4, 5)},
        {&pm->m_brushDark20, Mix(sh, face, 1, 5)},   {&pm->m_brushDark20Sys, Mix(ssh, sface, 1, 5)},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(FillPixel(*c.brush), c.expected);
        EXPECT_EQ(FillPixel(*c.brush, 7, 9), c.expected);
    }
}

TEST(HalfToneBrushes, AtEightBitsTheBrushesAreDitherPatterns)
{
    painthost::ScopedBitsPerPixel depth(8);
    auto pm = MakeInitialised(1);
    const COLORREF face = pm->GetTranslatedColor(15), hil = pm->GetTranslatedColor(20), sh = pm->GetTranslatedColor(16),
                   dk = pm->GetTranslatedColor(21);
    auto pattern = [](CBrush& brush) {
        DibCanvas canvas(16, 16, RGB(1, 2, 3));
        ::SetBrushOrgEx(canvas.dc.GetSafeHdc(), 0, 0, nullptr);
        ::FillRect(canvas.dc.GetSafeHdc(), CRect(0, 0, 16, 16), (HBRUSH)brush.GetSafeHandle());
        std::vector<COLORREF> px;
        for (int y = 0; y < 4; y++)
            for (int x = 0; x < 4; x++)
                px.push_back(canvas.At(x, y));
        return px;
    };
    // Light 50: a checkerboard of face (even squares) and hilight.
    std::vector<COLORREF> light50 = pattern(pm->m_brushLight50);
    EXPECT_EQ(light50[0], face);
    EXPECT_EQ(light50[1], hil);
    EXPECT_EQ(light50[4], hil);
    EXPECT_EQ(light50[5], face);
    // Light 60: odd rows or columns take the extra colour (hilight).
    std::vector<COLORREF> light60 = pattern(pm->m_brushLight60);
    EXPECT_EQ(light60[0], face);
    EXPECT_EQ(light60[1], hil);
    EXPECT_EQ(light60[4], hil);
    EXPECT_EQ(light60[5], hil);
    EXPECT_EQ(light60[2], face);
    // Light 80: x or y with bit 1 set take hilight; (0,0), (1,0), (0,1), (1,1) follow the checker.
    std::vector<COLORREF> light80 = pattern(pm->m_brushLight80);
    EXPECT_EQ(light80[2], hil);
    EXPECT_EQ(light80[8], hil);
    EXPECT_EQ(light80[0], face);
    EXPECT_EQ(light80[5], face);
    // Dark brushes mix shadow with face, and dark shadow with shadow.
    std::vector<COLORREF> dark50 = pattern(pm->m_brushDark50);
    EXPECT_EQ(dark50[0], sh);
    EXPECT_EQ(dark50[1], face);
    std::vector<COLORREF> dark40 = pattern(pm->m_brushDark40);
    EXPECT_EQ(dark40[0], sh);
    EXPECT_EQ(dark40[5], sh); // extra colour defaults to the first colour
    std::vector<COLORREF> dark20 = pattern(pm->m_brushDark20);
    EXPECT_EQ(dark20[0], dk);
    EXPECT_EQ(dark20[1], sh);
}

TEST(HalfToneBrushes, DitherBitmapFollowsItsStepsOffsetsAndDefaults)
{
    const COLORREF c0 = RGB(10, 20, 30), c1 = RGB(200, 100, 50), extra = RGB(0, 255, 0);
    HBITMAP hBmp = CExtPaintManager::CreateDitherBitmap(c0, c1, 1, 1, 1, 0, extra);
    ASSERT_NE(hBmp, nullptr);
    HDC hDC = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, hBmp);
    EXPECT_EQ(::GetPixel(hDC, 0, 0), c0);
    EXPECT_EQ(::GetPixel(hDC, 1, 0), extra); // x AND offX
    EXPECT_EQ(::GetPixel(hDC, 2, 1), c1);    // odd row, even column
    EXPECT_EQ(::GetPixel(hDC, 15, 15), extra);
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hBmp);
    hBmp = CExtPaintManager::CreateDitherBitmap((COLORREF)-1, (COLORREF)-1, 1, 1, 0, 0, (COLORREF)-1);
    hOld = ::SelectObject(hDC, hBmp);
    EXPECT_EQ(::GetPixel(hDC, 0, 0), ::GetSysColor(COLOR_3DFACE));
    EXPECT_EQ(::GetPixel(hDC, 1, 0), ::GetSysColor(COLOR_3DHILIGHT));
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hBmp);
    ::DeleteDC(hDC);
}
