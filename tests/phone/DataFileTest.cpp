// The data file: golden bytes of the archive format, schema 1 and 2 records, damaged and
// truncated files, failed saves and the document's contact helpers.
#include "StoreTestSupport.h"

#include "phone/Corvane_smsDoc.h"
#include "phone/UnicodeTextFile.h"
#include "support/MessageBoxCapture.h"


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
    ByteWriter& shortText(const CString& s)
    {
        return raw({0xFF, 0xFE, 0xFF, (unsigned)s.GetLength()}).units(s);
    }
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
    for (size_t cut : {size_t(0), size_t(1), size_t(3), size_t(12), size_t(700), golden.size() / 2,
                       golden.size() - 1})
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

TEST_F(DataFile, EmptyEntriesAreDroppedAndNeverWritten)
{
    // Count 2: the null object, then record B.
    ByteWriter w;
    w.word(2).word(0);
    w.word(0xFFFF).word(2).word(4).raw({'C', 'S', 'M', 'S'});
    AppendFieldsB(w, true);
    WriteAll(path, w.b);
    CCorvane_smsDoc doc;
    Prepare(doc);
    ASSERT_TRUE(doc.LoadData());
    ASSERT_EQ(doc.m_listSms.GetCount(), 1);
    std::unique_ptr<CSMS> b(MakeB());
    ExpectSame(*At(doc, 0), *b);

    doc.m_listSms.AddHead((CObject*)nullptr);
    doc.m_listSms.AddHead(MakeA());
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

TEST_F(DataFile, AFileThatCannotBeOpenedIsReported)
{
    WriteAll(path, GoldenFile(2));
    HANDLE h = CreateFileW(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    CCorvane_smsDoc doc;
    Prepare(doc);
    EXPECT_FALSE(doc.LoadData());
    CloseHandle(h);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, L"File CorvaneSms.dat tidak dapat dibuat/dibuka");
    EXPECT_TRUE(Exists(path)); // a file we could not open is no damaged file
    EXPECT_FALSE(Exists(path + L".bad"));
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
}
