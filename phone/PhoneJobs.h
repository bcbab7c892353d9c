// The phone jobs that the main view queues in its worker pool.
#pragma once
#include "phone/PhoneSession.h"
#include "phone/PhoneUse.h"
#include "phone/WorkerPool.h"

// Shared by the kinds: reports busy to the main frame around the work and deletes itself.
class CPhoneJobBase : public CPhoneJob
{
public:
    virtual void Discard() override { delete this; }
    CPhoneSession m_session;

protected:
    static void PostBusy(BOOL bBusy);
    // Holds the phone for the job's run (released when the job is deleted); FALSE when the
    // shutdown aborted the wait for a GUI exchange.
    BOOL ClaimPhone();
    CPhoneUse m_phoneUse;
    // The fetch; closes the shared port when it failed.
    void Receive();
};

class CReceiveJob : public CPhoneJobBase
{
public:
    virtual void Run(ULONG_PTR nParam) override;
};

class CSendJob : public CPhoneJobBase
{
public:
    virtual void Run(ULONG_PTR nParam) override;
};

class CSendReceiveJob : public CPhoneJobBase
{
public:
    virtual void Run(ULONG_PTR nParam) override;
};
