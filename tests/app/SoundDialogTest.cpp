// The sound dialog: the settings it shows and stores, "Keluar" storing nothing, the play buttons
// and the browse buttons' save form.
#include "phone/PhoneLinkTestSupport.h"
#include "app/DlgSound.h"
#include "phone/AppSettings.h"
#include "res/app_tools_ids.h"

using namespace phonetest;

namespace
{
struct SoundDialogTest : HostTest
{
    void SetUp() override
    {
        HostTest::SetUp();
        if (IsSkipped())
            return;
        SetSetting(L"isSuaraOn", 1);
        SetSetting(L"isSuaraTapIconOn", 0);
        SetSetting(L"isSuaraRecOn", 1);
        SetSetting(L"isSuaraSentOn", 1);
        SetSetting(L"isSuaraNewMsgOn", 0);
        SetSettingText(L"suara_rec", L"C:\\a\\rec.wav");
        SetSettingText(L"suara_sent", L"C:\\a\\sent.wav");
        SetSettingText(L"suara_newmsg", L"C:\\a\\new.wav");
    }
    void Press(CDlgSound& dlg, UINT nID)
    {
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)::GetDlgItem(dlg.GetSafeHwnd(), nID));
    }
};
} // namespace

TEST_F(SoundDialogTest, OkStoresTheSwitchesAndPathsAndKeluarStoresNothing)
{
    CDlgSound dlg;
    ASSERT_TRUE(dlg.Create(IDD_SOUND, nullptr));
    EXPECT_EQ(dlg.m_wndSoundOn.GetCheck(), BST_CHECKED);
    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_SOUND_TAP), 0u);
    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_SOUND_REC_ON), 1u);
    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_SOUND_NEW_ON), 0u);
    CString path;
    dlg.GetDlgItemText(IDC_SOUND_SENT_PATH, path);
    EXPECT_EQ(path, L"C:\\a\\sent.wav");

    // "Keluar": nothing stored.
    dlg.CheckDlgButton(IDC_SOUND_ON, BST_UNCHECKED);
    dlg.SetDlgItemText(IDC_SOUND_REC_PATH, L"x.wav");
    Press(dlg, IDCANCEL);
    CAppSettings settings;
    EXPECT_EQ(settings.GetIsSuaraOn(), 1u);
    EXPECT_EQ(settings.GetSuaraRec(), L"C:\\a\\rec.wav");
    dlg.DestroyWindow();

    // OK: every switch and path, a typed path as typed.
    CDlgSound dlg2;
    ASSERT_TRUE(dlg2.Create(IDD_SOUND, nullptr));
    dlg2.m_wndSoundOn.SetCheck(BST_UNCHECKED);
    dlg2.CheckDlgButton(IDC_SOUND_TAP, BST_CHECKED);
    dlg2.CheckDlgButton(IDC_SOUND_REC_ON, BST_UNCHECKED);
    dlg2.CheckDlgButton(IDC_SOUND_NEW_ON, BST_CHECKED);
    dlg2.SetDlgItemText(IDC_SOUND_NEW_PATH, L"tidak ada\\bunyi.wav");
    Press(dlg2, IDOK);
    EXPECT_EQ(dlg2.m_nModalResult, IDOK);
    EXPECT_EQ(settings.GetIsSuaraOn(), 0u);
    EXPECT_EQ(settings.GetIsSuaraTapIconOn(), 1u);
    EXPECT_EQ(settings.GetIsSuaraRecOn(), 0u);
    EXPECT_EQ(settings.GetIsSuaraSentOn(), 1u);
    EXPECT_EQ(settings.GetIsSuaraNewMsgOn(), 1u);
    EXPECT_EQ(settings.GetSuaraRec(), L"C:\\a\\rec.wav");
    EXPECT_EQ(settings.GetSuaraSent(), L"C:\\a\\sent.wav");
    EXPECT_EQ(settings.GetSuaraNewMsg(), L"tidak ada\\bunyi.wav");
    dlg2.DestroyWindow();
}

TEST_F(SoundDialogTest, PlayButtonsPlayQuietlyAndBrowseButtonsShowTheSaveForm)
{
    CDlgSound dlg;
    ASSERT_TRUE(dlg.Create(IDD_SOUND, nullptr));
    // Icons on the six hover buttons.
    for (UINT id : {IDC_SOUND_REC_BROWSE, IDC_SOUND_REC_PLAY, IDC_SOUND_NEW_PLAY})
        EXPECT_TRUE(::GetWindowLongW(::GetDlgItem(dlg.GetSafeHwnd(), id), GWL_STYLE) & BS_OWNERDRAW) << id;
    dlg.SetDlgItemText(IDC_SOUND_REC_PATH, GetAppFolder() + L"finish_rec.wav");
    for (UINT id : {IDC_SOUND_REC_PLAY, IDC_SOUND_SENT_PLAY, IDC_SOUND_NEW_PLAY})
        Press(dlg, id);
    EXPECT_TRUE(boxes.Boxes().empty()) << boxes.All();

    static CString s_title;
    s_title.Empty();
    ::SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR id, DWORD) {
        HWND hBox = ::GetActiveWindow();
        wchar_t buf[64] = {};
        if (hBox == nullptr || !::GetWindowTextW(hBox, buf, 64) || wcscmp(buf, L"Setting Suara") == 0)
            return;
        ::KillTimer(nullptr, id);
        s_title = buf;
        ::PostMessageW(hBox, WM_COMMAND, IDCANCEL, 0);
    });
    dlg.ShowWindow(SW_SHOW);
    ::SetForegroundWindow(dlg.GetSafeHwnd());
    Press(dlg, IDC_SOUND_SENT_BROWSE);
    EXPECT_EQ(s_title, L"Save As");
    CString path;
    dlg.GetDlgItemText(IDC_SOUND_SENT_PATH, path);
    EXPECT_EQ(path, L"C:\\a\\sent.wav");
    dlg.DestroyWindow();
}
