// The fetch end to end: the session reads both memories of the simulated phone through the COM
// port, files the messages, saves the data file, and deletes only what is safe.
#include "PhoneLinkTestSupport.h"
#include "phone/PhoneSession.h"
#include "phone/PostedText.h"
#include "phone/StoreHelpers.h"

#include <algorithm>
#include <iostream>

using namespace phonetest;

namespace
{
struct FetchTest : HostTest
{
    void SetUp() override
    {
        HostTest::SetUp();
        if (IsSkipped())
            return;
        SetSetting(L"isHapus", 0);
        // A message the document already holds.
        CSMS old;
        old.m_strSenderName = L"6287777777777";
        old.m_strSenderNumber = L"6287777777777";
        old.m_strText = L"Pesan lama";
        old.m_strFolder = L"Inbox";
        old.m_strDay = L"01", old.m_strMonth = L"03", old.m_strYear = L"05";
        old.m_strHour = L"10", old.m_strMinute = L"11", old.m_strSecond = L"12";
        host->AddRecord(old);
    }
    void TearDown() override
    {
        HostTest::TearDown();
        SetSetting(L"isHapus", 0);
    }
    const CSMS* Find(const std::vector<CSMS>& recs, const wchar_t* text)
    {
        for (const CSMS& r : recs)
            if (r.m_strText.Find(text) >= 0)
                return &r;
        return nullptr;
    }
    // What the data file on disk holds.
    std::vector<CSMS> SavedRecords()
    {
        CCorvane_smsDoc doc;
        doc.SetDataFilePath(folder + L"CorvaneSms.dat");
        std::vector<CSMS> out;
        if (!doc.LoadData())
            return out;
        POSITION pos = doc.m_listSms.GetHeadPosition();
        while (pos)
            out.push_back(*(CSMS*)doc.m_listSms.GetNext(pos));
        return out;
    }
};

const std::vector<std::string> kFetchCommands = {
    "AT", "AT+CGMI", "AT+GMM", "AT+CMGF=0", "AT+CPMS=\"ME\"", "AT+CMGL=4", "AT+CPMS=\"SM\"", "AT+CMGL=4"};
} // namespace

