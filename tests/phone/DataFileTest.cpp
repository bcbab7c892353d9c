// The data file: golden bytes of the archive format, schema 1 and 2 records, damaged and
// truncated files, failed saves and the document's contact helpers.
#include "StoreTestSupport.h"

#include "phone/Corvane_smsDoc.h"
#include "phone/UnicodeTextFile.h"
#include "support/MessageBoxCapture.h"

#include <set>
#include <thread>

using storetest::Exists;
using storetest::ReadAll;
using storetest::ScratchDir;
using storetest::WriteAll;
using Bytes = std::vector<unsigned char>;

// A serialisable class that is no message record.
class CNotAMessage : public CObject
{
    DECLARE_SERIAL(CNotAMessage)
public:
    void Serialize(CArchive&) override {}
};
IMPLEMENT_SERIAL(CNotAMessage, CObject, 1)

namespace
{
// Archive pieces written out by hand.
struct ByteWriter
{
    Bytes b;
    ByteWriter& raw(std::initializer_list<unsigned> v)
    {
        for (unsigned x : v)
            b.push_back((unsigned char)x);
        return *this;
    }
    ByteWriter& word(unsigned w) { return raw({w & 0xFF, (w >> 8) & 0xFF}); }
    ByteWriter& dword(unsigned d) { return word(d & 0xFFFF).word(d >> 16); }
    ByteWriter& units(const CString& s)
    {
        for (int i = 0; i < s.GetLength(); ++i)
            word(s[i]);
        return *this;
    }
    // A wide string shorter than 255 units: FF FE FF <length byte> <units>.
    ByteWriter& shortText(const CString& s) { return raw({0xFF, 0xFE, 0xFF, (unsigned)s.GetLength()}).units(s); }
};

CString Repeat(const wchar_t* pattern, int units)
{
    CString s;
    const int n = (int)wcslen(pattern);
    for (int i = 0; i < units; ++i)
        s += pattern[i % n];
    return s;
}

// Record A: a text of 300 units, every flag set.
CSMS* MakeA()
{
    CSMS* p = new CSMS;
    p->m_strDay = L"01";
    p->m_strMonth = L"02";
    p->m_strYear = L"05";
    p->m_strHour = L"13";
    p->m_strMinute = L"45";
    p->m_strSecond = L"59";
    p->m_strSenderName = L"Budi";
    p->m_strText = Repeat(L"Halo \x00E9\x4E2D ", 300);
    p->m_strFolder = L"Inbox";
    p->m_strSenderNumber = L"62811";
    p->m_bRead = 1;
    p->m_nRef = 7;
    p->m_bLinked = 1;
    p->m_nPart = 2;
    p->m_bFlash = 1;
    return p;
}

// Record B: a recipient name of 70000 units, no flags.
CSMS* MakeB()
{
    CSMS* p = new CSMS;
    p->m_strDay = L"31";
    p->m_strMonth = L"12";
    p->m_strYear = L"99";
    p->m_strHour = L"00";
    p->m_strMinute = L"00";
    p->m_strSecond = L"01";
    p->m_strText = L"ok";
    p->m_strFolder = L"Sent";
    p->m_strRecipientNumber = L"0812";
    p->m_strRecipientName = Repeat(L"xyz", 70000);
    return p;
}

void AppendFieldsA(ByteWriter& w, bool withFlash)
{
    w.shortText(L"01").shortText(L"02").shortText(L"05");
    w.shortText(L"13").shortText(L"45").shortText(L"59");
    w.shortText(L"Budi");
    w.raw({0xFF, 0xFE, 0xFF, 0xFF}).word(300).units(Repeat(L"Halo \x00E9\x4E2D ", 300));
    w.shortText(L"Inbox").shortText(L"62811").shortText(L"").shortText(L"");
    w.dword(1).dword(7).dword(1).dword(2);
    if (withFlash)
        w.dword(1);
}

void AppendFieldsB(ByteWriter& w, bool withFlash)
{
    w.shortText(L"31").shortText(L"12").shortText(L"99");
    w.shortText(L"00").shortText(L"00").shortText(L"01");
    w.shortText(L"").shortText(L"ok").shortText(L"Sent").shortText(L"").shortText(L"0812");
    w.raw({0xFF, 0xFE, 0xFF, 0xFF}).word(0xFFFF).dword(70000).units(Repeat(L"xyz", 70000));
    w.dword(0).dword(0).dword(0).dword(0);
    if (withFlash)
        w.dword(0);
}

// The file of records A and B: count, a new class "CSMS" with its schema, then a back
// reference to class index 1 (0x8001).
Bytes GoldenFile(unsigned schema)
{
    const bool withFlash = schema == 2;
    ByteWriter w;
    w.word(2);
    w.word(0xFFFF).word(schema).word(4).raw({'C', 'S', 'M', 'S'});
    AppendFieldsA(w, withFlash);
    w.word(0x8001);
    AppendFieldsB(w, withFlash);
    return w.b;
}

void ExpectSame(const CSMS& a, const CSMS& b)
{
    EXPECT_EQ(a.m_strDay, b.m_strDay);
    EXPECT_EQ(a.m_strMonth, b.m_strMonth);
    EXPECT_EQ(a.m_strYear, b.m_strYear);
    EXPECT_EQ(a.m_strHour, b.m_strHour);
    EXPECT_EQ(a.m_strMinute, b.m_strMinute);
    EXPECT_EQ(a.m_strSecond, b.m_strSecond);
    EXPECT_EQ(a.m_strSenderName, b.m_strSenderName);
    EXPECT_TRUE(a.m_strText == b.m_strText);
    EXPECT_EQ(a.m_strFolder, b.m_strFolder);
    EXPECT_EQ(a.m_strSenderNumber, b.m_strSenderNumber);
    EXPECT_EQ(a.m_strRecipientNumber, b.m_strRecipientNumber);
    EXPECT_TRUE(a.m_strRecipientName == b.m_strRecipientName);
    EXPECT_EQ(a.m_bRead, b.m_bRead);
    EXPECT_EQ(a.m_nRef, b.m_nRef);
    EXPECT_EQ(a.m_bLinked, b.m_bLinked);
    EXPECT_EQ(a.m_nPart, b.m_nPart);
    EXPECT_EQ(a.m_bFlash, b.m_bFlash);
}

CSMS* At(CCorvane_smsDoc& doc, int i)
{
    POSITION pos = doc.m_listSms.FindIndex(i);
    return pos ? static_cast<CSMS*>(doc.m_listSms.GetAt(pos)) : nullptr;
}

class DataFile : public ::testing::Test
{
protected:
    ScratchDir dir;
    CString path = dir.Path(L"CorvaneSms.dat");
    MessageBoxCapture boxes;

