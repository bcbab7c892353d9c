// CDateValue: Julian day numbers, date checks and the 12-hour time of day.
#include "phone/DateValue.h"
#include "phone/StringSplitter.h"

#include <cwchar>

namespace
{
const int kCumulativeDays[14] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};

// The leading decimal number of a token (blanks and a sign before it allowed), 0 when none.
int LeadingNumber(const CString& s)
{
    int i = 0;
    const int n = s.GetLength();
    while (i < n && (s[i] == L' ' || s[i] == L'\t'))
        ++i;
    bool negative = false;
    if (i < n && (s[i] == L'+' || s[i] == L'-'))
        negative = s[i++] == L'-';
    int value = 0;
    for (; i < n && s[i] >= L'0' && s[i] <= L'9'; ++i)
    {
        if (value > 100000000)
            break;
        value = value * 10 + (s[i] - L'0');
    }
    return negative ? -value : value;
}
} // namespace

CDateValue::CDateValue(int nDateStyle)
    : m_nYear(0), m_nMonth(0), m_nDay(0), m_nJulian(0), m_nDateStyle(nDateStyle), m_nHour(0), m_nMinute(0),
      m_nSecond(0), m_bAfterNoon(0)
{
    SetToday();
    m_nJulian = ToJulian();
    SetTimeNow();
}

CDateValue::~CDateValue() {}

