// Docking markers: sets and their layout, regions cut by the key colour, tints per style and depth,
// the marker windows, the HLS helpers and the docking preview on 32-bit pixel buffers.
#include "toolkit/foundation/ExtDynDockMarkerWnd.h"
#include "toolkit/foundation/PainterProbe.h"
#include <gtest/gtest.h>
#include <vector>

using namespace probe;
typedef CExtPaintManager PM;
typedef PM::DockMarker Marker;

namespace
{

const COLORREF kGreen = RGB(0, 255, 0);

// The pixels of a bitmap, top row first, as COLORREFs.
std::vector<COLORREF> Pixels(HBITMAP hBitmap, int& cx, int& cy)
{
    BITMAP bm = {};
    ::GetObjectW(hBitmap, sizeof(bm), &bm);
    cx = bm.bmWidth;
    cy = bm.bmHeight;
    std::vector<COLORREF> out;
    COLORREF* pSurface = nullptr;
    HBITMAP hCopy = PM::CopyBitmap(hBitmap, nullptr, &pSurface);
    if (hCopy == nullptr)
        return out;
    const DWORD* p = (const DWORD*)pSurface;
    for (int y = 0; y < cy; y++)
        for (int x = 0; x < cx; x++)
        {
            const DWORD v = p[(cy - 1 - y) * cx + x];
            out.push_back(RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF));
        }
    ::DeleteObject(hCopy);
    return out;
}

HBITMAP LoadImageOf(int eType)
{
    DWORD dwSize = 0;
    const BYTE* p = Marker::GetImageData(eType, &dwSize);
    return p != nullptr ? PM::LoadBitmapFromMemory(p, dwSize) : nullptr;
}

// A 32-bit bitmap from top-down pixels.
HBITMAP MakeBitmap(int cx, int cy, const std::vector<COLORREF>& px)
{
    BITMAPINFO bmi = DibCanvas::TopDownInfo(cx, cy);
    void* pBits = nullptr;
    HBITMAP h = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    DWORD* d = (DWORD*)pBits;
    for (int i = 0; i < cx * cy; i++)
        d[i] = ((DWORD)GetRValue(px[i]) << 16) | ((DWORD)GetGValue(px[i]) << 8) | GetBValue(px[i]);
    return h;
}

} // namespace

TEST(DockMarker, ImageTypesHaveTheirSizesAndAKeyColourBackground)
{
    const CSize sizes[9] = {CSize(43, 30), CSize(43, 30), CSize(30, 43), CSize(30, 43), CSize(83, 83),
                            CSize(0, 0),   CSize(0, 0),   CSize(0, 0),   CSize(33, 33)};
    for (int t = 0; t <= 8; t++)
    {
        HBITMAP h = LoadImageOf(t);
        if (sizes[t].cx == 0)
        {
            EXPECT_EQ(h, nullptr) << t;
            continue;
        }
        ASSERT_NE(h, nullptr) << t;
        int cx, cy;
        const std::vector<COLORREF> px = Pixels(h, cx, cy);
        EXPECT_EQ(CSize(cx, cy), sizes[t]) << t;
        EXPECT_EQ(px[0], kGreen) << t;
        int nGreen = 0;
        for (COLORREF c : px)
            nGreen += c == kGreen;
        EXPECT_GT(nGreen, 0) << t;
        EXPECT_LT(nGreen, cx * cy / 2 + cx * cy / 3) << t;
        ::DeleteObject(h);
    }
}

TEST(DockMarker, ASetOfArrowsHasFourChildrenAndNoImage)
{
    painthost::ScopedStyle restore;
    Marker m;
    ASSERT_TRUE(m.Load(Marker::kSetOfArrows, CRect(0, 0, 300, 200)));
    EXPECT_EQ(m.m_eMarkerType, Marker::kSetOfArrows);
    EXPECT_EQ(m.m_bmp1.GetSafeHandle(), nullptr);
    ASSERT_EQ(m.m_arrChildren.GetSize(), 4);
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(m.m_arrChildren[i]->m_eMarkerType, i);
    EXPECT_EQ(m.m_arrChildren[0]->m_rc, CRect(128, 0, 171, 30));
    EXPECT_EQ(m.m_arrChildren[1]->m_rc, CRect(128, 170, 171, 200));
    EXPECT_EQ(m.m_arrChildren[2]->m_rc, CRect(0, 78, 30, 121));
    EXPECT_EQ(m.m_arrChildren[3]->m_rc, CRect(270, 78, 300, 121));
}

