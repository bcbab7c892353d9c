// Geometry of popup menus on the Xvfb monitor: window size, item rectangles, hit testing and the
// placement around an exclude rectangle, joined with its owner when combined.
#include "MenuTestIds.h"
#include "MenuTestSupport.h"
#include <gtest/gtest.h>

typedef CExtPopupMenuWnd::MENUITEMDATA MENUITEMDATA;
typedef CExtPopupMenuWnd M;

class MenuGeometryTest : public MenuTest
{
protected:
    void SetUp() override
    {
        MenuTest::SetUp();
        AddCommand(ID_TEST_OPEN, L"&Buka", L"Ctrl+O");
        AddCommand(ID_TEST_SAVE, L"&Simpan sebagai berkas lain");
        AddCommand(ID_TEST_EXIT, L"&Keluar");
        ASSERT_TRUE(m_menu.CreatePopupMenu(Frame()));
        for (int nID : {ID_TEST_OPEN, ID_TEST_SAVE, 0, ID_TEST_EXIT})
            ASSERT_TRUE(m_menu.InsertItem((int)nID));
        m_menu.GetItemAt(3).m_nMarginTop = 3;
        m_menu.UpdateDisplayedItems();
    }
    CSize Size()
    {
        CSize size;
        m_menu.CalcWindowSize(size);
        return size;
    }
    // Places the menu with the track flags around the exclude rectangle (null: at the point).
    CRect Place(UINT nFlags, const CRect* pExclude, CPoint pt = CPoint(410, 310), bool bCombined = false)
    {
        m_menu.m_nTrackFlags = nFlags;
        m_menu.m_ptTrack = pt;
        m_menu.m_nBaseFlags = 0;
        if (pExclude != nullptr)
        {
            m_menu.m_rcExclude = *pExclude;
            m_menu.m_nBaseFlags |= CExtPopupBaseWnd::BASE_FLAG_EXCLUDE_RECT;
        }
        if (bCombined)
            m_menu.m_nBaseFlags |= CExtPopupBaseWnd::BASE_FLAG_COMBINED;
        CRect rc;
        m_menu.CalcWindowRect(rc);
        return rc;
    }
    CRect WorkArea(const CRect& rc)
    {
        CExtPaintManager::MonitorParms mp;
        CExtPaintManager::GetMonitorParmsFromRect(mp, rc);
        return mp.m_rcWorkArea;
    }
    int Full(int i) { return m_menu.GetItemAt(i).GetFullHeight(); }
    CExtPopupMenuWnd m_menu;
};

TEST_F(MenuGeometryTest, WindowSizeIsContentPlusBordersAndShadowAndOneMoreLine)
{
    const int w = m_menu.m_nContentWidth, h = m_menu.m_nContentHeight;
    EXPECT_EQ(h, Full(0) + Full(1) + Full(2) + Full(3));
    EXPECT_EQ(Size(), CSize(w + 8, h + 9));
    m_menu.SetLeftAreaWidth(30);
    EXPECT_EQ(Size(), CSize(w + 38, h + 9));
    m_menu.m_nStateFlags |= M::STATE_HAS_HIDDEN_ITEMS;
    EXPECT_EQ(Size(), CSize(w + 38, h + 9 + 18));
    m_menu.m_nTrackFlags = M::TRACK_NO_SHADOW;
    EXPECT_EQ(Size(), CSize(w + 34, h + 5 + 18));
    CExtPopupMenuWnd empty;
    ASSERT_TRUE(empty.CreatePopupMenu(Frame()));
    CSize sizeEmpty;
    empty.CalcWindowSize(sizeEmpty);
    EXPECT_EQ(sizeEmpty, CSize(18, 19));
}

