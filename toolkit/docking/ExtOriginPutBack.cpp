// CExtOriginPutBack: the floating frame's way back from Wine's move to the screen's origin.
#include "toolkit/docking/ExtOriginPutBack.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"

const UINT CExtOriginPutBack::g_nMsgBackFromOrigin = ::RegisterWindowMessageW(L"CExtMiniDockFrameWnd::BackFromOrigin");

bool CExtOriginPutBack::UserMovesFrame(CExtMiniDockFrameWnd* pFrame)
{
    if (pFrame->IsResizing() || CExtControlBar::GetDraggedBar() != nullptr)
        return true;
    GUITHREADINFO gti = {sizeof gti};
    if (!::GetGUIThreadInfo(::GetCurrentThreadId(), &gti))
        return false;
    const HWND hFrame = pFrame->GetSafeHwnd();
    if ((gti.flags & GUI_INMOVESIZE) != 0 && gti.hwndMoveSize == hFrame)
        return true;
    return gti.hwndCapture != nullptr && (gti.hwndCapture == hFrame || ::IsChild(hFrame, gti.hwndCapture));
}

bool CExtOriginPutBack::OnWindowPosChanged(CExtMiniDockFrameWnd* pFrame, const WINDOWPOS* lpWndPos)
{
    if ((lpWndPos->flags & SWP_NOMOVE) != 0 && m_bPlaced)
        return false;
    CRect rcNow;
    pFrame->GetWindowRect(&rcNow);
    // Wine under openbox moves a shown window to the screen's origin now and then: it reads the manager's configure
    // event sent before the manager framed the window just mapped (plain Win32 owned pop-ups shown again with their
    // owner under load 73 of 680, quiet 0 of 140; no way of showing avoids it), in its handling of X events, which
    // may come seconds after the show. Wine alone moves a Win32 window it shows as an X window unasked, and a hidden
    // one not at all; the program does not move a shown floating frame there, the user's drag does. Posted: a move
    // made while Wine handles that event does not reach the X window.
    if (m_bPlaced && rcNow.TopLeft() == CPoint(0, 0) && m_ptPlace != CPoint(0, 0) && pFrame->IsWindowVisible() &&
        ::GetPropW(pFrame->GetSafeHwnd(), L"__wine_x11_whole_window") != nullptr && !UserMovesFrame(pFrame))
    {
        pFrame->PostMessage(g_nMsgBackFromOrigin);
        return true;
    }
    m_bPlaced = true;
    m_ptPlace = rcNow.TopLeft();
    return false;
}

void CExtOriginPutBack::OnBackFromOrigin(CExtMiniDockFrameWnd* pFrame) const
{
    CRect rcWnd;
    pFrame->GetWindowRect(&rcWnd);
    if (m_bPlaced && rcWnd.TopLeft() == CPoint(0, 0) && m_ptPlace != CPoint(0, 0))
        pFrame->SetWindowPos(nullptr, m_ptPlace.x, m_ptPlace.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
