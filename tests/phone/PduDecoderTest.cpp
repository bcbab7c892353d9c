// Received-PDU decoder: DELIVER, concatenated parts, codings, stored SUBMIT, status reports.
#include <gtest/gtest.h>
#include "phone/SmsPduDecoder.h"
#include "phone/SmsRecord.h"
#include "support/MessageBoxCapture.h"

namespace
{
// Service centre +6281100000 and the time stamp 2005-04-29 14:05:09 +07:00 of the vectors.
#define SC     L"06912618010000"
#define TS     L"50409241509082"
#define SENDER L"0C91261832547698" // +628123456789

CSmsPduDecoder::ContactLookup NoContactName()
{
    return [](const CString&) { return CString(); };
}

CSMS DecodeWith(const wchar_t* pdu, CSmsPduDecoder::ContactLookup lookup = NoContactName())
{
    CSmsPduDecoder decoder(lookup);
    CSMS sms;
    decoder.Decode(pdu, sms);
    return sms;
}

struct MessageCase
{
    const char* name;
    const wchar_t* pdu;
    const wchar_t* text;
    int linked, ref, part;
};

void ExpectMessage(const MessageCase& c, const CSMS& sms)
{
    SCOPED_TRACE(c.name);
    EXPECT_STREQ(c.text, (LPCWSTR)sms.m_strText);
    EXPECT_EQ(c.linked, sms.m_bLinked);
    EXPECT_EQ(c.ref, sms.m_nRef);
    EXPECT_EQ(c.part, sms.m_nPart);
    EXPECT_EQ(0, sms.m_bRead);
}
} // namespace

TEST(PduDecoderDeliver, InternationalSenderFillsEveryField)
{
    CSMS sms = DecodeWith(SC L"04" SENDER L"0000" TS L"0FC830FB0D0AC3C3A075581C96FF00");
    EXPECT_STREQ(L"Halo apa kabar?", sms.m_strText);
    EXPECT_STREQ(L"628123456789", sms.m_strSenderNumber);
    EXPECT_STREQ(L"+628123456789", sms.m_strSenderName); // no contact: "+" and the digits
    EXPECT_STREQ(L"Inbox", sms.m_strFolder);
    EXPECT_STREQ(L"05", sms.m_strYear);
    EXPECT_STREQ(L"04", sms.m_strMonth);
    EXPECT_STREQ(L"29", sms.m_strDay);
    EXPECT_STREQ(L"14", sms.m_strHour);
    EXPECT_STREQ(L"05", sms.m_strMinute);
    EXPECT_STREQ(L"09", sms.m_strSecond);
    EXPECT_EQ(0, sms.m_bLinked);
    EXPECT_TRUE(sms.IsValid());
}

TEST(PduDecoderDeliver, SenderNameComesFromTheContactLookup)
{
    const wchar_t* pdu = SC L"04" SENDER L"0000" TS L"0FC830FB0D0AC3C3A075581C96FF00";
    CString asked;
    CSMS named = DecodeWith(pdu, [&](const CString& number) {
        asked = number;
        return CString(L"Budi;Santoso");
    });
    EXPECT_STREQ(L"628123456789", asked);
    EXPECT_STREQ(L"Budi Santoso", named.m_strSenderName); // ";" becomes a blank

    // Without a lookup the decoder answers like a contact list with no match.
    CSmsPduDecoder plain;
    CSMS sms;
    plain.Decode(pdu, sms);
    EXPECT_STREQ(L"628123456789", sms.m_strSenderName);

    // A national sender (type 81) gets no "+".
    CSMS national = DecodeWith(SC L"040A81"
                                  L"8021436587"
                                  L"0000" TS L"0FC830FB0D0AC3C3A075581C96FF00");
    EXPECT_STREQ(L"0812345678", national.m_strSenderNumber);
    EXPECT_STREQ(L"0812345678", national.m_strSenderName);
}

TEST(PduDecoderDeliver, AlphanumericSenderIsSevenBitText)
{
    CString asked;
    CSMS sms = DecodeWith(SC L"040BD0C7F7FBCC2E030000" TS L"09CB37B90C8AC96634", [&](const CString& n) {
        asked = n;
        return CString();
    });
    EXPECT_STREQ(L"Google", sms.m_strSenderNumber);
    EXPECT_STREQ(L"Google", asked);
    EXPECT_STREQ(L"Google", sms.m_strSenderName);
    EXPECT_STREQ(L"Kode 1234", sms.m_strText);
}

