// Steps shared by the OneNote and Whidbey tab styles.
#include "toolkit/bars_tabs/ExtTabShape.h"
#include "toolkit/bars_tabs/ExtTabWnd.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include <algorithm>

namespace tabshape
{

void QueryMetrics(int& nItemInset, int& nButtonMargin, int& nStripOffset)
{
    nItemInset = 1;
    nButtonMargin = 2;
    nStripOffset = 3;
}

void MeasureItem(bool bHorz, int nExtra, int nThickness, CSize& sizePreCalc)
{
    if (bHorz)
    {
        sizePreCalc.cx += nExtra;
        sizePreCalc.cy = nThickness;
    }
    else
    {
        sizePreCalc.cy += nExtra;
        sizePreCalc.cx = nThickness;
    }
}

bool IsItemHovered(const CExtTabWnd& wnd, int nIndex)
{
    CPoint pt;
    if (!::GetCursorPos(&pt) || ::WindowFromPoint(pt) != wnd.m_hWnd)
        return false;
    wnd.ScreenToClient(&pt);
    return wnd.ItemHitTest(pt) == nIndex;
}

int Outline(const Frame& f, int nSlant, POINT* pts)
{
    const int W = f.W(), H = f.H();
    nSlant = std::max(0, std::min(nSlant, W / 2));
    pts[0] = f.Map(0, H);
    pts[1] = f.Map(nSlant, 2);
    pts[2] = f.Map(std::min(nSlant + 2, W - 3), 0);
    pts[3] = f.Map(W - 3, 0);
    pts[4] = f.Map(W - 1, 2);
    pts[5] = f.Map(W - 1, H);
    return 6;
}

bool OutlineRegion(const Frame& f, int nSlant, POINT* pts, int& nPts, CRgn& rgn)
{
    nPts = Outline(f, nSlant, pts);
    return rgn.CreatePolygonRgn(pts, nPts, WINDING) != FALSE;
}

bool IsLowColor(CDC& dc) { return CExtPaintManager::GetSurfaceBitsPerPixel(dc.GetSafeHdc()) <= 8; }

void FillRegion(CDC& dc, CRgn& rgn, const CRect& rcBounds, bool bHorz, bool bGradient, COLORREF clr1, COLORREF clr2)
{
    if (!bGradient)
    {
        CBrush brush;
        brush.CreateSolidBrush(clr1);
        dc.FillRgn(&rgn, &brush);
        return;
    }
    const int nSaved = dc.SaveDC();
    dc.SelectClipRgn(&rgn, RGN_AND);
    CExtPaintManager::PaintGradientRect(dc, rcBounds, clr2, clr1, bHorz);
    dc.RestoreDC(nSaved);
}

void DrawContent(CDC& dc, const CRect& rcContent, bool bHorz, CFont* pFont, LPCTSTR pszText, CExtCmdIcon* pIcon,
                 COLORREF clrText)
{
    CRect rcText(rcContent);
    if (pIcon != nullptr && !pIcon->IsEmpty())
    {
        const CSize sizeIcon = pIcon->GetSize();
        CPoint pt = bHorz ? CPoint(rcContent.left, rcContent.CenterPoint().y - sizeIcon.cy / 2)
                          : CPoint(rcContent.CenterPoint().x - sizeIcon.cx / 2, rcContent.top);
        if ((bHorz ? sizeIcon.cx : sizeIcon.cy) <= (bHorz ? rcContent.Width() : rcContent.Height()))
            pIcon->Draw(&dc, pt, 0);
        if (bHorz)
            rcText.left += sizeIcon.cx + 3;
        else
            rcText.top += sizeIcon.cy + 3;
    }
    if (pszText == nullptr || pszText[0] == L'\0' || rcText.IsRectEmpty())
        return;
    const COLORREF clrOld = dc.SetTextColor(clrText);
    const int nOldMode = dc.SetBkMode(TRANSPARENT);
    CFont* pOldFont = pFont != nullptr ? dc.SelectObject(pFont) : nullptr;
    if (bHorz)
        dc.DrawText(pszText, -1, &rcText, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    else
    {
        const UINT nOldAlign = dc.SetTextAlign(TA_BASELINE);
        dc.ExtTextOut(rcText.CenterPoint().x, rcText.top + 4, ETO_CLIPPED, &rcText, pszText, (UINT)wcslen(pszText),
                      nullptr);
        dc.SetTextAlign(nOldAlign);
    }
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
    dc.SetBkMode(nOldMode);
    dc.SetTextColor(clrOld);
}

} // namespace tabshape
