// CWinThread: the message loop with idle processing.
#include "platform/WinThread.h"
#include "platform/WinApp.h"
#include "platform/Wnd.h"
#include "platform/Dc.h"
#include "platform/Gdi.h"
#include "platform/Menu.h"
#include "platform/ImageList.h"
#include "platform/Exceptions.h"
#include "platform/FrameWnd.h"
#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread::CWinThread() : m_msgCur(AfxGetThreadState()->m_msgCur)
{
    m_nThreadID = ::GetCurrentThreadId();
    _AFX_THREAD_STATE* s = AfxGetThreadState();
    if (s->m_pCurrentWinThread == nullptr)
        s->m_pCurrentWinThread = this;
}

CWinThread::~CWinThread()
{
    _AFX_THREAD_STATE* s = AfxGetThreadState();
    if (s->m_pCurrentWinThread == this)
        s->m_pCurrentWinThread = nullptr;
}

void CWinThread::MakeCurrent() { AfxGetThreadState()->m_pCurrentWinThread = this; }

CWinThread* AfxGetThread()
{
    CWinThread* p = AfxGetThreadState()->m_pCurrentWinThread;
    if (p != nullptr)
        return p;
    // The application object serves the thread it was made on (or that runs AfxWinMain).
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_nThreadID == ::GetCurrentThreadId())
        return pApp;
    return nullptr;
}

CWnd* CWinThread::GetMainWnd()
{
    if (m_pActiveWnd != nullptr)
        return m_pActiveWnd;
    return m_pMainWnd;
}

CWnd* AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr)
        return pThread->GetMainWnd();
    // A worker thread without a thread object of its own reaches the application's main window
    // (to post to it); nothing else of the GUI thread's state is shared with it.
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr ? pApp->m_pMainWnd : nullptr;
}

MSG* AfxGetCurrentMessage() { return &AfxGetThreadState()->m_msgCur; }

BOOL CWinThread::InitInstance() { return FALSE; }

int CWinThread::ExitInstance() { return (int)m_msgCur.wParam; }

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;)
    {
        while (bIdle && !::PeekMessageW(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do
        {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur))
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageW(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinThread::PumpMessage()
{
    if (!::GetMessageW(&m_msgCur, nullptr, 0, 0))
        return FALSE;
    if (m_msgCur.message != WM_KICKIDLE && !PreTranslateMessage(&m_msgCur))
    {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageW(&m_msgCur);
    }
    return TRUE;
}

BOOL AfxPumpMessage()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr)
        return pThread->PumpMessage();
    MSG* pMsg = AfxGetCurrentMessage();
    if (!::GetMessageW(pMsg, nullptr, 0, 0))
        return FALSE;
    if (pMsg->message != WM_KICKIDLE && !CWnd::WalkPreTranslateTree(nullptr, pMsg))
    {
        ::TranslateMessage(pMsg);
        ::DispatchMessageW(pMsg);
    }
    return TRUE;
}

BOOL AfxPumpPeekedMessage(const MSG& msgPeeked)
{
    // The oldest message of the peeked kind for the peeked window is the peeked one. What a filter cannot
    // take again (the quit state, a message gone meanwhile) falls back to the first message, so the loop
    // always moves on.
    MSG* pMsg = AfxGetCurrentMessage();
    if (msgPeeked.message == WM_QUIT || msgPeeked.hwnd == nullptr ||
        !::PeekMessageW(pMsg, msgPeeked.hwnd, msgPeeked.message, msgPeeked.message, PM_REMOVE))
    {
        if (!::PeekMessageW(pMsg, nullptr, 0, 0, PM_REMOVE))
            return TRUE;
    }
    if (pMsg->message == WM_QUIT)
        return FALSE;
    if (pMsg->message == WM_KICKIDLE)
        return TRUE;
    CWinThread* pThread = AfxGetThread();
    const BOOL bDone =
        pThread != nullptr ? pThread->PreTranslateMessage(pMsg) : CWnd::WalkPreTranslateTree(nullptr, pMsg);
    if (!bDone)
    {
        ::TranslateMessage(pMsg);
        ::DispatchMessageW(pMsg);
    }
    return TRUE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd == nullptr && DispatchThreadMessageEx(pMsg))
        return TRUE;
    CWnd* pMainWnd = AfxGetMainWnd();
    if (CWnd::WalkPreTranslateTree(pMainWnd->GetSafeHwnd(), pMsg))
        return TRUE;
    // A modeless window outside the main window's tree: the main window still gets its chance
    // (accelerators).
    if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr && pMsg->hwnd != nullptr)
    {
        CWnd* pWnd = CWnd::FromHandle(pMsg->hwnd);
        CWnd* pTop = pWnd->GetTopLevelParent();
        if (pTop != nullptr && pTop->m_hWnd != pMainWnd->m_hWnd)
            return pMainWnd->PreTranslateMessage(pMsg);
    }
    return FALSE;
}

BOOL CWinThread::DispatchThreadMessageEx(MSG* pMsg)
{
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr)
    {
        for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e->nSig != AfxSig_end; ++e)
        {
            bool bMatch = false;
            if (pMsg->message < 0xC000)
                bMatch = e->nMessage == pMsg->message && e->nSig == AfxSig_vWPLP;
            else
                bMatch = e->nMessage == 0xC000 && e->nLastID == 1 && *(const UINT*)e->nSig == pMsg->message;
            if (bMatch)
            {
                auto pfn = reinterpret_cast<void (CWinThread::*)(WPARAM, LPARAM)>(e->pfn);
                (this->*pfn)(pMsg->wParam, pMsg->lParam);
                return TRUE;
            }
        }
    }
    return FALSE;
}

