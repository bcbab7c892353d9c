// CDocument: saving and opening through CFile and CArchive, and what a failure leaves behind.
#include <gtest/gtest.h>
#include "platform/Platform.h"
#include "support/MessageBoxCapture.h"
#include <vector>

namespace
{

class CDocTestNote : public CObject
{
    DECLARE_SERIAL(CDocTestNote)
public:
    CDocTestNote() {}
    explicit CDocTestNote(LPCTSTR t) : m_text(t) {}
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_text;
        else
            ar >> m_text;
    }
    CString m_text;
};
IMPLEMENT_SERIAL(CDocTestNote, CObject, 1)

class CDocTestDoc : public CDocument
{
public:
    ~CDocTestDoc() override { DeleteContents(); }
    void DeleteContents() override
    {
        while (!m_notes.IsEmpty())
            delete m_notes.RemoveHead();
        ++m_deletes;
    }
    void Serialize(CArchive& ar) override
    {
        EXPECT_EQ(ar.m_pDocument, this);
        if (m_failWhileSaving && ar.IsStoring())
        {
            ar << (WORD)1;
            AfxThrowArchiveException(CArchiveException::genericException);
        }
        m_notes.Serialize(ar);
    }
    CObList m_notes;
    bool m_failWhileSaving = false;
    int m_deletes = 0;
};

CString TempDir()
{
    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    CString d;
    d.Format(L"%scorvane_doc_%lu\\", dir, GetCurrentProcessId());
    CreateDirectoryW(d, nullptr);
    return d;
}

std::string ReadAll(const CString& path)
{
    std::string s;
    CFile f;
    if (!f.Open(path, CFile::modeRead))
        return s;
    s.resize((size_t)f.GetLength());
    if (!s.empty())
        f.Read(&s[0], (UINT)s.size());
    return s;
}

} // namespace

TEST(Document, SaveThenOpenGivesTheSameContent)
{
    MessageBoxCapture boxes;
    CString path = TempDir() + L"notes.dat";
    {
        CDocTestDoc doc;
        doc.m_notes.AddTail(new CDocTestNote(L"pertama"));
        doc.m_notes.AddTail(new CDocTestNote(L"kedua"));
        doc.SetModifiedFlag();
        ASSERT_TRUE(doc.OnSaveDocument(path));
        EXPECT_FALSE(doc.IsModified());
    }
    CFileStatus st;
    EXPECT_TRUE(CFile::GetStatus(path, st));
    EXPECT_FALSE(CFile::GetStatus(path + L".tmp", st));

    CDocTestDoc doc;
    doc.m_notes.AddTail(new CDocTestNote(L"lama")); // replaced by what the file holds
    ASSERT_TRUE(doc.OnOpenDocument(path));
    ASSERT_EQ(doc.m_notes.GetCount(), 2);
    EXPECT_EQ(((CDocTestNote*)doc.m_notes.GetHead())->m_text, L"pertama");
    EXPECT_EQ(((CDocTestNote*)doc.m_notes.GetTail())->m_text, L"kedua");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(boxes.Count(), 0u);

    doc.SetPathName(path);
    EXPECT_EQ(doc.GetPathName(), path);
    EXPECT_EQ(doc.GetTitle(), L"notes.dat");
    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_TRUE(doc.m_notes.IsEmpty());
    EXPECT_TRUE(doc.GetPathName().IsEmpty());
    DeleteFileW(path);
}

TEST(Document, DamagedOrMissingFilesAreReportedAndLeaveTheDocumentEmpty)
{
    MessageBoxCapture boxes;
    CString path = TempDir() + L"damaged.dat";
    {
        CFile f(path, CFile::modeCreate | CFile::modeWrite);
        BYTE bytes[] = {0x05, 0x00, 0xFF, 0xFF, 0x01, 0x00, 0x0C, 0x00, 'C', 'D', 'o', 'c'};
        f.Write(bytes, sizeof bytes);
    }
    CDocTestDoc doc;
    EXPECT_FALSE(doc.OnOpenDocument(path));
    EXPECT_TRUE(doc.m_notes.IsEmpty());
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, L"Unexpected file format.");

    EXPECT_FALSE(doc.OnOpenDocument(TempDir() + L"absent.dat"));
    ASSERT_EQ(boxes.Count(), 2u);
    EXPECT_NE(boxes.Last().text.find(L"absent.dat"), std::wstring::npos);
    DeleteFileW(path);
}

TEST(Document, AFailedSaveKeepsThePreviousFile)
{
    MessageBoxCapture boxes;
    CString path = TempDir() + L"keep.dat";
    {
        CDocTestDoc doc;
        doc.m_notes.AddTail(new CDocTestNote(L"aman"));
        ASSERT_TRUE(doc.OnSaveDocument(path));
    }
    std::string before = ReadAll(path);
    ASSERT_FALSE(before.empty());

    CDocTestDoc doc;
    doc.m_notes.AddTail(new CDocTestNote(L"baru"));
    doc.m_failWhileSaving = true;
    doc.SetModifiedFlag();
    EXPECT_FALSE(doc.OnSaveDocument(path));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(ReadAll(path), before);
    CFileStatus st;
    EXPECT_FALSE(CFile::GetStatus(path + L".tmp", st));
    EXPECT_EQ(boxes.Count(), 1u);

    EXPECT_FALSE(doc.OnSaveDocument(TempDir() + L"no\\such\\dir\\x.dat"));
    EXPECT_EQ(boxes.Count(), 2u);
    DeleteFileW(path);
}

