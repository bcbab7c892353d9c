// CExtCmdProfile: registration, removal, icons, usage, copying and the usage archive.
// Filling from menus and tool bars is in ExtCmdProfileUpdate.cpp.
#include "toolkit/foundation/ExtCmdProfile.h"
#include "platform/Archive.h"
#include "platform/File.h"
#include "toolkit/foundation/ExtCmdIcon.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include <vector>

CExtCmdProfile::CExtCmdProfile(LPCTSTR lpszName) : m_sName(lpszName != nullptr ? lpszName : L"") {}

CExtCmdProfile::~CExtCmdProfile() { RemoveAllCommands(); }

bool CExtCmdProfile::SetupCommand(const CExtCmdItem& cmdTemplate, bool bReplace, bool* pbNew)
{
    if (pbNew != nullptr)
        *pbNew = false;
    if ((int)cmdTemplate.m_nCmdID < 1)
        return false;
    CExtCmdItem* pItem = nullptr;
    if (m_cmds.Lookup(cmdTemplate.m_nCmdID, pItem))
    {
        if (bReplace)
            pItem->UpdateFrom(cmdTemplate);
        else
            pItem->FillMissingFrom(cmdTemplate);
        return true;
    }
    pItem = CloneItem(&cmdTemplate);
    pItem->m_pProfile = this;
    m_cmds.SetAt(cmdTemplate.m_nCmdID, pItem);
    if (pbNew != nullptr)
        *pbNew = true;
    return true;
}

void CExtCmdProfile::RemoveIconAt(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_icons.GetSize())
        return;
    delete m_icons[nIndex];
    m_icons.RemoveAt(nIndex);
    for (auto* p = m_cmds.PGetFirstAssoc(); p != nullptr; p = m_cmds.PGetNextAssoc(p))
    {
        if (p->value->m_nIconIdx == nIndex)
            p->value->m_nIconIdx = -1;
        else if (p->value->m_nIconIdx > nIndex)
            --p->value->m_nIconIdx;
    }
}

bool CExtCmdProfile::RemoveCommand(UINT nCmdID, bool* pbRemoved)
{
    if (pbRemoved != nullptr)
        *pbRemoved = false;
    if ((int)nCmdID < 1)
        return false;
    CExtCmdItem* pItem = nullptr;
    if (!m_cmds.Lookup(nCmdID, pItem))
        return true;
    m_cmds.RemoveKey(nCmdID);
    const int nIconIdx = pItem->m_nIconIdx;
    delete pItem;
    if (pbRemoved != nullptr)
        *pbRemoved = true;
    RemoveIconAt(nIconIdx);
    return true;
}

void CExtCmdProfile::RemoveAllCommands()
{
    for (INT_PTR i = 0; i < m_icons.GetSize(); ++i)
        delete m_icons[i];
    m_icons.RemoveAll();
    for (auto* p = m_cmds.PGetFirstAssoc(); p != nullptr; p = m_cmds.PGetNextAssoc(p))
        delete p->value;
    m_cmds.RemoveAll();
}

void CExtCmdProfile::RemoveCommandsByFlags(DWORD dwMask, bool bAll)
{
    std::vector<UINT> ids;
    for (auto* p = m_cmds.PGetFirstAssoc(); p != nullptr; p = m_cmds.PGetNextAssoc(p))
    {
        const DWORD dwHeld = p->value->m_dwStateFlags & dwMask;
        if (bAll ? (dwHeld == dwMask && dwMask != 0) : dwHeld != 0)
            ids.push_back(p->key);
    }
    for (UINT nCmdID : ids)
        RemoveCommand(nCmdID);
}

CExtCmdItem* CExtCmdProfile::AllocateCommand(UINT nCmdID)
{
    if (nCmdID != 0 && IsCommandRegistered(nCmdID))
        return nullptr;
    if (nCmdID == 0)
    {
        for (UINT n = FIRST_ALLOCATED_ID; n >= 1 && nCmdID == 0; --n)
            if (!IsCommandRegistered(n))
                nCmdID = n;
        if (nCmdID == 0)
            return nullptr;
    }
    if (!SetupCommand(CExtCmdItem(nCmdID), false))
        return nullptr;
    return LookupCommand(nCmdID);
}

CExtCmdItem* CExtCmdProfile::LookupCommand(UINT nCmdID)
{
    CExtCmdItem* pItem = nullptr;
    if ((int)nCmdID < 1 || !m_cmds.Lookup(nCmdID, pItem))
        return nullptr;
    return pItem;
}

bool CExtCmdProfile::IsCommandRegistered(UINT nCmdID) const
{
    CExtCmdItem* pItem = nullptr;
    return m_cmds.Lookup(nCmdID, pItem) != FALSE;
}

