// The dock bars' row model under docking and removal, the toolkit row layout and placeholders.
#include <map>
#include <random>
#include "DockBarsFixture.h"
#include "platform/MiniDockFrameWnd.h"

namespace
{
class DockBarRows : public DockBarsFixture
{
protected:
    // Checks the row model of every dock bar and that each bar stands in exactly one of them.
    void CheckModel(const std::vector<CDockBar*>& arrDockBars, const std::vector<CControlBar*>& arrBars, int nStep)
    {
        std::map<CControlBar*, int> mapSeen;
        for (CDockBar* pDock : arrDockBars)
        {
            const CPtrArray& arr = pDock->m_arrBars;
            ASSERT_GT(arr.GetSize(), 0) << "step " << nStep;
            ASSERT_EQ(arr[0], nullptr) << "step " << nStep << " " << Entries(pDock);
            ASSERT_EQ(arr[arr.GetSize() - 1], nullptr) << "step " << nStep << " " << Entries(pDock);
            std::map<void*, int> mapIds;
            for (INT_PTR i = 1; i < arr.GetSize(); ++i)
            {
                ASSERT_FALSE(arr[i] == nullptr && arr[i - 1] == nullptr) << "step " << nStep << " " << Entries(pDock);
                if (CDockBar::IsPlaceHolder(arr[i]))
                    ASSERT_EQ(++mapIds[arr[i]], 1) << "step " << nStep << " " << Entries(pDock);
                else if (arr[i] != nullptr)
                {
                    CControlBar* pBar = static_cast<CControlBar*>(arr[i]);
                    ++mapSeen[pBar];
                    ASSERT_EQ(pBar->m_pDockBar, pDock) << "step " << nStep;
                    ASSERT_EQ(pBar->GetParent(), pDock) << "step " << nStep;
                }
            }
        }
        for (CControlBar* pBar : arrBars)
            ASSERT_EQ(mapSeen[pBar], 1) << "step " << nStep << " bar " << pBar->GetDlgCtrlID();
    }
};
} // namespace

TEST_F(DockBarRows, ARandomRunOfDockingAndRemovingKeepsTheRowModel)
{
    std::vector<CDockBar*> arrDocks;
    for (UINT nSide : {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT})
    {
        arrDocks.push_back(Outer(nSide));
        arrDocks.push_back(Circle(1, nSide));
    }
    // A platform floating frame whose dock bar keeps one bar of its own, so it never goes away.
    auto* pMini = new CMiniDockFrameWnd;
    ASSERT_TRUE(pMini->Create(m_pFrame, CBRS_ALIGN_TOP));
    CHostResizableBar* pAnchor = NewResizable(L"Anchor");
    CExtDockBar::DockBarInto(&pMini->m_wndDockBar, pAnchor, nullptr, false);
    arrDocks.push_back(&pMini->m_wndDockBar);

    std::vector<CControlBar*> arrBars;
    for (int i = 0; i < 5; ++i)
        arrBars.push_back(NewResizable(L"R"));
    for (int i = 0; i < 4; ++i)
        arrBars.push_back(NewFixed(3 + i));
    for (size_t i = 0; i < arrBars.size(); ++i)
        CExtDockBar::DockBarInto(arrDocks[i % arrDocks.size()], arrBars[i], nullptr, false);
    arrBars.push_back(pAnchor);

    std::mt19937 rng(2025);
    auto pick = [&](size_t n) { return (size_t)(rng() % n); };
    for (int nStep = 0; nStep < 300; ++nStep)
    {
        CControlBar* pBar = arrBars[pick(arrBars.size() - 1)];
        CDockBar* pDock = arrDocks[pick(arrDocks.size())];
        switch (pick(5))
        {
        case 0: CExtDockBar::DockBarInto(pDock, pBar, nullptr, false); break;
        case 1:
        {
            CRect rc;
            pDock->GetWindowRect(&rc);
            rc = CRect(rc.TopLeft(), CSize(40 + (int)pick(60), 30 + (int)pick(40)));
            rc.OffsetRect((int)pick(200), (int)pick(40));
            CExtDockBar::DockBarInto(pDock, pBar, &rc, pick(2) == 0);
            break;
        }
        case 2:
        {
            CControlBar* pRef = pBar;
            for (int i = 1; i < pDock->m_arrBars.GetSize(); ++i)
            {
                if (CControlBar* p = pDock->GetDockedControlBar(i))
                    pRef = p;
            }
            CExtDockBar::DockBarInNewRow(pDock, pRef, pBar, pick(2) == 0);
            break;
        }
        case 3: CExtDockBar::DockBarAtEdgeRow(pDock, pBar, pick(2) == 0); break;
        default:
        {
            const int nMode = (int)pick(3) - 1;
            CDockBar* pOld = pBar->m_pDockBar;
            // Not in that array: nothing changes.
            if (pDock != pOld)
            {
                const std::string sBefore = Entries(pDock);
                EXPECT_FALSE(CExtDockBar::RemoveBarFromRows(pDock, pBar, -1, nMode, false));
                EXPECT_EQ(Entries(pDock), sBefore);
            }
            EXPECT_TRUE(CExtDockBar::RemoveBarFromRows(pOld, pBar, -1, nMode, false));
            CExtDockBar::DockBarInto(pDock, pBar, nullptr, false);
            break;
        }
        }
        CheckModel(arrDocks, arrBars, nStep);
        if (HasFatalFailure())
            return;
        if (nStep % 50 == 0)
            m_pFrame->RecalcLayout();
    }
}

