// CExtToolControlBar: painting, row rectangles, the tracked button under its menu and group backgrounds.
#include "platform/Dc.h"
#include "platform/FrameWnd.h"
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/bars_tabs/ExtBarContentExpandButton.h"
#include "toolkit/bars_tabs/ExtMenuControlBar.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "toolkit/foundation/ExtMemoryDC.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

bool CExtToolControlBar::IsHorizontalPaint() const
{
    return (m_dwStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0 || (m_nBarFlags & kBarFlagPanelMode) != 0;
}

void CExtToolControlBar::DoPaint(CDC* pDC) { PaintBar(pDC, TRANSPARENT); }

void CExtToolControlBar::PaintBar(CDC* pDC, int nTextBkMode)
{
    if (pDC == nullptr || GetSafeHwnd() == nullptr)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.IsRectEmpty())
        return;
    CExtPaintManager::ExcludeChildAreas(pDC->GetSafeHdc(), GetSafeHwnd());
    // Only the area to repaint is buffered: a hover change redraws its two buttons, not the bar.
    CRect rcPaint;
    if (pDC->GetClipBox(&rcPaint) == NULLREGION || !rcPaint.IntersectRect(&rcPaint, &rcClient))
        return;
    CExtMemoryDC dc(pDC, &rcPaint);
    PaintBackground(dc, rcClient);
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    if (pPM->IsToolBarGradientArea(this))
        PaintButtonGroups(nullptr, &dc);
    const bool bPanel = (m_nBarFlags & kBarFlagPanelMode) != 0;
    CFont* pFont = GetToolBarFont(IsDockedVertically(this) && !bPanel);
    HGDIOBJ hOldFont = pFont != nullptr ? dc.SelectObject((HGDIOBJ)pFont->GetSafeHandle()) : nullptr;
    dc.SetTextColor(pPM->GetTranslatedColor(XCLR_TEXT_NORMAL, this));
    dc.SetBkMode(nTextBkMode);
    const bool bHorz = IsHorizontalPaint();
    const int nChevronEdge =
        (m_pRightBtn != nullptr && m_pRightBtn->IsVisible() && !m_pRightBtn->GetRect().IsRectEmpty())
            ? (bHorz ? m_pRightBtn->GetRect().left : m_pRightBtn->GetRect().top)
            : INT_MAX;
    for (int i = 0; i < GetButtonsCount(); i++)
    {
        if (IsButtonHiddenByStyle(i))
            continue;
        CExtBarButton* pButton = m_buttons[i];
        if (!pButton->IsVisible())
            continue;
        const CRect rc = pButton->GetRect();
        if (rc.IsRectEmpty())
            continue;
        if (!pButton->IsSeparator())
        {
            if (dc.RectVisible(&rc))
                pButton->PaintButton(dc, bHorz);
            continue;
        }
        PaintSeparatorAt(dc, i, rcClient, nChevronEdge);
    }
    if (hOldFont != nullptr)
        dc.SelectObject(hOldFont);
    pPM->EndPaintSession(this);
}

void CExtToolControlBar::PaintSeparatorAt(CDC& dc, int nIndex, const CRect& rcClient, int nChevronEdge)
{
    CExtBarButton* pButton = m_buttons[nIndex];
    const bool bHorz = IsHorizontalPaint();
    CRect rc = pButton->GetRect();
    if (pButton->IsWrap(GetLayoutOrientation()))
    {
        // A line across the whole row, in the gap after it.
        const int nGap = g_PaintManagerHolder->GetBarItemSpacing(this);
        if (bHorz)
            rc = CRect(rcClient.left, rc.bottom, rcClient.right, rc.bottom + nGap);
        else
            rc = CRect(rc.right, rcClient.top, rc.right + nGap, rcClient.bottom);
        if (bHorz)
            rc.DeflateRect(2, 0);
        else
            rc.DeflateRect(0, 2);
        if (!rc.IsRectEmpty() && dc.RectVisible(&rc))
            g_PaintManagerHolder->PaintSeparator(dc, rc, !bHorz, true, this, 0);
        return;
    }
    if (bHorz)
    {
        rc.DeflateRect(0, 2);
        if (rc.right > nChevronEdge - 3)
            rc.right = nChevronEdge - 3;
    }
    else
    {
        rc.DeflateRect(2, 0);
        if (rc.bottom > nChevronEdge - 3)
            rc.bottom = nChevronEdge - 3;
    }
    if (!rc.IsRectEmpty() && dc.RectVisible(&rc))
        g_PaintManagerHolder->PaintSeparator(dc, rc, bHorz, true, this, 0);
}

