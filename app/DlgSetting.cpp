// CDlgSetting: the page sets, the two step buttons and the anchors.
#include "app/DlgSetting.h"
#include "platform/DialogDataExchange.h"
#include "res/app_ids.h"
#include "res/settings_ids.h"
#include "toolkit/bars_tabs/ExtTabWnd.h"

BEGIN_MESSAGE_MAP(CDlgSetting, CExtResizableDialog)
ON_BN_CLICKED(IDC_SETTING_PREV, OnPrev)
ON_BN_CLICKED(IDC_SETTING_NEXT, OnNext)
ON_WM_WINDOWPOSCHANGED()
END_MESSAGE_MAP()

CDlgSetting::CDlgSetting(CWnd* pParent) : CExtResizableDialog(IDD_SETTING, pParent)
{
    m_hIconSmall = (HICON)::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, 16, 16, 0);
}

CDlgSetting::~CDlgSetting()
{
    if (m_hIconSmall != nullptr)
        ::DestroyIcon(m_hIconSmall);
}

void CDlgSetting::DoDataExchange(CDataExchange* pDX)
{
    CExtResizableDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SETTING_CONTAINER, m_wndContainer);
    DDX_Control(pDX, IDC_SETTING_PREV, m_wndPrev);
    DDX_Control(pDX, IDOK, m_wndOk);
    DDX_Control(pDX, IDC_SETTING_NEXT, m_wndNext);
    DDX_Control(pDX, IDCANCEL, m_wndCancel);
}

void CDlgSetting::AddPage(CExtResDlg& page, UINT nTemplate, LPCTSTR lpszText)
{
    if (!page.Create(nTemplate, &m_wndContainer))
        return;
    m_wndContainer.PageInsert(&page, lpszText, nullptr, true, -1, true);
}

BOOL CDlgSetting::OnInitDialog()
{
    CExtResizableDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)m_hIconSmall);
    AddAnchorById(IDC_SETTING_PREV, AnchorBottomRight);
    AddAnchorById(IDC_SETTING_NEXT, AnchorBottomRight);
    AddAnchorById(IDCANCEL, AnchorBottomRight);
    AddAnchorById(IDOK, AnchorBottomRight);
    AddAnchorById(IDC_SETTING_CONTAINER, AnchorTopLeft, AnchorBottomRight);

    if (m_strStartPage == kSettingMyText)
    {
        m_pageMyText.SetListName(L"MyText");
        AddPage(m_pageMyText, IDD_MYTEXT, L"MyText");
    }
    else if (m_strStartPage == kSettingSms)
    {
        AddPage(m_pageSms, IDD_SMS_OPT, L"Setting SMS");
        m_pageMyText.SetListName(L"MyText");
        AddPage(m_pageMyText, IDD_MYTEXT, L"MyText");
    }
    else if (m_strStartPage == kSettingOption)
    {
        AddPage(m_pageConnection, IDD_CONNECTION_OPT, L"Settings");
        AddPage(m_pageUmum, IDD_OPTION_UMUM, L"Umum");
        AddPage(m_pageScheduler, IDD_SCHEDULER_OPT, L"Scheduler");
        AddPage(m_pageTheme, IDD_THEME_COLOR, L"Theme");
        AddPage(m_pagePassword, IDD_PASSWORD_OPT, L"Password");
    }

    LayoutStrip();
    return TRUE;
}

void CDlgSetting::LayoutStrip()
{
    if (CExtTabWnd* pStrip = m_wndContainer.GetSafeTabWindow())
    {
        pStrip->ModifyTabWndStyle(CExtTabWnd::kOrientMask, CExtTabWnd::kOrientTop, false);
        pStrip->UpdateTabWnd(true);
        m_wndContainer.RecalcLayout();
        if (m_wndContainer.PageGetCount() > 0 && m_wndContainer.PageSelectionGet() >= 0)
            pStrip->ItemEnsureVisible(m_wndContainer.PageSelectionGet(), true);
    }
}

void CDlgSetting::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CExtResizableDialog::OnWindowPosChanged(lpwndpos);
    if ((lpwndpos->flags & SWP_SHOWWINDOW) != 0 && m_wndContainer.GetSafeHwnd() != nullptr)
        LayoutStrip();
}

void CDlgSetting::SelectPage(int nIndex)
{
    if (CExtTabWnd* pStrip = m_wndContainer.GetSafeTabWindow())
        pStrip->SelectionSet(nIndex, true, true);
}

void CDlgSetting::OnPrev()
{
    const int nCount = m_wndContainer.PageGetCount(), nSelected = m_wndContainer.PageSelectionGet();
    if (nCount > 1 && nSelected > 0)
        SelectPage(nSelected - 1);
}

void CDlgSetting::OnNext()
{
    const int nCount = m_wndContainer.PageGetCount(), nSelected = m_wndContainer.PageSelectionGet();
    if (nCount > 1 && nSelected >= 0 && nSelected < nCount - 1)
        SelectPage(nSelected + 1);
}
