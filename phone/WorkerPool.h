// Runs phone jobs off the GUI thread, one after another in the order they were queued.
#pragma once
#include "platform/Platform.h"
#include <deque>

class CPhoneJob
{
public:
    virtual ~CPhoneJob() {}
    // Performs the job, then deletes it.
    virtual void Run(ULONG_PTR nParam) = 0;
    // Destroys a job that will not run.
    virtual void Discard() = 0;
};

class CWorkerPool
{
public:
    CWorkerPool();
    virtual ~CWorkerPool();

    // n worker threads with their parameters (null: all 0). TRUE when everything was created.
    BOOL Start(int nThreads, const ULONG_PTR* pParams = nullptr);
    // Takes ownership of the job. FALSE (and the job discarded) when the pool is not running.
    BOOL Enqueue(CPhoneJob* pJob);
    // Stops the workers (a running job finishes first), discards the queued jobs, frees all.
    // The wait handles sent messages and, with bPumpMessages, posted ones too, so a job that
    // hands work to the GUI thread can finish while the GUI thread waits here.
    void Shutdown(BOOL bPumpMessages = TRUE);

    BOOL IsRunning() const { return m_hStop != nullptr; }
    int GetQueuedCount();

private:
    struct StartRecord_t
    {
        CWorkerPool* pPool;
        ULONG_PTR nParam;
    };
    static DWORD WINAPI WorkerProc(LPVOID pv);
    void FreeAll();

    HANDLE* m_phThreads;
    int m_nThreads;
    HANDLE m_hStop;
    HANDLE m_hJobs;
    CRITICAL_SECTION m_lock;
    bool m_bLockReady;
    std::deque<CPhoneJob*>* m_pQueue;
};
