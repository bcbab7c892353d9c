// CWinApp: construction, names and message boxes.
#include "platform/WinApp.h"
#include "platform/MessageBox.h"
#include "platform/RecentFileList.h"
#include <cstdlib>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace
{
CWinApp* g_pApp = nullptr;
}

CWinApp* AfxGetApp() { return g_pApp; }

BOOL AfxHelpEnabled()
{
    return g_pApp != nullptr && g_pApp->m_pszHelpFilePath != nullptr && g_pApp->m_pszHelpFilePath[0] != L'\0';
}

LPCTSTR AfxGetAppName() { return g_pApp ? g_pApp->m_pszAppName : L""; }

CString PlatformModuleFileName()
{
    CString path;
    for (DWORD size = MAX_PATH;; size *= 2)
    {
        wchar_t* p = path.GetBuffer((int)size);
        DWORD n = GetModuleFileNameW(nullptr, p, size);
        if (n < size || size >= 0x8000)
        {
            path.ReleaseBuffer(n < size ? (int)n : 0);
            return path;
        }
        path.ReleaseBuffer(0);
    }
}

CString PlatformModuleTitle()
{
    CString name = PlatformModuleFileName();
    name = name.Mid(name.ReverseFind(L'\\') + 1);
    int dot = name.ReverseFind(L'.');
    return dot > 0 ? name.Left(dot) : name;
}

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_pRecentFileList(nullptr), m_pDocManager(nullptr), m_bHelpMode(FALSE), m_pszAppName(nullptr),
      m_pszRegistryKey(nullptr), m_pszProfileName(nullptr), m_pszExeName(nullptr), m_pszHelpFilePath(nullptr),
      m_hInstance(GetModuleHandleW(nullptr)), m_lpCmdLine(nullptr), m_nCmdShow(SW_SHOWNORMAL)
{
    g_pApp = this;

    const CString exe = PlatformModuleTitle();
    m_pszExeName = _wcsdup(exe);

    // Without a name: the string resource 0xE000 (the application's title), else the exe name.
    CString title;
    if (lpszAppName)
        m_pszAppName = _wcsdup(lpszAppName);
    else if (title.LoadString(0xE000))
        m_pszAppName = _wcsdup(title);
    else
        m_pszAppName = _wcsdup(m_pszExeName);
    m_pszProfileName = _wcsdup(exe + L".INI");
}

CWinApp::~CWinApp()
{
    delete m_pRecentFileList;
    m_pRecentFileList = nullptr;
    free((void*)m_pszAppName);
    free((void*)m_pszRegistryKey);
    free((void*)m_pszProfileName);
    free((void*)m_pszExeName);
    free((void*)m_pszHelpFilePath);
    if (g_pApp == this)
        g_pApp = nullptr;
}

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt)
{
    (void)nIDPrompt;
    return PlatformAppMessageBox(lpszPrompt, nType, m_pszAppName);
}
