// CExtControlBar: the non-client area: caption presence, size calculation (splitters, caption,
// buttons), hit testing and painting.
#include "platform/Dc.h"
#include "platform/DockBar.h"
#include "platform/FrameWnd.h"
#include "toolkit/docking/ExtDockingKindOf.h"
#include "toolkit/docking/ExtBarNcAreaButton.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/docking/ExtDockDynBar.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtMemoryDC.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <algorithm>

bool CExtControlBar::IsDockedOrDialog() const
{
    return IsDialogMode() || (GetSafeHwnd() != nullptr && GetDockBarSafe() != nullptr && !IsFloating(this));
}

bool CExtControlBar::IsAnyBarDragged() const { return GetDraggedBar() != nullptr; }

bool CExtControlBar::QueryGripperPresence(bool* pbCaptionHorz, bool* pbCaptionVert) const
{
    if (pbCaptionHorz != nullptr)
        *pbCaptionHorz = false;
    if (pbCaptionVert != nullptr)
        *pbCaptionVert = false;
    if (GetSafeHwnd() == nullptr || (m_dwStyle & CBRS_GRIPPER) == 0 || IsFloating(this))
        return false;
    CWnd* pParent = GetParent();
    if (CExtDockingKindOf::IsDockDynTabBar(pParent) && !IsAutoHideMode())
        return false;
    if (pbCaptionHorz != nullptr)
        *pbCaptionHorz = !((m_bfBarFlags & kBarResizableCaption) == 0 && !IsDockedVertically(this));
    if (pbCaptionVert != nullptr)
        *pbCaptionVert = true;
    return true;
}

// ---- size calculation ------------------------------------------------------------------------------------------

void CExtControlBar::CalcSplitterEdges(bool& bLeft, bool& bTop, bool& bRight, bool& bBottom) const
{
    bLeft = bTop = bRight = bBottom = true;
    CDockBar* pDockBar = GetDockBarSafe();
    CExtDockBar* pExtDock = DYNAMIC_DOWNCAST(CExtDockBar, pDockBar);
    if (!IsFixedSize() && m_pDockSite != nullptr && pExtDock != nullptr)
    {
        if (CExtDockingKindOf::IsDockDynTabBar(pExtDock))
            bLeft = bTop = bRight = bBottom = false;
        else if (pExtDock->m_arrBars.GetSize() > 1)
        {
            const int nPos = pExtDock->FindBar(const_cast<CExtControlBar*>(this));
            bool bFirst = true, bLast = true, bEarlier = false, bLater = false;
            // Walks away from the bar: a visible bar in its row clears bAlone, one in another row sets
            // bOtherRow. Entry 0 is the leading row break, not a row change.
            auto scan = [&](int nStep, bool& bAlone, bool& bOtherRow) {
                bool bSameRow = true;
                for (int i = nPos + nStep; i >= 0 && i < pExtDock->m_arrBars.GetSize(); i += nStep)
                {
                    if (pExtDock->m_arrBars[i] == nullptr)
                    {
                        if (i > 0)
                            bSameRow = false;
                        continue;
                    }
                    CControlBar* pBar = pExtDock->GetDockedControlBar(i);
                    if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr || !pBar->IsVisible())
                        continue;
                    if (bSameRow)
                        bAlone = false;
                    else
                        bOtherRow = true;
                }
            };
            scan(-1, bFirst, bEarlier);
            scan(+1, bLast, bLater);
            const UINT nId = (UINT)pExtDock->GetDlgCtrlID();
            if (pExtDock->IsKindOf(RUNTIME_CLASS(CExtDockDynBar)))
            {
                const bool bHorzRows = (pExtDock->m_dwStyle & CBRS_ORIENT_HORZ) != 0;
                if (bHorzRows)
                {
                    bTop = bTop && bEarlier;
                    bBottom = bBottom && bLater;
                    bLeft = bLeft && !bFirst;
                    bRight = bRight && !bLast;
                }
                else
                {
                    bLeft = bLeft && bEarlier;
                    bRight = bRight && bLater;
                    bTop = bTop && !bFirst;
                    bBottom = bBottom && !bLast;
                }
            }
            else
            {
                // In a frame-side dock bar: the edge facing the frame border carries no splitter
                // when nothing lies beyond it.
                switch (nId)
                {
                case kDockBarTop:
                    bTop = bEarlier;
                    bLeft = !bFirst;
                    bRight = !bLast;
                    break;
                case kDockBarBottom:
                    bBottom = bLater;
                    bLeft = !bFirst;
                    bRight = !bLast;
                    break;
                case kDockBarLeft:
                    bLeft = bEarlier;
                    bTop = !bFirst;
                    bBottom = !bLast;
                    break;
                case kDockBarRight:
                    bRight = bLater;
                    bTop = !bFirst;
                    bBottom = !bLast;
                    break;
                default: break;
                }
            }
        }
    }
}

