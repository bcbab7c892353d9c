// CWinThread: a thread of the program with its main window and its message loop.
#pragma once
#include "platform/CmdTarget.h"
#include "platform/ThreadState.h"

class CWnd;
class CException;

class CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    ~CWinThread() override;

    CWnd* m_pMainWnd = nullptr;   // the thread's main window (WM_QUIT when it is destroyed)
    CWnd* m_pActiveWnd = nullptr; // active main window (may differ from m_pMainWnd)
    HANDLE m_hThread = nullptr;
    DWORD m_nThreadID = 0;
    BOOL m_bAutoDelete = TRUE;
    MSG& m_msgCur; // the message being processed (the thread state's)

    virtual CWnd* GetMainWnd();

    virtual BOOL InitInstance();
    virtual int Run();
    virtual int ExitInstance();

    // One message from the queue: FALSE on WM_QUIT. Pre-translates, then dispatches.
    virtual BOOL PumpMessage();
    // Walks the pre-translate tree from the message's window up to the main window.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Idle work: lCount 0 updates the command UI of the main window and its descendants,
    // 1 frees the temporary handle wrappers. Answers TRUE while more idle work remains.
    virtual BOOL OnIdle(LONG lCount);
    // Idle updates of the thread's other top-level frames (lCount 0).
    void UpdateOtherFrames(CWnd* pMainWnd);
    // FALSE for messages after which no idle update is due (repeated mouse moves, painting,
    // the caret blink timer).
    virtual BOOL IsIdleMessage(MSG* pMsg);
    // Message-filter hook (modal loops of dialogs, menus, message boxes).
    virtual BOOL ProcessMessageFilter(int code, LPMSG lpMsg);
    virtual LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);

    // Routes a thread message (no window) through the message map (ON_THREAD_MESSAGE).
    BOOL DispatchThreadMessageEx(MSG* pMsg);

    // Makes this object the current thread's (AfxGetThread); the constructor does it for the
    // first object on a thread.
    void MakeCurrent();
};

CWinThread* AfxGetThread();
// The main window of the current thread's object (or of the application).
CWnd* AfxGetMainWnd();
// Pumps one message through the current thread object (or plainly when there is none).
BOOL AfxPumpMessage();
// Pumps the message a PM_NOREMOVE peek returned, not whatever comes first by now: a loop that peeked a
// message that is not its own keeps the input that arrived since for itself. FALSE for WM_QUIT.
BOOL AfxPumpPeekedMessage(const MSG& msgPeeked);
// The thread's current message.
MSG* AfxGetCurrentMessage();
// Installs the message-filter hook that feeds CWinThread::ProcessMessageFilter.
void AfxInstallMessageFilter();
// The default handling of an exception escaping a window procedure (CWinThread's, and the one
// for a thread without a thread object): reports it unless it is a user exception, fails
// WM_CREATE, validates for WM_PAINT. Answers the message's result.
LRESULT PlatformProcessWndProcException(CException* e, const MSG* pMsg);
