// PDU codec throughput: decodes a mixed corpus of 100,000 PDUs and encodes 100,000 messages.
#include "phone/SmsPduDecoder.h"
#include "phone/SMSMessage.h"
#include "phone/SmsRecord.h"
#include <cstdio>
#include <random>
#include <vector>

namespace
{
const int kCount = 100000;
const wchar_t kServiceCentre[] = L"06912618010000";
const wchar_t kSender[] = L"0C91261832547698";
const wchar_t kTimeStamp[] = L"50409241509082";

double Seconds()
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return (double)now.QuadPart / (double)frequency.QuadPart;
}

CString RandomText(std::mt19937& rng, int length)
{
    static const wchar_t kPool[] =
        L"abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789 .,!?@$[]{}\x20AC\xE8\xE9";
    CString text;
    for (int i = 0; i < length; ++i)
        text += kPool[rng() % (sizeof kPool / sizeof kPool[0] - 1)];
    return text;
}

// TP-UDL and user data of a 7-bit text, cut from the encoder's SUBMIT (empty service centre,
// destination 0812: TP-UDL starts at character 20).
CString SevenBitUserData(const CString& text, BOOL header, int part, int ref, int total)
{
    CSMSMessage msg;
    msg.m_strText = text;
    msg.m_strNumber = L"0812";
    msg.m_nNumberType = 0x81;
    msg.m_bValidityPresent = TRUE;
    CString pdu;
    msg.GetPDU(pdu, header, part, ref, total, FALSE);
    return pdu.Mid(20);
}

CString Ucs2UserData(const CString& text, bool header, int part, int ref, int total)
{
    CString data;
    if (header)
        data.Format(L"050003%02X%02X%02X", ref, total, part);
    for (int i = 0; i < text.GetLength(); ++i)
        data.AppendFormat(L"%04X", (unsigned)text[i]);
    CString result;
    result.Format(L"%02X", data.GetLength() / 2);
    return result + data;
}

std::vector<CString> BuildCorpus()
{
    std::mt19937 rng(2026);
    std::vector<CString> corpus;
    corpus.reserve(kCount);
    for (int i = 0; i < kCount; ++i)
    {
        const int ref = 10 + (int)(rng() % 200), part = 1 + (int)(rng() % 3);
        CString pdu = kServiceCentre;
        switch (i % 5)
        {
        case 0: // 7-bit DELIVER
            pdu += CString(L"04") + kSender + L"0000" + kTimeStamp +
                   SevenBitUserData(RandomText(rng, 20 + (int)(rng() % 140)), FALSE, 0, 0, 0);
            break;
        case 1: // UCS2 DELIVER
            pdu += CString(L"04") + kSender + L"0008" + kTimeStamp +
                   Ucs2UserData(RandomText(rng, 10 + (int)(rng() % 60)), false, 0, 0, 0);
            break;
        case 2: // 7-bit part of a long message
            pdu += CString(L"44") + kSender + L"0000" + kTimeStamp +
                   SevenBitUserData(RandomText(rng, 152), TRUE, part, ref, 3);
            break;
        case 3: // UCS2 part of a long message
            pdu +=
                CString(L"44") + kSender + L"0008" + kTimeStamp + Ucs2UserData(RandomText(rng, 60), true, part, ref, 3);
            break;
        default: // status report
        {
            static const wchar_t* const kStatus[] = {L"00", L"20", L"41", L"63"};
            pdu += CString(L"060A") + kSender + kTimeStamp + kTimeStamp + kStatus[rng() % 4];
            break;
        }
        }
        corpus.push_back(pdu);
    }
    return corpus;
}
} // namespace

int wmain()
{
    const std::vector<CString> corpus = BuildCorpus();

    // Decoding: one decoder as the reading session uses it, one record per PDU.
    CSmsPduDecoder decoder;
    CSMS sms;
    size_t checksum = 0;
    const int kRounds = 5;
    double best = 1e9;
    for (int round = 0; round < kRounds; ++round)
    {
        const double start = Seconds();
        for (const CString& pdu : corpus)
        {
            decoder.Decode(pdu, sms);
            checksum += (size_t)sms.m_strText.GetLength() + (size_t)sms.m_nPart;
        }
        const double elapsed = Seconds() - start;
        if (elapsed < best)
            best = elapsed;
    }
    wprintf(L"decode: %d PDUs in %.3f s: %.0f PDUs/s (best of %d rounds)\n", kCount, best, kCount / best, kRounds);

    // Encoding: texts of one part and parts of long messages.
    std::mt19937 rng(7);
    std::vector<CString> texts;
    texts.reserve(kCount);
    for (int i = 0; i < kCount; ++i)
        texts.push_back(RandomText(rng, 20 + (int)(rng() % 133)));
    CSMSMessage msg;
    msg.m_strNumber = L"628123456789";
    msg.m_nNumberType = 0x91;
    msg.m_bValidityPresent = TRUE;
    msg.m_bStatusReport = TRUE;
    CString pdu;
    const double start = Seconds();
    for (int i = 0; i < kCount; ++i)
    {
        msg.m_strText = texts[(size_t)i];
        msg.GetPDU(pdu, i % 2, 1 + i % 3, 42, 3, FALSE);
        checksum += (size_t)pdu.GetLength();
    }
    const double elapsed = Seconds() - start;
    wprintf(L"encode: %d messages in %.3f s: %.0f PDUs/s\n", kCount, elapsed, kCount / elapsed);
    wprintf(L"(checksum %zu)\n", checksum);
    return 0;
}
