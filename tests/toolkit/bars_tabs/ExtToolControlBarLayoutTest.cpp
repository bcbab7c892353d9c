// Tool-bar layout on the host: button order and the chevron, inserting and removing, hidden buttons,
// exact sizes docked, floating, vertical and without dock site, floating wraps, the minimum size and
// the chevron's hidden buttons in a narrowed bar.
#include <gtest/gtest.h>
#include "ToolBarHost.h"
#include "platform/MiniDockFrameWnd.h"
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/bars_tabs/ExtBarContentExpandButton.h"

namespace
{
class ToolBarLayout : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CToolBarHostFrame;
        ASSERT_TRUE(m_pFrame->CreateHost());
        m_hFrame = m_pFrame->GetSafeHwnd();
    }
    void TearDown() override
    {
        if (::IsWindow(m_hFrame))
            m_pFrame->DestroyWindow();
        PumpMessages();
    }
    CChevronToolBar& Bar() { return m_pFrame->m_wndToolBar; }
    // The extents the bar's buttons measure to: 23 for each command, 6 for each separator.
    int SumOfButtons() const { return 26 * 23 + 4 * 6; }
    CSize Inset(bool bHorz)
    {
        CRect rc(0, 0, 0, 0);
        Bar().CalcInsideRect(rc, bHorz);
        return CSize(-rc.Width(), -rc.Height());
    }
    int CountRows(int nOrient)
    {
        int n = 1;
        for (int i = 0; i < Bar().GetButtonsCount() - 1; i++)
            n += Bar().GetButton(i)->IsWrap(nOrient) ? 1 : 0;
        return n;
    }

    CToolBarHostFrame* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
};
} // namespace

TEST_F(ToolBarLayout, LoadToolBarKeepsTheResourceOrderWithTheChevronLast)
{
    ASSERT_EQ(Bar().GetButtonsCount(), 31);
    EXPECT_EQ(Bar().GetButtonID(0), (UINT)ID_TBT_FIRST);
    EXPECT_EQ(Bar().GetButtonID(3), 0u);
    EXPECT_EQ(Bar().GetButtonID(4), (UINT)(ID_TBT_FIRST + 3));
    EXPECT_EQ(Bar().GetButtonID(29), (UINT)ID_TBT_LAST);
    EXPECT_TRUE(Bar().IsContentExpandButton(30));
    EXPECT_EQ(Bar().GetButton(30), Bar().GetRightButton());
    EXPECT_EQ(Bar().GetButton(31), nullptr);
    EXPECT_EQ(Bar().GetButton(-1), nullptr);
    EXPECT_EQ(Bar().GetButtonStyle(-1), 0u);
    // A failing load keeps the buttons.
    EXPECT_FALSE(Bar().LoadToolBar(0x6FFF));
    EXPECT_EQ(Bar().GetButtonsCount(), 31);
}

TEST_F(ToolBarLayout, InsertingLandsBeforeTheChevronWhichCannotBeRemoved)
{
    ASSERT_TRUE(Bar().InsertButton(-1, ID_TBT_PICK_A, false));
    EXPECT_EQ(Bar().GetButtonID(30), (UINT)ID_TBT_PICK_A);
    EXPECT_TRUE(Bar().IsContentExpandButton(31));
    ASSERT_TRUE(Bar().InsertButton(0, ID_TBT_PICK_B, false));
    EXPECT_EQ(Bar().GetButtonID(0), (UINT)ID_TBT_PICK_B);
    // Indices out of range, negative ones included, fail and change nothing.
    EXPECT_FALSE(Bar().InsertButton(-2, ID_TBT_PICK_C, false));
    EXPECT_FALSE(Bar().InsertButton(-100, ID_TBT_PICK_C, false));
    EXPECT_FALSE(Bar().InsertButton(34, ID_TBT_PICK_C, false));
    EXPECT_EQ(Bar().GetButtonsCount(), 33);
    EXPECT_FALSE(Bar().RemoveButton(32, false));
    EXPECT_FALSE(Bar().RemoveButton(33, false));
    EXPECT_TRUE(Bar().IsContentExpandButton(32));
    EXPECT_TRUE(Bar().RemoveButton(0, false));
    EXPECT_EQ(Bar().GetButtonID(0), (UINT)ID_TBT_FIRST);
}

