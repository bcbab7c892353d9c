// CExtPaintManagerHolder: version and visual-style facts, installing paint managers, wheel lines,
// the frame's event target and the forwarding of system events.
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "platform/FrameWnd.h"
#include "platform/MiniFrameWnd.h"
#include "platform/Wnd.h"
#include "res/platform_ids.h"
#include "toolkit/foundation/ExtKindOf.h"
#include "toolkit/foundation/ExtPaintManagerXP.h"
#include <new>
#include <vssym32.h>

// Built before the toolkit's other statics: they may reach the paint manager while constructed.
__attribute__((init_priority(200))) CExtPaintManagerHolder g_PaintManagerHolder;

namespace
{

// An exported function of a module as a typed pointer; null when the module lacks it.
template <class F> F ProcAs(HMODULE hModule, const char* pszName)
{
    FARPROC p = ::GetProcAddress(hModule, pszName);
    return reinterpret_cast<F>(p);
}

} // namespace

const int CExtPaintManagerHolder::kTaskbandPropIds[7] = {3804, 3805, 3806, 3807, 3808, 3821, 3823};

CExtPaintManagerHolder::CExtPaintManagerHolder()
    : m_pPaintManager(nullptr), m_bWheelLinesCached(false), m_nWheelScrollLines(0), m_strOsVer(L"Unknown"),
      m_bIsWin32s(false), m_bIsWin9x(false), m_bIsWin95(false), m_bIsWin98(false), m_bIsWin98OrLater(false),
      m_bIsWinNT(false), m_bIsWinNT4(false), m_bIsWin2000(false), m_bIsWinXP(false), m_bIsWinNT4OrLater(false),
      m_bIsWin2000OrLater(false), m_bIsWinXPOrLater(false),
#define CORVANE_UXTHEME_INIT(name) m_pfn##name(nullptr),
      CORVANE_UXTHEME_ENTRY_POINTS(CORVANE_UXTHEME_INIT)
#undef CORVANE_UXTHEME_INIT
          m_hUxTheme(nullptr),
      m_bUxThemeApiAvailable(false), m_bAppThemed(false), m_bTaskbandColorsValid(false),
      m_bUseSystemThemeColors(true), m_clrTaskband{}, m_eLunaScheme(0), m_hMsImg32(nullptr), m_pfnGradientFill(nullptr),
      m_pfnAlphaBlend(nullptr), m_pfnTransparentBlt(nullptr)
{
    ::ZeroMemory(&m_osVerInfo, sizeof(m_osVerInfo));
    m_osVerInfo.dwOSVersionInfoSize = sizeof(OSVERSIONINFOW);
    ::GetVersionExW(&m_osVerInfo);
    BYTE nFlagsA = 0, nFlagsB = 0;
    DescribeVersion(m_osVerInfo.dwPlatformId, m_osVerInfo.dwMajorVersion, m_osVerInfo.dwMinorVersion,
                    m_osVerInfo.dwBuildNumber, m_osVerInfo.szCSDVersion, nFlagsA, nFlagsB, m_strOsVer);
    SetVersionFlags(nFlagsA, nFlagsB);

    LoadThemeApi();

    m_hMsImg32 = ::LoadLibraryW(L"msimg32.dll");
    if (m_hMsImg32 != nullptr)
    {
        m_pfnGradientFill = ProcAs<decltype(m_pfnGradientFill)>(m_hMsImg32, "GradientFill");
        m_pfnAlphaBlend = ProcAs<decltype(m_pfnAlphaBlend)>(m_hMsImg32, "AlphaBlend");
        m_pfnTransparentBlt = ProcAs<decltype(m_pfnTransparentBlt)>(m_hMsImg32, "TransparentBlt");
    }

    EnsurePaintManager();
}

CExtPaintManagerHolder::~CExtPaintManagerHolder()
{
    if (m_hMsImg32 != nullptr)
    {
        m_pfnGradientFill = nullptr;
        m_pfnAlphaBlend = nullptr;
        m_pfnTransparentBlt = nullptr;
        ::FreeLibrary(m_hMsImg32);
        m_hMsImg32 = nullptr;
    }
    delete m_pPaintManager;
    m_pPaintManager = nullptr;
}

// ---- version ------------------------------------------------------------------------------------

