// CExtFrameOwnerFollow: the floating frames a top-level window owns follow it. While it has not been shown, is hidden
// (the tray) or is minimized, they wait hidden; when it is shown again they show above it, in their order, without
// activation. It watches the window and hands its band to CExtFrameBand, the wait for a window manager's offer of the
// focus and the attention marks to CExtFocusOfferWait.
#pragma once
#include "toolkit/docking/ExtFocusOfferWait.h"
#include "toolkit/docking/ExtFrameBand.h"
#include "toolkit/foundation/ExtHookSink.h"
#include <map>
#include <vector>

class CExtFrameOwnerFollow : public CExtHookSink
{
public:
    CExtFrameOwnerFollow(HWND hTop, bool bShown);
    ~CExtFrameOwnerFollow() override;
    CExtFrameOwnerFollow(const CExtFrameOwnerFollow&) = delete;
    CExtFrameOwnerFollow& operator=(const CExtFrameOwnerFollow&) = delete;

    // ---- the hook on the window: it follows the window's show, hide, minimize and band ----------------
    bool IsAutoDeleteHookWndSink() override { return true; }
    bool OnHookWndMsg(LRESULT& lResult, HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam) override;

    // ---- the followers ---------------------------------------------------------------------------------
    // The follower of hTop, or nullptr.
    static CExtFrameOwnerFollow* Of(HWND hTop);
    // The follower of hTop, made when there is none (on the heap; the hook deletes it with the window); with bHold,
    // the frames wait until the window is shown.
    static CExtFrameOwnerFollow* Attach(HWND hTop, bool bHold);

    // ---- the frames ------------------------------------------------------------------------------------
    // Whether a show of a frame is to wait: the window is not shown, or its waiting frames are not out yet.
    bool IsHolding() const { return !m_bReleased; }
    // A window manager offered the frame the focus: it has not marked the frame as asking for attention.
    void NoteFocusOffer(HWND hFrame) { m_focusWait.NoteOffered(hFrame); }
    // Whether the frame waits for the window to be shown.
    bool IsWaiting(HWND hFrame) const;
    // A show of the frame asked while the window is not shown joins the waiting frames, a hide leaves them (not the
    // hides of HideFrames); true when the show is to be held.
    bool HoldShow(HWND hFrame, bool bShow);

private:
    static std::map<HWND, CExtFrameOwnerFollow*>& Follows();

    // The window was shown, hidden or minimized, or changed its band.
    void OnOwnerChanged(bool bOrderChanged);
    // The window is hidden or about to be: its shown frames are hidden and wait with the others.
    void OnOwnerHidden();
    // Hides the shown frames, which then wait with the others.
    void HideFrames();
    // Shows the waiting frames, each on top in turn, without activation.
    void ShowHeldFrames();
    // The same once the window has the focus (CExtFocusOfferWait::Wait).
    void ShowHeldFramesOnceFocused();
    // Gives the frames the band of the window.
    void FollowBand();
    // A window manager's offer of the focus, for CExtFocusOfferWait::OnOffer. True when the offer is declined: the
    // end's offer of a modal run of a floating frame of the window (PlatformIsModalEndOffer), which Wine then gives to
    // the active window, the frame with the keys.
    bool OnMouseActivate(LPARAM lParam);

    std::vector<HWND> m_frames; // the waiting frames, in the order they are to show; ShowHeldFrames empties it
    bool m_bHiding = false;     // the frames are being hidden here: their hides leave the list alone
    HWND m_hTop;
    bool m_bShown;           // the window was shown and not minimized when last seen
    bool m_bReleased = true; // no frame waits for the window to be shown
    CExtFrameBand m_band;
    CExtFocusOfferWait m_focusWait;
};