    void Prepare(CCorvane_smsDoc& doc) { doc.SetDataFilePath(path); }
};
} // namespace

TEST(SmsRecord, KeyValidityAndCopies)
{
    std::unique_ptr<CSMS> a(MakeA());
    EXPECT_TRUE(a->m_strKey.IsEmpty());
    a->RebuildKey();
    EXPECT_STREQ(a->m_strKey, CString(L"010205134559") + a->m_strText.Left(20));
    a->m_strText = L"short";
    a->RebuildKey();
    EXPECT_STREQ(a->m_strKey, L"010205134559short");
    a->m_strText.Empty();
    a->RebuildKey();
    EXPECT_STREQ(a->m_strKey, L"010205134559");

    EXPECT_FALSE(a->IsValid()); // no text
    a->m_strText = L"x";
    EXPECT_TRUE(a->IsValid());
    a->m_strHour.Empty();
    EXPECT_FALSE(a->IsValid());
    a->m_strHour = L"10";
    a->m_strFolder.Empty();
    EXPECT_FALSE(a->IsValid());

    // A copy keeps its source's key even when it is stale.
    a->m_strKey = L"stale";
    CSMS copy(*a);
    EXPECT_STREQ(copy.m_strKey, L"stale");
    ExpectSame(copy, *a);

    copy.Clear();
    EXPECT_TRUE(copy.m_strDay.IsEmpty() && copy.m_strKey.IsEmpty() && copy.m_strSenderName.IsEmpty());
    EXPECT_EQ(copy.m_bRead + copy.m_nRef + copy.m_bLinked + copy.m_nPart + copy.m_bFlash, 0);
    EXPECT_STREQ(CSMS::GetThisClass()->m_lpszClassName, "CSMS");
}

