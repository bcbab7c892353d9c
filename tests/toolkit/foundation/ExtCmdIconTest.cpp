// Command icons, checked on DIB pixels: holder sizes, assignment, icon extraction, keyed bitmaps,
// the variant builders and cache, drawing states, painted forms, scaling and the archive form.
#include "ExtCmdTestSupport.h"
#include "support/DibCanvas.h"
#include "platform/Platform.h"
#include "platform/Archive.h"
#include "platform/File.h"
#include "toolkit/foundation/ExtCmdIcon.h"
#include <cmath>
#include <gtest/gtest.h>

using namespace ExtCmdTest;

namespace
{
const COLORREF WHITE = RGB(255, 255, 255);
const COLORREF MAGENTA = RGB(255, 0, 255);
const COLORREF GREEN = RGB(0, 255, 0);
const COLORREF SILVER = RGB(192, 192, 192);

// A 16 x 16 bitmap: a square of clr inside a frame of the key colour.
HBITMAP SquareBitmap(COLORREF clr, COLORREF clrKey, int n = 16)
{
    return MakeBitmap(n, n, [=](int x, int y) { return (x >= 4 && x < n - 4 && y >= 4 && y < n - 4) ? clr : clrKey; });
}

// A cursor (an icon with a free hot spot) with a 32-bit colour bitmap.
HICON MakeCursor(int cx, int cy, int xHot, int yHot, COLORREF clr)
{
    ICONINFO ii = {};
    ii.fIcon = FALSE;
    ii.xHotspot = (DWORD)xHot;
    ii.yHotspot = (DWORD)yHot;
    ii.hbmColor = MakeBitmap(cx, cy, [clr](int, int) { return clr; });
    ii.hbmMask = ::CreateBitmap(cx, cy, 1, 1, nullptr);
    HICON h = ::CreateIconIndirect(&ii);
    ::DeleteObject(ii.hbmColor);
    ::DeleteObject(ii.hbmMask);
    return h;
}

COLORREF DrawnAt(CExtCmdIcon& icon, int nState, int x, int y, COLORREF clrBack = WHITE)
{
    DibCanvas canvas(32, 32, clrBack);
    icon.Draw(&canvas.dc, POINT{0, 0}, nState);
    return canvas.At(x, y);
}

std::vector<BYTE> Store(CExtCmdIcon& icon)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        icon.Serialize(ar);
        ar.Close();
    }
    std::vector<BYTE> bytes((size_t)file.GetLength());
    file.SeekToBegin();
    if (!bytes.empty())
        file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

// Loads the icon; answers whether the archive raised its exception.
bool LoadThrows(CExtCmdIcon& icon, const std::vector<BYTE>& bytes)
{
    CMemFile file;
    file.Write(bytes.data(), (UINT)bytes.size());
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    try
    {
        icon.Serialize(ar);
    }
    catch (CArchiveException* e)
    {
        e->Delete();
        return true;
    }
    return false;
}
} // namespace

TEST(CmdIconSize, TheHotSpotGivesTheSizeElseTheBitmapDoes)
{
    CExtCmdIcon hot(MakeCursor(32, 32, 8, 8, RGB(10, 10, 10)), false);
    EXPECT_EQ(hot.GetSize().cx, 16);
    EXPECT_EQ(hot.GetSize().cy, 16);
    CExtCmdIcon zero(MakeCursor(24, 20, 0, 0, RGB(10, 10, 10)), false);
    EXPECT_EQ(zero.GetSize().cx, 24);
    EXPECT_EQ(zero.GetSize().cy, 20);
    EXPECT_EQ(zero.GetBitsPerPixel(), 32);
}

TEST(CmdIconSize, AMonochromeIconReportsHalfItsMasksHeight)
{
    ICONINFO ii = {};
    ii.fIcon = FALSE;
    ii.hbmMask = ::CreateBitmap(16, 32, 1, 1, nullptr);
    HICON hMono = ::CreateIconIndirect(&ii);
    ::DeleteObject(ii.hbmMask);
    ASSERT_NE(hMono, nullptr);
    CExtCmdIcon icon(hMono, false);
    EXPECT_EQ(icon.GetSize().cx, 16);
    EXPECT_EQ(icon.GetSize().cy, 16);
    EXPECT_EQ(icon.GetBitsPerPixel(), 1);
}

