// CExtDockDynBar: the visible layout of the held bars, sharing the container's size, the lock chain
// and dissolving the container.
#include "toolkit/docking/ExtDockDynBar.h"
#include <algorithm>
#include "platform/FrameWnd.h"
#include "platform/MiniFrameWnd.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDynControlBar.h"

IMPLEMENT_DYNCREATE(CExtDockDynBar, CExtDockBar)

BEGIN_MESSAGE_MAP(CExtDockDynBar, CExtDockBar)
ON_WM_SIZE()
END_MESSAGE_MAP()

namespace
{
const UINT kIdleLayoutFlags = 0x0C;

int MinAlong(CExtControlBar* pBar, bool bHorz) { return bHorz ? pBar->CalcMinWidth() : pBar->CalcMinHeight(); }

int MinAcross(CExtControlBar* pBar, bool bHorz) { return bHorz ? pBar->CalcMinHeight() : pBar->CalcMinWidth(); }

LONG& Along(CExtControlBar* pBar, bool bHorz) { return bHorz ? pBar->m_sizeHorzDocked.cx : pBar->m_sizeVertDocked.cy; }

LONG& Across(CExtControlBar* pBar, bool bHorz) { return bHorz ? pBar->m_sizeHorzDocked.cy : pBar->m_sizeVertDocked.cx; }
} // namespace

CExtDockDynBar::VisibleLayout_t::~VisibleLayout_t()
{
    for (INT_PTR i = 0; i < m_arrRows.GetSize(); ++i)
        delete m_arrRows[i];
    m_arrRows.RemoveAll();
}

CExtDockDynBar::CExtDockDynBar(UINT nCircle) : CExtDockBar(nCircle), m_bfDynFlags(0) { m_bAutoDelete = TRUE; }

CExtDockDynBar::~CExtDockDynBar() {}

bool CExtDockDynBar::IsHorzRows() const
{
    const UINT nID = GetSafeHwnd() != nullptr ? (UINT)GetDlgCtrlID() : 0;
    return nID == AFX_IDW_DOCKBAR_TOP || nID == AFX_IDW_DOCKBAR_BOTTOM;
}

BOOL CExtDockDynBar::PreTranslateMessage(MSG* pMsg) { return CControlBar::PreTranslateMessage(pMsg); }

CExtDynAutoHideArea* CExtDockDynBar::GetAutoHideArea() const
{
    CExtControlBar* pContainer = DYNAMIC_DOWNCAST(CExtControlBar, GetParent());
    CExtDockBar* pOuter = pContainer != nullptr ? DYNAMIC_DOWNCAST(CExtDockBar, pContainer->m_pDockBar) : nullptr;
    return pOuter != nullptr ? pOuter->GetAutoHideArea() : nullptr;
}

bool CExtDockDynBar::SetLayoutLocked(bool bLock)
{
    const bool bOld = CExtDockBar::SetLayoutLocked(bLock);
    CControlBar* pContainer = DYNAMIC_DOWNCAST(CControlBar, GetParent());
    if (pContainer != nullptr)
    {
        if (CExtDockBar* pOuter = DYNAMIC_DOWNCAST(CExtDockBar, pContainer->m_pDockBar))
            pOuter->SetLayoutLocked(bLock);
    }
    return bOld;
}

void CExtDockDynBar::CollectBars(CArray<CExtControlBar*, CExtControlBar*>& arrBars) const
{
    for (INT_PTR i = 1; i < m_arrBars.GetSize(); ++i)
    {
        void* pEntry = m_arrBars[i];
        if (pEntry == nullptr || IsPlaceHolder(pEntry))
            continue;
        if (CExtControlBar* pBar = DYNAMIC_DOWNCAST(CExtControlBar, static_cast<CControlBar*>(pEntry)))
            arrBars.Add(pBar);
    }
}

// ---- the visible layout ------------------------------------------------------------------------------------------

