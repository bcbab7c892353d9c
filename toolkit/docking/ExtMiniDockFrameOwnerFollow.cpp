// CExtMiniDockFrameWnd: what a floating frame asks of the follower of its top-level window (CExtFrameOwnerFollow):
// to be followed, to hold its show until the window is shown, and what a window manager's focus offer tells it.
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtFrameOwnerFollow.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"

namespace
{
HWND TopLevelOf(CFrameWnd* pDockSite)
{
    CWnd* pTop = pDockSite != nullptr ? CExtControlBar::GetTopLevelNonChild(pDockSite) : nullptr;
    return pTop != nullptr ? pTop->GetSafeHwnd() : nullptr;
}
} // namespace

void CExtMiniDockFrameWnd::FollowTopLevel(CFrameWnd* pDockSite)
{
    if (const HWND hTop = TopLevelOf(pDockSite))
        CExtFrameOwnerFollow::Attach(hTop, false);
}

void CExtMiniDockFrameWnd::HoldShowsUntilFirstShow(CFrameWnd* pDockSite)
{
    const HWND hTop = TopLevelOf(pDockSite);
    if (hTop != nullptr && (::GetWindowLongPtrW(hTop, GWL_STYLE) & WS_VISIBLE) == 0)
        CExtFrameOwnerFollow::Attach(hTop, true);
}

bool CExtMiniDockFrameWnd::IsWaitingForOwnerShow() const
{
    const CExtFrameOwnerFollow* pFollow =
        GetSafeHwnd() != nullptr ? CExtFrameOwnerFollow::Of(::GetWindow(m_hWnd, GW_OWNER)) : nullptr;
    return pFollow != nullptr && pFollow->IsWaiting(m_hWnd);
}

void CExtMiniDockFrameWnd::NoteFocusOffer()
{
    const HWND hTop = GetSafeHwnd() != nullptr ? ::GetWindow(m_hWnd, GW_OWNER) : nullptr;
    if (CExtFrameOwnerFollow* pFollow = hTop != nullptr ? CExtFrameOwnerFollow::Of(hTop) : nullptr)
        pFollow->NoteFocusOffer(m_hWnd);
}

bool CExtMiniDockFrameWnd::HoldShow(bool bShow)
{
    const HWND hTop = ::GetWindow(m_hWnd, GW_OWNER);
    CExtFrameOwnerFollow* pFollow = hTop != nullptr ? CExtFrameOwnerFollow::Of(hTop) : nullptr;
    return pFollow != nullptr && pFollow->HoldShow(m_hWnd, bShow);
}
