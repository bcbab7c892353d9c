// The general, scheduler, SMS, theme and password pages inside the settings sheet, and what the
// main frame's "Settings" and "Setting SMS" store after OK (and not after Cancel).
#include "SettingsTestSupport.h"
#include "app/ColourPicker.h"
#include "app/Corvane_smsView.h"
#include "app/DlgPasswordOpt.h"
#include "app/DlgSetting.h"
#include "app/MainFrm.h"
#include "app/SmsListCtrl.h"
#include "app/ThemeColor.h"
#include "res/app_ids.h"
#include "res/settings_ids.h"
#include "toolkit/foundation/ExtPaintManagerHolder.h"

#include <commctrl.h>
#include <set>

using namespace settingstest;
using namespace phonetest;

namespace
{
struct SettingsPagesTest : AppFixture
{};

// The page of the frame's running sheet by its tab index.
enum
{
    kPageConnection = 0,
    kPageUmum = 1,
    kPageScheduler = 2,
    kPageTheme = 3,
    kPagePassword = 4
};

int g_nListPaints = 0;
LRESULT CALLBACK CountPaints(HWND h, UINT m, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR)
{
    if (m == WM_PAINT)
        ++g_nListPaints;
    return ::DefSubclassProc(h, m, w, l);
}
} // namespace