bool CExtControlBar::HasSplitterAfter() const
{
    if (IsFixedSize())
        return false;
    bool bLeft = true, bTop = true, bRight = true, bBottom = true;
    CalcSplitterEdges(bLeft, bTop, bRight, bBottom);
    switch (GetDockBarId(this))
    {
    case kDockBarTop:
    case kDockBarBottom: return bRight;
    case kDockBarLeft:
    case kDockBarRight: return bBottom;
    default: return false;
    }
}

void CExtControlBar::NcCalcLayout(CRect& rc)
{
    bool bLeft = true, bTop = true, bRight = true, bBottom = true;
    CalcSplitterEdges(bLeft, bTop, bRight, bBottom);
    m_rcCaption.SetRectEmpty();
    m_rcRowSplitter.SetRectEmpty();
    m_rcSplitterAfter.SetRectEmpty();
    m_rcSplitterBefore.SetRectEmpty();
    m_nMinWidthBase = m_nSplitterX;
    m_nMinHeightBase = m_nSplitterY;
    bool bCaptionHorz = false, bCaptionVert = false;
    const bool bCaption = QueryGripperPresence(&bCaptionHorz, &bCaptionVert);
    const bool bHorzCaption = bCaption && bCaptionHorz;
    if (IsFixedSize())
        g_PaintManagerHolder->DeflateControlBarRect(this, rc);
    else
    {
        const UINT nId = GetDockBarId(this);
        switch (nId)
        {
        case kDockBarTop:
            if (bRight)
            {
                m_rcSplitterAfter.SetRect(rc.right - m_nSplitterX, rc.top, rc.right, rc.bottom);
                rc.right -= m_nSplitterX;
            }
            if (bBottom)
            {
                m_rcRowSplitter.SetRect(rc.left, rc.bottom - m_nSplitterY, rc.right + m_rcSplitterAfter.Width(),
                                        rc.bottom);
                rc.bottom -= m_nSplitterY;
            }
            break;
        case kDockBarBottom:
            if (bRight)
            {
                m_rcSplitterAfter.SetRect(rc.right - m_nSplitterX, rc.top, rc.right, rc.bottom);
                rc.right -= m_nSplitterX;
            }
            if (bTop)
            {
                m_rcRowSplitter.SetRect(rc.left, rc.top, rc.right + m_rcSplitterAfter.Width(), rc.top + m_nSplitterY);
                rc.top += m_nSplitterY;
            }
            break;
        case kDockBarLeft:
            if (bBottom)
            {
                m_rcSplitterAfter.SetRect(rc.left, rc.bottom - m_nSplitterY, rc.right, rc.bottom);
                rc.bottom -= m_nSplitterY;
            }
            if (bRight)
            {
                m_rcRowSplitter.SetRect(rc.right - m_nSplitterX, rc.top, rc.right,
                                        rc.bottom + m_rcSplitterAfter.Height());
                rc.right -= m_nSplitterX;
            }
            break;
        case kDockBarRight:
            if (bBottom)
            {
                m_rcSplitterAfter.SetRect(rc.left, rc.bottom - m_nSplitterY, rc.right, rc.bottom);
                rc.bottom -= m_nSplitterY;
            }
            if (bLeft)
            {
                m_rcRowSplitter.SetRect(rc.left, rc.top, rc.left + m_nSplitterX,
                                        rc.bottom + m_rcSplitterAfter.Height());
                rc.left += m_nSplitterX;
            }
            break;
        default: break;
        }
        if (HasSplitterBefore())
        {
            if (IsDockedHorizontally(this))
            {
                m_rcSplitterBefore.SetRect(rc.left, rc.top, rc.left + m_nSplitterX, rc.bottom);
                rc.left += m_nSplitterX;
            }
            else
            {
                m_rcSplitterBefore.SetRect(rc.left, rc.top, rc.right, rc.top + m_nSplitterY);
                rc.top += m_nSplitterY;
            }
        }
    }
    if (bCaption)
    {
        m_rcCaption = rc;
        if (bHorzCaption)
        {
            m_rcCaption.bottom = m_rcCaption.top + m_nCaptionHorz;
            m_nMinHeightBase += m_nCaptionHorz;
        }
        else
        {
            m_rcCaption.right = m_rcCaption.left + m_nCaptionVert;
            m_nMinWidthBase += m_nCaptionVert;
        }
        if (IsFixedSize())
        {
            if (bHorzCaption)
            {
                m_rcCaption.DeflateRect(1, 0);
                m_rcCaption.top += 1;
            }
            else
                m_rcCaption.DeflateRect(0, 1), m_rcCaption.left += 1;
        }
    }
    MakeNcButtons();
    if (bCaption)
    {
        if (bHorzCaption)
            rc.top += m_nCaptionHorz + 1;
        else
            rc.left += m_nCaptionVert + 1;
    }
    rc.right = std::max(rc.right, rc.left);
    rc.bottom = std::max(rc.bottom, rc.top);
}

