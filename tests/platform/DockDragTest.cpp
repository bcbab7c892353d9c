// Dragging bars with the mouse (input through SendInput, queued before the drag loop reads it):
// docking on another side, cancelling, floating, and resizing a floating bar.
#include "DockingTestSupport.h"
#include "support/InputScript.h"
#include <gtest/gtest.h>
#include <vector>

namespace
{
const UINT kBarA = 0xE850;

// An input to queue before the drag loop reads it: a mouse move to the screen point with the button flags, or a key
// going down or up.
struct Step
{
    CPoint pt;
    DWORD dwFlags;
    WORD wVk; // a key when not 0
    bool bUp;
};

Step MouseInput(CPoint pt, DWORD dwFlags) { return {pt, dwFlags, 0, false}; }

Step KeyInput(WORD vk, BOOL bUp) { return {CPoint(), 0, vk, bUp != FALSE}; }

// Queues the inputs in order on this thread; the drag loop started after reads them.
void Send(const std::vector<Step>& steps)
{
    for (const Step& step : steps)
    {
        if (step.wVk != 0)
            SendKeyInput(step.wVk, !step.bUp);
        else
            SendMouse(step.pt.x, step.pt.y, step.dwFlags);
    }
}

// Throws away what the drag loop left in the queue (a release after a cancel).
void DrainInput()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, WM_KEYFIRST, WM_MOUSELAST, PM_REMOVE))
    {}
}

struct DragFixture : public ::testing::Test
{
    CDockTestFrame* m_pFrame = nullptr;
    CFixedBar m_bar;
    void SetUp() override
    {
        m_pFrame = MakeDockFrame(TRUE, 100, 100);
        ASSERT_NE(m_pFrame, nullptr);
        m_pFrame->ShowWindow(SW_SHOW);
        m_pFrame->SetForegroundWindow();
        m_pFrame->SetFocus();
        // Keys go to the focus: the frame is in front, and the window system's answers to the activation have
        // come, before any input is queued.
        ASSERT_TRUE(WaitFor([&]() { return ::GetForegroundWindow() == m_pFrame->m_hWnd; }));
        SettleInput();
        ASSERT_TRUE(m_bar.CreateBar(m_pFrame, kBarA));
        m_pFrame->DockControlBar(&m_bar, AFX_IDW_DOCKBAR_TOP);
        m_pFrame->RecalcLayout();
        DrainInput();
    }
    void TearDown() override
    {
        DrainInput();
        if (m_pFrame != nullptr && ::IsWindow(m_pFrame->m_hWnd))
            m_pFrame->DestroyWindow();
    }
    CPoint Start() const { return ScreenRect(const_cast<CFixedBar*>(&m_bar)).TopLeft() + CPoint(10, 10); }
    CPoint ClientToScreenPt(CPoint pt) const
    {
        m_pFrame->ClientToScreen(&pt);
        return pt;
    }
};
} // namespace

TEST_F(DragFixture, ATopBarDroppedOnTheLeftEdgeDocksThere)
{
    CPoint start = Start();
    CPoint target = ClientToScreenPt(CPoint(4, 120));
    m_bar.SetCapture();
    Send({MouseInput(CPoint(start.x + 3, start.y + 40), 0), MouseInput(target, 0),
          MouseInput(target, MOUSEEVENTF_LEFTUP)});
    m_bar.m_pDockContext->StartDrag(start);
    EXPECT_EQ(m_bar.m_pDockBar, DockBarOf(m_pFrame, AFX_IDW_DOCKBAR_LEFT));
    EXPECT_EQ(m_bar.GetBarStyle() & CBRS_ALIGN_ANY, (DWORD)CBRS_ALIGN_LEFT);
    EXPECT_EQ(::GetCapture(), nullptr);
    m_pFrame->RecalcLayout();
    EXPECT_EQ(RectIn(m_pFrame->m_hWnd, DockBarOf(m_pFrame, AFX_IDW_DOCKBAR_LEFT)->m_hWnd).Width(), 24);
    EXPECT_EQ(ClientRect(DockBarOf(m_pFrame, AFX_IDW_DOCKBAR_TOP)).Height(), 0);
}