TEST_F(SettingsPagesTest, GeneralPageStoresEachClickAtOnceAndCancelKeepsIt)
{
    app->WriteProfileInt(L"Settings", L"IsShowSplash", 1);
    CDlgSetting dlg;
    dlg.SetStartPage(kSettingOption);
    ModalScript script;
    script.Then([&](HWND hDlg) {
        HWND hPage = SheetPage(hDlg, kPageUmum);
        EXPECT_EQ(::IsDlgButtonChecked(hPage, IDC_UMUM_SHOW_SPLASH), (UINT)BST_CHECKED);
        EXPECT_EQ(::IsDlgButtonChecked(hPage, IDC_UMUM_FETCH_WHEN_START), (UINT)BST_UNCHECKED);
        ClickCheck(hPage, IDC_UMUM_FETCH_WHEN_START, true);
        EXPECT_EQ(ProfileInt(L"Settings", L"IsGetSmsWhenActive", 9), 1u);
        ClickCheck(hPage, IDC_UMUM_SHOW_SPLASH, false);
        EXPECT_EQ(ProfileInt(L"Settings", L"IsShowSplash", 9), 0u);
        ClickCheck(hPage, IDC_UMUM_HIDE_TO_TRAY, true);
        EXPECT_EQ(ProfileInt(L"Settings", L"IsHideToTray", 9), 1u);
        ClickCheck(hPage, IDC_UMUM_HIDE_TO_TRAY, false);
        EXPECT_EQ(ProfileInt(L"Settings", L"IsHideToTray", 9), 0u);
        Click(hDlg, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(ProfileInt(L"Settings", L"IsGetSmsWhenActive", 9), 1u);
    EXPECT_EQ(ProfileInt(L"Settings", L"IsShowSplash", 9), 0u);
}

TEST_F(SettingsPagesTest, SchedulerPageLimitsAndEnablesItsFieldsAndWarnsOnKillFocus)
{
    CDlgSetting dlg;
    dlg.SetStartPage(kSettingOption);
    ModalScript script;
    script.Then([&](HWND hDlg) {
        HWND hPage = SheetPage(hDlg, kPageScheduler);
        int lo = -1, hi = -1;
        ::SendMessageW(::GetDlgItem(hPage, IDC_SCHED_HOUR_SPIN), UDM_GETRANGE32, (WPARAM)&lo, (LPARAM)&hi);
        EXPECT_EQ(lo, 0);
        EXPECT_EQ(hi, 99);
        ::SendMessageW(::GetDlgItem(hPage, IDC_SCHED_MINUTE_SPIN), UDM_GETRANGE32, (WPARAM)&lo, (LPARAM)&hi);
        EXPECT_EQ(lo, 1);
        EXPECT_EQ(hi, 59);
        // Defaults: off, 0 hours, 5 minutes; the period's fields disabled.
        EXPECT_EQ(GetItemText(hPage, IDC_SCHED_HOUR), L"0");
        EXPECT_EQ(GetItemText(hPage, IDC_SCHED_MINUTE), L"5");
        for (int id : {IDC_SCHED_HOUR, IDC_SCHED_HOUR_SPIN, IDC_SCHED_MINUTE, IDC_SCHED_MINUTE_SPIN})
            EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(hPage, id))) << id;
        ClickCheck(hPage, IDC_SCHED_ON, true);
        for (int id : {IDC_SCHED_HOUR, IDC_SCHED_HOUR_SPIN, IDC_SCHED_MINUTE, IDC_SCHED_MINUTE_SPIN})
            EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(hPage, id))) << id;
        EXPECT_TRUE(dlg.m_pageScheduler.m_bSchedule);

        // The minute spin reaches 1; the minute check refuses it when the edit loses the focus.
        HWND hMinuteSpin = ::GetDlgItem(hPage, IDC_SCHED_MINUTE_SPIN);
        ::SendMessageW(hMinuteSpin, UDM_SETPOS32, 0, 1);
        ::SendMessageW(hPage, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 1), (LPARAM)hMinuteSpin);
        EXPECT_EQ(dlg.m_pageScheduler.m_nMinute, 1);
        EXPECT_EQ(GetItemText(hPage, IDC_SCHED_MINUTE), L"1");
        boxes.Clear();
        ::SendMessageW(hPage, WM_COMMAND, MAKEWPARAM(IDC_SCHED_MINUTE, EN_KILLFOCUS),
                       (LPARAM)::GetDlgItem(hPage, IDC_SCHED_MINUTE));
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Last().text, L"Set the minutes between 2 to 59");
        EXPECT_EQ(boxes.Last().title, L"Wrong Input");
        SetItemText(hPage, IDC_SCHED_HOUR, L"150");
        ::SendMessageW(hPage, WM_COMMAND, MAKEWPARAM(IDC_SCHED_HOUR, EN_KILLFOCUS),
                       (LPARAM)::GetDlgItem(hPage, IDC_SCHED_HOUR));
        // One box: the focus sent back to the hours does not start the minutes' check again.
        ASSERT_EQ(boxes.Count(), 2u);
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(hPage, IDC_SCHED_HOUR));
        EXPECT_EQ(boxes.Last().text, L"Set the hour between 0 to 99");
        // An end-of-scroll notice changes nothing; any other takes the spin's position.
        ::SendMessageW(hMinuteSpin, UDM_SETPOS32, 0, 30);
        ::SendMessageW(hPage, WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 30), (LPARAM)hMinuteSpin);
        EXPECT_EQ(dlg.m_pageScheduler.m_nMinute, 1);
        ::SendMessageW(hPage, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 30), (LPARAM)hMinuteSpin);
        EXPECT_EQ(dlg.m_pageScheduler.m_nMinute, 30);
        EXPECT_EQ(GetItemText(hPage, IDC_SCHED_MINUTE), L"30");
        ClickCheck(hPage, IDC_SCHED_ON, false);
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(hPage, IDC_SCHED_MINUTE)));
        Click(hDlg, IDCANCEL);
    });
    dlg.DoModal();
    // The page only edits.
    EXPECT_EQ(ProfileInt(L"Scheduler", L"IsScheduled", 9), 9u);
}

