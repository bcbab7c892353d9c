// CExtPaintManagerStudio2005: the Studio 2005 colour table over the themed Office 2003 one, and the
// style's own tab items, bar frames and auto-hide answers.
#include "toolkit/foundation/ExtPaintManagerDraw.h"
#include "toolkit/foundation/ExtPaintManagerStudio2005.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtKindOf.h"
#include <algorithm>

void CExtPaintManagerStudio2005::InitColors()
{
    g_PaintManagerHolder.m_bUxThemeApiAvailable = false;
    g_PaintManagerHolder.m_bTaskbandColorsValid = false;
    g_PaintManagerHolder.LoadThemeApi();
    ColorInputs in = GetColorInputs();
    if (in.m_nBitsPerPixel > 8 && in.m_bUseSystemThemeColors)
        in.m_bSchemeColors = ApplyColorScheme(&in.m_clrA, &in.m_clrB);
    BuildStudio2005ColorTable(in);
}

COLORREF CExtPaintManagerStudio2005::GetSecondDerivedColor(COLORREF clrScheme)
{
    const COLORREF w1 = AdjustHls(clrScheme, 0.0, 0.95, -0.05);
    const int r = GetRValue(w1), g = GetGValue(w1);
    return RGB(r + ::MulDiv(255 - r, 40, 100), g + ::MulDiv(255 - g, 20, 100), GetBValue(w1));
}

void CExtPaintManagerStudio2005::BuildStudio2005ColorTable(const ColorInputs& in)
{
    // Low colour, no theme colours or the "metallic" scheme: exactly the Office 2003 table.
    if (in.m_nBitsPerPixel <= 8 || !in.m_bUseSystemThemeColors || in.m_nScheme == 3 || !in.m_bSchemeColors)
    {
        BuildOffice2003ColorTable(in);
        return;
    }
    // The themed Office 2003 table from the scheme colour, then the rows of this style over it.
    BuildOffice2003ColorTable(in);
    const COLORREF c = in.m_clrA;
    const int nTint = InstallColor(GetSecondDerivedColor(c), -1);
    static const int kTinted[] = {XCLR_LIGHT_NORMAL,     XCLR_LIGHT_ACTIVE,     XCLR_HILIGHT_NORMAL,
                                  XCLR_HILIGHT_ACTIVE,   XCLR_SHADOW_NORMAL,    XCLR_SHADOW_ACTIVE,
                                  XCLR_DKSHADOW_NORMAL,  XCLR_DKSHADOW_ACTIVE,  XCLR_LIGHT_DISABLED,
                                  XCLR_HILIGHT_DISABLED, XCLR_DKSHADOW_DISABLED};
    for (int nId : kTinted)
        BindColor(nId, nTint);
    BindColor(XCLR_TEXT_NORMAL, COLOR_WINDOWTEXT);
    BindColor(XCLR_TEXT_ACTIVE, COLOR_WINDOWTEXT);
    BindColor(XCLR_TEXT_DISABLED, COLOR_3DSHADOW);
    static const struct
    {
        int nId;
        double dLightness, dSaturation;
    } kRows[] = {{XCLR_O2003_00, 0.8, 0.0},  {XCLR_O2003_01, 0.15, 0.0}, {XCLR_O2003_10, 0.98, 0.0},
                 {XCLR_O2003_11, -0.4, 0.0}, {XCLR_O2003_03, -0.2, 0.0}, {XCLR_O2003_02, 0.95, 0.0},
                 {XCLR_O2003_04, 0.6, 0.0},  {XCLR_O2003_05, -0.4, -0.4}};
    for (const auto& row : kRows)
        BindNewColor(row.nId, AdjustHls(c, 0.0, row.dLightness, row.dSaturation));
    BindNewColor(XCLR_O2003_34, GetTranslatedColor(XCLR_O2003_15, this, 0));
    BindNewColor(XCLR_O2003_35, GetTranslatedColor(XCLR_O2003_17, this, 0));
}

// ---- tab items ---------------------------------------------------------------------------------

