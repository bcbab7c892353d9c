// CDlgSmsLog: the phone log file shown read-only in an edit that fills the dialog.
#pragma once
#include "toolkit/menus_dialogs/ExtEdit.h"
#include "toolkit/menus_dialogs/ExtResizableDialog.h"

class CDlgSmsLog : public CExtResizableDialog
{
public:
    explicit CDlgSmsLog(CWnd* pParent = nullptr);

    // The log shown; the document's log path when none is set.
    void SetLogPath(const CString& strPath) { m_strLogPath = strPath; }

    BOOL OnInitDialog() override;

    CExtEdit m_wndText; // 1121

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    CString m_strLogPath;
};