TEST(CmdIconAssign, BitmapAndIconFormsReplaceEachOther)
{
    CExtCmdIcon bitmapIcon(SquareBitmap(RGB(200, 0, 0), MAGENTA), MAGENTA, nullptr, false);
    EXPECT_TRUE(bitmapIcon.IsBitmapBased());
    EXPECT_EQ(bitmapIcon.GetBitmapTransparentColor(), MAGENTA);
    EXPECT_EQ(bitmapIcon.GetBitsPerPixel(), 32);
    CExtCmdIcon iconBased(MakeCursor(16, 16, 8, 8, RGB(0, 0, 200)), false);
    EXPECT_FALSE(iconBased.IsBitmapBased());

    CExtCmdIcon target;
    target.AssignFrom(bitmapIcon);
    EXPECT_TRUE(target.IsBitmapBased());
    EXPECT_NE(target.GetBitmap(), bitmapIcon.GetBitmap());
    target.AssignFrom(iconBased);
    EXPECT_FALSE(target.IsBitmapBased());
    EXPECT_EQ(target.GetBitmap(), nullptr);
    EXPECT_NE(target.m_icon.m_hIcon, iconBased.m_icon.m_hIcon);
    EXPECT_EQ(DrawnAt(target, 0, 8, 8), RGB(0, 0, 200));
    target.AssignFromHBITMAP(SquareBitmap(RGB(0, 90, 0), MAGENTA), MAGENTA, nullptr, false);
    EXPECT_TRUE(target.IsBitmapBased());
    EXPECT_EQ(target.m_icon.m_hIcon, nullptr);
    EXPECT_EQ(DrawnAt(target, 0, 8, 8), RGB(0, 90, 0));
    EXPECT_EQ(DrawnAt(target, 0, 1, 1), WHITE);
    target.Empty();
    EXPECT_TRUE(target.IsEmpty());
    EXPECT_EQ(target.GetSize().cx, 0);
}

TEST(CmdIconAssign, APartRectangleIsCopiedAndTheSameHandleOnlyChangesTheKey)
{
    HBITMAP hWide = MakeBitmap(32, 16, [](int x, int) { return x < 16 ? RGB(255, 0, 0) : RGB(0, 0, 255); });
    const RECT rc = {16, 0, 32, 16};
    CExtCmdIcon part(hWide, MAGENTA, &rc, true);
    EXPECT_EQ(part.GetSize().cx, 16);
    EXPECT_EQ(DrawnAt(part, 0, 3, 3), RGB(0, 0, 255));
    HBITMAP hOwn = part.GetBitmap();
    part.AssignFromHBITMAP(hOwn, GREEN, nullptr, false);
    EXPECT_EQ(part.GetBitmap(), hOwn);
    EXPECT_EQ(part.GetBitmapTransparentColor(), GREEN);
    ::DeleteObject(hWide);
}

TEST(CmdIconExtract, GetIconCachesAndExtractHandsOutAndEmpties)
{
    CExtCmdIcon icon(SquareBitmap(RGB(0, 128, 255), MAGENTA), MAGENTA, nullptr, false);
    HICON h1 = icon.GetIcon();
    ASSERT_NE(h1, nullptr);
    EXPECT_EQ(icon.GetIcon(), h1);
    HICON hOut = icon.ExtractHICON();
    EXPECT_EQ(hOut, h1);
    EXPECT_TRUE(icon.IsEmpty());
    EXPECT_EQ(icon.ExtractHICON(), nullptr);
    CExtCmdIcon back(hOut, false);
    EXPECT_EQ(DrawnAt(back, 0, 8, 8), RGB(0, 128, 255));
    EXPECT_EQ(DrawnAt(back, 0, 0, 0), WHITE);

    CExtCmdIcon fresh(SquareBitmap(RGB(0, 128, 255), MAGENTA), MAGENTA, nullptr, false);
    HICON hMade = fresh.ExtractHICON(); // no cached icon: made from the bitmap
    ASSERT_NE(hMade, nullptr);
    EXPECT_TRUE(fresh.IsEmpty());
    ::DestroyIcon(hMade);
}

