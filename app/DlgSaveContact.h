// CDlgSaveContact: collects the first and last name, the file-as name, the number, the kind of
// number and a category of a new Outlook contact.
#pragma once
#include "toolkit/menus_dialogs/ExtButton.h"
#include "toolkit/menus_dialogs/ExtComboBox.h"
#include "toolkit/menus_dialogs/ExtEdit.h"
#include "toolkit/menus_dialogs/ExtLabel.h"
#include "toolkit/menus_dialogs/ExtResizableDialog.h"

class CDlgSaveContact : public CExtResizableDialog
{
public:
    enum
    {
        kKindCount = 11,
        kKindDefault = 3 // "Mobile Number"
    };
    // The kinds of number in the order of the kind list.
    static const wchar_t* const s_kindNames[kKindCount];

    explicit CDlgSaveContact(CWnd* pParent = nullptr);

    // The category list shown; the document's when not set ("|" after each category).
    void SetCategoryList(const CString& strList)
    {
        m_strCategoryList = strList;
        m_bCategoryListSet = TRUE;
    }

    BOOL OnInitDialog() override;
    // Fills the file-as choices from the two names and selects the first.
    void UpdateFileAs();

    CString m_strFileAs;
    CString m_strCategory;
    CString m_strKind;
    CString m_strFirstName; // 1084
    CString m_strLastName;  // 1080
    CString m_strNumber;    // 1081
    CStringArray m_arrCategories;

    CExtComboBox m_wndCategory; // 1142
    CExtLabel m_wndFirstLabel;  // 1083
    CExtEdit m_wndFirstName;    // 1084
    CExtLabel m_wndLastLabel;   // 1085
    CExtEdit m_wndLastName;     // 1080
    CExtLabel m_wndFileAsLabel; // 1086
    CExtComboBox m_wndFileAs;   // 1007
    CExtLabel m_wndNumberLabel; // 1087
    CExtEdit m_wndNumber;       // 1081
    CExtLabel m_wndKindLabel;   // 1088
    CExtComboBox m_wndKind;     // 1082
    CExtButton m_wndOk;         // "Simpan"
    CExtButton m_wndCancel;     // "Keluar"

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnNameChanged();
    void OnKindSelected();
    void OnFileAsChanged();
    DECLARE_MESSAGE_MAP()

    CString m_strCategoryList;
    BOOL m_bCategoryListSet;
};