TEST_F(MenuGeometryTest, ItemRectanglesSumFullHeightsAndTheLastBottomMarginCountsOneLess)
{
    Place(0, nullptr);
    const int w = m_menu.m_nContentWidth;
    CRect rc;
    m_menu.GetItemRect(0, rc);
    EXPECT_EQ(rc, CRect(2, 3, 2 + w, 3 + Full(0)));
    m_menu.GetItemRect(1, rc);
    EXPECT_EQ(rc, CRect(2, 3 + Full(0), 2 + w, 3 + Full(0) + Full(1)));
    m_menu.GetItemRect(1, rc, true);
    EXPECT_EQ(rc, CRect(3, 3 + Full(0), 1 + w, 3 + Full(0) + Full(1) - 1));
    const int nTop3 = 3 + Full(0) + Full(1) + Full(2);
    m_menu.GetItemRect(3, rc);
    EXPECT_EQ(rc, CRect(2, nTop3, 2 + w, nTop3 + Full(3) - 1));
    EXPECT_EQ(rc.bottom, 2 + m_menu.m_nContentHeight);
    m_menu.GetItemRect(3, rc, true);
    EXPECT_EQ(rc, CRect(3, nTop3 + 3, 1 + w, nTop3 + Full(3) - 2));
}

TEST_F(MenuGeometryTest, ItemRectanglesFollowScrollPositionLeftAreaAndHiddenItems)
{
    Place(0, nullptr);
    CRect rc0, rc;
    m_menu.GetItemRect(1, rc0);
    m_menu.m_nScrollPos = -10;
    m_menu.SetLeftAreaWidth(30);
    m_menu.GetItemRect(1, rc);
    EXPECT_EQ(rc, CRect(rc0.left + 30, rc0.top - 10, rc0.right + 30, rc0.bottom - 10));
    m_menu.GetItemAt(1).SetDisplayed(false);
    m_menu.GetItemRect(1, rc);
    EXPECT_TRUE(rc.IsRectEmpty());
    m_menu.GetItemRect(7, rc);
    EXPECT_TRUE(rc.IsRectEmpty());
}

TEST_F(MenuGeometryTest, AreaRectanglesExistOnlyWhileScrollingOrWithTheExpandButton)
{
    m_menu.m_rcScrollUp.SetRect(2, 2, 90, 20);
    m_menu.m_rcScrollDown.SetRect(2, 80, 90, 98);
    m_menu.m_rcExpandButton.SetRect(2, 60, 90, 78);
    CRect rc;
    m_menu.GetItemRect(M::AREA_SCROLL_UP, rc);
    EXPECT_TRUE(rc.IsRectEmpty());
    m_menu.m_nStateFlags |= M::STATE_SCROLLING;
    m_menu.GetItemRect(M::AREA_SCROLL_UP, rc);
    EXPECT_EQ(rc, m_menu.m_rcScrollUp);
    m_menu.GetItemRect(M::AREA_SCROLL_DOWN, rc);
    EXPECT_EQ(rc, m_menu.m_rcScrollDown);
    m_menu.m_nStateFlags &= ~M::STATE_HAS_HIDDEN_ITEMS;
    m_menu.GetItemRect(M::AREA_EXPAND, rc);
    EXPECT_TRUE(rc.IsRectEmpty());
    m_menu.m_nStateFlags |= M::STATE_HAS_HIDDEN_ITEMS;
    m_menu.GetItemRect(M::AREA_EXPAND, rc);
    EXPECT_EQ(rc, m_menu.m_rcExpandButton);
    m_menu.GetItemRect(M::AREA_EXPAND, rc, true);
    EXPECT_EQ(rc, CRect(3, 61, 89, 77));
}

