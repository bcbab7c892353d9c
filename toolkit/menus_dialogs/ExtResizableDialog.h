// CExtResizableDialog: the toolkit's resizable dialog (anchoring and state layers over CExtResDlg)
// that stays quiet when embedded, updates the toolkit bars it holds at idle time and lets the bars
// around and inside it see key messages first.
#pragma once
#include "toolkit/foundation/ExtResDlg.h"
#include "toolkit/menus_dialogs/ExtWA.h"

class CExtResizableDialog : public CExtWA<CExtWS<CExtResDlg, 301>>
{
    DECLARE_DYNCREATE(CExtResizableDialog)
public:
    typedef CExtWA<CExtWS<CExtResDlg, 301>> Layers_t;

    // Bits of m_nDlgFlags.
    enum : BYTE
    {
        kDlgIdleUpdate = 0x01,        // idle update of child bars on (from PreSubclassWindow to WM_DESTROY)
        kDlgIdleUpdateRunning = 0x02, // an idle update runs now (no re-entry)
    };

    CExtResizableDialog();
    CExtResizableDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CExtResizableDialog() override;

    // The thread's current message is one after which the command UI is refreshed.
    static bool IsIdleNow();
    // The idle step of a dialog or page: the child bars' command UI when bIdle held, the window
    // still belongs to pWnd and no update runs yet.
    static void RunIdleUpdate(CWnd* pWnd, HWND hWnd, bool bIdle, BYTE& nFlags);

    BYTE m_nDlgFlags = 0; // kDlg... bits

protected:
    void PreSubclassWindow() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // An embedded dialog never ends itself on Enter or Escape.
    void OnOK() override;
    void OnCancel() override;
};
