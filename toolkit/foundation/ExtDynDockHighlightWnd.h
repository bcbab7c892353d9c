// CExtDynDockHighlightWnd: the preview of where a dragged bar lands while the cursor rests on a docking marker: the
// screen under it, tinted by the paint manager (with a tab shape for a centre marker).
#pragma once
#include "platform/Gdi.h"
#include "platform/Wnd.h"

class CExtDynDockMarkerWnd;

class CExtDynDockHighlightWnd : public CWnd
{
public:
    static const wchar_t* const kWndClassName;
    // A highlight of this thickness at least for a side band of the outer set.
    static const int kMinBand = 30;
    // Tab band of a centre preview (half the height when lower than twice this) and the tab's inset and width.
    static const int kTabHeight = 18;
    static const int kTabInset = 8;
    static const int kTabWidth = 36;

    // Creates the shown preview for the marker; no window when no bar is dragged or the type has no preview.
    explicit CExtDynDockHighlightWnd(CExtDynDockMarkerWnd* pMarker);
    ~CExtDynDockHighlightWnd() override;

    // The screen rectangle of the preview of a marker (empty: none).
    static CRect CalcPreviewRect(const CExtDynDockMarkerWnd* pMarker);
    // The body and tab rectangles of a centre preview of the given client size.
    static void CalcTabShape(const CSize& size, CRect& rcBody, CRect& rcTab);

    void DoPaint(CDC& dc);

protected:
    CExtDynDockMarkerWnd* m_pMarker; // not owned
    CBitmap m_bmpPreview;            // owned: the captured screen with the preview over it
    COLORREF* m_pPixels;             // the bitmap's pixels

    void CaptureScreen(const CRect& rcScreen);
    // Shapes the window (at rcScreen) to leave out every shown marker window, so that the markers stay in sight and
    // under the pointer whatever the window order.
    void ExcludeMarkers(const CRect& rcScreen);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()
};
