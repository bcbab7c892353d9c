// CExtControlBar: the row-extent and in-row splitter tracking loops, their tracker lines, and the
// tracker painting shared with the drag feedback.
#include <algorithm>
#include "platform/Dc.h"
#include "platform/DockBar.h"
#include "platform/FrameWnd.h"
#include "platform/MiniDockFrameWnd.h"
#include "platform/WinThread.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDockBar.h"

namespace
{
// The loops end on these messages (besides the keyboard and the loop's own button message).
bool IsCancelMessage(UINT nMsg, UINT nOwnCancel)
{
    switch (nMsg)
    {
    case WM_ACTIVATEAPP:
    case WM_CANCELMODE:
    case WM_CONTEXTMENU:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: return true;
    default: return nMsg == nOwnCancel || (nMsg >= WM_KEYFIRST && nMsg <= WM_KEYLAST);
    }
}

LONG& Thickness(CExtControlBar* pBar, bool bHorz)
{
    return bHorz ? pBar->m_sizeHorzDocked.cy : pBar->m_sizeVertDocked.cx;
}

void RedrawDockBar(CWnd* pDockBar)
{
    if (pDockBar != nullptr && pDockBar->GetSafeHwnd() != nullptr)
        pDockBar->RedrawWindow(nullptr, nullptr,
                               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW |
                                   RDW_NOFRAME);
}

// The resizable bars of the row nRowStep rows after (1) or before (-1) pBar's row.
void NeighbourRowBars(CExtControlBar* pBar, int nRowStep, CArray<CExtControlBar*, CExtControlBar*>& arrBars)
{
    CDockBar* pDockBar = pBar->GetDockBarSafe();
    if (pDockBar == nullptr)
        return;
    const CPtrArray& arr = pDockBar->m_arrBars;
    int nPos = pDockBar->FindBar(pBar);
    if (nPos <= 0)
        return;
    // The row break ending (or starting) pBar's row, then the neighbouring row's entries.
    while (nPos > 0 && nPos < arr.GetSize() && arr[nPos] != nullptr)
        nPos += nRowStep;
    for (int i = nPos + nRowStep; i > 0 && i < arr.GetSize() && arr[i] != nullptr; i += nRowStep)
    {
        if (CDockBar::IsPlaceHolder(arr[i]))
            continue;
        CExtControlBar* p = DYNAMIC_DOWNCAST(CExtControlBar, static_cast<CControlBar*>(arr[i]));
        if (p != nullptr && !p->IsFixedSize() && p->GetSafeHwnd() != nullptr && p->IsVisible())
            arrBars.Add(p);
    }
}

// Draws a band tracker on the dock site's window DC.
void DrawBand(CExtControlBar* pBar, CFrameWnd* pSite, CRect rcScreen, bool bErase)
{
    if (pSite == nullptr || pSite->GetSafeHwnd() == nullptr)
        return;
    CRect rcSite;
    pSite->GetWindowRect(&rcSite);
    rcScreen.OffsetRect(-rcSite.left, -rcSite.top);
    HDC hDC =
        ::GetDCEx(pSite->GetSafeHwnd(), nullptr, DCX_WINDOW | DCX_CACHE | DCX_CLIPSIBLINGS | DCX_LOCKWINDOWUPDATE);
    if (hDC == nullptr)
        return;
    CDC dc;
    dc.Attach(hDC);
    CExtControlBar::TRACKER_PAINT_DATA data = {pBar, &dc, CExtControlBar::TRACKER_PAINT_DATA::kModeBand, rcScreen,
                                               bErase ? (DWORD)CExtControlBar::TRACKER_PAINT_DATA::kErase : 0};
    CExtControlBar::PaintTracker(data);
    dc.Detach();
    ::ReleaseDC(pSite->GetSafeHwnd(), hDC);
}

// The frame outline of rc (as thick as the frame metrics) added to hRgn.
void AddOutline(HRGN hRgn, const CRect& rc)
{
    CRect rcInner(rc);
    rcInner.DeflateRect(::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME));
    HRGN hOuter = ::CreateRectRgnIndirect(&rc);
    HRGN hInner = ::CreateRectRgnIndirect(&rcInner);
    ::CombineRgn(hOuter, hOuter, hInner, RGN_DIFF);
    ::CombineRgn(hRgn, hRgn, hOuter, RGN_OR);
    ::DeleteObject(hInner);
    ::DeleteObject(hOuter);
}
} // namespace

