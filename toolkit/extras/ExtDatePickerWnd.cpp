// CExtDatePickerWnd: window class, creation, metrics, layout, the months, selection, notification and painting.
#include "toolkit/extras/ExtDatePickerWnd.h"
#include "toolkit/foundation/ExtMemoryDC.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtResourceManager.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(CExtDatePickerWnd, CWnd)

const UINT CExtDatePickerWnd::g_nMsgSelectionNotification =
    ::RegisterWindowMessageW(L"CExtDatePickerWnd::g_nMsgSelectionNotification");
LPCTSTR const CExtDatePickerWnd::WNDCLASS_NAME = L"Nimbal-DatePickerWnd";

namespace
{
const int kMinYear = 100;
const int kMaxYear = 9999;

COleDateTime NullDate()
{
    COleDateTime dt;
    dt.SetStatus(COleDateTime::null);
    return dt;
}

bool IsValid(const COleDateTime& dt) { return dt.GetStatus() == COleDateTime::valid; }
} // namespace

CExtDatePickerWnd::CExtDatePickerWnd()
    : m_nNotificationUserValue(0), m_hWndNotificationReceiver(nullptr), m_pExternalSelection(nullptr),
      m_bAutoDeleteWindow(false), m_nColumns(1), m_nRows(1), m_nMaxColumns(1), m_nMaxRows(1), m_nCurrentColumns(1),
      m_nCurrentRows(1), m_nPressedPart(PRESSED_NONE), m_dwPickerStyle(DPS_DEFAULT), m_rcBorder(0, 0, 0, 0),
      m_rcMonthArea(0, 0, 0, 0), m_rcButtonNone(0, 0, 0, 0), m_rcButtonToday(0, 0, 0, 0), m_sizeMonthArea(0, 0),
      m_dtSelBegin(NullDate()), m_dtSelEnd(NullDate()), m_dtDisplayedBegin(NullDate()), m_dtDisplayedEnd(NullDate()),
      m_bCreatedThroughCreate(false), m_bPainting(false), m_bCancelMode(false), m_bTodayHot(false), m_bNoneHot(false),
      m_sizeMonth(0, 0), m_nHeaderHeight(0), m_nDayNamesHeight(0), m_sizeDayCell(0, 0), m_sizePushButton(0, 0),
      m_nButtonAreaHeight(0), m_sizeScrollButton(0, 0), m_nGridInset(GRID_INSET), m_bRepainting(false),
      m_pMonthList(nullptr)
{
    RegisterPickerClass();
    m_dtCurrent = GetToday();
    Measure();
}

CExtDatePickerWnd::~CExtDatePickerWnd() { DeleteMonths(); }

bool CExtDatePickerWnd::RegisterPickerClass()
{
    static bool s_bRegistered = false;
    if (s_bRegistered)
        return true;
    HINSTANCE hInst = ::GetModuleHandleW(nullptr);
    WNDCLASSW wc = {};
    if (::GetClassInfoW(hInst, WNDCLASS_NAME, &wc))
        return s_bRegistered = true;
    wc.style = CS_DBLCLKS | CS_GLOBALCLASS;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = hInst;
    wc.hCursor = ::LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW);
    wc.hbrBackground = nullptr;
    wc.lpszClassName = WNDCLASS_NAME;
    return s_bRegistered = AfxRegisterClass(&wc) != FALSE;
}

bool CExtDatePickerWnd::Create(CWnd* pParentWnd, const RECT& rcWnd, UINT nDlgCtrlID, int nColumns, int nRows,
                               int nMaxColumns, int nMaxRows, DWORD dwWindowStyle, DWORD dwPickerStyle,
                               CCreateContext* pContext)
{
    if (!RegisterPickerClass())
        return false;
    m_bCreatedThroughCreate = true;
    m_dwPickerStyle = dwPickerStyle;
    SetDimensions(nColumns, nRows, nMaxColumns, nMaxRows, false);
    if (!CWnd::Create(WNDCLASS_NAME, L"", dwWindowStyle, rcWnd, pParentWnd, nDlgCtrlID, pContext))
    {
        m_bCreatedThroughCreate = false;
        return false;
    }
    Measure();
    LayoutParts();
    RebuildMonths();
    return true;
}