void CExtDockDynBar::BuildVisibleLayout(VisibleLayout_t& layout) const
{
    const bool bHorz = IsHorzRows();
    VisibleLayoutItem_t* pRow = nullptr;
    for (INT_PTR i = 1; i < m_arrBars.GetSize(); ++i)
    {
        void* pEntry = m_arrBars[i];
        if (pEntry == nullptr)
        {
            // A new row after each break but the last; an empty row is reused.
            if (i + 1 < m_arrBars.GetSize() && (pRow == nullptr || pRow->m_arrBars.GetSize() > 0))
            {
                pRow = new VisibleLayoutItem_t;
                layout.m_arrRows.Add(pRow);
            }
            continue;
        }
        if (IsPlaceHolder(pEntry))
            continue;
        CExtControlBar* pBar = DYNAMIC_DOWNCAST(CExtControlBar, static_cast<CControlBar*>(pEntry));
        if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr || !pBar->IsVisible())
            continue;
        if (pRow == nullptr)
        {
            pRow = new VisibleLayoutItem_t;
            layout.m_arrRows.Add(pRow);
        }
        pRow->m_arrBars.Add(pBar);
        ++layout.m_nVisibleBars;
    }
    for (INT_PTR r = 0; r < layout.m_arrRows.GetSize(); ++r)
    {
        VisibleLayoutItem_t* pItem = layout.m_arrRows[r];
        if (pItem->m_arrBars.GetSize() == 0)
            continue;
        CExtControlBar* pFirst = pItem->m_arrBars[0];
        pItem->m_nMinThickness = MinAcross(pFirst, bHorz);
        pItem->m_nThickness = Across(pFirst, bHorz);
        layout.m_nTotalThickness += pItem->m_nThickness;
        layout.m_nTotalMinThickness += pItem->m_nMinThickness;
        int nMinLength = 0;
        for (INT_PTR b = 0; b < pItem->m_arrBars.GetSize(); ++b)
        {
            pItem->m_nLength += Along(pItem->m_arrBars[b], bHorz);
            nMinLength += MinAlong(pItem->m_arrBars[b], bHorz);
        }
        layout.m_nMaxMinRowLength = std::max(layout.m_nMaxMinRowLength, nMinLength);
    }
}

