// Sending through the simulated phone: one part, linked parts, several recipients, the Outbox.
#include "PhoneLinkTestSupport.h"
#include "phone/GsmAlphabet.h"
#include "phone/PhoneSession.h"
#include "phone/SmsComposer.h"

using namespace phonetest;

namespace
{
struct SendTest : HostTest
{
    void SetUp() override
    {
        HostTest::SetUp();
        if (IsSkipped())
            return;
        SetSetting(L"isSaveToSent", 1);
        ASSERT_TRUE(SimPhone::Load("basic"));
    }

    // Octet i of a sent PDU ("<length> <mr> <pdu>").
    static int Octet(const std::string& sent, int i)
    {
        std::string pdu = sent.substr(sent.rfind(' ') + 1);
        return std::stoi(pdu.substr((size_t)i * 2, 2), nullptr, 16);
    }
    // Destination digits (undone semi-octets) of a sent PDU without service centre.
    static std::string Destination(const std::string& sent)
    {
        std::string pdu = sent.substr(sent.rfind(' ') + 1);
        int n = Octet(sent, 3);
        std::string out;
        for (int i = 0; i < (n + 1) / 2; ++i)
        {
            out += pdu[10 + i * 2 + 1];
            out += pdu[10 + i * 2];
        }
        if (!out.empty() && out.back() == 'F')
            out.pop_back();
        return out;
    }
};
} // namespace

TEST_F(SendTest, OnePartGoesAfterThePromptWithItsLength)
{
    CPhoneSession session;
    ASSERT_TRUE(CPhoneSession::OpenPort());
    CSMS r = Outbox(L"", L"6281234567890", L"hello");
    CUnicodeTextWriter log;
    ASSERT_TRUE(session.SendSmsPdu(log, host->m_port, r, FALSE, 0, 0, 0)) << boxes.All();
    EXPECT_TRUE(host->m_port.IsOpen());
    SimPhone::State st = SimPhone::GetState();
    ASSERT_EQ(st.sent.size(), 1u);
    EXPECT_EQ(st.sent[0].substr(0, st.sent[0].find(' ')), "20");
    EXPECT_EQ(st.commands, (std::vector<std::string>{"AT", "AT+CMGF=0", "AT+CMGS=20"}));
    EXPECT_EQ(Octet(st.sent[0], 1), 0x31); // SMS-SUBMIT, relative validity, status report
    EXPECT_EQ(Octet(st.sent[0], 4), 0x91);
    EXPECT_EQ(Destination(st.sent[0]), "6281234567890");
    EXPECT_TRUE(boxes.Boxes().empty()) << boxes.All();
}

TEST_F(SendTest, ErrorInsteadOfThePromptFailsWithoutWritingThePdu)
{
    ASSERT_TRUE(SimPhone::LoadJson("noprompt",
                                   R"({"extends": "basic", "faults": [{"command": "AT+CMGS=", "action": "error"}]})"));
    CPhoneSession session;
    ASSERT_TRUE(CPhoneSession::OpenPort());
    CUnicodeTextWriter log;
    EXPECT_FALSE(session.SendSmsPdu(log, host->m_port, Outbox(L"", L"0812555", L"hi"), FALSE, 0, 0, 0));
    EXPECT_FALSE(host->m_port.IsOpen());
    EXPECT_TRUE(boxes.Any(L"Error sewaktu menulis PDU SMS.")) << boxes.All();
    SimPhone::State st = SimPhone::GetState();
    EXPECT_TRUE(st.sent.empty());
}