TEST_F(FetchTest, ReadsBothMemoriesFilesNewMessagesAndKeepsThemOnThePhone)
{
    ASSERT_TRUE(SimPhone::Load("fetch_full"));
    CPhoneSession session;
    int nNew = -1;
    ASSERT_TRUE(session.ReceiveAllSms(&nNew)) << boxes.All();
    EXPECT_EQ(nNew, 6);
    EXPECT_TRUE(boxes.Boxes().empty()) << boxes.All();

    SimPhone::State st = SimPhone::GetState();
    EXPECT_EQ(st.commands, kFetchCommands);
    EXPECT_EQ(st.MemoryCount("ME"), 4);
    EXPECT_EQ(st.MemoryCount("SM"), 5);
    EXPECT_FALSE(host->m_port.IsOpen());

    std::vector<CSMS> recs = host->Records();
    ASSERT_EQ(recs.size(), 7u);
    const CSMS* r7 = Find(recs, L"Halo apa kabar?");
    ASSERT_NE(r7, nullptr);
    EXPECT_EQ(r7->m_strText, L"Halo apa kabar? [ok] {100%}");
    EXPECT_EQ(r7->m_strSenderNumber, L"6281234567890");
    EXPECT_EQ(r7->m_strFolder, L"Inbox");
    EXPECT_EQ(r7->m_strHour + r7->m_strMinute + r7->m_strSecond, L"140509");

    const CSMS* ucs2 = Find(recs, L"Selamat pagi");
    ASSERT_NE(ucs2, nullptr);
    EXPECT_EQ(ucs2->m_strText, L"Selamat pagi \x263A \x00E9t\x00E9");

    const CSMS* sent = Find(recs, L"Sudah dikirim");
    ASSERT_NE(sent, nullptr);
    EXPECT_EQ(sent->m_strFolder, L"Sent");
    EXPECT_EQ(sent->m_strRecipientNumber, L"08123456789");

    // Three parts listed as 2 (phone memory), 3 and 1 (SIM) become one message in part order.
    const CSMS* joined = Find(recs, L"bagian");
    ASSERT_NE(joined, nullptr);
    EXPECT_EQ(joined->m_strText, L"bagian satu bagian dua bagian tiga.");
    EXPECT_EQ(joined->m_strSenderNumber, L"6281111111111");

    const CSMS* report = Find(recs, L"STATUS REPORT");
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->m_strFolder, L"Inbox");
    EXPECT_GE(report->m_strText.Find(L"Short message received by the recipient"), 0);

    const CSMS* alpha = Find(recs, L"Promo paket data");
    ASSERT_NE(alpha, nullptr);
    EXPECT_EQ(alpha->m_strSenderNumber, L"Telkomsel");

    int nOld = 0;
    for (const CSMS& r : recs)
        nOld += r.m_strText == L"Pesan lama";
    EXPECT_EQ(nOld, 1);

    // Filed in the list at positions 0..5, all on the GUI (test) thread; the list refreshed once.
    EXPECT_EQ(host->m_inserted, (std::vector<int>{0, 1, 2, 3, 4, 5}));
    for (DWORD t : host->m_insertThreads)
        EXPECT_EQ(t, GetCurrentThreadId());
    EXPECT_EQ(host->m_refreshes, 1);

    // The data file holds everything.
    EXPECT_EQ(SavedRecords().size(), 7u);

    // The status lines, in the order of the steps.
    const wchar_t* const steps[] = {L"menerima sms dari handphone",
                                    L"membuka koneksi dengan hp",
                                    L"check koneksi hp",
                                    L"check merk handphone",
                                    L"Nokia",
                                    L"Model:6310i",
                                    L"setting mode sms",
                                    L"set mode penyimpanan sms",
                                    L"membaca sms :  1",
                                    L"memproses sms dari hp :  1",
                                    L"membaca sms :  1",
                                    L"memproses sms dari hp :  5",
                                    L"ada 6 sms baru."};
    std::vector<CString> status = host->StatusLines();
    size_t at = 0;
    for (const wchar_t* step : steps)
    {
        while (at < status.size() && status[at] != step)
            ++at;
        EXPECT_LT(at, status.size()) << CStringA(step).GetString();
    }
    EXPECT_EQ(CPostedText::GetLiveCount(), 0);

    // The log: UTF-16LE, written anew.
    std::vector<unsigned char> raw = ReadFileBytes(folder + L"logCorvaneSms.txt");
    ASSERT_GE(raw.size(), 2u);
    EXPECT_EQ(raw[0], 0xFF);
    EXPECT_EQ(raw[1], 0xFE);
    CString log = ReadUtf16File(folder + L"logCorvaneSms.txt");
    std::vector<CString> logLines;
    for (int pos = 0; pos < log.GetLength();)
    {
        int end = log.Find(L"\r\n", pos);
        if (end < 0)
            end = log.GetLength();
        logLines.push_back(log.Mid(pos, end - pos));
        pos = end + 2;
    }
    const std::vector<CString> logStart = {L"Open connection=" + SimPhone::PortName(),
                                           L"Send AT Command",
                                           L"check merk handphone",
                                           L"Receive Handphone Model",
                                           L"AT+CGMI",
                                           L"Nokia",
                                           L"AT+GMM",
                                           L"6310i",
                                           L"AT+CMGF=0",
                                           L"AT+CPMS=\"ME\"",
                                           L"SMS PDU :+CPMS: 4,50,4,50,4,50",
                                           L"SMS count=4",
                                           L"AT+CMGL=4"};
    ASSERT_GT(logLines.size(), logStart.size());
    for (size_t i = 0; i < logStart.size(); ++i)
        EXPECT_EQ(logLines[i], logStart[i]) << i;
    EXPECT_EQ(logLines[logStart.size() + 1].Left(6), L"PDU.1:");
    EXPECT_EQ(logLines.back(), L"Read SMS successfull");

    // A second fetch files nothing new and saves nothing.
    CPhoneSession again;
    ASSERT_TRUE(again.ReceiveAllSms(&nNew));
    EXPECT_EQ(nNew, 0);
    EXPECT_EQ(host->Records().size(), 7u);
    EXPECT_TRUE(host->HasStatus(L"ada 0 sms baru."));
}

