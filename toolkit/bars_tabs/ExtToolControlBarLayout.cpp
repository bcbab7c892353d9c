// CExtToolControlBar: sizes for the layout modes, wrapping and button positions.
#include "platform/Dc.h"
#include "platform/DockBar.h"
#include "platform/FrameWnd.h"
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/bars_tabs/ExtBarContentExpandButton.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include <algorithm>
#include <vector>

namespace
{
// The thread's memory DC for measuring, made once: each new memory DC costs the display driver a round trip.
struct SharedMeasureDC
{
    HDC hDC = nullptr;
    bool bInUse = false;
    ~SharedMeasureDC()
    {
        if (hDC != nullptr)
            ::DeleteDC(hDC);
    }
};
thread_local SharedMeasureDC t_measureDC;

// A DC of the screen's kind with the bar's font selected for the time of one measuring pass: a
// memory DC measures as the screen does. The thread's shared one serves, or a DC of its own for a pass
// inside another.
class CMeasureDC
{
public:
    CMeasureDC(CFont* pFont)
    {
        if (!t_measureDC.bInUse)
        {
            if (t_measureDC.hDC == nullptr)
                t_measureDC.hDC = ::CreateCompatibleDC(nullptr);
            m_bShared = t_measureDC.hDC != nullptr;
        }
        m_hDC = m_bShared ? t_measureDC.hDC : ::CreateCompatibleDC(nullptr);
        if (m_bShared)
            t_measureDC.bInUse = true;
        m_dc.Attach(m_hDC);
        m_hOldFont = pFont != nullptr ? m_dc.SelectObject((HGDIOBJ)pFont->GetSafeHandle()) : nullptr;
    }
    ~CMeasureDC()
    {
        if (m_hOldFont != nullptr)
            m_dc.SelectObject(m_hOldFont);
        m_dc.Detach();
        if (m_bShared)
            t_measureDC.bInUse = false;
        else
            ::DeleteDC(m_hDC);
    }
    CDC& Get() { return m_dc; }

private:
    HDC m_hDC = nullptr;
    bool m_bShared = false;
    CDC m_dc;
    HGDIOBJ m_hOldFont;
};
} // namespace

// ---- layout for the frame ------------------------------------------------------------------------

CSize CExtToolControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return CalcLayout((bStretch ? LM_STRETCH : 0) | (bHorz ? LM_HORZ : 0), -1);
}

CSize CExtToolControlBar::CalcDynamicLayout(int nLength, DWORD nMode)
{
    if (nLength == -1 && (nMode & (LM_MRUWIDTH | LM_COMMIT)) == 0 && (nMode & (LM_HORZDOCK | LM_VERTDOCK)) != 0)
        return CalcFixedLayout(nMode & LM_STRETCH, nMode & LM_HORZDOCK);
    return CalcLayout(nMode, nLength);
}

CRect CExtToolControlBar::GetDockBarClientRect() const
{
    CRect rc(0, 0, 0, 0);
    // While the dock bar is laid out it measures its bars against the rectangle the layout offers it, which its
    // window takes only at the end: the frame's first layout finds it not yet sized.
    if (m_pDockBar != nullptr && !m_pDockBar->m_rectLayout.IsRectEmpty())
        return CRect(CPoint(0, 0), m_pDockBar->m_rectLayout.Size());
    CWnd* pWnd = m_pDockBar != nullptr ? (CWnd*)m_pDockBar : (GetSafeHwnd() != nullptr ? GetParent() : nullptr);
    if (pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr)
        pWnd->GetClientRect(&rc);
    return rc;
}

int CExtToolControlBar::GetChevronExtent(bool bVertical)
{
    if (m_pRightBtn == nullptr || !IsRightButtonDisplayed())
        return 0;
    CMeasureDC dc(GetToolBarFont(false));
    const CSize size = m_pRightBtn->MeasureButton(dc.Get(), GetDefaultButtonSize(), !bVertical);
    return bVertical ? size.cy : size.cx;
}

