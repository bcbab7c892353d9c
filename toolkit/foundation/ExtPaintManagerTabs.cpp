// Tab windows in the base, XP and Office 2003 styles: tab items (the 3-D tab shape), the strip's
// client area, its scroll and command buttons, the frame of tab areas, the strip metrics and the
// auto-hide area's answer.
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
#include "toolkit/foundation/ExtPaintManagerDraw.h"
#include "toolkit/foundation/ExtPaintManagerGlyph.h"
#include "toolkit/foundation/ExtKindOf.h"
#include "platform/FrameWnd.h"
#include <algorithm>

namespace
{

const DWORD kTabStyleNoStripOffset = 0x00000080; // style byte bit 7: the third metric is left alone
const DWORD kTabStyleNoIcons = 0x00800000;       // style bit 23: items show no icon
const int kTabIconGap = 3;
const int kTabMinTextRoom = 16;

// The icon's room in an item: its own size; none for a missing or empty icon.
CSize TabIconSize(CExtCmdIcon* pIcon) { return CExtPaintManager::GetCmdIconSize(pIcon); }

bool TabIconFlag(CExtCmdIcon* pIcon, CObject* pHelperSrc)
{
    if (!CExtPaintManager::IsCmdIconPaintable(pIcon))
        return false;
    return (CExtKindOf::TabWndStyle(pHelperSrc) & kTabStyleNoIcons) == 0;
}

// Maps the canonical tab (items above the client area: u along the item, v from its far edge
// towards the client area) onto the item rectangle of each orientation.
struct TabFrame
{
    CRect rc;
    bool bTopLeft, bHorz;
    int W() const { return bHorz ? rc.Width() : rc.Height(); }
    int H() const { return bHorz ? rc.Height() : rc.Width(); }
    CRect Map(int u0, int v0, int u1, int v1) const // [u0, u1) x [v0, v1)
    {
        if (bHorz)
            return bTopLeft ? CRect(rc.left + u0, rc.top + v0, rc.left + u1, rc.top + v1)
                            : CRect(rc.left + u0, rc.bottom - v1, rc.left + u1, rc.bottom - v0);
        return bTopLeft ? CRect(rc.left + v0, rc.top + u0, rc.left + v1, rc.top + u1)
                        : CRect(rc.right - v1, rc.top + u0, rc.right - v0, rc.top + u1);
    }
};

} // namespace

void CExtPaintManager::PaintTabItemShape(CExtPaintManager* pPM, CDC& dc, const RECT& rcItem, bool bTopLeft, bool bHorz,
                                         bool bSelected, bool bDrawIcon, CSize sizeTextMeasured, CFont* pFont,
                                         LPCTSTR pszText, CExtCmdIcon* pIcon, COLORREF clrText, COLORREF clrBackground,
                                         COLORREF clrLight, COLORREF clrDark, COLORREF clrFifth)
{
    const TabFrame f{CRect(rcItem), bTopLeft, bHorz};
    const int W = f.W(), H = f.H();
    if (W < 3 || H < 2)
        return;
    // Background without the two cut corners of the far edge.
    dc.FillSolidRect(f.Map(1, 0, W - 1, 1), clrBackground);
    dc.FillSolidRect(f.Map(0, 1, W, H), clrBackground);
    // Outline: the far edge in the light colour above or left of the client area, dark otherwise.
    dc.FillSolidRect(f.Map(1, 0, W - 1, 1), bTopLeft ? clrLight : clrDark);
    dc.FillSolidRect(f.Map(0, 1, 1, H), clrLight);
    dc.FillSolidRect(f.Map(W - 1, 1, W, H), clrDark);
    if (W > 3)
        dc.FillSolidRect(f.Map(W - 2, 1, W - 1, H), clrFifth);
    if (!bSelected)
        dc.FillSolidRect(f.Map(0, H - 1, W, H), bTopLeft ? clrLight : clrDark);

    CRect rcContent(rcItem);
    rcContent.DeflateRect(2, 2);
    const CSize sizeIcon = bDrawIcon ? TabIconSize(pIcon) : CSize(0, 0);
    const int nIconAlong = bHorz ? sizeIcon.cx : sizeIcon.cy;
    const int nRoom = bHorz ? rcContent.Width() : rcContent.Height();
    const int nTextRoom = nRoom - (nIconAlong > 0 ? nIconAlong + kTabIconGap : 0);
    const bool bTextFits = nTextRoom >= std::max(kTabMinTextRoom, (int)sizeTextMeasured.cx); // cx: along the text

    if (nIconAlong > 0 && pPM != nullptr)
    {
        CRect rcIcon(0, 0, sizeIcon.cx, sizeIcon.cy);
        if (bTextFits)
            rcIcon.OffsetRect(bHorz ? rcContent.left : rcContent.CenterPoint().x - sizeIcon.cx / 2,
                              bHorz ? rcContent.CenterPoint().y - sizeIcon.cy / 2 : rcContent.top);
        else
            rcIcon.OffsetRect(rcContent.CenterPoint().x - sizeIcon.cx / 2, rcContent.CenterPoint().y - sizeIcon.cy / 2);
        if (rcIcon.Width() <= rcContent.Width() + 4 && rcIcon.Height() <= rcContent.Height() + 4)
        {
            RECT rcTextOut = rcIcon;
            pPM->PaintTabItemContent(dc, bHorz, CString(), pIcon, rcIcon, rcTextOut, false, true, false, 0);
        }
    }
    if (!bTextFits)
        return;
    CRect rcText = rcContent;
    if (nIconAlong > 0)
    {
        if (bHorz)
            rcText.left += nIconAlong + kTabIconGap;
        else
            rcText.top += nIconAlong + kTabIconGap;
    }
    extpaint::DrawTabLabel(dc, rcText, CString(pszText != nullptr ? pszText : L""), pFont, clrText, bHorz);
}

