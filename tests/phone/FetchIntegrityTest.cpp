// The fetch against a misbehaving phone: PDUs that do not hold together stay on the phone and are
// reported once; a new message that differs from a filed one only by its date is filed; a part left
// by a refused delete is known as filed.
#include "PhoneLinkTestSupport.h"
#include "phone/PhoneSession.h"

using namespace phonetest;

namespace
{
struct FetchIntegrityTest : HostTest
{
    void SetUp() override
    {
        HostTest::SetUp();
        if (IsSkipped())
            return;
        SetSetting(L"isHapus", 1);
    }
    void TearDown() override
    {
        HostTest::TearDown();
        SetSetting(L"isHapus", 0);
    }
    int Count(const wchar_t* text)
    {
        int n = 0;
        for (const CSMS& r : host->Records())
            n += r.m_strText == text;
        return n;
    }
};

// "rusak" from +628555 (7-bit, five octets of user data) with its last three octets as noise.
const char kCutPdu[] = "0691261801000004069126585500005050109000202805F2FAZZXXQQ";
// "pendek sekali": TP-UDL 13 septets, two of its twelve octets missing.
const char kShortPdu[] = "069126180100000406912658550000505010900040280DF0B29B5C5E83E6E57598";
// "rusak" whole, listed with a TPDU length one octet too long.
const char kWholePdu[] = "0691261801000004069126585500005050109000202805F2FA3CBC06";

std::string Scenario()
{
    return std::string(R"({"memories": {"SM": {"messages": [
        {"index": 1, "deliver": {"from": "+628555", "text": "satu", "ts": "05/05/01 09:00:01"}},
        {"index": 2, "pdu": ")") +
           kCutPdu + R"("},
        {"index": 3, "pdu": ")" +
           kShortPdu + R"("},
        {"index": 4, "pdu": ")" +
           kWholePdu + R"(", "length": 22},
        {"index": 5, "deliver": {"from": "+628555", "text": "lima", "ts": "05/05/01 09:00:05"}}
      ]}}})";
}
} // namespace

TEST_F(FetchIntegrityTest, PdusThatDoNotHoldTogetherStayOnThePhoneAndAreReportedOnce)
{
    ASSERT_TRUE(SimPhone::LoadJson("unreadable", Scenario()));
    CPhoneSession session;
    int nNew = -1;
    ASSERT_TRUE(session.ReceiveAllSms(&nNew)) << boxes.All();
    EXPECT_EQ(nNew, 2);
    EXPECT_EQ(Count(L"satu"), 1);
    EXPECT_EQ(Count(L"lima"), 1);
    EXPECT_EQ(host->Records().size(), 2u);

    // The good ones leave the phone; the three unreadable ones stay.
    SimPhone::State st = SimPhone::GetState();
    EXPECT_EQ(st.deleted, (std::vector<std::string>{"SM 1", "SM 5"}));
    EXPECT_EQ(st.MemoryCount("SM"), 3);

    std::vector<MessageBoxLog::Box> b = boxes.Boxes();
    ASSERT_EQ(b.size(), 1u) << boxes.All();
    EXPECT_EQ(b[0].text, L"3 sms di handphone tidak dapat dibaca dan tetap disimpan di handphone.");
    EXPECT_FALSE(b[0].title.IsEmpty());

    // The next fetch reads them the same way: nothing new, the same one box.
    CPhoneSession again;
    ASSERT_TRUE(again.ReceiveAllSms(&nNew));
    EXPECT_EQ(nNew, 0);
    EXPECT_EQ(SimPhone::GetState().MemoryCount("SM"), 3);
    EXPECT_EQ(boxes.Boxes().size(), 2u);
}

TEST_F(FetchIntegrityTest, AMessageThatDiffersFromAFiledOneOnlyByItsDateIsFiled)
{
    // Filed a year earlier: same sender, text and time of day.
    CSMS old;
    old.m_strSenderName = L"628555";
    old.m_strSenderNumber = L"628555";
    old.m_strText = L"Sudah sampai";
    old.m_strFolder = L"Inbox";
    old.m_strDay = L"01", old.m_strMonth = L"05", old.m_strYear = L"04";
    old.m_strHour = L"09", old.m_strMinute = L"00", old.m_strSecond = L"01";
    host->AddRecord(old);
    ASSERT_TRUE(SimPhone::LoadJson("same_but_date", R"({"memories": {"SM": {"messages": [
        {"index": 7, "deliver": {"from": "+628555", "text": "Sudah sampai", "ts": "05/05/01 09:00:01"}}
      ]}}})"));
    CPhoneSession session;
    int nNew = -1;
    ASSERT_TRUE(session.ReceiveAllSms(&nNew)) << boxes.All();
    EXPECT_EQ(nNew, 1);
    EXPECT_EQ(Count(L"Sudah sampai"), 2);
    EXPECT_EQ(SimPhone::GetState().deleted, (std::vector<std::string>{"SM 7"}));

    // The same message again (same date) is recognised as filed.
    ASSERT_TRUE(SimPhone::LoadJson("same_but_date", R"({"memories": {"SM": {"messages": [
        {"index": 8, "deliver": {"from": "+628555", "text": "Sudah sampai", "ts": "05/05/01 09:00:01"}}
      ]}}})"));
    CPhoneSession again;
    ASSERT_TRUE(again.ReceiveAllSms(&nNew));
    EXPECT_EQ(nNew, 0);
    EXPECT_EQ(Count(L"Sudah sampai"), 2);
    EXPECT_TRUE(boxes.Boxes().empty()) << boxes.All();
}

TEST_F(FetchIntegrityTest, APartLeftByARefusedDeleteIsNotFiledAgainAndGoesNextTime)
{
    ASSERT_TRUE(SimPhone::LoadJson("split_by_delete", R"({"memories": {"ME": {"messages": [
        {"index": 1, "deliver": {"from": "+628555", "text": "awal ", "concat": [9, 2, 1], "ts": "05/05/01 09:00:01"}},
        {"index": 2, "deliver": {"from": "+628555", "text": "akhir", "concat": [9, 2, 2], "ts": "05/05/01 09:00:02"}}
      ]}}, "faults": [{"command": "AT+CMGD=", "occurrence": 2, "action": "cms_error", "code": 321}]})"));
    CPhoneSession session;
    int nNew = -1;
    session.ReceiveAllSms(&nNew);
    ASSERT_EQ(SimPhone::GetState().deleted, (std::vector<std::string>{"ME 1"})) << boxes.All();
    CPhoneSession again;
    ASSERT_TRUE(again.ReceiveAllSms(&nNew)) << boxes.All();
    EXPECT_EQ(nNew, 0);
    EXPECT_EQ(host->Records().size(), 1u);
    EXPECT_EQ(Count(L"awal akhir"), 1);
    EXPECT_EQ(SimPhone::GetState().deleted, (std::vector<std::string>{"ME 1", "ME 2"}));
}
