// Sending from the compose window and without it, through the simulated phone: parts and
// references, several recipients, the checks before anything is sent, failures on the way, the
// filing in "Sent", the history, and characters the encoder replaces.
#include "ComposeTestSupport.h"

#include "phone/AppSettings.h"
#include "phone/PhoneSession.h"
#include "phone/PhoneUse.h"

#include <map>

using namespace phonetest;
using namespace composetest;

namespace
{
// The septets of a sent PDU's user data without header (single part), from the UDL at nUdl.
std::vector<int> Septets(const std::string& sent, int nUdl)
{
    const int nCount = ComposeTest::Octet(sent, nUdl);
    std::vector<int> out;
    unsigned int acc = 0;
    int bits = 0, i = nUdl + 1;
    while ((int)out.size() < nCount)
    {
        if (bits < 7)
        {
            acc |= (unsigned int)ComposeTest::Octet(sent, i++) << bits;
            bits += 8;
        }
        out.push_back((int)(acc & 0x7F));
        acc >>= 7;
        bits -= 7;
    }
    return out;
}

// Index of the UDL of a single-part PDU to a destination of nDigits digits.
int UdlIndex(int nDigits) { return 5 + (nDigits + 1) / 2 + 3; }

struct ComposeSendTest : ComposeTest
{
    void Compose(const CString& strRecipients, const CString& strText)
    {
        Open(L"Baru", nullptr, 0, 0, 0);
        dlg->m_wndRecipients.SetWindowText(strRecipients);
        dlg->m_wndText.SetWindowText(strText);
    }
    void Send() { dlg->SendMessage(WM_COMMAND, ID_COMPOSE_SEND); }
    // The window closed itself after a send that succeeded.
    bool Closed() const { return !dlg->IsWindowVisible(); }
    CString History(int i)
    {
        CString strKey;
        strKey.Format(L"%d", i);
        return AfxGetApp()->GetProfileString(L"History", strKey, L"<none>");
    }
};
} // namespace

TEST_F(ComposeSendTest, OneHundredSixtyCharactersGoInOnePduAndOneMoreInTwoLinkedParts)
{
    Compose(L"0811", CString(L'a', 160));
    Send();
    EXPECT_TRUE(Closed()) << boxes.All();
    SimPhone::State st = SimPhone::GetState();
    ASSERT_EQ(st.sent.size(), 1u);
    EXPECT_EQ(Octet(st.sent[0], 1) & 0x40, 0); // no user-data header
    EXPECT_EQ(Octet(st.sent[0], UdlIndex(4)), 160);
    // The steps showed in the window's status pane.
    EXPECT_EQ(dlg->m_strLastStatus, L"menutup koneksi dengan handphone");

    Compose(L"0811", CString(L'b', 161));
    Send();
    EXPECT_TRUE(Closed());
    st = SimPhone::GetState();
    ASSERT_EQ(st.sent.size(), 3u);
    const int nRef = Octet(st.sent[1], 14);
    EXPECT_GE(nRef, 10);
    EXPECT_LE(nRef, 64);
    for (int i = 1; i <= 2; ++i)
    {
        EXPECT_EQ(Octet(st.sent[i], 1) & 0x40, 0x40);
        EXPECT_EQ(Octet(st.sent[i], 14), nRef);
        EXPECT_EQ(Octet(st.sent[i], 15), 2);
        EXPECT_EQ(Octet(st.sent[i], 16), i);
    }
    std::vector<CSMS> sent = host->Folder(L"Sent");
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[1].m_strText, CString(L'b', 161));
}