void CExtToolControlBar::PaintButtonGroups(GroupBkgndRects* pCollector, CDC* pDC)
{
    if (GetSafeHwnd() == nullptr || !g_PaintManagerHolder->IsToolBarGradientArea(this))
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    const bool bHorzDocked = (m_dwStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0;
    const bool bRowsAcrossY = bHorzDocked || GetLayoutOrientation() == kOrientFloating;
    const int nOrient = GetLayoutOrientation();
    auto Emit = [&](const CRect& rc, int nLast) {
        if (pCollector != nullptr)
        {
            pCollector->m_arrRects.Add(rc);
            pCollector->m_arrButtonIndices.Add(nLast);
        }
        if (pDC != nullptr && pDC->RectVisible(&rc))
            g_PaintManagerHolder->PaintBarBackgroundPart(*pDC, this, (LPARAM)nLast, rc);
    };
    int nFrom = INT_MAX, nTo = INT_MIN, nLast = -1, nRows = 0, nNextStart = bRowsAcrossY ? rcClient.top : rcClient.left;
    for (int i = 0; i < GetButtonsCount(); i++)
    {
        CExtBarButton* pButton = m_buttons[i];
        if (IsButtonHiddenByStyle(i) || !pButton->IsVisible() || pButton->GetRect().IsRectEmpty())
            continue;
        const CRect rcButton = pButton->GetRect();
        nFrom = std::min<int>(nFrom, bRowsAcrossY ? rcButton.top : rcButton.left);
        nTo = std::max<int>(nTo, bRowsAcrossY ? rcButton.bottom : rcButton.right);
        nLast = i;
        if (bHorzDocked && pButton->IsWrap(nOrient))
        {
            // A row after the first starts one pixel below the previous one, covering the gap.
            if (nRows > 0)
                nFrom = nNextStart;
            Emit(bRowsAcrossY ? CRect(rcClient.left, nFrom, rcClient.right, nTo)
                              : CRect(nFrom, rcClient.top, nTo, rcClient.bottom),
                 nLast);
            nRows++;
            nNextStart = nTo + 1;
            nFrom = INT_MAX;
            nTo = INT_MIN;
            nLast = -1;
        }
    }
    if (nLast >= 0)
    {
        if (nRows > 0)
            nFrom = nNextStart;
        Emit(bRowsAcrossY ? CRect(rcClient.left, nFrom, rcClient.right, nTo)
                          : CRect(nFrom, rcClient.top, nTo, rcClient.bottom),
             nLast);
        nRows++;
    }
    if (nRows == 0)
        Emit(rcClient, -1);
}

void CExtToolControlBar::PaintTrackedButtonCallback(LPVOID pCookie, CDC& dc, const CWnd& wndPopup, const CRect& rcArea)
{
    CExtToolControlBar* pBar = static_cast<CExtToolControlBar*>(pCookie);
    if (pBar == nullptr || rcArea.IsRectEmpty() || pBar->GetSafeHwnd() == nullptr)
        return;
    // An index that names no button paints nothing.
    CExtBarButton* pButton = pBar->GetButton(pBar->m_nBtnIdxMenuTracking);
    if (pButton == nullptr)
        return;
    if (g_PaintManagerHolder->IsDockerGradientAvailable(pBar) && pButton == pBar->m_pRightBtn &&
        !pBar->IsKindOf(RUNTIME_CLASS(CExtMenuControlBar)) &&
        (!pBar->IsDialogMode() || (pBar->m_nBarFlags & kBarFlagBit2) != 0) &&
        CExtPaintManager::GetDisplayBitsPerPixel() > 8)
        return;
    const UINT nStyleSaved = pButton->GetStyle();
    pButton->SetStyle(nStyleSaved | TBBS_PRESSED | TBBS_CHECKED | TBBS_CHECKBOX);
    CRect rcBar, rcPopup;
    pBar->GetWindowRect(&rcBar);
    wndPopup.GetWindowRect(&rcPopup);
    CRect rcClientBar;
    pBar->GetClientRect(&rcClientBar);
    pBar->ClientToScreen(&rcClientBar);
    const CPoint ptOffset(rcClientBar.left - rcPopup.left, rcClientBar.top - rcPopup.top);
    const CPoint ptOldOrg = dc.OffsetViewportOrg(ptOffset.x, ptOffset.y);
    g_PaintManagerHolder->PaintBarGradientBackground(dc, pButton, 0);
    pButton->PaintButton(dc, !IsDockedVertically(pBar));
    dc.SetViewportOrg(ptOldOrg);
    pButton->SetStyle(nStyleSaved);
}

// ---- backgrounds behind child windows ----------------------------------------------------------------

CExtToolControlBar::GroupBkgndRects::GroupBkgndRects() {}

CExtToolControlBar::GroupBkgndRects::~GroupBkgndRects() {}

bool CExtToolControlBar::GroupBkgndRects::Collect(CWnd* pChild)
{
    m_arrRects.RemoveAll();
    m_arrButtonIndices.RemoveAll();
    m_pToolBar = nullptr;
    m_pFloatingFrame = nullptr;
    m_pChild = pChild;
    if (pChild == nullptr || pChild->GetSafeHwnd() == nullptr)
        return false;
    HWND hWnd = pChild->GetSafeHwnd();
    while (hWnd != nullptr)
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != nullptr)
        {
            if (pWnd->IsKindOf(RUNTIME_CLASS(CExtToolControlBar)))
            {
                m_pToolBar = static_cast<CExtToolControlBar*>(pWnd);
                break;
            }
            if (m_pFloatingFrame == nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CExtControlBar)))
            {
                CFrameWnd* pFrame = pWnd->GetParentFrame();
                if (pFrame != nullptr && pFrame->IsKindOf(RUNTIME_CLASS(CExtMiniDockFrameWnd)))
                    m_pFloatingFrame = pFrame;
            }
        }
        // The walk climbs through child windows, and on once the floating frame is known.
        if ((::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_CHILD) == 0 && m_pFloatingFrame == nullptr)
            return false;
        hWnd = ::GetParent(hWnd);
    }
    if (m_pToolBar == nullptr || m_pToolBar == pChild)
        return false;
    m_pToolBar->PaintButtonGroups(this, nullptr);
    return m_arrRects.GetSize() > 0;
}

