// CDlgOptionUmum: the "Umum" page of the settings sheet: three start-up and window options, each
// stored the moment its box is clicked.
#pragma once
#include "toolkit/menus_dialogs/ExtCheckBox.h"
#include "toolkit/menus_dialogs/ExtResizableDialog.h"

class CDlgOptionUmum : public CExtResizableDialog
{
    DECLARE_DYNCREATE(CDlgOptionUmum)
public:
    CDlgOptionUmum();

    BOOL OnInitDialog() override;

    int m_nFetchWhenStart; // 1039, Settings/IsGetSmsWhenActive
    int m_nShowSplash;     // 1035, Settings/IsShowSplash
    int m_nHideToTray;     // 1036, Settings/IsHideToTray
    bool m_bInitialized;
    CExtCheckBox m_wndFetchWhenStart, m_wndShowSplash, m_wndHideToTray;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnFetchWhenStart();
    afx_msg void OnShowSplash();
    afx_msg void OnHideToTray();
    DECLARE_MESSAGE_MAP()
};
