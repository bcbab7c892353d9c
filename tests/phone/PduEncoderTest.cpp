// SMS-SUBMIT encoder: vectors, numbers it refuses, and the round trip through the decoder.
#include <gtest/gtest.h>
#include <random>
#include "phone/SMSMessage.h"
#include "phone/SmsPduDecoder.h"
#include "phone/GsmAlphabet.h"
#include "phone/SmsRecord.h"
#include "phone/SmsComposer.h"
#include "support/MessageBoxCapture.h"

namespace
{
struct EncodeCase
{
    const char* name;
    const wchar_t* text;
    const wchar_t* number;
    BYTE type;
    BOOL statusReport, header, flash;
    int part, ref, total;
    const wchar_t* expected;
};

CSMSMessage SessionMessage(const wchar_t* text, const wchar_t* number, BYTE type)
{
    CSMSMessage msg; // as the sending session fills it
    msg.m_strText = text;
    msg.m_strNumber = number;
    msg.m_nNumberType = type;
    msg.m_bValidityPresent = TRUE;
    return msg;
}
} // namespace

TEST(PduEncoder, Vectors)
{
    const EncodeCase cases[] = {
        {"hello", L"hello", L"0812", 0x81, FALSE, FALSE, FALSE, 0, 0, 0,
         L"0011000481802100"
         L"00A705E8329BFD06"},
        {"bracket is an escape pair", L"[", L"0812", 0x81, FALSE, FALSE, FALSE, 0, 0, 0, L"001100048180210000A7021B1E"},
        {"euro sign", L"\x20AC", L"0812", 0x81, FALSE, FALSE, FALSE, 0, 0, 0, L"001100048180210000A7029B32"},
        {"form feed", L"\x0C", L"0812", 0x81, FALSE, FALSE, FALSE, 0, 0, 0, L"001100048180210000A7021B05"},
        {"odd number ends in F", L"hello", L"08123", 0x81, FALSE, FALSE, FALSE, 0, 0, 0,
         L"0011000581"
         L"8021F3"
         L"0000A705E8329BFD06"},
        {"international number", L"hello", L"628123456789", 0x91, FALSE, FALSE, FALSE, 0, 0, 0,
         L"0011000C91261832547698"
         L"0000A705E8329BFD06"},
        {"c-cedilla is replaced",
         L"\xE7"
         L"a",
         L"0812", 0x81, FALSE, FALSE, FALSE, 0, 0, 0, L"001100048180210000A7029130"},
        {"outside the code page is ?", L"\x0394", L"0812", 0x81, FALSE, FALSE, FALSE, 0, 0, 0,
         L"001100048180210000A7013F"},
        {"seven septets fill seven octets", L"1234567", L"0812", 0x81, FALSE, FALSE, FALSE, 0, 0, 0,
         L"001100048180210000A70731D98C56B3DD00"},
        {"header flag", L"hi", L"0812", 0x81, FALSE, TRUE, FALSE, 1, 42, 2, L"005100048180210000A7090500032A0201D069"},
        {"flash", L"hello", L"0812", 0x81, FALSE, FALSE, TRUE, 0, 0, 0, L"001100048180210010A705E8329BFD06"},
        {"status report", L"hello", L"0812", 0x81, TRUE, FALSE, FALSE, 0, 0, 0, L"003100048180210000A705E8329BFD06"},
        {"empty text", L"", L"0812", 0x81, FALSE, FALSE, FALSE, 0, 0, 0, L"001100048180210000A700"},
        {"twenty digits", L"a", L"12345678901234567890", 0x81, FALSE, FALSE, FALSE, 0, 0, 0,
         L"0011001481214365870921436587090000A70161"},
    };
    for (const EncodeCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        CSMSMessage msg = SessionMessage(c.text, c.number, c.type);
        msg.m_bStatusReport = c.statusReport;
        CString pdu;
        EXPECT_TRUE(msg.GetPDU(pdu, c.header, c.part, c.ref, c.total, c.flash));
        EXPECT_STREQ(c.expected, pdu);
    }
}

