// CExtPaintManager bar metrics and small bar parts: menu shadow colour, bar deflation, item spacing,
// gradient areas, auto-hide metric, bar background part, tab frames, the three small list and
// scroll parts and the bar-button gradient background; base, XP, Office 2003 and Studio 2005 forms.
#include "toolkit/foundation/ExtKindOf.h"
#include "platform/ControlBar.h"
#include "toolkit/foundation/ExtPaintManagerDraw.h"
#include "toolkit/foundation/ExtPaintManagerGlyph.h"
#include "toolkit/foundation/ExtPaintManagerStudio2005.h"

namespace
{

CControlBar* AsControlBar(CWnd* pWnd)
{
    return (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CControlBar))) ? static_cast<CControlBar*>(pWnd) : nullptr;
}

bool IsPaintable(CDC& dc, const RECT& rc) { return !extpaint::IsEmptyRect(rc) && dc.RectVisible(&rc); }

} // namespace

// ---- metrics ---------------------------------------------------------------------------------

COLORREF CExtPaintManager::GetMenuShadowColor(CObject* pHelperSrc)
{
    (void)pHelperSrc;
    return (COLORREF)-1;
}

COLORREF CExtPaintManagerOffice2003::GetMenuShadowColor(CObject* pHelperSrc)
{
    (void)pHelperSrc;
    COLORREF clrA = 0;
    if (UseSystemThemeColors() && ApplyColorScheme(&clrA, nullptr))
        return AdjustHls(clrA, 0.0, -0.6, 0.5);
    return (COLORREF)-1;
}

void CExtPaintManager::DeflateControlBarRect(CWnd* pBar, CRect& rc)
{
    CControlBar* pControlBar = AsControlBar(pBar);
    if (pControlBar != nullptr && CExtKindOf::IsDockedVertically(pControlBar))
        rc.DeflateRect(1, 3);
    else
        rc.DeflateRect(3, 1);
}

void CExtPaintManagerOffice2003::DeflateControlBarRect(CWnd* pBar, CRect& rc)
{
    if (GetDisplayBitsPerPixel() > 8)
        return;
    CExtPaintManagerXP::DeflateControlBarRect(pBar, rc);
    CControlBar* pControlBar = AsControlBar(pBar);
    if (pControlBar != nullptr && CExtKindOf::IsDockedVertically(pControlBar))
        rc.InflateRect(0, 2);
    else
        rc.InflateRect(2, 0);
}

int CExtPaintManager::GetBarItemSpacing(CWnd* pBar) { return (CExtKindOf::IsMenuBar(pBar)) ? 0 : 6; }

int CExtPaintManagerOffice2003::GetBarItemSpacing(CWnd* pBar)
{
    CControlBar* pControlBar = AsControlBar(pBar);
    const bool bPanelFlag = CExtKindOf::IsPanelModeToolBar(pBar);
    if (pControlBar != nullptr && CExtKindOf::IsFloating(pControlBar) && !bPanelFlag && GetDisplayBitsPerPixel() > 8)
        return 0;
    return CExtPaintManagerXP::GetBarItemSpacing(pBar);
}

bool CExtPaintManager::IsToolBarGradientArea(CWnd* pToolBar)
{
    (void)pToolBar;
    return false;
}

bool CExtPaintManagerOffice2003::IsToolBarGradientArea(CWnd* pToolBar)
{
    if (!CExtKindOf::IsToolBar(pToolBar))
        return false;
    CControlBar* pBar = static_cast<CControlBar*>(pToolBar);
    if (CExtKindOf::IsPanelModeToolBar(pBar))
        return false;
    if (pBar->m_pDockSite == nullptr || CExtKindOf::IsMenuBar(pBar) || CExtKindOf::IsPanelBar(pBar))
        return false;
    if (GetDisplayBitsPerPixel() < 9)
        return false;
    if (pBar->m_pDockBar != nullptr && (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) == 0)
        return true;
    return CExtKindOf::HasToolBarFlagBit2(pBar);
}

int CExtPaintManager::GetAutoHideMetric() { return 0; }

int CExtPaintManagerXP::GetAutoHideMetric() { return CExtPaintManager::GetAutoHideMetric(); }

int CExtPaintManagerOffice2003::GetAutoHideMetric() { return CExtPaintManagerXP::GetAutoHideMetric(); }

// ---- bar parts -------------------------------------------------------------------------------

void CExtPaintManager::PaintBarBackgroundPart(CDC& dc, CObject* pHelperSrc, LPARAM lParam, const RECT& rc)
{
    (void)dc;
    (void)pHelperSrc;
    (void)lParam;
    (void)rc;
}

