// CExtPaintManagerGlyph and the glyph set. Every glyph lives in this one file, each source
// defined before the glyphs turned from it, so static construction builds them in that order.
#include "toolkit/foundation/ExtPaintManagerGlyph.h"
#include <new>

CExtPaintManagerGlyph::CExtPaintManagerGlyph(int nWidth, int nHeight, UINT nColors, const UINT* pData)
    : m_nWidth(nWidth), m_nHeight(nHeight), m_nColors(nColors), m_pData(pData), m_bOwnsData(false)
{}

CExtPaintManagerGlyph::CExtPaintManagerGlyph(const CExtPaintManagerGlyph& source, Turn eTurn)
    : m_nWidth(source.m_nWidth), m_nHeight(source.m_nHeight), m_nColors(source.m_nColors), m_pData(nullptr),
      m_bOwnsData(false)
{
    const int w = source.m_nWidth, h = source.m_nHeight;
    if (source.m_pData == nullptr || w <= 0 || h <= 0)
        return;
    UINT* pData = new (std::nothrow) UINT[(size_t)w * h];
    if (pData == nullptr)
        return;
    if (eTurn != kTurnHalf)
    {
        m_nWidth = h;
        m_nHeight = w;
    }
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
        {
            int nx, ny;
            switch (eTurn)
            {
            case kTurnClockwise:
                nx = h - 1 - y;
                ny = x;
                break;
            case kTurnAnticlockwise:
                nx = y;
                ny = w - 1 - x;
                break;
            default:
                nx = w - 1 - x;
                ny = h - 1 - y;
                break;
            }
            pData[ny * m_nWidth + nx] = source.m_pData[y * w + x];
        }
    m_pData = pData;
    m_bOwnsData = true;
}

CExtPaintManagerGlyph::~CExtPaintManagerGlyph() { Destroy(); }

void CExtPaintManagerGlyph::Destroy()
{
    if (m_bOwnsData)
        delete[] m_pData;
    m_pData = nullptr;
    m_bOwnsData = false;
    m_nWidth = 0;
    m_nHeight = 0;
    m_nColors = 1;
}

