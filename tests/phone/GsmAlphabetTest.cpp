// Septet counting and splitting of texts for sending.
#include <gtest/gtest.h>
#include <random>
#include "phone/GsmAlphabet.h"

TEST(GsmAlphabet, CountsSeptets)
{
    struct CountCase
    {
        const wchar_t* text;
        int septets;
    };
    for (const CountCase& c : {CountCase{L"", 0}, CountCase{L"[x]", 5}, CountCase{L"\x20AC{|}~\\^\x0C", 16},
                               CountCase{L"\xE7", 1}, CountCase{L"\x0394", 1}, CountCase{L"@$\xA3\xE0\r\n", 6}})
        EXPECT_EQ(c.septets, GsmCountSeptets(c.text)) << (LPCWSTR)c.text;
    // An unknown character costs what the replacement character costs.
    EXPECT_EQ(2, GsmCountSeptets(L"\xE7", L'['));
}

TEST(GsmAlphabet, SplitsForSending)
{
    CStringArray parts;
    EXPECT_EQ(1, GsmSplitForSending(L"", parts));
    EXPECT_STREQ(L"", parts[0]);

    const CString exactly160(L'x', 160);
    EXPECT_EQ(1, GsmSplitForSending(exactly160, parts));
    EXPECT_STREQ(exactly160, parts[0]);

    EXPECT_EQ(2, GsmSplitForSending(exactly160 + L"y", parts));
    EXPECT_EQ(152, parts[0].GetLength());
    EXPECT_STREQ(CString(L'x', 8) + L"y", parts[1]);

    // 80 euro signs need 160 septets: one part; 81 need 162: parts of 76 and 5 signs.
    EXPECT_EQ(1, GsmSplitForSending(CString((wchar_t)0x20AC, 80), parts));
    EXPECT_EQ(2, GsmSplitForSending(CString((wchar_t)0x20AC, 81), parts));
    EXPECT_EQ(76, parts[0].GetLength());
    EXPECT_EQ(5, parts[1].GetLength());

    // An escape pair that would straddle the limit moves whole to the next part.
    EXPECT_EQ(2, GsmSplitForSending(CString(L'a', 151) + L"[" + CString(L'b', 20), parts));
    EXPECT_STREQ(CString(L'a', 151), parts[0]);
    EXPECT_STREQ(L"[" + CString(L'b', 20), parts[1]);

    // So does a surrogate pair.
    GsmSplitText(L"abc\xD83D\xDE00"
                 L"d",
                 4, parts);
    ASSERT_EQ(2, parts.GetSize());
    EXPECT_STREQ(L"abc", parts[0]);
    EXPECT_STREQ(L"\xD83D\xDE00"
                 L"d",
                 parts[1]);

    GsmSplitText(L"", 10, parts);
    EXPECT_EQ(0, parts.GetSize());
    GsmSplitText(L"[]", 1, parts); // a pair larger than the limit still gets a part
    ASSERT_EQ(2, parts.GetSize());
    EXPECT_STREQ(L"[", parts[0]);
}

TEST(GsmAlphabet, SplitPartsRebuildTheTextWithinTheLimit)
{
    static const wchar_t kPool[] = L"abc XYZ 019 @$_\xA3\xE0\xC7[]{}|~^\\\x20AC\xE7\x0394\r\n";
    std::mt19937 rng(99);
    CStringArray parts;
    for (int round = 0; round < 500; ++round)
    {
        CString text;
        const int length = (int)(rng() % 700);
        for (int i = 0; i < length; ++i)
            text += kPool[rng() % (sizeof kPool / sizeof kPool[0] - 1)];
        const int limit = 2 + (int)(rng() % 160);
        GsmSplitText(text, limit, parts);
        CString rebuilt;
        int total = 0;
        for (INT_PTR i = 0; i < parts.GetSize(); ++i)
        {
            const int septets = GsmCountSeptets(parts[i]);
            ASSERT_LE(septets, limit);
            ASSERT_GT(septets, 0);
            if (i + 1 < parts.GetSize())
            {
                // A part ends only where the next character would not fit.
                ASSERT_GT(septets + GsmCountSeptets(parts[i + 1].Left(1)), limit);
            }
            rebuilt += parts[i];
            total += septets;
        }
        ASSERT_STREQ(text, rebuilt);
        ASSERT_EQ(GsmCountSeptets(text), total);
    }
}
