// CExtCmdManager: profiles by name and window, command operations under the lock, registry paths,
// version words, system events; CExtCmdManagerHolder. The registry archiver is in
// ExtCmdManagerArchiver.cpp.
#include "toolkit/foundation/ExtCmdManager.h"
#include "platform/ControlBar.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

const wchar_t* const CExtCmdManager::DEFAULT_PROFILE_NAME = L"default";
const wchar_t* const CExtCmdManager::SECTION_COMMAND_MANAGER = L"CommandManager";

namespace
{
class CLock
{
public:
    explicit CLock(CRITICAL_SECTION& cs) : m_cs(cs) { ::EnterCriticalSection(&m_cs); }
    ~CLock() { ::LeaveCriticalSection(&m_cs); }
    CLock(const CLock&) = delete;
    CLock& operator=(const CLock&) = delete;

private:
    CRITICAL_SECTION& m_cs;
};

LPCTSTR ProfileName(LPCTSTR lpszName)
{
    return (lpszName == nullptr || *lpszName == 0) ? CExtCmdManager::DEFAULT_PROFILE_NAME : lpszName;
}
} // namespace

CExtCmdManager::CExtCmdManager()
{
    ::InitializeCriticalSection(&m_cs);
    CreateProfile(DEFAULT_PROFILE_NAME, nullptr, nullptr);
}

CExtCmdManager::~CExtCmdManager()
{
    for (auto* p = m_profilesByName.PGetFirstAssoc(); p != nullptr; p = m_profilesByName.PGetNextAssoc(p))
        delete (CExtCmdProfile*)p->value;
    m_profilesByName.RemoveAll();
    m_profilesByWnd.RemoveAll();
    ::DeleteCriticalSection(&m_cs);
}

// ---- profiles and windows ------------------------------------------------------------------------

bool CExtCmdManager::CreateProfile(LPCTSTR lpszName, HWND hWnd, CExtCmdProfile* pAdoptProfile)
{
    lpszName = ProfileName(lpszName);
    {
        CLock lock(m_cs);
        void* pStored = nullptr;
        if (!m_profilesByName.Lookup(lpszName, pStored))
        {
            CExtCmdProfile* pProfile = pAdoptProfile != nullptr ? pAdoptProfile : new CExtCmdProfile(lpszName);
            m_profilesByName.SetAt(lpszName, pProfile);
        }
        else if (pAdoptProfile != nullptr && pAdoptProfile != (CExtCmdProfile*)pStored)
        {
            delete pAdoptProfile;
        }
    }
    if (hWnd == nullptr)
        return true;
    return BindWindowToProfile(lpszName, hWnd);
}

bool CExtCmdManager::BindWindowToProfile(LPCTSTR lpszName, HWND hWnd)
{
    if (hWnd == nullptr)
        return false;
    CExtCmdProfile* pProfile = FindProfileByName(lpszName);
    if (pProfile == nullptr)
        return false;
    CLock lock(m_cs);
    CExtCmdProfile* pBound = nullptr;
    if (!m_profilesByWnd.Lookup(hWnd, pBound))
        m_profilesByWnd.SetAt(hWnd, pProfile);
    return true;
}

bool CExtCmdManager::UnbindWindowFromProfile(HWND hWnd, bool bDeleteUnused, bool* pbProfileDeleted)
{
    if (pbProfileDeleted != nullptr)
        *pbProfileDeleted = false;
    if (hWnd == nullptr)
        return false;
    CLock lock(m_cs);
    CExtCmdProfile* pProfile = nullptr;
    if (!m_profilesByWnd.Lookup(hWnd, pProfile))
        return false;
    m_profilesByWnd.RemoveKey(hWnd);
    if (!bDeleteUnused)
        return true;
    for (auto* p = m_profilesByWnd.PGetFirstAssoc(); p != nullptr; p = m_profilesByWnd.PGetNextAssoc(p))
        if (p->value == pProfile)
            return true;
    if (pbProfileDeleted != nullptr)
        *pbProfileDeleted = true;
    CString sKey;
    for (auto* p = m_profilesByName.PGetFirstAssoc(); p != nullptr; p = m_profilesByName.PGetNextAssoc(p))
        if (p->value == pProfile)
        {
            sKey = p->key;
            break;
        }
    m_profilesByName.RemoveKey(sKey);
    delete pProfile;
    return true;
}

CExtCmdProfile* CExtCmdManager::FindProfileByName(LPCTSTR lpszName)
{
    if (lpszName == nullptr)
        lpszName = DEFAULT_PROFILE_NAME;
    CLock lock(m_cs);
    void* p = nullptr;
    if (!m_profilesByName.Lookup(lpszName, p))
        return nullptr;
    return (CExtCmdProfile*)p;
}

