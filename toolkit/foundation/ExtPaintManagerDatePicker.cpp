// Date-picker parts in the base, XP and Office 2003 styles: captions, grips, frames and buttons of
// the month calendar and of the popups that carry them.
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
#include "toolkit/foundation/ExtPaintManagerGlyph.h"
#include "platform/Wnd.h"

namespace
{

const int kCaptionTextInset = 5;
const int kGripBoxWidth = 36;
const int kGripBoxHeight = 3;
const int kGripDots = 9;
const int kGripDotPitch = 4;

// The caption text of the calendar parts in the icon-title font (bold Arial 20 for the title).
void PaintCaptionText(CDC& dc, const RECT& rcPart, LPCTSTR pszText, COLORREF clrText, bool bTitleFont)
{
    LOGFONT lf = {};
    if (!::SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(lf), &lf, 0))
        return;
    if (bTitleFont)
    {
        ::lstrcpynW(lf.lfFaceName, L"Arial", LF_FACESIZE);
        lf.lfWeight = FW_BOLD;
        lf.lfHeight = 20;
    }
    CFont font;
    if (!font.CreateFontIndirect(&lf))
        return;
    const CString sText(pszText != nullptr ? pszText : L"");
    CFont* pOldFont = dc.SelectObject(&font);
    const int nOldMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF clrOld = dc.SetTextColor(clrText);
    const UINT nFlags = sText.Find(L'\t') >= 0 ? (DT_WORDBREAK | DT_EXPANDTABS) : DT_WORDBREAK;
    const CRect rc(rcPart);
    CRect rcMeasure(0, 0, rc.Width(), rc.Height());
    dc.DrawText(sText, &rcMeasure, nFlags | DT_CALCRECT);
    CRect rcText(rc.left + kCaptionTextInset, rc.top + (rc.Height() - rcMeasure.Height()) / 2, 0, 0);
    rcText.right = rcText.left + rcMeasure.Width();
    rcText.bottom = rcText.top + rcMeasure.Height();
    rcText.IntersectRect(rcText, rc);
    dc.DrawText(sText, &rcText, nFlags | DT_END_ELLIPSIS);
    dc.SetTextColor(clrOld);
    dc.SetBkMode(nOldMode);
    dc.SelectObject(pOldFont);
    // The DC no longer holds the font; it goes now rather than piling up at each paint.
    font.DeleteObject();
}

bool Visible(CDC& dc, const RECT& rc) { return dc.RectVisible(&rc) != FALSE; }

} // namespace

void CExtPaintManager::PaintDatePickerPart73(CDC& dc, const RECT& rc, CObject* pHelperSrc)
{
    if (Visible(dc, rc))
        dc.FillSolidRect(&rc, GetTranslatedColor(COLOR_WINDOW, this, 0));
}

void CExtPaintManager::PaintDatePickerPart74(CDC& dc, const RECT& rc)
{
    if (Visible(dc, rc))
        dc.Draw3dRect(&rc, GetTranslatedColor(COLOR_WINDOW, this, 0), GetTranslatedColor(COLOR_3DSHADOW, this, 0));
}

void CExtPaintManagerXP::PaintDatePickerPart74(CDC& dc, const RECT& rc)
{
    if (!Visible(dc, rc))
        return;
    const COLORREF clr = GetTranslatedColor(COLOR_3DSHADOW, this, 0);
    dc.Draw3dRect(&rc, clr, clr);
}

void CExtPaintManagerOffice2003::PaintDatePickerPart74(CDC& dc, const RECT& rc)
{
    if (!Visible(dc, rc))
        return;
    const COLORREF clr = GetTranslatedColor(XCLR_O2003_27, this, 0);
    dc.Draw3dRect(&rc, clr, clr);
}

void CExtPaintManager::PaintDatePickerPart75(CDC& dc, const RECT& rc, LPCTSTR pszText, LPCTSTR pszText2, bool bFramed,
                                             bool bPushed, bool bHover)
{
    if (!Visible(dc, rc))
        return;
    const auto T = ColorsFor(this, 0);
    CRect r(rc);
    if (bFramed)
        r.DeflateRect(1, 0, 1, 1);
    dc.FillSolidRect(&r, T(COLOR_3DSHADOW));
    if (bFramed)
        dc.FillSolidRect(CRect(r.left, r.top + 1, r.right, r.bottom), T(COLOR_3DDKSHADOW));
    if (bPushed)
        dc.Draw3dRect(&r, T(COLOR_3DDKSHADOW), T(COLOR_WINDOW));
    else if (bHover)
        dc.Draw3dRect(&r, T(COLOR_WINDOW), T(COLOR_3DDKSHADOW));
    PaintDatePickerText78(dc, rc, pszText, pszText2, bFramed, bPushed, bHover, true);
}

