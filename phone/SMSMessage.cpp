// Building SMS-SUBMIT PDUs.
#include "phone/SMSMessage.h"
#include "phone/GsmAlphabet.h"
#include "phone/PduOctets.h"
#include "phone/StoreHelpers.h"
#include <vector>

namespace
{
const int MAX_DESTINATION_DIGITS = 20;

void AddSemiOctets(CByteArray& arrOctets, const CString& strDigits)
{
    const int n = strDigits.GetLength();
    for (int i = 0; i < n; i += 2)
    {
        const int lo = strDigits[i] - L'0';
        const int hi = i + 1 < n ? strDigits[i + 1] - L'0' : 0x0F;
        arrOctets.Add((BYTE)(hi << 4 | lo));
    }
}

void ReportNumber(LPCWSTR pFormat, const CString& strNumber)
{
    CString strMessage;
    strMessage.Format(pFormat, (LPCWSTR)strNumber);
    AfxMessageBox(strMessage);
}

BYTE SemiOctet(int nValue)
{
    nValue = nValue < 0 ? 0 : nValue % 100;
    return (BYTE)((nValue % 10) << 4 | nValue / 10);
}
} // namespace

BYTE EncodeRelativeValidity(LONG nSeconds)
{
    LONG nValue;
    if (nSeconds <= 43200)
        nValue = nSeconds / 300 - 1;
    else if (nSeconds <= 86400)
        nValue = 143 + (nSeconds - 43200) / 1800;
    else if (nSeconds <= 2592000)
        nValue = 166 + nSeconds / 86400;
    else
        nValue = 192 + nSeconds / 604800;
    return (BYTE)(nValue < 0 ? 0 : (nValue > 255 ? 255 : nValue));
}

CSMSMessage::CSMSMessage()
    : m_nSMSCType(0), m_nNumberType(0), m_bValidityPresent(FALSE), m_bValidityRelative(TRUE), m_tsValidity(86400),
      m_stValidity(), m_nTimeZone(0), m_bStatusReport(FALSE), m_chReplacement(L'_')
{}

BOOL CSMSMessage::AddEncodedSMSCNumber(CByteArray& arrOctets, const CString& strNumber, BYTE nType)
{
    if (strNumber.IsEmpty())
    {
        arrOctets.Add(0);
        return TRUE;
    }
    if (!IsAllDigits(strNumber))
    {
        ReportNumber(L"CSMSMessage::AddEncodedSMSCNumber, Cannot Semi-Octet encode %s as it holds "
                     L"characters other than the digits 0 to 9\n",
                     strNumber);
        return FALSE;
    }
    const int nLength = (strNumber.GetLength() + 1) / 2 + 1;
    if (nLength > 255)
    {
        ReportNumber(L"CSMSMessage::AddEncodedSMSCNumber, Cannot Semi-Octet encode %s as it is longer "
                     L"than the maximum size of 255 octets\n",
                     strNumber);
        return FALSE;
    }
    arrOctets.Add((BYTE)nLength);
    arrOctets.Add(nType);
    AddSemiOctets(arrOctets, strNumber);
    return TRUE;
}

BOOL CSMSMessage::AddEncodedPhoneNumber(CByteArray& arrOctets, const CString& strNumber, BYTE nType)
{
    if (strNumber.IsEmpty())
    {
        arrOctets.Add(0);
        return TRUE;
    }
    if (!IsAllDigits(strNumber))
    {
        ReportNumber(L"CSMSMessage::AddEncodedPhoneNumber, Cannot Semi-Octet encode %s as it holds "
                     L"characters other than the digits 0 to 9\n",
                     strNumber);
        return FALSE;
    }
    if (strNumber.GetLength() > MAX_DESTINATION_DIGITS)
    {
        ReportNumber(L"CSMSMessage::AddEncodedPhoneNumber, Cannot Semi-Octet encode %s as it is longer "
                     L"than the maximum of 20 digits\n",
                     strNumber);
        return FALSE;
    }
    arrOctets.Add((BYTE)strNumber.GetLength());
    arrOctets.Add(nType);
    AddSemiOctets(arrOctets, strNumber);
    return TRUE;
}

