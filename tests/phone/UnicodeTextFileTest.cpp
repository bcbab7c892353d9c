// Text files in four encodings: marks, unit encodings, buffer blocks and the line rules.
#include "StoreTestSupport.h"

#include "phone/UnicodeTextFile.h"

#include <algorithm>

using storetest::ReadAll;
using storetest::ScratchDir;
using storetest::WriteAll;
using Bytes = std::vector<unsigned char>;

namespace
{
Bytes Written(const CString& path, int mode, LPCWSTR text)
{
    {
        CUnicodeTextWriter w(path, mode);
        EXPECT_TRUE(w.IsOpen());
        w.WriteLine(text);
    } // the destructor closes and writes out the buffer
    return ReadAll(path);
}

std::vector<CString> Lines(const CString& path, int* pMode = nullptr)
{
    CUnicodeTextReader r(path);
    if (pMode)
        *pMode = r.GetEncoding();
    std::vector<CString> lines;
    CString line;
    while (r.ReadLine(line))
        lines.push_back(line);
    return lines;
}

unsigned long long FileSize(const CString& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path, GetFileExInfoStandard, &data))
        return ~0ull;
    return ((unsigned long long)data.nFileSizeHigh << 32) | data.nFileSizeLow;
}

// Bytes of a UTF-16LE file with its mark, from units.
Bytes Le(std::initializer_list<unsigned> units)
{
    Bytes b{0xFF, 0xFE};
    for (unsigned u : units)
        b.push_back(u & 0xFF), b.push_back(u >> 8);
    return b;
}
} // namespace

TEST(UnicodeTextFile, MarksAndUnitsOfEachEncoding)
{
    ScratchDir dir;
    const CString p = dir.Path(L"t.txt");
    EXPECT_EQ(Written(p, TEXTFILE_UNI16_LE, L"AB"), (Bytes{0xFF, 0xFE, 0x41, 0x00, 0x42, 0x00}));
    EXPECT_EQ(Written(p, TEXTFILE_UNI16_BE, L"AB"), (Bytes{0xFE, 0xFF, 0x00, 0x41, 0x00, 0x42}));
    EXPECT_EQ(Written(p, TEXTFILE_UTF_8, L"\x00E9"), (Bytes{0xEF, 0xBB, 0xBF, 0xC3, 0xA9}));
    EXPECT_EQ(Written(p, TEXTFILE_ASCII, L"AB"), (Bytes{0x41, 0x42}));
    EXPECT_EQ(Written(p, TEXTFILE_UTF_8, L"a\x20AC\r\n"),
              (Bytes{0xEF, 0xBB, 0xBF, 0x61, 0xE2, 0x82, 0xAC, 0x0D, 0x0A}));

    // Outside the basic plane: one four-byte sequence, read back as the surrogate pair.
    EXPECT_EQ(Written(p, TEXTFILE_UTF_8, L"x\xD83D\xDE00y"),
              (Bytes{0xEF, 0xBB, 0xBF, 'x', 0xF0, 0x9F, 0x98, 0x80, 'y'}));
    int mode = -1;
    auto lines = Lines(p, &mode);
    EXPECT_EQ(mode, TEXTFILE_UTF_8);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_STREQ(lines[0], L"x\xD83D\xDE00y");
    // A lone surrogate half keeps its three bytes.
    EXPECT_EQ(Written(p, TEXTFILE_UTF_8, L"\xD83D!"), (Bytes{0xEF, 0xBB, 0xBF, 0xED, 0xA0, 0xBD, '!'}));

    // Every encoding reads back what it wrote (ASCII within the code page).
    const wchar_t* text = L"first\r\nsecond \x00E9\x4E2D\nthird";
    for (int m : {TEXTFILE_UNI16_BE, TEXTFILE_UNI16_LE, TEXTFILE_UTF_8})
    {
        Written(p, m, text);
        lines = Lines(p, &mode);
        EXPECT_EQ(mode, m);
        ASSERT_EQ(lines.size(), 3u) << m;
        EXPECT_STREQ(lines[1], L"second \x00E9\x4E2D");
        EXPECT_STREQ(lines[2], L"third");
    }
    Written(p, TEXTFILE_ASCII, L"plain\r\nlines");
    lines = Lines(p, &mode);
    EXPECT_EQ(mode, TEXTFILE_ASCII);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_STREQ(lines[0], L"plain");
}