// Records come from shared blocks: threads that make and free them at once never get one record
// twice, and every record keeps what was written into it.
TEST(SmsRecord, RecordsMadeAndFreedOnSeveralThreadsStayDistinct)
{
    const int kThreads = 4, kRecords = 3000;
    std::vector<std::vector<CSMS*>> made(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([t, &made] {
            for (int round = 0; round < 3; ++round)
            {
                for (CSMS* p : made[t])
                    delete p;
                made[t].clear();
                for (int i = 0; i < kRecords; ++i)
                {
                    CSMS* p = new CSMS;
                    p->m_nRef = t;
                    p->m_nPart = i;
                    p->m_strText.Format(L"%d/%d", t, i);
                    made[t].push_back(p);
                }
            }
        });
    for (std::thread& th : threads)
        th.join();
    std::set<CSMS*> distinct;
    for (int t = 0; t < kThreads; ++t)
        for (int i = 0; i < kRecords; ++i)
        {
            CSMS* p = made[t][(size_t)i];
            distinct.insert(p);
            CString expected;
            expected.Format(L"%d/%d", t, i);
            EXPECT_TRUE(p->m_nRef == t && p->m_nPart == i && p->m_strText == expected) << t << " " << i;
        }
    EXPECT_EQ(distinct.size(), (size_t)(kThreads * kRecords));
    for (auto& list : made)
        for (CSMS* p : list)
            delete p;
}

TEST_F(DataFile, StoresTheGoldenBytes)
{
    CCorvane_smsDoc doc;
    Prepare(doc);
    doc.m_listSms.AddTail(MakeA());
    doc.m_listSms.AddTail(MakeB());
    ASSERT_TRUE(doc.SaveData());
    EXPECT_TRUE(boxes.Count() == 0);
    EXPECT_FALSE(Exists(path + L".tmp"));
    const Bytes file = ReadAll(path);
    const Bytes golden = GoldenFile(2);
    ASSERT_EQ(file.size(), golden.size());
    EXPECT_TRUE(file == golden);
}

TEST_F(DataFile, LoadsSchemaTwoAndSchemaOneRecords)
{
    std::unique_ptr<CSMS> a(MakeA()), b(MakeB());
    WriteAll(path, GoldenFile(2));
    {
        CCorvane_smsDoc doc;
        Prepare(doc);
        ASSERT_TRUE(doc.LoadData());
        ASSERT_EQ(doc.m_listSms.GetCount(), 2);
        ExpectSame(*At(doc, 0), *a);
        ExpectSame(*At(doc, 1), *b);
        EXPECT_STREQ(At(doc, 0)->m_strKey, CString(L"010205134559") + a->m_strText.Left(20));
        EXPECT_STREQ(At(doc, 1)->m_strKey, L"311299000001ok");
    }

    // Schema 1 has no flash flag: it reads as 0; storing again writes schema 2 with it.
    WriteAll(path, GoldenFile(1));
    CCorvane_smsDoc doc;
    Prepare(doc);
    ASSERT_TRUE(doc.LoadData());
    ASSERT_EQ(doc.m_listSms.GetCount(), 2);
    a->m_bFlash = 0;
    ExpectSame(*At(doc, 0), *a);
    ExpectSame(*At(doc, 1), *b);
    EXPECT_FALSE(At(doc, 0)->m_strKey.IsEmpty());
    At(doc, 0)->m_bFlash = 1;
    ASSERT_TRUE(doc.SaveData());
    EXPECT_TRUE(ReadAll(path) == GoldenFile(2));
    EXPECT_TRUE(boxes.Count() == 0);
}

TEST_F(DataFile, SaveThenLoadKeepsRecordsAndOrder)
{
    CCorvane_smsDoc doc;
    Prepare(doc);
    for (int i = 0; i < 300; ++i)
    {
        CSMS* p = i % 2 ? MakeA() : new CSMS;
        p->m_nRef = i;
        p->m_strText.Format(L"pesan %d", i);
        doc.m_listSms.AddTail(p);
    }
    ASSERT_TRUE(doc.SaveData());
    CCorvane_smsDoc back;
    Prepare(back);
    ASSERT_TRUE(back.LoadData());
    ASSERT_EQ(back.m_listSms.GetCount(), 300);
    for (int i = 0; i < 300; i += 37)
        ExpectSame(*At(back, i), *At(doc, i));

    // Loading appends to what the list holds; an absent file adds nothing and is no error.
    ASSERT_TRUE(back.LoadData());
    EXPECT_EQ(back.m_listSms.GetCount(), 600);
    back.DeleteAllSms();
    EXPECT_EQ(back.m_listSms.GetCount(), 0);
    back.SetDataFilePath(dir.Path(L"absent.dat"));
    EXPECT_TRUE(back.LoadData());
    EXPECT_EQ(back.m_listSms.GetCount(), 0);
    EXPECT_TRUE(boxes.Count() == 0);
}

TEST_F(DataFile, DamagedFilesAreMovedAsideAndTheStoreStartsEmpty)
{
    const Bytes golden = GoldenFile(2);
    std::vector<Bytes> damaged;
    for (size_t cut : {size_t(0), size_t(1), size_t(3), size_t(12), size_t(700), golden.size() / 2, golden.size() - 1})
        damaged.emplace_back(golden.begin(), golden.begin() + cut);
    Bytes badClass = golden;
    badClass[11] = 'X'; // "CSMX": no such class
    damaged.push_back(badClass);
    Bytes hugeLength;
    ByteWriter w;
    w.word(1).word(0xFFFF).word(2).word(4).raw({'C', 'S', 'M', 'S'});
    w.raw({0xFF, 0xFE, 0xFF, 0xFF}).word(0xFFFF).dword(0x7FFFFFF0).raw({'a', 0});
    damaged.push_back(w.b);
    ByteWriter badRef; // a back reference to a class never seen
    badRef.word(1).word(0x8005);
    damaged.push_back(badRef.b);
    ByteWriter foreign; // a well-formed object of another class
    foreign.word(1).word(0xFFFF).word(1).word(12).raw({'C', 'N', 'o', 't', 'A', 'M', 'e', 's', 's', 'a', 'g', 'e'});
    damaged.push_back(foreign.b);

    std::vector<CString> asideNames;
    for (size_t i = 0; i < damaged.size(); ++i)
    {
        SCOPED_TRACE(i);
        WriteAll(path, damaged[i]);
        CCorvane_smsDoc doc;
        Prepare(doc);
        boxes.Clear();
        EXPECT_FALSE(doc.LoadData());
        EXPECT_EQ(doc.m_listSms.GetCount(), 0);
        EXPECT_FALSE(Exists(path));
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Last().title, L"Error");
        EXPECT_EQ(boxes.Last().Icon(), (UINT)MB_ICONERROR);
        CString aside = path + L".bad";
        if (i > 0)
        {
            CString n;
            n.Format(L"%d", (int)i);
            aside += n;
        }
        EXPECT_NE(boxes.Last().text.find(aside.GetString()), std::wstring::npos) << boxes.Last().text;
        EXPECT_TRUE(ReadAll(aside) == damaged[i]);
        asideNames.push_back(aside);

        // The program goes on: a save afterwards writes a good file.
        doc.m_listSms.AddTail(MakeB());
        EXPECT_TRUE(doc.SaveData());
    }
    // Earlier copies were never overwritten.
    for (size_t i = 0; i < asideNames.size(); ++i)
        EXPECT_TRUE(ReadAll(asideNames[i]) == damaged[i]) << i;
}

