// Mouse and keys through SendInput on the shown host: day clicks and drags, the buttons, scrolling
// held on timer 1, arrows, Shift, Tab and Enter, and the keys a hosting popup forwards.
#include "DatePickerHost.h"
#include "tests/support/ReferenceTimer.h"
#include "toolkit/menus_dialogs/ExtPopupControlMenuWnd.h"
#include <gtest/gtest.h>

using namespace dptest;
typedef CExtDatePickerWnd DP;

namespace
{
// Timers and the clock may differ by their granularity: a step is taken as early only beyond this.
const DWORD kClockSlackMs = 20;
// A held scroll button scrolls at once, then once every 150 ms.
const int kStatedScrollRepeatMs = 150;

class DatePickerInput : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateHost(40, 40, true, CDatePickerHost::HOST_PICKER_STYLE | DP::DPS_MULTIPLE_SELECTION));
        m_host.m_picker.SetCurrentDate(Date(2026, 5, 1), false);
        m_host.m_picker.Repaint(true);
    }
    CPoint CellPoint(int k, const COleDateTime& dt) const
    {
        for (const auto& cell : m_host.m_picker.GetMonth(k)->m_days)
            if (cell.m_dt == dt)
                return m_host.ToScreen(cell.m_rcCell.CenterPoint());
        ADD_FAILURE() << "no cell";
        return CPoint();
    }
    // The first month shown, counted on from December 2025 (July 2026 is 7, January 2027 13). Read on the
    // picker's thread, which rebuilds its months as it scrolls.
    int Shown() const
    {
        int n = 0;
        RunOnGuiThread([&] {
            const auto* pMonth = m_host.m_picker.GetMonth(0);
            n = (pMonth->m_nYear - 2026) * 12 + pMonth->m_nMonth;
        });
        return n;
    }
    void Click(const CPoint& pt)
    {
        RunInputScript([&] {
            MoveTo(pt);
            Button(true);
            Button(false);
        });
    }
    CDatePickerHost m_host;
};
} // namespace

TEST_F(DatePickerInput, AClickOnADaySelectsItNotifiesFinalAndCancelsTheParent)
{
    Click(CellPoint(0, Date(2026, 5, 13)));
    COleDateTime b, e;
    m_host.m_picker.GetSelection(b, e);
    EXPECT_EQ(b, Date(2026, 5, 13));
    EXPECT_EQ(e, Date(2026, 5, 13));
    const auto& recs = m_host.m_target.m_records;
    ASSERT_GE(recs.size(), 2u);
    EXPECT_EQ(recs.front().m_dwFlags, DP::SN_CLOSE_PARENT);
    EXPECT_EQ(recs.back().m_dwFlags, DP::SN_FINAL | DP::SN_CLOSE_PARENT);
    EXPECT_EQ(recs.back().m_dtBegin, Date(2026, 5, 13));
    EXPECT_EQ(m_host.m_nCancelMode, 1);
    EXPECT_EQ(m_host.m_picker.GetPressedPart(), DP::PRESSED_NONE);
}

TEST_F(DatePickerInput, ADragMakesARangeAnchoredOnThePressedDay)
{
    const CPoint ptFrom = CellPoint(0, Date(2026, 5, 20)), ptOver = CellPoint(0, Date(2026, 5, 26)),
                 ptTo = CellPoint(0, Date(2026, 5, 12)), ptOut = m_host.ToScreen(CPoint(-20, -20));
    COleDateTime b, e;
    bool bRange = false;
    RunInputScript([&] {
        MoveTo(ptFrom);
        Button(true);
        EXPECT_EQ(m_host.m_picker.GetPressedPart(), DP::PRESSED_DAYS);
        MoveTo(ptOver);
        MoveTo(ptTo);
        // Leaving the grid keeps the last day covered.
        MoveTo(ptOut);
        m_host.m_picker.GetSelection(b, e);
        bRange = m_host.m_picker.IsDateSelected(Date(2026, 5, 15));
        Button(false);
    });
    EXPECT_EQ(b, Date(2026, 5, 20));
    EXPECT_EQ(e, Date(2026, 5, 12));
    EXPECT_TRUE(bRange);
    m_host.m_picker.GetSelection(b, e);
    EXPECT_EQ(e, Date(2026, 5, 12));
}

