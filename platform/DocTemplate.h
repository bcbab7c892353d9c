// Document templates: which document, frame and view classes make up a document type, the
// creation of a document with its frame and view, and the application's File New / File Open
// and command-line processing.
#pragma once
#include "platform/FrameWnd.h"

class CDocument;

class CDocTemplate : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocTemplate)
protected:
    CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass);

public:
    virtual ~CDocTemplate();

    // Parts of the template's string (id nIDResource), separated by '\n'.
    enum DocStringIndex
    {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName
    };
    virtual BOOL GetDocString(CString& rString, enum DocStringIndex index) const;
    virtual void LoadTemplate();

    virtual POSITION GetFirstDocPosition() const = 0;
    virtual CDocument* GetNextDoc(POSITION& rPos) const = 0;
    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);

    virtual CDocument* CreateNewDocument();
    // A frame from resource nIDResource whose client is a new view of pDoc.
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
    virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);
    virtual BOOL SaveAllModified();
    virtual void CloseAllDocuments(BOOL bEndSession);
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    virtual void SetDefaultTitle(CDocument* pDocument) = 0;

    UINT m_nIDResource;
    CRuntimeClass* m_pDocClass;
    CRuntimeClass* m_pFrameClass;
    CRuntimeClass* m_pViewClass;
    CString m_strDocStrings;
    BOOL m_bAutoDelete = TRUE;
};

class CSingleDocTemplate : public CDocTemplate
{
    DECLARE_DYNAMIC(CSingleDocTemplate)
public:
    CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                       CRuntimeClass* pViewClass);
    virtual ~CSingleDocTemplate();

    virtual void AddDocument(CDocument* pDoc) override;
    virtual void RemoveDocument(CDocument* pDoc) override;
    virtual POSITION GetFirstDocPosition() const override;
    virtual CDocument* GetNextDoc(POSITION& rPos) const override;
    // The one document is created once and re-initialised afterwards (SDI).
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
    virtual void SetDefaultTitle(CDocument* pDocument) override;

    CDocument* m_pOnlyDoc = nullptr;
};

// The templates of an application and the File commands over them.
class CDocManager
{
public:
    CDocManager() {}
    ~CDocManager();
    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const { return m_templateList.GetHeadPosition(); }
    CDocTemplate* GetNextDocTemplate(POSITION& pos) const { return (CDocTemplate*)m_templateList.GetNext(pos); }
    int GetDocumentCount() const;
    CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
    BOOL SaveAllModified();
    void CloseAllDocuments(BOOL bEndSession);
    void OnFileNew();
    void OnFileOpen();

    CPtrList m_templateList;
};

// The document manager of an application (created on first use).
CDocManager* AfxGetDocManager(CWinApp* pApp);

// The common Open or Save As dialog over the main window, for any file: rPath holds the name it
// starts with and gets the one chosen. FALSE when the user cancels.
BOOL PlatformPromptFileName(CString& rPath, BOOL bOpenFileDialog, DWORD dwFlags);
