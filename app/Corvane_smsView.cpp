// CCorvane_smsView: the form, the document's side files, the worker pool, phone commands and
// status lines.
#include "app/Corvane_smsView.h"
#include "app/Corvane_sms.h"
#include "app/DlgComposeSms.h"
#include "app/EventSounds.h"
#include "app/MainFrm.h"
#include "res/mainframe_ids.h"
#include "phone/AppSettings.h"
#include "phone/Corvane_smsDoc.h"
#include "phone/PhoneJobs.h"
#include "phone/PhoneUse.h"
#include "phone/PostedText.h"
#include "phone/StoreHelpers.h"
#include "app/SmsListCtrl.h"
#include "app/DlgTextInput.h"
#include "phone/PhoneSession.h"
#include "phone/SmsPduDecoder.h"

#include "app/DlgDialer.h"
#include "app/DlgSaveContact.h"
#include "phone/OutlookContacts.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(CCorvane_smsView, CExtFormViewBase)

BEGIN_MESSAGE_MAP(CCorvane_smsView, CCorvane_smsViewBase)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_TIMER()
ON_MESSAGE(WM_APP_STATUS_TEXT, OnWorkerStatus)
ON_COMMAND(ID_RECEIVE_SMS, OnReceiveSms)
ON_COMMAND(ID_SEND_SMS, OnSendSms)
ON_COMMAND(ID_SEND_RECEIVE_SMS, OnSendReceiveSms)
ON_COMMAND(ID_SMS_DELETE, OnDeleteSms)
ON_MESSAGE(WM_VIEW_DELETE_SMS, OnDeleteSmsMessage)
ON_COMMAND(ID_SMS_SEND_NOW, OnSendNow)
ON_COMMAND(ID_SMS_SEND_AGAIN, OnSendNow)
ON_COMMAND(ID_COPY_SENDER_NUMBER, OnCopySenderNumber)
ON_COMMAND(ID_COPY_RECIPIENT_NUMBER, OnCopyRecipientNumber)
ON_CBN_SELENDOK(IDC_SEARCH_FOLDER, OnFolderSelectEndOk)
ON_CBN_SELENDCANCEL(IDC_SEARCH_FOLDER, OnFolderSelectCancel)
ON_COMMAND(ID_SMS_NEW, OnSmsNew)
ON_COMMAND(ID_SMS_REPLY, OnSmsReply)
ON_COMMAND(ID_SMS_FORWARD, OnSmsForward)
ON_COMMAND(ID_SMS_EDIT, OnSmsEdit)
ON_COMMAND(ID_SMS_RECOMPOSE, OnSmsRecompose)
ON_COMMAND(ID_REPLY_QUOTE, OnReplyQuote)
ON_COMMAND(ID_FORWARD_WITH_SENDER, OnForwardWithSender)
ON_MESSAGE(WM_VIEW_NEW_SMS, OnSmsNewMessage)
ON_MESSAGE(WM_VIEW_REPLY, OnSmsReplyMessage)
ON_MESSAGE(WM_VIEW_FORWARD, OnSmsForwardMessage)
ON_MESSAGE(WM_VIEW_EDIT, OnSmsEditMessage)
ON_MESSAGE(WM_VIEW_RECOMPOSE, OnSmsRecomposeMessage)
ON_BN_CLICKED(IDC_TEST_PDU, OnTestPdu)

// Tool dialogs.
ON_COMMAND(ID_SAVE_TO_OUTLOOK, OnSaveToOutlook)
ON_COMMAND(ID_CALL, OnCall)
ON_COMMAND(ID_CALL_CONTACT, OnCallContact)
END_MESSAGE_MAP()

