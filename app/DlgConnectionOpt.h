// CDlgConnectionOpt: the "Settings" page of the settings sheet: the phone's COM port with a
// connection test, reading and writing the service-centre number, the reply time-out and two
// storage options. Its values are stored whenever the sheet closes, by OK or by Cancel.
#pragma once
#include "toolkit/menus_dialogs/ExtButton.h"
#include "toolkit/menus_dialogs/ExtCheckBox.h"
#include "toolkit/menus_dialogs/ExtComboBox.h"
#include "toolkit/menus_dialogs/ExtEdit.h"
#include "toolkit/menus_dialogs/ExtGroupBox.h"
#include "toolkit/menus_dialogs/ExtLabel.h"
#include "toolkit/menus_dialogs/ExtResizableDialog.h"

class CIrdaPort;

class CDlgConnectionOpt : public CExtResizableDialog
{
public:
    CDlgConnectionOpt();

    // True when every character is a digit 0-9; an empty text counts as all digits.
    static BOOL IsAllDigits(const CString& strText);
    // The stored time-out in ms for the edit's text: its leading digits as seconds times 1000, 0
    // when it starts with no digit (a sign included), at most the largest whole second a DWORD holds.
    static DWORD TimeoutFromText(const CString& strText);

    BOOL OnInitDialog() override;

    // The reply wait of each service-centre exchange, in ms.
    static const DWORD kSmscTimeout = 10000;
    // The ports the combo box offers: COM0: .. COM9:.
    static const int kPortCount = 10;

    CString m_strSmsc;    // 1021
    CString m_strTimeout; // 1025, seconds
    bool m_bInitialized;

    CExtGroupBox m_wndGroupConnection, m_wndGroupSmsc, m_wndGroupOther;
    CExtComboBox m_wndPort;
    CExtButton m_wndTest, m_wndAdvanced, m_wndReadSmsc, m_wndWriteSmsc, m_wndHelp;
    CExtEdit m_wndSmsc, m_wndTimeout;
    CExtLabel m_wndTimeoutLabel, m_wndTimeoutUnit;
    CExtCheckBox m_wndDeleteFetched, m_wndSaveToSent;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // One command and its replies up to "OK" on an open port: TRUE on "OK"; the last reply that
    // is neither empty, "OK" nor an error goes to strInfo. FALSE on a silence (strError empty) or
    // on an error reply ("ERROR", "+CMS ERROR: n", "+CME ERROR: n"; strError holds it).
    static BOOL ExchangeLines(CIrdaPort& port, const CString& strCommand, DWORD dwTimeout, CString& strInfo,
                              CString& strError);
    // The end of a failed service-centre exchange: the shared port closed, the failure shown.
    void ReportSmscFailure(const CString& strError);

    afx_msg void OnDestroy();
    afx_msg void OnTestConnection();
    afx_msg void OnReadSmsc();
    afx_msg void OnWriteSmsc();
    afx_msg void OnSmscHelp();
    DECLARE_MESSAGE_MAP()
};
