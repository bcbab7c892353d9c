// CExtPaintManager push buttons in the base and XP forms (the later styles paint through the XP
// form), the push-button margin, text measuring and two unused plain figures.
#include "toolkit/foundation/ExtPaintManagerDraw.h"
#include "toolkit/foundation/ExtPaintManagerGlyph.h"
#include "toolkit/foundation/ExtPaintManagerXP.h"

namespace
{

// The caption as drawn with prefix processing: "&&" stays one "&", a single "&" is dropped and the
// character after the first one is the mnemonic (its index in the result, -1 when none).
CString StripPrefix(LPCTSTR psz, int& nMnemonic)
{
    CString str;
    nMnemonic = -1;
    for (; *psz != 0; psz++)
    {
        if (*psz == L'&')
        {
            psz++;
            if (*psz == 0)
                break;
            if (*psz != L'&' && nMnemonic < 0)
                nMnemonic = str.GetLength();
        }
        str += *psz;
    }
    return str;
}

// Clears the states a disabled button and a pushed split button do not show; false when there is
// nothing to paint.
bool SettlePushButtonState(CExtPaintManager::PushButtonPaintData& data)
{
    if (extpaint::IsEmptyRect(data.m_rcButton))
        return false;
    if (!data.m_bEnabled)
    {
        data.m_bHot = false;
        data.m_bStateBit4 = false;
        data.m_bFocusRect = false;
    }
    if (data.m_bSplitDropDown && (data.m_bPushed || data.m_bDropDownPushed))
        data.m_bHot = false;
    return true;
}

// The caption without its first "&" (the text that is measured).
CString WithoutFirstAmpersand(LPCTSTR psz)
{
    CString str(psz);
    const int n = str.Find(L'&');
    if (n >= 0)
        str.Delete(n, 1);
    return str;
}

} // namespace

CRect CExtPaintManager::MeasureText(CDC& dc, HFONT hFont, LPCTSTR pszText)
{
    const HDC hDC = dc.GetSafeHdc();
    if (pszText == nullptr)
        pszText = L"";
    HGDIOBJ hOld = hFont != nullptr ? ::SelectObject(hDC, hFont) : nullptr;
    UINT nFormat = DT_CALCRECT | DT_SINGLELINE;
    if (wcschr(pszText, L'\t') != nullptr)
        nFormat |= DT_EXPANDTABS;
    CRect rc(0, 0, 0, 0);
    ::DrawTextW(hDC, pszText, -1, &rc, nFormat);
    if (hOld != nullptr)
        ::SelectObject(hDC, hOld);
    rc.OffsetRect(-rc.left, -rc.top);
    return rc;
}

int CExtPaintManager::MeasureTextWidth(CDC& dc, HFONT hFont, LPCTSTR pszText)
{
    return MeasureText(dc, hFont, pszText).Width();
}

CSize CExtPaintManager::GetPushButtonMargin() { return CSize(6, 6); }

void CExtPaintManager::PaintPart37(CDC& dc, const RECT& rc, bool bHorizontal, bool bUnused)
{
    (void)bUnused;
    CRect r(rc);
    r.NormalizeRect();
    if (r.IsRectEmpty() || !dc.RectVisible(&r))
        return;
    const COLORREF clr = GetTranslatedColor(COLOR_BTNTEXT, this, 0);
    // Three thin bars across the figure, spaced evenly along it.
    const int nLength = bHorizontal ? r.Width() : r.Height();
    for (int i = 1; i <= 3; i++)
    {
        const int nPos = nLength * i / 4;
        if (bHorizontal)
            dc.FillSolidRect(r.left + nPos - 1, r.top + 2, 2, r.Height() - 4, clr);
        else
            dc.FillSolidRect(r.left + 2, r.top + nPos - 1, r.Width() - 4, 2, clr);
    }
}

