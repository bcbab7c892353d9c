// The application's document: its records, the data file, the contacts and the side-file paths.
#include "phone/Corvane_smsDoc.h"
#include "phone/UnicodeTextFile.h"
#include "res/store_ids.h"

IMPLEMENT_DYNCREATE(CCorvane_smsDoc, CDocument)

namespace
{
// Archive buffer of the data file: large blocks keep the number of file calls small.
const int kArchiveBufferSize = 64 * 1024;
// The smallest record a file can hold: its class tag, twelve empty texts, four integers.
const UINT kMinRecordBytes = 2 + 12 + 4 * 4;
} // namespace

CCorvane_smsDoc::CCorvane_smsDoc()
    : m_listSms(10), m_nRecordsChanges(0), m_nStoredChanges(0), m_nSavedChanges(0), m_bDataFileUnread(FALSE)
{
    InitializeCriticalSection(&m_csRecords);
    m_strDataFilePath = GetAppFolder() + CORVANE_DATA_FILE_NAME;
}

CCorvane_smsDoc::~CCorvane_smsDoc()
{
    DeleteAllSms();
    DeleteCriticalSection(&m_csRecords);
}

BOOL CCorvane_smsDoc::OnNewDocument() { return CDocument::OnNewDocument() ? TRUE : FALSE; }

void CCorvane_smsDoc::Serialize(CArchive& ar)
{
    if (ar.IsLoading())
    {
        ReadRecords(ar, m_listSms);
        return;
    }
    // The object list's own form: the count, then each record as a class reference (the first
    // one in full, later ones as 0x8000 | index) and its fields. Written here rather than through
    // the list because every record is a distinct object: the archive's per-object identity map,
    // which only serves back references, would cost more than the rest of the save.
    DWORD_PTR count = 0;
    for (POSITION pos = m_listSms.GetHeadPosition(); pos;)
        count += m_listSms.GetNext(pos) != nullptr;
    ar.WriteCount(count);
    for (POSITION pos = m_listSms.GetHeadPosition(); pos;)
    {
        CObject* pObject = m_listSms.GetNext(pos);
        if (!pObject)
            continue;
        ar.WriteClass(pObject->GetRuntimeClass());
        pObject->Serialize(ar);
    }
}

void CCorvane_smsDoc::DeleteAllSms()
{
    CSmsRecordsLock lock(this);
    NoteRecordsChanged();
    while (!m_listSms.IsEmpty())
        delete m_listSms.RemoveHead();
}

void CCorvane_smsDoc::ShowStoreError(const CString& strText)
{
    PlatformMessageBox(nullptr, strText, L"Error", MB_OK | MB_ICONERROR);
}

// Moves the data file to the first free name of "<file>.bad", "<file>.bad1", "<file>.bad2" ...
// (a copy when it cannot be moved); returns that name, or an empty text when both failed. The copy
// is made under a temporary name and takes the final one only when whole.
CString CCorvane_smsDoc::MoveDamagedFileAside()
{
    for (int i = 0; i < 10000; ++i)
    {
        CString target = m_strDataFilePath + L".bad";
        if (i > 0)
        {
            CString n;
            n.Format(L"%d", i);
            target += n;
        }
        if (GetFileAttributesW(target) != INVALID_FILE_ATTRIBUTES)
            continue;
        if (MoveFileExW(m_strDataFilePath, target, MOVEFILE_WRITE_THROUGH))
            return target;
        const CString partial = target + L".tmp";
        DeleteFileW(partial);
        if (CopyDamagedFile(m_strDataFilePath, partial) && MoveFileExW(partial, target, MOVEFILE_WRITE_THROUGH))
            return target;
        DeleteFileW(partial);
        return CString();
    }
    return CString();
}

BOOL CCorvane_smsDoc::CopyDamagedFile(const CString& strFrom, const CString& strTo)
{
    return CopyFileW(strFrom, strTo, TRUE);
}

void CCorvane_smsDoc::ReadRecords(CArchive& ar, CObList& list)
{
    const DWORD_PTR nCount = ar.ReadCount();
    ar.CheckCount(nCount, kMinRecordBytes);
    for (DWORD_PTR i = 0; i < nCount; ++i)
    {
        UINT nSchema = 0;
        DWORD dwObjectTag = 0;
        // Only message records, each written once: an object of another class, a null entry or a
        // reference to an object read before is damage.
        const CRuntimeClass* pClass = ar.ReadClass(RUNTIME_CLASS(CSMS), &nSchema, &dwObjectTag);
        if (pClass != RUNTIME_CLASS(CSMS))
            AfxThrowArchiveException(pClass ? CArchiveException::badClass : CArchiveException::badIndex,
                                     ar.m_strFileName);
        // Like the writer, the records take no object index: nothing may refer to them.
        CSMS* pRecord = new CSMS;
        list.AddTail(pRecord);
        ar.SetObjectSchema(nSchema);
        pRecord->Serialize(ar);
    }
}

