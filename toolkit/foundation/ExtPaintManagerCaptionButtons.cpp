// CExtPaintManager caption buttons of control bars, system-command glyphs and the icon placement of
// push buttons and tab items; base, XP and Studio 2005 forms.
#include "toolkit/foundation/ExtKindOf.h"
#include "toolkit/foundation/ExtPaintManagerDraw.h"
#include "toolkit/foundation/ExtPaintManagerGlyph.h"
#include "toolkit/foundation/ExtPaintManagerStudio2005.h"

namespace
{

// A colour list that paints every index of the glyph in one colour.
struct OneColorList
{
    COLORREF m_clr[16];
    explicit OneColorList(COLORREF clr)
    {
        m_clr[0] = 0;
        for (int i = 1; i < 16; i++)
            m_clr[i] = clr;
    }
};

const CExtPaintManagerGlyph* SysCmdGlyph(int nIndex)
{
    if (nIndex < 0 || nIndex >= kSysCmdGlyphCount)
        return nullptr;
    const CExtPaintManagerGlyph* pGlyph = g_arrSysCmdGlyphs[nIndex];
    return (pGlyph != nullptr && pGlyph->GetColorsCount() <= 16) ? pGlyph : nullptr;
}

// rc moved by the style's pushed offset when bPushed.
CRect ShiftedIfPushed(CExtPaintManager& pm, const RECT& rc, bool bPushed)
{
    CRect r(rc);
    if (bPushed)
    {
        CSize sizePushed;
        pm.GetPushedOffset(sizePushed);
        r.OffsetRect(sizePushed);
    }
    return r;
}

// Width and height made even by moving the left and top edges inward.
void EvenOut(CRect& r)
{
    if ((r.Width() & 1) != 0)
        r.left++;
    if ((r.Height() & 1) != 0)
        r.top++;
}

} // namespace

int CExtPaintManager::SysCmdGlyphIndex(UINT nSysCmdId)
{
    switch (nSysCmdId)
    {
    case SC_CLOSE: return 1;
    case SC_MINIMIZE: return 6;
    case SC_RESTORE: return 7;
    case SC_MAXIMIZE: return 8;
    case SC_CONTEXTHELP: return 9;
    default: return -1;
    }
}

// ---- caption buttons ---------------------------------------------------------------------------

void CExtPaintManager::PaintCaptionButton(CDC& dc, CaptionButtonPaintData& data)
{
    CRect r(data.m_rcButton);
    r.NormalizeRect();
    if (r.IsRectEmpty())
        return;
    const bool bEnabled = data.m_bEnabled;
    const bool bHover = data.m_bHover && bEnabled;
    const auto clr = ColorsFor(data);
    const COLORREF clrFace = clr(COLOR_3DFACE), clrShadow = clr(COLOR_3DSHADOW);
    const COLORREF clrDkShadow = clr(COLOR_3DDKSHADOW), clrHilight = clr(COLOR_3DHILIGHT);

    EvenOut(r);
    if (data.m_nGlyphIndex == 1)
        data.m_nGlyphIndex = 21;
    if (!data.m_bStyleBit5)
        r.InflateRect(1, 1);
    r.left++;
    r.top++;
    dc.FillSolidRect(&r, clrFace);

    if (const CExtPaintManagerGlyph* pGlyph = SysCmdGlyph(data.m_nGlyphIndex))
    {
        CRect rcGlyph(r);
        if (data.m_bPushed)
            rcGlyph.OffsetRect(1, 1);
        const OneColorList colors(bEnabled ? RGB(0, 0, 0) : clrShadow);
        PaintGlyphCentered(dc, rcGlyph, *pGlyph, colors.m_clr);
    }

    if (bEnabled && data.m_bPushed)
        dc.Draw3dRect(&r, clrShadow, clrHilight);
    else if (bHover)
    {
        dc.Draw3dRect(&r, clrFace, clrDkShadow);
        dc.Draw3dRect(extpaint::Deflated(r, 1, 1), clrHilight, clrShadow);
    }
    else
        dc.Draw3dRect(&r, clrHilight, clrShadow);
}