TEST(PduEncoder, ValidityAndServiceCentre)
{
    CSMSMessage msg = SessionMessage(L"hello", L"0812", 0x81);
    CString pdu;
    msg.m_bValidityPresent = FALSE;
    msg.m_strSMSC = L"6281100000";
    msg.m_nSMSCType = 0x91;
    msg.GetPDU(pdu, FALSE, 0, 0, 0, FALSE);
    EXPECT_STREQ(L"06912618010000"
                 L"01000481802100"
                 L"00"
                 L"05E8329BFD06",
                 pdu);

    msg.m_strSMSC.Empty();
    msg.m_bValidityPresent = TRUE;
    msg.m_bValidityRelative = FALSE;
    msg.m_stValidity = SYSTEMTIME{2005, 4, 5, 29, 14, 5, 9, 0};
    msg.m_nTimeZone = -420; // UTC+7
    msg.GetPDU(pdu, FALSE, 0, 0, 0, FALSE);
    EXPECT_STREQ(L"0019000481802100"
                 L"00"
                 L"50409241509082"
                 L"05E8329BFD06",
                 pdu);
    msg.m_nTimeZone = 300; // UTC-5: quarter hours with the sign bit
    msg.GetPDU(pdu, FALSE, 0, 0, 0, FALSE);
    EXPECT_STREQ(L"0019000481802100"
                 L"00"
                 L"5040924150900A"
                 L"05E8329BFD06",
                 pdu);

    struct SpanCase
    {
        LONG seconds;
        BYTE octet;
    };
    for (const SpanCase& c : {SpanCase{300, 0}, SpanCase{43200, 143}, SpanCase{86400, 0xA7}, SpanCase{172800, 168},
                              SpanCase{2592000, 196}, SpanCase{63 * 604800, 255}})
        EXPECT_EQ(c.octet, EncodeRelativeValidity(c.seconds)) << c.seconds;
}

TEST(PduEncoder, NumbersThatCannotBeEncodedFailWithAMessage)
{
    struct NumberCase
    {
        const wchar_t* destination;
        const wchar_t* serviceCentre;
        const wchar_t* boxText;
    };
    const NumberCase cases[] = {
        {L"+628123", L"",
         L"CSMSMessage::AddEncodedPhoneNumber, Cannot Semi-Octet encode +628123 as it holds characters other than the "
         L"digits 0 to 9\n"},
        {L"0812-345", L"",
         L"CSMSMessage::AddEncodedPhoneNumber, Cannot Semi-Octet encode 0812-345 as it holds characters other than the "
         L"digits 0 to 9\n"},
        {L"123456789012345678901", L"",
         L"CSMSMessage::AddEncodedPhoneNumber, Cannot Semi-Octet encode 123456789012345678901 as it is longer than the "
         L"maximum of 20 digits\n"},
        {L"0812", L"+62811",
         L"CSMSMessage::AddEncodedSMSCNumber, Cannot Semi-Octet encode +62811 as it holds characters other than the "
         L"digits 0 to 9\n"},
    };
    for (const NumberCase& c : cases)
    {
        MessageBoxCapture boxes;
        CSMSMessage msg = SessionMessage(L"hello", c.destination, 0x81);
        msg.m_strSMSC = c.serviceCentre;
        CString pdu = L"stale";
        EXPECT_FALSE(msg.GetPDU(pdu, FALSE, 0, 0, 0, FALSE)) << c.destination;
        EXPECT_TRUE(pdu.IsEmpty());
        ASSERT_EQ(1u, boxes.Count());
        EXPECT_STREQ(c.boxText, boxes.Boxes()[0].text.c_str());
    }
}

