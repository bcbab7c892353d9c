// CExtPaintManagerStudio2005: construction and the Studio 2005 style's small answers.
#include "toolkit/foundation/ExtPaintManagerStudio2005.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

IMPLEMENT_DYNCREATE(CExtPaintManagerStudio2005, CExtPaintManagerOffice2003)

CExtPaintManagerStudio2005::CExtPaintManagerStudio2005() {}

CExtPaintManagerStudio2005::~CExtPaintManagerStudio2005() {}

int CExtPaintManagerStudio2005::GetThemeKind() { return 4; }

void CExtPaintManagerStudio2005::GetOneNoteTabItemColors(bool bSelected, bool bHighlighted, COLORREF& clrFill,
                                                         COLORREF& clrBorder, COLORREF& clrGradient1,
                                                         COLORREF& clrGradient2, COLORREF& clrText)
{
    CExtPaintManager::GetOneNoteTabItemColors(bSelected, bHighlighted, clrFill, clrBorder, clrGradient1, clrGradient2,
                                              clrText);
}

bool CExtPaintManagerStudio2005::UseSystemThemeColors()
{
    const int nScheme = GetSystemThemeScheme();
    return g_PaintManagerHolder.m_bUxThemeApiAvailable && g_PaintManagerHolder.m_bTaskbandColorsValid &&
           g_PaintManagerHolder.m_bUseSystemThemeColors && (nScheme == 1 || nScheme == 3);
}

bool CExtPaintManagerStudio2005::ApplyColorScheme(COLORREF* pclrA, COLORREF* pclrB)
{
    if (UseSystemThemeColors() && GetSystemThemeScheme() == 1)
    {
        if (pclrA != nullptr)
            *pclrA = RGB(225, 225, 210);
        if (pclrB != nullptr)
            *pclrB = RGB(49, 106, 197);
        return true;
    }
    return CExtPaintManagerOffice2003::ApplyColorScheme(pclrA, pclrB);
}