bool CExtCmdProfile::SetCommandIcon(UINT nCmdID, CExtCmdIcon* pIcon, bool bTakeOver)
{
    // An icon the profile already holds is never deleted nor stored twice.
    int nHeldAt = -1;
    for (INT_PTR i = 0; pIcon != nullptr && i < m_icons.GetSize(); ++i)
        if (m_icons[i] == pIcon)
            nHeldAt = (int)i;
    CExtCmdItem* pItem = LookupCommand(nCmdID);
    if (pItem != nullptr && nHeldAt >= 0 && nHeldAt == pItem->m_nIconIdx)
        return true;
    if (nHeldAt >= 0)
        bTakeOver = false;
    if (pIcon != nullptr && pIcon->IsEmpty())
    {
        if (bTakeOver)
            delete pIcon;
        pIcon = nullptr;
    }
    if (pItem == nullptr)
    {
        // What was given to keep must not leak.
        if (bTakeOver)
            delete pIcon;
        return false;
    }
    if (pIcon != nullptr)
    {
        if (pItem->m_nIconIdx >= 0)
        {
            if (bTakeOver)
            {
                delete m_icons[pItem->m_nIconIdx];
                m_icons[pItem->m_nIconIdx] = pIcon;
            }
            else
            {
                m_icons[pItem->m_nIconIdx]->AssignFrom(*pIcon);
            }
        }
        else
        {
            pItem->m_nIconIdx = (int)m_icons.Add(bTakeOver ? pIcon : new CExtCmdIcon(*pIcon));
        }
        return true;
    }
    if (pItem->m_nIconIdx >= 0)
        RemoveIconAt(pItem->m_nIconIdx);
    return true;
}

bool CExtCmdProfile::SetCommandIcon(UINT nCmdID, HICON hIcon, bool bCopyHandle, const SIZE* pSize)
{
    if (hIcon == nullptr)
        return SetCommandIcon(nCmdID, (CExtCmdIcon*)nullptr, false);
    const bool bSized = pSize != nullptr && !bCopyHandle;
    // The profile keeps the handle given (or its one copy): the picture is not copied again.
    CExtCmdItem* pItem = LookupCommand(nCmdID);
    if (pItem != nullptr && pItem->m_nIconIdx < 0)
        return SetCommandIcon(nCmdID, bSized ? new CExtCmdIcon(hIcon, *pSize) : new CExtCmdIcon(hIcon, bCopyHandle),
                              true);
    CExtCmdIcon icon = bSized ? CExtCmdIcon(hIcon, *pSize) : CExtCmdIcon(hIcon, bCopyHandle);
    if (pItem != nullptr && !icon.IsEmpty())
    {
        m_icons[pItem->m_nIconIdx]->MoveFrom(icon);
        return true;
    }
    return SetCommandIcon(nCmdID, &icon, false);
}

CExtCmdIcon* CExtCmdProfile::GetCommandIcon(UINT nCmdID)
{
    CExtCmdItem* pItem = LookupCommand(nCmdID);
    if (pItem == nullptr || pItem->m_nIconIdx < 0 || pItem->m_nIconIdx >= m_icons.GetSize())
        return nullptr;
    return m_icons[pItem->m_nIconIdx];
}

bool CExtCmdProfile::SetAlwaysShownCommands(const UINT* lpIDs, bool bOn)
{
    if (lpIDs == nullptr)
        return false;
    bool bAll = true;
    for (; *lpIDs != 0; ++lpIDs)
    {
        CExtCmdItem* pItem = CExtCmdItem::IsSystemCommand(*lpIDs) ? nullptr : LookupCommand(*lpIDs);
        if (pItem == nullptr)
        {
            bAll = false;
            continue;
        }
        pItem->SetAlwaysShown(bOn);
    }
    return bAll;
}

void CExtCmdProfile::ResetUsageCounters()
{
    for (auto* p = m_cmds.PGetFirstAssoc(); p != nullptr; p = m_cmds.PGetNextAssoc(p))
        p->value->ResetUsage();
    m_nTotalTickCount = 0;
}

void CExtCmdProfile::AssignFrom(const CExtCmdProfile& other)
{
    if (&other == this)
        return;
    m_sName = other.m_sName;
    m_nRarelyUsedThreshold = other.m_nRarelyUsedThreshold;
    m_nTotalTickCount = other.m_nTotalTickCount;
    m_dwFurther = other.m_dwFurther;
    RemoveAllCommands();
    for (auto* p = other.m_cmds.PGetFirstAssoc(); p != nullptr; p = other.m_cmds.PGetNextAssoc(p))
    {
        CExtCmdItem* pItem = CloneItem(p->value);
        pItem->m_pProfile = this;
        m_cmds.SetAt(p->key, pItem);
    }
    for (INT_PTR i = 0; i < other.m_icons.GetSize(); ++i)
        m_icons.Add(new CExtCmdIcon(*other.m_icons[i]));
}

