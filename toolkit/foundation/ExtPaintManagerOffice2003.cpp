// CExtPaintManagerOffice2003: construction, the Office 2003 colour table (low-colour, classic and
// themed), the colour-scheme query and the style's small answers.
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
#include "toolkit/foundation/ExtPaintManagerGlyph.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

IMPLEMENT_DYNCREATE(CExtPaintManagerOffice2003, CExtPaintManagerXP)

CExtPaintManagerOffice2003::CExtPaintManagerOffice2003()
{
    m_pGlyphExpandArrowH = &g_glyphExpandArrowH2003;
    m_pGlyphExpandChevronH = &g_glyphExpandChevronH2003;
    m_pGlyphExpandArrowV = &g_glyphExpandArrowV2003;
    m_pGlyphExpandChevronV = &g_glyphExpandChevronV2003;
    m_nStyleBits = kStyleOffice2003;
    static const int kMenuIds[6] = {XCLR_O2003_15, XCLR_O2003_17, XCLR_O2003_16,
                                    XCLR_O2003_18, XCLR_O2003_20, XCLR_O2003_19};
    for (int i = 0; i < 6; i++)
        m_nMenuGradientClrIds[i] = kMenuIds[i];
}

CExtPaintManagerOffice2003::~CExtPaintManagerOffice2003() {}

int CExtPaintManagerOffice2003::GetThemeKind() { return 3; }

bool CExtPaintManagerOffice2003::UseSystemThemeColors()
{
    const int nScheme = GetSystemThemeScheme();
    return g_PaintManagerHolder.m_bUxThemeApiAvailable && g_PaintManagerHolder.m_bTaskbandColorsValid &&
           g_PaintManagerHolder.m_bUseSystemThemeColors && nScheme >= 1 && nScheme <= 3;
}

void CExtPaintManagerOffice2003::ColorSchemeFromTaskband(const COLORREF clrTaskband[7], COLORREF* pclrA,
                                                         COLORREF* pclrB)
{
    if (pclrA != nullptr)
    {
        double h0, s0, l0, h2, s2, l2, h5, s5, l5;
        RgbToHls(clrTaskband[0], &h0, &s0, &l0);
        RgbToHls(clrTaskband[2], &h2, &s2, &l2);
        RgbToHls(clrTaskband[5], &h5, &s5, &l5);
        *pclrA = HlsToRgb(h5, (l0 + l2) * 0.5, s5);
    }
    if (pclrB != nullptr)
        *pclrB = AdjustHls(clrTaskband[6], 0.01, 0.0, 0.0);
}

bool CExtPaintManagerOffice2003::ApplyColorScheme(COLORREF* pclrA, COLORREF* pclrB)
{
    if (!UseSystemThemeColors())
        return false;
    ColorSchemeFromTaskband(g_PaintManagerHolder.m_clrTaskband, pclrA, pclrB);
    return true;
}

void CExtPaintManagerOffice2003::InitColors()
{
    for (int& n : m_nPushButtonClrIds)
        n = -1;
    g_PaintManagerHolder.m_bUxThemeApiAvailable = false;
    g_PaintManagerHolder.m_bTaskbandColorsValid = false;
    g_PaintManagerHolder.LoadThemeApi();
    ColorInputs in = GetColorInputs();
    if (in.m_nBitsPerPixel > 8 && in.m_bUseSystemThemeColors)
        in.m_bSchemeColors = ApplyColorScheme(&in.m_clrA, &in.m_clrB);
    BuildOffice2003ColorTable(in);
}

