// Bitmap helpers: icons from bitmaps (grey replacement, both ways of building them), copies of
// parts, colour counts and tables, packed DIBs, BMP data stored and loaded (round trip, hand-
// checked header, resource form, malformed and mutated files).
#include <gtest/gtest.h>
#include "FoundationTestSupport.h"
#include "SavedHolderFacts.h"
#include "support/DibCanvas.h"
#include "foundation_test_ids.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include <cstring>
#include <random>

namespace
{
using PM = CExtPaintManager;
using MonitorParms = CExtPaintManager::MonitorParms;

// A bottom-up DIB section of the given depth; 24 and 32 bits take pixels as COLORREFs, row by row
// from the top; 4 and 8 bits take palette indices and a colour table.
HBITMAP MakeBitmap(int cx, int cy, const std::vector<COLORREF>& pixels)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 24;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    HBITMAP h = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    const int stride = ((cx * 24 + 31) / 32) * 4;
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
        {
            BYTE* p = (BYTE*)pBits + (size_t)(cy - 1 - y) * stride + x * 3;
            const COLORREF c = pixels[(size_t)y * cx + x];
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    return h;
}

HBITMAP MakeIndexedBitmap(int nBits, int cx, int cy, const std::vector<COLORREF>& table,
                          const std::vector<BYTE>& indices)
{
    std::vector<BYTE> info(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD), 0);
    BITMAPINFO* pbmi = (BITMAPINFO*)info.data();
    pbmi->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    pbmi->bmiHeader.biWidth = cx;
    pbmi->bmiHeader.biHeight = cy;
    pbmi->bmiHeader.biPlanes = 1;
    pbmi->bmiHeader.biBitCount = (WORD)nBits;
    pbmi->bmiHeader.biCompression = BI_RGB;
    for (size_t i = 0; i < table.size(); ++i)
        pbmi->bmiColors[i] = {GetBValue(table[i]), GetGValue(table[i]), GetRValue(table[i]), 0};
    void* pBits = nullptr;
    HBITMAP h = ::CreateDIBSection(nullptr, pbmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    const int stride = ((cx * nBits + 31) / 32) * 4;
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
        {
            BYTE* row = (BYTE*)pBits + (size_t)(cy - 1 - y) * stride;
            const BYTE v = indices[(size_t)y * cx + x];
            if (nBits == 8)
                row[x] = v;
            else
                row[x / 2] |= (BYTE)(x % 2 == 0 ? v << 4 : v);
        }
    return h;
}

COLORREF PixelOf(HBITMAP h, int x, int y)
{
    HDC hDC = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, h);
    COLORREF c = ::GetPixel(hDC, x, y);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    return c;
}

std::vector<COLORREF> DrawIcon(HICON hIcon, int cx, int cy, COLORREF clrBack)
{
    DibCanvas canvas(cx, cy, clrBack);
    ::DrawIconEx(canvas.dc.m_hDC, 0, 0, hIcon, cx, cy, 0, nullptr, DI_NORMAL);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            pixels.push_back(canvas.At(x, y));
    return pixels;
}

// The grey replacement by its rule: the table in order, each entry comparing the current value,
// entries left out when their grey is the transparent colour or equals the system colour.
COLORREF ReplacedGrey(COLORREF c, COLORREF clrTransparent)
{
    const COLORREF greys[3] = {RGB(128, 128, 128), RGB(192, 192, 192), RGB(223, 223, 223)};
    const int sys[3] = {COLOR_BTNSHADOW, COLOR_BTNFACE, COLOR_3DLIGHT};
    if (c == clrTransparent)
        return c;
    for (int i = 0; i < 3; ++i)
        if (greys[i] != clrTransparent && ::GetSysColor(sys[i]) != greys[i] && c == greys[i])
            c = ::GetSysColor(sys[i]);
    return c;
}

std::vector<BYTE> StoreBitmap(HBITMAP h)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        HBITMAP hCopy = h;
        EXPECT_TRUE(PM::SerializeBitmap(ar, &hCopy));
        ar.Close();
    }
    std::vector<BYTE> bytes((size_t)file.GetLength());
    file.SeekToBegin();
    file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

template <class T> T FieldAt(const std::vector<BYTE>& v, size_t off)
{
    T t;
    memcpy(&t, v.data() + off, sizeof t);
    return t;
}
template <class T> void SetField(std::vector<BYTE>& v, size_t off, T t) { memcpy(v.data() + off, &t, sizeof t); }

