// Octet-level pieces of the PDU codec.
#include "phone/PduOctets.h"
#include "phone/GsmAlphabet.h"

namespace PduOctets
{
// clang-format off
const signed char g_HexValues[128] = {
    -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
    -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
    -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
     0,  1,  2,  3,  4,  5,  6,  7,  8,  9, -1, -1, -1, -1, -1, -1,
    -1, 10, 11, 12, 13, 14, 15, -1, -1, -1, -1, -1, -1, -1, -1, -1,
    -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
    -1, 10, 11, 12, 13, 14, 15, -1, -1, -1, -1, -1, -1, -1, -1, -1,
    -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
};
// clang-format on

const wchar_t g_HexDigits[17] = L"0123456789ABCDEF";

namespace
{
const int MAX_UDL = 255; // TP-UDL is one octet
}

int HexToOctets(const wchar_t* pText, int nChars, BYTE* pOut, int nCapacity)
{
    int nCount = 0;
    for (int i = 0; i + 1 < nChars && nCount < nCapacity; i += 2)
    {
        int hi = HexValue(pText[i]), lo = HexValue(pText[i + 1]);
        if (hi < 0 || lo < 0)
            break;
        pOut[nCount++] = (BYTE)(hi << 4 | lo);
    }
    return nCount;
}

void OctetsToHex(const BYTE* pOctets, int nCount, CString& strOut)
{
    const int nOld = strOut.GetLength();
    wchar_t* p = strOut.GetBuffer(nOld + nCount * 2) + nOld;
    for (int i = 0; i < nCount; ++i)
    {
        *p++ = g_HexDigits[pOctets[i] >> 4];
        *p++ = g_HexDigits[pOctets[i] & 0x0F];
    }
    strOut.ReleaseBuffer(nOld + nCount * 2);
}

int SemiOctetsToText(const BYTE* pOctets, int nCount, wchar_t* pOut)
{
    // TS 23.040 9.1.2.3: 0-9, then "*", "#", "a", "b", "c"; 0xF is the filler.
    static const wchar_t kDigits[17] = L"0123456789*#abcF";
    int n = 0;
    for (int i = 0; i < nCount; ++i)
    {
        pOut[n++] = kDigits[pOctets[i] & 0x0F];
        pOut[n++] = kDigits[pOctets[i] >> 4];
    }
    if (n > 0 && pOut[n - 1] == L'F')
        --n;
    return n;
}

Coding CodingOfDcs(int nDcs)
{
    switch (nDcs >> 6 & 3)
    {
    case 0:
        switch (nDcs >> 2 & 3)
        {
        case 0: return CODING_DEFAULT_ALPHABET;
        case 1: return CODING_8BIT;
        case 2: return CODING_UCS2;
        default: return CODING_RESERVED;
        }
    case 3: return CODING_7BIT_DEFAULT;
    default: return CODING_RESERVED_GROUP;
    }
}

Coding DataCodingOfDcs(int nDcs)
{
    switch (nDcs >> 4 & 0x0F)
    {
    case 0x0:
    case 0x1:
    case 0x2:
    case 0x3: // general data coding
    case 0x4:
    case 0x5:
    case 0x6:
    case 0x7: // marked for automatic deletion
        switch (nDcs >> 2 & 3)
        {
        case 1: return CODING_8BIT;
        case 2: return CODING_UCS2;
        default: return CODING_DEFAULT_ALPHABET;
        }
    case 0xE: return CODING_UCS2; // message waiting, store message, UCS2
    case 0xF: return (nDcs & 0x04) ? CODING_8BIT : CODING_7BIT_DEFAULT;
    default: return CodingOfDcs(nDcs);
    }
}

const wchar_t* DescriptionOfCoding(Coding coding)
{
    switch (coding)
    {
    case CODING_DEFAULT_ALPHABET: return L"Default alphabet";
    case CODING_8BIT: return L"8bit";
    case CODING_UCS2: return L"UCS2(16)bit";
    case CODING_RESERVED: return L"Reserved";
    case CODING_RESERVED_GROUP: return L"Reserved coding group";
    default: return L"7bit default";
    }
}

Coding CodingOfDescription(const wchar_t* pDescription)
{
    if (wcscmp(pDescription, L"8bit") == 0)
        return CODING_8BIT;
    if (wcscmp(pDescription, L"UCS2(16)bit") == 0)
        return CODING_UCS2;
    if (wcscmp(pDescription, L"Reserved") == 0)
        return CODING_RESERVED;
    if (wcscmp(pDescription, L"Reserved coding group") == 0)
        return CODING_RESERVED_GROUP;
    if (wcscmp(pDescription, L"7bit default") == 0)
        return CODING_7BIT_DEFAULT;
    return CODING_DEFAULT_ALPHABET;
}

bool ReadConcatElement(int nIei, const BYTE* pData, int nLength, ConcatInfo& info)
{
    if (nIei == 0x00 && nLength >= 3)
    {
        // 8-bit reference: reference, total, sequence (a longer element carries more after).
        info.bPresent = true;
        info.nRef = pData[0];
        info.nTotal = pData[1];
        info.nSeq = pData[2];
        return true;
    }
    if (nIei == 0x08 && nLength >= 4)
    {
        // 16-bit reference: reference (two octets, high first), total, sequence.
        info.bPresent = true;
        info.nRef = pData[0] << 8 | pData[1];
        info.nTotal = pData[2];
        info.nSeq = pData[3];
        return true;
    }
    return false;
}

int UnpackSeptets(const BYTE* pOctets, int nFirst, int nCount, wchar_t* pOut)
{
    if (nCount <= 0)
        return 0;
    // Septets are taken from the low bits of a bit accumulator, one octet at a time.
    const int nBit = nFirst * 7;
    const BYTE* p = pOctets + (nBit >> 3);
    unsigned int acc = *p++ >> (nBit & 7);
    int nBits = 8 - (nBit & 7);
    int n = 0;
    bool bEscape = false;
    for (int k = 0; k < nCount; ++k)
    {
        if (nBits < 7)
        {
            acc |= (unsigned int)*p++ << nBits;
            nBits += 8;
        }
        const int s = acc & 0x7F;
        acc >>= 7;
        nBits -= 7;
        if (bEscape)
        {
            bEscape = false;
            if (wchar_t ext = GsmDecodeExtensionChar(s))
            {
                pOut[n++] = ext;
                continue;
            }
            if (s == GSM_ESCAPE)
            {
                pOut[n++] = L' '; // escape to a further table: shown as a blank
                continue;
            }
            // Not in the extension table: the main table's character.
        }
        if (s == GSM_ESCAPE)
            bEscape = true;
        else if (s == 0x0A)
        {
            // A line feed alone stands for a line end; after a carriage return it completes one.
            if (n == 0 || pOut[n - 1] != L'\r')
                pOut[n++] = L'\r';
            pOut[n++] = L'\n';
        }
        else
            pOut[n++] = GsmDecodeChar(s);
    }
    return n;
}

int DecodeUserData(const BYTE* pData, int nData, int nUdl, Coding coding, bool bHeader, wchar_t* pOut,
                   ConcatInfo& concat)
{
    concat.bPresent = false;
    concat.nRef = concat.nTotal = concat.nSeq = 0;
    if (nUdl < 0 || nUdl > MAX_UDL)
        nUdl = MAX_UDL;
    const bool bSeptets = coding != CODING_8BIT && coding != CODING_UCS2;

    // Octets that TP-UDL covers, as far as the PDU holds them.
    int nOctets = bSeptets ? (nUdl * 7 + 7) / 8 : nUdl;
    if (nOctets > nData)
        nOctets = nData;

    int nHeader = 0; // octets of the header with its length octet
    if (bHeader)
    {
        if (nOctets < 1 || pData[0] + 1 > nOctets)
            return 0;
        nHeader = pData[0] + 1;
        for (int i = 1; i + 2 <= nHeader;)
        {
            const int nIei = pData[i], nLen = pData[i + 1];
            if (i + 2 + nLen > nHeader)
                break;
            ConcatInfo element;
            if (ReadConcatElement(nIei, pData + i + 2, nLen, element))
                concat = element; // a later element replaces an earlier one
            i += 2 + nLen;
        }
    }

    if (bSeptets)
    {
        int nSeptets = nData * 8 / 7;
        if (nSeptets > nUdl)
            nSeptets = nUdl;
        const int nFirst = (nHeader * 8 + 6) / 7; // the header with its fill bits
        return nSeptets > nFirst ? UnpackSeptets(pData, nFirst, nSeptets - nFirst, pOut) : 0;
    }

    int n = 0;
    if (coding == CODING_UCS2)
    {
        for (int i = nHeader; i + 1 < nOctets; i += 2)
        {
            const wchar_t ch = (wchar_t)(pData[i] << 8 | pData[i + 1]);
            if (ch == 0x000A && (n == 0 || pOut[n - 1] != L'\r'))
                pOut[n++] = L'\r';
            pOut[n++] = ch;
        }
    }
    else
    {
        for (int i = nHeader; i < nOctets; ++i)
            pOut[n++] = Cp1252ToUnicode(pData[i]);
    }
    return n;
}
} // namespace PduOctets