CSize CExtToolControlBar::CalcLayout(DWORD dwMode, int nLength)
{
    if ((m_nLayoutFlags & kLayoutInProgress) == 0)
        m_nLayoutFlags &= ~kLayoutWrapped;
    const CSize sizeDefault = GetDefaultButtonSize();
    const bool bPanel = (m_nBarFlags & kBarFlagPanelMode) != 0;
    const bool bHorz = (dwMode & LM_HORZ) != 0;
    CSize size = sizeDefault;
    const CPlacementRecord before(*this);
    if (GetButtonsCount() > 0)
    {
        if (m_pRightBtn != nullptr)
            m_pRightBtn->SetVisible(true);
        int nLen = bHorz ? kNoLimit : 0;
        bool bByHeight = false;
        if ((m_dwStyle & CBRS_SIZE_DYNAMIC) != 0)
        {
            if ((dwMode & LM_MRUWIDTH) != 0)
                nLen = m_nMRUWidth;
            else if ((dwMode & LM_HORZDOCK) != 0)
                nLen = kNoLimit;
            else if ((dwMode & LM_VERTDOCK) != 0)
                nLen = 0;
            else if (nLength != -1)
            {
                CRect rcInside(0, 0, 0, 0);
                CalcInsideRect(rcInside, bHorz);
                bByHeight = (dwMode & LM_LENGTHY) != 0;
                nLen = nLength + (bByHeight ? rcInside.Height() : rcInside.Width());
            }
            else if ((m_dwStyle & CBRS_FLOATING) != 0)
                nLen = m_nMRUWidth;
        }
        const bool bChevron = IsRightButtonDisplayed();
        if (bChevron && !bHorz && !bPanel)
        {
            nLen = GetDockBarClientRect().Height();
            bByHeight = true;
        }
        // A vertical bar (docked or asked by height) chooses its wrap along its height.
        SizeToolBar(nLen, bByHeight || !bHorz);
        size = CalcSize(!bHorz);
        if ((m_dwStyle & CBRS_SIZE_DYNAMIC) != 0 && bChevron && !bPanel)
        {
            const int nReserve = 6 + ((m_pRightBtn != nullptr && m_pRightBtn->IsVisible())
                                          ? (bHorz ? m_pRightBtn->GetSize().cx : m_pRightBtn->GetSize().cy)
                                          : 0);
            const CRect rcDock = GetDockBarClientRect();
            const int nAvail = bHorz ? rcDock.Width() : rcDock.Height();
            const int nSize = bHorz ? size.cx : size.cy;
            int nClamped = nLen;
            if (nSize + nReserve > nAvail)
                nClamped = std::max(1, nAvail - nReserve);
            if (nClamped != nLen && (m_nLayoutFlags & kLayoutInProgress) == 0)
            {
                m_nLayoutFlags |= kLayoutInProgress | kLayoutWrapped;
                size = CalcLayout(dwMode, nClamped);
                if (nLen != kNoLimit)
                    RecalcButtonPositions();
                m_nLayoutFlags &= ~kLayoutInProgress;
            }
            if (nLen != kNoLimit)
                RecalcButtonPositions();
        }
        if (m_pRightBtn != nullptr && !m_pRightBtn->HasHiddenButtons())
        {
            m_pRightBtn->SetVisible(false);
            size = CalcSize(!bHorz);
        }
    }
    before.InvalidateMoved(*this);
    if ((dwMode & LM_COMMIT) != 0 && (m_dwStyle & (CBRS_FLOATING | CBRS_SIZE_DYNAMIC)) != 0 && bHorz)
        m_nMRUWidth = size.cx;
    CRect rcInside(0, 0, 0, 0);
    CalcInsideRect(rcInside, bHorz);
    size.cx -= rcInside.Width();
    size.cy -= rcInside.Height();
    const CSize sizeBase = CControlBar::CalcFixedLayout((dwMode & LM_STRETCH) != 0, bHorz);
    size.cx = std::max<int>(size.cx, sizeBase.cx);
    size.cy = std::max<int>(size.cy, sizeBase.cy);
    if (IsFloating(this) && QueryGripperPresence())
        size.cy += std::min(m_rcCaption.Width(), m_rcCaption.Height());
    switch (GetLayoutOrientation())
    {
    case kOrientHorzDocked: m_sizeHorzDocked = size; break;
    case kOrientVertDocked: m_sizeVertDocked = size; break;
    default:
        size.cx = std::max<int>(size.cx, sizeDefault.cx * 2);
        // A committing layout comes from the floating frame's resizing, which compares the answer
        // with the stored size and stores it itself.
        if ((dwMode & LM_COMMIT) == 0)
            m_sizeFloating = size;
        break;
    }
    if (m_pDockSite == nullptr)
    {
        if (IsDockedHorizontally(this))
            size.cy += kNoDockSiteGrowth;
        else
            size.cx += kNoDockSiteGrowth;
    }
    return size;
}