TEST_F(FetchTest, WithIsHapusDeletesEveryFiledMessageAfterSaving)
{
    SetSetting(L"isHapus", 1);
    ASSERT_TRUE(SimPhone::Load("fetch_full"));
    CPhoneSession session;
    int nNew = -1;
    ASSERT_TRUE(session.ReceiveAllSms(&nNew)) << boxes.All();
    EXPECT_EQ(nNew, 6);
    SimPhone::State st = SimPhone::GetState();
    std::vector<std::string> expected = kFetchCommands;
    for (const char* c : {"AT+CPMS=\"ME\"", "AT+CMGD=1", "AT+CMGD=2", "AT+CMGD=3", "AT+CMGD=4", "AT+CPMS=\"SM\"",
                          "AT+CMGD=1", "AT+CMGD=2", "AT+CMGD=3", "AT+CMGD=4", "AT+CMGD=5"})
        expected.push_back(c);
    EXPECT_EQ(st.commands, expected);
    EXPECT_TRUE(st.memory.empty());
    EXPECT_EQ(SavedRecords().size(), 7u);
    // Numbered within each memory.
    std::vector<CString> status = host->StatusLines();
    std::vector<CString> deleting;
    for (const CString& line : status)
        if (line.Left(15) == L"menghapus sms :")
            deleting.push_back(line.Mid(15));
    EXPECT_EQ(deleting, (std::vector<CString>{L"1", L"2", L"3", L"4", L"1", L"2", L"3", L"4", L"5"}));
    // The last status line is the result, not the last delete.
    ASSERT_FALSE(status.empty());
    EXPECT_EQ(status.back(), L"ada 6 sms baru.");
}

namespace
{
// The longest run of hexadecimal digits in a text.
int LongestHexRun(const CString& text)
{
    int best = 0, run = 0;
    for (int i = 0; i < text.GetLength(); ++i)
    {
        run = iswxdigit(text[i]) ? run + 1 : 0;
        best = std::max(best, run);
    }
    return best;
}
} // namespace

// A listing cut short in the middle of a PDU: the box names the memory, has the title "Error"
// and carries no raw PDU text (that goes to the log); the last status line is the failure.
TEST_F(FetchTest, ACutListingIsReportedWithoutItsPduText)
{
    SetSetting(L"isHapus", 1);
    ASSERT_TRUE(SimPhone::LoadJson("cut_in_pdu", R"({"extends": "fetch_full",
        "faults": [{"command": "AT+CMGL=4", "occurrence": 2, "action": "cut", "after_bytes": 200}]})"));
    {
        CPhoneSession session;
        EXPECT_FALSE(session.ReceiveAllSms(nullptr));
    }
    std::vector<MessageBoxLog::Box> b = boxes.Boxes();
    ASSERT_EQ(b.size(), 1u) << boxes.All();
    EXPECT_EQ(b[0].title, L"Error");
    EXPECT_EQ(b[0].text, L"Daftar sms dari handphone tidak lengkap (memori SM). Pembacaan sms dibatalkan, "
                         L"tidak ada sms yang dihapus.");
    EXPECT_LT(LongestHexRun(b[0].text), 8);
    std::vector<CString> status = host->StatusLines();
    ASSERT_FALSE(status.empty());
    EXPECT_EQ(status.back(), b[0].text);
    // The raw listing is in the log.
    CString log = ReadUtf16File(folder + L"logCorvaneSms.txt");
    EXPECT_GE(LongestHexRun(log), 40);
    EXPECT_TRUE(SimPhone::GetState().deleted.empty());
}