TEST_F(SettingsPagesTest, SettingsOkStoresSchedulerPasswordAndThemeRearmsTheTimerAndRedrawsTheList)
{
    ASSERT_TRUE(Start());
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(app->m_pMainWnd);
    CCorvane_smsView* pView = app->GetView();
    ASSERT_NE(pView, nullptr);
    app->WriteProfileInt(L"Settings", L"ThemeColor", CMainFrame::kThemeCustom);
    CExtPaintManager* pOldPM = g_PaintManagerHolder.GetPM();
    HWND hList = pFrame->GetSmsListCtrl()->GetSafeHwnd();
    ::SetWindowSubclass(hList, &CountPaints, 1, 0);
    g_nListPaints = 0;

    ModalScript script;
    script.Then([&](HWND hDlg) {
        HWND hSched = SheetPage(hDlg, kPageScheduler);
        ClickCheck(hSched, IDC_SCHED_ON, true);
        SetItemText(hSched, IDC_SCHED_HOUR, L"1");
        SetItemText(hSched, IDC_SCHED_MINUTE, L"30");
        ::SendMessageW(hSched, WM_COMMAND, MAKEWPARAM(IDC_SCHED_MINUTE, EN_KILLFOCUS),
                       (LPARAM)::GetDlgItem(hSched, IDC_SCHED_MINUTE));
        HWND hPass = SheetPage(hDlg, kPagePassword);
        ClickCheck(hPass, IDC_PASS_ACTIVE, true);
        ClickCheck(hPass, IDC_PASS_MASK, true);
        auto* pPicker = dynamic_cast<CColourPicker*>(
            CWnd::FromHandlePermanent(::GetDlgItem(SheetPage(hDlg, kPageTheme), IDC_THEME_COLOUR)));
        ASSERT_NE(pPicker, nullptr);
        pPicker->SetColour(RGB(0x12, 0x34, 0x56));
        ::ValidateRect(hList, nullptr);
        Click(hDlg, IDOK);
    });
    pFrame->SendMessage(WM_COMMAND, ID_SETTINGS, 0);
    EXPECT_EQ(script.Pending(), 0u);
    EXPECT_EQ(ProfileInt(L"Scheduler", L"IsScheduled", 9), 1u);
    EXPECT_EQ(ProfileInt(L"Scheduler", L"SchedulerHour", 9), 1u);
    EXPECT_EQ(ProfileInt(L"Scheduler", L"SchedulerMinute", 9), 30u);
    EXPECT_EQ(ProfileInt(L"Settings", L"IsActivePass", 9), 1u);
    EXPECT_EQ(ProfileInt(L"Settings", L"IsMaskPass", 9), 1u);
    EXPECT_EQ(ProfileInt(L"Theme", L"bgColor", 9), (UINT)RGB(0x12, 0x34, 0x56));
    // The custom theme applied again: a new paint manager of the theme with the new colour.
    CThemeColor* pTheme = dynamic_cast<CThemeColor*>(g_PaintManagerHolder.GetPM());
    ASSERT_NE(pTheme, nullptr);
    EXPECT_NE((void*)pTheme, (void*)pOldPM);
    EXPECT_EQ(pTheme->m_clrTheme, CThemeColor::AdjustThemeColor(RGB(0x12, 0x34, 0x56)));
    EXPECT_GT(g_nListPaints, 0);
    // Timer 1224 runs: killing it succeeds once.
    EXPECT_TRUE(pView->KillTimer(CCorvane_smsView::kSchedulerTimerId));
    EXPECT_FALSE(pView->KillTimer(CCorvane_smsView::kSchedulerTimerId));
    pView->RearmScheduler(TRUE, 0, 5);

    // Off: the timer is killed; Cancel stores nothing.
    ModalScript off;
    off.Then([&](HWND hDlg) {
        ClickCheck(SheetPage(hDlg, kPageScheduler), IDC_SCHED_ON, false);
        Click(hDlg, IDOK);
    });
    pFrame->SendMessage(WM_COMMAND, ID_SETTINGS, 0);
    EXPECT_EQ(ProfileInt(L"Scheduler", L"IsScheduled", 9), 0u);
    EXPECT_FALSE(pView->KillTimer(CCorvane_smsView::kSchedulerTimerId));
    ModalScript cancel;
    cancel.Then([&](HWND hDlg) {
        ClickCheck(SheetPage(hDlg, kPageScheduler), IDC_SCHED_ON, true);
        ClickCheck(SheetPage(hDlg, kPagePassword), IDC_PASS_ACTIVE, false);
        Click(hDlg, IDCANCEL);
    });
    pFrame->SendMessage(WM_COMMAND, ID_SETTINGS, 0);
    EXPECT_EQ(ProfileInt(L"Scheduler", L"IsScheduled", 9), 0u);
    EXPECT_EQ(ProfileInt(L"Settings", L"IsActivePass", 9), 1u);
    ::RemoveWindowSubclass(hList, &CountPaints, 1);
}

