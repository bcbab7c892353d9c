// CDlgSetting: the modal settings sheet: a tab page container holding one of three sets of
// option pages, chosen by the start-page name, with "<<" and ">>" stepping through them. The
// sheet stores nothing itself: some pages store at once or when they go, the opener stores the
// rest after OK from the pages that were initialised.
#pragma once
#include "app/DlgConnectionOpt.h"
#include "app/DlgMyText.h"
#include "app/DlgOptionUmum.h"
#include "app/DlgPasswordOpt.h"
#include "app/DlgSchedulerOpt.h"
#include "app/DlgSmsOpt.h"
#include "app/DlgThemeColor.h"
#include "toolkit/bars_tabs/ExtTabPageContainerWnd.h"
#include "toolkit/menus_dialogs/ExtButton.h"
#include "toolkit/menus_dialogs/ExtResizableDialog.h"

// The start-page names.
inline constexpr wchar_t kSettingOption[] = L"SettingOption";
inline constexpr wchar_t kSettingSms[] = L"SettingSMS";
inline constexpr wchar_t kSettingMyText[] = L"SettingMyText";

class CDlgSetting : public CExtResizableDialog
{
public:
    explicit CDlgSetting(CWnd* pParent = nullptr);
    ~CDlgSetting() override;

    // "SettingOption", "SettingSMS" or "SettingMyText"; any other name gives no page.
    void SetStartPage(const CString& strName) { m_strStartPage = strName; }
    BOOL OnInitDialog() override;

    // Selects the page by index through the container's strip.
    void SelectPage(int nIndex);

    CExtTabPageContainerWnd m_wndContainer; // 1005
    CDlgSmsOpt m_pageSms;
    CDlgMyText m_pageMyText;
    CDlgConnectionOpt m_pageConnection;
    CDlgOptionUmum m_pageUmum;
    CDlgSchedulerOpt m_pageScheduler;
    CDlgThemeColor m_pageTheme;
    CDlgPasswordOpt m_pagePassword;
    HICON m_hIconSmall; // icon 128 at 16 x 16, owned
    CString m_strStartPage;
    CExtButton m_wndPrev;   // "<<" 1016
    CExtButton m_wndOk;     // OK
    CExtButton m_wndNext;   // ">>" 1017
    CExtButton m_wndCancel; // Cancel

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // Creates the page from its template as a child of the container and inserts it, selected.
    void AddPage(CExtResDlg& page, UINT nTemplate, LPCTSTR lpszText);
    // Top strip, the container's layout for the selected page and the selected tab scrolled into
    // view. The strip takes its slice only while the sheet shows, so this runs again once it does.
    void LayoutStrip();

    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);

    afx_msg void OnPrev();
    afx_msg void OnNext();
    DECLARE_MESSAGE_MAP()
};