TEST(UnicodeTextFile, WritesInBlocksOf1024Bytes)
{
    ScratchDir dir;
    const CString p = dir.Path(L"block.txt");
    CUnicodeTextWriter w(p, TEXTFILE_ASCII);
    w.WriteLine(CString(L'a', 1024));
    EXPECT_EQ(FileSize(p), 0u); // the writer holds the file: look at its size only
    w.WriteLine(L"b");
    EXPECT_EQ(FileSize(p), 1024u);
    w.Close();
    const Bytes all = ReadAll(p);
    ASSERT_EQ(all.size(), 1025u);
    EXPECT_EQ(all.back(), 'b');
    w.Close(); // again: harmless
    EXPECT_FALSE(w.IsOpen());

    // A second writer on a held file fails to open and drops what it gets.
    CUnicodeTextWriter first(p, TEXTFILE_UNI16_LE);
    CUnicodeTextWriter second(p, TEXTFILE_UNI16_LE);
    EXPECT_TRUE(first.IsOpen());
    EXPECT_FALSE(second.IsOpen());
    second.WriteLine(L"dropped");
    second.Close();

    // A writer into a missing folder is not open; its reader twin is at the end at once.
    CUnicodeTextWriter nowhere(dir.Path(L"missing\\x.txt"), TEXTFILE_UTF_8);
    EXPECT_FALSE(nowhere.IsOpen());
    nowhere.WriteLine(L"lost");
    CUnicodeTextReader absent(dir.Path(L"missing\\x.txt"));
    EXPECT_FALSE(absent.IsOpen());
    EXPECT_TRUE(absent.IsEof());
    CString keep = L"keep";
    EXPECT_FALSE(absent.ReadLine(keep));
    EXPECT_STREQ(keep, L"keep");
}

TEST(UnicodeTextFile, AReplacingWriterTakesThePathOnlyWhenItCommitsAWholeFile)
{
    ScratchDir dir;
    const CString p = dir.Path(L"kept.txt");
    WriteAll(p, Bytes{'o', 'l', 'd'});
    auto files = [&] {
        std::vector<CString> v;
        WIN32_FIND_DATAW fd;
        HANDLE h = FindFirstFileW(dir.Path(L"*"), &fd);
        for (BOOL b = h != INVALID_HANDLE_VALUE; b; b = FindNextFileW(h, &fd))
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                v.push_back(fd.cFileName);
        FindClose(h);
        return v;
    };
    {
        // Dropped without a commit: the old file as it was, nothing beside it.
        CUnicodeTextWriter w;
        w.OpenReplacing(p, TEXTFILE_ASCII);
        ASSERT_TRUE(w.IsOpen());
        w.WriteLine(L"new");
        EXPECT_EQ(files().size(), 2u);
    }
    EXPECT_EQ(ReadAll(p), (Bytes{'o', 'l', 'd'}));
    EXPECT_EQ(files().size(), 1u);
    {
        // A target another holds with no sharing is not replaced.
        CFile held(p, CFile::modeRead | CFile::shareExclusive);
        CUnicodeTextWriter w;
        w.OpenReplacing(p, TEXTFILE_ASCII);
        w.WriteLine(L"new");
        EXPECT_FALSE(w.Commit());
    }
    EXPECT_EQ(ReadAll(p), (Bytes{'o', 'l', 'd'}));
    EXPECT_EQ(files().size(), 1u);
    CUnicodeTextWriter w;
    w.OpenReplacing(p, TEXTFILE_ASCII);
    w.WriteLine(L"new");
    EXPECT_TRUE(w.Commit());
    EXPECT_EQ(ReadAll(p), (Bytes{'n', 'e', 'w'}));
    EXPECT_EQ(files().size(), 1u);
}

