// Painting into 32-bit DIBs: the selected cell, the day numbers, today's frame, other months' days
// and the header text.
#include "DatePickerHost.h"
#include "support/DibCanvas.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include <gtest/gtest.h>

using namespace dptest;
typedef CExtDatePickerWnd DP;

namespace
{
CSize ClientSize(CWnd& wnd)
{
    CRect rc;
    wnd.GetClientRect(&rc);
    return rc.Size();
}

// The cell of a date in month k.
const DP::MONTH_INFO::DATE_INFO* CellOf(const DP& p, int k, const COleDateTime& dt)
{
    for (const auto& cell : p.GetMonth(k)->m_days)
        if (cell.m_dt == dt)
            return &cell;
    return nullptr;
}

// Columns of the cell holding text pixels (not the background), in the rectangle.
int RightmostInk(const DibCanvas& c, const CRect& r, COLORREF clrBack)
{
    int nRight = -1;
    for (int y = r.top; y < r.bottom; y++)
        for (int x = r.left; x < r.right; x++)
            if (c.At(x, y) != clrBack)
                nRight = std::max(nRight, x);
    return nRight;
}
} // namespace

TEST(DatePickerPaint, SelectedCellsFillAndDayNumbersStandRightAligned)
{
    CDatePickerHost host;
    ASSERT_TRUE(host.CreateHost());
    DP& p = host.m_picker;
    p.SetCurrentDate(Date(2026, 4, 1), false);
    p.SetSelection(Date(2026, 4, 14), Date(2026, 4, 14), false, false);
    const CSize size = ClientSize(p);
    DibCanvas c(size.cx, size.cy);
    p.SendMessage(WM_PRINTCLIENT, (WPARAM)c.dc.GetSafeHdc(), PRF_CLIENT);
    CExtPaintManager* pPM = g_PaintManagerHolder.operator->();
    const COLORREF clrSel = pPM->GetTranslatedColor(DP::CLR_SELECTED_DAY, &p, 0);
    const COLORREF clrText = pPM->GetTranslatedColor(DP::CLR_DAY_TEXT, &p, 0);
    const auto* pSel = CellOf(p, 0, Date(2026, 4, 14));
    ASSERT_NE(pSel, nullptr);
    EXPECT_GT(c.Count(pSel->m_rcCell, clrSel), pSel->m_rcCell.Width() * pSel->m_rcCell.Height() / 2);
    EXPECT_GT(c.Count(pSel->m_rcCell, clrText), 0);
    const auto* pOther = CellOf(p, 0, Date(2026, 4, 21));
    EXPECT_EQ(c.Count(pOther->m_rcCell, clrSel), 0);
    const COLORREF clrBack = c.At(pOther->m_rcCell.left, pOther->m_rcCell.top);
    EXPECT_GT(c.Count(pOther->m_rcCell, clrText), 0);
    // Right-aligned: "21" ends near the cell's right edge less 2; "1" ends at about the same place.
    const int nRight21 = RightmostInk(c, pOther->m_rcCell, clrBack) - pOther->m_rcCell.left;
    const auto* pFirst = CellOf(p, 0, Date(2026, 4, 1));
    const int nRight1 = RightmostInk(c, pFirst->m_rcCell, clrBack) - pFirst->m_rcCell.left;
    EXPECT_GE(nRight21, pOther->m_rcCell.Width() - 6);
    EXPECT_LT(nRight21, pOther->m_rcCell.Width() - 1);
    EXPECT_LE(std::abs(nRight21 - nRight1), 1);
}

