// What the phone link needs of the application: the one shared serial port, the document, the
// main view (target of status lines, owner of message boxes), the message list, the sounds and
// the GUI thread. The application object implements it; tests implement it with plain windows.
#pragma once
#include "platform/Platform.h"
#include <functional>
#include <vector>

class CIrdaPort;
class CCorvane_smsDoc;
class CSMS;
class CPhoneSession;

class CPhoneHost
{
public:
    CPhoneHost();
    virtual ~CPhoneHost();

    virtual CIrdaPort& GetPort() = 0;
    virtual CCorvane_smsDoc* GetDoc() = 0;
    // The main view's window: status lines go there, message boxes are owned by it.
    virtual HWND GetMainViewWnd() = 0;
    // The main frame's window: WM_APP_PHONE_BUSY goes there (the view's window by default).
    virtual HWND GetMainFrameWnd() { return GetMainViewWnd(); }

    // Runs fn on the GUI thread and waits for it; at once when called there. Every change to
    // the document, the message list and the data file, and every message box of a job, goes
    // through here. Returns FALSE when the GUI thread can no longer take calls (fn not run).
    BOOL RunOnGuiThread(const std::function<void()>& fn);
    BOOL IsGuiThread() const { return GetCurrentThreadId() == m_dwGuiThread; }
    // Creates the hidden window that takes GUI calls, on the calling thread (the GUI thread);
    // done by the constructor, again after DetachGuiThread.
    void AttachGuiThread();
    // Destroys it; later calls from other threads fail instead of waiting.
    void DetachGuiThread();
    // The program is closing (GUI thread): message boxes are no longer shown, a box shown for
    // another thread is ended, and threads waiting for their box's answer get IDCANCEL at once,
    // so that a wait for them cannot hang on a box lower on the GUI thread's stack.
    void BeginShutdown();
    BOOL IsShuttingDown() const;
    // A new main view serves the phone link again: boxes are shown again.
    void EndShutdown();

    // A message box on the GUI thread, owned by the main view; IDCANCEL without a box for an
    // empty text or during shutdown. Another thread waits for the answer only until shutdown.
    int ShowMessage(const CString& strText, LPCWSTR pszTitle = L"", UINT nType = MB_OK);

    // The message list shows one more row for a record the document holds (GUI thread).
    virtual void InsertIntoList(int nPos, CSMS* pRecord)
    {
        (void)nPos;
        (void)pRecord;
    }
    // The message list shows the folder selected in the folder tree again (GUI thread).
    virtual void RefreshList() {}
    virtual void PlayReceivedSound();
    virtual void PlayNewMessageSound();
    // After a message went out (asynchronous).
    virtual void PlaySentSound();
    // Sends a stored message to its recipients (the compose window's send without a window);
    // TRUE when every part reached every recipient. Default: CSmsComposer.
    virtual BOOL SendWithoutWindow(const CSMS& record);

private:
    struct BoxRequest_t;
    static LRESULT CALLBACK CallWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK BoxCreationHook(int nCode, WPARAM wParam, LPARAM lParam);
    // Shows the box of another thread's request (GUI thread).
    void ShowRequestedBox(BoxRequest_t& request);

    DWORD m_dwGuiThread;
    volatile HWND m_hCallWnd;
    HANDLE m_hShutdown;                    // manual-reset event, set from BeginShutdown/DetachGuiThread
    std::vector<HWND> m_arrRequestedBoxes; // boxes shown for other threads (GUI thread only)
};

// The host of the process (set by the application object or a test); may be null.
CPhoneHost* GetPhoneHost();
void SetPhoneHost(CPhoneHost* pHost);

// Posts one status line to the main view as a CPostedText (never waits).
void PostStatusText(const CString& strText);
// A message box shown by the GUI thread (directly when there is no host).
int PhoneMessageBox(const CString& strText, LPCWSTR pszTitle = L"", UINT nType = MB_OK);
