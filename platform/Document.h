// CDocument: the data of the program, loaded from and saved to a file through CArchive.
#pragma once
#include "platform/Archive.h"
#include "platform/CmdTarget.h"
#include "platform/Exceptions.h"
#include "platform/File.h"
#include "platform/String.h"

class CDocument : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument();
    ~CDocument() override;

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCTSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    // Full path; the title becomes the file's name.
    virtual void SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU = TRUE);
    virtual BOOL IsModified() { return m_bModified; }
    virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    virtual BOOL OnNewDocument();
    virtual BOOL OnOpenDocument(LPCTSTR lpszPathName);
    virtual BOOL OnSaveDocument(LPCTSTR lpszPathName);
    virtual void DeleteContents() {}
    void Serialize(CArchive& ar) override;

    virtual CFile* GetFile(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError);
    virtual void ReleaseFile(CFile* pFile, BOOL bAbort);
    // Tells the user why loading or saving failed (from the exception when there is one).
    virtual void ReportSaveLoadException(LPCTSTR lpszPathName, CException* e, BOOL bSaving, UINT nIDPDefault);

    CString m_strTitle;
    CString m_strPathName;
    BOOL m_bModified;
    BOOL m_bAutoDelete;
    BOOL m_bEmbedded;
};
