// Dialog boxes: modal and modeless, from resources or from templates in memory, with dialog
// data exchange.
#pragma once
#include "platform/Wnd.h"
#include <functional>

#ifndef afx_msg
#define afx_msg
#endif

class CDataExchange;

#ifndef RT_DLGINIT
#define RT_DLGINIT MAKEINTRESOURCE(240)
#endif

// Dialog procedure of every dialog of the layer: WM_INITDIALOG reaches CDialog::OnInitDialog.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// The dialog whose dialog manager takes the keys of hWnd's controls: the outermost dialog reached from hWnd through
// child windows that are control parents (WS_EX_CONTROLPARENT: a page inside a sheet's container, a form inside a
// dialog), whose controls that manager walks with its own; else hWnd itself.
HWND PlatformKeyDialogOf(HWND hWnd);

// Runs dialog-init data (list and combo box strings of RT_DLGINIT) on a window's controls:
// LB_ADDSTRING, CB_ADDSTRING and extended combo box items. The walk stays inside cbResource bytes
// (an entry running past them fails); each text is taken by its length. Data in memory whose size
// the caller does not know passes kDlgInitSizeUnknown and must end with a control id 0.
const DWORD kDlgInitSizeUnknown = 0x7FFFFFFF;
BOOL PlatformExecuteDlgInit(CWnd* pWnd, const void* lpResource, DWORD cbResource);

// One entry of dialog-init data: control id, message and its text (cbText bytes, not terminated).
struct PlatformDlgInitEntry
{
    WORD nIDC;
    WORD nMsg;
    const char* pText;
    DWORD cbText;
};
// Reads the entry at p (cbLeft bytes left): 1 when one was read (p and cbLeft move past it), 0 at
// the end of the list (id 0 or no bytes left), -1 when the entry runs past the end.
int PlatformReadDlgInitEntry(const BYTE*& p, DWORD& cbLeft, PlatformDlgInitEntry& entry);

// The owner's side of a modal run of pWnd for the life of the object: the owner (hWndParent, not the desktop)
// is disabled when it is enabled. When the object goes, whatever ends the run (a return or a throw), the owner
// is enabled again when it was disabled here and activated when the window was active, the window is
// destroyed, then onEnd runs. Declared before the run's CPlatformModalRun, so that the run has ended by then.
class CPlatformModalOwnerGuard
{
public:
    CPlatformModalOwnerGuard(CWnd* pWnd, HWND hWndParent, std::function<void()> onEnd = nullptr);
    ~CPlatformModalOwnerGuard();
    CPlatformModalOwnerGuard(const CPlatformModalOwnerGuard&) = delete;
    CPlatformModalOwnerGuard& operator=(const CPlatformModalOwnerGuard&) = delete;

private:
    CWnd* m_pWnd;         // the run's window object; outlives the guard
    HWND m_hWndParent;    // the owner
    BOOL m_bEnableParent; // the owner was disabled here
    std::function<void()> m_onEnd;
};

class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    virtual ~CDialog();

    // Modeless
    virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    virtual BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr,
                                void* lpDialogInit = nullptr);
    virtual BOOL CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = nullptr);

    // Modal
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr, void* lpDialogInit = nullptr);
    BOOL InitModalIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = nullptr);
    virtual INT_PTR DoModal();

    void EndDialog(int nResult);
    void MapDialogRect(LPRECT lpRect) const;
    void SetHelpID(UINT nIDR) { m_nIDHelp = nIDR; }
    void SetDefID(UINT nID);
    DWORD GetDefID() const;

    virtual BOOL OnInitDialog();
    virtual void OnSetFont(CFont* pFont) { (void)pFont; }
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;

    // A window destroyed behind the modal loop's back ends it too.
    virtual BOOL ContinueModal() override;

    // Resource or in-memory template of the dialog
    LPCTSTR m_lpszTemplateName = nullptr;
    HGLOBAL m_hDialogTemplate = nullptr;
    LPCDLGTEMPLATE m_lpDialogTemplate = nullptr;
    void* m_lpDialogInit = nullptr;
    CWnd* m_pParentWnd = nullptr;
    HWND m_hWndTop = nullptr;
    UINT m_nIDHelp = 0;

protected:
    virtual void OnOK();
    virtual void OnCancel();
    virtual void PreInitDialog() {}

    // Modal state: PreModal answers the owner window (and disables the top-level window).
    HWND PreModal();
    void PostModal();
    // The modal run once the template is at hand: the owner disabled, the window made by
    // create(owner), the loop run while the dialog continues, the window hidden and destroyed and
    // the modal state ended, also when something throws. A CException on the way gives -1. Answers
    // m_nModalResult.
    INT_PTR RunModal(const std::function<BOOL(CWnd* pParentWnd)>& create);

    // Creates the window from a template (dialog procedure AfxDlgProc, creation hooked).
    BOOL CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst);
    // The creation step itself, on a template whose font is settled: the modal flags set, the window
    // made (an owner that is the dialog itself dropped). A dialog ended during its initialisation
    // loses its window but keeps its result.
    BOOL CreateWindowFromTemplate(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst);
    BOOL ExecuteDlgInit(LPCTSTR lpszResourceName);
    BOOL ExecuteDlgInit(LPVOID lpResource);

    afx_msg LRESULT HandleSetFont(WPARAM wParam, LPARAM lParam);

    friend INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    void CommonConstruct();
    CString m_strTemplateName;
};