BOOL CSMSMessage::GetPDU(CString& strPDU, BOOL bHeader, int nPart, int nRef, int nTotal, BOOL bFlash)
{
    strPDU.Empty();
    CByteArray arrOctets;
    arrOctets.SetSize(0, 192);

    if (!AddEncodedSMSCNumber(arrOctets, m_strSMSC, m_nSMSCType))
        return FALSE;

    BYTE nFirst = 0x01; // SMS-SUBMIT
    if (m_bValidityPresent)
        nFirst |= m_bValidityRelative ? 0x10 : 0x18;
    if (m_bStatusReport)
        nFirst |= 0x20;
    if (bHeader)
        nFirst |= 0x40;
    arrOctets.Add(nFirst);
    arrOctets.Add(0x00); // TP-MR

    if (!AddEncodedPhoneNumber(arrOctets, m_strNumber, m_nNumberType))
        return FALSE;

    arrOctets.Add(0x00);                 // TP-PID
    arrOctets.Add(bFlash ? 0x10 : 0x00); // TP-DCS: 7-bit, class 0 for a flash message

    if (m_bValidityPresent)
    {
        if (m_bValidityRelative)
            arrOctets.Add(EncodeRelativeValidity(m_tsValidity));
        else
        {
            const SYSTEMTIME& st = m_stValidity;
            arrOctets.Add(SemiOctet(st.wYear % 100));
            arrOctets.Add(SemiOctet(st.wMonth));
            arrOctets.Add(SemiOctet(st.wDay));
            arrOctets.Add(SemiOctet(st.wHour));
            arrOctets.Add(SemiOctet(st.wMinute));
            arrOctets.Add(SemiOctet(st.wSecond));
            // Local time minus UTC in quarter hours; bit 3 carries the sign.
            const LONG nQuarters = -m_nTimeZone / 15;
            const int nAbs = (int)(nQuarters < 0 ? -nQuarters : nQuarters);
            arrOctets.Add((BYTE)(SemiOctet(nAbs > 79 ? 79 : nAbs) | (nQuarters < 0 ? 0x08 : 0x00)));
        }
    }

    // The text as septets; a character the alphabet lacks becomes the replacement character.
    WORD wReplacement = GsmCodeOfChar(m_chReplacement);
    if (wReplacement == GSM_NO_CODE)
        wReplacement = GsmCodeOfChar(L'?');
    std::vector<BYTE> septets;
    septets.reserve(m_strText.GetLength() + 8);
    for (int i = 0; i < m_strText.GetLength(); ++i)
    {
        WORD wCode = GsmCodeOfChar(m_strText[i]);
        if (wCode == GSM_NO_CODE)
            wCode = wReplacement;
        if (wCode >= 0x100)
            septets.push_back(GSM_ESCAPE);
        septets.push_back((BYTE)(wCode & 0x7F));
    }

    // The concatenation header of TS 23.040 9.2.3.24.1: header length 5, element 00 of length 3,
    // reference, total, part. Its six octets and one fill bit take seven septets.
    const int nHeaderOctets = 6;
    const int nHeaderSeptets = bHeader ? (nHeaderOctets * 8 + 6) / 7 : 0;
    arrOctets.Add((BYTE)(septets.size() + nHeaderSeptets)); // TP-UDL

    const int nHeaderBits = nHeaderSeptets * 7;
    const int nBits = nHeaderBits + (int)septets.size() * 7;
    std::vector<BYTE> userData((nBits + 7) / 8 + 1, 0);
    if (bHeader)
    {
        const BYTE header[nHeaderOctets] = {0x05, 0x00, 0x03, (BYTE)nRef, (BYTE)nTotal, (BYTE)nPart};
        for (int i = 0; i < nHeaderOctets; ++i)
            userData[i] = header[i];
    }
    for (size_t i = 0; i < septets.size(); ++i)
    {
        const int nBit = nHeaderBits + (int)i * 7, o = nBit >> 3, sh = nBit & 7;
        userData[o] |= (BYTE)(septets[i] << sh);
        if (sh > 1)
            userData[o + 1] |= (BYTE)(septets[i] >> (8 - sh));
    }
    for (int i = 0; i < (nBits + 7) / 8; ++i)
        arrOctets.Add(userData[i]);

    PduOctets::OctetsToHex(arrOctets.GetData(), (int)arrOctets.GetSize(), strPDU);
    return TRUE;
}
