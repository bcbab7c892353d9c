// The flat tab strip: its slant, metrics and measuring, the button-size rule, and its painting read
// back from DIB pixels under the base and the Office 2003 paint managers.
#include "ExtrasTestSupport.h"
#include "toolkit/extras/ExtTabFlatWnd.h"
#include "toolkit/extras/ExtTabMdiFlatWnd.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtPaintManagerOffice2003.h"
#include <algorithm>
#include <memory>

using extrastest::PlainFrame;
using extrastest::PumpFor;

namespace
{

const LPCTSTR kTexts[] = {L"Kotak masuk", L"Terkirim", L"Konsep"};

// A flat strip with three tabs on the shared frame.
class FlatTabs : public ::testing::Test
{
protected:
    void Make(const CRect& rc, DWORD dwTabStyle)
    {
        ASSERT_TRUE(m_wnd.Create(PlainFrame(), rc, 100, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, dwTabStyle));
        for (LPCTSTR psz : kTexts)
            m_wnd.ItemInsert(psz);
        m_wnd.SelectionSet(0, true, false);
        m_wnd.UpdateTabWnd(true);
    }
    void TearDown() override
    {
        if (m_wnd.GetSafeHwnd() != nullptr)
            m_wnd.DestroyWindow();
        if (m_bRestorePM)
            g_PaintManagerHolder.InstallPaintManager(nullptr);
    }
    // The item's rectangle in client coordinates.
    CRect ItemRect(int nIndex) const
    {
        CRect rc = m_wnd.ItemGet(nIndex)->m_rcItem;
        if (m_wnd.OrientationIsHorizontal())
            rc.OffsetRect(m_wnd.GetItemsArea().left - m_wnd.ScrollPosGet(), 0);
        else
            rc.OffsetRect(0, m_wnd.GetItemsArea().top - m_wnd.ScrollPosGet());
        return rc;
    }
    // Along the strip: the item's length beyond its measured text and padding.
    int Extra(int nIndex) const
    {
        const CExtTabWnd::TAB_ITEM_INFO* pTii = m_wnd.ItemGet(nIndex);
        return m_wnd.OrientationIsHorizontal() ? pTii->m_sizeItem.cx - (pTii->m_sizeLastMeasuredText.cx + 7)
                                               : pTii->m_sizeItem.cy - (pTii->m_sizeLastMeasuredText.cx + 7);
    }
    void Install(CExtPaintManager* pPM)
    {
        g_PaintManagerHolder.InstallPaintManager(pPM);
        m_bRestorePM = true;
    }

    CExtTabFlatWnd m_wnd;
    bool m_bRestorePM = false;
};

int BaseButtonSide()
{
    return std::max(std::min(::GetSystemMetrics(SM_CXSMSIZE), ::GetSystemMetrics(SM_CYSMSIZE)) + 1, 12);
}

} // namespace

TEST_F(FlatTabs, SlantIsAQuarterOfTheThicknessRoundedLikeMulDiv)
{
    EXPECT_EQ(m_wnd.GetFlatSlant(true, CRect(0, 0, 100, 16)), 4);
    EXPECT_EQ(m_wnd.GetFlatSlant(true, CRect(0, 0, 100, 14)), 4); // 3.5 rounds up
    EXPECT_EQ(m_wnd.GetFlatSlant(true, CRect(0, 0, 100, 13)), 3); // 3.25 rounds down
    EXPECT_EQ(m_wnd.GetFlatSlant(false, CRect(0, 0, 22, 5)), 6);  // a vertical strip takes the width
    EXPECT_EQ(m_wnd.GetFlatStripThickness(true), 16);
    bool bStart = false, bEnd = false;
    m_wnd.GetFlatSlantSides(0, nullptr, bStart, bEnd);
    EXPECT_TRUE(bStart && bEnd);
}

