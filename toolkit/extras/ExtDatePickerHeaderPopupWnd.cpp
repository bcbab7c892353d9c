// CExtDatePickerHeaderPopupWnd: measuring, the frame and shadow, painting, tracking and the scroll timers.
#include "toolkit/extras/ExtDatePickerHeaderPopupWnd.h"
#include "toolkit/extras/ExtDatePickerWnd.h"
#include "toolkit/foundation/ExtMemoryDC.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include <algorithm>
#include <cstdlib>

IMPLEMENT_DYNCREATE(CExtDatePickerHeaderPopupWnd, CWnd)

CExtDatePickerHeaderPopupWnd::CExtDatePickerHeaderPopupWnd() : CExtDatePickerHeaderPopupWnd(nullptr, false) {}

CExtDatePickerHeaderPopupWnd::CExtDatePickerHeaderPopupWnd(CExtDatePickerWnd* pPicker, bool bShadow)
    : m_sizeWindow(0, 0), m_sizeItem(0, 0), m_nMonth(1), m_nYear(2000), m_nRows(ROWS), m_pPicker(pPicker),
      m_bTimerBack(false), m_bTimerForward(false), m_bShadow(bShadow), m_nPeriodBack(0), m_nPeriodForward(0),
      m_nSelMonth(0), m_nSelYear(0)
{
    if (m_pPicker != nullptr)
        Measure();
}

CExtDatePickerHeaderPopupWnd::~CExtDatePickerHeaderPopupWnd() {}

void CExtDatePickerHeaderPopupWnd::Measure()
{
    CClientDC dc(nullptr);
    const HFONT hFont = m_pPicker->GetMonthListFont();
    int cx = 0, cy = 0;
    for (int m = 1; m <= 12; m++)
    {
        const CRect r = CExtPaintManager::MeasureText(dc, hFont, m_pPicker->GetMonthName(m) + L" 0000");
        cx = std::max<int>(cx, r.Width());
        cy = std::max<int>(cy, r.Height());
    }
    m_sizeItem = CSize(cx + 24, cy + 2);
    const int s = GetShadowSize();
    m_sizeWindow = CSize(s + m_sizeItem.cx + 1, m_nRows * m_sizeItem.cy + s + 2);
}

void CExtDatePickerHeaderPopupWnd::SetMonthYear(int nMonth, int nYear)
{
    if (nMonth >= 1 && nMonth <= 12)
        m_nMonth = nMonth;
    if (nYear >= 100 && nYear <= 9999)
        m_nYear = nYear;
}

UINT CExtDatePickerHeaderPopupWnd::PeriodForDistance(int d)
{
    static const UINT s_periods[] = {500, 300, 200, 100};
    const int n = std::abs(d) / 10;
    return n < 4 ? s_periods[n] : 50;
}

bool CExtDatePickerHeaderPopupWnd::GetSelectedMonth(int& nMonth, int& nYear) const
{
    if (m_nSelMonth == 0)
        return false;
    nMonth = m_nSelMonth;
    nYear = m_nSelYear;
    return true;
}

void CExtDatePickerHeaderPopupWnd::TrackCursor()
{
    if (GetSafeHwnd() == nullptr)
        return;
    POINT pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nListHeight = m_nRows * m_sizeItem.cy;
    m_nSelMonth = m_nSelYear = 0;
    if (pt.y >= 1 && pt.y < m_sizeWindow.cy)
    {
        if (m_bTimerBack)
            KillTimer(TIMER_SCROLL_BACK);
        if (m_bTimerForward)
            KillTimer(TIMER_SCROLL_FORWARD);
        m_bTimerBack = m_bTimerForward = false;
    }
    if (pt.y >= 0 && pt.y < nListHeight && pt.x >= 0 && pt.x < m_sizeItem.cx)
    {
        int m = m_nMonth, y = m_nYear;
        if (CExtDatePickerWnd::AddMonths(m, y, pt.y / m_sizeItem.cy - m_nRows / 2))
        {
            m_nSelMonth = m;
            m_nSelYear = y;
        }
    }
    else if (pt.y < 0 || pt.y >= nListHeight)
    {
        const bool bBack = pt.y < 0;
        const UINT nPeriod = PeriodForDistance(bBack ? -pt.y : pt.y - nListHeight);
        bool& bRunning = bBack ? m_bTimerBack : m_bTimerForward;
        UINT& nOld = bBack ? m_nPeriodBack : m_nPeriodForward;
        if (!bRunning || nOld != nPeriod)
        {
            nOld = nPeriod;
            bRunning = true;
            SetTimer(bBack ? TIMER_SCROLL_BACK : TIMER_SCROLL_FORWARD, nPeriod, nullptr);
        }
    }
    Invalidate(FALSE);
}

