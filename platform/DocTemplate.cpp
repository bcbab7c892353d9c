#include "platform/Platform.h"
#include "platform/DocTemplate.h"
#include "platform/View.h"
#include <cstdlib>

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

// ------------------------------------------------------------------------------- CDocTemplate

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass)
{
    LoadTemplate();
}

CDocTemplate::~CDocTemplate() {}

void CDocTemplate::LoadTemplate()
{
    if (m_strDocStrings.IsEmpty())
        m_strDocStrings.LoadString(m_nIDResource);
}

BOOL CDocTemplate::GetDocString(CString& rString, enum DocStringIndex index) const
{
    rString.Empty();
    int start = 0;
    for (int i = 0; i < (int)index; ++i)
    {
        int nl = m_strDocStrings.Find(L'\n', start);
        if (nl < 0)
            return FALSE;
        start = nl + 1;
    }
    int end = m_strDocStrings.Find(L'\n', start);
    if (start > m_strDocStrings.GetLength())
        return FALSE;
    rString = end < 0 ? m_strDocStrings.Mid(start) : m_strDocStrings.Mid(start, end - start);
    return TRUE;
}

void CDocTemplate::AddDocument(CDocument* pDoc) { pDoc->m_pDocTemplate = this; }

void CDocTemplate::RemoveDocument(CDocument* pDoc) { pDoc->m_pDocTemplate = nullptr; }

CDocument* CDocTemplate::CreateNewDocument()
{
    CDocument* pDocument = PlatformCreateObjectAs<CDocument>(m_pDocClass);
    if (pDocument == nullptr)
        return nullptr;
    AddDocument(pDocument);
    return pDocument;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther)
{
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    CFrameWnd* pFrame = PlatformCreateObjectAs<CFrameWnd>(m_pFrameClass);
    if (pFrame == nullptr)
        return nullptr;
    // A frame that fails deletes itself with its window (PostNcDestroy).
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;
    return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible)
{
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

BOOL CDocTemplate::SaveAllModified()
{
    POSITION pos = GetFirstDocPosition();
    while (pos != nullptr)
    {
        CDocument* pDoc = GetNextDoc(pos);
        if (!pDoc->SaveModified())
            return FALSE;
    }
    return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL bEndSession)
{
    (void)bEndSession;
    POSITION pos = GetFirstDocPosition();
    while (pos != nullptr)
    {
        CDocument* pDoc = GetNextDoc(pos);
        pDoc->OnCloseDocument();
    }
}

// ------------------------------------------------------------------------- CSingleDocTemplate

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                       CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{}

CSingleDocTemplate::~CSingleDocTemplate()
{
    if (m_pOnlyDoc != nullptr)
        m_pOnlyDoc->m_pDocTemplate = nullptr;
}

void CSingleDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    m_pOnlyDoc = pDoc;
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc)
{
    if (m_pOnlyDoc == pDoc)
        m_pOnlyDoc = nullptr;
    CDocTemplate::RemoveDocument(pDoc);
}

POSITION CSingleDocTemplate::GetFirstDocPosition() const
{
    return m_pOnlyDoc == nullptr ? nullptr : BEFORE_START_POSITION;
}

CDocument* CSingleDocTemplate::GetNextDoc(POSITION& rPos) const
{
    CDocument* pDoc = nullptr;
    if (rPos == BEFORE_START_POSITION)
        pDoc = m_pOnlyDoc;
    rPos = nullptr;
    return pDoc;
}

void CSingleDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString name;
    if (!GetDocString(name, docName) || name.IsEmpty())
    {
        if (!name.LoadString(AFX_IDS_UNTITLED))
            name = L"Untitled";
    }
    pDocument->SetTitle(name);
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* pDocument = nullptr;
    CFrameWnd* pFrame = nullptr;
    BOOL bCreated = FALSE;
    if (m_pOnlyDoc != nullptr)
    {
        // SDI: the one document is re-initialised in its frame.
        pDocument = m_pOnlyDoc;
        if (!pDocument->SaveModified())
            return nullptr;
        pFrame = DYNAMIC_DOWNCAST(CFrameWnd, AfxGetMainWnd());
    }
    else
    {
        pDocument = CreateNewDocument();
        bCreated = TRUE;
    }
    if (pDocument == nullptr)
    {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        return nullptr;
    }
    if (pFrame == nullptr)
    {
        BOOL bAutoDelete = pDocument->m_bAutoDelete;
        pDocument->m_bAutoDelete = FALSE; // the document survives a failed frame
        pFrame = CreateNewFrame(pDocument, nullptr);
        pDocument->m_bAutoDelete = bAutoDelete;
        if (pFrame == nullptr)
        {
            AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
            RemoveDocument(pDocument);
            delete pDocument;
            return nullptr;
        }
    }
    if (lpszPathName == nullptr)
    {
        SetDefaultTitle(pDocument);
        if (!bMakeVisible)
            pDocument->m_bEmbedded = TRUE;
        if (!pDocument->OnNewDocument())
        {
            // The document told the user; a new frame goes (and takes the document with it).
            if (bCreated)
                pFrame->DestroyWindow();
            return nullptr;
        }
    }
    else
    {
        BOOL bWasModified = pDocument->IsModified();
        pDocument->SetModifiedFlag(FALSE);
        if (!pDocument->OnOpenDocument(lpszPathName))
        {
            if (bCreated)
                pFrame->DestroyWindow();
            else if (!pDocument->IsModified())
                pDocument->SetModifiedFlag(bWasModified);
            else
            {
                // Half-loaded contents are replaced by an empty document.
                SetDefaultTitle(pDocument);
                pDocument->OnNewDocument();
            }
            return nullptr;
        }
        pDocument->SetPathName(lpszPathName);
    }
    CWinApp* pApp = AfxGetApp();
    if (bCreated && pApp != nullptr && pApp->m_pMainWnd == nullptr)
        pApp->m_pMainWnd = pFrame;
    InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
    return pDocument;
}