HBITMAP Load(const std::vector<BYTE>& v)
{
    // An exact-size copy: reading past it is reading past the file.
    std::vector<BYTE> exact(v.begin(), v.end());
    return PM::LoadBitmapFromMemory(exact.empty() ? nullptr : exact.data(), (DWORD)exact.size());
}

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kBack = RGB(0x12, 0x34, 0x56);
} // namespace

TEST(BitmapIcon, GreyReplacementSparesTheTransparentGrey)
{
    const std::vector<COLORREF> pixels = {
        RGB(128, 128, 128), RGB(192, 192, 192), RGB(223, 223, 223), kRed, kMagenta, kRed, RGB(192, 192, 192), kMagenta};
    HBITMAP hBitmap = MakeBitmap(4, 2, pixels);
    for (COLORREF clrTransparent : {RGB(192, 192, 192), kMagenta})
    {
        for (bool bReplace : {false, true})
        {
            HICON hIcon = PM::CreateIconFromBitmap(hBitmap, clrTransparent, nullptr, bReplace);
            ASSERT_NE(hIcon, nullptr);
            const std::vector<COLORREF> drawn = DrawIcon(hIcon, 4, 2, kBack);
            for (size_t i = 0; i < pixels.size(); ++i)
            {
                COLORREF expected = pixels[i] == clrTransparent ? kBack
                                    : bReplace                  ? ReplacedGrey(pixels[i], clrTransparent)
                                                                : pixels[i];
                EXPECT_EQ(drawn[i], expected) << i << " transparent " << clrTransparent << " replace " << bReplace;
            }
            ::DestroyIcon(hIcon);
        }
    }
    EXPECT_EQ(PM::CreateIconFromBitmap(nullptr, kMagenta), nullptr);
    ::DeleteObject(hBitmap);
}

TEST(BitmapIcon, ImageListAndHandBuiltIconsDrawTheSamePixels)
{
    std::vector<COLORREF> pixels;
    for (int i = 0; i < 6 * 5; ++i)
        pixels.push_back(i % 4 == 0 ? kMagenta : RGB(i * 8, 255 - i * 8, (i * 37) % 256));
    HBITMAP hBitmap = MakeBitmap(6, 5, pixels);
    SavedHolderFacts saved;
    g_PaintManagerHolder.m_bIsWin2000OrLater = true;
    g_PaintManagerHolder.m_bIsWin9x = false;
    HICON hFromList = PM::CreateIconFromBitmap(hBitmap, kMagenta, nullptr, true);
    g_PaintManagerHolder.m_bIsWin9x = true;
    HICON hByHand = PM::CreateIconFromBitmap(hBitmap, kMagenta, nullptr, true);
    ASSERT_NE(hFromList, nullptr);
    ASSERT_NE(hByHand, nullptr);
    const std::vector<COLORREF> a = DrawIcon(hFromList, 6, 5, kBack);
    EXPECT_EQ(a, DrawIcon(hByHand, 6, 5, kBack));
    EXPECT_EQ(a[0], kBack);
    EXPECT_EQ(a[1], pixels[1]);

    // A part of the bitmap gives an icon of the part's size.
    const RECT part = {1, 1, 4, 3};
    HICON hPart = PM::CreateIconFromBitmap(hBitmap, kMagenta, &part);
    ASSERT_NE(hPart, nullptr);
    ICONINFO ii = {};
    ASSERT_TRUE(::GetIconInfo(hPart, &ii));
    BITMAP bm;
    ::GetObjectW(ii.hbmColor ? ii.hbmColor : ii.hbmMask, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, 3);
    EXPECT_EQ(DrawIcon(hPart, 3, 2, kBack)[0], pixels[1 * 6 + 1]);
    ::DeleteObject(ii.hbmColor);
    ::DeleteObject(ii.hbmMask);
    ::DestroyIcon(hPart);
    ::DestroyIcon(hFromList);
    ::DestroyIcon(hByHand);
    ::DeleteObject(hBitmap);
}

