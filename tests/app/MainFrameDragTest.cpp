// The main frame's layout moved with the mouse: "Folders" dragged by its caption (real input)
// onto the right edge comes back there at the next start.
#include "phone/PhoneLinkTestSupport.h"
#include "FrameAppFixture.h"
#include "tests/support/InputScript.h"
#include "app/Corvane_sms.h"
#include "app/Corvane_smsView.h"
#include "app/MainFrm.h"
#include "toolkit/docking/ExtDockBar.h"

#include <functional>
#include <vector>

using namespace phonetest;

namespace
{
struct MainFrameDragTest : FrameAppFixture
{
    MainFrameDragTest() : FrameAppFixture(L"CorvaneFrameDragTest") {}
    void Start()
    {
        ASSERT_NO_FATAL_FAILURE(StartFrame());
        PumpUntil([] { return false; }, 50);
    }
    static UINT CircleOf(CControlBar* pBar)
    {
        CExtDockBar* pDock = dynamic_cast<CExtDockBar*>(pBar->m_pDockBar);
        return pDock != nullptr ? pDock->GetCircleNo() : 0xFFFF;
    }
    // The inner edge of the frame's outer dock bar on a side, on the screen.
    CRect InnerEdge(UINT nSide) const
    {
        CExtDockBar* pOuter = CExtDockBar::FindCircleDockBar(frame, 0, nSide);
        return pOuter != nullptr ? pOuter->m_rcInnerEdge : CRect();
    }
};
} // namespace

// "Folders" dragged by its caption onto the right band of the area inside the frame's edge bars
// docks on the right; closed and started again, the frame brings it back there.
TEST_F(MainFrameDragTest, FoldersDraggedToTheRightEdgeComeBackThereAtTheNextStart)
{
    Start();
    frame->ShowWindow(SW_SHOWNORMAL);
    frame->SetForegroundWindow();
    frame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SettleInput();
    ASSERT_EQ(::GetForegroundWindow(), frame->GetSafeHwnd());
    CMainControlBar& folders = frame->m_wndFoldersBar;
    ASSERT_EQ(CExtControlBar::GetDockBarId(&folders), (UINT)AFX_IDW_DOCKBAR_LEFT);

    // A point on the caption, away from its buttons, and one on the right band.
    CRect rcBar;
    folders.GetWindowRect(&rcBar);
    CRect rcCaption(folders.GetCaptionRect());
    ASSERT_FALSE(rcCaption.IsRectEmpty());
    rcCaption.OffsetRect(rcBar.TopLeft());
    const CPoint ptFrom(rcCaption.left + 8, rcCaption.CenterPoint().y);
    const CRect rcEnclosed(InnerEdge(AFX_IDW_DOCKBAR_LEFT).left, InnerEdge(AFX_IDW_DOCKBAR_TOP).top,
                           InnerEdge(AFX_IDW_DOCKBAR_RIGHT).left, InnerEdge(AFX_IDW_DOCKBAR_BOTTOM).top);
    ASSERT_FALSE(rcEnclosed.IsRectEmpty());
    const CPoint ptTo(rcEnclosed.right - 2, rcEnclosed.CenterPoint().y);
    const std::vector<CPoint> path = {CPoint(ptFrom.x + 30, ptFrom.y + 20), rcEnclosed.CenterPoint(),
                                      CPoint(ptTo.x - 30, ptTo.y), ptTo};
    RunInputScript([&] {
        SendMouse(ptFrom.x, ptFrom.y, 0);
        SendMouse(ptFrom.x, ptFrom.y, MOUSEEVENTF_LEFTDOWN);
        // The press on the caption runs the bar's drag loop, which starts the drag at the first move.
        ASSERT_TRUE(IsScriptThreadInNestedLoop());
        for (const CPoint& pt : path)
            SendMouse(pt.x, pt.y, 0);
        ASSERT_TRUE(WaitFor([&] { return CExtControlBar::GetDraggedBar() == &folders; }));
        SendMouse(ptTo.x, ptTo.y, MOUSEEVENTF_LEFTUP);
        // The drop pumps paints while it docks: it is over once the drag loop has returned.
        ASSERT_TRUE(WaitFor([] { return !IsScriptThreadInNestedLoop(); }));
    });
    EXPECT_EQ(CExtControlBar::GetDraggedBar(), nullptr);
    EXPECT_EQ(::GetCapture(), nullptr);
    ASSERT_EQ(CExtControlBar::GetDockBarId(&folders), (UINT)AFX_IDW_DOCKBAR_RIGHT);
    EXPECT_EQ(CircleOf(&folders), 1u);
    EXPECT_EQ(frame->GetFolderTree()->GetParent(), &folders);
    frame->RecalcLayout();
    CRect rcView;
    app->GetView()->GetWindowRect(&rcView);
    folders.GetWindowRect(&rcBar);
    EXPECT_GE(rcBar.left, rcView.right);
    Stop();

    NewApp();
    Start();
    EXPECT_EQ(CExtControlBar::GetDockBarId(&frame->m_wndFoldersBar), (UINT)AFX_IDW_DOCKBAR_RIGHT);
    EXPECT_EQ(CircleOf(&frame->m_wndFoldersBar), 1u);
    EXPECT_TRUE(frame->m_wndFoldersBar.IsWindowVisible());
    EXPECT_EQ(frame->GetFolderTree()->GetParent(), &frame->m_wndFoldersBar);
    // The other bars stay where the default layout put them.
    EXPECT_EQ(CExtControlBar::GetDockBarId(&frame->m_wndSmsListBar), (UINT)AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(CExtControlBar::GetDockBarId(&frame->m_wndToolBar), (UINT)AFX_IDW_DOCKBAR_TOP);
    Stop();
}