void CExtDockDynBar::ApplyLayout(VisibleLayout_t& layout, int cx, int cy)
{
    if (cx < 1 || cy < 1)
        return;
    const bool bHorz = IsHorzRows();
    const int nAcrossAvail = bHorz ? cy : cx;
    const int nAlongAvail = bHorz ? cx : cy;
    CArray<VisibleLayoutItem_t*, VisibleLayoutItem_t*>& arrRows = layout.m_arrRows;

    // 1. Across the rows, one pixel per row and round; only rows holding bars take part, and a
    // shrinking row stops at its minimum. Every round changes a row or the sharing ends.
    int nDiff = nAcrossAvail - layout.m_nTotalThickness;
    while (nDiff != 0)
    {
        bool bAny = false;
        for (INT_PTR r = 0; r < arrRows.GetSize() && nDiff != 0; ++r)
        {
            VisibleLayoutItem_t* pRow = arrRows[r];
            if (pRow->m_arrBars.GetSize() == 0)
                continue;
            if (nDiff < 0 && pRow->m_nThickness <= pRow->m_nMinThickness)
                continue;
            const int nStep = nDiff > 0 ? 1 : -1;
            pRow->m_nThickness += nStep;
            nDiff -= nStep;
            bAny = true;
        }
        if (!bAny)
            break;
    }
    for (INT_PTR r = 0; r < arrRows.GetSize(); ++r)
    {
        VisibleLayoutItem_t* pRow = arrRows[r];
        for (INT_PTR b = 0; b < pRow->m_arrBars.GetSize(); ++b)
            Across(pRow->m_arrBars[b], bHorz) = pRow->m_nThickness;
    }

    // 2. Along each row, the same against the length available.
    for (INT_PTR r = 0; r < arrRows.GetSize(); ++r)
    {
        VisibleLayoutItem_t* pRow = arrRows[r];
        int nRowDiff = nAlongAvail - pRow->m_nLength;
        while (nRowDiff != 0 && pRow->m_arrBars.GetSize() > 0)
        {
            bool bAny = false;
            for (INT_PTR b = 0; b < pRow->m_arrBars.GetSize() && nRowDiff != 0; ++b)
            {
                CExtControlBar* pBar = pRow->m_arrBars[b];
                if (nRowDiff < 0 && Along(pBar, bHorz) <= MinAlong(pBar, bHorz))
                    continue;
                const int nStep = nRowDiff > 0 ? 1 : -1;
                Along(pBar, bHorz) += nStep;
                nRowDiff -= nStep;
                bAny = true;
            }
            if (!bAny)
                break;
        }
    }

    // 3. Place the bars in one batch.
    HDWP hDWP = ::BeginDeferWindowPos(layout.m_nVisibleBars);
    const UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS | SWP_FRAMECHANGED;
    int nAcross = 0;
    for (INT_PTR r = 0; r < arrRows.GetSize(); ++r)
    {
        VisibleLayoutItem_t* pRow = arrRows[r];
        if (pRow->m_arrBars.GetSize() == 0)
            continue;
        int nAlong = 0;
        for (INT_PTR b = 0; b < pRow->m_arrBars.GetSize(); ++b)
        {
            CExtControlBar* pBar = pRow->m_arrBars[b];
            const CSize size = bHorz ? CSize(pBar->m_sizeHorzDocked) : CSize(pBar->m_sizeVertDocked);
            const int x = bHorz ? nAlong : nAcross;
            const int y = bHorz ? nAcross : nAlong;
            HDWP hNext = hDWP != nullptr
                             ? ::DeferWindowPos(hDWP, pBar->GetSafeHwnd(), nullptr, x, y, size.cx, size.cy, nFlags)
                             : nullptr;
            if (hNext == nullptr)
                pBar->SetWindowPos(nullptr, x, y, size.cx, size.cy, nFlags);
            hDWP = hNext;
            nAlong += bHorz ? size.cx : size.cy;
        }
        CExtControlBar* pFirst = pRow->m_arrBars[0];
        nAcross += bHorz ? pFirst->m_sizeHorzDocked.cy : pFirst->m_sizeVertDocked.cx;
    }
    if (hDWP != nullptr)
        ::EndDeferWindowPos(hDWP);

    // 4. Each bar refits its child window.
    for (INT_PTR r = 0; r < arrRows.GetSize(); ++r)
    {
        for (INT_PTR b = 0; b < arrRows[r]->m_arrBars.GetSize(); ++b)
            arrRows[r]->m_arrBars[b]->RepositionChildWindow();
    }
}

void CExtDockDynBar::ReclaimRowThickness(CExtControlBar* pBar)
{
    const int nPos = pBar != nullptr ? FindBar(pBar) : -1;
    if (nPos <= 0)
        return;
    int nFirst = nPos;
    while (nFirst > 0 && m_arrBars[nFirst - 1] != nullptr)
        --nFirst;
    for (INT_PTR i = nFirst; i < m_arrBars.GetSize() && m_arrBars[i] != nullptr; ++i)
    {
        void* pEntry = m_arrBars[i];
        CControlBar* pOther = IsPlaceHolder(pEntry) ? nullptr : static_cast<CControlBar*>(pEntry);
        if (pOther != nullptr && pOther != pBar && pOther->GetSafeHwnd() != nullptr && pOther->IsVisible())
            return; // the row is there already
    }
    const bool bHorz = IsHorzRows();
    VisibleLayout_t layout;
    BuildVisibleLayout(layout);
    const int nNeed = Across(pBar, bHorz);
    int nTaken = 0;
    bool bAny = true;
    while (nTaken < nNeed && bAny)
    {
        bAny = false;
        for (INT_PTR r = 0; r < layout.m_arrRows.GetSize() && nTaken < nNeed; ++r)
        {
            // The bar, when shown already, is alone in its row.
            VisibleLayoutItem_t* pRow = layout.m_arrRows[r];
            if (pRow->m_arrBars.GetSize() == 0 || pRow->m_arrBars[0] == pBar ||
                pRow->m_nThickness <= pRow->m_nMinThickness)
                continue;
            --pRow->m_nThickness;
            ++nTaken;
            bAny = true;
        }
    }
    for (INT_PTR r = 0; r < layout.m_arrRows.GetSize() && nTaken > 0; ++r)
    {
        VisibleLayoutItem_t* pRow = layout.m_arrRows[r];
        if (pRow->m_arrBars.GetSize() > 0 && pRow->m_arrBars[0] != pBar)
            for (INT_PTR b = 0; b < pRow->m_arrBars.GetSize(); ++b)
                Across(pRow->m_arrBars[b], bHorz) = pRow->m_nThickness;
    }
}

