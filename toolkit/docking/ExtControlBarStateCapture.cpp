// CExtControlBar's docking state captured: the live bars of a frame taken into a snapshot, a record per bar (the
// frame's CDockState with them: ExtControlBarFrameDockState.cpp).
#include "toolkit/docking/ExtControlBar.h"
#include "platform/DockBar.h"
#include "platform/DockContext.h"
#include "platform/FrameWnd.h"
#include "platform/MiniDockFrameWnd.h"
#include "toolkit/docking/ExtControlBarStateSteps.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/docking/ExtDockDynBar.h"
#include "toolkit/docking/ExtDockingKindOf.h"
#include "toolkit/docking/ExtDynControlBar.h"
#include <algorithm>
#include <utility>
#include <vector>

using dockstate::FrameBars;
using dockstate::IsContainer;

namespace
{
typedef CExtControlBar::InternalDockStateBar StateBar;
} // namespace

void CExtControlBar::InternalDockStateSite::CaptureState()
{
    Clear();
    CExtDockBar::DropEmptyContainers(m_pFrame);
    if (CWnd* pTop = GetTopLevelNonChild(m_pFrame))
        ::GetWindowPlacement(pTop->GetSafeHwnd(), &m_wpFrame);
    for (CControlBar* pBar : FrameBars(m_pFrame))
    {
        if (pBar->GetSafeHwnd() == nullptr)
            continue;
        if (pBar->IsFloating())
        {
            if (!pBar->IsDockBar() && IsContainer(pBar))
                AppendFloatingFrameBar(pBar->GetParentFrame());
            continue;
        }
        if (!pBar->IsDockBar() || pBar->GetRuntimeClass() != RUNTIME_CLASS(CExtDockBar))
            continue;
        CFrameWnd* pParentFrame = pBar->GetParentFrame();
        if (pParentFrame != nullptr && pParentFrame->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)))
            continue;
        if (static_cast<CExtDockBar*>(pBar)->GetCircleNo() != 0)
            AppendDockBarRows(static_cast<CDockBar*>(pBar));
    }
    // The auto-hidden bars whose tabs are current in their runs, side by side.
    for (UINT nSide : {kDockBarTop, kDockBarBottom, kDockBarLeft, kDockBarRight})
    {
        CExtDockBar* pEdge = DYNAMIC_DOWNCAST(CExtDockBar, m_pFrame->GetControlBar(nSide));
        if (pEdge != nullptr && pEdge->GetAutoHideArea() != nullptr)
            CExtDockingKindOf::CollectAutoHideCurrentIds(pEdge->GetAutoHideArea(), m_arrAutoHideIds);
    }
    GetFrameDockState(m_pFrame, *m_pDockState, m_arrOuterItems);
}

void CExtControlBar::InternalDockStateSite::AppendFloatingFrameBar(CFrameWnd* pFloatingFrame)
{
    if (pFloatingFrame == nullptr)
        return;
    CWnd* pDockBar = pFloatingFrame->GetWindow(GW_CHILD);
    CWnd* pChild = pDockBar != nullptr ? pDockBar->GetWindow(GW_CHILD) : nullptr;
    CExtControlBar* pBar = DYNAMIC_DOWNCAST(CExtControlBar, pChild);
    if (pBar == nullptr)
        return;
    InternalDockStateBar* pState = new InternalDockStateBar;
    m_arrBarStates.Add(pState);
    pState->CaptureBar(pBar, nullptr);
}

// Walks the rows of a dock bar: a record per bar, 0x40 on a bar after a row break.
static void CaptureRows(CDockBar* pDockBar, StateBar* pParent, CArray<StateBar*, StateBar*>& arrStates)
{
    bool bNewRow = false;
    for (INT_PTR i = 1; i < pDockBar->m_arrBars.GetSize(); i++)
    {
        void* p = pDockBar->m_arrBars[i];
        if (p == nullptr)
        {
            bNewRow = true;
            continue;
        }
        if ((UINT_PTR)p < 0x10000)
            continue;
        CExtControlBar* pBar = DYNAMIC_DOWNCAST(CExtControlBar, static_cast<CControlBar*>(p));
        if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr)
            continue;
        StateBar* pState = new StateBar;
        arrStates.Add(pState);
        pState->CaptureBar(pBar, pParent);
        if (pParent != nullptr)
            pState->m_dwStateFlags |= StateBar::kNested;
        if (bNewRow)
            pState->m_dwStateFlags |= StateBar::kNewRow;
        bNewRow = false;
    }
}

void CExtControlBar::InternalDockStateSite::AppendDockBarRows(CDockBar* pDockBar)
{
    CaptureRows(pDockBar, nullptr, m_arrBarStates);
}