TEST_F(ComposeSendTest, TwoRecipientsGetTwoSendsAndOneSentRecordWithTheirHistory)
{
    Compose(L"Budi <+62811>;+0812", L"rapat");
    Send();
    EXPECT_TRUE(Closed()) << boxes.All();
    SimPhone::State st = SimPhone::GetState();
    ASSERT_EQ(st.sent.size(), 2u);
    EXPECT_EQ(Destination(st.sent[0]), "62811");
    EXPECT_EQ(Destination(st.sent[1]), "0812");
    std::vector<CSMS> sent = host->Folder(L"Sent");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].m_strRecipientNumber, L"62811;0812");
    EXPECT_EQ(sent[0].m_strRecipientName, L"Budi ;0812");
    EXPECT_EQ(sent[0].m_strText, L"rapat");
    EXPECT_EQ(sent[0].m_strSenderName, L"");
    // Each recipient's entry as it stood, without "+".
    EXPECT_EQ(History(0), L"Budi <62811>");
    EXPECT_EQ(History(1), L"0812");
    EXPECT_EQ(dlg->GetHistory().GetSize(), 2);
}

TEST_F(ComposeSendTest, NothingIsSentWithoutRecipientsOrWhenAnEmptyMessageIsDeclined)
{
    Compose(L"", L"halo");
    Send();
    EXPECT_FALSE(Closed());
    EXPECT_TRUE(boxes.Any(L"Kolom 'Tujuan' belum diisi !"));
    {
        AnswerBoxes no(IDNO);
        Compose(L"0811", L"");
        Send();
        ASSERT_EQ(no.boxes.size(), 1u);
        EXPECT_EQ(no.boxes[0].title, L"Konfirmasi");
        EXPECT_EQ(no.boxes[0].type & 0xF, (UINT)MB_YESNO);
        EXPECT_FALSE(Closed());
    }
    EXPECT_EQ(SimPhone::GetState().Count("AT+CMGS="), 0);
    EXPECT_TRUE(host->Records().empty());
}

TEST_F(ComposeSendTest, APortThatCannotOpenSendsNothingAndKeepsTheWindow)
{
    SetSettingText(L"Connection", L"COM98:");
    Compose(L"0811", L"halo");
    Send();
    EXPECT_FALSE(Closed());
    EXPECT_TRUE(boxes.Any(L"gagal membuka koneksi")) << boxes.All();
    EXPECT_TRUE(SimPhone::GetState().sent.empty());
    EXPECT_TRUE(host->Records().empty());
    EXPECT_NE(ReadUtf16File(folder + L"logCorvaneSms.txt").Find(L"log sending sms"), -1);
    // The send hid "Flash Sms".
    EXPECT_FALSE(dlg->m_wndFlash.IsWindowVisible());
}

TEST_F(ComposeSendTest, AFlashMessageGoesWithDataCodingClassZero)
{
    Compose(L"0811", L"kilat");
    dlg->m_wndFlash.SetCheck(BST_CHECKED);
    Send();
    EXPECT_TRUE(Closed()) << boxes.All();
    ASSERT_EQ(SimPhone::GetState().sent.size(), 1u);
    EXPECT_EQ(Octet(SimPhone::GetState().sent[0], UdlIndex(4) - 2), 0x10);
    std::vector<CSMS> sent = host->Folder(L"Sent");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].m_bFlash, 1);
}

