// CExtBarDateFieldButton: a tool-bar text field that is always a combo and drops a date picker popup
// (one month) instead of a list.
//
// The popup holds one month with the popup's default window style and the picker's default style.
// Its two callbacks reach the button through the text field's list session, so a button
// removed from its bar while the popup is open is never called: the selection callback (each
// notification of the calendar) calls OnDatePickerNotify1, the content callback (the calendar's window
// was just made) calls OnDatePickerNotify2. A derived button overrides them to fill the calendar or to
// take the picked date into the field.
#pragma once
#include "toolkit/extras/ExtBarTextFieldButton.h"

class CExtPopupInplaceDatePicker;

class CExtBarDateFieldButton : public CExtBarTextFieldButton
{
    DECLARE_DYNCREATE(CExtBarDateFieldButton)
public:
    enum : int
    {
        kPopupColumns = 1, // months across in the popup
        kPopupRows = 1,    // months down
    };

    explicit CExtBarDateFieldButton(int nFieldWidth = kDefaultFieldWidth, CExtToolControlBar* pBar = nullptr,
                                    UINT nCmdID = 0, UINT nStyle = 0);
    ~CExtBarDateFieldButton() override;

    // ---- overrides of the text field ------------------------------------------------------------
    CExtPopupMenuWnd* CreateListPopup() override;
    // The date picker sizes itself: 0 by 0.
    CSize CalcListSize() override;
    bool OnInitList(CExtPopupInplaceListBox& wndList) override;
    bool OnListSelChanging(CExtPopupInplaceListBox& wndList) override;
    bool OnListSelected(CExtPopupInplaceListBox& wndList) override;
    bool OnListCancelled(CExtPopupInplaceListBox& wndList) override;
    bool OnDrawListItem(CExtPopupInplaceListBox& wndList, LPDRAWITEMSTRUCT pDIS) override;
    bool OnMeasureListItem(CExtPopupInplaceListBox& wndList, LPMEASUREITEMSTRUCT pMIS) override;
    CSize GetListItemMargins() const override;

    // ---- new virtual operations, in slot order ------------------------------------------------
    // A selection notification of the calendar (WPARAM: its CExtDatePickerWnd::SELECTION_NOTIFICATION,
    // valid during the call); true keeps it from the popup's command receiver. Answers true.
    virtual bool OnDatePickerNotify1(WPARAM wParamNotification);
    // The calendar's window was created; true when it is filled, false lets the popup send
    // CExtPopupInplaceDatePicker::g_nMsgPopupDatePickerInitContent to its command receiver. Answers false.
    virtual bool OnDatePickerNotify2(CExtPopupInplaceDatePicker& wndPicker);

    // ---- fields, in order -----------------------------------------------------------------------
    DWORD m_dwDatePickerCookie; // the popup's message cookie

protected:
    static bool DatePickerSelectionCallback(WPARAM wParamNotification, LPVOID pCookie);
    static bool DatePickerContentCallback(CExtPopupInplaceDatePicker& wndPicker, LPVOID pCookie);
    // The button of the open popup when pCookie names it and it is still in its bar; else null.
    static CExtBarDateFieldButton* PopupButton(LPVOID pCookie);
};
