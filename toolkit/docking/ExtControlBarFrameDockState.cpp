// CExtControlBar's frame dock state: the frame's CDockState and outer items (each bar's place, sizes and floating
// frame) taken from the live bars and set back on them.
#include "toolkit/docking/ExtControlBar.h"
#include "platform/DockBar.h"
#include "platform/DockState.h"
#include "platform/FrameWnd.h"
#include "toolkit/docking/ExtControlBarStateSteps.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/docking/ExtDockDynBar.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "toolkit/foundation/ExtPaintManager.h"

using dockstate::FrameBars;
using dockstate::IsContainer;

void CExtControlBar::GetFrameDockState(CFrameWnd* pFrame, CDockState& state,
                                       CArray<OuterItemData_t, OuterItemData_t&>& arrOuterItems)
{
    state.Clear();
    arrOuterItems.RemoveAll();
    for (CControlBar* pBar : FrameBars(pFrame))
    {
        if (pBar->GetSafeHwnd() == nullptr || IsContainer(pBar) || pBar->IsKindOf(RUNTIME_CLASS(CExtDockDynBar)) ||
            (pBar->m_pDockBar != nullptr && pBar->m_pDockBar->IsKindOf(RUNTIME_CLASS(CExtDockDynBar))))
            continue;
        if (pBar->IsDockBar())
        {
            if ((UINT)pBar->GetDlgCtrlID() == kDockBarFloat && IsContainer(pBar->GetWindow(GW_CHILD)))
                continue;
            CExtDockBar* pExtDock = DYNAMIC_DOWNCAST(CExtDockBar, pBar);
            if (pExtDock != nullptr && pExtDock->GetCircleNo() != 0)
                continue;
        }
        if (CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, pBar))
        {
            const bool bFixed = pExt->IsFixedSize();
            const bool bFloating = pBar->IsFloating() != FALSE;
            if (!bFixed && !bFloating)
            {
                CExtDockBar* pExtDock = DYNAMIC_DOWNCAST(CExtDockBar, pBar->m_pDockBar);
                if (pBar->m_pDockBar == nullptr || (pExtDock != nullptr && pExtDock->GetCircleNo() > 0))
                    continue;
            }
            OuterItemData_t item;
            item.m_nBarId = (UINT)pBar->GetDlgCtrlID();
            item.m_ptFloatPos = pExt->m_ptFloatPos;
            item.m_sizeHorzDocked = pExt->m_sizeHorzDocked;
            item.m_sizeVertDocked = pExt->m_sizeVertDocked;
            item.m_sizeFloating = pExt->m_sizeFloating;
            if (OuterRowPlacement_t* pPlacement = pExt->GetOuterRowPlacement())
                item.m_placement = *pPlacement;
            if (bFloating)
            {
                if (CFrameWnd* pFloatingFrame = pBar->GetParentFrame())
                {
                    CRect rcFrame, rcBar;
                    pFloatingFrame->GetWindowRect(&rcFrame);
                    pBar->GetWindowRect(&rcBar);
                    item.m_ptFloatPos = rcFrame.TopLeft();
                    if (bFixed)
                    {
                        item.m_sizeFloating.cx += rcFrame.Width() - rcBar.Width();
                        item.m_sizeFloating.cy += rcFrame.Height() - rcBar.Height();
                    }
                }
                item.m_bFloating = true;
            }
            arrOuterItems.Add(item);
        }
        CControlBarInfo* pInfo = new CControlBarInfo;
        // A floating bar keeps its own wrap width: its frame's, wider by the frame's borders, may fit one more
        // button in a row and give the bar another shape at the next start.
        pBar->GetBarInfo(pInfo);
        // A floating frame held until its owner's first show is shown as far as the state goes.
        if (pInfo->m_bFloating && !pInfo->m_bVisible)
            if (CExtMiniDockFrameWnd* pMini = DYNAMIC_DOWNCAST(CExtMiniDockFrameWnd, pBar->GetParentFrame()))
                pInfo->m_bVisible = pMini->IsWaitingForOwnerShow();
        state.m_arrBarInfo.Add(pInfo);
    }
}