void CExtPaintManagerOffice2003::PaintBarBackgroundPart(CDC& dc, CObject* pHelperSrc, LPARAM lParam, const RECT& rc)
{
    (void)lParam;
    PaintGradientRect(dc, rc, GetTranslatedColor(XCLR_O2003_17, pHelperSrc, 0),
                      GetTranslatedColor(XCLR_O2003_10, pHelperSrc, 0), true, 256);
}

void CExtPaintManager::PaintTabNcArea(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam)
{
    dc.Draw3dRect(&rc, GetTranslatedColor(COLOR_3DSHADOW, pHelperSrc, lParam),
                  GetTranslatedColor(COLOR_3DHILIGHT, pHelperSrc, lParam));
}

void CExtPaintManager::PaintControlAreaRect(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam)
{
    CExtPaintManager::PaintTabNcArea(dc, rc, pHelperSrc, lParam);
}

void CExtPaintManager::PaintPart60(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam)
{
    if (!IsPaintable(dc, rc))
        return;
    dc.FillSolidRect(&rc, GetTranslatedColor(COLOR_3DSHADOW, pHelperSrc, lParam));
}

void CExtPaintManagerXP::PaintPart60(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam)
{
    if (!IsPaintable(dc, rc))
        return;
    dc.FillSolidRect(&rc, GetTranslatedColor(XCLR_FACE_NORMAL, pHelperSrc, lParam));
}

void CExtPaintManager::PaintPart61(CDC& dc, bool bHorizontal, const RECT& rc, bool bForward, bool bHover, bool bPushed,
                                   CObject* pHelperSrc, LPARAM lParam)
{
    if (!IsPaintable(dc, rc))
        return;
    const auto clr = ColorsFor(pHelperSrc, lParam);
    dc.FillSolidRect(&rc, clr(COLOR_3DFACE));
    const int nGlyph = bHorizontal ? (bForward ? 4 : 5) : (bForward ? 2 : 3);
    CRect rcGlyph(rc);
    if (bPushed)
        rcGlyph.OffsetRect(1, 1);
    if (const CExtPaintManagerGlyph* pGlyph = g_arrSysCmdGlyphs[nGlyph])
    {
        COLORREF clrs[16] = {0};
        for (int i = 1; i < 16; i++)
            clrs[i] = clr(COLOR_BTNTEXT);
        if (pGlyph->GetColorsCount() <= 16)
            PaintGlyphCentered(dc, rcGlyph, *pGlyph, clrs);
    }
    const CRect rcInner = extpaint::Deflated(rc, 1, 1);
    if (bPushed)
    {
        dc.Draw3dRect(&rc, clr(COLOR_3DDKSHADOW), clr(COLOR_3DHILIGHT));
        dc.Draw3dRect(&rcInner, clr(COLOR_3DSHADOW), clr(COLOR_3DFACE));
    }
    else if (bHover)
    {
        dc.Draw3dRect(&rc, clr(COLOR_3DFACE), clr(COLOR_3DDKSHADOW));
        dc.Draw3dRect(&rcInner, clr(COLOR_3DHILIGHT), clr(COLOR_3DSHADOW));
    }
    else
    {
        dc.Draw3dRect(&rc, clr(COLOR_3DHILIGHT), clr(COLOR_3DSHADOW));
        dc.Draw3dRect(&rcInner, clr(COLOR_3DFACE), clr(COLOR_3DFACE));
    }
}

