// CExtTabWnd: measuring and placing the items and buttons, painting through one memory DC, and
// docking to a side of the parent during the parent's bar layout (WM_SIZEPARENT).
#include "toolkit/bars_tabs/ExtTabWnd.h"
#include "platform/Dc.h"
#include "toolkit/foundation/ExtMemoryDC.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include <algorithm>

namespace
{

const int kTextPad = 7;        // along the strip after the text
const int kIconGap = 3;        // between the icon and the text
const int kAcrossPad = 4;      // across the strip around the content
const int kVertTextPad = 10;   // a vertical item's text length pad
const int kButtonGap = 2;      // between buttons and at their ends
const int kVisibleSlack = 8;   // a last item starting this far beyond the area still counts as visible
const int kDockTopLeftPad = 9; // a docked strip takes its thickness plus this at the top or left
const int kDockBottomRightPad = 8;

int ButtonSlot(LONG nHitCode) { return (int)(CExtTabWnd::kHitPrev - nHitCode); }

// The DC every layout measures in: one memory DC of the screen's kind, made once (GUI thread only).
// Fonts stay selected in it between measures.
CDC& MeasureDC()
{
    static CDC s_dc;
    if (s_dc.GetSafeHdc() == nullptr)
        s_dc.CreateCompatibleDC(nullptr);
    return s_dc;
}

// The paint manager's single-line measure; plain texts (no access prefix, no tab) take the text
// extent directly, which gives the same size at a fraction of the cost.
CSize MeasureText(CDC& dc, HFONT hFont, LPCTSTR pszText)
{
    if (wcspbrk(pszText, L"&\t") != nullptr)
        return CExtPaintManager::MeasureText(dc, hFont, pszText).Size();
    const HDC hDC = dc.GetSafeHdc();
    const bool bKeepFont = &dc == &MeasureDC();
    HGDIOBJ hOld = nullptr;
    if (hFont != nullptr && ::GetCurrentObject(hDC, OBJ_FONT) != hFont)
        hOld = ::SelectObject(hDC, hFont);
    SIZE size = {0, 0};
    ::GetTextExtentPoint32W(hDC, pszText, (int)wcslen(pszText), &size);
    if (hOld != nullptr && !bKeepFont)
        ::SelectObject(hDC, hOld);
    return CSize(size);
}

} // namespace

// ---- measuring --------------------------------------------------------------------------------

CSize CExtTabWnd::MeasureItem(TAB_ITEM_INFO* pTii, CDC* pDC)
{
    CDC& dc = pDC != nullptr ? *pDC : MeasureDC();
    const bool bHorz = OrientationIsHorizontal();
    // Rotated fonts measure along their baseline like their upright counterparts.
    CFont* pFont = GetItemFont(pTii->IsSelected(), (int)kOrientTop);
    const LPCTSTR pszText = pTii->GetText();
    const bool bHasText = pszText != nullptr && pszText[0] != L'\0';
    CSize sizeText(0, 0);
    if (bHasText)
        sizeText = MeasureText(dc, (HFONT)pFont->GetSafeHandle(), pszText);
    const CSize sizeIcon = pTii->GetIconSize();
    pTii->m_sizeLastMeasuredIcon = sizeIcon;
    CSize size;
    if (bHorz)
    {
        pTii->m_sizeLastMeasuredText = sizeText;
        int cx = sizeIcon.cx >= 1 ? sizeIcon.cx + kIconGap : 0;
        if (bHasText)
            cx += sizeText.cx + kTextPad;
        size.cx = std::max(cx, (int)kMinItemLength);
        size.cy = std::max((int)std::max(sizeIcon.cy, sizeText.cy) + kAcrossPad, (int)kMinThickness);
    }
    else
    {
        pTii->m_sizeLastMeasuredText = bHasText ? CSize(sizeText.cx + kVertTextPad, sizeText.cy + 2) : CSize(0, 0);
        size.cx =
            std::max(std::max((int)sizeIcon.cx, (int)pTii->m_sizeLastMeasuredText.cy) + kAcrossPad, (int)kMinThickness);
        int cy = sizeIcon.cy >= 1 ? sizeIcon.cy + kIconGap : 0;
        if (bHasText)
            cy += pTii->m_sizeLastMeasuredText.cx + kTextPad;
        size.cy = std::max(cy, (int)kMinItemLength);
    }
    OnTabWndUpdateItemMeasure(pTii, dc, size);
    pTii->m_sizeItem = size;
    return size;
}

