// CDlgLogin: the password prompt at start-up, before any window exists: the password typed or
// entered on the on-screen keypad, compared by its digest text with the stored one.
#pragma once
#include "platform/Dialog.h"
#include "platform/Gdi.h"
#include "app/LoginKeyButton.h"
#include "toolkit/menus_dialogs/ExtButton.h"
#include "toolkit/menus_dialogs/ExtEdit.h"

class CDlgLogin : public CDialog
{
public:
    explicit CDlgLogin(CWnd* pParent = nullptr);

    // Whether the typed password shows as "*"; set before DoModal.
    void SetMask(BOOL bMask) { m_bMask = bMask; }
    BOOL OnInitDialog() override;

    // The keypad font's size in points.
    static const int kKeypadPoints = 22;

    CString m_strPassword; // 1138
    BOOL m_bMask;
    CFont m_fontKeypad;
    CExtEdit m_wndPassword;
    CExtButton m_wndLogin, m_wndExit;
    CLoginKeyButton m_wndKeys[12]; // 1126 .. 1137: "1" .. "9", "*", "0", "<"

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // Compares the digest text of the typed password with the stored one; a stored digest of the
    // older form is accepted once and replaced by the full form.
    void OnOK() override;
    void AppendKey(WCHAR ch);

    afx_msg void OnKey(UINT nID);
    afx_msg void OnBackspace();
    afx_msg void OnPasswordChange();
    DECLARE_MESSAGE_MAP()
};
