// CDlgPasswordOpt: the "Password" page of the settings sheet: the login guard on or off, masking,
// and a new password stored at once as its digest text. The guard and mask states are stored by
// the main frame after OK.
#pragma once
#include "toolkit/menus_dialogs/ExtButton.h"
#include "toolkit/menus_dialogs/ExtCheckBox.h"
#include "toolkit/menus_dialogs/ExtEdit.h"
#include "toolkit/menus_dialogs/ExtGroupBox.h"
#include "toolkit/menus_dialogs/ExtLabel.h"
#include "toolkit/menus_dialogs/ExtResizableDialog.h"

class CDlgPasswordOpt : public CExtResizableDialog
{
public:
    CDlgPasswordOpt();

    // The longest password, in characters.
    static const int kMaxPassword = 10;
    // The password character of a masked edit.
    static const WCHAR kMaskChar = L'*';

    // The digest text of a password: SHA-1 over all bytes of its UTF-16 little-endian text,
    // rendered as 20 upper-case hex pairs separated by blanks (59 characters).
    static CString DigestText(const CString& strPassword);
    // The same over only the first n of the 2n bytes: the form older versions stored.
    static CString LegacyDigestText(const CString& strPassword);

    BOOL OnInitDialog() override;

    CString m_strPassword; // 1053
    CString m_strRetype;   // 1054
    BOOL m_bActive;        // 1055 as last clicked
    BOOL m_bMask;          // 1058 as last clicked
    bool m_bInitialized;

    CExtCheckBox m_wndActive, m_wndMask;
    CExtGroupBox m_wndGroup;
    CExtLabel m_wndPasswordLabel, m_wndRetypeLabel;
    CExtEdit m_wndPassword, m_wndRetype;
    CExtButton m_wndSave;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void EnableDependents(BOOL bEnable);
    void ApplyMask(BOOL bMask);

    afx_msg void OnActiveClicked();
    afx_msg void OnMaskClicked();
    afx_msg void OnSavePassword();
    DECLARE_MESSAGE_MAP()
};
