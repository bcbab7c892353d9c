// One dialogue with the phone over the application's shared serial port: the exchange of one AT
// command, identification, PDU mode, the session log and status lines; the fetch of every stored
// message (PhoneSessionFetch.cpp) and the sending of messages (PhoneSessionSend.cpp).
#pragma once
#include "platform/Platform.h"
#include "phone/IrdaPort.h"
#include "phone/SmsRecord.h"
#include "phone/UnicodeTextFile.h"
#include "phone/SMSMessage.h"
#include "phone/StoreHelpers.h"
#include <vector>

class CPhoneSession : public CObject
{
    DECLARE_DYNAMIC(CPhoneSession)
public:
    CPhoneSession();
    virtual ~CPhoneSession();

    // The application's shared port, opened on the "Connection" setting.
    static BOOL OpenPort();
    static void ClosePort();
    static CIrdaPort& GetSharedPort();

    // Sends one command and reads reply lines up to "OK" (TRUE) or an error line, a silence, or
    // (count-reads on) the fourth other line (FALSE, reported in a message box, port closed
    // unless the command could not be written).
    BOOL SendATCommand(CIrdaPort& port, CString strCommand, CStringArray* pLines = nullptr, BOOL bCountReads = TRUE,
                       BOOL bShowPhonebook = FALSE);
    BOOL ReadPhoneModel(CIrdaPort& port, CString& strManufacturer, CString& strModel);
    BOOL SetMessageFormat(CIrdaPort& port, BOOL bPdu);
    void Log(CString strLine);

    // The fetch: both memories are listed, decoded, joined and filed, the data file saved, and
    // only then (with "isHapus") the listed messages that the document now holds are deleted.
    // The last status line it posts is its result: the count of new messages, or the failure.
    BOOL ReceiveAllSms(int* pnNew = nullptr);
    // Lists one memory into the received records; FALSE when the storage status was not
    // confirmed or the listing did not end with "OK" (reported).
    BOOL ListSms(CIrdaPort& port, CString strStorage, CString strList);
    // FALSE when the index is not all digits (nothing sent) or the phone refused.
    BOOL DeleteSms(CIrdaPort& port, CString strIndex);
    // Files a copy of a valid record in the document and the message list (GUI thread).
    BOOL AddToDocument(int nPos, const CSMS& record);

    // Sends one PDU of one message; TRUE when the phone confirmed it with "OK".
    BOOL SendSmsPdu(CUnicodeTextWriter& log, CIrdaPort& port, const CSMS& record, BOOL bHeader, int nPart, int nRef,
                    int nParts);
    // Sends every "Outbox" message; answers how many were sent.
    int SendOutbox();

    // One listed message: where it lies on the phone and what its PDU says of its parts.
    struct ListedSms_t
    {
        CSMS record;
        CString strMemory; // "ME" or "SM"
        CString strIndex;  // the phone's index, digits only when it can be deleted
        CString strPdu;    // as listed, in upper case
        int nRef = 0;      // concatenation reference, total and sequence read from the PDU
        int nTotal = 0;
        int nSeq = 0;
        // Its service-centre stamp in UTC seconds, which parts are joined by; of a part without
        // one (stored as sent), its record's date and time.
        long long nInstant = 0;
        BOOL bLinked = FALSE;
        int nOrder = 0;        // position in the listings
        BOOL bReadable = TRUE; // the PDU held together; else never filed nor deleted
        BOOL bKnown = FALSE;   // a part the side file names: filed before (its record may be deleted since)
        BOOL bDeleted = FALSE; // deleted from the phone by this fetch
        CString strFiled;      // date and time of the filed message that holds it, if any
        // A part taken from the data file, not listed: a filed record holds it (named by the side file's
        // line nKept); it has no place on the phone.
        BOOL bFromFile = FALSE;
        int nKept = -1; // the side file's line that names this part, if any
    };
    // One message after joining, with the listed messages it was made of.
    struct JoinedSms_t
    {
        CSMS record;
        std::vector<int> sources; // indices into m_arrListed
        BOOL bComplete = TRUE;    // not linked, or every part of a linked message is there
        BOOL bKnown = FALSE;      // one known part (ListedSms_t::bKnown): filed before
        BOOL bInDocument = FALSE; // the document holds it (set by filing)
    };
    // One part of a filed linked record, as the side file names it: where it was listed, its PDU
    // (which carries its sender, reference, total, number, own time stamp and text) and the key of
    // the record that holds it: that record's date and time ("yymmddhhmmss") and part number (with
    // the PDU's party and reference). A line of an older file has no part number: the record holds
    // the whole message, numbered as its last part. Such a line ends when the document no longer
    // holds the record and the phone no longer lists the part: while the phone lists it, a record
    // the user deleted is not filed again (the part is deleted from the phone unfiled).
    struct KeptPart_t
    {
        CString strMemory;
        CString strIndex;
        CString strPdu;
        CString strFiled;
        int nRecordPart = 0;
        // Written before the data file's save: it names the record only once the document holds it
        // (a save that did not happen leaves the part unknown, never taken as deleted by the user).
        BOOL bPending = FALSE;
        // Derived on reading: the decoded part (ListedSms_t::record and the fields of its PDU).
        BOOL bDecoded = FALSE;
        int nRef = 0, nTotal = 0, nSeq = 0, nTextLength = 0;
        CString strIdentity; // PartIdentity of the part
        CString strParty;    // PartyKey of the part
    };