void CExtControlBar::InternalDockStateBar::CaptureBar(CExtControlBar* pBar, InternalDockStateBar* pParent)
{
    Clear();
    m_nBarId = (UINT)pBar->GetDlgCtrlID();
    CDockBar* pDockBar = pBar->m_pDockBar;
    m_nDockBarId =
        pDockBar != nullptr && pDockBar->GetSafeHwnd() != nullptr ? (UINT)pDockBar->GetDlgCtrlID() : kDockBarFloat;
    m_nCircle = 0;
    if (!IsFloating(pBar))
    {
        if (CExtDockBar* pExtDock = DYNAMIC_DOWNCAST(CExtDockBar, pDockBar))
            m_nCircle = (int)pExtDock->GetCircleNo();
    }
    if (pBar->IsVisible())
        m_dwStateFlags |= kVisible;
    if (pBar->IsAutoHideMode())
    {
        if (CExtDockingKindOf::IsDockDynTabBar(pDockBar))
        {
            if (pParent != nullptr)
                pParent->m_dwStateFlags |= kAutoHide;
        }
        else if (!CExtDockingKindOf::IsDynTabControlBar(pBar))
            m_dwStateFlags |= kAutoHide;
    }
    m_nMRUWidth = (UINT)pBar->m_nMRUWidth;
    pBar->GetWindowRect(&m_rcBarInDockBar);
    if (pDockBar != nullptr && pDockBar->GetSafeHwnd() != nullptr)
        pDockBar->ScreenToClient(&m_rcBarInDockBar);
    m_ptFloatPos = pBar->m_ptFloatPos;
    m_sizeHorzDocked = pBar->m_sizeHorzDocked;
    m_sizeVertDocked = pBar->m_sizeVertDocked;
    m_sizeFloating = pBar->m_sizeFloating;
    m_nRowSpaceToReclaim = pBar->m_nRowSpaceToReclaim;
    if (CDockContext* pContext = pBar->m_pDockContext)
    {
        m_rcMRUDockPos = pContext->m_rectMRUDockPos;
        m_dwStateFlags |= CExtDockBar::AlignStyleOfSide(pContext->m_uMRUDockID);
        m_dwMRUFloatStyle = pContext->m_dwMRUFloatStyle;
        m_ptMRUFloatPos = pContext->m_ptMRUFloatPos;
    }
    m_dwBarStyle = pBar->m_dwStyle;
    CExtDynControlBar* pContainer = DYNAMIC_DOWNCAST(CExtDynControlBar, pBar);
    if (pContainer == nullptr)
    {
        m_dwStateFlags |= kKindBar;
        return;
    }
    CExtDockDynBar* pInner = pContainer->m_pWndDynDocker;
    if (CExtDockingKindOf::IsDynTabControlBar(pBar))
    {
        m_dwStateFlags |= kKindTabContainer;
        CControlBar* pSelected =
            (pBar->GetStyle() & WS_VISIBLE) != 0 ? CExtDockingKindOf::SelectedBarOf(pBar) : nullptr;
        if (pInner != nullptr)
        {
            std::vector<std::pair<unsigned, InternalDockStateBar*>> arrOrdered;
            for (INT_PTR i = 1; i < pInner->m_arrBars.GetSize(); i++)
            {
                void* p = pInner->m_arrBars[i];
                if ((UINT_PTR)p < 0x10000)
                    continue;
                CExtControlBar* pMember = DYNAMIC_DOWNCAST(CExtControlBar, static_cast<CControlBar*>(p));
                if (pMember == nullptr || pMember->GetSafeHwnd() == nullptr)
                    continue;
                InternalDockStateBar* pState = new InternalDockStateBar;
                m_arrNestedStates.Add(pState);
                arrOrdered.emplace_back((unsigned)CExtDockingKindOf::TabOrderOf(pBar, pMember), pState);
                pState->CaptureBar(pMember, this);
                pState->m_dwStateFlags |= kNested | kInTabContainer;
                if (pMember == pSelected)
                    pState->m_dwStateFlags |= kSelectedTab;
            }
            // In the order of the strip's tabs (bars without a tab last), which the restore appends one by one.
            std::stable_sort(arrOrdered.begin(), arrOrdered.end(),
                             [](const std::pair<unsigned, InternalDockStateBar*>& a,
                                const std::pair<unsigned, InternalDockStateBar*>& b) { return a.first < b.first; });
            for (INT_PTR i = 0; i < m_arrNestedStates.GetSize(); i++)
                m_arrNestedStates[i] = arrOrdered[(size_t)i].second;
        }
    }
    else
    {
        m_dwStateFlags |= kKindDynContainer;
        if (pInner != nullptr)
            CaptureRows(pInner, this, m_arrNestedStates);
    }
    if (IsFloating(pBar))
    {
        if (CFrameWnd* pFloatingFrame = pBar->GetParentFrame())
        {
            m_dwStateFlags |= kFloatingContainer;
            pFloatingFrame->GetWindowRect(&m_rcFloatingFrame);
            m_dwFloatingFrameStyle = pFloatingFrame->GetStyle();
        }
    }
}
