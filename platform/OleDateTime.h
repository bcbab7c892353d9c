// Date and time value over the OLE automation date (days since 30 December 1899), and spans.
#pragma once
#include "platform/String.h"
#include <ctime>
#include <oleauto.h>

class COleDateTimeSpan
{
public:
    enum DateTimeSpanStatus
    {
        valid = 0,
        invalid = 1,
        null = 2
    };

    COleDateTimeSpan() : m_span(0), m_status(valid) {}
    COleDateTimeSpan(double dblSpan) : m_span(dblSpan), m_status(valid) {}
    COleDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs) { SetDateTimeSpan(lDays, nHours, nMins, nSecs); }

    void SetDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs);
    DateTimeSpanStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeSpanStatus status) { m_status = status; }

    double GetTotalDays() const { return m_span; }
    double GetTotalHours() const { return m_span * 24.0; }
    double GetTotalMinutes() const { return m_span * 24.0 * 60.0; }
    double GetTotalSeconds() const { return m_span * 24.0 * 60.0 * 60.0; }
    LONG GetDays() const { return (LONG)m_span; }
    LONG GetHours() const;
    LONG GetMinutes() const;
    LONG GetSeconds() const;
    operator double() const { return m_span; }

    COleDateTimeSpan operator+(const COleDateTimeSpan& s) const;
    COleDateTimeSpan operator-(const COleDateTimeSpan& s) const;
    COleDateTimeSpan& operator+=(const COleDateTimeSpan& s) { return *this = *this + s; }
    COleDateTimeSpan& operator-=(const COleDateTimeSpan& s) { return *this = *this - s; }
    COleDateTimeSpan operator-() const { return COleDateTimeSpan(-m_span); }
    bool operator==(const COleDateTimeSpan& s) const { return m_status == s.m_status && m_span == s.m_span; }
    bool operator!=(const COleDateTimeSpan& s) const { return !(*this == s); }
    bool operator<(const COleDateTimeSpan& s) const { return m_span < s.m_span; }
    bool operator>(const COleDateTimeSpan& s) const { return m_span > s.m_span; }
    bool operator<=(const COleDateTimeSpan& s) const { return m_span <= s.m_span; }
    bool operator>=(const COleDateTimeSpan& s) const { return m_span >= s.m_span; }

    // "%D" days, "%H" hours, "%M" minutes, "%S" seconds, "%%" a percent sign.
    CString Format(LPCTSTR pFormat) const;

    double m_span;
    DateTimeSpanStatus m_status;
};

class COleDateTime
{
public:
    enum DateTimeStatus
    {
        error = -1,
        valid = 0,
        invalid = 1,
        null = 2
    };

    static COleDateTime GetCurrentTime();

    COleDateTime() : m_dt(0), m_status(valid) {}
    COleDateTime(DATE dtSrc) : m_dt(dtSrc), m_status(valid) {}
    COleDateTime(const VARIANT& varSrc);
    COleDateTime(time_t timeSrc) { *this = timeSrc; }
    COleDateTime(const SYSTEMTIME& st) { *this = st; }
    COleDateTime(const FILETIME& ft) { *this = ft; }
    COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
    {
        SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec);
    }

    COleDateTime& operator=(DATE dtSrc);
    COleDateTime& operator=(time_t timeSrc);
    COleDateTime& operator=(const SYSTEMTIME& st);
    COleDateTime& operator=(const FILETIME& ft);

    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }
    bool GetAsSystemTime(SYSTEMTIME& st) const;
    operator DATE() const { return m_dt; }

    // Parts of a valid value; -1 (error) for a null or invalid one.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const; // 1 = Sunday ... 7 = Saturday
    int GetDayOfYear() const; // 1 = 1 January

    // Answer 0 on success; an impossible date leaves the value invalid and answers 1.
    int SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    int SetDate(int nYear, int nMonth, int nDay) { return SetDateTime(nYear, nMonth, nDay, 0, 0, 0); }
    int SetTime(int nHour, int nMin, int nSec) { return SetDateTime(1899, 12, 30, nHour, nMin, nSec); }

    bool operator==(const COleDateTime& d) const { return m_status == d.m_status && m_dt == d.m_dt; }
    bool operator!=(const COleDateTime& d) const { return !(*this == d); }
    bool operator<(const COleDateTime& d) const;
    bool operator>(const COleDateTime& d) const { return d < *this; }
    bool operator<=(const COleDateTime& d) const { return !(d < *this); }
    bool operator>=(const COleDateTime& d) const { return !(*this < d); }

    COleDateTime operator+(const COleDateTimeSpan& span) const;
    COleDateTime operator-(const COleDateTimeSpan& span) const;
    COleDateTime& operator+=(const COleDateTimeSpan& span) { return *this = *this + span; }
    COleDateTime& operator-=(const COleDateTimeSpan& span) { return *this = *this - span; }
    COleDateTimeSpan operator-(const COleDateTime& date) const;

    // Text in the locale's form (VarBstrFromDate); flags as VAR_DATEVALUEONLY / VAR_TIMEVALUEONLY.
    CString Format(DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT) const;
    // Text by a strftime pattern ("%d/%m/%Y %H:%M:%S", "%A", "%B" ...).
    CString Format(LPCTSTR lpszFormat) const;
    CString Format(UINT nFormatID) const;
    // Reads a date/time text in the locale's form; false leaves the value invalid.
    bool ParseDateTime(LPCTSTR lpszDate, DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT);

    DATE m_dt;
    DateTimeStatus m_status;
};
