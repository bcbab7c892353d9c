// CExtDockingKindOf: what the docking classes ask about the tab containers, auto-hide areas and tool bars above them.
// Its source is the only file of docking that includes the higher folders.
#pragma once

class CObject;
class CWnd;
class CControlBar;
class CExtControlBar;
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

    // ---- auto-hide areas and tool bars -----------------------------------------------------------
    static void AppendToAutoHideArea(CExtDynAutoHideArea* pArea, CExtControlBar* pBar, bool bAnimate);
    static void RemoveFromAutoHideArea(CExtDynAutoHideArea* pArea, CExtControlBar* pBar, bool bAnimate);
    // Cancels the menus a tool bar drives.
    static void CloseToolBarMenus();
};
