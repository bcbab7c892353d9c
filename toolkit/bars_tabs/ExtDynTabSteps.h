// Steps shared by the two strips of bars as tabs, a tab group's strip (CExtDynTabWnd) and a frame edge's auto-hide
// area (CExtDynAutoHideArea): the drop target that selects the tab under a drag, the Ctrl+PgUp/PgDn walk, the bars
// context menu and a bar's command icon.
#pragma once
#include "platform/OleSupport.h"
#include <functional>

class CExtCmdIcon;
class CExtControlBar;
class CExtPopupMenuWnd;
class CExtTabWnd;
class CFrameWnd;
class CWnd;

namespace dyntabs
{

// Selects the tab under the client point unless it is selected already; a strip without a window is left alone.
void SelectTabUnder(CExtTabWnd* pTabs, CPoint point);

// A strip's OLE drop target: a drag over a tab selects it; nothing is dropped. TTabs is the owning strip's class.
template <class TTabs> class CSelectingDropTarget : public COleDropTarget
{
public:
    CSelectingDropTarget() : m_pOwner(nullptr) {}
    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override
    {
        return OnDragOver(pWnd, pDataObject, dwKeyState, point);
    }
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override
    {
        (void)pWnd;
        (void)pDataObject;
        (void)dwKeyState;
        SelectTabUnder(m_pOwner, point);
        return DROPEFFECT_NONE;
    }

    TTabs* m_pOwner; // not owned
};

// Whether the message presses Ctrl+PgUp or Ctrl+PgDn, without Shift and Alt.
bool IsCtrlPageKey(const MSG& msg);

// The first tab after the selection (bNext) or before it, once round the strip, that is neither hidden nor temporary
// and that accept takes; -1 when there is none or nothing is selected.
int FindCtrlPageTab(const CExtTabWnd& tabs, bool bNext, const std::function<bool(int)>& accept);

// Opens a strip's bars menu at the cursor. The frame is told before and after the menu is filled (kind nMenuKind,
// from pSource, at point; (-1, -1) stands for the cursor); unless it fills the menu itself, fill adds the items,
// given the frame's command profile (NULL without one). An empty menu is not shown; the frame takes the focus.
void TrackBarsMenu(CFrameWnd* pFrame, WORD nMenuKind, CWnd* pSource, CPoint point,
                   const std::function<void(CExtPopupMenuWnd& popup, LPCTSTR pszProfile)>& fill);

// Sets up the bar's command in the profile with the bar's window text as its menu text; no profile: nothing.
void SetupBarCommand(LPCTSTR pszProfile, CExtControlBar* pBar);

// The icon of the bar's command in the profile of the strip's window; NULL without a window or a profile.
CExtCmdIcon* BarCommandIcon(const CWnd& tabs, CExtControlBar* pBar);

} // namespace dyntabs