TEST_F(SendTest, AnEmptyPduIsNeverSent)
{
    CPhoneSession session;
    ASSERT_TRUE(CPhoneSession::OpenPort());
    CUnicodeTextWriter log;
    CString tooLong(L'1', 300);
    EXPECT_FALSE(session.SendSmsPdu(log, host->m_port, Outbox(L"", tooLong, L"hi"), FALSE, 0, 0, 0));
    // The encoder has reported the number; the session adds no second box.
    ASSERT_EQ(boxes.Boxes().size(), 1u) << boxes.All();
    EXPECT_TRUE(boxes.Any(L"Cannot Semi-Octet encode")) << boxes.All();
    SimPhone::State st = SimPhone::GetState();
    EXPECT_EQ(st.Count("AT+CMGS=-1"), 0);
    EXPECT_TRUE(st.sent.empty());
}

TEST_F(SendTest, ALongTextGoesInLinkedPartsCountedInSeptets)
{
    // 150 characters of which 10 are from the extension table: 160 septets; one part.
    CString text10;
    for (int i = 0; i < 140; ++i)
        text10 += (wchar_t)(L'a' + i % 26);
    text10 += L"[]{}[]{}[]";
    CStringArray parts;
    EXPECT_EQ(CSmsComposer::SplitText(text10, parts), 1);
    // One more character: 161 septets, so parts of at most 152 septets, no escape pair cut.
    CString text = text10 + L"~";
    ASSERT_EQ(CSmsComposer::SplitText(text, parts), 2);
    EXPECT_EQ(parts[0] + parts[1], text);
    EXPECT_LE(GsmCountSeptets(parts[0]), 152);

    // Three parts to one recipient through the phone.
    CString longText;
    for (int i = 0; i < 400; ++i)
        longText += (wchar_t)(L'A' + i % 26);
    host->AddRecord(Outbox(L"Budi", L"+628123456789", longText));
    CSmsComposer composer;
    composer.m_source = host->Records()[0];
    ASSERT_EQ(composer.SendWithoutWindow(), 1) << boxes.All();
    SimPhone::State st = SimPhone::GetState();
    ASSERT_EQ(st.sent.size(), 3u);
    const int ref = Octet(st.sent[0], 18);
    EXPECT_GE(ref, 10);
    EXPECT_LE(ref, 64);
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(Octet(st.sent[i], 1), 0x71);     // with a user-data header
        EXPECT_EQ(Octet(st.sent[i], 15), 0x05);    // header length
        EXPECT_EQ(Octet(st.sent[i], 16), 0x00);    // concatenation, 8-bit reference
        EXPECT_EQ(Octet(st.sent[i], 17), 0x03);    // element length
        EXPECT_EQ(Octet(st.sent[i], 18), ref);     // one reference for all parts
        EXPECT_EQ(Octet(st.sent[i], 19), 3);       // parts
        EXPECT_EQ(Octet(st.sent[i], 20), i + 1);   // part number
        EXPECT_LE(Octet(st.sent[i], 14) - 7, 152); // septets of text
        EXPECT_EQ(Destination(st.sent[i]), "628123456789");
    }
    // Filed in "Sent" with the whole text.
    std::vector<CSMS> sent = host->Folder(L"Sent");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].m_strText, longText);
    EXPECT_TRUE(host->Folder(L"Outbox").empty());
}

TEST_F(SendTest, EveryRecipientGetsTheMessage)
{
    host->AddRecord(Outbox(L"Budi;0812555", L"628111111;0812555", L"Rapat jam 9"));
    CSmsComposer composer;
    composer.m_source = host->Records()[0];
    ASSERT_EQ(composer.SendWithoutWindow(), 1) << boxes.All();
    SimPhone::State st = SimPhone::GetState();
    ASSERT_EQ(st.sent.size(), 2u);
    EXPECT_EQ(Destination(st.sent[0]), "628111111");
    EXPECT_EQ(Octet(st.sent[0], 4), 0x91);
    EXPECT_EQ(Destination(st.sent[1]), "0812555");
    EXPECT_EQ(Octet(st.sent[1], 4), 0x81);
    std::vector<CSMS> sent = host->Folder(L"Sent");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].m_strRecipientNumber, L"628111111;0812555");
    EXPECT_EQ(sent[0].m_strRecipientName, L"Budi;0812555");
}

