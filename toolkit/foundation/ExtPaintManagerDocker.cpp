// CExtPaintManager backgrounds behind bars: the frame's docker area, the background of a window
// relative to what lies behind it, control-bar and dock-bar client areas and the docked tool-bar
// band; base, XP and Office 2003 forms, with the three-colour band helper.
#include "platform/FrameWnd.h"
#include "toolkit/foundation/ExtKindOf.h"
#include "platform/ControlBar.h"
#include "toolkit/foundation/ExtPaintManagerDraw.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"

void CExtPaintManager::PaintGradientBand3(CDC& dc, const RECT& rc, COLORREF c1, COLORREF c2, COLORREF c3,
                                          bool bTopToBottom, int nNum, int nDenom, UINT nSteps)
{
    if (extpaint::IsEmptyRect(rc) || nDenom == 0)
        return;
    CRect r1(rc), r2(rc);
    if (bTopToBottom)
    {
        r1.bottom = r2.top = rc.top + ::MulDiv(rc.bottom - rc.top, nNum, nDenom);
        PaintGradientRect(dc, r1, c2, c1, true, nSteps);
        PaintGradientRect(dc, r2, c3, c2, true, nSteps);
    }
    else
    {
        r1.right = r2.left = rc.left + ::MulDiv(rc.right - rc.left, nNum, nDenom);
        PaintGradientRect(dc, r1, c1, c2, false, nSteps);
        PaintGradientRect(dc, r2, c2, c3, false, nSteps);
    }
}

// ---- base and XP forms -------------------------------------------------------------------------

bool CExtPaintManager::IsDockerGradientAvailable(CObject* pHelperSrc, LPARAM lParam)
{
    (void)pHelperSrc;
    (void)lParam;
    return false;
}

bool CExtPaintManager::PaintDockerArea(bool bClientMapping, CDC& dc, const RECT& rc, const RECT& rcUnused,
                                       LPARAM lParam)
{
    (void)bClientMapping;
    (void)rcUnused;
    dc.FillSolidRect(&rc, GetTranslatedColor(XCLR_FACE_NORMAL, nullptr, lParam));
    return false;
}

bool CExtPaintManager::PaintDockerBackground(bool bClientMapping, CDC& dc, CWnd* pWnd, LPARAM lParam)
{
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return false;
    CRect rc;
    if (bClientMapping)
        pWnd->GetClientRect(&rc);
    else
    {
        pWnd->GetWindowRect(&rc);
        rc.OffsetRect(-rc.left, -rc.top);
    }
    dc.FillSolidRect(&rc, GetTranslatedColor(XCLR_FACE_NORMAL, pWnd, lParam));
    return false;
}

bool CExtPaintManagerXP::PaintDockerBackground(bool bClientMapping, CDC& dc, CWnd* pWnd, LPARAM lParam)
{
    (void)bClientMapping;
    (void)dc;
    (void)pWnd;
    (void)lParam;
    return false;
}

void CExtPaintManager::PaintControlBarClientArea(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam)
{
    if (extpaint::IsEmptyRect(rc) || !dc.RectVisible(&rc))
        return;
    dc.FillSolidRect(&rc, GetTranslatedColor(XCLR_FACE_NORMAL, pHelperSrc, lParam));
}

void CExtPaintManager::PaintDockBarClientArea(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam)
{
    if (extpaint::IsEmptyRect(rc) || !dc.RectVisible(&rc))
        return;
    dc.FillSolidRect(&rc, GetTranslatedColor(COLOR_3DFACE, pHelperSrc, lParam));
}

// ---- Office 2003 form --------------------------------------------------------------------------

bool CExtPaintManagerOffice2003::IsDockerGradientAvailable(CObject* pHelperSrc, LPARAM lParam)
{
    (void)pHelperSrc;
    (void)lParam;
    return GetDisplayBitsPerPixel() > 8;
}

bool CExtPaintManagerOffice2003::PaintDockerArea(bool bClientMapping, CDC& dc, const RECT& rc, const RECT& rcUnused,
                                                 LPARAM lParam)
{
    if (!IsDockerGradientAvailable(nullptr, lParam))
        return CExtPaintManagerXP::PaintDockerArea(bClientMapping, dc, rc, rcUnused, lParam);
    if (extpaint::IsEmptyRect(rc))
        return true;
    const COLORREF clrLeft = GetTranslatedColor(XCLR_O2003_01, nullptr, lParam);
    const COLORREF clrRight = GetTranslatedColor(XCLR_O2003_00, nullptr, lParam);
    CRect rcGradient(rc);
    if (rcGradient.Width() > kDockerGradientWidth)
    {
        rcGradient.right = rcGradient.left + kDockerGradientWidth;
        dc.FillSolidRect(CRect(rcGradient.right, rc.top, rc.right, rc.bottom), clrRight);
    }
    PaintGradientRect(dc, rcGradient, clrLeft, clrRight, false, 64);
    return true;
}

