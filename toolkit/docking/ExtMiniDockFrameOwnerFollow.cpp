// CExtMiniDockFrameWnd: the floating frames a top-level window owns follow it. While it has not been shown, is
// hidden (the tray) or is minimized, they wait hidden; when it is shown again they show above it, in their order,
// without activation; they take the band (topmost or not) it takes.
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "platform/MessageBox.h"
#include "platform/ThreadState.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/foundation/ExtHookSink.h"
#include <algorithm>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace
{
// Posted to a top-level window when it comes back shown: its waiting floating frames show once the show's
// activation is over. Only for Wine, where an overlapped owner brought to the top by its activation after its show
// goes above the windows it owns (on Windows they stay above it): shown after that, they lie above it.
const UINT g_nMsgShowHeldFrames = ::RegisterWindowMessageW(L"CExtMiniDockFrameWnd::ShowHeldFrames");
// Posted to a top-level window to take the attention mark off the frames a window manager has not offered the focus
// since their show.
const UINT g_nMsgEndFramesAttention = ::RegisterWindowMessageW(L"CExtMiniDockFrameWnd::EndFramesAttention");
// The timer on a top-level window that ends the wait for a window manager's focus, and the wait's length: where no
// offer comes the frames show after it. metacity offers none to a window the program shows again at a click on Wine's
// tray icon once the program has had input of its own (its user time is older than the tray's click): a plain probe
// got no offer in 0 of 22 such shows and no other message from the manager (no activation, no foreground change;
// its move of the window at the map is passed on only while the place changes, 3 of 8), and its owned popup shown
// at once was not marked (0 of 3) and lay above it. Measured with a busy process per CPU (load 26-31), the offers
// that do come arrive 4-256 ms after the show (openbox 80 shows, metacity 8).
const UINT_PTR g_nFocusWaitTimer = g_nMsgShowHeldFrames;
const UINT g_nFocusWaitMs = 350;

bool IsShownTop(HWND hTop) { return ::IsWindowVisible(hTop) && !::IsIconic(hTop); }

bool IsTopMostWnd(HWND hWnd) { return (::GetWindowLongPtrW(hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

// Under Wine a window manager gives the focus to a window it maps by offering it (WM_TAKE_FOCUS, which Wine passes on
// as a press on the window's menu, WM_MOUSEACTIVATE with HTMENU) a while after the show, which has already activated
// the window in Win32's eyes; openbox marks a transient it maps before that as asking for attention when another
// window had the focus (Wine's own tray window: a plain owned popup shown at its owner's show 4 of 4, shown after the
// owner's first offer 0 of 5). Windows gives the focus at the show. True for a window that Wine shows as an X window
// (its X11 driver records it on the window) that a window manager manages: the driver's "Managed" setting, read as the
// driver reads it once at its start, is on (the program's own under AppDefaults, else the driver's; on without one;
// on when its first letter is y, t or 1).
bool FocusComesFromWindowManager(HWND hTop)
{
    static const bool s_bManaged = [] {
        wchar_t szPath[MAX_PATH] = {};
        const DWORD nPath = ::GetModuleFileNameW(nullptr, szPath, MAX_PATH);
        const wchar_t* pszName = szPath;
        for (DWORD i = 0; i < nPath; ++i)
            if (szPath[i] == L'\\' || szPath[i] == L'/')
                pszName = szPath + i + 1;
        const CString strAppKey = CString(L"Software\\Wine\\AppDefaults\\") + pszName + L"\\X11 Driver";
        for (const wchar_t* pszKey : {(const wchar_t*)strAppKey, L"Software\\Wine\\X11 Driver"})
        {
            wchar_t szManaged[64] = {};
            DWORD cb = sizeof szManaged;
            if (::RegGetValueW(HKEY_CURRENT_USER, pszKey, L"Managed", RRF_RT_REG_SZ | RRF_NOEXPAND, nullptr, szManaged,
                               &cb) == ERROR_SUCCESS)
                return wcschr(L"yYtT1", szManaged[0]) != nullptr && szManaged[0] != 0;
        }
        return true;
    }();
    return s_bManaged && ::GetPropW(hTop, L"__wine_x11_whole_window") != nullptr;
}

bool IsFloatingFrame(HWND hWnd)
{
    return DYNAMIC_DOWNCAST(CExtMiniDockFrameWnd, CWnd::FromHandlePermanent(hWnd)) != nullptr;
}

// The floating frames hTop owns, bottom of the window order first. The thread's frames are known (their owners are
// read without a server call); the window order is walked from the top only until it has passed two or more.
std::vector<HWND> OwnedFrames(HWND hTop)
{
    std::vector<HWND> frames;
    for (CFrameWnd* pFrame : AfxGetThreadState()->m_frameList)
    {
        const HWND hWnd = pFrame->GetSafeHwnd();
        if (hWnd != nullptr && ::GetWindow(hWnd, GW_OWNER) == hTop && IsFloatingFrame(hWnd))
            frames.push_back(hWnd);
    }
    if (frames.size() < 2)
        return frames;
    std::vector<HWND> owned;
    for (HWND hWnd = ::GetWindow(::GetDesktopWindow(), GW_CHILD); hWnd != nullptr && owned.size() < frames.size();
         hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
        if (std::find(frames.begin(), frames.end(), hWnd) != frames.end())
            owned.push_back(hWnd);
    std::reverse(owned.begin(), owned.end());
    return owned;
}

// A hidden window of no owner at the top of the topmost band or of the other windows while it lives. Under Wine a
// window placed after a window of the topmost band takes the band only when the window below it is in the band too;
// an owned window asked out of the band is placed after the window just above its owner and stays in the band while
// that one is in it. This window is the neighbour that lets both take the band asked for.
class CBandNeighbour
{
public:
    explicit CBandNeighbour(bool bTopMost)
        : m_hWnd(::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | (bTopMost ? WS_EX_TOPMOST : 0), L"Static", L"",
                                   WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr))
    {}
    ~CBandNeighbour()
    {
        if (m_hWnd != nullptr)
            ::DestroyWindow(m_hWnd);
    }
    CBandNeighbour(const CBandNeighbour&) = delete;
    CBandNeighbour& operator=(const CBandNeighbour&) = delete;
    // Back to the top of its band.
    void ToTop()
    {
        if (m_hWnd != nullptr)
            ::SetWindowPos(m_hWnd, IsTopMostWnd(m_hWnd) ? HWND_TOPMOST : HWND_TOP, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }

private:
    HWND m_hWnd;
};

// The floating frames among the windows (bottom first) not in the band go to its top in turn: they keep their order,
// above a window that just took the band. True when a frame was moved.
bool MoveFramesToBand(const std::vector<HWND>& windows, bool bTopMost)
{
    const UINT nFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    std::unique_ptr<CBandNeighbour> pNeighbour;
    bool bMoved = false;
    for (HWND hWnd : windows)
        if (::IsWindow(hWnd) && IsTopMostWnd(hWnd) != bTopMost && IsFloatingFrame(hWnd))
        {
            bMoved = true;
            ::SetWindowPos(hWnd, bTopMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, nFlags);
            // Wine keeps a frame in the band while its owner is just below the band (as after the owner's own move
            // out of it): with a neighbour above the owner it leaves it, as on Windows.
            if (!bTopMost && ::IsWindow(hWnd) && IsTopMostWnd(hWnd))
            {
                if (pNeighbour == nullptr)
                    pNeighbour = std::make_unique<CBandNeighbour>(false);
                ::SetWindowPos(hWnd, HWND_NOTOPMOST, 0, 0, 0, 0, nFlags);
            }
        }
    return bMoved;
}

HWND TopLevelOf(CFrameWnd* pDockSite)
{
    CWnd* pTop = pDockSite != nullptr ? CExtControlBar::GetTopLevelNonChild(pDockSite) : nullptr;
    return pTop != nullptr ? pTop->GetSafeHwnd() : nullptr;
}

// Watches a top-level window for its life and keeps the floating frames it owns with it.
class COwnerFollow : public CExtHookSink
{
public:
    COwnerFollow(HWND hTop, bool bShown) : CExtHookSink(false), m_hTop(hTop), m_bShown(bShown) {}
    ~COwnerFollow() override { Follows().erase(m_hTop); }
    COwnerFollow(const COwnerFollow&) = delete;
    COwnerFollow& operator=(const COwnerFollow&) = delete;

    static std::map<HWND, COwnerFollow*>& Follows()
    {
        static std::map<HWND, COwnerFollow*> follows;
        return follows;
    }
    static COwnerFollow* Of(HWND hTop)
    {
        auto it = Follows().find(hTop);
        return it != Follows().end() ? it->second : nullptr;
    }
    // The follower of hTop, made when there is none; with bHold, the frames wait until the window is shown.
    static COwnerFollow* Attach(HWND hTop, bool bHold)
    {
        COwnerFollow* pFollow = Of(hTop);
        if (pFollow == nullptr)
        {
            pFollow = new COwnerFollow(hTop, IsShownTop(hTop));
            if (!pFollow->AttachToWindow(hTop))
            {
                delete pFollow;
                return nullptr;
            }
            Follows()[hTop] = pFollow;
        }
        if (bHold && !IsShownTop(hTop))
            pFollow->m_bReleased = false;
        return pFollow;
    }

    bool IsAutoDeleteHookWndSink() override { return true; }
    bool OnHookWndMsg(LRESULT& lResult, HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam) override;

    // Whether a show of a frame is to wait: the window is not shown, or its waiting frames are not out yet.
    bool IsHolding() const { return !m_bReleased; }

    std::vector<HWND> m_frames;    // the waiting frames, in the order they are to show
    bool m_bHiding = false;        // the frames are being hidden here: their hides leave the list alone
    std::vector<HWND> m_unoffered; // the frames shown here and not offered the focus since

private:
    // The window was shown, hidden or minimized, or changed its band.
    void OnOwnerChanged(bool bOrderChanged);
    // The window is hidden or about to be: its shown frames are hidden and wait with the others.
    void OnOwnerHidden();
    // Hides the shown frames, which then wait with the others.
    void HideFrames();
    // Shows the waiting frames, each on top in turn, without activation.
    void ShowHeldFrames();
    // The same once the window has the focus: where a window manager gives it later, at its offer or when no offer
    // came within g_nFocusWaitMs.
    void ShowHeldFramesOnceFocused();
    void StopFocusWait();
    // Gives the frames the band of the window.
    void FollowBand();
    // The window asked into the topmost band takes it with its frames above it. Windows moves it there with the
    // windows it owns. Wine moves the owned windows above it to the band's top and leaves it after them, out of the
    // band unless the window below is in it: read after the call, it is asked again with a neighbour in the band
    // below. A window manager stacks the window, which took the band after its frames, above them.
    static void EnterTopMostBand(HWND hTop);
    // A window manager's offer of the focus (see FocusComesFromWindowManager) shows the frames waiting for it. At a
    // later offer the frames shown and not offered the focus themselves since lose their attention mark: IceWM marks
    // any transient mapped while its owner is not IceWM's active window, which no Wine window is after its start (a
    // plain Win32 popup 3 of 3), and a later click makes it so only now and then. True when the offer is declined:
    // the end's offer of a modal run of a floating frame of the window (PlatformIsModalEndOffer), which Wine then
    // gives to the active window, the frame with the keys.
    bool OnMouseActivate(LPARAM lParam);
    // FLASHW_STOP reaches a window manager as the removal of the mark (IceWM takes it away: plain popups 3 of 3, and
    // 6 of 6 at the offer of a click); on Windows it ends a flash, and does nothing to a window that never flashed.
    void EndFramesAttention();
    // The frames changed their band: IceWM marks owned windows as asking for attention at a change of the top-most
    // band (a plain owner with two popups 3 of 3), which FLASHW_STOP after the change takes away (6 of 6). Posted: it
    // follows the requests of the change.
    void EndBandAttention();

    bool m_bTopMostAsked = false;  // a position change asked the window, out of it, into the topmost band
    bool m_bTakingBand = false;    // the window is being moved into the band here
    bool m_bFocusOffered = false;  // a window manager offered the window the focus since it was last shown
    bool m_bAwaitingFocus = false; // the shown window's frames wait for that offer (g_nFocusWaitTimer runs)

    HWND m_hTop;
    bool m_bShown;           // the window was shown and not minimized when last seen
    bool m_bReleased = true; // no frame waits for the window to be shown
};

bool COwnerFollow::OnHookWndMsg(LRESULT& lResult, HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam)
{
    (void)hWnd;
    if (nMessage == g_nMsgShowHeldFrames)
    {
        // Hidden or minimized again meanwhile: the frames wait for the next show.
        if (m_bShown && IsShownTop(m_hTop) && !m_bReleased)
            ShowHeldFramesOnceFocused();
        lResult = 0;
        return true;
    }
    if (nMessage == WM_TIMER && wParam == g_nFocusWaitTimer)
    {
        StopFocusWait();
        if (m_bShown && IsShownTop(m_hTop) && !m_bReleased)
            ShowHeldFrames();
        lResult = 0;
        return true;
    }
    if (nMessage == g_nMsgEndFramesAttention)
    {
        EndFramesAttention();
        lResult = 0;
        return true;
    }
    if (nMessage == WM_MOUSEACTIVATE && OnMouseActivate(lParam))
    {
        lResult = MA_NOACTIVATE;
        return true;
    }
    if (nMessage == WM_WINDOWPOSCHANGING)
    {
        const WINDOWPOS& wp = *reinterpret_cast<WINDOWPOS*>(lParam);
        if ((wp.flags & SWP_NOZORDER) == 0 &&
            (wp.hwndInsertAfter == HWND_TOPMOST || wp.hwndInsertAfter == HWND_NOTOPMOST))
            m_bTopMostAsked = wp.hwndInsertAfter == HWND_TOPMOST && !IsTopMostWnd(m_hTop);
        // The frames go before the window: a window manager may leave an owner hidden before the windows it owns on
        // the screen (xfwm4 under load: a plain owner 4 of 8; its pop-ups hidden first 0 of 8).
        if ((wp.flags & SWP_HIDEWINDOW) != 0 && m_bShown)
            OnOwnerHidden();
    }
    else if (nMessage == WM_WINDOWPOSCHANGED)
    {
        const HWND hTop = m_hTop;
        const bool bOrderChanged = (reinterpret_cast<WINDOWPOS*>(lParam)->flags & SWP_NOZORDER) == 0;
        if (std::exchange(m_bTopMostAsked, false) && bOrderChanged && !m_bTakingBand)
        {
            m_bTakingBand = true;
            EnterTopMostBand(hTop);
            if (Of(hTop) != this) // the window went meanwhile
                return false;
            m_bTakingBand = false;
            EndBandAttention();
        }
        OnOwnerChanged(bOrderChanged);
    }
    else if (nMessage == WM_STYLECHANGED && wParam == (WPARAM)GWL_STYLE) // the tray's hide and show
        OnOwnerChanged(false);
    return false;
}

void COwnerFollow::OnOwnerHidden()
{
    m_bShown = false;
    m_bReleased = false;
    m_bFocusOffered = false;
    StopFocusWait();
    m_unoffered.clear();
    HideFrames();
}

void COwnerFollow::OnOwnerChanged(bool bOrderChanged)
{
    const bool bShown = IsShownTop(m_hTop);
    if (bShown == m_bShown)
    {
        if (bShown && bOrderChanged)
            FollowBand();
        return;
    }
    m_bShown = bShown;
    if (!bShown)
        OnOwnerHidden();
    else if (!::PostMessageW(m_hTop, g_nMsgShowHeldFrames, 0, 0))
        ShowHeldFrames();
}

// Windows hides the windows an owner owns as it is minimized (SW_PARENTCLOSING) and shows them as it is restored;
// Wine does not, nor does any system when the visible style is taken away (the tray). Only frames still shown are
// hidden here, and only those hidden or held here are shown by the follower.
void COwnerFollow::HideFrames()
{
    const bool bWasHiding = m_bHiding;
    m_bHiding = true;
    // By handle: a hide lets handlers run that may destroy frames.
    for (HWND hFrame : OwnedFrames(m_hTop))
        if (::IsWindow(hFrame) && ::IsWindowVisible(hFrame))
        {
            if (std::find(m_frames.begin(), m_frames.end(), hFrame) == m_frames.end())
                m_frames.push_back(hFrame);
            ::SetWindowPos(hFrame, nullptr, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
        }
    m_bHiding = bWasHiding;
}

void COwnerFollow::ShowHeldFrames()
{
    m_bReleased = true;
    const HWND hTop = m_hTop;
    std::vector<HWND> frames;
    frames.swap(m_frames);
    // By handle: a show lets handlers run that may destroy frames, this follower with the window, or take the
    // bars away. A frame whose bars were all hidden or moved out meanwhile stays hidden, as its hide did not
    // reach it while it was hidden.
    for (HWND hFrame : frames)
    {
        CExtMiniDockFrameWnd* pMini = DYNAMIC_DOWNCAST(CExtMiniDockFrameWnd, CWnd::FromHandlePermanent(hFrame));
        if (pMini != nullptr && ::GetWindow(hFrame, GW_OWNER) == hTop && !pMini->IsWindowVisible() &&
            pMini->m_wndDockBar.GetDockedVisibleCount() > 0)
        {
            ::SetWindowPos(hFrame, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
            COwnerFollow* pFollow = Of(hTop);
            if (pFollow != nullptr && ::IsWindowVisible(hFrame) &&
                std::find(pFollow->m_unoffered.begin(), pFollow->m_unoffered.end(), hFrame) ==
                    pFollow->m_unoffered.end())
                pFollow->m_unoffered.push_back(hFrame);
        }
    }
    if (COwnerFollow* pFollow = Of(hTop)) // still there: the window was not destroyed meanwhile
        pFollow->FollowBand();
}

void COwnerFollow::ShowHeldFramesOnceFocused()
{
    if (m_bFocusOffered || !FocusComesFromWindowManager(m_hTop))
    {
        ShowHeldFrames();
        return;
    }
    m_bAwaitingFocus = ::SetTimer(m_hTop, g_nFocusWaitTimer, g_nFocusWaitMs, nullptr) != 0;
    if (!m_bAwaitingFocus)
        ShowHeldFrames();
}

void COwnerFollow::StopFocusWait()
{
    if (std::exchange(m_bAwaitingFocus, false))
        ::KillTimer(m_hTop, g_nFocusWaitTimer);
}

bool COwnerFollow::OnMouseActivate(LPARAM lParam)
{
    if (LOWORD(lParam) != HTMENU || ::GetMenu(m_hTop) != nullptr)
        return false;
    if (PlatformIsModalEndOffer(m_hTop))
        return true;
    m_bFocusOffered = true;
    // Posted: the offer's answer gives the window the focus first.
    if (m_bAwaitingFocus)
    {
        StopFocusWait();
        ::PostMessageW(m_hTop, g_nMsgShowHeldFrames, 0, 0);
    }
    else if (!m_unoffered.empty())
        ::PostMessageW(m_hTop, g_nMsgEndFramesAttention, 0, 0);
    return false;
}

void COwnerFollow::EndFramesAttention()
{
    std::vector<HWND> frames;
    frames.swap(m_unoffered);
    for (HWND hFrame : frames)
        if (::IsWindow(hFrame) && ::IsWindowVisible(hFrame))
        {
            FLASHWINFO fi = {sizeof fi, hFrame, FLASHW_STOP, 0, 0};
            ::FlashWindowEx(&fi);
        }
}

void COwnerFollow::EndBandAttention()
{
    for (HWND hFrame : OwnedFrames(m_hTop))
        if (::IsWindowVisible(hFrame) && std::find(m_unoffered.begin(), m_unoffered.end(), hFrame) == m_unoffered.end())
            m_unoffered.push_back(hFrame);
    if (!m_unoffered.empty())
        ::PostMessageW(m_hTop, g_nMsgEndFramesAttention, 0, 0);
}

void COwnerFollow::EnterTopMostBand(HWND hTop)
{
    const UINT nFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    CBandNeighbour neighbour(true);
    if (!IsTopMostWnd(hTop))
        ::SetWindowPos(hTop, HWND_TOPMOST, 0, 0, 0, 0, nFlags);
    // Under Wine a window manager stacks the window above the frames, which entered the band before it: they go to
    // the top again in turn, a move Wine passes on to the manager only from below the top, where the neighbour is
    // put first.
    neighbour.ToTop();
    for (HWND hFrame : OwnedFrames(hTop))
        if (::IsWindow(hFrame) && IsTopMostWnd(hTop))
            ::SetWindowPos(hFrame, HWND_TOPMOST, 0, 0, 0, 0, nFlags);
}

void COwnerFollow::FollowBand()
{
    const HWND hTop = m_hTop;
    if (MoveFramesToBand(OwnedFrames(hTop), IsTopMostWnd(hTop)))
        if (COwnerFollow* pFollow = Of(hTop)) // still there: a move lets handlers run
            pFollow->EndBandAttention();
}
} // namespace

void CExtMiniDockFrameWnd::FollowTopLevel(CFrameWnd* pDockSite)
{
    if (const HWND hTop = TopLevelOf(pDockSite))
        COwnerFollow::Attach(hTop, false);
}

void CExtMiniDockFrameWnd::HoldShowsUntilFirstShow(CFrameWnd* pDockSite)
{
    const HWND hTop = TopLevelOf(pDockSite);
    if (hTop != nullptr && (::GetWindowLongPtrW(hTop, GWL_STYLE) & WS_VISIBLE) == 0)
        COwnerFollow::Attach(hTop, true);
}

bool CExtMiniDockFrameWnd::IsWaitingForOwnerShow() const
{
    const COwnerFollow* pFollow = GetSafeHwnd() != nullptr ? COwnerFollow::Of(::GetWindow(m_hWnd, GW_OWNER)) : nullptr;
    return pFollow != nullptr &&
           std::find(pFollow->m_frames.begin(), pFollow->m_frames.end(), m_hWnd) != pFollow->m_frames.end();
}

void CExtMiniDockFrameWnd::NoteFocusOffer()
{
    const HWND hTop = GetSafeHwnd() != nullptr ? ::GetWindow(m_hWnd, GW_OWNER) : nullptr;
    if (COwnerFollow* pFollow = hTop != nullptr ? COwnerFollow::Of(hTop) : nullptr)
    {
        std::vector<HWND>& unoffered = pFollow->m_unoffered;
        unoffered.erase(std::remove(unoffered.begin(), unoffered.end(), m_hWnd), unoffered.end());
    }
}

bool CExtMiniDockFrameWnd::HoldShow(bool bShow)
{
    const HWND hTop = ::GetWindow(m_hWnd, GW_OWNER);
    COwnerFollow* pFollow = hTop != nullptr ? COwnerFollow::Of(hTop) : nullptr;
    if (pFollow == nullptr || pFollow->m_bHiding)
        return false;
    std::vector<HWND>& frames = pFollow->m_frames;
    const auto it = std::find(frames.begin(), frames.end(), m_hWnd);
    if (!bShow)
    {
        if (it != frames.end())
            frames.erase(it);
        return false;
    }
    if (!pFollow->IsHolding() || IsWindowVisible())
        return false;
    if (it == frames.end())
        frames.push_back(m_hWnd);
    return true;
}