CSize CExtToolControlBar::CalcSize(bool bVertical)
{
    const CSize sizeDefault = GetDefaultButtonSize();
    const int nCount = GetButtonsCount();
    if (nCount == 0)
        return sizeDefault;
    const bool bPanel = (m_nBarFlags & kBarFlagPanelMode) != 0;
    const bool bVertMeasure = bVertical && !bPanel;
    CMeasureDC dc(GetToolBarFont(bVertMeasure));
    const int nSpacing = g_PaintManagerHolder->GetBarItemSpacing(this);
    const int nOrient = GetLayoutOrientation();
    const bool bFloating = IsFloating(this);
    const bool bChevron = IsRightButtonDisplayed();
    const int nMinThick = bVertical ? sizeDefault.cx : sizeDefault.cy;
    int nRowLen = 0, nRowThick = 0, nMaxLen = 0, nTotal = 0, nWraps = 0;
    bool bRowStart = true;
    for (int i = 0; i < nCount; i++)
    {
        if (IsButtonHiddenByStyle(i))
            continue;
        CExtBarButton* pButton = m_buttons[i];
        if (pButton == m_pRightBtn)
        {
            if ((!bChevron && !bFloating) || !pButton->IsVisible())
                break;
        }
        const CSize size = pButton->MeasureButton(dc.Get(), sizeDefault, !bVertMeasure);
        int nAlong = bVertical ? size.cy : size.cx;
        const int nAcross = bVertical ? size.cx : size.cy;
        if (pButton->IsSeparator() && bRowStart)
            nAlong = 0;
        nRowLen += nAlong;
        nRowThick = std::max(nRowThick, nAcross);
        bRowStart = false;
        if (pButton->IsWrap(nOrient) && i < nCount - 1)
        {
            nMaxLen = std::max(nMaxLen, nRowLen);
            nTotal += std::max(nRowThick, nMinThick) + nSpacing;
            nWraps++;
            nRowLen = 0;
            nRowThick = 0;
            bRowStart = true;
        }
    }
    if (!bRowStart)
    {
        nMaxLen = std::max(nMaxLen, nRowLen);
        nTotal += std::max(nRowThick, nMinThick);
    }
    else if (nWraps > 0)
        nTotal -= nSpacing;
    if (nWraps > 0 && !bPanel)
        m_nLayoutFlags |= kLayoutWrapped;
    CSize sizeResult;
    if (!bVertical)
        sizeResult = CSize(nMaxLen + nSpacing / 2 + m_cxLeftBorder + m_cxRightBorder, nTotal);
    else
        sizeResult = CSize(nTotal + 1, nMaxLen + m_cyTopBorder + m_cyBottomBorder + nSpacing);
    if (bFloating)
    {
        sizeResult.cx++;
        sizeResult.cy++;
    }
    if (bPanel && IsDialogMode())
    {
        CRect rcInside(0, 0, 0, 0);
        CalcInsideRect(rcInside, !bVertical);
        sizeResult.cx += std::max(0, -rcInside.Width() - 1);
        sizeResult.cy += std::max(0, -rcInside.Height() - 1);
    }
    return sizeResult;
}

// ---- wrapping ------------------------------------------------------------------------------------