TEST(DockMarker, ASetWithCentrePutsTheCentreFirstAndTheArrowsOnTheEdgesOfACentredBox)
{
    painthost::ScopedStyle restore;
    Marker m;
    ASSERT_TRUE(m.Load(Marker::kSetWithCentre, CRect(0, 0, 301, 201)));
    ASSERT_EQ(m.m_arrChildren.GetSize(), 5);
    const CRect box(103, 53, 198, 148); // 95 x 95, centred
    EXPECT_EQ(m.m_arrChildren[0]->m_eMarkerType, Marker::kCentre);
    EXPECT_EQ(m.m_arrChildren[0]->m_rc, CRect(109, 59, 192, 142));
    EXPECT_EQ(m.m_arrChildren[1]->m_rc, CRect(129, box.top, 172, box.top + 30));
    EXPECT_EQ(m.m_arrChildren[2]->m_rc, CRect(129, box.bottom - 30, 172, box.bottom));
    EXPECT_EQ(m.m_arrChildren[3]->m_rc, CRect(box.left, 79, box.left + 30, 122));
    EXPECT_EQ(m.m_arrChildren[4]->m_rc, CRect(box.right - 30, 79, box.right, 122));
    Marker tab;
    ASSERT_TRUE(tab.Load(Marker::kSetWithTab, CRect(0, 0, 301, 201)));
    ASSERT_EQ(tab.m_arrChildren.GetSize(), 6);
    EXPECT_EQ(tab.m_eMarkerType, Marker::kSetWithTab);
    EXPECT_EQ(tab.m_arrChildren[5]->m_eMarkerType, Marker::kCentreTab);
    EXPECT_EQ(tab.m_arrChildren[5]->m_rc, CRect(134, 84, 167, 117));
}

TEST(DockMarker, TypesOutsideTheTableFailAndNoneLoadsNothing)
{
    Marker m;
    EXPECT_FALSE(m.Load(9, CRect(0, 0, 100, 100)));
    EXPECT_FALSE(m.Load(-2, CRect(0, 0, 100, 100)));
    EXPECT_FALSE(m.Load(INT_MIN, CRect(0, 0, 100, 100)));
    EXPECT_EQ(m.m_eMarkerType, Marker::kNone);
    EXPECT_TRUE(m.Load(Marker::kNone, CRect(0, 0, 100, 100)));
    EXPECT_EQ(m.m_arrChildren.GetSize(), 0);
    CArray<CExtDynDockMarkerWnd*, CExtDynDockMarkerWnd*> arr;
    EXPECT_FALSE(g_PaintManagerHolder->LoadDockMarker(nullptr, 9, 0, 0, 100, 100, arr));
    EXPECT_FALSE(g_PaintManagerHolder->LoadDockMarker(nullptr, -2, 0, 0, 100, 100, arr));
    EXPECT_EQ(arr.GetSize(), 0);
}

TEST(DockMarkerRegion, RegionsExcludeEveryPureGreenPixel)
{
    for (int t : {0, 1, 2, 3, 4, 8})
    {
        HBITMAP h = LoadImageOf(t);
        ASSERT_NE(h, nullptr);
        HRGN hRgn = PM::CreateRegionFromBitmap(h, kGreen, 0);
        ASSERT_NE(hRgn, nullptr);
        int cx, cy;
        const std::vector<COLORREF> px = Pixels(h, cx, cy);
        int nWrong = 0;
        for (int y = 0; y < cy; y++)
            for (int x = 0; x < cx; x++)
                nWrong += (::PtInRegion(hRgn, x, y) != FALSE) != (px[y * cx + x] != kGreen);
        EXPECT_EQ(nWrong, 0) << t;
        ::DeleteObject(hRgn);
        ::DeleteObject(h);
    }
}

