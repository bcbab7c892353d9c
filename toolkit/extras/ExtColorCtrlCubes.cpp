// CExtColorCtrl cube models: the isometric RGB and CMY cubes with their cached faces and channel handles.
#include "platform/Dc.h"
#include "toolkit/extras/ExtColorCtrl.h"
#include "toolkit/extras/ExtColorCtrlChannels.h"
#include "toolkit/foundation/ExtPaintManager.h"

namespace
{
using extcolor::Channel;
using extcolor::WithChannel;

bool InPolygon(const POINT* pts, int x, int y)
{
    HRGN hRgn = ::CreatePolygonRgn(pts, 4, ALTERNATE);
    if (hRgn == nullptr)
        return false;
    const bool bIn = ::PtInRegion(hRgn, x, y) != FALSE;
    ::DeleteObject(hRgn);
    return bIn;
}

// The channel each face lacks: the first face (upper left) has no blue, the second no green, the third no red.
const int g_arrFaceMissing[3] = {2, 1, 0};
} // namespace

COLORREF CExtColorCtrl::rgb_cube_data_t::AxisColor(COLORREF clr) const
{
    return m_bInverted ? CExtPaintManager::InvertColor(clr) : clr;
}

void CExtColorCtrl::rgb_cube_data_t::Layout(CDC& dc, CPalette* pPalette, int cx, int cy, bool bKeepColors)
{
    const int nOldW = m_nWidth, nOldH = m_nHeight;
    any_picker_data_t::Layout(dc, pPalette, cx, cy, bKeepColors);
    if (nOldW != m_nWidth || nOldH != m_nHeight)
        m_bmpFaces.Drop();
    CRect rc(0, 0, m_nWidth, m_nHeight);
    rc.DeflateRect(kBorder, kBorder);
    if (rc.Width() > rc.Height())
    {
        const int d = (rc.Width() - rc.Height()) / 2;
        rc.DeflateRect(d, 0);
    }
    else if (rc.Height() > rc.Width())
    {
        const int d = (rc.Height() - rc.Width()) / 2;
        rc.DeflateRect(0, d);
    }
    if (rc.Width() % 4 != 0)
    {
        rc.right -= 3;
        rc.bottom -= 3;
    }
    m_nLeft = rc.left;
    m_nTop = rc.top;
    m_nRight = rc.right;
    m_nBottom = rc.bottom;
    const int a = m_nBottom - m_nTop;
    m_ptCenter = {(m_nLeft + m_nRight) / 2, (m_nTop + m_nBottom) / 2};
    m_ptTop = {m_ptCenter.x, m_nTop};
    m_ptLeft = {m_nLeft, m_nBottom - a / 4};
    m_ptRight = {m_nRight, m_nBottom - a / 4};
    const POINT faces[3][4] = {
        {{m_nLeft, m_nTop + a / 4}, m_ptTop, m_ptCenter, m_ptLeft},
        {{m_nRight, m_nTop + a / 4}, m_ptTop, m_ptCenter, m_ptRight},
        {m_ptLeft, {m_ptCenter.x, m_nBottom}, m_ptRight, m_ptCenter},
    };
    std::copy(&faces[0][0], &faces[0][0] + 12, &m_arrFaces[0][0]);
    CalcHandles();
}

void CExtColorCtrl::rgb_cube_data_t::Reset()
{
    m_nTrackingState = 0;
    m_bmpFaces.Drop();
}

void CExtColorCtrl::rgb_cube_data_t::CalcHandles()
{
    const int n = (m_nBottom - m_nTop) / 2;
    const COLORREF clr = AxisColor(m_clr);
    const int r = GetRValue(clr) * n / 255, g = GetGValue(clr) * n / 255, b = GetBValue(clr) * n / 255;
    m_arrHandles[0] = {m_ptCenter.x, m_ptCenter.y - r};
    m_arrHandles[1] = {m_ptCenter.x - g, m_ptCenter.y + g / 2};
    m_arrHandles[2] = {m_ptCenter.x + b, m_ptCenter.y + b / 2};
}

void CExtColorCtrl::rgb_cube_data_t::SetColor(COLORREF clr)
{
    any_picker_data_t::SetColor(clr);
    CalcHandles();
}

void CExtColorCtrl::rgb_cube_data_t::SetHls(double fHue, double fLuminance, double fSaturation)
{
    any_picker_data_t::SetHls(fHue, fLuminance, fSaturation);
    CalcHandles();
}

void CExtColorCtrl::rgb_cube_data_t::Render(CPalette* pPalette)
{
    if (!m_bmpFaces.Create(m_nWidth, m_nHeight, RGB(255, 255, 255)))
        return;
    const int n = (m_nBottom - m_nTop) / 2;
    const bool bLow = IsLowColor();
    const int nStep = bLow ? 4 : 1;
    const int cx = m_ptCenter.x, cy = m_ptCenter.y;
    for (int i = 0; i <= n; i += nStep)
    {
        const int vi = i * 255 / n;
        for (int j = 0; j <= n; j += nStep)
        {
            const int vj = j * 255 / n;
            // Red up and green toward L; red up and blue toward R; green toward L and blue toward R.
            const POINT pts[3] = {{cx - j, cy - i + j / 2}, {cx + j, cy - i + j / 2}, {cx - i + j, cy + (i + j) / 2}};
            const COLORREF clrs[3] = {RGB(vi, vj, 0), RGB(vi, 0, vj), RGB(0, vi, vj)};
            for (int f = 0; f < 3; f++)
            {
                const COLORREF clr = AxisColor(clrs[f]);
                if (bLow)
                    m_bmpFaces.FillRect(pts[f].x, pts[f].y, 4, 4, clr, pPalette);
                else
                    m_bmpFaces.SetPixel(pts[f].x, pts[f].y, clr);
            }
        }
    }
}

