// CExtControlBar: simple answers of the virtual slots, fixed and dynamic (row) layout, client
// painting, the child window fit, caption-button creation and layout, and the in-place checks.
#include "platform/Dc.h"
#include "platform/DockBar.h"
#include "platform/FrameWnd.h"
#include "platform/MdiFrameWnd.h"
#include "platform/MiniDockFrameWnd.h"
#include "platform/OleDocument.h"
#include "platform/PreviewView.h"
#include "platform/View.h"
#include "platform/WinThread.h"
#include "toolkit/docking/ExtDockingKindOf.h"
#include "toolkit/docking/ExtBarNcAreaButtonAutoHide.h"
#include "toolkit/docking/ExtBarNcAreaButtonClose.h"
#include "toolkit/docking/ExtBarNcAreaButtonMenu.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/docking/ExtDockOuterBar.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtMemoryDC.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"
#include <algorithm>

// ---- simple answers -----------------------------------------------------------------------------------------

bool CExtControlBar::InsertToBarsPopupMenu(CExtPopupMenuWnd* pPopup)
{
    if ((m_bfBarFlags & kBarInBarsMenu) == 0 || pPopup == nullptr)
        return false;
    return pPopup->InsertItem((int)GetDlgCtrlID());
}

bool CExtControlBar::IsFixedSize() const { return (m_bfBarFlags & kBarFixedSize) != 0; }

bool CExtControlBar::IsFixedDockStyle() const { return IsFixedSize(); }

bool CExtControlBar::IsFullRowBar() const { return false; }

// The near in-row splitter lies across its row: a vertical strip (a top or bottom row) adds its width to the
// bar's least width only, a horizontal one (a left or right column) its height to the least height only. Whether
// there is one follows the row as it is now, not the last non-client layout: a bar shown again before this one
// gives it a splitter that the layout about to run must already count.
int CExtControlBar::CalcMinWidth() const
{
    const bool bAcross = HasSplitterBefore() && IsDockedHorizontally(this);
    int n = m_nMinWidthBase + (bAcross ? m_nSplitterX : 0);
    if ((m_bfBarFlags & kBarResizableCaption) != 0)
        n = std::max(n, 10);
    return n;
}

int CExtControlBar::CalcMinHeight() const
{
    const bool bAcross = HasSplitterBefore() && !IsDockedHorizontally(this);
    return m_nMinHeightBase + (bAcross ? m_nSplitterY : 0);
}

CSize CExtControlBar::GetDefaultSize() const { return CSize(80, 60); }

CSize CExtControlBar::CalcMinSize() const { return CSize(CalcMinWidth(), CalcMinHeight()); }

CExtControlBar::OuterRowPlacement_t* CExtControlBar::GetOuterRowPlacement() { return nullptr; }

void CExtControlBar::SetOuterRowPlacement(const OuterRowPlacement_t& placement) { (void)placement; }

void CExtControlBar::OnOuterRowPlacementChanged()
{
    if (GetOuterRowPlacement() == nullptr)
        return;
    CExtDockOuterBar* pOuter = DYNAMIC_DOWNCAST(CExtDockOuterBar, GetParent());
    if (pOuter == nullptr)
        return;
    pOuter->BumpPlacementOrder(this);
    if (m_pDockSite != nullptr)
        m_pDockSite->DelayRecalcLayout(); // the outer dock bar lays the row out again
}

void CExtControlBar::ResetOuterRowPlacement()
{
    if (OuterRowPlacement_t* p = GetOuterRowPlacement())
        p->Empty();
}

bool CExtControlBar::IsRowThicknessShared() const { return false; }

bool CExtControlBar::IsLiveDragMode() const { return QueryDraggingStyle() == 1; }

bool CExtControlBar::IsLiveResizeModeRowExtent() const { return QueryDraggingStyle() == 1 ? false : IsLiveDragMode(); }

bool CExtControlBar::IsLiveResizeModeInRow() const { return IsLiveResizeModeRowExtent(); }

bool CExtControlBar::QueryExtraFeature() const { return false; }

bool CExtControlBar::IsDockTargetBar() const { return true; }

bool CExtControlBar::IsMarkerDockingAllowed() const { return !IsLiveDragMode() || QueryDraggingStyle() == 1; }

CExtDynTabControlBar* CExtControlBar::GetTabbedContainer() const
{
    CWnd* pParent = GetSafeHwnd() != nullptr ? GetParent() : nullptr;
    if (!CExtDockingKindOf::IsDockDynTabBar(pParent))
        return nullptr;
    return CExtDockingKindOf::AsDynTabControlBar(pParent->GetParent());
}

