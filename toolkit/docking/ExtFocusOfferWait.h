// CExtFocusOfferWait: a shown top-level window's wait for a window manager's offer of the focus before its floating
// frames show, and the attention marks taken off the frames a window manager has not offered the focus.
#pragma once
#include "platform/Core.h"
#include <vector>

class CExtFocusOfferWait
{
public:
    explicit CExtFocusOfferWait(HWND hTop) : m_hTop(hTop) {}
    CExtFocusOfferWait(const CExtFocusOfferWait&) = delete;
    CExtFocusOfferWait& operator=(const CExtFocusOfferWait&) = delete;

    // ---- the wait --------------------------------------------------------------------------------------
    // The window was hidden or minimized: the next show waits for an offer again, and no frame is noted.
    void Reset();
    // The window's frames are to show: true when they wait for the focus, given by a window manager later, at its
    // offer or when no offer came within g_nFocusWaitMs; false when they show now.
    bool Wait();
    void StopWait();
    // True for the end of the wait with no offer (its timer); the wait is stopped.
    bool OnWaitTimer(UINT nMessage, WPARAM wParam);

    // ---- the offer and the attention marks -----------------------------------------------------------
    // A window manager's offer of the focus (see FocusComesFromWindowManager) ends the wait: true when the frames
    // waited for it and show now. At a later offer the frames shown and not offered the focus themselves since lose
    // their attention mark: IceWM marks any transient mapped while its owner is not IceWM's active window, which no
    // Wine window is after its start (a plain Win32 popup 3 of 3), and a later click makes it so only now and then.
    bool OnOffer();
    // A frame was shown here: a window manager has not offered it the focus since.
    void NoteShown(HWND hFrame);
    // A window manager offered the frame the focus: it has not marked the frame as asking for attention.
    void NoteOffered(HWND hFrame);
    // True for the posted end of the attention marks, which is then done.
    bool OnEndAttention(UINT nMessage);
    // The frames changed their band: IceWM marks owned windows as asking for attention at a change of the top-most
    // band (a plain owner with two popups 3 of 3), which FLASHW_STOP after the change takes away (6 of 6). Posted: it
    // follows the requests of the change.
    void EndBandAttention();

private:
    // FLASHW_STOP reaches a window manager as the removal of the mark (IceWM takes it away: plain popups 3 of 3, and
    // 6 of 6 at the offer of a click); on Windows it ends a flash, and does nothing to a window that never flashed.
    void EndFramesAttention();

    HWND m_hTop;
    bool m_bFocusOffered = false;  // a window manager offered the window the focus since it was last shown
    bool m_bAwaitingFocus = false; // the shown window's frames wait for that offer (g_nFocusWaitTimer runs)
    std::vector<HWND> m_unoffered; // the frames shown here and not offered the focus since
};