TEST_F(SettingsPagesTest, SmsPageStoresItsNineValuesOnOkOnlyAndKeepsSignatureLines)
{
    ASSERT_TRUE(Start());
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(app->m_pMainWnd);
    app->WriteProfileInt(L"Sms", L"NumCutQuotedSms", 40);
    auto fill = [&](HWND hDlg) {
        HWND hPage = SheetPage(hDlg, 0);
        EXPECT_EQ(GetItemText(hPage, IDC_SMS_CUT_LENGTH), L"40");
        SetItemText(hPage, IDC_SMS_SIGNATURE, L"Salam,\r\nBudi\r\n-- kantor");
        ClickCheck(hPage, IDC_SMS_PREFIX_ON, true);
        SetItemText(hPage, IDC_SMS_PREFIX, L"Info: ");
        ClickCheck(hPage, IDC_SMS_SAVE_PREFIX, true);
        ClickCheck(hPage, IDC_SMS_QUOTE, true);
        ClickCheck(hPage, IDC_SMS_CUT_QUOTE, true);
        SetItemText(hPage, IDC_SMS_CUT_LENGTH, L"70");
        ClickCheck(hPage, IDC_SMS_CONFIRM_DELETE, true);
        ClickCheck(hPage, IDC_SMS_FORWARD_SENDER, true);
    };
    ModalScript cancel;
    cancel.Then([&](HWND hDlg) {
        fill(hDlg);
        Click(hDlg, IDCANCEL);
    });
    pFrame->SendMessage(WM_COMMAND, ID_SMS_SETTINGS, 0);
    EXPECT_EQ(ProfileString(L"Sms", L"Signature", L"none"), L"none");
    EXPECT_EQ(ProfileInt(L"Sms", L"IsQuoteSms", 9), 9u);

    ModalScript ok;
    ok.Then([&](HWND hDlg) {
        fill(hDlg);
        app->m_writes.clear();
        Click(hDlg, IDOK);
    });
    pFrame->SendMessage(WM_COMMAND, ID_SMS_SETTINGS, 0);
    EXPECT_EQ(app->m_writes,
              (std::vector<CString>{L"Sms/IsQuoteSms", L"Sms/IsShowSenderForwardSms", L"Sms/Signature",
                                    L"Sms/IsCutQuotedSms", L"Sms/NumCutQuotedSms", L"Sms/IsConfirmDelSms",
                                    L"Sms/IsSmsPrefix", L"Sms/SmsPrefix", L"Sms/IsSaveSmsPrefix"}));
    EXPECT_EQ(ProfileString(L"Sms", L"Signature"), L"Salam,\r\nBudi\r\n-- kantor");
    EXPECT_EQ(ProfileInt(L"Sms", L"IsSmsPrefix", 9), 1u);
    EXPECT_EQ(ProfileString(L"Sms", L"SmsPrefix"), L"Info: ");
    EXPECT_EQ(ProfileInt(L"Sms", L"IsSaveSmsPrefix", 9), 1u);
    EXPECT_EQ(ProfileInt(L"Sms", L"IsQuoteSms", 9), 1u);
    EXPECT_EQ(ProfileInt(L"Sms", L"IsCutQuotedSms", 9), 1u);
    EXPECT_EQ(ProfileInt(L"Sms", L"NumCutQuotedSms", 9), 70u);
    EXPECT_EQ(ProfileInt(L"Sms", L"IsConfirmDelSms", 9), 1u);
    EXPECT_EQ(ProfileInt(L"Sms", L"IsShowSenderForwardSms", 9), 1u);

    // The page shows what is stored, the signature with its lines.
    ModalScript again;
    CString strSignature;
    again.Then([&](HWND hDlg) {
        strSignature = GetItemText(SheetPage(hDlg, 0), IDC_SMS_SIGNATURE);
        Click(hDlg, IDCANCEL);
    });
    pFrame->SendMessage(WM_COMMAND, ID_SMS_SETTINGS, 0);
    EXPECT_EQ(strSignature, L"Salam,\r\nBudi\r\n-- kantor");
}