TEST_F(FlatTabs, SixteenPixelClientSlantsByFourAndLengthensTabsByTen)
{
    Make(CRect(0, 0, 500, 16), CExtTabWnd::kOrientTop);
    EXPECT_EQ(m_wnd.GetClientSlant(), 4);
    EXPECT_EQ(m_wnd.GetItemsArea().left, 2);
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(Extra(i), 10) << i;
        EXPECT_EQ(m_wnd.ItemGet(i)->m_sizeItem.cy, 16) << i;
    }
    int nInset = 0, nMargin = 7, nOffset = 7;
    m_wnd.OnTabWndQueryMetrics(nInset, nMargin, nOffset);
    EXPECT_EQ(nInset, 2);
    EXPECT_EQ(nMargin, 0);
    EXPECT_EQ(nOffset, 0);
}

TEST_F(FlatTabs, UnslantedStartInsetsMinusOneAndBothBitsKeepMeasuredLengths)
{
    Make(CRect(0, 0, 500, 16), CExtTabWnd::kOrientTop | CExtTabFlatWnd::kStyleNoStartSlant);
    EXPECT_EQ(m_wnd.GetItemsArea().left, -1);
    EXPECT_EQ(Extra(0), 10); // one slanted side still counts
    m_wnd.ModifyTabWndStyle(0, CExtTabFlatWnd::kStyleNoEndSlant, true);
    EXPECT_EQ(m_wnd.GetItemsArea().left, -1);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Extra(i), 0) << i;
    m_wnd.ModifyTabWndStyle(CExtTabFlatWnd::kStyleNoStartSlant, 0, true);
    EXPECT_EQ(m_wnd.GetItemsArea().left, 2);
    EXPECT_EQ(Extra(1), 10);
}

TEST_F(FlatTabs, VerticalStripExchangesWidthAndHeight)
{
    Make(CRect(0, 0, 16, 400), CExtTabWnd::kOrientLeft);
    EXPECT_EQ(m_wnd.GetClientSlant(), 4);
    EXPECT_EQ(m_wnd.GetItemsArea().top, 2);
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(m_wnd.ItemGet(i)->m_sizeItem.cx, 16) << i;
        EXPECT_EQ(Extra(i), 10) << i;
    }
}

TEST_F(FlatTabs, ButtonSizeShrinksToTheClientAndStaysAtLeastThree)
{
    const int b = BaseButtonSide();
    CDC& dc = *CDC::FromHandle(::GetDC(nullptr));
    struct Case
    {
        DWORD dwOrientation;
        CSize sizeClient;
    } cases[] = {{CExtTabWnd::kOrientTop, CSize(300, 16)},   {CExtTabWnd::kOrientBottom, CSize(300, 10)},
                 {CExtTabWnd::kOrientTop, CSize(300, 10)},   {CExtTabWnd::kOrientBottom, CSize(300, 3)},
                 {CExtTabWnd::kOrientRight, CSize(10, 300)}, {CExtTabWnd::kOrientLeft, CSize(10, 300)}};
    for (const Case& c : cases)
    {
        Make(CRect(CPoint(0, 0), c.sizeClient), c.dwOrientation);
        const bool bHorz = c.dwOrientation <= CExtTabWnd::kOrientBottom;
        const bool bFar = c.dwOrientation == CExtTabWnd::kOrientBottom || c.dwOrientation == CExtTabWnd::kOrientRight;
        const int nClient = bHorz ? c.sizeClient.cy : c.sizeClient.cx;
        int nAlong = b > nClient ? b * 8 / 10 : b;
        int nAcross = std::min(b, nClient - 1);
        if (bFar && nAcross > nClient - 2)
            --nAcross;
        nAlong = std::max(nAlong, 3);
        nAcross = std::max(nAcross, 3);
        CSize size(0, 0);
        m_wnd.OnTabWndQueryButtonSize(size, dc, 16);
        EXPECT_EQ(bHorz ? size.cx : size.cy, nAlong) << c.dwOrientation << " " << nClient;
        EXPECT_EQ(bHorz ? size.cy : size.cx, nAcross) << c.dwOrientation << " " << nClient;
        m_wnd.DestroyWindow();
    }
    ::ReleaseDC(nullptr, dc.Detach());
}