TEST_F(DockBarRows, AFixedBarPastTheRowEndWrapsAndAResizableOneIsOnlyClipped)
{
    CExtDockBar* pDock = Circle(1, AFX_IDW_DOCKBAR_TOP);
    CHostFixedBar* pF1 = NewFixed(40);
    CHostFixedBar* pF2 = NewFixed(6);
    pDock->DockBarInto(pF1);
    pDock->DockBarInto(pF2);
    MakeOneRow(pDock, {pF1, pF2});
    m_pFrame->RecalcLayout();
    EXPECT_EQ(pDock->m_arrBars.GetSize(), 5) << Entries(pDock); // | F1 | F2 |
    EXPECT_EQ(ClientRectIn(pF2, pDock).left, 0);
    EXPECT_GT(ClientRectIn(pF2, pDock).top, ClientRectIn(pF1, pDock).top);

    // A resizable bar whose minimum does not fit behind a fixed bar stays in the row, clipped.
    CExtDockBar* pBottom = Circle(1, AFX_IDW_DOCKBAR_BOTTOM);
    CHostFixedBar* pF3 = NewFixed(20);
    CHostResizableBar* pR = NewResizable(L"R");
    pR->m_nMinLength = 400;
    pBottom->DockBarInto(pF3);
    pBottom->DockBarInto(pR);
    MakeOneRow(pBottom, {pF3, pR});
    m_pFrame->RecalcLayout();
    EXPECT_EQ(pBottom->m_arrBars.GetSize(), 4) << Entries(pBottom);
    CRect rcDock;
    pBottom->GetClientRect(&rcDock);
    EXPECT_LE(ClientRectIn(pR, pBottom).right, rcDock.Width());
    EXPECT_EQ(ClientRectIn(pR, pBottom).top, ClientRectIn(pF3, pBottom).top);
}