TEST_F(SettingsPagesTest, ThemePageListsOnlyGifSkinsAndStoresTheSelectionAtOnce)
{
    const CString folder = TestScratchFolder();
    ::CreateDirectoryW(folder + L"skins", nullptr);
    for (const wchar_t* name : {L"chess.gif", L"chess-w.GIF", L"notes.txt"})
    {
        HANDLE h = ::CreateFileW(folder + L"skins\\" + name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ::CloseHandle(h);
    }
    ::CreateDirectoryW(folder + L"skins\\old.gif", nullptr);
    auto run = [&](const CString& strAppFolder, std::set<CString>& listed, CString& strSelected, CString& strPath,
                   const wchar_t* pszPick) {
        CDlgSetting dlg;
        dlg.SetStartPage(kSettingOption);
        dlg.m_pageTheme.m_strAppFolder = strAppFolder;
        ModalScript script;
        script.Then([&](HWND hDlg) {
            HWND hList = ::GetDlgItem(SheetPage(hDlg, kPageTheme), IDC_THEME_SKINS);
            const int n = (int)::SendMessageW(hList, LB_GETCOUNT, 0, 0);
            for (int i = 0; i < n; ++i)
            {
                wchar_t text[64] = {};
                ::SendMessageW(hList, LB_GETTEXT, i, (LPARAM)text);
                listed.insert(text);
            }
            const int sel = (int)::SendMessageW(hList, LB_GETCURSEL, 0, 0);
            wchar_t text[64] = {};
            if (sel >= 0)
                ::SendMessageW(hList, LB_GETTEXT, sel, (LPARAM)text);
            strSelected = text;
            strPath = dlg.m_pageTheme.m_strSkinPath;
            if (pszPick)
            {
                const int nPick = (int)::SendMessageW(hList, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)pszPick);
                ::SendMessageW(hList, LB_SETCURSEL, nPick, 0);
                ::SendMessageW(::GetParent(hList), WM_COMMAND, MAKEWPARAM(IDC_THEME_SKINS, LBN_SELCHANGE),
                               (LPARAM)hList);
                EXPECT_EQ(ProfileString(L"Settings", L"DialerSkin"), CString(pszPick));
            }
            Click(hDlg, IDCANCEL);
        });
        dlg.DoModal();
    };
    std::set<CString> listed;
    CString strSelected, strPath;
    // The stored skin is selected.
    app->WriteProfileString(L"Settings", L"DialerSkin", L"chess-w");
    run(folder, listed, strSelected, strPath, nullptr);
    EXPECT_EQ(listed, (std::set<CString>{L"chess", L"chess-w"}));
    EXPECT_EQ(strSelected, L"chess-w");
    EXPECT_EQ(strPath, folder + L"skins\\chess-w.gif");
    // A stored skin that is not listed: the first is selected, nothing is stored.
    app->WriteProfileString(L"Settings", L"DialerSkin", L"marble");
    listed.clear();
    run(folder, listed, strSelected, strPath, nullptr);
    EXPECT_FALSE(strSelected.IsEmpty());
    EXPECT_EQ(ProfileString(L"Settings", L"DialerSkin"), L"marble");
    // A selection is stored at once (the sheet is cancelled).
    listed.clear();
    run(folder, listed, strSelected, strPath, L"chess");
    EXPECT_EQ(ProfileString(L"Settings", L"DialerSkin"), L"chess");
    // No skins folder: an empty list and no selection.
    listed.clear();
    run(folder + L"skins\\old.gif\\", listed, strSelected, strPath, nullptr);
    EXPECT_TRUE(listed.empty());
    EXPECT_TRUE(strSelected.IsEmpty());
}