TEST(DockMarkerRegion, AnImageOfMoreThanTwoThousandRunsIsTheUnionOfSeveralBlocks)
{
    const int cx = 100, cy = 100; // every other column: 50 runs a row, 5000 in all
    std::vector<COLORREF> px(cx * cy);
    for (int y = 0; y < cy; y++)
        for (int x = 0; x < cx; x++)
            px[y * cx + x] = (x % 2 == 0) ? RGB(10, 20, 30) : kGreen;
    HBITMAP h = MakeBitmap(cx, cy, px);
    HRGN hRgn = PM::CreateRegionFromBitmap(h, kGreen, 0);
    ASSERT_NE(hRgn, nullptr);
    int nWrong = 0;
    for (int y = 0; y < cy; y++)
        for (int x = 0; x < cx; x++)
            nWrong += (::PtInRegion(hRgn, x, y) != FALSE) != (x % 2 == 0);
    EXPECT_EQ(nWrong, 0);
    RECT rcBox;
    EXPECT_EQ(::GetRgnBox(hRgn, &rcBox), COMPLEXREGION);
    EXPECT_EQ(CRect(rcBox), CRect(0, 0, 99, 100));
    ::DeleteObject(hRgn);
    // A tolerance widens the key per channel.
    HRGN hNone = PM::CreateRegionFromBitmap(h, RGB(0, 0, 0), RGB(10, 255, 30));
    RECT rcNone;
    EXPECT_EQ(::GetRgnBox(hNone, &rcNone), NULLREGION);
    ::DeleteObject(hNone);
    ::DeleteObject(h);
    EXPECT_EQ(PM::CreateRegionFromBitmap(nullptr, kGreen, 0), nullptr);
}

TEST(AdjustBitmapHls, ComparesEachChannelWithItsOwnAndKeepsRedGreenBlueInOrder)
{
    const COLORREF kBlue = RGB(0, 0, 255), kRed = RGB(255, 0, 0), kOdd = RGB(200, 120, 40);
    HBITMAP h = MakeBitmap(3, 1, {kBlue, kRed, kOdd});
    HBITMAP hNew = PM::AdjustBitmapHls(h, kBlue, 0, 0.1, -0.1, -0.2);
    ASSERT_NE(hNew, nullptr);
    int cx, cy;
    const std::vector<COLORREF> px = Pixels(hNew, cx, cy);
    EXPECT_EQ(px[0], kBlue); // the key, blue compared with blue
    EXPECT_EQ(px[1], PM::AdjustHls(kRed, 0.1, -0.1, -0.2));
    EXPECT_EQ(px[2], PM::AdjustHls(kOdd, 0.1, -0.1, -0.2));
    ::DeleteObject(hNew);
    EXPECT_EQ(PM::AdjustBitmapHls(h, kBlue, 0, 0.0, 0.0, 0.0), nullptr);
    CBitmap bmp;
    bmp.Attach(h);
    EXPECT_TRUE(PM::AdjustBitmapHlsInPlace(bmp, kBlue, 0, 0.0, 0.0, 0.0));
    EXPECT_EQ((HBITMAP)bmp.GetSafeHandle(), h);
    EXPECT_TRUE(PM::AdjustBitmapHlsInPlace(bmp, kGreen, 0, 0.0, 0.2, 0.0));
    EXPECT_NE((HBITMAP)bmp.GetSafeHandle(), h);
    EXPECT_EQ(::GetObjectType(h), 0u); // the old bitmap is gone
    CBitmap empty;
    EXPECT_FALSE(PM::AdjustBitmapHlsInPlace(empty, kGreen, 0, 0.0, 0.2, 0.0));
}

// ---- tints ---------------------------------------------------------------------------------------

