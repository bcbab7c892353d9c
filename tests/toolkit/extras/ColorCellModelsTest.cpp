// The cell models of the colour control: the honeycomb's cells and colours, its highlights, the mixers and the
// difference model, painted into DIBs and driven through their mouse operations.
#include "ColorTestSupport.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include <cmath>

using namespace colortest;
typedef CExtColorCtrl C;

namespace
{
CPoint CellCentre(const C::cell_t& cell)
{
    return CPoint((cell.m_rc.left + cell.m_rc.right) / 2, (cell.m_rc.top + cell.m_rc.bottom) / 2);
}

int CountBlack(const DibCanvas& canvas, CRect rc)
{
    rc.IntersectRect(&rc, CRect(0, 0, canvas.Width(), canvas.Height()));
    return canvas.Count(rc, RGB(0, 0, 0));
}
} // namespace

TEST(ColorCellModels, HoneycombHas144CellsInRingsAndBottomRow)
{
    C::cell_based_data_t m;
    LayoutModel(m, 300, 300, RGB(255, 255, 255));
    ASSERT_EQ(m.m_arrCells.GetSize(), 144);
    EXPECT_EQ(m.m_arrCells[0].m_clr, RGB(255, 255, 255));
    const int s = std::min(300 / 16, (300 - 10) / 16) + 2;
    const CPoint c = CellCentre(m.m_arrCells[0]);
    // Ring r starts r * s to the right of the centre; ring cells are 1..126.
    int n = 1;
    for (int r = 1; r <= 6; n += 6 * r, r++)
    {
        const CPoint p = CellCentre(m.m_arrCells[n]);
        EXPECT_NEAR(p.x - c.x, r * s, 1) << "ring " << r;
        EXPECT_NEAR(p.y, c.y, 1);
    }
    EXPECT_EQ(n, 127);
    // Bottom row: a large white hexagon, 15 greys from 240 down to 30, a large black hexagon.
    EXPECT_EQ(m.m_arrCells[127].m_clr, RGB(255, 255, 255));
    EXPECT_NEAR(m.m_arrCells[127].m_rc.right - m.m_arrCells[127].m_rc.left, 2 * s, 1);
    for (int k = 1; k <= 15; k++)
        EXPECT_EQ(m.m_arrCells[127 + k].m_clr, RGB(255 - 15 * k, 255 - 15 * k, 255 - 15 * k));
    EXPECT_EQ(m.m_arrCells[143].m_clr, RGB(0, 0, 0));
    EXPECT_GT(m.m_arrCells[143].m_rc.left, m.m_arrCells[142].m_rc.left);
}

TEST(ColorCellModels, RingCellColourFollowsItsAngleAndRing)
{
    C::cell_based_data_t m;
    LayoutModel(m, 300, 300, RGB(255, 255, 255));
    const int s = std::min(300 / 16, (300 - 10) / 16) + 2;
    const int cx = 150, cy = (300 - (2 * s + 10)) / 2;
    int n = 1;
    for (int r = 1; r <= 6; r++)
    {
        for (int i = 0; i < 6 * r; i++, n++)
        {
            const C::cell_t& cell = m.m_arrCells[n];
            // The hexagon's top and bottom vertices sit on the centre's vertical line.
            const int x = cell.m_pts[1].x, y = cell.m_pts[1].y + s / 2;
            const int nAngle = (int)(std::atan2((double)(y - cy), (double)(x - cx)) * 180.0 / 3.14159265358979);
            EXPECT_EQ(cell.m_clr,
                      CExtPaintManager::HlsToRgbDegrees((float)nAngle, (float)((7.0 - r) / 7.0 + 0.1), 1.0f))
                << "cell " << n;
        }
    }
}

TEST(ColorCellModels, WhiteHighlightsBothWhiteCellsAndOtherColoursNeither)
{
    C::cell_based_data_t m;
    LayoutModel(m, 300, 300, RGB(255, 255, 255));
    DibCanvas canvas(300, 300);
    PaintModel(m, canvas);
    CRect rc0 = m.m_arrCells[0].m_rc, rc127 = m.m_arrCells[127].m_rc;
    rc0.InflateRect(3, 3);
    rc127.InflateRect(3, 3);
    EXPECT_GT(CountBlack(canvas, rc0), 0);
    EXPECT_GT(CountBlack(canvas, rc127), 0);

    m.SetColor(RGB(1, 2, 3));
    PaintModel(m, canvas);
    EXPECT_EQ(CountBlack(canvas, rc0), 0);
    EXPECT_EQ(CountBlack(canvas, rc127), 0);
}

