// Status-bar borders and panes, the resizing gripper and the text fields of tool bars, in the base,
// XP and Office 2003 styles.
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
#include "toolkit/foundation/ExtPaintManagerGlyph.h"

namespace
{

const int kBorder2 = 2; // twice the platform's border width
const int kTextFieldInsetX = 5;
const int kTextFieldInsetY = 2;

// CBRS_ border bits of the status bar's style.
const DWORD kBorder3D = 0x0080;
const DWORD kBorderLeft = 0x0100;
const DWORD kBorderTop = 0x0200;
const DWORD kBorderRight = 0x0400;
const DWORD kBorderBottom = 0x0800;

void PaintBarBorders(CDC& dc, const CRect& rc, DWORD dwStyle, COLORREF clrOuter, COLORREF clrInner)
{
    if ((dwStyle & (kBorderLeft | kBorderTop | kBorderRight | kBorderBottom)) == 0)
        return;
    int t = rc.top, b = rc.bottom;
    if (dwStyle & kBorderTop)
        t += kBorder2;
    if (dwStyle & kBorderBottom)
        b -= kBorder2;
    const bool b3d = (dwStyle & kBorder3D) != 0;
    const int nRight = b3d ? rc.right - 1 : rc.right, nBottom = b3d ? rc.bottom - 1 : rc.bottom;
    const int cx = rc.Width();
    if (dwStyle & kBorderLeft)
        dc.FillSolidRect(rc.left, t, 1, b - t, clrOuter);
    if (dwStyle & kBorderTop)
        dc.FillSolidRect(rc.left, rc.top, cx, 1, clrOuter);
    if (dwStyle & kBorderRight)
        dc.FillSolidRect(nRight - 1, t, 1, b - t, clrOuter);
    if (dwStyle & kBorderBottom)
        dc.FillSolidRect(rc.left, nBottom - 1, cx, 1, clrOuter);
    if (!b3d)
        return;
    if (dwStyle & kBorderLeft)
        dc.FillSolidRect(rc.left + 1, t, 1, b - t, clrInner);
    if (dwStyle & kBorderTop)
        dc.FillSolidRect(rc.left, rc.top + 1, cx, 1, clrInner);
    if (dwStyle & kBorderRight)
        dc.FillSolidRect(rc.right - 1, t, 1, b - t, clrInner);
    if (dwStyle & kBorderBottom)
        dc.FillSolidRect(rc.left, rc.bottom - 1, cx, 1, clrInner);
}

void FrameSolid(CDC& dc, const CRect& rc, COLORREF clr) { dc.Draw3dRect(&rc, clr, clr); }

// The field's text at the field rectangle moved in by (5, 2).
void PaintTextFieldText(CExtPaintManager& pm, CDC& dc, const CExtPaintManager::TextFieldPaintData& data)
{
    if (data.m_sText.IsEmpty())
        return;
    CFont* pOldFont = dc.SelectObject(&pm.m_fontNormal);
    const int nOldMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF clrOld = dc.SetTextColor(
        pm.GetTranslatedColor(data.m_bEnabled ? COLOR_BTNTEXT : COLOR_3DSHADOW, data.m_pHelperSrc, data.m_lParam));
    CRect rcText = data.m_rcTextField;
    rcText.left += kTextFieldInsetX;
    rcText.top += kTextFieldInsetY;
    dc.DrawText(data.m_sText, &rcText, data.m_nDrawTextFlags);
    dc.SetTextColor(clrOld);
    dc.SetBkMode(nOldMode);
    dc.SelectObject(pOldFont);
}

const CExtPaintManagerGlyph& DropDownGlyph() { return *g_arrSysCmdGlyphs[37]; }

} // namespace

