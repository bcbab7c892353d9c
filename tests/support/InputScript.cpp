// Input scripts for tests on real windows: pump, helper-thread steps, mouse and key input handled before
// the step returns, waits and their budget, and at a script's or a test's end the release of held input and
// the end of a loop left running.
#include "InputScript.h"
#include <cstdio>
#include <algorithm>
#include <atomic>
#include <mutex>
#include <vector>

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        if (msg.message == WM_QUIT)
            break;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

namespace
{
// The asking of a script thread, sent to its run's message-only window: it returns kInputPending while
// mouse or key input waits in the GUI thread's queue, kAnyPending while anything but sent messages does,
// and kInNestedLoop while the run's pump is inside a dispatch (so the message came through a loop of that
// dispatch's own).
const UINT kSyncQuery = WM_APP + 0x3A1;
// The request of a script thread to end the loop that runs on the GUI thread (see EndLoopsOnThisThread).
const UINT kEndLoopRequest = WM_APP + 0x3A2;
// The request of a script thread to run a function (lParam) on the GUI thread.
const UINT kRunRequest = WM_APP + 0x3A3;
const LRESULT kInputPending = 1;
const LRESULT kInNestedLoop = 2;
const LRESULT kAnyPending = 4;

struct CScriptRun
{
    const std::function<void()>* pScript = nullptr;
    DWORD dwGuiThread = 0;
    HWND hSyncWnd = nullptr;      // message-only window of the GUI thread, owned by the run
    bool bDispatching = false;    // the run's pump is inside DispatchMessage
    bool bKeepHeld = false;       // held input outlives the steps
    bool bReleasedInLoop = false; // held input was released because a loop of its own ran at the end
    std::atomic<bool> bSyncTimedOut{false};
    std::atomic<bool> bQueryTimedOut{false}; // a loop query went unanswered
    bool bLoopEnded = false;                 // a loop still ran after the steps and was ended by the run
    bool bLoopStayed = false;                // ... and could not be ended
};

// A test's waits draw on one budget, so that waits that all run to their bound end the test well before
// the hang guard would end the whole program: once it is spent, every wait fails at once.
std::atomic<DWORD> g_dwBudgetStart{0};
std::atomic<DWORD> g_dwBudgetMs{0}; // 0: no budget
std::atomic<bool> g_bBudgetReported{false};

// Time left of the running test's budget (INFINITE without one).
DWORD BudgetLeft()
{
    const DWORD dwBudget = g_dwBudgetMs;
    if (dwBudget == 0)
        return INFINITE;
    const DWORD dwSpent = ::GetTickCount() - g_dwBudgetStart;
    return dwSpent >= dwBudget ? 0 : dwBudget - dwSpent;
}

// A wait's bound: what it asks for, within what is left of the budget.
DWORD WaitBound(DWORD dwWanted) { return std::min(dwWanted, BudgetLeft()); }

// The bound of one query of the GUI thread: within the budget, but never so short that a thread busy for
// a moment is taken as not answering.
DWORD QueryBound() { return std::max<DWORD>(WaitBound(kInputWaitMs), 250); }

void ReportFailure(const char* pszWhat);

// A wait cut short by the spent budget fails the test, said once.
void NoteBudgetSpent()
{
    if (BudgetLeft() == 0 && !g_bBudgetReported.exchange(true))
        ReportFailure("the test's waits used up its time budget: every later wait fails at once");
}

// The run whose steps are going on; a script started inside another script's loop stands in for it
// until it ends.
std::atomic<CScriptRun*> g_pRun{nullptr};

// Buttons (MOUSEEVENTF_*DOWN bits) and keys sent down and not yet up.
std::mutex g_heldLock;
DWORD g_dwHeldButtons = 0;
std::vector<WORD> g_heldKeys;

BOOL CALLBACK CancelThreadWindow(HWND hWnd, LPARAM)
{
    if (!::IsWindowVisible(hWnd))
        return TRUE;
    ::PostMessageW(hWnd, WM_CANCELMODE, 0, 0);
    // A dialog in its modal loop: enabled while what owns it is not (or owned by nothing).
    wchar_t szClass[16] = {};
    ::GetClassNameW(hWnd, szClass, 16);
    const HWND hOwner = ::GetWindow(hWnd, GW_OWNER);
    if (lstrcmpW(szClass, L"#32770") == 0 && ::IsWindowEnabled(hWnd) &&
        (hOwner == nullptr || !::IsWindowEnabled(hOwner)))
        ::PostMessageW(hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return TRUE;
}

// On the GUI thread, inside the loop a script left running: the ways a menu, a drag or a modal dialog
// ends. A system menu is ended, the capture cancelled and released, every shown top-level window of the
// thread told to cancel its mode (the toolkit's popups close on it), and the innermost modal dialog
// cancelled; an outer dialog is cancelled by the next request, once it is enabled again.
void EndLoopsOnThisThread()
{
    GUITHREADINFO gui = {sizeof(gui)};
    if (::GetGUIThreadInfo(::GetCurrentThreadId(), &gui) && (gui.flags & GUI_INMENUMODE) != 0)
        ::EndMenu();
    if (const HWND hCapture = ::GetCapture())
    {
        ::SendMessageW(hCapture, WM_CANCELMODE, 0, 0);
        if (::GetCapture() == hCapture)
            ::ReleaseCapture();
    }
    ::EnumThreadWindows(::GetCurrentThreadId(), CancelThreadWindow, 0);
}

LRESULT CALLBACK SyncWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kEndLoopRequest)
    {
        EndLoopsOnThisThread();
        return 0;
    }
    if (message == kRunRequest)
    {
        (*reinterpret_cast<const std::function<void()>*>(lParam))();
        return 0;
    }
    if (message != kSyncQuery)
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    const CScriptRun* pRun = reinterpret_cast<const CScriptRun*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    LRESULT r = 0;
    const DWORD dwQueued =
        HIWORD(::GetQueueStatus(QS_MOUSE | QS_KEY | QS_POSTMESSAGE | QS_PAINT | QS_TIMER | QS_HOTKEY));
    if ((dwQueued & (QS_MOUSE | QS_KEY)) != 0)
        r |= kInputPending;
    if (dwQueued != 0)
        r |= kAnyPending;
    if (pRun != nullptr && pRun->bDispatching)
        r |= kInNestedLoop;
    return r;
}

