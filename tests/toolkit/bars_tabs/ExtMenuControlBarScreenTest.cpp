// The menu bar driven by real keys and the mouse on the shown frame (SendInput, the frame in the foreground):
// Alt and flat tracking, arrows, mnemonics of this and another tool bar, accelerators, the system menu, moving
// between top-level menus, clicks, wrapping onto a second row and the painted hot item.
#include <gtest/gtest.h>
#include "MenuBarTestSupport.h"
#include "TabTestSupport.h"
#include "support/DibCanvas.h"
#include "toolkit/bars_tabs/ExtBarButton.h"
#include "toolkit/bars_tabs/ExtMenuControlBar.h"
#include "toolkit/foundation/ExtCmdItem.h"
#include "toolkit/foundation/ExtCmdManager.h"
#include "toolkit/menus_dialogs/ExtPopupMenuTrackingSite.h"
#include "toolkit/menus_dialogs/ExtPopupMenuWnd.h"

using namespace menutest;

namespace
{

class MenuBarScreen : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = Host();
        m_pBar = CreateMenuBar(m_pFrame);
        ASSERT_NE(m_pBar, nullptr);
        PumpPlatform(30);
        m_pFrame->m_wndEdit.SetFocus();
    }
    void TearDown() override
    {
        for (WORD vk : {VK_MENU, VK_CONTROL, VK_SHIFT})
            if (::GetAsyncKeyState(vk) & 0x8000)
                Key(vk, false);
        DestroyMenuBar(m_pBar);
    }
    bool Flat(int nIndex) const { return m_pBar->IsFlatTracking() && m_pBar->GetFlatTrackingIndex() == nIndex; }
    bool Pressed(int nIndex) const { return (m_pBar->GetButton(nIndex)->GetStyle() & TBBS_PRESSED) != 0; }
    static bool PopupOpen() { return CExtPopupMenuWnd::IsMenuTracking() && g_TrackingSite.GetInstance() != nullptr; }
    bool Tracked(int nIndex) const
    {
        return PopupOpen() && CExtToolControlBar::g_bMenuTracking && m_pBar->GetMenuTrackingButton() == nIndex;
    }
    // A click of the real left button at a client point of the bar.
    void Click(CPoint ptClient)
    {
        m_pBar->ClientToScreen(&ptClient);
        RunInputScript([&] {
            SendMouse(ptClient.x, ptClient.y, 0);
            SendMouse(ptClient.x, ptClient.y, MOUSEEVENTF_LEFTDOWN);
            SendMouse(ptClient.x, ptClient.y, MOUSEEVENTF_LEFTUP);
        });
    }
    CPoint ButtonCenter(int nIndex) const
    {
        CRect rc = m_pBar->GetButton(nIndex)->GetRect();
        return rc.CenterPoint();
    }

    CMenuHostFrame* m_pFrame = nullptr;
    CExtMenuControlBar* m_pBar = nullptr;
};

} // namespace

TEST_F(MenuBarScreen, AltFlatTracksTheFirstItemAndASecondAltLeavesIt)
{
    Tap(VK_MENU);
    ASSERT_TRUE(PumpUntil([&] { return Flat(0); }));
    EXPECT_TRUE(Pressed(0));
    EXPECT_FALSE(PopupOpen());
    Tap(VK_MENU);
    EXPECT_TRUE(PumpUntil([&] { return !m_pBar->IsFlatTracking(); }));
    EXPECT_FALSE(Pressed(0));
    // The same with the focus in the frame itself (the hook's way).
    m_pFrame->SetFocus();
    Tap(VK_MENU);
    ASSERT_TRUE(PumpUntil([&] { return Flat(0); }));
    Tap(VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([&] { return !m_pBar->IsFlatTracking(); }));
}

