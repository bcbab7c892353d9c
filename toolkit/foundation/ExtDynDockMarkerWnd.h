// CExtDynDockMarkerWnd: a region-shaped top-most window that shows one docking-marker image.
#pragma once
#include "platform/Collections.h"
#include "platform/Gdi.h"
#include "platform/Wnd.h"

class CExtDynDockMarkerWnd : public CWnd
{
    DECLARE_DYNAMIC(CExtDynDockMarkerWnd)
public:
    // Creates a hidden top-most popup at the rectangle (screen coordinates) shaped by hRgn and takes
    // ownership of both bitmaps and the region, whether or not the window could be created; the
    // object has a window handle only when creation worked.
    CExtDynDockMarkerWnd(HWND hWndTarget, int eMarkerType, HBITMAP hBmpHover, HBITMAP hBmpNormal, HRGN hRgn, int nLeft,
                         int nTop, int nRight, int nBottom);
    ~CExtDynDockMarkerWnd() override;

    int GetMarkerKind() const { return m_eMarkerType; }
    HWND GetTargetWnd() const { return m_hWndTarget; }
    HBITMAP GetHoverBitmap() const { return (HBITMAP)m_bmpHover.GetSafeHandle(); }
    HBITMAP GetNormalBitmap() const { return (HBITMAP)m_bmpNormal.GetSafeHandle(); }

    // Paints the normal image at the client origin.
    void DoPaint(CDC& dc);

    // Destroys and deletes every marker window of the array and empties it.
    static void DestroyMarkerSet(CArray<CExtDynDockMarkerWnd*, CExtDynDockMarkerWnd*>& arrMarkers);

protected:
    HWND m_hWndTarget;
    int m_eMarkerType;
    CBitmap m_bmpHover;  // owned
    CBitmap m_bmpNormal; // owned
    HRGN m_hRgn;         // owned until the window takes it

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};
