// CString and CStringA: formatting, searching, editing, buffers and string resources.
#include <gtest/gtest.h>
#include "platform/Platform.h"
#include "core_test_ids.h"
#include <thread>
#include <vector>

TEST(CStringFormat, WideConversionsAsOnThePlatform)
{
    CString s;
    s.Format(L"%s|%d|%02d|%c|%x|%X|%%|%5.2f", L"abc", -5, 7, L'z', 255, 0xBEEF, 3.14159);
    EXPECT_STREQ(s, L"abc|-5|07|z|ff|BEEF|%| 3.14");
    CString name(L"Budi");
    s.Format(L"[%s] %S %I64d %u", name.GetString(), "8bit", (LONGLONG)1 << 40, 4000000000u);
    EXPECT_STREQ(s, L"[Budi] 8bit 1099511627776 4000000000");
    s.Format(L"%-4s|%4s|%.2s", L"ab", L"cd", L"xyz");
    EXPECT_STREQ(s, L"ab  |  cd|xy");
}

TEST(CStringFormat, LongResultsAndAppending)
{
    CString big(L'q', 20000);
    CString s;
    s.Format(L"<%s>%d", big.GetString(), 42);
    EXPECT_EQ(s.GetLength(), 20004);
    EXPECT_EQ(s.Left(2), L"<q");
    EXPECT_EQ(s.Right(3), L">42");
    s.AppendFormat(L"-%03d", 5);
    EXPECT_EQ(s.Right(4), L"-005");
    s.Format(L"");
    EXPECT_TRUE(s.IsEmpty());
    s = L"keep";
    s.Format(L"%s", s.GetString()); // formats from its own text
    EXPECT_EQ(s, L"keep");
}

TEST(CStringSearch, FindReverseFindFindOneOfAndSpans)
{
    CString s(L"a+b=c+d");
    EXPECT_EQ(s.Find(L'+'), 1);
    EXPECT_EQ(s.Find(L'+', 2), 5);
    EXPECT_EQ(s.Find(L'+', 6), -1);
    EXPECT_EQ(s.Find(L'+', 100), -1);
    EXPECT_EQ(s.Find(L'+', -3), -1);
    EXPECT_EQ(s.Find(L"c+"), 4);
    EXPECT_EQ(s.Find(L"c+", 5), -1);
    EXPECT_EQ(s.Find(L"", 3), 3);
    EXPECT_EQ(s.Find(L"zz"), -1);
    EXPECT_EQ(s.ReverseFind(L'+'), 5);
    EXPECT_EQ(s.ReverseFind(L'x'), -1);
    EXPECT_EQ(s.FindOneOf(L"=d"), 3);
    EXPECT_EQ(s.FindOneOf(L"xyz"), -1);
    EXPECT_EQ(CString(L"0812abc").SpanIncluding(L"0123456789"), L"0812");
    EXPECT_EQ(CString(L"abc").SpanIncluding(L"0123456789"), L"");
    EXPECT_EQ(CString(L"name<0812>").SpanExcluding(L"<>"), L"name");
    EXPECT_EQ(CString(L"plain").SpanExcluding(L"<>"), L"plain");
}

TEST(CStringExtract, MidLeftRightClampToTheText)
{
    CString s(L"Hello");
    EXPECT_EQ(s.Mid(1, 3), L"ell");
    EXPECT_EQ(s.Mid(3), L"lo");
    EXPECT_EQ(s.Mid(10), L"");
    EXPECT_EQ(s.Mid(-2, 2), L"He");
    EXPECT_EQ(s.Mid(2, 100), L"llo");
    EXPECT_EQ(s.Left(0), L"");
    EXPECT_EQ(s.Left(-1), L"");
    EXPECT_EQ(s.Left(99), L"Hello");
    EXPECT_EQ(s.Right(2), L"lo");
    EXPECT_EQ(s.Right(99), L"Hello");
    EXPECT_EQ(s.Right(-1), L"");
}

