// CExtControlBar's stored state read ahead of the bars' creation: the read held for the frame until the load applies
// it, the dock bar a bar the state docks at a side is made in, and the read and load entry points.
#include "toolkit/docking/ExtControlBar.h"
#include "platform/Archive.h"
#include "platform/DockState.h"
#include "platform/File.h"
#include "platform/FrameWnd.h"
#include "toolkit/docking/ExtControlBarStateSteps.h"
#include "toolkit/docking/ExtDockBar.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include <memory>
#include <utility>

using dockstate::FrameHasProfile;
using dockstate::IsContainer;
using dockstate::IsEdgeDockBarId;
using dockstate::ReapplyTopPlacement;

namespace
{
typedef CExtControlBar::InternalDockStateBar StateBar;
typedef CExtControlBar::InternalDockStateSite StateSite;

// The state ReadFrameBarState read ahead of the bars' creation, until LoadFrameBarState applies it; one frame at a
// time, as a program reads its main frame's state while that frame is created.
struct PendingState
{
    CFrameWnd* pFrame = nullptr;
    HWND hFrame = nullptr;
    int nRead = 0;                    // ReadStoredState's answer
    std::unique_ptr<StateSite> pSite; // what was read
    CControlBar* pNewBar = nullptr;   // the bar being created in pNewBarDockBar
    CExtDockBar* pNewBarDockBar = nullptr;
};

PendingState& Pending()
{
    static PendingState s;
    return s;
}

bool IsPendingFor(const CFrameWnd* pFrame)
{
    const PendingState& p = Pending();
    return pFrame != nullptr && p.pFrame == pFrame && p.hFrame != nullptr && p.hFrame == pFrame->GetSafeHwnd();
}

// Reads the frame's stored state into the site: 1 read whole, 0 none stored, -1 damaged.
int ReadStoredState(StateSite& site, const CString& sPath)
{
    try
    {
        CMemFile file(1024);
        if (!CExtCmdManager::RegistryArchiveRead(file, sPath, HKEY_CURRENT_USER))
        {
            ReapplyTopPlacement(site.m_pFrame);
            return 0;
        }
        CArchive ar(&file, CArchive::load, 4096);
        ReapplyTopPlacement(site.m_pFrame);
        site.Serialize(ar);
        return 1;
    }
    catch (CException* e)
    {
        e->Delete();
        return -1;
    }
}

// The first record of a bar id, nested ones included (a later one is dropped), and its parent.
const StateBar* FirstRecordOf(const CArray<StateBar*, StateBar*>& arrStates, UINT nBarId, const StateBar* pParent,
                              const StateBar** ppParent)
{
    for (INT_PTR i = 0; i < arrStates.GetSize(); i++)
    {
        const StateBar* pState = arrStates[i];
        if (pState->GetKind() == StateBar::kKindBar && pState->m_nBarId == nBarId)
        {
            *ppParent = pParent;
            return pState;
        }
        if (const StateBar* pFound = FirstRecordOf(pState->m_arrNestedStates, nBarId, pState, ppParent))
            return pFound;
    }
    return nullptr;
}
} // namespace

bool CExtControlBar::ReadFrameBarState(CFrameWnd* pFrame, LPCTSTR lpszRegKey, LPCTSTR lpszProductKey,
                                       LPCTSTR lpszProfileName)
{
    PendingState& pending = Pending();
    pending.pSite.reset();
    pending.pFrame = nullptr;
    pending.hFrame = nullptr;
    if (!FrameHasProfile(pFrame) || QueryFrameStateOperation(pFrame))
        return false;
    CString sPath;
    CExtCmdManager::BuildRegistryPath(sPath, L"ControlBar", lpszProfileName, lpszRegKey, lpszProductKey);
    pending.pSite.reset(new StateSite(pFrame));
    pending.nRead = ReadStoredState(*pending.pSite, sPath);
    pending.pFrame = pFrame;
    pending.hFrame = pFrame->GetSafeHwnd();
    return pending.nRead > 0;
}

