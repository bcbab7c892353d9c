// CArchive: the exact byte format of values, counts, strings, classes and objects, and the
// loader's refusal of damaged or truncated archives.
#include <gtest/gtest.h>
#include "platform/Platform.h"
#include <memory>
#include <string>
#include <vector>

namespace
{

using Bytes = std::vector<BYTE>;

// A record whose third field came with schema 2.
class CArchiveTestRecord : public CObject
{
    DECLARE_SERIAL(CArchiveTestRecord)
public:
    CArchiveTestRecord() {}
    CArchiveTestRecord(LPCTSTR text, LONG n) : m_text(text), m_n(n) {}
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
        {
            ar << m_text << m_n;
        }
        else
        {
            m_schema = ar.GetObjectSchema();
            m_schemaAgain = ar.GetObjectSchema();
            ar >> m_text;
            if (m_schema >= 2)
                ar >> m_n;
        }
    }
    CString m_text;
    LONG m_n = -1;
    UINT m_schema = 0;
    UINT m_schemaAgain = 0;
};
IMPLEMENT_SERIAL(CArchiveTestRecord, CObject, VERSIONABLE_SCHEMA | 2)

// Not versionable: only schema 1 loads.
class CArchivePlainRecord : public CObject
{
    DECLARE_SERIAL(CArchivePlainRecord)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_w;
        else
            ar >> m_w;
    }
    WORD m_w = 0;
};
IMPLEMENT_SERIAL(CArchivePlainRecord, CObject, 1)

// Owns what a loaded list holds.
struct OwnedList : CObList
{
    ~OwnedList() override
    {
        while (!IsEmpty())
        {
            CObject* p = RemoveHead();
            if (p && !Find(p))
                delete p;
        }
    }
};

Bytes Store(const std::function<void(CArchive&)>& write)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        write(ar);
        ar.Close();
    }
    Bytes out((size_t)file.GetLength());
    file.SeekToBegin();
    if (!out.empty())
        file.Read(out.data(), (UINT)out.size());
    return out;
}

