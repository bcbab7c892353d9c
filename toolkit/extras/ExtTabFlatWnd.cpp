// CExtTabFlatWnd: flat metrics and measuring, background, tab and button drawing, button size and
// docking thickness.
#include "toolkit/extras/ExtTabFlatWnd.h"
#include "platform/Dc.h"
#include "toolkit/bars_tabs/ExtTabShape.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerGlyph.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(CExtTabFlatWnd, CExtTabWnd)

BEGIN_MESSAGE_MAP(CExtTabFlatWnd, CExtTabWnd)
ON_MESSAGE(WM_SIZEPARENT, OnFlatSizeParent)
END_MESSAGE_MAP()

namespace
{

const COLORREF kSelectedFace = RGB(255, 255, 255);
const int kMinButtonSide = 3;
const int kIconGap = 3; // between a tab's icon and its text

// Maps a point of the canonical tab (u along the strip from the item's start, v from the inner edge
// outwards) onto the item rectangle of an orientation.
CPoint MapFlat(const CRect& rc, DWORD dwOrientation, int u, int v)
{
    switch (dwOrientation)
    {
    case CExtTabWnd::kOrientBottom: return CPoint(rc.left + u, rc.top + v);
    case CExtTabWnd::kOrientLeft: return CPoint(rc.right - 1 - v, rc.top + u);
    case CExtTabWnd::kOrientRight: return CPoint(rc.left + v, rc.top + u);
    default: return CPoint(rc.left + u, rc.bottom - 1 - v);
    }
}

// The icon at the start of the content, centred across it; the content then starts after it. The
// icon's picture is drawn directly (no state drawing: tabs show icons only in their normal state).
void DrawFlatIcon(CDC& dc, CRect& rcContent, bool bHorz, CExtCmdIcon* pIcon)
{
    if (pIcon == nullptr || pIcon->IsEmpty())
        return;
    const CSize sizeIcon = pIcon->GetSize();
    const int nAlong = bHorz ? sizeIcon.cx : sizeIcon.cy;
    if (nAlong <= (bHorz ? rcContent.Width() : rcContent.Height()))
    {
        const CPoint pt = bHorz ? CPoint(rcContent.left, rcContent.CenterPoint().y - sizeIcon.cy / 2)
                                : CPoint(rcContent.CenterPoint().x - sizeIcon.cx / 2, rcContent.top);
        const HICON hIcon = pIcon->GetIcon(true);
        if (hIcon != nullptr)
            ::DrawIconEx(dc.GetSafeHdc(), pt.x, pt.y, hIcon, sizeIcon.cx, sizeIcon.cy, 0, nullptr, DI_NORMAL);
    }
    if (bHorz)
        rcContent.left += nAlong + kIconGap;
    else
        rcContent.top += nAlong + kIconGap;
}

} // namespace

CExtTabFlatWnd::CExtTabFlatWnd() {}

CExtTabFlatWnd::~CExtTabFlatWnd() {}

// ---- new virtual operations -------------------------------------------------------------------

int CExtTabFlatWnd::GetFlatSlant(bool bHorizontal, const CRect& rc) const
{
    return ::MulDiv(bHorizontal ? rc.Height() : rc.Width(), 1, 4);
}

void CExtTabFlatWnd::GetFlatItemColors(int nItemIndex, bool bSelected, COLORREF& clrLight, COLORREF& clrShadow,
                                       COLORREF& clrOutline, COLORREF& clrFace, COLORREF& clrText)
{
    (void)nItemIndex;
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    clrLight = pPM->GetTranslatedColor(COLOR_3DHIGHLIGHT, this);
    clrShadow = pPM->GetTranslatedColor(COLOR_3DSHADOW, this);
    clrOutline = pPM->GetTranslatedColor(COLOR_3DDKSHADOW, this);
    clrFace = bSelected ? kSelectedFace : pPM->GetTranslatedColor(XCLR_FACE_NORMAL, this);
    clrText = pPM->GetTranslatedColor(COLOR_BTNTEXT, this);
}

void CExtTabFlatWnd::GetFlatLineColor(COLORREF& clrLine)
{
    clrLine = g_PaintManagerHolder->GetTranslatedColor(COLOR_3DDKSHADOW, this);
}

void CExtTabFlatWnd::GetFlatSlantSides(int nItemIndex, const TAB_ITEM_INFO* pTii, bool& bStartSlant, bool& bEndSlant)
{
    (void)nItemIndex;
    (void)pTii;
    bStartSlant = (m_dwTabWndStyle & kStyleNoStartSlant) == 0;
    bEndSlant = (m_dwTabWndStyle & kStyleNoEndSlant) == 0;
}

