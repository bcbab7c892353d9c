// CExtPaintManager state: construction, colour and brush lookups, the initialisation sequence
// (fonts, colours, brushes), cached DCs and the re-initialisation on system events.
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include <new>

IMPLEMENT_DYNCREATE(CExtPaintManager, CObject)

CExtPaintManager::CExtPaintManager()
    : m_mapTranslatedColors(10), m_nDisabledTextStateFlags(DSS_DISABLED),
      m_bUseTahomaMenuFont(g_PaintManagerHolder.m_bIsWin2000OrLater)
{
    m_mapTranslatedColors.InitHashTable(17, FALSE);
    for (int i = 0; i < kDirectIds; i++)
        m_arrDirectIndex[i] = i < 1000 ? i : -1;

    // Halftone palette: red outermost (7 levels), green and blue innermost (6 levels each).
    const int nEntries = 252;
    BYTE buffer[sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * nEntries];
    LOGPALETTE* pLog = reinterpret_cast<LOGPALETTE*>(buffer);
    pLog->palVersion = 0x300;
    pLog->palNumEntries = nEntries;
    int n = 0;
    for (int r = 0; r < 7; r++)
        for (int g = 0; g < 6; g++)
            for (int b = 0; b < 6; b++)
            {
                PALETTEENTRY& e = pLog->palPalEntry[n++];
                e.peRed = (BYTE)(r * 255 / 6);
                e.peGreen = (BYTE)(g * 255 / 5);
                e.peBlue = (BYTE)(b * 255 / 5);
                e.peFlags = 0;
            }
    m_palette.CreatePalette(pLog);
}

CExtPaintManager::~CExtPaintManager()
{
    m_arrColors.RemoveAll();
    m_arrBrushes.RemoveAll();
    ReleaseCachedDCs();
    m_mapTranslatedColors.RemoveAll();
    // Fonts, brushes and the palette delete their GDI objects as members.
}

void CExtPaintManager::ClearTranslatedColors()
{
    m_mapTranslatedColors.RemoveAll();
    m_mapTranslatedColors.InitHashTable(17, TRUE);
    for (int i = 1000; i < kDirectIds; i++)
        m_arrDirectIndex[i] = -1;
}

// ---- lookups ------------------------------------------------------------------------------------

int CExtPaintManager::GetTranslatedColorIndex(int nColor) const
{
    if (nColor < 1000)
        return nColor;
    if (const int* p = FindKnownId(nColor))
        return *p;
    int nIndex = -1;
    if (!m_mapTranslatedColors.Lookup(nColor, nIndex))
        return -1;
    return nIndex;
}

COLORREF CExtPaintManager::GetTranslatedColor(int nColor, CObject* pHelperSrc, LPARAM lParam)
{
    (void)pHelperSrc;
    (void)lParam;
    // Painters call this for every colour they use: one table read for the common ids.
    int nIndex = nColor;
    if ((unsigned)nColor < (unsigned)kDirectIds)
        nIndex = m_arrDirectIndex[nColor];
    else if (nColor >= kDirectIds && !m_mapTranslatedColors.Lookup(nColor, nIndex))
        nIndex = -1;
    const INT_PTR nSize = m_arrColors.GetSize();
    const COLORREF* pColors = m_arrColors.GetData();
    if ((UINT_PTR)(unsigned)nIndex < (UINT_PTR)nSize) // a negative index compares as a large one
        return pColors[nIndex];
    // Before the tables are filled there is no entry 15 to fall back to: ask the system.
    if (nSize <= COLOR_3DFACE)
        return ::GetSysColor(COLOR_3DFACE);
    return pColors[COLOR_3DFACE];
}

HBRUSH CExtPaintManager::GetBrush(int nColor)
{
    const INT_PTR nSize = m_arrBrushes.GetSize();
    if (nSize <= COLOR_3DFACE)
        return ::GetSysColorBrush(COLOR_3DFACE);
    if (nColor < 0 || nColor >= nSize)
        return m_arrBrushes[COLOR_3DFACE];
    return m_arrBrushes[nColor];
}

int CExtPaintManager::InstallColor(COLORREF clr, int nIndex)
{
    if (nIndex >= 0 && nIndex < m_arrColors.GetSize())
    {
        m_arrColors[nIndex] = clr;
        return nIndex;
    }
    return (int)m_arrColors.Add(clr);
}

