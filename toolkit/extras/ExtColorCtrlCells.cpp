// CExtColorCtrl cell models: the honeycomb of basic colours, the grey, RGB and CMY mixers and the difference model.
#include "platform/Dc.h"
#include "toolkit/extras/ExtColorCtrl.h"
#include "toolkit/extras/ExtColorCtrlChannels.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include <cmath>

namespace
{
int RoundAway(double v) { return (int)(v < 0.0 ? std::ceil(v - 0.5) : std::floor(v + 0.5)); }

using extcolor::Channel;
using extcolor::WithChannel;

COLORREF GrayCell(int nColumn, int nValue)
{
    (void)nColumn;
    return RGB(nValue, nValue, nValue);
}

COLORREF RgbCell(int nColumn, int nValue) { return WithChannel(RGB(0, 0, 0), nColumn, nValue); }

COLORREF CmyCell(int nColumn, int nValue)
{
    return CExtPaintManager::InvertColor(WithChannel(RGB(0, 0, 0), nColumn, nValue));
}

void FrameRegion(CDC& dc, HRGN hRgn, COLORREF clr, int nSize)
{
    HBRUSH hBrush = ::CreateSolidBrush(clr);
    ::FrameRgn(dc.GetSafeHdc(), hRgn, hBrush, nSize, nSize);
    ::DeleteObject(hBrush);
}
} // namespace

// ---- one cell ------------------------------------------------------------------------------------------

void CExtColorCtrl::cell_t::Paint(CDC& dc, bool bSelected, CPalette* pPalette) const
{
    const HDC hDC = dc.GetSafeHdc();
    if (!m_bHexagon)
    {
        // A column narrower than nothing (a tiny control) has no cells to show.
        if (m_rc.right <= m_rc.left || m_rc.bottom <= m_rc.top)
            return;
        if (bSelected)
        {
            const COLORREF arrRing[3] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0)};
            for (int i = 0; i < 3; i++)
            {
                RECT rc = m_rc;
                ::InflateRect(&rc, 3 - i, 3 - i);
                dc.FillSolidRect(&rc, arrRing[i]);
            }
        }
        if (pPalette != nullptr)
        {
            HBRUSH hBrush = ::CreateSolidBrush(m_clr);
            ::FillRect(hDC, &m_rc, hBrush);
            ::DeleteObject(hBrush);
        }
        else
            dc.FillSolidRect(&m_rc, m_clr);
        return;
    }
    HBRUSH hBrush = ::CreateSolidBrush(m_clr);
    if (!bSelected)
    {
        HPEN hPen = ::CreatePen(PS_SOLID, 0, m_clr);
        HGDIOBJ hOldPen = ::SelectObject(hDC, hPen);
        HGDIOBJ hOldBrush = ::SelectObject(hDC, hBrush);
        ::Polygon(hDC, m_pts, 6);
        ::SelectObject(hDC, hOldBrush);
        ::SelectObject(hDC, hOldPen);
        ::DeleteObject(hPen);
        ::DeleteObject(hBrush);
        return;
    }
    static const POINT arrGrow[6] = {{-2, -1}, {0, -2}, {2, -1}, {2, 1}, {0, 2}, {-2, 1}};
    POINT ptsBig[6];
    for (int i = 0; i < 6; i++)
        ptsBig[i] = {m_pts[i].x + arrGrow[i].x, m_pts[i].y + arrGrow[i].y};
    HGDIOBJ hOldPen = ::SelectObject(hDC, ::GetStockObject(NULL_PEN));
    HGDIOBJ hOldBrush = ::SelectObject(hDC, ::GetStockObject(WHITE_BRUSH));
    ::Polygon(hDC, ptsBig, 6);
    ::SelectObject(hDC, hBrush);
    ::Polygon(hDC, m_pts, 6);
    ::SelectObject(hDC, hOldBrush);
    ::SelectObject(hDC, hOldPen);
    ::DeleteObject(hBrush);
    HRGN hRgnBig = ::CreatePolygonRgn(ptsBig, 6, ALTERNATE);
    HRGN hRgnCell = ::CreatePolygonRgn(m_pts, 6, ALTERNATE);
    if (hRgnBig != nullptr)
    {
        FrameRegion(dc, hRgnBig, RGB(255, 255, 255), 3);
        FrameRegion(dc, hRgnBig, RGB(0, 0, 0), 1);
        ::DeleteObject(hRgnBig);
    }
    if (hRgnCell != nullptr)
    {
        FrameRegion(dc, hRgnCell, RGB(0, 0, 0), 1);
        ::DeleteObject(hRgnCell);
    }
}

