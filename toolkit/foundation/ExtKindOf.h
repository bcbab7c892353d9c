// CExtKindOf: what the painters and the paint-manager holder ask about the higher toolkit objects they paint or serve
// for (what kind a CObject is, where a bar is docked, what a tool bar or a menu holds). Its source is foundation's only
// reach into the higher folders; everything else in foundation sees those classes as forward declarations.
#pragma once
#include "platform/Geometry.h"

class CObject;
class CWnd;
class CDC;
class CControlBar;
class CExtBarButton;
class CExtTabWnd;

class CExtKindOf
{
public:
    // ---- kinds: each answers false for null --------------------------------------------------------
    static bool IsControlBar(const CObject* p);          // any toolkit control bar
    static bool IsToolBar(const CObject* p);             // a tool bar, the menu and panel bars included
    static bool IsMenuBar(const CObject* p);             // the frame's menu bar
    static bool IsPanelBar(const CObject* p);            // a panel bar (a tool bar holding child windows)
    static bool IsStatusBar(const CObject* p);           // the toolkit's status bar
    static bool IsBarButton(const CObject* p);           // a tool-bar button, separators and the chevron included
    static bool IsContentExpandButton(const CObject* p); // a tool bar's content-expand (chevron) button
    static bool IsBarColorButton(const CObject* p);      // a tool-bar button that picks a colour
    static bool IsAutoHideSlider(const CObject* p);      // the window that slides an auto-hidden bar out
    static bool IsDockOuterBar(const CObject* p);        // a frame-side dock bar of tool bars
    static bool IsMiniDockFrame(const CObject* p);       // the toolkit's floating frame of bars
    static bool IsNcAreaMenuButton(const CObject* p);    // a bar caption's menu button
    static bool IsPopupMenu(const CObject* p);           // a popup menu window
    static bool IsTabWnd(const CObject* p);              // any tab window
    static bool IsDynTabWnd(const CObject* p);           // the tab strip of a tabbed bar container
    static bool IsAutoHideArea(const CObject* p);        // the tab strip of auto-hidden bars at a frame side

    // ---- bar placement (CExtControlBar's answers) ------------------------------------------------
    static bool IsFloating(const CControlBar* pBar);
    static bool IsDocked(const CControlBar* pBar);
    static bool IsDockedVertically(const CControlBar* pBar);
    static bool IsDockedHorizontally(const CControlBar* pBar);

    // ---- the bar drag (CExtControlBar's drag state) ----------------------------------------------------
    // The bar being dragged, NULL when none.
    static CWnd* DraggedBar();
    // The bar's stored docked width (cx, left and right sides) and height (cy, top and bottom sides).
    static CSize DockedExtents(CWnd* pBar);
    // Steps the bar's last drag point so that a move to the same point is looked at again.
    static void StepDragPoint(CWnd* pBar);

    // ---- tool bars and their buttons --------------------------------------------------------------
    // The tool bar's flags tested against its panel-mode flag (set by panel bars); false for other objects.
    static bool IsPanelModeToolBar(const CObject* p);
    // The tool bar's flag 0x04 (the band gradient where no dock bar decides it); false for other objects.
    static bool HasToolBarFlagBit2(const CObject* p);
    // The bar a button (or chevron) belongs to; null for a detached button or another object.
    static CControlBar* BarOfButton(const CObject* p);
    static CControlBar* BarOfButton(const CExtBarButton* pButton);
    static CObject* AsObject(CExtBarButton* pButton);
    static CRect ButtonRect(const CExtBarButton* pButton);
    static bool IsSeparatorButton(const CExtBarButton* pButton);
    // Paints the button-group backgrounds of the tool bar holding pChild into the child's client
    // (bClientMapping) or window DC; false when there are none.
    static bool PaintToolBarGroupBackgrounds(CDC& dc, CWnd* pChild, bool bClientMapping = true);

    // ---- tab windows and menus -------------------------------------------------------------------
    // The object as a tab window; null for another object.
    static CWnd* AsTabWnd(CObject* p);
    // The tab window's style bits; 0 for another object.
    static DWORD TabWndStyle(const CObject* p);
    static DWORD TabWndStyle(const CExtTabWnd* pTabWnd);
    // Whether the object is the MDI tab window of its frame.
    static bool IsMdiTabWindow(const CObject* p);
    // The icon-box width of a popup menu's last item; 0 when it has none or p is no menu.
    static int LastMenuItemIconAreaWidth(const CObject* p);
};
