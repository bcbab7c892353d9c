// The month list: opened from a caption, picking a month on release, nothing outside, scrolling
// while held above with the period by distance, and its sizes.
#include "DatePickerHost.h"
#include "toolkit/extras/ExtDatePickerHeaderPopupWnd.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

using namespace dptest;
typedef CExtDatePickerWnd DP;
typedef CExtDatePickerHeaderPopupWnd HP;

namespace
{
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
    void TearDown() override
    {
        Button(false);
        Pump(20);
    }
    // Runs the input script on a thread while this thread pumps (the list's loop runs in here).
    void Run(const std::function<void()>& script)
    {
        std::atomic<bool> bDone(false);
        std::thread t([&] {
            script();
            bDone = true;
        });
        const DWORD dwEnd = ::GetTickCount() + 10000;
        while (!bDone && (int)(dwEnd - ::GetTickCount()) > 0)
            Pump(10);
        t.join();
        Pump(30);
    }
    // Waits on the script's thread until the list is open.
    HP* WaitForList()
    {
        for (int i = 0; i < 200 && m_host.m_picker.GetMonthListWnd() == nullptr; i++)
            ::Sleep(10);
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
} // namespace

TEST_F(DatePickerMonthList, APressOnACaptionOpensTheListCentredAndAReleaseOverARowPicksIt)
{
    int nCentreMonth = 0, nCentreYear = 0;
    CRect rcList;
    Run([&] {
        MoveTo(m_ptCaption);
        ::Sleep(50);
        Button(true);
        HP* pList = WaitForList();
        if (pList == nullptr)
            return;
        nCentreMonth = pList->GetCenterMonth();
        nCentreYear = pList->GetCenterYear();
        ::GetWindowRect(pList->GetSafeHwnd(), &rcList);
        MoveTo(RowPoint(pList, 1)); // centre - 2: May 2026
        ::Sleep(100);
        Button(false);
        ::Sleep(100);
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
    Run([&] {
        MoveTo(m_ptCaption);
        ::Sleep(50);
        Button(true);
        HP* pList = WaitForList();
        if (pList == nullptr)
            return;
        CPoint pt = RowPoint(pList, 2);
        pt.x -= pList->GetItemSize().cx; // beside the list
        MoveTo(pt);
        ::Sleep(100);
        Button(false);
        ::Sleep(100);
    });
    EXPECT_EQ(m_host.m_picker.GetMonth(0)->m_nMonth, 7);
}

TEST_F(DatePickerMonthList, HeldAboveTheListScrollsBackFasterWithDistance)
{
    UINT nPeriod25 = 0, nPeriod45 = 0;
    int nCentreLater = 0;
    bool bRunning = false;
    Run([&] {
        MoveTo(m_ptCaption);
        ::Sleep(50);
        Button(true);
        HP* pList = WaitForList();
        if (pList == nullptr)
            return;
        CRect rc;
        ::GetClientRect(pList->GetSafeHwnd(), &rc);
        CPoint pt(rc.Width() / 2, -25);
        ::ClientToScreen(pList->GetSafeHwnd(), &pt);
        MoveTo(pt);
        ::Sleep(100);
        nPeriod25 = pList->GetScrollPeriod(true);
        bRunning = pList->IsScrollTimerRunning(true);
        ::Sleep(650);
        nCentreLater = pList->GetCenterMonth();
        pt.y -= 20;
        MoveTo(pt);
        ::Sleep(100);
        nPeriod45 = pList->GetScrollPeriod(true);
        Button(false);
        ::Sleep(100);
    });
    EXPECT_TRUE(bRunning);
    EXPECT_EQ(nPeriod25, 200u);
    EXPECT_EQ(nPeriod45, 50u);
    EXPECT_GE(nCentreLater, 3);
    EXPECT_LE(nCentreLater, 5);                          // two to four months back from July
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
