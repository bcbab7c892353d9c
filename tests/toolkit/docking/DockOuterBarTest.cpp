// The outer dock bar: stored places, squeezing before wrapping, full-row bars, shared thickness,
// the placement order and moving bars between rows.
#include "DockBarsFixture.h"

namespace
{
// A fixed test bar that may fill its row, share its row's thickness and has a given minimum.
class CRowTestBar : public CHostFixedBar
{
public:
    bool IsFullRowBar() const override { return m_bFullRow; }
    bool IsRowThicknessShared() const override { return m_bShare; }
    CSize CalcMinSize() const override { return m_sizeMin; }
    bool m_bFullRow = false;
    bool m_bShare = false;
    CSize m_sizeMin = CSize(20, 20);
};

class DockOuterBar : public DockBarsFixture
{
protected:
    void SetUp() override
    {
        DockBarsFixture::SetUp();
        m_pTop = DYNAMIC_DOWNCAST(CExtDockOuterBar, Outer(AFX_IDW_DOCKBAR_TOP));
        ASSERT_NE(m_pTop, nullptr);
    }
    CRowTestBar* NewRowBar(int nCells)
    {
        auto* pBar = new CRowTestBar;
        m_pFrame->m_arrBars.push_back(pBar);
        if (!pBar->CreateInFrame(m_pFrame, m_pFrame->m_nNextFixedId++, L"Row", nCells))
            return nullptr;
        m_pTop->DockBarInto(pBar);
        return pBar;
    }
    // Lays the top dock bar out in a row of nWidth pixels.
    void Layout(int nWidth)
    {
        m_pTop->m_rectLayout = CRect(0, 0, nWidth, 400);
        m_pTop->CalcFixedLayout(TRUE, TRUE);
        m_pTop->m_rectLayout.SetRectEmpty();
    }
    static CExtDockOuterBar::OuterLayoutItemData Item(int nStart, int nLength, int nMin)
    {
        CExtDockOuterBar::OuterLayoutItemData item;
        item.m_rcPreCalc = CRect(nStart, 0, nStart + nLength, 20);
        item.m_sizeMin = CSize(nMin, 20);
        return item;
    }
    CExtDockOuterBar* m_pTop = nullptr;
};
} // namespace

TEST_F(DockOuterBar, TheMoreRecentlyPlacedOfTwoOverlappingBarsKeepsItsPlace)
{
    CRowTestBar* pA = NewRowBar(3);
    CRowTestBar* pB = NewRowBar(3);
    MakeOneRow(m_pTop, {pA, pB});
    Layout(600);
    const int nWidth = ClientRectIn(pA, m_pTop).Width();
    pA->m_placement.m_dwOrder = 2;
    pA->m_placement.m_rc = CRect(100, 0, 100 + nWidth, 30);
    pB->m_placement.m_dwOrder = 1;
    pB->m_placement.m_rc = CRect(120, 0, 120 + nWidth, 30);
    Layout(600);
    EXPECT_EQ(ClientRectIn(pB, m_pTop).left, 120);
    EXPECT_EQ(ClientRectIn(pA, m_pTop).right, 120);
    // Pushed towards the row end, the other one stops there.
    pA->m_placement.m_dwOrder = 1;
    pA->m_placement.m_rc = CRect(590 - nWidth, 0, 590, 30);
    pB->m_placement.m_dwOrder = 2;
    Layout(600);
    EXPECT_EQ(ClientRectIn(pB, m_pTop).right, 600);
    EXPECT_EQ(ClientRectIn(pA, m_pTop).right, 600 - nWidth);
}

TEST_F(DockOuterBar, ARowTooLongLosesItsGapsThenShrinksItsLastBarsThenWraps)
{
    CExtDockOuterBar::ItemArray arr;
    arr.Add(Item(0, 100, 60));
    arr.Add(Item(110, 90, 60));
    arr.Add(Item(210, 90, 60));
    // 20 pixels too long, 20 of gaps: only the gaps go.
    ASSERT_TRUE(CExtDockOuterBar::SqueezeRow(arr, 0, 2, 280, true));
    EXPECT_EQ(arr[0].m_rcPreCalc, CRect(0, 0, 100, 20));
    EXPECT_EQ(arr[1].m_rcPreCalc, CRect(100, 0, 190, 20));
    EXPECT_EQ(arr[2].m_rcPreCalc, CRect(190, 0, 280, 20));
    // 30 more: the last bar gives 30.
    ASSERT_TRUE(CExtDockOuterBar::SqueezeRow(arr, 0, 2, 250, true));
    EXPECT_EQ(arr[2].m_rcPreCalc, CRect(190, 0, 250, 20));
    EXPECT_EQ(arr[1].m_rcPreCalc.Width(), 90);
    // The last is at its minimum: the one before gives next.
    ASSERT_TRUE(CExtDockOuterBar::SqueezeRow(arr, 0, 2, 230, true));
    EXPECT_EQ(arr[1].m_rcPreCalc.Width(), 70);
    EXPECT_EQ(arr[2].m_rcPreCalc.Width(), 60);
    // Shorter than all minimums: nothing changes.
    EXPECT_FALSE(CExtDockOuterBar::SqueezeRow(arr, 0, 2, 170, true));
    EXPECT_EQ(arr[1].m_rcPreCalc.Width(), 70);
    EXPECT_EQ(arr[0].m_rcPreCalc.Width(), 100);

    // Through the layout: squeezed rows stay one row; only a row shorter than the minimums wraps.
    CRowTestBar* pA = NewRowBar(4);
    CRowTestBar* pB = NewRowBar(4);
    CRowTestBar* pC = NewRowBar(4);
    MakeOneRow(m_pTop, {pA, pB, pC});
    Layout(800);
    const int nLength = ClientRectIn(pA, m_pTop).Width();
    ASSERT_GT(nLength, 60);
    Layout(3 * nLength - 30);
    EXPECT_EQ(m_pTop->m_arrBars.GetSize(), 5) << Entries(m_pTop);
    EXPECT_EQ(ClientRectIn(pC, m_pTop).right, 3 * nLength - 30);
    Layout(50);
    EXPECT_GT(m_pTop->m_arrBars.GetSize(), 5) << Entries(m_pTop);
    EXPECT_GT(ClientRectIn(pC, m_pTop).top, ClientRectIn(pA, m_pTop).top);
}

