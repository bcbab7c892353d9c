// Steps shared by the parts of CExtControlBar's docking state (store, read-ahead, capture, apply, the frame's dock
// state): the frame's bars, what a container or an edge dock bar is, whether the frame has a command profile, and the
// top-level window's placement set again before a state is read.
#pragma once

#include <windows.h>
#include <vector>

class CControlBar;
class CFrameWnd;
class CObject;

namespace dockstate
{

// The frame's bars, in its list's order.
std::vector<CControlBar*> FrameBars(CFrameWnd* pFrame);

// Whether the object is a bar container (a split container or a tab group).
bool IsContainer(const CObject* p);

// Whether the id is one of the four edge dock bars'.
bool IsEdgeDockBarId(UINT nID);

// Whether the frame has a command profile, which its stored state is kept under.
bool FrameHasProfile(CFrameWnd* pFrame);

// The top-level window's placement again, shown without activation or hidden.
void ReapplyTopPlacement(CFrameWnd* pFrame);

} // namespace dockstate
