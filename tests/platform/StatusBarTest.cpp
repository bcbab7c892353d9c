// The status bar: panes from indicators, their texts and widths, the frame's prompts in pane 0
// and the key-state indicators updated at idle.
#include "DockingTestSupport.h"
#include <gtest/gtest.h>

namespace
{
const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};

// What the control itself shows in a pane.
CString ControlText(CStatusBar& status, int nPane)
{
    wchar_t buf[256] = {};
    if (LOWORD(status.SendMessage(SB_GETTEXTLENGTHW, nPane)) >= 256)
        return CString();
    status.SendMessage(SB_GETTEXTW, nPane, (LPARAM)buf);
    return CString(buf);
}

void SetToggled(BYTE vk, BOOL bOn)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[vk] = bOn ? 0x01 : 0x00;
    ::SetKeyboardState(keys);
}

struct StatusFixture : public ::testing::Test
{
    CDockTestFrame* m_pFrame = nullptr;
    CStatusBar m_status;
    void SetUp() override
    {
        m_pFrame = MakeDockFrame(FALSE);
        ASSERT_NE(m_pFrame, nullptr);
        ASSERT_TRUE(m_status.Create(m_pFrame));
        ASSERT_TRUE(m_status.SetIndicators(kIndicators, 3));
        m_pFrame->RecalcLayout();
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr)
            m_pFrame->DestroyWindow();
    }
};
} // namespace

TEST_F(StatusFixture, PanesComeFromTheIndicatorsAndAreFoundByCommand)
{
    EXPECT_EQ(m_status.GetDlgCtrlID(), AFX_IDW_STATUS_BAR);
    EXPECT_EQ(m_pFrame->GetControlBar(AFX_IDW_STATUS_BAR), &m_status);
    EXPECT_EQ(m_status.GetCount(), 3);
    EXPECT_EQ(m_status.CommandToIndex(ID_INDICATOR_NUM), 2);
    EXPECT_EQ(m_status.CommandToIndex(0x1234), -1);
    EXPECT_EQ(m_status.GetItemID(1), (UINT)ID_INDICATOR_CAPS);
    EXPECT_EQ(m_status.GetItemID(7), 0u);
    EXPECT_STREQ(m_status.GetPaneText(2), L"NUM");
    EXPECT_EQ(m_status.GetPaneStyle(0), (UINT)(SBPS_STRETCH | SBPS_NOBORDERS));
    EXPECT_EQ(m_status.SendMessage(SB_GETPARTS, 0, 0), 3);
    UINT nID, nStyle;
    int cx;
    m_status.SetPaneInfo(2, ID_INDICATOR_SCRL, SBPS_POPOUT, 40);
    m_status.GetPaneInfo(2, nID, nStyle, cx);
    EXPECT_EQ(nID, (UINT)ID_INDICATOR_SCRL);
    EXPECT_EQ(nStyle, (UINT)SBPS_POPOUT);
    EXPECT_EQ(cx, 40);
    // An indicator without a string fails, the others still get their panes.
    const UINT missing[] = {ID_SEPARATOR, 0x7FFE};
    EXPECT_FALSE(m_status.SetIndicators(missing, 2));
    EXPECT_EQ(m_status.GetCount(), 2);
}

TEST_F(StatusFixture, PaneTextsReachTheControlAndTheStretchingPaneTakesTheSpareWidth)
{
    EXPECT_TRUE(m_status.SetPaneText(0, L"halo"));
    EXPECT_STREQ(ControlText(m_status, 0), L"halo");
    EXPECT_FALSE(m_status.SetPaneText(5, L"tidak ada"));
    CRect pane0, pane1;
    m_status.GetItemRect(0, &pane0);
    m_status.GetItemRect(1, &pane1);
    EXPECT_GT(pane0.Width(), pane1.Width());
    CRect window = ScreenRect(m_pFrame);
    m_pFrame->SetWindowPos(nullptr, 0, 0, window.Width() + 50, window.Height(), SWP_NOMOVE | SWP_NOZORDER);
    CRect wider0, wider1;
    m_status.GetItemRect(0, &wider0);
    m_status.GetItemRect(1, &wider1);
    EXPECT_EQ(wider0.Width(), pane0.Width() + 50);
    EXPECT_EQ(wider1.Width(), pane1.Width());
    EXPECT_STREQ(ControlText(m_status, 0), L"halo");
}

TEST_F(StatusFixture, TheFramesPromptsGoToPaneZero)
{
    m_pFrame->SetMessageText(L"siap");
    EXPECT_STREQ(m_status.GetPaneText(0), L"siap");
    EXPECT_STREQ(ControlText(m_status, 0), L"siap");
    CString text;
    m_status.GetWindowText(text);
    EXPECT_STREQ(text, L"siap");
    m_pFrame->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    EXPECT_STREQ(ControlText(m_status, 0), L"Ready");
    EXPECT_EQ(m_status.GetWindowTextLength(), 5);
}

TEST_F(StatusFixture, TheCapsIndicatorShowsOnlyWhileCapsLockIsToggled)
{
    m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    SetToggled(VK_CAPITAL, TRUE);
    RunIdle();
    EXPECT_STREQ(ControlText(m_status, 1), L"CAP");
    EXPECT_FALSE(m_status.GetPaneStyle(1) & SBPS_DISABLED);
    SetToggled(VK_CAPITAL, FALSE);
    RunIdle();
    EXPECT_STREQ(ControlText(m_status, 1), L"");
    EXPECT_TRUE(m_status.GetPaneStyle(1) & SBPS_DISABLED);
    EXPECT_STREQ(m_status.GetPaneText(1), L"CAP"); // kept for when it is enabled again
}