TEST_F(MenuGeometryTest, HitTestFindsItemsAndAreas)
{
    Place(0, nullptr);
    CRect rc1;
    m_menu.GetItemRect(1, rc1, true);
    EXPECT_EQ(m_menu.ItemHitTest(rc1.CenterPoint()), 1);
    EXPECT_EQ(m_menu.ItemHitTest(CPoint(rc1.left - 1, rc1.top + 2)), -1); // on the left margin
    EXPECT_EQ(m_menu.ItemHitTest(CPoint(-5, 10)), -1);
    EXPECT_EQ(m_menu.ItemHitTest(CPoint(5, 5000)), -1);

    m_menu.m_nStateFlags |= M::STATE_SCROLLING;
    m_menu.m_rcScrollUp = CRect(2, 2, 60, rc1.bottom);
    m_menu.m_nScrollPos = 0;
    EXPECT_EQ(m_menu.ItemHitTest(rc1.CenterPoint()), 1); // at the top the band is not active
    m_menu.m_nScrollPos = -5;
    EXPECT_EQ(m_menu.ItemHitTest(CPoint(10, 10)), M::AREA_SCROLL_UP);
    m_menu.m_rcScrollUp.SetRectEmpty();
    const CRect rcClient = m_menu.GetPopupClientRect();
    m_menu.m_rcScrollDown = CRect(2, rcClient.bottom - 10, 60, rcClient.bottom);
    m_menu.m_nScrollPos = m_menu.GetMinScrollPos();
    EXPECT_NE(m_menu.ItemHitTest(CPoint(10, rcClient.bottom - 5)), M::AREA_SCROLL_DOWN);
    m_menu.m_nScrollPos = m_menu.GetMinScrollPos() + 1;
    EXPECT_EQ(m_menu.ItemHitTest(CPoint(10, rcClient.bottom - 5)), M::AREA_SCROLL_DOWN);
    m_menu.m_nStateFlags &= ~M::STATE_SCROLLING;
    m_menu.m_nScrollPos = 0;
    m_menu.m_nStateFlags |= M::STATE_HAS_HIDDEN_ITEMS;
    m_menu.m_rcExpandButton = CRect(2, rcClient.bottom - 10, 60, rcClient.bottom);
    EXPECT_EQ(m_menu.ItemHitTest(CPoint(10, rcClient.bottom - 5)), M::AREA_EXPAND);
}

TEST_F(MenuGeometryTest, HitTestReportsTheEditPartAndTheArrowOfEditItems)
{
    CString sTarget;
    MENUITEMDATA& mi = m_menu.GetItemAt(1);
    mi.m_pEditTextTarget = &sTarget;
    mi.m_nInplaceEditWidth = 60;
    mi.MeasureItem();
    m_menu.RemoveItem(0);
    ASSERT_TRUE(m_menu.InsertItem(-1, 0, L"Daftar"));
    m_menu.GetItemAt(0).m_pEditTextTarget = &sTarget;
    m_menu.GetItemAt(0).m_nInplaceEditWidth = 60;
    m_menu.GetItemAt(0).MeasureItem();
    m_menu.UpdateDisplayedItems();
    Place(0, nullptr);

    bool bInEdit = true, bOnArrow = true;
    CRect rcItem, rcEdit;
    m_menu.GetItemRect(1, rcItem, true);
    m_menu.GetItemEditRect(1, rcEdit);
    EXPECT_EQ(rcEdit, CRect(rcItem.right - 1 - 60, rcItem.top + 2, rcItem.right - 1, rcItem.bottom - 2));
    EXPECT_EQ(m_menu.ItemHitTest(rcEdit.CenterPoint(), &bInEdit, &bOnArrow), 1);
    EXPECT_TRUE(bInEdit);
    EXPECT_FALSE(bOnArrow);
    EXPECT_EQ(m_menu.ItemHitTest(CPoint(rcItem.left + 2, rcItem.top + 3), &bInEdit, &bOnArrow), 1);
    EXPECT_FALSE(bInEdit);

    const int nThumb = ::GetSystemMetrics(SM_CXHTHUMB);
    m_menu.GetItemRect(0, rcItem, true);
    m_menu.GetItemEditRect(0, rcEdit);
    EXPECT_EQ(rcEdit.right, rcItem.right - 1 - nThumb);
    EXPECT_EQ(m_menu.ItemHitTest(CPoint(rcEdit.right + nThumb / 2, rcEdit.top + 2), &bInEdit, &bOnArrow), 0);
    EXPECT_FALSE(bInEdit);
    EXPECT_TRUE(bOnArrow);
    EXPECT_EQ(m_menu.ItemHitTest(CPoint(rcEdit.left + 2, rcEdit.top + 2), &bInEdit, &bOnArrow), 0);
    EXPECT_TRUE(bInEdit);
    EXPECT_FALSE(bOnArrow);
}

