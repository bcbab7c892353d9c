// The application object: owns the one serial port of the process, knows the document and the
// main view, and serves the phone link (CPhoneHost).
#pragma once
#include "platform/Platform.h"
#include "phone/IrdaPort.h"
#include "phone/PhoneHost.h"

class CCorvane_smsDoc;
class CCorvane_smsView;
class CMainFrame;

class CCorvane_smsApp : public CWinApp, public CPhoneHost
{
public:
    CCorvane_smsApp();
    virtual ~CCorvane_smsApp();

    // Start-up: registry key, recent files, the document template, the command line (File New)
    // and the main window. FALSE ends the program.
    virtual BOOL InitInstance() override;
    // Every message box is shown by the GUI thread, also one asked for by a phone job.
    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt) override;

    // The document and the main view, stored by the view when it is created.
    CCorvane_smsDoc* GetDoc() override { return m_pDoc; }
    void SetDoc(CCorvane_smsDoc* pDoc) { m_pDoc = pDoc; }
    CCorvane_smsView* GetView() const { return m_pMainView; }
    void SetView(CCorvane_smsView* pView) { m_pMainView = pView; }
    CMainFrame* GetMainFrame() const;

    // CPhoneHost
    CIrdaPort& GetPort() override { return m_port; }
    HWND GetMainViewWnd() override;
    HWND GetMainFrameWnd() override;
    void InsertIntoList(int nPos, CSMS* pRecord) override;
    void RefreshList() override;
    BOOL SendWithoutWindow(const CSMS& record) override;
    // The phone link's sounds are the application's event sounds.
    void PlayReceivedSound() override;
    void PlayNewMessageSound() override;
    void PlaySentSound() override;

    CIrdaPort m_port;

protected:
    void OnAppExit();
    // The About box, modal.
    void OnAppAbout();
    DECLARE_MESSAGE_MAP()

private:
    CCorvane_smsDoc* m_pDoc;
    CCorvane_smsView* m_pMainView;
};

CCorvane_smsApp* GetCorvaneApp();