TEST_F(MenuBarScreen, ArrowsWrapAndDownOpensTheHotItemsPopupWithItsFirstItem)
{
    Tap(VK_MENU);
    ASSERT_TRUE(PumpUntil([&] { return Flat(0); }));
    Tap(VK_LEFT);
    EXPECT_TRUE(PumpUntil([&] { return Flat(4); }));
    EXPECT_TRUE(Pressed(4));
    EXPECT_FALSE(Pressed(0));
    Tap(VK_RIGHT);
    EXPECT_TRUE(PumpUntil([&] { return Flat(0); }));
    Tap(VK_RIGHT);
    EXPECT_TRUE(PumpUntil([&] { return Flat(1); }));
    Tap(VK_DOWN);
    ASSERT_TRUE(PumpUntil([&] { return Tracked(1); }));
    EXPECT_FALSE(m_pBar->IsFlatTracking());
    // Opened from the keyboard with its first item selected.
    EXPECT_NE(g_TrackingSite.GetInstance()->GetTrackFlags() & CExtPopupMenuWnd::TRACK_SELECT_ANY, 0u);
    Tap(VK_ESCAPE);
    Tap(VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([&] { return !PopupOpen() && !m_pBar->IsFlatTracking(); }));
}

TEST_F(MenuBarScreen, AltLetterOpensItsMenuAndAnotherToolBarsMnemonicRunsItsCommand)
{
    AltTap('E');
    ASSERT_TRUE(PumpUntil([&] { return Tracked(1); }));
    CExtToolControlBar::CloseTrackingMenus();
    PumpPlatform(30);
    // A command button with the mnemonic Z on a second tool bar of the frame.
    CExtCmdItem cmd(ID_MS_TOOL_ZOOM);
    cmd.m_sMenuText = cmd.m_sToolbarText = L"&Zoom";
    g_CmdManagerHolder->SetupCommand(kProfile, cmd, true);
    CExtToolControlBar tools;
    ASSERT_TRUE(tools.Create(L"Tools", m_pFrame, 0xA210));
    const UINT ids[] = {ID_MS_TOOL_ZOOM};
    ASSERT_TRUE(tools.SetButtons(ids, 1));
    tools.EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->DockControlBar(&tools, AFX_IDW_DOCKBAR_TOP);
    m_pFrame->RecalcLayout();
    m_pFrame->m_wndEdit.SetFocus();
    AltTap('Z');
    EXPECT_TRUE(
        PumpUntil([&] { return !m_pFrame->m_commands.empty() && m_pFrame->m_commands.back() == ID_MS_TOOL_ZOOM; }));
    EXPECT_FALSE(PopupOpen());
    tools.DestroyWindow();
    m_pFrame->RecalcLayout();
}

TEST_F(MenuBarScreen, AnAcceleratorWhileAltIsHeldKeepsTheAltReleaseFromActivatingTheBar)
{
    Key(VK_MENU, true);
    Key(VK_CONTROL, true);
    Tap('K');
    Key(VK_CONTROL, false);
    Key(VK_MENU, false);
    // The keys are handled; a while longer for what the release of Alt might post.
    PumpPlatform(50);
    EXPECT_TRUE(PumpUntil([&] { return !m_pFrame->m_commands.empty(); }));
    ASSERT_FALSE(m_pFrame->m_commands.empty());
    EXPECT_EQ(m_pFrame->m_commands.back(), (UINT)ID_MS_ACCEL_CMD);
    EXPECT_FALSE(m_pBar->IsFlatTracking());
}

TEST_F(MenuBarScreen, AltSpaceOpensTheSystemMenuAndRightMovesThroughTheTopLevelMenus)
{
    AltTap(VK_SPACE);
    ASSERT_TRUE(PumpUntil([&] { return PopupOpen(); }));
    EXPECT_NE(m_pBar->m_nTrackingFlags & CExtMenuControlBar::kTrackSystemMenu, 0);
    EXPECT_EQ(m_pBar->GetMenuTrackingButton(), -1);
    CExtPopupMenuWnd::CancelMenuTracking();
    CExtToolControlBar::CloseTrackingMenus();
    PumpPlatform(30);
    m_pFrame->m_wndEdit.SetFocus();
    AltTap('H');
    ASSERT_TRUE(PumpUntil([&] { return Tracked(4); }));
    // From the last menu Right goes on to the frame's system menu, then to the first menu.
    Tap(VK_RIGHT);
    ASSERT_TRUE(PumpUntil([&] { return PopupOpen() && m_pBar->GetMenuTrackingButton() == -1; }));
    Tap(VK_RIGHT);
    ASSERT_TRUE(PumpUntil([&] { return Tracked(0); }));
    Tap(VK_RIGHT);
    EXPECT_TRUE(PumpUntil([&] { return Tracked(1); }));
}

