// Decoding received, stored and status-report PDUs into message records.
#include "phone/SmsPduDecoder.h"
#include "phone/PduOctets.h"
#include "phone/GsmAlphabet.h"
#include "phone/SmsRecord.h"

using namespace PduOctets;

namespace
{
// Bounds-checked reading of the octets of one PDU.
struct OctetReader
{
    const BYTE* p;
    int n;
    int pos;

    bool Byte(int& v)
    {
        if (pos >= n)
            return false;
        v = p[pos++];
        return true;
    }
    bool Take(int k, const BYTE*& out)
    {
        if (k < 0 || k > n - pos)
            return false;
        out = p + pos;
        pos += k;
        return true;
    }
};

// The address value is at most 10 octets (TS 23.040 9.1.2.5): 20 digits.
const int MAX_ADDRESS_SEMI_OCTETS = 20;

// An address field: length in semi-octets, type of address, value (written into strNumber).
// False for a field that is cut short or longer than an address can be.
bool ReadAddress(OctetReader& r, CString& strNumber, int& nType)
{
    int nSemiOctets = 0;
    const BYTE* pValue = nullptr;
    if (!r.Byte(nSemiOctets) || nSemiOctets > MAX_ADDRESS_SEMI_OCTETS || !r.Byte(nType) ||
        !r.Take((nSemiOctets + 1) / 2, pValue))
        return false;
    wchar_t buf[MAX_TEXT_CHARS];
    int n;
    if (nType == 0xD0) // alphanumeric: 7-bit text, as many septets as the semi-octets hold
        n = UnpackSeptets(pValue, 0, nSemiOctets * 4 / 7, buf);
    else
        n = SemiOctetsToText(pValue, (nSemiOctets + 1) / 2, buf);
    strNumber.SetString(buf, n);
    return true;
}

// Two-digit group of a time stamp octet, as the swapped semi-octets read.
void SetTimeGroup(CString& strField, BYTE b)
{
    const wchar_t sz[2] = {g_HexDigits[b & 0x0F], g_HexDigits[b >> 4]};
    strField.SetString(sz, 2);
}

// A semi-octet pair as its two decimal digits (the first in the low nibble); -1 when not decimal.
int BcdValue(BYTE b) { return (b & 0x0F) <= 9 && (b >> 4) <= 9 ? (b & 0x0F) * 10 + (b >> 4) : -1; }

// A service-centre time stamp as seconds in UTC (the two-digit year taken in 2000-2099): the
// local time less the zone, quarters of an hour whose first semi-octet's bit 3 is the sign
// (3GPP TS 23.040). 0 when the stamp is no date.
long long StampInstant(const BYTE* pStamp)
{
    int v[6];
    for (int i = 0; i < 6; ++i)
        if ((v[i] = BcdValue(pStamp[i])) < 0)
            return 0;
    SYSTEMTIME st = {};
    st.wYear = (WORD)(2000 + v[0]);
    st.wMonth = (WORD)v[1];
    st.wDay = (WORD)v[2];
    st.wHour = (WORD)v[3];
    st.wMinute = (WORD)v[4];
    st.wSecond = (WORD)v[5];
    FILETIME ft;
    const int nQuarters = BcdValue((BYTE)(pStamp[6] & ~0x08));
    if (nQuarters < 0 || !SystemTimeToFileTime(&st, &ft))
        return 0;
    const long long nLocal = (long long)(((ULONGLONG)ft.dwHighDateTime << 32 | ft.dwLowDateTime) / 10000000);
    return nLocal - (pStamp[6] & 0x08 ? -1 : 1) * nQuarters * 15 * 60;
}

// Date and time fields from a service-centre time stamp: the sender's local clock as it reads
// (the zone is in the instant, StampInstant).
void SetDateTime(CSMS& sms, const BYTE* pStamp)
{
    SetTimeGroup(sms.m_strYear, pStamp[0]);
    SetTimeGroup(sms.m_strMonth, pStamp[1]);
    SetTimeGroup(sms.m_strDay, pStamp[2]);
    SetTimeGroup(sms.m_strHour, pStamp[3]);
    SetTimeGroup(sms.m_strMinute, pStamp[4]);
    SetTimeGroup(sms.m_strSecond, pStamp[5]);
}

void SetTwoDigits(CString& strField, int n)
{
    const wchar_t sz[2] = {(wchar_t)(L'0' + n / 10 % 10), (wchar_t)(L'0' + n % 10)};
    strField.SetString(sz, 2);
}

void SetDateTimeNow(CSMS& sms)
{
    SYSTEMTIME st;
    GetLocalTime(&st);
    SetTwoDigits(sms.m_strYear, st.wYear % 100);
    SetTwoDigits(sms.m_strMonth, st.wMonth);
    SetTwoDigits(sms.m_strDay, st.wDay);
    SetTwoDigits(sms.m_strHour, st.wHour);
    SetTwoDigits(sms.m_strMinute, st.wMinute);
    SetTwoDigits(sms.m_strSecond, st.wSecond);
}

// The user data: TP-UDL and what follows it. False when the PDU holds fewer octets than TP-UDL
// covers, or a header longer than them (the text is decoded as far as it goes all the same).
bool ReadUserData(OctetReader& r, int nDcs, bool bHeader, CSMS& sms, ConcatInfo& concat)
{
    int nUdl = 0;
    if (!r.Byte(nUdl))
        return false;
    const Coding coding = DataCodingOfDcs(nDcs);
    const bool bSeptets = coding != CODING_8BIT && coding != CODING_UCS2;
    const int nNeeded = bSeptets ? (nUdl * 7 + 7) / 8 : nUdl;
    bool bWhole = nNeeded <= r.n - r.pos;
    if (bHeader && (nNeeded < 1 || r.pos >= r.n || r.p[r.pos] + 1 > nNeeded))
        bWhole = false;
    wchar_t buf[MAX_TEXT_CHARS];
    const int n = DecodeUserData(r.p + r.pos, r.n - r.pos, nUdl, coding, bHeader, buf, concat);
    sms.m_strText.SetString(buf, n);
    if (concat.bPresent)
    {
        sms.m_bLinked = 1;
        sms.m_nRef = concat.nRef;
        sms.m_nPart = concat.nSeq;
    }
    return bWhole;
}

// The name shown for an address: the contact's name with ";" as blanks, else "+" and the
// number for an international number, else the number.
void SetDisplayName(CString& strName, const CString& strNumber, int nType)
{
    strName.Replace(L';', L' ');
    if (strName.IsEmpty())
    {
        if (nType == 0x91)
            strName = L"+";
        strName += strNumber;
    }
}
} // namespace