void CExtPaintManagerXP::PaintCaptionButton(CDC& dc, CaptionButtonPaintData& data)
{
    CRect r(data.m_rcButton);
    r.NormalizeRect();
    if (r.IsRectEmpty())
        return;
    const bool bEnabled = data.m_bEnabled;
    const bool bHover = data.m_bHover && bEnabled;
    const auto clr = ColorsFor(data);

    COLORREF clrGlyph;
    if (!bEnabled)
        clrGlyph = clr(COLOR_3DSHADOW);
    else if (bHover || data.m_bPushed)
        clrGlyph = RGB(0, 0, 0);
    else if (data.m_bStyleBit3 && !data.m_bStyleBit4)
        clrGlyph = clr(COLOR_3DDKSHADOW); // on a docked bar's frame or an inactive slider's caption
    else
        clrGlyph = clr(COLOR_HIGHLIGHTTEXT); // on an active slider's highlighted caption, or a floating frame's

    if (bHover || data.m_bPushed)
    {
        dc.FillSolidRect(&r, clr(data.m_bPushed ? XCLR_LIGHT_ALT : XCLR_FACE_ACTIVE));
        dc.Draw3dRect(&r, clr(data.m_bStyleBit4 ? XCLR_LIGHT_ALT : XCLR_HILIGHT_DISABLED),
                      clr(data.m_bStyleBit4 ? XCLR_LIGHT_ALT : XCLR_HILIGHT_DISABLED));
    }
    EvenOut(r);
    if (data.m_nGlyphIndex == 1 && data.m_bStyleBit3 && !data.m_bStyleBit5)
        data.m_nGlyphIndex = 16;
    if (const CExtPaintManagerGlyph* pGlyph = SysCmdGlyph(data.m_nGlyphIndex))
    {
        const OneColorList colors(clrGlyph);
        PaintGlyphCentered(dc, r, *pGlyph, colors.m_clr);
    }
}

void CExtPaintManagerStudio2005::PaintCaptionButton(CDC& dc, CaptionButtonPaintData& data)
{
    const bool bMenuButton = CExtKindOf::IsNcAreaMenuButton(data.m_pHelperSrc);
    if (data.m_bStyleBit3 && data.m_bStyleBit5 && !bMenuButton)
        CExtPaintManager::PaintCaptionButton(dc, data);
    else
        CExtPaintManagerXP::PaintCaptionButton(dc, data);
}

// ---- system-command glyphs ---------------------------------------------------------------------

void CExtPaintManager::PaintSysCmdGlyph(CDC& dc, UINT nSysCmdId, const RECT& rc, bool bHover, bool bPushed,
                                        bool bEnabled)
{
    const CExtPaintManagerGlyph* pGlyph = SysCmdGlyph(SysCmdGlyphIndex(nSysCmdId));
    if (pGlyph == nullptr)
        return;
    CRect r = ShiftedIfPushed(*this, rc, bPushed);
    if (!bEnabled)
    {
        CRect rcEngraved(r);
        rcEngraved.OffsetRect(1, 1);
        PaintGlyphCentered(dc, rcEngraved, *pGlyph, OneColorList(GetTranslatedColor(XCLR_HILIGHT_NORMAL)).m_clr);
        PaintGlyphCentered(dc, r, *pGlyph, OneColorList(GetTranslatedColor(XCLR_SHADOW_NORMAL)).m_clr);
        return;
    }
    const COLORREF clr = GetTranslatedColor(bHover ? COLOR_HIGHLIGHTTEXT : XCLR_TEXT_NORMAL);
    PaintGlyphCentered(dc, r, *pGlyph, OneColorList(clr).m_clr);
}

void CExtPaintManagerXP::PaintSysCmdGlyph(CDC& dc, UINT nSysCmdId, const RECT& rc, bool bHover, bool bPushed,
                                          bool bEnabled)
{
    const CExtPaintManagerGlyph* pGlyph = SysCmdGlyph(SysCmdGlyphIndex(nSysCmdId));
    if (pGlyph == nullptr)
        return;
    CRect r = ShiftedIfPushed(*this, rc, bPushed);
    if (!bEnabled)
    {
        PaintGlyphCentered(dc, r, *pGlyph, OneColorList(GetTranslatedColor(COLOR_3DSHADOW)).m_clr);
        return;
    }
    if ((m_nStyleBits & kStyleXP0) != 0 && bHover && !bPushed)
    {
        PaintGlyphCentered(dc, r, *pGlyph, OneColorList(GetTranslatedColor(COLOR_3DSHADOW)).m_clr);
        r.OffsetRect(-2, -2);
    }
    PaintGlyphCentered(dc, r, *pGlyph, OneColorList(GetTranslatedColor(XCLR_TEXT_NORMAL)).m_clr);
}