void CExtPaintManager::PaintPart38(CDC& dc, const RECT& rc)
{
    CRect r(rc);
    r.NormalizeRect();
    if (r.IsRectEmpty() || !dc.RectVisible(&r))
        return;
    const COLORREF clr = GetTranslatedColor(COLOR_BTNTEXT, this, 0);
    dc.Draw3dRect(&r, clr, clr);
    r.DeflateRect(1, 1);
    dc.Draw3dRect(&r, clr, clr);
}

// ---- shared parts ----------------------------------------------------------------------------

CRect CExtPaintManager::SplitPushButton(const PushButtonPaintData& data, CRect& rcDropDown) const
{
    CRect rcMain(data.m_rcButton);
    rcDropDown.SetRectEmpty();
    if (!data.m_bDropDown)
        return rcMain;
    if (data.m_bHorizontal)
    {
        rcDropDown = rcMain;
        rcDropDown.left = rcMain.right - (g_glyphExpandArrowH.GetWidth() + 6);
        rcMain.right = rcDropDown.left;
    }
    else
    {
        rcDropDown = rcMain;
        rcDropDown.top = rcMain.bottom - (g_glyphDropDownArrowV.GetHeight() + 6);
        rcMain.bottom = rcDropDown.top;
    }
    return rcMain;
}

void CExtPaintManager::PaintPushButtonArrow(CDC& dc, const PushButtonPaintData& data, CRect rcDropDown,
                                            bool bPushedLook)
{
    if (bPushedLook)
    {
        CSize sizePushed;
        GetPushedOffset(sizePushed);
        rcDropDown.OffsetRect(sizePushed);
    }
    const COLORREF clrs[2] = {0, GetTranslatedColor(data.m_bEnabled ? XCLR_TEXT_NORMAL : XCLR_SHADOW_NORMAL,
                                                    data.m_pHelperSrc, data.m_lParam)};
    PaintGlyphCentered(dc, rcDropDown, data.m_bHorizontal ? g_glyphExpandArrowH : g_glyphDropDownArrowV, clrs);
}

CRect CExtPaintManager::PaintPushButtonContent(CDC& dc, const PushButtonPaintData& data, const CRect& rcMain)
{
    if (extpaint::IsEmptyRect(rcMain))
        return rcMain;
    if (IsCmdIconPaintable(data.m_pIcon))
    {
        RECT rcTextOut = rcMain;
        PaintTabItemContent(dc, data.m_bHorizontal, CString(data.m_pszText), data.m_pIcon, rcMain, rcTextOut,
                            data.m_bPushed, data.m_bEnabled, data.m_bHot, data.m_nAlign);
        return CRect(rcTextOut);
    }
    CRect rcGlyph(rcMain);
    if (data.m_bHorizontal)
        rcGlyph.DeflateRect(2, 0);
    else
        rcGlyph.DeflateRect(0, 2);
    PaintSysCmdGlyph(dc, (UINT)data.m_nSysCmdId, rcGlyph, false, data.m_bPushed, data.m_bEnabled);
    return rcMain;
}

void CExtPaintManager::PaintPushButtonCaption(CDC& dc, const PushButtonPaintData& data, const CRect& rcText,
                                              COLORREF clrText, bool bXpLook)
{
    if (data.m_pszText == nullptr || data.m_pszText[0] == 0 || extpaint::IsEmptyRect(rcText))
        return;
    HFONT hFont = data.m_hFont;
    HFONT hFontRotated = nullptr; // made here, deleted at the end
    if (hFont != nullptr)
    {
        LOGFONTW lf = {};
        if (!data.m_bHorizontal && ::GetObjectW(hFont, sizeof(lf), &lf) != 0 && lf.lfEscapement == 0)
        {
            lf.lfEscapement = lf.lfOrientation = 2700;
            hFontRotated = ::CreateFontIndirectW(&lf);
            if (hFontRotated != nullptr)
                hFont = hFontRotated;
        }
    }
    else if (data.m_bHorizontal)
        hFont = (HFONT)(data.m_bDefault ? m_fontBold : m_fontNormal).GetSafeHandle();
    else
        hFont = (HFONT)(data.m_bDefault ? m_fontBoldRot270 : m_fontNormalRot270).GetSafeHandle();

    PaintCaptionInFont(dc, data, rcText, clrText, bXpLook, hFont);
    if (hFontRotated != nullptr)
        ::DeleteObject(hFontRotated);
}

