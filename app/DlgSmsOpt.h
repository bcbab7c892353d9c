// CDlgSmsOpt: the "Setting SMS" page of the settings sheet: signature, prefix, quoting, the delete
// confirmation and the sender on forwarding. The page holds the values; the main frame stores
// them after OK (StoreSettings).
#pragma once
#include "toolkit/menus_dialogs/ExtCheckBox.h"
#include "toolkit/menus_dialogs/ExtEdit.h"
#include "toolkit/menus_dialogs/ExtLabel.h"
#include "toolkit/menus_dialogs/ExtResizableDialog.h"

class CDlgSmsOpt : public CExtResizableDialog
{
    DECLARE_DYNCREATE(CDlgSmsOpt)
public:
    CDlgSmsOpt();

    BOOL OnInitDialog() override;
    // Stores the nine values in the section "Sms".
    void StoreSettings() const;

    CString m_strSignature;      // 1120
    int m_nSmsPrefix;            // 1014
    CString m_strSmsPrefix;      // 1117
    int m_nSaveSmsPrefix;        // 1015
    int m_nQuoteSms;             // 1016
    int m_nCutQuotedSms;         // 1017
    int m_nNumCutQuotedSms;      // 1118
    int m_nConfirmDelSms;        // 1018
    int m_nShowSenderForwardSms; // 1019
    bool m_bInitialized;

    CExtLabel m_wndSignatureLabel, m_wndCutUnit;
    CExtEdit m_wndSignature, m_wndPrefix, m_wndCutLength;
    CExtCheckBox m_wndPrefixOn, m_wndSavePrefix, m_wndQuote, m_wndCutQuote, m_wndConfirmDelete, m_wndForwardSender;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnReadBack();
    DECLARE_MESSAGE_MAP()
};
