// The calendar inside the date popup: a real 1 x 1 picker; a picked day closes the popup and reaches
// the command receiver; keys the popup forwards move the selection from today; Escape closes it.
#include "DatePickerHost.h"
#include "toolkit/extras/ExtPopupDatePickerMenuWnd.h"
#include "toolkit/menus_dialogs/ExtPopupMenuTrackingSite.h"
#include <gtest/gtest.h>

using namespace dptest;
typedef CExtDatePickerWnd DP;

namespace
{
class DatePickerPopup : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_host.CreateHost(40, 40, true)); }
    void TearDown() override
    {
        if (CExtPopupMenuWnd::IsMenuTracking())
            CExtPopupMenuWnd::CancelMenuTracking();
        Pump();
    }
    // Opens the popup for the target (its command receiver) and answers the hosted calendar.
    DP* Open()
    {
        auto* pPopup = new CExtPopupDatePickerMenuWnd(0, 1, 1);
        if (!pPopup->CreatePopupMenu(m_host.m_target.GetSafeHwnd()))
            return nullptr;
        if (!pPopup->TrackPopupMenu(CExtPopupMenuWnd::TRACK_NO_ANIMATION, 500, 300))
            return nullptr;
        pPopup->OnTimerAnimation();
        pPopup->UpdateWindow();
        // Shown and past its opening animation: it takes keys and clicks.
        const HWND hPopup = pPopup->GetSafeHwnd();
        EXPECT_TRUE(
            WaitFor([&] { return g_TrackingSite.GetAnimatingPopup() == nullptr && ::IsWindowVisible(hPopup); }));
        return (DP*)CWnd::FromHandlePermanent(pPopup->GetControlWnd());
    }
    CDatePickerHost m_host;
};
} // namespace

TEST_F(DatePickerPopup, APickedDayClosesThePopupAndReachesTheReceiver)
{
    DP* pPicker = Open();
    ASSERT_NE(pPicker, nullptr);
    ASSERT_TRUE(pPicker->IsKindOf(RUNTIME_CLASS(CExtDatePickerWnd)));
    CSize sizeGrid;
    pPicker->GetDimensions(nullptr, nullptr, &sizeGrid);
    EXPECT_EQ(sizeGrid, CSize(1, 1));
    const auto& cell = pPicker->GetMonth(0)->m_days[16];
    const COleDateTime dtPicked = cell.m_dt;
    CPoint pt = cell.m_rcCell.CenterPoint();
    pPicker->ClientToScreen(&pt);
    RunInputScript([&] {
        MoveTo(pt);
        Button(true);
        Button(false);
    });
    EXPECT_TRUE(WaitFor([] { return !CExtPopupMenuWnd::IsMenuTracking(); }));
    EXPECT_FALSE(CExtPopupMenuWnd::IsMenuTracking());
    const auto& recs = m_host.m_target.m_records;
    ASSERT_FALSE(recs.empty());
    EXPECT_EQ(recs.back().m_dtBegin, dtPicked);
    EXPECT_EQ(recs.back().m_dwFlags, DP::SN_FINAL | DP::SN_CLOSE_PARENT);
}

TEST_F(DatePickerPopup, ForwardedArrowsMoveFromTodayAndEscapeCloses)
{
    DP* pPicker = Open();
    ASSERT_NE(pPicker, nullptr);
    const COleDateTime dtToday = pPicker->GetToday();
    RunInputScript([] {
        Tap(VK_RIGHT);
        Tap(VK_DOWN);
    });
    ASSERT_TRUE(CExtPopupMenuWnd::IsMenuTracking());
    COleDateTime b, e;
    pPicker->GetSelection(b, e);
    EXPECT_EQ(e, COleDateTime(dtToday.m_dt + 8));
    EXPECT_EQ(b, e);
    RunInputScript([] { Tap(VK_ESCAPE); });
    EXPECT_TRUE(WaitFor([] { return !CExtPopupMenuWnd::IsMenuTracking(); }));
    EXPECT_FALSE(CExtPopupMenuWnd::IsMenuTracking());
}