void CExtPaintManager::PaintCaptionInFont(CDC& dc, const PushButtonPaintData& data, const CRect& rcText,
                                          COLORREF clrText, bool bXpLook, HFONT hFont)
{
    const HDC hDC = dc.GetSafeHdc();
    extpaint::ScopedDCState state(hDC);
    if (hFont != nullptr)
        ::SelectObject(hDC, hFont);
    ::SetTextColor(hDC, clrText);
    ::SetBkMode(hDC, TRANSPARENT);

    const CString strMeasured = WithoutFirstAmpersand(data.m_pszText);
    if (data.m_bHorizontal)
    {
        if (bXpLook || data.m_bUseDrawText)
        {
            CRect r(rcText);
            ::DrawTextW(hDC, data.m_pszText, -1, &r, data.m_nDrawTextFlags);
        }
        else
        {
            CRect rcCalc(0, 0, 0, 0);
            ::DrawTextW(hDC, strMeasured, -1, &rcCalc, DT_CALCRECT | DT_SINGLELINE);
            int x = rcText.left, y = rcText.top;
            if ((data.m_nDrawTextFlags & DT_CENTER) != 0)
                x += (rcText.Width() - rcCalc.Width()) / 2;
            else if ((data.m_nDrawTextFlags & DT_RIGHT) != 0)
                x = rcText.right - rcCalc.Width();
            if ((data.m_nDrawTextFlags & DT_VCENTER) != 0)
                y += (rcText.Height() - rcCalc.Height()) / 2;
            UINT nFlags = DST_PREFIXTEXT;
            if (!data.m_bEnabled && data.m_clrTextDisabled == (COLORREF)-1)
                nFlags |= (UINT)m_nDisabledTextStateFlags;
            ::DrawStateW(hDC, nullptr, nullptr, (LPARAM)data.m_pszText, 0, x, y, rcCalc.Width(), rcCalc.Height(),
                         nFlags);
        }
    }
    else
    {
        // Rotated by 270 degrees: the text runs down the button, its top facing right.
        int nMnemonic = -1;
        const CString strOut = StripPrefix(data.m_pszText, nMnemonic);
        SIZE sizeText = {};
        ::GetTextExtentPoint32W(hDC, strOut, strOut.GetLength(), &sizeText);
        TEXTMETRICW tm = {};
        ::GetTextMetricsW(hDC, &tm);
        int x = rcText.left + (rcText.Width() + sizeText.cy) / 2;
        int y = rcText.top;
        if ((data.m_nDrawTextFlags & DT_CENTER) != 0)
            y += (rcText.Height() - sizeText.cx) / 2;
        else if ((data.m_nDrawTextFlags & DT_RIGHT) != 0)
            y = rcText.bottom - sizeText.cx;
        ::IntersectClipRect(hDC, rcText.left, rcText.top, rcText.right, rcText.bottom);
        auto drawOnce = [&](int dx, COLORREF clr) {
            ::SetTextColor(hDC, clr);
            ::TextOutW(hDC, x + dx, y + dx, strOut, strOut.GetLength());
            if (nMnemonic >= 0)
            {
                SIZE sizeBefore = {}, sizeChar = {};
                ::GetTextExtentPoint32W(hDC, strOut, nMnemonic, &sizeBefore);
                ::GetTextExtentPoint32W(hDC, (LPCTSTR)strOut + nMnemonic, 1, &sizeChar);
                dc.FillSolidRect(x + dx - tm.tmAscent - 1, y + dx + sizeBefore.cx, 1, sizeChar.cx, clr);
            }
        };
        if (!bXpLook && !data.m_bEnabled && data.m_clrTextDisabled == (COLORREF)-1)
        {
            drawOnce(1, GetTranslatedColor(COLOR_3DHILIGHT, data.m_pHelperSrc, data.m_lParam));
            drawOnce(0, GetTranslatedColor(COLOR_3DSHADOW, data.m_pHelperSrc, data.m_lParam));
        }
        else
            drawOnce(0, clrText);
    }
}