TEST_F(SettingsPagesTest, PasswordPageWarnsEnablesMasksAndStoresTheFullDigestAtOnce)
{
    CDlgSetting dlg;
    dlg.SetStartPage(kSettingOption);
    ModalScript script;
    script.Then([&](HWND hDlg) {
        HWND hPage = SheetPage(hDlg, kPagePassword);
        const int dependents[] = {IDC_PASS_MASK,      IDC_PASS_NEW,          IDC_PASS_RETYPE, IDC_PASS_GROUP,
                                  IDC_PASS_NEW_LABEL, IDC_PASS_RETYPE_LABEL, IDC_PASS_SAVE};
        for (int id : dependents)
            EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(hPage, id))) << id;
        boxes.Clear();
        ClickCheck(hPage, IDC_PASS_ACTIVE, true);
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Last().text, L"Jangan lupa untuk mengeset password dibagian bawah.");
        EXPECT_EQ(boxes.Last().title, L"Warning");
        for (int id : dependents)
            EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(hPage, id))) << id;
        // Masking both edits and back.
        ClickCheck(hPage, IDC_PASS_MASK, true);
        EXPECT_EQ(::SendDlgItemMessageW(hPage, IDC_PASS_NEW, EM_GETPASSWORDCHAR, 0, 0), (LRESULT)L'*');
        EXPECT_EQ(::SendDlgItemMessageW(hPage, IDC_PASS_RETYPE, EM_GETPASSWORDCHAR, 0, 0), (LRESULT)L'*');
        ClickCheck(hPage, IDC_PASS_MASK, false);
        EXPECT_EQ(::SendDlgItemMessageW(hPage, IDC_PASS_NEW, EM_GETPASSWORDCHAR, 0, 0), 0);
        // Empty, then different texts are refused; equal ones are stored as the full digest.
        Click(hPage, IDC_PASS_SAVE);
        EXPECT_EQ(boxes.Last().text, L"password masih kosong");
        SetItemText(hPage, IDC_PASS_NEW, L"1234");
        SetItemText(hPage, IDC_PASS_RETYPE, L"1235");
        Click(hPage, IDC_PASS_SAVE);
        EXPECT_EQ(boxes.Last().text, L"password yang anda masukkan tidak sama");
        EXPECT_EQ(boxes.Last().title, L"Info");
        EXPECT_TRUE(ProfileString(L"Settings", L"Password").IsEmpty());
        SetItemText(hPage, IDC_PASS_RETYPE, L"1234");
        Click(hPage, IDC_PASS_SAVE);
        EXPECT_EQ(boxes.Last().text, L"password telah disimpan");
        EXPECT_EQ(ProfileString(L"Settings", L"Password"),
                  L"13 9F 69 C9 3C 04 24 96 A8 E9 58 EC 59 30 66 2C 6C CC AF BF");
        // At most ten characters.
        EXPECT_EQ(::SendDlgItemMessageW(hPage, IDC_PASS_NEW, EM_GETLIMITTEXT, 0, 0), 10);
        Click(hDlg, IDCANCEL);
    });
    dlg.DoModal();
    // The digest stays; the guard is stored only by the frame after OK.
    EXPECT_FALSE(ProfileString(L"Settings", L"Password").IsEmpty());
    EXPECT_EQ(ProfileInt(L"Settings", L"IsActivePass", 9), 9u);
}

TEST(PasswordDigestTest, HashesAllBytesOfTheTextAndKnowsTheOlderHalfForm)
{
    EXPECT_EQ(CDlgPasswordOpt::DigestText(L"abc"), L"9F 04 F4 1A 84 85 14 16 20 50 E3 D6 8C 1A 7A BB 44 1D C2 B5");
    EXPECT_EQ(CDlgPasswordOpt::LegacyDigestText(L"abc"),
              L"4A 3D EC 2D 1F 82 45 28 08 55 C4 2D B0 EE 42 39 F9 17 FD B8");
    EXPECT_EQ(CDlgPasswordOpt::DigestText(L"1234"), L"13 9F 69 C9 3C 04 24 96 A8 E9 58 EC 59 30 66 2C 6C CC AF BF");
    EXPECT_EQ(CDlgPasswordOpt::LegacyDigestText(L"1234"),
              L"B9 E1 5D 36 DA CF A9 70 D8 91 7F 8A 2D 25 B3 E5 60 74 B5 72");
    // Two passwords whose first halves agree no longer share a digest.
    EXPECT_EQ(CDlgPasswordOpt::LegacyDigestText(L"1299"), CDlgPasswordOpt::LegacyDigestText(L"1234"));
    EXPECT_NE(CDlgPasswordOpt::DigestText(L"1299"), CDlgPasswordOpt::DigestText(L"1234"));
    EXPECT_EQ(CDlgPasswordOpt::DigestText(L"").GetLength(), 59);
}