void CExtTabWnd::OnTabWndUpdateItemMeasure(TAB_ITEM_INFO* pTii, CDC& dc, CSize& sizePreCalc)
{
    (void)pTii;
    (void)dc;
    (void)sizePreCalc;
}

void CExtTabWnd::OnTabWndQueryMetrics(int& nItemInset, int& nButtonMargin, int& nStripOffset)
{
    nItemInset = 0;
    nButtonMargin = 0;
    nStripOffset = 0;
    g_PaintManagerHolder->GetTabMetrics(this, nItemInset, nButtonMargin, nStripOffset);
}

void CExtTabWnd::OnTabWndQueryButtonSize(CSize& sizeButton, CDC& dc, int nThickness)
{
    (void)dc;
    (void)nThickness;
    const int n = std::max(std::min(::GetSystemMetrics(SM_CXSMSIZE), ::GetSystemMetrics(SM_CYSMSIZE)) + 1, 12);
    sizeButton = CSize(n, n);
}

// ---- layout -----------------------------------------------------------------------------------

CRect CExtTabWnd::GetLayoutRect() const
{
    if (!m_rcLayoutOverride.IsRectEmpty())
        return m_rcLayoutOverride;
    CRect rc(0, 0, 0, 0);
    if (GetSafeHwnd() != nullptr)
        GetClientRect(&rc);
    return rc;
}

