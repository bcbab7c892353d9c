// CWinApp: the one application object, its names and its registry (or .ini) profile.
#pragma once
#include "platform/String.h"
#include "platform/WinThread.h"

class CRecentFileList;
class CDocManager;
class CDocTemplate;
class CDocument;
class CCommandLineInfo;

class CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    // Registers itself as the application returned by AfxGetApp().
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    // Message boxes of the application (AfxMessageBox comes here).
    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);

    // Profile: HKEY_CURRENT_USER\Software\<registry key>\<profile name>\<section> once a registry
    // key is set (DWORD numbers, REG_SZ texts, REG_BINARY data); the .ini file m_pszProfileName
    // otherwise.
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    HKEY GetAppRegistryKey();                // caller closes
    HKEY GetSectionKey(LPCTSTR lpszSection); // caller closes
    virtual UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    virtual CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = nullptr);
    virtual BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    virtual BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    // *ppData is allocated with new[]; the caller deletes it with delete[].
    virtual BOOL GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    virtual BOOL WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes);
    // Deletes a key with all its subkeys.
    LONG DelRegTree(HKEY hParentKey, const CString& strKeyName);

    // ---- start-up and the message loop -----------------------------------------------------
    virtual BOOL InitApplication();
    BOOL InitInstance() override;
    int Run() override;
    int ExitInstance() override; // saves the recent-file list
    BOOL OnIdle(LONG lCount) override;

    // Recent-file list of nMaxMRU entries in the profile section "Recent File List".
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    void SaveStdProfileSettings();
    virtual void AddToRecentFileList(LPCTSTR lpszPathName);

    // Splits the command line into a CCommandLineInfo (flags "/p", "/pt", "/dde", "/Automation",
    // "/Embedding", "/Unregister"; the first other argument is the file name).
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);

    // Document management: defined by the document/view layer.
    void AddDocTemplate(CDocTemplate* pTemplate);
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);
    CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
    void OnFileNew();
    void OnFileOpen();

    // Resources.
    HICON LoadIcon(LPCTSTR lpszResourceName) const;
    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const;
    HICON LoadOEMIcon(UINT nIDIcon) const;
    HCURSOR LoadCursor(LPCTSTR lpszResourceName) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;
    HCURSOR LoadOEMCursor(UINT nIDCursor) const;

    // Kept for source compatibility: the controls of this system are always three-dimensional.
    BOOL Enable3dControls() { return TRUE; }
    BOOL Enable3dControlsStatic() { return TRUE; }

    CRecentFileList* m_pRecentFileList;
    CDocManager* m_pDocManager;
    BOOL m_bHelpMode;

    LPCTSTR m_pszAppName;
    LPCTSTR m_pszRegistryKey;
    LPCTSTR m_pszProfileName;
    LPCTSTR m_pszExeName;
    LPCTSTR m_pszHelpFilePath;
    HINSTANCE m_hInstance;
    LPTSTR m_lpCmdLine;
    int m_nCmdShow;
};

CWinApp* AfxGetApp();
// Whether the application offers help: it has a help file.
BOOL AfxHelpEnabled();

// One parsed command line.
class CCommandLineInfo : public CObject
{
public:
    enum
    {
        FileNew,
        FileOpen,
        FilePrint,
        FilePrintTo,
        FileDDE,
        AppRegister,
        AppUnregister,
        FileNothing = -1
    } m_nShellCommand;
    BOOL m_bShowSplash;
    BOOL m_bRunEmbedded;
    BOOL m_bRunAutomated;
    CString m_strFileName;
    CString m_strPrinterName;
    CString m_strDriverName;
    CString m_strPortName;

    CCommandLineInfo();
    // One argument (without its leading '/' or '-' when bFlag is set).
    virtual void ParseParam(LPCTSTR pszParam, BOOL bFlag, BOOL bLast);
};

// Sets the instance handles and the command line of the application; run by AfxWinMain.
BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
// The program's start: AfxWinInit, InitApplication, InitInstance, then Run (or ExitInstance when
// InitInstance fails). Returns the exit code.
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
// The ActiveX control container needs no set-up here.
inline void AfxEnableControlContainer() {}

// The library brings a wWinMain that calls AfxWinMain (GUI programs need no entry point of their
// own); this macro defines the same entry point in the application's sources instead.
#define IMPLEMENT_APP_ENTRY()                                                                                          \
    int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow)                  \
    {                                                                                                                  \
        return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);                                              \
    }
LPCTSTR AfxGetAppName();
// The program's file: its full path, and its name without folder and extension.
CString PlatformModuleFileName();
CString PlatformModuleTitle();
