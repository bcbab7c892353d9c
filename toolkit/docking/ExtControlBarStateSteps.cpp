// Steps shared by the parts of CExtControlBar's docking state (see ExtControlBarStateSteps.h).
#include "toolkit/docking/ExtControlBarStateSteps.h"
#include "platform/FrameWnd.h"
#include "toolkit/docking/ExtControlBar.h"
#include "toolkit/docking/ExtDynControlBar.h"
#include "toolkit/foundation/ExtCmdManager.h"

namespace dockstate
{

std::vector<CControlBar*> FrameBars(CFrameWnd* pFrame)
{
    std::vector<CControlBar*> bars;
    for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;)
        bars.push_back(pFrame->m_listControlBars.GetNext(pos));
    return bars;
}

bool IsContainer(const CObject* p) { return p != nullptr && p->IsKindOf(RUNTIME_CLASS(CExtDynControlBar)); }

bool IsEdgeDockBarId(UINT nID)
{
    return nID == CExtControlBar::kDockBarTop || nID == CExtControlBar::kDockBarLeft ||
           nID == CExtControlBar::kDockBarRight || nID == CExtControlBar::kDockBarBottom;
}

bool FrameHasProfile(CFrameWnd* pFrame)
{
    if (pFrame == nullptr || pFrame->GetSafeHwnd() == nullptr)
        return false;
    LPCTSTR pszProfile = g_CmdManagerHolder->FindProfileNameForWindow(pFrame->GetSafeHwnd());
    return pszProfile != nullptr && *pszProfile != 0;
}

void ReapplyTopPlacement(CFrameWnd* pFrame)
{
    CWnd* pTop = CExtControlBar::GetTopLevelNonChild(pFrame);
    if (pTop == nullptr)
        return;
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    if (!::GetWindowPlacement(pTop->GetSafeHwnd(), &wp))
        return;
    wp.ptMinPosition = CPoint(0, 0);
    wp.ptMaxPosition = CPoint(0, 0);
    wp.showCmd = (pTop->GetStyle() & WS_VISIBLE) != 0 ? SW_SHOWNA : SW_HIDE;
    ::SetWindowPlacement(pTop->GetSafeHwnd(), &wp);
}

} // namespace dockstate
