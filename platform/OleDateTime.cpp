#include "platform/Platform.h"
#include "platform/OleDateTime.h"
#include <cmath>

namespace
{
const double kMinDate = -657434.0;     // 1 January 100
const double kMaxDate = 2958465.99999; // 31 December 9999, 23:59:59
const LONG kEpochTo1970 = 25569;       // days from 30 December 1899 to 1 January 1970

// Days from 1 January 1970 to a civil date (proleptic Gregorian).
LONG DaysFromCivil(int y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = (unsigned)(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + (LONG)doe - 719468;
}

void CivilFromDays(LONG z, int& y, int& m, int& d)
{
    z += 719468;
    const LONG era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = (unsigned)(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = (int)(doy - (153 * mp + 2) / 5 + 1);
    m = (int)(mp < 10 ? mp + 3 : mp - 9);
    y = (int)(yoe + era * 400 + (m <= 2));
}

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
int DaysInMonth(int y, int m)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

// OLE dates below zero keep the time of day as a positive fraction: map to a continuous scale.
double ToContinuous(DATE dt)
{
    if (dt >= 0)
        return dt;
    double days = std::trunc(dt);
    return days + std::fabs(dt - days);
}
DATE FromContinuous(double v)
{
    double days = std::floor(v);
    double frac = v - days;
    if (days >= 0)
        return v;
    return days - frac;
}

struct DateParts
{
    int year, month, day, hour, minute, second, dayOfWeek, dayOfYear;
};

bool SplitDate(DATE dt, DateParts& p)
{
    if (dt < kMinDate || dt > kMaxDate + 1)
        return false;
    double cont = ToContinuous(dt);
    double dayPart = std::floor(cont);
    LONG days = (LONG)dayPart;
    LONG secs = (LONG)std::floor((cont - dayPart) * 86400.0 + 0.5);
    if (secs >= 86400)
    {
        ++days;
        secs -= 86400;
    }
    LONG z = days - kEpochTo1970;
    CivilFromDays(z, p.year, p.month, p.day);
    p.hour = secs / 3600;
    p.minute = (secs / 60) % 60;
    p.second = secs % 60;
    // 1 January 1970 was a Thursday (5 in 1 = Sunday numbering).
    LONG w = (z % 7 + 7 + 4) % 7; // 0 = Sunday
    p.dayOfWeek = (int)w + 1;
    p.dayOfYear = (int)(z - DaysFromCivil(p.year, 1, 1)) + 1;
    return true;
}

CString LocaleText(LCTYPE type)
{
    wchar_t buf[128] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buf, 128);
    return CString(buf);
}
} // namespace

// ---------------------------------------------------------------- COleDateTimeSpan

void COleDateTimeSpan::SetDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
{
    m_span = lDays + ((double)nHours + ((double)nMins + (double)nSecs / 60.0) / 60.0) / 24.0;
    m_status = valid;
}

static LONG SpanSeconds(double span)
{
    double secs = std::fabs(span) * 86400.0;
    LONG s = (LONG)std::floor(secs + 0.5);
    return span < 0 ? -s : s;
}

LONG COleDateTimeSpan::GetHours() const { return (SpanSeconds(m_span) / 3600) % 24; }
LONG COleDateTimeSpan::GetMinutes() const { return (SpanSeconds(m_span) / 60) % 60; }
LONG COleDateTimeSpan::GetSeconds() const { return SpanSeconds(m_span) % 60; }

COleDateTimeSpan COleDateTimeSpan::operator+(const COleDateTimeSpan& s) const
{
    COleDateTimeSpan r(m_span + s.m_span);
    if (m_status != valid || s.m_status != valid)
        r.m_status = (m_status == null || s.m_status == null) ? null : invalid;
    return r;
}

COleDateTimeSpan COleDateTimeSpan::operator-(const COleDateTimeSpan& s) const
{
    COleDateTimeSpan r(m_span - s.m_span);
    if (m_status != valid || s.m_status != valid)
        r.m_status = (m_status == null || s.m_status == null) ? null : invalid;
    return r;
}

CString COleDateTimeSpan::Format(LPCTSTR pFormat) const
{
    CString out;
    if (m_status != valid || pFormat == nullptr)
        return out;
    for (const wchar_t* p = pFormat; *p; ++p)
    {
        if (*p != L'%' || p[1] == 0)
        {
            out += *p;
            continue;
        }
        ++p;
        CString part;
        switch (*p)
        {
        case L'D': part.Format(L"%ld", (long)GetDays()); break;
        case L'H': part.Format(L"%02ld", (long)GetHours()); break;
        case L'M': part.Format(L"%02ld", (long)GetMinutes()); break;
        case L'S': part.Format(L"%02ld", (long)GetSeconds()); break;
        case L'%': part = L"%"; break;
        default:
            part += L'%';
            part += *p;
            break;
        }
        out += part;
    }
    return out;
}

// ---------------------------------------------------------------- COleDateTime

COleDateTime COleDateTime::GetCurrentTime()
{
    SYSTEMTIME st;
    GetLocalTime(&st);
    st.wMilliseconds = 0;
    return COleDateTime(st);
}

COleDateTime::COleDateTime(const VARIANT& varSrc) : m_dt(0), m_status(valid)
{
    if (varSrc.vt == VT_DATE)
    {
        m_dt = varSrc.date;
        return;
    }
    VARIANT v;
    VariantInit(&v);
    if (FAILED(VariantChangeType(&v, const_cast<VARIANT*>(&varSrc), 0, VT_DATE)))
    {
        m_status = invalid;
        m_dt = 0;
        return;
    }
    m_dt = v.date;
}

COleDateTime& COleDateTime::operator=(DATE dtSrc)
{
    m_dt = dtSrc;
    m_status = (dtSrc >= kMinDate && dtSrc <= kMaxDate + 1) ? valid : invalid;
    return *this;
}

COleDateTime& COleDateTime::operator=(time_t timeSrc)
{
    // Local time, as the C runtime sees it.
    struct tm* t = localtime(&timeSrc);
    if (t == nullptr)
    {
        m_status = invalid;
        return *this;
    }
    SetDateTime(t->tm_year + 1900, t->tm_mon + 1, t->tm_mday, t->tm_hour, t->tm_min, t->tm_sec);
    return *this;
}

COleDateTime& COleDateTime::operator=(const SYSTEMTIME& st)
{
    SetDateTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
    return *this;
}

COleDateTime& COleDateTime::operator=(const FILETIME& ft)
{
    SYSTEMTIME st;
    if (!FileTimeToSystemTime(&ft, &st))
    {
        m_status = invalid;
        return *this;
    }
    return *this = st;
}

bool COleDateTime::GetAsSystemTime(SYSTEMTIME& st) const
{
    DateParts p;
    if (m_status != valid || !SplitDate(m_dt, p))
        return false;
    st.wYear = (WORD)p.year;
    st.wMonth = (WORD)p.month;
    st.wDay = (WORD)p.day;
    st.wHour = (WORD)p.hour;
    st.wMinute = (WORD)p.minute;
    st.wSecond = (WORD)p.second;
    st.wMilliseconds = 0;
    st.wDayOfWeek = (WORD)(p.dayOfWeek - 1);
    return true;
}

#define DATE_PART(name, field)                                                                                         \
    int COleDateTime::name() const                                                                                     \
    {                                                                                                                  \
        DateParts p;                                                                                                   \
        return (m_status == valid && SplitDate(m_dt, p)) ? p.field : error;                                            \
    }
DATE_PART(GetYear, year)
DATE_PART(GetMonth, month)
DATE_PART(GetDay, day)
DATE_PART(GetHour, hour)
DATE_PART(GetMinute, minute)
DATE_PART(GetSecond, second)
DATE_PART(GetDayOfWeek, dayOfWeek)
DATE_PART(GetDayOfYear, dayOfYear)
#undef DATE_PART

int COleDateTime::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    if (nYear < 100 || nYear > 9999 || nMonth < 1 || nMonth > 12 || nDay < 1 || nDay > DaysInMonth(nYear, nMonth) ||
        nHour < 0 || nHour > 23 || nMin < 0 || nMin > 59 || nSec < 0 || nSec > 59)
    {
        m_dt = 0;
        m_status = invalid;
        return 1;
    }
    LONG days = DaysFromCivil(nYear, (unsigned)nMonth, (unsigned)nDay) + kEpochTo1970;
    double frac = (nHour * 3600.0 + nMin * 60.0 + nSec) / 86400.0;
    m_dt = FromContinuous(days + frac);
    m_status = valid;
    return 0;
}

