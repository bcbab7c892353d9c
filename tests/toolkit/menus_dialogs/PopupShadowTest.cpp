// The shadow painter on a memory DIB: the region that keeps two exclusions and their margins free,
// and the buffered paint that gives the same pixels as the direct one, restores them from cache and,
// on a palette display, writes the target only as two strips (counted in a recording DC).
#include "platform/Dc.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/menus_dialogs/ExtPopupShadow.h"
#include <gtest/gtest.h>

namespace
{
const COLORREF kWhite = RGB(255, 255, 255);
const int kSize = 4;
const CRect kWindow(20, 20, 120, 100);

// A white 32-bit DIB selected into a memory DC.
class CDibSurface
{
public:
    CDibSurface()
    {
        m_dc.Attach(::CreateCompatibleDC(nullptr));
        m_hDib = PlatformCreateTopDownDib32(m_dc.GetSafeHdc(), 200, 200, &m_pBits);
        m_hOld = ::SelectObject(m_dc.GetSafeHdc(), m_hDib);
        ::PatBlt(m_dc.GetSafeHdc(), 0, 0, 200, 200, WHITENESS);
    }
    ~CDibSurface()
    {
        ::SelectObject(m_dc.GetSafeHdc(), m_hOld);
        ::DeleteObject(m_hDib);
    }
    COLORREF At(int x, int y) const
    {
        ::GdiFlush();
        const COLORREF px = m_pBits[y * 200 + x];
        return RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF);
    }
    CDC m_dc;
    HBITMAP m_hDib = nullptr;
    HGDIOBJ m_hOld = nullptr;
    COLORREF* m_pBits = nullptr;
};
} // namespace

TEST(PopupShadowTest, TwoExclusionsKeepTheirAreasAndTheShadowWideMarginsBeyondThemFree)
{
    // One exclusion right of the window's upper half, one below its left half.
    const CRect rcEx1(120, 20, 160, 60);
    const CRect rcEx2(20, 100, 60, 140);
    CDibSurface one, two;
    CExtPopupShadow shadowOne, shadowTwo;
    ASSERT_TRUE(shadowOne.Paint(one.m_dc, kWindow, rcEx1, CRect(0, 0, 0, 0), kSize, 75, 100, true, false, false));
    ASSERT_TRUE(shadowTwo.Paint(two.m_dc, kWindow, rcEx1, rcEx2, kSize, 75, 100, true, false, false));
    // Just below the first exclusion, inside the right shadow strip.
    EXPECT_NE(one.At(121, 61), kWhite);
    EXPECT_EQ(two.At(121, 61), kWhite);
    // Just right of the second exclusion, inside the bottom shadow strip.
    EXPECT_EQ(two.At(61, 101), kWhite);
    // The shadow outside both exclusions and their margins is painted alike.
    EXPECT_NE(two.At(121, 90), kWhite);
    EXPECT_EQ(two.At(121, 90), one.At(121, 90));
    EXPECT_EQ(two.At(100, 101), one.At(100, 101));
    EXPECT_NE(shadowTwo.m_rgnClip.GetSafeHandle(), nullptr);
    EXPECT_EQ(shadowOne.m_rgnClip.GetSafeHandle(), nullptr);
}

TEST(PopupShadowTest, TheBufferedPaintGivesTheDirectPixelsAndItsCacheRestoresThem)
{
    CDibSurface direct, buffered, restored;
    CExtPopupShadow shadowDirect, shadowBuffered;
    ASSERT_TRUE(shadowDirect.Paint(direct.m_dc, kWindow, CRect(0, 0, 0, 0), CRect(0, 0, 0, 0), kSize, 75, 100, true,
                                   false, false));
    ASSERT_TRUE(shadowBuffered.Paint(buffered.m_dc, kWindow, CRect(0, 0, 0, 0), CRect(0, 0, 0, 0), kSize, 75, 100, true,
                                     false, true));
    ASSERT_TRUE(shadowBuffered.IsCached());
    ASSERT_TRUE(shadowBuffered.Paint(restored.m_dc, kWindow, CRect(0, 0, 0, 0), CRect(0, 0, 0, 0), kSize, 75, 100, true,
                                     false, true));
    int nShadowPixels = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
        {
            ASSERT_EQ(buffered.At(x, y), direct.At(x, y)) << x << "," << y;
            ASSERT_EQ(restored.At(x, y), direct.At(x, y)) << x << "," << y;
            nShadowPixels += direct.At(x, y) != kWhite ? 1 : 0;
        }
    EXPECT_GT(nShadowPixels, 2 * 80 * (kSize - 1));
}

namespace
{
// Counts the block transfers recorded in a metafile.
int CALLBACK CountBitBlts(HDC, HANDLETABLE*, const ENHMETARECORD* pRecord, int, LPARAM lParam)
{
    if (pRecord->iType == EMR_BITBLT)
        ++*(int*)lParam;
    return 1;
}

// The block transfers a shadow paint makes into a recording DC, on a display of the given depth.
int RecordedBitBlts(bool bUseBuffer, int nBitsPerPixel)
{
    const int nOldBits = CExtPaintManager::GetBitsPerPixelOverride();
    CExtPaintManager::SetBitsPerPixelOverride(nBitsPerPixel);
    HDC hScreen = ::GetDC(nullptr);
    HDC hRecord = ::CreateEnhMetaFileW(hScreen, nullptr, nullptr, nullptr);
    ::ReleaseDC(nullptr, hScreen);
    int nBitBlts = -1;
    if (hRecord != nullptr)
    {
        CDC dc;
        dc.Attach(hRecord);
        CExtPopupShadow shadow;
        shadow.Paint(dc, kWindow, CRect(0, 0, 0, 0), CRect(0, 0, 0, 0), kSize, 75, 100, true, false, bUseBuffer);
        dc.Detach();
        HENHMETAFILE hMeta = ::CloseEnhMetaFile(hRecord);
        nBitBlts = 0;
        ::EnumEnhMetaFile(nullptr, hMeta, &CountBitBlts, &nBitBlts, nullptr);
        ::DeleteEnhMetaFile(hMeta);
    }
    CExtPaintManager::SetBitsPerPixelOverride(nOldBits);
    return nBitBlts;
}
} // namespace

TEST(PopupShadowTest, OnAPaletteDisplayTheBufferedPaintPutsTheShadowOnTheScreenAsTwoStrips)
{
    // The direct paint copies the pattern back pixel by pixel; the buffered one works on a copy.
    EXPECT_GT(RecordedBitBlts(false, 8), 2 * 80);
    EXPECT_EQ(RecordedBitBlts(true, 8), 2);
}
