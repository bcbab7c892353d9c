// CWorkerPool: the queue, the worker threads and their shutdown.
#include "phone/WorkerPool.h"
#include <algorithm>
#include <vector>

CWorkerPool::CWorkerPool()
    : m_phThreads(nullptr), m_nThreads(0), m_hStop(nullptr), m_hJobs(nullptr), m_bLockReady(false), m_pQueue(nullptr)
{}

CWorkerPool::~CWorkerPool() {}

BOOL CWorkerPool::Start(int nThreads, const ULONG_PTR* pParams)
{
    if (m_pQueue || nThreads < 0)
        return FALSE;
    m_pQueue = new std::deque<CPhoneJob*>;
    m_hJobs = CreateSemaphoreW(nullptr, 0, 0x7FFFFFFF, nullptr);
    if (!m_hJobs)
    {
        FreeAll();
        return FALSE;
    }
    m_hStop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!m_hStop)
    {
        FreeAll();
        return FALSE;
    }
    InitializeCriticalSection(&m_lock);
    m_bLockReady = true;
    m_phThreads = new HANDLE[(size_t)(nThreads > 0 ? nThreads : 1)];
    m_nThreads = nThreads;
    for (int i = 0; i < nThreads; ++i)
    {
        StartRecord_t* pRec = new StartRecord_t{this, pParams ? pParams[i] : 0};
        m_phThreads[i] = CreateThread(nullptr, 0, &CWorkerPool::WorkerProc, pRec, 0, nullptr);
        if (!m_phThreads[i])
        {
            delete pRec;
            m_nThreads = i;
            Shutdown(FALSE);
            return FALSE;
        }
    }
    return TRUE;
}

DWORD WINAPI CWorkerPool::WorkerProc(LPVOID pv)
{
    StartRecord_t* pRec = (StartRecord_t*)pv;
    CWorkerPool* pPool = pRec->pPool;
    HANDLE handles[2] = {pPool->m_hStop, pPool->m_hJobs};
    for (;;)
    {
        DWORD dw = WaitForMultipleObjects(2, handles, FALSE, INFINITE);
        if (dw != WAIT_OBJECT_0 + 1)
            break;
        CPhoneJob* pJob = nullptr;
        EnterCriticalSection(&pPool->m_lock);
        if (!pPool->m_pQueue->empty())
        {
            pJob = pPool->m_pQueue->front();
            pPool->m_pQueue->pop_front();
        }
        LeaveCriticalSection(&pPool->m_lock);
        if (pJob)
            pJob->Run(pRec->nParam);
    }
    delete pRec;
    return 0;
}

BOOL CWorkerPool::Enqueue(CPhoneJob* pJob)
{
    if (!pJob)
        return FALSE;
    if (!m_pQueue || !m_hJobs)
    {
        pJob->Discard();
        return FALSE;
    }
    EnterCriticalSection(&m_lock);
    m_pQueue->push_back(pJob);
    LeaveCriticalSection(&m_lock);
    if (ReleaseSemaphore(m_hJobs, 1, nullptr))
        return TRUE;
    // The job stays queued; it is discarded at shutdown.
    return FALSE;
}

int CWorkerPool::GetQueuedCount()
{
    if (!m_pQueue)
        return 0;
    EnterCriticalSection(&m_lock);
    int n = (int)m_pQueue->size();
    LeaveCriticalSection(&m_lock);
    return n;
}

void CWorkerPool::Shutdown(BOOL bPumpMessages)
{
    if (!m_hStop || !SetEvent(m_hStop))
        return;
    // Wait for every worker; keep handling messages so that a job waiting for the GUI thread
    // (a sent message, a message box it asked for) can finish.
    std::vector<HANDLE> threads(m_phThreads, m_phThreads + m_nThreads);
    bool bQuit = false;
    int nExitCode = 0;
    while (!threads.empty())
    {
        const bool bPosted = bPumpMessages && !bQuit;
        DWORD nCount = (DWORD)std::min<size_t>(threads.size(), MAXIMUM_WAIT_OBJECTS - 1);
        DWORD dw =
            MsgWaitForMultipleObjects(nCount, threads.data(), FALSE, INFINITE, bPosted ? QS_ALLINPUT : QS_SENDMESSAGE);
        if (dw < WAIT_OBJECT_0 + nCount)
        {
            threads.erase(threads.begin() + (dw - WAIT_OBJECT_0));
        }
        else if (dw == WAIT_OBJECT_0 + nCount)
        {
            MSG msg;
            if (!bPosted)
            {
                // Handles the messages sent to this thread, nothing else.
                PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
                continue;
            }
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            {
                if (msg.message == WM_QUIT)
                {
                    bQuit = true;
                    nExitCode = (int)msg.wParam;
                    break;
                }
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
        else
        {
            break;
        }
    }
    if (bQuit)
        PostQuitMessage(nExitCode);
    FreeAll();
}

void CWorkerPool::FreeAll()
{
    if (m_pQueue)
    {
        if (m_bLockReady)
            EnterCriticalSection(&m_lock);
        std::deque<CPhoneJob*> rest;
        rest.swap(*m_pQueue);
        if (m_bLockReady)
            LeaveCriticalSection(&m_lock);
        for (CPhoneJob* p : rest)
            if (p)
                p->Discard();
        delete m_pQueue;
        m_pQueue = nullptr;
    }
    if (m_hJobs)
        CloseHandle(m_hJobs);
    if (m_hStop)
        CloseHandle(m_hStop);
    m_hJobs = m_hStop = nullptr;
    if (m_bLockReady)
        DeleteCriticalSection(&m_lock);
    m_bLockReady = false;
    for (int i = 0; i < m_nThreads; ++i)
        if (m_phThreads[i])
            CloseHandle(m_phThreads[i]);
    delete[] m_phThreads;
    m_phThreads = nullptr;
    m_nThreads = 0;
}