int CExtControlBar::HitTestItem(CPoint ptClient) const
{
    (void)ptClient;
    return -1;
}

void CExtControlBar::GetCaptionText(CString& sText) const { GetWindowText(sText); }

int CExtControlBar::QueryDraggingStyle()
{
    if (g_nDraggingStyleOverride != -1)
        return g_nDraggingStyleOverride;
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    return pPM != nullptr ? pPM->GetAutoHideMetric() : 0;
}

// ---- fixed and dynamic layout --------------------------------------------------------------------------------

CSize CExtControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (bStretch)
        return bHorz ? CSize(32767, m_sizeHorzDocked.cy) : CSize(m_sizeVertDocked.cx, 32767);
    if (IsFloating(this))
        return m_sizeFloating;
    if (bHorz)
    {
        m_sizeHorzDocked.cy = std::max((int)m_sizeHorzDocked.cy, CalcMinWidth());
        return m_sizeHorzDocked;
    }
    m_sizeVertDocked.cx = std::max((int)m_sizeVertDocked.cx, CalcMinHeight());
    return m_sizeVertDocked;
}

CSize CExtControlBar::CalcDynamicLayout(int nLength, DWORD nMode)
{
    if ((nMode & (LM_HORZDOCK | LM_VERTDOCK)) == 0 || IsFloating(this))
    {
        if (nLength > 0)
        {
            if ((nMode & LM_LENGTHY) != 0)
                m_sizeFloating.cy = nLength;
            else
                m_sizeFloating.cx = nLength;
        }
        if ((nMode & (LM_MRUWIDTH | LM_COMMIT)) != 0)
            return m_sizeFloating;
        return CalcFixedLayout(FALSE, (nMode & LM_HORZ) != 0);
    }
    CDockBar* pDockBar = GetDockBarSafe();
    CExtDockBar* pExtDock = DYNAMIC_DOWNCAST(CExtDockBar, pDockBar);
    if (nLength >= 0 || pDockBar == nullptr || (pExtDock != nullptr && pExtDock->IsLayoutLocked()))
        return CalcFixedLayout(FALSE, (nMode & LM_HORZ) != 0);

    const bool bHorz = (nMode & LM_HORZDOCK) != 0;
    const int nPos = pDockBar->FindBar(this);
    if (nPos < 0)
        return CalcFixedLayout(FALSE, bHorz);
    int nFirst = nPos;
    while (nFirst > 0 && pDockBar->m_arrBars[nFirst - 1] != nullptr)
        --nFirst;
    int nEnd = nPos;
    while (nEnd < pDockBar->m_arrBars.GetSize() && pDockBar->m_arrBars[nEnd] != nullptr)
        ++nEnd;

    // The first visible resizable bar of the row lays out the whole row.
    CArray<CControlBar*, CControlBar*> arrVisible;
    CArray<int, int> arrIndex; // each visible bar's entry in the dock bar's array
    for (int i = nFirst; i < nEnd; ++i)
    {
        void* p = pDockBar->m_arrBars[i];
        if (p == nullptr || CDockBar::IsPlaceHolder(p))
            continue;
        CControlBar* pBar = static_cast<CControlBar*>(p);
        if (pBar->GetSafeHwnd() != nullptr && pBar->IsVisible())
        {
            arrVisible.Add(pBar);
            arrIndex.Add(i);
        }
    }
    CExtControlBar* pLeader = nullptr;
    for (INT_PTR i = 0; i < arrVisible.GetSize() && pLeader == nullptr; ++i)
    {
        CExtControlBar* p = DYNAMIC_DOWNCAST(CExtControlBar, arrVisible[i]);
        if (p != nullptr && !p->IsFixedSize())
            pLeader = p;
    }
    if (pLeader != this)
        return CalcFixedLayout(FALSE, bHorz);

    CRect rcLayout = pDockBar->m_rectLayout;
    int nAvail = bHorz ? rcLayout.Width() : rcLayout.Height();
    if (rcLayout.IsRectEmpty() || nAvail <= 0)
    {
        CRect rcClient;
        pDockBar->GetClientRect(&rcClient);
        nAvail = bHorz ? rcClient.Width() : rcClient.Height();
    }
    if (nAvail <= 0)
        nAvail = 3;
    int nSum = 2 * ::GetSystemMetrics(bHorz ? SM_CXBORDER : SM_CYBORDER);

    auto extentOf = [bHorz](CExtControlBar* p) -> LONG& {
        return bHorz ? p->m_sizeHorzDocked.cx : p->m_sizeVertDocked.cy;
    };
    auto minOf = [bHorz](CExtControlBar* p) { return bHorz ? p->CalcMinWidth() : p->CalcMinHeight(); };
    CArray<CExtControlBar*, CExtControlBar*> arrResizable;
    int nThickness = 0;
    for (INT_PTR i = 0; i < arrVisible.GetSize(); ++i)
    {
        CExtControlBar* p = DYNAMIC_DOWNCAST(CExtControlBar, arrVisible[i]);
        if (p != nullptr && !p->IsFixedSize())
        {
            arrResizable.Add(p);
            nThickness = std::max(nThickness, (int)(bHorz ? p->m_sizeHorzDocked.cy : p->m_sizeVertDocked.cx));
        }
    }
    if (arrVisible.GetSize() == 1)
        extentOf(this) = std::max(nAvail, minOf(this));
    else
    {
        int nResizableSum = 0;
        bool bSelfReached = false;
        for (INT_PTR i = 0; i < arrVisible.GetSize(); ++i)
        {
            CControlBar* pBar = arrVisible[i];
            CExtControlBar* p = DYNAMIC_DOWNCAST(CExtControlBar, pBar);
            int nAdd;
            if (p != nullptr && !p->IsFixedSize())
            {
                extentOf(p) = std::max((int)extentOf(p), minOf(p));
                nAdd = minOf(p);
            }
            else
            {
                CRect rc;
                pBar->GetWindowRect(&rc);
                nAdd = bHorz ? rc.Width() : rc.Height();
            }
            nSum += nAdd;
            if (nSum > nAvail)
            {
                if (pBar == this)
                {
                    extentOf(this) = std::max(minOf(this), nAvail);
                    nResizableSum += extentOf(this);
                    bSelfReached = true;
                    continue;
                }
                if (!bSelfReached)
                {
                    // Full before this bar: the row breaks after the overflowing entry.
                    pDockBar->m_arrBars.InsertAt(arrIndex[i] + 1, (void*)nullptr);
                    return CalcFixedLayout(FALSE, bHorz);
                }
                // Full after this bar: the row ends before the overflowing entry.
                pDockBar->m_arrBars.InsertAt(arrIndex[i], (void*)nullptr);
                arrVisible.SetSize(i);
                break;
            }
            if (pBar == this)
                bSelfReached = true;
            if (p != nullptr && !p->IsFixedSize())
                nResizableSum += extentOf(p);
            else
                nAvail -= nAdd;
        }
        arrResizable.RemoveAll();
        for (INT_PTR i = 0; i < arrVisible.GetSize(); ++i)
        {
            CExtControlBar* p = DYNAMIC_DOWNCAST(CExtControlBar, arrVisible[i]);
            if (p != nullptr && !p->IsFixedSize())
                arrResizable.Add(p);
        }
        int nDiff = nAvail - nResizableSum - 2 * ::GetSystemMetrics(bHorz ? SM_CXBORDER : SM_CYBORDER);
        const int nStep = nDiff > 0 ? 1 : -1;
        const int nCount = (int)arrResizable.GetSize();
        bool bAllAtMin = nCount > 0;
        for (int i = 0; i < nCount; ++i)
        {
            if (extentOf(arrResizable[i]) != minOf(arrResizable[i]))
                bAllAtMin = false;
        }
        // Rounds over the row, one pixel per bar and round, until the difference is used up
        // or every bar is at its minimum.
        for (int nRound = 2 * std::abs(nDiff); nDiff != 0 && nCount > 0 && !bAllAtMin && nRound > 0; --nRound)
        {
            bAllAtMin = true;
            for (int i = 0; i < nCount && nDiff != 0; ++i)
            {
                CExtControlBar* p = arrResizable[i];
                if (extentOf(p) == minOf(p))
                    continue;
                extentOf(p) += nStep;
                nDiff -= nStep;
                if (extentOf(p) != minOf(p))
                    bAllAtMin = false;
            }
        }
        if (nDiff != 0 && nCount > 0 && bAllAtMin)
            extentOf(arrResizable[nCount - 1]) += nDiff;
    }
    for (INT_PTR i = 0; i < arrResizable.GetSize(); ++i)
    {
        if (bHorz)
            arrResizable[i]->m_sizeHorzDocked.cy = nThickness;
        else
            arrResizable[i]->m_sizeVertDocked.cx = nThickness;
    }
    if (!pDockBar->m_bLayoutQuery)
    {
        HDWP hDWP = ::BeginDeferWindowPos((int)arrVisible.GetSize());
        int nRun = 0;
        for (INT_PTR i = 0; i < arrVisible.GetSize(); ++i)
        {
            CControlBar* pBar = arrVisible[i];
            CRect rc;
            pBar->GetWindowRect(&rc);
            pDockBar->ScreenToClient(&rc);
            CRect rcNew(rc);
            CExtControlBar* p = DYNAMIC_DOWNCAST(CExtControlBar, pBar);
            CSize size = rc.Size();
            if (p != nullptr && !p->IsFixedSize())
                size = bHorz ? CSize(p->m_sizeHorzDocked) : CSize(p->m_sizeVertDocked);
            if (bHorz)
                rcNew = CRect(nRun, rc.top, nRun + size.cx, rc.top + size.cy);
            else
                rcNew = CRect(rc.left, nRun, rc.left + size.cx, nRun + size.cy);
            if (rcNew != rc && hDWP != nullptr)
                hDWP = ::DeferWindowPos(hDWP, pBar->GetSafeHwnd(), nullptr, rcNew.left, rcNew.top, rcNew.Width(),
                                        rcNew.Height(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
            nRun += bHorz ? size.cx : size.cy;
        }
        if (hDWP != nullptr)
            ::EndDeferWindowPos(hDWP);
    }
    return CalcFixedLayout(FALSE, bHorz);
}

// ---- client painting ----------------------------------------------------------------------------------------

void CExtControlBar::PaintBackground(CDC& dc, const CRect& rcClient)
{
    g_PaintManagerHolder->PaintControlBarClientArea(dc, rcClient, this, 0);
}

void CExtControlBar::DoPaint(CDC* pDC)
{
    if (pDC == nullptr)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    CWnd* pChild = GetWindow(GW_CHILD);
    if ((m_bfTracking & kTrackRepositionChild) != 0 && !IsFixedSize() && pChild != nullptr && pChild->IsWindowVisible())
    {
        CRect rcChild;
        pChild->GetWindowRect(&rcChild);
        ScreenToClient(&rcChild);
        if (rcChild == rcClient)
            return;
    }
    if (rcClient.IsRectEmpty() || !pDC->RectVisible(&rcClient))
        return;
    CExtPaintManager::ExcludeChildAreas(pDC->GetSafeHdc(), GetSafeHwnd());
    CExtMemoryDC dcMem(pDC, &rcClient);
    PaintBackground(dcMem, rcClient);
    g_PaintManagerHolder->EndPaintSession(this);
}

// ---- the child window ----------------------------------------------------------------------------------------

void CExtControlBar::RepositionChildWindow(int cx, int cy, bool bRepaint)
{
    if ((m_bfTracking & kTrackRepositionChild) == 0 || GetSafeHwnd() == nullptr)
        return;
    CWnd* pChild = GetWindow(GW_CHILD);
    if (pChild == nullptr)
        return;
    CRect rc(0, 0, cx, cy);
    if (cx < 0 || cy < 0)
        GetClientRect(&rc);
    if (IsFloating(this))
        rc.DeflateRect(::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME));
    CRect rcChild;
    pChild->GetWindowRect(&rcChild);
    ScreenToClient(&rcChild);
    if (rcChild != rc)
        pChild->MoveWindow(&rc, bRepaint ? TRUE : FALSE);
}

void CExtControlBar::OnSize(UINT nType, int cx, int cy)
{
    CControlBar::OnSize(nType, cx, cy);
    // The sizes come as 16-bit words: a client made negative by a window smaller than its frame arrives as
    // 65534 and is taken as negative, so the child is fitted to the real client.
    if ((m_bfTracking & kTrackLayoutSuspended) == 0)
        RepositionChildWindow((short)cx, (short)cy, true);
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr && pFrame->IsKindOf(RUNTIME_CLASS(CMiniFrameWnd)))
    {
        LayoutNcButtons();
        pFrame->SendMessage(WM_NCPAINT);
    }
}

