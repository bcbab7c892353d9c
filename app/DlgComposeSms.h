// The compose window. Built without a window it sends a stored message (the Outbox sender and
// the view's resend commands).
#pragma once
#include "platform/Platform.h"
#include "phone/SmsRecord.h"

class CDlgComposeSms : public CDialog
{
public:
    explicit CDlgComposeSms(CWnd* pParent = nullptr);

    // Sends m_sms to its recipients in one or several linked parts and files it; 1 when every
    // part reached every recipient.
    int SendWithoutWindow();

    CSMS m_sms;
};