int CExtToolControlBar::WrapToolBar(int nWidth, int nHeight)
{
    const int nCount = GetButtonsCount();
    if (nCount == 0)
        return 1;
    const bool bPanel = (m_nBarFlags & kBarFlagPanelMode) != 0;
    const int nOrient = GetLayoutOrientation();
    const bool bFloating = IsFloating(this);
    const bool bChevron = IsRightButtonDisplayed();
    const bool bActive = bFloating || nHeight == kNoLimit || bChevron;
    int nLimit = nWidth;
    if (bActive && !bFloating && !bPanel && bChevron)
        nLimit -= GetChevronExtent(false);
    if (!bPanel)
    {
        for (int i = 0; i < nCount; i++)
            m_buttons[i]->SetWrap(nOrient, false);
    }
    CMeasureDC dc(GetToolBarFont(false));
    const CSize sizeDefault = GetDefaultButtonSize();
    int nRows = 1, nRun = 0, nPrev = -1;
    for (int i = 0; i < nCount; i++)
    {
        CExtBarButton* pButton = m_buttons[i];
        if (pButton == m_pRightBtn || IsButtonHiddenByStyle(i))
            continue;
        int nExtent = pButton->MeasureButton(dc.Get(), sizeDefault, true).cx;
        if (pButton->IsSeparator() && nRun == 0)
            nExtent = 0;
        if (bPanel)
        {
            nRun += nExtent;
            if (pButton->IsWrap(nOrient))
            {
                nRows++;
                nRun = 0;
            }
            continue;
        }
        if (bActive && nPrev >= 0 && nRun + nExtent > nLimit && !pButton->IsSeparator())
        {
            m_buttons[nPrev]->SetWrap(nOrient, true);
            nRows++;
            nRun = 0;
        }
        nRun += nExtent;
        nPrev = i;
    }
    if (bPanel && nRows > 1 && nRun == 0)
        nRows--; // a wrap bit on the last button starts no row
    return nRows;
}

int CExtToolControlBar::WrapToolBarVertically(int nHeight)
{
    const int nCount = GetButtonsCount();
    if (nCount == 0)
        return 1;
    const bool bPanel = (m_nBarFlags & kBarFlagPanelMode) != 0;
    const int nOrient = GetLayoutOrientation();
    const int nLimit = nHeight - GetChevronExtent(true);
    if (!bPanel)
    {
        for (int i = 0; i < nCount; i++)
            m_buttons[i]->SetWrap(nOrient, false);
    }
    CMeasureDC dc(GetToolBarFont(!bPanel));
    const CSize sizeDefault = GetDefaultButtonSize();
    int nColumns = 1, nRun = 0, nPrev = -1;
    for (int i = 0; i < nCount; i++)
    {
        CExtBarButton* pButton = m_buttons[i];
        if (pButton == m_pRightBtn || IsButtonHiddenByStyle(i))
            continue;
        int nExtent = pButton->MeasureButton(dc.Get(), sizeDefault, bPanel).cy;
        if (pButton->IsSeparator() && nRun == 0)
            nExtent = 0;
        if (bPanel)
        {
            nRun += nExtent;
            if (pButton->IsWrap(nOrient))
            {
                nColumns++;
                nRun = 0;
            }
            continue;
        }
        if (nPrev >= 0 && nRun + nExtent > nLimit && !pButton->IsSeparator())
        {
            m_buttons[nPrev]->SetWrap(nOrient, true);
            nColumns++;
            nRun = 0;
        }
        nRun += nExtent;
        nPrev = i;
    }
    if (bPanel && nColumns > 1 && nRun == 0)
        nColumns--;
    return nColumns;
}