void CExtPaintManagerStudio2005::PaintTabItem(CDC& dc, const RECT& rcItemArea, bool bTopLeft, bool bHorz,
                                              bool bSelected, bool bFlag6, bool bGroupActive, bool bGroupedMode,
                                              bool bFlag9, const RECT& rcItem, CSize sizeTextMeasured, CFont* pFont,
                                              LPCTSTR pszText, int nItemIndex, CExtCmdIcon* pIcon, CObject* pHelperSrc,
                                              LPARAM lParam)
{
    const CRect rc(rcItem);
    const int W = bHorz ? rc.Width() : rc.Height(), H = bHorz ? rc.Height() : rc.Width();
    if (W < 4 || H < 2)
        return;
    const auto T = ColorsFor(pHelperSrc, lParam);
    // A tab with one slanted side at its start; u along the item, v from its far edge.
    const int nSlant = std::min(H - 1, W / 3);
    const CPoint canon[4] = {CPoint(0, H), CPoint(nSlant, 0), CPoint(W - 1, 0), CPoint(W - 1, H)};
    POINT pts[4];
    for (int i = 0; i < 4; i++)
    {
        const int u = canon[i].x, v = canon[i].y;
        if (bHorz)
            pts[i] = bTopLeft ? POINT{rc.left + u, rc.top + v} : POINT{rc.left + u, rc.bottom - 1 - v};
        else
            pts[i] = bTopLeft ? POINT{rc.left + v, rc.top + u} : POINT{rc.right - 1 - v, rc.top + u};
    }
    CRgn rgn;
    if (!rgn.CreatePolygonRgn(pts, 4, WINDING))
        return;
    CPoint ptOrg(0, 0);
    ::GetViewportOrgEx(dc.GetSafeHdc(), &ptOrg);
    if (bSelected)
    {
        CBrush brFill;
        brFill.CreateSolidBrush(T(COLOR_WINDOW));
        dc.FillRgn(&rgn, &brFill);
    }
    else if (GetSurfaceBitsPerPixel(dc.GetSafeHdc()) > 8)
    {
        const int nSaved = dc.SaveDC();
        CRgn rgnClip;
        rgnClip.CreateRectRgn(0, 0, 0, 0);
        rgnClip.CopyRgn(&rgn);
        rgnClip.OffsetRgn(ptOrg);
        dc.SelectClipRgn(&rgnClip, RGN_AND);
        PaintGradientRect(dc, rc, T(COLOR_3DLIGHT), T(COLOR_3DHILIGHT), bHorz, 256);
        dc.RestoreDC(nSaved);
    }
    else
    {
        CBrush brFill;
        brFill.CreateSolidBrush(T(COLOR_3DFACE));
        dc.FillRgn(&rgn, &brFill);
    }
    CBrush brFrame;
    brFrame.CreateSolidBrush(T(COLOR_3DSHADOW));
    dc.FrameRgn(&rgn, &brFrame, 1, 1);

    // The text beside the slant, centred in what is left. The slant takes room a tab window does
    // not reckon with: a text longer than what is left is cut with an ellipsis (clipped across a
    // vertical strip) rather than dropped; only under 16 pixels no text is drawn.
    (void)sizeTextMeasured;
    CRect rcText = rc;
    if (bHorz)
        rcText.DeflateRect(nSlant + 2, 2, 2, 2);
    else
        rcText.DeflateRect(2, nSlant + 2, 2, 2);
    if ((bHorz ? rcText.Width() : rcText.Height()) < 16 || pszText == nullptr)
        return;
    extpaint::DrawTabLabel(dc, rcText, CString(pszText), pFont, T(COLOR_BTNTEXT), bHorz);
}

void CExtPaintManagerStudio2005::GetTabMetrics(CExtTabWnd* pTabWnd, int& nInset, int& nButtonMargin, int& nStripOffset)
{
    (void)pTabWnd;
    nInset = 0;
    nButtonMargin = 2;
    nStripOffset = 2;
}

// ---- bar frames and auto-hide answers ----------------------------------------------------------

void CExtPaintManagerStudio2005::PaintControlBarFrame(CDC& dc, CaptionPaintData& data)
{
    if (data.m_bTextCaption)
        CExtPaintManager::PaintControlBarFrame(dc, data);
    else
        CExtPaintManagerOffice2003::PaintControlBarFrame(dc, data);
}

void CExtPaintManagerStudio2005::PaintDockingFrame(CDC& dc, DockingFramePaintData& data)
{
    CObject* pSubject = data.m_pHelperSrc;
    const bool bToolBar = CExtKindOf::IsToolBar(pSubject) || CExtKindOf::IsMenuBar(pSubject);
    if (bToolBar || !data.m_bOuterFrame || !data.m_bResizable || data.m_rcWindow.IsRectEmpty())
    {
        CExtPaintManagerOffice2003::PaintDockingFrame(dc, data);
        return;
    }
    const auto T = ColorsFor(data);
    dc.ExcludeClipRect(&data.m_rcClient);
    CRect rc = data.m_rcWindow;
    dc.FillSolidRect(&rc, T(XCLR_FACE_NORMAL));
    dc.Draw3dRect(&rc, T(XCLR_FACE_NORMAL), T(COLOR_3DDKSHADOW));
    rc.DeflateRect(1, 1);
    dc.Draw3dRect(&rc, T(COLOR_WINDOW), T(COLOR_3DSHADOW));
    dc.IntersectClipRect(&data.m_rcWindow);
}

int CExtPaintManagerStudio2005::GetAutoHideMetric() { return 1; }

int CExtPaintManagerStudio2005::PaintAutoHideArea(CDC& dc, const RECT& rc, CObject* pHelperSrc, LPARAM lParam)
{
    (void)dc;
    (void)rc;
    (void)pHelperSrc;
    (void)lParam;
    return 1;
}
