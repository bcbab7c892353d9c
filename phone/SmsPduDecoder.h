// Decoder of the PDUs a phone lists: SMS-DELIVER, stored SMS-SUBMIT and SMS-STATUS-REPORT.
#pragma once
#include "platform/Platform.h"
#include "phone/PduOctets.h"
#include <functional>

class CSMS;

// Put, with the reference and the part number, in front of the text of each part of a
// concatenated message by CSmsPduDecoder::DecodeUserData: CONCAT_MARKER, reference, "#",
// part number, "#".
inline constexpr wchar_t CONCAT_MARKER[] = L"#0bd5fe97b610692e0cc182a3a1892a2a#";
const int CONCAT_MARKER_LENGTH = 34;

// Descriptions of the data coding scheme (CSmsPduDecoder::DescribeDcs).
inline constexpr wchar_t DCS_DEFAULT_ALPHABET[] = L"Default alphabet";
inline constexpr wchar_t DCS_8BIT[] = L"8bit";
inline constexpr wchar_t DCS_UCS2[] = L"UCS2(16)bit";
inline constexpr wchar_t DCS_RESERVED[] = L"Reserved";
inline constexpr wchar_t DCS_RESERVED_GROUP[] = L"Reserved coding group";
inline constexpr wchar_t DCS_7BIT_DEFAULT[] = L"7bit default";

class CSmsPduDecoder : public CObject
{
    DECLARE_DYNAMIC(CSmsPduDecoder)
public:
    // Gives the name to show for a number (the document's contact lookup).
    typedef std::function<CString(const CString&)> ContactLookup;

    // Without a lookup every number answers as with a contact list that holds no match: the
    // number reduced to "+" and digits.
    CSmsPduDecoder();
    explicit CSmsPduDecoder(ContactLookup lookup);
    virtual ~CSmsPduDecoder();

    // Fills the record from one PDU in hexadecimal text. The record is cleared first; a PDU that
    // is short, malformed or inconsistent (an address longer than 20 digits included) leaves the
    // text empty, so the record fails CSMS::IsValid, and never reads past its end. pConcat, when
    // given, receives the concatenation element of the user-data header (reference, total and
    // sequence; bPresent false when there is none). FALSE when the PDU does not hold together:
    // a character that is no hexadecimal digit, an odd length, a field cut short, or user data
    // shorter than its TP-UDL or its header says; the fields read so far are then no message.
    BOOL Decode(const CString& strPdu, CSMS& sms, PduOctets::ConcatInfo* pConcat = nullptr);
    // The service-centre time stamp of the PDU last decoded as an instant: seconds in UTC (the
    // record shows the sender's local clock; the zone octet gives its offset). 0 when the PDU had
    // no stamp (a stored SMS-SUBMIT) or its stamp is no date.
    long long GetStampInstant() const { return m_nStampInstant; }

    // Decode, and show the text of a received message or of a status report in a message box.
    void DecodeAndShow(const CString& strPdu, CSMS& sms);

    // Value of leading hexadecimal digits (0 for none).
    static int HexToInt(const CString& strHex);
    // "2143" from "1234"; a lone last character stays.
    static CString SwapSemiOctets(const CString& strText);
    // Binary digits of a value, most significant first, padded with "0" to the width.
    static CString ToBinary(int nValue, int nWidth);
    // Value of binary digits, the first most significant.
    static int BinaryToInt(const CString& strBinary);
    // One of the DCS_ texts for the data coding scheme given as two hexadecimal digits.
    static CString DescribeDcs(const CString& strDcs);
    // TP-Status text of the status octet given as two hexadecimal digits; empty when unknown.
    static CString DescribeStatus(const CString& strStatus);
    // Month name ("Jan".."Dec") of a two-digit month; "00" gives an empty name, any other
    // value that is no month comes back as it stands.
    static CString MonthName(const CString& strMonth);

    // Text of the user data (hexadecimal text of everything after TP-UDL), decoded by the
    // description of the data coding scheme, with the concatenation marker in front when the
    // header holds a concatenation element. nUdl is TP-UDL (septets for 7-bit data, octets
    // otherwise) and limits the text; a negative nUdl takes all the data.
    static CString DecodeUserData(const CString& strUserData, const CString& strDcs, BOOL bHeader, int nUdl = -1);

    // Appends the character(s) of one septet. bEscape carries a pending escape from one septet
    // to the next (start with FALSE); a pending escape left at the end means nothing.
    static void DecodeSeptet(CString& strText, int nSeptet, const CString& strDcs, BOOL& bEscape);

    // For a concatenation element ("00": 8-bit reference, "08": 16-bit reference) sets the
    // marker text from the element's data (hexadecimal text, consumed); leaves it for any other
    // element or for data too short to hold reference and part number.
    static void MakeConcatMarker(const CString& strIei, CString& strData, CString& strMarker);

private:
    static void AppendStatusText(CString& strText, int nStatus);
    bool DecodeRecord(const CString& strPdu, CSMS& sms, bool bShow, PduOctets::ConcatInfo* pConcat);
    void LookupContact(const CString& strNumber, CString& strName) const;

    ContactLookup m_lookup;
    long long m_nStampInstant = 0;
};