// The texts sent to one status bar window, counted per pane while the counter lives.
struct PaneTextCounter
{
    static PaneTextCounter* s_pCounter;
    HWND hBar;
    HHOOK hHook;
    int counts[8] = {};
    static LRESULT CALLBACK Hook(int nCode, WPARAM wParam, LPARAM lParam)
    {
        const CWPSTRUCT* p = (const CWPSTRUCT*)lParam;
        if (nCode == HC_ACTION && p->hwnd == s_pCounter->hBar && p->message == SB_SETTEXTW)
            ++s_pCounter->counts[LOBYTE(p->wParam) & 7];
        return ::CallNextHookEx(s_pCounter->hHook, nCode, wParam, lParam);
    }
    explicit PaneTextCounter(HWND hWnd) : hBar(hWnd)
    {
        s_pCounter = this;
        hHook = ::SetWindowsHookExW(WH_CALLWNDPROC, Hook, nullptr, ::GetCurrentThreadId());
    }
    ~PaneTextCounter() { ::UnhookWindowsHookEx(hHook); }
};
PaneTextCounter* PaneTextCounter::s_pCounter = nullptr;

// A new width moves the panes' edges; the control keeps their texts, so none is sent again.
TEST_F(StatusFixture, ANewWidthMovesThePanesWithoutSendingTheirTextsAgain)
{
    m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    EXPECT_TRUE(m_status.SetPaneText(0, L"halo"));
    RunIdle();
    CRect pane0;
    m_status.GetItemRect(0, &pane0);
    {
        PaneTextCounter counter(m_status.m_hWnd);
        const CRect window = ScreenRect(m_pFrame);
        m_pFrame->SetWindowPos(nullptr, 0, 0, window.Width() + 40, window.Height(), SWP_NOMOVE | SWP_NOZORDER);
        RunIdle();
        EXPECT_EQ(counter.counts[0] + counter.counts[1] + counter.counts[2], 0);
    }
    CRect wider0;
    m_status.GetItemRect(0, &wider0);
    EXPECT_EQ(wider0.Width(), pane0.Width() + 40);
    EXPECT_STREQ(ControlText(m_status, 0), L"halo");
}

TEST_F(StatusFixture, AnIndicatorTurningOnOrOffSendsOnlyItsOwnText)
{
    m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    SetToggled(VK_NUMLOCK, FALSE);
    SetToggled(VK_CAPITAL, FALSE);
    RunIdle();
    {
        PaneTextCounter counter(m_status.m_hWnd);
        SetToggled(VK_CAPITAL, TRUE);
        RunIdle();
        EXPECT_EQ(counter.counts[0], 0);
        EXPECT_EQ(counter.counts[1], 1);
        EXPECT_EQ(counter.counts[2], 0);
    }
    // The message pane keeps the frame's prompt.
    EXPECT_STREQ(ControlText(m_status, 0), m_pFrame->GetLastMessageText());
    EXPECT_STREQ(ControlText(m_status, 1), L"CAP");
    EXPECT_STREQ(ControlText(m_status, 2), L"");
    SetToggled(VK_CAPITAL, FALSE);
    RunIdle();
}

TEST_F(StatusFixture, TheBarsHeightFitsItsTextAndItTakesTheBottomStrip)
{
    CSize size = m_status.CalcFixedLayout(TRUE, TRUE);
    TEXTMETRICW tm = {};
    HDC hDC = ::GetDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, (HFONT)m_status.SendMessage(WM_GETFONT));
    ::GetTextMetricsW(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(nullptr, hDC);
    EXPECT_GT(size.cy, tm.tmHeight);
    EXPECT_EQ(size.cx, 32767);
    CRect client = ClientRect(m_pFrame);
    EXPECT_EQ(RectIn(m_pFrame->m_hWnd, m_status.m_hWnd),
              CRect(0, client.bottom - size.cy, client.right, client.bottom));
    EXPECT_EQ(RectIn(m_pFrame->m_hWnd, m_pFrame->m_pView->m_hWnd).bottom, client.bottom - size.cy);
}

TEST_F(StatusFixture, PaneHandlersSetTextsAndACheckMakesThePanePopOut)
{
    const UINT panes[] = {ID_SEPARATOR, ID_INDICATOR_OVR};
    ASSERT_TRUE(m_status.SetIndicators(panes, 2));
    m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    RunIdle();
    EXPECT_STREQ(ControlText(m_status, 1), L"SISIP");
    EXPECT_FALSE(m_status.GetPaneStyle(1) & SBPS_POPOUT);
    m_pFrame->m_bOverwrite = TRUE;
    RunIdle();
    EXPECT_STREQ(ControlText(m_status, 1), L"TIMPA");
    EXPECT_TRUE(m_status.GetPaneStyle(1) & SBPS_POPOUT);
    EXPECT_EQ(HIWORD(m_status.SendMessage(SB_GETTEXTLENGTHW, 1)) & SBT_POPOUT, SBT_POPOUT);
}
