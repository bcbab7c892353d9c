// The application's one document: every message record of the four folders, the contacts read
// from Outlook and the paths of the data file and the side files.
#pragma once
#include "platform/Platform.h"
#include "phone/ContactItem.h"
#include "phone/SmsRecord.h"
#include "phone/StoreHelpers.h"

class CCorvane_smsDoc : public CDocument
{
    DECLARE_DYNCREATE(CCorvane_smsDoc)
public:
    CCorvane_smsDoc();
    virtual ~CCorvane_smsDoc();

    virtual void Serialize(CArchive& ar);
    virtual BOOL OnNewDocument();

    // Reads the data file and appends its records. TRUE when the file was absent or read. A stale
    // temporary file of a killed save is removed first. A damaged file (anything but the records
    // this program writes, each once, and nothing after them) is moved aside (".bad", ".bad1",
    // ...) with an error shown; nothing is added. While a file that exists has not been read (it
    // could not be opened, or was damaged and could not be moved aside), SaveData refuses.
    BOOL LoadData();
    // Writes every record to a temporary file beside the data file, then replaces the data file
    // with it in one step. On failure the error is shown (with the records lock released), the
    // old file stays as it was, the records stay in memory, and the result is FALSE.
    BOOL SaveData();
    // SaveData without its box: the failure's text goes to strError, for callers that report it
    // themselves (the phone link, whose boxes a closing program can end).
    BOOL SaveData(CString& strError);
    void DeleteAllSms();

    void AddContact(CString strName, CString strNumber, CString strKind, CString strSecond);
    // The name of the first contact with the same number (SamePhoneNumber), or the filtered number.
    CString FindContactName(CString strNumber);
    // Replaces the contacts with those of Outlook's default contacts folder (Outlook bridge).
    void LoadOutlookContacts();

    CString GetDataFilePath() const { return m_strDataFilePath; }
    void SetDataFilePath(const CString& strPath) { m_strDataFilePath = strPath; }
    // Beside the data file: the parts of filed messages that the phone still holds.
    CString GetKeptPartsFilePath() const { return m_strDataFilePath + L".parts"; }
    CString GetLogFilePath() const { return m_strLogFilePath; }
    void SetLogFilePath(const CString& strPath) { m_strLogFilePath = strPath; }
    CString GetMyTextFilePath() const { return m_strMyTextFilePath; }
    void SetMyTextFilePath(const CString& strPath) { m_strMyTextFilePath = strPath; }
    CString GetQuickReplyFilePath() const { return m_strQuickReplyFilePath; }
    void SetQuickReplyFilePath(const CString& strPath) { m_strQuickReplyFilePath = strPath; }
    // Writes the default texts to the MyText file, which takes the path only when whole; FALSE
    // when it could not be written.
    BOOL WriteDefaultMyText();

    // The records list is shared by the GUI thread and the phone worker: hold this (re-entrant)
    // lock while walking or changing m_listSms from either. LoadData and SaveData take it.
    void LockRecords() { EnterCriticalSection(&m_csRecords); }
    void UnlockRecords() { LeaveCriticalSection(&m_csRecords); }
    // Counts the changes of the list and of its records' keys (a record added, removed or re-keyed);
    // whoever makes such a change notes it, under the records lock. Code that lets go of the lock
    // in the middle of its work compares the count to know whether what it took from the list holds.
    void NoteRecordsChanged()
    {
        ++m_nRecordsChanges;
        ++m_nStoredChanges;
    }
    ULONG GetRecordsChanges() const { return m_nRecordsChanges; }
    // A stored field of a record changed in place, its key kept (marked read, renamed): whoever
    // makes such a change notes it, under the records lock.
    void NoteStoredChange() { ++m_nStoredChanges; }
    // Whether the data file on disk holds the list as it stands: no change of the list or of a
    // stored field noted since the last save or the load that left the list as the file has it. A
    // step that deletes what the file must keep (a message from the phone) saves first while this
    // is FALSE.
    BOOL IsDataFileCurrent() const { return m_nSavedChanges == m_nStoredChanges; }

    CObList m_listSms; // CSMS*, owned, in filing order
    CArray<CContactItem, const CContactItem&> m_arrContacts;
    CString m_strCategoryList; // each category followed by "|"

protected:
    // Copies a damaged data file aside (CopyFileW, failing when the target exists). A copy that
    // fails may leave part of the target behind; the caller removes it.
    virtual BOOL CopyDamagedFile(const CString& strFrom, const CString& strTo);

    CString m_strDataFilePath;
    CString m_strMyTextFilePath;
    CString m_strQuickReplyFilePath;
    CString m_strLogFilePath;

private:
    static void ShowStoreError(const CString& strText);
    // The data file's records: the count, then each record as a "CSMS" object; throws the
    // archive's exception for anything else. The records read are appended to the list.
    static void ReadRecords(CArchive& ar, CObList& list);
    // LoadData and SaveData under the records lock; a failure's text goes to strError.
    BOOL ReadDataFile(CString& strError);
    BOOL WriteDataFile(CString& strError);
    CString MoveDamagedFileAside();
    CString GetTempFilePath() const { return m_strDataFilePath + L".tmp"; }

    CRITICAL_SECTION m_csRecords;
    ULONG m_nRecordsChanges; // NoteRecordsChanged
    ULONG m_nStoredChanges;  // NoteRecordsChanged and NoteStoredChange
    ULONG m_nSavedChanges;   // m_nStoredChanges when the data file last held the list
    BOOL m_bDataFileUnread;  // an existing data file has not been read: it must not be replaced
};

// Holds the document's records lock for one scope.
class CSmsRecordsLock
{
public:
    explicit CSmsRecordsLock(CCorvane_smsDoc* pDoc) : m_pDoc(pDoc)
    {
        if (m_pDoc)
            m_pDoc->LockRecords();
    }
    ~CSmsRecordsLock()
    {
        if (m_pDoc)
            m_pDoc->UnlockRecords();
    }

private:
    CSmsRecordsLock(const CSmsRecordsLock&) = delete;
    CSmsRecordsLock& operator=(const CSmsRecordsLock&) = delete;
    CCorvane_smsDoc* m_pDoc;
};