// The one bar a floating dock bar's info lists, NULL when it lists none or several.
static CControlBar* OnlyBarOf(CFrameWnd* pFrame, const CControlBarInfo* pInfo)
{
    CControlBar* pOnly = nullptr;
    for (INT_PTR i = 0; i < pInfo->m_arrBarID.GetSize(); i++)
    {
        const DWORD dwId = pInfo->m_arrBarID[i];
        if (dwId == 0 || (dwId & CControlBarInfo::kPlaceHolderBit) != 0)
            continue;
        if (pOnly != nullptr)
            return nullptr;
        pOnly = pFrame->GetControlBar(dwId);
        if (pOnly == nullptr)
            return nullptr;
    }
    return pOnly;
}

// The floating outer item of a fixed bar: its floating size is its frame's.
static const CExtControlBar::OuterItemData_t*
FloatingFixedItemOf(CControlBar* pBar,
                    const CArray<CExtControlBar::OuterItemData_t, CExtControlBar::OuterItemData_t&>& arrOuterItems)
{
    CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, pBar);
    if (pExt == nullptr || !pExt->IsFixedSize())
        return nullptr;
    for (INT_PTR i = 0; i < arrOuterItems.GetSize(); i++)
        if (arrOuterItems[i].m_bFloating && arrOuterItems[i].m_nBarId == (UINT)pExt->GetDlgCtrlID())
            return &arrOuterItems[i];
    return nullptr;
}