// Loads from a copy of the bytes; answers the archive exception's cause, or -1 when none.
int Load(const Bytes& bytes, const std::function<void(CArchive&)>& read)
{
    Bytes copy(bytes);
    CMemFile file(copy.empty() ? nullptr : copy.data(), (UINT)copy.size());
    try
    {
        CArchive ar(&file, CArchive::load);
        read(ar);
        ar.Close();
    }
    catch (CArchiveException* e)
    {
        int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

void Append(Bytes& b, std::initializer_list<int> v)
{
    for (int x : v)
        b.push_back((BYTE)x);
}
void AppendAscii(Bytes& b, const char* s)
{
    while (*s)
        b.push_back((BYTE)*s++);
}
void AppendUtf16(Bytes& b, wchar_t ch, size_t n)
{
    for (size_t i = 0; i < n; ++i)
    {
        b.push_back((BYTE)(ch & 0xFF));
        b.push_back((BYTE)(ch >> 8));
    }
}

} // namespace

TEST(ArchiveFormat, ValuesAreLittleEndianWithThePlatformSizes)
{
    Bytes got = Store([](CArchive& ar) {
        ar << (BYTE)0xAB << (WORD)0x1234 << (LONG)-2 << (DWORD)0xA1B2C3D4 << (int)7 << (short)-1 << 'c' << L'\x20AC'
           << true << 1.5f << 2.0 << (LONGLONG)0x0102030405060708LL;
    });
    Bytes want;
    Append(want, {0xAB, 0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF, 0xD4, 0xC3, 0xB2, 0xA1,
                  7,    0,    0,    0,    0xFF, 0xFF, 'c',  0xAC, 0x20, 1});
    Append(want, {0x00, 0x00, 0xC0, 0x3F});                         // 1.5f
    Append(want, {0, 0, 0, 0, 0, 0, 0x00, 0x40});                   // 2.0
    Append(want, {0x08, 0x07, 0x06, 0x05, 0x04, 0x03, 0x02, 0x01}); // LONGLONG
    EXPECT_EQ(got, want);

    BYTE b;
    WORD w;
    LONG l;
    DWORD dw;
    int i;
    short sh;
    char c;
    wchar_t wc;
    bool f;
    float fl;
    double d;
    LONGLONG ll;
    EXPECT_EQ(Load(got, [&](CArchive& ar) { ar >> b >> w >> l >> dw >> i >> sh >> c >> wc >> f >> fl >> d >> ll; }),
              -1);
    EXPECT_EQ(b, 0xAB);
    EXPECT_EQ(w, 0x1234);
    EXPECT_EQ(l, -2);
    EXPECT_EQ(dw, 0xA1B2C3D4u);
    EXPECT_EQ(i, 7);
    EXPECT_EQ(sh, -1);
    EXPECT_EQ(c, 'c');
    EXPECT_EQ(wc, L'\x20AC');
    EXPECT_TRUE(f);
    EXPECT_EQ(fl, 1.5f);
    EXPECT_EQ(d, 2.0);
    EXPECT_EQ(ll, 0x0102030405060708LL);
}

TEST(ArchiveFormat, CountsAndStringLengthsUseTheirEscapes)
{
    CString shortText(L"Hi"), empty, s254(L'a', 254), s255(L'a', 255), s65533(L'c', 65533), s65534(L'b', 65534);
    Bytes got = Store([&](CArchive& ar) {
        ar.WriteCount(3);
        ar.WriteCount(0xFFFE);
        ar.WriteCount(70000);
        ar << shortText << empty << s254 << s255 << s65533 << s65534;
    });
    Bytes want;
    Append(want, {0x03, 0x00});
    Append(want, {0xFE, 0xFF});
    Append(want, {0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00});
    Append(want, {0xFF, 0xFE, 0xFF, 0x02, 'H', 0, 'i', 0});
    Append(want, {0xFF, 0xFE, 0xFF, 0x00});
    Append(want, {0xFF, 0xFE, 0xFF, 0xFE});
    AppendUtf16(want, L'a', 254);
    Append(want, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00});
    AppendUtf16(want, L'a', 255);
    Append(want, {0xFF, 0xFE, 0xFF, 0xFF, 0xFD, 0xFF});
    AppendUtf16(want, L'c', 65533);
    Append(want, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00});
    AppendUtf16(want, L'b', 65534);
    ASSERT_EQ(got.size(), want.size());
    EXPECT_TRUE(got == want);

    DWORD_PTR c1 = 0, c2 = 0, c3 = 0;
    CString r[6];
    EXPECT_EQ(Load(got,
                   [&](CArchive& ar) {
                       c1 = ar.ReadCount();
                       c2 = ar.ReadCount();
                       c3 = ar.ReadCount();
                       for (auto& s : r)
                           ar >> s;
                   }),
              -1);
    EXPECT_EQ(c1, 3u);
    EXPECT_EQ(c2, 0xFFFEu);
    EXPECT_EQ(c3, 70000u);
    EXPECT_EQ(r[0], shortText);
    EXPECT_TRUE(r[1].IsEmpty());
    EXPECT_EQ(r[2], s254);
    EXPECT_EQ(r[3], s255);
    EXPECT_EQ(r[4], s65533);
    EXPECT_EQ(r[5], s65534);
}

TEST(ArchiveFormat, EightBitStringsAreAcceptedWhenLoading)
{
    Bytes in;
    Append(in, {0x03, 'a', 'b', 0xE9});
    Append(in, {0xFF, 0x2C, 0x01}); // 300 bytes through the WORD escape
    for (int i = 0; i < 300; ++i)
        in.push_back('z');
    CString a, b;
    CStringA raw;
    EXPECT_EQ(Load(in, [&](CArchive& ar) { ar >> a >> b; }), -1);
    wchar_t e9 = 0;
    char ch = (char)0xE9;
    MultiByteToWideChar(CP_ACP, 0, &ch, 1, &e9, 1);
    EXPECT_EQ(a.GetLength(), 3);
    EXPECT_EQ(a.Left(2), L"ab");
    EXPECT_EQ(a[2], e9);
    EXPECT_EQ(b, CString(L'z', 300));
    EXPECT_EQ(Load(in, [&](CArchive& ar) { ar >> raw; }), -1);
    EXPECT_EQ(raw.GetLength(), 3);
    EXPECT_EQ((BYTE)raw[2], 0xE9);
}