TEST_F(DataFile, EmptyEntriesAreNeverWritten)
{
    CCorvane_smsDoc doc;
    Prepare(doc);
    doc.m_listSms.AddTail(MakeA());
    doc.m_listSms.AddTail((CObject*)nullptr);
    doc.m_listSms.AddTail(MakeB());
    ASSERT_TRUE(doc.SaveData());
    doc.m_listSms.RemoveAt(doc.m_listSms.FindIndex(1));
    EXPECT_TRUE(ReadAll(path) == GoldenFile(2));
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(DataFile, AFailedSaveKeepsTheOldFileAndTheRecords)
{
    WriteAll(path, GoldenFile(2));
    const Bytes before = ReadAll(path);
    CCorvane_smsDoc doc;
    Prepare(doc);
    ASSERT_TRUE(doc.LoadData());
    doc.m_listSms.AddTail(MakeB());

    // The temporary file can't be created: a folder of its name stands in the way.
    ASSERT_TRUE(CreateDirectoryW(path + L".tmp", nullptr));
    EXPECT_FALSE(doc.SaveData());
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().title, L"Error");
    EXPECT_EQ(boxes.Last().Icon(), (UINT)MB_ICONERROR);
    EXPECT_NE(boxes.Last().text.find(L"tidak dapat disimpan"), std::wstring::npos);
    EXPECT_TRUE(ReadAll(path) == before);
    EXPECT_EQ(doc.m_listSms.GetCount(), 3);
    RemoveDirectoryW(path + L".tmp");

    // The data file sits in a folder that does not exist.
    CCorvane_smsDoc lost;
    lost.SetDataFilePath(dir.Path(L"no\\such\\folder\\CorvaneSms.dat"));
    lost.m_listSms.AddTail(MakeA());
    EXPECT_FALSE(lost.SaveData());
    EXPECT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(lost.m_listSms.GetCount(), 1);

    // Once the way is clear the same document saves everything.
    EXPECT_TRUE(doc.SaveData());
    CCorvane_smsDoc back;
    Prepare(back);
    ASSERT_TRUE(back.LoadData());
    EXPECT_EQ(back.m_listSms.GetCount(), 3);
}