namespace
{

struct Tinted
{
    std::vector<COLORREF> orig, first, second;
};

Tinted TintOf(CExtPaintManager& pm, int eType)
{
    CBitmap b1, b2;
    b1.Attach(LoadImageOf(eType));
    b2.Attach(LoadImageOf(eType));
    Tinted t;
    int cx, cy;
    t.orig = Pixels((HBITMAP)b1.GetSafeHandle(), cx, cy);
    pm.AdjustDockMarkerColors(eType, b1, kGreen, b2, kGreen);
    t.first = Pixels((HBITMAP)b1.GetSafeHandle(), cx, cy);
    t.second = Pixels((HBITMAP)b2.GetSafeHandle(), cx, cy);
    return t;
}

// Whether every pixel is the expected transform of the original (green always kept).
template <class F> bool AllPixels(const std::vector<COLORREF>& orig, const std::vector<COLORREF>& now, F expected)
{
    for (size_t i = 0; i < orig.size(); i++)
    {
        const COLORREF want = orig[i] == kGreen ? kGreen : expected(orig[i]);
        if (!painthost::Near(now[i], want, 1))
            return false;
    }
    return true;
}

} // namespace

TEST(DockMarkerTint, BaseAndXpLightenTheSecondImageAndGreyBothAtLowColour)
{
    painthost::ScopedStyle restore;
    for (int nKind = 1; nKind <= 2; nKind++)
    {
        CExtPaintManager& pm = nKind == 1 ? static_cast<CExtPaintManager&>(*Install<CExtPaintManager>())
                                          : static_cast<CExtPaintManager&>(*Install<CExtPaintManagerXP>());
        {
            painthost::ScopedBitsPerPixel depth(32);
            const Tinted t = TintOf(pm, Marker::kArrowTop);
            EXPECT_EQ(t.first, t.orig) << nKind;
            EXPECT_TRUE(AllPixels(t.orig, t.second, [](COLORREF c) { return PM::AdjustHls(c, 0, 0.35, 0); }));
        }
        painthost::ScopedBitsPerPixel depth(8);
        const Tinted t = TintOf(pm, Marker::kArrowLeft);
        EXPECT_TRUE(AllPixels(t.orig, t.first, [](COLORREF c) { return PM::AdjustHls(c, 0, -0.15, -1.0); }));
        EXPECT_TRUE(AllPixels(t.orig, t.second, [](COLORREF c) { return PM::AdjustHls(c, 0, 0.3, -1.0); }));
    }
}

TEST(DockMarkerTint, TheCentreCrossIsNeverTinted)
{
    painthost::ScopedStyle restore;
    for (int nDepth : {8, 32})
    {
        painthost::ScopedBitsPerPixel depth(nDepth);
        ForEachStyle([](CExtPaintManager& pm, const char* pszStyle) {
            for (int nScheme = 0; nScheme <= 3; nScheme++)
            {
                if (pm.GetThemeKind() >= 3)
                    static_cast<CPainterProbe<CExtPaintManagerOffice2003>&>(pm).m_nScheme = nScheme;
                const Tinted t = TintOf(pm, Marker::kCentre);
                EXPECT_EQ(t.first, t.orig) << pszStyle;
                EXPECT_EQ(t.second, t.orig) << pszStyle;
            }
        });
    }
}

TEST(DockMarkerTint, Office2003AndStudioTintBySchemeAboveLowColour)
{
    painthost::ScopedStyle restore;
    painthost::ScopedBitsPerPixel depth(32);
    for (int nKind = 3; nKind <= 4; nKind++)
    {
        auto* pm =
            nKind == 3
                ? Install<CExtPaintManagerOffice2003>()
                : reinterpret_cast<CPainterProbe<CExtPaintManagerOffice2003>*>(Install<CExtPaintManagerStudio2005>());
        pm->m_nScheme = 2; // homestead: another hue, less saturated
        Tinted t = TintOf(*pm, Marker::kArrowRight);
        EXPECT_TRUE(AllPixels(t.orig, t.first, [](COLORREF c) { return PM::AdjustHls(c, 0.6, 0, -0.45); })) << nKind;
        EXPECT_TRUE(AllPixels(t.orig, t.second, [](COLORREF c) {
            return PM::AdjustHls(PM::AdjustHls(c, 0, 0.35, 0), 0.6, 0, -0.45);
        })) << nKind;
        pm->m_nScheme = 3; // metallic: desaturated only
        t = TintOf(*pm, Marker::kArrowRight);
        EXPECT_TRUE(AllPixels(t.orig, t.first, [](COLORREF c) { return PM::AdjustHls(c, 0, 0, -0.85); })) << nKind;
        pm->m_nScheme = 1;
        t = TintOf(*pm, Marker::kArrowRight);
        EXPECT_EQ(t.first, t.orig) << nKind;
        EXPECT_TRUE(AllPixels(t.orig, t.second, [](COLORREF c) { return PM::AdjustHls(c, 0, 0.35, 0); })) << nKind;
        pm->m_nScheme = 0; // no scheme: the base rule
        t = TintOf(*pm, Marker::kArrowRight);
        EXPECT_EQ(t.first, t.orig) << nKind;
    }
}

