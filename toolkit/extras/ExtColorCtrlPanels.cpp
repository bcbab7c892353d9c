// CExtColorCtrl panel-and-bar models: the HSL mixer, the basic-hue panel, the colour wheel and the six channel axes.
#include "platform/Dc.h"
#include "toolkit/extras/ExtColorCtrl.h"
#include "toolkit/extras/ExtColorCtrlChannels.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include <cmath>

namespace
{
const double g_fTwoPi = 6.283185307179586;

using extcolor::Channel;
using extcolor::WithChannel;

// A w x h rectangle centred on the point, outlined white and one pixel further out black.
void PaintMarker(CDC& dc, int x, int y, int w, int h)
{
    RECT rc = {x - w / 2, y - h / 2, x - w / 2 + w, y - h / 2 + h};
    ::FrameRect(dc.GetSafeHdc(), &rc, (HBRUSH)::GetStockObject(WHITE_BRUSH));
    ::InflateRect(&rc, 1, 1);
    ::FrameRect(dc.GetSafeHdc(), &rc, (HBRUSH)::GetStockObject(BLACK_BRUSH));
}

double Ratio(int v, int n) { return n > 0 ? std::clamp((double)v / n, 0.0, 1.0) : 0.0; }

int ToByte(int v, int n) { return n > 0 ? std::clamp(v * 255 / n, 0, 255) : 0; }
} // namespace

// ---- the HSL mixer and the shared panel-and-bar logic --------------------------------------------------

bool CExtColorCtrl::hsl_panel_data_t::IsUsable() const
{
    return m_nPanelWidth >= 1 && m_nPanelHeight >= 1 && m_nBarWidth >= 1;
}

void CExtColorCtrl::hsl_panel_data_t::Layout(CDC& dc, CPalette* pPalette, int cx, int cy, bool bKeepColors)
{
    (void)bKeepColors;
    if (cx != m_nLayoutCx || cy != m_nLayoutCy)
    {
        m_bmpPanel.Drop();
        m_bmpBar.Drop();
    }
    m_nLayoutCx = cx;
    m_nLayoutCy = cy;
    m_nPanelWidth = m_nBarWidth = cx - 2 * kMargin;
    m_nPanelHeight = cy - 3 * kMargin - kBarHeight;
    m_nWidth = std::max(1, m_nPanelWidth);
    m_nHeight = std::max(1, cy - 3 * kMargin);
    if (!IsUsable())
        return;
    if (m_bmpBar.IsEmpty())
        RenderBar(dc, pPalette);
    if (m_bmpPanel.IsEmpty())
        RenderPanel(dc, pPalette);
}

void CExtColorCtrl::hsl_panel_data_t::Reset()
{
    m_nTrackingState = 0;
    m_bmpPanel.Drop();
    m_bmpBar.Drop();
    m_nLayoutCx = m_nLayoutCy = -1;
}

void CExtColorCtrl::hsl_panel_data_t::RenderBitmap(bitmap_cache_t& bmp, int cx, int cy, int nLowOffset,
                                                   CPalette* pPalette,
                                                   COLORREF (*fn)(const hsl_panel_data_t&, int, int))
{
    if (!bmp.Create(cx, cy, RGB(255, 255, 255)))
        return;
    if (IsLowColor())
    {
        for (int y = 0; y < cy + 4; y += 4)
            for (int x = 0; x < cx + 4; x += 4)
                bmp.FillRect(x + nLowOffset, y + nLowOffset, 4, 4, fn(*this, std::min(x, cx - 1), std::min(y, cy - 1)),
                             pPalette);
        return;
    }
    for (int y = 0; y < cy; y++)
        for (int x = 0; x < cx; x++)
            bmp.SetPixel(x, y, fn(*this, x, y));
}