void CExtToolControlBar::SizeToolBar(int nLength, bool bVertical)
{
    if ((m_nBarFlags & kBarFlagPanelMode) != 0 || GetButtonsCount() == 0)
        return;
    const CSize sizeDefault = GetDefaultButtonSize();
    const bool bFloating = IsFloating(this);
    const bool bChevron = IsRightButtonDisplayed();
    if (!bFloating && !bChevron)
    {
        if (bVertical)
            WrapToolBar(kNoLimit, nLength);
        else
            WrapToolBar(nLength, kNoLimit);
        return;
    }
    if (!bFloating)
    {
        if (!bVertical)
        {
            WrapToolBar(nLength, kNoLimit);
            return;
        }
        for (int nColumn = std::max<int>(nLength - sizeDefault.cy, sizeDefault.cy); nColumn > 0;
             nColumn -= std::max<int>(1, sizeDefault.cy / 2))
        {
            WrapToolBarVertically(nColumn);
            if (CalcSize(true).cy <= nLength)
                break;
        }
        return;
    }
    if (!bVertical)
    {
        // The fewest rows the full length allows, at the smallest width that still gives them.
        const int nTarget = WrapToolBar(nLength, kNoLimit);
        int nLow = sizeDefault.cx / 2;
        int nHigh = nLength;
        if (nLow < nLength && WrapToolBar(nLow, kNoLimit) != nTarget)
        {
            while (nHigh - nLow > 1)
            {
                const int nMid = nLow + (nHigh - nLow) / 2;
                if (WrapToolBar(nMid, kNoLimit) > nTarget)
                    nLow = nMid;
                else
                    nHigh = nMid;
            }
            WrapToolBar(nHigh, kNoLimit);
        }
        else
            WrapToolBar(nLength, kNoLimit);
        WrapToolBar(CalcSize(false).cx, kNoLimit);
        return;
    }
    if (nLength == kNoLimit)
        return;
    CExtPaintManager::MonitorParms mp;
    CExtPaintManager::GetMonitorParmsFromWnd(mp, this);
    const int nMaxWidth = mp.m_rcMonitor.Width() + sizeDefault.cx / 2;
    const int nStep = std::max<int>(1, sizeDefault.cx / 2);
    CSize size(0, 0);
    for (int nWidth = nStep;; nWidth += nStep)
    {
        WrapToolBar(nWidth, kNoLimit);
        size = CalcSize(false);
        if (size.cy <= nLength)
            break;
        if (nWidth > nMaxWidth)
            return;
    }
    WrapToolBar(size.cx, kNoLimit);
}

// ---- minimum size --------------------------------------------------------------------------------

CSize CExtToolControlBar::CalcMinSize() const { return CalcMinSizeFor(GetLayoutOrientation() != kOrientVertDocked); }

CSize CExtToolControlBar::CalcMinSizeFor(bool bHorizontal) const
{
    CExtToolControlBar* pThis = const_cast<CExtToolControlBar*>(this);
    if ((m_nBarFlags & kBarFlagPanelMode) != 0)
        return pThis->CalcFixedLayout(FALSE, bHorizontal ? TRUE : FALSE);
    CMeasureDC dc(GetToolBarFont(!bHorizontal));
    const CSize sizeDefault = GetDefaultButtonSize();
    CSize size(0, 0);
    if (m_pRightBtn != nullptr)
        size = m_pRightBtn->MeasureButton(dc.Get(), sizeDefault, bHorizontal);
    int nSmallest = -1;
    for (int i = 0; i < GetButtonsCount(); i++)
    {
        CExtBarButton* pButton = m_buttons[i];
        if (pButton == m_pRightBtn || pButton->IsSeparator() || (pButton->GetStyle() & TBBS_HIDDEN) != 0)
            continue;
        const CSize sizeButton = pButton->MeasureButton(dc.Get(), sizeDefault, bHorizontal);
        const int nExtent = bHorizontal ? sizeButton.cx : sizeButton.cy;
        if (nSmallest < 0 || nExtent < nSmallest)
            nSmallest = nExtent;
    }
    if (nSmallest > 0)
    {
        if (bHorizontal)
            size.cx += nSmallest;
        else
            size.cy += nSmallest;
    }
    if (GetSafeHwnd() != nullptr)
    {
        CRect rcWnd, rcClient;
        GetWindowRect(&rcWnd);
        GetClientRect(&rcClient);
        if (bHorizontal)
            size.cx += rcWnd.Width() - rcClient.Width();
        else
            size.cy += rcWnd.Height() - rcClient.Height();
    }
    return size;
}