TEST_F(DockBarRows, AUserPlacedBarKeepsItsPlaceAndAnOverflowingOneShiftsLeft)
{
    CExtDockBar* pDock = Circle(1, AFX_IDW_DOCKBAR_TOP);
    CHostFixedBar* pF1 = NewFixed(3);
    CHostFixedBar* pF2 = NewFixed(3);
    pDock->DockBarInto(pF1);
    pDock->DockBarInto(pF2);
    MakeOneRow(pDock, {pF1, pF2});
    m_pFrame->RecalcLayout();
    pF2->SetWindowPos(nullptr, 300, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_pFrame->RecalcLayout();
    EXPECT_EQ(ClientRectIn(pF2, pDock).left, 300);
    CRect rcDock;
    pDock->GetClientRect(&rcDock);
    const int nWidth = ClientRectIn(pF2, pDock).Width();
    pF2->SetWindowPos(nullptr, rcDock.Width() - 20, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_pFrame->RecalcLayout();
    EXPECT_EQ(ClientRectIn(pF2, pDock).left, rcDock.Width() - nWidth);
    // Not past the running point: a bar placed before F1's end starts at its end.
    pF2->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_pFrame->RecalcLayout();
    EXPECT_EQ(ClientRectIn(pF2, pDock).left, ClientRectIn(pF1, pDock).right);
}

TEST_F(DockBarRows, RowsOf26And24ReportFiftyAndAnEmptyDockBarNothing)
{
    CExtDockBar* pDock = Circle(1, AFX_IDW_DOCKBAR_TOP);
    pDock->m_rectLayout = CRect(0, 0, 600, 400);
    EXPECT_EQ(pDock->CalcFixedLayout(TRUE, TRUE).cy, 0);
    CHostFixedBar* pF1 = NewFixed(3);
    CHostFixedBar* pF2 = NewFixed(3);
    pF1->m_nCellSize = 18; // 18 + 8 = 26 across
    pF2->m_nCellSize = 16; // 24 across
    pDock->DockBarInto(pF1);
    pDock->DockBarInto(pF2);
    pDock->m_rectLayout = CRect(0, 0, 600, 400);
    const CSize size = pDock->CalcFixedLayout(TRUE, TRUE);
    EXPECT_EQ(size.cy, 50);
    EXPECT_EQ(size.cx, 32767);
}

TEST_F(DockBarRows, ADockBarNarrowerThanABarKeepsItsArrayOverManyLayouts)
{
    CExtDockBar* pDock = Circle(1, AFX_IDW_DOCKBAR_TOP);
    CHostFixedBar* pF1 = NewFixed(4);
    CHostFixedBar* pF2 = NewFixed(4);
    pDock->DockBarInto(pF1);
    pDock->DockBarInto(pF2);
    MakeOneRow(pDock, {pF1, pF2});
    pDock->m_rectLayout = CRect(0, 0, 30, 400);
    pDock->CalcFixedLayout(TRUE, TRUE);
    const std::string sFirst = Entries(pDock);
    for (int i = 0; i < 20; ++i)
    {
        pDock->m_rectLayout = CRect(0, 0, 30, 400);
        pDock->CalcFixedLayout(TRUE, TRUE);
        ASSERT_EQ(Entries(pDock), sFirst);
    }
}

TEST_F(DockBarRows, PlaceholdersStayForFixedBarsOnlyAndGiveThePlaceBack)
{
    CExtDockBar* pDock = Circle(1, AFX_IDW_DOCKBAR_TOP);
    CHostResizableBar* pR = NewResizable(L"R");
    CHostFixedBar* pF = NewFixed(3);
    CHostFixedBar* pG = NewFixed(3);
    pDock->DockBarInto(pR);
    pDock->DockBarInto(pF);
    pDock->DockBarInto(pG);
    MakeOneRow(pDock, {pR, pF, pG});
    EXPECT_TRUE(pDock->RemoveBarFromRows(pR, -1, 1, false));
    EXPECT_EQ(pDock->FindBar(reinterpret_cast<CControlBar*>((UINT_PTR)pR->GetDlgCtrlID())), -1);
    EXPECT_TRUE(pDock->RemoveBarFromRows(pF, -1, 1, false));
    const int nHole = pDock->FindBar(reinterpret_cast<CControlBar*>((UINT_PTR)pF->GetDlgCtrlID()));
    EXPECT_EQ(nHole, 1) << Entries(pDock);
    // The placeholder takes no room: G starts the row.
    Outer(AFX_IDW_DOCKBAR_LEFT)->DockBarInto(pR);
    Outer(AFX_IDW_DOCKBAR_LEFT)->DockBarInto(pF);
    m_pFrame->RecalcLayout();
    EXPECT_EQ(ClientRectIn(pG, pDock).left, 0);
    pDock->DockBarInto(pF);
    EXPECT_EQ(pDock->FindBar(reinterpret_cast<CControlBar*>((UINT_PTR)pF->GetDlgCtrlID())), -1);
    EXPECT_GT(pDock->FindBar(pF), 0);
    pDock->RemoveAllPlaceHolders();
    for (INT_PTR i = 0; i < pDock->m_arrBars.GetSize(); ++i)
        EXPECT_FALSE(CDockBar::IsPlaceHolder(pDock->m_arrBars[i]));
}

TEST_F(DockBarRows, DockingOntoAPlatformFloatingDockBarWorks)
{
    auto* pMini = new CMiniDockFrameWnd;
    ASSERT_TRUE(pMini->Create(m_pFrame, CBRS_ALIGN_TOP));
    CHostResizableBar* pA = NewResizable(L"A");
    CHostFixedBar* pF = NewFixed(3);
    Outer(AFX_IDW_DOCKBAR_TOP)->DockBarInto(pF);
    CExtDockBar::DockBarInto(&pMini->m_wndDockBar, pA, nullptr, false);
    CExtDockBar::DockBarInto(&pMini->m_wndDockBar, pF, nullptr, false);
    EXPECT_EQ(pA->m_pDockBar, &pMini->m_wndDockBar);
    EXPECT_EQ(pF->GetParent(), &pMini->m_wndDockBar);
    EXPECT_NE(pF->m_dwStyle & CBRS_FLOATING, 0u);
    // A fixed bar leaving a docked place for a floating one leaves its id behind.
    EXPECT_GT(Outer(AFX_IDW_DOCKBAR_TOP)->FindBar(reinterpret_cast<CControlBar*>((UINT_PTR)pF->GetDlgCtrlID())), 0);
    // The last bar leaving the floating dock bar takes the floating frame with it.
    const HWND hMini = pMini->GetSafeHwnd();
    Outer(AFX_IDW_DOCKBAR_TOP)->DockBarInto(pF);
    Outer(AFX_IDW_DOCKBAR_LEFT)->DockBarInto(pA);
    EXPECT_FALSE(::IsWindow(hMini));
    EXPECT_EQ(pA->m_pDockBar, Outer(AFX_IDW_DOCKBAR_LEFT));
    EXPECT_EQ(Outer(AFX_IDW_DOCKBAR_TOP)->FindBar(reinterpret_cast<CControlBar*>((UINT_PTR)pF->GetDlgCtrlID())), -1);
}