void CExtPaintManagerHolder::DescribeVersion(DWORD dwPlatformId, DWORD dwMajor, DWORD dwMinor, DWORD dwBuild,
                                             LPCWSTR pszCsd, BYTE& nFlagsA, BYTE& nFlagsB, CString& strDescription)
{
    nFlagsA = 0;
    nFlagsB = 0;
    CString strName;
    switch (dwPlatformId)
    {
    case VER_PLATFORM_WIN32s:
        nFlagsA |= 0x01;
        strName = L"Win32s";
        break;
    case VER_PLATFORM_WIN32_WINDOWS:
    {
        nFlagsA |= 0x02;
        const bool b98OrLater = dwMajor > 4 || (dwMajor == 4 && dwMinor > 0);
        if (dwMajor == 4 && dwMinor == 0)
            nFlagsA |= 0x04;
        if (b98OrLater)
            nFlagsA |= 0x10;
        strName = L"Windows ";
        if (!b98OrLater)
            strName += L"95";
        else if (dwMajor == 4)
        {
            nFlagsA |= 0x08;
            strName += L"98";
        }
        else
            strName += L"98 or later";
        break;
    }
    case VER_PLATFORM_WIN32_NT:
        nFlagsA |= 0x20;
        if (dwMajor == 4)
            nFlagsA |= 0x40;
        if (dwMajor == 5 && dwMinor == 0)
            nFlagsA |= 0x80;
        if (dwMajor == 5 && dwMinor == 1)
            nFlagsB |= 0x01;
        if (dwMajor >= 4)
            nFlagsB |= 0x02;
        if (dwMajor >= 5)
            nFlagsB |= 0x04;
        if (dwMajor > 5 || (dwMajor == 5 && dwMinor != 0))
            nFlagsB |= 0x08;
        if (dwMajor == 5)
            strName = dwMinor == 0 ? L"Windows 2000" : dwMinor == 1 ? L"Windows XP" : L"";
        else
            strName = L"Windows NT";
        break;
    default: break;
    }
    strDescription.Format(L"%s v.%lu.%lu (build %lu) %s", (LPCWSTR)strName, (unsigned long)dwMajor,
                          (unsigned long)dwMinor, (unsigned long)dwBuild, pszCsd != nullptr ? pszCsd : L"");
}

BYTE CExtPaintManagerHolder::GetVersionFlagsA() const
{
    return (BYTE)((m_bIsWin32s ? 0x01 : 0) | (m_bIsWin9x ? 0x02 : 0) | (m_bIsWin95 ? 0x04 : 0) |
                  (m_bIsWin98 ? 0x08 : 0) | (m_bIsWin98OrLater ? 0x10 : 0) | (m_bIsWinNT ? 0x20 : 0) |
                  (m_bIsWinNT4 ? 0x40 : 0) | (m_bIsWin2000 ? 0x80 : 0));
}

BYTE CExtPaintManagerHolder::GetVersionFlagsB() const
{
    return (BYTE)((m_bIsWinXP ? 0x01 : 0) | (m_bIsWinNT4OrLater ? 0x02 : 0) | (m_bIsWin2000OrLater ? 0x04 : 0) |
                  (m_bIsWinXPOrLater ? 0x08 : 0));
}

BYTE CExtPaintManagerHolder::GetThemeFlags() const
{
    return (BYTE)((m_bUxThemeApiAvailable ? 0x01 : 0) | (m_bAppThemed ? 0x02 : 0) |
                  (m_bTaskbandColorsValid ? 0x04 : 0) | (m_bUseSystemThemeColors ? 0x08 : 0));
}

void CExtPaintManagerHolder::SetVersionFlags(BYTE a, BYTE b)
{
    m_bIsWin32s = (a & 0x01) != 0;
    m_bIsWin9x = (a & 0x02) != 0;
    m_bIsWin95 = (a & 0x04) != 0;
    m_bIsWin98 = (a & 0x08) != 0;
    m_bIsWin98OrLater = (a & 0x10) != 0;
    m_bIsWinNT = (a & 0x20) != 0;
    m_bIsWinNT4 = (a & 0x40) != 0;
    m_bIsWin2000 = (a & 0x80) != 0;
    m_bIsWinXP = (b & 0x01) != 0;
    m_bIsWinNT4OrLater = (b & 0x02) != 0;
    m_bIsWin2000OrLater = (b & 0x04) != 0;
    m_bIsWinXPOrLater = (b & 0x08) != 0;
}

// ---- visual style -------------------------------------------------------------------------------

