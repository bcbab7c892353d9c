// CCorvane_smsView: the form, the document's side files, the worker pool, phone commands and
// status lines.
#include "app/Corvane_smsView.h"
#include "app/Corvane_sms.h"
#include "app/MainFrm.h"
#include "phone/AppSettings.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/PhoneJobs.h"
#include "phone/PostedText.h"
#include "phone/StoreHelpers.h"

IMPLEMENT_DYNCREATE(CCorvane_smsView, CExtFormViewBase)

BEGIN_MESSAGE_MAP(CCorvane_smsView, CCorvane_smsViewBase)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_MESSAGE(WM_APP_STATUS_TEXT, OnWorkerStatus)
ON_COMMAND(ID_RECEIVE_SMS, OnReceiveSms)
ON_COMMAND(ID_SEND_SMS, OnSendSms)
ON_COMMAND(ID_SEND_RECEIVE_SMS, OnSendReceiveSms)
END_MESSAGE_MAP()

CCorvane_smsView::CCorvane_smsView() : CCorvane_smsViewBase(IDD_CORVANE_SMS_FORM) {}

CCorvane_smsView::~CCorvane_smsView() {}

void CCorvane_smsView::DoDataExchange(CDataExchange* pDX)
{
    CCorvane_smsViewBase::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SENDER, m_wndSender);
    DDX_Control(pDX, IDC_SENDER_CAPTION, m_wndSenderCaption);
    DDX_Control(pDX, IDC_LABEL_NEW, m_wndLabelNew);
    DDX_Control(pDX, IDC_COUNT_NEW, m_wndCountNew);
    DDX_Control(pDX, IDC_LABEL_TOTAL, m_wndLabelTotal);
    DDX_Control(pDX, IDC_COUNT_TOTAL, m_wndCountTotal);
    DDX_Control(pDX, IDC_MESSAGE_TEXT, m_wndText);
}

CCorvane_smsDoc* CCorvane_smsView::GetDocument() const { return dynamic_cast<CCorvane_smsDoc*>(m_pDocument); }

int CCorvane_smsView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CCorvane_smsViewBase::OnCreate(lpCreateStruct) == -1)
        return -1;
    CCorvane_smsApp* pApp = GetCorvaneApp();
    CCorvane_smsDoc* pDoc = GetDocument();
    // Outlook's contacts name the numbers; this waits for Outlook on the GUI thread.
    if (pDoc)
        pDoc->LoadOutlookContacts();
    ShowSizeGrip(false);
    if (pApp)
    {
        pApp->SetDoc(pDoc);
        pApp->SetView(this);
        pApp->m_port.ResetAbort();
    }
    if (pDoc)
    {
        CString strFolder = GetAppFolder();
        pDoc->SetLogFilePath(strFolder + CORVANE_LOG_FILE_NAME);
        pDoc->SetMyTextFilePath(strFolder + CORVANE_MYTEXT_FILE_NAME);
        pDoc->SetQuickReplyFilePath(strFolder + CORVANE_QUICKREPLY_FILE_NAME);
        pDoc->LoadData();
    }
    m_pool.Start(1, nullptr);
    return 0;
}

void CCorvane_smsView::OnInitialUpdate()
{
    CCorvane_smsViewBase::OnInitialUpdate();
    if (CExtPaintManager* pPM = g_PaintManagerHolder.GetPM())
        m_wndSender.SetBkColour(pPM->GetTranslatedColor(XCLR_FACE_NORMAL));
    m_wndSender.RedrawWindow();
    // The message text fills the form below the sender field and follows its size.
    CRect rcClient, rcText;
    GetClientRect(&rcClient);
    m_wndText.GetWindowRect(&rcText);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    m_wndText.SetWindowPos(nullptr, 0, 0, std::max(0, rcClient.Width() - 3), std::max(0, rcWindow.Height() - 56),
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    AddAnchorById(IDC_MESSAGE_TEXT, AnchorTopLeft, AnchorBottomRight);
    // The form never scrolls.
    SetScrollSizes(MM_TEXT, CSize(0, 0));
    if (CMainFrame* pFrame = dynamic_cast<CMainFrame*>(GetParentFrame()))
        pFrame->ShowFolder(SMS_FOLDER_INBOX);
}

void CCorvane_smsView::OnDestroy()
{
    // Stop the phone first: a running job ends at its next wait, and the wait for it keeps
    // handling messages, so a job that hands work to this thread cannot hang the shutdown.
    CCorvane_smsApp* pApp = GetCorvaneApp();
    if (pApp)
        pApp->m_port.Abort();
    m_pool.Shutdown(TRUE);
    if (pApp)
    {
        pApp->m_port.Close();
        pApp->m_port.ResetAbort();
    }
    if (CCorvane_smsDoc* pDoc = GetDocument())
        pDoc->SaveData();
    if (pApp && pApp->GetView() == this)
        pApp->SetView(nullptr);
    CCorvane_smsViewBase::OnDestroy();
}

LRESULT CCorvane_smsView::OnWorkerStatus(WPARAM wParam, LPARAM)
{
    CString strText;
    LRESULT r = TakePostedText(wParam, strText);
    if (r != 0)
        return r;
    m_strStatus = strText;
    if (CMainFrame* pFrame = dynamic_cast<CMainFrame*>(GetParentFrame()))
        pFrame->SetStatusText(2, strText);
    return 0;
}

BOOL CCorvane_smsView::QueueJob(CPhoneJob* pJob) { return m_pool.Enqueue(pJob); }

void CCorvane_smsView::OnReceiveSms()
{
    CCorvane_smsApp* pApp = GetCorvaneApp();
    if (pApp && pApp->m_port.IsOpen())
        return;
    QueueJob(new CReceiveJob);
}

void CCorvane_smsView::OnSendSms()
{
    CCorvane_smsApp* pApp = GetCorvaneApp();
    if (pApp && pApp->m_port.IsOpen())
        return;
    QueueJob(new CSendJob);
}

void CCorvane_smsView::OnSendReceiveSms()
{
    CCorvane_smsApp* pApp = GetCorvaneApp();
    if (pApp && pApp->m_port.IsOpen())
        return;
    QueueJob(new CSendReceiveJob);
}

void CCorvane_smsView::RefreshList()
{
    if (CMainFrame* pFrame = dynamic_cast<CMainFrame*>(GetParentFrame()))
        pFrame->ShowFolder(pFrame->GetSelectedFolder());
}
