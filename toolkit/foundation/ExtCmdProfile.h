// CExtCmdProfile: a named set of commands (items by id, their icons) with usage statistics, filled
// from menus, tool-bar resources and tool-bar windows, and kept as an archive in the registry.
#pragma once
#include "platform/Collections.h"
#include "platform/String.h"

class CArchive;
class CExtCmdItem;
class CExtCmdIcon;
class CToolBar;

class CExtCmdProfile
{
public:
    typedef CMap<UINT, UINT, CExtCmdItem*, CExtCmdItem*> CmdItemMap_t;
    typedef CArray<CExtCmdIcon*, CExtCmdIcon*> CmdIconArray_t;

    enum : UINT
    {
        RESOURCE_TYPE_TOOLBAR = 241,
        TEXT_BUFFER_LENGTH = 1024,
        FIRST_ALLOCATED_ID = 65534, // AllocateCommand (0) counts down from here
    };

    explicit CExtCmdProfile(LPCTSTR lpszName = nullptr);
    CExtCmdProfile(const CExtCmdProfile&) = delete;
    CExtCmdProfile& operator=(const CExtCmdProfile&) = delete;

    virtual ~CExtCmdProfile();
    // Registers a copy of the template, or updates the registered item (replace: the template's
    // non-empty texts win; else only empty texts and a missing icon are filled).
    virtual bool SetupCommand(const CExtCmdItem& cmdTemplate, bool bReplace = false, bool* pbNew = nullptr);
    virtual bool RemoveCommand(UINT nCmdID, bool* pbRemoved = nullptr);
    virtual void RemoveAllCommands();
    // Removes the items holding any bit of dwMask (every bit with bAll).
    virtual void RemoveCommandsByFlags(DWORD dwMask, bool bAll);
    // Registers a fresh item under nCmdID, or under the highest free id counting down from 65534
    // when nCmdID is 0.
    virtual CExtCmdItem* AllocateCommand(UINT nCmdID = 0);
    virtual CExtCmdItem* LookupCommand(UINT nCmdID);
    // Take over: the profile owns pIcon afterwards (giving it its own icon changes nothing).
    virtual bool SetCommandIcon(UINT nCmdID, CExtCmdIcon* pIcon, bool bTakeOver);
    virtual CExtCmdIcon* GetCommandIcon(UINT nCmdID);
    virtual bool IsCommandRegistered(UINT nCmdID) const;
    virtual bool UpdateFromMenuResource(UINT nResourceID, bool bReplace = false, bool bLoadTexts = true);
    virtual bool UpdateFromMenu(HMENU hMenu, bool bReplace = false, bool bRecursive = true, bool bLoadTexts = true);
    // Tool-bar resource (type 241) and bitmap of one id; *ppIDs receives all button ids, separators
    // (0) included, in a new[] array that the caller deletes. Unless bReplace, a command that holds an
    // icon keeps it.
    virtual bool UpdateFromToolBarResource(UINT nResourceID, UINT** ppIDs = nullptr, INT* pnIDCount = nullptr,
                                           bool bReplace = false, bool bLoadTexts = true,
                                           COLORREF clrTransparent = RGB(192, 192, 192));
    virtual bool UpdateFromToolBarWindow(CToolBar* pToolBar, bool bReplace = false, bool bLoadTexts = true);
    // lpIDs ends with 0; answers true only when every id was set.
    virtual bool SetAlwaysShownCommands(const UINT* lpIDs, bool bOn = true);
    // The usage archive; loading is all or nothing.
    virtual bool SerializeProfile(CArchive& ar);
    virtual bool SerializeState(LPCTSTR lpszCompanyKey, LPCTSTR lpszProductKey, bool bSave);
    virtual void OnSysColorChange();
    virtual void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    virtual void OnDisplayChange(INT nDepthBPP, INT nResolutionX, INT nResolutionY);
    virtual void OnThemeChanged(WPARAM wParam, LPARAM lParam);
    virtual void ResetUsageCounters();
    virtual void AssignFrom(const CExtCmdProfile& other);
    // The profile's factory of items: a new copy of pItem.
    virtual CExtCmdItem* CloneItem(const CExtCmdItem* pItem);

    // Stores a copy of an icon made from the handle (copied or taken over); null removes the icon. A handle taken
    // over with its size given (pSize: one loaded at that size) keeps that size without reading its icon information.
    bool SetCommandIcon(UINT nCmdID, HICON hIcon, bool bCopyHandle, const SIZE* pSize = nullptr);

    CString m_sName;
    UINT m_nRarelyUsedThreshold = 10; // percent
    UINT m_nTotalTickCount = 0;       // sum of the items' usage counts
    CmdItemMap_t m_cmds;              // owned items by id
    CmdIconArray_t m_icons;           // owned icons; an item's m_nIconIdx points here
    DWORD m_dwFurther = 0;

protected:
    // Deletes the icon at nIndex and lowers every icon index above it.
    void RemoveIconAt(int nIndex);
};