// ---- fonts ----------------------------------------------------------------------------------------

namespace
{

void ReplaceFont(CFont& font, const LOGFONTW& lf)
{
    font.DeleteObject();
    font.CreateFontIndirect(&lf);
}

void SmallFrom(CFont& fontSmall, CFont& fontSource, int nLimit)
{
    LOGFONTW lf = {};
    fontSource.GetLogFont(&lf);
    if (lf.lfHeight < nLimit)
        lf.lfHeight = nLimit;
    ReplaceFont(fontSmall, lf);
}

} // namespace

void CExtPaintManager::InitFonts()
{
    g_PaintManagerHolder.LoadThemeApi();

    // The menu font of the non-client metrics, kept by the holder until a system event.
    LOGFONTW lfMenu = {};
    if (!g_PaintManagerHolder.GetMenuLogFont(lfMenu))
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lfMenu), &lfMenu);
    lfMenu.lfCharSet = (BYTE)g_PaintManagerHolder.GetScreenCharset();
    if (m_bUseTahomaMenuFont && g_PaintManagerHolder.IsTahomaInstalled())
        ::lstrcpynW(lfMenu.lfFaceName, L"Tahoma", LF_FACESIZE);

    m_fontNormal.DeleteObject();
    HFONT hFont = ::CreateFontIndirectW(&lfMenu);
    if (hFont == nullptr)
    {
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lfMenu), &lfMenu);
        hFont = ::CreateFontIndirectW(&lfMenu);
    }
    if (hFont == nullptr)
    {
        ::GetObjectW(::GetStockObject(SYSTEM_FONT), sizeof(lfMenu), &lfMenu);
        hFont = ::CreateFontIndirectW(&lfMenu);
    }
    m_fontNormal.Attach(hFont);

    LOGFONTW lf = {};
    m_fontNormal.GetLogFont(&lf);
    LOGFONTW lfBold = lf;
    lfBold.lfWeight = 900;
    ReplaceFont(m_fontBold, lfBold);

    LOGFONTW lfMarlett = lf;
    lfMarlett.lfHeight = g_PaintManagerHolder.GetMenuCheckHeight() - 1;
    lfMarlett.lfWeight = 0;
    lfMarlett.lfCharSet = SYMBOL_CHARSET;
    ::lstrcpynW(lfMarlett.lfFaceName, L"Marlett", LF_FACESIZE);
    ReplaceFont(m_fontMarlett, lfMarlett);

    const bool bArial = g_PaintManagerHolder.m_bIsWin9x || g_PaintManagerHolder.m_bIsWinNT4;
    struct Rotated
    {
        CFont* pFont;
        const LOGFONTW* pSource;
        LONG nEscapement;
    } rotated[] = {{&m_fontNormalRot270, &lf, 2700},
                   {&m_fontNormalRot90, &lf, 900},
                   {&m_fontBoldRot270, &lfBold, 2700},
                   {&m_fontBoldRot90, &lfBold, 900}};
    for (const Rotated& r : rotated)
    {
        LOGFONTW lfRot = *r.pSource;
        lfRot.lfEscapement = r.nEscapement;
        if (bArial)
            ::lstrcpynW(lfRot.lfFaceName, L"Arial", LF_FACESIZE);
        ReplaceFont(*r.pFont, lfRot);
    }

    SmallFrom(m_fontSmall, m_fontNormal, kSmallFontHeight);
    SmallFrom(m_fontSmallRot270, m_fontNormalRot270, kSmallFontHeight);
    SmallFrom(m_fontSmallRot90, m_fontNormalRot90, kSmallFontHeight);
    SmallFrom(m_fontSmallBold, m_fontBold, kSmallFontHeight);
    SmallFrom(m_fontSmallBoldRot270, m_fontBoldRot270, kSmallFontHeight);
    SmallFrom(m_fontSmallBoldRot90, m_fontBoldRot90, kSmallFontHeight);

    // The system colours and brushes; entries from 50 on keep their values.
    while (m_arrColors.GetSize() < kSysColorCount)
        m_arrColors.Add(::GetSysColor(COLOR_3DFACE));
    while (m_arrBrushes.GetSize() < kSysColorCount)
        m_arrBrushes.Add(::GetSysColorBrush(COLOR_3DFACE));
    for (int i = 0; i < kSysColorCount; i++)
    {
        m_arrColors[i] = ::GetSysColor(i);
        m_arrBrushes[i] = ::GetSysColorBrush(i);
    }
}

