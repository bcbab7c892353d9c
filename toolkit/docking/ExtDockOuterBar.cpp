// CExtDockOuterBar: the row layout of fixed-size bars with stored places, squeezing and shared
// thickness, the placement order, moving bars within and between rows, and the system events.
#include "toolkit/docking/ExtDockOuterBar.h"
#include <algorithm>
#include <vector>
#include "platform/DockContext.h"
#include "platform/FrameWnd.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

IMPLEMENT_DYNCREATE(CExtDockOuterBar, CExtDockBar)

BEGIN_MESSAGE_MAP(CExtDockOuterBar, CExtDockBar)
ON_WM_SYSCOLORCHANGE()
ON_WM_SETTINGCHANGE()
ON_WM_DISPLAYCHANGE()
ON_MESSAGE(WM_THEMECHANGED, OnThemeChangedBar)
ON_WM_LBUTTONDBLCLK()
ON_WM_TIMER()
END_MESSAGE_MAP()

namespace
{
int Start(const CRect& rc, bool bHorz) { return bHorz ? rc.left : rc.top; }
int End(const CRect& rc, bool bHorz) { return bHorz ? rc.right : rc.bottom; }
int Length(const CRect& rc, bool bHorz) { return bHorz ? rc.Width() : rc.Height(); }
int AlongOf(const CSize& size, bool bHorz) { return bHorz ? size.cx : size.cy; }
int AcrossOf(const CSize& size, bool bHorz) { return bHorz ? size.cy : size.cx; }

// Moves the rectangle along the row so that it starts at nStart, keeping its length.
void MoveAlong(CRect& rc, int nStart, bool bHorz)
{
    if (bHorz)
        rc.OffsetRect(nStart - rc.left, 0);
    else
        rc.OffsetRect(0, nStart - rc.top);
}

void SetLength(CRect& rc, int nLength, bool bHorz)
{
    if (bHorz)
        rc.right = rc.left + nLength;
    else
        rc.bottom = rc.top + nLength;
}

CExtControlBar::OuterRowPlacement_t* PlacementOf(CControlBar* pBar)
{
    CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, pBar);
    return pExt != nullptr ? pExt->GetOuterRowPlacement() : nullptr;
}

bool CanSqueeze(CControlBar* pBar)
{
    CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, pBar);
    return pExt == nullptr || pExt->IsFixedSize();
}

DWORD LayoutModeOf(CControlBar* pBar)
{
    if ((pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) != 0 && (pBar->m_dwStyle & CBRS_FLOATING) != 0)
        return LM_HORZ | LM_MRUWIDTH;
    if ((pBar->m_dwStyle & CBRS_ORIENT_HORZ) != 0)
        return LM_HORZ | LM_HORZDOCK;
    return LM_VERTDOCK;
}

// The row end's bookkeeping shared by wraps and row ends (as the dock bar's own layout does).
void EndRow(CSize& sizeResult, CPoint& ptRunning, int& nThickness, bool bHorz)
{
    if (nThickness == 0)
        return;
    if (bHorz)
    {
        ptRunning.y += nThickness;
        sizeResult.cx = std::max((int)sizeResult.cx, (int)ptRunning.x);
        sizeResult.cy = std::max((int)sizeResult.cy, (int)ptRunning.y) - 1;
        ptRunning.x = 0;
    }
    else
    {
        ptRunning.x += nThickness;
        sizeResult.cy = std::max((int)sizeResult.cy, (int)ptRunning.y);
        sizeResult.cx = std::max((int)sizeResult.cx, (int)ptRunning.x) - 1;
        ptRunning.y = 0;
    }
    nThickness = 0;
}
} // namespace

CExtDockOuterBar::CExtDockOuterBar() : CExtDockBar(0) {}

CExtDockOuterBar::~CExtDockOuterBar() {}

CSize CExtDockOuterBar::AvailableSize() const
{
    if (!m_rectLayout.IsRectEmpty())
        return m_rectLayout.Size();
    CRect rc(0, 0, 0, 0);
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->GetClientRect(&rc);
    return rc.Size();
}