LPCTSTR CExtCmdManager::FindProfileNameForWindow(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    CLock lock(m_cs);
    for (HWND h = hWnd; h != nullptr; h = ::GetParent(h))
    {
        CExtCmdProfile* pProfile = nullptr;
        if (m_profilesByWnd.Lookup(h, pProfile))
            return pProfile->m_sName;
    }
    return nullptr;
}

// ---- command operations --------------------------------------------------------------------------

template <class Fn> auto CExtCmdManager::WithProfile(LPCTSTR lpszName, Fn fn) -> decltype(fn((CExtCmdProfile*)nullptr))
{
    CExtCmdProfile* pProfile = FindProfileByName(lpszName);
    if (pProfile == nullptr)
        return decltype(fn((CExtCmdProfile*)nullptr))();
    CLock lock(m_cs);
    return fn(pProfile);
}

bool CExtCmdManager::SetupCommand(LPCTSTR lpszName, const CExtCmdItem& cmdTemplate, bool bReplace, bool* pbNew)
{
    if (pbNew != nullptr)
        *pbNew = false;
    return WithProfile(lpszName, [&](CExtCmdProfile* p) { return p->SetupCommand(cmdTemplate, bReplace, pbNew); });
}

bool CExtCmdManager::RemoveCommand(LPCTSTR lpszName, UINT nCmdID, bool* pbRemoved)
{
    if (pbRemoved != nullptr)
        *pbRemoved = false;
    return WithProfile(lpszName, [&](CExtCmdProfile* p) { return p->RemoveCommand(nCmdID, pbRemoved); });
}

void CExtCmdManager::RemoveAllCommands(LPCTSTR lpszName)
{
    WithProfile(lpszName, [&](CExtCmdProfile* p) {
        p->RemoveAllCommands();
        return true;
    });
}

bool CExtCmdManager::RemoveCommandsByFlags(LPCTSTR lpszName, DWORD dwMask, bool bAll)
{
    return WithProfile(lpszName, [&](CExtCmdProfile* p) {
        p->RemoveCommandsByFlags(dwMask, bAll);
        return true;
    });
}

CExtCmdItem* CExtCmdManager::AllocateCommand(LPCTSTR lpszName, UINT nCmdID)
{
    return WithProfile(lpszName, [&](CExtCmdProfile* p) { return p->AllocateCommand(nCmdID); });
}

CExtCmdItem* CExtCmdManager::LookupCommand(LPCTSTR lpszName, UINT nCmdID)
{
    return WithProfile(lpszName, [&](CExtCmdProfile* p) { return p->LookupCommand(nCmdID); });
}

bool CExtCmdManager::SetCommandIcon(LPCTSTR lpszName, UINT nCmdID, HICON hIcon, bool bCopyHandle, const SIZE* pSize)
{
    return WithProfile(lpszName,
                       [&](CExtCmdProfile* p) { return p->SetCommandIcon(nCmdID, hIcon, bCopyHandle, pSize); });
}

CExtCmdIcon* CExtCmdManager::GetCommandIcon(LPCTSTR lpszName, UINT nCmdID)
{
    return WithProfile(lpszName, [&](CExtCmdProfile* p) { return p->GetCommandIcon(nCmdID); });
}

bool CExtCmdManager::UpdateFromMenu(LPCTSTR lpszName, HMENU hMenu, bool bReplace, bool bRecursive, bool bLoadTexts)
{
    return WithProfile(lpszName,
                       [&](CExtCmdProfile* p) { return p->UpdateFromMenu(hMenu, bReplace, bRecursive, bLoadTexts); });
}

bool CExtCmdManager::UpdateFromMenuResource(LPCTSTR lpszName, UINT nResourceID, bool bReplace, bool bLoadTexts)
{
    return WithProfile(lpszName,
                       [&](CExtCmdProfile* p) { return p->UpdateFromMenuResource(nResourceID, bReplace, bLoadTexts); });
}

bool CExtCmdManager::UpdateFromToolBarResource(LPCTSTR lpszName, UINT nResourceID, UINT** ppIDs, INT* pnIDCount,
                                               bool bReplace, bool bLoadTexts, COLORREF clrTransparent)
{
    if (ppIDs != nullptr)
        *ppIDs = nullptr;
    if (pnIDCount != nullptr)
        *pnIDCount = 0;
    return WithProfile(lpszName, [&](CExtCmdProfile* p) {
        return p->UpdateFromToolBarResource(nResourceID, ppIDs, pnIDCount, bReplace, bLoadTexts, clrTransparent);
    });
}

// ---- registry path and version -------------------------------------------------------------------