void CExtColorCtrl::hsl_panel_data_t::RenderBar(CDC& dc, CPalette* pPalette)
{
    (void)dc;
    RenderBitmap(m_bmpBar, m_nBarWidth, kBarHeight, 0, pPalette, [](const hsl_panel_data_t& m, int x, int) {
        return CExtPaintManager::HlsToRgb(m.m_fHue, Ratio(x, m.m_nBarWidth), m.m_fSaturation);
    });
}

void CExtColorCtrl::hsl_panel_data_t::RenderPanel(CDC& dc, CPalette* pPalette)
{
    (void)dc;
    RenderBitmap(m_bmpPanel, m_nPanelWidth, m_nPanelHeight, -2, pPalette, [](const hsl_panel_data_t& m, int x, int y) {
        return CExtPaintManager::HlsToRgb(Ratio(x, m.m_nPanelWidth), 0.5, 1.0 - Ratio(y, m.m_nPanelHeight));
    });
}

POINT CExtColorCtrl::hsl_panel_data_t::PanelMarker() const
{
    return {(int)(m_nPanelWidth * m_fHue), (int)(m_nPanelHeight - m_nPanelHeight * m_fSaturation - 1)};
}

int CExtColorCtrl::hsl_panel_data_t::BarMarker() const { return (int)(m_fLuminance * m_nBarWidth); }

void CExtColorCtrl::hsl_panel_data_t::Paint(CDC& dc, CPalette* pPalette)
{
    if (!IsUsable())
        return;
    CPalette* pOld = SelectPalette(dc, pPalette);
    if (m_bmpBar.IsEmpty())
        RenderBar(dc, pPalette);
    if (m_bmpPanel.IsEmpty())
        RenderPanel(dc, pPalette);
    m_bmpPanel.Draw(dc, kMargin, kMargin);
    const int yBar = m_nPanelHeight + 2 * kMargin;
    m_bmpBar.Draw(dc, kMargin, yBar);
    const POINT pt = PanelMarker();
    PaintMarker(dc, kMargin + pt.x, kMargin + pt.y, 6, 6);
    PaintMarker(dc, kMargin + BarMarker(), yBar + kBarHeight / 2, 6, kBarHeight);
    if (pOld != nullptr)
        dc.SelectPalette(pOld, FALSE);
}

void CExtColorCtrl::hsl_panel_data_t::OnButtonDown(UINT nFlags, int x, int y)
{
    if (!IsUsable() || m_nLayoutCx < 0)
        return;
    m_nTrackingState = y - 2 * kMargin >= m_nPanelHeight ? kStateBar : kStatePanel;
    m_ptPanel = PanelMarker();
    OnMouseMove(nFlags | MK_LBUTTON, x, y);
}

void CExtColorCtrl::hsl_panel_data_t::OnButtonUp(UINT nFlags, int x, int y)
{
    (void)nFlags;
    (void)x;
    (void)y;
    m_nTrackingState = 0;
}

void CExtColorCtrl::hsl_panel_data_t::OnMouseMove(UINT nFlags, int x, int y)
{
    if ((nFlags & MK_LBUTTON) == 0 || !IsUsable())
        return;
    if (m_nTrackingState == kStateBar)
    {
        DragBar(std::clamp(x - kMargin, 0, m_nBarWidth));
        return;
    }
    if (m_nTrackingState != kStatePanel)
        return;
    POINT pt = {std::clamp(x - kMargin, 0, m_nPanelWidth), std::clamp(y - kMargin, 0, m_nPanelHeight)};
    if ((nFlags & MK_CONTROL) != 0)
        pt.x = m_ptPanel.x;
    if ((nFlags & MK_SHIFT) != 0)
        pt.y = m_ptPanel.y;
    m_ptPanel = pt;
    DragPanel(pt.x, pt.y);
}

void CExtColorCtrl::hsl_panel_data_t::DragPanel(int x, int y)
{
    SetHls(Ratio(x, m_nPanelWidth), m_fLuminance, 1.0 - Ratio(y, m_nPanelHeight));
}

