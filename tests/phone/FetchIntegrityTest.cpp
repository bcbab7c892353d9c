// The fetch against a misbehaving phone: PDUs that do not hold together stay on the phone and are
// reported once; a new message that differs from a filed one only by its date is filed; a part left
// by a refused delete is known as filed.
#include "PhoneLinkTestSupport.h"
#include "phone/PhoneSession.h"

#include <map>
#include <memory>
#include <sstream>

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

namespace
{
// A bank's messages (one sender): their reference and the texts of their parts. 8-bit references
// repeat, first parts are one template. Part k of message X ("Xk") is sent in month X, at second k;
// J, K, ... on the day of A, B, ... at 14:00 instead of 09:00.
const std::map<char, std::pair<int, std::vector<const char*>>> kMessages = {
    {'A', {7, {"Yth Nasabah, tagihan kartu kredit Anda sebesar ", "Rp 1.250.000, jatuh tempo 20/02/26."}}},
    {'B', {7, {"Yth Nasabah, tagihan kartu kredit Anda sebesar ", "Rp 2.400.000, jatuh tempo 20/03/26."}}},
    {'C', {7, {"Yth Nasabah, pembayaran ", "Rp 1.250.000 ", "telah kami terima."}}},
    {'D', {7, {"Yth Nasabah, angsuran ", "Rp 1.250.000 ", "jatuh tempo hari ini."}}},
    {'E', {9, {"Bagian satu. ", "Bagian dua. ", "Bagian tiga."}}},
    {'J', {7, {"Yth Nasabah, tagihan kartu kredit Anda sebesar ", "Rp 3.100.000, jatuh tempo 20/01/26."}}},
    {'Z', {0, {""}}}, // not linked, no text: a user data length of 0
};
const char* Text(const std::string& part)
{
    return kMessages.at(part[0]).second.at(part.size() > 1 ? part[1] - '1' : 0);
}
std::vector<std::string> Items(const std::string& list, char sep)
{
    std::vector<std::string> out;
    std::istringstream in(list);
    for (std::string item; std::getline(in, item, sep);)
        out.push_back(item);
    return out;
}

// Fetch by fetch, a line each: the case, "isHapus", then "|"-separated: what reaches the phone
// first ("ME 1:A1": memory, index, part, "A1#4" from another sender, "A1=09:02:00 +28" its stamp's
// time and zone; "restart": the program starts anew, "anew" without its data file; "refuse2": the
// phone refuses the second delete; "copy": a copy of the data file is taken, "back": put back before a
// restart; "garble": the parts' side file is damaged; "full": the data file cannot be written until
// "room"; "erase": the user deletes every record), what was deleted,
// what stays on the phone, the document's texts in filing order (parts joined by "+"). A case
// begins where the name changes.
const char* const kSteps[][3] = {
    {"new part 1 like a filed one", "1", "ME 1:A1,ME 2:A2|ME 1,ME 2||A1+A2"},
    {"new part 1 like a filed one", "1", "ME 1:B1|ME 1||A1+A2,B1"},
    {"new part 1 like a filed one", "1", "ME 2:B2|ME 2||A1+A2,B1+B2"},
    {"the same, kept", "0", "ME 1:A1,ME 2:A2||ME 1,ME 2|A1+A2"},
    {"the same, kept", "0", "ME 3:B1||ME 1,ME 2,ME 3|A1+A2,B1"},
    {"the same, kept", "0", "restart,ME 4:B2||ME 1,ME 2,ME 3,ME 4|A1+A2,B1+B2"},
    {"a fetch apart, kept", "0", "SM 1:A1,SM 2:A2||SM 1,SM 2|A1+A2"},
    {"a fetch apart, kept", "0", "SM 3:B1,SM 4:B2||SM 1,SM 2,SM 3,SM 4|A1+A2,B1+B2"},
    {"middle part inside", "1", "ME 1:C1,ME 2:C2,ME 3:C3|ME 1,ME 2,ME 3||C1+C2+C3"},
    {"middle part inside", "1", "ME 1:D2|ME 1||C1+C2+C3,D2"},
    {"middle part inside", "1", "ME 2:D1,ME 3:D3|ME 2,ME 3||C1+C2+C3,D1+D2+D3"},
    {"listed 1, 1, 2, 2", "0", "ME 1:A1,ME 2:B1,ME 3:A2,ME 4:B2||ME 1,ME 2,ME 3,ME 4|A1+A2,B1+B2"},
    {"stored 2, 1, 3", "1", "refuse2,ME 1:E2,ME 2:E1,ME 3:E3|ME 1|ME 2,ME 3|E1+E2+E3"},
    {"stored 2, 1, 3", "1", "restart|ME 2,ME 3||E1+E2+E3"},
    {"stored 2, 3, 1", "1", "refuse2,SM 1:E2,SM 2:E3,SM 3:E1|SM 1|SM 2,SM 3|E1+E2+E3"},
    {"stored 2, 3, 1", "1", "|SM 2,SM 3||E1+E2+E3"},
    {"a part alone, then its whole", "0", "ME 1:B2||ME 1|B2"},
    {"a part alone, then its whole", "0", "ME 2:B1||ME 1,ME 2|B1+B2"},
    {"a data file anew", "0", "ME 1:A1,ME 2:A2||ME 1,ME 2|A1+A2"},
    {"a data file anew", "0", "restart anew||ME 1,ME 2|A1+A2"},
    {"an empty message", "1", "SM 1:Z|SM 1||Z"},
    {"a copy from before put back", "1", "ME 1:B2|ME 1||B2"},
    {"a copy from before put back", "1", "copy,refuse1,ME 2:B1||ME 2|B1+B2"},
    {"a copy from before put back", "1", "back|ME 2||B1+B2"},
    {"a side file damaged", "1", "refuse2,ME 1:A1,ME 2:A2|ME 1|ME 2|A1+A2"},
    {"a side file damaged", "1", "garble|ME 2||A1+A2"},
    {"an orphan part, a month later its reference again", "1", "ME 1:A1,ME 2:B1,ME 3:B2|ME 1,ME 2,ME 3||A1,B1+B2"},
    {"a full disk", "1", "full,ME 1:A1,ME 2:A2||ME 1,ME 2|A1+A2"},
    {"a full disk", "1", "||ME 1,ME 2|A1+A2"},
    {"a full disk", "1", "room|ME 1,ME 2||A1+A2"},
    {"a full disk", "1", "restart|||A1+A2"},
    {"the same day, its first part like a filed one", "1", "ME 1:A1,ME 2:A2|ME 1,ME 2||A1+A2"},
    {"the same day, its first part like a filed one", "1", "ME 1:J1|ME 1||A1+A2,J1"},
    {"the same day, its first part like a filed one", "1", "ME 2:J2|ME 2||A1+A2,J1+J2"},
    {"the same day, crosswise", "1", "ME 1:A1,ME 2:J2|ME 1,ME 2||A1,J2"},
    {"the same day, crosswise", "1", "ME 3:J1,ME 4:A2|ME 3,ME 4||A1+A2,J1+J2"},
    {"one instant in two zones", "0", "ME 1:A1=10:00:00 +28,ME 2:A2=03:00:30 +0||ME 1,ME 2|A1+A2"},
    {"7 hours apart, clocks 30 s apart", "0", "ME 1:A1=10:00:00 +28,ME 2:A2=10:00:30 +0||ME 1,ME 2|A1,A2"},
    {"parts of ten senders", "1",
     "ME 1:A1#0,ME 2:A1#1,ME 3:A1#2,ME 4:A1#3,ME 5:A1#4|ME 1,ME 2,ME 3,ME 4,ME 5||A1,A1,A1,A1,A1"},
    {"parts of ten senders", "1",
     "ME 1:A1#5,ME 2:A1#6,ME 3:A1#7,ME 4:A1#8,ME 5:A1#9|ME 1,ME 2,ME 3,ME 4,ME 5||A1,A1,A1,A1,A1,A1,A1,A1,A1,A1"},
    {"parts of ten senders", "1", "ME 1:A2#3,ME 2:A2#7|ME 1,ME 2||A1,A1,A1,A1+A2,A1,A1,A1,A1+A2,A1,A1"},
    {"the user's delete", "1", "refuse2,ME 1:A1#1,ME 2:B1#2,ME 3:C2#3|ME 1|ME 2,ME 3|A1,B1,C2"},
    {"the user's delete", "1", "erase|ME 2,ME 3||"},
    {"the user's delete, kept", "0", "ME 1:A1,ME 2:A2||ME 1,ME 2|A1+A2"},
    {"the user's delete, kept", "0", "erase||ME 1,ME 2|"},
    {"11 minutes apart", "1", "ME 1:A1=09:00:00,ME 2:A2=09:11:00|ME 1,ME 2||A1,A2"},
    {"a look-alike part 1 two minutes later", "1", "ME 1:A1,ME 2:A2|ME 1,ME 2||A1+A2"},
    {"a look-alike part 1 two minutes later", "1", "ME 1:J1=09:02:00|ME 1||A1+A2,J1"},
    {"a look-alike part 1 two minutes later", "1", "ME 2:J2=09:02:01|ME 2||A1+A2,J1+J2"},
    {"a full disk, then a restart", "1", "ME 1:B2|ME 1||B2"},
    {"a full disk, then a restart", "1", "full,ME 2:B1||ME 2|B1+B2"},
    {"a full disk, then a restart", "1", "room,restart|ME 2||B1+B2"},
};
} // namespace