TEST_F(MenuBarScreen, AClickOpensAMenuMovingSwitchesAndAPressOnTheOpenItemIsIgnored)
{
    Click(ButtonCenter(0));
    ASSERT_TRUE(PumpUntil([&] { return Tracked(0); }));
    // Moves are eaten until the menu is shown and done animating its opening.
    PumpUntil([&] {
        CExtPopupMenuWnd* pPopup = g_TrackingSite.GetInstance();
        return pPopup != nullptr && ::IsWindowVisible(pPopup->GetSafeHwnd()) &&
               g_TrackingSite.GetAnimatingPopup() == nullptr;
    });
    CPoint ptMid = ButtonCenter(0) + CSize(2, 0), ptTo = ButtonCenter(2);
    m_pBar->ClientToScreen(&ptMid);
    m_pBar->ClientToScreen(&ptTo);
    RunInputScript([&] {
        SendMouse(ptMid.x, ptMid.y, 0);
        SendMouse(ptTo.x, ptTo.y, 0);
    });
    ASSERT_TRUE(PumpUntil([&] { return Tracked(2); }));
    Click(ButtonCenter(2));
    // The press is handled; a while longer for what it might post.
    PumpPlatform(50);
    EXPECT_TRUE(Tracked(2));
    Tap(VK_ESCAPE);
}

TEST_F(MenuBarScreen, ANarrowFrameWrapsTheBarOntoASecondRowWithoutAChevron)
{
    CRect rcBar;
    m_pBar->GetWindowRect(&rcBar);
    const int nOneRow = rcBar.Height();
    CRect rcFrame;
    m_pFrame->GetWindowRect(&rcFrame);
    m_pFrame->SetWindowPos(nullptr, 0, 0, 170, rcFrame.Height(), SWP_NOMOVE | SWP_NOZORDER);
    m_pFrame->RecalcLayout();
    PumpPlatform(30);
    m_pBar->GetWindowRect(&rcBar);
    EXPECT_GT(rcBar.Height(), nOneRow + 10);
    EXPECT_EQ(m_pBar->GetRightButton(), nullptr);
    EXPECT_GT(m_pBar->GetButton(4)->GetRect().top, m_pBar->GetButton(0)->GetRect().top);
    m_pFrame->SetWindowPos(nullptr, 0, 0, rcFrame.Width(), rcFrame.Height(), SWP_NOMOVE | SWP_NOZORDER);
    m_pFrame->RecalcLayout();
}

TEST_F(MenuBarScreen, AHotItemInFlatTrackingDiffersFromIdleOnlyInsideItsRectangle)
{
    CRect rcClient;
    m_pBar->GetClientRect(&rcClient);
    DibCanvas idle(rcClient.Width(), rcClient.Height());
    m_pBar->DoPaint(&idle.dc);
    Tap(VK_MENU);
    ASSERT_TRUE(PumpUntil([&] { return Flat(0); }));
    DibCanvas hot(rcClient.Width(), rcClient.Height());
    m_pBar->DoPaint(&hot.dc);
    const CRect rcItem = m_pBar->GetButton(0)->GetRect();
    int nInside = 0, nOutside = 0;
    for (int y = 0; y < rcClient.Height(); ++y)
        for (int x = 0; x < rcClient.Width(); ++x)
            if (idle.At(x, y) != hot.At(x, y))
                ++(rcItem.PtInRect(CPoint(x, y)) ? nInside : nOutside);
    EXPECT_GT(nInside, 10);
    EXPECT_EQ(nOutside, 0);
    Tap(VK_ESCAPE);
}

namespace
{
// A dialog-like window that offers its keys to its child bars.
class CKeyOfferingDialog : public CWnd
{
public:
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (CExtControlBar::PreTranslateChildBars(this, pMsg))
            return TRUE;
        return CWnd::PreTranslateMessage(pMsg);
    }
};
} // namespace