void CExtColorCtrl::rgb_cube_data_t::Paint(CDC& dc, CPalette* pPalette)
{
    if (!IsUsable())
        return;
    CPalette* pOld = SelectPalette(dc, pPalette);
    if (m_bmpFaces.IsEmpty())
        Render(pPalette);
    m_bmpFaces.DrawTransparent(dc, 0, 0, RGB(255, 255, 255));
    const HDC hDC = dc.GetSafeHdc();
    HGDIOBJ hOldPen = ::SelectObject(hDC, ::GetStockObject(BLACK_PEN));
    const POINT lines[3][2] = {{m_ptTop, m_ptCenter}, {m_ptCenter, m_ptRight}, {m_ptLeft, m_ptCenter}};
    for (const auto& l : lines)
    {
        ::MoveToEx(hDC, l[0].x, l[0].y, nullptr);
        ::LineTo(hDC, l[1].x, l[1].y);
    }
    ::SelectObject(hDC, ::GetStockObject(WHITE_PEN));
    const POINT c = m_ptCenter;
    POINT u = {m_arrHandles[0].x - c.x, m_arrHandles[0].y - c.y};
    POINT v = {m_arrHandles[1].x - c.x, m_arrHandles[1].y - c.y};
    POINT w = {m_arrHandles[2].x - c.x, m_arrHandles[2].y - c.y};
    auto at = [&](int a, int b, int d) {
        return POINT{c.x + a * u.x + b * v.x + d * w.x, c.y + a * u.y + b * v.y + d * w.y};
    };
    // The outer edges of the parallelepiped the three handle vectors span.
    const int edges[9][6] = {{1, 0, 0, 1, 1, 0}, {1, 0, 0, 1, 0, 1}, {0, 1, 0, 1, 1, 0},
                             {0, 1, 0, 0, 1, 1}, {0, 0, 1, 1, 0, 1}, {0, 0, 1, 0, 1, 1},
                             {1, 1, 0, 1, 1, 1}, {1, 0, 1, 1, 1, 1}, {0, 1, 1, 1, 1, 1}};
    for (const auto& e : edges)
    {
        const POINT p0 = at(e[0], e[1], e[2]), p1 = at(e[3], e[4], e[5]);
        ::MoveToEx(hDC, p0.x, p0.y, nullptr);
        ::LineTo(hDC, p1.x, p1.y);
    }
    ::SelectObject(hDC, hOldPen);
    for (const POINT& pt : m_arrHandles)
    {
        RECT rc = {pt.x - 4, pt.y - 4, pt.x + 5, pt.y + 5};
        ::FrameRect(hDC, &rc, (HBRUSH)::GetStockObject(BLACK_BRUSH));
        ::InflateRect(&rc, -1, -1);
        ::FrameRect(hDC, &rc, (HBRUSH)::GetStockObject(WHITE_BRUSH));
    }
    if (pOld != nullptr)
        dc.SelectPalette(pOld, FALSE);
}

void CExtColorCtrl::rgb_cube_data_t::OnButtonDown(UINT nFlags, int x, int y)
{
    if (!IsUsable())
        return;
    for (int i = 0; i < 3; i++)
    {
        if (std::abs(x - m_arrHandles[i].x) <= 4 && std::abs(y - m_arrHandles[i].y) <= 4)
        {
            m_nTrackingState = kStateRed + i;
            OnMouseMove(nFlags, x, y);
            return;
        }
    }
    if (IsLowColor() || m_bmpFaces.IsEmpty())
        return;
    for (int f = 0; f < 3; f++)
    {
        if (!InPolygon(m_arrFaces[f], x, y))
            continue;
        const COLORREF clrPixel = m_bmpFaces.GetPixel(x, y);
        if (clrPixel == RGB(255, 255, 255))
            return;
        COLORREF clrAxis = AxisColor(clrPixel);
        if ((nFlags & MK_CONTROL) != 0)
        {
            const int nMissing = g_arrFaceMissing[f];
            clrAxis = WithChannel(clrAxis, nMissing, Channel(AxisColor(m_clr), nMissing));
        }
        SetColor(AxisColor(clrAxis));
        return;
    }
}

void CExtColorCtrl::rgb_cube_data_t::OnButtonUp(UINT nFlags, int x, int y)
{
    (void)nFlags;
    (void)x;
    (void)y;
    m_nTrackingState = 0;
}

void CExtColorCtrl::rgb_cube_data_t::OnMouseMove(UINT nFlags, int x, int y)
{
    (void)nFlags;
    if (m_nTrackingState < kStateRed || m_nTrackingState > kStateBlue || !IsUsable())
        return;
    const int cx = m_ptCenter.x, cy = m_ptCenter.y;
    int nValue = 0;
    switch (m_nTrackingState)
    {
    case kStateRed:
        y = std::clamp(y, (int)m_ptTop.y, cy);
        nValue = (y - cy) * 255 / (m_nTop - cy);
        break;
    case kStateGreen:
        x = std::clamp(x, m_nLeft, cx);
        nValue = (x - cx) * 255 / (m_nLeft - cx);
        break;
    default:
        x = std::clamp(x, cx, m_nRight);
        nValue = (cx - x) * 255 / (cx - m_nRight);
        break;
    }
    SetColor(AxisColor(WithChannel(AxisColor(m_clr), m_nTrackingState - kStateRed, nValue)));
}
