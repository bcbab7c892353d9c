// CExtDatePickerWnd::MONTH_INFO and DATE_INFO: one month's 42 cells, its layout, hit testing and painting.
#include "toolkit/extras/ExtDatePickerWnd.h"
#include "platform/Dc.h"

CExtDatePickerWnd::MONTH_INFO::DATE_INFO::DATE_INFO() : m_rcCell(0, 0, 0, 0), m_pPicker(nullptr), m_pMonth(nullptr)
{
    m_dt.SetStatus(COleDateTime::null);
}

CExtDatePickerWnd::MONTH_INFO::MONTH_INFO(int nRow, int nColumn, int nMonth, int nYear, const RECT& rcMonth,
                                          CExtDatePickerWnd* pPicker)
    : m_nMonth(nMonth), m_nYear(nYear), m_pPicker(pPicker), m_nRow(nRow), m_nColumn(nColumn), m_rcMonth(rcMonth)
{
    // The locale's first day (0 Monday ... 6 Sunday) advanced twice, 7 wrapping to 1: 1 Sunday ... 7 Saturday.
    int nFirstWeekDay = pPicker->GetFirstDayOfWeek();
    for (int i = 0; i < 2; i++)
        nFirstWeekDay = nFirstWeekDay >= 7 ? 1 : nFirstWeekDay + 1;
    const COleDateTime dtFirst = GetFirstDay();
    // Back to the first weekday; a whole week when the month starts on it. Whole-day values count on
    // as plain numbers, so the cells before 1 January 100 are found without making an invalid date.
    int nBack = (dtFirst.GetDayOfWeek() - nFirstWeekDay + 7) % 7;
    if (nBack == 0)
        nBack = 7;
    const double dblStart = dtFirst.m_dt - nBack;
    COleDateTime dtMin, dtMax;
    dtMin.SetDate(100, 1, 1);
    dtMax.SetDate(9999, 12, 31);
    const bool bHideInner = (pPicker->GetPickerStyle() & DPS_HIDE_INNER_NON_MONTH_DAYS) != 0;
    const bool bFirstMonth = nRow == 0 && nColumn == 0;
    const bool bLastMonth = nRow == pPicker->m_nCurrentRows - 1 && nColumn == pPicker->m_nCurrentColumns - 1;
    for (int i = 0; i < DAYS; i++)
    {
        DATE_INFO& cell = m_days[i];
        cell.m_pPicker = pPicker;
        cell.m_pMonth = this;
        const COleDateTime dt(dblStart + i);
        // Dates outside 1 January 100 ... 31 December 9999 stay blank.
        if (dt < dtMin || dt > dtMax)
            continue;
        const bool bInMonth = dt.GetMonth() == nMonth && dt.GetYear() == nYear;
        const bool bLeading = !bInMonth && dt < dtFirst;
        const bool bKeep = bInMonth || !bHideInner || (bLeading && bFirstMonth) || (!bLeading && bLastMonth);
        if (bKeep)
            cell.m_dt = dt;
    }
    Layout();
}

COleDateTime CExtDatePickerWnd::MONTH_INFO::GetFirstDay() const
{
    COleDateTime dt;
    dt.SetDate(m_nYear, m_nMonth, 1);
    return dt;
}