void CExtTabWnd::RecalcLayout()
{
    if (GetSafeHwnd() == nullptr || !m_bLayoutDirty)
        return;
    m_bLayoutDirty = false;
    m_rcItemsArea.SetRectEmpty();
    m_rcNearBorder.SetRectEmpty();
    for (int i = 0; i < 5; ++i)
    {
        m_rcButtons[i].SetRectEmpty();
        m_bButtonShown[i] = false;
    }
    m_nFirstVisible = m_nLastVisible = -1;
    m_bSomeItemNarrowed = false;
    const CRect rcLayout = GetLayoutRect();
    if (rcLayout.IsRectEmpty())
        return;
    const bool bHorz = OrientationIsHorizontal();
    const bool bGrouped = IsGroupedMode();
    const bool bExpandGroups = (m_dwTabWndStyle & kStyleGroupedExpandItems) != 0;
    auto along = [bHorz](const CSize& s) { return (int)(bHorz ? s.cx : s.cy); };
    auto across = [bHorz](const CSize& s) { return (int)(bHorz ? s.cy : s.cx); };

    // Measure the visible items; content length along the strip, thickness across it.
    CDC& dc = MeasureDC();
    int nContent = bGrouped ? 10 : 0;
    int nThickItems = 0;
    const int nCount = ItemGetCount();
    bool bFirstVisible = true;
    for (int i = 0; i < nCount;)
    {
        TAB_ITEM_INFO* pTii = m_arrItems[i];
        if (!bGrouped || bExpandGroups)
        {
            if (pTii->IsVisible())
            {
                const CSize size = MeasureItem(pTii, &dc);
                if (bGrouped && pTii->IsGroupStart() && !bFirstVisible)
                    nContent += kGroupGap;
                nContent += along(size);
                nThickItems = std::max(nThickItems, across(size));
                bFirstVisible = false;
            }
            ++i;
            continue;
        }
        // A group: this item up to the item before the next group start, measured together.
        int nEnd = i + 1;
        while (nEnd < nCount && !m_arrItems[nEnd]->IsGroupStart())
            ++nEnd;
        int nFull = 0, nShort = 0, nVisibleInGroup = 0;
        for (int k = i; k < nEnd; ++k)
        {
            TAB_ITEM_INFO* p = m_arrItems[k];
            if (!p->IsVisible())
                continue;
            const CSize size = MeasureItem(p, &dc);
            nThickItems = std::max(nThickItems, across(size));
            nFull = std::max(nFull, along(size));
            if (along(p->m_sizeLastMeasuredIcon) > 0)
                nShort = std::max(nShort, along(size) - kIconGap - (int)p->m_sizeLastMeasuredText.cx);
            if (p->IsGroupStart() && !bFirstVisible)
                nContent += kGroupGap;
            bFirstVisible = false;
            ++nVisibleInGroup;
        }
        if (nVisibleInGroup > 0)
        {
            nContent += (nVisibleInGroup - 1) * nShort + nFull;
            for (int k = i; k < nEnd; ++k)
            {
                TAB_ITEM_INFO* p = m_arrItems[k];
                if (!p->IsVisible())
                    continue;
                // An item without an icon keeps its text: shortened to its icon it would be an empty tab.
                int nLen = nShort;
                if (p->IsGroupCurrent())
                    nLen = nFull;
                else if (along(p->m_sizeLastMeasuredIcon) <= 0)
                {
                    nLen = along(p->m_sizeItem);
                    nContent += nLen - nShort;
                }
                if (bHorz)
                    p->m_sizeItem.cx = nLen;
                else
                    p->m_sizeItem.cy = nLen;
            }
        }
        i = nEnd;
    }
    // The paint manager may replace its fonts: none stays selected in the measuring DC.
    ::SelectObject(dc.GetSafeHdc(), ::GetStockObject(SYSTEM_FONT));
    m_nContentLength = nContent;

    int nInset = 0, nMargin = 0, nOffset = 0;
    OnTabWndQueryMetrics(nInset, nMargin, nOffset);
    const int nThickness = std::max(nThickItems, (int)kMinThickness);
    m_nThickness = nThickness;
    CSize sizeButton(0, 0);
    OnTabWndQueryButtonSize(sizeButton, dc, nThickness);
    const int b = (int)sizeButton.cx;
    const bool bFit = (m_dwTabWndStyle & kStyleFit) != 0 && !bGrouped;
    const bool bShowClose = (m_dwTabWndStyle & kStyleShowClose) != 0;
    const bool bShowHelp = (m_dwTabWndStyle & kStyleShowHelp) != 0;
    const bool bShowTabList = (m_dwTabWndStyle & kStyleShowTabList) != 0;
    bool bShowScroll = !bFit;

    // The button area, measured before the scroll range is known.
    int nButtonArea = nMargin;
    bool bFirstButton = true;
    if (bShowClose)
    {
        nButtonArea += kButtonGap + b + kButtonGap;
        bFirstButton = false;
    }
    for (bool bShown : {bShowHelp, bShowTabList})
    {
        if (!bShown)
            continue;
        nButtonArea += b + kButtonGap + (bFirstButton ? kButtonGap : 0);
        bFirstButton = false;
    }
    if (bShowScroll)
        nButtonArea += 2 * b + 2 * kButtonGap + (bFirstButton ? kButtonGap : 0);

    // The strip and the area beside it.
    CRect rcStrip(rcLayout);
    switch (OrientationGet())
    {
    case kOrientTop:
        rcStrip.top = rcLayout.top + nOffset;
        rcStrip.bottom = std::min((int)rcStrip.top + nThickness, (int)rcLayout.bottom);
        if (rcStrip.bottom < rcLayout.bottom)
            m_rcNearBorder.SetRect(rcLayout.left, rcStrip.bottom, rcLayout.right, rcLayout.bottom);
        rcStrip.left = rcLayout.left + nInset;
        rcStrip.right = rcLayout.right - nButtonArea;
        break;
    case kOrientBottom:
        rcStrip.bottom = rcLayout.bottom - nOffset;
        rcStrip.top = std::max((int)rcStrip.bottom - nThickness, (int)rcLayout.top);
        m_rcNearBorder.SetRect(rcLayout.left, rcLayout.top, rcLayout.right, rcStrip.top);
        rcStrip.left = rcLayout.left + nInset;
        rcStrip.right = rcLayout.right - nButtonArea;
        break;
    case kOrientLeft:
        rcStrip.left = rcLayout.left + nOffset;
        rcStrip.right = std::min((int)rcStrip.left + nThickness, (int)rcLayout.right);
        m_rcNearBorder.SetRect(rcStrip.right, rcLayout.top, rcLayout.right, rcLayout.bottom);
        rcStrip.top = rcLayout.top + nInset;
        rcStrip.bottom = rcLayout.bottom - nButtonArea;
        break;
    default:
        rcStrip.right = rcLayout.right - nOffset;
        rcStrip.left = std::max((int)rcStrip.right - nThickness, (int)rcLayout.left);
        m_rcNearBorder.SetRect(rcLayout.left, rcLayout.top, rcStrip.left, rcLayout.bottom);
        rcStrip.top = rcLayout.top + nInset;
        rcStrip.bottom = rcLayout.bottom - nButtonArea;
        break;
    }
    if (m_rcNearBorder.IsRectEmpty())
        m_rcNearBorder.SetRectEmpty();
    m_rcItemsArea = rcStrip;
    const int nAreaLength = std::max(0, bHorz ? (int)rcStrip.Width() : (int)rcStrip.Height());
    m_nScrollMax = std::max(0, nContent - nAreaLength);
    m_nScrollPos = std::min(m_nScrollPos, m_nScrollMax);

    // Fit length: 0 keeps the measured lengths.
    int nFitLength = 0;
    if (bFit)
    {
        nFitLength = kMinItemLength;
        if (m_nVisibleItemCount > 0 && (m_nScrollMax > 0 || (m_dwTabWndStyle & kStyleFullWidth) != 0))
        {
            const int nShare = nAreaLength / m_nVisibleItemCount;
            if (nShare > (int)kMinItemLength)
                nFitLength = nShare;
        }
        if (m_nScrollMax == 0 && (m_dwTabWndStyle & kStyleFullWidth) == 0)
            nFitLength = 0;
    }
    if ((m_dwTabWndStyle & kStyleAutoHideScroll) != 0 && m_nScrollMax == 0)
        bShowScroll = false;

    // Buttons from the far end inwards: Close, tab list, Help, Next, Previous.
    CRect rcButton;
    if (bHorz)
    {
        rcButton.right = rcLayout.right - nMargin - kButtonGap;
        rcButton.left = rcButton.right - b;
        rcButton.top = rcStrip.top + (nThickness - b) / 2;
        rcButton.bottom = rcButton.top + b;
    }
    else
    {
        rcButton.bottom = rcLayout.bottom - nMargin - kButtonGap;
        rcButton.top = rcButton.bottom - b;
        rcButton.left = rcStrip.left + (nThickness - b) / 2;
        rcButton.right = rcButton.left + b;
    }
    const struct
    {
        LONG nCode;
        bool bShown;
    } buttons[] = {{kHitClose, bShowClose},
                   {kHitTabList, bShowTabList},
                   {kHitHelp, bShowHelp},
                   {kHitNext, bShowScroll},
                   {kHitPrev, bShowScroll}};
    for (const auto& btn : buttons)
    {
        if (!btn.bShown)
            continue;
        m_rcButtons[ButtonSlot(btn.nCode)] = rcButton;
        m_bButtonShown[ButtonSlot(btn.nCode)] = true;
        if (bHorz)
            rcButton.OffsetRect(-(b + kButtonGap), 0);
        else
            rcButton.OffsetRect(0, -(b + kButtonGap));
    }

    // Items along the strip.
    int p = 0;
    bFirstVisible = true;
    for (int i = 0; i < nCount; ++i)
    {
        TAB_ITEM_INFO* pTii = m_arrItems[i];
        if (!pTii->IsVisible())
            continue;
        pTii->m_dwLayoutFlags &= ~TAB_ITEM_INFO::kLayoutNarrowed;
        CSize size = pTii->m_sizeItem;
        if (nFitLength > 0)
        {
            if (along(size) > nFitLength)
            {
                pTii->m_dwLayoutFlags |= TAB_ITEM_INFO::kLayoutNarrowed;
                m_bSomeItemNarrowed = true;
            }
            if (bHorz)
                size.cx = nFitLength;
            else
                size.cy = nFitLength;
        }
        if (bGrouped && pTii->IsGroupStart() && !bFirstVisible)
            p += kGroupGap;
        bFirstVisible = false;
        if (bHorz)
            pTii->m_rcItem.SetRect(p, rcStrip.top, p + size.cx, rcStrip.top + size.cy);
        else
            pTii->m_rcItem.SetRect(rcStrip.left, p, rcStrip.left + size.cx, p + size.cy);
        p += along(size);
        const int nNear = (bHorz ? pTii->m_rcItem.left : pTii->m_rcItem.top) - m_nScrollPos;
        const int nFar = (bHorz ? pTii->m_rcItem.right : pTii->m_rcItem.bottom) - m_nScrollPos;
        if (m_nFirstVisible < 0 && nFar >= 0)
            m_nFirstVisible = i;
        if (nNear <= nAreaLength + kVisibleSlack)
            m_nLastVisible = i;
    }
    bool bScrollCounts = bShowScroll;
    if (m_nFirstVisible < 0 || m_nLastVisible < 0)
    {
        m_nFirstVisible = m_nLastVisible = -1;
        bScrollCounts = false;
    }
    else if (m_nLastVisible < m_nFirstVisible)
        m_nLastVisible = m_nFirstVisible;

    m_dwTabWndStyle &= ~(kStyleEnabledPrev | kStyleEnabledNext);
    if (bScrollCounts && m_nScrollMax >= 1)
    {
        if (m_nScrollPos >= 1)
            m_dwTabWndStyle |= kStyleEnabledPrev;
        if (m_nScrollPos < m_nScrollMax)
            m_dwTabWndStyle |= kStyleEnabledNext;
    }
}

