// CDlgSearch: asks which field of the current folder's messages to search and for what text.
#pragma once
#include "toolkit/menus_dialogs/ExtButton.h"
#include "toolkit/menus_dialogs/ExtComboBox.h"
#include "toolkit/menus_dialogs/ExtEdit.h"
#include "toolkit/menus_dialogs/ExtLabel.h"
#include "toolkit/menus_dialogs/ExtResizableDialog.h"

class CDlgSearch : public CExtResizableDialog
{
public:
    // The fields of the combo, in its order.
    enum
    {
        kFieldName = 0,  // "Dari/Ke"
        kFieldText = 1,  // "Pesan"
        kFieldNumber = 2 // "No Hp"
    };

    explicit CDlgSearch(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;

    int m_nField;        // the combo's choice; kFieldText after OnInitDialog
    CString m_strSearch; // 1093

    CExtLabel m_wndTypeLabel; // 1094
    CExtComboBox m_wndType;   // 1007
    CExtLabel m_wndTextLabel; // 1095
    CExtEdit m_wndText;       // 1093
    CExtButton m_wndOk;       // "Cari"

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnTypeSelected();
    DECLARE_MESSAGE_MAP()
};