void CExtDatePickerWnd::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();
    if (m_bCreatedThroughCreate)
        return;
    ModifyStyle(0, WS_CLIPCHILDREN);
    Measure();
    LayoutParts();
    if (m_pExternalSelection != nullptr)
    {
        SetSelection(m_pExternalSelection[0], m_pExternalSelection[1], false, false);
        if (IsValid(m_dtSelBegin))
            m_dtCurrent = m_dtSelBegin;
        else if (IsValid(m_dtSelEnd))
            m_dtCurrent = m_dtSelEnd;
    }
    RebuildMonths();
}

void CExtDatePickerWnd::PostNcDestroy()
{
    if (m_bAutoDeleteWindow)
        delete this;
}

// ---- dates -----------------------------------------------------------------------------------------------

COleDateTime CExtDatePickerWnd::DatePart(const COleDateTime& dt)
{
    if (!IsValid(dt))
        return dt;
    COleDateTime d;
    d.SetDate(dt.GetYear(), dt.GetMonth(), dt.GetDay());
    return d;
}

bool CExtDatePickerWnd::IsSameDate(const COleDateTime& a, const COleDateTime& b)
{
    if (a.GetStatus() != b.GetStatus())
        return false;
    if (!IsValid(a))
        return true;
    return a.GetYear() == b.GetYear() && a.GetMonth() == b.GetMonth() && a.GetDay() == b.GetDay();
}

COleDateTime CExtDatePickerWnd::ClampDate(const COleDateTime& dt)
{
    COleDateTime dtMin, dtMax;
    dtMin.SetDate(kMinYear, 1, 1);
    dtMax.SetDate(kMaxYear, 12, 31);
    if (!IsValid(dt))
        return dt;
    if (dt < dtMin)
        return dtMin;
    if (dt > dtMax)
        return dtMax;
    return DatePart(dt);
}

bool CExtDatePickerWnd::AddMonths(int& nMonth, int& nYear, int nDelta)
{
    const long long nIndex = (long long)nYear * 12 + (nMonth - 1) + nDelta;
    const int nNewYear = (int)(nIndex / 12);
    if (nIndex < 0 || nNewYear < kMinYear || nNewYear > kMaxYear)
        return false;
    nYear = nNewYear;
    nMonth = (int)(nIndex % 12) + 1;
    return true;
}

COleDateTime CExtDatePickerWnd::GetToday() const { return DatePart(COleDateTime::GetCurrentTime()); }

// ---- locale and texts ------------------------------------------------------------------------------------

CString CExtDatePickerWnd::GetMonthName(int nMonth, bool bUpper) const
{
    WCHAR sz[200] = {};
    if (nMonth < 1 || nMonth > 12 ||
        g_ResourceManagerHolder->GetLocaleInfo(LOCALE_SMONTHNAME1 + nMonth - 1, sz, (int)std::size(sz)) == 0)
        return CString();
    CString s(sz);
    if (bUpper)
        s.MakeUpper();
    return s;
}

int CExtDatePickerWnd::GetFirstDayOfWeek() const
{
    WCHAR sz[24] = {};
    if (g_ResourceManagerHolder->GetLocaleInfo(LOCALE_IFIRSTDAYOFWEEK, sz, (int)std::size(sz)) == 0)
        return 0;
    const int n = _wtoi(sz);
    return n >= 0 && n <= 6 ? n : 0;
}

CString CExtDatePickerWnd::GetDayName(int nDay, bool bUpper) const
{
    WCHAR sz[100] = {};
    if (nDay < 1 || nDay > 7 ||
        g_ResourceManagerHolder->GetLocaleInfo(LOCALE_SABBREVDAYNAME1 + nDay - 1, sz, (int)std::size(sz)) == 0)
        return CString();
    CString s(sz);
    if (bUpper)
        s.MakeUpper();
    return s.Left(1);
}

CString CExtDatePickerWnd::GetButtonText(int nButton) const
{
    CString s;
    if (nButton == BUTTON_NONE)
    {
        if (!g_ResourceManagerHolder->LoadStringRes(s, IDS_BUTTON_NONE))
            s = L"None";
    }
    else if (nButton == BUTTON_TODAY)
    {
        if (!g_ResourceManagerHolder->LoadStringRes(s, IDS_BUTTON_TODAY))
            s = L"Today";
    }
    return s;
}

