// docking_host.exe: the docking test host to look at by hand.
#include "DockingHost.h"

namespace
{
class CDockingHostApp : public CWinApp
{
public:
    CDockingHostApp() : CWinApp(L"DockingHost") {}
    BOOL InitInstance() override
    {
        auto* pFrame = new CDockingHostFrame;
        if (!pFrame->CreateHost(40, 40, 900, 640, false))
            return FALSE;
        CHostResizableBar* pTop = pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, L"Top one");
        pFrame->AddResizableBar(AFX_IDW_DOCKBAR_TOP, L"Top two", pTop);
        pFrame->AddResizableBar(AFX_IDW_DOCKBAR_LEFT, L"Folders", nullptr, CHostResizableBar::kList);
        pFrame->AddResizableBar(AFX_IDW_DOCKBAR_RIGHT, L"Notes");
        pFrame->AddResizableBar(AFX_IDW_DOCKBAR_BOTTOM, L"Messages", nullptr, CHostResizableBar::kList);
        pFrame->AddFixedBar(AFX_IDW_DOCKBAR_TOP, L"Tools");
        m_pMainWnd = pFrame;
        pFrame->ShowWindow(SW_SHOWNORMAL);
        pFrame->UpdateWindow();
        return TRUE;
    }
};
CDockingHostApp theApp;
} // namespace
