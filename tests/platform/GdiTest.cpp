// Painting through the DC wrappers into a 32-bit DIB section, checked pixel by pixel; typed
// selection and restoring of GDI objects; regions; a window painting itself with CPaintDC.
#include "platform/Platform.h"
#include <gtest/gtest.h>
#include "support/DibCanvas.h"

namespace
{

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kBlack = RGB(0, 0, 0);

} // namespace

TEST(GdiPainting, FillsFramesAndLinesLandOnTheExpectedPixels)
{
    DibCanvas c(64, 48);

    // FillSolidRect fills exactly its rectangle and leaves the background colour as it was.
    c.dc.SetBkColor(kGreen);
    c.dc.FillSolidRect(CRect(2, 3, 12, 8), kRed);
    EXPECT_EQ(c.Count(CRect(2, 3, 12, 8), kRed), 50);
    EXPECT_EQ(c.At(12, 3), kWhite);
    EXPECT_EQ(c.At(2, 8), kWhite);
    EXPECT_EQ(c.dc.GetBkColor(), kGreen);

    // Draw3dRect: top and left edges one colour, bottom and right the other, inside untouched.
    c.dc.Draw3dRect(CRect(20, 2, 30, 12), kBlue, kRed);
    EXPECT_EQ(c.At(20, 2), kBlue);
    EXPECT_EQ(c.At(28, 2), kBlue);
    EXPECT_EQ(c.At(20, 10), kBlue);
    EXPECT_EQ(c.At(29, 2), kRed);
    EXPECT_EQ(c.At(29, 11), kRed);
    EXPECT_EQ(c.At(20, 11), kRed);
    EXPECT_EQ(c.Count(CRect(21, 3, 29, 11), kWhite), 64);

    // FrameRect and FillRect with a brush.
    CBrush blue(kBlue);
    c.dc.FrameRect(CRect(40, 2, 50, 12), &blue);
    EXPECT_EQ(c.Count(CRect(40, 2, 50, 12), kBlue), 36);
    c.dc.FillRect(CRect(52, 2, 56, 6), &blue);
    EXPECT_EQ(c.Count(CRect(52, 2, 56, 6), kBlue), 16);

    // Lines with a pen: MoveTo answers the previous position, LineTo stops before its end.
    CPen redPen(PS_SOLID, 1, kRed);
    CPen* pOldPen = c.dc.SelectObject(&redPen);
    ASSERT_NE(pOldPen, nullptr);
    c.dc.MoveTo(0, 20);
    CPoint prev = c.dc.MoveTo(5, 20);
    EXPECT_EQ(prev, CPoint(0, 20));
    c.dc.LineTo(15, 20);
    EXPECT_EQ(c.Count(CRect(5, 20, 15, 21), kRed), 10);
    EXPECT_EQ(c.At(15, 20), kWhite);
    EXPECT_EQ(c.dc.GetCurrentPosition(), CPoint(15, 20));

    // Rectangle: pen outline, brush inside; the old pen comes back as a typed object.
    CBrush* pOldBrush = c.dc.SelectObject(&blue);
    c.dc.Rectangle(CRect(20, 15, 30, 25));
    EXPECT_EQ(c.Count(CRect(20, 15, 30, 25), kRed), 36);
    EXPECT_EQ(c.Count(CRect(21, 16, 29, 24), kBlue), 64);
    EXPECT_EQ(c.dc.SelectObject(pOldPen), &redPen);
    c.dc.SelectObject(pOldBrush);

    // A NOT raster operation inverts what is below.
    c.dc.SetROP2(R2_NOT);
    c.dc.MoveTo(20, 19);
    c.dc.LineTo(30, 19); // across the red outline and the blue inside
    c.dc.SetROP2(R2_COPYPEN);
    EXPECT_EQ(c.At(20, 19), RGB(0, 255, 255)); // not red
    EXPECT_EQ(c.At(25, 19), RGB(255, 255, 0)); // not blue

    // SetPixel/GetPixel through the DC agree with the bits.
    c.dc.SetPixel(63, 47, kGreen);
    EXPECT_EQ(c.At(63, 47), kGreen);
    EXPECT_EQ(c.dc.GetPixel(63, 47), kGreen);

    // PatBlt with the selected brush, and BLACKNESS.
    CBrush green(kGreen);
    c.dc.SelectObject(&green);
    c.dc.PatBlt(40, 20, 5, 5, PATCOPY);
    EXPECT_EQ(c.Count(CRect(40, 20, 45, 25), kGreen), 25);
    c.dc.PatBlt(46, 20, 2, 2, BLACKNESS);
    EXPECT_EQ(c.Count(CRect(46, 20, 48, 22), kBlack), 4);
    c.dc.SelectStockObject(WHITE_BRUSH);
}

