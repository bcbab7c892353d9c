// A frame, a form view and a document started through a single-document template: creation,
// command routing, command UI of a menu, idle layout, status prompts, titles and closing.
#include <gtest/gtest.h>
#include "FramesTestApp.h"
#include "frames_test_ids.h"

namespace
{
int g_docsAlive = 0;
int g_initialUpdates = 0;
int g_framesAlive = 0;
int g_viewsAlive = 0;

class CTestDoc : public CDocument
{
    DECLARE_DYNCREATE(CTestDoc)
public:
    CTestDoc() { ++g_docsAlive; }
    ~CTestDoc() override { --g_docsAlive; }
    BOOL OnNewDocument() override
    {
        if (!CDocument::OnNewDocument())
            return FALSE;
        m_strName = L"mulai";
        return TRUE;
    }
    CString m_strName;
    int m_nDocCommands = 0;
    int m_nDisabledCommands = 0;

protected:
    void OnTestDoc() { ++m_nDocCommands; }
    void OnTestDisabled() { ++m_nDisabledCommands; }
    void OnUpdateTestDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestDoc, CDocument)
BEGIN_MESSAGE_MAP(CTestDoc, CDocument)
ON_COMMAND(ID_TEST_DOC, OnTestDoc)
ON_COMMAND(ID_TEST_DISABLED, OnTestDisabled)
ON_UPDATE_COMMAND_UI(ID_TEST_DISABLED, OnUpdateTestDisabled)
END_MESSAGE_MAP()

class CTestView : public CFormView
{
    DECLARE_DYNCREATE(CTestView)
public:
    CTestView() : CTestView(IDD_TESTFORM) {}
    explicit CTestView(UINT nIDTemplate) : CFormView(nIDTemplate) { ++g_viewsAlive; }
    ~CTestView() override { --g_viewsAlive; }
    CTestDoc* GetDoc() const { return (CTestDoc*)GetDocument(); }
    int m_nViewCommands = 0;
    int m_nBothCommands = 0;
    int m_nUpdates = 0;
    LPARAM m_lastHint = 0;
    CString m_strEdit;
    CEdit m_edit;

    void OnInitialUpdate() override
    {
        ++g_initialUpdates;
        m_strEdit = GetDoc()->m_strName;
        CFormView::OnInitialUpdate();
    }
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override
    {
        ++m_nUpdates;
        m_lastHint = lHint;
        CFormView::OnUpdate(pSender, lHint, pHint);
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_FORM_EDIT, m_edit);
        DDX_Text(pDX, IDC_FORM_EDIT, m_strEdit);
    }
    void OnTestView() { ++m_nViewCommands; }
    void OnTestBoth() { ++m_nBothCommands; }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestView, CFormView)
BEGIN_MESSAGE_MAP(CTestView, CFormView)
ON_COMMAND(ID_TEST_VIEW, OnTestView)
ON_COMMAND(ID_TEST_BOTH, OnTestBoth)
END_MESSAGE_MAP()

// A bar along the top of the frame: takes 20 pixels of the layout.
class CTopStrip : public CWnd
{
public:
    int m_nHeight = 20;
    int m_nInitialUpdates = 0; // WM_INITIALUPDATE seen, which its map does not handle

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        m_nInitialUpdates += message == WM_INITIALUPDATE ? 1 : 0;
        return CWnd::WindowProc(message, wParam, lParam);
    }

protected:
    LRESULT OnSizeParent(WPARAM, LPARAM lParam)
    {
        AFX_SIZEPARENTPARAMS* p = (AFX_SIZEPARENTPARAMS*)lParam;
        CRect rc(p->rect.left, p->rect.top, p->rect.right, p->rect.top + m_nHeight);
        AfxRepositionWindow(p, m_hWnd, &rc);
        p->rect.top += m_nHeight;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTopStrip, CWnd)
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

class CTestFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CTestFrame)
public:
    CTestFrame() { ++g_framesAlive; }
    ~CTestFrame() override { --g_framesAlive; }
    int m_nFrameCommands = 0;
    int m_nBothCommands = 0;
    int m_nCreates = 0;
    CString m_strTitleAtShow; // the window text when the frame first showed