HWND CreateSyncWnd(CScriptRun* pRun)
{
    static const wchar_t* const kClass = L"CorvaneTestInputSync";
    static const bool bRegistered = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = SyncWndProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = kClass;
        return ::RegisterClassW(&wc) != 0;
    }();
    if (!bRegistered)
        return nullptr;
    HWND h =
        ::CreateWindowExW(0, kClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (h != nullptr)
        ::SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pRun));
    return h;
}

// Sends the query to the run's GUI thread; false when it did not answer within the bound.
bool QueryRun(CScriptRun* pRun, LRESULT* pResult, DWORD dwTimeoutMs)
{
    DWORD_PTR r = 0;
    if (!::SendMessageTimeoutW(pRun->hSyncWnd, kSyncQuery, 0, 0, SMTO_NORMAL, dwTimeoutMs, &r))
        return false;
    *pResult = (LRESULT)r;
    return true;
}

bool OnScriptThread(const CScriptRun* pRun)
{
    return pRun != nullptr && pRun->hSyncWnd != nullptr && ::GetCurrentThreadId() != pRun->dwGuiThread;
}

void (*g_pfnReport)(const char*) = nullptr;

void ReportFailure(const char* pszWhat)
{
    if (g_pfnReport != nullptr)
        g_pfnReport(pszWhat);
    else
        std::fprintf(stderr, "input script: %s\n", pszWhat);
}

// Asks the run's GUI thread whether it is inside a loop of its own; false when it did not answer within
// the bound (*pbInLoop is then true: a thread that does not answer is taken as busy).
bool QueryLoop(CScriptRun* pRun, DWORD dwTimeoutMs, bool* pbInLoop)
{
    LRESULT r = 0;
    if (!QueryRun(pRun, &r, dwTimeoutMs))
    {
        *pbInLoop = true;
        return false;
    }
    *pbInLoop = (r & kInNestedLoop) != 0;
    return true;
}

