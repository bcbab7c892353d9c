// CExtMiniDockFrameWnd: floating frames held back until the first show of their owner, the dock site's
// top-level window.
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/foundation/ExtHookSink.h"
#include <algorithm>
#include <map>
#include <vector>

namespace
{
// Posted to a top-level window at its first show: its held floating frames show once the show's activation is
// over. Under Wine an overlapped owner brought to the top (the frame's activation after its show) goes above the
// windows it owns, which are shown after that so that they lie above it.
const UINT g_nMsgShowHeldFrames = ::RegisterWindowMessageW(L"CExtMiniDockFrameWnd::ShowHeldFrames");

// Watches a top-level window that has never been shown; after its first show it goes and shows the floating
// frames held meanwhile. Deleted then or with the window.
class CFirstShowWait : public CExtHookSink
{
public:
    explicit CFirstShowWait(HWND hTop) : CExtHookSink(false), m_hTop(hTop) {}
    ~CFirstShowWait() override { Waits().erase(m_hTop); }
    CFirstShowWait(const CFirstShowWait&) = delete;
    CFirstShowWait& operator=(const CFirstShowWait&) = delete;

    // The waits by top-level window.
    static std::map<HWND, CFirstShowWait*>& Waits()
    {
        static std::map<HWND, CFirstShowWait*> waits;
        return waits;
    }
    static CFirstShowWait* Of(HWND hTop)
    {
        auto it = Waits().find(hTop);
        return it != Waits().end() ? it->second : nullptr;
    }

    bool IsAutoDeleteHookWndSink() override { return true; }
    bool OnHookWndMsg(LRESULT& lResult, HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam) override;

    std::vector<HWND> m_frames; // the held frames, in the order they were asked to show

private:
    // Ends the wait (deletes this) and shows the held frames, each on top in turn, without activation.
    void ShowHeldFrames();

    HWND m_hTop;
    bool m_bShown = false; // the window was shown; the frames show at the posted message
};

bool CFirstShowWait::OnHookWndMsg(LRESULT& lResult, HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam)
{
    (void)wParam;
    if (nMessage == g_nMsgShowHeldFrames)
    {
        // Hidden again meanwhile: the frames wait for the next show.
        m_bShown = ::IsWindowVisible(hWnd) != FALSE;
        if (m_bShown)
            ShowHeldFrames();
        lResult = 0;
        return true;
    }
    if (m_bShown || nMessage != WM_WINDOWPOSCHANGED ||
        (reinterpret_cast<WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW) == 0 || !::IsWindowVisible(hWnd))
        return false;
    m_bShown = true;
    if (!::PostMessageW(hWnd, g_nMsgShowHeldFrames, 0, 0))
        ShowHeldFrames();
    return false;
}

void CFirstShowWait::ShowHeldFrames()
{
    const HWND hTop = m_hTop;
    const std::vector<HWND> frames = m_frames;
    AttachToWindow(hTop, true); // deletes this: the frames show as any other
    // By handle: a show lets handlers run that may destroy frames or take their bars away. A frame whose bars
    // were all hidden or moved out meanwhile stays hidden, as its hide did not reach it while it was hidden.
    for (HWND hFrame : frames)
    {
        CExtMiniDockFrameWnd* pMini = DYNAMIC_DOWNCAST(CExtMiniDockFrameWnd, CWnd::FromHandlePermanent(hFrame));
        if (pMini != nullptr && ::GetWindow(hFrame, GW_OWNER) == hTop && !pMini->IsWindowVisible() &&
            pMini->m_wndDockBar.GetDockedVisibleCount() > 0)
            ::SetWindowPos(hFrame, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
}
} // namespace

void CExtMiniDockFrameWnd::HoldShowsUntilFirstShow(CFrameWnd* pDockSite)
{
    CWnd* pTop = pDockSite != nullptr ? CExtControlBar::GetTopLevelNonChild(pDockSite) : nullptr;
    const HWND hTop = pTop != nullptr ? pTop->GetSafeHwnd() : nullptr;
    if (hTop == nullptr || (pTop->GetStyle() & WS_VISIBLE) != 0 || CFirstShowWait::Of(hTop) != nullptr)
        return;
    CFirstShowWait* pWait = new CFirstShowWait(hTop);
    if (!pWait->AttachToWindow(hTop))
    {
        delete pWait;
        return;
    }
    CFirstShowWait::Waits()[hTop] = pWait;
}

bool CExtMiniDockFrameWnd::IsWaitingForOwnerShow() const
{
    const CFirstShowWait* pWait =
        GetSafeHwnd() != nullptr ? CFirstShowWait::Of(::GetWindow(m_hWnd, GW_OWNER)) : nullptr;
    return pWait != nullptr &&
           std::find(pWait->m_frames.begin(), pWait->m_frames.end(), m_hWnd) != pWait->m_frames.end();
}

bool CExtMiniDockFrameWnd::HoldShow(bool bShow)
{
    CFirstShowWait* pWait = CFirstShowWait::Of(::GetWindow(m_hWnd, GW_OWNER));
    if (pWait == nullptr)
        return false;
    std::vector<HWND>& frames = pWait->m_frames;
    const auto it = std::find(frames.begin(), frames.end(), m_hWnd);
    if (!bShow)
    {
        if (it != frames.end())
            frames.erase(it);
        return false;
    }
    if (IsWindowVisible())
        return false;
    if (it == frames.end())
        frames.push_back(m_hWnd);
    return true;
}