TEST_F(MenuGeometryTest, PlacementCodesAroundTheExcludeRectangle)
{
    const CRect ex(400, 300, 480, 330);
    const CPoint pt(410, 310);
    const CSize s = Size();
    const CPoint expected[7] = {pt,
                                CPoint(ex.right, ex.top),
                                CPoint(pt.x - s.cx / 2, pt.y),
                                CPoint(ex.left - s.cx, ex.top),
                                CPoint(ex.left, ex.bottom),
                                CPoint(pt.x, pt.y - s.cy / 2),
                                CPoint(ex.left, ex.top - s.cy)};
    for (UINT nAlign = 0; nAlign <= 6; ++nAlign)
    {
        SCOPED_TRACE(nAlign);
        EXPECT_EQ(Place(nAlign, &ex, pt), CRect(expected[nAlign], s));
        EXPECT_EQ(m_menu.GetClientRectStored(), CRect(0, 0, s.cx - 4, s.cy - 4));
        EXPECT_EQ(m_menu.GetCombinedSide(), 0);
        EXPECT_FALSE(m_menu.IsScrollingOn());
    }
    EXPECT_EQ(Place(9, &ex, pt), CRect(pt, s));     // unknown codes act as 0
    EXPECT_EQ(Place(4, nullptr, pt), CRect(pt, s)); // no exclude rectangle: the point as given
}

TEST_F(MenuGeometryTest, DropDownNearTheBottomOpensAboveItsButton)
{
    const CRect area = WorkArea(CRect(400, 300, 480, 330));
    const CRect ex(400, area.bottom - 20, 480, area.bottom - 5);
    const CRect rc = Place(M::TRACK_ALIGN_BELOW, &ex);
    EXPECT_EQ(rc, CRect(CPoint(ex.left, ex.top - Size().cy), Size()));
}

TEST_F(MenuGeometryTest, SubMenusFlipToTheOtherSideOfTheirItemAtTheScreenEdges)
{
    CExtPopupMenuWnd parent;
    m_menu.m_pWndParentMenu = &parent;
    m_menu.m_nStateFlags &= ~M::STATE_TOP_LEVEL;
    const CRect area = WorkArea(CRect(400, 300, 480, 330));
    const CSize s = Size();
    const CRect exRight(area.right - 50, 300, area.right - 10, 320);
    EXPECT_EQ(Place(M::TRACK_ALIGN_RIGHT_OF, &exRight), CRect(CPoint(exRight.left - s.cx, 300), s));
    const CRect exLeft(area.left + 10, 300, area.left + 50, 320);
    EXPECT_EQ(Place(M::TRACK_ALIGN_LEFT_OF, &exLeft), CRect(CPoint(exLeft.right, 300), s));
    m_menu.m_pWndParentMenu = nullptr;
    m_menu.m_nStateFlags |= M::STATE_TOP_LEVEL;
    // A top-level menu does not flip; it is only kept on the screen.
    EXPECT_EQ(Place(M::TRACK_ALIGN_RIGHT_OF, &exRight), CRect(CPoint(area.right - s.cx, 300), s));
}

TEST_F(MenuGeometryTest, ClampsKeepTheMenuInsideTheAreaChosenByFitToWorkArea)
{
    CExtPaintManager::MonitorParms mp;
    CExtPaintManager::GetMonitorParmsFromPoint(mp, CPoint(100, 100));
    const CSize s = Size();
    CRect rc = Place(0, nullptr, CPoint(mp.m_rcWorkArea.right - 10, mp.m_rcWorkArea.bottom - 10));
    EXPECT_EQ(rc, CRect(CPoint(mp.m_rcWorkArea.right - s.cx, mp.m_rcWorkArea.bottom - s.cy), s));
    rc = Place(0, nullptr, CPoint(mp.m_rcWorkArea.left - 40, mp.m_rcWorkArea.top - 40));
    EXPECT_EQ(rc.TopLeft(), mp.m_rcWorkArea.TopLeft());
    CExtPopupMenuWnd::g_bFitToWorkArea = false;
    rc = Place(0, nullptr, CPoint(mp.m_rcMonitor.right - 10, mp.m_rcMonitor.bottom - 10));
    EXPECT_EQ(rc, CRect(CPoint(mp.m_rcMonitor.right - s.cx, mp.m_rcMonitor.bottom - s.cy), s));
    CExtPopupMenuWnd::g_bFitToWorkArea = true;
}

