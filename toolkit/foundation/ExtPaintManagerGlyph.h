// CExtPaintManagerGlyph: a small picture as a table of colour indices, painted pixel by pixel in
// colours chosen at paint time; the toolkit's named glyphs and the system-command glyph table.
#pragma once
#include "platform/Core.h"
#include "platform/Geometry.h"

class CExtPaintManagerGlyph
{
public:
    enum Turn
    {
        kTurnClockwise,     // a quarter clockwise: (x, y) of W x H -> (H - 1 - y, x) of H x W
        kTurnAnticlockwise, // a quarter anticlockwise: (x, y) -> (y, W - 1 - x) of H x W
        kTurnHalf           // half a turn: (x, y) -> (W - 1 - x, H - 1 - y)
    };

    // Refers to constant data (width x height indices, row by row from the top); not owned.
    CExtPaintManagerGlyph(int nWidth, int nHeight, UINT nColors, const UINT* pData);
    // A turned private copy of another glyph's pixels; without memory the glyph has no pixels.
    CExtPaintManagerGlyph(const CExtPaintManagerGlyph& source, Turn eTurn);
    ~CExtPaintManagerGlyph();

    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }
    CSize GetSize() const { return CSize(m_nWidth, m_nHeight); }
    // Colour indices used, index 0 included; a painter's colour table has at least this many entries.
    UINT GetColorsCount() const { return m_nColors; }
    const UINT* GetSurface() const { return m_pData; }
    bool OwnsData() const { return m_bOwnsData; }
    // The index at (x, y); 0 outside the glyph or without pixels.
    UINT GetPixel(int x, int y) const;
    // Frees owned pixels; afterwards the glyph is 0 x 0 with one colour and no data.
    void Destroy();

private:
    CExtPaintManagerGlyph(const CExtPaintManagerGlyph&) = delete;
    CExtPaintManagerGlyph& operator=(const CExtPaintManagerGlyph&) = delete;

    int m_nWidth;
    int m_nHeight;
    UINT m_nColors;
    const UINT* m_pData;
    bool m_bOwnsData;
};

// Glyphs reached by name.
extern CExtPaintManagerGlyph g_glyphExpandArrowH;
extern CExtPaintManagerGlyph g_glyphExpandChevronH;
extern CExtPaintManagerGlyph g_glyphExpandArrowV;
extern CExtPaintManagerGlyph g_glyphExpandChevronV;
extern CExtPaintManagerGlyph g_glyphDropDownArrowV;
extern CExtPaintManagerGlyph g_glyphExpandArrowH2003;
extern CExtPaintManagerGlyph g_glyphExpandChevronH2003;
extern CExtPaintManagerGlyph g_glyphExpandArrowV2003;
extern CExtPaintManagerGlyph g_glyphExpandChevronV2003;
extern CExtPaintManagerGlyph g_glyphMenuSubmenuArrow;
extern CExtPaintManagerGlyph g_glyphMenuSubmenuArrowBar;

// The system-command and caption-button glyphs by glyph number (SC_CLOSE 1, SC_MINIMIZE 6,
// SC_RESTORE 7, SC_MAXIMIZE 8, SC_CONTEXTHELP 9, ...).
enum
{
    kSysCmdGlyphCount = 49
};
extern const CExtPaintManagerGlyph* const g_arrSysCmdGlyphs[kSysCmdGlyphCount];
// The four filled scroll arrows of that table, by the way they point.
enum
{
    kSysGlyphArrowUp = 2,
    kSysGlyphArrowDown = 3,
    kSysGlyphArrowLeft = 4,
    kSysGlyphArrowRight = 5
};