TEST(CmdIconKeyed, ANewKeyAvoidsTheColoursOfThePicture)
{
    CExtCmdIcon magenta(SquareBitmap(MAGENTA, RGB(1, 2, 3)), RGB(1, 2, 3), nullptr, false);
    HBITMAP hBitmap = nullptr;
    COLORREF clrKey = 0;
    COLORREF* pBits = nullptr;
    CArray<COLORREF, COLORREF> colors;
    ASSERT_TRUE(magenta.CreateKeyedBitmap(hBitmap, clrKey, &colors, &pBits));
    EXPECT_EQ(clrKey, GREEN);
    ASSERT_EQ(colors.GetSize(), 3);
    EXPECT_EQ(colors[0], GREEN);
    // The old transparent colour became the key.
    int cx = 0, cy = 0;
    std::vector<DWORD> px = ReadPixels(hBitmap, cx, cy);
    EXPECT_EQ(px[0] & 0xFFFFFF, GREEN);
    EXPECT_EQ(px[8 * 16 + 8] & 0xFFFFFF, MAGENTA);
    ::DeleteObject(hBitmap);

    HBITMAP hThree = MakeBitmap(16, 16, [](int x, int) { return x < 5 ? MAGENTA : x < 10 ? GREEN : SILVER; });
    CExtCmdIcon three(hThree, CExtCmdIcon::NO_COLOR, nullptr, false);
    ASSERT_TRUE(three.CreateKeyedBitmap(hBitmap, clrKey, nullptr, &pBits));
    EXPECT_EQ(clrKey, (COLORREF)1);
    ::DeleteObject(hBitmap);
    // Without a pixel pointer the key is the bitmap's own transparent colour, and there is none.
    EXPECT_FALSE(three.CreateKeyedBitmap(hBitmap, clrKey));
    CExtCmdIcon empty;
    EXPECT_FALSE(empty.CreateKeyedBitmap(hBitmap, clrKey, nullptr, &pBits));
}

TEST(CmdIconKeyed, AnIconIsDrawnOnItsKey)
{
    CExtCmdIcon icon(SquareBitmap(RGB(0, 0, 255), MAGENTA), MAGENTA, nullptr, false);
    CExtCmdIcon iconBased(icon.ExtractHICON(false), false);
    HBITMAP hBitmap = nullptr;
    COLORREF clrKey = 0;
    COLORREF* pBits = nullptr;
    CArray<COLORREF, COLORREF> colors;
    ASSERT_TRUE(iconBased.CreateKeyedBitmap(hBitmap, clrKey, &colors, &pBits));
    ASSERT_EQ(colors.GetSize(), 1);
    EXPECT_EQ(colors[0], clrKey);
    int cx = 0, cy = 0;
    std::vector<DWORD> px = ReadPixels(hBitmap, cx, cy);
    EXPECT_EQ(px[0] & 0xFFFFFF, clrKey);
    EXPECT_EQ(px[8 * 16 + 8] & 0xFFFFFF, RGB(0, 0, 255));
    ::DeleteObject(hBitmap);
}

