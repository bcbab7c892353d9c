// Metrics and layout: minimum sizes, the window size, the buttons, 0x4000 and the months' order.
#include "DatePickerHost.h"
#include <gtest/gtest.h>

using namespace dptest;
typedef CExtDatePickerWnd DP;

TEST(DatePickerLayout, MetricsKeepTheirMinimumsAndTheWindowSizeAddsBorderAndButtons)
{
    DP p;
    p.ModifyPickerStyle((DWORD)-1, DP::DPS_DEFAULT, false);
    EXPECT_GE(p.GetDayCellSize().cx, 17);
    EXPECT_GE(p.GetDayCellSize().cy, 15);
    EXPECT_GE(p.GetMonthSize().cx, 143);
    EXPECT_GE(p.GetMonthSize().cy, 125);
    EXPECT_GE(p.GetPushButtonSize().cx, 47);
    EXPECT_GE(p.GetPushButtonSize().cy, 18);
    EXPECT_GE(p.GetHeaderHeight(), 18);
    EXPECT_GE(p.GetHeaderHeight(), p.GetScrollButtonSize().cy + 2);
    EXPECT_GE(p.GetButtonAreaHeight(), 30);
    EXPECT_EQ(p.GetMonthSize().cy,
              std::max(125, p.GetHeaderHeight() + 6 * (int)p.GetDayCellSize().cy + p.GetDayNamesHeight()));
    CSize sizeWith, sizeWithout, sizeBare;
    p.CalcWindowSize(sizeWith, CSize(1, 1));
    EXPECT_EQ(sizeWith, CSize(p.GetMonthSize().cx + 8, p.GetMonthSize().cy + 8 + p.GetButtonAreaHeight()));
    p.ModifyPickerStyle(DP::DPS_BORDER, 0, false);
    p.CalcWindowSize(sizeWithout, CSize(1, 1));
    EXPECT_EQ(sizeWith - sizeWithout, CSize(8, 8));
    p.ModifyPickerStyle(DP::DPS_BUTTONS, 0, false);
    p.CalcWindowSize(sizeBare, CSize(3, 2));
    EXPECT_EQ(sizeBare, CSize(3 * p.GetMonthSize().cx, 2 * p.GetMonthSize().cy));
}

TEST(DatePickerLayout, ButtonsAreCentredAloneAndTenPixelsApartTogether)
{
    CDatePickerHost host;
    ASSERT_TRUE(host.CreateHost());
    DP& p = host.m_picker;
    p.ModifyPickerStyle(0, DP::DPS_BUTTON_NONE, true); // a repaint lays the buttons out
    const CRect rcArea = p.GetMonthAreaRect();
    const int nCentre = rcArea.left + rcArea.Width() / 2;
    const CRect rcToday = p.GetButtonRect(DP::BUTTON_TODAY), rcNone = p.GetButtonRect(DP::BUTTON_NONE);
    EXPECT_EQ(rcToday.Size(), p.GetPushButtonSize());
    EXPECT_EQ(rcToday.right, nCentre - 5);
    EXPECT_EQ(rcNone.left, nCentre + 5);
    EXPECT_EQ(rcToday.top, rcNone.top);
    EXPECT_EQ(rcToday.top - rcArea.bottom, (p.GetButtonAreaHeight() - p.GetPushButtonSize().cy) / 2);
    p.ModifyPickerStyle(DP::DPS_BUTTON_NONE, 0, true);
    EXPECT_TRUE(p.GetButtonRect(DP::BUTTON_NONE).IsRectEmpty());
    EXPECT_LE(std::abs(p.GetButtonRect(DP::BUTTON_TODAY).CenterPoint().x - nCentre), 1);
    p.ModifyPickerStyle(DP::DPS_BUTTON_TODAY, DP::DPS_BUTTON_NONE, true);
    EXPECT_TRUE(p.GetButtonRect(DP::BUTTON_TODAY).IsRectEmpty());
    EXPECT_LE(std::abs(p.GetButtonRect(DP::BUTTON_NONE).CenterPoint().x - nCentre), 1);
    EXPECT_EQ(p.GetButtonText(DP::BUTTON_NONE), CString(L"None"));
    EXPECT_EQ(p.GetButtonText(DP::BUTTON_TODAY), CString(L"Today"));
    EXPECT_EQ(p.GetButtonText(3), CString());
}

TEST(DatePickerLayout, AutomaticDimensionsFollowTheWindowBetweenRequestedAndMaximum)
{
    CDatePickerHost host;
    ASSERT_TRUE(host.CreateHost());
    DP& p = host.m_picker;
    CSize sizeCur;
    auto resize = [&](int nCols, int nRows, int nExtra) {
        CSize size;
        p.CalcWindowSize(size, CSize(nCols, nRows));
        p.SetWindowPos(nullptr, 0, 0, size.cx + nExtra, size.cy + nExtra, SWP_NOMOVE | SWP_NOZORDER);
        p.GetDimensions(nullptr, nullptr, &sizeCur);
        return sizeCur;
    };
    EXPECT_EQ(resize(2, 2, 0), CSize(2, 2));
    EXPECT_EQ(resize(3, 2, 10), CSize(3, 2));
    EXPECT_EQ(resize(3, 3, 0), CSize(3, 3));
    EXPECT_EQ(resize(5, 4, 0), CSize(3, 3)); // the maximum
    EXPECT_EQ(resize(1, 1, 0), CSize(2, 2)); // the requested
    EXPECT_EQ(p.GetMonthCount(), 4);
    // Removing 0x4000 brings back the requested dimensions.
    resize(3, 3, 0);
    p.ModifyPickerStyle(DP::DPS_AUTO_DIMENSIONS, 0, false);
    p.GetDimensions(nullptr, nullptr, &sizeCur);
    EXPECT_EQ(sizeCur, CSize(2, 2));
    // SetDimensions: zeros keep a pair, values below 1 become 1, the maximum never below the requested.
    p.SetDimensions(0, 0, 4, 1, false);
    CSize req, max;
    p.GetDimensions(&req, &max, nullptr);
    EXPECT_EQ(req, CSize(2, 2));
    EXPECT_EQ(max, CSize(4, 2));
    p.SetDimensions(-3, 1, 0, 0, false);
    p.GetDimensions(&req, &max, nullptr);
    EXPECT_EQ(req, CSize(1, 1));
}

TEST(DatePickerLayout, DecemberIsFollowedByJanuaryOfTheNextYear)
{
    CDatePickerHost host;
    ASSERT_TRUE(host.CreateHost());
    DP& p = host.m_picker;
    p.ModifyPickerStyle(DP::DPS_AUTO_DIMENSIONS, 0, false);
    p.SetDimensions(2, 1, 2, 1, false);
    p.SetCurrentDate(Date(2026, 12, 9), false);
    ASSERT_EQ(p.GetMonthCount(), 2);
    EXPECT_EQ(p.GetMonth(0)->m_nMonth, 12);
    EXPECT_EQ(p.GetMonth(0)->m_nYear, 2026);
    EXPECT_EQ(p.GetMonth(1)->m_nMonth, 1);
    EXPECT_EQ(p.GetMonth(1)->m_nYear, 2027);
    EXPECT_EQ(p.GetMonth(1)->m_rcMonth.left, p.GetMonth(0)->m_rcMonth.right);
    COleDateTime b, e;
    p.GetDisplayedRange(b, e);
    EXPECT_EQ(b, Date(2026, 12, 1));
    EXPECT_EQ(e, Date(2027, 1, 31));
}
