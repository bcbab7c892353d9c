// CExtPaintManager popup-menu painting: items, separators, the menu border and the border of a menu
// combined with its owner button, with the menu metrics; base, XP and Office 2003 forms.
#include "toolkit/foundation/ExtPaintManagerDraw.h"
#include "toolkit/foundation/ExtPaintManagerGlyph.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
#include <algorithm>
#include <vector>

namespace
{

// Draws the one-pixel edges of rc with per-side colours; nOpenSide (1 bottom, 2 top, 3 left,
// 4 right) is left undrawn.
void DrawEdgesOpen(CDC& dc, const RECT& rc, COLORREF clrTopLeft, COLORREF clrBottomRight, int nOpenSide)
{
    const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    if (cx <= 0 || cy <= 0)
        return;
    // Next to the open side the neighbouring edges run to its end.
    if (nOpenSide != 2)
        dc.FillSolidRect(rc.left, rc.top, nOpenSide == 4 ? cx : cx - 1, 1, clrTopLeft);
    if (nOpenSide != 3)
        dc.FillSolidRect(rc.left, rc.top, 1, nOpenSide == 1 ? cy : cy - 1, clrTopLeft);
    if (nOpenSide != 4)
        dc.FillSolidRect(rc.right - 1, rc.top, 1, cy, clrBottomRight);
    if (nOpenSide != 1)
        dc.FillSolidRect(rc.left, rc.bottom - 1, cx, 1, clrBottomRight);
}

// Where a menu item's icon goes when a check box stands beside it: the right half of the icon box.
CRect IconBesideCheck(const CRect& rcBox)
{
    return CRect(rcBox.left + rcBox.Width() / 2 - 2, rcBox.top, rcBox.right - 2, rcBox.bottom);
}

// The check box beside a menu item's icon: a square of the row's height less two, one pixel inside
// the row's top-left corner.
CRect CheckBesideIcon(const RECT& rcItem)
{
    const int nSide = rcItem.bottom - rcItem.top - 2;
    return CRect(rcItem.left + 1, rcItem.top + 1, rcItem.left + 1 + nSide, rcItem.top + 1 + nSide);
}

// A check mark (or a radio dot) centred in rcBox.
void PaintMarkCentered(CDC& dc, const CRect& rcBox, bool bChecked, COLORREF clr)
{
    const CPoint pt = rcBox.CenterPoint();
    if (bChecked)
        CExtPaintManager::PaintMenuCheckMark(dc, pt.x - 3, pt.y - 3, clr);
    else
        CExtPaintManager::PaintMenuRadioDot(dc, pt.x - 3, pt.y - 3, clr);
}

// A menu text for DrawStateW's DST_COMPLEX: the text with "&" prefixes and the font to draw it in.
struct MenuTextDraw
{
    LPCTSTR pszText;
    HFONT hFont;
};

// Draws prefix text as DST_PREFIXTEXT does, but places every character at its advance width and
// the mnemonic's underline from the same widths, so that the underline stays under its character
// where the font's own layout (kerning) would move the text against its measured extents.
BOOL CALLBACK DrawMenuPrefixText(HDC hDC, LPARAM lData, WPARAM, int, int)
{
    const MenuTextDraw& draw = *(const MenuTextDraw*)lData;
    CString sVisible;
    int nMnemonic = -1;
    for (LPCTSTR p = draw.pszText; *p != 0; ++p)
    {
        if (*p == L'&' && p[1] != 0)
        {
            ++p;
            if (*p != L'&' && nMnemonic < 0)
                nMnemonic = sVisible.GetLength();
        }
        sVisible += *p;
    }
    const int nLength = sVisible.GetLength();
    if (nLength == 0)
        return TRUE;
    const HGDIOBJ hOldFont = ::SelectObject(hDC, draw.hFont);
    std::vector<INT> ends((size_t)nLength), advances((size_t)nLength);
    SIZE size = {0, 0};
    ::GetTextExtentExPointW(hDC, sVisible, nLength, 0, nullptr, ends.data(), &size);
    for (int i = 0; i < nLength; ++i)
        advances[(size_t)i] = ends[(size_t)i] - (i > 0 ? ends[(size_t)i - 1] : 0);
    ::ExtTextOutW(hDC, 0, 0, 0, nullptr, sVisible, (UINT)nLength, advances.data());
    if (nMnemonic >= 0)
    {
        TEXTMETRICW tm = {};
        ::GetTextMetricsW(hDC, &tm);
        const int x = nMnemonic > 0 ? ends[(size_t)nMnemonic - 1] : 0;
        CDC::FromHandle(hDC)->FillSolidRect(x, tm.tmAscent + 1, ends[(size_t)nMnemonic] - x - 1, 1,
                                            ::GetTextColor(hDC));
    }
    ::SelectObject(hDC, hOldFont);
    return TRUE;
}

CRect ShrinkOnSide(const RECT& rc, int nSide, int t)
{
    CRect r(rc);
    switch (nSide)
    {
    case 1: r.bottom -= t; break;
    case 2: r.top += t; break;
    case 3: r.left += t; break;
    case 4: r.right -= t; break;
    default: break;
    }
    return r;
}

} // namespace