protected:
    void OnShowWindow(BOOL bShow, UINT nStatus)
    {
        if (bShow && m_strTitleAtShow.IsEmpty())
        {
            wchar_t buf[256] = {};
            ::GetWindowTextW(m_hWnd, buf, 256);
            m_strTitleAtShow = buf;
        }
        CFrameWnd::OnShowWindow(bShow, nStatus);
    }
    int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CFrameWnd::OnCreate(lpcs) == -1)
            return -1;
        ++m_nCreates;
        return 0;
    }
    void OnTestFrame() { ++m_nFrameCommands; }
    void OnTestBoth() { ++m_nBothCommands; }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestFrame, CFrameWnd)
BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
ON_WM_CREATE()
ON_WM_SHOWWINDOW()
ON_COMMAND(ID_TEST_FRAME, OnTestFrame)
ON_COMMAND(ID_TEST_BOTH, OnTestBoth)
END_MESSAGE_MAP()

CString WindowText(HWND h)
{
    wchar_t buf[256] = {};
    ::GetWindowTextW(h, buf, 256);
    return CString(buf);
}

CRect ChildRectIn(HWND hParent, HWND hChild)
{
    CRect rc;
    ::GetWindowRect(hChild, &rc);
    ::MapWindowPoints(nullptr, hParent, (LPPOINT)&rc, 2);
    return rc;
}
} // namespace