// ---- base form -------------------------------------------------------------------------------

void CExtPaintManager::PaintPushButton(CDC& dc, PushButtonPaintData& data)
{
    if (!SettlePushButtonState(data))
        return;

    const HDC hDC = dc.GetSafeHdc();
    extpaint::ScopedDCState state(hDC);
    ::SetBkMode(hDC, TRANSPARENT);
    CObject* pSrc = data.m_pHelperSrc;
    const LPARAM lParam = data.m_lParam;
    const auto clr = ColorsFor(pSrc, lParam);

    const COLORREF clrFace = clr((data.m_bHot || data.m_bPushed) ? XCLR_FACE_ACTIVE : XCLR_FACE_NORMAL);
    const bool bPushedLook = (data.m_bPushed && !data.m_bSplitDropDown) || data.m_bDropDownPushed;
    const HBRUSH hHalftone = (HBRUSH)m_brushLight50.GetSafeHandle();
    const CRect rcButton(data.m_rcButton);
    CRect rcDropDown;
    const CRect rcMain = SplitPushButton(data, rcDropDown);

    if (data.m_bDropDown)
    {
        if (!data.m_bNoBackground)
        {
            if (data.m_bEnabled && data.m_bHot && bPushedLook)
                extpaint::FillBrush(hDC, rcDropDown, hHalftone);
            else
                dc.FillSolidRect(&rcDropDown, clrFace);
        }
        if (data.m_bSplitDropDown)
        {
            if (bPushedLook)
            {
                if (!data.m_bFlat || data.m_bDrawBorder)
                    dc.Draw3dRect(&rcDropDown, clr(XCLR_SHADOW_ACTIVE), clr(XCLR_HILIGHT_ACTIVE));
            }
            else if (!data.m_bFlat || (data.m_bHot && data.m_bDrawBorder))
                dc.Draw3dRect(&rcDropDown, clr(XCLR_HILIGHT_NORMAL), clr(XCLR_SHADOW_NORMAL));
        }
    }
    if (!data.m_bNoBackground)
    {
        if (data.m_bEnabled && data.m_bPushed && data.m_bHot)
            extpaint::FillBrush(hDC, rcMain, hHalftone);
        else
            dc.FillSolidRect(&rcMain, clrFace);
    }

    const CRect rcFrame = data.m_bSplitDropDown ? rcMain : rcButton;
    if (!data.m_bPushed)
    {
        if (!data.m_bFlat)
        {
            dc.Draw3dRect(&rcFrame, clr(XCLR_HILIGHT_NORMAL), clr(XCLR_SHADOW_NORMAL));
            if (data.m_bHot)
            {
                dc.Draw3dRect(&rcButton, clr(XCLR_SHADOW_NORMAL), clr(XCLR_DKSHADOW_NORMAL));
                dc.Draw3dRect(extpaint::Deflated(rcButton, 1, 1), clr(XCLR_HILIGHT_NORMAL), clr(XCLR_SHADOW_NORMAL));
            }
        }
        else if (data.m_bHot && data.m_bDrawBorder)
            dc.Draw3dRect(&rcFrame, clr(XCLR_HILIGHT_NORMAL), clr(XCLR_SHADOW_NORMAL));
    }
    else if (!data.m_bFlat || data.m_bDrawBorder)
        dc.Draw3dRect(&rcFrame, clr(XCLR_SHADOW_ACTIVE), clr(XCLR_HILIGHT_ACTIVE));

    if (data.m_bDropDown)
        PaintPushButtonArrow(dc, data, rcDropDown, bPushedLook);

    CRect rcText = PaintPushButtonContent(dc, data, rcMain);
    if (!extpaint::IsEmptyRect(rcMain) && data.m_pszText[0] != 0)
    {
        if (data.m_bPushed)
        {
            CSize sizePushed;
            GetPushedOffset(sizePushed);
            rcText.OffsetRect(sizePushed);
        }
        ::SetBkColor(hDC, clrFace);
        COLORREF clrText = (COLORREF)-1;
        if (!data.m_bEnabled)
            clrText = data.m_clrTextDisabled != (COLORREF)-1 ? data.m_clrTextDisabled : clr(COLOR_3DFACE);
        else
        {
            const COLORREF none = (COLORREF)-1;
            const COLORREF* list[3] = {nullptr, nullptr, nullptr};
            if (data.m_bHot && data.m_bPushed)
                list[0] = &data.m_clrTextPushed, list[1] = &data.m_clrTextHot, list[2] = &data.m_clrTextNormal;
            else if (data.m_bPushed)
                list[0] = &data.m_clrTextPushed, list[1] = &data.m_clrTextNormal;
            else if (data.m_bHot)
                list[0] = &data.m_clrTextHot, list[1] = &data.m_clrTextNormal;
            else
                list[0] = &data.m_clrTextNormal;
            for (const COLORREF* p : list)
                if (p != nullptr && *p != none && clrText == none)
                    clrText = *p;
            if (clrText == none)
                clrText = clr(COLOR_BTNTEXT);
        }
        PaintPushButtonCaption(dc, data, rcText, clrText, false);
    }

    if (data.m_bFocusRect)
    {
        const CRect rcFocus = extpaint::Deflated(rcButton, 3, 3);
        ::SetTextColor(hDC, RGB(0, 0, 0));
        ::SetBkColor(hDC, RGB(255, 255, 255));
        ::DrawFocusRect(hDC, &rcFocus);
    }
}

