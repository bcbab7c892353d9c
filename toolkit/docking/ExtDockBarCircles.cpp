// CExtDockBar: circles of dock bars (creating, finding, inserting and removing them) and dropping
// empty circles and containers.
#include "platform/FrameWnd.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/docking/ExtDockDynBar.h"
#include "toolkit/docking/ExtDockingKindOf.h"
#include "toolkit/docking/ExtDynControlBar.h"

namespace
{
// The sides in the order circles are built and walked.
const UINT kSides[4] = {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT};
const UINT kZOrderFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_NOCOPYBITS | SWP_NOSENDCHANGING;
// Passes of DropEmptyContainers before it gives up (each pass removes something).
const int kMaxDropPasses = 256;

// A circle dock bar of the frame (inner dock bars of containers are no circle dock bars).
CExtDockBar* AsCircleBar(CControlBar* pBar)
{
    CExtDockBar* pDock = DYNAMIC_DOWNCAST(CExtDockBar, pBar);
    if (pDock == nullptr || pDock->IsKindOf(RUNTIME_CLASS(CExtDockDynBar)) || pDock->GetSafeHwnd() == nullptr)
        return nullptr;
    return pDock;
}

// Puts pBar right after pAfter in the window order (the order the frame lays its bars out in); a dock bar made
// there already is not moved.
void PlaceAfter(CWnd* pBar, CWnd* pAfter)
{
    if (::GetWindow(pAfter->GetSafeHwnd(), GW_HWNDNEXT) != pBar->GetSafeHwnd())
        pBar->SetWindowPos(pAfter, 0, 0, 0, 0, kZOrderFlags);
}

// The inner edge line of pOld's side as a new circle inside it starts with.
CRect InnerEdgeFrom(CExtDockBar* pOld)
{
    if (pOld->IsWindowVisible() && pOld->GetDockedVisibleCount() > 0)
    {
        CRect rc;
        pOld->GetWindowRect(&rc);
        switch (pOld->GetDlgCtrlID())
        {
        case AFX_IDW_DOCKBAR_TOP: rc.bottom = rc.top; break;
        case AFX_IDW_DOCKBAR_LEFT: rc.right = rc.left; break;
        case AFX_IDW_DOCKBAR_RIGHT: rc.left = rc.right; break;
        default: rc.top = rc.bottom; break;
        }
        return rc;
    }
    return pOld->m_rcInnerEdge;
}

CExtDockBar* NewCircleBar(CFrameWnd* pFrame, UINT nCircle, UINT nSide, CExtDockBar* pLike)
{
    auto* pNew = new CExtDockBar(nCircle);
    if (!pNew->Create(pFrame, CExtDockBar::kCircleDockBarStyle | CExtDockBar::AlignStyleOfSide(nSide), nSide))
    {
        delete pNew;
        return nullptr;
    }
    pNew->m_bAutoDelete = TRUE;
    if (pLike != nullptr)
    {
        pNew->m_dwStyle = pLike->m_dwStyle;
        pNew->m_pAutoHideArea = pLike->m_pAutoHideArea;
        pNew->m_rcInnerEdge = InnerEdgeFrom(pLike);
    }
    return pNew;
}

// Puts the frame's auto-hide areas back after its dock bars. Any one area orders all four of its
// frame, so the first one the bars know of is enough.
void AdjustAreas(CExtDockBar* const (&arrBars)[4])
{
    for (CExtDockBar* pBar : arrBars)
    {
        if (pBar != nullptr && CExtDockingKindOf::AdjustAutoHideOrder(pBar->m_pAutoHideArea))
            return;
    }
}

// The containers of the frame that have a window.
int CountContainers(CFrameWnd* pFrame, CArray<CExtDynControlBar*, CExtDynControlBar*>* pArr)
{
    int nCount = 0;
    ::EnterCriticalSection(&CExtControlBar::g_csAllControlBars);
    for (INT_PTR i = 0; i < CExtControlBar::g_arrAllControlBars.GetSize(); ++i)
    {
        CExtDynControlBar* pDyn = DYNAMIC_DOWNCAST(CExtDynControlBar, CExtControlBar::g_arrAllControlBars[i]);
        if (pDyn == nullptr || pDyn->GetSafeHwnd() == nullptr || pDyn->m_pDockSite != pFrame)
            continue;
        ++nCount;
        if (pArr != nullptr)
            pArr->Add(pDyn);
    }
    ::LeaveCriticalSection(&CExtControlBar::g_csAllControlBars);
    return nCount;
}
} // namespace

bool CExtDockBar::IsEmpty() const
{
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
    {
        if (m_arrBars[i] != nullptr)
            return false;
    }
    return true;
}

