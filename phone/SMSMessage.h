// Encoder of one SMS-SUBMIT PDU in the GSM 7-bit default alphabet.
#pragma once
#include "platform/Platform.h"

class CSMSMessage
{
public:
    CString m_strText;        // the text of this part
    CString m_strSMSC;        // service-centre number, digits only; empty: the phone's own
    BYTE m_nSMSCType;         // type of address of the service-centre number
    CString m_strNumber;      // destination number, digits only
    BYTE m_nNumberType;       // type of address of the destination
    BOOL m_bValidityPresent;  // a validity period is written
    BOOL m_bValidityRelative; // relative (one octet) rather than absolute (seven octets)
    LONG m_tsValidity;        // relative validity period in seconds
    SYSTEMTIME m_stValidity;  // absolute validity period, local time
    LONG m_nTimeZone;         // minutes west of UTC (the system's time-zone bias)
    BOOL m_bStatusReport;     // request a status report
    wchar_t m_chReplacement;  // written for a character the alphabet lacks

    CSMSMessage();

    // Builds the PDU as upper-case hexadecimal text. With bHeader the part carries the standard
    // six-octet concatenation header (05 00 03, reference, total, part) and one fill bit.
    // A number that cannot be encoded has been reported in a message box; the PDU is then
    // empty and the result FALSE.
    BOOL GetPDU(CString& strPDU, BOOL bHeader, int nPart, int nRef, int nTotal, BOOL bFlash);

    // Service-centre information: length in octets, type, swapped semi-octets; an empty
    // number is the single octet 0 (the phone's own number).
    BOOL AddEncodedSMSCNumber(CByteArray& arrOctets, const CString& strNumber, BYTE nType);
    // Destination address: length in digits, type, swapped semi-octets; at most 20 digits.
    BOOL AddEncodedPhoneNumber(CByteArray& arrOctets, const CString& strNumber, BYTE nType);
};

// TP-VP octet of the relative format for a period in seconds.
BYTE EncodeRelativeValidity(LONG nSeconds);
