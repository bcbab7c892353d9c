// Message boxes: one redirectable function.
#include "platform/MessageBox.h"
#include "platform/String.h"
#include "platform/WinApp.h"
#include <algorithm>
#include <mutex>
#include <vector>

namespace
{
std::mutex g_boxLock;
MessageBoxHandler& Handler()
{
    static MessageBoxHandler h;
    return h;
}
MessageBoxOwnerProvider g_ownerProvider = nullptr;
// Members holding the windows of this thread's modal runs, innermost last; each outlives its run.
thread_local std::vector<const HWND*> t_modalRuns;
thread_local HWND t_hSplash = nullptr;
// The window the thread's last modal run of one of its popups blocked, and that popup, active at the run's end; until
// the end's offer, the first offer of the focus to either of them after the end, or the popup is no longer active.
thread_local HWND t_hModalEndTop = nullptr;
thread_local HWND t_hModalEndOwner = nullptr;
thread_local DWORD t_dwModalEnd = 0; // the tick count at the run's end
// The end's own offer comes within this of the end, a user's activation from a task bar or pager later (the earliest
// 0.3 s). No state tells them apart: the end's offer is mostly read before the end, while the window is disabled,
// where Wine sends it no WM_MOUSEACTIVATE, so the first offer after the end may be the user's. A plain probe (a box of
// an owned tool window with the main window disabled, Return, the main window activated 0.3 s or 2 s later; openbox,
// IceWM and metacity, 20 runs each at load 18-29 and 20 each with a busy process per CPU, load 19-39): the end's
// offers, all to the tool window, read before the end in 92 of 110 ended runs, after it 1-62 ms (openbox), 1 ms
// (IceWM), 3-144 ms (metacity); the user's activation 0.3 s later reached the window 511-1601 ms after the end.
const DWORD kModalEndOfferMs = 250;
} // namespace

int PlatformMessageBox(HWND owner, LPCWSTR text, LPCWSTR title, UINT type)
{
    owner = PlatformModalOwner(owner);
    // A box meant for the splash (nothing else of the program in sight) stands alone: the splash is hidden for the
    // box's life and the box owned by none, not top-most. Under Wine and IceWM a box owned by a window or in the
    // top-most band gets a Win32 rectangle 13-19 px below the one IceWM draws (Wine takes IceWM's late report of the
    // asked place for the window's), so a click on the drawn buttons misses them: a plain probe's box owned by a
    // top-most splash took 0 of 9 clicks on its drawn OK, one owned by none with the splash hidden 5 of 5 (openbox
    // 2 of 2). The blocked window is the splash's top owner, hidden while the program starts.
    const HWND hSplash = owner != nullptr && owner == t_hSplash ? owner : nullptr;
    HWND hTop = owner != nullptr ? ::GetAncestor(owner, GA_ROOTOWNER) : nullptr;
    if (hTop == hSplash)
        hTop = nullptr;
    if (hSplash != nullptr)
    {
        ::ShowWindow(hSplash, SW_HIDE);
        owner = nullptr;
    }
    MessageBoxHandler h;
    {
        std::lock_guard<std::mutex> g(g_boxLock);
        h = Handler();
    }
    int nResult = 0;
    if (h)
        nResult = h(owner, text ? text : L"", title ? title : L"", type);
    else
    {
        // A box owned by a popup blocks the popup's owners too, as a modal run does.
        const bool bBlockTop = hTop != nullptr && hTop != owner && ::IsWindowEnabled(hTop);
        if (bBlockTop)
            ::EnableWindow(hTop, FALSE);
        nResult = MessageBoxW(owner, text ? text : L"", title, type);
        if (bBlockTop)
            PlatformEndModalBlock(hTop);
    }
    // Back, unless the box's end ended the start's splash too.
    if (hSplash != nullptr && ::IsWindow(hSplash) && hSplash == t_hSplash)
        ::ShowWindow(hSplash, SW_SHOWNOACTIVATE);
    return nResult;
}

void PlatformReadModalEndOffers() { ::GetQueueStatus(QS_ALLINPUT); }

void PlatformEndModalBlock(HWND hTop)
{
    // A box of the floating list under openbox: the keys left the list 1 of 1 without the look, 0 of 7 with it.
    PlatformReadModalEndOffers();
    ::EnableWindow(hTop, TRUE);
    const HWND hActive = ::GetActiveWindow();
    const bool bPopup = hActive != nullptr && hActive != hTop && ::GetAncestor(hActive, GA_ROOTOWNER) == hTop;
    t_hModalEndTop = bPopup ? hTop : nullptr;
    t_hModalEndOwner = bPopup ? hActive : nullptr;
    t_dwModalEnd = ::GetTickCount();
}

void PlatformNoteFocusOffer(HWND hWnd)
{
    if (hWnd != nullptr && (hWnd == t_hModalEndTop || hWnd == t_hModalEndOwner))
        t_hModalEndTop = t_hModalEndOwner = nullptr;
}