TEST(MenuBarDialogScreen, AMenuBarOnADialogHooksItsParentAndAnswersAlt)
{
    CKeyOfferingDialog dlg;
    ASSERT_TRUE(dlg.CreateEx(WS_EX_DLGMODALFRAME, AfxRegisterWndClass(0), L"Dialog", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                             CRect(200, 200, 600, 420), nullptr, 0));
    g_CmdManagerHolder->CreateProfile(L"MenuBarDialog", dlg.m_hWnd);
    CWnd edit;
    ASSERT_TRUE(edit.CreateEx(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE, CRect(10, 60, 200, 84), &dlg, 5));
    CExtMenuControlBar bar;
    ASSERT_TRUE(bar.Create(L"Menu bar", &dlg, 0xA220, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    EXPECT_TRUE(bar.IsDialogMode());
    EXPECT_EQ(bar.m_hWndHooked, dlg.m_hWnd);
    EXPECT_TRUE(bar.IsAttachedToWindow(dlg.m_hWnd));
    ASSERT_TRUE(bar.LoadMenuBar(IDR_MS_MENU_ALT));
    bar.MoveWindow(0, 0, 400, 26);
    ::SetForegroundWindow(dlg.m_hWnd);
    edit.SetFocus();
    EXPECT_TRUE(SettleInput([] { PumpPlatform(0); })); // the focus events, before the keys
    Tap(VK_MENU);
    EXPECT_TRUE(PumpUntil([&] { return bar.IsFlatTracking() && bar.GetFlatTrackingIndex() == 0; }));
    Tap(VK_RIGHT);
    EXPECT_TRUE(PumpUntil([&] { return bar.GetFlatTrackingIndex() == 1; }));
    EXPECT_EQ(bar.GetFlatTrackingIndex(), 1);
    Tap(VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([&] { return !bar.IsFlatTracking(); }));
    EXPECT_FALSE(bar.IsFlatTracking());
    bar.DestroyWindow();
    edit.DestroyWindow();
    dlg.DestroyWindow();
}

TEST_F(MenuBarScreen, AKeyboardMenuOfAFloatingBarLeavesTheFrameActiveAndTheNextKeysReachTheView)
{
    m_pFrame->FloatControlBar(m_pBar, CPoint(300, 300));
    m_pFrame->RecalcLayout();
    ASSERT_TRUE(PumpUntil([&] { return CExtControlBar::IsFloating(m_pBar) && m_pBar->IsWindowVisible(); }));
    const HWND hFloat = m_pBar->GetParentFrame()->GetSafeHwnd();
    ASSERT_NE(hFloat, m_pFrame->GetSafeHwnd());
    ::SetForegroundWindow(m_pFrame->m_hWnd);
    m_pFrame->m_wndEdit.SetFocus();
    ASSERT_TRUE(SettleInput([] { PumpPlatform(0); }));
    ASSERT_EQ(::GetActiveWindow(), m_pFrame->m_hWnd);
    m_pFrame->m_wndEdit.SetWindowText(L"");
    AltTap('F');
    ASSERT_TRUE(PumpUntil([&] { return Tracked(0); }));
    Tap(VK_ESCAPE);
    Tap(VK_ESCAPE);
    ASSERT_TRUE(PumpUntil([&] { return !PopupOpen() && !m_pBar->IsFlatTracking(); }));
    EXPECT_EQ(::GetActiveWindow(), m_pFrame->m_hWnd);
    EXPECT_NE(::GetActiveWindow(), hFloat);
    // Typed text lands in the view.
    Tap('A');
    Tap('B');
    CString sText;
    EXPECT_TRUE(PumpUntil([&] {
        m_pFrame->m_wndEdit.GetWindowText(sText);
        return sText == L"ab";
    })) << std::wstring(sText.GetString());
    // Alt, then Down opens the first menu again.
    Tap(VK_MENU);
    ASSERT_TRUE(PumpUntil([&] { return Flat(0); }));
    Tap(VK_DOWN);
    EXPECT_TRUE(PumpUntil([&] { return Tracked(0); }));
    Tap(VK_ESCAPE);
    Tap(VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([&] { return !PopupOpen() && !m_pBar->IsFlatTracking(); }));
}
