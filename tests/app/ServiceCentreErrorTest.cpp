// The connection page against a phone that answers "+CME ERROR" to the service-centre commands
// (no SIM, SIM busy): the page reports the phone's error at once, keeps the number in the edit,
// closes the port, and the next read works.
#include "SettingsTestSupport.h"
#include "app/DlgSetting.h"
#include "res/settings_ids.h"

#include <string>

using namespace settingstest;
using namespace phonetest;

namespace
{
struct ServiceCentreErrorTest : AppFixture
{
    static std::string Scenario(const std::string& faults)
    {
        return R"({"extends": "basic", "baud": 0, "csca": "+6281100000", "faults": [)" + faults + "]}";
    }
    int Sent(const std::string& command) { return SimPhone::GetState().Count(command); }
};
} // namespace

TEST_F(ServiceCentreErrorTest, ReadingAnswersThePhonesCmeErrorAndKeepsTheEdit)
{
    REQUIRE_SIM();
    RunConnectionPage([&](HWND hPage) {
        ASSERT_TRUE(
            SimPhone::LoadJson("cme", Scenario(R"({"command": "AT+CSCA?", "action": "cme_error", "code": 10})")));
        SetItemText(hPage, IDC_CONN_SMSC, L"keep");
        boxes.Clear();
        Click(hPage, IDC_CONN_READ_SMSC);
        EXPECT_EQ(Sent("AT+CSCA?"), 1);
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Last().text, L"Error : +CME ERROR: 10");
        EXPECT_EQ(boxes.Last().title, L"Error");
        EXPECT_EQ(GetItemText(hPage, IDC_CONN_SMSC), L"keep");
        EXPECT_FALSE(app->m_port.IsOpen());

        // The phone answers again: the next read opens the port anew and shows the number.
        ASSERT_TRUE(SimPhone::LoadJson("cme_gone", Scenario("")));
        boxes.Clear();
        Click(hPage, IDC_CONN_READ_SMSC);
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Last().text, L"SMSC : +6281100000");
        EXPECT_EQ(GetItemText(hPage, IDC_CONN_SMSC), L"+6281100000");
        EXPECT_FALSE(app->m_port.IsOpen());
    });
}

TEST_F(ServiceCentreErrorTest, WritingAnswersThePhonesCmeErrorAndKeepsTheNumber)
{
    REQUIRE_SIM();
    RunConnectionPage([&](HWND hPage) {
        ASSERT_TRUE(
            SimPhone::LoadJson("cme_write", Scenario(R"({"command": "AT+CSCA=", "action": "cme_error", "code": 14})")));
        SetItemText(hPage, IDC_CONN_SMSC, L"+62811");
        boxes.Clear();
        boxes.QueueAnswer(IDYES);
        Click(hPage, IDC_CONN_WRITE_SMSC);
        EXPECT_EQ(Sent("AT+CSCA=\"62811\",145"), 1);
        ASSERT_EQ(boxes.Count(), 2u);
        EXPECT_EQ(boxes.Last().text, L"Error : +CME ERROR: 14");
        EXPECT_EQ(boxes.Last().title, L"Error");
        EXPECT_EQ(GetItemText(hPage, IDC_CONN_SMSC), L"62811");
        EXPECT_FALSE(app->m_port.IsOpen());
        // The phone kept its number.
        boxes.Clear();
        Click(hPage, IDC_CONN_READ_SMSC);
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Last().text, L"SMSC : +6281100000");
    });
}
