// CExtCmdManager: the process-wide registry of command profiles and the windows bound to them, the
// toolkit's version words and the registry archiver; CExtCmdManagerHolder and g_CmdManagerHolder.
#pragma once
#include "platform/Collections.h"
#include "platform/String.h"
#include "toolkit/foundation/ExtCmdIcon.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdProfile.h"

class CFile;
class CControlBar;

class CExtCmdManager final
{
public:
    typedef CMap<HWND, HWND, CExtCmdProfile*, CExtCmdProfile*> ProfileWndMap_t;

    static constexpr DWORD TOOLKIT_VERSION_LONG = 0x02030000;
    static constexpr DWORD TOOLKIT_VERSION_SHORT = 0x00000203;
    static const wchar_t* const DEFAULT_PROFILE_NAME;    // "default"
    static const wchar_t* const SECTION_COMMAND_MANAGER; // "CommandManager"

    CExtCmdManager();
    ~CExtCmdManager();
    CExtCmdManager(const CExtCmdManager&) = delete;
    CExtCmdManager& operator=(const CExtCmdManager&) = delete;

    // ---- profiles and windows (a null or empty name means "default") ----
    // The manager owns pAdoptProfile in every case: adopted when the name is new, else deleted
    // (unless it is the stored profile itself).
    bool CreateProfile(LPCTSTR lpszName, HWND hWnd = nullptr, CExtCmdProfile* pAdoptProfile = nullptr);
    // A window already bound keeps its profile.
    bool BindWindowToProfile(LPCTSTR lpszName, HWND hWnd);
    bool UnbindWindowFromProfile(HWND hWnd, bool bDeleteUnused = false, bool* pbProfileDeleted = nullptr);
    CExtCmdProfile* FindProfileByName(LPCTSTR lpszName);
    // The profile name of the window or of its nearest bound ancestor, else null.
    LPCTSTR FindProfileNameForWindow(HWND hWnd);

    // ---- commands of a named profile ----
    bool SetupCommand(LPCTSTR lpszName, const CExtCmdItem& cmdTemplate, bool bReplace = false, bool* pbNew = nullptr);
    bool RemoveCommand(LPCTSTR lpszName, UINT nCmdID, bool* pbRemoved = nullptr);
    virtual void RemoveAllCommands(LPCTSTR lpszName);
    bool RemoveCommandsByFlags(LPCTSTR lpszName, DWORD dwMask, bool bAll);
    CExtCmdItem* AllocateCommand(LPCTSTR lpszName, UINT nCmdID = 0);
    CExtCmdItem* LookupCommand(LPCTSTR lpszName, UINT nCmdID);
    // As the profile's (pSize: the size the icon was loaded at, see CExtCmdProfile::SetCommandIcon).
    bool SetCommandIcon(LPCTSTR lpszName, UINT nCmdID, HICON hIcon, bool bCopyHandle, const SIZE* pSize = nullptr);
    CExtCmdIcon* GetCommandIcon(LPCTSTR lpszName, UINT nCmdID);
    bool UpdateFromMenu(LPCTSTR lpszName, HMENU hMenu, bool bReplace = false, bool bRecursive = true,
                        bool bLoadTexts = true);
    bool UpdateFromMenuResource(LPCTSTR lpszName, UINT nResourceID, bool bReplace = false, bool bLoadTexts = true);
    bool UpdateFromToolBarResource(LPCTSTR lpszName, UINT nResourceID, UINT** ppIDs = nullptr, INT* pnIDCount = nullptr,
                                   bool bReplace = false, bool bLoadTexts = true,
                                   COLORREF clrTransparent = RGB(192, 192, 192));

    // ---- registry layout and version ----
    // "Software\<company>\<product>\Nimbal230\Profiles\<profile>\<section>", CR, LF, tab, ? and *
    // replaced by "_".
    static CString& BuildRegistryPath(CString& sPath, LPCTSTR lpszSection, LPCTSTR lpszProfileName,
                                      LPCTSTR lpszCompanyKey, LPCTSTR lpszProductKey);
    static DWORD ToolkitVersion(bool bShort = false);
    static CString& ToolkitVersionText(CString& sText, wchar_t chSeparator = L'.');

    // ---- registry archiver ----
    // Stores the whole file under the key (data_size, block subkeys of 16-byte chunks, integrity
    // text, generator name), replacing what was there.
    static bool RegistryArchiveWrite(CFile& file, LPCTSTR lpszPath, HKEY hKeyRoot = HKEY_CURRENT_USER);
    // Appends the stored bytes to the file and rewinds it when the integrity text matches.
    static bool RegistryArchiveRead(CFile& file, LPCTSTR lpszPath, HKEY hKeyRoot = HKEY_CURRENT_USER);
    // The integrity text of four words (47 characters).
    static CString IntegrityText(const DWORD dwWords[4]);
    // Folds bytes into the integrity words; nIndex is the file offset of the first byte.
    static void FoldIntegrity(DWORD dwWords[4], const BYTE* pBytes, UINT nCount, ULONGLONG nIndex);

    // ---- system events, passed to every profile ----
    virtual void OnSysColorChange();
    virtual void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    virtual void OnDisplayChange(INT nDepthBPP, INT nResolutionX, INT nResolutionY);
    virtual void OnThemeChanged(WPARAM wParam, LPARAM lParam);

protected:
    // Calls fn (profile) under the lock; false/null when the profile is unknown.
    template <class Fn> auto WithProfile(LPCTSTR lpszName, Fn fn) -> decltype(fn((CExtCmdProfile*)nullptr));

    CMapStringToPtr m_profilesByName; // name -> owned CExtCmdProfile
    ProfileWndMap_t m_profilesByWnd;  // bound windows -> profile (not owned)
    CRITICAL_SECTION m_cs;
};

class CExtCmdManagerHolder
{
public:
    CExtCmdManagerHolder();
    ~CExtCmdManagerHolder();
    CExtCmdManagerHolder(const CExtCmdManagerHolder&) = delete;
    CExtCmdManagerHolder& operator=(const CExtCmdManagerHolder&) = delete;

    CExtCmdManager* operator->() { return m_pCmdManager; }
    CExtCmdManager* GetCmdManager() { return m_pCmdManager; }

    // Pass a system event on to the manager only when pBar answers such events for its frame.
    void OnSysColorChange(CControlBar* pBar);
    void OnSettingChange(CControlBar* pBar, UINT uFlags, LPCTSTR lpszSection);
    void OnDisplayChange(CControlBar* pBar, INT nDepthBPP, INT nResolutionX, INT nResolutionY);
    void OnThemeChanged(CControlBar* pBar, WPARAM wParam, LPARAM lParam);

private:
    CExtCmdManager* m_pCmdManager; // owned
};

extern CExtCmdManagerHolder g_CmdManagerHolder;