CCorvane_smsView::CCorvane_smsView()
    : CCorvane_smsViewBase(IDD_CORVANE_SMS_FORM), m_pSplash(nullptr), m_nSchedulerPeriod(0)
{}

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
    {
        CAppSettings settings;
        if (settings.GetIsShowSplash() != 0)
        {
            m_pSplash = new CSplashScreenEx;
            if (m_pSplash->Create(this, nullptr, 0,
                                  CSplashScreenEx::kFadeIn | CSplashScreenEx::kFadeOut | CSplashScreenEx::kShadow |
                                      CSplashScreenEx::kCenterScreen))
            {
                m_pSplash->SetBitmap(IDB_SPLASH, 255, 0, 255);
                m_pSplash->SetTextFont(L"Impact", 100, 0);
                m_pSplash->SetTextRect(CRect(7, 50, 150, 100));
                m_pSplash->SetTextColor(RGB(255, 255, 255));
                m_pSplash->SetTextFormat(DT_CENTER | DT_VCENTER | DT_SINGLELINE);
                m_pSplash->Show();
                m_pSplash->SetText(L"Loading Corvane SMS");
                Sleep(1000);
            }
            else
            {
                delete m_pSplash;
                m_pSplash = nullptr;
            }
        }
    }
    if (m_pSplash != nullptr)
    {
        m_strStatus.LoadString(IDS_LOADING_CONTACTS);
        m_pSplash->SetText(m_strStatus);
    }
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
        pApp->EndShutdown();
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
        pFrame->GetFolderTree()->SelectFirstFolder();
    if (m_pSplash != nullptr)
    {
        m_pSplash->Hide(); // the window deletes its object
        m_pSplash = nullptr;
    }
    // The scheduled fetch and the fetch shortly after start.
    CAppSettings settings;
    RearmScheduler(settings.GetIsScheduled() != 0, settings.GetSchedulerHour(), settings.GetSchedulerMinute());
    if (settings.GetIsGetSmsWhenActive() != 0)
    {
        m_strStatus.LoadString(IDS_AUTO_RECEIVE_PREPARING);
        if (CMainFrame* pFrame = dynamic_cast<CMainFrame*>(GetParentFrame()))
            SetStatusPaneText(m_strStatus, pFrame->GetStatusPaneIndex());
        SetTimer(kStartupFetchTimerId, kStartupFetchMs, nullptr);
    }
}