TEST(PduDecoderConcatenation, PartsCarryReferenceAndSequence)
{
    const MessageCase cases[] = {
        // Standard six-octet header (reference 42, three parts), listed out of order.
        {"part 2", SC L"44" SENDER L"0000" TS L"130500032A0302C4E1733AEC0691EB611608", L"bagian dua, ", 1, 42, 2},
        {"part 3", SC L"44" SENDER L"0000" TS L"130500032A0303C4E1733AEC06D1D3E7B00B", L"bagian tiga.", 1, 42, 3},
        {"part 1", SC L"44" SENDER L"0000" TS L"140500032A030184E1733AEC06CDC3F43A0B04", L"Bagian satu, ", 1, 42, 1},
        // The seven-octet header this system sends: reference 17, part 1 of 2, 13 characters.
        {"own header", SC L"44" SENDER L"0000" TS L"150600041102010DD0BA3B1F06CDCB6E725A9E06", L"Punya sendiri", 1, 17,
         1},
        // 16-bit reference 0x1234, part 2 of 3.
        {"16-bit reference", SC L"44" SENDER L"0000" TS L"12060804123403024577B80D1297D9E139", L"Enam belas", 1, 0x1234,
         2},
        // UCS2 part with header: reference 42, part 2 of 2.
        {"UCS2 part", SC L"44" SENDER L"0008" TS L"120500032A020200480061006C006F002020AC", L"Halo \x20AC", 1, 42, 2},
        // A header without a concatenation element (an enhanced-messaging element) keeps the text whole.
        {"other element", SC L"44" SENDER L"0000" TS L"0C040A02000008C3E774D80D", L"Bagian", 0, 0, 0},
    };
    CString joined[4];
    for (const MessageCase& c : cases)
    {
        CSMS sms = DecodeWith(c.pdu);
        ExpectMessage(c, sms);
        EXPECT_TRUE(sms.IsValid()) << c.name;
        if (sms.m_nRef == 42 && sms.m_strText.Find(L"agian") >= 0)
            joined[sms.m_nPart] = sms.m_strText;
    }
    EXPECT_STREQ(L"Bagian satu, bagian dua, bagian tiga.", joined[1] + joined[2] + joined[3]);
}

TEST(PduDecoderText, UserDataLengthDecidesTheText)
{
    const MessageCase cases[] = {
        {"seven septets in seven octets", SC L"04" SENDER L"0000" TS L"0761F1985C369F01", L"abcdefg", 0, 0, 0},
        {"a real final @", SC L"04" SENDER L"0000" TS L"0861F1985C369F01", L"abcdefg@", 0, 0, 0},
        {"two final @", SC L"04" SENDER L"0000" TS L"04E8340000", L"hi@@", 0, 0, 0},
        {"leading @", SC L"04" SENDER L"0000" TS L"0680393D2CA703", L"@start", 0, 0, 0},
        {"UDL shorter than the data", SC L"04" SENDER L"0000" TS L"02E8329BFD06", L"he", 0, 0, 0},
        {"UDL past the data", SC L"04" SENDER L"0000" TS L"FFE8329BFD06", L"hello", 0, 0, 0},
        {"euro sign", SC L"04" SENDER L"0000" TS L"0435D0A60C", L"5 \x20AC", 0, 0, 0},
        {"escape, code not in extension", SC L"04" SENDER L"0000" TS L"04E14D500C", L"aAb", 0, 0, 0},
        {"line feed", SC L"04" SENDER L"0000" TS L"03618518", L"a\r\nb", 0, 0, 0},
        {"8bit as code page 1252", SC L"04" SENDER L"0004" TS L"06436166E92080", L"Caf\xE9 \x20AC", 0, 0, 0},
        {"UCS2 starting with 05, no header flag", SC L"04" SENDER L"0008" TS L"0405000041", L"\x0500\x0041", 0, 0, 0},
        {"UCS2 odd length drops the lone octet", SC L"04" SENDER L"0008" TS L"03004100", L"A", 0, 0, 0},
        {"UCS2 line feed", SC L"04" SENDER L"0008" TS L"04000A0042", L"\r\nB", 0, 0, 0},
        {"7bit default group reads the alphabet", SC L"04" SENDER L"00F0" TS L"03808800", L"@_$", 0, 0, 0},
        {"automatic-deletion group in UCS2", SC L"04" SENDER L"0048" TS L"0400480069", L"Hi", 0, 0, 0},
        {"automatic-deletion group in 7 bits", SC L"04" SENDER L"0040" TS L"05E8329BFD06", L"hello", 0, 0, 0},
        {"message-waiting group in UCS2", SC L"04" SENDER L"00E0" TS L"0400480069", L"Hi", 0, 0, 0},
        {"class group with 8-bit data", SC L"04" SENDER L"00F4" TS L"024869", L"Hi", 0, 0, 0},
        {"lower-case hex",
         SC L"04"
            L"0c91261832547698"
            L"0000" TS L"05e8329bfd06",
         L"hello", 0, 0, 0},
    };
    for (const MessageCase& c : cases)
        ExpectMessage(c, DecodeWith(c.pdu));
}

