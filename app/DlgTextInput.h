// CDlgTextInput: the small modal dialog that asks for one line of text ("Add / Edit MyText" by
// default), with the caret at the start of a preset text.
#pragma once
#include "toolkit/menus_dialogs/ExtButton.h"
#include "toolkit/menus_dialogs/ExtEdit.h"
#include "toolkit/menus_dialogs/ExtLabel.h"
#include "toolkit/menus_dialogs/ExtResizableDialog.h"

class CDlgTextInput : public CExtResizableDialog
{
public:
    explicit CDlgTextInput(CWnd* pParent = nullptr);

    // Replace the window title and the label's caption; called before DoModal.
    void SetTitle(const CString& strTitle) { m_strTitle = strTitle; }
    void SetCaption(const CString& strCaption) { m_strCaption = strCaption; }

    BOOL OnInitDialog() override;

    CString m_strText; // the entered text (1053); preset it before DoModal
    CString m_strTitle;
    CString m_strCaption;
    CExtLabel m_wndCaption; // 1140
    CExtEdit m_wndText;     // 1053
    CExtButton m_wndOk;     // OK

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnTextSetFocus();
    DECLARE_MESSAGE_MAP()
};