// ---- metrics ---------------------------------------------------------------------------------

int CExtPaintManager::GetMetric47() { return 4; }

int CExtPaintManager::GetMetric48() { return 2; }

int CExtPaintManagerXP::GetMetric48() { return 1; }

bool CExtPaintManager::IsMenuCombinedWithOwner() { return false; }

bool CExtPaintManagerXP::IsMenuCombinedWithOwner() { return true; }

// ---- shared item parts -----------------------------------------------------------------------

CRect CExtPaintManager::MenuIconColumn(const MenuItemPaintData& data)
{
    return CRect(data.m_rcItem.left, data.m_rcItem.top, data.m_rcItem.left + data.m_nIconAreaWidth,
                 data.m_rcItem.bottom);
}

void CExtPaintManager::PaintMenuItemTexts(CDC& dc, const MenuItemPaintData& data, const CRect& rcText, COLORREF clrText,
                                          HBRUSH hDisabledBrush)
{
    const HDC hDC = dc.GetSafeHdc();
    extpaint::ScopedDCState state(hDC);
    ::SelectObject(hDC, (HFONT)m_fontNormal.GetSafeHandle());
    ::SetTextColor(hDC, clrText);
    ::SetBkMode(hDC, TRANSPARENT);
    const UINT nStateFlags = data.m_bEnabled ? 0u : (UINT)m_nDisabledTextStateFlags;
    auto drawAt = [&](LPCTSTR psz, bool bAccel) {
        if (psz == nullptr || psz[0] == 0)
            return;
        CRect rcCalc(0, 0, 0, 0);
        ::DrawTextW(hDC, psz, -1, &rcCalc, DT_CALCRECT | DT_SINGLELINE);
        const int y = rcText.top + (rcText.Height() - rcCalc.Height()) / 2;
        const int x = bAccel ? rcText.right - rcCalc.Width() - 16 : rcText.left;
        const HBRUSH hBrush = data.m_bEnabled ? nullptr : hDisabledBrush;
        // A text without a mnemonic keeps the font's own layout.
        if (wcschr(psz, L'&') == nullptr)
        {
            ::DrawStateW(hDC, hBrush, nullptr, (LPARAM)psz, 0, x, y, rcCalc.Width(), rcCalc.Height(),
                         DST_PREFIXTEXT | nStateFlags);
            return;
        }
        MenuTextDraw draw = {psz, (HFONT)m_fontNormal.GetSafeHandle()};
        ::DrawStateW(hDC, hBrush, &DrawMenuPrefixText, (LPARAM)&draw, 0, x, y, rcCalc.Width(), rcCalc.Height(),
                     DST_COMPLEX | nStateFlags);
    };
    drawAt(data.m_pszText, false);
    drawAt(data.m_pszAccelText, true);
}