CRect CExtTabWnd::ItemRectToClient(const TAB_ITEM_INFO* pTii) const
{
    CRect rc = pTii->m_rcItem;
    if (OrientationIsHorizontal())
        rc.OffsetRect(m_rcItemsArea.left - m_nScrollPos, 0);
    else
        rc.OffsetRect(0, m_rcItemsArea.top - m_nScrollPos);
    return rc;
}

CRect CExtTabWnd::GetButtonRect(LONG nHitCode) const
{
    const int n = ButtonSlot(nHitCode);
    if (n < 0 || n >= 5 || !m_bButtonShown[n])
        return CRect(0, 0, 0, 0);
    return m_rcButtons[n];
}

bool CExtTabWnd::IsButtonShown(LONG nHitCode) const
{
    const int n = ButtonSlot(nHitCode);
    return n >= 0 && n < 5 && m_bButtonShown[n];
}

LONG CExtTabWnd::ButtonHitTest(const POINT& ptClient) const
{
    for (LONG nCode : {kHitPrev, kHitNext, kHitHelp, kHitClose, kHitTabList})
    {
        if (IsButtonShown(nCode) && m_rcButtons[ButtonSlot(nCode)].PtInRect(ptClient))
            return nCode;
    }
    return kHitNowhere;
}

LONG CExtTabWnd::ItemHitTest(const POINT& ptClient) const
{
    if (GetSafeHwnd() == nullptr)
        return kHitNowhere;
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.IsRectEmpty() || !rcClient.PtInRect(ptClient))
        return kHitNowhere;
    if (!m_rcNearBorder.IsRectEmpty() && m_rcNearBorder.PtInRect(ptClient))
        return kHitNearBorder;
    const LONG nButton = ButtonHitTest(ptClient);
    if (nButton != kHitNowhere)
        return nButton;
    if (m_rcItemsArea.IsRectEmpty() || !m_rcItemsArea.PtInRect(ptClient))
        return kHitNowhere;
    if (m_nVisibleItemCount == 0 || m_nFirstVisible < 0)
        return kHitItemsArea;
    CPoint pt(ptClient);
    if (OrientationIsHorizontal())
        pt.x += m_nScrollPos - m_rcItemsArea.left;
    else
        pt.y += m_nScrollPos - m_rcItemsArea.top;
    for (int i = m_nFirstVisible; i <= m_nLastVisible && i < ItemGetCount(); ++i)
    {
        if (m_arrItems[i]->HitTest(pt))
            return i;
    }
    return kHitItemsArea;
}