void CExtPaintManager::PaintListItem(CDC& dc, ListItemPaintData& data, bool bXP)
{
    if (!IsPaintable(dc, data.m_rcItem))
        return;
    const HDC hDC = dc.GetSafeHdc();
    const auto clr = ColorsFor(data);
    const DWORD f = data.m_dwItemFlags;
    if ((f & 0x80) != 0)
    {
        if ((f & 0x10) != 0 && dc.RectVisible(&data.m_rcText))
        {
            const CRect r = extpaint::Deflated(data.m_rcText, -2, -2);
            dc.FillSolidRect(&r, clr(COLOR_INFOBK));
            dc.Draw3dRect(&r, clr(COLOR_3DDKSHADOW), clr(COLOR_3DDKSHADOW));
        }
        return;
    }
    const bool bHover = (f & 0x01) != 0, bPushed = (f & 0x02) != 0;
    if (dc.RectVisible(&data.m_rcIcon))
    {
        CExtCmdIcon* pPreferred = (f & 0x40) != 0 ? data.m_pIcon : data.m_pIcon2;
        CExtCmdIcon* pIcon = pPreferred;
        if (!IsCmdIconPaintable(pIcon))
            pIcon = IsCmdIconPaintable(data.m_pIcon) ? data.m_pIcon : data.m_pIcon2;
        const CRect rcFrame = extpaint::Deflated(data.m_rcIcon, -2, -2);
        if (bHover || bPushed)
        {
            const int nFill = !bXP ? COLOR_3DSHADOW : (bHover ? XCLR_LIGHT_ALT : XCLR_FACE_ACTIVE);
            dc.FillSolidRect(&rcFrame, clr(nFill));
        }
        if (IsCmdIconPaintable(pIcon))
            PaintCmdIcon(dc, pIcon, data.m_rcIcon, kIconStretched, (COLORREF)-1);
        if (bHover || bPushed)
        {
            if (bXP)
                dc.Draw3dRect(&rcFrame, clr(XCLR_HILIGHT_DISABLED), clr(XCLR_HILIGHT_DISABLED));
            else if (bPushed)
                dc.Draw3dRect(&rcFrame, clr(COLOR_3DDKSHADOW), clr(COLOR_3DFACE));
            else
                dc.Draw3dRect(&rcFrame, clr(COLOR_3DFACE), clr(COLOR_3DDKSHADOW));
        }
    }
    if (data.m_sText.IsEmpty() || !dc.RectVisible(&data.m_rcText))
        return;
    const CString strText(data.m_sText);
    extpaint::ScopedDCState state(hDC);
    if (data.m_hFont != nullptr)
        ::SelectObject(hDC, data.m_hFont);
    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, clr((f & 0x10) != 0 ? COLOR_INFOTEXT : (bXP ? COLOR_BTNTEXT : COLOR_3DHILIGHT)));
    if ((f & 0x20) != 0)
    {
        const bool bFromTop = (data.m_dwFlags2 & 0x10) != 0;
        CRect r = extpaint::Deflated(data.m_rcText, -3, 0);
        const int nHalf = data.m_rcText.Width() / 2;
        r.OffsetRect(bFromTop ? nHalf - 2 : nHalf, 0);
        ::SetTextAlign(hDC, TA_BASELINE);
        const int x = r.left + r.Width() / 2;
        const int y = bFromTop ? r.top + 4 : r.bottom - 4;
        ::ExtTextOutW(hDC, x, y, ETO_CLIPPED, &r, strText, strText.GetLength(), nullptr);
        return;
    }
    CRect rcLabel = extpaint::Deflated(data.m_rcLabel, 1, 0);
    CRect rcClipped;
    if (rcClipped.IntersectRect(&rcLabel, &data.m_rcText) && rcClipped.Width() > 0)
        ::DrawTextW(hDC, strText, strText.GetLength(), &rcLabel, DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}

void CExtPaintManager::PaintPart62(CDC& dc, ListItemPaintData& data) { PaintListItem(dc, data, false); }

void CExtPaintManagerXP::PaintPart62(CDC& dc, ListItemPaintData& data) { PaintListItem(dc, data, true); }

// ---- bar-button gradient background --------------------------------------------------------

void CExtPaintManager::PaintBarGradientBackground(CDC& dc, CExtBarButton* pButton, LPARAM lParam)
{
    (void)dc;
    (void)pButton;
    (void)lParam;
}

void CExtPaintManagerOffice2003::PaintBarGradientBackground(CDC& dc, CExtBarButton* pButton, LPARAM lParam)
{
    if (pButton == nullptr || GetDeviceBitsPerPixel(dc.GetSafeHdc()) <= 8)
        return;
    CObject* pSubject = CExtKindOf::AsObject(pButton);
    const CRect rcButton = CExtKindOf::ButtonRect(pButton);
    PaintGradientRect(dc, extpaint::Deflated(rcButton, 1, 1), GetTranslatedColor(XCLR_O2003_17, pSubject, lParam),
                      GetTranslatedColor(XCLR_O2003_15, pSubject, lParam), true, 256);
    // The frame needs the button's tool bar; a detached button gets the gradient alone.
    CControlBar* pBar = CExtKindOf::BarOfButton(pButton);
    if (pBar == nullptr || !CExtKindOf::IsDockedVertically(pBar) || CExtKindOf::IsBarColorButton(pSubject) ||
        CExtKindOf::IsSeparatorButton(pButton))
        return;
    dc.Draw3dRect(&rcButton, GetTranslatedColor(XCLR_SHADOW_ALT, pSubject, lParam),
                  GetTranslatedColor(XCLR_SHADOW_ALT, pSubject, lParam));
}
