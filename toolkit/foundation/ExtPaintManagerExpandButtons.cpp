// CExtPaintManager expand buttons: the popup menu's expand item and the tool bar's content-expand
// (chevron) button, in the base, XP and Office 2003 forms.
#include "toolkit/foundation/ExtKindOf.h"
#include "platform/ControlBar.h"
#include "toolkit/foundation/ExtPaintManagerDraw.h"
#include "toolkit/foundation/ExtPaintManagerGlyph.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"

namespace
{

// Intensities of the Office 2003 expand disc, 16 x 16, one column after another (x = i / 16,
// y = i % 16); 255 leaves the pixel alone.
const BYTE kExpandDisc[256] = {
    255, 255, 255, 255, 255, 234, 198, 180, 180, 180, 198, 255, 255, 255, 255, 255, //
    255, 255, 255, 234, 234, 234, 234, 198, 180, 144, 126, 126, 198, 255, 255, 255, //
    255, 255, 234, 252, 252, 234, 234, 198, 180, 144, 126, 108, 90,  144, 255, 255, //
    255, 234, 252, 252, 252, 234, 234, 198, 180, 144, 126, 108, 90,  54,  126, 255, //
    255, 252, 252, 252, 252, 234, 234, 198, 180, 144, 126, 108, 90,  54,  36,  255, //
    234, 252, 252, 252, 252, 234, 234, 198, 180, 144, 126, 108, 72,  54,  36,  90,  //
    234, 234, 234, 234, 234, 234, 198, 180, 144, 144, 126, 108, 72,  36,  18,  36,  //
    198, 234, 234, 234, 198, 198, 198, 180, 144, 126, 126, 72,  54,  36,  18,  18,  //
    198, 198, 198, 198, 198, 180, 180, 144, 126, 126, 108, 72,  54,  18,  18,  0,   //
    198, 180, 180, 180, 180, 180, 144, 126, 126, 108, 90,  54,  36,  18,  0,   0,   //
    198, 144, 144, 144, 144, 144, 126, 126, 108, 108, 72,  54,  36,  18,  0,   54,  //
    255, 144, 126, 126, 126, 126, 108, 108, 90,  90,  54,  36,  18,  0,   0,   255, //
    255, 198, 108, 108, 108, 108, 90,  90,  90,  72,  54,  36,  18,  0,   72,  255, //
    255, 255, 180, 108, 90,  90,  90,  72,  72,  54,  36,  18,  0,   54,  255, 255, //
    255, 255, 255, 198, 90,  72,  72,  72,  54,  36,  36,  18,  108, 255, 255, 255, //
    255, 255, 255, 255, 255, 180, 108, 72,  54,  90,  126, 255, 255, 255, 255, 255, //
};

// The icon-box width of a popup menu's last item, 0 when it has none or pHelperSrc is no menu.
int LastMenuItemIconAreaWidth(CObject* pHelperSrc) { return CExtKindOf::LastMenuItemIconAreaWidth(pHelperSrc); }

// One channel of the disc: b - (b - a) * intensity / 255, kept to 8 bits.
int DiscChannel(int a, int b, int nIntensity) { return (b - (b - a) * nIntensity / 255) & 0xFF; }

} // namespace

COLORREF CExtPaintManagerOffice2003::ExpandDiscColor(COLORREF clrA, COLORREF clrB, int nIntensity)
{
    return RGB(DiscChannel(GetRValue(clrA), GetRValue(clrB), nIntensity),
               DiscChannel(GetGValue(clrA), GetGValue(clrB), nIntensity),
               DiscChannel(GetBValue(clrA), GetBValue(clrB), nIntensity));
}

int CExtPaintManagerOffice2003::ExpandDiscIntensity(int x, int y)
{
    if (x < 0 || x >= 16 || y < 0 || y >= 16)
        return 255;
    return kExpandDisc[x * 16 + y];
}

// ---- menu expand item ---------------------------------------------------------------------------

void CExtPaintManager::PaintMenuExpandButton(CDC& dc, const RECT& rc, bool bSelected, bool bUnused, CObject* pHelperSrc,
                                             LPARAM lParam)
{
    (void)bUnused;
    CRect rcWork(rc);
    rcWork.DeflateRect(1, 0);
    if (bSelected)
    {
        extpaint::FillBrush(dc.GetSafeHdc(), rcWork, (HBRUSH)m_brushLight50.GetSafeHandle());
        dc.Draw3dRect(&rcWork, GetTranslatedColor(XCLR_HILIGHT_NORMAL, pHelperSrc, lParam),
                      GetTranslatedColor(XCLR_SHADOW_NORMAL, pHelperSrc, lParam));
    }
    else
    {
        MenuItemPaintData mi(this, rcWork, rc, 0, L"", L"", nullptr, false, false, false, false, false, true, false,
                             false, false, 0);
        PaintMenuItem(dc, mi);
    }
    const COLORREF clrs[2] = {0, GetTranslatedColor(XCLR_TEXT_NORMAL, pHelperSrc, lParam)};
    PaintGlyphCentered(dc, rcWork, g_glyphExpandChevronV, clrs);
}