bool PlatformIsModalEndOffer(HWND hWnd)
{
    if (hWnd == nullptr || hWnd != t_hModalEndTop)
        return false;
    // The end's own offer: the offers after it are the user's (a task bar's or pager's activation), taken.
    const HWND hOwner = t_hModalEndOwner;
    const bool bSoon = ::GetTickCount() - t_dwModalEnd <= kModalEndOfferMs;
    PlatformNoteFocusOffer(hWnd);
    // Over the window: in its rectangle, under none of the thread's other windows. Under Wine a window manager's title
    // lies on the window's caption, where WindowFromPoint answers the desktop, and GetCursorPos answers the last place
    // Wine read from the pointer's events while that is under 0.1 s old (a click on the title at once after the
    // pointer crossed the window: the place on the window), which the title, a window of the manager's, sends none.
    POINT pt = {};
    RECT rc = {};
    const HWND hAt = ::GetCursorPos(&pt) ? ::GetAncestor(::WindowFromPoint(pt), GA_ROOT) : nullptr;
    const bool bOver =
        ::GetWindowRect(hWnd, &rc) && ::PtInRect(&rc, pt) &&
        (hAt == hWnd || hAt == nullptr || ::GetWindowThreadProcessId(hAt, nullptr) != ::GetCurrentThreadId());
    return bSoon && ::GetActiveWindow() == hOwner && !bOver;
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler h)
{
    std::lock_guard<std::mutex> g(g_boxLock);
    MessageBoxHandler old = std::move(Handler());
    Handler() = std::move(h);
    return old;
}

CPlatformModalRun::CPlatformModalRun(const HWND* phWnd) : m_phWnd(phWnd) { t_modalRuns.push_back(phWnd); }

CPlatformModalRun::~CPlatformModalRun()
{
    auto it = std::find(t_modalRuns.rbegin(), t_modalRuns.rend(), m_phWnd);
    if (it != t_modalRuns.rend())
        t_modalRuns.erase(std::next(it).base());
}

void PlatformSetSplashWindow(HWND hWnd) { t_hSplash = hWnd; }

HWND PlatformSplashWindow() { return t_hSplash; }

HWND PlatformModalOwner(HWND hWnd)
{
    HWND hRoot = hWnd != nullptr ? ::GetAncestor(hWnd, GA_ROOT) : nullptr;
    // Nothing of the program in sight but its splash, which is top-most: a window not owned by it
    // would lie under it.
    if ((hRoot == nullptr || !::IsWindowVisible(hRoot)) && t_hSplash != nullptr && ::IsWindowVisible(t_hSplash))
        return t_hSplash;
    if (hRoot != nullptr && ::IsWindowEnabled(hRoot))
    {
        // The window active when it opens, if hRoot owns it (a floating frame of its bars): it gets the keys back at
        // the end.
        const HWND hActive = ::GetActiveWindow();
        for (HWND h = hActive; h != nullptr && h != hRoot && ::IsWindowVisible(hActive); h = ::GetWindow(h, GW_OWNER))
            if (::GetWindow(h, GW_OWNER) == hRoot)
                return hActive;
        return hWnd;
    }
    if (hRoot == nullptr)
        return hWnd;
    HWND hTop = hRoot;
    for (HWND hOwner; (hOwner = ::GetWindow(hTop, GW_OWNER)) != nullptr;)
        hTop = hOwner;
    // A modal window that is up and was active last; one still being created was never active.
    HWND hPopup = ::GetLastActivePopup(hTop);
    if (hPopup != nullptr && ::IsWindowEnabled(hPopup) && ::IsWindowVisible(hPopup))
        return hPopup;
    for (auto it = t_modalRuns.rbegin(); it != t_modalRuns.rend(); ++it)
    {
        const HWND hRun = **it;
        if (hRun == nullptr || !::IsWindow(hRun) || !::IsWindowEnabled(hRun))
            continue;
        // Asked for while it is created: shown first, for a window owned by one not shown has no place
        // above the windows it blocks (a window manager lets the blocked window cover it).
        if (!::IsWindowVisible(hRun))
            ::ShowWindow(hRun, SW_SHOWNA);
        return ::IsWindow(hRun) ? hRun : hWnd;
    }
    return hWnd;
}

void SetMessageBoxOwnerProvider(MessageBoxOwnerProvider p) { g_ownerProvider = p; }

HWND PlatformMessageBoxOwner()
{
    if (g_ownerProvider)
        return g_ownerProvider();
    return GetActiveWindow();
}

int PlatformAppMessageBox(LPCTSTR lpszText, UINT nType, LPCTSTR lpszTitle)
{
    if ((nType & MB_ICONMASK) == 0)
    {
        switch (nType & MB_TYPEMASK)
        {
        case MB_OK:
        case MB_OKCANCEL: nType |= MB_ICONEXCLAMATION; break;
        case MB_YESNO:
        case MB_YESNOCANCEL: nType |= MB_ICONQUESTION; break;
        }
    }
    CString title(lpszTitle);
    if (title.IsEmpty())
        title = PlatformModuleTitle();
    return PlatformMessageBox(PlatformMessageBoxOwner(), lpszText, title, nType);
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    if (CWinApp* app = AfxGetApp())
        return app->DoMessageBox(lpszText, nType, nIDHelp);
    (void)nIDHelp;
    return PlatformAppMessageBox(lpszText, nType, nullptr);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString text;
    if (!text.LoadString(nIDPrompt))
        text.Format(L"Error: no message text for id %u.", nIDPrompt);
    if (nIDHelp == (UINT)-1)
        nIDHelp = nIDPrompt;
    return AfxMessageBox(text.GetString(), nType, nIDHelp);
}
