// CExtMiniDockFrameWnd: the floating frames a top-level window owns follow it. While it has not been shown, is
// hidden (the tray) or is minimized, they wait hidden; when it is shown again they show above it, in their order,
// without activation; they take the band (topmost or not) it takes.
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/foundation/ExtHookSink.h"
#include <algorithm>
#include <map>
#include <vector>

namespace
{
// Posted to a top-level window when it comes back shown: its waiting floating frames show once the show's
// activation is over. Under Wine an overlapped owner brought to the top (the frame's activation after its show)
// goes above the windows it owns, which are shown after that so that they lie above it.
const UINT g_nMsgShowHeldFrames = ::RegisterWindowMessageW(L"CExtMiniDockFrameWnd::ShowHeldFrames");

bool IsShownTop(HWND hTop) { return ::IsWindowVisible(hTop) && !::IsIconic(hTop); }

bool IsTopMostWnd(HWND hWnd) { return (::GetWindowLongPtrW(hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

bool IsFloatingFrame(HWND hWnd)
{
    return DYNAMIC_DOWNCAST(CExtMiniDockFrameWnd, CWnd::FromHandlePermanent(hWnd)) != nullptr;
}

// The top-level windows hTop owns, bottom of the window order first; with bFramesOnly, its floating frames.
std::vector<HWND> OwnedWindows(HWND hTop, bool bFramesOnly)
{
    std::vector<HWND> owned;
    for (HWND hWnd = ::GetWindow(::GetDesktopWindow(), GW_CHILD); hWnd != nullptr;
         hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
        if (::GetWindow(hWnd, GW_OWNER) == hTop && (!bFramesOnly || IsFloatingFrame(hWnd)))
            owned.push_back(hWnd);
    std::reverse(owned.begin(), owned.end());
    return owned;
}

// The floating frames among the windows (bottom first) not in the band go to its top in turn: they keep their order,
// above a window that just took the band.
void MoveFramesToBand(const std::vector<HWND>& windows, bool bTopMost)
{
    for (HWND hWnd : windows)
        if (::IsWindow(hWnd) && IsTopMostWnd(hWnd) != bTopMost && IsFloatingFrame(hWnd))
            ::SetWindowPos(hWnd, bTopMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
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

    std::vector<HWND> m_frames; // the waiting frames, in the order they are to show
    bool m_bHiding = false;     // the frames are being hidden here: their hides leave the list alone

private:
    // The window was shown, hidden or minimized, or changed its band.
    void OnOwnerChanged(bool bOrderChanged);
    // Hides the shown frames, which then wait with the others.
    void HideFrames();
    // Shows the waiting frames, each on top in turn, without activation.
    void ShowHeldFrames();
    // Gives the frames the band of the window.
    void FollowBand();
    // Wine does not move a window that owns others into or out of the topmost band: it moves the owned windows
    // above it and leaves it where it was. The owned windows leave it while the window changes its band, and
    // come back once the frames among them took the new band.
    void OnBandAsked(const WINDOWPOS& wp);
    void FollowBandUnowned();

    std::vector<HWND> m_unowned; // the windows taken from the window while it changes its band

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
            ShowHeldFrames();
        lResult = 0;
        return true;
    }
    if (nMessage == WM_WINDOWPOSCHANGING)
        OnBandAsked(*reinterpret_cast<WINDOWPOS*>(lParam));
    else if (nMessage == WM_WINDOWPOSCHANGED)
    {
        const HWND hTop = m_hTop;
        if (!m_unowned.empty())
            FollowBandUnowned();
        if (Of(hTop) != this) // the window went while the frames moved
            return false;
        OnOwnerChanged((reinterpret_cast<WINDOWPOS*>(lParam)->flags & SWP_NOZORDER) == 0);
    }
    else if (nMessage == WM_STYLECHANGED && wParam == (WPARAM)GWL_STYLE) // the tray's hide and show
        OnOwnerChanged(false);
    return false;
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
    {
        m_bReleased = false;
        HideFrames();
    }
    else if (!::PostMessageW(m_hTop, g_nMsgShowHeldFrames, 0, 0))
        ShowHeldFrames();
}

void COwnerFollow::HideFrames()
{
    const bool bWasHiding = m_bHiding;
    m_bHiding = true;
    // By handle: a hide lets handlers run that may destroy frames.
    for (HWND hFrame : OwnedWindows(m_hTop, true))
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
            ::SetWindowPos(hFrame, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    if (COwnerFollow* pFollow = Of(hTop)) // still there: the window was not destroyed meanwhile
        pFollow->FollowBand();
}

void COwnerFollow::OnBandAsked(const WINDOWPOS& wp)
{
    if ((wp.flags & SWP_NOZORDER) != 0 ||
        (wp.hwndInsertAfter != HWND_TOPMOST && wp.hwndInsertAfter != HWND_NOTOPMOST) ||
        (wp.hwndInsertAfter == HWND_TOPMOST) == IsTopMostWnd(m_hTop) || !m_unowned.empty())
        return;
    m_unowned = OwnedWindows(m_hTop, false);
    for (HWND hWnd : m_unowned)
        ::SetWindowLongPtrW(hWnd, GWLP_HWNDPARENT, 0);
}

void COwnerFollow::FollowBandUnowned()
{
    const HWND hTop = m_hTop;
    std::vector<HWND> unowned;
    unowned.swap(m_unowned);
    // While no owner holds them back.
    MoveFramesToBand(unowned, IsTopMostWnd(hTop));
    for (HWND hWnd : unowned)
        if (::IsWindow(hWnd) && ::IsWindow(hTop))
            ::SetWindowLongPtrW(hWnd, GWLP_HWNDPARENT, (LONG_PTR)hTop);
}

void COwnerFollow::FollowBand() { MoveFramesToBand(OwnedWindows(m_hTop, true), IsTopMostWnd(m_hTop)); }
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
