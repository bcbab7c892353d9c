// CExtPopupUndoRedoListBox: the multiple-selection list of an undo/redo popup: the choice is always
// the run from the first (most recent) action to the one under the mouse or reached by a key; it
// paints through a memory DC and scrolls on its own while the button is held outside it.
#pragma once
#include "toolkit/menus_dialogs/ExtPopupInplaceListBox.h"

class CExtPopupUndoRedoListBox : public CExtPopupInplaceListBox
{
    DECLARE_DYNCREATE(CExtPopupUndoRedoListBox)
public:
    // Bits of m_nTimerFlags.
    enum : BYTE
    {
        TIMER_FLAG_UP = 0x1,
        TIMER_FLAG_DOWN = 0x2,
    };
    enum : UINT_PTR
    {
        ID_TIMER_SCROLL_UP = 2,
        ID_TIMER_SCROLL_DOWN = 3,
    };
    // Translated colour of the list's background.
    enum : int
    {
        BACKGROUND_COLOR = 5,
    };

    CExtPopupUndoRedoListBox();
    ~CExtPopupUndoRedoListBox() override;

    void OnSelChange() override;

    // Leaves items 0..n selected and every other item deselected, and reports the change.
    void ChooseUpTo(int n);
    // The first item from the top whose bottom reaches the client bottom, at most the last item.
    int GetLastVisibleItem() const;
    // Timer period for a distance in pixels outside the list.
    static int AutoScrollInterval(int nDistance);
    void StopTimers();

    // ---- fields, in order --------------------------------------------------------------------------
    BYTE m_nTimerFlags; // TIMER_FLAG_...
    int m_nUpInterval;  // ms of the running timer 2, 0 at first
    int m_nDownInterval;
    bool m_bTracking : 1; // the left button went down in the list

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnInputRetranslate(WPARAM wParam) override;

    LRESULT OnPaintMsg();
    LRESULT OnMouseMoveMsg(LPARAM lParam);
    LRESULT OnVScrollMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnLButtonDownMsg();
    LRESULT OnLButtonUpMsg();
    LRESULT OnCancelModeMsg();
    // Stops the timers and ends silently before the base handling.
    void OnDestroyMsg();
    LRESULT OnTimerMsg(WPARAM wParam, LPARAM lParam);
    // Up, Down, Home, End, Page Up, Page Down; false for other keys.
    bool OnChoiceKey(UINT nVirtKey);
    // (Re)starts a scroll timer when it does not run with that period.
    void RunTimer(UINT_PTR nTimer, BYTE nFlag, int& nInterval, int nNewInterval);
    int GetChosenCount() const;
};
