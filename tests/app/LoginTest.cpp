// The login at start-up: typing and the keypad, the 10-character cut, a wrong password, Cancel
// ending the start, masking, the digest of older versions, and a guard without a password.
#include "SettingsTestSupport.h"
#include "app/DlgLogin.h"
#include "app/DlgPasswordOpt.h"
#include "app/MainFrm.h"
#include "res/settings_ids.h"

using namespace settingstest;

namespace
{
struct LoginTest : AppFixture
{
    void Guard(const CString& strDigest, UINT nMask = 1)
    {
        app->WriteProfileInt(L"Settings", L"IsActivePass", 1);
        app->WriteProfileInt(L"Settings", L"IsMaskPass", nMask);
        app->WriteProfileString(L"Settings", L"Password", strDigest);
    }
};

bool IsLogin(HWND hDlg) { return GetText(hDlg) == L"Login Corvane SMS"; }
} // namespace

TEST_F(LoginTest, TypedPasswordOpensTheProgramAndTheTextIsCutToTenCharacters)
{
    Guard(CDlgPasswordOpt::DigestText(L"1234567890"));
    CString strAfterEleven;
    WCHAR chMask = 0;
    ModalScript script;
    script.Then([&](HWND hDlg) {
        ASSERT_TRUE(IsLogin(hDlg));
        chMask = (WCHAR)::SendDlgItemMessageW(hDlg, IDC_LOGIN_PASSWORD, EM_GETPASSWORDCHAR, 0, 0);
        ::SetForegroundWindow(hDlg);
        ::SetFocus(::GetDlgItem(hDlg, IDC_LOGIN_PASSWORD));
        Pump();
        TypeText(L"12345678901");
        strAfterEleven = GetItemText(hDlg, IDC_LOGIN_PASSWORD);
        Click(hDlg, IDOK);
    });
    EXPECT_TRUE(Start());
    EXPECT_EQ(script.Pending(), 0u);
    EXPECT_EQ(strAfterEleven, L"1234567890");
    EXPECT_EQ(chMask, L'*');
    EXPECT_TRUE(OtherBoxes().empty());
}

TEST_F(LoginTest, KeypadAppendsAndDeletesWithItsOwnFontAndAWrongPasswordKeepsTheDialog)
{
    Guard(CDlgPasswordOpt::DigestText(L"12*0"), 0);
    CString strEmptyBack, strWrongSelected;
    CString strFace;
    LONG nWeight = 0;
    bool bEditOwnFont = false;
    WCHAR chMask = L'?';
    ModalScript script;
    script.Then([&](HWND hDlg) {
        chMask = (WCHAR)::SendDlgItemMessageW(hDlg, IDC_LOGIN_PASSWORD, EM_GETPASSWORDCHAR, 0, 0);
        LOGFONTW lf = {};
        HFONT hKeyFont = (HFONT)::SendDlgItemMessageW(hDlg, IDC_LOGIN_KEY_1, WM_GETFONT, 0, 0);
        ::GetObjectW(hKeyFont, sizeof lf, &lf);
        strFace = lf.lfFaceName;
        nWeight = lf.lfWeight;
        bEditOwnFont = (HFONT)::SendDlgItemMessageW(hDlg, IDC_LOGIN_PASSWORD, WM_GETFONT, 0, 0) != hKeyFont;
        // The themed keys paint in it.
        auto* pLogin = dynamic_cast<CDlgLogin*>(CWnd::FromHandlePermanent(hDlg));
        ASSERT_NE(pLogin, nullptr);
        EXPECT_EQ(pLogin->m_wndKeys[0].QueryPaintFont(), hKeyFont);
        EXPECT_EQ(pLogin->m_wndKeys[11].QueryPaintFont(), hKeyFont);
        // "<" on an empty text does nothing.
        Click(hDlg, IDC_LOGIN_KEY_BACK);
        strEmptyBack = GetItemText(hDlg, IDC_LOGIN_PASSWORD);
        // A wrong password: the box, then the whole text selected in the dialog that stays.
        for (int id : {IDC_LOGIN_KEY_1, IDC_LOGIN_KEY_9})
            Click(hDlg, id);
        Click(hDlg, IDOK);
        DWORD dwStart = 0, dwEnd = 0;
        ::SendDlgItemMessageW(hDlg, IDC_LOGIN_PASSWORD, EM_GETSEL, (WPARAM)&dwStart, (LPARAM)&dwEnd);
        strWrongSelected.Format(L"%s %u-%u", (LPCWSTR)GetItemText(hDlg, IDC_LOGIN_PASSWORD), dwStart, dwEnd);
        EXPECT_TRUE(::IsWindowVisible(hDlg));
        // "1", "2", "*", "0" typed on the keypad after "<" took the wrong text away.
        Click(hDlg, IDC_LOGIN_KEY_BACK);
        Click(hDlg, IDC_LOGIN_KEY_BACK);
        for (int id : {IDC_LOGIN_KEY_1, IDC_LOGIN_KEY_1 + 1, IDC_LOGIN_KEY_STAR, IDC_LOGIN_KEY_0})
            Click(hDlg, id);
        EXPECT_EQ(GetItemText(hDlg, IDC_LOGIN_PASSWORD), L"12*0");
        Click(hDlg, IDOK);
    });
    EXPECT_TRUE(Start());
    EXPECT_EQ(strEmptyBack, L"");
    EXPECT_EQ(strWrongSelected, L"19 0-2");
    ASSERT_EQ(OtherBoxes().size(), 1u);
    EXPECT_EQ(OtherBoxes()[0].text, L"password salah, coba anda ulangi lagi");
    EXPECT_EQ(OtherBoxes()[0].title, L"Info");
    EXPECT_EQ(chMask, 0);
    EXPECT_EQ(strFace, L"Arial");
    EXPECT_EQ(nWeight, 600);
    EXPECT_TRUE(bEditOwnFont);
}

