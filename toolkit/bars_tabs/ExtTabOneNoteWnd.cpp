// CExtTabOneNoteWnd: tabs with their own colour pairs, measuring, background band and tab drawing.
#include "toolkit/bars_tabs/ExtTabOneNoteWnd.h"
#include "toolkit/bars_tabs/ExtTabShape.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

IMPLEMENT_DYNCREATE(CExtTabOneNoteWnd, CExtTabWnd)

const COLORREF CExtTabOneNoteWnd::g_arrPalette[kPaletteSize][2] = {
    {0xF7E6DD, 0xE4A88A}, {0xD5F4FF, 0x69D8FF}, {0xE2F0EA, 0x97C9B7}, {0xE2E1F9, 0x9795EE},
    {0xF5E3EA, 0xDE9EB4}, {0xE8ECE0, 0xAEBA91}, {0xD9E9FC, 0x78B0F6},
};

namespace
{

const DWORD kSubclassStyle = CExtTabWnd::kStyleBoldSelection | CExtTabWnd::kStyleEnabledHelp |
                             CExtTabWnd::kStyleEnabledClose | CExtTabWnd::kStyleFlat |
                             CExtTabWnd::kStyleEnabledTabList; // 0x101340
const int kSlant = 4;                                          // the slanted start of every tab but the first

} // namespace

CExtTabOneNoteWnd::TAB_ITEM_INFO_ONENOTE::TAB_ITEM_INFO_ONENOTE(CExtTabWnd* pWndTab, LPCTSTR lpszText,
                                                                const CExtCmdIcon* pIcon, bool bCopyIcon,
                                                                DWORD dwItemStyle, LPARAM lParam, COLORREF clrLight,
                                                                COLORREF clrDark)
    : TAB_ITEM_INFO(pWndTab, lpszText, pIcon, bCopyIcon, dwItemStyle, lParam), m_clrLight(clrLight), m_clrDark(clrDark)
{}

CExtTabOneNoteWnd::CExtTabOneNoteWnd() : m_nColorCounter(0) {}

CExtTabOneNoteWnd::~CExtTabOneNoteWnd() {}

void CExtTabOneNoteWnd::TakePaletteColors(COLORREF& clrLight, COLORREF& clrDark)
{
    const int n = m_nColorCounter % kPaletteSize;
    clrLight = g_arrPalette[n][0];
    clrDark = g_arrPalette[n][1];
    ++m_nColorCounter;
}

CExtTabWnd::TAB_ITEM_INFO* CExtTabOneNoteWnd::ItemInsertWithColors(LPCTSTR lpszText, const CExtCmdIcon* pIcon,
                                                                   bool bCopyIcon, DWORD dwItemStyle, int nIndex,
                                                                   LPARAM lParam, COLORREF clrLight, COLORREF clrDark,
                                                                   bool bUpdate)
{
    if (clrLight == (COLORREF)-1 || clrDark == (COLORREF)-1)
        TakePaletteColors(clrLight, clrDark);
    auto* pTii = new TAB_ITEM_INFO_ONENOTE(this, lpszText, pIcon, bCopyIcon, dwItemStyle, lParam, clrLight, clrDark);
    return ItemInsertRecord(pTii, nIndex, bUpdate);
}

CExtTabWnd::TAB_ITEM_INFO* CExtTabOneNoteWnd::ItemCreateRecord(LPCTSTR lpszText, const CExtCmdIcon* pIcon,
                                                               bool bCopyIcon, DWORD dwItemStyle, LPARAM lParam)
{
    COLORREF clrLight = 0, clrDark = 0;
    TakePaletteColors(clrLight, clrDark);
    return new TAB_ITEM_INFO_ONENOTE(this, lpszText, pIcon, bCopyIcon, dwItemStyle, lParam, clrLight, clrDark);
}

CExtTabWnd::TAB_ITEM_INFO* CExtTabOneNoteWnd::ItemCopyRecord(const TAB_ITEM_INFO* pTii)
{
    const auto* pOne = static_cast<const TAB_ITEM_INFO_ONENOTE*>(pTii);
    return new TAB_ITEM_INFO_ONENOTE(this, pTii->m_sText, &pTii->m_icon, true, pTii->m_dwItemStyle, pTii->m_lParam,
                                     pOne->m_clrLight, pOne->m_clrDark);
}

void CExtTabOneNoteWnd::GetItemColors(int nIndex, bool bSelected, bool bHighlighted, COLORREF& clrFill,
                                      COLORREF& clrBorder, COLORREF& clrGradient1, COLORREF& clrGradient2,
                                      COLORREF& clrText)
{
    g_PaintManagerHolder->GetOneNoteTabItemColors(bSelected, bHighlighted, clrFill, clrBorder, clrGradient1,
                                                  clrGradient2, clrText);
    if (bHighlighted)
        return;
    if (const auto* pTii = static_cast<const TAB_ITEM_INFO_ONENOTE*>(ItemGet(nIndex)))
    {
        clrGradient1 = pTii->m_clrLight;
        clrGradient2 = pTii->m_clrDark;
    }
}

bool CExtTabOneNoteWnd::Create(CWnd* pParentWnd, const RECT& rcWnd, UINT nDlgCtrlID, DWORD dwWindowStyle,
                               DWORD dwTabStyle, CCreateContext* pContext)
{
    return CExtTabWnd::Create(pParentWnd, rcWnd, nDlgCtrlID, dwWindowStyle, dwTabStyle, pContext);
}

