// CExtOriginPutBack: puts a floating frame back where it was shown when Wine, just after the show, moves it to the
// screen's origin (under openbox, under load); the program itself never moves a shown floating frame there.
#pragma once
#include "platform/Geometry.h"

class CExtMiniDockFrameWnd;

class CExtOriginPutBack
{
public:
    // Follows the frame's shows and moves (its OnWindowPosChanged, after the base handler): a move to the origin
    // within moments of its show, with no drag or resize under way, posts g_nMsgBackFromOrigin to the frame.
    void OnWindowPosChanged(CExtMiniDockFrameWnd* pFrame, const WINDOWPOS* lpWndPos);
    // The posted message's work: the frame still at the origin goes back to m_ptShown.
    void OnBackFromOrigin(CExtMiniDockFrameWnd* pFrame) const;

    // Posted to put the frame back at m_ptShown from the screen's origin.
    static const UINT g_nMsgBackFromOrigin;

private:
    DWORD m_dwShownAt = 0; // the tick of the last show, while a move may be Wine's (OnWindowPosChanged); else 0
    CPoint m_ptShown;      // the place it was shown at, or moved to since
};