// ---- the modal loop shared by both splitters ----------------------------------------------------------------------

// Runs until the tracking bit nBit is cleared. The bar may be destroyed by a dispatched message:
// the loop then leaves without touching the object. A WM_QUIT taken by the pump is posted again
// with its own exit code and cancels the tracking.
static void RunSplitterLoop(CExtControlBar* pBar, BYTE nBit, UINT nOwnCancel, void (CExtControlBar::*pfnEnd)(bool))
{
    const HWND hWnd = pBar->GetSafeHwnd();
    auto alive = [&]() { return ::IsWindow(hWnd) && CWnd::FromHandlePermanent(hWnd) == pBar; };
    while (alive() && (pBar->m_bfTracking & nBit) != 0)
    {
        ::WaitMessage();
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (!alive() || (pBar->m_bfTracking & nBit) == 0)
                return;
            if (IsCancelMessage(msg.message, nOwnCancel))
            {
                (pBar->*pfnEnd)(true);
                return;
            }
            if (!AfxPumpPeekedMessage(msg))
            {
                const int nExitCode = (int)AfxGetCurrentMessage()->wParam;
                ::PostQuitMessage(nExitCode);
                if (alive() && (pBar->m_bfTracking & nBit) != 0)
                    (pBar->*pfnEnd)(true);
                return;
            }
        }
    }
}

static void ReleaseOwnCapture(CWnd* pWnd)
{
    if (::GetCapture() == pWnd->GetSafeHwnd())
        ::ReleaseCapture();
}

// ---- row extent -----------------------------------------------------------------------------------------------

void CExtControlBar::RowExtentTrackBegin()
{
    if (GetSafeHwnd() == nullptr || m_pDockSite == nullptr)
        return;
    CWnd::CancelToolTips();
    m_bfTracking |= kTrackRowExtent;
    CExtMouseCaptureSink::SetCapture(GetSafeHwnd());
    const bool bHorz = IsDockedHorizontally(this);
    m_nTrackOffset = bHorz ? m_sizeHorzDocked.cy : m_sizeVertDocked.cx;
    if (!IsLiveResizeModeRowExtent())
    {
        CPoint pt;
        ::GetCursorPos(&pt);
        m_nTrackStart = bHorz ? pt.y : pt.x;
        RowExtentTrackerUpdate(false);
    }
    RunSplitterLoop(this, kTrackRowExtent, WM_NCLBUTTONUP, &CExtControlBar::RowExtentTrackEnd);
}

void CExtControlBar::RowExtentTrackStep()
{
    if ((m_bfTracking & kTrackRowExtent) == 0 || m_pDockSite == nullptr)
        return;
    CRect rcSite;
    m_pDockSite->GetWindowRect(&rcSite);
    const bool bHorz = IsDockedHorizontally(this);
    const int nMin = bHorz ? CalcMinHeight() : CalcMinWidth();
    if (rcSite.Height() - CalcMinHeight() <= 0 || rcSite.Width() - CalcMinWidth() <= 0)
        return;
    const int nRoom = bHorz ? rcSite.Height() - CalcMinHeight() : rcSite.Width() - CalcMinWidth();
    CPoint pt;
    ::GetCursorPos(&pt);
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    const int d = bHorz ? pt.y - rcWnd.top : pt.x - rcWnd.left;
    const int nHalf = (bHorz ? m_nSplitterY : m_nSplitterX) / 2;
    const bool bNear = IsDockedAtTop(this) || IsDockedAtLeft(this);
    // From the row's extent on the screen: the stored one may not have been laid out yet.
    const int nShown = bHorz ? rcWnd.Height() : rcWnd.Width();
    int nNew = bNear ? d + nHalf : nShown + nHalf - d;
    nNew = std::min(std::max(nNew, 2 * nMin), nRoom);
    if (nNew == m_nTrackOffset)
        return;
    m_nTrackOffset = nNew;
    if (!IsLiveResizeModeRowExtent())
    {
        RowExtentTrackerUpdate(true);
        m_nTrackStart = bHorz ? pt.y : pt.x;
        RowExtentTrackerUpdate(false);
        return;
    }
    CArray<CExtControlBar*, CExtControlBar*> arrRow;
    GetRowResizableBars(arrRow);
    for (INT_PTR i = 0; i < arrRow.GetSize(); ++i)
        Thickness(arrRow[i], bHorz) = nNew;
    m_pDockSite->RecalcLayout();
    if (CExtDockBar* pDockBar = DYNAMIC_DOWNCAST(CExtDockBar, GetDockBarSafe()))
        pDockBar->RecalcRows();
}

