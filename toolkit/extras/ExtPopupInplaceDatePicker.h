// CExtPopupInplaceDatePicker: the month calendar adapted to a date popup: it never takes the
// activation, uses the menu font, lets a callback or a registered message fill it when its window
// is created, and deletes itself with its window (the popup sets the self-deletion flag).
#pragma once
#include "toolkit/extras/ExtDatePickerWnd.h"

class CExtPopupInplaceDatePicker : public CExtDatePickerWnd
{
    DECLARE_DYNCREATE(CExtPopupInplaceDatePicker)
public:
    // Fills the calendar; true when handled. Cookies are pointer-sized.
    typedef bool (*ContentCallback_t)(CExtPopupInplaceDatePicker& wndPicker, LPVOID pCookie);
    // Sees a selection notification (its WPARAM) first; true keeps it from the receiver.
    typedef bool (*SelectionCallback_t)(WPARAM wParamNotification, LPVOID pCookie);

    // Sent to the popup's command receiver: WPARAM the picker, LPARAM the message cookie.
    static const UINT g_nMsgPopupDatePickerInitContent;

    CExtPopupInplaceDatePicker();
    ~CExtPopupInplaceDatePicker() override;

    // The command receiver of the hosting popup; null when none.
    HWND GetCmdReceiver() const;

    // ---- fields, in order --------------------------------------------------------------------------
    ContentCallback_t m_pCbContent;
    LPVOID m_pContentCookie;
    SelectionCallback_t m_pCbSelection;
    LPVOID m_pSelectionCookie;
    LPARAM m_lMessageCookie;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnCreateMsg(WPARAM wParam, LPARAM lParam);
};