TEST(GdiPainting, ClippingShapesRegionsBlitsAndSavedStates)
{
    DibCanvas c(64, 48);

    // Clipping: an excluded rectangle and a clip region keep fills out.
    int nSaved = c.dc.SaveDC();
    ASSERT_NE(nSaved, 0);
    CRgn clip;
    ASSERT_TRUE(clip.CreateRectRgn(0, 0, 32, 24));
    c.dc.SelectClipRgn(&clip);
    c.dc.ExcludeClipRect(10, 10, 20, 20);
    CRect box;
    c.dc.GetClipBox(&box);
    EXPECT_EQ(box, CRect(0, 0, 32, 24));
    c.dc.FillSolidRect(CRect(0, 0, 64, 48), kRed);
    EXPECT_EQ(c.Count(CRect(0, 0, 64, 48), kRed), 32 * 24 - 100);
    EXPECT_EQ(c.At(15, 15), kWhite);
    EXPECT_EQ(c.At(40, 30), kWhite);
    c.dc.IntersectClipRect(0, 0, 5, 5);
    c.dc.FillSolidRect(CRect(0, 0, 64, 48), kBlue);
    EXPECT_EQ(c.Count(CRect(0, 0, 64, 48), kBlue), 25);
    EXPECT_TRUE(c.dc.RestoreDC(nSaved));
    c.dc.GetClipBox(&box);
    EXPECT_EQ(box, CRect(0, 0, 64, 48));

    // Regions: combined, offset, filled and framed.
    c.dc.FillSolidRect(CRect(0, 0, 64, 48), kWhite);
    CRgn a, b, both;
    ASSERT_TRUE(a.CreateRectRgn(0, 0, 10, 10));
    ASSERT_TRUE(b.CreateRectRgn(5, 5, 15, 15));
    ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(both.CombineRgn(&a, &b, RGN_OR), COMPLEXREGION);
    EXPECT_TRUE(both.PtInRegion(12, 12));
    EXPECT_FALSE(both.PtInRegion(12, 2));
    both.OffsetRgn(40, 0);
    CRect rgnBox;
    both.GetRgnBox(&rgnBox);
    EXPECT_EQ(rgnBox, CRect(40, 0, 55, 15));
    CBrush green(kGreen);
    EXPECT_TRUE(c.dc.FillRgn(&both, &green));
    EXPECT_EQ(c.Count(CRect(0, 0, 64, 48), kGreen), 100 + 100 - 25);
    CRgn copy;
    ASSERT_TRUE(copy.CreateRectRgn(0, 0, 0, 0));
    copy.CopyRgn(&both);
    EXPECT_TRUE(copy.EqualRgn(&both));

    // Ellipse: the centre is filled, the corners of its box are not.
    c.dc.FillSolidRect(CRect(0, 0, 64, 48), kWhite);
    CBrush red(kRed);
    CPen nullPen(PS_NULL, 0, kBlack);
    CPen* pOldPen = c.dc.SelectObject(&nullPen);
    CBrush* pOldBrush = c.dc.SelectObject(&red);
    c.dc.Ellipse(CRect(0, 0, 20, 20));
    EXPECT_EQ(c.At(10, 10), kRed);
    EXPECT_EQ(c.At(1, 1), kWhite);
    POINT tri[3] = {{30, 0}, {40, 10}, {30, 10}};
    c.dc.Polygon(tri, 3);
    EXPECT_EQ(c.At(32, 8), kRed);
    EXPECT_EQ(c.At(38, 2), kWhite);
    c.dc.SelectObject(pOldPen);
    c.dc.SelectObject(pOldBrush);

    // BitBlt and StretchBlt from another memory DC.
    DibCanvas src(8, 8);
    src.dc.FillSolidRect(CRect(0, 0, 4, 8), kBlue);
    src.dc.FillSolidRect(CRect(4, 0, 8, 8), kGreen);
    c.dc.BitBlt(50, 30, 8, 8, &src.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(c.Count(CRect(50, 30, 54, 38), kBlue), 32);
    EXPECT_EQ(c.Count(CRect(54, 30, 58, 38), kGreen), 32);
    c.dc.SetStretchBltMode(COLORONCOLOR);
    c.dc.StretchBlt(0, 30, 16, 16, &src.dc, 0, 0, 8, 8, SRCCOPY);
    EXPECT_EQ(c.Count(CRect(0, 30, 8, 46), kBlue), 128);
    EXPECT_EQ(c.Count(CRect(8, 30, 16, 46), kGreen), 128);
}

TEST(GdiPainting, TextMappingAndTemporaryWrappers)
{
    DibCanvas c(120, 40);
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, L"Tahoma", &c.dc));
    LOGFONT lf = {};
    ASSERT_GT(font.GetLogFont(&lf), 0);
    EXPECT_LT(lf.lfHeight, 0);
    CFont* pOldFont = c.dc.SelectObject(&font);
    EXPECT_EQ(c.dc.GetCurrentFont(), &font);

    CSize ext = c.dc.GetTextExtent(CString(L"Pesan"));
    EXPECT_GT(ext.cx, 10);
    EXPECT_GT(ext.cy, 5);
    TEXTMETRIC tm = {};
    ASSERT_TRUE(c.dc.GetTextMetrics(&tm));
    EXPECT_EQ(tm.tmHeight, ext.cy);

    // Text in a transparent mode paints only glyph pixels, all inside the text's extent.
    c.dc.SetBkMode(TRANSPARENT);
    c.dc.SetTextColor(kBlack);
    CRect rc(0, 0, 120, 40);
    c.dc.DrawText(L"Pesan", -1, &rc, DT_LEFT | DT_TOP | DT_SINGLELINE);
    int inside = 120 * 40 - c.Count(CRect(0, 0, 120, 40), kWhite);
    int outsideExtent = (120 * 40 - ext.cx * ext.cy) - c.Count(CRect(ext.cx, 0, 120, 40), kWhite) -
                        c.Count(CRect(0, ext.cy, ext.cx, 40), kWhite);
    EXPECT_GT(inside, 10);
    EXPECT_EQ(outsideExtent, 0);
    c.dc.SelectObject(pOldFont);

    // Mapping: a moved viewport origin shifts logical coordinates.
    c.dc.SetViewportOrg(10, 5);
    CPoint pt(1, 1);
    c.dc.LPtoDP(&pt);
    EXPECT_EQ(pt, CPoint(11, 6));
    c.dc.DPtoLP(&pt);
    EXPECT_EQ(pt, CPoint(1, 1));
    c.dc.FillSolidRect(0, 0, 1, 1, kRed);
    EXPECT_EQ(c.At(10, 5), kRed);
    c.dc.SetViewportOrg(0, 0);

    // Stock objects come back as temporary wrappers that live until the temporary maps go.
    CGdiObject* pStock = c.dc.SelectStockObject(BLACK_PEN);
    ASSERT_NE(pStock, nullptr);
    CGdiObject* pBlackPen = c.dc.SelectObject(pStock);
    EXPECT_EQ(pBlackPen->GetSafeHandle(), ::GetStockObject(BLACK_PEN));
    EXPECT_EQ(CGdiObject::FromHandle(::GetStockObject(BLACK_PEN)), pBlackPen);
    CGdiObject::DeleteTempMap();
    EXPECT_EQ(AfxGetThreadState()->m_pmapHGDIOBJ->TemporaryCount(), 0u);
    // Attached objects are permanent and found by handle.
    EXPECT_EQ(CGdiObject::FromHandle(font.GetSafeHandle()), &font);
    HGDIOBJ hFont = font.Detach();
    EXPECT_NE(CGdiObject::FromHandle(hFont), &font);
    ::DeleteObject(hFont);
    CGdiObject::DeleteTempMap();
}

