// Control bars in a frame: dock-site membership, the status bar and the floating dock frame.
#include "platform/Platform.h"
#include "platform/ControlBar.h"
#include "platform/DockBar.h"
#include "platform/MiniDockFrameWnd.h"
#include "platform/StatusBar.h"
#include <gtest/gtest.h>

namespace
{
CFrameWnd* MakeHiddenFrame()
{
    auto* pFrame = new CFrameWnd;
    if (!pFrame->Create(nullptr, L"bars", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300)))
    {
        delete pFrame;
        return nullptr;
    }
    return pFrame; // deletes itself when destroyed
}

BOOL CreatePlainBar(CControlBar& bar, CWnd* pParent, UINT nID)
{
    return bar.CWnd::CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_CHILD, 0, 0, 80, 24,
                              pParent->GetSafeHwnd(), (HMENU)(UINT_PTR)nID, nullptr);
}
} // namespace

TEST(ControlBars, ABarCreatedInAFrameJoinsItsListAndLeavesItWhenDestroyed)
{
    CFrameWnd* pFrame = MakeHiddenFrame();
    ASSERT_NE(pFrame, nullptr);
    {
        CControlBar bar;
        ASSERT_TRUE(CreatePlainBar(bar, pFrame, 0xE850));
        EXPECT_EQ(bar.m_pDockSite, pFrame);
        EXPECT_NE(pFrame->m_listControlBars.Find(&bar), nullptr);
        EXPECT_EQ(pFrame->GetControlBar(0xE850), &bar);
        bar.DestroyWindow();
        EXPECT_EQ(pFrame->m_listControlBars.Find(&bar), nullptr);
    }
    {
        CControlBar bar; // destroyed with its window still alive: the destructor leaves the list
        ASSERT_TRUE(CreatePlainBar(bar, pFrame, 0xE851));
    }
    EXPECT_EQ(pFrame->m_listControlBars.GetCount(), 0);
    pFrame->DestroyWindow();
}

TEST(ControlBars, BarStyleIsKeptApartFromTheWindowStyle)
{
    CControlBar bar;
    bar.SetBarStyle(CBRS_TOP | CBRS_TOOLTIPS);
    EXPECT_EQ(bar.GetBarStyle(), (DWORD)(CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM | CBRS_TOOLTIPS));
    EXPECT_TRUE(bar.IsKindOf(RUNTIME_CLASS(CWnd)));
    CDockBar dock;
    EXPECT_FALSE(dock.m_bFloating);
    EXPECT_TRUE(dock.IsKindOf(RUNTIME_CLASS(CControlBar)));
}

TEST(ControlBars, StatusBarIsAFrameBarWithTheStatusId)
{
    CFrameWnd* pFrame = MakeHiddenFrame();
    ASSERT_NE(pFrame, nullptr);
    CStatusBar status;
    ASSERT_TRUE(status.Create(pFrame));
    EXPECT_EQ(status.GetDlgCtrlID(), AFX_IDW_STATUS_BAR);
    EXPECT_EQ(pFrame->GetControlBar(AFX_IDW_STATUS_BAR), &status);
    EXPECT_EQ(status.GetBarStyle() & CBRS_ALIGN_ANY, (DWORD)CBRS_ALIGN_BOTTOM);
    status.DestroyWindow();
    pFrame->DestroyWindow();
}

TEST(ControlBars, MiniDockFrameHoldsAFloatingDockBarOfTheParentFrame)
{
    CFrameWnd* pFrame = MakeHiddenFrame();
    ASSERT_NE(pFrame, nullptr);
    auto* pMini = new CMiniDockFrameWnd;
    ASSERT_TRUE(pMini->Create(pFrame, CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC | CBRS_TOOLTIPS));
    EXPECT_TRUE(pMini->m_wndDockBar.m_bFloating);
    EXPECT_EQ(pMini->m_wndDockBar.GetDlgCtrlID(), 0xE81F);
    EXPECT_EQ(pMini->m_wndDockBar.GetParent(), pMini);
    EXPECT_EQ(pMini->m_wndDockBar.m_pDockSite, pFrame);
    EXPECT_EQ(pMini->m_wndDockBar.GetBarStyle(), (DWORD)(CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC));
    EXPECT_EQ(::GetWindow(pMini->m_hWnd, GW_OWNER), pFrame->m_hWnd);
    pMini->DestroyWindow();
    pFrame->DestroyWindow();
}
