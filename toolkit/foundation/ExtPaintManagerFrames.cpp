// Edit and combo-box frames of the base, XP and Office 2003 styles: rings of one-pixel rectangles
// round the control in colours of its state, the combo's drop-down button and arrow.
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
#include "platform/Controls.h"
#include "toolkit/foundation/ExtKindOf.h"
#include "platform/ControlBar.h"

namespace
{

// Ring colours of one edit-frame form, innermost first.
struct EditRings
{
    COLORREF tl[5];
    COLORREF br[5];
    bool bRing4Colored = false;
    bool bRing5Colored = false;
};

void DrawRings(CDC& dc, const CRect& rcInner, const EditRings& rings)
{
    CRect rc = rcInner;
    for (int i = 0; i < 5; i++)
    {
        dc.Draw3dRect(&rc, rings.tl[i], rings.br[i]);
        rc.InflateRect(1, 1);
    }
}

void EditRingsXP(CExtPaintManager& pm, const CExtPaintManager::EditFramePaintData& data, EditRings& rings)
{
    const auto T = pm.ColorsFor(data);
    const COLORREF clrWindow = T(COLOR_WINDOW), clrFace = T(XCLR_FACE_NORMAL), clrHot = T(XCLR_HILIGHT_DISABLED);
    rings.bRing4Colored = data.m_bEnabled && (data.m_bHover || data.m_bFocus);
    rings.bRing5Colored = data.m_bEnabled && data.m_bHover && data.m_bFocus;
    for (int i = 0; i < 3; i++)
        rings.tl[i] = rings.br[i] = clrWindow;
    rings.tl[3] = rings.br[3] = rings.bRing4Colored ? clrHot : clrFace;
    rings.tl[4] = rings.br[4] = rings.bRing5Colored ? clrHot : clrFace;
}

} // namespace

int CExtPaintManager::GetComboArrowPointSize(int nLogPixelsX)
{
    return ::MulDiv(60, 96, nLogPixelsX > 0 ? nLogPixelsX : 96);
}

void CExtPaintManager::PaintEditFrame(CDC& dc, EditFramePaintData& data)
{
    const auto T = ColorsFor(data);
    const COLORREF clrFace = T(XCLR_FACE_NORMAL);
    const bool bBoth = data.m_bEnabled && data.m_bHover && data.m_bFocus;
    const bool bOne = data.m_bEnabled && (data.m_bHover || data.m_bFocus);
    EditRings rings;
    for (int i = 0; i < 3; i++)
        rings.tl[i] = rings.br[i] = T(COLOR_WINDOW);
    if (bBoth)
    {
        rings.tl[3] = T(COLOR_3DDKSHADOW);
        rings.br[3] = T(COLOR_3DFACE);
        rings.tl[4] = T(COLOR_3DSHADOW);
        rings.br[4] = T(COLOR_3DHILIGHT);
    }
    else
    {
        rings.tl[3] = bOne ? T(COLOR_3DSHADOW) : clrFace;
        rings.br[3] = bOne ? T(COLOR_3DHILIGHT) : clrFace;
        rings.tl[4] = rings.br[4] = clrFace;
    }
    DrawRings(dc, data.m_rcEdit, rings);
}

void CExtPaintManagerXP::PaintEditFrame(CDC& dc, EditFramePaintData& data)
{
    EditRings rings;
    EditRingsXP(*this, data, rings);
    DrawRings(dc, data.m_rcEdit, rings);
}

void CExtPaintManagerOffice2003::PaintEditFrame(CDC& dc, EditFramePaintData& data)
{
    EditRings rings;
    EditRingsXP(*this, data, rings);
    DrawRings(dc, data.m_rcEdit, rings);
    CEdit* pEdit = DYNAMIC_DOWNCAST(CEdit, data.m_pHelperSrc);
    if (pEdit == nullptr)
        return;
    // Face-coloured rings and everything outside them show the background behind the edit.
    CRect rcKeep = data.m_rcEdit;
    rcKeep.InflateRect(2, 2);
    if (rings.bRing4Colored)
        rcKeep.InflateRect(1, 1);
    if (rings.bRing5Colored)
        rcKeep.InflateRect(1, 1);
    const int nSaved = dc.SaveDC();
    dc.ExcludeClipRect(&rcKeep);
    PaintDockerBackground(true, dc, pEdit, data.m_lParam);
    dc.RestoreDC(nSaved);
}