// ---- metrics ----------------------------------------------------------------------------------------------

CRect CExtDatePickerWnd::GetBorderMetrics() const
{
    const int n = (m_dwPickerStyle & DPS_BORDER) != 0 ? BORDER_SIZE : 0;
    return CRect(n, n, n, n);
}

HFONT CExtDatePickerWnd::PartFont(DWORD dwBoldBit) const
{
    CExtPaintManager* pPM = g_PaintManagerHolder.operator->();
    return (HFONT)((m_dwPickerStyle & dwBoldBit) != 0 ? pPM->m_fontBold : pPM->m_fontNormal).GetSafeHandle();
}

HFONT CExtDatePickerWnd::GetHeaderFont() const { return PartFont(DPS_BOLD_HEADER); }
HFONT CExtDatePickerWnd::GetMonthListFont() const { return PartFont(DPS_BOLD_MONTH_LIST); }
HFONT CExtDatePickerWnd::GetDayNamesFont() const { return PartFont(DPS_BOLD_DAY_NAMES); }
HFONT CExtDatePickerWnd::GetDaysFont() const { return PartFont(DPS_BOLD_DAYS); }

void CExtDatePickerWnd::Measure()
{
    CClientDC dcScreen(nullptr);
    MeasureMetrics(dcScreen);
}

void CExtDatePickerWnd::MeasureMetrics(CDC& dc)
{
    CExtPaintManager* pPM = g_PaintManagerHolder.operator->();
    const HFONT hFont = PartFont(DPS_ANY_BOLD);
    const HFONT hHeaderFont = GetHeaderFont();
    CSize sizeDayName(11, 10);
    const int nFirst = GetFirstDayOfWeek(); // 0 Monday
    for (int c = 0; c < 7; c++)
        m_strDayNames[c] = GetDayName((nFirst + c) % 7 + 1);
    for (int d = 1; d <= 7; d++)
    {
        const CRect r = CExtPaintManager::MeasureText(dc, hFont, GetDayName(d));
        sizeDayName.cx = std::max<int>(sizeDayName.cx, r.Width() + 2);
        sizeDayName.cy = std::max<int>(sizeDayName.cy, r.Height() + 2);
    }
    m_sizeDayCell = CSize(17, 15);
    for (int d = 1; d <= 31; d++)
    {
        CString s;
        s.Format(L"%02d", d);
        const CRect r = CExtPaintManager::MeasureText(dc, hFont, s);
        m_sizeDayCell.cx = std::max<int>(m_sizeDayCell.cx, r.Width() + 2);
        m_sizeDayCell.cy = std::max<int>(m_sizeDayCell.cy, r.Height() + 2);
    }
    m_sizeDayCell.cx = sizeDayName.cx = std::max(m_sizeDayCell.cx, sizeDayName.cx);
    m_sizePushButton = CSize(47, 18);
    for (int b = BUTTON_NONE; b <= BUTTON_TODAY; b++)
    {
        const CRect r = CExtPaintManager::MeasureText(dc, hFont, GetButtonText(b));
        m_sizePushButton.cx = std::max<int>(m_sizePushButton.cx, r.Width() + 10);
        m_sizePushButton.cy = std::max<int>(m_sizePushButton.cy, r.Height() + 6);
    }
    m_sizeScrollButton = CSize(16, 16);
    const HFONT hGlyphFont = (HFONT)pPM->m_fontMarlett.GetSafeHandle();
    for (LPCTSTR pszGlyph : {L"3", L"4"})
    {
        const CRect r = CExtPaintManager::MeasureText(dc, hGlyphFont, pszGlyph);
        m_sizeScrollButton.cx = std::max<int>(m_sizeScrollButton.cx, r.Width());
        m_sizeScrollButton.cy = std::max<int>(m_sizeScrollButton.cy, r.Height());
    }
    int nCaptionWidth = 0;
    for (int m = 1; m <= 12; m++)
        nCaptionWidth = std::max<int>(
            nCaptionWidth, CExtPaintManager::MeasureText(dc, hHeaderFont, GetMonthName(m) + L" 0000").Width());
    nCaptionWidth += 4 + 2 * m_sizeScrollButton.cx;
    m_nHeaderHeight = std::max(18, (int)m_sizeScrollButton.cy + 2);
    m_nDayNamesHeight = std::max(16, (int)sizeDayName.cy + 2);
    m_nButtonAreaHeight = std::max(30, (int)m_sizePushButton.cy + 10);
    m_sizeMonth.cx = std::max(143, std::max<int>(7 * m_sizeDayCell.cx, nCaptionWidth) + 2 * m_nGridInset);
    m_sizeMonth.cy = std::max(125, m_nHeaderHeight + 6 * (int)m_sizeDayCell.cy + m_nDayNamesHeight);
}