TEST(DatePickerPaint, TodayIsFramedAndOtherMonthsDaysStayBlankWithoutTheirBit)
{
    CDatePickerHost host;
    ASSERT_TRUE(host.CreateHost());
    DP& p = host.m_picker;
    p.ModifyPickerStyle(DP::DPS_SHOW_NON_MONTH_DAYS, 0, false);
    const COleDateTime dtToday = p.GetToday();
    p.SetCurrentDate(dtToday, false);
    p.SetSelection(Date(2001, 1, 1), Date(2001, 1, 1), false, false);
    const CSize size = ClientSize(p);
    DibCanvas c(size.cx, size.cy);
    p.SendMessage(WM_PRINTCLIENT, (WPARAM)c.dc.GetSafeHdc(), PRF_CLIENT);
    const COLORREF clrFrame = c.dc.GetNearestColor(RGB(128, 0, 0));
    const auto* pToday = CellOf(p, 0, dtToday);
    ASSERT_NE(pToday, nullptr);
    const CRect& r = pToday->m_rcCell;
    EXPECT_EQ(c.At(r.left, r.top), clrFrame);
    EXPECT_EQ(c.At(r.right - 1, r.bottom - 1), clrFrame);
    EXPECT_EQ(c.Count(r, clrFrame), 2 * (r.Width() + r.Height()) - 4);
    // A leading day of the first month shows nothing without 0x0200.
    const auto& lead = p.GetMonth(0)->m_days[0];
    ASSERT_NE(lead.m_dt.GetMonth(), p.GetMonth(0)->m_nMonth);
    const COLORREF clrBack = c.At(lead.m_rcCell.left, lead.m_rcCell.top);
    EXPECT_EQ(c.Count(lead.m_rcCell, clrBack), lead.m_rcCell.Width() * lead.m_rcCell.Height());
    // With 0x0200 it shows its number.
    p.ModifyPickerStyle(0, DP::DPS_SHOW_NON_MONTH_DAYS, false);
    DibCanvas c2(size.cx, size.cy);
    p.SendMessage(WM_PRINTCLIENT, (WPARAM)c2.dc.GetSafeHdc(), PRF_CLIENT);
    EXPECT_LT(c2.Count(lead.m_rcCell, clrBack), lead.m_rcCell.Width() * lead.m_rcCell.Height());
}

namespace
{
// Records the header texts the picker draws.
class CHeaderRecordingPicker : public DP
{
public:
    std::vector<CString> m_captions;
    void OnDrawHeader(CDC& dc, int nRow, int nColumn, int nMonth, int nYear, const CRect& rcHeader,
                      const CRect& rcInner, const CRect& rcCaption, const CRect& rcBack, const CRect& rcFwd) override
    {
        CString s;
        s.Format(L"%s %d", (LPCTSTR)GetMonthName(nMonth), nYear);
        m_captions.push_back(s);
        DP::OnDrawHeader(dc, nRow, nColumn, nMonth, nYear, rcHeader, rcInner, rcCaption, rcBack, rcFwd);
    }
};
} // namespace

TEST(DatePickerPaint, TheHeaderShowsTheLocaleMonthNameAndTheYearInk)
{
    CWnd wndParent;
    ASSERT_TRUE(wndParent.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP, CRect(0, 0, 400, 400), nullptr, 0));
    CHeaderRecordingPicker p;
    ASSERT_TRUE(p.Create(&wndParent, CRect(0, 0, 300, 300), 1, 1, 1, 1, 1, WS_CHILD | WS_VISIBLE, DP::DPS_DEFAULT));
    p.SetCurrentDate(Date(2026, 10, 5), false);
    WCHAR sz[200] = {};
    ::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SMONTHNAME10, sz, 200);
    EXPECT_EQ(p.GetMonthName(10), CString(sz));
    EXPECT_EQ(p.GetMonthName(10, true), CString(sz).MakeUpper());
    DibCanvas c(300, 300);
    p.SendMessage(WM_PRINTCLIENT, (WPARAM)c.dc.GetSafeHdc(), PRF_CLIENT);
    ASSERT_EQ(p.m_captions.size(), 1u);
    EXPECT_EQ(p.m_captions[0], CString(sz) + L" 2026");
    const CRect rcCaption = p.GetMonth(0)->m_rcCaption;
    const COLORREF clrText = g_PaintManagerHolder->GetTranslatedColor(DP::CLR_DAY_TEXT, &p, 0);
    EXPECT_GT(c.Count(rcCaption, clrText), 10);
    p.DestroyWindow();
    wndParent.DestroyWindow();
}