TEST_F(ComposeSendTest, ARejectedSecondOfThreeRecipientsFilesTheFirstAndKeepsTheOthers)
{
    ASSERT_TRUE(SimPhone::LoadJson(
        "reject_second",
        R"({"extends": "basic", "faults": [{"command": "AT+CMGS=", "occurrence": 2, "action": "cms_error", "code": 500}]})"));
    Compose(L"0811;0812;0813", L"halo");
    Send();
    EXPECT_FALSE(Closed());
    SimPhone::State st = SimPhone::GetState();
    ASSERT_EQ(st.sent.size(), 1u);
    EXPECT_EQ(Destination(st.sent[0]), "0811");
    int nSends = 0;
    for (const std::string& c : st.commands)
        nSends += c.rfind("AT+CMGS=", 0) == 0 ? 1 : 0;
    EXPECT_EQ(nSends, 2);
    ASSERT_EQ(host->Folder(L"Sent").size(), 1u);
    EXPECT_EQ(host->Folder(L"Sent")[0].m_strRecipientNumber, L"0811");
    EXPECT_EQ(Text(dlg->m_wndRecipients), CString(L"0812;0813"));
    ASSERT_EQ(boxes.Boxes().size(), 1u) << boxes.All();
    EXPECT_EQ(boxes.Boxes()[0].title, L"Error");
    EXPECT_EQ(boxes.Boxes()[0].text, L"SMS telah terkirim ke: 0811\nSMS tidak terkirim ke: 0812;0813 (tetap di kolom "
                                     L"Tujuan)\n\n+CMS ERROR: 500");
    EXPECT_EQ(History(0), L"0811");
    // Sent again: the others only.
    Send();
    EXPECT_TRUE(Closed()) << boxes.All();
    st = SimPhone::GetState();
    ASSERT_EQ(st.sent.size(), 3u);
    EXPECT_EQ(Destination(st.sent[1]) + Destination(st.sent[2]), "08120813");
    EXPECT_EQ(host->Folder(L"Sent").size(), 2u);
}

// The phone refuses part 2 for the first recipient of a new message (2), then for the second of a
// stored one (4): the box tells how many parts that one got, and the next Send (from the window, or
// from the Outbox after the window saved the message) gives it only part 2, under its reference.
// 3: as 2, with drafts to the first recipient that hold every reference but 33 unfinished; 5: as 4,
// with the text changed in the window and the Outbox sent without a save.
TEST_F(ComposeSendTest, ARecipientThatGotSomePartsGetsOnlyTheOthersOnTheNextSend)
{
    for (int nCase : {2, 3, 4, 5})
    {
        const int nRefused = nCase < 4 ? 2 : 4;
        ASSERT_TRUE(SimPhone::LoadJson("refuse_part", R"({"extends": "basic", "faults": [{"command": "AT+CMGS=",
            "occurrence": )" + std::to_string(nRefused) + R"(, "action": "cms_error", "code": 500}]})"));
        CSMS stored = Outbox(L"", L"0811000001;0811000002", CString(L'x', 200));
        for (int nRef = 10; nCase == 3 && nRef <= 64; ++nRef)
        {
            CSMS draft = Outbox(L"", L"0811000001", L"belum selesai");
            draft.m_strFolder = L"Drafts", draft.m_nRef = nRef, draft.m_nPart = nRef != 33;
            host->AddRecord(draft);
        }
        if (nRefused == 2)
            Compose(L"0811000001;0811000002", stored.m_strText);
        else
        {
            host->AddRecord(stored);
            Open(L"RubahDraft", &stored, 0, 0, 0);
            if (nCase == 5)
                dlg->m_wndText.SetWindowText(CString(L'z', 200));
        }
        const CString strText = Text(dlg->m_wndText);
        Send();
        const std::string strPartly = nRefused == 2 ? "0811000001" : "0811000002";
        ASSERT_FALSE(boxes.Boxes().empty());
        EXPECT_EQ(boxes.Boxes().back().title, L"Error");
        EXPECT_NE(boxes.Boxes().back().text.Find(CString(strPartly.c_str()) + L": 1 dari 2 bagian"), -1) << boxes.All();
        EXPECT_EQ(Text(dlg->m_wndRecipients), nRefused == 2 ? L"0811000001;0811000002" : L"0811000002");
        if (nRefused == 2)
            Send();
        else
        {
            EXPECT_EQ(host->Folder(L"Outbox")[0].m_strRecipientNumber, L"0811000002"); // without the reached
            EXPECT_EQ(host->Folder(L"Outbox")[0].m_strText, strText);                  // the text it began
            if (nCase == 4)
                dlg->SendMessage(WM_COMMAND, ID_COMPOSE_SAVE_OUTBOX);
            else
                Close();
            EXPECT_EQ(CPhoneSession().SendOutbox(), 1) << boxes.All();
        }
        EXPECT_TRUE(dlg == nullptr || Closed()) << boxes.All();
        EXPECT_TRUE(host->Folder(L"Outbox").empty());
        // Each recipient got parts 1 and 2 once, under one reference.
        SimPhone::State st = SimPhone::GetState();
        ASSERT_EQ(st.sent.size(), 4u);
        std::map<std::string, std::vector<std::pair<int, int>>> got; // reference, part
        for (const std::string& pdu : st.sent)
            got[Destination(pdu)].push_back({Octet(pdu, 17), Octet(pdu, 19)});
        for (const auto& [strNumber, v] : got)
            EXPECT_EQ(v, (std::vector<std::pair<int, int>>{{v[0].first, 1}, {v[0].first, 2}})) << strNumber;
        EXPECT_TRUE(nCase != 3 || got["0811000001"][0].first == 33);
        const std::vector<CSMS> sent = host->Folder(L"Sent");
        const auto last = std::find_if(sent.rbegin(), sent.rend(),
                                       [](const CSMS& r) { return r.m_strRecipientNumber.Find(L"0811000002") >= 0; });
        ASSERT_NE(last, sent.rend());
        EXPECT_EQ(last->m_strText, strText);
    }
}