void CExtColorCtrl::hsl_panel_data_t::DragBar(int x) { SetHls(m_fHue, Ratio(x, m_nBarWidth), m_fSaturation); }

void CExtColorCtrl::hsl_panel_data_t::OnColorSet() { m_bmpBar.Drop(); }

void CExtColorCtrl::hsl_panel_data_t::SetColor(COLORREF clr)
{
    any_picker_data_t::SetColor(clr);
    OnColorSet();
}

void CExtColorCtrl::hsl_panel_data_t::SetHls(double fHue, double fLuminance, double fSaturation)
{
    any_picker_data_t::SetHls(fHue, fLuminance, fSaturation);
    OnColorSet();
}

// ---- basic hue -----------------------------------------------------------------------------------------

void CExtColorCtrl::hsl_basic_hue_data_t::RenderBar(CDC& dc, CPalette* pPalette)
{
    (void)dc;
    RenderBitmap(m_bmpBar, m_nBarWidth, kBarHeight, 0, pPalette, [](const hsl_panel_data_t& m, int x, int) {
        return CExtPaintManager::HlsToRgb(Ratio(x, m.m_nBarWidth), 0.5, 1.0);
    });
}

void CExtColorCtrl::hsl_basic_hue_data_t::RenderPanel(CDC& dc, CPalette* pPalette)
{
    (void)dc;
    RenderBitmap(m_bmpPanel, m_nPanelWidth, m_nPanelHeight, -2, pPalette, [](const hsl_panel_data_t& m, int x, int y) {
        return CExtPaintManager::HlsToRgb(m.m_fHue, 1.0 - Ratio(y, m.m_nPanelHeight), Ratio(x, m.m_nPanelWidth));
    });
}

POINT CExtColorCtrl::hsl_basic_hue_data_t::PanelMarker() const
{
    return {(int)(m_nPanelWidth * m_fSaturation), (int)(m_nPanelHeight - m_nPanelHeight * m_fLuminance - 1)};
}

int CExtColorCtrl::hsl_basic_hue_data_t::BarMarker() const { return (int)(m_fHue * m_nBarWidth); }

void CExtColorCtrl::hsl_basic_hue_data_t::DragPanel(int x, int y)
{
    SetHls(m_fHue, 1.0 - Ratio(y, m_nPanelHeight), Ratio(x, m_nPanelWidth));
}

void CExtColorCtrl::hsl_basic_hue_data_t::DragBar(int x) { SetHls(Ratio(x, m_nBarWidth), m_fLuminance, m_fSaturation); }

void CExtColorCtrl::hsl_basic_hue_data_t::OnColorSet()
{
    // The panel shows the current hue; the bar does not depend on the colour.
    m_bmpPanel.Drop();
}

// ---- the wheel -----------------------------------------------------------------------------------------

bool CExtColorCtrl::hsl_roller_data_t::IsUsable() const { return hsl_panel_data_t::IsUsable() && Radius() >= 1; }

void CExtColorCtrl::hsl_roller_data_t::RenderPanel(CDC& dc, CPalette* pPalette)
{
    (void)dc;
    if (!m_bmpPanel.Create(m_nPanelWidth, m_nPanelHeight, RGB(255, 255, 255)))
        return;
    const int r = Radius();
    if (r < 1)
        return;
    const int cx = m_nPanelWidth / 2, cy = m_nPanelHeight / 2;
    const bool bLow = IsLowColor();
    const double r2 = (double)r * r;
    for (int y = 0; y < m_nPanelHeight; y++)
    {
        for (int x = 0; x < m_nPanelWidth; x++)
        {
            if (bLow && (x % 4 != 0 || y % 4 != 0))
                continue;
            const double d2 = (double)(x - cx) * (x - cx) + (double)(y - cy) * (y - cy);
            if (d2 > r2)
                continue;
            const COLORREF clr =
                CExtPaintManager::HlsToRgb(std::atan2((double)(cy - y), (double)(cx - x)) / g_fTwoPi, 0.5, d2 / r2);
            if (bLow)
                m_bmpPanel.FillRect(x - 2, y - 2, 5, 5, clr, pPalette);
            else
                m_bmpPanel.SetPixel(x, y, clr);
        }
    }
}

