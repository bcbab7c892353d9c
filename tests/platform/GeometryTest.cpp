// Rectangle, point and size arithmetic as the painting code uses it.
#include "platform/Platform.h"
#include "support/PrintRect.h"
#include <gtest/gtest.h>

TEST(Geometry, RectangleArithmeticKeepsEdgesConsistent)
{
    CRect r(10, 20, 110, 70);
    EXPECT_EQ(r.Width(), 100);
    EXPECT_EQ(r.Height(), 50);
    EXPECT_EQ(r.Size(), CSize(100, 50));
    EXPECT_EQ(r.CenterPoint(), CPoint(60, 45));
    r.TopLeft().Offset(1, 1); // the corner references write through
    EXPECT_EQ(r, CRect(11, 21, 110, 70));
    r.BottomRight() = CPoint(111, 71);
    EXPECT_EQ(r, CRect(11, 21, 111, 71));

    // Inflate/deflate by sides, offsets by points and sizes, moves that keep the size.
    CRect d = r;
    d.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(d, CRect(12, 23, 108, 67));
    d.InflateRect(CRect(1, 2, 3, 4));
    EXPECT_EQ(d, r);
    EXPECT_EQ(r + CPoint(5, 5), CRect(16, 26, 116, 76));
    EXPECT_EQ(r - CSize(11, 21), CRect(0, 0, 100, 50));
    d.MoveToXY(0, 0);
    EXPECT_EQ(d, CRect(0, 0, 100, 50));
    d.MoveToX(-10);
    EXPECT_EQ(d, CRect(-10, 0, 90, 50));

    // Intersection and union as operators; an empty intersection is empty, not negative.
    CRect a(0, 0, 50, 50), b(25, 25, 100, 100), away(200, 200, 210, 210);
    EXPECT_EQ(a & b, CRect(25, 25, 50, 50));
    EXPECT_EQ(a | b, CRect(0, 0, 100, 100));
    EXPECT_TRUE((a & away).IsRectEmpty());
    EXPECT_TRUE((a & away).IsRectNull());
    CRect u = a;
    u |= away;
    EXPECT_EQ(u, CRect(0, 0, 210, 210));
    CRect sub;
    EXPECT_TRUE(sub.SubtractRect(CRect(0, 0, 100, 50), CRect(50, 0, 100, 50)));
    EXPECT_EQ(sub, CRect(0, 0, 50, 50));

    // Reversed rectangles are empty until normalised; points on the right or bottom edge are out.
    CRect rev(100, 80, 10, 20);
    EXPECT_TRUE(rev.IsRectEmpty());
    rev.NormalizeRect();
    EXPECT_EQ(rev, CRect(10, 20, 100, 80));
    EXPECT_TRUE(rev.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(rev.PtInRect(CPoint(100, 50)));
    EXPECT_FALSE(rev.PtInRect(CPoint(50, 80)));

    // Points and sizes; packed mouse coordinates keep their sign.
    CPoint p = CPoint(3, 4) + CSize(1, 1);
    EXPECT_EQ(p, CPoint(4, 5));
    EXPECT_EQ(CPoint(10, 10) - CPoint(4, 3), CSize(6, 7));
    CPoint packed(MAKELPARAM(-5, -7));
    EXPECT_EQ(packed, CPoint(-5, -7));
    CSize s(2, 3);
    s += CSize(1, 1);
    EXPECT_EQ(s, CSize(3, 4));
    EXPECT_EQ(-s, CSize(-3, -4));
}