CExtDockOuterBar::OuterLayoutItemData CExtDockOuterBar::MakeItem(CControlBar* pBar, const CSize& sizeAvail,
                                                                 bool bHorz) const
{
    OuterLayoutItemData item;
    item.m_pBar = pBar;
    item.m_bVisible = pBar->IsVisible() ? 1 : 0;
    const DWORD dwMode = LayoutModeOf(pBar);
    item.m_sizeCalc = pBar->CalcDynamicLayout(-1, dwMode);
    CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, pBar);
    if (pExt != nullptr && pExt->IsFullRowBar())
    {
        if ((dwMode & LM_HORZ) != 0)
            item.m_sizeCalc.cx = sizeAvail.cx;
        else
            item.m_sizeCalc.cy = sizeAvail.cy;
    }
    CRect rcWnd, rcClient;
    pBar->GetWindowRect(&rcWnd);
    pBar->GetClientRect(&rcClient);
    item.m_sizeMin = CSize(rcWnd.Width() - rcClient.Width(), rcWnd.Height() - rcClient.Height());
    if (pExt != nullptr)
        item.m_sizeMin += pExt->CalcMinSize();
    ScreenToClient(&rcWnd);
    item.m_rcReal = rcWnd;
    (void)bHorz;
    return item;
}

CSize CExtDockOuterBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    const bool bH = bHorz != FALSE;
    CSize sizeResult(bStretch && bH ? 32767 : 0, bStretch && !bH ? 32767 : 0);
    const CSize sizeAvail = AvailableSize();
    HDWP hDWP = nullptr;
    HDWP* pDWP = m_bLayoutQuery ? nullptr : &hDWP;
    CPoint ptRunning(0, 0);
    ItemArray arrItems;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
    {
        void* pEntry = m_arrBars[i];
        if (pEntry != nullptr && !IsPlaceHolder(pEntry))
        {
            CControlBar* pBar = static_cast<CControlBar*>(pEntry);
            if (pBar->GetSafeHwnd() != nullptr)
                arrItems.Add(MakeItem(pBar, sizeAvail, bH));
        }
        if ((pEntry == nullptr || i == m_arrBars.GetSize() - 1) && arrItems.GetSize() > 0)
        {
            // A wrap inserts row breaks before entry i: the walk goes on after them.
            const INT_PTR nSizeBefore = m_arrBars.GetSize();
            LayoutRow(sizeResult, sizeAvail, ptRunning, bH, pDWP, arrItems);
            arrItems.RemoveAll();
            i += m_arrBars.GetSize() - nSizeBefore;
        }
    }
    if (hDWP != nullptr)
        ::EndDeferWindowPos(hDWP);
    if ((!bStretch || !bH) && sizeResult.cx != 0)
        sizeResult.cx++;
    if ((!bStretch || bH) && sizeResult.cy != 0)
        sizeResult.cy++;
    if (!m_bLayoutQuery)
        RecalcRows();
    return sizeResult;
}

void CExtDockOuterBar::EqualizeThickness(ItemArray& arrItems, int nFirst, int nLast, bool bHorz)
{
    int nMax = 0;
    for (int i = nFirst; i <= nLast; ++i)
    {
        CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, arrItems[i].m_pBar);
        if (pExt != nullptr && pExt->IsRowThicknessShared())
            nMax = std::max(nMax, AcrossOf(arrItems[i].m_rcPreCalc.Size(), bHorz));
    }
    for (int i = nFirst; i <= nLast; ++i)
    {
        CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, arrItems[i].m_pBar);
        if (pExt == nullptr || !pExt->IsRowThicknessShared())
            continue;
        CRect& rc = arrItems[i].m_rcPreCalc;
        if (bHorz)
            rc.bottom = rc.top + nMax;
        else
            rc.right = rc.left + nMax;
    }
}