CString& CExtCmdManager::BuildRegistryPath(CString& sPath, LPCTSTR lpszSection, LPCTSTR lpszProfileName,
                                           LPCTSTR lpszCompanyKey, LPCTSTR lpszProductKey)
{
    auto text = [](LPCTSTR psz) { return psz != nullptr ? psz : L""; };
    sPath.Format(L"Software\\%s\\%s\\%s\\%s\\%s\\%s", text(lpszCompanyKey), text(lpszProductKey), L"Nimbal230",
                 L"Profiles", text(lpszProfileName), text(lpszSection));
    for (wchar_t ch : {L'\r', L'\t', L'\n', L'?', L'*'})
        sPath.Replace(ch, L'_');
    return sPath;
}

DWORD CExtCmdManager::ToolkitVersion(bool bShort)
{
    // The first call records the long version in a process-wide word, under a process-wide lock.
    static CRITICAL_SECTION* s_pLock = [] {
        static CRITICAL_SECTION cs;
        ::InitializeCriticalSection(&cs);
        return &cs;
    }();
    static volatile DWORD s_dwRecorded = 0;
    if (s_dwRecorded == 0)
    {
        CLock lock(*s_pLock);
        s_dwRecorded = TOOLKIT_VERSION_LONG;
    }
    return bShort ? TOOLKIT_VERSION_SHORT : TOOLKIT_VERSION_LONG;
}

CString& CExtCmdManager::ToolkitVersionText(CString& sText, wchar_t chSeparator)
{
    const DWORD dw = ToolkitVersion(false);
    sText.Format(L"%d%c%d%c%d%c%d", (int)((dw >> 24) & 0xFF), chSeparator, (int)((dw >> 16) & 0xFF), chSeparator,
                 (int)((dw >> 8) & 0xFF), chSeparator, (int)(dw & 0xFF));
    return sText;
}

// ---- system events -------------------------------------------------------------------------------

void CExtCmdManager::OnSysColorChange()
{
    CLock lock(m_cs);
    for (auto* p = m_profilesByName.PGetFirstAssoc(); p != nullptr; p = m_profilesByName.PGetNextAssoc(p))
        ((CExtCmdProfile*)p->value)->OnSysColorChange();
}

void CExtCmdManager::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CLock lock(m_cs);
    for (auto* p = m_profilesByName.PGetFirstAssoc(); p != nullptr; p = m_profilesByName.PGetNextAssoc(p))
        ((CExtCmdProfile*)p->value)->OnSettingChange(uFlags, lpszSection);
}

void CExtCmdManager::OnDisplayChange(INT nDepthBPP, INT nResolutionX, INT nResolutionY)
{
    CLock lock(m_cs);
    for (auto* p = m_profilesByName.PGetFirstAssoc(); p != nullptr; p = m_profilesByName.PGetNextAssoc(p))
        ((CExtCmdProfile*)p->value)->OnDisplayChange(nDepthBPP, nResolutionX, nResolutionY);
}

void CExtCmdManager::OnThemeChanged(WPARAM wParam, LPARAM lParam)
{
    CLock lock(m_cs);
    for (auto* p = m_profilesByName.PGetFirstAssoc(); p != nullptr; p = m_profilesByName.PGetNextAssoc(p))
        ((CExtCmdProfile*)p->value)->OnThemeChanged(wParam, lParam);
}

// ---- holder --------------------------------------------------------------------------------------

// Built before the ordinary static objects (as the paint-manager holder), so that their constructors
// may already use it.
__attribute__((init_priority(200))) CExtCmdManagerHolder g_CmdManagerHolder;

CExtCmdManagerHolder::CExtCmdManagerHolder() : m_pCmdManager(new CExtCmdManager) {}

CExtCmdManagerHolder::~CExtCmdManagerHolder()
{
    delete m_pCmdManager;
    m_pCmdManager = nullptr;
}

void CExtCmdManagerHolder::OnSysColorChange(CControlBar* pBar)
{
    if (CExtPaintManagerHolder::IsFrameEventTarget(pBar))
        m_pCmdManager->OnSysColorChange();
}

void CExtCmdManagerHolder::OnSettingChange(CControlBar* pBar, UINT uFlags, LPCTSTR lpszSection)
{
    if (CExtPaintManagerHolder::IsFrameEventTarget(pBar))
        m_pCmdManager->OnSettingChange(uFlags, lpszSection);
}

void CExtCmdManagerHolder::OnDisplayChange(CControlBar* pBar, INT nDepthBPP, INT nResolutionX, INT nResolutionY)
{
    if (CExtPaintManagerHolder::IsFrameEventTarget(pBar))
        m_pCmdManager->OnDisplayChange(nDepthBPP, nResolutionX, nResolutionY);
}

void CExtCmdManagerHolder::OnThemeChanged(CControlBar* pBar, WPARAM wParam, LPARAM lParam)
{
    if (CExtPaintManagerHolder::IsFrameEventTarget(pBar))
        m_pCmdManager->OnThemeChanged(wParam, lParam);
}