TEST_F(FetchTest, APhoneWithoutEchoIsReadTheSame)
{
    ASSERT_TRUE(SimPhone::LoadJson("noecho", R"({"extends": "fetch_full", "echo": false})"));
    CPhoneSession session;
    int nNew = -1;
    ASSERT_TRUE(session.ReceiveAllSms(&nNew)) << boxes.All();
    EXPECT_EQ(nNew, 6);
    std::vector<CSMS> recs = host->Records();
    ASSERT_NE(Find(recs, L"bagian satu bagian dua bagian tiga."), nullptr);
}

TEST_F(FetchTest, AMessageWithPartsMissingIsFiledPartByPartAndLeavesThePhone)
{
    SetSetting(L"isHapus", 1);
    ASSERT_TRUE(SimPhone::LoadJson("partial", R"({
      "memories": {"SM": {"messages": [
        {"index": 4, "deliver": {"from": "+628555", "text": "satu ", "concat": [7, 3, 1], "ts": "05/05/01 09:00:01"}},
        {"index": 6, "deliver": {"from": "+628555", "text": "tiga", "concat": [7, 3, 3], "ts": "05/05/01 09:00:03"}},
        {"index": 9, "deliver": {"from": "+628555", "text": "biasa", "ts": "05/05/01 09:00:09"}}
      ]}}})"));
    CPhoneSession session;
    int nNew = -1;
    ASSERT_TRUE(session.ReceiveAllSms(&nNew)) << boxes.All();
    // Never joined across the missing part: each part alone.
    EXPECT_EQ(nNew, 3);
    std::vector<CSMS> recs = host->Records();
    const CSMS* part = Find(recs, L"satu");
    ASSERT_NE(part, nullptr);
    EXPECT_EQ(part->m_strText, L"satu ");
    SimPhone::State st = SimPhone::GetState();
    // The data file and its side file hold the parts: their partners join them from there.
    EXPECT_EQ(st.deleted, (std::vector<std::string>{"SM 4", "SM 6", "SM 9"}));
    EXPECT_EQ(st.MemoryCount("SM"), 0);
}

TEST_F(FetchTest, AnIndexThatIsNotANumberIsNeverSentToTheDeleteCommand)
{
    SetSetting(L"isHapus", 1);
    ASSERT_TRUE(SimPhone::LoadJson("badindex", R"({
      "memories": {"SM": {"messages": [
        {"index": "2;AT+CMGD=1", "deliver": {"from": "+628555", "text": "aneh", "ts": "05/05/01 09:00:01"}},
        {"index": 1, "deliver": {"from": "+628555", "text": "biasa", "ts": "05/05/01 09:00:09"}}
      ]}}})"));
    CPhoneSession session;
    int nNew = -1;
    ASSERT_TRUE(session.ReceiveAllSms(&nNew)) << boxes.All();
    EXPECT_EQ(nNew, 2);
    SimPhone::State st = SimPhone::GetState();
    EXPECT_EQ(st.deleted, (std::vector<std::string>{"SM 1"}));
    for (const std::string& c : st.commands)
        EXPECT_EQ(c.find("AT+CMGD=2"), std::string::npos) << c;
}

TEST_F(FetchTest, PartsOfTwoSendersWithOneReferenceStayApart)
{
    ASSERT_TRUE(SimPhone::LoadJson("tworefs", R"({
      "memories": {"SM": {"messages": [
        {"deliver": {"from": "+628111", "text": "A2", "concat": [5, 2, 2]}},
        {"deliver": {"from": "+628222", "text": "B1-", "concat": [5, 2, 1]}},
        {"deliver": {"from": "+628111", "text": "A1-", "concat": [5, 2, 1]}},
        {"deliver": {"from": "+628222", "text": "B2", "concat": [5, 2, 2]}}
      ]}}})"));
    CPhoneSession session;
    int nNew = -1;
    ASSERT_TRUE(session.ReceiveAllSms(&nNew)) << boxes.All();
    EXPECT_EQ(nNew, 2);
    std::vector<CSMS> recs = host->Records();
    ASSERT_NE(Find(recs, L"A1-A2"), nullptr);
    ASSERT_NE(Find(recs, L"B1-B2"), nullptr);
}

