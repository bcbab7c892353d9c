// The month list: opened from a caption, picking a month on release, nothing outside, scrolling
// while held above with the period by distance, and its sizes.
#include "DatePickerHost.h"
#include "tests/support/ReferenceTimer.h"
#include "toolkit/extras/ExtDatePickerHeaderPopupWnd.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include <gtest/gtest.h>
#include <atomic>

using namespace dptest;
typedef CExtDatePickerWnd DP;
typedef CExtDatePickerHeaderPopupWnd HP;

namespace
{
// Timers and the clock may differ by their granularity: a step is taken as early only beyond this.
const DWORD kClockSlackMs = 20;
// Held 25 pixels above the list, a month back every 200 ms.
const int kStatedScrollAt25Ms = 200;

class DatePickerMonthList : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateHost(40, 300, true)); // room above the list
        m_host.m_picker.SetCurrentDate(Date(2026, 7, 1), false);
        m_host.m_picker.Repaint(true);
        m_ptCaption = m_host.ToScreen(m_host.m_picker.GetMonth(0)->m_rcCaption.CenterPoint());
    }
    // From the script: the list, open once the press on the caption is handled (its loop runs).
    HP* WaitForList()
    {
        WaitFor([&] { return m_host.m_picker.GetMonthListWnd() != nullptr; });
        return m_host.m_picker.GetMonthListWnd();
    }
    // Screen point of row i of the list opened on the caption.
    CPoint RowPoint(HP* pList, int i)
    {
        CRect rc;
        ::GetClientRect(pList->GetSafeHwnd(), &rc);
        CPoint pt(rc.left + pList->GetItemSize().cx / 2, i * pList->GetItemSize().cy + pList->GetItemSize().cy / 2);
        ::ClientToScreen(pList->GetSafeHwnd(), &pt);
        return pt;
    }
    CDatePickerHost m_host;
    CPoint m_ptCaption;
};

// Armed from a script: at the list loop's next look at a paint, a release is posted to this window, as a release
// that comes between the loop's look at a message and its taking of it.
std::atomic<HWND> g_hWndReleaseAtPaintLook{nullptr};
LRESULT CALLBACK PostReleaseAtPaintLook(int nCode, WPARAM wParam, LPARAM lParam)
{
    const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
    if (nCode == HC_ACTION && (wParam & PM_REMOVE) == 0 && pMsg->message == WM_PAINT)
        if (const HWND hWnd = g_hWndReleaseAtPaintLook.exchange(nullptr))
            ::PostMessageW(hWnd, WM_LBUTTONUP, 0, 0);
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

// Months from July 2026 back to the list's centre.
int MonthsBack(const HP* pList) { return 2026 * 12 + 7 - (pList->GetCenterYear() * 12 + pList->GetCenterMonth()); }
} // namespace

TEST_F(DatePickerMonthList, APressOnACaptionOpensTheListCentredAndAReleaseOverARowPicksIt)
{
    int nCentreMonth = 0, nCentreYear = 0;
    CRect rcList;
    RunInputScript([&] {
        MoveTo(m_ptCaption);
        Button(true);
        HP* pList = WaitForList();
        ASSERT_NE(pList, nullptr);
        nCentreMonth = pList->GetCenterMonth();
        nCentreYear = pList->GetCenterYear();
        ::GetWindowRect(pList->GetSafeHwnd(), &rcList);
        MoveTo(RowPoint(pList, 1)); // centre - 2: May 2026
        Button(false);
    });
    EXPECT_EQ(nCentreMonth, 7);
    EXPECT_EQ(nCentreYear, 2026);
    EXPECT_LE(std::abs(rcList.CenterPoint().x - m_ptCaption.x), 1);
    EXPECT_LE(std::abs(rcList.CenterPoint().y - m_ptCaption.y), 1);
    EXPECT_EQ(m_host.m_picker.GetMonthListWnd(), nullptr);
    EXPECT_EQ(m_host.m_picker.GetMonth(0)->m_nMonth, 5);
    EXPECT_EQ(m_host.m_picker.GetMonth(0)->m_nYear, 2026);
}

TEST_F(DatePickerMonthList, AReleaseOutsideTheRowsPicksNothing)
{
    bool bOpen = false;
    RunInputScript([&] {
        MoveTo(m_ptCaption);
        Button(true);
        HP* pList = WaitForList();
        ASSERT_NE(pList, nullptr);
        bOpen = true;
        CPoint pt = RowPoint(pList, 2);
        pt.x -= pList->GetItemSize().cx; // beside the list
        MoveTo(pt);
        Button(false);
    });
    EXPECT_TRUE(bOpen);
    EXPECT_EQ(m_host.m_picker.GetMonthListWnd(), nullptr);
    EXPECT_EQ(m_host.m_picker.GetMonth(0)->m_nMonth, 7);
}

