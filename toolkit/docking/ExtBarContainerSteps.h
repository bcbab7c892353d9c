// Steps shared by the docking operations that put a bar into a new container in its place (a tab group, a split
// container): whether a bar object still exists, letting go of a container that could not be made, and the
// container taking over the bar's docking sizes.
#pragma once

class CExtControlBar;
class CFrameWnd;

namespace barcontainer
{

// Whether the bar object still exists (bars leave the registry when deleted).
bool IsRegisteredBar(const CExtControlBar* pBar);

// Lets go of a container whose creation failed: a window that was made and failed has already deleted its object;
// a live window is destroyed; an object left with a dead handle detaches it and is deleted.
void DisposeUnmade(CExtControlBar* pContainer);

// The container docks at pSite on any side and takes the bar's docked and floating sizes.
void TakeOverSizes(CExtControlBar* pContainer, const CExtControlBar* pBar, CFrameWnd* pSite);

} // namespace barcontainer