int CExtTabFlatWnd::GetFlatStripThickness(bool bHorizontal) const
{
    (void)bHorizontal;
    return kFlatThickness;
}

// ---- metrics and measuring --------------------------------------------------------------------

int CExtTabFlatWnd::GetClientSlant() const
{
    CRect rcClient(0, 0, 0, 0);
    if (GetSafeHwnd() != nullptr)
        GetClientRect(&rcClient);
    return GetFlatSlant(OrientationIsHorizontal(), rcClient);
}

void CExtTabFlatWnd::OnTabWndQueryMetrics(int& nItemInset, int& nButtonMargin, int& nStripOffset)
{
    const int nSlant = GetClientSlant();
    nItemInset = ((m_dwTabWndStyle & kStyleNoStartSlant) == 0 && nSlant >= 1) ? nSlant - 2 : -1;
    nButtonMargin = 0;
    nStripOffset = 0;
}

void CExtTabFlatWnd::OnTabWndUpdateItemMeasure(TAB_ITEM_INFO* pTii, CDC& dc, CSize& sizePreCalc)
{
    (void)dc;
    const bool bHorz = OrientationIsHorizontal();
    int nSlant = GetClientSlant();
    bool bStart = true, bEnd = true;
    GetFlatSlantSides(ItemGetIndexOf(pTii), pTii, bStart, bEnd);
    if (!bStart && !bEnd)
        nSlant = 0;
    CRect rcClient(0, 0, 0, 0);
    if (GetSafeHwnd() != nullptr)
        GetClientRect(&rcClient);
    int nInset = 0, nMargin = 0, nOffset = 0;
    OnTabWndQueryMetrics(nInset, nMargin, nOffset);
    const int nAcross = (bHorz ? rcClient.Height() : rcClient.Width()) - nOffset;
    const int nGrow = nSlant > 0 ? 2 * nSlant + 2 : 0;
    if (bHorz)
    {
        sizePreCalc.cy = nAcross;
        sizePreCalc.cx += nGrow;
    }
    else
    {
        sizePreCalc.cx = nAcross;
        sizePreCalc.cy += nGrow;
    }
}

void CExtTabFlatWnd::OnTabWndQueryButtonSize(CSize& sizeButton, CDC& dc, int nThickness)
{
    CExtTabWnd::OnTabWndQueryButtonSize(sizeButton, dc, nThickness);
    CRect rcClient(0, 0, 0, 0);
    if (GetSafeHwnd() != nullptr)
        GetClientRect(&rcClient);
    const DWORD dwOrientation = OrientationGet();
    // Along and across the strip: width and height for a horizontal strip, exchanged for a vertical one.
    const bool bHorz = OrientationIsHorizontal();
    LONG& nAlong = bHorz ? sizeButton.cx : sizeButton.cy;
    LONG& nAcross = bHorz ? sizeButton.cy : sizeButton.cx;
    const int nClient = bHorz ? rcClient.Height() : rcClient.Width();
    if (nAlong > nClient)
        nAlong = nAlong * 8 / 10;
    nAcross = std::min((int)nAcross, nClient - 1);
    const bool bFarSide = dwOrientation == kOrientBottom || dwOrientation == kOrientRight;
    if (bFarSide && nAcross > nClient - 2)
        --nAcross;
    sizeButton.cx = std::max((int)sizeButton.cx, kMinButtonSide);
    sizeButton.cy = std::max((int)sizeButton.cy, kMinButtonSide);
}

// ---- painting ---------------------------------------------------------------------------------

CRect CExtTabFlatWnd::InnerEdgeLine(const CRect& rc, DWORD dwOrientation)
{
    switch (dwOrientation)
    {
    case kOrientBottom: return CRect(rc.left, rc.top, rc.right, rc.top + 1);
    case kOrientLeft: return CRect(rc.right - 1, rc.top, rc.right, rc.bottom);
    case kOrientRight: return CRect(rc.left, rc.top, rc.left + 1, rc.bottom);
    default: return CRect(rc.left, rc.bottom - 1, rc.right, rc.bottom);
    }
}

void CExtTabFlatWnd::FlatOutline(const CRect& rcItem, DWORD dwOrientation, int nStartSlant, int nEndSlant, POINT* pts)
{
    const bool bHorz = dwOrientation == kOrientTop || dwOrientation == kOrientBottom;
    const int W = bHorz ? rcItem.Width() : rcItem.Height();
    const int H = bHorz ? rcItem.Height() : rcItem.Width();
    pts[0] = MapFlat(rcItem, dwOrientation, -nStartSlant, 0);
    pts[1] = MapFlat(rcItem, dwOrientation, 0, H - 1);
    pts[2] = MapFlat(rcItem, dwOrientation, W - 1, H - 1);
    pts[3] = MapFlat(rcItem, dwOrientation, W - 1 + nEndSlant, 0);
}