void CExtPaintManager::PaintMenuSubmenuArrow(CDC& dc, const MenuItemPaintData& data, const CRect& rcArrow,
                                             COLORREF clrArrow)
{
    if (extpaint::IsEmptyRect(rcArrow))
        return;
    if (data.m_bSubmenuGlyph)
    {
        const COLORREF clrs[2] = {0, clrArrow};
        PaintGlyphCentered(dc, rcArrow, data.m_bSubmenuApart ? g_glyphMenuSubmenuArrowBar : g_glyphMenuSubmenuArrow,
                           clrs);
        return;
    }
    const HDC hDC = dc.GetSafeHdc();
    extpaint::ScopedDCState state(hDC);
    ::SelectObject(hDC, (HFONT)m_fontMarlett.GetSafeHandle());
    ::SetTextColor(hDC, clrArrow);
    ::SetBkMode(hDC, TRANSPARENT);
    CRect r(rcArrow);
    // Marlett's "4" is the right-pointing triangle.
    ::DrawTextW(hDC, L"4", 1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// ---- base form -------------------------------------------------------------------------------

void CExtPaintManager::PaintMenuItem(CDC& dc, MenuItemPaintData& data)
{
    if (extpaint::IsEmptyRect(data.m_rcItem))
        return;
    const HDC hDC = dc.GetSafeHdc();
    extpaint::ScopedDCState state(hDC);
    const auto clr = ColorsFor(data);
    const HBRUSH hHalftone = (HBRUSH)m_brushLight50.GetSafeHandle();
    const CRect rcRow(data.m_rcItemWithIndent);

    COLORREF clrBk = clr(XCLR_FACE_NORMAL), clrText = clr(XCLR_TEXT_NORMAL);
    dc.FillSolidRect(&rcRow, clrBk);
    if (data.m_bSelected)
    {
        clrBk = clr(COLOR_HIGHLIGHT);
        clrText = clr(COLOR_HIGHLIGHTTEXT);
    }
    if (data.m_bRarelyUsed)
    {
        extpaint::FillBrush(hDC, rcRow, hHalftone);
        if (!data.m_bRarelyUsedPrev)
            dc.FillSolidRect(rcRow.left, rcRow.top, rcRow.Width(), 1, clr(COLOR_3DSHADOW));
        if (!data.m_bRarelyUsedNext)
            dc.FillSolidRect(rcRow.left, rcRow.bottom - 1, rcRow.Width(), 1, clr(COLOR_3DHILIGHT));
    }

    const bool bHasIcon = IsCmdIconPaintable(data.m_pIcon);
    const bool bMarked = data.m_bChecked || data.m_bRadio;
    const bool bIconColumn = bHasIcon || bMarked;
    const CRect rcBox = MenuIconColumn(data);
    if (data.m_bSelected || !data.m_bRarelyUsed)
    {
        CRect rcSel(rcRow);
        if (bIconColumn)
            rcSel.left = rcBox.right;
        dc.FillSolidRect(&rcSel, clrBk);
    }

    const CRect rcIcon = data.m_bCheckBesideIcon ? IconBesideCheck(rcBox) : rcBox;
    if (data.m_bCheckBesideIcon && data.m_bCheckBesideIconShown)
    {
        const CRect rcCheck = CheckBesideIcon(data.m_rcItem);
        extpaint::FillBrush(hDC, rcCheck, hHalftone);
        PaintMarkCentered(dc, rcCheck, true, clr(XCLR_TEXT_NORMAL));
        dc.Draw3dRect(&rcCheck, clr(XCLR_SHADOW_NORMAL), clr(XCLR_HILIGHT_NORMAL));
    }
    if (bMarked)
        extpaint::FillBrush(hDC, rcBox, hHalftone);
    if (!bHasIcon)
        PaintSysCmdGlyph(dc, data.m_nCmdId, rcIcon, data.m_bSelected, false, data.m_bEnabled);
    else
    {
        PaintCmdIconCentered(dc, data.m_pIcon, rcIcon, data.m_bEnabled);
        if (data.m_bSelected && data.m_bEnabled && !bMarked)
            dc.Draw3dRect(&rcBox, clr(XCLR_HILIGHT_NORMAL), clr(XCLR_SHADOW_NORMAL));
    }
    if (bMarked && !bHasIcon)
        PaintMarkCentered(dc, rcBox, data.m_bChecked, clr(XCLR_TEXT_NORMAL));
    if (bMarked)
        dc.Draw3dRect(&rcBox, clr(XCLR_SHADOW_NORMAL), clr(XCLR_HILIGHT_NORMAL));

    CRect rcText = extpaint::Deflated(data.m_rcItem, 3, 3);
    if (bIconColumn)
        rcText.left = rcBox.right + 3;
    PaintMenuItemTexts(dc, data, rcText, clrText, nullptr);

    if (data.m_bPopup)
    {
        const CRect rcInner = extpaint::Deflated(data.m_rcItem, 3, 3);
        const CRect rcArrow(rcInner.right - 16, rcInner.top, rcInner.right, rcInner.bottom);
        if (!data.m_bSubmenuGlyph && data.m_bSubmenuApart)
        {
            dc.FillSolidRect(&rcArrow, clr(XCLR_FACE_NORMAL));
            PaintSeparator(dc, CRect(rcArrow.left - 2, rcArrow.top, rcArrow.left + 2, rcArrow.bottom), true, true,
                           data.m_pHelperSrc, data.m_lParam);
        }
        PaintMenuSubmenuArrow(dc, data, rcArrow, data.m_bSelected ? clr(COLOR_HIGHLIGHTTEXT) : clr(XCLR_TEXT_NORMAL));
    }
}

void CExtPaintManager::PaintMenuSeparator(CDC& dc, const RECT& rc, int nIconAreaWidth, bool bRarelyUsed,
                                          CObject* pHelperSrc, LPARAM lParam)
{
    (void)nIconAreaWidth;
    if (extpaint::IsEmptyRect(rc))
        return;
    const HDC hDC = dc.GetSafeHdc();
    if (bRarelyUsed)
        extpaint::FillBrush(hDC, rc, (HBRUSH)m_brushLight50.GetSafeHandle());
    else
        dc.FillSolidRect(&rc, GetTranslatedColor(XCLR_FACE_NORMAL, pHelperSrc, lParam));
    CRect r(rc);
    const int nIndent = ::GetSystemMetrics(SM_CXSMICON) / 2;
    r.DeflateRect(nIndent, 0);
    r.top += (r.Height() - 2) / 2;
    r.bottom = r.top + 2;
    dc.Draw3dRect(&r, GetTranslatedColor(bRarelyUsed ? XCLR_FACE_NORMAL : XCLR_SHADOW_NORMAL, pHelperSrc, lParam),
                  GetTranslatedColor(XCLR_HILIGHT_NORMAL, pHelperSrc, lParam));
}

void CExtPaintManager::PaintMenuPart49(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam)
{
    if (extpaint::IsEmptyRect(rc))
        return;
    const auto clr = ColorsFor(pHelperSrc, lParam);
    CRect r(rc);
    dc.Draw3dRect(&r, clr(XCLR_FACE_NORMAL), clr(XCLR_DKSHADOW_NORMAL));
    r.DeflateRect(1, 1);
    dc.Draw3dRect(&r, clr(XCLR_HILIGHT_NORMAL), clr(XCLR_SHADOW_NORMAL));
    for (int i = 0; i < 2; i++)
    {
        r.DeflateRect(1, 1);
        dc.Draw3dRect(&r, clr(XCLR_FACE_NORMAL), clr(XCLR_FACE_NORMAL));
    }
}

void CExtPaintManager::PaintMenuPart51(CDC& dc, const RECT& rcMenu, const RECT& rcOwner, int nSide, CObject* pHelperSrc,
                                       LPARAM lParam)
{
    (void)rcOwner;
    if (extpaint::IsEmptyRect(rcMenu))
        return;
    const HDC hDC = dc.GetSafeHdc();
    extpaint::ScopedDCState state(hDC);
    const auto clr = ColorsFor(pHelperSrc, lParam);
    dc.FillSolidRect(&rcMenu, clr(XCLR_FACE_NORMAL));
    CRect r = ShrinkOnSide(rcMenu, nSide, GetMetric48() - 1);
    DrawEdgesOpen(dc, r, clr(XCLR_FACE_NORMAL), clr(XCLR_DKSHADOW_NORMAL), nSide);
    r.DeflateRect(1, 1);
    DrawEdgesOpen(dc, r, clr(XCLR_HILIGHT_NORMAL), clr(XCLR_SHADOW_NORMAL), nSide);
}

// ---- XP form ---------------------------------------------------------------------------------

void CExtPaintManagerXP::PaintMenuIconColumn(CDC& dc, const RECT& rc, bool bRarelyUsed, CObject* pHelperSrc,
                                             LPARAM lParam)
{
    if (extpaint::IsEmptyRect(rc))
        return;
    const int* pIds = &m_nMenuGradientClrIds[bRarelyUsed ? 3 : 0];
    if (GetDeviceBitsPerPixel(dc.GetSafeHdc()) > 8 && pIds[0] != -1 && pIds[1] != -1 && pIds[2] != -1)
    {
        PaintGradientBand3(dc, rc, GetTranslatedColor(pIds[0], pHelperSrc, lParam),
                           GetTranslatedColor(pIds[1], pHelperSrc, lParam),
                           GetTranslatedColor(pIds[2], pHelperSrc, lParam), false, 1, 2, 256);
        return;
    }
    dc.FillSolidRect(&rc, GetTranslatedColor(bRarelyUsed ? XCLR_HILIGHT_ALT : XCLR_FACE_NORMAL, pHelperSrc, lParam));
}

void CExtPaintManagerXP::PaintMenuItem(CDC& dc, MenuItemPaintData& data)
{
    if (extpaint::IsEmptyRect(data.m_rcItem))
        return;
    const HDC hDC = dc.GetSafeHdc();
    extpaint::ScopedDCState state(hDC);
    const auto clr = ColorsFor(data);
    // The row reaches over the item's top and bottom margins, so that the icon column (a gradient
    // in Office 2003) runs on unbroken from item to item.
    CRect rcRow(data.m_rcItemWithIndent);
    rcRow.top = std::min(rcRow.top, data.m_rcItem.top);
    rcRow.bottom = std::max(rcRow.bottom, data.m_rcItem.bottom);
    const CRect rcBox = MenuIconColumn(data);
    CRect rcRest(rcRow);
    if (!data.m_bNoIconColumn)
    {
        const CRect rcColumn(rcRow.left, rcRow.top, rcBox.right, rcRow.bottom);
        PaintMenuIconColumn(dc, rcColumn, data.m_bRarelyUsed, data.m_pHelperSrc, data.m_lParam);
        rcRest.left = rcColumn.right;
    }
    dc.FillSolidRect(&rcRest, clr(XCLR_FACE_ALT));

    const COLORREF clrFrame = clr(XCLR_HILIGHT_DISABLED);
    if (data.m_bSelected)
    {
        dc.FillSolidRect(&data.m_rcItem, clr(XCLR_FACE_ACTIVE));
        dc.Draw3dRect(&data.m_rcItem, clrFrame, clrFrame);
    }

    const bool bHasIcon = IsCmdIconPaintable(data.m_pIcon);
    const bool bMarked = data.m_bChecked || data.m_bRadio;
    const CRect rcMarkBox = extpaint::Deflated(rcBox, 1, 1);
    const CRect rcIcon = data.m_bCheckBesideIcon ? IconBesideCheck(rcBox) : rcBox;
    if (data.m_bCheckBesideIcon && data.m_bCheckBesideIconShown)
    {
        const CRect rcCheck = CheckBesideIcon(data.m_rcItem);
        dc.FillSolidRect(&rcCheck, clr(data.m_bSelected ? XCLR_LIGHT_ALT : XCLR_FACE_ACTIVE));
        dc.Draw3dRect(&rcCheck, clrFrame, clrFrame);
        PaintMarkCentered(dc, rcCheck, true, clr(XCLR_TEXT_NORMAL));
    }
    if (bMarked)
    {
        dc.FillSolidRect(&rcMarkBox, clr(data.m_bSelected ? XCLR_LIGHT_ALT : XCLR_FACE_ACTIVE));
        dc.Draw3dRect(&rcMarkBox, clrFrame, clrFrame);
    }
    if (!bHasIcon)
        PaintSysCmdGlyph(dc, data.m_nCmdId, rcIcon, data.m_bSelected, false, data.m_bEnabled);
    else
        PaintCmdIconCentered(dc, data.m_pIcon, rcIcon, data.m_bEnabled);
    if (bMarked && !bHasIcon)
        PaintMarkCentered(dc, rcBox, data.m_bChecked, clr(XCLR_TEXT_NORMAL));

    CRect rcText = extpaint::Deflated(data.m_rcItem, 3, 3);
    if (data.m_nIconAreaWidth > 0)
        rcText.left = rcBox.right + 3;
    CBrush brushDisabled;
    brushDisabled.CreateSolidBrush(clr(COLOR_3DSHADOW));
    PaintMenuItemTexts(dc, data, rcText, clr(XCLR_TEXT_NORMAL), (HBRUSH)brushDisabled.GetSafeHandle());

    if (data.m_bPopup)
    {
        const CRect rcInner = extpaint::Deflated(rcRow, 3, 3);
        const CRect rcArrow(rcInner.right - 16, rcInner.top, rcInner.right, rcInner.bottom);
        if (data.m_bSubmenuApart && !data.m_bSelected)
            PaintSeparator(dc, CRect(rcArrow.left - 2, rcArrow.top, rcArrow.left + 2, rcArrow.bottom), true, true,
                           data.m_pHelperSrc, data.m_lParam);
        PaintMenuSubmenuArrow(dc, data, rcArrow, data.m_bSelected ? clr(COLOR_HIGHLIGHTTEXT) : clr(XCLR_TEXT_NORMAL));
    }
}

void CExtPaintManagerXP::PaintMenuSeparator(CDC& dc, const RECT& rc, int nIconAreaWidth, bool bRarelyUsed,
                                            CObject* pHelperSrc, LPARAM lParam)
{
    if (extpaint::IsEmptyRect(rc))
        return;
    const HDC hDC = dc.GetSafeHdc();
    const auto clr = ColorsFor(pHelperSrc, lParam);
    dc.FillSolidRect(&rc, clr(bRarelyUsed ? XCLR_HILIGHT_ALT : XCLR_FACE_NORMAL));
    const CRect rcColumn(rc.left, rc.top, rc.left + nIconAreaWidth, rc.bottom);
    const int* pIds = &m_nMenuGradientClrIds[bRarelyUsed ? 3 : 0];
    if (GetDeviceBitsPerPixel(hDC) > 8 && pIds[0] != -1 && pIds[1] != -1 && pIds[2] != -1)
        PaintMenuIconColumn(dc, rcColumn, bRarelyUsed, pHelperSrc, lParam);
    const CRect rcRest(rcColumn.right, rc.top, rc.right, rc.bottom);
    dc.FillSolidRect(&rcRest, clr(XCLR_FACE_ALT));
    const int nHeight = rc.bottom - rc.top;
    dc.FillSolidRect(CRect(rcColumn.right + 3, rc.top - 1 + nHeight / 2, rc.right, rc.top + nHeight / 2),
                     clr(XCLR_LIGHT_DISABLED));
}

void CExtPaintManagerXP::PaintMenuPart49(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam)
{
    if (extpaint::IsEmptyRect(rc))
        return;
    CRect r(rc);
    dc.Draw3dRect(&r, GetTranslatedColor(XCLR_SHADOW_ALT, pHelperSrc, lParam),
                  GetTranslatedColor(XCLR_SHADOW_ALT, pHelperSrc, lParam));
    for (int i = 0; i < 2; i++)
    {
        r.DeflateRect(1, 1);
        dc.Draw3dRect(&r, GetTranslatedColor(XCLR_FACE_ALT, pHelperSrc, lParam),
                      GetTranslatedColor(XCLR_FACE_ALT, pHelperSrc, lParam));
    }
}

void CExtPaintManagerXP::PaintMenuPart51(CDC& dc, const RECT& rcMenu, const RECT& rcOwner, int nSide,
                                         CObject* pHelperSrc, LPARAM lParam)
{
    PaintCombinedMenuBorder(dc, rcMenu, nSide, GetTranslatedColor(XCLR_FACE_DISABLED, pHelperSrc, lParam),
                            GetTranslatedColor(XCLR_SHADOW_ALT, pHelperSrc, lParam));
    (void)rcOwner;
}

void CExtPaintManagerXP::PaintCombinedMenuBorder(CDC& dc, const RECT& rcMenu, int nSide, COLORREF clrFill,
                                                 COLORREF clrBorder)
{
    if (extpaint::IsEmptyRect(rcMenu))
        return;
    const HDC hDC = dc.GetSafeHdc();
    extpaint::ScopedDCState state(hDC);
    dc.FillSolidRect(&rcMenu, clrFill);
    const CRect r = ShrinkOnSide(rcMenu, nSide, GetMetric48() - 1);
    DrawEdgesOpen(dc, r, clrBorder, clrBorder, nSide);
}

void CExtPaintManagerOffice2003::PaintMenuPart51(CDC& dc, const RECT& rcMenu, const RECT& rcOwner, int nSide,
                                                 CObject* pHelperSrc, LPARAM lParam)
{
    PaintCombinedMenuBorder(dc, rcMenu, nSide, GetTranslatedColor(XCLR_O2003_08, pHelperSrc, lParam),
                            GetTranslatedColor(XCLR_SHADOW_ALT, pHelperSrc, lParam));
    (void)rcOwner;
}
