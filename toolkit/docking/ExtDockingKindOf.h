// CExtDockingKindOf: what the docking classes ask about the tab containers, auto-hide areas and tool bars above them.
// Its source is the only file of docking that includes the higher folders.
#pragma once
#include "platform/Collections.h"

#include "platform/Core.h"

class CObject;
class CWnd;
class CFrameWnd;
class CControlBar;
class CExtControlBar;
class CExtDynControlBar;
class CExtDynTabControlBar;
class CExtDynAutoHideArea;

class CExtDockingKindOf
{
public:
    // ---- kinds: each answers false for null --------------------------------------------------------
    static bool IsDockDynTabBar(const CObject* p);    // the inner dock bar of a tabbed group of bars
    static bool IsDynTabControlBar(const CObject* p); // the container bar holding bars as tabs

    // ---- tab containers --------------------------------------------------------------------------
    // The window as a tab container; null for another window.
    static CExtDynTabControlBar* AsDynTabControlBar(CWnd* pWnd);
    // The container as the control bar it is.
    static CExtControlBar* AsControlBar(CExtDynTabControlBar* pTabs);
    // The bar of the container's selected tab; null for another object or no selection.
    static CControlBar* SelectedBarOf(CObject* p);
    // Selects the member's tab in its container; nothing when the member has no tab there.
    static void SelectTabOf(CExtDynTabControlBar* pTabs, const CExtControlBar* pMember);
    // A new tab container without a window; its window deletes it when destroyed.
    static CExtDynControlBar* NewTabContainer();
    // The tab container as the dynamic container it is (null for null).
    static CExtDynControlBar* AsDynControlBar(CExtDynTabControlBar* pTabs);
    // Docks pBar into the tab container pGroup as a tab at nIndex (-1 the end); nothing for another container.
    static void InsertIntoTabContainer(CExtDynControlBar* pGroup, CExtControlBar* pBar, int nIndex, bool bRecalc);
    // Shows or hides the member's tab after the member was shown or hidden.
    static void ShowTabOf(CExtDynTabControlBar* pTabs, CExtControlBar* pMember);
    // The index of the member's tab in the container's strip (temporary tabs skipped); -1 without a tab there or
    // for another object.
    static int TabOrderOf(CObject* pContainer, const CExtControlBar* pMember);

    // ---- tab groups during a drag (pContainer is a tab container; other bars get the neutral answer) ----------
    // Whether the group's tab strip window is visible.
    static bool IsTabStripVisible(CExtControlBar* pContainer);
    // The tab strip's window rectangle; empty without a strip.
    static void GetTabStripRect(CExtControlBar* pContainer, RECT& rcScreen);
    static int TabIndexAtScreen(CExtControlBar* pContainer, int x, int y);
    static void RemoveTemporaryTabs(CExtControlBar* pContainer);
    static void InsertTemporaryTab(CExtControlBar* pContainer, CExtControlBar* pBar, int nIndex);
    static void InvalidateTabStrip(CExtControlBar* pContainer);
    // The group remembers the member's tab index when its drag starts; a cancelled drag puts the tab back there,
    // selects it and focuses the member.
    static void RememberTabIndex(CExtDynTabControlBar* pTabs, const CExtControlBar* pMember);
    static void RestoreTabIndex(CExtDynTabControlBar* pTabs, CExtControlBar* pMember, bool bCancel);

    // ---- auto-hide areas and tool bars -----------------------------------------------------------
    static void AppendToAutoHideArea(CExtDynAutoHideArea* pArea, CExtControlBar* pBar, bool bAnimate);
    static void RemoveFromAutoHideArea(CExtDynAutoHideArea* pArea, CExtControlBar* pBar, bool bAnimate);
    // Appends the bar ids of the area's tabs that are current in their runs, in tab order.
    static void CollectAutoHideCurrentIds(CExtDynAutoHideArea* pArea, CArray<UINT, UINT>& arrIds);
    // Makes the bar's tab the current one of its run (nothing without an area or a tab).
    static void MarkAutoHideTabCurrent(CExtDynAutoHideArea* pArea, CExtControlBar* pBar);
    // Whether the auto-hide slider shows the bar, and whether the focus is inside it.
    static void QueryAutoHideSlider(const CExtControlBar* pBar, bool* pbShown, bool* pbActive);
    // The auto-hide slider window while it is visible and shows the bar, else null; pRcCaption (optional) receives
    // the slider's caption strip in its window coordinates (empty without a slider).
    static CWnd* AutoHideSliderShowing(const CExtControlBar* pBar, RECT* pRcCaption = nullptr);
    // Slides in the bar the frame's auto-hide slider shows, if any.
    static void CloseAutoHideSlider(CFrameWnd* pFrame);
    // Selects the bar's tab in the area (null: the area that lists the bar), which slides the bar out; answers the
    // area's slider (null without one).
    static CWnd* SelectAutoHideTab(CExtDynAutoHideArea* pArea, CExtControlBar* pBar);
    // After the bar's text changed: the area that lists it measures its tabs again, and a visible slider repaints
    // its non-client area.
    static void UpdateAutoHideTab(CExtControlBar* pBar);
    // The auto-hide tab of a member of an auto-hidden group shows while the member is shown (visible inside its
    // hidden group) and hides while it is closed.
    static void FollowAutoHideTabOf(CExtControlBar* pMember);
    // Restores the fixed sibling order of all the frame's auto-hide areas (pArea, any one of them, may be null);
    // false when pArea is null or has no window.
    static bool AdjustAutoHideOrder(CExtDynAutoHideArea* pArea);
    // Cancels the menus a tool bar drives.
    static void CloseToolBarMenus();
    // A tool bar with bit 1 of its own flags set: its floating frame's borders act as the caption.
    static bool IsToolBarWithoutBorderSizing(const CObject* p);
};
