// The slider button on a tool bar of the shown docking host: its maximum, part layout and clamping, held arrows
// and pages, the thumb drag, what ends the loop, and a loop that survives its button or a quit message.
#include "DynTabsFixture.h"
#include "toolkit/bars_tabs/ExtBarSliderButton.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"

namespace
{
const UINT kSliderCmd = 0xB210;
const UINT kPlainCmd = 0xB211;
const UINT kToolBarId = 0xA1F0;

// A tool bar whose slider command makes a slider button.
class CSliderToolBar : public CExtToolControlBar
{
public:
    CExtBarButton* OnCreateBarCommandBtn(UINT nCmdID, UINT nStyle) override
    {
        if (nCmdID == kSliderCmd)
            return new CExtBarSliderButton(this, nCmdID, nStyle);
        return CExtToolControlBar::OnCreateBarCommandBtn(nCmdID, nStyle);
    }
};

// The tool bar's owner: every command of the bar is enabled.
class CEnablerWnd : public CWnd
{
public:
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (nCode == (int)CN_UPDATE_COMMAND_UI && pExtra != nullptr && (nID == kSliderCmd || nID == kPlainCmd))
        {
            static_cast<CCmdUI*>(pExtra)->Enable(TRUE);
            return TRUE;
        }
        return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
};

// Removes a button of the bar when it gets WM_APP (a message pumped by the slider's loop).
class CRemoverWnd : public CWnd
{
public:
    CExtToolControlBar* m_pBar = nullptr;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_APP && m_pBar != nullptr)
            m_pBar->RemoveButton((int)wParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class SliderButton : public DynTabsFixture
{
protected:
    void SetUp() override
    {
        DynTabsFixture::SetUp();
        for (UINT nID : {kSliderCmd, kPlainCmd})
        {
            CExtCmdItem cmd(nID);
            cmd.m_sMenuText = cmd.m_sToolbarText = nID == kSliderCmd ? L"Zoom" : L"Plain";
            g_CmdManagerHolder->SetupCommand(kHostProfile, cmd, true);
        }
        m_pToolBar = new CSliderToolBar;
        m_pFrame->m_arrBars.push_back(m_pToolBar);
        ASSERT_TRUE(m_pToolBar->Create(L"Tools", m_pFrame, kToolBarId,
                                       WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS | CBRS_FLYBY));
        m_pToolBar->EnableDocking(CBRS_ALIGN_ANY);
        ASSERT_TRUE(m_wndEnabler.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr));
        m_pToolBar->SetOwner(&m_wndEnabler);
        ASSERT_TRUE(m_pToolBar->InsertButton(-1, kPlainCmd, false));
        ASSERT_TRUE(m_pToolBar->InsertButton(-1, kSliderCmd, true));
        m_pFrame->DockControlBar(m_pToolBar, AFX_IDW_DOCKBAR_TOP);
        m_pFrame->RecalcLayout();
        m_nIndex = 1;
        m_pSliderBtn = DYNAMIC_DOWNCAST(CExtBarSliderButton, m_pToolBar->GetButton(m_nIndex));
        ASSERT_NE(m_pSliderBtn, nullptr);
        m_pSliderBtn->SetArrowExtentHorz(8);
        PumpMessages();
        ASSERT_FALSE(m_pSliderBtn->GetRect().IsRectEmpty());
    }
    CPoint ScreenPointOf(int nPart) const
    {
        CPoint pt = m_pSliderBtn->GetPartRect(nPart).CenterPoint();
        m_pToolBar->ClientToScreen(&pt);
        return pt;
    }
    // Holds the left button on the part for nMs, then releases it.
    void HoldOn(int nPart, DWORD nMs)
    {
        const CPoint pt = ScreenPointOf(nPart);
        RunInputScript([&] {
            SendMouse(pt.x, pt.y, 0);
            ::Sleep(30);
            SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTDOWN);
            ::Sleep(nMs);
            SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTUP);
            ::Sleep(30);
        });
        PumpMessages();
    }
    void TearDown() override
    {
        DynTabsFixture::TearDown();
        if (m_wndEnabler.GetSafeHwnd() != nullptr)
            m_wndEnabler.DestroyWindow();
    }
    CEnablerWnd m_wndEnabler;
    CSliderToolBar* m_pToolBar = nullptr;
    CExtBarSliderButton* m_pSliderBtn = nullptr;
    int m_nIndex = -1;
};
} // namespace

