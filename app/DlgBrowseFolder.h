// CDlgBrowseFolder: a plain modal dialog around the shell folder tree; OK gives the selected
// folder's path (no trailing backslash but for a drive root; empty for a virtual item or none).
#pragma once
#include "app/BrowseFolderTreeCtrl.h"
#include "platform/Dialog.h"

class CDlgBrowseFolder : public CDialog
{
public:
    enum
    {
        kFeedbackPeriod = 125 // ms between frames of the busy cursor
    };

    explicit CDlgBrowseFolder(CWnd* pParent = nullptr);
    ~CDlgBrowseFolder() override;

    BOOL OnInitDialog() override;

    CString m_strPath;                       // the chosen folder after OK
    CBrowseFolderProgressTreeCtrl m_wndTree; // 1116

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    HCURSOR m_hBusyCursor; // owned: cursor 189
};
