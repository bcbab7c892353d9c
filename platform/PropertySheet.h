// Property pages and sheets on the common-control property sheet, modal and modeless.
#pragma once
#include "platform/Collections.h"
#include "platform/Dialog.h"
#include "platform/ListCtrl.h"
#include <prsht.h>

class CPropertySheet;

// Page-record callback of every page (creation hook).
UINT CALLBACK AfxPropPageCallback(HWND hWnd, UINT message, LPPROPSHEETPAGEW pPropPage);

class CPropertyPage : public CDialog
{
    DECLARE_DYNAMIC(CPropertyPage)
public:
    CPropertyPage();
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption = 0);
    virtual ~CPropertyPage();
    void Construct(UINT nIDTemplate, UINT nIDCaption = 0);
    void Construct(LPCTSTR lpszTemplateName, UINT nIDCaption = 0);

    // The page record handed to the sheet (a copy goes into the sheet's array).
    PROPSHEETPAGEW m_psp;

    void CancelToClose();
    void SetModified(BOOL bChanged = TRUE);
    LRESULT QuerySiblings(WPARAM wParam, LPARAM lParam);
    CPropertySheet* GetParentSheet() const;

    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    virtual BOOL OnApply();
    virtual void OnReset();
    virtual void OnOK() override;
    virtual void OnCancel() override;
    virtual BOOL OnQueryCancel();
    virtual LRESULT OnWizardBack();
    virtual LRESULT OnWizardNext();
    virtual BOOL OnWizardFinish();

    // Makes the record point at the template in memory (PSP_DLGINDIRECT).
    virtual void PreProcessPageTemplate(PROPSHEETPAGEW& psp, BOOL bWizard);

    CString m_strCaption;
    BOOL m_bFirstSetActive = TRUE;

protected:
    void CommonConstruct(LPCTSTR lpszTemplateName, UINT nIDCaption);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;

    HGLOBAL m_hTemplateCopy = nullptr; // template kept for the page record
    // Keeps hCopy as the page's template (freeing the one before) and points the record at it.
    void UseTemplateCopy(PROPSHEETPAGEW& psp, HGLOBAL hCopy);
    friend class CPropertySheet;
};

class CPropertySheet : public CWnd
{
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet();
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    virtual ~CPropertySheet();
    void Construct(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    void Construct(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    // Modeless; a WS_CHILD style makes an embedded sheet.
    virtual BOOL Create(CWnd* pParentWnd = nullptr, DWORD dwStyle = (DWORD)-1, DWORD dwExStyle = 0);
    virtual INT_PTR DoModal();

    void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    int GetPageCount() const;
    CPropertyPage* GetPage(int nPage) const;
    int GetPageIndex(CPropertyPage* pPage);
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);
    CTabCtrl* GetTabControl() const;
    void SetTitle(LPCTSTR lpszText, UINT nStyle = 0);
    void SetWizardMode() { m_psh.dwFlags |= PSH_WIZARD; }
    BOOL IsWizard() const { return (m_psh.dwFlags & (PSH_WIZARD | PSH_WIZARD97)) != 0; }
    void SetWizardButtons(DWORD dwFlags);
    void SetFinishText(LPCTSTR lpszText);
    void EnableStackedTabs(BOOL bStacked) { m_bStacked = bStacked; }
    BOOL PressButton(int nButton);
    void EndDialog(int nEndID);
    void MapDialogRect(LPRECT lpRect) const;

    virtual BOOL OnInitDialog();
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    // Commands go to the active page first.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    virtual BOOL ContinueModal() override;

    PROPSHEETHEADERW m_psh;
    CPtrArray m_pages;
    CString m_strCaption;
    CWnd* m_pParentWnd = nullptr;
    BOOL m_bStacked = TRUE;
    BOOL m_bModeless = FALSE;
    DWORD m_dwRequestedStyle = (DWORD)-1; // style asked for by Create (applied before creation)

protected:
    // Fills m_psh.ppsp with a copy of every page's record.
    virtual void BuildPropPageArray();
    // The copies, each prepared by its page for a wizard when m_psh.dwFlags has any of dwWizardFlags.
    void BuildPageRecords(DWORD dwWizardFlags);
    void CommonConstruct(CWnd* pParentWnd, UINT iSelectPage);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    afx_msg void OnClose();
    DECLARE_MESSAGE_MAP()

    friend int CALLBACK AfxPropSheetCallback(HWND, UINT message, LPARAM lParam);
    HWND m_hWndTop = nullptr;
    // The array BuildPropPageArray made (new[]; freed by the next build and by the destructor).
    // A sheet that builds its own array stores it here and in m_psh.ppsp.
    PROPSHEETPAGEW* m_pPageArray = nullptr;
};

// Sheet callback: applies the requested style to the sheet's template before creation.
int CALLBACK AfxPropSheetCallback(HWND hWnd, UINT message, LPARAM lParam);
