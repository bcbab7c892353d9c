// Steps shared by the docking operations that put a bar into a new container in its place.
#include "toolkit/docking/ExtBarContainerSteps.h"
#include "toolkit/docking/ExtControlBar.h"

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

} // namespace barcontainer