// ---- combo frames ------------------------------------------------------------------------------

namespace
{

// Draws the drop-down arrow ("6" of Marlett, a down-pointing triangle) as a flat push button.
void PaintComboArrow(CExtPaintManager& pm, CDC& dc, const CRect& rcButton,
                     const CExtPaintManager::ComboFramePaintData& data)
{
    CFont font;
    if (!font.CreatePointFont(CExtPaintManager::GetComboArrowPointSize(dc.GetDeviceCaps(LOGPIXELSX)), L"Marlett", &dc))
        return;
    CExtPaintManager::PushButtonPaintData pb(data.m_pHelperSrc, true, rcButton, L"6", nullptr, true,
                                             data.m_bHover && !data.m_bPushed, data.m_bPushed, false, data.m_bEnabled,
                                             false, false, false, 5, (HFONT)font.GetSafeHandle());
    pb.m_lParam = data.m_lParam;
    pm.PaintPushButton(dc, pb);
}

CRect ComboButtonRect(const CRect& rc)
{
    CRect rcButton = rc;
    rcButton.left = rcButton.right - ::GetSystemMetrics(SM_CXHTHUMB);
    return rcButton;
}

} // namespace

void CExtPaintManager::PaintComboFrame(CDC& dc, ComboFramePaintData& data)
{
    const auto T = ColorsFor(data);
    const bool bActive = data.m_bHover || data.m_bPushed;
    // Overrides count only while the combo is idle.
    const COLORREF clrFaceOver = bActive ? (COLORREF)-1 : data.m_clrFace;
    const COLORREF clrFrameOver = bActive ? (COLORREF)-1 : data.m_clrFrame;
    const COLORREF clrFrame = clrFrameOver != (COLORREF)-1 ? clrFrameOver : T(XCLR_FACE_NORMAL);
    const COLORREF clrOuterTL = bActive ? T(XCLR_SHADOW_ACTIVE) : clrFrame;
    const COLORREF clrOuterBR = bActive ? T(XCLR_HILIGHT_ACTIVE) : clrFrame;
    const COLORREF clrLight = clrFaceOver != (COLORREF)-1 ? clrFaceOver : T(XCLR_HILIGHT_NORMAL);
    const COLORREF clrFace = clrFaceOver != (COLORREF)-1 ? clrFaceOver : T(XCLR_FACE_NORMAL);
    const COLORREF clrStrip = data.m_bEnabled ? (clrFaceOver != (COLORREF)-1 ? clrFaceOver : T(COLOR_WINDOW)) : clrFace;

    CRect rc = data.m_rcClient;
    dc.Draw3dRect(&rc, clrOuterTL, clrOuterBR);
    rc.DeflateRect(1, 1);
    const COLORREF clrInner = data.m_bEnabled ? clrFace : clrLight;
    dc.Draw3dRect(&rc, clrInner, clrInner);

    CRect rcButton = ComboButtonRect(rc);
    const int nButtonLeft = rcButton.left;
    dc.Draw3dRect(&rcButton, clrFace, clrFace);
    rcButton.DeflateRect(1, 1);
    dc.Draw3dRect(&rcButton, clrLight, clrLight);
    dc.FillSolidRect(CRect(nButtonLeft - 2, rcButton.top, nButtonLeft + 1, rcButton.bottom), clrStrip);
    if (bActive)
    {
        CRect rcFill = rcButton;
        rcFill.DeflateRect(1, 1);
        dc.FillSolidRect(&rcFill, clrFace);
    }
    rcButton.left++;
    PaintComboArrow(*this, dc, rcButton, data);
    if (!bActive)
        dc.Draw3dRect(&rcButton, clrLight, clrLight);
}

