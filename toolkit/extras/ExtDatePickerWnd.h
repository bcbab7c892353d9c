// CExtDatePickerWnd: the month calendar: a grid of months (MONTH_INFO, each of 42 DATE_INFO cells),
// optional "None" and "Today" buttons, a date or date-range selection, scrolling by month, the month
// list that drops from a caption (CExtDatePickerHeaderPopupWnd) and the selection notification.
// Layout, painting and selection: ExtDatePickerWnd.cpp; the months: ExtDatePickerMonth.cpp; mouse,
// keyboard and the other messages: ExtDatePickerWndInput.cpp.
#pragma once
#include "platform/Collections.h"
#include "platform/OleDateTime.h"
#include "platform/Wnd.h"
#include "toolkit/foundation/ExtMouseCaptureSink.h"

class CExtDatePickerHeaderPopupWnd;

class CExtDatePickerWnd : public CWnd, public CExtMouseCaptureSink
{
    DECLARE_DYNCREATE(CExtDatePickerWnd)
public:
    // Picker style bits.
    enum : DWORD
    {
        DPS_BORDER = 0x0001,                    // a border of BORDER_SIZE on every side
        DPS_BUTTON_TODAY = 0x0004,              // the "Today" button below the months
        DPS_BUTTON_NONE = 0x0008,               // the "None" button below the months
        DPS_BOLD_HEADER = 0x0020,               // bold month captions
        DPS_BOLD_MONTH_LIST = 0x0040,           // bold month list
        DPS_BOLD_DAY_NAMES = 0x0080,            // bold day names
        DPS_BOLD_DAYS = 0x0100,                 // bold day numbers
        DPS_SHOW_NON_MONTH_DAYS = 0x0200,       // days of other months drawn and selectable by dragging
        DPS_HIDE_INNER_NON_MONTH_DAYS = 0x0400, // only the grid's first leading and last trailing days
        DPS_HIGHLIGHT_TODAY = 0x0800,           // today's cell framed
        DPS_MONTH_LIST_SHADOW = 0x1000,         // the month list has a drop shadow
        DPS_MULTIPLE_SELECTION = 0x2000,        // range selection
        DPS_AUTO_DIMENSIONS = 0x4000,           // the dimensions follow the window size
        DPS_CENTER_HORIZONTALLY = 0x10000,
        DPS_CENTER_VERTICALLY = 0x20000,
        DPS_BUTTONS = DPS_BUTTON_TODAY | DPS_BUTTON_NONE,
        DPS_ANY_BOLD = DPS_BOLD_HEADER | DPS_BOLD_MONTH_LIST | DPS_BOLD_DAY_NAMES | DPS_BOLD_DAYS,
        DPS_REMEASURE = 0x05E1, // changing any of these re-measures and rebuilds the months
        DPS_DEFAULT = 0x1E17,
    };
    // Pressed part.
    enum : int
    {
        PRESSED_NONE = 0,
        PRESSED_SCROLL_BACK = 1,
        PRESSED_SCROLL_FORWARD = 2,
        PRESSED_BUTTON_NONE = 3,
        PRESSED_BUTTON_TODAY = 4,
        PRESSED_DAYS = 5,
    };
    // Hit-test codes of the picker and its months.
    enum : int
    {
        HT_NOWHERE = 0,
        HT_BUTTON_NONE = 1,
        HT_BUTTON_TODAY = 2,
        HT_MONTH_AREA = 3,
        HT_SCROLL_BACK = 4,
        HT_SCROLL_FORWARD = 5,
        HT_CAPTION = 6,
        HT_DAY_NAMES = 7,
        HT_DAY = 8,
    };
    // Buttons of GetButtonText.
    enum : int
    {
        BUTTON_NONE = 1,
        BUTTON_TODAY = 2,
    };
    enum : int
    {
        BORDER_SIZE = 4,         // the border with DPS_BORDER
        GRID_INSET = 6,          // side inset of the day grid in a month
        TIMER_SCROLL = 1,        // scrolling while a scroll button is held
        SCROLL_PERIOD = 150,     // ms, also the wait before the first repeat
        BUTTON_GAP = 10,         // between "Today" and "None"
        IDS_BUTTON_NONE = 30369, // string resources of the button texts, when present
        IDS_BUTTON_TODAY = 30370,
    };
    // Flags of SELECTION_NOTIFICATION.
    enum : DWORD
    {
        SN_FINAL = 0x01,        // the user finished choosing
        SN_CLOSE_PARENT = 0x02, // a final selection then closes the host (WM_CANCELMODE to the parent)
    };
    // Translated paint-manager colours of the days.
    enum : int
    {
        CLR_SELECTED_DAY = 1001,
        CLR_DAY_TEXT = 18,
    };