// ---- marker windows ----------------------------------------------------------------------------

namespace
{

// Refuses the creation of every window while it is installed.
class ScopedRefuseWindows
{
public:
    ScopedRefuseWindows() { m_hHook = ::SetWindowsHookExW(WH_CBT, Refuse, nullptr, ::GetCurrentThreadId()); }
    ~ScopedRefuseWindows() { ::UnhookWindowsHookEx(m_hHook); }

private:
    static LRESULT CALLBACK Refuse(int nCode, WPARAM wParam, LPARAM lParam)
    {
        if (nCode == HCBT_CREATEWND)
            return 1;
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
    HHOOK m_hHook;
};

} // namespace

TEST(LoadDockMarker, CreatesOneRegionShapedWindowPerImageOfTheSet)
{
    painthost::ScopedStyle restore;
    CArray<CExtDynDockMarkerWnd*, CExtDynDockMarkerWnd*> arr;
    HWND hTarget = ::GetDesktopWindow();
    ASSERT_TRUE(g_PaintManagerHolder->LoadDockMarker(hTarget, Marker::kSetWithTab, 0, 0, 301, 201, arr));
    ASSERT_EQ(arr.GetSize(), 6);
    Marker layout;
    ASSERT_TRUE(layout.Load(Marker::kSetWithTab, CRect(0, 0, 301, 201)));
    for (INT_PTR i = 0; i < arr.GetSize(); i++)
    {
        CExtDynDockMarkerWnd* pWnd = arr[i];
        ASSERT_NE(pWnd->GetSafeHwnd(), nullptr);
        EXPECT_EQ(pWnd->GetTargetWnd(), hTarget);
        EXPECT_EQ(pWnd->GetMarkerType(), layout.m_arrChildren[i]->m_eMarkerType);
        CRect rcWnd;
        pWnd->GetWindowRect(&rcWnd);
        EXPECT_EQ(rcWnd, layout.m_arrChildren[i]->m_rc) << i;
        EXPECT_NE(pWnd->GetExStyle() & WS_EX_TOPMOST, 0u);
        HRGN hWndRgn = ::CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(pWnd->GetWindowRgn(hWndRgn), ERROR);
        HRGN hExpected = PM::CreateRegionFromBitmap(pWnd->GetHoverBitmap(), kGreen, 0);
        EXPECT_TRUE(::EqualRgn(hWndRgn, hExpected)) << i;
        ::DeleteObject(hExpected);
        ::DeleteObject(hWndRgn);
        EXPECT_NE(pWnd->GetNormalBitmap(), nullptr);
    }
    // Loading again replaces the old windows.
    ASSERT_TRUE(g_PaintManagerHolder->LoadDockMarker(hTarget, Marker::kArrowBottom, 0, 0, 301, 201, arr));
    ASSERT_EQ(arr.GetSize(), 1);
    EXPECT_EQ(arr[0]->GetMarkerType(), Marker::kArrowBottom);
    CExtDynDockMarkerWnd::DestroyMarkerSet(arr);
    EXPECT_EQ(arr.GetSize(), 0);
}

TEST(LoadDockMarker, AWindowThatCouldNotBeCreatedIsDeletedWithWhatItOwns)
{
    painthost::ScopedStyle restore;
    CArray<CExtDynDockMarkerWnd*, CExtDynDockMarkerWnd*> arr;
    // Warm up: window class, fonts and caches made once.
    ASSERT_TRUE(g_PaintManagerHolder->LoadDockMarker(nullptr, Marker::kSetOfArrows, 0, 0, 300, 200, arr));
    CExtDynDockMarkerWnd::DestroyMarkerSet(arr);
    const DWORD dwGdi = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    const DWORD dwUser = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
    for (int i = 0; i < 20; i++)
    {
        ScopedRefuseWindows refuse;
        EXPECT_FALSE(g_PaintManagerHolder->LoadDockMarker(nullptr, Marker::kSetOfArrows, 0, 0, 300, 200, arr));
        EXPECT_EQ(arr.GetSize(), 0);
    }
    EXPECT_EQ(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), dwGdi);
    EXPECT_EQ(::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS), dwUser);
    // A window that was refused takes its images and region with it.
    HBITMAP h1 = LoadImageOf(0), h2 = LoadImageOf(0);
    HRGN hRgn = PM::CreateRegionFromBitmap(h1, kGreen, 0);
    {
        ScopedRefuseWindows refuse;
        CExtDynDockMarkerWnd* pWnd = new CExtDynDockMarkerWnd(nullptr, 0, h1, h2, hRgn, 0, 0, 43, 30);
        EXPECT_EQ(pWnd->GetSafeHwnd(), nullptr);
        delete pWnd;
    }
    EXPECT_EQ(::GetObjectType(h1), 0u);
    EXPECT_EQ(::GetObjectType(h2), 0u);
    EXPECT_EQ(::GetObjectType(hRgn), 0u);
}

