// The connection page: the port list, time-out and checks stored whenever the sheet closes, the
// connection test, and reading and writing the service centre against the simulated phone.
#include "SettingsTestSupport.h"
#include "app/DlgConnectionOpt.h"
#include "app/DlgSetting.h"
#include "phone/PhoneUse.h"
#include "res/settings_ids.h"

#include <algorithm>
#include <string>

using namespace settingstest;
using namespace phonetest;

namespace
{
struct ConnectionPageTest : AppFixture
{
    int Sent(const std::string& command) { return SimPhone::GetState().Count(command); }
};

CString ComboText(HWND hCombo, int nIndex)
{
    wchar_t text[32] = {};
    ::SendMessageW(hCombo, CB_GETLBTEXT, nIndex, (LPARAM)text);
    return text;
}

const char kQuick[] = R"({"extends": "basic", "baud": 0)";
std::string Scenario(const std::string& more) { return std::string(kQuick) + more + "}"; }
} // namespace

TEST_F(ConnectionPageTest, ShowsPortsTimeoutAndChecksAndStoresThemWhenTheSheetCloses)
{
    app->WriteProfileString(L"Settings", L"Connection", L"COM3:");
    app->WriteProfileInt(L"Settings", L"timeout", 25000);
    app->WriteProfileInt(L"Settings", L"isHapus", 1);
    app->WriteProfileInt(L"Settings", L"isSaveToSent", 0);
    RunConnectionPage([&](HWND hPage) {
        HWND hCombo = ::GetDlgItem(hPage, IDC_CONN_PORT);
        ASSERT_EQ(::SendMessageW(hCombo, CB_GETCOUNT, 0, 0), 10);
        for (int i = 0; i < 10; ++i)
        {
            CString expected;
            expected.Format(L"COM%d:", i);
            EXPECT_EQ(ComboText(hCombo, i), expected);
        }
        EXPECT_EQ(::SendMessageW(hCombo, CB_GETCURSEL, 0, 0), 3);
        EXPECT_EQ(GetItemText(hPage, IDC_CONN_TIMEOUT), L"25");
        EXPECT_EQ(::IsDlgButtonChecked(hPage, IDC_CONN_DELETE_FETCHED), (UINT)BST_CHECKED);
        EXPECT_EQ(::IsDlgButtonChecked(hPage, IDC_CONN_SAVE_TO_SENT), (UINT)BST_UNCHECKED);
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(hPage, IDC_CONN_ADVANCED)));
        ::SendMessageW(hCombo, CB_SETCURSEL, 5, 0);
        SetItemText(hPage, IDC_CONN_TIMEOUT, L"7");
        ClickCheck(hPage, IDC_CONN_DELETE_FETCHED, false);
        ClickCheck(hPage, IDC_CONN_SAVE_TO_SENT, true);
    });
    // Cancel stores too.
    EXPECT_EQ(ProfileString(L"Settings", L"Connection"), L"COM5:");
    EXPECT_EQ(ProfileInt(L"Settings", L"timeout", 9), 7000u);
    EXPECT_EQ(ProfileInt(L"Settings", L"isHapus", 9), 0u);
    EXPECT_EQ(ProfileInt(L"Settings", L"isSaveToSent", 9), 1u);

    // A port not in the list shows and stores COM0:; a time-out that is no number stores 0.
    app->WriteProfileString(L"Settings", L"Connection", L"COM12:");
    RunConnectionPage(
        [&](HWND hPage) {
            EXPECT_EQ(::SendDlgItemMessageW(hPage, IDC_CONN_PORT, CB_GETCURSEL, 0, 0), 0);
            SetItemText(hPage, IDC_CONN_TIMEOUT, L"abc");
        },
        IDOK);
    EXPECT_EQ(ProfileString(L"Settings", L"Connection"), L"COM0:");
    EXPECT_EQ(ProfileInt(L"Settings", L"timeout", 9), 0u);
}