TEST(ColorCellModels, PressOnACellTakesItsColourAndOutsideChangesNothing)
{
    C::cell_based_data_t m;
    LayoutModel(m, 300, 300, RGB(255, 255, 255));
    const CPoint p = CellCentre(m.m_arrCells[40]);
    m.OnButtonDown(0, p.x, p.y);
    EXPECT_EQ(m.m_clr, m.m_arrCells[40].m_clr);
    m.OnMouseMove(MK_LBUTTON, 1, 1);
    EXPECT_EQ(m.m_clr, m.m_arrCells[40].m_clr);
    m.OnButtonUp(0, 1, 1);
    EXPECT_EQ(m.m_nTrackingState, 0);
}

TEST(ColorCellModels, GrayscaleMixerHighlightsOnlyAGrey)
{
    C::grayscale_mixer_data_t m;
    LayoutModel(m, 300, 300, RGB(10, 20, 30));
    ASSERT_EQ(m.m_arrCells.GetSize(), 256);
    DibCanvas canvas(300, 300);
    PaintModel(m, canvas);
    // The column's cells run from black to white: only the first cells are black themselves.
    const CRect rcColumn(0, m.m_arrCells[40].m_rc.top, 300, 300);
    EXPECT_EQ(CountBlack(canvas, rcColumn), 0);
    m.SetColor(RGB(128, 128, 128));
    PaintModel(m, canvas);
    EXPECT_GT(CountBlack(canvas, rcColumn), 0);
}

TEST(ColorCellModels, CmyMixerChangesOneChannelOfTheInvertedColour)
{
    C::cmy_mixer_data_t m;
    LayoutModel(m, 300, 600, RGB(10, 20, 30));
    ASSERT_EQ(m.m_arrCells.GetSize(), 768);
    // Cyan column, cell 100: the inverted red becomes 100, so red becomes 155.
    const CPoint p = CellCentre(m.m_arrCells[100]);
    m.OnButtonDown(0, p.x, p.y);
    EXPECT_EQ(m.m_clr, RGB(155, 20, 30));
    const CPoint q = CellCentre(m.m_arrCells[512 + 200]);
    m.OnMouseMove(MK_LBUTTON, q.x, q.y);
    EXPECT_EQ(m.m_clr, RGB(155, 20, 55));
}

TEST(ColorCellModels, DifferenceModelShowsColourAboveReferenceBelow)
{
    C::diff_data_t m;
    LayoutModel(m, 80, 60, RGB(200, 10, 10));
    m.SetReferenceColor(RGB(10, 10, 200));
    DibCanvas canvas(80, 60);
    PaintModel(m, canvas);
    EXPECT_EQ(canvas.Count(CRect(0, 0, 80, 30), RGB(200, 10, 10)), 80 * 30);
    EXPECT_EQ(canvas.Count(CRect(0, 30, 80, 60), RGB(10, 10, 200)), 80 * 30);
    m.SetColor(RGB(0, 90, 0));
    PaintModel(m, canvas);
    EXPECT_EQ(canvas.At(40, 10), RGB(0, 90, 0));
}

TEST(ColorCellModels, AFirstLayoutKeepingColoursStillColoursTheHoneycomb)
{
    C::cell_based_data_t m;
    CClientDC dc(nullptr);
    m.Layout(dc, nullptr, 300, 300, true);
    ASSERT_EQ(m.m_arrCells.GetSize(), 144);
    EXPECT_EQ(m.m_arrCells[143].m_clr, RGB(0, 0, 0));
    EXPECT_NE(m.m_arrCells[1].m_clr, RGB(255, 255, 255));
}

TEST(ColorCellModels, CachedCellsPaintExactlyAsTheCellsThemselves)
{
    C::cell_based_data_t honeycomb;
    C::cmy_mixer_data_t mixer;
    C::cell_based_data_t* models[2] = {&honeycomb, &mixer};
    for (C::cell_based_data_t* m : models)
    {
        LayoutModel(*m, 240, 280, RGB(1, 2, 3));
        DibCanvas cached(240, 280), direct(240, 280);
        PaintModel(*m, cached);
        PaintModel(*m, cached); // the second paint comes from the cache
        direct.dc.FillSolidRect(0, 0, 240, 280, RGB(128, 128, 128));
        for (INT_PTR i = 0; i < m->m_arrCells.GetSize(); i++)
            m->m_arrCells[i].Paint(direct.dc, false, nullptr);
        if (m == &mixer)
        {
            // The mixer highlights the channels of the inverted colour.
            for (int n : {254, 256 + 253, 512 + 252})
                m->m_arrCells[n].Paint(direct.dc, true, nullptr);
        }
        int nDiffer = 0;
        for (int y = 0; y < 280; y++)
            for (int x = 0; x < 240; x++)
                nDiffer += cached.At(x, y) != direct.At(x, y);
        EXPECT_EQ(nDiffer, 0);
    }
}