    // WPARAM of g_nMsgSelectionNotification; valid only during the send.
    struct SELECTION_NOTIFICATION
    {
        COleDateTime m_dtBegin;
        COleDateTime m_dtEnd;
        HWND m_hWndDatePicker;
        int m_nUserValue;
        DWORD m_dwFlags;                  // SN_...
        COleDateTime* m_pExternalSelData; // two dates, may be null
    };
    static const UINT g_nMsgSelectionNotification;
    static LPCTSTR const WNDCLASS_NAME;

    class MONTH_INFO;

    CExtDatePickerWnd();
    ~CExtDatePickerWnd() override;

    using CWnd::Create;

    // ---- virtual operations, in slot order -------------------------------------------------------------
    // Creates the window with a grid of nColumns x nRows months (at least 1 x 1); true on success.
    virtual bool Create(CWnd* pParentWnd, const RECT& rcWnd, UINT nDlgCtrlID, int nColumns, int nRows, int nMaxColumns,
                        int nMaxRows, DWORD dwWindowStyle, DWORD dwPickerStyle, CCreateContext* pContext = nullptr);
    virtual DWORD GetPickerStyle() const { return m_dwPickerStyle; }
    // dwRemove (DWORD)-1 removes every bit; the old style is returned.
    virtual DWORD ModifyPickerStyle(DWORD dwRemove, DWORD dwAdd, bool bRepaint = true);
    virtual void Repaint(bool bUpdateNow = false);
    virtual bool IsDateSelected(const COleDateTime& dt) const;
    virtual void EnsureVisible(const COleDateTime& dt, bool bRepaint = true);
    virtual void SetSelection(const COleDateTime& dtBegin, const COleDateTime& dtEnd, bool bNormalize = false,
                              bool bRepaint = true);
    virtual void GetSelection(COleDateTime& dtBegin, COleDateTime& dtEnd) const;
    virtual void GetDisplayedRange(COleDateTime& dtBegin, COleDateTime& dtEnd) const;
    virtual void SetCurrentDate(const COleDateTime& dt, bool bRepaint = true);
    virtual COleDateTime GetCurrentDate() const { return m_dtCurrent; }
    // A pair of zeros leaves that pair unchanged.
    virtual void SetDimensions(int nColumns, int nRows, int nMaxColumns, int nMaxRows, bool bRepaint = true);
    virtual void GetDimensions(CSize* pRequested, CSize* pMaximum, CSize* pCurrent) const;
    virtual CString GetMonthName(int nMonth, bool bUpper = false) const;
    // 0 Monday ... 6 Sunday.
    virtual int GetFirstDayOfWeek() const;
    // nDay 1 Monday ... 7 Sunday; the first character of the abbreviated name.
    virtual CString GetDayName(int nDay, bool bUpper = false) const;
    virtual COleDateTime GetToday() const;
    // The explicit target when it is a window, else the parent.
    virtual HWND GetNotificationTarget() const;
    virtual void OnDrawBackground(CDC& dc, const CRect& rcClient);
    virtual void OnDrawBorder(CDC& dc, const CRect& rcClient);
    virtual void OnDrawButton(CDC& dc, int nButton, const CRect& rcButton, bool bPushed, bool bHover);
    virtual CString GetButtonText(int nButton) const;
    virtual void OnDrawHeader(CDC& dc, int nRow, int nColumn, int nMonth, int nYear, const CRect& rcHeader,
                              const CRect& rcInner, const CRect& rcCaption, const CRect& rcScrollBack,
                              const CRect& rcScrollForward);
    virtual void OnDrawDayNames(CDC& dc, const CRect& rcDayNames);
    virtual void OnDrawDay(CDC& dc, bool bShowNonMonthDays, bool bHighlightToday, bool bNonMonthDay, bool bToday,
                           const CRect& rcCell, const COleDateTime& dt, bool bSelected);
    virtual CRect GetBorderMetrics() const;
    virtual HFONT GetHeaderFont() const;
    virtual HFONT GetMonthListFont() const;
    virtual HFONT GetDayNamesFont() const;
    virtual HFONT GetDaysFont() const;
    virtual void MeasureMetrics(CDC& dc);
    // Window size for a grid of sizeGrid.cx x sizeGrid.cy months, borders and button area included.
    virtual void CalcWindowSize(CSize& size, const CSize& sizeGrid) const;
    // Moves one month back (nCount < 0) or forward; with bStartTimer starts the repeat of timer 1.
    virtual void ScrollMonths(int nCount, bool bStartTimer);