CExtCmdItem* CExtCmdProfile::CloneItem(const CExtCmdItem* pItem) { return new CExtCmdItem(*pItem); }

// ---- system events -------------------------------------------------------------------------------

void CExtCmdProfile::OnSysColorChange()
{
    for (auto* p = m_cmds.PGetFirstAssoc(); p != nullptr; p = m_cmds.PGetNextAssoc(p))
        p->value->OnSysColorChange();
}

void CExtCmdProfile::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    for (auto* p = m_cmds.PGetFirstAssoc(); p != nullptr; p = m_cmds.PGetNextAssoc(p))
        p->value->OnSettingChange(uFlags, lpszSection);
}

void CExtCmdProfile::OnDisplayChange(INT nDepthBPP, INT nResolutionX, INT nResolutionY)
{
    for (auto* p = m_cmds.PGetFirstAssoc(); p != nullptr; p = m_cmds.PGetNextAssoc(p))
        p->value->OnDisplayChange(nDepthBPP, nResolutionX, nResolutionY);
}

void CExtCmdProfile::OnThemeChanged(WPARAM wParam, LPARAM lParam)
{
    for (auto* p = m_cmds.PGetFirstAssoc(); p != nullptr; p = m_cmds.PGetNextAssoc(p))
        p->value->OnThemeChanged(wParam, lParam);
}

// ---- usage archive -------------------------------------------------------------------------------

bool CExtCmdProfile::SerializeProfile(CArchive& ar)
{
    try
    {
        if (ar.IsStoring())
        {
            CString sVersion;
            CString sHeader;
            sHeader.Format(L"Nimbal (v. %s) command profile",
                           (LPCTSTR)CExtCmdManager::ToolkitVersionText(sVersion, L'.'));
            ar << sHeader;
            ar << (DWORD)CExtCmdManager::ToolkitVersion(false) << (DWORD)CExtCmdManager::ToolkitVersion(true);
            ar << (DWORD)0 << (DWORD)0 << (DWORD)0 << (DWORD)0;
            ar << (DWORD)m_nTotalTickCount;
            for (auto* p = m_cmds.PGetFirstAssoc(); p != nullptr; p = m_cmds.PGetNextAssoc(p))
                if (p->value->HasUsageCount())
                    ar << (DWORD)p->key << (DWORD)p->value->m_nUsageTickCount;
            ar << (DWORD)0;
            return true;
        }
        // Read everything first; the profile changes only when the whole archive is sound.
        CString sHeader;
        ar >> sHeader;
        DWORD dwWord = 0;
        ar >> dwWord;
        ar >> dwWord;
        if (dwWord != CExtCmdManager::ToolkitVersion(true))
            return false;
        for (int i = 0; i < 4; ++i)
            ar >> dwWord;
        DWORD dwTotal = 0;
        ar >> dwTotal;
        std::vector<std::pair<CExtCmdItem*, DWORD>> counts;
        for (;;)
        {
            DWORD dwCmdID = 0, dwCount = 0;
            ar >> dwCmdID;
            if (dwCmdID == 0)
                break;
            ar >> dwCount;
            CExtCmdItem* pItem = LookupCommand(dwCmdID);
            if (pItem == nullptr)
                return false;
            counts.emplace_back(pItem, dwCount);
        }
        m_nTotalTickCount = dwTotal;
        for (const auto& c : counts)
            c.first->m_nUsageTickCount = c.second;
        return true;
    }
    catch (CException* e)
    {
        e->Delete();
        return false;
    }
}

bool CExtCmdProfile::SerializeState(LPCTSTR lpszCompanyKey, LPCTSTR lpszProductKey, bool bSave)
{
    CString sPath;
    CExtCmdManager::BuildRegistryPath(sPath, CExtCmdManager::SECTION_COMMAND_MANAGER, m_sName, lpszCompanyKey,
                                      lpszProductKey);
    try
    {
        if (bSave)
        {
            CMemFile file(1024);
            bool bStored = false;
            {
                CArchive ar(&file, CArchive::store, 4096);
                bStored = SerializeProfile(ar);
                ar.Close();
            }
            if (!bStored)
                return false;
            file.SeekToBegin();
            return CExtCmdManager::RegistryArchiveWrite(file, sPath, HKEY_CURRENT_USER);
        }
        CMemFile file(1024);
        if (!CExtCmdManager::RegistryArchiveRead(file, sPath, HKEY_CURRENT_USER))
            return false;
        file.SeekToBegin();
        CArchive ar(&file, CArchive::load, 4096);
        return SerializeProfile(ar);
    }
    catch (CException* e)
    {
        e->Delete();
        return false;
    }
}
