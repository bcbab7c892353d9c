// CExtTabWhidbeyWnd: measuring, background and tab drawing of the Whidbey style.
#include "toolkit/bars_tabs/ExtTabWhidbeyWnd.h"
#include "toolkit/bars_tabs/ExtTabShape.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

IMPLEMENT_DYNCREATE(CExtTabWhidbeyWnd, CExtTabWnd)

namespace
{

const DWORD kSubclassStyle = CExtTabWnd::kStyleBoldSelection | CExtTabWnd::kStyleFlat; // 0x1040
const int kSlant = 6;

} // namespace

CExtTabWhidbeyWnd::CExtTabWhidbeyWnd() {}

CExtTabWhidbeyWnd::~CExtTabWhidbeyWnd() {}

void CExtTabWhidbeyWnd::GetItemColors(bool bSelected, bool bSecondFlag, COLORREF& clrBorder, COLORREF& clrGradient1,
                                      COLORREF& clrGradient2, COLORREF& clrText)
{
    g_PaintManagerHolder->GetWhidbeyTabItemColors(bSelected, bSecondFlag, clrBorder, clrGradient1, clrGradient2,
                                                  clrText);
}

bool CExtTabWhidbeyWnd::Create(CWnd* pParentWnd, const RECT& rcWnd, UINT nDlgCtrlID, DWORD dwWindowStyle,
                               DWORD dwTabStyle, CCreateContext* pContext)
{
    return CExtTabWnd::Create(pParentWnd, rcWnd, nDlgCtrlID, dwWindowStyle, dwTabStyle, pContext);
}

void CExtTabWhidbeyWnd::PreSubclassWindow() { SubclassWithStyle(kSubclassStyle); }

void CExtTabWhidbeyWnd::OnTabWndQueryMetrics(int& nItemInset, int& nButtonMargin, int& nStripOffset)
{
    tabshape::QueryMetrics(nItemInset, nButtonMargin, nStripOffset);
}

void CExtTabWhidbeyWnd::OnTabWndUpdateItemMeasure(TAB_ITEM_INFO* pTii, CDC& dc, CSize& sizePreCalc)
{
    (void)dc;
    tabshape::MeasureItem(OrientationIsHorizontal(), pTii->m_pPrev == nullptr ? kFirstTabExtra : 0, kTabThickness,
                          sizePreCalc);
}

CRect CExtTabWhidbeyWnd::EdgeLineRect(const CRect& rcItemsArea, DWORD dwOrientation)
{
    const CRect& r = rcItemsArea;
    switch (dwOrientation)
    {
    case kOrientBottom: return CRect(r.left, r.bottom, r.right, r.bottom + 1);
    case kOrientLeft: return CRect(r.left, r.top, r.left + 1, r.bottom);
    case kOrientRight: return CRect(r.right - 1, r.top, r.right, r.bottom);
    default: return CRect(r.left, r.top - 1, r.right, r.top);
    }
}

void CExtTabWhidbeyWnd::OnTabWndEraseClientArea(CDC& dc, const CRect& rcClient, const CRect& rcItemsArea,
                                                const CRect& rcNearBorder, DWORD dwOrientation, bool bGroupedMode)
{
    (void)rcNearBorder;
    (void)bGroupedMode;
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    dc.FillSolidRect(&rcClient, pPM->GetTranslatedColor(COLOR_3DLIGHT, this));
    if (!rcItemsArea.IsRectEmpty())
        dc.FillSolidRect(EdgeLineRect(rcItemsArea, dwOrientation), pPM->GetTranslatedColor(COLOR_3DSHADOW, this));
}

void CExtTabWhidbeyWnd::OnTabWndDrawItem(CDC& dc, const CRect& rcItemsArea, bool bTopLeft, bool bHorz, bool bSelected,
                                         bool bFlag6, bool bGroupActive, bool bGroupedMode, bool bFlag9,
                                         const CRect& rcItem, CSize sizeTextMeasured, CFont* pFont, LPCTSTR pszText,
                                         int nItemIndex, CExtCmdIcon* pIcon)
{
    (void)rcItemsArea;
    (void)bFlag6;
    (void)bGroupActive;
    (void)bGroupedMode;
    (void)bFlag9;
    (void)sizeTextMeasured;
    const bool bHover = tabshape::IsItemHovered(*this, nItemIndex);
    COLORREF clrBorder = 0, clrGradient1 = 0, clrGradient2 = 0, clrText = 0;
    GetItemColors(bSelected, bHover, clrBorder, clrGradient1, clrGradient2, clrText);
    const bool bFirst = nItemIndex == 0;
    POINT pts[6];
    int nPts = 0;
    CRgn rgn;
    if (!tabshape::OutlineRegion({rcItem, bTopLeft, bHorz}, bFirst ? kFirstTabExtra : kSlant, pts, nPts, rgn))
        return;
    tabshape::FillRegion(dc, rgn, rcItem, bHorz, !tabshape::IsLowColor(dc), clrGradient1, clrGradient2);
    // Edge lines along the outline; the side towards the area beside the strip stays open.
    CPen pen;
    pen.CreatePen(PS_SOLID, 1, clrBorder);
    CPen* pOldPen = dc.SelectObject(&pen);
    dc.Polyline(pts, nPts);
    dc.SelectObject(pOldPen);
    CRect rcContent(rcItem);
    rcContent.DeflateRect(2, 2);
    // Only the first tab has room of its own for the slant.
    if (bFirst && bHorz)
        rcContent.left += kFirstTabExtra;
    else if (bFirst)
        rcContent.top += kFirstTabExtra;
    tabshape::DrawContent(dc, rcContent, bHorz, pFont, pszText, pIcon, clrText);
}
