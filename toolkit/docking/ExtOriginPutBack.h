// CExtOriginPutBack: puts a floating frame back at its own place when Wine moves it to the screen's origin (under
// openbox, under load); the program itself never moves a shown floating frame there, the user may.
#pragma once
#include "platform/Geometry.h"

class CExtMiniDockFrameWnd;

class CExtOriginPutBack
{
public:
    // Follows the frame's moves (its OnWindowPosChanged, after the base handler, before any move of its own): a move
    // of the shown frame to the origin that no gesture of the user's made, with its place elsewhere, posts
    // g_nMsgBackFromOrigin to the frame and returns true (the frame makes no move of its own then); any other move
    // gives the frame its place.
    bool OnWindowPosChanged(CExtMiniDockFrameWnd* pFrame, const WINDOWPOS* lpWndPos);
    // The posted message's work: the frame still at the origin goes back to its place.
    void OnBackFromOrigin(CExtMiniDockFrameWnd* pFrame) const;

    // Posted to put the frame back at its place from the screen's origin.
    static const UINT g_nMsgBackFromOrigin;

private:
    // Whether the user moves or sizes the frame now: its resize loop, a dragged bar, the capture in the frame or a
    // system move or size loop on it.
    static bool UserMovesFrame(CExtMiniDockFrameWnd* pFrame);

    bool m_bPlaced = false; // m_ptPlace holds the frame's place (from its first move on, for its life)
    CPoint m_ptPlace;       // where the program or the user last put the frame
};