TEST_F(FlatTabs, SelectedTabIsWhiteAndOwnsBothOverlaps)
{
    Install(new CExtPaintManager);
    Make(CRect(0, 0, 500, 16), CExtTabWnd::kOrientTop);
    m_wnd.SelectionSet(1, true, true);
    auto canvas = extrastest::PaintClient(m_wnd.m_hWnd);
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    const COLORREF clrFace = pPM->GetTranslatedColor(XCLR_FACE_NORMAL, &m_wnd);
    ASSERT_NE(clrFace, RGB(255, 255, 255));
    const CRect rcSel = ItemRect(1), rcNext = ItemRect(2);
    ASSERT_EQ(rcSel.right, rcNext.left);
    // Two pixels above the inner edge the neighbours' slanted ends cross the selected tab's.
    EXPECT_EQ(canvas->At(rcSel.left - 1, 13), RGB(255, 255, 255));
    EXPECT_EQ(canvas->At(rcSel.right, 13), RGB(255, 255, 255));
    // Unselected tabs have the face colour 1000; the last one's end is its own.
    EXPECT_EQ(canvas->At(rcNext.right, 13), clrFace);
    EXPECT_EQ(canvas->At(ItemRect(0).left + 1, 13), clrFace);
    // The outline's outer side runs along the strip's window edge.
    EXPECT_EQ(canvas->At(rcSel.CenterPoint().x, 0), pPM->GetTranslatedColor(COLOR_3DDKSHADOW, &m_wnd));
}

TEST_F(FlatTabs, InnerEdgeLineAndBackgroundUnderTheBasePaintManager)
{
    Install(new CExtPaintManager);
    Make(CRect(0, 0, 500, 16), CExtTabWnd::kOrientTop);
    auto canvas = extrastest::PaintClient(m_wnd.m_hWnd);
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    const COLORREF clrLine = pPM->GetTranslatedColor(COLOR_3DDKSHADOW, &m_wnd);
    const int nRight = m_wnd.GetItemsArea().right;
    EXPECT_EQ(canvas->Count(CRect(0, 15, nRight, 16), clrLine), nRight);
    // Beyond the last tab: the background colour 1000.
    const int x = ItemRect(2).right + 8;
    ASSERT_LT(x, nRight);
    EXPECT_EQ(canvas->At(x, 5), pPM->GetTranslatedColor(XCLR_FACE_NORMAL, &m_wnd));
}

TEST_F(FlatTabs, BottomAndSideStripsDrawTheLineOnTheirInnerSide)
{
    Install(new CExtPaintManager);
    const COLORREF clrLine = g_PaintManagerHolder->GetTranslatedColor(COLOR_3DDKSHADOW, &m_wnd);
    Make(CRect(0, 0, 500, 16), CExtTabWnd::kOrientBottom);
    auto canvas = extrastest::PaintClient(m_wnd.m_hWnd);
    EXPECT_EQ(canvas->Count(CRect(0, 0, m_wnd.GetItemsArea().right, 1), clrLine), m_wnd.GetItemsArea().right);
    m_wnd.DestroyWindow();
    Make(CRect(0, 0, 16, 400), CExtTabWnd::kOrientRight);
    canvas = extrastest::PaintClient(m_wnd.m_hWnd);
    EXPECT_EQ(canvas->Count(CRect(0, 0, 1, m_wnd.GetItemsArea().bottom), clrLine), m_wnd.GetItemsArea().bottom);
    // The selected first tab's face beside its end.
    const CRect rc = ItemRect(0);
    EXPECT_EQ(canvas->At(2, rc.bottom), RGB(255, 255, 255));
}