// ---- button positions ----------------------------------------------------------------------------

bool CExtToolControlBar::IsVerticalLayout() const
{
    return GetLayoutOrientation() == kOrientVertDocked && (m_nBarFlags & kBarFlagPanelMode) == 0;
}

CExtToolControlBar::CPlacementRecord::CPlacementRecord(const CExtToolControlBar& bar)
{
    for (int i = 0; i < bar.GetButtonsCount(); i++)
    {
        const CExtBarButton* pButton = bar.m_buttons[i];
        if (pButton->IsVisible())
            m_shown.emplace_back(pButton, pButton->GetRect());
    }
}

void CExtToolControlBar::CPlacementRecord::InvalidateMoved(CExtToolControlBar& bar) const
{
    if (bar.GetSafeHwnd() == nullptr)
        return;
    size_t nShown = 0;
    bool bMoved = false;
    for (int i = 0; i < bar.GetButtonsCount() && !bMoved; i++)
    {
        const CExtBarButton* pButton = bar.m_buttons[i];
        if (!pButton->IsVisible())
            continue;
        bMoved = nShown >= m_shown.size() || m_shown[nShown].first != pButton ||
                 m_shown[nShown].second != pButton->GetRect();
        nShown++;
    }
    // The whole bar: a wrapped separator spans its row, and the row backgrounds follow the buttons.
    if (bMoved || nShown != m_shown.size())
        bar.Invalidate();
}