void CExtDatePickerWnd::CalcWindowSize(CSize& size, const CSize& sizeGrid) const
{
    const CRect rcBorder = GetBorderMetrics();
    size.cx = sizeGrid.cx * m_sizeMonth.cx + rcBorder.left + rcBorder.right;
    size.cy = sizeGrid.cy * m_sizeMonth.cy + rcBorder.top + rcBorder.bottom;
    if ((m_dwPickerStyle & DPS_BUTTONS) != 0)
        size.cy += m_nButtonAreaHeight;
}

// ---- style and dimensions ---------------------------------------------------------------------------------

DWORD CExtDatePickerWnd::ModifyPickerStyle(DWORD dwRemove, DWORD dwAdd, bool bRepaint)
{
    const DWORD dwOld = m_dwPickerStyle;
    m_dwPickerStyle = (m_dwPickerStyle & ~dwRemove) | dwAdd;
    const DWORD dwChanged = dwOld ^ m_dwPickerStyle;
    if ((dwChanged & DPS_MULTIPLE_SELECTION) != 0 && (m_dwPickerStyle & DPS_MULTIPLE_SELECTION) == 0 &&
        IsValid(m_dtSelBegin))
        SetSelection(m_dtSelBegin, m_dtSelBegin, false, false);
    const bool bAutoRemoved = (dwOld & DPS_AUTO_DIMENSIONS) != 0 && (m_dwPickerStyle & DPS_AUTO_DIMENSIONS) == 0;
    if ((dwChanged & DPS_REMEASURE) != 0 || bAutoRemoved)
    {
        Measure();
        if (GetSafeHwnd() != nullptr)
        {
            LayoutParts();
            RebuildMonths();
        }
    }
    if (bRepaint)
        Repaint();
    return dwOld;
}

void CExtDatePickerWnd::SetDimensions(int nColumns, int nRows, int nMaxColumns, int nMaxRows, bool bRepaint)
{
    if (nColumns != 0 || nRows != 0)
    {
        m_nColumns = std::max(1, nColumns);
        m_nRows = std::max(1, nRows);
    }
    if (nMaxColumns != 0 || nMaxRows != 0)
    {
        m_nMaxColumns = std::max(1, nMaxColumns);
        m_nMaxRows = std::max(1, nMaxRows);
    }
    m_nMaxColumns = std::max(m_nColumns, m_nMaxColumns);
    m_nMaxRows = std::max(m_nRows, m_nMaxRows);
    m_nCurrentColumns = m_nColumns;
    m_nCurrentRows = m_nRows;
    if (GetSafeHwnd() != nullptr)
    {
        LayoutParts();
        RebuildMonths();
    }
    if (bRepaint)
        Repaint();
}

void CExtDatePickerWnd::GetDimensions(CSize* pRequested, CSize* pMaximum, CSize* pCurrent) const
{
    if (pRequested != nullptr)
        *pRequested = CSize(m_nColumns, m_nRows);
    if (pMaximum != nullptr)
        *pMaximum = CSize(m_nMaxColumns, m_nMaxRows);
    if (pCurrent != nullptr)
        *pCurrent = CSize(m_nCurrentColumns, m_nCurrentRows);
}

// ---- layout -----------------------------------------------------------------------------------------------