// What the GUI thread answered about a loop of its own at the end of a wait for it to end.
enum class ELoop
{
    kNone,     // it runs none
    kRunning,  // it still runs one
    kNoAnswer, // it did not answer lately (busy in a handler)
};

// Waits up to dwMs, on fixed bounds of its own (not the test's budget, which may be spent), until the
// GUI thread answers that it runs no loop of its own; the last answer otherwise.
ELoop WaitForLoopEnd(CScriptRun* pRun, DWORD dwMs)
{
    const DWORD dwStart = ::GetTickCount();
    for (;;)
    {
        LRESULT r = 0;
        ELoop last = ELoop::kNoAnswer;
        if (QueryRun(pRun, &r, 500))
        {
            if ((r & kInNestedLoop) == 0)
                return ELoop::kNone;
            last = ELoop::kRunning;
        }
        if (::GetTickCount() - dwStart >= dwMs)
            return last;
        ::Sleep(10);
    }
}

// The time a loop still running after the steps gets to end by itself (a close the steps posted last),
// the longer time a thread still busy with the steps' last input gets to answer at all, and the rounds of
// ending requests after them, each given the time of a round to take effect.
const DWORD kLoopGraceMs = 2000;
const DWORD kBusyGraceMs = 10000;
const int kEndLoopRounds = 4;
const DWORD kEndLoopRoundMs = 1000;

DWORD WINAPI ScriptThread(LPVOID pParam)
{
    CScriptRun* pRun = static_cast<CScriptRun*>(pParam);
    (*pRun->pScript)();
    if (HasHeldInput())
    {
        if (pRun->bKeepHeld && IsScriptThreadInNestedLoop())
            pRun->bReleasedInLoop = true;
        if (!pRun->bKeepHeld || pRun->bReleasedInLoop)
        {
            ReleaseHeldInput();
            SyncInput();
        }
    }
    // A loop that runs on past the steps (a failed step returned early inside a menu or a modal dialog)
    // would hold the run, and the whole program, until the hang guard: it is ended and the test fails.
    if (pRun->hSyncWnd == nullptr)
        return 0;
    ELoop loop = WaitForLoopEnd(pRun, kLoopGraceMs);
    if (loop == ELoop::kNoAnswer)
        loop = WaitForLoopEnd(pRun, kBusyGraceMs);
    if (loop == ELoop::kNoAnswer)
        pRun->bQueryTimedOut = true;
    if (loop != ELoop::kRunning)
        return 0;
    pRun->bLoopEnded = true;
    ReleaseHeldInput();
    bool bEnded = false;
    for (int i = 0; i < kEndLoopRounds && !bEnded; i++)
    {
        DWORD_PTR r = 0;
        ::SendMessageTimeoutW(pRun->hSyncWnd, kEndLoopRequest, 0, 0, SMTO_NORMAL, kEndLoopRoundMs, &r);
        bEnded = WaitForLoopEnd(pRun, kEndLoopRoundMs) == ELoop::kNone;
    }
    pRun->bLoopStayed = !bEnded;
    return 0;
}

// The time a script may take past the end of the test's budget (when all its waits fail at once) before
// its thread is stopped; without a budget, the whole bound.
const DWORD kScriptOverrunMs = 10000;
const DWORD kScriptBoundNoBudgetMs = 70000;