// ---- icon placement in push buttons and tab items ----------------------------------------------

CRect CExtPaintManager::PlaceItemIcon(bool bHorizontal, bool bHasText, const CSize& sizeIcon, const RECT& rcItem,
                                      RECT& rcTextOut, int nAlign)
{
    const CRect rcI(rcItem);
    rcTextOut = rcItem;
    CRect rcIcon(rcI.TopLeft(), sizeIcon);
    auto centreX = [&]() { rcIcon.OffsetRect(rcI.left + (rcI.Width() - sizeIcon.cx) / 2 - rcIcon.left, 0); };
    auto centreY = [&]() { rcIcon.OffsetRect(0, rcI.top + (rcI.Height() - sizeIcon.cy) / 2 - rcIcon.top); };
    if (bHorizontal)
    {
        if ((nAlign & 2) != 0 && (nAlign & 1) == 0)
        {
            if (bHasText)
            {
                rcIcon.OffsetRect(rcI.right - sizeIcon.cx - 3 - rcIcon.left, 0);
                rcTextOut.right = rcIcon.left - 3;
                centreY();
            }
            else
                centreX();
        }
        else if (bHasText)
        {
            rcIcon.OffsetRect(3, 0);
            rcTextOut.left += sizeIcon.cx + 3;
        }
        else
            centreX();
        if ((nAlign & 4) != 0)
            centreY();
    }
    else
    {
        if ((nAlign & 1) != 0)
        {
            if (bHasText)
            {
                rcIcon.OffsetRect(0, 3);
                rcTextOut.top += sizeIcon.cy + 3;
            }
            else
                centreY();
        }
        else if ((nAlign & 2) != 0)
        {
            if (bHasText)
            {
                rcIcon.OffsetRect(0, rcI.bottom - sizeIcon.cy - 3 - rcIcon.top);
                rcTextOut.bottom = rcIcon.top - 3;
                centreX();
            }
            else
                centreY();
        }
        if ((nAlign & 4) != 0)
            centreX();
    }
    return rcIcon;
}

void CExtPaintManager::PaintTabItemContent(CDC& dc, bool bHorizontal, const CString& strText, CExtCmdIcon* pIcon,
                                           const RECT& rcItem, RECT& rcTextOut, bool bPushed, bool bEnabled,
                                           bool bHover, int nAlign)
{
    (void)bHover;
    rcTextOut = rcItem;
    if (!IsCmdIconPaintable(pIcon))
        return;
    const CRect rcPlaced =
        PlaceItemIcon(bHorizontal, !strText.IsEmpty(), GetCmdIconSize(pIcon), rcItem, rcTextOut, nAlign);
    CRect rcIcon = ShiftedIfPushed(*this, rcPlaced, bPushed);
    PaintCmdIcon(dc, pIcon, rcIcon, bEnabled ? kIconNormal : kIconDisabled, (COLORREF)-1);
}

void CExtPaintManagerXP::PaintTabItemContent(CDC& dc, bool bHorizontal, const CString& strText, CExtCmdIcon* pIcon,
                                             const RECT& rcItem, RECT& rcTextOut, bool bPushed, bool bEnabled,
                                             bool bHover, int nAlign)
{
    rcTextOut = rcItem;
    if (!IsCmdIconPaintable(pIcon))
        return;
    const CRect rcPlaced =
        PlaceItemIcon(bHorizontal, !strText.IsEmpty(), GetCmdIconSize(pIcon), rcItem, rcTextOut, nAlign);
    CRect rcIcon = ShiftedIfPushed(*this, rcPlaced, bPushed);
    const bool bXP = (m_nStyleBits & kStyleXP0) != 0;
    if (bXP)
        rcIcon.OffsetRect(1, 1);
    if (!bEnabled)
    {
        SyncCmdIconVariant(pIcon);
        PaintCmdIcon(dc, pIcon, rcIcon, GetIconVariantColor() != (COLORREF)-1 ? kIconVariant : kIconMonochrome,
                     GetTranslatedColor(XCLR_LIGHT_DISABLED));
        return;
    }
    if (bXP && bHover && !bPushed)
    {
        PaintCmdIcon(dc, pIcon, rcIcon, kIconMonochrome, GetTranslatedColor(COLOR_3DSHADOW));
        rcIcon.OffsetRect(-2, -2);
    }
    PaintCmdIcon(dc, pIcon, rcIcon, kIconNormal, (COLORREF)-1);
}