TEST_F(ConnectionPageTest, ConnectionTestReportsThePhoneAndStoresOnlyAWorkingPort)
{
    REQUIRE_SIM();
    ASSERT_EQ(SimPhone::PortName(), L"COM6:");
    ASSERT_TRUE(SimPhone::LoadJson("quick", Scenario("")));
    app->WriteProfileString(L"Settings", L"Connection", L"COM4:");
    RunConnectionPage([&](HWND hPage) {
        ::SendDlgItemMessageW(hPage, IDC_CONN_PORT, CB_SETCURSEL, 6, 0);
        Click(hPage, IDC_CONN_TEST);
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Last().text, L"koneksi ke handphone berhasil, Merk:Nokia \r\nModel:6310i");
        EXPECT_EQ(boxes.Last().title, L"Sukses");
        EXPECT_EQ(ProfileString(L"Settings", L"Connection"), L"COM6:");
        // A port that cannot be opened.
        app->WriteProfileString(L"Settings", L"Connection", L"COM4:");
        ::SendDlgItemMessageW(hPage, IDC_CONN_PORT, CB_SETCURSEL, 2, 0);
        Click(hPage, IDC_CONN_TEST);
        ASSERT_EQ(boxes.Count(), 2u);
        EXPECT_EQ(boxes.Last().text, L"gagal membuka koneksi, periksa koneksi bluetooth antara PC dan handphone anda.");
        EXPECT_EQ(boxes.Last().title, L"Error");
        EXPECT_EQ(boxes.Last().Icon(), (UINT)MB_ICONEXCLAMATION);
        EXPECT_EQ(ProfileString(L"Settings", L"Connection"), L"COM4:");
        // A phone that stays silent: nothing shown, nothing stored.
        ASSERT_TRUE(SimPhone::LoadJson("silent", Scenario(R"(, "faults": [{"command": "AT", "action": "silence"}])")));
        ::SendDlgItemMessageW(hPage, IDC_CONN_PORT, CB_SETCURSEL, 6, 0);
        Click(hPage, IDC_CONN_TEST);
        EXPECT_EQ(boxes.Count(), 2u);
        EXPECT_EQ(ProfileString(L"Settings", L"Connection"), L"COM4:");
    });
    EXPECT_FALSE(app->m_port.IsOpen());
}

TEST_F(ConnectionPageTest, ReadingTheServiceCentreShowsTheNumberOrTheFailureAndKeepsTheEditOnFailure)
{
    REQUIRE_SIM();
    struct Case
    {
        std::string more;
        CString text, title, edit;
    } cases[] = {
        {R"(, "csca": "+6281100000")", L"SMSC : +6281100000", L"Success", L"+6281100000"},
        {R"(, "csca": "6281100000")", L"SMSC : +6281100000", L"Success", L"+6281100000"},
        {R"(, "csca": "0812345")", L"SMSC : 0812345", L"Success", L"0812345"},
        {R"(, "faults": [{"command": "AT+CSCA?", "action": "error"}])", L"Error : ERROR", L"Error", L"keep"},
        {R"(, "faults": [{"command": "AT+CSCA?", "action": "cms_error", "code": 500}])", L"Error : +CMS ERROR: 500",
         L"Error", L"keep"},
        {R"(, "faults": [{"command": "AT+CSCA?", "action": "ok"}])", L"Error : SMSC tidak terbaca", L"Error", L"keep"},
        {R"(, "faults": [{"command": "AT+CSCA?", "action": "silence"}])",
         L"Timeout, tidak ada respon dari handphone sewaktu menulis PDU.", L"", L"keep"},
    };
    RunConnectionPage([&](HWND hPage) {
        for (const Case& c : cases)
        {
            ASSERT_TRUE(SimPhone::LoadJson("csca", Scenario(c.more)));
            SetItemText(hPage, IDC_CONN_SMSC, L"keep");
            boxes.Clear();
            Click(hPage, IDC_CONN_READ_SMSC);
            EXPECT_EQ(Sent("AT+CSCA?"), 1) << c.more;
            ASSERT_EQ(boxes.Count(), 1u) << c.more;
            EXPECT_EQ(boxes.Last().text, std::wstring(c.text)) << c.more;
            if (!c.title.IsEmpty())
            {
                EXPECT_EQ(boxes.Last().title, std::wstring(c.title)) << c.more;
            }
            EXPECT_EQ(GetItemText(hPage, IDC_CONN_SMSC), c.edit) << c.more;
            EXPECT_FALSE(app->m_port.IsOpen()) << c.more;
        }
    });
}