void CExtPaintManagerOffice2003::GetSchemeGradientColors(int nScheme, COLORREF clrA, COLORREF clrP[7])
{
    static const COLORREF kSchemes[3][7] = {{0xFFEFE3, 0xFCE1CA, 0xE4AD87, 0xF6DDCB, 0xF8C4A1, 0xDCA179, 0x962D00},
                                            {0xEDFFFF, 0xA7DBCE, 0x92C7B8, 0xD1E6E6, 0x8FC8BA, 0x78B4A4, 0x5E8D75},
                                            {0xFFF9F9, 0xECE2E1, 0xB99D9F, 0xE2D7D7, 0xCAB9B8, 0x9E7E80, 0x947C7C}};
    if (nScheme >= 1 && nScheme <= 3)
    {
        for (int i = 0; i < 7; i++)
            clrP[i] = kSchemes[nScheme - 1][i];
        return;
    }
    const COLORREF q = AdjustHls(GetTranslatedColor(XCLR_FACE_DISABLED, this, 0), 0.0, -0.1, 0.0);
    const COLORREF r = AdjustHls(clrA, 0.0, -0.25, 0.0);
    clrP[0] = AdjustHls(clrA, 0.0, 0.75, 0.0);
    clrP[1] = AdjustHls(q, 0.0, 0.55, 0.0);
    clrP[2] = q;
    clrP[3] = AdjustHls(clrA, 0.0, 0.3, 0.0);
    clrP[4] = AdjustHls(r, 0.0, 0.55, 0.0);
    clrP[5] = r;
    clrP[6] = AdjustHls(clrA, 0.0, -0.68, 0.0);
}

