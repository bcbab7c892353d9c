// The docking run's host set up for the faults the run found, each shown on its own (DockingFuzzTest.cpp and the
// DockingRunFinds*Test.cpp files).
#pragma once
#include "DockingFuzzRun.h"
#include "support/DibCanvas.h"
#include "toolkit/docking/ExtBarNcAreaButtonClose.h"

// Faults the run found, each shown on its own.
class DockingRunFinds : public DockingRun
{
protected:
    // The group of Alpha and Epsilon, Epsilon's tab selected and closed by the group's close button.
    void GroupAlphaAndEpsilonWithEpsilonClosed()
    {
        ASSERT_TRUE(m_pA->DockAsTabWith(m_pE));
        Settle();
        ASSERT_TRUE(ShowInFront(m_pFrame));
        CExtDynTabControlBar* pGroup = m_pA->GetTabbedContainer();
        ASSERT_NE(pGroup, nullptr);
        pGroup->m_wndTabs.SelectionSet(pGroup->m_wndTabs.FindBar(m_pE), true, true);
        Rest();
        CPoint pt;
        ASSERT_TRUE(ButtonPoint(m_pA, RUNTIME_CLASS(CExtBarNcAreaButtonClose), pt));
        Click(pt);
        m_shown[m_pE] = false;
        Rest();
    }
    // Whether the floating frame's caption on the screen is what a full repaint of the frame draws.
    static bool CaptionAsRepainted(CExtMiniDockFrameWnd* pMini)
    {
        CRect rcCaption = pMini->GetCaptionRect();
        EXPECT_FALSE(rcCaption.IsRectEmpty());
        rcCaption.OffsetRect(WindowRectOf(pMini).TopLeft());
        const std::vector<DWORD> before = GrabScreen(rcCaption);
        pMini->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        SettleInput(PumpMessages, 60);
        return before == GrabScreen(rcCaption);
    }
    // Gives the bar an edit as its child, so a click puts the focus there.
    static void GiveEdit(CHostResizableBar* pBar)
    {
        pBar->m_wndChild.DestroyWindow();
        ASSERT_TRUE(pBar->m_wndChild.CreateEx(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0,
                                              0, 10, 10, pBar->GetSafeHwnd(), (HMENU)(UINT_PTR)1, nullptr));
        pBar->RepositionChildWindow();
    }
    // pAfter docked after pHost in its row (its column when bColumn), then pInner put beside pHost at nSide, which
    // makes a container of the two where pHost was.
    void ContainerWithABarAfterIt(CExtControlBar* pHost, CExtControlBar* pAfter, bool bColumn, CExtControlBar* pInner,
                                  UINT nSide)
    {
        CRect rcAfter = WindowRectOf(pHost);
        (bColumn ? rcAfter.top : rcAfter.left) = (bColumn ? rcAfter.CenterPoint().y : rcAfter.CenterPoint().x) + 1;
        m_pFrame->DockControlBar(pAfter, pHost->m_pDockBar, &rcAfter);
        Settle();
        ASSERT_TRUE(pInner->DockNextToBar(50, pHost, nSide));
        Settle();
        ASSERT_TRUE(ShowInFront(m_pFrame));
        Rest();
    }
    // pLeft and pRight floating side by side below the main window, which is shown in front.
    void FloatSideBySideBelow(CExtControlBar* pLeft, CExtControlBar* pRight)
    {
        ASSERT_TRUE(ShowInFront(m_pFrame));
        Rest();
        const int nBelow = WindowRectOf(m_pFrame).bottom + 20;
        ASSERT_TRUE(pLeft->FloatAtPoint(CPoint(100, nBelow), CBRS_ALIGN_TOP));
        ASSERT_TRUE(pRight->FloatAtPoint(CPoint(600, nBelow), CBRS_ALIGN_TOP));
        Rest();
    }
    void ReadStoredStateBack()
    {
        ASSERT_TRUE(CExtControlBar::SaveFrameBarState(m_pFrame, m_sKey, kHostProfile, kHostProfile));
        ASSERT_TRUE(CExtControlBar::LoadFrameBarState(m_pFrame, m_sKey, kHostProfile, kHostProfile));
        m_pFrame->RecalcLayout();
        Rest();
    }
    static bool FocusIn(CWnd* pWnd)
    {
        const HWND h = ::GetFocus();
        return h != nullptr && (h == pWnd->GetSafeHwnd() || ::IsChild(pWnd->GetSafeHwnd(), h));
    }
};