bool CExtDockOuterBar::SqueezeRow(ItemArray& arrItems, int nFirst, int nLast, int nAvail, bool bHorz)
{
    if (nFirst > nLast)
        return true;
    std::vector<CRect> arrRc;
    for (int i = nFirst; i <= nLast; ++i)
        arrRc.push_back(arrItems[i].m_rcPreCalc);
    const int nCount = (int)arrRc.size();
    // 1. Close the gaps from the row end.
    int nLimit = nAvail;
    for (int i = nCount - 1; i >= 0; --i)
    {
        if (End(arrRc[i], bHorz) > nLimit)
            MoveAlong(arrRc[i], nLimit - Length(arrRc[i], bHorz), bHorz);
        nLimit = Start(arrRc[i], bHorz);
    }
    if (Start(arrRc[0], bHorz) >= 0)
    {
        for (int i = 0; i < nCount; ++i)
            arrItems[nFirst + i].m_rcPreCalc = arrRc[i];
        return true;
    }
    // 2. Shorten bars from the last one backwards, then pack them from the row start.
    int nTotal = 0;
    for (int i = 0; i < nCount; ++i)
        nTotal += Length(arrItems[nFirst + i].m_rcPreCalc, bHorz);
    int nExcess = nTotal - nAvail;
    std::vector<int> arrLength(nCount);
    for (int i = 0; i < nCount; ++i)
        arrLength[i] = Length(arrItems[nFirst + i].m_rcPreCalc, bHorz);
    for (int i = nCount - 1; i >= 0 && nExcess > 0; --i)
    {
        const int nMin = AlongOf(arrItems[nFirst + i].m_sizeMin, bHorz);
        const int nGive = std::min(nExcess, std::max(0, arrLength[i] - nMin));
        arrLength[i] -= nGive;
        nExcess -= nGive;
    }
    if (nExcess > 0)
        return false;
    int nRun = 0;
    for (int i = 0; i < nCount; ++i)
    {
        CRect& rc = arrItems[nFirst + i].m_rcPreCalc;
        MoveAlong(rc, nRun, bHorz);
        SetLength(rc, arrLength[i], bHorz);
        nRun += arrLength[i];
    }
    return true;
}