// ---- colours ----------------------------------------------------------------------------------------

CExtPaintManager::ColorInputs CExtPaintManager::GetColorInputs()
{
    ColorInputs in;
    for (int i = 0; i < kSysColorCount; i++)
        in.m_clrSys[i] = ::GetSysColor(i);
    in.m_nBitsPerPixel = GetDisplayBitsPerPixel();
    in.m_bUseSystemThemeColors = UseSystemThemeColors();
    in.m_nScheme = GetSystemThemeScheme();
    return in;
}

void CExtPaintManager::BuildBaseColorTable(const ColorInputs& in)
{
    // Cut back to the system entries: re-initialisations must not grow the table.
    m_arrColors.SetSize(kSysColorCount);
    for (int i = 0; i < kSysColorCount; i++)
        m_arrColors[i] = in.m_clrSys[i];
    ClearTranslatedColors();

    static const int kFace[] = {XCLR_FACE_NORMAL, XCLR_FACE_ACTIVE, XCLR_FACE_DISABLED};
    static const int kLight[] = {XCLR_LIGHT_NORMAL, XCLR_LIGHT_ACTIVE, XCLR_LIGHT_DISABLED};
    static const int kHilight[] = {XCLR_HILIGHT_NORMAL, XCLR_HILIGHT_ACTIVE, XCLR_HILIGHT_DISABLED};
    static const int kShadow[] = {XCLR_SHADOW_NORMAL, XCLR_SHADOW_ACTIVE, XCLR_SHADOW_DISABLED};
    static const int kDkShadow[] = {XCLR_DKSHADOW_NORMAL, XCLR_DKSHADOW_ACTIVE, XCLR_DKSHADOW_DISABLED};
    for (int i = 0; i < 3; i++)
    {
        BindColor(kFace[i], COLOR_3DFACE);
        BindColor(kLight[i], COLOR_3DLIGHT);
        BindColor(kHilight[i], COLOR_3DHILIGHT);
        BindColor(kShadow[i], COLOR_3DSHADOW);
        BindColor(kDkShadow[i], COLOR_3DDKSHADOW);
    }
    BindColor(XCLR_TEXT_NORMAL, COLOR_WINDOWTEXT);
    BindColor(XCLR_TEXT_ACTIVE, COLOR_WINDOWTEXT);
    BindColor(XCLR_TEXT_DISABLED, COLOR_3DSHADOW);
}

void CExtPaintManager::InitColors() { BuildBaseColorTable(GetColorInputs()); }

// ---- brushes ---------------------------------------------------------------------------------------