void CExtControlBar::RowExtentTrackEnd(bool bCancel)
{
    if ((m_bfTracking & kTrackRowExtent) == 0)
        return;
    m_bfTracking &= ~kTrackRowExtent;
    ReleaseOwnCapture(this);
    if (IsLiveResizeModeRowExtent())
        return;
    RowExtentTrackerUpdate(true);
    CDockBar* pDockBar = GetDockBarSafe();
    if (bCancel || m_pDockSite == nullptr)
    {
        RedrawDockBar(pDockBar);
        return;
    }
    const bool bHorz = IsDockedHorizontally(this);
    CArray<CExtControlBar*, CExtControlBar*> arrRow;
    GetRowResizableBars(arrRow);
    if (arrRow.GetSize() == 0 || Thickness(arrRow[0], bHorz) == m_nTrackOffset)
    {
        m_pDockSite->RecalcLayout();
        RedrawDockBar(pDockBar);
        return;
    }
    const int nDelta = Thickness(arrRow[0], bHorz) - m_nTrackOffset;
    for (INT_PTR i = 0; i < arrRow.GetSize(); ++i)
        Thickness(arrRow[i], bHorz) = m_nTrackOffset;
    if (nDelta != 0)
    {
        // The row on the view side gives or takes what this row took or gave.
        CArray<CExtControlBar*, CExtControlBar*> arrNext;
        NeighbourRowBars(this, IsDockedAtTop(this) || IsDockedAtLeft(this) ? 1 : -1, arrNext);
        for (INT_PTR i = 0; i < arrNext.GetSize(); ++i)
            Thickness(arrNext[i], bHorz) += nDelta;
    }
    m_pDockSite->RecalcLayout();
    RedrawDockBar(GetDockBarSafe());
}

void CExtControlBar::RowExtentTrackerUpdate(bool bErase)
{
    CDockBar* pDockBar = GetDockBarSafe();
    if (pDockBar == nullptr)
        return;
    CRect rc;
    pDockBar->GetWindowRect(&rc);
    if (IsDockedHorizontally(this))
    {
        rc.top = m_nTrackStart - m_nSplitterY / 2;
        rc.bottom = rc.top + m_nSplitterY;
    }
    else
    {
        rc.left = m_nTrackStart - m_nSplitterX / 2;
        rc.right = rc.left + m_nSplitterX;
    }
    DrawBand(this, m_pDockSite, rc, bErase);
}

// ---- in-row splitter -------------------------------------------------------------------------------------------

void CExtControlBar::InRowSplitterTrackBegin()
{
    if (GetSafeHwnd() == nullptr || m_pDockSite == nullptr)
        return;
    CWnd::CancelToolTips();
    m_bfTracking |= kTrackInRow;
    CExtMouseCaptureSink::SetCapture(GetSafeHwnd());
    m_nTrackOffset = 0;
    if (!IsLiveResizeModeInRow())
    {
        CPoint pt;
        ::GetCursorPos(&pt);
        m_nTrackStart = IsDockedHorizontally(this) ? pt.x : pt.y;
        InRowSplitterTrackerUpdate(false);
    }
    RunSplitterLoop(this, kTrackInRow, WM_NCLBUTTONDOWN, &CExtControlBar::InRowSplitterTrackEnd);
}