void CCorvane_smsView::OnDestroy()
{
    // Stop the phone first: a running job ends at its next wait, and the wait for it keeps
    // handling messages, so a job that hands work to this thread cannot hang the shutdown.
    CCorvane_smsApp* pApp = GetCorvaneApp();
    if (pApp)
    {
        // No more boxes for the phone link: a job waiting for one goes on at once.
        pApp->BeginShutdown();
        pApp->m_port.Abort();
    }
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
    // Status lines go to the status pane, never to the "LOG" pane.
    if (CMainFrame* pFrame = dynamic_cast<CMainFrame*>(GetParentFrame()))
        SetStatusPaneText(strText, pFrame->GetStatusPaneIndex());
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

void CCorvane_smsView::RefreshList() { ShowFolder(GetSelectedFolder(), 0, CString()); }

CSmsListCtrl* CCorvane_smsView::GetList() const
{
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(GetParentFrame());
    CSmsListCtrl* pList = pFrame ? pFrame->GetSmsListCtrl() : nullptr;
    return pList && pList->GetSafeHwnd() ? pList : nullptr;
}

CString CCorvane_smsView::GetSelectedFolder() const
{
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(GetParentFrame());
    return pFrame ? pFrame->GetFolderTree()->GetSelectedFolder() : CString();
}

void CCorvane_smsView::SetStatusPaneText(const CString& strText, int nPane)
{
    if (CMainFrame* pFrame = dynamic_cast<CMainFrame*>(GetParentFrame()))
        pFrame->SetStatusText(nPane, strText);
}

void CCorvane_smsView::SetWaitCursor(bool bOn) { ::SetCursor(::LoadCursorW(nullptr, bOn ? IDC_WAIT : IDC_ARROW)); }

void CCorvane_smsView::ShowSenderField(bool bShow)
{
    m_wndSenderCaption.ShowWindow(bShow ? SW_SHOW : SW_HIDE);
    m_wndSender.ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

void CCorvane_smsView::ShowFolder(const CString& strFolder, int nSearchField, const CString& strSearch, bool bListKeys)
{
    CSmsListCtrl* pList = GetList();
    CCorvane_smsDoc* pDoc = GetDocument();
    if (pList == nullptr || pDoc == nullptr || m_wndText.GetSafeHwnd() == nullptr)
        return;
    SetWaitCursor(true);
    pList->DeleteAllItems();
    m_wndText.SetWindowText(L"");
    const bool bInbox = strFolder.CompareNoCase(SMS_FOLDER_INBOX) == 0;
    LVCOLUMNW col = {};
    col.mask = LVCF_TEXT;
    col.pszText = const_cast<LPWSTR>(bInbox ? L"Dari" : L"Ke");
    pList->SetColumn(CSmsListCtrl::kColumnName, &col);
    pList->ClearRecords();

    CString strNeedle(strSearch);
    strNeedle.MakeUpper();
    int nCount = 0, nNew = 0;
    {
        CSmsRecordsLock lock(pDoc);
        for (POSITION pos = pDoc->m_listSms.GetTailPosition(); pos != nullptr;)
        {
            CSMS* pRecord = (CSMS*)pDoc->m_listSms.GetPrev(pos);
            if (pRecord->m_strFolder.CompareNoCase(strFolder) != 0)
                continue;
            if (!strNeedle.IsEmpty())
            {
                const CString* pField = nullptr;
                switch (nSearchField)
                {
                case 0: pField = bInbox ? &pRecord->m_strSenderName : &pRecord->m_strRecipientName; break;
                case 1: pField = &pRecord->m_strText; break;
                case 2: pField = bInbox ? &pRecord->m_strSenderNumber : &pRecord->m_strRecipientNumber; break;
                }
                if (pField != nullptr)
                {
                    CString strHay(*pField);
                    strHay.MakeUpper();
                    if (strHay.Find(strNeedle) < 0)
                        continue;
                }
            }
            pList->AddSms(nCount, pRecord);
            ++nCount;
            if (pRecord->m_bRead == 0)
                ++nNew;
        }
    }
    if (nCount > 0)
        pList->SortRecords();
    pList->SetItemCountEx(nCount, 0);
    pList->Invalidate();
    pList->UpdateWindow();
    CString strNumber;
    strNumber.Format(L"%d", nCount);
    m_wndCountTotal.SetWindowText(strNumber);
    strNumber.Format(L"%d", nNew);
    m_wndCountNew.SetWindowText(strNumber);
    ShowSenderField(nCount > 0);
    if (nCount > 0)
    {
        pList->SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        pList->EnsureVisible(0, FALSE);
        pList->ShowSelectedMessage();
    }
    if (bListKeys)
        pList->SetFocus();
    SetWaitCursor(false);
}

void CCorvane_smsView::OnDeleteSms()
{
    PlayTapIconSound();
    CSmsListCtrl* pList = GetList();
    CCorvane_smsDoc* pDoc = GetDocument();
    if (pList == nullptr || pDoc == nullptr || pList->GetSelectedCount() >= 2)
        return;
    const int nRow = pList->GetNextItem(-1, LVNI_SELECTED);
    CSMS row;
    if (nRow < 0 || !pList->GetSmsAt(nRow, row))
        return; // no selected row: nothing to delete
    CAppSettings settings;
    if (settings.GetIsConfirmDelSms() != 0)
    {
        CString strAsk;
        strAsk.LoadString(IDS_CONFIRM_DELETE);
        if (MessageBox(strAsk, L"Confirmation", MB_YESNO) != IDYES)
            return;
    }
    if (row.m_bRead == 0)
    {
        CString strCount;
        m_wndCountNew.GetWindowText(strCount);
        strCount.Format(L"%d", _wtoi(strCount) - 1);
        m_wndCountNew.SetWindowText(strCount);
    }
    {
        // The record the row was made from, while the document still holds it; a row without one
        // takes the first record of the same sender name and time.
        CSmsRecordsLock lock(pDoc);
        POSITION posFound = nullptr;
        if (row.m_pSource != nullptr)
            posFound = pDoc->m_listSms.Find(row.m_pSource);
        else
            for (POSITION pos = pDoc->m_listSms.GetHeadPosition(); pos != nullptr && posFound == nullptr;)
            {
                POSITION posThis = pos;
                CSMS* p = (CSMS*)pDoc->m_listSms.GetNext(pos);
                if (p->m_strSenderName == row.m_strSenderName && p->m_strHour == row.m_strHour &&
                    p->m_strMinute == row.m_strMinute && p->m_strSecond == row.m_strSecond)
                    posFound = posThis;
            }
        if (posFound != nullptr)
        {
            CSMS* pGone = (CSMS*)pDoc->m_listSms.GetAt(posFound);
            pDoc->m_listSms.RemoveAt(posFound);
            pDoc->NoteRecordsChanged();
            delete pGone;
        }
    }
    pList->RemoveSmsAt(nRow);
    pList->Invalidate();
    const int nRows = pList->GetItemCount();
    CString strNumber;
    strNumber.Format(L"%d", nRows);
    m_wndCountTotal.SetWindowText(strNumber);
    m_wndText.SetWindowText(L"");
    ShowSenderField(nRows > 0);
    if (nRows > 0)
    {
        const int nNext = std::min(nRow, nRows - 1);
        pList->SetFocus();
        pList->SetItemState(nNext, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        pList->EnsureVisible(nNext, FALSE);
        pList->ShowSelectedMessage();
    }
}

LRESULT CCorvane_smsView::OnDeleteSmsMessage(WPARAM, LPARAM)
{
    OnDeleteSms();
    return 0;
}

void CCorvane_smsView::OnSendNow()
{
    CSmsListCtrl* pList = GetList();
    CCorvane_smsApp* pApp = GetCorvaneApp();
    CSMS row;
    const int nRow = pList ? pList->GetSingleSelection() : -1;
    if (pApp == nullptr || nRow < 0 || !pList->GetSmsAt(nRow, row))
        return;
    // Never at the same time as a phone job: the port is one.
    CPhoneUse phoneUse;
    if (!phoneUse.ClaimForGui())
        return;
    pApp->SendWithoutWindow(row);
    phoneUse.Release();
    RefreshList();
}

void CCorvane_smsView::CopyToClipboard(const CString& strNumber)
{
    // The message text copies exactly the appended number and gets its old text back.
    CString strOld;
    m_wndText.GetWindowText(strOld);
    m_wndText.SetRedraw(FALSE);
    m_wndText.SetWindowText(strOld + strNumber);
    m_wndText.SetSel(strOld.GetLength(), strOld.GetLength() + strNumber.GetLength());
    m_wndText.SendMessage(WM_COPY);
    m_wndText.SetWindowText(strOld);
    m_wndText.SetRedraw(TRUE);
    m_wndText.Invalidate();
}

void CCorvane_smsView::OnCopySenderNumber()
{
    CSmsListCtrl* pList = GetList();
    CSMS row;
    if (pList != nullptr && pList->GetSmsAt(pList->GetSingleSelection(), row))
        CopyToClipboard(row.m_strSenderNumber);
}

void CCorvane_smsView::OnCopyRecipientNumber()
{
    CSmsListCtrl* pList = GetList();
    CSMS row;
    if (pList != nullptr && pList->GetSmsAt(pList->GetSingleSelection(), row))
        CopyToClipboard(row.m_strRecipientNumber);
}

void CCorvane_smsView::OnFolderSelectEndOk()
{
    RefreshList();
    if (CSmsListCtrl* pList = GetList())
        pList->SetFocus();
}

void CCorvane_smsView::OnFolderSelectCancel()
{
    if (CSmsListCtrl* pList = GetList())
        pList->SetFocus();
}

// ---- compose commands ----------------------------------------------------------------------------

BOOL CCorvane_smsView::GetSingleRow(CSMS& row) const
{
    CSmsListCtrl* pList = GetList();
    return pList != nullptr && pList->GetSmsAt(pList->GetSingleSelection(), row);
}

BOOL CCorvane_smsView::IsInboxShown() const { return GetSelectedFolder().CompareNoCase(SMS_FOLDER_INBOX) == 0; }

INT_PTR CCorvane_smsView::RunCompose(const wchar_t* pszMode, const CSMS* pSource, int bQuote, int bWithSender)
{
    CDlgComposeSms dlg(this);
    dlg.m_strMode = pszMode;
    dlg.SetSource(pSource);
    int bSignature = 0;
    if (CString(pszMode).CompareNoCase(L"RubahDraft") != 0)
    {
        CAppSettings settings;
        bSignature = settings.GetSignature().IsEmpty() ? 0 : 1;
    }
    const INT_PTR nResult = dlg.SetModeAndRun(bQuote, bWithSender, bSignature);
    RefreshList();
    return nResult;
}

void CCorvane_smsView::OnSmsNew()
{
    PlayTapIconSound();
    RunCompose(L"Baru", nullptr, 0, 0);
}

void CCorvane_smsView::OnSmsReply()
{
    CSMS row;
    if (!GetSingleRow(row) || !IsInboxShown())
        return;
    CAppSettings settings;
    const int bQuote = settings.GetIsQuoteSms() ? 1 : 0;
    const int bWithSender = settings.GetIsShowSenderForwardSms() ? 1 : 0;
    RunCompose(L"Reply", &row, bQuote, bWithSender);
}

void CCorvane_smsView::OnSmsForward()
{
    CSMS row;
    if (!GetSingleRow(row))
        return;
    CAppSettings settings;
    const int bQuote = settings.GetIsQuoteSms() ? 1 : 0;
    const int bWithSender = settings.GetIsShowSenderForwardSms() ? 1 : 0;
    RunCompose(L"Forward", &row, bQuote, bWithSender);
}

void CCorvane_smsView::OnSmsEdit()
{
    // The first selected row, whatever the count.
    CSmsListCtrl* pList = GetList();
    CSMS row;
    if (pList == nullptr || !pList->GetSmsAt(pList->GetNextItem(-1, LVNI_SELECTED), row))
        return;
    RunCompose(L"RubahDraft", &row, 0, 0);
}

void CCorvane_smsView::OnSmsRecompose()
{
    CSMS row;
    if (GetSingleRow(row))
        RunCompose(L"ReCompose", &row, 0, 0);
}

void CCorvane_smsView::OnReplyQuote()
{
    CSMS row;
    if (GetSingleRow(row) && IsInboxShown())
        RunCompose(L"Reply", &row, 1, 0);
}

void CCorvane_smsView::OnForwardWithSender()
{
    CSMS row;
    if (GetSingleRow(row))
        RunCompose(L"Forward", &row, 0, 1);
}

LRESULT CCorvane_smsView::OnSmsNewMessage(WPARAM, LPARAM)
{
    OnSmsNew();
    return 0;
}

LRESULT CCorvane_smsView::OnSmsReplyMessage(WPARAM, LPARAM)
{
    OnSmsReply();
    return 0;
}

LRESULT CCorvane_smsView::OnSmsForwardMessage(WPARAM, LPARAM)
{
    OnSmsForward();
    return 0;
}

LRESULT CCorvane_smsView::OnSmsEditMessage(WPARAM, LPARAM)
{
    OnSmsEdit();
    return 0;
}

LRESULT CCorvane_smsView::OnSmsRecomposeMessage(WPARAM, LPARAM)
{
    OnSmsRecompose();
    return 0;
}

UINT CCorvane_smsView::SchedulerPeriod(UINT nHours, UINT nMinutes)
{
    // A period of 0 would fire at once, again and again.
    const unsigned long long nMs = ((unsigned long long)nHours * 60 + nMinutes) * 60000ull;
    return (UINT)std::min<unsigned long long>(std::max<unsigned long long>(nMs, 60000ull), USER_TIMER_MAXIMUM);
}

void CCorvane_smsView::RearmScheduler(BOOL bScheduled, UINT nHours, UINT nMinutes)
{
    // Only an armed timer is killed: the first arming, at the start, makes no call for it.
    if (m_nSchedulerPeriod != 0)
        KillTimer(kSchedulerTimerId);
    m_nSchedulerPeriod = 0;
    if (bScheduled && SetTimer(kSchedulerTimerId, SchedulerPeriod(nHours, nMinutes), nullptr) != 0)
        m_nSchedulerPeriod = SchedulerPeriod(nHours, nMinutes);
}

void CCorvane_smsView::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent)
    {
    case kSchedulerTimerId:
    {
        // The text shows first; the fetch follows the wait without holding up the window.
        m_strStatus.LoadString(IDS_AUTO_RECEIVE_PREPARING);
        if (CMainFrame* pFrame = dynamic_cast<CMainFrame*>(GetParentFrame()))
            SetStatusPaneText(m_strStatus, pFrame->GetStatusPaneIndex());
        SetTimer(kSchedulerWaitTimerId, kSchedulerWaitMs, nullptr);
        break;
    }
    case kSchedulerWaitTimerId:
    {
        KillTimer(kSchedulerWaitTimerId);
        OnReceiveSms();
        CAppSettings settings;
        RearmScheduler(settings.GetIsScheduled() != 0, settings.GetSchedulerHour(), settings.GetSchedulerMinute());
        break;
    }
    case kStartupFetchTimerId:
        KillTimer(kStartupFetchTimerId);
        OnReceiveSms();
        break;
    default: break;
    }
    CCorvane_smsViewBase::OnTimer(nIDEvent);
}

void CCorvane_smsView::OnTestPdu()
{
    CDlgTextInput dlg(this);
    if (dlg.DoModal() != IDOK)
        return;
    CCorvane_smsDoc* pDoc = GetDocument();
    CSmsPduDecoder decoder([pDoc](const CString& strNumber) {
        return pDoc ? pDoc->FindContactName(strNumber) : FilterPhoneNumber(strNumber);
    });
    CSMS record;
    decoder.DecodeAndShow(dlg.m_strText, record);
    CPhoneSession session;
    session.AddToDocument(0, record);
    RefreshList();
}

// ---- tool dialogs ------------------------------------------------------------------------------

void CCorvane_smsView::OnSaveToOutlook()
{
    CSmsListCtrl* pList = GetList();
    CSMS row;
    if (pList == nullptr || !pList->GetSmsAt(pList->GetSingleSelection(), row))
        return;
    CDlgSaveContact dlg(this);
    dlg.m_strNumber = !row.m_strSenderNumber.IsEmpty() ? row.m_strSenderNumber : row.m_strRecipientNumber;
    if (dlg.DoModal() != IDOK)
        return;
    SaveContactToOutlook(dlg.m_strFirstName, dlg.m_strLastName, dlg.m_strKind, dlg.m_strNumber, dlg.m_strFileAs,
                         dlg.m_strCategory);
    if (CCorvane_smsDoc* pDoc = GetDocument())
        pDoc->LoadOutlookContacts();
}

void CCorvane_smsView::OnCall()
{
    PlayTapIconSound();
    CDlgDialer dlg(this, CString(), FALSE);
    dlg.DoModal();
}

void CCorvane_smsView::OnCallContact()
{
    CSmsListCtrl* pList = GetList();
    CSMS row;
    if (pList == nullptr || !pList->GetSmsAt(pList->GetSingleSelection(), row))
        return;
    CDlgDialer dlg(this, !row.m_strSenderName.IsEmpty() ? row.m_strSenderNumber : row.m_strRecipientNumber, TRUE);
    dlg.DoModal();
}
