// The main view: owns the worker pool of the phone jobs, queues them from its commands, and shows
// the status lines that the phone link posts.
#pragma once
#include "platform/Platform.h"
#include "phone/WorkerPool.h"
#include "res/phone_ids.h"

class CCorvane_smsDoc;

class CCorvane_smsView : public CFormView
{
    DECLARE_DYNCREATE(CCorvane_smsView)
public:
    CCorvane_smsView();
    virtual ~CCorvane_smsView();

    CCorvane_smsDoc* GetDocument() const;
    // Shows the folder selected in the folder tree again in the message list.
    void RefreshList();

    // Shows the Inbox once the frame is complete.
    virtual void OnInitialUpdate() override;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    LRESULT OnWorkerStatus(WPARAM wParam, LPARAM lParam);
    void OnReceiveSms();
    void OnSendSms();
    void OnSendReceiveSms();

    CWorkerPool m_pool;
    CString m_strStatus; // the last status line; also scratch for the phone link

protected:
    BOOL QueueJob(CPhoneJob* pJob);
    DECLARE_MESSAGE_MAP()
};
