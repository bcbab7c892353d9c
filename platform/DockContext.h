// The dock context of a bar: dragging it with an outline to dock or float it, resizing a floating
// bar, toggling between its last docked place and its last floating place.
#pragma once
#include "platform/Geometry.h"
#include <vector>

class CControlBar;
class CDockBar;
class CFrameWnd;

class CDockContext
{
public:
    explicit CDockContext(CControlBar* pBar);
    virtual ~CDockContext();

    // Drags the bar from the screen point pt until the left button is released: over a dock bar
    // whose side the bar may dock on it docks there, elsewhere (or with Ctrl held) it floats.
    // Esc, the right button or a lost capture leave it where it was.
    virtual void StartDrag(CPoint pt);
    // Resizes a floating CBRS_SIZE_DYNAMIC bar through the nHitTest border of its frame.
    virtual void StartResize(int nHitTest, CPoint pt);
    // Floating: docks the bar back at its last docked place; docked: floats it at its last
    // floating place.
    virtual void ToggleDocking();
    // Around a move of the bar's floating frame that may dock the bar on its way (a live drag): when the bar
    // floats again at its end, its last docked place stays the one it had before, its placeholder included.
    void BeginFloatingMove();
    void EndFloatingMove();

    CControlBar* m_pBar;         // the bar (owns this context)
    CFrameWnd* m_pDockSite;      // the frame it docks in
    UINT m_uMRUDockID = 0;       // the dock bar it was docked in last
    CRect m_rectMRUDockPos;      // its rectangle there (dock-bar client coordinates)
    DWORD m_dwMRUFloatStyle = 0; // its alignment when it floated last
    CPoint m_ptMRUFloatPos;      // where its floating frame was last (-1,-1 unknown)

protected:
    // The dock bar of the dock site under rect that the bar may dock in, or NULL.
    CDockBar* FindDockBar(const CRect& rectHorz, const CRect& rectVert) const;
    // The first dock bar of the dock site whose side the bar may dock on (top, bottom, left, right).
    CDockBar* FirstAllowedDockBar() const;
    void DrawOutline(const CRect& rect, BOOL bThick);
    // Runs the capture loop; pfnMove gets every cursor position. TRUE when the button was released.
    BOOL Track(CPoint ptStart, CPoint& ptEnd, void (CDockContext::*pfnMove)(CPoint));
    void OnDragMove(CPoint pt);
    void OnResizeMove(CPoint pt);
    CSize ResizedSize(CPoint pt, BOOL bCommit);

    // Drag state
    CPoint m_ptLast;
    CRect m_rectDragHorz;  // the bar docked horizontally
    CRect m_rectDragVert;  // docked vertically
    CRect m_rectFrameDrag; // floating (its frame's window rectangle)
    CRect m_rectShown;     // outline now on the screen
    BOOL m_bShownThick = FALSE;
    BOOL m_bOutline = FALSE;
    CDockBar* m_pOverDockBar = nullptr;
    // Resize state
    int m_nHitTest = 0;
    CPoint m_ptStart;
    CRect m_rectFrameStart;
    CSize m_sizeBarStart;
    // Floating move state: the docked place kept, the dock bar holding the bar's placeholder and its entries
    BOOL m_bMoveKept = FALSE;
    UINT m_uKeptDockID = 0;
    CRect m_rectKeptDockPos;
    HWND m_hKeptDockBar = nullptr;
    std::vector<void*> m_arrKeptBars;
};