TEST_F(DragFixture, EscapeLeavesTheBarWhereItWas)
{
    CPoint start = Start();
    CPoint target = ClientToScreenPt(CPoint(4, 120));
    CRect before = ScreenRect(&m_bar);
    m_bar.SetCapture();
    Send({MouseInput(target, 0), KeyInput(VK_ESCAPE, FALSE), KeyInput(VK_ESCAPE, TRUE),
          MouseInput(target, MOUSEEVENTF_LEFTUP)});
    m_bar.m_pDockContext->StartDrag(start);
    EXPECT_EQ(m_bar.m_pDockBar, DockBarOf(m_pFrame, AFX_IDW_DOCKBAR_TOP));
    EXPECT_EQ(ScreenRect(&m_bar), before);
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(DragFixture, ADropMidScreenFloatsTheBarThere)
{
    CPoint start = Start();
    CPoint target(700, 600);
    CPoint barCorner = ScreenRect(&m_bar).TopLeft() + (target - start);
    m_bar.SetCapture();
    Send({MouseInput(CPoint(400, 400), 0), MouseInput(target, 0), MouseInput(target, MOUSEEVENTF_LEFTUP)});
    m_bar.m_pDockContext->StartDrag(start);
    CMiniDockFrameWnd* pMini = FloatingFrameOf(&m_bar);
    ASSERT_NE(pMini, nullptr);
    EXPECT_EQ(ScreenRect(&m_bar).TopLeft(), barCorner);
    EXPECT_STREQ(Rows(DockBarOf(m_pFrame, AFX_IDW_DOCKBAR_TOP)), L"|pE850|");
}

TEST_F(DragFixture, ADropWithCtrlHeldFloatsTheBarEvenOverADockBar)
{
    CPoint start = Start();
    CPoint target = ClientToScreenPt(CPoint(4, 120));
    m_bar.SetCapture();
    Send({KeyInput(VK_CONTROL, FALSE), MouseInput(target, 0), MouseInput(target, MOUSEEVENTF_LEFTUP),
          KeyInput(VK_CONTROL, TRUE)});
    m_bar.m_pDockContext->StartDrag(start);
    EXPECT_TRUE(m_bar.IsFloating());
    EXPECT_EQ(DockBarOf(m_pFrame, AFX_IDW_DOCKBAR_LEFT)->GetDockedCount(), 0);
}

TEST(DockResize, StartResizeGivesTheSizeTheBarsLayoutAnswers)
{
    CDockTestFrame* pFrame = MakeDockFrame(TRUE, 100, 100);
    ASSERT_NE(pFrame, nullptr);
    pFrame->ShowWindow(SW_SHOW);
    CDynamicBar bar;
    ASSERT_TRUE(bar.CreateBar(pFrame, kBarA, CBRS_TOP | CBRS_SIZE_DYNAMIC));
    bar.m_nMRUWidth = 100;
    pFrame->FloatControlBar(&bar, CPoint(600, 300));
    CMiniDockFrameWnd* pMini = FloatingFrameOf(&bar);
    ASSERT_NE(pMini, nullptr);
    ASSERT_EQ(RectIn(pMini->m_hWnd, bar.m_hWnd).Size(), CDynamicBar::SizeForWidth(100));
    CRect frame = ScreenRect(pMini);
    CPoint start(frame.right - 2, frame.top + frame.Height() / 2);
    DrainInput();
    bar.SetCapture();
    Send({MouseInput(start + CPoint(20, 0), 0), MouseInput(start + CPoint(50, 3), 0),
          MouseInput(start + CPoint(50, 3), MOUSEEVENTF_LEFTUP)});
    bar.m_pDockContext->StartResize(HTRIGHT, start);
    EXPECT_EQ(bar.m_nMRUWidth, 150);
    EXPECT_EQ(RectIn(pMini->m_hWnd, bar.m_hWnd).Size(), CDynamicBar::SizeForWidth(150));
    // The left border of the frame stayed where it was.
    EXPECT_EQ(ScreenRect(pMini).left, frame.left);
    DrainInput();
    pFrame->DestroyWindow();
}