void CExtPaintManager::PaintTabItem(CDC& dc, const RECT& rcItemArea, bool bTopLeft, bool bHorz, bool bSelected,
                                    bool bFlag6, bool bGroupActive, bool bGroupedMode, bool bFlag9, const RECT& rcItem,
                                    CSize sizeTextMeasured, CFont* pFont, LPCTSTR pszText, int nItemIndex,
                                    CExtCmdIcon* pIcon, CObject* pHelperSrc, LPARAM lParam)
{
    const auto T = ColorsFor(pHelperSrc, lParam);
    // Every tab sits on the face colour: its text is the button text, or it could not be read.
    const COLORREF clrText = T(COLOR_BTNTEXT);
    const COLORREF clrBack = T(COLOR_3DFACE);
    const COLORREF clrLight = T(bGroupActive ? COLOR_3DSHADOW : COLOR_3DHILIGHT);
    const COLORREF clrDark = T(bGroupActive ? COLOR_3DSHADOW : COLOR_3DDKSHADOW);
    const COLORREF clrFifth = T(bGroupActive ? COLOR_3DSHADOW : COLOR_3DLIGHT);
    PaintTabItemShape(this, dc, rcItem, bTopLeft, bHorz, bSelected, TabIconFlag(pIcon, pHelperSrc), sizeTextMeasured,
                      pFont, pszText, pIcon, clrText, clrBack, clrLight, clrDark, clrFifth);
}

void CExtPaintManagerXP::PaintTabItem(CDC& dc, const RECT& rcItemArea, bool bTopLeft, bool bHorz, bool bSelected,
                                      bool bFlag6, bool bGroupActive, bool bGroupedMode, bool bFlag9,
                                      const RECT& rcItem, CSize sizeTextMeasured, CFont* pFont, LPCTSTR pszText,
                                      int nItemIndex, CExtCmdIcon* pIcon, CObject* pHelperSrc, LPARAM lParam)
{
    const auto T = ColorsFor(pHelperSrc, lParam);
    const COLORREF clrText = T((bSelected || bGroupActive) ? COLOR_BTNTEXT : COLOR_3DSHADOW);
    const COLORREF clrBack = T(bGroupActive ? COLOR_3DFACE : XCLR_FACE_DISABLED);
    const COLORREF clrLight = T(bGroupActive ? COLOR_3DSHADOW : COLOR_3DHILIGHT);
    const COLORREF clrDark = T(bGroupActive ? COLOR_3DSHADOW : COLOR_3DDKSHADOW);
    const COLORREF clrFifth = T(COLOR_3DSHADOW);
    PaintTabItemShape(this, dc, rcItem, bTopLeft, bHorz, bSelected, TabIconFlag(pIcon, pHelperSrc), sizeTextMeasured,
                      pFont, pszText, pIcon, clrText, clrBack, clrLight, clrDark, clrFifth);
}