TEST(PduDecoderStoredSubmit, ValidityFormatsAreSkipped)
{
    const MessageCase cases[] = {
        {"no validity",
         L"00"
         L"01"
         L"00" SENDER L"0000"
         L"05E8329BFD06",
         L"hello", 0, 0, 0},
        {"relative",
         L"00"
         L"11"
         L"00" SENDER L"0000"
         L"A7"
         L"05E8329BFD06",
         L"hello", 0, 0, 0},
        {"absolute",
         L"00"
         L"19"
         L"00" SENDER L"0000" TS L"05E8329BFD06",
         L"hello", 0, 0, 0},
        {"enhanced",
         L"00"
         L"09"
         L"00" SENDER L"0000"
         L"01020304050607"
         L"05E8329BFD06",
         L"hello", 0, 0, 0},
        {"own part with status report",
         SC L"71"
            L"00" SENDER L"0000"
            L"A7"
            L"0A06000411020102E834",
         L"hi", 1, 17, 1},
    };
    for (const MessageCase& c : cases)
    {
        CSMS sms = DecodeWith(c.pdu);
        ExpectMessage(c, sms);
        EXPECT_STREQ(L"Sent", sms.m_strFolder) << c.name;
        EXPECT_STREQ(L"628123456789", sms.m_strRecipientNumber) << c.name;
        EXPECT_STREQ(L"+628123456789", sms.m_strRecipientName) << c.name;
        EXPECT_EQ(2, sms.m_strHour.GetLength()) << c.name; // the time of decoding
        EXPECT_TRUE(sms.IsValid()) << c.name;
    }
}

TEST(PduDecoderStatusReport, EveryStatusClass)
{
    struct StatusCase
    {
        const wchar_t* status;
        const wchar_t* text;
    };
    const StatusCase cases[] = {
        {L"00", L"Short message received by the recipient"},
        {L"01", L"Short message forwarded by the SC to the SME but the SC is unable to confirm delivery"},
        {L"02", L"Short message replaced by the SC"},
        {L"20", L"Temporary error, SC still trying to transfer SM:Congestion"},
        {L"25", L"Temporary error, SC still trying to transfer SM:Error in SME"},
        {L"30", L""},
        {L"40", L"Permanent error, SC is not making any more transfer attempts:Remote procedure error"},
        {L"49", L"Permanent error, SC is not making any more transfer attempts:SM does not exist"},
        {L"4A", L""},
        {L"62", L"Temporary error, SC is not making any more transfer attempts:No response from SME"},
        {L"80", L""},
    };
    for (const StatusCase& c : cases)
    {
        SCOPED_TRACE(c.status);
        EXPECT_STREQ(c.text, CSmsPduDecoder::DescribeStatus(c.status));
        for (const wchar_t* first : {L"06", L"26", L"02"}) // MTI 10 whatever the other bits
        {
            CSMS sms = DecodeWith((CString(SC) + first + L"0A" SENDER TS TS + c.status),
                                  [](const CString& n) { return n == L"6281100000" ? CString(L"Pusat;SMS") : L"Ani"; });
            EXPECT_STREQ(CString(L"SMS STATUS REPORT. Recipient:Ani. DateTime:Apr 29 05 14:05:09. ") + c.text,
                         sms.m_strText);
            EXPECT_STREQ(L"Inbox", sms.m_strFolder);
            EXPECT_STREQ(L"6281100000", sms.m_strSenderNumber);
            EXPECT_STREQ(L"Pusat SMS", sms.m_strSenderName);
            EXPECT_STREQ(L"14", sms.m_strHour);
            EXPECT_EQ(0, sms.m_bLinked + sms.m_nRef + sms.m_nPart + sms.m_bRead);
        }
    }
}