UINT CExtPaintManagerGlyph::GetPixel(int x, int y) const
{
    if (m_pData == nullptr || x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
        return 0;
    return m_pData[y * m_nWidth + x];
}

// ---- the glyph set -------------------------------------------------------------------------------

namespace
{

// Pixel rows as text: '.' index 0, 'X' index 1, 'o' index 2, '+' index 3.
template <size_t N> struct GlyphPixels
{
    UINT data[N];
};

template <size_t N> constexpr GlyphPixels<N - 1> Pixels(const char (&rows)[N])
{
    GlyphPixels<N - 1> g{};
    for (size_t i = 0; i + 1 < N; i++)
        g.data[i] = rows[i] == 'X' ? 1 : rows[i] == 'o' ? 2 : rows[i] == '+' ? 3 : 0;
    return g;
}

constexpr auto kExpandArrowH = Pixels("XXXXX"
                                      ".XXX."
                                      "..X..");
constexpr auto kExpandChevronH = Pixels("XX..XX.."
                                        ".XX..XX."
                                        "..XX..XX"
                                        ".XX..XX."
                                        "XX..XX..");
constexpr auto kExpandArrowH2003 = Pixels("XXXXX"
                                          "....."
                                          "....."
                                          "XXXXX"
                                          ".XXX."
                                          "..X..");
constexpr auto kExpandChevronH2003 = Pixels("......"
                                            "X...X."
                                            "XX..XX"
                                            "X...X."
                                            "......");
constexpr auto kSubmenuArrow = Pixels("............"
                                      "............"
                                      "............"
                                      "......X....."
                                      "......XX...."
                                      "......XXX..."
                                      "......XXXX.."
                                      "......XXXXX."
                                      "......XXXXXX"
                                      "......XXXXX."
                                      "......XXXX.."
                                      "......XXX..."
                                      "......XX...."
                                      "......X....."
                                      "............"
                                      "............");
constexpr auto kSubmenuArrowBar = Pixels("X..........."
                                         "X..........."
                                         "X..........."
                                         "X.....X....."
                                         "X.....XX...."
                                         "X.....XXX..."
                                         "X.....XXXX.."
                                         "X.....XXXXX."
                                         "X.....XXXXXX"
                                         "X.....XXXXX."
                                         "X.....XXXX.."
                                         "X.....XXX..."
                                         "X.....XX...."
                                         "X.....X....."
                                         "X..........."
                                         "X...........");

constexpr auto kSys00 = Pixels("........."
                               "........."
                               "........."
                               "........."
                               "........."
                               "........."
                               "........."
                               "........."
                               ".........");
constexpr auto kSys01 = Pixels("........."
                               ".XX....XX"
                               "..XX..XX."
                               "...XXXX.."
                               "....XX..."
                               "...XXXX.."
                               "..XX..XX."
                               ".XX....XX"
                               ".........");
constexpr auto kSys02 = Pixels("........."
                               "........."
                               "....X...."
                               "...XXX..."
                               "..XXXXX.."
                               ".XXXXXXX."
                               "........."
                               "........."
                               ".........");
constexpr auto kSys06 = Pixels("........."
                               "........."
                               "........."
                               "........."
                               "........."
                               "........."
                               ".XXXXXXX."
                               ".XXXXXXX."
                               ".........");
constexpr auto kSys07 = Pixels("..XXXXXX."
                               "..X....X."
                               "XXXXXX.X."
                               "XXXXXX.X."
                               "X....XXX."
                               "X....X..."
                               "X....X..."
                               "XXXXXX..."
                               ".........");
constexpr auto kSys08 = Pixels("XXXXXXXXX"
                               "XXXXXXXXX"
                               "X.......X"
                               "X.......X"
                               "X.......X"
                               "X.......X"
                               "X.......X"
                               "X.......X"
                               "XXXXXXXXX");
constexpr auto kSys09 = Pixels("...XXXX.."
                               "..XX..XX."
                               "..XX..XX."
                               ".....XX.."
                               "....XX..."
                               "....XX..."
                               "........."
                               "....XX..."
                               "....XX...");
constexpr auto kSys10 = Pixels("..XXXXX.."
                               "..X..XX.."
                               "..X..XX.."
                               "..X..XX.."
                               "..X..XX.."
                               ".XXXXXXX."
                               "....X...."
                               "....X...."
                               ".........");
constexpr auto kSys12 = Pixels("....X...."
                               "...XXX..."
                               "..XXXXX.."
                               ".XXXXXXX."
                               "XXXXXXXXX"
                               "..XXXXX.."
                               "..XXXXX.."
                               "..XXXXX.."
                               ".........");
constexpr auto kSys16 = Pixels("........."
                               ".X.....X."
                               "..X...X.."
                               "...X.X..."
                               "....X...."
                               "...X.X..."
                               "..X...X.."
                               ".X.....X."
                               ".........");
constexpr auto kSys17 = Pixels("........."
                               "........."
                               "....X...."
                               "...X.X..."
                               "..X...X.."
                               ".X.....X."
                               "XXXXXXXXX"
                               "........."
                               ".........");
constexpr auto kSys21 = Pixels("........."
                               ".XX...XX."
                               "..XX.XX.."
                               "...XXX..."
                               "...XXX..."
                               "..XX.XX.."
                               ".XX...XX."
                               "........."
                               ".........");
constexpr auto kSys22 = Pixels("........."
                               "........."
                               "....X...."
                               "....X...."
                               "..XXXXX.."
                               "....X...."
                               "....X...."
                               "........."
                               ".........");
constexpr auto kSys23 = Pixels("........."
                               "........."
                               "........."
                               "........."
                               "..XXXXX.."
                               "........."
                               "........."
                               "........."
                               ".........");
constexpr auto kSys24 = Pixels("XXXXXXXXX"
                               "X.......X"
                               "X...X...X"
                               "X...X...X"
                               "X.XXXXX.X"
                               "X...X...X"
                               "X...X...X"
                               "X.......X"
                               "XXXXXXXXX");
constexpr auto kSys25 = Pixels("XXXXXXXXX"
                               "X.......X"
                               "X.......X"
                               "X.......X"
                               "X.XXXXX.X"
                               "X.......X"
                               "X.......X"
                               "X.......X"
                               "XXXXXXXXX");
constexpr auto kSys26 = Pixels("..XXXXX.."
                               ".X.....X."
                               "X...X...X"
                               "X...X...X"
                               "X.XXXXX.X"
                               "X...X...X"
                               "X...X...X"
                               ".X.....X."
                               "..XXXXX..");
constexpr auto kSys27 = Pixels("..XXXXX.."
                               ".X.....X."
                               "X.......X"
                               "X.......X"
                               "X.XXXXX.X"
                               "X.......X"
                               "X.......X"
                               ".X.....X."
                               "..XXXXX..");
constexpr auto kSys28 = Pixels(".....X....."
                               "....XXX...."
                               "...XXXXX..."
                               "..XXXXXXX.."
                               ".XXXXXXXXX."
                               "XXXXXXXXXXX"
                               "...XXXXX..."
                               "...XXXXX..."
                               "...XXXXX..."
                               "...XXXXX..."
                               "...........");
constexpr auto kSys32 = Pixels("XXXXXXXX..."
                               "XXXXXXX...."
                               "XXXXXX....."
                               "XXXXXX....."
                               "XXXXXXX...."
                               "XXXXXXXX..."
                               "XX..XXXXX.."
                               "X....XXX..."
                               "......X...."
                               "..........."
                               "...........");
constexpr auto kSys36 = Pixels("..X.."
                               ".XXX."
                               "XXXXX");
constexpr auto kSys40 = Pixels("........."
                               ".X..X..X."
                               ".........");
constexpr auto kSys41 = Pixels("....XX...."
                               "....XX...."
                               "...X+XX..."
                               "...+..X..."
                               "..XX..XX.."
                               "..+....X.."
                               ".XX....XX."
                               ".+......X."
                               "XX......XX"
                               "Xooooooooo");
constexpr auto kSys42 = Pixels("+++++++++o"
                               "XX......oo"
                               ".+......o."
                               ".XX....oo."
                               "..+....o.."
                               "..XX..oo.."
                               "...+..o..."
                               "...X+oo..."
                               "....Xo...."
                               "....Xo....");
constexpr auto kSys45 = Pixels("XXXXXXX"
                               "XXXXXXX"
                               "......."
                               "XXXXXXX"
                               ".XXXXX."
                               "..XXX.."
                               "...X...");
constexpr auto kSys46 = Pixels("XX.XX.."
                               ".XX.XX."
                               "..XX.XX"
                               ".XX.XX."
                               "XX.XX.."
                               "......."
                               "......."
                               "......."
                               "......."
                               ".XXXXX."
                               "..XXX.."
                               "...X...");
constexpr auto kSys47 = Pixels("XXXXXXXXX"
                               "XoooooooX"
                               "XoooXoooX"
                               "XoooXoooX"
                               "XoXXXXXoX"
                               "XoooXoooX"
                               "XoooXoooX"
                               "XoooooooX"
                               "XXXXXXXXX");
constexpr auto kSys48 = Pixels("XXXXXXXXX"
                               "XoooooooX"
                               "XoooooooX"
                               "XoooooooX"
                               "XoXXXXXoX"
                               "XoooooooX"
                               "XoooooooX"
                               "XoooooooX"
                               "XXXXXXXXX");

using G = CExtPaintManagerGlyph;

} // namespace

// Constructed early, before any other toolkit static that might reach a glyph.
#define CORVANE_GLYPH __attribute__((init_priority(300)))

CORVANE_GLYPH G g_glyphExpandArrowH(5, 3, 2, kExpandArrowH.data);
CORVANE_GLYPH G g_glyphExpandChevronH(8, 5, 2, kExpandChevronH.data);
CORVANE_GLYPH G g_glyphExpandArrowV(g_glyphExpandArrowH, G::kTurnClockwise);
CORVANE_GLYPH G g_glyphExpandChevronV(g_glyphExpandChevronH, G::kTurnClockwise);
CORVANE_GLYPH G g_glyphDropDownArrowV(g_glyphExpandArrowH, G::kTurnAnticlockwise);
CORVANE_GLYPH G g_glyphExpandArrowH2003(5, 6, 2, kExpandArrowH2003.data);
CORVANE_GLYPH G g_glyphExpandChevronH2003(6, 5, 2, kExpandChevronH2003.data);
CORVANE_GLYPH G g_glyphExpandArrowV2003(g_glyphExpandArrowH2003, G::kTurnAnticlockwise);
CORVANE_GLYPH G g_glyphExpandChevronV2003(g_glyphExpandChevronH2003, G::kTurnClockwise);
CORVANE_GLYPH G g_glyphMenuSubmenuArrow(12, 16, 2, kSubmenuArrow.data);
CORVANE_GLYPH G g_glyphMenuSubmenuArrowBar(12, 16, 2, kSubmenuArrowBar.data);

namespace
{

CORVANE_GLYPH G g_sys00(9, 9, 2, kSys00.data);
CORVANE_GLYPH G g_sys01(9, 9, 2, kSys01.data);
CORVANE_GLYPH G g_sys02(9, 9, 2, kSys02.data);
CORVANE_GLYPH G g_sys03(g_sys02, G::kTurnHalf);
CORVANE_GLYPH G g_sys04(g_sys02, G::kTurnAnticlockwise);
CORVANE_GLYPH G g_sys05(g_sys04, G::kTurnHalf);
CORVANE_GLYPH G g_sys06(9, 9, 2, kSys06.data);
CORVANE_GLYPH G g_sys07(9, 9, 2, kSys07.data);
CORVANE_GLYPH G g_sys08(9, 9, 2, kSys08.data);
CORVANE_GLYPH G g_sys09(9, 9, 2, kSys09.data);
CORVANE_GLYPH G g_sys10(9, 9, 2, kSys10.data);
CORVANE_GLYPH G g_sys11(g_sys10, G::kTurnClockwise);
CORVANE_GLYPH G g_sys12(9, 9, 2, kSys12.data);
CORVANE_GLYPH G g_sys13(g_sys12, G::kTurnHalf);
CORVANE_GLYPH G g_sys14(g_sys12, G::kTurnAnticlockwise);
CORVANE_GLYPH G g_sys15(g_sys14, G::kTurnHalf);
CORVANE_GLYPH G g_sys16(9, 9, 2, kSys16.data);
CORVANE_GLYPH G g_sys17(9, 9, 2, kSys17.data);
CORVANE_GLYPH G g_sys18(g_sys17, G::kTurnHalf);
CORVANE_GLYPH G g_sys19(g_sys17, G::kTurnAnticlockwise);
CORVANE_GLYPH G g_sys20(g_sys19, G::kTurnHalf);
CORVANE_GLYPH G g_sys21(9, 9, 2, kSys21.data);
CORVANE_GLYPH G g_sys22(9, 9, 2, kSys22.data);
CORVANE_GLYPH G g_sys23(9, 9, 2, kSys23.data);
CORVANE_GLYPH G g_sys24(9, 9, 2, kSys24.data);
CORVANE_GLYPH G g_sys25(9, 9, 2, kSys25.data);
CORVANE_GLYPH G g_sys26(9, 9, 2, kSys26.data);
CORVANE_GLYPH G g_sys27(9, 9, 2, kSys27.data);
CORVANE_GLYPH G g_sys28(11, 11, 2, kSys28.data);
CORVANE_GLYPH G g_sys29(g_sys28, G::kTurnHalf);
CORVANE_GLYPH G g_sys30(g_sys28, G::kTurnAnticlockwise);
CORVANE_GLYPH G g_sys31(g_sys30, G::kTurnHalf);
CORVANE_GLYPH G g_sys32(11, 11, 2, kSys32.data);
CORVANE_GLYPH G g_sys33(g_sys32, G::kTurnClockwise);
CORVANE_GLYPH G g_sys34(g_sys33, G::kTurnClockwise);
CORVANE_GLYPH G g_sys35(g_sys34, G::kTurnClockwise);
CORVANE_GLYPH G g_sys36(5, 3, 2, kSys36.data);
CORVANE_GLYPH G g_sys37(g_sys36, G::kTurnHalf);
CORVANE_GLYPH G g_sys38(g_sys36, G::kTurnAnticlockwise);
CORVANE_GLYPH G g_sys39(g_sys38, G::kTurnHalf);
CORVANE_GLYPH G g_sys40(9, 3, 2, kSys40.data);
CORVANE_GLYPH G g_sys41(10, 10, 4, kSys41.data);
CORVANE_GLYPH G g_sys42(10, 10, 4, kSys42.data);
CORVANE_GLYPH G g_sys43(g_sys42, G::kTurnClockwise);
CORVANE_GLYPH G g_sys44(g_sys41, G::kTurnClockwise);
CORVANE_GLYPH G g_sys45(7, 7, 2, kSys45.data);
CORVANE_GLYPH G g_sys46(7, 12, 2, kSys46.data);
CORVANE_GLYPH G g_sys47(9, 9, 3, kSys47.data);
CORVANE_GLYPH G g_sys48(9, 9, 3, kSys48.data);

} // namespace

const CExtPaintManagerGlyph* const g_arrSysCmdGlyphs[kSysCmdGlyphCount] = {
    &g_sys00, &g_sys01, &g_sys02, &g_sys03, &g_sys04, &g_sys05, &g_sys06, &g_sys07, &g_sys08, &g_sys09,
    &g_sys10, &g_sys11, &g_sys12, &g_sys13, &g_sys14, &g_sys15, &g_sys16, &g_sys17, &g_sys18, &g_sys19,
    &g_sys20, &g_sys21, &g_sys22, &g_sys23, &g_sys24, &g_sys25, &g_sys26, &g_sys27, &g_sys28, &g_sys29,
    &g_sys30, &g_sys31, &g_sys32, &g_sys33, &g_sys34, &g_sys35, &g_sys36, &g_sys37, &g_sys38, &g_sys39,
    &g_sys40, &g_sys41, &g_sys42, &g_sys43, &g_sys44, &g_sys45, &g_sys46, &g_sys47, &g_sys48};