BOOL CDateValue::IsLeapYear(int nYear) { return (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0; }

int CDateValue::DaysInMonth(int nMonth, int nYear)
{
    if (nMonth < 1 || nMonth > 12)
        return 0;
    int days = kCumulativeDays[nMonth + 1] - kCumulativeDays[nMonth];
    if (nMonth == 2 && IsLeapYear(nYear))
        ++days;
    return days;
}

BOOL CDateValue::IsValid() const
{
    return m_nYear >= 0 && m_nMonth >= 1 && m_nMonth <= 12 && m_nDay >= 1 && m_nDay <= DaysInMonth(m_nMonth, m_nYear);
}

int CDateValue::GetAge() const
{
    if (!IsValid())
        return 0;
    CDateValue today;
    const long now = today.ToJulian();
    const long self = ToJulian();
    if (self >= now)
        return 0;
    return (int)((double)(now - self) * 0.002737907006988508);
}

int CDateValue::GetDayOfWeek() const
{
    if (!IsValid())
        return 0;
    return (int)((long long)((double)m_nJulian + 1.5) % 7);
}

int CDateValue::GetDay() const { return IsValid() ? m_nDay : 0; }
int CDateValue::GetMonth() const { return IsValid() ? m_nMonth : 0; }
int CDateValue::GetYear() const { return IsValid() ? m_nYear : 0; }

void CDateValue::GetDate(int& nMonth, int& nDay, int& nYear) const
{
    const BOOL valid = IsValid();
    nMonth = valid ? m_nMonth : 0;
    nDay = valid ? m_nDay : 0;
    nYear = valid ? m_nYear : 0;
}

int CDateValue::GetHour() const { return IsValid() ? m_nHour + 12 * m_bAfterNoon : 0; }
int CDateValue::GetMinute() const { return IsValid() ? m_nMinute : 0; }
int CDateValue::GetSecond() const { return IsValid() ? m_nSecond : 0; }

long CDateValue::GetJulian() const { return IsValid() ? m_nJulian : 0; }

BOOL CDateValue::IsNotAfter(const CDateValue& other) const
{
    if (!IsValid())
        return FALSE;
    return m_nJulian <= other.m_nJulian;
}

void CDateValue::CopyToBuffer(const CString& str, LPWSTR pszBuffer, int nChars)
{
    if (!pszBuffer || nChars <= 0)
        return;
    const int len = str.GetLength();
    for (int i = 0; i < nChars; ++i)
        pszBuffer[i] = i < len ? str[i] : L'\0';
}

void CDateValue::FormatStoredTime(CString& str, BOOL bSeconds, int nLabelMode) const
{
    LPCWSTR label = nLabelMode == 1 ? (m_bAfterNoon ? L"PM" : L"AM") : L"";
    const int hour = m_nHour == 0 ? 12 : m_nHour;
    if (bSeconds)
        str.Format(L"%02d:%02d:%02d   %s", hour, m_nMinute, m_nSecond, label);
    else
        str.Format(L"%02d:%02d %s", hour, m_nMinute, label);
}

void CDateValue::FormatTimeLong(CString& str, int nLabelMode)
{
    str.Empty();
    if (!IsValid())
        return;
    SetTimeNow();
    FormatStoredTime(str, TRUE, nLabelMode);
}

void CDateValue::FormatTimeShort(CString& str, int nLabelMode)
{
    str.Empty();
    if (!IsValid())
        return;
    SetTimeNow();
    FormatStoredTime(str, FALSE, nLabelMode);
}

void CDateValue::FormatTimeLongTo(LPWSTR pszBuffer, int nChars, int nLabelMode)
{
    CString str;
    FormatTimeLong(str, nLabelMode);
    CopyToBuffer(str, pszBuffer, nChars);
}

void CDateValue::FormatTimeShortTo(LPWSTR pszBuffer, int nChars, int nLabelMode)
{
    CString str;
    FormatTimeShort(str, nLabelMode);
    CopyToBuffer(str, pszBuffer, nChars);
}

BOOL CDateValue::SetToday()
{
    SYSTEMTIME st;
    GetLocalTime(&st);
    m_nYear = st.wYear;
    m_nMonth = st.wMonth;
    m_nDay = st.wDay;
    return TRUE;
}

BOOL CDateValue::SetFromString(LPCWSTR pszDate)
{
    ParseDate(pszDate, m_nMonth, m_nDay, m_nYear);
    return TRUE;
}

BOOL CDateValue::ParseDate(LPCWSTR pszDate, int& nMonth, int& nDay, int& nYear) const
{
    CStringTokenizer tok(pszDate, L"/.-", FALSE);
    const int a = LeadingNumber(tok.GetToken(1));
    const int b = tok.GetCount() >= 2 ? LeadingNumber(tok.GetToken(2)) : 0;
    const int c = tok.GetCount() >= 3 ? LeadingNumber(tok.GetToken(3)) : 0;
    switch (m_nDateStyle)
    {
    case 0:
    case 3: nMonth = a, nDay = b, nYear = c; break;
    case 1:
    case 4: nDay = a, nMonth = b, nYear = c; break;
    case 2:
    case 5: nYear = a, nMonth = b, nDay = c; break;
    default: nMonth = nDay = nYear = 0; return TRUE;
    }
    if (nYear < 100)
        nYear += 1900;
    return TRUE;
}

long CDateValue::ToJulian() const { return JulianFromDate(m_nMonth, m_nDay, m_nYear); }

long CDateValue::JulianFromDate(int nMonth, int nDay, int nYear) const
{
    long y = nYear, m = nMonth;
    if (nMonth < 3)
    {
        y = nYear - 1;
        m = nMonth + 12;
    }
    return nDay + (153 * m - 457) / 5 + 365 * y + y / 4 - y / 100 + y / 400 + 1721119;
}

void CDateValue::FromJulian() { DateFromJulian(m_nMonth, m_nDay, m_nYear); }

int CDateValue::DateFromJulian(int& nMonth, int& nDay, int& nYear) const
{
    long long l = (long long)m_nJulian + 68569;
    const long long n = 4 * l / 146097;
    l = l - (146097 * n + 3) / 4;
    const long long i = 4000 * (l + 1) / 1461001;
    l = l - 1461 * i / 4 + 31;
    const long long j = 80 * l / 2447;
    nDay = (int)(l - 2447 * j / 80);
    l = j / 11;
    nMonth = (int)(j + 2 - 12 * l);
    nYear = (int)(100 * (n - 49) + i + l);
    return nYear;
}

int CDateValue::ClampDay()
{
    const int days = DaysInMonth(m_nMonth, m_nYear);
    if (days && m_nDay > days)
        m_nDay = days;
    return days;
}

void CDateValue::SetTime(int nHour24, int nMinute, int nSecond)
{
    if (nHour24 < 13)
    {
        m_nHour = nHour24;
        m_bAfterNoon = 0;
    }
    else
    {
        m_nHour = nHour24 - 12;
        m_bAfterNoon = 1;
    }
    m_nMinute = nMinute;
    m_nSecond = nSecond;
}

void CDateValue::SetTimeNow()
{
    SYSTEMTIME st;
    GetLocalTime(&st);
    SetTime(st.wHour, st.wMinute, st.wSecond);
}
