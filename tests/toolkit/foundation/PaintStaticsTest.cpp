// The paint manager's static drawing routines on DIB pixels and real windows: gradients on both
// paths, masked blits, child clipping, paint-message pumping, check marks and radio dots.
#include "platform/Platform.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/support/PaintHost.h"
#include <gtest/gtest.h>
#include <set>

namespace
{

typedef CExtPaintManager PM;
const COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0);

// Clears the holder's GradientFill for a test, so that gradients take the band path.
class ScopedNoGradientFill
{
public:
    ScopedNoGradientFill() : m_pfn(g_PaintManagerHolder.m_pfnGradientFill)
    {
        g_PaintManagerHolder.m_pfnGradientFill = nullptr;
    }
    ~ScopedNoGradientFill() { g_PaintManagerHolder.m_pfnGradientFill = m_pfn; }

private:
    decltype(g_PaintManagerHolder.m_pfnGradientFill) m_pfn;
};

std::set<COLORREF> ColoursOfRow(const DibCanvas& c, int y, int x0, int x1)
{
    std::set<COLORREF> s;
    for (int x = x0; x < x1; x++)
        s.insert(c.At(x, y));
    return s;
}

} // namespace

TEST(GradientRect, GradientFillRunsFromLeftToRightAndFromBottomToTop)
{
    ASSERT_NE(g_PaintManagerHolder.m_pfnGradientFill, nullptr);
    DibCanvas c(64, 64);
    PM::PaintGradientRect(c.dc, CRect(0, 0, 64, 10), kRed, kBlue, false);
    EXPECT_TRUE(painthost::Near(c.At(0, 5), kRed, 8)) << painthost::ColorText(c.At(0, 5));
    EXPECT_TRUE(painthost::Near(c.At(63, 5), kBlue, 8)) << painthost::ColorText(c.At(63, 5));
    PM::PaintGradientRect(c.dc, CRect(0, 20, 10, 64), kRed, kBlue, true);
    EXPECT_TRUE(painthost::Near(c.At(5, 63), kRed, 8)) << painthost::ColorText(c.At(5, 63));
    EXPECT_TRUE(painthost::Near(c.At(5, 20), kBlue, 8)) << painthost::ColorText(c.At(5, 20));
}

TEST(GradientRect, BandsRunFromLeftToRightAndFromBottomToTopWithoutGradientFill)
{
    ScopedNoGradientFill noFill;
    painthost::ScopedBitsPerPixel depth(32);
    DibCanvas c(64, 64);
    PM::PaintGradientRect(c.dc, CRect(0, 0, 64, 10), kRed, kBlue, false, 256);
    EXPECT_EQ(c.At(0, 5), kRed);
    EXPECT_TRUE(painthost::Near(c.At(63, 5), kBlue, 8));
    EXPECT_EQ(ColoursOfRow(c, 5, 0, 64).size(), 64u); // one band per pixel
    PM::PaintGradientRect(c.dc, CRect(0, 20, 10, 64), kRed, kBlue, true, 256);
    EXPECT_EQ(c.At(5, 63), kRed); // clrFrom at the bottom, as on the GradientFill path
    EXPECT_TRUE(painthost::Near(c.At(5, 20), kBlue, 8));
    // Four steps over 64 pixels: four bands of 16, the last ending exactly at the right.
    DibCanvas d(64, 4);
    PM::PaintGradientRect(d.dc, CRect(0, 0, 64, 4), kRed, kBlue, false, 4);
    EXPECT_EQ(ColoursOfRow(d, 1, 0, 64).size(), 4u);
    EXPECT_EQ(d.At(0, 1), kRed);
    EXPECT_EQ(d.At(15, 1), kRed);
    EXPECT_EQ(d.At(16, 1), RGB(191, 0, 63));
    EXPECT_EQ(d.At(63, 1), RGB(63, 0, 191));
}

TEST(GradientRect, AtEightBitsTenPixelsWith256StepsTakeTwoBands)
{
    ScopedNoGradientFill noFill;
    painthost::ScopedBitsPerPixel depth(8);
    DibCanvas c(10, 10);
    PM::PaintGradientRect(c.dc, CRect(0, 0, 10, 10), kRed, kBlue, false, 256);
    EXPECT_EQ(ColoursOfRow(c, 3, 0, 10), (std::set<COLORREF>{kRed, RGB(127, 0, 127)}));
    EXPECT_EQ(c.At(0, 3), kRed);
    EXPECT_EQ(c.At(9, 3), RGB(127, 0, 127));
}

