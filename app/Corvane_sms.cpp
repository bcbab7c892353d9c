#include "app/Corvane_sms.h"
#include "app/Corvane_smsView.h"
#include "app/DlgComposeSms.h"
#include "app/MainFrm.h"
#include "phone/Corvane_smsDoc.h"

CCorvane_smsApp::CCorvane_smsApp() : CWinApp(L"Corvane SMS"), m_pDoc(nullptr), m_pMainView(nullptr)
{
    SetPhoneHost(this);
}

CCorvane_smsApp::~CCorvane_smsApp()
{
    if (GetPhoneHost() == this)
        SetPhoneHost(nullptr);
}

BOOL CCorvane_smsApp::InitInstance()
{
    // Every setting lies under HKCU\Software\Corvane\Corvane SMS.
    SetRegistryKey(L"Corvane");
    return TRUE;
}

CCorvane_smsApp* GetCorvaneApp()
{
    return dynamic_cast<CCorvane_smsApp*>(AfxGetApp());
}

CMainFrame* CCorvane_smsApp::GetMainFrame() const
{
    return dynamic_cast<CMainFrame*>(m_pMainWnd);
}

HWND CCorvane_smsApp::GetMainViewWnd()
{
    return m_pMainView ? m_pMainView->GetSafeHwnd() : nullptr;
}

HWND CCorvane_smsApp::GetMainFrameWnd()
{
    CMainFrame* pFrame = GetMainFrame();
    return pFrame ? pFrame->GetSafeHwnd() : GetMainViewWnd();
}

void CCorvane_smsApp::InsertIntoList(int nPos, CSMS* pRecord)
{
    if (CMainFrame* pFrame = GetMainFrame())
        pFrame->InsertSms(nPos, pRecord);
}

void CCorvane_smsApp::RefreshList()
{
    if (m_pMainView)
        m_pMainView->RefreshList();
}

BOOL CCorvane_smsApp::SendWithoutWindow(const CSMS& record)
{
    CDlgComposeSms dlg;
    dlg.m_sms = record;
    return dlg.SendWithoutWindow() == 1;
}