UINT CExtDockBar::CreateInnerCircle(CFrameWnd* pFrame)
{
    if (pFrame == nullptr)
        return 0;
    CExtDockBar* arrOld[4] = {};
    UINT nMax = 0;
    for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;)
    {
        CExtDockBar* pDock = AsCircleBar(pFrame->m_listControlBars.GetNext(pos));
        if (pDock != nullptr && pDock->m_nCircle > nMax)
            nMax = pDock->m_nCircle;
    }
    for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;)
    {
        CExtDockBar* pDock = AsCircleBar(pFrame->m_listControlBars.GetNext(pos));
        if (pDock == nullptr || pDock->m_nCircle != nMax)
            continue;
        for (int nSide = 0; nSide < 4; ++nSide)
        {
            if ((UINT)pDock->GetDlgCtrlID() == kSides[nSide])
                arrOld[nSide] = pDock;
        }
    }
    const UINT nNew = nMax + 1;
    CExtDockBar* arrNew[4] = {};
    CWnd* pAfter = arrOld[3];
    for (int nSide = 0; nSide < 4; ++nSide)
    {
        arrNew[nSide] = NewCircleBar(pFrame, nNew, kSides[nSide], arrOld[nSide]);
        if (arrNew[nSide] == nullptr)
            continue;
        if (arrOld[nSide] != nullptr)
        {
            arrOld[nSide]->m_pInnerCircleBar = arrNew[nSide];
            arrNew[nSide]->m_pOuterCircleBar = arrOld[nSide];
        }
        if (pAfter != nullptr)
            PlaceAfter(arrNew[nSide], pAfter);
        pAfter = arrNew[nSide];
    }
    AdjustAreas(arrNew);
    return nNew;
}

UINT CExtDockBar::GetNextCircle()
{
    if (m_pInnerCircleBar != nullptr)
        return m_nCircle + 1;
    return CreateInnerCircle(GetDockingFrame());
}

CExtDockBar* CExtDockBar::GetCircleDockBar(UINT nCircle)
{
    CExtDockBar* pBar = this;
    while (pBar != nullptr && pBar->m_nCircle > nCircle)
        pBar = pBar->m_pOuterCircleBar;
    while (pBar != nullptr && pBar->m_nCircle < nCircle)
    {
        if (pBar->m_pInnerCircleBar == nullptr)
        {
            CreateInnerCircle(pBar->GetDockingFrame());
            if (pBar->m_pInnerCircleBar == nullptr)
                return nullptr;
        }
        pBar = pBar->m_pInnerCircleBar;
    }
    return pBar;
}

CExtDockBar* CExtDockBar::FindCircleDockBar(CFrameWnd* pFrame, UINT nCircle, UINT nDockBarID, bool bCreate)
{
    if (pFrame == nullptr)
        return nullptr;
    for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;)
    {
        CExtDockBar* pDock = AsCircleBar(pFrame->m_listControlBars.GetNext(pos));
        if (pDock != nullptr && pDock->m_nCircle == nCircle && (UINT)pDock->GetDlgCtrlID() == nDockBarID)
            return pDock;
    }
    if (!bCreate)
        return nullptr;
    CExtDockBar* pOuter = FindCircleDockBar(pFrame, 0, nDockBarID, false);
    return pOuter != nullptr ? pOuter->GetCircleDockBar(nCircle) : nullptr;
}

CExtDockBar* CExtDockBar::GetSiblingDockBar(UINT nDockBarID, bool bCreate)
{
    if ((UINT)GetDlgCtrlID() == nDockBarID)
        return this;
    return FindCircleDockBar(GetDockingFrame(), m_nCircle, nDockBarID, bCreate);
}

void CExtDockBar::InsertCircle(CFrameWnd* pFrame, UINT nCircle)
{
    if (pFrame == nullptr || nCircle == 0)
        return;
    CExtDockBar* arrAt[4] = {};
    bool bAllEmpty = true;
    for (int nSide = 0; nSide < 4; ++nSide)
    {
        CExtDockBar* pOuter = FindCircleDockBar(pFrame, 0, kSides[nSide], false);
        arrAt[nSide] = pOuter != nullptr ? pOuter->GetCircleDockBar(nCircle) : nullptr;
        if (arrAt[nSide] == nullptr || !arrAt[nSide]->IsEmpty())
            bAllEmpty = false;
    }
    if (bAllEmpty)
    {
        AdjustAreas(arrAt);
        return;
    }
    CExtDockBar* arrNew[4] = {};
    CWnd* pAfter = arrAt[3] != nullptr ? arrAt[3]->m_pOuterCircleBar : nullptr;
    for (int nSide = 0; nSide < 4; ++nSide)
    {
        CExtDockBar* pOld = arrAt[nSide];
        if (pOld == nullptr)
            continue;
        for (CExtDockBar* p = pOld; p != nullptr; p = p->m_pInnerCircleBar)
            ++p->m_nCircle;
        CExtDockBar* pNew = NewCircleBar(pFrame, nCircle, kSides[nSide], pOld);
        if (pNew == nullptr)
            continue;
        pNew->m_pOuterCircleBar = pOld->m_pOuterCircleBar;
        pNew->m_pInnerCircleBar = pOld;
        if (pOld->m_pOuterCircleBar != nullptr)
            pOld->m_pOuterCircleBar->m_pInnerCircleBar = pNew;
        pOld->m_pOuterCircleBar = pNew;
        arrNew[nSide] = pNew;
        if (pAfter != nullptr)
            PlaceAfter(pNew, pAfter);
        pAfter = pNew;
    }
    AdjustAreas(arrNew);
}