TEST_F(DatePickerInput, TodaySelectsAndShowsTodayAndNoneClears)
{
    DP& p = m_host.m_picker;
    p.ModifyPickerStyle(0, DP::DPS_BUTTON_NONE, true);
    p.SetCurrentDate(Date(2001, 3, 1), true);
    Click(m_host.ToScreen(p.GetButtonRect(DP::BUTTON_TODAY).CenterPoint()));
    COleDateTime b, e;
    p.GetSelection(b, e);
    EXPECT_EQ(b, p.GetToday());
    EXPECT_EQ(e, p.GetToday());
    p.GetDisplayedRange(b, e);
    EXPECT_TRUE(b <= p.GetToday() && p.GetToday() <= e);
    EXPECT_EQ(m_host.m_target.m_records.back().m_dwFlags, DP::SN_FINAL | DP::SN_CLOSE_PARENT);
    Click(m_host.ToScreen(p.GetButtonRect(DP::BUTTON_NONE).CenterPoint()));
    p.GetSelection(b, e);
    EXPECT_EQ(b.GetStatus(), COleDateTime::null);
    EXPECT_EQ(m_host.m_target.m_records.back().m_dwFlags, DP::SN_FINAL | DP::SN_CLOSE_PARENT);
    EXPECT_EQ(m_host.m_nCancelMode, 2);
}

TEST_F(DatePickerInput, AHeldScrollButtonRepeatsUntilReleasedOrTheCaptureIsLost)
{
    DP& p = m_host.m_picker;
    const CPoint ptFwd = m_host.ToScreen(p.GetMonth(1)->m_rcScrollForward.CenterPoint());
    // A press and its release in one input: the release is handled before the repeat's first tick.
    RunInputScript([&] { SendMouse(ptFwd.x, ptFwd.y, MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP); });
    EXPECT_EQ(p.GetMonth(0)->m_nMonth, 6);
    int nAtOnce = 0, nSecond = 0, nThird = 0, nHeld = 0;
    DWORD dwSecond = 0, dwThird = 0;
    bool bSecond = false, bThird = false, bTicked = false;
    // A plain timer of the stated period, started with the repeat, reads the months shown at its ticks.
    CReferenceTimer ref;
    const int nTicks = 10;
    RunInputScript([&] {
        MoveTo(ptFwd);
        const DWORD dwStart = ::GetTickCount(); // before the press that scrolls at once
        Button(true);
        nAtOnce = Shown();
        ref.Start(kStatedScrollRepeatMs, [&] { return (long)Shown(); });
        // Then one every 150 ms: each count is read before its time is taken.
        bSecond = WaitFor([&] { return (nSecond = Shown()) >= 8; });
        dwSecond = ::GetTickCount() - dwStart;
        bThird = WaitFor([&] { return (nThird = Shown()) >= 9; });
        dwThird = ::GetTickCount() - dwStart;
        bTicked = WaitFor([&] { return ref.Ticks() >= nTicks; });
        ref.Stop();
        Button(false);
        nHeld = Shown();
    });
    EXPECT_GE(nAtOnce, 7);
    EXPECT_TRUE(bSecond);
    EXPECT_TRUE(bThird);
    EXPECT_LE((nSecond - 7) * kStatedScrollRepeatMs, (int)(dwSecond + kClockSlackMs))
        << nSecond << " after " << dwSecond << " ms";
    EXPECT_LE((nThird - 7) * kStatedScrollRepeatMs, (int)(dwThird + kClockSlackMs))
        << nThird << " after " << dwThird << " ms";
    ASSERT_TRUE(bTicked);
    EXPECT_TRUE(KeptPace(ref, nTicks, nAtOnce)) << ref.SampleAt(nTicks) - nAtOnce << " months by tick " << nTicks;
    EXPECT_GE(nHeld, 9);
    // Nothing moves once the release is handled.
    Pump(400);
    EXPECT_EQ(Shown(), nHeld);
    // Back, then the capture lost.
    const CPoint ptBack = m_host.ToScreen(p.GetMonth(0)->m_rcScrollBack.CenterPoint());
    RunInputScriptKeepingHeld([&] {
        MoveTo(ptBack);
        Button(true);
    });
    ::ReleaseCapture();
    const int nAfter = Shown();
    Pump(400);
    EXPECT_EQ(Shown(), nAfter);
    EXPECT_LT(nAfter, nHeld);
    EXPECT_EQ(p.GetPressedPart(), DP::PRESSED_NONE);
    RunInputScript([&] { Button(false); });
}

