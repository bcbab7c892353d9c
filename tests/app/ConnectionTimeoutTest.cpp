// The connection page's time-out as typed: leading digits in seconds, nothing stored from a sign.
#include "SettingsTestSupport.h"
#include "app/DlgConnectionOpt.h"
#include "app/DlgSetting.h"
#include "res/settings_ids.h"

using namespace settingstest;

namespace
{
struct ConnectionTimeoutTest : AppFixture
{
    // Types the text into the time-out edit of the opened sheet and closes it with OK.
    UINT StoreTyped(const CString& strTyped)
    {
        app->WriteProfileInt(L"Settings", L"timeout", 10000);
        CDlgSetting dlg;
        dlg.SetStartPage(kSettingOption);
        ModalScript script;
        script.Then([&](HWND hDlg) {
            SetItemText(SheetPage(hDlg, 0), IDC_CONN_TIMEOUT, strTyped);
            Click(hDlg, IDOK);
        });
        dlg.DoModal();
        return ProfileInt(L"Settings", L"timeout", 12345);
    }
};
} // namespace

TEST_F(ConnectionTimeoutTest, ANegativeTimeoutIsStoredAsZeroAndDigitsCountUpToTheFirstOther)
{
    EXPECT_EQ(StoreTyped(L"-5"), 0u);
    EXPECT_EQ(StoreTyped(L"abc"), 0u);
    EXPECT_EQ(StoreTyped(L"25"), 25000u);
    EXPECT_EQ(StoreTyped(L"7 detik"), 7000u);
    // More seconds than the stored milliseconds can hold: the most it can.
    EXPECT_EQ(StoreTyped(L"99999999999"), (UINT)(MAXDWORD / 1000 * 1000));
    EXPECT_EQ(CDlgConnectionOpt::TimeoutFromText(L"+5"), 0u);
    EXPECT_EQ(CDlgConnectionOpt::TimeoutFromText(L""), 0u);
}