void CExtDatePickerWnd::MONTH_INFO::Layout()
{
    m_rcHeader = m_rcMonth;
    m_rcHeader.bottom = m_rcHeader.top + m_pPicker->GetHeaderHeight();
    m_rcHeaderInner = m_rcHeader;
    m_rcHeaderInner.DeflateRect(1, 1);
    const CSize sizeScroll = m_pPicker->GetScrollButtonSize();
    const CRect& rcIn = m_rcHeaderInner;
    m_rcScrollBack.SetRect(rcIn.left, rcIn.top, rcIn.left + sizeScroll.cx, rcIn.top + sizeScroll.cy);
    m_rcScrollForward.SetRect(rcIn.right - sizeScroll.cx + 4, rcIn.top, rcIn.right, rcIn.top + sizeScroll.cy);
    m_rcCaption.SetRect(rcIn.left + sizeScroll.cx, rcIn.top, rcIn.right - sizeScroll.cx + 4, rcIn.bottom);
    const int nInset = m_pPicker->GetGridInset();
    m_rcDayNames.SetRect(m_rcMonth.left + nInset, m_rcHeader.bottom, m_rcMonth.right - nInset - 2,
                         m_rcHeader.bottom + m_pPicker->GetDayNamesHeight());
    m_rcDayNamesHit = m_rcDayNames;
    const CSize sizeCell = m_pPicker->GetDayCellSize();
    m_rcDays.SetRect(m_rcDayNames.left, m_rcDayNames.bottom, m_rcDayNames.left + 7 * sizeCell.cx,
                     m_rcDayNames.bottom + WEEKS * sizeCell.cy);
    for (int i = 0; i < DAYS; i++)
    {
        const int r = i / 7, c = i % 7;
        m_days[i].m_rcCell.SetRect(m_rcDays.left + c * sizeCell.cx, m_rcDays.top + r * sizeCell.cy,
                                   m_rcDays.left + (c + 1) * sizeCell.cx, m_rcDays.top + (r + 1) * sizeCell.cy);
    }
}

int CExtDatePickerWnd::MONTH_INFO::HitTest(const POINT& pt, COleDateTime* pDate) const
{
    if (!m_rcMonth.PtInRect(pt))
        return HT_NOWHERE;
    if (m_nRow == 0 && m_nColumn == 0 && m_rcScrollBack.PtInRect(pt))
        return HT_SCROLL_BACK;
    if (m_nRow == 0 && m_nColumn == m_pPicker->m_nCurrentColumns - 1 && m_rcScrollForward.PtInRect(pt))
        return HT_SCROLL_FORWARD;
    int nHit = HT_NOWHERE;
    if (m_rcCaption.PtInRect(pt))
        nHit = HT_CAPTION;
    else if (m_rcDayNamesHit.PtInRect(pt))
        nHit = HT_DAY_NAMES;
    else if (m_rcDays.PtInRect(pt))
        nHit = HT_DAY;
    if (nHit == HT_NOWHERE)
        return nHit;
    if (pDate != nullptr)
    {
        *pDate = GetFirstDay();
        if (nHit == HT_DAY)
            for (const DATE_INFO& cell : m_days)
                if (cell.m_dt.GetStatus() == COleDateTime::valid && cell.m_rcCell.PtInRect(pt))
                    *pDate = cell.m_dt;
    }
    return nHit;
}

void CExtDatePickerWnd::MONTH_INFO::Paint(CDC& dc) const
{
    m_pPicker->OnDrawHeader(dc, m_nRow, m_nColumn, m_nMonth, m_nYear, m_rcHeader, m_rcHeaderInner, m_rcCaption,
                            m_rcScrollBack, m_rcScrollForward);
    m_pPicker->OnDrawDayNames(dc, m_rcDayNames);
    const DWORD dwStyle = m_pPicker->GetPickerStyle();
    const COleDateTime dtToday = m_pPicker->GetToday();
    HGDIOBJ hOldFont = ::SelectObject(dc.GetSafeHdc(), m_pPicker->GetDaysFont());
    for (const DATE_INFO& cell : m_days)
    {
        if (cell.m_dt.GetStatus() != COleDateTime::valid)
            continue;
        const bool bOther = cell.m_dt.GetMonth() != m_nMonth || cell.m_dt.GetYear() != m_nYear;
        m_pPicker->OnDrawDay(dc, (dwStyle & DPS_SHOW_NON_MONTH_DAYS) != 0, (dwStyle & DPS_HIGHLIGHT_TODAY) != 0, bOther,
                             IsSameDate(cell.m_dt, dtToday), cell.m_rcCell, cell.m_dt,
                             m_pPicker->IsDateSelected(cell.m_dt));
    }
    ::SelectObject(dc.GetSafeHdc(), hOldFont);
}