namespace
{
class CPaintingWnd : public CWnd
{
public:
    int paints = 0;

protected:
    void OnPaint()
    {
        CPaintDC dc(this);
        ++paints;
        dc.FillSolidRect(&dc.m_ps.rcPaint, RGB(10, 20, 30));
    }
    // Painting into a given DC (WM_PRINTCLIENT) runs the same code as WM_PAINT would.
    LRESULT OnPrintClient(WPARAM wParam, LPARAM)
    {
        CDC* pDC = CDC::FromHandle((HDC)wParam);
        CRect rc;
        GetClientRect(&rc);
        pDC->FillSolidRect(&rc, RGB(10, 20, 30));
        pDC->Draw3dRect(&rc, RGB(255, 255, 255), RGB(0, 0, 0));
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CPaintingWnd, CWnd)
ON_WM_PAINT()
ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()
} // namespace

TEST(GdiPainting, WindowsPaintThroughThePaintDcAndIntoAGivenDc)
{
    CPaintingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP, 0, 0, 40, 30, nullptr, nullptr));
    wnd.ModifyStyle(0, WS_VISIBLE); // visible for painting, without mapping it on the X server
    wnd.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(wnd.paints, 1);
    CRect upd;
    EXPECT_FALSE(wnd.GetUpdateRect(&upd)); // validated by the paint DC

    DibCanvas c(40, 30);
    wnd.PrintClient(&c.dc, PRF_CLIENT);
    EXPECT_EQ(c.At(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(c.At(39, 29), RGB(0, 0, 0));
    EXPECT_EQ(c.Count(CRect(1, 1, 39, 29), RGB(10, 20, 30)), 38 * 28);
    wnd.DestroyWindow();
    CDC::DeleteTempMap();
}