// Gives nOffset pixels (negative: takes them) from pBar to pNeighbour; a neighbour that would
// fall below its minimum stops there and the bar keeps the shortfall.
static void ShareInRow(CExtControlBar* pBar, CExtControlBar* pNeighbour, int nOffset)
{
    int nBar = pBar->GetRowExtent() - nOffset;
    if (pNeighbour != nullptr)
    {
        int nNext = pNeighbour->GetRowExtent() + nOffset;
        const int nNextMin = pNeighbour->GetRowMinExtent();
        if (nNext < nNextMin)
        {
            nBar -= nNextMin - nNext;
            nNext = nNextMin;
        }
        pNeighbour->SetRowExtent(nNext);
    }
    pBar->SetRowExtent(std::max(nBar, pBar->GetRowMinExtent()));
}

void CExtControlBar::InRowSplitterTrackStep()
{
    if ((m_bfTracking & kTrackInRow) == 0 || m_pDockSite == nullptr)
        return;
    const bool bHorz = IsDockedHorizontally(this);
    const bool bAtStart = (m_bfRuntimeState & kStateNearSplitter) != 0;
    CPoint pt;
    ::GetCursorPos(&pt);
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    const int d = bHorz ? pt.x - rcWnd.left : pt.y - rcWnd.top;
    const int nHalf = (bHorz ? m_nSplitterX : m_nSplitterY) / 2;
    const int nCur = GetRowExtent();
    int nNew = bAtStart ? nCur + nHalf - d : d + nHalf;
    nNew = std::max(nNew, GetRowMinExtent());
    m_nTrackOffset = nCur - nNew;
    if (m_nTrackOffset == 0)
        return;
    if (IsLiveResizeModeInRow())
    {
        ShareInRow(this, FindNeighbourResizableBar(!bAtStart), m_nTrackOffset);
        m_nTrackOffset = 0;
        m_pDockSite->RecalcLayout();
        if (CExtDockBar* pDockBar = DYNAMIC_DOWNCAST(CExtDockBar, GetDockBarSafe()))
            pDockBar->RecalcRows();
        return;
    }
    // The tracker stays where every bar of the row keeps its minimum.
    CDockBar* pDockBar = GetDockBarSafe();
    if (pDockBar == nullptr)
        return;
    CRect rcRow;
    pDockBar->GetWindowRect(&rcRow);
    CArray<CControlBar*, CControlBar*> arrRow;
    GetRowBars(arrRow);
    INT_PTR nSelf = -1;
    for (INT_PTR i = 0; i < arrRow.GetSize(); ++i)
    {
        if (arrRow[i] == this)
            nSelf = i;
    }
    // The moving edge lies after bar nEdge; bars up to it keep their lengths, the one before the
    // edge its minimum, the ones after it their minimum.
    const INT_PTR nEdge = bAtStart ? nSelf - 1 : nSelf;
    auto minLength = [bHorz](CControlBar* p) {
        CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, p);
        if (pExt != nullptr && !pExt->IsFixedSize())
            return pExt->GetRowMinExtent();
        CRect rc;
        p->GetWindowRect(&rc);
        return bHorz ? rc.Width() : rc.Height();
    };
    int nLo = bHorz ? rcRow.left : rcRow.top;
    int nHi = bHorz ? rcRow.right : rcRow.bottom;
    for (INT_PTR i = 0; i < arrRow.GetSize(); ++i)
    {
        CControlBar* p = arrRow[i];
        if (p->GetSafeHwnd() == nullptr || !p->IsVisible())
            continue;
        CRect rc;
        p->GetWindowRect(&rc);
        if (i < nEdge)
            nLo += bHorz ? rc.Width() : rc.Height();
        else if (i == nEdge)
            nLo += minLength(p);
        else
            nHi -= minLength(p);
    }
    const int nPos = std::max(nLo, std::min(nHi, (int)(bHorz ? pt.x : pt.y)));
    if (nPos == m_nTrackStart)
        return;
    InRowSplitterTrackerUpdate(true);
    m_nTrackStart = nPos;
    InRowSplitterTrackerUpdate(false);
}

void CExtControlBar::InRowSplitterTrackEnd(bool bCancel)
{
    if ((m_bfTracking & kTrackInRow) == 0)
        return;
    m_bfTracking &= ~kTrackInRow;
    ReleaseOwnCapture(this);
    if (IsLiveResizeModeInRow())
        return;
    InRowSplitterTrackerUpdate(true);
    if (bCancel || m_nTrackOffset == 0)
        return;
    ShareInRow(this, FindNeighbourResizableBar((m_bfRuntimeState & kStateNearSplitter) == 0), m_nTrackOffset);
    m_nTrackOffset = 0;
    if (m_pDockSite != nullptr)
        m_pDockSite->RecalcLayout();
}