void CExtDockOuterBar::LayoutRow(CSize& sizeResult, const CSize& sizeAvail, CPoint& ptRunning, bool bHorz, HDWP* pDWP,
                                 ItemArray& arrItems, int* pnRows, bool* pbWrapped, bool* pbSqueezed)
{
    const bool bQuery = pDWP == nullptr;
    AFX_SIZEPARENTPARAMS layout = {};
    if (pDWP != nullptr)
        layout.hDWP = *pDWP;
    auto batch = [&]() {
        if (!bQuery && layout.hDWP == nullptr)
            layout.hDWP = ::BeginDeferWindowPos((int)m_arrBars.GetSize());
        return &layout;
    };
    // 1. Hidden bars take no part.
    for (INT_PTR i = arrItems.GetSize() - 1; i >= 0; --i)
    {
        if ((arrItems[i].m_bVisible & 1) != 0)
            continue;
        CControlBar* pBar = arrItems[i].m_pBar;
        if ((pBar->m_nStateFlags & (CControlBar::delayHide | CControlBar::delayShow)) != 0)
            pBar->RecalcDelayShow(bQuery ? &layout : batch());
        arrItems.RemoveAt(i);
    }
    const int nItems = (int)arrItems.GetSize();
    const int nAvail = AlongOf(sizeAvail, bHorz);
    if (nItems == 0)
    {
        if (pDWP != nullptr)
            *pDWP = layout.hDWP;
        return;
    }
    // 2. The placement order: bars with an empty record come after all others.
    std::vector<int> arrOrder;
    DWORD dwMaxOrder = (DWORD)nItems;
    for (int i = 0; i < nItems; ++i)
    {
        if (CExtControlBar::OuterRowPlacement_t* p = PlacementOf(arrItems[i].m_pBar))
            dwMaxOrder = std::max(dwMaxOrder, p->m_dwOrder);
    }
    DWORD dwNext = dwMaxOrder + 1;
    for (int i = 0; i < nItems; ++i)
    {
        CExtControlBar::OuterRowPlacement_t* p = PlacementOf(arrItems[i].m_pBar);
        if (p == nullptr)
            continue;
        const OuterLayoutItemData& item = arrItems[i];
        if (p->IsEmpty())
            p->m_dwOrder = dwNext++;
        if (p->m_rc.IsRectEmpty())
            p->m_rc = item.m_rcReal;
        int nExtent = AlongOf(p->m_size, bHorz);
        if (nExtent == 0)
            nExtent = Length(item.m_rcReal, bHorz);
        nExtent = std::min(nExtent, AlongOf(item.m_sizeCalc, bHorz));
        if (bHorz)
            p->m_size.cx = nExtent;
        else
            p->m_size.cy = nExtent;
        arrOrder.push_back(i);
    }
    std::stable_sort(arrOrder.begin(), arrOrder.end(), [&](int a, int b) {
        return PlacementOf(arrItems[a].m_pBar)->m_dwOrder < PlacementOf(arrItems[b].m_pBar)->m_dwOrder;
    });

    // 3. Place the items in array order, squeezing, then wrapping.
    int nRowFirst = 0, nThickness = 0, nWrapped = 0;
    bool bLastSqueezeFailed = false, bSqueezed = false;
    for (int i = 0; i < nItems; ++i)
    {
        OuterLayoutItemData& item = arrItems[i];
        CRect rc(ptRunning, item.m_sizeCalc);
        if (Start(item.m_rcReal, bHorz) > Start(rc, bHorz) && !m_bFloating)
            MoveAlong(rc, Start(item.m_rcReal, bHorz), bHorz);
        item.m_rcPreCalc = rc;
        if (End(rc, bHorz) - nAvail >= 0 && CanSqueeze(item.m_pBar))
        {
            bLastSqueezeFailed = !SqueezeRow(arrItems, nRowFirst, i, nAvail, bHorz);
            if (!bLastSqueezeFailed)
                bSqueezed = true;
            else if (i > nRowFirst)
            {
                // The bar starts a new row; the first bar of a row never wraps.
                ++nWrapped;
                EqualizeThickness(arrItems, nRowFirst, i - 1, bHorz);
                EndRow(sizeResult, ptRunning, nThickness, bHorz);
                nRowFirst = i;
                item.m_rcPreCalc = CRect(ptRunning, item.m_sizeCalc);
                if (!bQuery)
                {
                    m_arrBars.InsertAt(FindBar(item.m_pBar), (void*)nullptr);
                }
            }
        }
        if (bHorz)
            ptRunning.x = item.m_rcPreCalc.right;
        else
            ptRunning.y = item.m_rcPreCalc.bottom;
        nThickness = std::max(nThickness, AcrossOf(item.m_sizeCalc, bHorz));
    }
    // 4. The last row's common thickness.
    if (!bLastSqueezeFailed)
        EqualizeThickness(arrItems, nRowFirst, nItems - 1, bHorz);

    // 5. Stored places, least recently placed first, so the most recent wins.
    if (nWrapped == 0)
    {
        for (int nPass = 0; nPass < 2; ++nPass)
        {
            for (int k = (int)arrOrder.size() - 1; k >= 0; --k)
            {
                const int i = arrOrder[k];
                CExtControlBar::OuterRowPlacement_t* p = PlacementOf(arrItems[i].m_pBar);
                CRect& rc = arrItems[i].m_rcPreCalc;
                if (p == nullptr || p->m_rc.IsRectEmpty() || Start(p->m_rc, bHorz) == Start(rc, bHorz))
                    continue;
                int nDelta = Start(p->m_rc, bHorz) - Start(rc, bHorz);
                if (nPass == 0)
                {
                    // Move, pushing the bars ahead by what their gaps do not absorb.
                    int nRoom = 0;
                    if (nDelta > 0)
                    {
                        for (int j = i + 1; j < nItems; ++j)
                            nRoom += Start(arrItems[j].m_rcPreCalc, bHorz) - End(arrItems[j - 1].m_rcPreCalc, bHorz);
                        nRoom += nAvail - End(arrItems[nItems - 1].m_rcPreCalc, bHorz);
                        nDelta = std::min(nDelta, std::max(0, nRoom));
                    }
                    else
                    {
                        for (int j = i; j > 0; --j)
                            nRoom += Start(arrItems[j].m_rcPreCalc, bHorz) - End(arrItems[j - 1].m_rcPreCalc, bHorz);
                        nRoom += Start(arrItems[0].m_rcPreCalc, bHorz);
                        nDelta = std::max(nDelta, -std::max(0, nRoom));
                    }
                    MoveAlong(rc, Start(rc, bHorz) + nDelta, bHorz);
                    if (nDelta > 0)
                    {
                        for (int j = i + 1; j < nItems; ++j)
                        {
                            CRect& rcNext = arrItems[j].m_rcPreCalc;
                            const int nPrevEnd = End(arrItems[j - 1].m_rcPreCalc, bHorz);
                            if (Start(rcNext, bHorz) < nPrevEnd)
                                MoveAlong(rcNext, nPrevEnd, bHorz);
                        }
                    }
                    else
                    {
                        for (int j = i - 1; j >= 0; --j)
                        {
                            CRect& rcPrev = arrItems[j].m_rcPreCalc;
                            const int nNextStart = Start(arrItems[j + 1].m_rcPreCalc, bHorz);
                            if (End(rcPrev, bHorz) > nNextStart)
                                MoveAlong(rcPrev, nNextStart - Length(rcPrev, bHorz), bHorz);
                        }
                    }
                }
                else
                {
                    // Towards the stored place, stopped by the neighbours.
                    const int nLo = i > 0 ? End(arrItems[i - 1].m_rcPreCalc, bHorz) : 0;
                    const int nHi =
                        (i + 1 < nItems ? Start(arrItems[i + 1].m_rcPreCalc, bHorz) : nAvail) - Length(rc, bHorz);
                    const int nTarget = std::max(nLo, std::min(nHi, (int)Start(p->m_rc, bHorz)));
                    if (nTarget >= nLo)
                        MoveAlong(rc, nTarget, bHorz);
                }
            }
        }
    }

    // 6. Clip to the row, never below the minimum; 7. move what changed.
    for (int i = 0; i < nItems; ++i)
    {
        OuterLayoutItemData& item = arrItems[i];
        CRect& rc = item.m_rcPreCalc;
        const int nMin = AlongOf(item.m_sizeMin, bHorz);
        if (End(rc, bHorz) > nAvail)
            SetLength(rc, std::max(nMin, nAvail - Start(rc, bHorz)), bHorz);
        if (bQuery)
            continue;
        CControlBar* pBar = item.m_pBar;
        if (rc != item.m_rcReal)
        {
            if ((pBar->m_dwStyle & CBRS_FLOATING) == 0 && pBar->m_pDockContext != nullptr)
                pBar->m_pDockContext->m_rectMRUDockPos = rc;
            AfxRepositionWindow(batch(), pBar->GetSafeHwnd(), &rc);
        }
        if ((pBar->m_nStateFlags & (CControlBar::delayHide | CControlBar::delayShow)) != 0)
            pBar->RecalcDelayShow(batch());
    }
    // 8. The row ends.
    EndRow(sizeResult, ptRunning, nThickness, bHorz);
    if (pDWP != nullptr)
        *pDWP = layout.hDWP;
    if (pnRows != nullptr)
        *pnRows = nWrapped + 1;
    if (pbWrapped != nullptr)
        *pbWrapped = nWrapped != 0;
    if (pbSqueezed != nullptr)
        *pbSqueezed = bSqueezed;
}