TEST(UnicodeTextFile, DetectsTheEncodingFromTheMark)
{
    ScratchDir dir;
    const CString p = dir.Path(L"d.txt");
    int mode = -1;

    // EF BB without BF is 8-bit text from the first byte.
    WriteAll(p, Bytes{0xEF, 0xBB, 0x41});
    CUnicodeTextReader r(p);
    EXPECT_EQ(r.GetEncoding(), TEXTFILE_ASCII);
    std::string raw;
    ASSERT_TRUE(r.ReadLineA(raw));
    EXPECT_EQ(raw, std::string("\xEF\xBB\x41"));
    r.Close();

    // An empty file: not at the end after opening, the first read gives nothing.
    WriteAll(p, Bytes{});
    CUnicodeTextReader e(p);
    EXPECT_TRUE(e.IsOpen());
    EXPECT_FALSE(e.IsEof());
    CString line = L"old";
    EXPECT_FALSE(e.ReadLine(line));
    EXPECT_STREQ(line, L"old");
    e.Close();

    // One byte: ASCII, one line.
    WriteAll(p, Bytes{'z'});
    auto lines = Lines(p, &mode);
    EXPECT_EQ(mode, TEXTFILE_ASCII);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_STREQ(lines[0], L"z");

    // Only a mark: no lines.
    WriteAll(p, Bytes{0xFE, 0xFF});
    EXPECT_TRUE(Lines(p, &mode).empty());
    EXPECT_EQ(mode, TEXTFILE_UNI16_BE);
}

TEST(UnicodeTextFile, LineEndRules)
{
    ScratchDir dir;
    const CString p = dir.Path(L"l.txt");

    // a CR LF b: "a", then "b" with the end flag set, then false.
    WriteAll(p, Le({'a', 13, 10, 'b'}));
    {
        CUnicodeTextReader r(p);
        CString s;
        ASSERT_TRUE(r.ReadLine(s));
        EXPECT_STREQ(s, L"a");
        ASSERT_TRUE(r.ReadLine(s));
        EXPECT_STREQ(s, L"b");
        EXPECT_TRUE(r.IsEof());
        EXPECT_FALSE(r.ReadLine(s));
        EXPECT_STREQ(s, L"b");
    }
    // a CR LF: "a", then false with the string still "a".
    WriteAll(p, Le({'a', 13, 10}));
    {
        CUnicodeTextReader r(p);
        CString s;
        ASSERT_TRUE(r.ReadLine(s));
        EXPECT_FALSE(r.ReadLine(s));
        EXPECT_STREQ(s, L"a");
    }
    auto expectLines = [&](const Bytes& bytes, std::vector<CString> expected) {
        WriteAll(p, bytes);
        auto lines = Lines(p);
        ASSERT_EQ(lines.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i)
            EXPECT_STREQ(lines[i], expected[i]) << i;
    };
    expectLines(Le({'a', 13, 13, 'b'}), {L"a", L"", L"b"});
    expectLines(Le({'a', 10, 13, 'b'}), {L"a", L"", L"b"});
    expectLines(Le({13, 10, 'x'}), {L"x"});
    expectLines(Bytes{'a', '\r', '\r', 'b'}, {L"a", L"", L"b"});
    expectLines(Bytes{'\n', 'q', '\n', 'r', '\r', '\n'}, {L"q", L"r"});

    // A line of 5000 units across many buffer refills comes back whole, in UTF-8 too.
    CString longLine;
    for (int i = 0; i < 5000; ++i)
        longLine += (wchar_t)(i % 3 == 0 ? 0x00E9 : 'a' + i % 26);
    for (int m : {TEXTFILE_UNI16_LE, TEXTFILE_UTF_8})
    {
        {
            CUnicodeTextWriter w(p, m);
            w.WriteLine(longLine + L"\r\n" + longLine);
        }
        auto lines = Lines(p);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0], longLine);
        EXPECT_EQ(lines[1], longLine);
    }

    // Lead bytes of five or more ones read as U+FFFD and take nothing more.
    WriteAll(p, Bytes{0xEF, 0xBB, 0xBF, 0xF8, 'k', 0xFF, '\n', 'm'});
    auto lines = Lines(p);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_STREQ(lines[0], L"\xFFFDk\xFFFD");
    EXPECT_STREQ(lines[1], L"m");
}