void CExtPaintManagerXP::PaintMenuExpandButton(CDC& dc, const RECT& rc, bool bSelected, bool bUnused,
                                               CObject* pHelperSrc, LPARAM lParam)
{
    (void)bUnused;
    const int nIconAreaWidth = LastMenuItemIconAreaWidth(pHelperSrc);
    CRect rcWork(rc);
    rcWork.DeflateRect(1, 0);
    PaintMenuExpandBody(dc, rc, rcWork, bSelected, nIconAreaWidth, pHelperSrc);
    const COLORREF clrs[2] = {0, GetTranslatedColor(XCLR_TEXT_NORMAL, pHelperSrc, lParam)};
    PaintGlyphCentered(dc, rcWork, *m_pGlyphExpandChevronV, clrs);
}

void CExtPaintManagerXP::PaintMenuExpandBody(CDC& dc, const RECT& rcRow, CRect& rcWork, bool bSelected,
                                             int nIconAreaWidth, CObject* pHelperSrc)
{
    if (bSelected)
    {
        PushButtonPaintData pb(pHelperSrc, true, rcWork, L"", nullptr, true, false, true, false, false, true, false,
                               false, 5, nullptr, false);
        PaintPushButton(dc, pb);
        CSize sizePushed;
        GetPushedOffset(sizePushed);
        rcWork.OffsetRect(sizePushed);
    }
    else
    {
        MenuItemPaintData mi(this, rcWork, rcRow, nIconAreaWidth, L"", L"", nullptr, false, false, false, false, false,
                             true, false, false, false, 0);
        PaintMenuItem(dc, mi);
    }
}

void CExtPaintManagerOffice2003::PaintMenuExpandButton(CDC& dc, const RECT& rc, bool bSelected, bool bUnused,
                                                       CObject* pHelperSrc, LPARAM lParam)
{
    CRect rcWork(rc);
    if ((rcWork.Width() & 1) != 0)
        rcWork.right--;
    (void)LastMenuItemIconAreaWidth(pHelperSrc);
    if (GetDeviceBitsPerPixel(dc.GetSafeHdc()) <= 8)
    {
        CExtPaintManagerXP::PaintMenuExpandButton(dc, rc, bSelected, bUnused, pHelperSrc, lParam);
        return;
    }
    rcWork.DeflateRect(1, 0);
    PaintMenuExpandBody(dc, rc, rcWork, bSelected, 0, pHelperSrc);

    const COLORREF clrA = GetTranslatedColor(XCLR_O2003_34, pHelperSrc, lParam);
    const COLORREF clrB = GetTranslatedColor(XCLR_O2003_35, pHelperSrc, lParam);
    const int x0 = rcWork.left + (rcWork.Width() - 16) / 2;
    const int y0 = rcWork.top + (rcWork.Height() - 16) / 2;
    const HDC hDC = dc.GetSafeHdc();
    for (int i = 0; i < 256; i++)
    {
        const int a = kExpandDisc[i];
        if (a != 255)
            ::SetPixelV(hDC, x0 + i / 16, y0 + i % 16, ExpandDiscColor(clrA, clrB, a));
    }
    const COLORREF clrs[2] = {0, GetTranslatedColor(XCLR_TEXT_NORMAL, pHelperSrc, lParam)};
    PaintGlyphCentered(dc, rcWork, g_glyphExpandChevronV, clrs);
}

// ---- content-expand (chevron) button -----------------------------------------------------------

namespace
{

// Places the arrow and chevron rectangles (both of the arrow's size, from rc's top-left corner)
// by the gap rule; nChevronShift moves the chevron further along the bar (XP).
void PlaceExpandGlyphs(const CRect& rc, bool bHorizontal, const CSize& sizeArrow, const CSize& sizePushed, bool bPushed,
                       int nChevronShift, CRect& rcArrow, CRect& rcChevron)
{
    rcArrow = CRect(rc.TopLeft(), sizeArrow);
    if (bPushed)
        rcArrow.OffsetRect(sizePushed);
    rcChevron = rcArrow;
    const int nOffset = bHorizontal ? sizePushed.cy : sizePushed.cx;
    const int d = 3 * (nOffset >= 2 ? nOffset : 1);
    if (bHorizontal)
    {
        const int dx = (rc.Width() - sizeArrow.cx) / 2;
        rcArrow.OffsetRect(dx, rc.Height() - sizeArrow.cy - d);
        rcChevron.OffsetRect(dx + nChevronShift, d);
    }
    else
    {
        const int dy = (rc.Height() - sizeArrow.cy) / 2;
        rcArrow.OffsetRect(d, dy);
        rcChevron.OffsetRect(rc.Width() - sizeArrow.cx - d, dy + nChevronShift);
    }
}

} // namespace