TEST_F(ComposeSendTest, AnInvalidRecipientEndsTheSendBeforeThePortOpens)
{
    Compose(L"0811;0812;abc", L"halo");
    Send();
    EXPECT_FALSE(Closed());
    EXPECT_TRUE(boxes.Any(L"Nomor tujuan tidak valid: abc")) << boxes.All();
    Compose(L"0811;" + CString(L'1', 21), L"halo");
    Send();
    EXPECT_TRUE(boxes.Any(L"Nomor tujuan tidak valid: 111111111111111111111")) << boxes.All();
    Compose(L" ; ;", L"halo");
    Send();
    int nInvalid = 0;
    for (const MessageBoxLog::Box& b : boxes.Boxes())
        nInvalid += b.text.Find(L"Nomor tujuan tidak valid: ") == 0 && b.title == L"Konfirmasi" ? 1 : 0;
    EXPECT_EQ(nInvalid, 3) << boxes.All();
    // Twenty digits are a number.
    CString strBad;
    EXPECT_TRUE(CDlgComposeSms::CheckRecipients(L"Budi<+" + CString(L'1', 20) + L">;0812", strBad));
    SimPhone::State st = SimPhone::GetState();
    EXPECT_TRUE(st.commands.empty());
    EXPECT_TRUE(host->Records().empty());
}

TEST_F(ComposeSendTest, APhoneHeldByAJobIsNotUsedFromTheWindow)
{
    CPhoneUse job;
    ASSERT_TRUE(job.ClaimForJob(host->m_port));
    Compose(L"0811", L"halo");
    Send();
    job.Release();
    EXPECT_FALSE(Closed());
    EXPECT_TRUE(boxes.Any(L"Handphone sedang digunakan")) << boxes.All();
    EXPECT_TRUE(SimPhone::GetState().commands.empty());
}

TEST_F(ComposeSendTest, TheFiledCopyLosesThePrefix)
{
    {
        CAppSettings settings;
        settings.SetIsSmsPrefix(1);
        settings.SetSmsPrefix(L"PFX ");
        settings.SetIsSaveSmsPrefix(1);
    }
    Compose(L"0811", L"pfx halo");
    Send();
    EXPECT_TRUE(Closed()) << boxes.All();
    ASSERT_EQ(SimPhone::GetState().sent.size(), 1u);
    EXPECT_EQ(Octet(SimPhone::GetState().sent[0], UdlIndex(4)), 8);
    std::vector<CSMS> sent = host->Folder(L"Sent");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].m_strText, L"halo");
}