TEST_F(ConnectionPageTest, WritingTheServiceCentreSendsTheNumberWithItsTypeAfterTheWarning)
{
    REQUIRE_SIM();
    ASSERT_TRUE(SimPhone::LoadJson("quick", Scenario("")));
    RunConnectionPage([&](HWND hPage) {
        SetItemText(hPage, IDC_CONN_SMSC, L"+62811");
        boxes.QueueAnswer(IDYES);
        Click(hPage, IDC_CONN_WRITE_SMSC);
        EXPECT_EQ(Sent("AT+CSCA=\"62811\",145"), 1);
        EXPECT_EQ(GetItemText(hPage, IDC_CONN_SMSC), L"62811");
        std::vector<MessageBoxCapture::Box> shown = boxes.Boxes();
        ASSERT_EQ(shown.size(), 2u);
        EXPECT_EQ(shown[0].title, L"Warning");
        EXPECT_EQ(shown[0].Buttons(), (UINT)MB_YESNO);
        EXPECT_EQ(shown[1].text, L"New SMSC : 62811");
        EXPECT_EQ(shown[1].title, L"Success");

        SetItemText(hPage, IDC_CONN_SMSC, L"0811");
        boxes.QueueAnswer(IDYES);
        Click(hPage, IDC_CONN_WRITE_SMSC);
        EXPECT_EQ(Sent("AT+CSCA=\"0811\",161"), 1);

        // Refused before any exchange: letters, and No at the warning.
        boxes.Clear();
        SetItemText(hPage, IDC_CONN_SMSC, L"12a");
        Click(hPage, IDC_CONN_WRITE_SMSC);
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Last().text, L"nomor service centre yang anda masukkan tidak valid");
        SetItemText(hPage, IDC_CONN_SMSC, L"62899");
        boxes.QueueAnswer(IDNO);
        Click(hPage, IDC_CONN_WRITE_SMSC);
        const auto commands = SimPhone::GetState().commands;
        EXPECT_EQ(std::count_if(commands.begin(), commands.end(),
                                [](const std::string& c) { return c.rfind("AT+CSCA=", 0) == 0; }),
                  2);
        EXPECT_EQ(GetItemText(hPage, IDC_CONN_SMSC), L"62899");
    });
    EXPECT_TRUE(CDlgConnectionOpt::IsAllDigits(L""));
    EXPECT_TRUE(CDlgConnectionOpt::IsAllDigits(L"0123456789"));
    EXPECT_FALSE(CDlgConnectionOpt::IsAllDigits(L"+62"));
}

TEST_F(ConnectionPageTest, WhileAJobHoldsThePhoneThePageTellsSoAndLeavesThePhoneAlone)
{
    REQUIRE_SIM();
    ASSERT_TRUE(SimPhone::LoadJson("quick", Scenario("")));
    CPhoneUse job;
    ASSERT_TRUE(job.ClaimForJob(app->m_port));
    RunConnectionPage([&](HWND hPage) {
        ::SendDlgItemMessageW(hPage, IDC_CONN_PORT, CB_SETCURSEL, 6, 0);
        Click(hPage, IDC_CONN_TEST);
        Click(hPage, IDC_CONN_READ_SMSC);
        SetItemText(hPage, IDC_CONN_SMSC, L"62811");
        boxes.QueueAnswer(IDYES);
        Click(hPage, IDC_CONN_WRITE_SMSC);
    });
    job.Release();
    int nBusy = 0;
    for (const MessageBoxCapture::Box& b : boxes.Boxes())
        nBusy += b.text == L"Handphone sedang digunakan. Coba lagi setelah proses selesai.";
    EXPECT_EQ(nBusy, 3);
    EXPECT_TRUE(SimPhone::GetState().commands.empty());
}