bool CExtColorCtrl::cell_t::HitTest(int x, int y) const
{
    if (!m_bHexagon && (m_rc.right <= m_rc.left || m_rc.bottom <= m_rc.top))
        return false;
    HRGN hRgn = m_bHexagon ? ::CreatePolygonRgn(m_pts, 6, ALTERNATE) : ::CreateRectRgnIndirect(&m_rc);
    if (hRgn == nullptr)
        return false;
    const bool bIn = ::PtInRegion(hRgn, x, y) != FALSE;
    ::DeleteObject(hRgn);
    return bIn;
}

// ---- basic colours -------------------------------------------------------------------------------------

void CExtColorCtrl::cell_based_data_t::MakeHexagon(cell_t& cell, int nSize, double x, double y)
{
    const double h = nSize * 0.57735026 * 0.5, s2 = nSize / 2.0;
    const double arr[6][2] = {{x - s2, y - h},       {x, y - s2},       {x + s2, y - h},
                              {x + s2, y + h + 1.0}, {x, y + s2 + 1.0}, {x - s2, y + h + 1.0}};
    for (int i = 0; i < 6; i++)
        cell.m_pts[i] = {RoundAway(arr[i][0]), RoundAway(arr[i][1])};
    cell.m_bHexagon = true;
    cell.m_rc = {cell.m_pts[0].x, cell.m_pts[1].y, cell.m_pts[2].x, cell.m_pts[4].y};
}

void CExtColorCtrl::cell_based_data_t::Layout(CDC& dc, CPalette* pPalette, int cx, int cy, bool bKeepColors)
{
    any_picker_data_t::Layout(dc, pPalette, cx, cy, bKeepColors);
    const int w = m_nWidth, hgt = m_nHeight;
    const int s = std::min(w / 16, (hgt - 10) / 16) + 2;
    const int xc = w / 2, yc = (hgt - (2 * s + 10)) / 2;
    // Colours are assigned on a fresh layout, and also when the cells were never laid out.
    const bool bAssignColors = !bKeepColors || m_arrCells.GetSize() != kCellCount;
    DropCellCache();
    m_arrCells.SetSize(kCellCount);
    int n = 0;
    auto place = [&](int nSize, double x, double y, COLORREF clr) {
        cell_t& cell = m_arrCells[n++];
        MakeHexagon(cell, nSize, x, y);
        cell.m_nFlag = 1;
        if (bAssignColors)
            cell.m_clr = clr;
    };
    place(s, xc, yc, RGB(255, 255, 255));
    static const double arrDir[6][2] = {{-0.5, 0.866}, {-1.0, 0.0}, {-0.5, -0.866},
                                        {0.5, -0.866}, {1.0, 0.0},  {0.5, 0.866}};
    for (int r = 1; r <= kRingCount; r++)
    {
        int x = xc + r * s, y = yc;
        for (int nSide = 0; nSide < 6; nSide++)
        {
            for (int nStep = 0; nStep < r; nStep++)
            {
                const int nAngle = (int)(std::atan2((double)(y - yc), (double)(x - xc)) * 180.0 / 3.14159265358979);
                place(s, x, y, CExtPaintManager::HlsToRgbDegrees((float)nAngle, (float)((7.0 - r) / 7.0 + 0.1), 1.0f));
                x += (int)(arrDir[nSide][0] * s);
                y += (int)(arrDir[nSide][1] * s);
            }
        }
    }
    const int y0 = hgt - s - 5;
    int x = (w - s / 2 - 15 * s / 2 - 3 * s) / 2;
    place(2 * s, x, y0, RGB(255, 255, 255));
    x += 2 * s;
    for (int k = 1; k <= 15; k++)
    {
        const int v = 255 - 15 * k;
        place(s, x, (k % 2) != 0 ? y0 - s * 0.43478 : y0 + s * 0.43478, RGB(v, v, v));
        x += s / 2;
    }
    place(2 * s, x + 3 * s / 2 - 1, y0, RGB(0, 0, 0));
}

void CExtColorCtrl::cell_based_data_t::Reset()
{
    m_nTrackingState = 0;
    DropCellCache();
}