TEST(GradientRect, ZeroStepsOrAnEmptyRectangleDrawNothingOnTheBandPath)
{
    ScopedNoGradientFill noFill;
    DibCanvas c(10, 10);
    PM::PaintGradientRect(c.dc, CRect(0, 0, 10, 10), kRed, kBlue, false, 0);
    PM::PaintGradientRect(c.dc, CRect(0, 0, 10, 10), kRed, kBlue, true, 0);
    PM::PaintGradientRect(c.dc, CRect(5, 5, 5, 9), kRed, kBlue, false, 256);
    PM::PaintGradientRect(c.dc, CRect(5, 9, 9, 5), kRed, kBlue, true, 256);
    {
        painthost::ScopedBitsPerPixel depth(8);
        PM::PaintGradientRect(c.dc, CRect(0, 0, 3, 3), kRed, kBlue, false, 256); // 3 / 4 = 0 bands
    }
    EXPECT_EQ(c.Count(CRect(0, 0, 10, 10), kWhite), 100);
}

TEST(TransparentBltMasked, KeyPixelsKeepTheDestination)
{
    DibCanvas src(8, 8, kRed);
    src.dc.FillSolidRect(2, 2, 4, 4, kBlue);
    DibCanvas dst(20, 20, RGB(0, 128, 0));
    PM::TransparentBltMasked(dst.dc.GetSafeHdc(), 4, 4, -1, -1, src.dc.GetSafeHdc(), 0, 0, 8, 8, kRed);
    EXPECT_EQ(dst.At(4, 4), RGB(0, 128, 0)); // key colour: destination shows
    EXPECT_EQ(dst.At(7, 7), kBlue);          // copied
    EXPECT_EQ(dst.Count(CRect(0, 0, 20, 20), kBlue), 16);
    // Stretched to twice the size.
    DibCanvas big(20, 20, kWhite);
    const COLORREF bk = big.dc.SetBkColor(RGB(9, 9, 9));
    PM::TransparentBltMasked(big.dc.GetSafeHdc(), 0, 0, 16, 16, src.dc.GetSafeHdc(), 0, 0, 8, 8, kRed);
    EXPECT_EQ(big.Count(CRect(0, 0, 20, 20), kBlue), 64);
    EXPECT_EQ(big.At(1, 1), kWhite);
    EXPECT_EQ(big.dc.GetBkColor(), RGB(9, 9, 9)); // restored
    big.dc.SetBkColor(bk);
}

namespace
{

bool KeepSecond(HDC, HWND, HWND hChild, LPARAM lParam) { return hChild == (HWND)lParam; }

} // namespace

TEST(ExcludeChildAreas, VisibleChildrenAreClippedHiddenOnesAndFilteredOnesAreNot)
{
    CWnd parent;
    ASSERT_TRUE(
        parent.CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_POPUP, 0, 0, 100, 60, nullptr, nullptr, nullptr));
    CWnd a, b, hidden;
    ASSERT_TRUE(a.CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_CHILD | WS_VISIBLE, 10, 10, 20, 20, parent.m_hWnd,
                           (HMENU)1, nullptr));
    ASSERT_TRUE(b.CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_CHILD | WS_VISIBLE, 50, 10, 20, 20, parent.m_hWnd,
                           (HMENU)2, nullptr));
    ASSERT_TRUE(hidden.CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_CHILD, 10, 35, 20, 20, parent.m_hWnd, (HMENU)3,
                                nullptr));
    parent.ShowWindow(SW_SHOWNA); // children count as visible only in a visible parent
    DibCanvas c(100, 60);
    PM::ExcludeChildAreas(c.dc.GetSafeHdc(), parent.m_hWnd, &KeepSecond, (LPARAM)b.m_hWnd);
    c.dc.FillSolidRect(0, 0, 100, 60, kBlack);
    EXPECT_EQ(c.At(15, 15), kWhite); // a: excluded
    EXPECT_EQ(c.At(55, 15), kBlack); // b: the filter kept it
    EXPECT_EQ(c.At(15, 40), kBlack); // hidden: not excluded
    EXPECT_EQ(c.At(5, 5), kBlack);
    // No DC or no parent window: nothing happens.
    PM::ExcludeChildAreas(nullptr, parent.m_hWnd);
    PM::ExcludeChildAreas(c.dc.GetSafeHdc(), nullptr);
    parent.DestroyWindow();
}

