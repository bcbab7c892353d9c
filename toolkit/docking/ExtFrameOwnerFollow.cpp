// CExtFrameOwnerFollow: the floating frames a top-level window owns follow it. While it has not been shown, is hidden
// (the tray) or is minimized, they wait hidden; when it is shown again they show above it, in their order, without
// activation. It watches the window and hands its band to CExtFrameBand, the wait for a window manager's offer of the
// focus and the attention marks to CExtFocusOfferWait.
#include "toolkit/docking/ExtFrameOwnerFollow.h"
#include "platform/MessageBox.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "toolkit/docking/ExtOwnedFrames.h"
#include <algorithm>
#include <utility>

namespace
{
// Posted to a top-level window when it comes back shown: its waiting floating frames show once the show's
// activation is over. Only for Wine, where an overlapped owner brought to the top by its activation after its show
// goes above the windows it owns (on Windows they stay above it): shown after that, they lie above it.
const UINT g_nMsgShowHeldFrames = ::RegisterWindowMessageW(L"CExtMiniDockFrameWnd::ShowHeldFrames");

bool IsShownTop(HWND hTop) { return ::IsWindowVisible(hTop) && !::IsIconic(hTop); }
} // namespace

CExtFrameOwnerFollow::CExtFrameOwnerFollow(HWND hTop, bool bShown)
    : CExtHookSink(false), m_hTop(hTop), m_bShown(bShown), m_band(hTop), m_focusWait(hTop)
{}

CExtFrameOwnerFollow::~CExtFrameOwnerFollow() { Follows().erase(m_hTop); }

std::map<HWND, CExtFrameOwnerFollow*>& CExtFrameOwnerFollow::Follows()
{
    static std::map<HWND, CExtFrameOwnerFollow*> follows;
    return follows;
}

CExtFrameOwnerFollow* CExtFrameOwnerFollow::Of(HWND hTop)
{
    auto it = Follows().find(hTop);
    return it != Follows().end() ? it->second : nullptr;
}

CExtFrameOwnerFollow* CExtFrameOwnerFollow::Attach(HWND hTop, bool bHold)
{
    CExtFrameOwnerFollow* pFollow = Of(hTop);
    if (pFollow == nullptr)
    {
        pFollow = new CExtFrameOwnerFollow(hTop, IsShownTop(hTop));
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

bool CExtFrameOwnerFollow::OnHookWndMsg(LRESULT& lResult, HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam)
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
    if (m_focusWait.OnWaitTimer(nMessage, wParam))
    {
        if (m_bShown && IsShownTop(m_hTop) && !m_bReleased)
            ShowHeldFrames();
        lResult = 0;
        return true;
    }
    if (m_focusWait.OnEndAttention(nMessage))
    {
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
        m_band.OnPosChanging(wp);
        // The frames go before the window: a window manager may leave an owner hidden before the windows it owns on
        // the screen (xfwm4 under load: a plain owner 4 of 8; its pop-ups hidden first 0 of 8).
        if ((wp.flags & SWP_HIDEWINDOW) != 0 && m_bShown)
            OnOwnerHidden();
    }
    else if (nMessage == WM_WINDOWPOSCHANGED)
    {
        const HWND hTop = m_hTop;
        const bool bOrderChanged = (reinterpret_cast<WINDOWPOS*>(lParam)->flags & SWP_NOZORDER) == 0;
        if (m_band.BeginEntry(bOrderChanged))
        {
            CExtFrameBand::EnterTopMostBand(hTop);
            if (Of(hTop) != this) // the window went meanwhile
                return false;
            m_band.EndEntry();
            m_focusWait.EndBandAttention();
        }
        OnOwnerChanged(bOrderChanged);
    }
    else if (nMessage == WM_STYLECHANGED && wParam == (WPARAM)GWL_STYLE) // the tray's hide and show
        OnOwnerChanged(false);
    return false;
}

void CExtFrameOwnerFollow::OnOwnerHidden()
{
    m_bShown = false;
    m_bReleased = false;
    m_focusWait.Reset();
    HideFrames();
}

void CExtFrameOwnerFollow::OnOwnerChanged(bool bOrderChanged)
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
void CExtFrameOwnerFollow::HideFrames()
{
    const bool bWasHiding = m_bHiding;
    m_bHiding = true;
    // By handle: a hide lets handlers run that may destroy frames.
    for (HWND hFrame : CExtOwnedFrames::Of(m_hTop))
        if (::IsWindow(hFrame) && ::IsWindowVisible(hFrame))
        {
            if (std::find(m_frames.begin(), m_frames.end(), hFrame) == m_frames.end())
                m_frames.push_back(hFrame);
            ::SetWindowPos(hFrame, nullptr, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
        }
    m_bHiding = bWasHiding;
}

bool CExtFrameOwnerFollow::IsWaiting(HWND hFrame) const
{
    return std::find(m_frames.begin(), m_frames.end(), hFrame) != m_frames.end();
}

bool CExtFrameOwnerFollow::HoldShow(HWND hFrame, bool bShow)
{
    if (m_bHiding)
        return false;
    const auto it = std::find(m_frames.begin(), m_frames.end(), hFrame);
    if (!bShow)
    {
        if (it != m_frames.end())
            m_frames.erase(it);
        return false;
    }
    if (!IsHolding() || ::IsWindowVisible(hFrame))
        return false;
    if (it == m_frames.end())
        m_frames.push_back(hFrame);
    return true;
}

void CExtFrameOwnerFollow::ShowHeldFrames()
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
            CExtFrameOwnerFollow* pFollow = Of(hTop);
            if (pFollow != nullptr && ::IsWindowVisible(hFrame))
                pFollow->m_focusWait.NoteShown(hFrame);
        }
    }
    if (CExtFrameOwnerFollow* pFollow = Of(hTop)) // still there: the window was not destroyed meanwhile
        pFollow->FollowBand();
}

void CExtFrameOwnerFollow::ShowHeldFramesOnceFocused()
{
    if (!m_focusWait.Wait())
        ShowHeldFrames();
}

bool CExtFrameOwnerFollow::OnMouseActivate(LPARAM lParam)
{
    if (LOWORD(lParam) != HTMENU || ::GetMenu(m_hTop) != nullptr)
        return false;
    if (PlatformIsModalEndOffer(m_hTop))
        return true;
    // Posted: the offer's answer gives the window the focus first.
    if (m_focusWait.OnOffer())
        ::PostMessageW(m_hTop, g_nMsgShowHeldFrames, 0, 0);
    return false;
}

void CExtFrameOwnerFollow::FollowBand()
{
    const HWND hTop = m_hTop;
    if (CExtFrameBand::Follow(hTop))
        if (CExtFrameOwnerFollow* pFollow = Of(hTop)) // still there: a move lets handlers run
            pFollow->m_focusWait.EndBandAttention();
}
