// A calendar date with its Julian day number, and the time of day in 12-hour form.
#pragma once
#include "platform/Platform.h"

class CDateValue
{
public:
    // Date styles of ParseDate: 0 and 3 month/day/year, 1 and 4 day/month/year, 2 and 5 year/month/day.
    explicit CDateValue(int nDateStyle = 0);
    virtual ~CDateValue();

    virtual int GetAge() const;
    virtual int GetDayOfWeek() const; // 0 is Sunday
    virtual BOOL IsValid() const;
    virtual int GetDay() const;
    virtual int GetMonth() const;
    virtual int GetYear() const;
    virtual void GetDate(int& nMonth, int& nDay, int& nYear) const;
    virtual int GetHour() const; // 0 to 23
    virtual int GetMinute() const;
    virtual int GetSecond() const;
    // The text copied into pszBuffer: at most nChars characters, the rest of them zero; no
    // terminating zero when the text fills all nChars.
    virtual void FormatTimeLongTo(LPWSTR pszBuffer, int nChars, int nLabelMode);
    virtual void FormatTimeLong(CString& str, int nLabelMode);
    virtual void FormatTimeShortTo(LPWSTR pszBuffer, int nChars, int nLabelMode);
    virtual void FormatTimeShort(CString& str, int nLabelMode);
    virtual BOOL SetToday();
    virtual BOOL SetFromString(LPCWSTR pszDate);
    virtual BOOL ParseDate(LPCWSTR pszDate, int& nMonth, int& nDay, int& nYear) const;
    virtual long ToJulian() const;
    virtual long JulianFromDate(int nMonth, int nDay, int nYear) const;
    virtual void FromJulian();
    virtual int DateFromJulian(int& nMonth, int& nDay, int& nYear) const;
    virtual int ClampDay();
    virtual void SetTimeNow();

    // The stored time set from a 24-hour clock, and its text without reading the clock again.
    void SetTime(int nHour24, int nMinute, int nSecond);
    void FormatStoredTime(CString& str, BOOL bSeconds, int nLabelMode) const;

    long GetJulian() const;
    BOOL IsNotAfter(const CDateValue& other) const;

    static BOOL IsLeapYear(int nYear);
    static int DaysInMonth(int nMonth, int nYear);

    int m_nYear;
    int m_nMonth;
    int m_nDay;
    long m_nJulian;
    int m_nDateStyle;
    int m_nHour; // 0 to 12
    int m_nMinute;
    int m_nSecond;
    int m_bAfterNoon; // 1 for 13:00 to 23:59

private:
    static void CopyToBuffer(const CString& str, LPWSTR pszBuffer, int nChars);
};