TEST(ArchiveFormat, ObjectsClassesBackReferencesAndNull)
{
    CArchiveTestRecord first(L"x", 7), second(L"yz", 0x01020304);
    CObList list;
    list.AddTail(&first);
    list.AddTail(&second);
    list.AddTail((CObject*)nullptr);
    list.AddTail(&first);
    Bytes got = Store([&](CArchive& ar) { list.Serialize(ar); });

    Bytes want;
    Append(want, {0x04, 0x00});                                 // element count
    Append(want, {0xFF, 0xFF, 0x02, 0x00, 0x12, 0x00});         // new class, schema 2, name length 18
    AppendAscii(want, "CArchiveTestRecord");                    // class index 1
    Append(want, {0xFF, 0xFE, 0xFF, 0x01, 'x', 0, 7, 0, 0, 0}); // object index 2
    Append(want, {0x01, 0x80});                                 // known class 1
    Append(want, {0xFF, 0xFE, 0xFF, 0x02, 'y', 0, 'z', 0, 0x04, 0x03, 0x02, 0x01}); // object index 3
    Append(want, {0x00, 0x00});                                                     // null
    Append(want, {0x02, 0x00});                                                     // object 2 again
    EXPECT_EQ(got, want);

    OwnedList loaded;
    ASSERT_EQ(Load(got, [&](CArchive& ar) { loaded.Serialize(ar); }), -1);
    ASSERT_EQ(loaded.GetCount(), 4);
    POSITION pos = loaded.GetHeadPosition();
    auto* a = DYNAMIC_DOWNCAST(CArchiveTestRecord, loaded.GetNext(pos));
    auto* b = DYNAMIC_DOWNCAST(CArchiveTestRecord, loaded.GetNext(pos));
    CObject* c = loaded.GetNext(pos);
    CObject* d = loaded.GetNext(pos);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->m_text, L"x");
    EXPECT_EQ(a->m_n, 7);
    EXPECT_EQ(a->m_schema, 2u);
    EXPECT_EQ(a->m_schemaAgain, (UINT)-1);
    EXPECT_EQ(b->m_text, L"yz");
    EXPECT_EQ(b->m_n, 0x01020304);
    EXPECT_EQ(b->m_schema, 2u); // a known class hands back the plain number too
    EXPECT_EQ(c, nullptr);
    EXPECT_EQ(d, a);
}

TEST(ArchiveFormat, OlderSchemaOfAVersionableClassIsHandedToSerialize)
{
    Bytes in;
    Append(in, {0x02, 0x00});
    Append(in, {0xFF, 0xFF, 0x01, 0x00, 0x12, 0x00});
    AppendAscii(in, "CArchiveTestRecord");
    Append(in, {0xFF, 0xFE, 0xFF, 0x01, 'o', 0});
    Append(in, {0x01, 0x80});
    Append(in, {0xFF, 0xFE, 0xFF, 0x01, 'p', 0});
    OwnedList loaded;
    ASSERT_EQ(Load(in, [&](CArchive& ar) { loaded.Serialize(ar); }), -1);
    ASSERT_EQ(loaded.GetCount(), 2);
    auto* a = (CArchiveTestRecord*)loaded.GetHead();
    auto* b = (CArchiveTestRecord*)loaded.GetTail();
    EXPECT_EQ(a->m_schema, 1u);
    EXPECT_EQ(b->m_schema, 1u);
    EXPECT_EQ(a->m_n, -1);
    EXPECT_EQ(b->m_text, L"p");
}

