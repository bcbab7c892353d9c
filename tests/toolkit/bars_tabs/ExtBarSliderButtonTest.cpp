// The slider button on a tool bar of the shown docking host: its maximum, part layout and clamping, held arrows
// and pages, the thumb drag, what ends the loop, a loop that survives its button or a quit message, and the
// pixels of its parts idle, hovered and held in two styles.
#include "DynTabsFixture.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/ReferenceTimer.h"
#include "toolkit/bars_tabs/ExtBarSliderButton.h"
#include "toolkit/bars_tabs/ExtToolControlBar.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"
#include "toolkit/foundation/ExtPaintManagerXP.h"
#include <atomic>
#include <functional>
#include <vector>

namespace
{
const UINT kSliderCmd = 0xB210;
const UINT kPlainCmd = 0xB211;
const UINT kToolBarId = 0xA1F0;
// A held arrow or page steps once every 50 ms.
const UINT kStatedRepeatMs = 50;

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
    std::atomic<bool> m_bRemoved{false};

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_APP && m_pBar != nullptr)
        {
            m_pBar->RemoveButton((int)wParam);
            m_bRemoved = true;
        }
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
    // From a script: sends the mouse input once the slider's loop waits for it (the thread has nothing else queued).
    void SendToLoop(const CPoint& pt, DWORD dwFlags)
    {
        EXPECT_TRUE(WaitForScriptThreadIdle());
        SendMouse(pt.x, pt.y, dwFlags);
    }
    // Presses the left button on the part and waits until the slider holds it. A held part steps on the repeat
    // timer only: when the press is seen handled within one period of its sending (so within one period of the
    // timer's start), the position has not moved yet. Answers the time the press was sent at. From a script.
    DWORD PressOn(const CPoint& pt, int nPart)
    {
        const UINT nBefore = m_pSliderBtn->GetScrollPos();
        SendMouse(pt.x, pt.y, 0);
        const DWORD dwSent = ::GetTickCount();
        SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTDOWN);
        EXPECT_TRUE(WaitFor([&] { return m_pSliderBtn->GetPressedPart() == nPart; }));
        const UINT nAtPress = m_pSliderBtn->GetScrollPos();
        if (::GetTickCount() - dwSent < kStatedRepeatMs)
        {
            EXPECT_EQ(nAtPress, nBefore) << "a step came before the first repeat period";
        }
        return dwSent;
    }
    // Holds the left button on the part until the position satisfies bDone, then releases it; false when the
    // position did not get there within the wait's bound.
    bool HoldUntil(int nPart, const std::function<bool(UINT)>& bDone)
    {
        const CPoint pt = ScreenPointOf(nPart);
        bool bReached = false;
        RunInputScript([&] {
            PressOn(pt, nPart);
            bReached = WaitFor([&] { return bDone(m_pSliderBtn->GetScrollPos()); });
            SendToLoop(pt, MOUSEEVENTF_LEFTUP);
        });
        return bReached;
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
    // Released on the first step: a step of one, not a page.
    EXPECT_TRUE(HoldUntil(CExtBarSliderButton::kPartPageIncrease, [](UINT nPos) { return nPos != 0; }));
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
    EXPECT_TRUE(HoldUntil(CExtBarSliderButton::kPartPageDecrease, [](UINT nPos) { return nPos != 3; }));
    EXPECT_EQ(m_pSliderBtn->GetScrollPos(), 0u);
    // A shrinking range pulls the position along.
    m_pSliderBtn->SetScrollPos(100);
    m_pSliderBtn->SetScrollTotalRange(50);
    EXPECT_EQ(m_pSliderBtn->GetScrollPos(), 40u);
}