void CExtDockBar::InsertCircleInside() { InsertCircle(GetDockingFrame(), m_nCircle + 1); }

void CExtDockBar::InsertCircleAt(UINT nCircle) { InsertCircle(GetDockingFrame(), nCircle); }

void CExtDockBar::RemoveCircleDockBar()
{
    if (m_pOuterCircleBar != nullptr)
        m_pOuterCircleBar->m_pInnerCircleBar = m_pInnerCircleBar;
    if (m_pInnerCircleBar != nullptr)
        m_pInnerCircleBar->m_pOuterCircleBar = m_pOuterCircleBar;
    m_pOuterCircleBar = nullptr;
    m_pInnerCircleBar = nullptr;
    if (CFrameWnd* pFrame = GetDockingFrame())
        pFrame->RemoveControlBar(this);
    const BOOL bAutoDelete = m_bAutoDelete;
    DestroyWindow();
    if (!bAutoDelete)
        delete this;
}

void CExtDockBar::DropEmptyContainersIfUnlocked()
{
    if (IsLayoutLocked())
        return;
    DropEmptyContainers(GetDockingFrame());
}

void CExtDockBar::DropEmptyContainers(CFrameWnd* pFrame)
{
    if (pFrame == nullptr)
        return;
    CExtDockBar* pTop = FindCircleDockBar(pFrame, 0, AFX_IDW_DOCKBAR_TOP, false);
    if (pTop == nullptr || pTop->m_pInnerCircleBar == nullptr)
        return;
    // Another pass only follows one that removed a circle or dissolved a container: a container
    // whose bars are all hidden, or whose inner dock bar is locked, stays and must not loop.
    for (int nPass = 0; nPass < kMaxDropPasses; ++nPass)
    {
        bool bChanged = false;
        const int nContainersBefore = CountContainers(pFrame, nullptr);
        CExtDockBar* arrChain[4] = {};
        for (int nSide = 0; nSide < 4; ++nSide)
        {
            CExtDockBar* pOuter = FindCircleDockBar(pFrame, 0, kSides[nSide], false);
            arrChain[nSide] = pOuter != nullptr ? pOuter->m_pInnerCircleBar : nullptr;
        }
        AdjustAreas(arrChain);
        while (arrChain[0] != nullptr && arrChain[1] != nullptr && arrChain[2] != nullptr && arrChain[3] != nullptr)
        {
            CExtDockBar* arrNext[4];
            bool bEmpty = true;
            for (int nSide = 0; nSide < 4; ++nSide)
            {
                arrNext[nSide] = arrChain[nSide]->m_pInnerCircleBar;
                if (!arrChain[nSide]->IsEmpty())
                    bEmpty = false;
            }
            if (bEmpty)
            {
                for (int nSide = 0; nSide < 4; ++nSide)
                {
                    arrChain[nSide]->RemoveCircleDockBar();
                    for (CExtDockBar* p = arrNext[nSide]; p != nullptr; p = p->m_pInnerCircleBar)
                        --p->m_nCircle;
                }
                bChanged = true;
            }
            else
            {
                for (int nSide = 0; nSide < 4; ++nSide)
                {
                    HWND hBar = arrChain[nSide]->GetSafeHwnd();
                    arrChain[nSide]->CleanRows();
                    if (!::IsWindow(hBar))
                        arrNext[nSide] = nullptr;
                }
            }
            for (int nSide = 0; nSide < 4; ++nSide)
                arrChain[nSide] = arrNext[nSide];
        }
        CArray<CExtDynControlBar*, CExtDynControlBar*> arrContainers;
        CountContainers(pFrame, &arrContainers);
        CArray<HWND, HWND> arrInner;
        CArray<CExtDockBar*, CExtDockBar*> arrInnerBars;
        for (INT_PTR i = 0; i < arrContainers.GetSize(); ++i)
        {
            CExtDockBar* pInner = arrContainers[i]->m_pWndDynDocker;
            if (pInner != nullptr && pInner->GetSafeHwnd() != nullptr && pInner->GetDockedVisibleCount() == 0)
            {
                arrInner.Add(pInner->GetSafeHwnd());
                arrInnerBars.Add(pInner);
            }
        }
        for (INT_PTR i = 0; i < arrInner.GetSize(); ++i)
        {
            if (::IsWindow(arrInner[i]) && CWnd::FromHandlePermanent(arrInner[i]) == arrInnerBars[i])
                arrInnerBars[i]->CleanRows();
        }
        if (CountContainers(pFrame, nullptr) != nContainersBefore)
            bChanged = true;
        if (!bChanged)
            break;
        pTop = FindCircleDockBar(pFrame, 0, AFX_IDW_DOCKBAR_TOP, false);
        if (pTop == nullptr || pTop->m_pInnerCircleBar == nullptr)
            break;
    }
}