IMPLEMENT_DYNAMIC(CSmsPduDecoder, CObject)

CSmsPduDecoder::CSmsPduDecoder() {}

CSmsPduDecoder::CSmsPduDecoder(ContactLookup lookup) : m_lookup(std::move(lookup)) {}

CSmsPduDecoder::~CSmsPduDecoder() {}

void CSmsPduDecoder::LookupContact(const CString& strNumber, CString& strName) const
{
    if (m_lookup)
    {
        strName = m_lookup(strNumber);
        return;
    }
    // No contact list: the number reduced to "+" and digits.
    strName.Empty();
    for (int i = 0; i < strNumber.GetLength(); ++i)
    {
        const wchar_t ch = strNumber[i];
        if (ch == L'+' || (ch >= L'0' && ch <= L'9'))
            strName += ch;
    }
}

BOOL CSmsPduDecoder::Decode(const CString& strPdu, CSMS& sms, ConcatInfo* pConcat)
{
    return DecodeRecord(strPdu, sms, false, pConcat) ? TRUE : FALSE;
}

void CSmsPduDecoder::DecodeAndShow(const CString& strPdu, CSMS& sms) { DecodeRecord(strPdu, sms, true, nullptr); }

bool CSmsPduDecoder::DecodeRecord(const CString& strPdu, CSMS& sms, bool bShow, ConcatInfo* pConcat)
{
    sms.Clear();
    sms.m_bRead = 0;
    m_nStampInstant = 0;
    ConcatInfo ignored;
    ConcatInfo& concat = pConcat ? *pConcat : ignored;
    concat.bPresent = false;
    concat.nRef = concat.nTotal = concat.nSeq = 0;

    BYTE octets[MAX_PDU_OCTETS];
    OctetReader r = {octets, HexToOctets(strPdu, strPdu.GetLength(), octets, MAX_PDU_OCTETS), 0};
    // Every character must be part of a pair of hexadecimal digits.
    const bool bHex = r.n * 2 == strPdu.GetLength();

    // Service centre: length in octets, type of address, number.
    int nScLength = 0;
    const BYTE* pSc = nullptr;
    if (!r.Byte(nScLength) || !r.Take(nScLength, pSc))
        return false;

    int nFirst = 0;
    if (!r.Byte(nFirst))
        return false;
    const bool bHeader = (nFirst & 0x40) != 0;
    const int nMti = nFirst & 0x03, nVpf = nFirst >> 3 & 0x03;

    int nIgnored = 0, nType = 0, nDcs = 0;
    const BYTE* pStamp = nullptr;
    if (nMti == 0)
    {
        // SMS-DELIVER
        sms.m_strFolder = SMS_FOLDER_INBOX;
        if (!ReadAddress(r, sms.m_strSenderNumber, nType))
            return false;
        LookupContact(sms.m_strSenderNumber, sms.m_strSenderName);
        SetDisplayName(sms.m_strSenderName, sms.m_strSenderNumber, nType);
        if (!r.Byte(nIgnored) || !r.Byte(nDcs) || !r.Take(7, pStamp))
            return false;
        SetDateTime(sms, pStamp);
        m_nStampInstant = StampInstant(pStamp);
        const bool bWhole = ReadUserData(r, nDcs, bHeader, sms, concat);
        if (bShow)
            AfxMessageBox(sms.m_strText, MB_OK);
        return bHex && bWhole;
    }
    else if (nMti == 2)
    {
        // SMS-STATUS-REPORT: the service centre is the sender.
        sms.m_strFolder = SMS_FOLDER_INBOX;
        wchar_t buf[MAX_TEXT_CHARS];
        sms.m_strSenderNumber.SetString(buf, nScLength > 1 ? SemiOctetsToText(pSc + 1, nScLength - 1, buf) : 0);
        LookupContact(sms.m_strSenderNumber, sms.m_strSenderName);
        sms.m_strSenderName.Replace(L';', L' ');

        CString strRecipient;
        const BYTE* pDischarge = nullptr;
        int nStatus = 0;
        if (!r.Byte(nIgnored) || !ReadAddress(r, strRecipient, nType) || !r.Take(7, pStamp))
            return false;
        SetDateTime(sms, pStamp);
        m_nStampInstant = StampInstant(pStamp);
        if (!r.Take(7, pDischarge) || !r.Byte(nStatus))
            return false;
        CString strName, strDischarge[6];
        LookupContact(strRecipient, strName);
        for (int i = 0; i < 6; ++i)
            SetTimeGroup(strDischarge[i], pDischarge[i]);

        CString& strText = sms.m_strText;
        strText = L"SMS STATUS REPORT. Recipient:";
        strText += strName;
        strText += L". DateTime:";
        strText += MonthName(strDischarge[1]);
        strText += L' ';
        strText += strDischarge[2]; // day
        strText += L' ';
        strText += strDischarge[0]; // year
        strText += L' ';
        strText += strDischarge[3];
        strText += L':';
        strText += strDischarge[4];
        strText += L':';
        strText += strDischarge[5];
        strText += L". ";
        AppendStatusText(strText, nStatus);
        if (bShow)
            AfxMessageBox(strText, MB_OK);
        return bHex;
    }
    else
    {
        // SMS-SUBMIT stored in the phone
        sms.m_strFolder = SMS_FOLDER_SENT;
        SetDateTimeNow(sms);
        if (!r.Byte(nIgnored) || !ReadAddress(r, sms.m_strRecipientNumber, nType))
            return false;
        LookupContact(sms.m_strRecipientNumber, sms.m_strRecipientName);
        SetDisplayName(sms.m_strRecipientName, sms.m_strRecipientNumber, nType);
        // Validity period: none, relative (one octet), enhanced or absolute (seven octets).
        const int nVpOctets = nVpf == 0 ? 0 : (nVpf == 2 ? 1 : 7);
        const BYTE* pVp = nullptr;
        if (!r.Byte(nIgnored) || !r.Byte(nDcs) || !r.Take(nVpOctets, pVp))
            return false;
        return bHex && ReadUserData(r, nDcs, bHeader, sms, concat);
    }
}

