// CExtPaintManagerHolder and g_PaintManagerHolder: owns the installed paint manager, knows the
// operating-system version and the visual style, and forwards system events from one bar per frame.
#pragma once
#include "platform/Object.h"
#include "platform/String.h"
#include <uxtheme.h>
#include <wingdi.h>

class CExtPaintManager;
class CWnd;

// The 48 visual-style entry points, in the order in which they are loaded.
// clang-format off
#define CORVANE_UXTHEME_ENTRY_POINTS(X)      \
    X(OpenThemeData)                         \
    X(CloseThemeData)                        \
    X(DrawThemeBackground)                   \
    X(DrawThemeText)                         \
    X(GetThemeBackgroundContentRect)         \
    X(GetThemeBackgroundExtent)              \
    X(GetThemePartSize)                      \
    X(GetThemeTextExtent)                    \
    X(GetThemeTextMetrics)                   \
    X(GetThemeBackgroundRegion)              \
    X(HitTestThemeBackground)                \
    X(DrawThemeEdge)                         \
    X(DrawThemeIcon)                         \
    X(IsThemePartDefined)                    \
    X(IsThemeBackgroundPartiallyTransparent) \
    X(GetThemeColor)                         \
    X(GetThemeMetric)                        \
    X(GetThemeString)                        \
    X(GetThemeBool)                          \
    X(GetThemeInt)                           \
    X(GetThemeEnumValue)                     \
    X(GetThemePosition)                      \
    X(GetThemeFont)                          \
    X(GetThemeRect)                          \
    X(GetThemeMargins)                       \
    X(GetThemeIntList)                       \
    X(GetThemePropertyOrigin)                \
    X(SetWindowTheme)                        \
    X(GetThemeFilename)                      \
    X(GetThemeSysColor)                      \
    X(GetThemeSysColorBrush)                 \
    X(GetThemeSysBool)                       \
    X(GetThemeSysSize)                       \
    X(GetThemeSysFont)                       \
    X(GetThemeSysString)                     \
    X(GetThemeSysInt)                        \
    X(IsThemeActive)                         \
    X(IsAppThemed)                           \
    X(GetWindowTheme)                        \
    X(EnableThemeDialogTexture)              \
    X(IsThemeDialogTextureEnabled)           \
    X(GetThemeAppProperties)                 \
    X(SetThemeAppProperties)                 \
    X(GetCurrentThemeName)                   \
    X(GetThemeDocumentationProperty)         \
    X(DrawThemeParentBackground)             \
    X(EnableTheming)                         \
    X(DrawThemeBackgroundEx)
// clang-format on

class CExtPaintManagerHolder
{
public:
    CExtPaintManagerHolder();
    ~CExtPaintManagerHolder();

    // ---- the installed paint manager ------------------------------------------------------------
    CExtPaintManager* GetPM() const { return m_pPaintManager; }
    CExtPaintManager* operator->() const { return m_pPaintManager; }
    operator CExtPaintManager*() const { return m_pPaintManager; }
    // Installs the given manager (the holder owns it from now on), or a new XP manager for null.
    // A rejected object (not a paint manager) is deleted, the old one stays and the answer is false.
    bool InstallPaintManager(CExtPaintManager* pPaintManager);
    // Creates an object of the class and installs it; a null class ensures a manager.
    bool InstallPaintManagerByClass(CRuntimeClass* pClass);
    bool EnsurePaintManager();

    // (Re)loads the theme entry points, the scheme and the task-bar colours; returns at once while
    // the theme API and the task-bar colours are both known. The visual style is probed once (each
    // probe costs round trips to the display server); later reloads take the kept answers until
    // DropKeptSystemAnswers.
    void LoadThemeApi();
    // Whether the "Tahoma" family is installed; asked once and kept until DropKeptSystemAnswers.
    bool IsTahomaInstalled();
    // What the fonts are made from, kept the same way: the menu font of the non-client metrics
    // (false when the system gives none), the text character set (GetTextCharset without a DC)
    // and SM_CYMENUCHECK.
    bool GetMenuLogFont(LOGFONTW& lf);
    int GetScreenCharset();
    int GetMenuCheckHeight();
    // Forgets every kept answer that a system change can alter: the visual-style probe, the
    // font answers, the display depth and the monitors. The system events below call it.
    void DropKeptSystemAnswers();
    UINT GetWheelScrollLines();

    // Whether the window of a bar is the one of its frame that forwards system events.
    static bool IsFrameEventTarget(CWnd* pWnd);
    // Called by bars after the default handling of the system events; the frame's event target
    // passes them to the paint manager, the others do nothing and answer 0.
    LRESULT OnSysColorChange(CWnd* pWnd);
    LRESULT OnSettingChange(CWnd* pWnd, UINT uFlags, LPCTSTR lpszSection);
    LRESULT OnDisplayChange(CWnd* pWnd, int nBitsPerPixel, int nWidth, int nHeight);
    LRESULT OnThemeChanged(CWnd* pWnd, WPARAM wParam, LPARAM lParam);