bool COleDateTime::operator<(const COleDateTime& d) const { return ToContinuous(m_dt) < ToContinuous(d.m_dt); }

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& span) const
{
    COleDateTime r;
    if (m_status != valid || span.m_status != COleDateTimeSpan::valid)
    {
        r.m_status = (m_status == null || span.m_status == COleDateTimeSpan::null) ? null : invalid;
        return r;
    }
    r = FromContinuous(ToContinuous(m_dt) + span.m_span);
    return r;
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& span) const
{
    return *this + COleDateTimeSpan(-span.m_span);
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& date) const
{
    COleDateTimeSpan r(ToContinuous(m_dt) - ToContinuous(date.m_dt));
    if (m_status != valid || date.m_status != valid)
        r.m_status = (m_status == null || date.m_status == null) ? COleDateTimeSpan::null : COleDateTimeSpan::invalid;
    return r;
}

CString COleDateTime::Format(DWORD dwFlags, LCID lcid) const
{
    if (m_status == null)
        return CString();
    if (m_status != valid)
        return CString(L"Invalid DateTime");
    BSTR text = nullptr;
    if (FAILED(VarBstrFromDate(m_dt, lcid, dwFlags, &text)) || text == nullptr)
        return CString(L"Invalid DateTime");
    CString out(text);
    SysFreeString(text);
    return out;
}

