// The frame offers the keys of the windows inside it to its control bars before they are dispatched: each key once,
// the frame's own keys not, and a handled key never reaches its window.
#include <gtest/gtest.h>
#include "TabTestSupport.h"
#include "platform/ControlBar.h"
#include "platform/FrameWnd.h"
#include <vector>

namespace
{

// A bar that records the keys offered to it and handles one virtual key.
class CKeyRecordingBar : public CControlBar
{
public:
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
    BOOL PreTranslateFrameKey(MSG* pMsg) override
    {
        m_offered.push_back(*pMsg);
        return pMsg->wParam == m_nHandledKey;
    }
    std::vector<MSG> m_offered;
    WPARAM m_nHandledKey = 0;
};

// An edit that counts the key-down messages it receives.
class CCountingEdit : public CWnd
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_KEYDOWN)
            ++m_nKeyDowns;
        return CWnd::WindowProc(message, wParam, lParam);
    }
    int m_nKeyDowns = 0;
};

// The platform's pump: pre-translation from the target window up, then dispatch.
void PumpPlatform()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        if (!CWnd::WalkPreTranslateTree(nullptr, &msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

class FrameKeys : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_bar.CreateEx(0, AfxRegisterWndClass(0), L"keys", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 30),
                                   m_host.Get(), 0xA1F0));
        // Created as a child of the frame, the bar is in the frame's list.
        ASSERT_NE(m_host->m_listControlBars.Find(&m_bar), nullptr);
        ASSERT_TRUE(m_edit.CreateEx(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, CRect(0, 40, 200, 60), m_host.Get(), 101));
        ASSERT_TRUE(m_barEdit.CreateEx(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, CRect(100, 2, 190, 20), &m_bar, 102));
    }
    void TearDown() override
    {
        m_barEdit.DestroyWindow();
        m_edit.DestroyWindow();
        m_bar.DestroyWindow();
    }
    int Offered(UINT message) const
    {
        int n = 0;
        for (const MSG& msg : m_bar.m_offered)
            n += msg.message == message ? 1 : 0;
        return n;
    }

    tabtest::HostFrame m_host;
    CKeyRecordingBar m_bar;
    CCountingEdit m_edit, m_barEdit;
};

} // namespace

TEST_F(FrameKeys, KeysOfAWindowInsideTheFrameAreOfferedOnceAndTheFramesOwnAreNot)
{
    for (UINT message : {WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP})
        m_edit.PostMessage(message, 'Q', 0);
    m_edit.PostMessage(WM_CHAR, 'q', 0);
    PumpPlatform();
    EXPECT_EQ(Offered(WM_KEYDOWN), 1);
    EXPECT_EQ(Offered(WM_KEYUP), 1);
    EXPECT_EQ(Offered(WM_SYSKEYDOWN), 1);
    EXPECT_EQ(Offered(WM_SYSKEYUP), 1);
    EXPECT_EQ(m_bar.m_offered.size(), 4u); // no WM_CHAR
    EXPECT_EQ(m_edit.m_nKeyDowns, 1);
    // An edit inside the bar: the bar hands the key to its owner frame on the way up; still offered once.
    m_bar.m_offered.clear();
    m_barEdit.PostMessage(WM_KEYDOWN, 'R', 1);
    PumpPlatform();
    EXPECT_EQ(Offered(WM_KEYDOWN), 1);
    // The frame's own keys go its window procedure's way.
    m_bar.m_offered.clear();
    m_host->PostMessage(WM_KEYDOWN, 'S', 0);
    m_host->PostMessage(WM_SYSKEYUP, VK_MENU, 0);
    PumpPlatform();
    EXPECT_TRUE(m_bar.m_offered.empty());
}

TEST_F(FrameKeys, AHandledKeyIsNotDispatched)
{
    m_bar.m_nHandledKey = VK_LEFT;
    m_edit.PostMessage(WM_KEYDOWN, VK_LEFT, 0);
    m_edit.PostMessage(WM_KEYDOWN, VK_RIGHT, 0);
    PumpPlatform();
    EXPECT_EQ(Offered(WM_KEYDOWN), 2);
    EXPECT_EQ(m_edit.m_nKeyDowns, 1);
}

TEST_F(FrameKeys, AFrameInsideTheFrameDoesNotKeepTheKeyFromTheOuterFramesBars)
{
    // A child frame (as an MDI child is) with a window of its own: it offers the key to its bars, then the outer
    // frame to its own.
    auto* pInner = new CFrameWnd; // deletes itself with its window
    ASSERT_TRUE(pInner->Create(nullptr, L"inner", WS_CHILD | WS_VISIBLE, CRect(0, 70, 200, 150), m_host.Get()));
    CCountingEdit edit;
    ASSERT_TRUE(edit.CreateEx(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), pInner, 103));
    edit.PostMessage(WM_KEYDOWN, 'T', 0);
    PumpPlatform();
    EXPECT_EQ(Offered(WM_KEYDOWN), 1);
    edit.DestroyWindow();
    pInner->DestroyWindow();
}
