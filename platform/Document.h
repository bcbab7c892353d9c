// CDocument: the data of the program, loaded from and saved to a file through CArchive.
#pragma once
#include "platform/Archive.h"
#include "platform/CmdTarget.h"
#include "platform/Collections.h"
#include "platform/Exceptions.h"
#include "platform/File.h"
#include "platform/String.h"

class CView;
class CFrameWnd;
class CDocTemplate;

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

    // Window side: views, template, closing (DocumentViews.cpp).
    virtual void AddView(CView* pView);
    virtual void RemoveView(CView* pView);
    virtual POSITION GetFirstViewPosition() const;
    virtual CView* GetNextView(POSITION& rPosition) const;
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0L, CObject* pHint = nullptr);
    // The last view gone closes an auto-delete document.
    virtual void OnChangedViewList();
    // Destroys the frames of the document, then the document itself when it auto-deletes.
    virtual void OnCloseDocument();
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    // Asks to save a modified document: FALSE when the user cancels.
    virtual BOOL SaveModified();
    virtual BOOL DoFileSave();
    virtual void PreCloseFrame(CFrameWnd* pFrame);
    virtual void UpdateFrameCounts();
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
    // Commands: the document, then its template.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    CDocTemplate* m_pDocTemplate = nullptr;
    CPtrList m_viewList;

private:
    // At destruction: views still attached lose their document, the template forgets it.
    void DetachViewsAndTemplate();

public:
    CString m_strTitle;
    CString m_strPathName;
    BOOL m_bModified;
    BOOL m_bAutoDelete;
    BOOL m_bEmbedded;
};
