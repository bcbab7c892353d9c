// Painting a 3 x 2 date picker into a memory DC against drawing the same 252 day numbers, six captions
// and six day-name rows with plain DrawText into the same rectangles. Target: at most 3 times.
#include "bench/BenchSupport.h"
#include "toolkit/extras/ExtDatePickerWnd.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include <cstdio>
#include <vector>

namespace
{
const int kRounds = 100;

void PlainText(CDC& dc, const CExtDatePickerWnd& p)
{
    HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), g_PaintManagerHolder->m_fontNormal.GetSafeHandle());
    for (int k = 0; k < p.GetMonthCount(); k++)
    {
        const CExtDatePickerWnd::MONTH_INFO* pMonth = p.GetMonth(k);
        CRect r(pMonth->m_rcCaption);
        dc.DrawText(L"September 2026", &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        for (int c = 0; c < 7; c++)
        {
            CRect rd(pMonth->m_rcDayNames.left + c * p.GetDayCellSize().cx, pMonth->m_rcDayNames.top,
                     pMonth->m_rcDayNames.left + (c + 1) * p.GetDayCellSize().cx, pMonth->m_rcDayNames.bottom);
            dc.DrawText(L"M", &rd, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
        for (const auto& cell : pMonth->m_days)
        {
            CRect rc(cell.m_rcCell);
            dc.DrawText(L"28", &rc, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
        }
    }
    ::SelectObject(dc.GetSafeHdc(), hOld);
}
} // namespace

int wmain()
{
    g_PaintManagerHolder.EnsurePaintManager();
    CWnd wndParent;
    wndParent.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP, CRect(0, 0, 800, 600), nullptr, 0);
    CExtDatePickerWnd p;
    CSize size;
    p.ModifyPickerStyle((DWORD)-1, CExtDatePickerWnd::DPS_DEFAULT | CExtDatePickerWnd::DPS_BUTTON_NONE, false);
    p.CalcWindowSize(size, CSize(3, 2));
    p.Create(&wndParent, CRect(CPoint(0, 0), size), 1, 3, 2, 3, 2, WS_CHILD | WS_VISIBLE,
             CExtDatePickerWnd::DPS_DEFAULT | CExtDatePickerWnd::DPS_BUTTON_NONE);
    p.SetSelection(COleDateTime(2026, 9, 3, 0, 0, 0), COleDateTime(2026, 9, 12, 0, 0, 0), false, false);
    CClientDC dcScreen(nullptr);
    CDC dc;
    dc.CreateCompatibleDC(&dcScreen);
    CBitmap bmp;
    bmp.CreateCompatibleBitmap(&dcScreen, size.cx, size.cy);
    CBitmap* pOld = dc.SelectObject(&bmp);
    std::vector<double> ratios;
    for (int run = 0; run < bench::kRuns; run++)
    {
        auto t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < kRounds; i++)
            p.SendMessage(WM_PRINTCLIENT, (WPARAM)dc.GetSafeHdc(), PRF_CLIENT);
        const double dPicker = bench::Seconds(t0);
        t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < kRounds; i++)
        {
            dc.FillSolidRect(0, 0, size.cx, size.cy, RGB(255, 255, 255));
            PlainText(dc, p);
        }
        const double dPlain = bench::Seconds(t0);
        ratios.push_back(dPicker / dPlain);
    }
    dc.SelectObject(pOld);
    bench::PrintRatios("3 x 2 date picker paint vs plain DrawText", ratios, 3.0);
    p.DestroyWindow();
    wndParent.DestroyWindow();
    return 0;
}
