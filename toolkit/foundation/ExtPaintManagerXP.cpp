// CExtPaintManagerXP: construction, the XP colour table and the XP style's small answers.
#include "toolkit/foundation/ExtPaintManagerXP.h"
#include "toolkit/foundation/ExtPaintManagerGlyph.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

IMPLEMENT_DYNCREATE(CExtPaintManagerXP, CExtPaintManager)

CExtPaintManagerXP::CExtPaintManagerXP()
    : m_nStyleBits(kStyleXP0 | kStyleXP1), m_pGlyphExpandArrowH(&g_glyphExpandArrowH),
      m_pGlyphExpandChevronH(&g_glyphExpandChevronH), m_pGlyphExpandArrowV(&g_glyphExpandArrowV),
      m_pGlyphExpandChevronV(&g_glyphExpandChevronV)
{
    for (int& n : m_nMenuGradientClrIds)
        n = -1;
    for (int& n : m_nPushButtonClrIds)
        n = -1;
}

CExtPaintManagerXP::~CExtPaintManagerXP() {}

int CExtPaintManagerXP::GetThemeKind() { return 2; }

int CExtPaintManagerXP::GetPopupMenuItemGap() { return 1; }

bool CExtPaintManagerXP::UseSystemThemeColors()
{
    return g_PaintManagerHolder.m_bUxThemeApiAvailable && g_PaintManagerHolder.m_bUseSystemThemeColors &&
           GetSystemThemeScheme() != 0;
}

COLORREF CExtPaintManagerXP::GetBaseTranslatedColor(CObject* pHelperSrc, LPARAM lParam)
{
    return GetTranslatedColor(XCLR_FACE_ALT, pHelperSrc, lParam);
}

void CExtPaintManagerXP::InitColors() { BuildXpColorTable(GetColorInputs()); }

namespace
{

COLORREF ScaleChannels(COLORREF clr, int nRed, int nGreen, int nBlue)
{
    return RGB(GetRValue(clr) * nRed / 1000, GetGValue(clr) * nGreen / 1000, GetBValue(clr) * nBlue / 1000);
}

} // namespace

void CExtPaintManagerXP::BuildXpColorTable(const ColorInputs& in)
{
    m_nDisabledTextStateFlags = DSS_MONO;
    BuildBaseColorTable(in);

    const COLORREF c5 = in.m_clrSys[COLOR_WINDOW], c15 = in.m_clrSys[COLOR_3DFACE], c20 = in.m_clrSys[COLOR_3DHILIGHT],
                   c16 = in.m_clrSys[COLOR_3DSHADOW], c21 = in.m_clrSys[COLOR_3DDKSHADOW],
                   c18 = in.m_clrSys[COLOR_BTNTEXT], c13 = in.m_clrSys[COLOR_HIGHLIGHT];
    const bool bLowColor = in.m_nBitsPerPixel <= 8;
    const bool bThemed = in.m_bUseSystemThemeColors;

    COLORREF v1 = c15, v2 = c15, v3 = c16, v4 = c5, v5 = c16, v6 = c16, v7 = c18, v8 = c16, v9 = c20;
    if (!bLowColor)
    {
        v1 = AdjustHls(c15, 0.0, 0.2, 0.0);
        v2 = bThemed ? AdjustHls(c13, 0.0, 0.65, 0.0) : AdjustHls(c13, 0.0, 0.7, -0.7);
        v3 = RGB((3 * GetRValue(c16) + GetRValue(c21)) * 250 / 1000, (3 * GetGValue(c16) + GetGValue(c21)) * 250 / 1000,
                 (3 * GetBValue(c16) + GetBValue(c21)) * 250 / 1000);
        const int r = GetRValue(c5), g = GetGValue(c5), b = GetBValue(c5);
        const COLORREF d = RGB(r - ::MulDiv(r, 2, 85), g - ::MulDiv(g, 5, 182), b - ::MulDiv(b, 10, 319));
        v4 = AdjustHls(d, 0.0, 0.1, -0.08);
        v5 = ScaleChannels(c15, 857, 857, 857);
        v6 = bThemed ? AdjustHls(c13, 0.0, 0.4, 0.0) : AdjustHls(c13, 0.0, 0.5, -0.7);
        v7 = c13;
        v8 = ScaleChannels(c15, 999, 995, 995);
        v9 = RGB(0, 0, 0);
    }

    BindNewColor(XCLR_FACE_NORMAL, v1);
    BindNewColor(XCLR_FACE_ACTIVE, v2);
    BindColor(XCLR_FACE_DISABLED, COLOR_3DFACE);
    const int nShared = InstallColor(v3, -1);
    static const int kShared[] = {XCLR_LIGHT_NORMAL,    XCLR_LIGHT_ACTIVE,    XCLR_LIGHT_DISABLED,
                                  XCLR_HILIGHT_NORMAL,  XCLR_HILIGHT_ACTIVE,  XCLR_HILIGHT_DISABLED,
                                  XCLR_SHADOW_NORMAL,   XCLR_SHADOW_ACTIVE,   XCLR_SHADOW_DISABLED,
                                  XCLR_DKSHADOW_NORMAL, XCLR_DKSHADOW_ACTIVE, XCLR_DKSHADOW_DISABLED};
    for (int nId : kShared)
        BindColor(nId, nShared);
    BindColor(XCLR_TEXT_NORMAL, COLOR_WINDOWTEXT);
    BindNewColor(XCLR_TEXT_ACTIVE, v9);
    BindColor(XCLR_TEXT_DISABLED, COLOR_3DSHADOW);
    BindColor(XCLR_TEXT_DISABLED, COLOR_3DFACE);
    BindNewColor(XCLR_TEXT_ALT, v5);
    BindColor(XCLR_SHADOW_DISABLED, COLOR_HIGHLIGHTTEXT);
    BindNewColor(XCLR_FACE_DISABLED, v1);
    BindNewColor(XCLR_FACE_ALT, v4);
    BindNewColor(XCLR_LIGHT_DISABLED, v5);
    BindNewColor(XCLR_LIGHT_ALT, v6);
    BindNewColor(XCLR_HILIGHT_DISABLED, v7);
    BindNewColor(XCLR_HILIGHT_ALT, v8);
    BindNewColor(XCLR_SHADOW_ALT, AdjustHls(in.m_clrSys[COLOR_3DSHADOW], 0.0, -0.24, 0.0));
    BindNewColor(XCLR_DKSHADOW_DISABLED, v4);
    BindNewColor(XCLR_DKSHADOW_ALT, GetTranslatedColor(XCLR_FACE_NORMAL, this, 0));
}

void CExtPaintManagerXP::PaintUndoRedoCaption(CDC& dc, const RECT& rc, LPCTSTR pszText, CObject* pHelperSrc,
                                              LPARAM lParam)
{
    PaintUndoRedoCaptionBody(dc, rc, pszText, pHelperSrc, lParam, false);
}