void CExtToolControlBar::RecalcButtonPositions()
{
    const int nCount = GetButtonsCount();
    if (GetSafeHwnd() == nullptr || nCount == 0)
        return;
    const CPlacementRecord before(*this);
    const bool bPanel = (m_nBarFlags & kBarFlagPanelMode) != 0;
    const int nOrient = GetLayoutOrientation();
    const bool bVert = IsVerticalLayout();
    CRect rcInner;
    GetClientRect(&rcInner);
    rcInner.left += m_cxLeftBorder;
    rcInner.top += m_cyTopBorder;
    rcInner.right -= m_cxRightBorder;
    rcInner.bottom -= m_cyBottomBorder;
    CMeasureDC dc(GetToolBarFont(bVert));
    const CSize sizeDefault = GetDefaultButtonSize();
    const int nSpacing = g_PaintManagerHolder->GetBarItemSpacing(this);
    const CSize sizeExtra = g_PaintManagerHolder->GetBarButtonExtraSize();
    for (int i = 0; i < nCount; i++)
        m_buttons[i]->SetVertDocked(nOrient == kOrientVertDocked);

    // 1. The chevron at the far end (placed below, once it is known whether a button overflows).
    const int nEnd = bVert ? rcInner.bottom : rcInner.right;
    int nLimit = nEnd;
    bool bChevron = m_pRightBtn != nullptr && IsRightButtonDisplayed();
    CSize sizeChevron(0, 0);
    if (m_pRightBtn != nullptr)
    {
        m_pRightBtn->RemoveAllButtons();
        sizeChevron = m_pRightBtn->MeasureButton(dc.Get(), sizeDefault, !bVert);
    }

    // 2-3. Visibility, measuring and rows.
    struct Entry
    {
        int nIndex;
        int nAlong;
        int nAcross;
        int nRow;
        bool bVisible;
        bool bSeparator;
    };
    std::vector<Entry> entries;
    int nRow = 0;
    for (int i = 0; i < nCount; i++)
    {
        CExtBarButton* pButton = m_buttons[i];
        if (pButton == m_pRightBtn)
            continue;
        if (IsButtonHiddenByStyle(i))
        {
            pButton->SetVisible(false);
            pButton->SetRect(CRect(0, 0, 0, 0));
            continue;
        }
        const CSize size = pButton->MeasureButton(dc.Get(), sizeDefault, !bVert);
        Entry e{i, bVert ? size.cy : size.cx, bVert ? size.cx : size.cy, nRow, true, pButton->IsSeparator()};
        entries.push_back(e);
        if (pButton->IsWrap(nOrient))
            nRow++;
    }
    const int nRows = entries.empty() ? 0 : entries.back().nRow + 1;
    const int nStart = bVert ? rcInner.top : rcInner.left;
    // Separators at a row's ends or after another separator are invisible.
    auto TidySeparators = [&entries](size_t nFirst, size_t nEnd) {
        bool bPrevSeparator = true;
        for (size_t k = nFirst; k < nEnd; k++)
        {
            if (!entries[k].bVisible)
                continue;
            if (entries[k].bSeparator && bPrevSeparator)
                entries[k].bVisible = false;
            else
                bPrevSeparator = entries[k].bSeparator;
        }
        for (size_t k = nEnd; k > nFirst; k--)
        {
            if (!entries[k - 1].bVisible)
                continue;
            if (!entries[k - 1].bSeparator)
                break;
            entries[k - 1].bVisible = false;
        }
    };
    // The chevron shows only when a row does not fit the whole length; then its space is kept free.
    if (bChevron)
    {
        bool bOverflow = false;
        size_t nFirst = 0;
        for (int r = 0; r < nRows && !bOverflow; r++)
        {
            size_t nLast = nFirst;
            while (nLast < entries.size() && entries[nLast].nRow == r)
                nLast++;
            TidySeparators(nFirst, nLast);
            int nPos = nStart;
            for (size_t m = nFirst; m < nLast; m++)
                nPos += entries[m].bVisible ? entries[m].nAlong : 0;
            bOverflow = nPos > nEnd;
            nFirst = nLast;
        }
        bChevron = bOverflow;
    }
    CRect rcChevron(0, 0, 0, 0);
    if (bChevron)
    {
        if (bVert)
            rcChevron = CRect(rcInner.left, rcInner.bottom - sizeChevron.cy, rcInner.right, rcInner.bottom);
        else
            rcChevron = CRect(rcInner.right - sizeChevron.cx, rcInner.top, rcInner.right, rcInner.bottom);
        nLimit -= bVert ? sizeChevron.cy + sizeExtra.cy : sizeChevron.cx + sizeExtra.cx;
    }
    std::vector<int> arrTakenOut;
    size_t nRowFirst = 0;
    for (int r = 0; r < nRows; r++)
    {
        size_t nRowEnd = nRowFirst;
        while (nRowEnd < entries.size() && entries[nRowEnd].nRow == r)
            nRowEnd++;
        TidySeparators(nRowFirst, nRowEnd);
        // 4. Buttons that end past the chevron's space go behind it.
        if (bChevron)
        {
            for (size_t k = nRowFirst; k < nRowEnd; k++)
            {
                if (!entries[k].bVisible)
                    continue;
                for (;;)
                {
                    int nEndPos = nStart;
                    for (size_t m = nRowFirst; m <= k; m++)
                        nEndPos += entries[m].bVisible ? entries[m].nAlong : 0;
                    const int nOverflow = nEndPos - nLimit;
                    if (nOverflow <= 0)
                        break;
                    size_t nVictim = k;
                    int nBest = -1;
                    for (size_t m = nRowFirst; m <= k; m++)
                    {
                        const Entry& e = entries[m];
                        if (!e.bVisible || e.bSeparator || e.nAlong > nOverflow)
                            continue;
                        if (e.nAlong >= nBest) // ties go to the later button
                        {
                            nBest = e.nAlong;
                            nVictim = m;
                        }
                    }
                    entries[nVictim].bVisible = false;
                    arrTakenOut.push_back(entries[nVictim].nIndex);
                    TidySeparators(nRowFirst, k + 1);
                    if (nVictim == k)
                        break;
                }
            }
            // 5. Separators left at the ends.
            TidySeparators(nRowFirst, nRowEnd);
        }
        nRowFirst = nRowEnd;
    }

    // Positions along the rows and across them.
    std::vector<CRect> rects(entries.size());
    std::vector<int> arrRowThick(nRows, 0);
    for (const Entry& e : entries)
    {
        if (e.bVisible)
            arrRowThick[e.nRow] = std::max(arrRowThick[e.nRow], e.nAcross);
    }
    const bool bSingleDockedRow = nRows <= 1 && nOrient != kOrientFloating && !bPanel;
    int nRowPos = bVert ? rcInner.left : rcInner.top;
    size_t k = 0;
    for (int r = 0; r < nRows; r++)
    {
        int nPos = nStart;
        const int nThick = arrRowThick[r];
        for (; k < entries.size() && entries[k].nRow == r; k++)
        {
            const Entry& e = entries[k];
            if (!e.bVisible)
                continue;
            int nAcrossFrom, nAcrossTo;
            if (bSingleDockedRow)
            {
                const int nFrom = bVert ? rcInner.left : rcInner.top;
                const int nTo = bVert ? rcInner.right : rcInner.bottom;
                if (e.bSeparator)
                {
                    nAcrossFrom = nFrom;
                    nAcrossTo = nTo;
                }
                else
                {
                    nAcrossFrom = nFrom + ((nTo - nFrom) - e.nAcross) / 2;
                    nAcrossTo = nAcrossFrom + e.nAcross;
                }
            }
            else if (e.bSeparator)
            {
                nAcrossFrom = nRowPos;
                nAcrossTo = nRowPos + nThick;
            }
            else
            {
                nAcrossFrom = nRowPos + (nThick - e.nAcross) / 2;
                nAcrossTo = nAcrossFrom + e.nAcross;
            }
            rects[k] = bVert ? CRect(nAcrossFrom, nPos, nAcrossTo, nPos + e.nAlong)
                             : CRect(nPos, nAcrossFrom, nPos + e.nAlong, nAcrossTo);
            nPos += e.nAlong;
        }
        nRowPos += nThick + nSpacing;
    }

    // 8. The paint manager's layout offset, and the buttons' own rectangles.
    CSize sizeOffset = g_PaintManagerHolder->GetToolBarLayoutExtra(this);
    if (bPanel)
    {
        if (bVert)
            sizeOffset.cx += 2;
        else
            sizeOffset.cy += 2;
    }
    for (size_t m = 0; m < entries.size(); m++)
    {
        CExtBarButton* pButton = m_buttons[entries[m].nIndex];
        pButton->SetVisible(entries[m].bVisible);
        if (!entries[m].bVisible)
        {
            pButton->SetRect(CRect(0, 0, 0, 0));
            continue;
        }
        CRect rc = rects[m];
        rc.OffsetRect(sizeOffset);
        pButton->SetRect(rc);
    }
    if (m_pRightBtn != nullptr)
    {
        m_pRightBtn->SetRect(rcChevron);
        m_pRightBtn->SetVisible(bChevron && !arrTakenOut.empty());
    }

    // 7. The chevron's list in bar order, with a group break where a separator stood between.
    if (m_pRightBtn != nullptr)
    {
        bool bSeparatorSince = false;
        for (int i = 0; i < nCount; i++)
        {
            CExtBarButton* pButton = m_buttons[i];
            if (pButton == m_pRightBtn || (pButton->GetStyle() & TBBS_HIDDEN) != 0)
                continue;
            if (pButton->IsSeparator())
            {
                bSeparatorSince = true;
                continue;
            }
            if (std::find(arrTakenOut.begin(), arrTakenOut.end(), i) == arrTakenOut.end())
                continue;
            if (bSeparatorSince && m_pRightBtn->GetButtonsCount() > 0)
                m_pRightBtn->AddButton(nullptr);
            m_pRightBtn->AddButton(pButton);
            bSeparatorSince = false;
        }
        if (IsDialogMode())
        {
            if (m_pRightBtn->HasHiddenButtons())
                m_pRightBtn->ModifyStyle(0, TBBS_DISABLED);
            else
                m_pRightBtn->ModifyStyle(TBBS_DISABLED);
        }
    }
    before.InvalidateMoved(*this);
}
