// The month grid: the first row, the 0x0400 rule, the scroll buttons and the hit codes.
#include "DatePickerHost.h"
#include <gtest/gtest.h>

using namespace dptest;
typedef CExtDatePickerWnd DP;

namespace
{
// A month of the given year whose first day falls on the first weekday, and one whose first does not.
int MonthStartingOn(int nYear, int nWeekDay, bool bOn)
{
    for (int m = 1; m <= 12; m++)
        if ((Date(nYear, m, 1).GetDayOfWeek() == nWeekDay) == bOn)
            return m;
    return 0;
}
} // namespace

TEST(DatePickerMonth, TheFirstRowAlwaysShowsDaysOfThePreviousMonth)
{
    CDatePickerHost host;
    ASSERT_TRUE(host.CreateHost());
    host.m_picker.ModifyPickerStyle(DP::DPS_HIDE_INNER_NON_MONTH_DAYS, 0, false);
    const int nFirst = FirstWeekDay(host.m_picker);
    for (int y = 2024; y <= 2027; y++)
        for (int m = 1; m <= 12; m++)
        {
            host.m_picker.SetCurrentDate(Date(y, m, 1), false);
            const DP::MONTH_INFO* pMonth = host.m_picker.GetMonth(0);
            ASSERT_EQ(pMonth->m_nMonth, m);
            const COleDateTime& dt0 = pMonth->m_days[0].m_dt;
            ASSERT_EQ(dt0.GetStatus(), COleDateTime::valid);
            EXPECT_EQ(dt0.GetDayOfWeek(), nFirst);
            EXPECT_TRUE(dt0 < Date(y, m, 1));
            EXPECT_LE(Date(y, m, 1) - dt0, COleDateTimeSpan(7, 0, 0, 0));
            for (int i = 1; i < DP::MONTH_INFO::DAYS; i++)
                EXPECT_EQ(pMonth->m_days[i].m_dt - pMonth->m_days[i - 1].m_dt, COleDateTimeSpan(1, 0, 0, 0));
        }
    // A month starting on the first weekday begins a full week earlier.
    const int m = MonthStartingOn(2026, nFirst, true);
    ASSERT_NE(m, 0);
    host.m_picker.SetCurrentDate(Date(2026, m, 15), false);
    EXPECT_EQ(host.m_picker.GetMonth(0)->m_days[0].m_dt, Date(2026, m, 1) - COleDateTimeSpan(7, 0, 0, 0));
    EXPECT_EQ(host.m_picker.GetMonth(0)->m_days[7].m_dt, Date(2026, m, 1));
}

TEST(DatePickerMonth, HidingInnerDaysKeepsOnlyTheGridsLeadingAndTrailingDays)
{
    CDatePickerHost host;
    ASSERT_TRUE(host.CreateHost(40, 40, false, DP::DPS_DEFAULT | DP::DPS_HIDE_INNER_NON_MONTH_DAYS));
    host.m_picker.SetDimensions(2, 1, 2, 1, false);
    host.m_picker.SetCurrentDate(Date(2026, 3, 1), false);
    ASSERT_EQ(host.m_picker.GetMonthCount(), 2);
    int nLeading[2] = {}, nTrailing[2] = {}, nBlank[2] = {};
    for (int k = 0; k < 2; k++)
    {
        const DP::MONTH_INFO* pMonth = host.m_picker.GetMonth(k);
        const COleDateTime dtFirst = Date(pMonth->m_nYear, pMonth->m_nMonth, 1);
        for (const auto& cell : pMonth->m_days)
        {
            if (cell.m_dt.GetStatus() != COleDateTime::valid)
                ++nBlank[k];
            else if (cell.m_dt < dtFirst)
                ++nLeading[k];
            else if (cell.m_dt.GetMonth() != pMonth->m_nMonth)
                ++nTrailing[k];
        }
    }
    EXPECT_GT(nLeading[0], 0);
    EXPECT_EQ(nTrailing[0], 0);
    EXPECT_EQ(nLeading[1], 0);
    EXPECT_GT(nTrailing[1], 0);
    EXPECT_EQ(nBlank[0], 42 - 31 - nLeading[0]);  // March
    EXPECT_EQ(nBlank[1], 42 - 30 - nTrailing[1]); // April
    // Without the bit every cell has its date.
    host.m_picker.ModifyPickerStyle(DP::DPS_HIDE_INNER_NON_MONTH_DAYS, 0, false);
    for (const auto& cell : host.m_picker.GetMonth(0)->m_days)
        EXPECT_EQ(cell.m_dt.GetStatus(), COleDateTime::valid);
}

TEST(DatePickerMonth, ScrollButtonsAnswerOnlyOnTheTopCornerMonthsAndPartsGiveTheirCodes)
{
    CDatePickerHost host;
    ASSERT_TRUE(host.CreateHost());
    DP& p = host.m_picker;
    p.ModifyPickerStyle(0, DP::DPS_BUTTON_NONE, true);
    p.SetCurrentDate(Date(2026, 5, 20), false);
    ASSERT_EQ(p.GetMonthCount(), 4);
    for (int k = 0; k < 4; k++)
    {
        const DP::MONTH_INFO* pMonth = p.GetMonth(k);
        const CPoint ptBack = pMonth->m_rcScrollBack.CenterPoint(), ptFwd = pMonth->m_rcScrollForward.CenterPoint();
        EXPECT_EQ(p.HitTest(ptBack) == DP::HT_SCROLL_BACK, k == 0) << k;
        EXPECT_EQ(p.HitTest(ptFwd) == DP::HT_SCROLL_FORWARD, k == 1) << k;
        COleDateTime dt;
        EXPECT_EQ(p.HitTest(pMonth->m_rcCaption.CenterPoint(), &dt), DP::HT_CAPTION);
        EXPECT_EQ(dt, Date(pMonth->m_nYear, pMonth->m_nMonth, 1));
        EXPECT_EQ(p.HitTest(pMonth->m_rcDayNames.CenterPoint(), &dt), DP::HT_DAY_NAMES);
        EXPECT_EQ(dt, Date(pMonth->m_nYear, pMonth->m_nMonth, 1));
        const auto& cell = pMonth->m_days[17];
        EXPECT_EQ(p.HitTest(cell.m_rcCell.CenterPoint(), &dt), DP::HT_DAY);
        EXPECT_EQ(dt, cell.m_dt);
    }
    EXPECT_EQ(p.GetMonth(1)->m_nMonth, 6);
    EXPECT_EQ(p.GetMonth(2)->m_nMonth, 7);
    EXPECT_EQ(p.HitTest(p.GetButtonRect(DP::BUTTON_TODAY).CenterPoint()), DP::HT_BUTTON_TODAY);
    EXPECT_EQ(p.HitTest(p.GetButtonRect(DP::BUTTON_NONE).CenterPoint()), DP::HT_BUTTON_NONE);
    EXPECT_EQ(p.HitTest(CPoint(-5, -5)), DP::HT_NOWHERE);
}