void RunScript(const std::function<void()>& script, bool bKeepHeld)
{
    CScriptRun run;
    run.pScript = &script;
    run.dwGuiThread = ::GetCurrentThreadId();
    run.bKeepHeld = bKeepHeld;
    run.hSyncWnd = CreateSyncWnd(&run);
    CScriptRun* pOuter = g_pRun.exchange(&run);
    HANDLE hThread = ::CreateThread(nullptr, 0, ScriptThread, &run, 0, nullptr);
    bool bStopped = false;
    if (hThread != nullptr)
    {
        // Bounded: the steps' own waits draw on the test's budget, so a script ends soon after it is spent.
        // One that does not (a step blocked outside the support) is stopped, since leaving it running would
        // let it go on over this frame's locals. A loop of this thread's own runs inside the dispatch below,
        // where the script's end (ScriptThread) ends it.
        const DWORD dwStart = ::GetTickCount();
        const DWORD dwLeft = BudgetLeft();
        const DWORD dwBound = dwLeft == INFINITE ? kScriptBoundNoBudgetMs : dwLeft + kScriptOverrunMs;
        for (;;)
        {
            const DWORD dwSpent = ::GetTickCount() - dwStart;
            if (dwSpent >= dwBound)
            {
                ::TerminateThread(hThread, 1);
                bStopped = true;
                break;
            }
            if (::MsgWaitForMultipleObjects(1, &hThread, FALSE, dwBound - dwSpent, QS_ALLINPUT) == WAIT_OBJECT_0)
                break;
            MSG msg;
            while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            {
                if (msg.message == WM_QUIT)
                    break;
                ::TranslateMessage(&msg);
                run.bDispatching = true;
                ::DispatchMessageW(&msg);
                run.bDispatching = false;
            }
        }
        ::CloseHandle(hThread);
    }
    else
    {
        ReportFailure("the input script's thread could not be started");
    }
    g_pRun = pOuter;
    if (run.hSyncWnd != nullptr)
        ::DestroyWindow(run.hSyncWnd);
    if (bStopped)
        ReleaseHeldInput();
    PumpMessages();
    if (bStopped)
        ReportFailure("the input script did not end within its bound; its thread was stopped");
    if (run.bSyncTimedOut)
        ReportFailure("input sent by the script was not handled within the wait's bound");
    if (run.bQueryTimedOut)
        ReportFailure("the window's thread did not answer whether it ran a loop of its own within the wait's bound");
    if (run.bReleasedInLoop)
        ReportFailure("the script left a button or key down while a loop of its own ran on the window's thread");
    if (run.bLoopStayed)
        ReportFailure("the script ended while a loop of its own ran on the window's thread, and it could not be "
                      "ended");
    else if (run.bLoopEnded)
        ReportFailure("the script ended while a loop of its own ran on the window's thread; the loop was ended");
}

// Sends one input event, tracking the buttons and keys it leaves down.
void SendTracked(INPUT& in)
{
    {
        std::lock_guard<std::mutex> lock(g_heldLock);
        if (in.type == INPUT_MOUSE)
        {
            const DWORD f = in.mi.dwFlags;
            for (const DWORD dwDown : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_MIDDLEDOWN})
            {
                const DWORD dwUp = dwDown << 1; // every *UP flag is its *DOWN flag's next bit
                if (f & dwDown)
                    g_dwHeldButtons |= dwDown;
                if (f & dwUp)
                    g_dwHeldButtons &= ~dwDown;
            }
        }
        else if (in.type == INPUT_KEYBOARD)
        {
            const WORD wVk = in.ki.wVk;
            g_heldKeys.erase(std::remove(g_heldKeys.begin(), g_heldKeys.end(), wVk), g_heldKeys.end());
            if ((in.ki.dwFlags & KEYEVENTF_KEYUP) == 0)
                g_heldKeys.push_back(wVk);
        }
    }
    // Wine moves the X pointer to a mouse input's point from the sending thread and drops the pointer events
    // that move raised only on that thread; the GUI thread, whose windows get them too, takes a late one as a
    // move back to the point before (seen in 4 of 48 runs of a scroll test beside a busy process per CPU). So
    // a script's mouse input is sent from the GUI thread, inside whatever loop runs there; from here only when
    // that thread does not answer (the sync that follows then fails the test).
    if (in.type != INPUT_MOUSE || !RunOnGuiThread([&in] { ::SendInput(1, &in, sizeof(in)); }))
        ::SendInput(1, &in, sizeof(in));
    if (OnScriptThread(g_pRun))
        SyncInput();
}

} // namespace

bool HasHeldInput()
{
    std::lock_guard<std::mutex> lock(g_heldLock);
    return g_dwHeldButtons != 0 || !g_heldKeys.empty();
}

void SetInputScriptFailureReporter(void (*pfnReport)(const char* pszWhat)) { g_pfnReport = pfnReport; }

void RunInputScript(const std::function<void()>& script) { RunScript(script, false); }

void RunInputScriptKeepingHeld(const std::function<void()>& script) { RunScript(script, true); }