void CWinThread::UpdateOtherFrames(CWnd* pMainWnd)
{
    // Other top-level frames of the thread (floating tool frames among them) lay out and update
    // their bars too; a hidden frame waiting to be shown is included. A frame may go meanwhile:
    // each is looked up again before it is used.
    std::vector<CFrameWnd*> frames = AfxGetThreadState()->m_frameList;
    for (CFrameWnd* pFrame : frames)
    {
        const std::vector<CFrameWnd*>& live = AfxGetThreadState()->m_frameList;
        if (pFrame == pMainWnd || std::find(live.begin(), live.end(), pFrame) == live.end())
            continue;
        HWND hWnd = pFrame->m_hWnd;
        if (hWnd == nullptr || (::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_CHILD))
            continue;
        if (!::IsWindowVisible(hWnd) && pFrame->m_nShowDelay == -1)
            continue;
        AfxCallWndProc(pFrame, hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
        if (::IsWindow(hWnd) && CWnd::FromHandlePermanent(hWnd) == pFrame)
            pFrame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    }
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0)
    {
        CWnd* pMainWnd = m_pMainWnd;
        if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr && ::IsWindowVisible(pMainWnd->m_hWnd))
        {
            AfxCallWndProc(pMainWnd, pMainWnd->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
            pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        }
        UpdateOtherFrames(pMainWnd);
        return TRUE;
    }
    if (lCount == 1)
        AfxDeleteTempMaps();
    return FALSE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    _AFX_THREAD_STATE* s = AfxGetThreadState();
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE)
    {
        if (s->m_ptCursorLast.x == pMsg->pt.x && s->m_ptCursorLast.y == pMsg->pt.y && pMsg->message == s->m_nMsgLast)
            return FALSE;
        s->m_ptCursorLast = pMsg->pt;
        s->m_nMsgLast = pMsg->message;
        return TRUE;
    }
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118 /* caret blink timer */;
}

BOOL CWinThread::ProcessMessageFilter(int code, LPMSG lpMsg)
{
    (void)code;
    (void)lpMsg;
    return FALSE;
}

LRESULT CWinThread::ProcessWndProcException(CException* e, const MSG* pMsg)
{
    return PlatformProcessWndProcException(e, pMsg);
}

LRESULT PlatformProcessWndProcException(CException* e, const MSG* pMsg)
{
    LRESULT lResult = 0;
    if (pMsg->message == WM_CREATE)
        lResult = -1;
    else if (pMsg->message == WM_PAINT)
        ::ValidateRect(pMsg->hwnd, nullptr);
    if (e != nullptr && !e->IsKindOf(RUNTIME_CLASS(CUserException)))
        e->ReportError(MB_ICONEXCLAMATION);
    return lResult;
}

static LRESULT CALLBACK MsgFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    _AFX_THREAD_STATE* s = AfxGetThreadState();
    CWinThread* pThread = AfxGetThread();
    if (code >= 0 && pThread != nullptr && pThread->ProcessMessageFilter(code, (LPMSG)lParam))
        return 1;
    return ::CallNextHookEx(s->m_hHookOldMsgFilter, code, wParam, lParam);
}

void AfxInstallMessageFilter()
{
    _AFX_THREAD_STATE* s = AfxGetThreadState();
    if (s->m_hHookOldMsgFilter == nullptr)
        s->m_hHookOldMsgFilter = ::SetWindowsHookExW(WH_MSGFILTER, &MsgFilterHook, nullptr, ::GetCurrentThreadId());
}

// ---- thread state ---------------------------------------------------------------------------------

_AFX_THREAD_STATE::_AFX_THREAD_STATE() = default;

_AFX_THREAD_STATE::~_AFX_THREAD_STATE()
{
    if (m_hHookOldCbtFilter != nullptr)
        ::UnhookWindowsHookEx(m_hHookOldCbtFilter);
    if (m_hHookOldMsgFilter != nullptr)
        ::UnhookWindowsHookEx(m_hHookOldMsgFilter);
    delete m_pmapHWND;
    delete m_pmapHGDIOBJ;
    delete m_pmapHDC;
    delete m_pmapHMENU;
    delete m_pmapHIMAGELIST;
}

namespace
{
// The state lives on the heap: objects destroyed after the thread's TLS (globals at exit) may
// still ask for it and then get a fresh one.
thread_local _AFX_THREAD_STATE* t_pThreadState = nullptr;
struct ThreadStateGuard
{
    ~ThreadStateGuard()
    {
        delete t_pThreadState;
        t_pThreadState = nullptr;
    }
};
thread_local ThreadStateGuard t_threadStateGuard;
} // namespace

_AFX_THREAD_STATE* AfxGetThreadState()
{
    if (t_pThreadState == nullptr)
    {
        t_pThreadState = new _AFX_THREAD_STATE;
        (void)&t_threadStateGuard; // constructs the guard on this thread
    }
    return t_pThreadState;
}

void AfxDeleteTempMaps()
{
    _AFX_THREAD_STATE* s = AfxGetThreadState();
    if (s->m_pmapHWND)
        s->m_pmapHWND->DeleteTemp();
    if (s->m_pmapHDC)
        s->m_pmapHDC->DeleteTemp();
    if (s->m_pmapHGDIOBJ)
        s->m_pmapHGDIOBJ->DeleteTemp();
    if (s->m_pmapHMENU)
        s->m_pmapHMENU->DeleteTemp();
    if (s->m_pmapHIMAGELIST)
        s->m_pmapHIMAGELIST->DeleteTemp();
}