void CExtDockDynBar::RecalcDelayedShows()
{
    // Collected first: a show may change the rows.
    CArray<CControlBar*, CControlBar*> arrDelayed;
    for (INT_PTR i = 1; i < m_arrBars.GetSize(); ++i)
    {
        void* pEntry = m_arrBars[i];
        if (pEntry != nullptr && !IsPlaceHolder(pEntry) &&
            (static_cast<CControlBar*>(pEntry)->m_nStateFlags & (delayHide | delayShow)) != 0)
            arrDelayed.Add(static_cast<CControlBar*>(pEntry));
    }
    for (INT_PTR i = 0; i < arrDelayed.GetSize(); ++i)
        if (FindBar(arrDelayed[i]) > 0 && arrDelayed[i]->GetSafeHwnd() != nullptr)
            arrDelayed[i]->RecalcDelayShow(nullptr);
}

CSize CExtDockDynBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    (void)bHorz;
    // A layout carries out the shows and hides delayed until it, as the frame's dock bars do (a container
    // restored from the stored state is shown so).
    if (bStretch)
        RecalcDelayedShows();
    VisibleLayout_t layout;
    BuildVisibleLayout(layout);
    CRect rcWnd(0, 0, 0, 0);
    if (GetSafeHwnd() != nullptr)
        GetWindowRect(&rcWnd);
    if (!layout.IsEmpty() && bStretch && rcWnd.Width() >= 1 && rcWnd.Height() >= 1)
    {
        CRect rcClient;
        GetClientRect(&rcClient);
        ApplyLayout(layout, rcClient.Width(), rcClient.Height());
    }
    return rcWnd.Size();
}

void CExtDockDynBar::RecalcInnerRows()
{
    if (IsLayoutLocked() || (m_bInRecalcRows & 1) != 0 || GetSafeHwnd() == nullptr)
        return;
    CalcFixedLayout(TRUE, IsHorzRows() ? TRUE : FALSE);
    CExtDockBar::RecalcRows();
}

// ---- dissolving ---------------------------------------------------------------------------------------------------

void CExtDockDynBar::CleanInnerRows()
{
    if (IsLayoutLocked() || GetSafeHwnd() == nullptr)
        return;
    int nReal = 0, nOther = 0;
    CControlBar* pLast = nullptr;
    for (INT_PTR i = 1; i < m_arrBars.GetSize(); ++i)
    {
        void* pEntry = m_arrBars[i];
        if (pEntry == nullptr)
            continue;
        if (IsPlaceHolder(pEntry))
            ++nOther;
        else
        {
            ++nReal;
            pLast = static_cast<CControlBar*>(pEntry);
        }
    }
    if (nReal == 0 || (nReal == 1 && nOther == 0))
        Dissolve(nReal == 1 ? pLast : nullptr);
    else
        CExtDockBar::CleanRows();
}