TEST_F(SliderButton, AHeldArrowStepsAboutAsOftenAsATimerOfTheStatedPeriod)
{
    m_pSliderBtn->SetScrollTotalRange(1000);
    m_pSliderBtn->SetScrollPageSize(0);
    m_pSliderBtn->SetScrollPos(0);
    const CPoint ptInc = ScreenPointOf(CExtBarSliderButton::kPartArrowIncrease);
    // A plain timer of the stated period, started once the press is handled (the repeat's start), reads the
    // position at each of its ticks.
    CReferenceTimer ref;
    const int nTicks = 15;
    long nAtStart = 0;
    bool bTicked = false;
    RunInputScript([&] {
        PressOn(ptInc, CExtBarSliderButton::kPartArrowIncrease);
        nAtStart = (long)m_pSliderBtn->GetScrollPos();
        ref.Start(kStatedRepeatMs, [&] { return (long)m_pSliderBtn->GetScrollPos(); });
        bTicked = WaitFor([&] { return ref.Ticks() >= nTicks; });
        ref.Stop();
        SendToLoop(ptInc, MOUSEEVENTF_LEFTUP);
    });
    ASSERT_TRUE(bTicked);
    EXPECT_TRUE(KeptPace(ref, nTicks, nAtStart))
        << ref.SampleAt(nTicks) - nAtStart << " steps by the reference's tick " << nTicks;
}

TEST_F(SliderButton, AHeldArrowRepeatsUpToTheBoundAndPausesOffTheArrow)
{
    m_pSliderBtn->SetScrollTotalRange(30);
    m_pSliderBtn->SetScrollPos(26);
    const UINT nPeriod = kStatedRepeatMs;
    const CPoint ptInc = ScreenPointOf(CExtBarSliderButton::kPartArrowIncrease);
    bool bReached = false;
    DWORD dwToBound = 0;
    UINT nHeldAtBound = 0;
    RunInputScript([&] {
        const DWORD dwSent = PressOn(ptInc, CExtBarSliderButton::kPartArrowIncrease);
        bReached = WaitFor([&] { return m_pSliderBtn->GetScrollPos() == 30; });
        dwToBound = ::GetTickCount() - dwSent;
        // Held on at the bound for a few more periods: it stays there.
        ::Sleep(3 * nPeriod);
        nHeldAtBound = m_pSliderBtn->GetScrollPos();
        SendToLoop(ptInc, MOUSEEVENTF_LEFTUP);
    });
    EXPECT_TRUE(bReached);
    // Four steps take four periods of the timer at least (a millisecond for the clock's rounding).
    EXPECT_GE(dwToBound + 1, 4 * nPeriod);
    EXPECT_EQ(nHeldAtBound, 30u);
    EXPECT_EQ(m_pSliderBtn->GetScrollPos(), 30u);

    // Off the arrow nothing moves; back on, it goes on.
    m_pSliderBtn->SetScrollPos(5);
    const CPoint ptOn = ScreenPointOf(CExtBarSliderButton::kPartArrowDecrease);
    const CPoint ptOff(ptOn.x, ptOn.y + 60);
    UINT nPosOff1 = 0, nPosOff2 = 0;
    bool bStarted = false, bBackToZero = false;
    RunInputScript([&] {
        PressOn(ptOn, CExtBarSliderButton::kPartArrowDecrease);
        bStarted = WaitFor([&] { return m_pSliderBtn->GetScrollPos() < 5; });
        // The move off is handled when SendToLoop returns: from there on no step may come.
        SendToLoop(ptOff, 0);
        nPosOff1 = m_pSliderBtn->GetScrollPos();
        ::Sleep(4 * nPeriod);
        nPosOff2 = m_pSliderBtn->GetScrollPos();
        SendToLoop(ptOn, 0);
        bBackToZero = WaitFor([&] { return m_pSliderBtn->GetScrollPos() == 0; });
        SendToLoop(ptOn, MOUSEEVENTF_LEFTUP);
    });
    EXPECT_TRUE(bStarted);
    EXPECT_LT(nPosOff1, 5u);
    EXPECT_EQ(nPosOff1, nPosOff2);
    EXPECT_TRUE(bBackToZero);
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
    const UINT nExpectedPos = (UINT)::MulDiv(200, 13, 26);
    RunInputScript([&] {
        SendMouse(pt.x, pt.y, 0);
        SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTDOWN);
        EXPECT_TRUE(WaitFor([&] { return m_pSliderBtn->GetPressedPart() == CExtBarSliderButton::kPartThumb; }));
        const CPoint ptDragged(pt.x + 13, pt.y);
        SendToLoop(ptDragged, 0);
        EXPECT_TRUE(WaitFor([&] { return m_pSliderBtn->GetScrollPos() == nExpectedPos; }));
        nPressedDuring = m_pSliderBtn->GetPressedPart();
        nPosDragged = m_pSliderBtn->GetScrollPos();
        SendToLoop(ptDragged, MOUSEEVENTF_RIGHTDOWN);
        EXPECT_TRUE(WaitFor([&] { return m_pSliderBtn->GetPressedPart() == -1; }));
        nPressedAfterRight = m_pSliderBtn->GetPressedPart();
        SendMouse(ptDragged.x, ptDragged.y, MOUSEEVENTF_RIGHTUP);
        SendMouse(ptDragged.x, ptDragged.y, MOUSEEVENTF_LEFTUP);
    });
    EXPECT_EQ(nPressedDuring, CExtBarSliderButton::kPartThumb);
    EXPECT_EQ(nPosDragged, nExpectedPos);
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
    bool bRepeating = false, bRemoved = false, bLoopEnded = false;
    RunInputScript([&] {
        SendMouse(pt.x, pt.y, 0);
        SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTDOWN);
        // The loop holds the arrow and repeats before the button goes from under it.
        bRepeating = WaitFor([&] { return m_pSliderBtn->GetScrollPos() > 500; });
        ::PostMessageW(hWnd, WM_APP, (WPARAM)nIndex, 0);
        bRemoved = WaitFor([&] { return wnd.m_bRemoved.load(); });
        bLoopEnded = WaitFor([] { return !IsScriptThreadInNestedLoop(); });
        SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTUP);
    });
    m_pSliderBtn = nullptr;
    EXPECT_TRUE(bRepeating);
    EXPECT_TRUE(bRemoved);
    EXPECT_TRUE(bLoopEnded);
    EXPECT_EQ(m_pToolBar->GetButtonsCount(), nCount - 1);
    wnd.DestroyWindow();
}

