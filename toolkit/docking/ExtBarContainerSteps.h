// Steps shared by the docking operations that put a bar into a new container in its place (a tab group, a split
// container): whether a bar object still exists, letting go of a container that could not be made, the container
// taking over the bar's docking sizes, and the sizes a bar takes out of a container to a frame side.
#pragma once

#include "platform/Geometry.h"

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

// The bar's thickness docked at a frame side: across a top or bottom row (bHorz) or across a left or right one. A bar
// inside a container holds its share of the container's rows in its docked sizes; the outermost container holding
// it keeps the thicknesses its place has at the sides, and those count.
int SideThickness(const CExtControlBar* pBar, bool bHorz);

// The frame's client area left over for the view, screen.
CRect ViewArea(CFrameWnd* pFrame);

// SideThickness at most three quarters of the view's extent across the side (the view keeps a quarter).
int SideThicknessInView(const CExtControlBar* pBar, bool bHorz, const CRect& rcView);

// A bar about to be docked at the side (a top or bottom one: bHorz) of pFrame takes the thickness of
// SideThicknessInView as its own.
void FitThicknessToSide(CExtControlBar* pBar, bool bHorz, CFrameWnd* pFrame);

// A bar leaving its container for a frame side or a floating frame takes the side thicknesses of SideThickness as its
// own; a bar in no container keeps its sizes.
void TakeSideThicknesses(CExtControlBar* pBar);

} // namespace barcontainer
