// CWinApp: the one application object, its names and its registry (or .ini) profile.
#pragma once
#include "platform/String.h"
#include "platform/WinThread.h"

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
    HKEY GetAppRegistryKey();                  // caller closes
    HKEY GetSectionKey(LPCTSTR lpszSection);   // caller closes
    virtual UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    virtual CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = nullptr);
    virtual BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    virtual BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    // *ppData is allocated with new[]; the caller deletes it with delete[].
    virtual BOOL GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    virtual BOOL WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes);
    // Deletes a key with all its subkeys.
    LONG DelRegTree(HKEY hParentKey, const CString& strKeyName);

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
LPCTSTR AfxGetAppName();