int CExtPaintManagerHolder::LunaSchemeFromTheme(LPCWSTR pszThemeFile, LPCWSTR pszColorName)
{
    if (pszThemeFile == nullptr || pszColorName == nullptr)
        return 0;
    CString strFile(pszThemeFile), strColor(pszColorName);
    strFile.MakeLower();
    if (strFile.Find(L"luna.msstyles") < 0)
        return 0;
    strColor.MakeLower();
    if (strColor == L"normalcolor")
        return 1;
    if (strColor == L"homestead")
        return 2;
    if (strColor == L"metallic")
        return 3;
    return 0;
}

void CExtPaintManagerHolder::LoadThemeApi()
{
    if (m_bUxThemeApiAvailable && m_bTaskbandColorsValid)
        return;
    if (!m_bThemeProbeKept)
    {
        m_nKeptTaskbandRead = ProbeTheme();
        m_bKeptUxThemeApiAvailable = m_bUxThemeApiAvailable;
        m_bKeptAppThemed = m_bAppThemed;
        m_nKeptLunaScheme = m_eLunaScheme;
        for (int i = 0; i < m_nKeptTaskbandRead; i++)
            m_clrKeptTaskband[i] = m_clrTaskband[i];
        m_bThemeProbeKept = true;
        return;
    }
    // What the probe would answer again: the same fields written, the same colours read.
    m_bUxThemeApiAvailable = m_bKeptUxThemeApiAvailable;
    m_bAppThemed = m_bKeptAppThemed;
    m_eLunaScheme = m_nKeptLunaScheme;
    for (int i = 0; i < m_nKeptTaskbandRead; i++)
        m_clrTaskband[i] = m_clrKeptTaskband[i];
    m_bTaskbandColorsValid = m_nKeptTaskbandRead == 7;
}

int CExtPaintManagerHolder::ProbeTheme()
{
    m_bAppThemed = false;
    m_bTaskbandColorsValid = false;
    if (m_hUxTheme == nullptr)
    {
        m_hUxTheme = ::GetModuleHandleW(L"uxtheme.dll");
        if (m_hUxTheme == nullptr)
            m_hUxTheme = ::LoadLibraryW(L"uxtheme.dll");
    }
    // The entry points are looked up once per module handle; a reload keeps them.
    if (m_hUxTheme != m_hUxThemeResolved || m_hUxTheme == nullptr)
    {
        int nFound = 0;
#define CORVANE_UXTHEME_LOAD(name)                                                                                     \
    m_pfn##name = m_hUxTheme != nullptr ? ProcAs<decltype(m_pfn##name)>(m_hUxTheme, #name) : nullptr;                  \
    nFound += m_pfn##name != nullptr ? 1 : 0;
        CORVANE_UXTHEME_ENTRY_POINTS(CORVANE_UXTHEME_LOAD)
#undef CORVANE_UXTHEME_LOAD
        m_hUxThemeResolved = m_hUxTheme;
        m_nUxThemeEntryPoints = nFound;
    }
    const int nFound = m_nUxThemeEntryPoints;
    m_eLunaScheme = 0;
    if (m_hUxTheme == nullptr || nFound == 0 || m_pfnIsAppThemed == nullptr || m_pfnOpenThemeData == nullptr ||
        m_pfnCloseThemeData == nullptr || m_pfnGetThemeColor == nullptr || m_pfnGetCurrentThemeName == nullptr)
        return 0;
    m_bUxThemeApiAvailable = true;
    m_bAppThemed = m_pfnIsAppThemed() != FALSE;

    WCHAR szFile[MAX_PATH] = {}, szColor[MAX_PATH] = {};
    if (SUCCEEDED(m_pfnGetCurrentThemeName(szFile, MAX_PATH, szColor, MAX_PATH, nullptr, 0)))
        m_eLunaScheme = LunaSchemeFromTheme(szFile, szColor);

    HTHEME hTheme = m_pfnOpenThemeData(::GetDesktopWindow(), L"taskband");
    if (hTheme == nullptr)
        return 0;
    int nRead = 0;
    for (; nRead < 7; nRead++)
    {
        COLORREF clr = 0;
        if (m_pfnGetThemeColor(hTheme, 2, 0, kTaskbandPropIds[nRead], &clr) != S_OK)
            break;
        m_clrTaskband[nRead] = clr;
    }
    m_bTaskbandColorsValid = nRead == 7;
    m_pfnCloseThemeData(hTheme);
    return nRead;
}