TEST(FrameDocView, SingleDocumentTemplateRunsFrameFormViewAndDocument)
{
    CFramesTestApp& app = TestApp();
    app.m_nCmdShow = SW_SHOWNORMAL;
    app.AddDocTemplate(new CSingleDocTemplate(IDR_TESTFRAME, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestFrame),
                                              RUNTIME_CLASS(CTestView)));
    CCommandLineInfo cmdInfo;
    ASSERT_EQ(cmdInfo.m_nShellCommand, CCommandLineInfo::FileNew);
    ASSERT_TRUE(app.ProcessShellCommand(cmdInfo));

    // The frame, its view and the document know each other.
    CTestFrame* pFrame = DYNAMIC_DOWNCAST(CTestFrame, app.m_pMainWnd);
    ASSERT_NE(pFrame, nullptr);
    EXPECT_EQ(pFrame->m_nCreates, 1);
    CTestView* pView = DYNAMIC_DOWNCAST(CTestView, pFrame->GetActiveView());
    ASSERT_NE(pView, nullptr);
    CTestDoc* pDoc = DYNAMIC_DOWNCAST(CTestDoc, pFrame->GetActiveDocument());
    ASSERT_NE(pDoc, nullptr);
    EXPECT_EQ(pView->GetDocument(), pDoc);
    POSITION pos = pDoc->GetFirstViewPosition();
    EXPECT_EQ(pDoc->GetNextView(pos), pView);
    EXPECT_EQ(pos, nullptr);
    EXPECT_EQ(pView->GetDlgCtrlID(), AFX_IDW_PANE_FIRST);
    wchar_t cls[64] = {};
    ::GetClassNameW(pView->m_hWnd, cls, 64);
    EXPECT_STREQ(cls, CFormView::FormViewClass()); // a view, not a dialog box class
    EXPECT_TRUE(pFrame->IsWindowVisible());

    // The view's initial update filled the form's controls from the document.
    EXPECT_EQ(g_initialUpdates, 1);
    ASSERT_NE(pView->m_edit.m_hWnd, nullptr);
    EXPECT_EQ(pView->m_edit.m_hWnd, ::GetDlgItem(pView->m_hWnd, IDC_FORM_EDIT));
    EXPECT_STREQ(WindowText(pView->m_edit.m_hWnd), L"mulai");

    // Title: document name before the frame's title, there when the frame first shows.
    EXPECT_STREQ(WindowText(pFrame->m_hWnd), L"TestDoc - FramesTest");
    EXPECT_STREQ(pFrame->m_strTitleAtShow, L"TestDoc - FramesTest");
    pDoc->SetTitle(L"Pesan");
    EXPECT_STREQ(WindowText(pFrame->m_hWnd), L"Pesan - FramesTest");

    // The view fills the client area.
    CRect client;
    pFrame->GetClientRect(&client);
    EXPECT_EQ(ChildRectIn(pFrame->m_hWnd, pView->m_hWnd), client);

    // Commands: the view before the frame, then the document, then the application.
    pFrame->SendMessage(WM_COMMAND, ID_TEST_FRAME);
    pFrame->SendMessage(WM_COMMAND, ID_TEST_VIEW);
    pFrame->SendMessage(WM_COMMAND, ID_TEST_DOC);
    pFrame->SendMessage(WM_COMMAND, ID_TEST_APP);
    pFrame->SendMessage(WM_COMMAND, ID_TEST_BOTH);
    pFrame->SendMessage(WM_COMMAND, ID_TEST_DISABLED); // refused: its state says disabled
    EXPECT_EQ(pDoc->m_nDisabledCommands, 0);
    EXPECT_EQ(pFrame->m_nFrameCommands, 1);
    EXPECT_EQ(pView->m_nViewCommands, 1);
    EXPECT_EQ(pDoc->m_nDocCommands, 1);
    EXPECT_EQ(app.m_nAppCommands, 1);
    EXPECT_EQ(pView->m_nBothCommands, 1);
    EXPECT_EQ(pFrame->m_nBothCommands, 0);

    // The menu's items are updated through the command UI when it opens.
    HMENU hPopup = ::GetSubMenu(::GetMenu(pFrame->m_hWnd), 0);
    ASSERT_NE(hPopup, nullptr);
    pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)hPopup, 0);
    auto grayed = [&](UINT id) { return (::GetMenuState(hPopup, id, MF_BYCOMMAND) & MF_GRAYED) != 0; };
    EXPECT_FALSE(grayed(ID_TEST_FRAME));
    EXPECT_FALSE(grayed(ID_TEST_VIEW));
    EXPECT_FALSE(grayed(ID_TEST_DOC));
    EXPECT_TRUE(grayed(ID_TEST_DISABLED));  // its update handler disables it
    EXPECT_FALSE(grayed(ID_TEST_APP));      // the application's handler enables it
    EXPECT_TRUE(grayed(ID_TEST_NOHANDLER)); // no handler at all
    // Without automatic enabling, items without handlers are left as they are.
    ::EnableMenuItem(hPopup, ID_TEST_NOHANDLER, MF_BYCOMMAND | MF_ENABLED);
    pFrame->m_bAutoMenuEnable = FALSE;
    pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)hPopup, 0);
    EXPECT_FALSE(grayed(ID_TEST_NOHANDLER));
    pFrame->m_bAutoMenuEnable = TRUE;

    // Status prompts: a static with the status-bar id stands for the bar.
    CStatic status;
    ASSERT_TRUE(status.Create(L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), pFrame, AFX_IDW_STATUS_BAR));
    HWND hStatus = status.m_hWnd;
    pFrame->SendMessage(WM_SETMESSAGESTRING, ID_TEST_FRAME);
    EXPECT_STREQ(WindowText(hStatus), L"Perintah bingkai");
    pFrame->SendMessage(WM_SETMESSAGESTRING, 0, (LPARAM)L"teks langsung");
    EXPECT_STREQ(WindowText(hStatus), L"teks langsung");
    pFrame->SetMessageText(AFX_IDS_IDLEMESSAGE);
    EXPECT_STREQ(WindowText(hStatus), L"Ready");
    EXPECT_STREQ(pFrame->GetLastMessageText(), L"Ready");
    CString prompt;
    pFrame->GetMessageString(ID_TEST_VIEW, prompt);
    EXPECT_STREQ(prompt, L"Perintah tampilan");
    // Closing a menu returns to the idle prompt.
    pFrame->SetMessageText(L"lain");
    pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_STREQ(WindowText(hStatus), L"Ready");

    // The status bar's View command shows and hides it, and its menu item carries the check.
    pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)hPopup, 0);
    EXPECT_NE(::GetMenuState(hPopup, ID_VIEW_STATUS_BAR, MF_BYCOMMAND) & MF_CHECKED, 0u);
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(status.IsWindowVisible());
    pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)hPopup, 0);
    EXPECT_EQ(::GetMenuState(hPopup, ID_VIEW_STATUS_BAR, MF_BYCOMMAND) & MF_CHECKED, 0u);
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(status.IsWindowVisible());
    // Only control bars are found by their id; a plain window with a bar's id is not one.
    EXPECT_EQ(pFrame->GetControlBar(AFX_IDW_STATUS_BAR), nullptr);
    EXPECT_EQ(pFrame->GetControlBar(ID_TEST_FRAME), nullptr);
    status.DestroyWindow();

    // A bar added later takes its room at the next idle time, not before.
    CTopStrip* pStrip = new CTopStrip;
    ASSERT_TRUE(pStrip->Create(nullptr, L"strip", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), pFrame,
                               AFX_IDW_CONTROLBAR_FIRST + 40));
    pFrame->DelayRecalcLayout();
    EXPECT_NE(pFrame->m_nIdleFlags & CFrameWnd::idleLayout, 0u);
    EXPECT_EQ(ChildRectIn(pFrame->m_hWnd, pView->m_hWnd).top, 0);
    app.OnIdle(0);
    EXPECT_EQ(pFrame->m_nIdleFlags, 0u);
    CRect viewRect = ChildRectIn(pFrame->m_hWnd, pView->m_hWnd);
    EXPECT_EQ(viewRect.top, 20);
    EXPECT_EQ(viewRect.bottom, client.bottom);
    EXPECT_EQ(ChildRectIn(pFrame->m_hWnd, pStrip->m_hWnd).Height(), 20);
    // The same through a resize of the frame.
    pStrip->m_nHeight = 30;
    CRect wr;
    pFrame->GetWindowRect(&wr);
    pFrame->SetWindowPos(nullptr, 0, 0, wr.Width() + 10, wr.Height() + 10, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(ChildRectIn(pFrame->m_hWnd, pView->m_hWnd).top, 30);
    // The initial update reaches the windows that handle it: the view, not the strip.
    pFrame->InitialUpdateFrame(pDoc, TRUE);
    EXPECT_EQ(g_initialUpdates, 2);
    EXPECT_EQ(pStrip->m_nInitialUpdates, 0);

    // The form scrolls only when its contents are larger than the view.
    pView->SetScrollSizes(MM_TEXT, CSize(0, 0));
    EXPECT_EQ(pView->GetStyle() & (WS_HSCROLL | WS_VSCROLL), 0u);
    pView->SetScrollSizes(MM_TEXT, CSize(3000, 3000));
    EXPECT_EQ(pView->GetStyle() & (WS_HSCROLL | WS_VSCROLL), (DWORD)(WS_HSCROLL | WS_VSCROLL));
    pView->ScrollToPosition(CPoint(100, 50));
    EXPECT_EQ(pView->GetScrollPosition(), CPoint(100, 50));
    pView->ScrollToPosition(CPoint(0, 0));
    pView->SetScrollSizes(MM_TEXT, CSize(0, 0));

    // Views hear of document changes, except the sender.
    int before = pView->m_nUpdates;
    pDoc->UpdateAllViews(nullptr, 7);
    EXPECT_EQ(pView->m_nUpdates, before + 1);
    EXPECT_EQ(pView->m_lastHint, 7);
    pDoc->UpdateAllViews(pView, 8);
    EXPECT_EQ(pView->m_nUpdates, before + 1);

    // File New again re-initialises the one document in the same frame.
    pView->m_edit.SetWindowText(L"diubah");
    app.OnFileNew();
    EXPECT_EQ(app.m_pMainWnd, pFrame);
    EXPECT_EQ(pFrame->GetActiveDocument(), pDoc);
    EXPECT_EQ(g_docsAlive, 1);
    EXPECT_EQ(g_initialUpdates, 3);
    EXPECT_STREQ(WindowText(pView->m_edit.m_hWnd), L"mulai");

    // Closing the main frame closes the document and ends the message loop.
    pStrip->DestroyWindow();
    delete pStrip;
    HWND hFrame = pFrame->m_hWnd;
    pFrame->PostMessage(WM_CLOSE);
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hFrame); }));
    EXPECT_EQ(g_docsAlive, 0);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    MSG quit;
    EXPECT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    DrainQuit();
}

