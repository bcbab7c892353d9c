// CExtPopupControlMenuWnd: a popup menu whose client area is one hosted child control (a list box,
// the undo/redo list, a month calendar) instead of items: it sizes itself to the control, creates
// the control with its window and hands the input the tracking hooks deliver over to the control
// as g_nMsgControlInputRetranslate with a CONTROLINPUTRETRANSLATEINFO record. Hosted controls
// include this header for the record and the message.
#pragma once
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

class CExtPopupControlMenuWnd : public CExtPopupMenuWnd
{
    DECLARE_DYNCREATE(CExtPopupControlMenuWnd)
public:
    // Kinds of input record.
    enum : int
    {
        INPUT_MOUSE_MOVE = 0,
        INPUT_MOUSE_BUTTON = 1,
        INPUT_MOUSE_WHEEL = 2,
        INPUT_KEY = 3,
    };
    // WPARAM of g_nMsgControlInputRetranslate; valid only during the send. Field order as the 32-bit
    // layout; every pointer is pointer-sized.
    struct CONTROLINPUTRETRANSLATEINFO
    {
        int m_nKind;     // INPUT_...
        UINT m_nMessage; // mouse kinds: the mouse message; key: the key flags (high word of lParam)
        int m_x;         // mouse move and button: client coordinates of the popup
        int m_y;
        bool* m_pbPassOn;   // the caller's flag: set it to let the message through
        UINT m_nVirtKey;    // key: the virtual key
        UINT m_nRepCnt;     // key: the repeat count
        UINT m_nWheelMsg;   // wheel: the mouse message
        LPARAM m_lHookData; // wheel: the hook's MOUSEHOOKSTRUCTEX (the wheel delta in mouseData's high word)
        CExtPopupControlMenuWnd* m_pPopup;

        CONTROLINPUTRETRANSLATEINFO(CExtPopupControlMenuWnd* pPopup, int nKind, bool& bPassOn);
        // The wheel delta of a wheel record, 0 for other kinds or without hook data.
        short GetWheelDelta() const;
    };

    // Sent to the control: WPARAM the record, LPARAM 0; non-zero means handled.
    static const UINT g_nMsgControlInputRetranslate;
    // Shadows of control popups; off by default.
    static bool g_bShadowsOn;

    enum : int
    {
        DEFAULT_CONTROL_WIDTH = 150,
        DEFAULT_CONTROL_HEIGHT = 100,
    };

    CExtPopupControlMenuWnd();
    ~CExtPopupControlMenuWnd() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // ---- overrides ---------------------------------------------------------------------------------
    void AdjustAnimationKind(int& nAnimationKind) override;
    bool IsShadowEnabled() const override;
    bool CreatePopupWindow(CWnd* pWndParent) override;
    void OnWindowCreated() override;
    void CalcWindowSize(CSize& size) const override;
    bool OnMouseWheel(WPARAM wParam, LPARAM lParam, bool& bPassOn) override;
    bool HandleMouseMove(UINT message, int x, int y, bool& bPassOn) override;
    bool HandleMouseClick(UINT message, int x, int y, bool& bPassOn) override;
    bool HandleKey(UINT nChar, UINT nRepCnt, UINT nFlags, bool& bPassOn) override;
    bool CanShowAsSubMenu() const override;

    // ---- own operations, in order ------------------------------------------------------------------
    virtual void GetControlRect(RECT& rc) const;
    // Creates the control as a child of the popup; null on failure (the base creates none).
    virtual HWND CreateHostedControl(const RECT& rc);

    HWND GetControlWnd() const { return m_hWndControl; }
    // The control window when it still exists.
    HWND GetLiveControl() const;
    // Whether the window is a child window that is the control or one of its descendants.
    bool IsOverControl(HWND hWnd) const;
    // Sends a record to the live control; its answer.
    LRESULT SendToControl(CONTROLINPUTRETRANSLATEINFO& info) const;

    // ---- fields, in order --------------------------------------------------------------------------
    int m_nControlWidth;
    int m_nControlHeight;
    CRect m_rcControl;  // where the control was placed last (client coordinates)
    HWND m_hWndControl; // forgotten when the popup's window is destroyed

protected:
    // The common start of the input operations: true when it decided (*pbResult holds the answer).
    bool FilterInput(bool bMouse, bool bConsumeWithoutWindow, bool* pbResult) const;
    // The over-the-control rule for the cursor window, the focus and the capture.
    bool AnyOverControl(const POINT& ptScreen) const;
    // The common start of mouse moves and clicks: the filter, the over-the-control rule, and input
    // inside the window sent to the live control as nKind. True when it decided (bResult holds the
    // answer); ptScreen is the pointer on the screen.
    bool RouteMouseInside(UINT message, int x, int y, int nKind, bool& bPassOn, POINT& ptScreen, bool& bResult);
};
