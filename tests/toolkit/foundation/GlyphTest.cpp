// Glyphs: turned copies, the named glyphs and the system-command table against their pixel rows,
// destruction; the text height; and the undo/redo caption framed only in the base style.
#include "toolkit/foundation/ExtPaintManagerGlyph.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/support/PaintHost.h"
#include <gtest/gtest.h>
#include <string>

namespace
{

typedef CExtPaintManagerGlyph G;

// The glyph as rows of '.', 'X', 'o', '+'.
std::string Rows(const G& g)
{
    std::string s;
    for (int y = 0; y < g.GetHeight(); y++)
    {
        if (y > 0)
            s += ' ';
        for (int x = 0; x < g.GetWidth(); x++)
            s += ".Xo+"[g.GetPixel(x, y) & 3];
    }
    return s;
}

bool SamePixels(const G& a, const G& b)
{
    return a.GetWidth() == b.GetWidth() && a.GetHeight() == b.GetHeight() && Rows(a) == Rows(b);
}

} // namespace

TEST(Glyphs, QuarterTurnsRoundTripAndHalfTurnsKeepTheSize)
{
    const UINT data[] = {1, 2, 0, 3, 0, 1, 1, 1, 2, 0, 0, 3}; // 4 x 3
    G source(4, 3, 4, data);
    G cw(source, G::kTurnClockwise);
    EXPECT_EQ(cw.GetSize(), CSize(3, 4));
    EXPECT_TRUE(cw.OwnsData());
    EXPECT_FALSE(source.OwnsData());
    EXPECT_EQ(cw.GetPixel(2, 0), source.GetPixel(0, 0)); // (x, y) -> (H - 1 - y, x)
    EXPECT_EQ(cw.GetPixel(0, 3), source.GetPixel(3, 2));
    G back(cw, G::kTurnAnticlockwise);
    EXPECT_TRUE(SamePixels(back, source));
    G half(source, G::kTurnHalf);
    EXPECT_EQ(half.GetSize(), CSize(4, 3));
    EXPECT_EQ(half.GetPixel(3, 2), source.GetPixel(0, 0));
    G twice(half, G::kTurnHalf);
    EXPECT_TRUE(SamePixels(twice, source));
    EXPECT_EQ(cw.GetColorsCount(), 4u);
}

TEST(Glyphs, NamedGlyphsHaveTheirRowsAndSizes)
{
    EXPECT_EQ(Rows(g_glyphExpandArrowH), "XXXXX .XXX. ..X..");
    EXPECT_EQ(Rows(g_glyphExpandChevronH), "XX..XX.. .XX..XX. ..XX..XX .XX..XX. XX..XX..");
    // A quarter clockwise moves (x, y) to (H - 1 - y, x): the downward arrow points left.
    EXPECT_EQ(Rows(g_glyphExpandArrowV), "..X .XX XXX .XX ..X");
    EXPECT_EQ(g_glyphExpandChevronV.GetSize(), CSize(5, 8));
    EXPECT_EQ(Rows(g_glyphDropDownArrowV), "X.. XX. XXX XX. X..");
    EXPECT_EQ(Rows(g_glyphExpandArrowH2003), "XXXXX ..... ..... XXXXX .XXX. ..X..");
    EXPECT_EQ(Rows(g_glyphExpandChevronH2003), "...... X...X. XX..XX X...X. ......");
    EXPECT_EQ(g_glyphExpandArrowV2003.GetSize(), CSize(6, 5));
    EXPECT_EQ(g_glyphExpandChevronV2003.GetSize(), CSize(5, 6));
    ASSERT_EQ(g_glyphMenuSubmenuArrow.GetSize(), CSize(12, 16));
    for (int y = 0; y < 16; y++)
    {
        int n = 0, first = -1;
        for (int x = 0; x < 12; x++)
            if (g_glyphMenuSubmenuArrow.GetPixel(x, y) != 0)
            {
                n++;
                if (first < 0)
                    first = x;
            }
        const int expected = (y < 3 || y > 13) ? 0 : 6 - std::abs(8 - y);
        EXPECT_EQ(n, expected) << y;
        if (n > 0)
        {
            EXPECT_EQ(first, 6) << y;
        }
        EXPECT_EQ(g_glyphMenuSubmenuArrowBar.GetPixel(0, y), 1u) << y;
        for (int x = 1; x < 12; x++)
            EXPECT_EQ(g_glyphMenuSubmenuArrowBar.GetPixel(x, y), g_glyphMenuSubmenuArrow.GetPixel(x, y));
    }
}

