// CThemeColor: the theme table and the colour-scheme answer.
#include "app/ThemeColor.h"
#include "platform/Platform.h"

IMPLEMENT_DYNCREATE(CThemeColor, CExtPaintManagerOffice2003)

namespace
{
const COLORREF kDefaultCustom = RGB(189, 243, 255);
} // namespace

CThemeColor::CThemeColor() : m_clrTheme(AdjustThemeColor(RGB(151, 190, 244))), m_clrSecond(RGB(255, 200, 91)) {}

CThemeColor::~CThemeColor() {}

COLORREF CThemeColor::AdjustThemeColor(COLORREF clrBase) { return AdjustHls(clrBase, 0.0, -0.07, -0.1); }

bool CThemeColor::GetThemeBaseColor(int nTheme, COLORREF& clrBase)
{
    switch (nTheme)
    {
    case 0: clrBase = RGB(151, 190, 244); return true;
    case 1: clrBase = RGB(234, 141, 188); return true;
    case 2: clrBase = RGB(225, 225, 210); return true;
    case 3: clrBase = RGB(140, 192, 143); return true;
    case 4:
    {
        CWinApp* pApp = AfxGetApp();
        clrBase = pApp ? (COLORREF)pApp->GetProfileInt(L"Theme", L"bgColor", (int)kDefaultCustom) : kDefaultCustom;
        return true;
    }
    default: return false;
    }
}

bool CThemeColor::ApplyColorScheme(COLORREF* pclrA, COLORREF* pclrB)
{
    CWinApp* pApp = AfxGetApp();
    const int nTheme = pApp ? (int)pApp->GetProfileInt(L"Settings", L"ThemeColor", 0) : 0;
    COLORREF clrBase = 0;
    if (GetThemeBaseColor(nTheme, clrBase))
        m_clrTheme = AdjustThemeColor(clrBase);
    if (pclrA != nullptr)
        *pclrA = m_clrTheme;
    if (pclrB != nullptr)
        *pclrB = m_clrSecond;
    return true;
}
