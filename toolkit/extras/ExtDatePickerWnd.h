// Stand-in: class record and the members read so far.
// CExtDatePickerWnd: the month calendar: a grid of months with an optional button area, its picker
// style, the window that receives its selection notifications and its self-deletion.
#pragma once
#include "platform/Wnd.h"
#include "toolkit/foundation/ExtMouseCaptureSink.h"

class CExtDatePickerWnd : public CWnd, public CExtMouseCaptureSink
{
    DECLARE_DYNCREATE(CExtDatePickerWnd)
public:
    // Picker style bits read so far.
    enum : DWORD
    {
        PICKER_STYLE_BUTTONS = 0x0010, // the "Today" and "None" button area below the months
    };
    // Metric of one month cell and of the parts around the grid.
    enum : int
    {
        MONTH_WIDTH = 150,
        MONTH_HEIGHT = 130,
        BORDER_SIZE = 1,
        BUTTON_AREA_HEIGHT = 26,
    };

    // WPARAM of g_nMsgSelectionNotification; valid only during the send.
    struct SELECTION_NOTIFICATION
    {
        CExtDatePickerWnd* m_pDatePicker;
        SYSTEMTIME m_dtBegin;
        SYSTEMTIME m_dtEnd;
        bool m_bFinalSelectionChanging;     // the selection is final
        bool m_bAllowFinalParentCancelMode; // a final selection then closes the popup parent
    };
    static const UINT g_nMsgSelectionNotification;
    static LPCTSTR const WNDCLASS_NAME;

    CExtDatePickerWnd();
    ~CExtDatePickerWnd() override;

    using CWnd::Create;

    // Creates the window with a grid of nColumns x nRows months (at least 1 x 1); true on success.
    virtual bool Create(CWnd* pParentWnd, const RECT& rcWnd, UINT nDlgCtrlID, int nColumns, int nRows, int nMaxColumns,
                        int nMaxRows, DWORD dwWindowStyle, DWORD dwPickerStyle, CCreateContext* pContext = nullptr);
    // Window size for a grid of sizeGrid.cx x sizeGrid.cy months, borders and button area included.
    void CalcWindowSize(CSize& size, const CSize& sizeGrid) const;
    void SetDimensions(int nColumns, int nRows, int nMaxColumns, int nMaxRows, bool bRepaint = true);
    // dwRemove (DWORD)-1 removes every bit; the old style is returned.
    DWORD ModifyPickerStyle(DWORD dwRemove, DWORD dwAdd, bool bRepaint = true);
    DWORD GetPickerStyle() const { return m_dwPickerStyle; }
    // The window receiving the selection notifications: the notification window, else the parent.
    HWND GetNotificationReceiver() const;

    // ---- fields --------------------------------------------------------------------------------------
    HWND m_hWndNotificationReceiver; // null: the parent
    bool m_bAutoDeleteWindow;        // delete the object after its window is destroyed
    int m_nColumns;
    int m_nRows;
    int m_nMaxColumns;
    int m_nMaxRows;
    DWORD m_dwPickerStyle;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;
};