int CSmsPduDecoder::HexToInt(const CString& strHex)
{
    unsigned int nValue = 0;
    for (int i = 0; i < strHex.GetLength(); ++i)
    {
        const int d = HexValue(strHex[i]);
        if (d < 0)
            break;
        nValue = nValue > 0x07FFFFFF ? 0x7FFFFFFF : (nValue << 4 | (unsigned)d);
    }
    return (int)(nValue > 0x7FFFFFFF ? 0x7FFFFFFF : nValue);
}

CString CSmsPduDecoder::SwapSemiOctets(const CString& strText)
{
    CString strResult = strText;
    for (int i = 0; i + 1 < strResult.GetLength(); i += 2)
    {
        const wchar_t ch = strResult[i];
        strResult.SetAt(i, strResult[i + 1]);
        strResult.SetAt(i + 1, ch);
    }
    return strResult;
}

CString CSmsPduDecoder::ToBinary(int nValue, int nWidth)
{
    unsigned int v = (unsigned int)nValue;
    CString strDigits;
    do
    {
        strDigits.Insert(0, (v & 1) ? L'1' : L'0');
        v >>= 1;
    } while (v != 0);
    while (strDigits.GetLength() < nWidth)
        strDigits.Insert(0, L'0');
    return strDigits;
}

