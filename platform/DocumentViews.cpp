// The window side of CDocument: its views, its template, closing and saving on close.
#include "platform/Platform.h"
#include "platform/Document.h"
#include "platform/DocTemplate.h"
#include "platform/View.h"

void CDocument::AddView(CView* pView)
{
    if (pView == nullptr || m_viewList.Find(pView) != nullptr)
        return;
    m_viewList.AddTail(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    POSITION pos = m_viewList.Find(pView);
    if (pos == nullptr)
        return;
    m_viewList.RemoveAt(pos);
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

POSITION CDocument::GetFirstViewPosition() const { return m_viewList.GetHeadPosition(); }

CView* CDocument::GetNextView(POSITION& rPosition) const { return (CView*)m_viewList.GetNext(rPosition); }

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    POSITION pos = GetFirstViewPosition();
    while (pos != nullptr)
    {
        CView* pView = GetNextView(pos);
        if (pView != pSender)
            pView->OnUpdate(pSender, lHint, pHint);
    }
}

void CDocument::OnChangedViewList()
{
    // A document whose last view went away closes itself.
    if (m_viewList.IsEmpty() && m_bAutoDelete)
    {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

void CDocument::UpdateFrameCounts()
{
    // Number the frames showing this document (0 when there is only one).
    CPtrList frames;
    POSITION pos = GetFirstViewPosition();
    while (pos != nullptr)
    {
        CView* pView = GetNextView(pos);
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != nullptr && pView->IsWindowVisible() && frames.Find(pFrame) == nullptr)
            frames.AddTail(pFrame);
    }
    int n = frames.GetCount() > 1 ? 1 : 0;
    pos = frames.GetHeadPosition();
    while (pos != nullptr)
    {
        CFrameWnd* pFrame = (CFrameWnd*)frames.GetNext(pos);
        pFrame->m_nWindow = n ? n++ : 0;
        pFrame->OnUpdateFrameTitle(TRUE);
    }
}

void CDocument::PreCloseFrame(CFrameWnd* pFrame) { (void)pFrame; }

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrame)
{
    // Another frame of the same document keeps it open without asking.
    POSITION pos = GetFirstViewPosition();
    while (pos != nullptr)
    {
        CView* pView = GetNextView(pos);
        CFrameWnd* pOther = pView->GetParentFrame();
        if (pOther != nullptr && pOther != pFrame)
            return TRUE;
    }
    return SaveModified();
}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CString name = m_strPathName.IsEmpty() ? m_strTitle : m_strPathName;
    CString prompt;
    if (!prompt.LoadString(AFX_IDP_ASK_TO_SAVE))
        prompt = L"Simpan perubahan pada %1?";
    prompt.Replace(L"%1", name);
    switch (AfxMessageBox((LPCTSTR)prompt, MB_YESNOCANCEL | MB_ICONQUESTION))
    {
    case IDCANCEL: return FALSE;
    case IDYES: return DoFileSave();
    default: return TRUE;
    }
}

BOOL CDocument::DoFileSave()
{
    CString path = m_strPathName;
    if (path.IsEmpty())
    {
        path = m_strTitle;
        if (!PlatformPromptFileName(path, FALSE, OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST))
            return FALSE;
    }
    if (!OnSaveDocument(path))
        return FALSE;
    SetPathName(path);
    return TRUE;
}

void CDocument::OnCloseDocument()
{
    // The document stays alive while its frames go.
    BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.IsEmpty())
    {
        CView* pView = (CView*)m_viewList.GetHead();
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != nullptr)
        {
            PreCloseFrame(pFrame);
            pFrame->DestroyWindow(); // destroys the view too
        }
        else if (pView->GetSafeHwnd() != nullptr)
            pView->DestroyWindow();
        // A view that did not leave (no window) is let go here, so the loop ends.
        if (!m_viewList.IsEmpty() && m_viewList.GetHead() == pView)
            RemoveView(pView);
    }
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate != nullptr && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CDocument::DetachViewsAndTemplate()
{
    POSITION pos = m_viewList.GetHeadPosition();
    while (pos != nullptr)
        ((CView*)m_viewList.GetNext(pos))->m_pDocument = nullptr;
    m_viewList.RemoveAll();
    if (m_pDocTemplate != nullptr)
        m_pDocTemplate->RemoveDocument(this);
}
