// Frame docking set-up: outer dock bars replace the platform's, with the mend that a failed
// creation leaves the platform dock bar working.
#include <gtest/gtest.h>
#include "DockingHost.h"
#include "toolkit/docking/ExtDockOuterBar.h"
#include "toolkit/docking/ExtMiniDockFrameWnd.h"

namespace
{
const UINT kSides[4] = {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT};

HHOOK g_hCbtHook = nullptr;
// Refuses the creation of every "Nimbal-DockBar" window.
LRESULT CALLBACK RefuseDockBars(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_CREATEWND)
    {
        auto* pCreate = reinterpret_cast<CBT_CREATEWNDW*>(lParam);
        if (!IS_INTRESOURCE(pCreate->lpcs->lpszClass) && ::lstrcmpiW(pCreate->lpcs->lpszClass, L"Nimbal-DockBar") == 0)
            return 1;
    }
    return ::CallNextHookEx(g_hCbtHook, nCode, wParam, lParam);
}

class FrameDockingSetup : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CDockingHostFrame;
        ASSERT_TRUE(m_pFrame->CreateHost());
    }
    void TearDown() override { m_pFrame->DestroyWindow(); }
    CDockingHostFrame* m_pFrame = nullptr;
};
} // namespace

TEST_F(FrameDockingSetup, LeftAndRightOnlyAnswersFalseAndKeepsThePlatformDockBars)
{
    EXPECT_FALSE(CExtControlBar::SetupFrameDocking(m_pFrame, CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT));
    for (UINT nID : {AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT})
    {
        CControlBar* pDock = m_pFrame->GetControlBar(nID);
        ASSERT_NE(pDock, nullptr);
        EXPECT_FALSE(pDock->IsKindOf(RUNTIME_CLASS(CExtDockOuterBar)));
    }
    EXPECT_NE(m_pFrame->m_pFloatingFrameClass, RUNTIME_CLASS(CExtMiniDockFrameWnd));
}

TEST_F(FrameDockingSetup, AnySideGivesFourOuterDockBarsAndTheToolkitFloatingFrame)
{
    ASSERT_TRUE(CExtControlBar::SetupFrameDocking(m_pFrame, CBRS_ALIGN_ANY));
    for (UINT nID : kSides)
    {
        CControlBar* pDock = m_pFrame->GetControlBar(nID);
        ASSERT_NE(pDock, nullptr);
        EXPECT_TRUE(pDock->IsKindOf(RUNTIME_CLASS(CExtDockOuterBar)));
        EXPECT_EQ((UINT)pDock->GetDlgCtrlID(), nID);
    }
    EXPECT_EQ(m_pFrame->m_pFloatingFrameClass, RUNTIME_CLASS(CExtMiniDockFrameWnd));
    // A second set-up keeps the outer dock bars.
    CControlBar* pTop = m_pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP);
    ASSERT_TRUE(CExtControlBar::SetupFrameDocking(m_pFrame, CBRS_ALIGN_ANY));
    EXPECT_EQ(m_pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP), pTop);
}

TEST_F(FrameDockingSetup, AResizableBarSetsItUpWhenItsWindowIsCreated)
{
    EXPECT_EQ(m_pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP), nullptr);
    ASSERT_NE(m_pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Bar"), nullptr);
    for (UINT nID : kSides)
    {
        CControlBar* pDock = m_pFrame->GetControlBar(nID);
        ASSERT_NE(pDock, nullptr);
        EXPECT_TRUE(pDock->IsKindOf(RUNTIME_CLASS(CExtDockOuterBar)));
    }
}

TEST_F(FrameDockingSetup, ARefusedDockBarWindowLeavesThePlatformDockBarInPlace)
{
    m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
    CControlBar* pOldTop = m_pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP);
    ASSERT_NE(pOldTop, nullptr);
    const HWND hOldTop = pOldTop->GetSafeHwnd();
    g_hCbtHook = ::SetWindowsHookExW(WH_CBT, RefuseDockBars, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(g_hCbtHook, nullptr);
    const bool bResult = CExtControlBar::SetupFrameDocking(m_pFrame, CBRS_ALIGN_ANY);
    ::UnhookWindowsHookEx(g_hCbtHook);
    g_hCbtHook = nullptr;
    EXPECT_FALSE(bResult);
    EXPECT_EQ(m_pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP), pOldTop);
    EXPECT_TRUE(::IsWindow(hOldTop));
    // The platform dock bar still docks bars.
    CHostFixedBar bar;
    ASSERT_TRUE(bar.CreateInFrame(m_pFrame, 0xA1F0, L"Fixed"));
    m_pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(bar.GetParent(), pOldTop);
    bar.DestroyWindow();
}

TEST_F(FrameDockingSetup, ReplacementTakesTheOldDockBarsPlaceInTheZOrder)
{
    m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
    HWND hBefore = ::GetWindow(m_pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP)->GetSafeHwnd(), GW_HWNDPREV);
    ASSERT_TRUE(CExtControlBar::SetupFrameDocking(m_pFrame, CBRS_ALIGN_ANY));
    HWND hNewTop = m_pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP)->GetSafeHwnd();
    EXPECT_EQ(::GetWindow(hNewTop, GW_HWNDPREV), hBefore);
}
