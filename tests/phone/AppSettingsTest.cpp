// The settings store in the real registry, under a key of its own that is deleted afterwards.
#include <gtest/gtest.h>

#include "phone/AppSettings.h"
#include "phone/StoreHelpers.h"

namespace
{
class CSettingsTestApp : public CWinApp
{
public:
    CSettingsTestApp() : CWinApp(CORVANE_APP_NAME) {}
    void UseRegistryKey(LPCWSTR key) { SetRegistryKey(key); }
};

class Settings : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_company.Format(L"CorvaneStoreTest_%lu_%lu", GetCurrentProcessId(), GetTickCount());
        m_app.UseRegistryKey(m_company);
        ASSERT_EQ(AfxGetApp(), &m_app);
    }
    void TearDown() override
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\" + m_company);
        HKEY key = nullptr;
        EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\" + m_company, 0, KEY_READ, &key), ERROR_SUCCESS);
    }

    CString SectionPath(LPCWSTR section) const { return L"Software\\" + m_company + L"\\Corvane SMS\\" + section; }
    // The raw value as the registry holds it: its type and DWORD or text.
    bool RawDword(LPCWSTR section, LPCWSTR name, DWORD& value) const
    {
        DWORD type = 0, size = sizeof value;
        return RegGetValueW(HKEY_CURRENT_USER, SectionPath(section), name, RRF_RT_ANY, &type, &value, &size) ==
                   ERROR_SUCCESS &&
               type == REG_DWORD;
    }
    bool RawText(LPCWSTR section, LPCWSTR name, CString& value) const
    {
        wchar_t buf[512] = {};
        DWORD type = 0, size = sizeof buf;
        if (RegGetValueW(HKEY_CURRENT_USER, SectionPath(section), name, RRF_RT_ANY, &type, buf, &size) !=
                ERROR_SUCCESS ||
            type != REG_SZ)
            return false;
        value = buf;
        return true;
    }

    CString m_company;
    CSettingsTestApp m_app;
};
} // namespace

TEST_F(Settings, DefaultsOnAFreshProfile)
{
    CAppSettings s;
    EXPECT_STREQ(s.m_strSettings, L"Settings");
    EXPECT_STREQ(s.m_strButtonMapper, L"ButtonMapper");
    EXPECT_STREQ(s.m_strWindowPos, L"WindowPos");

    EXPECT_EQ(s.GetTimeout(), 10000u);
    const CString folder = GetAppFolder();
    EXPECT_STREQ(s.GetSuaraRec(), folder + L"finish_rec.wav");
    EXPECT_STREQ(s.GetSuaraSent(), folder + L"sent.wav");
    EXPECT_STREQ(s.GetSuaraNewMsg(), folder + L"newmsg.wav");
    EXPECT_EQ(s.GetIsHapus(), 0u);
    EXPECT_EQ(s.GetNoFilter(), 0u);
    EXPECT_EQ(s.GetNoCategoryContact(), 0u);
    EXPECT_EQ(s.GetIsSaveToSent(), 1u);
    EXPECT_EQ(s.GetIsSuaraOn(), 1u);
    EXPECT_EQ(s.GetIsSuaraRecOn(), 1u);
    EXPECT_EQ(s.GetIsSuaraSentOn(), 1u);
    EXPECT_EQ(s.GetIsSuaraNewMsgOn(), 1u);
    EXPECT_STREQ(s.GetConnection(), L"COM4:");
    const SListColumnWidths w = s.GetColumnWidths();
    EXPECT_EQ(w.nReaded, 20);
    EXPECT_EQ(w.nTgl, 60);
    EXPECT_EQ(w.nJam, 50);
    EXPECT_EQ(w.nPen, 85);
    EXPECT_EQ(w.nIsi, 300);
    EXPECT_EQ(s.GetSortListSms(), 1);
    EXPECT_STREQ(s.GetDialerSkin(), L"chess-w");
    EXPECT_EQ(s.GetIsActivePass(), 0u);
    EXPECT_EQ(s.GetIsMaskPass(), 0u);
    EXPECT_STREQ(s.GetPassword(), L"");
    EXPECT_EQ(s.GetIsGetSmsWhenActive(), 0u);
    EXPECT_EQ(s.GetIsShowSplash(), 1u);
    EXPECT_EQ(s.GetIsSuaraTapIconOn(), 0u);
    EXPECT_EQ(s.GetIsHideToTray(), 0u);
    EXPECT_EQ(s.GetIsScheduled(), 0u);
    EXPECT_EQ(s.GetSchedulerHour(), 0u);
    EXPECT_EQ(s.GetSchedulerMinute(), 5u);
    EXPECT_EQ(s.GetIsScheduledDay(), 0u);
    EXPECT_EQ(s.GetBgColor(), 0xFFF3BDu);
    EXPECT_EQ(s.GetIsQuoteSms(), 0u);
    EXPECT_EQ(s.GetIsShowSenderForwardSms(), 0u);
    EXPECT_STREQ(s.GetSignature(), L"");
    EXPECT_EQ(s.GetIsCutQuotedSms(), 0u);
    EXPECT_EQ(s.GetNumCutQuotedSms(), 40u);
    EXPECT_EQ(s.GetIsConfirmDelSms(), 0u);
    EXPECT_EQ(s.GetIsSmsPrefix(), 0u);
    EXPECT_STREQ(s.GetSmsPrefix(), L"");
    EXPECT_EQ(s.GetIsSaveSmsPrefix(), 0u);
    EXPECT_EQ(s.GetDialogSmsX(), 300u);
    EXPECT_EQ(s.GetDialogSmsY(), 300u);

    // Reading creates nothing.
    DWORD v;
    EXPECT_FALSE(RawDword(L"Settings", L"timeout", v));
}

