// The few questions and calls the dock bars put to the tab groups and auto-hide areas, which live
// a layer above; only ExtDockTabGroupLink.cpp reaches up.
#pragma once

class CWnd;
class CExtControlBar;
class CExtDynControlBar;
class CExtDynAutoHideArea;
class CExtDynTabControlBar;

namespace ExtDockTabGroupLink
{
// Whether pWnd is the inner dock bar of a tab group (a CExtDockDynTabBar).
bool IsTabGroupDockBar(const CWnd* pWnd);
// Whether pWnd is a tab group bar (a CExtDynTabControlBar).
bool IsTabGroupBar(const CWnd* pWnd);
// A new plain tab group object without a window; the window deletes it when destroyed.
CExtDynControlBar* NewTabGroupBar();
// The tab group as the container it is (NULL for NULL).
CExtDynControlBar* AsContainer(CExtDynTabControlBar* pTabs);
// Docks pBar into the tab group pGroup as a tab at nIndex (-1 the end).
void InsertIntoTabGroup(CExtDynControlBar* pGroup, CExtControlBar* pBar, int nIndex, bool bRecalc);
// Restores the fixed sibling order of the frame's auto-hide areas (pArea may be NULL).
void AdjustAutoHideOrder(CExtDynAutoHideArea* pArea);
} // namespace ExtDockTabGroupLink
