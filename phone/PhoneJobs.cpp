// The receive, send and send-receive jobs of the worker pool.
#include "phone/PhoneJobs.h"
#include "phone/PhoneHost.h"
#include "phone/PostedText.h"

void CPhoneJobBase::PostBusy(BOOL bBusy)
{
    CPhoneHost* pHost = GetPhoneHost();
    HWND hFrame = pHost ? pHost->GetMainFrameWnd() : nullptr;
    if (hFrame)
        PostMessageW(hFrame, WM_APP_PHONE_BUSY, bBusy ? 1 : 0, 0);
}

void CPhoneJobBase::Receive()
{
    if (!m_session.ReceiveAllSms(nullptr))
        CPhoneSession::ClosePort();
}

void CReceiveJob::Run(ULONG_PTR)
{
    PostBusy(TRUE);
    Receive();
    PostBusy(FALSE);
    delete this;
}

void CSendJob::Run(ULONG_PTR)
{
    PostBusy(TRUE);
    m_session.SendOutbox();
    PostBusy(FALSE);
    delete this;
}

void CSendReceiveJob::Run(ULONG_PTR)
{
    PostBusy(TRUE);
    Receive();
    m_session.SendOutbox();
    PostBusy(FALSE);
    delete this;
}
