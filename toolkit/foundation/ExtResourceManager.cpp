// CExtResourceBuffer, CExtResourceManager and its holder.
#include "toolkit/foundation/ExtResourceManager.h"
#include "platform/Core.h"
#include "platform/Menu.h"
#include "platform/ResourceWalk.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include <cstdlib>
#include <cstring>
#include <vector>

CExtResourceManagerHolder g_ResourceManagerHolder;

namespace
{
// Integer ids keep their low 16 bits; names that are strings pass unchanged.
LPCTSTR ResourceNameArg(LPCTSTR lpszName)
{
    return IS_INTRESOURCE(lpszName) ? MAKEINTRESOURCEW(LOWORD((UINT_PTR)lpszName)) : lpszName;
}

template <class T> void SetOut(T* p, T value)
{
    if (p != nullptr)
        *p = value;
}

// What load(module) answers for the resource module, which pModuleOut receives too; null without one.
template <class Fn> auto LoadFromResourceHandle(HINSTANCE* pModuleOut, Fn load) -> decltype(load(HINSTANCE()))
{
    HINSTANCE hModule = AfxGetResourceHandle();
    SetOut(pModuleOut, hModule);
    return hModule != nullptr ? load(hModule) : nullptr;
}

// Deepest nesting of popups a menu template may have: the system builds it by recursion.
const size_t kMaxMenuDepth = 64;

// True when a menu template (the plain form, version 0, or the extended one, version 1) ends
// within cb bytes and nests no deeper than the system can follow: what LoadMenuIndirectW reads.
bool IsMenuTemplateWithin(const BYTE* p, DWORD cb)
{
    CResourceWalk walk(p, cb);
    WORD nVersion = 0, nOffset = 0;
    if (p == nullptr || !walk.Word(nVersion) || !walk.Word(nOffset) || nVersion > 1 || !walk.Skip(nOffset))
        return false;
    // For each open popup level: whether the popup item that opened it was the last of its own level.
    std::vector<bool> popupWasLast;
    for (bool bDone = false; !bDone;)
    {
        bool bPopup, bLast;
        if (nVersion == 0)
        {
            WORD nFlags, nID;
            if (!walk.Word(nFlags))
                return false;
            bPopup = (nFlags & MF_POPUP) != 0;
            bLast = (nFlags & MF_END) != 0;
            if ((!bPopup && !walk.Word(nID)) || !walk.Text())
                return false;
        }
        else
        {
            // Type, state, id and the item's flags; the text on a WORD; what follows on a DWORD.
            WORD nResInfo;
            if (!walk.Skip(3 * sizeof(DWORD)) || !walk.Word(nResInfo))
                return false;
            walk.Align(2);
            if (!walk.Text())
                return false;
            walk.Align(4);
            bPopup = (nResInfo & 0x01) != 0;
            bLast = (nResInfo & MF_END) != 0;
            if (bPopup && !walk.Skip(sizeof(DWORD))) // help id
                return false;
        }
        if (bPopup)
        {
            if (popupWasLast.size() >= kMaxMenuDepth)
                return false;
            popupWasLast.push_back(bLast);
            continue;
        }
        // The last item of a level closes it, and the levels whose popup was the last of theirs.
        while (bLast && !bDone)
        {
            if (popupWasLast.empty())
                bDone = true;
            else
            {
                bLast = popupWasLast.back();
                popupWasLast.pop_back();
            }
        }
    }
    return true;
}

// The menu built from a template of cb bytes; null when the template does not lie within them.
HMENU LoadCheckedMenu(const BYTE* p, DWORD cb)
{
    return IsMenuTemplateWithin(p, cb) ? ::LoadMenuIndirectW(p) : nullptr;
}
} // namespace

// ------------------------------------------------------------------------------- CExtResourceBuffer

void CExtResourceBuffer::Empty()
{
    if (m_pBuffer != nullptr)
        ::free(m_pBuffer);
    m_pBuffer = nullptr;
    m_dwSize = 0;
}

