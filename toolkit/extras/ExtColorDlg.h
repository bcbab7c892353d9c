// CExtColorDlg: the resizable colour dialog: a large colour control whose model a combo box picks, a small one
// showing the new colour over the initial one, and RGB, CMY and HSL fields (0..255) kept in step with them.
#pragma once
#include "platform/Controls.h"
#include "res/toolkit_color_ids.h"
#include "toolkit/extras/ExtColorCtrl.h"
#include "toolkit/menus_dialogs/ExtButton.h"
#include "toolkit/menus_dialogs/ExtComboBox.h"
#include "toolkit/menus_dialogs/ExtLabel.h"
#include "toolkit/menus_dialogs/ExtResizableDialog.h"

class CExtColorDlg : public CExtResizableDialog
{
    DECLARE_DYNCREATE(CExtColorDlg)
public:
    // The text of the range error when string IDS_EXT_COLOR_RANGE is missing.
    static const wchar_t* const kRangeErrorText;

    CExtColorDlg(COLORREF clrInit = RGB(255, 255, 255), COLORREF clrNew = RGB(255, 255, 255), CWnd* pParent = nullptr);
    ~CExtColorDlg() override;

    COLORREF m_clrInit;
    COLORREF m_clrNew; // the result after OK
    // The caption when not empty; with a line feed after the first character only the text after it counts.
    CString m_strCaption;

    CSpinButtonCtrl m_spinC, m_spinM, m_spinY, m_spinS, m_spinR, m_spinL, m_spinH, m_spinG, m_spinB;
    CEdit m_editC, m_editM, m_editY, m_editS, m_editR, m_editL, m_editH, m_editG, m_editB;
    CExtComboBox m_comboMode;
    CExtButton m_btnCancel, m_btnOK;
    CExtLabel m_labels[12];
    CExtColorCtrl m_wndColorCtrlMain; // mode 0 at first, the combo's choice after
    CExtColorCtrl m_wndColorCtrlDiff; // mode 15
    bool m_bDialogInitComplete = false;
    bool m_bUpdatingColors = false; // the fields and controls are being filled: their handlers stay quiet
    HICON m_hIcon;                  // shared resource icon

    // The caption the dialog shows for a caption string; empty keeps the template's.
    static CString CaptionFromString(const CString& strCaption);
    // Fills the chosen groups of fields from the colour and brings both controls to it.
    void SyncFromColor(COLORREF clr, bool bRGB, bool bCMY, bool bHSL);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Reads three fields as 0..255; false after the range message box (the field focused) at the first one out
    // of range, false without a box when a field holds no number yet (empty, or a lone sign).
    bool ReadFields(CEdit* pEdits[3], int nValues[3]);

    afx_msg void OnPaint();
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg void OnSelEndOkMode();
    afx_msg LRESULT OnColorChanged(WPARAM wParam, LPARAM lParam);
    afx_msg void OnChangeRGB();
    afx_msg void OnChangeCMY();
    afx_msg void OnChangeHSL();
    DECLARE_MESSAGE_MAP()
};
