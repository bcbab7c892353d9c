// The decoder against short, odd, non-hexadecimal, lying and random PDUs.
#include <gtest/gtest.h>
#include <random>
#include "phone/SmsPduDecoder.h"
#include "phone/SmsRecord.h"

namespace
{
const wchar_t* const kValidPdus[] = {
    L"06912618010000040C912618325476980000504092415090820FC830FB0D0AC3C3A075581C96FF00",
    L"06912618010000040BD0C7F7FBCC2E0300005040924150908209CB37B90C8AC96634",
    L"06912618010000440C91261832547698000050409241509082140500032A030184E1733AEC06CDC3F43A0B04",
    L"06912618010000440C91261832547698000050409241509082150600041102010DD0BA3B1F06CDCB6E725A9E06",
    L"06912618010000440C9126183254769800005040924150908212060804123403024577B80D1297D9E139",
    L"06912618010000440C91261832547698000850409241509082120500032A020200480061006C006F002020AC",
    L"06912618010000040C9126183254769800045040924150908206436166E92080",
    L"0019000C912618325476980000504092415090820D1B1EBACC66BF373E102A9602",
    L"0691261801000006"
    L"0A0C91261832547698"
    L"50409241509082"
    L"50409241509082"
    L"20",
};

CSmsPduDecoder::ContactLookup Lookup()
{
    return [](const CString& n) { return n; };
}

bool StartsWith(const CString& text, const CString& prefix)
{
    return text.GetLength() >= prefix.GetLength() && text.Left(prefix.GetLength()) == prefix;
}
} // namespace

TEST(PduDecoderBounds, EveryCutGivesAnInvalidRecordOrAShorterText)
{
    CSmsPduDecoder decoder(Lookup());
    for (const wchar_t* pdu : kValidPdus)
    {
        CSMS full;
        decoder.Decode(pdu, full);
        ASSERT_TRUE(full.IsValid()) << pdu;
        const CString whole = pdu;
        for (int cut = 0; cut < whole.GetLength(); ++cut) // even cuts and odd lengths alike
        {
            CSMS sms;
            sms.m_strText = L"stale";
            sms.m_strHour = L"12";
            decoder.Decode(whole.Left(cut), sms);
            EXPECT_TRUE(!sms.IsValid() || (StartsWith(full.m_strText, sms.m_strText) &&
                                           sms.m_strText.GetLength() < full.m_strText.GetLength()))
                << "cut " << cut << " of " << pdu;
        }
        // Non-hexadecimal characters end the PDU where they stand.
        CString broken = whole;
        broken.SetAt(whole.GetLength() - 3, L'G');
        CSMS sms;
        decoder.Decode(broken, sms);
        EXPECT_TRUE(!sms.IsValid() || sms.m_strText.GetLength() <= full.m_strText.GetLength()) << pdu;
    }
}

TEST(PduDecoderBounds, LyingLengths)
{
    struct LieCase
    {
        const char* name;
        const wchar_t* pdu;
        const wchar_t* text;
        int linked;
    };
    const LieCase cases[] = {
        {"service-centre length past the end", L"FF912618010000040C91261832547698", L"", 0},
        {"address length past the end", L"0691261801000004FF91261832547698000050409241509082", L"", 0},
        {"header length past the user data",
         L"06912618010000440C91261832547698000050409241509082"
         L"14"
         L"2000032A0301",
         L"", 0},
        {"header length past TP-UDL",
         L"06912618010000440C91261832547698000050409241509082"
         L"04"
         L"0500032A030184E1733AEC06",
         L"", 0},
        {"element length past the header",
         L"06912618010000440C91261832547698000050409241509082"
         L"14"
         L"0500092A030184E1733AEC06CDC3F43A0B04",
         L"Bagian satu, ", 0},
        {"concatenation element too short",
         L"06912618010000440C91261832547698000050409241509082"
         L"0C"
         L"0400022A0308C3E774D80D",
         L"Bagian", 0},
        {"header flag without user data",
         L"06912618010000440C91261832547698000050409241509082"
         L"00",
         L"", 0},
        {"status report cut before the status", L"06912618010000060A0C91261832547698504092415090825040924150908", L"",
         0},
    };
    CSmsPduDecoder decoder(Lookup());
    for (const LieCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        CSMS sms;
        decoder.Decode(c.pdu, sms);
        EXPECT_STREQ(c.text, sms.m_strText);
        EXPECT_EQ(c.linked, sms.m_bLinked);
        EXPECT_EQ(c.text[0] != 0, sms.IsValid() != FALSE);
    }

    // A text that begins like the concatenation marker but is no part stays as it is.
    CSMS sms;
    decoder.Decode(L"06912618010000040C91261832547698000050409241509082"
                   L"242398985C33977337B12D06B3E56465D8781CC3C9C2B3700C97938565E1514C06",
                   sms);
    EXPECT_STREQ(CString(CONCAT_MARKER) + L"12", sms.m_strText);
    EXPECT_EQ(0, sms.m_bLinked);
    EXPECT_EQ(0, sms.m_nRef);
}

// 100,000 random and mutated PDUs (fixed seed): the decoder always returns with a bounded text.
TEST(PduDecoderRobustness, RandomAndMutatedPdus)
{
    static const wchar_t kChars[] = L"0123456789ABCDEFabcdef0123456789ABCDEF#G \r";
    std::mt19937 rng(0xC0FFEE);
    CSmsPduDecoder decoder(Lookup());
    int valid = 0;
    for (int i = 0; i < 100000; ++i)
    {
        CString pdu;
        if (i % 2 == 0)
        {
            // A valid PDU with a few characters changed, dropped or added.
            pdu = kValidPdus[rng() % (sizeof kValidPdus / sizeof kValidPdus[0])];
            const int edits = 1 + (int)(rng() % 4);
            for (int e = 0; e < edits && !pdu.IsEmpty(); ++e)
            {
                const int at = (int)(rng() % pdu.GetLength());
                switch (rng() % 4)
                {
                case 0: pdu.SetAt(at, kChars[rng() % 22]); break;
                case 1: pdu.Delete(at, 1 + (int)(rng() % 3)); break;
                case 2: pdu.Insert(at, kChars[rng() % (sizeof kChars / sizeof kChars[0] - 1)]); break;
                default: // an octet (often a length) becomes FF
                    pdu.SetAt(at & ~1, L'F');
                    if ((at | 1) < pdu.GetLength())
                        pdu.SetAt(at | 1, L'F');
                    break;
                }
            }
        }
        else
        {
            const int length = (int)(rng() % 420);
            for (int k = 0; k < length; ++k)
                pdu += kChars[rng() % (rng() % 16 == 0 ? sizeof kChars / sizeof kChars[0] - 1 : 22)];
        }
        CSMS sms;
        decoder.Decode(pdu, sms);
        ASSERT_LE(sms.m_strText.GetLength(), 600) << (LPCWSTR)pdu;
        ASSERT_LE(sms.m_strSenderNumber.GetLength() + sms.m_strRecipientNumber.GetLength(), 600);
        if (sms.IsValid())
        {
            ++valid;
            ASSERT_TRUE(sms.m_strFolder == L"Inbox" || sms.m_strFolder == L"Sent");
        }
    }
    EXPECT_GT(valid, 1000); // the mutated half still yields many readable records
}
