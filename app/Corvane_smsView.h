// The main view: the form that shows the selected message and the folder's counts, owns the
// worker pool of the phone jobs, queues them from its commands, and shows the status lines that
// the phone link posts.
#pragma once
#include "platform/Platform.h"
#include "app/ColourLabel.h"
#include "phone/WorkerPool.h"
#include "res/app_ids.h"
#include "res/phone_ids.h"
#include "toolkit/menus_dialogs/ExtEdit.h"
#include "toolkit/menus_dialogs/ExtFormViewBase.h"
#include "toolkit/menus_dialogs/ExtLabel.h"
#include "toolkit/menus_dialogs/ExtWA.h"
#include "toolkit/menus_dialogs/ExtWS.h"

class CCorvane_smsDoc;

typedef CExtWA<CExtWS<CExtFormViewBase, 301>> CCorvane_smsViewBase;

class CCorvane_smsView : public CCorvane_smsViewBase
{
    DECLARE_DYNCREATE(CCorvane_smsView)
public:
    CCorvane_smsView();
    ~CCorvane_smsView() override;

    CCorvane_smsDoc* GetDocument() const;
    // Shows the folder selected in the folder tree again in the message list.
    void RefreshList();

    // Fills the form once the frame is complete and shows the Inbox.
    void OnInitialUpdate() override;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    LRESULT OnWorkerStatus(WPARAM wParam, LPARAM lParam);
    void OnReceiveSms();
    void OnSendSms();
    void OnSendReceiveSms();

    CWorkerPool m_pool;
    CColourLabel m_wndSender;     // sender or recipient of the shown message (1107)
    CExtLabel m_wndSenderCaption; // "Dari" or "Ke" (106)
    CExtLabel m_wndLabelNew;      // "Baru:" (108)
    CExtLabel m_wndCountNew;      // number of unread messages (103)
    CExtLabel m_wndLabelTotal;    // "Total:" (1104)
    CExtLabel m_wndCountTotal;    // number of messages (109)
    CExtLabel m_wndLabelSpare;    // constructed, never bound
    CExtEdit m_wndText;           // the message text (102)
    CString m_strStatus;          // the last status line; also scratch for the phone link

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL QueueJob(CPhoneJob* pJob);
    DECLARE_MESSAGE_MAP()
};
