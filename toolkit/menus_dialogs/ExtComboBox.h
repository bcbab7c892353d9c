// CExtComboBox: the toolkit's combo box: frame and drop button painted by the paint manager, hover
// tracked by a polling timer, a drop-down list opened by a click anywhere, a themed edit part
// (CExtComboEditCtrlHook) and completion of typed text from the list items.
#pragma once
#include "platform/Controls.h"
#include "platform/ListCtrl.h"
#include "toolkit/foundation/ExtMouseCaptureSink.h"
#include "toolkit/menus_dialogs/ExtComboEditCtrlHook.h"

class CDC;

class CExtComboBox : public CComboBox, public CExtMouseCaptureSink
{
    DECLARE_DYNCREATE(CExtComboBox)
public:
    // Bits of m_nComboFlags.
    enum : BYTE
    {
        kComboAutoComplete = 0x01,  // complete typed text from the list
        kComboEditCommands = 0x02,  // the edit part answers the edit commands and has the themed menu
        kComboHot = 0x04,           // the mouse is over the control
        kComboTimer = 0x08,         // the hover timer runs
        kComboCompleteArmed = 0x10, // complete at the next edit update (armed by a key press)
        kComboInitialFlags = 0x13,
    };
    enum : UINT
    {
        HOVER_TIMER_ID = 10,
        HOVER_TIMER_PERIOD = 50,
    };

    CExtComboBox();
    ~CExtComboBox() override;

    // ---- tool tip ------------------------------------------------------------------------------
    void SetTooltipText(LPCTSTR lpszText, bool bActivate = true);
    void ActivateTooltip(bool bActivate = true);
    void InitToolTip();
    CToolTipCtrl& GetToolTip() { return m_wndToolTip; }

    CExtComboEditCtrlHook& GetEditHook() { return m_wndEditHook; }
    bool IsHot() const { return (m_nComboFlags & kComboHot) != 0; }

    // ---- overridables ---------------------------------------------------------------------------
    virtual void PaintCombo(bool bPressed, bool bHot);
    // A null DC: the window's own client DC.
    virtual void PaintFrame(bool bPressed, bool bHot, CDC* pDC);

    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The reflected CBN_EDITUPDATE: auto-completion.
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // ---- fields, in order ----------------------------------------------------------------------
    BYTE m_nComboFlags;                  // kCombo...
    CExtComboEditCtrlHook m_wndEditHook; // attached to the edit of a drop-down or simple combo
    UINT m_nHoverTimerId;
    UINT m_nHoverTimerPeriod; // milliseconds

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Subclasses the combo's first child with the edit hook once.
    void AttachEditHook();
    // Completes the edit text from the list; false when auto-completion is off (default handling).
    bool OnEditUpdate();
    // Timer of the hover polling; false for other timers.
    bool OnTimerMsg(UINT_PTR nIDEvent);
    void OnPaintMsg();
    void OnMouseMoveMsg();
    // WM_LBUTTONDOWN; false: default handling.
    bool OnLButtonDownMsg();
    void OnEnableMsg(bool bEnable);
    void OnNotifyMsg(LPARAM lParam);
    void StartHoverTimer();

    CToolTipCtrl m_wndToolTip;
};