TEST_F(ComposeSendTest, CharactersTheEncoderReplacesAreAskedAboutOnce)
{
    const CString strText = L"a\x263A"
                            L"b\x00E7"
                            L"c\x03A9\x263A";
    EXPECT_EQ(CDlgComposeSms::FindUnsendable(strText), L"\x263A\x00E7\x03A9");
    EXPECT_EQ(CDlgComposeSms::FindUnsendable(L"Halo [dunia] \x20AC 10"), L"");
    {
        AnswerBoxes no(IDNO);
        Compose(L"0811", strText);
        Send();
        ASSERT_EQ(no.boxes.size(), 1u);
        EXPECT_EQ(no.boxes[0].title, L"Konfirmasi");
        EXPECT_NE(no.boxes[0].text.Find(L"\x263A \x00E7 \x03A9"), -1);
        EXPECT_FALSE(Closed());
        EXPECT_TRUE(SimPhone::GetState().commands.empty());
    }
    {
        AnswerBoxes yes(IDYES);
        Compose(L"0811", strText);
        Send();
        EXPECT_EQ(yes.boxes.size(), 1u);
        EXPECT_TRUE(Closed());
        SimPhone::State st = SimPhone::GetState();
        ASSERT_EQ(st.sent.size(), 1u);
        // "?" (0x3F) for what code page 1252 lacks, "_" (0x11) for what GSM lacks.
        EXPECT_EQ(Septets(st.sent[0], UdlIndex(4)), (std::vector<int>{0x61, 0x3F, 0x62, 0x11, 0x63, 0x3F, 0x3F}));
    }
    {
        AnswerBoxes none(IDNO);
        Compose(L"0811", L"teks biasa");
        Send();
        EXPECT_TRUE(none.boxes.empty());
        EXPECT_TRUE(Closed());
    }
}

TEST_F(ComposeSendTest, AStoredMessageSentWithoutAWindowMovesToSentOrGoes)
{
    host->AddRecord(Outbox(L"Budi", L"+62811", L"dari outbox"));
    {
        CDlgComposeSms sender;
        CSMS src = host->Records()[0];
        sender.SetSource(&src);
        ASSERT_EQ(sender.SendWithoutWindow(), 1) << boxes.All();
    }
    std::vector<CSMS> sent = host->Folder(L"Sent");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_TRUE(host->Folder(L"Outbox").empty());
    EXPECT_EQ(sent[0].m_strRecipientNumber, L"62811");
    EXPECT_NE(sent[0].m_strYear, L"05"); // the time of sending

    // Without "isSaveToSent" the record goes; twin records (same six fields) go together.
    SetSetting(L"isSaveToSent", 0);
    host->AddRecord(Outbox(L"Ani", L"0812", L"kembar"));
    host->AddRecord(Outbox(L"Ani", L"0812", L"kembar"));
    {
        CDlgComposeSms sender;
        sender.m_source = Outbox(L"Ani", L"0812", L"kembar");
        ASSERT_EQ(sender.SendWithoutWindow(), 1) << boxes.All();
    }
    EXPECT_TRUE(host->Folder(L"Outbox").empty());
    EXPECT_EQ(host->Records().size(), 1u);

    // With it, only the first twin moves.
    SetSetting(L"isSaveToSent", 1);
    host->AddRecord(Outbox(L"Ani", L"0812", L"kembar"));
    host->AddRecord(Outbox(L"Ani", L"0812", L"kembar"));
    {
        CDlgComposeSms sender;
        sender.m_source = Outbox(L"Ani", L"0812", L"kembar");
        ASSERT_EQ(sender.SendWithoutWindow(), 1) << boxes.All();
    }
    EXPECT_EQ(host->Folder(L"Outbox").size(), 1u);
    EXPECT_EQ(host->Folder(L"Sent").size(), 2u);
    // A window-less send logs the replaced characters instead of asking.
    host->AddRecord(Outbox(L"", L"0813", L"\x263A"));
    {
        CDlgComposeSms sender;
        sender.m_source = Outbox(L"", L"0813", L"\x263A");
        ASSERT_EQ(sender.SendWithoutWindow(), 1) << boxes.All();
    }
    EXPECT_NE(ReadUtf16File(folder + L"logCorvaneSms.txt").Find(L"\x263A"), -1);
}
