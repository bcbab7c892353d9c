// CExtMemoryDC on 32-bit DIB section targets: buffering, background fill, clip box, monochrome
// bitmaps, mapping modes, printing targets and the fall-back to painting through.
#include "support/DibCanvas.h"
#include "toolkit/foundation/ExtMemoryDC.h"
#include <gtest/gtest.h>

namespace
{
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const DWORD kBufferAndFill = CExtMemoryDC::MemDcBuffer | CExtMemoryDC::MemDcFillBackground;
} // namespace

TEST(MemoryDc, BufferedPaintingReachesTheTargetOnlyWhenTheObjectEnds)
{
    DibCanvas canvas(100, 100, kWhite);
    {
        CExtMemoryDC dc(&canvas.dc, CRect(10, 10, 60, 60), kBufferAndFill);
        ASSERT_TRUE(dc.IsBuffering());
        EXPECT_NE(dc.GetSafeHdc(), canvas.dc.GetSafeHdc());
        dc.FillSolidRect(20, 20, 10, 10, kRed);
        EXPECT_EQ(canvas.At(25, 25), kWhite);
    }
    EXPECT_EQ(canvas.At(25, 25), kRed);
    EXPECT_EQ(canvas.At(20, 20), kRed);
    EXPECT_EQ(canvas.At(30, 30), kWhite);
    EXPECT_EQ(canvas.Count(CRect(0, 0, 100, 100), kRed), 100);
}

TEST(MemoryDc, FillBackgroundGivesUnpaintedPixelsTheTargetsBackgroundColour)
{
    DibCanvas canvas(100, 100, kWhite);
    canvas.dc.SetBkColor(kBlue);
    {
        CExtMemoryDC dc(&canvas.dc, CRect(10, 10, 60, 60), kBufferAndFill);
        dc.FillSolidRect(20, 20, 10, 10, kRed);
    }
    EXPECT_EQ(canvas.Count(CRect(10, 10, 60, 60), kBlue), 50 * 50 - 100);
    EXPECT_EQ(canvas.Count(CRect(10, 10, 60, 60), kRed), 100);
    EXPECT_EQ(canvas.At(9, 9), kWhite);
    EXPECT_EQ(canvas.At(60, 60), kWhite);
}

TEST(MemoryDc, WithoutBufferingPaintsStraightOnTheTargetAndLeavesItsDcIntact)
{
    DibCanvas canvas(100, 100, kWhite);
    const HDC hTarget = canvas.dc.GetSafeHdc();
    {
        CExtMemoryDC dc(&canvas.dc, CRect(0, 0, 50, 50), 0);
        EXPECT_FALSE(dc.IsBuffering());
        EXPECT_EQ(dc.GetSafeHdc(), hTarget);
        dc.FillSolidRect(5, 5, 10, 10, kRed);
        EXPECT_EQ(canvas.At(7, 7), kRed);
    }
    EXPECT_EQ(canvas.dc.GetSafeHdc(), hTarget);
    EXPECT_NE(::GetObjectType(hTarget), 0u);
    canvas.dc.FillSolidRect(50, 50, 5, 5, kBlue);
    EXPECT_EQ(canvas.At(52, 52), kBlue);
}

TEST(MemoryDc, WithoutRectangleTheTargetsClipBoxIsBuffered)
{
    DibCanvas canvas(100, 100, kWhite);
    canvas.dc.IntersectClipRect(30, 30, 70, 70);
    {
        CExtMemoryDC dc(&canvas.dc, nullptr, CExtMemoryDC::MemDcBuffer);
        EXPECT_EQ(dc.GetBufferedRect(), CRect(30, 30, 70, 70));
        dc.FillSolidRect(0, 0, 100, 100, kRed);
    }
    EXPECT_EQ(canvas.Count(CRect(0, 0, 100, 100), kRed), 40 * 40);
    EXPECT_EQ(canvas.At(29, 50), kWhite);
    EXPECT_EQ(canvas.At(70, 50), kWhite);
}

