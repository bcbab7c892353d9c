// CDlgExportSms: writes every message of the four folders to one text file in the backup format
// (UTF-16LE with its byte-order mark), in a folder the user may pick with the browse-folder dialog.
#pragma once
#include "toolkit/menus_dialogs/ExtButton.h"
#include "toolkit/menus_dialogs/ExtEdit.h"
#include "toolkit/menus_dialogs/ExtLabel.h"
#include "toolkit/menus_dialogs/ExtResizableDialog.h"

class CCorvane_smsDoc;
class CSMS;

class CDlgExportSms : public CExtResizableDialog
{
public:
    explicit CDlgExportSms(CWnd* pParent = nullptr);

    // ---- the backup format -------------------------------------------------------------------
    // One line: folder, tab, day/month/year, two blanks, hour:minute:second, tab, number, tab,
    // name, tab, text, one blank, CR LF. The number and name are the sender's in "Inbox", the
    // recipients' elsewhere. A tab, CR or LF inside any field becomes a blank, so every line has
    // exactly five fields.
    static CString FormatBackupLine(const CSMS& sms);
    // The same line appended to the text.
    static void AppendBackupLine(CString& strLine, const CSMS& sms);
    // Writes every record of the document (under its records lock) except those whose hour and
    // second are both empty; nCount := all records of the list. A file at the path is replaced
    // only by the whole new one: FALSE when it could not be written, and the old file stays.
    static BOOL WriteBackupFile(CCorvane_smsDoc& doc, const CString& strPath, int& nCount);
    // The folder, a backslash unless it ends with one, the file name with ".txt" appended unless
    // it already ends with it (case counts).
    static CString MakeExportPath(const CString& strFolder, CString strFileName);

    // The document exported; the application's when none is set.
    void SetDocument(CCorvane_smsDoc* pDoc) { m_pDoc = pDoc; }

    BOOL OnInitDialog() override;

    CString m_strFileName; // 1114
    CString m_strFileType; // 1108, shown only
    CString m_strFolder;   // 1109; initially the root of drive C

    CExtLabel m_wndSaveAs;      // 1110
    CExtLabel m_wndNameLabel;   // 1111
    CExtLabel m_wndTypeLabel;   // 1112
    CExtLabel m_wndFolderLabel; // 1113
    CExtEdit m_wndName;         // 1114
    CExtEdit m_wndType;         // 1108
    CExtEdit m_wndFolder;       // 1109
    CExtButton m_wndBrowse;     // 1016
    CExtButton m_wndExport;     // 1115
    CExtButton m_wndCancel;     // 2

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnBrowse();
    void OnExport();
    DECLARE_MESSAGE_MAP()

private:
    CCorvane_smsDoc* GetDocument() const;

    CCorvane_smsDoc* m_pDoc; // not owned; null: the application's
};