// Random texts over the whole default alphabet and the extension table survive encoding and
// decoding, with the reference and part number of the header.
TEST(PduEncoder, RoundTripThroughTheDecoder)
{
    static const int kExtensionCodes[] = {0x0A, 0x14, 0x28, 0x29, 0x2F, 0x3C, 0x3D, 0x3E, 0x40, 0x65};
    std::mt19937 rng(4711);
    CSmsPduDecoder decoder;
    for (int round = 0; round < 3000; ++round)
    {
        CString text;
        int septets = 0;
        const int limit = (int)(rng() % (GSM_LINKED_PART_SEPTETS + 1));
        while (septets < limit)
        {
            if (rng() % 8 == 0 && septets + 2 <= limit)
            {
                text += GsmDecodeExtensionChar(kExtensionCodes[rng() % 10]);
                septets += 2;
            }
            else
            {
                int code = (int)(rng() % 128);
                if (code == GSM_ESCAPE)
                    code = 0;
                text += GsmDecodeChar(code);
                septets += 1;
            }
        }
        ASSERT_EQ(septets, GsmCountSeptets(text));

        const bool header = (round & 1) != 0;
        const int part = 1 + (int)(rng() % 5), ref = 10 + (int)(rng() % 55);
        CSMSMessage msg = SessionMessage(text, L"0812", 0x81);
        msg.m_bStatusReport = TRUE;
        CString pdu;
        ASSERT_TRUE(msg.GetPDU(pdu, header, part, ref, 5, FALSE));
        EXPECT_EQ(septets + (header ? 7 : 0), CSmsPduDecoder::HexToInt(pdu.Mid(20, 2)));

        CSMS sms;
        decoder.Decode(pdu, sms);
        // A received line feed that no carriage return precedes reads as CR LF.
        CString expected;
        for (int i = 0; i < text.GetLength(); ++i)
        {
            if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r'))
                expected += L'\r';
            expected += text[i];
        }
        ASSERT_STREQ(expected, sms.m_strText) << "round " << round;
        EXPECT_EQ(header ? 1 : 0, sms.m_bLinked);
        EXPECT_EQ(header ? ref : 0, sms.m_nRef);
        EXPECT_EQ(header ? part : 0, sms.m_nPart);
    }
}

// A long text goes in parts with the standard concatenation header (TS 23.040 9.2.3.24.1):
// 05 00 03, reference, total, part; each part's user data fits in 140 octets.
TEST(PduEncoder, LinkedPartsCarryTheStandardHeader)
{
    CString text;
    for (int i = 0; i < 161; ++i)
        text += (wchar_t)(L'a' + i % 26);
    CStringArray parts;
    ASSERT_EQ(2, CSmsComposer::SplitText(text, parts));
    CSmsPduDecoder decoder;
    CString joined;
    for (int i = 0; i < 2; ++i)
    {
        SCOPED_TRACE(i);
        CSMSMessage msg = SessionMessage(parts[i], L"628123456789", 0x91);
        CString pdu;
        ASSERT_TRUE(msg.GetPDU(pdu, TRUE, i + 1, 33, 2, FALSE));
        // SC 00, first octet, MR, address (12 digits: 1 + 1 + 6 octets), PID, DCS, VP, UDL.
        const int nUdl = CSmsPduDecoder::HexToInt(pdu.Mid(2 * 14, 2));
        const CString strUserData = pdu.Mid(2 * 15);
        EXPECT_EQ(parts[i].GetLength() + 7, nUdl);
        EXPECT_LE(parts[i].GetLength(), 152);
        CString expectedHeader;
        expectedHeader.Format(L"0500032102%02X", i + 1);
        EXPECT_STREQ(expectedHeader, strUserData.Left(12));
        EXPECT_LE(strUserData.GetLength() / 2, 140);
        EXPECT_EQ((nUdl * 7 + 7) / 8, strUserData.GetLength() / 2);

        CSMS sms;
        PduOctets::ConcatInfo concat;
        decoder.Decode(pdu, sms, &concat);
        EXPECT_TRUE(concat.bPresent);
        EXPECT_EQ(33, concat.nRef);
        EXPECT_EQ(2, concat.nTotal);
        EXPECT_EQ(i + 1, concat.nSeq);
        joined += sms.m_strText;
    }
    EXPECT_STREQ(text, joined);
}
