// CDlgOptionUmum: the three boxes bound to their settings, stored at each click.
#include "app/DlgOptionUmum.h"
#include "platform/DialogDataExchange.h"
#include "phone/AppSettings.h"
#include "res/settings_ids.h"

IMPLEMENT_DYNCREATE(CDlgOptionUmum, CExtResizableDialog)

BEGIN_MESSAGE_MAP(CDlgOptionUmum, CExtResizableDialog)
ON_BN_CLICKED(IDC_UMUM_FETCH_WHEN_START, OnFetchWhenStart)
ON_BN_CLICKED(IDC_UMUM_SHOW_SPLASH, OnShowSplash)
ON_BN_CLICKED(IDC_UMUM_HIDE_TO_TRAY, OnHideToTray)
END_MESSAGE_MAP()

CDlgOptionUmum::CDlgOptionUmum()
    : CExtResizableDialog(IDD_OPTION_UMUM, nullptr), m_nFetchWhenStart(0), m_nShowSplash(0), m_nHideToTray(0),
      m_bInitialized(false)
{}

void CDlgOptionUmum::DoDataExchange(CDataExchange* pDX)
{
    CExtResizableDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_UMUM_FETCH_WHEN_START, m_wndFetchWhenStart);
    DDX_Control(pDX, IDC_UMUM_SHOW_SPLASH, m_wndShowSplash);
    DDX_Control(pDX, IDC_UMUM_HIDE_TO_TRAY, m_wndHideToTray);
    DDX_Check(pDX, IDC_UMUM_FETCH_WHEN_START, m_nFetchWhenStart);
    DDX_Check(pDX, IDC_UMUM_SHOW_SPLASH, m_nShowSplash);
    DDX_Check(pDX, IDC_UMUM_HIDE_TO_TRAY, m_nHideToTray);
}

BOOL CDlgOptionUmum::OnInitDialog()
{
    CExtResizableDialog::OnInitDialog();
    m_bInitialized = true;
    CAppSettings settings;
    m_nFetchWhenStart = settings.GetIsGetSmsWhenActive() != 0;
    m_nShowSplash = settings.GetIsShowSplash() != 0;
    m_nHideToTray = settings.GetIsHideToTray() != 0;
    UpdateData(FALSE);
    return TRUE;
}

void CDlgOptionUmum::OnFetchWhenStart()
{
    UpdateData(TRUE);
    CAppSettings settings;
    settings.SetIsGetSmsWhenActive(m_nFetchWhenStart ? 1 : 0);
}

void CDlgOptionUmum::OnShowSplash()
{
    UpdateData(TRUE);
    CAppSettings settings;
    settings.SetIsShowSplash(m_nShowSplash ? 1 : 0);
}

void CDlgOptionUmum::OnHideToTray()
{
    UpdateData(TRUE);
    CAppSettings settings;
    settings.SetIsHideToTray(m_nHideToTray ? 1 : 0);
}