void CExtDockDynBar::Dissolve(CControlBar* pLastBar)
{
    // Destroying the container deletes it and this dock bar: everything needed afterwards is
    // kept in locals, and no member is touched once the container is gone.
    CExtDynControlBar* pContainer = DYNAMIC_DOWNCAST(CExtDynControlBar, GetParent());
    if (pContainer == nullptr)
        return;
    CDockBar* pOuter = pContainer->m_pDockBar;
    const HWND hOuter = pOuter != nullptr ? pOuter->GetSafeHwnd() : nullptr;
    const HWND hContainer = pContainer->GetSafeHwnd();
    CFrameWnd* pDockSite = pContainer->m_pDockSite;
    CMiniFrameWnd* pMini = DYNAMIC_DOWNCAST(CMiniFrameWnd, pContainer->GetParentFrame());
    if (pMini != nullptr)
        pMini->m_nIdleFlags |= kIdleLayoutFlags;
    if (pDockSite != nullptr)
        pDockSite->RemoveControlBar(this);
    m_bfDynFlags |= 1;

    if (pLastBar != nullptr && pOuter != nullptr && hOuter != nullptr)
    {
        const int nPos = pOuter->FindBar(pContainer);
        if (nPos > 0)
            pOuter->m_arrBars[nPos] = pLastBar;
        pLastBar->m_pDockBar = pOuter;
        CRect rcContainer;
        pContainer->GetWindowRect(&rcContainer);
        pOuter->ScreenToClient(&rcContainer);
        const DWORD dwAlign = pContainer->m_dwStyle & CBRS_ALIGN_ANY;
        CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, pLastBar);
        if (pExt != nullptr && !pExt->IsFixedSize())
        {
            // The container's size in the outer row; across the other sides the thickness the container kept for
            // them, not the bar's share of the container's rows.
            if ((pOuter->m_dwStyle & CBRS_ORIENT_HORZ) != 0)
            {
                pExt->m_sizeHorzDocked = rcContainer.Size();
                pExt->m_sizeVertDocked.cx = pContainer->m_sizeVertDocked.cx;
            }
            else
            {
                pExt->m_sizeVertDocked = rcContainer.Size();
                pExt->m_sizeHorzDocked.cy = pContainer->m_sizeHorzDocked.cy;
            }
            pExt->SetBarStyle((pExt->GetBarStyle() & ~CBRS_ALIGN_ANY) | dwAlign | CBRS_BORDER_ANY);
        }
        m_arrBars.RemoveAll();
        m_arrBars.Add(nullptr);
        const BYTE bfOld = pExt != nullptr ? pExt->m_bfTracking : 0;
        if (pExt != nullptr)
            pExt->m_bfTracking |= CExtControlBar::kTrackLayoutSuspended;
        pLastBar->SetParent(pOuter);
        if (pExt != nullptr)
            pExt->m_bfTracking = bfOld;
        pLastBar->SetWindowPos(nullptr, rcContainer.left, rcContainer.top, rcContainer.Width(), rcContainer.Height(),
                               SWP_NOZORDER | SWP_NOACTIVATE);
        pContainer->m_pDockBar = nullptr;
        pContainer->DestroyWindow();
    }
    else
    {
        pContainer->m_pDockBar = nullptr;
        if (pOuter != nullptr && hOuter != nullptr)
            pOuter->RemoveControlBar(pContainer, -1, -1);
        if (::IsWindow(hContainer))
            pContainer->DestroyWindow();
    }
    if (pDockSite != nullptr && pMini == nullptr && ::IsWindow(pDockSite->GetSafeHwnd()))
        pDockSite->m_nIdleFlags |= kIdleLayoutFlags;
    if (hOuter != nullptr && ::IsWindow(hOuter) && CWnd::FromHandlePermanent(hOuter) == pOuter)
    {
        if (CExtDockBar* pOuterExt = DYNAMIC_DOWNCAST(CExtDockBar, pOuter))
            pOuterExt->RecalcRows();
    }
}

void CExtDockDynBar::OnSize(UINT nType, int cx, int cy)
{
    CExtDockBar::OnSize(nType, cx, cy);
    if ((m_bfDynFlags & 1) == 0)
    {
        m_bfDynFlags |= 1;
        if (m_pDockSite != nullptr)
            m_pDockSite->RemoveControlBar(this);
    }
}