int CExtColorCtrl::cell_based_data_t::HitTestCells(int x, int y) const
{
    for (INT_PTR i = 0; i < m_arrCells.GetSize(); i++)
    {
        if (m_arrCells.ElementAt(i).HitTest(x, y))
            return (int)i;
    }
    return -1;
}

void CExtColorCtrl::cell_based_data_t::DropCellCache() { m_cacheImage.Drop(); }

void CExtColorCtrl::cell_based_data_t::PaintCells(CDC& dc, CPalette* pPalette, const int* pSelected, int nSelected)
{
    CPalette* pOld = SelectPalette(dc, pPalette);
    if (m_cacheImage.IsEmpty() && m_cacheImage.Create(m_nWidth, m_nHeight, 0) &&
        m_cacheMask.Create(m_nWidth, m_nHeight, 0xFFFFFF))
    {
        // The cells over black, and their shapes in black over white.
        CDC* pImage = CDC::FromHandle(m_cacheImage.m_hDC);
        CDC* pMask = CDC::FromHandle(m_cacheMask.m_hDC);
        for (INT_PTR i = 0; i < m_arrCells.GetSize(); i++)
        {
            cell_t cell = m_arrCells.ElementAt(i);
            cell.Paint(*pImage, false, pPalette);
            cell.m_clr = RGB(0, 0, 0);
            cell.Paint(*pMask, false, nullptr);
        }
        ::GdiFlush();
    }
    if (!m_cacheImage.IsEmpty() && !m_cacheMask.IsEmpty())
        DrawMasked(dc, 0, 0, m_cacheImage, m_cacheMask);
    else
    {
        for (INT_PTR i = 0; i < m_arrCells.GetSize(); i++)
            m_arrCells.ElementAt(i).Paint(dc, false, pPalette);
    }
    for (int i = 0; i < nSelected; i++)
    {
        if (pSelected[i] >= 0 && pSelected[i] < m_arrCells.GetSize())
            m_arrCells.ElementAt(pSelected[i]).Paint(dc, true, pPalette);
    }
    if (pOld != nullptr)
        dc.SelectPalette(pOld, FALSE);
}

void CExtColorCtrl::cell_based_data_t::Paint(CDC& dc, CPalette* pPalette)
{
    int arrSel[2] = {-1, -1}, nSel = 0;
    for (INT_PTR i = 0; i < m_arrCells.GetSize() && nSel < 2; i++)
    {
        if (m_arrCells[i].m_clr == m_clr)
            arrSel[nSel++] = (int)i;
    }
    PaintCells(dc, pPalette, arrSel, nSel);
}

void CExtColorCtrl::cell_based_data_t::OnButtonDown(UINT nFlags, int x, int y)
{
    m_nTrackingState = kStateTracking;
    OnMouseMove(nFlags | MK_LBUTTON, x, y);
}

void CExtColorCtrl::cell_based_data_t::OnButtonUp(UINT nFlags, int x, int y)
{
    (void)nFlags;
    (void)x;
    (void)y;
    m_nTrackingState = 0;
}

void CExtColorCtrl::cell_based_data_t::OnMouseMove(UINT nFlags, int x, int y)
{
    (void)nFlags;
    if (m_nTrackingState != kStateTracking)
        return;
    const int n = HitTestCells(x, y);
    if (n >= 0)
        SetColor(m_arrCells[n].m_clr);
}

// ---- mixers --------------------------------------------------------------------------------------------

void CExtColorCtrl::grayscale_mixer_data_t::LayoutColumns(int nColumns, COLORREF (*fnColor)(int, int))
{
    const int w = m_nWidth / 3 - 20;
    const int nLeftCentre = (m_nWidth - w) / 2;
    const int nStep = (m_nHeight - 20) / 256 > 2 ? (m_nHeight - 20) / 256 : 2;
    DropCellCache();
    m_arrCells.SetSize(256 * nColumns);
    for (int k = 0; k < nColumns; k++)
    {
        const int nLeft = nColumns == 1 ? nLeftCentre : nLeftCentre + (k - 1) * (w + 20);
        for (int i = 0; i < 256; i++)
        {
            cell_t& cell = m_arrCells[k * 256 + i];
            const int nTop = 10 + i * (m_nHeight - 20) / 256;
            cell.m_rc = {nLeft, nTop, nLeft + w, nTop + nStep};
            cell.m_bHexagon = false;
            cell.m_nFlag = 0;
            cell.m_clr = fnColor(k, i);
        }
    }
}

