// CDlgImportSms: reads messages from a text file in any of the four encodings, in the backup
// layout, the "Simple SMS" layout or the "MPhone" comma-separated layout, and adds those whose key
// the document does not hold yet.
#pragma once
#include "phone/UnicodeTextFile.h"
#include "toolkit/menus_dialogs/ExtButton.h"
#include "toolkit/menus_dialogs/ExtEdit.h"
#include "toolkit/menus_dialogs/ExtLabel.h"
#include "toolkit/menus_dialogs/ExtRadioButton.h"
#include "toolkit/menus_dialogs/ExtResizableDialog.h"

class CCorvane_smsDoc;
class CSMS;

class CDlgImportSms : public CExtResizableDialog
{
public:
    // The layouts of the radio buttons 1096, 1097, 1098.
    enum ELayout
    {
        kLayoutBackup = 0,
        kLayoutSimple = 1,
        kLayoutMPhone = 2
    };
    // What parsing made of one line.
    enum EParse
    {
        kParsed = 0,  // the record is filled
        kSkipped = 1, // nothing to import (an empty line, an MPhone "Head:" line)
        kRefused = 2  // not importable: its folder is none of the four
    };
    struct SImportResult
    {
        int nLines = 0;        // lines read, every one counted
        int nAdded = 0;        // records appended to the document
        int nDuplicates = 0;   // messages left out: the document held them (or an earlier line)
        int nRefused = 0;      // lines refused
        int nFirstRefused = 0; // number (from 1) of the first refused line; 0 when none
    };

    // The progress label is repainted, and the thread's waiting messages answered, at most once in
    // this many milliseconds during a read or an import (and on the last line), so that a large
    // file neither spends its time painting nor leaves the window "not responding".
    static const ULONGLONG kProgressIntervalMs = 50;

    explicit CDlgImportSms(CWnd* pParent = nullptr);

    // ---- the import ----------------------------------------------------------------------------
    // Every line of the file without its line end, whole (a NUL inside is kept); FALSE when the
    // file cannot be opened. bAnswerMessages: the thread's waiting messages are dispatched meanwhile,
    // and a close asked meanwhile ends the read there. pnEncoding: the file's (TEXTFILE_*).
    static BOOL ReadFileLines(const CString& strPath, CStringArray& lines, BOOL bAnswerMessages = FALSE,
                              int* pnEncoding = nullptr);
    // Fills the empty record from one line. Every field starts empty on every line; dates and
    // times get two digits each (the year its last two). pDoc gives the contact name of an MPhone
    // sender; without it the filtered number is the name.
    static EParse ParseLine(const CString& strLine, int nLayout, CCorvane_smsDoc* pDoc, CSMS& sms);
    // Parses every line and appends, read and keyed, each record whose key the document does not
    // hold yet, under the records lock. A record's key is that of the line the export writes for it,
    // in the file's encoding (nEncoding, TEXTFILE_*), as the layout reads it back. pProgress, when given, shows "memproses sms no i/n" for the
    // first line, then at most every kProgressIntervalMs, and for the last line; each time it shows,
    // the thread's waiting messages are dispatched with the records lock released (the keys held
    // are taken anew when the records changed meanwhile), and a close asked meanwhile stops it.
    static void ImportLines(CCorvane_smsDoc& doc, const CStringArray& lines, int nLayout, SImportResult& result,
                            CWnd* pProgress = nullptr, int nEncoding = TEXTFILE_UNI16_LE);
    // ---- a close of the program during an import -----------------------------------------------
    // An import that answers messages holds the document, so the main window's close (and the end
    // of the session) must not free it. TRUE while OK's read or import runs: the call then asks it
    // to stop at its next line; it ends without its closing boxes and closes the main window itself,
    // whose exit save keeps what it filed. FALSE when no import runs: the caller closes as usual.
    static BOOL StopRunningImportForClose();
    static BOOL IsImportRunning() { return s_nRunning > 0; }

    // "5" -> "05"; a longer text keeps its last two characters; an empty one stays empty.
    static CString TwoDigits(const CString& str);

    // The document imported into; the application's when none is set.
    void SetDocument(CCorvane_smsDoc* pDoc) { m_pDoc = pDoc; }
    // The layout of the checked radio button; -1 when none is checked.
    int GetCheckedLayout() const;

    BOOL OnInitDialog() override;

    CString m_strPath; // 1101

    CExtLabel m_wndKindLabel;    // 1099
    CExtRadioButton m_wndBackup; // 1096
    CExtRadioButton m_wndSimple; // 1097
    CExtRadioButton m_wndMPhone; // 1098
    CExtLabel m_wndFileLabel;    // 1100
    CExtEdit m_wndPath;          // 1101
    CExtButton m_wndBrowse;      // 1016
    CExtButton m_wndOk;          // 1
    CExtButton m_wndCancel;      // 2
    CExtLabel m_wndProgress;     // 1102

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    // Ignored while an import runs; the dialog ends with the import.
    void OnCancel() override;
    void OnBrowse();
    DECLARE_MESSAGE_MAP()

private:
    CCorvane_smsDoc* GetDocument() const;

    CCorvane_smsDoc* m_pDoc; // not owned; null: the application's
    BOOL m_bImporting;       // OK's import runs: OK, Cancel and the file chooser do nothing

    static int s_nRunning;     // imports running (one inside another's answered messages counts too)
    static BOOL s_bCloseAsked; // a close came while one ran: every running import stops at its next line
};