TEST(CmdIconVariant, NoVariantColourBuildsNothingAndValueChangesDropTheCache)
{
    CExtCmdIcon icon(SquareBitmap(RGB(100, 150, 200), MAGENTA), MAGENTA, nullptr, false);
    EXPECT_EQ(icon.GetVariantIcon(), nullptr);
    EXPECT_EQ(icon.m_iconVariant.m_hIcon, nullptr);
    EXPECT_EQ(icon.SetVariantColor(RGB(255, 0, 0)), CExtCmdIcon::NO_COLOR);
    HICON hVariant = icon.GetVariantIcon();
    ASSERT_NE(hVariant, nullptr);
    EXPECT_EQ(icon.GetVariantIcon(), hVariant);
    EXPECT_EQ(icon.SetVariantFactor(1.4), 1.4);
    EXPECT_EQ(icon.m_iconVariant.m_hIcon, hVariant);
    icon.SetVariantColor(RGB(255, 0, 0));
    EXPECT_EQ(icon.m_iconVariant.m_hIcon, hVariant);
    EXPECT_EQ(icon.SetVariantFactor(0.5), 1.4);
    EXPECT_EQ(icon.m_iconVariant.m_hIcon, nullptr);
    icon.GetVariantIcon();
    icon.SetVariantColor(RGB(0, 0, 255));
    EXPECT_EQ(icon.m_iconVariant.m_hIcon, nullptr);
    icon.Empty();
    EXPECT_EQ(icon.GetVariantColor(), CExtCmdIcon::NO_COLOR);
    EXPECT_EQ(icon.GetVariantFactor(), 1.4);
}

TEST(CmdIconVariant, TheTintBuilderMixesLightnessWithTheVariantColour)
{
    CExtCmdIcon icon(SquareBitmap(RGB(100, 150, 200), MAGENTA), MAGENTA, nullptr, false);
    icon.SetVariantColor(RGB(255, 0, 0));
    icon.SetVariantFactor(0.5);
    ASSERT_TRUE(icon.BuildVariantTint());
    // By hand: L = 0.3*100/255 + 0.5*150/255 + 0.2*200/255 = 0.56862...; L + (1 - L) * 0.5 = 0.78431...
    // V = 200; red = (200 + 3 * 200) / 4 = 200, green = blue = (200 + 0) / 4 = 50.
    DibCanvas canvas(16, 16, WHITE);
    ::DrawIconEx(canvas.dc.GetSafeHdc(), 0, 0, icon.m_iconVariant.m_hIcon, 16, 16, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(canvas.At(8, 8), RGB(200, 50, 50));
    EXPECT_EQ(canvas.At(0, 0), WHITE);
    icon.SetVariantFactor(-0.5);
    ASSERT_TRUE(icon.BuildVariantTint());
    // L = 0.56862 * 0.5 = 0.28431; V = 72; red = (72 + 3 * 72) / 4 = 72, green = blue = 18.
    DibCanvas dark(16, 16, WHITE);
    ::DrawIconEx(dark.dc.GetSafeHdc(), 0, 0, icon.m_iconVariant.m_hIcon, 16, 16, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(dark.At(8, 8), RGB(72, 18, 18));
    icon.SetVariantColor(CExtCmdIcon::NO_COLOR);
    EXPECT_FALSE(icon.BuildVariantTint());
}

TEST(CmdIconVariant, TheAlphaBuilderGreysA32BitIconAndDividesItsAlphaByThree)
{
    // A 32-bit icon with alpha 255 inside and 0 outside.
    BITMAPINFO bi = {};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, -16, 1, 32, BI_RGB};
    void* pv = nullptr;
    HBITMAP hColor = ::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &pv, nullptr, 0);
    DWORD* p = (DWORD*)pv;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            p[y * 16 + x] = (x >= 4 && x < 12 && y >= 4 && y < 12) ? 0xFF6496C8u : 0u; // r 100, g 150, b 200
    ICONINFO ii = {TRUE, 0, 0, ::CreateBitmap(16, 16, 1, 1, nullptr), hColor};
    HICON hIcon = ::CreateIconIndirect(&ii);
    ::DeleteObject(ii.hbmMask);
    ::DeleteObject(hColor);
    CExtCmdIcon icon(hIcon, false);
    ASSERT_TRUE(icon.BuildVariantAlpha(3.0, 0.9));
    ICONINFO vi = {};
    ASSERT_TRUE(::GetIconInfo(icon.m_iconVariant.m_hIcon, &vi));
    int cx = 0, cy = 0;
    std::vector<DWORD> px = ReadPixels(vi.hbmColor, cx, cy);
    ::DeleteObject(vi.hbmColor);
    ::DeleteObject(vi.hbmMask);
    ASSERT_EQ(cx, 16);
    const double y = 0.299 * 100 + 0.587 * 150 + 0.114 * 200;
    const DWORD v = (DWORD)(std::pow(y / 255.0, 0.9) * 255.0);
    const DWORD centre = px[8 * 16 + 8];
    EXPECT_EQ(centre >> 24, 255u / 3);
    // Channels as stored (straight or premultiplied by the image list) stay equal: grey.
    EXPECT_EQ(GetRValue(centre), GetGValue(centre));
    EXPECT_EQ(GetGValue(centre), GetBValue(centre));
    EXPECT_TRUE(GetRValue(centre) == v || GetRValue(centre) == v * 85 / 255) << GetRValue(centre) << " " << v;
    EXPECT_EQ(px[0] >> 24, 0u);
    // A 32-bit bitmap icon made without alpha still gets a variant through the tint builder.
    CExtCmdIcon tinted(SquareBitmap(RGB(100, 150, 200), MAGENTA), MAGENTA, nullptr, false);
    tinted.SetVariantColor(RGB(0, 0, 255));
    EXPECT_NE(tinted.GetVariantIcon(), nullptr);
}

