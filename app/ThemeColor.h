// CThemeColor: the application's paint manager: the Office 2003 style tinted with the colour
// theme of the "ThemeColor" setting.
#pragma once
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"

class CThemeColor : public CExtPaintManagerOffice2003
{
    DECLARE_DYNCREATE(CThemeColor)
public:
    CThemeColor();
    ~CThemeColor() override;

    // The theme's colours count on every desktop (also without a visual style), in the first scheme.
    bool UseSystemThemeColors() override { return true; }
    int GetSystemThemeScheme() override { return 0; }
    // Reads "ThemeColor" and answers the adjusted theme colour and the fixed second colour.
    bool ApplyColorScheme(COLORREF* pclrA, COLORREF* pclrB) override;

    // The theme's base colour adjusted as the style uses it.
    static COLORREF AdjustThemeColor(COLORREF clrBase);
    // The base colour of a "ThemeColor" value; false for an unknown value.
    static bool GetThemeBaseColor(int nTheme, COLORREF& clrBase);

    COLORREF m_clrTheme;
    const COLORREF m_clrSecond;
};