void CExtPaintManager::PaintStatusBarPane(CDC& dc, StatusBarPanePaintData& data)
{
    const auto T = ColorsFor(data);
    if (data.m_nKind == 1)
        PaintBarBorders(dc, data.m_rc, data.m_dwStyle, T(XCLR_FACE_NORMAL), T(XCLR_FACE_NORMAL));
    else if (data.m_nKind == 2)
        dc.Draw3dRect(&data.m_rc, T(XCLR_SHADOW_NORMAL), T(XCLR_HILIGHT_NORMAL));
}

void CExtPaintManagerXP::PaintStatusBarPane(CDC& dc, StatusBarPanePaintData& data)
{
    if (data.m_nKind == 2)
        FrameSolid(dc, data.m_rc, GetTranslatedColor(COLOR_3DSHADOW, data.m_pHelperSrc, data.m_lParam));
    else
        CExtPaintManager::PaintStatusBarPane(dc, data);
}

void CExtPaintManagerOffice2003::PaintStatusBarPane(CDC& dc, StatusBarPanePaintData& data)
{
    if (data.m_nKind == 2)
        FrameSolid(dc, data.m_rc, GetTranslatedColor(XCLR_O2003_14, data.m_pHelperSrc, data.m_lParam));
    else
        CExtPaintManager::PaintStatusBarPane(dc, data);
}

// ---- text fields -------------------------------------------------------------------------------

void CExtPaintManager::PaintTextField(CDC& dc, TextFieldPaintData& data)
{
    const auto T = ColorsFor(data);
    CRect rcButton = data.m_rcButton;
    if (!data.m_bEnabled)
        rcButton.DeflateRect(1, 2);
    if (data.m_bComboField)
    {
        if (data.m_bEnabled)
        {
            ComboFramePaintData cf(data.m_pHelperSrc, rcButton, data.m_bHover, data.m_bPushed, data.m_bEnabled);
            cf.m_lParam = data.m_lParam;
            cf.m_bNoOuterRing = true;
            PaintComboFrame(dc, cf);
            dc.SelectClipRgn(nullptr);
        }
        else
        {
            FrameSolid(dc, rcButton, T(COLOR_WINDOW));
            CRect rcArrow = rcButton;
            rcArrow.left = rcArrow.right - ::GetSystemMetrics(SM_CXHTHUMB);
            const COLORREF clrs[2] = {0, T(COLOR_BTNTEXT)};
            PaintGlyphCentered(dc, rcArrow, DropDownGlyph(), clrs);
        }
    }
    else if (data.m_bEnabled)
    {
        if (data.m_bHover || data.m_bPushed)
            dc.Draw3dRect(&rcButton, T(COLOR_3DSHADOW), T(COLOR_3DHILIGHT));
    }
    else
        FrameSolid(dc, rcButton, T(COLOR_WINDOW));

    CRect rcField = data.m_rcTextField;
    if (!data.m_bEnabled)
        rcField.DeflateRect(0, 1);
    dc.FillSolidRect(&rcField, T(data.m_bEnabled ? COLOR_WINDOW : COLOR_3DFACE));
    PaintTextFieldText(*this, dc, data);
}

