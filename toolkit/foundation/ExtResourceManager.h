// CExtResourceManager: the toolkit's loads of strings, menus, accelerators, bitmaps and raw
// resources in a preferred language with a U.S. English fallback; CExtResourceBuffer, the bytes of
// one loaded resource; CExtResourceManagerHolder and g_ResourceManagerHolder, the process's manager.
#pragma once
#include "platform/String.h"
#include <windows.h>

class CMenu;

// A block of bytes from the C heap, owned by the buffer.
class CExtResourceBuffer
{
public:
    CExtResourceBuffer() {}
    ~CExtResourceBuffer() { Empty(); }
    CExtResourceBuffer(const CExtResourceBuffer&) = delete;
    CExtResourceBuffer& operator=(const CExtResourceBuffer&) = delete;

    void Empty();
    // Size 0 answers false; otherwise the old block goes first.
    bool Alloc(DWORD dwSize, bool bZeroFill = true);
    // A resource of 0 bytes leaves the buffer empty and answers true.
    bool LoadFromResource(HINSTANCE hModule, HRSRC hResInfo);
    bool FindAndLoad(HINSTANCE hModule, LPCTSTR lpszType, LPCTSTR lpszName, WORD nLangID);

    BYTE* GetBuffer() const { return m_pBuffer; }
    DWORD GetSize() const { return m_dwSize; }
    bool IsEmpty() const { return m_pBuffer == nullptr; }

private:
    BYTE* m_pBuffer = nullptr;
    DWORD m_dwSize = 0;
};

class CExtResourceManager
{
public:
    static const WORD kDefaultLanguage = 0x0409;
    enum : BYTE
    {
        __ERM_LANG_LOOKUP = 0x01, // language lookup enabled
    };

    CExtResourceManager(bool bEnableLanguageLookup = false, WORD nPreferredLanguage = kDefaultLanguage);
    virtual ~CExtResourceManager();

    virtual bool IsLanguageLookupEnabled() const;
    virtual BYTE EnableLanguageLookup(bool bEnable); // answers the previous flags
    virtual WORD GetPreferredLanguage() const;
    virtual WORD SetPreferredLanguage(WORD nLangID);
    virtual WORD GetDefaultLanguage() const;
    // As GetLocaleInfoW: the preferred, then the default language (lookup on), then the system,
    // the user and the neutral locale.
    virtual int GetLocaleInfo(LCTYPE lcType, LPWSTR lpLCData, int cchData);

    // The out-parameters may be null: the language used, the resource's info and its module.
    virtual HINSTANCE FindResourceWithLanguage(LPCTSTR lpszType, LPCTSTR lpszName, WORD nLangID,
                                               WORD* pLangOut = nullptr, HRSRC* pResInfoOut = nullptr);
    virtual HINSTANCE FindResourceWithFallback(LPCTSTR lpszType, LPCTSTR lpszName, WORD nLangID1, WORD nLangID2,
                                               WORD* pLangOut = nullptr, HRSRC* pResInfoOut = nullptr);
    virtual HINSTANCE FindResourcePreferred(LPCTSTR lpszType, LPCTSTR lpszName, WORD* pLangOut = nullptr,
                                            HRSRC* pResInfoOut = nullptr);

    virtual bool LoadResourceToBuffer(CExtResourceBuffer& buffer, LPCTSTR lpszType, LPCTSTR lpszName, WORD nLangID,
                                      WORD* pLangOut = nullptr, HINSTANCE* pModuleOut = nullptr);
    virtual bool LoadResourceToBuffer(CExtResourceBuffer& buffer, LPCTSTR lpszType, LPCTSTR lpszName, WORD nLangID1,
                                      WORD nLangID2, WORD* pLangOut = nullptr, HINSTANCE* pModuleOut = nullptr);
    virtual bool LoadResourceToBuffer(CExtResourceBuffer& buffer, LPCTSTR lpszType, LPCTSTR lpszName,
                                      WORD* pLangOut = nullptr, HINSTANCE* pModuleOut = nullptr);

    virtual bool LoadStringFromTable(CString& str, UINT nID, WORD nLangID1, WORD nLangID2, WORD* pLangOut = nullptr,
                                     HINSTANCE* pModuleOut = nullptr);
    virtual bool LoadStringRes(CString& str, UINT nID, WORD* pLangOut = nullptr, HINSTANCE* pModuleOut = nullptr);

    virtual bool LoadMenu(CMenu& menu, LPCTSTR lpszName, WORD nLangID1, WORD nLangID2, WORD* pLangOut = nullptr,
                          HINSTANCE* pModuleOut = nullptr);
    virtual bool LoadMenu(CMenu& menu, UINT nID, WORD* pLangOut = nullptr, HINSTANCE* pModuleOut = nullptr);
    virtual bool LoadMenu(CMenu& menu, LPCTSTR lpszName, WORD* pLangOut = nullptr, HINSTANCE* pModuleOut = nullptr);

    virtual HACCEL LoadAccelerators(LPCTSTR lpszName, WORD nLangID1, WORD nLangID2, WORD* pLangOut = nullptr,
                                    HINSTANCE* pModuleOut = nullptr);
    virtual HACCEL LoadAccelerators(LPCTSTR lpszName, WORD* pLangOut = nullptr, HINSTANCE* pModuleOut = nullptr);
    virtual HACCEL LoadAccelerators(UINT nID, WORD* pLangOut = nullptr, HINSTANCE* pModuleOut = nullptr);

    virtual HBITMAP LoadBitmap(LPCTSTR lpszName, WORD nLangID1, WORD nLangID2, WORD* pLangOut = nullptr,
                               HINSTANCE* pModuleOut = nullptr);
    virtual HBITMAP LoadBitmap(LPCTSTR lpszName, WORD* pLangOut = nullptr, HINSTANCE* pModuleOut = nullptr);
    virtual HBITMAP LoadBitmap(UINT nID, WORD* pLangOut = nullptr, HINSTANCE* pModuleOut = nullptr);

    // Entry nIndex (0..15) of a string-table block: false when the block ends before the entry
    // does. A present entry of length 0 answers true with an empty string.
    static bool ReadStringTableEntry(const BYTE* pBlock, DWORD dwBlockSize, UINT nIndex, CString& str);

protected:
    BYTE m_nFlags;
    WORD m_nPreferredLanguage;
};

// Owns the process's resource manager, made on first use.
class CExtResourceManagerHolder
{
public:
    CExtResourceManagerHolder() {}
    ~CExtResourceManagerHolder();
    CExtResourceManagerHolder(const CExtResourceManagerHolder&) = delete;
    CExtResourceManagerHolder& operator=(const CExtResourceManagerHolder&) = delete;

    CExtResourceManager* Get();
    CExtResourceManager* operator->() { return Get(); }
    // Replaces the manager (null: a new default one); the old one is deleted. Installing the
    // installed manager changes nothing.
    void Install(CExtResourceManager* pManager);

private:
    CExtResourceManager* m_pManager = nullptr; // owned
};

extern CExtResourceManagerHolder g_ResourceManagerHolder;