TEST_F(Settings, RoundTripsThroughTheRegistry)
{
    {
        CAppSettings s;
        EXPECT_TRUE(s.SetTimeout(7000));
        EXPECT_TRUE(s.SetIsHapus(1));
        EXPECT_TRUE(s.SetIsSaveToSent(0));
        EXPECT_TRUE(s.SetSuaraRec(L"C:\\snd\\rec.wav"));
        s.SetConnection(L"COM7:");
        EXPECT_TRUE(s.SetColumnWidths(21, 61, 51, 86, 301));
        EXPECT_TRUE(s.SetDialerSkin(L"blue"));
        EXPECT_TRUE(s.SetPassword(L"A9 99 3E"));
        EXPECT_TRUE(s.SetIsScheduled(1));
        EXPECT_TRUE(s.SetSchedulerHour(2));
        EXPECT_TRUE(s.SetSchedulerMinute(30));
        EXPECT_TRUE(s.SetBgColor(0x123456));
        s.SetSignature(L"-- Budi");
        s.SetSmsPrefix(L"[SMS] ");
        EXPECT_TRUE(s.SetNumCutQuotedSms(80));
        EXPECT_TRUE(s.SetDialogSmsPos(10, 20));
        EXPECT_TRUE(s.SetHistory(3, L"0812;0813"));
        EXPECT_TRUE(s.SetIsHideToTray(1));
    }
    // A new store object reads everything afresh.
    CAppSettings s;
    EXPECT_EQ(s.GetTimeout(), 7000u);
    EXPECT_EQ(s.GetIsHapus(), 1u);
    EXPECT_EQ(s.GetIsSaveToSent(), 0u);
    EXPECT_STREQ(s.GetSuaraRec(), L"C:\\snd\\rec.wav");
    EXPECT_STREQ(s.GetConnection(), L"COM7:");
    const SListColumnWidths w = s.GetColumnWidths();
    EXPECT_EQ(w.nReaded, 21);
    EXPECT_EQ(w.nIsi, 301);
    EXPECT_STREQ(s.GetDialerSkin(), L"blue");
    EXPECT_STREQ(s.GetPassword(), L"A9 99 3E");
    EXPECT_EQ(s.GetSchedulerMinute(), 30u);
    EXPECT_EQ(s.GetBgColor(), 0x123456u);
    EXPECT_STREQ(s.GetSignature(), L"-- Budi");
    EXPECT_STREQ(s.GetSmsPrefix(), L"[SMS] ");
    EXPECT_EQ(s.GetDialogSmsX(), 10u);
    EXPECT_EQ(s.GetDialogSmsY(), 20u);
    EXPECT_EQ(s.GetIsHideToTray(), 1u);

    // Where and how the values lie: DWORD numbers, string texts, one sub-key per section.
    DWORD v = 0;
    EXPECT_TRUE(RawDword(L"Settings", L"timeout", v));
    EXPECT_EQ(v, 7000u);
    EXPECT_TRUE(RawDword(L"Settings", L"colTgl", v));
    EXPECT_EQ(v, 61u);
    EXPECT_TRUE(RawDword(L"Settings", L"colPen", v));
    EXPECT_EQ(v, 86u);
    EXPECT_TRUE(RawDword(L"Scheduler", L"SchedulerHour", v));
    EXPECT_EQ(v, 2u);
    EXPECT_TRUE(RawDword(L"Theme", L"bgColor", v));
    EXPECT_TRUE(RawDword(L"Sms", L"NumCutQuotedSms", v));
    EXPECT_TRUE(RawDword(L"WindowPos", L"DialogSmsY", v));
    EXPECT_EQ(v, 20u);
    CString text;
    EXPECT_TRUE(RawText(L"Settings", L"Connection", text));
    EXPECT_STREQ(text, L"COM7:");
    EXPECT_TRUE(RawText(L"History", L"3", text));
    EXPECT_STREQ(text, L"0812;0813");
    EXPECT_TRUE(RawText(L"Sms", L"Signature", text));

    // Something outside the program may write "IsScheduledDay".
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, SectionPath(L"Scheduler"), 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    const DWORD one = 1;
    RegSetValueExW(key, L"IsScheduledDay", 0, REG_DWORD, (const BYTE*)&one, sizeof one);
    RegCloseKey(key);
    EXPECT_EQ(s.GetIsScheduledDay(), 1u);
}

TEST_F(Settings, SortStateEncoding)
{
    CAppSettings s;
    DWORD raw = 0;
    EXPECT_TRUE(s.SetSortListSms(-2));
    EXPECT_TRUE(RawDword(L"Settings", L"SortListSms", raw));
    EXPECT_EQ(raw, 12u);
    EXPECT_EQ(s.GetSortListSms(), -2);
    for (int v : {0, 1, 5, 10, -1, -3, -5})
    {
        EXPECT_TRUE(s.SetSortListSms(v));
        EXPECT_EQ(s.GetSortListSms(), v) << v;
    }
    s.SetSortListSms(-1);
    EXPECT_TRUE(RawDword(L"Settings", L"SortListSms", raw));
    EXPECT_EQ(raw, 11u);
    s.SetSortListSms(10);
    EXPECT_TRUE(RawDword(L"Settings", L"SortListSms", raw));
    EXPECT_EQ(raw, 10u);
}
