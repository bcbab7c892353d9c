// The recent-file list.
#include "platform/RecentFileList.h"
#include "platform/CmdTarget.h"
#include "platform/Menu.h"
#include "platform/WinApp.h"
#include <cstdio>

CRecentFileList::CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize, int nMaxDispLen)
    : m_nSize(nSize > 0 ? nSize : 1), m_arrNames(new CString[nSize > 0 ? nSize : 1]), m_strSectionName(lpszSection),
      m_strEntryFormat(lpszEntryFormat), m_nStart(nStart), m_nMaxDisplayLength(nMaxDispLen)
{}

CRecentFileList::~CRecentFileList() { delete[] m_arrNames; }

static CString FullPath(LPCTSTR lpszPathName)
{
    wchar_t buf[MAX_PATH * 2];
    DWORD n = ::GetFullPathNameW(lpszPathName, MAX_PATH * 2, buf, nullptr);
    if (n == 0 || n >= MAX_PATH * 2)
        return CString(lpszPathName);
    return CString(buf);
}

void CRecentFileList::Add(LPCTSTR lpszPathName)
{
    if (lpszPathName == nullptr || *lpszPathName == 0)
        return;
    CString strName = FullPath(lpszPathName);
    int iMRU;
    for (iMRU = 0; iMRU < m_nSize - 1; iMRU++)
    {
        if (m_arrNames[iMRU].CompareNoCase(strName) == 0)
            break; // already there: moves to the top
    }
    for (; iMRU > 0; iMRU--)
        m_arrNames[iMRU] = m_arrNames[iMRU - 1];
    m_arrNames[0] = strName;
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_nSize)
        return;
    for (int iMRU = nIndex; iMRU < m_nSize - 1; iMRU++)
        m_arrNames[iMRU] = m_arrNames[iMRU + 1];
    m_arrNames[m_nSize - 1].Empty();
}

void AfxAbbreviateName(CString& strName, int nMaxLength, BOOL bAtLeastName)
{
    int nLength = strName.GetLength();
    if (nMaxLength <= 0 || nLength <= nMaxLength)
        return;
    int nSlash = strName.ReverseFind(L'\\');
    CString strFile = nSlash >= 0 ? strName.Mid(nSlash + 1) : strName;
    // Keep the root ("C:\" or "\\server\share\") and the file name, elide the middle.
    int nRoot = 0;
    if (nLength >= 3 && strName[1] == L':' && strName[2] == L'\\')
        nRoot = 3;
    CString strShort = strName.Left(nRoot) + L"...\\" + strFile;
    if (strShort.GetLength() <= nMaxLength && nRoot > 0)
    {
        strName = strShort;
        return;
    }
    if (bAtLeastName || strFile.GetLength() <= nMaxLength)
        strName = strFile;
    else
        strName.Empty();
}

BOOL CRecentFileList::GetDisplayName(CString& strName, int nIndex, LPCTSTR lpszCurDir, int nCurDir,
                                     BOOL bAtLeastName) const
{
    if (nIndex < 0 || nIndex >= m_nSize || m_arrNames[nIndex].IsEmpty())
        return FALSE;
    strName = m_arrNames[nIndex];
    if (lpszCurDir != nullptr && nCurDir > 0 && strName.GetLength() > nCurDir &&
        ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, strName, nCurDir, lpszCurDir, nCurDir) == CSTR_EQUAL)
    {
        // In the current directory: show the name relative to it.
        strName = strName.Mid(nCurDir);
    }
    if (m_nMaxDisplayLength != -1)
        AfxAbbreviateName(strName, m_nMaxDisplayLength, bAtLeastName);
    return TRUE;
}

void CRecentFileList::UpdateMenu(CCmdUI* pCmdUI)
{
    CMenu* pMenu = pCmdUI->m_pMenu;
    if (m_strOriginal.IsEmpty() && pMenu != nullptr)
        pMenu->GetMenuString(pCmdUI->m_nID, m_strOriginal, MF_BYCOMMAND);

    if (m_arrNames[0].IsEmpty())
    {
        if (!m_strOriginal.IsEmpty())
            pCmdUI->SetText(m_strOriginal);
        pCmdUI->Enable(FALSE);
        return;
    }
    if (pMenu == nullptr)
        return;

    for (int iMRU = 0; iMRU < m_nSize; iMRU++)
        pMenu->DeleteMenu(pCmdUI->m_nID + (UINT)iMRU, MF_BYCOMMAND);

    wchar_t szCurDir[MAX_PATH + 2];
    DWORD nCurDir = ::GetCurrentDirectoryW(MAX_PATH, szCurDir);
    if (nCurDir == 0 || nCurDir >= MAX_PATH)
        nCurDir = 0;
    else if (szCurDir[nCurDir - 1] != L'\\')
    {
        szCurDir[nCurDir++] = L'\\';
        szCurDir[nCurDir] = 0;
    }

    CString strName;
    for (int iMRU = 0; iMRU < m_nSize; iMRU++)
    {
        if (!GetDisplayName(strName, iMRU, szCurDir, (int)nCurDir))
            break;
        strName.Replace(L"&", L"&&"); // no accidental mnemonics
        int nItem = (int)((iMRU + m_nStart) % 16) + 1;
        wchar_t buf[16];
        if (nItem > 10)
            std::swprintf(buf, 16, L"%d ", nItem);
        else if (nItem == 10)
            std::swprintf(buf, 16, L"1&0 ");
        else
            std::swprintf(buf, 16, L"&%d ", nItem);
        CString strItem = CString(buf) + strName;
        pMenu->InsertMenu(pCmdUI->m_nIndex++, MF_STRING | MF_BYPOSITION, pCmdUI->m_nID++, strItem);
    }
    pCmdUI->m_nIndex--;
    pCmdUI->m_nIndexMax = pMenu->GetMenuItemCount();
    pCmdUI->m_bEnableChanged = TRUE;
}

void CRecentFileList::ReadList()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    for (int iMRU = 0; iMRU < m_nSize; iMRU++)
    {
        wchar_t entry[32];
        std::swprintf(entry, 32, m_strEntryFormat, iMRU + 1);
        m_arrNames[iMRU] = pApp->GetProfileString(m_strSectionName, entry, L"");
    }
}

void CRecentFileList::WriteList()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    // The section is written anew: stale entries of a longer list disappear.
    pApp->WriteProfileString(m_strSectionName, nullptr, nullptr);
    for (int iMRU = 0; iMRU < m_nSize; iMRU++)
    {
        if (m_arrNames[iMRU].IsEmpty())
            break;
        wchar_t entry[32];
        std::swprintf(entry, 32, m_strEntryFormat, iMRU + 1);
        pApp->WriteProfileString(m_strSectionName, entry, m_arrNames[iMRU]);
    }
}
