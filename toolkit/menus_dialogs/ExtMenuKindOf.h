// CExtMenuKindOf: what the popup menus, the themed controls and the resizable windows ask about the bars above them
// (what kind a window is, where a bar is docked, which tool-bar button tracks a menu, the bars' registered messages and
// frame services, the bars a dialog holds, the toolkit colour dialog). Its source is the only file of menus_dialogs that includes higher folders.
#pragma once
#include "platform/Geometry.h"

class CObject;
class CWnd;
class CControlBar;
class CExtBarButton;

class CExtMenuKindOf
{
public:
    // ---- kinds: each answers false for null --------------------------------------------------------
    static bool IsToolBar(const CObject* p);       // a toolkit tool bar, the menu and panel bars included
    static bool IsMiniDockFrame(const CObject* p); // the toolkit's floating frame of bars

    // ---- bar placement (CExtControlBar's answers) ------------------------------------------------
    static bool IsDocked(const CControlBar* pBar);
    static bool IsFloating(const CControlBar* pBar);
    // The id of the dock bar holding the bar (AFX_IDW_DOCKBAR_TOP ... _BOTTOM), AFX_IDW_DOCKBAR_FLOAT otherwise.
    static UINT DockBarId(const CControlBar* pBar);

    // ---- tool bars -------------------------------------------------------------------------------
    // The flag set while a tool bar drives its buttons' menus, and closing those menus.
    static bool IsToolBarMenuTracking();
    static void SetToolBarMenuTracking(bool bOn);
    static void CloseToolBarMenus();
    // The client rectangle of the button whose menu the tool bar tracks; false for another object or no such button.
    static bool TrackedButtonRect(const CObject* pBar, CRect& rc);
    // The frame of the bar a button belongs to; null for a detached button or a bar without a window.
    static CWnd* FrameOfButton(const CExtBarButton* pButton);

    // ---- the bars' registered messages and frame services ---------------------------------------
    static UINT MsgPutToPopupMenu();    // CExtControlBar::g_nMsgPutToPopupMenu
    static UINT MsgContinueTrackMenu(); // CExtToolControlBar::g_nMsgContinueTrackMenu
    static void SetFrameMessageString(CWnd* pWnd, UINT nID);
    static bool IsFrameInHelpMode(CWnd* pWnd);

    // ---- bars inside resizable windows -----------------------------------------------------------
    // True when the window's object is a control bar or an auto-hidden bar's slider, whose key handling a dialog
    // inside it lets go first.
    static bool IsKeyHandlingBarHost(const CObject* p);
    // Offers the message to each child control bar of pWnd; true at the first that takes it.
    static bool PreTranslateChildBars(CWnd* pWnd, MSG* pMsg);
    // Runs the command-UI update of each child control bar of pWnd.
    static void UpdateChildBarsCmdUI(CWnd* pWnd);

    // ---- the colour dialog of the extra controls -------------------------------------------------
    // Runs the toolkit colour dialog modally, owned by pParent, with clrInit as its initial and new colour; true
    // after OK with the chosen colour in clrNew, false (clrNew untouched) otherwise.
    static bool RunColorDialog(CWnd* pParent, COLORREF clrInit, COLORREF& clrNew);
};
