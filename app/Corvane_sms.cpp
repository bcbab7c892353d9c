// CCorvane_smsApp: start-up, the document template and the shared serial port.
#include "app/Corvane_sms.h"
#include "app/Corvane_smsView.h"
#include "app/DlgAbout.h"
#include "app/DlgComposeSms.h"
#include "app/DlgLogin.h"
#include "app/EventSounds.h"
#include "app/MainFrm.h"
#include "phone/AppSettings.h"
#include "phone/Corvane_smsDoc.h"
#include "res/app_ids.h"

BEGIN_MESSAGE_MAP(CCorvane_smsApp, CWinApp)
ON_COMMAND(ID_FILE_NEW, CWinApp::OnFileNew)
ON_COMMAND(ID_FILE_OPEN, CWinApp::OnFileOpen)
ON_COMMAND(ID_APP_EXIT, CCorvane_smsApp::OnAppExit)
ON_COMMAND(ID_APP_ABOUT, CCorvane_smsApp::OnAppAbout)
END_MESSAGE_MAP()

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
    AfxEnableControlContainer();
    Enable3dControlsStatic();

    // Every setting lies under HKCU\Software\Corvane\<application name>.
    SetRegistryKey(L"Corvane");
    LoadStdProfileSettings(4);

    // The login, before any window: Cancel ends the program.
    UINT nMaskPass = 0, nActivePass = 0;
    CString strPassword;
    {
        CAppSettings settings;
        nMaskPass = settings.GetIsMaskPass();
        nActivePass = settings.GetIsActivePass();
        strPassword = settings.GetPassword();
    }
    // A guard without a stored password could never be passed: the program then starts without it.
    if (nActivePass != 0 && !strPassword.IsEmpty())
    {
        CDlgLogin* pLogin = new CDlgLogin(nullptr);
        pLogin->SetMask(nMaskPass != 0);
        const INT_PTR nResult = pLogin->DoModal();
        delete pLogin;
        // Only a matching password opens the program; a login that could not be shown does not.
        if (nResult != IDOK)
            return FALSE;
    }

    // One document type: the message store, shown in the main frame with the main view.
    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CCorvane_smsDoc), RUNTIME_CLASS(CMainFrame),
                                          RUNTIME_CLASS(CCorvane_smsView)));

    // No arguments: File New. The document is created with the data file beside the program, the
    // frame and its view with it; the view loads the data file.
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (!ProcessShellCommand(cmdInfo) || m_pMainWnd == nullptr)
        return FALSE;

    m_pMainWnd->ShowWindow(SW_SHOW);
    m_pMainWnd->UpdateWindow();
    return TRUE;
}

int CCorvane_smsApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt)
{
    if (!IsGuiThread())
    {
        const CString strText(lpszPrompt);
        int nResult = IDCANCEL;
        if (RunOnGuiThread([&] { nResult = CWinApp::DoMessageBox(strText, nType, nIDPrompt); }))
            return nResult;
    }
    return CWinApp::DoMessageBox(lpszPrompt, nType, nIDPrompt);
}

void CCorvane_smsApp::OnAppAbout()
{
    CDlgAbout dlg;
    dlg.DoModal();
}

void CCorvane_smsApp::OnAppExit()
{
    // Closing the main window runs the whole shutdown (view: phone stopped, data file saved).
    if (m_pMainWnd != nullptr)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

CCorvane_smsApp* GetCorvaneApp() { return dynamic_cast<CCorvane_smsApp*>(AfxGetApp()); }

CMainFrame* CCorvane_smsApp::GetMainFrame() const { return dynamic_cast<CMainFrame*>(m_pMainWnd); }

HWND CCorvane_smsApp::GetMainViewWnd() { return m_pMainView ? m_pMainView->GetSafeHwnd() : nullptr; }

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
    dlg.m_source = record;
    return dlg.SendWithoutWindow() == 1;
}

void CCorvane_smsApp::PlayReceivedSound() { ::PlayReceivedSound(); }

void CCorvane_smsApp::PlayNewMessageSound() { ::PlayNewMessageSound(); }

void CCorvane_smsApp::PlaySentSound() { ::PlaySentSound(); }