bool CExtResourceBuffer::Alloc(DWORD dwSize, bool bZeroFill)
{
    if (dwSize == 0)
        return false;
    Empty();
    m_pBuffer = (BYTE*)::malloc(dwSize);
    if (m_pBuffer == nullptr)
        return false;
    m_dwSize = dwSize;
    if (bZeroFill)
        memset(m_pBuffer, 0, dwSize);
    return true;
}

bool CExtResourceBuffer::LoadFromResource(HINSTANCE hModule, HRSRC hResInfo)
{
    HGLOBAL hGlobal = ::LoadResource(hModule, hResInfo);
    if (hGlobal == nullptr)
        return false;
    const void* pData = ::LockResource(hGlobal);
    if (pData == nullptr)
        return false;
    DWORD dwSize = ::SizeofResource(hModule, hResInfo);
    if (dwSize == 0)
    {
        Empty();
        return true;
    }
    if (!Alloc(dwSize, true))
        return false;
    memcpy(m_pBuffer, pData, dwSize);
    return true;
}

bool CExtResourceBuffer::FindAndLoad(HINSTANCE hModule, LPCTSTR lpszType, LPCTSTR lpszName, WORD nLangID)
{
    Empty();
    HRSRC hResInfo = ::FindResourceExW(hModule, lpszType, ResourceNameArg(lpszName), nLangID);
    if (hResInfo == nullptr)
        return false;
    return LoadFromResource(hModule, hResInfo);
}

// ------------------------------------------------------------------------------ CExtResourceManager

CExtResourceManager::CExtResourceManager(bool bEnableLanguageLookup, WORD nPreferredLanguage)
    : m_nFlags(bEnableLanguageLookup ? __ERM_LANG_LOOKUP : 0), m_nPreferredLanguage(nPreferredLanguage)
{}

CExtResourceManager::~CExtResourceManager() {}

bool CExtResourceManager::IsLanguageLookupEnabled() const { return (m_nFlags & __ERM_LANG_LOOKUP) != 0; }

BYTE CExtResourceManager::EnableLanguageLookup(bool bEnable)
{
    BYTE nOld = m_nFlags;
    if (bEnable)
        m_nFlags |= __ERM_LANG_LOOKUP;
    else
        m_nFlags &= (BYTE)~__ERM_LANG_LOOKUP;
    return nOld;
}

WORD CExtResourceManager::GetPreferredLanguage() const { return m_nPreferredLanguage; }

WORD CExtResourceManager::SetPreferredLanguage(WORD nLangID)
{
    m_nPreferredLanguage = nLangID;
    return m_nPreferredLanguage;
}

WORD CExtResourceManager::GetDefaultLanguage() const { return kDefaultLanguage; }

int CExtResourceManager::GetLocaleInfo(LCTYPE lcType, LPWSTR lpLCData, int cchData)
{
    if (IsLanguageLookupEnabled())
    {
        int n = ::GetLocaleInfoW(MAKELCID(GetPreferredLanguage(), SORT_DEFAULT), lcType, lpLCData, cchData);
        if (n != 0)
            return n;
        n = ::GetLocaleInfoW(MAKELCID(GetDefaultLanguage(), SORT_DEFAULT), lcType, lpLCData, cchData);
        if (n != 0)
            return n;
    }
    int n = ::GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, lcType, lpLCData, cchData);
    if (n != 0)
        return n;
    n = ::GetLocaleInfoW(LOCALE_USER_DEFAULT, lcType, lpLCData, cchData);
    if (n != 0)
        return n;
    return ::GetLocaleInfoW(0, lcType, lpLCData, cchData);
}