// ---- painting ---------------------------------------------------------------------------------

void CExtTabWnd::OnPaint()
{
    CPaintDC dc(this);
    DoPaint(dc);
}

BOOL CExtTabWnd::OnEraseBkgnd(CDC* pDC)
{
    (void)pDC;
    return TRUE;
}

LRESULT CExtTabWnd::OnPrintClient(WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    CDC* pDC = CDC::FromHandle((HDC)wParam);
    if (pDC != nullptr)
        DoPaint(*pDC);
    return 0;
}

void CExtTabWnd::DoPaint(CDC& dc)
{
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    if (pPM != m_pLastPaintManager)
    {
        m_pLastPaintManager = pPM;
        m_bLayoutDirty = true;
    }
    RecalcLayout();
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.IsRectEmpty())
        return;
    {
        CExtMemoryDC dcMem(&dc, &rcClient);
        OnTabWndDrawEntire(dcMem, rcClient);
    }
    pPM->EndPaintSession(this);
}

void CExtTabWnd::OnTabWndDrawEntire(CDC& dc, const CRect& rcClient)
{
    const bool bHorz = OrientationIsHorizontal();
    const bool bTopLeft = OrientationIsTopLeft();
    const bool bGrouped = IsGroupedMode();
    OnTabWndEraseClientArea(dc, rcClient, m_rcItemsArea, m_rcNearBorder, OrientationGet(), bGrouped);
    if (ItemGetCount() > 0 && m_nVisibleItemCount > 0 && m_nFirstVisible >= 0)
    {
        CRect rcClip(m_rcItemsArea);
        if (bHorz)
            rcClip.InflateRect(1, 0);
        else
            rcClip.InflateRect(0, 1);
        const int nSaved = dc.SaveDC();
        dc.IntersectClipRect(&rcClip);
        for (int i = m_nFirstVisible; i <= m_nLastVisible && i < ItemGetCount(); ++i)
        {
            TAB_ITEM_INFO* pTii = m_arrItems[i];
            if (!pTii->IsVisible())
                continue;
            const CRect rcItem = ItemRectToClient(pTii);
            if (!dc.RectVisible(&rcItem))
                continue;
            OnTabWndDrawItem(dc, m_rcItemsArea, bTopLeft, bHorz, pTii->IsSelected(), false, pTii->IsGroupCurrent(),
                             bGrouped, false, rcItem, pTii->m_sizeLastMeasuredText, GetItemFont(pTii->IsSelected()),
                             pTii->GetText(), i, pTii->GetIconPtr());
        }
        dc.RestoreDC(nSaved);
    }
    CPoint ptCursor(-1, -1);
    if (::GetCursorPos(&ptCursor))
        ScreenToClient(&ptCursor);
    for (LONG nCode : {kHitPrev, kHitNext, kHitHelp, kHitClose, kHitTabList})
    {
        if (!IsButtonShown(nCode))
            continue;
        const CRect& rc = m_rcButtons[ButtonSlot(nCode)];
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
        OnTabWndDrawButton(dc, rc, nCode, bTopLeft, bHorz, bEnabled, bHover, m_bButtonPressed[ButtonSlot(nCode)],
                           bGrouped);
    }
}