POINT CExtColorCtrl::hsl_roller_data_t::PanelMarker() const
{
    const double r = Radius(), a = g_fTwoPi * m_fHue, d = std::sqrt(std::max(0.0, m_fSaturation)) * r;
    return {m_nPanelWidth / 2 - (int)(std::cos(a) * d), m_nPanelHeight / 2 - (int)(std::sin(a) * d)};
}

void CExtColorCtrl::hsl_roller_data_t::Paint(CDC& dc, CPalette* pPalette)
{
    if (!IsUsable())
        return;
    CPalette* pOld = SelectPalette(dc, pPalette);
    if (m_bmpBar.IsEmpty())
        RenderBar(dc, pPalette);
    if (m_bmpPanel.IsEmpty())
        RenderPanel(dc, pPalette);
    m_bmpPanel.DrawTransparent(dc, kMargin, kMargin, RGB(255, 255, 255));
    const int yBar = m_nPanelHeight + 2 * kMargin;
    m_bmpBar.Draw(dc, kMargin, yBar);
    const POINT pt = PanelMarker();
    PaintMarker(dc, kMargin + pt.x, kMargin + pt.y, 6, 6);
    PaintMarker(dc, kMargin + BarMarker(), yBar + kBarHeight / 2, 6, kBarHeight);
    if (pOld != nullptr)
        dc.SelectPalette(pOld, FALSE);
}

void CExtColorCtrl::hsl_roller_data_t::OnButtonDown(UINT nFlags, int x, int y)
{
    if (!IsUsable() || m_nLayoutCx < 0)
        return;
    const int dx = x - kMargin - m_nPanelWidth / 2, dy = y - kMargin - m_nPanelHeight / 2, rg = Radius() + kGrip;
    if ((double)dx * dx + (double)dy * dy <= (double)rg * rg)
        m_nTrackingState = kStatePanel;
    else if (y - 2 * kMargin >= m_nPanelHeight)
        m_nTrackingState = kStateBar;
    else
        return;
    m_ptPanel = {x - kMargin, y - kMargin};
    OnMouseMove(nFlags | MK_LBUTTON, x, y);
}

void CExtColorCtrl::hsl_roller_data_t::OnMouseMove(UINT nFlags, int x, int y)
{
    if ((nFlags & MK_LBUTTON) == 0 || !IsUsable())
        return;
    if (m_nTrackingState == kStateBar)
    {
        DragBar(std::clamp(x - kMargin, 0, m_nBarWidth));
        return;
    }
    if (m_nTrackingState != kStatePanel)
        return;
    POINT pt = {x - kMargin, y - kMargin};
    if ((nFlags & MK_CONTROL) != 0)
        pt.x = m_ptPanel.x;
    if ((nFlags & MK_SHIFT) != 0)
        pt.y = m_ptPanel.y;
    const int r = Radius(), rg = r + kGrip;
    const double dx = m_nPanelWidth / 2 - pt.x, dy = m_nPanelHeight / 2 - pt.y, d2 = dx * dx + dy * dy;
    if (d2 > (double)rg * rg)
        return;
    m_ptPanel = pt;
    double fHue = std::atan2(dy, dx) / g_fTwoPi;
    if (fHue < 0.0)
        fHue += 1.0;
    const double fSat = std::min(1.0, d2 / ((double)r * r));
    SetHls(fHue, m_fLuminance, fSat);
}

// ---- the six axes --------------------------------------------------------------------------------------

