// CExtDatePickerHeaderPopupWnd: the month calendar's month list, a top-level window of seven months
// centred on a caption's month; it scrolls while the pointer is held above or below it and reports
// the month under the pointer.
#pragma once
#include "platform/Wnd.h"
#include "toolkit/menus_dialogs/ExtPopupShadow.h"

class CExtDatePickerWnd;

class CExtDatePickerHeaderPopupWnd : public CWnd
{
    DECLARE_DYNCREATE(CExtDatePickerHeaderPopupWnd)
public:
    enum : int
    {
        ROWS = 7,
        SHADOW_SIZE = 3,
        SHADOW_DARKNESS = 75,
        TIMER_SCROLL_BACK = 2,
        TIMER_SCROLL_FORWARD = 3,
        CLR_BACKGROUND = 5, // translated paint-manager colours
        CLR_TEXT = 18,
    };

    CExtDatePickerHeaderPopupWnd();
    // Measures the months with the picker's month-list font.
    CExtDatePickerHeaderPopupWnd(CExtDatePickerWnd* pPicker, bool bShadow);
    ~CExtDatePickerHeaderPopupWnd() override;

    // Month 1..12 and year 100..9999, each ignored when out of range.
    void SetMonthYear(int nMonth, int nYear);
    CSize GetWindowSize() const { return m_sizeWindow; }
    CSize GetItemSize() const { return m_sizeItem; }
    int GetShadowSize() const { return m_bShadow ? SHADOW_SIZE : 0; }
    // Follows the cursor: the month under it, the scroll timers and their periods.
    void TrackCursor();
    // The month under the pointer; false when none.
    bool GetSelectedMonth(int& nMonth, int& nYear) const;
    int GetCenterMonth() const { return m_nMonth; }
    int GetCenterYear() const { return m_nYear; }
    // The period of a scroll timer (ms) for a distance d from the list.
    static UINT PeriodForDistance(int d);
    UINT GetScrollPeriod(bool bBack) const { return bBack ? m_nPeriodBack : m_nPeriodForward; }
    bool IsScrollTimerRunning(bool bBack) const { return bBack ? m_bTimerBack : m_bTimerForward; }
    void DoPaint(CDC& dc);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Measure();
    void OnTimerTick(UINT_PTR nId);
    void OnNcPaintMsg();
    LRESULT OnNcCalcSizeMsg(WPARAM wParam, LPARAM lParam);
    void OnPaintMsg();

    CSize m_sizeWindow;
    CSize m_sizeItem;
    int m_nMonth;
    int m_nYear;
    int m_nRows;
    CExtDatePickerWnd* m_pPicker; // not owned
    CExtPopupShadow m_shadow;
    bool m_bTimerBack;
    bool m_bTimerForward;
    bool m_bShadow;
    UINT m_nPeriodBack;
    UINT m_nPeriodForward;
    int m_nSelMonth; // 0: none
    int m_nSelYear;
};