void CExtPaintManagerOffice2003::BuildOffice2003ColorTable(const ColorInputs& in)
{
    for (int& n : m_nPushButtonClrIds)
        n = -1;
    BuildXpColorTable(in);
    const auto T = ColorsFor(this, 0);

    if (in.m_nBitsPerPixel <= 8)
    {
        BindNewColor(XCLR_O2003_14, T(COLOR_3DSHADOW));
        return;
    }

    if (!in.m_bUseSystemThemeColors)
    {
        BindNewColor(XCLR_O2003_00, BlendColors(T(COLOR_3DFACE), T(COLOR_WINDOW), 222));
        BindColor(XCLR_O2003_01, COLOR_3DFACE);
        BindNewColor(XCLR_O2003_10, RGB(255, 255, 255));
        BindNewColor(XCLR_O2003_11, AdjustHls(T(COLOR_WINDOW), 0.0, -0.36, -0.8));
        BindNewColor(XCLR_O2003_03, AdjustHls(T(COLOR_3DSHADOW), 0.0, 0.2, 0.0));
        BindColor(XCLR_O2003_02, COLOR_WINDOW);
        BindNewColor(XCLR_O2003_04, AdjustHls(T(COLOR_3DSHADOW), 0.0, 0.7, 0.1));
        BindNewColor(XCLR_O2003_05, AdjustHls(T(COLOR_3DSHADOW), 0.0, -0.05, 0.0));
        BindColor(XCLR_O2003_06, BindNewColor(XCLR_O2003_07, AdjustHls(T(XCLR_LIGHT_ALT), 0.0, 0.3, 0.0)));
        BindColor(XCLR_O2003_08, BindNewColor(XCLR_O2003_09, AdjustHls(T(XCLR_LIGHT_ALT), 0.0, 0.6, 0.0)));
        BindColor(XCLR_O2003_12, COLOR_WINDOW);
        BindColor(XCLR_O2003_13, COLOR_BTNTEXT);
        BindColor(XCLR_O2003_14, COLOR_3DSHADOW);
        BindNewColor(XCLR_O2003_15, BlendColors(T(COLOR_WINDOW), T(XCLR_FACE_ALT), 0));
        BindNewColor(XCLR_O2003_16, AdjustHls(T(XCLR_FACE_DISABLED), 0.0, 0.4, 0.0));
        BindNewColor(XCLR_O2003_17, AdjustHls(T(XCLR_FACE_DISABLED), 0.0, -0.04, 0.0));
        BindNewColor(XCLR_O2003_18, BlendColors(T(COLOR_WINDOW), T(XCLR_FACE_DISABLED), 500));
        BindNewColor(XCLR_O2003_19, AdjustHls(T(XCLR_O2003_17), 0.0, 0.3, 0.0));
        BindNewColor(XCLR_O2003_20, AdjustHls(T(XCLR_O2003_17), 0.0, -0.04, 0.0));
        BindNewColor(XCLR_O2003_27, T(COLOR_3DSHADOW));
        BindNewColor(XCLR_O2003_28, T(COLOR_3DLIGHT));
        BindNewColor(XCLR_O2003_29, T(COLOR_3DSHADOW));
        BindNewColor(XCLR_O2003_30, T(COLOR_3DHILIGHT));
        BindNewColor(XCLR_O2003_31, T(COLOR_3DLIGHT));
        BindNewColor(XCLR_O2003_32, T(COLOR_3DHILIGHT));
        BindNewColor(XCLR_O2003_33, T(COLOR_3DLIGHT));
        BindNewColor(XCLR_O2003_34, T(XCLR_FACE_ALT));
        BindNewColor(XCLR_O2003_35, BlendColors(T(COLOR_WINDOW), T(COLOR_3DFACE), 550));
        return;
    }

    const COLORREF a = in.m_clrA, b = in.m_clrB;
    const bool bSilver = in.m_nScheme == 3;
    const COLORREF w1 = AdjustHls(a, 0.0, 0.95, -0.05);
    const int r1 = GetRValue(w1), g1 = GetGValue(w1);
    const COLORREF w1Lit = RGB(r1 + ::MulDiv(255 - r1, 40, 100), g1 + ::MulDiv(255 - g1, 20, 100), GetBValue(w1));
    const COLORREF w2 = AdjustHls(w1Lit, 0.0, 0.06, 0.05);
    const COLORREF w3 = AdjustHls(a, 0.0, 0.5, 0.0);
    const COLORREF k995 = RGB(GetRValue(a) * 999 / 1000, GetGValue(a) * 995 / 1000, GetBValue(a) * 995 / 1000);
    const COLORREF w4 = AdjustHls(a, 0.0, 0.2, 0.0);
    const COLORREF w5 = AdjustHls(b, 0.02, 0.6, 0.45);
    const COLORREF w6 = AdjustHls(b, 0.0, -0.3, 0.45);
    const COLORREF w7 = AdjustHls(AdjustHls(AdjustHls(a, 0.0, 0.2, 0.0), 0.0, -0.25, 0.1), 0.0, -0.5, 0.0);
    const COLORREF k857 = RGB(GetRValue(a) * 857 / 1000, GetGValue(a) * 857 / 1000, GetBValue(a) * 857 / 1000);
    const COLORREF w8 = AdjustHls(a, 0.0, -0.25, 0.0);

    BindNewColor(XCLR_FACE_NORMAL, w4);
    BindNewColor(XCLR_FACE_ACTIVE, w5);
    BindColor(XCLR_FACE_DISABLED, COLOR_3DFACE);
    const int nShared = InstallColor(w8, -1);
    static const int kShared[] = {XCLR_LIGHT_NORMAL,     XCLR_LIGHT_ACTIVE,    XCLR_HILIGHT_NORMAL,
                                  XCLR_HILIGHT_ACTIVE,   XCLR_SHADOW_NORMAL,   XCLR_SHADOW_ACTIVE,
                                  XCLR_DKSHADOW_NORMAL,  XCLR_DKSHADOW_ACTIVE, XCLR_LIGHT_DISABLED,
                                  XCLR_HILIGHT_DISABLED, XCLR_SHADOW_DISABLED, XCLR_DKSHADOW_DISABLED};
    for (int nId : kShared)
        BindColor(nId, nShared);
    BindColor(XCLR_TEXT_NORMAL, COLOR_WINDOWTEXT);
    BindColor(XCLR_TEXT_ACTIVE, COLOR_WINDOWTEXT);
    BindColor(XCLR_TEXT_DISABLED, COLOR_3DSHADOW);
    BindColor(XCLR_TEXT_DISABLED, COLOR_3DFACE);
    BindColor(XCLR_SHADOW_DISABLED, COLOR_BTNTEXT);
    BindNewColor(XCLR_TEXT_ALT, k857);
    BindNewColor(XCLR_FACE_DISABLED, w4);
    BindNewColor(XCLR_FACE_ALT, w2);
    BindNewColor(XCLR_LIGHT_DISABLED, k857);
    BindNewColor(XCLR_LIGHT_ALT, w6);
    BindNewColor(XCLR_HILIGHT_DISABLED, w7);
    BindNewColor(XCLR_HILIGHT_ALT, k995);
    BindNewColor(XCLR_DKSHADOW_ALT, w3);

    BindNewColor(XCLR_O2003_00, bSilver ? AdjustHls(a, 0.0, 0.845, 0.1) : AdjustHls(a, 0.0, 0.43, 0.0));
    BindNewColor(XCLR_O2003_01, bSilver ? AdjustHls(a, 0.0, 0.45, 0.1) : AdjustHls(a, 0.02, 0.07, 0.0));
    BindNewColor(XCLR_O2003_10, AdjustHls(a, 0.0, 0.98, 0.0));
    BindNewColor(XCLR_O2003_11, AdjustHls(a, 0.0, -0.45, 0.0));
    BindNewColor(XCLR_O2003_03, AdjustHls(a, 0.0, -0.6, 0.0));
    BindNewColor(XCLR_O2003_02, AdjustHls(a, 0.0, 0.95, 0.0));
    BindNewColor(XCLR_O2003_04, AdjustHls(a, 0.0, -0.1, 0.0));
    BindNewColor(XCLR_O2003_05, AdjustHls(a, 0.0, -0.6, 0.0));
    BindNewColor(XCLR_O2003_06, AdjustHls(b, 0.0, 0.85, 0.0));
    BindNewColor(XCLR_O2003_07, AdjustHls(b, 0.0, -0.05, 0.0));
    BindNewColor(XCLR_O2003_08, AdjustHls(b, 0.0, 0.3, 0.0));
    BindNewColor(XCLR_O2003_09, AdjustHls(b, 0.0, -0.3, 0.0));
    BindNewColor(XCLR_O2003_12, AdjustHls(a, 0.0, 0.97, 0.0));
    BindNewColor(XCLR_O2003_13, AdjustHls(a, 0.0, -0.97, 0.0));
    BindColor(XCLR_O2003_14, COLOR_3DSHADOW);
    COLORREF p[7];
    GetSchemeGradientColors(in.m_nScheme, a, p);
    for (int i = 0; i < 6; i++)
        BindNewColor(XCLR_O2003_15 + i, p[i]);
    BindNewColor(XCLR_SHADOW_ALT, p[6]);
    BindNewColor(XCLR_O2003_21, AdjustHls(b, 0.05, 0.75, 0.0));
    BindNewColor(XCLR_O2003_22, AdjustHls(b, -0.05, -0.02, 0.0));
    BindNewColor(XCLR_O2003_23, AdjustHls(b, 0.02, 0.4, 0.0));
    BindNewColor(XCLR_O2003_24, AdjustHls(b, -0.07, -0.31, 0.0));
    BindNewColor(XCLR_O2003_25, AdjustHls(b, -0.07, -0.31, 0.0));
    BindNewColor(XCLR_O2003_26, AdjustHls(b, 0.02, 0.4, 0.0));
    BindNewColor(XCLR_O2003_27, AdjustHls(a, 0.1, -0.55, 0.0));
    BindNewColor(XCLR_O2003_28, AdjustHls(a, 0.02, -0.23, -0.25));
    BindNewColor(XCLR_O2003_29, AdjustHls(a, 0.05, -0.6, 0.0));
    BindNewColor(XCLR_O2003_30, AdjustHls(a, 0.0, 0.45, 0.0));
    BindNewColor(XCLR_O2003_31, AdjustHls(a, 0.0, 0.0, 0.0));
    BindNewColor(XCLR_O2003_32, AdjustHls(a, 0.0, 0.55, 0.2));
    BindNewColor(XCLR_O2003_33, AdjustHls(a, 0.0, -0.13, -0.15));
    BindNewColor(XCLR_O2003_34, T(XCLR_O2003_15));
    BindNewColor(XCLR_O2003_35, T(XCLR_O2003_17));

    static const int kPushIds[kPushButtonClrIdCount] = {XCLR_O2003_21, XCLR_O2003_22, XCLR_O2003_23, XCLR_O2003_24,
                                                        XCLR_O2003_25, XCLR_O2003_26, XCLR_O2003_05};
    for (int i = 0; i < kPushButtonClrIdCount; i++)
        m_nPushButtonClrIds[i] = kPushIds[i];

    // System entries re-tinted, so that painters using these indices see the theme.
    InstallColor(AdjustHls(a, 0.0, 0.45, 0.1), COLOR_3DLIGHT);
    InstallColor(AdjustHls(a, 0.0, 0.75, 0.0), COLOR_3DHILIGHT);
    InstallColor(AdjustHls(a, 0.0, -0.45, 0.1), COLOR_3DSHADOW);
    InstallColor(AdjustHls(a, 0.0, -0.75, 0.0), COLOR_3DDKSHADOW);
}