void CExtColorCtrl::xyz_plain_data_t::Channels(int& nBar, int& nX, int& nY) const
{
    static const int arr[3][3] = {{0, 1, 2}, {1, 0, 2}, {2, 0, 1}};
    const int k = m_nAxis % 3;
    nBar = arr[k][0];
    nX = arr[k][1];
    nY = arr[k][2];
}

COLORREF CExtColorCtrl::xyz_plain_data_t::AxisColor(COLORREF clr) const
{
    return m_nAxis >= 3 ? CExtPaintManager::InvertColor(clr) : clr;
}

void CExtColorCtrl::xyz_plain_data_t::RenderBar(CDC& dc, CPalette* pPalette)
{
    (void)dc;
    RenderBitmap(m_bmpBar, m_nBarWidth, kBarHeight, 0, pPalette, [](const hsl_panel_data_t& m, int x, int) {
        const xyz_plain_data_t& self = static_cast<const xyz_plain_data_t&>(m);
        int nBar, nX, nY;
        self.Channels(nBar, nX, nY);
        return self.AxisColor(WithChannel(RGB(0, 0, 0), nBar, ToByte(x, m.m_nBarWidth)));
    });
}

void CExtColorCtrl::xyz_plain_data_t::RenderPanel(CDC& dc, CPalette* pPalette)
{
    (void)dc;
    m_nRenderedAxisValue = -1;
    RenderBitmap(m_bmpPanel, m_nPanelWidth, m_nPanelHeight, -2, pPalette, [](const hsl_panel_data_t& m, int x, int y) {
        const xyz_plain_data_t& self = static_cast<const xyz_plain_data_t&>(m);
        int nBar, nX, nY;
        self.Channels(nBar, nX, nY);
        COLORREF clr = WithChannel(RGB(0, 0, 0), nBar, Channel(self.AxisColor(m.m_clr), nBar));
        clr = WithChannel(clr, nX, ToByte(x, m.m_nPanelWidth));
        clr = WithChannel(clr, nY, ToByte(m.m_nPanelHeight - y, m.m_nPanelHeight));
        return self.AxisColor(clr);
    });
    int nBar, nX, nY;
    Channels(nBar, nX, nY);
    m_nRenderedAxisValue = Channel(AxisColor(m_clr), nBar);
}

POINT CExtColorCtrl::xyz_plain_data_t::PanelMarker() const
{
    int nBar, nX, nY;
    Channels(nBar, nX, nY);
    const COLORREF clr = AxisColor(m_clr);
    return {Channel(clr, nX) * m_nPanelWidth / 255, m_nPanelHeight - Channel(clr, nY) * m_nPanelHeight / 255 - 1};
}

int CExtColorCtrl::xyz_plain_data_t::BarMarker() const
{
    int nBar, nX, nY;
    Channels(nBar, nX, nY);
    return Channel(AxisColor(m_clr), nBar) * m_nBarWidth / 255;
}

void CExtColorCtrl::xyz_plain_data_t::DragPanel(int x, int y)
{
    int nBar, nX, nY;
    Channels(nBar, nX, nY);
    COLORREF clr = WithChannel(AxisColor(m_clr), nX, ToByte(x, m_nPanelWidth));
    clr = WithChannel(clr, nY, ToByte(m_nPanelHeight - y, m_nPanelHeight));
    SetColor(AxisColor(clr));
}

void CExtColorCtrl::xyz_plain_data_t::DragBar(int x)
{
    int nBar, nX, nY;
    Channels(nBar, nX, nY);
    SetColor(AxisColor(WithChannel(AxisColor(m_clr), nBar, ToByte(x, m_nBarWidth))));
}

void CExtColorCtrl::xyz_plain_data_t::OnColorSet()
{
    // The panel shows the current axis value; the bar does not depend on the colour.
    int nBar, nX, nY;
    Channels(nBar, nX, nY);
    if (Channel(AxisColor(m_clr), nBar) != m_nRenderedAxisValue)
        m_bmpPanel.Drop();
}
