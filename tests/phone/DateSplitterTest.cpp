// Date value, tokenizer and splitter: the calendar rules, time texts into short buffers and the
// splitter's one-character drop.
#include <gtest/gtest.h>

#include "phone/DateValue.h"
#include "phone/StringSplitter.h"

namespace
{
CDateValue Parsed(int style, LPCWSTR text)
{
    CDateValue d(style);
    d.SetFromString(text);
    return d;
}
} // namespace

TEST(DateValue, ParsesByStyleAndChecksTheCalendar)
{
    EXPECT_TRUE(Parsed(1, L"29.2.2004").IsValid());
    EXPECT_FALSE(Parsed(1, L"29.2.1900").IsValid());
    EXPECT_TRUE(Parsed(1, L"29.2.2000").IsValid());
    EXPECT_FALSE(Parsed(1, L"31/4/2005").IsValid());
    EXPECT_TRUE(Parsed(1, L"31/12/2005").IsValid());

    CDateValue d = Parsed(0, L"12/31/05");
    EXPECT_EQ(d.GetMonth(), 12);
    EXPECT_EQ(d.GetDay(), 31);
    EXPECT_EQ(d.GetYear(), 1905);

    d = Parsed(2, L"2004-02-29");
    EXPECT_TRUE(d.IsValid());
    EXPECT_EQ(d.GetYear(), 2004);
    EXPECT_EQ(d.GetMonth(), 2);
    EXPECT_EQ(d.GetDay(), 29);

    d = Parsed(1, L" 7 / 8 / 2006");
    EXPECT_EQ(d.GetDay(), 7);
    EXPECT_EQ(d.GetMonth(), 8);
    EXPECT_EQ(d.GetYear(), 2006);
    int m = -1, dd = -1, y = -1;
    d.GetDate(m, dd, y);
    EXPECT_EQ(m * 10000 + dd * 100 + y, 80000 + 700 + 2006);

    // Missing parts stay 0, so the date is invalid and every getter answers 0.
    d = Parsed(1, L"15");
    EXPECT_FALSE(d.IsValid());
    EXPECT_EQ(d.GetDay(), 0);
    EXPECT_EQ(d.GetHour(), 0);
    EXPECT_EQ(d.GetJulian(), 0);
    d.GetDate(m, dd, y);
    EXPECT_EQ(m + dd + y, 0);
    // An unknown style clears the date.
    EXPECT_FALSE(Parsed(9, L"1/1/2000").IsValid());
}

TEST(DateValue, JulianNumbersAndWeekdays)
{
    CDateValue d = Parsed(1, L"1.1.2000");
    EXPECT_EQ(d.ToJulian(), 2451545);
    d.m_nJulian = d.ToJulian();
    EXPECT_EQ(d.GetDayOfWeek(), 6);

    CDateValue back(1);
    back.m_nJulian = 2451545;
    back.FromJulian();
    EXPECT_EQ(back.GetDay(), 1);
    EXPECT_EQ(back.GetMonth(), 1);
    EXPECT_EQ(back.GetYear(), 2000);

    // Round trip over leap days and century boundaries.
    for (long j = 2415000; j < 2470000; j += 97)
    {
        CDateValue r(1);
        r.m_nJulian = j;
        r.FromJulian();
        ASSERT_TRUE(r.IsValid()) << j;
        EXPECT_EQ(r.ToJulian(), j);
    }

    CDateValue a = Parsed(1, L"28.2.2004"), b = Parsed(1, L"1.3.2004");
    a.m_nJulian = a.ToJulian();
    b.m_nJulian = b.ToJulian();
    EXPECT_EQ(b.m_nJulian - a.m_nJulian, 2);
    EXPECT_TRUE(a.IsNotAfter(b));
    EXPECT_FALSE(b.IsNotAfter(a));

    CDateValue c = Parsed(1, L"31.4.2005");
    EXPECT_EQ(c.ClampDay(), 30);
    EXPECT_EQ(c.m_nDay, 30);

    // Today is age 0; a date twenty years and a week back is 20.
    CDateValue today(1);
    EXPECT_EQ(today.GetAge(), 0);
    CDateValue old(1);
    old.m_nYear -= 20;
    old.m_nDay = 1;
    old.m_nMonth = old.m_nMonth == 1 ? 12 : old.m_nMonth - 1;
    if (today.m_nMonth == 1)
        old.m_nYear -= 1;
    EXPECT_EQ(old.GetAge(), 20);
}

TEST(DateValue, TwelveHourClockAndTimeTexts)
{
    CDateValue d(1);
    d.SetTime(0, 5, 9);
    EXPECT_EQ(d.m_nHour, 0);
    EXPECT_EQ(d.GetHour(), 0);
    CString text;
    d.FormatStoredTime(text, FALSE, 1);
    EXPECT_STREQ(text, L"12:05 AM");
    d.FormatStoredTime(text, TRUE, 1);
    EXPECT_STREQ(text, L"12:05:09   AM");

    d.SetTime(15, 40, 0);
    EXPECT_EQ(d.m_nHour, 3);
    EXPECT_EQ(d.m_bAfterNoon, 1);
    EXPECT_EQ(d.GetHour(), 15);
    d.FormatStoredTime(text, FALSE, 1);
    EXPECT_STREQ(text, L"03:40 PM");
    d.FormatStoredTime(text, FALSE, 0);
    EXPECT_STREQ(text, L"03:40 ");

    d.SetTime(12, 30, 0);
    EXPECT_EQ(d.GetHour(), 12);
    d.FormatStoredTime(text, FALSE, 1);
    EXPECT_STREQ(text, L"12:30 AM");

    // An invalid date gives an empty text.
    CDateValue bad = Parsed(1, L"0.0.0");
    bad.FormatTimeLong(text, 1);
    EXPECT_TRUE(text.IsEmpty());
}