TEST_F(DatePickerInput, ArrowsMoveByDaysShiftExtendsTabAndEnterReachTheParent)
{
    DP& p = m_host.m_picker;
    COleDateTime store[2];
    p.m_pExternalSelection = store;
    p.SetSelection(Date(2026, 5, 10), Date(2026, 5, 10), false, true);
    p.SetFocus();
    SettleInput(); // before Shift is held
    RunInputScript([] {
        Tap(VK_RIGHT);
        Tap(VK_DOWN);
    });
    COleDateTime b, e;
    p.GetSelection(b, e);
    EXPECT_EQ(b, Date(2026, 5, 18));
    EXPECT_EQ(e, Date(2026, 5, 18));
    EXPECT_EQ(m_host.m_target.m_records.back().m_dwFlags, DP::SN_FINAL | DP::SN_CLOSE_PARENT);
    RunInputScript([] {
        Key(VK_SHIFT, true);
        Tap(VK_LEFT);
        Tap(VK_UP);
        Key(VK_SHIFT, false);
    });
    p.GetSelection(b, e);
    EXPECT_EQ(b, Date(2026, 5, 18));
    EXPECT_EQ(e, Date(2026, 5, 10));
    const int nCancel = m_host.m_nCancelMode;
    RunInputScript([] { Tap(VK_TAB); });
    EXPECT_EQ(m_host.m_nNextDlgCtl, 1);
    EXPECT_EQ(m_host.m_wNextDlgCtl, 0u);
    store[0].SetStatus(COleDateTime::null);
    RunInputScript([] { Tap(VK_RETURN); });
    EXPECT_EQ(store[0], Date(2026, 5, 18));
    EXPECT_EQ(store[1], Date(2026, 5, 10));
    EXPECT_TRUE(WaitFor([&] { return m_host.m_nCancelMode > nCancel; })); // posted
    EXPECT_GT(m_host.m_nCancelMode, nCancel);
}

TEST_F(DatePickerInput, ForwardedKeysMoveFromTodayAndEscapeCloses)
{
    DP& p = m_host.m_picker;
    auto forward = [&](UINT vk) {
        bool bPassOn = false;
        CExtPopupControlMenuWnd::CONTROLINPUTRETRANSLATEINFO info(nullptr, CExtPopupControlMenuWnd::INPUT_KEY, bPassOn);
        info.m_nVirtKey = vk;
        info.m_nRepCnt = 1;
        return p.SendMessage(CExtPopupControlMenuWnd::g_nMsgControlInputRetranslate, (WPARAM)&info, 0);
    };
    EXPECT_EQ(forward(VK_RIGHT), 1);
    COleDateTime b, e;
    p.GetSelection(b, e);
    EXPECT_EQ(e, COleDateTime(p.GetToday().m_dt + 1));
    // Inside a popup the notification is not final.
    EXPECT_EQ(m_host.m_target.m_records.back().m_dwFlags, DP::SN_CLOSE_PARENT);
    const int nCancel = m_host.m_nCancelMode;
    EXPECT_EQ(forward(VK_ESCAPE), 1);
    EXPECT_TRUE(WaitFor([&] { return m_host.m_nCancelMode != nCancel; })); // posted
    EXPECT_EQ(m_host.m_nCancelMode, nCancel + 1);
    EXPECT_EQ(forward('A'), 0);
}