void CExtControlBar::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    (void)bCalcValidRects;
    CRect rc(lpncsp->rgrc[0]);
    if (IsFloating(this))
    {
        // A floating bar's caption is its floating frame's: what its docked layout placed in its window
        // (caption, splitters) is gone, and nothing may find it there any longer.
        m_rcCaption.SetRectEmpty();
        m_rcRowSplitter.SetRectEmpty();
        m_rcSplitterAfter.SetRectEmpty();
        m_rcSplitterBefore.SetRectEmpty();
        if (!IsFixedSize())
            rc.DeflateRect(1, 1); // a fixed-size bar's client area is its whole window
        lpncsp->rgrc[0] = rc;
        return;
    }
    if (!IsDockedOrDialog())
        return;
    // The rectangles are kept in window coordinates.
    const CPoint ptOrg = rc.TopLeft();
    rc.OffsetRect(-ptOrg.x, -ptOrg.y);
    NcCalcLayout(rc);
    rc.OffsetRect(ptOrg);
    lpncsp->rgrc[0] = rc;
}

// ---- hit testing ---------------------------------------------------------------------------------------------------

UINT CExtControlBar::NcButtonsHitTest(CPoint ptScreen, CExtBarNcAreaButton** ppBtn)
{
    if (ppBtn != nullptr)
        *ppBtn = nullptr;
    if (IsAnyBarDragged() || CExtPopupMenuWnd::IsMenuTracking())
        return HTCLIENT;
    CWnd* pCarrier = this;
    if (IsFloating(this))
    {
        pCarrier = DYNAMIC_DOWNCAST(CExtMiniDockFrameWnd, GetParentFrame());
        if (pCarrier == nullptr)
            return HTCLIENT;
    }
    else if (IsAutoHideMode())
    {
        pCarrier = CExtDockingKindOf::AutoHideSliderShowing(this);
        if (pCarrier == nullptr)
            return HTCLIENT;
    }
    CRect rcWnd;
    pCarrier->GetWindowRect(&rcWnd);
    const CPoint pt(ptScreen.x - rcWnd.left, ptScreen.y - rcWnd.top);
    UINT nResult = HTCLIENT;
    bool bChanged = false;
    const bool bTracking = (m_bfTracking & (kTrackRowExtent | kTrackInRow | kTrackDragging)) != 0;
    for (INT_PTR i = 0; i < m_arrNcButtons.GetSize(); ++i)
    {
        CExtBarNcAreaButton* pBtn = m_arrNcButtons[i];
        if (!pBtn->IsVisible())
            continue;
        if (ppBtn != nullptr)
        {
            const UINT nHit = pBtn->HitTest(pt);
            if (nHit != HTCLIENT)
            {
                *ppBtn = pBtn;
                return nHit;
            }
            continue;
        }
        const BYTE bfOld = pBtn->m_bfState;
        if (bTracking)
            pBtn->m_bfState &= ~(CExtBarNcAreaButton::kHover | CExtBarNcAreaButton::kPressed);
        else
        {
            const UINT nHit = pBtn->HitTest(pt);
            if (nHit != HTCLIENT)
                nResult = nHit;
        }
        if (pBtn->m_bfState != bfOld)
            bChanged = true;
    }
    if (bChanged)
        pCarrier->SendMessage(WM_NCPAINT);
    return nResult;
}

LRESULT CExtControlBar::OnNcHitTest(CPoint point)
{
    if (IsAnyBarDragged())
        return HTNOWHERE;
    const UINT nBtnHit = NcButtonsHitTest(point);
    if (nBtnHit != HTCLIENT)
    {
        m_bfRuntimeState |= kStateNcButtonHover;
        return nBtnHit;
    }
    if ((m_bfRuntimeState & kStateNcButtonHover) != 0)
    {
        m_bfRuntimeState &= ~kStateNcButtonHover;
        PostMessage(WM_NCPAINT);
    }
    CRect rcWnd, rcClient;
    GetWindowRect(&rcWnd);
    GetClientRect(&rcClient);
    ClientToScreen(&rcClient);
    if (IsFixedSize() || IsFloating(this) || rcWnd == rcClient)
        return HTCLIENT;
    const CPoint pt(point.x - rcWnd.left, point.y - rcWnd.top);
    const bool bHorz = IsDockedHorizontally(this);
    if (m_rcRowSplitter.PtInRect(pt))
        return bHorz ? HTBOTTOM : HTRIGHT;
    if (m_rcSplitterAfter.PtInRect(pt))
    {
        if (IsLastInRow() || !IsSplitterAfterMovable())
            return HTCLIENT;
        return bHorz ? HTRIGHT : HTBOTTOM;
    }
    if (m_rcSplitterBefore.PtInRect(pt))
    {
        if (IsFirstInRow() || !IsSplitterBeforeMovable())
            return HTCLIENT;
        return bHorz ? HTLEFT : HTTOP;
    }
    return HTCLIENT;
}

