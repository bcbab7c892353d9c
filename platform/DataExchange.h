// Context of one dialog data exchange (DoDataExchange): direction, dialog and the control last
// prepared, so that a failed validation can put the focus back on it.
#pragma once
#include "platform/Core.h"

class CWnd;

class CDataExchange
{
public:
    BOOL m_bSaveAndValidate; // TRUE: controls to members (and validate); FALSE: members to controls
    CWnd* m_pDlgWnd;
    HWND m_hWndLastControl;
    BOOL m_bEditLastControl;
    UINT m_idLastControl;

    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    HWND PrepareCtrl(int nIDC);     // the control's window; it becomes the last control
    HWND PrepareEditCtrl(int nIDC); // the same, for an edit control
    void Fail();                    // focuses the last control and throws a CUserException
};