TEST_F(SliderButton, AMaximumOfZeroShowsNoThumbAndClicksOnlyRedraw)
{
    m_pSliderBtn->SetScrollTotalRange(10);
    m_pSliderBtn->SetScrollPageSize(10);
    EXPECT_EQ(m_pSliderBtn->GetMaxPos(), 0u);
    EXPECT_TRUE(m_pSliderBtn->GetPartRect(CExtBarSliderButton::kPartThumb).IsRectEmpty());
    EXPECT_FALSE(m_pSliderBtn->GetPartRect(CExtBarSliderButton::kPartTrack).IsRectEmpty());
    m_pSliderBtn->OnClick(m_pSliderBtn->GetPartRect(CExtBarSliderButton::kPartArrowIncrease).CenterPoint(), true);
    EXPECT_EQ(m_pSliderBtn->GetScrollPos(), 0u);
    EXPECT_EQ(m_pSliderBtn->GetPressedPart(), -1);
    EXPECT_NE(::GetCapture(), m_pToolBar->GetSafeHwnd());
    // The label part and the scroll part share the button.
    const CRect rc = m_pSliderBtn->GetRect();
    EXPECT_EQ(m_pSliderBtn->GetPartRect(CExtBarSliderButton::kPartScroll).Width(), 50);
    EXPECT_EQ(m_pSliderBtn->GetPartRect(CExtBarSliderButton::kPartLabel).right, rc.right - 50);
    EXPECT_EQ(m_pSliderBtn->GetPartRect(CExtBarSliderButton::kPartTrack).Width(), 50 - 16);
}

TEST_F(SliderButton, PageSizeZeroStepsByOneAndTheThumbIsTheArrowExtent)
{
    m_pSliderBtn->SetScrollTotalRange(100);
    m_pSliderBtn->SetScrollPageSize(0);
    EXPECT_EQ(m_pSliderBtn->GetMaxPos(), 100u);
    EXPECT_EQ(m_pSliderBtn->GetPartRect(CExtBarSliderButton::kPartThumb).Width(), 8);
    m_pSliderBtn->SetArrowExtentHorz(0);
    // Without arrows the maximum is the total range and the thumb 6 long.
    EXPECT_EQ(m_pSliderBtn->GetMaxPos(), 100u);
    EXPECT_EQ(m_pSliderBtn->GetPartRect(CExtBarSliderButton::kPartThumb).Width(), 6);
    EXPECT_TRUE(m_pSliderBtn->GetPartRect(CExtBarSliderButton::kPartArrowIncrease).IsRectEmpty());
    m_pSliderBtn->SetArrowExtentHorz(8);
    HoldOn(CExtBarSliderButton::kPartPageIncrease, 120);
    EXPECT_GE(m_pSliderBtn->GetScrollPos(), 1u);
    EXPECT_LE(m_pSliderBtn->GetScrollPos(), 6u);
    EXPECT_EQ(m_pSliderBtn->GetPressedPart(), -1);
}

TEST_F(SliderButton, PositionsAreClampedOnEverySetStepAndDrag)
{
    m_pSliderBtn->SetScrollTotalRange(110);
    m_pSliderBtn->SetScrollPageSize(10);
    ASSERT_EQ(m_pSliderBtn->GetMaxPos(), 100u);
    EXPECT_EQ(m_pSliderBtn->SetScrollPos(500), 0u);
    EXPECT_EQ(m_pSliderBtn->GetScrollPos(), 100u);
    const CRect rcTrack = m_pSliderBtn->GetPartRect(CExtBarSliderButton::kPartTrack);
    const CRect rcThumb = m_pSliderBtn->GetPartRect(CExtBarSliderButton::kPartThumb);
    EXPECT_EQ(rcThumb.right, rcTrack.right);
    EXPECT_GE(rcThumb.left, rcTrack.left);
    // A page down from 3 stops at 0 instead of wrapping round (a longer track gives the page area room).
    m_pSliderBtn->SetScrollLengthHorz(200);
    m_pFrame->RecalcLayout();
    m_pToolBar->RecalcButtonPositions();
    m_pSliderBtn->SetScrollPos(3);
    ASSERT_FALSE(m_pSliderBtn->GetPartRect(CExtBarSliderButton::kPartPageDecrease).IsRectEmpty());
    HoldOn(CExtBarSliderButton::kPartPageDecrease, 130);
    EXPECT_EQ(m_pSliderBtn->GetScrollPos(), 0u);
    // A shrinking range pulls the position along.
    m_pSliderBtn->SetScrollPos(100);
    m_pSliderBtn->SetScrollTotalRange(50);
    EXPECT_EQ(m_pSliderBtn->GetScrollPos(), 40u);
}

TEST_F(SliderButton, AHeldArrowRepeatsUpToTheBoundAndPausesOffTheArrow)
{
    m_pSliderBtn->SetScrollTotalRange(30);
    m_pSliderBtn->SetScrollPos(26);
    HoldOn(CExtBarSliderButton::kPartArrowIncrease, 450);
    EXPECT_EQ(m_pSliderBtn->GetScrollPos(), 30u);

    // Off the arrow nothing moves; back on, it goes on.
    m_pSliderBtn->SetScrollPos(5);
    const CPoint ptOn = ScreenPointOf(CExtBarSliderButton::kPartArrowDecrease);
    const CPoint ptOff(ptOn.x, ptOn.y + 60);
    UINT nPosOff1 = 0, nPosOff2 = 0;
    RunInputScript([&] {
        SendMouse(ptOn.x, ptOn.y, 0);
        ::Sleep(30);
        SendMouse(ptOn.x, ptOn.y, MOUSEEVENTF_LEFTDOWN);
        ::Sleep(60);
        SendMouse(ptOff.x, ptOff.y, 0);
        ::Sleep(60);
        nPosOff1 = m_pSliderBtn->GetScrollPos();
        ::Sleep(200);
        nPosOff2 = m_pSliderBtn->GetScrollPos();
        SendMouse(ptOn.x, ptOn.y, 0);
        ::Sleep(400);
        SendMouse(ptOn.x, ptOn.y, MOUSEEVENTF_LEFTUP);
        ::Sleep(30);
    });
    PumpMessages();
    EXPECT_LT(nPosOff1, 5u);
    EXPECT_EQ(nPosOff1, nPosOff2);
    EXPECT_EQ(m_pSliderBtn->GetScrollPos(), 0u);
}

