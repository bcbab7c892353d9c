// Row operations: contract, expand, own row, and the row space a hidden bar gives back.
#include <gtest/gtest.h>
#include "DockingHost.h"
#include "toolkit/docking/ExtBarNcAreaButtonExpand.h"

namespace
{
class ControlBarRows : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CDockingHostFrame;
        ASSERT_TRUE(m_pFrame->CreateHost());
        m_pA = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, L"A");
        m_pB = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, L"B", m_pA);
        m_pC = m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, L"C", m_pB);
        ASSERT_NE(m_pC, nullptr);
        CArray<CControlBar*, CControlBar*> row;
        m_pA->GetRowBars(row);
        ASSERT_EQ(row.GetSize(), 3);
    }
    void TearDown() override { m_pFrame->DestroyWindow(); }
    int RowSum() const { return m_pA->m_sizeHorzDocked.cx + m_pB->m_sizeHorzDocked.cx + m_pC->m_sizeHorzDocked.cx; }
    CDockingHostFrame* m_pFrame = nullptr;
    CHostResizableBar* m_pA = nullptr;
    CHostResizableBar* m_pB = nullptr;
    CHostResizableBar* m_pC = nullptr;
};
} // namespace

TEST_F(ControlBarRows, ContractingALength100MinimumOf20GivesFortyToEachOther)
{
    CRect rcDock;
    m_pA->GetParent()->GetClientRect(&rcDock);
    const int nRow = rcDock.Width() - 2 * ::GetSystemMetrics(SM_CXBORDER);
    ASSERT_GT(nRow, 200);
    m_pB->m_nMinLength = 20;
    m_pA->m_sizeHorzDocked.cx = (nRow - 100) / 2;
    m_pB->m_sizeHorzDocked.cx = 100;
    m_pC->m_sizeHorzDocked.cx = nRow - 100 - (nRow - 100) / 2;
    const int nA = m_pA->m_sizeHorzDocked.cx, nC = m_pC->m_sizeHorzDocked.cx;
    m_pB->ContractInRow();
    EXPECT_EQ(m_pB->m_sizeHorzDocked.cx, 20);
    EXPECT_EQ(m_pA->m_sizeHorzDocked.cx, nA + 40);
    EXPECT_EQ(m_pC->m_sizeHorzDocked.cx, nC + 40);
    EXPECT_TRUE(m_pB->IsAtMinimumInRow());
}

TEST_F(ControlBarRows, ExpandingSetsTheOthersToTheirMinimum)
{
    m_pB->ExpandInRow();
    EXPECT_TRUE(m_pA->IsAtMinimumInRow());
    EXPECT_TRUE(m_pC->IsAtMinimumInRow());
    EXPECT_FALSE(m_pB->IsAtMinimumInRow());
    EXPECT_TRUE(m_pB->IsExpandedInRow());
    EXPECT_FALSE(m_pA->IsExpandedInRow());
    m_pB->ContractInRow();
    EXPECT_TRUE(m_pB->IsAtMinimumInRow());
    EXPECT_FALSE(m_pB->IsExpandedInRow());
}

TEST_F(ControlBarRows, HidingAndShowingGivesTheExtentBackFromTheNeighbours)
{
    m_pFrame->RecalcLayout();
    const int nBefore = m_pB->m_sizeHorzDocked.cx;
    ASSERT_GT(nBefore, m_pB->CalcMinWidth());
    m_pFrame->ShowControlBar(m_pB, FALSE, FALSE);
    EXPECT_EQ(m_pB->m_nRowSpaceToReclaim, nBefore);
    m_pFrame->RecalcLayout();
    m_pFrame->ShowControlBar(m_pB, TRUE, FALSE);
    EXPECT_EQ(m_pB->m_nRowSpaceToReclaim, 0);
    EXPECT_GE(m_pA->m_sizeHorzDocked.cx, m_pA->CalcMinWidth());
    EXPECT_GE(m_pC->m_sizeHorzDocked.cx, m_pC->CalcMinWidth());
    m_pFrame->RecalcLayout();
    EXPECT_GE(m_pB->m_sizeHorzDocked.cx, nBefore - 2);
}

TEST_F(ControlBarRows, NoNeighbourGoesBelowItsMinimumWhenSpaceIsReclaimed)
{
    m_pA->m_sizeHorzDocked.cx = m_pA->CalcMinWidth() + 3;
    m_pC->m_sizeHorzDocked.cx = m_pC->CalcMinWidth() + 5;
    m_pFrame->m_bInRecalcLayout = TRUE;
    m_pFrame->ShowControlBar(m_pB, FALSE, FALSE);
    m_pB->m_nRowSpaceToReclaim = 500;
    m_pFrame->ShowControlBar(m_pB, TRUE, FALSE);
    m_pFrame->m_bInRecalcLayout = FALSE;
    EXPECT_EQ(m_pA->m_sizeHorzDocked.cx, m_pA->CalcMinWidth());
    EXPECT_EQ(m_pC->m_sizeHorzDocked.cx, m_pC->CalcMinWidth());
}

TEST_F(ControlBarRows, PlaceInOwnRowBreaksTheRowOnBothSides)
{
    m_pB->PlaceInOwnRow();
    CArray<CControlBar*, CControlBar*> row;
    m_pB->GetRowBars(row);
    ASSERT_EQ(row.GetSize(), 1);
    EXPECT_EQ(row[0], m_pB);
    EXPECT_TRUE(m_pB->IsAloneInRow());
    EXPECT_TRUE(m_pA->IsAloneInRow());
    EXPECT_TRUE(m_pC->IsAloneInRow());
    EXPECT_EQ(m_pB->m_sizeHorzDocked.cx, m_pA->m_sizeHorzDocked.cx); // cut to the row
}

TEST_F(ControlBarRows, TheExpandButtonExpandsThenContractsItsBar)
{
    CExtBarNcAreaButtonExpand expand(m_pB);
    expand.m_rc = CRect(2, 2, 12, 12);
    EXPECT_EQ(expand.HitTest(CPoint(5, 5)), (UINT)HTMINBUTTON);
    EXPECT_TRUE(expand.OnClick(CPoint(5, 5)));
    EXPECT_TRUE(m_pB->IsExpandedInRow());
    EXPECT_TRUE(expand.OnClick(CPoint(5, 5)));
    EXPECT_TRUE(m_pB->IsAtMinimumInRow());
    EXPECT_FALSE(expand.OnClick(CPoint(50, 50)));
    // Alone in its row the button is inert.
    m_pB->PlaceInOwnRow();
    EXPECT_EQ(expand.HitTest(CPoint(5, 5)), (UINT)HTCLIENT);
}

TEST_F(ControlBarRows, TheCloseButtonHidesADockedBarThroughItsFrame)
{
    m_pFrame->ShowWindow(SW_SHOWNA);
    CExtBarNcAreaButton* pClose = m_pC->NcButtonGet(0);
    ASSERT_TRUE(pClose->IsVisible());
    const CPoint pt = pClose->m_rc.CenterPoint();
    EXPECT_TRUE(pClose->OnClick(pt));
    EXPECT_FALSE(m_pC->IsWindowVisible());
    EXPECT_GE(m_pA->m_sizeHorzDocked.cx, m_pA->CalcMinWidth());
}