BOOL CCorvane_smsDoc::ReadDataFile(CString& strError)
{
    CSmsRecordsLock lock(this);
    // A save killed before its rename left its temporary file behind.
    DeleteFileW(GetTempFilePath());

    // The list is what the file holds when it held nothing before.
    const bool bFileOnly = m_listSms.IsEmpty();
    CFileStatus status;
    if (!CFile::GetStatus(m_strDataFilePath, status))
    {
        m_bDataFileUnread = FALSE;
        if (bFileOnly)
            m_nSavedChanges = m_nStoredChanges;
        return TRUE;
    }

    CFile file;
    if (!file.Open(m_strDataFilePath, CFile::modeRead | CFile::shareDenyWrite))
    {
        // Held by another program: it is still the user's data, so no save may replace it.
        m_bDataFileUnread = TRUE;
        strError = LoadResourceText(IDS_DATA_FILE_OPEN_FAILED);
        return FALSE;
    }

    // The records are appended; a damaged file adds nothing (those read are removed again).
    const INT_PTR nBefore = m_listSms.GetCount();
    NoteRecordsChanged();
    bool ok = false;
    {
        CArchive ar(&file, CArchive::load | CArchive::bNoFlushOnDelete, kArchiveBufferSize);
        try
        {
            ReadRecords(ar, m_listSms);
            // A file we wrote ends with its last record.
            BYTE extra;
            ok = ar.Read(&extra, 1) == 0;
            ar.Close();
        }
        catch (CException* e)
        {
            e->Delete();
            ok = false;
            ar.Abort();
        }
        catch (...)
        {
            // Out of memory on a wild length, or anything else a damaged file may cause.
            ok = false;
            ar.Abort();
        }
    }
    file.Abort();

    if (ok)
    {
        m_bDataFileUnread = FALSE;
        if (bFileOnly)
            m_nSavedChanges = m_nStoredChanges;
        return TRUE;
    }

    while (m_listSms.GetCount() > nBefore)
        delete m_listSms.RemoveTail();
    const CString moved = MoveDamagedFileAside();
    if (moved.IsEmpty())
    {
        // Still there and not read: keep it from being saved over.
        m_bDataFileUnread = TRUE;
        strError = FormatResourceText(IDS_DATA_FILE_DAMAGED_KEPT, m_strDataFilePath);
    }
    else
    {
        m_bDataFileUnread = FALSE;
        strError = FormatResourceText(IDS_DATA_FILE_DAMAGED, moved);
    }
    return FALSE;
}

BOOL CCorvane_smsDoc::LoadData()
{
    CString strError;
    const BOOL bRead = ReadDataFile(strError);
    // Shown with the records lock released: the box's message loop runs other code.
    if (!strError.IsEmpty())
        ShowStoreError(strError);
    return bRead;
}

BOOL CCorvane_smsDoc::WriteDataFile(CString& strError)
{
    CSmsRecordsLock lock(this);
    if (m_bDataFileUnread && GetFileAttributesW(m_strDataFilePath) != INVALID_FILE_ATTRIBUTES)
    {
        strError = FormatResourceText(IDS_DATA_FILE_NOT_READ, m_strDataFilePath);
        return FALSE;
    }
    const CString temp = GetTempFilePath();
    bool ok = false;
    {
        CFile file;
        if (file.Open(temp, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive))
        {
            CArchive ar(&file, CArchive::store | CArchive::bNoFlushOnDelete, kArchiveBufferSize);
            try
            {
                Serialize(ar);
                ar.Close();
                file.Flush();
                file.Close();
                ok = true;
            }
            catch (CException* e)
            {
                e->Delete();
                ar.Abort();
                file.Abort();
            }
            catch (...)
            {
                ar.Abort();
                file.Abort();
            }
        }
    }
    if (ok && !MoveFileExW(temp, m_strDataFilePath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        ok = false;
    if (!ok)
    {
        DeleteFileW(temp);
        strError = FormatResourceText(IDS_DATA_FILE_SAVE_FAILED, m_strDataFilePath);
        return FALSE;
    }
    m_bDataFileUnread = FALSE;
    m_nSavedChanges = m_nStoredChanges;
    return TRUE;
}

BOOL CCorvane_smsDoc::SaveData(CString& strError) { return WriteDataFile(strError); }

BOOL CCorvane_smsDoc::SaveData()
{
    CString strError;
    const BOOL bSaved = WriteDataFile(strError);
    if (!bSaved)
        ShowStoreError(strError);
    return bSaved;
}

void CCorvane_smsDoc::AddContact(CString strName, CString strNumber, CString strKind, CString strSecond)
{
    if (strNumber.IsEmpty())
        return;
    const CString text = strName + L"<" + FilterPhoneNumber(strNumber) + L">," + strKind;
    m_arrContacts.Add(CContactItem(text, strSecond, 0));
}

CString CCorvane_smsDoc::FindContactName(CString strNumber)
{
    for (int i = 0; i < m_arrContacts.GetSize(); ++i)
        if (SamePhoneNumber(m_arrContacts[i].GetNumber(), strNumber))
            return m_arrContacts[i].GetName();
    return FilterPhoneNumber(strNumber);
}

BOOL CCorvane_smsDoc::WriteDefaultMyText()
{
    // clang-format off
    static const LPCWSTR kLines[] = {
        L"Hi, how are you. \n", L"Bye!\n", L"Bad news! \n", L"Call me\n", L"Check your mail. \n",
        L"Can you help me? \n", L"Congratulations! \n", L"Don't forget it! \n", L"Don't give up! \n",
        L"Good morning. \n", L"Good afternoon. \n", L"Good night. \n", L"Happy birthday! \n",
        L"Happy New Year! \n", L"How are you doing? \n", L"I appologize \n", L"I love you. \n",
        L"I'll call you. \n", L"I can't do it! \n", L"I'm sorry about it. \n", L"It'd be fine. \n",
        L"It's OK. \n", L"See you tomorrow. \n", L"See you later. \n", L"Talk to you later."};
    // clang-format on
    CUnicodeTextWriter writer;
    writer.OpenReplacing(m_strMyTextFilePath, TEXTFILE_UNI16_LE);
    for (LPCWSTR line : kLines)
        writer.WriteLine(line);
    return writer.Commit();
}