void CExtColorCtrl::grayscale_mixer_data_t::Layout(CDC& dc, CPalette* pPalette, int cx, int cy, bool bKeepColors)
{
    any_picker_data_t::Layout(dc, pPalette, cx, cy, bKeepColors);
    LayoutColumns(1, GrayCell);
}

void CExtColorCtrl::grayscale_mixer_data_t::Paint(CDC& dc, CPalette* pPalette)
{
    const int r = GetRValue(m_clr);
    const bool bGray = r == GetGValue(m_clr) && r == GetBValue(m_clr);
    PaintCells(dc, pPalette, &r, bGray ? 1 : 0);
}

void CExtColorCtrl::rgb_mixer_data_t::Layout(CDC& dc, CPalette* pPalette, int cx, int cy, bool bKeepColors)
{
    any_picker_data_t::Layout(dc, pPalette, cx, cy, bKeepColors);
    LayoutColumns(3, RgbCell);
}

void CExtColorCtrl::rgb_mixer_data_t::Paint(CDC& dc, CPalette* pPalette)
{
    const int arrSel[3] = {GetRValue(m_clr), 256 + GetGValue(m_clr), 512 + GetBValue(m_clr)};
    PaintCells(dc, pPalette, arrSel, 3);
}

void CExtColorCtrl::rgb_mixer_data_t::OnMouseMove(UINT nFlags, int x, int y)
{
    (void)nFlags;
    if (m_nTrackingState != kStateTracking)
        return;
    const int n = HitTestCells(x, y);
    if (n >= 0)
        SetColor(WithChannel(m_clr, n / 256, n % 256));
}

void CExtColorCtrl::cmy_mixer_data_t::Layout(CDC& dc, CPalette* pPalette, int cx, int cy, bool bKeepColors)
{
    any_picker_data_t::Layout(dc, pPalette, cx, cy, bKeepColors);
    LayoutColumns(3, CmyCell);
}

void CExtColorCtrl::cmy_mixer_data_t::Paint(CDC& dc, CPalette* pPalette)
{
    const COLORREF clrInv = CExtPaintManager::InvertColor(m_clr);
    const int arrSel[3] = {Channel(clrInv, 0), 256 + Channel(clrInv, 1), 512 + Channel(clrInv, 2)};
    PaintCells(dc, pPalette, arrSel, 3);
}

void CExtColorCtrl::cmy_mixer_data_t::OnMouseMove(UINT nFlags, int x, int y)
{
    (void)nFlags;
    if (m_nTrackingState != kStateTracking)
        return;
    const int n = HitTestCells(x, y);
    if (n >= 0)
        SetColor(CExtPaintManager::InvertColor(WithChannel(CExtPaintManager::InvertColor(m_clr), n / 256, n % 256)));
}

// ---- difference ----------------------------------------------------------------------------------------

void CExtColorCtrl::diff_data_t::Layout(CDC& dc, CPalette* pPalette, int cx, int cy, bool bKeepColors)
{
    any_picker_data_t::Layout(dc, pPalette, cx, cy, bKeepColors);
    m_arrCells.SetSize(2);
    const int h2 = m_nHeight / 2;
    m_arrCells[0].m_rc = {0, 0, m_nWidth, h2};
    m_arrCells[1].m_rc = {0, h2, m_nWidth, 2 * h2};
    for (int i = 0; i < 2; i++)
    {
        m_arrCells[i].m_bHexagon = false;
        m_arrCells[i].m_nFlag = 0;
    }
    SyncCells();
}

void CExtColorCtrl::diff_data_t::SyncCells()
{
    DropCellCache();
    if (m_arrCells.GetSize() < 2)
        return;
    m_arrCells[0].m_clr = m_clr;
    m_arrCells[1].m_clr = m_clrRef;
}

void CExtColorCtrl::diff_data_t::Paint(CDC& dc, CPalette* pPalette) { PaintCells(dc, pPalette, nullptr, 0); }

void CExtColorCtrl::diff_data_t::SetReferenceColor(COLORREF clr)
{
    cell_based_data_t::SetReferenceColor(clr);
    SyncCells();
}

void CExtColorCtrl::diff_data_t::SetColor(COLORREF clr)
{
    cell_based_data_t::SetColor(clr);
    SyncCells();
}

void CExtColorCtrl::diff_data_t::SetHls(double fHue, double fLuminance, double fSaturation)
{
    cell_based_data_t::SetHls(fHue, fLuminance, fSaturation);
    SyncCells();
}