TEST(BitmapCopy, APartBecomesA32BitDibOrAScreenBitmap)
{
    const std::vector<COLORREF> pixels = {kRed,         RGB(1, 2, 3),    RGB(4, 5, 6), kMagenta,
                                          RGB(7, 8, 9), RGB(10, 11, 12), kRed,         kMagenta};
    HBITMAP hBitmap = MakeBitmap(4, 2, pixels);
    const RECT part = {1, 0, 3, 2};
    COLORREF* pSurface = nullptr;
    HBITMAP hDib = PM::CopyBitmap(hBitmap, &part, &pSurface);
    ASSERT_NE(hDib, nullptr);
    ASSERT_NE(pSurface, nullptr);
    DIBSECTION ds = {};
    ASSERT_EQ(::GetObjectW(hDib, sizeof ds, &ds), (int)sizeof ds);
    EXPECT_EQ(ds.dsBmih.biWidth, 2);
    EXPECT_EQ(ds.dsBmih.biHeight, 2); // bottom-up
    EXPECT_EQ(ds.dsBmih.biBitCount, 32);
    // Bottom-up rows: the first pixel in memory is the bottom-left one of the part; blue first.
    const DWORD* px = (const DWORD*)pSurface;
    EXPECT_EQ(px[0] & 0x00FFFFFF, 0x000A0B0Cu); // RGB(10, 11, 12) as blue, green, red
    EXPECT_EQ(PixelOf(hDib, 0, 0), RGB(1, 2, 3));
    EXPECT_EQ(PixelOf(hDib, 1, 1), kRed);
    ::DeleteObject(hDib);

    HBITMAP hScreen = PM::CopyBitmap(hBitmap, &part);
    ASSERT_NE(hScreen, nullptr);
    EXPECT_EQ(PixelOf(hScreen, 1, 0), RGB(4, 5, 6));
    ::DeleteObject(hScreen);
    const RECT empty = {2, 0, 2, 2};
    EXPECT_EQ(PM::CopyBitmap(hBitmap, &empty, &pSurface), nullptr);
    EXPECT_EQ(pSurface, nullptr);
    ::DeleteObject(hBitmap);
}

TEST(BitmapColors, CountsAndTables)
{
    HBITMAP hBitmap = MakeBitmap(3, 2, {kRed, kRed, kMagenta, kRed, RGB(1, 2, 3), kMagenta});
    CMap<COLORREF, COLORREF, DWORD, DWORD> counts;
    counts[RGB(9, 9, 9)] = 5; // emptied first
    EXPECT_EQ(PM::CountBitmapColors(hBitmap, counts), 24);
    EXPECT_EQ(counts.GetCount(), 3);
    EXPECT_EQ(counts[kRed], 3u);
    EXPECT_EQ(counts[kMagenta], 2u);
    EXPECT_EQ(counts[RGB(1, 2, 3)], 1u);
    CArray<COLORREF, COLORREF> colors;
    EXPECT_EQ(PM::GetBitmapColorArray(hBitmap, colors), 24);
    EXPECT_EQ(colors.GetSize(), 3);
    EXPECT_EQ(PM::CountBitmapColors(nullptr, counts), 0);
    EXPECT_TRUE(counts.IsEmpty());
    ::DeleteObject(hBitmap);

    // A 4-bit bitmap: its 16 table colours, fewer without duplicates (first occurrences kept).
    std::vector<COLORREF> table;
    for (int i = 0; i < 16; ++i)
        table.push_back(i % 5 == 4 ? RGB(0, 0, 0) : RGB(i * 10, 100, 200 - i));
    HBITMAP h4 = MakeIndexedBitmap(4, 4, 1, table, {0, 1, 2, 3});
    ASSERT_EQ(PM::GetBitmapColorArray(h4, colors, false), 4);
    ASSERT_EQ(colors.GetSize(), 16);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(colors[i], table[i]) << i;
    ASSERT_EQ(PM::GetBitmapColorArray(h4, colors, true), 4);
    EXPECT_EQ(colors.GetSize(), 14); // entries 9 and 14 repeat the black of entry 4
    EXPECT_EQ(colors[4], RGB(0, 0, 0));
    EXPECT_EQ(colors[5], table[5]);
    ::DeleteObject(h4);
}

