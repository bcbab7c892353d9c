// The developer gallery: each style's colour swatches, gradients, check marks, radio dots and the
// undo/redo caption, written to build/gallery/<style>.png for people to look at (not compared).
#include "GalleryStyles.h"
#include <gtest/gtest.h>

namespace
{

const int kSwatch = 14;

// Paints one row of swatches, one per id, and answers whether each swatch shows its colour.
bool PaintSwatches(CExtPaintManager& pm, DibCanvas& c, int y, int nFirst, int nLast)
{
    bool bOk = true;
    for (int id = nFirst; id <= nLast; id++)
    {
        const int x = 4 + (id - nFirst) * (kSwatch + 2);
        const COLORREF clr = pm.GetTranslatedColor(id);
        c.dc.FillSolidRect(x, y, kSwatch, kSwatch, clr);
        bOk = bOk && c.At(x + kSwatch / 2, y + kSwatch / 2) == clr;
    }
    return bOk;
}

void PaintStyle(const wchar_t* pszName, CExtPaintManager& pm)
{
    DibCanvas c(600, 200, RGB(255, 255, 255));
    EXPECT_TRUE(PaintSwatches(pm, c, 4, 1000, 1011)) << pszName;
    EXPECT_TRUE(PaintSwatches(pm, c, 22, 2000, 2011)) << pszName;
    EXPECT_TRUE(PaintSwatches(pm, c, 40, 3000, 3035)) << pszName;

    // The docker gradient and a bar gradient.
    CExtPaintManager::PaintGradientRect(c.dc, CRect(4, 60, 300, 80), pm.GetTranslatedColor(XCLR_O2003_01),
                                        pm.GetTranslatedColor(XCLR_O2003_00), false, 64);
    CExtPaintManager::PaintGradientRect(c.dc, CRect(310, 60, 340, 120), pm.GetTranslatedColor(XCLR_O2003_17),
                                        pm.GetTranslatedColor(XCLR_O2003_15), true, 256);

    // Check marks and radio dots on the menu face, in the text colour and in white.
    c.dc.FillSolidRect(4, 86, 120, 30, pm.GetTranslatedColor(XCLR_FACE_ALT));
    CExtPaintManager::PaintCheckMark(c.dc, 10, 92, pm.GetTranslatedColor(XCLR_TEXT_NORMAL));
    CExtPaintManager::PaintCheckMark(c.dc, 30, 92, RGB(255, 255, 255));
    CExtPaintManager::PaintRadioDot(c.dc, 50, 92, pm.GetTranslatedColor(XCLR_TEXT_NORMAL));
    CExtPaintManager::PaintRadioDot(c.dc, 70, 92, RGB(255, 255, 255));

    pm.PaintUndoRedoCaption(c.dc, CRect(4, 130, 204, 154), L"Undo 3 Actions", nullptr, 0);
    EXPECT_TRUE(painthost::SaveToGallery(c, pszName)) << pszName;
}

} // namespace

TEST(PaintGallery, EachStyleWritesItsSwatchesGradientsMarksAndCaption)
{
    painthost::ScopedStyle restore;
    gallery::ForEachStyle(PaintStyle);
}

TEST(PaintGallery, PngWriterRefusesEmptyImagesAndUnwritablePaths)
{
    const DWORD px[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    EXPECT_FALSE(painthost::WritePng(L"unused.png", 0, 2, px));
    EXPECT_FALSE(painthost::WritePng(L"Z:\\no\\such\\folder\\x.png", 2, 2, px));
    wchar_t szTemp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, szTemp);
    std::wstring path = std::wstring(szTemp) + L"corvane_png_test.png";
    ASSERT_TRUE(painthost::WritePng(path, 2, 2, px));
    HANDLE h = ::CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    BYTE head[16] = {};
    DWORD nRead = 0;
    ::ReadFile(h, head, 16, &nRead, nullptr);
    const DWORD nSize = ::GetFileSize(h, nullptr);
    ::CloseHandle(h);
    ::DeleteFileW(path.c_str());
    EXPECT_EQ(head[0], 0x89);
    EXPECT_EQ(head[1], 'P');
    EXPECT_EQ(head[12], 'I');
    EXPECT_EQ(head[15], 'R');
    // Signature 8, IHDR 25, IDAT 12 + zlib (2 + 5 + 14 + 4), IEND 12.
    EXPECT_EQ(nSize, 8u + 25u + 12u + 25u + 12u);
}
