// Shared helpers of the themed controls: enabled state, tool-bar tip hit test, the controls' own
// tool tips, hover permission and the registered popup-menu messages the controls pass on to their
// parents.
#pragma once
#include "platform/Wnd.h"

class CToolTipCtrl;

class CExtControlHelpers
{
public:
    // The window's enabled state (the layer hosts no OLE controls, so no design-mode exception).
    static bool IsEnabled(HWND hWnd);
    // Asks the tool bar that is the window's direct parent for the tip at a point of the window's
    // client area. Answers the bar's hit (-1 when none) and its text (empty when none).
    static INT_PTR ToolBarTipHitTest(const CWnd* pWnd, CPoint point, CString& sText);
    // The tip of a tool bar that is the direct parent of pWndOnBar (point in pWndOnBar's client
    // coordinates) becomes the text of a control's own tool tip when that tip is not shown now.
    // pWndOnBar is the control or, for a control's child, the control on the bar.
    static void TakeToolBarTip(const CWnd* pWndOnBar, CPoint point, CToolTipCtrl& tip, CWnd* pWndTool);

    // ---- a control's own tool tip: one tool (id 1) over the whole client area ---------------------
    // Creates the tip window once, inactive.
    static void InitToolTip(CToolTipCtrl& tip, CWnd* pWndTool);
    // Ignored for a null or empty text; cancels a tip the frame shows.
    static void SetToolTipText(CToolTipCtrl& tip, CWnd* pWndTool, LPCTSTR lpszText, bool bActivate);
    // Only when the tip holds its tool.
    static void ActivateToolTip(CToolTipCtrl& tip, bool bActivate);
    // Relays a message to the tip, once it has been made, while no popup menu is tracked.
    static void RelayToolTipEvent(CToolTipCtrl& tip, CWnd* pWndTool, MSG* pMsg);
    // Whether the popup menu chain is open.
    static bool IsMenuTracking();
    // Hover permission as the popup menus grant it.
    static bool IsHoverAllowed(HWND hWnd, HWND hWndActive, bool bCheckEnabled, bool bCheckVisible, bool bCheckNoMenu);
    // Registered under "CExtPopupMenuWnd::<name>": the messages a popup menu sends its receiver.
    static bool IsPopupMenuMessage(UINT message);
    // Invalidates the window and, for a child, the area of its parent behind it (a text or state
    // change of a transparent static).
    static void InvalidateWithParentArea(HWND hWnd);
    // The tool bars' shared menu-tracking flag: set while a tool bar drives its buttons' menus.
    static bool IsToolBarMenuTracking();
    static void SetToolBarMenuTracking(bool bOn);
};
