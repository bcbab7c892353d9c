// The splitter tracking loops against what their dispatched messages do: a quit request and a
// destroyed bar end them cleanly; the steps keep the row limits.
#include "DockBarsFixture.h"

namespace
{
CExtControlBar* g_pTimerBar = nullptr;

void CALLBACK QuitTimer(HWND, UINT, UINT_PTR nID, DWORD)
{
    ::KillTimer(nullptr, nID);
    ::PostQuitMessage(7);
}

void CALLBACK DestroyTimer(HWND, UINT, UINT_PTR nID, DWORD)
{
    ::KillTimer(nullptr, nID);
    if (g_pTimerBar != nullptr)
        g_pTimerBar->DestroyWindow();
}

class SplitterLoop : public DockBarsFixture
{
protected:
    void SetUp() override
    {
        DockBarsFixture::SetUp();
        m_pA = NewResizable(L"A");
        m_pB = NewResizable(L"B");
        CExtDockBar* pLeft = Outer(AFX_IDW_DOCKBAR_LEFT);
        pLeft->DockBarInto(m_pA);
        pLeft->DockBarInto(m_pB);
        MakeOneRow(pLeft, {m_pA, m_pB});
        m_pFrame->RecalcLayout();
    }
    CHostResizableBar* m_pA = nullptr;
    CHostResizableBar* m_pB = nullptr;
};
} // namespace

TEST_F(SplitterLoop, AQuitRequestDuringTrackingEndsItAndKeepsItsExitCode)
{
    for (int nLoop = 0; nLoop < 2; ++nLoop)
    {
        ::SetTimer(nullptr, 0, 30, QuitTimer);
        if (nLoop == 0)
            m_pA->RowExtentTrackBegin();
        else
            m_pA->InRowSplitterTrackBegin();
        EXPECT_EQ(m_pA->m_bfTracking & (CExtControlBar::kTrackRowExtent | CExtControlBar::kTrackInRow), 0);
        EXPECT_EQ(::GetCapture(), nullptr);
        MSG msg = {};
        int nGot = 0;
        while (::GetMessageW(&msg, nullptr, 0, 0))
        {
            ::DispatchMessageW(&msg);
            if (++nGot > 10000)
                break;
        }
        EXPECT_EQ(msg.message, (UINT)WM_QUIT);
        EXPECT_EQ(msg.wParam, 7u);
    }
}

TEST_F(SplitterLoop, ABarDestroyedWhileTrackedEndsTheLoopWithNoCaptureLeft)
{
    g_pTimerBar = m_pB;
    ::SetTimer(nullptr, 0, 30, DestroyTimer);
    m_pB->InRowSplitterTrackBegin();
    g_pTimerBar = nullptr;
    EXPECT_FALSE(::IsWindow(m_pB->GetSafeHwnd()));
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(Outer(AFX_IDW_DOCKBAR_LEFT)->FindBar(m_pB), -1);
}

TEST_F(SplitterLoop, ACancelMessageEndsTheLoopAndLeavesTheSizes)
{
    const CSize sizeA = m_pA->m_sizeVertDocked, sizeB = m_pB->m_sizeVertDocked;
    m_pA->PostMessage(WM_CANCELMODE);
    m_pA->RowExtentTrackBegin();
    EXPECT_EQ(m_pA->m_bfTracking & CExtControlBar::kTrackRowExtent, 0);
    EXPECT_EQ(CSize(m_pA->m_sizeVertDocked), sizeA);
    EXPECT_EQ(CSize(m_pB->m_sizeVertDocked), sizeB);
    PumpMessages();
}
