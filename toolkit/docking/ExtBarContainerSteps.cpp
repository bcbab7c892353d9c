// Steps shared by the docking operations that put a bar into a new container in its place.
#include "toolkit/docking/ExtBarContainerSteps.h"
#include <algorithm>
#include "platform/FrameWnd.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDockDynBar.h"
#include "toolkit/docking/ExtDynControlBar.h"

namespace barcontainer
{

bool IsRegisteredBar(const CExtControlBar* pBar)
{
    bool bFound = false;
    ::EnterCriticalSection(&CExtControlBar::g_csAllControlBars);
    for (INT_PTR i = 0; i < CExtControlBar::g_arrAllControlBars.GetSize() && !bFound; ++i)
        bFound = CExtControlBar::g_arrAllControlBars[i] == pBar;
    ::LeaveCriticalSection(&CExtControlBar::g_csAllControlBars);
    return bFound;
}

void DisposeUnmade(CExtControlBar* pContainer)
{
    if (!IsRegisteredBar(pContainer))
        return;
    if (pContainer->GetSafeHwnd() != nullptr && ::IsWindow(pContainer->GetSafeHwnd()))
        pContainer->DestroyWindow();
    else
    {
        if (pContainer->GetSafeHwnd() != nullptr)
            pContainer->Detach();
        delete pContainer;
    }
}

void TakeOverSizes(CExtControlBar* pContainer, const CExtControlBar* pBar, CFrameWnd* pSite)
{
    pContainer->m_pDockSite = pSite;
    pContainer->EnableDocking(CBRS_ALIGN_ANY);
    pContainer->m_sizeHorzDocked = pBar->m_sizeHorzDocked;
    pContainer->m_sizeVertDocked = pBar->m_sizeVertDocked;
    pContainer->m_sizeFloating = pBar->m_sizeFloating;
}

namespace
{
// Containers nested deeper than this are not followed.
const int kMaxNesting = 32;

// The outermost container holding the bar, or the bar itself when it is in none.
const CExtControlBar* OutermostHolder(const CExtControlBar* pBar)
{
    const CExtControlBar* pHolder = pBar;
    for (int nDepth = 0; nDepth < kMaxNesting; ++nDepth)
    {
        const CDockBar* pDockBar = pHolder->m_pDockBar;
        if (pDockBar == nullptr || pDockBar->GetSafeHwnd() == nullptr ||
            !pDockBar->IsKindOf(RUNTIME_CLASS(CExtDockDynBar)))
            break;
        const CExtDynControlBar* pContainer = DYNAMIC_DOWNCAST(CExtDynControlBar, pDockBar->GetParent());
        if (pContainer == nullptr)
            break;
        pHolder = pContainer;
    }
    return pHolder;
}
} // namespace

int SideThickness(const CExtControlBar* pBar, bool bHorz)
{
    const CExtControlBar* pHolder = OutermostHolder(pBar);
    return bHorz ? pHolder->m_sizeHorzDocked.cy : pHolder->m_sizeVertDocked.cx;
}

CRect ViewArea(CFrameWnd* pFrame)
{
    CRect V(0, 0, 0, 0);
    CExtControlBar::RepositionBarsEx(pFrame, 0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &V, nullptr, true);
    pFrame->ClientToScreen(&V);
    return V;
}

int SideThicknessInView(const CExtControlBar* pBar, bool bHorz, const CRect& rcView)
{
    const int nMax = ::MulDiv(bHorz ? rcView.Height() : rcView.Width(), 3, 4);
    return std::max(0, std::min(SideThickness(pBar, bHorz), nMax));
}

void FitThicknessToSide(CExtControlBar* pBar, bool bHorz, CFrameWnd* pFrame)
{
    TakeSideThicknesses(pBar);
    const int nThickness = SideThicknessInView(pBar, bHorz, ViewArea(pFrame));
    if (bHorz)
        pBar->m_sizeHorzDocked.cy = nThickness;
    else
        pBar->m_sizeVertDocked.cx = nThickness;
}

void TakeSideThicknesses(CExtControlBar* pBar)
{
    const CExtControlBar* pHolder = OutermostHolder(pBar);
    if (pHolder == pBar)
        return;
    pBar->m_sizeHorzDocked.cy = pHolder->m_sizeHorzDocked.cy;
    pBar->m_sizeVertDocked.cx = pHolder->m_sizeVertDocked.cx;
}

} // namespace barcontainer