TEST(LoadDockMarker, MarkerWindowsAreCountedUntilTheLastOneIsGoneHoweverItGoes)
{
    painthost::ScopedStyle restore;
    CArray<CExtDynDockMarkerWnd*, CExtDynDockMarkerWnd*> arr;
    CExtDynDockMarkerWnd::DestroyAll();
    EXPECT_FALSE(CExtDynDockMarkerWnd::HasMarkerWindows());
    ASSERT_TRUE(g_PaintManagerHolder->LoadDockMarker(nullptr, Marker::kSetOfArrows, 0, 0, 300, 200, arr));
    ASSERT_EQ(arr.GetSize(), 4);
    EXPECT_TRUE(CExtDynDockMarkerWnd::HasMarkerWindows());
    // Windows destroyed before their objects: the count follows the windows.
    for (INT_PTR i = 0; i < 3; i++)
        arr[i]->DestroyWindow();
    EXPECT_TRUE(CExtDynDockMarkerWnd::HasMarkerWindows());
    ::DestroyWindow(arr[3]->GetSafeHwnd());
    EXPECT_FALSE(CExtDynDockMarkerWnd::HasMarkerWindows());
    CExtDynDockMarkerWnd::DestroyMarkerSet(arr);
    EXPECT_FALSE(CExtDynDockMarkerWnd::HasMarkerWindows());
    // Windows that go with their owner, and objects deleted afterwards, leave no count behind.
    ASSERT_TRUE(g_PaintManagerHolder->LoadDockMarker(nullptr, Marker::kSetOfArrows, 0, 0, 300, 200, arr));
    EXPECT_TRUE(CExtDynDockMarkerWnd::HasMarkerWindows());
    ::DestroyWindow(CExtDynDockMarkerWnd::GetMarkerParent());
    EXPECT_FALSE(CExtDynDockMarkerWnd::HasMarkerWindows());
    CExtDynDockMarkerWnd::DestroyMarkerSet(arr);
    EXPECT_FALSE(CExtDynDockMarkerWnd::HasMarkerWindows());
    // A refused window is never counted; a single window is.
    {
        ScopedRefuseWindows refuse;
        EXPECT_FALSE(g_PaintManagerHolder->LoadDockMarker(nullptr, Marker::kArrowTop, 0, 0, 300, 200, arr));
    }
    EXPECT_FALSE(CExtDynDockMarkerWnd::HasMarkerWindows());
    ASSERT_TRUE(g_PaintManagerHolder->LoadDockMarker(nullptr, Marker::kArrowTop, 0, 0, 300, 200, arr));
    EXPECT_TRUE(CExtDynDockMarkerWnd::HasMarkerWindows());
    CExtDynDockMarkerWnd::DestroyAll();
    CExtDynDockMarkerWnd::DestroyMarkerSet(arr);
    EXPECT_FALSE(CExtDynDockMarkerWnd::HasMarkerWindows());
}