TEST(BitmapDib, PackedDibHeaderAndImageSize)
{
    HBITMAP hBitmap = MakeBitmap(5, 3, std::vector<COLORREF>(15, kRed));
    HGLOBAL hDib = PM::GetBitmapDib(hBitmap);
    ASSERT_NE(hDib, nullptr);
    const BITMAPINFOHEADER* p = (const BITMAPINFOHEADER*)::GlobalLock(hDib);
    EXPECT_EQ(p->biSize, 40u);
    EXPECT_EQ(p->biWidth, 5);
    EXPECT_EQ(p->biHeight, 3);
    EXPECT_EQ(p->biPlanes, 1);
    EXPECT_EQ(p->biBitCount, 24);
    EXPECT_EQ(p->biCompression, (DWORD)BI_RGB);
    EXPECT_EQ(p->biSizeImage, 48u); // 16 bytes a row
    EXPECT_GE(::GlobalSize(hDib), (SIZE_T)(40 + 48));
    const BYTE* pixels = (const BYTE*)(p + 1);
    EXPECT_EQ(pixels[2], 255); // red of the first pixel
    ::GlobalUnlock(hDib);
    ::GlobalFree(hDib);
    EXPECT_EQ(PM::GetBitmapDib(nullptr), nullptr);
    ::DeleteObject(hBitmap);
}

TEST(BitmapBmp, StoredBytesAreABmpFileThatLoadsBack)
{
    std::vector<COLORREF> pixels;
    for (int i = 0; i < 15; ++i)
        pixels.push_back(RGB(i * 10, 200 - i, 7 * i));
    HBITMAP hBitmap = MakeBitmap(5, 3, pixels);
    const std::vector<BYTE> bytes = StoreBitmap(hBitmap);
    ASSERT_EQ(bytes.size(), 14u + 40 + 48);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(FieldAt<DWORD>(bytes, 2), (DWORD)bytes.size());
    EXPECT_EQ(FieldAt<WORD>(bytes, 6), 0);
    EXPECT_EQ(FieldAt<WORD>(bytes, 8), 0);
    EXPECT_EQ(FieldAt<DWORD>(bytes, 10), 54u);
    EXPECT_EQ(FieldAt<DWORD>(bytes, 14), 40u);
    EXPECT_EQ(FieldAt<LONG>(bytes, 18), 5);
    EXPECT_EQ(FieldAt<LONG>(bytes, 22), 3);
    EXPECT_EQ(FieldAt<WORD>(bytes, 28), 24);
    HBITMAP hLoaded = Load(bytes);
    ASSERT_NE(hLoaded, nullptr);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(PixelOf(hLoaded, x, y), pixels[(size_t)y * 5 + x]) << x << "," << y;
    ::DeleteObject(hLoaded);
    ::DeleteObject(hBitmap);

    // With a colour table: the pixels start after it.
    std::vector<COLORREF> table;
    for (int i = 0; i < 16; ++i)
        table.push_back(RGB(i * 16, 255 - i * 16, 128));
    HBITMAP h4 = MakeIndexedBitmap(4, 3, 2, table, {1, 2, 3, 15, 14, 13});
    const std::vector<BYTE> bytes4 = StoreBitmap(h4);
    EXPECT_EQ(FieldAt<DWORD>(bytes4, 10), 14u + 40 + 16 * 4);
    HBITMAP hLoaded4 = Load(bytes4);
    ASSERT_NE(hLoaded4, nullptr);
    EXPECT_EQ(PixelOf(hLoaded4, 0, 0), table[1]);
    EXPECT_EQ(PixelOf(hLoaded4, 2, 1), table[13]);
    ::DeleteObject(hLoaded4);
    ::DeleteObject(h4);
}

TEST(BitmapBmp, TheResourceFormReadsTheDibWithoutFileHeader)
{
    HINSTANCE hModule = ::GetModuleHandleW(nullptr);
    HRSRC hInfo = ::FindResourceExW(hModule, RT_BITMAP, MAKEINTRESOURCEW(IDB_FT_FLAG), 0x0409);
    ASSERT_NE(hInfo, nullptr);
    HBITMAP h = PM::LoadBitmapFromResource(hModule, hInfo);
    ASSERT_NE(h, nullptr);
    BITMAP bm;
    ::GetObjectW(h, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, 4);
    EXPECT_EQ(bm.bmHeight, 4);
    EXPECT_EQ(PixelOf(h, 3, 3), kRed);
    ::DeleteObject(h);
    EXPECT_EQ(PM::LoadBitmapFromResource(hModule, nullptr), nullptr);
}