bool CExtPaintManagerOffice2003::GetThemeBandColors(double dLight1, double dLight2, double dDark3, COLORREF clr[3])
{
    COLORREF clrA = 0;
    if (!UseSystemThemeColors() || !ApplyColorScheme(&clrA, nullptr))
        return false;
    clr[0] = AdjustHls(clrA, 0.0, dLight1, 0.15);
    clr[1] = AdjustHls(clrA, 0.0, dLight2, 0.15);
    clr[2] = AdjustHls(clrA, 0.0, dDark3, -0.25);
    if (GetSystemThemeScheme() == 3)
        clr[2] = AdjustHls(clr[2], 0.05, 0.0, 0.05);
    return true;
}

void CExtPaintManagerOffice2003::PaintBarBand(CDC& dc, const RECT& rc, bool bHorizontal, double dLight1, double dLight2,
                                              double dDark3, CObject* pHelperSrc, LPARAM lParam)
{
    COLORREF clrBand[3];
    if (GetThemeBandColors(dLight1, dLight2, dDark3, clrBand))
    {
        PaintGradientBand3(dc, rc, clrBand[0], clrBand[1], clrBand[2], bHorizontal, 2, 5, 256);
        return;
    }
    // The light end (3015) at the top of a horizontal bar and at the left of a vertical one.
    const COLORREF clrLight = GetTranslatedColor(XCLR_O2003_15, pHelperSrc, lParam);
    const COLORREF clrDark = GetTranslatedColor(XCLR_O2003_17, pHelperSrc, lParam);
    if (bHorizontal)
        PaintGradientRect(dc, rc, clrDark, clrLight, true, 256);
    else
        PaintGradientRect(dc, rc, clrLight, clrDark, false, 256);
}