namespace
{
// A document that cannot start.
class CFailingDoc : public CTestDoc
{
    DECLARE_DYNCREATE(CFailingDoc)
public:
    BOOL OnNewDocument() override { return FALSE; }
};
IMPLEMENT_DYNCREATE(CFailingDoc, CTestDoc)

// A view whose form template does not exist.
class CBrokenView : public CTestView
{
    DECLARE_DYNCREATE(CBrokenView)
public:
    CBrokenView() : CTestView(9999) {}
};
IMPLEMENT_DYNCREATE(CBrokenView, CTestView)
} // namespace

TEST(FrameDocView, FailedStartsLeaveNoDocumentFrameOrView)
{
    CFramesTestApp& app = TestApp();
    ASSERT_EQ(app.m_pMainWnd, nullptr);
    {
        // The document refuses to start: its new frame goes and takes the document along.
        CSingleDocTemplate tmpl(IDR_TESTFRAME, RUNTIME_CLASS(CFailingDoc), RUNTIME_CLASS(CTestFrame),
                                RUNTIME_CLASS(CTestView));
        EXPECT_EQ(tmpl.OpenDocumentFile(nullptr), nullptr);
        EXPECT_EQ(tmpl.m_pOnlyDoc, nullptr);
    }
    EXPECT_EQ(g_docsAlive, 0);
    EXPECT_EQ(g_framesAlive, 0);
    EXPECT_EQ(g_viewsAlive, 0);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    {
        // The view cannot be made: the frame fails, the user is told, nothing is left.
        CapturedMessageBoxes boxes;
        CSingleDocTemplate tmpl(IDR_TESTFRAME, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestFrame),
                                RUNTIME_CLASS(CBrokenView));
        EXPECT_EQ(tmpl.OpenDocumentFile(nullptr), nullptr);
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_STREQ(boxes.boxes[0].text, L"Gagal membuat dokumen kosong.");
        EXPECT_EQ(tmpl.m_pOnlyDoc, nullptr);
    }
    EXPECT_EQ(g_docsAlive, 0);
    EXPECT_EQ(g_framesAlive, 0);
    EXPECT_EQ(g_viewsAlive, 0);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    DrainQuit();
}