void CExtControlBar::InRowSplitterTrackerUpdate(bool bErase)
{
    CRect rc;
    GetWindowRect(&rc);
    if (IsDockedHorizontally(this))
    {
        rc.left = m_nTrackStart - m_nSplitterX / 2;
        rc.right = rc.left + m_nSplitterX;
    }
    else
    {
        rc.top = m_nTrackStart - m_nSplitterY / 2;
        rc.bottom = rc.top + m_nSplitterY;
    }
    DrawBand(this, m_pDockSite, rc, bErase);
}

// ---- tracker painting -------------------------------------------------------------------------------------------

void CExtControlBar::PaintTracker(TRACKER_PAINT_DATA& data)
{
    if (data.m_pDC == nullptr || data.m_pDC->GetSafeHdc() == nullptr)
        return;
    // The frame may draw the tracker itself; a floating bar asks its owner frame.
    CWnd* pFrame =
        data.m_pBar != nullptr && data.m_pBar->GetSafeHwnd() != nullptr ? data.m_pBar->GetParentFrame() : nullptr;
    if (pFrame != nullptr && pFrame->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)))
    {
        CWnd* pOwner = pFrame->GetOwner();
        pFrame = pOwner != nullptr ? pOwner : pFrame->GetParentFrame();
    }
    if (pFrame != nullptr && pFrame->GetSafeHwnd() != nullptr)
    {
        pFrame->SendMessage(g_nMsgDrawTackedArea, (WPARAM)&data, 0);
        if ((data.m_dwFlags & TRACKER_PAINT_DATA::kDrawnByFrame) != 0)
            return;
    }
    const HDC hDC = data.m_pDC->GetSafeHdc();
    static const WORD kHalftone[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
    HBITMAP hPattern = ::CreateBitmap(8, 8, 1, 1, kHalftone);
    HBRUSH hBrush = ::CreatePatternBrush(hPattern);
    const int nSaved = ::SaveDC(hDC);
    ::SetTextColor(hDC, RGB(0, 0, 0));
    ::SetBkColor(hDC, RGB(255, 255, 255));
    ::SelectObject(hDC, hBrush);
    const CRect& rc = data.m_rc;
    if (data.m_nMode == TRACKER_PAINT_DATA::kModeFrame || data.m_nMode == TRACKER_PAINT_DATA::kModeTabbedFrame)
    {
        HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
        if (data.m_nMode == TRACKER_PAINT_DATA::kModeFrame)
            AddOutline(hRgn, rc);
        else
        {
            const int nTabHeight = rc.Height() < 36 ? rc.Height() / 2 : 18;
            const CRect rcBody(rc.left, rc.top, rc.right, rc.bottom - nTabHeight);
            const int nTabLeft = rc.left + 8 + ::GetSystemMetrics(SM_CXFRAME);
            int nTabWidth = 36;
            if (nTabLeft + nTabWidth > rc.right)
                nTabWidth = (rc.right - nTabLeft) / 2;
            AddOutline(hRgn, rcBody);
            if (nTabWidth > 0)
                AddOutline(hRgn, CRect(nTabLeft, rcBody.bottom, nTabLeft + nTabWidth, rc.bottom));
        }
        HRGN hOld = ::CreateRectRgn(0, 0, 0, 0);
        if (::GetClipRgn(hDC, hOld) == 1)
            ::ExtSelectClipRgn(hDC, hRgn, RGN_AND);
        else
            ::SelectClipRgn(hDC, hRgn);
        ::DeleteObject(hOld);
        ::PatBlt(hDC, rc.left, rc.top, rc.Width(), rc.Height(), PATINVERT);
        ::DeleteObject(hRgn);
    }
    else
        ::PatBlt(hDC, rc.left, rc.top, rc.Width(), rc.Height(), PATINVERT);
    ::RestoreDC(hDC, nSaved);
    ::DeleteObject(hBrush);
    ::DeleteObject(hPattern);
}