    // The widest spread of the service-centre time stamps (as instants) of one message's parts. The
    // centre stamps each part as it takes it from the sender's phone, which sends them one after the
    // other, seconds apart; ten minutes leave room for a part that phone sent again after a failed
    // try. Parts farther apart are other messages: senders of template messages begin them alike
    // and use a reference again within hours, so a wider span takes a later message's part for an
    // earlier one's. The span decides only which parts join, listed ones and those waiting in the
    // data file alike: parts farther apart are filed as records of their own and leave the phone
    // like any message; nothing is kept on the phone for it.
    static const int kJoinSpanSeconds = 10 * 60;

    // Sorting (by sender, reference, total and listing order) and joining of the listed
    // messages: parts join only within kJoinSpanSeconds of each other, the message whose parts
    // lie nearest in time first (in listing order when they tie); a part left over stays alone.
    static void SortListed(std::vector<ListedSms_t>& arr);
    static void JoinListed(const std::vector<ListedSms_t>& arr, std::vector<JoinedSms_t>& joined);
    // The parts of filed records, one a line ("ME 3 <PDU> <filed> <part>", "... <part> P" while
    // pending, or without the part);
    // a missing file holds none. FALSE when the file is there but could not be opened or holds a
    // line that does not read (such lines are left out).
    static BOOL ReadKeptParts(const CString& strPath, std::vector<KeptPart_t>& arr);
    // Replaces the file in one step (removes it when there are none); FALSE when it failed.
    static BOOL WriteKeptParts(const CString& strPath, const std::vector<KeptPart_t>& arr);
    // An unsolicited result code ("+CMTI: ...", "RING", ...) rather than an answer.
    static BOOL IsUnsolicited(const CString& strLine);

    DWORD m_dwTimeout;
    BOOL m_bCallerReports; // failures are logged and kept in m_strFailure, not shown: the caller shows them
    CString m_strStatus;
    std::vector<ListedSms_t> m_arrListed; // the received records, in listing order
    std::vector<JoinedSms_t> m_arrJoined; // after joining
    std::vector<KeptPart_t> m_arrKept;    // the parts of filed records as the side file names them
    BOOL m_bKeptUnread = FALSE;           // the side file did not read whole: it is written anew
    CString m_strKeptPath;                // the side file of this fetch
    CUnicodeTextWriter m_log;
    CSMSMessage m_encoder;
    CString m_strLastReply;
    CString m_strFailure;
    CString m_strReplacement;
    CString m_strPhoneModel;

private:
    // SendATCommand without its message boxes and without closing the port; the failure text
    // goes to strFailure.
    BOOL Exchange(CIrdaPort& port, const CString& strCommand, CStringArray* pLines, BOOL bCountReads,
                  BOOL bShowPhonebook, CString& strFailure, BOOL& bWriteFailed);
    // One reply line (CIrdaPort::ReadResponse), unsolicited result codes skipped and logged.
    BOOL ReadReply(CIrdaPort& port, CString& strLine, DWORD dwTimeout, BOOL bPromptMode);
    // Marks the listed parts whose identity the side file names (unless the record it names them
    // with is in the document holding other text: a data file put back from before).
    void MarkKnownParts();
    // Adds to the listed parts those of the records filed alone (waiting for their partners) of a
    // sender, reference and total that a new listed part has, as the side file names them.
    void TakeWaitingParts();
    BOOL FileJoined(int& nNew, BOOL& bSaved);
    // Files a whole message in place of its parts filed alone (GUI thread); FALSE when the
    // document holds none of them.
    BOOL ReplaceFiledParts(const JoinedSms_t& joined);
    void DeleteFiled(CIrdaPort& port, BOOL bKeptWritten);
    // Writes the parts of filed linked records, when they changed; FALSE when the file could not
    // be written (the parts filed alone then stay on the phone). Pending (before the data file's
    // save): the lines the file had, and those of this fetch's records marked pending.
    BOOL RememberKeptParts(const CString& strPath, BOOL bPending = FALSE);
    // Logs the failure, keeps it as m_strFailure and shows it (unless the port was aborted).
    void Fail(const CString& strText, LPCWSTR pszTitle = L"", UINT nType = MB_OK);
    // Tells the user, in one box, how many listed messages stay on the phone unread.
    void ReportUnreadable();
    // The steps of ReceiveAllSms, which posts the result as the last status line.
    BOOL RunFetch(int& nNew);
};