void CExtDatePickerWnd::LayoutParts()
{
    if (GetSafeHwnd() == nullptr)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    const CRect rcB = GetBorderMetrics();
    const bool bButtons = (m_dwPickerStyle & DPS_BUTTONS) != 0;
    const int nButtonArea = bButtons ? m_nButtonAreaHeight : 0;
    m_nCurrentColumns = m_nColumns;
    m_nCurrentRows = m_nRows;
    if ((m_dwPickerStyle & DPS_AUTO_DIMENSIONS) != 0 && m_sizeMonth.cx > 0 && m_sizeMonth.cy > 0)
    {
        const int cx = rcClient.Width() - rcB.left - rcB.right;
        const int cy = rcClient.Height() - rcB.top - rcB.bottom - nButtonArea;
        m_nCurrentColumns = std::clamp(cx / (int)m_sizeMonth.cx, m_nColumns, m_nMaxColumns);
        m_nCurrentRows = std::clamp(cy / (int)m_sizeMonth.cy, m_nRows, m_nMaxRows);
    }
    m_sizeMonthArea = CSize(m_nCurrentColumns * m_sizeMonth.cx + rcB.left + rcB.right,
                            m_nCurrentRows * m_sizeMonth.cy + rcB.top + rcB.bottom);
    m_rcMonthArea.SetRect(rcClient.left, rcClient.top, rcClient.left + m_sizeMonthArea.cx,
                          rcClient.top + m_sizeMonthArea.cy);
    const int nSpareX = rcClient.Width() - m_sizeMonthArea.cx;
    const int nSpareY = rcClient.Height() - m_sizeMonthArea.cy - nButtonArea;
    if ((m_dwPickerStyle & DPS_CENTER_HORIZONTALLY) != 0 && nSpareX > 0)
        m_rcMonthArea.OffsetRect(nSpareX / 2, 0);
    if ((m_dwPickerStyle & DPS_CENTER_VERTICALLY) != 0 && nSpareY > 0)
        m_rcMonthArea.OffsetRect(0, nSpareY / 2);
    m_rcBorder = rcClient;
    m_rcButtonNone.SetRectEmpty();
    m_rcButtonToday.SetRectEmpty();
    if (!bButtons)
        return;
    const CRect rcArea(m_rcMonthArea.left, m_rcMonthArea.bottom, m_rcMonthArea.right,
                       m_rcMonthArea.bottom + m_nButtonAreaHeight);
    const int nTop = rcArea.top + (rcArea.Height() - m_sizePushButton.cy) / 2;
    const int nCentre = rcArea.left + rcArea.Width() / 2;
    const bool bToday = (m_dwPickerStyle & DPS_BUTTON_TODAY) != 0, bNone = (m_dwPickerStyle & DPS_BUTTON_NONE) != 0;
    if (bToday && bNone)
    {
        m_rcButtonToday.SetRect(nCentre - BUTTON_GAP / 2 - m_sizePushButton.cx, nTop, nCentre - BUTTON_GAP / 2,
                                nTop + m_sizePushButton.cy);
        m_rcButtonNone.SetRect(nCentre + BUTTON_GAP / 2, nTop, nCentre + BUTTON_GAP / 2 + m_sizePushButton.cx,
                               nTop + m_sizePushButton.cy);
        return;
    }
    CRect& rcOne = bToday ? m_rcButtonToday : m_rcButtonNone;
    rcOne.SetRect(nCentre - m_sizePushButton.cx / 2, nTop, nCentre - m_sizePushButton.cx / 2 + m_sizePushButton.cx,
                  nTop + m_sizePushButton.cy);
}

void CExtDatePickerWnd::DeleteMonths()
{
    for (INT_PTR i = 0; i < m_arrMonths.GetSize(); i++)
        delete m_arrMonths[i];
    m_arrMonths.RemoveAll();
}