TEST(Files, OpenModesLengthSeekAndStatus)
{
    CString path = TempDir() + L"file.bin";
    CFileException fe;
    CFile missing;
    EXPECT_FALSE(missing.Open(TempDir() + L"nothing.bin", CFile::modeRead, &fe));
    EXPECT_EQ(fe.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(fe.m_lOsError, (LONG)ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(missing.m_hFile, CFile::hFileNull);

    {
        CFile f(path, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive);
        f.Write("0123456789", 10);
        EXPECT_EQ(f.GetLength(), 10u);
        EXPECT_EQ(f.Seek(-3, CFile::end), 7u);
        char c[4] = {};
        EXPECT_EQ(f.Read(c, 4), 3u);
        EXPECT_STREQ(c, "789");
        f.SetLength(4);
        EXPECT_EQ(f.GetLength(), 4u);
        EXPECT_EQ(f.GetFileName(), L"file.bin");
        EXPECT_EQ(f.GetFileTitle(), L"file");
        // Exclusive: nobody else opens it meanwhile.
        CFile other;
        EXPECT_FALSE(other.Open(path, CFile::modeRead, &fe));
        EXPECT_EQ(fe.m_cause, CFileException::sharingViolation);
    }
    {
        // modeNoTruncate keeps the content.
        CFile f(path, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
        EXPECT_EQ(f.GetLength(), 4u);
    }
    CFileStatus st;
    ASSERT_TRUE(CFile::GetStatus(path, st));
    EXPECT_EQ(st.m_size, 4u);
    CString moved = path + L".moved";
    CFile::Rename(path, moved);
    EXPECT_FALSE(CFile::GetStatus(path, st));
    CFile::Remove(moved);
    try
    {
        CFile::Remove(moved);
        ADD_FAILURE() << "removed a missing file";
    }
    catch (CFileException* e)
    {
        EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
        e->Delete();
    }
    RemoveDirectoryW(TempDir());
}

TEST(Files, MemFileGrowsAttachesAndDetaches)
{
    CMemFile m(16);
    for (int i = 0; i < 100; ++i)
        m.Write(&i, sizeof i);
    EXPECT_EQ(m.GetLength(), 400u);
    m.Seek(4 * 50, CFile::begin);
    int v = 0;
    m.Read(&v, sizeof v);
    EXPECT_EQ(v, 50);
    BYTE* p = m.Detach();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(((int*)p)[99], 99);
    free(p);

    BYTE fixed[4] = {1, 2, 3, 4};
    CMemFile f(fixed, 4);
    EXPECT_EQ(f.GetLength(), 4u);
    BYTE b[8];
    EXPECT_EQ(f.Read(b, 8), 4u);
    f.SeekToBegin();
    f.Write("\x09", 1);
    EXPECT_EQ(fixed[0], 9);
    try
    {
        f.Seek(0, CFile::end);
        f.Write("x", 1); // a fixed block cannot grow
        ADD_FAILURE() << "grew a fixed block";
    }
    catch (CMemoryException* e)
    {
        e->Delete();
    }
}

TEST(Files, StdioFileLinesInTextMode)
{
    CString path = TempDir() + L"lines.txt";
    {
        CStdioFile f(path, CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        f.WriteString(L"baris satu\nbaris dua\n");
        f.WriteString(L"tanpa akhir");
    }
    EXPECT_EQ(ReadAll(path), "baris satu\r\nbaris dua\r\ntanpa akhir");
    CStdioFile f;
    ASSERT_TRUE(f.Open(path, CFile::modeRead | CFile::typeText));
    CString line;
    std::vector<CString> lines;
    while (f.ReadString(line))
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], L"baris satu");
    EXPECT_EQ(lines[2], L"tanpa akhir");
    f.Close();
    DeleteFileW(path);
    RemoveDirectoryW(TempDir());
}

TEST(Exceptions, DeleteFreesOnlyWhatWasMadeWithNew)
{
    CFileException onStack(CFileException::accessDenied, ERROR_ACCESS_DENIED, L"x.dat");
    onStack.Delete(); // must not free the stack object
    EXPECT_EQ(onStack.m_cause, CFileException::accessDenied);
    wchar_t text[256];
    EXPECT_TRUE(onStack.GetErrorMessage(text, 256));
    EXPECT_NE(wcsstr(text, L"x.dat"), nullptr);

    int caught = 0;
    for (int i = 0; i < 3; ++i)
    {
        try
        {
            if (i == 0)
                AfxThrowFileException(CFileException::diskFull);
            else if (i == 1)
                AfxThrowArchiveException(CArchiveException::badIndex, L"y.dat");
            else
                AfxThrowMemoryException();
        }
        catch (CException* e)
        {
            ++caught;
            EXPECT_TRUE(e->GetErrorMessage(text, 256));
            e->Delete();
        }
    }
    EXPECT_EQ(caught, 3);
}
