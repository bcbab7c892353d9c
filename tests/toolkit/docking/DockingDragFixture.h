// The fixture of the drag tests: the docking host shown in front with two resizable bars docked at the left
// (A) and the top (B) in circle 1, the dragging style reset, and helpers for bands and the enclosed area.
#pragma once
#include "DockingStateFixture.h"
#include "toolkit/docking/ExtDockOuterBar.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"

class DockingDragFixture : public DockBarsFixture
{
protected:
    using State = CExtControlBar::InternalDraggingState_t;

    void SetUp() override
    {
        CExtControlBar::g_nDraggingStyleOverride = 0;
        DockBarsFixture::SetUp();
        m_pA = NewResizable(L"A");
        m_pB = NewResizable(L"B");
        ASSERT_TRUE(m_pA->DockAtSideCircle(AFX_IDW_DOCKBAR_LEFT, 1, m_pFrame, true));
        ASSERT_TRUE(m_pB->DockAtSideCircle(AFX_IDW_DOCKBAR_TOP, 1, m_pFrame, true));
        ASSERT_TRUE(ShowInFront(m_pFrame));
    }
    void TearDown() override
    {
        DockBarsFixture::TearDown();
        CExtControlBar::g_nDraggingStyleOverride = -1;
        PumpMessages();
    }
    // The area inside the strips of the four edge dock bars at the last layout.
    CRect Enclosed() const
    {
        return CRect(Outer(AFX_IDW_DOCKBAR_LEFT)->m_rcInnerEdge.left, Outer(AFX_IDW_DOCKBAR_TOP)->m_rcInnerEdge.top,
                     Outer(AFX_IDW_DOCKBAR_RIGHT)->m_rcInnerEdge.left,
                     Outer(AFX_IDW_DOCKBAR_BOTTOM)->m_rcInnerEdge.top);
    }
    CPoint SiteOrigin() const { return WindowRectOf(m_pFrame).TopLeft(); }
    // The computed state of pBar for the screen point.
    State Calc(CExtControlBar* pBar, int x, int y, bool bCtrl = false)
    {
        State s(pBar);
        s.SetEmpty(false);
        s.CalcTarget(x, y, bCtrl);
        State result(s);
        s.SetTargetBar(nullptr, true);
        return result;
    }

    CHostResizableBar* m_pA = nullptr;
    CHostResizableBar* m_pB = nullptr;
};
