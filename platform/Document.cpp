// CDocument: file handling of a document.
#include "platform/Document.h"
#include "platform/MessageBox.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

CDocument::CDocument() : m_bModified(FALSE), m_bAutoDelete(TRUE), m_bEmbedded(FALSE) {}

CDocument::~CDocument() { DetachViewsAndTemplate(); }

void CDocument::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle;
    UpdateFrameCounts(); // the frames show the new title
}

void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU)
{
    (void)bAddToMRU;
    wchar_t full[MAX_PATH * 2];
    DWORD n = lpszPathName ? GetFullPathNameW(lpszPathName, MAX_PATH * 2, full, nullptr) : 0;
    m_strPathName = (n > 0 && n < MAX_PATH * 2) ? CString(full) : CString(lpszPathName);
    int slash = m_strPathName.ReverseFind(L'\\');
    SetTitle(m_strPathName.Mid(slash + 1));
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

CFile* CDocument::GetFile(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    CFile* pFile = new CFile;
    if (!pFile->Open(lpszFileName, nOpenFlags, pError))
    {
        delete pFile;
        return nullptr;
    }
    return pFile;
}

void CDocument::ReleaseFile(CFile* pFile, BOOL bAbort)
{
    if (!pFile)
        return;
    if (bAbort)
    {
        pFile->Abort();
    }
    else
    {
        try
        {
            pFile->Close();
        }
        catch (CException* e)
        {
            delete pFile;
            throw e;
        }
    }
    delete pFile;
}

BOOL CDocument::OnOpenDocument(LPCTSTR lpszPathName)
{
    CFileException fe;
    CFile* pFile = GetFile(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &fe);
    if (!pFile)
    {
        ReportSaveLoadException(lpszPathName, &fe, FALSE, 0);
        return FALSE;
    }
    DeleteContents();
    SetModifiedFlag();
    try
    {
        CArchive ar(pFile, CArchive::load | CArchive::bNoFlushOnDelete);
        ar.m_pDocument = this;
        ar.m_bForceFlat = FALSE;
        if (pFile->GetLength() != 0)
            Serialize(ar);
        ar.Close();
        ReleaseFile(pFile, FALSE);
    }
    catch (CException* e)
    {
        ReleaseFile(pFile, TRUE);
        DeleteContents();
        ReportSaveLoadException(lpszPathName, e, FALSE, 0);
        e->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCTSTR lpszPathName)
{
    // Written beside the target first, then moved over it: a failed save leaves the old file.
    CString target(lpszPathName);
    CString temp = target + L".tmp";
    CFileException fe;
    CFile* pFile = GetFile(temp, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive, &fe);
    if (!pFile)
    {
        fe.m_strFileName = target;
        ReportSaveLoadException(lpszPathName, &fe, TRUE, 0);
        return FALSE;
    }
    try
    {
        CArchive ar(pFile, CArchive::store | CArchive::bNoFlushOnDelete);
        ar.m_pDocument = this;
        ar.m_bForceFlat = FALSE;
        Serialize(ar);
        ar.Close();
        ReleaseFile(pFile, FALSE);
        pFile = nullptr;
        if (!MoveFileExW(temp, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            CFileException::ThrowOsError((LONG)GetLastError(), target);
    }
    catch (CException* e)
    {
        if (pFile)
            ReleaseFile(pFile, TRUE);
        DeleteFileW(temp);
        ReportSaveLoadException(lpszPathName, e, TRUE, 0);
        e->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::Serialize(CArchive& ar) { (void)ar; }

void CDocument::ReportSaveLoadException(LPCTSTR lpszPathName, CException* e, BOOL bSaving, UINT nIDPDefault)
{
    CString prompt;
    if (e && e->IsKindOf(RUNTIME_CLASS(CUserException)))
        return; // already reported
    if (e && e->IsKindOf(RUNTIME_CLASS(CArchiveException)))
    {
        switch (((CArchiveException*)e)->m_cause)
        {
        case CArchiveException::badSchema:
        case CArchiveException::badClass:
        case CArchiveException::badIndex:
        case CArchiveException::endOfFile: prompt = L"Unexpected file format."; break;
        default: break;
        }
    }
    else if (e && e->IsKindOf(RUNTIME_CLASS(CFileException)))
    {
        wchar_t text[512];
        if (e->GetErrorMessage(text, 512))
            prompt = text;
    }
    if (prompt.IsEmpty() && nIDPDefault != 0)
        prompt.LoadString(nIDPDefault);
    if (prompt.IsEmpty())
    {
        prompt = bSaving ? L"Failed to save document." : L"Failed to open document.";
        if (lpszPathName && *lpszPathName)
            prompt = prompt + L"\n" + lpszPathName;
    }
    AfxMessageBox(prompt, MB_ICONEXCLAMATION);
}