TEST(UnicodeTextFile, ConversionHelpers)
{
    CString wide;
    MultiByteToWide("abc", wide, CP_ACP);
    EXPECT_STREQ(wide, L"abc");
    MultiByteToWide("\xC3\xA9", wide, CP_UTF8);
    EXPECT_STREQ(wide, L"\x00E9");
    std::string narrow;
    WideToMultiByte(L"\x00E9", narrow, CP_UTF8);
    EXPECT_EQ(narrow, "\xC3\xA9");
    BOOL used = FALSE;
    WideToMultiByte(L"a\x4E2D", narrow, 1252, &used, '?');
    EXPECT_EQ(narrow, "a?");
    EXPECT_TRUE(used);
    EXPECT_STREQ(GetTextEncodingName(TEXTFILE_UNI16_BE), L"UNI16_BE");
    EXPECT_STREQ(GetTextEncodingName(TEXTFILE_UTF_8), L"UTF_8");
}

TEST(UnicodeTextFile, ACutUtf8SequenceNeverTakesTheLineEndAfterIt)
{
    ScratchDir dir;
    const CString p = dir.Path(L"cut.txt");
    // A three-byte lead without its two continuation bytes right before CR LF: two records stay two.
    std::string bytes = "\xEF\xBB\xBFInbox\t1/2/3  4:5:6\t1\t2\ta\xE4\r\nSent\t1/2/3  4:5:7\t1\t2\tb\r\n";
    ASSERT_EQ(bytes.size(), 55u);
    WriteAll(p, Bytes(bytes.begin(), bytes.end()));
    auto lines = Lines(p);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], L"Inbox\t1/2/3  4:5:6\t1\t2\ta\xFFFD");
    EXPECT_EQ(lines[1], L"Sent\t1/2/3  4:5:7\t1\t2\tb");

    // A two-byte lead before a lone LF, a four-byte lead cut after two bytes before CR.
    WriteAll(p, Bytes{0xEF, 0xBB, 0xBF, 'x', 0xC3, '\n', 'y', 0xF0, 0x9F, '\r', 'z'});
    lines = Lines(p);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], L"x\xFFFD");
    EXPECT_EQ(lines[1], L"y\xFFFD");
    EXPECT_EQ(lines[2], L"z");
}