void CExtTabFlatWnd::OnTabWndEraseClientArea(CDC& dc, const CRect& rcClient, const CRect& rcItemsArea,
                                             const CRect& rcNearBorder, DWORD dwOrientation, bool bGroupedMode)
{
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    if (pPM->IsKindOf(RUNTIME_CLASS(CExtPaintManagerOffice2003)))
        pPM->PaintTabClientArea(dc, rcClient, rcItemsArea, rcNearBorder, dwOrientation, bGroupedMode, this, 0);
    else
        dc.FillSolidRect(&rcClient, pPM->GetTranslatedColor(XCLR_FACE_NORMAL, this));
    COLORREF clrLine = 0;
    GetFlatLineColor(clrLine);
    dc.FillSolidRect(InnerEdgeLine(rcClient, dwOrientation), clrLine);
}

void CExtTabFlatWnd::OnTabWndDrawEntire(CDC& dc, const CRect& rcClient)
{
    const bool bHorz = OrientationIsHorizontal();
    const bool bTopLeft = OrientationIsTopLeft();
    const bool bGrouped = IsGroupedMode();
    OnTabWndEraseClientArea(dc, rcClient, m_rcItemsArea, m_rcNearBorder, OrientationGet(), bGrouped);
    if (ItemGetCount() > 0 && m_nVisibleItemCount > 0 && m_nFirstVisible >= 0)
    {
        // The slanted ends reach beyond the item rectangles.
        const int nReach = GetClientSlant() + 1;
        CRect rcClip(m_rcItemsArea);
        if (bHorz)
            rcClip.InflateRect(nReach, 0);
        else
            rcClip.InflateRect(0, nReach);
        const int nSaved = dc.SaveDC();
        dc.IntersectClipRect(&rcClip);
        const int nSel = SelectionGet();
        auto drawOne = [&](int i) {
            TAB_ITEM_INFO* pTii = m_arrItems[i];
            if (!pTii->IsVisible())
                return;
            const CRect rcItem = ItemRectToClient(pTii);
            CRect rcReach(rcItem);
            if (bHorz)
                rcReach.InflateRect(nReach, 0);
            else
                rcReach.InflateRect(0, nReach);
            if (!dc.RectVisible(&rcReach))
                return;
            OnTabWndDrawItem(dc, m_rcItemsArea, bTopLeft, bHorz, pTii->IsSelected(), false, pTii->IsGroupCurrent(),
                             bGrouped, false, rcItem, pTii->m_sizeLastMeasuredText, GetItemFont(pTii->IsSelected()),
                             pTii->GetText(), i, pTii->GetIconPtr());
        };
        for (int i = m_nFirstVisible; i <= m_nLastVisible && i < ItemGetCount(); ++i)
        {
            if (i != nSel)
                drawOne(i);
        }
        if (nSel >= m_nFirstVisible && nSel <= m_nLastVisible && nSel < ItemGetCount())
            drawOne(nSel);
        dc.RestoreDC(nSaved);
    }
    CPoint ptCursor(-1, -1);
    if (::GetCursorPos(&ptCursor))
        ScreenToClient(&ptCursor);
    for (LONG nCode : {kHitPrev, kHitNext, kHitHelp, kHitClose, kHitTabList})
    {
        if (!IsButtonShown(nCode))
            continue;
        const CRect rc = GetButtonRect(nCode);
        if (!dc.RectVisible(&rc))
            continue;
        bool bEnabled = false;
        switch (nCode)
        {
        case kHitPrev: bEnabled = (m_dwTabWndStyle & kStyleEnabledPrev) != 0; break;
        case kHitNext: bEnabled = (m_dwTabWndStyle & kStyleEnabledNext) != 0; break;
        case kHitHelp: bEnabled = (m_dwTabWndStyle & kStyleEnabledHelp) != 0; break;
        case kHitClose: bEnabled = (m_dwTabWndStyle & kStyleEnabledClose) != 0; break;
        default: bEnabled = (m_dwTabWndStyle & kStyleEnabledTabList) != 0 && ItemGetCount() > 0; break;
        }
        const bool bHover = bEnabled && rc.PtInRect(ptCursor);
        OnTabWndDrawButton(dc, rc, nCode, bTopLeft, bHorz, bEnabled, bHover, m_bButtonPressed[kHitPrev - nCode],
                           bGrouped);
    }
}

