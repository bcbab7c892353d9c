// CDlgAbout: the About box with the program's name and version.
#pragma once
#include "toolkit/menus_dialogs/ExtButton.h"
#include "toolkit/menus_dialogs/ExtLabel.h"
#include "toolkit/menus_dialogs/ExtResizableDialog.h"

class CDlgAbout : public CExtResizableDialog
{
public:
    explicit CDlgAbout(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;

    CExtLabel m_wndText; // 1141
    CExtButton m_wndOk;  // OK

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