int CSmsPduDecoder::BinaryToInt(const CString& strBinary)
{
    int nValue = 0;
    for (int i = 0; i < strBinary.GetLength() && i < 31; ++i)
    {
        if (strBinary[i] != L'0' && strBinary[i] != L'1')
            break;
        nValue = nValue << 1 | (strBinary[i] == L'1');
    }
    return nValue;
}

CString CSmsPduDecoder::DescribeDcs(const CString& strDcs)
{
    return DescriptionOfCoding(CodingOfDcs(HexToInt(strDcs) & 0xFF));
}

CString CSmsPduDecoder::DecodeUserData(const CString& strUserData, const CString& strDcs, BOOL bHeader, int nUdl)
{
    BYTE octets[MAX_PDU_OCTETS];
    const int nOctets = HexToOctets(strUserData, strUserData.GetLength(), octets, MAX_PDU_OCTETS);
    wchar_t buf[MAX_TEXT_CHARS];
    ConcatInfo concat;
    const int n =
        PduOctets::DecodeUserData(octets, nOctets, nUdl, CodingOfDescription(strDcs), bHeader != FALSE, buf, concat);
    CString strText;
    if (concat.bPresent)
    {
        strText.Format(L"%s%d#%d#", CONCAT_MARKER, concat.nRef, concat.nSeq);
    }
    return strText + CString(buf, n);
}

void CSmsPduDecoder::DecodeSeptet(CString& strText, int nSeptet, const CString& strDcs, BOOL& bEscape)
{
    (void)strDcs; // every 7-bit description reads the same tables
    const int s = nSeptet & 0x7F;
    if (bEscape)
    {
        bEscape = FALSE;
        if (wchar_t ext = GsmDecodeExtensionChar(s))
        {
            strText += ext;
            return;
        }
        if (s == GSM_ESCAPE)
        {
            strText += L' ';
            return;
        }
        // Not in the extension table: the main table's character follows.
    }
    else if (s == GSM_ESCAPE)
    {
        bEscape = TRUE;
        return;
    }
    if (s == 0x0A)
        strText += strText.IsEmpty() || strText[strText.GetLength() - 1] != L'\r' ? L"\r\n" : L"\n";
    else
        strText += GsmDecodeChar(s);
}

void CSmsPduDecoder::MakeConcatMarker(const CString& strIei, CString& strData, CString& strMarker)
{
    BYTE octets[256];
    const int nOctets = HexToOctets(strData, strData.GetLength(), octets, 256);
    ConcatInfo info;
    if (ReadConcatElement(HexToInt(strIei), octets, nOctets, info))
        strMarker.Format(L"%s%d#%d#", CONCAT_MARKER, info.nRef, info.nSeq);
    strData.Empty();
}