TEST_F(LoginTest, KeypadBeyondTenCharactersIsCutAndCancelEndsTheStartWithoutAWindow)
{
    Guard(CDlgPasswordOpt::DigestText(L"1"));
    CString strText;
    ModalScript script;
    script.Then([&](HWND hDlg) {
        for (int i = 0; i < 12; ++i)
            Click(hDlg, IDC_LOGIN_KEY_1 + (i % 9));
        strText = GetItemText(hDlg, IDC_LOGIN_PASSWORD);
        Click(hDlg, IDCANCEL);
    });
    EXPECT_FALSE(app->InitInstance());
    EXPECT_EQ(app->m_pMainWnd, nullptr);
    EXPECT_EQ(app->GetView(), nullptr);
    EXPECT_EQ(strText, L"1234567891");
}

TEST_F(LoginTest, AnOlderDigestOpensOnceAndIsReplacedByTheFullForm)
{
    Guard(CDlgPasswordOpt::LegacyDigestText(L"abc"));
    ModalScript script;
    script.Then([&](HWND hDlg) {
        SetItemText(hDlg, IDC_LOGIN_PASSWORD, L"abc");
        Click(hDlg, IDOK);
    });
    EXPECT_TRUE(Start());
    EXPECT_EQ(ProfileString(L"Settings", L"Password"), L"9F 04 F4 1A 84 85 14 16 20 50 E3 D6 8C 1A 7A BB 44 1D C2 B5");
}

TEST_F(LoginTest, ATextWhoseFirstHalfMatchesNoLongerOpens)
{
    Guard(CDlgPasswordOpt::DigestText(L"1234"));
    ModalScript wrong;
    wrong.Then([&](HWND hDlg) {
        SetItemText(hDlg, IDC_LOGIN_PASSWORD, L"1299");
        Click(hDlg, IDOK);
        EXPECT_TRUE(::IsWindow(hDlg));
        Click(hDlg, IDCANCEL);
    });
    EXPECT_FALSE(app->InitInstance());
}

TEST_F(LoginTest, AGuardWithoutAStoredPasswordStartsWithoutTheLogin)
{
    Guard(L"");
    ModalScript script;
    script.Then([&](HWND hDlg) { Click(hDlg, IDCANCEL); });
    EXPECT_TRUE(Start());
    EXPECT_TRUE(script.m_seen.empty());
}

TEST_F(LoginTest, WithoutTheGuardNoLoginIsShownWhateverIsStored)
{
    ModalScript script;
    script.Then([&](HWND hDlg) { Click(hDlg, IDCANCEL); });
    app->WriteProfileInt(L"Settings", L"IsActivePass", 0);
    app->WriteProfileString(L"Settings", L"Password", CDlgPasswordOpt::DigestText(L"x"));
    EXPECT_TRUE(Start());
    EXPECT_TRUE(script.m_seen.empty());
}