namespace
{
// Paints the slider into its canvas when it gets WM_APP (a message pumped by the slider's loop) and notes the
// pressed and highlighted parts and the rectangle of the part named by WPARAM at that moment.
class CPainterWnd : public CWnd
{
public:
    CExtBarSliderButton* m_pSlider = nullptr;
    DibCanvas* m_pCanvas = nullptr;
    std::atomic<int> m_nPressed{-2};
    int m_nHighlighted = -2;
    CRect m_rcPart;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_APP && m_pSlider != nullptr && m_pCanvas != nullptr)
        {
            m_nPressed = m_pSlider->GetPressedPart();
            m_nHighlighted = m_pSlider->GetHighlightedPart();
            m_rcPart = m_pSlider->GetPartRect((int)wParam);
            m_pSlider->PaintButton(m_pCanvas->dc, true);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class SliderPaint : public SliderButton
{
protected:
    void SetUp() override
    {
        SliderButton::SetUp();
        // A long track, a short thumb and small pages: a held page area stays under the mouse for a while.
        m_pSliderBtn->SetScrollLengthHorz(200);
        m_pFrame->RecalcLayout();
        m_pToolBar->RecalcButtonPositions();
        m_pToolBar->GetClientRect(&m_rcClient);
        m_pSliderBtn->SetScrollTotalRange(1000);
        m_pSliderBtn->SetScrollPageSize(10);
        m_pSliderBtn->SetScrollPos(450);
    }
    void TearDown() override
    {
        g_PaintManagerHolder.InstallPaintManager(new CExtPaintManager);
        SliderButton::TearDown();
    }
    // The two styles the slider is checked in.
    static CExtPaintManager* MakeStyle(int nStyle)
    {
        return nStyle == 0 ? new CExtPaintManager : static_cast<CExtPaintManager*>(new CExtPaintManagerXP);
    }
    COLORREF Color(int nColor) const { return g_PaintManagerHolder->GetTranslatedColor(nColor, m_pSliderBtn); }
    // The colour of the brush a held page area is filled with (solid on a display of more than 8 bits).
    static COLORREF PressedBrushColor()
    {
        LOGBRUSH lb = {};
        g_PaintManagerHolder->m_brushLight50.GetLogBrush(&lb);
        EXPECT_EQ(lb.lbStyle, (UINT)BS_SOLID);
        return lb.lbColor;
    }
    // A flat push button held down: its left edge, its right edge and its face.
    struct PushedLook
    {
        COLORREF clrLeft, clrRight, clrFace;
    };
    PushedLook PushedLookOf(int nStyle) const
    {
        // Base: a sunken frame round the pressed brush; XP: one frame colour round the pushed face.
        if (nStyle == 0)
            return {Color(XCLR_SHADOW_ACTIVE), Color(XCLR_HILIGHT_ACTIVE), PressedBrushColor()};
        return {Color(XCLR_HILIGHT_DISABLED), Color(XCLR_HILIGHT_DISABLED), Color(XCLR_LIGHT_ALT)};
    }
    // Heights of the first and the last column of pixels of the colour in the area.
    static std::pair<int, int> ColumnHeights(const DibCanvas& canvas, const CRect& rc, COLORREF clr)
    {
        std::vector<int> heights;
        for (int x = rc.left; x < rc.right; ++x)
        {
            const int n = canvas.Count(CRect(x, rc.top, x + 1, rc.bottom), clr);
            if (n > 0)
                heights.push_back(n);
        }
        return heights.empty() ? std::make_pair(0, 0) : std::make_pair(heights.front(), heights.back());
    }
    // The thumb in its idle face stands out of the groove (drawn in the shadow and highlight colours) at the
    // place the position gives it: it takes the only columns of the track painted all in the face.
    void ExpectIdleThumbAtPosition(const DibCanvas& canvas, int nStyle) const
    {
        const CRect rcTrack = m_pSliderBtn->GetPartRect(CExtBarSliderButton::kPartTrack);
        std::vector<int> columns;
        for (int x = rcTrack.left; x < rcTrack.right; ++x)
        {
            const CRect rcColumn(x, rcTrack.top, x + 1, rcTrack.bottom);
            if (canvas.Count(rcColumn, Color(XCLR_FACE_NORMAL)) == rcTrack.Height())
                columns.push_back(x);
            else
                EXPECT_GT(canvas.Count(rcColumn, Color(XCLR_SHADOW_NORMAL)) +
                              canvas.Count(rcColumn, Color(XCLR_HILIGHT_NORMAL)),
                          0)
                    << nStyle << " column " << x;
        }
        ASSERT_GE(columns.size(), 4u) << nStyle;
        const int nThumb = (int)columns.size();
        EXPECT_EQ(columns.back() - columns.front() + 1, nThumb) << nStyle;
        const long long nFree = rcTrack.Width() - nThumb;
        EXPECT_EQ(columns.front() - rcTrack.left,
                  (int)(nFree * m_pSliderBtn->GetScrollPos() / m_pSliderBtn->GetMaxPos()))
            << nStyle;
    }
    static int Differences(const DibCanvas& a, const DibCanvas& b, const CRect& rc)
    {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                n += a.At(x, y) != b.At(x, y);
        return n;
    }
    CRect m_rcClient;
};
} // namespace

TEST_F(SliderPaint, IdleAndHoveredSlidersPaintArrowsAndThumbAsFlatPushButtonsWithArrowGlyphs)
{
    for (int nStyle : {0, 1})
    {
        g_PaintManagerHolder.InstallPaintManager(MakeStyle(nStyle));
        DibCanvas idle(m_rcClient.Width(), m_rcClient.Height(), RGB(255, 0, 255));
        m_pSliderBtn->PaintButton(idle.dc, true);
        // The arrows are their glyphs alone (16 pixels in the text colour) on the bar, pointing out of the track.
        const COLORREF clrGlyph = Color(XCLR_TEXT_NORMAL);
        for (int nPart : {CExtBarSliderButton::kPartArrowDecrease, CExtBarSliderButton::kPartArrowIncrease})
        {
            const CRect rc = m_pSliderBtn->GetPartRect(nPart);
            EXPECT_EQ(idle.Count(rc, clrGlyph), 16) << nStyle << " part " << nPart;
            EXPECT_EQ(idle.Count(rc, RGB(255, 0, 255)), rc.Width() * rc.Height() - 16) << nStyle << " part " << nPart;
            const std::pair<int, int> columns = ColumnHeights(idle, rc, clrGlyph);
            if (nPart == CExtBarSliderButton::kPartArrowDecrease)
                EXPECT_LT(columns.first, columns.second) << nStyle;
            else
                EXPECT_GT(columns.first, columns.second) << nStyle;
        }
        ExpectIdleThumbAtPosition(idle, nStyle);
        // Hovering the button lights no part: the same pixels.
        m_pSliderBtn->SetHover(true);
        DibCanvas hovered(m_rcClient.Width(), m_rcClient.Height(), RGB(255, 0, 255));
        m_pSliderBtn->PaintButton(hovered.dc, true);
        m_pSliderBtn->SetHover(false);
        EXPECT_EQ(Differences(idle, hovered, m_pSliderBtn->GetRect()), 0) << nStyle;
    }
}

TEST_F(SliderPaint, APressedThumbPaintsPushedAndAHeldPageAreaInThePressedBrush)
{
    CPainterWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr));
    const HWND hWnd = wnd.GetSafeHwnd();
    wnd.m_pSlider = m_pSliderBtn;
    for (int nStyle : {0, 1})
    {
        g_PaintManagerHolder.InstallPaintManager(MakeStyle(nStyle));
        m_pSliderBtn->SetScrollPos(450);
        for (int nPart : {CExtBarSliderButton::kPartThumb, CExtBarSliderButton::kPartPageIncrease})
        {
            DibCanvas held(m_rcClient.Width(), m_rcClient.Height(), RGB(255, 0, 255));
            wnd.m_pCanvas = &held;
            wnd.m_nPressed = -2;
            const CPoint pt = ScreenPointOf(nPart);
            bool bHot = false, bPainted = false;
            RunInputScript([&] {
                SendMouse(pt.x, pt.y, 0);
                SendMouse(pt.x, pt.y, MOUSEEVENTF_LEFTDOWN);
                // The thumb is lit at the press, a page area at its first step.
                bHot = WaitFor([&] { return m_pSliderBtn->GetHighlightedPart() == nPart; });
                ::PostMessageW(hWnd, WM_APP, (WPARAM)nPart, 0);
                bPainted = WaitFor([&] { return wnd.m_nPressed.load() != -2; });
                SendToLoop(pt, MOUSEEVENTF_LEFTUP);
            });
            wnd.m_pCanvas = nullptr;
            EXPECT_TRUE(bHot) << nStyle;
            ASSERT_TRUE(bPainted) << nStyle;
            ASSERT_EQ(wnd.m_nPressed.load(), nPart) << nStyle;
            ASSERT_EQ(wnd.m_nHighlighted, nPart) << nStyle;
            const CRect& rc = wnd.m_rcPart;
            if (nPart == CExtBarSliderButton::kPartThumb)
            {
                // The thumb shows the style's pushed button instead of its idle face.
                const PushedLook look = PushedLookOf(nStyle);
                EXPECT_NE(look.clrFace, Color(XCLR_FACE_NORMAL)) << nStyle;
                EXPECT_EQ(held.Count(CRect(rc.left, rc.top, rc.left + 1, rc.bottom - 1), look.clrLeft), rc.Height() - 1)
                    << nStyle;
                EXPECT_EQ(held.Count(CRect(rc.right - 1, rc.top, rc.right, rc.bottom), look.clrRight), rc.Height())
                    << nStyle;
                CRect rcFace(rc);
                rcFace.DeflateRect(1, 1);
                EXPECT_EQ(held.Count(rcFace, look.clrFace), rcFace.Width() * rcFace.Height()) << nStyle;
            }
            else
                EXPECT_EQ(held.Count(rc, PressedBrushColor()), rc.Width() * rc.Height()) << nStyle;
        }
    }
    wnd.DestroyWindow();
}