// ---- painting ------------------------------------------------------------------------------------------------------

void CExtControlBar::NcButtonsPaint(CDC& dc)
{
    for (INT_PTR i = 0; i < m_arrNcButtons.GetSize(); ++i)
    {
        CExtBarNcAreaButton* pBtn = m_arrNcButtons[i];
        if (pBtn->IsVisible())
            pBtn->Draw(dc);
    }
}

namespace
{
// A floating resizable bar keeps a one-pixel ring inside its frame's client area: it is filled with the face
// colour, or the ring would show whatever the screen held there before the frame grew.
void PaintFloatingRing(CExtControlBar* pBar)
{
    CRect rcWnd, rcClient;
    pBar->GetWindowRect(&rcWnd);
    pBar->GetClientRect(&rcClient);
    pBar->ClientToScreen(&rcClient);
    if (rcClient == rcWnd)
        return;
    rcClient.OffsetRect(-rcWnd.left, -rcWnd.top);
    rcWnd.OffsetRect(-rcWnd.left, -rcWnd.top);
    CDC* pWndDC = pBar->GetWindowDC();
    if (pWndDC == nullptr)
        return;
    pWndDC->ExcludeClipRect(&rcClient);
    pWndDC->FillSolidRect(&rcWnd, g_PaintManagerHolder->GetTranslatedColor(XCLR_FACE_NORMAL, pBar));
    pBar->ReleaseDC(pWndDC);
}
} // namespace

void CExtControlBar::OnNcPaint()
{
    if (!IsDockedOrDialog())
    {
        if (IsFloating(this))
            PaintFloatingRing(this);
        else
            Default();
        return;
    }
    CRect rcWnd, rcClient;
    GetWindowRect(&rcWnd);
    GetClientRect(&rcClient);
    ClientToScreen(&rcClient);
    rcClient.OffsetRect(-rcWnd.left, -rcWnd.top);
    rcWnd.OffsetRect(-rcWnd.left, -rcWnd.top);
    CDC* pWndDC = GetWindowDC();
    if (pWndDC == nullptr)
        return;
    pWndDC->ExcludeClipRect(&rcClient);
    {
        CExtMemoryDC dc(pWndDC, &rcWnd);
        CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
        if (!(pPM->IsDockerGradientAvailable(this) && pPM->PaintDockerBackground(false, dc, this)))
            dc.FillSolidRect(&rcWnd, pPM->GetTranslatedColor(1000, this));
        CExtPaintManager::DockingFramePaintData frame(this, rcWnd, rcClient, IsFloating(this), !IsFixedSize(),
                                                      !IsFixedSize());
        pPM->PaintDockingFrame(dc, frame);
        bool bHorzCaption = false;
        if (QueryGripperPresence(&bHorzCaption) && !IsFloating(this))
        {
            CRect rcCaption(m_rcCaption);
            const bool bSideCaptionOfHorz = !bHorzCaption && IsDockedHorizontally(this);
            if (bSideCaptionOfHorz)
            {
                rcCaption.DeflateRect(0, 2);
                rcCaption.OffsetRect(-2, 0);
            }
            else
                rcCaption.DeflateRect(2, 0);
            CalcNcButtonsExtent(rcCaption);
            CString sText;
            GetCaptionText(sText);
            const int nSaved = dc.SaveDC();
            dc.IntersectClipRect(&rcCaption);
            // Horizontal text keeps off the caption's ends: the base form fills the caption one
            // pixel in from its edges, and a letter on that edge is lost against the frame.
            CRect rcText(rcCaption);
            if (!bSideCaptionOfHorz)
                rcText.DeflateRect(3, 0);
            CExtPaintManager::CaptionPaintData caption(this, rcCaption, rcText, (m_bfRuntimeState & kStateFocus) != 0,
                                                       false, bSideCaptionOfHorz, !IsFixedSize(),
                                                       sText.IsEmpty() ? nullptr : (LPCTSTR)sText);
            pPM->PaintControlBarFrame(dc, caption);
            dc.RestoreDC(nSaved);
            NcButtonsPaint(dc);
        }
    }
    g_PaintManagerHolder->EndPaintSession(this);
    ReleaseDC(pWndDC);
}