// ---- placement order and dragging ---------------------------------------------------------------------------------

void CExtDockOuterBar::BumpPlacementOrder(CExtControlBar* pBar)
{
    CExtControlBar::OuterRowPlacement_t* pOwn = pBar != nullptr ? pBar->GetOuterRowPlacement() : nullptr;
    if (pOwn == nullptr)
        return;
    pOwn->m_dwOrder = 1;
    CArray<CControlBar*, CControlBar*> arrRow;
    pBar->GetRowBars(arrRow);
    std::vector<CExtControlBar::OuterRowPlacement_t*> arrPlaced;
    arrPlaced.push_back(pOwn);
    DWORD dwNew = (DWORD)(4 * m_arrBars.GetSize());
    for (INT_PTR i = 0; i < arrRow.GetSize(); ++i)
    {
        CExtControlBar::OuterRowPlacement_t* p = PlacementOf(arrRow[i]);
        if (p == nullptr || p == pOwn)
            continue;
        if (p->IsEmpty())
            p->m_dwOrder = dwNew++;
        else
            ++p->m_dwOrder;
        arrPlaced.push_back(p);
    }
    if (arrPlaced.size() < 2)
        return;
    std::stable_sort(arrPlaced.begin(), arrPlaced.end(),
                     [](const CExtControlBar::OuterRowPlacement_t* a, const CExtControlBar::OuterRowPlacement_t* b) {
                         return a->m_dwOrder < b->m_dwOrder;
                     });
    for (size_t i = 0; i < arrPlaced.size(); ++i)
        arrPlaced[i]->m_dwOrder = (DWORD)(i + 1);
}