void CExtTabWnd::OnTabWndEraseClientArea(CDC& dc, const CRect& rcClient, const CRect& rcItemsArea,
                                         const CRect& rcNearBorder, DWORD dwOrientation, bool bGroupedMode)
{
    g_PaintManagerHolder->PaintTabClientArea(dc, rcClient, rcItemsArea, rcNearBorder, dwOrientation, bGroupedMode, this,
                                             0);
}

void CExtTabWnd::OnTabWndDrawItem(CDC& dc, const CRect& rcItemsArea, bool bTopLeft, bool bHorz, bool bSelected,
                                  bool bFlag6, bool bGroupActive, bool bGroupedMode, bool bFlag9, const CRect& rcItem,
                                  CSize sizeTextMeasured, CFont* pFont, LPCTSTR pszText, int nItemIndex,
                                  CExtCmdIcon* pIcon)
{
    g_PaintManagerHolder->PaintTabItem(dc, rcItemsArea, bTopLeft, bHorz, bSelected, bFlag6, bGroupActive, bGroupedMode,
                                       bFlag9, rcItem, sizeTextMeasured, pFont, pszText, nItemIndex, pIcon, this, 0);
}

void CExtTabWnd::OnTabWndDrawButton(CDC& dc, const CRect& rcButton, LONG nHitTest, bool bTopLeft, bool bHorz,
                                    bool bEnabled, bool bHover, bool bPushed, bool bGroupedMode)
{
    g_PaintManagerHolder->PaintTabButton(dc, rcButton, nHitTest, bTopLeft, bHorz, bEnabled, bHover, bPushed,
                                         bGroupedMode, this, 0);
}