// A damaged file that can be neither moved nor copied whole stays where it is, and no part of a
// copy is left behind under the aside name; the box names the file that was kept.
TEST_F(DataFile, ADamagedFileWhoseCopyFailsHalfWayLeavesNoPartialCopy)
{
    // A copy that stops after its first 64 KiB block, as on a full disk.
    struct CHalfCopyDoc : CCorvane_smsDoc
    {
        std::vector<CString> targets;
        BOOL CopyDamagedFile(const CString& strFrom, const CString& strTo) override
        {
            targets.push_back(strTo);
            Bytes bytes = ReadAll(strFrom);
            bytes.resize(65536);
            WriteAll(strTo, bytes);
            return FALSE;
        }
    };
    Bytes damaged = GoldenFile(2);
    damaged[11] = 'X'; // "CSMX": no such class
    damaged.resize(314274, 0x5A);
    WriteAll(path, damaged);
    // Another program reads the file and shares no delete: it cannot be moved.
    HANDLE h = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    CHalfCopyDoc doc;
    Prepare(doc);
    EXPECT_FALSE(doc.LoadData());
    CloseHandle(h);
    ASSERT_EQ(doc.targets.size(), 1u);
    EXPECT_FALSE(Exists(doc.targets[0]));
    EXPECT_FALSE(Exists(path + L".bad"));
    EXPECT_TRUE(ReadAll(path) == damaged);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_NE(boxes.Last().text.find(path.GetString()), std::wstring::npos) << boxes.Last().text;

    // Not read, so never saved over.
    doc.m_listSms.AddTail(MakeB());
    EXPECT_FALSE(doc.SaveData());
    EXPECT_TRUE(ReadAll(path) == damaged);

    // A whole copy takes the aside name.
    h = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    CCorvane_smsDoc whole;
    Prepare(whole);
    EXPECT_FALSE(whole.LoadData());
    CloseHandle(h);
    EXPECT_TRUE(ReadAll(path + L".bad") == damaged);
    EXPECT_FALSE(Exists(path + L".bad.tmp"));
    EXPECT_NE(boxes.Last().text.find((path + L".bad").GetString()), std::wstring::npos) << boxes.Last().text;
}

// A data file held by another program at start-up is still the user's data: no save replaces
// it, not even after the other program let it go, until it has been read.
TEST_F(DataFile, AFileThatCannotBeOpenedIsNeverSavedOver)
{
    WriteAll(path, GoldenFile(2));
    const Bytes before = ReadAll(path);
    HANDLE h = CreateFileW(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    CCorvane_smsDoc doc;
    Prepare(doc);
    EXPECT_FALSE(doc.LoadData());
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, L"File CorvaneSms.dat tidak dapat dibuat/dibuka");
    EXPECT_EQ(boxes.Last().title, L"Error");
    EXPECT_FALSE(Exists(path + L".bad")); // a file we could not open is no damaged file

    // Messages fetched meanwhile stay in memory; the save fails with a clear error.
    doc.m_listSms.AddTail(MakeB());
    EXPECT_FALSE(doc.SaveData());
    CloseHandle(h);
    ASSERT_EQ(boxes.Count(), 2u);
    EXPECT_NE(boxes.Last().text.find(L"belum dapat dibaca"), std::wstring::npos) << boxes.Last().text;
    EXPECT_EQ(boxes.Last().title, L"Error");
    EXPECT_FALSE(doc.SaveData()); // the exit save
    EXPECT_EQ(boxes.Count(), 3u);
    EXPECT_TRUE(ReadAll(path) == before);
    EXPECT_FALSE(Exists(path + L".tmp"));
    EXPECT_EQ(doc.m_listSms.GetCount(), 1);

    // Once read, the file is saved as usual.
    CCorvane_smsDoc next;
    Prepare(next);
    ASSERT_TRUE(next.LoadData());
    EXPECT_EQ(next.m_listSms.GetCount(), 2);
    next.m_listSms.AddTail(MakeB());
    EXPECT_TRUE(next.SaveData());
}