namespace
{

// A window that invalidates itself on every paint.
class CRestlessWnd : public CWnd
{
public:
    int m_nPaints = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PAINT)
        {
            m_nPaints++;
            PAINTSTRUCT ps;
            ::BeginPaint(m_hWnd, &ps);
            ::EndPaint(m_hWnd, &ps);
            ::InvalidateRect(m_hWnd, nullptr, FALSE);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

} // namespace

TEST(PumpPaintMessages, ReturnsWhenAWindowKeepsInvalidatingItself)
{
    CRestlessWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_POPUP, 0, 0, 30, 30, nullptr, nullptr, nullptr));
    wnd.ShowWindow(SW_SHOWNA); // hidden windows get no paint messages
    ::InvalidateRect(wnd.m_hWnd, nullptr, FALSE);
    PM::PumpPaintMessages(true, true, true);
    EXPECT_GE(wnd.m_nPaints, 1);
    EXPECT_LE(wnd.m_nPaints, (int)PM::kPumpMaxDispatchPerKind);
    // Asking for no kind dispatches nothing.
    const int n = wnd.m_nPaints;
    PM::PumpPaintMessages(false, false, false);
    EXPECT_EQ(wnd.m_nPaints, n);
    wnd.DestroyWindow();
}

TEST(CheckMarkAndRadioDot, CheckMarkSetsItsTwentyOnePixelsWithAnInverseShadow)
{
    DibCanvas c(16, 16, RGB(0, 128, 0));
    PM::PaintCheckMark(c.dc, 3, 4, kBlack);
    const int kMark[][2] = {{0, 2}, {0, 3}, {1, 3}, {1, 4}, {2, 4}, {2, 5}, {3, 3},
                            {3, 4}, {4, 2}, {4, 3}, {5, 1}, {5, 2}, {6, 0}, {6, 1}};
    const int kShadow[][2] = {{0, 4}, {1, 5}, {2, 6}, {3, 5}, {4, 4}, {5, 3}, {6, 2}};
    for (const auto& p : kMark)
        EXPECT_EQ(c.At(3 + p[0], 4 + p[1]), kBlack) << p[0] << "," << p[1];
    for (const auto& p : kShadow)
        EXPECT_EQ(c.At(3 + p[0], 4 + p[1]), kWhite) << p[0] << "," << p[1];
    EXPECT_EQ(c.Count(CRect(0, 0, 16, 16), RGB(0, 128, 0)), 256 - 21);
    // A white mark gets a black shadow; the shadow goes through the DC's nearest colour.
    DibCanvas w(16, 16, RGB(0, 128, 0));
    PM::PaintCheckMark(w.dc, 0, 0, kWhite);
    EXPECT_EQ(w.At(0, 2), kWhite);
    EXPECT_EQ(w.At(0, 4), kBlack);
    EXPECT_EQ(w.At(6, 2), w.dc.GetNearestColor(kBlack));
}

TEST(CheckMarkAndRadioDot, RadioDotShadowShowsOnePixelRightAndDown)
{
    DibCanvas c(16, 16, RGB(0, 128, 0));
    PM::PaintRadioDot(c.dc, 2, 2, kBlack);
    // Dot in (2,2)-(8,8), shadow in (3,3)-(9,9): the shadow shows along the right and bottom.
    EXPECT_EQ(c.At(5, 5), kBlack);
    EXPECT_EQ(c.At(8, 5), kWhite);
    EXPECT_EQ(c.At(5, 8), kWhite);
    EXPECT_EQ(c.At(1, 5), RGB(0, 128, 0));
    EXPECT_EQ(c.At(5, 1), RGB(0, 128, 0));
    EXPECT_EQ(c.At(9, 5), RGB(0, 128, 0));
    EXPECT_GT(c.Count(CRect(0, 0, 16, 16), kWhite), 5);
    // The DC's brush and pen are restored.
    EXPECT_EQ(::GetCurrentObject(c.dc.GetSafeHdc(), OBJ_BRUSH), ::GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(::GetCurrentObject(c.dc.GetSafeHdc(), OBJ_PEN), ::GetStockObject(BLACK_PEN));
}