// ---- docking to the parent's side ---------------------------------------------------------------

LRESULT CExtTabWnd::OnSizeParent(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    auto* lpLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    CRect rcParent;
    if (PrepareDockLayout(lpLayout, rcParent))
        TakeDockSlice(lpLayout, rcParent,
                      m_nThickness + (OrientationIsTopLeft() ? kDockTopLeftPad : kDockBottomRightPad));
    return 0;
}

bool CExtTabWnd::PrepareDockLayout(AFX_SIZEPARENTPARAMS* lpLayout, CRect& rcParent)
{
    if (!m_bDocksToParent || lpLayout == nullptr)
        return false;
    rcParent = lpLayout->rect;
    if (rcParent.IsRectEmpty())
    {
        if (lpLayout->hDWP != nullptr)
            ShowWindow(SW_HIDE);
        return false;
    }
    OnTabWndSyncVisibility();
    // The strip's own style, not IsWindowVisible: a container laid out under a hidden parent (a page of
    // another container, a dialog not shown yet) gives its strip the slice it shows with later.
    if ((GetStyle() & WS_VISIBLE) == 0)
        return false;
    m_rcLayoutOverride = rcParent;
    m_bLayoutDirty = true;
    RecalcLayout();
    m_rcLayoutOverride.SetRectEmpty();
    m_bLayoutDirty = true;
    return !m_rcItemsArea.IsRectEmpty();
}

void CExtTabWnd::TakeDockSlice(AFX_SIZEPARENTPARAMS* lpLayout, const CRect& rcParent, int nTake)
{
    CRect rcWnd(rcParent);
    switch (OrientationGet())
    {
    case kOrientTop:
        rcWnd.bottom = rcWnd.top + nTake;
        lpLayout->rect.top += nTake;
        lpLayout->sizeTotal.cy += nTake;
        break;
    case kOrientBottom:
        rcWnd.top = rcWnd.bottom - nTake;
        lpLayout->rect.bottom -= nTake;
        lpLayout->sizeTotal.cy += nTake;
        break;
    case kOrientLeft:
        rcWnd.right = rcWnd.left + nTake;
        lpLayout->rect.left += nTake;
        lpLayout->sizeTotal.cx += nTake;
        break;
    default:
        rcWnd.left = rcWnd.right - nTake;
        lpLayout->rect.right -= nTake;
        lpLayout->sizeTotal.cx += nTake;
        break;
    }
    if (lpLayout->hDWP != nullptr)
    {
        AfxRepositionWindow(lpLayout, m_hWnd, &rcWnd);
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        UpdateTabWnd(true);
    }
}
