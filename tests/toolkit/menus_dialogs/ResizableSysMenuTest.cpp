// The toolkit system menu of resizable windows: Alt+Space, caption and icon clicks, the watch timer.
#include "ResizableTestSupport.h"
#include "support/InputScript.h"
#include "toolkit/menus_dialogs/ExtPopupMenuTrackingSite.h"
#include <algorithm>

namespace
{
MSG AltSpace(HWND hWnd, UINT message)
{
    MSG msg = {};
    msg.hwnd = hWnd;
    msg.message = message;
    msg.wParam = VK_SPACE;
    msg.lParam = 1 | (1 << 29);
    return msg;
}
} // namespace

class ResizableSysMenu : public ResizableTest
{
protected:
    CTestResizableDialog* ShowPopupDialog()
    {
        CTestResizableDialog* pDlg = NewDialog(PopupTemplate());
        pDlg->SetWindowPos(&CWnd::wndTopMost, 120, 100, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        pDlg->SetForegroundWindow();
        pDlg->SetActiveWindow();
        pDlg->SetFocus();
        EXPECT_TRUE(SettleInput(Pump)); // the focus events of the activation, before Alt is held
        return pDlg;
    }
    static CExtPopupMenuWnd* Menu() { return g_TrackingSite.GetInstance(); }
    static int SysCommands(CTestResizableDialog* pDlg, UINT nCmd)
    {
        return (int)std::count(pDlg->m_sysCommands.begin(), pDlg->m_sysCommands.end(), nCmd);
    }
};

TEST_F(ResizableSysMenu, AltSpaceOpensTheToolkitMenuWithItsFirstItemAndTheTimerClearsTheFlag)
{
    CTestResizableDialog* pDlg = ShowPopupDialog();
    ASSERT_EQ(::GetForegroundWindow(), pDlg->GetSafeHwnd());
    SendKeyInput(VK_MENU, true);
    SendKeyInput(VK_SPACE, true);
    SendKeyInput(VK_SPACE, false);
    EXPECT_TRUE(PumpInput());
    ASSERT_TRUE(CExtPopupMenuWnd::IsMenuTracking());
    ASSERT_NE(Menu(), nullptr);
    EXPECT_GE(Menu()->GetCurrentItem(), 0);
    EXPECT_NE(pDlg->m_nWsFlags & CTestResizableDialog::kWsSysMenuShowing, 0);
    CExtPopupMenuWnd::CancelMenuTracking();
    SendKeyInput(VK_MENU, false);
    EXPECT_TRUE(PumpInput());
    // The watch timer clears the flag at its next tick.
    EXPECT_TRUE(PumpUntil([pDlg]() { return (pDlg->m_nWsFlags & CTestResizableDialog::kWsSysMenuShowing) == 0; }));
    EXPECT_FALSE(CExtPopupMenuWnd::IsMenuTracking());
    EXPECT_EQ(pDlg->m_nWsFlags & CTestResizableDialog::kWsSysMenuShowing, 0);
    // The release of Alt does not reach the default procedure as a lone Alt (the native menu mode).
    EXPECT_EQ(SysCommands(pDlg, SC_KEYMENU), 0);
}

TEST_F(ResizableSysMenu, ARightClickOnTheCaptionOpensTheMenuAtTheCursor)
{
    CTestResizableDialog* pDlg = ShowPopupDialog();
    CRect rcWnd;
    pDlg->GetWindowRect(&rcWnd);
    const CPoint pt(rcWnd.left + 40, rcWnd.top + 8);
    ::SetCursorPos(pt.x, pt.y);
    EXPECT_EQ(pDlg->SendMessage(WM_NCRBUTTONUP, HTCAPTION, MAKELPARAM(pt.x, pt.y)), 0);
    ASSERT_TRUE(CExtPopupMenuWnd::IsMenuTracking());
    CRect rcMenu;
    Menu()->GetWindowRect(&rcMenu);
    EXPECT_EQ(rcMenu.TopLeft(), pt);
    EXPECT_LT(Menu()->GetCurrentItem(), 0); // nothing highlighted from the mouse
    EXPECT_NE(pDlg->m_nWsFlags & CTestResizableDialog::kWsSysMenuShowing, 0);
}

TEST_F(ResizableSysMenu, ALeftClickOnTheIconOpensTheMenuAtTheClientTopLeftAndCloseArrivesAsASysCommand)
{
    CTestResizableDialog* pDlg = ShowPopupDialog();
    EXPECT_EQ(pDlg->SendMessage(WM_NCLBUTTONDOWN, HTSYSMENU, 0), 0);
    EXPECT_FALSE(CExtPopupMenuWnd::IsMenuTracking());
    EXPECT_EQ(pDlg->SendMessage(WM_NCLBUTTONUP, HTSYSMENU, 0), 0);
    ASSERT_TRUE(CExtPopupMenuWnd::IsMenuTracking());
    CRect rcWnd, rcMenu;
    pDlg->GetWindowRect(&rcWnd);
    CPoint ptClient(0, 0);
    pDlg->ClientToScreen(&ptClient);
    Menu()->GetWindowRect(&rcMenu);
    EXPECT_EQ(rcMenu.TopLeft(), CPoint(rcWnd.left + ::GetSystemMetrics(SM_CXFRAME), ptClient.y));

    // A click during the opening animation is eaten: its end is waited for.
    EXPECT_TRUE(PumpUntil([]() { return g_TrackingSite.GetAnimatingPopup() == nullptr; }));
    CExtPopupMenuWnd* pMenu = Menu();
    ASSERT_EQ(g_TrackingSite.GetAnimatingPopup(), nullptr);
    int nClose = -1;
    for (int i = 0; i < pMenu->GetItemCount(); ++i)
        if (pMenu->ItemGetCmdID(i) == SC_CLOSE)
            nClose = i;
    ASSERT_GE(nClose, 0);
    CRect rcItem;
    pMenu->GetItemRect(nClose, rcItem, true);
    bool bPassOn = false;
    pMenu->HandleMouseClick(WM_LBUTTONUP, rcItem.CenterPoint().x, rcItem.CenterPoint().y, bPassOn);
    EXPECT_TRUE(
        PumpUntil([pDlg]() { return !CExtPopupMenuWnd::IsMenuTracking() && SysCommands(pDlg, SC_CLOSE) != 0; }));
    EXPECT_FALSE(CExtPopupMenuWnd::IsMenuTracking());
    EXPECT_EQ(SysCommands(pDlg, SC_CLOSE), 1);
}

TEST_F(ResizableSysMenu, AChildDialogHasNoToolkitSystemMenuAndLetsAltSpacePass)
{
    CTestResizableDialog* pDlg = NewDialog(ChildTemplate());
    EXPECT_FALSE(pDlg->TrackSystemMenu(nullptr, true));
    MSG down = AltSpace(pDlg->GetSafeHwnd(), WM_SYSKEYDOWN), up = AltSpace(pDlg->GetSafeHwnd(), WM_SYSKEYUP);
    EXPECT_FALSE(pDlg->CallPreTranslate(&down));
    EXPECT_FALSE(pDlg->CallPreTranslate(&up));
    EXPECT_FALSE(CExtPopupMenuWnd::IsMenuTracking());
    EXPECT_EQ(pDlg->m_nWsFlags & CTestResizableDialog::kWsSysMenuShowing, 0);
    // A popup swallows the key-up of Alt+Space.
    CTestResizableDialog* pPopup = NewDialog(PopupTemplate());
    MSG popupUp = AltSpace(pPopup->GetSafeHwnd(), WM_SYSKEYUP);
    EXPECT_TRUE(pPopup->CallPreTranslate(&popupUp));
}