TEST_F(ToolBarLayout, ASeparatorBeforeAHiddenButtonIsNeitherMeasuredNorPlacedNorHit)
{
    const CSize sizeBefore = Bar().CalcFixedLayout(FALSE, TRUE);
    Bar().RecalcButtonPositions();
    const CRect rcSeparator = Bar().GetButton(3)->GetRect();
    ASSERT_FALSE(rcSeparator.IsRectEmpty());
    Bar().SetButtonStyle(4, Bar().GetButtonStyle(4) | TBBS_HIDDEN);
    const CSize sizeAfter = Bar().CalcFixedLayout(FALSE, TRUE);
    EXPECT_EQ(sizeBefore.cx - sizeAfter.cx, 23 + 6);
    Bar().RecalcButtonPositions();
    EXPECT_FALSE(Bar().GetButton(3)->IsVisible());
    EXPECT_FALSE(Bar().GetButton(4)->IsVisible());
    EXPECT_EQ(Bar().HitTestButtonImpl(rcSeparator.CenterPoint(), 0, 0),
              5); // the next button moved into its place
    EXPECT_EQ(Bar().GetButton(5)->GetRect().left, Bar().GetButton(2)->GetRect().right);
}

TEST_F(ToolBarLayout, ExactSizesDockedVerticalFloatingAndWithoutDockSite)
{
    const CSize sizeDocked = Bar().CalcFixedLayout(FALSE, TRUE);
    const CSize inset = Inset(true);
    EXPECT_EQ(sizeDocked, CSize(SumOfButtons() + 3 + 2 + inset.cx, 22 + inset.cy));
    EXPECT_FALSE(Bar().IsFullRowBar());

    m_pFrame->DockControlBar(&Bar(), AFX_IDW_DOCKBAR_LEFT);
    m_pFrame->RecalcLayout();
    const CSize sizeVert = Bar().CalcFixedLayout(FALSE, FALSE);
    const CSize insetVert = Inset(false);
    EXPECT_EQ(sizeVert, CSize(23 + 1 + insetVert.cx, 26 * 22 + 4 * 6 + 6 + insetVert.cy));
    EXPECT_EQ(CountRows(CExtToolControlBar::kOrientVertDocked), 1);

    // A floating bar of one button is never under twice the default width.
    Bar().SetButtons(nullptr, 0);
    const UINT nOne = ID_TBT_FIRST;
    Bar().SetButtons(&nOne, 1);
    m_pFrame->FloatControlBar(&Bar(), CPoint(300, 300));
    ASSERT_TRUE(CExtControlBar::IsFloating(&Bar()));
    const CSize sizeFloat = Bar().CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH);
    EXPECT_EQ(sizeFloat.cx, 46);

    // In a window that is no frame the bar is 4 pixels taller than its buttons.
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), L"host", WS_POPUP, 0, 0, 700, 100, nullptr, nullptr));
    CExtToolControlBar dialogBar;
    ASSERT_TRUE(dialogBar.Create(L"dialog bar", &host, 0x7001, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    ASSERT_TRUE(dialogBar.IsDialogMode());
    // The base takes the bar style from the window style in dialog mode, where Create left no alignment.
    dialogBar.SetBarStyle(CBRS_TOP);
    const UINT ids[] = {ID_TBT_FIRST, 0, ID_TBT_FIRST + 1};
    dialogBar.SetButtons(ids, 3);
    EXPECT_EQ(dialogBar.GetRightButton(), dialogBar.GetButton(3));
    CRect rcInside(0, 0, 0, 0);
    dialogBar.CalcInsideRect(rcInside, TRUE);
    const CSize sizeDialog = dialogBar.CalcFixedLayout(FALSE, TRUE);
    EXPECT_EQ(sizeDialog, CSize(std::max(46, 23 + 6 + 23 + 3 + 2 - rcInside.Width()), 22 - rcInside.Height() + 4));
    dialogBar.DestroyWindow();
    host.DestroyWindow();
}

TEST_F(ToolBarLayout, FloatingWrapGivesTheTargetRowsAtTheSmallestWidth)
{
    m_pFrame->FloatControlBar(&Bar(), CPoint(200, 200));
    ASSERT_TRUE(CExtControlBar::IsFloating(&Bar()));
    // Rows by a greedy walk over the button widths, as the wrap counts them.
    auto RowsAt = [](int nWidth) {
        int nRows = 1, nRun = 0;
        const int widths[] = {23, 23, 23, 6,  23, 23, 23, 23, 6,  23, 23, 23, 23, 23, 23,
                              6,  23, 23, 23, 23, 23, 23, 6,  23, 23, 23, 23, 23, 23, 23};
        bool bFirst = true;
        for (int w : widths)
        {
            int n = (w == 6 && nRun == 0) ? 0 : w;
            if (!bFirst && nRun + n > nWidth && w != 6)
            {
                nRows++;
                nRun = 0;
            }
            nRun += n;
            bFirst = false;
        }
        return nRows;
    };
    const CSize inset = Inset(true);
    const int nLength = 200;
    const int nTarget = RowsAt(nLength - inset.cx);
    ASSERT_GT(nTarget, 1);
    Bar().CalcDynamicLayout(nLength, LM_HORZ | LM_COMMIT);
    EXPECT_EQ(CountRows(CExtToolControlBar::kOrientFloating), nTarget);
    EXPECT_TRUE(Bar().IsFullRowBar());
    // The chosen width is the smallest that keeps the target rows.
    int nWidest = 0, nRun = 0;
    for (int i = 0; i < 30; i++)
    {
        CExtBarButton* pButton = Bar().GetButton(i);
        nRun += (pButton->IsSeparator() && nRun == 0) ? 0 : pButton->GetSize().cx;
        if (pButton->IsWrap(CExtToolControlBar::kOrientFloating) || i == 29)
        {
            nWidest = std::max(nWidest, nRun);
            nRun = 0;
        }
    }
    EXPECT_EQ(RowsAt(nWidest), nTarget);
    // The bisection found the smallest width; settling the wraps at the measured width adds at most 6.
    EXPECT_GT(RowsAt(nWidest - 7), nTarget);
    // The MRU width is committed (without the insets).
    EXPECT_EQ(Bar().m_nMRUWidth + inset.cx, Bar().CalcDynamicLayout(nLength, LM_HORZ | LM_COMMIT).cx);
}

TEST_F(ToolBarLayout, TheMinimumSizeShowsTheChevronAndOneButton)
{
    CRect rcWnd, rcClient;
    Bar().GetWindowRect(&rcWnd);
    Bar().GetClientRect(&rcClient);
    const CSize sizeMin = Bar().CalcMinSize();
    EXPECT_EQ(sizeMin.cx, 11 + 23 + rcWnd.Width() - rcClient.Width());
    EXPECT_EQ(sizeMin.cy, 22);
    const CSize sizeMinVert = Bar().CalcMinSizeFor(false);
    EXPECT_EQ(sizeMinVert.cy, 11 + 22 + rcWnd.Height() - rcClient.Height());
}

TEST_F(ToolBarLayout, ANarrowedBarHidesButtonsBehindTheChevronInGroups)
{
    Bar().m_bShowChevron = true;
    m_pFrame->RecalcLayout();
    for (int i = 0; i < Bar().GetButtonsCount(); i++)
        Bar().GetButton(i)->SetWrap(CExtToolControlBar::kOrientHorzDocked, false);
    CRect rcBar;
    Bar().GetWindowRect(&rcBar);
    Bar().GetParent()->ScreenToClient(&rcBar);
    Bar().SetWindowPos(nullptr, 0, 0, 260, rcBar.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Bar().RecalcButtonPositions();
    CExtBarContentExpandButton* pChevron = Bar().GetRightButton();
    ASSERT_TRUE(pChevron->IsVisible());
    const CRect rcChevron = pChevron->GetRect();
    CRect rcClient;
    Bar().GetClientRect(&rcClient);
    EXPECT_EQ(rcChevron.right, rcClient.right - Bar().m_cxRightBorder);
    EXPECT_EQ(rcChevron.Width(), 11);
    // No visible button reaches the chevron; the edges hold no separator.
    int nFirst = -1, nLast = -1;
    for (int i = 0; i < 30; i++)
    {
        CExtBarButton* pButton = Bar().GetButton(i);
        if (!pButton->IsVisible())
            continue;
        EXPECT_LE(pButton->GetRect().right, rcChevron.left) << i;
        nFirst = nFirst < 0 ? i : nFirst;
        nLast = i;
    }
    ASSERT_GE(nLast, 0);
    EXPECT_FALSE(Bar().GetButton(nFirst)->IsSeparator());
    EXPECT_FALSE(Bar().GetButton(nLast)->IsSeparator());
    // The hidden list: the buttons past the last visible one, in order, a group break where a separator stood.
    std::vector<UINT> arrExpected;
    for (int i = nLast + 1; i < 30; i++)
    {
        CExtBarButton* pButton = Bar().GetButton(i);
        if (pButton->IsSeparator())
        {
            if (!arrExpected.empty())
                arrExpected.push_back(0);
            continue;
        }
        arrExpected.push_back(pButton->GetCmdID(false));
    }
    std::vector<UINT> arrHidden;
    for (int i = 0; i < pChevron->GetButtonsCount(); i++)
    {
        CExtBarButton* pButton = pChevron->GetButton(i);
        arrHidden.push_back(pButton != nullptr ? pButton->GetCmdID(false) : 0);
    }
    EXPECT_EQ(arrHidden, arrExpected);
    EXPECT_GT(arrHidden.size(), 10u);
    // The chevron is not hit as a separator would not be, but it is a button.
    EXPECT_EQ(Bar().HitTestButton(rcChevron.CenterPoint()), 30);
}