TEST(ArchiveFormat, BigIndexesUseTheEscapeTags)
{
    // 0x7FFF and more objects: back-references and class references switch to the DWORD forms.
    const int n = 0x8001;
    std::vector<std::unique_ptr<CArchivePlainRecord>> objs;
    for (int i = 0; i < n; ++i)
    {
        objs.emplace_back(new CArchivePlainRecord);
        objs.back()->m_w = (WORD)i;
    }
    CArchiveTestRecord r1(L"p", 4), r2(L"q", 5);
    Bytes got = Store([&](CArchive& ar) {
        for (auto& p : objs)
            ar << p.get();
        ar << objs[n - 1].get(); // index n + 1
        ar << objs[0].get();     // index 2
        ar << &r1 << &r2;        // class at n + 2: the second refers to it with the DWORD form
    });
    // Class at 1, objects at 2..n+1: back-references past 0x7FFE take the escape and a DWORD.
    Bytes refs{0xFF, 0x7F, (BYTE)((n + 1) & 0xFF), (BYTE)((n + 1) >> 8), 0x00, 0x00, 0x02, 0x00};
    Bytes r1bytes{0xFF, 0xFF, 0x02, 0x00, 0x12, 0x00};
    AppendAscii(r1bytes, "CArchiveTestRecord");
    Append(r1bytes, {0xFF, 0xFE, 0xFF, 0x01, 'p', 0, 4, 0, 0, 0});
    Bytes r2bytes{0xFF, 0x7F, (BYTE)((n + 2) & 0xFF), (BYTE)((n + 2) >> 8), 0x00, 0x80};
    Append(r2bytes, {0xFF, 0xFE, 0xFF, 0x01, 'q', 0, 5, 0, 0, 0});
    Bytes want = refs;
    want.insert(want.end(), r1bytes.begin(), r1bytes.end());
    want.insert(want.end(), r2bytes.begin(), r2bytes.end());
    ASSERT_GE(got.size(), want.size());
    EXPECT_EQ(Bytes(got.end() - (ptrdiff_t)want.size(), got.end()), want);
    // The second object refers to class 1 with a WORD tag.
    EXPECT_EQ(got[6 + 19 + 2], 0x01);
    EXPECT_EQ(got[6 + 19 + 3], 0x80);

    std::vector<CObject*> loaded;
    int cause = Load(got, [&](CArchive& ar) {
        for (int i = 0; i < n + 4; ++i)
        {
            CObject* p;
            ar >> p;
            loaded.push_back(p);
        }
    });
    EXPECT_EQ(cause, -1);
    ASSERT_EQ(loaded.size(), (size_t)n + 4);
    EXPECT_EQ(((CArchivePlainRecord*)loaded[n - 1])->m_w, (WORD)(n - 1));
    EXPECT_EQ(loaded[n], loaded[n - 1]);
    EXPECT_EQ(loaded[n + 1], loaded[0]);
    auto* q = DYNAMIC_DOWNCAST(CArchiveTestRecord, loaded[n + 3]);
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->m_text, L"q");
    EXPECT_EQ(q->m_n, 5);
    for (int i = 0; i < n; ++i)
        delete loaded[i];
    delete loaded[n + 2];
    delete loaded[n + 3];
}

TEST(ArchiveDamage, BadClassesSchemasAndIndexesAreRefused)
{
    auto readOne = [](CArchive& ar) {
        CObject* p = nullptr;
        ar >> p;
        delete p;
    };
    Bytes unknown{0xFF, 0xFF, 0x01, 0x00, 0x05, 0x00, 'C', 'N', 'o', 'n', 'e'};
    EXPECT_EQ(Load(unknown, readOne), CArchiveException::badClass);

    Bytes schema{0xFF, 0xFF, 0x02, 0x00, 0x13, 0x00};
    AppendAscii(schema, "CArchivePlainRecord");
    Append(schema, {0x05, 0x00});
    EXPECT_EQ(Load(schema, readOne), CArchiveException::badSchema);

    Bytes longName{0xFF, 0xFF, 0x01, 0x00, 0xFF, 0x7F};
    EXPECT_EQ(Load(longName, readOne), CArchiveException::badClass);

    EXPECT_EQ(Load(Bytes{0x05, 0x80}, readOne), CArchiveException::badIndex); // no class 5
    EXPECT_EQ(Load(Bytes{0x03, 0x00}, readOne), CArchiveException::badIndex); // no object 3
    EXPECT_EQ(Load(Bytes{0xFF, 0x7F, 0x09, 0x00, 0x00, 0x80}, readOne), CArchiveException::badIndex);

    // Index 1 is a class, not an object.
    Bytes classAsObject{0xFF, 0xFF, 0x01, 0x00, 0x13, 0x00};
    AppendAscii(classAsObject, "CArchivePlainRecord");
    Append(classAsObject, {0x07, 0x00, 0x01, 0x00});
    EXPECT_EQ(Load(classAsObject,
                   [](CArchive& ar) {
                       CObject* a = nullptr;
                       CObject* b = nullptr;
                       try
                       {
                           ar >> a >> b;
                       }
                       catch (...)
                       {
                           delete a;
                           throw;
                       }
                   }),
              CArchiveException::badIndex);

    // A class other than the one asked for.
    Bytes plain{0xFF, 0xFF, 0x01, 0x00, 0x13, 0x00};
    AppendAscii(plain, "CArchivePlainRecord");
    Append(plain, {0x07, 0x00});
    EXPECT_EQ(Load(plain,
                   [](CArchive& ar) {
                       CArchiveTestRecord* p = nullptr;
                       ar >> p;
                       delete p;
                   }),
              CArchiveException::badClass);
}

