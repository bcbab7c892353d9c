// CExtControlBar's docking state kept: the per-frame operation guard, the save to the registry, the archive form of
// a frame's state both ways, and the apply of a state read (the read itself: ExtControlBarStateRead.cpp).
#include "toolkit/docking/ExtControlBar.h"
#include "platform/Archive.h"
#include "platform/File.h"
#include "platform/FrameWnd.h"
#include "toolkit/docking/ExtControlBarStateSteps.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"
#include "toolkit/foundation/ExtCmdManager.h"

using dockstate::FrameHasProfile;
using dockstate::ReapplyTopPlacement;

namespace
{
typedef CExtControlBar::InternalDockStateSite StateSite;

// Runs the step as the frame's one state operation (bLoad: a load): false when another one runs or the step throws.
template <class Step> bool RunFrameStateOperation(CFrameWnd* pFrame, bool bLoad, Step step)
{
    if (!CExtControlBar::RegisterFrameStateOperation(pFrame, bLoad))
        return false;
    bool bResult = false;
    try
    {
        bResult = step();
    }
    catch (CException* e)
    {
        e->Delete();
        bResult = false;
    }
    CExtControlBar::UnregisterFrameStateOperation(pFrame);
    return bResult;
}
} // namespace

CMap<CFrameWnd*, CFrameWnd*, WORD, WORD> CExtControlBar::g_mapFrameStateOperations(10);

// ---- the operation guard ------------------------------------------------------------------------------

bool CExtControlBar::RegisterFrameStateOperation(CFrameWnd* pFrame, bool bLoad)
{
    WORD wValue = 0;
    if (pFrame == nullptr || g_mapFrameStateOperations.Lookup(pFrame, wValue))
        return false;
    g_mapFrameStateOperations.SetAt(pFrame, bLoad ? 1 : 0);
    return true;
}

void CExtControlBar::UnregisterFrameStateOperation(CFrameWnd* pFrame) { g_mapFrameStateOperations.RemoveKey(pFrame); }

bool CExtControlBar::QueryFrameStateOperation(CFrameWnd* pFrame, bool* pbLoad)
{
    WORD wValue = 0;
    if (pFrame == nullptr || !g_mapFrameStateOperations.Lookup(pFrame, wValue))
        return false;
    if (pbLoad != nullptr)
        *pbLoad = wValue != 0;
    return true;
}

// ---- registry and archive entry points ----------------------------------------------------------------

bool CExtControlBar::SaveFrameBarState(CFrameWnd* pFrame, LPCTSTR lpszRegKey, LPCTSTR lpszProductKey,
                                       LPCTSTR lpszProfileName, WINDOWPLACEMENT* pFrameWp)
{
    if (!FrameHasProfile(pFrame))
        return false;
    CString sPath;
    CExtCmdManager::BuildRegistryPath(sPath, L"ControlBar", lpszProfileName, lpszRegKey, lpszProductKey);
    try
    {
        CMemFile file(1024);
        bool bSerialized = false;
        {
            CArchive ar(&file, CArchive::store, 4096);
            bSerialized = SerializeFrameBarState(ar, pFrame, pFrameWp);
            ar.Close();
        }
        // An empty or partial archive never replaces the stored state.
        if (!bSerialized)
            return false;
        file.SeekToBegin();
        return CExtCmdManager::RegistryArchiveWrite(file, sPath, HKEY_CURRENT_USER);
    }
    catch (CException* e)
    {
        e->Delete();
        return false;
    }
}

bool CExtControlBar::ApplyReadState(InternalDockStateSite& site, WINDOWPLACEMENT* pFrameWp)
{
    CFrameWnd* pFrame = site.m_pFrame;
    if (pFrame == nullptr || pFrame->GetSafeHwnd() == nullptr)
        return false;
    return RunFrameStateOperation(pFrame, true, [&] {
        // A program reads its state as its frame is created: the floating frames show with the frame.
        CExtMiniDockFrameWnd::HoldShowsUntilFirstShow(pFrame);
        const bool bApplied = site.ApplyState(pFrameWp != nullptr);
        if (pFrameWp != nullptr)
            *pFrameWp = site.m_wpFrame;
        return bApplied;
    });
}

bool CExtControlBar::SerializeFrameBarState(CArchive& ar, CFrameWnd* pFrame, WINDOWPLACEMENT* pFrameWp)
{
    if (pFrame == nullptr || pFrame->GetSafeHwnd() == nullptr)
        return false;
    if (ar.IsLoading())
    {
        if (QueryFrameStateOperation(pFrame))
            return false;
        StateSite site(pFrame);
        try
        {
            ReapplyTopPlacement(pFrame);
            site.Serialize(ar);
        }
        catch (CException* e)
        {
            e->Delete();
            return false;
        }
        return ApplyReadState(site, pFrameWp);
    }
    return RunFrameStateOperation(pFrame, false, [&] {
        StateSite site(pFrame);
        site.CaptureState();
        site.Serialize(ar);
        if (pFrameWp != nullptr)
            *pFrameWp = site.m_wpFrame;
        return true;
    });
}
