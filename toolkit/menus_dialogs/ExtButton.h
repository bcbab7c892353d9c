// CExtButton: an owner-drawn push button painted by the paint manager, with hover, drop-down and
// split menus, in/out icons, an own cursor, a tool tip and text colours per state.
#pragma once
#include "platform/Controls.h"
#include "platform/ListCtrl.h"
#include "platform/Menu.h"
#include "toolkit/foundation/ExtMouseCaptureSink.h"
#include "toolkit/foundation/ExtPaintManager.h"

class CExtPopupMenuWnd;

class CExtButton : public CButton, public CExtMouseCaptureSink
{
    DECLARE_DYNCREATE(CExtButton)
public:
    // Bits of m_nStateFlags.
    enum : BYTE
    {
        kStateFocusRect = 0x01,
        kStateFlatBorder = 0x02,
        kStateHover = 0x04,
        kStatePushed = 0x08,
        kStateHeld = 0x10,
        kStateKeyboard = 0x20,
        kStateSplit = 0x40,
        kStateAdoptCmd = 0x80,
    };
    // Bits of m_nStateFlags2.
    enum : BYTE
    {
        kAdoptTextAndIcon = 0x01,
    };
    // Parts of the button.
    enum : int
    {
        kPartNone = 0,
        kPartMain = 1,
        kPartDropDown = 2,
    };

    CExtButton();
    ~CExtButton() override;

    // ---- icons, cursor, look ----------------------------------------------------------------
    void SetIcon(UINT nIconInId, UINT nIconOutId = 0);
    // The button owns both handles; a null out icon shows the in icon in both states.
    void SetIcon(HICON hIconIn, HICON hIconOut = nullptr);
    HICON GetIconIn() const { return m_hIconIn; }
    HICON GetIconOut() const { return m_hIconOut; }
    // -1: no cursor. Application resources first, then the system's cursors (shared, never destroyed).
    bool SetBtnCursor(int nCursorId = -1);
    HCURSOR GetBtnCursor() const { return m_hCursor; }
    // Takes over a cursor the caller created; the button destroys it.
    void SetOwnedCursor(HCURSOR hCursor);
    void SetFlat(bool bFlat = true);
    bool GetFlat() const;
    void SetTooltipText(LPCTSTR lpszText, bool bActivate = true);
    void ActivateTooltip(bool bActivate = true);
    void InitToolTip();
    CToolTipCtrl& GetToolTip() { return m_wndToolTip; }

    bool IsDefaultButton() const { return m_nButtonType == BS_DEFPUSHBUTTON; }
    bool IsPushType() const;
    bool IsCheckType() const;
    bool IsTriStateType() const { return m_nButtonType == BS_3STATE || m_nButtonType == BS_AUTO3STATE; }
    int GetButtonType() const { return m_nButtonType; }
    // WM_GETDLGCODE as the system's button of the button's own type answers it (the window itself is owner-drawn):
    // the dialog manager finds the default push button by it and moves the default mark between push buttons by
    // BM_SETSTYLE as the keys move.
    UINT GetDlgCodeOfType() const;
    bool IsSplit() const { return (m_nStateFlags & kStateSplit) != 0; }

    // Part under the cursor (kPartNone when another window is under it).
    int HitTestCursor() const;
    // Part at a client point of a plain or split button.
    int HitTestClient(const CPoint& ptClient) const;
    // The drop-down part of a split button (empty for other buttons).
    CRect GetDropDownRect() const;
    // Screen placement of the drop-down menu and the window receiving its commands.
    UINT CalcMenuPlacement(HWND* phWndReceiver) const;
    // Whether the button's own drop-down menu is open now.
    bool IsOwnMenuOpen() const;

    // ---- overridables ---------------------------------------------------------------------
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    virtual bool IsEnabled() const;
    virtual void OnClick(bool bFromKeyboard, bool bOnDropDownPart);
    virtual bool TrackDropDownMenu(bool bSelectFirstItem);
    virtual bool HasDropDownMenu() const;
    virtual bool PutToPopupMenu(CExtPopupMenuWnd* pPopup);
    virtual void PaintButton(CDC& dc, bool bTransparentBackground);
    virtual HFONT QueryPaintFont() const;

    BOOL PreTranslateMessage(MSG* pMsg) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

    // ---- data ------------------------------------------------------------------------------
    CMenu m_menu;      // its first sub-menu drops down
    DWORD m_dwMenuOpt; // placement part of the track flags
    int m_nMenuLeftAreaWidth;
    UINT m_nAlign; // DrawText flags of the caption
    int m_nButtonType;
    int m_nCheck;
    BYTE m_nStateFlags;
    BYTE m_nStateFlags2;
    int m_nPressedPart;
    COLORREF m_clrBackground;
    COLORREF m_clrTextDisabled;
    COLORREF m_clrTextNormal;
    COLORREF m_clrTextHover;
    COLORREF m_clrTextPressed;

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Paints through a memory DC; false for owner-drawn and user buttons, which the system paints.
    bool OnPaintMsg();
    // Enable state, text or focus cues changed: the default work, then the button and its parent's area behind it
    // are repainted.
    LRESULT OnLookChangeMsg(UINT message, WPARAM wParam, LPARAM lParam);
    void OnMouseMoveMsg(UINT nFlags);
    void OnLButtonDownMsg();
    void OnLButtonUpMsg();
    void OnLoseHover(bool bReleaseCapture);
    // The dialog manager moves the default mark only with the keys it moves itself (Tab, WM_NEXTDLGCTL); keys a push
    // button gets or loses otherwise (a page turned by the button, a click) move it here, as Windows shows it: the
    // push button with the keys is the default while it has them, and the dialog's own default (DM_GETDEFID) is
    // again once they go to a control of the dialog that is no push button. hOther: the window losing or getting them.
    void MoveDefaultMark(bool bGot, HWND hOther);
    void PaintThroughMemoryDC(HDC hDC);
    void Repaint();
    void ReleaseOwnCapture();
    void DestroyIcons();
    void DestroyCursor();
    // Background of step 5; answers whether it counts as transparent afterwards.
    bool PaintBackground(CDC& dc, const CRect& rcClient, bool bTryDocker);

    // The window state a push-button record is built from, the part common to push buttons and push-like check
    // boxes: on a control bar the button is flat and shows no focus rectangle.
    struct PushButtonState
    {
        CRect m_rcClient;
        CString m_sText;
        bool m_bFocusRect;
        bool m_bDefault;
        bool m_bEnabled;
        bool m_bFlat;
        bool m_bHover;
        bool m_bPushed;
    };
    PushButtonState QueryPushButtonState() const;
    // The push-button record of the state with the button's text colours; pIcon may be null.
    CExtPaintManager::PushButtonPaintData MakePushButtonData(const PushButtonState& st, CExtCmdIcon* pIcon,
                                                             bool bDropDown, bool bTransparentBackground);

    static void PaintJoinedArea(LPVOID pCookie, CDC& dc, const CWnd& wndPopup, const CRect& rcArea);

    HCURSOR m_hCursor;
    bool m_bCursorOwned;
    CToolTipCtrl m_wndToolTip;
    HICON m_hIconIn;
    HICON m_hIconOut;
    HWND m_hWndMenuOpen; // the popup of the own drop-down menu while it is open
};