TEST(Glyphs, SystemCommandTableHoldsFortyNineGlyphsWithTheirRows)
{
    for (int i = 0; i < kSysCmdGlyphCount; i++)
        ASSERT_NE(g_arrSysCmdGlyphs[i], nullptr) << i;
    EXPECT_EQ(Rows(*g_arrSysCmdGlyphs[1]),
              "......... .XX....XX ..XX..XX. ...XXXX.. ....XX... ...XXXX.. ..XX..XX. .XX....XX .........");
    EXPECT_EQ(Rows(*g_arrSysCmdGlyphs[7]),
              "..XXXXXX. ..X....X. XXXXXX.X. XXXXXX.X. X....XXX. X....X... X....X... XXXXXX... .........");
    EXPECT_EQ(Rows(*g_arrSysCmdGlyphs[9]),
              "...XXXX.. ..XX..XX. ..XX..XX. .....XX.. ....XX... ....XX... ......... ....XX... ....XX...");
    EXPECT_EQ(Rows(*g_arrSysCmdGlyphs[3]),
              "......... ......... ......... .XXXXXXX. ..XXXXX.. ...XXX... ....X.... ......... .........");
    EXPECT_EQ(Rows(*g_arrSysCmdGlyphs[40]), "......... .X..X..X. .........");
    EXPECT_EQ(Rows(*g_arrSysCmdGlyphs[36]), "..X.. .XXX. XXXXX");
    EXPECT_EQ(Rows(*g_arrSysCmdGlyphs[37]), "XXXXX .XXX. ..X..");
    EXPECT_EQ(Rows(*g_arrSysCmdGlyphs[41]).substr(0, 22), "....XX.... ....XX.... ");
    EXPECT_EQ(Rows(*g_arrSysCmdGlyphs[42]).substr(0, 10), "+++++++++o");
    EXPECT_EQ(Rows(*g_arrSysCmdGlyphs[47]).substr(10, 9), "XoooooooX");
    const struct
    {
        int index, w, h;
        UINT colors;
    } sizes[] = {{0, 9, 9, 2},  {28, 11, 11, 2}, {31, 11, 11, 2}, {35, 11, 11, 2}, {36, 5, 3, 2},
                 {38, 3, 5, 2}, {39, 3, 5, 2},   {40, 9, 3, 2},   {41, 10, 10, 4}, {44, 10, 10, 4},
                 {45, 7, 7, 2}, {46, 7, 12, 2},  {47, 9, 9, 3},   {48, 9, 9, 3}};
    for (const auto& s : sizes)
    {
        EXPECT_EQ(g_arrSysCmdGlyphs[s.index]->GetSize(), CSize(s.w, s.h)) << s.index;
        EXPECT_EQ(g_arrSysCmdGlyphs[s.index]->GetColorsCount(), s.colors) << s.index;
    }
}

TEST(Glyphs, TurnedRowsMatchTheirSources)
{
    const G* const* t = g_arrSysCmdGlyphs;
    G row2Clockwise(*t[2], G::kTurnClockwise);
    EXPECT_TRUE(SamePixels(*t[5], row2Clockwise)); // row 5: row 4 (row 2 anticlockwise) turned half
    EXPECT_TRUE(SamePixels(*t[3], G(*t[2], G::kTurnHalf)));
    EXPECT_TRUE(SamePixels(*t[4], G(*t[2], G::kTurnAnticlockwise)));
    EXPECT_TRUE(SamePixels(*t[11], G(*t[10], G::kTurnClockwise)));
    EXPECT_TRUE(SamePixels(*t[15], G(*t[12], G::kTurnClockwise)));
    EXPECT_TRUE(SamePixels(*t[20], G(*t[17], G::kTurnClockwise)));
    EXPECT_TRUE(SamePixels(*t[31], G(*t[28], G::kTurnClockwise)));
    EXPECT_TRUE(SamePixels(*t[35], G(*t[32], G::kTurnAnticlockwise)));
    EXPECT_TRUE(SamePixels(*t[39], G(*t[36], G::kTurnClockwise)));
    EXPECT_TRUE(SamePixels(*t[43], G(*t[42], G::kTurnClockwise)));
    EXPECT_TRUE(SamePixels(*t[44], G(*t[41], G::kTurnClockwise)));
    EXPECT_TRUE(SamePixels(g_glyphExpandChevronV, G(g_glyphExpandChevronH, G::kTurnClockwise)));
}

