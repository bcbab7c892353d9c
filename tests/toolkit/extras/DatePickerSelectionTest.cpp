// Selection and notification: no change no notification, normalising, collapsing, EnsureVisible and
// the ends of the date range.
#include "DatePickerHost.h"
#include <gtest/gtest.h>

using namespace dptest;
typedef CExtDatePickerWnd DP;

TEST(DatePickerSelection, SettingTheSameDatesSendsNothingAndNormalisingSwaps)
{
    CDatePickerHost host;
    ASSERT_TRUE(host.CreateHost());
    DP& p = host.m_picker;
    p.m_nNotificationUserValue = 42;
    p.SetSelection(Date(2026, 5, 10), Date(2026, 5, 3), true, false);
    ASSERT_EQ(host.m_target.m_records.size(), 1u);
    const auto& r = host.m_target.m_records[0];
    EXPECT_EQ(r.m_dtBegin, Date(2026, 5, 3));
    EXPECT_EQ(r.m_dtEnd, Date(2026, 5, 10));
    EXPECT_EQ(r.m_dwFlags, DP::SN_CLOSE_PARENT);
    EXPECT_EQ(r.m_hWndPicker, p.GetSafeHwnd());
    EXPECT_EQ(r.m_nUserValue, 42);
    EXPECT_EQ(r.m_lParam, 42);
    EXPECT_EQ(host.m_nCancelMode, 0);
    // The same dates (a time part does not count) change nothing.
    p.SetSelection(Date(2026, 5, 3) + COleDateTimeSpan(0, 5, 0, 0), Date(2026, 5, 10), false, false);
    EXPECT_EQ(host.m_target.m_records.size(), 1u);
    // Without normalising the order stays.
    p.SetSelection(Date(2026, 5, 10), Date(2026, 5, 3), false, false);
    COleDateTime b, e;
    p.GetSelection(b, e);
    EXPECT_EQ(b, Date(2026, 5, 10));
    EXPECT_TRUE(p.IsDateSelected(Date(2026, 5, 7)));
    EXPECT_FALSE(p.IsDateSelected(Date(2026, 5, 11)));
    // A null end makes both null.
    COleDateTime dtNull;
    dtNull.SetStatus(COleDateTime::null);
    p.SetSelection(Date(2026, 5, 1), dtNull, false, false);
    p.GetSelection(b, e);
    EXPECT_EQ(b.GetStatus(), COleDateTime::null);
    EXPECT_EQ(e.GetStatus(), COleDateTime::null);
    EXPECT_EQ(host.m_target.m_records.size(), 3u);
}

TEST(DatePickerSelection, RemovingRangeSelectionCollapsesToTheBegin)
{
    CDatePickerHost host;
    ASSERT_TRUE(host.CreateHost());
    DP& p = host.m_picker;
    p.ModifyPickerStyle(0, DP::DPS_MULTIPLE_SELECTION, false);
    p.SetSelection(Date(2026, 2, 2), Date(2026, 2, 9), false, false);
    p.ModifyPickerStyle(DP::DPS_MULTIPLE_SELECTION, 0, false);
    COleDateTime b, e;
    p.GetSelection(b, e);
    EXPECT_EQ(b, Date(2026, 2, 2));
    EXPECT_EQ(e, Date(2026, 2, 2));
}

TEST(DatePickerSelection, EnsureVisibleMovesTheMonthsOnlyForDatesOutsideTheRange)
{
    CDatePickerHost host;
    ASSERT_TRUE(host.CreateHost());
    DP& p = host.m_picker;
    p.SetCurrentDate(Date(2026, 3, 17), false);
    EXPECT_EQ(p.GetCurrentDate(), Date(2026, 3, 17));
    p.EnsureVisible(Date(2026, 6, 30), false);
    EXPECT_EQ(p.GetMonth(0)->m_nMonth, 3);
    p.EnsureVisible(Date(2026, 8, 2), false);
    EXPECT_EQ(p.GetMonth(0)->m_nMonth, 8);
    COleDateTime b, e;
    p.GetDisplayedRange(b, e);
    EXPECT_EQ(b, Date(2026, 8, 1));
    EXPECT_EQ(e, Date(2026, 11, 30));
}

TEST(DatePickerSelection, TheRangeEndsHoldForScrollingMonthsAndSelection)
{
    CDatePickerHost host;
    ASSERT_TRUE(host.CreateHost());
    DP& p = host.m_picker;
    // The last month shown never passes December 9999.
    p.SetCurrentDate(Date(9999, 12, 31), false);
    COleDateTime b, e;
    p.GetDisplayedRange(b, e);
    EXPECT_EQ(e, Date(9999, 12, 31));
    EXPECT_EQ(b, Date(9999, 9, 1));
    EXPECT_EQ(p.GetMonth(3)->m_nMonth, 12);
    p.ScrollMonths(1, false);
    p.GetDisplayedRange(b, e);
    EXPECT_EQ(e, Date(9999, 12, 31));
    // No valid cell holds a date outside the range.
    p.SetCurrentDate(Date(100, 1, 1), false);
    p.GetDisplayedRange(b, e);
    EXPECT_EQ(b, Date(100, 1, 1));
    for (const auto& cell : p.GetMonth(0)->m_days)
        if (cell.m_dt.GetStatus() == COleDateTime::valid)
        {
            EXPECT_GE(cell.m_dt.GetYear(), 100);
        }
    p.SetSelection(COleDateTime(Date(100, 1, 1).m_dt - 3), Date(100, 1, 1), false, false);
    p.GetSelection(b, e);
    EXPECT_EQ(b, Date(100, 1, 1));
    int m = 1, y = 100;
    EXPECT_FALSE(DP::AddMonths(m, y, -1));
    EXPECT_EQ(m, 1);
    m = 12, y = 9999;
    EXPECT_FALSE(DP::AddMonths(m, y, 1));
    EXPECT_TRUE(DP::AddMonths(m, y, -12));
    EXPECT_EQ(y, 9998);
}