void CExtPaintManagerOffice2003::GetOneNoteTabItemColors(bool bSelected, bool bHighlighted, COLORREF& clrFill,
                                                         COLORREF& clrBorder, COLORREF& clrGradient1,
                                                         COLORREF& clrGradient2, COLORREF& clrText)
{
    const int nScheme = GetSystemThemeScheme();
    if (nScheme < 1 || nScheme > 3)
    {
        CExtPaintManager::GetOneNoteTabItemColors(bSelected, bHighlighted, clrFill, clrBorder, clrGradient1,
                                                  clrGradient2, clrText);
        return;
    }
    if (bHighlighted)
    {
        static const COLORREF kLines[3] = {RGB(0, 0, 128), RGB(63, 93, 56), RGB(75, 75, 111)};
        clrFill = clrBorder = kLines[nScheme - 1];
        clrText = RGB(0, 0, 0);
        clrGradient1 = RGB(255, 249, 237);
        clrGradient2 = RGB(255, 238, 194);
        return;
    }
    static const COLORREF kBorders[3] = {RGB(0, 53, 154), RGB(96, 119, 107), RGB(118, 116, 146)};
    clrFill = GetTranslatedColor(COLOR_WINDOW, this, 0);
    clrBorder = kBorders[nScheme - 1];
    clrText = GetTranslatedColor(COLOR_BTNTEXT, this, 0);
    clrGradient1 = clrGradient2 = GetTranslatedColor(COLOR_3DFACE, this, 0);
}

void CExtPaintManagerOffice2003::GetWhidbeyTabItemColors(bool bSelected, bool bSecondFlag, COLORREF& clrBorder,
                                                         COLORREF& clrGradient1, COLORREF& clrGradient2,
                                                         COLORREF& clrText)
{
    CExtPaintManager::GetWhidbeyTabItemColors(bSelected, bSecondFlag, clrBorder, clrGradient1, clrGradient2, clrText);
    if (!bSelected && GetSystemThemeScheme() != 0)
        clrGradient1 = GetTranslatedColor(COLOR_3DHILIGHT, this, 0);
}

CSize CExtPaintManagerOffice2003::GetToolBarLayoutExtra(CObject* pBar)
{
    return pBar != nullptr ? CSize(0, -1) : CSize(0, 0);
}

COLORREF CExtPaintManagerOffice2003::GetIconVariantColor()
{
    if (!g_PaintManagerHolder.m_bIsWin2000OrLater)
        return (COLORREF)-1;
    return GetTranslatedColor(COLOR_3DFACE, this, 0);
}

double CExtPaintManagerOffice2003::GetIconVariantFactor() { return 0.7; }