TEST(MemoryDc, MonochromeOptionBuffersInOneBitPerPixel)
{
    DibCanvas canvas(64, 64, kRed);
    {
        CExtMemoryDC dc(&canvas.dc, CRect(0, 0, 32, 32), CExtMemoryDC::MemDcBuffer | CExtMemoryDC::MemDcMonochrome);
        ASSERT_TRUE(dc.IsBuffering());
        BITMAP bm = {};
        ASSERT_NE(::GetObjectW(::GetCurrentObject(dc.GetSafeHdc(), OBJ_BITMAP), sizeof(bm), &bm), 0);
        EXPECT_EQ(bm.bmBitsPixel, 1);
        EXPECT_EQ(bm.bmWidth, 32);
        dc.FillSolidRect(0, 0, 32, 32, RGB(0, 0, 0));
        dc.FillSolidRect(0, 0, 16, 32, kWhite);
    }
    EXPECT_EQ(canvas.At(4, 4), kWhite);
    EXPECT_EQ(canvas.At(20, 4), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(40, 40), kRed);
}

TEST(MemoryDc, DrawingInMetricMappingLandsWhereDirectDrawingLands)
{
    auto paint = [](CDC& dc) {
        CBrush brush;
        brush.CreateSolidBrush(kRed);
        CRect rc(100, -100, 300, -250);
        dc.FillRect(&rc, &brush);
    };
    DibCanvas direct(200, 200, kWhite), buffered(200, 200, kWhite);
    direct.dc.SetMapMode(MM_LOMETRIC);
    buffered.dc.SetMapMode(MM_LOMETRIC);
    paint(direct.dc);
    {
        CExtMemoryDC dc(&buffered.dc, CRect(0, 0, 500, -500), kBufferAndFill);
        ASSERT_TRUE(dc.IsBuffering());
        EXPECT_EQ(dc.GetMapMode(), MM_LOMETRIC);
        paint(dc);
    }
    const int nRed = direct.Count(CRect(0, 0, 200, 200), kRed);
    EXPECT_GT(nRed, 1000);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            ASSERT_EQ(buffered.At(x, y), direct.At(x, y)) << x << "," << y;
}

TEST(MemoryDc, PrintingTargetIsNeverBuffered)
{
    DibCanvas canvas(50, 50, kWhite);
    canvas.dc.m_bPrinting = TRUE;
    {
        CExtMemoryDC dc(&canvas.dc, CRect(0, 0, 50, 50), kBufferAndFill);
        EXPECT_FALSE(dc.IsBuffering());
        EXPECT_TRUE(dc.IsPrinting());
        dc.FillSolidRect(10, 10, 5, 5, kRed);
        EXPECT_EQ(canvas.At(12, 12), kRed);
    }
    canvas.dc.m_bPrinting = FALSE;
    EXPECT_EQ(canvas.At(12, 12), kRed);
    EXPECT_NE(::GetObjectType(canvas.dc.GetSafeHdc()), 0u);
}

TEST(MemoryDc, EmptyRectangleFallsBackToPaintingThrough)
{
    DibCanvas canvas(50, 50, kWhite);
    {
        CExtMemoryDC dc(&canvas.dc, CRect(20, 20, 20, 40), CExtMemoryDC::MemDcBuffer);
        EXPECT_FALSE(dc.IsBuffering());
        dc.FillSolidRect(0, 0, 10, 10, kRed);
        EXPECT_EQ(canvas.At(5, 5), kRed);
    }
    EXPECT_EQ(canvas.At(5, 5), kRed);
    EXPECT_EQ(canvas.At(20, 30), kWhite);
}

TEST(MemoryDc, BitmapTooLargeToCreateFallsBackAndNeverCopiesAnUnfilledBitmap)
{
    DibCanvas canvas(50, 50, kWhite);
    {
        CExtMemoryDC dc(&canvas.dc, CRect(0, 0, 60000, 60000), CExtMemoryDC::MemDcBuffer);
        EXPECT_FALSE(dc.IsBuffering());
        dc.FillSolidRect(0, 0, 10, 10, kRed);
        EXPECT_EQ(canvas.At(5, 5), kRed);
    }
    EXPECT_EQ(canvas.At(5, 5), kRed);
    EXPECT_EQ(canvas.At(30, 30), kWhite);
    EXPECT_NE(::GetObjectType(canvas.dc.GetSafeHdc()), 0u);
}
