// CExtColorButton: a themed push button that holds a colour, shows it as a 16 x 16 swatch beside its
// text and drops down a colour popup instead of a menu; the popup's notifications come back to the
// button, which keeps the chosen colour and passes them on to its parent.
#pragma once
#include "toolkit/menus_dialogs/ExtButton.h"

class CExtColorButton : public CExtButton
{
    DECLARE_DYNCREATE(CExtColorButton)
public:
    CExtColorButton();
    ~CExtColorButton() override;

    // ---- overrides ---------------------------------------------------------------------------------
    // Never sends WM_COMMAND: the drop-down part (or a plain button) opens the popup, the main part of
    // a split button notifies the current colour.
    void OnClick(bool bFromKeyboard, bool bOnDropDownPart) override;
    // Answers true even when tracking failed: the click was handled.
    bool TrackDropDownMenu(bool bSelectFirstItem) override;
    bool HasDropDownMenu() const override { return true; }
    void PaintButton(CDC& dc, bool bTransparentBackground) override;

    // ---- own operations ----------------------------------------------------------------------------
    // A 16 x 16 icon of the current colour; bOwned tells whether the caller destroys it.
    virtual void GetColorIcon(HICON& hIcon, bool& bOwned) const;

    // ---- fields, in order --------------------------------------------------------------------------
    CString m_sBtnTextColorDefault; // empty: the popup's own text
    CString m_sBtnTextColorCustom;
    bool m_bEnableBtnColorDefault;
    bool m_bEnableBtnColorCustom;
    bool m_bUseStdColorDlg; // the system's colour dialog for a custom colour
    COLORREF m_clrDefault;  // what the popup's default button reports
    COLORREF m_clrSelected; // the current colour
    LPARAM m_lParamCookie;  // LPARAM of the button's own notifications (pointer-sized)

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    LRESULT OnColorChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnColorChangedFinally(WPARAM wParam, LPARAM lParam);
    LRESULT OnCustomColor(WPARAM wParam, LPARAM lParam);
    // Sends a notification to the parent; 0 without one.
    LRESULT NotifyParent(UINT nMsg, WPARAM wParam, LPARAM lParam) const;
};