// -------------------------------------------------------------------------------- CDocManager

CDocManager::~CDocManager()
{
    POSITION pos = m_templateList.GetHeadPosition();
    while (pos != nullptr)
        delete (CDocTemplate*)m_templateList.GetNext(pos);
    m_templateList.RemoveAll();
}

void CDocManager::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (pTemplate == nullptr || m_templateList.Find(pTemplate) != nullptr)
        return;
    pTemplate->LoadTemplate();
    m_templateList.AddTail(pTemplate);
}

int CDocManager::GetDocumentCount() const
{
    int n = 0;
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr)
    {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        POSITION p = pTemplate->GetFirstDocPosition();
        while (p != nullptr)
        {
            pTemplate->GetNextDoc(p);
            ++n;
        }
    }
    return n;
}

CDocument* CDocManager::OpenDocumentFile(LPCTSTR lpszFileName)
{
    POSITION pos = GetFirstDocTemplatePosition();
    if (pos == nullptr)
        return nullptr;
    return GetNextDocTemplate(pos)->OpenDocumentFile(lpszFileName);
}

BOOL CDocManager::SaveAllModified()
{
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr)
        if (!GetNextDocTemplate(pos)->SaveAllModified())
            return FALSE;
    return TRUE;
}

void CDocManager::CloseAllDocuments(BOOL bEndSession)
{
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr)
        GetNextDocTemplate(pos)->CloseAllDocuments(bEndSession);
}

void CDocManager::OnFileNew()
{
    POSITION pos = GetFirstDocTemplatePosition();
    if (pos == nullptr)
        return; // no document type registered
    GetNextDocTemplate(pos)->OpenDocumentFile(nullptr);
}

BOOL PlatformPromptFileName(CString& rPath, BOOL bOpenFileDialog, DWORD dwFlags)
{
    wchar_t buf[MAX_PATH] = {};
    lstrcpynW(buf, rPath, MAX_PATH);
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof ofn;
    CWnd* pMain = AfxGetMainWnd();
    ofn.hwndOwner = pMain ? pMain->GetSafeHwnd() : nullptr;
    ofn.lpstrFile = buf;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrFilter = L"*.*\0*.*\0";
    ofn.Flags = dwFlags;
    if (!(bOpenFileDialog ? GetOpenFileNameW(&ofn) : GetSaveFileNameW(&ofn)))
        return FALSE;
    rPath = buf;
    return TRUE;
}

void CDocManager::OnFileOpen()
{
    CString path;
    if (PlatformPromptFileName(path, TRUE, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST))
        OpenDocumentFile(path);
}

namespace
{
CWinApp* g_pManagedApp = nullptr;

// Runs before the application object's destructor (registered after its construction).
void DeleteDocManager()
{
    if (g_pManagedApp != nullptr && AfxGetApp() == g_pManagedApp)
    {
        delete g_pManagedApp->m_pDocManager;
        g_pManagedApp->m_pDocManager = nullptr;
    }
    g_pManagedApp = nullptr;
}
} // namespace

CDocManager* AfxGetDocManager(CWinApp* pApp)
{
    if (pApp == nullptr)
        return nullptr;
    if (pApp->m_pDocManager == nullptr)
    {
        pApp->m_pDocManager = new CDocManager;
        if (g_pManagedApp == nullptr && pApp == AfxGetApp())
        {
            g_pManagedApp = pApp;
            atexit(DeleteDocManager);
        }
    }
    return pApp->m_pDocManager;
}

// ------------------------------------------------------------------ CWinApp: documents, shell

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate) { AfxGetDocManager(this)->AddDocTemplate(pTemplate); }

CDocument* CWinApp::OpenDocumentFile(LPCTSTR lpszFileName)
{
    return AfxGetDocManager(this)->OpenDocumentFile(lpszFileName);
}

void CWinApp::OnFileNew() { AfxGetDocManager(this)->OnFileNew(); }

void CWinApp::OnFileOpen() { AfxGetDocManager(this)->OnFileOpen(); }

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand)
    {
    case CCommandLineInfo::FileNew:
        // A handler of ID_FILE_NEW in the application's map wins over the default.
        if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr))
            OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen: return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    case CCommandLineInfo::FileNothing:
    case CCommandLineInfo::FileDDE: return TRUE;
    default:
        // Printing and (un)registration are not offered by this program.
        return FALSE;
    }
}