void CExtDockOuterBar::CalcDragLayout(CExtControlBar* pBar, int nOffset, bool* pbExtentChanged)
{
    if (pbExtentChanged != nullptr)
        *pbExtentChanged = false;
    CExtControlBar::OuterRowPlacement_t* pPlace = pBar != nullptr ? pBar->GetOuterRowPlacement() : nullptr;
    if (nOffset == 0 || pPlace == nullptr || pBar->GetSafeHwnd() == nullptr)
        return;
    const bool bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    const CSize sizeAvail = AvailableSize();
    const int nAvail = AlongOf(sizeAvail, bHorz);
    CRect rcWnd;
    pBar->GetWindowRect(&rcWnd);
    ScreenToClient(&rcWnd);
    if (pPlace->m_rc.IsRectEmpty())
        pPlace->m_rc = rcWnd;
    CRect& rcPlace = pPlace->m_rc;
    MoveAlong(rcPlace, Start(rcPlace, bHorz) + nOffset, bHorz);
    if (End(rcPlace, bHorz) > nAvail)
        MoveAlong(rcPlace, nAvail - Length(rcPlace, bHorz), bHorz);
    if (Start(rcPlace, bHorz) < 0)
        MoveAlong(rcPlace, 0, bHorz);

    CArray<CControlBar*, CControlBar*> arrRow;
    pBar->GetRowBars(arrRow);
    ItemArray arrItems;
    int nSelf = -1;
    for (INT_PTR i = 0; i < arrRow.GetSize(); ++i)
    {
        if (arrRow[i]->GetSafeHwnd() == nullptr)
            continue;
        OuterLayoutItemData item = MakeItem(arrRow[i], sizeAvail, bHorz);
        if (PlacementOf(arrRow[i]) == nullptr)
            MoveAlong(item.m_rcReal, Start(item.m_rcReal, bHorz) + nOffset, bHorz);
        if (arrRow[i] == pBar)
            nSelf = (int)arrItems.GetSize();
        arrItems.Add(item);
    }
    if (nSelf < 0)
        return;
    const OuterLayoutItemData itemSelf = arrItems[nSelf];
    CSize sizeQuery(0, 0);
    CPoint ptQuery(0, 0);
    bool bWrapped = false, bSqueezed = false;
    ItemArray arrQuery;
    arrQuery.Copy(arrItems);
    LayoutRow(sizeQuery, sizeAvail, ptQuery, bHorz, nullptr, arrQuery, nullptr, &bWrapped, &bSqueezed);
    CFrameWnd* pFrame = GetDockingFrame();
    if (bSqueezed && !bWrapped)
    {
        // The row fits only squeezed: the bar's stored extent changes instead of its place.
        const int nOld = AlongOf(pPlace->m_size, bHorz);
        int nNew = nOld;
        if (nOffset > 0)
            nNew = std::max(AlongOf(itemSelf.m_sizeMin, bHorz), nOld - nOffset);
        else
            nNew = std::min(AlongOf(itemSelf.m_sizeCalc, bHorz), nOld - nOffset);
        BumpPlacementOrder(pBar);
        if (nNew != nOld)
        {
            if (bHorz)
                pPlace->m_size.cx = nNew;
            else
                pPlace->m_size.cy = nNew;
            if (pbExtentChanged != nullptr)
                *pbExtentChanged = true;
            if (pFrame != nullptr)
                pFrame->RecalcLayout();
            for (INT_PTR i = 0; i < arrRow.GetSize(); ++i)
            {
                CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, arrRow[i]);
                if (pExt != nullptr && pExt->GetSafeHwnd() != nullptr && pExt->IsVisible())
                    pExt->RedrawWindow(nullptr, nullptr,
                                       RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW |
                                           RDW_FRAME);
            }
        }
        return;
    }
    BumpPlacementOrder(pBar);
    for (INT_PTR i = 0; i < arrQuery.GetSize(); ++i)
    {
        if (arrQuery[i].m_pBar == pBar)
            pPlace->m_rc = arrQuery[i].m_rcPreCalc;
    }
    // A bar passes its neighbour when the start of its place crosses the neighbour's centre.
    const int nPos = FindBar(pBar);
    const int nStep = nOffset > 0 ? 1 : -1;
    const int nNeighbour = nPos + nStep;
    CControlBar* pOther = GetDockedControlBar(nNeighbour);
    if (pOther != nullptr && pOther->GetSafeHwnd() != nullptr)
    {
        CRect rcOther;
        pOther->GetWindowRect(&rcOther);
        ScreenToClient(&rcOther);
        const int nCentre = (Start(rcOther, bHorz) + End(rcOther, bHorz)) / 2;
        const int nPlace = Start(pPlace->m_rc, bHorz);
        if ((nStep > 0 && nPlace > nCentre) || (nStep < 0 && nPlace < nCentre))
        {
            m_arrBars[nPos] = pOther;
            m_arrBars[nNeighbour] = pBar;
        }
    }
    if (pFrame != nullptr)
        pFrame->RecalcLayout();
}