TEST(UnicodeTextFile, Utf8RefusesOverlongSurrogateAndBrokenSequences)
{
    ScratchDir dir;
    const CString p = dir.Path(L"strict.txt");
    auto lineOf = [&](Bytes body) {
        Bytes b(body.size() + 3);
        b[0] = 0xEF, b[1] = 0xBB, b[2] = 0xBF;
        std::copy(body.begin(), body.end(), b.begin() + 3);
        WriteAll(p, b);
        auto lines = Lines(p);
        return lines.size() == 1 ? std::wstring(lines[0].GetString(), (size_t)lines[0].GetLength())
                                 : std::wstring(L"lines: ") + std::to_wstring(lines.size());
    };
    // An overlong line feed is no line end; nor is an overlong NUL a NUL.
    EXPECT_EQ(lineOf({'a', 0xC0, 0x8A, 'b'}), L"a\xFFFD\xFFFD"
                                              L"b");
    EXPECT_EQ(lineOf({0xC1, 0x80}), L"\xFFFD\xFFFD");
    EXPECT_EQ(lineOf({0xE0, 0x80, 0x8A, 'c'}), L"\xFFFD\xFFFD\xFFFD"
                                               L"c");
    EXPECT_EQ(lineOf({0xF0, 0x80, 0x80, 0x8A}), L"\xFFFD\xFFFD\xFFFD\xFFFD");
    // Encoded surrogate halves and code points beyond U+10FFFF.
    EXPECT_EQ(lineOf({0xED, 0xA0, 0xBD, '!'}), L"\xFFFD\xFFFD\xFFFD!");
    EXPECT_EQ(lineOf({0xF4, 0x90, 0x80, 0x80}), L"\xFFFD\xFFFD\xFFFD\xFFFD");
    // A lead byte breaking off a sequence starts its own character; so does a plain byte.
    EXPECT_EQ(lineOf({0xE4, 0xB8, 0xC3, 0xA9, 0xE4, 'q'}), L"\xFFFD\x00E9\xFFFDq");
    // Cut by the end of the file.
    EXPECT_EQ(lineOf({'a', 0xE4, 0xB8}), L"a\xFFFD");
    // The edges of each length still decode.
    EXPECT_EQ(lineOf({0xC2, 0x80, 0xDF, 0xBF, 0xE0, 0xA0, 0x80, 0xED, 0x9F, 0xBF, 0xEE, 0x80, 0x80}),
              L"\x0080\x07FF\x0800\xD7FF\xE000");
    EXPECT_EQ(lineOf({0xF0, 0x90, 0x80, 0x80, 0xF4, 0x8F, 0xBF, 0xBF}), L"\xD800\xDC00\xDBFF\xDFFF");
}

TEST(UnicodeTextFile, ASequenceAcrossTheBufferEdgeDecodesAndABrokenOneStillEndsTheLine)
{
    ScratchDir dir;
    const CString p = dir.Path(L"edge.txt");
    // The mark and 1020 letters fill the first block but its last byte, where the lead sits; the broken
    // lead of the second line is the second block's last byte.
    Bytes b{0xEF, 0xBB, 0xBF};
    b.insert(b.end(), 1020, 'a');
    b.push_back(0xE4);
    b.push_back(0xB8);
    b.push_back(0xAD);
    b.push_back('\n');
    b.insert(b.end(), 1020, 'b');
    b.push_back(0xE4);
    b.push_back('\r');
    b.push_back('\n');
    b.push_back('c');
    WriteAll(p, b);
    auto lines = Lines(p);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], CString(L'a', 1020) + L"\x4E2D");
    EXPECT_EQ(lines[1], CString(L'b', 1020) + L"\xFFFD");
    EXPECT_EQ(lines[2], L"c");
}

TEST(UnicodeTextFile, ANulInsideALineKeepsTheRestOfTheLine)
{
    ScratchDir dir;
    const CString p = dir.Path(L"inner0.txt");
    const CString expected(L"ab\0cd", 5);
    // ANSI, then UTF-16 in both byte orders.
    for (const Bytes& bytes : {Bytes{'a', 'b', 0, 'c', 'd', '\r', '\n', 'e'}, Le({'a', 'b', 0, 'c', 'd', 13, 10, 'e'}),
                               Bytes{0xFE, 0xFF, 0, 'a', 0, 'b', 0, 0, 0, 'c', 0, 'd', 0, 13, 0, 10, 0, 'e'}})
    {
        WriteAll(p, bytes);
        auto lines = Lines(p);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].GetLength(), 5);
        EXPECT_EQ(std::wstring(lines[0].GetString(), (size_t)lines[0].GetLength()),
                  std::wstring(expected.GetString(), 5));
        EXPECT_EQ(lines[1], L"e");
    }
}