void SendMouse(int x, int y, DWORD dwFlags)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    in.mi.dx = (x * 65535 + cx / 2) / (cx - 1);
    in.mi.dy = (y * 65535 + cy / 2) / (cy - 1);
    in.mi.dwFlags = dwFlags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendTracked(in);
}

void SendKeyInput(WORD wVk, bool bDown)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = wVk;
    in.ki.wScan = (WORD)::MapVirtualKeyW(wVk, MAPVK_VK_TO_VSC);
    in.ki.dwFlags = bDown ? 0 : KEYEVENTF_KEYUP;
    SendTracked(in);
}

void SendTextInput(const wchar_t* pszText)
{
    for (const wchar_t* p = pszText; *p != L'\0'; ++p)
    {
        INPUT in[2] = {};
        in[0].type = in[1].type = INPUT_KEYBOARD;
        in[0].ki.wScan = in[1].ki.wScan = *p;
        in[0].ki.dwFlags = KEYEVENTF_UNICODE;
        in[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        ::SendInput(2, in, sizeof(INPUT));
        if (OnScriptThread(g_pRun))
            SyncInput();
    }
}

void SendKeyPress(WORD wVk, bool bCtrl, bool bShift)
{
    if (bCtrl)
        SendKeyInput(VK_CONTROL, true);
    if (bShift)
        SendKeyInput(VK_SHIFT, true);
    SendKeyInput(wVk, true);
    SendKeyInput(wVk, false);
    if (bShift)
        SendKeyInput(VK_SHIFT, false);
    if (bCtrl)
        SendKeyInput(VK_CONTROL, false);
}

void SendMouseDrag(POINT ptFrom, POINT ptTo, const std::function<bool()>& pressTaken)
{
    SendMouse(ptFrom.x, ptFrom.y, 0);
    SendMouse(ptFrom.x, ptFrom.y, MOUSEEVENTF_LEFTDOWN);
    if (!WaitFor(pressTaken))
    {
        ReportFailure("the press started no drag");
        return;
    }
    for (int i = 1; i <= 8; i++)
        SendMouse(ptFrom.x + (ptTo.x - ptFrom.x) * i / 8, ptFrom.y + (ptTo.y - ptFrom.y) * i / 8, 0);
    SendMouse(ptTo.x, ptTo.y, MOUSEEVENTF_LEFTUP);
    if (!WaitFor([] { return !IsScriptThreadInNestedLoop(); }))
    {
        ReportFailure("the release did not end the drag");
        SendKeyInput(VK_ESCAPE, true);
        SendKeyInput(VK_ESCAPE, false);
    }
}

bool SyncInput()
{
    CScriptRun* pRun = g_pRun;
    if (!OnScriptThread(pRun))
    {
        PumpMessages();
        return true;
    }
    const DWORD dwStart = ::GetTickCount();
    const DWORD dwBound = WaitBound(kInputWaitMs);
    for (;;)
    {
        const DWORD dwSpent = ::GetTickCount() - dwStart;
        LRESULT r = 0;
        if (dwSpent <= dwBound && QueryRun(pRun, &r, std::max<DWORD>(dwBound - dwSpent, 1)) && (r & kInputPending) == 0)
            return true;
        if (::GetTickCount() - dwStart >= dwBound)
        {
            pRun->bSyncTimedOut = true;
            NoteBudgetSpent();
            return false;
        }
        ::Sleep(1);
    }
}

bool RunOnGuiThread(const std::function<void()>& fn)
{
    CScriptRun* pRun = g_pRun;
    if (!OnScriptThread(pRun))
    {
        fn();
        return true;
    }
    // The whole bound, not what is left of the test's budget: a request the GUI thread took after the caller gave up
    // on it would run fn on the caller's ended frame.
    DWORD_PTR r = 0;
    return ::SendMessageTimeoutW(pRun->hSyncWnd, kRunRequest, 0, (LPARAM)&fn, SMTO_NORMAL, kInputWaitMs, &r) != 0;
}

bool WaitForScriptThreadIdle()
{
    CScriptRun* pRun = g_pRun;
    if (!OnScriptThread(pRun))
        return false;
    return WaitFor([pRun] {
        LRESULT r = 0;
        if (QueryRun(pRun, &r, QueryBound()))
            return (r & kAnyPending) == 0;
        pRun->bQueryTimedOut = true;
        return false;
    });
}

bool IsScriptThreadInNestedLoop()
{
    CScriptRun* pRun = g_pRun;
    if (!OnScriptThread(pRun))
        return false;
    bool bInLoop = true;
    if (!QueryLoop(pRun, QueryBound(), &bInLoop))
        pRun->bQueryTimedOut = true;
    return bInLoop;
}

bool WaitFor(const std::function<bool()>& pred, DWORD dwMs)
{
    const DWORD dwStart = ::GetTickCount();
    const DWORD dwBound = WaitBound(dwMs);
    while (!pred())
    {
        if (::GetTickCount() - dwStart > dwBound)
        {
            if (dwBound < dwMs)
                NoteBudgetSpent();
            return false;
        }
        PumpMessages();
        ::Sleep(5);
    }
    return true;
}

namespace
{
const UINT kPostedMarker = WM_APP + 0x3A3;

LRESULT CALLBACK MarkerWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kPostedMarker)
        *reinterpret_cast<bool*>(lParam) = true;
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

// Pumps with pump until pred holds, within the budget; false when it did not.
bool PumpWith(const std::function<void()>& pump, const std::function<bool()>& pred)
{
    const DWORD dwStart = ::GetTickCount();
    const DWORD dwBound = WaitBound(kInputWaitMs);
    for (;;)
    {
        pump();
        if (pred())
            return true;
        if (::GetTickCount() - dwStart > dwBound)
        {
            NoteBudgetSpent();
            return false;
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}
} // namespace

bool PumpUntilInputHandled(const std::function<void()>& pump)
{
    return PumpWith(pump, [] { return HIWORD(::GetQueueStatus(QS_MOUSE | QS_KEY)) == 0; });
}

bool IsAbove(HWND a, HWND b)
{
    for (HWND h = ::GetTopWindow(nullptr); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
        if (h == a || h == b)
            return h == a;
    return false;
}

bool PumpUntilPostedHandled(const std::function<void()>& pump)
{
    static const wchar_t* const kClass = L"CorvaneTestPostedMarker";
    static const bool bRegistered = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = MarkerWndProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = kClass;
        return ::RegisterClassW(&wc) != 0;
    }();
    if (!bRegistered)
        return false;
    const HWND hMarker =
        ::CreateWindowExW(0, kClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (hMarker == nullptr)
        return false;
    bool bSeen = false;
    const bool bDone =
        ::PostMessageW(hMarker, kPostedMarker, 0, (LPARAM)&bSeen) && PumpWith(pump, [&] { return bSeen; });
    ::DestroyWindow(hMarker);
    return bDone;
}

void StartInputWaitBudget(DWORD dwMs)
{
    g_dwBudgetStart = ::GetTickCount();
    g_dwBudgetMs = dwMs;
    g_bBudgetReported = false;
}

void ReleaseHeldInput()
{
    DWORD dwButtons = 0;
    std::vector<WORD> keys;
    {
        std::lock_guard<std::mutex> lock(g_heldLock);
        dwButtons = g_dwHeldButtons;
        keys.swap(g_heldKeys);
        g_dwHeldButtons = 0;
    }
    for (const DWORD dwDown : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_MIDDLEDOWN})
    {
        if ((dwButtons & dwDown) == 0)
            continue;
        INPUT in = {};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = dwDown << 1; // its *UP flag, where the pointer is
        ::SendInput(1, &in, sizeof(in));
    }
    for (auto it = keys.rbegin(); it != keys.rend(); ++it)
    {
        INPUT in = {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = *it;
        in.ki.wScan = (WORD)::MapVirtualKeyW(*it, MAPVK_VK_TO_VSC);
        in.ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(1, &in, sizeof(in));
    }
}

bool SettleInput(const std::function<void()>& pump, DWORD dwQuietMs)
{
    const DWORD dwStart = ::GetTickCount();
    for (;;)
    {
        pump();
        if (::MsgWaitForMultipleObjectsEx(0, nullptr, dwQuietMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE) == WAIT_TIMEOUT)
            return true;
        if (::GetTickCount() - dwStart > 2000)
            return false;
    }
}