void CExtPaintManagerXP::PaintDatePickerPart75(CDC& dc, const RECT& rc, LPCTSTR pszText, LPCTSTR pszText2, bool bFramed,
                                               bool bPushed, bool bHover)
{
    if (!Visible(dc, rc))
        return;
    CRect r(rc);
    if (bFramed)
    {
        const COLORREF clr = GetTranslatedColor(COLOR_3DSHADOW, this, 0);
        dc.Draw3dRect(&r, clr, clr);
        r.DeflateRect(1, 1);
    }
    if (bHover || bPushed)
    {
        PushButtonPaintData pb(this, true, r, L"", nullptr, true, bHover, bPushed, false, true, false, false, false, 5);
        PaintPushButton(dc, pb);
    }
    else
        dc.FillSolidRect(
            &r, GetTranslatedColor(GetSurfaceBitsPerPixel(dc.GetSafeHdc()) <= 8 ? XCLR_FACE_ALT : XCLR_FACE_NORMAL,
                                   this, 0));
    PaintDatePickerText78(dc, rc, pszText, pszText2, bFramed, bPushed, bHover, true);
}

void CExtPaintManagerOffice2003::PaintDatePickerPart75(CDC& dc, const RECT& rc, LPCTSTR pszText, LPCTSTR pszText2,
                                                       bool bFramed, bool bPushed, bool bHover)
{
    if (!Visible(dc, rc))
        return;
    CRect r(rc);
    if (bFramed)
    {
        const COLORREF clr = GetTranslatedColor(XCLR_O2003_27, this, 0);
        dc.Draw3dRect(&r, clr, clr);
        r.DeflateRect(1, 1);
    }
    if (bHover || bPushed)
    {
        PushButtonPaintData pb(this, true, r, L"", nullptr, true, bHover, bPushed, false, true, false, false, false, 5);
        PaintPushButton(dc, pb);
    }
    else if (GetSurfaceBitsPerPixel(dc.GetSafeHdc()) > 8)
        PaintGradientRect(dc, r, GetTranslatedColor(XCLR_O2003_33, this, 0), GetTranslatedColor(XCLR_O2003_32, this, 0),
                          true, 256);
    else
        dc.FillSolidRect(&r, GetTranslatedColor(XCLR_FACE_ALT, this, 0));
    PaintDatePickerText78(dc, rc, pszText, pszText2, bFramed, bPushed, bHover, true);
}

void CExtPaintManager::PaintDatePickerText76(CDC& dc, const RECT& rc, LPCTSTR pszText)
{
    if (Visible(dc, rc))
        PaintCaptionText(dc, rc, pszText, GetTranslatedColor(COLOR_WINDOW, this, 0), true);
}

void CExtPaintManager::PaintDatePickerPart77(CDC& dc, const RECT& rc, LPCTSTR pszText)
{
    if (!Visible(dc, rc))
        return;
    dc.FillSolidRect(&rc, GetTranslatedColor(COLOR_3DSHADOW, this, 0));
    PaintDatePickerText76(dc, rc, pszText);
}

void CExtPaintManagerOffice2003::PaintDatePickerPart77(CDC& dc, const RECT& rc, LPCTSTR pszText)
{
    if (!Visible(dc, rc))
        return;
    if (GetSurfaceBitsPerPixel(dc.GetSafeHdc()) <= 8)
    {
        CExtPaintManagerXP::PaintDatePickerPart77(dc, rc, pszText);
        return;
    }
    PaintGradientRect(dc, rc, GetTranslatedColor(XCLR_O2003_29, this, 0), GetTranslatedColor(XCLR_O2003_28, this, 0),
                      true, 256);
    PaintDatePickerText76(dc, rc, pszText);
}