HINSTANCE CExtResourceManager::FindResourceWithLanguage(LPCTSTR lpszType, LPCTSTR lpszName, WORD nLangID,
                                                        WORD* pLangOut, HRSRC* pResInfoOut)
{
    SetOut(pLangOut, GetDefaultLanguage());
    SetOut<HRSRC>(pResInfoOut, nullptr);
    HINSTANCE hModule = AfxGetResourceHandle();
    if (hModule == nullptr)
        return nullptr;
    HRSRC hResInfo = IsLanguageLookupEnabled()
                         ? ::FindResourceExW(hModule, lpszType, ResourceNameArg(lpszName), nLangID)
                         : ::FindResourceW(hModule, lpszName, lpszType);
    if (hResInfo == nullptr)
        return nullptr;
    if (IsLanguageLookupEnabled())
        SetOut(pLangOut, nLangID);
    SetOut(pResInfoOut, hResInfo);
    return hModule;
}

HINSTANCE CExtResourceManager::FindResourceWithFallback(LPCTSTR lpszType, LPCTSTR lpszName, WORD nLangID1,
                                                        WORD nLangID2, WORD* pLangOut, HRSRC* pResInfoOut)
{
    HINSTANCE hModule = FindResourceWithLanguage(lpszType, lpszName, nLangID1, pLangOut, pResInfoOut);
    if (hModule != nullptr || !IsLanguageLookupEnabled() || nLangID1 == nLangID2)
        return hModule;
    return FindResourceWithLanguage(lpszType, lpszName, nLangID2, pLangOut, pResInfoOut);
}

HINSTANCE CExtResourceManager::FindResourcePreferred(LPCTSTR lpszType, LPCTSTR lpszName, WORD* pLangOut,
                                                     HRSRC* pResInfoOut)
{
    return FindResourceWithFallback(lpszType, lpszName, GetPreferredLanguage(), GetDefaultLanguage(), pLangOut,
                                    pResInfoOut);
}

bool CExtResourceManager::LoadResourceToBuffer(CExtResourceBuffer& buffer, LPCTSTR lpszType, LPCTSTR lpszName,
                                               WORD nLangID, WORD* pLangOut, HINSTANCE* pModuleOut)
{
    SetOut(pLangOut, GetDefaultLanguage());
    SetOut<HINSTANCE>(pModuleOut, nullptr);
    HINSTANCE hModule = AfxGetResourceHandle();
    if (!IsLanguageLookupEnabled())
    {
        SetOut(pModuleOut, hModule);
        if (hModule == nullptr)
            return false;
        return buffer.FindAndLoad(hModule, lpszType, lpszName, MAKELANGID(LANG_NEUTRAL, SUBLANG_SYS_DEFAULT));
    }
    if (hModule == nullptr || !buffer.FindAndLoad(hModule, lpszType, lpszName, nLangID))
        return false;
    SetOut(pLangOut, nLangID);
    SetOut(pModuleOut, hModule);
    return true;
}

bool CExtResourceManager::LoadResourceToBuffer(CExtResourceBuffer& buffer, LPCTSTR lpszType, LPCTSTR lpszName,
                                               WORD nLangID1, WORD nLangID2, WORD* pLangOut, HINSTANCE* pModuleOut)
{
    if (LoadResourceToBuffer(buffer, lpszType, lpszName, nLangID1, pLangOut, pModuleOut))
        return true;
    if (!IsLanguageLookupEnabled() || nLangID1 == nLangID2)
        return false;
    return LoadResourceToBuffer(buffer, lpszType, lpszName, nLangID2, pLangOut, pModuleOut);
}

bool CExtResourceManager::LoadResourceToBuffer(CExtResourceBuffer& buffer, LPCTSTR lpszType, LPCTSTR lpszName,
                                               WORD* pLangOut, HINSTANCE* pModuleOut)
{
    return LoadResourceToBuffer(buffer, lpszType, lpszName, GetPreferredLanguage(), GetDefaultLanguage(), pLangOut,
                                pModuleOut);
}

bool CExtResourceManager::ReadStringTableEntry(const BYTE* pBlock, DWORD dwBlockSize, UINT nIndex, CString& str)
{
    str.Empty();
    const BYTE* pChars = nullptr;
    WORD nLength = 0;
    if (!FindStringTableEntry(pBlock, dwBlockSize, nIndex, &pChars, &nLength))
        return false;
    if (nLength != 0)
    {
        std::vector<wchar_t> text(nLength);
        memcpy(text.data(), pChars, (size_t)nLength * sizeof(wchar_t));
        str = CString(text.data(), (int)nLength);
    }
    return true;
}