    // ---- geometry and hit testing ----------------------------------------------------------------------
    int HitTest(const POINT& pt, COleDateTime* pDate = nullptr) const;
    const MONTH_INFO* MonthFromPoint(const POINT& pt) const;
    const MONTH_INFO* FindMonth(int nMonth, int nYear) const;
    int GetMonthCount() const { return (int)m_arrMonths.GetSize(); }
    const MONTH_INFO* GetMonth(int i) const { return m_arrMonths[i]; }
    const CRect& GetMonthAreaRect() const { return m_rcMonthArea; }
    const CRect& GetButtonRect(int nButton) const { return nButton == BUTTON_NONE ? m_rcButtonNone : m_rcButtonToday; }
    CSize GetMonthSize() const { return m_sizeMonth; }
    int GetHeaderHeight() const { return m_nHeaderHeight; }
    int GetDayNamesHeight() const { return m_nDayNamesHeight; }
    CSize GetDayCellSize() const { return m_sizeDayCell; }
    CSize GetPushButtonSize() const { return m_sizePushButton; }
    int GetButtonAreaHeight() const { return m_nButtonAreaHeight; }
    CSize GetScrollButtonSize() const { return m_sizeScrollButton; }
    int GetGridInset() const { return m_nGridInset; }
    int GetPressedPart() const { return m_nPressedPart; }
    // The month list while it is open from a caption, else null.
    CExtDatePickerHeaderPopupWnd* GetMonthListWnd() const { return m_pMonthList; }
    // Clamps a date to the valid range 1 January 100 ... 31 December 9999 (date part only).
    static COleDateTime ClampDate(const COleDateTime& dt);
    static bool IsSameDate(const COleDateTime& a, const COleDateTime& b);
    // The date part; a null or invalid value stays as it is.
    static COleDateTime DatePart(const COleDateTime& dt);
    // Rolls (nMonth, nYear) by nDelta months; false (unchanged) when that leaves years 100..9999.
    static bool AddMonths(int& nMonth, int& nYear, int nDelta);
    // Sends the selection notification with the flags; the final one stores into the external storage.
    void SendNotification(DWORD dwFlags);

