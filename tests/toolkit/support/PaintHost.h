// The shared painting host of the toolkit tests: styles installed in turn, a theme paint manager
// that answers like the application's, colour inputs of known systems, the depth override and a
// PNG writer for the developer gallery.
#pragma once
#include "support/DibCanvas.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtPaintManagerStudio2005.h"
#include <string>
#include <vector>

namespace painthost
{

// Reports a display depth for its lifetime (0 restores the real one).
class ScopedBitsPerPixel
{
public:
    explicit ScopedBitsPerPixel(int nBitsPerPixel) : m_nOld(CExtPaintManager::GetBitsPerPixelOverride())
    {
        CExtPaintManager::SetBitsPerPixelOverride(nBitsPerPixel);
    }
    ~ScopedBitsPerPixel() { CExtPaintManager::SetBitsPerPixelOverride(m_nOld); }

private:
    int m_nOld;
};

// Answers as the application's theme does: system theme colours always in use, a fixed scheme,
// and its own two base colours.
class CTestThemeColor : public CExtPaintManagerOffice2003
{
    DECLARE_DYNCREATE(CTestThemeColor)
public:
    CTestThemeColor();

    bool UseSystemThemeColors() override { return true; }
    int GetSystemThemeScheme() override { return m_nScheme; }
    bool ApplyColorScheme(COLORREF* pclrA, COLORREF* pclrB) override;

    // The default blue theme: A = AdjustHls(RGB(151, 190, 244), 0, -0.07, -0.1), B = RGB(255, 200, 91).
    static COLORREF BlueThemeA();
    static COLORREF BlueThemeB() { return RGB(255, 200, 91); }

    COLORREF m_clrA;
    COLORREF m_clrB;
    int m_nScheme = 0;
};

// System colours of a classic Windows desktop, and of the running system.
void ClassicSysColors(COLORREF clr[50]);
void CurrentSysColors(COLORREF clr[50]);

// Colour inputs for a table build.
CExtPaintManager::ColorInputs MakeInputs(bool bClassic, int nBitsPerPixel, bool bUseSystemThemeColors = false,
                                         int nScheme = 0, COLORREF clrA = 0, COLORREF clrB = 0);

// The four styles, by kind 1..4, as runtime classes.
CRuntimeClass* StyleClass(int nKind);

// Restores the installed paint manager's style when the test ends.
class ScopedStyle
{
public:
    ScopedStyle() : m_pClass(g_PaintManagerHolder->GetRuntimeClass()) {}
    ~ScopedStyle() { g_PaintManagerHolder.InstallPaintManagerByClass(m_pClass); }

private:
    CRuntimeClass* m_pClass;
};

// Channel-wise closeness of two colours.
bool Near(COLORREF a, COLORREF b, int nTolerance = 1);
std::string ColorText(COLORREF clr);

// Writes 0x00RRGGBB pixels (top row first) as an RGB PNG file; false on failure.
bool WritePng(const std::wstring& path, int nWidth, int nHeight, const DWORD* pPixels);
// build/gallery/<name>.png of the canvas (folder made on demand); false on failure.
bool SaveToGallery(const DibCanvas& canvas, const wchar_t* pszName);

} // namespace painthost