// ---- caption buttons ----------------------------------------------------------------------------------------

void CExtControlBar::CreateDefaultNcButtons()
{
    if (m_arrNcButtons.GetSize() != 0)
        return;
    m_arrNcButtons.Add(new CExtBarNcAreaButtonClose(this));
    m_arrNcButtons.Add(new CExtBarNcAreaButtonAutoHide(this));
    m_arrNcButtons.Add(new CExtBarNcAreaButtonMenu(this));
}

void CExtControlBar::MakeNcButtons()
{
    CreateDefaultNcButtons();
    LayoutNcButtons();
}

void CExtControlBar::LayoutNcButtons()
{
    CExtBarNcAreaButton* pPrev = nullptr;
    for (INT_PTR i = 0; i < m_arrNcButtons.GetSize(); ++i)
    {
        CExtBarNcAreaButton* pBtn = m_arrNcButtons[i];
        pBtn->LayoutRect(pPrev);
        if (pBtn->IsVisible())
            pPrev = pBtn;
    }
}

void CExtControlBar::CalcNcButtonsExtent(CRect& rcCaption) const
{
    if (m_arrNcButtons.GetSize() == 0 || (IsDocked(this) && !QueryGripperPresence()))
        return;
    const CExtBarNcAreaButton* pLast = nullptr;
    for (INT_PTR i = 0; i < m_arrNcButtons.GetSize(); ++i)
    {
        if (m_arrNcButtons[i]->IsVisible())
            pLast = m_arrNcButtons[i];
    }
    if (pLast == nullptr)
        return;
    bool bHorzCaption = true;
    QueryGripperPresence(&bHorzCaption);
    if (bHorzCaption || !IsDockedHorizontally(this))
        rcCaption.right = std::max((int)rcCaption.left, (int)pLast->m_rc.left - 1);
    else
        rcCaption.top = std::min((int)rcCaption.bottom, (int)pLast->m_rc.bottom + 1);
}