TEST(SmsComposer, RecipientTextsPairNamesWithNumbers)
{
    EXPECT_EQ(CSmsComposer::ParseRecipients(L"A;N2", L"N1;N2"), L"A<N1>;N2");
    EXPECT_EQ(CSmsComposer::ParseRecipients(L"", L"+62811;0812"), L"62811;0812");
    CString rest = L"Budi <62811>;0812;";
    CString name, number;
    ASSERT_TRUE(CSmsComposer::NextRecipient(rest, name, number));
    EXPECT_EQ(name, L"Budi ");
    EXPECT_EQ(number, L"62811");
    ASSERT_TRUE(CSmsComposer::NextRecipient(rest, name, number));
    EXPECT_EQ(number, L"0812");
    EXPECT_FALSE(CSmsComposer::NextRecipient(rest, name, number));
    for (int i = 0; i < 20; ++i)
    {
        int ref = CSmsComposer::DrawReference();
        EXPECT_GE(ref, 10);
        EXPECT_LE(ref, 64);
    }
}

TEST_F(SendTest, OutboxSendCountsWhatWasSent)
{
    host->AddRecord(Outbox(L"A", L"628111", L"satu"));
    CSMS inbox = Outbox(L"", L"", L"masuk");
    inbox.m_strFolder = L"Inbox";
    host->AddRecord(inbox);
    CSMS second = Outbox(L"B", L"628222", L"dua");
    second.m_strFolder = L"OUTBOX";
    host->AddRecord(second);

    CPhoneSession session;
    EXPECT_EQ(session.SendOutbox(), 2) << boxes.All();
    EXPECT_EQ(SimPhone::GetState().sent.size(), 2u);
    EXPECT_EQ(host->Folder(L"Sent").size(), 2u);
    EXPECT_EQ(host->Folder(L"Inbox").size(), 1u);
    EXPECT_TRUE(host->HasStatus(L"Sending sms no:2"));
    EXPECT_TRUE(host->HasStatus(L"SMS dari Outbox telah terkirim"));
    EXPECT_EQ(host->m_refreshes, 1);

    // Nothing left: the other text, no refresh.
    CPhoneSession again;
    EXPECT_EQ(again.SendOutbox(), 0);
    EXPECT_TRUE(host->HasStatus(L"Tidak ada SMS yang akan dikirim dari Outbox"));
    EXPECT_EQ(host->m_refreshes, 1);
}

TEST_F(SendTest, ARejectedSendIsReportedAndTheMessageStaysInTheOutbox)
{
    ASSERT_TRUE(SimPhone::LoadJson(
        "cms", R"({"extends": "basic", "faults": [{"command": "AT+CMGS=", "action": "cms_error", "code": 500}]})"));
    host->AddRecord(Outbox(L"A", L"628111", L"satu"));
    CPhoneSession session;
    EXPECT_EQ(session.SendOutbox(), 0);
    EXPECT_TRUE(boxes.Any(L"+CMS ERROR: 500")) << boxes.All();
    EXPECT_FALSE(host->HasStatus(L"SMS dari Outbox telah terkirim"));
    EXPECT_TRUE(host->HasStatus(L"1 sms dari Outbox gagal dikirim."));
    EXPECT_EQ(host->Folder(L"Outbox").size(), 1u);
    EXPECT_FALSE(host->m_port.IsOpen());
    EXPECT_EQ(host->m_refreshes, 0);
}

