// CRecentFileList: the most recently used files, kept in the application profile.
#pragma once
#include "platform/String.h"

class CCmdUI;

#define AFX_ABBREV_FILENAME_LEN 30

class CRecentFileList
{
public:
    // nStart: index of the first menu command; entries "File1".."FileN" of lpszSection.
    CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize,
                    int nMaxDispLen = AFX_ABBREV_FILENAME_LEN);
    virtual ~CRecentFileList();

    int GetSize() const { return m_nSize; }
    CString& operator[](int nIndex) { return m_arrNames[nIndex]; }

    virtual void Remove(int nIndex);
    virtual void Add(LPCTSTR lpszPathName);
    // The name shown in a menu: relative to lpszCurDir (nCurDir characters) when the file lies
    // there, shortened to the display length (keeping at least the file name when asked).
    virtual BOOL GetDisplayName(CString& strName, int nIndex, LPCTSTR lpszCurDir, int nCurDir,
                                BOOL bAtLeastName = TRUE) const;
    virtual void UpdateMenu(CCmdUI* pCmdUI);
    virtual void ReadList();
    virtual void WriteList();

    int m_nSize;
    CString* m_arrNames;
    CString m_strSectionName;
    CString m_strEntryFormat;
    UINT m_nStart;
    int m_nMaxDisplayLength;
    CString m_strOriginal; // text of the menu item before the list replaced it
};

// Shortens a path to nMaxLength characters: "C:\...\name.ext"; the file name alone when even that
// does not fit and bAtLeastName is set.
void AfxAbbreviateName(CString& strName, int nMaxLength, BOOL bAtLeastName);