TEST(Glyphs, ADestroyedGlyphIsEmptyWithOneColour)
{
    G owned(g_glyphExpandChevronH, G::kTurnHalf);
    owned.Destroy();
    EXPECT_EQ(owned.GetSize(), CSize(0, 0));
    EXPECT_EQ(owned.GetColorsCount(), 1u);
    EXPECT_EQ(owned.GetSurface(), nullptr);
    EXPECT_FALSE(owned.OwnsData());
    owned.Destroy(); // twice is harmless
    const UINT data[] = {1};
    G borrowed(1, 1, 2, data);
    borrowed.Destroy();
    EXPECT_EQ(borrowed.GetSize(), CSize(0, 0));
    EXPECT_EQ(data[0], 1u); // constant data is not freed
    G fromEmpty(owned, G::kTurnClockwise);
    EXPECT_EQ(fromEmpty.GetSurface(), nullptr);
}

namespace
{

// Draws the caption of each style into a canvas; the frame's shadow row lies at y = 3 + 1.
void PaintCaption(int nKind, DibCanvas& c)
{
    painthost::ScopedStyle restore;
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManagerByClass(painthost::StyleClass(nKind)));
    g_PaintManagerHolder->PaintUndoRedoCaption(c.dc, CRect(0, 0, 120, 24), L"Undo 3 Actions", nullptr, 0);
}

} // namespace

TEST(UndoRedoCaption, OnlyTheBaseStyleFramesTheCaption)
{
    for (int nKind = 1; nKind <= 4; nKind++)
    {
        DibCanvas c(120, 24, RGB(1, 2, 3));
        PaintCaption(nKind, c);
        ASSERT_NE(c.At(0, 0), RGB(1, 2, 3));
        const COLORREF face = c.At(0, 0);
        // Base: 3-D frame on (3, 4)-(117, 22): shadow on top and left, window colour at bottom and right.
        const COLORREF shadow = ::GetSysColor(COLOR_3DSHADOW), window = ::GetSysColor(COLOR_WINDOW);
        if (nKind == 1)
        {
            EXPECT_EQ(c.At(10, 4), shadow);
            EXPECT_EQ(c.At(3, 10), shadow);
            EXPECT_EQ(c.At(10, 21), window);
            EXPECT_EQ(c.At(116, 10), window);
        }
        else
        {
            EXPECT_EQ(c.At(10, 4), face) << nKind;
            EXPECT_EQ(c.At(3, 10), face) << nKind;
            EXPECT_EQ(c.At(116, 10), face) << nKind;
        }
        // Some text was drawn in the window-text colour in the middle.
        EXPECT_GT(c.Count(CRect(20, 5, 100, 20), ::GetSysColor(COLOR_WINDOWTEXT)), 10) << nKind;
        EXPECT_EQ(c.dc.GetBkMode(), OPAQUE);
    }
}

TEST(UndoRedoCaption, AWideTextStartsAtTheLeftEdgeAndEndsWithAnEllipsis)
{
    painthost::ScopedStyle restore;
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManagerByClass(RUNTIME_CLASS(CExtPaintManagerXP)));
    DibCanvas c(60, 20);
    const CString text(L"Undo 12345 Actions and many more words that do not fit");
    g_PaintManagerHolder->PaintUndoRedoCaption(c.dc, CRect(0, 0, 60, 20), text, nullptr, 0);
    const COLORREF face = c.At(0, 0);
    auto inked = [&](int x0, int x1) { return 20 * (x1 - x0) - c.Count(CRect(x0, 0, x1, 20), face); };
    EXPECT_GT(inked(0, 6), 0);   // the text begins at the left edge
    EXPECT_GT(inked(20, 46), 0); // and runs on to the right, where the ellipsis cuts it
}
