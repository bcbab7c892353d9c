// Faults the docking run found in drops at a side of the frame, each shown on its own.
#include "DockingRunFinds.h"
#include "toolkit/foundation/ExtDynDockMarkerWnd.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtPaintManagerStudio2005.h"

TEST_F(DockingRunFinds, ADockedBarDraggedOverItselfOntoAnOuterMarkerDocksAtThatSide)
{
    // Markers; Epsilon alone at the bottom, tall enough that the right outer marker lies over it.
    ASSERT_TRUE(g_PaintManagerHolder.InstallPaintManagerByClass(RUNTIME_CLASS(CExtPaintManagerStudio2005)));
    for (CExtControlBar* p : {m_pA, m_pB, m_pC, m_pD})
    {
        m_pFrame->ShowControlBar(p, FALSE, FALSE);
        m_shown[p] = false;
    }
    m_pE->m_sizeHorzDocked.cy = WindowRectOf(m_pFrame).Height() / 2;
    m_pFrame->RecalcLayout();
    ASSERT_TRUE(ShowInFront(m_pFrame));
    Rest();
    ASSERT_EQ(OuterSide(m_pE), (UINT)AFX_IDW_DOCKBAR_BOTTOM);
    CPoint ptFrom;
    ASSERT_TRUE(CaptionPoint(m_pE, ptFrom));
    // The pointer goes from the caption to the right marker without leaving Epsilon.
    const CRect rcE = WindowRectOf(m_pE);
    bool bOverItself = true;
    ASSERT_TRUE(Drag(
        ptFrom,
        [&](CPoint& pt) {
            if (!WaitFor([] { return CExtDynDockMarkerWnd::g_arrOuterSet.GetSize() == 4; }))
                return false;
            pt = PointInMarker(CExtDynDockMarkerWnd::g_arrOuterSet[3]->GetSafeHwnd());
            bOverItself = bOverItself && rcE.PtInRect(pt) && rcE.PtInRect(CPoint(ptFrom.x + 30, ptFrom.y + 34));
            return true;
        },
        0));
    Rest();
    ASSERT_TRUE(bOverItself) << "the right marker does not lie over Epsilon at " << Describe();
    EXPECT_EQ(OuterSide(m_pE), (UINT)AFX_IDW_DOCKBAR_RIGHT)
        << "Epsilon dropped on the right marker is at " << SideName(OuterSide(m_pE)) << "\n"
        << Describe();
    // Seen there: along the frame's right side, reached at its middle.
    const CRect rcNow = WindowRectOf(m_pE);
    EXPECT_TRUE(Reaches(rcNow.CenterPoint(), m_pE)) << WindowsAt(rcNow.CenterPoint());
    EXPECT_GT(rcNow.left, WindowRectOf(&m_pFrame->m_wndView).left) << Describe();
}