TEST_F(DataFile, AStaleTemporaryFileIsRemovedAtStartUp)
{
    WriteAll(path, GoldenFile(2));
    WriteAll(path + L".tmp", Bytes(70000, 0xAB)); // a save killed before its rename
    CCorvane_smsDoc doc;
    Prepare(doc);
    ASSERT_TRUE(doc.LoadData());
    EXPECT_FALSE(Exists(path + L".tmp"));
    EXPECT_EQ(doc.m_listSms.GetCount(), 2);
    EXPECT_TRUE(ReadAll(path) == GoldenFile(2));

    // Also when there is no data file at all.
    DeleteFileW(path);
    WriteAll(path + L".tmp", Bytes(10, 1));
    CCorvane_smsDoc empty;
    Prepare(empty);
    ASSERT_TRUE(empty.LoadData());
    EXPECT_FALSE(Exists(path + L".tmp"));
    EXPECT_EQ(boxes.Count(), 0u);
}

namespace
{
// Nested lists of one element each, depth levels deep, as the file's only entry.
Bytes NestedObjects(const char* className, int depth, bool map)
{
    ByteWriter w;
    w.word(1);
    const unsigned n = (unsigned)strlen(className);
    w.word(0xFFFF).word(0).word(n);
    for (unsigned i = 0; i < n; ++i)
        w.raw({(unsigned char)className[i]});
    for (int i = 0; i < depth; ++i)
    {
        w.word(1); // one element
        if (map)
            w.raw({1, 'k'}); // its key
        w.word(0x8001);      // the same class again
    }
    w.word(0);
    return w.b;
}

// The number of records of a file written by the program, read back through a fresh document.
int CountLoaded(const CString& file, bool& ok)
{
    CCorvane_smsDoc doc;
    doc.SetDataFilePath(file);
    ok = doc.LoadData() != FALSE;
    return (int)doc.m_listSms.GetCount();
}
} // namespace

// Damage that still parses loses messages without a word unless it is caught: every such file is
// moved aside with the error box, and the next save writes only what the program holds.
TEST_F(DataFile, DamageThatStillParsesIsMovedAside)
{
    CCorvane_smsDoc ten;
    Prepare(ten);
    for (int i = 0; i < 10; ++i)
    {
        CSMS* p = MakeB();
        p->m_strText.Format(L"pesan %d", i);
        ten.m_listSms.AddTail(p);
    }
    ASSERT_TRUE(ten.SaveData());
    const Bytes tenRecords = ReadAll(path);
    bool ok = false;
    EXPECT_EQ(CountLoaded(path, ok), 10); // a file the program wrote loads exactly
    EXPECT_TRUE(ok);

    std::vector<std::pair<const char*, Bytes>> damaged;
    Bytes lowered = tenRecords;
    lowered[0] = 3; // the count
    damaged.emplace_back("count lowered to 3", lowered);
    Bytes schema3 = tenRecords;
    schema3[4] = 3; // the record schema
    damaged.emplace_back("schema 3", schema3);
    Bytes trailing = GoldenFile(2);
    trailing.push_back(0);
    damaged.emplace_back("a byte after the list", trailing);
    ByteWriter nullEntry; // the null object, then record B
    nullEntry.word(2).word(0).word(0xFFFF).word(2).word(4).raw({'C', 'S', 'M', 'S'});
    AppendFieldsB(nullEntry, true);
    damaged.emplace_back("null entry", nullEntry.b);
    ByteWriter backRef; // record A, then a reference to record A (object index 2)
    backRef.word(2).word(0xFFFF).word(2).word(4).raw({'C', 'S', 'M', 'S'});
    AppendFieldsA(backRef, true);
    backRef.word(0x0002);
    damaged.emplace_back("back reference to a record", backRef.b);
    ByteWriter bigBackRef = backRef;
    bigBackRef.b.resize(bigBackRef.b.size() - 2);
    bigBackRef.word(0x7FFF).dword(2);
    damaged.emplace_back("long back reference to a record", bigBackRef.b);
    damaged.emplace_back("nested lists", NestedObjects("CObList", 24000, false));
    damaged.emplace_back("nested maps", NestedObjects("CMapStringToOb", 12000, true));
    // Schema 1 read in the shift of a schema-2 record: the flash flag is left over.
    Bytes schema1Shift = GoldenFile(2);
    schema1Shift[4] = 1;
    damaged.emplace_back("schema 1 over schema-2 fields", schema1Shift);

    for (const auto& d : damaged)
    {
        SCOPED_TRACE(d.first);
        for (int i = 0; i < 10; ++i)
        {
            CString bad = path + L".bad";
            if (i)
                bad.AppendFormat(L"%d", i);
            DeleteFileW(bad);
        }
        WriteAll(path, d.second);
        boxes.Clear();
        CCorvane_smsDoc doc;
        Prepare(doc);
        EXPECT_FALSE(doc.LoadData());
        EXPECT_EQ(doc.m_listSms.GetCount(), 0);
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Last().title, L"Error");
        EXPECT_NE(boxes.Last().text.find(L"rusak"), std::wstring::npos);
        EXPECT_FALSE(Exists(path));
        EXPECT_TRUE(ReadAll(path + L".bad") == d.second);
        // The exit save writes what the program holds, not a shrunken copy of the damage.
        EXPECT_TRUE(doc.SaveData());
        EXPECT_EQ(CountLoaded(path, ok), 0);
        EXPECT_TRUE(ok);
    }
}