TEST(PduDecoderStatusReport, DischargeMonthNames)
{
    EXPECT_STREQ(L"Dec", CSmsPduDecoder::MonthName(L"12"));
    EXPECT_STREQ(L"13", CSmsPduDecoder::MonthName(L"13"));
    // Discharge month 00: an empty name in the report.
    CSMS sms = DecodeWith(SC L"06"
                             L"0A" SENDER TS L"50009241509082"
                             L"00",
                          NoContactName());
    EXPECT_STREQ(L"SMS STATUS REPORT. Recipient:. DateTime: 29 05 14:05:09. Short message received by the recipient",
                 sms.m_strText);
}

TEST(PduDecoderShow, ShowsTheTextThatIsStored)
{
    MessageBoxCapture boxes;
    CSmsPduDecoder decoder(NoContactName());
    CSMS report, deliver, submit;
    decoder.DecodeAndShow(SC L"06"
                             L"0A" SENDER TS TS L"20",
                          report);
    decoder.DecodeAndShow(SC L"44" SENDER L"0000" TS L"130500032A0302C4E1733AEC0691EB611608", deliver);
    decoder.DecodeAndShow(L"00"
                          L"11"
                          L"00" SENDER L"0000"
                          L"A7"
                          L"05E8329BFD06",
                          submit);
    ASSERT_EQ(2u, boxes.Count()); // a stored SUBMIT shows nothing
    EXPECT_STREQ(report.m_strText, boxes.Boxes()[0].text.c_str());
    EXPECT_STREQ(L"bagian dua, ", boxes.Boxes()[1].text.c_str());
    EXPECT_EQ(42, deliver.m_nRef);
    EXPECT_EQ(2, deliver.m_nPart);
    EXPECT_STREQ(L"hello", submit.m_strText);
}

TEST(PduDecoderHelpers, TextLevelOperations)
{
    EXPECT_EQ(0, CSmsPduDecoder::HexToInt(L""));
    EXPECT_EQ(0xA7, CSmsPduDecoder::HexToInt(L"a7G2"));
    EXPECT_STREQ(L"21435", CSmsPduDecoder::SwapSemiOctets(L"12345"));
    EXPECT_STREQ(L"10000000", CSmsPduDecoder::ToBinary(0x80, 7));

    struct DcsCase
    {
        const wchar_t* dcs;
        const wchar_t* description;
    };
    for (const DcsCase& c :
         {DcsCase{L"10", DCS_DEFAULT_ALPHABET}, DcsCase{L"04", DCS_8BIT}, DcsCase{L"08", DCS_UCS2},
          DcsCase{L"0C", DCS_RESERVED}, DcsCase{L"80", DCS_RESERVED_GROUP}, DcsCase{L"F0", DCS_7BIT_DEFAULT}})
        EXPECT_STREQ(c.description, CSmsPduDecoder::DescribeDcs(c.dcs)) << c.dcs;

    // The user data of a part: marker, reference, "#", sequence, "#", text.
    EXPECT_STREQ(
        CString(CONCAT_MARKER) + L"42#2#bagian dua, ",
        CSmsPduDecoder::DecodeUserData(L"0500032A0302C4E1733AEC0691EB611608", DCS_DEFAULT_ALPHABET, TRUE, 0x13));
    EXPECT_STREQ(L"hello", CSmsPduDecoder::DecodeUserData(L"E8329BFD06", DCS_DEFAULT_ALPHABET, FALSE, 5));

    CString marker = L"untouched", data = L"2A0301";
    CSmsPduDecoder::MakeConcatMarker(L"24", data, marker);
    EXPECT_STREQ(L"untouched", marker);
    CSmsPduDecoder::MakeConcatMarker(L"00", data = L"2A0301", marker);
    EXPECT_STREQ(CString(CONCAT_MARKER) + L"42#1#", marker);
    EXPECT_TRUE(data.IsEmpty());
    CSmsPduDecoder::MakeConcatMarker(L"08", data = L"12340302", marker);
    EXPECT_STREQ(CString(CONCAT_MARKER) + L"4660#2#", marker);

    CString text;
    BOOL escape = FALSE;
    for (int septet : {0x1B, 0x65, 0x1B, 0x41, 0x0A, 0x00, 0x1B, 0x1B})
        CSmsPduDecoder::DecodeSeptet(text, septet, DCS_DEFAULT_ALPHABET, escape);
    EXPECT_STREQ(L"\x20AC"
                 L"A\r\n@ ",
                 text);
    EXPECT_FALSE(escape);
}