TEST_F(FetchTest, APhoneWithoutPhoneMemoryIsReadFromTheSim)
{
    SetSetting(L"isHapus", 1);
    ASSERT_TRUE(SimPhone::LoadJson("nome", R"({"extends": "basic"})"));
    CPhoneSession session;
    int nNew = -1;
    ASSERT_TRUE(session.ReceiveAllSms(&nNew)) << boxes.All();
    EXPECT_EQ(nNew, 1);
    SimPhone::State st = SimPhone::GetState();
    EXPECT_EQ(st.Count("AT+CMGL=4"), 1);
    EXPECT_EQ(st.deleted, (std::vector<std::string>{"SM 1"}));
}

// Every fault ends the fetch with a clear error; nothing is filed twice, nothing deleted.
TEST_F(FetchTest, FaultsEndTheFetchWithAnErrorAndDeleteNothing)
{
    SetSetting(L"isHapus", 1);
    struct Case
    {
        const char* name;
        const char* faults;
        const wchar_t* text;
    } cases[] = {
        {"error_on_me_listing", R"([{"command": "AT+CMGL=4", "occurrence": 1, "action": "error"}])",
         L"(memori ME, respon: ERROR)"},
        {"cms_on_sim_listing", R"([{"command": "AT+CMGL=4", "occurrence": 2, "action": "cms_error", "code": 500}])",
         L"+CMS ERROR: 500"},
        {"listing_cut", R"([{"command": "AT+CMGL=4", "occurrence": 2, "action": "cut", "after_bytes": 200}])",
         L"Pembacaan sms dibatalkan"},
        {"garbage", R"([{"command": "AT", "action": "garbage"}])", L"Timeout, tidak ada respon"},
        {"pdu_mode_refused", R"([{"command": "AT+CMGF=0", "action": "error"}])",
         L"Error while writing AT command to mobile phone."},
        {"pdu_mode_refused_with_cause", R"([{"command": "AT+CMGF=0", "action": "cms_error", "code": 302}])",
         L"+CMS ERROR: 302"},
        // "\r\nerror\r\n": an error line in lower case.
        {"maker_error", R"([{"command": "AT+CGMI", "action": "garbage", "data": "0D0A6572726F720D0A"}])",
         L"Invalid command."},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(
            SimPhone::LoadJson(c.name, std::string(R"({"extends": "fetch_full", "faults": )") + c.faults + "}"));
        size_t nBefore = boxes.Boxes().size();
        CPhoneSession session;
        int nNew = -1;
        EXPECT_FALSE(session.ReceiveAllSms(&nNew));
        EXPECT_FALSE(host->m_port.IsOpen());
        std::vector<MessageBoxLog::Box> b = boxes.Boxes();
        ASSERT_GT(b.size(), nBefore);
        bool found = false;
        for (size_t i = nBefore; i < b.size(); ++i)
            found = found || b[i].text.Find(c.text) >= 0;
        EXPECT_TRUE(found) << CStringA(boxes.All()).GetString();
        // The last status line is the failure.
        std::vector<CString> status = host->StatusLines();
        ASSERT_FALSE(status.empty());
        EXPECT_EQ(status.back(), b.back().text);
        SimPhone::State st = SimPhone::GetState();
        EXPECT_EQ(st.memory.size(), 9u);
        EXPECT_TRUE(st.deleted.empty());
        EXPECT_EQ(host->Records().size(), 1u);
    }
}

TEST_F(FetchTest, ASilentPhoneEndsTheFetchAfterTheTimeout)
{
    SetSetting(L"isHapus", 1);
    ASSERT_TRUE(SimPhone::LoadJson("silent", R"({"extends": "fetch_full",
        "faults": [{"command": "AT+CPMS=\"SM\"", "action": "silence"}]})"));
    CPhoneSession session;
    DWORD start = GetTickCount();
    EXPECT_FALSE(session.ReceiveAllSms(nullptr));
    DWORD elapsed = GetTickCount() - start;
    EXPECT_LT(elapsed, 12000u);
    EXPECT_TRUE(boxes.Any(L"error membaca status Message Store Handphone,respon:")) << boxes.All();
    std::vector<CString> status = host->StatusLines();
    ASSERT_FALSE(status.empty());
    EXPECT_EQ(status.back().Left(44), L"error membaca status Message Store Handphone");
    SimPhone::State st = SimPhone::GetState();
    EXPECT_TRUE(st.deleted.empty());
    EXPECT_EQ(host->Records().size(), 1u);
}