TEST_F(SliderButton, ARightButtonEndsTheLoopAndTheThumbDragMapsByMulDiv)
{
    m_pSliderBtn->SetScrollTotalRange(200);
    m_pSliderBtn->SetScrollPageSize(0);
    // Track 50 - 16 = 34, thumb 8: 26 free pixels for 200 positions.
    const CPoint pt = ScreenPointOf(CExtBarSliderButton::kPartThumb);
    int nPressedDuring = 0, nPressedAfterRight = 0;
    UINT nPosDragged = 0;
    RunInputScript([&] {
        SendMouse(pt.x, pt.y, 0);
        ::Sleep(30);
        SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTDOWN);
        ::Sleep(60);
        SendMouse(pt.x + 13, pt.y, 0);
        ::Sleep(80);
        nPressedDuring = m_pSliderBtn->GetPressedPart();
        nPosDragged = m_pSliderBtn->GetScrollPos();
        SendMouse(pt.x + 13, pt.y, MOUSEEVENTF_RIGHTDOWN);
        ::Sleep(80);
        nPressedAfterRight = m_pSliderBtn->GetPressedPart();
        SendMouse(pt.x + 13, pt.y, MOUSEEVENTF_RIGHTUP);
        ::Sleep(30);
        SendMouse(pt.x + 13, pt.y, MOUSEEVENTF_LEFTUP);
        ::Sleep(30);
    });
    PumpMessages();
    EXPECT_EQ(nPressedDuring, CExtBarSliderButton::kPartThumb);
    EXPECT_EQ(nPosDragged, (UINT)::MulDiv(200, 13, 26));
    EXPECT_EQ(nPressedAfterRight, -1);
}

TEST_F(SliderButton, AThumbFillingItsTrackIsNotDragged)
{
    // Arrows of 6 leave a track of 6 that a thumb of 6 fills.
    m_pSliderBtn->SetScrollLengthHorz(18);
    m_pSliderBtn->SetArrowExtentHorz(6);
    m_pSliderBtn->SetScrollTotalRange(100);
    m_pSliderBtn->SetScrollPos(40);
    const CRect rcThumb = m_pSliderBtn->GetPartRect(CExtBarSliderButton::kPartThumb);
    ASSERT_EQ(rcThumb, m_pSliderBtn->GetPartRect(CExtBarSliderButton::kPartTrack));
    m_pSliderBtn->OnClick(rcThumb.CenterPoint(), true);
    EXPECT_EQ(m_pSliderBtn->GetScrollPos(), 40u);
    EXPECT_EQ(m_pSliderBtn->GetPressedPart(), -1);
    EXPECT_NE(::GetCapture(), m_pToolBar->GetSafeHwnd());
}

TEST_F(SliderButton, AQuitMessageEndsTheLoopAndIsPostedAgainWithItsCode)
{
    m_pSliderBtn->SetScrollTotalRange(100);
    m_pSliderBtn->SetScrollPos(50);
    ::PostQuitMessage(7);
    m_pSliderBtn->OnClick(m_pSliderBtn->GetPartRect(CExtBarSliderButton::kPartArrowIncrease).CenterPoint(), true);
    MSG msg;
    ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_EQ(m_pSliderBtn->GetPressedPart(), -1);
}

TEST_F(SliderButton, TheLoopEndsWithoutTouchingAButtonRemovedMeanwhile)
{
    m_pSliderBtn->SetScrollTotalRange(1000);
    m_pSliderBtn->SetScrollPos(500);
    CRemoverWnd wnd;
    wnd.m_pBar = m_pToolBar;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr));
    const HWND hWnd = wnd.GetSafeHwnd();
    const CPoint pt = ScreenPointOf(CExtBarSliderButton::kPartArrowIncrease);
    const int nIndex = m_nIndex;
    const int nCount = m_pToolBar->GetButtonsCount();
    RunInputScript([&] {
        SendMouse(pt.x, pt.y, 0);
        ::Sleep(30);
        SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTDOWN);
        ::Sleep(120);
        ::PostMessageW(hWnd, WM_APP, (WPARAM)nIndex, 0);
        ::Sleep(150);
        SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTUP);
        ::Sleep(30);
    });
    PumpMessages();
    m_pSliderBtn = nullptr;
    EXPECT_EQ(m_pToolBar->GetButtonsCount(), nCount - 1);
    wnd.DestroyWindow();
}
