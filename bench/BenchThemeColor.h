// The paint manager the painting benchmarks measure: Office 2003 answering as the application's theme
// does (system colours on, scheme 0, its own base colours).
#pragma once
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"

namespace bench
{

class CBenchThemeColor : public CExtPaintManagerOffice2003
{
public:
    bool UseSystemThemeColors() override { return true; }
    int GetSystemThemeScheme() override { return 0; }
    bool ApplyColorScheme(COLORREF* pclrA, COLORREF* pclrB) override
    {
        if (pclrA != nullptr)
            *pclrA = AdjustHls(RGB(151, 190, 244), 0.0, -0.07, -0.1);
        if (pclrB != nullptr)
            *pclrB = RGB(255, 200, 91);
        return true;
    }
};

} // namespace bench