// ---- client area -------------------------------------------------------------------------------

namespace
{

// The line of the near-border band along its side next to the items.
CRect NearBorderLine(const CRect& rc, DWORD dwOrientation)
{
    switch (dwOrientation)
    {
    case 1: return CRect(rc.left, rc.bottom - 1, rc.right, rc.bottom);
    case 2: return CRect(rc.left, rc.top, rc.left + 1, rc.bottom);
    case 3: return CRect(rc.right - 1, rc.top, rc.right, rc.bottom);
    default: return CRect(rc.left, rc.top, rc.right, rc.top + 1);
    }
}

bool IsBottomOrRight(DWORD dwOrientation) { return dwOrientation == 1 || dwOrientation == 3; }

} // namespace

void CExtPaintManager::PaintTabClientArea(CDC& dc, const RECT& rcClient, const RECT& rcTabItemsArea,
                                          const RECT& rcTabNearBorderArea, DWORD dwOrientation, bool bGroupedMode,
                                          CObject* pHelperSrc, LPARAM lParam)
{
    const auto T = ColorsFor(pHelperSrc, lParam);
    dc.FillSolidRect(&rcClient, T(bGroupedMode ? COLOR_3DFACE : COLOR_3DSHADOW));
    if (bGroupedMode)
        return;
    const CRect rcNear(rcTabNearBorderArea);
    dc.FillSolidRect(&rcNear, T(COLOR_3DFACE));
    dc.FillSolidRect(NearBorderLine(rcNear, dwOrientation),
                     T(IsBottomOrRight(dwOrientation) ? COLOR_3DDKSHADOW : COLOR_3DHILIGHT));
}

void CExtPaintManagerXP::PaintTabClientArea(CDC& dc, const RECT& rcClient, const RECT& rcTabItemsArea,
                                            const RECT& rcTabNearBorderArea, DWORD dwOrientation, bool bGroupedMode,
                                            CObject* pHelperSrc, LPARAM lParam)
{
    const auto T = ColorsFor(pHelperSrc, lParam);
    dc.FillSolidRect(&rcClient, T(GetSurfaceBitsPerPixel(dc.GetSafeHdc()) <= 8 ? XCLR_FACE_DISABLED : XCLR_FACE_ALT));
    if (bGroupedMode)
        return;
    const CRect rcNear(rcTabNearBorderArea);
    dc.FillSolidRect(&rcNear, T(XCLR_FACE_DISABLED));
    dc.FillSolidRect(NearBorderLine(rcNear, dwOrientation),
                     T(IsBottomOrRight(dwOrientation) ? COLOR_3DSHADOW : COLOR_3DHILIGHT));
}

void CExtPaintManagerOffice2003::PaintTabClientArea(CDC& dc, const RECT& rcClient, const RECT& rcTabItemsArea,
                                                    const RECT& rcTabNearBorderArea, DWORD dwOrientation,
                                                    bool bGroupedMode, CObject* pHelperSrc, LPARAM lParam)
{
    CWnd* pTabWnd = CExtKindOf::AsTabWnd(pHelperSrc);
    const bool bGradientStrip = CExtKindOf::IsDynTabWnd(pTabWnd) || CExtKindOf::IsAutoHideArea(pTabWnd);
    CFrameWnd* pFrame = bGradientStrip && pTabWnd->GetSafeHwnd() != nullptr ? pTabWnd->GetParentFrame() : nullptr;
    if (pFrame == nullptr || GetSurfaceBitsPerPixel(dc.GetSafeHdc()) <= 8)
    {
        CExtPaintManagerXP::PaintTabClientArea(dc, rcClient, rcTabItemsArea, rcTabNearBorderArea, dwOrientation,
                                               bGroupedMode, pHelperSrc, lParam);
        return;
    }
    // The strip shows its share of the frame-wide gradient.
    CRect rcFrame;
    pFrame->GetClientRect(&rcFrame);
    pFrame->ClientToScreen(&rcFrame);
    pTabWnd->ScreenToClient(&rcFrame);
    const int nSaved = dc.SaveDC();
    dc.IntersectClipRect(&rcClient);
    PaintDockerArea(false, dc, rcFrame, rcFrame, lParam);
    dc.RestoreDC(nSaved);
    if (bGroupedMode)
        return;
    const auto T = ColorsFor(pHelperSrc, lParam);
    const CRect rcNear(rcTabNearBorderArea);
    dc.FillSolidRect(&rcNear, T(XCLR_FACE_NORMAL));
    dc.FillSolidRect(NearBorderLine(rcNear, dwOrientation), T(COLOR_3DSHADOW));
}