void CExtPaintManagerXP::PaintTextField(CDC& dc, TextFieldPaintData& data)
{
    const auto T = ColorsFor(data);
    const bool bActive = data.m_bHover || data.m_bPushed;
    CRect rcWork = data.m_rcTextField;
    rcWork.bottom++;
    if (bActive || !data.m_bEnabled)
        rcWork.InflateRect(1, 1);
    const int nSaved = dc.SaveDC();
    if (data.m_bComboField)
    {
        const int cxThumb = ::GetSystemMetrics(SM_CXHTHUMB);
        rcWork.right += cxThumb;
        CRect rcButtonPart = rcWork;
        rcButtonPart.left = rcButtonPart.right - cxThumb;
        if (data.m_bEnabled && !bActive)
        {
            CRect rcExclude = rcButtonPart;
            rcExclude.DeflateRect(4, 1, 1, 1);
            dc.ExcludeClipRect(&rcExclude);
        }
        dc.FillSolidRect(&rcWork, T(data.m_bEnabled ? COLOR_WINDOW : COLOR_3DFACE));
        dc.SelectClipRgn(nullptr);
        if (data.m_bHover && data.m_bEnabled)
        {
            rcButtonPart.left++;
            PushButtonPaintData pb(this, true, rcButtonPart, L"", nullptr, true, data.m_bHover, data.m_bPushed, false,
                                   data.m_bEnabled, false, false, false, 5);
            PaintPushButton(dc, pb);
            FrameSolid(dc, rcWork, T(XCLR_HILIGHT_DISABLED));
        }
        else if (!data.m_bEnabled)
            FrameSolid(dc, rcWork, T(XCLR_TEXT_ALT));
        CRect rcArrow = rcButtonPart;
        if (!data.m_bEnabled)
            rcArrow.left++;
        COLORREF clrArrow;
        if (data.m_bPushed)
            clrArrow = T(XCLR_SHADOW_DISABLED);
        else if (data.m_bEnabled)
            clrArrow = T(COLOR_BTNTEXT);
        else
            clrArrow = T(COLOR_3DSHADOW);
        const COLORREF clrs[2] = {0, clrArrow};
        PaintGlyphCentered(dc, rcArrow, DropDownGlyph(), clrs);
    }
    else
    {
        dc.FillSolidRect(&rcWork, T(data.m_bEnabled ? COLOR_WINDOW : COLOR_3DFACE));
        if (data.m_bEnabled && bActive)
            FrameSolid(dc, rcWork, T(XCLR_HILIGHT_DISABLED));
        else if (!data.m_bEnabled)
            FrameSolid(dc, rcWork, T(XCLR_TEXT_ALT));
    }
    dc.RestoreDC(nSaved);
    PaintTextFieldText(*this, dc, data);
}

// ---- resizing grippers -------------------------------------------------------------------------

void CExtPaintManager::PaintResizingGripper(CDC& dc, const RECT& rcGripper, CObject* pHelperSrc, LPARAM lParam)
{
    CRect rc(rcGripper);
    if (rc.left > rc.right || rc.top > rc.bottom || !dc.RectVisible(&rc))
        return;
    CFont* pOldFont = dc.SelectObject(&m_fontMarlett);
    const COLORREF clrOld = dc.SetTextColor(GetTranslatedColor(XCLR_TEXT_NORMAL, pHelperSrc, lParam));
    const int nOldMode = dc.SetBkMode(TRANSPARENT);
    dc.DrawText(L"o", 1, &rc, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
    dc.SetBkMode(nOldMode);
    dc.SetTextColor(clrOld);
    dc.SelectObject(pOldFont);
}

void CExtPaintManagerOffice2003::PaintResizingGripper(CDC& dc, const RECT& rcGripper, CObject* pHelperSrc,
                                                      LPARAM lParam)
{
    if (GetSurfaceBitsPerPixel(dc.GetSafeHdc()) <= 8)
    {
        CExtPaintManager::PaintResizingGripper(dc, rcGripper, pHelperSrc, lParam);
        return;
    }
    const CRect rc(rcGripper);
    if (rc.left > rc.right || rc.top > rc.bottom || !dc.RectVisible(&rc))
        return;
    const COLORREF clrLight = GetTranslatedColor(XCLR_O2003_02, pHelperSrc, lParam);
    const COLORREF clrDark = GetTranslatedColor(XCLR_O2003_03, pHelperSrc, lParam);
    // Three dots in the rightmost column, two in the next, one in the third, from the bottom.
    for (int nColumn = 0; nColumn < 3; nColumn++)
    {
        for (int nDot = 0; nDot < 3 - nColumn; nDot++)
        {
            const int x = rc.right - nColumn * kGripperDotPitch, y = rc.bottom - nDot * kGripperDotPitch;
            dc.FillSolidRect(x - 3, y - 3, 2, 2, clrLight);
            dc.FillSolidRect(x - 2, y - 2, 2, 2, clrDark);
        }
    }
}