TEST(DateValue, TimeTextsIntoCallerBuffersNeverOverrun)
{
    CDateValue d(1);
    CString full;
    d.FormatTimeLong(full, 1);
    ASSERT_EQ(full.GetLength(), 13); // "hh:mm:ss   AM"

    // Short buffer: exactly nChars characters, no terminator, the guard after it untouched.
    wchar_t buf[8];
    for (auto& c : buf)
        c = L'#';
    d.FormatTimeLongTo(buf, 5, 1);
    EXPECT_EQ(buf[2], L':');
    EXPECT_EQ(buf[5], L'#');
    EXPECT_EQ(buf[7], L'#');

    wchar_t none[2] = {L'#', L'#'};
    d.FormatTimeShortTo(none, 0, 1);
    d.FormatTimeShortTo(nullptr, 10, 1);
    EXPECT_EQ(none[0], L'#');

    // Long buffer: the text, then zeros to the end.
    wchar_t big[20];
    for (auto& c : big)
        c = L'#';
    d.FormatTimeShortTo(big, 19, 1);
    EXPECT_EQ(wcslen(big), 8u);
    EXPECT_EQ(big[18], L'\0');
    EXPECT_EQ(big[19], L'#');
    EXPECT_TRUE(big[6] == L'A' || big[6] == L'P');

    // Exactly the text's length: filled, no terminator.
    wchar_t exact[9];
    exact[8] = L'#';
    d.FormatTimeShortTo(exact, 8, 1);
    EXPECT_EQ(exact[7], L'M');
    EXPECT_EQ(exact[8], L'#');
}

TEST(StringTokenizer, NumbersTokensFromOne)
{
    CStringTokenizer t(L"a,,b", L",", FALSE);
    EXPECT_EQ(t.GetCount(), 3);
    EXPECT_STREQ(t.GetToken(1), L"a");
    EXPECT_STREQ(t.GetToken(2), L"");
    EXPECT_STREQ(t.GetToken(3), L"b");
    EXPECT_STREQ(t.GetToken(0), L"");
    EXPECT_STREQ(t.GetToken(4), L"");

    CStringTokenizer empty(L"", L",", FALSE);
    EXPECT_EQ(empty.GetCount(), 1);

    CStringTokenizer quotes(L"\"x\";y-z", L";-", TRUE);
    EXPECT_EQ(quotes.GetCount(), 3);
    EXPECT_STREQ(quotes.GetToken(1), L"x");
    EXPECT_STREQ(quotes.GetToken(3), L"z");

    // Only eight delimiter characters count.
    CStringTokenizer many(L"a9b", L"123456789", FALSE);
    EXPECT_EQ(many.GetCount(), 1);
}

TEST(StringSplitter, SplitsAndDropsOneCharacter)
{
    CStringSplitter s(L"a|b|", L"|");
    ASSERT_EQ(s.GetSize(), 3);
    EXPECT_STREQ(s.GetField(0), L"a");
    EXPECT_STREQ(s.GetField(1), L"b");
    EXPECT_STREQ(s.GetField(2), L"");
    EXPECT_STREQ(s.GetField(3), L"");
    EXPECT_STREQ(s.GetField(-1), L"");

    s.Split(L"no delimiter", L";");
    ASSERT_EQ(s.GetSize(), 1);
    EXPECT_STREQ(s.GetField(0), L"no delimiter");

    // A longer delimiter loses only its first character.
    s.Split(L"\r\n+CMGL: 1,0\r\nAAAA\r\n+CMGL: 2,1\r\nBBBB\r\nOK", L"+CMGL:");
    ASSERT_EQ(s.GetSize(), 3);
    EXPECT_STREQ(s.GetField(0), L"\r\n");
    EXPECT_STREQ(s.GetField(1), L"CMGL: 1,0\r\nAAAA\r\n");
    EXPECT_STREQ(s.GetField(2), L"CMGL: 2,1\r\nBBBB\r\nOK");

    // Overlapping matches: each search starts one character after the last match.
    s.Split(L"aaa", L"aa");
    ASSERT_EQ(s.GetSize(), 3);
    EXPECT_STREQ(s.GetField(1), L"");
    EXPECT_STREQ(s.GetField(2), L"a");

    // An empty delimiter terminates with the whole text as the one field.
    s.Split(L"abc", L"");
    ASSERT_EQ(s.GetSize(), 1);
    EXPECT_STREQ(s.GetField(0), L"abc");
    s.Split(L"", L"");
    EXPECT_EQ(s.GetSize(), 1);
}