// A part is known by what it is (its place on the phone, its PDU), never by its text.
TEST_F(FetchIntegrityTest, PartsAreKnownByWhatTheyAreFetchByFetch)
{
    // The data file's temporary file held open with no sharing: no save can write it.
    std::unique_ptr<void, BOOL (*)(HANDLE)> full(nullptr, CloseHandle);
    for (size_t n = 0; n < std::size(kSteps); ++n)
    {
        SCOPED_TRACE(std::string(kSteps[n][0]) + ", line " + std::to_string(n + 1));
        const bool bFirst = n == 0 || strcmp(kSteps[n][0], kSteps[n - 1][0]) != 0;
        if (bFirst)
        {
            SetSetting(L"isHapus", kSteps[n][1][0] - '0');
            folder = ScratchFolder(CString(kSteps[n][0]));
            Restart();
        }
        const std::vector<std::string> step = Items(std::string(kSteps[n][2]) + "|", '|');
        std::string mem[2], faults; // what reaches the phone memory and the SIM, as JSON
        for (const std::string& item : Items(step[0], ','))
        {
            if (item.rfind("refuse", 0) == 0)
                faults = R"({"command": "AT+CMGD=", "action": "cms_error", "code": 321, "occurrence": )" +
                         item.substr(6) + "}";
            if (item.find(':') == std::string::npos)
                continue;
            // "A1=10:00:00 +28": a part stamped at that clock in that zone (quarter hours).
            std::string part = item.substr(item.find(':') + 1), stamp, sender;
            if (part.find('=') != std::string::npos)
                stamp = part.substr(part.find('=') + 1), part.erase(part.find('='));
            if (part.find('#') != std::string::npos)
                sender = part.substr(part.find('#') + 1), part.erase(part.find('#'));
            const std::string seq = part.size() > 1 ? part.substr(1) : "0";
            const auto& message = kMessages.at(part[0]);
            const std::string concat = message.first ? "[" + std::to_string(message.first) + ", " +
                                                           std::to_string(message.second.size()) + ", " + seq + "]"
                                                     : "null";
            std::string& m = mem[item[0] == 'S'];
            m += std::string(m.empty() ? "" : ", ") + "{\"index\": " + item.substr(3, item.find(':') - 3) +
                 ", \"deliver\": {\"from\": \"+62811500123" + sender + "\", \"concat\": " + concat +
                 ", \"ts\": \"26/0" + std::to_string(1 + (part[0] - 'A') % 9) + "/10 " +
                 (stamp.empty() ? std::string(part[0] < 'J' ? "09" : "14") + ":00:0" + seq : stamp) +
                 "\", \"text\": \"" + Text(part) + "\"}}";
        }
        ASSERT_TRUE(SimPhone::LoadJson("parts", std::string("{\"keep\": ") + (bFirst ? "false" : "true") +
                                                    ", \"memories\": {\"ME\": {\"messages\": [" + mem[0] +
                                                    "]}, \"SM\": {\"messages\": [" + mem[1] + "]}}, \"faults\": [" +
                                                    faults + "]}"));
        if (step[0].find("anew") != std::string::npos)
            DeleteFileW(folder + L"CorvaneSms.dat");
        if (step[0].find("copy") != std::string::npos)
            CopyFileW(folder + L"CorvaneSms.dat", folder + L"copy.dat", FALSE);
        if (step[0].find("back") != std::string::npos)
            CopyFileW(folder + L"copy.dat", folder + L"CorvaneSms.dat", FALSE), Restart();
        if (step[0].find("garble") != std::string::npos)
        {
            // A PDU that is not hex, then a line cut short.
            FILE* f = _wfopen(folder + L"CorvaneSms.dat.parts", L"wb");
            ASSERT_TRUE(f != nullptr);
            fputs("ME 2 0791261800ZZ 260210090002\r\nME 1 07912", f);
            fclose(f);
        }
        if (step[0].find("full") != std::string::npos)
        {
            full.reset(
                CreateFileW(folder + L"CorvaneSms.dat.tmp", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
            ASSERT_NE(full.get(), INVALID_HANDLE_VALUE);
        }
        if (step[0].find("room") != std::string::npos)
            full.reset();
        if (step[0].find("restart") != std::string::npos)
            Restart();
        if (step[0].find("erase") != std::string::npos)
        {
            CCorvane_smsDoc* pDoc = host->GetDoc();
            while (!pDoc->m_listSms.IsEmpty())
                delete (CSMS*)pDoc->m_listSms.RemoveHead();
            pDoc->NoteRecordsChanged();
        }
        CPhoneSession session;
        // A data file that cannot be written fails the fetch with its one box.
        const size_t nBoxes = boxes.Boxes().size();
        ASSERT_EQ(session.ReceiveAllSms(nullptr), !full) << boxes.All();
        EXPECT_TRUE(!full || boxes.Boxes().size() == nBoxes + 1) << boxes.All();
        EXPECT_FALSE(boxes.Any(L"SMS is not valid"));
        EXPECT_TRUE(step[0].find("garble") == std::string::npos ||
                    ReadUtf16File(folder + L"logCorvaneSms.txt").Find(L".dat.parts tidak dapat dibaca") >= 0);

        const SimPhone::State st = SimPhone::GetState();
        std::vector<std::string> phone;
        for (const std::string& line : st.memory)
            phone.push_back(line.substr(0, line.find(' ', 3)));
        EXPECT_EQ(st.deleted, Items(step[1], ','));
        EXPECT_EQ(phone, Items(step[2], ','));
        std::vector<CString> filed, texts;
        for (const std::string& record : Items(step[3], ','))
        {
            filed.emplace_back();
            for (const std::string& part : Items(record, '+'))
                filed.back() += Text(part);
        }
        for (const CSMS& r : host->Records())
            texts.push_back(r.m_strText);
        EXPECT_EQ(texts, filed);
    }
}