TEST_F(FlatTabs, Office2003BackgroundIsItsTabClientPaintingAndColoursFollowTheManager)
{
    Install(new CExtPaintManager);
    const COLORREF clrBaseFace = g_PaintManagerHolder->GetTranslatedColor(XCLR_FACE_NORMAL, &m_wnd);
    Install(new CExtPaintManagerOffice2003);
    Make(CRect(0, 0, 500, 16), CExtTabWnd::kOrientTop);
    m_wnd.SelectionSet(1, true, true);
    auto canvas = extrastest::PaintClient(m_wnd.m_hWnd);
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    CRect rcClient;
    m_wnd.GetClientRect(&rcClient);
    DibCanvas expected(rcClient.Width(), rcClient.Height(), RGB(1, 2, 3));
    pPM->PaintTabClientArea(expected.dc, rcClient, m_wnd.GetItemsArea(), m_wnd.GetNearBorderArea(),
                            m_wnd.OrientationGet(), false, &m_wnd, 0);
    const int x = ItemRect(2).right + 8;
    for (int y = 1; y < 15; ++y)
        EXPECT_EQ(canvas->At(x, y), expected.At(x, y)) << y;
    EXPECT_EQ(canvas->At(x, 15), pPM->GetTranslatedColor(COLOR_3DDKSHADOW, &m_wnd));
    // An unselected tab's face is this manager's colour 1000, not the base manager's.
    const COLORREF clrFace = pPM->GetTranslatedColor(XCLR_FACE_NORMAL, &m_wnd);
    EXPECT_NE(clrFace, clrBaseFace);
    EXPECT_EQ(canvas->At(ItemRect(2).right, 13), clrFace);
}

TEST_F(FlatTabs, ButtonsShowTheirGlyphAndAFrameWhenHoveredOrPressed)
{
    Install(new CExtPaintManager);
    Make(CRect(0, 0, 500, 16), CExtTabWnd::kOrientTop);
    CExtPaintManager* pPM = g_PaintManagerHolder.GetPM();
    const COLORREF clrText = pPM->GetTranslatedColor(COLOR_BTNTEXT, &m_wnd);
    const COLORREF clrShadow = pPM->GetTranslatedColor(COLOR_3DSHADOW, &m_wnd);
    const COLORREF clrFrame = pPM->GetTranslatedColor(COLOR_3DDKSHADOW, &m_wnd);
    const COLORREF clrPushed = pPM->GetTranslatedColor(COLOR_3DHIGHLIGHT, &m_wnd);
    const COLORREF clrBack = RGB(1, 2, 3);
    const CRect rc(0, 0, 14, 14);
    struct Case
    {
        bool bEnabled, bHover, bPushed;
    } cases[] = {{true, false, false}, {false, false, false}, {true, true, false}, {true, false, true}};
    for (const Case& c : cases)
    {
        DibCanvas canvas(14, 14, clrBack);
        m_wnd.OnTabWndDrawButton(canvas.dc, rc, CExtTabWnd::kHitClose, true, true, c.bEnabled, c.bHover, c.bPushed,
                                 false);
        const CRect rcInner(3, 3, 11, 11);
        const bool bFramed = c.bHover || c.bPushed;
        EXPECT_GT(canvas.Count(rcInner, c.bEnabled ? clrText : clrShadow), 0) << c.bEnabled;
        EXPECT_EQ(canvas.Count(rcInner, c.bEnabled ? clrShadow : clrText), 0) << c.bEnabled;
        EXPECT_EQ(canvas.At(0, 0), bFramed ? clrFrame : clrBack);
        EXPECT_EQ(canvas.At(13, 7), bFramed ? clrFrame : clrBack);
        EXPECT_EQ(canvas.At(1, 1), c.bPushed ? clrPushed : clrBack); // a hovered button keeps the background
    }
}

TEST_F(FlatTabs, FlatWindowsAreDynamicallyCreatable)
{
    for (CRuntimeClass* pClass : {RUNTIME_CLASS(CExtTabFlatWnd), RUNTIME_CLASS(CExtTabMdiFlatWnd)})
    {
        std::unique_ptr<CObject> pObject(pClass->CreateObject());
        ASSERT_NE(pObject, nullptr);
        EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CExtTabFlatWnd)));
        EXPECT_EQ(pObject->GetRuntimeClass(), pClass);
    }
    EXPECT_STREQ(RUNTIME_CLASS(CExtTabMdiFlatWnd)->m_lpszClassName, "CExtTabMdiFlatWnd");
    EXPECT_EQ(RUNTIME_CLASS(CExtTabMdiFlatWnd)->GetBaseClass(), RUNTIME_CLASS(CExtTabFlatWnd));
}