// ---- the docking preview -----------------------------------------------------------------------

namespace
{

DWORD Dib(COLORREF c) { return ((DWORD)GetRValue(c) << 16) | ((DWORD)GetGValue(c) << 8) | GetBValue(c); }

COLORREF Mean(COLORREF px, COLORREF clr)
{
    auto half = [](int a, int b) { return a + (b - a) / 2; };
    return PM::AdjustHls(RGB(half(GetRValue(px), GetRValue(clr)), half(GetGValue(px), GetGValue(clr)),
                             half(GetBValue(px), GetBValue(clr))),
                         0.0, 0.1, 0.0);
}

// Pixel (x, y) of a bottom-up buffer of height h.
DWORD& At(std::vector<DWORD>& buf, int w, int h, int x, int y) { return buf[(h - 1 - y) * w + x]; }

} // namespace

TEST(DockingPreview, EachPixelTakesTheChannelMeanLightened)
{
    painthost::ScopedStyle restore;
    painthost::ScopedBitsPerPixel depth(32);
    auto& pm = *Install<CExtPaintManager>();
    const COLORREF px = RGB(100, 150, 30), fill = RGB(200, 0, 51);
    std::vector<DWORD> buf(8 * 6, Dib(px));
    pm.PaintDockingPreview((COLORREF*)buf.data(), 8, 6, false, CRect(), CRect(), fill, (COLORREF)-1, 0);
    for (DWORD v : buf)
        EXPECT_EQ(v, Dib(Mean(px, fill)));
    std::vector<DWORD> sys(4, Dib(px));
    pm.PaintDockingPreview((COLORREF*)sys.data(), 2, 2, false, CRect(), CRect(), (COLORREF)-1, (COLORREF)-1, 0);
    EXPECT_EQ(sys[0], Dib(Mean(px, T(pm, COLOR_HIGHLIGHT))));
}

TEST(DockingPreview, BordersOfTheAreaAndOfTheTabRectangleTakeTheBorderColour)
{
    painthost::ScopedStyle restore;
    painthost::ScopedBitsPerPixel depth(32);
    auto& pm = *Install<CExtPaintManager>();
    const int w = 20, h = 20;
    const COLORREF px = RGB(0, 0, 0), fill = RGB(200, 200, 200), border = RGB(0, 0, 250);
    std::vector<DWORD> buf(w * h, Dib(px));
    const CRect rcOuter(2, 2, 18, 14), rcInner(4, 14, 10, 18); // a tab hanging below the area
    pm.PaintDockingPreview((COLORREF*)buf.data(), w, h, true, rcOuter, rcInner, fill, border, 1);
    const DWORD dwFill = Dib(Mean(px, fill)), dwBorder = Dib(Mean(px, border)), dwNone = Dib(px);
    EXPECT_EQ(At(buf, w, h, 10, 2), dwBorder); // top edge
    EXPECT_EQ(At(buf, w, h, 2, 8), dwBorder);  // left edge
    EXPECT_EQ(At(buf, w, h, 17, 8), dwBorder); // right edge
    EXPECT_EQ(At(buf, w, h, 10, 8), dwFill);
    EXPECT_EQ(At(buf, w, h, 14, 13), dwBorder); // bottom edge outside the tab
    EXPECT_EQ(At(buf, w, h, 6, 13), dwFill);    // bottom edge opens into the tab
    EXPECT_EQ(At(buf, w, h, 4, 16), dwBorder);  // tab sides and bottom
    EXPECT_EQ(At(buf, w, h, 9, 16), dwBorder);
    EXPECT_EQ(At(buf, w, h, 6, 17), dwBorder);
    EXPECT_EQ(At(buf, w, h, 6, 16), dwFill);
    EXPECT_EQ(At(buf, w, h, 0, 0), dwNone);
    EXPECT_EQ(At(buf, w, h, 12, 16), dwNone);
}