// The archive itself limits nesting, whatever class a file names: no input exhausts the stack.
TEST(DataArchive, DeeplyNestedObjectsFailWithTheArchiveException)
{
    ScratchDir dir;
    const CString file = dir.Path(L"nested.dat");
    for (bool map : {false, true})
    {
        SCOPED_TRACE(map ? "maps" : "lists");
        Bytes bytes = NestedObjects(map ? "CMapStringToOb" : "CObList", 30000, map);
        WriteAll(file, Bytes(bytes.begin() + 2, bytes.end())); // one object, no count
        CFile f;
        ASSERT_TRUE(f.Open(file, CFile::modeRead));
        CArchive ar(&f, CArchive::load | CArchive::bNoFlushOnDelete);
        int cause = -1;
        try
        {
            CObject* pOb = ar.ReadObject(nullptr);
            delete pOb;
        }
        catch (CArchiveException* e)
        {
            cause = e->m_cause;
            e->Delete();
        }
        EXPECT_EQ(cause, (int)CArchiveException::badIndex);
        ar.Abort();
    }

    // Nesting within the limit still loads.
    Bytes shallow = NestedObjects("CObList", 10, false);
    WriteAll(file, Bytes(shallow.begin() + 2, shallow.end()));
    CFile f;
    ASSERT_TRUE(f.Open(file, CFile::modeRead));
    CArchive ar(&f, CArchive::load | CArchive::bNoFlushOnDelete);
    CObject* pOb = ar.ReadObject(nullptr);
    ASSERT_NE(pOb, nullptr);
    int depth = 0;
    for (CObject* p = pOb; p; ++depth)
    {
        CObList* pList = dynamic_cast<CObList*>(p);
        ASSERT_NE(pList, nullptr);
        CObject* pNext = pList->IsEmpty() ? nullptr : pList->GetHead();
        delete pList;
        p = pNext;
    }
    EXPECT_EQ(depth, 11);
    ar.Abort();
}

// The error boxes of LoadData and SaveData are shown with the records lock released: their
// message loop may run code (a fetch's filing) that takes it.
TEST_F(DataFile, NoErrorBoxIsShownWhileTheRecordsLockIsHeld)
{
    CCorvane_smsDoc doc;
    Prepare(doc);
    std::vector<bool> lockFree;
    MessageBoxHandler previous = SetMessageBoxHandler([&](HWND, LPCWSTR, LPCWSTR, UINT) {
        struct Probe
        {
            CCorvane_smsDoc* pDoc;
            static DWORD WINAPI Run(void* p)
            {
                CSmsRecordsLock lock(static_cast<Probe*>(p)->pDoc);
                return 0;
            }
        } probe{&doc};
        HANDLE h = CreateThread(nullptr, 0, &Probe::Run, &probe, 0, nullptr);
        // A lock held by this thread would keep the probe waiting; 5 s is only the failure bound.
        const bool free = WaitForSingleObject(h, 5000) == WAIT_OBJECT_0;
        if (!free)
            doc.UnlockRecords(); // let the probe end; the test has failed already
        WaitForSingleObject(h, INFINITE);
        CloseHandle(h);
        lockFree.push_back(free);
        return IDOK;
    });
    WriteAll(path, Bytes{1, 0, 0, 0}); // damaged
    EXPECT_FALSE(doc.LoadData());
    doc.m_listSms.AddTail(MakeA());
    ASSERT_TRUE(CreateDirectoryW(path + L".tmp", nullptr));
    EXPECT_FALSE(doc.SaveData());
    RemoveDirectoryW(path + L".tmp");
    SetMessageBoxHandler(std::move(previous));
    EXPECT_EQ(lockFree, (std::vector<bool>{true, true}));
}

