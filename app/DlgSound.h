// CDlgSound: switches the program's sounds on and off and chooses the wave files of a finished
// fetch, a sent message and a new message, with a browse and a play button for each.
#pragma once
#include "app/HoverButton.h"
#include "toolkit/menus_dialogs/ExtButton.h"
#include "toolkit/menus_dialogs/ExtCheckBox.h"
#include "toolkit/menus_dialogs/ExtEdit.h"
#include "toolkit/menus_dialogs/ExtResizableDialog.h"

class CDlgSound : public CExtResizableDialog
{
public:
    // The three rows of a sound file.
    enum
    {
        kRowRec = 0,
        kRowSent = 1,
        kRowNew = 2,
        kRowCount = 3
    };

    explicit CDlgSound(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;

    BOOL m_bTapIcon;              // 1052
    BOOL m_bRec;                  // 1089
    BOOL m_bSent;                 // 1090
    BOOL m_bNew;                  // 1091
    CString m_strPath[kRowCount]; // 1092, 1054, 1055

    CExtCheckBox m_wndSoundOn; // 1014, set and read directly
    CExtCheckBox m_wndTapIcon;
    CExtCheckBox m_wndRec;
    CExtCheckBox m_wndSent;
    CExtCheckBox m_wndNew;
    CExtEdit m_wndPath[kRowCount];
    CHoverButton m_wndBrowse[kRowCount]; // 133, 135, 137: icon 183
    CHoverButton m_wndPlay[kRowCount];   // 134, 136, 138: icon 184
    CExtButton m_wndOk;
    CExtButton m_wndCancel;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    // A browse or play button of a row.
    void OnButton(UINT nID);
    DECLARE_MESSAGE_MAP()
};
