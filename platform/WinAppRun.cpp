// CWinApp: start-up (AfxWinMain), the application's message loop and idle time, the recent-file
// list, command-line parsing and resource loading.
#include "platform/WinApp.h"
#include "platform/MessageBox.h"
#include "platform/RecentFileList.h"
#include "platform/Wnd.h"
#include <commctrl.h>
#include <shellapi.h>

BOOL CWinApp::InitApplication() { return TRUE; }

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::Run()
{
    // Without a main window nothing could ever end the loop.
    if (m_pMainWnd == nullptr)
        ::PostQuitMessage(0);
    return CWinThread::Run();
}

int CWinApp::ExitInstance()
{
    SaveStdProfileSettings();
    return (int)m_msgCur.wParam;
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    CWinThread::OnIdle(lCount);
    return lCount < 1;
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    if (nMaxMRU == 0)
        return;
    if (nMaxMRU > 16)
        nMaxMRU = 16;
    delete m_pRecentFileList;
    m_pRecentFileList = new CRecentFileList(0, L"Recent File List", L"File%d", (int)nMaxMRU);
    m_pRecentFileList->ReadList();
}

void CWinApp::SaveStdProfileSettings()
{
    if (m_pRecentFileList != nullptr)
        m_pRecentFileList->WriteList();
}

void CWinApp::AddToRecentFileList(LPCTSTR lpszPathName)
{
    if (m_pRecentFileList != nullptr)
        m_pRecentFileList->Add(lpszPathName);
}

// ---- command line --------------------------------------------------------------------------------

CCommandLineInfo::CCommandLineInfo()
    : m_nShellCommand(FileNew), m_bShowSplash(TRUE), m_bRunEmbedded(FALSE), m_bRunAutomated(FALSE)
{}

void CCommandLineInfo::ParseParam(LPCTSTR pszParam, BOOL bFlag, BOOL bLast)
{
    if (bFlag)
    {
        if (::lstrcmpiW(pszParam, L"pt") == 0)
            m_nShellCommand = FilePrintTo;
        else if (::lstrcmpiW(pszParam, L"p") == 0)
            m_nShellCommand = FilePrint;
        else if (::lstrcmpiW(pszParam, L"dde") == 0)
            m_nShellCommand = FileDDE;
        else if (::lstrcmpiW(pszParam, L"Embedding") == 0)
            m_bRunEmbedded = TRUE;
        else if (::lstrcmpiW(pszParam, L"Automation") == 0)
            m_bRunAutomated = TRUE;
        else if (::lstrcmpiW(pszParam, L"Unregister") == 0 || ::lstrcmpiW(pszParam, L"Unregserver") == 0)
            m_nShellCommand = AppUnregister;
        else if (::lstrcmpiW(pszParam, L"Register") == 0 || ::lstrcmpiW(pszParam, L"Regserver") == 0)
            m_nShellCommand = AppRegister;
    }
    else
    {
        if (m_strFileName.IsEmpty())
            m_strFileName = pszParam;
        else if (m_nShellCommand == FilePrintTo && m_strPrinterName.IsEmpty())
            m_strPrinterName = pszParam;
        else if (m_nShellCommand == FilePrintTo && m_strDriverName.IsEmpty())
            m_strDriverName = pszParam;
        else if (m_nShellCommand == FilePrintTo && m_strPortName.IsEmpty())
            m_strPortName = pszParam;
    }
    if (bLast)
    {
        if (m_nShellCommand == FileNew && !m_strFileName.IsEmpty())
            m_nShellCommand = FileOpen;
        m_bShowSplash = !m_bRunEmbedded && !m_bRunAutomated;
    }
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    int argc = 0;
    LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (argv == nullptr)
        return;
    for (int i = 1; i < argc; i++)
    {
        LPCWSTR pszParam = argv[i];
        BOOL bFlag = FALSE;
        BOOL bLast = (i == argc - 1);
        if (pszParam[0] == L'-' || pszParam[0] == L'/')
        {
            bFlag = TRUE;
            ++pszParam;
        }
        rCmdInfo.ParseParam(pszParam, bFlag, bLast);
    }
    ::LocalFree(argv);
}

// ---- resources -----------------------------------------------------------------------------------

HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const
{
    return ::LoadIconW(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), lpszResourceName);
}
HICON CWinApp::LoadIcon(UINT nIDResource) const { return LoadIcon(MAKEINTRESOURCEW(nIDResource)); }
HICON CWinApp::LoadStandardIcon(LPCTSTR lpszIconName) const { return ::LoadIconW(nullptr, lpszIconName); }
HICON CWinApp::LoadOEMIcon(UINT nIDIcon) const { return ::LoadIconW(nullptr, MAKEINTRESOURCEW(nIDIcon)); }
HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const
{
    return ::LoadCursorW(AfxFindResourceHandle(lpszResourceName, RT_GROUP_CURSOR), lpszResourceName);
}
HCURSOR CWinApp::LoadCursor(UINT nIDResource) const { return LoadCursor(MAKEINTRESOURCEW(nIDResource)); }
HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const { return ::LoadCursorW(nullptr, lpszCursorName); }
HCURSOR CWinApp::LoadOEMCursor(UINT nIDCursor) const { return ::LoadCursorW(nullptr, MAKEINTRESOURCEW(nIDCursor)); }

// ---- start-up ------------------------------------------------------------------------------------

static HWND MainWindowForMessageBoxes()
{
    CWnd* pMain = AfxGetMainWnd();
    if (pMain != nullptr && pMain->m_hWnd != nullptr && ::IsWindow(pMain->m_hWnd))
        return CWnd::GetSafeOwner_(nullptr, nullptr);
    return ::GetActiveWindow();
}

BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPTSTR lpCmdLine, int nCmdShow)
{
    AfxSetInstanceHandle(hInstance);
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_DATE_CLASSES |
                                                ICC_USEREX_CLASSES | ICC_COOL_CLASSES | ICC_LINK_CLASS};
    ::InitCommonControlsEx(&icc);
    SetMessageBoxOwnerProvider(&MainWindowForMessageBoxes);
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr)
    {
        pApp->m_hInstance = hInstance;
        pApp->m_lpCmdLine = lpCmdLine;
        pApp->m_nCmdShow = nCmdShow;
        pApp->m_nThreadID = ::GetCurrentThreadId();
        pApp->MakeCurrent();
    }
    AfxInstallMessageFilter();
    return TRUE;
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    int nReturnCode = -1;
    CWinApp* pApp = AfxGetApp();
    if (!AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow))
        return nReturnCode;
    CWinThread* pThread = AfxGetThread();
    if (pThread == nullptr)
        return nReturnCode;
    if (pApp != nullptr && !pApp->InitApplication())
        return nReturnCode;
    if (!pThread->InitInstance())
    {
        if (pThread->m_pMainWnd != nullptr && pThread->m_pMainWnd->m_hWnd != nullptr)
            pThread->m_pMainWnd->DestroyWindow();
        return pThread->ExitInstance();
    }
    nReturnCode = pThread->Run();
    AfxDeleteTempMaps();
    return nReturnCode;
}