bool CExtPaintManagerOffice2003::PaintDockerBackground(bool bClientMapping, CDC& dc, CWnd* pWnd, LPARAM lParam)
{
    if (!IsDockerGradientAvailable(pWnd, lParam))
        return false;
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return false;

    CWnd* pStop = pWnd;
    bool bFloatingColors = false, bBarHorizontal = true;
    for (;;)
    {
        const DWORD dwStyle = pStop->GetStyle();
        if ((dwStyle & WS_CHILD) == 0 || pStop->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            break;
        if (pStop != pWnd && CExtKindOf::IsToolBar(pStop))
        {
            CControlBar* pBar = static_cast<CControlBar*>(pStop);
            const bool bPlain = !CExtKindOf::IsPanelBar(pBar) && !CExtKindOf::IsMenuBar(pBar);
            if (!bPlain || pBar->m_pDockSite == nullptr)
                break;
            if (pBar->m_pDockBar != nullptr)
            {
                if (CExtKindOf::IsFloating(pBar))
                    bFloatingColors = true;
                else
                    bBarHorizontal = CExtKindOf::IsDockedHorizontally(pBar);
                break;
            }
        }
        CWnd* pParent = pStop->GetParent();
        if (pParent == nullptr)
            return false;
        pStop = pParent;
    }

    if (CExtKindOf::PaintToolBarGroupBackgrounds(dc, pWnd, bClientMapping))
        return true;

    CRect rc;
    pStop->GetClientRect(&rc);
    pStop->ClientToScreen(&rc);
    if (bClientMapping)
        pWnd->ScreenToClient(&rc);
    else
    {
        CRect rcWindow;
        pWnd->GetWindowRect(&rcWindow);
        rc.OffsetRect(-rcWindow.left, -rcWindow.top);
    }
    if (rc.IsRectEmpty() || !dc.RectVisible(&rc))
        return true;

    if (bFloatingColors)
    {
        PaintGradientRect(dc, rc, GetTranslatedColor(XCLR_O2003_01, pWnd, lParam),
                          GetTranslatedColor(XCLR_O2003_00, pWnd, lParam), true, 256);
        return true;
    }
    if (!CExtKindOf::IsToolBar(pStop))
    {
        PaintDockerArea(bClientMapping, dc, rc, rc, lParam);
        return true;
    }
    PaintBarBand(dc, rc, bBarHorizontal, 0.77, 0.58, -0.25, pWnd, lParam);
    return true;
}

HRGN CExtPaintManagerOffice2003::CreateToolBarBandRegion(CSize sizeBar, bool bHorizontal, bool bDocked)
{
    CSize sizeCorner = GetBarButtonExtraSize();
    if (g_PaintManagerHolder.m_bIsWin9x)
    {
        if (sizeCorner.cx >= 1 && sizeCorner.cx <= 4)
            sizeCorner.cx += 3;
        if (sizeCorner.cy >= 1 && sizeCorner.cy <= 4)
            sizeCorner.cy += 3;
    }
    if (sizeCorner.cx <= 0 || sizeCorner.cy <= 0 || !bDocked)
        return ::CreateRectRgn(0, 0, sizeBar.cx, sizeBar.cy);
    HRGN hRgn = ::CreateRoundRectRgn(0, 0, sizeBar.cx + 1, sizeBar.cy + 1, sizeCorner.cx, sizeCorner.cy);
    if (hRgn == nullptr)
        return nullptr;
    HRGN hSquare = bHorizontal ? ::CreateRectRgn(0, 0, sizeCorner.cx + 2, sizeBar.cy - 1)
                               : ::CreateRectRgn(0, 0, sizeBar.cx - 1, sizeCorner.cy + 2);
    if (hSquare != nullptr)
    {
        ::CombineRgn(hRgn, hRgn, hSquare, RGN_OR);
        ::DeleteObject(hSquare);
    }
    return hRgn;
}

void CExtPaintManagerOffice2003::PaintToolBarBand(CDC& dc, CControlBar* pBar, CObject* pHelperSrc, LPARAM lParam)
{
    CRect rcBar;
    pBar->GetWindowRect(&rcBar);
    rcBar.OffsetRect(-rcBar.left, -rcBar.top);
    if (rcBar.IsRectEmpty())
        return;
    const bool bHorizontal = !CExtKindOf::IsDockedVertically(pBar);
    const HDC hDC = dc.GetSafeHdc();
    extpaint::ScopedDCState state(hDC);
    HRGN hRgn = CreateToolBarBandRegion(rcBar.Size(), bHorizontal, CExtKindOf::IsDocked(pBar));
    if (hRgn == nullptr)
        return;
    extpaint::IntersectClipLogical(hDC, hRgn);
    ::DeleteObject(hRgn);
    PaintBarBand(dc, rcBar, bHorizontal, 0.75, 0.65, -0.22, pHelperSrc, lParam);
    if (m_nPushButtonClrIds[kBorder] == -1)
        return;
    // The shadow: one pixel inside the far end and along the bottom (right) edge.
    const COLORREF clrShadow = GetTranslatedColor(m_nPushButtonClrIds[kBorder], pHelperSrc, lParam);
    if (bHorizontal)
    {
        dc.FillSolidRect(CRect(rcBar.right - 2, rcBar.top, rcBar.right - 1, rcBar.bottom), clrShadow);
        dc.FillSolidRect(CRect(rcBar.left, rcBar.bottom - 1, rcBar.right, rcBar.bottom), clrShadow);
    }
    else
    {
        dc.FillSolidRect(CRect(rcBar.left, rcBar.bottom - 2, rcBar.right, rcBar.bottom - 1), clrShadow);
        dc.FillSolidRect(CRect(rcBar.right - 1, rcBar.top, rcBar.right, rcBar.bottom), clrShadow);
    }
}

void CExtPaintManagerOffice2003::PaintControlBarClientArea(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam)
{
    if (extpaint::IsEmptyRect(rc))
        return;
    if (CExtKindOf::IsToolBar(pHelperSrc) && !CExtKindOf::IsMenuBar(pHelperSrc) &&
        !CExtKindOf::IsPanelBar(pHelperSrc) && IsDockerGradientAvailable(pHelperSrc, lParam))
    {
        CControlBar* pBar = static_cast<CControlBar*>(pHelperSrc);
        if (pBar->GetSafeHwnd() != nullptr && !CExtKindOf::IsFloating(pBar))
        {
            PaintDockerBackground(true, dc, pBar, lParam);
            // The band needs the frame's outer dock bar; a tool bar without a dock site (in a dialog)
            // keeps the docker background alone.
            CFrameWnd* pFrame = pBar->m_pDockSite;
            CWnd* pTopDockBar = pFrame != nullptr && pFrame->GetSafeHwnd() != nullptr
                                    ? pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP)
                                    : nullptr;
            if (GetDeviceBitsPerPixel(dc.GetSafeHdc()) > 8 && pTopDockBar != nullptr &&
                CExtKindOf::IsDockOuterBar(pTopDockBar))
                PaintToolBarBand(dc, pBar, pHelperSrc, lParam);
            return;
        }
    }
    CExtPaintManagerXP::PaintControlBarClientArea(dc, rc, pHelperSrc, lParam);
}

void CExtPaintManagerOffice2003::PaintDockBarClientArea(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam)
{
    if (extpaint::IsEmptyRect(rc) || !dc.RectVisible(&rc))
        return;
    if (CExtKindOf::IsDockOuterBar(pHelperSrc) && GetDeviceBitsPerPixel(dc.GetSafeHdc()) > 8)
    {
        CWnd* pDockBar = static_cast<CWnd*>(pHelperSrc);
        CFrameWnd* pFrame = pDockBar->GetSafeHwnd() != nullptr ? pDockBar->GetParentFrame() : nullptr;
        if (pFrame != nullptr)
        {
            CRect rcFrame;
            pFrame->GetClientRect(&rcFrame);
            pFrame->ClientToScreen(&rcFrame);
            pDockBar->ScreenToClient(&rcFrame);
            if (!rcFrame.IsRectEmpty() && dc.RectVisible(&rcFrame))
            {
                PaintDockerArea(true, dc, rcFrame, rcFrame, lParam);
                return;
            }
        }
    }
    CExtPaintManagerXP::PaintDockBarClientArea(dc, rc, pHelperSrc, lParam);
}