// ---- buttons, frames and metrics ---------------------------------------------------------------

const CExtPaintManagerGlyph* CExtPaintManager::GetTabButtonGlyph(LONG nHitTest, bool bHorizontalStrip, bool bEnabled)
{
    switch (nHitTest)
    {
    case kTabButtonScrollStart: return g_arrSysCmdGlyphs[bHorizontalStrip ? (bEnabled ? 4 : 19) : (bEnabled ? 2 : 17)];
    case kTabButtonScrollEnd: return g_arrSysCmdGlyphs[bHorizontalStrip ? (bEnabled ? 5 : 20) : (bEnabled ? 3 : 18)];
    case kTabButtonList: return g_arrSysCmdGlyphs[45];
    case kTabButtonClose: return g_arrSysCmdGlyphs[1];
    case kTabButtonHelp: return g_arrSysCmdGlyphs[9];
    default: return nullptr;
    }
}

void CExtPaintManager::PaintTabButton(CDC& dc, const RECT& rcButton, LONG nHitTest, bool bTopLeft, bool bBar,
                                      bool bEnabled, bool bHover, bool bPushed, bool bGroupedMode, CObject* pHelperSrc,
                                      LPARAM lParam)
{
    const auto T = ColorsFor(pHelperSrc, lParam);
    const CExtPaintManagerGlyph* pGlyph = GetTabButtonGlyph(nHitTest, bBar, bEnabled);
    if (pGlyph != nullptr)
    {
        const COLORREF clrs[2] = {0, T(bEnabled ? COLOR_BTNTEXT : COLOR_3DSHADOW)};
        PaintGlyphCentered(dc, rcButton, *pGlyph, clrs);
    }
    if (!bEnabled || !(bHover || bPushed))
        return;
    if (bPushed)
        dc.Draw3dRect(&rcButton, T(COLOR_3DDKSHADOW), T(COLOR_3DHILIGHT));
    else
        dc.Draw3dRect(&rcButton, T(COLOR_3DHILIGHT), T(COLOR_3DDKSHADOW));
}

void CExtPaintManagerXP::PaintTabNcArea(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam)
{
    const COLORREF clr = GetTranslatedColor(COLOR_3DSHADOW, pHelperSrc, lParam);
    dc.Draw3dRect(&rc, clr, clr);
}

void CExtPaintManagerXP::PaintControlAreaRect(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam)
{
    const COLORREF clr = GetTranslatedColor(COLOR_3DSHADOW, pHelperSrc, lParam);
    dc.Draw3dRect(&rc, clr, clr);
}

void CExtPaintManager::GetTabMetrics(CExtTabWnd* pTabWnd, int& nInset, int& nButtonMargin, int& nStripOffset)
{
    nInset = 4;
    nButtonMargin = 2;
    if ((CExtKindOf::TabWndStyle(pTabWnd) & kTabStyleNoStripOffset) == 0)
        nStripOffset = 2;
}

// The XP style draws tab buttons as the base style does.
void CExtPaintManagerXP::PaintTabButton(CDC& dc, const RECT& rcButton, LONG nHitTest, bool bTopLeft, bool bBar,
                                        bool bEnabled, bool bHover, bool bPushed, bool bGroupedMode,
                                        CObject* pHelperSrc, LPARAM lParam)
{
    CExtPaintManager::PaintTabButton(dc, rcButton, nHitTest, bTopLeft, bBar, bEnabled, bHover, bPushed, bGroupedMode,
                                     pHelperSrc, lParam);
}

// The auto-hide area has no painter of its own: it answers "not handled" and the area paints as a tab strip.
int CExtPaintManager::PaintAutoHideArea(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam) { return 0; }