namespace
{

int CALLBACK FindFamilyProc(const LOGFONTW* plf, const TEXTMETRICW*, DWORD, LPARAM lParam)
{
    if (::lstrcmpiW(plf->lfFaceName, L"Tahoma") == 0)
    {
        *reinterpret_cast<bool*>(lParam) = true;
        return 0;
    }
    return 1;
}

} // namespace

bool CExtPaintManagerHolder::IsTahomaInstalled()
{
    if (m_nTahomaInstalled >= 0)
        return m_nTahomaInstalled != 0;
    // The enumeration needs a DC; without one the answer is not kept.
    HDC hDC = ::GetDC(nullptr);
    if (hDC == nullptr)
        return false;
    bool bFound = false;
    ::EnumFontFamiliesW(hDC, L"Tahoma", (FONTENUMPROCW)FindFamilyProc, (LPARAM)&bFound);
    ::ReleaseDC(nullptr, hDC);
    m_nTahomaInstalled = bFound ? 1 : 0;
    return bFound;
}

void CExtPaintManagerHolder::KeepFontFacts()
{
    if (m_bFontFactsKept)
        return;
    // The structure size of the older headers.
    NONCLIENTMETRICSW ncm;
    ::ZeroMemory(&ncm, sizeof(ncm));
    ncm.cbSize = 500;
    m_bHaveMenuLogFont = ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, 500, &ncm, 0) != FALSE;
    m_lfMenu = m_bHaveMenuLogFont ? ncm.lfMenuFont : LOGFONTW{};
    m_nScreenCharset = ::GetTextCharset(nullptr);
    m_nMenuCheckHeight = ::GetSystemMetrics(SM_CYMENUCHECK);
    m_bFontFactsKept = true;
}

bool CExtPaintManagerHolder::GetMenuLogFont(LOGFONTW& lf)
{
    KeepFontFacts();
    if (m_bHaveMenuLogFont)
        lf = m_lfMenu;
    return m_bHaveMenuLogFont;
}

int CExtPaintManagerHolder::GetScreenCharset()
{
    KeepFontFacts();
    return m_nScreenCharset;
}

int CExtPaintManagerHolder::GetMenuCheckHeight()
{
    KeepFontFacts();
    return m_nMenuCheckHeight;
}

void CExtPaintManagerHolder::DropKeptSystemAnswers()
{
    m_bThemeProbeKept = false;
    m_nTahomaInstalled = -1;
    m_bFontFactsKept = false;
    CExtPaintManager::DropKeptDisplayBitsPerPixel();
    CExtPaintManager::DropKeptMonitors();
}

// ---- installing -----------------------------------------------------------------------------------

bool CExtPaintManagerHolder::InstallPaintManager(CExtPaintManager* pPaintManager)
{
    if (pPaintManager != nullptr && pPaintManager == m_pPaintManager)
        return true;
    if (pPaintManager == nullptr)
    {
        pPaintManager = new (std::nothrow) CExtPaintManagerXP;
        if (pPaintManager == nullptr)
            return false;
    }
    // Checked before anything changes: a foreign object is rejected and the old manager stays.
    if (!reinterpret_cast<CObject*>(pPaintManager)->IsKindOf(RUNTIME_CLASS(CExtPaintManager)))
    {
        delete reinterpret_cast<CObject*>(pPaintManager);
        return false;
    }
    pPaintManager->InitFonts();
    pPaintManager->InitColors();
    pPaintManager->InitBrushes();
    CExtPaintManager* pOld = m_pPaintManager;
    m_pPaintManager = pPaintManager;
    delete pOld;
    return true;
}

bool CExtPaintManagerHolder::InstallPaintManagerByClass(CRuntimeClass* pClass)
{
    if (pClass == nullptr)
        return EnsurePaintManager();
    CObject* pObject = pClass->CreateObject();
    if (pObject == nullptr)
        return false;
    if (!pObject->IsKindOf(RUNTIME_CLASS(CExtPaintManager)))
    {
        delete pObject;
        return false;
    }
    return InstallPaintManager(static_cast<CExtPaintManager*>(pObject));
}

bool CExtPaintManagerHolder::EnsurePaintManager()
{
    if (m_pPaintManager != nullptr)
        return true;
    return InstallPaintManager(nullptr);
}

// ---- wheel ----------------------------------------------------------------------------------------

UINT CExtPaintManagerHolder::ResolveWheelScrollLines(DWORD dwMajor, bool bIsWin9x, UINT nSystemValue)
{
    UINT n = (dwMajor >= 4 && bIsWin9x) ? 3 : nSystemValue;
    if (n < 2)
        n = 2;
    return n;
}

