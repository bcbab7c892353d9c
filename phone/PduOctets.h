// Octet-level pieces of the PDU codec: hexadecimal text, semi-octet numbers, the user data.
#pragma once
#include "platform/Platform.h"

namespace PduOctets
{
// Octets read from the hexadecimal text of one PDU: nothing a valid PDU holds lies beyond.
const int MAX_PDU_OCTETS = 1024;
// Characters a decoded user data or address can give (255 septets, each at most CR LF).
const int MAX_TEXT_CHARS = 520;

extern const signed char g_HexValues[128];
// The upper-case hexadecimal digits, by value.
extern const wchar_t g_HexDigits[17];

// Value of a hexadecimal digit, -1 for any other character.
inline int HexValue(wchar_t ch) { return ch < 128 ? g_HexValues[ch] : -1; }

// Converts the leading pairs of hexadecimal digits of a text into octets, at most nCapacity.
// Conversion stops at the first pair that is not two hexadecimal digits (a lone last digit
// included). Returns the number of octets.
int HexToOctets(const wchar_t* pText, int nChars, BYTE* pOut, int nCapacity);

// Appends the octets as upper-case hexadecimal text, high nibble first.
void OctetsToHex(const BYTE* pOctets, int nCount, CString& strOut);

// Digits of a number in swapped semi-octets (low nibble first; 0xA to 0xE as "*", "#", "a", "b",
// "c"), with one trailing 0xF filler removed. Returns the number of characters written.
int SemiOctetsToText(const BYTE* pOctets, int nCount, wchar_t* pOut);

// How the user data is coded, as DescribeDcs names it.
enum Coding
{
    CODING_DEFAULT_ALPHABET,
    CODING_8BIT,
    CODING_UCS2,
    CODING_RESERVED,
    CODING_RESERVED_GROUP,
    CODING_7BIT_DEFAULT,
};
Coding CodingOfDcs(int nDcs);
// How the user data of a PDU with this data coding scheme is actually coded (TS 23.038): the
// automatic-deletion group reads like the general one, the message-waiting group 1110 carries
// UCS2 and the group 1111 8-bit data when its bit 2 is set; everything else is 7-bit.
Coding DataCodingOfDcs(int nDcs);
const wchar_t* DescriptionOfCoding(Coding coding);
Coding CodingOfDescription(const wchar_t* pDescription);

// Concatenation element found in a user-data header.
struct ConcatInfo
{
    bool bPresent;
    int nRef;
    int nTotal;
    int nSeq;
};

// Reads a concatenation element (identifier 0x00 or 0x08) from its data; false for any other
// element or for data too short.
bool ReadConcatElement(int nIei, const BYTE* pData, int nLength, ConcatInfo& info);

// Decodes 7-bit packed septets nFirst .. nFirst + nCount - 1 of the octets (the caller keeps
// them inside the octets). An escape takes the next septet from the extension table; a code
// the extension table lacks gives the main table's character. Returns characters written.
int UnpackSeptets(const BYTE* pOctets, int nFirst, int nCount, wchar_t* pOut);

// Decodes user data (the octets after TP-UDL): TP-UDL limits the text (septets for the 7-bit
// codings, octets otherwise), the header (when bHeader) is skipped and its concatenation
// element reported. A header longer than the user data gives an empty text. Writes at most
// MAX_TEXT_CHARS characters; returns their number.
int DecodeUserData(const BYTE* pData, int nData, int nUdl, Coding coding, bool bHeader, wchar_t* pOut,
                   ConcatInfo& concat);
} // namespace PduOctets