TEST(CmdIconDraw, NormalDisabledMonochromeAndVariantLooks)
{
    CExtCmdIcon icon(SquareBitmap(RGB(200, 30, 30), MAGENTA), MAGENTA, nullptr, false);
    EXPECT_EQ(DrawnAt(icon, CExtCmdIcon::DRAW_NORMAL, 8, 8), RGB(200, 30, 30));
    EXPECT_EQ(DrawnAt(icon, CExtCmdIcon::DRAW_NORMAL, 1, 1), WHITE);
    EXPECT_NE(DrawnAt(icon, CExtCmdIcon::DRAW_DISABLED, 8, 8), RGB(200, 30, 30));
    const COLORREF clrMono = DrawnAt(icon, CExtCmdIcon::DRAW_MONOCHROME, 8, 8);
    EXPECT_NE(clrMono, RGB(200, 30, 30));
    // Without a variant colour the variant state draws the monochrome look.
    EXPECT_EQ(DrawnAt(icon, CExtCmdIcon::DRAW_VARIANT, 8, 8), clrMono);
    icon.SetVariantColor(RGB(255, 0, 0));
    icon.SetVariantFactor(0.5);
    HICON hVariant = icon.GetVariantIcon();
    ASSERT_NE(hVariant, nullptr);
    DibCanvas expected(32, 32, WHITE);
    ::DrawIconEx(expected.dc.GetSafeHdc(), 0, 0, hVariant, 16, 16, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(DrawnAt(icon, CExtCmdIcon::DRAW_VARIANT, 8, 8), expected.At(8, 8));
    CExtCmdIcon empty;
    DibCanvas canvas(4, 4, WHITE);
    EXPECT_FALSE(empty.Draw(&canvas.dc, POINT{0, 0}, 0));
}

TEST(CmdIconPaint, ACheckMarkIsPaintedAtTheCentreWithItsShadow)
{
    CExtCmdIcon icon;
    COLORREF* pBits = nullptr;
    ASSERT_TRUE(icon.CreateFromPaint(RGB(0, 0, 0), CExtCmdIcon::NO_COLOR, 16, 16, &pBits));
    ASSERT_NE(pBits, nullptr);
    EXPECT_TRUE(icon.IsBitmapBased());
    EXPECT_EQ(icon.GetBitmapTransparentColor(), MAGENTA);
    int cx = 0, cy = 0;
    std::vector<DWORD> px = ReadPixels(icon.GetBitmap(), cx, cy);
    auto at = [&](int x, int y) { return px[(size_t)(y * cx + x)] & 0xFFFFFF; };
    const int x0 = 16 / 2 - 3, y0 = 16 / 2 - 3;
    EXPECT_EQ(at(x0 + 0, y0 + 2), RGB(0, 0, 0));
    EXPECT_EQ(at(x0 + 0, y0 + 4), WHITE);
    EXPECT_EQ(at(x0 + 2, y0 + 5), RGB(0, 0, 0));
    EXPECT_EQ(at(x0 + 2, y0 + 6), WHITE);
    EXPECT_EQ(at(x0 + 6, y0 + 0), RGB(0, 0, 0));
    EXPECT_EQ(at(x0 + 6, y0 + 3), MAGENTA);
    EXPECT_EQ(at(0, 0), MAGENTA);
    int nMarked = 0;
    for (DWORD d : px)
        nMarked += (d & 0xFFFFFF) != MAGENTA ? 1 : 0;
    EXPECT_EQ(nMarked, 21);
}

TEST(CmdIconPaint, AMagentaGlyphGetsALightGreenKeyAndBadSizesFail)
{
    CExtCmdIcon icon;
    ASSERT_TRUE(icon.CreateFromPaint(MAGENTA, CExtCmdIcon::NO_COLOR, 12, 10));
    EXPECT_EQ(icon.GetBitmapTransparentColor(), RGB(128, 255, 128));
    EXPECT_EQ(icon.GetSize().cx, 12);
    EXPECT_EQ(icon.GetSize().cy, 10);
    COLORREF* pBits = (COLORREF*)1;
    EXPECT_FALSE(icon.CreateFromPaint(MAGENTA, CExtCmdIcon::NO_COLOR, 0, 10, &pBits));
    EXPECT_EQ(pBits, nullptr);
    EXPECT_FALSE(icon.CreateRadioFromPaint(MAGENTA, CExtCmdIcon::NO_COLOR, 10, -1));
}

TEST(CmdIconPaint, ARadioDotAndABlankPicture)
{
    CExtCmdIcon radio;
    ASSERT_TRUE(radio.CreateRadioFromPaint(RGB(0, 0, 0), RGB(0, 255, 0), 16, 16));
    int cx = 0, cy = 0;
    std::vector<DWORD> px = ReadPixels(radio.GetBitmap(), cx, cy);
    EXPECT_EQ(px[(size_t)(8 * 16 + 8)] & 0xFFFFFF, RGB(0, 0, 0));
    EXPECT_EQ(px[(size_t)(8 * 16 + 11)] & 0xFFFFFF, WHITE); // shadow, right of the dot
    EXPECT_EQ(px[(size_t)(11 * 16 + 8)] & 0xFFFFFF, WHITE); // and below it
    EXPECT_EQ(px[0] & 0xFFFFFF, GREEN);
    CExtCmdIcon blank;
    ASSERT_TRUE(blank.CreateBlankFromPaint(CExtCmdIcon::NO_COLOR, 20, 18));
    EXPECT_EQ(blank.GetBitmapTransparentColor(), MAGENTA);
    EXPECT_EQ(blank.GetSize().cx, 20);
    DibCanvas canvas(32, 32, RGB(1, 2, 3));
    blank.Draw(&canvas.dc, POINT{0, 0}, 0);
    EXPECT_EQ(canvas.Count(CRect(0, 0, 32, 32), RGB(1, 2, 3)), 32 * 32);
}

TEST(CmdIconScale, TheOwnSizeIsACopyAndAnUpscaleKeepsTheKeyTransparent)
{
    CExtCmdIcon source(SquareBitmap(RGB(0, 0, 200), MAGENTA), MAGENTA, nullptr, false);
    CExtCmdIcon same;
    ASSERT_TRUE(same.CreateScaledCopy(source, 16, 16));
    EXPECT_TRUE(same.IsBitmapBased());
    EXPECT_NE(same.GetBitmap(), source.GetBitmap());
    EXPECT_EQ(DrawnAt(same, 0, 8, 8), RGB(0, 0, 200));
    CExtCmdIcon big;
    ASSERT_TRUE(big.CreateScaledCopy(source, 24, 24));
    EXPECT_EQ(big.GetSize().cx, 24);
    EXPECT_TRUE(big.IsBitmapBased());
    EXPECT_EQ(DrawnAt(big, 0, 12, 12), RGB(0, 0, 200));
    EXPECT_EQ(DrawnAt(big, 0, 1, 1), WHITE);
    EXPECT_EQ(DrawnAt(big, 0, 22, 22), WHITE);
    CExtCmdIcon iconSource(source.GetIcon(), true);
    CExtCmdIcon fromIcon;
    ASSERT_TRUE(fromIcon.CreateScaledCopy(iconSource, 24, 24));
    EXPECT_FALSE(fromIcon.IsBitmapBased());
    EXPECT_EQ(fromIcon.GetSize().cx, 24);
    EXPECT_EQ(DrawnAt(fromIcon, 0, 12, 12), RGB(0, 0, 200));
    EXPECT_EQ(DrawnAt(fromIcon, 0, 1, 1), WHITE);
    CExtCmdIcon empty;
    EXPECT_FALSE(big.CreateScaledCopy(empty, 16, 16));
    EXPECT_FALSE(big.CreateScaledCopy(source, 0, 16));
}

TEST(CmdIconArchive, EachKindRoundTrips)
{
    CExtCmdIcon empty;
    EXPECT_EQ(Store(empty), std::vector<BYTE>{0});
    CExtCmdIcon loadedEmpty(SquareBitmap(RGB(1, 1, 1), MAGENTA), MAGENTA, nullptr, false);
    EXPECT_FALSE(LoadThrows(loadedEmpty, {0}));
    EXPECT_TRUE(loadedEmpty.IsEmpty());

    CExtCmdIcon bitmapIcon(SquareBitmap(RGB(10, 200, 30), MAGENTA), MAGENTA, nullptr, false);
    std::vector<BYTE> bytes = Store(bitmapIcon);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[1], 'B');
    EXPECT_EQ(bytes[2], 'M');
    CExtCmdIcon back;
    EXPECT_FALSE(LoadThrows(back, bytes));
    EXPECT_TRUE(back.IsBitmapBased());
    EXPECT_EQ(back.GetBitmapTransparentColor(), MAGENTA);
    EXPECT_EQ(back.GetSize().cx, 16);
    EXPECT_EQ(DrawnAt(back, 0, 8, 8), RGB(10, 200, 30));
    EXPECT_EQ(DrawnAt(back, 0, 1, 1), WHITE);

    CExtCmdIcon iconBased(MakeCursor(16, 16, 8, 8, RGB(70, 80, 90)), false);
    bytes = Store(iconBased);
    EXPECT_EQ(bytes[0], 2);
    EXPECT_EQ(bytes[1], 0x06); // a cursor with colour and mask bitmaps
    CExtCmdIcon iconBack;
    EXPECT_FALSE(LoadThrows(iconBack, bytes));
    EXPECT_FALSE(iconBack.IsBitmapBased());
    EXPECT_EQ(iconBack.GetSize().cx, 16);
    EXPECT_EQ(DrawnAt(iconBack, 0, 5, 5), RGB(70, 80, 90));
}

TEST(CmdIconArchive, AnUnknownKindRaisesTheArchiveExceptionAndLeavesTheIconEmpty)
{
    for (BYTE nKind : {3, 7, 255})
    {
        CExtCmdIcon icon(SquareBitmap(RGB(1, 1, 1), MAGENTA), MAGENTA, nullptr, false);
        EXPECT_TRUE(LoadThrows(icon, {nKind, 0, 0, 0, 0, 0, 0, 0, 0, 0})) << (int)nKind;
        EXPECT_TRUE(icon.IsEmpty());
    }
    CExtCmdIcon truncated;
    CExtCmdIcon bitmapIcon(SquareBitmap(RGB(10, 200, 30), MAGENTA), MAGENTA, nullptr, false);
    std::vector<BYTE> bytes = Store(bitmapIcon);
    bytes.resize(bytes.size() / 2);
    EXPECT_TRUE(LoadThrows(truncated, bytes));
    EXPECT_TRUE(truncated.IsEmpty());
}