TEST_F(DatePickerMonthList, AReleaseQueuedWhileTheLoopLooksAtAPaintPicksTheRow)
{
    const HHOOK hHook = ::SetWindowsHookExW(WH_GETMESSAGE, &PostReleaseAtPaintLook, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(hHook, nullptr);
    bool bClosed = false;
    RunInputScript([&] {
        MoveTo(m_ptCaption);
        Button(true);
        HP* pList = WaitForList();
        ASSERT_NE(pList, nullptr);
        MoveTo(RowPoint(pList, 1));             // May 2026
        ASSERT_TRUE(WaitForScriptThreadIdle()); // the move's paint taken: the next look at a paint is armed
        g_hWndReleaseAtPaintLook = m_host.m_picker.GetSafeHwnd();
        ::InvalidateRect(pList->GetSafeHwnd(), nullptr, FALSE);
        bClosed = WaitFor([&] { return m_host.m_picker.GetMonthListWnd() == nullptr; });
        Button(false);
    });
    ::UnhookWindowsHookEx(hHook);
    g_hWndReleaseAtPaintLook = nullptr;
    EXPECT_TRUE(bClosed);
    EXPECT_EQ(m_host.m_picker.GetMonth(0)->m_nMonth, 5);
}

TEST_F(DatePickerMonthList, HeldAboveTheListScrollsBackFasterWithDistance)
{
    UINT nPeriod25 = 0, nPeriod45 = 0;
    bool bRunning = false, bFirst = false, bSecond = false, bTicked = false;
    CReferenceTimer ref;
    const int nTicks = 9;
    int nBackFirst = 0, nBackLater = 0;
    DWORD dwFirst = 0, dwLater = 0;
    RunInputScript([&] {
        MoveTo(m_ptCaption);
        Button(true);
        HP* pList = WaitForList();
        ASSERT_NE(pList, nullptr);
        CRect rc;
        ::GetClientRect(pList->GetSafeHwnd(), &rc);
        CPoint pt(rc.Width() / 2, -25);
        ::ClientToScreen(pList->GetSafeHwnd(), &pt);
        const DWORD dwStart = ::GetTickCount(); // before the move that starts the timer
        MoveTo(pt);
        nPeriod25 = pList->GetScrollPeriod(true);
        bRunning = pList->IsScrollTimerRunning(true);
        // A plain timer of the stated period, started with the scroll, reads the months back at its ticks.
        ref.Start(kStatedScrollAt25Ms, [&] { return (long)MonthsBack(pList); });
        // A month back every 200 ms: each count is read before its time is taken.
        bFirst = WaitFor([&] { return (nBackFirst = MonthsBack(pList)) >= 1; });
        dwFirst = ::GetTickCount() - dwStart;
        bSecond = WaitFor([&] { return (nBackLater = MonthsBack(pList)) >= 2; });
        dwLater = ::GetTickCount() - dwStart;
        bTicked = WaitFor([&] { return ref.Ticks() >= nTicks; });
        ref.Stop();
        pt.y -= 20;
        MoveTo(pt);
        nPeriod45 = pList->GetScrollPeriod(true);
        Button(false);
    });
    EXPECT_TRUE(bRunning);
    EXPECT_EQ(nPeriod25, 200u);
    EXPECT_EQ(nPeriod45, 50u);
    // Two months back (May) within the bound, and never a month sooner than every 200 ms.
    EXPECT_TRUE(bFirst);
    EXPECT_TRUE(bSecond);
    EXPECT_GE(nBackLater, 2);
    EXPECT_LE(nBackFirst * kStatedScrollAt25Ms, (int)(dwFirst + kClockSlackMs))
        << nBackFirst << " months back after " << dwFirst << " ms";
    EXPECT_LE(nBackLater * kStatedScrollAt25Ms, (int)(dwLater + kClockSlackMs))
        << nBackLater << " months back after " << dwLater << " ms";
    // Not slower either: about as many months back as the reference ticked.
    ASSERT_TRUE(bTicked);
    EXPECT_TRUE(KeptPace(ref, nTicks)) << ref.SampleAt(nTicks) << " months back by tick " << nTicks;
    EXPECT_EQ(m_host.m_picker.GetMonthListWnd(), nullptr);
    EXPECT_EQ(m_host.m_picker.GetMonth(0)->m_nMonth, 7); // released above: nothing picked
}

TEST_F(DatePickerMonthList, ItemAndWindowSizesFollowTheFontAndTheShadow)
{
    DP& p = m_host.m_picker;
    CClientDC dc(nullptr);
    int cx = 0, cy = 0;
    for (int m = 1; m <= 12; m++)
    {
        const CRect r = CExtPaintManager::MeasureText(dc, p.GetMonthListFont(), p.GetMonthName(m) + L" 0000");
        cx = std::max<int>(cx, r.Width());
        cy = std::max<int>(cy, r.Height());
    }
    HP plain(&p, false), shadowed(&p, true);
    EXPECT_EQ(plain.GetItemSize(), CSize(cx + 24, cy + 2));
    EXPECT_EQ(plain.GetWindowSize(), CSize(cx + 24 + 1, 7 * (cy + 2) + 2));
    EXPECT_EQ(shadowed.GetWindowSize(), CSize(3 + cx + 24 + 1, 7 * (cy + 2) + 3 + 2));
    EXPECT_EQ(HP::PeriodForDistance(5), 500u);
    EXPECT_EQ(HP::PeriodForDistance(15), 300u);
    EXPECT_EQ(HP::PeriodForDistance(39), 100u);
    plain.SetMonthYear(13, 99);
    plain.SetMonthYear(0, 10000);
    plain.SetMonthYear(3, 2030);
    EXPECT_EQ(plain.GetCenterMonth(), 3);
    EXPECT_EQ(plain.GetCenterYear(), 2030);
    plain.SetMonthYear(13, 9999);
    EXPECT_EQ(plain.GetCenterMonth(), 3);
    EXPECT_EQ(plain.GetCenterYear(), 9999);
}
