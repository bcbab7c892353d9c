// Control-bar captions and grippers, and the docking frames of bars and floating frames, in the base,
// XP and Office 2003 styles.
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtKindOf.h"
#include "platform/ControlBar.h"

namespace
{

// A gradient whose first colour lies at the top (bVertical) or at the left.
void GradientFromStart(CDC& dc, const CRect& rc, COLORREF clrStart, COLORREF clrEnd, bool bVertical)
{
    if (rc.IsRectEmpty())
        return;
    if (bVertical)
        CExtPaintManager::PaintGradientRect(dc, rc, clrEnd, clrStart, true, 256);
    else
        CExtPaintManager::PaintGradientRect(dc, rc, clrStart, clrEnd, false, 256);
}

// The caption text; with bVertical in the rotated font, centred across the text rectangle.
void PaintCaptionText(CExtPaintManager& pm, CDC& dc, const CExtPaintManager::CaptionPaintData& data, COLORREF clrText,
                      UINT nHorzFlags)
{
    if (data.m_pszText == nullptr || data.m_pszText[0] == 0 || data.m_rcText.Width() <= 0 ||
        data.m_rcText.Height() <= 0)
        return;
    const COLORREF clrOld = dc.SetTextColor(clrText);
    const int nOldMode = dc.SetBkMode(TRANSPARENT);
    CFont* pOldFont = dc.SelectObject(data.m_bVertical ? &pm.m_fontNormalRot270 : &pm.m_fontNormal);
    CString sText(data.m_pszText);
    if (!data.m_bVertical)
    {
        CRect rcText = data.m_rcText;
        dc.DrawText(sText, &rcText, nHorzFlags);
    }
    else
    {
        LOGFONT lf = {};
        pm.m_fontNormalRot270.GetLogFont(&lf);
        const int nHeight = lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
        CRect rcText = data.m_rcText;
        rcText.left = rcText.left + (rcText.Width() - nHeight) / 2;
        rcText.right = rcText.left + nHeight;
        rcText.DeflateRect(2, 2);
        CRect rcClip = data.m_rcCaption;
        rcClip.DeflateRect(2, 3);
        const int nSaved = dc.SaveDC();
        dc.IntersectClipRect(&rcClip);
        // Text turned clockwise grows to the left of its origin.
        rcText.OffsetRect(nHeight, 0);
        dc.DrawText(sText, &rcText, DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
        dc.RestoreDC(nSaved);
    }
    dc.SelectObject(pOldFont);
    dc.SetBkMode(nOldMode);
    dc.SetTextColor(clrOld);
}

} // namespace

void CExtPaintManager::Draw3dFrameNoCorners(CDC& dc, const RECT& rcFrame, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    const CRect rc(rcFrame);
    if (rc.Width() < 3 || rc.Height() < 3)
        return;
    dc.FillSolidRect(rc.left + 1, rc.top, rc.Width() - 2, 1, clrTopLeft);
    dc.FillSolidRect(rc.left, rc.top + 1, 1, rc.Height() - 2, clrTopLeft);
    dc.FillSolidRect(rc.right - 1, rc.top + 1, 1, rc.Height() - 2, clrBottomRight);
    dc.FillSolidRect(rc.left + 1, rc.bottom - 1, rc.Width() - 2, 1, clrBottomRight);
}

// ---- docking frames ----------------------------------------------------------------------------

void CExtPaintManager::PaintDockingFrame(CDC& dc, DockingFramePaintData& data)
{
    if (data.m_rcWindow.IsRectEmpty())
        return;
    const auto T = ColorsFor(data);
    dc.ExcludeClipRect(&data.m_rcClient);
    CRect rc = data.m_rcWindow;
    dc.FillSolidRect(&rc, T(XCLR_FACE_NORMAL));
    if (data.m_bOuterFrame)
    {
        dc.Draw3dRect(&rc, T(XCLR_FACE_NORMAL), T(XCLR_DKSHADOW_NORMAL));
        rc.DeflateRect(1, 1);
        dc.Draw3dRect(&rc, T(XCLR_HILIGHT_NORMAL), T(XCLR_SHADOW_NORMAL));
    }
    else if (!data.m_bResizable)
        dc.Draw3dRect(&rc, T(XCLR_HILIGHT_NORMAL), T(XCLR_SHADOW_NORMAL));
    dc.IntersectClipRect(&data.m_rcWindow);
}

void CExtPaintManagerXP::PaintDockingFrame(CDC& dc, DockingFramePaintData& data)
{
    if (data.m_rcWindow.IsRectEmpty())
        return;
    const auto T = ColorsFor(data);
    dc.ExcludeClipRect(&data.m_rcClient);
    const COLORREF clrOldBk = dc.GetBkColor();
    int nFill = XCLR_FACE_NORMAL;
    if (data.m_bOuterFrame)
        nFill = data.m_bResizable ? XCLR_DKSHADOW_DISABLED : XCLR_DKSHADOW_ALT;
    CRect rc = data.m_rcWindow;
    dc.FillSolidRect(&rc, T(nFill));
    const COLORREF clrShadow = T(COLOR_3DSHADOW);
    if (data.m_bOuterFrame)
    {
        dc.Draw3dRect(&rc, clrShadow, clrShadow);
        rc.DeflateRect(1, 1);
        dc.Draw3dRect(&rc, clrShadow, clrShadow);
        rc.DeflateRect(1, 1);
        dc.SetPixel(rc.left, rc.top, clrShadow);
        dc.SetPixel(rc.right - 1, rc.top, clrShadow);
        dc.SetPixel(rc.left, rc.bottom - 1, clrShadow);
        dc.SetPixel(rc.right - 1, rc.bottom - 1, clrShadow);
    }
    else
    {
        if (!data.m_bResizable)
        {
            const COLORREF clrFace = T(COLOR_3DFACE);
            dc.Draw3dRect(&rc, clrFace, clrFace);
        }
        if (!data.m_bNoExtraGrip && GetSurfaceBitsPerPixel(dc.GetSafeHdc()) <= 8)
        {
            // The grip: a dotted band between the frame and the client area.
            static const WORD kDots[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
            static const WORD kLines[8] = {0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF};
            CBitmap bmpPattern;
            if (bmpPattern.CreateBitmap(8, 8, 1, 1, (m_nStyleBits & kStyleXP1) != 0 ? kLines : kDots))
            {
                CBrush brPattern;
                if (brPattern.CreatePatternBrush(&bmpPattern))
                {
                    const COLORREF clrOldText = dc.SetTextColor(clrShadow);
                    dc.SetBkColor(T(nFill));
                    CRect rcGrip = data.m_rcWindow;
                    rcGrip.DeflateRect(1, 1);
                    dc.FillRect(&rcGrip, &brPattern);
                    dc.SetTextColor(clrOldText);
                }
            }
        }
    }
    dc.SetBkColor(clrOldBk);
    dc.SelectClipRgn(nullptr);
}

void CExtPaintManagerOffice2003::PaintDockingFrame(CDC& dc, DockingFramePaintData& data)
{
    if (data.m_rcWindow.IsRectEmpty())
        return;
    // Docked bars have no frame here; the background behind them shows.
    if (!data.m_bOuterFrame && data.m_pHelperSrc != nullptr && CExtKindOf::IsControlBar(data.m_pHelperSrc) &&
        GetSurfaceBitsPerPixel(dc.GetSafeHdc()) > 8)
        return;
    CExtPaintManagerXP::PaintDockingFrame(dc, data);
}

// ---- captions and grippers ---------------------------------------------------------------------

void CExtPaintManager::PaintControlBarFrame(CDC& dc, CaptionPaintData& data)
{
    const auto T = ColorsFor(data);
    const COLORREF clrShadow = T(XCLR_SHADOW_NORMAL), clrHilight = T(XCLR_HILIGHT_NORMAL);
    if (!data.m_bActiveAlt && !data.m_bTextCaption)
    {
        CRect rc = data.m_rcCaption;
        if (data.m_bVertical)
        {
            rc.DeflateRect(4, 1, 4, 0);
            CRect rcRidge(rc.left, rc.top, rc.left + 3, rc.bottom);
            dc.Draw3dRect(&rcRidge, clrHilight, clrShadow);
            rcRidge.OffsetRect(3, 0);
            dc.Draw3dRect(&rcRidge, clrHilight, clrShadow);
        }
        else
        {
            rc.DeflateRect(0, 4, 1, 4);
            CRect rcRidge(rc.left, rc.top, rc.right, rc.top + 3);
            dc.Draw3dRect(&rcRidge, clrHilight, clrShadow);
            rcRidge.OffsetRect(0, 3);
            dc.Draw3dRect(&rcRidge, clrHilight, clrShadow);
        }
        return;
    }
    CRect rc = data.m_rcCaption;
    if (!data.m_bActiveAlt)
        rc.DeflateRect(1, 1);
    COLORREF clrText;
    if (!data.m_bTextCaption)
    {
        dc.FillSolidRect(&rc, T(COLOR_HIGHLIGHT));
        clrText = T(COLOR_HIGHLIGHTTEXT);
    }
    else
    {
        const bool bActive = data.m_bActive || data.m_bActiveAlt;
        const COLORREF clrCaption = T(bActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
        const COLORREF clrGradient = T(bActive ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION);
        clrText = T(bActive ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT);
        if (GetSurfaceBitsPerPixel(dc.GetSafeHdc()) > 8)
            PaintGradientRect(dc, rc, clrCaption, clrGradient, data.m_bVertical, 256);
        else
            dc.FillSolidRect(&rc, clrCaption);
    }
    PaintCaptionText(*this, dc, data, clrText, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}

void CExtPaintManagerXP::PaintControlBarFrame(CDC& dc, CaptionPaintData& data)
{
    const auto T = ColorsFor(data);
    const CRect& rc = data.m_rcCaption;
    if (!data.m_bActiveAlt && !data.m_bTextCaption)
    {
        dc.FillSolidRect(&rc, T(XCLR_FACE_NORMAL));
        // An 8 x 8 dot pattern ANDed over a strip along the gripper.
        CBitmap bmpPattern;
        bool bPattern;
        if (GetSurfaceBitsPerPixel(dc.GetSafeHdc()) <= 8)
        {
            static const WORD kDots[8] = {0x33, 0xFF, 0x33, 0xFF, 0x33, 0xFF, 0x33, 0xFF};
            bPattern = bmpPattern.CreateBitmap(8, 8, 1, 1, kDots) != FALSE;
        }
        else
        {
            CDC dcMem;
            bPattern = dcMem.CreateCompatibleDC(&dc) && bmpPattern.CreateCompatibleBitmap(&dc, 8, 8);
            if (bPattern)
            {
                CBitmap* pOld = dcMem.SelectObject(&bmpPattern);
                dcMem.FillSolidRect(0, 0, 8, 8, RGB(255, 255, 255));
                const COLORREF clrFace = T(COLOR_3DFACE), clrShadow = T(COLOR_3DSHADOW);
                for (int i = 0; i < 8; i += 4)
                {
                    dcMem.FillSolidRect(i, 0, 2, 8, clrFace);
                    dcMem.FillSolidRect(i, 0, 2, 2, clrShadow);
                    dcMem.FillSolidRect(i, 4, 2, 2, clrShadow);
                }
                dcMem.SelectObject(pOld);
            }
        }
        CBrush brPattern;
        if (bPattern && brPattern.CreatePatternBrush(&bmpPattern))
        {
            // A vertical gripper (beside a horizontal bar's buttons) takes a vertical strip.
            CRect rcStrip = rc;
            if (data.m_bVertical)
                rcStrip = CRect(rc.CenterPoint().x - 2, rc.top + 2, rc.CenterPoint().x + 2, rc.bottom - 2);
            else
                rcStrip = CRect(rc.left + 2, rc.CenterPoint().y - 2, rc.right - 2, rc.CenterPoint().y + 2);
            const COLORREF clrOldText = dc.SetTextColor(T(COLOR_3DSHADOW));
            const COLORREF clrOldBk = dc.SetBkColor(RGB(255, 255, 255));
            CBrush* pOldBrush = dc.SelectObject(&brPattern);
            const CPoint ptOldOrg = dc.SetBrushOrg(rcStrip.left, rcStrip.top);
            dc.PatBlt(rcStrip.left, rcStrip.top, rcStrip.Width(), rcStrip.Height(), 0x00A000C9);
            dc.SetBrushOrg(ptOldOrg);
            dc.SelectObject(pOldBrush);
            dc.SetBkColor(clrOldBk);
            dc.SetTextColor(clrOldText);
        }
        return;
    }
    if (!data.m_bNoBackground)
    {
        int nFill = COLOR_3DSHADOW;
        if (data.m_bTextCaption)
            nFill = data.m_bActive ? COLOR_HIGHLIGHT : XCLR_FACE_DISABLED;
        dc.FillSolidRect(&rc, T(nFill));
        if (data.m_bTextCaption && !data.m_bActive && !data.m_bActiveAlt)
            Draw3dFrameNoCorners(dc, rc, T(COLOR_3DSHADOW), T(COLOR_3DSHADOW));
    }
    const COLORREF clrText = (data.m_bTextCaption && !data.m_bActive) ? T(COLOR_BTNTEXT) : T(COLOR_CAPTIONTEXT);
    PaintCaptionText(*this, dc, data, clrText, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}

void CExtPaintManagerOffice2003::PaintGripperDots(CDC& dc, const RECT& rcGripper, bool bAlongY, CObject* pHelperSrc,
                                                  LPARAM lParam)
{
    const COLORREF clrLight = GetTranslatedColor(XCLR_O2003_02, pHelperSrc, lParam);
    const COLORREF clrDark = GetTranslatedColor(XCLR_O2003_03, pHelperSrc, lParam);
    const CRect rc(rcGripper);
    const int nLength = bAlongY ? rc.Height() : rc.Width();
    const int nCount = (nLength - 2) / kGripperDotPitch;
    if (nCount <= 0)
        return;
    const int nStart = (nLength - nCount * kGripperDotPitch) / 2;
    const int nAcross = bAlongY ? rc.left + (rc.Width() - 3) / 2 : rc.top + (rc.Height() - 3) / 2;
    for (int i = 0; i < nCount; i++)
    {
        const int nAlong = (bAlongY ? rc.top : rc.left) + nStart + i * kGripperDotPitch;
        const int x = bAlongY ? nAcross : nAlong, y = bAlongY ? nAlong : nAcross;
        dc.FillSolidRect(x + 1, y + 1, 2, 2, clrLight);
        dc.FillSolidRect(x, y, 2, 2, clrDark);
    }
}

void CExtPaintManagerOffice2003::PaintBand3(CDC& dc, const RECT& rcBand, COLORREF clrA, int nScheme, bool bVertical)
{
    COLORREF c1 = AdjustHls(clrA, 0.0, 0.75, 0.15);
    COLORREF c2 = AdjustHls(clrA, 0.0, 0.65, 0.15);
    COLORREF c3 = AdjustHls(clrA, 0.0, -0.22, -0.25);
    if (nScheme == 3)
        c3 = AdjustHls(c3, 0.05, 0.0, 0.05);
    const CRect rc(rcBand);
    CRect rcFirst = rc, rcRest = rc;
    if (bVertical)
        rcFirst.bottom = rcRest.top = rc.top + rc.Height() * 2 / 5;
    else
        rcFirst.right = rcRest.left = rc.left + rc.Width() * 2 / 5;
    GradientFromStart(dc, rcFirst, c1, c2, bVertical);
    GradientFromStart(dc, rcRest, c2, c3, bVertical);
}

void CExtPaintManagerOffice2003::PaintControlBarFrame(CDC& dc, CaptionPaintData& data)
{
    CObject* pSubject = data.m_pHelperSrc;
    const bool bBar = CExtKindOf::IsControlBar(pSubject) || CExtKindOf::IsAutoHideSlider(pSubject);
    const bool bFloatingToolBar =
        CExtKindOf::IsToolBar(pSubject) && CExtKindOf::IsFloating(static_cast<CControlBar*>(pSubject));
    if (data.m_bActiveAlt || !bBar || bFloatingToolBar || GetSurfaceBitsPerPixel(dc.GetSafeHdc()) <= 8)
    {
        CExtPaintManagerXP::PaintControlBarFrame(dc, data);
        return;
    }
    const auto T = ColorsFor(data);
    const CRect rc = data.m_rcCaption;
    if (!data.m_bTextCaption)
    {
        if (CExtKindOf::IsMenuBar(pSubject) || CExtKindOf::IsPanelBar(pSubject) || rc.IsRectEmpty())
            return;
        // The bar's band behind the gripper, its start corners rounded.
        const CSize sizeRound = GetBarButtonExtraSize();
        const int nSaved = dc.SaveDC();
        dc.IntersectClipRect(&rc);
        if (sizeRound.cx > 0 && sizeRound.cy > 0)
        {
            CRgn rgn;
            if (data.m_bVertical)
                rgn.CreateRoundRectRgn(rc.left, rc.top, rc.right + 1, rc.bottom + sizeRound.cy + 1, sizeRound.cx,
                                       sizeRound.cy);
            else
                rgn.CreateRoundRectRgn(rc.left, rc.top, rc.right + sizeRound.cx + 1, rc.bottom + 1, sizeRound.cx,
                                       sizeRound.cy);
            if (rgn.GetSafeHandle() != nullptr)
            {
                CPoint ptOrg(0, 0);
                ::GetViewportOrgEx(dc.GetSafeHdc(), &ptOrg);
                rgn.OffsetRgn(ptOrg);
                dc.SelectClipRgn(&rgn, RGN_AND);
            }
        }
        COLORREF clrA = 0;
        if (UseSystemThemeColors() && ApplyColorScheme(&clrA, nullptr))
            PaintBand3(dc, rc, clrA, GetSystemThemeScheme(), data.m_bVertical);
        else
            GradientFromStart(dc, rc, T(XCLR_O2003_15), T(XCLR_O2003_17), data.m_bVertical);
        const int nBorderId = m_nPushButtonClrIds[kBorder] >= 0 ? m_nPushButtonClrIds[kBorder] : COLOR_3DSHADOW;
        const COLORREF clrBorder = T(nBorderId);
        if (data.m_bVertical)
            dc.FillSolidRect(rc.right - 1, rc.top, 1, rc.Height(), clrBorder);
        else
            dc.FillSolidRect(rc.left, rc.bottom - 1, rc.Width(), 1, clrBorder);
        dc.RestoreDC(nSaved);
        PaintGripperDots(dc, rc, data.m_bVertical, data.m_pHelperSrc, data.m_lParam);
        return;
    }
    // A text caption: inactive captions keep the background behind them, with a light strip.
    const bool bOldSecond0 = data.m_bSecondBit0, bOldNoBackground = data.m_bNoBackground;
    if (!data.m_bActive)
    {
        data.m_bSecondBit0 = data.m_bNoBackground = true;
        if (!data.m_bVertical && rc.Height() > 4)
            GradientFromStart(dc, CRect(rc.left, rc.top, rc.right, rc.top + 4), T(XCLR_O2003_00), T(XCLR_O2003_01),
                              true);
    }
    CExtPaintManagerXP::PaintControlBarFrame(dc, data);
    data.m_bSecondBit0 = bOldSecond0;
    data.m_bNoBackground = bOldNoBackground;
}