// ---- XP form ---------------------------------------------------------------------------------

void CExtPaintManagerXP::PaintPushButtonFace(CDC& dc, const RECT& rc, const PushButtonPaintData& data, bool bPartHot,
                                             bool bPartPushed, COLORREF clrSolid)
{
    if (data.m_bNoBackground || extpaint::IsEmptyRect(rc))
        return;
    int nFrom = -1, nTo = -1;
    if (bPartHot && bPartPushed)
        nFrom = m_nPushButtonClrIds[kPushedHotFrom], nTo = m_nPushButtonClrIds[kPushedHotTo];
    else if (bPartPushed)
        nFrom = m_nPushButtonClrIds[kPushedFrom], nTo = m_nPushButtonClrIds[kPushedTo];
    else if (bPartHot)
        nFrom = m_nPushButtonClrIds[kHotFrom], nTo = m_nPushButtonClrIds[kHotTo];
    if (nFrom != -1 && nTo != -1)
    {
        const COLORREF clrFirst = GetTranslatedColor(nFrom, data.m_pHelperSrc, data.m_lParam);
        const COLORREF clrSecond = GetTranslatedColor(nTo, data.m_pHelperSrc, data.m_lParam);
        // Horizontal buttons: the first id at the top row, the second at the bottom; vertical buttons
        // run the pair the other way, the second id at the left edge and the first at the right.
        if (data.m_bHorizontal)
            PaintGradientRect(dc, rc, clrSecond, clrFirst, true, 256);
        else
            PaintGradientRect(dc, rc, clrSecond, clrFirst, false, 256);
        return;
    }
    dc.FillSolidRect(&rc, clrSolid);
}