void CExtDatePickerHeaderPopupWnd::OnTimerTick(UINT_PTR nId)
{
    // The list never shows a month outside years 100..9999: the centre stops three rows short of the ends.
    int m = m_nMonth, y = m_nYear;
    const int nDelta = nId == TIMER_SCROLL_BACK ? -1 : 1;
    int mEdge = m, yEdge = y;
    if (CExtDatePickerWnd::AddMonths(m, y, nDelta) &&
        CExtDatePickerWnd::AddMonths(mEdge, yEdge, nDelta * (1 + m_nRows / 2)))
    {
        m_nMonth = m;
        m_nYear = y;
    }
    Invalidate(FALSE);
}

void CExtDatePickerHeaderPopupWnd::DoPaint(CDC& dc)
{
    CExtPaintManager* pPM = g_PaintManagerHolder.operator->();
    CRect rcClient;
    GetClientRect(&rcClient);
    dc.FillSolidRect(&rcClient, pPM->GetTranslatedColor(CLR_BACKGROUND, this, 0));
    const int nOldMode = dc.SetBkMode(TRANSPARENT);
    HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), m_pPicker != nullptr ? m_pPicker->GetMonthListFont()
                                                                        : pPM->m_fontNormal.GetSafeHandle());
    for (int i = 0; i < m_nRows; i++)
    {
        int m = m_nMonth, y = m_nYear;
        if (!CExtDatePickerWnd::AddMonths(m, y, i - m_nRows / 2))
            continue;
        CRect r(0, i * m_sizeItem.cy, m_sizeItem.cx, (i + 1) * m_sizeItem.cy);
        const bool bSel = m == m_nSelMonth && y == m_nSelYear;
        if (bSel)
            dc.FillSolidRect(&r, RGB(0, 0, 0));
        dc.SetTextColor(bSel ? RGB(255, 255, 255) : pPM->GetTranslatedColor(CLR_TEXT, this, 0));
        CString s;
        s.Format(L"%s %d", m_pPicker != nullptr ? (LPCTSTR)m_pPicker->GetMonthName(m) : L"", y);
        dc.DrawText(s, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    ::SelectObject(dc.GetSafeHdc(), hOld);
    dc.SetBkMode(nOldMode);
}

void CExtDatePickerHeaderPopupWnd::OnPaintMsg()
{
    PAINTSTRUCT ps;
    CDC* pDC = CDC::FromHandle(::BeginPaint(GetSafeHwnd(), &ps));
    {
        CRect rcClient;
        GetClientRect(&rcClient);
        CExtMemoryDC dcMem(pDC, &rcClient);
        DoPaint(dcMem);
    }
    ::EndPaint(GetSafeHwnd(), &ps);
}

LRESULT CExtDatePickerHeaderPopupWnd::OnNcCalcSizeMsg(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    RECT* pRect = (RECT*)lParam;
    const int s = GetShadowSize();
    pRect->left += 1;
    pRect->top += 1;
    pRect->right -= s + 1;
    pRect->bottom -= s + 1;
    return 0;
}

void CExtDatePickerHeaderPopupWnd::OnNcPaintMsg()
{
    CWindowDC dc(this);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    rcWindow.OffsetRect(-rcWindow.left, -rcWindow.top);
    const int s = GetShadowSize();
    CRect rcFrame(rcWindow.left, rcWindow.top, rcWindow.right - s, rcWindow.bottom - s);
    dc.Draw3dRect(&rcFrame, RGB(0, 0, 0), RGB(0, 0, 0));
    if (m_bShadow)
        m_shadow.Paint(dc, rcFrame, CRect(0, 0, 0, 0), CRect(0, 0, 0, 0), SHADOW_SIZE, SHADOW_DARKNESS, 100, false);
}

LRESULT CExtDatePickerHeaderPopupWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_ERASEBKGND: return TRUE;
    case WM_MOUSEACTIVATE: return (GetStyle() & WS_TABSTOP) != 0 ? MA_ACTIVATE : MA_NOACTIVATE;
    case WM_NCCALCSIZE: return OnNcCalcSizeMsg(wParam, lParam);
    case WM_NCPAINT: OnNcPaintMsg(); return 0;
    case WM_PAINT: OnPaintMsg(); return 0;
    case WM_TIMER: OnTimerTick(wParam); return 0;
    default: break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