TEST(BitmapBmp, MalformedFilesGiveNull)
{
    HBITMAP h8 = MakeIndexedBitmap(8, 4, 4, {kRed, kMagenta}, std::vector<BYTE>(16, 1));
    HBITMAP h24 = MakeBitmap(4, 4, std::vector<COLORREF>(16, kRed));
    const std::vector<BYTE> good8 = StoreBitmap(h8);
    const std::vector<BYTE> good24 = StoreBitmap(h24);
    ::DeleteObject(h8);
    ::DeleteObject(h24);
    HBITMAP hGood = Load(good8);
    ASSERT_NE(hGood, nullptr);
    ::DeleteObject(hGood);

    auto expectNull = [](const std::vector<BYTE>& v, const char* what) {
        HBITMAP h = Load(v);
        EXPECT_EQ(h, nullptr) << what;
        if (h != nullptr)
            ::DeleteObject(h);
    };
    for (size_t n : {0, 1, 13, 14, 30, 54, 54 + 1024, (int)good8.size() - 1})
        expectNull(std::vector<BYTE>(good8.begin(), good8.begin() + n), "truncated");
    std::vector<BYTE> v;
    v = good24, SetField<DWORD>(v, 14, 12), expectNull(v, "header size 12");
    v = good24, SetField<DWORD>(v, 14, 5000), expectNull(v, "header size 5000");
    v = good24, SetField<WORD>(v, 28, 7), expectNull(v, "bit count 7");
    v = good24, SetField<LONG>(v, 18, -4), expectNull(v, "negative width");
    v = good24, SetField<LONG>(v, 18, 0), expectNull(v, "width 0");
    v = good24, SetField<LONG>(v, 22, 40000), expectNull(v, "huge height");
    v = good24, SetField<LONG>(v, 22, -40000), expectNull(v, "huge top-down height");
    v = good24, SetField<LONG>(v, 22, 0), expectNull(v, "height 0");
    v = good24, SetField<DWORD>(v, 30, BI_RLE8), expectNull(v, "compressed");
    v = good24, SetField<DWORD>(v, 30, BI_BITFIELDS), expectNull(v, "bit fields at 24 bits");
    v = good8, SetField<DWORD>(v, 46, 300), expectNull(v, "colour table larger than the depth allows");
    v = good24, SetField<DWORD>(v, 46, 200), expectNull(v, "colour table past the end");
    v = good24, SetField<DWORD>(v, 10, 5000), expectNull(v, "pixel offset past the end");
    v = good24, SetField<DWORD>(v, 10, 20), expectNull(v, "pixel offset inside the header");
    v = good24, SetField<DWORD>(v, 2, 0), expectNull(v, "file size 0");
    v = good24, SetField<DWORD>(v, 2, 0xFFFFFFF0u), expectNull(v, "file size beyond the data");
    v = good24, v[0] = 'X', expectNull(v, "no BM signature");
    v = good24, SetField<LONG>(v, 22, -4);
    HBITMAP hTopDown = Load(v);
    EXPECT_NE(hTopDown, nullptr) << "top-down files stay valid";
    if (hTopDown != nullptr)
        ::DeleteObject(hTopDown);
}

TEST(BitmapBmp, MutatedFilesNeverCrashOrOverRead)
{
    HBITMAP h8 = MakeIndexedBitmap(8, 5, 3, {kRed, kMagenta, RGB(1, 2, 3)}, std::vector<BYTE>(15, 2));
    HBITMAP h24 = MakeBitmap(3, 3, std::vector<COLORREF>(9, kMagenta));
    const std::vector<BYTE> seeds[2] = {StoreBitmap(h8), StoreBitmap(h24)};
    ::DeleteObject(h8);
    ::DeleteObject(h24);
    std::mt19937 rng(20261207);
    int nLoaded = 0;
    for (int round = 0; round < 100000; ++round)
    {
        std::vector<BYTE> v = seeds[round % 2];
        const int nFlips = 1 + (int)(rng() % 4);
        for (int k = 0; k < nFlips; ++k)
        {
            // Mostly the headers, where the sizes live.
            const size_t pos = rng() % 2 ? rng() % 54 : rng() % v.size();
            v[pos] = (BYTE)rng();
        }
        if (rng() % 4 == 0)
            v.resize(rng() % (v.size() + 1));
        if (HBITMAP h = Load(v))
        {
            ++nLoaded;
            BITMAP bm;
            ASSERT_EQ(::GetObjectW(h, sizeof bm, &bm), (int)sizeof bm);
            ::DeleteObject(h);
        }
    }
    EXPECT_GT(nLoaded, 0);
}