bool CExtDockOuterBar::MoveBarToRow(CExtControlBar* pBar, const CArray<CControlBar*, CControlBar*>& arrRowBars,
                                    int nOffset)
{
    if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr || arrRowBars.GetSize() == 0)
        return false;
    const bool bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    CRect rcClient;
    GetClientRect(&rcClient);
    int nRoom = Length(rcClient, bHorz);
    for (INT_PTR i = 0; i < arrRowBars.GetSize(); ++i)
    {
        CControlBar* pRowBar = arrRowBars[i];
        if (CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, pRowBar))
            nRoom -= AlongOf(pExt->CalcMinSize(), bHorz);
        else
        {
            CRect rc;
            pRowBar->GetWindowRect(&rc);
            nRoom -= Length(rc, bHorz);
        }
    }
    if (nRoom < AlongOf(pBar->CalcMinSize(), bHorz))
        return false;
    CRect rcBar;
    pBar->GetWindowRect(&rcBar);
    ScreenToClient(&rcBar);
    const int nPlace = std::max(0, Start(rcBar, bHorz) + nOffset);
    // Before the first bar of the row whose centre lies beyond the place, else at the row's end.
    int nInsert = -1;
    for (INT_PTR i = 0; i < arrRowBars.GetSize() && nInsert < 0; ++i)
    {
        CRect rc;
        arrRowBars[i]->GetWindowRect(&rc);
        ScreenToClient(&rc);
        if ((Start(rc, bHorz) + End(rc, bHorz)) / 2 > nPlace)
            nInsert = FindBar(arrRowBars[i]);
    }
    if (nInsert < 0)
    {
        nInsert = FindBar(arrRowBars[arrRowBars.GetSize() - 1]) + 1;
        while (nInsert < m_arrBars.GetSize() && m_arrBars[nInsert] != nullptr)
            ++nInsert;
    }
    if (nInsert <= 0)
        return false;
    const int nOld = FindBar(pBar);
    m_arrBars.InsertAt(nInsert, pBar);
    const int nOldNow = FindBar(pBar, nInsert);
    if (nOldNow > 0 && nOld > 0)
    {
        m_arrBars.RemoveAt(nOldNow);
        if (nOldNow < m_arrBars.GetSize() && m_arrBars[nOldNow - 1] == nullptr && m_arrBars[nOldNow] == nullptr)
            m_arrBars.RemoveAt(nOldNow);
    }
    if (CExtControlBar::OuterRowPlacement_t* p = pBar->GetOuterRowPlacement())
    {
        MoveAlong(p->m_rc, nPlace, bHorz);
        BumpPlacementOrder(pBar);
    }
    return true;
}

// ---- system events --------------------------------------------------------------------------------------------------

void CExtDockOuterBar::OnSysColorChange()
{
    CExtDockBar::OnSysColorChange();
    g_PaintManagerHolder.OnSysColorChange(this);
    g_CmdManagerHolder.OnSysColorChange(this);
}

void CExtDockOuterBar::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CExtDockBar::OnSettingChange(uFlags, lpszSection);
    g_PaintManagerHolder.OnSettingChange(this, uFlags, lpszSection);
    g_CmdManagerHolder.OnSettingChange(this, uFlags, lpszSection);
}

void CExtDockOuterBar::OnDisplayChange(UINT nBitsPerPixel, int cx, int cy)
{
    CExtDockBar::OnDisplayChange(nBitsPerPixel, cx, cy);
    g_PaintManagerHolder.OnDisplayChange(this, (int)nBitsPerPixel, cx, cy);
    g_CmdManagerHolder.OnDisplayChange(this, (INT)nBitsPerPixel, cx, cy);
}

LRESULT CExtDockOuterBar::OnThemeChangedBar(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = Default();
    g_PaintManagerHolder.OnThemeChanged(this, wParam, lParam);
    g_CmdManagerHolder.OnThemeChanged(this, wParam, lParam);
    return lResult;
}

void CExtDockOuterBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (CExtControlBar::IsFrameInHelpMode(this))
        return;
    CControlBar::OnLButtonDblClk(nFlags, point);
}

void CExtDockOuterBar::OnTimer(UINT_PTR nIDEvent) { CControlBar::OnTimer(nIDEvent); }