void CExtDatePickerWnd::RebuildMonths()
{
    DeleteMonths();
    const int nCount = m_nCurrentColumns * m_nCurrentRows;
    m_dtCurrent = ClampDate(IsValid(m_dtCurrent) ? m_dtCurrent : GetToday());
    // The last month shown never passes December 9999: the first one moves back instead.
    int nMonth = m_dtCurrent.GetMonth(), nYear = m_dtCurrent.GetYear();
    int nLastMonth = nMonth, nLastYear = nYear;
    if (!AddMonths(nLastMonth, nLastYear, nCount - 1))
    {
        nMonth = 12;
        nYear = kMaxYear;
        if (!AddMonths(nMonth, nYear, -(nCount - 1)))
            nMonth = 1, nYear = kMinYear;
        m_dtCurrent.SetDate(nYear, nMonth, 1);
    }
    const CRect rcB = GetBorderMetrics();
    for (int i = 0; i < nCount; i++)
    {
        const int r = i / m_nCurrentColumns, c = i % m_nCurrentColumns;
        CRect rcMonth(c * m_sizeMonth.cx, r * m_sizeMonth.cy, (c + 1) * m_sizeMonth.cx, (r + 1) * m_sizeMonth.cy);
        rcMonth.OffsetRect(m_rcMonthArea.left + rcB.left, m_rcMonthArea.top + rcB.top);
        int m = nMonth, y = nYear;
        if (!AddMonths(m, y, i))
            break;
        m_arrMonths.Add(new MONTH_INFO(r, c, m, y, rcMonth, this));
    }
    if (m_arrMonths.GetSize() == 0)
        return;
    m_dtDisplayedBegin = m_arrMonths[0]->GetFirstDay();
    const MONTH_INFO* pLast = m_arrMonths[m_arrMonths.GetSize() - 1];
    int m = pLast->m_nMonth, y = pLast->m_nYear;
    if (AddMonths(m, y, 1))
    {
        COleDateTime dtNext;
        dtNext.SetDate(y, m, 1);
        m_dtDisplayedEnd = dtNext - COleDateTimeSpan(1, 0, 0, 0);
    }
    else
        m_dtDisplayedEnd.SetDate(kMaxYear, 12, 31);
}

void CExtDatePickerWnd::Repaint(bool bUpdateNow)
{
    if (m_bRepainting || GetSafeHwnd() == nullptr)
        return;
    m_bRepainting = true;
    LayoutParts();
    RebuildMonths();
    InvalidateIfOnScreen(TRUE, bUpdateNow);
    m_bRepainting = false;
}

// ---- months -----------------------------------------------------------------------------------------------

const CExtDatePickerWnd::MONTH_INFO* CExtDatePickerWnd::MonthFromPoint(const POINT& pt) const
{
    for (INT_PTR i = 0; i < m_arrMonths.GetSize(); i++)
        if (m_arrMonths[i]->m_rcMonth.PtInRect(pt))
            return m_arrMonths[i];
    return nullptr;
}

const CExtDatePickerWnd::MONTH_INFO* CExtDatePickerWnd::FindMonth(int nMonth, int nYear) const
{
    for (INT_PTR i = 0; i < m_arrMonths.GetSize(); i++)
        if (m_arrMonths[i]->m_nMonth == nMonth && m_arrMonths[i]->m_nYear == nYear)
            return m_arrMonths[i];
    return nullptr;
}

int CExtDatePickerWnd::HitTest(const POINT& pt, COleDateTime* pDate) const
{
    if (m_rcButtonNone.PtInRect(pt))
        return HT_BUTTON_NONE;
    if (m_rcButtonToday.PtInRect(pt))
        return HT_BUTTON_TODAY;
    if (!m_rcMonthArea.PtInRect(pt))
        return HT_NOWHERE;
    const MONTH_INFO* pMonth = MonthFromPoint(pt);
    if (pMonth != nullptr)
    {
        const int nHit = pMonth->HitTest(pt, pDate);
        if (nHit != HT_NOWHERE)
            return nHit;
    }
    return HT_MONTH_AREA;
}

// ---- selection --------------------------------------------------------------------------------------------

bool CExtDatePickerWnd::IsDateSelected(const COleDateTime& dt) const
{
    if (!IsValid(m_dtSelBegin) || !IsValid(m_dtSelEnd) || !IsValid(dt))
        return false;
    const COleDateTime d = DatePart(dt);
    const COleDateTime& lo = m_dtSelBegin < m_dtSelEnd ? m_dtSelBegin : m_dtSelEnd;
    const COleDateTime& hi = m_dtSelBegin < m_dtSelEnd ? m_dtSelEnd : m_dtSelBegin;
    return lo <= d && d <= hi;
}

void CExtDatePickerWnd::EnsureVisible(const COleDateTime& dt, bool bRepaint)
{
    if (!IsValid(dt))
        return;
    const COleDateTime d = ClampDate(dt);
    if (IsValid(m_dtDisplayedBegin) && m_dtDisplayedBegin <= d && d <= m_dtDisplayedEnd)
        return;
    m_dtCurrent = d;
    RebuildMonths();
    if (bRepaint)
        Repaint();
}