TEST(DockingPreview, LowColourSetsTheOddPixelsToTheShadowColour)
{
    painthost::ScopedStyle restore;
    painthost::ScopedBitsPerPixel depth(8);
    auto& pm = *Install<CExtPaintManager>();
    const int w = 6, h = 4;
    std::vector<DWORD> buf(w * h, 0x123456);
    pm.PaintDockingPreview((COLORREF*)buf.data(), w, h, false, CRect(), CRect(), (COLORREF)-1, (COLORREF)-1, 0);
    for (int row = 0; row < h; row++)
        for (int x = 0; x < w; x++)
            EXPECT_EQ(buf[row * w + x], (x + row) % 2 ? Dib(T(pm, COLOR_3DSHADOW)) : 0x123456u) << x << "," << row;
}

TEST(DockingPreview, Office2003TakesTheSchemeFillColour)
{
    painthost::ScopedStyle restore;
    painthost::ScopedBitsPerPixel depth(32);
    auto& pm = *Install<CExtPaintManagerOffice2003>();
    const COLORREF px = RGB(255, 255, 255);
    const COLORREF fills[3] = {RGB(0, 0, 128), RGB(170, 187, 131), RGB(96, 96, 144)};
    for (int nScheme = 1; nScheme <= 3; nScheme++)
    {
        pm.m_nScheme = nScheme;
        std::vector<DWORD> buf(4, Dib(px));
        pm.PaintDockingPreview((COLORREF*)buf.data(), 2, 2, false, CRect(), CRect(), (COLORREF)-1, (COLORREF)-1, 0);
        EXPECT_EQ(buf[0], Dib(Mean(px, fills[nScheme - 1]))) << nScheme;
    }
    pm.m_nScheme = 0;
    std::vector<DWORD> buf(4, Dib(px));
    pm.PaintDockingPreview((COLORREF*)buf.data(), 2, 2, false, CRect(), CRect(), (COLORREF)-1, (COLORREF)-1, 0);
    EXPECT_EQ(buf[0], Dib(Mean(px, T(pm, COLOR_HIGHLIGHT))));
}

TEST(DockingPreview, RectanglesBeyondTheBufferTouchNothingOutsideIt)
{
    painthost::ScopedStyle restore;
    auto& pm = *Install<CExtPaintManager>();
    for (int nDepth : {8, 32})
    {
        painthost::ScopedBitsPerPixel depth(nDepth);
        const int w = 10, h = 10, nGuard = 64;
        std::vector<DWORD> mem(nGuard + w * h + nGuard, 0xABCDEF);
        DWORD* pBuf = mem.data() + nGuard;
        pm.PaintDockingPreview((COLORREF*)pBuf, w, h, true, CRect(-50, -50, 500, 500), CRect(-10, 5, 300, 400),
                               RGB(1, 2, 3), RGB(4, 5, 6), 3);
        for (int i = 0; i < nGuard; i++)
        {
            EXPECT_EQ(mem[i], 0xABCDEFu) << nDepth;
            EXPECT_EQ(mem[nGuard + w * h + i], 0xABCDEFu) << nDepth;
        }
        EXPECT_NE(pBuf[w + 2], 0xABCDEFu) << nDepth; // inside the buffer it painted
        pm.PaintDockingPreview(nullptr, w, h, false, CRect(), CRect(), RGB(1, 2, 3), (COLORREF)-1, 0);
        pm.PaintDockingPreview((COLORREF*)pBuf, 0, h, false, CRect(), CRect(), RGB(1, 2, 3), (COLORREF)-1, 0);
        pm.PaintDockingPreview((COLORREF*)pBuf, w, -3, false, CRect(), CRect(), RGB(1, 2, 3), (COLORREF)-1, 0);
    }
}