TEST_F(FetchTest, NothingIsDeletedWhenTheDataFileCannotBeSaved)
{
    SetSetting(L"isHapus", 1);
    host->m_doc.SetDataFilePath(folder + L"no such folder\\CorvaneSms.dat");
    ASSERT_TRUE(SimPhone::Load("fetch_full"));
    CPhoneSession session;
    EXPECT_FALSE(session.ReceiveAllSms(nullptr));
    SimPhone::State st = SimPhone::GetState();
    EXPECT_TRUE(st.deleted.empty());
    EXPECT_EQ(st.Count("AT+CMGD=1"), 0);
    EXPECT_EQ(st.memory.size(), 9u);
    // The messages stay readable in the program until it can save them.
    EXPECT_EQ(host->Records().size(), 7u);
}

TEST(FetchJoin, IndexesAreAllDigitsAndNeverEmpty)
{
    EXPECT_TRUE(IsAllDigits(L"12"));
    EXPECT_FALSE(IsAllDigits(L""));
    EXPECT_FALSE(IsAllDigits(L"1;AT+CMGD=2"));
    EXPECT_FALSE(IsAllDigits(L" 3"));
}

TEST_F(FetchTest, AMissingSoundFileIsReportedByTheGuiThread)
{
    SetSetting(L"isSuaraOn", 1);
    SetSetting(L"isSuaraRecOn", 1);
    SetSetting(L"isSuaraNewMsgOn", 0);
    SetSettingText(L"suara_rec", folder + L"nosound.wav");
    ASSERT_TRUE(SimPhone::Load("basic"));
    CPhoneSession session;
    EXPECT_TRUE(session.ReceiveAllSms(nullptr)) << boxes.All();
    std::vector<MessageBoxLog::Box> b = boxes.Boxes();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].text, L"File suara " + folder + L"nosound.wav tidak dapat ditemukan.");
    EXPECT_EQ(b[0].title, L"ERROR");
    EXPECT_EQ(b[0].type & MB_ICONMASK, (UINT)MB_ICONWARNING);
    SetSetting(L"isSuaraOn", 0);
}

// Real phones: new-message indications ("+CMTI: ...", "RING") arrive in the middle of the dialogue,
// and some list their PDUs in lower-case hex.
TEST_F(FetchTest, UnsolicitedLinesAndLowerCaseHexDoNotDisturbTheFetch)
{
    SetSetting(L"isHapus", 1);
    ASSERT_TRUE(SimPhone::LoadJson("urc_fetch", R"({"extends": "fetch_full", "lowercase_hex": true, "urc": [
        {"command": "AT"}, {"command": "AT+CGMI"}, {"command": "AT+GMM", "line": "RING"},
        {"command": "AT+CMGF=0"}, {"command": "AT+CPMS="}, {"command": "AT+CMGL=4"},
        {"command": "AT+CMGD=", "occurrence": 2}]})"));
    CPhoneSession session;
    int nNew = -1;
    ASSERT_TRUE(session.ReceiveAllSms(&nNew)) << boxes.All();
    EXPECT_EQ(nNew, 6);
    EXPECT_TRUE(boxes.Boxes().empty()) << boxes.All();
    std::vector<CSMS> recs = host->Records();
    ASSERT_NE(Find(recs, L"bagian satu bagian dua bagian tiga."), nullptr);
    ASSERT_NE(Find(recs, L"Halo apa kabar? [ok] {100%}"), nullptr);
    EXPECT_TRUE(host->HasStatus(L"Nokia"));
    SimPhone::State st = SimPhone::GetState();
    EXPECT_TRUE(st.memory.empty());
    EXPECT_EQ(st.deleted.size(), 9u);
}