void CExtPaintManager::PaintDatePickerText78(CDC& dc, const RECT& rc, LPCTSTR pszText, LPCTSTR pszText2, bool bFramed,
                                             bool bPushed, bool bHover, bool bFlag)
{
    if (!Visible(dc, rc))
        return;
    // White on the base style's dark framed fill, the button text colour elsewhere.
    const bool bOnDarkFill = bFlag && bFramed && GetThemeKind() == 1;
    PaintCaptionText(dc, rc, pszText, GetTranslatedColor(bOnDarkFill ? COLOR_WINDOW : COLOR_BTNTEXT, this, 0), false);
}

void CExtPaintManager::PaintDatePickerText79(CDC& dc, const RECT& rc, LPCTSTR pszText)
{
    if (Visible(dc, rc))
        PaintCaptionText(dc, rc, pszText, GetTranslatedColor(COLOR_WINDOWTEXT, this, 0), false);
}

void CExtPaintManager::PaintDatePickerPart80(CDC& dc, const RECT& rc, LPCTSTR pszText)
{
    if (!Visible(dc, rc))
        return;
    const CRect r(rc);
    dc.FillSolidRect(&r, GetTranslatedColor(COLOR_3DFACE, this, 0));
    dc.FillSolidRect(r.left, r.bottom - 1, r.Width(), 1, GetTranslatedColor(COLOR_3DSHADOW, this, 0));
    PaintDatePickerText79(dc, rc, pszText);
}

void CExtPaintManagerOffice2003::PaintDatePickerPart80(CDC& dc, const RECT& rc, LPCTSTR pszText)
{
    if (!Visible(dc, rc))
        return;
    const CRect r(rc);
    if (GetSurfaceBitsPerPixel(dc.GetSafeHdc()) > 8)
        PaintGradientRect(dc, r, GetTranslatedColor(XCLR_O2003_31, this, 0), GetTranslatedColor(XCLR_O2003_30, this, 0),
                          true, 256);
    else
        dc.FillSolidRect(&r, GetTranslatedColor(COLOR_3DSHADOW, this, 0));
    dc.FillSolidRect(r.left, r.bottom - 1, r.Width(), 1, GetTranslatedColor(XCLR_O2003_27, this, 0));
    dc.FillSolidRect(r.left, r.top, r.Width(), 1, GetTranslatedColor(XCLR_O2003_31, this, 0));
    PaintDatePickerText79(dc, rc, pszText);
}

void CExtPaintManager::PaintDatePickerPart81(CDC& dc, const RECT& rc)
{
    if (!Visible(dc, rc))
        return;
    const COLORREF clrs[2] = {0, GetTranslatedColor(COLOR_BTNTEXT, this, 0)};
    PaintGlyphCentered(dc, rc, *g_arrSysCmdGlyphs[46], clrs);
}

void CExtPaintManager::PaintDatePickerPart82(CDC& dc, const RECT& rc)
{
    if (!Visible(dc, rc))
        return;
    const CRect r(rc);
    dc.FillSolidRect(&r, GetTranslatedColor(XCLR_FACE_NORMAL, this, 0));
    const COLORREF clrShadow = GetTranslatedColor(COLOR_3DSHADOW, this, 0);
    const COLORREF clrWindow = GetTranslatedColor(COLOR_WINDOW, this, 0);
    dc.FillSolidRect(r.left, r.top, r.Width(), 1, clrShadow);
    dc.FillSolidRect(r.left, r.top + 1, r.Width(), 1, clrWindow);
    dc.FillSolidRect(r.left, r.top + 1, 1, r.Height() - 1, clrWindow);
    PaintDatePickerPart83(dc, rc, 0);
}

void CExtPaintManagerOffice2003::PaintDatePickerPart82(CDC& dc, const RECT& rc)
{
    if (!Visible(dc, rc))
        return;
    if (GetSurfaceBitsPerPixel(dc.GetSafeHdc()) <= 8)
    {
        CExtPaintManagerXP::PaintDatePickerPart82(dc, rc);
        return;
    }
    PaintGradientRect(dc, rc, GetTranslatedColor(XCLR_O2003_29, this, 0), GetTranslatedColor(XCLR_O2003_28, this, 0),
                      true, 256);
    PaintDatePickerPart83(dc, rc, 0);
}

