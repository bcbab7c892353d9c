// CPhoneUse: the one claim on the phone in the process. A phone job holds it for its whole run;
// an exchange of the GUI thread takes it only when it is free and never waits for it.
#pragma once
#include "platform/Platform.h"

class CIrdaPort;

class CPhoneUse
{
public:
    enum EHolder : LONG
    {
        kFree = 0,
        kJob = 1,
        kGui = 2,
    };

    CPhoneUse() : m_bHeld(FALSE) {}
    ~CPhoneUse() { Release(); }
    CPhoneUse(const CPhoneUse&) = delete;
    CPhoneUse& operator=(const CPhoneUse&) = delete;

    // A job's claim: waits while a GUI exchange holds the phone; FALSE when the port is aborted
    // (the shutdown) before the phone is free.
    BOOL ClaimForJob(const CIrdaPort& port);
    // The GUI thread's claim, without waiting. When a job holds the phone: the box
    // "Handphone sedang digunakan. Coba lagi setelah proses selesai." titled "Info", and FALSE.
    BOOL ClaimForGui();
    void Release();

    // Who holds the phone now.
    static EHolder GetHolder();

private:
    BOOL m_bHeld;
};