void CExtPaintManager::PaintContentExpandButton(CDC& dc, const RECT& rc, bool bHorizontal, bool bAllVisible,
                                                bool bEnabled, bool bPushed, bool bHover, CObject* pHelperSrc,
                                                LPARAM lParam, bool bTransparentBackground)
{
    CRect rcButton(rc);
    rcButton.NormalizeRect();
    if (!dc.RectVisible(&rcButton))
        return;
    const CExtPaintManagerGlyph& glyphArrow = bHorizontal ? g_glyphExpandArrowH : g_glyphExpandArrowV;
    const CExtPaintManagerGlyph& glyphChevron = bHorizontal ? g_glyphExpandChevronH : g_glyphExpandChevronV;

    PushButtonPaintData pb(pHelperSrc, true, rcButton, L"", nullptr, true, bHover, bPushed, false, bEnabled, true,
                           false, false, 5, nullptr, false, 0, bTransparentBackground);
    PaintPushButton(dc, pb);

    COLORREF clrs[2] = {0, GetTranslatedColor(bEnabled ? XCLR_TEXT_NORMAL : COLOR_3DHILIGHT, pHelperSrc, lParam)};
    CSize sizePushed;
    GetPushedOffset(sizePushed);
    CRect rcArrow, rcChevron;
    PlaceExpandGlyphs(rcButton, bHorizontal, glyphArrow.GetSize(), sizePushed, bPushed, 0, rcArrow, rcChevron);
    if (bEnabled)
    {
        PaintGlyphCentered(dc, rcArrow, glyphArrow, clrs);
        if (!bAllVisible)
            PaintGlyphCentered(dc, rcChevron, glyphChevron, clrs);
        return;
    }
    CRect rcEngraved(rcArrow);
    rcEngraved.OffsetRect(1, 1);
    PaintGlyphCentered(dc, rcEngraved, glyphArrow, clrs);
    clrs[1] = GetTranslatedColor(COLOR_3DSHADOW, pHelperSrc, lParam);
    PaintGlyphCentered(dc, rcArrow, glyphArrow, clrs);
}

void CExtPaintManagerXP::PaintContentExpandButton(CDC& dc, const RECT& rc, bool bHorizontal, bool bAllVisible,
                                                  bool bEnabled, bool bPushed, bool bHover, CObject* pHelperSrc,
                                                  LPARAM lParam, bool bTransparentBackground)
{
    CRect rcButton(rc);
    rcButton.NormalizeRect();
    if (!dc.RectVisible(&rcButton))
        return;
    const CExtPaintManagerGlyph& glyphArrow = bHorizontal ? *m_pGlyphExpandArrowH : *m_pGlyphExpandArrowV;
    const CExtPaintManagerGlyph& glyphChevron = bHorizontal ? *m_pGlyphExpandChevronH : *m_pGlyphExpandChevronV;

    PushButtonPaintData pb(pHelperSrc, true, rcButton, L"", nullptr, true, bHover, bPushed, false, bEnabled, true,
                           false, false, 5, nullptr, false, 0, bTransparentBackground);
    PaintPushButton(dc, pb);

    CSize sizePushed;
    GetPushedOffset(sizePushed);
    CRect rcArrow, rcChevron;
    PlaceExpandGlyphs(rcButton, bHorizontal, glyphArrow.GetSize(), sizePushed, bPushed, 1, rcArrow, rcChevron);
    if (!bHorizontal && (m_nStyleBits & kStyleOffice2003) != 0)
        std::swap(rcArrow, rcChevron);
    if (!bEnabled)
    {
        const COLORREF clrs[2] = {0, GetTranslatedColor(COLOR_3DSHADOW, pHelperSrc, lParam)};
        PaintGlyphCentered(dc, rcArrow, glyphArrow, clrs);
        return;
    }
    const COLORREF clrs[2] = {0, GetTranslatedColor(XCLR_TEXT_NORMAL, pHelperSrc, lParam)};
    PaintGlyphCentered(dc, rcArrow, glyphArrow, clrs);
    if (!bAllVisible)
        PaintGlyphCentered(dc, rcChevron, glyphChevron, clrs);
}

