// CExtResDlg: the toolkit's dialog base, whose template and dialog-init data come through the
// resource manager and whose font follows the property-sheet font; the dialog-init step.
#pragma once
#include "platform/Dialog.h"

// Runs the RT_DLGINIT resource named lpszResourceName (found through the resource manager) on the
// window's controls; a resource that is not found runs the step with no data.
BOOL ExecuteResDlgInit(CWnd* pWnd, LPCTSTR lpszResourceName);
// Runs cbData bytes of dialog-init data; an entry running past them fails. No data succeeds.
BOOL ExecuteDlgInitData(CWnd* pWnd, const void* pData, DWORD cbData);

// The dialog template lpszTemplateName found through the resource manager: its data, bytes and
// module. Null when it is missing or does not lie within its resource.
LPCDLGTEMPLATE ExtFindDialogTemplate(LPCTSTR lpszTemplateName, DWORD& cbTemplate, HINSTANCE& hModule);

// Reads the font of a template of cbTemplate bytes (plain or extended); false when it has none
// or the template ends before its font does.
bool ExtReadDialogTemplateFont(const DLGTEMPLATE* pTemplate, DWORD cbTemplate, CString& strFace, WORD& nSize);

// The initialisation of a toolkit dialog or page: the dialog-init data of lpszResTemplateName runs
// through the resource manager (when named), then baseInit runs with the dialog's own init data and
// template name hidden, so that it does not load them a second time.
template <class BaseInit> BOOL ExtResOnInitDialog(CDialog* pDlg, LPCTSTR lpszResTemplateName, BaseInit baseInit)
{
    if (lpszResTemplateName != nullptr)
    {
        pDlg->m_lpDialogInit = nullptr;
        ExecuteResDlgInit(pDlg, lpszResTemplateName);
    }
    void* lpDialogInit = pDlg->m_lpDialogInit;
    LPCTSTR lpszTemplateName = pDlg->m_lpszTemplateName;
    pDlg->m_lpDialogInit = nullptr;
    pDlg->m_lpszTemplateName = nullptr;
    const BOOL bResult = baseInit();
    pDlg->m_lpDialogInit = lpDialogInit;
    pDlg->m_lpszTemplateName = lpszTemplateName;
    return bResult;
}

class CExtResDlg : public CDialog
{
    DECLARE_DYNCREATE(CExtResDlg)
public:
    CExtResDlg();
    CExtResDlg(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    CExtResDlg(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    ~CExtResDlg() override;

    BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr) override;
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr) override;
    // From template data in memory (null parent: the main window); the init-data pointer is cleared.
    BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst);
    BOOL CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst);
    BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr,
                        void* lpDialogInit = nullptr) override;
    BOOL CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = nullptr) override;

    INT_PTR DoModal() override;
    virtual INT_PTR DoModalImpl();
    BOOL OnInitDialog() override;

    // The creation step of both ways; cbTemplate 0 measures an in-memory template.
    BOOL CreateFromTemplate(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst, DWORD cbTemplate = 0);
    // A copy of the template in the property-sheet face when its own face is "MS Sans Serif" or
    // "MS Shell Dlg" at the property-sheet size; null when the template stays as it is. The
    // caller frees the copy with GlobalFree.
    static HGLOBAL AdjustTemplateFont(LPCDLGTEMPLATE lpDialogTemplate, DWORD cbTemplate = 0);

    // The template name the dialog was last created or run from.
    LPCTSTR m_lpszResTemplateName = nullptr;

protected:
    void SetResTemplateName(LPCTSTR lpszTemplateName);

private:
    CString m_strResTemplateName; // storage of a string name
};