void CExtToolControlBar::GroupBkgndRects::ToClient()
{
    if (m_pToolBar == nullptr || m_pChild == nullptr)
        return;
    for (INT_PTR i = 0; i < m_arrRects.GetSize(); i++)
    {
        CRect rc = m_arrRects[i];
        m_pToolBar->ClientToScreen(&rc);
        m_pChild->ScreenToClient(&rc);
        m_arrRects[i] = rc;
    }
}

void CExtToolControlBar::GroupBkgndRects::ToWindow()
{
    if (m_pToolBar == nullptr || m_pChild == nullptr)
        return;
    CRect rcWnd;
    m_pChild->GetWindowRect(&rcWnd);
    for (INT_PTR i = 0; i < m_arrRects.GetSize(); i++)
    {
        CRect rc = m_arrRects[i];
        m_pToolBar->ClientToScreen(&rc);
        rc.OffsetRect(-rcWnd.left, -rcWnd.top);
        m_arrRects[i] = rc;
    }
}

void CExtToolControlBar::GroupBkgndRects::Paint(CDC& dc)
{
    if (m_pToolBar == nullptr)
        return;
    for (INT_PTR i = 0; i < m_arrRects.GetSize(); i++)
    {
        const CRect rc = m_arrRects[i];
        if (dc.RectVisible(&rc))
            g_PaintManagerHolder->PaintBarBackgroundPart(dc, m_pToolBar, (LPARAM)m_arrButtonIndices[i], rc);
    }
}
