// CSmsComposer: the one send engine of the compose window. It sends a message to every recipient
// of a recipient text, in one or several linked parts, keeps the recipient history and files the
// result; the compose window derives from it and supplies its input, its questions and its status
// pane, while a composer built alone sends a stored message without any window.
#pragma once
#include "platform/Platform.h"
#include "phone/SmsRecord.h"
#include <set>

class CPhoneSession;
class CUnicodeTextWriter;

class CSmsComposer
{
public:
    static const int kMaxHistory = 15;         // entries of the recipient history
    static const int kMaxRecipientDigits = 20; // digits a recipient number may keep

    CSmsComposer();
    virtual ~CSmsComposer();

    // Sends and files; 1 when every part to every recipient was accepted by the phone, 0
    // otherwise (then what reached the phone is filed, and a window tells who got what; see
    // StopPartway). Reads the interactive flag, the mode and the source record.
    int SendSms();
    // The send of a stored message (the source record, or m_source when none is set) without a
    // window: the interactive flag cleared, then SendSms.
    int SendWithoutWindow();

    // "name<number>" entries joined with ";" from the ";"-separated name and number lists (an
    // entry whose name equals its number is the number alone); every "+" removed. A list longer
    // than the other pairs its extra elements with themselves.
    static CString ParseRecipients(CString strNames, CString strNumbers);
    // One recipient entry after another out of a recipient text; pEntry gets the entry as it
    // stood in the text.
    static BOOL NextRecipient(CString& strRest, CString& strName, CString& strNumber, CString* pEntry = nullptr);
    // The parts a text goes in: one when it fits 160 septets, else parts of at most 152
    // septets, never cutting an escape pair.
    static int SplitText(const CString& strText, CStringArray& arrParts);
    // The number of parts SplitText gives (1 for an empty text).
    static int CountParts(const CString& strText);
    // A reference for linked parts: 10 to 64, none of held unless all are.
    static int DrawReference(const std::set<int>& held = std::set<int>());
    // The characters of the text that the encoder cannot send as they are, each once, in order
    // of appearance: those outside code page 1252 (sent as "?") and those of the code page that
    // the GSM alphabet lacks (sent as "_").
    static CString FindUnsendable(const CString& strText);
    // Every recipient entry of the text keeps a digit and at most 20 digits in its number, and
    // there is one; the first entry that fails (or the whole text) is returned in strBad.
    static BOOL CheckRecipients(const CString& strRecipients, CString& strBad);

    // Adds a text to the recipient history unless it is there already (case ignored); the oldest
    // entry goes when the history is full.
    void AddToHistory(const CString& strText);
    const CStringArray& GetHistory() const { return m_arrHistory; }

    // What a send that stopped partway left with one recipient (by its number): parts 1 to nParts
    // of strText went to it under the reference nRef. The next send of that text gives it only
    // the other parts, under the same reference, so that its phone joins one message. A stored
    // Outbox or Drafts message keeps nRef and nParts in its m_nRef and m_nPart (for its first
    // recipient), which are otherwise 0 for an own message.
    struct PartialSend_t
    {
        CString strNumber, strText;
        int nRef = 0;
        int nParts = 0;
    };
    PartialSend_t m_partial;
    // m_partial from a stored message whose recipient text is strRecipients (none unless it is
    // in "Outbox" or "Drafts" and keeps what a send gave its first recipient).
    void LoadPartial(const CSMS& stored, const CString& strRecipients);
    // Keeps m_partial in a record about to be stored in "Outbox" or "Drafts" when its text is the
    // one sent and its first recipient the one that got the parts; else the record keeps none.
    void StorePartial(CSMS& record) const;
    // The references under which the recipient's phone holds the first parts of an unfinished
    // message: those of stored messages (m_nRef of an "Outbox" or "Drafts" record whose first
    // recipient it is) and of m_partial.
    std::set<int> HeldReferences(const CString& strNumber) const;

    CString m_strMode;     // "Baru", "Reply", "Forward", "ReCompose", "RubahDraft" or empty
    const CSMS* m_pSource; // the record answered, edited or sent; not owned (unless &m_source), may be null
    CSMS m_source;         // the stored record SendWithoutWindow sends when m_pSource is null; after a send that
                           // stopped partway, the stored message as that left it
    int m_bInteractive;    // 1 while running as a window

protected:
    // Where a send gets its recipients, message and flash choice; FALSE ends the send with 0.
    // Without a window: the source record's.
    virtual BOOL ReadInput(CString& strRecipients, CString& strMessage, int& bFlash);
    // The text holds characters that will arrive replaced; FALSE ends the send with 0. Without a
    // window: written to the log, and the send goes on.
    virtual BOOL ConfirmUnsendable(const CString& strChars, CUnicodeTextWriter& log);
    // One step of the send (without a window: posted to the main view's status bar).
    virtual void Announce(const CString& strText);
    // A recipient entry (or the whole recipient text) names no number that can be sent to: the
    // user is told, nothing is sent and the message stays where it is. Without a window: a
    // message box from the phone link.
    virtual void RefuseRecipients(const CString& strBad);

    // A window's send stopped partway: strReport says who got the message, who got how many of
    // its parts and who got nothing, and ends with the phone's failure; strKept are the entries of
    // the recipients still to send to (joined with ";"). What was sent has been filed.
    virtual void ReportPartialSend(const CString& strKept, const CString& strReport);

    // The recipients a send has reached so far: their entries as they stood in the recipient
    // text, their names and numbers (joined with ";").
    struct Reached_t
    {
        CStringArray arrEntries;
        CString strNames, strNumbers;
        void Add(const CString& strEntry, const CString& strName, const CString& strNumber);
    };
    // The recipients a send that stopped partway leaves for the next: their names and numbers
    // (joined with ";"), the first being the one the phone refused; that one got parts 1 to
    // nParts (0: none) under the reference nRef.
    struct Kept_t
    {
        CString strNames, strNumbers;
        CString strText; // the text the send began, which a resumed send must send
        int nRef = 0;
        int nParts = 0;
    };
    // The phone refused part nFailed (of nParts, reference nRef) for the recipient of work, whose
    // entry was strEntry, after the send had reached those of reached; strRest are the recipients
    // not tried. Files what was reached, keeps the others (and what the refused one got) and, in
    // a window, tells who got what.
    void StopPartway(const CSMS& work, const CString& strMessage, const Reached_t& reached, const CString& strEntry,
                     CString strRest, int nFailed, int nParts, int nRef, const CString& strFailure);
    // After a send to the recipients reached (all of them, or the first ones only; then pKept
    // holds the others): stores their history entries and files the message as FileSent does.
    void FileReached(const CSMS& work, const CString& strMessage, const Reached_t& reached, const Kept_t* pKept);
    // Files the message after the send (see SendSms) and saves the data file when that moved or
    // added a record, so that a message the phone took is never in the Outbox after a crash. A
    // send that stopped partway files those it reached in "Sent" and leaves the stored message it
    // sent (Outbox, Drafts) to the others, with what the first of them got; m_pSource then points
    // at a copy of it as it is now.
    void FileSent(const CSMS& work, const CString& strMessage, const CString& strNames, const CString& strNumbers,
                  const Kept_t* pKept);

    CStringArray m_arrHistory;
};