TEST(CStringEdit, ReplaceRemoveInsertDelete)
{
    CString s(L"aaaa");
    EXPECT_EQ(s.Replace(L"aa", L"b"), 2);
    EXPECT_EQ(s, L"bb");
    s = L"aaa";
    EXPECT_EQ(s.Replace(L"aa", L"x"), 1); // left to right, no overlap
    EXPECT_EQ(s, L"xa");
    s = L"1-2-3";
    EXPECT_EQ(s.Replace(L"-", L"--"), 2);
    EXPECT_EQ(s, L"1--2--3");
    EXPECT_EQ(s.Replace(L"--", L""), 2);
    EXPECT_EQ(s, L"123");
    EXPECT_EQ(s.Replace(L"", L"x"), 0);
    EXPECT_EQ(s.Replace(L"9", L"x"), 0);
    EXPECT_EQ(s.Replace(L'2', L'9'), 1);
    EXPECT_EQ(s, L"193");

    s = L"a;b;;c;";
    EXPECT_EQ(s.Remove(L';'), 4);
    EXPECT_EQ(s, L"abc");
    EXPECT_EQ(s.Remove(L'z'), 0);

    EXPECT_EQ(s.Insert(1, L"XY"), 5);
    EXPECT_EQ(s, L"aXYbc");
    EXPECT_EQ(s.Insert(99, L'!'), 6);
    EXPECT_EQ(s, L"aXYbc!");
    EXPECT_EQ(s.Insert(-5, L'<'), 7);
    EXPECT_EQ(s, L"<aXYbc!");
    EXPECT_EQ(s.Delete(1, 3), 4);
    EXPECT_EQ(s, L"<bc!");
    EXPECT_EQ(s.Delete(2, 100), 2);
    EXPECT_EQ(s, L"<b");
    EXPECT_EQ(s.Delete(10), 2);
    s.SetAt(1, L'c');
    EXPECT_EQ(s, L"<c");
    EXPECT_EQ(s.GetAt(0), L'<');
}

TEST(CStringEdit, TrimWithDefaultAndGivenSets)
{
    CString s(L" \t\r\n text \n ");
    EXPECT_EQ(CString(s).TrimLeft(), L"text \n ");
    EXPECT_EQ(CString(s).TrimRight(), L" \t\r\n text");
    EXPECT_EQ(CString(s).Trim(), L"text");
    EXPECT_EQ(CString(L"xxabcxx").Trim(L'x'), L"abc");
    EXPECT_EQ(CString(L"\"'quoted'\"").Trim(L"\"'"), L"quoted");
    EXPECT_EQ(CString(L"0012300").TrimLeft(L"0"), L"12300");
    EXPECT_EQ(CString(L"0012300").TrimRight(L'0'), L"00123");
    EXPECT_EQ(CString(L"    ").Trim(), L"");
    EXPECT_EQ(CString(L"abc").Trim(L""), L"abc");
}

TEST(CStringEdit, CaseReverseAndComparison)
{
    CString s(L"Halo Dunia");
    EXPECT_EQ(CString(s).MakeUpper(), L"HALO DUNIA");
    EXPECT_EQ(CString(s).MakeLower(), L"halo dunia");
    EXPECT_EQ(CString(s).MakeReverse(), L"ainuD olaH");
    EXPECT_EQ(s.CompareNoCase(L"HALO dunia"), 0);
    EXPECT_LT(s.Compare(L"Halo dunia"), 0); // 'D' < 'd'
    EXPECT_GT(s.Compare(L"Hal"), 0);
    EXPECT_EQ(s.Compare(L"Halo Dunia"), 0);
    EXPECT_TRUE(s == L"Halo Dunia");
    EXPECT_TRUE(L"Halo Dunia" == s);
    EXPECT_TRUE(s != CString(L"x"));
    EXPECT_TRUE(CString(L"a") < CString(L"b"));
    EXPECT_TRUE(CString(L"b") >= L"a");
    EXPECT_EQ(CString(L"abc").Collate(L"abc"), 0);
    CString sum = CString(L"a") + L"b" + L'c' + CString(L"d");
    EXPECT_EQ(sum, L"abcd");
    sum += L'e';
    sum += L"fg";
    EXPECT_EQ(sum, L"abcdefg");
    EXPECT_EQ(CString(L'-', 3), L"---");
}

TEST(CStringTokenize, SkipsRunsOfDelimitersAndEnds)
{
    CString s(L";;a,,b;c;");
    int pos = 0;
    std::vector<CString> parts;
    for (CString t = s.Tokenize(L",;", pos); pos != -1; t = s.Tokenize(L",;", pos))
        parts.push_back(t);
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[0], L"a");
    EXPECT_EQ(parts[1], L"b");
    EXPECT_EQ(parts[2], L"c");

    pos = 0;
    EXPECT_EQ(CString(L",,,").Tokenize(L",", pos), L"");
    EXPECT_EQ(pos, -1);
    pos = 0;
    CString whole(L"abc");
    EXPECT_EQ(whole.Tokenize(L"", pos), L"abc");
    EXPECT_EQ(whole.Tokenize(L"", pos), L"");
    EXPECT_EQ(pos, -1); // no endless loop without delimiters
}

