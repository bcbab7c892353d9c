// CExtOriginPutBack: the floating frame's way back from Wine's move to the screen's origin after its show.
#include "toolkit/docking/ExtOriginPutBack.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"

namespace
{
// How long after its show a move of the frame to the screen's origin may be Wine's (see OnWindowPosChanged): Wine
// reads the window manager's event once the program's thread looks at its queue, seconds later on a slow start.
const DWORD kWineOriginMoveMs = 5000;
} // namespace

const UINT CExtOriginPutBack::g_nMsgBackFromOrigin = ::RegisterWindowMessageW(L"CExtMiniDockFrameWnd::BackFromOrigin");

void CExtOriginPutBack::OnWindowPosChanged(CExtMiniDockFrameWnd* pFrame, const WINDOWPOS* lpWndPos)
{
    CRect rcNow;
    pFrame->GetWindowRect(&rcNow);
    if ((lpWndPos->flags & SWP_SHOWWINDOW) != 0)
    {
        m_dwShownAt = ::GetTickCount();
        m_ptShown = rcNow.TopLeft();
    }
    else if ((lpWndPos->flags & SWP_NOMOVE) == 0 && m_dwShownAt != 0)
    {
        if (::GetTickCount() - m_dwShownAt > kWineOriginMoveMs)
            m_dwShownAt = 0;
        else if (rcNow.TopLeft() != CPoint(0, 0))
            m_ptShown = rcNow.TopLeft();
        else if (m_ptShown != CPoint(0, 0) && pFrame->IsWindowVisible() && !pFrame->IsResizing() &&
                 ::GetCapture() == nullptr && CExtControlBar::GetDraggedBar() == nullptr)
        {
            // Wine under openbox: a frame moved to the screen's origin within moments of its show, with no drag under
            // way, was moved there by Wine reading the manager's configure event sent before it framed the window
            // just mapped (plain Win32 owned pop-ups shown again with their owner under load 73 of 680; no way of
            // showing avoids it). The program itself does not move a shown floating frame there. Posted: a move made
            // while Wine handles that event does not reach the X window.
            pFrame->PostMessage(g_nMsgBackFromOrigin);
        }
    }
}

void CExtOriginPutBack::OnBackFromOrigin(CExtMiniDockFrameWnd* pFrame) const
{
    CRect rcWnd;
    pFrame->GetWindowRect(&rcWnd);
    if (rcWnd.TopLeft() == CPoint(0, 0))
        pFrame->SetWindowPos(nullptr, m_ptShown.x, m_ptShown.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