void CExtDatePickerWnd::SetSelection(const COleDateTime& dtBegin, const COleDateTime& dtEnd, bool bNormalize,
                                     bool bRepaint)
{
    COleDateTime b = ClampDate(dtBegin), e = ClampDate(dtEnd);
    if (IsSameDate(b, m_dtSelBegin) && IsSameDate(e, m_dtSelEnd))
        return;
    if (!IsValid(b) || !IsValid(e))
        b = e = NullDate();
    else if (bNormalize && e < b)
        std::swap(b, e);
    m_dtSelBegin = b;
    m_dtSelEnd = e;
    if (bRepaint)
        Repaint();
    if (GetSafeHwnd() != nullptr && GetNotificationTarget() != nullptr)
        SendNotification(0);
}

void CExtDatePickerWnd::GetSelection(COleDateTime& dtBegin, COleDateTime& dtEnd) const
{
    dtBegin = m_dtSelBegin;
    dtEnd = m_dtSelEnd;
}

void CExtDatePickerWnd::GetDisplayedRange(COleDateTime& dtBegin, COleDateTime& dtEnd) const
{
    dtBegin = m_dtDisplayedBegin;
    dtEnd = m_dtDisplayedEnd;
}

void CExtDatePickerWnd::SetCurrentDate(const COleDateTime& dt, bool bRepaint)
{
    if (!IsValid(dt))
        return;
    m_dtCurrent = ClampDate(dt);
    RebuildMonths();
    if (bRepaint)
        Repaint();
}

// ---- notification ----------------------------------------------------------------------------------------

HWND CExtDatePickerWnd::GetNotificationTarget() const
{
    if (m_hWndNotificationReceiver != nullptr && ::IsWindow(m_hWndNotificationReceiver))
        return m_hWndNotificationReceiver;
    return GetSafeHwnd() != nullptr ? ::GetParent(GetSafeHwnd()) : nullptr;
}

void CExtDatePickerWnd::SendNotification(DWORD dwFlags)
{
    const HWND hWndTarget = GetNotificationTarget();
    const HWND hWndSelf = GetSafeHwnd();
    if (hWndSelf == nullptr)
        return;
    SELECTION_NOTIFICATION sn = {
        m_dtSelBegin, m_dtSelEnd, hWndSelf, m_nNotificationUserValue, dwFlags | SN_CLOSE_PARENT, m_pExternalSelection};
    if ((sn.m_dwFlags & SN_FINAL) != 0 && m_pExternalSelection != nullptr)
    {
        m_pExternalSelection[0] = m_dtSelBegin;
        m_pExternalSelection[1] = m_dtSelEnd;
    }
    const HWND hWndParent = ::GetParent(hWndSelf);
    if (hWndTarget != nullptr)
        ::SendMessageW(hWndTarget, g_nMsgSelectionNotification, (WPARAM)&sn, (LPARAM)sn.m_nUserValue);
    // The object may be gone now: only the saved handles are used.
    if ((sn.m_dwFlags & (SN_FINAL | SN_CLOSE_PARENT)) == (SN_FINAL | SN_CLOSE_PARENT) && hWndParent != nullptr &&
        ::IsWindow(hWndParent))
        ::SendMessageW(hWndParent, WM_CANCELMODE, 0, 0);
}

// ---- painting ---------------------------------------------------------------------------------------------

void CExtDatePickerWnd::OnDrawBackground(CDC& dc, const CRect& rcClient)
{
    g_PaintManagerHolder->PaintDatePickerPart73(dc, rcClient, this);
}

void CExtDatePickerWnd::OnDrawBorder(CDC& dc, const CRect& rcClient)
{
    if ((m_dwPickerStyle & DPS_BORDER) != 0)
        g_PaintManagerHolder->PaintDatePickerPart74(dc, rcClient);
}

void CExtDatePickerWnd::OnDrawButton(CDC& dc, int nButton, const CRect& rcButton, bool bPushed, bool bHover)
{
    g_PaintManagerHolder->PaintDatePickerPushButton(dc, rcButton, GetButtonText(nButton), nullptr, bHover, bPushed,
                                                    true, this, nButton);
}