// A delete the phone refuses is reported; the messages not yet deleted stay on the phone.
TEST_F(FetchTest, ARefusedDeleteIsReportedAndTheRestStay)
{
    SetSetting(L"isHapus", 1);
    ASSERT_TRUE(SimPhone::LoadJson("delete_refused", R"({"extends": "fetch_full",
        "faults": [{"command": "AT+CMGD=", "occurrence": 2, "action": "cms_error", "code": 321}]})"));
    CPhoneSession session;
    int nNew = -1;
    EXPECT_TRUE(session.ReceiveAllSms(&nNew)) << boxes.All();
    EXPECT_EQ(nNew, 6);
    EXPECT_TRUE(boxes.Any(L"+CMS ERROR: 321")) << boxes.All();
    EXPECT_EQ(boxes.Boxes().size(), 1u) << boxes.All();
    EXPECT_FALSE(host->m_port.IsOpen());
    SimPhone::State st = SimPhone::GetState();
    EXPECT_EQ(st.deleted, (std::vector<std::string>{"ME 1"}));
    EXPECT_EQ(st.Count("AT+CMGD=3"), 0);
    EXPECT_EQ(SavedRecords().size(), 7u);
}

// Some phones answer only one of the two model commands.
TEST_F(FetchTest, APhoneThatRefusesTheShortModelCommandIsAskedTheOther)
{
    ASSERT_TRUE(SimPhone::LoadJson("nogmm", R"({"extends": "basic", "model": "3310",
        "faults": [{"command": "AT+GMM", "action": "error"}]})"));
    CPhoneSession session;
    int nNew = -1;
    ASSERT_TRUE(session.ReceiveAllSms(&nNew)) << boxes.All();
    EXPECT_EQ(nNew, 1);
    EXPECT_TRUE(boxes.Boxes().empty()) << boxes.All();
    EXPECT_EQ(session.m_strPhoneModel, L"3310");
    SimPhone::State st = SimPhone::GetState();
    EXPECT_EQ(std::vector<std::string>(st.commands.begin(), st.commands.begin() + 5),
              (std::vector<std::string>{"AT", "AT+CGMI", "AT+GMM", "AT+CGMM", "AT+CMGF=0"}));

    // Refusing both ends the fetch as before.
    ASSERT_TRUE(SimPhone::LoadJson("nomodel", R"({"extends": "basic", "faults": [
        {"command": "AT+GMM", "action": "error"}, {"command": "AT+CGMM", "action": "error"}]})"));
    CPhoneSession again;
    EXPECT_FALSE(again.ReceiveAllSms(nullptr));
    EXPECT_TRUE(boxes.Any(L"Invalid command.")) << boxes.All();
    EXPECT_FALSE(host->m_port.IsOpen());
}

// Linked parts with a 16-bit reference (element 08), in UCS2, listed out of order, next to a
// message of the same sender whose 8-bit reference equals the low octet of that reference.
TEST_F(FetchTest, PartsWithSixteenBitReferencesAreJoined)
{
    ASSERT_TRUE(SimPhone::LoadJson("ref16", R"({"lowercase_hex": true,
      "memories": {"SM": {"messages": [
        {"index": 1, "deliver": {"from": "+628333", "text": "dua \u00e9", "ucs2": true, "concat": [300, 2, 2]}},
        {"index": 2, "deliver": {"from": "+628333", "text": "lain-", "concat": [44, 2, 1]}},
        {"index": 3, "deliver": {"from": "+628333", "text": "satu \u263a ", "ucs2": true, "concat": [300, 2, 1]}},
        {"index": 4, "deliver": {"from": "+628333", "text": "lagi", "concat": [44, 2, 2]}}
      ]}}})"));
    CPhoneSession session;
    int nNew = -1;
    ASSERT_TRUE(session.ReceiveAllSms(&nNew)) << boxes.All();
    EXPECT_EQ(nNew, 2);
    std::vector<CSMS> recs = host->Records();
    EXPECT_NE(Find(recs, L"satu \x263A dua \x00E9"), nullptr);
    EXPECT_NE(Find(recs, L"lain-lagi"), nullptr);
}
