// One short message as the program keeps it: the unit of the data file, the folders and the lists.
#pragma once
#include "platform/Platform.h"

class CSMS : public CObject
{
    DECLARE_SERIAL(CSMS)
public:
    CSMS();
    CSMS(const CSMS& src);
    CSMS& operator=(const CSMS& src);
    virtual ~CSMS();

    virtual void Serialize(CArchive& ar);

    // Records come from blocks of many records: a data file loads tens of thousands of them, and
    // the heap's cost of one small block each is most of a load. Freed records are reused, the
    // blocks are kept for the program's life. Any thread may create and delete records.
    static void* operator new(size_t nSize);
    static void operator delete(void* p, size_t nSize);

    // True when the text, the hour and the folder are all non-empty; with bTextNeeded FALSE (a
    // received message may have no text) the text may be empty.
    BOOL IsValid(BOOL bTextNeeded = TRUE) const;
    // Empties every text and zeroes every number.
    void Clear();
    // Recomputes m_strKey: day, month, year, hour, minute, second and the first 20 text characters.
    void RebuildKey();
    static CString MakeKey(const CSMS& sms);
    // Turns the record into an own message filed in strFolder: stamp's date and time, the text and the
    // recipients given, no sender, read, not linked, no reference or part; the key is rebuilt.
    void SetOwnMessage(const CSMS& stamp, const CString& strText, const CString& strNumbers, const CString& strNames,
                       const CString& strFolder, int bFlash);

    // Date and time are two-digit decimal texts exactly as shown ("05" for 2005).
    CString m_strMinute;
    CString m_strKey; // derived, never stored
    CString m_strHour;
    CString m_strSecond;
    CString m_strDay;
    CString m_strMonth;
    CString m_strYear;
    CString m_strSenderName;
    CString m_strText;
    CString m_strFolder; // "Inbox", "Outbox", "Sent" or "Drafts"
    CString m_strSenderNumber;
    CString m_strRecipientNumber;
    CString m_strRecipientName;
    // Of a received part: its reference and its number (from 1) within the linked message, else 0.
    // Of a message in "Outbox" or "Drafts" that a send reached partly: the reference its first
    // recipient's parts went under and how many of them it got (CSmsComposer::PartialSend_t).
    int m_nRef;
    int m_bLinked;
    int m_bFlash; // send with data coding class 0
    int m_nPart;
    int m_bRead;

    // The document record a list copy was made from; never stored, not touched by Clear.
    CSMS* m_pSource;
};

// Folder names.
#define SMS_FOLDER_INBOX  L"Inbox"
#define SMS_FOLDER_OUTBOX L"Outbox"
#define SMS_FOLDER_SENT   L"Sent"
#define SMS_FOLDER_DRAFTS L"Drafts"