void CExtControlBar::PlaceNewBarByReadState(CExtControlBar* pBar, CREATESTRUCT& cs)
{
    CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(cs.hwndParent));
    if (pBar == nullptr || IsContainer(pBar) || !IsPendingFor(pFrame) || Pending().nRead <= 0)
        return;
    if (CExtDockBar* pDockBar = Pending().pSite->DockBarOfNewBar((UINT)(UINT_PTR)cs.hMenu))
    {
        // Made for the frame, in its dock bar: its command owner is the frame (CControlBar::DecideCommandOwner).
        pBar->m_pDockSite = pFrame;
        cs.hwndParent = pDockBar->GetSafeHwnd();
        Pending().pNewBar = pBar;
        Pending().pNewBarDockBar = pDockBar;
    }
}

void CExtControlBar::DockNewBarByReadState(CExtControlBar* pBar)
{
    PendingState& pending = Pending();
    if (pBar == nullptr || pending.pNewBar != pBar)
        return;
    CExtDockBar* pDockBar = pending.pNewBarDockBar;
    pending.pNewBar = nullptr;
    pending.pNewBarDockBar = nullptr;
    if (pBar->GetSafeHwnd() == nullptr || pBar->m_pDockBar != nullptr)
        return;
    pDockBar->DockNewChildBar(pBar);
}

bool CExtControlBar::LoadFrameBarState(CFrameWnd* pFrame, LPCTSTR lpszRegKey, LPCTSTR lpszProductKey,
                                       LPCTSTR lpszProfileName, WINDOWPLACEMENT* pFrameWp)
{
    if (!FrameHasProfile(pFrame))
        return false;
    std::unique_ptr<StateSite> pSite;
    int nRead = 0;
    if (IsPendingFor(pFrame))
    {
        pSite = std::move(Pending().pSite);
        nRead = Pending().nRead;
        Pending().pFrame = nullptr;
        Pending().hFrame = nullptr;
    }
    else
    {
        CString sPath;
        CExtCmdManager::BuildRegistryPath(sPath, L"ControlBar", lpszProfileName, lpszRegKey, lpszProductKey);
        pSite.reset(new StateSite(pFrame));
        nRead = ReadStoredState(*pSite, sPath);
    }
    return nRead > 0 && ApplyReadState(*pSite, pFrameWp);
}

CExtDockBar* CExtControlBar::InternalDockStateSite::DockBarOfNewBar(UINT nBarId)
{
    UINT nDockBarId = 0;
    UINT nCircle = 0;
    for (INT_PTR i = 0; i < m_pDockState->m_arrBarInfo.GetSize() && nDockBarId == 0; i++)
    {
        const CControlBarInfo* pInfo = static_cast<const CControlBarInfo*>(m_pDockState->m_arrBarInfo[i]);
        if (!pInfo->m_bDockBar || pInfo->m_bFloating || !IsEdgeDockBarId(pInfo->m_nBarID))
            continue;
        for (INT_PTR n = 0; n < pInfo->m_arrBarID.GetSize() && nDockBarId == 0; n++)
            if (pInfo->m_arrBarID[n] == nBarId)
                nDockBarId = pInfo->m_nBarID;
    }
    if (nDockBarId == 0)
    {
        // A top-level record within the circles DropInapplicable keeps.
        const StateBar* pParent = nullptr;
        const StateBar* pState = FirstRecordOf(m_arrBarStates, nBarId, nullptr, &pParent);
        int nTopBars = 0;
        for (INT_PTR i = 0; i < m_arrBarStates.GetSize(); i++)
            if (m_arrBarStates[i]->GetKind() != 0 && m_arrBarStates[i]->GetKind() <= StateBar::kKindTabContainer)
                nTopBars++;
        if (pState == nullptr || pParent != nullptr || !IsEdgeDockBarId(pState->m_nDockBarId) ||
            pState->m_nCircle < 0 || pState->m_nCircle > nTopBars)
            return nullptr;
        nDockBarId = pState->m_nDockBarId;
        nCircle = (UINT)pState->m_nCircle;
    }
    if (!SetupFrameDocking(m_pFrame))
        return nullptr;
    return CExtDockBar::FindCircleDockBar(m_pFrame, nCircle, nDockBarId, true);
}