bool CExtResourceManager::LoadStringFromTable(CString& str, UINT nID, WORD nLangID1, WORD nLangID2, WORD* pLangOut,
                                              HINSTANCE* pModuleOut)
{
    str.Empty();
    CExtResourceBuffer buffer;
    if (!LoadResourceToBuffer(buffer, RT_STRING, MAKEINTRESOURCEW((nID >> 4) + 1), nLangID1, nLangID2, pLangOut,
                              pModuleOut))
        return false;
    return ReadStringTableEntry(buffer.GetBuffer(), buffer.GetSize(), nID & 15, str);
}

bool CExtResourceManager::LoadStringRes(CString& str, UINT nID, WORD* pLangOut, HINSTANCE* pModuleOut)
{
    SetOut(pLangOut, GetDefaultLanguage());
    SetOut<HINSTANCE>(pModuleOut, nullptr);
    if (!IsLanguageLookupEnabled())
        return str.LoadString(nID) != FALSE;
    return LoadStringFromTable(str, nID, GetPreferredLanguage(), GetDefaultLanguage(), pLangOut, pModuleOut);
}

bool CExtResourceManager::LoadMenu(CMenu& menu, LPCTSTR lpszName, WORD nLangID1, WORD nLangID2, WORD* pLangOut,
                                   HINSTANCE* pModuleOut)
{
    SetOut(pLangOut, GetDefaultLanguage());
    SetOut<HINSTANCE>(pModuleOut, nullptr);
    if (menu.m_hMenu != nullptr)
        menu.DestroyMenu();
    // A menu resource is outside data: its template is checked before the system builds it.
    if (!IsLanguageLookupEnabled())
    {
        HMENU hMenu = LoadFromResourceHandle(pModuleOut, [&](HINSTANCE hModule) -> HMENU {
            HRSRC hResInfo = ::FindResourceW(hModule, ResourceNameArg(lpszName), RT_MENU);
            HGLOBAL hGlobal = hResInfo != nullptr ? ::LoadResource(hModule, hResInfo) : nullptr;
            const BYTE* pData = hGlobal != nullptr ? (const BYTE*)::LockResource(hGlobal) : nullptr;
            return pData != nullptr ? LoadCheckedMenu(pData, ::SizeofResource(hModule, hResInfo)) : nullptr;
        });
        return hMenu != nullptr && menu.Attach(hMenu);
    }
    CExtResourceBuffer buffer;
    if (!LoadResourceToBuffer(buffer, RT_MENU, lpszName, nLangID1, nLangID2, pLangOut, pModuleOut) || buffer.IsEmpty())
        return false;
    HMENU hMenu = LoadCheckedMenu(buffer.GetBuffer(), buffer.GetSize());
    if (hMenu == nullptr)
        return false;
    if (!menu.Attach(hMenu))
    {
        ::DestroyMenu(hMenu);
        return false;
    }
    return true;
}

bool CExtResourceManager::LoadMenu(CMenu& menu, UINT nID, WORD* pLangOut, HINSTANCE* pModuleOut)
{
    return LoadMenu(menu, MAKEINTRESOURCEW(LOWORD(nID)), GetPreferredLanguage(), GetDefaultLanguage(), pLangOut,
                    pModuleOut);
}

bool CExtResourceManager::LoadMenu(CMenu& menu, LPCTSTR lpszName, WORD* pLangOut, HINSTANCE* pModuleOut)
{
    return LoadMenu(menu, lpszName, GetPreferredLanguage(), GetDefaultLanguage(), pLangOut, pModuleOut);
}