void CExtControlBar::SetFrameDockState(CFrameWnd* pFrame, CDockState& state,
                                       CArray<OuterItemData_t, OuterItemData_t&>& arrOuterItems)
{
    // 1. Outer items' metrics: a floating frame below is made as large as its bar's floating size makes it.
    for (INT_PTR i = 0; i < arrOuterItems.GetSize(); i++)
    {
        const OuterItemData_t& item = arrOuterItems[i];
        CExtControlBar* pBar = DYNAMIC_DOWNCAST(CExtControlBar, pFrame->GetControlBar(item.m_nBarId));
        if (pBar == nullptr)
            continue;
        pBar->m_ptFloatPos = item.m_ptFloatPos;
        pBar->m_sizeHorzDocked = item.m_sizeHorzDocked;
        pBar->m_sizeVertDocked = item.m_sizeVertDocked;
        pBar->m_sizeFloating = item.m_sizeFloating;
        pBar->SetOuterRowPlacement(item.m_placement);
    }
    // 2. Bars named by the infos; floating dock bars get new floating frames.
    for (INT_PTR i = 0; i < state.m_arrBarInfo.GetSize(); i++)
    {
        CControlBarInfo* pInfo = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
        pInfo->m_pBar = nullptr;
        if (pInfo->m_bFloating && pInfo->m_bDockBar)
        {
            // Made hidden at the stored window place, where the dock bar's own info puts it below, as large as its
            // layout makes it around its one bar (see CFrameWnd::FloatControlBar); a fixed bar's outer item keeps
            // its frame's rectangle, which step 4 gives it.
            CMiniDockFrameWnd* pMini = nullptr;
            try
            {
                CControlBar* pOnly = OnlyBarOf(pFrame, pInfo);
                const OuterItemData_t* pItem = FloatingFixedItemOf(pOnly, arrOuterItems);
                const CRect rcPlace = pItem != nullptr
                                          ? CExtPaintManager::AlignRectToMonitor(
                                                CRect(pItem->m_ptFloatPos, pItem->m_sizeFloating), true, false)
                                          : CRect(pInfo->m_pointPos, CSize(0, 0));
                pMini = pFrame->CreateFloatingFrame(pInfo->m_bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT, &rcPlace,
                                                    pItem != nullptr ? nullptr : pOnly);
            }
            catch (CException* e)
            {
                e->Delete();
                continue;
            }
            pInfo->m_pBar = &pMini->m_wndDockBar;
        }
        else // a bar, floating ones included: its info carries its visibility
            pInfo->m_pBar = pFrame->GetControlBar(pInfo->m_nBarID);
        if (pInfo->m_pBar != nullptr)
            pInfo->m_pBar->m_nMRUWidth = pInfo->m_nMRUWidth;
    }
    // 3. The infos applied.
    for (INT_PTR i = 0; i < state.m_arrBarInfo.GetSize(); i++)
    {
        CControlBarInfo* pInfo = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
        CControlBar* pBar = pInfo->m_pBar;
        if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr)
            continue;
        if (pBar->m_pDockContext != nullptr)
        {
            if (CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, pBar))
                pExt->m_ptFloatPos = pInfo->m_ptMRUFloatPos;
        }
        pBar->SetBarInfo(pInfo, pFrame);
    }
    // 4. Floating outer items at their places.
    for (INT_PTR i = 0; i < arrOuterItems.GetSize(); i++)
    {
        const OuterItemData_t& item = arrOuterItems[i];
        if (!item.m_bFloating)
            continue;
        CExtControlBar* pBar = DYNAMIC_DOWNCAST(CExtControlBar, pFrame->GetControlBar(item.m_nBarId));
        if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr)
            continue;
        CExtMiniDockFrameWnd* pMini = DYNAMIC_DOWNCAST(CExtMiniDockFrameWnd, pBar->GetParentFrame());
        CRect rcWnd;
        if (pMini != nullptr)
            pMini->GetWindowRect(&rcWnd);
        // A resizable bar's floating size is the bar's own, not its frame's: its frame keeps the size its layout
        // gives it around the bar, and only moves.
        const CSize size = pMini != nullptr && !pBar->IsFixedSize() ? rcWnd.Size() : CSize(item.m_sizeFloating);
        const CRect rc = CExtPaintManager::AlignRectToMonitor(CRect(item.m_ptFloatPos, size), true, false);
        if (pMini != nullptr)
        {
            if (rcWnd != rc)
                pMini->SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                                    SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
            pMini->m_nIdleFlags |= 0x0C;
        }
        else
            pBar->FloatAtPoint(rc.TopLeft(), CBRS_ALIGN_TOP);
    }
    // 5. Floating frames with visible bars shown.
    for (INT_PTR i = 0; i < state.m_arrBarInfo.GetSize(); i++)
    {
        CControlBarInfo* pInfo = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
        CDockBar* pDockBar = DYNAMIC_DOWNCAST(CDockBar, pInfo->m_pBar);
        if (!pInfo->m_bFloating || pDockBar == nullptr || pDockBar->GetSafeHwnd() == nullptr ||
            pDockBar->GetDockedVisibleCount() <= 0)
            continue;
        if (CFrameWnd* pMini = pDockBar->GetParentFrame())
        {
            // The frame takes its bar's name as its title, as a bar docked into it gives it.
            for (INT_PTR n = 1; n < pDockBar->m_arrBars.GetSize() && (pDockBar->m_dwStyle & CBRS_FLOAT_MULTI) == 0; n++)
            {
                void* p = pDockBar->m_arrBars[n];
                if ((UINT_PTR)p < 0x10000)
                    continue;
                CString sTitle;
                static_cast<CControlBar*>(p)->GetWindowText(sTitle);
                pDockBar->SetWindowText(sTitle);
                break;
            }
            pMini->RecalcLayout(TRUE);
            pMini->ShowWindow(SW_SHOWNA);
        }
        for (INT_PTR n = 1; n < pDockBar->m_arrBars.GetSize(); n++)
        {
            void* p = pDockBar->m_arrBars[n];
            if ((UINT_PTR)p < 0x10000)
                continue;
            CExtControlBar* pExt = DYNAMIC_DOWNCAST(CExtControlBar, static_cast<CControlBar*>(p));
            if (pExt != nullptr && !pExt->IsFixedSize())
                pExt->RefreshNonClientFrame();
        }
    }
}
