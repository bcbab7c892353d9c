// CExtDynDockMarkerWnd: a region-shaped top-most window that shows one docking marker while a bar is dragged, the
// process-wide marker sets (the outer set around the frame, the per-target set around the view or a bar) and their
// common parent window. Sources: ExtDynDockMarkerWnd.cpp (windows, hover, highlights, sets), and, in docking,
// ExtDynDockMarkerSets.cpp (building the sets around a frame's view and bars).
#pragma once
#include "platform/Collections.h"
#include "platform/Gdi.h"
#include "platform/Wnd.h"

class CFrameWnd;
class CExtControlBar;
class CExtDynDockHighlightWnd;

class CExtDynDockMarkerWnd : public CWnd
{
    DECLARE_DYNAMIC(CExtDynDockMarkerWnd)
public:
    typedef CArray<CExtDynDockMarkerWnd*, CExtDynDockMarkerWnd*> MarkerArray;

    // Marker types: 0 top, 1 bottom, 2 left, 3 right, 8 centre (tab); others (the centre piece 4 of a cross) are
    // inactive.
    enum : int
    {
        kTypeTop = 0,
        kTypeBottom = 1,
        kTypeLeft = 2,
        kTypeRight = 3,
        kTypeCentre = 8
    };
    enum : UINT_PTR
    {
        kTimerHover = 77 // watches the cursor and the target every 50 ms
    };
    static const wchar_t* const kWndClassName;

    // Creates a hidden top-most popup at the rectangle (screen coordinates), owned by the marker parent window and
    // shaped by hRgn, and takes ownership of both bitmaps and the region, whether or not the window could be
    // created; the object has a window handle only when creation worked.
    CExtDynDockMarkerWnd(HWND hWndTarget, int eMarkerType, HBITMAP hBmpHover, HBITMAP hBmpNormal, HRGN hRgn, int nLeft,
                         int nTop, int nRight, int nBottom);
    ~CExtDynDockMarkerWnd() override;

    int GetMarkerType() const { return m_eMarkerType; }
    // The drag target kind the marker stands for: 14..17 without a target, 18..21 around the view, 22..25 around a
    // bar, 26 the centre of a bar; 0 for an inactive marker or a centre without a bar.
    int GetMarkerKind() const;
    bool IsActiveMarker() const;
    HWND GetTargetWnd() const { return m_hWndTarget; }
    HBITMAP GetHoverBitmap() const { return (HBITMAP)m_bmpHover.GetSafeHandle(); }
    HBITMAP GetNormalBitmap() const { return (HBITMAP)m_bmpNormal.GetSafeHandle(); }
    // 0 initial, 1 cursor over the marker, 2 not.
    int GetHoverState() const { return m_nHoverState; }
    CExtDynDockHighlightWnd* GetHighlight() const { return m_pHighlight; }
    // Creates (first hiding every other marker's highlight) or destroys the preview of this marker; false when it
    // cannot be created.
    bool ShowHighlight(bool bShow);

    // The hover image while the cursor is over the marker, else the normal one, at the client origin.
    void DoPaint(CDC& dc);
    BOOL DestroyWindow() override;

    // ---- the process-wide sets --------------------------------------------------------------------
    static MarkerArray g_arrOuterSet;
    static MarkerArray g_arrTargetSet;
    // The window the per-target set was built around, NULL for none.
    static HWND g_hWndTargetSet;
    // The invisible owner of every marker and highlight window, created on first need; NULL when it cannot be.
    static HWND GetMarkerParent();

    // Destroys and deletes every marker window of the array and empties it.
    static void DestroyMarkerSet(MarkerArray& arrMarkers);
    static void ShowMarkerSet(MarkerArray& arrMarkers, bool bShow);
    // Destroys the highlights of every marker of both sets except pExcept.
    static void HideHighlights(CExtDynDockMarkerWnd* pExcept, bool bPump);
    static void ShowBothSets(bool bShow);
    // Both sets, the marker parent window and the per-target window.
    static void DestroyAll();
    // The four outer markers around the area left for the frame's view (built in docking).
    static void BuildOuterSet(CFrameWnd* pFrame, bool bShow);
    // The set around the view or the bar under the cursor (built in docking).
    static void UpdateTargetSet(CFrameWnd* pFrame, bool bShow);
    // The innermost plain bar or tab group under the screen point inside a container; NULL for none.
    static CExtControlBar* FindBarInContainer(CExtControlBar* pContainer, int x, int y);
    // Registers a marker-family window class (default procedure, arrow cursor, no background) unless it exists.
    static bool RegisterMarkerClass(const wchar_t* pszClassName);
    // Whether any marker window exists; without one no point can be over a marker, and the window under a point
    // (a round trip to the window server) need not be asked.
    static bool HasMarkerWindows();
    // The shown marker of either set whose shape holds the screen point: an active marker before an inactive piece
    // under or over it, else the one highest in the window order; NULL for none. Only marker windows are looked
    // at, so a preview, a floating frame or any other window over the marker never hides it.
    static CExtDynDockMarkerWnd* MarkerFromPoint(const POINT& ptScreen);
    // Whether the window is one of the marker windows.
    static bool IsMarkerWindow(HWND hWnd);

protected:
    CExtDynDockHighlightWnd* m_pHighlight; // owned
    HWND m_hWndTarget;
    int m_eMarkerType;
    CBitmap m_bmpHover;  // owned
    CBitmap m_bmpNormal; // owned
    HRGN m_hRgn;         // owned until the window takes it
    int m_nHoverState;
    bool m_bCounted; // the window is in the count of marker windows

    void PostNcDestroy() override;

    void OnHoverTimer();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()
};