void CExtTabOneNoteWnd::PreSubclassWindow() { SubclassWithStyle(kSubclassStyle); }

void CExtTabOneNoteWnd::OnTabWndQueryMetrics(int& nItemInset, int& nButtonMargin, int& nStripOffset)
{
    tabshape::QueryMetrics(nItemInset, nButtonMargin, nStripOffset);
}

void CExtTabOneNoteWnd::OnTabWndUpdateItemMeasure(TAB_ITEM_INFO* pTii, CDC& dc, CSize& sizePreCalc)
{
    (void)dc;
    tabshape::MeasureItem(OrientationIsHorizontal(), kTabPad + (pTii->m_pPrev == nullptr ? kFirstTabExtra : 0),
                          kTabThickness, sizePreCalc);
}

CRect CExtTabOneNoteWnd::EdgeLineRect(const CRect& rcItemsArea, DWORD dwOrientation)
{
    const CRect& r = rcItemsArea;
    switch (dwOrientation)
    {
    case kOrientBottom: return CRect(r.left, r.top, r.right, r.top + 1);
    case kOrientLeft: return CRect(r.right - 1, r.top, r.right, r.bottom);
    case kOrientRight: return CRect(r.left, r.top, r.left + 1, r.bottom);
    default: return CRect(r.left, r.bottom - 1, r.right, r.bottom);
    }
}

CRect CExtTabOneNoteWnd::BandRect(const CRect& rcClient, const CRect& rcItemsArea, DWORD dwOrientation)
{
    switch (dwOrientation)
    {
    case kOrientBottom: return CRect(rcClient.left, rcClient.top, rcClient.right, rcItemsArea.top);
    case kOrientLeft: return CRect(rcItemsArea.right, rcClient.top, rcClient.right, rcClient.bottom);
    case kOrientRight: return CRect(rcClient.left, rcClient.top, rcItemsArea.left, rcClient.bottom);
    default: return CRect(rcClient.left, rcItemsArea.bottom, rcClient.right, rcClient.bottom);
    }
}

void CExtTabOneNoteWnd::OnTabWndEraseClientArea(CDC& dc, const CRect& rcClient, const CRect& rcItemsArea,
                                                const CRect& rcNearBorder, DWORD dwOrientation, bool bGroupedMode)
{
    (void)rcNearBorder;
    (void)bGroupedMode;
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    auto T = [&](int n) { return pPM->GetTranslatedColor(n, this); };
    const bool bLowColor = tabshape::IsLowColor(dc);
    const bool bHorz = dwOrientation <= kOrientBottom;
    if (bLowColor)
        dc.FillSolidRect(&rcClient, T(COLOR_3DFACE));
    else
        CExtPaintManager::PaintGradientRect(dc, rcClient, T(COLOR_3DHILIGHT), T(COLOR_3DLIGHT), bHorz);
    if (rcItemsArea.IsRectEmpty())
        return;
    dc.FillSolidRect(EdgeLineRect(rcItemsArea, dwOrientation), T(COLOR_3DSHADOW));
    COLORREF clrBand;
    if (bLowColor)
        clrBand = T(m_nSelIndex >= 0 ? COLOR_WINDOW : COLOR_3DFACE);
    else
    {
        COLORREF clrFill = 0, clrBorder = 0, clrLight = 0, clrDark = 0, clrText = 0;
        GetItemColors(m_nSelIndex, true, false, clrFill, clrBorder, clrLight, clrDark, clrText);
        clrBand = clrDark;
    }
    const CRect rcBand = BandRect(rcClient, rcItemsArea, dwOrientation);
    if (!rcBand.IsRectEmpty())
        dc.FillSolidRect(&rcBand, clrBand);
}

void CExtTabOneNoteWnd::OnTabWndDrawItem(CDC& dc, const CRect& rcItemsArea, bool bTopLeft, bool bHorz, bool bSelected,
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
    COLORREF clrFill = 0, clrBorder = 0, clrLight = 0, clrDark = 0, clrText = 0;
    GetItemColors(nItemIndex, bSelected, bHover, clrFill, clrBorder, clrLight, clrDark, clrText);
    const bool bFirst = nItemIndex == 0;
    POINT pts[6];
    int nPts = 0;
    CRgn rgn;
    if (!tabshape::OutlineRegion({rcItem, bTopLeft, bHorz}, bFirst ? kFirstTabExtra : kSlant, pts, nPts, rgn))
        return;
    const bool bLowColor = tabshape::IsLowColor(dc);
    if (bLowColor)
    {
        const COLORREF clr = g_PaintManagerHolder->GetTranslatedColor(bSelected ? COLOR_WINDOW : COLOR_3DFACE, this);
        tabshape::FillRegion(dc, rgn, rcItem, bHorz, false, clr, clr);
    }
    else
        tabshape::FillRegion(dc, rgn, rcItem, bHorz, true, clrLight, bSelected ? clrLight : clrDark);
    CBrush brushBorder;
    brushBorder.CreateSolidBrush(clrBorder);
    dc.FrameRgn(&rgn, &brushBorder, 1, 1);
    CRect rcContent(rcItem);
    rcContent.DeflateRect(2, 2);
    if (bHorz)
        rcContent.left += (bFirst ? kFirstTabExtra : kSlant);
    else
        rcContent.top += (bFirst ? kFirstTabExtra : kSlant);
    tabshape::DrawContent(dc, rcContent, bHorz, pFont, pszText, pIcon, clrText);
}
