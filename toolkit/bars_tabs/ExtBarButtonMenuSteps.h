// Steps shared by the bar buttons that drop a popup down (menu buttons, colour and undo/redo buttons): the floating
// bar's frame brought to the top, the track flags, tracking the popup against the button, and the popup put into
// another menu as a sub-menu.
#pragma once
#include "platform/Geometry.h"
#include "toolkit/menus_dialogs/ExtPopupInplaceListBox.h"

class CExtCmdIcon;
class CExtPopupListBoxMenuWnd;
class CExtPopupMenuWnd;
class CExtToolControlBar;
class CString;
class CWnd;

namespace barmenu
{

// Brings the frame of a floating bar to the top without activating it; a docked bar is left alone.
void BringFloatingFrameToTop(CExtToolControlBar* pBar);

// The track flags of a button's popup: the button's alignment, combined with the button and owner-drawn; any item
// selected when bSelectFirst, all items while the keyboard tracks the bars, no animation when bNoAnimation.
UINT TrackFlags(UINT nAlignment, bool bSelectFirst, bool bNoAnimation);

// Tracks the popup from the centre of rcExclude (screen), the bar painting the button as tracked. On failure the
// popup is deleted, the tracking menus close and the answer is (UINT)-1; else the bars are marked as tracking a menu,
// button nIndex as the tracked one while the bar window hWndBar lives, and the answer is 0.
UINT TrackAgainstButton(CExtPopupMenuWnd* pPopup, UINT nFlags, const CRect& rcExclude, CExtToolControlBar* pBar,
                        HWND hWndBar, int nIndex);

// The icon's handle for a menu item; NULL for no icon or an empty one.
HICON MenuIconOf(CExtCmdIcon* pIcon);

// Puts pSub at the end of pPopup as a sub-menu with the text and icon; on failure deletes pSub and answers false.
bool InsertSubMenu(CExtPopupMenuWnd* pPopup, CExtPopupMenuWnd* pSub, const CString& sText, HICON hIcon);

// The list popup of a button with a drop-down list: its four callbacks, all with pCookie, the list's size, and the
// popup created for the target window; on failure deletes the popup and answers false.
bool CreateListPopup(CExtPopupListBoxMenuWnd* pPopup, LPVOID pCookie,
                     CExtPopupInplaceListBox::ContentCallback_t pfnContent,
                     CExtPopupInplaceListBox::SelectionCallback_t pfnSelection,
                     CExtPopupInplaceListBox::DrawCallback_t pfnDraw,
                     CExtPopupInplaceListBox::MeasureCallback_t pfnMeasure, CSize sizeList, CWnd* pTarget);

} // namespace barmenu