    // ---- fields -------------------------------------------------------------------------------------
    int m_nNotificationUserValue;
    HWND m_hWndNotificationReceiver;    // null: the parent
    COleDateTime* m_pExternalSelection; // two dates (begin, end), not owned; may be null
    bool m_bAutoDeleteWindow;           // delete the object after its window is destroyed
    int m_nColumns;                     // requested dimensions
    int m_nRows;
    int m_nMaxColumns;
    int m_nMaxRows;
    int m_nCurrentColumns;
    int m_nCurrentRows;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PreSubclassWindow() override;
    void PostNcDestroy() override;
    static bool RegisterPickerClass();
    // Measures with a screen DC.
    void Measure();
    // Steps 2 and 3 of the layout: current dimensions, month area and buttons.
    void LayoutParts();
    void RebuildMonths();
    void DeleteMonths();
    void DoPaint(CDC& dc);
    HFONT PartFont(DWORD dwBoldBit) const;
    void StopPressed();
    void TrackMonthList(const MONTH_INFO* pMonth);
    void MoveSelectionByKey(UINT nVirtKey, bool bInsidePopup);
    bool OnKey(UINT nVirtKey, bool bInsidePopup);
    void OnMouseButtonDown(const CPoint& pt);
    void OnMouseButtonUp(const CPoint& pt);
    void OnMouseMoveMsg(const CPoint& pt);
    LRESULT OnRetranslate(WPARAM wParam);
    void OnSettingChange(UINT message, WPARAM wParam, LPARAM lParam);

    int m_nPressedPart;
    DWORD m_dwPickerStyle;
    CRect m_rcBorder;
    CRect m_rcMonthArea;
    CRect m_rcButtonNone;
    CRect m_rcButtonToday;
    CSize m_sizeMonthArea;
    CArray<MONTH_INFO*, MONTH_INFO*> m_arrMonths; // owned
    COleDateTime m_dtCurrent;
    COleDateTime m_dtSelBegin;
    COleDateTime m_dtSelEnd;
    COleDateTime m_dtDisplayedBegin;
    COleDateTime m_dtDisplayedEnd;
    bool m_bCreatedThroughCreate;
    bool m_bPainting;
    bool m_bCancelMode;
    bool m_bTodayHot;
    bool m_bNoneHot;
    CSize m_sizeMonth;
    int m_nHeaderHeight;
    int m_nDayNamesHeight;
    CSize m_sizeDayCell;
    CSize m_sizePushButton;
    int m_nButtonAreaHeight;
    CSize m_sizeScrollButton;
    int m_nGridInset;
    bool m_bRepainting;                         // Repaint's re-entry guard
    CExtDatePickerHeaderPopupWnd* m_pMonthList; // the open month list (a local of its loop), else null
    // The day-name row as measured (first weekday first), so that painting asks the locale nothing.
    CString m_strDayNames[7];
};

// One displayed month: header, day-name row and 6 x 7 day cells.
class CExtDatePickerWnd::MONTH_INFO
{
public:
    // One cell of the grid; its date is null when the cell shows nothing.
    class DATE_INFO
    {
    public:
        DATE_INFO();
        virtual ~DATE_INFO() {}
        CRect m_rcCell;
        COleDateTime m_dt;
        CExtDatePickerWnd* m_pPicker;
        MONTH_INFO* m_pMonth;
    };
    enum : int
    {
        WEEKS = 6,
        DAYS = 42,
    };

    MONTH_INFO(int nRow, int nColumn, int nMonth, int nYear, const RECT& rcMonth, CExtDatePickerWnd* pPicker);
    virtual ~MONTH_INFO() {}
    // HT_NOWHERE, HT_SCROLL_BACK ... HT_DAY of CExtDatePickerWnd.
    int HitTest(const POINT& pt, COleDateTime* pDate = nullptr) const;
    void Paint(CDC& dc) const;
    void Layout();
    COleDateTime GetFirstDay() const;

    DATE_INFO m_days[DAYS];
    int m_nMonth;
    int m_nYear;
    CRect m_rcScrollBack;
    CRect m_rcScrollForward;
    CRect m_rcCaption;
    CRect m_rcHeader;
    CRect m_rcHeaderInner;
    CRect m_rcDayNames;
    CRect m_rcDays;
    CRect m_rcDayNamesHit;
    CExtDatePickerWnd* m_pPicker;
    int m_nRow;
    int m_nColumn;
    CRect m_rcMonth;
};
