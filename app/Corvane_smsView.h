// The main view: the form that shows the selected message and the folder's counts, owns the
// worker pool of the phone jobs, queues them from its commands, and shows the status lines that
// the phone link posts.
#pragma once
#include "platform/Platform.h"
#include "app/ColourLabel.h"
#include "app/SplashScreenEx.h"
#include "phone/WorkerPool.h"
#include "res/app_ids.h"
#include "res/phone_ids.h"
#include "toolkit/menus_dialogs/ExtEdit.h"
#include "toolkit/menus_dialogs/ExtFormViewBase.h"
#include "toolkit/menus_dialogs/ExtLabel.h"
#include "toolkit/menus_dialogs/ExtWA.h"
#include "toolkit/menus_dialogs/ExtWS.h"

class CCorvane_smsDoc;
class CSmsListCtrl;
class CSMS;

typedef CExtWA<CExtWS<CExtFormViewBase, 301>> CCorvane_smsViewBase;

class CCorvane_smsView : public CCorvane_smsViewBase
{
    DECLARE_DYNCREATE(CCorvane_smsView)
public:
    CCorvane_smsView();
    ~CCorvane_smsView() override;

    CCorvane_smsDoc* GetDocument() const;
    // Fills the message list with the folder's records, newest filed first before sorting; with
    // a search text only those whose field (0 name, 1 text, 2 number) contains it, case ignored. The list takes the
    // keys unless bListKeys is false (a folder chosen in the tree by keys or a click, which the tree handles).
    void ShowFolder(const CString& strFolder, int nSearchField, const CString& strSearch, bool bListKeys = true);
    // Shows the folder selected in the folder tree again in the message list.
    void RefreshList();
    // The folder tree's caret item.
    CString GetSelectedFolder() const;
    void SetStatusPaneText(const CString& strText, int nPane);
    void SetWaitCursor(bool bOn);

    // Fills the form once the frame is complete and shows the Inbox.
    void OnInitialUpdate() override;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    LRESULT OnWorkerStatus(WPARAM wParam, LPARAM lParam);
    void OnReceiveSms();
    void OnSendSms();
    void OnSendReceiveSms();
    void OnDeleteSms();
    LRESULT OnDeleteSmsMessage(WPARAM wParam, LPARAM lParam);
    void OnSendNow();
    void OnCopySenderNumber();
    void OnCopyRecipientNumber();
    void OnFolderSelectEndOk();
    void OnFolderSelectCancel();

    // ---- compose commands: each runs the compose window modally and refreshes the list ---------
    void OnSmsNew();
    void OnSmsReply();
    void OnSmsForward();
    void OnSmsEdit();
    void OnSmsRecompose();
    void OnReplyQuote();
    void OnForwardWithSender();
    LRESULT OnSmsNewMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnSmsReplyMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnSmsForwardMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnSmsEditMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnSmsRecomposeMessage(WPARAM wParam, LPARAM lParam);
    // The compose window in the mode with a copy of the source record (or none) and the flags;
    // the signature flag follows the "Signature" setting, never for "RubahDraft".
    INT_PTR RunCompose(const wchar_t* pszMode, const CSMS* pSource, int bQuote, int bWithSender);
    // A copy of the only selected row's record (back-pointer kept); FALSE for no or several rows.
    BOOL GetSingleRow(CSMS& row) const;
    // Whether the folder shown is "Inbox" (case ignored).
    BOOL IsInboxShown() const;

    CWorkerPool m_pool;
    CColourLabel m_wndSender;     // sender or recipient of the shown message (1107)
    CSplashScreenEx* m_pSplash;   // while the start runs (the window deletes itself)
    CExtLabel m_wndSenderCaption; // "Dari" or "Ke" (106)
    CExtLabel m_wndLabelNew;      // "Baru:" (108)
    CExtLabel m_wndCountNew;      // number of unread messages (103)
    CExtLabel m_wndLabelTotal;    // "Total:" (1104)
    CExtLabel m_wndCountTotal;    // number of messages (109)
    CExtLabel m_wndLabelSpare;    // constructed, never bound
    CExtEdit m_wndText;           // the message text (102)
    CString m_strStatus;          // the last status line; also scratch for the phone link
    UINT m_nSchedulerPeriod;      // ms of the armed scheduler timer, 0 when none

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL QueueJob(CPhoneJob* pJob);
    // The message list of the frame, or null.
    CSmsListCtrl* GetList() const;
    // Shows the sender caption and field only while the list has rows.
    void ShowSenderField(bool bShow);
    // Puts the number on the clipboard through the message text's copy.
    void CopyToClipboard(const CString& strNumber);
    DECLARE_MESSAGE_MAP()

public:
    // The scheduled fetch's timer, the one-shot wait between its text and its fetch, and the
    // one-shot fetch after start.
    static constexpr UINT_PTR kSchedulerTimerId = 1224;
    static constexpr UINT_PTR kSchedulerWaitTimerId = 1225;
    static constexpr UINT_PTR kStartupFetchTimerId = 1227;
    static const UINT kSchedulerWaitMs = 2000;
    static const UINT kStartupFetchMs = 5000;
    // Kills the scheduler timer and, when scheduling is on, sets it again with a period of
    // (hours x 60 + minutes) x 60000 ms, at least one minute.
    void RearmScheduler(BOOL bScheduled, UINT nHours, UINT nMinutes);
    // The scheduler's period of (hours x 60 + minutes) minutes in ms: at least one minute and at
    // most the longest timer period.
    static UINT SchedulerPeriod(UINT nHours, UINT nMinutes);
    // The period timer 1224 was last armed with; 0 while it is not armed.
    UINT GetSchedulerPeriod() const { return m_nSchedulerPeriod; }
    void OnTimer(UINT_PTR nIDEvent);
    // The hidden "Test" button: a PDU typed in is decoded and filed like a received message.
    void OnTestPdu();

    // ---- tool dialogs: saving a number to Outlook ----------------------------------------------
public:
    // One row: the save-contact dialog with the row's number; on OK the contact goes to Outlook
    // and the contacts are read again.
    void OnSaveToOutlook();
    // The dialer: empty and waiting (111), or with the row's number dialled at once (32804).
    void OnCall();
    void OnCallContact();
};