void CExtPaintManagerOffice2003::PaintContentExpandButton(CDC& dc, const RECT& rc, bool bHorizontal, bool bAllVisible,
                                                          bool bEnabled, bool bPushed, bool bHover, CObject* pHelperSrc,
                                                          LPARAM lParam, bool bTransparentBackground)
{
    // The gradient look needs the chevron's own tool bar; a detached chevron keeps the XP look.
    CControlBar* pBar = CExtKindOf::IsContentExpandButton(pHelperSrc) ? CExtKindOf::BarOfButton(pHelperSrc) : nullptr;
    CRect rcButton(rc);
    rcButton.NormalizeRect();
    if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr || !IsDockerGradientAvailable(pBar, lParam) ||
        GetDeviceBitsPerPixel(dc.GetSafeHdc()) <= 8 || !IsToolBarGradientArea(pBar))
    {
        CExtPaintManagerXP::PaintContentExpandButton(dc, rc, bHorizontal, bAllVisible, bEnabled, bPushed, bHover,
                                                     pHelperSrc, lParam, bTransparentBackground);
        return;
    }
    if (!dc.RectVisible(&rcButton))
        return;

    const HDC hDC = dc.GetSafeHdc();
    extpaint::ScopedDCState state(hDC);
    const bool bBarHorizontal = !CExtKindOf::IsDockedVertically(pBar);
    CRect rcBar;
    pBar->GetWindowRect(&rcBar);
    HRGN hRgn = CreateToolBarBandRegion(rcBar.Size(), bBarHorizontal);
    if (hRgn != nullptr)
    {
        HRGN hRgnButton = ::CreateRectRgnIndirect(&rcButton);
        if (hRgnButton != nullptr)
        {
            ::CombineRgn(hRgn, hRgn, hRgnButton, RGN_AND);
            ::DeleteObject(hRgnButton);
        }
        extpaint::IntersectClipLogical(hDC, hRgn);
        ::DeleteObject(hRgn);
    }
    if (bHover || bPushed)
    {
        CRect rcFace(rcButton);
        rcFace.DeflateRect(1, 1);
        // Horizontal bars: 3006 at the top, 3007 at the bottom; vertical bars: 3008 left, 3009 right.
        COLORREF clr1 = GetTranslatedColor(bBarHorizontal ? XCLR_O2003_06 : XCLR_O2003_08, pHelperSrc, lParam);
        COLORREF clr2 = GetTranslatedColor(bBarHorizontal ? XCLR_O2003_07 : XCLR_O2003_09, pHelperSrc, lParam);
        if (bPushed)
            std::swap(clr1, clr2);
        if (bBarHorizontal)
            PaintGradientRect(dc, rcFace, clr2, clr1, true, 256);
        else
            PaintGradientRect(dc, rcFace, clr1, clr2, false, 256);
    }
    else
    {
        // The bar's own band colours: 3004 at the top (left) and 3005 at the bottom (right).
        const COLORREF clr1 = GetTranslatedColor(XCLR_O2003_04, pHelperSrc, lParam);
        const COLORREF clr2 = GetTranslatedColor(XCLR_O2003_05, pHelperSrc, lParam);
        if (bBarHorizontal)
            PaintGradientRect(dc, rcButton, clr2, clr1, true, 256);
        else
            PaintGradientRect(dc, rcButton, clr1, clr2, false, 256);
    }

    const CExtPaintManagerGlyph& glyphArrow = bHorizontal ? *m_pGlyphExpandArrowH : *m_pGlyphExpandArrowV;
    const CExtPaintManagerGlyph& glyphChevron = bHorizontal ? *m_pGlyphExpandChevronH : *m_pGlyphExpandChevronV;
    CSize sizePushed;
    GetPushedOffset(sizePushed);
    CRect rcArrow, rcChevron;
    PlaceExpandGlyphs(rcButton, bHorizontal, glyphArrow.GetSize(), sizePushed, bPushed, 0, rcArrow, rcChevron);
    const COLORREF clrShadow[2] = {0, GetTranslatedColor(XCLR_O2003_13, pHelperSrc, lParam)};
    const COLORREF clrGlyph[2] = {0, GetTranslatedColor(XCLR_O2003_12, pHelperSrc, lParam)};
    for (int nPass = 0; nPass < 2; nPass++)
    {
        const int nShift = nPass == 0 ? 1 : 0;
        const COLORREF* pClrs = nPass == 0 ? clrShadow : clrGlyph;
        CRect r(rcArrow);
        r.OffsetRect(nShift, nShift);
        PaintGlyphCentered(dc, r, glyphArrow, pClrs);
        if (!bAllVisible)
        {
            r = rcChevron;
            r.OffsetRect(nShift, nShift);
            PaintGlyphCentered(dc, r, glyphChevron, pClrs);
        }
    }
}
