// CExtPopupDatePickerMenuWnd: a control popup hosting a CExtPopupInplaceDatePicker sized for its
// month grid; it relays the calendar's selection notifications to its command receiver and lets the
// mouse through to the calendar and to the calendar's month-list popup.
#pragma once
#include "toolkit/extras/ExtPopupInplaceDatePicker.h"
#include "toolkit/menus_dialogs/ExtPopupControlMenuWnd.h"

class CExtPopupDatePickerMenuWnd : public CExtPopupControlMenuWnd
{
    DECLARE_DYNCREATE(CExtPopupDatePickerMenuWnd)
public:
    static const DWORD DEFAULT_WINDOW_STYLE = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    static const DWORD DEFAULT_PICKER_STYLE = 0x1E17;

    // Sizes the popup for a grid of nColumns x nRows months.
    explicit CExtPopupDatePickerMenuWnd(LPARAM lMessageCookie = 0, int nColumns = 1, int nRows = 1,
                                        DWORD dwWindowStyle = DEFAULT_WINDOW_STYLE,
                                        DWORD dwPickerStyle = DEFAULT_PICKER_STYLE);
    ~CExtPopupDatePickerMenuWnd() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // ---- overrides ---------------------------------------------------------------------------------
    HWND CreateHostedControl(const RECT& rc) override;
    bool OnMouseWheel(WPARAM wParam, LPARAM lParam, bool& bPassOn) override;
    bool HandleMouseMove(UINT message, int x, int y, bool& bPassOn) override;
    bool HandleMouseClick(UINT message, int x, int y, bool& bPassOn) override;

    // ---- fields, in order --------------------------------------------------------------------------
    HWND m_hWndNotificationReceiver; // for the calendar; null: the calendar notifies this popup
    LPARAM m_lMessageCookie;
    int m_nColumns;
    int m_nRows;
    DWORD m_dwWindowStyle;
    DWORD m_dwPickerStyle;
    CExtPopupInplaceDatePicker::SelectionCallback_t m_pCbSelection;
    LPVOID m_pSelectionCookie;
    CExtPopupInplaceDatePicker::ContentCallback_t m_pCbContent;
    LPVOID m_pContentCookie;

protected:
    // Creates the calendar object (a tool-bar date field may supply its own kind).
    virtual CExtPopupInplaceDatePicker* NewDatePicker();
    // Whether the window under the screen point is the calendar, inside it, or its month-list popup.
    bool IsOverCalendar(const POINT& ptScreen) const;
    // Mouse input at the client point over the calendar: the hook passes it on (bPassOn set, true).
    bool PassOnOverCalendar(int x, int y, bool& bPassOn) const;
};