CString COleDateTime::Format(UINT nFormatID) const
{
    CString fmt;
    if (!fmt.LoadString(nFormatID))
        return CString();
    return Format((LPCTSTR)fmt);
}

CString COleDateTime::Format(LPCTSTR lpszFormat) const
{
    DateParts p;
    if (m_status == null)
        return CString();
    if (m_status != valid || !SplitDate(m_dt, p) || lpszFormat == nullptr)
        return CString(L"Invalid DateTime");
    SYSTEMTIME st = {};
    GetAsSystemTime(st);
    CString out;
    for (const wchar_t* f = lpszFormat; *f; ++f)
    {
        if (*f != L'%' || f[1] == 0)
        {
            out += *f;
            continue;
        }
        ++f;
        bool noPad = false;
        if (*f == L'#' && f[1])
        {
            noPad = true;
            ++f;
        }
        const wchar_t* two = noPad ? L"%d" : L"%02d";
        CString part;
        switch (*f)
        {
        case L'd': part.Format(two, p.day); break;
        case L'm': part.Format(two, p.month); break;
        case L'Y': part.Format(L"%d", p.year); break;
        case L'y': part.Format(two, p.year % 100); break;
        case L'H': part.Format(two, p.hour); break;
        case L'I': part.Format(two, p.hour % 12 == 0 ? 12 : p.hour % 12); break;
        case L'M': part.Format(two, p.minute); break;
        case L'S': part.Format(two, p.second); break;
        case L'p': part = p.hour < 12 ? LocaleText(LOCALE_S1159) : LocaleText(LOCALE_S2359); break;
        case L'j': part.Format(noPad ? L"%d" : L"%03d", p.dayOfYear); break;
        case L'w': part.Format(L"%d", p.dayOfWeek - 1); break;
        case L'a': part = LocaleText(LOCALE_SABBREVDAYNAME1 + (p.dayOfWeek + 5) % 7); break;
        case L'A': part = LocaleText(LOCALE_SDAYNAME1 + (p.dayOfWeek + 5) % 7); break;
        case L'b': part = LocaleText(LOCALE_SABBREVMONTHNAME1 + p.month - 1); break;
        case L'B': part = LocaleText(LOCALE_SMONTHNAME1 + p.month - 1); break;
        case L'c':
        case L'x':
        case L'X':
        {
            wchar_t buf[128] = {};
            if (*f == L'x' || *f == L'c')
            {
                GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, buf, 128);
                part += buf;
            }
            if (*f == L'c')
                part += L' ';
            if (*f == L'X' || *f == L'c')
            {
                GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &st, nullptr, buf, 128);
                part += buf;
            }
            break;
        }
        case L'%': part = L"%"; break;
        default:
            part += L'%';
            part += *f;
            break;
        }
        out += part;
    }
    return out;
}

bool COleDateTime::ParseDateTime(LPCTSTR lpszDate, DWORD dwFlags, LCID lcid)
{
    if (lpszDate == nullptr || *lpszDate == 0)
    {
        m_dt = 0;
        m_status = invalid;
        return false;
    }
    DATE d = 0;
    if (FAILED(VarDateFromStr(const_cast<LPOLESTR>(lpszDate), lcid, dwFlags, &d)))
    {
        m_dt = 0;
        m_status = invalid;
        return false;
    }
    m_dt = d;
    m_status = valid;
    return true;
}