void CExtPaintManagerXP::PaintPushButton(CDC& dc, PushButtonPaintData& data)
{
    if (!SettlePushButtonState(data))
        return;

    const HDC hDC = dc.GetSafeHdc();
    extpaint::ScopedDCState state(hDC);
    ::SetBkMode(hDC, TRANSPARENT);
    CObject* pSrc = data.m_pHelperSrc;
    const LPARAM lParam = data.m_lParam;
    const auto clr = ColorsFor(pSrc, lParam);

    const bool bActive = data.m_bHot || data.m_bPushed || data.m_bDropDownPushed;
    const bool bMainPushed = data.m_bPushed || (data.m_bDropDownPushed && !data.m_bSplitDropDown);
    const bool bStripPushed =
        data.m_bSplitDropDown ? data.m_bDropDownPushed : (data.m_bPushed || data.m_bDropDownPushed);
    auto faceOf = [&](bool bPartPushed, bool bStrip) -> COLORREF {
        if (!bActive)
            return data.m_bFlat ? clr(XCLR_FACE_NORMAL) : clr(COLOR_3DFACE);
        if (bPartPushed)
            return clr(data.m_bHot ? XCLR_LIGHT_ALT : XCLR_FACE_ACTIVE);
        if (bStrip && data.m_bSplitDropDown && data.m_bPushed && !data.m_bHot && !data.m_bDropDownPushed)
            return clr(XCLR_FACE_NORMAL);
        return clr(XCLR_FACE_ACTIVE);
    };
    const COLORREF clrMainFace = faceOf(bMainPushed, false);
    const COLORREF clrFrame = (data.m_bFlat || bActive) ? clr(XCLR_HILIGHT_DISABLED) : clr(COLOR_3DDKSHADOW);
    const CRect rcButton(data.m_rcButton);
    CRect rcDropDown;
    const CRect rcMain = SplitPushButton(data, rcDropDown);

    // Frames: one colour on all four sides.
    auto frameRule = [&](bool bPartPushed) {
        if (bPartPushed)
            return !data.m_bFlat || data.m_bDrawBorder;
        return !data.m_bFlat || (data.m_bHot && data.m_bDrawBorder);
    };
    if (data.m_bDropDown)
    {
        PaintPushButtonFace(dc, rcDropDown, data, data.m_bHot, bStripPushed, faceOf(bStripPushed, true));
        if (data.m_bSplitDropDown && frameRule(bStripPushed))
            dc.Draw3dRect(&rcDropDown, clrFrame, clrFrame);
    }
    PaintPushButtonFace(dc, rcMain, data, data.m_bHot, bMainPushed, clrMainFace);
    const CRect rcFrame = data.m_bSplitDropDown ? rcMain : rcButton;
    if (frameRule(data.m_bPushed))
    {
        dc.Draw3dRect(&rcFrame, clrFrame, clrFrame);
        if (!data.m_bPushed && !data.m_bFlat && data.m_bHot)
            dc.Draw3dRect(&rcButton, clrFrame, clrFrame);
    }

    if (data.m_bDropDown)
        PaintPushButtonArrow(dc, data, rcDropDown, bStripPushed);

    CRect rcText = PaintPushButtonContent(dc, data, rcMain);
    if (!extpaint::IsEmptyRect(rcMain) && data.m_pszText[0] != 0)
    {
        if (data.m_bPushed || data.m_bDropDownPushed)
        {
            CSize sizePushed;
            GetPushedOffset(sizePushed);
            rcText.OffsetRect(sizePushed);
        }
        ::SetBkColor(hDC, clrMainFace);
        const COLORREF none = (COLORREF)-1;
        COLORREF clrText;
        if (!data.m_bEnabled)
            clrText = data.m_clrTextDisabled != none ? data.m_clrTextDisabled : clr(COLOR_3DSHADOW);
        else if (data.m_bHot && data.m_bPushed)
            clrText = data.m_clrTextPushed != none   ? data.m_clrTextPushed
                      : data.m_clrTextNormal != none ? data.m_clrTextNormal
                                                     : clr(XCLR_SHADOW_DISABLED);
        else
            clrText = data.m_clrTextNormal != none ? data.m_clrTextNormal : clr(COLOR_BTNTEXT);
        PaintPushButtonCaption(dc, data, rcText, clrText, true);
    }

    if (data.m_bFocusRect)
    {
        const CRect rcFocus = extpaint::Deflated(rcButton, 3, 3);
        ::SetTextColor(hDC, RGB(0, 0, 0));
        ::SetBkColor(hDC, RGB(255, 255, 255));
        ::DrawFocusRect(hDC, &rcFocus);
    }
}
