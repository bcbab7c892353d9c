// CPhoneUse: the process-wide claim on the phone.
#include "phone/PhoneUse.h"
#include "phone/IrdaPort.h"
#include "phone/PhoneHost.h"

namespace
{
volatile LONG s_nHolder = CPhoneUse::kFree;
const DWORD kJobPollMs = 20;
} // namespace

BOOL CPhoneUse::ClaimForJob(const CIrdaPort& port)
{
    if (m_bHeld)
        return TRUE;
    while (InterlockedCompareExchange(&s_nHolder, kJob, kFree) != kFree)
    {
        if (port.IsAborted())
            return FALSE;
        Sleep(kJobPollMs);
    }
    m_bHeld = TRUE;
    return TRUE;
}

BOOL CPhoneUse::ClaimForGui()
{
    if (m_bHeld)
        return TRUE;
    if (InterlockedCompareExchange(&s_nHolder, kGui, kFree) == kFree)
    {
        m_bHeld = TRUE;
        return TRUE;
    }
    if (CPhoneHost* pHost = GetPhoneHost())
        pHost->ShowMessage(L"Handphone sedang digunakan. Coba lagi setelah proses selesai.", L"Info", MB_OK);
    return FALSE;
}

void CPhoneUse::Release()
{
    if (!m_bHeld)
        return;
    m_bHeld = FALSE;
    InterlockedExchange(&s_nHolder, kFree);
}

CPhoneUse::EHolder CPhoneUse::GetHolder() { return (EHolder)s_nHolder; }