TEST(ArchiveDamage, LengthsAndCountsBeyondTheDataAreRefusedWithoutAllocating)
{
    // A string of 0xFFFFFFFE units in a 10-byte file, a 1M-unit string in a short one.
    Bytes huge{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF};
    CString s;
    EXPECT_EQ(Load(huge, [&](CArchive& ar) { ar >> s; }), CArchiveException::endOfFile);
    Bytes big{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x10, 0x00, 'a', 0};
    EXPECT_EQ(Load(big, [&](CArchive& ar) { ar >> s; }), CArchiveException::endOfFile);
    Bytes qword{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0, 0, 0, 0, 0x80};
    EXPECT_EQ(Load(qword, [&](CArchive& ar) { ar >> s; }), CArchiveException::endOfFile);
    Bytes ansi{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a'};
    EXPECT_EQ(Load(ansi, [&](CArchive& ar) { ar >> s; }), CArchiveException::endOfFile);

    // Element counts: a list, an array and a map that claim far more than is there.
    Bytes count{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x00, 0x00};
    OwnedList list;
    EXPECT_EQ(Load(count, [&](CArchive& ar) { list.Serialize(ar); }), CArchiveException::endOfFile);
    CStringArray strings;
    EXPECT_EQ(Load(count, [&](CArchive& ar) { strings.Serialize(ar); }), CArchiveException::endOfFile);
    CDWordArray dwords;
    Bytes dcount{0xFF, 0xFF, 0x00, 0x00, 0x00, 0x40, 1, 2, 3, 4};
    EXPECT_EQ(Load(dcount, [&](CArchive& ar) { dwords.Serialize(ar); }), CArchiveException::endOfFile);
    CMapStringToString map;
    EXPECT_EQ(Load(count, [&](CArchive& ar) { map.Serialize(ar); }), CArchiveException::endOfFile);

    // The same through a real file on disk.
    wchar_t dir[MAX_PATH], path[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    GetTempFileNameW(dir, L"arc", 0, path);
    {
        CFile f(path, CFile::modeCreate | CFile::modeWrite);
        f.Write(huge.data(), (UINT)huge.size());
    }
    int cause = -1;
    {
        CFile f(path, CFile::modeRead);
        try
        {
            CArchive ar(&f, CArchive::load);
            ar >> s;
        }
        catch (CArchiveException* e)
        {
            cause = e->m_cause;
            e->Delete();
        }
    }
    DeleteFileW(path);
    EXPECT_EQ(cause, CArchiveException::endOfFile);
}

TEST(ArchiveDamage, EveryTruncationOfAnArchiveFailsCleanly)
{
    CArchiveTestRecord a(L"alpha", 1), b(L"beta", 2);
    CObList list;
    list.AddTail(&a);
    list.AddTail(&b);
    list.AddTail(&a);
    CStringArray arr;
    arr.Add(L"one");
    arr.Add(L"two");
    Bytes full = Store([&](CArchive& ar) {
        list.Serialize(ar);
        arr.Serialize(ar);
        ar << (DWORD)0xCAFEBABE;
    });
    for (size_t len = 0; len < full.size(); ++len)
    {
        Bytes cut(full.begin(), full.begin() + (ptrdiff_t)len);
        OwnedList l;
        CStringArray s;
        DWORD tail = 0;
        int cause = Load(cut, [&](CArchive& ar) {
            l.Serialize(ar);
            s.Serialize(ar);
            ar >> tail;
        });
        EXPECT_EQ(cause, CArchiveException::endOfFile) << "length " << len;
    }
    OwnedList l;
    CStringArray s;
    DWORD tail = 0;
    EXPECT_EQ(Load(full,
                   [&](CArchive& ar) {
                       l.Serialize(ar);
                       s.Serialize(ar);
                       ar >> tail;
                   }),
              -1);
    EXPECT_EQ(tail, 0xCAFEBABEu);
    EXPECT_EQ(s.GetSize(), 2);
    EXPECT_EQ(s[1], L"two");
}

TEST(ArchiveModes, WrongDirectionAndRawBlocks)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store, 128);
        BYTE b;
        try
        {
            ar >> b;
            ADD_FAILURE() << "read from a storing archive";
        }
        catch (CArchiveException* e)
        {
            EXPECT_EQ(e->m_cause, CArchiveException::writeOnly);
            e->Delete();
        }
        // Blocks smaller and larger than the buffer keep their order.
        std::vector<BYTE> big(1000);
        for (size_t i = 0; i < big.size(); ++i)
            big[i] = (BYTE)i;
        ar << (WORD)0xBEEF;
        ar.Write(big.data(), (UINT)big.size());
        ar << (WORD)0xF00D;
    }
    EXPECT_EQ(file.GetLength(), 1004u);
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load, 128);
    WORD w1, w2;
    std::vector<BYTE> back(1000);
    ar >> w1;
    EXPECT_EQ(ar.Read(back.data(), 1000), 1000u);
    ar >> w2;
    EXPECT_EQ(w1, 0xBEEF);
    EXPECT_EQ(w2, 0xF00D);
    EXPECT_EQ(back[999], (BYTE)999);
    EXPECT_EQ(ar.Read(back.data(), 10), 0u);
    try
    {
        ar << (BYTE)1;
        ADD_FAILURE() << "write to a loading archive";
    }
    catch (CArchiveException* e)
    {
        EXPECT_EQ(e->m_cause, CArchiveException::readOnly);
        e->Delete();
    }
}