TEST(Document, PathsAndDefaultTemplates)
{
    CCorvane_smsDoc doc;
    const CString folder = GetAppFolder();
    ASSERT_FALSE(folder.IsEmpty());
    EXPECT_EQ(folder[folder.GetLength() - 1], L'\\');
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    EXPECT_EQ(CString(exe).Left(folder.GetLength()), folder);
    EXPECT_STREQ(doc.GetDataFilePath(), folder + L"CorvaneSms.dat");

    ScratchDir dir;
    doc.SetMyTextFilePath(dir.Path(L"MyText.dat"));
    doc.SetLogFilePath(dir.Path(L"log.txt"));
    doc.SetQuickReplyFilePath(dir.Path(L"QuickReply.txt"));
    EXPECT_STREQ(doc.GetLogFilePath(), dir.Path(L"log.txt"));
    EXPECT_STREQ(doc.GetQuickReplyFilePath(), dir.Path(L"QuickReply.txt"));
    doc.WriteDefaultMyText();

    const Bytes bytes = ReadAll(doc.GetMyTextFilePath());
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xFE);
    EXPECT_NE(bytes[bytes.size() - 2], '\n'); // the last line has no line feed
    CUnicodeTextReader r(doc.GetMyTextFilePath());
    EXPECT_EQ(r.GetEncoding(), TEXTFILE_UNI16_LE);
    std::vector<CString> lines;
    CString line;
    while (r.ReadLine(line))
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 25u);
    EXPECT_STREQ(lines[0], L"Hi, how are you. ");
    EXPECT_STREQ(lines[3], L"Call me");
    EXPECT_STREQ(lines[15], L"I appologize ");
    EXPECT_STREQ(lines[24], L"Talk to you later.");
}

TEST(Document, ContactsAndNumberLookup)
{
    EXPECT_STREQ(FilterPhoneNumber(L"+62 (812) 345-678 9x"), L"+628123456789");
    EXPECT_STREQ(FilterPhoneNumber(L"12+3"), L"12+3");
    EXPECT_STREQ(FilterPhoneNumber(L"abc"), L"");

    CCorvane_smsDoc doc;
    doc.AddContact(L"Ani", L"", L"MOB", L"Teman");
    EXPECT_EQ(doc.m_arrContacts.GetSize(), 0);
    doc.AddContact(L"Ani", L"+62 812-3456-789", L"MOB", L"Teman");
    doc.AddContact(L"Kantor", L"1234", L"WK1", L"");
    doc.AddContact(L"Budi", L"0812 999", L"HM1", L"Keluarga");
    ASSERT_EQ(doc.m_arrContacts.GetSize(), 3);
    EXPECT_STREQ(doc.m_arrContacts[0].m_strText, L"Ani<+628123456789>,MOB");
    EXPECT_STREQ(doc.m_arrContacts[0].m_strCategory, L"Teman");
    EXPECT_EQ(doc.m_arrContacts[0].m_bFlag, 0);

    // The national form finds the international one (the key loses its first three digits).
    EXPECT_STREQ(doc.FindContactName(L"08123456789"), L"Ani");
    EXPECT_STREQ(doc.FindContactName(L"+628123456789"), L"Ani");
    // Four digits or fewer must match exactly.
    EXPECT_STREQ(doc.FindContactName(L"1234"), L"Kantor");
    EXPECT_STREQ(doc.FindContactName(L"234"), L"234");
    EXPECT_STREQ(doc.FindContactName(L"+1 555 0000"), L"+15550000");

    // A contact whose number holds no digit never answers for an alphanumeric sender.
    doc.AddContact(L"Tanpa nomor", L"n/a", L"MOB", L"");
    EXPECT_STREQ(doc.m_arrContacts[3].m_strText, L"Tanpa nomor<>,MOB");
    EXPECT_STREQ(doc.FindContactName(L"Telkomsel"), L"");
    EXPECT_STREQ(doc.FindContactName(L"+"), L"+");

    // Only the same number answers: its national and international forms; a short one exactly.
    doc.AddContact(L"Andi Wijaya", L"0812-3456-7890", L"MOB", L"");
    EXPECT_STREQ(doc.FindContactName(L"082234567890"), L"082234567890");
    EXPECT_STREQ(doc.FindContactName(L"62 (812) 3456 7890"), L"Andi Wijaya");
    EXPECT_STREQ(doc.FindContactName(L"67890"), L"67890");
    // "00" before the country code is the international form; a sender with letters is no number.
    EXPECT_STREQ(doc.FindContactName(L"0062 812 3456 789"), L"Ani");
    EXPECT_STRNE(doc.FindContactName(L"TSEL1234"), L"Kantor");
}
