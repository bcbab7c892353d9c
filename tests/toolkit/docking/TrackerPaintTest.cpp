// Tracker painting into a DIB: bands, frame outlines, tabbed outlines, erasing by painting again,
// and a frame that draws the tracker itself.
#include <gtest/gtest.h>
#include "DockingHost.h"
#include "support/DibCanvas.h"

namespace
{
const COLORREF kBack = RGB(10, 200, 30);

CExtControlBar::TRACKER_PAINT_DATA Record(CDC* pDC, int nMode, const CRect& rc, CExtControlBar* pBar = nullptr)
{
    return CExtControlBar::TRACKER_PAINT_DATA{pBar, pDC, nMode, rc, 0};
}

// Pixels that differ from the background, inside and outside rcIn.
void CountChanged(const DibCanvas& canvas, const CRect& rcIn, int& nInside, int& nOutside)
{
    nInside = nOutside = 0;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
        {
            if (canvas.At(x, y) == kBack)
                continue;
            if (rcIn.PtInRect(CPoint(x, y)))
                ++nInside;
            else
                ++nOutside;
        }
}

class CDrawingFrame : public CDockingHostFrame
{
public:
    int m_nOffers = 0;

protected:
    afx_msg LRESULT OnDrawTracker(WPARAM wParam, LPARAM lParam)
    {
        (void)lParam;
        ++m_nOffers;
        reinterpret_cast<CExtControlBar::TRACKER_PAINT_DATA*>(wParam)->m_dwFlags |=
            CExtControlBar::TRACKER_PAINT_DATA::kDrawnByFrame;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CDrawingFrame, CDockingHostFrame)
ON_REGISTERED_MESSAGE(CExtControlBar::g_nMsgDrawTackedArea, OnDrawTracker)
END_MESSAGE_MAP()
} // namespace

TEST(TrackerPaint, ABandChangesOnlyItsRectangleAndPaintingTwiceRestoresIt)
{
    DibCanvas canvas(200, 100, kBack);
    const CRect rc(20, 10, 120, 30);
    auto data = Record(&canvas.dc, CExtControlBar::TRACKER_PAINT_DATA::kModeBand, rc);
    CExtControlBar::PaintTracker(data);
    int nIn = 0, nOut = 0;
    CountChanged(canvas, rc, nIn, nOut);
    EXPECT_EQ(nOut, 0);
    EXPECT_EQ(nIn, rc.Width() * rc.Height() / 2); // the halftone pattern inverts every other pixel
    data.m_dwFlags |= CExtControlBar::TRACKER_PAINT_DATA::kErase;
    CExtControlBar::PaintTracker(data);
    CountChanged(canvas, rc, nIn, nOut);
    EXPECT_EQ(nIn + nOut, 0);
}

TEST(TrackerPaint, AFrameOutlineChangesOnlyTheBorderBand)
{
    DibCanvas canvas(200, 120, kBack);
    const CRect rc(20, 10, 180, 100);
    auto data = Record(&canvas.dc, CExtControlBar::TRACKER_PAINT_DATA::kModeFrame, rc);
    CExtControlBar::PaintTracker(data);
    CRect rcInner(rc);
    rcInner.DeflateRect(::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME));
    int nIn = 0, nOut = 0;
    CountChanged(canvas, rc, nIn, nOut);
    EXPECT_EQ(nOut, 0);
    EXPECT_GT(nIn, 0);
    int nInnerChanged = 0, nInnerOut = 0;
    CountChanged(canvas, rcInner, nInnerChanged, nInnerOut);
    EXPECT_EQ(nInnerChanged, 0);
    CExtControlBar::PaintTracker(data);
    CountChanged(canvas, rc, nIn, nOut);
    EXPECT_EQ(nIn + nOut, 0);
}

TEST(TrackerPaint, ATabbedOutlineHasItsTabBelowAndAHalfHeightTabWhenLow)
{
    for (const int nHeight : {90, 30})
    {
        DibCanvas canvas(200, 120, kBack);
        const CRect rc(20, 10, 180, 10 + nHeight);
        auto data = Record(&canvas.dc, CExtControlBar::TRACKER_PAINT_DATA::kModeTabbedFrame, rc);
        CExtControlBar::PaintTracker(data);
        const int nTab = nHeight < 36 ? nHeight / 2 : 18;
        const int nTabLeft = rc.left + 8 + ::GetSystemMetrics(SM_CXFRAME);
        // Below the body: changes only under the tab.
        const CRect rcBand(rc.left, rc.bottom - nTab, rc.right, rc.bottom);
        const CRect rcTab(nTabLeft, rcBand.top, nTabLeft + 36, rc.bottom);
        int nIn = 0, nOut = 0;
        CountChanged(canvas, rc, nIn, nOut);
        EXPECT_EQ(nOut, 0) << nHeight;
        int nTabChanged = 0, nElsewhere = 0;
        CountChanged(canvas, rcTab, nTabChanged, nElsewhere);
        EXPECT_GT(nTabChanged, 0) << nHeight;
        int nBandChanged = 0, nOutsideBand = 0;
        CountChanged(canvas, rcBand, nBandChanged, nOutsideBand);
        EXPECT_EQ(nBandChanged, nTabChanged) << nHeight; // nothing in the band beside the tab
        CExtControlBar::PaintTracker(data);
        CountChanged(canvas, rc, nIn, nOut);
        EXPECT_EQ(nIn + nOut, 0) << nHeight;
    }
}

TEST(TrackerPaint, AFrameThatDrawsTheTrackerItselfGetsNothingDrawn)
{
    auto* pFrame = new CDrawingFrame;
    ASSERT_TRUE(pFrame->CreateHost());
    CHostResizableBar* pBar = pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"A");
    ASSERT_NE(pBar, nullptr);
    DibCanvas canvas(100, 60, kBack);
    auto data = Record(&canvas.dc, CExtControlBar::TRACKER_PAINT_DATA::kModeBand, CRect(0, 0, 100, 60), pBar);
    CExtControlBar::PaintTracker(data);
    EXPECT_EQ(pFrame->m_nOffers, 1);
    EXPECT_EQ(canvas.Count(CRect(0, 0, 100, 60), kBack), 100 * 60);
    pFrame->DestroyWindow();
}