    // ---- pure rules (what the constructor and the loaders apply) ---------------------------------
    // Version flag bytes (table order) and the printable description of a system.
    static void DescribeVersion(DWORD dwPlatformId, DWORD dwMajor, DWORD dwMinor, DWORD dwBuild, LPCWSTR pszCsd,
                                BYTE& nFlagsA, BYTE& nFlagsB, CString& strDescription);
    // The colour scheme of a visual style: 1 "normalcolor", 2 "homestead", 3 "metallic" of
    // "luna.msstyles", 0 otherwise.
    static int LunaSchemeFromTheme(LPCWSTR pszThemeFile, LPCWSTR pszColorName);
    // The wheel scroll lines from what the system answered: 3 on 9x of version 4 or above, at
    // least 2 otherwise (the unsigned page-at-a-time value passes unchanged).
    static UINT ResolveWheelScrollLines(DWORD dwMajor, bool bIsWin9x, UINT nSystemValue);

    // Version flags as bytes in table order (A: Win32s 0x01 ... Win2000 0x80; B: XP 0x01, NT4 or
    // later 0x02, 2000 or later 0x04, XP or later 0x08) and the theme byte (0x01 API available,
    // 0x02 app themed, 0x04 task-bar colours valid, 0x08 use system theme colours).
    BYTE GetVersionFlagsA() const;
    BYTE GetVersionFlagsB() const;
    BYTE GetThemeFlags() const;
    void SetVersionFlags(BYTE nFlagsA, BYTE nFlagsB);

    // ---- state -----------------------------------------------------------------------------------
    CExtPaintManager* m_pPaintManager; // owned
    bool m_bWheelLinesCached : 1;
    UINT m_nWheelScrollLines;
    CString m_strOsVer;
    OSVERSIONINFOW m_osVerInfo;
    bool m_bIsWin32s : 1;
    bool m_bIsWin9x : 1;
    bool m_bIsWin95 : 1;
    bool m_bIsWin98 : 1;
    bool m_bIsWin98OrLater : 1;
    bool m_bIsWinNT : 1;
    bool m_bIsWinNT4 : 1;
    bool m_bIsWin2000 : 1;
    bool m_bIsWinXP : 1;
    bool m_bIsWinNT4OrLater : 1;
    bool m_bIsWin2000OrLater : 1;
    bool m_bIsWinXPOrLater : 1;
#define CORVANE_UXTHEME_POINTER(name) decltype(&::name) m_pfn##name;
    CORVANE_UXTHEME_ENTRY_POINTS(CORVANE_UXTHEME_POINTER)
#undef CORVANE_UXTHEME_POINTER
    HMODULE m_hUxTheme;
    bool m_bUxThemeApiAvailable : 1;
    bool m_bAppThemed : 1;
    bool m_bTaskbandColorsValid : 1;
    bool m_bUseSystemThemeColors : 1;
    COLORREF m_clrTaskband[7];
    int m_eLunaScheme;
    HMODULE m_hMsImg32;
    decltype(&::GradientFill) m_pfnGradientFill;
    decltype(&::AlphaBlend) m_pfnAlphaBlend;
    decltype(&::TransparentBlt) m_pfnTransparentBlt;

    // Task-bar colour property ids read from the "taskband" class, part 2, state 0.
    static const int kTaskbandPropIds[7];

private:
    // One probe of the visual style; answers how many task-bar colours it read.
    int ProbeTheme();

    HMODULE m_hUxThemeResolved = nullptr; // the module whose entry points are loaded
    int m_nUxThemeEntryPoints = 0;        // how many of the 48 it has
    // The answers of the last theme probe, valid while m_bThemeProbeKept.
    bool m_bThemeProbeKept = false;
    bool m_bKeptUxThemeApiAvailable = false;
    bool m_bKeptAppThemed = false;
    int m_nKeptLunaScheme = 0;
    int m_nKeptTaskbandRead = 0; // task-bar colours read, 7 = all
    COLORREF m_clrKeptTaskband[7] = {};
    int m_nTahomaInstalled = -1; // -1 not asked yet, else 0 or 1
    // The font answers, valid while m_bFontFactsKept.
    bool m_bFontFactsKept = false;
    bool m_bHaveMenuLogFont = false;
    LOGFONTW m_lfMenu = {};
    int m_nScreenCharset = 0;
    int m_nMenuCheckHeight = 0;
    void KeepFontFacts();
    CExtPaintManagerHolder(const CExtPaintManagerHolder&) = delete;
    CExtPaintManagerHolder& operator=(const CExtPaintManagerHolder&) = delete;
};

extern CExtPaintManagerHolder g_PaintManagerHolder;