void CExtPaintManagerXP::PaintComboFrame(CDC& dc, ComboFramePaintData& data)
{
    const auto T = ColorsFor(data);
    const bool bActive = data.m_bHover || data.m_bPushed;
    const COLORREF clrFaceOver = bActive ? (COLORREF)-1 : data.m_clrFace;
    const COLORREF clrFrameOver = bActive ? (COLORREF)-1 : data.m_clrFrame;
    const COLORREF clrFace = clrFaceOver != (COLORREF)-1 ? clrFaceOver : T(XCLR_FACE_ALT);
    const COLORREF clrFrame = clrFrameOver != (COLORREF)-1 ? clrFrameOver : T(XCLR_FACE_NORMAL);
    const COLORREF clrHot = T(XCLR_HILIGHT_DISABLED);
    const COLORREF clrOuter = (bActive && data.m_clrFrameActive != (COLORREF)-1) ? data.m_clrFrameActive : clrFrame;
    const COLORREF clrStrip = data.m_bEnabled ? (clrFaceOver != (COLORREF)-1 ? clrFaceOver : T(COLOR_WINDOW)) : clrFace;

    CRect rc = data.m_rcClient;
    if (!data.m_bNoOuterRing)
        dc.Draw3dRect(&rc, clrOuter, clrOuter);
    rc.DeflateRect(1, 1);
    dc.Draw3dRect(&rc, clrFace, clrFace);

    CRect rcButton = ComboButtonRect(rc);
    const int nButtonLeft = rcButton.left;
    dc.FillSolidRect(&rcButton, clrFace);
    dc.FillSolidRect(CRect(nButtonLeft - 2, rcButton.top + 1, nButtonLeft + 1, rcButton.bottom - 1), clrStrip);
    if (bActive)
    {
        CBrush brHot;
        brHot.CreateSolidBrush(clrHot);
        dc.FrameRect(&rc, &brHot);
        dc.FillSolidRect(CRect(nButtonLeft, rc.top, nButtonLeft + 1, rc.bottom), clrHot);
    }
    rcButton.DeflateRect(1, 1);
    rcButton.left++;
    PaintComboArrow(*this, dc, rcButton, data);
}

void CExtPaintManagerOffice2003::PaintComboFrame(CDC& dc, ComboFramePaintData& data)
{
    CWnd* pWnd = DYNAMIC_DOWNCAST(CComboBox, data.m_pHelperSrc);
    if (pWnd == nullptr)
    {
        pWnd = CExtKindOf::BarOfButton(data.m_pHelperSrc);
    }
    const bool bBackground = pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr &&
                             IsDockerGradientAvailable(data.m_pHelperSrc, data.m_lParam);
    if (bBackground && UseSystemThemeColors())
    {
        PaintThemedComboFrame(dc, data, pWnd);
        return;
    }
    if (bBackground)
    {
        // The background behind the control shows between its rectangle and its inner rectangle.
        CRect rcInner = data.m_rcClient;
        rcInner.DeflateRect(2, 2);
        const int nSaved = dc.SaveDC();
        dc.IntersectClipRect(&data.m_rcClient);
        dc.ExcludeClipRect(&rcInner);
        PaintDockerBackground(true, dc, pWnd, data.m_lParam);
        dc.RestoreDC(nSaved);
    }
    CExtPaintManagerXP::PaintComboFrame(dc, data);
}

void CExtPaintManagerOffice2003::PaintThemedComboFrame(CDC& dc, ComboFramePaintData& data, CWnd* pWnd)
{
    const auto T = ColorsFor(data);
    const bool bActive = data.m_bHover || data.m_bPushed;
    const CRect rc = data.m_rcClient;
    CRect rcButton = ComboButtonRect(rc);
    rcButton.DeflateRect(0, 1, 1, 1);
    // Five window-coloured rings inside the frame, cut back at the button.
    const COLORREF clrWindow = T(COLOR_WINDOW);
    CRect rcRing(rc.left + 1, rc.top + 1, rcButton.left, rc.bottom - 1);
    for (int i = 0; i < 5 && rcRing.Width() > 0 && rcRing.Height() > 0; i++)
    {
        dc.Draw3dRect(&rcRing, clrWindow, clrWindow);
        rcRing.DeflateRect(1, 1);
    }
    // Hovered or pressed: a frame in the hot colour; idle: the background shows round the control.
    if (bActive)
    {
        const COLORREF clrHot = T(XCLR_HILIGHT_DISABLED);
        dc.Draw3dRect(&rc, clrHot, clrHot);
    }
    PaintComboArrow(*this, dc, rcButton, data);
    if (!bActive)
    {
        CRect rcInner = rc;
        rcInner.DeflateRect(1, 1);
        const int nSaved = dc.SaveDC();
        dc.IntersectClipRect(&rc);
        dc.ExcludeClipRect(&rcInner);
        PaintDockerBackground(true, dc, pWnd, data.m_lParam);
        dc.RestoreDC(nSaved);
    }
}