TEST_F(MenuGeometryTest, MenuTallerThanTheWorkAreaIsCutAndScrolls)
{
    for (int i = 0; i < 80; ++i)
        ASSERT_TRUE(m_menu.InsertItem(ID_TEST_OPEN));
    CExtPaintManager::MonitorParms mp;
    CExtPaintManager::GetMonitorParmsFromPoint(mp, CPoint(100, 100));
    ASSERT_GT(Size().cy, mp.m_rcWorkArea.Height());
    const CRect rc = Place(0, nullptr, CPoint(100, 100));
    EXPECT_EQ(rc.top, mp.m_rcWorkArea.top);
    EXPECT_EQ(rc.bottom, mp.m_rcWorkArea.bottom);
    EXPECT_TRUE(m_menu.IsScrollingOn());
    EXPECT_EQ(m_menu.GetClientRectStored().Height(), rc.Height() - 4);
    EXPECT_LT(m_menu.GetMinScrollPos(), 0);
}

TEST_F(MenuGeometryTest, CombinedWithEachSideJoinsThePopupAndItsOwner)
{
    const CRect ex(400, 300, 480, 330);
    const CSize s = Size();
    struct Case
    {
        UINT nAlign;
        int nSide;
        CPoint ptPopup;
    } cases[] = {{M::TRACK_ALIGN_BELOW, M::COMBINE_BELOW, CPoint(ex.left, ex.bottom - 1)},
                 {M::TRACK_ALIGN_ABOVE, M::COMBINE_ABOVE, CPoint(ex.left, ex.top - s.cy + 5)},
                 {M::TRACK_ALIGN_RIGHT_OF, M::COMBINE_RIGHT_OF, CPoint(ex.right - 1, ex.top)},
                 {M::TRACK_ALIGN_LEFT_OF, M::COMBINE_LEFT_OF, CPoint(ex.left - s.cx + 5, ex.top)}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.nAlign);
        const CRect rcWnd = Place(c.nAlign, &ex, CPoint(0, 0), true);
        const CRect rcPopup(c.ptPopup, s);
        CRect rcUnion;
        rcUnion.UnionRect(&rcPopup, &ex);
        EXPECT_EQ(rcWnd, CRect(rcUnion.left, rcUnion.top, rcUnion.right + 4, rcUnion.bottom + 4));
        EXPECT_EQ(m_menu.GetCombinedSide(), c.nSide);
        EXPECT_NE(m_menu.m_nBaseFlags & CExtPopupBaseWnd::BASE_FLAG_COMBINED, 0);
        CRect rcClient(rcPopup);
        rcClient.OffsetRect(-rcWnd.left, -rcWnd.top);
        rcClient.right -= 4;
        rcClient.bottom -= 4;
        EXPECT_EQ(m_menu.GetClientRectStored(), rcClient);
        ASSERT_NE(m_menu.m_rgnWnd.GetSafeHandle(), nullptr);
        const CPoint ptOwner = ex.CenterPoint() - rcWnd.TopLeft();
        const CPoint ptPopup = rcPopup.CenterPoint() - rcWnd.TopLeft();
        EXPECT_TRUE(m_menu.m_rgnWnd.PtInRegion(ptOwner.x, ptOwner.y));
        EXPECT_TRUE(m_menu.m_rgnWnd.PtInRegion(ptPopup.x, ptPopup.y));
        CRect rcBox;
        m_menu.m_rgnWnd.GetRgnBox(&rcBox);
        EXPECT_EQ(rcBox, CRect(rcUnion.left - rcWnd.left, rcUnion.top - rcWnd.top, rcUnion.right - rcWnd.left,
                               rcUnion.bottom - rcWnd.top));
    }
}

TEST_F(MenuGeometryTest, CombinationThatTouchesNoSideIsDroppedAndPlacedAgain)
{
    const CRect ex(400, 300, 480, 330);
    const CRect rc = Place(0, &ex, CPoint(600, 500), true);
    EXPECT_EQ(rc, CRect(CPoint(600, 500), Size()));
    EXPECT_EQ(m_menu.m_nBaseFlags & CExtPopupBaseWnd::BASE_FLAG_COMBINED, 0);
    EXPECT_EQ(m_menu.GetCombinedSide(), 0);
    EXPECT_EQ(m_menu.m_rgnWnd.GetSafeHandle(), nullptr);
    EXPECT_EQ(m_menu.GetClientRectStored(), CRect(0, 0, Size().cx - 4, Size().cy - 4));
}