void CExtDatePickerWnd::OnDrawHeader(CDC& dc, int nRow, int nColumn, int nMonth, int nYear, const CRect& rcHeader,
                                     const CRect& rcInner, const CRect& rcCaption, const CRect& rcScrollBack,
                                     const CRect& rcScrollForward)
{
    (void)rcHeader;
    (void)rcInner;
    CExtPaintManager* pPM = g_PaintManagerHolder.operator->();
    const int nOldMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF clrOld = dc.SetTextColor(pPM->GetTranslatedColor(CLR_DAY_TEXT, this, 0));
    CString sCaption;
    sCaption.Format(L"%s %d", (LPCTSTR)GetMonthName(nMonth), nYear);
    CRect r(rcCaption);
    HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), GetHeaderFont());
    dc.DrawText(sCaption, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    ::SelectObject(dc.GetSafeHdc(), pPM->m_fontMarlett.GetSafeHandle());
    if (nRow == 0 && nColumn == 0)
    {
        r = rcScrollBack;
        dc.DrawText(L"3", &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    if (nRow == 0 && nColumn == m_nCurrentColumns - 1)
    {
        r = rcScrollForward;
        dc.DrawText(L"4", &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    ::SelectObject(dc.GetSafeHdc(), hOld);
    dc.SetTextColor(clrOld);
    dc.SetBkMode(nOldMode);
}

void CExtDatePickerWnd::OnDrawDayNames(CDC& dc, const CRect& rcDayNames)
{
    CExtPaintManager* pPM = g_PaintManagerHolder.operator->();
    const int nOldMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF clrOld = dc.SetTextColor(pPM->GetTranslatedColor(CLR_DAY_TEXT, this, 0));
    HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), GetDayNamesFont());
    for (int c = 0; c < 7; c++)
    {
        CRect r(rcDayNames.left + c * m_sizeDayCell.cx, rcDayNames.top, rcDayNames.left + (c + 1) * m_sizeDayCell.cx,
                rcDayNames.bottom);
        dc.DrawText(m_strDayNames[c], &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    ::SelectObject(dc.GetSafeHdc(), hOld);
    dc.SetTextColor(clrOld);
    dc.SetBkMode(nOldMode);
}

void CExtDatePickerWnd::OnDrawDay(CDC& dc, bool bShowNonMonthDays, bool bHighlightToday, bool bNonMonthDay, bool bToday,
                                  const CRect& rcCell, const COleDateTime& dt, bool bSelected)
{
    if (bNonMonthDay && !bShowNonMonthDays)
        return;
    CExtPaintManager* pPM = g_PaintManagerHolder.operator->();
    if (bSelected)
        dc.FillSolidRect(&rcCell, pPM->GetTranslatedColor(CLR_SELECTED_DAY, this, 0));
    CString s;
    s.Format(L"%d", dt.GetDay());
    CRect r(rcCell);
    r.right -= 2;
    const int nOldMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF clrOld = dc.SetTextColor(pPM->GetTranslatedColor(CLR_DAY_TEXT, this, 0));
    // Selecting a font is costly: the month selects the day font once for all its cells.
    const HFONT hFont = GetDaysFont();
    HGDIOBJ hOld =
        ::GetCurrentObject(dc.GetSafeHdc(), OBJ_FONT) != hFont ? ::SelectObject(dc.GetSafeHdc(), hFont) : nullptr;
    dc.DrawText(s, &r, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (hOld != nullptr)
        ::SelectObject(dc.GetSafeHdc(), hOld);
    dc.SetTextColor(clrOld);
    dc.SetBkMode(nOldMode);
    if (bHighlightToday && bToday)
    {
        const COLORREF clr = dc.GetNearestColor(RGB(128, 0, 0));
        dc.Draw3dRect(&rcCell, clr, clr);
    }
}

void CExtDatePickerWnd::DoPaint(CDC& dc)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    OnDrawBackground(dc, rcClient);
    OnDrawBorder(dc, m_rcBorder);
    for (INT_PTR i = 0; i < m_arrMonths.GetSize(); i++)
        m_arrMonths[i]->Paint(dc);
    if (!m_rcButtonToday.IsRectEmpty())
        OnDrawButton(dc, BUTTON_TODAY, m_rcButtonToday, m_nPressedPart == PRESSED_BUTTON_TODAY && m_bTodayHot,
                     m_bTodayHot);
    if (!m_rcButtonNone.IsRectEmpty())
        OnDrawButton(dc, BUTTON_NONE, m_rcButtonNone, m_nPressedPart == PRESSED_BUTTON_NONE && m_bNoneHot, m_bNoneHot);
}
