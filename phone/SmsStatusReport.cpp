// TP-Status texts and month names of the status-report text.
#include "phone/SmsPduDecoder.h"

namespace
{
const wchar_t kTemporaryStillTrying[] = L"Temporary error, SC still trying to transfer SM:";
const wchar_t kPermanent[] = L"Permanent error, SC is not making any more transfer attempts:";
const wchar_t kTemporaryNotTrying[] = L"Temporary error, SC is not making any more transfer attempts:";

struct StatusText
{
    int nStatus;
    const wchar_t* pPrefix;
    const wchar_t* pText;
};

const StatusText kStatusTexts[] = {
    {0x00, L"", L"Short message received by the recipient"},
    {0x01, L"", L"Short message forwarded by the SC to the SME but the SC is unable to confirm delivery"},
    {0x02, L"", L"Short message replaced by the SC"},
    {0x20, kTemporaryStillTrying, L"Congestion"},
    {0x21, kTemporaryStillTrying, L"SME busy"},
    {0x22, kTemporaryStillTrying, L"No response from SME"},
    {0x23, kTemporaryStillTrying, L"Service rejected"},
    {0x24, kTemporaryStillTrying, L"Quality of service not available"},
    {0x25, kTemporaryStillTrying, L"Error in SME"},
    {0x40, kPermanent, L"Remote procedure error"},
    {0x41, kPermanent, L"Incompatible destination"},
    {0x42, kPermanent, L"Connection rejected by SME"},
    {0x43, kPermanent, L"Not obtainable"},
    {0x44, kPermanent, L"Quality of service not available"},
    {0x45, kPermanent, L"No interworking available"},
    {0x46, kPermanent, L"SM Validity Period Expired"},
    {0x47, kPermanent, L"SM Deleted by originating SME"},
    {0x48, kPermanent, L"SM Deleted by SC Administration"},
    {0x49, kPermanent, L"SM does not exist"},
    {0x60, kTemporaryNotTrying, L"Congestion"},
    {0x61, kTemporaryNotTrying, L"SME busy"},
    {0x62, kTemporaryNotTrying, L"No response from SME"},
    {0x63, kTemporaryNotTrying, L"Service rejected"},
    {0x64, kTemporaryNotTrying, L"Quality of service not available"},
    {0x65, kTemporaryNotTrying, L"Error in SME"},
};

const wchar_t* const kMonthNames[12] = {L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun",
                                        L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"};
} // namespace

void CSmsPduDecoder::AppendStatusText(CString& strText, int nStatus)
{
    // A value of eight binary digits matches no code.
    for (const StatusText& entry : kStatusTexts)
        if (entry.nStatus == nStatus)
        {
            strText += entry.pPrefix;
            strText += entry.pText;
            return;
        }
}

CString CSmsPduDecoder::DescribeStatus(const CString& strStatus)
{
    // The octet as it stands, not swapped.
    CString strText;
    AppendStatusText(strText, HexToInt(strStatus.Left(2)));
    return strText;
}

CString CSmsPduDecoder::MonthName(const CString& strMonth)
{
    if (strMonth.GetLength() == 2 && iswdigit(strMonth[0]) && iswdigit(strMonth[1]))
    {
        const int nMonth = (strMonth[0] - L'0') * 10 + (strMonth[1] - L'0');
        if (nMonth == 0)
            return CString();
        if (nMonth <= 12)
            return kMonthNames[nMonth - 1];
    }
    return strMonth;
}