// TS 23.040 9.1.2.5: an address value is at most 10 octets (20 digits). A longer length octet
// would shift every field after it; such a PDU gives a record that is not filed.
TEST(PduDecoderAddress, AnAddressLongerThanTwentyDigitsGivesAnInvalidRecord)
{
    const CString digits21 = L"2143658709214365870921";        // 11 octets
    const CString digits40 = digits21 + L"436587092143658709"; // 20 octets
    const struct
    {
        const char* name;
        CString pdu;
    } cases[] = {
        {"deliver, 21 digits", CString(SC L"04"
                                          L"1591") +
                                   digits21 + L"0000" TS L"05E8329BFD06"},
        {"deliver, 40 digits", CString(SC L"04"
                                          L"2891") +
                                   digits40 + L"0000" TS L"05E8329BFD06"},
        {"submit, 21 digits", CString(L"00"
                                      L"11"
                                      L"00"
                                      L"1581") +
                                  digits21 +
                                  L"0000"
                                  L"A7"
                                  L"05E8329BFD06"},
        {"submit, 129 digits", CString(L"00"
                                       L"11"
                                       L"00"
                                       L"8181") +
                                   digits40 + digits40 + digits40 + digits40},
        {"status report, 21 digits", CString(SC L"06"
                                                L"07"
                                                L"1591") +
                                         digits21 + TS TS L"00"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        const CSMS sms = DecodeWith(c.pdu);
        EXPECT_FALSE(sms.IsValid());
        EXPECT_TRUE(sms.m_strText.IsEmpty());
        EXPECT_LE(sms.m_strRecipientNumber.GetLength(), 20);
        EXPECT_LE(sms.m_strSenderNumber.GetLength(), 20);
    }
    // Twenty digits are still an address.
    const CSMS sms = DecodeWith(CString(SC L"04"
                                           L"1491") +
                                L"21436587092143658709" + L"0000" TS L"05E8329BFD06");
    EXPECT_TRUE(sms.IsValid());
    EXPECT_STREQ(L"12345678901234567890", sms.m_strSenderNumber);
    EXPECT_STREQ(L"hello", sms.m_strText);
}

// TS 23.040 9.1.2.3: semi-octets 0xA to 0xE are "*", "#", "a", "b", "c"; 0xF is the filler.
TEST(PduDecoderAddress, SemiOctetsAToEReadAsStarHashAndLetters)
{
    const struct
    {
        const wchar_t* address;
        const wchar_t* number;
    } cases[] = {
        {L"0581"
         L"1A32FB",
         L"*123#"},
        {L"0481"
         L"3BB1",
         L"#31#"},
        {L"0381"
         L"DCFE",
         L"abc"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(CStringA(c.number).GetString());
        const CSMS deliver = DecodeWith(CString(SC L"04") + c.address + L"0000" TS L"05E8329BFD06");
        EXPECT_STREQ(c.number, deliver.m_strSenderNumber);
        EXPECT_STREQ(c.number, deliver.m_strSenderName);
        EXPECT_TRUE(deliver.IsValid());
        const CSMS submit = DecodeWith(CString(L"00"
                                               L"11"
                                               L"00") +
                                       c.address +
                                       L"0000"
                                       L"A7"
                                       L"05E8329BFD06");
        EXPECT_STREQ(c.number, submit.m_strRecipientNumber);
    }
}

// Only a line feed that no carriage return precedes becomes CR LF.
TEST(PduDecoderText, ACarriageReturnLineFeedStaysOneLineEnd)
{
    const MessageCase cases[] = {
        {"7-bit CR LF", SC L"04" SENDER L"0000" TS L"04E186420C", L"a\r\nb", 0, 0, 0},
        {"7-bit lone LF", SC L"04" SENDER L"0000" TS L"03618518", L"a\r\nb", 0, 0, 0},
        {"UCS2 CR LF", SC L"04" SENDER L"0008" TS L"08000D000A0042000A", L"\r\nB\r\n", 0, 0, 0},
    };
    for (const MessageCase& c : cases)
        ExpectMessage(c, DecodeWith(c.pdu));

    CString text;
    BOOL bEscape = FALSE;
    for (int septet : {0x61, 0x0D, 0x0A, 0x0A, 0x62})
        CSmsPduDecoder::DecodeSeptet(text, septet, L"Default alphabet", bEscape);
    EXPECT_STREQ(L"a\r\n\r\nb", text);
}

// The one reader of the concatenation element: the seven-octet header of earlier versions and
// the standard six-octet one, with 8- and 16-bit references, give the same reference, total and
// part to the session.
TEST(PduDecoderConcatenation, EveryHeaderFormGivesReferenceTotalAndPart)
{
    const struct
    {
        const char* name;
        const wchar_t* pdu;
        int ref;
    } cases[] = {
        {"earlier seven-octet header", L"00440B916281000000F00000505010900020820A0600042A030202E834", 42},
        {"standard six-octet header", L"00440B916281000000F0000050501090002082090500032A0302D069", 42},
        {"16-bit reference", L"00440B916281000000F00000505010900020820A06080412340302E834", 0x1234},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CSmsPduDecoder decoder;
        CSMS sms;
        PduOctets::ConcatInfo concat;
        decoder.Decode(c.pdu, sms, &concat);
        EXPECT_TRUE(concat.bPresent);
        EXPECT_EQ(c.ref, concat.nRef);
        EXPECT_EQ(3, concat.nTotal);
        EXPECT_EQ(2, concat.nSeq);
        EXPECT_EQ(1, sms.m_bLinked);
        EXPECT_EQ(c.ref, sms.m_nRef);
        EXPECT_EQ(2, sms.m_nPart);
        EXPECT_STREQ(L"hi", sms.m_strText);
    }
    // No header: nothing to report.
    CSmsPduDecoder decoder;
    CSMS sms;
    PduOctets::ConcatInfo concat = {true, 1, 2, 3};
    decoder.Decode(L"0011000B911826100000F00000A705E8329BFD06", sms, &concat);
    EXPECT_FALSE(concat.bPresent);
    EXPECT_EQ(0, concat.nRef + concat.nTotal + concat.nSeq);
}

TEST(PduDecoderDeliver, TheTimeStampIsAnInstantByItsZone)
{
    // 2005-04-29 14:05:09 +07:00, 07:05:09 +00:00 and 04:05:09 -03:00 (sign bit set): one instant.
    const wchar_t* const stamps[] = {TS, L"50409270509000", L"50409240509029"};
    long long nInstant[3] = {};
    for (int i = 0; i < 3; ++i)
    {
        CSmsPduDecoder decoder(NoContactName());
        CSMS sms;
        ASSERT_TRUE(
            decoder.Decode(CString(SC L"04" SENDER L"0000") + stamps[i] + L"0FC830FB0D0AC3C3A075581C96FF00", sms));
        EXPECT_STREQ(i == 0 ? L"14" : i == 1 ? L"07" : L"04", sms.m_strHour); // the sender's clock
        nInstant[i] = decoder.GetStampInstant();
    }
    EXPECT_NE(nInstant[0], 0);
    EXPECT_EQ(nInstant[0], nInstant[1]);
    EXPECT_EQ(nInstant[0], nInstant[2]);
}