TEST_F(DockOuterBar, AFullRowBarTakesTheWholeWidthAndNoStoredPlaceAppliesAfterAWrap)
{
    CRowTestBar* pMenu = NewRowBar(2);
    pMenu->m_bFullRow = true;
    Layout(500);
    EXPECT_EQ(ClientRectIn(pMenu, m_pTop).Width(), 500);

    CRowTestBar* pA = NewRowBar(10);
    CRowTestBar* pB = NewRowBar(10);
    MakeOneRow(m_pTop, {pMenu, pA, pB});
    pB->m_placement.m_dwOrder = 1;
    pB->m_placement.m_rc = CRect(40, 0, 100, 30);
    Layout(500);
    // pA and pB wrapped behind the menu bar: pB is laid out after pA, not at its stored place.
    EXPECT_EQ(ClientRectIn(pB, m_pTop).left, ClientRectIn(pA, m_pTop).right) << Entries(m_pTop);
}

TEST_F(DockOuterBar, BarsSharingTheRowThicknessGetTheThickestOne)
{
    CRowTestBar* pA = NewRowBar(3);
    CRowTestBar* pB = NewRowBar(3);
    CRowTestBar* pC = NewRowBar(3);
    pB->m_nCellSize = 30;
    pA->m_bShare = pB->m_bShare = true;
    MakeOneRow(m_pTop, {pA, pB, pC});
    Layout(600);
    EXPECT_EQ(ClientRectIn(pA, m_pTop).Height(), 38);
    EXPECT_EQ(ClientRectIn(pB, m_pTop).Height(), 38);
    EXPECT_EQ(ClientRectIn(pC, m_pTop).Height(), 30);
}

TEST_F(DockOuterBar, BumpingMakesTheBarFirstAndRenumbersItsRow)
{
    CRowTestBar* pA = NewRowBar(2);
    CRowTestBar* pB = NewRowBar(2);
    CRowTestBar* pC = NewRowBar(2);
    MakeOneRow(m_pTop, {pA, pB, pC});
    pA->m_placement.Empty();
    pB->m_placement.m_dwOrder = 1;
    pC->m_placement.m_dwOrder = 2;
    m_pTop->BumpPlacementOrder(pC);
    EXPECT_EQ(pC->m_placement.m_dwOrder, 1u);
    EXPECT_EQ(pB->m_placement.m_dwOrder, 2u);
    EXPECT_EQ(pA->m_placement.m_dwOrder, 3u);
    // The base operation reaches the outer dock bar too.
    pA->OnOuterRowPlacementChanged();
    EXPECT_EQ(pA->m_placement.m_dwOrder, 1u);
    EXPECT_EQ(pC->m_placement.m_dwOrder, 2u);
}

TEST_F(DockOuterBar, MovingABarRefusesARowWithoutRoom)
{
    CRowTestBar* pA = NewRowBar(2);
    CRowTestBar* pB = NewRowBar(2);
    CRowTestBar* pC = NewRowBar(2);
    m_pFrame->RecalcLayout();
    CArray<CControlBar*, CControlBar*> arrRow;
    arrRow.Add(pA);
    arrRow.Add(pB);
    CRect rcClient;
    m_pTop->GetClientRect(&rcClient);
    pA->m_sizeMin = CSize(rcClient.Width() / 2, 20);
    pB->m_sizeMin = CSize(rcClient.Width() / 2 - 10, 20);
    pC->m_sizeMin = CSize(20, 20);
    const std::string sBefore = Entries(m_pTop);
    EXPECT_FALSE(m_pTop->MoveBarToRow(pC, arrRow, 0));
    EXPECT_EQ(Entries(m_pTop), sBefore);
    pB->m_sizeMin = CSize(20, 20);
    MakeOneRow(m_pTop, {pA, pB});
    m_pTop->m_arrBars.Add(pC);
    m_pTop->m_arrBars.Add(nullptr);
    EXPECT_TRUE(m_pTop->MoveBarToRow(pC, arrRow, 0));
    EXPECT_EQ(m_pTop->m_arrBars.GetSize(), 5) << Entries(m_pTop);
    EXPECT_EQ(m_pTop->FindBar(pC), 1) << Entries(m_pTop); // its place lies before a's centre
}