TEST(FrameDocView, ClosingAskedForAModifiedDocumentAndHelpModeCommands)
{
    CFramesTestApp& app = TestApp();
    app.OnFileNew(); // the template registered by the first test
    CTestFrame* pFrame = DYNAMIC_DOWNCAST(CTestFrame, app.m_pMainWnd);
    ASSERT_NE(pFrame, nullptr);
    CTestDoc* pDoc = DYNAMIC_DOWNCAST(CTestDoc, pFrame->GetActiveDocument());
    ASSERT_NE(pDoc, nullptr);
    HWND hFrame = pFrame->m_hWnd;

    // In help mode a menu command is not carried out; it ends the mode.
    pFrame->m_bHelpMode = TRUE;
    pFrame->SendMessage(WM_COMMAND, ID_TEST_FRAME);
    EXPECT_EQ(pFrame->m_nFrameCommands, 0);
    EXPECT_FALSE(pFrame->m_bHelpMode);
    pFrame->SendMessage(WM_COMMAND, ID_TEST_FRAME);
    EXPECT_EQ(pFrame->m_nFrameCommands, 1);

    // A modified document asks before its frame closes; Cancel keeps everything.
    pDoc->SetModifiedFlag(TRUE);
    UINT answer = IDCANCEL;
    CapturedMessageBoxes boxes([&](const MessageBoxRecord&) { return (int)answer; });
    pFrame->SendMessage(WM_CLOSE);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_STREQ(boxes.boxes[0].text, L"Simpan perubahan pada TestDoc?");
    EXPECT_NE(boxes.boxes[0].type & MB_YESNOCANCEL, 0u);
    EXPECT_TRUE(::IsWindow(hFrame));
    EXPECT_EQ(g_docsAlive, 1);

    // No: closed without saving.
    answer = IDNO;
    pFrame->SendMessage(WM_CLOSE);
    EXPECT_EQ(boxes.boxes.size(), 2u);
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_EQ(g_docsAlive, 0);
    EXPECT_EQ(g_framesAlive, 0);
    EXPECT_EQ(g_viewsAlive, 0);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    DrainQuit();
}
