// End to end through the colour test host: the button's custom colour runs the toolkit colour dialog (OK delivers
// the chosen colour, Cancel keeps the old one), and the combo switches the control's model.
#include "ColorTestHost.h"
#include "ColorTestSupport.h"
#include "res/toolkit_color_ids.h"
#include "toolkit/extras/ExtColorDlg.h"
#include "toolkit/menus_dialogs/ExtPopupColorMenuWnd.h"

using namespace colortest;

namespace
{
HWND g_hWndOwner = nullptr;
UINT g_nCommand = IDOK;
HWND g_hWndDialogSeen = nullptr;
CString g_strCaptionSeen;

BOOL CALLBACK FindColorDialog(HWND hWnd, LPARAM)
{
    if (::GetWindow(hWnd, GW_OWNER) != g_hWndOwner || !::IsWindowVisible(hWnd))
        return TRUE;
    // The toolkit dialog: it has the mode combo and the large colour control.
    HWND hWndRed = ::GetDlgItem(hWnd, IDC_EXT_COLOR_EDIT_R);
    if (hWndRed == nullptr || ::GetDlgItem(hWnd, IDC_EXT_COLOR_CTRL_MAIN) == nullptr)
        return TRUE;
    g_hWndDialogSeen = hWnd;
    ::SetWindowTextW(hWndRed, L"255");
    ::PostMessageW(hWnd, WM_COMMAND, MAKEWPARAM(g_nCommand, BN_CLICKED), 0);
    return FALSE;
}

void CALLBACK EndDialogTimer(HWND, UINT, UINT_PTR nId, DWORD)
{
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindColorDialog, 0);
    if (g_hWndDialogSeen != nullptr)
        ::KillTimer(nullptr, nId);
}
} // namespace

TEST(ColorHost, CustomColourRunsTheToolkitDialogOkDeliversCancelKeeps)
{
    CColorTestHost host;
    ASSERT_TRUE(host.CreateHost(CRect(40, 40, 440, 440)));
    host.m_btnColor.m_clrSelected = RGB(10, 20, 30);
    g_hWndOwner = host.GetSafeHwnd();
    for (UINT nCommand : {(UINT)IDCANCEL, (UINT)IDOK})
    {
        g_nCommand = nCommand;
        g_hWndDialogSeen = nullptr;
        const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 50, &EndDialogTimer);
        EXPECT_EQ(host.m_btnColor.SendMessage(CExtPopupColorMenuWnd::g_nMsgNotifyCustColor, 0, 0), 0);
        ::KillTimer(nullptr, nTimer);
        EXPECT_NE(g_hWndDialogSeen, nullptr) << nCommand;
        if (nCommand == IDCANCEL)
        {
            EXPECT_TRUE(host.m_finalColors.empty());
            EXPECT_EQ(host.m_btnColor.m_clrSelected, RGB(10, 20, 30));
        }
    }
    ASSERT_EQ(host.m_finalColors.size(), 1u);
    EXPECT_EQ(host.m_finalColors[0], RGB(255, 20, 30));
    EXPECT_EQ(host.m_btnColor.m_clrSelected, RGB(255, 20, 30));
    host.DestroyWindow();
}

TEST(ColorHost, TheComboSwitchesTheControlsModel)
{
    CColorTestHost host;
    ASSERT_TRUE(host.CreateHost(CRect(40, 40, 440, 440)));
    ASSERT_EQ(host.m_comboMode.GetCount(), 16);
    host.m_comboMode.SetCurSel(15);
    host.SendMessage(WM_COMMAND, MAKEWPARAM(CColorTestHost::kIdCombo, CBN_SELENDOK),
                     (LPARAM)host.m_comboMode.GetSafeHwnd());
    EXPECT_EQ(host.m_wndCtrl.m_nMode, 15);
    host.m_wndCtrl.m_selClrs.m_clrRef = RGB(0, 0, 200);
    host.m_wndCtrl.RecalcLayout(true);
    host.m_wndCtrl.SetColor(RGB(200, 0, 0));
    CClientDC dc(&host.m_wndCtrl);
    EXPECT_EQ(dc.GetPixel(150, 50), RGB(200, 0, 0));
    EXPECT_EQ(dc.GetPixel(150, 250), RGB(0, 0, 200));
    host.m_comboMode.SetCurSel(-1);
    host.SendMessage(WM_COMMAND, MAKEWPARAM(CColorTestHost::kIdCombo, CBN_SELENDOK),
                     (LPARAM)host.m_comboMode.GetSafeHwnd());
    EXPECT_EQ(host.m_wndCtrl.m_nMode, 15);
    host.DestroyWindow();
}