HACCEL CExtResourceManager::LoadAccelerators(LPCTSTR lpszName, WORD nLangID1, WORD nLangID2, WORD* pLangOut,
                                             HINSTANCE* pModuleOut)
{
    SetOut(pLangOut, GetDefaultLanguage());
    SetOut<HINSTANCE>(pModuleOut, nullptr);
    if (!IsLanguageLookupEnabled())
        return LoadFromResourceHandle(
            pModuleOut, [&](HINSTANCE hModule) { return ::LoadAcceleratorsW(hModule, ResourceNameArg(lpszName)); });
    CExtResourceBuffer buffer;
    if (!LoadResourceToBuffer(buffer, RT_ACCELERATOR, lpszName, nLangID1, nLangID2, pLangOut, pModuleOut))
        return nullptr;
    // Resource entries: flags, key, command and a padding word.
    const DWORD nCount = buffer.GetSize() / 8;
    std::vector<ACCEL> table(nCount > 0 ? nCount : 1);
    for (DWORD i = 0; i < nCount; ++i)
    {
        WORD w[4];
        memcpy(w, buffer.GetBuffer() + i * 8, sizeof w);
        table[i].fVirt = (BYTE)w[0];
        table[i].key = w[1];
        table[i].cmd = w[2];
    }
    return ::CreateAcceleratorTableW(table.data(), (int)nCount);
}

HACCEL CExtResourceManager::LoadAccelerators(LPCTSTR lpszName, WORD* pLangOut, HINSTANCE* pModuleOut)
{
    return LoadAccelerators(lpszName, GetPreferredLanguage(), GetDefaultLanguage(), pLangOut, pModuleOut);
}

HACCEL CExtResourceManager::LoadAccelerators(UINT nID, WORD* pLangOut, HINSTANCE* pModuleOut)
{
    return LoadAccelerators(MAKEINTRESOURCEW(LOWORD(nID)), pLangOut, pModuleOut);
}

HBITMAP CExtResourceManager::LoadBitmap(LPCTSTR lpszName, WORD nLangID1, WORD nLangID2, WORD* pLangOut,
                                        HINSTANCE* pModuleOut)
{
    SetOut(pLangOut, GetDefaultLanguage());
    SetOut<HINSTANCE>(pModuleOut, nullptr);
    if (!IsLanguageLookupEnabled())
        return LoadFromResourceHandle(
            pModuleOut, [&](HINSTANCE hModule) { return ::LoadBitmapW(hModule, ResourceNameArg(lpszName)); });
    HRSRC hResInfo = nullptr;
    HINSTANCE hModule = FindResourceWithFallback(RT_BITMAP, lpszName, nLangID1, nLangID2, pLangOut, &hResInfo);
    if (hModule == nullptr)
        return nullptr;
    SetOut(pModuleOut, hModule);
    return CExtPaintManager::LoadBitmapFromResource(hModule, hResInfo);
}

HBITMAP CExtResourceManager::LoadBitmap(LPCTSTR lpszName, WORD* pLangOut, HINSTANCE* pModuleOut)
{
    return LoadBitmap(lpszName, GetPreferredLanguage(), GetDefaultLanguage(), pLangOut, pModuleOut);
}

HBITMAP CExtResourceManager::LoadBitmap(UINT nID, WORD* pLangOut, HINSTANCE* pModuleOut)
{
    return LoadBitmap(MAKEINTRESOURCEW(LOWORD(nID)), pLangOut, pModuleOut);
}

// ------------------------------------------------------------------------ CExtResourceManagerHolder

CExtResourceManagerHolder::~CExtResourceManagerHolder()
{
    delete m_pManager;
    m_pManager = nullptr;
}

CExtResourceManager* CExtResourceManagerHolder::Get()
{
    if (m_pManager == nullptr)
        m_pManager = new CExtResourceManager(false, CExtResourceManager::kDefaultLanguage);
    return m_pManager;
}

void CExtResourceManagerHolder::Install(CExtResourceManager* pManager)
{
    if (pManager != nullptr && pManager == m_pManager)
        return;
    delete m_pManager;
    m_pManager = pManager != nullptr ? pManager : new CExtResourceManager(false, CExtResourceManager::kDefaultLanguage);
}