// The phone refuses part 2 of a two-part message for the second of three recipients: the first is
// filed in "Sent", the record (in the data file too) keeps the others with what the second got,
// and the next send gives that one only part 2, under its reference.
TEST_F(SendTest, AnOutboxSendStoppedPartwayKeepsTheOthersAndResumesThere)
{
    ASSERT_TRUE(SimPhone::LoadJson("refuse_fourth", R"({"extends": "basic", "faults": [{"command": "AT+CMGS=",
        "occurrence": 4, "action": "cms_error", "code": 500}]})"));
    host->AddRecord(Outbox(L"A;B;C", L"628111;628222;628333", CString(L'y', 200)));
    EXPECT_EQ(CPhoneSession().SendOutbox(), 0);
    EXPECT_EQ(host->m_refreshes, 1); // the list shows what changed
    ASSERT_EQ(host->Folder(L"Sent").size(), 1u);
    EXPECT_EQ(host->Folder(L"Sent")[0].m_strRecipientNumber, L"628111");
    const int nRef = Octet(SimPhone::GetState().sent[2], 15);
    CCorvane_smsDoc saved;
    saved.SetDataFilePath(folder + L"CorvaneSms.dat");
    ASSERT_TRUE(saved.LoadData());
    const CSMS* pKept = (const CSMS*)saved.m_listSms.GetHead();
    EXPECT_EQ(pKept->m_strRecipientNumber + L"|" + pKept->m_strRecipientName, L"628222;628333|B;C");
    EXPECT_EQ(pKept->m_nRef * 10 + pKept->m_nPart, nRef * 10 + 1);

    ASSERT_TRUE(SimPhone::Load("basic"));
    EXPECT_EQ(CPhoneSession().SendOutbox(), 1) << boxes.All();
    SimPhone::State st = SimPhone::GetState();
    ASSERT_EQ(st.sent.size(), 3u);
    EXPECT_EQ(Destination(st.sent[0]) + Destination(st.sent[1]), "628222628333");
    EXPECT_EQ(Octet(st.sent[0], 15) * 10 + Octet(st.sent[0], 17), nRef * 10 + 2);
    EXPECT_TRUE(host->Folder(L"Outbox").empty());
    EXPECT_EQ(host->Folder(L"Sent").size(), 2u);
}

// A phone announces a message that arrives meanwhile ("+CMTI: ...") before the prompt and before
// the answer to the PDU; the send goes on as usual.
TEST_F(SendTest, UnsolicitedLinesAroundThePromptAreSkipped)
{
    ASSERT_TRUE(SimPhone::LoadJson("urc_send", R"({"extends": "basic", "urc": [
        {"command": "AT+CMGF=0"}, {"command": "AT+CMGS="}, {"command": "PDU", "line": "RING"}]})"));
    CPhoneSession session;
    ASSERT_TRUE(CPhoneSession::OpenPort());
    CUnicodeTextWriter log;
    EXPECT_TRUE(session.SendSmsPdu(log, host->m_port, Outbox(L"", L"6281234567890", L"hello"), FALSE, 0, 0, 0))
        << boxes.All();
    EXPECT_TRUE(boxes.Boxes().empty()) << boxes.All();
    SimPhone::State st = SimPhone::GetState();
    ASSERT_EQ(st.sent.size(), 1u);
    EXPECT_NE(st.sent[0].find(" 1 "), std::string::npos) << st.sent[0];
}

// Silence after the PDU: no final result, reported with the send's own text.
TEST_F(SendTest, SilenceAfterThePduIsReported)
{
    ASSERT_TRUE(SimPhone::LoadJson("pdu_silence",
                                   R"({"extends": "basic", "faults": [{"command": "PDU", "action": "silence"}]})"));
    CPhoneSession session;
    ASSERT_TRUE(CPhoneSession::OpenPort());
    CUnicodeTextWriter log;
    EXPECT_FALSE(session.SendSmsPdu(log, host->m_port, Outbox(L"", L"6281234567890", L"hello"), FALSE, 0, 0, 0));
    EXPECT_FALSE(host->m_port.IsOpen());
    ASSERT_EQ(boxes.Boxes().size(), 1u) << boxes.All();
    EXPECT_EQ(boxes.Boxes()[0].text, L"Timeout, tidak ada respon dari handphone sewaktu menulis PDU.");
}