void CExtTabFlatWnd::OnTabWndDrawItem(CDC& dc, const CRect& rcItemsArea, bool bTopLeft, bool bHorz, bool bSelected,
                                      bool bFlag6, bool bGroupActive, bool bGroupedMode, bool bFlag9,
                                      const CRect& rcItem, CSize sizeTextMeasured, CFont* pFont, LPCTSTR pszText,
                                      int nItemIndex, CExtCmdIcon* pIcon)
{
    (void)rcItemsArea;
    (void)bTopLeft;
    (void)bFlag6;
    (void)bGroupActive;
    (void)bGroupedMode;
    (void)bFlag9;
    (void)sizeTextMeasured;
    if (rcItem.IsRectEmpty())
        return;
    const DWORD dwOrientation = OrientationGet();
    COLORREF clrLight = 0, clrShadow = 0, clrOutline = 0, clrFace = 0, clrText = 0;
    GetFlatItemColors(nItemIndex, bSelected, clrLight, clrShadow, clrOutline, clrFace, clrText);
    bool bStart = true, bEnd = true;
    GetFlatSlantSides(nItemIndex, ItemGet(nItemIndex), bStart, bEnd);
    const int nSlant = GetFlatSlant(bHorz, rcItem);
    const int nStart = bStart ? nSlant : 0, nEnd = bEnd ? nSlant : 0;
    POINT pts[4];
    FlatOutline(rcItem, dwOrientation, nStart, nEnd, pts);
    {
        CPen penOutline;
        penOutline.CreatePen(PS_SOLID, 1, clrOutline);
        CBrush brushFace;
        brushFace.CreateSolidBrush(clrFace);
        CPen* pOldPen = dc.SelectObject(&penOutline);
        CBrush* pOldBrush = dc.SelectObject(&brushFace);
        dc.Polygon(pts, 4);
        dc.SelectObject(pOldBrush);
        dc.SelectObject(pOldPen);
    }
    // The light line inside the start end and the shadow line inside the far end.
    const int W = bHorz ? rcItem.Width() : rcItem.Height();
    const int H = bHorz ? rcItem.Height() : rcItem.Width();
    if (H > 3 && W > 3)
    {
        const struct
        {
            COLORREF clr;
            CPoint ptFrom, ptTo;
        } lines[] = {
            {clrLight, MapFlat(rcItem, dwOrientation, 1 - nStart, 1), MapFlat(rcItem, dwOrientation, 1, H - 1)},
            {clrShadow, MapFlat(rcItem, dwOrientation, W - 2 + nEnd, 1), MapFlat(rcItem, dwOrientation, W - 2, H - 1)}};
        for (const auto& line : lines)
        {
            CPen pen;
            pen.CreatePen(PS_SOLID, 1, line.clr);
            CPen* pOld = dc.SelectObject(&pen);
            dc.MoveTo(line.ptFrom);
            dc.LineTo(line.ptTo);
            dc.SelectObject(pOld);
        }
    }
    CRect rcContent(rcItem);
    if (bHorz)
        rcContent.DeflateRect(2, 1);
    else
        rcContent.DeflateRect(1, 2);
    DrawFlatIcon(dc, rcContent, bHorz, pIcon);
    tabshape::DrawContent(dc, rcContent, bHorz, pFont, pszText, nullptr, clrText);
}

void CExtTabFlatWnd::OnTabWndDrawButton(CDC& dc, const CRect& rcButton, LONG nHitTest, bool bTopLeft, bool bHorz,
                                        bool bEnabled, bool bHover, bool bPushed, bool bGroupedMode)
{
    (void)bTopLeft;
    (void)bGroupedMode;
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    const auto T = pPM->ColorsFor(this, 0);
    const bool bFramed = bEnabled && (bHover || bPushed);
    if (bFramed && bPushed)
        dc.FillSolidRect(&rcButton, T(COLOR_3DHIGHLIGHT));
    const CExtPaintManagerGlyph* pGlyph = CExtPaintManager::GetTabButtonGlyph(nHitTest, bHorz, bEnabled);
    if (pGlyph != nullptr)
    {
        const COLORREF clrs[2] = {0, T(bEnabled ? COLOR_BTNTEXT : COLOR_3DSHADOW)};
        pPM->PaintGlyphCentered(dc, rcButton, *pGlyph, clrs);
    }
    if (bFramed)
    {
        const COLORREF clrFrame = T(COLOR_3DDKSHADOW);
        dc.Draw3dRect(&rcButton, clrFrame, clrFrame);
    }
}

// ---- docking to the parent's side ---------------------------------------------------------------

LRESULT CExtTabFlatWnd::OnFlatSizeParent(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    auto* lpLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    CRect rcParent;
    if (PrepareDockLayout(lpLayout, rcParent))
        TakeDockSlice(lpLayout, rcParent, GetFlatStripThickness(OrientationIsHorizontal()));
    return 0;
}
