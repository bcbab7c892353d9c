// The receive, send and send-receive jobs of the worker pool.
#include "phone/PhoneJobs.h"
#include "phone/PhoneHost.h"
#include "phone/PhoneUse.h"
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

BOOL CPhoneJobBase::ClaimPhone()
{
    CPhoneHost* pHost = GetPhoneHost();
    return pHost != nullptr && m_phoneUse.ClaimForJob(pHost->GetPort());
}

void CReceiveJob::Run(ULONG_PTR)
{
    if (ClaimPhone())
    {
        PostBusy(TRUE);
        Receive();
        PostBusy(FALSE);
    }
    delete this;
}

void CSendJob::Run(ULONG_PTR)
{
    if (ClaimPhone())
    {
        PostBusy(TRUE);
        m_session.SendOutbox();
        PostBusy(FALSE);
    }
    delete this;
}

void CSendReceiveJob::Run(ULONG_PTR)
{
    if (ClaimPhone())
    {
        PostBusy(TRUE);
        Receive();
        m_session.SendOutbox();
        PostBusy(FALSE);
    }
    delete this;
}
