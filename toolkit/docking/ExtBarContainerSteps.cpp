// Steps shared by the docking operations that put a bar into a new container in its place.
#include "toolkit/docking/ExtBarContainerSteps.h"
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

void TakeSideThicknesses(CExtControlBar* pBar)
{
    const CExtControlBar* pHolder = OutermostHolder(pBar);
    if (pHolder == pBar)
        return;
    pBar->m_sizeHorzDocked.cy = pHolder->m_sizeHorzDocked.cy;
    pBar->m_sizeVertDocked.cx = pHolder->m_sizeVertDocked.cx;
}

} // namespace barcontainer