// ---- in-place checks ------------------------------------------------------------------------------------------

bool CExtControlBar::IsPrintPreviewFrame(CFrameWnd* pFrame)
{
    if (pFrame == nullptr || pFrame->GetSafeHwnd() == nullptr)
        return false;
    CView* pView = pFrame->GetActiveView();
    return pView != nullptr && pView->IsKindOf(RUNTIME_CLASS(CPreviewView));
}

bool CExtControlBar::IsDockSiteInPrintPreview() const
{
    return !IsDialogMode() && m_pDockSite != nullptr && IsPrintPreviewFrame(m_pDockSite);
}

bool CExtControlBar::IsFrameOleInPlaceActive(CFrameWnd* pFrame)
{
    if (IsPrintPreviewFrame(pFrame))
        return false;
    if (pFrame == nullptr)
        pFrame = DYNAMIC_DOWNCAST(CFrameWnd, AfxGetMainWnd());
    if (pFrame == nullptr || pFrame->GetSafeHwnd() == nullptr)
        return false;
    if (pFrame->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)))
        pFrame = pFrame->GetParentFrame();
    if (pFrame != nullptr && pFrame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
        pFrame = pFrame->GetActiveFrame();
    if (pFrame == nullptr)
        return false;
    CView* pView = pFrame->GetActiveView();
    if (pView == nullptr || pView->IsKindOf(RUNTIME_CLASS(CPreviewView)))
        return false;
    COleDocument* pDoc = DYNAMIC_DOWNCAST(COleDocument, pView->GetDocument());
    return pDoc != nullptr && pDoc->GetInPlaceActiveItem(pView) != nullptr;
}

bool CExtControlBar::IsOleInPlaceActive() const { return IsFrameOleInPlaceActive(GetDockingFrame()); }

bool CExtControlBar::EnsureVisibleByCommand()
{
    if (IsDialogMode())
        return GetSafeHwnd() != nullptr && IsWindowVisible();
    if (GetSafeHwnd() == nullptr)
        return false;
    if (IsWindowVisible() && (m_nStateFlags & delayShow) == 0)
        return true;
    if ((m_nStateFlags & tempHide) != 0)
        return false;
    if ((m_dwStyle & CBRS_HIDE_INPLACE) != 0 && IsOleInPlaceActive())
        return false;
    // Pumping may destroy the bar: only the handle is read afterwards.
    const HWND hWnd = GetSafeHwnd();
    HandleBarToggleCommand(GetDockingFrame(), (UINT)GetDlgCtrlID(), false);
    CExtPopupMenuWnd::PumpPendingMessages();
    return ::IsWindow(hWnd) && ::IsWindowVisible(hWnd);
}