COLORREF CExtPaintManager::MixTowards(COLORREF a, COLORREF b, int p, int q)
{
    auto mix = [p, q](int ca, int cb) -> int {
        int d = cb - ca;
        int v = ca + (q == 2 ? d / 2 : ::MulDiv(d, p, q));
        return v & 0xFF;
    };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

namespace
{

void MakeDitherBrush(CBrush& brush, COLORREF c0, COLORREF c1, int nOff, COLORREF clrExtra)
{
    brush.DeleteObject();
    HBITMAP hBmp = CExtPaintManager::CreateDitherBitmap(c0, c1, 1, 1, nOff, nOff, clrExtra);
    if (hBmp != nullptr)
    {
        brush.Attach(::CreatePatternBrush(hBmp));
        ::DeleteObject(hBmp);
    }
}

void MakeSolidBrush(CBrush& brush, COLORREF clr)
{
    brush.DeleteObject();
    brush.CreateSolidBrush(clr);
}

} // namespace

void CExtPaintManager::InitBrushes()
{
    const COLORREF face = GetTranslatedColor(COLOR_3DFACE, this, 0);
    const COLORREF hilight = GetTranslatedColor(COLOR_3DHILIGHT, this, 0);
    const COLORREF shadow = GetTranslatedColor(COLOR_3DSHADOW, this, 0);
    const COLORREF dkshadow = GetTranslatedColor(COLOR_3DDKSHADOW, this, 0);
    const COLORREF sysFace = ::GetSysColor(COLOR_3DFACE);
    const COLORREF sysHilight = ::GetSysColor(COLOR_3DHILIGHT);
    const COLORREF sysShadow = ::GetSysColor(COLOR_3DSHADOW);
    const COLORREF sysDkShadow = ::GetSysColor(COLOR_3DDKSHADOW);

    if (GetDisplayBitsPerPixel() > 8)
    {
        MakeSolidBrush(m_brushLight50, MixTowards(face, hilight, 1, 2));
        MakeSolidBrush(m_brushLight50Sys, MixTowards(sysFace, sysHilight, 1, 2));
        MakeSolidBrush(m_brushDark50, MixTowards(shadow, face, 1, 2));
        MakeSolidBrush(m_brushDark50Sys, MixTowards(sysShadow, sysFace, 1, 2));
        MakeSolidBrush(m_brushLight60, MixTowards(face, hilight, 3, 5));
        MakeSolidBrush(m_brushLight60Sys, MixTowards(sysFace, sysHilight, 3, 5));
        MakeSolidBrush(m_brushDark40, MixTowards(shadow, face, 2, 5));
        MakeSolidBrush(m_brushDark40Sys, MixTowards(sysShadow, sysFace, 2, 5));
        MakeSolidBrush(m_brushLight80, MixTowards(face, hilight, 4, 5));
        MakeSolidBrush(m_brushLight80Sys, MixTowards(sysFace, sysHilight, 4, 5));
        MakeSolidBrush(m_brushDark20, MixTowards(shadow, face, 1, 5));
        MakeSolidBrush(m_brushDark20Sys, MixTowards(sysShadow, sysFace, 1, 5));
        return;
    }
    const COLORREF none = (COLORREF)-1;
    MakeDitherBrush(m_brushLight50, face, hilight, 0, none);
    MakeDitherBrush(m_brushLight50Sys, sysFace, sysHilight, 0, none);
    MakeDitherBrush(m_brushDark50, shadow, face, 0, none);
    MakeDitherBrush(m_brushDark50Sys, sysShadow, sysFace, 0, none);
    MakeDitherBrush(m_brushLight60, face, hilight, 1, hilight);
    MakeDitherBrush(m_brushLight60Sys, sysFace, sysHilight, 1, sysHilight);
    MakeDitherBrush(m_brushDark40, shadow, face, 1, none);
    MakeDitherBrush(m_brushDark40Sys, sysShadow, sysFace, 1, none);
    MakeDitherBrush(m_brushLight80, face, hilight, 2, hilight);
    MakeDitherBrush(m_brushLight80Sys, sysFace, sysHilight, 2, sysHilight);
    MakeDitherBrush(m_brushDark20, dkshadow, shadow, 0, none);
    MakeDitherBrush(m_brushDark20Sys, sysDkShadow, sysShadow, 0, none);
}

// ---- paint sessions and system events -------------------------------------------------------------

void CExtPaintManager::ReleaseCachedDCs()
{
    for (CachedDC& cached : m_cachedDC)
    {
        if (cached.m_pDC == nullptr)
            continue;
        if (cached.m_pSaved != nullptr)
            cached.m_pDC->SelectObject(cached.m_pSaved);
        else if (cached.m_hSaved != nullptr)
            cached.m_pDC->SelectObject(cached.m_hSaved);
        delete cached.m_pDC;
        cached.m_pDC = nullptr;
        cached.m_pSaved = nullptr;
        cached.m_hSaved = nullptr;
    }
}

void CExtPaintManager::EndPaintSession(CObject* pHelperSrc, LPARAM lParam)
{
    (void)pHelperSrc;
    (void)lParam;
    ReleaseCachedDCs();
}

LRESULT CExtPaintManager::Reinitialize()
{
    EndPaintSession(this, 0);
    InitFonts();
    InitColors();
    InitBrushes();
    return 0;
}

LRESULT CExtPaintManager::OnSysColorChange() { return Reinitialize(); }

LRESULT CExtPaintManager::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    (void)uFlags;
    (void)lpszSection;
    return Reinitialize();
}

LRESULT CExtPaintManager::OnDisplayChange(int nBitsPerPixel, int nWidth, int nHeight)
{
    (void)nBitsPerPixel;
    (void)nWidth;
    (void)nHeight;
    return Reinitialize();
}

LRESULT CExtPaintManager::OnThemeChanged(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    (void)lParam;
    return Reinitialize();
}