TEST(ArchiveModes, ClosingALoadingArchiveGivesBackItsReadAhead)
{
    BYTE data[] = {1, 0, 2, 0, 3, 0};
    CMemFile f(data, sizeof data);
    {
        CArchive ar(&f, CArchive::load);
        WORD w;
        ar >> w;
        EXPECT_EQ(w, 1);
        ar.Close();
    }
    EXPECT_EQ(f.GetPosition(), 2u);
    CArchive ar(&f, CArchive::load);
    WORD w2, w3;
    ar >> w2 >> w3;
    EXPECT_EQ(w2, 2);
    EXPECT_EQ(w3, 3);
}

TEST(ArchiveFormat, ClassReferencesWithoutObjects)
{
    Bytes got = Store([](CArchive& ar) {
        ar.SerializeClass(RUNTIME_CLASS(CArchivePlainRecord));
        ar.SerializeClass(RUNTIME_CLASS(CArchivePlainRecord));
    });
    Bytes want{0xFF, 0xFF, 0x01, 0x00, 0x13, 0x00};
    AppendAscii(want, "CArchivePlainRecord");
    Append(want, {0x01, 0x80});
    EXPECT_EQ(got, want);
    UINT schema = 0;
    EXPECT_EQ(Load(got,
                   [&](CArchive& ar) {
                       ar.SerializeClass(RUNTIME_CLASS(CArchivePlainRecord));
                       schema = ar.GetObjectSchema();
                       EXPECT_EQ(ar.ReadClass(RUNTIME_CLASS(CObject)), RUNTIME_CLASS(CArchivePlainRecord));
                   }),
              -1);
    EXPECT_EQ(schema, 1u);
    EXPECT_EQ(Load(got, [&](CArchive& ar) { ar.SerializeClass(RUNTIME_CLASS(CArchiveTestRecord)); }),
              CArchiveException::badClass);
    // A class without a schema cannot be stored.
    try
    {
        Store([](CArchive& ar) { ar.WriteClass(RUNTIME_CLASS(CFile)); });
        ADD_FAILURE() << "stored a class without a schema";
    }
    catch (CNotSupportedException* e)
    {
        e->Delete();
    }
}