TEST(CStringBuffer, GetBufferReleaseBufferAndSetLength)
{
    CString s(L"old");
    wchar_t* p = s.GetBuffer(MAX_PATH);
    DWORD n = GetModuleFileNameW(nullptr, p, MAX_PATH);
    s.ReleaseBuffer();
    EXPECT_EQ(s.GetLength(), (int)n);
    EXPECT_GT(s.Find(L".exe"), 0);

    p = s.GetBuffer(10);
    wcscpy(p, L"abcdef");
    s.ReleaseBuffer(3);
    EXPECT_EQ(s, L"abc");

    p = s.GetBufferSetLength(5);
    for (int i = 0; i < 5; ++i)
        p[i] = (wchar_t)(L'v' + i);
    s.ReleaseBuffer(5);
    EXPECT_EQ(s, L"vwxyz");

    CString empty;
    p = empty.GetBuffer(0);
    ASSERT_NE(p, nullptr);
    empty.ReleaseBuffer();
    EXPECT_TRUE(empty.IsEmpty());

    // A copy is not changed through the other's buffer.
    CString a(L"shared");
    CString b(a);
    a.GetBuffer(0)[0] = L'S';
    a.ReleaseBuffer();
    EXPECT_EQ(a, L"Shared");
    EXPECT_EQ(b, L"shared");

    BSTR bs = a.AllocSysString();
    EXPECT_EQ(SysStringLen(bs), 6u);
    EXPECT_STREQ(bs, L"Shared");
    SysFreeString(bs);
}

TEST(CStringResources, LoadStringAndResourceIds)
{
    CString s;
    EXPECT_TRUE(s.LoadString(IDS_CORE_TEST_HELLO));
    EXPECT_EQ(s, L"Halo, dunia");
    EXPECT_TRUE(s.LoadString(IDS_CORE_TEST_LONG));
    EXPECT_EQ(s.GetLength(), 320);
    EXPECT_EQ(s.Left(8), L"Panjang ");
    EXPECT_FALSE(s.LoadString(IDS_CORE_TEST_MISSING)); // same block, no string
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_FALSE(s.LoadString(12345));

    CString byId(MAKEINTRESOURCEW(IDS_CORE_TEST_REGKEY));
    EXPECT_EQ(byId, L"CorvaneCoreTestKey");
    s.Format(IDS_CORE_TEST_FORMAT, L"uji", 3);
    EXPECT_EQ(s, L"Pesan uji ke 3 nomor");
}

TEST(CStringConvert, AnsiCodePageBothWays)
{
    CString w("plain 8-bit");
    EXPECT_EQ(w, L"plain 8-bit");
    CStringA a(L"wide text");
    EXPECT_EQ(a, "wide text");
    CString fromA(a);
    EXPECT_EQ(fromA, L"wide text");
    CString part("abcdef", 3);
    EXPECT_EQ(part, L"abc");
    char e9 = (char)0xE9;
    wchar_t expected = 0;
    MultiByteToWideChar(CP_ACP, 0, &e9, 1, &expected, 1);
    CString one(CStringA(&e9, 1));
    ASSERT_EQ(one.GetLength(), 1);
    EXPECT_EQ(one[0], expected);
    CStringA f;
    f.Format("%d-%s", 12, "x");
    EXPECT_EQ(f, "12-x");
}

TEST(CStringThreads, CopiesAreIndependentAcrossThreads)
{
    const CString shared(L"nomor +628123456789");
    std::vector<std::thread> threads;
    std::vector<int> ok(4, 0);
    for (int t = 0; t < 4; ++t)
    {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 2000; ++i)
            {
                CString c(shared);
                c.Replace(L"+62", L"0");
                if (c == L"nomor 08123456789")
                    ++ok[t];
            }
        });
    }
    for (auto& th : threads)
        th.join();
    for (int v : ok)
        EXPECT_EQ(v, 2000);
    EXPECT_EQ(shared, L"nomor +628123456789");
}
