// The cube models of the colour control: face clicks, the control key, handle drags with clamping, the
// low-colour rules and cubes too small to draw.
#include "ColorTestSupport.h"
#include "toolkit/support/PaintHost.h"
#include "toolkit/foundation/ExtPaintManager.h"

using namespace colortest;
typedef CExtColorCtrl C;

namespace
{
// A point well inside face f (the mean of its four vertices).
CPoint FaceMiddle(const C::rgb_cube_data_t& m, int f)
{
    int x = 0, y = 0;
    for (const POINT& p : m.m_arrFaces[f])
        x += p.x, y += p.y;
    return CPoint(x / 4, y / 4);
}

void RenderedCube(C::rgb_cube_data_t& m, COLORREF clr)
{
    LayoutModel(m, 200, 200, clr);
    DibCanvas canvas(200, 200);
    PaintModel(m, canvas);
}
} // namespace

TEST(ColorCubeModels, FaceClickTakesTheFacePixelAndBackgroundChangesNothing)
{
    C::rgb_cube_data_t m;
    RenderedCube(m, RGB(10, 20, 30));
    m.OnButtonDown(0, 2, 2);
    EXPECT_EQ(m.m_clr, RGB(10, 20, 30));
    // Beside the hexagon, inside the square: the white background.
    m.OnButtonDown(0, m.m_nLeft + 2, m.m_nTop + 2);
    EXPECT_EQ(m.m_clr, RGB(10, 20, 30));
    const CPoint p = FaceMiddle(m, 0);
    m.OnButtonDown(0, p.x, p.y);
    EXPECT_EQ(GetBValue(m.m_clr), 0) << "the upper left face has no blue";
    EXPECT_EQ(m.m_clr, m.m_bmpFaces.GetPixel(p.x, p.y));
}

TEST(ColorCubeModels, ControlKeyKeepsTheChannelTheFaceLacks)
{
    for (int f = 0; f < 3; f++)
    {
        C::rgb_cube_data_t m;
        RenderedCube(m, RGB(50, 60, 70));
        const CPoint p = FaceMiddle(m, f);
        m.OnButtonDown(MK_CONTROL, p.x, p.y);
        const int nMissing = f == 0 ? 2 : (f == 1 ? 1 : 0);
        const BYTE c[3] = {GetRValue(m.m_clr), GetGValue(m.m_clr), GetBValue(m.m_clr)};
        const BYTE o[3] = {50, 60, 70};
        EXPECT_EQ(c[nMissing], o[nMissing]) << "face " << f;
        EXPECT_NE(m.m_clr, RGB(50, 60, 70));
    }
}

TEST(ColorCubeModels, HandleDragsChangeOnlyTheirChannelAndClampAtTheAxisEnds)
{
    C::rgb_cube_data_t m;
    RenderedCube(m, RGB(100, 100, 100));
    for (int i = 0; i < 3; i++)
    {
        const POINT h = m.m_arrHandles[i];
        const COLORREF clrBefore = m.m_clr;
        m.OnButtonDown(0, h.x + 1, h.y + 1);
        EXPECT_EQ(m.m_nTrackingState, i + 1);
        // Far beyond the axis end: full value; far beyond the centre: zero.
        const CPoint ptsFar[3] = {CPoint(h.x, -500), CPoint(-500, h.y), CPoint(900, h.y)};
        m.OnMouseMove(MK_LBUTTON, ptsFar[i].x, ptsFar[i].y);
        BYTE c[3] = {GetRValue(clrBefore), GetGValue(clrBefore), GetBValue(clrBefore)};
        c[i] = 255;
        EXPECT_EQ(m.m_clr, RGB(c[0], c[1], c[2])) << "channel " << i;
        m.OnMouseMove(MK_LBUTTON, m.m_ptCenter.x, m.m_ptCenter.y);
        c[i] = 0;
        EXPECT_EQ(m.m_clr, RGB(c[0], c[1], c[2])) << "channel " << i;
        m.OnButtonUp(0, 0, 0);
        m.SetColor(RGB(100, 100, 100));
    }
}

TEST(ColorCubeModels, CmyCubeHandlesWorkOnTheInvertedColour)
{
    C::cmy_cube_data_t m;
    RenderedCube(m, RGB(200, 200, 200));
    const POINT h = m.m_arrHandles[0];
    m.OnButtonDown(0, h.x, h.y);
    m.OnMouseMove(MK_LBUTTON, h.x, -500);
    EXPECT_EQ(m.m_clr, RGB(0, 200, 200));
}

TEST(ColorCubeModels, BelowNineBitsFaceClicksAreIgnoredButHandlesWork)
{
    painthost::ScopedBitsPerPixel bpp(8);
    C::rgb_cube_data_t m;
    RenderedCube(m, RGB(100, 100, 100));
    const CPoint p = FaceMiddle(m, 1);
    m.OnButtonDown(0, p.x, p.y);
    EXPECT_EQ(m.m_clr, RGB(100, 100, 100));
    const POINT h = m.m_arrHandles[2];
    m.OnButtonDown(0, h.x, h.y);
    m.OnMouseMove(MK_LBUTTON, 900, h.y);
    EXPECT_EQ(m.m_clr, RGB(100, 100, 255));
    // The low-colour faces are 4 x 4 squares: the bitmap holds coloured pixels.
    EXPECT_NE(m.m_bmpFaces.GetPixel(p.x, p.y), RGB(255, 255, 255));
}

TEST(ColorCubeModels, ACubeTooSmallPaintsNothingAndIgnoresTheMouse)
{
    C::rgb_cube_data_t m;
    LayoutModel(m, 12, 12, RGB(1, 2, 3));
    EXPECT_FALSE(m.IsUsable());
    DibCanvas canvas(12, 12);
    PaintModel(m, canvas);
    EXPECT_EQ(canvas.Count(CRect(0, 0, 12, 12), RGB(128, 128, 128)), 144);
    for (int y = 0; y < 12; y++)
        for (int x = 0; x < 12; x++)
        {
            m.OnButtonDown(0, x, y);
            m.OnMouseMove(MK_LBUTTON, x + 3, y - 3);
        }
    EXPECT_EQ(m.m_clr, RGB(1, 2, 3));
}