void CExtPaintManager::PaintDatePickerPart83(CDC& dc, const RECT& rc, int nOffsetY)
{
    if (!Visible(dc, rc))
        return;
    const CRect r(rc);
    const int nLeft = r.left + (r.Width() - kGripBoxWidth) / 2;
    const int nTop = r.top + (r.Height() - kGripBoxHeight) / 2 + nOffsetY;
    const COLORREF clrLight = GetTranslatedColor(COLOR_WINDOW, this, 0);
    const COLORREF clrDark = GetTranslatedColor(COLOR_3DDKSHADOW, this, 0);
    for (int i = 0; i < kGripDots; i++)
    {
        const int x = nLeft + kGripDotPitch * i;
        dc.FillSolidRect(x + 1, nTop + 1, 2, 2, clrLight);
        dc.FillSolidRect(x, nTop, 2, 2, clrDark);
    }
}

void CExtPaintManager::PaintDatePickerPushButton(CDC& dc, const RECT& rc, LPCTSTR pszText, CExtCmdIcon* pIcon,
                                                 bool bHover, bool bPushed, bool bEnabled, CObject* pHelperSrc,
                                                 LPARAM lParam)
{
    if (!Visible(dc, rc))
        return;
    PushButtonPaintData pb(pHelperSrc, true, rc, pszText, pIcon, true, bHover, bPushed, false, bEnabled, false, false,
                           false, 5);
    pb.m_lParam = lParam;
    PaintPushButton(dc, pb);
}

void CExtPaintManager::PaintDatePickerPart85(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam)
{
    if (Visible(dc, rc))
        dc.FillSolidRect(&rc, GetTranslatedColor(COLOR_3DSHADOW, pHelperSrc, lParam));
}

void CExtPaintManager::PaintDatePickerPart86(CDC& dc, const RECT& rcArea, const RECT& rcInner, CWnd* pWnd,
                                             LPARAM lParam)
{
    if (!Visible(dc, rcArea))
        return;
    bool bBackground = false;
    if (pWnd != nullptr && ::IsWindow(pWnd->GetSafeHwnd()) && IsDockerGradientAvailable(pWnd, lParam))
    {
        const int nSaved = dc.SaveDC();
        dc.IntersectClipRect(&rcArea);
        ExcludeChildAreas(dc.GetSafeHdc(), pWnd->GetSafeHwnd());
        PaintDockerBackground(true, dc, pWnd, lParam);
        dc.RestoreDC(nSaved);
        bBackground = true;
    }
    if (!bBackground)
        dc.FillSolidRect(&rcArea, GetTranslatedColor(XCLR_FACE_NORMAL, pWnd, lParam));
    dc.FillSolidRect(&rcInner, GetTranslatedColor(COLOR_WINDOW, pWnd, lParam));
}

void CExtPaintManager::PaintDatePickerPart87(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam)
{
    if (!Visible(dc, rc))
        return;
    const auto T = ColorsFor(pHelperSrc, lParam);
    const COLORREF clrWhite = RGB(255, 255, 255);
    const COLORREF tl[4] = {T(COLOR_3DFACE), clrWhite, T(COLOR_3DFACE), T(COLOR_3DSHADOW)};
    const COLORREF br[4] = {T(COLOR_3DDKSHADOW), T(COLOR_3DSHADOW), T(COLOR_3DFACE), clrWhite};
    CRect r(rc);
    for (int i = 0; i < 4; i++)
    {
        dc.Draw3dRect(&r, tl[i], br[i]);
        r.DeflateRect(1, 1);
    }
}

void CExtPaintManagerOffice2003::PaintDatePickerPart87(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam)
{
    if (!Visible(dc, rc))
        return;
    const COLORREF clr = GetTranslatedColor(XCLR_DKSHADOW_NORMAL, pHelperSrc, lParam);
    dc.Draw3dRect(&rc, clr, clr);
}

void CExtPaintManager::PaintDatePickerPart88(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam)
{
    if (!Visible(dc, rc))
        return;
    CRect r(rc);
    dc.Draw3dRect(&r, GetTranslatedColor(COLOR_3DSHADOW, pHelperSrc, lParam), RGB(255, 255, 255));
    r.DeflateRect(1, 1);
    dc.FillSolidRect(&r, GetTranslatedColor(XCLR_FACE_NORMAL, pHelperSrc, lParam));
}

void CExtPaintManagerXP::PaintDatePickerPart88(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam)
{
    CExtPaintManager::PaintDatePickerPart88(dc, rc, pHelperSrc, lParam);
}

void CExtPaintManagerOffice2003::PaintDatePickerPart88(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam)
{
    if (Visible(dc, rc))
        dc.FillSolidRect(&rc, GetTranslatedColor(XCLR_FACE_NORMAL, pHelperSrc, lParam));
}
