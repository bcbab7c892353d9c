// The About box: the application opens it for its command; its text, banner and button, and no
// size gripper.
#include "app/Corvane_sms.h"
#include "app/DlgAbout.h"
#include "res/app_ids.h"

#include <gtest/gtest.h>

TEST(AboutBoxTest, ShowsTheVersionTextAndBannerWithoutAGripper)
{
    CCorvane_smsApp* app = new CCorvane_smsApp;
    AFX_CMDHANDLERINFO info = {};
    EXPECT_TRUE(app->OnCmdMsg(ID_APP_ABOUT, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(info.pTarget, app);

    CDlgAbout dlg;
    ASSERT_TRUE(dlg.Create(IDD_ABOUTBOX, nullptr));
    dlg.OnInitDialog();
    EXPECT_EQ(dlg.m_wndText.GetSafeHwnd(), ::GetDlgItem(dlg.GetSafeHwnd(), IDC_ABOUT_TEXT));
    EXPECT_EQ(dlg.m_wndOk.GetSafeHwnd(), ::GetDlgItem(dlg.GetSafeHwnd(), IDOK));
    CString strText;
    dlg.m_wndText.GetWindowText(strText);
    EXPECT_EQ(strText.Left(strText.Find(L'\n')), L"Corvane SMS Desktop Version 2.8");
    EXPECT_NE(strText.Find(L"Tampilan dibuat dengan toolkit Nimbal."), -1);
    EXPECT_FALSE(dlg.IsSizeGripShown());
    // The banner: a picture control holding bitmap 217 at the top-left.
    HWND hBanner = nullptr;
    for (HWND h = ::GetWindow(dlg.GetSafeHwnd(), GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
        if ((::GetWindowLongW(h, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP)
            hBanner = h;
    ASSERT_NE(hBanner, nullptr);
    HBITMAP hBmp = (HBITMAP)::SendMessageW(hBanner, STM_GETIMAGE, IMAGE_BITMAP, 0);
    ASSERT_NE(hBmp, nullptr);
    BITMAP bm = {};
    ::GetObjectW(hBmp, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, 338);
    EXPECT_EQ(bm.bmHeight, 100);
    dlg.DestroyWindow();
    delete app;
}