UINT CExtPaintManagerHolder::GetWheelScrollLines()
{
    if (m_bWheelLinesCached)
        return m_nWheelScrollLines;
    m_bWheelLinesCached = true;
    m_nWheelScrollLines = 3;
    UINT nValue = 3;
    if (m_osVerInfo.dwMajorVersion >= 4)
    {
        if (!m_bIsWin9x)
            ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &nValue, 0);
    }
    else
    {
        HKEY hKey = nullptr;
        if (::RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, KEY_QUERY_VALUE, &hKey) == ERROR_SUCCESS)
        {
            WCHAR szValue[128] = {};
            DWORD cb = sizeof(szValue) - sizeof(WCHAR);
            DWORD dwType = 0;
            if (::RegQueryValueExW(hKey, L"WheelScrollLines", nullptr, &dwType, (LPBYTE)szValue, &cb) == ERROR_SUCCESS)
                nValue = (UINT)::wcstoul(szValue, nullptr, 10);
            ::RegCloseKey(hKey);
        }
    }
    m_nWheelScrollLines = ResolveWheelScrollLines(m_osVerInfo.dwMajorVersion, m_bIsWin9x, nValue);
    return m_nWheelScrollLines;
}

// ---- system events --------------------------------------------------------------------------------

bool CExtPaintManagerHolder::IsFrameEventTarget(CWnd* pWnd)
{
    if (pWnd == nullptr)
        return true;
    if (CExtKindOf::IsStatusBar(pWnd))
        return true;
    CFrameWnd* pFrame =
        pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)) ? static_cast<CFrameWnd*>(pWnd) : pWnd->GetParentFrame();
    if (pFrame == nullptr)
        return true;
    if (CExtKindOf::IsMiniDockFrame(pFrame))
        pFrame = pFrame->GetParentFrame();
    if (pFrame == nullptr || pFrame->IsKindOf(RUNTIME_CLASS(CMiniFrameWnd)))
        return true;

    CWnd* pStatus = pFrame->GetControlBar(AFX_IDW_STATUS_BAR);
    if (CExtKindOf::IsStatusBar(pStatus))
        return pStatus == pWnd;

    static const UINT kDockBarIds[] = {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT,
                                       AFX_IDW_DOCKBAR_RIGHT};
    for (UINT nId : kDockBarIds)
    {
        CWnd* pBar = pFrame->GetControlBar(nId);
        if (CExtKindOf::IsDockOuterBar(pBar))
            return pBar == pWnd;
    }

    for (HWND hChild = ::GetWindow(pFrame->GetSafeHwnd(), GW_CHILD); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        CWnd* pChild = CWnd::FromHandlePermanent(hChild);
        if (CExtKindOf::IsMdiTabWindow(pChild))
            return pChild == pWnd;
    }
    return true;
}

LRESULT CExtPaintManagerHolder::OnSysColorChange(CWnd* pWnd)
{
    if (!IsFrameEventTarget(pWnd))
        return 0;
    DropKeptSystemAnswers();
    if (m_pPaintManager == nullptr)
        return 0;
    return m_pPaintManager->OnSysColorChange();
}

LRESULT CExtPaintManagerHolder::OnSettingChange(CWnd* pWnd, UINT uFlags, LPCTSTR lpszSection)
{
    if (!IsFrameEventTarget(pWnd))
        return 0;
    m_bWheelLinesCached = false;
    DropKeptSystemAnswers();
    if (m_pPaintManager == nullptr)
        return 0;
    return m_pPaintManager->OnSettingChange(uFlags, lpszSection);
}

LRESULT CExtPaintManagerHolder::OnDisplayChange(CWnd* pWnd, int nBitsPerPixel, int nWidth, int nHeight)
{
    if (!IsFrameEventTarget(pWnd))
        return 0;
    m_bWheelLinesCached = false;
    DropKeptSystemAnswers();
    if (m_pPaintManager == nullptr)
        return 0;
    return m_pPaintManager->OnDisplayChange(nBitsPerPixel, nWidth, nHeight);
}

LRESULT CExtPaintManagerHolder::OnThemeChanged(CWnd* pWnd, WPARAM wParam, LPARAM lParam)
{
    if (!IsFrameEventTarget(pWnd))
        return 0;
    m_bWheelLinesCached = false;
    DropKeptSystemAnswers();
    if (m_pPaintManager == nullptr)
        return 0;
    return m_pPaintManager->OnThemeChanged(wParam, lParam);
}
